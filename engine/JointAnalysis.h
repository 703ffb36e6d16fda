#pragma once
// Analysis of one joint for one load case from the loads already computed for it: the
// resultants, the normal stresses at the ends of the uncracked ligament and, with the full
// analysis, the shear distribution, the overturning and uplifting factors, the passive
// resistance of the rock wedge and the peak and residual sliding factors.
//
// Signs: forces along +x point downstream, vertical forces are negative downward; normal
// forces and stresses are negative in compression. Crack fractions: upstream 0..1,
// downstream -1..0. Positions along the joint are measured from its upstream end.
#include "engine/Facteurs.h"
#include "engine/Loads.h"
#include "engine/Unites.h"

// The material of joint j; a joint whose material index names no material gets one
// without strength.
const TProprietes& JointMaterial(const TParametres& model, int j);

// Writes Joint.Resultants (Normal, Shear, Moment, Position) and Joint.Stress.normal of
// (k, j) for the crack fractions crUp and crDown; with full also the face shear and
// principal stresses, Joint.SafetyFactor (Overturning, Uplifting, Sliding) and
// Joint.RockWedge.
void AnalyseJoint(TParametres& model, int j, int k, double crUp, double crDown, bool full);

// What no crack changes in the analysis of a joint and case: its factored loads without the
// uplift, their vertical and horizontal sums and the joint's slope. A crack search keeps
// them through its trials, while only the uplift changes; so too the loads that add to a
// moment and the moment of the loads about the last centre of the ligament (MomentXc,
// MomentYc).
struct TJointLoadSums {
    bool Known = false;
    TFactoredLoads Loads;
    TMomentTerms Terms;
    double V = 0, H = 0, Cos = 0, Sin = 0;
    bool MomentKnown = false;
    double MomentXc = 0, MomentYc = 0, Moment = 0;
};
// AnalyseJoint with the sums kept from the previous call for the same joint and case.
void AnalyseJoint(TParametres& model, int j, int k, double crUp, double crDown, bool full, TJointLoadSums& sums);

// The parabolic shear distribution over the ligament, tau(t) = A0 + A1 t + A2 t^2 with t
// measured from the downstream end of the ligament, and its extreme with the extreme's
// position in per cent of the joint.
struct TShearDistribution {
    double A0 = 0, A1 = 0, A2 = 0;
    double Extreme = 0, Position = 0;
};

// Writes Joint.Stress.shear and Joint.Stress.principal of (k, j) from the normal stresses
// and the face slopes, and returns the distribution.
void ComputeShearDistribution(TParametres& model, int k, int j, TShearDistribution& result);

// Splits the compressed zone between xu (stress su) and xd (stress sd) of a joint with the
// uplift profile xs, ps at the threshold st (negative): returns the position where the total
// stress reaches st; n1 is the normal force of the part less compressed than st, n2 that of
// the rest, z the position where the total stress crosses zero (searched from xu when
// fromUpstream is set, from xd otherwise).
double SplitCompressionZone(const TProfile8& xs, const TProfile8& ps, bool fromUpstream, double xu, double su,
                            double xd, double sd, double st, double& n1, double& n2, double& z);
