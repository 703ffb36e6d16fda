#pragma once
// A fill that paints itself: the shape fill with the brush, the placement of an untiled bitmap,
// options and an opacity.
#include "styledcontrols/StyShapeFill.h"

enum TStyFillOption : Byte { foFillInner, foQuickDraw, foGrUseBitmap };
using TStyFillOptions = Set<TStyFillOption>;
const TEnumTypeInfo& TypeInfoOf(TStyFillOption);

class TStyFillObject : public TStyShapeFill {
    DECLARE_CLASS(TStyFillObject, TStyShapeFill)
public:
    explicit TStyFillObject(TPersistent* AOwner = nullptr);
    ~TStyFillObject() override;
    void Assign(TPersistent* Source) override;

    // Fills aRect; orgC is the colour of the area behind the fill.  True when a fill was painted.
    bool FillCanvas(TCanvas& aCanvas, const TRect& aRect, TColor orgC);
    // FillCanvas clipped to aRect moved by pos (low word x, high word y, both unsigned); a
    // gradient drawn through a bitmap is not clipped.
    bool ClipFill(TCanvas& aCanvas, const TRect& aRect, TColor orgC, Integer pos);

    TStyAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TStyAlignment Value);
    Integer OffsetX() const { return FOffsetX; }
    Integer OffsetY() const { return FOffsetY; }
    // Index 0 the horizontal, 1 the vertical offset.
    void SetOffset(Integer Index, Integer Value);
    void SetOffsetX(Integer Value) { SetOffset(0, Value); }
    void SetOffsetY(Integer Value) { SetOffset(1, Value); }
    TBrush* Brush() { return &FBrush; }
    void SetBrush(TBrush* Value) { FBrush.Assign(Value); }
    TStyFillOptions Options() const { return FOptions; }
    void SetOptions(TStyFillOptions Value);
    Byte AlphaLevel() const { return FAlphaLevel; }
    void SetAlphaLevel(Byte Value);
    // Whether what lies behind shows through the fill.
    bool Transparent() const;

private:
    // Alignment and offsets show only for an untiled bitmap.
    bool PlacementShows() const { return (FFillStyle == sfBitmap || FFillStyle == sfBitmapList) && FTileMode == tmNone; }
    bool PaintFill(TCanvas& canvas, const TRect& W, TColor orgC);
    void PaintBitmap(TCanvas& canvas, const TRect& W, TBitmap& picture, TColor orgC);
    void FillInner(TCanvas& canvas, const TRect& W, TColor orgC);

    TStyAlignment FAlignment = agTopLeft;
    Integer FOffsetX = 0;
    Integer FOffsetY = 0;
    TBrush FBrush;
    TStyFillOptions FOptions{foFillInner, foGrUseBitmap};
    Byte FAlphaLevel = 255;
};
