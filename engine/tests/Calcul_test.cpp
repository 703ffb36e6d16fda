#include "engine/Calcul.h"

#include <gtest/gtest.h>

namespace {

TEST(Comparisons, ToleranceIsAbsoluteOneMillionth)
{
    EXPECT_TRUE(IsEqual(1.0, 1.000001));
    EXPECT_FALSE(IsEqual(1.0, 1.0000011));
    EXPECT_TRUE(IsNotEqual(1.0, 1.0000011));
    EXPECT_FALSE(IsNotEqual(1.0, 1.000001));
    EXPECT_TRUE(IsGreaterOrEqual(99.9999995, 100));
    EXPECT_FALSE(IsGreaterOrEqual(99.99, 100));
    EXPECT_TRUE(IsGreaterOrEqual(100.5, 100));
    EXPECT_TRUE(IsLessOrEqual(100.0000005, 100));
    EXPECT_TRUE(IsLessOrEqual(3, 100));
    EXPECT_FALSE(IsLessOrEqual(100.01, 100));
}

TEST(PolygonCentroid, TriangleInBothDirections)
{
    DynArray<TXYPoint> ccw{{0, 0}, {1, 0}, {0, 1}, {0, 0}};
    DynArray<TXYPoint> cw{{0, 0}, {0, 1}, {1, 0}, {0, 0}};
    double area;
    TXYPoint c;
    PolygonCentroid(ccw, area, c);
    EXPECT_DOUBLE_EQ(area, 0.5);
    EXPECT_DOUBLE_EQ(c.X, 1.0 / 3);
    EXPECT_DOUBLE_EQ(c.Y, 1.0 / 3);
    PolygonCentroid(cw, area, c);
    EXPECT_DOUBLE_EQ(area, -0.5);
    EXPECT_DOUBLE_EQ(c.X, 1.0 / 3);
    EXPECT_DOUBLE_EQ(c.Y, 1.0 / 3);
}

TEST(PolygonCentroid, ZeroAreaGivesOrigin)
{
    DynArray<TXYPoint> line{{0, 0}, {1, 1}, {2, 2}, {0, 0}};
    double area = -1;
    TXYPoint c{5, 5};
    PolygonCentroid(line, area, c);
    EXPECT_EQ(area, 0);
    EXPECT_EQ(c.X, 0);
    EXPECT_EQ(c.Y, 0);
}

TEST(PolygonCentroid, FewerThanFourEntriesRaise)
{
    DynArray<TXYPoint> three{{0, 0}, {1, 0}, {0, 0}};
    double area;
    TXYPoint c;
    try {
        PolygonCentroid(three, area, c);
        FAIL() << "no exception";
    } catch (const EPolygonError& e) {
        EXPECT_EQ(e.Message(), "PolygonCentroid:  Polygon is degenerated");
    }
}

struct TTrapezoidCase {
    double a1, a2, a3, b1, b2, b3;
    double area, xc, yc;
};

TEST(Trapezoids, VerticalAndHorizontalAreTheSameShapeWithAxesExchanged)
{
    const TTrapezoidCase cases[] = {
        {0, 0, 2, 4, 0, 2, 8, 2, 1},      // 4 x 2 rectangle
        {0, 0, 3, 3, 0, 0, 4.5, 1, 1},    // triangle
        {5, 0, 3, 5, 0, 0, 0, 5, 1.5},    // zero width: the side's midpoint
        {1, 0, 2, 3, 0, 4, 6, 2 + 1.0 / 9, 14.0 / 9},  // right trapezoid, heights 2 and 4
    };
    for (const auto& t : cases) {
        double area, xc, yc;
        VerticalTrapezoid(t.a1, t.a2, t.a3, t.b1, t.b2, t.b3, area, xc, yc);
        EXPECT_NEAR(area, t.area, 1e-12);
        EXPECT_NEAR(xc, t.xc, 1e-12);
        EXPECT_NEAR(yc, t.yc, 1e-12);
        // Same figure with x and y exchanged: sides at y = a1 and y = b1.
        HorizontalTrapezoid(t.a2, t.a3, t.a1, t.b2, t.b3, t.b1, area, xc, yc);
        EXPECT_NEAR(area, t.area, 1e-12);
        EXPECT_NEAR(xc, t.yc, 1e-12);
        EXPECT_NEAR(yc, t.xc, 1e-12);
    }
}

TEST(Trapezoids, ZeroAreaGivesOrigin)
{
    double area, xc, yc;
    VerticalTrapezoid(0, 1, 1, 2, 1, 1, area, xc, yc);
    EXPECT_EQ(area, 0);
    EXPECT_EQ(xc, 0);
    EXPECT_EQ(yc, 0);
}

TEST(IntersectSegments, CrossingOutsideAndParallel)
{
    double x, y;
    EXPECT_TRUE(IntersectSegments(0, 0, 2, 2, 0, 2, 2, 0, x, y));
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_FALSE(IntersectSegments(0, 0, 1, 1, 2, 0, 3, -1, x, y));
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_FALSE(IntersectSegments(0, 0, 1, 1, 0, 1, 1, 2, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    // Ends count.
    EXPECT_TRUE(IntersectSegments(0, 0, 1, 0, 1, 0, 1, 5, x, y));
}

}  // namespace
