// The vector path: building figures of lines and cubic curves, ellipses, rounded rectangles and
// arcs; bounds, transforms, flattening into lines or one polygon, and hit tests.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/GxGraphicsTypes.h"

namespace {

// The control-point distance of a quarter ellipse, as a 32-bit float.
constexpr float EllipseKappa = 0.5522848f;
constexpr double Pi = std::numbers::pi;

TPointF Pt(double x, double y) { return {static_cast<float>(x), static_cast<float>(y)}; }

// Flatness below 0.05 (or not a number) flattens at 0.05.
float EffectiveFlatness(float flatness) { return flatness > 0.05f || std::isnan(flatness) ? flatness : 0.05f; }

// Samples of a curve about one per `flatness` units of its length, measured along 6 samples, up to
// the most a curve is flattened into.
Integer SampleCount(const TGxGraphicsPathCubicBezier& curve, float flatness)
{
    const TGxGraphicsPathPolygon probe = TGxGraphicsPath::CreateBezier(curve, 6);
    double length = 0;
    for (size_t i = 1; i < probe.size(); ++i)
        length += std::sqrt(std::pow(static_cast<double>(probe[i].X) - probe[i - 1].X, 2) +
                            std::pow(static_cast<double>(probe[i].Y) - probe[i - 1].Y, 2));
    return static_cast<Integer>(std::nearbyint(std::min(double(TGxGraphicsPath::MaxBezierPoints), length / flatness)));
}

// The curve from `from` through the three curve points at index i.
void CurveFrom(const TGxGraphicsPathPoints& points, size_t i, const TPointF& from, TGxGraphicsPathCubicBezier& curve)
{
    if (i + 2 >= points.size()) throw EListError("Argument out of range");
    curve[0] = from;
    curve[1] = points[i].Point;
    curve[2] = points[i + 1].Point;
    curve[3] = points[i + 2].Point;
}

}  // namespace

IMPLEMENT_CLASS(TGxGraphicsPath, TPersistent, NewObject<TGxGraphicsPath>)

void TGxGraphicsPath::Assign(TPersistent* Source)
{
    if (auto* path = dynamic_cast<TGxGraphicsPath*>(Source)) FPoints = path->FPoints;
    else inherited::Assign(Source);
}

// ---------------------------------------------------------------- building

void TGxGraphicsPath::MoveTo(const TPointF& P)
{
    FPoints.push_back({gppMoveTo, false, P});
    FStartPoint = P;
}

void TGxGraphicsPath::LineTo(const TPointF& P)
{
    FPoints.push_back({gppLineTo, false, P});
    if (P == FStartPoint) FClippable = true;
}

void TGxGraphicsPath::CurveTo(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint)
{
    FPoints.push_back({gppCurveTo, false, ControlPoint1});
    FPoints.push_back({gppCurveTo, false, ControlPoint2});
    FPoints.push_back({gppCurveTo, false, EndPoint});
}

void TGxGraphicsPath::QuadCurveTo(const TPointF& ControlPoint, const TPointF& EndPoint)
{
    const TPointF p0 = LastPoint();
    const double c = 2.0 / 3, e = 1.0 / 3;
    CurveTo(Pt(p0.X * e + ControlPoint.X * c, p0.Y * e + ControlPoint.Y * c),
            Pt(ControlPoint.X * c + EndPoint.X * e, ControlPoint.Y * c + EndPoint.Y * e), EndPoint);
}

void TGxGraphicsPath::SmoothCurveTo(const TPointF& ControlPoint2, const TPointF& EndPoint)
{
    TPointF first = ControlPoint2;
    if (Count() >= 3) {
        const TPointF last = LastPoint(), previous = FPoints[FPoints.size() - 2].Point;
        first = Pt(2.0 * last.X - previous.X, 2.0 * last.Y - previous.Y);
    }
    CurveTo(first, ControlPoint2, EndPoint);
}

void TGxGraphicsPath::ClosePath()
{
    FPoints.push_back({gppClose, false, FStartPoint});
    FClippable = true;
}

void TGxGraphicsPath::AddLine(const TPointF& StartPoint, const TPointF& EndPoint)
{
    if (FPoints.empty()) MoveTo(StartPoint);
    else LineTo(StartPoint);
    LineTo(EndPoint);
}

void TGxGraphicsPath::AddPolygon(const TGxGraphicsPathPolygon& APolygon)
{
    for (const TPointF& p : APolygon) LineTo(p);
}

void TGxGraphicsPath::AddEllipse(const TRectF& ARect)
{
    const float l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
    const float cx = (l + r) / 2, cy = (t + b) / 2;
    const float ox = (r - l) / 2 * EllipseKappa, oy = (b - t) / 2 * EllipseKappa;
    MoveTo({l, cy});
    CurveTo({l, cy - oy}, {cx - ox, t}, {cx, t});
    CurveTo({cx + ox, t}, {r, cy - oy}, {r, cy});
    CurveTo({r, cy + oy}, {cx + ox, b}, {cx, b});
    CurveTo({cx - ox, b}, {l, cy + oy}, {l, cy});
    FClippable = true;
}

void TGxGraphicsPath::AddRectangle(const TRectF& ARect, float ARoundingX, float ARoundingY)
{
    const float l = ARect.Left, t = ARect.Top, r = ARect.Right, b = ARect.Bottom;
    const float rx = ARoundingX, ry = ARoundingY;
    if (rx == 0 && ry == 0) {
        MoveTo({l, t});
        LineTo({r, t});
        LineTo({r, b});
        LineTo({l, b});
        ClosePath();
    } else {
        // round from the bottom-left corner, clockwise on screen
        MoveTo({l + rx, b});
        AddArc({l + rx, b - ry}, {rx, ry}, -270, 90);
        LineTo({l, b - ry});
        LineTo({l, t + ry});
        AddArc({l + rx, t + ry}, {rx, ry}, -180, 90);
        LineTo({l + rx, t});
        LineTo({r - rx, t});
        AddArc({r - rx, t + ry}, {rx, ry}, -90, 90);
        LineTo({r, t + ry});
        LineTo({r, b - ry});
        AddArc({r - rx, b - ry}, {rx, ry}, 0, 90);
        LineTo({r - rx, b});
        LineTo({l + rx, b});
        ClosePath();
    }
    FClippable = true;
}

void TGxGraphicsPath::AddArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle)
{
    constexpr float TwoPi = static_cast<float>(2 * Pi);
    float a = static_cast<float>(StartAngle * Pi / 180);
    float s = static_cast<float>(SweepAngle * Pi / 180);
    a = static_cast<float>(a - 2 * Pi * std::trunc(a / (2 * Pi)));   // whole turns removed, sign kept
    if (s >= TwoPi || std::isnan(s)) s = TwoPi;
    else if (s <= -TwoPi) s = -TwoPi;
    if (std::fabs(s) < 1E-10) return;

    double total = 0;
    bool first = true, done = false;
    while (!done) {
        const double previous = total;
        double segment;
        if (s >= 0) {
            segment = Pi / 2;
            total += Pi / 2;
            if (total >= s - 0.01) {
                segment = s - previous;
                done = true;
            }
        } else {
            segment = -Pi / 2;
            total -= Pi / 2;
            if (!(total > s + 0.01)) {
                segment = s - previous;
                done = true;
            }
        }
        AddArcSegment(first, Center, Radius, a, static_cast<float>(segment));
        first = false;
        a = static_cast<float>(a + segment);
    }
}

// One segment of at most a quarter turn as a cubic curve: the unit control polygon around the x
// axis, turned to the segment's middle angle and scaled by the radii.
void TGxGraphicsPath::AddArcSegment(bool First, const TPointF& Center, const TPointF& Radius, float A, float W)
{
    const double sn = std::sin(W / 2.0), cs = std::cos(W / 2.0);
    const double u = 4 * (1 - cs) / 3;
    const double v = sn - cs * u / sn;
    const double q[4][2] = {{cs, -sn}, {cs + u, -v}, {cs + u, v}, {cs, sn}};
    const double s2 = std::sin(A + W / 2.0), c2 = std::cos(A + W / 2.0);
    TPointF p[4];
    for (int k = 0; k < 4; ++k)
        p[k] = Pt(Center.X + Radius.X * (q[k][0] * c2 - q[k][1] * s2), Center.Y + Radius.Y * (q[k][0] * s2 + q[k][1] * c2));
    if (First) {
        if (FPoints.empty()) MoveTo(p[0]);
        else LineTo(p[0]);
    }
    CurveTo(p[1], p[2], p[3]);
}

void TGxGraphicsPath::AddPath(const TGxGraphicsPath& APath)
{
    FPoints.insert(FPoints.end(), APath.FPoints.begin(), APath.FPoints.end());
}

void TGxGraphicsPath::Clear() { FPoints.clear(); }

// ---------------------------------------------------------------- reading and computing

TGxGraphicsPathPoint TGxGraphicsPath::Points(Integer Index) const
{
    if (Index < 0 || Index >= Count()) throw EListError("Argument out of range");
    return FPoints[static_cast<size_t>(Index)];
}

TPointF TGxGraphicsPath::LastPoint() const { return FPoints.empty() ? TPointF{} : FPoints.back().Point; }

TRectF TGxGraphicsPath::GetBounds() const
{
    if (FPoints.empty()) return {};
    TRectF r{65535, 65535, -65535, -65535};
    for (const TGxGraphicsPathPoint& p : FPoints) {
        if (p.Kind == gppClose) continue;
        r.Left = std::min(r.Left, p.Point.X);
        r.Top = std::min(r.Top, p.Point.Y);
        r.Right = std::max(r.Right, p.Point.X);
        r.Bottom = std::max(r.Bottom, p.Point.Y);
    }
    if (std::fabs(r.Right - r.Left) <= 0.001f) r.Right = r.Left + 0.001f;
    if (std::fabs(r.Bottom - r.Top) <= 0.001f) r.Bottom = r.Top + 0.001f;
    return r;
}

void TGxGraphicsPath::ApplyMatrix(const TGxGraphicsMatrix& AMatrix)
{
    for (TGxGraphicsPathPoint& p : FPoints)
        if (p.Kind != gppClose) p.Point = p.Point * AMatrix;
}

TPointF TGxGraphicsPath::PointOnBezier(const TPointF& StartPoint, double AX, double BX, double CX, double AY,
                                       double BY, double CY, double T)
{
    const double t2 = static_cast<float>(T * T);
    const double t3 = static_cast<float>(T * t2);
    return Pt(AX * t3 + BX * t2 + CX * T + StartPoint.X, AY * t3 + BY * t2 + CY * T + StartPoint.Y);
}

TGxGraphicsPathPolygon TGxGraphicsPath::CreateBezier(const TGxGraphicsPathCubicBezier& Bezier, Integer PointCount)
{
    TGxGraphicsPathPolygon result;
    if (PointCount <= 0) return result;
    // the curve in power form
    const double cx = 3.0 * (Bezier[1].X - Bezier[0].X), cy = 3.0 * (Bezier[1].Y - Bezier[0].Y);
    const double bx = 3.0 * (Bezier[2].X - Bezier[1].X) - cx, by = 3.0 * (Bezier[2].Y - Bezier[1].Y) - cy;
    const double ax = Bezier[3].X - Bezier[0].X - cx - bx, ay = Bezier[3].Y - Bezier[0].Y - cy - by;
    const double step = PointCount > 1 ? 1.0 / (PointCount - 1) : 0;
    double t = 0;
    for (Integer i = 0; i < PointCount; ++i, t += step) result.push_back(PointOnBezier(Bezier[0], ax, bx, cx, ay, by, cy, t));
    return result;
}

void TGxGraphicsPath::Flatten(float Flatness)
{
    if (FPoints.empty()) return;
    const float f = EffectiveFlatness(Flatness);
    const TGxGraphicsPathPoints points = std::move(FPoints);
    FPoints.clear();
    TPointF current;
    for (size_t i = 0; i < points.size(); ++i) {
        const TGxGraphicsPathPoint& p = points[i];
        switch (p.Kind) {
        case gppMoveTo: MoveTo(p.Point); current = p.Point; break;
        case gppLineTo: LineTo(p.Point); current = p.Point; break;
        case gppClose: ClosePath(); break;
        case gppCurveTo: {
            TGxGraphicsPathCubicBezier curve;
            CurveFrom(points, i, current, curve);
            const Integer m = SampleCount(curve, f);
            if (m > 1)
                for (const TPointF& sample : CreateBezier(curve, m)) LineTo(sample);
            else
                LineTo(curve[3]);
            current = curve[3];
            i += 2;
            break;
        }
        }
    }
}

void TGxGraphicsPath::FlattenToPolygon(TGxGraphicsPathPolygon& Polygon, float Flatness) const
{
    Polygon.clear();
    const float f = EffectiveFlatness(Flatness);
    auto add = [&](const TPointF& p) {
        if (!Polygon.empty() && std::fabs(Polygon.back().X - p.X) <= 0.001f && std::fabs(Polygon.back().Y - p.Y) <= 0.001f)
            return;
        Polygon.push_back(p);
    };
    TPointF current, figureStart;
    for (size_t i = 0; i < FPoints.size(); ++i) {
        const TGxGraphicsPathPoint& p = FPoints[i];
        switch (p.Kind) {
        case gppMoveTo: add(p.Point); current = figureStart = p.Point; break;
        case gppLineTo: add(p.Point); current = p.Point; break;
        case gppClose: add(figureStart); break;
        case gppCurveTo: {
            TGxGraphicsPathCubicBezier curve;
            CurveFrom(FPoints, i, current, curve);
            const Integer m = SampleCount(curve, f);
            if (m > 1) {
                for (const TPointF& sample : CreateBezier(curve, m)) add(sample);
            } else {
                add(curve[0]);
                add(curve[3]);
            }
            current = curve[3];
            i += 2;
            break;
        }
        }
    }
}

bool TGxGraphicsPath::IsPointVisible(const TPointF& P) const
{
    TGxGraphicsPathPolygon polygon;
    FlattenToPolygon(polygon, 0.25f);
    return PointInPolygon(P, polygon);
}

bool TGxGraphicsPath::IsRectVisible(const TRectF& R) const
{
    TGxGraphicsPathPolygon polygon;
    FlattenToPolygon(polygon, 0.25f);
    return AnyPolygonPointInRect(polygon, R);
}
