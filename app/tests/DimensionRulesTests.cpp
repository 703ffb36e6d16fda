// The section-geometry dialog's rules: the order kept among the elevations when one is entered,
// the foundation checks, the picture, and OK with and without the reset of the model.
#include <cmath>

#include <gtest/gtest.h>

#include "app/DimensionRules.h"

namespace {
// A 60 m high dam on a flat base: A = B = 100, C = D = 110, E = 120, F = 130, G = 160,
// H = 102, I = 105; L1 = 50, L2 = 5, L3 = 30, L4 = 10.
TParametres SectionModel()
{
    TParametres m;
    SetDefaultParameters(m, [] { return TDateTime(45000); });
    m.Dim.L1 = 50;
    m.Dim.L2 = 5;
    m.Dim.L3 = 30;
    m.Dim.L4 = 10;
    m.Dim.Elev = {100, 100, 110, 110, 120, 130, 160, 102, 105};
    m.Donnees.Include(daGeometry);
    return m;
}

std::vector<double> Elevations(const TElev& e) { return {e.A, e.B, e.C, e.D, e.E, e.F, e.G, e.Fup, e.Fdown}; }
}  // namespace

TEST(DimensionRules, LeavingAnElevationKeepsBothFacesInOrder)
{
    struct Case {
        TElevationField field;
        double value;
        std::vector<double> after;   // A, B, C, D, E, F, G, H, I
    };
    const Case cases[] = {
        // A above C, E and G moves all three (and H) up to it.
        {efA, 170, {170, 100, 170, 110, 170, 130, 170, 170, 105}},
        {efA, 115, {115, 100, 115, 110, 120, 130, 160, 115, 105}},
        {efA, 90, {90, 100, 110, 110, 120, 130, 160, 102, 105}},
        {efB, 125, {100, 125, 110, 125, 120, 130, 160, 102, 125}},
        // C below A lowers A; H stays above the new A.
        {efC, 95, {95, 100, 95, 110, 120, 130, 160, 102, 105}},
        {efC, 140, {100, 100, 140, 110, 140, 130, 160, 102, 105}},
        {efD, 99, {100, 99, 110, 99, 120, 130, 160, 102, 105}},
        {efD, 135, {100, 100, 110, 135, 120, 135, 160, 102, 105}},
        {efE, 105, {100, 100, 105, 110, 105, 130, 160, 102, 105}},
        {efE, 90, {90, 100, 90, 110, 90, 130, 160, 102, 105}},
        {efF, 170, {100, 100, 110, 110, 120, 170, 170, 102, 105}},
        {efF, 104, {100, 100, 110, 104, 120, 104, 160, 102, 105}},
        // G below A lowers A to G, and H is raised to the new A only when below it.
        {efG, 101, {100, 100, 101, 101, 101, 101, 101, 102, 105}},
        {efG, 95, {95, 95, 95, 95, 95, 95, 95, 102, 105}},
        {efG, 115, {100, 100, 110, 110, 115, 115, 115, 102, 105}},
    };
    for (const Case& c : cases) {
        TParametres m = SectionModel();
        TDimensionRules rules(m, m.Dim);
        rules.LeaveElevation(c.field, c.value);
        EXPECT_EQ(Elevations(m.Dim.Elev), c.after) << "field " << c.field << " = " << c.value;
    }
    // H lies below the new A: it is raised with it.
    TParametres m = SectionModel();
    m.Dim.Elev.Fup = 100;
    TDimensionRules rules(m, m.Dim);
    rules.LeaveElevation(efG, 95);
    rules.LeaveElevation(efC, 99);
    EXPECT_EQ(Elevations(m.Dim.Elev), (std::vector<double>{95, 95, 99, 95, 99, 95, 99, 100, 105}));
    rules.LeaveElevation(efA, 101);
    EXPECT_EQ(m.Dim.Elev.Fup, 101);
}

TEST(DimensionRules, FoundationElevationsStayBetweenTheBaseAndTheCrest)
{
    struct Case {
        TElevationField field;
        double value;
        const char* message;
        double stored;
    };
    const Case cases[] = {
        {efH, 99, "Upstream foundation elevation lower then elevation A!", 100},
        {efH, 161, "Upstream foundation elevation higher then crest elevation!", 100},
        {efH, 160, "", 160},
        {efH, 100, "", 100},
        {efI, 90, "Downstream foundation elevation lower then elevation B!", 100},
        {efI, 170, "Downstream foundation elevation higher then crest elevation!", 100},
        {efI, 140, "", 140},
    };
    for (const Case& c : cases) {
        TParametres m = SectionModel();
        TDimensionRules rules(m, m.Dim);
        EXPECT_EQ(rules.LeaveFoundation(c.field, c.value), String(c.message)) << c.value;
        EXPECT_EQ(c.field == efH ? m.Dim.Elev.Fup : m.Dim.Elev.Fdown, c.stored) << c.value;
    }
}

TEST(DimensionRules, NegativeLengthsExceptL2BecomeZero)
{
    TParametres m = SectionModel();
    TDimensionRules rules(m, m.Dim);
    EXPECT_EQ(rules.LeaveLength(1, -5), 0);
    EXPECT_EQ(rules.LeaveLength(2, -5), -5);
    EXPECT_EQ(rules.LeaveLength(3, -1), 0);
    EXPECT_EQ(rules.LeaveLength(4, 7), 7);
    EXPECT_EQ(m.Dim.L1, 0);
    EXPECT_EQ(m.Dim.L2, -5);
    EXPECT_EQ(m.Dim.L4, 7);
}

TEST(DimensionRules, PictureFollowsTheBaseCorners)
{
    EXPECT_EQ(SectionPicture(100, 100), String("DimAeqB.bmp"));
    EXPECT_EQ(SectionPicture(100, 101), String("DimBgtA.bmp"));
    EXPECT_EQ(SectionPicture(101, 100), String("DimAgtB.bmp"));
}

TEST(DimensionRules, OkWithoutChangeAsksNothingAndKeepsTheModel)
{
    TParametres m = SectionModel();
    m.Reservoir.NormalUp = 150;
    m.Donnees.Include(daAnalysed);
    TDimensionRules rules(m, m.Dim);
    rules.SectionTextChanged(m.Dim);
    EXPECT_FALSE(rules.NeedsResetQuestion());
    rules.ApplyOk(m.Dim, 9.81, 2400);
    EXPECT_EQ(m.Reservoir.NormalUp, 150);
    EXPECT_EQ(m.Concrete.mass, 2400);
    EXPECT_TRUE(m.Donnees.Contains(daGeometry));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
}

TEST(DimensionRules, AChangedSectionEmptiesTheReservoirAndRebuildsTheBaseJoint)
{
    TParametres m = SectionModel();
    m.Reservoir.NormalUp = m.Reservoir.FloodUp = 150;
    m.Reservoir.NormalDn = m.Reservoir.FloodDn = 108;
    m.Reservoir.Sediment = 112;
    const TParametres document = m;   // shares the joint arrays
    const double documentToe = document.Joint.x2[0];
    TDimensionRules rules(m, document.Dim);
    TDimension fields = m.Dim;
    fields.L1 = 40;
    fields.Elev.B = 103;
    rules.SectionTextChanged(fields);
    EXPECT_TRUE(rules.NeedsResetQuestion());
    rules.ApplyOk(fields, 9.81, 2400);   // as after Yes without the reset
    EXPECT_EQ(m.Reservoir.NormalUp, 102);
    EXPECT_EQ(m.Reservoir.FloodUp, 102);
    EXPECT_EQ(m.Reservoir.NormalDn, 105);
    EXPECT_EQ(m.Reservoir.FloodDn, 105);
    EXPECT_EQ(m.Reservoir.Sediment, 102);
    // The base joint from (0, 100) to (40, 103): length sqrt(40² + 3²).
    EXPECT_DOUBLE_EQ(m.Joint.Length[0], std::sqrt(1609.0));
    EXPECT_NEAR(m.Joint.Angle[0], 4.2891534, 1e-6);   // atan(3 / 40) in degrees
    EXPECT_EQ(m.Joint.y2[0], 103);
    EXPECT_EQ(m.Joint.x2[0], 40);
    EXPECT_EQ(document.Joint.x2[0], documentToe);   // the document's joint untouched
    EXPECT_TRUE(m.Donnees.Contains(daGeometry));
}

TEST(DimensionRules, GeometryFlagNeedsABaseLengthAndACrestAboveTheBase)
{
    struct Case {
        double L1, A, B, G;
        bool geometry;
    };
    const Case cases[] = {
        {50, 100, 100, 160, true},
        {0, 100, 100, 160, false},
        {-1, 100, 100, 160, false},
        {50, 160, 160, 160, false},
        {50, 160, 100, 160, true},   // only one corner at the crest
    };
    for (const Case& c : cases) {
        TParametres m;
        SetDefaultParameters(m, [] { return TDateTime(45000); });
        TDimensionRules rules(m, m.Dim);   // a model without a section: no question
        TDimension f = m.Dim;
        f.L1 = c.L1;
        f.Elev.A = c.A;
        f.Elev.B = c.B;
        f.Elev.G = c.G;
        rules.SectionTextChanged(f);
        EXPECT_FALSE(rules.NeedsResetQuestion());
        rules.ApplyOk(f, 9.81, 2400);
        EXPECT_EQ(m.Donnees.Contains(daGeometry), c.geometry) << c.L1 << " " << c.A << " " << c.B;
        if (c.L1 == 0) {
            EXPECT_EQ(m.Joint.Angle[0], 0);
            EXPECT_EQ(m.Joint.Length[0], std::fabs(c.B - c.A));
        }
    }
}

TEST(DimensionRules, ResetBringsBackANewModelInTheSameUnits)
{
    TParametres m = SectionModel();
    m.unites = US;
    m.NMasses = m.Masses.count = 1;
    m.Masses.Elem = DynArray<TMasses>({{1, 2, 3, 4}});
    m.NForces = m.Force.count = 1;
    m.Force.Elem = DynArray<TForce>({{1, 2, 3, 4}});
    m.Infos.Titre = "Old study";
    TDimensionRules rules(m, m.Dim);
    rules.ResetModel();
    EXPECT_EQ(m.unites, US);
    EXPECT_EQ(m.NMasses, 0);
    EXPECT_EQ(m.Masses.Elem.Length(), 0);
    EXPECT_EQ(m.NForces, 0);
    EXPECT_EQ(m.NJointMaterials, 0);
    EXPECT_NE(m.Infos.Titre.ToString(), String("Old study"));
    EXPECT_NEAR(m.gravity, 9.81 / 0.3048, 1e-9);   // the new model's gravity in ft/s2
    EXPECT_FALSE(m.Donnees.Contains(daGeometry));
}
