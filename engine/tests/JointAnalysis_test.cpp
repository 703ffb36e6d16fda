#include "engine/JointAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/Facteurs.h"
#include "engine/Loads.h"
#include "engine/Uplift.h"
#include "engine/tests/LoadsTestModel.h"

namespace {

constexpr double ConcreteWeight = 2400 * 9.81 / 1000;  // kN/m3
constexpr double WaterWeight = 9.81;
constexpr double Height = 20;

// A section 20 high with a vertical upstream face, the reservoir at the crest, no
// tailwater, full uplift without drains; material of friction angle 45 and cohesion 100.
TParametres GravityModel(const TDimension& dim)
{
    TParametres m = MakeModel(dim);
    m.Reservoir.NormalUp = 120;
    m.Reservoir.NormalDn = 90;
    SizeJointMaterials(m.JointMaterials, 0);
    m.JointMaterials[0].peak.angle = 45;
    m.JointMaterials[0].peak.c = 100;
    m.JointMaterials[0].residual.angle = 30;
    TLoadCombination& f = m.LoadCombination;
    f.W[1] = f.Hnu[1] = f.Hnd[1] = f.U[1] = 1;
    ComputeSelfWeight(m, 0);
    ComputeReservoirLoads(m, 0, false);
    ComputeUplift(m, 0, 1, 0, 0, 2);
    AnalyseJoint(m, 0, 1, 0, 0, true);
    return m;
}

// The gravity method on a horizontal base of width b: weight W at xw, water thrust H at
// height/3, triangular uplift U at b/3; moment about the centre of the base.
struct TGravity {
    double N, M, Heel, Toe, Compressed;
};

TGravity GravityMethod(double b, double weight, double xw)
{
    const double thrust = WaterWeight * Height * Height / 2;
    const double uplift = WaterWeight * Height * b / 2;
    TGravity g;
    g.N = -weight + uplift;
    g.M = (b / 2 - xw) * -weight + thrust * Height / 3 + (b / 2 - b / 3) * uplift;
    g.Heel = g.N / b + 6 * g.M / (b * b);
    g.Toe = g.N / b - 6 * g.M / (b * b);
    // Length of the base in compression (the heel may be in tension).
    g.Compressed = g.Heel > 0 ? b * g.Toe / (g.Toe - g.Heel) : b;
    return g;
}

void ExpectGravityMethod(const TParametres& m, double b, const TGravity& g)
{
    const TJoint& j = m.Joint;
    const double thrust = WaterWeight * Height * Height / 2;
    EXPECT_NEAR(j.Resultants.Normal[1][0], g.N, 1e-9);
    EXPECT_NEAR(j.Resultants.Shear[1][0], thrust, 1e-9);
    EXPECT_NEAR(j.Resultants.Moment[1][0], g.M, 1e-8);
    EXPECT_NEAR(j.Stress.normal.Up[1][0], g.Heel, 1e-9);
    EXPECT_NEAR(j.Stress.normal.Down[1][0], g.Toe, 1e-9);
    EXPECT_NEAR(j.Resultants.Position[1][0], (b / 2 - g.M / g.N) / b * 100, 1e-9);
    // Friction on the whole normal force, cohesion on the compressed length.
    EXPECT_NEAR(j.SafetyFactor.Sliding.Peak[1][0], (std::fabs(g.N) + 100 * g.Compressed) / thrust, 1e-9);
    EXPECT_NEAR(j.SafetyFactor.Sliding.Residual[1][0], std::tan(std::numbers::pi / 6) * std::fabs(g.N) / thrust, 1e-9);
}

TEST(AnalyseJoint, RectangularBlockFollowsTheGravityMethod)
{
    TDimension d;
    d.L1 = 20; d.L2 = 0; d.L3 = 20; d.L4 = 20;
    d.Elev = {100, 100, 100, 100, 120, 120, 120, 100, 100};
    TParametres m = GravityModel(d);
    ExpectGravityMethod(m, 20, GravityMethod(20, ConcreteWeight * 20 * Height, 10));
}

TEST(AnalyseJoint, TriangularDamFollowsTheGravityMethod)
{
    TParametres m = GravityModel(TriangleSection());
    const TGravity g = GravityMethod(16, ConcreteWeight * 16 * Height / 2, 16.0 / 3);
    ASSERT_GT(g.Heel, 0);  // the heel is in tension: cohesion acts on the compressed part only
    ExpectGravityMethod(m, 16, g);
}

TEST(AnalyseJoint, OverturningAndUpliftingFactorsOfTheBlock)
{
    TDimension d;
    d.L1 = 20; d.L2 = 0; d.L3 = 20; d.L4 = 20;
    d.Elev = {100, 100, 100, 100, 120, 120, 120, 100, 100};
    TParametres m = GravityModel(d);
    const double weight = ConcreteWeight * 20 * Height;
    const double thrust = WaterWeight * Height * Height / 2, uplift = WaterWeight * Height * 10;
    // About the toe the weight resists; the water and the uplift overturn.
    EXPECT_NEAR(m.Joint.SafetyFactor.Overturning.Down[1][0], weight * 10 / (thrust * Height / 3 + uplift * 40.0 / 3), 1e-9);
    EXPECT_NEAR(m.Joint.SafetyFactor.Uplifting[1][0], weight / uplift, 1e-9);
}

TEST(AnalyseJoint, LigamentOfAClosedCrack)
{
    TDimension d;
    d.L1 = 20; d.L2 = 0; d.L3 = 20; d.L4 = 20;
    d.Elev = {100, 100, 100, 100, 120, 120, 120, 100, 100};
    TParametres m = GravityModel(d);
    const double n = m.Joint.Resultants.Normal[1][0];
    // ccNone ignores the cracks; ccDown lets the upstream crack bound the ligament.
    AnalyseJoint(m, 0, 1, 0.25, 0, false);
    EXPECT_NEAR(m.Joint.Resultants.Normal[1][0], n, 1e-9);
    const double uncracked = m.Joint.Stress.normal.Up[1][0];
    m.Joint.ClosedCrack[1][0] = ccDown;
    AnalyseJoint(m, 0, 1, 0.25, 0, false);
    const double m15 = JointMoment(m, 0, 1, 12.5, 100, 12.5);
    EXPECT_NEAR(m.Joint.Resultants.Moment[1][0], m15, 1e-8);
    EXPECT_NEAR(m.Joint.Stress.normal.Up[1][0], n / 15 + 6 * m15 / 225, 1e-9);
    EXPECT_NE(m.Joint.Stress.normal.Up[1][0], uncracked);
}

TEST(AnalyseJoint, NoRockWedgeWithoutFoundationStrength)
{
    TParametres m = GravityModel(TriangleSection());
    EXPECT_EQ(m.Joint.RockWedge[1][0], 0);
}

TEST(AnalyseJoint, NoDrivingForceGivesTheFixedFactors)
{
    TParametres m = GravityModel(TriangleSection());
    m.LoadCombination.Hnu[1] = 0;
    AnalyseJoint(m, 0, 1, 0, 0, true);
    EXPECT_EQ(m.Joint.SafetyFactor.Sliding.Peak[1][0], 1000);
    m.PostTension.PostTensionType = ptPassive;
    AnalyseJoint(m, 0, 1, 0, 0, true);
    EXPECT_EQ(m.Joint.SafetyFactor.Sliding.Peak[1][0], 1e10);
}

TEST(AnalyseJoint, ZeroLengthJointGivesFixedValues)
{
    TParametres m = GravityModel(TriangleSection());
    m.Joint.x2[0] = m.Joint.x1[0];
    m.Joint.y2[0] = m.Joint.y1[0];
    m.Joint.Length[0] = 0;
    AnalyseJoint(m, 0, 1, 0, 0, true);
    EXPECT_EQ(m.Joint.Resultants.Position[1][0], 50);
    EXPECT_EQ(m.Joint.Stress.normal.Up[1][0], 0);
    EXPECT_TRUE(std::isfinite(m.Joint.SafetyFactor.Sliding.Peak[1][0]));
    EXPECT_TRUE(std::isfinite(m.Joint.Stress.shear.Up[1][0]));
}

TEST(SplitCompressionZone, LinearDiagramWithoutUplift)
{
    TProfile8 xs, ps;
    double n1 = 0, n2 = 0, z = 0;
    // From -100 at 0 to 0 at 10: the part less compressed than -40 runs from 6 to 10.
    double p0 = SplitCompressionZone(xs, ps, false, 0, -100, 10, 0, -40, n1, n2, z);
    EXPECT_NEAR(p0, 6, 1e-12);
    EXPECT_NEAR(n1, -40 * 4 / 2.0, 1e-9);
    EXPECT_NEAR(n2, -(100 + 40) * 6 / 2.0, 1e-9);
    EXPECT_NEAR(z, 10, 1e-12);
}

TEST(ComputeShearDistribution, ParabolaCarriesTheShearForce)
{
    TParametres m = GravityModel(TriangleSection());
    TShearDistribution s;
    ComputeShearDistribution(m, 1, 0, s);
    const double length = 16, shear = m.Joint.Resultants.Shear[1][0];
    const double tauUp = m.Joint.Stress.shear.Up[1][0], tauDown = m.Joint.Stress.shear.Down[1][0];
    EXPECT_NEAR(s.A0, tauDown, 1e-12);
    EXPECT_NEAR(s.A0 + s.A1 * length + s.A2 * length * length, tauUp, 1e-9);
    EXPECT_NEAR(s.A0 * length + s.A1 * length * length / 2 + s.A2 * length * length * length / 3, shear, 1e-8);
    // Vertical upstream face: no shear there; the downstream face slopes 16 in 20.
    EXPECT_NEAR(tauUp, 0, 1e-12);
    EXPECT_NEAR(tauDown, -m.Joint.Stress.normal.Down[1][0] * 16.0 / 20, 1e-9);
}

} // namespace
