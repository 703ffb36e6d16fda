#include "editcontrols/Gpshape.h"

#include <cmath>
#include <numbers>

#include "platform/classes/TypInfo.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/RtlMath.h"

const TEnumTypeInfo& TypeInfoOf(TGPShapeType)
{
    static const TEnumTypeInfo info("TGPShapeType",
                                    {"gstRectangle", "gstSquare", "gstRoundRect", "gstRoundSquare", "gstEllipse",
                                     "gstCircle", "gstDiamond", "gstStar", "gstPolyGon", "gstTriangleLeft",
                                     "gstTriangleRight", "gstTriangleUp", "gstTriangleDown"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TSurfaceType)
{
    static const TEnumTypeInfo info("TSurfaceType", {"stBrushTransparent", "stBrushOpaque", "stBrushImage",
                                                     "stGradientFill", "stBrush50PercentOpaque",
                                                     "stBrush25PercentOpaque"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TFillDirection)
{
    static const TEnumTypeInfo info("TFillDirection", {"gdUp", "gdDown", "gdLeft", "gdRight"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TShadowOrient)
{
    static const TEnumTypeInfo info("TShadowOrient",
                                    {"soNone", "soLowerRight", "soUpperRight", "soUpperLeft", "soLowerLeft"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TShadowFill)
{
    static const TEnumTypeInfo info("TShadowFill", {"sfSolid", "sf25Percent", "sf50Percent"});
    return info;
}

TClass TManyShape::StaticClass()
{
    static const TMetaClass meta("TManyShape", TGraphicControl::StaticClass(), NewComponent<TManyShape>,
                                 [](TMetaClass& m) {
        using S = TManyShape;
        TPublished<S>(&m)
            .Property("BackColor", &S::BackColor, &S::SetBackColor).Type("TColor").Default(clWhite)
            .Property("FillDirection", &S::FillDirection, &S::SetFillDirection).Default(gdUp)
            .Property("ForeColor", &S::ForeColor, &S::SetForeColor).Type("TColor").Default(clBlack)
            .Property("GradientToColor", &S::GradientToColor, &S::SetGradientToColor).Type("TColor").Default(clBlack)
            .Property("Image", [](S* s) { return &s->Image(); }, [](S* s, TBitmap* v) { s->SetImage(v); })
            .Property("InVectorPercent", &S::InVectorPercent, &S::SetInVectorPercent).Default(50)
            .Property("OutlineColor", &S::OutlineColor, &S::SetOutlineColor).Type("TColor").Default(clBlack)
            .Property("OutlineStyle", &S::OutlineStyle, &S::SetOutlineStyle).Default(TPenStyle::psSolid)
            .Property("OutlineWidth", &S::OutlineWidth, &S::SetOutlineWidth).Default(1)
            .Property("Pattern", &S::Pattern, &S::SetPattern).Default(TBrushStyle::bsClear)
            .Property("Reserved", &S::Reserved, &S::SetReserved).Default(0)
            .Property("RoundPerc", &S::RoundPerc, &S::SetRoundPerc).Default(25)
            .Property("ShadowColor", &S::ShadowColor, &S::SetShadowColor).Type("TColor").Default(clBlack)
            .Property("ShadowDepth", &S::ShadowDepth, &S::SetShadowDepth).Default(5)
            .Property("ShadowOrient", &S::ShadowOrient, &S::SetShadowOrient).Default(soNone)
            .Property("Shape", &S::Shape, &S::SetShape).Default(gstRectangle)
            .Property("StartingAngle", &S::StartingAngle, &S::SetStartingAngle).Default(90)
            .Property("SurfaceType", &S::SurfaceType, &S::SetSurfaceType).Default(stBrushOpaque)
            .Property("Vectors", &S::Vectors, &S::SetVectors).Default(10)
            .Property("ShadowFill", &S::ShadowFill, &S::SetShadowFill).Default(sfSolid);
    });
    return &meta;
}

namespace {
bool IsSquareKind(TGPShapeType shape) { return shape == gstSquare || shape == gstRoundSquare || shape == gstCircle; }
bool IsEllipseKind(TGPShapeType shape) { return shape == gstEllipse || shape == gstCircle; }
bool IsRoundKind(TGPShapeType shape) { return shape == gstRoundRect || shape == gstRoundSquare; }
bool IsRectKind(TGPShapeType shape) { return shape == gstRectangle || shape == gstSquare; }
}  // namespace

TManyShape::TManyShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    FWidth = 25;
    FHeight = 25;
    FImage.OnChange = [this] { Repaint(); };
}

// ---------------------------------------------------------------- properties
void TManyShape::SetImage(const TBitmap* value)
{
    if (value) FImage.Assign(*value);
    else FImage.SetSize(0, 0);
}

void TManyShape::SetInVectorPercent(Integer value)
{
    if (value >= 0 && value <= 100) SetAndInvalidate(FInVectorPercent, value);
}

void TManyShape::SetRoundPerc(Integer value) { SetAndInvalidate(FRoundPerc, value); }

void TManyShape::SetShadowDepth(Integer value)
{
    if (value <= Width() / 2 && value <= Height() / 2) SetAndInvalidate(FShadowDepth, value);
}

void TManyShape::SetShadowOrient(TShadowOrient value)
{
    if (value >= soNone && value <= soLowerLeft) SetAndInvalidate(FShadowOrient, value);
}

void TManyShape::SetStartingAngle(Integer value)
{
    if (value >= 0 && value <= 359) SetAndInvalidate(FStartingAngle, value);
}

void TManyShape::SetVectors(Integer value)
{
    if (value >= 3 && value <= 100) SetAndInvalidate(FVectors, value);
}

void TManyShape::SetShape(TGPShapeType value)
{
    if (value == FShape) return;
    FShape = value;
    if (IsSquareKind(value) && Align() != alNone) SetAlign(alNone);
    if (value == gstStar) {
        if (FInVectorPercent == 0) FInVectorPercent = 50;
        if (FVectors < 10) FVectors = 10;
        FStartingAngle = 90;
    }
    Invalidate();
}

// ---------------------------------------------------------------- geometry
std::vector<TPoint> TManyShape::FigurePoints(Integer L, Integer T, Integer W, Integer H) const
{
    switch (FShape) {
    case gstDiamond: return {{L + W / 2, T}, {L + W - 1, T + H / 2}, {L + W / 2, T + H - 1}, {L, T + H / 2}};
    case gstTriangleLeft: return {{L + W - 1, T}, {L + W - 1, T + H - 1}, {L, T + H / 2}};
    case gstTriangleRight: return {{L, T}, {L + W - 1, T + H / 2}, {L, T + H - 1}};
    case gstTriangleUp: return {{L + W / 2, T}, {L, T + H - 1}, {L + W - 1, T + H - 1}};
    case gstTriangleDown: return {{L, T}, {L + W / 2, T + H - 1}, {L + W - 1, T}};
    case gstStar:
    case gstPolyGon: {
        // Vertex i at (360 / N x i - StartingAngle) degrees, y downwards: even vertices on the
        // radius r, odd ones on (100 - InVectorPercent) % of it.
        std::vector<TPoint> points;
        const double r = std::min(W / 2, H / 2) - 4;
        for (Integer i = 0; i < FVectors; ++i) {
            const double theta = (360.0 / FVectors * i - FStartingAngle) * std::numbers::pi / 180;
            const double d = i % 2 == 0 ? r : r * (100 - FInVectorPercent) / 100;
            points.push_back({L + W / 2 + static_cast<Integer>(Round(std::cos(theta) * d)),
                              T + H / 2 + static_cast<Integer>(Round(std::sin(theta) * d))});
        }
        return points;
    }
    default: return {};
    }
}

void TManyShape::DrawFigure(Integer L, Integer T, Integer W, Integer H)
{
    TCanvas& canvas = Canvas();
    if (IsRectKind(FShape)) {
        canvas.Rectangle(L, T, L + W, T + H);
    } else if (IsRoundKind(FShape)) {
        const Integer c = static_cast<Integer>(Trunc(FRoundPerc / 100.0 * std::max(Width(), Height())));
        canvas.RoundRect(L, T, L + W, T + H, c, c);
    } else if (IsEllipseKind(FShape)) {
        canvas.Ellipse(L, T, L + W, T + H);
    } else {
        canvas.Polygon(FigurePoints(L, T, W, H));
    }
}

// In the parent's device coordinates: the figure's plus the control's position.
TRegion TManyShape::FigureRegion(Integer L, Integer T, Integer W, Integer H) const
{
    const Integer x = L + Left(), y = T + Top();
    if (IsRectKind(FShape)) return TRegion(Rect(x, y, x + W, y + H));
    if (IsRoundKind(FShape)) {
        const Integer c = static_cast<Integer>(Trunc(FRoundPerc / 100.0 * std::max(Width(), Height())));
        return TRegion::RoundRect(Rect(x, y, x + W, y + H), c, c);
    }
    if (IsEllipseKind(FShape)) return TRegion::Ellipse(Rect(x, y, x + W, y + H));
    return TRegion::Polygon(FigurePoints(x, y, W, H), FShape == gstStar || FShape == gstPolyGon);
}

void TManyShape::ClipToFigure(Integer L, Integer T, Integer W, Integer H)
{
    TRegion region = FigureRegion(L, T, W, H);
    SelectClipRgn(Canvas().Handle(), &region);
}

// ---------------------------------------------------------------- surfaces
// The box darkened through an 8 x 8 one-bit pattern: rows 0xAA / 0x55 (50 %) or 0xAA / 0x00
// (25 %); pixels under 1 bits are ANDed with the colour, the others stay (0xA000C9: D AND P).
void TManyShape::Hatch(const TRect& box, TColor color, bool quarter)
{
    TCanvas& canvas = Canvas();
    TBitmap pattern(8, 8, TPixelFormat::pf1bit);
    for (Integer y = 0; y < 8; ++y) pattern.ScanLine(y)[0] = y % 2 == 0 ? 0xAA : quarter ? 0x00 : 0x55;
    const TBrush saved(canvas.Brush());
    HDC dc = canvas.Handle();
    const TColor oldText = SetTextColor(dc, clWhite);
    const TColor oldBack = SetBkColor(dc, color);
    canvas.Brush().SetBitmap(&pattern);
    PatBlt(canvas.Handle(), box.Left, box.Top, box.Width(), box.Height(), 0x00A000C9);
    SetTextColor(dc, oldText);
    SetBkColor(dc, oldBack);
    canvas.Brush().Assign(saved);
}

// 256 bands across the fill direction over the whole control, from the start colour to the end.
void TManyShape::PaintGradient()
{
    TCanvas& canvas = Canvas();
    const bool vertical = FFillDirection == gdUp || FFillDirection == gdDown;
    const bool backFirst = FFillDirection == gdUp || FFillDirection == gdLeft;
    const TColor start = ColorToRGB(backFirst ? FBackColor : FGradientToColor);
    const TColor end = ColorToRGB(backFirst ? FGradientToColor : FBackColor);
    const Integer size = vertical ? Height() : Width();
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    auto channel = [](TColor from, TColor to, int shift, Integer i) {
        const Integer a = (from >> shift) & 0xFF, b = (to >> shift) & 0xFF;
        return static_cast<TColor>(a + MulDiv(i, b - a, 255)) << shift;
    };
    for (Integer i = 0; i < 256; ++i) {
        const Integer a = MulDiv(i, size, 256), b = MulDiv(i + 1, size, 256);
        const TColor color = channel(start, end, 0, i) | channel(start, end, 8, i) | channel(start, end, 16, i);
        canvas.Pen().SetColor(color);
        canvas.Brush().SetColor(color);
        canvas.FillRect(vertical ? Rect(0, a, Width(), b) : Rect(a, 0, b, Height()));
    }
}

void TManyShape::TileImage()
{
    if (FImage.Empty()) return;
    TCanvas& canvas = Canvas();
    canvas.SetCopyMode(cmSrcCopy);
    for (Integer y = 0; y < Height(); y += FImage.Height())
        for (Integer x = 0; x < Width(); x += FImage.Width()) canvas.Draw(x, y, FImage);
}

// ---------------------------------------------------------------- painting
// An aligned control cannot keep a square figure, so it takes the free kind; a free square kind
// is narrowed to its height.
void TManyShape::PreparePaint()
{
    if (Align() != alNone) {
        if (FShape == gstSquare) FShape = gstRectangle;
        else if (FShape == gstRoundSquare) FShape = gstRoundRect;
        else if (FShape == gstCircle) FShape = gstEllipse;
    } else if (IsSquareKind(FShape) && Width() > Height()) {
        SetWidth(Height());
    }
}

void TManyShape::Paint()
{
    PreparePaint();
    TCanvas& canvas = Canvas();
    // The outline's pen reaches half its width outside the box.
    const Integer h0 = FOutlineWidth / 2, R = FOutlineWidth - 1, D = FShadowDepth;
    const Integer right = Width() - R, bottom = Height() - R;
    TRect S = Rect(h0, h0, right, bottom), shadow = S;
    if (FShape == gstDiamond) {   // the diamond's shadow only moves sideways
        if (FShadowOrient == soLowerRight || FShadowOrient == soUpperRight) {
            shadow = Rect(h0 + D, h0, right, bottom);
            S = Rect(h0, h0, right - D, bottom);
        } else if (FShadowOrient != soNone) {
            S = Rect(h0 + D, h0, right, bottom);
            shadow = Rect(h0, h0, right - D, bottom);
        }
    } else {
        switch (FShadowOrient) {
        case soNone: break;
        case soLowerRight:
            shadow = Rect(h0 + D, h0 + D, right, bottom);
            S = Rect(h0, h0, right - D, bottom - D);
            break;
        case soUpperRight:
            shadow = Rect(h0 + D, h0, right, bottom - D);
            S = Rect(h0, h0 + D, right - D, bottom);
            break;
        case soUpperLeft:
            shadow = Rect(h0, h0, right - D, bottom - D);
            S = Rect(h0 + D, h0 + D, right, bottom);
            break;
        case soLowerLeft:
            shadow = Rect(h0, h0 + D, right - D, bottom);
            S = Rect(h0 + D, h0, right, bottom - D);
            break;
        }
    }
    const Integer W = S.Width(), H = S.Height();
    auto outlinePen = [&] {
        canvas.Pen().SetColor(FOutlineColor);
        canvas.Pen().SetWidth(FOutlineWidth);
        canvas.Pen().SetStyle(FOutlineStyle);
        canvas.Pen().SetMode(TPenMode::pmCopy);
    };

    if (FShadowOrient != soNone) {
        canvas.Brush().SetColor(FShadowColor);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Pen().SetStyle(TPenStyle::psSolid);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(clBlack);
        if (FShadowFill == sfSolid) {
            DrawFigure(shadow.Left, shadow.Top, W, H);
        } else {
            ClipToFigure(shadow.Left, shadow.Top, W, H);
            Hatch(shadow, FShadowColor, FShadowFill == sf25Percent);
            SelectClipRgn(canvas.Handle(), nullptr);
        }
    }

    switch (FSurfaceType) {
    case stBrushTransparent:
        canvas.Brush().SetColor(FForeColor);
        canvas.Brush().SetStyle(FPattern);
        outlinePen();
        if (IsEllipseKind(FShape)) {
            ClipToFigure(S.Left, S.Top, W, H);
            canvas.FillRect(Rect(0, 0, Width(), Height()));
        } else {
            if (IsRoundKind(FShape)) SetBkMode(canvas.Handle(), TRANSPARENT);
            DrawFigure(S.Left, S.Top, W, H);
        }
        break;
    case stBrushOpaque:
        canvas.Brush().SetColor(FBackColor);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        outlinePen();
        DrawFigure(S.Left, S.Top, W, H);
        canvas.Brush().SetColor(FForeColor);
        canvas.Brush().SetStyle(FPattern);
        DrawFigure(S.Left, S.Top, W, H);
        break;
    case stBrushImage:
        ClipToFigure(S.Left, S.Top, W, H);
        TileImage();
        break;
    case stGradientFill:
        ClipToFigure(S.Left, S.Top, W, H);
        PaintGradient();
        break;
    case stBrush50PercentOpaque:
    case stBrush25PercentOpaque:
        ClipToFigure(S.Left, S.Top, W, H);
        Hatch(S, FBackColor, FSurfaceType == stBrush25PercentOpaque);
        break;
    }
    SelectClipRgn(canvas.Handle(), nullptr);

    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    outlinePen();
    DrawFigure(S.Left, S.Top, W, H);
}
