// The gauge on the real back end: its percentage, its range, and its bar and text.
#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/FormReader.h"
#include "platform/stdctrls/Gauges.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/testing/Driver.h"

namespace {

TEST(Gauge, PercentDoneFollowsProgressWithinItsRange)
{
    TGauge gauge(nullptr);
    struct Case { Int64 Min, Max, Progress, Kept; Integer Percent; };
    const Case cases[] = {
        {0, 100, 40, 40, 40},
        {10, 20, 15, 15, 50},
        {0, 3, 2, 2, 66},        // whole percents, cut
        {0, 100, 150, 100, 100}, // progress stays in the range
        {0, 100, -5, 0, 0},
        {0, 1000000000000, 250000000000, 250000000000, 25},
    };
    for (const Case& c : cases) {
        gauge.SetMinValue(-1);
        gauge.SetMaxValue(c.Max);
        gauge.SetMinValue(c.Min);
        gauge.SetProgress(c.Progress);
        EXPECT_EQ(gauge.Progress(), c.Kept) << c.Progress;
        EXPECT_EQ(gauge.PercentDone(), c.Percent) << c.Progress;
    }
    gauge.SetMinValue(0);
    gauge.SetMaxValue(-10);   // a range never closes
    EXPECT_EQ(gauge.MaxValue(), 1);
    gauge.AddProgress(5);
    EXPECT_EQ(gauge.Progress(), 1);
}

// A form description names the gauge's colours as colours are named everywhere.
TEST(Gauge, ColoursReadFromAFormDescriptionByName)
{
    RegisterStdControlClasses();
    std::unique_ptr<TComponent> gauge(ReadComponentText(R"(object Gauge: TGauge
  ForeColor = clNavy
  BackColor = $00E0E0E0
end)"));
    auto* g = dynamic_cast<TGauge*>(gauge.get());
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->ForeColor(), clNavy);
    EXPECT_EQ(g->BackColor(), static_cast<TColor>(0xE0E0E0));
}

// A 102 x 22 gauge with a single border at (10, 10): its face is 100 x 20 from (1, 1).
struct GaugeFixture : ::testing::Test {
    TForm* Form = nullptr;
    TGauge* Gauge = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 100);
        Gauge = new TGauge(Form);
        Gauge->SetBounds(10, 10, 102, 22);
        Gauge->SetForeColor(clNavy);
        Gauge->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TColor At(Integer x, Integer y) { return ColorToRGB(TestPixel(Gauge, x, y)); }
};

TEST_F(GaugeFixture, BarCoversItsShareAndTheTextChangesColourOnIt)
{
    Gauge->SetShowText(false);
    Gauge->SetProgress(40);
    TestProcess();
    EXPECT_EQ(At(0, 0), ColorToRGB(clWindowFrame));
    for (Integer x : {1, 20, 40}) EXPECT_EQ(At(x, 5), clNavy) << x;
    for (Integer x : {41, 80, 100}) EXPECT_EQ(At(x, 5), clWhite) << x;

    Gauge->SetKind(gkVerticalBar);
    Gauge->SetProgress(25);
    TestProcess();
    EXPECT_EQ(At(50, 15), clWhite);   // 25 % of 20 rows: the bottom 5, rows 16 .. 20
    EXPECT_EQ(At(50, 16), clNavy);
    EXPECT_EQ(At(50, 20), clNavy);

    // "50%" across the end of a half-covered bar: white letters on the bar, navy ones beyond
    Gauge->SetKind(gkHorizontalBar);
    Gauge->SetShowText(true);
    Gauge->SetProgress(50);
    TestProcess();
    int white = 0, navy = 0;
    for (Integer y = 1; y < 21; ++y)
        for (Integer x = 30; x < 72; ++x) {
            if (x <= 50 && At(x, y) == clWhite) ++white;
            if (x > 50 && At(x, y) == clNavy) ++navy;
        }
    EXPECT_GT(white, 5);
    EXPECT_GT(navy, 5);
    TBitmap shot;
    TestScreenshot(Form, "platform-gauge", shot);
}

}  // namespace
