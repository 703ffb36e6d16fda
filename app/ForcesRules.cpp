// The applied-forces dialogs' rules: list lines, locations, derived coordinates, list edits.
#include "app/ForcesRules.h"

#include "app/PostTensionRules.h"
#include "platform/rtl/SysFormat.h"

const char* const ForceIsZeroMessage = "Force is zero!";

String ForceLine(const TForce& f)
{
    return Format("(x:%8.3f, el:%8.3f) (H:%8.1f, V:%8.1f)", {f.PosX, f.Elev, f.HorForce, f.VertForce});
}

TForceLocationFields ForceLocationFields(TForceLocation location, const TDimension& dim)
{
    const TElev& e = dim.Elev;
    TForceLocationFields f;
    switch (location) {
    case flUpstreamFace:
        f.ElevationMin = e.A;
        f.ElevationMax = e.G;
        f.PositionEnabled = false;
        break;
    case flCrest:
        f.ElevationEnabled = false;
        f.ElevationIsCrest = true;
        f.PositionMin = dim.L2;
        f.PositionMax = dim.L2 + dim.L4;
        f.FocusOnPosition = true;
        break;
    case flDownstreamFace:
        f.ElevationMin = e.B;
        f.ElevationMax = e.G;
        f.PositionEnabled = false;
        break;
    case flUserDefined:
        break;
    }
    return f;
}

double UpstreamFaceX(const TDimension& dim, double elevation)
{
    const TElev& e = dim.Elev;
    if (elevation <= e.C) return 0;
    if (elevation < e.E) return InterpolateLine(elevation, e.C, 0, e.E, dim.L2);
    return dim.L2;
}

void DeriveForceCoordinate(TForceLocation location, const TDimension& dim, TForce& force)
{
    switch (location) {
    case flUpstreamFace: force.PosX = UpstreamFaceX(dim, force.Elev); break;
    case flCrest: force.Elev = dim.Elev.G; break;
    case flDownstreamFace: force.PosX = DownstreamFaceX(dim, force.Elev); break;
    case flUserDefined: break;
    }
}

std::vector<String> TForcesRules::Lines() const
{
    std::vector<String> lines;
    for (const TForce& f : FModel.Force.Elem) lines.push_back(ForceLine(f));
    return lines;
}

void TForcesRules::SetForces(const DynArray<TForce>& forces)
{
    FModel.Force.Elem = forces;
    FModel.Force.count = forces.Length();
    FModel.NForces = forces.Length();
}

void TForcesRules::Add(const TForce& force)
{
    DynArray<TForce> forces = FModel.Force.Elem;
    forces.SetLength(forces.Length() + 1);   // fresh storage, the earlier forces in order
    forces[forces.High()] = force;
    SetForces(forces);
}

void TForcesRules::Replace(Integer index, const TForce& force)
{
    if (index < 0 || index >= FModel.Force.Elem.Length()) return;
    DynArray<TForce> forces = FModel.Force.Elem.Copy();
    forces[index] = force;
    SetForces(forces);
}

void TForcesRules::Remove(const std::vector<bool>& selected)
{
    const DynArray<TForce>& all = FModel.Force.Elem;
    auto isSelected = [&](Integer i) { return i < static_cast<Integer>(selected.size()) && selected[i]; };
    Integer keep = 0;
    for (Integer i = 0; i < all.Length(); ++i)
        if (!isSelected(i)) ++keep;
    DynArray<TForce> kept;
    kept.SetLength(keep);
    Integer k = 0;
    for (Integer i = 0; i < all.Length(); ++i)
        if (!isSelected(i)) kept[k++] = all[i];
    SetForces(kept);
}

void TForcesRules::ApplyOk()
{
    if (FModel.NForces > 0)
        FModel.Donnees.Include(daForces);
    else
        FModel.Donnees.Exclude(daForces);
    FModel.Donnees.Exclude(daAnalysed);
}
