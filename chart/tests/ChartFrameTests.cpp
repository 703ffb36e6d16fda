#include <gtest/gtest.h>

#include <cmath>

#include "ChartTestSupport.h"
#include "chart/VEZ_dizure.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"

namespace {

class Chart : public ::testing::Test {
protected:
    Chart() : D(nullptr) { D.SetSuppressPaint(false); }
    void DeclaredMargins()
    {
        D.SetMarginLeft(50);
        D.SetMarginRight(10);
        D.SetMarginTop(16);
        D.SetMarginBottom(32);
    }
    TPoint Px(double x, double y, Integer layer = 1)
    {
        TPoint p;
        D.R2M(layer, x, y, p.X, p.Y);
        return p;
    }
    TDIzure D;
};

TEST_F(Chart, NewChartHasTheStandardLayout)
{
    EXPECT_EQ(D.Width(), 280);
    EXPECT_EQ(D.Height(), 200);
    EXPECT_EQ(D.MarginLeft(), 50);
    EXPECT_EQ(D.MarginRight(), 20);
    EXPECT_EQ(D.MarginTop(), 20);
    EXPECT_EQ(D.MarginBottom(), 40);
    EXPECT_EQ(D.GrafBmp().Width(), 211);
    EXPECT_EQ(D.GrafBmp().Height(), 141);
    EXPECT_EQ(D.StandardLayout(), rcl_X1Bottom_Y1Left);
    EXPECT_TRUE(D.Scale1X().Visible());
    EXPECT_TRUE(D.Scale1Y().Visible());
    EXPECT_FALSE(D.GetScalePropsX(2).Visible());
    EXPECT_EQ(D.Scale1X().ScaleType(), sctXT);
    EXPECT_EQ(D.Scale1Y().ScaleType(), sctYR);
    EXPECT_EQ(D.ScaleControlX(1).Name().ToUtf8(), "RC_FScale_X_1");
    EXPECT_EQ(D.GetScalePropsY(2).ColorScale(), clMaroon);
    EXPECT_EQ(D.FillColor(), 12632256);
    EXPECT_EQ(D.CrossHair(3).Layer(), 3);
    EXPECT_EQ(D.CrossHair(3).LineType(), TPenStyle::psDashDotDot);
}

TEST_F(Chart, DataAreaAndWorldToPixelWithTheDeclaredMargins)
{
    DeclaredMargins();
    EXPECT_EQ(D.GrafBmp().Width(), 221);
    EXPECT_EQ(D.GrafBmp().Height(), 153);
    D.SetRange(1, 0, 0, 10, 1);
    EXPECT_EQ(Px(0, 0), (TPoint{50, 168}));
    EXPECT_EQ(Px(10, 1), (TPoint{270, 16}));
    EXPECT_EQ(Px(5, 0.5), (TPoint{160, 92}));
    double x, y;
    D.M2R(1, 270, 16, x, y);
    EXPECT_DOUBLE_EQ(x, 10);
    EXPECT_DOUBLE_EQ(y, 1);
    // Pixels round half to even and far points clamp before rounding.
    D.SetRange(1, 0, 0, 220, 152);
    EXPECT_EQ(Px(0.5, 0).X, 50);
    EXPECT_EQ(Px(1.5, 0).X, 52);
    EXPECT_EQ(Px(1e300, 0).X, 2147483647);
    EXPECT_EQ(Px(0, 0, 0), Px(0, 0, 1));   // the layer is clamped to 1..16
}

TEST_F(Chart, LogarithmicAxes)
{
    DeclaredMargins();
    D.Scale1X().SetRangeLow(1);
    D.Scale1X().SetRangeHigh(100);
    D.Scale1X().SetLogarithmic(true);
    EXPECT_TRUE(D.Scale1X().Logarithmic());
    EXPECT_EQ(Px(10, 0).X, 160);
    EXPECT_EQ(Px(0, 0).X, 0);
    // Before loading the flag is taken whatever the range; the transforms then refuse it.
    try {
        D.GetScalePropsX(3).SetLogarithmic(true);
        ADD_FAILURE() << "no error";
    } catch (const EVEZDIzureError& e) {
        EXPECT_EQ(e.Message().ToUtf8(), "Logarithmic axis must not be negative.");
    }
    D.GetScalePropsX(3).SetLogarithmic(false);
}

TEST_F(Chart, MinimumSize)
{
    DeclaredMargins();
    D.SetBounds(0, 0, 50, 10);
    EXPECT_EQ(D.Width(), 140);
    EXPECT_EQ(D.Height(), 68);
}

TEST_F(Chart, IsometricOnASquareDataArea)
{
    D.SetBounds(0, 0, 270, 200);   // data area 200 x 140 ... made square below
    D.SetMarginBottom(D.Height() - D.MarginTop() - 200);
    ASSERT_EQ(D.GrafBmp().Width(), D.GrafBmp().Height());
    D.SetRange(1, 0, 10, 40, 20);
    D.SetIsometric(true);
    EXPECT_DOUBLE_EQ(D.Scale1Y().RangeHigh() - D.Scale1Y().RangeLow(), 40);
    EXPECT_DOUBLE_EQ(D.Scale1Y().Center(), 15);
}

TEST_F(Chart, ZoomHistoryRing)
{
    D.ClearZoomHistory();
    for (int i = 1; i <= 17; ++i) D.SetRange(1, 0, 0, i, 1);   // 17 more pushes: the ring wraps
    TRectDouble e;
    ASSERT_TRUE(D.GetZoomStackEntry(1, 0, e));
    EXPECT_EQ(e.Right, 17);
    ASSERT_TRUE(D.GetZoomStackEntry(1, -15, e));
    EXPECT_EQ(e.Right, 2);
    EXPECT_FALSE(D.GetZoomStackEntry(1, 1, e));
    D.ZoomHistory(-15);
    EXPECT_EQ(D.Scale1X().RangeHigh(), 2);
    D.ZoomHistory(0);
    EXPECT_EQ(D.Scale1X().RangeHigh(), 17);
    D.ZoomHistory(-16);   // outside: nothing
    EXPECT_EQ(D.Scale1X().RangeHigh(), 17);
}

TEST_F(Chart, NeverWrittenHistorySlotsLeaveTheRange)
{
    D.ClearZoomHistory();
    D.SetRange(1, 0, 0, 5, 5);
    D.ZoomHistory(-5);
    EXPECT_EQ(D.Scale1X().RangeHigh(), 5);
}

TEST_F(Chart, TicksOfTheActiveLayerCountFromTheLowEnd)
{
    D.SetRange(1, 0, 0, 10, 1);
    D.Scale1X().SetShortTicks(false);
    D.Paint();
    ASSERT_GT(D.TickNumX(), 2);
    EXPECT_EQ(D.GetTickPosX(1), 0);
    EXPECT_EQ(D.GetTickPosX(D.TickNumX()), 10);
    EXPECT_EQ(D.GetTickPosX(0), 0);
    EXPECT_EQ(D.GetTickPosX(D.TickNumX() + 1), 0);
}

// Collects the chart's information messages.
std::vector<std::string> Messages;

TEST(ChartSharing, UseDataOfSharesTheListAndRefusesItsLimits)
{
    Messages.clear();
    MessageBoxHook = [](const TMessageBoxRequest& r) -> std::optional<Integer> {
        EXPECT_EQ(r.Buttons, std::vector<Integer>{mrOk});
        Messages.push_back(r.Text.ToUtf8());
        return mrOk;
    };
    TDIzure a(nullptr), b(nullptr);
    b.SetUseDataOf(&b);
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_EQ(Messages[0], "DIzure: Cannot share data with myself");
    b.SetUseDataOf(&a);
    EXPECT_EQ(b.UseDataOf(), &a);
    b.MoveTo(1.0, 2.0);
    b.DrawTo(3.0, 4.0);
    EXPECT_EQ(a.NumItems(), 2);
    EXPECT_EQ(a.GetItemCount(tkLineto), 1);
    EXPECT_EQ(a.GetChartItem(1).x, 3);
    a.MarkAt(5.0, 5.0, 3);
    EXPECT_EQ(b.NumItems(), 3);
    a.SetUseDataOf(&b);   // a has users of its own
    EXPECT_EQ(Messages.back(), "DIzure: Cannot use foreign data. Other DIzures are using my own data.");
    TDIzure c(nullptr), d(nullptr), e(nullptr), f(nullptr);
    for (TDIzure* u : {&c, &d, &e}) u->SetUseDataOf(&a);
    f.SetUseDataOf(&b);   // b uses a: a is the owner, which has four users already
    EXPECT_EQ(Messages.back(), "DIzure: Max. number of data shares exceeded");
    EXPECT_EQ(f.UseDataOf(), nullptr);
    b.ClearGraf();
    EXPECT_EQ(a.NumItems(), 0);
    a.MoveTo(0.0, 0.0);   // the owner appends after a user cleared the shared list
    a.DrawTo(1.0, 1.0);
    EXPECT_EQ(e.NumItems(), 2);
    for (TDIzure* u : {&b, &c, &d, &e}) u->SetUseDataOf(nullptr);
    MessageBoxHook = nullptr;
}

// ---------------------------------------------------------------- axis properties

TEST(ScaleProps, DefaultsAndRangeRules)
{
    TScalePropsHoriz p;
    EXPECT_EQ(p.RangeLow(), 0);
    EXPECT_EQ(p.RangeHigh(), 1);
    EXPECT_EQ(p.MinRange(), 1e-10);
    EXPECT_EQ(p.DecPlaces(), -2);
    EXPECT_EQ(p.MinTicks(), 3);
    EXPECT_FALSE(p.Visible());
    EXPECT_TRUE(p.ShortTicks());
    EXPECT_EQ(p.ScaleType(), sctXT);
    p.SetMinRange(0.5);
    p.SetRangeHigh(0.3);
    EXPECT_DOUBLE_EQ(p.RangeLow(), -0.2);
    EXPECT_DOUBLE_EQ(p.RangeHigh(), 0.3);
    TScalePropsHoriz q;
    q.SetMinRange(0.5);
    q.SetRangeLow(0.8);
    EXPECT_DOUBLE_EQ(q.RangeLow(), 0.8);
    EXPECT_DOUBLE_EQ(q.RangeHigh(), 1.3);
    TScalePropsVert r;
    r.SetMinRange(10);
    EXPECT_DOUBLE_EQ(r.RangeLow(), -4.5);
    EXPECT_DOUBLE_EQ(r.RangeHigh(), 5.5);
    r.SetMinRange(0);
    EXPECT_EQ(r.MinRange(), 10);
    for (auto [in, out] : {std::pair{-4, -3}, {13, 12}, {5, 5}}) {
        r.SetDecPlaces(in);
        EXPECT_EQ(r.DecPlaces(), out);
    }
}

class TChangeCounter : public TObject {
public:
    void Changed(TObject*) { ++Count; }
    int Count = 0;
};

TEST(ScaleProps, LogarithmicRefusalsStillNotify)
{
    TScalePropsHoriz p;
    TChangeCounter n;
    p.OnChange = TNotifyEvent(&n, &TChangeCounter::Changed);
    p.SetNotYetLoaded(false);
    p.SetLogarithmic(true);   // range 0..1: refused
    EXPECT_FALSE(p.Logarithmic());
    p.SetRangeHigh(100);
    p.SetRangeLow(1);
    p.SetLogarithmic(true);
    EXPECT_TRUE(p.Logarithmic());
    n.Count = 0;
    p.SetRangeLow(0);
    EXPECT_EQ(p.RangeLow(), 1);
    EXPECT_EQ(n.Count, 1);
}

TEST(ScaleProps, LocationsGiveScaleTypes)
{
    TScalePropsHoriz x;
    TScalePropsVert y;
    x.SetScaleLocation(slTop);
    EXPECT_EQ(x.ScaleType(), sctXB);
    y.SetScaleLocation(slRight);
    EXPECT_EQ(y.ScaleType(), sctYL);
    y.SetScalePos(50);
    EXPECT_EQ(y.ScalePos(), 50);
}

TEST(ScaleProps, DateFormatIsCopiedNotShared)
{
    TScalePropsHoriz p;
    TDTLabel other;
    other.SetDateSeparator(u'/');
    p.SetDateFormat(other);
    other.SetDateSeparator(u'.');
    EXPECT_EQ(p.DateFormat().DateSeparator(), u'/');
    EXPECT_NE(&p.DateFormat(), &other);
}

// ---------------------------------------------------------------- joints and background

TEST_F(Chart, JointLayersShareRangesAndRefuseChains)
{
    TJointLayers& j = D.JointLayers();
    for (Integer n = 1; n <= 16; ++n) {
        EXPECT_EQ(j.XControlledBy(n), n);
        EXPECT_EQ(j.YControlledBy(n), n);
    }
    D.SetRange(1, 3, 0, 7, 1);
    j.SetXControlledBy(2, 1);
    EXPECT_EQ(D.GetScalePropsX(2).RangeLow(), 3);
    EXPECT_EQ(D.GetScalePropsX(2).RangeHigh(), 7);
    auto message = [&](auto call) {
        try {
            call();
        } catch (const EVEZDIzureError& e) {
            return e.Message().ToUtf8();
        }
        return std::string("no error");
    };
    EXPECT_EQ(message([&] { j.SetXControlledBy(1, 3); }), "Layer 1 is joined by other layers (2)");
    EXPECT_EQ(message([&] { j.SetXControlledBy(3, 2); }), "Destination layer 2 is already joined");
    EXPECT_EQ(message([&] { j.SetXControlledBy(2, 17); }), "Destination layer 17 is out of range");
    j.SetXControlledBy(5, 1);
    j.SetYControlledBy(1, 3);
    EXPECT_EQ(message([&] { j.SetXControlledBy(1, 4); }), "Layer 1 is joined by other layers (2, 5)");
    // A joined layer's x range follows its master and cannot be set directly.
    D.SetRange(2, 100, 0, 200, 50);
    EXPECT_EQ(D.GetScalePropsX(2).RangeLow(), 3);
    EXPECT_EQ(D.GetScalePropsY(2).RangeHigh(), 50);
    D.SetRange(1, 10, 0, 20, 1);
    EXPECT_EQ(D.GetScalePropsX(2).RangeHigh(), 20);
    j.SetXControlledBy(2, 2);
    EXPECT_EQ(j.XControlledBy(2), 2);
}

TEST(BackgroundImage, NameKeepsOnlyTheFileNameWithoutPath)
{
    TBakGndImg b;
    b.SetName("/data/pics/dam.bmp");
    EXPECT_EQ(b.Name().ToUtf8(), "dam.bmp");
    b.SetIncludePath(true);
    EXPECT_EQ(b.Name().ToUtf8(), "dam.bmp");
    b.SetName("C:\\pics\\x.bmp");
    EXPECT_EQ(b.Name().ToUtf8(), "C:\\pics\\x.bmp");
    b.SetIncludePath(false);
    EXPECT_EQ(b.Name().ToUtf8(), "x.bmp");
    EXPECT_EQ(b.FillMode(), bfStretch);
    EXPECT_EQ(b.AreaColor(), 14540253);
}

TEST(ChartHelpers, ClampAndGridRounding)
{
    Integer x = 40000, y = -5;
    EXPECT_TRUE(ClampCoord(x, y));
    EXPECT_EQ(x, 30000);
    EXPECT_EQ(y, -5);
    x = 10;
    y = 20;
    EXPECT_FALSE(ClampCoord(x, y));
    EXPECT_EQ(GridCeil(2.5), 3);
    EXPECT_EQ(GridCeil(-2.5), -2);
    EXPECT_EQ(GridFloor(2.5), 2);
    EXPECT_EQ(GridFloor(-2.5), -3);
    EXPECT_EQ(GridMax(1, 2), 2);
    EXPECT_EQ(GridMin(1, 2), 1);
}

// ---------------------------------------------------------------- settings objects

TEST(SettingsObjects, CrosshairLayersAndNotifications)
{
    TCrossHair ch;
    TChangeCounter n;
    ch.OnChange = TNotifyEvent(&n, &TChangeCounter::Changed);
    for (auto [in, out] : {std::pair{0, 1}, {17, 16}, {-5, 1}, {7, 7}}) {
        ch.SetLayer(in);
        EXPECT_EQ(ch.Layer(), out);
    }
    n.Count = 0;
    ch.SetPos(0, 0);
    EXPECT_EQ(n.Count, 0);
    ch.SetPos(0, 1);
    EXPECT_EQ(n.Count, 1);
    ch.SetColor(ch.Color());
    EXPECT_EQ(n.Count, 2);
    TCrossHair copy;
    copy.Assign(&ch);
    copy.SetMode(chBoth);
    EXPECT_EQ(n.Count, 3);   // the copy notifies the same receiver
}

TEST(SettingsObjects, DateLabelNotifiesOnChangesOnlyExceptOrderAndFormat)
{
    TDTLabel f;
    TChangeCounter n;
    f.OnChange = TNotifyEvent(&n, &TChangeCounter::Changed);
    f.SetDateSeparator(f.DateSeparator());
    EXPECT_EQ(n.Count, 0);
    f.SetDateOrder(f.DateOrder());
    EXPECT_EQ(n.Count, 1);
    f.SetTimeFormat(f.TimeFormat());
    EXPECT_EQ(n.Count, 2);
}

TEST(SettingsObjects, TextLabelLayerAndCaption)
{
    TTextLabel t;
    TChangeCounter n;
    t.OnChange = TNotifyEvent(&n, &TChangeCounter::Changed);
    t.SetLayer(17);
    EXPECT_EQ(t.Layer(), 1);
    EXPECT_EQ(n.Count, 0);
    t.SetCaption(String(u"A\tB\nC"));
    EXPECT_EQ(t.Caption().ToUtf8(), "A B\nC");
    EXPECT_EQ(t.PosX(), 100);
    EXPECT_EQ(t.ColorBkg(), clSilver);
    EXPECT_EQ(t.VerticalAlignment(), vaBottom);
    TTextLabel other;
    EXPECT_THROW(t.Assign(&other.Font()), EConvertError);
}

}  // namespace

namespace {

TEST(ChartCopy, AssignCopiesListsRangesAndLayersIntoOwnArrays)
{
    TDIzure a(nullptr), b(nullptr);
    a.SetRange(1, 0, 0, 20, 5);
    a.SetMarginLeft(70);
    a.SetDataColor(clRed);
    a.MoveTo(1.0, 1.0);
    a.DrawTo(2.0, 2.0);
    a.Text(1.0, 1.0, 8, "a text longer than fifteen");
    a.JointLayers().SetXControlledBy(2, 1);
    b.Assign(&a);
    EXPECT_EQ(b.NumItems(), 3);
    EXPECT_EQ(b.NumAllocData(), 1000);
    EXPECT_EQ(b.GetItemCount(tkLineto), 1);
    EXPECT_EQ(b.GetDataLongText(2).ToUtf8(), "a text longer than fifteen");
    EXPECT_EQ(b.Scale1X().RangeHigh(), 20);
    EXPECT_EQ(b.MarginLeft(), 70);
    EXPECT_EQ(b.JointLayers().XControlledBy(2), 1);
    TPoint pa, pb;
    a.R2M(1, 10, 2.5, pa.X, pa.Y);
    b.R2M(1, 10, 2.5, pb.X, pb.Y);
    EXPECT_EQ(pa, pb);
    b.DrawTo(3.0, 3.0);
    EXPECT_EQ(a.NumItems(), 3);
    EXPECT_EQ(a.GetChartItem(2).ItemKind, tkText);
    // Property changes of the copy reach the copy, not the source.
    b.Scale1X().SetRangeHigh(40);
    EXPECT_EQ(a.Scale1X().RangeHigh(), 20);
}

// Receives every event of a chart.
class TEventSink : public TObject {
public:
    void Notify(TObject*) {}
    void MoveInChart(TObject*, bool, TShiftState, double, double) {}
    void Rect(TObject*, Integer, double, double, double, double) {}
    void BeforeCrossHair(TObject*, TCrossHair*, Integer, Integer, bool&) {}
    void CrossHair(TObject*, TCrossHair*) {}
    void Label(TObject*, TTextLabel*) {}
    void Text(TObject*, String&, Integer, bool) {}
};

TEST(ChartCopy, AssignTakesTheMouseSettingsAndEveryHandlerButTheTextOne)
{
    TDIzure a(nullptr), b(nullptr);
    TEventSink sink;
    a.OnMouseMoveInChart = TMouseMoveInChartEvent(&sink, &TEventSink::MoveInChart);
    a.OnZoomPan = TZoomPanEvent(&sink, &TEventSink::Notify);
    a.OnRubberBand = TSelectRectEvent(&sink, &TEventSink::Rect);
    a.OnSelectRect = TSelectRectEvent(&sink, &TEventSink::Rect);
    a.OnBeforeCrossHairMove = TBeforeCrossHairMoveEvent(&sink, &TEventSink::BeforeCrossHair);
    a.OnCrossHairMove = TCrossHairMoveEvent(&sink, &TEventSink::CrossHair);
    a.OnTextLabelMove = TTextLabelMoveEvent(&sink, &TEventSink::Label);
    a.OnMouseEnter = TNotifyEvent(&sink, &TEventSink::Notify);
    a.OnMouseLeave = TNotifyEvent(&sink, &TEventSink::Notify);
    a.OnBeforeRenderText = TBeforeRenderTextEvent(&sink, &TEventSink::Text);
    a.SetMouseCursorFixed(false);
    a.SetPanGridDx(2);
    a.SetPanGridDy(3);
    a.SetPanGridOffsX(0.5);
    a.SetPanGridOffsY(0.25);
    a.SetMouseTraceColor(clRed);
    a.SetMouseTraceInvert(false);
    b.Assign(&a);
    const bool handlers[] = {b.OnMouseMoveInChart == a.OnMouseMoveInChart, b.OnZoomPan == a.OnZoomPan,
                             b.OnRubberBand == a.OnRubberBand, b.OnSelectRect == a.OnSelectRect,
                             b.OnBeforeCrossHairMove == a.OnBeforeCrossHairMove,
                             b.OnCrossHairMove == a.OnCrossHairMove, b.OnTextLabelMove == a.OnTextLabelMove,
                             b.OnMouseEnter == a.OnMouseEnter, b.OnMouseLeave == a.OnMouseLeave};
    for (size_t i = 0; i < std::size(handlers); ++i) EXPECT_TRUE(handlers[i]) << i;
    EXPECT_FALSE(b.OnBeforeRenderText.Assigned());
    EXPECT_FALSE(b.MouseCursorFixed());
    const double pan[] = {b.PanGridDx(), b.PanGridDy(), b.PanGridOffsX(), b.PanGridOffsY()};
    EXPECT_EQ(std::vector<double>(std::begin(pan), std::end(pan)), (std::vector<double>{2, 3, 0.5, 0.25}));
    EXPECT_EQ(b.MouseTraceColor(), clRed);
    EXPECT_FALSE(b.MouseTraceInvert());
}

// Layer numbers outside 1..16: the axis settings and controls answer with layer 1, the
// transforms clamp the number to 1..16, everything else reads as nothing and writes nothing.
// Layer L shows x 0..L and y 0..10 L on a data area 210 pixels wide.
TEST_F(Chart, LayerNumbersOutsideTheLayersAnswerWithoutHarm)
{
    for (Integer L = 1; L <= 16; ++L) D.SetRange(L, 0, 0, L, 10 * L);
    TDIzure other(nullptr);
    other.Scale1X().SetRangeHigh(500);
    other.Scale1Y().SetRangeHigh(500);
    struct Case { Integer n; Integer fallback; Integer clamped; bool valid; };
    const Case cases[] = {{0, 1, 1, false}, {1, 1, 1, true}, {16, 16, 16, true}, {17, 1, 16, false}, {-1, 1, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(D.GetScalePropsX(c.n).RangeHigh(), c.fallback);
        EXPECT_EQ(D.GetScalePropsY(c.n).RangeHigh(), 10 * c.fallback);
        EXPECT_EQ(D.ScaleControlX(c.n).RangeHigh(), c.fallback);
        EXPECT_EQ(D.ScaleControlY(c.n).RangeHigh(), 10 * c.fallback);
        double kx, dx, ky, dy, x, y;
        D.GetTransformParams(c.n, kx, dx, ky, dy);
        EXPECT_DOUBLE_EQ(kx, 210.0 / c.clamped);
        D.M2R(c.n, 260, 0, x, y);
        EXPECT_DOUBLE_EQ(x, c.clamped);
        EXPECT_EQ(Px(c.clamped, 0, c.n).X, 260);
        EXPECT_EQ(D.GetLayerVisib(c.n), c.valid);
        EXPECT_EQ(D.GetMAffLayer(c.n), c.n == 1);
        EXPECT_EQ(D.JointLayers().XControlledBy(c.n), c.valid ? c.n : 0);
        TRectDouble entry{};
        EXPECT_EQ(D.GetZoomStackEntry(c.n, 0, entry), c.valid);

        D.SetScalePropsX(c.n, &other.Scale1X());
        D.SetScalePropsY(c.n, &other.Scale1Y());
        D.SetLayerVisib(c.n, false);
        D.JointLayers().SetXControlledBy(c.n, c.n);
        const Integer changed = c.valid ? c.n : 0;
        for (Integer L = 1; L <= 16; ++L) {
            EXPECT_EQ(D.GetScalePropsX(L).RangeHigh(), L == changed ? 500 : L) << L;
            EXPECT_EQ(D.GetLayerVisib(L), L != changed) << L;
        }
        D.SetLayerVisib(c.n, true);
        if (c.valid) D.SetRange(c.n, 0, 0, c.n, 10 * c.n);
    }
    // The copied settings keep this chart's notification: its axis controls follow them.
    D.Scale1X().SetRangeHigh(7);
    EXPECT_EQ(D.ScaleControlX(1).RangeHigh(), 7);
    EXPECT_EQ(other.ScaleControlX(1).RangeHigh(), 500);
}

// Crosshairs 1..4, text labels 1..30 and items 0..count-1: other numbers read as crosshair
// 1, as nothing or raise the text-label error, and write nothing.
TEST_F(Chart, CrossHairLabelAndItemNumbersOutsideTheirRanges)
{
    D.SetName("Plot");
    for (Integer n = 1; n <= 4; ++n) D.CrossHairSetPos(n, n, n);
    TCrossHair moved;
    moved.SetPosX(99);
    struct Case { Integer n; bool valid; };
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{4, true}, Case{5, false}, Case{-1, false}}) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(&D.CrossHair(c.n), &D.CrossHair(c.valid ? c.n : 1));
        EXPECT_EQ(D.GetCHPosX(c.n), c.valid ? c.n : 0);
        D.SetCHPosY(c.n, 50);
        D.SetCrossHair(c.n, &moved);
        for (Integer n = 1; n <= 4; ++n) {
            EXPECT_EQ(D.CrossHair(n).PosX(), n == c.n ? 99 : n) << n;
            EXPECT_EQ(D.CrossHair(n).PosY(), n == c.n ? 0 : n) << n;
        }
        if (c.valid) D.CrossHairSetPos(c.n, c.n, c.n);
    }

    TTextLabel label;
    label.SetCaption("copied");
    for (const Case& c : {Case{0, false}, Case{1, true}, Case{30, true}, Case{31, false}, Case{-1, false}}) {
        SCOPED_TRACE(c.n);
        D.SetTextLabel(c.n, 1, 1, clBlack, "set", 0);
        if (c.valid) {
            EXPECT_EQ(D.GetFTextLabel(c.n).Caption(), String("set"));
            D.SetFTextLabel(c.n, &label);
            EXPECT_EQ(D.GetFTextLabel(c.n).Caption(), String("copied"));
            continue;
        }
        for (auto access : {+[](TDIzure& d, Integer n, TTextLabel*) { d.GetFTextLabel(n); },
                            +[](TDIzure& d, Integer n, TTextLabel* l) { d.SetFTextLabel(n, l); }}) {
            try {
                access(D, c.n, &label);
                ADD_FAILURE() << "no error";
            } catch (const EVEZDIzureError& e) {
                EXPECT_EQ(e.Message(), String("Component \"Plot\": invalid index into TextLabel array"));
            }
        }
    }
    for (Integer n = 2; n <= 29; ++n) EXPECT_EQ(D.GetFTextLabel(n).Mode(), tlOff) << n;

    D.MoveTo(1.0, 1.0);
    D.MarkAt(2.0, 2.0, 3);
    TrcChartItem line{};
    line.ItemKind = tkLine;
    for (const Case& c : {Case{-1, false}, Case{0, true}, Case{1, true}, Case{2, false}}) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(D.GetItemParams(c.n).ItemKind, c.valid ? D.GetChartItem(c.n).ItemKind : tkNone);
        EXPECT_EQ(D.GetItemParams(c.n).ItemKind == tkNone, !c.valid);
        D.ScaleItem(c.n, 1, 1, 1, 1);
        D.SetItemParams(c.n, line);
    }
    EXPECT_EQ(D.NumItems(), 2);
    EXPECT_EQ(D.GetItemCount(tkLine), 2);
    EXPECT_EQ(D.GetItemCount(tkMoveTo) + D.GetItemCount(tkMarkAt), 0);
}

}  // namespace
