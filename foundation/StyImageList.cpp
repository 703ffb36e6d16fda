// Bitmap lists and image lists with their item records.
#include "foundation/StyImageList.h"
#include "foundation/StyIniCtrl.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/SysFormat.h"

IMPLEMENT_CLASS(TStyBitmapListItem, TStyListItem, NewComponent<TStyBitmapListItem>)

// The strip's cell size, growth step and mask; its images travel in the item record.
TClass TStyImageListItem::StaticClass()
{
    static const TMetaClass meta("TStyImageListItem", TStyListItem::StaticClass(), NewComponent<TStyImageListItem>,
                                 [](TMetaClass& m) {
                                     using C = TStyImageListItem;
                                     TPublished<C>(&m)
                                         .Property("AllocBy", &C::AllocBy, &C::SetAllocBy).Default(4)
                                         .Property("Width", &C::Width, &C::SetWidth).Default(16)
                                         .Property("Height", &C::Height, &C::SetHeight).Default(16)
                                         .Property("Masked", &C::Masked, &C::SetMasked).Default(false);
                                 });
    return &meta;
}

namespace {

// What both lists publish: how new items are saved and where their pictures come from.
template <class C>
void PublishImageList(TMetaClass& m)
{
    TPublished<C>(&m)
        .Property("DefaultCompressed", &C::DefaultCompressed, &C::SetDefaultCompressed).Default(false)
        .Property("DefaultPixelFormat", &C::DefaultPixelFormat, &C::SetDefaultPixelFormat).Default(spfDefault)
        .Property("Source", &C::Source, &C::SetSource).Default(sdComponent)
        .Property("FilePrefix", &C::FilePrefix, &C::SetFilePrefix).Default(ppProgram)
        .Property("FileName", &C::FileName, &C::SetFileName);
}

}  // namespace

TClass TStyBitmapList::StaticClass()
{
    static const TMetaClass meta("TStyBitmapList", TStyCustomImageList::StaticClass(), NewComponent<TStyBitmapList>,
                                 PublishImageList<TStyBitmapList>);
    return &meta;
}

TClass TStyImageList::StaticClass()
{
    static const TMetaClass meta("TStyImageList", TStyCustomImageList::StaticClass(), NewComponent<TStyImageList>,
                                 PublishImageList<TStyImageList>);
    return &meta;
}

namespace {

constexpr Integer MaxStripWidth = 32768;

// Count images of width x height in the strips that follow (and the mask strip when masked),
// checked before anything is kept: strips that cannot hold them raise EReadError.
void ReadStrips(TStream& Stream, Integer Count, Integer Width, Integer Height, bool Masked, bool Compressed,
                TBitmap& Image, TBitmap& Mask)
{
    if (Count < 0 || static_cast<Int64>(Count) * Width > MaxStripWidth) throw EReadError("Stream read error");
    if (Count == 0) return;
    ReadBitmapData(Stream, Image, Compressed);
    if (Masked) ReadBitmapData(Stream, Mask, Compressed);
    if (Image.Height() != Height || Image.Width() < Count * Width ||
        (Masked && (Mask.Height() != Height || Mask.Width() < Count * Width)))
        throw EReadError("Stream read error");
}

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

TBitmap& TStyBitmapListItem::Bitmap()
{
    auto* list = dynamic_cast<TStyCustomContainer*>(Owner());
    if (list && FBitmap.Empty() && !FSourceRead &&
        (ComponentState() * TComponentState{csDesigning, csLoading}).IsEmpty()) {
        FSourceRead = true;
        BeginUpdate();
        try {
            LoadFromSource(*list);
        } catch (...) {
            EndUpdate(false);
            throw;
        }
        EndUpdate(false);
    }
    return FBitmap;
}

// sdFile: the item at the position Ident of the list's container file; sdPath: the bitmap file
// named by the first three letters of the list's file name and Ident ("btn.bmp", 5: "btn5.bmp");
// sdAppResource: the program's bitmap resource numbered Ident.
void TStyBitmapListItem::LoadFromSource(const TStyCustomContainer& List)
{
    const String prefix = List.FilePrefix() == ppFixed ? String() : PathForPrefix(List.FilePrefix(), true);
    switch (List.Source()) {
    case sdFile: {
        TStyBitmapListItem item(nullptr);
        if (LoadItemFromFile(prefix + List.FileName(), icBitmap, nullptr, item, Ident())) FBitmap.Assign(item.FBitmap);
        break;
    }
    case sdPath: {
        const String folder = List.FilePrefix() == ppFixed ? ExtractFilePath(List.FileName()) : prefix;
        FBitmap.LoadFromFile(folder + Copy(ExtractFileName(List.FileName()), 1, 3) + IntToStr(Ident()) + ".bmp");
        break;
    }
    case sdAppResource: FBitmap.LoadFromResourceName(HInstance, ResourceIDName(Ident())); break;
    default: break;   // the bitmap travels in the form
    }
}

void TStyBitmapListItem::FreeData()
{
    FBitmap.SetSize(0, 0);
    FSourceRead = false;
}

void TStyBitmapListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyBitmapListItem*>(Source);
    if (!source) return TStyListItem::Assign(Source);
    AssignHeader(*source);
    FBitmap.Assign(source->Bitmap());
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

TBitmap* TStyBitmapList::ValidBitmap(Integer index) const
{
    if (index < 0 || index >= Count()) return nullptr;
    TBitmap& bmp = GetArrayItem(index)->Bitmap();
    return bmp.Empty() ? nullptr : &bmp;
}

TCanvas* TStyBitmapList::BmpCanvas(Integer index) const
{
    TBitmap* bmp = ValidBitmap(index);
    return bmp ? &bmp->Canvas() : nullptr;
}

TRect TStyBitmapList::ItemRect(Integer index, Integer) const
{
    return Rect(0, 0, Dimensions(index, 0), Dimensions(index, 1));
}

Integer TStyBitmapList::Dimensions(Integer index, Integer tp) const
{
    const TBitmap* bmp = ValidBitmap(index);
    if (!bmp) return 0;
    return tp == 0 ? bmp->Width() : tp == 1 ? bmp->Height() : 0;
}

Integer TStyBitmapList::ItemCount(Integer index) const { return ValidBitmap(index) ? 1 : 0; }

bool TStyBitmapList::IsValidItem(Integer index, Integer) const { return ValidBitmap(index) != nullptr; }

void TStyBitmapList::GetBitmapItem(Integer index, Integer, TBitmap* tb) const
{
    if (TBitmap* bmp = ValidBitmap(index); bmp && tb) tb->Assign(*bmp);
}

TColor TStyBitmapList::TransparentColor(Integer index, Integer) const
{
    const TBitmap* bmp = ValidBitmap(index);
    return bmp ? bmp->TransparentColor() : clWhite;
}

TColor TStyBitmapList::GetColorAtPoint(TPoint aPoint, Integer index, Integer) const
{
    TBitmap* bmp = ValidBitmap(index);
    return bmp ? bmp->Canvas().Pixel(aPoint.X, aPoint.Y) : clWhite;
}

void TStyBitmapList::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer) const
{
    TBitmap* bmp = ValidBitmap(ListIndex);
    if (!bmp) return;
    TRect drawn;
    DrawBitmapInRect(Canvas, Bounds(X, Y, bmp->Width(), bmp->Height()), *bmp, 0, clNone, drawn);
}

void TStyBitmapList::DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags, Integer ListIndex,
                             Integer) const
{
    if (TBitmap* bmp = ValidBitmap(ListIndex))
        DrawBitmapInRect(Canvas, target, *bmp, flags, bmp->TransparentColor(), DrawnRect);
}

void TStyBitmapList::ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                              Integer ListIndex, Integer) const
{
    if (TBitmap* bmp = ValidBitmap(ListIndex)) DrawBitmapClipped(Canvas, target, *bmp, flags, transColor, pos);
}

// ---- image list items

TStyImageListItem::TStyImageListItem(TComponent* AOwner) : TStyListItem(AOwner) { Clear(); }

TStyImageListItem::TStyImageListItem(Integer AWidth, Integer AHeight) : TStyListItem(nullptr)
{
    if (AWidth < 1 || AHeight < 1) InvalidSize();
    FWidth = AWidth;
    FHeight = AHeight;
    Clear();
}

void TStyImageListItem::SetDimension(Integer Which, Integer value)
{
    Integer& dimension = Which == 0 ? FWidth : FHeight;
    if (value <= 0 || value == dimension) return;
    dimension = value;
    Clear();
    Change();
}

// A mask strip without masks of its own is black: every pixel opaque.
void TStyImageListItem::SetMasked(bool value)
{
    if (value == FMasked) return;
    FMasked = value;
    FMask.SetSize(0, 0);
    if (value) {
        FMask.SetPixelFormat(TPixelFormat::pf1bit);
        FMask.SetSize(FImage.Width(), FHeight);
        FMask.Canvas().FillRectColor(Rect(0, 0, FMask.Width(), FHeight), clBlack);
    }
    for (TImageInfo& info : FInfo) info.HasMask = value;
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
    FInfo.clear();
}

void TStyImageListItem::CheckImageSize(const TBitmap* Image) const
{
    if (Image->Height() != FHeight || Image->Width() % FWidth != 0 || Image->Width() == 0) InvalidSize();
}

void TStyImageListItem::Widen(Integer Width)
{
    if (Width > MaxStripWidth) throw EInvalidGraphicOperation(STooManyImages);
    const Integer old = FImage.Width();
    FImage.SetSize(Width, FHeight);
    if (!FMasked) return;
    FMask.SetSize(Width, FHeight);
    FMask.Canvas().FillRectColor(Rect(old, 0, Width, FHeight), clBlack);
}

Integer TStyImageListItem::AllocateSlot()
{
    if (FImage.Width() < FUsed + FWidth) Widen(FImage.Width() + FAllocBy * FWidth);
    FUsed += FWidth;
    FInfo.push_back({static_cast<SmallInt>(Count() * FWidth), 0, 0});
    return Count() - 1;
}

void TStyImageListItem::ShiftCells(Integer Offset, Integer Direction)
{
    const Integer from = Direction > 0 ? Offset : Offset + FWidth, length = FUsed - FWidth - Offset;
    if (length <= 0) return;
    for (TBitmap* strip : {&FImage, &FMask}) {
        if (strip == &FMask && !FMasked) continue;
        TBitmap part;
        part.Assign(*strip);
        strip->Canvas().CopyRect(Bounds(from + Direction * FWidth, 0, length, FHeight), part.Canvas(),
                                 Bounds(from, 0, length, FHeight));
    }
}

// The image's cell, and when masked the mask's; the image's pixels under white mask pixels are
// black, as the masked drawing needs them.
void TStyImageListItem::Replace(Integer Index, TBitmap* Image, TBitmap* Mask)
{
    if (Index < 0 || Index >= Count() || !Image) return;
    CheckImageSize(Image);
    if (FMasked && Mask) CheckImageSize(Mask);
    const TRect cell = GetImageRect(Index), source = Rect(0, 0, FWidth, FHeight);
    FImage.Canvas().CopyRect(cell, Image->Canvas(), source);
    if (FMasked) {
        FInfo[Index].HasMask = Mask != nullptr;
        if (Mask) {
            FMask.Canvas().CopyRect(cell, Mask->Canvas(), source);
            for (Integer y = 0; y < FHeight; ++y)
                for (Integer x = cell.Left; x < cell.Right; ++x)
                    if (ColorToRGB(FMask.Canvas().Pixel(x, y)) == clWhite) FImage.Canvas().SetPixel(x, y, clBlack);
        } else {
            FMask.Canvas().FillRectColor(cell, clBlack);
        }
    }
    Change();
}

Integer TStyImageListItem::Add(TBitmap* Image, TBitmap* Mask)
{
    if (!Image && !Mask) return AllocateSlot();
    if (!Image) return -1;
    CheckImageSize(Image);
    if (FMasked && Mask) CheckImageSize(Mask);
    const Integer index = AllocateSlot();
    Replace(index, Image, FMasked ? Mask : nullptr);
    return index;
}

void TStyImageListItem::Insert(Integer Index, TBitmap* Image, TBitmap* Mask)
{
    if (Index >= Count()) {
        Add(Image, Mask);
        return;
    }
    if (!Image) return;
    CheckImageSize(Image);
    if (FMasked && Mask) CheckImageSize(Mask);
    Index = std::max<Integer>(Index, 0);
    AllocateSlot();
    FInfo.pop_back();
    ShiftCells(Index * FWidth, +1);
    FInfo.insert(FInfo.begin() + Index, TImageInfo{});
    for (Integer i = Index; i < Count(); ++i) FInfo[i].Offset = static_cast<SmallInt>(i * FWidth);
    Replace(Index, Image, FMasked ? Mask : nullptr);
}

// A masked item takes the image with MaskColor blacked out and its mask; an unmasked one the image.
void TStyImageListItem::WithMaskOf(TBitmap* Image, TColor MaskColor,
                                   const std::function<void(TBitmap*, TBitmap*)>& Use)
{
    if (!FMasked || !Image) {
        Use(Image, nullptr);
        return;
    }
    TBitmap image, mask;
    CreateBitmapMask(*Image, mask, image, MaskColor);
    Use(&image, &mask);
}

Integer TStyImageListItem::AddMasked(TBitmap* Image, TColor MaskColor)
{
    Integer index = -1;
    WithMaskOf(Image, MaskColor, [&](TBitmap* image, TBitmap* mask) { index = Add(image, mask); });
    return index;
}

void TStyImageListItem::InsertMasked(Integer Index, TBitmap* Image, TColor MaskColor)
{
    WithMaskOf(Image, MaskColor, [&](TBitmap* image, TBitmap* mask) { Insert(Index, image, mask); });
}

void TStyImageListItem::ReplaceMasked(Integer Index, TBitmap* Image, TColor MaskColor)
{
    WithMaskOf(Image, MaskColor, [&](TBitmap* image, TBitmap* mask) { Replace(Index, image, mask); });
}

void TStyImageListItem::Delete(Integer Index)
{
    if (Index < 0 || Index >= Count()) return;
    // A full strip first grows by AllocBy cells, as far as a strip may be wide.
    if (FImage.Width() <= FUsed) Widen(std::min(FImage.Width() + FAllocBy * FWidth, MaxStripWidth / FWidth * FWidth));
    ShiftCells(Offset(Index), -1);
    FUsed -= FWidth;
    FInfo.erase(FInfo.begin() + Index);
    for (Integer i = Index; i < Count(); ++i) FInfo[i].Offset = static_cast<SmallInt>(FInfo[i].Offset - FWidth);
    Change();
}

void TStyImageListItem::Move(Integer Index, Integer NewIndex)
{
    if (Index == NewIndex || Index < 0 || Index >= Count()) return;
    TBitmap image, mask;
    GetBitmap(Index, image);
    const bool hasMask = FMasked && FInfo[Index].HasMask;
    if (hasMask) GetMaskBitmap(Index, mask);
    BeginUpdate();
    Delete(Index);
    Insert(NewIndex, &image, hasMask ? &mask : nullptr);
    EndUpdate(true);
}

void TStyImageListItem::AddImages(TStyImageListItem* aValue)
{
    if (!aValue) return;
    if (aValue->FWidth != FWidth || aValue->FHeight != FHeight) InvalidSize();
    if (aValue->GetEmpty()) return;
    BeginUpdate();
    if (FImage.Width() < FUsed + aValue->FUsed) Widen(FUsed + aValue->FUsed);
    const TRect from = Rect(0, 0, aValue->FUsed, FHeight), to = Bounds(FUsed, 0, aValue->FUsed, FHeight);
    FImage.Canvas().CopyRect(to, aValue->FImage.Canvas(), from);
    if (FMasked && aValue->FMasked) FMask.Canvas().CopyRect(to, aValue->FMask.Canvas(), from);
    for (const TImageInfo& info : aValue->FInfo)
        FInfo.push_back({static_cast<SmallInt>(Count() * FWidth), static_cast<Byte>(FMasked && info.HasMask),
                         info.Reserved});
    FUsed += aValue->FUsed;
    EndUpdate(true);
}

void TStyImageListItem::InsertImages(Integer Index, TStyImageListItem* aValue)
{
    if (!aValue) return;
    if (aValue->FWidth != FWidth || aValue->FHeight != FHeight) InvalidSize();
    BeginUpdate();
    for (Integer i = aValue->Count() - 1; i >= 0; --i) {
        TBitmap image, mask;
        aValue->GetBitmap(i, image);
        if (FMasked && aValue->FMasked) {
            aValue->GetMaskBitmap(i, mask);
            Insert(Index, &image, &mask);
        } else if (FMasked) {
            InsertMasked(Index, &image, aValue->TransparentColor(i));
        } else {
            Insert(Index, &image);
        }
    }
    EndUpdate(true);
}

bool TStyImageListItem::LoadFromBitmap(const String& FileName, Integer Count, bool Masked)
{
    TBitmap bmp;
    bmp.LoadFromFile(FileName);
    if (bmp.Empty() || Count < 1 || bmp.Width() % Count != 0)
        throw Exception(String(SFOpenError) + ": " + FileName);
    BeginUpdate();
    FHeight = bmp.Height();
    FWidth = bmp.Width() / Count;
    FMasked = Masked;
    Clear();
    TBitmap image, mask;
    if (Masked) CreateBitmapMask(bmp, mask, image, bmp.TransparentColor());
    else image.Assign(bmp);
    for (Integer i = 0; i < Count; ++i) {
        TBitmap cell(FWidth, FHeight, TPixelFormat::pf24bit), cellMask(FWidth, FHeight, TPixelFormat::pf1bit);
        cell.Canvas().CopyRect(Rect(0, 0, FWidth, FHeight), image.Canvas(), Bounds(i * FWidth, 0, FWidth, FHeight));
        if (Masked) cellMask.Canvas().CopyRect(Rect(0, 0, FWidth, FHeight), mask.Canvas(), Bounds(i * FWidth, 0, FWidth, FHeight));
        Add(&cell, Masked ? &cellMask : nullptr);
    }
    SetDescription(ExtractFileName(FileName));
    EndUpdate(true);
    return true;
}

void TStyImageListItem::SaveToFile(const String& Filename)
{
    TMemoryStream image;
    image.WriteBuffer(ContainerSignature(icImageList).data(), 9);
    WriteInt32(image, 1);
    WriteInt32(image, 17);
    SaveItemData(image);
    TFileStream file(Filename, fmCreate);
    file.WriteBuffer(image.Memory(), static_cast<Integer>(image.Size()));
}

void TStyImageListItem::LoadFromFile(const String& Filename)
{
    TFileStream file(Filename, fmOpenRead | fmShareDenyWrite);
    TStySignature head{};
    if (file.Read(head.data(), 9) != 9 || head != ContainerSignature(icImageList))
        throw Exception(String(SFOpenError) + ": " + ClassName());
    file.SetPosition(17);
    LoadItemData(file);
}

void TStyImageListItem::GetBitmap(Integer Index, TBitmap& Image) const
{
    Image.SetSize(FWidth, FHeight);
    Image.Canvas().CopyRect(Rect(0, 0, FWidth, FHeight), FImage.Canvas(), GetImageRect(Index));
}

void TStyImageListItem::GetMaskBitmap(Integer Index, TBitmap& MaskBmp) const
{
    if (!FMasked) return;
    MaskBmp.SetPixelFormat(TPixelFormat::pf1bit);
    MaskBmp.SetSize(FWidth, FHeight);
    MaskBmp.Canvas().CopyRect(Rect(0, 0, FWidth, FHeight), FMask.Canvas(), GetImageRect(Index));
}

TColor TStyImageListItem::TransparentColor(Integer Index) const
{
    return FImage.Canvas().Pixel(Offset(Index), FHeight - 1);
}

TColor TStyImageListItem::GetColorAtPoint(TPoint aPoint, Integer Index) const
{
    return FImage.Canvas().Pixel(Offset(Index) + aPoint.X, aPoint.Y);
}

void TStyImageListItem::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index) const
{
    if (Index < 0 || Index >= Count()) return;
    const TRect cell = GetImageRect(Index), target = Bounds(X, Y, FWidth, FHeight);
    if (!FMasked || FImageType == itMask) {
        Canvas.CopyRect(target, (FMasked ? FMask : FImage).Canvas(), cell);
        return;
    }
    TRect drawn;
    const TStySrcObject mask{nullptr, &FMask.Canvas()};
    if (FDrawingStyle == dsTransparent || FBKColor == clNone) {
        DrawBitmapExt(Canvas, target, &FImage.Canvas(), cell, dbMasked, clNone, mask, drawn);
        return;
    }
    TBitmap buffer;
    PrepareBitmap(buffer, target, FBKColor);
    const TRect all = Rect(0, 0, FWidth, FHeight);
    DrawBitmapExt(buffer.Canvas(), all, &FImage.Canvas(), cell, dbMasked, clNone, mask, drawn);
    if ((FDrawingStyle == dsFocus || FDrawingStyle == dsSelected) && FBlendColor != clNone)
        DitherImage(buffer.Canvas(), all, FBlendColor, FDrawingStyle);
    Canvas.CopyRect(target, buffer.Canvas(), all);
}

void TStyImageListItem::DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags,
                                Integer Index) const
{
    if (Index < 0 || Index >= Count()) return;
    if (FMasked)
        DrawBitmapExt(Canvas, target, &FImage.Canvas(), GetImageRect(Index), flags | dbMasked, clNone,
                      {nullptr, &FMask.Canvas()}, DrawnRect);
    else
        DrawBitmapExt(Canvas, target, &FImage.Canvas(), GetImageRect(Index), flags, TransparentColor(Index), {},
                      DrawnRect);
}

void TStyImageListItem::ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                                 Integer Index) const
{
    if (Index < 0 || Index >= Count()) return;
    if (FMasked)
        DrawCanvasClipped(Canvas, target, &FImage.Canvas(), GetImageRect(Index), flags | dbMasked, 0, pos,
                          {nullptr, &FMask.Canvas()});
    else
        DrawCanvasClipped(Canvas, target, &FImage.Canvas(), GetImageRect(Index), flags, transColor, pos, {});
}

void TStyImageListItem::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyImageListItem*>(Source);
    if (!source) return TStyListItem::Assign(Source);
    AssignHeader(*source);
    FPixelFormat = source->FPixelFormat;
    FAllocBy = source->FAllocBy;
    FBKColor = source->FBKColor;
    FBlendColor = source->FBlendColor;
    FDrawingStyle = source->FDrawingStyle;
    FHeight = source->FHeight;
    FImageType = source->FImageType;
    FMasked = source->FMasked;
    FShareImages = source->FShareImages;
    FWidth = source->FWidth;
    Clear();
    AddImages(source);
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
    // The sizes must describe a strip this item could have written.
    if (height <= 0 || width <= 0 || height > MaxStripWidth || width > MaxStripWidth || allocBy <= 0 || masked > 1)
        throw EReadError("Stream read error");
    TBitmap image, mask;
    ReadStrips(Stream, count, width, height, masked, Flags & hfCompressed, image, mask);
    FHeight = height;
    FWidth = width;
    FAllocBy = allocBy;
    FMasked = masked;
    TakeStrips(count, image, mask);
}

void TStyImageListItem::TakeStrips(Integer Count, const TBitmap& Image, const TBitmap& Mask)
{
    Clear();
    if (Count == 0) return;
    FImage.Assign(Image);
    if (FMasked) FMask.Assign(Mask);
    FUsed = Count * FWidth;
    for (Integer i = 0; i < Count; ++i) FInfo.push_back({static_cast<SmallInt>(i * FWidth), FMasked, 0});
}

void TStyImageListItem::DefineProperties(TFiler* Filer)
{
    TStyListItem::DefineProperties(Filer);
    Filer->DefineBinaryProperty(
        "Bitmap",
        [this](TStream* s) {
            const Integer count = ReadInt32(*s);
            TBitmap image, mask;
            ReadStrips(*s, count, FWidth, FHeight, FMasked, Compressed(), image, mask);
            TakeStrips(count, image, mask);
        },
        nullptr, false);
}

TStyImageList::TStyImageList(TComponent* AOwner)
    : TStyCustomImageList(AOwner, icImageList, [](TComponent* owner) { return new TStyImageListItem(owner); })
{
    RegisterClass(TStyImageListItem::StaticClass());
}

void TStyImageList::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TStyImageList*>(Source);
    if (!source) return TStyCustomImageList::Assign(Source);
    BeginUpdate();
    TStyCustomImageList::Assign(Source);
    SetDefaultPixelFormat(source->DefaultPixelFormat());
    EndUpdate(true);
}

TStyImageListItem* TStyImageList::ValidItem(Integer index) const
{
    return index >= 0 && index < Count() ? GetArrayItem(index) : nullptr;
}

TCanvas* TStyImageList::BmpCanvas(Integer index) const
{
    TStyImageListItem* item = ValidItem(index);
    return item ? &item->GetImageBitmap().Canvas() : nullptr;
}

TRect TStyImageList::ItemRect(Integer index, Integer item) const
{
    return IsValidItem(index, item) ? GetArrayItem(index)->GetImageRect(item) : TRect{};
}

Integer TStyImageList::Dimensions(Integer index, Integer tp) const
{
    const TStyImageListItem* item = ValidItem(index);
    if (!item) return 0;
    return tp == 0 ? item->Width() : tp == 1 ? item->Height() : 0;
}

Integer TStyImageList::ItemCount(Integer index) const
{
    const TStyImageListItem* item = ValidItem(index);
    return item ? item->Count() : -1;
}

bool TStyImageList::IsValidItem(Integer index, Integer item) const
{
    return item >= 0 && item < ItemCount(index);
}

void TStyImageList::GetBitmapItem(Integer index, Integer item, TBitmap* tb) const
{
    if (tb && IsValidItem(index, item)) GetArrayItem(index)->GetBitmap(item, *tb);
}

bool TStyImageList::Masked(Integer index) const
{
    const TStyImageListItem* item = ValidItem(index);
    return item && item->Masked();
}

TColor TStyImageList::TransparentColor(Integer index, Integer item) const
{
    return IsValidItem(index, item) ? GetArrayItem(index)->TransparentColor(item) : clWhite;
}

TColor TStyImageList::GetColorAtPoint(TPoint aPoint, Integer index, Integer item) const
{
    return IsValidItem(index, item) ? GetArrayItem(index)->GetColorAtPoint(aPoint, item) : clWhite;
}

void TStyImageList::Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) const
{
    if (IsValidItem(ListIndex, Index)) GetArrayItem(ListIndex)->Draw(Canvas, X, Y, Index);
}

void TStyImageList::DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags, Integer ListIndex,
                            Integer Index) const
{
    if (IsValidItem(ListIndex, Index)) GetArrayItem(ListIndex)->DrawExt(Canvas, target, DrawnRect, flags, Index);
}

void TStyImageList::ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                             Integer ListIndex, Integer Index) const
{
    if (IsValidItem(ListIndex, Index))
        GetArrayItem(ListIndex)->ClipDraw(Canvas, target, flags, pos, transColor, Index);
}
