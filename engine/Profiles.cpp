// Piecewise-linear profiles along a joint, the slice levels of the pseudo-dynamic method
// and the mapping of section points to the pixels of a drawing.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/Calcul.h"
#include "engine/Loads.h"
#include "numerics/VEZ_matrix.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlMath.h"

namespace {

// x of the upstream face at elevation h: the base line below the heel (when the heel is the
// higher end of the base), x = 0 up to C, the batter up to E, x = L2 above. Above the crest
// both faces meet at L2, so the section has no width there.
double UpstreamFaceX(const TDimension& dim, double h)
{
    const TElev& el = dim.Elev;
    if (h < el.A)
        return InterpolateLine(h, el.A, 0, el.B, dim.L1);
    if (h <= el.C)
        return 0;
    if (h < el.E)
        return InterpolateLine(h, el.C, 0, el.E, dim.L2);
    return dim.L2;
}

// x of the downstream face at elevation h: the base line below the toe (when the toe is the
// higher end of the base), x = L1 up to D, then the two inclined faces up to the crest.
double DownstreamFaceX(const TDimension& dim, double h)
{
    const TElev& el = dim.Elev;
    if (h < el.B)
        return InterpolateLine(h, el.A, 0, el.B, dim.L1);
    if (h <= el.D)
        return dim.L1;
    if (h <= el.F)
        return InterpolateLine(h, el.D, dim.L1, el.F, dim.L2 + dim.L3);
    if (h <= el.G)
        return InterpolateLine(h, el.F, dim.L2 + dim.L3, el.G, dim.L2 + dim.L4);
    return dim.L2;
}

} // namespace

double SliceWidth(const TDimension& dim, double h)
{
    return DownstreamFaceX(dim, h) - UpstreamFaceX(dim, h);
}

double ProfileValueAt(const TProfile8& x, const TProfile8& p, double s)
{
    for (int i = 1; i <= 7; ++i) {
        if (x[i] <= s && s <= x[i + 1]) {
            if (x[i] == x[i + 1])
                return MinDouble(p[i], p[i + 1]);
            return InterpolateLine(s, x[i], p[i], x[i + 1], p[i + 1]);
        }
    }
    return 0;
}

void ProfileResultant(const TProfile8& x, const TProfile8& p, TProfileResultant& result, double a, double b)
{
    double force = 0, moment = 0;
    for (int i = 1; i <= 7; ++i) {
        if (!(x[i + 1] <= a || x[i] >= b))
            continue;
        double area = 0, xc = 0, yc = 0;
        VerticalTrapezoid(x[i], 0, p[i], x[i + 1], 0, p[i + 1], area, xc, yc);
        force += area;
        moment += area * xc;
    }
    result.Force = force;
    result.Position = force != 0 ? moment / force : 0;
}

std::vector<double> DivisionLevels(const TParametres& model)
{
    const TElev& el = model.Dim.Elev;
    std::vector<double> marks = {el.A, el.B, el.C, el.D, el.E, el.F, el.G};
    double bottom = MinDouble(el.A, el.B);
    for (double level : {model.Reservoir.NormalUp, model.Reservoir.NormalDn})
        if (level >= bottom)
            marks.push_back(level);
    for (int k = 1; k <= model.NJoints; ++k)
        marks.push_back(model.Joint.y1[k]);
    std::sort(marks.begin(), marks.end());

    // Each gap between two distinct marks is cut into equal slices of about h; the table
    // holds as many rows as that needs. The slices are never finer than the whole span of
    // the marks cut into MaxSlices, so that a water level far above the crest cannot ask
    // for an unbounded table; a dam with its levels within ten times its height keeps h.
    constexpr double MaxSlices = 100000;
    double h = model.ChopraC.Hbarrage / model.ChopraC.tranches;
    const double span = marks.back() - marks.front();
    if (h > 0 && span / MaxSlices > h)
        h = span / MaxSlices;
    std::vector<double> levels;
    for (size_t i = 0; i + 1 < marks.size(); ++i) {
        double e1 = marks[i], e2 = marks[i + 1];
        if (!(e1 < e2))
            continue;
        Int64 n = h > 0 && std::isfinite(h) ? Round((e2 - e1) / h) : 1;
        if (n < 1)
            n = 1;
        for (Int64 s = 0; s < n; ++s)
            levels.push_back(e1 + (e2 - e1) * s / n);
    }
    levels.push_back(marks.back());
    return levels;
}

void DivisionElevations(const TParametres& model, TMatrix& table, int& count)
{
    const std::vector<double> levels = DivisionLevels(model);
    count = static_cast<int>(levels.size());
    table.Resize(3, count);
    for (int r = 1; r <= count; ++r) {
        double level = levels[r - 1];
        table.SetVal(1, r, level);
        table.SetVal(2, r, UpstreamFaceX(model.Dim, level));
        table.SetVal(3, r, DownstreamFaceX(model.Dim, level));
    }
}

bool ModelToDrawing(int& px, int& py, int W, int H, const TDimension& dim, double m, double x, double elevation)
{
    // The section's extent, from (xmin, ymin) to (L1, G), fitted into the W x H box inside the
    // margins at one scale f for both directions, centred, the box W div 2 right of the left edge.
    const double ymin = MinDouble(dim.Elev.A, dim.Elev.B);
    const double xmin = MinDouble(dim.L2, 0);
    const double dy = dim.Elev.G - ymin, dx = dim.L1 - xmin;
    if (dx == 0 || dy == 0) throw EZeroDivide("Floating point division by zero");
    const double r = 1 - 2 * m;
    const double f = MinDouble(r * H / dy, r * W / dx);
    const Int64 ox = Round(r * W - dx * f) / 2;
    const Int64 oy = Round(r * H - dy * f) / 2;
    px = static_cast<int>(Round(W * m) + ox + Round((x - xmin) * f) + W / 2);
    py = static_cast<int>(Round((1 - m) * H) - Round((elevation - ymin) * f) - oy);
    return px > 0 && px <= W && py > 0 && py <= H;
}
