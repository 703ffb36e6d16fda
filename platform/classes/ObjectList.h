#pragma once
// A list of objects that, by default, owns them: an object deleted from the list
// (Delete, Remove, Clear, replaced by SetItems, or the list freed) is freed after
// it has left the list.  Extract takes an object out without freeing it.
#include "platform/classes/Object.h"
#include "platform/rtl/Lists.h"

class TObjectList : public TList {
public:
    explicit TObjectList(bool AOwnsObjects = true) : FOwnsObjects(AOwnsObjects) {}
    ~TObjectList() override { Clear(); }

    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

    Integer Add(TObject* AObject) { return TList::Add(AObject); }
    void Insert(Integer Index, TObject* AObject) { TList::Insert(Index, AObject); }
    Integer Remove(TObject* AObject) { return TList::Remove(AObject); }        // index it had, or -1
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }  // null when absent
    Integer IndexOf(const TObject* AObject) const { return TList::IndexOf(const_cast<TObject*>(AObject)); }
    TObject* Items(Integer Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    void SetItems(Integer Index, TObject* AObject) { TList::SetItems(Index, AObject); }
    TObject* First() const { return Items(0); }
    TObject* Last() const { return Items(Count() - 1); }

protected:
    void Notify(void* Item, TListNotification Action) override;

private:
    bool FOwnsObjects;
};
