#include "platform/classes/Collection.h"

#include <algorithm>

#include "platform/rtl/Lists.h"

namespace {

[[noreturn]] void ListIndexError(int index)
{
    throw EListError(StringReplace(SListIndexError, "%d", IntToStr(index), 0));
}

}  // namespace

// ---------------------------------------------------------------- TCollectionItem

IMPLEMENT_CLASS(TCollectionItem, TPersistent, NewCollectionItem<TCollectionItem>)

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (FCollection == Value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) {
        Value->InsertItem(this);
        Value->Added(this);
    }
}

int TCollectionItem::Index() const
{
    if (!FCollection) return -1;
    const auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value)
{
    int current = Index();
    if (current < 0 || current == Value) return;
    FCollection->MoveItem(current, Value);
    Changed(true);
}

void TCollectionItem::SetDisplayName(const String&)
{
    Changed(false);
}

String TCollectionItem::GetDisplayName()
{
    return ClassName();
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

TPersistent* TCollectionItem::GetOwner()
{
    return FCollection;
}

String TCollectionItem::GetNamePath()
{
    if (!FCollection) return ClassName();
    return FCollection->GetNamePath() + "[" + IntToStr(Index()) + "]";
}

// ---------------------------------------------------------------- TCollection

IMPLEMENT_CLASS(TCollection, TPersistent, nullptr)
IMPLEMENT_CLASS(TOwnedCollection, TCollection, nullptr)

TCollection::TCollection(TClass ItemClass) : FItemClass(ItemClass)
{
    if (!ItemClass || !ItemClass->InheritsFrom(TCollectionItem::StaticClass()))
        throw EInvalidCast("Invalid class typecast");
}

TCollection::~TCollection()
{
    FUpdateCount = 1;
    Clear();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count()) ListIndexError(Index);
    return FItems[static_cast<size_t>(Index)];
}

TCollectionItem* TCollection::Add()
{
    TObject* created = FItemClass->Create(this);
    auto* item = dynamic_cast<TCollectionItem*>(created);
    Added(item);
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    TCollectionItem* item = Items(Index);
    Notify(item, cnDeleting);
    RemoveItem(item);  // while the item is still whole
    delete item;
}

void TCollection::Clear()
{
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty()) {
        TCollectionItem* item = FItems.back();
        RemoveItem(item);  // while the item is still whole
        delete item;
    }
    EndUpdate();
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == ID) return item;
    return nullptr;
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    --FUpdateCount;
    Changed();
}

void TCollection::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TCollection*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this) return;  // clearing first would lose the items
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : source->FItems) Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

String TCollection::GetNamePath()
{
    TPersistent* owner = GetOwner();
    if (!owner || FPropName.IsEmpty()) return ClassName();
    String ownerPath = owner->GetNamePath();
    if (ownerPath.IsEmpty()) return ClassName();
    return ownerPath + "." + FPropName;
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

void TCollection::Added(TCollectionItem* Item)
{
    Notify(Item, cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, cnExtracting);
    FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(int CurIndex, int NewIndex)
{
    if (NewIndex < 0 || NewIndex >= Count()) ListIndexError(NewIndex);
    TCollectionItem* item = FItems[static_cast<size_t>(CurIndex)];
    FItems.erase(FItems.begin() + CurIndex);
    FItems.insert(FItems.begin() + NewIndex, item);
}
