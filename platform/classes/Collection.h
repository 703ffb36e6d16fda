#pragma once
// TCollection: an ordered list of items of one item class, owned by the collection.
//
// Items are made by Add or Insert, which create an item of the item class through
// its class reference.  An item joins its collection in the TCollectionItem
// constructor (so a derived constructor already sees Collection()); the collection
// announces it (Notify cnAdded, then the change) once the item is fully built.
// Every change to the list or to an item ends in Update(Item) (null Item: the
// whole collection), except between BeginUpdate and EndUpdate, where the outermost
// EndUpdate calls Update(nullptr) once.
//
// Delete and Clear take an item out of the collection (Notify cnExtracting, the
// change) before freeing it, so the notification sees the whole item and the item's
// destructor finds no collection.  An item freed directly leaves its collection
// from the TCollectionItem destructor, when only that part of it remains: Notify
// overrides look at such an item through dynamic_cast.
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/rtl/Exceptions.h"

class TCollection;

enum TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    DECLARE_CLASS(TCollectionItem, TPersistent)
public:
    explicit TCollectionItem(TCollection* Collection);
    ~TCollectionItem() override;  // leaves the collection

    TCollection* Collection() const { return FCollection; }
    // Moves the item to Value (or to no collection), announced on both sides.
    void SetCollection(TCollection* Value);

    // Unique within the collection for its lifetime; 0, 1, 2 ... in order of joining.
    int ID() const { return FID; }
    int Index() const;  // -1 without collection
    // Moves the item to position Value (EListError outside the list), then Changed(true).
    virtual void SetIndex(int Value);

    String DisplayName() { return GetDisplayName(); }
    virtual void SetDisplayName(const String& Value);  // Changed(false)

    TPersistent* GetOwner() override;  // the collection
    String GetNamePath() override;     // "<collection's name path>[<index>]", or the class name

protected:
    virtual String GetDisplayName();  // the class name
    // Update(this), or Update(nullptr) for AllItems, unless the collection is updating.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

class TCollection : public TPersistent {
    DECLARE_CLASS(TCollection, TPersistent)
public:
    // ItemClass must descend from TCollectionItem (else EInvalidCast).
    explicit TCollection(TClass ItemClass);
    ~TCollection() override;  // frees the items without Update

    TClass ItemClass() const { return FItemClass; }
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int Index) const;  // EListError outside 0..Count-1

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);  // Notify(cnDeleting), then the item is freed
    void Clear();
    TCollectionItem* FindItemID(int ID) const;

    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // From another collection: this one is cleared and gets one item per source
    // item, each assigned from it, all in one update.  Assigning a collection to
    // itself changes nothing.
    void Assign(TPersistent* Source) override;

    TPersistent* Owner() { return GetOwner(); }
    // The name of the owner's property holding the collection, for the name path.
    const String& PropName() const { return FPropName; }
    void SetPropName(const String& Value) { FPropName = Value; }
    // "<owner's name path>.<PropName>" when both are known, else the class name.
    String GetNamePath() override;

protected:
    // Something changed: Item, or the whole collection when Item is null.
    virtual void Update(TCollectionItem* Item);
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
    void Changed();  // Update(nullptr) unless updating

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);  // joins the list quietly
    void Added(TCollectionItem* Item);       // announces a joined item
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(int CurIndex, int NewIndex);

    TClass FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
    String FPropName;
};

// A collection with an owner for naming and streaming.
class TOwnedCollection : public TCollection {
    DECLARE_CLASS(TOwnedCollection, TCollection)
public:
    TOwnedCollection(TPersistent* AOwner, TClass ItemClass) : TCollection(ItemClass), FOwner(AOwner) {}
    TPersistent* GetOwner() override { return FOwner; }

private:
    TPersistent* FOwner;
};

// Creation function of a collection item class: owner is the collection (or null).
template <class T>
TObject* NewCollectionItem(TObject* owner)
{
    auto* collection = dynamic_cast<TCollection*>(owner);
    if (owner && !collection) throw EInvalidCast("Invalid class typecast");
    return new T(collection);
}
