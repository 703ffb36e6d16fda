// Ranges of the chart's layers: applying, joining, equalising and fitting them to the
// data, the zoom confinement and the standard layouts.
#include <cmath>

#include "chart/VEZ_dizure.h"

namespace {

constexpr double Tiny = 1e-100;

}  // namespace

void TCustomDIzure::ApplyLayerRange(Integer layer, bool PushHistory, Extended xLo, Extended yLo, Extended xHi,
                                    Extended yHi, bool Confine)
{
    const auto& box = FZoomRange;   // xLo, yLo, xHi, yHi
    if (Confine && (box[0] != 0 || box[1] != 0 || box[2] != 0 || box[3] != 0)) {
        const Extended dX = xHi - xLo, dY = yHi - yLo;
        const TMouseActMode m = RcMouseAction;
        const bool keepX = m == maPan || m == maPanHoriz || m == maPanGrid;
        const bool keepY = m == maPan || m == maPanVert || m == maPanGrid;
        auto confine = [](Extended& lo, Extended& hi, Extended boxLo, Extended boxHi, Extended width, bool keep) {
            if (lo < boxLo) { lo = boxLo; if (keep) hi = lo + width; }
            if (lo > boxHi) { lo = boxHi; if (keep) hi = lo + width; }
            if (hi < boxLo) { hi = boxLo; if (keep) lo = hi - width; }
            if (hi > boxHi) { hi = boxHi; if (keep) lo = hi - width; }
        };
        confine(xLo, xHi, box[0], box[2], dX, keepX);
        confine(yLo, yHi, box[1], box[3], dY, keepY);
    }
    bool changed = false;
    auto apply = [&changed](TScaleProps& p, Extended lo, Extended hi) {
        if (0.99 * p.FMinRngDiff > std::fabs(static_cast<double>(lo - hi))) return;
        if (p.FLogAx) {
            if (lo >= Tiny) { p.FRangeLow = static_cast<double>(lo); changed = true; }
            if (hi >= Tiny) { p.FRangeHigh = static_cast<double>(hi); changed = true; }
        } else {
            p.FRangeHigh = static_cast<double>(hi);
            p.FRangeLow = static_cast<double>(lo);
            changed = true;
        }
    };
    apply(*FScalePropsX[layer], xLo, xHi);
    apply(*FScalePropsY[layer], yLo, yHi);
    SyncScaleWithProps(layer);
    if (PushHistory && changed) PushZoomHistory();
    CalcLayerTransforms();
}

void TCustomDIzure::ApplyRangeWithJoints(Integer layer, bool PushHistory, Extended xLo, Extended yLo, Extended xHi,
                                         Extended yHi, bool Confine)
{
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    const TJointLayers& j = *FJointLayers;
    if (j.XControlledBy(layer) != layer) {
        xLo = FScalePropsX[layer]->RangeLow();
        xHi = FScalePropsX[layer]->RangeHigh();
    }
    if (j.YControlledBy(layer) != layer) {
        yLo = FScalePropsY[layer]->RangeLow();
        yHi = FScalePropsY[layer]->RangeHigh();
    }
    ApplyLayerRange(layer, PushHistory, xLo, yLo, xHi, yHi, Confine);
    for (Integer i = 1; i <= 16; ++i) {
        if (i == layer || (j.XControlledBy(i) != layer && j.YControlledBy(i) != layer)) continue;
        const TScaleProps& mx = *FScalePropsX[j.XControlledBy(i)];
        const TScaleProps& my = *FScalePropsY[j.YControlledBy(i)];
        ApplyLayerRange(i, true, mx.RangeLow(), my.RangeLow(), mx.RangeHigh(), my.RangeHigh(), false);
    }
    SetSuppressPaint(saved);
}

void TCustomDIzure::SetRange(Integer Layer, Extended xLo, Extended yLo, Extended xHi, Extended yHi)
{
    const Integer first = Layer == 0 ? 1 : Layer, last = Layer == 0 ? 16 : Layer;
    if (first < 1 || last > 16) return;
    for (Integer L = first; L <= last; ++L) {
        Extended x0 = xLo, x1 = xHi, y0 = yLo, y1 = yHi;
        const TScaleProps& px = *FScalePropsX[L];
        const TScaleProps& py = *FScalePropsY[L];
        if (x0 == x1) {
            if (px.Logarithmic()) { x0 /= 1.1; x1 *= 1.1; }
            else { x0 -= px.MinRange() / 2; x1 += px.MinRange() / 2; }
        }
        if (y0 == y1) {
            if (py.Logarithmic()) { y0 /= 1.1; y1 *= 1.1; }
            else { y0 -= py.MinRange() / 2; y1 += py.MinRange() / 2; }
        }
        if (FIsometric) {
            const double yc = static_cast<double>((y1 + y0) / 2);
            const double h = IsometricHalfSpan(static_cast<double>(x0), static_cast<double>(x1));
            y0 = yc - h;
            y1 = yc + h;
        }
        ApplyRangeWithJoints(L, true, x0, y0, x1, y1, false);
    }
    if (!Loading()) RepaintRule();
}

namespace {

// The union of the ranges of the given layers along one axis.
template <class Get>
void Union(const std::vector<Integer>& layers, Get get, double& lo, double& hi)
{
    bool first = true;
    for (Integer L : layers) {
        const TScaleProps& p = get(L);
        if (first || p.RangeLow() < lo) lo = p.RangeLow();
        if (first || p.RangeHigh() > hi) hi = p.RangeHigh();
        first = false;
    }
}

}  // namespace

void TCustomDIzure::SetEqualRange(const std::vector<Integer>& layers)
{
    if (layers.empty()) return;
    std::vector<Integer> sorted = layers;
    std::sort(sorted.begin(), sorted.end());
    double xlo = 0, xhi = 0, ylo = 0, yhi = 0;
    Union(sorted, [this](Integer L) -> const TScaleProps& { return *FScalePropsX[L]; }, xlo, xhi);
    Union(sorted, [this](Integer L) -> const TScaleProps& { return *FScalePropsY[L]; }, ylo, yhi);
    const bool saved = FAutoRedraw;
    FAutoRedraw = false;
    for (Integer L : sorted) SetRange(L, xlo, ylo, xhi, yhi);
    FAutoRedraw = saved;
}

void TCustomDIzure::SetEqualRangeXOnly(const std::vector<Integer>& layers)
{
    if (layers.empty()) return;
    std::vector<Integer> sorted = layers;
    std::sort(sorted.begin(), sorted.end());
    double xlo = 0, xhi = 0;
    Union(sorted, [this](Integer L) -> const TScaleProps& { return *FScalePropsX[L]; }, xlo, xhi);
    const bool saved = FAutoRedraw;
    FAutoRedraw = false;
    for (Integer L : sorted) SetRange(L, xlo, FScalePropsY[L]->RangeLow(), xhi, FScalePropsY[L]->RangeHigh());
    FAutoRedraw = saved;
}

void TCustomDIzure::SetEqualRangeYOnly(const std::vector<Integer>& layers)
{
    if (layers.empty()) return;
    std::vector<Integer> sorted = layers;
    std::sort(sorted.begin(), sorted.end());
    double ylo = 0, yhi = 0;
    Union(sorted, [this](Integer L) -> const TScaleProps& { return *FScalePropsY[L]; }, ylo, yhi);
    const bool saved = FAutoRedraw;
    FAutoRedraw = false;
    for (Integer L : sorted) SetRange(L, FScalePropsX[L]->RangeLow(), ylo, FScalePropsX[L]->RangeHigh(), yhi);
    FAutoRedraw = saved;
}

void TCustomDIzure::ConfineZoomRange(double xLo, double yLo, double xHi, double yHi)
{
    FZoomRange = {xLo, yLo, xHi, yHi};
}

namespace {

void WidenBy(double& lo, double& hi, double lower, double upper)
{
    lo = std::min(lo, lower);
    hi = std::max(hi, upper);
}

void ApplyMargin(bool logarithmic, double Margin, double& lo, double& hi)
{
    if (logarithmic) {
        const double r = lo > 0 ? hi / lo : hi;
        const double f = std::pow(r, Margin / 100);
        lo /= f;
        hi *= f;
    } else {
        const double d = Margin / 100 * (hi - lo);
        lo -= d;
        hi += d;
    }
}

void ApplyMinRange(double MinRange, double& lo, double& hi)
{
    const double t = MinRange * (hi + lo) / 2 / 100;
    if (std::fabs(hi - lo) < t) {
        lo -= t;
        hi += t;
    }
}

}  // namespace

void TCustomDIzure::FindLayerExtent(Integer layer, double Margin, double MinRange, double& minX, double& minY,
                                    double& maxX, double& maxY) const
{
    minX = minY = 1.7e308;
    maxX = maxY = -1.7e308;
    bool found = false;
    for (Integer i = 0; i < FNumChartItems; ++i) {
        const TrcChartItem& it = FDataContainer[i];
        if (it.Layer != layer) continue;
        found = true;
        if (it.ItemKind == tkMoveRelPix || it.ItemKind == tkLineRelPix) continue;
        WidenBy(minX, maxX, it.x, it.x);
        WidenBy(minY, maxY, it.y, it.y);
        switch (it.ItemKind) {
            case tkLine: case tkRect: case tkRectFrame: case tk3DBar: case tkArrow: case tkDoubleArrow:
            case tkLineOffs:
                WidenBy(minX, maxX, it.x2, it.x2);
                WidenBy(minY, maxY, it.y2, it.y2);
                break;
            case tkEllipse: case tkArc:
                WidenBy(minX, maxX, it.x - it.x2, it.x + it.x2);
                WidenBy(minY, maxY, it.y - it.y2, it.y + it.y2);
                break;
            case tkMarkEBar:
                if (it.Param1 == orHoriz) WidenBy(minX, maxX, it.x - std::fabs(it.x2), it.x + std::fabs(it.y2));
                else WidenBy(minY, maxY, it.y - std::fabs(it.x2), it.y + std::fabs(it.y2));
                break;
            default: break;
        }
    }
    if (!found || minX > maxX) {
        minX = minY = maxX = maxY = 0;
        return;
    }
    ApplyMargin(FScalePropsX[layer]->Logarithmic(), Margin, minX, maxX);
    ApplyMargin(FScalePropsY[layer]->Logarithmic(), Margin, minY, maxY);
    ApplyMinRange(MinRange, minX, maxX);
    ApplyMinRange(MinRange, minY, maxY);
}

void TCustomDIzure::FitLayer(Integer L, double Margin, double MinRange, bool xAxis, bool yAxis)
{
    double minX, minY, maxX, maxY;
    FindLayerExtent(L, Margin, MinRange, minX, minY, maxX, maxY);
    if (minX == maxX) { minX -= 1; maxX += 1; }
    if (minY == maxY) { minY -= 1; maxY += 1; }
    const TScaleProps& px = *FScalePropsX[L];
    const TScaleProps& py = *FScalePropsY[L];
    if (!xAxis) { minX = px.RangeLow(); maxX = px.RangeHigh(); }
    if (!yAxis) { minY = py.RangeLow(); maxY = py.RangeHigh(); }
    if (FIsometric && xAxis && yAxis) {
        const double yc = (maxY + minY) / 2, h = IsometricHalfSpan(minX, maxX);
        minY = yc - h;
        maxY = yc + h;
    }
    ApplyRangeWithJoints(L, true, minX, minY, maxX, maxY, false);
}

namespace {

struct TExtent {
    double MinX, MinY, MaxX, MaxY;
};

}  // namespace

void TCustomDIzure::AutoRange(Integer Layer, double Margin, double MinRange)
{
    if (Layer >= 1 && Layer <= 16) {
        FitLayer(Layer, Margin, MinRange, true, true);
        RepaintRule();
        return;
    }
    if (Layer != 0) return;
    std::array<TExtent, 17> ext{};
    for (Integer L = 1; L <= 16; ++L) {
        TExtent& e = ext[L];
        FindLayerExtent(L, 0, 0, e.MinX, e.MinY, e.MaxX, e.MaxY);
        if (e.MinX == e.MaxX) { e.MinX -= 1; e.MaxX += 1; }
        if (e.MinY == e.MaxY) { e.MinY -= 1; e.MaxY += 1; }
        if (Margin > 0) {
            ApplyMargin(FScalePropsX[L]->Logarithmic(), Margin, e.MinX, e.MaxX);
            ApplyMargin(FScalePropsY[L]->Logarithmic(), Margin, e.MinY, e.MaxY);
            ApplyMinRange(MinRange, e.MinX, e.MaxX);
            ApplyMinRange(MinRange, e.MinY, e.MaxY);
        }
    }
    const TJointLayers& j = *FJointLayers;
    for (Integer L = 1; L <= 16; ++L) {
        const TExtent& ex = ext[j.XControlledBy(L)];
        const TExtent& ey = ext[j.YControlledBy(L)];
        ApplyLayerRange(L, false, ex.MinX, ey.MinY, ex.MaxX, ey.MaxY, true);
    }
    RepaintRule();
}

void TCustomDIzure::AutoRangeXOnly(Integer Layer, double Margin, double MinRange)
{
    if (Layer >= 1 && Layer <= 16) {
        FIsometric = false;
        FitLayer(Layer, Margin, MinRange, true, false);
        RepaintRule();
        return;
    }
    if (Layer != 0) return;
    const bool iso = FIsometric;
    FIsometric = false;
    for (Integer L = 1; L <= 16; ++L) {
        double minX, minY, maxX, maxY;
        FindLayerExtent(FJointLayers->XControlledBy(L), 0, 0, minX, minY, maxX, maxY);
        if (minX == maxX) { minX -= 1; maxX += 1; }
        if (Margin > 0) {
            ApplyMargin(FScalePropsX[L]->Logarithmic(), Margin, minX, maxX);
            ApplyMinRange(MinRange, minX, maxX);
        }
        ApplyLayerRange(L, false, minX, FScalePropsY[L]->RangeLow(), maxX, FScalePropsY[L]->RangeHigh(), true);
    }
    FIsometric = iso;
    RepaintRule();
}

void TCustomDIzure::AutoRangeYOnly(Integer Layer, double Margin, double MinRange)
{
    if (Layer >= 1 && Layer <= 16) {
        FIsometric = false;
        FitLayer(Layer, Margin, MinRange, false, true);
        RepaintRule();
        return;
    }
    if (Layer != 0) return;
    const bool iso = FIsometric;
    FIsometric = false;
    for (Integer L = 1; L <= 16; ++L) {
        double minX, minY, maxX, maxY;
        FindLayerExtent(FJointLayers->YControlledBy(L), 0, 0, minX, minY, maxX, maxY);
        if (minY == maxY) { minY -= 1; maxY += 1; }
        if (Margin > 0) {
            ApplyMargin(FScalePropsY[L]->Logarithmic(), Margin, minY, maxY);
            ApplyMinRange(MinRange, minY, maxY);
        }
        ApplyLayerRange(L, false, FScalePropsX[L]->RangeLow(), minY, FScalePropsX[L]->RangeHigh(), maxY, true);
    }
    FIsometric = iso;
    RepaintRule();
}

// ---------------------------------------------------------------- standard layouts

namespace {

struct TAxisLayout {
    bool Visible;
    int Location;   // TScaleLocationHoriz or TScaleLocationVert
    Integer ScalePos, CaptionX, CaptionY;
    TAlignment Alignment;
    TScaleUnitAnchor Anchor;
};

struct TChartLayout {
    Integer Left, Right, Top, Bottom, CaptionX, CaptionY;
    TAlignment Alignment;
    TCaptionAnchorHoriz AnchorH;
    TCaptionAnchorVert AnchorV;
    TAxisLayout X[4], Y[4];
};

constexpr TAxisLayout HiddenX{false, slBottom, 0, 10, 100, taCenter, uaSclCenter};
constexpr TAxisLayout HiddenY{false, slLeft, 0, 10, 100, taRightJustify, uaSclTopLft};
constexpr TAxisLayout X1{true, slBottom, 0, 0, 22, taCenter, uaSclCenter};
constexpr TAxisLayout YLeft(Integer pos) { return {true, slLeft, pos, 0, -23, taRightJustify, uaSclTopLft}; }

const TChartLayout Layouts[] = {
    {50, 20, 20, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {X1, HiddenX, HiddenX, HiddenX},
     {{true, slLeft, 0, 0, -16, taLeftJustify, uaSclTopLft}, HiddenY, HiddenY, HiddenY}},
    {100, 20, 24, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {X1, HiddenX, HiddenX, HiddenX}, {YLeft(0), YLeft(50), HiddenY, HiddenY}},
    {150, 20, 24, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {X1, HiddenX, HiddenX, HiddenX}, {YLeft(0), YLeft(50), YLeft(100), HiddenY}},
    {200, 20, 24, 40, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {X1, HiddenX, HiddenX, HiddenX}, {YLeft(0), YLeft(50), YLeft(100), YLeft(150)}},
    {50, 50, 24, 40, 0, -20, taCenter, cahChartCenter, cavChartTop,
     {X1, HiddenX, HiddenX, HiddenX},
     {YLeft(0), {true, slRight, 0, 0, -23, taLeftJustify, uaSclTopLft}, HiddenY, HiddenY}},
    {100, 20, 24, 70, 0, -16, taRightJustify, cahChartRight, cavChartTop,
     {{true, slBottom, 0, -20, 7, taRightJustify, uaSclTopLft}, {true, slBottom, 30, -20, 7, taRightJustify, uaSclTopLft},
      HiddenX, HiddenX},
     {YLeft(0), YLeft(50), HiddenY, HiddenY}},
    {50, 50, 64, 40, 0, -60, taCenter, cahChartCenter, cavChartTop,
     {{true, slBottom, 0, 0, 20, taCenter, uaSclCenter}, {true, slTop, 0, 0, -40, taCenter, uaSclCenter}, HiddenX,
      HiddenX},
     {{true, slLeft, 0, 0, -40, taRightJustify, uaSclTopLft}, {true, slRight, 0, 0, -40, taLeftJustify, uaSclTopLft},
      {false, slLeft, 0, 0, -23, taRightJustify, uaSclTopLft}, {false, slLeft, 0, 0, -23, taRightJustify, uaSclTopLft}}},
};

void ApplyAxisLayout(TScaleProps& p, const TAxisLayout& a)
{
    p.SetCaptionPosX(a.CaptionX);
    p.SetCaptionPosY(a.CaptionY);
    p.SetCaptionAlignment(a.Alignment);
    p.SetCaptionAnchor(a.Anchor);
    p.SetScalePos(a.ScalePos);
    p.SetVisible(a.Visible);
}

}  // namespace

void TCustomDIzure::SetStandardLayout(TrcLayout value)
{
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    const TChartLayout& l = Layouts[value];
    SetMarginLeft(l.Left);
    SetMarginRight(l.Right);
    SetMarginTop(l.Top);
    SetMarginBottom(l.Bottom);
    FCaptionPosX = l.CaptionX;
    FCaptionPosY = l.CaptionY;
    FCaptionAlignment = l.Alignment;
    FCaptionAnchorHoriz = l.AnchorH;
    FCaptionAnchorVert = l.AnchorV;
    for (Integer n = 1; n <= 4; ++n) {
        FScalePropsX[n]->SetScaleLocation(static_cast<TScaleLocationHoriz>(l.X[n - 1].Location));
        ApplyAxisLayout(*FScalePropsX[n], l.X[n - 1]);
        FScalePropsY[n]->SetScaleLocation(static_cast<TScaleLocationVert>(l.Y[n - 1].Location));
        ApplyAxisLayout(*FScalePropsY[n], l.Y[n - 1]);
    }
    for (Integer n = 5; n <= 16; ++n) {
        FScalePropsX[n]->SetVisible(false);
        FScalePropsY[n]->SetVisible(false);
    }
    for (Integer n = 1; n <= 16; ++n) SyncScaleWithProps(n);
    FStdLayout = value;
    SetSuppressPaint(saved);
}
