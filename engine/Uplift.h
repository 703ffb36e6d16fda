#pragma once
// Uplift pressures along a joint and the drain formula.
#include "engine/Loads.h"
#include "engine/Unites.h"

// Builds the uplift diagram of joint j for case k (1..7) from the reservoir levels of the
// case, the guideline Drainage.Code, the drains and the crack fractions cu (>= 0, from the
// upstream end) and cd (<= 0, from the downstream end); s is the uplift state of the case
// (2 full head in an open crack, 0 no pressure in it, 1 unchanged). Writes the 8-point
// profile Joint.Pressure (pressures, not heads), the crack-mouth pressures Joint.Pressure.Cr,
// the resultant JointLoad.U / Xu of the case, the crack uplift Uc / Xuc, and for the
// uncracked usual and flood cases UN / xUN and UF / xUF. The seismic cases derive their
// diagram from the usual-case profile. May reset Drainage.Alternative to 1.
void ComputeUplift(TParametres& model, int j, int k, double cu, double cd, Byte s);

// What the uplift of every crack trial of joint j and case k shares: the joint's length
// between its end points and, for the seismic cases (3..6), the usual-case diagram in heads
// from which they build theirs.
struct TUpliftBasis {
    double Length = 0;
    TProfile8 X, P;
};
TUpliftBasis UpliftBasis(const TParametres& model, int j, int k);
// ComputeUplift with the basis of the joint and case at hand, as a crack search keeps it
// for all its trials.
void ComputeUplift(TParametres& model, int j, int k, double cu, double cd, Byte s, const TUpliftBasis& basis);

// Pressure ratio at a drain line at distance h along a joint of length L from the drain
// spacing and radius; the drain effectiveness is 1 minus it. 1 (no effectiveness) when the
// inputs give no finite ratio.
double DrainPressureRatio(double L, double spacing, double h, double radius);
