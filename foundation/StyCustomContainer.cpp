// The list-container base: items with their record header, the container's list operations and
// its file and stream forms, and the field routines of the item kinds.
#include "foundation/StyCustomContainer.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlConsts.h"

#include <algorithm>

IMPLEMENT_CLASS(TStyListItem, TStyCustomComponent, nullptr)
IMPLEMENT_CLASS(TStyCustomContainer, TStyBaseController, nullptr)

namespace {


TStySignature Signature(const char* text)
{
    TStySignature s{8};
    for (int i = 0; i < 8; ++i) s[i + 1] = static_cast<Byte>(text[i]);
    return s;
}

// What is left of the stream after its position.
Int64 Remaining(TStream& stream) { return stream.Size() - stream.Position(); }

}  // namespace

const TStySignature& ContainerSignature(TStyListItemClassType Kind)
{
    static const TStySignature table[6] = {Signature("STYIML30"), Signature("STYBML30"), Signature("STYWVL30"),
                                           Signature("STYSLL30"), Signature("StyGLL50"), Signature("STYIML30")};
    return table[std::min<int>(Kind, 5)];
}

// ---- stream routines

void WriteInt32(TStream& Stream, Integer Value)
{
    const Byte b[4] = {static_cast<Byte>(Value), static_cast<Byte>(Value >> 8), static_cast<Byte>(Value >> 16),
                       static_cast<Byte>(Value >> 24)};
    Stream.WriteBuffer(b, 4);
}

void WriteByte(TStream& Stream, Byte Value) { Stream.WriteBuffer(&Value, 1); }

Integer ReadInt32(TStream& Stream)
{
    Byte b[4];
    Stream.ReadBuffer(b, 4);
    return static_cast<Integer>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<Cardinal>(b[3]) << 24));
}

Byte ReadByte(TStream& Stream)
{
    Byte b = 0;
    Stream.ReadBuffer(&b, 1);
    return b;
}

Integer ReadLength(TStream& Stream)
{
    const Integer length = ReadInt32(Stream);
    if (length < 0 || length > Remaining(Stream)) throw EReadError("Stream read error");
    return length;
}

Integer PixelFormatCode(TStySavePixelFormat Format)
{
    switch (Format) {
    case spfMono: return 2;
    case spf4bit: return 16;
    case spf8bit: return 256;
    case spf16bit: return 65536;
    default: return -1;
    }
}

namespace {

// The bit count of the DIB written for a pixel-format code: 1, 4 or 8 for their codes, the
// bitmap's own depth for code 0; 16 and 32 bits are written as 24.  A monochrome bitmap is 1 bit.
Integer DIBBitCount(const TBitmap& bitmap, Integer formatCode)
{
    if (formatCode == 2 || bitmap.Monochrome()) return 1;
    Integer bits = 24;
    if (formatCode == 16) bits = 4;
    else if (formatCode == 256) bits = 8;
    else if (formatCode == 0) bits = bitmap.BitsPerPixel();
    return bits == 16 || bits == 32 ? 24 : bits;
}

void Put32(std::vector<Byte>& out, Cardinal v)
{
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<Byte>(v >> (8 * i)));
}

void Put16(std::vector<Byte>& out, Word v)
{
    out.push_back(static_cast<Byte>(v));
    out.push_back(static_cast<Byte>(v >> 8));
}

TPixelFormat FormatOfBits(Integer bits)
{
    switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    default: return TPixelFormat::pf24bit;
    }
}

}  // namespace

// A file header, a 40-byte information header whose fields past the image size are 0, the colour
// table of 2^bits entries below 24 bits, and the rows bottom-up, each padded to 4 bytes.
const TEnumTypeInfo& TypeInfoOf(TStySavePixelFormat)
{
    static const TEnumTypeInfo info("TStySavePixelFormat", {"spfDefault", "spfMono", "spf4bit", "spf8bit", "spf16bit"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyContainerSource)
{
    static const TEnumTypeInfo info("TStyContainerSource",
                                    {"sdComponent", "sdFile", "sdAppResource", "sdLibResource", "sdPath"});
    return info;
}

void BitmapToDIBStream(TMemoryStream& Stream, TBitmap& Bitmap, Integer FormatCode)
{
    if (Bitmap.Empty()) throw Exception(SInvalidBitmap);
    const Integer bits = DIBBitCount(Bitmap, FormatCode);
    TBitmap copy;
    copy.Assign(Bitmap);
    copy.SetPixelFormat(FormatOfBits(bits));
    const Cardinal colours = bits == 24 ? 0 : 1u << bits, headerSize = 40 + 4 * colours;
    const Cardinal rowBytes = (copy.Width() * bits + 31) / 32 * 4, imageSize = copy.Height() * rowBytes;
    std::vector<Byte> out;
    Put16(out, 0x4D42);
    Put32(out, 14 + headerSize + imageSize);
    Put32(out, 0);
    Put32(out, 14 + headerSize);
    Put32(out, 40);
    Put32(out, copy.Width());
    Put32(out, copy.Height());
    Put16(out, 1);
    Put16(out, static_cast<Word>(bits));
    Put32(out, 0);
    Put32(out, imageSize);
    for (int field = 0; field < 4; ++field) Put32(out, 0);
    const std::vector<Cardinal>& palette = copy.Palette();
    for (Cardinal i = 0; i < colours; ++i) Put32(out, i < palette.size() ? palette[i] & 0xFFFFFF : 0);
    for (Integer y = copy.Height() - 1; y >= 0; --y) {
        const Byte* row = copy.ScanLine(y);
        out.insert(out.end(), row, row + rowBytes);
    }
    Stream.WriteBuffer(out.data(), static_cast<Integer>(out.size()));
    Stream.SetPosition(0);
}

namespace {

// A payload as an Int32 length and its bytes, or as a block stream.
void WritePayload(TStream& stream, TMemoryStream& payload, bool compressed)
{
    payload.SetPosition(0);
    if (compressed) {
        CompressStreamBlocks(payload, stream, static_cast<Integer>(payload.Size()), 0);
        return;
    }
    WriteInt32(stream, static_cast<Integer>(payload.Size()));
    if (payload.Size()) stream.WriteBuffer(payload.Memory(), static_cast<Integer>(payload.Size()));
}

void ReadPayload(TStream& stream, TMemoryStream& payload, bool compressed)
{
    if (compressed) {
        DecompressStreamBlocks(stream, payload, 0);
    } else {
        const Integer length = ReadLength(stream);
        payload.SetSize(length);
        if (length) stream.ReadBuffer(payload.Memory(), length);
    }
    payload.SetPosition(0);
}

}  // namespace

void WriteBitmapData(TStream& Stream, TBitmap& Bitmap, bool Compressed, Integer FormatCode)
{
    TMemoryStream payload;
    if (FormatCode == -1) Bitmap.SaveToStream(payload);
    else BitmapToDIBStream(payload, Bitmap, FormatCode);
    WritePayload(Stream, payload, Compressed);
}

void ReadBitmapData(TStream& Stream, TBitmap& Bitmap, bool Compressed)
{
    TMemoryStream payload;
    ReadPayload(Stream, payload, Compressed);
    Bitmap.LoadFromStream(payload);
}

void WriteStringListData(TStream& Stream, const TStrings& List, bool Compressed)
{
    TMemoryStream payload;
    List.SaveToStream(payload);
    WritePayload(Stream, payload, Compressed);
}

void ReadStringListData(TStream& Stream, TStrings& List, bool Compressed)
{
    TMemoryStream payload;
    ReadPayload(Stream, payload, Compressed);
    List.LoadFromStream(payload);
}

String ContainerFileExt(TStyListItemClassType Kind, bool WithDot)
{
    String ext;
    switch (Kind) {
    case icImageList: ext = "iml"; break;
    case icBitmap:
    case icImageListItem: ext = "bmp"; break;
    case icWave: ext = "wav"; break;
    case icStringList: ext = "txt"; break;
    case icGeneric: ext = "*"; break;
    default: return String();
    }
    return WithDot ? "." + ext : ext;
}

namespace {

// The signature at the stream's position: the first kind whose 9 bytes match exactly.
TStyListItemClassType ReadSignature(TStream& stream)
{
    TStySignature head{};
    if (stream.Read(head.data(), 9) != 9) return icInvalid;
    for (int k = icImageList; k <= icGeneric; ++k)
        if (head == ContainerSignature(static_cast<TStyListItemClassType>(k)))
            return static_cast<TStyListItemClassType>(k);
    return icInvalid;
}

// The item count and offset table of a container file, checked against the file's size: every
// offset lies after the table and inside the file, in increasing order.
std::vector<Integer> ReadOffsetTable(TStream& stream, Integer count)
{
    const Int64 tableEnd = stream.Position() + 4 * static_cast<Int64>(count);
    if (count < 0 || tableEnd > stream.Size()) throw EReadError("Stream read error");
    std::vector<Integer> offsets(static_cast<size_t>(count));
    Int64 previous = tableEnd - 1;
    for (Integer& offset : offsets) {
        offset = ReadInt32(stream);
        if (offset <= previous || offset >= stream.Size()) throw EReadError("Stream read error");
        previous = offset;
    }
    return offsets;
}

}  // namespace

TStyListItemClassType ReadContainerIndex(const String& FileName, Integer& Count, std::vector<Integer>* List)
{
    TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
    Count = 0;
    const TStyListItemClassType kind = ReadSignature(stream);
    if (kind == icInvalid) return kind;
    Count = ReadInt32(stream);
    if (List) *List = ReadOffsetTable(stream, Count);
    return kind;
}

bool LoadItemFromFile(const String& FileName, TStyListItemClassType Kind, const std::vector<Integer>* List,
                      TStyListItem& Item, Integer Index)
{
    std::vector<Integer> offsets;
    if (!List) {
        Integer count = 0;
        if (ReadContainerIndex(FileName, count, &offsets) != Kind)
            throw Exception(String(SFOpenError) + ": " + FileName);
        List = &offsets;
    }
    if (Index < 0 || Index >= static_cast<Integer>(List->size())) return false;
    TFileStream stream(FileName, fmOpenRead);
    stream.SetPosition((*List)[Index]);
    Item.LoadItemData(stream);
    return true;
}

// ---- items

TStyListItem::TStyListItem(TComponent* AOwner) : TStyCustomComponent(AOwner) {}

TStyListItem::~TStyListItem()
{
    if (auto* container = dynamic_cast<TStyCustomContainer*>(Owner())) container->Detach(this);
}

void TStyListItem::SetDescription(const String& value)
{
    if (value == FDescription) return;
    FDescription = value;
    Change();
}

void TStyListItem::SetIdent(Word value)
{
    if (value == FIdent) return;
    FIdent = value;
    Change();
}

void TStyListItem::SetCompressed(bool value)
{
    if (value == FCompressed) return;
    FCompressed = value;
    Change();
}

Integer TStyListItem::ListIndex() const
{
    auto* container = dynamic_cast<TStyCustomContainer*>(Owner());
    return container ? container->IndexOf(const_cast<TStyListItem*>(this)) : -1;
}

void TStyListItem::AssignHeader(const TStyListItem& Source)
{
    FCompressed = Source.FCompressed;
    FDescription = Source.FDescription;
    FIdent = Source.FIdent;
}

void TStyListItem::Change()
{
    if (IsUpdating()) return;
    if (OnChange) OnChange(this);
    if (auto* container = dynamic_cast<TStyCustomContainer*>(Owner()))
        container->ItemChanged(this);
}

Byte TStyListItem::GetHeaderFlags() const
{
    Byte flags = 0;
    if (FCompressed) flags |= hfCompressed;
    if (!FDescription.IsEmpty()) flags |= hfDescription;
    if (FIdent != 0) flags |= hfIdent;
    return flags;
}

Byte TStyListItem::ReadHeader(TStream& Stream)
{
    const Byte flags = ReadByte(Stream);
    FCompressed = flags & hfCompressed;
    FDescription = String();
    if (flags & hfDescription) {
        const Byte length = ReadByte(Stream);
        std::string bytes(length, '\0');
        Stream.ReadBuffer(bytes.data(), length);
        FDescription = AnsiString::FromBytes(bytes).ToString();
    }
    FIdent = (flags & hfIdent) ? static_cast<Word>(ReadInt32(Stream) & 0xFFFF) : 0;
    return flags;
}

void TStyListItem::WriteHeader(TStream& Stream)
{
    const Byte flags = GetHeaderFlags();
    const AnsiString description(FDescription);
    // The length byte holds 255 at most: a longer description could not be read back.
    if ((flags & hfDescription) && description.Length() > 255)
        throw EWriteError("Item description longer than 255 characters");
    WriteByte(Stream, flags);
    if (flags & hfDescription) {
        WriteByte(Stream, static_cast<Byte>(description.Length()));
        Stream.WriteBuffer(description.Bytes().data(), description.Length());
    }
    if (flags & hfIdent) WriteInt32(Stream, FIdent);
}

void TStyListItem::LoadItemData(TStream& Stream)
{
    BeginUpdate();
    try {
        ReadData(Stream, ReadHeader(Stream));
    } catch (...) {
        EndUpdate(false);
        throw;
    }
    EndUpdate(false);
}

void TStyListItem::SaveItemData(TStream& Stream)
{
    WriteHeader(Stream);
    WriteData(Stream);
}

void TStyListItem::DefineProperties(TFiler* Filer)
{
    TStyCustomComponent::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Internal", [this](TStream* s) { LoadItemData(*s); }, [this](TStream* s) { SaveItemData(*s); }, true);
}

TComponent* TStyListItem::GetParentComponent() const { return dynamic_cast<TStyCustomContainer*>(Owner()); }

void TStyListItem::SetParentComponent(TComponent* Value)
{
    if (auto* container = dynamic_cast<TStyCustomContainer*>(Value)) container->Adopt(this);
}

void TStyListItem::ReadData(TStream&, Byte) {}
void TStyListItem::WriteData(TStream&) {}

// ---- the container

TStyCustomContainer::TStyCustomContainer(TComponent* AOwner, TStyListItemClassType ListType,
                                         TStyListItemFactory ListClass)
    : TStyBaseController(AOwner), FListClass(std::move(ListClass)), FListType(ListType)
{
}

TStyCustomContainer::~TStyCustomContainer()
{
    std::vector<TStyListItem*> items;
    items.swap(FList);
    for (TStyListItem* item : items) delete item;
}

void TStyCustomContainer::Detach(TStyListItem* item)
{
    FList.erase(std::remove(FList.begin(), FList.end(), item), FList.end());
}

void TStyCustomContainer::ItemChanged(TStyListItem* Item)
{
    if (OnChange && !IsUpdating()) OnChange(Item);
}

void TStyCustomContainer::Adopt(TStyListItem* item)
{
    if (item->Owner() != this) {
        if (TComponent* owner = item->Owner()) owner->RemoveComponent(item);
        InsertComponent(item);
    }
    if (IndexOf(item) < 0) Add(item);
}

void TStyCustomContainer::GetChildren(const TGetChildProc& Proc, TComponent*)
{
    for (TStyListItem* item : FList) Proc(item);
}

TStyListItem* TStyCustomContainer::GetItem(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError(ListIndexErrorMessage(Index));
    return FList[Index];
}

TStyListItem* TStyCustomContainer::GetItemByName(const String& Name) const
{
    for (TStyListItem* item : FList)
        if (item->Description() == Name) return item;
    return nullptr;
}

Integer TStyCustomContainer::IndexOf(TStyListItem* aValue) const
{
    auto it = std::find(FList.begin(), FList.end(), aValue);
    return it == FList.end() ? -1 : static_cast<Integer>(it - FList.begin());
}

Integer TStyCustomContainer::Add(TStyListItem* aValue)
{
    if (!aValue) aValue = FListClass(this);
    FList.push_back(aValue);
    Change();
    return Count() - 1;
}

void TStyCustomContainer::AddList(TStyCustomContainer* aValue)
{
    if (!aValue) return;
    BeginUpdate();
    for (TStyListItem* source : aValue->FList) {
        TStyListItem* item = FListClass(this);
        FList.push_back(item);
        item->Assign(source);
    }
    EndUpdate(true);
}

void TStyCustomContainer::Insert(Integer Index, TStyListItem* aValue)
{
    if (!aValue) aValue = FListClass(this);
    Index = std::clamp<Integer>(Index, 0, Count());
    FList.insert(FList.begin() + Index, aValue);
    Change();
}

void TStyCustomContainer::Delete(Integer Index)
{
    TStyListItem* item = GetItem(Index);
    FList.erase(FList.begin() + Index);
    delete item;
    Change();
}

void TStyCustomContainer::Move(Integer OldIndex, Integer NewIndex)
{
    if (OldIndex == NewIndex) return;
    TStyListItem* item = GetItem(OldIndex);
    GetItem(NewIndex);
    FList.erase(FList.begin() + OldIndex);
    FList.insert(FList.begin() + NewIndex, item);
    Change();
}

void TStyCustomContainer::Clear()
{
    std::vector<TStyListItem*> items;
    items.swap(FList);
    for (TStyListItem* item : items) delete item;
    Change();
}

void TStyCustomContainer::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyCustomContainer*>(Source);
    if (!source || !Source->InheritsFrom(ClassType())) {
        TStyBaseController::Assign(Source);
        return;
    }
    BeginUpdate();
    Clear();
    FDefault = source->FDefault;
    AddList(source);
    EndUpdate(true);
}

void TStyCustomContainer::SetSource(TStyContainerSource value)
{
    if (value == FSource) return;
    if (!Loading())
        for (TStyListItem* item : FList) item->FreeData();
    FSource = value;
    Change();
}

void TStyCustomContainer::SetFilePrefix(TStyPathPrefix value)
{
    if (value == FPrefix) return;
    FPrefix = value;
    Change();
}

void TStyCustomContainer::SaveToFile(const String& Filename)
{
    // Written to memory first, so that a refused item leaves no half-written file.
    TMemoryStream image;
    SaveToFileStream(image);
    TFileStream file(Filename, fmCreate);
    file.WriteBuffer(image.Memory(), static_cast<Integer>(image.Size()));
}

void TStyCustomContainer::LoadFromFile(const String& Filename)
{
    TFileStream file(Filename, fmOpenRead);
    LoadFromFileStream(file);
}

void TStyCustomContainer::SaveToFileStream(TStream& Stream)
{
    const TStySignature& signature = ContainerSignature(FListType);
    Stream.WriteBuffer(signature.data(), 9);
    WriteContainer(Stream, true);
}

void TStyCustomContainer::LoadFromFileStream(TStream& Stream)
{
    // The signature is compared whole: its length byte and its eight characters.
    TStySignature head{};
    if (Stream.Read(head.data(), 9) != 9 || head != ContainerSignature(FListType))
        throw Exception(String(SFOpenError) + ": " + ListClassName());
    ReadContainer(Stream, true);
}

void TStyCustomContainer::WriteContainer(TStream& Stream, bool ToFile)
{
    WriteInt32(Stream, Count());
    if (!ToFile || Empty()) {
        for (TStyListItem* item : FList) item->SaveItemData(Stream);
        return;
    }
    const Int64 table = Stream.Position();
    Stream.SetPosition(table + 4 * static_cast<Int64>(Count()));
    std::vector<Integer> offsets;
    for (TStyListItem* item : FList) {
        offsets.push_back(static_cast<Integer>(Stream.Position()));
        item->SaveItemData(Stream);
    }
    const Int64 end = Stream.Position();
    Stream.SetPosition(table);
    for (Integer offset : offsets) WriteInt32(Stream, offset);
    Stream.SetPosition(end);
}

void TStyCustomContainer::ReadContainer(TStream& Stream, bool FromFile)
{
    // Every item record takes at least its flags byte.
    const Integer count = ReadInt32(Stream);
    if (count < 0 || count > Remaining(Stream)) throw EReadError("Stream read error");
    std::vector<Integer> offsets;
    if (FromFile) offsets = ReadOffsetTable(Stream, count);
    // The items are read apart and take the old ones' place only when all of them were read.
    std::vector<std::unique_ptr<TStyListItem>> items;
    for (Integer i = 0; i < count; ++i) {
        if (FromFile && Stream.Position() != offsets[i]) throw EReadError("Stream read error");
        items.emplace_back(FListClass(this));
        items.back()->LoadItemData(Stream);
    }
    BeginUpdate();
    Clear();
    for (auto& item : items) FList.push_back(item.release());
    EndUpdate(true);
}
