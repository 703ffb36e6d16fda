#pragma once
// The abstract item buffer of the styled controls and its stream format: a signature, then per
// item its 32-bit size and its bytes.  Items are memory blocks the caller allocated with
// std::malloc; the containers never look inside them.
#include "foundation/StyObject.h"
#include "platform/classes/Events.h"
#include "platform/rtl/Streams.h"

using TStyDestroyItemEvent = TEvent<TObject*, void*>;           // Sender, item
using TStyGetItemSizeEvent = TEvent<TObject*, void*, Integer&>;  // Sender, item, size
using TStyCompareItemEvent = TEvent<TObject*, Integer, Integer, Integer>;

// "@StyBufferStream-V0.1@", preceded in a stream by its length in UTF-16 units.
extern const char16_t StyBufferStreamSignature[];

class TStyBuffer : public TStyObject {
    DECLARE_CLASS(TStyBuffer, TStyObject)
public:
    explicit TStyBuffer(TPersistent* Owner);

    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate()
    {
        if (FUpdateCount > 0) --FUpdateCount;
    }
    bool Updating() const { return FUpdateCount > 0; }
    Integer MaxEntries() const { return FMaxEntries; }
    void SetMaxEntries(Integer Value) { FMaxEntries = Value; }   // -1: unlimited
    Integer Count() const { return FCount; }

    // The cursor over the entries in save order; the nine operations raise EAbstractError
    // "Abstract Error" on a plain buffer.
    virtual void* GetFirstNode();
    virtual void* GetNextNode(void* node);
    virtual void* GetNodeItem(void* node);
    virtual bool IsNodeEnd(void* node);
    virtual bool IsEmpty();
    virtual bool IsFull();
    virtual void Put(void* item);
    virtual void* Get();
    virtual void Clear();
    // A stream without the signature is ignored; one that ends inside an entry, or states an
    // entry larger than what is left of it, raises EReadError "Stream read error" and keeps
    // the entries read before.
    virtual void LoadFromStream(TStream& Stream);
    virtual void SaveToStream(TStream& Stream);
    void LoadFromFile(const String& Filename);
    void SaveToFile(const String& Filename);

    TStyDestroyItemEvent OnDestroyItem;
    TStyGetItemSizeEvent OnGetItemSize;

protected:
    // OnDestroyItem, else the item's memory block is freed.
    void DisposeItem(void* item);

    Integer FUpdateCount = 0;
    Integer FMaxEntries = -1;
    Integer FCount = 0;
};
