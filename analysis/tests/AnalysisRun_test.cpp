#include "analysis/AnalysisRun.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analysis/tests/AnalysisTestModel.h"
#include "engine/Uplift.h"

namespace {

// Records every host call as one line.
class TRecordingHost : public IAnalysisHost {
public:
    std::vector<std::string> Calls;

    void StartRunSection(int section, const String& caption) override
    {
        Calls.push_back("start " + std::to_string(section) + " " + caption.ToUtf8());
    }
    void AddRunEntry(int section, const String& caption) override
    {
        Calls.push_back("add " + std::to_string(section) + " " + caption.ToUtf8());
    }
    void ExpandRunSection(int section) override { Calls.push_back("expand " + std::to_string(section)); }
    void ProcessPendingEvents() override { Calls.push_back("process"); }
    void SetRunTitle(const String& title) override { Calls.push_back("title " + title.ToUtf8()); }
    void CombinationsDone() override { Calls.push_back("done"); }
};

using TCalls = std::vector<std::string>;

TEST(RunAnalysis, EveryStepInItsOrder)
{
    TParametres m = AnalysisModel();
    for (Tdata flag : {daMasses, daIce, daSediments, daFloatingDebris, daPostTension, daForces, daPseudoDynamic})
        m.Donnees.Include(flag);
    TRecordingHost host;
    RunAnalysis(m, host);
    const TCalls expected = {
        "start 0 Loads:", "add 0 Geometry", "process",
        "add 0 Concentrated masses", "process",
        "add 0 Reservoir operating level", "add 0 Reservoir flood level", "add 0 Ice", "add 0 Silts",
        "add 0 Floating debris", "process",
        "add 0 Uplift - operating level", "process",
        "add 0 Uplift - flood level", "process",
        "add 0 Post-tension", "process",
        "add 0 Applied forces", "process",
        "add 0 Pseudo-static - stress analysis", "add 0 Pseudo-static - stability analysis", "process",
        "add 0 Pseudo-dynamic - stress analysis", "add 0 Pseudo-dynamic - stability analysis", "expand 0", "process",
        "start 1 Load Combinations:",
        "add 1 Usual", "process",
        "add 1 Flood", "process",
        "add 1 Seismic #1 - stress analysis", "process",
        "add 1 Seismic #1 - stability analysis", "process",
        "add 1 Seismic #2 - stress analysis", "process",
        "add 1 Seismic #2 - stability analysis", "process",
        "add 1 Post-seismic", "process",
        "expand 1",
        "title Analysis Done", "done"};
    EXPECT_EQ(host.Calls, expected);
    EXPECT_TRUE(m.Donnees.Contains(daAnalysed));
}

TEST(RunAnalysis, OnlyTheLoadsWithoutCombinations)
{
    TParametres m = AnalysisModel();
    m.Donnees = {};
    m.Donnees.Include(daGeometry);
    TRecordingHost host;
    RunAnalysis(m, host);
    const TCalls expected = {"start 0 Loads:", "add 0 Geometry", "process", "process", "process", "process",
                             "process", "process", "expand 0", "process", "title Analysis Done", "done"};
    EXPECT_EQ(host.Calls, expected);
    EXPECT_TRUE(m.Donnees.Contains(daAnalysed));
    // The loads are computed for every joint whatever the flags say.
    EXPECT_LT(m.JointLoad.Wv[2], 0);
    EXPECT_GT(m.JointLoad.HNu[2], 0);
}

TEST(RunAnalysis, CombinationSectionWithoutSelectedCombinations)
{
    TParametres m = AnalysisModel();
    m.Combination = {};
    TRecordingHost host;
    RunAnalysis(m, host);
    const TCalls tail(host.Calls.end() - 4, host.Calls.end());
    EXPECT_EQ(tail, (TCalls{"start 1 Load Combinations:", "expand 1", "title Analysis Done", "done"}));
}

TEST(RunAnalysis, ParametricRunsFollowWhenRequested)
{
    TParametres m = AnalysisModel();
    m.Statistiques.AnalysesDemandees = true;
    m.IncrementLoad.PerformAnalysis = true;
    TRecordingHost host;
    TParametricRuns runs;
    runs.StatisticalAnalyses = [&](TParametres&) { host.Calls.push_back("monte-carlo"); };
    runs.IncrementalLoadAnalysis = [&](TParametres&) { host.Calls.push_back("incremental"); };
    RunAnalysis(m, host, runs);
    const TCalls tail(host.Calls.end() - 8, host.Calls.end());
    EXPECT_EQ(tail, (TCalls{"title Analysis Done", "done", "title Probabilistic Analysis in Progress", "monte-carlo",
                            "title Probabilistic Analysis Done", "title Incremental Load Analysis in Progress",
                            "incremental", "title Incremental Laod Analysis Done"}));
}

TEST(RunAnalysis, SecondRunGivesTheSameResults)
{
    TParametres m = AnalysisModel();
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    const double crack = m.Joint.CrackLength.Up[1][0], factor = m.Joint.SafetyFactor.Sliding.Peak[4][1];
    RunAnalysis(m, host);
    EXPECT_EQ(m.Joint.CrackLength.Up[1][0], crack);
    EXPECT_EQ(m.Joint.SafetyFactor.Sliding.Peak[4][1], factor);
}

// ---- Drain efficiency ---------------------------------------------------------------------------

TParametres DrainedModel()
{
    TParametres m = AnalysisModel();
    m.Drain = true;
    m.Drainage.Xdrain = 2;
    m.Drainage.MaxElevation = 108;
    m.Drainage.effectiveness = 0.6;
    return m;
}

TEST(ComputeDrainEfficiency, JointsBelowTheTopOfTheDrainLine)
{
    TParametres m = DrainedModel();
    ComputeDrainEfficiency(m);
    EXPECT_EQ(m.DrainEfficiency.Joint[0], 0.6);
    EXPECT_EQ(m.DrainEfficiency.Joint[1], 0.6);
    EXPECT_EQ(m.DrainEfficiency.Joint[2], 0);  // above the drain line's top
}

TEST(ComputeDrainEfficiency, FromTheDrainFormula)
{
    TParametres m = DrainedModel();
    m.DrainEfficiency.Activated = true;
    m.DrainEfficiency.DrainSpacing = 3;
    m.DrainEfficiency.DrainDiameter = 0.1;
    ComputeDrainEfficiency(m);
    EXPECT_NEAR(m.DrainEfficiency.Joint[0], 1 - DrainPressureRatio(16, 3, 2, 0.05), 1e-15);
}

TEST(ComputeDrainEfficiency, DrainAtTheUpstreamEndHasNoEffect)
{
    TParametres m = DrainedModel();
    m.Drainage.Xdrain = 0;
    ComputeDrainEfficiency(m);
    EXPECT_EQ(m.DrainEfficiency.Joint[0], 0);
}

TEST(RunAnalysis, WithoutDrainsTheEfficiencyIsLeftAlone)
{
    TParametres m = AnalysisModel();
    m.DrainEfficiency.Joint[1] = 0.25;
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    EXPECT_EQ(m.DrainEfficiency.Joint[1], 0.25);
}

// ---- Degenerate models ----------------------------------------------------------------------------

bool AllFinite(const TFullArrayDynamic& values, int joints)
{
    for (int k = 1; k <= 7; ++k)
        for (int j = 0; j <= joints; ++j)
            if (!std::isfinite(values[k][j]))
                return false;
    return true;
}

void ExpectFiniteResults(const TParametres& m, const char* what)
{
    const TJoint& j = m.Joint;
    const int n = m.NJoints;
    for (const TFullArrayDynamic* a :
         {&j.Resultants.Normal, &j.Resultants.Shear, &j.Resultants.Moment, &j.Resultants.Position,
          &j.Stress.normal.Up, &j.Stress.normal.Down, &j.Stress.shear.Up, &j.Stress.shear.Down,
          &j.Stress.principal.Up, &j.Stress.principal.Down, &j.CrackLength.Up, &j.CrackLength.Down,
          &j.SafetyFactor.Sliding.Peak, &j.SafetyFactor.Sliding.Residual, &j.SafetyFactor.Overturning.Up,
          &j.SafetyFactor.Overturning.Down, &j.SafetyFactor.Uplifting, &j.RockWedge, &m.JointLoad.U,
          &m.JointLoad.Xu})
        EXPECT_TRUE(AllFinite(*a, n)) << what;
}

TEST(RunAnalysis, DegenerateModelsGiveFiniteResults)
{
    struct TDegenerate {
        const char* What;
        void (*Change)(TParametres&);
    };
    const TDegenerate cases[] = {
        {"zero-length base", [](TParametres& m) { m.Dim.L1 = 0; }},
        {"crest level with the upper slope", [](TParametres& m) { m.Dim.Elev.F = m.Dim.Elev.G; }},
        {"heel level with toe", [](TParametres& m) { m.Dim.Elev.B = m.Dim.Elev.A; }},
        {"no water weight", [](TParametres& m) { m.Reservoir.WaterWeight = 0; }},
        {"zero cracking factors", [](TParametres& m) {
             for (int k = 1; k <= 7; ++k) m.Cracking.InitiationSF[k] = m.Cracking.PropagationSF[k] = 0;
         }},
        {"drains without spacing", [](TParametres& m) {
             m.Drain = true;
             m.Drainage.Code = cUSBR;
             m.Drainage.Xdrain = 0;
             m.Drainage.GalleryElev = 110;
             m.DrainEfficiency.Activated = true;
         }},
        {"drain line on the heel", [](TParametres& m) {
             m.Drain = true;
             m.Drainage.Code = cUSACE;
             m.Drainage.Xdrain = 0;
             m.Drainage.GalleryElev = 110;
             m.Cracking.UpliftState[1] = 0;
         }},
        {"rock wedge without failure angle", [](TParametres& m) {
             m.Foundation.ShearStrength = true;
             m.Foundation.StrengthFactor = 1;
             m.Dim.Elev.Fdown = 104;
             m.Dim.Elev.Fup = 104;
         }},
        {"material that does not exist", [](TParametres& m) { m.Joint.mat[1] = 7; }},
        {"no drain efficiencies", [](TParametres& m) {
             m.Drain = true;
             m.DrainEfficiency.Joint = {};
         }},
        {"internal uplift with Brent", [](TParametres& m) {
             m.UpliftLoad = ulInternal;
             m.Cracking.RootMethod = rmBrent;
             m.Cracking.UpliftInDownStreamClosedCrack = true;
         }},
        {"post-seismic after an unknown combination", [](TParametres& m) { m.Charges.PostSeismic = 9; }},
    };
    for (const TDegenerate& c : cases) {
        TParametres m = AnalysisModel();
        c.Change(m);
        ComputeJointEnds(m);
        TSilentAnalysisHost host;
        RunAnalysis(m, host);
        ExpectFiniteResults(m, c.What);
    }
}

} // namespace
