#pragma once
// The stability engine: the geometry and numeric routines every load routine leans on.
// Coordinates are those of the dam section: x horizontal, 0 at the upstream heel and
// growing downstream; y the elevation, growing upward; both in the model's length unit.
#include "platform/classes/DynArray.h"
#include "platform/rtl/Exceptions.h"

struct TXYPoint {
    double X = 0, Y = 0;
};

DORVANE_EXCEPTION(EPolygonError, Exception);

// Comparisons with the absolute tolerance 1e-6; the first argument is the value under test.
bool IsEqual(double a, double b);
bool IsNotEqual(double a, double b);
bool IsLessOrEqual(double x, double y);
bool IsGreaterOrEqual(double x, double y);

// Signed area (positive counter-clockwise) and centroid of a polygon closed explicitly
// (its last entry repeats its first); EPolygonError for fewer than four entries.
void PolygonCentroid(const TXYPoint* points, int count, double& area, TXYPoint& centroid);
void PolygonCentroid(const DynArray<TXYPoint>& points, double& area, TXYPoint& centroid);

// Area and centroid of the quadrilateral with vertical sides at x1 and x2 (bottoms and tops
// given), and of the one with horizontal sides at y1 and y2 (left and right ends given).
void VerticalTrapezoid(double x1, double yBottom1, double yTop1, double x2, double yBottom2,
                       double yTop2, double& area, double& xc, double& yc);
void HorizontalTrapezoid(double xLeft1, double xRight1, double y1, double xLeft2, double xRight2,
                         double y2, double& area, double& xc, double& yc);

// Intersection (x, y) of the lines through the two segments, written even when it lies
// outside them; true when it lies on both (ends included). Parallel lines: (0, 0), false.
bool IntersectSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4, double& x, double& y);
