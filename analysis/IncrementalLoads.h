#pragma once
// The incremental-load analysis of one joint for one load combination: one load is set to
// a series of values in equal steps, and at each step the combination is analysed again
// for the joint and up to ten results are recorded (IncrementalResult.histogramme, and a
// text file on request).
#include "analysis/ParametricRun.h"
#include "platform/rtl/SysFormat.h"

// The number of steps from S to E by I: |Round((E - S) / I)| + 1.
int IncrementalStepCount(double S, double E, double I);

// The run of IncrementLoad on the analysed model. Loading: 1 normal upstream level,
// 2 flood upstream level, 3 peak horizontal ground acceleration, 4 last applied force,
// 5 post-tension, 6 ice load, 7 drain effectiveness. A request that cannot run (no such
// load, joint or combination, an increment of 0, steps that lead away from the last value
// or more than 100000 increments, a scaled load whose reference is 0) is reported through
// ShowRunWarning and changes nothing. A run that fails puts the inputs back, removes
// daAnalysed and raises the failure again.
void IncrementalLoadAnalysis(TParametres& Param, ILongRunHost& host, const TFormatSettings& settings = FormatSettings);
