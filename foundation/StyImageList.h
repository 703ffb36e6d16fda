#pragma once
// Numbered pictures of the styled controls: the bitmap list (one bitmap per item) and the image
// list (per item a strip of equal-size images with an optional monochrome mask), both list
// containers with the container-file form.
#include <functional>
#include <vector>

#include "foundation/StyCustomImageList.h"

class TStyBitmapListItem : public TStyListItem {
    DECLARE_CLASS(TStyBitmapListItem, TStyListItem)
public:
    explicit TStyBitmapListItem(TComponent* AOwner);
    // In a list whose bitmaps come from a file, a path or the program's resources the bitmap is
    // loaded on its first read, by the item's Ident.
    TBitmap& Bitmap();
    void SetBitmap(const TBitmap& value) { FBitmap.Assign(value); }
    TStySavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TStySavePixelFormat value) { FPixelFormat = value; }
    bool GetEmpty() const override { return FBitmap.Empty(); }
    void FreeData() override;
    void Assign(TPersistent* Source) override;
    Byte GetHeaderFlags() const override;

protected:
    void ReadData(TStream& Stream, Byte Flags) override;
    void WriteData(TStream& Stream) override;

private:
    void LoadFromSource(const TStyCustomContainer& List);

    TBitmap FBitmap;
    TStySavePixelFormat FPixelFormat = spfDefault;
    bool FSourceRead = false;
};

class TStyBitmapList : public TStyCustomImageList {
    DECLARE_CLASS(TStyBitmapList, TStyCustomImageList)
public:
    explicit TStyBitmapList(TComponent* AOwner);
    TStyBitmapListItem* GetArrayItem(Integer Index) const { return static_cast<TStyBitmapListItem*>(GetItem(Index)); }
    TStyBitmapListItem* GetArrayNameItem(const String& Name) const
    {
        return static_cast<TStyBitmapListItem*>(GetItemByName(Name));
    }
    // The bitmap of the current item.
    TBitmap& Item() const { return GetArrayItem(Index())->Bitmap(); }

    // One image per item, its bitmap; the image argument plays no part.
    TCanvas* BmpCanvas(Integer index) const override;
    TRect ItemRect(Integer index, Integer item) const override;
    Integer Dimensions(Integer index, Integer tp) const override;
    // 1 when the item has a bitmap, 0 for none or a bad index.
    Integer ItemCount(Integer index) const override;
    bool IsValidItem(Integer index, Integer item) const override;
    void GetBitmapItem(Integer index, Integer item, TBitmap* tb) const override;
    bool Masked(Integer) const override { return false; }
    TColor TransparentColor(Integer index, Integer item) const override;
    TColor GetColorAtPoint(TPoint aPoint, Integer index, Integer item) const override;
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) const override;
    void DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags, Integer ListIndex,
                 Integer Index) const override;
    void ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                  Integer ListIndex, Integer Index) const override;

private:
    TBitmap* ValidBitmap(Integer index) const;
};

enum TStyImageType : Byte { itImage, itMask };

// A strip of images of Width x Height, image i at offset i x Width, with a monochrome mask strip
// (white transparent) when masked; the strip is never wider than 32768 pixels.
class TStyImageListItem : public TStyListItem {
    DECLARE_CLASS(TStyImageListItem, TStyListItem)
public:
    explicit TStyImageListItem(TComponent* AOwner);
    // An item of that size without owner; a size below 1 raises "Taille de l'image non valide".
    TStyImageListItem(Integer AWidth, Integer AHeight);
    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }
    // A size of 0 or less, or the same size, does nothing; a new size empties the strip.
    void SetWidth(Integer value) { SetDimension(0, value); }
    void SetHeight(Integer value) { SetDimension(1, value); }
    Integer AllocBy() const { return FAllocBy; }
    void SetAllocBy(Integer value) { FAllocBy = std::max<Integer>(1, value); }
    bool Masked() const { return FMasked; }
    void SetMasked(bool value);
    TColor BkColor() const { return FBKColor; }
    void SetBkColor(TColor value) { FBKColor = value; }
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor value) { FBlendColor = value; }
    TStyDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TStyDrawingStyle value) { FDrawingStyle = value; }
    TStyImageType ImageType() const { return FImageType; }
    void SetImageType(TStyImageType value) { FImageType = value; }
    TStySavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TStySavePixelFormat value) { FPixelFormat = value; }
    Integer Count() const { return static_cast<Integer>(FInfo.size()); }
    bool GetEmpty() const override { return FInfo.empty(); }
    void FreeData() override { Clear(); }

    // The adding operations take the first Width x Height of Image: a height other than Height or
    // a width that is not a multiple of Width raises "Taille de l'image non valide", a strip that
    // would pass 32768 pixels "Trop d'images".  Add answers the new index, -1 without an image.
    Integer Add(TBitmap* Image, TBitmap* Mask = nullptr);
    // Masked items take the pixels of MaskColor as transparent.
    Integer AddMasked(TBitmap* Image, TColor MaskColor);
    void Insert(Integer Index, TBitmap* Image, TBitmap* Mask = nullptr);
    void InsertMasked(Integer Index, TBitmap* Image, TColor MaskColor);
    void Replace(Integer Index, TBitmap* Image, TBitmap* Mask = nullptr);
    void ReplaceMasked(Integer Index, TBitmap* Image, TColor MaskColor);
    void Delete(Integer Index);
    void Move(Integer Index, Integer NewIndex);
    // Empties the strips without notification.
    void Clear();
    // The images of an item of the same size appended, or inserted at Index.
    void AddImages(TStyImageListItem* aValue);
    void InsertImages(Integer Index, TStyImageListItem* aValue);
    // Rebuilds the item from a bitmap file of Count images; the file name becomes the description.
    bool LoadFromBitmap(const String& FileName, Integer Count, bool Masked);
    // A one-item image-list file.
    void SaveToFile(const String& Filename);
    void LoadFromFile(const String& Filename);

    TRect GetImageRect(Integer Index) const { return Rect(Offset(Index), 0, Offset(Index) + FWidth, FHeight); }
    void GetBitmap(Integer Index, TBitmap& Image) const;
    void GetMaskBitmap(Integer Index, TBitmap& MaskBmp) const;
    TBitmap& GetImageBitmap() { return FImage; }
    TBitmap& GetImageMaskBitmap() { return FMask; }
    // The image's bottom-left pixel.
    TColor TransparentColor(Integer Index) const;
    TColor GetColorAtPoint(TPoint aPoint, Integer Index) const;
    // Masked images over the background colour (transparent without one), dithered with the blend
    // colour when focused or selected.
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index) const;
    void DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags, Integer Index) const;
    void ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                  Integer Index) const;
    void Assign(TPersistent* Source) override;

protected:
    void ReadData(TStream& Stream, Byte Flags) override;
    void WriteData(TStream& Stream) override;
    // Older forms carry the strips as "Bitmap": the image count and the strips, read only.
    void DefineProperties(TFiler* Filer) override;

private:
    struct TImageInfo {
        SmallInt Offset = 0;
        Byte HasMask = 0;
        Byte Reserved = 0;
    };
    Integer Offset(Integer Index) const { return FInfo[Index].Offset; }
    void SetDimension(Integer Which, Integer value);
    void CheckImageSize(const TBitmap* Image) const;
    void Widen(Integer Width);
    Integer AllocateSlot();
    // Moves the strips' cells from Offset on by one cell, right (+1) or left (-1).
    void ShiftCells(Integer Offset, Integer Direction);
    void WithMaskOf(TBitmap* Image, TColor MaskColor, const std::function<void(TBitmap*, TBitmap*)>& Use);
    // The item emptied and given Count images of checked strips.
    void TakeStrips(Integer Count, const TBitmap& Image, const TBitmap& Mask);

    Integer FAllocBy = 4;
    Integer FHeight = 16;
    Integer FUsed = 0;
    Integer FWidth = 16;
    TStySavePixelFormat FPixelFormat = spfDefault;
    TColor FBKColor = clNone;
    TColor FBlendColor = clNone;
    TStyDrawingStyle FDrawingStyle = dsNormal;
    mutable TBitmap FImage;
    mutable TBitmap FMask;
    std::vector<TImageInfo> FInfo;
    TStyImageType FImageType = itImage;
    bool FMasked = false;
    bool FShareImages = false;
};

class TStyImageList : public TStyCustomImageList {
    DECLARE_CLASS(TStyImageList, TStyCustomImageList)
public:
    explicit TStyImageList(TComponent* AOwner);
    TStyImageListItem* GetArrayItem(Integer Index) const { return static_cast<TStyImageListItem*>(GetItem(Index)); }
    TStyImageListItem* GetArrayNameItem(const String& Name) const
    {
        return static_cast<TStyImageListItem*>(GetItemByName(Name));
    }
    // The current item.
    TStyImageListItem* Item() const { return GetArrayItem(Index()); }
    // From another image list also DefaultPixelFormat.
    void Assign(TPersistent* Source) override;

    // The item's strip and images.
    TCanvas* BmpCanvas(Integer index) const override;
    TRect ItemRect(Integer index, Integer item) const override;
    Integer Dimensions(Integer index, Integer tp) const override;
    // The images of an item; -1 for a bad index.
    Integer ItemCount(Integer index) const override;
    bool IsValidItem(Integer index, Integer item) const override;
    void GetBitmapItem(Integer index, Integer item, TBitmap* tb) const override;
    bool Masked(Integer index) const override;
    TColor TransparentColor(Integer index, Integer item) const override;
    TColor GetColorAtPoint(TPoint aPoint, Integer index, Integer item) const override;
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) const override;
    void DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags, Integer ListIndex,
                 Integer Index) const override;
    void ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                  Integer ListIndex, Integer Index) const override;

private:
    TStyImageListItem* ValidItem(Integer index) const;
};
