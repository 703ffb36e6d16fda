#include "engine/Facteurs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/tests/LoadsTestModel.h"

namespace {

// A horizontal base joint 20 long at elevation 100; every factor of case 1 is 1.
TParametres FactorModel()
{
    TDimension d;
    d.L1 = 20; d.L2 = 0; d.L3 = 20; d.L4 = 20;
    d.Elev = {100, 100, 100, 100, 120, 120, 120, 100, 100};
    TParametres m = MakeModel(d);
    m.LoadCombination.W[1] = m.LoadCombination.Hnu[1] = m.LoadCombination.U[1] = 1;
    m.LoadCombination.QV[1] = 1;
    m.JointLoad.Wv[0] = -1000;
    m.JointLoad.xW[0] = 10;
    return m;
}

TEST(Facteurs, SelfWeightAloneNeitherOverturnsNorLifts)
{
    TParametres m = FactorModel();
    EXPECT_EQ(OverturningSafetyFactor(m, 0, 1, 0), 1000);
    EXPECT_EQ(OverturningSafetyFactor(m, 0, 1, 1), 1000);
    EXPECT_EQ(UpliftingSafetyFactor(m, 0, 1), 1000);
}

TEST(Facteurs, OverturningAboutEachEnd)
{
    TParametres m = FactorModel();
    m.JointLoad.HNu[0] = 300;
    m.JointLoad.yHNu[0] = 105;
    EXPECT_NEAR(OverturningSafetyFactor(m, 0, 1, 1), 10000.0 / 1500, 1e-12);
    EXPECT_EQ(OverturningSafetyFactor(m, 0, 1, 0), 1000);
    // A load of factor 0 is left out.
    m.LoadCombination.Hnu[1] = 0;
    EXPECT_EQ(OverturningSafetyFactor(m, 0, 1, 1), 1000);
}

TEST(Facteurs, MassWeightAlwaysResists)
{
    TParametres m = FactorModel();
    m.JointLoad.HNu[0] = 300;
    m.JointLoad.yHNu[0] = 105;
    // About the toe an upward mass load would overturn; it is summed with the resisting
    // loads all the same.
    m.JointLoad.Mv[0] = 50;
    m.JointLoad.xMv[0] = 5;
    EXPECT_NEAR(OverturningSafetyFactor(m, 0, 1, 1), (10000.0 - 750) / 1500, 1e-12);
}

TEST(Facteurs, UpliftOverturnsAboutTheToeFromItsPosition)
{
    TParametres m = FactorModel();
    m.JointLoad.U[1][0] = 400;
    m.JointLoad.Xu[1][0] = 8;
    // About the toe: (20 - 8) x 400 overturns against 10000.
    EXPECT_NEAR(OverturningSafetyFactor(m, 0, 1, 1), 10000.0 / 4800, 1e-12);
    EXPECT_NEAR(UpliftingSafetyFactor(m, 0, 1), 1000.0 / 400, 1e-12);
}

TEST(Facteurs, HorizontalLoadsLiftOnlyOnAnInclinedJoint)
{
    TParametres m = FactorModel();
    m.JointLoad.U[1][0] = 400;
    m.JointLoad.HNu[0] = -300;
    EXPECT_NEAR(UpliftingSafetyFactor(m, 0, 1), 2.5, 1e-12);
    m.Joint.Angle[0] = 30;
    const double c = std::cos(std::numbers::pi / 6), s = 0.5;
    EXPECT_NEAR(UpliftingSafetyFactor(m, 0, 1), 1000 * c / (400 * c + 300 * s), 1e-9);
}

TEST(Facteurs, JointMomentAboutTheLigamentCentre)
{
    TParametres m = FactorModel();
    m.JointLoad.HNu[0] = 300;
    m.JointLoad.yHNu[0] = 105;
    m.JointLoad.Qv[0] = -100;
    m.JointLoad.xQv[0] = 2;
    m.JointLoad.U[1][0] = 400;
    m.JointLoad.Xu[1][0] = 8;
    m.JointLoad.Uc[1][0] = 90;
    m.JointLoad.Xuc[1][0] = 1;
    // About (12, 100), 12 along the joint: weight (12 - 10)(-1000), inertia (12 - 2)(-100),
    // water (105 - 100) 300, uplift (12 - 8) 400.
    EXPECT_NEAR(JointMoment(m, 0, 1, 12, 100, 12), -2000 - 1000 + 1500 + 1600, 1e-9);
    // Internal uplift takes the crack uplift.
    m.UpliftLoad = ulInternal;
    EXPECT_NEAR(JointMoment(m, 0, 1, 12, 100, 12), -2000 - 1000 + 1500 + 990, 1e-9);
}

} // namespace

// The collected terms give the moment of every load to the bit: loads without a force are
// left out, a zero force at an infinite position is kept (it makes the moment NaN).
TEST(Facteurs, MomentFromTheCollectedTermsIsTheMomentOfEveryLoad)
{
    struct TCase {
        const char* Name;
        double ZeroForce, FarPosition;
    };
    const TCase cases[] = {
        {"positive zero", 0.0, 3.0},
        {"negative zero", -0.0, 3.0},
        {"zero force far away", 0.0, INFINITY},
    };
    for (const TCase& c : cases) {
        TFactoredLoads loads{};
        for (int i = 0; i < TFactoredLoads::Verticals; ++i) {
            loads.Vertical[i] = i % 3 == 0 ? -1000.0 / (i + 7) : c.ZeroForce;
            loads.X[i] = 0.1 * i + 1.0 / 3;
        }
        for (int i = 0; i < TFactoredLoads::Horizontals; ++i) {
            loads.Horizontal[i] = i % 4 == 1 ? 700.0 / (i + 3) : c.ZeroForce;
            loads.Y[i] = 5.0 / (i + 1);
        }
        loads.X[2] = c.FarPosition;
        TMomentTerms terms;
        CollectMomentTerms(loads, terms);
        const double expected = LoadMomentWithoutUplift(loads, 1.7, 2.9);
        const double moment = LoadMomentWithoutUplift(terms, 1.7, 2.9);
        if (std::isnan(expected))
            EXPECT_TRUE(std::isnan(moment)) << c.Name;
        else
            EXPECT_EQ(moment, expected) << c.Name;
        EXPECT_LT(terms.Verticals + terms.Horizontals, TFactoredLoads::Verticals + TFactoredLoads::Horizontals)
            << c.Name;
    }
}

// The overturning factors from the collected terms are those of every load, with and
// without the masses' weight, about either end.
TEST(Facteurs, OverturningFromTheCollectedTermsIsThatOfEveryLoad)
{
    for (double masses : {0.0, -250.0}) {
        TParametres m = FactorModel();
        m.JointLoad.HNu[0] = 300;
        m.JointLoad.yHNu[0] = 107.3;
        m.JointLoad.Mv[0] = masses;
        m.JointLoad.xMv[0] = 14.1;
        m.JointLoad.U[1][0] = -90;
        m.JointLoad.Xu[1][0] = 6.7;
        TFactoredLoads loads;
        FactorLoads(m, 0, 1, loads);
        TMomentTerms terms;
        CollectMomentTerms(loads, terms);
        EXPECT_EQ(terms.MassesWeight >= 0, masses != 0);
        for (Byte side : {0, 1})
            EXPECT_EQ(OverturningSafetyFactor(m, loads, terms, 0, 1, side), OverturningSafetyFactor(m, loads, 0, 1, side))
                << masses << " side " << int(side);
    }
}
