// The pseudo-static seismic dialog's rules: slope-correction choice and OK.
#include "app/SeismicCoefficientRules.h"

#include "platform/rtl/RtlMath.h"

TSlopeCorrectionChoice SlopeCorrectionChoice(TSlopeCorrection correction)
{
    switch (correction) {
    case scCos2: return sccCos2;
    case scCorns: return sccCorns;
    case scNoCorrection: return sccNoCorrection;
    default: return sccGeneralized;
    }
}

TSlopeCorrection SlopeCorrectionOf(TSlopeCorrectionChoice choice)
{
    switch (choice) {
    case sccCos2: return scCos2;
    case sccCorns: return scCorns;
    case sccNoCorrection: return scNoCorrection;
    default: return scGeneralized;
    }
}

void TSeismicCoefficientRules::ApplyOk(const TSeismicCoefficientEntries& e)
{
    TAccelerations& acc = FModel.Acc;
    acc.ReturnPeriod = static_cast<Integer>(Round(e.ReturnPeriod));
    acc.Peak.horizontal = e.PeakHorizontal;
    acc.Peak.vertical = e.PeakVertical;
    acc.Sust.horizontal = e.SustHorizontal;
    acc.Sust.vertical = e.SustVertical;
    TCoefficientSismique& c = FModel.CoeffSis;
    c.WaterCompressibility = e.WaterCompressibility;
    c.te = e.Period == 0 ? ShortestAccelerogramPeriod : e.Period;
    FModel.Reservoir.VertAccOnReservoir = e.VertAccOnReservoir;
    c.Depth.IsLimit = e.IsLimit;
    c.Depth.Limit = e.Limit;
    c.SlopeCorr = SlopeCorrectionOf(e.Slope);
    const bool seismic = e.PeakHorizontal != 0 || e.PeakVertical != 0 || e.SustHorizontal != 0 || e.SustVertical != 0;
    FModel.Charges.Seisme.PseudoStatic = seismic;
    if (seismic)
        FModel.Donnees.Include(daPseudoStatic);
    else
        FModel.Donnees.Exclude(daPseudoStatic);
    FModel.Donnees.Exclude(daAnalysed);
}
