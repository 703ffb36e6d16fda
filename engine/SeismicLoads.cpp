// Pseudo-static seismic loads of one joint: concrete inertia, the hydrodynamic pressure of
// the reservoir on both faces (Westergaard's added pressure with the compressibility
// correction, the depth limit and the corrections for inclined faces) and the dynamic
// pressure of the silt. Each load is computed with the peak accelerations and again with
// the sustained ones (fields ending in p).
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>

#include "engine/Calcul.h"
#include "engine/Loads.h"

namespace {

constexpr double RadToDeg = 180 / std::numbers::pi;

bool SeismicEntered(const TParametres& model)
{
    return model.Donnees.Contains(daPseudoStatic) || model.Donnees.Contains(daPseudoDynamic);
}

// One wetted face (or the silt against the upstream face) as the added-pressure sums see
// it. Depths are measured down from the surface.
struct TFace {
    double surface = 0;      // elevation of the water (or silt) surface
    double H0 = 0;           // depth at the face's foundation
    double dj = 0;           // depth of the joint's end on this face
    double dUpper = 0;       // depth of the upper end of the inclined part
    double dLower = 0;       // depth of its lower end
    double Hlim = 0;         // depth below which the pressure stays constant
    double Ce = 1;           // compressibility factor
    double unitWeight = 0;
    bool generalized = false;
    double C1 = 1, C2 = 0;   // horizontal and vertical factors of the other corrections
    // Face angle of the interval [Z1, Z2] (generalised correction only).
    std::function<double(double Z1, double Z2)> theta;
    // x of the line of action of the interval force acting at the elevation y.
    std::function<double(double y, double theta)> x;
};

// Results of one face, peak and sustained.
struct TFaceLoads {
    double H = 0, yH = 0, V = 0, xV = 0;
    double Hp = 0, yHp = 0, Vp = 0, xVp = 0;
};

double Quotient(double num, double den)
{
    return den != 0 ? num / den : 0;
}

// Westergaard's compressibility factor for the depth H0. The correction only exists while
// the accelerogram period te is longer than the reservoir's own period, i.e. while the
// radicand is positive; without a period (te <= 0) or beyond that limit the water is taken
// as incompressible (Ce = 1) instead of an undefined or infinite factor.
double CompressibilityFactor(const TParametres& model, double H0)
{
    const TCoefficientSismique& cs = model.CoeffSis;
    if (!cs.WaterCompressibility || cs.te <= 0)
        return 1;
    double k = model.unites == SI ? 7.75 : 0.72;
    double r = H0 / (1000 * cs.te);
    double radicand = 1 - k * r * r;
    return radicand > 0 ? 1 / std::sqrt(radicand) : 1;
}

// Factors of the non-generalised corrections for the face angle phi (degrees) of a real
// batter. A face treated as vertical keeps C1 = 1 and carries no vertical force (C2 = 0).
void SlopeFactors(TSlopeCorrection correction, double phi, double& C1, double& C2)
{
    C1 = 1;
    C2 = 0;
    double c = std::cos(phi / RadToDeg), s = std::sin(phi / RadToDeg);
    switch (correction) {
    case scCos2:
        C1 = c * c;
        C2 = c * s;
        break;
    case scCorns:
        C1 = 1 - 0.0090111 * phi - 2.7777777e-6 * phi * phi - 2.2839506e-7 * phi * phi * phi;
        C2 = c * s;
        break;
    case scGeneralized:
    case scNoCorrection:
        break;
    }
}

// Angle of a straight face segment rising by rise over the horizontal run: pi/4 with the
// sign of the run on a flat segment, 0 when it has no run.
double SegmentAngle(double run, double rise)
{
    if (rise == 0)
        return run > 0 ? std::numbers::pi / 4 : run < 0 ? -std::numbers::pi / 4 : 0;
    return std::atan(run / rise);
}

// Added-pressure sums over the wetted face between the surface and the joint, cut at the
// limit depth and at the ends of the inclined part.
TFaceLoads FaceLoads(const TFace& face, const TAcc& peak, const TAcc& sust)
{
    std::array<double, 5> Z = {0, MinDouble(MinDouble(face.dj, face.Hlim), face.H0), MinDouble(face.dj, face.H0),
                               MinDouble(MinDouble(face.dj, face.dUpper), face.H0), MinDouble(MinDouble(face.dj, face.dLower), face.H0)};
    std::sort(Z.begin(), Z.end());

    const double k = face.Ce * 0.543 * face.unitWeight;
    double H = 0, V = 0, Hp = 0, Vp = 0, momentH = 0, momentV = 0, momentHp = 0, momentVp = 0;
    for (int i = 0; i < 4; ++i) {
        double Z1 = Z[i], Z2 = Z[i + 1];
        if (Z1 == Z2)
            continue;
        double F, y;
        if (Z2 <= face.Hlim) {
            // Westergaard's parabola.
            double p1 = std::pow(Z1, 1.5), p2 = std::pow(Z2, 1.5);
            F = k * std::sqrt(face.Hlim) * (p2 - p1);
            y = 0.6 * (std::pow(Z2, 2.5) - std::pow(Z1, 2.5)) / (p2 - p1);
        } else {
            // Below the limit depth the pressure is uniform.
            F = k * face.Hlim * (Z2 - Z1);
            y = (Z1 + Z2) / 2;
        }
        double theta = face.generalized ? face.theta(Z1, Z2) : 0;
        double FH = face.generalized ? std::cos(theta) * F : face.C1 * F;
        double FV = face.generalized ? std::sin(theta) * F : face.C2 * F;
        double a = std::cos(theta) * peak.horizontal - std::sin(theta) * peak.vertical;
        double ap = std::cos(theta) * sust.horizontal - std::sin(theta) * sust.vertical;
        double elevation = face.surface - y;
        double x = face.x(elevation, theta);
        H += -a * FH;
        V += -a * FV;
        Hp += -ap * FH;
        Vp += -ap * FV;
        momentH += elevation * FH * -a;
        momentV += x * FV * -a;
        momentHp += elevation * FH * -ap;
        momentVp += x * FV * -ap;
    }
    // The sustained loads act on the line of action of the peak loads; without a peak load
    // (no peak acceleration) their own line of action is used.
    TFaceLoads loads;
    loads.H = H;
    loads.V = V;
    loads.Hp = Hp;
    loads.Vp = Vp;
    loads.yH = Quotient(momentH, H);
    loads.xV = Quotient(momentV, V);
    loads.yHp = H != 0 ? loads.yH : Quotient(momentHp, Hp);
    loads.xVp = V != 0 ? loads.xV : Quotient(momentVp, Vp);
    return loads;
}

// Adds the static force S (at s) times the vertical accelerations to a dynamic force and its
// line of action, peak and sustained.
void AddVerticalAcceleration(double S, double s, double accPeak, double accSust, double& D, double& d, double& Dp,
                             double& dp)
{
    double total = S * accPeak + D;
    double totalp = S * accSust + Dp;
    d = Quotient(S * accPeak * s + D * d, total);
    dp = Quotient(S * accSust * s + Dp * dp, totalp);
    D = total;
    Dp = totalp;
}

// The upstream face (x = 0 up to C, batter to (L2, E), x = L2 above) for the surface at
// level, the foundation at Fup and the joint end at y1.
TFace UpstreamFace(const TParametres& model, double level, double y1, TSlopeCorrection correction)
{
    const TDimension& dim = model.Dim;
    double C = dim.Elev.C, E = dim.Elev.E;
    TFace face;
    face.surface = level;
    face.H0 = MaxDouble(level - dim.Elev.Fup, 0.0);
    face.dj = MaxDouble(level - y1, 0.0);
    face.dUpper = MaxDouble(level - E, 0.0);
    face.dLower = MaxDouble(level - C, 0.0);
    face.Hlim = face.H0;
    face.generalized = correction == scGeneralized;
    double batter = SegmentAngle(dim.L2, E - C);
    face.theta = [=](double Z1, double Z2) { return Z1 >= level - E && Z2 <= level - C ? batter : 0.0; };
    face.x = [dim](double elevation, double theta) {
        return theta != 0 ? InterpolateLine(elevation, dim.Elev.C, 0, dim.Elev.E, dim.L2) : 0.0;
    };
    if (!face.generalized && dim.L2 != 0 && MinDouble(E - C, E - dim.Elev.Fup) >= face.H0 / 2) {
        double phi = E == C ? 0 : std::atan2(dim.L2, E - C) * RadToDeg;
        SlopeFactors(correction, phi, face.C1, face.C2);
    }
    return face;
}

// x of the downstream face at elevation e.
double DownstreamFaceX(const TDimension& dim, double e)
{
    if (e <= dim.Elev.D)
        return dim.L1;
    if (e <= dim.Elev.F)
        return InterpolateLine(e, dim.Elev.D, dim.L1, dim.Elev.F, dim.L2 + dim.L3);
    if (e <= dim.Elev.G)
        return InterpolateLine(e, dim.Elev.F, dim.L2 + dim.L3, dim.Elev.G, dim.L2 + dim.L4);
    return dim.L2 + dim.L3;
}

TFace DownstreamFace(const TParametres& model, int j, TSlopeCorrection correction)
{
    const TDimension& dim = model.Dim;
    double level = model.Reservoir.NormalDn;
    double D = dim.Elev.D, F = dim.Elev.F, G = dim.Elev.G;
    TFace face;
    face.surface = level;
    face.H0 = MaxDouble(level - dim.Elev.Fdown, 0.0);
    face.dj = MaxDouble(level - model.Joint.y2[j], 0.0);
    face.dUpper = MaxDouble(level - F, 0.0);
    face.dLower = MaxDouble(level - D, 0.0);
    face.Hlim = face.H0;
    face.generalized = correction == scGeneralized;
    double lower = SegmentAngle(dim.L1 - dim.L2 - dim.L3, F - D);
    double upper = SegmentAngle(dim.L3 - dim.L4, G - F);
    face.theta = [=](double Z1, double Z2) {
        if (Z1 >= level - F && Z2 <= level - D)
            return lower;
        if (Z1 < level - F && Z2 <= level - F)
            return upper;
        return 0.0;
    };
    face.x = [dim](double elevation, double) { return DownstreamFaceX(dim, elevation); };
    if (!face.generalized) {
        double phi = 0;
        if (face.H0 != 0)
            phi = std::atan2(DownstreamFaceX(dim, dim.Elev.Fdown) - DownstreamFaceX(dim, level), face.H0) * RadToDeg;
        SlopeFactors(correction, phi, face.C1, face.C2);
    }
    return face;
}

// The depth below which the pressure stays constant; a limit at or above the surface
// leaves no pressure at all rather than a negative depth.
void LimitDepth(const TParametres& model, TFace& face)
{
    if (model.CoeffSis.Depth.IsLimit)
        face.Hlim = MaxDouble(MinDouble(model.CoeffSis.Depth.Limit, face.H0), 0.0);
}

} // namespace

void ComputeConcreteInertia(TParametres& model, int j)
{
    Tjointload& L = model.JointLoad;
    const TAcc& peak = model.Acc.Peak;
    const TAcc& sust = model.Acc.Sust;
    if (!model.Donnees.Contains(daPseudoStatic)) {
        L.Qh[j] = L.Qv[j] = L.yQh[j] = L.xQv[j] = 0;
        L.Qhp[j] = L.Qvp[j] = L.yQhp[j] = L.xQvp[j] = 0;
        return;
    }
    L.Qh[j] = L.Wv[j] * peak.horizontal;
    L.Qv[j] = L.Wv[j] * peak.vertical;
    L.Qhp[j] = L.Wv[j] * sust.horizontal;
    L.Qvp[j] = L.Wv[j] * sust.vertical;
    L.yQh[j] = L.yQhp[j] = L.yW[j];
    L.xQv[j] = L.xQvp[j] = L.xW[j];
}

void ComputeHydrodynamicLoads(TParametres& model, int j, TSlopeCorrection correction)
{
    Tjointload& L = model.JointLoad;
    if (!SeismicEntered(model)) {
        for (DynArray<double>* field : {&L.HDu, &L.yHDu, &L.VDu, &L.xVDu, &L.HDup, &L.yHDup, &L.VDup, &L.xVDup, &L.HDd,
                                        &L.yHDd, &L.VDd, &L.xVDd, &L.HDdp, &L.yHDdp, &L.VDdp, &L.xVDdp})
            (*field)[j] = 0;
        return;
    }
    const TAcc& peak = model.Acc.Peak;
    const TAcc& sust = model.Acc.Sust;
    bool vertAccOnReservoir = model.Reservoir.VertAccOnReservoir;

    // Upstream face.
    TFace up = UpstreamFace(model, model.Reservoir.NormalUp, model.Joint.y1[j], correction);
    LimitDepth(model, up);
    up.Ce = CompressibilityFactor(model, up.H0);
    up.unitWeight = model.Reservoir.WaterWeight;
    TFaceLoads u = FaceLoads(up, peak, sust);
    if (L.VNu[j] != 0)
        AddVerticalAcceleration(L.VNu[j], L.xVNu[j], peak.vertical, sust.vertical, u.V, u.xV, u.Vp, u.xVp);
    if (vertAccOnReservoir)
        AddVerticalAcceleration(L.HNu[j], L.yHNu[j], peak.vertical, sust.vertical, u.H, u.yH, u.Hp, u.yHp);
    L.HDu[j] = u.H;
    L.yHDu[j] = u.yH;
    L.VDu[j] = u.V;
    L.xVDu[j] = u.xV;
    L.HDup[j] = u.Hp;
    L.yHDup[j] = u.yHp;
    L.VDup[j] = u.Vp;
    L.xVDup[j] = u.xVp;

    // Downstream face; the vertical acceleration enters its horizontal force with the
    // opposite sign.
    TFace down = DownstreamFace(model, j, correction);
    LimitDepth(model, down);
    down.Ce = CompressibilityFactor(model, down.H0);
    down.unitWeight = model.Reservoir.WaterWeight;
    TFaceLoads d = FaceLoads(down, peak, sust);
    if (L.VNd[j] != 0)
        AddVerticalAcceleration(L.VNd[j], L.xVNd[j], peak.vertical, sust.vertical, d.V, d.xV, d.Vp, d.xVp);
    if (vertAccOnReservoir)
        AddVerticalAcceleration(L.HNd[j], L.yHNd[j], -peak.vertical, -sust.vertical, d.H, d.yH, d.Hp, d.yHp);
    L.HDd[j] = d.H;
    L.yHDd[j] = d.yH;
    L.VDd[j] = d.V;
    L.xVDd[j] = d.xV;
    L.HDdp[j] = d.Hp;
    L.yHDdp[j] = d.yHp;
    L.VDdp[j] = d.Vp;
    L.xVDdp[j] = d.xVp;
}

void ComputeSiltDynamicLoads(TParametres& model, int j)
{
    Tjointload& L = model.JointLoad;
    if (!SeismicEntered(model)) {
        for (DynArray<double>* field : {&L.SDh, &L.ySDh, &L.SDv, &L.xSDv, &L.SDhp, &L.ySDhp, &L.SDvp, &L.xSDvp})
            (*field)[j] = 0;
        return;
    }
    const TAcc& peak = model.Acc.Peak;
    const TAcc& sust = model.Acc.Sust;
    // The silt as an incompressible fluid of its own unit weight, without depth limit.
    TFace silt = UpstreamFace(model, model.Reservoir.Sediment, model.Joint.y1[j], model.CoeffSis.SlopeCorr);
    silt.unitWeight = model.Reservoir.SedWeight;
    TFaceLoads s = FaceLoads(silt, peak, sust);
    if (L.Sv[j] != 0)
        AddVerticalAcceleration(L.Sv[j], L.xSv[j], peak.vertical, sust.vertical, s.V, s.xV, s.Vp, s.xVp);
    if (model.Reservoir.VertAccOnReservoir)
        AddVerticalAcceleration(L.Sh[j], L.ySh[j], peak.vertical, sust.vertical, s.H, s.yH, s.Hp, s.yHp);
    L.SDh[j] = s.H;
    L.ySDh[j] = s.yH;
    L.SDv[j] = s.V;
    L.xSDv[j] = s.xV;
    L.SDhp[j] = s.Hp;
    L.ySDhp[j] = s.yHp;
    L.SDvp[j] = s.Vp;
    L.xSDvp[j] = s.xVp;
}
