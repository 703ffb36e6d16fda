#pragma once
// A doubly linked list with a cursor (the HTML renderer's items).  Positions passed to Seek,
// GetItemByNr, ExtractByNr, SetItem and InsertAt count from 1; IndexOf answers from 0.
#include "styledcontrols/StyBuffer.h"

struct TStyBiDynNode {
    void* item;
    TStyBiDynNode* next;
    TStyBiDynNode* prev;
};
using PStyBiDynNode = TStyBiDynNode*;

class TStyList : public TStyBuffer {
    DECLARE_CLASS(TStyList, TStyBuffer)
public:
    explicit TStyList(TPersistent* AOwner = nullptr);
    ~TStyList() override;

    // ---- cursor
    void First() { FCurrent = FRoot; }
    void Last() { FCurrent = FLast; }
    // Without a current node as First; stays on the last node.
    void Next();
    void Prev();
    bool IsLast() const { return FCurrent == FLast; }
    void* Item() const { return FCurrent ? FCurrent->item : nullptr; }
    PStyBiDynNode LastItem() const { return FLast; }
    // Nothing outside 1..Count.
    void Seek(Integer index);

    // ---- changes
    bool IsEmpty() override { return FRoot == nullptr; }
    bool IsFull() override { return FMaxEntries != -1 && FCount >= FMaxEntries; }
    // Appends; the cursor moves only onto the first node of an empty list.
    void Put(void* item) override;
    // After the current node (as Put without one); the cursor stays.
    void Insert(void* Item);
    void Add(void* item);
    void Prepend(void* Item);
    // index <= 0 prepends; otherwise the item becomes number index + 1.
    void InsertAt(void* Item, Integer index);
    // Unlinks the current node; the following one becomes current; the item is the caller's.
    void* Get() override;
    void* Extract() { return Get(); }
    // Get, then OnDestroyItem; without a handler the item is left alone.
    void Delete();
    void* ExtractByNr(Integer index);
    void* GetItemByNr(Integer index);
    void SetItem(Integer index, void* item);
    // The 0-based position of the first node holding aItem (the cursor ends on it, or on the
    // last node); -1 when none.
    Integer IndexOf(void* aItem);
    void Remove(void* aItem);
    // Frees the nodes, never the items.
    void Clear() override;
    void LoadFromStream(TStream& Stream) override;

    void* GetFirstNode() override { return FRoot; }
    void* GetNextNode(void* node) override { return node ? static_cast<PStyBiDynNode>(node)->next : nullptr; }
    void* GetNodeItem(void* node) override { return node ? static_cast<PStyBiDynNode>(node)->item : nullptr; }
    bool IsNodeEnd(void* node) override { return node == nullptr; }

    TStyCompareItemEvent OnCompareItem;   // kept for users; nothing here compares

private:
    void Unlink(PStyBiDynNode node);

    PStyBiDynNode FCurrent = nullptr;
    PStyBiDynNode FLast = nullptr;
    PStyBiDynNode FRoot = nullptr;
};
