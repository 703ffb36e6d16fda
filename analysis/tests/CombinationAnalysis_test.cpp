#include "analysis/CombinationAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>

#include "analysis/AnalysisRun.h"
#include "analysis/tests/AnalysisTestModel.h"
#include "engine/JointAnalysis.h"
#include "engine/Loads.h"
#include "engine/Uplift.h"

namespace {

// The analysis model with every load computed and no combination analysed yet; with
// tension, the reservoir at the crest and no tailwater put the heel of the base in tension.
TParametres LoadedModel(bool tension = false)
{
    TParametres m = AnalysisModel();
    m.Donnees.Exclude(daCombination);
    if (tension) {
        m.Reservoir.NormalUp = 120;
        m.Reservoir.NormalDn = 90;
        m.Cracking.UpliftState[1] = 0;
    }
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    return m;
}

TEST(AnalyseLoads, CrackLengthMeetsTheNoTensionCondition)
{
    TParametres m = LoadedModel(true);
    // No tensile strength: the crack runs to where the stress is zero.
    m.Cracking.NoTensionI[1] = m.Cracking.NoTensionP[1] = true;
    m.Cracking.RootAccuracy = raFine;
    AnalyseLoads(m, 1, 0);
    const TJoint& j = m.Joint;
    ASSERT_GT(j.CrackLength.Up[1][0], 0.01);
    ASSERT_LT(j.CrackLength.Up[1][0], 0.9);
    EXPECT_EQ(j.ClosedCrack[1][0], ccDown);
    EXPECT_EQ(j.Compression.Up[1][0], j.CrackLength.Up[1][0]);
    EXPECT_NEAR(j.Stress.normal.Up[1][0], 0, 1e-4 * std::fabs(j.Stress.normal.Down[1][0]));
    EXPECT_LT(j.Stress.normal.Down[1][0], 0);
}

TEST(AnalyseLoads, InternalUpliftCracksWhereStressAndPressureExceedTheStrength)
{
    TParametres m = LoadedModel(true);
    m.UpliftLoad = ulInternal;
    m.Cracking.UpliftState[1] = 2;
    m.Cracking.RootAccuracy = raFine;
    m.JointMaterials[0].ft = 20;
    AnalyseLoads(m, 1, 0);
    const TJoint& j = m.Joint;
    const double crack = j.CrackLength.Up[1][0];
    ASSERT_GT(crack, 0.01);
    ASSERT_LT(crack, 0.9);
    EXPECT_EQ(j.ClosedCrack[1][0], ccDown);
    // At the tip the effective stress and the uplift pressure together reach the strength.
    TProfile8 xs, ps;
    for (int i = 1; i <= 8; ++i) {
        xs[i] = j.Pressure.x[i][1][0];
        ps[i] = j.Pressure.p[i][1][0];
    }
    const double tip = ProfileValueAt(xs, ps, crack * j.Length[0]);
    EXPECT_NEAR(j.Stress.normal.Up[1][0] + tip, 20, 1e-3 * std::fabs(j.Stress.normal.Down[1][0]));
}

TEST(AnalyseLoads, CrackWithinTheTensileStrengthIsNotSolved)
{
    TParametres m = LoadedModel();
    m.JointMaterials[0].ft = 1e6;
    AnalyseLoads(m, 1, -1);
    for (int j = 0; j <= m.NJoints; ++j) {
        EXPECT_EQ(m.Joint.CrackLength.Up[1][j], 0) << j;
        EXPECT_EQ(m.Joint.ClosedCrack[1][j], ccNone) << j;
    }
}

TEST(AnalyseLoads, SolvedCrackWithoutCrackingConsideredIsOnlyEffective)
{
    TParametres m = LoadedModel(true);
    m.Cracking.Considered = false;
    m.Cracking.NoTensionI[1] = true;
    AnalyseLoads(m, 1, 0);
    // Without cracking the allowable tension is unlimited, so the solved crack is nil.
    EXPECT_EQ(m.Joint.CrackLength.Up[1][0], 0);
    EXPECT_EQ(m.Joint.ClosedCrack[1][0], ccDown);
}

TEST(AnalyseLoads, OneJointOnly)
{
    TParametres m = LoadedModel();
    AnalyseLoads(m, 1, 1);
    EXPECT_EQ(m.Joint.Resultants.Normal[1][0], 0);
    EXPECT_NE(m.Joint.Resultants.Normal[1][1], 0);
    EXPECT_EQ(m.Joint.Resultants.Normal[1][2], 0);
}

TEST(AnalyseLoads, StabilityCaseStartsFromItsStressCase)
{
    TParametres m = LoadedModel();
    for (int k : {1, 3})
        AnalyseLoads(m, k, -1);
    m.Cracking.UpliftState[4] = 1;
    m.JointLoad.U[3][0] = 1234;  // an uplift of case 3 that only a copy can carry over
    AnalyseLoads(m, 4, 0);
    EXPECT_EQ(m.JointLoad.U[4][0], 1234);
    EXPECT_GE(m.Joint.CrackLength.Up[4][0], m.Joint.CrackLength.Up[3][0]);
}

TEST(AnalyseLoads, PostSeismicFollowsTheNamedCombination)
{
    TParametres m = LoadedModel();
    m.Charges.PostSeismic = 2;
    m.Cracking.UpliftState[7] = 1;
    m.Cracking.Considered = false;
    m.Joint.CrackLength.Up[5][0] = 0.3;
    m.Joint.CrackLength.Up[3][0] = 0.6;
    m.JointLoad.U[1][0] = 4321;
    AnalyseLoads(m, 7, 0);
    // The cracks of case 5; the uplift of case 1, kept.
    EXPECT_NEAR(m.Joint.CrackLength.Up[7][0], 0.3, 1e-5);
    EXPECT_EQ(m.JointLoad.U[7][0], 4321);
}

TEST(AnalyseLoads, UpliftOfTheUsualCaseAfterItsCracks)
{
    TParametres m = LoadedModel();
    m.LoadCombination.U[1] = 0;
    for (int p = 1; p <= 8; ++p)
        m.Joint.Pressure.p[p][1][0] = 0;
    m.JointLoad.U[1][0] = 0;
    AnalyseLoads(m, 1, 0);
    EXPECT_GT(m.JointLoad.U[1][0], 0);
}

TEST(AnalyseLoads, PreExistingCrackIsKept)
{
    TParametres m = LoadedModel();
    m.Cracks.Up[2] = 0.2;
    m.Cracks.Down[2] = 0.1;
    m.JointMaterials[0].ft = 1e6;
    AnalyseLoads(m, 1, 2);
    EXPECT_GE(m.Joint.CrackLength.Up[1][2], 0.2);
    EXPECT_LE(m.Joint.CrackLength.Down[1][2], -0.1);
}

} // namespace
