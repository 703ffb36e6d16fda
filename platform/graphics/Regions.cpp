#include "platform/graphics/Regions.h"

#include <algorithm>
#include <cmath>

#include "platform/graphics/Raster.h"

namespace {
using Spans = std::vector<std::pair<Integer, Integer>>;

Spans CombineSpans(const Spans& a, const Spans& b, int op)
{
    std::vector<Integer> xs;
    for (auto& s : a) xs.insert(xs.end(), {s.first, s.second});
    for (auto& s : b) xs.insert(xs.end(), {s.first, s.second});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    auto inside = [](const Spans& s, Integer x) {
        for (auto& p : s)
            if (x >= p.first && x < p.second) return true;
        return false;
    };
    Spans out;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
        bool ia = inside(a, xs[i]), ib = inside(b, xs[i]);
        bool in = op == RGN_AND ? ia && ib : op == RGN_OR ? ia || ib : op == RGN_XOR ? ia != ib : ia && !ib;
        if (!in) continue;
        if (!out.empty() && out.back().second == xs[i]) out.back().second = xs[i + 1];
        else out.push_back({xs[i], xs[i + 1]});
    }
    return out;
}

const Spans* SpansAt(const std::vector<TRegion::Band>& bands, Integer y)
{
    for (auto& b : bands)
        if (y >= b.Top && y < b.Bottom) return &b.Spans;
    return nullptr;
}
}  // namespace

TRegion::TRegion(const TRect& r)
{
    if (!r.IsEmpty()) FBands.push_back({r.Top, r.Bottom, {{r.Left, r.Right}}});
}

void TRegion::AddSpan(Integer y, Integer left, Integer right)
{
    if (right <= left) return;
    if (FBands.empty() || FBands.back().Top != y) FBands.push_back({y, y + 1, {}});
    FBands.back().Spans.push_back({left, right});
}

TRegion TRegion::Ellipse(const TRect& box)
{
    TRegion r;
    for (Integer y = box.Top; y < box.Bottom; ++y) {
        auto [l, rt] = raster::EllipseRow(box, y);
        r.AddSpan(y, l, rt);
    }
    r.Normalize();
    return r;
}

TRegion TRegion::RoundRect(const TRect& box, Integer cw, Integer ch)
{
    TRegion r;
    for (Integer y = box.Top; y < box.Bottom; ++y) {
        auto [l, rt] = raster::RoundRectRow(box, std::abs(cw), std::abs(ch), y);
        r.AddSpan(y, l, rt);
    }
    r.Normalize();
    return r;
}

TRegion TRegion::Polygon(const std::vector<TPoint>& points, bool winding)
{
    TRegion r;
    raster::PolygonSpans(points, winding, [&](Integer y, Integer l, Integer rt) { r.AddSpan(y, l, rt); });
    for (auto& b : r.FBands) b.Spans = CombineSpans(b.Spans, {}, RGN_OR);
    r.Normalize();
    return r;
}

void TRegion::Normalize()
{
    std::vector<Band> out;
    for (auto& b : FBands) {
        if (b.Spans.empty() || b.Bottom <= b.Top) continue;
        if (!out.empty() && out.back().Bottom == b.Top && out.back().Spans == b.Spans) out.back().Bottom = b.Bottom;
        else out.push_back(b);
    }
    FBands = std::move(out);
}

bool TRegion::Contains(Integer x, Integer y) const
{
    const Spans* s = SpansAt(FBands, y);
    if (!s) return false;
    for (auto& p : *s)
        if (x >= p.first && x < p.second) return true;
    return false;
}

bool TRegion::Intersects(const TRect& r) const
{
    TRegion t(r);
    t.Combine(*this, RGN_AND);
    return !t.IsEmpty();
}

TRect TRegion::BoundingRect() const
{
    if (FBands.empty()) return {};
    TRect r{FBands.front().Spans.front().first, FBands.front().Top, FBands.front().Spans.back().second,
            FBands.back().Bottom};
    for (auto& b : FBands) {
        r.Left = std::min(r.Left, b.Spans.front().first);
        r.Right = std::max(r.Right, b.Spans.back().second);
    }
    return r;
}

std::vector<TRect> TRegion::Rects() const
{
    std::vector<TRect> out;
    for (auto& b : FBands)
        for (auto& s : b.Spans) out.push_back({s.first, b.Top, s.second, b.Bottom});
    return out;
}

int TRegion::Kind() const
{
    if (FBands.empty()) return NULLREGION;
    return FBands.size() == 1 && FBands[0].Spans.size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

void TRegion::Offset(Integer dx, Integer dy)
{
    for (auto& b : FBands) {
        b.Top += dy;
        b.Bottom += dy;
        for (auto& s : b.Spans) {
            s.first += dx;
            s.second += dx;
        }
    }
}

void TRegion::Combine(const TRegion& other, int op)
{
    if (op == RGN_COPY) {
        *this = other;
        return;
    }
    std::vector<Integer> ys;
    for (auto& b : FBands) ys.insert(ys.end(), {b.Top, b.Bottom});
    for (auto& b : other.FBands) ys.insert(ys.end(), {b.Top, b.Bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::vector<Band> out;
    static const Spans none;
    for (size_t i = 0; i + 1 < ys.size(); ++i) {
        const Spans* a = SpansAt(FBands, ys[i]);
        const Spans* b = SpansAt(other.FBands, ys[i]);
        out.push_back({ys[i], ys[i + 1], CombineSpans(a ? *a : none, b ? *b : none, op)});
    }
    FBands = std::move(out);
    Normalize();
}

bool operator==(const TRegion& a, const TRegion& b)
{
    if (a.FBands.size() != b.FBands.size()) return false;
    for (size_t i = 0; i < a.FBands.size(); ++i)
        if (a.FBands[i].Top != b.FBands[i].Top || a.FBands[i].Bottom != b.FBands[i].Bottom ||
            a.FBands[i].Spans != b.FBands[i].Spans)
            return false;
    return true;
}

// ---------------------------------------------------------------- handle-level calls

HRGN CreateRectRgn(Integer l, Integer t, Integer r, Integer b)
{
    return new TRegion(Rect(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)));
}
HRGN CreateRectRgnIndirect(const TRect& r) { return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom); }
HRGN CreateEllipticRgn(Integer l, Integer t, Integer r, Integer b) { return new TRegion(TRegion::Ellipse({l, t, r, b})); }
HRGN CreateRoundRectRgn(Integer l, Integer t, Integer r, Integer b, Integer width, Integer height)
{
    const TRect box = Rect(std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b));
    return new TRegion(TRegion::RoundRect(box, width, height));
}
HRGN CreatePolygonRgn(const TPoint* points, int count, int fillMode)
{
    return new TRegion(TRegion::Polygon(std::vector<TPoint>(points, points + count), fillMode == 2));
}

int CombineRgn(HRGN dest, HRGN src1, HRGN src2, int mode)
{
    if (!dest || !src1 || (mode != RGN_COPY && !src2)) return ERROR;
    TRegion r = *src1;
    if (mode != RGN_COPY) r.Combine(*src2, mode);
    *dest = std::move(r);
    return dest->Kind();
}

int OffsetRgn(HRGN rgn, Integer dx, Integer dy)
{
    if (!rgn) return ERROR;
    rgn->Offset(dx, dy);
    return rgn->Kind();
}

int GetRgnBox(HRGN rgn, TRect* r)
{
    if (!rgn || !r) return ERROR;
    *r = rgn->BoundingRect();
    return rgn->Kind();
}

bool PtInRegion(HRGN rgn, Integer x, Integer y) { return rgn && rgn->Contains(x, y); }
bool RectInRegion(HRGN rgn, const TRect* r) { return rgn && r && rgn->Intersects(*r); }
bool EqualRgn(HRGN a, HRGN b) { return a && b && *a == *b; }
bool DeleteObject(HRGN rgn)
{
    delete rgn;
    return rgn != nullptr;
}
