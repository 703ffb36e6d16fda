#pragma once
// The numbers behind the plot of one joint for one load case: the ends of the normal-stress
// diagram, the uplift profile points, the shear-stress curve of an uncracked joint, the
// resultants and safety factors, the vertical range of the plot; and the joint text report
// that lists them. The joint plots window draws from them and damtool prints the report.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/SysFormat.h"

struct TJointPlotValues {
    TGraphicValues Values;
    TGlobalValues GlobalValues;
    Integer NUplifts = 0;      // uplift profile points kept in groups 2 and 3 of Values
    bool ShearCurve = false;   // groups 4 and 5 of Values hold the shear curve
    bool Uplift = false;       // the uplift diagram is drawn
    double RangeHigh = 1;      // the vertical range is -RangeHigh..RangeHigh
};

// The values of joint j for case k. The shear distribution is computed again, which writes
// the face shear and principal stresses of (k, j) into the model.
TJointPlotValues JointPlotValues(TParametres& model, int k, int j);

// The upper end of a symmetric vertical range holding values up to m in magnitude: a leading
// digit rounded up and its power of ten (347 gives 400, 0.05 gives 0.1). No value (m = 0, or m
// not a number) gives 1.
double SymmetricRangeHigh(double m);

// Decimal places of an axis showing low..high: 1 from a width of 1 on (or no width), one more
// for every power of ten below.
Integer AxisDecimalPlaces(double low, double high);

// The lines of the joint text report.
std::vector<String> JointReportLines(const TJointPlotValues& values, const TFormatSettings& settings);
