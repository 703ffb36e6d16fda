#include <cmath>

#include <gtest/gtest.h>

#include "engine/Loads.h"
#include "engine/tests/LoadsTestModel.h"
#include "numerics/VEZ_matrix.h"

namespace {

// Concrete modulus of the 5.0e6 psi class in MPa.
constexpr double Ec5 = 5.0e6 * 0.006894757;

// Rectangle 10 x 20 with 16 m of water (H / Hs = 0.8), alpha = 0, a foundation as stiff as
// the concrete with 10 % hysteretic damping, dam damping 5 %.
TParametres ChopraModel(std::initializer_list<std::pair<double, double>> joints = {})
{
    TParametres m = MakeModel(RectangleSection(), joints);
    m.Donnees.Include(daPseudoDynamic);
    m.Concrete.Ec = Ec5;
    m.Foundation.Ef = Ec5;
    m.Reservoir.NormalUp = 116;
    m.Reservoir.WaveVelocity = 1440;
    m.ChopraC.tranches = 20;
    m.ChopraC.Alpha = 0;
    m.ChopraC.e1 = 0.05;
    m.ChopraC.FoundHystDamping = 10;
    m.Acc.Peak = {0.2, 0.1, 0.5};
    m.Acc.Sust = {0.1, 0.05, 0.25};
    m.ChopraCombination = ccSRSS;
    for (int j = 0; j <= m.NJoints; ++j) {
        ComputeSelfWeight(m, j);
        ComputeConcentratedMasses(m, j);
        ComputeReservoirLoads(m, j, false);
    }
    return m;
}

TEST(ModeShape, ClampedToZeroAndOne)
{
    EXPECT_EQ(ModeShape(0), 0.0);
    EXPECT_EQ(ModeShape(1), 1.0); // the fit gives 1.000189
    EXPECT_GE(ModeShape(1.3), 0.0);
    EXPECT_LE(ModeShape(1.3), 1.0);
    EXPECT_NEAR(ModeShape(0.5), 0.137099 * 0.5 + 1.97039 * 0.25 - 21.3843 * 0.125 + 127.282 * 0.0625 -
                                    410.11 * 0.03125 + 775.081 * 0.015625 - 855.048 * 0.0078125 +
                                    508.906 * 0.00390625 - 125.834 * 0.001953125,
                1e-12);
}

TEST(PseudoDynamic, PeriodsRatiosAndDampings)
{
    // Hs = 20, Hr = 16: Rr and er of the 5.0e6 psi class at 80 % and alpha = 0 (1.071 and
    // 0.0139); Ef / Ec = 1 with 10 %: Rf = 9.02733 - 31.2387 + 49.9387 - 39.8732 + 15.8329 -
    // 2.49997 = 1.18706 and ef = 0.1809 - 0.1939 + 0.1109 - 0.0363 + 0.0068 - 0.0007 +
    // 0.00003 = 0.06773. T1 = 0.38 * 20 / sqrt(Ec); Tr = 4 * 16 / 1440.
    TParametres m = ChopraModel();
    ComputePseudoDynamicLoads(m, 0, -1);
    const TChopraCoeff& c = m.ChopraC;
    const double Rf = 1.18706, T1 = 0.38 * 20 / std::sqrt(Ec5), Tr = 64.0 / 1440;
    EXPECT_EQ(c.Hbarrage, 20.0);
    EXPECT_EQ(c.Hreservoir, 16.0);
    EXPECT_NEAR(c.Rr, 1.071, 1e-12);
    EXPECT_NEAR(c.er, 0.0139, 1e-12);
    EXPECT_NEAR(c.Rf, Rf, 1e-12);
    EXPECT_NEAR(c.ef, 0.06773, 1e-12);
    EXPECT_NEAR(c.TDam, T1, 1e-12);
    EXPECT_NEAR(c.TDamRes, T1 * 1.071, 1e-12);
    EXPECT_NEAR(c.TDamResFound, T1 * 1.071 * Rf, 1e-12);
    EXPECT_NEAR(c.TRes, Tr, 1e-12);
    EXPECT_NEAR(c.Rw, Rf * Tr / (T1 * 1.071 * Rf), 1e-12);
    EXPECT_NEAR(c.e, 0.05 / (1.071 * Rf * Rf * Rf) + 0.0139 + 0.06773, 1e-12);
    // Fst = 9.81 * 16^2 / 2; B1 = 0.2 Fst (16/20)^2 / g.
    EXPECT_NEAR(c.Fst, 1255.68, 1e-9);
    EXPECT_NEAR(c.B1, 0.2 * 1255.68 * 0.64 / 9.81, 1e-9);
    EXPECT_NEAR(c.M11, 1.071 * 1.071 * c.M1, 1e-9);
    EXPECT_NEAR(c.L11, c.L1 + 1255.68 / 9.81 * 0.64 * c.Ap, 1e-9);
}

TEST(PseudoDynamic, RatiosAtTheEdgesOfTheCurves)
{
    // H / Hs = 0.49: 0.8 of the 50 % curves (1.008, 0.001 at alpha = 0) and 0.2 of (1, 0).
    TParametres m = ChopraModel();
    m.Reservoir.NormalUp = 109.8;
    // A concrete stiffer than the highest class, a foundation 5 times stiffer: no foundation
    // damping by the fits.
    m.Concrete.Ec = 2 * Ec5;
    m.Foundation.Ef = 10 * Ec5;
    ComputePseudoDynamicLoads(m, 0, -1);
    EXPECT_NEAR(m.ChopraC.Rr, 0.8 * 1.008 + 0.2, 1e-12);
    EXPECT_NEAR(m.ChopraC.er, 0.8 * 0.001, 1e-12);
    EXPECT_EQ(m.ChopraC.ef, 0.0);
    EXPECT_NEAR(m.ChopraC.Rf, 2.96787 - 4.18544 * 5 + 4.0681 * 25 - 2.19199 * 125 + 0.699075 * 625 -
                                  0.13155 * 3125 + 0.0135107 * 15625 - 0.000584113 * 78125,
                1e-9);
}

TEST(PseudoDynamic, DryReservoirAddsNoWater)
{
    TParametres m = ChopraModel();
    m.Reservoir.NormalUp = 95; // below the upstream foundation
    ComputePseudoDynamicLoads(m, 0, -1);
    const TChopraCoeff& c = m.ChopraC;
    EXPECT_EQ(c.Hreservoir, 0.0);
    EXPECT_EQ(c.Fst, 0.0);
    EXPECT_EQ(c.B1, 0.0);
    EXPECT_EQ(c.TRes, 0.0);
    EXPECT_EQ(c.Rw, 0.0);
    EXPECT_EQ(c.L11, c.L1);
    EXPECT_EQ(c.Rr, 1.0);
    EXPECT_EQ(c.er, 0.0);
    EXPECT_EQ(m.JointLoad.HD1[0], 0.0);
    EXPECT_EQ(m.JointLoad.Hds[0], 0.0);
    EXPECT_NE(m.JointLoad.EQ1[0], 0.0);
}

TEST(PseudoDynamic, LoadsOfTheJoints)
{
    TParametres m = ChopraModel({{110, 0}});
    ComputePseudoDynamicLoads(m, 0, -1);
    const Tjointload& L = m.JointLoad;
    // Vertical inertia from the static loads.
    EXPECT_NEAR(L.EQv[0], 0.1 * L.Wv[0], 1e-9);
    EXPECT_EQ(L.xEQv[0], L.xW[0]);
    // First-mode and static-correction forces act against a positive acceleration, on the
    // part of the dam above the joint; water reaches below 116 only.
    for (int j : {0, 1}) {
        EXPECT_LT(L.EQ1[j], 0);
        EXPECT_LT(L.HD1[j], 0);
        EXPECT_LT(L.EM1[j], 0);
        EXPECT_GT(L.yEQ1[j], m.Joint.Elev[j]);
        EXPECT_LT(L.yEQ1[j], 120);
        EXPECT_LT(L.yHD1[j], 116);
    }
    EXPECT_LT(std::fabs(L.EQ1[1]), std::fabs(L.EQ1[0]));
    EXPECT_NEAR(L.EM1[0], L.EQ1[0] + L.HD1[0] + L.Mqh1[0], 1e-9);
    EXPECT_NEAR(L.yEM1[0], (L.EQ1[0] * L.yEQ1[0] + L.HD1[0] * L.yHD1[0]) / L.EM1[0], 1e-9);
    // Square root of the sum of squares, against the positive ground acceleration, its lever
    // arm measured from the joint.
    for (int j : {0, 1}) {
        double e = m.Joint.Elev[j];
        EXPECT_NEAR(L.EMc[j], -std::hypot(L.EM1[j], L.EMs[j]), 1e-9);
        EXPECT_NEAR(L.yEMc[j], e + std::hypot((L.yEM1[j] - e) * L.EM1[j], (L.yEMs[j] - e) * L.EMs[j]) / -L.EMc[j],
                    1e-9);
    }
    // The sustained fields are untouched by case 0.
    EXPECT_EQ(L.EQ1p[0], 0.0);
}

TEST(PseudoDynamic, CombinationsOfTheModes)
{
    for (TChopraCombination c : {ccFirst, ccSup, ccAbs}) {
        TParametres m = ChopraModel();
        m.ChopraCombination = c;
        ComputePseudoDynamicLoads(m, 0, -1);
        const Tjointload& L = m.JointLoad;
        double expected = c == ccFirst ? L.EM1[0] : c == ccSup ? L.EMs[0] : L.EM1[0] + L.EMs[0];
        EXPECT_NEAR(L.EMc[0], expected, 1e-9) << int(c);
        if (c == ccAbs) {
            EXPECT_NEAR(L.yEMc[0], (L.EM1[0] * L.yEM1[0] + L.EMs[0] * L.yEMs[0]) / L.EMc[0], 1e-9);
        }
    }
}

TEST(PseudoDynamic, SrssWithoutGroundAccelerationKeepsTheFirstMode)
{
    TParametres m = ChopraModel();
    m.Acc.Peak.horizontal = 0;
    ComputePseudoDynamicLoads(m, 0, -1);
    const Tjointload& L = m.JointLoad;
    EXPECT_EQ(L.EMs[0], 0.0);
    EXPECT_LT(L.EM1[0], 0);
    EXPECT_EQ(L.EMc[0], L.EM1[0]);
    EXPECT_TRUE(std::isfinite(L.yEMc[0]));
    // Nothing at all: zero force, zero lever arm.
    m.Acc.Peak.spectral = 0;
    ComputePseudoDynamicLoads(m, 0, -1);
    EXPECT_EQ(L.EMc[0], 0.0);
    EXPECT_EQ(L.yEMc[0], 0.0);
    EXPECT_EQ(L.yEM1[0], 0.0);
}

TEST(PseudoDynamic, SustainedCaseWithoutSpectralAcceleration)
{
    TParametres m = ChopraModel();
    m.Acc.Sust.spectral = 0;
    ComputePseudoDynamicLoads(m, 1, -1);
    const Tjointload& L = m.JointLoad;
    EXPECT_EQ(L.EQ1p[0], 0.0);
    EXPECT_EQ(L.HD1p[0], 0.0);
    EXPECT_NE(L.EQsp[0], 0.0);
    EXPECT_NE(L.Hdsp[0], 0.0);
    EXPECT_NEAR(L.EQvp[0], 0.05 * L.Wv[0], 1e-9);
    EXPECT_EQ(L.EQ1[0], 0.0); // case 0 fields untouched
}

TEST(PseudoDynamic, OneJointOrAll)
{
    TParametres m = ChopraModel({{105, 0}, {110, 0}});
    ComputePseudoDynamicLoads(m, 0, 1);
    EXPECT_EQ(m.JointLoad.EQ1[0], 0.0);
    EXPECT_NE(m.JointLoad.EQ1[1], 0.0);
    EXPECT_EQ(m.JointLoad.EQ1[2], 0.0);
    ComputePseudoDynamicLoads(m, 0, -1);
    for (int j : {0, 1, 2})
        EXPECT_NE(m.JointLoad.EQ1[j], 0.0) << j;
    // A joint that does not exist changes nothing.
    ComputePseudoDynamicLoads(m, 1, 7);
    EXPECT_EQ(m.JointLoad.EQ1p[2], 0.0);
}

TEST(PseudoDynamic, EveryJointIsASliceBoundary)
{
    // 11 slices of a 20 m dam are 1.82 m high; joints at odd elevations still start slices,
    // so the loads of a joint come from whole slices above it.
    TParametres m = ChopraModel({{101.3, 0}, {104.7, 0}, {108.1, 0}, {113.9, 0}, {117.2, 0}});
    m.ChopraC.tranches = 11;
    m.ChopraC.Hbarrage = 20;
    TMatrix table(nullptr);
    int count = 0;
    DivisionElevations(m, table, count);
    for (int j = 1; j <= m.NJoints; ++j) {
        bool found = false;
        for (int r = 1; r <= count; ++r)
            found = found || table.GetVal(1, r) == m.Joint.y1[j];
        EXPECT_TRUE(found) << j;
    }
}

TEST(PseudoDynamic, FineSlicesBeyondTheOldTableSize)
{
    // 1000 slices need 1001 rows; the loads converge to those of 500 slices.
    TParametres fine = ChopraModel();
    fine.ChopraC.tranches = 1000;
    ComputePseudoDynamicLoads(fine, 0, -1);
    TParametres coarse = ChopraModel();
    coarse.ChopraC.tranches = 500;
    ComputePseudoDynamicLoads(coarse, 0, -1);
    EXPECT_NEAR(fine.JointLoad.EQ1[0], coarse.JointLoad.EQ1[0], 1e-3 * std::fabs(coarse.JointLoad.EQ1[0]));
    EXPECT_NEAR(fine.JointLoad.EMc[0], coarse.JointLoad.EMc[0], 1e-3 * std::fabs(coarse.JointLoad.EMc[0]));
}

TEST(PseudoDynamic, MassesBelongToTheSliceBelowTheirElevation)
{
    // With 20 slices of 1 m, a mass at 110 belongs to the slice 109..110, below the joint at
    // 110; a mass at the crest to the last slice, above both joints.
    TParametres m = ChopraModel({{110, 0}});
    m.Masses.Elem.SetLength(1);
    m.Masses.Elem[0] = {5, 110, 1000, 0};
    ComputePseudoDynamicLoads(m, 0, -1);
    EXPECT_EQ(m.JointLoad.Mqh1[1], 0.0);
    EXPECT_EQ(m.JointLoad.Mqhs[1], 0.0);
    EXPECT_NE(m.JointLoad.Mqh1[0], 0.0);
    // Static correction: -0.2 * 1000 kg * 9.81 / 1000 at the mass.
    EXPECT_NEAR(m.JointLoad.Mqhs[0], -1.962, 1e-12);
    EXPECT_NEAR(m.JointLoad.yMqhs[0], 110, 1e-12);
    m.Masses.Elem[0].Elev = 120;
    ComputePseudoDynamicLoads(m, 0, -1);
    EXPECT_NEAR(m.JointLoad.Mqhs[1], -1.962, 1e-12);
    // First mode: the mode shape at the crest (1) times the mass and K1.
    EXPECT_NEAR(m.JointLoad.yMqh1[1], 120, 1e-12);
}

TEST(PseudoDynamic, WithoutTheMethodItsHorizontalFieldsAreCleared)
{
    TParametres m = ChopraModel();
    ComputePseudoDynamicLoads(m, 0, -1);
    ComputePseudoDynamicLoads(m, 1, -1);
    double EQv = m.JointLoad.EQv[0];
    m.Donnees.Exclude(daPseudoDynamic);
    ComputePseudoDynamicLoads(m, 0, -1);
    const Tjointload& L = m.JointLoad;
    for (double v : {L.EQ1[0], L.yEQ1[0], L.EQs[0], L.EM1[0], L.EMc[0], L.yEMc[0], L.HD1[0], L.Hds[0], L.EQ1p[0],
                     L.EMcp[0], L.yEMcp[0], L.Mqvp[0]})
        EXPECT_EQ(v, 0.0);
    EXPECT_EQ(L.EQv[0], EQv);
}

TEST(PseudoDynamic, DegenerateInputsStayFinite)
{
    // No concrete stiffness, no wave velocity, no slices, no gravity.
    TParametres m = ChopraModel({{110, 0}});
    m.Concrete.Ec = 0;
    m.Reservoir.WaveVelocity = 0;
    m.ChopraC.tranches = 0;
    ComputePseudoDynamicLoads(m, 0, -1);
    m.gravity = 0;
    ComputePseudoDynamicLoads(m, 1, -1);
    const Tjointload& L = m.JointLoad;
    for (int j : {0, 1})
        for (double v : {L.EQ1[j], L.yEQ1[j], L.EQs[j], L.HD1[j], L.Hds[j], L.EMc[j], L.yEMc[j], L.EQ1p[j],
                         L.EMcp[j], L.yEMcp[j]})
            EXPECT_TRUE(std::isfinite(v));
    const TChopraCoeff& c = m.ChopraC;
    for (double v : {c.TDam, c.TRes, c.Rw, c.Ap, c.e, c.M1, c.M11, c.L1, c.L11, c.B1, c.Rr, c.Rf})
        EXPECT_TRUE(std::isfinite(v));
}

} // namespace
