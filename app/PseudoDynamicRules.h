#pragma once
// The rules of the pseudo-dynamic seismic window, apart from its controls: the live fundamental
// period and damping of the simplified method of Chopra, their texts, and what OK sets.
#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// The four values the window shows; a value that cannot be computed (a division by zero, the
// square root of a negative modulus) is not a finite number.
struct TChopraValues {
    double T1 = 0;      // period of the dam on rigid rock without reservoir (s)
    double T1rf = 0;    // the period lengthened by the reservoir and the foundation (s)
    double D1 = 0;      // damping of the dam alone
    double D1rf = 0;    // the damping with reservoir and foundation
};

// Computes the period ratios, added dampings, fundamental period and damping of the model into
// its ChopraC and returns what the window shows. Never throws: a coefficient that cannot be
// computed is stored as 0 and shown as "-".
TChopraValues ComputeChopraCoefficients(TParametres& model);

// "%5.3f sec" for a period, "%5.3f " for a damping; "-" for a value that is not a number.
String PeriodText(double seconds);
String DampingText(double damping);

// OK: the pseudo-dynamic input exists when the four horizontal accelerations (peak and
// sustained, ground and spectral) are non-zero; daPseudoDynamic follows it and the results no
// longer belong to the inputs.
void ApplyPseudoDynamicFlags(TParametres& model);
