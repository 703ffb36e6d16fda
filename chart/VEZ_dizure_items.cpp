// Display lists of the chart and the drawing operations that append to them.
#include <cmath>
#include <numbers>

#include "chart/VEZ_dizure.h"
#include "platform/rtl/RtlMath.h"

namespace {

bool IsText(TrcItem kind) { return kind == tkText || kind == tkTextOfs; }

}  // namespace

// ---------------------------------------------------------------- appending

TrcChartItem& TCustomDIzure::NewItem(TrcItem kind, TCoordMode mode)
{
    TRcItemContainer& list = FAnnoMode ? FAnnoContainer : FDataContainer;
    Integer& count = FAnnoMode ? FNumAnnoItems : FNumChartItems;
    Integer& alloc = FAnnoMode ? FNumAllocAnno : FNumAllocData;
    if (count >= alloc) {
        alloc += FAllocSize;
        list.SetLength(alloc);   // new entries are zero-filled
    }
    TrcChartItem& item = list[count];
    item.ItemKind = kind;
    item.Layer = FActiveLayer;
    item.ItemClass = RcClassDefault;
    item.Tag = FDataTag;
    item.Color = RcDataCol;
    item.PenStyle = static_cast<Byte>(RcPenStyle);
    item.CoordMode = FAnnoMode ? mode : cmAllWorld;
    switch (kind) {
        case tkMoveTo: case tkMoveRelPix: case tkMarkAt: case tkMarkEBar:
            item.LWid = RcLineWid;
            break;
        case tkRect: case tkRectRelPix: case tkEllipse: case tkArc: case tkArrow: case tkDoubleArrow:
            item.FillColor = RcFillCol;
            item.LWid = RcLineWid;
            item.Transp = FTranspItems;
            break;
        case tkRectFrame:
            item.FillColor = RcFillCol;
            item.LWid = 1;
            break;
        case tkText: case tkTextOfs:
            item.FillColor = RcFillCol;
            break;
        default:
            item.FillColor = RcFillCol;
            item.LWid = RcLineWid;
            break;
    }
    return item;
}

void TCustomDIzure::AppendDone(const TrcChartItem& item)
{
    if (FAnnoMode) {
        ++FNumAnnoItems;
        return;
    }
    ++FNumChartItems;
    ++FItemCount[item.ItemKind];
    PropagateSharedData();
}

void TCustomDIzure::StoreText(TrcChartItem& item, const String& txt, bool annotation)
{
    std::array<String, 51>& texts = annotation ? FLongTextsAnno : FLongTextsData;
    Integer& taken = annotation ? FNumLongTextsAnno : FNumLongTextsData;
    item.Text = Copy(txt, 1, 15);
    if (txt.Length() <= 15) {
        item.LWid = 0;
        return;
    }
    if (item.LWid > 0 && item.LWid <= 50) {
        texts[item.LWid] = txt;
    } else if (taken < 50) {
        texts[++taken] = txt;
        item.LWid = taken;
    }
}

void TCustomDIzure::AppendText(TrcItem kind, TCoordMode mode, double x, double y, Integer size, const String& txt,
                               Integer dx, Integer dy, TAlignment alignment)
{
    TrcChartItem& item = NewItem(kind, mode);
    item.x = x;
    item.y = y;
    item.x2 = dx;
    item.y2 = dy;
    item.Param1 = size;
    item.Param2 = FTextBkStyle;
    item.Param3 = alignment;
    item.LWid = 0;
    StoreText(item, txt, FAnnoMode);
    AppendDone(item);
}

void TCustomDIzure::AppendTwoPoints(TrcItem kind, TCoordMode mode, double x1, double y1, double x2, double y2)
{
    TrcChartItem& item = NewItem(kind, mode);
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    AppendDone(item);
}

void TCustomDIzure::AppendArrow(TrcItem kind, TCoordMode mode, double x1, double y1, double x2, double y2,
                                Integer head)
{
    TrcChartItem& item = NewItem(kind, mode);
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.Param1 = head;
    AppendDone(item);
}

void TCustomDIzure::AppendRectFrame(TCoordMode mode, double x1, double y1, double x2, double y2, TFrameStyle style,
                                    TColor shadow, TColor hilight)
{
    TrcChartItem& item = NewItem(tkRectFrame, mode);
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.FrameStyle = style;
    item.ShadowColor = shadow;
    item.HiLightColor = hilight;
    AppendDone(item);
}

// ---------------------------------------------------------------- drawing operations

void TCustomDIzure::MoveTo(double x, double y) { AppendTwoPoints(tkMoveTo, cmAllWorld, x, y, 0, 0); }
void TCustomDIzure::MoveTo(Integer x, Integer y) { AppendTwoPoints(tkMoveTo, cmAllScreen, x, y, 0, 0); }
void TCustomDIzure::MoveTo(Integer x, double y) { AppendTwoPoints(tkMoveTo, cmXScreenYWorld, x, y, 0, 0); }
void TCustomDIzure::MoveTo(double x, Integer y) { AppendTwoPoints(tkMoveTo, cmXWorldYScreen, x, y, 0, 0); }
void TCustomDIzure::DrawTo(double x, double y) { AppendTwoPoints(tkLineto, cmAllWorld, x, y, 0, 0); }
void TCustomDIzure::DrawTo(Integer x, Integer y) { AppendTwoPoints(tkLineto, cmAllScreen, x, y, 0, 0); }
void TCustomDIzure::DrawTo(Integer x, double y) { AppendTwoPoints(tkLineto, cmXScreenYWorld, x, y, 0, 0); }
void TCustomDIzure::DrawTo(double x, Integer y) { AppendTwoPoints(tkLineto, cmXWorldYScreen, x, y, 0, 0); }
void TCustomDIzure::MoveToRelPix(Integer dx, Integer dy) { AppendTwoPoints(tkMoveRelPix, cmAllWorld, dx, dy, 0, 0); }
void TCustomDIzure::DrawToRelPix(Integer dx, Integer dy) { AppendTwoPoints(tkLineRelPix, cmAllWorld, dx, dy, 0, 0); }

void TCustomDIzure::DrawToRelPix(double x, double y, Integer dx, Integer dy)
{
    AppendTwoPoints(tkLineRelPixOrig, cmAllWorld, x, y, dx, dy);
}

void TCustomDIzure::MarkAt(double x, double y, Byte mk)
{
    TrcChartItem& item = NewItem(tkMarkAt, cmAllWorld);
    item.x = x;
    item.y = y;
    item.Param3 = mk;
    AppendDone(item);
}

void TCustomDIzure::MarkAt(Integer x, Integer y, Byte mk)
{
    TrcChartItem& item = NewItem(tkMarkAt, cmAllScreen);
    item.x = x;
    item.y = y;
    item.Param3 = mk;
    AppendDone(item);
}

void TCustomDIzure::MarkErrorBar(double x, double y, double dlower, double dupper, TOrientation Dir, Byte mk)
{
    TrcChartItem& item = NewItem(tkMarkEBar, cmAllWorld);
    item.x = x;
    item.y = y;
    item.x2 = dlower;
    item.y2 = dupper;
    item.Param1 = Dir;
    item.Param3 = mk;
    AppendDone(item);
}

void TCustomDIzure::Text(double x, double y, Integer size, const String& txt)
{
    AppendText(tkText, cmAllWorld, x, y, size, txt, 0, 0, FTextAlignment);
}
void TCustomDIzure::Text(Integer x, Integer y, Integer size, const String& txt)
{
    AppendText(tkText, cmAllScreen, x, y, size, txt, 0, 0, FTextAlignment);
}
void TCustomDIzure::Text(Integer x, double y, Integer size, const String& txt)
{
    AppendText(tkText, cmXScreenYWorld, x, y, size, txt, 0, 0, FTextAlignment);
}
void TCustomDIzure::Text(double x, Integer y, Integer size, const String& txt)
{
    AppendText(tkText, cmXWorldYScreen, x, y, size, txt, 0, 0, FTextAlignment);
}
void TCustomDIzure::Text(double x, double y, Integer size, const String& txt, Integer dx, Integer dy,
                         TAlignment Alignment)
{
    AppendText(dx != 0 || dy != 0 ? tkTextOfs : tkText, cmAllWorld, x, y, size, txt, dx, dy, Alignment);
}

void TCustomDIzure::Line(double x1, double y1, double x2, double y2) { AppendTwoPoints(tkLine, cmAllWorld, x1, y1, x2, y2); }
void TCustomDIzure::Line(Integer x1, Integer y1, Integer x2, Integer y2) { AppendTwoPoints(tkLine, cmAllScreen, x1, y1, x2, y2); }
void TCustomDIzure::Line(Integer x1, Integer y1, double x2, double y2) { AppendTwoPoints(tkLine, cmScreenMainWorldSec, x1, y1, x2, y2); }
void TCustomDIzure::Line(double x1, double y1, Integer x2, Integer y2) { AppendTwoPoints(tkLine, cmWorldMainScreenSec, x1, y1, x2, y2); }

void TCustomDIzure::LineOffset(double x1, double y1, double x2, double y2, Integer dx, Integer dy)
{
    TrcChartItem& item = NewItem(tkLineOffs, cmAllWorld);
    item.x = x1;
    item.y = y1;
    item.x2 = x2;
    item.y2 = y2;
    item.Param1 = dx;
    item.Param2 = dy;
    AppendDone(item);
}

void TCustomDIzure::Rectangle(double x1, double y1, double x2, double y2) { AppendTwoPoints(tkRect, cmAllWorld, x1, y1, x2, y2); }
void TCustomDIzure::Rectangle(Integer x1, Integer y1, Integer x2, Integer y2) { AppendTwoPoints(tkRect, cmAllScreen, x1, y1, x2, y2); }
void TCustomDIzure::Rectangle(Integer x1, Integer y1, double x2, double y2) { AppendTwoPoints(tkRect, cmScreenMainWorldSec, x1, y1, x2, y2); }
void TCustomDIzure::Rectangle(double x1, double y1, Integer x2, Integer y2) { AppendTwoPoints(tkRect, cmWorldMainScreenSec, x1, y1, x2, y2); }

void TCustomDIzure::RectangleRelPix(double centx, double centy, Integer dx, Integer dy)
{
    TrcChartItem& item = NewItem(tkRectRelPix, cmAllWorld);
    item.x = centx;
    item.y = centy;
    item.Param1 = dx;
    item.Param2 = dy;
    AppendDone(item);
}

void TCustomDIzure::RectFrame(double x1, double y1, double x2, double y2, TFrameStyle FrameStyle, TColor ShadowColor,
                              TColor HiLightColor)
{
    AppendRectFrame(cmAllWorld, x1, y1, x2, y2, FrameStyle, ShadowColor, HiLightColor);
}
void TCustomDIzure::RectFrame(Integer x1, Integer y1, Integer x2, Integer y2, TFrameStyle FrameStyle,
                              TColor ShadowColor, TColor HiLightColor)
{
    AppendRectFrame(cmAllScreen, x1, y1, x2, y2, FrameStyle, ShadowColor, HiLightColor);
}
void TCustomDIzure::RectFrame(Integer x1, Integer y1, double x2, double y2, TFrameStyle FrameStyle,
                              TColor ShadowColor, TColor HiLightColor)
{
    AppendRectFrame(cmScreenMainWorldSec, x1, y1, x2, y2, FrameStyle, ShadowColor, HiLightColor);
}
void TCustomDIzure::RectFrame(double x1, double y1, Integer x2, Integer y2, TFrameStyle FrameStyle,
                              TColor ShadowColor, TColor HiLightColor)
{
    AppendRectFrame(cmWorldMainScreenSec, x1, y1, x2, y2, FrameStyle, ShadowColor, HiLightColor);
}

void TCustomDIzure::Bar3D(double llx, double lly, double urx, double ury, Integer Depth, Integer Angle)
{
    TrcChartItem& item = NewItem(tk3DBar, cmAllWorld);
    item.x = llx;
    item.y = lly;
    item.x2 = urx;
    item.y2 = ury;
    item.Param1 = Angle < 0 ? 0 : Angle > 180 ? 180 : Angle;
    item.Param2 = Depth;
    AppendDone(item);
}

void TCustomDIzure::Ellipse(double cx, double cy, double HorizAxLeng, double VertAxLeng)
{
    AppendTwoPoints(tkEllipse, cmAllWorld, cx, cy, HorizAxLeng, VertAxLeng);
}

void TCustomDIzure::Arc(double cx, double cy, double HorizAxLeng, double VertAxLeng, double Angle1, double Angle2)
{
    auto angle = [](double a) {
        if (a > std::numbers::pi || std::isnan(a)) a = std::numbers::pi;
        if (a < -std::numbers::pi) a = -std::numbers::pi;
        return static_cast<Integer>(Round(a * 1e8));
    };
    TrcChartItem& item = NewItem(tkArc, cmAllWorld);
    item.x = cx;
    item.y = cy;
    item.x2 = HorizAxLeng;
    item.y2 = VertAxLeng;
    item.Param1 = angle(Angle1);
    item.Param2 = angle(Angle2);
    AppendDone(item);
}

void TCustomDIzure::Arrow(double x1, double y1, double x2, double y2, Integer HeadSize) { AppendArrow(tkArrow, cmAllWorld, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::Arrow(Integer x1, Integer y1, Integer x2, Integer y2, Integer HeadSize) { AppendArrow(tkArrow, cmAllScreen, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::Arrow(double x1, double y1, Integer x2, Integer y2, Integer HeadSize) { AppendArrow(tkArrow, cmWorldMainScreenSec, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::Arrow(Integer x1, Integer y1, double x2, double y2, Integer HeadSize) { AppendArrow(tkArrow, cmScreenMainWorldSec, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::Arrow(Integer x1, double y1, Integer x2, double y2, Integer HeadSize) { AppendArrow(tkArrow, cmXScreenYWorld, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::Arrow(double x1, Integer y1, double x2, Integer y2, Integer HeadSize) { AppendArrow(tkArrow, cmXWorldYScreen, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::DoubleArrow(double x1, double y1, double x2, double y2, Integer HeadSize) { AppendArrow(tkDoubleArrow, cmAllWorld, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::DoubleArrow(Integer x1, Integer y1, Integer x2, Integer y2, Integer HeadSize) { AppendArrow(tkDoubleArrow, cmAllScreen, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::DoubleArrow(double x1, double y1, Integer x2, Integer y2, Integer HeadSize) { AppendArrow(tkDoubleArrow, cmWorldMainScreenSec, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::DoubleArrow(Integer x1, Integer y1, double x2, double y2, Integer HeadSize) { AppendArrow(tkDoubleArrow, cmScreenMainWorldSec, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::DoubleArrow(Integer x1, double y1, Integer x2, double y2, Integer HeadSize) { AppendArrow(tkDoubleArrow, cmXScreenYWorld, x1, y1, x2, y2, HeadSize); }
void TCustomDIzure::DoubleArrow(double x1, Integer y1, double x2, Integer y2, Integer HeadSize) { AppendArrow(tkDoubleArrow, cmXWorldYScreen, x1, y1, x2, y2, HeadSize); }

void TCustomDIzure::CursorVert(double x) { AppendTwoPoints(tkCursorVert, cmAllWorld, x, 0, 0, 0); }
void TCustomDIzure::CursorVert(Integer x) { AppendTwoPoints(tkCursorVert, cmAllScreen, x, 0, 0, 0); }
void TCustomDIzure::CursorHoriz(double y) { AppendTwoPoints(tkCursorHoriz, cmAllWorld, 0, y, 0, 0); }
void TCustomDIzure::CursorHoriz(Integer y) { AppendTwoPoints(tkCursorHoriz, cmAllScreen, 0, y, 0, 0); }

// ---------------------------------------------------------------- list access

TrcChartItem TCustomDIzure::GetChartItem(Integer idx) const
{
    if (idx < 0 || idx >= FNumChartItems) return TrcChartItem{};
    return FDataContainer[idx];
}

void TCustomDIzure::SetChartItem(Integer idx, const TrcChartItem& item)
{
    if (idx >= 0 && idx < FNumChartItems) FDataContainer[idx] = item;
}

TrcChartItem TCustomDIzure::GetAnnoItem(Integer idx) const
{
    if (idx < 0 || idx >= FNumAnnoItems) return TrcChartItem{};
    return FAnnoContainer[idx];
}

void TCustomDIzure::SetAnnoItem(Integer idx, const TrcChartItem& item)
{
    if (idx >= 0 && idx < FNumAnnoItems) FAnnoContainer[idx] = item;
}

String TCustomDIzure::GetDataLongText(Integer idx) const
{
    if (idx < 0 || idx >= FNumChartItems || !IsText(FDataContainer[idx].ItemKind)) return String();
    const TrcChartItem& item = FDataContainer[idx];
    return item.LWid > 0 && item.LWid <= 50 ? FLongTextsData[item.LWid] : item.Text.ToString();
}

String TCustomDIzure::GetAnnoLongText(Integer idx) const
{
    if (idx < 0 || idx >= FNumAnnoItems || !IsText(FAnnoContainer[idx].ItemKind)) return String();
    const TrcChartItem& item = FAnnoContainer[idx];
    return item.LWid > 0 && item.LWid <= 50 ? FLongTextsAnno[item.LWid] : item.Text.ToString();
}

void TCustomDIzure::SetDataLongText(Integer idx, const String& txt)
{
    if (idx < 0 || idx >= FNumChartItems || !IsText(FDataContainer[idx].ItemKind)) return;
    StoreText(FDataContainer[idx], txt, false);
}

void TCustomDIzure::SetAnnoLongText(Integer idx, const String& txt)
{
    if (idx < 0 || idx >= FNumAnnoItems || !IsText(FAnnoContainer[idx].ItemKind)) return;
    StoreText(FAnnoContainer[idx], txt, true);
}

TrcItem TCustomDIzure::TypeOfFirstItem() const
{
    return FNumChartItems > 0 ? FDataContainer[0].ItemKind : tkNone;
}

TrcItem TCustomDIzure::TypeOfLastItem() const
{
    return FNumChartItems > 0 ? FDataContainer[FNumChartItems - 1].ItemKind : tkNone;
}

// ---------------------------------------------------------------- clearing and removing

void TCustomDIzure::EmptyDataList()
{
    FNumChartItems = 0;
    FDataContainer.SetLength(1);
    FDataContainer[0] = TrcChartItem{};
    FNumAllocData = 0;
    FLastElemOnShow = 0;
    FItemCount.fill(0);
}

void TCustomDIzure::ClearGraf()
{
    ResizeGrafBmp();
    PaintChartBackground(FGrafBmp.Canvas(), 0, FGrafBmp.Height(), FGrafBmp.Width(), 0);
    EmptyDataList();
    FNumMTrace = 0;
    FNumLongTextsData = 0;
    FLongTextsData.fill(String());
    PropagateSharedData();
}

void TCustomDIzure::ClearAnnotations()
{
    FNumAnnoItems = 0;
    FAnnoContainer.SetLength(1);
    FAnnoContainer[0] = TrcChartItem{};
    FNumAllocAnno = 0;
    FNumLongTextsAnno = 0;
    FLongTextsAnno.fill(String());
    RepaintRule();
}

void TCustomDIzure::RemoveItem(Integer Index)
{
    if (Index < 0 || Index >= FNumChartItems) return;
    if (FNumChartItems == 1) {
        const Integer trace = FNumMTrace;
        FNumChartItems = 0;
        FDataContainer.SetLength(1);
        FNumAllocData = 0;
        FItemCount.fill(0);
        FNumMTrace = trace;
    } else {
        --FItemCount[FDataContainer[Index].ItemKind];
        for (Integer i = Index; i < FNumChartItems - 1; ++i) FDataContainer[i] = FDataContainer[i + 1];
        --FNumChartItems;
    }
    PropagateSharedData();
}

void TCustomDIzure::RemoveLastItem()
{
    if (FNumChartItems == 0) return;
    --FItemCount[FDataContainer[FNumChartItems - 1].ItemKind];
    if (--FNumChartItems == 0) {
        FDataContainer.SetLength(1);
        FNumAllocData = 0;
        FItemCount.fill(0);
    }
    PropagateSharedData();
}

void TCustomDIzure::RemoveAnnoItem(Integer Index)
{
    if (Index < 0 || Index >= FNumAnnoItems) return;
    if (FNumAnnoItems == 1) {
        FNumAnnoItems = 0;
        FAnnoContainer.SetLength(1);
        FNumAllocAnno = 0;
        return;
    }
    for (Integer i = Index; i < FNumAnnoItems - 1; ++i) FAnnoContainer[i] = FAnnoContainer[i + 1];
    --FNumAnnoItems;
}

namespace {

template <class Pred>
Integer RemoveWhere(TRcItemContainer& list, Integer& count, std::array<Integer, NumItemKinds>& counters, Pred pred)
{
    Integer kept = 0;
    for (Integer i = 0; i < count; ++i) {
        if (pred(list[i])) {
            --counters[list[i].ItemKind];
            continue;
        }
        if (kept != i) list[kept] = list[i];
        ++kept;
    }
    const Integer removed = count - kept;
    count = kept;
    return removed;
}

}  // namespace

Integer TCustomDIzure::RemoveItemsByClass(Byte ClassNumber)
{
    const Integer n = RemoveWhere(FDataContainer, FNumChartItems, FItemCount,
                                  [&](const TrcChartItem& it) { return it.ItemClass == ClassNumber; });
    PropagateSharedData();
    return n;
}

Integer TCustomDIzure::RemoveItemsByLayer(Integer Layer)
{
    const Integer n = RemoveWhere(FDataContainer, FNumChartItems, FItemCount,
                                  [&](const TrcChartItem& it) { return it.Layer == Layer; });
    PropagateSharedData();
    return n;
}

void TCustomDIzure::SetItemParams(Integer Item, const TrcChartItem& ItParams)
{
    if (Item < 0 || Item >= FNumChartItems || ItParams.ItemKind == tkNone || ItParams.ItemKind == tkEverything)
        return;
    --FItemCount[FDataContainer[Item].ItemKind];
    FDataContainer[Item] = ItParams;
    ++FItemCount[ItParams.ItemKind];
    PropagateSharedData();
}

void TCustomDIzure::SetClassVisib(Byte cnum, bool value)
{
    if (FItClassVisib[cnum] == value) return;
    FItClassVisib[cnum] = value;
    RepaintRule();
}

void TCustomDIzure::SetAnnoClassVisib(Byte cnum, bool value)
{
    if (FAnnoClassVisib[cnum] == value) return;
    FAnnoClassVisib[cnum] = value;
    RepaintRule();
}

void TCustomDIzure::SetLayerVisib(Integer Layer, bool value)
{
    if (Layer < 1 || Layer > 16 || FLayerVisib[Layer] == value) return;
    FLayerVisib[Layer] = value;
    RepaintRule();
}
