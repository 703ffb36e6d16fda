#pragma once
// The base of the library's image lists: a platform image list, so that it can be linked wherever
// one is taken, whose pictures live in items (a list container of their own, with the container's
// file and stream forms), with a current item, the pixel format new items are saved in and the
// drawing interface that the styled controls call without knowing the concrete list.  Seen as a
// platform list it holds the images of its current item.
#include <memory>

#include "foundation/StyCustomContainer.h"
#include "platform/stdctrls/ImgList.h"

using TStyDrawingStyle = TDrawingStyle;

class TStyCustomImageList : public TCustomImageList {
    DECLARE_CLASS(TStyCustomImageList, TCustomImageList)
public:
    TStyCustomImageList(TComponent* AOwner, TStyListItemClassType ListType, TStyListItemFactory ListClass);
    ~TStyCustomImageList() override;

    // The list operations of the containers, this list's Change being their notification.
    Integer Count() const { return FItems->Count(); }
    bool Empty() const { return FItems->Empty(); }
    TStyListItem* GetItem(Integer Index) const { return FItems->GetItem(Index); }
    TStyListItem* GetItemByName(const String& Name) const { return FItems->GetItemByName(Name); }
    Integer IndexOf(TStyListItem* aValue) const { return FItems->IndexOf(aValue); }
    virtual Integer Add(TStyListItem* aValue = nullptr) { return FItems->Add(aValue); }
    void AddList(TStyCustomImageList* aValue) { FItems->AddList(aValue ? aValue->FItems.get() : nullptr); }
    void Insert(Integer Index, TStyListItem* aValue = nullptr) { FItems->Insert(Index, aValue); }
    void Delete(Integer Index) { FItems->Delete(Index); }
    void Move(Integer OldIndex, Integer NewIndex) { FItems->Move(OldIndex, NewIndex); }
    void Clear() { FItems->Clear(); }
    // From a list of this class or of a class it inherits from: its items and DefaultCompressed;
    // the first item becomes current.
    void Assign(TPersistent* Source) override;
    void SaveToFile(const String& Filename) { FItems->SaveToFile(Filename); }
    void LoadFromFile(const String& Filename) { FItems->LoadFromFile(Filename); }
    void SaveToFileStream(TStream& Stream) { FItems->SaveToFileStream(Stream); }
    void LoadFromFileStream(TStream& Stream) { FItems->LoadFromFileStream(Stream); }
    void SaveToStream(TStream& Stream) { FItems->SaveToStream(Stream); }
    void LoadFromStream(TStream& Stream) { FItems->LoadFromStream(Stream); }
    bool DefaultCompressed() const { return FItems->DefaultCompressed(); }
    void SetDefaultCompressed(bool value) { FItems->SetDefaultCompressed(value); }
    TStyContainerSource Source() const { return FItems->Source(); }
    void SetSource(TStyContainerSource value) { FItems->SetSource(value); }
    TStyPathPrefix FilePrefix() const { return FItems->FilePrefix(); }
    void SetFilePrefix(TStyPathPrefix value) { FItems->SetFilePrefix(value); }
    const String& FileName() const { return FItems->FileName(); }
    void SetFileName(const String& value) { FItems->SetFileName(value); }
    TStyListItemClassType ListType() const { return FItems->ListType(); }
    // The container of the items: their owner, and the parent of the items read from a form.
    TStyCustomContainer& Items() const { return *FItems; }

    void BeginUpdate() { ++FUpdateCount; }
    // The count never goes below 0; at 0 with aValue set the list changes.
    void EndUpdate(bool aValue = true);
    bool IsUpdating() const { return FUpdateCount != 0; }
    virtual TStyPackageID getStyPackage() const { return StyImageListPackage; }

    // The current item; an index not below the item count raises EInvalidGraphicOperation.
    Integer Index() const { return FIndex; }
    void SetIndex(Integer value);
    TStySavePixelFormat DefaultPixelFormat() const { return FDefaultPixel; }
    void SetDefaultPixelFormat(TStySavePixelFormat value) { FDefaultPixel = value; }

    // The drawing interface: "index" or ListIndex selects the item, "item" or Index the image in it.
    virtual TCanvas* BmpCanvas(Integer index) const = 0;
    virtual TRect ItemRect(Integer index, Integer item) const = 0;
    // Width (tp 0) or height (tp 1) of one image; 0 for another tp or a bad index.
    virtual Integer Dimensions(Integer index, Integer tp) const = 0;
    virtual Integer ItemCount(Integer index) const = 0;
    virtual bool IsValidItem(Integer index, Integer item) const = 0;
    // Copies an image into the bitmap (nothing for a bad index or no bitmap).
    virtual void GetBitmapItem(Integer index, Integer item, TBitmap* tb) const = 0;
    virtual bool Masked(Integer index) const = 0;
    virtual TColor TransparentColor(Integer index, Integer item) const = 0;
    virtual TColor GetColorAtPoint(TPoint aPoint, Integer index, Integer item) const = 0;
    virtual void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) const = 0;
    // Into target with the drawing flags of the bitmap routines.
    virtual void DrawExt(TCanvas& Canvas, const TRect& target, TRect& DrawnRect, Word flags, Integer ListIndex,
                         Integer Index) const = 0;
    // As DrawExt, clipped with pos as the clip origin.
    virtual void ClipDraw(TCanvas& Canvas, const TRect& target, Word flags, Cardinal pos, TColor transColor,
                          Integer ListIndex, Integer Index) const = 0;

    Integer Width() const override { return Dimensions(FIndex, 0); }
    Integer Height() const override { return Dimensions(FIndex, 1); }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    TComponent* GetChildParent() override { return FItems.get(); }

protected:
    // Nothing while updating or being destroyed; else the platform list's notification.
    void Change() override;
    Integer GetCount() const override { return std::max<Integer>(0, ItemCount(FIndex)); }
    void DoDraw(Integer Index, TCanvas& Canvas, Integer X, Integer Y, bool Enabled) const override;

private:
    class TItems;
    std::unique_ptr<TStyCustomContainer> FItems;
    Word FUpdateCount = 0;
    Integer FIndex = 0;
    TStySavePixelFormat FDefaultPixel = spfDefault;
};
