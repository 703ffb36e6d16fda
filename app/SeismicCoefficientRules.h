#pragma once
// The pseudo-static seismic dialog's rules, apart from its window: the slope-correction choice
// and what OK writes into the model copy.
#include "engine/Unites.h"

// The slope-correction radio buttons in their order on the form.
enum TSlopeCorrectionChoice { sccGeneralized, sccCos2, sccCorns, sccNoCorrection };
TSlopeCorrectionChoice SlopeCorrectionChoice(TSlopeCorrection correction);
TSlopeCorrection SlopeCorrectionOf(TSlopeCorrectionChoice choice);

// The shortest accelerogram period stored (seconds): a period of 0 would divide by zero.
constexpr double ShortestAccelerogramPeriod = 0.01;

// The fields of the dialog as OK reads them.
struct TSeismicCoefficientEntries {
    double ReturnPeriod = 1;   // years, as typed
    double PeakHorizontal = 0, PeakVertical = 0, SustHorizontal = 0, SustVertical = 0;   // g
    bool WaterCompressibility = false;
    double Period = 0;   // accelerogram period te, seconds
    bool VertAccOnReservoir = false;
    bool IsLimit = false;
    double Limit = 0;
    TSlopeCorrectionChoice Slope = sccGeneralized;
};

class TSeismicCoefficientRules {
public:
    explicit TSeismicCoefficientRules(TParametres& model) : FModel(model) {}

    // OK: the return period to the nearest year, the accelerations, the Westergaard options (a
    // period of exactly 0 stored as the shortest period), and the pseudo-static loads on when
    // any acceleration is not 0, with their flag; the results no longer valid.
    void ApplyOk(const TSeismicCoefficientEntries& entries);

private:
    TParametres& FModel;
};
