// Pictures of the probabilistic and incremental result plots for people to look at.
#include <gtest/gtest.h>

#include "analysis/GraphIncrement.h"
#include "analysis/GraphStatistic.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"

namespace {

// The sample's peak sliding safety factor after its Monte-Carlo run, as a density.
TEST(ResultPlotScreenshots, ProbabilisticPlots)
{
    auto* window = CreateForm<TGraphStatistics>(Application);
    window->param = StudiedSample();
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        TStrings& outputs = window->SectionListBox->Sections()[1]->SubItems();
        for (Integer i = 0; i < outputs.Count(); ++i)
            if (outputs[i] == "Sliding SF (Peak)") ClickListEntry(window->SectionListBox, 1, i);
        ASSERT_FALSE(window->ChartEmpty);
        TestMouseMove(window->DIzure, window->DIzure->MarginLeft() + 150, window->DIzure->MarginTop() + 100);
        TestProcess();
        TBitmap picture;
        TestScreenshot(window, "probabilistic-plots", picture);
        EXPECT_EQ(picture.Width(), window->Width());
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

// The sample's incremental run: the peak and residual sliding safety factors.
TEST(ResultPlotScreenshots, IncrementalPlots)
{
    const TParametres& m = StudiedSample();
    auto* window = CreateForm<TGraphIncrementLoad>(Application);
    window->IncrementLoad = m.IncrementLoad;
    window->IncrementalResult = m.IncrementalResult;
    window->Unites = m.unites;
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        for (int q : {3, 4})
            if (window->CheckListBox->ItemEnabled(q - 1)) TestClick(window->CheckListBox, 7, (q - 1) * 18 + 9);
        ASSERT_FALSE(window->ChartEmpty);
        TestProcess();
        TBitmap picture;
        TestScreenshot(window, "incremental-plots", picture);
        EXPECT_EQ(picture.Width(), window->Width());
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

}  // namespace
