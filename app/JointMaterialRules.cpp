// The joint-materials dialogs' rules: checks, creation, change, removal with renumbering, OK.
#include "app/JointMaterialRules.h"

const char* const DuplicateMaterialMessage = "Duplicate material name!";
const char* const MissingMaterialNameMessage = "Material name is missing!";
const char* const PeakBelowResidualMessage = "Peak friction angle lower than Residual friction angle!";

std::vector<Integer> MaterialIdMap;

namespace {
template <class T>
void Own(DynArray<T>& a)
{
    a.SetLength(a.Length());
}

void RebuildIdMap(const TParametres& m)
{
    MaterialIdMap.assign(1, 0);
    for (Integer id = 1; id <= m.NJointMaterials && id < m.JointMaterials.Length(); ++id)
        MaterialIdMap.push_back(m.JointMaterials[id].id);
}
}  // namespace

String CheckMaterial(const std::vector<String>& listedNames, const String& name, double peakAngle,
                     double residualAngle, bool creating)
{
    if (creating) {
        const String stored = TString10(name).ToString();
        for (const String& listed : listedNames)
            if (listed == stored) return DuplicateMaterialMessage;
        if (name.IsEmpty()) return MissingMaterialNameMessage;
    }
    if (peakAngle < residualAngle) return PeakBelowResidualMessage;
    return String();
}

String MaterialInUseMessage(const String& name)
{
    return "Material " + name + " is used by at least one joint.\rRemove all related joints before deleting this material";
}

void AddMaterialToCopy(TParametres& copy, const TProprietes& material)
{
    const Integer n = copy.NJointMaterials + 1;
    if (copy.JointMaterials.Length() < n + 1) copy.JointMaterials.SetLength(n + 1);
    Own(copy.JointMaterials);
    TProprietes& m = copy.JointMaterials[n];
    m = material;
    m.id = n;
    copy.NJointMaterials = n;
}

TJointMaterialRules::TJointMaterialRules(TParametres& model) : FModel(model) { RebuildIdMap(model); }

std::vector<String> TJointMaterialRules::Names() const
{
    std::vector<String> names;
    for (Integer id = 1; id <= FModel.NJointMaterials && id < FModel.JointMaterials.Length(); ++id)
        names.push_back(FModel.JointMaterials[id].nom);
    return names;
}

TParametres TJointMaterialRules::CopyForCreation() const
{
    TParametres copy = FModel;
    copy.JointMaterials.SetLength(FModel.NJointMaterials + 2);   // its own array, entry n + 1 empty
    copy.JointMaterials[FModel.NJointMaterials + 1] = TProprietes{};
    return copy;
}

void TJointMaterialRules::TakeCreated(const TParametres& editorCopy)
{
    FModel.JointMaterials = editorCopy.JointMaterials;
    FModel.NJointMaterials = editorCopy.NJointMaterials;
    MaterialIdMap.resize(FModel.NJointMaterials + 1);
    MaterialIdMap[FModel.NJointMaterials] = FModel.NJointMaterials;
}

void TJointMaterialRules::Change(Integer position, const TProprietes& values)
{
    const Integer id = position + 1 < static_cast<Integer>(MaterialIdMap.size()) ? MaterialIdMap[position + 1] : -1;
    if (id < 1 || id >= FModel.JointMaterials.Length()) return;
    Own(FModel.JointMaterials);
    TProprietes& m = FModel.JointMaterials[id];
    m.fc = values.fc;
    m.ft = values.ft;
    m.peak = values.peak;
    m.residual = values.residual;
}

bool TJointMaterialRules::InUse(Integer id) const
{
    for (Integer k = 1; k <= FModel.NJoints && k < FModel.Joint.mat.Length(); ++k)
        if (FModel.Joint.mat[k] == id) return true;
    return false;
}

std::vector<String> TJointMaterialRules::Remove(const std::vector<bool>& selected)
{
    TParametres& m = FModel;
    const Integer n = m.NJointMaterials;
    auto isSelected = [&](Integer p) { return p < static_cast<Integer>(selected.size()) && selected[p]; };
    std::vector<String> inUse;
    std::vector<bool> removed(n, false);
    for (Integer p = n - 1; p >= 0; --p) {
        if (!isSelected(p)) continue;
        const Integer id = MaterialIdMap[p + 1];
        if (InUse(id))
            inUse.push_back(m.JointMaterials[id].nom);
        else
            removed[p] = true;
    }
    // The kept materials renumbered in list order; the joints follow their material.
    DynArray<TProprietes> materials;
    materials.SetLength(1);
    if (!m.JointMaterials.IsEmpty()) materials[0] = m.JointMaterials[0];
    Own(m.Joint.mat);
    std::vector<Integer> newId(m.JointMaterials.Length(), 0);
    for (Integer p = 0; p < n; ++p) {
        if (removed[p]) continue;
        const Integer oldId = MaterialIdMap[p + 1];
        materials.SetLength(materials.Length() + 1);
        const Integer id = materials.High();
        materials[id] = m.JointMaterials[oldId];
        materials[id].id = id;
        newId[oldId] = id;
    }
    for (Integer k = 1; k <= m.NJoints && k < m.Joint.mat.Length(); ++k) {
        const Integer old = m.Joint.mat[k];
        if (old > 0 && old < static_cast<Integer>(newId.size())) m.Joint.mat[k] = newId[old];
    }
    m.JointMaterials = materials;
    m.NJointMaterials = materials.Length() - 1;
    RebuildIdMap(m);
    return inUse;
}

void TJointMaterialRules::ApplyOk(const TProprietes& baseJoint, const TFoundation& rock)
{
    TParametres& m = FModel;
    if (m.JointMaterials.IsEmpty()) m.JointMaterials.SetLength(1);
    Own(m.JointMaterials);
    TProprietes& base = m.JointMaterials[0];
    base.nom = "Base joint";
    base.fc = baseJoint.fc;
    base.ft = baseJoint.ft;
    base.peak = baseJoint.peak;
    base.residual = baseJoint.residual;
    TFoundation& f = m.Foundation;
    f.ShearStrength = rock.ShearStrength;
    f.UnitMass = rock.UnitMass;
    f.cohesion = rock.cohesion;
    f.Angle = rock.Angle;
    f.FailureAngle = rock.FailureAngle;
    f.StrengthFactor = rock.StrengthFactor;
    if (m.NJointMaterials > 0)
        m.Donnees.Include(daMaterials);
    else
        m.Donnees.Exclude(daMaterials);
    m.Donnees.Exclude(daAnalysed);
}
