#pragma once
// Numbered pictures of the styled controls: the bitmap list (one bitmap per item) and the image
// list (per item a strip of equal-size images with an optional monochrome mask), both list
// containers with the container-file form.
#include <vector>

#include "foundation/StyCustomImageList.h"

class TStyBitmapListItem : public TStyListItem {
    DECLARE_CLASS(TStyBitmapListItem, TStyListItem)
public:
    explicit TStyBitmapListItem(TComponent* AOwner);
    TBitmap& Bitmap() { return FBitmap; }
    void SetBitmap(const TBitmap& value) { FBitmap.Assign(value); }
    TStySavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TStySavePixelFormat value) { FPixelFormat = value; }
    bool GetEmpty() const override { return FBitmap.Empty(); }
    void FreeData() override { FBitmap.SetSize(0, 0); }
    void Assign(TPersistent* Source) override;
    Byte GetHeaderFlags() const override;

protected:
    void ReadData(TStream& Stream, Byte Flags) override;
    void WriteData(TStream& Stream) override;

private:
    TBitmap FBitmap;
    TStySavePixelFormat FPixelFormat = spfDefault;
};

class TStyBitmapList : public TStyCustomImageList {
    DECLARE_CLASS(TStyBitmapList, TStyCustomImageList)
public:
    explicit TStyBitmapList(TComponent* AOwner);
    TStyBitmapListItem* GetArrayItem(Integer Index) const { return static_cast<TStyBitmapListItem*>(GetItem(Index)); }
    // One image per item: 1 when it has a bitmap, 0 for none or a bad index.
    Integer ItemCount(Integer index) const override;
    bool IsValidItem(Integer index, Integer item) const override;
    void GetBitmapItem(Integer index, Integer item, TBitmap* tb) override;
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) override;
};

// A strip of images of Width x Height; image i at offset i x Width, the strip never wider than
// 32768 pixels.
class TStyImageListItem : public TStyListItem {
    DECLARE_CLASS(TStyImageListItem, TStyListItem)
public:
    explicit TStyImageListItem(TComponent* AOwner);
    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }
    // A size of 0 or less is ignored; a new size empties the strip.
    void SetSize(Integer Width, Integer Height);
    Integer AllocBy() const { return FAllocBy; }
    void SetAllocBy(Integer value) { FAllocBy = std::max<Integer>(1, value); }
    bool Masked() const { return FMasked; }
    void SetMasked(bool value);
    Integer Count() const { return static_cast<Integer>(FOffsets.size()); }
    bool GetEmpty() const override { return FOffsets.empty(); }
    void FreeData() override { Clear(); }
    TStySavePixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TStySavePixelFormat value) { FPixelFormat = value; }

    // Adds an image (and its mask when masked); -1 when the image is missing.  A height other than
    // Height or a width that is not a multiple of Width raises "Taille de l'image non valide".
    Integer Add(TBitmap* Image, TBitmap* Mask = nullptr);
    void Delete(Integer Index);
    void Clear();
    TRect GetImageRect(Integer Index) const { return Rect(FOffsets[Index], 0, FOffsets[Index] + FWidth, FHeight); }
    void GetBitmap(Integer Index, TBitmap& Image);
    TBitmap& ImageStrip() { return FImage; }
    TBitmap& MaskStrip() { return FMask; }
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index);
    void Assign(TPersistent* Source) override;

protected:
    void ReadData(TStream& Stream, Byte Flags) override;
    void WriteData(TStream& Stream) override;

private:
    void CheckImageSize(const TBitmap& Image) const;
    Integer AllocateSlot();
    void Replace(Integer Index, TBitmap& Image, TBitmap* Mask);

    Integer FAllocBy = 4;
    Integer FHeight = 16;
    Integer FUsed = 0;
    Integer FWidth = 16;
    TStySavePixelFormat FPixelFormat = spfDefault;
    TBitmap FImage;
    TBitmap FMask;
    std::vector<Integer> FOffsets;
    bool FMasked = false;
};

class TStyImageList : public TStyCustomImageList {
    DECLARE_CLASS(TStyImageList, TStyCustomImageList)
public:
    explicit TStyImageList(TComponent* AOwner);
    TStyImageListItem* GetArrayItem(Integer Index) const { return static_cast<TStyImageListItem*>(GetItem(Index)); }
    // The images of an item; -1 for a bad index.
    Integer ItemCount(Integer index) const override;
    bool IsValidItem(Integer index, Integer item) const override;
    void GetBitmapItem(Integer index, Integer item, TBitmap* tb) override;
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) override;
};
