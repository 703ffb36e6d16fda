#pragma once
// Image lists: equal-sized images, each with a mask of its transparent pixels, drawn normally
// or in the classic disabled look (embossed in the shadow and highlight colours).
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Bitmaps.h"

class TCustomImageList;

// How a control that shows a list's images hears that they changed: registered with the list, the
// link fires OnChange after each change of the list's images or size.
class TChangeLink {
public:
    TChangeLink() = default;
    TChangeLink(const TChangeLink&) = delete;
    TChangeLink& operator=(const TChangeLink&) = delete;
    ~TChangeLink();
    TCustomImageList* Sender() const { return FSender; }
    TNotifyEvent OnChange;

private:
    friend class TCustomImageList;
    TCustomImageList* FSender = nullptr;
};

class TCustomImageList : public TComponent {
    DECLARE_CLASS(TCustomImageList, TComponent)
public:
    explicit TCustomImageList(TComponent* AOwner);
    TCustomImageList(Integer AWidth, Integer AHeight);
    ~TCustomImageList() override;
    // A link is registered with one list at a time; registering it here leaves its former list.
    void RegisterChanges(TChangeLink* Value);
    void UnRegisterChanges(TChangeLink* Value);
    Integer Width() const { return FWidth; }
    void SetWidth(Integer value);    // clears the list
    Integer Height() const { return FHeight; }
    void SetHeight(Integer value);   // clears the list
    Integer Count() const { return static_cast<Integer>(FImages.size()); }

    // A bitmap wider than Width gives one image per Width pixels.  Mask: white (non-zero) pixels
    // are transparent; without a mask nothing is.  Answers the index of the first image added.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    // The pixels of MaskColor are transparent.
    Integer AddMasked(TBitmap* Image, TColor MaskColor);
    void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor);
    void Delete(Integer Index);
    void Clear();
    // Draws image Index at (X, Y); nothing for an index outside the list.
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true) const;
    // The image's mask at (X, Y): black where the image has pixels, white where it is
    // transparent; nothing for an index outside the list.
    void DrawMask(TCanvas& Canvas, Integer X, Integer Y, Integer Index) const;
    // The image on a bitmap of the list's size, transparent pixels in the background colour.
    void GetBitmap(Integer Index, TBitmap& Image, TColor Background = clBtnFace) const;
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value) { FBkColor = value; }

    TNotifyEvent OnChange;

protected:
    virtual void Change();

private:
    struct TImage {
        std::vector<Cardinal> Pixels;   // $00RRGGBB
        std::vector<bool> Transparent;
    };
    TImage Cut(TBitmap* image, TBitmap* mask, Integer cell, bool useColor, TColor maskColor) const;
    Integer AddCells(TBitmap* image, TBitmap* mask, bool useColor, TColor maskColor);
    void CheckIndex(Integer index) const;
    Integer FWidth = 16, FHeight = 16;
    TColor FBkColor = clNone;
    std::vector<TImage> FImages;
    std::vector<TChangeLink*> FChangeLinks;
};

class TImageList : public TCustomImageList {
    DECLARE_CLASS(TImageList, TCustomImageList)
public:
    explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
};
