#pragma once
// A singly linked last-in-first-out buffer (the editors' undo and redo records).  Full in circle
// mode, it drops its oldest entry for a new one.
#include "styledcontrols/StyBuffer.h"

struct TStyDynNode {
    void* item;
    TStyDynNode* next;   // the entry put before this one; nil for the oldest
};
using PStyDynNode = TStyDynNode*;

class TStyDynLIFOBuffer : public TStyBuffer {
    DECLARE_CLASS(TStyDynLIFOBuffer, TStyBuffer)
public:
    // The owner is not recorded.
    explicit TStyDynLIFOBuffer(TPersistent* AOwner = nullptr);
    ~TStyDynLIFOBuffer() override;

    bool CircleMode() const { return FCircleMode; }
    void SetCircleMode(bool Value) { FCircleMode = Value; }

    // The oldest entry first, so that a save and a load give the same stack.
    void* GetFirstNode() override;
    void* GetNextNode(void* node) override;
    void* GetNodeItem(void* node) override;
    bool IsNodeEnd(void* node) override { return node == nullptr; }
    bool IsEmpty() override { return FTop == nullptr; }
    bool IsFull() override { return FMaxEntries != -1 && FCount >= FMaxEntries; }
    // Full without circle mode: the item is not taken (the caller keeps it).
    void Put(void* item) override;
    // The newest item, now the caller's; nil when empty.
    void* Get() override;
    // Disposes of every item.
    void Clear() override;

protected:
    PStyDynNode FCurrent = nullptr;
    PStyDynNode FTop = nullptr;

private:
    bool FCircleMode = true;
};
