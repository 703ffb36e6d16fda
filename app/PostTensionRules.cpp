// The post-tensioning dialog's rules: anchor checks, the downstream anchor's x, OK.
#include "app/PostTensionRules.h"

#include "platform/rtl/SysFormat.h"

String TPostTensionRules::CheckCrestCable(double position) const
{
    if (position <= FModel.Dim.L4) return String();
    return "Cable out of the crest; maximum value = " + Format("%8.3f", {FModel.Dim.L4});
}

String TPostTensionRules::CheckDownstreamAnchor(double elevation) const
{
    const TElev& e = FModel.Dim.Elev;
    if (elevation > e.B && elevation < e.G) return String();
    return "Cable not on downstream side; must be between " + Format("%8.3f and %8.3f", {e.B, e.G});
}

double DownstreamFaceX(const TDimension& dim, double elevation)
{
    const TElev& e = dim.Elev;
    if (elevation <= e.D) return dim.L1;
    if (elevation < e.F) return InterpolateLine(elevation, e.D, dim.L1, e.F, dim.L2 + dim.L3);
    return InterpolateLine(elevation, e.F, dim.L2 + dim.L3, e.G, dim.L2 + dim.L4);
}

void TPostTensionRules::ApplyOk(const TPostTensionEntries& e)
{
    TPostTension& p = FModel.PostTension;
    p.Tension = e.Tension;
    p.Position = e.Position;
    p.Tension2 = e.Tension2;
    p.Angle = e.Angle;
    p.Elev = e.Elev;
    p.Position2 = DownstreamFaceX(FModel.Dim, e.Elev);
    p.PostTensionType = e.Type;
    if (p.Tension <= 0 && p.Tension2 <= 0)
        FModel.Donnees.Exclude(daPostTension);
    else
        FModel.Donnees.Include(daPostTension);
    FModel.Donnees.Exclude(daAnalysed);
}
