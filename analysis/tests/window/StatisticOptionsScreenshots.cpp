// A picture of the Monte-Carlo output options for people to look at: the sample's settings,
// with the input file and the input densities to be written.
#include <gtest/gtest.h>

#include "analysis/StatisticOptions.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"

namespace {

TEST(StatisticOptionsScreenshots, OutputOptions)
{
    const TParametres m = ReadTestModel("sample.dam");
    auto* window = CreateForm<TStatisticOptionsDlg>(Application);
    window->Statistiques = m.Statistiques;
    window->Statistiques.SauverParametres = window->Statistiques.SauverInputCDF = true;
    window->Statistiques.SauverResultats = window->Statistiques.SauverOutPutCDF = false;
    window->Joint = m.Joint;
    window->NJoints = m.NJoints;
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        TBitmap picture;
        TestScreenshot(window, "probabilistic-options", picture);
        EXPECT_EQ(window->ClientWidth(), 636);
        EXPECT_EQ(window->ClientHeight(), 496);
        window->Close();
    });
    window->ShowModal();
    delete window;
    TestProcess();
}

}  // namespace
