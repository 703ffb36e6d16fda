#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "ChartTestSupport.h"
#include "chart/VEZ_dizure.h"
#include "platform/graphics/Codecs.h"

namespace {

class Painting : public ::testing::Test {
protected:
    Painting() : D(nullptr)
    {
        D.SetSuppressPaint(false);
        D.SetAutoRedraw(false);   // as the program's charts: windows call ShowGraf
        D.Scale1X().SetRangeLow(0);
        D.Scale1X().SetRangeHigh(10);
        D.Scale1Y().SetRangeLow(-1);
        D.Scale1Y().SetRangeHigh(10);
    }
    std::string Screen(TColor ink) { return Picture(D.Surface(), ink); }
    TPoint Px(double x, double y)
    {
        TPoint p;
        D.R2M(1, x, y, p.X, p.Y);
        return {p.X - D.MarginLeft(), p.Y - D.MarginTop()};   // in the data-area bitmap
    }
    TDIzure D;
};

// Number of pixels that differ between two bitmaps of one size.
int Differences(TBitmap& a, TBitmap& b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
    int n = 0;
    for (Integer y = 0; y < a.Height(); ++y)
        for (Integer x = 0; x < a.Width(); ++x) n += a.Canvas().Pixel(x, y) != b.Canvas().Pixel(x, y);
    return n;
}

// Compares the bitmap with a stored picture; DORVANE_UPDATE_PICTURES=1 stores it anew.
int DifferencesFromStored(TBitmap& bmp, const std::string& name)
{
    const std::string path = DataDir() + name;
    if (std::getenv("DORVANE_UPDATE_PICTURES")) {
        TPngImage png;
        png.Assign(&bmp);
        png.SaveToFile(String(path));
    }
    if (!std::filesystem::exists(path)) return -1;
    TPngImage stored;
    stored.LoadFromFile(String(path));
    return Differences(bmp, stored.Image());
}

void AppendPlot(TDIzure& d)
{
    d.SetDataColor(clBlue);
    d.SetLineWidth(1);
    d.MoveTo(0.0, 0.0);
    for (int i = 1; i <= 10; ++i) d.DrawTo(double(i), (i * i) / 10.0);
    d.SetDataColor(clRed);
    for (int i = 0; i <= 10; i += 2) d.MarkAt(double(i), 10 - i * 0.8, static_cast<Byte>(i + 7));
    d.SetDataColor(clGreen);
    d.SetLineWidth(2);
    d.MoveTo(Integer(0), Integer(0));
    d.DrawTo(10.0, Integer(0));   // world x axis from the origin, whichever overloads the zeros pick
}

void Plot(TDIzure& d)
{
    d.ClearGraf();
    AppendPlot(d);
}

TEST_F(Painting, PlotWithoutTextMatchesTheStoredPicture)
{
    Plot(D);
    D.ShowGraf();
    EXPECT_EQ(DifferencesFromStored(D.GrafBmp(), "plot.png"), 0);
    EXPECT_EQ(D.GrafBmp().Canvas().Pixel(Px(0, 0).X + 5, Px(0, 0).Y), clGreen);
}

TEST_F(Painting, PlotWithTextIsCloseToTheStoredPicture)
{
    Plot(D);
    D.SetDataColor(clBlack);
    D.Text(5.0, 8.0, 9, "Safety factor");
    D.Text(2.0, 5.0, 8, "two\nlines", 0, 0, taLeftJustify);
    D.ShowGraf();
    const int diff = DifferencesFromStored(D.GrafBmp(), "plot-text.png");
    EXPECT_GE(diff, 0);
    EXPECT_LT(diff, 60);
    // The whole control (axes, labels, frame) after a full repaint.
    D.Paint();
    const int screen = DifferencesFromStored(D.Surface(), "chart-text.png");
    EXPECT_GE(screen, 0);
    EXPECT_LT(screen, 300);
}

TEST_F(Painting, AppendingNeverDraws)
{
    D.Paint();
    const std::string before = Screen(clRed);
    D.SetDataColor(clRed);
    D.MoveTo(1.0, 1.0);
    D.DrawTo(9.0, 9.0);
    D.MarkAt(5.0, 2.0, 9);
    EXPECT_EQ(Screen(clRed), before);
    D.ShowGraf();
    EXPECT_NE(Screen(clRed), before);
}

TEST_F(Painting, ClearGrafThenShowGrafShowsOnlyTheNewItems)
{
    D.SetDataColor(clRed);
    D.MoveTo(1.0, 1.0);
    D.DrawTo(9.0, 9.0);
    D.ShowGraf();
    EXPECT_GT(CountColor(D.Surface(), clRed), 0);
    D.ClearGraf();
    EXPECT_GT(CountColor(D.Surface(), clRed), 0);   // clearing does not repaint
    D.SetDataColor(clBlue);
    D.MoveTo(1.0, 9.0);
    D.DrawTo(9.0, 1.0);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.Surface(), clRed), 0);
    EXPECT_GT(CountColor(D.Surface(), clBlue), 0);
}

TEST_F(Painting, DrawingTheSamePictureTwiceLooksTheSame)
{
    Plot(D);
    D.ShowGraf();
    TBitmap once;
    once.Assign(D.GrafBmp());
    AppendPlot(D);
    D.ShowGraf();
    EXPECT_EQ(D.NumItems(), 2 * (11 + 6 + 2));
    EXPECT_EQ(Differences(once, D.GrafBmp()), 0);
}

TEST_F(Painting, LongPolylinesJoinWithoutGaps)
{
    D.SetRange(1, 0, 0, 450, 140);
    D.ShowGraf();
    TBitmap reference;
    reference.Assign(D.GrafBmp());
    D.SetDataColor(clRed);
    D.MoveTo(0.0, 0.0);
    reference.Canvas().Pen().SetColor(clRed);
    TPoint p = Px(0, 0);
    reference.Canvas().MoveTo(p.X, p.Y);
    for (int i = 1; i <= 450; ++i) {
        const double y = (i % 2) * 70.0 + 20;
        D.DrawTo(double(i), y);
        p = Px(i, y);
        reference.Canvas().LineTo(p.X, p.Y);
    }
    D.ShowGraf();
    // The frame of the data area is drawn last over both.
    TCanvas& r = reference.Canvas();
    r.Pen().SetColor(clBlack);
    r.MoveTo(0, 0);
    r.LineTo(reference.Width() - 1, 0);
    r.LineTo(reference.Width() - 1, reference.Height() - 1);
    r.LineTo(0, reference.Height() - 1);
    r.LineTo(0, 0);
    EXPECT_EQ(Differences(reference, D.GrafBmp()), 0);
}

class TItemLog : public TObject {
public:
    void Before(TObject*, TrcChartItem& item, Integer, bool) { Kinds.push_back(item.ItemKind); }
    std::vector<int> Kinds;
};

TEST_F(Painting, HiddenClassesAndLayersAreSkipped)
{
    TItemLog log;
    D.OnBeforeRendedIzureItem = TBeforeRenderItemEvent(&log, &TItemLog::Before);
    D.SetDataColor(clRed);
    D.SetClassDefault(5);
    D.MarkAt(5.0, 5.0, 9);
    D.SetClassDefault(0);
    D.SetActiveLayer(2);
    D.MarkAt(5.0, 5.0, 9);
    D.SetActiveLayer(1);
    D.SetClassVisib(5, false);
    D.SetLayerVisib(2, false);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clRed), 0);
    EXPECT_TRUE(log.Kinds.empty());
    D.SetClassVisib(5, true);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clRed), 49);
    EXPECT_EQ(log.Kinds, std::vector<int>{tkMarkAt});
}

TEST_F(Painting, DuplicateMarksAreSuppressed)
{
    D.SetRange(1, 0, 0, 210, 140);
    D.SetDataColor(clRed);
    D.MarkAt(50.0, 50.0, 3);
    D.MarkAt(51.0, 50.0, 3);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clRed), 8 + 6 + 6);   // two overlapping pluses
    D.SetAvoidDuplicateMarks(true);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clRed), 13);
    D.SetDataColor(clBlue);
    D.MarkAt(50.0, 50.0, 4);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clBlue), 5);
}

TEST_F(Painting, MarksOutsideTheRangesAreNotDrawnAndFarLinesAreClipped)
{
    D.SetDataColor(clRed);
    D.MarkAt(11.0, 5.0, 9);
    D.MarkAt(10.0, 10.0, 9);   // on the corner: ends included
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clRed), 9);   // the part of the square inside the frame
    D.ClearGraf();
    D.MoveTo(5.0, 5.0);
    D.DrawTo(1e12, 5.0);
    D.ShowGraf();
    EXPECT_GT(CountColor(D.GrafBmp(), clRed), 100);
}

TEST_F(Painting, AnnotationTextsOnTop)
{
    D.SetAnnoMode(true);
    D.SetDataColor(clBlack);
    D.Text(105, 70, 10, "ABC");
    D.SetDataColor(clRed);
    D.SetFillColor(clRed);
    D.Rectangle(90, 60, 120, 80);
    D.SetAnnoMode(false);
    D.ShowGraf();
    EXPECT_GT(CountColor(D.GrafBmp(), clBlack), 4 * 70);   // the text over the rectangle (plus the frame)
    D.SetAnnoTextOnTop(false);
    D.ShowGraf();
    EXPECT_EQ(CountColor(D.GrafBmp(), clBlack), 2 * (D.GrafBmp().Width() + D.GrafBmp().Height()) - 4);
}

TEST_F(Painting, TextLabelsAndCrosshairs)
{
    EXPECT_EQ(D.AddTextLabel(5, 5, clBlack, "label", 0), 1);
    for (int i = 2; i <= 30; ++i) D.AddTextLabel(5, 5, clBlack, "x", 0);
    EXPECT_EQ(D.AddTextLabel(5, 5, clBlack, "full", 0), 0);
    D.ClearAllTextLabels();
    D.CrossHairSetup(1, clRed, chBoth, TPenStyle::psSolid, 1);
    D.CrossHairSetPos(1, 5, 5);
    D.Paint();
    const TPoint c = {Px(5, 5).X + D.MarginLeft(), Px(5, 5).Y + D.MarginTop()};
    EXPECT_EQ(D.Surface().Canvas().Pixel(c.X, c.Y + 20), clRed);
    EXPECT_EQ(D.Surface().Canvas().Pixel(c.X + 20, c.Y), clRed);
    EXPECT_THROW(D.GetFTextLabel(31), EVEZDIzureError);
}

}  // namespace
