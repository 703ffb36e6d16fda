// Queries over the display lists and bulk edits: searches by tag, class and kind, counts,
// extents, nearest items, marking, rescaling, recolouring and copying annotations.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/VEZ_dizure.h"
#include "numerics/VEZ_math1.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr double NoDistance = 1.7e308;

bool KindMatches(TrcItem filter, TrcItem kind)
{
    return filter == kind || filter == tkEverything || (filter == tkNotMoveTo && kind != tkMoveTo);
}

bool ItemMatches(const TrcChartItem& it, Integer Tag, Integer TagMask, Byte ItemClass, TrcItem ItemKind)
{
    return (TagMask == 0 || (it.Tag & TagMask) == (Tag & TagMask)) && (ItemClass == 255 || it.ItemClass == ItemClass) &&
           KindMatches(ItemKind, it.ItemKind);
}

Integer Search(const TRcItemContainer& list, Integer count, Integer StartIx, Integer Tag, Integer TagMask,
               Byte ItemClass, TrcItem ItemKind)
{
    if (StartIx < 0) return -1;
    for (Integer i = StartIx; i < count; ++i)
        if (ItemMatches(list[i], Tag, TagMask, ItemClass, ItemKind)) return i;
    return -1;
}

bool HasSecondPoint(TrcItem k)
{
    return k == tkLine || k == tkRect || k == tkRectFrame || k == tk3DBar || k == tkArrow || k == tkDoubleArrow ||
           k == tkLineOffs;
}

}  // namespace

Integer TCustomDIzure::SearchDataItem(Integer StartIx, Integer Tag, Integer TagMask, Byte ItemClass,
                                      TrcItem ItemKind) const
{
    return Search(FDataContainer, FNumChartItems, StartIx, Tag, TagMask, ItemClass, ItemKind);
}

Integer TCustomDIzure::SearchAnnoItem(Integer StartIx, Integer Tag, Integer TagMask, Byte ItemClass,
                                      TrcItem ItemKind) const
{
    return Search(FAnnoContainer, FNumAnnoItems, StartIx, Tag, TagMask, ItemClass, ItemKind);
}

Integer TCustomDIzure::CountAnnos(Integer Tag, Integer TagMask, Byte ItemClass, TrcItem ItemKind) const
{
    Integer n = 0;
    for (Integer i = 0; i < FNumAnnoItems; ++i) n += ItemMatches(FAnnoContainer[i], Tag, TagMask, ItemClass, ItemKind);
    return n;
}

Integer TCustomDIzure::CountAnnoByClass(const std::vector<Byte>& ClList) const
{
    Integer n = 0;
    for (Byte cls : ClList)
        for (Integer i = 0; i < FNumAnnoItems; ++i) n += FAnnoContainer[i].ItemClass == cls;
    return n;
}

void TCustomDIzure::FindMinMax(Integer Layer, double RangeLoX, double RangeLoY, double RangeHiX, double RangeHiY,
                               double& MinX, double& MinY, double& MaxX, double& MaxY) const
{
    MinX = MinY = NoDistance;
    MaxX = MaxY = -NoDistance;
    auto take = [&](double x, double y) {
        if (!(RangeLoX < x && x < RangeHiX && RangeLoY < y && y < RangeHiY)) return;
        MinX = std::min(MinX, x);
        MaxX = std::max(MaxX, x);
        MinY = std::min(MinY, y);
        MaxY = std::max(MaxY, y);
    };
    for (Integer i = 0; i < FNumChartItems; ++i) {
        const TrcChartItem& it = FDataContainer[i];
        if ((Layer != 0 && it.Layer != Layer) || it.ItemKind == tkMoveRelPix || it.ItemKind == tkLineRelPix) continue;
        take(it.x, it.y);
        if (HasSecondPoint(it.ItemKind)) take(it.x2, it.y2);
    }
}

Cardinal TCustomDIzure::FindUsedLayers() const
{
    Cardinal bits = 0;
    for (Integer i = 0; i < FNumChartItems; ++i) {
        const Integer L = FDataContainer[i].Layer;
        if (L >= 1 && L <= 16) bits |= 1u << L;
    }
    return bits;
}

Integer TCustomDIzure::FindNearestItemReal(double mx, double my, TrcItem ItemID, Byte ClassNumber,
                                           bool VisLayersOnly, double& Dist) const
{
    double best = NoDistance;
    Integer found = -1;
    if (ItemID != tkNone)
        for (Integer i = 0; i < FNumChartItems; ++i) {
            const TrcChartItem& it = FDataContainer[i];
            if (!ItemMatches(it, 0, 0, ClassNumber, ItemID) || (VisLayersOnly && !FLayerVisib[it.Layer])) continue;
            const double d = (it.x - mx) * (it.x - mx) + (it.y - my) * (it.y - my);
            if (d < best) {
                best = d;
                found = i;
            }
        }
    Dist = std::sqrt(best);
    return found;
}

Integer TCustomDIzure::FindNearestItemScreen(double mx, double my, TrcItem ItemID, Byte ClassNumber,
                                             bool VisLayersOnly, double& Dist) const
{
    double best = NoDistance;
    Integer found = -1;
    Integer px = 0, py = 0;
    R2M(FActiveLayer, mx, my, px, py);
    if (ItemID != tkNone)
        for (Integer i = 0; i < FNumChartItems; ++i) {
            const TrcChartItem& it = FDataContainer[i];
            if (!ItemMatches(it, 0, 0, ClassNumber, ItemID) || (VisLayersOnly && !FLayerVisib[it.Layer])) continue;
            Integer ix = 0, iy = 0;
            R2M(FActiveLayer, it.x, it.y, ix, iy);
            const double d = double(ix - px) * (ix - px) + double(iy - py) * (iy - py);
            if (d < best) {
                best = d;
                found = i;
            }
        }
    Dist = std::sqrt(best);
    return found;
}

Integer TCustomDIzure::FindNearestItemAlongAxis(double pos, TAxis Axis, TrcItem ItemID, Byte ClassNumber,
                                                bool VisLayersOnly, double& dist) const
{
    double best = NoDistance;
    Integer found = -1;
    dist = best;
    if (Axis == atZAxis || ItemID == tkNone) return -1;
    Integer px = 0, py = 0;
    R2M(FActiveLayer, pos, pos, px, py);
    const Integer target = Axis == atXAxis ? px : py;
    for (Integer i = 0; i < FNumChartItems; ++i) {
        const TrcChartItem& it = FDataContainer[i];
        if (!ItemMatches(it, 0, 0, ClassNumber, ItemID) || (VisLayersOnly && !FLayerVisib[it.Layer])) continue;
        Integer ix = 0, iy = 0;
        R2M(FActiveLayer, it.x, it.y, ix, iy);
        const double d = std::abs((Axis == atXAxis ? ix : iy) - target);
        if (d < best) {
            best = d;
            found = i;
        }
    }
    dist = best;
    return found;
}

void TCustomDIzure::MarkAllItems(TrcItem ItemID, Byte ClassNumber)
{
    if (ClassNumber == 255 || ItemID == tkNone) return;
    for (Integer i = 0; i < FNumChartItems; ++i)
        if (KindMatches(ItemID, FDataContainer[i].ItemKind)) FDataContainer[i].ItemClass = ClassNumber;
}

Integer TCustomDIzure::MarkItemsInWindow(double xLo, double YLo, double XHi, double YHi, TrcItem ItemID,
                                         Byte ClassNumber)
{
    if (ClassNumber == 255 || ItemID == tkNone) return 0;
    if (xLo > XHi) std::swap(xLo, XHi);
    if (YLo > YHi) std::swap(YLo, YHi);
    Integer n = 0;
    for (Integer i = 0; i < FNumChartItems; ++i) {
        TrcChartItem& it = FDataContainer[i];
        if (!KindMatches(ItemID, it.ItemKind) || it.x < xLo || it.x > XHi || it.y < YLo || it.y > YHi) continue;
        it.ItemClass = ClassNumber;
        ++n;
    }
    return n;
}

void TCustomDIzure::ScaleItem(Integer Item, double kx, double dx, double ky, double dy)
{
    if (Item < 0 || Item >= FNumChartItems) return;
    TrcChartItem& it = FDataContainer[Item];
    it.x = kx * it.x + dx;
    it.y = ky * it.y + dy;
    if (HasSecondPoint(it.ItemKind) || it.ItemKind == tkEllipse || it.ItemKind == tkArc) {
        it.x2 = kx * it.x2 + dx;
        it.y2 = ky * it.y2 + dy;
    }
}

void TCustomDIzure::ScaleAllItems(double kx, double dx, double ky, double dy)
{
    for (Integer i = 0; i < FNumChartItems; ++i) ScaleItem(i, kx, dx, ky, dy);
}

void TCustomDIzure::ScaleSelectedItems(double kx, double dx, double ky, double dy, Byte ClassNumber)
{
    for (Integer i = 0; i < FNumChartItems; ++i)
        if (FDataContainer[i].ItemClass == ClassNumber) ScaleItem(i, kx, dx, ky, dy);
}

void TCustomDIzure::NewColorOfClassItems(TColor Newcol, Byte ClassNumber)
{
    for (Integer i = 0; i < FNumChartItems; ++i)
        if (ClassNumber == 255 || FDataContainer[i].ItemClass == ClassNumber) FDataContainer[i].Color = Newcol;
}

void TCustomDIzure::CopyAnnoFrom(TCustomDIzure* SrcChart, const std::vector<Byte>& ClassFilter, bool AppendIt)
{
    if (!SrcChart) return;
    auto wanted = [&](const TrcChartItem& it) {
        if (ClassFilter.empty()) return true;
        for (Byte c : ClassFilter)
            if (c == it.ItemClass) return true;
        return false;
    };
    // Read the source first: it may be this chart.
    std::vector<TrcChartItem> items;
    std::vector<String> texts;
    for (Integer i = 0; i < SrcChart->FNumAnnoItems; ++i) {
        const TrcChartItem& it = SrcChart->FAnnoContainer[i];
        if (!wanted(it)) continue;
        items.push_back(it);
        texts.push_back(it.LWid >= 1 && it.LWid <= 50 && (it.ItemKind == tkText || it.ItemKind == tkTextOfs)
                            ? SrcChart->FLongTextsAnno[it.LWid]
                            : String());
    }
    if (!AppendIt) {
        FNumAnnoItems = 0;
        FAnnoContainer.SetLength(1);
        FAnnoContainer[0] = TrcChartItem{};
        FNumAllocAnno = 0;
        FNumLongTextsAnno = 0;
        FLongTextsAnno.fill(String());
    }
    FAnnoContainer.SetLength(std::max<Integer>(1, FNumAnnoItems + static_cast<Integer>(items.size())));
    FNumAllocAnno = FAnnoContainer.Length();
    for (size_t k = 0; k < items.size(); ++k) {
        TrcChartItem it = items[k];
        if (it.ItemKind == tkText || it.ItemKind == tkTextOfs) {
            if (it.LWid != 0 && FNumLongTextsAnno < 50) {
                it.LWid = ++FNumLongTextsAnno;
                FLongTextsAnno[it.LWid] = texts[k];
            } else {
                it.LWid = 0;
            }
        }
        FAnnoContainer[FNumAnnoItems++] = it;
    }
    RepaintRule();
}

// A point of an annotation item in control pixels, by its coordinate mode (pixel coordinates
// count from the top-left corner of the data area).
TPoint TCustomDIzure::AnnoPoint(const TrcChartItem& it, bool second) const
{
    const double x = second ? it.x2 : it.x, y = second ? it.y2 : it.y;
    Integer wx = 0, wy = 0;
    R2M(it.Layer >= 1 && it.Layer <= 16 ? it.Layer : 1, x, y, wx, wy);
    const Integer sx = static_cast<Integer>(Round(x)) + RcLRim, sy = static_cast<Integer>(Round(y)) + RcTRim;
    switch (it.CoordMode) {
    case cmAllScreen: return {sx, sy};
    case cmWorldMainScreenSec: return second ? TPoint{sx, sy} : TPoint{wx, wy};
    case cmScreenMainWorldSec: return second ? TPoint{wx, wy} : TPoint{sx, sy};
    case cmXScreenYWorld: return {sx, wy};
    case cmXWorldYScreen: return {wx, sy};
    default: return {wx, wy};
    }
}

// The squared pixel distance from m to the drawn shape of an annotation item (for ellipses
// the world-unit measure); negative when the item cannot be hit.
double TCustomDIzure::AnnoMeasure(const TrcChartItem& it, Integer index, double mx, double my, TPoint m)
{
    auto sq = [](double d) { return d * d; };
    auto toPoint = [&](TPoint p) { return sq(p.X - m.X) + sq(p.Y - m.Y); };
    auto toSegment = [&](TPoint a, TPoint b) { return sq(DistanceToSegment(m.X, m.Y, a.X, a.Y, b.X, b.Y)); };
    auto toRect = [&](Integer x1, Integer y1, Integer x2, Integer y2) {
        return sq(DistanceToRect(m.X, m.Y, std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)));
    };
    const TPoint a = AnnoPoint(it, false);
    switch (it.ItemKind) {
    case tkMarkAt:
    case tkLineto: return toPoint(a);
    case tkLine:
    case tkArrow:
    case tkDoubleArrow: return toSegment(a, AnnoPoint(it, true));
    case tkRect:
    case tkRectFrame: {
        const TPoint b = AnnoPoint(it, true);
        return toRect(a.X, a.Y, b.X, b.Y);
    }
    case tk3DBar: {
        const TPoint b = AnnoPoint(it, true);
        const double ang = it.Param1 * std::numbers::pi / 180;
        const Integer dx = static_cast<Integer>(Round(std::cos(ang) * it.Param2));
        const Integer dy = -static_cast<Integer>(Round(std::sin(ang) * it.Param2));
        return std::min(toRect(a.X, a.Y, b.X, b.Y), toRect(a.X + dx, a.Y + dy, b.X + dx, b.Y + dy));
    }
    case tkEllipse: {
        const double big = std::max(std::abs(it.x2), std::abs(it.y2));
        const double small = std::min(std::abs(it.x2), std::abs(it.y2));
        const double f = std::sqrt(big * big - small * small);
        const bool alongX = std::abs(it.x2) >= std::abs(it.y2);
        const double f1x = it.x + (alongX ? f : 0), f1y = it.y + (alongX ? 0 : f);
        const double f2x = it.x - (alongX ? f : 0), f2y = it.y - (alongX ? 0 : f);
        const double d = std::hypot(mx - f1x, my - f1y) + std::hypot(mx - f2x, my - f2y) - 2 * big;
        return std::max(0.0, d);
    }
    case tkText:
    case tkTextOfs: {
        String text = it.LWid > 0 && it.LWid <= 50 ? FLongTextsAnno[it.LWid] : it.Text.ToString();
        OnBeforeRenderText(this, text, index, true);
        TCanvas& cv = FGrafBmp.Canvas();
        cv.Font().SetName(FTextFont.Name());
        cv.Font().SetStyle(FTextFont.Style());
        cv.Font().SetSize(it.Param1);
        TPoint p = a;
        if (it.ItemKind == tkTextOfs) {
            Integer wx = 0, wy = 0;
            R2M(it.Layer, it.x, it.y, wx, wy);
            p = {wx + static_cast<Integer>(Round(it.x2)), wy + static_cast<Integer>(Round(it.y2))};
        }
        const Integer w = cv.TextWidth(text), lineH = cv.TextHeight(text) + 1;
        Integer x = p.X;
        const Integer y = p.Y - lineH / 2;
        if (it.Param3 == taRightJustify) x -= w;
        else if (it.Param3 == taCenter) x -= w / 2;
        return toRect(x, y, x + w, y + lineH);
    }
    case tkRectRelPix: return toRect(a.X - it.Param1, a.Y - it.Param2, a.X + it.Param1, a.Y + it.Param2);
    case tkMarkEBar: {
        const bool horiz = it.Param1 == 1;
        TrcChartItem lo = it, hi = it;
        (horiz ? lo.x : lo.y) -= std::abs(it.x2);
        (horiz ? hi.x : hi.y) += std::abs(it.y2);
        return toSegment(AnnoPoint(lo, false), AnnoPoint(hi, false));
    }
    case tkLineOffs: {
        const TPoint b = AnnoPoint(it, true);
        return toSegment({a.X + it.Param1, a.Y + it.Param2}, {b.X + it.Param1, b.Y + it.Param2});
    }
    case tkArc: {
        const double angle = std::atan2(my - it.y, mx - it.x) * 1e8;
        if (!(angle > it.Param1 && angle < it.Param2)) return -1;
        double nx = 0, ny = 0;
        return sq(DistanceToEllipse(m.X, m.Y, a.X, a.Y, it.x2, it.y2, nx, ny));
    }
    case tkLineRelPixOrig:
        return toSegment(a, {a.X + static_cast<Integer>(Round(it.x2)), a.Y + static_cast<Integer>(Round(it.y2))});
    case tkCursorVert: return sq(m.X - a.X);
    case tkCursorHoriz: return sq(m.Y - a.Y);
    default: return -1;   // moves are never hit
    }
}

Integer TCustomDIzure::FindNearestAnnoElem(double mx, double my, TrcItem ItemID, Byte ClassNumber, bool VisLayersOnly,
                                           double& Dist)
{
    double best = NoDistance;
    Integer found = -1;
    TPoint m;
    R2M(FActiveLayer, mx, my, m.X, m.Y);
    if (ItemID != tkNone)
        for (Integer i = 0; i < FNumAnnoItems; ++i) {
            const TrcChartItem& it = FAnnoContainer[i];
            if (ItemID == tkNotMoveTo && it.ItemKind == tkMoveRelPix) continue;
            if (!ItemMatches(it, 0, 0, ClassNumber, ItemID)) continue;
            if (VisLayersOnly && (it.Layer < 1 || it.Layer > 16 || !FLayerVisib[it.Layer])) continue;
            const double d = AnnoMeasure(it, i, mx, my, m);
            if (d >= 0 && d < best) {
                best = d;
                found = i;
            }
        }
    Dist = std::sqrt(best);
    return found;
}
