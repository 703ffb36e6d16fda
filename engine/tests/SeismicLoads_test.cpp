#include <cmath>

#include <gtest/gtest.h>

#include "engine/Loads.h"
#include "engine/tests/LoadsTestModel.h"

namespace {

constexpr double Tol = 1e-9;
// Westergaard's constant times the unit weight of water.
constexpr double K = 0.543 * 9.81;

TParametres SeismicModel(const TDimension& dim, std::initializer_list<std::pair<double, double>> joints = {})
{
    TParametres m = MakeModel(dim, joints);
    m.Donnees.Include(daPseudoStatic);
    m.Acc.Peak = {0.2, 0.1, 0};
    m.Acc.Sust = {0.1, 0.05, 0};
    return m;
}

// Static loads, then the hydrodynamic loads with the model's own correction.
void Hydrodynamic(TParametres& m, int j)
{
    ComputeSelfWeight(m, j);
    ComputeReservoirLoads(m, j, false);
    ComputeHydrodynamicLoads(m, j, m.CoeffSis.SlopeCorr);
}

TEST(ConcreteInertia, PeakAndSustainedFromTheSelfWeight)
{
    TParametres m = SeismicModel(RectangleSection());
    ComputeSelfWeight(m, 0); // -4708.8 at (5, 110)
    ComputeConcreteInertia(m, 0);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.Qh[0], -941.76, Tol);
    EXPECT_NEAR(L.Qv[0], -470.88, Tol);
    EXPECT_NEAR(L.Qhp[0], -470.88, Tol);
    EXPECT_NEAR(L.Qvp[0], -235.44, Tol);
    EXPECT_EQ(L.yQh[0], 110.0);
    EXPECT_EQ(L.xQv[0], 5.0);
    EXPECT_EQ(L.yQhp[0], 110.0);
    EXPECT_EQ(L.xQvp[0], 5.0);
    // Only for the pseudo-static method.
    m.Donnees.Exclude(daPseudoStatic);
    m.Donnees.Include(daPseudoDynamic);
    ComputeConcreteInertia(m, 0);
    for (double v : {L.Qh[0], L.Qv[0], L.yQh[0], L.xQv[0], L.Qhp[0], L.Qvp[0], L.yQhp[0], L.xQvp[0]})
        EXPECT_EQ(v, 0.0);
}

TEST(Hydrodynamic, WestergaardOnAVerticalFace)
{
    // 16 m of water: F = 0.543 * 9.81 * sqrt(16) * 16^1.5 = 256 K at the depth
    // 0.6 * 16^2.5 / 16^1.5 = 9.6, i.e. elevation 106.4; HDu = -0.2 F. The face is vertical,
    // so no vertical force. On the joint at 110 (6 m deep): sqrt(16) * 6^1.5 K at depth 3.6.
    TParametres m = SeismicModel(RectangleSection(), {{110, 0}});
    m.Reservoir.NormalUp = 116;
    for (int j : {0, 1})
        Hydrodynamic(m, j);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.HDu[0], -0.2 * 256 * K, Tol);
    EXPECT_NEAR(L.yHDu[0], 106.4, Tol);
    EXPECT_NEAR(L.HDup[0], -0.1 * 256 * K, Tol);
    EXPECT_NEAR(L.yHDup[0], 106.4, Tol);
    EXPECT_EQ(L.VDu[0], 0.0);
    EXPECT_EQ(L.xVDu[0], 0.0);
    EXPECT_NEAR(L.HDu[1], -0.2 * 4 * std::pow(6.0, 1.5) * K, Tol);
    EXPECT_NEAR(L.yHDu[1], 116 - 3.6, Tol);
}

TEST(Hydrodynamic, VerticalFaceCarriesNoVerticalForceWithAnyCorrection)
{
    for (TSlopeCorrection c : {scCos2, scCorns, scGeneralized, scNoCorrection}) {
        TParametres m = SeismicModel(RectangleSection());
        m.Reservoir.NormalUp = 116;
        m.CoeffSis.SlopeCorr = c;
        Hydrodynamic(m, 0);
        EXPECT_NEAR(m.JointLoad.HDu[0], -0.2 * 256 * K, Tol) << int(c);
        EXPECT_EQ(m.JointLoad.VDu[0], 0.0) << int(c);
    }
}

TEST(Hydrodynamic, DepthLimit)
{
    // Limit 9 m in 16 m of water: parabola with sqrt(9) down to 9 m (3 * 27 K = 81 K at the
    // depth 0.6 * 243 / 27 = 5.4), then a uniform 9 K per metre over 7 m (63 K at 12.5).
    TParametres m = SeismicModel(RectangleSection());
    m.Reservoir.NormalUp = 116;
    m.CoeffSis.Depth = {true, 9};
    Hydrodynamic(m, 0);
    EXPECT_NEAR(m.JointLoad.HDu[0], -0.2 * 144 * K, Tol);
    EXPECT_NEAR(m.JointLoad.yHDu[0], ((116 - 5.4) * 81 + (116 - 12.5) * 63) / 144, Tol);
}

TEST(Hydrodynamic, Compressibility)
{
    // te = 0.5 s, SI: Ce = 1 / sqrt(1 - 7.75 (16 / 500)^2).
    TParametres m = SeismicModel(RectangleSection());
    m.Reservoir.NormalUp = 116;
    m.CoeffSis.WaterCompressibility = true;
    m.CoeffSis.te = 0.5;
    Hydrodynamic(m, 0);
    double Ce = 1 / std::sqrt(1 - 7.75 * 0.032 * 0.032);
    EXPECT_NEAR(m.JointLoad.HDu[0], -0.2 * 256 * K * Ce, Tol);
    // No period, or a period too short for the reservoir: incompressible water (Ce = 1).
    for (double te : {0.0, 0.01}) {
        m.CoeffSis.te = te;
        Hydrodynamic(m, 0);
        EXPECT_NEAR(m.JointLoad.HDu[0], -0.2 * 256 * K, Tol) << te;
    }
}

TDimension BatterSection(double C, double L2)
{
    TDimension d = RectangleSection();
    d.L2 = L2;
    d.L3 = L2 + 10;
    d.L4 = L2 + 10;
    d.Elev.C = C;
    d.Elev.G = 130;
    d.Elev.F = 130;
    return d;
}

TEST(Hydrodynamic, CorrectionsOnABatter)
{
    // Batter from (0, 100) to (4, 120), 16 m of water: phi = atan(4 / 20) = 11.31 degrees,
    // cos^2 = 400/416, cos sin = 80/416. Vertical acceleration 0 so that the water resting
    // on the batter adds nothing.
    const double phi = std::atan2(4.0, 20.0) * 180 / M_PI;
    const double F = 256 * K;
    struct Case {
        TSlopeCorrection correction;
        double C1, C2;
    };
    const Case cases[] = {
        {scCos2, 400.0 / 416, 80.0 / 416},
        {scCorns, 1 - 0.0090111 * phi - 2.7777777e-6 * phi * phi - 2.2839506e-7 * phi * phi * phi, 80.0 / 416},
        {scNoCorrection, 1, 0},
    };
    for (const Case& c : cases) {
        TParametres m = SeismicModel(BatterSection(100, 4));
        m.Acc.Peak.vertical = 0;
        m.Reservoir.NormalUp = 116;
        m.CoeffSis.SlopeCorr = c.correction;
        Hydrodynamic(m, 0);
        EXPECT_NEAR(m.JointLoad.HDu[0], -0.2 * c.C1 * F, 1e-9) << int(c.correction);
        EXPECT_NEAR(m.JointLoad.VDu[0], -0.2 * c.C2 * F, 1e-9) << int(c.correction);
    }
}

TEST(Hydrodynamic, ShortBatterIsVertical)
{
    // Batter from 110 to 120 is shorter than half of 25 m of water: no correction and no
    // vertical force.
    TParametres m = SeismicModel(BatterSection(110, 2));
    m.Acc.Peak.vertical = 0;
    m.Reservoir.NormalUp = 125;
    Hydrodynamic(m, 0);
    EXPECT_NEAR(m.JointLoad.HDu[0], -0.2 * 5 * std::pow(25.0, 1.5) * K, 1e-9);
    EXPECT_EQ(m.JointLoad.VDu[0], 0.0);
}

TEST(Hydrodynamic, GeneralizedWestergaardOnABatter)
{
    // Every depth lies on the batter: theta = atan(4 / 20), FH = cos theta F, FV = sin theta F,
    // acceleration a = cos theta * 0.2 - sin theta * 0.1. The vertical force acts at the
    // batter's x at the elevation of the interval force, 116 - 9.6.
    TParametres m = SeismicModel(BatterSection(100, 4));
    m.Reservoir.NormalUp = 116;
    m.CoeffSis.SlopeCorr = scGeneralized;
    m.Acc.Peak.vertical = 0.1;
    ComputeSelfWeight(m, 0);
    ComputeReservoirLoads(m, 0, false);
    m.JointLoad.VNu[0] = 0; // without the water resting on the batter
    ComputeHydrodynamicLoads(m, 0, scGeneralized);
    double t = std::atan(0.2), F = 256 * K;
    double a = std::cos(t) * 0.2 - std::sin(t) * 0.1;
    EXPECT_NEAR(m.JointLoad.HDu[0], -a * std::cos(t) * F, 1e-9);
    EXPECT_NEAR(m.JointLoad.VDu[0], -a * std::sin(t) * F, 1e-9);
    EXPECT_NEAR(m.JointLoad.xVDu[0], 4 * (106.4 - 100) / 20, 1e-9);
}

TEST(Hydrodynamic, VerticalAccelerationOnTheWater)
{
    // VertAccOnReservoir: HDu = HNu * 0.1 + HDu, lever arm the weighted mean; HNu = 9.81 *
    // 256 / 2 = 1255.68 at 100 + 16/3. Downstream the sign is reversed: 4 m of tailwater,
    // HNd = -9.81 * 16 / 2 at 101.333, HDd = -0.2 * 16 K at 104 - 2.4.
    TParametres m = SeismicModel(RectangleSection());
    m.Reservoir.NormalUp = 116;
    m.Reservoir.NormalDn = 104;
    m.Reservoir.VertAccOnReservoir = true;
    Hydrodynamic(m, 0);
    const Tjointload& L = m.JointLoad;
    double HDu = -0.2 * 256 * K, HNu = 1255.68;
    EXPECT_NEAR(L.HDu[0], HNu * 0.1 + HDu, 1e-9);
    EXPECT_NEAR(L.yHDu[0], (HNu * 0.1 * (100 + 16.0 / 3) + HDu * 106.4) / (HNu * 0.1 + HDu), 1e-9);
    EXPECT_NEAR(L.HDup[0], HNu * 0.05 - 0.1 * 256 * K, 1e-9);
    double HNd = -9.81 * 8, HDd = -0.2 * 16 * K;
    EXPECT_NEAR(L.HDd[0], -0.1 * HNd + HDd, 1e-9);
    EXPECT_NEAR(L.yHDd[0], (-0.1 * HNd * (100 + 4.0 / 3) + HDd * 101.6) / (-0.1 * HNd + HDd), 1e-9);
    EXPECT_EQ(L.VDd[0], 0.0);
}

TEST(Hydrodynamic, WaterOnTheBatterMovesVertically)
{
    // scNoCorrection: no vertical added pressure, only the weight of the water on the
    // batter times the vertical acceleration: 16 m of water on the batter (0,100)-(4,120):
    // VNu = -9.81 * 16 * 3.2 / 2 at x = 3.2 / 3.
    TParametres m = SeismicModel(BatterSection(100, 4));
    m.Reservoir.NormalUp = 116;
    m.CoeffSis.SlopeCorr = scNoCorrection;
    Hydrodynamic(m, 0);
    double VNu = -9.81 * 16 * 3.2 / 2;
    EXPECT_NEAR(m.JointLoad.VNu[0], VNu, 1e-9);
    EXPECT_NEAR(m.JointLoad.VDu[0], 0.1 * VNu, 1e-9);
    EXPECT_NEAR(m.JointLoad.xVDu[0], 3.2 / 3, 1e-9);
    EXPECT_NEAR(m.JointLoad.VDup[0], 0.05 * VNu, 1e-9);
    EXPECT_NEAR(m.JointLoad.xVDup[0], 3.2 / 3, 1e-9);
}

TEST(Hydrodynamic, SustainedLoadsWithoutPeakAcceleration)
{
    TParametres m = SeismicModel(RectangleSection());
    m.Acc.Peak = {0, 0, 0};
    m.Reservoir.NormalUp = 116;
    Hydrodynamic(m, 0);
    EXPECT_EQ(m.JointLoad.HDu[0], 0.0);
    EXPECT_EQ(m.JointLoad.yHDu[0], 0.0);
    EXPECT_NEAR(m.JointLoad.HDup[0], -0.1 * 256 * K, Tol);
    EXPECT_NEAR(m.JointLoad.yHDup[0], 106.4, Tol);
}

TEST(Hydrodynamic, DryFacesAndNoSeismicInput)
{
    TParametres m = SeismicModel(RectangleSection(), {{110, 0}});
    m.Reservoir.NormalUp = 108; // below the joint at 110
    m.Reservoir.NormalDn = 95;  // below the downstream foundation
    Hydrodynamic(m, 1);
    const Tjointload& L = m.JointLoad;
    for (double v : {L.HDu[1], L.yHDu[1], L.VDu[1], L.xVDu[1], L.HDd[1], L.yHDd[1], L.HDup[1], L.HDdp[1]})
        EXPECT_EQ(v, 0.0);
    m.Reservoir.NormalUp = 116;
    m.Donnees.Clear();
    Hydrodynamic(m, 0);
    EXPECT_EQ(L.HDu[0], 0.0);
    EXPECT_EQ(L.yHDu[0], 0.0);
}

TEST(Hydrodynamic, NoDepthLimitAboveTheSurface)
{
    TParametres m = SeismicModel(RectangleSection());
    m.Reservoir.NormalUp = 116;
    m.CoeffSis.Depth = {true, -3};
    Hydrodynamic(m, 0);
    EXPECT_EQ(m.JointLoad.HDu[0], 0.0);
    EXPECT_FALSE(std::isnan(m.JointLoad.yHDu[0]));
}

TEST(SiltDynamic, AddedPressureOfTheSilt)
{
    // 5 m of silt of 8 kN/m3: F = 0.543 * 8 * sqrt(5) * 5^1.5 = 108.6 at the depth 3.
    TParametres m = SeismicModel(RectangleSection());
    m.Reservoir.Sediment = 105;
    m.Reservoir.SedWeight = 8;
    ComputeReservoirLoads(m, 0, false);
    ComputeSiltDynamicLoads(m, 0);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.SDh[0], -0.2 * 108.6, Tol);
    EXPECT_NEAR(L.ySDh[0], 102, Tol);
    EXPECT_NEAR(L.SDhp[0], -0.1 * 108.6, Tol);
    EXPECT_EQ(L.SDv[0], 0.0);
    // With the vertical acceleration on the reservoir: Sh = 100 at 101.667 joins in.
    m.Reservoir.VertAccOnReservoir = true;
    ComputeSiltDynamicLoads(m, 0);
    EXPECT_NEAR(L.SDh[0], 100 * 0.1 - 0.2 * 108.6, Tol);
    m.Donnees.Clear();
    ComputeSiltDynamicLoads(m, 0);
    EXPECT_EQ(L.SDh[0], 0.0);
    EXPECT_EQ(L.ySDh[0], 0.0);
}

} // namespace
