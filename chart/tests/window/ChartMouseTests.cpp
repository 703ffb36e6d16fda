#include <gtest/gtest.h>

#include <functional>

#include "chart/VEZ_dizure.h"
#include "platform/testing/Driver.h"

namespace {

// What the chart's mouse events reported.
class TMouseLog : public TObject {
public:
    void ZoomPan(TObject*) { ++zoomPans; }
    void MoveInChart(TObject*, bool inChart, TShiftState, double x, double y)
    {
        lastInChart = inChart;
        lastX = x;
        lastY = y;
    }
    void RubberBand(TObject*, Integer layer, double x1, double y1, double x2, double y2)
    {
        band = {double(layer), x1, y1, x2, y2};
    }
    int zoomPans = 0;
    bool lastInChart = false;
    double lastX = 0, lastY = 0;
    std::vector<double> band;
};

std::vector<Cardinal> PixelsOf(TBitmap& bmp)
{
    TPixelBuffer px;
    bmp.GetPixels(px);
    std::vector<Cardinal> out;
    for (Integer y = 0; y < px.Height; ++y) out.insert(out.end(), px.Row(y), px.Row(y) + px.Width);
    return out;
}

// A 290 x 200 chart showing 0..10 on both axes: its data area is 220 x 140 pixels from (50, 20).
class ChartMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestInitialize();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
        chart = new TDIzure(form.get());
        chart->SetParent(form.get());
        chart->SetBounds(10, 10, 290, 200);
        chart->SetRange(1, 0, 0, 10, 10);
        chart->OnZoomPan = TZoomPanEvent(&log, &TMouseLog::ZoomPan);
        chart->OnMouseMoveInChart = TMouseMoveInChartEvent(&log, &TMouseLog::MoveInChart);
        chart->OnRubberBand = TSelectRectEvent(&log, &TMouseLog::RubberBand);
        form->Show();
        TestProcess();
    }

    // Press, a first move that anchors the drag, a move to the end, release.
    void Drag(TPoint from, TPoint to, TMouseButton button = mbLeft)
    {
        TestMouseDown(chart, from.X, from.Y, button);
        const TShiftState held = button == mbLeft ? TShiftState{ssLeft} : TShiftState{ssRight};
        TestMouseMove(chart, from.X, from.Y, held);
        TestMouseMove(chart, to.X, to.Y, held);
        TestMouseUp(chart, to.X, to.Y, button);
        TestProcess();
    }

    void ExpectRange(double xLo, double xHi, double yLo, double yHi)
    {
        EXPECT_NEAR(chart->Scale1X().RangeLow(), xLo, 1e-9);
        EXPECT_NEAR(chart->Scale1X().RangeHigh(), xHi, 1e-9);
        EXPECT_NEAR(chart->Scale1Y().RangeLow(), yLo, 1e-9);
        EXPECT_NEAR(chart->Scale1Y().RangeHigh(), yHi, 1e-9);
    }

    TMouseLog log;
    std::unique_ptr<TForm> form;
    TDIzure* chart = nullptr;
};

TEST_F(ChartMouse, PanMovesTheRangeByTheDraggedDistance)
{
    chart->SetMouseAction(maPan);
    Drag({100, 80}, {122, 80});
    ExpectRange(-1, 9, 0, 10);
    EXPECT_EQ(log.zoomPans, 1);
    // Down by 14 pixels: the y range moves up by one tenth of its span.
    Drag({100, 80}, {100, 94});
    ExpectRange(-1, 9, 1, 11);
}

TEST_F(ChartMouse, PanHorizontalLeavesTheYRange)
{
    chart->SetMouseAction(maPanHoriz);
    Drag({100, 80}, {122, 94});
    ExpectRange(-1, 9, 0, 10);
}

TEST_F(ChartMouse, ZoomWindowByPositionGivesAscendingRangesWhicheverWayDrawn)
{
    chart->SetMouseAction(maZoomWindPos);
    double x1, y1, x2, y2;
    chart->M2R(1, 72, 48, x1, y1);
    chart->M2R(1, 160, 120, x2, y2);
    Drag({160, 120}, {72, 48});
    ExpectRange(x1, x2, y2, y1);
    EXPECT_EQ(log.zoomPans, 1);
    EXPECT_EQ(chart->ZoomState(), zsNormal);
}

TEST_F(ChartMouse, ZoomWindowKeepsTheDrawingDirection)
{
    chart->SetMouseAction(maZoomWind);
    double x1, y1, x2, y2;
    chart->M2R(1, 72, 48, x1, y1);
    chart->M2R(1, 160, 120, x2, y2);
    Drag({160, 120}, {72, 48});
    // Drawn right to left: the x axis runs backwards; drawn upwards: y stays ascending.
    ExpectRange(x2, x1, y2, y1);
}

TEST_F(ChartMouse, RightButtonReleaseDropsTheWindow)
{
    chart->SetMouseAction(maZoomWind);
    TestMouseDown(chart, 72, 48, mbLeft);
    TestMouseMove(chart, 160, 120, {ssLeft});
    TestMouseUp(chart, 160, 120, mbRight);
    TestProcess();
    ExpectRange(0, 10, 0, 10);
    EXPECT_EQ(log.zoomPans, 0);
}

TEST_F(ChartMouse, DragZoomAboutTheCentre)
{
    chart->SetMouseAction(maZoomDrag);
    // 29 pixels right on a 290-pixel control: the x span shrinks to 0.9 of itself.
    Drag({100, 80}, {129, 80});
    ExpectRange(0.5, 9.5, 0, 10);
    // 20 pixels down on a 200-pixel control: the y span grows by a tenth.
    Drag({100, 80}, {100, 100});
    ExpectRange(0.5, 9.5, -0.5, 10.5);
    EXPECT_EQ(log.zoomPans, 2);
}

TEST_F(ChartMouse, MouseMoveReportsTheWorldPosition)
{
    double x, y;
    chart->M2R(1, 105, 55, x, y);
    TestMouseMove(chart, 105, 55);
    EXPECT_TRUE(log.lastInChart);
    EXPECT_DOUBLE_EQ(log.lastX, x);
    EXPECT_DOUBLE_EQ(log.lastY, y);
    EXPECT_DOUBLE_EQ(chart->MousePosX(), x);
    TestMouseMove(chart, 10, 10);
    EXPECT_FALSE(log.lastInChart);
    EXPECT_DOUBLE_EQ(chart->MousePosX(), x);   // kept from the last position inside
}

TEST_F(ChartMouse, RubberBandLeavesNoTraceOnceReleased)
{
    chart->SetMouseAction(maRubberBand);
    chart->ShowGraf();
    TestProcess();
    TBitmap before, during, after;
    TestGrab(form.get(), before);
    TestMouseDown(chart, 60, 30);
    TestMouseMove(chart, 120, 90, {ssLeft});
    TestMouseMove(chart, 200, 140, {ssLeft});
    TestProcess();
    TestGrab(form.get(), during);
    EXPECT_NE(TestPixel(chart, 130, 85), chart->ChartColor());   // the band crosses here
    TestMouseUp(chart, 200, 140);
    TestProcess();
    TestGrab(form.get(), after);
    EXPECT_EQ(PixelsOf(before), PixelsOf(after));
    double x1, y1, x2, y2;
    chart->M2R(1, 60, 30, x1, y1);
    chart->M2R(1, 200, 140, x2, y2);
    EXPECT_EQ(log.band, (std::vector<double>{1, x1, y1, x2, y2}));
    ExpectRange(0, 10, 0, 10);
}

TEST_F(ChartMouse, DoubleClickOnTheXAxisTogglesItsMouseAction)
{
    chart->Scale1X().SetMouseAction(maPan);
    TestMouseMove(chart, 150, 175);
    EXPECT_EQ(chart->DetectScale(150, 175), -1);
    TestDoubleClick(chart, 150, 175);
    TestProcess();
    EXPECT_EQ(chart->Scale1X().MouseAction(), maZoom);
    ExpectRange(0, 10, 0, 10);
}

TEST_F(ChartMouse, CursorsComeFromTheResources)
{
    const TCursor hand = TCustomDIzure::ChartCursor(1);
    EXPECT_GT(hand, 0);   // registered, not a standard cursor
    for (Integer i = 2; i <= 4; ++i) EXPECT_NE(TCustomDIzure::ChartCursor(i), hand);
}

TEST_F(ChartMouse, CursorFollowsTheModeWhenNotFixed)
{
    chart->SetMouseCursorFixed(false);
    chart->SetMouseAction(maPan);
    TestMouseMove(chart, 100, 80);
    EXPECT_EQ(chart->Cursor(), TCustomDIzure::ChartCursor(1));
    chart->SetMouseAction(maNone);
    TestMouseMove(chart, 101, 80);
    EXPECT_EQ(chart->Cursor(), crCross);
    TestMouseMove(chart, 5, 5);
    EXPECT_EQ(chart->Cursor(), crDefault);
}

}  // namespace

namespace {

// Mouse events that arrive while MouseBox waits, from a timer of the message loop.
class TBoxUser : public TObject {
public:
    void Act(TObject*)
    {
        timer->SetEnabled(false);
        for (const auto& step : steps) step();
    }
    TTimer* timer = nullptr;
    std::vector<std::function<void()>> steps;
};

TEST_F(ChartMouse, MouseBoxReturnsTheOrderedWorldRectangle)
{
    TBoxUser user;
    TTimer timer(nullptr);
    user.timer = &timer;
    user.steps = {[this] { TestMouseDown(chart, 200, 120); }, [this] { TestMouseMove(chart, 80, 40, {ssLeft}); },
                  [this] { TestMouseUp(chart, 80, 40); }};
    timer.SetInterval(1);
    timer.SetOnTimer(TNotifyEvent(&user, &TBoxUser::Act));
    timer.SetEnabled(true);
    double xLo = 0, yLo = 0, xHi = 0, yHi = 0;
    ASSERT_TRUE(chart->MouseBox(xLo, yLo, xHi, yHi));
    double x1, y1, x2, y2;
    chart->M2R(1, 80, 40, x1, y1);
    chart->M2R(1, 200, 120, x2, y2);
    EXPECT_EQ(xLo, x1);
    EXPECT_EQ(xHi, x2);
    EXPECT_EQ(yLo, y2);
    EXPECT_EQ(yHi, y1);

    // The right button cancels.
    user.steps = {[this] { TestMouseDown(chart, 100, 60, mbRight); }};
    timer.SetEnabled(true);
    EXPECT_FALSE(chart->MouseBox(xLo, yLo, xHi, yHi));
}

class TCrossHairLog : public TObject {
public:
    void Before(TObject*, TCrossHair*, Integer, Integer, bool& allow) { allow = allowMove; }
    void Moved(TObject*, TCrossHair* ch) { moved = ch; }
    bool allowMove = true;
    TCrossHair* moved = nullptr;
};

TEST_F(ChartMouse, CrossHairFollowsTheMouseWhenAllowed)
{
    TCrossHairLog chLog;
    chart->CrossHairSetup(2, clBlue, chVert, TPenStyle::psSolid, 1);
    chart->CrossHairSetPos(2, 5.0, 5.0);
    chart->OnBeforeCrossHairMove = TBeforeCrossHairMoveEvent(&chLog, &TCrossHairLog::Before);
    chart->OnCrossHairMove = TCrossHairMoveEvent(&chLog, &TCrossHairLog::Moved);
    chart->SetMouseAction(maDragCrossH);
    chLog.allowMove = false;
    Drag({150, 80}, {190, 80});
    EXPECT_EQ(chart->GetCHPosX(2), 5.0);
    chLog.allowMove = true;
    Drag({150, 80}, {190, 80});
    double x, y;
    chart->M2R(chart->CrossHair(2).Layer(), 190, 80, x, y);   // in the crosshair's own layer
    EXPECT_EQ(chart->GetCHPosX(2), x);
    EXPECT_EQ(chLog.moved, &chart->CrossHair(2));
}

TEST_F(ChartMouse, MouseTraceStopsAt5000Points)
{
    chart->SetMouseAction(maDrawMTrace);
    TestMouseDown(chart, 60, 30);
    for (int i = 0; i < 5001; ++i) TestMouseMove(chart, 60 + i % 200, 30 + i % 100, {ssLeft});
    TestMouseUp(chart, 60, 30);
    EXPECT_EQ(chart->NumMTracePoints(), 5000);
    EXPECT_EQ(chart->GetMTracePoint(5000).Flag, 3);   // XOR segment, and the stroke ends here
    EXPECT_EQ(chart->GetMTracePoint(0).Flag, 65535);
}


// A vertical crosshair at x 3 (pixel 116) moved to x 7 (pixel 204) after the lists were shown:
// the old line is gone from the screen.
TEST_F(ChartMouse, MovedCrossHairLeavesNoLineBehind)
{
    chart->CrossHairSetup(1, clRed, chVert, TPenStyle::psSolid, 1);
    chart->MoveTo(1.0, 1.0);
    chart->DrawTo(2.0, 2.0);
    for (void (TCustomDIzure::*show)() : {&TCustomDIzure::ShowGraf, &TCustomDIzure::ShowGrafNewOnly}) {
        chart->CrossHairSetPos(1, 3, 5);
        (chart->*show)();
        chart->CrossHairSetPos(1, 7, 5);
        TestProcess();
        EXPECT_EQ(TestPixel(chart, 204, 100), clRed);
        EXPECT_EQ(TestPixel(chart, 116, 100), clWhite);
    }
}

TEST_F(ChartMouse, ClearedTraceLeavesTheScreen)
{
    chart->SetMouseAction(maDrawMTrace);
    chart->SetMouseTraceInvert(false);
    chart->SetMouseTraceColor(clRed);
    Drag({60, 90}, {200, 90});
    ASSERT_EQ(TestPixel(chart, 130, 90), clRed);
    chart->ClearMouseTrace();
    TestProcess();
    EXPECT_EQ(TestPixel(chart, 130, 90), clWhite);
}


// Dragging an x axis by 22 of its 220 pixels pans it by a tenth of its range: layer 1's axis in
// the band below the data area, layer 2's (range 0..1) put in the band above it.  The chart's
// own mode works on meanwhile: the trace takes both positions, clamped to the data area.
TEST_F(ChartMouse, DraggedAxesPanAndTheChartModeWorksOn)
{
    chart->SetMouseAction(maDrawMTrace);
    chart->GetScalePropsX(2).SetScaleLocation(slTop);
    chart->GetScalePropsX(2).SetVisible(true);
    struct Case { Integer layer, y; double lo, hi; };
    for (const Case& c : {Case{1, 170, -1, 9}, Case{2, 10, -0.1, 0.9}}) {
        SCOPED_TRACE(c.layer);
        chart->ClearMouseTrace();
        chart->GetScalePropsX(c.layer).SetMouseAction(maPan);
        Drag({100, c.y}, {122, c.y});
        EXPECT_NEAR(chart->GetScalePropsX(c.layer).RangeLow(), c.lo, 1e-9);
        EXPECT_NEAR(chart->GetScalePropsX(c.layer).RangeHigh(), c.hi, 1e-9);
        EXPECT_EQ(chart->NumMTracePoints(), 2);
        chart->GetScalePropsX(c.layer).SetMouseAction(maNone);
    }
}

}  // namespace
