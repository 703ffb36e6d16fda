// The buffer base: the abstract cursor and container operations, and the stream format.
#include "styledcontrols/StyBuffer.h"

#include <cstdlib>
#include <cstring>
#include <memory>

const char16_t StyBufferStreamSignature[] = u"@StyBufferStream-V0.1@";

namespace {
constexpr Integer SignatureLength = 22;
[[noreturn]] void Abstract() { throw EAbstractError("Abstract Error"); }
}  // namespace

IMPLEMENT_CLASS(TStyBuffer, TStyObject, nullptr)

TStyBuffer::TStyBuffer(TPersistent* Owner) : TStyObject(Owner) {}

void* TStyBuffer::GetFirstNode() { Abstract(); }
void* TStyBuffer::GetNextNode(void*) { Abstract(); }
void* TStyBuffer::GetNodeItem(void*) { Abstract(); }
bool TStyBuffer::IsNodeEnd(void*) { Abstract(); }
bool TStyBuffer::IsEmpty() { Abstract(); }
bool TStyBuffer::IsFull() { Abstract(); }
void TStyBuffer::Put(void*) { Abstract(); }
void* TStyBuffer::Get() { Abstract(); }
void TStyBuffer::Clear() { Abstract(); }

void TStyBuffer::DisposeItem(void* item)
{
    if (OnDestroyItem) OnDestroyItem(this, item);
    else std::free(item);
}

void TStyBuffer::SaveToStream(TStream& Stream)
{
    const Integer length = SignatureLength;
    Stream.WriteBuffer(&length, 4);
    for (Integer i = 0; i < SignatureLength; ++i) {
        const Word unit = StyBufferStreamSignature[i];
        Stream.WriteBuffer(&unit, 2);
    }
    for (void* node = GetFirstNode(); !IsNodeEnd(node); node = GetNextNode(node)) {
        void* item = GetNodeItem(node);
        Integer size = 0;
        if (OnGetItemSize) OnGetItemSize(this, item, size);
        Stream.WriteBuffer(&size, 4);
        if (size > 0) Stream.WriteBuffer(item, size);
    }
}

void TStyBuffer::LoadFromStream(TStream& Stream)
{
    Integer length = 0;
    Stream.Read(&length, 4);
    if (length != SignatureLength) return;
    std::u16string text(SignatureLength, u'\0');
    for (Integer i = 0; i < SignatureLength; ++i) {
        Word unit = 0;
        if (Stream.Read(&unit, 2) != 2) return;
        text[i] = static_cast<char16_t>(unit);
    }
    if (text != StyBufferStreamSignature) return;
    Clear();
    while (Stream.Position() < Stream.Size()) {
        Integer size = 0;
        Stream.ReadBuffer(&size, 4);
        // a size the rest of the stream cannot hold is a damaged stream, never an allocation
        if (size < 0 || size > Stream.Size() - Stream.Position()) throw EReadError("Stream read error");
        if (size == 0) {
            Put(nullptr);
            continue;
        }
        std::unique_ptr<void, decltype(&std::free)> block(std::malloc(size), &std::free);
        if (!block) throw EOutOfMemory("Out of memory");
        Stream.ReadBuffer(block.get(), size);
        Put(block.release());
    }
}

void TStyBuffer::LoadFromFile(const String& Filename)
{
    TFileStream stream(Filename, fmOpenRead);
    LoadFromStream(stream);
}

void TStyBuffer::SaveToFile(const String& Filename)
{
    TFileStream stream(Filename, fmCreate);
    SaveToStream(stream);
}
