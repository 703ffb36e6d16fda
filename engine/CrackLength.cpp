#include "engine/CrackLength.h"

#include <cmath>

#include "engine/JointAnalysis.h"
#include "engine/Loads.h"
#include "engine/Uplift.h"

namespace {

constexpr double UpperEnd = 0.9999999;
constexpr double LowerEnd = -0.9999999;
constexpr double ShortestCrack = -1e-7;

double Tolerance(TRootAccuracy accuracy)
{
    switch (accuracy) {
    case raCoarse: return 1e-5;
    case raFine: return 1e-7;
    default: return 1e-6;
    }
}

// Allowable tension of the joint for case k; a zero safety factor allows no tension.
double AllowableTension(const TParametres& model, int j, int k, bool initiation)
{
    const TCracking& cracking = model.Cracking;
    if (!cracking.Considered)
        return 1e100;
    bool noTension = initiation ? cracking.NoTensionI[k] : cracking.NoTensionP[k];
    double factor = initiation ? cracking.InitiationSF[k] : cracking.PropagationSF[k];
    if (noTension || factor == 0)
        return 0;
    return JointMaterial(model, j).ft / factor;
}

// End rules of a solved fraction: an upstream crack within 0.0005 of the joint's end
// cracks it through; a downstream one likewise, and one shorter than 1e-5 is no crack.
double ApplyEndRules(double r, bool upstream)
{
    if (upstream)
        return r >= 0.9995 ? 1 : r;
    if (r <= -0.9995)
        return -1;
    if (r >= -1e-5)
        return 0;
    return r;
}

// Rules from the residual at the lower end of the searched bracket: no tension where an
// upstream crack would start means no crack; tension even at the longest downstream crack
// means a crack through the joint.
double ApplyResidualRules(double r, bool upstream, bool lowerNegative)
{
    if (upstream && lowerNegative)
        return 0;
    if (!upstream && !lowerNegative)
        return -1;
    return r;
}

} // namespace

int ReferenceCase(const TParametres& model, int k)
{
    switch (k) {
    case 2: case 3: case 5: return 1;
    case 4: case 6: return k - 1;
    case 7: return 2 * MaxInteger(0, MinInteger(model.Charges.PostSeismic, 2)) + 1;
    default: return 0;
    }
}

double TCrackResidual::operator()(double x)
{
    TJoint& joint = FModel.Joint;
    const int j = FJ, k = FK;
    const double up = joint.CrackLength.Up[k][j], down = joint.CrackLength.Down[k][j];
    const bool upstream = x >= 0;
    const bool upliftApplies = FModel.LoadCombination.U[k] != 0 && FMode != 1;
    const bool recompute = upliftApplies && (upstream ? x > up : x < down);
    if (recompute) {
        ComputeTrialUplift(upstream ? x : up, upstream ? down : x);
        FTrialUplift = true;
    } else {
        RestoreUplift();
    }
    AnalyseJoint(FModel, j, k, upstream ? x : up, upstream ? down : x, false, FSums);

    double tip = 0;
    if (FInternal) {
        TProfile8 xs, ps;
        for (int i = 1; i <= 8; ++i) {
            xs[i] = joint.Pressure.x[i][k][j];
            ps[i] = joint.Pressure.p[i][k][j];
        }
        tip = ProfileValueAt(xs, ps, (upstream ? x : 1 + x) * joint.Length[j]);
    }

    // Inside a crack of the reference case the joint has no tensile strength.
    double allowable = AllowableTension(FModel, j, k, FInitiation);
    const int reference = ReferenceCase(FModel, k);
    if (reference > 0) {
        const double known = upstream ? joint.CrackLength.Up[reference][j] : -joint.CrackLength.Down[reference][j];
        const double trial = std::fabs(x);
        if (k == 7 ? known >= trial : known > trial)
            allowable = 0;
    }
    if (k >= 3 && k <= 6)
        allowable *= FModel.Cracking.DynamicMagn;

    const double stress = upstream ? joint.Stress.normal.Up[k][j] : joint.Stress.normal.Down[k][j];
    return stress - allowable + tip;
}

void TCrackResidual::RestoreUplift()
{
    if (!FTrialUplift)
        return;
    const TJoint& joint = FModel.Joint;
    ComputeTrialUplift(joint.CrackLength.Up[FK][FJ], joint.CrackLength.Down[FK][FJ]);
    FTrialUplift = false;
}

void TCrackResidual::ComputeTrialUplift(double cu, double cd)
{
    if (!FUpliftBasis)
        FUpliftBasis = UpliftBasis(FModel, FJ, FK);
    ComputeUplift(FModel, FJ, FK, cu, cd, FMode, *FUpliftBasis);
}

double CrackTipResidual(TParametres& model, int j, int k, double x, Byte mode, bool initiation, bool internal)
{
    TJointLoadSums sums;
    TCrackResidual f(model, j, k, mode, initiation, internal, sums);
    const double r = f(x);
    f.RestoreUplift();
    return r;
}

void BracketCrackRoot(int n, double* lows, double* highs, int& count, double start, double end, TCrackResidual& f,
                      bool& startNotPositive)
{
    const double dx = (end - start) / n;
    double previous = f(start);
    startNotPositive = previous <= 0;
    count = 0;
    for (int i = 1; i <= n; ++i) {
        const double x = start + i * dx;
        const double current = f(x);
        if (current * previous < 0) {
            lows[count] = x - dx;
            highs[count] = x;
            ++count;
        }
        previous = current;
    }
}

double BisectCrackRoot(TCrackResidual& f, double tolerance, double a, double b, bool& lowerNegative,
                       bool& lowerNotNegative)
{
    lowerNegative = lowerNotNegative = true;
    double root, dx;
    if (f(a) < 0) {
        lowerNotNegative = false;
        root = a;
        dx = b - a;
    } else {
        lowerNegative = false;
        root = b;
        dx = a - b;
    }
    for (int i = 0; i < 40; ++i) {
        dx /= 2;
        const double xm = root + dx;
        const double fm = f(xm);
        if (fm <= 0)
            root = xm;
        if (std::fabs(dx) < tolerance || fm == 0)
            break;
    }
    return root;
}

double BrentCrackRoot(TCrackResidual& f, double tolerance, double lo, double hi)
{
    double a = lo, b = hi, c = hi;
    double fa = f(a), fb = f(b), fc = fb;
    double d = b - a, e = d;
    for (int iteration = 0; iteration < 100; ++iteration) {
        if (fb * fc > 0) {
            c = a;
            fc = fa;
            d = e = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 = 6e-8 * std::fabs(b) + tolerance / 2;
        const double xm = (c - b) / 2;
        if (std::fabs(xm) <= tol1 || fb == 0)
            return b;
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            // Inverse quadratic interpolation, or the secant when only two points differ.
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                p = 2 * xm * s;
                q = 1 - s;
            } else {
                const double qa = fa / fc, r = fb / fc;
                p = s * (2 * xm * qa * (qa - r) - (b - a) * (r - 1));
                q = (qa - 1) * (r - 1) * (s - 1);
            }
            if (p > 0)
                q = -q;
            p = std::fabs(p);
            if (2 * p < MinDouble(3 * xm * q - std::fabs(tol1 * q), std::fabs(e * q))) {
                e = d;
                d = p / q;
            } else {
                d = e = xm;
            }
        } else {
            d = e = xm;
        }
        a = b;
        fa = fb;
        b += std::fabs(d) > tol1 ? d : std::copysign(tol1, xm);
        fb = f(b);
    }
    return b;
}

double SolveCrackLength(TParametres& model, int j, int k, int side, bool initiation, Byte mode)
{
    TJointLoadSums sums;
    return SolveCrackLength(model, j, k, side, initiation, mode, sums);
}

double SolveCrackLength(TParametres& model, int j, int k, int side, bool initiation, Byte mode, TJointLoadSums& sums)
{
    TJoint& joint = model.Joint;
    const bool upstream = side == 1;
    TCrackResidual f(model, j, k, mode, initiation, model.UpliftLoad == ulInternal, sums);
    const double tolerance = Tolerance(model.Cracking.RootAccuracy);

    // The search interval and a first guess at the drain line, kept inside the interval.
    const double lo = upstream ? 0 : LowerEnd;
    const double hi = upstream ? UpperEnd : ShortestCrack;
    const double span = joint.x2[j] - joint.x1[j];
    double guess = upstream ? 0.5 : -0.5;
    if (model.Drain && span != 0) {
        const double atDrain = (model.Drainage.Xdrain - (upstream ? joint.x1[j] : joint.x2[j])) / span;
        if (lo < atDrain && atDrain < hi)
            guess = atDrain;
    }

    double r;
    if (model.Cracking.RootMethod == rmBisection) {
        constexpr int Steps = 5;
        double lows[Steps], highs[Steps];
        int count = 0;
        bool startNotPositive = false;
        double a = lo, b = hi;
        BracketCrackRoot(Steps, lows, highs, count, lo, guess, f, startNotPositive);
        if (count == 0)
            BracketCrackRoot(Steps, lows, highs, count, guess, hi, f, startNotPositive);
        if (count > 0) {
            a = lows[0];
            b = highs[0];
        }
        bool lowerNegative = false, lowerNotNegative = false;
        r = ApplyEndRules(BisectCrackRoot(f, tolerance, a, b, lowerNegative, lowerNotNegative), upstream);
        r = ApplyResidualRules(r, upstream, lowerNegative);
    } else {
        // The search itself needs no sign change; an interval without one is decided as the
        // bisection decides it: no crack, or a crack through the joint.
        const double atLo = f(lo), atHi = f(hi);
        if (upstream ? atLo < 0 || atHi >= 0 : atLo >= 0 || atHi <= 0)
            r = ApplyResidualRules(upstream ? 1 : 0, upstream, atLo < 0);
        else
            r = ApplyEndRules(BrentCrackRoot(f, tolerance, lo, hi), upstream);
    }

    f.RestoreUplift();
    TUpDownDynamic& crack = joint.CrackLength;
    if (upstream) {
        crack.Up[k][j] = r;
        if (crack.Up[k][j] - crack.Down[k][j] > 1)
            crack.Down[k][j] = crack.Up[k][j] - 1;
        joint.Compression.Down[k][j] = 0;
    } else {
        crack.Down[k][j] = r;
        if (crack.Up[k][j] - crack.Down[k][j] > 1)
            crack.Up[k][j] = 1 + crack.Down[k][j];
        joint.Compression.Up[k][j] = 0;
    }
    return r;
}
