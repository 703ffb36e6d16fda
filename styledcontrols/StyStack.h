#pragma once
// The stack of the HTML renderer's saved font settings: a LIFO buffer with stack names.
#include "styledcontrols/StyDynLIFOBuffer.h"

class TStyStack : public TStyDynLIFOBuffer {
    DECLARE_CLASS(TStyStack, TStyDynLIFOBuffer)
public:
    explicit TStyStack(TPersistent* AOwner = nullptr) : TStyDynLIFOBuffer(AOwner) {}
    void Push(void* item) { Put(item); }
    void Push(TObject* item) { Put(item); }
    // Removes the top item and disposes of it.
    void Pop() { DisposeItem(Get()); }
    // The top item, left on the stack; nil when empty.
    void* Top() const { return FTop ? FTop->item : nullptr; }
    // Removes the top item and hands it to the caller; nil when empty.
    void* ExtractTop() { return Get(); }
};
