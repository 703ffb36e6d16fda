#pragma once
// TManyShape: a windowless control that paints one of thirteen figures with an optional drop
// shadow and one of six surfaces (pattern, opaque pattern, tiled bitmap, two-colour gradient,
// 50 % or 25 % see-through hatch).  The document window draws water, silt, ice and the
// foundation with it.
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"

enum TGPShapeType {
    gstRectangle, gstSquare, gstRoundRect, gstRoundSquare, gstEllipse, gstCircle, gstDiamond, gstStar, gstPolyGon,
    gstTriangleLeft, gstTriangleRight, gstTriangleUp, gstTriangleDown
};
enum TSurfaceType {
    stBrushTransparent, stBrushOpaque, stBrushImage, stGradientFill, stBrush50PercentOpaque, stBrush25PercentOpaque
};
enum TFillDirection { gdUp, gdDown, gdLeft, gdRight };
enum TShadowOrient { soNone, soLowerRight, soUpperRight, soUpperLeft, soLowerLeft };
enum TShadowFill { sfSolid, sf25Percent, sf50Percent };
const TEnumTypeInfo& TypeInfoOf(TGPShapeType);
const TEnumTypeInfo& TypeInfoOf(TSurfaceType);
const TEnumTypeInfo& TypeInfoOf(TFillDirection);
const TEnumTypeInfo& TypeInfoOf(TShadowOrient);
const TEnumTypeInfo& TypeInfoOf(TShadowFill);

class TManyShape : public TGraphicControl {
    DECLARE_CLASS(TManyShape, TGraphicControl)
public:
    explicit TManyShape(TComponent* AOwner);

    TColor BackColor() const { return FBackColor; }
    void SetBackColor(TColor value) { SetAndRepaint(FBackColor, value); }
    TFillDirection FillDirection() const { return FFillDirection; }
    void SetFillDirection(TFillDirection value) { SetAndRepaint(FFillDirection, value); }
    TColor ForeColor() const { return FForeColor; }
    void SetForeColor(TColor value) { SetAndRepaint(FForeColor, value); }
    TColor GradientToColor() const { return FGradientToColor; }
    void SetGradientToColor(TColor value) { SetAndRepaint(FGradientToColor, value); }
    TBitmap& Image() { return FImage; }
    // Null empties the tile; otherwise the tile copies the bitmap.
    void SetImage(const TBitmap* value);
    Integer InVectorPercent() const { return FInVectorPercent; }
    void SetInVectorPercent(Integer value);   // 0..100
    TColor OutlineColor() const { return FOutlineColor; }
    void SetOutlineColor(TColor value) { SetAndRepaint(FOutlineColor, value); }
    TPenStyle OutlineStyle() const { return FOutlineStyle; }
    void SetOutlineStyle(TPenStyle value) { SetAndRepaint(FOutlineStyle, value); }
    Integer OutlineWidth() const { return FOutlineWidth; }
    void SetOutlineWidth(Integer value) { SetAndRepaint(FOutlineWidth, value); }
    TBrushStyle Pattern() const { return FPattern; }
    void SetPattern(TBrushStyle value) { SetAndRepaint(FPattern, value); }
    Byte Reserved() const { return FReserved; }
    void SetReserved(Byte value) { FReserved = value; }
    Integer RoundPerc() const { return FRoundPerc; }
    void SetRoundPerc(Integer value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { SetAndRepaint(FShadowColor, value); }
    Integer ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(Integer value);   // at most half the width and half the height
    TShadowOrient ShadowOrient() const { return FShadowOrient; }
    void SetShadowOrient(TShadowOrient value);
    TGPShapeType Shape() const { return FShape; }
    void SetShape(TGPShapeType value);
    Integer StartingAngle() const { return FStartingAngle; }
    void SetStartingAngle(Integer value);   // 0..359
    TSurfaceType SurfaceType() const { return FSurfaceType; }
    void SetSurfaceType(TSurfaceType value) { SetAndRepaint(FSurfaceType, value); }
    Integer Vectors() const { return FVectors; }
    void SetVectors(Integer value);   // 3..100
    TShadowFill ShadowFill() const { return FShadowFill; }
    void SetShadowFill(TShadowFill value) { SetAndRepaint(FShadowFill, value); }

    // The vertices of a diamond, triangle, star or polygon in the box (Left, Top, W x H).
    std::vector<TPoint> FigurePoints(Integer L, Integer T, Integer W, Integer H) const;

protected:
    void Paint() override;

private:
    template <class T> void SetAndRepaint(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Repaint();
    }
    template <class T> void SetAndInvalidate(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Invalidate();
    }
    void PreparePaint();
    // The figure drawn, or its region (in the parent's device coordinates), at a box whose
    // corner is (L, T) and whose size is W x H.
    void DrawFigure(Integer L, Integer T, Integer W, Integer H);
    TRegion FigureRegion(Integer L, Integer T, Integer W, Integer H) const;
    void ClipToFigure(Integer L, Integer T, Integer W, Integer H);
    void Hatch(const TRect& box, TColor color, bool quarter);
    void PaintGradient();
    void TileImage();

    TColor FBackColor = clWhite;
    TFillDirection FFillDirection = gdUp;
    TColor FForeColor = clBlack;
    TColor FGradientToColor = clBlack;
    TBitmap FImage;
    Integer FInVectorPercent = 50;
    TColor FOutlineColor = clBlack;
    TPenStyle FOutlineStyle = TPenStyle::psSolid;
    Integer FOutlineWidth = 1;
    TBrushStyle FPattern = TBrushStyle::bsClear;
    Byte FReserved = 0;
    Integer FRoundPerc = 25;
    TColor FShadowColor = clBlack;
    Integer FShadowDepth = 5;
    TShadowOrient FShadowOrient = soNone;
    TGPShapeType FShape = gstRectangle;
    Integer FStartingAngle = 90;
    TSurfaceType FSurfaceType = stBrushOpaque;
    Integer FVectors = 10;
    TShadowFill FShadowFill = sfSolid;
};
