#include "engine/Uplift.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "engine/tests/LoadsTestModel.h"

namespace {

constexpr double Gamma = 9.81;

// A horizontal base joint 30 long at elevation 100, heel head 20 and toe head 5.
TParametres UpliftModel()
{
    TDimension d;
    d.L1 = 30; d.L2 = 0; d.L3 = 30; d.L4 = 30;
    d.Elev = {100, 100, 100, 100, 130, 130, 130, 100, 100};
    TParametres m = MakeModel(d);
    m.Reservoir.NormalUp = 120;
    m.Reservoir.NormalDn = 105;
    return m;
}

// Heads (pressure / unit weight of water) of the stored profile of case k.
double Head(const TParametres& m, int point, int k = 1) { return m.Joint.Pressure.p[point][k][0] / Gamma; }
double At(const TParametres& m, int point, int k = 1) { return m.Joint.Pressure.x[point][k][0]; }

TEST(ComputeUplift, UndrainedJointIsTheStraightLineBetweenTheHeads)
{
    TParametres m = UpliftModel();
    ComputeUplift(m, 0, 1, 0, 0, 2);
    EXPECT_NEAR(m.JointLoad.U[1][0], 3678.75, 1e-9);
    EXPECT_NEAR(m.JointLoad.Xu[1][0], 12, 1e-12);
    EXPECT_NEAR(m.JointLoad.UN[0], 3678.75, 1e-9);
    EXPECT_NEAR(m.JointLoad.xUN[0], 12, 1e-12);
    EXPECT_NEAR(m.Joint.Pressure.Cr.Up[1][0], 196.2, 1e-9);
    EXPECT_NEAR(m.Joint.Pressure.Cr.Down[1][0], 49.05, 1e-9);
    EXPECT_EQ(m.JointLoad.UF[0], 0);
    // The unused points repeat the toe.
    EXPECT_EQ(At(m, 8), 30);
    EXPECT_NEAR(Head(m, 8), 5, 1e-12);
}

TEST(ComputeUplift, FloodCaseUsesTheFloodLevels)
{
    TParametres m = UpliftModel();
    m.Reservoir.FloodUp = 125;
    m.Reservoir.FloodDn = 100;
    ComputeUplift(m, 0, 2, 0, 0, 2);
    EXPECT_NEAR(m.JointLoad.UF[0], Gamma * 25 * 30 / 2, 1e-9);
    EXPECT_NEAR(m.JointLoad.xUF[0], 10, 1e-12);
    EXPECT_EQ(m.JointLoad.UN[0], 0);
}

// A drained joint under each guideline: drain line 3 from the heel, effectiveness 0.5.
struct TDrainedCase {
    TCode Code;
    Integer Alternative;
    double Xdrain, Gallery;
    // Heel head and the head at the drain line (the second point).
    double Heel, AtDrain;
    bool DrainPoint;
};

class DrainedUplift : public testing::TestWithParam<TDrainedCase> {};

TEST_P(DrainedUplift, DrainHeadFollowsTheGuideline)
{
    const TDrainedCase& c = GetParam();
    TParametres m = UpliftModel();
    m.Drain = true;
    m.Drainage.Code = c.Code;
    m.Drainage.Alternative = c.Alternative;
    m.Drainage.K1 = 0.8;
    m.Drainage.K2 = 0.3;
    m.Drainage.Xdrain = c.Xdrain;
    m.Drainage.effectiveness = 0.5;
    m.Drainage.GalleryElev = c.Gallery;
    ComputeUplift(m, 0, 1, 0, 0, 2);
    EXPECT_NEAR(Head(m, 1), c.Heel, 1e-12);
    if (c.DrainPoint) {
        EXPECT_NEAR(At(m, 2), c.Xdrain, 1e-12);
        EXPECT_NEAR(Head(m, 2), c.AtDrain, 1e-12);
        EXPECT_NEAR(At(m, 3), 30, 1e-12);
    } else {
        EXPECT_NEAR(At(m, 2), 30, 1e-12);
    }
    EXPECT_NEAR(Head(m, 8), 5, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Guidelines, DrainedUplift,
    testing::Values(
        // USBR: m + (hU - m) r, below the undrained 18.5 at the drain.
        TDrainedCase{cUSBR, 1, 3, 102, 20, 12.5, true},
        // USACE and FERC 1999, gallery below the tailwater: hD + (hU - hD)(L - d)/L r.
        TDrainedCase{cUSACE, 1, 3, 102, 20, 11.75, true},
        TDrainedCase{cFERC1999, 1, 3, 102, 20, 11.75, true},
        // Gallery 10 above the joint: hG + ((hU - hD)(L - d)/L + hD - hG) r.
        TDrainedCase{cUSACE, 1, 3, 110, 20, 14.25, true},
        // FERC 1991: m + (hU - m)(L - d)/L r with m = 10.
        TDrainedCase{cFERC, 1, 3, 110, 20, 14.5, true},
        // CDSA, second alternative: (1 - K2) hD + K2 hU at the drain.
        TDrainedCase{cCDSA, 2, 3, 102, 20, 9.5, true},
        // CDSA, first alternative: a straight line from K1 hU.
        TDrainedCase{cCDSA, 1, 3, 102, 16, 0, false},
        // A drain 0.5 from the heel counts as on the upstream face: m + (hU - m) r at the heel.
        TDrainedCase{cUSACE, 1, 0.5, 102, 12.5, 0, false}));

// Cracked joints with the drain line 3 from the heel (effectiveness 0.5, gallery below the
// tailwater): the diagram each crack situation gets.
struct TCrackedDrainCase {
    const char* What;
    TCode Code;
    double Cu, Cd;
    Byte State;
    TCrackOverDrain CrackOver;
    std::vector<std::pair<double, double>> Points;  // distance, head
};

class CrackedDrainedUplift : public testing::TestWithParam<TCrackedDrainCase> {};

TEST_P(CrackedDrainedUplift, Diagram)
{
    const TCrackedDrainCase& c = GetParam();
    TParametres m = UpliftModel();
    m.Drain = true;
    m.Drainage.Code = c.Code;
    m.Drainage.Alternative = 2;
    m.Drainage.K2 = 0.3;
    m.Drainage.Xdrain = 3;
    m.Drainage.effectiveness = 0.5;
    m.Drainage.GalleryElev = 102;
    m.Drainage.CrackOver = c.CrackOver;
    ComputeUplift(m, 0, 1, c.Cu, c.Cd, c.State);
    for (int i = 1; i <= 8; ++i) {
        const auto& [x, h] = c.Points[std::min<size_t>(i, c.Points.size()) - 1];
        EXPECT_NEAR(At(m, i), x, 1e-12) << c.What << " point " << i;
        EXPECT_NEAR(Head(m, i), h, 1e-12) << c.What << " point " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Situations, CrackedDrainedUplift,
    testing::Values(
        // Full crack ending before the drain: the drain head of the straight line from the tip,
        // 5 + 15 x 27 / 28.5 x 0.5.
        TCrackedDrainCase{"up, before drain", cUSBR, 0.05, 0, 2, cdNotEffective,
                          {{0, 20}, {1.5, 20}, {3, 5 + 15 * 27 / 28.5 * 0.5}, {30, 5}}},
        // FERC 1991 with fully effective drains: m + (hU - hD)(a + tu / d (1 - a)), a = 0.45.
        TCrackedDrainCase{"up, before drain, FERC", cFERC, 0.05, 0, 2, cdFullFull,
                          {{0, 20}, {1.5, 20}, {3, 15.875}, {30, 5}}},
        TCrackedDrainCase{"up, past drain, full", cUSBR, 0.2, 0, 2, cdFullFull,
                          {{0, 20}, {3, 20}, {3, 12.5}, {6, 12.5}, {30, 5}}},
        TCrackedDrainCase{"up, past drain, decrement", cUSBR, 0.2, 0, 2, cdFullDecrement,
                          {{0, 20}, {3, 12.5}, {6, 12.5}, {30, 5}}},
        TCrackedDrainCase{"up, past drain, no drain", cUSBR, 0.2, 0, 2, cdNoDrain, {{0, 20}, {6, 20}, {30, 5}}},
        TCrackedDrainCase{"up, empty, past drain", cUSBR, 0.2, 0, 0, cdNotEffective,
                          {{0, 0}, {6, 0}, {6, 5 + 7.5 * (1 - 3.0 / 27)}, {30, 5}}},
        TCrackedDrainCase{"down, full", cUSBR, 0, -0.5, 2, cdNotEffective, {{0, 20}, {3, 12.5}, {15, 5}, {30, 5}}},
        TCrackedDrainCase{"down, empty", cUSBR, 0, -0.5, 0, cdNotEffective,
                          {{0, 20}, {3, 12.5}, {15, 5 + 7.5 * (1 - 12.0 / 27)}, {15, 0}, {30, 0}}},
        TCrackedDrainCase{"both, drain between", cUSBR, 0.05, -0.5, 2, cdNotEffective,
                          {{0, 20}, {1.5, 20}, {3, 12.5}, {15, 5}, {30, 5}}},
        // CDSA, second alternative: the drain head (1 - K2) hD + K2 hU.
        TCrackedDrainCase{"up, CDSA", cCDSA, 0.05, 0, 2, cdNotEffective, {{0, 20}, {1.5, 20}, {3, 9.5}, {30, 5}}},
        // Uplift unchanged by the crack.
        TCrackedDrainCase{"up, unchanged", cUSBR, 0.2, 0, 1, cdNotEffective, {{0, 20}, {3, 12.5}, {30, 5}}}));

TEST(ComputeUplift, DrainedResultantIsTheAreaOfTheDiagram)
{
    TParametres m = UpliftModel();
    m.Drain = true;
    m.Drainage.Code = cUSBR;
    m.Drainage.Xdrain = 3;
    m.Drainage.effectiveness = 0.5;
    m.Drainage.GalleryElev = 102;
    ComputeUplift(m, 0, 1, 0, 0, 2);
    // (20 + 12.5) / 2 x 3 + (12.5 + 5) / 2 x 27 = 285
    EXPECT_NEAR(m.JointLoad.U[1][0], Gamma * 285, 1e-9);
    double moment = 48.75 * (3 * (20 + 2 * 12.5) / (3 * 32.5)) + 236.25 * (3 + 27 * (12.5 + 2 * 5) / (3 * 17.5));
    EXPECT_NEAR(m.JointLoad.Xu[1][0], moment / 285, 1e-12);
}

TEST(ComputeUplift, DrainAboveTheJointDoesNotAct)
{
    TParametres m = UpliftModel();
    m.Drain = true;
    m.Drainage.Code = cUSBR;
    m.Drainage.Xdrain = 3;
    m.Drainage.effectiveness = 0.5;
    m.Drainage.GalleryElev = 90;
    m.Drainage.MaxElevation = 95;
    m.Drainage.DrainOver = true;
    ComputeUplift(m, 0, 1, 0, 0, 2);
    EXPECT_NEAR(m.JointLoad.U[1][0], 3678.75, 1e-9);
}

TEST(ComputeUplift, DrainEffectivenessPerJointWhenActivated)
{
    TParametres m = UpliftModel();
    m.Drain = true;
    m.Drainage.Code = cUSBR;
    m.Drainage.Xdrain = 3;
    m.Drainage.effectiveness = 0.9;
    m.Drainage.GalleryElev = 102;
    m.DrainEfficiency.Activated = true;
    m.DrainEfficiency.Joint.SetLength(1);
    m.DrainEfficiency.Joint[0] = 0.5;
    ComputeUplift(m, 0, 1, 0, 0, 2);
    EXPECT_NEAR(Head(m, 2), 12.5, 1e-12);
}

TEST(ComputeUplift, CdsaWithoutAnAlternativeTakesTheFirst)
{
    TParametres m = UpliftModel();
    m.Drain = true;
    m.Drainage.Code = cCDSA;
    m.Drainage.Alternative = 0;
    m.Drainage.K1 = 0.8;
    m.Drainage.GalleryElev = 102;
    ComputeUplift(m, 0, 1, 0, 0, 2);
    EXPECT_EQ(m.Drainage.Alternative, 1);
    EXPECT_NEAR(Head(m, 1), 16, 1e-12);
}

TEST(ComputeUplift, CracksThatMeetCrackTheJointThrough)
{
    TParametres m = UpliftModel();
    ComputeUplift(m, 0, 1, 0.6, -0.5, 2);
    // Full heel head over the whole joint, dropping to the toe head at its end.
    EXPECT_NEAR(At(m, 2), 30, 1e-12);
    EXPECT_NEAR(Head(m, 2), 20, 1e-12);
    EXPECT_NEAR(m.JointLoad.U[1][0], Gamma * 600, 1e-9);
    EXPECT_NEAR(m.Joint.Pressure.Cr.Up[1][0], Gamma * 20, 1e-9);
    // A cracked case leaves the resultant of the uncracked diagram alone.
    EXPECT_EQ(m.JointLoad.UN[0], 0);
}

TEST(ComputeUplift, ClosedDownstreamCrackKeepsOnlyItsOpenPart)
{
    TParametres m = UpliftModel();
    m.Joint.CrackLength.Down[1][0] = -0.5;
    m.Joint.Compression.Down[1][0] = -0.2;
    ComputeUplift(m, 0, 1, 0, -0.5, 2);
    EXPECT_NEAR(At(m, 2), 15, 1e-12);
    m.Cracking.UpliftInDownStreamClosedCrack = true;
    ComputeUplift(m, 0, 1, 0, -0.5, 2);
    // The tip of the open part, 0.2 x 30 from the toe, with the toe head.
    EXPECT_NEAR(At(m, 2), 24, 1e-12);
    EXPECT_NEAR(Head(m, 2), 5, 1e-12);
    EXPECT_NEAR(Head(m, 1), 20, 1e-12);
}

TEST(ComputeUplift, EmptyUpstreamCrackHasNoPressure)
{
    TParametres m = UpliftModel();
    ComputeUplift(m, 0, 1, 0.2, 0, 0);
    EXPECT_EQ(Head(m, 1), 0);
    EXPECT_EQ(Head(m, 2), 0);
    EXPECT_NEAR(At(m, 3), 6, 1e-12);
    // The uncracked line's value at the tip: 5 + 15 x 0.8.
    EXPECT_NEAR(Head(m, 3), 17, 1e-12);
    EXPECT_NEAR(m.JointLoad.U[1][0], Gamma * (17 + 5) / 2 * 24, 1e-9);
}

TEST(ComputeUplift, InternalUpliftKeepsTheCrackResultantApart)
{
    TParametres m = UpliftModel();
    m.UpliftLoad = ulInternal;
    ComputeUplift(m, 0, 1, 0.2, 0, 2);
    // The crack segment from the heel to the tip at 6, head 20 all along.
    EXPECT_NEAR(m.JointLoad.Uc[1][0], Gamma * 20 * 6, 1e-9);
    EXPECT_NEAR(m.JointLoad.Xuc[1][0], 3, 1e-12);
    m.UpliftLoad = ulExternal;
    ComputeUplift(m, 0, 1, 0.2, 0, 2);
    EXPECT_EQ(m.JointLoad.Uc[1][0], 0);
}

TEST(ComputeUplift, SeismicEmptyCrackJumpsToTheUsualHeadAtTheTip)
{
    TParametres m = UpliftModel();
    ComputeUplift(m, 0, 1, 0, 0, 2);
    ComputeUplift(m, 0, 3, 0.2, 0, 0);
    EXPECT_EQ(Head(m, 1, 3), 0);
    EXPECT_EQ(Head(m, 2, 3), 0);
    EXPECT_NEAR(At(m, 3, 3), 6, 1e-12);
    EXPECT_NEAR(Head(m, 3, 3), 17, 1e-12);
    EXPECT_NEAR(At(m, 4, 3), 30, 1e-12);
    EXPECT_NEAR(Head(m, 4, 3), 5, 1e-12);
    EXPECT_NEAR(m.JointLoad.U[3][0], Gamma * (17 + 5) / 2 * 24, 1e-9);
    EXPECT_NEAR(m.Joint.Pressure.Cr.Up[3][0], Gamma * 17, 1e-9);
}

TEST(ComputeUplift, SeismicClosedCrackKeepsTheUsualProfile)
{
    TParametres m = UpliftModel();
    // The usual case with a full upstream crack to 6, then a seismic case in which that
    // crack is closed: the usual profile applies whole, its crack part included.
    ComputeUplift(m, 0, 1, 0.2, 0, 2);
    m.Joint.ClosedCrack[3][0] = ccUp;
    ComputeUplift(m, 0, 3, 0.2, 0, 0);
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(At(m, i, 3), At(m, i, 1)) << i;
        EXPECT_NEAR(Head(m, i, 3), Head(m, i, 1), 1e-12) << i;
    }
    EXPECT_NEAR(m.JointLoad.U[3][0], m.JointLoad.U[1][0], 1e-9);
    EXPECT_NEAR(m.JointLoad.Xu[3][0], m.JointLoad.Xu[1][0], 1e-9);
}

TEST(ComputeUplift, SeismicCaseWithoutWaterHasNoUplift)
{
    TParametres m = UpliftModel();
    ComputeUplift(m, 0, 1, 0, 0, 2);
    m.Reservoir.NormalUp = m.Reservoir.NormalDn = 0;
    ComputeUplift(m, 0, 4, 0.3, -0.2, 2);
    EXPECT_EQ(m.JointLoad.U[4][0], 0);
    EXPECT_EQ(m.JointLoad.Xu[4][0], 0);
}

TEST(ComputeUplift, UsbrFactorIsTheHeelValueOfTheEquivalentStraightLine)
{
    TParametres m = UpliftModel();
    m.Drainage.Code = cUSBR;
    ComputeUplift(m, 0, 1, 0, 0, 2);
    // Undrained straight line: its heel value over the heel head is 1.
    EXPECT_NEAR(m.JointLoad.PFactor[1][0], 1, 1e-12);
}

TEST(DrainPressureRatio, DrainFormula)
{
    EXPECT_NEAR(DrainPressureRatio(30, 3, 3, 0.05), 0.28517799075626293, 1e-12);
    // Drains far apart relative to the distance stay finite.
    double far = DrainPressureRatio(3000, 0.1, 50, 0.05);
    EXPECT_TRUE(std::isfinite(far));
    EXPECT_EQ(DrainPressureRatio(30, 0, 3, 0.05), 1);
}

} // namespace
