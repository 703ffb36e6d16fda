// The probabilistic and incremental result plots on the test driver: the lists they offer,
// the curves they draw, the ranges and decimal places of their axes, tracking, and the runs
// whose curves are shorter than their settings say.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/GraphIncrement.h"
#include "analysis/GraphStatistic.h"
#include "analysis/Statistic.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "platform/rtl/SysFormat.h"

namespace {

// Runs `check` on the window inside its modal showing, then closes it.
template <class TWindow>
void WithWindow(TWindow* window, const std::function<void(TWindow*)>& check)
{
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        check(window);
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

// The sub-item of a list section showing `text`, -1 when none does.
Integer SubItemOf(TSectionListBox* list, Integer section, const String& text)
{
    TStrings& items = list->Sections()[section]->SubItems();
    for (Integer i = 0; i < items.Count(); ++i)
        if (items[i] == text) return i;
    return -1;
}

TEST(ProbabilisticPlots, ListsTheStudiedQuantitiesAndPlotsTheChosenOne)
{
    const TParametres& m = StudiedSample();
    ASSERT_TRUE(m.Statistiques.Resultats[3]);
    auto* window = CreateForm<TGraphStatistics>(Application);
    window->param = m;
    WithWindow<TGraphStatistics>(window, [&](TGraphStatistics* w) {
        TSectionListBox* list = w->SectionListBox;
        ASSERT_EQ(list->Sections().Count(), 2);
        EXPECT_EQ(list->Sections()[0]->Caption(), "Input parameters:");
        EXPECT_EQ(list->Sections()[1]->Caption(), "Output parameters:");
        int inputs = 0;
        for (int r = 1; r <= 11; ++r) inputs += m.Statistiques.Selection[r];
        EXPECT_EQ(list->Sections()[0]->SubItems().Count(), inputs);
        // Input names are padded to 25 characters.
        for (Integer i = 0; i < list->Sections()[0]->SubItems().Count(); ++i)
            EXPECT_EQ(list->Sections()[0]->SubItems()[i].Length(), 25);
        EXPECT_TRUE(w->ChartEmpty);

        // "Sliding SF (Peak)": the density over the quantity's range, n + 1 points from the
        // minimum to the maximum, with its probability of failure.
        const Integer n = m.Statistiques.nPoints;
        const int index = StatIndex(StatResults, 3);
        const Integer item = SubItemOf(list, 1, "Sliding SF (Peak)");
        ASSERT_GE(item, 0);
        ClickListEntry(list, 1, item);
        ASSERT_FALSE(w->ChartEmpty);
        EXPECT_EQ(w->Section, 2);
        EXPECT_EQ(w->id, 3);
        EXPECT_EQ(w->x->GetVal(1), m.StatResult.minimum[index]);
        EXPECT_NEAR(w->x->GetVal(n + 1), m.StatResult.maximum[index], 1e-9 * std::fabs(m.StatResult.maximum[index]));
        for (Integer k = 1; k <= n + 1; ++k) EXPECT_EQ(w->y->GetVal(k), m.StatResult.histogramme[index]->GetVal(k));
        EXPECT_EQ(w->LabelMean->Caption(), Format("%12.7e", {m.StatResult.moyenne[index]}));
        EXPECT_EQ(w->LabelStDev->Caption(), Format("%12.7e", {m.StatResult.deviation[index]}));
        EXPECT_EQ(w->LabelFailure->Caption(), Format("%12.7e", {m.StatResult.performance[index]}));
        EXPECT_EQ(w->DIzure->Scale1Y().RangeLow(), 0);
        EXPECT_EQ(w->DIzure->Scale1X().DecPlaces(), SpanDecimalPlaces(w->maxX - w->MinX, 1));
        EXPECT_EQ(w->DIzure->Scale1Y().DecPlaces(), SpanDecimalPlaces(w->maxY - w->MinY, 1));
        // A zoom to a tenth of the range shows one more decimal place than a plot of that span.
        w->DIzure->Scale1X().SetRangeLow(w->MinX);
        w->DIzure->Scale1X().SetRangeHigh(w->MinX + 0.05);
        w->DIzureZoomPan(w->DIzure);
        EXPECT_EQ(w->DIzure->Scale1X().DecPlaces(), 3);

        // The distribution: a density of total 1 sums up to 1 at the maximum.
        TestClick(w->RadioGroupCDF->Buttons(1), 4, 6);
        EXPECT_EQ(w->RadioGroupCDF->ItemIndex(), 1);
        EXPECT_NEAR(w->y->GetVal(n + 1), 1, 1e-9);
        const double width = (m.StatResult.maximum[index] - m.StatResult.minimum[index]) / n;
        EXPECT_NEAR(w->y->GetVal(1), m.StatResult.histogramme[index]->GetVal(1) * width, 1e-12);
        TestClick(w->RadioGroupCDF->Buttons(0), 4, 6);
        EXPECT_EQ(w->y->GetVal(2), m.StatResult.histogramme[index]->GetVal(2));

        // Tracking: the status bar shows the mouse abscissa and the curve's value there.
        const Integer px = w->DIzure->MarginLeft() + 40, py = w->DIzure->MarginTop() + 30;
        double wx = 0, wy = 0;
        w->DIzure->M2R(1, px, py, wx, wy);
        TestMouseMove(w->DIzure, px, py);
        EXPECT_EQ(w->StatusBar1->Panels()[0]->Text(), Format("X = %8.4f", {wx}));
        EXPECT_EQ(w->StatusBar1->Panels()[1]->Text(), Format("Y = %8.5f", {w->CurveValueAt(wx)}));
        EXPECT_EQ(w->DIzure->CrossHair(1).Mode(), chBoth);

        // An input quantity has no probability of failure.
        ClickListEntry(list, 0, 0);
        EXPECT_EQ(w->LabelFailure->Caption(), "N/A");
    });
}

// Left of the curve its first value, right of it the last segment extended; between two
// points the straight line.
TEST(ProbabilisticPlots, CurveValueBetweenAndBeyondThePoints)
{
    auto* window = CreateForm<TGraphStatistics>(Application);
    window->param.Statistiques.nPoints = 2;
    WithWindow<TGraphStatistics>(window, [](TGraphStatistics* w) {
        // Points (0, 1), (1, 3), (2, 4).
        const double xs[] = {0, 1, 2}, ys[] = {1, 3, 4};
        for (int k = 1; k <= 3; ++k) {
            w->x->SetVal(k, xs[k - 1]);
            w->y->SetVal(k, ys[k - 1]);
        }
        w->MinX = 0;
        w->maxX = 2;
        struct Case {
            double X, value;
        };
        const Case cases[] = {{-5, 1}, {0, 1}, {0.5, 2}, {1.5, 3.5}, {2, 4}, {3, 5}};
        for (const Case& c : cases) EXPECT_DOUBLE_EQ(w->CurveValueAt(c.X), c.value) << c.X;
    });
}

// A quantity without variation shows "No variation" on an empty chart and leaves the figures
// alone; the PDF/CDF switch then does nothing.
TEST(ProbabilisticPlots, AQuantityWithoutVariation)
{
    TParametres m = StudiedSample();
    const int index = StatIndex(StatResults, 3);
    m.StatResult.deviation[index] = 0;
    auto* window = CreateForm<TGraphStatistics>(Application);
    window->param = m;
    WithWindow<TGraphStatistics>(window, [&](TGraphStatistics* w) {
        const Integer item = SubItemOf(w->SectionListBox, 1, "Sliding SF (Peak)");
        ClickListEntry(w->SectionListBox, 1, item);
        EXPECT_TRUE(w->ChartEmpty);
        EXPECT_EQ(w->LabelMean->Caption(), "0000.000");
        EXPECT_EQ(w->LabelFailure->Caption(), "0000.000");
        const double before = w->y->GetVal(1);
        TestClick(w->RadioGroupCDF->Buttons(1), 4, 6);
        EXPECT_EQ(w->y->GetVal(1), before);
        EXPECT_TRUE(w->ChartEmpty);
    });
}

TEST(ResultPlots, DecimalPlacesOfASpan)
{
    struct Case {
        double span;
        Integer extra, places;
    };
    const Case cases[] = {{0.05, 1, 2}, {0.05, 2, 3}, {0.004, 1, 3}, {0.5, 1, 1}, {0.9, 2, 2},
                          {1, 1, 1},    {25, 2, 1},   {0, 1, 1},     {-0.5, 2, 1}};
    for (const Case& c : cases) EXPECT_EQ(SpanDecimalPlaces(c.span, c.extra), c.places) << c.span << " " << c.extra;
}

// An incremental run of N steps with the given curves (entries 1..N).
TGraphIncrementLoad* IncrementalWindow(Integer steps, std::initializer_list<std::pair<int, std::vector<double>>> curves)
{
    auto* window = CreateForm<TGraphIncrementLoad>(Application);
    window->IncrementLoad.Loading = 1;
    window->IncrementLoad.StartValue[1] = 100;
    window->IncrementLoad.IncrementValue[1] = 0.5;
    window->IncrementLoad.AnalysisSteps = steps;
    for (const auto& [q, values] : curves) {
        window->IncrementLoad.Resultats[q] = true;
        DynArray<double> a;
        a.SetLength(static_cast<int>(values.size()) + 1);
        for (size_t s = 0; s < values.size(); ++s) a[static_cast<int>(s) + 1] = values[s];
        window->IncrementalResult.histogramme[q] = a;
    }
    return window;
}

// Row q's check box, 18-pixel rows.
void ClickCurve(TGraphIncrementLoad* w, int q) { TestClick(w->CheckListBox, 7, (q - 1) * 18 + 9); }

TEST(IncrementalPlots, VerticalRangeTakesATwentiethMoreAtEachEnd)
{
    auto* window = IncrementalWindow(3, {{1, {1.2, 1.5, 1.8}}, {3, {0.9, 1.2, 1.5}}, {4, {2, 2, 2}}});
    WithWindow<TGraphIncrementLoad>(window, [](TGraphIncrementLoad* w) {
        EXPECT_EQ(w->DIzure->Scale1X().Caption(), "Normal Upstream Reservoir Elevation (m)");
        for (int q = 1; q <= 10; ++q) EXPECT_EQ(w->CheckListBox->ItemEnabled(q - 1), q == 1 || q == 3 || q == 4) << q;
        ClickCurve(w, 1);
        ClickCurve(w, 3);
        EXPECT_FALSE(w->ChartEmpty);
        EXPECT_DOUBLE_EQ(w->DIzure->Scale1X().RangeLow(), 100);
        EXPECT_DOUBLE_EQ(w->DIzure->Scale1X().RangeHigh(), 101);
        EXPECT_NEAR(w->DIzure->Scale1Y().RangeLow(), 0.855, 1e-12);
        EXPECT_NEAR(w->DIzure->Scale1Y().RangeHigh(), 1.84725, 1e-12);
        ClickCurve(w, 1);
        ClickCurve(w, 3);
        EXPECT_TRUE(w->ChartEmpty);
        // A single constant curve at 2.
        ClickCurve(w, 4);
        EXPECT_NEAR(w->DIzure->Scale1Y().RangeLow(), 0.9, 1e-12);
        EXPECT_NEAR(w->DIzure->Scale1Y().RangeHigh(), 3.105, 1e-12);
    });
}

// The crosshair snaps to the checked curve closest to the mouse at the step under it, and
// follows that curve's segment.
TEST(IncrementalPlots, TrackingSnapsToTheNearestCurve)
{
    // Steps at loads 100, 100.5, 101, 101.5.
    auto* window = IncrementalWindow(4, {{1, {0, 1, 2, 3}}, {2, {10, 10, 10, 10}}});
    WithWindow<TGraphIncrementLoad>(window, [](TGraphIncrementLoad* w) {
        EXPECT_EQ(w->NearestCurveValueAt(100.6, 5), 5);   // nothing checked
        ClickCurve(w, 1);
        ClickCurve(w, 2);
        struct Case {
            double X, Y, value;
        };
        // k = Trunc((X - 100) / 1.5 x 4) limited to 1..3; the curve nearer Y at step k wins.
        const Case cases[] = {{100.6, 4, 1.2}, {100.6, 7, 10}, {100.1, 0, 0.2}, {101.5, 0, 3}, {99, 9, 10}};
        for (const Case& c : cases) EXPECT_NEAR(w->NearestCurveValueAt(c.X, c.Y), c.value, 1e-12) << c.X << "," << c.Y;
    });
}

// Curves the run left without a value for every step (a quantity requested after the run),
// and runs of fewer than two steps, cannot be checked; nothing reads past their values.
TEST(IncrementalPlots, CurvesShorterThanTheRunAreUnavailable)
{
    auto* window = IncrementalWindow(4, {{1, {0, 1, 2, 3}}, {2, {}}, {3, {5, 6}}});
    WithWindow<TGraphIncrementLoad>(window, [](TGraphIncrementLoad* w) {
        EXPECT_TRUE(w->CheckListBox->ItemEnabled(0));
        EXPECT_FALSE(w->CheckListBox->ItemEnabled(1));
        EXPECT_FALSE(w->CheckListBox->ItemEnabled(2));
        ClickCurve(w, 3);
        EXPECT_FALSE(w->CheckListBox->Checked(2));
        EXPECT_TRUE(w->ChartEmpty);
    });
    auto* single = IncrementalWindow(1, {{1, {4}}});
    WithWindow<TGraphIncrementLoad>(single, [](TGraphIncrementLoad* w) {
        EXPECT_FALSE(w->CheckListBox->ItemEnabled(0));
        TestClick(w->SpeedButton5, 4, 4);   // "Full view" on nothing
        EXPECT_TRUE(w->ChartEmpty);
        EXPECT_EQ(w->NearestCurveValueAt(100, 7), 7);
    });
}

}  // namespace
