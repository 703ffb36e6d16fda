// The linked LIFO buffer: its nodes, the circle mode and the oldest-first cursor.
#include "styledcontrols/StyDynLIFOBuffer.h"

IMPLEMENT_CLASS(TStyDynLIFOBuffer, TStyBuffer, nullptr)

TStyDynLIFOBuffer::TStyDynLIFOBuffer(TPersistent*) : TStyBuffer(nullptr) {}

TStyDynLIFOBuffer::~TStyDynLIFOBuffer() { Clear(); }

void TStyDynLIFOBuffer::Put(void* item)
{
    if (IsFull()) {
        if (!FCircleMode) return;
        if (FMaxEntries == 1) {
            Clear();
        } else if (FTop) {
            // unlink the oldest node from the one above it
            PStyDynNode above = nullptr, oldest = FTop;
            while (oldest->next) {
                above = oldest;
                oldest = oldest->next;
            }
            if (above) above->next = nullptr;
            else FTop = nullptr;
            DisposeItem(oldest->item);
            delete oldest;
            --FCount;
        }
    }
    FTop = new TStyDynNode{item, FTop};
    ++FCount;
}

void* TStyDynLIFOBuffer::Get()
{
    if (!FTop) return nullptr;
    PStyDynNode node = FTop;
    FTop = node->next;
    void* item = node->item;
    delete node;
    --FCount;
    return item;
}

void TStyDynLIFOBuffer::Clear()
{
    while (FTop) {
        PStyDynNode node = FTop;
        FTop = node->next;
        if (OnDestroyItem) OnDestroyItem(this, node->item);
        else if (node->item) std::free(node->item);
        delete node;
    }
    FCount = 0;
    FCurrent = nullptr;
}

void* TStyDynLIFOBuffer::GetFirstNode()
{
    PStyDynNode node = FTop;
    while (node && node->next) node = node->next;
    return node;
}

void* TStyDynLIFOBuffer::GetNextNode(void* node)
{
    if (!node) return nullptr;
    for (PStyDynNode n = FTop; n; n = n->next)
        if (n->next == node) return n;
    return nullptr;
}

void* TStyDynLIFOBuffer::GetNodeItem(void* node) { return node ? static_cast<PStyDynNode>(node)->item : nullptr; }
