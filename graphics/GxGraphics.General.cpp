// The canvas back end: every coordinate rounded to the pixel (arcs take the floor), the drawing
// state kept in the canvas's pen, brush and font, outlines and fills drawn by the canvas's own
// pixel rules.
#include "graphics/GxGraphics.General.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/GdiApi.h"

namespace {
constexpr double Pi = 3.14159265358979323846;

Integer RoundF(double x)
{
    return static_cast<Integer>(std::nearbyint(x));
}

TRect RoundRect(const TRectF& r)
{
    return {RoundF(r.Left), RoundF(r.Top), RoundF(r.Right), RoundF(r.Bottom)};
}

std::vector<TPoint> RoundPoints(const TGxGraphicsPathPolygon& points)
{
    std::vector<TPoint> out;
    out.reserve(points.size());
    for (const TPointF& p : points) out.push_back({RoundF(p.X), RoundF(p.Y)});
    return out;
}

TPenStyle PenStyleOf(TGxGraphicsStrokeKind kind)
{
    switch (kind) {
    case gskNone: return TPenStyle::psClear;
    case gskDash: return TPenStyle::psDash;
    case gskDot: return TPenStyle::psDot;
    case gskDashDot: return TPenStyle::psDashDot;
    case gskDashDotDot: return TPenStyle::psDashDotDot;
    default: return TPenStyle::psSolid;
    }
}

// The brush (or pen) made clear for one call and put back after it.
class TClearBrush {
public:
    explicit TClearBrush(TCanvas& c) : FCanvas(c), FColor(c.Brush().Color()), FStyle(c.Brush().Style())
    {
        c.Brush().SetStyle(TBrushStyle::bsClear);
    }
    ~TClearBrush()
    {
        FCanvas.Brush().SetColor(FColor);
        FCanvas.Brush().SetStyle(FStyle);
    }

private:
    TCanvas& FCanvas;
    TColor FColor;
    TBrushStyle FStyle;
};
class TClearPen {
public:
    explicit TClearPen(TCanvas& c) : FCanvas(c), FStyle(c.Pen().Style()) { c.Pen().SetStyle(TPenStyle::psClear); }
    ~TClearPen() { FCanvas.Pen().SetStyle(FStyle); }

private:
    TCanvas& FCanvas;
    TPenStyle FStyle;
};
}  // namespace

TColor TGxGraphicsContextGeneral::GetFillColor()
{
    if (!Canvas()) return clNone;
    return Canvas()->Brush().Color();
}

void TGxGraphicsContextGeneral::SetFill(TGxGraphicsFill* AFill)
{
    if (!Canvas()) return;
    Canvas()->Brush().SetColor(AFill->Color());
    SetFillKind(AFill->Kind());
}

void TGxGraphicsContextGeneral::SetFillKind(TGxGraphicsFillKind AKind)
{
    if (!Canvas()) return;
    if (AKind == gfkNone) Canvas()->Brush().SetStyle(TBrushStyle::bsClear);
    else if (AKind != gfkTexture) Canvas()->Brush().SetStyle(TBrushStyle::bsSolid);
}

void TGxGraphicsContextGeneral::SetFillColor(TColor AColor)
{
    if (!Canvas()) return;
    Canvas()->Brush().SetColor(AColor);
}

void TGxGraphicsContextGeneral::SetStroke(TGxGraphicsStroke* AStroke)
{
    if (!Canvas()) return;
    Canvas()->Pen().SetColor(AStroke->Color());
    Canvas()->Pen().SetWidth(RoundF(AStroke->Width()));
    Canvas()->Pen().SetStyle(PenStyleOf(AStroke->Kind()));
}

void TGxGraphicsContextGeneral::SetStrokeKind(TGxGraphicsStrokeKind AKind)
{
    if (!Canvas()) return;
    Canvas()->Pen().SetStyle(PenStyleOf(AKind));
}

void TGxGraphicsContextGeneral::SetStrokeColor(TColor AColor)
{
    if (!Canvas()) return;
    Canvas()->Pen().SetColor(AColor);
}

void TGxGraphicsContextGeneral::SetStrokeWidth(float AWidth)
{
    if (!Canvas()) return;
    Canvas()->Pen().SetWidth(RoundF(AWidth));
}

void TGxGraphicsContextGeneral::SetFont(TGxGraphicsFont* AFont)
{
    if (!Canvas()) return;
    Canvas()->Font().Assign(AFont);
}
void TGxGraphicsContextGeneral::SetFontSize(Integer ASize)
{
    if (Canvas()) Canvas()->Font().SetSize(ASize);
}
void TGxGraphicsContextGeneral::SetFontColor(TColor AColor)
{
    if (Canvas()) Canvas()->Font().SetColor(AColor);
}
void TGxGraphicsContextGeneral::SetFontName(const String& AName)
{
    if (Canvas()) Canvas()->Font().SetName(AName);
}
void TGxGraphicsContextGeneral::SetFontStyles(TFontStyles AStyle)
{
    if (Canvas()) Canvas()->Font().SetStyle(AStyle);
}

void TGxGraphicsContextGeneral::PathMoveTo(void*, const TPointF& APoint)
{
    if (!Canvas()) return;
    Canvas()->MoveTo(RoundF(APoint.X), RoundF(APoint.Y));
}

void TGxGraphicsContextGeneral::PathLineTo(void*, const TPointF& APoint)
{
    if (!Canvas()) return;
    Canvas()->LineTo(RoundF(APoint.X), RoundF(APoint.Y));
}

void TGxGraphicsContextGeneral::PathClose(void*)
{
    if (!Canvas()) return;
    Canvas()->CloseFigure();
}

void TGxGraphicsContextGeneral::SaveState(TGxGraphicsSaveState* AState)
{
    if (!Canvas()) return;
    Canvas()->Refresh();
    AState->SaveDC = Canvas()->SaveDC();
}

void TGxGraphicsContextGeneral::RestoreState(TGxGraphicsSaveState* AState)
{
    if (!Canvas()) return;
    Canvas()->RestoreDC(AState->SaveDC);
    AState->SaveDC = 0;
    Canvas()->Refresh();
}

void TGxGraphicsContextGeneral::ClipRect(const TRectF& ARect)
{
    if (!Canvas()) return;
    TRect r = RoundRect(ARect);
    Canvas()->IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
}

void TGxGraphicsContextGeneral::ClipPath(TGxGraphicsPath* APath)
{
    if (APath) ClipRect(APath->GetBounds());
}

TRectF TGxGraphicsContextGeneral::CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping)
{
    if (!Canvas()) return {};
    TRect r = RoundRect(ARect);
    UINT flags = DT_CALCRECT | (AWordWrapping ? DT_WORDBREAK : DT_SINGLELINE);
    if (!FShowAcceleratorChar) flags |= DT_NOPREFIX;
    ::DrawText(Canvas()->Handle(), AText, -1, &r, flags);
    return {float(r.Left), float(r.Top), float(r.Right), float(r.Bottom)};
}

void TGxGraphicsContextGeneral::DrawText(const String& AText, const TRectF& ARect, bool AWordWrapping,
                                         TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                                         TGxGraphicsTextTrimming ATrimming, float AAngle)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    TRect r = RoundRect(ARect);
    UINT flags = AWordWrapping ? DT_WORDBREAK : DT_SINGLELINE;
    if (!FShowAcceleratorChar) flags |= DT_NOPREFIX;
    flags |= AHorizontalAlign == gtaCenter ? DT_CENTER : AHorizontalAlign == gtaTrailing ? DT_RIGHT : DT_LEFT;
    flags |= AVerticalAlign == gtaCenter ? DT_VCENTER : AVerticalAlign == gtaTrailing ? DT_BOTTOM : DT_TOP;
    if (ATrimming == gttCharacter) flags |= DT_END_ELLIPSIS;
    if (ATrimming == gttWord) flags |= DT_WORD_ELLIPSIS;
    // The platform centres and bottom-aligns single lines only: wrapped text is placed by hand.
    if (AWordWrapping && AVerticalAlign != gtaLeading) {
        TRectF measured = CalculateText(AText, ARect, true);
        Integer h = RoundF(measured.Bottom - measured.Top);
        if (AVerticalAlign == gtaCenter) {
            Integer offset = std::max<Integer>(((r.Bottom - r.Top) - h) / 2, 0);
            r.Top += offset;
            r.Bottom = std::max<Integer>(std::min<Integer>(RoundF(ARect.Bottom), r.Top + h), 0);
        } else {
            r.Top = r.Bottom - h;
        }
    }
    if (AAngle != 0) DrawRotatedText(r, AHorizontalAlign, AVerticalAlign, AAngle, AText);
    else ::DrawText(Canvas()->Handle(), AText, -1, &r, flags);
}

// Text turned a quarter, laid along the rectangle's vertical axis.
void TGxGraphicsContextGeneral::DrawRotatedText(const TRect& R, TGxGraphicsTextAlign AHorizontalAlign,
                                                TGxGraphicsTextAlign AVerticalAlign, float AAngle, const String& AText)
{
    if (!Canvas()) return;
    TFont& font = Canvas()->Font();
    Integer orientation = font.Orientation();
    font.SetOrientation(RoundF(AAngle * -10.0));
    TSize extent = Canvas()->TextExtent(AText);
    double w = extent.cx, h = extent.cy;
    double x = R.Left, y = R.Top, W = R.Right - R.Left, Hr = R.Bottom - R.Top;
    if (AAngle > 0) {
        if (AHorizontalAlign == gtaCenter) y += (Hr - w) / 2;
        else if (AHorizontalAlign == gtaTrailing) y += Hr - w;
        if (AVerticalAlign == gtaCenter) x += W / 2 + h / 2;
        else if (AVerticalAlign == gtaLeading) x += W;
        else x += h;
    } else {
        if (AHorizontalAlign == gtaCenter) y += (Hr - w) / 2 + w;
        else if (AHorizontalAlign == gtaLeading) y += Hr;
        else y += w;
        if (AVerticalAlign == gtaCenter) x += W / 2 - h / 2;
        else if (AVerticalAlign == gtaTrailing) x += W - h;
    }
    Canvas()->TextOut(RoundF(x), RoundF(y), AText);
    font.SetOrientation(orientation);
}

void TGxGraphicsContextGeneral::DrawLine(TGxGraphicsStroke*, const TPointF& AFromPoint, const TPointF& AToPoint,
                                         TGxGraphicsModifyPointMode, TGxGraphicsModifyPointMode)
{
    if (!Canvas()) return;
    Canvas()->MoveTo(RoundF(AFromPoint.X), RoundF(AFromPoint.Y));
    Canvas()->LineTo(RoundF(AToPoint.X), RoundF(AToPoint.Y));
}

void TGxGraphicsContextGeneral::DrawPolygon(TGxGraphicsStroke*, const TGxGraphicsPathPolygon& APolygon)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    Canvas()->Polygon(RoundPoints(APolygon));
}

void TGxGraphicsContextGeneral::DrawPolyline(TGxGraphicsStroke*, const TGxGraphicsPathPolygon& APolyline)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    Canvas()->Polyline(RoundPoints(APolyline));
}

void TGxGraphicsContextGeneral::FillPolygon(TGxGraphicsFill*, const TGxGraphicsPathPolygon& APolygon)
{
    if (!Canvas()) return;
    TClearPen clear(*Canvas());
    Canvas()->Polygon(RoundPoints(APolygon));
}

// The polygon of the polyline's points is filled, as the GDI+ back end fills it.
void TGxGraphicsContextGeneral::FillPolyline(TGxGraphicsFill* AFill, const TGxGraphicsPathPolygon& APolyline)
{
    FillPolygon(AFill, APolyline);
}

// An arc of the ellipse box taken to whole pixels by the floor, drawn counter-clockwise from the
// end angle to the start angle: the clockwise sweep on screen.
void TGxGraphicsContextGeneral::CanvasArc(const TPointF& c, const TPointF& r, float AStartAngle, float ASweepAngle)
{
    if (!Canvas()) return;
    auto at = [&](double degrees) {
        double a = degrees * Pi / 180.0;
        return TPoint{static_cast<Integer>(std::floor(c.X + r.X * std::cos(a))),
                      static_cast<Integer>(std::floor(c.Y - r.Y * std::sin(a)))};
    };
    TPoint from = at(-(double(AStartAngle) + ASweepAngle)), to = at(-double(AStartAngle));
    Canvas()->Arc(static_cast<Integer>(std::floor(c.X - r.X)), static_cast<Integer>(std::floor(c.Y - r.Y)),
                  static_cast<Integer>(std::floor(c.X + r.X)), static_cast<Integer>(std::floor(c.Y + r.Y)), from.X,
                  from.Y, to.X, to.Y);
}

void TGxGraphicsContextGeneral::DrawArc(TGxGraphicsStroke*, const TPointF& ACenter, const TPointF& ARadius,
                                        float AStartAngle, float ASweepAngle)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    CanvasArc(ACenter, ARadius, AStartAngle, ASweepAngle);
}

// The figure closed by the arc's chord is filled, as the GDI+ back end fills it.
void TGxGraphicsContextGeneral::FillArc(TGxGraphicsFill*, const TPointF& c, const TPointF& r, float AStartAngle,
                                        float ASweepAngle)
{
    if (!Canvas()) return;
    TClearPen clear(*Canvas());
    auto at = [&](double degrees) {
        double a = degrees * Pi / 180.0;
        return TPoint{static_cast<Integer>(std::floor(c.X + r.X * std::cos(a))),
                      static_cast<Integer>(std::floor(c.Y - r.Y * std::sin(a)))};
    };
    TPoint from = at(-(double(AStartAngle) + ASweepAngle)), to = at(-double(AStartAngle));
    Canvas()->Chord(static_cast<Integer>(std::floor(c.X - r.X)), static_cast<Integer>(std::floor(c.Y - r.Y)),
                    static_cast<Integer>(std::floor(c.X + r.X)), static_cast<Integer>(std::floor(c.Y + r.Y)), from.X,
                    from.Y, to.X, to.Y);
}

void TGxGraphicsContextGeneral::FillRect(TGxGraphicsFill* AFill, const TRectF& ARect, TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TRect r = RoundRect(ARect);
    TClearPen clearPen(*Canvas());
    TGxGraphicsFill* fill = AFill;
    if (fill->Kind() == gfkSolid && fill->Color() != -1) {
        Canvas()->Rectangle(r);
        return;
    }
    if (fill->Kind() != gfkGradient || fill->Color() == -1 || fill->ColorTo() == -1) return;
    TClearBrush clearBrush(*Canvas());
    bool mirrored = fill->ColorMirror() != -1 && fill->ColorMirrorTo() != -1;
    TGxGraphicsFillOrientation orientation = fill->GradientOrientation();
    if (!mirrored) {
        DrawCanvasGradient(*Canvas(), fill->Color(), fill->ColorTo(), r, 0, {}, orientation == gfoHorizontal);
    } else if (orientation == gfoHorizontal) {
        Integer half = (r.Right - r.Left) / 2;
        DrawCanvasGradient(*Canvas(), fill->Color(), fill->ColorTo(), {r.Left, r.Top, r.Left + half, r.Bottom}, 0, {},
                           true);
        DrawCanvasGradient(*Canvas(), fill->ColorMirror(), fill->ColorMirrorTo(),
                           {r.Left + half, r.Top, r.Right, r.Bottom}, 0, {}, true);
    } else if (orientation == gfoVertical) {
        Integer half = (r.Bottom - r.Top) / 2;
        DrawCanvasGradient(*Canvas(), fill->Color(), fill->ColorTo(), {r.Left, r.Top, r.Right, r.Top + half}, 0, {},
                           false);
        DrawCanvasGradient(*Canvas(), fill->ColorMirror(), fill->ColorMirrorTo(),
                           {r.Left, r.Top + half, r.Right, r.Bottom}, 0, {}, false);
    }
}

// Each chosen side on the last pixel row or column inside the rectangle.
void TGxGraphicsContextGeneral::DrawRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, TGxGraphicsSides ASides,
                                         TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TRect r = RoundRect(ARect);
    auto line = [&](Integer x1, Integer y1, Integer x2, Integer y2) {
        DrawLine(AStroke, {float(x1), float(y1)}, {float(x2), float(y2)}, gcpmNone, gcpmNone);
    };
    if (ASides.Contains(gsTop)) line(r.Left, r.Top, r.Right - 1, r.Top);
    if (ASides.Contains(gsLeft)) line(r.Left, r.Top, r.Left, r.Bottom - 1);
    if (ASides.Contains(gsBottom)) line(r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
    if (ASides.Contains(gsRight)) line(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
}

void TGxGraphicsContextGeneral::DrawRoundRect(TGxGraphicsStroke*, const TRectF& ARect, float ARounding,
                                              TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TRect r = RoundRect(ARect);
    Integer f = RoundF(ARounding);
    TClearBrush clear(*Canvas());
    TGxGraphicsCorners all{gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight};
    if (ACorners == all) {
        Canvas()->RoundRect(r.Left, r.Top, r.Right, r.Bottom, 2 * f, 2 * f);
        return;
    }
    if (ACorners.IsEmpty()) {
        Canvas()->Rectangle(r);
        return;
    }
    Integer L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    f -= 1;
    TCanvas& c = *Canvas();
    auto arc = [&](Integer cx, Integer cy, float start) {
        CanvasArc({float(cx), float(cy)}, {float(f), float(f)}, start, 90);
    };
    if (ACorners.Contains(gcBottomLeft)) {
        c.MoveTo(L + f, B);
        arc(L + f, B - f, -270);
        c.MoveTo(L, B - f);
    } else {
        c.MoveTo(L, B);
    }
    if (ACorners.Contains(gcTopLeft)) {
        c.LineTo(L, T + f - 2);
        arc(L + f, T + f, -180);
        c.MoveTo(L + f, T);
    } else {
        c.LineTo(L, T);
    }
    if (ACorners.Contains(gcTopRight)) {
        c.LineTo(R - f, T);
        arc(R - f, T + f, -90);
        c.MoveTo(R, T + f);
    } else {
        c.LineTo(R, T);
    }
    if (ACorners.Contains(gcBottomRight)) {
        c.LineTo(R, B - f + 1);
        arc(R - f, B - f + 1, 0);
        c.MoveTo(R - f, B);
    } else {
        c.LineTo(R, B);
    }
    c.LineTo(ACorners.Contains(gcBottomLeft) ? L + f - 2 : L, B);
}

void TGxGraphicsContextGeneral::FillRoundRect(TGxGraphicsFill* AFill, const TRectF& ARect, float ARounding,
                                              TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TRect r = RoundRect(ARect);
    TRect inner{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
    TGxGraphicsFill* fill = AFill;
    TCanvas& c = *Canvas();
    if (fill->Kind() == gfkSolid && fill->Color() != -1) {
        DrawCanvasGradient(c, fill->Color(), fill->Color(), r, ARounding, ACorners, true);
        return;
    }
    if (fill->Kind() != gfkGradient || fill->Color() == -1 || fill->ColorTo() == -1) return;
    bool mirrored = fill->ColorMirror() != -1 && fill->ColorMirrorTo() != -1;
    TGxGraphicsFillOrientation orientation = fill->GradientOrientation();
    if (!mirrored) {
        DrawCanvasGradient(c, fill->Color(), fill->ColorTo(), inner, ARounding, ACorners, orientation == gfoHorizontal);
    } else if (orientation == gfoHorizontal) {
        Integer half = (inner.Right - inner.Left) / 2;
        DrawCanvasGradient(c, fill->Color(), fill->ColorTo(), {inner.Left, inner.Top, inner.Left + half, inner.Bottom},
                           ARounding, ACorners * TGxGraphicsCorners{gcTopLeft, gcBottomLeft}, true);
        DrawCanvasGradient(c, fill->ColorMirror(), fill->ColorMirrorTo(),
                           {inner.Left + half, inner.Top, inner.Right, inner.Bottom}, ARounding,
                           ACorners * TGxGraphicsCorners{gcTopRight, gcBottomRight}, true);
    } else if (orientation == gfoVertical) {
        Integer half = (inner.Bottom - inner.Top) / 2;
        DrawCanvasGradient(c, fill->Color(), fill->ColorTo(), {inner.Left, inner.Top, inner.Right, inner.Top + half},
                           ARounding, ACorners * TGxGraphicsCorners{gcTopLeft, gcTopRight}, false);
        DrawCanvasGradient(c, fill->ColorMirror(), fill->ColorMirrorTo(),
                           {inner.Left, inner.Top + half, inner.Right, inner.Bottom}, ARounding,
                           ACorners * TGxGraphicsCorners{gcBottomLeft, gcBottomRight}, false);
    }
}

void TGxGraphicsContextGeneral::DrawEllipse(TGxGraphicsStroke*, const TRectF& ARect, TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    Canvas()->Ellipse(RoundRect(ARect));
}

void TGxGraphicsContextGeneral::FillEllipse(TGxGraphicsFill*, const TRectF& ARect, TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TClearPen clear(*Canvas());
    Canvas()->Ellipse(RoundRect(ARect));
}

void TGxGraphicsContextGeneral::DrawBitmap(TGraphic* ABitmap, const TRectF&, const TRectF& ADstRect, float)
{
    if (!Canvas()) return;
    if (!ABitmap) return;
    Integer left = RoundF(ADstRect.Left), top = RoundF(ADstRect.Top);
    Canvas()->StretchDraw(Bounds(left, top, RoundF(ADstRect.Width()), RoundF(ADstRect.Height())), *ABitmap);
}

// The focus pen: dotted on a printer, every other pixel on the screen.
void TGxGraphicsContextGeneral::StartSpecialPen()
{
    if (!Canvas()) return;
    FOldPenStyle = Canvas()->Pen().Style();
    FOldPenWidth = Canvas()->Pen().Width();
    Canvas()->Pen().SetStyle(FPrinting ? TPenStyle::psDot : TPenStyle::psAlternate);
    Canvas()->Pen().SetWidth(1);
}

void TGxGraphicsContextGeneral::StopSpecialPen()
{
    if (!Canvas()) return;
    Canvas()->Pen().SetStyle(FOldPenStyle);
    Canvas()->Pen().SetWidth(FOldPenWidth);
}

void TGxGraphicsContextGeneral::DrawFocusPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath, TColor AColor)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    Canvas()->Pen().SetColor(AColor);
    StartSpecialPen();
    DrawPath(AStroke, APath, pdmPolygon);
    StopSpecialPen();
}

void TGxGraphicsContextGeneral::DrawFocusRectangle(TGxGraphicsStroke*, const TRectF& ARect, TColor AColor,
                                                   TGxGraphicsModifyRectMode)
{
    if (!Canvas()) return;
    TClearBrush clear(*Canvas());
    Canvas()->Pen().SetColor(AColor);
    StartSpecialPen();
    Canvas()->Rectangle(RoundRect(ARect));
    StopSpecialPen();
}

void TGxGraphicsContextGeneral::DrawPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath,
                                         TGxGraphicsPathDrawMode APathMode)
{
    if (!Canvas()) return;
    if (!APath) return;
    if (APathMode == pdmPath) {
        Canvas()->BeginPath();
        ConvertToPath(APath, 0.25f);
        Canvas()->EndPath();
        Canvas()->StrokePath();
        Canvas()->AbortPath();
        return;
    }
    TGxGraphicsPathPolygon polygon;
    APath->FlattenToPolygon(polygon, 0.25f);
    if (APathMode == pdmPolygon) DrawPolygon(AStroke, polygon);
    else DrawPolyline(AStroke, polygon);
}

void TGxGraphicsContextGeneral::FillPath(TGxGraphicsFill* AFill, TGxGraphicsPath* APath,
                                         TGxGraphicsPathDrawMode APathMode)
{
    if (!Canvas()) return;
    if (!APath) return;
    if (APathMode == pdmPath) {
        Canvas()->BeginPath();
        ConvertToPath(APath, 0.25f);
        Canvas()->EndPath();
        Canvas()->FillPath();
        Canvas()->AbortPath();
        return;
    }
    TGxGraphicsPathPolygon polygon;
    APath->FlattenToPolygon(polygon, 0.25f);
    if (APathMode == pdmPolygon) FillPolygon(AFill, polygon);
    else FillPolyline(AFill, polygon);
}
