// The applied-forces dialogs' rules: the list lines, the coordinate each location derives from
// the section, the fields a location sets up, and the list's edits on the dialog's copy.
#include <gtest/gtest.h>

#include "app/ForcesRules.h"

namespace {

// Upstream face: vertical from A = 90 to C = 100, straight to (L2, E) = (5, 110), vertical to
// G = 160.  Downstream face: vertical from B = 90 to D = 100, straight to (L2 + L3, F) = (30, 130)
// and to (L2 + L4, G) = (10, 160).  Toe at L1 = 60.
TDimension Section()
{
    TDimension d;
    d.L1 = 60;
    d.L2 = 5;
    d.L3 = 25;
    d.L4 = 5;
    d.Elev = {90, 90, 100, 100, 110, 130, 160, 90, 90};
    return d;
}

TParametres WithForces(std::initializer_list<TForce> forces)
{
    TParametres m;
    m.Force.Elem = DynArray<TForce>(forces);
    m.Force.count = m.NForces = static_cast<Integer>(forces.size());
    return m;
}

}  // namespace

TEST(ForcesRules, LocationDerivesTheMissingCoordinate)
{
    struct Case {
        TForceLocation location;
        double elev, posX;         // typed
        double wantElev, wantX;    // after OK
    };
    const Case cases[] = {
        {flUpstreamFace, 105, 99, 105, 2.5},
        {flUpstreamFace, 95, 99, 95, 0},
        {flUpstreamFace, 100, 99, 100, 0},
        {flUpstreamFace, 115, 99, 115, 5},
        {flUpstreamFace, 110, 99, 110, 5},
        {flDownstreamFace, 115, 0, 115, 45},
        {flDownstreamFace, 90, 0, 90, 60},
        {flDownstreamFace, 130, 0, 130, 30},
        {flDownstreamFace, 145, 0, 145, 20},
        {flCrest, 12, 7, 160, 7},
        {flUserDefined, 12, 7, 12, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.location) << " at " << c.elev);
        TForce f{c.posX, c.elev, 10, 0};
        DeriveForceCoordinate(c.location, Section(), f);
        EXPECT_DOUBLE_EQ(f.Elev, c.wantElev);
        EXPECT_DOUBLE_EQ(f.PosX, c.wantX);
        EXPECT_EQ(f.HorForce, 10);
    }
}

TEST(ForcesRules, LocationSetsUpTheCoordinateFields)
{
    const TDimension d = Section();
    const TForceLocationFields up = ForceLocationFields(flUpstreamFace, d);
    EXPECT_TRUE(up.ElevationEnabled);
    EXPECT_EQ(up.ElevationMin, 90);
    EXPECT_EQ(up.ElevationMax, 160);
    EXPECT_FALSE(up.PositionEnabled);
    EXPECT_EQ(up.PositionMin, up.PositionMax);

    const TForceLocationFields crest = ForceLocationFields(flCrest, d);
    EXPECT_FALSE(crest.ElevationEnabled);
    EXPECT_TRUE(crest.ElevationIsCrest);
    EXPECT_EQ(crest.ElevationMin, crest.ElevationMax);
    EXPECT_EQ(crest.PositionMin, 5);
    EXPECT_EQ(crest.PositionMax, 10);
    EXPECT_TRUE(crest.FocusOnPosition);

    const TForceLocationFields down = ForceLocationFields(flDownstreamFace, d);
    EXPECT_EQ(down.ElevationMin, 90);
    EXPECT_EQ(down.ElevationMax, 160);
    EXPECT_FALSE(down.PositionEnabled);
    EXPECT_FALSE(down.FocusOnPosition);

    const TForceLocationFields free = ForceLocationFields(flUserDefined, d);
    EXPECT_TRUE(free.ElevationEnabled && free.PositionEnabled);
    EXPECT_EQ(free.ElevationMin, free.ElevationMax);
    EXPECT_EQ(free.PositionMin, free.PositionMax);
}

TEST(ForcesRules, ListLinesAndZeroForces)
{
    EXPECT_EQ(ForceLine({12.5, 101.25, -350, 1200.04}), String("(x:  12.500, el: 101.250) (H:  -350.0, V:  1200.0)"));
    EXPECT_STREQ(ForceIsZeroMessage, "Force is zero!");
    EXPECT_TRUE(IsZeroForce({3, 4, 0, 0}));
    EXPECT_FALSE(IsZeroForce({3, 4, 0, 1}));
    EXPECT_FALSE(IsZeroForce({3, 4, -1, 0}));
}

TEST(ForcesRules, EditsReplaceTheArrayAndKeepTheCountsEqual)
{
    const TParametres document = WithForces({{1, 100, 10, 0}, {2, 110, 20, 0}, {3, 120, 30, 0}});
    TParametres copy = document;   // shares the array until an edit
    TForcesRules rules(copy);

    rules.Replace(1, {9, 99, 0, 5});
    EXPECT_EQ(copy.Force.Elem[1].PosX, 9);
    EXPECT_EQ(document.Force.Elem[1].PosX, 2);   // the document's forces as they were

    rules.Add({4, 130, 40, 0});
    ASSERT_EQ(copy.Force.Elem.Length(), 4);
    EXPECT_EQ(copy.NForces, 4);
    EXPECT_EQ(copy.Force.count, 4);
    EXPECT_EQ(copy.Force.Elem[3].PosX, 4);
    EXPECT_EQ(document.Force.Elem.Length(), 3);

    // Removing two of the first three keeps the others in order.
    rules.Remove({true, false, true});
    ASSERT_EQ(copy.Force.Elem.Length(), 2);
    EXPECT_EQ(copy.NForces, 2);
    EXPECT_EQ(copy.Force.count, 2);
    EXPECT_EQ(copy.Force.Elem[0].PosX, 9);
    EXPECT_EQ(copy.Force.Elem[1].PosX, 4);
    EXPECT_EQ(rules.Lines().size(), 2u);
    EXPECT_EQ(document.Force.Elem[0].PosX, 1);
}

TEST(ForcesRules, OkSetsTheFlagByCount)
{
    TParametres m = WithForces({{1, 100, 10, 0}, {2, 110, 20, 0}});
    m.Donnees = {daAnalysed};
    TForcesRules rules(m);
    rules.ApplyOk();
    EXPECT_TRUE(m.Donnees.Contains(daForces));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    rules.Remove({true, true});
    EXPECT_EQ(m.NForces, 0);
    EXPECT_EQ(m.Force.count, 0);
    rules.ApplyOk();
    EXPECT_FALSE(m.Donnees.Contains(daForces));
}
