// The linked list: cursor moves, insertion around the cursor and removal.
#include "styledcontrols/StyList.h"

IMPLEMENT_CLASS(TStyList, TStyBuffer, nullptr)

TStyList::TStyList(TPersistent*) : TStyBuffer(nullptr) {}

TStyList::~TStyList() { Clear(); }

void TStyList::Next()
{
    if (!FCurrent) First();
    else if (FCurrent->next) FCurrent = FCurrent->next;
}

void TStyList::Prev()
{
    if (FCurrent && FCurrent->prev) FCurrent = FCurrent->prev;
}

void TStyList::Seek(Integer index)
{
    if (index < 1 || index > FCount) return;
    if (index < FCount / 2) {
        First();
        for (Integer i = 1; i < index; ++i) Next();
    } else {
        Last();
        for (Integer i = FCount; i > index; --i) Prev();
    }
}

void TStyList::Put(void* item)
{
    if (IsFull()) return;
    auto* node = new TStyBiDynNode{item, nullptr, FLast};
    if (FLast) FLast->next = node;
    else FRoot = FCurrent = node;
    FLast = node;
    ++FCount;
}

void TStyList::Insert(void* Item)
{
    if (IsFull()) return;
    if (!FCurrent) {
        Put(Item);
        return;
    }
    auto* node = new TStyBiDynNode{Item, FCurrent->next, FCurrent};
    if (FCurrent->next) FCurrent->next->prev = node;
    else FLast = node;
    FCurrent->next = node;
    ++FCount;
}

void TStyList::Add(void* item)
{
    Last();
    Insert(item);
}

void TStyList::Prepend(void* Item)
{
    if (IsEmpty()) {
        Put(Item);
        return;
    }
    if (IsFull()) return;
    auto* node = new TStyBiDynNode{Item, FRoot, nullptr};
    FRoot->prev = node;
    FRoot = node;
    ++FCount;
}

void TStyList::InsertAt(void* Item, Integer index)
{
    if (index <= 0) {
        Prepend(Item);
        return;
    }
    Seek(index);
    Insert(Item);
}

void TStyList::Unlink(PStyBiDynNode node)
{
    if (node->prev) node->prev->next = node->next;
    else FRoot = node->next;
    if (node->next) node->next->prev = node->prev;
    else FLast = node->prev;
    --FCount;
}

void* TStyList::Get()
{
    if (!FCurrent) return nullptr;
    PStyBiDynNode node = FCurrent;
    FCurrent = node->next;
    Unlink(node);
    void* item = node->item;
    delete node;
    return item;
}

void TStyList::Delete()
{
    void* item = Get();
    if (OnDestroyItem) OnDestroyItem(this, item);
}

void* TStyList::ExtractByNr(Integer index)
{
    if (index < 1 || index > FCount) return nullptr;
    Seek(index);
    return Get();
}

void* TStyList::GetItemByNr(Integer index)
{
    Seek(index);
    return index >= 1 && index <= FCount ? Item() : nullptr;
}

void TStyList::SetItem(Integer index, void* item)
{
    if (index < 1 || index > FCount) return;
    Seek(index);
    FCurrent->item = item;
}

Integer TStyList::IndexOf(void* aItem)
{
    if (IsEmpty()) return -1;
    Integer index = 0;
    for (First(); FCurrent; FCurrent = FCurrent->next, ++index)
        if (FCurrent->item == aItem) return index;
    FCurrent = FLast;
    return -1;
}

void TStyList::Remove(void* aItem)
{
    for (PStyBiDynNode node = FRoot; node; node = node->next)
        if (node->item == aItem) {
            FCurrent = node;
            Get();
            return;
        }
}

void TStyList::Clear()
{
    while (FRoot) {
        PStyBiDynNode node = FRoot;
        FRoot = node->next;
        delete node;
    }
    FRoot = FLast = FCurrent = nullptr;
    FCount = 0;
}

void TStyList::LoadFromStream(TStream& Stream)
{
    BeginUpdate();
    try {
        TStyBuffer::LoadFromStream(Stream);
    } catch (...) {
        EndUpdate();
        First();
        throw;
    }
    EndUpdate();
    First();
}
