#pragma once
// The reservoir dialog's rules, apart from its window: the section bounds of its level fields,
// the values it writes into its model copy on OK and the load flags that follow from them.
#include "engine/Unites.h"

// The fields of the reservoir dialog as OK reads them.  The ice thickness is not among them:
// the copy keeps the value stored when its field was left.
struct TReservoirEntries {
    double WaterWeight = 0, NormalUp = 0, NormalDn = 0, FloodUp = 0, FloodDn = 0, IceLoad = 0;
    double DebrisForce = 0, DebrisElev = 0, DebrisMaxElev = 0;
    double Sediment = 0, SedWeight = 0, SedAngle = 0;
    double PressureUp = 0, PressureDown = 0;   // fractions of the full pressure
    TSiltModel SedModel = smAsFluid;
};

// The level fields take no value below the upstream heel (A), the downstream toe (B) or, for
// the silt, the upstream rock (H); this is their common upper bound.
constexpr double ReservoirLevelCeiling = 1e101;

class TReservoirRules {
public:
    explicit TReservoirRules(TParametres& model) : FModel(model) {}

    // The fields as the copy holds them.
    TReservoirEntries Entries() const;

    // OK: the entries into the copy, then the water, ice, silt and debris flags from its values:
    // an operating or a flood level counts when it stands above its heel on either side; ice
    // needs a load and a thickness; silt needs a deposit above the upstream rock and a weight;
    // debris needs a force.  The results no longer belong to the inputs.  The overtopping flag
    // is not the dialog's.
    void ApplyOk(const TReservoirEntries& entries);

private:
    TParametres& FModel;
};
