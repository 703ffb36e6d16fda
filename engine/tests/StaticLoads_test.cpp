#include <cmath>

#include <gtest/gtest.h>

#include "engine/Loads.h"
#include "engine/tests/LoadsTestModel.h"

namespace {

constexpr double Tol = 1e-9;

// ---- Self weight ---------------------------------------------------------------------------

TEST(SelfWeight, RectangularBlockAboveTheBase)
{
    // 10 x 20 = 200 m2 of concrete at 2400 kg/m3: 200 * 2400 * 9.81 / 1000 = 4708.8 kN,
    // centroid at the middle (5, 110).
    TParametres m = MakeModel(RectangleSection());
    ComputeSelfWeight(m, 0);
    EXPECT_NEAR(m.Joint.Volume[0], 200, Tol);
    EXPECT_NEAR(m.JointLoad.Wv[0], -4708.8, Tol);
    EXPECT_NEAR(m.JointLoad.xW[0], 5, Tol);
    EXPECT_NEAR(m.JointLoad.yW[0], 110, Tol);
}

TEST(SelfWeight, TriangularBlockAboveTheBaseAndALiftJoint)
{
    // Base: triangle 16 x 20 = 160 m2 -> 160 * 23.544 = 3767.04 kN at (16/3, 100 + 20/3).
    // Joint at 110: the triangle above it is 8 wide and 10 high = 40 m2 -> 941.76 kN at
    // (8/3, 110 + 10/3).
    TParametres m = MakeModel(TriangleSection(), {{110, 0}});
    ComputeSelfWeight(m, 0);
    ComputeSelfWeight(m, 1);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.Wv[0], -3767.04, Tol);
    EXPECT_NEAR(L.xW[0], 16.0 / 3, Tol);
    EXPECT_NEAR(L.yW[0], 100 + 20.0 / 3, Tol);
    EXPECT_NEAR(m.Joint.Volume[1], 40, Tol);
    EXPECT_NEAR(L.Wv[1], -941.76, Tol);
    EXPECT_NEAR(L.xW[1], 8.0 / 3, Tol);
    EXPECT_NEAR(L.yW[1], 110 + 10.0 / 3, Tol);
}

TEST(SelfWeight, ImperialUnitsUseTheUnitWeight)
{
    // 150 lb/ft3 over 200 ft2 = 30 kip.
    TParametres m = MakeModel(RectangleSection());
    m.unites = US;
    m.gravity = 32.17;
    m.Concrete.mass = 150;
    ComputeSelfWeight(m, 0);
    EXPECT_NEAR(m.JointLoad.Wv[0], -0.15 * 200, Tol);
}

TEST(SelfWeight, NoConcreteAboveTheJointWeighsNothing)
{
    // A joint at the crest (refused by the joint editor, possible in a damaged file).
    TParametres m = MakeModel(RectangleSection(), {{120, 0}});
    m.JointLoad.xW[1] = 7;
    ComputeSelfWeight(m, 1);
    EXPECT_EQ(m.JointLoad.Wv[1], 0.0);
    EXPECT_EQ(m.JointLoad.xW[1], 0.0);
    EXPECT_EQ(m.Joint.Volume[1], 0.0);
}

// ---- Concentrated masses ------------------------------------------------------------------

TEST(ConcentratedMasses, OnTheJointCountsBelowDoesNot)
{
    TParametres m = MakeModel(RectangleSection(), {{110, 0}});
    m.Masses.Elem.SetLength(2);
    m.Masses.Elem[0] = {3, 110, 0, 2000};     // on the joint
    m.Masses.Elem[1] = {7, 109.999, 0, 5000}; // 1 mm below it
    ComputeConcentratedMasses(m, 1);
    // 2000 kg * 9.81 / 1000 = 19.62 kN at x = 3.
    EXPECT_NEAR(m.JointLoad.Mv[1], -19.62, Tol);
    EXPECT_NEAR(m.JointLoad.xMv[1], 3, Tol);
    ComputeConcentratedMasses(m, 0);
    // Both on the base: 7000 kg -> 68.67 kN at (2000 * 3 + 5000 * 7) / 7000.
    EXPECT_NEAR(m.JointLoad.Mv[0], -68.67, Tol);
    EXPECT_NEAR(m.JointLoad.xMv[0], 41000.0 / 7000, Tol);
}

TEST(ConcentratedMasses, InclinedJointLineDecides)
{
    // Joint at 110 rising 45 degrees downstream: its line passes x = 5 at elevation 115, so
    // a mass at (4, 115) lies above it and one at (6, 115) below.
    TParametres m = MakeModel(RectangleSection(), {{110, 45}});
    m.Masses.Elem.SetLength(2);
    m.Masses.Elem[0] = {4, 115, 0, 1000};
    m.Masses.Elem[1] = {6, 115, 0, 3000};
    ComputeConcentratedMasses(m, 1);
    EXPECT_NEAR(m.JointLoad.Mv[1], -9.81, Tol);
}

TEST(MassInertia, PeakAndSustained)
{
    // 1000 kg at elevation 50 (horizontal), 0.2 g: -1000 * 0.2 * 9.81 / 1000 = -1.962 kN.
    TParametres m = MakeModel(RectangleSection());
    m.Masses.Elem.SetLength(1);
    m.Masses.Elem[0] = {4, 150, 1000, 500};
    m.Acc.Peak = {0.2, 0.1, 0};
    m.Acc.Sust = {0.1, 0.05, 0};
    ComputeMassInertia(m, 0);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.Mdh[0], -1.962, Tol);
    EXPECT_NEAR(L.yMdh[0], 150, Tol);
    EXPECT_NEAR(L.Mdv[0], -500 * 0.1 * 9.81 / 1000, Tol);
    EXPECT_NEAR(L.xMdv[0], 4, Tol);
    EXPECT_NEAR(L.Mdhp[0], -0.981, Tol);
    EXPECT_NEAR(L.Mdvp[0], -500 * 0.05 * 9.81 / 1000, Tol);
    EXPECT_EQ(L.yMdhp[0], L.yMdh[0]);
    EXPECT_EQ(L.xMdvp[0], L.xMdv[0]);
}

TEST(MassInertia, NoMassesGiveZeroes)
{
    TParametres m = MakeModel(RectangleSection());
    m.Acc.Peak = {0.2, 0.1, 0};
    ComputeConcentratedMasses(m, 0);
    ComputeMassInertia(m, 0);
    const Tjointload& L = m.JointLoad;
    for (double v : {L.Mv[0], L.xMv[0], L.Mdh[0], L.yMdh[0], L.Mdv[0], L.xMdv[0], L.Mdhp[0], L.yMdhp[0], L.Mdvp[0],
                     L.xMdvp[0]})
        EXPECT_EQ(v, 0.0);
}

// ---- Post-tensioning and applied forces ---------------------------------------------------

TEST(PostTension, CrestCableOnEveryJoint)
{
    TDimension d = RectangleSection();
    d.L2 = 3;
    TParametres m = MakeModel(d, {{110, 0}});
    m.PostTension.Tension = 1000;
    m.PostTension.Position = 2;
    for (int j : {0, 1}) {
        ComputePostTension(m, j);
        EXPECT_EQ(m.JointLoad.Pc[j], -1000.0);
        EXPECT_EQ(m.JointLoad.xPc[j], 5.0);
    }
}

TEST(PostTension, DownstreamCableComponentsAndPositions)
{
    // 500 at 30 degrees anchored at (10, 115): components 500 cos 30 = 433.0127 toward
    // upstream and 500 sin 30 = 250 downward. At the joint 110 the cable runs 5 / tan 30 =
    // 8.660 m upstream of the anchor; at the base (elevation 100) 15 / tan 30 = 25.98 m.
    TParametres m = MakeModel(RectangleSection(), {{110, 0}, {116, 0}});
    TPostTension& pt = m.PostTension;
    pt.Tension2 = 500;
    pt.Angle = 30;
    pt.Elev = 115;
    pt.Position2 = 10;
    for (int j : {0, 1, 2})
        ComputePostTension(m, j);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.Ph[1], -433.0127018922, 1e-9);
    EXPECT_NEAR(L.Pv[1], -250, 1e-9);
    EXPECT_EQ(L.yPh[1], 110.0);
    EXPECT_NEAR(L.xPv[1], 10 - 5 * std::sqrt(3.0), 1e-9);
    EXPECT_NEAR(L.yPh[0], 100, 1e-9);
    EXPECT_NEAR(L.xPv[0], 10 - 15 * std::sqrt(3.0), 1e-9);
    // Anchor below the joint: nothing, and no position either.
    for (double v : {L.Ph[2], L.Pv[2], L.yPh[2], L.xPv[2]})
        EXPECT_EQ(v, 0.0);
}

TEST(PostTension, HorizontalCableActsAtItsAnchor)
{
    // A horizontal cable never crosses a horizontal joint or base: it pulls at its own
    // elevation, with no vertical component.
    TParametres m = MakeModel(RectangleSection(), {{110, 0}});
    m.PostTension = {0, 0, 500, 0, 115, 10, ptActive};
    for (int j : {0, 1}) {
        ComputePostTension(m, j);
        EXPECT_EQ(m.JointLoad.Ph[j], -500.0);
        EXPECT_EQ(m.JointLoad.Pv[j], 0.0);
        EXPECT_EQ(m.JointLoad.xPv[j], 10.0);
    }
    EXPECT_EQ(m.JointLoad.yPh[0], 115.0);
}

TEST(AppliedForces, SumsAndMoments)
{
    TParametres m = MakeModel(RectangleSection(), {{110, 0}});
    m.Force.Elem.SetLength(3);
    m.Force.Elem[0] = {2, 115, 30, -40};
    m.Force.Elem[1] = {6, 118, 10, -20};
    m.Force.Elem[2] = {4, 110, 99, 99}; // on the joint: belongs to the joints below
    ComputeAppliedForces(m, 1);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.FH[1], 40, Tol);
    EXPECT_NEAR(L.FV[1], -60, Tol);
    EXPECT_NEAR(L.yFH[1], (30 * 115 + 10 * 118) / 40.0, Tol);
    EXPECT_NEAR(L.xFV[1], (-40 * 2 - 20 * 6) / -60.0, Tol);
    ComputeAppliedForces(m, 0);
    EXPECT_NEAR(L.FH[0], 139, Tol);
}

TEST(AppliedForces, CancellingForcesKeepTheirCouple)
{
    // +100 at 110 and -100 at 120 above the base: FH = 0, yFH = (11000 - 12000) / (0.0001 * 100).
    TParametres m = MakeModel(RectangleSection());
    m.Force.Elem.SetLength(2);
    m.Force.Elem[0] = {1, 110, 100, 0};
    m.Force.Elem[1] = {1, 120, -100, 0};
    ComputeAppliedForces(m, 0);
    EXPECT_EQ(m.JointLoad.FH[0], 0.0);
    EXPECT_NEAR(m.JointLoad.yFH[0], -100000, 1e-6);
    EXPECT_EQ(m.JointLoad.xFV[0], 0.0);
}

// ---- Reservoir -------------------------------------------------------------------------------

TEST(Reservoir, HydrostaticOnAVerticalFace)
{
    // 15 m of water on the base: 9.81 * 15^2 / 2 = 1103.625 at 100 + 15/3; on the joint at
    // 110: 9.81 * 5^2 / 2 = 122.625 at 110 + 5/3. No batter, no vertical water.
    TParametres m = MakeModel(RectangleSection(), {{110, 0}});
    m.Reservoir.NormalUp = 115;
    m.Reservoir.FloodUp = 118;
    for (int j : {0, 1})
        ComputeReservoirLoads(m, j, false);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.HNu[0], 1103.625, Tol);
    EXPECT_NEAR(L.yHNu[0], 105, Tol);
    EXPECT_NEAR(L.HNu[1], 122.625, Tol);
    EXPECT_NEAR(L.yHNu[1], 110 + 5.0 / 3, Tol);
    EXPECT_NEAR(L.HFu[0], 9.81 * 18 * 18 / 2, Tol);
    EXPECT_NEAR(L.yHFu[0], 106, Tol);
    EXPECT_EQ(L.VNu[0], 0.0);
    EXPECT_EQ(L.xVNu[0], 0.0);
}

TEST(Reservoir, WaterOnTheUpstreamBatter)
{
    // Batter from (0, 100) to (4, 120). Level 110: the wedge over the batter is 2 wide and
    // 10 high: -9.81 * 10 * 2 / 2 = -98.1 at x = 2/3. Level 125 (above E = 120, below the
    // crest 130): trapezoid of heights 25 (x = 0) and 5 (x = 4): -9.81 * 60 = -588.6 at
    // x = 4 (25 + 2 * 5) / (3 * 30) = 14/9.
    TDimension d = RectangleSection();
    d.L2 = 4;
    d.L3 = 14;
    d.L4 = 14;
    d.Elev.G = 130;
    d.Elev.F = 130;
    TParametres m = MakeModel(d);
    m.Reservoir.NormalUp = 110;
    m.Reservoir.FloodUp = 125;
    ComputeReservoirLoads(m, 0, false);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.VNu[0], -98.1, Tol);
    EXPECT_NEAR(L.xVNu[0], 2.0 / 3, Tol);
    EXPECT_NEAR(L.VFu[0], -588.6, Tol);
    EXPECT_NEAR(L.xVFu[0], 14.0 / 9, Tol);
    // A level at or below C gives no water on the batter.
    m.Reservoir.NormalUp = 100;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_EQ(L.VNu[0], 0.0);
}

TEST(Reservoir, OvertoppingTheCrest)
{
    // Level 2 m above the crest, joint 20 m below it: 9.81 (22^2 / 2 - 2^2 / 2) = 2354.4.
    // Over the 5 m crest: heads 2 * 1 and 2 * 0.5: -9.81 (2 + 1) / 2 * 5 = -73.575 acting
    // 5 (2 + 2 * 1) / (3 * 3) = 2.2222 m downstream of the upstream crest edge.
    TDimension d = RectangleSection();
    d.L4 = 5;
    d.L3 = 5;
    TParametres m = MakeModel(d);
    m.Reservoir.NormalUp = 122;
    m.Reservoir.PressureUp = 1;
    m.Reservoir.PressureDown = 0.5;
    ComputeReservoirLoads(m, 0, false);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.HNu[0], 2354.4, Tol);
    // Moment of the two triangles about the ground: (100 + 22/3) 22^2/2 - (120 + 2/3) 2^2/2.
    EXPECT_NEAR(L.yHNu[0], ((100 + 22.0 / 3) * 242 - (120 + 2.0 / 3) * 2) / 240, Tol);
    EXPECT_NEAR(L.VNc[0], -73.575, Tol);
    EXPECT_NEAR(L.xVNc[0], 20.0 / 9, Tol);
    EXPECT_EQ(L.VFc[0], 0.0);
    EXPECT_EQ(L.xVFc[0], 0.0);
}

TEST(Reservoir, IceAtItsElevation)
{
    TParametres m = MakeModel(RectangleSection(), {{110, 0}});
    TReservoir& r = m.Reservoir;
    r.IceLoad = 100;
    r.IceThickness = 0.6;
    // Level 0.3 m above the joint: half the sheet, at 110.3 - 0.15.
    r.NormalUp = 110.3;
    ComputeReservoirLoads(m, 1, false);
    EXPECT_NEAR(m.JointLoad.I[1], 50, Tol);
    EXPECT_NEAR(m.JointLoad.yI[1], 110.15, Tol);
    // Below the joint: nothing; over the base the whole sheet at the middle of its thickness.
    r.NormalUp = 115;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_NEAR(m.JointLoad.I[0], 100, Tol);
    EXPECT_NEAR(m.JointLoad.yI[0], 114.7, Tol);
    // 1 m over the crest: the ice is gone.
    r.NormalUp = 121;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_EQ(m.JointLoad.I[0], 0.0);
    EXPECT_EQ(m.JointLoad.yI[0], 0.0);
}

TEST(Reservoir, IceWithoutThicknessIsNoIce)
{
    TParametres m = MakeModel(RectangleSection());
    m.Reservoir.IceLoad = 100;
    m.Reservoir.IceThickness = 0;
    m.Reservoir.NormalUp = 115;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_EQ(m.JointLoad.I[0], 0.0);
    EXPECT_EQ(m.JointLoad.yI[0], 0.0);
}

TEST(Reservoir, FloatingDebrisAtItsElevation)
{
    // Debris force 50 applied 1 m below the flood surface 118.
    TParametres m = MakeModel(RectangleSection(), {{117.5, 0}});
    m.Reservoir.FloodUp = 118;
    m.DebrisFlottant = {50, -1, 0.5, {}};
    ComputeReservoirLoads(m, 0, false);
    ComputeReservoirLoads(m, 1, false);
    EXPECT_EQ(m.JointLoad.FD[0], 50.0);
    EXPECT_EQ(m.JointLoad.yFD[0], 117.0);
    EXPECT_EQ(m.JointLoad.FD[1], 0.0); // applied below this joint
    EXPECT_EQ(m.JointLoad.yFD[1], 0.0);
    // A flood 1 m over the crest, more than the 0.5 m beyond which debris no longer applies.
    m.Reservoir.FloodUp = 121;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_EQ(m.JointLoad.FD[0], 0.0);
}

TEST(Reservoir, SiltByItsFourModels)
{
    // 5 m of silt of 8 kN/m3 on the base: 8 * 25 / 2 = 100 times K, at 100 + 5/3.
    struct Case {
        TSiltModel model;
        double K;
    };
    const Case cases[] = {{smAsFluid, 1}, {smAtRest, 0.5}, {smPassive, 3}, {smActive, 1.0 / 3}};
    for (const Case& c : cases) {
        TParametres m = MakeModel(RectangleSection());
        m.Reservoir.Sediment = 105;
        m.Reservoir.SedWeight = 8;
        m.Reservoir.SedAngle = 30;
        m.Reservoir.SedModel = c.model;
        ComputeReservoirLoads(m, 0, false);
        EXPECT_NEAR(m.JointLoad.Sh[0], 100 * c.K, 1e-9) << int(c.model);
        EXPECT_NEAR(m.JointLoad.ySh[0], 100 + 5.0 / 3, Tol);
        EXPECT_EQ(m.JointLoad.Sv[0], 0.0);
    }
}

TEST(Reservoir, SiltFrictionAngleOutsideItsRangeKeepsTheForceFinite)
{
    // Passive silt at 90 degrees would divide by 1 - sin 90 = 0. Angles are taken inside
    // 0..89.999 degrees: at 89.999, 1 - sin = 1 - cos(0.001 deg) = 1.5230870e-10, so
    // K = (1 + sin) / (1 - sin) = 1.3131e10 and Sh = 100 K (5 m of silt of 8 kN/m3). An
    // angle of -90 (active: 2 / 0) is taken as 0: K = 1, Sh = 100.
    struct Case {
        TSiltModel model;
        double angle;
        double Sh;
    };
    const double sinLargest = std::sin(89.999 * M_PI / 180);
    const double passiveLargest = 100 * (1 + sinLargest) / (1 - sinLargest);
    EXPECT_NEAR(passiveLargest / 1.3131e12, 1, 1e-4);
    const Case cases[] = {
        {smPassive, 90, passiveLargest}, {smPassive, 120, passiveLargest}, {smPassive, 89.999, passiveLargest},
        {smActive, -90, 100},            {smAtRest, -30, 100},             {smActive, NAN, 100},
    };
    for (const Case& c : cases) {
        TParametres m = MakeModel(RectangleSection());
        m.Reservoir.Sediment = 105;
        m.Reservoir.SedWeight = 8;
        m.Reservoir.SedAngle = c.angle;
        m.Reservoir.SedModel = c.model;
        ComputeReservoirLoads(m, 0, false);
        EXPECT_TRUE(std::isfinite(m.JointLoad.Sh[0])) << c.angle;
        EXPECT_NEAR(m.JointLoad.Sh[0] / c.Sh, 1, 1e-12) << c.angle;
        EXPECT_NEAR(m.JointLoad.ySh[0], 100 + 5.0 / 3, Tol) << c.angle;
    }
}

TEST(Reservoir, SiltOnTheBatterAndBelowTheFoundation)
{
    // Batter (0, 100)-(4, 120), silt to 110: the wedge 2 wide, 10 high weighs 8 * 10 = 80.
    TDimension d = RectangleSection();
    d.L2 = 4;
    d.L3 = 14;
    d.L4 = 14;
    TParametres m = MakeModel(d);
    m.Reservoir.Sediment = 110;
    m.Reservoir.SedWeight = 8;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_NEAR(m.JointLoad.Sv[0], -80, Tol);
    EXPECT_NEAR(m.JointLoad.xSv[0], 2.0 / 3, Tol);
    // A silt surface between the heel and a higher upstream foundation is no silt.
    m.Dim.Elev.Fup = 104;
    m.Reservoir.Sediment = 102;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_EQ(m.JointLoad.Sh[0], 0.0);
    EXPECT_EQ(m.JointLoad.Sv[0], 0.0);
}

TEST(Reservoir, TailwaterOnTheDownstreamFaces)
{
    // Triangle: downstream face from (16, 100) to (0, 120). Tailwater 105: horizontal
    // -9.81 * 25 / 2 = -122.625 at 100 + 5/3; the water over the face is 4 wide and 5 high:
    // -9.81 * 5 * 4 / 2 = -98.1 at x = 16 - 4/3.
    TParametres m = MakeModel(TriangleSection(), {{102, 0}});
    m.Reservoir.NormalDn = 105;
    m.Reservoir.FloodDn = 99;
    for (int j : {0, 1})
        ComputeReservoirLoads(m, j, false);
    const Tjointload& L = m.JointLoad;
    EXPECT_NEAR(L.HNd[0], -122.625, Tol);
    EXPECT_NEAR(L.yHNd[0], 100 + 5.0 / 3, Tol);
    EXPECT_NEAR(L.VNd[0], -98.1, Tol);
    EXPECT_NEAR(L.xVNd[0], 16 - 4.0 / 3, Tol);
    // Joint at 102, its downstream end at x = 14.4: water 3 high, 2.4 wide above it.
    EXPECT_NEAR(L.HNd[1], -9.81 * 9 / 2, Tol);
    EXPECT_NEAR(L.VNd[1], -9.81 * 3 * 2.4 / 2, Tol);
    EXPECT_NEAR(L.xVNd[1], 14.4 - 0.8, Tol);
    // Flood tailwater below the toe: four zeros.
    for (double v : {L.HFd[0], L.yHFd[0], L.VFd[0], L.xVFd[0]})
        EXPECT_EQ(v, 0.0);
}

TEST(Reservoir, TailwaterOnAVerticalFaceHasNoWeight)
{
    TParametres m = MakeModel(RectangleSection());
    m.Reservoir.NormalDn = 106;
    ComputeReservoirLoads(m, 0, false);
    EXPECT_NEAR(m.JointLoad.HNd[0], -176.58, Tol);
    EXPECT_NEAR(m.JointLoad.yHNd[0], 102, Tol);
    EXPECT_EQ(m.JointLoad.VNd[0], 0.0);
    EXPECT_EQ(m.JointLoad.xVNd[0], 0.0);
}

TEST(Reservoir, FloodIncreaseOfTheProbabilisticRun)
{
    TParametres m = MakeModel(RectangleSection());
    TReservoir& r = m.Reservoir;
    r.NormalUp = 115;
    r.FloodUp = 118;
    r.FloodDn = 103;
    m.Statistiques.FloodIncrease = 7; // new flood level 122, 2 m over the crest
    m.Statistiques.Combination = 1;
    ComputeReservoirLoads(m, 0, true);
    EXPECT_EQ(r.FloodUp, 118.0); // not the flood combination: unchanged
    m.Statistiques.Combination = 2;
    ComputeReservoirLoads(m, 0, true);
    // No overtopping before (r = 1): the tailwater rises by the full new overtopping.
    EXPECT_EQ(r.FloodUp, 122.0);
    EXPECT_EQ(r.FloodDn, 105.0);
    EXPECT_NEAR(m.JointLoad.HFu[0], 9.81 * (22 * 22 / 2.0 - 2), Tol);
    // Overtopping 2 m with 5 m of tailwater: the ratio 2.5 carries over to the new 3 m.
    m.Statistiques.FloodIncrease = 8;
    ComputeReservoirLoads(m, 0, true);
    EXPECT_EQ(r.FloodDn, 105 + 2.5 * 3);
}

} // namespace
