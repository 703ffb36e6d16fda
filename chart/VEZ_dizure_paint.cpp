// Painting of the chart: frame, caption and axes, the data-area background, the grid,
// the rendering of the display lists, text labels, crosshairs and the mouse trace.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "chart/VEZ_dizure.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr TColor BlkWhiteFill = 12632256;

std::vector<String> SplitLines(const String& text)
{
    std::vector<String> lines(1);
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] == u'\n') lines.emplace_back();
        else lines.back() += text[i];
    }
    return lines;
}

// Pixel sums of far world points are formed wide, then kept within the drawable range.
TPoint Clamped(Int64 x, Int64 y)
{
    auto narrow = [](Int64 v) { return static_cast<Integer>(std::clamp<Int64>(v, INT32_MIN, INT32_MAX)); };
    Integer cx = narrow(x), cy = narrow(y);
    ClampCoord(cx, cy);
    return {cx, cy};
}

}  // namespace

// ---------------------------------------------------------------- item renderer

// One rendering pass of the display lists onto a canvas whose data-area origin is at
// (offX, offY); keeps the pen and brush last set and the pending polyline.
class TItemRenderer {
public:
    TItemRenderer(TCustomDIzure& chart, TCanvas& cv, Integer offX, Integer offY, bool blkWhite)
        : C(chart), Cv(cv), OffX(offX), OffY(offY), BlkWhite(blkWhite)
    {
        LineWidth = C.RcLineWid;
        Cv.Pen().SetWidth(LineWidth);
        Cv.MoveTo(offX, offY);
        LastMoveTo = {offX, offY};
        PenColor = BrushColor = C.FChartColor;
        Cv.Pen().SetColor(PenColor);
        Cv.Brush().SetColor(BrushColor);
        Cv.Font().SetColor(C.FChartColor);
        PenStyle = TPenStyle::psSolid;
        Cv.Pen().SetStyle(PenStyle);
        Cv.SetTextAlign(TA_LEFT | TA_TOP);
        if (C.FAvoidDupMarks) {
            const Integer d = C.FMinDupMarkDist;
            MapW = C.FWidth + 2 * d;
            MapH = C.FHeight + 2 * d;
            DupMap.assign(static_cast<size_t>(MapW) * MapH, -1);
        }
    }

    void Render(const TRcItemContainer& list, Integer count, bool annotation, int textFilter)
    {
        const std::array<bool, 256>& classVisib = annotation ? C.FAnnoClassVisib : C.FItClassVisib;
        for (Integer i = 0; i < count; ++i) {
            const TrcChartItem& stored = list[i];
            const bool text = stored.ItemKind == tkText || stored.ItemKind == tkTextOfs;
            if ((textFilter == 1 && text) || (textFilter == 2 && !text)) continue;
            if (!classVisib[stored.ItemClass]) continue;
            if (stored.Layer < 1 || stored.Layer > 16 || !C.FLayerVisib[stored.Layer]) continue;
            TrcChartItem item = stored;
            C.OnBeforeRendedIzureItem(&C, item, i, annotation);
            RenderItem(item, i, annotation);
        }
        Flush();
    }

    void Flush()
    {
        if (Batch.size() >= 2) {
            Cv.Polyline(Batch);
            Cv.MoveTo(Batch.back().X, Batch.back().Y);
            LastMoveTo = Batch.back();
        }
        Batch.clear();
    }

private:
    // ---- coordinates
    TPoint World(const TrcChartItem& it, double x, double y) const
    {
        Integer px, py;
        C.R2M(it.Layer, x, y, px, py);
        return Clamped(Int64{px} + OffX - C.RcLRim, Int64{py} + OffY - C.RcTRim);
    }
    Integer WorldX(const TrcChartItem& it, double x) const { return World(it, x, 0).X; }
    Integer WorldY(const TrcChartItem& it, double y) const
    {
        Integer px, py;
        C.R2M(it.Layer, 0, y, px, py);
        return Clamped(0, Int64{py} + OffY - C.RcTRim).Y;
    }
    TPoint Screen(double x, double y) const
    {
        return Clamped(static_cast<Integer>(Round(x)) + OffX, static_cast<Integer>(Round(y)) + OffY);
    }
    TPoint Point(const TrcChartItem& it, bool second) const
    {
        const double x = second ? it.x2 : it.x, y = second ? it.y2 : it.y;
        switch (it.CoordMode) {
            case cmAllScreen: return Screen(x, y);
            case cmWorldMainScreenSec: return second ? Screen(x, y) : World(it, x, y);
            case cmScreenMainWorldSec: return second ? World(it, x, y) : Screen(x, y);
            case cmXScreenYWorld: return Clamped(Screen(x, 0).X, WorldY(it, y));
            case cmXWorldYScreen: return Clamped(WorldX(it, x), Screen(0, y).Y);
            default: return World(it, x, y);
        }
    }

    // ---- device state
    TColor ItemPen(const TrcChartItem& it) const { return BlkWhite ? clBlack : it.Color; }
    TColor ItemFill(const TrcChartItem& it) const { return BlkWhite ? BlkWhiteFill : it.FillColor; }

    void SetPen(TColor color, TPenStyle style)
    {
        if (color != PenColor) Cv.Pen().SetColor(PenColor = color);
        if (style != PenStyle) Cv.Pen().SetStyle(PenStyle = style);
    }
    void SetBrush(TColor color, bool clear)
    {
        if (color != BrushColor) Cv.Brush().SetColor(BrushColor = color);
        Cv.Brush().SetStyle(clear ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
    }
    void PenFromItem(const TrcChartItem& it) { SetPen(ItemPen(it), static_cast<TPenStyle>(it.PenStyle)); }

    void Pixel(TPoint p, TColor color) { Cv.SetPixel(p.X, p.Y, color); }
    void LineOrPixel(TPoint a, TPoint b, const TrcChartItem& it)
    {
        if (a == b) {
            Pixel(a, ItemPen(it));
            return;
        }
        Cv.MoveTo(a.X, a.Y);
        Cv.LineTo(b.X, b.Y);
    }
    // Rectangle between two corners, the larger x and y extended by one pixel.
    void Box(TPoint a, TPoint b, const TrcChartItem& it)
    {
        if (a == b) {
            Pixel(a, ItemPen(it));
            return;
        }
        Cv.Rectangle(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X) + 1, std::max(a.Y, b.Y) + 1);
    }

    void AddLinePoint(TPoint p, const TrcChartItem& it)
    {
        const TColor pen = ItemPen(it), fill = ItemFill(it);
        const auto style = static_cast<TPenStyle>(it.PenStyle);
        if (pen != PenColor || style != PenStyle || fill != BrushColor) {
            Flush();
            SetPen(pen, style);
            Cv.Brush().SetColor(BrushColor = fill);
        }
        if (Batch.empty()) Batch.push_back(LastMoveTo);
        Batch.push_back(p);
        if (Batch.size() >= 200) {
            const TPoint last = Batch.back();
            Flush();
            LastMoveTo = last;
        }
    }

    bool InsideRanges(const TrcChartItem& it, double xlo, double xhi, double ylo, double yhi) const
    {
        const TScaleProps& px = *C.FScalePropsX[std::clamp(it.Layer, 1, 16)];
        const TScaleProps& py = *C.FScalePropsY[std::clamp(it.Layer, 1, 16)];
        const double x0 = std::min(px.RangeLow(), px.RangeHigh()), x1 = std::max(px.RangeLow(), px.RangeHigh());
        const double y0 = std::min(py.RangeLow(), py.RangeHigh()), y1 = std::max(py.RangeLow(), py.RangeHigh());
        return xhi >= x0 && xlo <= x1 && yhi >= y0 && ylo <= y1;
    }

    void Mark(const TrcChartItem& it, TPoint p)
    {
        if (!DupMap.empty()) {
            const Integer d = C.FMinDupMarkDist;
            auto at = [&](Integer x, Integer y) -> int* {
                if (x < 0 || y < 0 || x >= MapW || y >= MapH) return nullptr;
                return &DupMap[static_cast<size_t>(y) * MapW + x];
            };
            if (int* e = at(p.X + d, p.Y + d); e && *e == it.Param3) return;
            for (Integer y = p.Y; y <= p.Y + 2 * d; ++y)
                for (Integer x = p.X; x <= p.X + 2 * d; ++x)
                    if (int* e = at(x, y)) *e = it.Param3;
        }
        Cv.Brush().SetStyle(TBrushStyle::bsSolid);
        // On paper a character mark has the item's size, or a new font's when it gives none.
        if (it.Param3 > 51 && IsPrinterCanvas(Cv)) SetCanvasFontSize(Cv, it.Param1 > 0 ? it.Param1 : TFont().Size());
        DrawMark(Cv, static_cast<Byte>(it.Param3), p.X, p.Y);
        BrushColor = Cv.Brush().Color();
    }

    void ArrowHead(TPoint tip, double a, Integer length, bool atEnd, const TrcChartItem& it)
    {
        const double sign = atEnd ? 1 : -1;
        auto barb = [&](double angle) {
            return TPoint{tip.X + static_cast<Integer>(Round(-sign * std::sin(angle) * length)),
                          tip.Y + static_cast<Integer>(Round(sign * std::cos(angle) * length))};
        };
        const double spread = 0.3490658503988659;
        const TPoint b1 = barb(a + spread), b2 = barb(a - spread);
        if (it.Transp) {
            Cv.MoveTo(b1.X, b1.Y);
            Cv.LineTo(tip.X, tip.Y);
            Cv.LineTo(b2.X, b2.Y);
        } else {
            SetBrush(ItemFill(it), false);
            Cv.Polygon({b1, tip, b2});
        }
    }

    void TextItem(const TrcChartItem& it, Integer index, bool annotation)
    {
        String text = it.LWid > 0 && it.LWid <= 50
                          ? (annotation ? C.FLongTextsAnno : C.FLongTextsData)[it.LWid]
                          : it.Text.ToString();
        C.OnBeforeRenderText(&C, text, index, annotation);
        Cv.Font().SetName(C.FTextFont.Name());
        Cv.Font().SetStyle(C.FTextFont.Style());
        SetCanvasFontSize(Cv, it.Param1);
        Cv.Font().SetColor(ItemPen(it));
        const TColor bg = BlkWhite ? clWhite : it.FillColor;
        const bool solid = it.Param2 == tbSolid;
        SetBrush(bg, !solid);
        TPoint p;
        if (it.ItemKind == tkTextOfs) {
            p = World(it, it.x, it.y);
            p = Clamped(p.X + static_cast<Integer>(Round(it.x2)), p.Y + static_cast<Integer>(Round(it.y2)));
        } else {
            p = Point(it, false);
        }
        const std::vector<String> lines = SplitLines(text);
        Integer blockW = 0;
        for (const String& line : lines) blockW = std::max(blockW, Cv.TextWidth(line));
        if (blockW == 0) blockW = Cv.TextWidth(text);
        const Integer lineH = Cv.TextHeight(text) + 1;
        const Integer blockH = static_cast<Integer>(lines.size()) * lineH;
        Integer x = p.X, y = p.Y - lineH / 2;
        if (it.Param3 == taRightJustify) x -= blockW;
        else if (it.Param3 == taCenter) x -= blockW / 2;
        if (lines.size() == 1) {
            Cv.TextOut(x, y, text);
            return;
        }
        if (solid) {
            Cv.Pen().SetColor(PenColor = bg);
            Cv.Rectangle(x - 4, y - 2, x + blockW + 4, y + blockH + 2);
        }
        for (size_t k = 0; k < lines.size(); ++k) {
            const Integer w = Cv.TextWidth(lines[k]);
            const Integer dx = it.Param3 == taRightJustify ? blockW - w : it.Param3 == taCenter ? (blockW - w) / 2 : 0;
            Cv.TextOut(x + dx, y + static_cast<Integer>(k) * lineH, lines[k]);
        }
    }

    void RenderItem(const TrcChartItem& it, Integer index, bool annotation)
    {
        const bool text = it.ItemKind == tkText || it.ItemKind == tkTextOfs;
        if (!text && it.LWid != LineWidth) {
            Flush();
            Cv.Pen().SetWidth(LineWidth = it.LWid);
        }
        if (it.ItemKind != tkLineto && it.ItemKind != tkLineRelPix) Flush();
        switch (it.ItemKind) {
            case tkMarkAt: {
                bool inside;
                TPoint p;
                if (it.CoordMode == cmAllWorld) {
                    inside = InsideRanges(it, it.x, it.x, it.y, it.y);
                    p = World(it, it.x, it.y);
                } else {
                    inside = it.x >= 0 && it.x <= C.FWidth - C.RcRRim - C.RcLRim && it.y >= 0 &&
                             it.y <= C.FHeight - C.RcBRim - C.RcTRim;
                    p = Screen(it.x, it.y);
                }
                if (!inside) break;
                PenFromItem(it);
                Mark(it, p);
                break;
            }
            case tkLine:
                PenFromItem(it);
                LineOrPixel(Point(it, false), Point(it, true), it);
                break;
            case tkLineto:
                AddLinePoint(Point(it, false), it);
                break;
            case tkLineRelPix: {
                const TPoint pos = Cv.PenPos();
                AddLinePoint(Clamped(pos.X + static_cast<Integer>(Round(it.x)), pos.Y + static_cast<Integer>(Round(it.y))),
                             it);
                break;
            }
            case tkMoveTo: {
                const TPoint p = Point(it, false);
                Cv.MoveTo(p.X, p.Y);
                LastMoveTo = p;
                break;
            }
            case tkMoveRelPix: {
                const TPoint pos = Cv.PenPos();
                const TPoint p = Clamped(pos.X + static_cast<Integer>(Round(it.x)), pos.Y + static_cast<Integer>(Round(it.y)));
                Cv.MoveTo(p.X, p.Y);
                LastMoveTo = p;
                break;
            }
            case tkRect:
                PenFromItem(it);
                SetBrush(ItemFill(it), it.Transp);
                Box(Point(it, false), Point(it, true), it);
                break;
            case tkRectFrame: RectFrame(it); break;
            case tk3DBar: Bar(it); break;
            case tkText: case tkTextOfs: TextItem(it, index, annotation); break;
            case tkEllipse: {
                PenFromItem(it);
                SetBrush(ItemFill(it), it.Transp);
                Box(World(it, it.x - it.x2, it.y + it.y2), World(it, it.x + it.x2, it.y - it.y2), it);
                break;
            }
            case tkArrow: case tkDoubleArrow: Arrow(it); break;
            case tkRectRelPix: {
                const TPoint c = World(it, it.x, it.y);
                PenFromItem(it);
                SetBrush(ItemFill(it), it.Transp);
                Box(Clamped(c.X - it.Param1, c.Y - it.Param2), Clamped(c.X + it.Param1, c.Y + it.Param2), it);
                break;
            }
            case tkMarkEBar: ErrorBar(it); break;
            case tkLineOffs: {
                PenFromItem(it);
                const TPoint a = World(it, it.x, it.y), b = World(it, it.x2, it.y2);
                LineOrPixel(Clamped(a.X + it.Param1, a.Y + it.Param2), Clamped(b.X + it.Param1, b.Y + it.Param2), it);
                break;
            }
            case tkArc: {
                PenFromItem(it);
                const TPoint c = World(it, it.x, it.y);
                const TPoint a = World(it, it.x - it.x2, it.y - it.y2), b = World(it, it.x + it.x2, it.y + it.y2);
                auto radial = [&](Integer param) {
                    const double ang = param * 1e-8;
                    return TPoint{c.X + static_cast<Integer>(Round(std::cos(ang) * 1e8)),
                                  c.Y - static_cast<Integer>(Round(std::sin(ang) * 1e8))};
                };
                const TPoint s = radial(it.Param1), e = radial(it.Param2);
                Cv.Arc(std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y), s.X, s.Y, e.X, e.Y);
                break;
            }
            case tkLineRelPixOrig: {
                PenFromItem(it);
                const TPoint a = World(it, it.x, it.y);
                const TPoint b = Clamped(a.X + static_cast<Integer>(Round(it.x2)), a.Y + static_cast<Integer>(Round(it.y2)));
                if (a == b) {
                    Pixel(a, ItemPen(it));
                } else {
                    LastMoveTo = a;
                    AddLinePoint(b, it);
                }
                break;
            }
            case tkCursorVert: {
                PenFromItem(it);
                const Integer x = it.CoordMode == cmAllWorld ? WorldX(it, it.x) : Screen(it.x, 0).X;
                Cv.MoveTo(x, OffY);
                Cv.LineTo(x, OffY + C.FHeight - C.RcBRim - C.RcTRim);
                break;
            }
            case tkCursorHoriz: {
                PenFromItem(it);
                const Integer y = it.CoordMode == cmAllWorld ? WorldY(it, it.y) : Screen(0, it.y).Y;
                Cv.MoveTo(OffX, y);
                Cv.LineTo(OffX + C.FWidth - C.RcLRim - C.RcRRim, y);
                break;
            }
            default: break;
        }
    }

    void RectFrame(const TrcChartItem& it)
    {
        const TPoint a = Point(it, false), b = Point(it, true);
        const Integer l = std::min(a.X, b.X), t = std::min(a.Y, b.Y), r = std::max(a.X, b.X), btm = std::max(a.Y, b.Y);
        const TColor fill = ItemFill(it);
        SetPen(fill, TPenStyle::psSolid);
        SetBrush(fill, false);
        Cv.Rectangle(l, t, r + 1, btm + 1);
        const TColor shadow = BlkWhite ? clBlack : it.ShadowColor, light = BlkWhite ? clBlack : it.HiLightColor;
        auto edges = [&](Integer inset, TColor topLeft, TColor bottomRight) {
            SetPen(topLeft, TPenStyle::psSolid);
            Cv.MoveTo(l + inset, btm - inset);
            Cv.LineTo(l + inset, t + inset);
            Cv.LineTo(r - inset + 1, t + inset);
            SetPen(bottomRight, TPenStyle::psSolid);
            Cv.MoveTo(r - inset, t + inset + 1);
            Cv.LineTo(r - inset, btm - inset);
            Cv.LineTo(l + inset - 1, btm - inset);
        };
        switch (it.FrameStyle) {
            case fsLowered: edges(0, shadow, light); break;
            case fsRaised: edges(0, light, shadow); break;
            case fsEmbossed: edges(1, shadow, shadow); edges(0, light, light); break;
            case fsEngraved: edges(1, light, light); edges(0, shadow, shadow); break;
            default: break;
        }
    }

    void Bar(const TrcChartItem& it)
    {
        const TPoint a = World(it, it.x, it.y), b = World(it, it.x2, it.y2);
        const Integer x1 = std::min(a.X, b.X), y1 = std::min(a.Y, b.Y), x2 = std::max(a.X, b.X), y2 = std::max(a.Y, b.Y);
        const double ang = it.Param1 * std::numbers::pi / 180;
        const Integer dx = static_cast<Integer>(Round(std::cos(ang) * it.Param2));
        const Integer dy = -static_cast<Integer>(Round(std::sin(ang) * it.Param2));
        PenFromItem(it);
        SetBrush(ItemFill(it), false);
        Cv.Polygon({{x1, y1}, {x1 + dx, y1 + dy}, {x2 + dx, y1 + dy}, {x2, y1}});
        Cv.Polygon({{x2 + dx, y1 + dy}, {x2, y1}, {x2, y2}, {x2 + dx, y2 + dy}});
        Cv.Rectangle(x1, y1, x2 + 1, y2 + 1);
    }

    void Arrow(const TrcChartItem& it)
    {
        PenFromItem(it);
        const TPoint a = Point(it, false), b = Point(it, true);
        LineOrPixel(a, b, it);
        if (it.Param1 < 1 || a == b) return;
        const double dx = b.X - a.X, dy = b.Y - a.Y;
        double ang;
        if (dx == 0) ang = dy > 0 ? std::numbers::pi : 2 * std::numbers::pi;
        else ang = (dx >= 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2) + std::atan(dy / dx);
        ArrowHead(b, ang, it.Param1, true, it);
        if (it.ItemKind == tkDoubleArrow) ArrowHead(a, ang, it.Param1, false, it);
    }

    void ErrorBar(const TrcChartItem& it)
    {
        const double lower = std::fabs(it.x2), upper = std::fabs(it.y2);
        const bool vertical = it.Param1 == orVert;
        const bool visible = vertical ? InsideRanges(it, it.x, it.x, it.y - lower, it.y + upper)
                                      : InsideRanges(it, it.x - lower, it.x + upper, it.y, it.y);
        if (!visible) return;
        PenFromItem(it);
        const TPoint p = World(it, it.x, it.y);
        const TPoint lo = vertical ? World(it, it.x, it.y - lower) : World(it, it.x - lower, it.y);
        const TPoint hi = vertical ? World(it, it.x, it.y + upper) : World(it, it.x + upper, it.y);
        for (const TPoint& end : {lo, hi}) {
            Cv.MoveTo(p.X, p.Y);
            Cv.LineTo(end.X, end.Y);
            if (vertical) {
                Cv.MoveTo(end.X - 3, end.Y);
                Cv.LineTo(end.X + 4, end.Y);
            } else {
                Cv.MoveTo(end.X, end.Y - 3);
                Cv.LineTo(end.X, end.Y + 4);
            }
        }
        Mark(it, p);
    }

    TCustomDIzure& C;
    TCanvas& Cv;
    const Integer OffX, OffY;
    const bool BlkWhite;
    TColor PenColor = 0, BrushColor = 0;
    TPenStyle PenStyle = TPenStyle::psSolid;
    Integer LineWidth = 1;
    TPoint LastMoveTo;
    std::vector<TPoint> Batch;
    std::vector<int> DupMap;
    Integer MapW = 0, MapH = 0;
};

// ---------------------------------------------------------------- paint pipeline

void TCustomDIzure::Paint()
{
    if (FSuppressPaint || Loading() || (!FVisible && !Designing())) return;
    DrawChartFrame(FChartBmp.Canvas());
    ResizeGrafBmp();
    PaintChartBackground(FGrafBmp.Canvas(), 0, FGrafBmp.Height(), FGrafBmp.Width(), 0);
    RenderItemsToBitmap(FGrafBmp, 0, 0, false, 0);
    DrawMouseTrace(FGrafBmp.Canvas(), 0, 0);
    ShowWithCrossHairs(Rect(0, 0, FWidth, FHeight));
}

void TCustomDIzure::ShowOnControl(const TRect& area)
{
    if (!HandleAllocated() && (FSurface.Width() != FWidth || FSurface.Height() != FHeight)) {
        FSurface.SetPixelFormat(TPixelFormat::pf32bit);
        FSurface.SetSize(FWidth, FHeight);
    }
    TCanvas& target = HandleAllocated() ? Canvas() : FSurface.Canvas();
    target.CopyRect(area, FChartBmp.Canvas(), area);
}

void TCustomDIzure::ShowWithCrossHairs(const TRect& area)
{
    FChartBmp.Canvas().Draw(RcLRim, RcTRim, FGrafBmp);
    DrawCrossHairs(0, 0, FChartBmp);
    ShowOnControl(area);
}

void TCustomDIzure::DrawChartFrame(TCanvas& canvas)
{
    FChartBmp.SetSize(FWidth, FHeight);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(FWindColor);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(FWindColor);
    canvas.Rectangle(0, 0, FWidth, FHeight);
    const Integer s = F3DRim;
    if (s > 0) {
        canvas.Pen().SetColor(RcShadowBakCol);
        canvas.Brush().SetColor(RcShadowBakCol);
        canvas.Rectangle(FWidth - s, 0, FWidth, FHeight);
        canvas.Rectangle(0, FHeight - s, FWidth, FHeight);
        const Integer start = RcShadowStyle == ssFlying ? s - 1 : 0;
        canvas.Pen().SetColor(RcShadowStyle == ssFlying ? FShadowColor : clBlack);
        canvas.Brush().SetColor(FShadowColor);
        const Integer H = FHeight, W = FWidth;
        canvas.Polygon({{start, H - s}, {s - 1, H - 1}, {W - 1, H - 1}, {W - s, H - s}});
        canvas.Polygon({{W - s, H - s}, {W - 1, H - 1}, {W - 1, s - 1}, {W - s, start}});
        canvas.Pen().SetColor(clBlack);
        canvas.MoveTo(0, 0);
        canvas.LineTo(W - s, 0);
        canvas.LineTo(W - s, H - s);
        canvas.LineTo(0, H - s);
        canvas.LineTo(0, 0);
    }
    if (!FCaption.IsEmpty()) {
        AssignCanvasFont(canvas, Font());
        String caption = FCaption;
        const double allowed = FCaptionTrim / 100.0 * (FChartBmp.Width() - s - RcLRim - RcRRim);
        const Integer width = canvas.TextWidth(caption);
        if (FCaptionTrim > 0 && width > allowed) {
            const Integer keep = static_cast<Integer>(Round(caption.Length() * allowed / width)) - 2;
            caption = Copy(caption, 1, std::max(0, keep)) + "...";
        }
        const Integer W = FWidth - RcLRim - RcRRim - s, H = FHeight - RcTRim - RcBRim - s;
        const Integer ax[] = {0, RcLRim, RcLRim + W / 2, FWidth - RcRRim - s, FWidth};
        const Integer ay[] = {0, RcTRim, RcTRim + H / 2, FHeight - RcBRim, FHeight};
        Integer x = FCaptionPosX + ax[FCaptionAnchorHoriz];
        const Integer y = FCaptionPosY + ay[FCaptionAnchorVert];
        const Integer w = canvas.TextWidth(caption);
        if (FCaptionAlignment == taRightJustify) x -= w;
        else if (FCaptionAlignment == taCenter) x -= w / 2;
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        canvas.TextOut(x, y, caption);
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
    CalcLayerTransforms();
    for (auto* axes : {&FScaleX, &FScaleY})
        for (Integer L = 1; L <= 16; ++L) {
            SyncScaleWithProps(L);
            (*axes)[L]->ForcePaint();
        }
    OnScalesRendered(this, &canvas, 0, 0);
}

void TCustomDIzure::PaintChartBackground(TCanvas& canvas, Integer offX, Integer height, Integer width, Integer offY)
{
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetMode(TPenMode::pmCopy);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.Brush().SetColor(FChartColor);
    canvas.Pen().SetColor(FChartFrameColor);
    if (!FBakGndFile->Name().IsEmpty()) {
        bool loaded = true;
        try {
            AuxBmp.LoadFromFile(FBakGndFile->Name());
        } catch (const Exception&) {
            loaded = false;
        }
        if (loaded && !AuxBmp.Empty()) {
            switch (FBakGndFile->FillMode()) {
                case bfSimple:
                    canvas.Rectangle(0, 0, width, height);
                    canvas.Draw(0, 0, AuxBmp);
                    break;
                case bfStretch: canvas.StretchDraw(Rect(0, 0, width, height), AuxBmp); break;
                case bfTile:
                    for (Integer y = 0; y < height; y += AuxBmp.Height())
                        for (Integer x = 0; x < width; x += AuxBmp.Width()) canvas.Draw(x, y, AuxBmp);
                    break;
            }
            AuxBmp.SetSize(10, 10);
            return;
        }
        AuxBmp.SetSize(10, 10);
        const TNotifyEvent binding = FBakGndFile->OnChange;
        FBakGndFile->OnChange = nullptr;
        FBakGndFile->SetName("");
        FBakGndFile->OnChange = binding;
    }
    canvas.Rectangle(offX, offY, offX + width, offY + height);
    const TBGAreaMode mode = FBakGndFile->AreaMode();
    if (mode == bamNone) return;
    Integer l, t, r, b;
    R2M(FActiveLayer, FBakGndFile->AreaLeft(), FBakGndFile->AreaTop(), l, t);
    R2M(FActiveLayer, FBakGndFile->AreaRight(), FBakGndFile->AreaBottom(), r, b);
    l += offX - RcLRim;
    r += offX - RcLRim;
    t += offY - RcTRim;
    b += offY - RcTRim;
    ClampCoord(l, t);
    ClampCoord(r, b);
    const Integer L0 = offX, T0 = offY, R0 = offX + width, B0 = offY + height;
    canvas.Pen().SetColor(FBakGndFile->AreaColor());
    canvas.Brush().SetColor(FBakGndFile->AreaColor());
    auto area = [&](Integer x1, Integer y1, Integer x2, Integer y2) { canvas.Rectangle(x1, y1, x2, y2); };
    switch (mode) {
        case bamLeft: area(L0, T0, l, B0); break;
        case bamRight: area(r, T0, R0, B0); break;
        case bamTop: area(L0, T0, R0, t); break;
        case bamBottom: area(L0, b, R0, B0); break;
        case bamVStripe: area(l, T0, r, B0); break;
        case bamHStripe: area(L0, t, R0, b); break;
        case bamRect: area(l, t, r, b); break;
        case bamRectInv:
            area(L0, T0, R0, t);
            area(L0, b, R0, B0);
            area(L0, t, l, b);
            area(r, t, R0, b);
            break;
        case bamVStripeInv: area(L0, T0, l, B0); area(r, T0, R0, B0); break;
        case bamHStripeInv: area(L0, T0, R0, t); area(L0, b, R0, B0); break;
        default: break;
    }
}

void TCustomDIzure::RenderItemsToBitmap(TBitmap& bitmap, Integer offX, Integer skipGrid, bool BlkWhite, Integer offY)
{
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return;
    RenderItems(bitmap.Canvas(), offX, skipGrid, BlkWhite, offY);
}

void TCustomDIzure::RenderItems(TCanvas& canvas, Integer offX, Integer skipGrid, bool BlkWhite, Integer offY)
{
    const TColor brush = canvas.Brush().Color(), pen = canvas.Pen().Color();
    OnBeforeRenderData(this, &canvas, RcTRim - offY, RcLRim - offX);
    canvas.Brush().SetColor(brush);
    canvas.Pen().SetColor(pen);
    if (RcGridStyle != gsNone && skipGrid == 0) DrawGrid(canvas, offX, offY);
    {
        TItemRenderer r(*this, canvas, offX, offY, BlkWhite);
        if (!FAnnoBelowChart) r.Render(FDataContainer, FNumChartItems, false, 0);
        if (FAnnosVisible) {
            if (FAnnoTextOnTop) {
                r.Render(FAnnoContainer, FNumAnnoItems, true, 1);
                r.Render(FAnnoContainer, FNumAnnoItems, true, 2);
            } else {
                r.Render(FAnnoContainer, FNumAnnoItems, true, 0);
            }
        }
        if (FAnnoBelowChart) r.Render(FDataContainer, FNumChartItems, false, 0);
    }
    canvas.Pen().SetWidth(1);
    DrawTextLabels(canvas, offX, offY);
    OnDataRendered(this, &canvas, RcTRim - offY, RcLRim - offX);
    const Integer W = FWidth - RcLRim - RcRRim - F3DRim, H = FHeight - RcTRim - RcBRim - F3DRim;
    canvas.Pen().SetColor(FChartFrameColor);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.MoveTo(offX, offY);
    canvas.LineTo(offX + W, offY);
    canvas.LineTo(offX + W, offY + H);
    canvas.LineTo(offX, offY + H);
    canvas.LineTo(offX, offY);
}

void TCustomDIzure::DrawGrid(TCanvas& canvas, Integer offX, Integer offY)
{
    const Integer L = FActiveLayer;
    // Grid positions along one axis, from its low end while below its high end.
    auto positions = [](const TScaleProps& p, const TScale& s, double step) {
        std::vector<double> out;
        const double lo = std::min(p.RangeLow(), p.RangeHigh()), hi = std::max(p.RangeLow(), p.RangeHigh());
        if (step > 0 || (!p.Logarithmic() && step != 0)) {
            const double st = std::fabs(step);
            for (double v = std::ceil(lo / st) * st; v < hi && out.size() < 1000; v += st) out.push_back(v);
        } else if (p.Logarithmic() && step < 0) {
            double v;
            const double e = std::floor(std::log10(lo)), mant = lo / std::pow(10.0, e);
            if (step == -1) v = std::pow(10.0, std::ceil(std::log10(lo)));
            else if (step == -2) v = (mant <= 2 ? 2 : mant <= 5 ? 5 : 10) * std::pow(10.0, e);
            else v = std::nearbyint(mant) * std::pow(10.0, e);
            while (v < hi && out.size() < 1000) {
                out.push_back(v);
                double le = std::log10(v);
                if (std::fabs(le - std::nearbyint(le)) < 1e-14) le = std::nearbyint(le);
                const double pe = std::pow(10.0, std::floor(le)), m = std::nearbyint(v / pe);
                if (step == -1) v *= 10;
                else if (step == -2) v = (m < 2 ? 2 : m < 5 ? 5 : 10) * pe;
                else v = (m + 1) * pe;
            }
        } else {
            for (Integer i = 1; i <= s.NumTicks() && out.size() < 1000; ++i) {
                const double v = s.GetTickPos(i);
                if (v >= hi) break;
                out.push_back(v);
            }
        }
        return out;
    };
    const TScaleProps& px = *FScalePropsX[L];
    const TScaleProps& py = *FScalePropsY[L];
    const std::vector<double> xs = positions(px, *FScaleX[L], RcGridDx);
    const std::vector<double> ys = positions(py, *FScaleY[L], RcGridDy);
    auto pt = [&](double x, double y) {
        Integer a, b;
        R2M(L, x, y, a, b);
        return Clamped(a + offX - RcLRim, b + offY - RcTRim);
    };
    canvas.Pen().SetColor(FGridColor);
    canvas.Brush().SetColor(FChartColor);
    const bool dotted = RcGridStyle == gsHorizDotLines || RcGridStyle == gsVertDotLines || RcGridStyle == gsDotLines;
    canvas.Pen().SetStyle(dotted ? TPenStyle::psDot : TPenStyle::psSolid);
    if (RcGridStyle == gsPoints) {
        int n = 0;
        for (double x : xs)
            for (double y : ys)
                if (n++ < 1000) {
                    const TPoint p = pt(x, y);
                    canvas.SetPixel(p.X, p.Y, FGridColor);
                }
        return;
    }
    const bool vert = RcGridStyle == gsVertLines || RcGridStyle == gsLines || RcGridStyle == gsVertDotLines ||
                      RcGridStyle == gsDotLines;
    const bool horiz = RcGridStyle == gsHorizLines || RcGridStyle == gsLines || RcGridStyle == gsHorizDotLines ||
                       RcGridStyle == gsDotLines;
    if (vert)
        for (double x : xs) {
            const TPoint a = pt(x, py.RangeLow()), b = pt(x, py.RangeHigh());
            canvas.MoveTo(a.X, a.Y);
            canvas.LineTo(b.X, b.Y);
        }
    if (horiz)
        for (double y : ys) {
            const TPoint a = pt(px.RangeLow(), y), b = pt(px.RangeHigh(), y);
            canvas.MoveTo(a.X, a.Y);
            canvas.LineTo(b.X, b.Y);
        }
    canvas.Pen().SetStyle(TPenStyle::psSolid);
}

void TCustomDIzure::DrawTextLabels(TCanvas& canvas, Integer offX, Integer offY)
{
    for (Integer n = 30; n >= 1; --n) {
        TTextLabel& tl = *FTextLabels[n];
        if (tl.Mode() == tlOff || !tl.Visible() || !FLayerVisib[tl.Layer()]) continue;
        Integer wx, wy;
        R2M(tl.Layer(), tl.PosX(), tl.PosY(), wx, wy);
        const Integer px = static_cast<Integer>(Round(tl.PosX())), py = static_cast<Integer>(Round(tl.PosY()));
        const TTxtLblAttachMode att = tl.AttachToData();
        Integer x = (att == tlamBoth || att == tlamXOnly) ? wx : px;
        Integer y = (att == tlamBoth || att == tlamYOnly) ? wy : py;
        x += offX - RcLRim;
        y += offY - RcTRim;
        ClampCoord(x, y);
        AssignCanvasFont(canvas, tl.Font());
        canvas.Pen().SetColor(tl.ColorBorder());
        canvas.Brush().SetColor(tl.ColorBkg());
        canvas.Brush().SetStyle(tl.Transparent() ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
        const std::vector<String> lines = SplitLines(tl.Caption());
        Integer blockW = 0;
        for (const String& line : lines) blockW = std::max(blockW, canvas.TextWidth(line));
        const Integer lineH = canvas.TextHeight(tl.Caption().IsEmpty() ? String("0") : tl.Caption());
        const Integer blockH = static_cast<Integer>(lines.size()) * lineH;
        Integer top = tl.VerticalAlignment() == vaBottom ? y - blockH : tl.VerticalAlignment() == vaTop ? y : y - blockH / 2;
        if (tl.Alignment() == taRightJustify) x -= blockW;
        else if (tl.Alignment() == taCenter) x -= blockW / 2;
        const TRect box = Rect(x - 4, top - 2, x + blockW + 4, top + blockH + 2);
        auto fillBox = [&](const TRect& r, TColor pen, TColor brush, bool clear) {
            canvas.Pen().SetColor(pen);
            canvas.Brush().SetColor(brush);
            canvas.Brush().SetStyle(clear ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
            canvas.Rectangle(r);
        };
        switch (tl.Mode()) {
            case tlsimple:
                if (!tl.Transparent()) fillBox(box, tl.ColorBkg(), tl.ColorBkg(), false);
                break;
            case tlBox: fillBox(box, tl.ColorBorder(), tl.ColorBkg(), tl.Transparent()); break;
            case tlUnderline:
                if (!tl.Transparent()) fillBox(box, tl.ColorBkg(), tl.ColorBkg(), false);
                canvas.Pen().SetColor(tl.ColorBorder());
                canvas.MoveTo(box.Left, box.Bottom - 1);
                canvas.LineTo(box.Right, box.Bottom - 1);
                break;
            case tlShadow: {
                TRect shadow = box;
                OffsetRect(shadow, tl.ShadowDx(), tl.ShadowDy());
                fillBox(shadow, tl.ColorShadow(), tl.ColorShadow(), false);
                fillBox(box, tl.ColorBorder(), tl.ColorBkg(), tl.Transparent());
                break;
            }
            default: break;
        }
        canvas.Brush().SetStyle(TBrushStyle::bsClear);
        for (size_t k = 0; k < lines.size(); ++k) {
            const Integer w = canvas.TextWidth(lines[k]);
            const Integer dx = tl.Alignment() == taRightJustify ? blockW - w : tl.Alignment() == taCenter ? (blockW - w) / 2 : 0;
            canvas.TextOut(x + dx, top + static_cast<Integer>(k) * lineH, lines[k]);
        }
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    }
}

void TCustomDIzure::DrawCrossHairs(Integer offX, Integer offY, TBitmap& bitmap)
{
    TCanvas& cv = bitmap.Canvas();
    const TColor penColor = cv.Pen().Color();
    const Integer penWidth = cv.Pen().Width();
    const TPenStyle penStyle = cv.Pen().Style();
    const TBrushStyle brushStyle = cv.Brush().Style();
    const Integer right = FWidth - RcRRim - F3DRim, bottom = FHeight - RcBRim - F3DRim;
    for (Integer n = 4; n >= 1; --n) {
        const TCrossHair& ch = *FCrossHair[n];
        if (ch.Mode() == chOff) continue;
        cv.Pen().SetColor(ch.Color());
        cv.Pen().SetWidth(ch.LineWid());
        cv.Pen().SetStyle(ch.LineType());
        cv.Brush().SetColor(FChartColor);
        Integer x, y;
        R2M(ch.Layer(), ch.PosX(), ch.PosY(), x, y);
        x -= offX;
        y -= offY;
        const Integer w = ch.LineWid() / 2;
        const bool inY = y > RcTRim + w && y < bottom - w, inX = x > RcLRim + w && x < right - w;
        const TCrossHMode m = ch.Mode();
        if ((m == chHoriz || m == chBoth) && inY) {
            cv.MoveTo(RcLRim + w + 1 - offX, y);
            cv.LineTo(right - w - offX, y);
        }
        if ((m == chVert || m == chBoth) && inX) {
            cv.MoveTo(x, RcTRim + w + 1 - offY);
            cv.LineTo(x, bottom - w - offY);
        }
        if (m == chCrossBox && inX && inY) {
            cv.MoveTo(x - 13, y);
            cv.LineTo(x + 14, y);
            cv.MoveTo(x, y - 13);
            cv.LineTo(x, y + 14);
            cv.Brush().SetStyle(TBrushStyle::bsClear);
            cv.Pen().SetStyle(TPenStyle::psSolid);
            cv.Pen().SetColor(clWhite);
            cv.Rectangle(x - 3, y - 3, x + 4, y + 4);
            cv.Pen().SetColor(clBlack);
            cv.Rectangle(x - 2, y - 2, x + 3, y + 3);
        }
        if (m == chBox && inX && inY) {
            cv.Brush().SetStyle(TBrushStyle::bsClear);
            cv.Rectangle(x - 4, y - 4, x + 5, y + 5);
        }
        cv.Brush().SetStyle(TBrushStyle::bsSolid);
    }
    cv.Pen().SetColor(penColor);
    cv.Pen().SetWidth(penWidth);
    cv.Pen().SetStyle(penStyle);
    cv.Brush().SetStyle(brushStyle);
}

void TCustomDIzure::DrawMouseTrace(TCanvas& canvas, Integer offX, Integer offY)
{
    if (FNumMTrace < 2) return;
    const TColor penColor = canvas.Pen().Color();
    const TPenMode penMode = canvas.Pen().Mode();
    for (Integer i = 1; i < FNumMTrace; ++i) {
        const TColoredPoint& prev = FMTrace[i - 1];
        const TColoredPoint& p = FMTrace[i];
        if (prev.Flag & 1) continue;
        Integer x1, y1, x2, y2;
        R2M(FActiveLayer, prev.X, prev.Y, x1, y1);
        R2M(FActiveLayer, p.X, p.Y, x2, y2);
        canvas.Pen().SetColor(p.Color);
        canvas.Pen().SetMode(p.Flag & 2 ? TPenMode::pmXor : TPenMode::pmCopy);
        canvas.MoveTo(x1 + offX - RcLRim, y1 + offY - RcTRim);
        canvas.LineTo(x2 + offX - RcLRim, y2 + offY - RcTRim);
    }
    canvas.Pen().SetMode(penMode);
    canvas.Pen().SetColor(penColor);
}

void TCustomDIzure::ClearMouseTrace()
{
    FNumMTrace = 0;
    Paint();
}

TColoredPoint TCustomDIzure::GetMTracePoint(Integer idx) const
{
    if (idx < 1 || idx > FNumMTrace) {
        TColoredPoint none;
        none.Flag = 0xFFFF;
        return none;
    }
    return FMTrace[idx - 1];
}

// ---------------------------------------------------------------- showing

TRect TCustomDIzure::DataAreaRect() const
{
    return Rect(RcLRim, RcTRim, RcLRim + FGrafBmp.Width(), RcTRim + FGrafBmp.Height());
}

void TCustomDIzure::RenderDataArea()
{
    ResizeGrafBmp();
    PaintChartBackground(FGrafBmp.Canvas(), 0, FGrafBmp.Height(), FGrafBmp.Width(), 0);
    RenderItemsToBitmap(FGrafBmp, 0, 0, false, 0);
}

void TCustomDIzure::ShowGraf()
{
    if (!FVisible) return;
    FLastElemOnShow = FNumChartItems - 1;
    PropagateSharedData();
    if (FAutoRedraw) {
        CalcLayerTransforms();
        RenderDataArea();
        ShowWithCrossHairs(DataAreaRect());
    } else {
        Paint();
    }
    TCustomDIzure* owner = FUseDataOf ? FUseDataOf : this;
    if (owner != this) owner->RepaintRule();
    for (Integer i = 0; i < owner->FDataUsersNum; ++i)
        if (owner->FDataUsers[i] != this) owner->FDataUsers[i]->RepaintRule();
}

void TCustomDIzure::ShowGrafNewOnly()
{
    if (!FVisible) return;
    RenderItemsToBitmap(FGrafBmp, 0, FLastElemOnShow != 0 ? 1 : 0, false, 0);
    ShowWithCrossHairs(DataAreaRect());
    FLastElemOnShow = FNumChartItems - 1;
    PropagateSharedData();
}

// ---------------------------------------------------------------- crosshairs and labels

void TCustomDIzure::CrossHairSetPos(Integer chnum, double x, double y)
{
    if (chnum < 1 || chnum > 4) return;
    TCrossHair& ch = *FCrossHair[chnum];
    const TNotifyEvent binding = ch.OnChange;
    ch.OnChange = nullptr;
    ch.SetPos(x, y);
    ch.OnChange = binding;
    if (ch.Mode() == chOff) return;
    ShowWithCrossHairs(Rect(0, 0, FWidth, FHeight));
}

void TCustomDIzure::CrossHairSetup(Integer ch, TColor chColor, TCrossHMode Mode, TPenStyle LineType, Integer LineWidth)
{
    if (ch < 1 || ch > 4) return;
    TCrossHair& c = *FCrossHair[ch];
    const TNotifyEvent binding = c.OnChange;
    c.OnChange = nullptr;
    c.SetColor(chColor);
    c.SetMode(Mode);
    c.SetLineType(LineType);
    c.SetLineWid(LineWidth);
    c.OnChange = binding;
    ShowWithCrossHairs(Rect(0, 0, FWidth, FHeight));
}

double TCustomDIzure::GetCHPosX(Integer chnum) const { return chnum >= 1 && chnum <= 4 ? FCrossHair[chnum]->PosX() : 0; }
double TCustomDIzure::GetCHPosY(Integer chnum) const { return chnum >= 1 && chnum <= 4 ? FCrossHair[chnum]->PosY() : 0; }

void TCustomDIzure::SetCHPosX(Integer chnum, double value)
{
    if (chnum >= 1 && chnum <= 4) CrossHairSetPos(chnum, value, FCrossHair[chnum]->PosY());
}

void TCustomDIzure::SetCHPosY(Integer chnum, double value)
{
    if (chnum >= 1 && chnum <= 4) CrossHairSetPos(chnum, FCrossHair[chnum]->PosX(), value);
}

void TCustomDIzure::SetTextLabel(Integer Idx, double PosX, double PosY, TColor TxtColor, const String& Txt,
                                 Integer PropertyTemplate)
{
    if (Idx < 1 || Idx > 30) return;
    TTextLabel& tl = *FTextLabels[Idx];
    const TNotifyEvent binding = tl.OnChange;
    tl.OnChange = nullptr;
    tl.SetPosX(PosX);
    tl.SetPosY(PosY);
    tl.SetLayer(FActiveLayer);
    tl.SetCaption(Txt);
    tl.Font().SetColor(TxtColor);
    tl.SetVisible(true);
    if (PropertyTemplate >= 1 && PropertyTemplate <= 30) {
        const TTextLabel& t = *FTextLabels[PropertyTemplate];
        tl.SetAttachToData(t.AttachToData());
        tl.SetAlignment(t.Alignment());
        tl.SetShadowDx(t.ShadowDx());
        tl.SetShadowDy(t.ShadowDy());
        tl.SetColorShadow(t.ColorShadow());
        tl.SetColorBkg(t.ColorBkg());
        tl.SetColorBorder(t.ColorBorder());
        tl.SetTransparent(t.Transparent());
        tl.SetMode(t.Mode() == tlOff ? tlsimple : t.Mode());
    } else {
        tl.SetAttachToData(tlamBoth);
        tl.SetAlignment(taCenter);
        tl.SetShadowDx(0);
        tl.SetShadowDy(0);
        tl.SetColorShadow(clGray);
        tl.SetColorBkg(FChartColor);
        tl.SetColorBorder(FChartFrameColor);
        tl.SetTransparent(false);
        tl.SetMode(tlsimple);
    }
    tl.OnChange = binding;
    RepaintRule();
}

Integer TCustomDIzure::AddTextLabel(double PosX, double PosY, TColor TxtColor, const String& Txt,
                                    Integer PropertyTemplate)
{
    for (Integer n = 1; n <= 30; ++n)
        if (FTextLabels[n]->Mode() == tlOff) {
            SetTextLabel(n, PosX, PosY, TxtColor, Txt, PropertyTemplate);
            return n;
        }
    return 0;
}

void TCustomDIzure::HideAllTextLabels()
{
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (Integer n = 1; n <= 30; ++n) FTextLabels[n]->SetVisible(false);
    FSuppressPaint = saved;
    if (!saved) Paint();
}

void TCustomDIzure::ClearAllTextLabels()
{
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (Integer n = 1; n <= 30; ++n) FTextLabels[n]->SetMode(tlOff);
    FSuppressPaint = saved;
    if (!saved) Paint();
}
