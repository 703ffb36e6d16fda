#include "engine/Unites.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "engine/tests/ModelSamples.h"
#include "numerics/VEZ_vector.h"

namespace {

// ---- Arrays and copies ----------------------------------------------------------------------

TEST(JointArrays, SizedArraysHoldZerosForEveryCase)
{
    TJoint joint;
    Tjointload load;
    SizeJointArrays(joint, load, 3);
    EXPECT_EQ(joint.Elev.Length(), 4);
    EXPECT_EQ(joint.mat.Length(), 4);
    EXPECT_EQ(load.xMqvp.Length(), 4);
    EXPECT_EQ(load.PFactor[7].Length(), 4);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(joint.CrackLength.Down[k].Length(), 4);
        EXPECT_FALSE(joint.CrackLength.Up[k].SharesWith(joint.CrackLength.Up[1]) && k != 1);
        EXPECT_EQ(joint.Pressure.p[8][k].Length(), 4);
        for (int j = 0; j <= 3; ++j) {
            EXPECT_EQ(joint.ClosedCrack[k][j], ccNone);
            EXPECT_EQ(joint.CrackLength.Up[k][j], 0);
        }
    }
    joint.Elev[2] = 5;
    joint.ClosedCrack[3][1] = ccDown;
    SizeJointArrays(joint, load, 3);
    EXPECT_EQ(joint.Elev[2], 0);
    EXPECT_EQ(joint.ClosedCrack[3][1], ccNone);

    ClearJointArrays(joint, load);
    EXPECT_EQ(joint.Elev.Length(), 0);
    EXPECT_EQ(joint.SafetyFactor.Compression[7].Length(), 0);
    EXPECT_EQ(load.Wv.Length(), 0);
    EXPECT_EQ(load.U[1].Length(), 0);
}

TEST(JointArrays, CopiesShareUntilResized)
{
    TParametres first = DefaultModel();
    TParametres copy = first;
    copy.Joint.Elev[0] = 42;
    EXPECT_EQ(first.Joint.Elev[0], 42);

    TParametres other = first;
    other.Joint.Elev.SetLength(other.Joint.Elev.Length());
    other.Joint.Elev[0] = 7;
    EXPECT_EQ(first.Joint.Elev[0], 42);
    EXPECT_EQ(other.StatResult.histogramme[3], first.StatResult.histogramme[3]);
}

TEST(JointArrays, CracksAndMaterials)
{
    TUpDown cracks;
    SizeCracks(cracks, 2);
    EXPECT_EQ(cracks.Up.Length(), 3);
    EXPECT_EQ(cracks.Down.Length(), 3);
    ClearCracks(cracks);
    EXPECT_EQ(cracks.Up.Length(), 0);
    DynArray<TProprietes> materials;
    SizeJointMaterials(materials, 4);
    EXPECT_EQ(materials.Length(), 5);
    ClearJointMaterials(materials);
    EXPECT_EQ(materials.Length(), 0);
}

// ---- Small numeric routines -------------------------------------------------------------------

TEST(NumericRoutines, MinMaxAndLine)
{
    EXPECT_EQ(MaxDouble(-1, 2), 2);
    EXPECT_EQ(MinDouble(-1, 2), -1);
    EXPECT_EQ(MaxInteger(-1, 2), 2);
    EXPECT_EQ(MinInteger(-1, 2), -1);
    EXPECT_DOUBLE_EQ(InterpolateLine(5, 0, 10, 10, 30), 20);
    EXPECT_DOUBLE_EQ(InterpolateLine(-5, 0, 10, 10, 30), 0);
    EXPECT_DOUBLE_EQ(InterpolateLine(123, 4, 10, 4, 30), 20);
}

// ---- Unit conversion --------------------------------------------------------------------------

TEST(UnitConversion, SingleValues)
{
    struct TCase {
        double (*convert)(double&, Integer);
        double value;
        Integer n;
        double expected;
    };
    const TCase cases[] = {
        {ConvertLength, 0.3048, 1, 1},
        {ConvertLength, 1, -1, 0.3048},
        {ConvertLength, 0.3048 * 0.3048, 2, 1},
        {ConvertMassPerLength, 1.488163943, 1, 1},
        {ConvertStressMPa, 0.006894757293, 1, 1},
        {ConvertStressKPa, 1, -1, 47.88025898},
        {ConvertDensity, 16.01846337, 1, 1},
    };
    for (const auto& c : cases) {
        double v = c.value;
        double r = c.convert(v, c.n);
        EXPECT_NEAR(v, c.expected, 1e-15 * std::fabs(c.expected));
        EXPECT_EQ(r, v);
    }
}

TEST(UnitConversion, GravityBasedValues)
{
    // kN/m -> kip/ft with g = 9.81 m/s2: divide by 9.81 x 1.488163943.
    double force = 100;
    EXPECT_NEAR(ConvertForcePerLength(force, 1, 9.81), 100 / (9.81 * 1.488163943), 1e-12);
    // kip/ft -> kN/m with g = 32.2 ft/s2: multiply by 32.2 x 1.488163943 x 0.3048.
    force = 2;
    ConvertForcePerLength(force, -1, 32.2);
    EXPECT_NEAR(force, 2 * 32.2 * 1.488163943 * 0.3048, 1e-12);
    double weight = 9.81;
    ConvertUnitWeight(weight, 1, 9.81);
    EXPECT_NEAR(weight, 1 / 16.01846337, 1e-15);
}

// The factors are the exact decimals, held in extended precision: for these values a
// factor rounded to a double first would give a result one unit off in the last place.
TEST(UnitConversion, FactorsAreExtendedDecimals)
{
    struct TCase {
        const char* what;
        double (*convert)(double&, Integer);
        double value;
        Extended expected;
    };
    const TCase cases[] = {
        {"length", ConvertLength, 150, 150 / 0.3048L},
        {"mass", ConvertMassPerLength, 1.5, 1.5 / 1.488163943L},
        {"MPa", ConvertStressMPa, 21.09, 21.09 / 0.006894757293L},
        {"kPa", ConvertStressKPa, 49.5, 49.5 / 47.88025898L},
        {"density", ConvertDensity, 3.7, 3.7 / 16.01846337L},
    };
    for (const auto& c : cases) {
        double v = c.value;
        c.convert(v, 1);
        EXPECT_EQ(v, static_cast<double>(c.expected)) << c.what;
    }
    double force = 21.09;
    ConvertForcePerLength(force, 1, 9.81);
    EXPECT_EQ(force, static_cast<double>(21.09 / (Extended{9.81} * 1.488163943L)));
    force = 1.5;
    ConvertForcePerLength(force, -1, 32.2);
    EXPECT_EQ(force, static_cast<double>(1.5 * (Extended{32.2} * 1.488163943L * 0.3048L)));
}

TEST(UnitConversion, FailureGivesZeroAndKeepsTheValue)
{
    double v = 1e308;
    EXPECT_EQ(ConvertLength(v, 1), 0);  // overflow
    EXPECT_EQ(v, 1e308);
    v = 5;
    EXPECT_EQ(ConvertForcePerLength(v, 1, 0), 0);  // zero divide
    EXPECT_EQ(v, 5);
    v = NAN;
    EXPECT_EQ(ConvertDensity(v, -1), 0);
    EXPECT_TRUE(std::isnan(v));
}

bool IsNumber(const std::string& s, double& value)
{
    char* end = nullptr;
    value = std::strtod(s.c_str(), &end);
    return !s.empty() && end == s.c_str() + s.size();
}

TEST(UnitConversion, MetricToImperialAndBack)
{
    TParametres m = RichModel();
    const auto before = FieldsOf(m);
    const double geometryBefore[] = {m.Geometry.Up[1].X, m.Geometry.Up[1].Elev, m.Geometry.Down[0].X,
                                     m.Geometry.RockUp};

    m.unites = US;
    ConvertModelUnits(m);
    EXPECT_NEAR(m.Dim.L1, 60 / 0.3048, 1e-9);
    EXPECT_NEAR(m.gravity, 9.81 / 0.3048, 1e-12);
    EXPECT_NEAR(m.Reservoir.WaterWeight, 1 / 16.01846337, 1e-15);
    EXPECT_NEAR(m.Concrete.fc, 30 / 0.006894757293, 1e-9);
    EXPECT_NEAR(m.Concrete.mass, 2400 / 16.01846337, 1e-9);
    EXPECT_NEAR(m.Foundation.cohesion, 250 / 47.88025898, 1e-12);
    EXPECT_NEAR(m.Force.Elem[0].HorForce, 100 / (9.81 * 1.488163943), 1e-12);
    EXPECT_NEAR(m.Masses.Elem[0].HorMass, 1000 / 1.488163943, 1e-9);
    EXPECT_NEAR(m.IncrementLoad.StartValue[1], 11 / 0.3048, 1e-12);
    EXPECT_EQ(m.IncrementLoad.StartValue[3], 31);  // acceleration in g
    EXPECT_NEAR(m.Statistiques.Moyenne[4], 104 / 0.3048, 1e-12);  // quantity 6: length
    EXPECT_EQ(m.Statistiques.Moyenne[11], 111);                     // quantity 5: not converted
    EXPECT_EQ(m.Foundation.Angle, 35);
    EXPECT_EQ(m.Joint.Angle[2], 5);

    m.unites = SI;
    ConvertModelUnits(m);
    const auto after = FieldsOf(m);
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [path, text] : before) {
        double a, b;
        if (IsNumber(text, a) && IsNumber(after.at(path), b))
            EXPECT_LE(std::fabs(a - b), 1e-9 * std::fabs(a)) << path;
        else
            EXPECT_EQ(text, after.at(path)) << path;
    }
    const double geometryAfter[] = {m.Geometry.Up[1].X, m.Geometry.Up[1].Elev, m.Geometry.Down[0].X,
                                    m.Geometry.RockUp};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(geometryAfter[i], geometryBefore[i], 1e-9 * geometryBefore[i]);
}

// ---- Joint ends -------------------------------------------------------------------------------

// Heel (0, 100), toe (60, 95), upstream face vertical to C = 110, sloping to (5, 130),
// vertical to the crest at 160; downstream (15, 160) -> (55, 140) -> (60, 105) -> (60, 95).
TParametres Section()
{
    TParametres m = DefaultModel();
    m.Dim = TDimension{60, 5, 50, 10, {100, 95, 110, 105, 130, 140, 160, 0, 0}};
    m.NJoints = 4;
    SizeJointArrays(m.Joint, m.JointLoad, 4);
    const double elevations[] = {150, 120, 97, 125};
    for (int j = 1; j <= 4; ++j) m.Joint.Elev[j] = elevations[j - 1];
    m.Joint.Angle[4] = 5;
    return m;
}

TEST(JointEnds, JointsEndOnTheFaceTheyMeet)
{
    TParametres m = Section();
    ComputeJointEnds(m);
    struct TEnds {
        double x1, y1, x2, y2;
    };
    const TEnds expected[] = {
        {5, 150, 35, 150},                          // above E: starts at L2, meets the upper face
        {2.5, 120, 60 - 5 * 15.0 / 35, 120},        // on the upstream slope, meets the lower face
        {36, 97, 60, 97},                           // below the heel: starts on the base line
    };
    for (int j = 1; j <= 3; ++j) {
        const TEnds& e = expected[j - 1];
        EXPECT_NEAR(m.Joint.x1[j], e.x1, 1e-12) << j;
        EXPECT_NEAR(m.Joint.y1[j], e.y1, 1e-12) << j;
        EXPECT_NEAR(m.Joint.x2[j], e.x2, 1e-9) << j;
        EXPECT_NEAR(m.Joint.y2[j], e.y2, 1e-9) << j;
        EXPECT_NEAR(m.Joint.Length[j], std::hypot(e.x2 - e.x1, e.y2 - e.y1), 1e-9) << j;
    }
    // The inclined joint ends on its own line, on the lower downstream face.
    const double slope = std::tan(5 * std::numbers::pi / 180);
    EXPECT_NEAR(m.Joint.y2[4] - 125, slope * (m.Joint.x2[4] - m.Joint.x1[4]), 1e-9);
    EXPECT_NEAR(m.Joint.x2[4], 60 - 5 * (m.Joint.y2[4] - 105) / 35, 1e-9);

    EXPECT_EQ(m.Joint.x1[0], 0);
    EXPECT_EQ(m.Joint.y1[0], 100);
    EXPECT_EQ(m.Joint.x2[0], 60);
    EXPECT_EQ(m.Joint.y2[0], 95);
    EXPECT_EQ(m.Joint.Elev[0], 100);
    EXPECT_DOUBLE_EQ(m.Joint.Length[0], std::sqrt(60.0 * 60 + 25));
    EXPECT_DOUBLE_EQ(m.Joint.Angle[0], std::atan(-5.0 / 60) * 180 / std::numbers::pi);
    EXPECT_EQ(m.Joint.mat[0], 0);
}

// ---- Defaults ---------------------------------------------------------------------------------

TEST(Defaults, NewModel)
{
    TParametres m;
    SetDefaultParameters(m, [] { return 45000.0; });
    EXPECT_EQ(m.Infos.date, 45000);
    EXPECT_EQ(m.FileVersion.Number(), 2000901);
    EXPECT_EQ(m.Joint.Elev.Length(), 1);
    EXPECT_EQ(m.JointLoad.Wv.Length(), 1);
    EXPECT_EQ(m.JointMaterials.Length(), 2);
    EXPECT_EQ(m.NJointMaterials, 0);
    EXPECT_EQ(m.Cracks.Up.Length(), 1);
    EXPECT_EQ(m.DrainEfficiency.Joint.Length(), 1);
    EXPECT_EQ(m.Concrete.ft, 3);
    EXPECT_EQ(m.Foundation.FailureAngle, 30);
    EXPECT_EQ(m.JointMaterials[0].nom.ToString(), "Base joint");
    EXPECT_EQ(m.JointMaterials[0].peak.angle, 55);
    EXPECT_EQ(m.JointMaterials[0].residual.ShearCurve, scContinue);
    EXPECT_EQ(m.Cracking.InitiationSF[2], 2);
    EXPECT_EQ(m.Cracking.UpliftState[3], 1);
    EXPECT_EQ(m.SafetyFactors.Usual.Compression, 1.0 / 3.0);
    EXPECT_EQ(m.SafetyFactors.Seismic2.Tension, 1 / 1.1);
    EXPECT_EQ(m.Drainage.effectiveness, 2.0 / 3.0);
    EXPECT_EQ(m.ChopraC.tranches, 201);
    EXPECT_EQ(m.ChopraCombination, ccSRSS);
    EXPECT_TRUE(m.Donnees.IsEmpty());
    EXPECT_EQ(m.Statistiques.NombreAnalyses, 50000);
    EXPECT_EQ(m.Statistiques.FichierOutCDF.ToString(), "PDF_CDF.out");
    EXPECT_TRUE(m.Statistiques.Resultats[7]);
    EXPECT_FALSE(m.Statistiques.Resultats[2]);
    EXPECT_EQ(m.Statistiques.Distribution[11], 1);
    EXPECT_EQ(m.DebrisFlottant.Elev, -1);
    EXPECT_EQ(m.UserDefinedPDF.number[5], 1);
    EXPECT_EQ(m.UserDefinedPDF.elem[5].Length(), 1);
    EXPECT_EQ(m.IncrementLoad.Loading, 1);
    EXPECT_TRUE(m.IncrementLoad.Resultats[4]);
    EXPECT_FALSE(m.IncrementLoad.Resultats[2]);
    EXPECT_EQ(m.IncrementLoad.FichierOutput.ToString(), "Incremental.out");
    EXPECT_EQ(m.IncrementalResult.histogramme[10].Length(), 1);
    for (int i = 1; i <= 22; ++i) {
        ASSERT_TRUE(m.StatResult.histogramme[i]);
        EXPECT_EQ(m.StatResult.histogramme[i]->NrOfElem(), 1);
    }
}

TEST(Defaults, EachCallCreatesNewHistograms)
{
    TParametres m = DefaultModel();
    TVectorRef kept = m.StatResult.histogramme[1];
    SetStatisticsDefaults(m.Statistiques, m.DebrisFlottant, m.StatResult, m.UserDefinedPDF);
    EXPECT_NE(m.StatResult.histogramme[1], kept);
    EXPECT_EQ(kept->NrOfElem(), 1);  // still alive for whoever refers to it
}

TEST(Defaults, ImperialModelHoldsTheConvertedDefaults)
{
    TParametres m = DefaultModel();
    m.unites = US;
    ConvertModelUnits(m);
    EXPECT_NEAR(m.gravity, 32.185, 1e-3);
    EXPECT_NEAR(m.Reservoir.WaterWeight, 0.0624, 1e-4);
}

TEST(Defaults, SystemDateIsAWholeDay)
{
    TDateTime today = SystemDate();
    EXPECT_EQ(today, std::floor(today));
    EXPECT_GT(today, 45000);  // after 2023
}

}  // namespace
