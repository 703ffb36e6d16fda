#include "engine/JointAnalysis.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cmath>
#include <numbers>

#include "engine/Calcul.h"
#include "engine/Facteurs.h"

namespace {

constexpr double DegToRad = std::numbers::pi / 180;

// arctan(num / den) in degrees; a vertical ratio gives +-90, an empty one 0.
double ArcTanDegrees(double num, double den)
{
    if (den == 0)
        return num == 0 ? 0 : std::copysign(90.0, num);
    return std::atan(num / den) / DegToRad;
}

double Quotient(double a, double b) { return b != 0 ? a / b : 0; }

// tan(x) of a friction angle. A model's few materials bring the same angles back for every
// joint and case, so the last ones asked for are kept, by their exact bits.
double FrictionTan(double x)
{
    struct TKnown {
        std::uint64_t Bits = 0;  // +0, whose tangent is +0
        double Tan = 0;
    };
    thread_local std::array<TKnown, 4> known;
    thread_local size_t next = 0;
    const auto bits = std::bit_cast<std::uint64_t>(x);
    for (const TKnown& k : known)
        if (k.Bits == bits)
            return k.Tan;
    const double tan = std::tan(x);
    known[next] = {bits, tan};
    next = (next + 1) % known.size();
    return tan;
}

// Friction angle that, on the line through the origin, gives the strength of a material
// whose cohesion is mobilised from the stress MinStress on.
double ApparentFrictionAngle(const Tanglec& strength)
{
    if (strength.ShearCurve == scContinue && strength.MinStress > 0)
        return std::atan((strength.MinStress * FrictionTan(strength.angle * DegToRad) + strength.c) /
                         strength.MinStress) /
               DegToRad;
    return strength.angle;
}

// Passive resistance of the rock wedge at the toe (shear toward downstream) or at the heel.
double RockWedgeResistance(const TParametres& model, int j, int k, double shear)
{
    const TFoundation& rock = model.Foundation;
    if (!rock.ShearStrength)
        return 0;
    const TJoint& joint = model.Joint;
    const TElev& elev = model.Dim.Elev;
    const TReservoir& water = model.Reservoir;
    const double gammaRock = rock.UnitMass * (model.unites == SI ? model.gravity : 1) / 1000;
    const double phi = std::atan(FrictionTan(rock.Angle * DegToRad) * rock.StrengthFactor);
    const double cohesion = rock.cohesion * rock.StrengthFactor;
    const double gammaWater = water.WaterWeight;

    bool downstream = shear > 0 && elev.Fdown > joint.y2[j];
    bool upstream = shear < 0 && elev.Fup > joint.y1[j];
    if (!downstream && !upstream)
        return 0;

    const double alpha = (downstream ? rock.FailureAngle : -rock.FailureAngle) * DegToRad;
    const double base = downstream ? joint.y2[j] : joint.y1[j];
    const double top = downstream ? elev.Fdown : elev.Fup;
    const double level = downstream ? (k == 2 ? water.FloodDn : water.NormalDn) : (k == 2 ? water.FloodUp : water.NormalUp);
    const double hw = top - base;
    const double lw = downstream ? hw / std::sin(alpha) : std::fabs(hw / std::sin(alpha));
    const double b = lw * std::cos(alpha);
    double weight = hw * b / 2 * gammaRock;
    if (downstream && elev.D < elev.Fdown) {
        const TDimension& dim = model.Dim;
        double xf = InterpolateLine(elev.Fdown, elev.F, dim.L2 + dim.L3, elev.D, dim.L1);
        weight += (dim.L1 - xf) * gammaRock * (elev.Fdown - elev.D) / 2;
    }
    double h1 = 0, h2 = 0, wetted = b, waterWeight = 0;
    if (top < level) {
        h1 = level - base;
        h2 = level - top;
        waterWeight = h2 * b * gammaWater;
        wetted = lw;
    } else if (base < level) {
        h1 = level - base;
        wetted = (level - base) * lw / (top - base);
    }
    const double upliftOnPlane = std::cos(alpha) * ((h1 + h2) / 2 * wetted * gammaWater);
    double resistance = std::tan(alpha + phi) * (weight - upliftOnPlane + waterWeight) +
                        cohesion * lw / ((1 - std::tan(phi) * std::tan(alpha)) * std::cos(alpha));
    if (downstream && model.SFComputations == sfLimitEquilibrium && joint.Angle[j] != 0)
        resistance *= std::cos(joint.Angle[j] * DegToRad);
    // A wedge without a failure plane (no failure angle) resists nothing.
    return std::isfinite(resistance) ? resistance : 0;
}

} // namespace

const TProprietes& JointMaterial(const TParametres& model, int j)
{
    static const TProprietes none;
    int index = j < model.Joint.mat.Length() ? model.Joint.mat[j] : -1;
    if (index < 0 || index >= model.JointMaterials.Length())
        return none;
    return model.JointMaterials[index];
}

void AnalyseJoint(TParametres& model, int j, int k, double crUp, double crDown, bool full)
{
    TJointLoadSums sums;
    AnalyseJoint(model, j, k, crUp, crDown, full, sums);
}

void AnalyseJoint(TParametres& model, int j, int k, double crUp, double crDown, bool full, TJointLoadSums& sums)
{
    TJoint& joint = model.Joint;
    const Tjointload& load = model.JointLoad;
    const double x1 = joint.x1[j], y1 = joint.y1[j], x2 = joint.x2[j], y2 = joint.y2[j];
    const double length = joint.Length[j];

    // The ligament: the part of the joint that carries the stresses, its centre (xc, yc)
    // and the distance a of the centre from the upstream end.
    double g = 0;
    if (joint.ClosedCrack[k][j] == ccUp)
        g = crDown;
    else if (joint.ClosedCrack[k][j] == ccDown)
        g = crUp;
    double lc = (1 - std::fabs(g)) * length;
    double xc, yc, a;
    if (lc == 0) {
        lc = length;
        xc = (x1 + x2) / 2;
        yc = (y1 + y2) / 2;
        a = lc / 2;
    } else {
        xc = x1 + (x2 - x1) * (1 + g) / 2;
        yc = y1 + (y2 - y1) * (1 + g) / 2;
        a = (1 + g) * length / 2;
    }

    const bool internal = model.UpliftLoad == ulInternal;
    const double u = internal ? 0 : 1;
    const double uk = load.U[k][j], uck = load.Uc[k][j], fU = model.LoadCombination.U[k];

    const double theta = joint.Angle[j] * DegToRad;
    if (!sums.Known) {
        FactorLoads(model, j, k, sums.Loads);
        sums.V = FactoredVerticalLoad(sums.Loads);
        sums.H = FactoredHorizontalLoad(sums.Loads);
        sums.Cos = std::cos(theta);
        sums.Sin = std::sin(theta);
        CollectMomentTerms(sums.Loads, sums.Terms);
        sums.Known = true;
        sums.MomentKnown = false;
    }
    double v = sums.V, h = sums.H;
    const double c = sums.Cos, s = sums.Sin;
    const double ns = v * c - h * s + uk * fU * u + uck * fU * (1 - u);
    const double n = v * c - h * s + uk * fU;
    const double t = h * c + v * s;
    const double uplift = (uk - (1 - u) * uck) * fU;
    h -= uplift * s;
    v += uplift * c;

    // The ligament's centre moves only with a crack that closes; the moment of the loads
    // about it is kept while it stays.
    if (!sums.MomentKnown || xc != sums.MomentXc || yc != sums.MomentYc) {
        const bool within = WithinMomentTermReach(xc) && WithinMomentTermReach(yc);
        sums.Moment = within ? LoadMomentWithoutUplift(sums.Terms, yc, xc) : LoadMomentWithoutUplift(sums.Loads, yc, xc);
        sums.MomentXc = xc;
        sums.MomentYc = yc;
        sums.MomentKnown = true;
    }
    const double m = sums.Moment + UpliftMoment(model, j, k, a);
    const double mp = internal ? m + uk * fU * (a - load.Xu[k][j]) - uck * fU * (a - load.Xuc[k][j]) : m;

    joint.Resultants.Position[k][j] = n == 0 || length == 0 ? 50 : ((xc - x1) - mp / n) / length * 100;
    // Ns / Lc +- M (Lc / 2) / (Lc^3 / 12); a joint of no length carries no stress.
    const double sigmaUp = lc > 0 ? ns / lc + 6 * m / (lc * lc) : 0;
    const double sigmaDown = lc > 0 ? ns / lc - 6 * m / (lc * lc) : 0;
    joint.Stress.normal.Up[k][j] = sigmaUp;
    joint.Stress.normal.Down[k][j] = sigmaDown;
    joint.Resultants.Normal[k][j] = n;
    joint.Resultants.Shear[k][j] = t;
    joint.Resultants.Moment[k][j] = m;
    if (!full)
        return;

    TShearDistribution distribution;
    ComputeShearDistribution(model, k, j, distribution);
    joint.SafetyFactor.Overturning.Up[k][j] = OverturningSafetyFactor(model, sums.Loads, sums.Terms, j, k, 0);
    joint.SafetyFactor.Overturning.Down[k][j] = OverturningSafetyFactor(model, sums.Loads, sums.Terms, j, k, 1);
    joint.SafetyFactor.Uplifting[k][j] = UpliftingSafetyFactor(model, sums.Loads, j, k);

    // Crack tips and the ends of the compressed ligament.
    const double xu = length * joint.CrackLength.Up[k][j];
    const double xd = (1 + joint.CrackLength.Down[k][j]) * length;
    const double cu = length * joint.Compression.Up[k][j];
    const double cd = (1 + joint.Compression.Down[k][j]) * length;
    const bool crackedThrough = joint.CrackLength.Up[k][j] - joint.CrackLength.Down[k][j] >= 1;

    TProfile8 xs, ps;
    if (internal)
        for (int i = 1; i <= 8; ++i) {
            xs[i] = joint.Pressure.x[i][k][j];
            ps[i] = joint.Pressure.p[i][k][j];
        }

    const double rockWedge = RockWedgeResistance(model, j, k, t);
    joint.RockWedge[k][j] = rockWedge;

    const TProprietes& material = JointMaterial(model, j);
    const double p = model.LoadCombination.P[k];
    const bool active = model.PostTension.PostTensionType == ptActive;
    const bool limitEquilibrium = model.SFComputations == sfLimitEquilibrium;
    const double tanTheta = std::tan(theta);

    auto slidingFactor = [&](const Tanglec& strength) {
        // The cohesion zone: from the crack tip to where the compression reaches MinStress.
        const double minStress = strength.MinStress;
        double zone = MinDouble(MaxDouble(InterpolateLine(-minStress, sigmaDown, cd, sigmaUp, cu), xu), xd);
        double n1 = 0, n2 = n;
        if (minStress > 0 && std::fabs(g) != 1 && strength.c > 0) {
            double zero = 0;
            zone = SplitCompressionZone(xs, ps, mp >= 0, cu, sigmaUp, cd, sigmaDown, -minStress, n1, n2, zero);
        }
        double cohesionLength = sigmaDown >= sigmaUp ? std::fabs(zone - xu) : std::fabs(xd - zone);
        if (crackedThrough)
            cohesionLength = 0;

        const double tanPhi = FrictionTan(strength.angle * DegToRad);
        const double tanApparent = FrictionTan(ApparentFrictionAngle(strength) * DegToRad);
        const double cohesion = strength.c * cohesionLength;
        const double shearFriction = cohesion / ((1 - tanPhi * tanTheta) * c) +
                                     std::tan(strength.angle * DegToRad + theta) * std::fabs(v) + rockWedge;
        const double limit = tanPhi * std::fabs(n2) + tanApparent * std::fabs(n1) + rockWedge * c + cohesion;
        double resisting, driving, none;
        if (active) {
            resisting = limitEquilibrium ? limit : shearFriction;
            driving = limitEquilibrium ? std::fabs(t) : std::fabs(h);
            none = 1000;
        } else {
            const Tjointload& l = model.JointLoad;
            const double tension = limitEquilibrium ? l.Ph[j] * p * c + l.Pv[j] * p * s + l.Pc[j] * p * s
                                                    : l.Ph[j] * p;
            resisting = (limitEquilibrium ? limit : shearFriction) + tension;
            driving = std::fabs((limitEquilibrium ? t : h) - tension);
            none = 1e10;
        }
        double factor = driving != 0 ? resisting / driving : none;
        return std::isfinite(factor) ? factor : none;
    };
    joint.SafetyFactor.Sliding.Peak[k][j] = slidingFactor(material.peak);
    joint.SafetyFactor.Sliding.Residual[k][j] = slidingFactor(material.residual);
}

void ComputeShearDistribution(TParametres& model, int k, int j, TShearDistribution& result)
{
    TJoint& joint = model.Joint;
    const TDimension& dim = model.Dim;
    const TElev& e = dim.Elev;
    const double x1 = joint.x1[j], y1 = joint.y1[j], x2 = joint.x2[j], y2 = joint.y2[j];
    const double length = joint.Length[j];

    // Ends of the ligament.
    const double fa = joint.Compression.Up[k][j], fb = 1 + joint.Compression.Down[k][j];
    const double xa = x1 + (x2 - x1) * fa, ya = y1 + (y2 - y1) * fa;
    const double xb = x1 + (x2 - x1) * fb, yb = y1 + (y2 - y1) * fb;
    double ligament = std::hypot(xb - xa, yb - ya);
    if (ligament == 0)
        ligament = length;

    // Slopes of both faces at the elevation of the joint's upstream end, in degrees.
    const double y = y1;
    double betaUp = 0, betaDown = 0;
    if (y >= e.E)
        betaUp = 0;
    else if (y >= e.C)
        betaUp = ArcTanDegrees(dim.L2, e.E - e.C);
    else if (y >= e.A)
        betaUp = 0;
    else
        betaUp = ArcTanDegrees(dim.L1, e.A - e.B) - 90;
    if (y >= e.F)
        betaDown = ArcTanDegrees(dim.L3 - dim.L4, e.G - e.F);
    else if (y >= e.D)
        betaDown = ArcTanDegrees(dim.L1 - dim.L2 - dim.L3, e.F - e.D);
    else if (y >= e.B)
        betaDown = 0;
    else
        betaDown = ArcTanDegrees(dim.L1, e.A - e.B) - 90;
    const double tanUp = std::tan((joint.Angle[j] + betaUp) * DegToRad);
    const double tanDown = std::tan((joint.Angle[j] + betaDown) * DegToRad);

    // Normal stresses at the faces; a closed crack puts the face inside the stress line.
    const double sigmaUp = joint.Stress.normal.Up[k][j], sigmaDown = joint.Stress.normal.Down[k][j];
    double sigmaA = sigmaUp, sigmaB = sigmaDown, x = 0, stress = 0;
    if (joint.ClosedCrack[k][j] == ccUp && joint.CrackLength.Up[k][j] > 0) {
        IntersectSegments(x1, sigmaUp, x2, sigmaDown, xa, 0, xa, 1, x, stress);
        sigmaA = stress;
    }
    if (joint.ClosedCrack[k][j] == ccDown && joint.CrackLength.Down[k][j] < 0) {
        IntersectSegments(x1, sigmaUp, x2, sigmaDown, xb, 0, xb, 1, x, stress);
        sigmaB = stress;
    }
    const double tauUp = -sigmaA * tanUp, tauDown = -sigmaB * tanDown;
    joint.Stress.shear.Up[k][j] = tauUp;
    joint.Stress.shear.Down[k][j] = tauDown;
    joint.Stress.principal.Up[k][j] = (1 + tanUp * tanUp) * sigmaA;
    joint.Stress.principal.Down[k][j] = (1 + tanDown * tanDown) * sigmaB;

    // Parabola over the ligament from its downstream end, carrying the shear force.
    const double shear = joint.Resultants.Shear[k][j];
    const double mean = Quotient(-6 * shear, ligament);
    result.A0 = tauDown;
    result.A1 = -Quotient(mean + 2 * tauUp + 4 * tauDown, ligament);
    result.A2 = Quotient(mean + 3 * tauUp + 3 * tauDown, ligament * ligament);
    const double sStar = result.A2 != 0 ? -result.A1 / (2 * result.A2) : -1;
    if (sStar < 0 || sStar > ligament) {
        result.Extreme = tauUp;
        result.Position = Quotient(xa - x1, x2 - x1) * 100;
        if (std::fabs(tauUp) < std::fabs(tauDown)) {
            result.Extreme = tauDown;
            result.Position = (Quotient(xb - x2, x2 - x1) + 1) * 100;
        }
    } else {
        result.Extreme = result.A1 * sStar + tauDown + result.A2 * sStar * sStar;
        result.Position = Quotient(Quotient(xa - x1, x2 - x1) * length + (ligament - sStar), length) * 100;
    }
}

double SplitCompressionZone(const TProfile8& xs, const TProfile8& ps, bool fromUpstream, double xu, double su,
                            double xd, double sd, double st, double& n1, double& n2, double& z)
{
    // Points of the diagram: the two ends and the profile points, with the effective
    // stress, the uplift pressure and their sum.
    struct TPoint {
        double x = 0, effective = 0, pressure = 0, total = 0;
    };
    // At most the ten points here and the two added below, kept in the order of x (points
    // at the same x in the order they came).
    std::array<TPoint, 12> points;
    size_t count = 0;
    auto add = [&](const TPoint& point) {
        size_t i = count++;
        for (; i > 0 && points[i - 1].x > point.x; --i)
            points[i] = points[i - 1];
        points[i] = point;
    };
    add({xu, su});
    add({xd, sd});
    for (int i = 1; i <= 8; ++i)
        add({xs[i], 0, ps[i]});
    for (size_t i = 0; i < count; ++i) {
        TPoint& point = points[i];
        if (xu <= point.x && point.x <= xd && point.effective == 0)
            point.effective = xd == xu ? su : InterpolateLine(point.x, xu, su, xd, sd);
        if (point.pressure == 0)
            point.pressure = ProfileValueAt(xs, ps, point.x);
        point.total = point.effective + point.pressure;
    }

    // Where the total stress reaches the threshold, and where it crosses zero.
    double p0 = MinDouble(MaxDouble(InterpolateLine(st, su, xu, sd, xd), xu), xd);
    z = fromUpstream ? xu : xd;
    const double first = points[0].x, last = points[count - 1].x;
    for (size_t i = 0; i + 1 < count; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[i + 1];
        double x = 0, y = 0;
        if (IntersectSegments(a.x, a.total, b.x, b.total, xu, st, xd, st, x, y))
            p0 = x;
        if (IntersectSegments(a.x, a.total, b.x, b.total, first, 0, last, 0, x, y))
            z = x;
    }
    z = MinDouble(MaxDouble(z, xu), xd);

    TPoint threshold{xd}, zero{xd};
    if (xu < p0 && p0 < xd) {
        threshold.x = p0;
        threshold.total = st;
    }
    if (xu < z && z < xd)
        zero.x = z;
    add(threshold);
    add(zero);

    n1 = n2 = 0;
    auto lowCompression = [st](double total) { return total >= st && total <= 0; };
    for (size_t i = 0; i + 1 < count; ++i) {
        const TPoint& a = points[i];
        const TPoint& b = points[i + 1];
        if (a.x < xu || b.x > xd)
            continue;
        double area = (b.x - a.x) * (a.total + b.total) / 2;
        (lowCompression(a.total) && lowCompression(b.total) ? n1 : n2) += area;
    }
    return p0;
}
