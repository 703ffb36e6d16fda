// Pictures of the chart and the numeric label on shown forms, for people to look at: a plot with
// caption, grid, crosshair and text label, and numeric labels normal, disabled and overflowing.
#include <gtest/gtest.h>

#include "chart/VEZ_NumLab.h"
#include "chart/VEZ_dizure.h"
#include "platform/testing/Driver.h"

namespace {

class ChartScreenshot : public ::testing::Test {
protected:
    void SetUp() override { TestInitialize(); }
};

// A 360 x 260 chart showing 0..10 on both axes with the standard layout: data area 290 x 200
// from (50, 20).
TEST_F(ChartScreenshot, PlotWithCaptionGridCrossHairAndLabel)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 380, 280);
    auto* chart = new TDIzure(&form);
    chart->SetParent(&form);
    chart->SetBounds(0, 0, 360, 260);
    chart->SetCaption("Joint 1");
    chart->SetGridStyle(gsDotLines);
    chart->SetGridColor(clSilver);
    chart->SetRange(1, 0, 0, 10, 10);
    chart->Scale1X().SetCaption("x (m)");
    chart->Scale1Y().SetCaption("y (m)");
    chart->SetDataColor(clBlue);
    chart->MoveTo(0.0, 0.0);
    for (int i = 1; i <= 10; ++i) chart->DrawTo(double(i), i * i / 10.0);
    chart->SetDataColor(clRed);
    chart->Text(5.0, 8.0, 10, "10-point text");
    chart->AddTextLabel(2.0, 6.0, clGreen, "label", 0);
    chart->CrossHairSetup(1, clRed, chBoth, TPenStyle::psSolid, 1);
    chart->CrossHairSetPos(1, 7, 4.9);
    form.Show();
    chart->ShowGraf();
    TestProcess();
    TBitmap shot;
    TestScreenshot(&form, "chart", shot);
    TPoint p;
    chart->R2M(1, 7, 4.9, p.X, p.Y);
    EXPECT_EQ(TestPixel(chart, p.X, 30), clRed);    // the vertical crosshair line
    EXPECT_EQ(TestPixel(chart, 50, 120), clBlack);  // the left edge of the data area
}

TEST_F(ChartScreenshot, NumericLabelsNormalDisabledAndOverflowing)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 220, 120);
    const struct { const char* left; double value; bool enabled; } rows[] = {
        {"Nf", 3.25, true}, {"Nf", 3.25, false}, {"Big", 1e12, true}};
    Integer top = 8;
    TNumLab* first = nullptr;
    for (const auto& row : rows) {
        auto* lab = new TNumLab(&form);
        lab->SetParent(&form);
        lab->SetBounds(8, top, 200, 28);
        lab->SetLeftText(row.left);
        lab->SetRightText("Hz");
        lab->SetValue(row.value);
        lab->SetLabEnabled(row.enabled);
        if (!first) first = lab;
        top += 34;
    }
    form.Show();
    TestProcess();
    TBitmap shot;
    TestScreenshot(&form, "numeric-label", shot);
    EXPECT_EQ(TestPixel(first, 36, 0), clGray);   // the lowered frame of the first box
}

}  // namespace
