// The sample model the program ships: the committed file is what the generator writes, it
// reads back with all its inputs, and its analysis gives the figures an engineer computes by
// hand and safety factors in a sensible range.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "analysis/AnalysisRun.h"
#include "analysis/IncrementalLoads.h"
#include "analysis/ParametricRun.h"
#include "analysis/Statistic.h"
#include "numerics/VEZ_vector.h"
#include "engine/Fichier.h"
#include "tools/SampleModel.h"

namespace {

std::string FileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TParametres ReadSample()
{
    TDamFileHostHeadless host;
    LectureFichier1_0(host, String(SAMPLE_FILE));
    EXPECT_TRUE(host.ProceedFlag());
    EXPECT_TRUE(host.Warnings.empty());
    return host.Model;
}

TEST(SampleModel, CommittedFileIsWhatTheGeneratorWrites)
{
    const std::string written = (std::filesystem::temp_directory_path() / "dorvane-sample-test.dam").string();
    TParametres model = SampleModel();
    ASSERT_TRUE(SaveModelFile(String(written), model));
    const std::string bytes = FileBytes(written);
    std::filesystem::remove(written);
    EXPECT_FALSE(bytes.empty());
    EXPECT_EQ(bytes, FileBytes(SAMPLE_FILE)) << "run: damtool sample programdata/samples/GravityDam60m.dam";
}

TEST(SampleModel, ReadsBackWithEveryKindOfInput)
{
    const TParametres m = ReadSample();
    EXPECT_EQ(m.unites, SI);
    EXPECT_EQ(m.NJoints, 5);
    // Lift joints highest first, as the program keeps them: joint 1 at 150 m down to 5 at 110 m.
    for (int j = 1; j <= 5; ++j) EXPECT_EQ(m.Joint.Elev[j], 160 - 10 * j) << j;
    EXPECT_EQ(m.Dim.Elev.G - m.Dim.Elev.A, 60);
    for (Tdata flag : {daGeometry, daMasses, daMaterials, daLiftjoints, daResNormal, daResFlood, daIce, daSediments,
                       daDrain, daPostTension, daPseudoStatic, daPseudoDynamic, daCombination, daCracking})
        EXPECT_TRUE(m.Donnees.Contains(flag)) << int(flag);
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    for (int k = 1; k <= NLoadCases; ++k)
        EXPECT_TRUE(m.LoadCombination.Selected[k]) << k;
    EXPECT_TRUE(m.Cracking.Considered);
    EXPECT_TRUE(m.Statistiques.AnalysesDemandees);
    EXPECT_TRUE(m.IncrementLoad.PerformAnalysis);
    // The downstream cable is anchored on the sloping face: 47 - 0.75 x (125 - 102) m.
    EXPECT_DOUBLE_EQ(m.PostTension.Position2, 29.75);
    // Fundamental period on rigid rock without water, 0.38 Hs / sqrt(Ec): 60 m, 27400 MPa.
    EXPECT_NEAR(m.ChopraC.TDam, 0.38 * 60 / std::sqrt(27400.0), 1e-12);
    EXPECT_GT(m.ChopraC.TDamResFound, m.ChopraC.TDam);
}

// Concrete above a joint at elevation e, by integrating the width between the faces:
// downstream x = 47 up to 102, 47 - 0.75 (e - 102) up to 150, 11 up to 160; upstream
// x = 0.1 (e - 100) up to 130, then 3.
TEST(SampleModel, AnalysisGivesTheHandComputedLoads)
{
    TParametres m = ReadSample();
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    ASSERT_TRUE(m.Donnees.Contains(daAnalysed));

    const struct {
        int Joint;
        double Area;  // m2 per metre of dam
    } sections[] = {
        {0, (94 + 1392 + 110) - (45 + 90)},  // 1461
        {3, (370 + 110) - 90},               // 390
        {1, 80},                             // 8 m x 10 m above 150 m
    };
    const double unitWeight = 2400 * 9.81 / 1000;  // kN/m3
    for (const auto& s : sections) {
        EXPECT_NEAR(m.Joint.Volume[s.Joint], s.Area, 1e-9) << s.Joint;
        EXPECT_NEAR(m.JointLoad.Wv[s.Joint], -s.Area * unitWeight, 1e-6) << s.Joint;
    }
    // Water on the base joint at the operating level, pushing downstream: 9.81 x 56^2 / 2 kN
    // per metre, a third of the depth above the base.
    EXPECT_NEAR(m.JointLoad.HNu[0], 9.81 * 56 * 56 / 2, 1e-6);
    EXPECT_NEAR(m.JointLoad.yHNu[0], 100 + 56.0 / 3, 1e-9);
}

// Every joint stands in every case with finite factors above 1; the usual and flood
// combinations meet the model's required factors on every joint.
TEST(SampleModel, SafetyFactorsAreFiniteAndSensible)
{
    TParametres m = ReadSample();
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    const TSafetyFactor& sf = m.Joint.SafetyFactor;
    for (int k = 1; k <= NLoadCases; ++k)
        for (int j = 0; j <= m.NJoints; ++j) {
            const double factors[] = {sf.Sliding.Peak[k][j], sf.Sliding.Residual[k][j], sf.Overturning.Down[k][j],
                                      sf.Uplifting[k][j]};
            for (double f : factors) {
                EXPECT_TRUE(std::isfinite(f)) << "case " << k << " joint " << j;
                EXPECT_GT(f, 1.0) << "case " << k << " joint " << j;
                EXPECT_LT(f, 1000.0) << "case " << k << " joint " << j;
            }
        }
    const struct {
        int Case;
        TFactors Required;
    } combinations[] = {{1, m.SafetyFactors.Usual}, {2, m.SafetyFactors.Flood}};
    for (const auto& c : combinations)
        for (int j = 0; j <= m.NJoints; ++j) {
            EXPECT_GE(sf.Sliding.Peak[c.Case][j], c.Required.Peak) << "case " << c.Case << " joint " << j;
            EXPECT_GE(sf.Sliding.Residual[c.Case][j], c.Required.Residual) << "case " << c.Case << " joint " << j;
            EXPECT_GE(sf.Overturning.Down[c.Case][j], c.Required.Overturning) << "case " << c.Case << " joint " << j;
            EXPECT_GE(sf.Uplifting[c.Case][j], c.Required.Uplifting) << "case " << c.Case << " joint " << j;
        }
    // The usual case leaves the base joint uncracked.
    EXPECT_EQ(m.Joint.CrackLength.Up[1][0], 0);
    EXPECT_EQ(m.Joint.CrackLength.Down[1][0], 0);
}

// The two studies the sample sets up run on its base joint: the Monte-Carlo simulation gives
// safety factors spread around the deterministic ones, the incremental analysis one step per
// 0.1 m from 150 m to the crest.
TEST(SampleModel, StudiesRunOnTheBaseJoint)
{
    TParametres m = ReadSample();
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    const double peak = m.Joint.SafetyFactor.Sliding.Peak[1][0];

    TParametres mc = m;
    TSilentLongRunHost mcHost;
    StatisticalAnalyses(mc, mcHost);
    EXPECT_TRUE(mcHost.Warnings.empty());
    // Output 3 is the peak sliding factor; its mean lies near the deterministic value.
    const double mean = mc.StatResult.moyenne[NRandomVariables + 3];
    EXPECT_TRUE(std::isfinite(mean));
    EXPECT_NEAR(mean, peak, 0.25 * peak);
    EXPECT_GT(mc.StatResult.deviation[NRandomVariables + 3], 0);

    TParametres inc = m;
    TSilentLongRunHost incHost;
    IncrementalLoadAnalysis(inc, incHost);
    EXPECT_TRUE(incHost.Warnings.empty());
    EXPECT_EQ(inc.IncrementLoad.AnalysisSteps, 101);
    // Raising the reservoir lowers the peak sliding factor of the base joint (result 3).
    const DynArray<double>& sliding = inc.IncrementalResult.histogramme[3];
    ASSERT_GE(sliding.Length(), 101);
    EXPECT_GT(sliding[1], sliding[101]);
}

}  // namespace
