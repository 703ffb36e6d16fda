#pragma once
// Crack-length solution: how far a crack runs from the upstream face (side 1) or from the
// downstream face (side 2) of a joint for one load case, as the crack fraction at which the
// normal stress at the crack tip has fallen to the allowable tension.
#include <optional>

#include "engine/JointAnalysis.h"
#include "engine/Unites.h"
#include "engine/Uplift.h"

// The case whose cracks case k starts from: 1 for cases 2, 3 and 5, k - 1 for cases 4 and
// 6, the stress case of the seismic combination named by Charges.PostSeismic for case 7;
// 0 for case 1, which has none.
int ReferenceCase(const TParametres& model, int k);

// The residual f(x) of a trial crack fraction x (x >= 0 upstream, x < 0 downstream):
// tip stress minus allowable tension plus, for internal uplift, the uplift pressure at the
// tip. Writes the trial's uplift and stresses into the model.
double CrackTipResidual(TParametres& model, int j, int k, double x, Byte mode, bool initiation, bool internal);

// The residual of one joint and case as a function of the trial fraction, as
// CrackTipResidual gives it. Between trials it keeps the load sums that do not depend on
// the cracks in `sums`, and it leaves a trial's uplift in the model until a trial needs the
// uplift of the present cracks or RestoreUplift puts it back.
class TCrackResidual {
public:
    TCrackResidual(TParametres& model, int j, int k, Byte mode, bool initiation, bool internal, TJointLoadSums& sums)
        : FModel(model), FJ(j), FK(k), FMode(mode), FInitiation(initiation), FInternal(internal), FSums(sums)
    {
    }
    double operator()(double x);
    // The uplift of the joint's present cracks, when a trial left its own.
    void RestoreUplift();

private:
    TParametres& FModel;
    int FJ, FK;
    Byte FMode;
    bool FInitiation, FInternal;
    TJointLoadSums& FSums;
    bool FTrialUplift = false;
    // What the uplift of every trial shares.
    std::optional<TUpliftBasis> FUpliftBasis;

    void ComputeTrialUplift(double cu, double cd);
};

// Scans [start, end] in n steps and stores every step over which f changes sign (strictly)
// in lows / highs (from index 0; room for n each); count is the number found.
// startNotPositive tells whether f(start) <= 0.
void BracketCrackRoot(int n, double* lows, double* highs, int& count, double start, double end, TCrackResidual& f,
                      bool& startNotPositive);
// Bisection of [a, b] to the tolerance; lowerNegative is set when f(a) < 0, lowerNotNegative
// when f(a) >= 0.
double BisectCrackRoot(TCrackResidual& f, double tolerance, double a, double b, bool& lowerNegative,
                       bool& lowerNotNegative);
// Brent-type search over [lo, hi] (no sign change required), at most 100 iterations.
double BrentCrackRoot(TCrackResidual& f, double tolerance, double lo, double hi);

// Solves the crack of side 1 (upstream) or any other side (downstream) for joint j and
// case k with Cracking.RootMethod to the tolerance of Cracking.RootAccuracy; stores it in
// Joint.CrackLength, shortens the other side's crack so that the two do not overlap and
// sets the other side's Joint.Compression to 0. The trials' stresses stay in the model; its
// uplift is that of the cracks the joint had before.
double SolveCrackLength(TParametres& model, int j, int k, int side, bool initiation, Byte mode);
// The same with the load sums of the joint and case kept by the caller.
double SolveCrackLength(TParametres& model, int j, int k, int side, bool initiation, Byte mode, TJointLoadSums& sums);
