#pragma once
// Crack-length solution: how far a crack runs from the upstream face (side 1) or from the
// downstream face (side 2) of a joint for one load case, as the crack fraction at which the
// normal stress at the crack tip has fallen to the allowable tension.
#include "engine/Unites.h"

class TVector;

// The case whose cracks case k starts from: 1 for cases 2, 3 and 5, k - 1 for cases 4 and
// 6, the stress case of the seismic combination named by Charges.PostSeismic for case 7;
// 0 for case 1, which has none.
int ReferenceCase(const TParametres& model, int k);

// The residual f(x) of a trial crack fraction x (x >= 0 upstream, x < 0 downstream):
// tip stress minus allowable tension plus, for internal uplift, the uplift pressure at the
// tip. Writes the trial's uplift and stresses into the model.
double CrackTipResidual(TParametres& model, int j, int k, double x, Byte mode, bool initiation, bool internal);

// The residual of one joint and case as a function of the trial fraction.
struct TCrackResidual {
    TParametres& Model;
    int J, K;
    Byte Mode;
    bool Initiation, Internal;

    double operator()(double x) const { return CrackTipResidual(Model, J, K, x, Mode, Initiation, Internal); }
};

// Scans [start, end] in n steps and stores every step over which f changes sign (strictly)
// in lows / highs (counted from 1); count is the number found. startNotPositive tells
// whether f(start) <= 0.
void BracketCrackRoot(int n, TVector& lows, TVector& highs, int& count, double start, double end,
                      const TCrackResidual& f, bool& startNotPositive);
// Bisection of [a, b] to the tolerance; lowerNegative is set when f(a) < 0, lowerNotNegative
// when f(a) >= 0.
double BisectCrackRoot(const TCrackResidual& f, double tolerance, double a, double b, bool& lowerNegative,
                       bool& lowerNotNegative);
// Brent-type search over [lo, hi] (no sign change required), at most 100 iterations.
double BrentCrackRoot(const TCrackResidual& f, double tolerance, double lo, double hi);

// Solves the crack of side 1 (upstream) or any other side (downstream) for joint j and
// case k with Cracking.RootMethod to the tolerance of Cracking.RootAccuracy; stores it in
// Joint.CrackLength, shortens the other side's crack so that the two do not overlap and
// sets the other side's Joint.Compression to 0. The model is a record copy: its arrays are
// the caller's, so the trials' uplift and stresses land there too.
double SolveCrackLength(TParametres model, int j, int k, int side, bool initiation, Byte mode);
