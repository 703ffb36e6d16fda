#include "platform/graphics/Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace raster {

void LinePixels(Integer x0, Integer y0, Integer x1, Integer y1, const PixelFn& fn, const TRect* limit)
{
    const Int64 dx = std::llabs(Int64{x1} - x0), dy = std::llabs(Int64{y1} - y0);
    const Int64 sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
    const Int64 n = std::max(dx, dy);
    Int64 first = 0, last = n;   // steps [first, last)
    if (limit) {
        // steps whose main coordinate falls inside the limit
        const bool xMajor = dx >= dy;
        const Int64 origin = xMajor ? x0 : y0, step = xMajor ? sx : sy;
        const Int64 lo = xMajor ? limit->Left : limit->Top, hi = xMajor ? limit->Right : limit->Bottom;
        const Int64 a = (lo - origin) * step, b = (hi - 1 - origin) * step;
        first = std::max<Int64>(first, std::min(a, b));
        last = std::min<Int64>(last, std::max(a, b) + 1);
    }
    for (Int64 i = first; i < last; ++i) {
        // position along the major axis is exact; the minor one is rounded, halves towards the start
        Int64 minor = (2 * i * std::min(dx, dy) + n - 1) / (2 * n);
        Int64 x = dx >= dy ? i : minor, y = dx >= dy ? minor : i;
        fn(static_cast<Integer>(x0 + sx * x), static_cast<Integer>(y0 + sy * y));
    }
}

std::pair<Integer, Integer> EllipseRow(const TRect& box, Integer y)
{
    if (box.IsEmpty() || y < box.Top || y >= box.Bottom) return {0, 0};
    const double a = box.Width() / 2.0, b = box.Height() / 2.0;
    const double cx = (box.Left + box.Right) / 2.0 - 0.5, cy = (box.Top + box.Bottom) / 2.0 - 0.5;
    const double t = (y - cy) / b;
    const double w = a * std::sqrt(std::max(0.0, 1.0 - t * t));
    Integer l = static_cast<Integer>(std::ceil(cx - w)), r = static_cast<Integer>(std::floor(cx + w)) + 1;
    return l < r ? std::pair{l, r} : std::pair{0, 0};
}

std::pair<Integer, Integer> RoundRectRow(const TRect& box, Integer cw, Integer ch, Integer y)
{
    if (box.IsEmpty() || y < box.Top || y >= box.Bottom) return {0, 0};
    cw = std::min(cw, box.Width());
    ch = std::min(ch, box.Height());
    TRect corner;
    if (y < box.Top + ch / 2) corner = {box.Left, box.Top, box.Left + cw, box.Top + ch};
    else if (y >= box.Bottom - ch / 2) corner = {box.Left, box.Bottom - ch, box.Left + cw, box.Bottom};
    else return {box.Left, box.Right};
    auto s = EllipseRow(corner, y);
    if (s.first >= s.second) return {0, 0};
    Integer inset = s.first - box.Left;
    return {box.Left + inset, box.Right - inset};
}

void PolygonSpans(const std::vector<TPoint>& pts, bool winding, const SpanFn& fn, const TRect* limit)
{
    if (pts.size() < 3) return;
    Integer top = pts[0].Y, bottom = pts[0].Y;
    for (auto& p : pts) {
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    if (limit) {
        top = std::max(top, limit->Top);
        bottom = std::min(bottom, limit->Bottom);
    }
    std::vector<std::pair<double, int>> xs;
    for (Integer y = top; y < bottom; ++y) {
        xs.clear();
        for (size_t i = 0; i < pts.size(); ++i) {
            TPoint a = pts[i], b = pts[(i + 1) % pts.size()];
            if (a.Y == b.Y) continue;
            int dir = a.Y < b.Y ? 1 : -1;
            if (a.Y > b.Y) std::swap(a, b);
            if (y < a.Y || y >= b.Y) continue;   // edges cover [top, bottom)
            xs.push_back({a.X + double(y - a.Y) * (b.X - a.X) / (b.Y - a.Y), dir});
        }
        std::sort(xs.begin(), xs.end());
        int count = 0;
        for (size_t i = 0; i + 1 < xs.size(); ++i) {
            count += winding ? xs[i].second : 1;
            bool in = winding ? count != 0 : (count % 2) == 1;
            if (!in) continue;
            Integer l = static_cast<Integer>(std::ceil(xs[i].first));
            Integer r = static_cast<Integer>(std::ceil(xs[i + 1].first));
            if (l < r) fn(y, l, r);
        }
    }
}

namespace {
double AngleOf(const TRect& box, double x, double y)
{
    const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
    double a = std::atan2(-(y - cy), x - cx);
    return a < 0 ? a + 2 * M_PI : a;
}
}  // namespace

bool InSweep(const TRect& box, TPoint start, TPoint end, double x, double y)
{
    double s = AngleOf(box, start.X, start.Y), e = AngleOf(box, end.X, end.Y), a = AngleOf(box, x, y);
    double sweep = e - s;
    if (sweep <= 0) sweep += 2 * M_PI;
    double rel = a - s;
    if (rel < 0) rel += 2 * M_PI;
    return rel <= sweep + 1e-9;
}

TPoint RadialPoint(const TRect& box, TPoint p)
{
    const double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
    const double a = box.Width() / 2.0, b = box.Height() / 2.0;
    double dx = p.X - cx, dy = p.Y - cy;
    double len = std::sqrt(dx * dx / (a * a) + dy * dy / (b * b));
    if (len == 0) return {static_cast<Integer>(cx), static_cast<Integer>(cy)};
    return {static_cast<Integer>(std::lround(cx + dx / len)), static_cast<Integer>(std::lround(cy + dy / len))};
}

Cardinal Rop2(int r2, Cardinal p, Cardinal d)
{
    const unsigned t = static_cast<unsigned>(r2 - 1);
    Cardinal r = 0;
    if (t & 8) r |= p & d;
    if (t & 4) r |= p & ~d;
    if (t & 2) r |= ~p & d;
    if (t & 1) r |= ~p & ~d;
    return r & 0xFFFFFF;
}

int PenModeToRop2(TPenMode mode)
{
    static const int codes[16] = {1, 16, 11, 6, 13, 4, 14, 5, 12, 3, 15, 2, 9, 8, 7, 10};
    return codes[static_cast<int>(mode)];
}

Cardinal Rop3(Cardinal rop, Cardinal p, Cardinal s, Cardinal d)
{
    const unsigned table = (rop >> 16) & 0xFF;
    Cardinal r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(table & (1u << i))) continue;
        Cardinal m = ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
        r |= m;
    }
    return r & 0xFFFFFF;
}

const Byte* HatchPattern(TBrushStyle style)
{
    static const Byte patterns[6][8] = {
        {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},   // horizontal
        {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},   // vertical
        {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},   // forward diagonal: top-left to bottom-right
        {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},   // backward diagonal
        {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0xFF},   // cross
        {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81}};  // diagonal cross
    int i = static_cast<int>(style) - static_cast<int>(TBrushStyle::bsHorizontal);
    return i >= 0 && i < 6 ? patterns[i] : nullptr;
}

}  // namespace raster
