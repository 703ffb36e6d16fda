#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "ChartTestSupport.h"
#include "chart/VEZ_dizure.h"

namespace {

class Items : public ::testing::Test {
protected:
    Items() : D(nullptr) {}
    TrcChartItem Last() const { return D.GetChartItem(D.NumItems() - 1); }
    TrcChartItem LastAnno() const { return D.GetAnnoItem(D.NumAnnos() - 1); }
    TDIzure D;
};

TEST_F(Items, ListsGrowInStepsOfAllocSize)
{
    EXPECT_EQ(D.AllocSize(), 1000);
    EXPECT_EQ(D.NumAllocData(), 0);
    EXPECT_EQ(D.DataArrayLength(), 1);
    for (int i = 0; i < 1000; ++i) D.MarkAt(double(i), 0.0, 3);
    EXPECT_EQ(D.DataArrayLength(), 1000);
    D.MarkAt(0.0, 0.0, 3);
    EXPECT_EQ(D.DataArrayLength(), 2000);
    EXPECT_EQ(D.NumItems(), 1001);
    EXPECT_EQ(D.GetItemCount(tkMarkAt), 1001);
    D.SetAllocSize(0);
    D.SetAllocSize(1000001);
    EXPECT_EQ(D.AllocSize(), 1000);
}

TEST_F(Items, AppendedItemsCopyTheDrawingState)
{
    D.SetDataColor(clRed);
    D.SetFillColor(clYellow);
    D.SetLineWidth(3);
    D.SetPenStyle(TPenStyle::psDash);
    D.SetDataTag(42);
    D.SetClassDefault(7);
    D.SetClassDefault(255);   // refused
    D.SetActiveLayer(2);
    D.SetActiveLayer(17);     // refused
    D.SetTransparentItems(true);
    D.Rectangle(1.0, 2.0, 3.0, 4.0);
    const TrcChartItem r = Last();
    EXPECT_EQ(r.ItemKind, tkRect);
    EXPECT_EQ(r.Color, clRed);
    EXPECT_EQ(r.FillColor, clYellow);
    EXPECT_EQ(r.LWid, 3);
    EXPECT_EQ(r.PenStyle, static_cast<Byte>(TPenStyle::psDash));
    EXPECT_EQ(r.Tag, 42);
    EXPECT_EQ(r.ItemClass, 7);
    EXPECT_EQ(r.Layer, 2);
    EXPECT_TRUE(r.Transp);
    EXPECT_EQ(r.x2, 3);
    D.RectFrame(0.0, 0.0, 1.0, 1.0, fsRaised, clGray, clWhite);
    EXPECT_EQ(Last().LWid, 1);
    EXPECT_EQ(Last().FrameStyle, fsRaised);
    D.Bar3D(0, 0, 1, 1, 5, 200);
    EXPECT_EQ(Last().Param1, 180);
    D.Bar3D(0, 0, 1, 1, 5, -10);
    EXPECT_EQ(Last().Param1, 0);
    D.Arc(0, 0, 1, 1, 4, -1);
    EXPECT_EQ(Last().Param1, static_cast<Integer>(std::nearbyint(std::numbers::pi * 1e8)));
    EXPECT_EQ(Last().Param2, -100000000);
    D.Arc(0, 0, 1, 1, std::nan(""), -7);
    EXPECT_EQ(Last().Param1, static_cast<Integer>(std::nearbyint(std::numbers::pi * 1e8)));
    EXPECT_EQ(Last().Param2, -static_cast<Integer>(std::nearbyint(std::numbers::pi * 1e8)));
}

TEST_F(Items, CoordinateModesOfTheOverloads)
{
    D.MoveTo(0, 0);
    EXPECT_EQ(Last().ItemKind, tkMoveTo);
    EXPECT_EQ(Last().CoordMode, cmAllWorld);
    D.MarkAt(Integer(4), Integer(5), 3);
    EXPECT_EQ(Last().CoordMode, cmAllWorld);
    EXPECT_EQ(Last().x, 4);
    D.SetAnnoMode(true);
    struct {
        std::function<void()> Call;
        TrcItem Kind;
        TCoordMode Mode;
    } cases[] = {
        {[&] { D.MoveTo(0, 0); }, tkMoveTo, cmAllScreen},
        {[&] { D.MarkAt(Integer(4), Integer(5), 3); }, tkMarkAt, cmAllScreen},
        {[&] { D.DrawTo(Integer(1), 2.0); }, tkLineto, cmXScreenYWorld},
        {[&] { D.DrawTo(1.0, Integer(2)); }, tkLineto, cmXWorldYScreen},
        {[&] { D.Arrow(1.0, 2.0, Integer(3), Integer(4), 5); }, tkArrow, cmWorldMainScreenSec},
        {[&] { D.Line(Integer(1), Integer(2), 3.0, 4.0); }, tkLine, cmScreenMainWorldSec},
        {[&] { D.DoubleArrow(Integer(1), 2.0, Integer(3), 4.0, 5); }, tkDoubleArrow, cmXScreenYWorld},
        {[&] { D.LineOffset(0, 0, 1, 1, 2, 3); }, tkLineOffs, cmAllWorld},
    };
    for (auto& c : cases) {
        c.Call();
        EXPECT_EQ(LastAnno().ItemKind, c.Kind);
        EXPECT_EQ(LastAnno().CoordMode, c.Mode) << int(c.Kind);
    }
    // Annotations leave the data list and its counters alone.
    EXPECT_EQ(D.NumItems(), 2);
    EXPECT_EQ(D.GetItemCount(tkLineto), 0);
    EXPECT_EQ(D.GetItemCount(tkMoveTo), 1);
}

TEST_F(Items, TextKindsAndLongTexts)
{
    D.Text(1.0, 2.0, 10, "exactly 15 char", 0, 0, taLeftJustify);
    EXPECT_EQ(Last().ItemKind, tkText);
    EXPECT_EQ(Last().LWid, 0);
    EXPECT_EQ(Last().Param3, taLeftJustify);
    D.Text(1.0, 2.0, 10, "sixteen chars!!!", 0, 5, taRightJustify);
    EXPECT_EQ(Last().ItemKind, tkTextOfs);
    EXPECT_EQ(Last().LWid, 1);
    EXPECT_EQ(Last().Text.ToString().ToUtf8(), "sixteen chars!!");
    EXPECT_EQ(D.GetDataLongText(1).ToUtf8(), "sixteen chars!!!");
    EXPECT_EQ(D.GetItemCount(tkText), 1);
    EXPECT_EQ(D.GetItemCount(tkTextOfs), 1);
    D.SetTextBkStyle(tbSolid);
    D.Text(1.0, 2.0, 12, "short");
    EXPECT_EQ(Last().Param1, 12);
    EXPECT_EQ(Last().Param2, tbSolid);
    EXPECT_EQ(Last().Param3, taCenter);
    for (int i = 2; i <= 50; ++i) D.Text(0.0, 0.0, 8, "a long text number " + IntToStr(i));
    D.Text(0.0, 0.0, 8, "the fifty-first long text");
    EXPECT_EQ(Last().LWid, 0);
    EXPECT_EQ(D.GetDataLongText(D.NumItems() - 1).ToUtf8(), "the fifty-first");
    EXPECT_EQ(D.GetDataLongText(D.NumItems() - 2).ToUtf8(), "a long text number 50");
    // Replacing a text keeps its slot.
    D.SetDataLongText(1, "another long text here");
    EXPECT_EQ(D.GetChartItem(1).LWid, 1);
    EXPECT_EQ(D.GetDataLongText(1).ToUtf8(), "another long text here");
    EXPECT_EQ(D.GetDataLongText(-1).ToUtf8(), "");
}

TEST_F(Items, ClearGrafEmptiesOnlyTheDataList)
{
    D.MarkAt(1.0, 1.0, 3);
    D.Text(0.0, 0.0, 8, "a text longer than fifteen");
    D.SetAnnoMode(true);
    D.MarkAt(1.0, 1.0, 3);
    D.SetAnnoMode(false);
    D.ClearGraf();
    EXPECT_EQ(D.NumItems(), 0);
    EXPECT_EQ(D.GetItemCount(tkMarkAt), 0);
    EXPECT_EQ(D.TypeOfLastItem(), tkNone);
    EXPECT_EQ(D.GetChartItem(0).ItemKind, tkNone);
    EXPECT_EQ(D.DataArrayLength(), 1);
    EXPECT_EQ(D.NumAllocData(), 0);
    EXPECT_EQ(D.NumAnnos(), 1);
    D.Text(0.0, 0.0, 8, "again a long text here");
    EXPECT_EQ(Last().LWid, 1);
}

TEST_F(Items, RemovingKeepsTheCountersRight)
{
    D.MoveTo(0.0, 0.0);
    D.DrawTo(1.0, 1.0);
    D.MarkAt(1.0, 1.0, 3);
    D.RemoveItem(1);
    EXPECT_EQ(D.NumItems(), 2);
    EXPECT_EQ(D.GetItemCount(tkLineto), 0);
    EXPECT_EQ(D.GetItemCount(tkMoveTo), 1);
    EXPECT_EQ(D.GetItemCount(tkMarkAt), 1);
    EXPECT_EQ(D.TypeOfLastItem(), tkMarkAt);
    D.RemoveItem(5);
    EXPECT_EQ(D.NumItems(), 2);
    D.RemoveLastItem();
    D.RemoveFirstItem();
    EXPECT_EQ(D.NumItems(), 0);
    EXPECT_EQ(D.DataArrayLength(), 1);
    D.SetClassDefault(2);
    D.MarkAt(1.0, 1.0, 3);
    D.SetClassDefault(0);
    D.MarkAt(2.0, 1.0, 3);
    D.SetActiveLayer(3);
    D.MarkAt(3.0, 1.0, 3);
    EXPECT_EQ(D.RemoveItemsByClass(2), 1);
    EXPECT_EQ(D.RemoveItemsByLayer(3), 1);
    EXPECT_EQ(D.NumItems(), 1);
    EXPECT_EQ(D.GetChartItem(0).x, 2);
    EXPECT_EQ(D.GetItemCount(tkMarkAt), 1);
}

TEST_F(Items, SetItemParamsRefusesFilterKinds)
{
    D.MarkAt(1.0, 1.0, 3);
    TrcChartItem it = D.GetItemParams(0);
    it.ItemKind = tkEverything;
    D.SetItemParams(0, it);
    EXPECT_EQ(D.GetChartItem(0).ItemKind, tkMarkAt);
    it.ItemKind = tkLine;
    D.SetItemParams(0, it);
    EXPECT_EQ(D.GetItemCount(tkMarkAt), 0);
    EXPECT_EQ(D.GetItemCount(tkLine), 1);
}

// ---------------------------------------------------------------- ranges

class Ranges : public ::testing::Test {
protected:
    Ranges() : D(nullptr) {}
    TScalePropsHoriz& X() { return D.Scale1X(); }
    TScalePropsVert& Y() { return D.Scale1Y(); }
    TDIzure D;
};

TEST_F(Ranges, SetRangeWidensEqualEndsAndRefusesTooNarrowRanges)
{
    D.SetRange(1, 5, 0, 5, 10);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 5 - 5e-11);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 5 + 5e-11);
    D.SetRange(1, 0, 0, 5e-11, 10);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 5 - 5e-11);
    D.Scale1X().SetRangeHigh(1000);
    D.Scale1X().SetRangeLow(1);
    D.Scale1X().SetLogarithmic(true);
    D.SetRange(1, 100, 0, 100, 10);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 100 / 1.1);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 110);
}

TEST_F(Ranges, AutoRangeOfOneLayerAndOfAll)
{
    D.AutoRange(1, 0);
    EXPECT_EQ(X().RangeLow(), -1);
    EXPECT_EQ(Y().RangeHigh(), 1);
    D.MarkAt(3.0, 4.0, 3);
    D.AutoRange(1, 5);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 2);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 4);
    EXPECT_DOUBLE_EQ(Y().RangeLow(), 3);
    EXPECT_DOUBLE_EQ(Y().RangeHigh(), 5);
    D.AutoRange(0, 5);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 1.9);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 4.1);
    EXPECT_DOUBLE_EQ(Y().RangeLow(), 2.9);
    EXPECT_DOUBLE_EQ(Y().RangeHigh(), 5.1);
}

TEST_F(Ranges, AutoRangeMarginsAndMinimumRange)
{
    D.MoveTo(0.0, 1.0);
    D.DrawTo(10.0, 1.0);
    D.AutoRange(1, 10);
    EXPECT_DOUBLE_EQ(X().RangeLow(), -1);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 11);
    D.ClearGraf();
    D.MoveTo(9.0, 0.0);
    D.DrawTo(11.0, 1.0);
    D.AutoRangeXOnly(1, 0, 50);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 4);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 16);
    D.ClearGraf();
    D.MoveTo(1.0, 1.0);
    D.DrawTo(10.0, 2.0);
    D.SetRange(1, 1, 0, 10, 1);
    X().SetLogarithmic(true);
    D.AutoRangeXOnly(1, 10);
    EXPECT_NEAR(X().RangeLow(), std::pow(10.0, -0.1), 1e-12);
    EXPECT_NEAR(X().RangeHigh(), std::pow(10.0, 1.1), 1e-12);
}

TEST_F(Ranges, ConfinementKeepsTheWidthWhilePanning)
{
    D.ConfineZoomRange(0, 0, 100, 100);
    D.SetMouseAction(maPan);
    D.ApplyLayerRange(1, false, 90, 0, 110, 1, true);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 80);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 100);
    D.SetMouseAction(maZoomWindPos);
    D.ApplyLayerRange(1, false, 90, 0, 110, 1, true);
    EXPECT_DOUBLE_EQ(X().RangeLow(), 90);
    EXPECT_DOUBLE_EQ(X().RangeHigh(), 100);
}

TEST_F(Ranges, MarginsShadowAndLayouts)
{
    D.SetMarginLeft(60);
    EXPECT_EQ(D.GrafBmp().Width(), 201);
    D.SetShadowWidth(40);
    EXPECT_EQ(D.ShadowWidth(), 32);
    D.SetShadowWidth(0);
    D.SetStandardLayout(rcl_X1Bottom_Y2Left);
    EXPECT_EQ(D.StandardLayout(), rcl_X1Bottom_Y2Left);
    EXPECT_EQ(D.MarginLeft(), 100);
    EXPECT_TRUE(D.GetScalePropsY(2).Visible());
    EXPECT_EQ(D.GetScalePropsY(2).ScalePos(), 50);
    for (Integer n = 5; n <= 16; ++n) EXPECT_FALSE(D.GetScalePropsX(n).Visible());
    D.SetStandardLayout(rcl_X2Both_Y2Both);
    EXPECT_EQ(D.MarginTop(), 64);
    EXPECT_EQ(D.GetScalePropsX(2).ScaleType(), sctXB);
    EXPECT_EQ(D.GetScalePropsY(2).ScaleType(), sctYL);
    EXPECT_EQ(D.GetScalePropsY(3).CaptionPosY(), -23);
    D.SetCaptionTrim(3);
    EXPECT_EQ(D.CaptionTrim(), 5);
    D.SetCaptionTrim(0);
    EXPECT_EQ(D.CaptionTrim(), 0);
    D.SetCaptionTrim(250);
    EXPECT_EQ(D.CaptionTrim(), 100);
    D.SetGridDx(-4);
    EXPECT_EQ(D.GridDx(), 0);
}

TEST_F(Ranges, SetEqualRangeGivesTheUnion)
{
    D.SetRange(1, 0, 0, 5, 1);
    D.SetRange(2, 3, -2, 9, 0.5);
    D.SetEqualRange({2, 1});
    EXPECT_EQ(D.GetScalePropsX(1).RangeHigh(), 9);
    EXPECT_EQ(D.GetScalePropsX(2).RangeLow(), 0);
    EXPECT_EQ(D.GetScalePropsY(1).RangeLow(), -2);
    EXPECT_EQ(D.GetScalePropsY(2).RangeHigh(), 1);
}

}  // namespace
