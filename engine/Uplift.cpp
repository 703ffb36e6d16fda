// Uplift diagrams: twenty builders, one per shape of diagram, each filling a profile of
// eight points (distance along the joint from its upstream end, pressure head); the
// guideline tables choose the builder from the drains and the crack situation.
#include "engine/Uplift.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <utility>

#include "engine/Calcul.h"
#include "engine/Loads.h"

namespace {

constexpr int ProfilePoints = 8;

// a / b, or 0 when b is 0, so that a joint of no length or a drain line on the joint's
// end gives finite heads.
double Quotient(double a, double b) { return b != 0 ? a / b : 0; }

struct TUpliftProfile {
    TProfile8 X, P;
    int IdxUp = 1, IdxDown = ProfilePoints;
    int Count = 0;

    // Appends a point; a profile keeps at most eight.
    void Add(double x, double p)
    {
        if (Count == ProfilePoints)
            return;
        ++Count;
        X[Count] = x;
        P[Count] = p;
    }
    // Points after the last one repeat it.
    void FillWith(double x, double p)
    {
        while (Count < ProfilePoints)
            Add(x, p);
    }
};

// What every builder needs: L the joint length from its end points, tu and td the
// distances of the crack tips, xd the distance of the drain line, dy = y1 - y2, the crack
// fractions and the heads at the heel and the toe.
struct TDiagramGeometry {
    double L = 0, tu = 0, td = 0, xd = 0, dy = 0, cu = 0, cd = 0, hU = 0, hD = 0;
};

TUpliftProfile MakeProfile(const TDiagramGeometry& g, std::initializer_list<std::pair<double, double>> points,
                           int idxUp, int idxDown)
{
    TUpliftProfile profile;
    for (const auto& [x, p] : points)
        profile.Add(x, p);
    profile.FillWith(g.L, profile.P[profile.Count]);
    profile.IdxUp = idxUp;
    profile.IdxDown = idxDown;
    return profile;
}

// ---- The builders ----------------------------------------------------------------------------
// "Full" builders put the reservoir head into a crack, corrected by the fall of the crack;
// "Empty" builders put no pressure into it and, at the tip, the head the uncracked diagram
// has there.

TUpliftProfile DiagramLinear(const TDiagramGeometry& g, double h0)
{
    return MakeProfile(g, {{0, h0}, {g.L, g.hD}}, 1, 8);
}

TUpliftProfile DiagramDrained(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g, {{0, g.hU}, {g.xd, hd}, {g.L, g.hD}}, 1, 8);
}

double UpTipFull(const TDiagramGeometry& g) { return g.hU + g.dy * g.cu; }
double DownTipFull(const TDiagramGeometry& g) { return g.hD + g.dy * g.cd; }
// Head at an upstream tip past the drain: the drain head plus the fall from the drain line.
double UpTipPastDrain(const TDiagramGeometry& g, double hd) { return hd + g.dy * (g.cu - Quotient(g.xd, g.L)); }

TUpliftProfile DiagramUpCrackFull(const TDiagramGeometry& g)
{
    return MakeProfile(g, {{0, g.hU}, {g.tu, UpTipFull(g)}, {g.L, g.hD}}, 2, 8);
}

TUpliftProfile DiagramUpCrackFullDrained(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g, {{0, g.hU}, {g.tu, UpTipFull(g)}, {g.xd, hd}, {g.L, g.hD}}, 2, 8);
}

TUpliftProfile DiagramDownCrackFull(const TDiagramGeometry& g, double h0)
{
    return MakeProfile(g, {{0, h0}, {g.td, DownTipFull(g)}, {g.L, g.hD}}, 1, 2);
}

TUpliftProfile DiagramDownCrackFullDrained(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g, {{0, g.hU}, {g.xd, hd}, {g.td, DownTipFull(g)}, {g.L, g.hD}}, 1, 3);
}

TUpliftProfile DiagramUpCrackPastDrainFull(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g,
                       {{0, g.hU}, {g.xd, g.hU + g.dy * Quotient(g.xd, g.L)}, {g.xd, hd},
                        {g.tu, UpTipPastDrain(g, hd)}, {g.L, g.hD}},
                       4, 8);
}

TUpliftProfile DiagramUpCrackPastDrainDecrement(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g, {{0, g.hU}, {g.xd, hd}, {g.tu, UpTipPastDrain(g, hd)}, {g.L, g.hD}}, 3, 8);
}

TUpliftProfile DiagramUpCrackEmpty(const TDiagramGeometry& g, double h0)
{
    return MakeProfile(g, {{0, 0}, {g.tu, 0}, {g.tu, g.hD + (h0 - g.hD) * (1 - g.cu)}, {g.L, g.hD}}, 3, 8);
}

TUpliftProfile DiagramUpCrackEmptyDrained(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g,
                       {{0, 0}, {g.tu, 0}, {g.tu, g.hU + (hd - g.hU) * Quotient(g.tu, g.xd)}, {g.xd, hd},
                        {g.L, g.hD}},
                       3, 8);
}

TUpliftProfile DiagramUpCrackEmptyPastDrain(const TDiagramGeometry& g, double hd)
{
    double tip = g.hD + (hd - g.hD) * (1 - Quotient(g.tu - g.xd, g.L - g.xd));
    return MakeProfile(g, {{0, 0}, {g.tu, 0}, {g.tu, tip}, {g.L, g.hD}}, 3, 8);
}

TUpliftProfile DiagramDownCrackEmpty(const TDiagramGeometry& g, double h0)
{
    double tip = g.hD + (h0 - g.hD) * (1 - Quotient(g.td, g.L));
    return MakeProfile(g, {{0, h0}, {g.td, tip}, {g.td, 0}, {g.L, 0}}, 1, 2);
}

TUpliftProfile DiagramDownCrackEmptyDrained(const TDiagramGeometry& g, double hd)
{
    double tip = g.hD + (hd - g.hD) * (1 - Quotient(g.td - g.xd, g.L - g.xd));
    return MakeProfile(g, {{0, g.hU}, {g.xd, hd}, {g.td, tip}, {g.td, 0}, {g.L, 0}}, 1, 3);
}

TUpliftProfile DiagramDownCrackEmptyPastDrain(const TDiagramGeometry& g, double hd)
{
    double tip = g.hU + (hd - g.hU) * Quotient(g.td, g.xd);
    return MakeProfile(g, {{0, g.hU}, {g.td, tip}, {g.td, 0}, {g.L, 0}}, 1, 2);
}

TUpliftProfile DiagramBothCracksFull(const TDiagramGeometry& g)
{
    return MakeProfile(g, {{0, g.hU}, {g.tu, UpTipFull(g)}, {g.td, DownTipFull(g)}, {g.L, g.hD}}, 2, 3);
}

TUpliftProfile DiagramBothCracksFullDrained(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g, {{0, g.hU}, {g.tu, UpTipFull(g)}, {g.xd, hd}, {g.td, DownTipFull(g)}, {g.L, g.hD}},
                       2, 4);
}

TUpliftProfile DiagramBothCracksPastDrainDecrement(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g,
                       {{0, g.hU}, {g.xd, hd}, {g.tu, UpTipPastDrain(g, hd)}, {g.td, DownTipFull(g)},
                        {g.L, g.hD}},
                       3, 4);
}

TUpliftProfile DiagramBothCracksPastDrainFull(const TDiagramGeometry& g, double hd)
{
    return MakeProfile(g,
                       {{0, g.hU}, {g.xd, g.hU + g.dy * Quotient(g.xd, g.L)}, {g.xd, hd},
                        {g.tu, UpTipPastDrain(g, hd)}, {g.td, DownTipFull(g)}, {g.L, g.hD}},
                       4, 5);
}

// The drain line lies in the downstream crack and is ignored.
TUpliftProfile DiagramBothCracksDrainDownstream(const TDiagramGeometry& g) { return DiagramBothCracksFull(g); }

// Seismic cases: the usual-case profile pc (heads) with the open cracks of the case; f = 1
// puts the reservoir heads into open cracks, f = 0 leaves them without pressure. Where a
// crack is closed (or absent) the usual-case profile applies as it is, up to the joint's end.
TUpliftProfile DiagramSeismic(const TDiagramGeometry& g, const TUpliftBasis& pc, double f, TClosedCrack closed)
{
    const bool upOpen = g.cu > 0 && closed != ccUp;
    const bool downOpen = g.cd < 0 && closed != ccDown;
    TUpliftProfile profile;
    if (upOpen) {
        profile.Add(0, f * g.hU);
        profile.Add(g.tu, f * UpTipFull(g));
        profile.Add(g.tu, ProfileValueAt(pc.X, pc.P, g.tu));
        profile.IdxUp = f == 1 ? 2 : 3;
    } else {
        profile.Add(pc.X[1], pc.P[1]);
        profile.IdxUp = 1;
    }
    // The usual-case points between the open cracks; the downstream crack keeps its room.
    const int room = ProfilePoints - (downOpen ? 3 : 0);
    for (int i = 2; i <= ProfilePoints; ++i) {
        const bool inside = (!upOpen || pc.X[i] > g.tu) && (!downOpen || pc.X[i] < g.td);
        const bool repeated = pc.X[i] == profile.X[profile.Count] && pc.P[i] == profile.P[profile.Count];
        if (inside && !repeated && profile.Count < room)
            profile.Add(pc.X[i], pc.P[i]);
    }
    if (downOpen) {
        profile.Add(g.td, ProfileValueAt(pc.X, pc.P, g.td));
        profile.Add(g.td, f * g.hD);
        profile.Add(g.L, f * g.hD);
        profile.IdxDown = f == 1 ? profile.Count - 1 : profile.Count - 2;
    } else {
        // The usual-case profile's end, even when the room ran out before it.
        if (profile.X[profile.Count] != pc.X[ProfilePoints] || profile.P[profile.Count] != pc.P[ProfilePoints]) {
            if (profile.Count == ProfilePoints)
                --profile.Count;
            profile.Add(pc.X[ProfilePoints], pc.P[ProfilePoints]);
        }
        profile.IdxDown = profile.Count;
    }
    profile.FillWith(pc.X[ProfilePoints], pc.P[ProfilePoints]);
    return profile;
}

// ---- The guideline tables ----------------------------------------------------------------------
enum TCrackSituation { csNone, csUp, csDown, csBoth };

TCrackSituation Situation(double cu, double cd)
{
    if (cu > 0)
        return cd < 0 ? csBoth : csUp;
    return cd < 0 ? csDown : csNone;
}

// Tables without a drain line in the diagram; h0 is the heel head of the base diagram.
TUpliftProfile UndrainedDiagram(const TDiagramGeometry& g, double h0, Byte s)
{
    switch (Situation(g.cu, g.cd)) {
    case csUp:
        if (s == 2) return DiagramUpCrackFull(g);
        if (s == 0) return DiagramUpCrackEmpty(g, h0);
        break;
    case csDown:
        if (s == 2) return DiagramDownCrackFull(g, h0);
        if (s == 0) return DiagramDownCrackEmpty(g, h0);
        break;
    case csBoth:
        if (s == 2) return DiagramBothCracksFull(g);
        break;
    case csNone:
        break;
    }
    return DiagramLinear(g, h0);
}

// The drain as the drained tables see it.
struct TDrainSituation {
    bool GuidelineTable = false;  // table G (true) or the second CDSA alternative
    double hd = 0;                // drain head
    double hdBefore = 0;          // table G: drain head for an upstream crack ending before the drain
    double hdPast = 0;            // table G: drain head for an upstream crack past the drain
    double dDr = 0;               // distance of the drain line along the joint
    double xCu = 0, xCd = 0;      // abscissae of the crack tips
    double Xdrain = 0;
    TCrackOverDrain CrackOver = cdNotEffective;
};

TUpliftProfile UpCrackPastDrain(const TDiagramGeometry& g, const TDrainSituation& d, double hd)
{
    switch (d.CrackOver) {
    case cdFullFull: return DiagramUpCrackPastDrainFull(g, hd);
    case cdFullDecrement: return DiagramUpCrackPastDrainDecrement(g, hd);
    default: return DiagramUpCrackFull(g);
    }
}

TUpliftProfile DrainedDiagram(const TDiagramGeometry& g, const TDrainSituation& d, Byte s)
{
    // Is the upstream tip before the drain, and the downstream tip upstream of it?
    bool upBefore = d.GuidelineTable ? g.tu <= d.dDr : d.xCu <= d.Xdrain;
    bool downUpstreamOfDrain = d.GuidelineTable ? d.xCd < d.Xdrain : d.xCd <= d.Xdrain;
    switch (Situation(g.cu, g.cd)) {
    case csUp:
        if (s == 2) {
            if (d.GuidelineTable)
                return upBefore ? DiagramUpCrackFullDrained(g, d.hdBefore) : UpCrackPastDrain(g, d, d.hdPast);
            if (d.xCu < d.Xdrain)
                return d.CrackOver == cdNoDrain ? DiagramUpCrackFull(g) : DiagramUpCrackFullDrained(g, d.hd);
            return UpCrackPastDrain(g, d, d.hd);
        }
        if (s == 0)
            return upBefore ? DiagramUpCrackEmptyDrained(g, d.hd) : DiagramUpCrackEmptyPastDrain(g, d.hd);
        break;
    case csDown:
        if (s == 2)
            return downUpstreamOfDrain ? DiagramDownCrackFull(g, g.hU) : DiagramDownCrackFullDrained(g, d.hd);
        if (s == 0)
            return downUpstreamOfDrain ? DiagramDownCrackEmptyPastDrain(g, d.hd)
                                       : DiagramDownCrackEmptyDrained(g, d.hd);
        break;
    case csBoth:
        if (s != 2)
            break;
        if (d.xCu <= d.Xdrain && d.Xdrain < d.xCd)
            return DiagramBothCracksFullDrained(g, d.hd);
        if (d.Xdrain < d.xCu && d.Xdrain < d.xCd) {
            switch (d.CrackOver) {
            case cdFullFull: return DiagramBothCracksPastDrainFull(g, d.hd);
            case cdFullDecrement: return DiagramBothCracksPastDrainDecrement(g, d.hd);
            case cdNoDrain: return d.GuidelineTable ? DiagramDrained(g, d.hd) : DiagramBothCracksFull(g);
            case cdNotEffective: return DiagramBothCracksFull(g);
            }
        }
        if (d.xCu < d.Xdrain && d.xCd <= d.Xdrain)
            return DiagramBothCracksDrainDownstream(g);
        break;
    case csNone:
        break;
    }
    return DiagramDrained(g, d.hd);
}

// Area under the heads and the distance of its centroid from the upstream end.
void ProfileArea(const TUpliftProfile& profile, double& area, double& position)
{
    TProfileResultant resultant;
    ProfileResultant(profile.X, profile.P, resultant, std::numeric_limits<double>::infinity(), 0);
    area = resultant.Force;
    position = resultant.Position;
}

// Seismic profiles take area and centroid from the closed polygon under the heads, which
// runs clockwise.
void SeismicProfileArea(const TUpliftProfile& profile, double L, double& area, double& position)
{
    TXYPoint polygon[ProfilePoints + 3];
    int n = 0;
    polygon[n++] = {0, 0};
    for (int i = 1; i <= ProfilePoints; ++i)
        polygon[n++] = {profile.X[i], profile.P[i]};
    polygon[n++] = {L, 0};
    polygon[n++] = {0, 0};
    TXYPoint centroid;
    PolygonCentroid(polygon, n, area, centroid);
    area = -area;
    position = centroid.X;
}

} // namespace

double DrainPressureRatio(double L, double spacing, double h, double radius)
{
    // ln(sinh(a)) in a form that stays finite and accurate for drains far apart and thin ones.
    auto logSinh = [](double a) { return a + std::log(-std::expm1(-2 * a)) - std::numbers::ln2; };
    const double pi = std::numbers::pi;
    double g = (logSinh(2 * pi * h / spacing) - logSinh(pi * radius / spacing)) / (2 * pi);
    double ratio = (g - h / spacing) / (g - h * h / (spacing * L));
    return std::isfinite(ratio) ? ratio : 1;
}

TUpliftBasis UpliftBasis(const TParametres& model, int j, int k)
{
    TUpliftBasis basis;
    const TJoint& joint = model.Joint;
    basis.Length = std::hypot(joint.x2[j] - joint.x1[j], joint.y2[j] - joint.y1[j]);
    if (k >= 3 && k <= 6)
        for (int i = 1; i <= ProfilePoints; ++i) {
            basis.X[i] = joint.Pressure.x[i][1][j];
            basis.P[i] = Quotient(joint.Pressure.p[i][1][j], model.Reservoir.WaterWeight);
        }
    return basis;
}

void ComputeUplift(TParametres& model, int j, int k, double cu, double cd, Byte s)
{
    ComputeUplift(model, j, k, cu, cd, s, UpliftBasis(model, j, k));
}

void ComputeUplift(TParametres& model, int j, int k, double cu, double cd, Byte s, const TUpliftBasis& basis)
{
    TJoint& joint = model.Joint;
    Tjointload& load = model.JointLoad;
    const TReservoir& reservoir = model.Reservoir;
    TDrainage& drainage = model.Drainage;
    const double x1 = joint.x1[j], y1 = joint.y1[j], x2 = joint.x2[j], y2 = joint.y2[j];
    const double L = joint.Length[j];

    const double upLevel = k == 2 ? reservoir.FloodUp : reservoir.NormalUp;
    const double downLevel = k == 2 ? reservoir.FloodDn : reservoir.NormalDn;
    const double hU = MaxDouble(0, upLevel - y1);
    const double hD = MaxDouble(0, downLevel - y2);
    const double drainAlong = Quotient(drainage.Xdrain - x1, x2 - x1);

    // Crack arguments: cracks that meet crack the joint through; a downstream crack that
    // closes again keeps only its open part.
    double xCu = x1 + (x2 - x1) * cu;
    double xCd = x2 + (x2 - x1) * cd;
    if (cu - cd >= 1) {
        xCu = xCd = x2;
        cu = 1;
        cd = 0;
    }
    if (model.Cracking.UpliftInDownStreamClosedCrack && joint.CrackLength.Down[k][j] < joint.Compression.Down[k][j])
        cd = joint.Compression.Down[k][j];

    TDiagramGeometry g;
    g.L = basis.Length;
    g.tu = cu * g.L;
    g.td = (1 + cd) * g.L;
    g.xd = g.L * drainAlong;
    g.dy = y1 - y2;
    g.cu = cu;
    g.cd = cd;
    g.hU = hU;
    g.hD = hD;

    const double gamma = reservoir.WaterWeight;
    const bool seismic = k >= 3 && k <= 6;
    // The diagram is built in place: each table returns its profile.
    auto seismicDiagram = [&]() -> TUpliftProfile {
        if (!(hU > 0 || hD > 0)) {
            TUpliftProfile none;
            none.IdxUp = none.IdxDown = 1;
            return none;
        }
        return DiagramSeismic(g, basis, s == 2 ? 1 : 0, joint.ClosedCrack[k][j]);
    };
    auto staticDiagram = [&]() -> TUpliftProfile {
        const double yD = y1 + (y2 - y1) * drainAlong;
        const double dDr = std::hypot(drainage.Xdrain - x1, yD - y1);
        const double hG = MaxDouble(0, drainage.GalleryElev - yD);
        const DynArray<double>& perJoint = model.DrainEfficiency.Joint;
        const double effectiveness = model.DrainEfficiency.Activated ? (j < perJoint.Length() ? perJoint[j] : 0)
                                                                     : drainage.effectiveness;
        const double r = 1 - effectiveness;
        const double m = MaxDouble(hG, hD);
        const double e = joint.Elev[j];
        bool drainActs = model.Drain && (e <= drainage.GalleryElev ||
                                         (drainage.DrainOver && e <= drainage.MaxElevation));
        TDrainSituation d;
        d.dDr = dDr;
        d.xCu = xCu;
        d.xCd = xCd;
        d.Xdrain = drainage.Xdrain;
        d.CrackOver = drainage.CrackOver;
        if (!drainActs || drainage.Code == cANCOLD)
            return UndrainedDiagram(g, hU, s);
        if (drainage.Code == cCDSA) {
            if (drainage.Alternative != 1 && drainage.Alternative != 2)
                drainage.Alternative = 1;
            if (drainage.Alternative == 1)
                return UndrainedDiagram(g, drainage.K1 * hU, s);
            d.hd = MaxDouble(0, (1 - drainage.K2) * hD + drainage.K2 * hU);
            return DrainedDiagram(g, d, s);
        }
        if (drainage.Code != cUSBR && std::fabs(Quotient(dDr, hU)) <= 0.05) {
            // The drain lies on the upstream face.
            return UndrainedDiagram(g, m + (hU - m) * r, s);
        }
        const double undrainedRise = (hU - hD) * Quotient(L - dDr, L);
        switch (drainage.Code) {
        case cFERC: d.hd = m + (hU - m) * Quotient(L - dDr, L) * r; break;
        case cUSBR: d.hd = m + (hU - m) * r; break;
        default: d.hd = hG <= hD ? hD + undrainedRise * r : hG + (undrainedRise + hD - hG) * r; break;
        }
        // Without an upstream crack the drain head stays below the undrained straight line.
        if (g.tu == 0)
            d.hd = MinDouble(d.hd, hD + undrainedRise);

        // Drain heads for an upstream crack before and past the drain line.
        const double q = L - g.tu != 0 ? (L - dDr) / (L - g.tu) : 1;
        const double a = Quotient((L - dDr) * r, L);
        const double decrement = m + (hU - hD) * (a + Quotient(g.tu, dDr) * (1 - a));
        const double notEffective = hG <= hD ? hD + (hU - hD) * q * r : hG + ((hU - hD) * q + hD - hG) * r;
        switch (drainage.CrackOver) {
        case cdNotEffective: d.hdBefore = notEffective; break;
        case cdFullFull: d.hdBefore = drainage.Code == cFERC ? decrement : notEffective; break;
        case cdFullDecrement: d.hdBefore = decrement; break;
        case cdNoDrain: d.hdBefore = hD + (hU - hD) * q; break;
        }
        d.hdPast = m + (hU - m) * r;
        d.GuidelineTable = true;
        return DrainedDiagram(g, d, s);
    };
    const TUpliftProfile profile = seismic ? seismicDiagram() : staticDiagram();
    double area = 0, position = 0;
    if (!seismic)
        ProfileArea(profile, area, position);
    else if (hU > 0 || hD > 0)
        SeismicProfileArea(profile, g.L, area, position);

    // Store the diagram and its resultants.
    if (cu == 0 && cd == 0 && drainage.Code == cUSBR) {
        load.PFactor[k][j] = IsNotEqual(hU, 0) && IsNotEqual(L, 0)
                                 ? (area / L + (L / 2) * (L / 2 - position) * 12 * area / (L * L * L)) / hU
                                 : 0;
    }
    if (cu == 0 && cd == 0) {
        if (k == 1) {
            load.UN[j] = gamma * area;
            load.xUN[j] = position;
        } else if (k == 2) {
            load.UF[j] = gamma * area;
            load.xUF[j] = position;
        }
    }
    load.U[k][j] = gamma * area;
    load.Xu[k][j] = position;
    if ((cu > 0 || cd < 0) && model.UpliftLoad == ulInternal) {
        TProfileResultant cracked;
        ProfileResultant(profile.X, profile.P, cracked, g.tu, g.td);
        load.Uc[k][j] = gamma * cracked.Force;
        load.Xuc[k][j] = cracked.Position;
    } else {
        load.Uc[k][j] = 0;
        load.Xuc[k][j] = 0;
    }
    for (int i = 1; i <= ProfilePoints; ++i) {
        joint.Pressure.x[i][k][j] = profile.X[i];
        joint.Pressure.p[i][k][j] = gamma * profile.P[i];
    }
    joint.Pressure.Cr.Up[k][j] = gamma * profile.P[profile.IdxUp];
    joint.Pressure.Cr.Down[k][j] = gamma * profile.P[profile.IdxDown];
}
