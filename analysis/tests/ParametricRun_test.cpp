#include "analysis/ParametricRun.h"

#include <gtest/gtest.h>

#include <limits>

#include "analysis/tests/StudyModel.h"
#include "analysis/tests/StudyTestSupport.h"

namespace {

TEST(ParametricRunTest, DownstreamLevelFollowsTheOvertopping)
{
    TParametres m = StudyModel();  // crest 160, downstream foundation 100
    const struct {
        double Up, Down, Ratio;
    } cases[] = {
        {155, 106, 1},     // no overtopping: the whole new depth
        {165, 100, 0},     // overtopping without tailwater: none
        {165, 110, 2},     // tailwater depth 10 over an overtopping depth of 5
        {160, 90, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DownstreamRatio(m, c.Up, c.Down), c.Ratio) << c.Up << " " << c.Down;
}

TEST(ParametricRunTest, AccelerationsFollowThePeakHorizontalOne)
{
    TParametres m = StudyModel();  // peak 0.2, 0.1, 0.5; sustained 0.1, 0.05, 0.3
    const TKeptInputs kept(m, 1);
    const TAccelerations a = kept.ScaledAccelerations(0.4);
    EXPECT_EQ(a.Peak.horizontal, 0.4);
    EXPECT_DOUBLE_EQ(a.Peak.vertical, 0.2);
    EXPECT_DOUBLE_EQ(a.Peak.spectral, 1.0);
    EXPECT_DOUBLE_EQ(a.Sust.horizontal, 0.2);
    EXPECT_DOUBLE_EQ(a.Sust.vertical, 0.1);
    EXPECT_DOUBLE_EQ(a.Sust.spectral, 0.6);
    EXPECT_EQ(a.ReturnPeriod, m.Acc.ReturnPeriod);
}

TEST(ParametricRunTest, KeptInputsComeBackExactly)
{
    TParametres m = StudyModel();
    const auto inputs = StoredInputs(m);
    const TKeptInputs kept(m, 1);
    EXPECT_DOUBLE_EQ(kept.ForceCos(), 0.6);  // last force (60, -80)
    EXPECT_DOUBLE_EQ(kept.ForceSin(), -0.8);
    m.Reservoir.NormalUp = 1;
    m.Acc.Sust.spectral = 2;
    m.PostTension.Tension2 = 3;
    m.Drainage.effectiveness = 0.1;
    m.DebrisFlottant.Force = 5;
    m.JointMaterials[1].peak.angle = 6;
    m.Force.Elem[1].HorForce = 7;
    kept.Restore(m);
    EXPECT_EQ(StoredInputs(m), inputs);
}

TEST(ParametricRunTest, EveryNumberOfAStudyFileFillsItsColumn)
{
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    const TFormatSettings english = TFormatSettings::English();
    const struct {
        const char* Mask;
        int Width;
        double Value;
        const char* Text;
    } cases[] = {
        {"0.000000E+00 ;-0.00000E+00 ;0.0          ", 13, 2.5, "2.500000E+00 "},
        {"0.000000E+00 ;-0.00000E+00 ;0.0          ", 13, -2.5, "-2.50000E+00 "},
        {"0.000000E+00 ;-0.00000E+00 ;0.0          ", 13, 0, "0.0          "},
        {"0.000000E+00 ;-0.00000E+00 ;0.0          ", 13, inf, "         INF "},
        {"0.000000E+00 ;-0.00000E+00 ;0.0          ", 13, -inf, "        -INF "},
        {"0.000000E+00 ;-0.00000E+00 ;0.0          ", 13, nan, "         NAN "},
        {"0.00000000E+00 ;-0.0000000E+00 ;0.0            ", 15, 0.125, "1.25000000E-01 "},
        {"0.00000000E+00 ;-0.0000000E+00 ;0.0            ", 15, nan, "           NAN "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StudyColumnNumber(c.Mask, c.Width, c.Value, english).ToUtf8(), c.Text) << c.Value;
}

TEST(ParametricRunTest, PercentDone)
{
    EXPECT_EQ(PercentOf(1, 3), 33);
    EXPECT_EQ(PercentOf(1, 8), 12);  // 12.5 rounds to even
    EXPECT_EQ(PercentOf(3, 8), 38);  // 37.5 rounds to even
    EXPECT_EQ(PercentOf(1, 1), 100);
    EXPECT_EQ(PercentOf(1, 0), 100);
}

TEST(ParametricRunTest, TheAnalysisRunsTheRequestedStudies)
{
    ScratchFolder folder;
    TParametres m = MonteCarloModel(20);
    m.Statistiques.SauverParametres = m.Statistiques.SauverResultats = false;
    m.Statistiques.SauverInputCDF = m.Statistiques.SauverOutPutCDF = false;
    m.IncrementLoad = IncrementalModel().IncrementLoad;
    m.IncrementLoad.SauverResultats = false;
    TSilentAnalysisHost analysisHost;
    TSilentLongRunHost host;
    RunAnalysis(m, analysisHost, ParametricRuns(host));
    EXPECT_EQ(host.Entries, (std::vector<String>{"Monte-Carlo simulation", "Incremental Load Analysis"}));
    EXPECT_EQ(m.IncrementLoad.AnalysisSteps, 21);
    EXPECT_GT(m.StatResult.deviation[12 + 2], 0);
    EXPECT_TRUE(m.Donnees.Contains(daAnalysed));
}

} // namespace
