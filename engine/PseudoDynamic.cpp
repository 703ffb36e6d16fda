// The simplified pseudo-dynamic method: the fundamental mode of the dam-reservoir-
// foundation system with its lengthened period and added damping, first-mode loads from
// the spectral acceleration, a static correction for the higher modes from the ground
// acceleration, and their modal combination, integrated over horizontal slices of the dam.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "engine/Loads.h"
#include "engine/Tables.h"

// What the accelerations do not change: the slices with their tributary heights o, weights
// w, mode shape phi and hydrodynamic pressure terms fp (first mode) and f0 (static
// correction), and the modal quantities of the fundamental mode.
struct TModalBasis {
    int n = 0;
    std::vector<double> h, o, phi, w, fp, f0;
    std::vector<bool> wet;
    double zb = 0, Hs = 0, gf = 0, gamma = 0;
    double M1 = 0, L1 = 0, Mt1 = 0, Lt1 = 0, B1 = 0;
    // The pseudo-dynamic coefficients of the model once the mode is found.
    TChopraCoeff ChopraC;
};

namespace {

double Quotient(double num, double den)
{
    return den != 0 ? num / den : 0;
}

// The per-joint fields one case writes (peak or sustained).
struct TCaseFields {
    DynArray<double>&EQ1, &yEQ1, &EQs, &yEQs, &HD1, &yHD1, &Hds, &yHds, &Mqh1, &yMqh1, &Mqhs, &yMqhs;
    DynArray<double>&EM1, &yEM1, &EMs, &yEMs, &EMc, &yEMc;
    DynArray<double>&EQv, &xEQv, &VDu, &xVDu, &Mqv, &xMqv;
};

TCaseFields FieldsOfCase(Tjointload& L, bool sustained)
{
    if (sustained)
        return {L.EQ1p, L.yEQ1p, L.EQsp, L.yEQsp, L.HD1p, L.yHD1p, L.Hdsp, L.yHdsp, L.Mqh1p, L.yMqh1p, L.Mqhsp,
                L.yMqhsp, L.EM1p, L.yEM1p, L.EMsp, L.yEMsp, L.EMcp, L.yEMcp, L.EQvp, L.xEQvp, L.VDup, L.xVDup,
                L.Mqvp, L.xMqvp};
    return {L.EQ1, L.yEQ1, L.EQs, L.yEQs, L.HD1, L.yHD1, L.Hds, L.yHds, L.Mqh1, L.yMqh1, L.Mqhs, L.yMqhs,
            L.EM1, L.yEM1, L.EMs, L.yEMs, L.EMc, L.yEMc, L.EQv, L.xEQv, L.VDu, L.xVDu, L.Mqv, L.xMqv};
}

// Slice quantities, indexed 1..n like the slice table.
struct TSlices {
    int n = 0;
    std::vector<double> h;          // elevation
    std::vector<double> qc1, qh1;   // first mode per unit height: concrete, water
    std::vector<double> qcs, qhs;   // static correction per unit height: concrete, water
    std::vector<double> m1, mm1;    // first-mode force of the masses in the slice and its moment
    std::vector<double> ms, mms;    // the same for the static correction
};

// Fundamental mode of the dam-reservoir-foundation system and the slices; stores the modal
// quantities in ChopraC.
TModalBasis ModalBasis(TParametres& model)
{
    const bool si = model.unites == SI;
    const double g = model.gravity;
    const TElev& el = model.Dim.Elev;
    const TReservoir& res = model.Reservoir;
    TChopraCoeff& cc = model.ChopraC;

    const double wc = model.Concrete.mass * (si ? g : 1) / 1000;
    TModalBasis s;
    s.gf = si ? g : 1;
    const double zb = (el.A + el.B) / 2;
    const double Hs = el.G - zb;
    s.zb = zb;
    s.Hs = Hs;
    // A dry reservoir (level below the upstream foundation) has no depth, not a negative one.
    const double Hr = MaxDouble(res.NormalUp - el.Fup, 0);
    const double ratio = Quotient(Hr, Hs);
    cc.Hbarrage = Hs;
    cc.Hreservoir = Hr;

    const std::vector<double> levels = DivisionLevels(model);
    s.n = static_cast<int>(levels.size());
    const int n = s.n;
    std::vector<double> b(n + 2);
    s.h.assign(n + 2, 0);
    s.o.assign(n + 2, 0);
    s.phi.assign(n + 2, 0);
    s.w.assign(n + 2, 0);
    s.fp.assign(n + 2, 0);
    s.f0.assign(n + 2, 0);
    s.wet.assign(n + 2, false);
    for (int i = 1; i <= n; ++i) {
        s.h[i] = levels[i - 1];
        b[i] = SliceWidth(model.Dim, s.h[i]);
    }
    const std::vector<double>& h = s.h;
    std::vector<double>&o = s.o, &phi = s.phi, &w = s.w, &fp = s.fp, &f0 = s.f0;

    // Period ratios and added dampings of reservoir and foundation.
    const double Es = si ? model.Concrete.Ec / 0.006894757 : model.Concrete.Ec;
    InterpolateReservoirFactors(Es, ratio, cc.Alpha, cc.Rr, cc.er);
    FoundationFactorsByFit(model.Concrete.Ec, model.Foundation.Ef, cc.FoundHystDamping, cc.Rf, cc.ef);

    // Period of the dam alone; a dam without stiffness has no period to lengthen (0).
    const double T1 = model.Concrete.Ec > 0 ? (si ? 0.38 : 1.4) * Hs / std::sqrt(model.Concrete.Ec) : 0;
    const double Tt1 = T1 * cc.Rr * cc.Rf;

    // Tributary heights, mode shape and weights of the slices.
    for (int i = 1; i <= n; ++i) {
        if (n == 1)
            o[i] = 0;
        else if (i == 1)
            o[i] = (h[2] - h[1]) / 2;
        else if (i == n)
            o[i] = (h[n] - h[n - 1]) / 2;
        else
            o[i] = (h[i + 1] - h[i - 1]) / 2;
        double yr = Quotient(h[i] - zb, Hs);
        phi[i] = ModeShape(yr > 0 ? yr : 0);
        if (n == 1)
            w[i] = 0;
        else if (i == 1)
            w[i] = o[1] * (3 * b[1] + b[2]) / 4 * wc;
        else if (i == n)
            w[i] = o[n] * (3 * b[n] + b[n - 1]) / 4 * wc;
        else
            w[i] = ((3 * b[i] + b[i - 1]) * (h[i] - h[i - 1]) + (3 * b[i] + b[i + 1]) * (h[i + 1] - h[i])) * wc / 8;
    }
    double M1 = 0, L1 = 0;
    for (int i = 1; i <= n; ++i) {
        M1 += w[i] * phi[i] * phi[i];
        L1 += w[i] * phi[i];
    }
    if (si) {
        M1 = Quotient(M1, g);
        L1 = Quotient(L1, g);
    }
    const double Mt1 = cc.Rr * cc.Rr * M1;

    // Reservoir: hydrostatic force, period, period ratio and the pressure function.
    const double gamma = res.WaterWeight;
    const double Fst = Hr * Hr * gamma / 2;
    // Water without a wave velocity is taken as incompressible (no reservoir period).
    const double Tr = res.WaveVelocity > 0 ? 4 * Hr / res.WaveVelocity : 0;
    const double Rw = Quotient(cc.Rf * Tr, Tt1);
    double Ap = 0;
    HydrodynamicForceCoefficient(Rw, cc.Alpha, Ap);
    const double Lt1 = L1 + (si ? Quotient(Fst, g) : Fst) * ratio * ratio * Ap;
    std::array<double, 8> C{};
    InterpolatePressureCoefficients(Rw, cc.Alpha, C);

    // Hydrodynamic pressure terms of the wet slices.
    for (int i = 1; i <= n; ++i) {
        s.wet[i] = Hr > 0 && h[i] - el.Fup <= Hr;
        if (!s.wet[i])
            continue;
        double y = (h[i] - el.Fup) / Hr;
        if (y <= 0)
            y = 1e-7;
        double p = 0;
        for (int k = 7; k >= 0; --k)
            p = p * y + C[k];
        double p0 = 0.742 + y * (-0.134301 + y * (0.794677 + y * (-4.33616 + y * (5.84236 + y * -2.90501))));
        fp[i] = MaxDouble(Hr * ratio * ratio * p * o[i], 0);
        f0[i] = MaxDouble(Hr * p0 * o[i], 0);
    }
    double B1 = 0.2 * Fst * ratio * ratio;
    if (si)
        B1 = Quotient(B1, g);

    cc.TDam = T1;
    cc.TRes = Tr;
    cc.TDamRes = T1 * cc.Rr;
    cc.TDamResFound = Tt1;
    cc.Rw = Rw;
    cc.Ap = Ap;
    cc.e = Quotient(cc.e1, cc.Rr * cc.Rf * cc.Rf * cc.Rf) + cc.er + cc.ef;
    cc.M1 = M1;
    cc.M11 = Mt1;
    cc.L1 = L1;
    cc.L11 = Lt1;
    cc.B1 = B1;
    cc.Fst = Fst;

    s.gamma = gamma;
    s.M1 = M1;
    s.L1 = L1;
    s.Mt1 = Mt1;
    s.Lt1 = Lt1;
    s.B1 = B1;
    s.ChopraC = cc;
    return s;
}

// The slice loads of one acceleration set (spectral S, ground ag); the loads per unit height
// from slice `from` up, those below it are left 0.
TSlices SliceLoads(const TParametres& model, const TModalBasis& basis, double S, double ag, int from)
{
    const int n = basis.n;
    const std::vector<double>&h = basis.h, &o = basis.o, &phi = basis.phi, &w = basis.w, &fp = basis.fp,
                        &f0 = basis.f0;
    const double gamma = basis.gamma, M1 = basis.M1, L1 = basis.L1, B1 = basis.B1;
    TSlices s;
    s.n = n;
    s.h = h;

    // First-mode and static-correction forces per unit height. Without a vibrating mass
    // (M1 = 0) there is no first mode and the static correction moves the dam rigidly.
    const double K1 = -Quotient(basis.Lt1, basis.Mt1) * S;
    s.qc1.assign(n + 2, 0);
    s.qh1.assign(n + 2, 0);
    s.qcs.assign(n + 2, 0);
    s.qhs.assign(n + 2, 0);
    for (int i = from; i <= n; ++i) {
        s.qc1[i] = Quotient(w[i] * phi[i] * K1, o[i]);
        s.qh1[i] = Quotient(fp[i] * gamma * K1, o[i]);
        s.qcs[i] = Quotient(-ag * w[i] * (1 - Quotient(L1, M1) * phi[i]), o[i]);
        if (basis.wet[i])
            s.qhs[i] = Quotient(-ag * (gamma * f0[i] - Quotient(B1, M1) * w[i] * phi[i]), o[i]);
    }

    // Concentrated masses, each in the slice with h[i] < Elev <= h[i + 1].
    s.m1.assign(n + 2, 0);
    s.mm1.assign(n + 2, 0);
    s.ms.assign(n + 2, 0);
    s.mms.assign(n + 2, 0);
    const DynArray<TMasses>& masses = model.Masses.Elem;
    for (int m = 0; m < masses.Length(); ++m) {
        const TMasses& mass = masses[m];
        for (int i = 1; i < n; ++i) {
            if (!(h[i] < mass.Elev && mass.Elev <= h[i + 1]))
                continue;
            double first = ModeShape(Quotient(mass.Elev - basis.zb, basis.Hs)) * mass.HorMass * basis.gf / 1000 * K1;
            double correction = -ag * mass.HorMass * basis.gf / 1000;
            s.m1[i] += first;
            s.mm1[i] += first * mass.Elev;
            s.ms[i] += correction;
            s.mms[i] += correction * mass.Elev;
            break;
        }
    }
    return s;
}

// Eight or four numbers added lane by lane: one vector addition on processors that have
// them, each lane rounded exactly as the scalar addition would round it. Aligned as a double,
// so that any array of them serves.
using TEight = double __attribute__((vector_size(8 * sizeof(double)), aligned(sizeof(double))));
using TFour = double __attribute__((vector_size(4 * sizeof(double)), aligned(sizeof(double))));

// The horizontal forces of the slices above a joint and their moments about the ground: the
// forces of the concrete and the water of the first mode and of the static correction (EQ1,
// EQs, HD1, Hds) followed by their moments, and apart the masses (Mqh1 and Mqhs, then their
// moments).
enum TSliceSum { ssEQ1, ssEQs, ssHD1, ssHds, MomentLane };
enum TMassSum { msMqh1, msMqhs, msMqh1Moment, msMqhsMoment };
struct TSliceSums {
    TEight Loads{};
    TFour Masses{};
};

// The force and moment one slice adds to every joint below it. A slice of the per-height
// values q[k], q[k + 1] adds their trapezoid and its moment; a slice without force, or
// without a mass, adds zeros, which leave every sum as it is (the sums start at +0, so none
// is ever -0).
struct TSliceTerm : TSliceSums {
    bool HasMasses = false;
};

// The terms of the slices k = from..n - 1.
std::vector<TSliceTerm> SliceTerms(const TSlices& s, int from)
{
    const std::vector<double>* const perHeight[] = {&s.qc1, &s.qcs, &s.qh1, &s.qhs};
    std::vector<TSliceTerm> terms(s.n + 1);
    for (int k = from; k < s.n; ++k) {
        TSliceTerm& term = terms[k];
        const double dh = s.h[k + 1] - s.h[k];
        for (int a = ssEQ1; a <= ssHds; ++a) {
            const std::vector<double>& q = *perHeight[a];
            const double F = (q[k] + q[k + 1]) / 2 * dh;
            if (F == 0)
                continue;
            term.Loads[a] = F;
            term.Loads[MomentLane + a] = dh * (s.h[k] * (q[k] + q[k + 1]) / 2 + dh * (q[k] + 2 * q[k + 1]) / 6);
        }
        if (s.m1[k] != 0) {
            term.Masses[msMqh1] = s.m1[k];
            term.Masses[msMqh1Moment] = s.mm1[k];
            term.HasMasses = true;
        }
        if (s.ms[k] != 0) {
            term.Masses[msMqhs] = s.ms[k];
            term.Masses[msMqhsMoment] = s.mms[k];
            term.HasMasses = true;
        }
    }
    return terms;
}

// The first of the n slices of elevations h[1..n] above the joint of elevation y: the first k
// with h[k] >= y (n when none).
int FirstSliceAbove(const std::vector<double>& h, int n, double y)
{
    int k = 1, past = n;
    while (k < past) {
        const int mid = (k + past) / 2;
        if (h[mid] < y)
            k = mid + 1;
        else
            past = mid;
    }
    return k;
}

// Adds the terms of slices to the sums of a block of joints whose first slices, in
// ascending order, are `start`: slice k to every joint whose first slice is k or below, so
// that each joint's sums are added from its first slice upwards.
[[gnu::target_clones("avx512f", "avx2", "default")]] void AddSlicesToBlock(const std::vector<TSliceTerm>& terms, int n,
                                                              const std::vector<int>& start, TSliceSums* sums)
{
    const int count = static_cast<int>(start.size());
    int begun = 0;
    for (int k = start[0]; k < n; ++k) {
        while (begun < count && start[begun] <= k)
            ++begun;
        const TSliceTerm& term = terms[k];
        for (int p = 0; p < begun; ++p)
            sums[p].Loads += term.Loads;
        if (term.HasMasses)
            for (int p = 0; p < begun; ++p)
                sums[p].Masses += term.Masses;
    }
}

// The sums of the slices above each joint, given by its first slice, each added from that
// slice upwards and handed to `use` with the joint's place in `start`. The joints are taken
// from the lowest first slice on, in blocks whose sums stay in the cache while the slices
// pass: slice k adds its terms to every joint of the block whose slices have begun.
template <class TUse>
void SumsAboveJoints(const TSlices& s, const std::vector<int>& start, int lowest, TUse use)
{
    const std::vector<TSliceTerm> terms = SliceTerms(s, lowest);
    const int count = static_cast<int>(start.size());
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return start[a] < start[b]; });

    constexpr int Block = 256;
    std::vector<TSliceSums> sums(Block);
    std::vector<int> blockStart;
    for (int p0 = 0; p0 < count; p0 += Block) {
        const int size = std::min(Block, count - p0);
        blockStart.clear();
        for (int p = p0; p < p0 + size; ++p)
            blockStart.push_back(start[order[p]]);
        std::fill_n(sums.begin(), size, TSliceSums{});
        AddSlicesToBlock(terms, s.n, blockStart, sums.data());
        for (int p = 0; p < size; ++p)
            use(order[p0 + p], sums[p]);
    }
}

// A lever arm from its moment; a zero force has a zero lever arm.
void Lever(double force, double& arm)
{
    arm = Quotient(arm, force);
}

void JointLoads(TParametres& model, const TSliceSums& sums, bool sustained, double ag, int j)
{
    Tjointload& L = model.JointLoad;
    TCaseFields f = FieldsOfCase(L, sustained);
    const double av = sustained ? model.Acc.Sust.vertical : model.Acc.Peak.vertical;

    // Vertical inertia of the concrete, of the water on the upstream batter and of the masses.
    f.EQv[j] = av * L.Wv[j];
    f.xEQv[j] = L.xW[j];
    f.VDu[j] = av * L.VNu[j];
    f.xVDu[j] = L.xVNu[j];
    f.Mqv[j] = av * L.Mv[j];
    f.xMqv[j] = L.xMv[j];

    // Horizontal forces of the slices above the joint; the y fields gather moments first.
    const TEight& loads = sums.Loads;
    double EQ1 = loads[ssEQ1], yEQ1 = loads[MomentLane + ssEQ1], EQs = loads[ssEQs], yEQs = loads[MomentLane + ssEQs];
    double HD1 = loads[ssHD1], yHD1 = loads[MomentLane + ssHD1], Hds = loads[ssHds], yHds = loads[MomentLane + ssHds];
    double Mqh1 = sums.Masses[msMqh1], yMqh1 = sums.Masses[msMqh1Moment];
    double Mqhs = sums.Masses[msMqhs], yMqhs = sums.Masses[msMqhsMoment];
    Lever(EQ1, yEQ1);
    Lever(EQs, yEQs);
    Lever(HD1, yHD1);
    Lever(Hds, yHds);
    Lever(Mqh1, yMqh1);
    Lever(Mqhs, yMqhs);
    f.EQ1[j] = EQ1;
    f.yEQ1[j] = yEQ1;
    f.EQs[j] = EQs;
    f.yEQs[j] = yEQs;
    f.HD1[j] = HD1;
    f.yHD1[j] = yHD1;
    f.Hds[j] = Hds;
    f.yHds[j] = yHds;
    f.Mqh1[j] = Mqh1;
    f.yMqh1[j] = yMqh1;
    f.Mqhs[j] = Mqhs;
    f.yMqhs[j] = yMqhs;

    // Totals of the two modes and their combination.
    double EM1 = EQ1 + HD1 + Mqh1;
    double EMs = EQs + Hds + Mqhs;
    double yEM1 = Quotient(EQ1 * yEQ1 + HD1 * yHD1 + Mqh1 * yMqh1, EM1);
    double yEMs = Quotient(EQs * yEQs + Hds * yHds + Mqhs * yMqhs, EMs);
    double EMc = 0, yEMc = 0;
    double e = model.Joint.Elev[j];
    switch (model.ChopraCombination) {
    case ccFirst:
        EMc = EM1;
        yEMc = yEM1;
        break;
    case ccSup:
        EMc = EMs;
        yEMc = yEMs;
        break;
    case ccSRSS: {
        // The combined force acts against the ground acceleration. Without a ground
        // acceleration there is no static correction (EMs = 0) and the combination is the
        // first mode itself, with its own sign.
        double magnitude = std::sqrt(EM1 * EM1 + EMs * EMs);
        EMc = ag != 0 ? (ag > 0 ? -magnitude : magnitude) : EM1;
        double a1 = (yEM1 - e) * EM1, as = (yEMs - e) * EMs;
        if (EMc != 0)
            yEMc = e + std::sqrt(a1 * a1 + as * as) / std::fabs(EMc);
        break;
    }
    case ccAbs:
        EMc = EM1 + EMs;
        yEMc = Quotient(EM1 * yEM1 + EMs * yEMs, EMc);
        break;
    }
    f.EM1[j] = EM1;
    f.yEM1[j] = yEM1;
    f.EMs[j] = EMs;
    f.yEMs[j] = yEMs;
    f.EMc[j] = EMc;
    f.yEMc[j] = yEMc;
}

void ClearJointLoads(Tjointload& L, int j)
{
    for (bool sustained : {false, true}) {
        TCaseFields f = FieldsOfCase(L, sustained);
        for (DynArray<double>* field : {&f.EQ1, &f.yEQ1, &f.EQs, &f.yEQs, &f.HD1, &f.yHD1, &f.Hds, &f.yHds, &f.EM1,
                                        &f.yEM1, &f.EMs, &f.yEMs, &f.EMc, &f.yEMc, &f.Mqh1, &f.Mqhs, &f.Mqv, &f.yMqh1,
                                        &f.yMqhs, &f.xMqv})
            (*field)[j] = 0;
    }
}

} // namespace

double ModeShape(double yr)
{
    static constexpr double c[10] = {0, 0.137099, 1.97039, -21.3843, 127.282, -410.11, 775.081, -855.048, 508.906, -125.834};
    double phi = 0;
    for (int k = 9; k >= 0; --k)
        phi = phi * yr + c[k];
    return phi < 0 ? 0 : phi > 1 ? 1 : phi;
}

namespace {

// The loads of one case for the joints first..last from the fundamental mode.
void CaseLoads(TParametres& model, const TModalBasis& basis, bool sustained, int first, int last)
{
    const TAcc& acc = sustained ? model.Acc.Sust : model.Acc.Peak;
    // The slices below the lowest joint load none.
    std::vector<int> start(last - first + 1);
    int lowest = basis.n;
    for (int j = first; j <= last; ++j) {
        start[j - first] = FirstSliceAbove(basis.h, basis.n, model.Joint.y1[j]);
        lowest = std::min(lowest, start[j - first]);
    }
    const TSlices slices = SliceLoads(model, basis, acc.spectral, acc.horizontal, lowest);
    SumsAboveJoints(slices, start, lowest, [&](int joint, const TSliceSums& sums) {
        JointLoads(model, sums, sustained, acc.horizontal, first + joint);
    });
}

// The joints one call loads (all of them for a negative joint). Without pseudo-dynamic input
// their loads are cleared and there is nothing more to do.
bool LoadedJoints(TParametres& model, int joint, int& first, int& last)
{
    first = joint < 0 ? 0 : joint;
    last = joint < 0 ? model.NJoints : MinInteger(joint, model.NJoints);
    if (model.Donnees.Contains(daPseudoDynamic))
        return true;
    for (int j = first; j <= last; ++j)
        ClearJointLoads(model.JointLoad, j);
    return false;
}

} // namespace

void ComputePseudoDynamicLoads(TParametres& model, Byte loadCase, int joint)
{
    int first, last;
    if (!LoadedJoints(model, joint, first, last))
        return;
    const TModalBasis basis = ModalBasis(model);
    if (loadCase > 1 || first > last)
        return;
    CaseLoads(model, basis, loadCase == 1, first, last);
}

void ComputePseudoDynamicLoads(TParametres& model, int joint)
{
    ComputePseudoDynamicLoads(model, joint, nullptr);
}

std::shared_ptr<const TModalBasis> PseudoDynamicBasis(TParametres& model)
{
    return std::make_shared<const TModalBasis>(ModalBasis(model));
}

void ComputePseudoDynamicLoads(TParametres& model, int joint, const TModalBasis* kept)
{
    int first, last;
    if (!LoadedJoints(model, joint, first, last))
        return;
    TModalBasis fresh;
    if (kept)
        model.ChopraC = kept->ChopraC;
    else
        fresh = ModalBasis(model);
    const TModalBasis& basis = kept ? *kept : fresh;
    if (first > last)
        return;
    CaseLoads(model, basis, false, first, last);
    CaseLoads(model, basis, true, first, last);
}
