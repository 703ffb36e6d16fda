#include "platform/graphics/Canvas.h"
#include "platform/graphics/CanvasHook.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Raster.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlMath.h"

// Pixels an operation covers, over a device area: 0 untouched, 1 pen or fill, 2 gap of a styled pen.
class TCanvas::TCoverage {
public:
    explicit TCoverage(const TRect& area) : Area(area), Bits(area.IsEmpty() ? 0 : size_t(area.Width()) * area.Height()) {}
    void Set(Integer x, Integer y, Byte v = 1)
    {
        if (!Area.Contains({x, y})) return;
        Byte& b = Bits[Index(x, y)];
        if (b != 1) b = v;
    }
    void Span(Integer y, Integer l, Integer r)
    {
        if (y < Area.Top || y >= Area.Bottom) return;
        l = std::max(l, Area.Left);
        r = std::min(r, Area.Right);
        for (Integer x = l; x < r; ++x) Bits[Index(x, y)] = 1;
    }
    Byte Get(Integer x, Integer y) const { return Area.Contains({x, y}) ? Bits[Index(x, y)] : 0; }
    void Remove(const TCoverage& other)
    {
        for (Integer y = Area.Top; y < Area.Bottom; ++y)
            for (Integer x = Area.Left; x < Area.Right; ++x)
                if (other.Get(x, y)) Bits[Index(x, y)] = 0;
    }
    TRect Area;
    std::vector<Byte> Bits;

private:
    size_t Index(Integer x, Integer y) const { return size_t(y - Area.Top) * Area.Width() + (x - Area.Left); }
};

namespace {
using RowFn = std::function<std::pair<Integer, Integer>(Integer)>;

RowFn ShapeRows(const TCanvasOp& op, const TRect& box, double sx, double sy)
{
    if (op.Kind == TCanvasOp::opRectangle) return [box](Integer y) {
        return y >= box.Top && y < box.Bottom ? std::pair{box.Left, box.Right} : std::pair{0, 0};
    };
    if (op.Kind == TCanvasOp::opRoundRect) {
        Integer cw = static_cast<Integer>(std::lround(std::abs(op.Param1 * sx)));
        Integer ch = static_cast<Integer>(std::lround(std::abs(op.Param2 * sy)));
        return [box, cw, ch](Integer y) { return raster::RoundRectRow(box, cw, ch, y); };
    }
    return [box](Integer y) { return raster::EllipseRow(box, y); };
}

bool InRow(std::pair<Integer, Integer> s, Integer x) { return x >= s.first && x < s.second; }

const std::vector<Integer>& DashPattern(const TPen& pen)
{
    static const std::vector<Integer> dash{18, 6}, dot{3, 3}, dashDot{9, 6, 3, 6}, dashDotDot{9, 3, 3, 3, 3, 3},
        alternate{1, 1}, none{};
    switch (pen.Style()) {
    case TPenStyle::psDash: return dash;
    case TPenStyle::psDot: return dot;
    case TPenStyle::psDashDot: return dashDot;
    case TPenStyle::psDashDotDot: return dashDotDot;
    case TPenStyle::psAlternate: return alternate;
    case TPenStyle::psUserStyle: return pen.UserPattern();
    default: return none;
    }
}
}  // namespace

TCanvas::TCanvas() = default;
TCanvas::TCanvas(TPaintDevice* device) : FDevice(device) {}
TCanvas::~TCanvas() = default;

void TCanvas::SetDevice(TPaintDevice* device)
{
    FDevice = device;
    FBrushRealized = FFontRealized = false;
}

HDC TCanvas::Handle()
{
    Realize();
    return this;
}

// As the canvas's own calls do before drawing: a changed font's colour becomes the text colour (a
// colour set on the handle since stays until the font changes), and a changed brush sets the background (solid brush: opaque in its colour; others: transparent).
void TCanvas::Realize()
{
    if (!FFontRealized || !FRealizedFont.SameAs(FFont)) {
        FState.TextColor = FFont.Color();
        FRealizedFont.Assign(FFont);
        FFontRealized = true;
    }
    if (FBrushRealized && FRealizedBrush.SameAs(FBrush)) return;
    FRealizedBrush.Assign(FBrush);
    FBrushRealized = true;
    if (FBrush.Style() == TBrushStyle::bsSolid && !FBrush.Bitmap()) {
        FState.BkColor = FBrush.Color();
        FState.BkMode = OPAQUE;
    } else {
        FState.BkMode = TRANSPARENT;
    }
}

// ---------------------------------------------------------------- mapping

double TCanvas::ScaleX() const
{
    return FState.WindowExt.cx == 0 ? 1.0 : double(FState.ViewportExt.cx) / FState.WindowExt.cx;
}
double TCanvas::ScaleY() const
{
    return FState.WindowExt.cy == 0 ? 1.0 : double(FState.ViewportExt.cy) / FState.WindowExt.cy;
}

TPoint TCanvas::ToDevice(TPoint p) const
{
    double x = (double(p.X) - FState.WindowOrg.X) * ScaleX() + FState.ViewportOrg.X;
    double y = (double(p.Y) - FState.WindowOrg.Y) * ScaleY() + FState.ViewportOrg.Y;
    // device coordinates stay far inside the integer range whatever a picture file holds
    auto device = [](double v) { return static_cast<Integer>(std::clamp(std::floor(v + 0.5), -1e9, 1e9)); };
    return {device(x * FState.PlaceSX + FState.PlaceDX), device(y * FState.PlaceSY + FState.PlaceDY)};
}

TPoint TCanvas::LPtoDP(TPoint p) const { return ToDevice(p); }

TPoint TCanvas::DPtoLP(TPoint p) const
{
    double x = ((p.X - FState.PlaceDX) / FState.PlaceSX - FState.ViewportOrg.X) / ScaleX() + FState.WindowOrg.X;
    double y = ((p.Y - FState.PlaceDY) / FState.PlaceSY - FState.ViewportOrg.Y) / ScaleY() + FState.WindowOrg.Y;
    return {static_cast<Integer>(std::floor(x + 0.5)), static_cast<Integer>(std::floor(y + 0.5))};
}

TRect TCanvas::LPtoDP(const TRect& r) const
{
    TPoint a = ToDevice(r.TopLeft()), b = ToDevice(r.BottomRight());
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

void TCanvas::SetPlacement(double scaleX, double scaleY, double offsetX, double offsetY)
{
    FState.PlaceSX = scaleX;
    FState.PlaceSY = scaleY;
    FState.PlaceDX = offsetX;
    FState.PlaceDY = offsetY;
}

int TCanvas::SetMapMode(int mode)
{
    int old = FState.MapMode;
    if (mode < MM_TEXT || mode > MM_ANISOTROPIC) return 0;
    FState.MapMode = mode;
    // Fixed modes: window units per inch against the device's pixels per inch; y grows upwards.
    static const Integer unitsPerInch[] = {0, 0, 254, 2540, 100, 1000, 1440};
    Integer dpiX = GetDeviceCaps(LOGPIXELSX), dpiY = GetDeviceCaps(LOGPIXELSY);
    if (mode == MM_TEXT) {
        FState.WindowExt = FState.ViewportExt = {1, 1};
    } else if (mode <= MM_TWIPS) {
        FState.WindowExt = {unitsPerInch[mode], unitsPerInch[mode]};
        FState.ViewportExt = {dpiX, -dpiY};
    }
    // isotropic and anisotropic start from the extents of the mode before
    if (mode == MM_ISOTROPIC) ScaleExtents();
    return old;
}

// Isotropic mapping keeps one unit the same size on both axes: the larger scale gives way.
void TCanvas::ScaleExtents()
{
    if (FState.MapMode != MM_ISOTROPIC || FState.WindowExt.cx == 0 || FState.WindowExt.cy == 0) return;
    double sx = std::abs(ScaleX()), sy = std::abs(ScaleY());
    auto sign = [](Integer v) { return v < 0 ? -1 : 1; };
    if (sx < sy)
        FState.ViewportExt.cy = sign(FState.ViewportExt.cy) *
                                static_cast<Integer>(std::lround(sx * std::abs(FState.WindowExt.cy)));
    else if (sy < sx)
        FState.ViewportExt.cx = sign(FState.ViewportExt.cx) *
                                static_cast<Integer>(std::lround(sy * std::abs(FState.WindowExt.cx)));
}

TSize TCanvas::SetWindowExt(Integer cx, Integer cy)
{
    TSize old = FState.WindowExt;
    if (FState.MapMode < MM_ISOTROPIC || cx == 0 || cy == 0) return old;
    FState.WindowExt = {cx, cy};
    ScaleExtents();
    return old;
}

TSize TCanvas::SetViewportExt(Integer cx, Integer cy)
{
    TSize old = FState.ViewportExt;
    if (FState.MapMode < MM_ISOTROPIC || cx == 0 || cy == 0) return old;
    FState.ViewportExt = {cx, cy};
    ScaleExtents();
    return old;
}

TPoint TCanvas::SetWindowOrg(Integer x, Integer y)
{
    TPoint old = FState.WindowOrg;
    FState.WindowOrg = {x, y};
    return old;
}

TPoint TCanvas::SetViewportOrg(Integer x, Integer y)
{
    TPoint old = FState.ViewportOrg;
    FState.ViewportOrg = {x, y};
    return old;
}

// ---------------------------------------------------------------- state

// The device-context state below belongs to the handle: a font or brush chosen before is selected
// into it first, so the value set here is the one the next drawing uses.
int TCanvas::SetBkMode(int mode)
{
    Realize();
    int old = FState.BkMode;
    if (mode == TRANSPARENT || mode == OPAQUE) FState.BkMode = mode;
    return old;
}

TColor TCanvas::SetBkColor(TColor color)
{
    Realize();
    TColor old = FState.BkColor;
    FState.BkColor = color;
    return old;
}

TColor TCanvas::SetTextColor(TColor color)
{
    Realize();
    TColor old = FState.TextColor;
    FState.TextColor = color;
    return old;
}

int TCanvas::SetTextAlign(int align)
{
    int old = FState.TextAlign;
    FState.TextAlign = align;
    return old;
}

int TCanvas::SetROP2(int r2)
{
    int old = GetROP2();
    static const TPenMode modes[17] = {TPenMode::pmCopy, TPenMode::pmBlack, TPenMode::pmNotMerge,
        TPenMode::pmMaskNotPen, TPenMode::pmNotCopy, TPenMode::pmMaskPenNot, TPenMode::pmNot, TPenMode::pmXor,
        TPenMode::pmNotMask, TPenMode::pmMask, TPenMode::pmNotXor, TPenMode::pmNop, TPenMode::pmMergeNotPen,
        TPenMode::pmCopy, TPenMode::pmMergePenNot, TPenMode::pmMerge, TPenMode::pmWhite};
    if (r2 >= 1 && r2 <= 16) FPen.SetMode(modes[r2]);
    return old;
}

int TCanvas::GetROP2() const { return raster::PenModeToRop2(FPen.Mode()); }

int TCanvas::SelectClipRgn(const TRegion* region)
{
    if (region) FState.Clip = *region;
    else FState.Clip.reset();
    return FState.Clip ? FState.Clip->Kind() : SIMPLEREGION;
}

void TCanvas::SetVisibleRegion(const TRegion* region)
{
    if (region) FVisible = *region;
    else FVisible.reset();
}

int TCanvas::ExtSelectClipRgn(const TRegion* region, int mode)
{
    if (mode == RGN_COPY || !region) return SelectClipRgn(mode == RGN_COPY ? region : nullptr);
    TSize size = FDevice ? FDevice->DeviceSize() : TSize{};
    TRegion current = FState.Clip ? *FState.Clip : TRegion(Rect(0, 0, size.cx, size.cy));
    current.Combine(*region, mode);
    FState.Clip = current;
    return current.Kind();
}

int TCanvas::IntersectClipRect(Integer l, Integer t, Integer r, Integer b)
{
    TRegion rg(LPtoDP(Rect(l, t, r, b)));
    return ExtSelectClipRgn(&rg, RGN_AND);
}

int TCanvas::ExcludeClipRect(Integer l, Integer t, Integer r, Integer b)
{
    TRegion rg(LPtoDP(Rect(l, t, r, b)));
    return ExtSelectClipRgn(&rg, RGN_DIFF);
}

TRect TCanvas::ClipRect()
{
    TSize size = FDevice ? FDevice->DeviceSize() : TSize{};
    TRect r = Rect(0, 0, size.cx, size.cy);
    if (FState.Clip) IntersectRect(r, r, FState.Clip->BoundingRect());
    if (FVisible) IntersectRect(r, r, FVisible->BoundingRect());
    TPoint a = DPtoLP(r.TopLeft()), b = DPtoLP(r.BottomRight());
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

int TCanvas::SetTextCharacterExtra(int extra)
{
    int old = FState.CharExtra;
    FState.CharExtra = extra;
    return old;
}

int TCanvas::SetStretchBltMode(int mode)
{
    int old = FState.StretchMode;
    if (mode >= 1 && mode <= 4) FState.StretchMode = mode;
    return old;
}

int TCanvas::SetPolyFillMode(int mode)
{
    int old = FState.PolyFillMode;
    if (mode == ALTERNATE || mode == WINDING) FState.PolyFillMode = mode;
    return old;
}

// ---------------------------------------------------------------- paths

namespace {
// The outline of a rectangle whose corners are rounded by a cw x ch ellipse (an ellipse when they
// are the box's size), through the centres of its edge pixels: a closed polygon, clockwise.
std::vector<TPoint> RoundOutline(const TRect& box, Integer cw, Integer ch)
{
    const double rx = (std::min(std::abs(cw), box.Width()) - 1) / 2.0;
    const double ry = (std::min(std::abs(ch), box.Height()) - 1) / 2.0;
    const double left = box.Left + rx, right = box.Right - 1 - rx, top = box.Top + ry, bottom = box.Bottom - 1 - ry;
    const int steps = std::max(2, static_cast<int>(std::ceil((rx + ry) / 2)));
    const double pi = std::acos(-1.0);
    struct Corner { double cx, cy, from; };
    const Corner corners[] = {{left, top, pi}, {right, top, 1.5 * pi}, {right, bottom, 0}, {left, bottom, 0.5 * pi}};
    std::vector<TPoint> points;
    for (const Corner& c : corners)
        for (int i = 0; i <= steps; ++i) {
            const double a = c.from + 0.5 * pi * i / steps;
            TPoint p{static_cast<Integer>(std::lround(c.cx + rx * std::cos(a))),
                     static_cast<Integer>(std::lround(c.cy + ry * std::sin(a)))};
            if (points.empty() || !(points.back() == p)) points.push_back(p);
        }
    if (points.size() > 1 && points.back() == points.front()) points.pop_back();
    return points;
}
}  // namespace

namespace {
// The letters of a text placed as the device draws them: each mask with the device point of its
// pixel (0, 0), rendered only inside the device area `visible`; `box` receives the text's unrotated
// box.  With extra spacing every character goes out by itself, further along the baseline.
struct TTextMask {
    TGlyphMask Mask;
    TPoint At;
};
std::vector<TTextMask> PlaceText(const TFontSpec& font, const String& text, TPoint ref, int align, int charExtra,
                                 const TRect& visible, TRect& box)
{
    TFontEngine& engine = FontEngine();
    const TFontMetrics m = engine.Metrics(font);
    const Integer width = engine.TextWidth(font, text) + charExtra * text.Length();
    const double ox = (align & TA_CENTER) == TA_CENTER ? -width / 2 : (align & TA_RIGHT) ? -width : 0;
    const double oy = (align & TA_BASELINE) == TA_BASELINE ? -m.Ascent : (align & TA_BOTTOM) ? -m.Height : 0;
    const double angle = font.Orientation * M_PI / 1800.0;
    const double c = std::cos(angle), s = std::sin(angle);
    const TPoint origin{ref.X + static_cast<Integer>(std::lround(ox * c + oy * s)),
                        ref.Y + static_cast<Integer>(std::lround(-ox * s + oy * c))};
    box = Bounds(origin.X, origin.Y, width, m.Height);
    std::vector<std::pair<String, Integer>> runs;
    if (charExtra == 0) {
        runs.push_back({text, 0});
    } else {
        for (int i = 1; i <= text.Length(); ++i)
            runs.push_back({Copy(text, i, 1), engine.TextWidth(font, Copy(text, 1, i - 1)) + charExtra * (i - 1)});
    }
    std::vector<TTextMask> masks;
    for (const auto& [run, advance] : runs) {
        const TPoint runAt{origin.X + static_cast<Integer>(std::lround(advance * c)),
                           origin.Y - static_cast<Integer>(std::lround(advance * s))};
        TRect runVisible = visible;
        OffsetRect(runVisible, -runAt.X, -runAt.Y);
        TGlyphMask mask = engine.Render(font, run, runVisible);
        const TPoint at{runAt.X + mask.OriginX, runAt.Y + mask.OriginY};
        masks.push_back({std::move(mask), at});
    }
    return masks;
}

// The outlines of a mask's pixels: closed polygons along the pixel edges that part set pixels
// from clear ones, in device units with corners at pixel corners, each going round with the set
// pixels on its right.  Filled by the alternate rule they cover exactly the set pixels.
std::vector<std::vector<TPoint>> MaskOutlines(const TGlyphMask& mask, TPoint at)
{
    auto set = [&](Integer x, Integer y) {
        return x >= 0 && y >= 0 && x < mask.Width && y < mask.Height && mask.Bits[size_t(y) * mask.Width + x];
    };
    // every edge between a set and a clear pixel, by its start corner
    std::multimap<std::pair<Integer, Integer>, TPoint> edges;
    for (Integer y = 0; y < mask.Height; ++y)
        for (Integer x = 0; x < mask.Width; ++x) {
            if (!set(x, y)) continue;
            if (!set(x, y - 1)) edges.insert({{x, y}, TPoint{x + 1, y}});
            if (!set(x + 1, y)) edges.insert({{x + 1, y}, TPoint{x + 1, y + 1}});
            if (!set(x, y + 1)) edges.insert({{x + 1, y + 1}, TPoint{x, y + 1}});
            if (!set(x - 1, y)) edges.insert({{x, y + 1}, TPoint{x, y}});
        }
    std::vector<std::vector<TPoint>> outlines;
    while (!edges.empty()) {
        auto edge = edges.begin();
        const TPoint start{edge->first.first, edge->first.second};
        std::vector<TPoint> corners{start};
        TPoint p = start;
        while (edge != edges.end()) {
            const TPoint next = edge->second;
            edges.erase(edge);
            // a corner where the outline goes straight on is left out
            if (corners.size() >= 2) {
                const TPoint a = corners[corners.size() - 2], b = corners.back();
                if ((b.X - a.X) * (next.Y - b.Y) == (b.Y - a.Y) * (next.X - b.X)) corners.pop_back();
            }
            corners.push_back(next);
            p = next;
            if (p == start) break;
            edge = edges.find({p.X, p.Y});
        }
        corners.pop_back();   // the start again
        for (TPoint& c : corners) c = {c.X + at.X, c.Y + at.Y};
        outlines.push_back(std::move(corners));
    }
    return outlines;
}
}  // namespace

void TCanvas::BeginPath()
{
    FPath.clear();
    FPathOpen = true;
}

void TCanvas::EndPath() { FPathOpen = false; }

void TCanvas::AbortPath()
{
    FPath.clear();
    FPathOpen = false;
}

void TCanvas::CloseFigure()
{
    if (FPathOpen && !FPath.empty()) FPath.back().Closed = true;
}

bool TCanvas::AddToPath(const TCanvasOp& op)
{
    switch (op.Kind) {
    case TCanvasOp::opLine:
        if (FPath.empty() || FPath.back().Closed || !(FPath.back().Points.back() == op.Points[0]))
            FPath.push_back({{op.Points[0]}, false});
        FPath.back().Points.push_back(op.Points[1]);
        return true;
    case TCanvasOp::opPolyline: FPath.push_back({op.Points, false}); return true;
    case TCanvasOp::opPolygon: FPath.push_back({op.Points, true}); return true;
    case TCanvasOp::opRectangle: {
        const TRect& r = op.Rect;
        FPath.push_back({{{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}}, true});
        return true;
    }
    case TCanvasOp::opRoundRect: FPath.push_back({RoundOutline(op.Rect, op.Param1, op.Param2), true}); return true;
    case TCanvasOp::opEllipse: FPath.push_back({RoundOutline(op.Rect, op.Rect.Width(), op.Rect.Height()), true}); return true;
    case TCanvasOp::opText: {
        // the outlines of the letters, as the text would be drawn
        TRect box;
        const TSize size = FDevice ? FDevice->DeviceSize() : TSize{};
        for (const TTextMask& m : PlaceText(DeviceFont(), op.Text, ToDevice(op.Points[0]), FState.TextAlign,
                                            FState.CharExtra, Rect(0, 0, size.cx, size.cy), box))
            for (std::vector<TPoint>& outline : MaskOutlines(m.Mask, m.At)) {
                for (TPoint& p : outline) p = DPtoLP(p);
                FPath.push_back({std::move(outline), true});
            }
        return true;
    }
    default: return false;   // drawn as usual
    }
}

void TCanvas::StrokePath()
{
    std::vector<TFigure> figures = std::move(FPath);
    FPath.clear();
    FPathOpen = false;
    for (const TFigure& f : figures)
        Run({.Kind = f.Closed ? TCanvasOp::opPolygon : TCanvasOp::opPolyline, .Points = f.Points, .Param1 = 1});
}

void TCanvas::FillPath()
{
    std::vector<TFigure> figures = std::move(FPath);
    FPath.clear();
    FPathOpen = false;
    const TPenStyle style = FPen.Style();
    FPen.SetStyle(TPenStyle::psClear);
    for (const TFigure& f : figures) Run({.Kind = TCanvasOp::opPolygon, .Points = f.Points});
    FPen.SetStyle(style);
}

bool TCanvas::WidenPath()
{
    if (FPathOpen || FPath.empty()) return false;
    std::vector<std::vector<TPoint>> outlines;
    TRect bounds;
    for (const TFigure& f : FPath) {
        std::vector<TPoint> dev;
        for (const TPoint& p : f.Points) {
            dev.push_back(ToDevice(p));
            UnionRect(bounds, bounds, {dev.back().X, dev.back().Y, dev.back().X + 1, dev.back().Y + 1});
        }
        outlines.push_back(std::move(dev));
    }
    const Integer w = DevicePenWidth();
    InflateRect(bounds, w + 1, w + 1);
    TCoverage stroke(bounds);
    const TPenStyle style = FPen.Style();
    if (style == TPenStyle::psClear) FPen.SetStyle(TPenStyle::psSolid);
    for (size_t i = 0; i < outlines.size(); ++i) StrokePath(stroke, outlines[i], FPath[i].Closed);
    FPen.SetStyle(style);
    // the covered pixels become one rectangular figure per run of a row, in logical units
    FPath.clear();
    for (Integer y = bounds.Top; y < bounds.Bottom; ++y)
        for (Integer x = bounds.Left; x < bounds.Right;) {
            if (!stroke.Get(x, y)) {
                ++x;
                continue;
            }
            Integer end = x;
            while (end < bounds.Right && stroke.Get(end, y)) ++end;
            TPoint a = DPtoLP({x, y}), b = DPtoLP({end, y + 1});
            FPath.push_back({{{a.X, a.Y}, {b.X, a.Y}, {b.X, b.Y}, {a.X, b.Y}}, true});
            x = end;
        }
    return true;
}

std::optional<TRegion> TCanvas::PathToRegion()
{
    if (FPathOpen || FPath.empty()) return std::nullopt;
    const bool winding = FState.PolyFillMode == WINDING;
    TRegion region;
    for (const TFigure& f : FPath) {
        std::vector<TPoint> dev;
        for (const TPoint& p : f.Points) dev.push_back(ToDevice(p));
        region.Combine(TRegion::Polygon(dev, winding), winding ? RGN_OR : RGN_XOR);
    }
    FPath.clear();
    return region;
}

void TCanvas::StrokeAndFillPath()
{
    std::vector<TFigure> figures = FPath;
    FillPath();
    FPath = std::move(figures);
    StrokePath();
}

int TCanvas::SaveDC()
{
    FSaved.push_back({FState, {}, {}, {}});
    FSaved.back().Pen.Assign(FPen);
    FSaved.back().Brush.Assign(FBrush);
    FSaved.back().Font.Assign(FFont);
    return static_cast<int>(FSaved.size());
}

bool TCanvas::RestoreDC(int saved)
{
    int index = saved < 0 ? static_cast<int>(FSaved.size()) + saved + 1 : saved;
    if (index < 1 || index > static_cast<int>(FSaved.size())) return false;
    TSaved& s = FSaved[size_t(index - 1)];
    FState = s.State;
    FPen.Assign(s.Pen);
    FBrush.Assign(s.Brush);
    FFont.Assign(s.Font);
    FSaved.resize(size_t(index - 1));
    FBrushRealized = FFontRealized = false;
    return true;
}

bool TCanvas::TryLock()
{
    if (!FLock.try_lock()) return false;
    ++FLockCount;
    return true;
}

Integer TCanvas::GetDeviceCaps(int index) const
{
    // without a device the canvas answers as the screen does, with no pixels
    const TSize size = FDevice ? FDevice->DeviceSize() : TSize{};
    const Integer dpiX = FDevice ? FDevice->LogPixelsX() : 96, dpiY = FDevice ? FDevice->LogPixelsY() : 96;
    switch (index) {
    case HORZRES: return size.cx;
    case VERTRES: return size.cy;
    case LOGPIXELSX: return dpiX;
    case LOGPIXELSY: return dpiY;
    case HORZSIZE: return MulDiv(size.cx, 254, dpiX * 10);
    case VERTSIZE: return MulDiv(size.cy, 254, dpiY * 10);
    case BITSPIXEL: return 32;
    // relative pixel width, height and diagonal: square pixels
    case ASPECTX:
    case ASPECTY: return 36;
    case ASPECTXY: return 51;
    case PHYSICALWIDTH: return FDevice ? FDevice->PhysicalSize().cx : 0;
    case PHYSICALHEIGHT: return FDevice ? FDevice->PhysicalSize().cy : 0;
    case PHYSICALOFFSETX: return FDevice ? FDevice->PhysicalOffset().X : 0;
    case PHYSICALOFFSETY: return FDevice ? FDevice->PhysicalOffset().Y : 0;
    default: return 0;
    }
}

TFontSpec TCanvas::DeviceFont()
{
    TFontSpec s;
    s.Name = FFont.Name();
    // font heights are logical units, scaled by the mapping like any other length, up to the
    // largest height a font takes
    const double scale = std::abs(ScaleY() * FState.PlaceSY);
    s.Height = static_cast<Integer>(std::lround(std::clamp(FFont.Height() * scale, -double(MaxFontHeight), double(MaxFontHeight))));
    if (s.Height == 0) s.Height = FFont.Height() < 0 ? -1 : 1;
    s.Style = FFont.Style();
    s.Orientation = FFont.Orientation();
    s.Pitch = FFont.Pitch();
    s.Charset = FFont.Charset();
    return s;
}

Integer TCanvas::DevicePenWidth() const
{
    // a pen from a damaged picture is no wider than a screen
    constexpr double MaxWidth = 4096;
    if (FPen.Width() == 0) return 1;
    const double width = FPen.Width() * std::abs(ScaleX() * FState.PlaceSX);
    return static_cast<Integer>(std::lround(std::clamp(width, 1.0, MaxWidth)));
}

TTextMetric TCanvas::GetTextMetrics()
{
    TFontMetrics m = FontEngine().Metrics(DeviceFont());
    double scale = std::abs(ScaleY() * FState.PlaceSY);
    auto logical = [&](Integer v) { return static_cast<Integer>(std::lround(v / scale)); };
    TTextMetric t;
    t.tmHeight = logical(m.Height);
    t.tmAscent = logical(m.Ascent);
    t.tmDescent = logical(m.Descent);
    t.tmInternalLeading = logical(m.InternalLeading);
    t.tmExternalLeading = logical(m.ExternalLeading);
    t.tmAveCharWidth = logical(m.AveCharWidth);
    t.tmMaxCharWidth = logical(m.MaxCharWidth);
    t.tmWeight = m.Weight;
    t.tmItalic = FFont.Style().Contains(TFontStyle::fsItalic);
    t.tmUnderlined = FFont.Style().Contains(TFontStyle::fsUnderline);
    t.tmStruckOut = FFont.Style().Contains(TFontStyle::fsStrikeOut);
    // low bit set means variable pitch, as the platform has it; TMPF_TRUETYPE for outline fonts
    t.tmPitchAndFamily = (m.FixedPitch ? 0 : 1) | (m.TrueType ? TMPF_TRUETYPE : 0);
    t.tmCharSet = FFont.Charset();
    return t;
}

// ---------------------------------------------------------------- canvas calls

void TCanvas::MoveTo(Integer x, Integer y) { FPenPos = {x, y}; }

void TCanvas::LineTo(Integer x, Integer y)
{
    Realize();
    Run({.Kind = TCanvasOp::opLine, .Points = {FPenPos, {x, y}}});
    FPenPos = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& points)
{
    if (points.empty()) return;
    Realize();
    Run({.Kind = TCanvasOp::opPolyline, .Points = points});
}

void TCanvas::Polygon(const std::vector<TPoint>& points)
{
    if (points.size() < 2) return;
    Realize();
    Run({.Kind = TCanvasOp::opPolygon, .Points = points});
}

void TCanvas::Rectangle(Integer x1, Integer y1, Integer x2, Integer y2)
{
    Realize();
    Run({.Kind = TCanvasOp::opRectangle, .Rect = {x1, y1, x2, y2}});
}

void TCanvas::RoundRect(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3)
{
    Realize();
    Run({.Kind = TCanvasOp::opRoundRect, .Rect = {x1, y1, x2, y2}, .Param1 = x3, .Param2 = y3});
}

void TCanvas::Ellipse(Integer x1, Integer y1, Integer x2, Integer y2)
{
    Realize();
    Run({.Kind = TCanvasOp::opEllipse, .Rect = {x1, y1, x2, y2}});
}

void TCanvas::Arc(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4)
{
    Realize();
    Run({.Kind = TCanvasOp::opArc, .Points = {{x3, y3}, {x4, y4}}, .Rect = {x1, y1, x2, y2}});
}

void TCanvas::Pie(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4)
{
    Realize();
    Run({.Kind = TCanvasOp::opPie, .Points = {{x3, y3}, {x4, y4}}, .Rect = {x1, y1, x2, y2}});
}

void TCanvas::Chord(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4)
{
    Realize();
    Run({.Kind = TCanvasOp::opChord, .Points = {{x3, y3}, {x4, y4}}, .Rect = {x1, y1, x2, y2}});
}

TColor TCanvas::Pixel(Integer x, Integer y)
{
    TPixelBuffer buf;
    if (!GetPixels(buf)) return clNone;
    TPoint d = ToDevice({x, y});
    if (d.X < 0 || d.Y < 0 || d.X >= buf.Width || d.Y >= buf.Height) return clNone;
    return raster::FromPixel(buf.Row(d.Y)[d.X]);
}

void TCanvas::SetPixel(Integer x, Integer y, TColor color)
{
    Run({.Kind = TCanvasOp::opPixel, .Points = {{x, y}}, .Color = color});
}

void TCanvas::FillRect(const TRect& r)
{
    Realize();
    Run({.Kind = TCanvasOp::opFillRect, .Rect = r});
}

void TCanvas::FillRectColor(const TRect& r, TColor color)
{
    Run({.Kind = TCanvasOp::opFillRect, .Rect = r, .Color = color});
}

// A one-pixel frame in the brush, right and bottom edges exclusive.
void TCanvas::FrameRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    FillRect({r.Left, r.Top, r.Right, r.Top + 1});
    FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
    FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
    FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

void TCanvas::PatBlt(const TRect& r, Cardinal rop)
{
    Realize();
    Run({.Kind = TCanvasOp::opStretchBlt, .Rect = r, .Param1 = static_cast<Integer>(rop)});
}

// Every other pixel of the rectangle's edge inverted, so a second call erases it.
void TCanvas::DrawFocusRect(const TRect& r)
{
    if (r.IsEmpty()) return;
    TPen saved;
    saved.Assign(FPen);
    int bk = SetBkMode(TRANSPARENT);
    FPen.SetStyle(TPenStyle::psAlternate);
    FPen.SetMode(TPenMode::pmXor);
    FPen.SetWidth(0);
    FPen.SetColor(clWhite);
    Run({.Kind = TCanvasOp::opPolygon,
         .Points = {{r.Left, r.Top}, {r.Right - 1, r.Top}, {r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1}},
         .Param1 = 1});
    FPen.Assign(saved);
    SetBkMode(bk);
}

void TCanvas::TextOut(Integer x, Integer y, const String& text)
{
    Realize();
    ExtTextOut(x, y, 0, nullptr, text);
    if (!(FState.TextAlign & TA_UPDATECP)) FPenPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, Integer x, Integer y, const String& text)
{
    Realize();
    int options = ETO_CLIPPED | (FBrush.Style() != TBrushStyle::bsClear ? ETO_OPAQUE : 0);
    ExtTextOut(x, y, options, &r, text);
}

void TCanvas::ExtTextOut(Integer x, Integer y, int options, const TRect* r, const String& text)
{
    TCanvasOp op{.Kind = TCanvasOp::opText, .Points = {{x, y}}, .Param1 = options, .Text = text};
    if (FState.TextAlign & TA_UPDATECP) op.Points[0] = FPenPos;
    if (r) op.Rect = *r;
    else op.Param1 &= ~(ETO_OPAQUE | ETO_CLIPPED);
    Run(op);
    if (FState.TextAlign & TA_UPDATECP) FPenPos.X += TextWidth(text);
}

TSize TCanvas::TextExtent(const String& text)
{
    TFontSpec fontSpec = DeviceFont();
    TFontEngine& engine = FontEngine();
    double sx = std::abs(ScaleX() * FState.PlaceSX), sy = std::abs(ScaleY() * FState.PlaceSY);
    Integer w = engine.TextWidth(fontSpec, text) + FState.CharExtra * text.Length(), h = engine.Metrics(fontSpec).Height;
    return {static_cast<Integer>(std::lround(w / sx)), static_cast<Integer>(std::lround(h / sy))};
}

std::vector<Integer> TCanvas::PartialExtents(const String& text)
{
    TFontSpec fontSpec = DeviceFont();
    TFontEngine& engine = FontEngine();
    const double sx = std::abs(ScaleX() * FState.PlaceSX);
    std::vector<Integer> extents = engine.PartialWidths(fontSpec, text);
    for (size_t i = 0; i < extents.size(); ++i) {
        const Integer w = extents[i] + FState.CharExtra * static_cast<Integer>(i + 1);
        extents[i] = static_cast<Integer>(std::lround(w / sx));
    }
    return extents;
}

void TCanvas::StretchBlt(const TRect& dest, const TBitmap& source, const TRect& sourceRect, Cardinal rop,
                         TColor sourceBackground)
{
    Realize();
    Run({.Kind = TCanvasOp::opStretchBlt, .Rect = dest, .Color = sourceBackground, .Param1 = static_cast<Integer>(rop),
         .Source = &source, .SourceRect = sourceRect});
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap& bitmap, const TRect& source, TColor color)
{
    TBitmap copy;
    copy.Assign(bitmap);
    copy.SetPixelFormat(TPixelFormat::pf32bit);
    TPixelBuffer px;
    if (!copy.GetPixels(px)) return;
    const Cardinal key = raster::ToPixel(ColorToRGB(color)), brush = raster::ToPixel(ColorToRGB(FBrush.Color()));
    for (Integer y = 0; y < px.Height; ++y)
        for (Integer x = 0; x < px.Width; ++x)
            if ((px.Row(y)[x] & 0xFFFFFF) == key) px.Row(y)[x] = brush;
    StretchBlt(dest, copy, source, SRCCOPY);
}

void TCanvas::AlphaBlend(const TRect& dest, const TBitmap& source, const TRect& sourceRect, BLENDFUNCTION blend)
{
    Run({.Kind = TCanvasOp::opAlphaBlend, .Rect = dest,
         .Param2 = blend.SourceConstantAlpha | (blend.AlphaFormat << 8), .Source = &source,
         .SourceRect = sourceRect});
}

void TCanvas::Draw(Integer x, Integer y, TGraphic& graphic)
{
    if (graphic.Empty()) return;
    graphic.DrawOn(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic& graphic)
{
    if (graphic.Empty()) return;
    graphic.DrawOn(*this, r);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect)
{
    TPixelBuffer buf;
    if (!source.GetPixels(buf)) return;
    // the source's pixels in its device units, as a bitmap sharing nothing with the source
    TRect sr = source.LPtoDP(sourceRect);
    TBitmap copy;
    copy.SetPixelFormat(TPixelFormat::pf32bit);
    copy.SetSize(buf.Width, buf.Height);
    for (Integer y = 0; y < buf.Height; ++y)
        std::copy(buf.Row(y), buf.Row(y) + buf.Width, reinterpret_cast<Cardinal*>(copy.ScanLine(y)));
    StretchBlt(dest, copy, sr, FCopyMode);
}

void TCanvas::Execute(const TCanvasOp& op) { Run(op); }

// ---------------------------------------------------------------- rasterising

namespace {
// Operations with the points their kind needs (a damaged picture file may hold others).
bool WellFormed(const TCanvasOp& op)
{
    switch (op.Kind) {
    case TCanvasOp::opLine:
    case TCanvasOp::opArc:
    case TCanvasOp::opPie:
    case TCanvasOp::opChord: return op.Points.size() == 2;
    case TCanvasOp::opPolyline:
    case TCanvasOp::opPolygon:
    case TCanvasOp::opPixel:
    case TCanvasOp::opText: return !op.Points.empty();
    case TCanvasOp::opAlphaBlend: return op.Source != nullptr;
    default: return true;
    }
}
}  // namespace

std::function<void(TCanvas& canvas, const TCanvasOp& op)> CanvasOperationHook;

void TCanvas::Run(const TCanvasOp& op)
{
    if (!WellFormed(op)) return;
    if (FPathOpen && AddToPath(op)) return;
    if (CanvasOperationHook) CanvasOperationHook(*this, op);
    if (!FDevice) return;
    Changing();
    TPixelBuffer buf;
    if (FDevice->GetPixels(buf)) Rasterize(op, buf);
    else FDevice->Execute(*this, op);
    Changed();
}

TRect TCanvas::ClipBounds(const TPixelBuffer& buf) const
{
    TRect r = Rect(0, 0, buf.Width, buf.Height);
    if (FState.Clip) IntersectRect(r, r, FState.Clip->BoundingRect());
    if (FVisible) IntersectRect(r, r, FVisible->BoundingRect());
    return r;
}

namespace {
void FillRows(TCanvas::TCoverage& cov, const TRect& box, const RowFn& row)
{
    for (Integer y = std::max(box.Top, cov.Area.Top); y < std::min(box.Bottom, cov.Area.Bottom); ++y) {
        auto s = row(y);
        cov.Span(y, s.first, s.second);
    }
}

// Pixels of the shape with a neighbour outside it: a closed outline one pixel thick.
void OutlineRows(TCanvas::TCoverage& cov, const TRect& box, const RowFn& row,
                 const std::function<bool(Integer, Integer)>& keep)
{
    for (Integer y = std::max(box.Top, cov.Area.Top - 1); y < std::min(box.Bottom, cov.Area.Bottom + 1); ++y) {
        auto s = row(y), up = row(y - 1), down = row(y + 1);
        for (Integer x = std::max(s.first, cov.Area.Left - 1); x < std::min(s.second, cov.Area.Right + 1); ++x)
            if ((x == s.first || x == s.second - 1 || !InRow(up, x) || !InRow(down, x)) && keep(x, y)) cov.Set(x, y);
    }
}

TRect Normalized(TPoint a, TPoint b)
{
    return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}
}  // namespace

// The pen's pixels along a path of device points: thin pens leave out each segment's end pixel
// (a closed path therefore covers every vertex once); wide pens have round ends and joins.
void TCanvas::StrokePath(TCoverage& cov, const std::vector<TPoint>& dev, bool closed)
{
    if (FPen.Style() == TPenStyle::psClear || dev.empty()) return;
    const Integer w = DevicePenWidth();
    const std::vector<Integer>& pattern = w <= 1 ? DashPattern(FPen) : DashPattern(TPen());
    Integer total = 0;
    for (Integer v : pattern) total += v;
    Integer step = 0;
    auto stamp = [&](Integer x, Integer y) {
        if (w <= 1) {
            Byte v = 1;
            if (total > 0) {
                Integer pos = step++ % total, run = 0;
                for (size_t i = 0; i < pattern.size(); ++i) {
                    run += pattern[i];
                    if (pos < run) {
                        v = i % 2 == 0 ? 1 : 2;
                        break;
                    }
                }
                if (v == 2 && FState.BkMode != OPAQUE) return;
            }
            cov.Set(x, y, v);
            return;
        }
        // a disc of the pen's width, (dx - centre)^2 + (dy - centre)^2 <= r^2, a span on each row
        // the coverage holds; an even width centres it between pixels
        const double r = w / 2.0, centre = w % 2 == 0 ? 0.5 : 0.0;
        const Integer lo = -(w - 1) / 2, hi = w / 2;
        for (Integer dy = std::max(lo, cov.Area.Top - y); dy <= std::min(hi, cov.Area.Bottom - 1 - y); ++dy) {
            const double half = std::sqrt(r * r - (dy - centre) * (dy - centre));
            const Integer left = std::max(lo, static_cast<Integer>(std::ceil(centre - half)));
            const Integer right = std::min(hi, static_cast<Integer>(std::floor(centre + half)));
            cov.Span(y + dy, x + left, x + right + 1);
        }
    };
    size_t n = dev.size();
    size_t segments = closed ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        TPoint a = dev[i], b = dev[(i + 1) % n];
        TRect limit = cov.Area;
        InflateRect(limit, w, w);
        raster::LinePixels(a.X, a.Y, b.X, b.Y, stamp, &limit);
        if (w > 1) stamp(b.X, b.Y);
    }
}

void TCanvas::DrawOutline(TCoverage& cov, const TCanvasOp& op, const TRect& box)
{
    const Integer w = DevicePenWidth();
    const bool inside = FPen.Style() == TPenStyle::psInsideFrame;
    TRect outer = box;
    if (w > 1 && !inside) outer = {box.Left - (w - 1) / 2, box.Top - (w - 1) / 2, box.Right + w / 2, box.Bottom + w / 2};
    RowFn row = ShapeRows(op, outer, ScaleX() * FState.PlaceSX, ScaleY() * FState.PlaceSY);
    std::function<bool(Integer, Integer)> keep = [](Integer, Integer) { return true; };
    TPoint s, e;
    if (op.Kind == TCanvasOp::opArc || op.Kind == TCanvasOp::opPie || op.Kind == TCanvasOp::opChord) {
        s = ToDevice(op.Points[0]);
        e = ToDevice(op.Points[1]);
        keep = [outer, s, e](Integer x, Integer y) { return raster::InSweep(outer, s, e, x + 0.5, y + 0.5); };
    }
    if (w <= 1 && op.Kind == TCanvasOp::opRectangle && !DashPattern(FPen).empty()) {
        // a styled thin pen runs its pattern around the rectangle from the top-left corner
        StrokePath(cov, {{box.Left, box.Top}, {box.Right - 1, box.Top}, {box.Right - 1, box.Bottom - 1},
                         {box.Left, box.Bottom - 1}}, true);
    } else if (w <= 1) {
        OutlineRows(cov, outer, row, keep);
    } else {
        TRect inner = {outer.Left + w, outer.Top + w, outer.Right - w, outer.Bottom - w};
        RowFn innerRow = ShapeRows(op, inner, ScaleX() * FState.PlaceSX, ScaleY() * FState.PlaceSY);
        for (Integer y = std::max(outer.Top, cov.Area.Top); y < std::min(outer.Bottom, cov.Area.Bottom); ++y) {
            auto o = row(y), i = inner.IsEmpty() ? std::pair{0, 0} : innerRow(y);
            for (Integer x = std::max(o.first, cov.Area.Left); x < std::min(o.second, cov.Area.Right); ++x)
                if (!InRow(i, x) && keep(x, y)) cov.Set(x, y);
        }
    }
    if (op.Kind == TCanvasOp::opPie || op.Kind == TCanvasOp::opChord) {
        TPoint ps = raster::RadialPoint(box, s), pe = raster::RadialPoint(box, e);
        TPoint centre{(box.Left + box.Right - 1) / 2, (box.Top + box.Bottom - 1) / 2};
        if (op.Kind == TCanvasOp::opPie) StrokePath(cov, {pe, centre, ps}, false);
        else StrokePath(cov, {pe, ps}, false);
    }
}

void TCanvas::Rasterize(const TCanvasOp& op, const TPixelBuffer& buf)
{
    const TRect clip = ClipBounds(buf);
    const bool pen = FPen.Style() != TPenStyle::psClear;
    const Integer w = DevicePenWidth();
    auto area = [&](TRect r) {
        InflateRect(r, w + 1, w + 1);
        IntersectRect(r, r, clip);
        return r;
    };
    std::vector<TPoint> dev;
    for (const TPoint& p : op.Points) dev.push_back(ToDevice(p));

    switch (op.Kind) {
    case TCanvasOp::opLine:
    case TCanvasOp::opPolyline:
    case TCanvasOp::opPolygon: {
        TRect bounds = Normalized(dev[0], dev[0]);
        for (const TPoint& p : dev) UnionRect(bounds, bounds, Normalized(p, {p.X + 1, p.Y + 1}));
        if (bounds.IsEmpty()) bounds = {dev[0].X, dev[0].Y, dev[0].X + 1, dev[0].Y + 1};
        if (op.Kind == TCanvasOp::opPolygon && op.Param1 == 0) {
            TCoverage fill(area(bounds));
            raster::PolygonSpans(dev, FState.PolyFillMode == WINDING, [&](Integer y, Integer l, Integer r) { fill.Span(y, l, r); }, &fill.Area);
            ApplyBrush(fill, buf, clNone, true);
        }
        TCoverage stroke(area(bounds));
        StrokePath(stroke, dev, op.Kind == TCanvasOp::opPolygon);
        ApplyPen(stroke, buf);
        FDevice->Changed(stroke.Area);
        return;
    }
    case TCanvasOp::opRectangle:
    case TCanvasOp::opRoundRect:
    case TCanvasOp::opEllipse:
    case TCanvasOp::opArc:
    case TCanvasOp::opPie:
    case TCanvasOp::opChord: {
        TRect box = LPtoDP(op.Rect);
        if (box.IsEmpty()) return;   // an empty box draws nothing
        TRect fillBox = box;
        if (!pen) {
            // without a pen the filled area is one pixel smaller at the right and bottom
            fillBox.Right -= 1;
            fillBox.Bottom -= 1;
        }
        if (op.Kind != TCanvasOp::opArc) {
            TCoverage fill(area(box));
            RowFn row = ShapeRows(op, fillBox, ScaleX() * FState.PlaceSX, ScaleY() * FState.PlaceSY);
            FillRows(fill, fillBox, row);
            if (op.Kind == TCanvasOp::opPie || op.Kind == TCanvasOp::opChord) {
                TPoint s = dev[0], e = dev[1];
                TPoint ps = raster::RadialPoint(box, s), pe = raster::RadialPoint(box, e);
                for (Integer y = fill.Area.Top; y < fill.Area.Bottom; ++y)
                    for (Integer x = fill.Area.Left; x < fill.Area.Right; ++x) {
                        if (!fill.Get(x, y)) continue;
                        bool keep;
                        if (op.Kind == TCanvasOp::opPie) {
                            keep = raster::InSweep(box, s, e, x + 0.5, y + 0.5);
                        } else {
                            // the side of the chord (from the end point to the start point) the arc is on
                            double cross = double(ps.X - pe.X) * (y + 0.5 - pe.Y) - double(ps.Y - pe.Y) * (x + 0.5 - pe.X);
                            keep = cross >= 0;
                        }
                        if (!keep) fill.Bits[size_t(y - fill.Area.Top) * fill.Area.Width() + (x - fill.Area.Left)] = 0;
                    }
            }
            if (pen) {
                TCoverage ring(area(box));
                DrawOutline(ring, op, box);
                fill.Remove(ring);
                ApplyBrush(fill, buf, clNone, true);
                ApplyPen(ring, buf);
            } else {
                ApplyBrush(fill, buf, clNone, true);
            }
        } else if (pen) {
            TCoverage ring(area(box));
            DrawOutline(ring, op, box);
            ApplyPen(ring, buf);
        }
        FDevice->Changed(area(box));
        return;
    }
    case TCanvasOp::opFillRect: {
        TPoint a = ToDevice(op.Rect.TopLeft()), b = ToDevice(op.Rect.BottomRight());
        TRect r{a.X, a.Y, b.X, b.Y};
        if (r.IsEmpty()) return;
        TCoverage fill(area(r));
        for (Integer y = std::max(r.Top, fill.Area.Top); y < std::min(r.Bottom, fill.Area.Bottom); ++y)
            fill.Span(y, r.Left, r.Right);
        ApplyBrush(fill, buf, op.Color, false);
        FDevice->Changed(fill.Area);
        return;
    }
    case TCanvasOp::opPixel: {
        TPoint d = dev[0];
        if (!clip.Contains(d) || (FState.Clip && !FState.Clip->Contains(d.X, d.Y))) return;
        buf.Row(d.Y)[d.X] = raster::ToPixel(ColorToRGB(op.Color));
        FDevice->Changed({d.X, d.Y, d.X + 1, d.Y + 1});
        return;
    }
    case TCanvasOp::opText: RenderText(op, buf); return;
    case TCanvasOp::opStretchBlt:
    case TCanvasOp::opAlphaBlend: Blit(op, buf); return;
    }
}

namespace {
bool InClip(const std::optional<TRegion>& clip, Integer x, Integer y) { return !clip || clip->Contains(x, y); }
}  // namespace

// The pattern brush's pixel at a device point (the pattern is aligned to the device origin); a
// monochrome pattern takes the text colour for its 0 bits (black) and the background colour for
// its 1 bits (white).
Cardinal TCanvas::PatternPixel(const TPixelBuffer& pattern, Integer x, Integer y) const
{
    const Cardinal p = pattern.Row(y % pattern.Height)[x % pattern.Width] & 0xFFFFFF;
    if (!FBrush.Bitmap()->Monochrome()) return p;
    return raster::ToPixel(ColorToRGB(p ? FState.BkColor : FState.TextColor));
}

bool TCanvas::Reaches(Integer x, Integer y) const { return InClip(FState.Clip, x, y) && InClip(FVisible, x, y); }

void TCanvas::ApplyPen(TCoverage& cov, const TPixelBuffer& buf)
{
    const int rop = raster::PenModeToRop2(FPen.Mode());
    const Cardinal fg = raster::ToPixel(ColorToRGB(FPen.Color())), bg = raster::ToPixel(ColorToRGB(FState.BkColor));
    for (Integer y = cov.Area.Top; y < cov.Area.Bottom; ++y) {
        Cardinal* row = buf.Row(y);
        for (Integer x = cov.Area.Left; x < cov.Area.Right; ++x) {
            Byte v = cov.Get(x, y);
            if (!v || !Reaches(x, y)) continue;
            row[x] = raster::Rop2(rop, v == 1 ? fg : bg, row[x] & 0xFFFFFF);
        }
    }
}

// The brush over the covered pixels: solid colour, hatch (background by the background mode) or
// pattern bitmap, aligned to the device origin.  Shapes combine by the pen's raster operation;
// FillRect copies.
void TCanvas::ApplyBrush(TCoverage& cov, const TPixelBuffer& buf, TColor solidOverride, bool useRop)
{
    if (solidOverride == clNone && FBrush.Style() == TBrushStyle::bsClear && !FBrush.Bitmap()) return;
    const int rop = useRop ? raster::PenModeToRop2(FPen.Mode()) : 13;
    const Cardinal fg = raster::ToPixel(ColorToRGB(solidOverride != clNone ? solidOverride : FBrush.Color()));
    const Cardinal bg = raster::ToPixel(ColorToRGB(FState.BkColor));
    const Byte* hatch = solidOverride == clNone ? raster::HatchPattern(FBrush.Style()) : nullptr;
    TPixelBuffer pattern;
    if (solidOverride == clNone && FBrush.Bitmap()) FBrush.Bitmap()->GetPixels(pattern);
    for (Integer y = cov.Area.Top; y < cov.Area.Bottom; ++y) {
        Cardinal* row = buf.Row(y);
        for (Integer x = cov.Area.Left; x < cov.Area.Right; ++x) {
            if (!cov.Get(x, y) || !Reaches(x, y)) continue;
            Cardinal src = fg;
            if (pattern.Bits && pattern.Width > 0 && pattern.Height > 0) {
                src = PatternPixel(pattern, x, y);
            } else if (hatch) {
                bool on = hatch[y & 7] & (0x80 >> (x & 7));
                // shapes leave the hatch's gaps alone in transparent mode; fills always paint them
                if (!on && useRop && FState.BkMode != OPAQUE) continue;
                src = on ? fg : bg;
            }
            row[x] = raster::Rop2(rop, src, row[x] & 0xFFFFFF);
        }
    }
}

void TCanvas::RenderText(const TCanvasOp& op, const TPixelBuffer& buf)
{
    const TFontSpec fontSpec = DeviceFont();
    TRect clipTo = Rect(0, 0, buf.Width, buf.Height);
    TRect optRect = LPtoDP(op.Rect);
    if (op.Param1 & ETO_CLIPPED) IntersectRect(clipTo, clipTo, optRect);
    TRect box;
    const std::vector<TTextMask> masks =
        PlaceText(fontSpec, op.Text, ToDevice(op.Points[0]), FState.TextAlign, FState.CharExtra, clipTo, box);
    auto plot = [&](Integer x, Integer y, Cardinal color) {
        if (clipTo.Contains({x, y}) && Reaches(x, y)) buf.Row(y)[x] = color;
    };
    const Cardinal bg = raster::ToPixel(ColorToRGB(FState.BkColor));
    TRect opaque;
    if (op.Param1 & ETO_OPAQUE) opaque = optRect;
    else if (FState.BkMode == OPAQUE && fontSpec.Orientation == 0) opaque = box;
    for (Integer y = std::max(opaque.Top, 0); y < std::min(opaque.Bottom, buf.Height); ++y)
        for (Integer x = std::max(opaque.Left, 0); x < std::min(opaque.Right, buf.Width); ++x) plot(x, y, bg);
    const Cardinal fg = raster::ToPixel(ColorToRGB(FState.TextColor));
    TRect touched;
    UnionRect(touched, box, opaque);
    for (const TTextMask& m : masks) {
        for (Integer y = 0; y < m.Mask.Height; ++y)
            for (Integer x = 0; x < m.Mask.Width; ++x)
                if (m.Mask.Bits[size_t(y) * m.Mask.Width + x]) plot(m.At.X + x, m.At.Y + y, fg);
        UnionRect(touched, touched, Bounds(m.At.X, m.At.Y, m.Mask.Width, m.Mask.Height));
    }
    FDevice->Changed(touched);
}

// Blits: pattern-only raster operations (no source), stretched copies with a ternary raster
// operation (nearest source pixel), and alpha blending.  Negative extents mirror.  The common
// copies go row by row; everything else pixel by pixel, with the same pixels.
void TCanvas::Blit(const TCanvasOp& op, const TPixelBuffer& buf)
{
    if (!BlitRows(op, buf)) BlitByPixel(op, buf);
}

namespace {
using TSpans = std::vector<std::pair<Integer, Integer>>;

// Keeps the parts of the spans [left, right) that lie in row y of the region; no region keeps all.
void ClipSpans(TSpans& spans, const std::optional<TRegion>& region, Integer y, TSpans& scratch)
{
    if (!region) return;
    scratch.clear();
    for (const TRegion::Band& band : region->Bands()) {
        if (y < band.Top || y >= band.Bottom) continue;
        for (auto [left, right] : spans)
            for (auto [bandLeft, bandRight] : band.Spans) {
                const Integer l = std::max(left, bandLeft), r = std::min(right, bandRight);
                if (l < r) scratch.emplace_back(l, r);
            }
        break;
    }
    spans.swap(scratch);
}

// One destination span from its source row: `columns` holds each pixel's source column, -1 where
// the source has none (the pixel stays).
template <typename Combine>
void CombineSpan(Cardinal* row, const Cardinal* from, const Integer* columns, Integer count, Combine combine)
{
    for (Integer i = 0; i < count; ++i)
        if (columns[i] >= 0) row[i] = combine(from[columns[i]] & 0xFFFFFF, row[i] & 0xFFFFFF) & 0xFFFFFF;
}

// Whether a ternary raster operation's result depends on the pattern: its truth table (bit
// 4p + 2s + d) differs between p = 1 and p = 0.
bool UsesPattern(Cardinal rop)
{
    const Cardinal table = (rop >> 16) & 0xFF;
    return (table >> 4) != (table & 0x0F);
}
}  // namespace

// A source copied or stretched with a raster operation whose pattern plays no part or is the
// solid brush, with no alpha and no monochrome conversion: each destination column's source
// column is worked out once, the clip is taken a row of spans at a time, and the usual copies
// combine without the general truth table.  False when the blit is not of that kind.
bool TCanvas::BlitRows(const TCanvasOp& op, const TPixelBuffer& buf)
{
    if (op.Kind != TCanvasOp::opStretchBlt || !op.Source) return false;
    const Cardinal rop = static_cast<Cardinal>(op.Param1);
    const bool sourceMono = op.Source->PixelFormat() == TPixelFormat::pf1bit;
    if (sourceMono != FDevice->Monochrome()) return false;
    if (UsesPattern(rop) && (FBrush.Bitmap() || raster::HatchPattern(FBrush.Style()))) return false;

    TPoint a = ToDevice(op.Rect.TopLeft()), b = ToDevice(op.Rect.BottomRight());
    TRect dest = Normalized(a, b);
    if (dest.IsEmpty()) return true;
    TRect area;
    IntersectRect(area, dest, ClipBounds(buf));
    TPixelBuffer src;
    if (!op.Source->GetPixels(src)) return true;
    const TRect& sr = op.SourceRect;
    const bool flipX = (b.X < a.X) != (sr.Right < sr.Left), flipY = (b.Y < a.Y) != (sr.Bottom < sr.Top);
    const Integer sw = std::abs(sr.Width()), sh = std::abs(sr.Height());
    const Integer sl = std::min(sr.Left, sr.Right), st = std::min(sr.Top, sr.Bottom);

    std::vector<Integer> columns;
    for (Integer x = area.Left; x < area.Right; ++x) {
        const Integer rx = flipX ? dest.Right - 1 - x : x - dest.Left;
        const Integer sx = sl + static_cast<Integer>(Int64{rx} * sw / dest.Width());
        columns.push_back(sx >= 0 && sx < src.Width ? sx : -1);
    }
    const Cardinal brush = raster::ToPixel(ColorToRGB(FBrush.Color()));
    TSpans spans, scratch;
    for (Integer y = area.Top; y < area.Bottom; ++y) {
        const Integer ry = flipY ? dest.Bottom - 1 - y : y - dest.Top;
        const Integer sy = st + static_cast<Integer>(Int64{ry} * sh / dest.Height());
        if (sy < 0 || sy >= src.Height) continue;
        spans.assign(1, {area.Left, area.Right});
        ClipSpans(spans, FState.Clip, y, scratch);
        ClipSpans(spans, FVisible, y, scratch);
        const Cardinal* from = src.Row(sy);
        for (auto [left, right] : spans) {
            Cardinal* row = buf.Row(y) + left;
            const Integer* cols = columns.data() + (left - area.Left);
            const Integer count = right - left;
            switch ((rop >> 16) & 0xFF) {
            case 0xCC: CombineSpan(row, from, cols, count, [](Cardinal s, Cardinal) { return s; }); break;
            case 0x88: CombineSpan(row, from, cols, count, [](Cardinal s, Cardinal d) { return s & d; }); break;
            case 0xEE: CombineSpan(row, from, cols, count, [](Cardinal s, Cardinal d) { return s | d; }); break;
            case 0x66: CombineSpan(row, from, cols, count, [](Cardinal s, Cardinal d) { return s ^ d; }); break;
            default:
                CombineSpan(row, from, cols, count,
                            [rop, brush](Cardinal s, Cardinal d) { return raster::Rop3(rop, brush, s, d); });
            }
        }
    }
    FDevice->Changed(area);
    return true;
}

void TCanvas::BlitByPixel(const TCanvasOp& op, const TPixelBuffer& buf)
{
    TPoint a = ToDevice(op.Rect.TopLeft()), b = ToDevice(op.Rect.BottomRight());
    TRect dest = Normalized(a, b);
    if (dest.IsEmpty()) return;
    TRect area;
    IntersectRect(area, dest, ClipBounds(buf));
    TPixelBuffer src;
    if (op.Source && !op.Source->GetPixels(src)) return;
    const TRect& sr = op.SourceRect;
    const bool flipX = (b.X < a.X) != (sr.Right < sr.Left), flipY = (b.Y < a.Y) != (sr.Bottom < sr.Top);
    const Integer sw = std::abs(sr.Width()), sh = std::abs(sr.Height());
    const Integer sl = std::min(sr.Left, sr.Right), st = std::min(sr.Top, sr.Bottom);
    const Cardinal brush = raster::ToPixel(ColorToRGB(FBrush.Color()));
    const Byte* hatch = raster::HatchPattern(FBrush.Style());
    TPixelBuffer pattern;
    if (FBrush.Bitmap()) FBrush.Bitmap()->GetPixels(pattern);
    const bool alpha = op.Kind == TCanvasOp::opAlphaBlend;
    const Integer constAlpha = op.Param2 & 0xFF;
    const bool perPixel = (op.Param2 >> 8) & AC_SRC_ALPHA;
    const bool monoSource = op.Source && op.Source->PixelFormat() == TPixelFormat::pf1bit && !FDevice->Monochrome();
    const bool monoDest = op.Source && op.Source->PixelFormat() != TPixelFormat::pf1bit && FDevice->Monochrome();
    const Cardinal text = raster::ToPixel(ColorToRGB(FState.TextColor)), bk = raster::ToPixel(ColorToRGB(FState.BkColor));
    const Cardinal sourceBk = raster::ToPixel(ColorToRGB(op.Color == clNone ? clWhite : op.Color));
    for (Integer y = area.Top; y < area.Bottom; ++y) {
        Cardinal* row = buf.Row(y);
        Integer ry = flipY ? dest.Bottom - 1 - y : y - dest.Top;
        Integer syy = src.Bits ? st + static_cast<Integer>(Int64{ry} * sh / dest.Height()) : 0;
        for (Integer x = area.Left; x < area.Right; ++x) {
            if (!Reaches(x, y)) continue;
            Cardinal s = 0;
            if (src.Bits) {
                Integer rx = flipX ? dest.Right - 1 - x : x - dest.Left;
                Integer sxx = sl + static_cast<Integer>(Int64{rx} * sw / dest.Width());
                if (sxx < 0 || syy < 0 || sxx >= src.Width || syy >= src.Height) continue;
                s = src.Row(syy)[sxx];
                if (monoSource) s = (s & 0xFFFFFF) ? bk : text;
                else if (monoDest) s = (s & 0xFFFFFF) == sourceBk ? 0xFFFFFF : 0;
            }
            if (alpha) {
                // premultiplied source over destination, scaled by the constant alpha
                Cardinal d = row[x];
                Integer sa = perPixel ? Integer((s >> 24) & 0xFF) * constAlpha / 255 : constAlpha;
                Cardinal out = 0;
                for (int shift = 0; shift <= 16; shift += 8) {
                    Integer sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
                    Integer scaled = perPixel ? sc * constAlpha / 255 : sc * sa / 255;
                    Integer v = scaled + dc * (255 - sa) / 255;
                    out |= Cardinal(std::min(v, 255)) << shift;
                }
                row[x] = out;
                continue;
            }
            Cardinal p = brush;
            if (pattern.Bits && pattern.Width > 0 && pattern.Height > 0) p = PatternPixel(pattern, x, y);
            else if (hatch) p = (hatch[y & 7] & (0x80 >> (x & 7))) ? brush : raster::ToPixel(ColorToRGB(FState.BkColor));
            row[x] = raster::Rop3(static_cast<Cardinal>(op.Param1), p, s & 0xFFFFFF, row[x] & 0xFFFFFF);
        }
    }
    FDevice->Changed(area);
}
