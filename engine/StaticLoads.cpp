// Static loads of one joint: self weight, concentrated masses and their inertia,
// post-tensioning, applied forces, and the water, ice, floating debris and silt.
#include <cmath>
#include <numbers>

#include "engine/Calcul.h"
#include "engine/Loads.h"

namespace {

constexpr double DegToRad = std::numbers::pi / 180;

struct TLoad {
    double force = 0;
    double position = 0;
};

// A force and its position; a zero force has a zero position.
TLoad MakeLoad(double force, double position)
{
    return {force, force == 0 ? 0 : position};
}

// Writes a load into a force field and its position field.
void Store(const TLoad& load, double& force, double& position)
{
    force = load.force;
    position = load.position;
}

// x of the joint line (extended beyond its ends) at elevation y.
double JointLineX(const TParametres& model, int j, double y)
{
    const TJoint& J = model.Joint;
    return InterpolateLine(y, J.y1[j], J.x1[j], J.y2[j], J.x2[j]);
}

// A point on or above the joint's line (onLineCounts) or strictly above it (otherwise).
bool AboveJoint(const TParametres& model, int j, double posX, double elev, bool onLineCounts)
{
    double angle = model.Joint.Angle[j];
    if (angle == 0)
        return onLineCounts ? elev >= model.Joint.y1[j] : elev > model.Joint.y1[j];
    double xL = JointLineX(model, j, elev);
    if (angle > 0)
        return onLineCounts ? posX <= xL : posX < xL;
    return onLineCounts ? posX >= xL : posX > xL;
}

// Kilonewtons (SI, masses in kg) or kips (US, weights in lb) per unit of mass.
double MassToForce(const TParametres& model)
{
    return (model.unites == SI ? model.gravity : 1) / 1000;
}

// ---- Section faces -------------------------------------------------------------------------
// x of the inclined upstream face (0, C)-(L2, E) at elevation h.
double UpstreamBatterX(const TDimension& dim, double h)
{
    return InterpolateLine(h, dim.Elev.C, 0, dim.Elev.E, dim.L2);
}

// x of the inclined downstream face (L1, D)-(L2 + L3, F) at elevation h.
double LowerDownstreamX(const TDimension& dim, double h)
{
    return InterpolateLine(h, dim.Elev.D, dim.L1, dim.Elev.F, dim.L2 + dim.L3);
}

// x of the upper downstream face (L2 + L3, F)-(L2 + L4, G) at elevation h.
double UpperDownstreamX(const TDimension& dim, double h)
{
    return InterpolateLine(h, dim.Elev.F, dim.L2 + dim.L3, dim.Elev.G, dim.L2 + dim.L4);
}

// Horizontal water upstream for the level h on the face above the joint elevation e.
TLoad UpstreamHorizontal(const TParametres& model, double e, double h)
{
    double gamma = model.Reservoir.WaterWeight;
    double G = model.Dim.Elev.G;
    if (h <= e)
        return {};
    double d = h - e;
    if (h <= G)
        return MakeLoad(gamma * d * d / 2, e + d / 3);
    // Overtopping: the hydrostatic force on the face between the joint and the crest.
    double o = h - G;
    double H = gamma * (d * d / 2 - o * o / 2);
    return MakeLoad(H, H != 0 ? gamma * ((e + d / 3) * d * d / 2 - (G + o / 3) * o * o / 2) / H : 0);
}

// Weight of the water resting on the inclined upstream face for the level h.
TLoad UpstreamVertical(const TParametres& model, int j, double e, double h)
{
    const TDimension& dim = model.Dim;
    double gamma = model.Reservoir.WaterWeight;
    double C = dim.Elev.C, E = dim.Elev.E;
    double x1 = model.Joint.x1[j];
    if (h <= e || e >= E || dim.L2 == 0 || h <= C)
        return {};
    if (h <= E) {
        // The triangle between the batter, the level and the joint (or C below the batter).
        double xh = UpstreamBatterX(dim, h);
        double bottom = e >= C ? e : C;
        double width = e >= C ? xh - x1 : xh;
        return MakeLoad(-gamma * (h - bottom) * width / 2, x1 + (xh - x1) / 3);
    }
    double area = 0, xc = 0, yc = 0;
    VerticalTrapezoid(x1, e <= C ? C : e, h, dim.L2, E, h, area, xc, yc);
    return MakeLoad(-gamma * area, xc);
}

// Water flowing over the crest for the level h: the overtopping pressure heads at the two
// crest edges, linear between them.
TLoad CrestOvertopping(const TParametres& model, double h)
{
    const TDimension& dim = model.Dim;
    const TReservoir& res = model.Reservoir;
    double o = h - dim.Elev.G;
    if (o <= 0)
        return {};
    double area = 0, xc = 0, yc = 0;
    VerticalTrapezoid(dim.L2, 0, o * res.PressureUp, dim.L2 + dim.L4, 0, o * res.PressureDown, area, xc, yc);
    return MakeLoad(-res.WaterWeight * area, xc);
}

struct TDownstreamWater {
    TLoad horizontal, vertical;
};

// Water downstream for the level w on the faces above the joint's downstream end.
TDownstreamWater DownstreamWater(const TParametres& model, int j, double w)
{
    const TDimension& dim = model.Dim;
    double gamma = model.Reservoir.WaterWeight;
    double D = dim.Elev.D, F = dim.Elev.F, G = dim.Elev.G;
    double x2 = model.Joint.x2[j], y2 = model.Joint.y2[j];
    double X3 = dim.L2 + dim.L3;
    TDownstreamWater water;
    if (w <= y2)
        return water;

    // Horizontal, toward upstream.
    double d = w - y2;
    double H = -gamma * d * d / 2;
    double yH = y2 + d / 3;
    if (w > G) {
        double o = w - G;
        H = -gamma * (d * d / 2 - o * o / 2);
        yH = IsNotEqual(H, 0) ? gamma * ((y2 + d / 3) * d * d / 2 - (G + o / 3) * o * o / 2) / -H : 0;
    }
    water.horizontal = MakeLoad(H, yH);

    // Vertical: the water resting on the inclined downstream faces above the joint end.
    if (w <= D)
        return water;
    double V = 0, xV = 0;
    if (w <= F) {
        double a = x2 - LowerDownstreamX(dim, w);
        double t = y2 <= D ? w - D : w - y2;
        V = -gamma * t * a / 2;
        xV = x2 - a / 3;
    } else if (y2 >= F) {
        double a = x2 - UpperDownstreamX(dim, w);
        V = -gamma * (w - y2) * a / 2;
        xV = x2 - a / 3;
    } else {
        double A1 = 0, xc1 = 0, yc1 = 0;
        HorizontalTrapezoid(X3, x2, F, UpperDownstreamX(dim, w), x2, w, A1, xc1, yc1);
        double A2 = (F - MaxDouble(y2, D)) * (x2 - X3) / 2;
        V = -gamma * (A1 + A2);
        if (A1 + A2 != 0)
            xV = (A1 * xc1 + A2 * (x2 - (x2 - X3) / 3)) / (A1 + A2);
    }
    water.vertical = MakeLoad(V, xV);
    return water;
}

// Earth-pressure coefficient of the silt for the internal friction angle phi (degrees).
// A friction angle lies in 0..90 degrees exclusive (the reservoir window takes 0.001 to
// 89.999, the file reader refuses the rest); an angle outside is taken at the nearest end
// of the window's range, so that the passive and active coefficients, whose denominators
// vanish at +-90 degrees, stay finite.
double SiltPressureCoefficient(TSiltModel model, double phiDegrees)
{
    constexpr double LargestAngle = 89.999;
    double s = std::sin(MinDouble(MaxDouble(phiDegrees, 0.0), LargestAngle) * DegToRad);
    switch (model) {
    case smAtRest:
        return 1 - s;
    case smPassive:
        return (1 + s) / (1 - s);
    case smActive:
        return (1 - s) / (1 + s);
    case smAsFluid:
        break;
    }
    return 1;
}

void ComputeSilt(TParametres& model, int j, double e)
{
    const TDimension& dim = model.Dim;
    const TReservoir& res = model.Reservoir;
    Tjointload& L = model.JointLoad;
    L.Sh[j] = L.ySh[j] = L.Sv[j] = L.xSv[j] = 0;
    double top = res.Sediment;
    if (top <= e)
        return;
    // The silt rests on the upstream foundation or on the joint, whichever is higher; a
    // silt surface below the foundation is no silt at all.
    double Fup = dim.Elev.Fup;
    double b = MaxDouble(Fup, e);
    double s = top - b;
    if (s <= 0)
        return;
    double K = SiltPressureCoefficient(res.SedModel, res.SedAngle);
    Store(MakeLoad(K * res.SedWeight * s * s / 2, b + s / 3), L.Sh[j], L.ySh[j]);

    // Silt resting on the inclined upstream face.
    double C = dim.Elev.C, E = dim.Elev.E;
    if (top <= C || dim.L2 == 0)
        return;
    double x1 = model.Joint.x1[j];
    double xa;
    if (Fup < C)
        xa = x1;
    else if (Fup <= E)
        xa = MaxDouble(UpstreamBatterX(dim, Fup), x1);
    else
        xa = dim.L2;
    if (E == C)
        xa = Fup < E ? MinDouble(dim.L2, x1) : dim.L2;
    double xb = (E == C || E < top) ? dim.L2 : UpstreamBatterX(dim, top);
    double yb = MaxDouble(MaxDouble(Fup, C), model.Joint.y1[j]);
    double area = 0, xc = 0, yc = 0;
    VerticalTrapezoid(xa, yb, top, xb, MinDouble(top, E), top, area, xc, yc);
    Store(MakeLoad(-res.SedWeight * area, xc), L.Sv[j], L.xSv[j]);
}

} // namespace

// ---- Self weight and concentrated masses --------------------------------------------------

void ComputeSelfWeight(TParametres& model, int j)
{
    const TDimension& dim = model.Dim;
    const TElev& el = dim.Elev;
    const TJoint& J = model.Joint;
    double x1 = J.x1[j], y1 = J.y1[j], x2 = J.x2[j], y2 = J.y2[j];

    // The concrete above the joint, counter-clockwise from the joint's downstream end: up
    // the downstream face, across the crest, down the upstream face; each outline vertex
    // only when it lies strictly above the joint end on its own face.
    TXYPoint polygon[12];
    int n = 0;
    auto add = [&](double x, double y) { polygon[n++] = TXYPoint{x, y}; };
    add(x2, y2);
    if (el.B > y2)
        add(dim.L1, el.B);
    if (el.D > y2)
        add(dim.L1, el.D);
    if (el.F > y2)
        add(dim.L2 + dim.L3, el.F);
    if (el.G > y2)
        add(dim.L2 + dim.L4, el.G);
    if (el.G > y1)
        add(dim.L2, el.G);
    if (el.E > y1)
        add(dim.L2, el.E);
    if (el.C > y1)
        add(0, el.C);
    if (el.A > y1)
        add(0, el.A);
    add(x1, y1);
    add(x2, y2);

    Tjointload& L = model.JointLoad;
    // A joint with no concrete above it (at or above the crest) carries no weight.
    double area = 0;
    TXYPoint centroid;
    if (n >= 4)
        PolygonCentroid(polygon, n, area, centroid);
    model.Joint.Volume[j] = area;
    double unitWeight = model.Concrete.mass * (model.unites == SI ? model.gravity : 1) / 1000;
    L.Wv[j] = -area * unitWeight;
    L.xW[j] = centroid.X;
    L.yW[j] = centroid.Y;
}

void ComputeConcentratedMasses(TParametres& model, int j)
{
    double SV = 0, SX = 0;
    const DynArray<TMasses>& masses = model.Masses.Elem;
    for (int m = 0; m < masses.Length(); ++m) {
        if (!AboveJoint(model, j, masses[m].PosX, masses[m].Elev, true))
            continue;
        SV += masses[m].VertMass;
        SX += masses[m].VertMass * masses[m].PosX;
    }
    Tjointload& L = model.JointLoad;
    L.Mv[j] = -SV * MassToForce(model);
    L.xMv[j] = SV != 0 ? SX / SV : 0;
}

void ComputeMassInertia(TParametres& model, int j)
{
    double SH = 0, SHY = 0, SV = 0, SVX = 0;
    const DynArray<TMasses>& masses = model.Masses.Elem;
    for (int m = 0; m < masses.Length(); ++m) {
        const TMasses& mass = masses[m];
        if (!AboveJoint(model, j, mass.PosX, mass.Elev, true))
            continue;
        SH += mass.HorMass;
        SHY += mass.HorMass * mass.Elev;
        SV += mass.VertMass;
        SVX += mass.VertMass * mass.PosX;
    }
    // Positive accelerations give inertia toward upstream and downward.
    double f = MassToForce(model);
    double yH = SH != 0 ? SHY / SH : 0;
    double xV = SV != 0 ? SVX / SV : 0;
    Tjointload& L = model.JointLoad;
    L.Mdh[j] = -SH * model.Acc.Peak.horizontal * f;
    L.Mdv[j] = -SV * model.Acc.Peak.vertical * f;
    L.Mdhp[j] = -SH * model.Acc.Sust.horizontal * f;
    L.Mdvp[j] = -SV * model.Acc.Sust.vertical * f;
    L.yMdh[j] = L.yMdhp[j] = yH;
    L.xMdv[j] = L.xMdvp[j] = xV;
}

// ---- Post-tensioning and applied forces ---------------------------------------------------

void ComputePostTension(TParametres& model, int j)
{
    const TPostTension& pt = model.PostTension;
    Tjointload& L = model.JointLoad;
    // The cable from the crest acts on every joint, downward.
    L.Pc[j] = -pt.Tension;
    L.xPc[j] = model.Dim.L2 + pt.Position;

    // The cable anchored on the downstream face reaches the joints below its anchor.
    L.Ph[j] = L.Pv[j] = L.yPh[j] = L.xPv[j] = 0;
    if (!(model.Joint.y2[j] < pt.Elev))
        return;
    double a = pt.Angle * DegToRad;
    L.Ph[j] = -pt.Tension2 * std::cos(a);
    L.Pv[j] = -pt.Tension2 * std::sin(a);
    if (j == 0) {
        // Where the cable's line meets the line of the base. A cable parallel to the base
        // never meets it: its force then acts along the cable, at the anchor.
        double x = pt.Position2, y = pt.Elev;
        const TDimension& dim = model.Dim;
        if (dim.L1 * std::sin(a) - (dim.Elev.B - dim.Elev.A) * std::cos(a) != 0)
            IntersectSegments(0, dim.Elev.A, dim.L1, dim.Elev.B, pt.Position2, pt.Elev,
                              pt.Position2 - 100 * std::cos(a), pt.Elev - 100 * std::sin(a), x, y);
        L.yPh[j] = y;
        L.xPv[j] = x;
    } else {
        double e = model.Joint.Elev[j];
        L.yPh[j] = e;
        // x of the cable at the joint's elevation; a horizontal cable (no vertical
        // component) stays at its anchor.
        L.xPv[j] = std::sin(a) != 0 ? pt.Position2 - (pt.Elev - e) * std::tan(std::numbers::pi / 2 - a) : pt.Position2;
    }
}

void ComputeAppliedForces(TParametres& model, int j)
{
    double SH = 0, SV = 0, MH = 0, MV = 0, AH = 0, AV = 0;
    const DynArray<TForce>& forces = model.Force.Elem;
    for (int i = 0; i < forces.Length(); ++i) {
        const TForce& f = forces[i];
        // A force on the joint line belongs to the joints below.
        if (!AboveJoint(model, j, f.PosX, f.Elev, false))
            continue;
        SH += f.HorForce;
        SV += f.VertForce;
        MH += f.HorForce * f.Elev;
        MV += f.VertForce * f.PosX;
        AH = MaxDouble(AH, std::fabs(f.HorForce));
        AV = MaxDouble(AV, std::fabs(f.VertForce));
    }
    Tjointload& L = model.JointLoad;
    L.FH[j] = SH;
    L.FV[j] = SV;
    // Forces that cancel but form a couple keep it through a far-away position of a small
    // force scale.
    L.yFH[j] = SH != 0 ? MH / SH : MH != 0 ? MH / (0.0001 * AH) : 0;
    L.xFV[j] = SV != 0 ? MV / SV : MV != 0 ? MV / (0.0001 * AV) : 0;
}

// ---- Reservoir, ice, silt and floating debris ----------------------------------------------

void ComputeReservoirLoads(TParametres& model, int j, bool addFloodIncrease)
{
    if (j == 0)
        model.Joint.Elev[0] = model.Dim.Elev.A;
    double e = model.Joint.Elev[j];
    double G = model.Dim.Elev.G;
    TReservoir& res = model.Reservoir;
    Tjointload& L = model.JointLoad;

    Store(UpstreamHorizontal(model, e, res.NormalUp), L.HNu[j], L.yHNu[j]);
    Store(UpstreamVertical(model, j, e, res.NormalUp), L.VNu[j], L.xVNu[j]);

    // The probabilistic run of the flood combination raises the flood level by the sampled
    // increase; the tailwater follows the overtopping in the ratio it had.
    if (addFloodIncrease && model.Statistiques.Combination == 2) {
        double dU = MaxDouble(res.FloodUp - G, 0.0);
        double dD = MaxDouble(res.FloodDn - model.Dim.Elev.Fdown, 0.0);
        double r = 1;
        if (dU > 0)
            r = dD > 0 ? dD / dU : 0;
        res.FloodUp = res.NormalUp + model.Statistiques.FloodIncrease;
        res.FloodDn = res.FloodDn + r * MaxDouble(res.FloodUp - G, 0.0);
    }

    Store(UpstreamHorizontal(model, e, res.FloodUp), L.HFu[j], L.yHFu[j]);
    Store(UpstreamVertical(model, j, e, res.FloodUp), L.VFu[j], L.xVFu[j]);

    Store(CrestOvertopping(model, res.NormalUp), L.VNc[j], L.xVNc[j]);
    Store(CrestOvertopping(model, res.FloodUp), L.VFc[j], L.xVFc[j]);

    // Ice, at the operating level: the part of the sheet above the joint. A sheet of no
    // thickness carries no load (the load per thickness would be undefined).
    L.I[j] = L.yI[j] = 0;
    if (res.IceLoad > 0 && res.IceThickness > 0 && res.NormalUp >= e && res.IceThickness >= res.NormalUp - G) {
        double v = MaxDouble(MinDouble(res.NormalUp - e, res.IceThickness), 0.0);
        Store(MakeLoad(res.IceLoad * v / res.IceThickness, res.NormalUp - v / 2), L.I[j], L.yI[j]);
    }

    // Floating debris, at the flood level, applied below the surface.
    const TDebrisFlottant& debris = model.DebrisFlottant;
    L.FD[j] = L.yFD[j] = 0;
    if (debris.Force > 0 && res.FloodUp + debris.Elev >= e && debris.MaxElev >= res.FloodUp - G) {
        L.FD[j] = debris.Force;
        L.yFD[j] = res.FloodUp + debris.Elev;
    }

    ComputeSilt(model, j, e);

    TDownstreamWater water = DownstreamWater(model, j, res.NormalDn);
    Store(water.horizontal, L.HNd[j], L.yHNd[j]);
    Store(water.vertical, L.VNd[j], L.xVNd[j]);
    water = DownstreamWater(model, j, res.FloodDn);
    Store(water.horizontal, L.HFd[j], L.yHFd[j]);
    Store(water.vertical, L.VFd[j], L.xVFd[j]);
}
