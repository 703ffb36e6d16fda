// Bitmap lists and image lists with their item records.
#include "foundation/StyImageList.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlConsts.h"

IMPLEMENT_CLASS(TStyBitmapListItem, TStyListItem, NewComponent<TStyBitmapListItem>)
IMPLEMENT_CLASS(TStyBitmapList, TStyCustomImageList, NewComponent<TStyBitmapList>)
IMPLEMENT_CLASS(TStyImageListItem, TStyListItem, NewComponent<TStyImageListItem>)
IMPLEMENT_CLASS(TStyImageList, TStyCustomImageList, NewComponent<TStyImageList>)

namespace {

constexpr Integer MaxStripWidth = 32768;

Byte PixelFlag(TStySavePixelFormat format)
{
    switch (format) {
    case spfMono: return hfMono;
    case spf4bit: return hf4bit;
    case spf8bit: return hf8bit;
    case spf16bit: return hf16bit;
    default: return 0;
    }
}

TStySavePixelFormat PixelFormatOfFlags(Byte flags)
{
    if (flags & hfMono) return spfMono;
    if (flags & hf4bit) return spf4bit;
    if (flags & hf8bit) return spf8bit;
    if (flags & hf16bit) return spf16bit;
    return spfDefault;
}

[[noreturn]] void InvalidSize() { throw EInvalidGraphicOperation(SInvalidImageSize); }

}  // namespace

// ---- bitmap list

TStyBitmapListItem::TStyBitmapListItem(TComponent* AOwner) : TStyListItem(AOwner) {}

void TStyBitmapListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyBitmapListItem*>(Source);
    if (!source) return TStyListItem::Assign(Source);
    AssignHeader(*source);
    FBitmap.Assign(source->FBitmap);
    FPixelFormat = source->FPixelFormat;
}

Byte TStyBitmapListItem::GetHeaderFlags() const
{
    return TStyListItem::GetHeaderFlags() | (FBitmap.Empty() ? 0 : hfData | PixelFlag(FPixelFormat));
}

void TStyBitmapListItem::ReadData(TStream& Stream, Byte Flags)
{
    FPixelFormat = PixelFormatOfFlags(Flags);
    if (Flags & hfData) ReadBitmapData(Stream, FBitmap, Flags & hfCompressed);
    else FBitmap.SetSize(0, 0);
}

void TStyBitmapListItem::WriteData(TStream& Stream)
{
    if (!FBitmap.Empty()) WriteBitmapData(Stream, FBitmap, Compressed(), PixelFormatCode(FPixelFormat));
}

TStyBitmapList::TStyBitmapList(TComponent* AOwner)
    : TStyCustomImageList(AOwner, icBitmap, [](TComponent* owner) { return new TStyBitmapListItem(owner); })
{
    RegisterClass(TStyBitmapListItem::StaticClass());
}

Integer TStyBitmapList::ItemCount(Integer index) const
{
    if (index < 0 || index >= Count()) return 0;
    return GetArrayItem(index)->GetEmpty() ? 0 : 1;
}

bool TStyBitmapList::IsValidItem(Integer index, Integer) const { return ItemCount(index) == 1; }

void TStyBitmapList::GetBitmapItem(Integer index, Integer, TBitmap* tb)
{
    if (tb && IsValidItem(index, 0)) tb->Assign(GetArrayItem(index)->Bitmap());
}

void TStyBitmapList::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer)
{
    if (!IsValidItem(ListIndex, 0)) return;
    TBitmap& bmp = GetArrayItem(ListIndex)->Bitmap();
    TRect drawn;
    DrawBitmapInRect(Canvas, Bounds(X, Y, bmp.Width(), bmp.Height()), bmp, 0, clNone, drawn);
}

// ---- image list items

TStyImageListItem::TStyImageListItem(TComponent* AOwner) : TStyListItem(AOwner) { Clear(); }

void TStyImageListItem::SetSize(Integer Width, Integer Height)
{
    if (Width <= 0 || Height <= 0 || (Width == FWidth && Height == FHeight)) return;
    FWidth = Width;
    FHeight = Height;
    Clear();
    Change();
}

void TStyImageListItem::SetMasked(bool value)
{
    if (value == FMasked) return;
    FMasked = value;
    FMask.SetSize(0, 0);
    if (value) {
        FMask.SetPixelFormat(TPixelFormat::pf1bit);
        FMask.SetSize(FImage.Width(), FHeight);
    }
    Change();
}

void TStyImageListItem::Clear()
{
    FImage.SetPixelFormat(TPixelFormat::pf24bit);
    FImage.SetSize(0, FHeight);
    FMask.SetSize(0, 0);
    if (FMasked) {
        FMask.SetPixelFormat(TPixelFormat::pf1bit);
        FMask.SetSize(0, FHeight);
    }
    FUsed = 0;
    FOffsets.clear();
}

void TStyImageListItem::CheckImageSize(const TBitmap& Image) const
{
    if (Image.Height() != FHeight || Image.Width() % FWidth != 0 || Image.Width() == 0) InvalidSize();
}

Integer TStyImageListItem::AllocateSlot()
{
    if (FImage.Width() < FUsed + FWidth) {
        const Integer width = FImage.Width() + FAllocBy * FWidth;
        if (width > MaxStripWidth) throw EInvalidGraphicOperation(STooManyImages);
        FImage.SetSize(width, FHeight);
        if (FMasked) FMask.SetSize(width, FHeight);
    }
    FUsed += FWidth;
    FOffsets.push_back(Count() * FWidth);
    return Count() - 1;
}

void TStyImageListItem::Replace(Integer Index, TBitmap& Image, TBitmap* Mask)
{
    const TRect cell = GetImageRect(Index), source = Rect(0, 0, FWidth, FHeight);
    FImage.Canvas().CopyRect(cell, Image.Canvas(), source);
    if (FMasked) {
        if (Mask) {
            FMask.Canvas().CopyRect(cell, Mask->Canvas(), source);
        } else {
            FMask.Canvas().Brush().SetColor(clBlack);
            FMask.Canvas().FillRect(cell);
        }
    }
    Change();
}

Integer TStyImageListItem::Add(TBitmap* Image, TBitmap* Mask)
{
    if (!Image && !Mask) return AllocateSlot();
    if (!Image) return -1;
    CheckImageSize(*Image);
    if (FMasked && Mask) CheckImageSize(*Mask);
    const Integer index = AllocateSlot();
    Replace(index, *Image, FMasked ? Mask : nullptr);
    return index;
}

void TStyImageListItem::Delete(Integer Index)
{
    if (Index < 0 || Index >= Count()) return;
    const Integer offset = FOffsets[Index], right = FUsed - offset - FWidth;
    if (right > 0) {
        const TRect from = Rect(offset + FWidth, 0, FUsed, FHeight), to = Rect(offset, 0, FUsed - FWidth, FHeight);
        FImage.Canvas().CopyRect(to, FImage.Canvas(), from);
        if (FMasked) FMask.Canvas().CopyRect(to, FMask.Canvas(), from);
    }
    FUsed -= FWidth;
    FOffsets.erase(FOffsets.begin() + Index);
    for (Integer i = Index; i < Count(); ++i) FOffsets[i] -= FWidth;
    Change();
}

void TStyImageListItem::GetBitmap(Integer Index, TBitmap& Image)
{
    Image.SetSize(FWidth, FHeight);
    Image.Canvas().CopyRect(Rect(0, 0, FWidth, FHeight), FImage.Canvas(), GetImageRect(Index));
}

void TStyImageListItem::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index)
{
    if (Index < 0 || Index >= Count()) return;
    const TRect cell = GetImageRect(Index);
    TRect drawn;
    if (FMasked)
        DrawBitmapExt(Canvas, Bounds(X, Y, FWidth, FHeight), &FImage.Canvas(), cell, dbMasked, clNone,
                      {nullptr, &FMask.Canvas()}, drawn);
    else
        Canvas.CopyRect(Bounds(X, Y, FWidth, FHeight), FImage.Canvas(), cell);
}

void TStyImageListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyImageListItem*>(Source);
    if (!source) return TStyListItem::Assign(Source);
    AssignHeader(*source);
    FPixelFormat = source->FPixelFormat;
    FAllocBy = source->FAllocBy;
    FWidth = source->FWidth;
    FHeight = source->FHeight;
    FMasked = source->FMasked;
    FImage.Assign(source->FImage);
    FMask.Assign(source->FMask);
    FUsed = source->FUsed;
    FOffsets = source->FOffsets;
}

void TStyImageListItem::WriteData(TStream& Stream)
{
    WriteInt32(Stream, FHeight);
    WriteInt32(Stream, FWidth);
    WriteInt32(Stream, FAllocBy);
    WriteByte(Stream, FMasked ? 1 : 0);
    WriteInt32(Stream, Count());
    if (Count() == 0) return;
    WriteBitmapData(Stream, FImage, Compressed(), PixelFormatCode(FPixelFormat));
    if (FMasked) WriteBitmapData(Stream, FMask, Compressed(), PixelFormatCode(spfMono));
}

void TStyImageListItem::ReadData(TStream& Stream, Byte Flags)
{
    FPixelFormat = PixelFormatOfFlags(Flags);
    const Integer height = ReadInt32(Stream), width = ReadInt32(Stream), allocBy = ReadInt32(Stream);
    const Byte masked = ReadByte(Stream);
    const Integer count = ReadInt32(Stream);
    // The sizes and the count must describe a strip this item could have written.
    if (height <= 0 || width <= 0 || height > MaxStripWidth || width > MaxStripWidth || allocBy <= 0 || masked > 1 ||
        count < 0 || static_cast<Int64>(count) * width > MaxStripWidth)
        throw EReadError("Stream read error");
    TBitmap image, mask;
    if (count > 0) {
        ReadBitmapData(Stream, image, Flags & hfCompressed);
        if (masked) ReadBitmapData(Stream, mask, Flags & hfCompressed);
        if (image.Height() != height || image.Width() < count * width ||
            (masked && (mask.Height() != height || mask.Width() < count * width)))
            throw EReadError("Stream read error");
    }
    FHeight = height;
    FWidth = width;
    FAllocBy = allocBy;
    FMasked = masked;
    Clear();
    if (count == 0) return;
    FImage.Assign(image);
    if (FMasked) FMask.Assign(mask);
    FUsed = count * width;
    for (Integer i = 0; i < count; ++i) FOffsets.push_back(i * width);
}

TStyImageList::TStyImageList(TComponent* AOwner)
    : TStyCustomImageList(AOwner, icImageList, [](TComponent* owner) { return new TStyImageListItem(owner); })
{
    RegisterClass(TStyImageListItem::StaticClass());
}

Integer TStyImageList::ItemCount(Integer index) const
{
    if (index < 0 || index >= Count()) return -1;
    return GetArrayItem(index)->Count();
}

bool TStyImageList::IsValidItem(Integer index, Integer item) const
{
    return index >= 0 && index < Count() && item >= 0 && item < GetArrayItem(index)->Count();
}

void TStyImageList::GetBitmapItem(Integer index, Integer item, TBitmap* tb)
{
    if (tb && IsValidItem(index, item)) GetArrayItem(index)->GetBitmap(item, *tb);
}

void TStyImageList::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index)
{
    if (IsValidItem(ListIndex, Index)) GetArrayItem(ListIndex)->Draw(Canvas, X, Y, Index);
}
