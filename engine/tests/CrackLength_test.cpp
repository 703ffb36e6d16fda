#include "engine/CrackLength.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/JointAnalysis.h"
#include "engine/Loads.h"
#include "engine/Uplift.h"
#include "engine/tests/LoadsTestModel.h"

namespace {

// The triangular dam with the reservoir at the crest: its heel is in tension. No tensile
// strength, no uplift in an open crack.
TParametres CrackModel(TRootMethod method, TRootAccuracy accuracy)
{
    TParametres m = MakeModel(TriangleSection());
    m.Reservoir.NormalUp = 120;
    m.Reservoir.NormalDn = 90;
    SizeJointMaterials(m.JointMaterials, 0);
    m.JointMaterials[0].ft = 500;
    TLoadCombination& f = m.LoadCombination;
    f.W[1] = f.Hnu[1] = f.Hnd[1] = f.U[1] = 1;
    m.Cracking.Considered = true;
    m.Cracking.NoTensionP[1] = true;
    m.Cracking.RootMethod = method;
    m.Cracking.RootAccuracy = accuracy;
    ComputeSelfWeight(m, 0);
    ComputeReservoirLoads(m, 0, false);
    ComputeUplift(m, 0, 1, 0, 0, 0);
    m.Joint.ClosedCrack[1][0] = ccDown;
    return m;
}

double Tolerance(TRootAccuracy accuracy) { return accuracy == raCoarse ? 1e-5 : accuracy == raMedium ? 1e-6 : 1e-7; }

class CrackSolution : public testing::TestWithParam<TRootAccuracy> {};

TEST_P(CrackSolution, CrackTipCarriesNoTension)
{
    TParametres m = CrackModel(rmBisection, GetParam());
    const double r = SolveCrackLength(m, 0, 1, 1, false, 0);
    ASSERT_GT(r, 0.01);
    ASSERT_LT(r, 0.9);
    EXPECT_EQ(m.Joint.CrackLength.Up[1][0], r);
    // With the crack in place the stress at its tip is zero, to within the tolerance.
    ComputeUplift(m, 0, 1, r, 0, 0);
    AnalyseJoint(m, 0, 1, r, 0, false);
    const double down = m.Joint.Stress.normal.Down[1][0];
    EXPECT_NEAR(m.Joint.Stress.normal.Up[1][0], 0, 1e4 * Tolerance(GetParam()) * std::fabs(down));
}

TEST_P(CrackSolution, BisectionAndBrentAgree)
{
    TParametres bisection = CrackModel(rmBisection, GetParam());
    TParametres brent = CrackModel(rmBrent, GetParam());
    const double a = SolveCrackLength(bisection, 0, 1, 1, false, 0);
    const double b = SolveCrackLength(brent, 0, 1, 1, false, 0);
    EXPECT_NEAR(a, b, 2 * Tolerance(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Accuracies, CrackSolution, testing::Values(raCoarse, raMedium, raFine));

TEST(SolveCrackLength, NoCrackWhenCrackingIsNotConsidered)
{
    for (TRootMethod method : {rmBisection, rmBrent}) {
        TParametres m = CrackModel(method, raMedium);
        m.Cracking.Considered = false;
        EXPECT_EQ(SolveCrackLength(m, 0, 1, 1, false, 0), 0) << int(method);
    }
}

TEST(SolveCrackLength, TensionAlongTheWholeJointCracksItThrough)
{
    for (TRootMethod method : {rmBisection, rmBrent}) {
        TParametres m = CrackModel(method, raMedium);
        // A push at the crest that the section cannot carry.
        m.LoadCombination.F[1] = 1;
        m.JointLoad.FH[0] = 20000;
        m.JointLoad.yFH[0] = 120;
        EXPECT_EQ(SolveCrackLength(m, 0, 1, 1, false, 2), 1) << int(method);
    }
}

TEST(SolveCrackLength, DownstreamCrackOfTheMirroredLoad)
{
    for (TRootMethod method : {rmBisection, rmBrent}) {
        TParametres m = CrackModel(method, raFine);
        // A pull toward upstream puts the toe in tension.
        m.LoadCombination.Hnu[1] = 0;
        m.LoadCombination.U[1] = 0;
        m.LoadCombination.F[1] = 1;
        m.JointLoad.FH[0] = -1000;
        m.JointLoad.yFH[0] = 110;
        m.Joint.ClosedCrack[1][0] = ccUp;
        const double r = SolveCrackLength(m, 0, 1, 2, false, 0);
        ASSERT_LT(r, -0.01) << int(method);
        ASSERT_GT(r, -0.99) << int(method);
        AnalyseJoint(m, 0, 1, 0, r, false);
        EXPECT_NEAR(m.Joint.Stress.normal.Down[1][0], 0, 1e-3 * std::fabs(m.Joint.Stress.normal.Up[1][0]));
    }
}

TEST(SolveCrackLength, CracksThatWouldOverlapMeet)
{
    TParametres m = CrackModel(rmBisection, raMedium);
    m.Joint.CrackLength.Down[1][0] = -0.9;
    m.Joint.Compression.Down[1][0] = -0.9;
    const double r = SolveCrackLength(m, 0, 1, 1, false, 0);
    EXPECT_NEAR(m.Joint.CrackLength.Down[1][0], r > 0.1 ? r - 1 : -0.9, 1e-15);
    EXPECT_EQ(m.Joint.Compression.Down[1][0], 0);
}

TEST(ReferenceCase, CasesStartFromTheirReference)
{
    TParametres m;
    m.Charges.PostSeismic = 2;
    const int expected[] = {0, 1, 1, 3, 1, 5, 5};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(ReferenceCase(m, k), expected[k - 1]) << k;
    m.Charges.PostSeismic = 1;
    EXPECT_EQ(ReferenceCase(m, 7), 3);
}

} // namespace
