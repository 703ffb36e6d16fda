// Piecewise-linear profiles along a joint, the slice levels of the pseudo-dynamic method
// and the mapping of section points to the pixels of a drawing.
#include "engine/Calcul.h"
#include "engine/Loads.h"
#include "platform/rtl/RtlMath.h"

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

bool ModelToDrawing(int& px, int& py, int W, int H, const TDimension& dim, double m, double x, double elevation)
{
    double ymin = MinDouble(dim.Elev.A, dim.Elev.B);
    double xmin = MinDouble(0, dim.L2);
    double height = dim.Elev.G - ymin;
    double width = dim.L1 - xmin;
    // The section keeps its aspect ratio inside the margins; a flat or empty section has
    // no scale along its missing dimension.
    double scaleY = height > 0 ? (1 - 2 * m) * H / height : 0;
    double scaleX = width > 0 ? (1 - 2 * m) * W / width : 0;
    double scale = scaleY > 0 && scaleX > 0 ? MinDouble(scaleX, scaleY) : MaxDouble(scaleX, scaleY);
    // Margin plus half the room the scaled section leaves, then the point.
    Int64 marginX = Round(m * W), marginY = Round(m * H);
    Int64 freeX = (W - 2 * marginX - Round(width * scale)) / 2;
    Int64 freeY = (H - 2 * marginY - Round(height * scale)) / 2;
    px = static_cast<int>(marginX + freeX + Round((x - xmin) * scale));
    py = static_cast<int>(H - marginY - freeY - Round((elevation - ymin) * scale));
    return px > 0 && px <= W && py > 0 && py <= H;
}
