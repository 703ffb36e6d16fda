#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ChartTestSupport.h"
#include "chart/VEZ_Scale.h"
#include "platform/rtl/DateUtils.h"

namespace {

// Collects the labels an axis writes.
class TLabelLog : public TObject {
public:
    void Label(TObject*, TScaleType, double v, String& text)
    {
        Values.push_back(v);
        Texts.push_back(text.ToUtf8());
    }
    std::vector<double> Values;
    std::vector<std::string> Texts;
};

class Axis : public ::testing::Test {
protected:
    Axis() : S(nullptr)
    {
        S.SetSuppressPaint(false);
        S.SetBounds(0, 0, 400, 400);
        S.OnBeforeTickLabel = TBeforeTickLabelEvent(&Log, &TLabelLog::Label);
    }
    void Paint()
    {
        Log.Values.clear();
        Log.Texts.clear();
        S.Paint();
    }
    std::vector<double> Ticks() const
    {
        std::vector<double> t;
        for (Integer i = 1; i <= S.NumTicks(); ++i) t.push_back(S.GetTickPos(i));
        return t;
    }
    static std::vector<double> Range(double from, double step, int count)
    {
        std::vector<double> v;
        for (int i = 0; i < count; ++i) v.push_back(from + i * step);
        return v;
    }
    static void ExpectNear(const std::vector<double>& got, const std::vector<double>& want)
    {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], want[i], 1e-9 * (1 + std::fabs(want[i]))) << i;
    }
    TLabelLog Log;
    TScale S;
};

TEST_F(Axis, NewControlDefaultsAndTransform)
{
    EXPECT_EQ(S.RangeLow(), 0);
    EXPECT_EQ(S.RangeHigh(), 100);
    EXPECT_EQ(S.DecPlaces(), -2);
    EXPECT_EQ(S.MinTicks(), 3);
    EXPECT_EQ(S.ScaleType(), sctXB);
    EXPECT_EQ(S.MarginLeft(), 20);
    // k = 359 / 100, d = 20
    EXPECT_EQ(S.ConvertToPixelCoords(0), 20);
    EXPECT_EQ(S.ConvertToPixelCoords(100), 379);
    EXPECT_EQ(S.ConvertToPixelCoords(50), 200);   // 199.5 rounds to even
    EXPECT_DOUBLE_EQ(S.ConvertPixelToScale(379), 100);
}

TEST_F(Axis, PropertyRules)
{
    S.SetRangeLow(5);
    S.SetRangeHigh(5);
    EXPECT_EQ(S.RangeLow(), 6);
    EXPECT_EQ(S.RangeHigh(), 5);
    S.SetRange(7, 9);
    S.SetRangeLow(9);
    EXPECT_EQ(S.RangeHigh(), 10);
    struct { Integer In, Dec, Ticks; } cases[] = {{20, 12, 10}, {-7, -3, 2}, {1, 1, 2}, {15, 12, 10}, {0, 0, 0}};
    for (auto c : cases) {
        S.SetDecPlaces(c.In);
        S.SetMinTicks(c.In);
        EXPECT_EQ(S.DecPlaces(), c.Dec) << c.In;
        EXPECT_EQ(S.MinTicks(), c.Ticks) << c.In;
    }
}

TEST_F(Axis, LogarithmicNeedsAPositiveRangeAfterLoading)
{
    S.Loaded();
    S.SetRange(0, 1000);
    S.SetLogarithmic(true);
    EXPECT_FALSE(S.Logarithmic());
    S.SetRange(1, 1000);
    S.SetLogarithmic(true);
    EXPECT_TRUE(S.Logarithmic());
    // 10 lies a third of the span (359 px) from the left margin.
    EXPECT_EQ(S.ConvertToPixelCoords(10), 20 + static_cast<int>(std::nearbyint(359.0 / 3)));
    EXPECT_EQ(S.ConvertToPixelCoords(0), 0);
}

TEST_F(Axis, LinearTicksOnAVerticalAxis)
{
    S.SetScaleType(sctYL);
    S.SetRange(0, 100);
    S.SetMinTicks(5);
    Paint();
    std::vector<double> want = Range(0, 2, 51);
    const std::vector<double> majors = Range(0, 10, 11);
    want.insert(want.end(), majors.begin(), majors.end());
    ExpectNear(Ticks(), want);
    EXPECT_EQ(Log.Texts, (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
}

TEST_F(Axis, HorizontalAxisRecordsMajorTicksOnlyWithoutShortTicks)
{
    S.SetRange(0, 1);
    S.SetMinTicks(4);
    S.SetShortTicks(false);
    Paint();
    ExpectNear(Ticks(), Range(0, 0.2, 6));
    EXPECT_EQ(Log.Texts, (std::vector<std::string>{"0.00", "0.20", "0.40", "0.60", "0.80", "1.00"}));
}

TEST_F(Axis, ZeroDecimalsLabelOnlyWholeNumbers)
{
    S.SetRange(0, 2);
    S.SetMinTicks(10);
    S.SetDecPlaces(0);
    S.SetShortTicks(false);
    Paint();
    ASSERT_GT(Log.Texts.size(), 3u);
    std::vector<std::string> shown;
    for (size_t i = 0; i < Log.Texts.size(); ++i)
        if (!Log.Texts[i].empty()) shown.push_back(Log.Texts[i]);
    EXPECT_EQ(shown, (std::vector<std::string>{"0", "1", "2"}));
}

TEST_F(Axis, UserTextsAndInscripts)
{
    S.SetRange(0, 100);
    S.SetMinTicks(5);
    S.SetLabelType(ftUserText);
    S.SetUserTickText("a|b|c");
    Paint();
    ASSERT_EQ(Log.Texts.size(), 11u);
    EXPECT_EQ(Log.Texts[0], "a");
    EXPECT_EQ(Log.Texts[1], "b");
    EXPECT_EQ(Log.Texts[2], "c");
    EXPECT_EQ(Log.Texts[10], "c");
    EXPECT_EQ(ApplyInscript("25", "& kN").ToUtf8(), "25 kN");
    EXPECT_EQ(ApplyInscript("1.5", "x=").ToUtf8(), "x=1.5");
    EXPECT_EQ(ApplyInscript("", "x=").ToUtf8(), "");
    EXPECT_EQ(UserTickField("", 2).ToUtf8(), "");
}

TEST_F(Axis, LogarithmicTicksAndLabels)
{
    struct Case {
        double Lo, Hi;
        Integer MinTicks, Dec;
        std::vector<std::string> Labels;
    };
    const Case cases[] = {
        {1, 1000, 3, -2, {"1", "10", "100", "1000"}},
        {1, 1000, 5, -2, {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}},
        {0.01, 10, 3, -2, {"0.01", "0.1", "1", "10"}},
        {1, 10000, 3, -3, {"0", "1", "2", "3", "4"}},
    };
    S.SetScaleType(sctYL);
    S.SetShortTicks(false);
    for (const Case& c : cases) {
        S.SetRange(c.Lo, c.Hi);
        S.SetLogarithmic(true);
        S.SetMinTicks(c.MinTicks);
        S.SetDecPlaces(c.Dec);
        Paint();
        EXPECT_EQ(Log.Texts, c.Labels) << c.Lo << ".." << c.Hi << " " << c.MinTicks;
        EXPECT_EQ(static_cast<size_t>(S.NumTicks()), c.Labels.size());
    }
}

TEST_F(Axis, TimeTicksInSeconds)
{
    S.SetScaleType(sctYL);
    S.SetLabelType(ftTime);
    S.SetRange(0, 3600);
    S.SetMinTicks(4);
    Paint();
    EXPECT_EQ(Log.Texts, (std::vector<std::string>{" 00:00:00", " 00:10:00", " 00:20:00", " 00:30:00", " 00:40:00",
                                                   " 00:50:00", " 01:00:00"}));
    // 31 minor ticks every 120 s, then the 7 major ones recorded again.
    EXPECT_EQ(S.NumTicks(), 31 + 7);
    EXPECT_DOUBLE_EQ(S.GetTickPos(2), 120);
    EXPECT_EQ(FormatSeconds(-3725.5, true).ToUtf8(), "-01:02:05.500");
    EXPECT_EQ(FormatSeconds(599.9999999, false).ToUtf8(), " 00:10:00");
}

TEST_F(Axis, TimeAxisFallsBackToNumbersWhenNoStepFits)
{
    S.SetLabelType(ftTime);
    EXPECT_EQ(S.DecPlaces(), 4);
    S.SetRange(0, 1000000);
    S.SetShortTicks(false);
    Paint();
    ASSERT_FALSE(Log.Texts.empty());
    EXPECT_EQ(Log.Texts[0].substr(0, 1), "0");
}

TEST_F(Axis, MonthTicksOfOneYear)
{
    S.SetLabelType(ftDateTime);
    S.SetRange(EncodeDate(2021, 1, 1), EncodeDate(2022, 1, 1));
    S.SetMinTicks(3);
    S.SetShortTicks(false);
    Paint();
    ExpectNear(Ticks(), {EncodeDate(2021, 4, 1), EncodeDate(2021, 7, 1), EncodeDate(2021, 10, 1),
                         EncodeDate(2022, 1, 1)});
    ASSERT_EQ(Log.Texts.size(), 4u);
    EXPECT_EQ(Log.Texts[0], "Apr-2021");
    EXPECT_EQ(Log.Texts[3], "Jan-2022");
}

TEST_F(Axis, HourTicksWithTheirDateLines)
{
    S.SetLabelType(ftDateTime);
    const double day = EncodeDate(2021, 3, 14);
    S.SetRange(day, day + 1);
    S.SetMinTicks(4);
    S.SetShortTicks(false);
    Paint();
    // Step 6 hours; after each time label the date when the day changes.
    EXPECT_EQ(Log.Texts, (std::vector<std::string>{"00:00", "14-Mar-2021", "06:00", "12:00", "18:00", "00:00",
                                                   "15-Mar-2021"}));
    S.SetShortTicks(true);
    Paint();
    EXPECT_EQ(S.NumTicks(), 13);   // every 2 hours
}

TEST_F(Axis, DayTicks)
{
    S.SetLabelType(ftDateTime);
    S.SetRange(EncodeDate(2021, 1, 1), EncodeDate(2021, 1, 29));
    S.SetMinTicks(4);   // 7 days per tick
    S.SetShortTicks(false);
    Paint();
    EXPECT_EQ(Log.Texts, (std::vector<std::string>{"01-Jan-2021", "08-Jan-2021", "15-Jan-2021", "22-Jan-2021",
                                                   "29-Jan-2021"}));
}

TEST_F(Axis, InvalidAndTooShortDateRangesShowMessages)
{
    S.SetLabelType(ftDateTime);
    S.SetRange(10, 5);
    Paint();
    EXPECT_EQ(S.NumTicks(), 0);
    EXPECT_TRUE(Log.Texts.empty());
    S.SetScaleType(sctYL);
    S.SetRange(1000, 1000 + 0.001 / 86400);
    Paint();
    EXPECT_EQ(S.NumTicks(), 0);
}

TEST_F(Axis, AutomaticDecimals)
{
    EXPECT_EQ(AutoDecPlaces(-2, 100, 0), 0);
    EXPECT_EQ(AutoDecPlaces(-2, 1, 0), 2);
    EXPECT_EQ(AutoDecPlaces(-2, 10, 0), 1);
    EXPECT_EQ(AutoDecPlaces(-3, 1e6, 0), -1);
    EXPECT_EQ(AutoDecPlaces(-2, 1e-4, 0), -1);
    EXPECT_EQ(AutoDecPlaces(3, 1, 0), 3);
    EXPECT_EQ(AutoLogDecPlaces(-2, 10, 0.01), 3);
    EXPECT_EQ(AutoLogDecPlaces(-2, 1000, 1), 0);
    EXPECT_EQ(AutoLogDecPlaces(-3, 1000, 1), -3);
}

TEST_F(Axis, TransparentHelperDrawsItsBaseLineAtTheOffset)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 400, 400);
    S.SetScaleType(sctXT);
    S.SetIsHelperComponent(true);
    S.SetTransparent(true);
    S.SetShortTicks(false);
    S.SetCaption("");
    S.UseForeignCanvas(&bmp.Canvas(), 0, 150);
    S.SetMarginTop(5);
    S.Paint();
    EXPECT_EQ(bmp.Canvas().Pixel(200, 155), clBlack);
    EXPECT_EQ(bmp.Canvas().Pixel(200, 154), clWhite);
}

TEST_F(Axis, PanAndZoomByDragging)
{
    TPanZoomInput in;
    in.Width = 340; in.Height = 60; in.MarginLeft = 20; in.MarginRight = 20;
    in.Low = 0; in.High = 100; in.AnchorLow = 0; in.AnchorHigh = 100;
    in.AnchorX = 100; in.X = 130; in.Action = maPan;
    double lo, hi;
    ASSERT_TRUE(PanZoomRange(in, lo, hi));
    EXPECT_DOUBLE_EQ(lo, -10);
    EXPECT_DOUBLE_EQ(hi, 90);
    in.Action = maNone;
    EXPECT_FALSE(PanZoomRange(in, lo, hi));
    S.SetMouseAction(maPan);
    S.DblClick();
    EXPECT_EQ(S.MouseAction(), maZoom);
    S.DblClick();
    EXPECT_EQ(S.MouseAction(), maPan);
    S.SetMouseAction(maZoomDrag);
    S.DblClick();
    EXPECT_EQ(S.MouseAction(), maZoomDrag);
}

}  // namespace
