// Queries over the display lists and bulk edits: searches by tag, class and kind, counts,
// extents, nearest items, marking, rescaling, recolouring and copying annotations.
#include <algorithm>
#include <cmath>

#include "chart/VEZ_dizure.h"

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
