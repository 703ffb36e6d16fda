// Pre-existing cracks: stored per joint as fractions of the joint length, entered as lengths
// or as percentages.
#include "app/CracksRules.h"

#include <cmath>

#include "platform/rtl/SysFormat.h"

Integer JointOfLine(Integer line, Integer nJoints) { return (line + 1) % (nJoints + 1); }

String LengthUnit(const TParametres& model) { return model.unites == SI ? "m" : "ft"; }

String CrackListLine(const TParametres& model, Integer joint, bool percentage)
{
    const Integer mat = model.Joint.mat[joint];
    const String name = mat >= 0 && mat < model.JointMaterials.Length() ? model.JointMaterials[mat].nom.ToString()
                                                                          : String();
    const double scale = percentage ? 100 : model.Joint.Length[joint];
    return Format("%9.3f   %10s  %9.3f   %9.3f", {model.Joint.Elev[joint], name, model.Cracks.Up[joint] * scale,
                                                   model.Cracks.Down[joint] * scale});
}

std::vector<String> SetCrackLengths(TParametres& model, const std::vector<Integer>& joints, double up,
                                    double down, bool percentage)
{
    std::vector<String> warnings;
    for (Integer j : joints) {
        const double length = model.Joint.Length[j];
        // A joint of no length takes no crack length but 0.
        const double scale = percentage ? 100 : length;
        const double fu = up == 0 ? 0 : up / scale;
        const double fd = down == 0 ? 0 : down / scale;
        if (!std::isfinite(fu) || !std::isfinite(fd) || fu < 0 || fd < 0 || fu + fd > 1) {
            warnings.push_back("Illegal values for Joint at elevation " + Format("%9.3f ", {model.Joint.Elev[j]}) +
                               LengthUnit(model) + "." + "\r" + "Crack lengths are ignored for this joint.");
            continue;
        }
        model.Cracks.Up[j] = fu;
        model.Cracks.Down[j] = fd;
    }
    return warnings;
}
