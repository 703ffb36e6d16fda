#include <gtest/gtest.h>

#include "chart/VEZ_NumLab.h"
#include "chart/VEZ_dizure.h"
#include "platform/testing/Driver.h"

namespace {

class ChartWindow : public ::testing::Test {
protected:
    void SetUp() override { TestInitialize(); }
};

// A chart on a shown form paints itself through its window: what the window shows is the
// picture the chart composed.
TEST_F(ChartWindow, ShownChartPaintsItsComposedPicture)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* chart = new TDIzure(&form);
    chart->SetParent(&form);
    chart->SetBounds(10, 10, 280, 200);
    chart->SetAutoRedraw(false);
    chart->Scale1X().SetRangeHigh(10);
    chart->Scale1Y().SetRangeHigh(10);
    form.Show();
    TestProcess();
    EXPECT_FALSE(chart->SuppressPaint());
    chart->SetDataColor(clRed);
    chart->MoveTo(1.0, 1.0);
    chart->DrawTo(9.0, 9.0);
    TPoint p;
    chart->R2M(1, 5.0, 5.0, p.X, p.Y);
    TestProcess();
    EXPECT_NE(TestPixel(chart, p.X, p.Y), clRed);   // appended, not shown
    chart->ShowGraf();
    TestProcess();
    EXPECT_EQ(TestPixel(chart, p.X, p.Y), clRed);
    chart->Invalidate();
    TestProcess();
    EXPECT_EQ(TestPixel(chart, p.X, p.Y), clRed);   // a repaint renders the lists again
    EXPECT_EQ(TestPixel(chart, 2, 2), chart->ChartBmp().Canvas().Pixel(2, 2));
}

TEST_F(ChartWindow, NumericLabelOnAForm)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* lab = new TNumLab(&form);
    lab->SetParent(&form);
    lab->SetBounds(10, 10, 160, 28);
    form.Show();
    TestProcess();
    // The lowered frame of the box.
    EXPECT_EQ(TestPixel(lab, 36, 10), clGray);
    EXPECT_EQ(TestPixel(lab, 115, 10), clWhite);
    lab->SetValue(3.25);
    TestProcess();
    EXPECT_EQ(TestPixel(lab, 36, 10), clGray);
}


// A hidden label leaves its place to the form, whatever it is told to show.
TEST_F(ChartWindow, HiddenNumericLabelDrawsNothing)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* lab = new TNumLab(&form);
    lab->SetParent(&form);
    lab->SetBounds(10, 10, 160, 28);
    form.Show();
    TestProcess();
    lab->SetVisible(false);
    TestProcess();
    const TColor formColour = TestPixel(lab, 36, 10);
    EXPECT_NE(formColour, clGray);
    lab->SetValue(3.25);
    lab->SetLeftText("n");
    lab->SetFrameStyle(fsRaised);
    TestProcess();
    for (const TPoint p : {TPoint{36, 10}, TPoint{115, 10}, TPoint{5, 14}}) EXPECT_EQ(TestPixel(lab, p.X, p.Y), formColour);
}

}  // namespace
