#include <gtest/gtest.h>

#include "engine/Loads.h"
#include "engine/tests/LoadsTestModel.h"
#include "platform/rtl/Exceptions.h"
#include "numerics/VEZ_matrix.h"

namespace {

TProfile8 Profile(std::initializer_list<double> values)
{
    TProfile8 p;
    int i = 1;
    for (double v : values)
        p[i++] = v;
    return p;
}

// Heads 5 to 3 over the first 10 m, a step down to 1, then down to 0 at 30.
const TProfile8 X = Profile({0, 10, 10, 20, 30, 30, 30, 30});
const TProfile8 P = Profile({5, 3, 1, 1, 0, 0, 0, 0});

TEST(ProfileValueAt, OnTheSegmentsStepsAndOutside)
{
    struct Case {
        double s, value;
    };
    const Case cases[] = {{0, 5}, {5, 4}, {10, 3}, {15, 1}, {25, 0.5}, {30, 0}, {30.5, 0}, {-1, 0}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(ProfileValueAt(X, P, c.s), c.value) << c.s;
    // Where two points share the position, the smaller head.
    EXPECT_EQ(ProfileValueAt(Profile({0, 0, 5, 5, 5, 5, 5, 5}), Profile({2, 6, 6, 6, 6, 6, 6, 6}), 0), 2.0);
}

TEST(ProfileResultant, OnlyTheCrackedZones)
{
    TProfileResultant r;
    // Uncracked: only the zero-length segments at the ends fall outside the ligament.
    ProfileResultant(X, P, r, 0, 30);
    EXPECT_EQ(r.Force, 0.0);
    EXPECT_EQ(r.Position, 0.0);
    // Upstream crack to 10: the trapezoid 5..3 over 10 m, 40 at 10 (5 + 2 * 3) / (3 * 8).
    ProfileResultant(X, P, r, 10, 30);
    EXPECT_DOUBLE_EQ(r.Force, 40);
    EXPECT_DOUBLE_EQ(r.Position, 110.0 / 24);
    // And a downstream crack from 20: the triangle 1..0 over 10 m, 5 at 20 + 10/3.
    ProfileResultant(X, P, r, 10, 20);
    EXPECT_DOUBLE_EQ(r.Force, 45);
    EXPECT_DOUBLE_EQ(r.Position, (40 * 110.0 / 24 + 5 * (20 + 10.0 / 3)) / 45);
}

struct TLevels {
    int count = 0;
    std::vector<double> h, xUp, xDown;
};

TLevels Levels(const TParametres& m)
{
    TMatrix table(nullptr);
    TLevels l;
    DivisionElevations(m, table, l.count);
    EXPECT_EQ(table.NrOfRows(), l.count);
    for (int r = 1; r <= l.count; ++r) {
        l.h.push_back(table.GetVal(1, r));
        l.xUp.push_back(table.GetVal(2, r));
        l.xDown.push_back(table.GetVal(3, r));
    }
    return l;
}

TEST(DivisionElevations, EqualSlicesBetweenTheMarks)
{
    // Rectangle 100..120 in slices of 20 / 4 = 5 m.
    TParametres m = MakeModel(RectangleSection());
    m.ChopraC.Hbarrage = 20;
    m.ChopraC.tranches = 4;
    TLevels l = Levels(m);
    EXPECT_EQ(l.h, (std::vector<double>{100, 105, 110, 115, 120}));
    EXPECT_EQ(l.xUp, std::vector<double>(5, 0.0));
    EXPECT_EQ(l.xDown, std::vector<double>(5, 10.0));
}

TEST(DivisionElevations, JointsAndWaterLevelsAreLevels)
{
    // Marks 100, 112 (joint), 116 (reservoir), 120; gaps of 12, 4 and 4 m cut into
    // Round(2.4) = 2, Round(0.8) = 1 and 1 slices. The tailwater below the base is no mark.
    TParametres m = MakeModel(TriangleSection(), {{112, 0}});
    m.ChopraC.Hbarrage = 20;
    m.ChopraC.tranches = 4;
    m.Reservoir.NormalUp = 116;
    m.Reservoir.NormalDn = 90;
    TLevels l = Levels(m);
    EXPECT_EQ(l.h, (std::vector<double>{100, 106, 112, 116, 120}));
    // Downstream face of the triangle: x = 16 (120 - h) / 20.
    for (int r = 0; r < l.count; ++r)
        EXPECT_DOUBLE_EQ(l.xDown[r], 16 * (120 - l.h[r]) / 20);
}

TEST(DivisionElevations, FlatSectionHasOneLevel)
{
    TDimension d = RectangleSection();
    d.Elev = {100, 100, 100, 100, 100, 100, 100, 100, 100};
    TParametres m = MakeModel(d);
    m.ChopraC.Hbarrage = 0;
    m.ChopraC.tranches = 10;
    EXPECT_EQ(Levels(m).count, 1);
    m.ChopraC.tranches = 0; // no slice size at all
    EXPECT_EQ(Levels(m).count, 1);
}

TEST(DivisionElevations, AsManyRowsAsTheSlicesNeed)
{
    TParametres m = MakeModel(RectangleSection());
    m.ChopraC.Hbarrage = 20;
    m.ChopraC.tranches = 1000;
    TLevels l = Levels(m);
    EXPECT_EQ(l.count, 1001);
    EXPECT_DOUBLE_EQ(l.h[500], 110);
    EXPECT_EQ(l.h.back(), 120.0);
}

TEST(DivisionElevations, AWaterLevelFarAboveTheCrestKeepsTheTableBounded)
{
    // Slices of 20 / 10000 = 2 mm up to a level 1e6 m above the crest would be 5e8 rows.
    // The slices are made no finer than the span (100 .. 1e6 + 120) cut into 100000:
    // h = 10.0002 m, so the dam's 20 m are 2 slices and the water above it 99998.
    TParametres m = MakeModel(RectangleSection());
    m.ChopraC.Hbarrage = 20;
    m.ChopraC.tranches = 10000;
    m.Reservoir.NormalUp = 1e6 + 120;
    TLevels l = Levels(m);
    EXPECT_EQ(l.count, 100001);
    EXPECT_DOUBLE_EQ(l.h[1], 110);
    EXPECT_EQ(l.h[2], 120.0);
    EXPECT_EQ(l.h.back(), 1e6 + 120);
}

TEST(DivisionElevations, SlopingBaseHasNoWidthAtItsLowEnd)
{
    // Heel at 102, toe at 100: at the toe's elevation the section is a point.
    TDimension d = RectangleSection();
    d.Elev.A = 102;
    d.Elev.C = 102;
    TParametres m = MakeModel(d);
    m.ChopraC.Hbarrage = 19;
    m.ChopraC.tranches = 19;
    TLevels l = Levels(m);
    EXPECT_EQ(l.h[0], 100.0);
    EXPECT_DOUBLE_EQ(l.xUp[0], 10);
    EXPECT_DOUBLE_EQ(l.xUp[1], 5); // elevation 101, halfway along the base
    EXPECT_DOUBLE_EQ(l.xDown[1], 10);
}

TEST(ModelToDrawing, KeepsTheAspectRatioInsideTheMarginsRightOfHalfTheWidth)
{
    // The 10 x 20 section (heel at elevation 100, crest at 120) in a W x H box: the scale f is the
    // smaller of (1 - 2m) H / 20 and (1 - 2m) W / 10; the section is centred in the box, and the
    // box lies W div 2 pixels right of the drawing's left edge.
    TDimension d = RectangleSection();
    struct Case {
        int W, H;
        double m, x, elevation;
        int px, py;
        bool inside;
    };
    const Case cases[] = {
        // f = 4: margins 10, 80 - 40 = 40 free pixels across, 20 on each side; box from 50.
        {100, 100, 0.1, 0, 100, 10 + 20 + 0 + 50, 90, true},
        {100, 100, 0.1, 10, 120, 10 + 20 + 40 + 50, 90 - 80, false},
        {100, 100, 0.1, 5, 110, 10 + 20 + 20 + 50, 90 - 40, true},
        // W = 101: 80.8 - 40 = 40.8 rounds to 41, and half of it is 20, truncated.
        {101, 100, 0.1, 0, 100, 10 + 20 + 0 + 50, 90, true},
        // m = 0.125, f = 3.75: 12.5 rounds to 12, 37.5 to 38 (ties to even), 87.5 to 88.
        {100, 100, 0.125, 0, 100, 12 + 19 + 0 + 50, 88, true},
        {100, 100, 0.125, 10, 120, 12 + 19 + 38 + 50, 88 - 75, false},
        // Left of the section and above it: outside.
        {100, 100, 0.1, -20, 110, 10 + 20 - 80 + 50, 50, false},
        {100, 100, 0.1, 5, 150, 10 + 20 + 20 + 50, 90 - 200, false},
    };
    for (const Case& c : cases) {
        int px = 0, py = 0;
        EXPECT_EQ(ModelToDrawing(px, py, c.W, c.H, d, c.m, c.x, c.elevation), c.inside) << c.W << " " << c.m << " " << c.x;
        EXPECT_EQ(px, c.px) << c.W << " " << c.m << " " << c.x << "," << c.elevation;
        EXPECT_EQ(py, c.py) << c.W << " " << c.m << " " << c.x << "," << c.elevation;
    }
}

// A section without width or height has no scale: the failure reaches the caller.
TEST(ModelToDrawing, ADegenerateSectionFails)
{
    TDimension flat = RectangleSection();
    flat.Elev.G = 100;
    TDimension thin = RectangleSection();
    thin.L1 = 0;
    int px = 0, py = 0;
    EXPECT_THROW(ModelToDrawing(px, py, 100, 100, flat, 0.1, 0, 100), EZeroDivide);
    EXPECT_THROW(ModelToDrawing(px, py, 100, 100, thin, 0.1, 0, 100), EZeroDivide);
}

} // namespace
