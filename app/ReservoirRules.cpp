// The reservoir dialog's rules: what OK writes and which load flags follow.
#include "app/ReservoirRules.h"

namespace {
void SetFlag(TDataSet& flags, Tdata flag, bool on)
{
    if (on)
        flags.Include(flag);
    else
        flags.Exclude(flag);
}
}  // namespace

TReservoirEntries TReservoirRules::Entries() const
{
    const TReservoir& r = FModel.Reservoir;
    const TDebrisFlottant& d = FModel.DebrisFlottant;
    return {r.WaterWeight, r.NormalUp, r.NormalDn, r.FloodUp,   r.FloodDn,    r.IceLoad,      d.Force, d.Elev,
            d.MaxElev,     r.Sediment, r.SedWeight, r.SedAngle, r.PressureUp, r.PressureDown, r.SedModel};
}

void TReservoirRules::ApplyOk(const TReservoirEntries& e)
{
    TReservoir& r = FModel.Reservoir;
    r.WaterWeight = e.WaterWeight;
    r.NormalUp = e.NormalUp;
    r.NormalDn = e.NormalDn;
    r.FloodUp = e.FloodUp;
    r.FloodDn = e.FloodDn;
    r.IceLoad = e.IceLoad;
    FModel.DebrisFlottant.Force = e.DebrisForce;
    FModel.DebrisFlottant.Elev = e.DebrisElev;
    FModel.DebrisFlottant.MaxElev = e.DebrisMaxElev;
    r.Sediment = e.Sediment;
    r.SedWeight = e.SedWeight;
    r.SedAngle = e.SedAngle;
    r.PressureUp = e.PressureUp;
    r.PressureDown = e.PressureDown;
    r.SedModel = e.SedModel;

    const TElev& elev = FModel.Dim.Elev;
    TDataSet& flags = FModel.Donnees;
    SetFlag(flags, daResNormal, !(elev.A >= r.NormalUp && elev.B >= r.NormalDn));
    SetFlag(flags, daResFlood, !(elev.A >= r.FloodUp && elev.B >= r.FloodDn));
    SetFlag(flags, daIce, r.IceLoad > 0 && r.IceThickness > 0);
    SetFlag(flags, daSediments, !(elev.Fup >= r.Sediment || r.SedWeight <= 0));
    flags.Exclude(daAnalysed);
    SetFlag(flags, daFloatingDebris, FModel.DebrisFlottant.Force > 0);
}
