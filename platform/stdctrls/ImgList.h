#pragma once
// Image lists: equal-sized images, each with a mask of its transparent pixels, drawn in one of
// the drawing styles or in the classic disabled look (embossed in the shadow and highlight
// colours).  A descendant may keep its pictures its own way: it answers the count, the size and
// the drawing of its images.
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/graphics/Bitmaps.h"

class TCustomImageList;

// How images are drawn: over the background colour (transparent without one), straight over what
// is beneath, or as normal and then dithered with the blend colour, every other pixel (selected)
// or three pixels in four (focused).
enum TDrawingStyle : Byte { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TColorDepth : Byte { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };

// The dither of the focused and selected styles over Rect, its pattern counted from Rect's corner:
// selected sets the pixels whose column and row differ in parity, focused those in an even column
// or an even row.
void DitherImage(TCanvas& Canvas, const TRect& Rect, TColor Color, TDrawingStyle Style);

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

// How images are drawn: over the background colour (transparent without one), straight over what
// is beneath, or as normal and then dithered with the blend colour, every other pixel (selected)
// or three pixels in four (focused).
enum TDrawingStyle : Byte { dsFocus, dsSelected, dsNormal, dsTransparent };
enum TColorDepth : Byte { cdDeviceDependent, cd4Bit, cd8Bit, cd16Bit, cd24Bit, cd32Bit };

// The dither of the focused and selected styles over Rect, its pattern counted from Rect's corner:
// selected sets the pixels whose column and row differ in parity, focused those in an even column
// or an even row.
void DitherImage(TCanvas& Canvas, const TRect& Rect, TColor Color, TDrawingStyle Style);
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
    virtual Integer Width() const { return FWidth; }
    void SetWidth(Integer value);    // clears the list
    virtual Integer Height() const { return FHeight; }
    void SetHeight(Integer value);   // clears the list
    Integer Count() const { return GetCount(); }

    // A bitmap wider than Width gives one image per Width pixels.  Mask: white (non-zero) pixels
    // are transparent; without a mask nothing is.  Answers the index of the first image added.
    Integer Add(TBitmap* Image, TBitmap* Mask);
    // The pixels of MaskColor are transparent.
    Integer AddMasked(TBitmap* Image, TColor MaskColor);
    void Replace(Integer Index, TBitmap* Image, TBitmap* Mask);
    void ReplaceMasked(Integer Index, TBitmap* NewImage, TColor MaskColor);
    void Delete(Integer Index);
    void Clear();
    // Draws image Index at (X, Y) in the drawing style; nothing for an index outside the list.
    void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer Index, bool Enabled = true) const;
    // The image's mask at (X, Y): black where the image has pixels, white where it is
    // transparent; nothing for an index outside the list.
    void DrawMask(TCanvas& Canvas, Integer X, Integer Y, Integer Index) const;
    // The image on a bitmap of the list's size, transparent pixels in the background colour.
    void GetBitmap(Integer Index, TBitmap& Image, TColor Background = clBtnFace) const;
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor value) { FBkColor = value; }
    TColor BlendColor() const { return FBlendColor; }
    void SetBlendColor(TColor value) { FBlendColor = value; }
    TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
    void SetDrawingStyle(TDrawingStyle value) { FDrawingStyle = value; }
    TColorDepth ColorDepth() const { return FColorDepth; }
    void SetColorDepth(TColorDepth value) { FColorDepth = value; }

    TNotifyEvent OnChange;

protected:
    virtual void Change();
    virtual Integer GetCount() const { return static_cast<Integer>(FImages.size()); }
    // Draws an image known to exist.
    virtual void DoDraw(Integer Index, TCanvas& Canvas, Integer X, Integer Y, bool Enabled) const;

private:
    struct TImage {
        std::vector<Cardinal> Pixels;   // $00RRGGBB
        std::vector<bool> Transparent;
    };
    TImage Cut(TBitmap* image, TBitmap* mask, Integer cell, bool useColor, TColor maskColor) const;
    Integer AddCells(TBitmap* image, TBitmap* mask, bool useColor, TColor maskColor);
    void CheckIndex(Integer index) const;
    Integer FWidth = 16, FHeight = 16;
    TColor FBkColor = clNone, FBlendColor = clNone;
    TDrawingStyle FDrawingStyle = dsNormal;
    TColorDepth FColorDepth = cdDeviceDependent;
    std::vector<TImage> FImages;
    std::vector<TChangeLink*> FChangeLinks;
};

class TImageList : public TCustomImageList {
    DECLARE_CLASS(TImageList, TCustomImageList)
public:
    explicit TImageList(TComponent* AOwner) : TCustomImageList(AOwner) {}
};
