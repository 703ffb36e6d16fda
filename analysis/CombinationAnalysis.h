#pragma once
// Analysis of one load case for one joint or every joint: starting cracks from the
// pre-existing cracks or the reference case, uplift, a first analysis for the stresses, the
// cracking decision and crack-length solution, the crack envelope, the final uplift and the
// full analysis with the safety factors.
#include "engine/Unites.h"

// Load is the case 1..7; jointNumber a joint index, or -1 for every joint from 0 to
// NJoints. Cases must come after their reference case (1 before 2, 3 and 5; 3 before 4;
// 5 before 6; the seismic stress case named by Charges.PostSeismic before 7).
void AnalyseLoads(TParametres& Param, int Load, int jointNumber);
