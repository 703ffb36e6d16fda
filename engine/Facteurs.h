#pragma once
// Factored sums of the loads of one joint for one load case: the moment about a point of
// the joint and the factors of safety against overturning and uplifting. Every load of
// JointLoad enters multiplied by its factor of LoadCombination for the case (the floating
// debris by DebrisFlottant.LoadCombination). The first- and higher-mode forces of the
// pseudo-dynamic method are not part of these sums. All routines only read the model.
#include <cmath>

#include "engine/Unites.h"

// The factored loads of joint j for case k without the uplift, each with the position of its
// line of action, in the order every sum below adds them: vertical loads positioned by
// their abscissa, horizontal loads by their elevation.
struct TFactoredLoads {
    static constexpr int Verticals = 26, Horizontals = 21;
    double Vertical[Verticals], X[Verticals];
    double Horizontal[Horizontals], Y[Horizontals];
};
void FactorLoads(const TParametres& model, int j, int k, TFactoredLoads& loads);

// Sums of the factored vertical loads (without the uplift) and of the factored horizontal
// loads of joint j for case k.
double FactoredVerticalLoad(const TParametres& model, int j, int k);
double FactoredHorizontalLoad(const TParametres& model, int j, int k);
double FactoredVerticalLoad(const TFactoredLoads& loads);
double FactoredHorizontalLoad(const TFactoredLoads& loads);

// Moment of every factored load about (xc, yc); uc is the distance of that point along the
// joint from its upstream end, the reference of the uplift position. A vertical load V at x
// contributes (xc - x) V, a horizontal load H at y contributes (y - yc) H: a positive moment
// turns the section toward downstream. The uplift enters with the crack uplift Uc, Xuc for
// internal uplift and with U, Xu otherwise.
double JointMoment(const TParametres& model, int j, int k, double uc, double yc, double xc);
// The two parts of JointMoment, which adds the uplift's moment to that of the other loads.
double LoadMomentWithoutUplift(const TFactoredLoads& loads, double yc, double xc);
// The loads that can add to such a moment about a point within MomentTermReach of the
// origin, in their order: those with a force, or with a position beyond that reach. The
// others add a zero, as their lever arm stays finite.
constexpr double MomentTermReach = 1e300;
inline bool WithinMomentTermReach(double x) { return std::fabs(x) <= MomentTermReach; }
struct TMomentTerms {
    int Verticals = 0, Horizontals = 0;
    int MassesWeight = -1;  // the masses' weight among the verticals, -1 without it
    double Vertical[TFactoredLoads::Verticals], X[TFactoredLoads::Verticals];
    double Horizontal[TFactoredLoads::Horizontals], Y[TFactoredLoads::Horizontals];
};
void CollectMomentTerms(const TFactoredLoads& loads, TMomentTerms& terms);
// LoadMomentWithoutUplift from the collected terms, to the bit, for xc and yc within reach.
double LoadMomentWithoutUplift(const TMomentTerms& terms, double yc, double xc);
double UpliftMoment(const TParametres& model, int j, int k, double uc);

// side 0: about the upstream end, side 1: about the downstream end; 1000 when nothing
// overturns.
double OverturningSafetyFactor(const TParametres& model, int j, int k, Byte side);
double OverturningSafetyFactor(const TParametres& model, const TFactoredLoads& loads, int j, int k, Byte side);
// The same to the bit, from the loads' collected moment terms when the joint's end is
// within their reach.
double OverturningSafetyFactor(const TParametres& model, const TFactoredLoads& loads, const TMomentTerms& terms,
                               int j, int k, Byte side);

// Loads resolved along the normal of the joint; 1000 when nothing lifts.
double UpliftingSafetyFactor(const TParametres& model, int j, int k);
double UpliftingSafetyFactor(const TParametres& model, const TFactoredLoads& loads, int j, int k);
