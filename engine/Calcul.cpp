#include "engine/Calcul.h"

#include <cmath>

namespace {
constexpr double Tolerance = 1e-6;
}

bool IsEqual(double a, double b) { return std::fabs(a - b) <= Tolerance; }

bool IsNotEqual(double a, double b) { return std::fabs(a - b) > Tolerance; }

bool IsLessOrEqual(double x, double y) { return IsEqual(x, y) || x < y; }

bool IsGreaterOrEqual(double x, double y) { return IsEqual(x, y) || x > y; }

void PolygonCentroid(const TXYPoint* points, int count, double& area, TXYPoint& centroid)
{
    int n = count - 1;
    if (n < 3) throw EPolygonError("PolygonCentroid:  Polygon is degenerated");
    double a2 = 0, sx = 0, sy = 0;
    for (int i = 0; i < n; ++i) {
        const TXYPoint& p = points[i];
        const TXYPoint& q = points[i + 1];
        double d = p.X * q.Y - q.X * p.Y;
        a2 += d;
        sx += (p.X + q.X) * d;
        sy += (p.Y + q.Y) * d;
    }
    area = a2 / 2;
    if (a2 != 0)
        centroid = {sx / (3 * a2), sy / (3 * a2)};
    else
        centroid = {0, 0};
}

void PolygonCentroid(const DynArray<TXYPoint>& points, double& area, TXYPoint& centroid)
{
    PolygonCentroid(points.begin(), points.Length(), area, centroid);
}

void VerticalTrapezoid(double x1, double yBottom1, double yTop1, double x2, double yBottom2,
                       double yTop2, double& area, double& xc, double& yc)
{
    if (x1 == x2) {
        area = 0;
        xc = x1;
        yc = (yBottom1 + yTop1) / 2;
        return;
    }
    double w = x2 - x1;
    area = ((yTop1 - yBottom1) + (yTop2 - yBottom2)) / 2 * w;
    if (area == 0) {
        xc = yc = 0;
        return;
    }
    // Triangle under the bottom edge, rectangle, triangle over the top edge.
    double lower = w * (yBottom2 - yBottom1) / 2;
    double middle = (yTop2 - yBottom2) * w;
    double upper = w * (yTop1 - yTop2) / 2;
    xc = (lower * (x1 + w / 3) + middle * (x1 + w / 2) + upper * (x1 + w / 3)) / area;
    yc = (lower * (yBottom1 + 2 * (yBottom2 - yBottom1) / 3) + middle * (yTop2 + yBottom2) / 2 +
          upper * (yTop2 + (yTop1 - yTop2) / 3)) /
         area;
}

void HorizontalTrapezoid(double xLeft1, double xRight1, double y1, double xLeft2, double xRight2,
                         double y2, double& area, double& xc, double& yc)
{
    if (y1 == y2) {
        area = 0;
        xc = (xLeft1 + xRight1) / 2;
        yc = y2;
        return;
    }
    double h = y2 - y1;
    area = ((xRight1 - xLeft1) + (xRight2 - xLeft2)) / 2 * h;
    if (area == 0) {
        xc = yc = 0;
        return;
    }
    double left = h * (xLeft2 - xLeft1) / 2;
    double middle = (xRight2 - xLeft2) * h;
    double right = h * (xRight1 - xRight2) / 2;
    xc = (left * (xLeft1 + 2 * (xLeft2 - xLeft1) / 3) + middle * (xRight2 + xLeft2) / 2 +
          right * (xRight2 + (xRight1 - xRight2) / 3)) /
         area;
    yc = (left * (y1 + h / 3) + middle * (y1 + h / 2) + right * (y1 + h / 3)) / area;
}

bool IntersectSegments(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                       double y4, double& x, double& y)
{
    double den = (y4 - y3) * (x2 - x1) - (x4 - x3) * (y2 - y1);
    if (den == 0) {
        x = y = 0;
        return false;
    }
    double ua = ((x4 - x3) * (y1 - y3) - (y4 - y3) * (x1 - x3)) / den;
    double ub = ((x2 - x1) * (y1 - y3) - (y2 - y1) * (x1 - x3)) / den;
    x = x1 + ua * (x2 - x1);
    y = y1 + ua * (y2 - y1);
    return ua >= 0 && ua <= 1 && ub >= 0 && ub <= 1;
}
