// The lift-joints dialog's rules: generation, creation, removal, the rebuilt joint arrays and OK.
#include "app/JointRules.h"

#include <cmath>
#include <set>
#include <string>

#include "engine/Calcul.h"
#include "numerics/VEZ_matrix.h"
#include "platform/rtl/SysFormat.h"

TGenerationRange LastGenerationRange;

const char* const JointNotWithinDamMessage = "Lift joint is not within dam!";
const char* const TooManyJointsMessage = "Too many lift joints: the increment gives more than 2000 elevations.";

String JointLine(double elevation, const String& materialName)
{
    return Format("%9.3f   ", {elevation}) + materialName;
}

namespace {
// An array of the copy made its own before one of its elements changes.
template <class T>
void Own(DynArray<T>& a)
{
    a.SetLength(a.Length());
}

String ElevationKey(double elevation) { return Format("%10.3f", {elevation}); }
}  // namespace

TJointRules::TJointRules(TParametres& model) : FModel(model)
{
    const TUpDown& cracks = model.Cracks;
    if (!cracks.Up.IsEmpty()) FBaseCrackUp = cracks.Up[0];
    if (!cracks.Down.IsEmpty()) FBaseCrackDown = cracks.Down[0];
    for (Integer id = 1; id <= model.NJointMaterials && id < model.JointMaterials.Length(); ++id)
        FComboMaterialIds.push_back(model.JointMaterials[id].id);
}

std::vector<String> TJointRules::MaterialNames() const
{
    std::vector<String> names;
    for (Integer id : FComboMaterialIds) names.push_back(FModel.JointMaterials[id].nom);
    return names;
}

std::vector<String> TJointRules::Lines() const
{
    std::vector<String> lines;
    const TJoint& j = FModel.Joint;
    for (Integer k = 1; k <= FModel.NJoints; ++k) {
        const Integer mat = j.mat[k];
        const String name = mat >= 0 && mat < FModel.JointMaterials.Length() ? String(FModel.JointMaterials[mat].nom)
                                                                             : String();
        lines.push_back(JointLine(j.Elev[k], name));
    }
    return lines;
}

std::vector<TJointRules::TRow> TJointRules::ExistingRows() const
{
    std::vector<TRow> rows;
    const TJoint& j = FModel.Joint;
    const TUpDown& c = FModel.Cracks;
    auto crack = [](const DynArray<double>& a, Integer k) { return k < a.Length() ? a[k] : 0.0; };
    for (Integer k = 1; k <= FModel.NJoints; ++k)
        rows.push_back({j.Elev[k], static_cast<double>(j.mat[k]), j.Angle[k], crack(c.Up, k), crack(c.Down, k),
                        FModel.Statistiques.OutputJoint == k ? 1.0 : 0.0,
                        FModel.IncrementLoad.JointNumber == k ? 1.0 : 0.0});
    return rows;
}

bool TJointRules::OutsideDam(double e) const
{
    const TElev& d = FModel.Dim.Elev;
    return (IsGreaterOrEqual(d.A, e) && IsGreaterOrEqual(d.B, e)) || IsLessOrEqual(d.G, e);
}


bool TJointRules::Generate(const TGenerationRange& range, double angle, Integer materialPosition)
{
    if (materialPosition < 0 || materialPosition >= static_cast<Integer>(FComboMaterialIds.size())) return true;
    const double start = range.Start, end = range.End, increment = range.Increment;
    if (!(increment > 0 && end > start && increment <= end - start)) return true;
    if ((end - start) / increment + 1 > MaxGeneratedJoints) return false;
    const double material = FComboMaterialIds[materialPosition];
    std::vector<TRow> rows = ExistingRows();
    // The elevations present, as "%10.3f" gives them: a candidate equal to one is a duplicate.
    std::set<std::string> present;
    for (const TRow& r : rows) present.insert(ElevationKey(r.Elev).ToUtf8());
    for (double e = start; e <= end + increment / 2; e += increment)
        if (!OutsideDam(e) && present.insert(ElevationKey(e).ToUtf8()).second)
            rows.push_back({e, material, angle, 0, 0, 0, 0});
    Rebuild(rows, true);
    return true;
}

TJointCreation TJointRules::Create(double elevation, double angle, Integer materialPosition)
{
    if (materialPosition < 0 || materialPosition >= static_cast<Integer>(FComboMaterialIds.size()))
        return jcDuplicate;
    std::vector<TRow> rows = ExistingRows();
    const String key = ElevationKey(elevation);
    for (const TRow& r : rows)
        if (ElevationKey(r.Elev) == key) return jcDuplicate;
    if (OutsideDam(elevation)) return jcOutsideDam;
    rows.push_back({elevation, static_cast<double>(FComboMaterialIds[materialPosition]), angle, 0, 0, 0, 0});
    Rebuild(rows, true);
    return jcCreated;
}

void TJointRules::Remove(const std::vector<bool>& selected)
{
    std::vector<TRow> kept;
    const std::vector<TRow> rows = ExistingRows();
    for (size_t p = 0; p < rows.size(); ++p)
        if (p >= selected.size() || !selected[p]) kept.push_back(rows[p]);
    Rebuild(kept, false);
}

void TJointRules::Rebuild(std::vector<TRow> rows, bool sort)
{
    const Integer n = static_cast<Integer>(rows.size());
    if (sort && n > 0) {
        // The working table: one row per joint, sorted on the elevation, highest first.
        TMatrix table(nullptr);
        table.Resize(7, n);
        for (Integer r = 1; r <= n; ++r) {
            const TRow& row = rows[r - 1];
            const double values[] = {row.Elev,    row.Material,    row.Angle,         row.CrackUp,
                                     row.CrackDown, row.OutputJoint, row.IncrementJoint};
            for (Integer c = 1; c <= 7; ++c) table.SetVal(c, r, values[c - 1]);
        }
        table.SortRows(1, false, 1, 1, 7, n);
        for (Integer r = 1; r <= n; ++r)
            rows[r - 1] = {table.GetVal(1, r), table.GetVal(2, r), table.GetVal(3, r), table.GetVal(4, r),
                           table.GetVal(5, r), table.GetVal(6, r), table.GetVal(7, r)};
    }
    TParametres& m = FModel;
    ClearJointArrays(m.Joint, m.JointLoad);
    SizeJointArrays(m.Joint, m.JointLoad, n);
    ClearCracks(m.Cracks);
    SizeCracks(m.Cracks, n);
    m.Statistiques.OutputJoint = 0;
    m.IncrementLoad.JointNumber = 0;
    m.NJoints = n;
    for (Integer r = 1; r <= n; ++r) {
        const TRow& row = rows[r - 1];
        m.Joint.Elev[r] = row.Elev;
        m.Joint.mat[r] = static_cast<Integer>(std::nearbyint(row.Material));
        m.Joint.Angle[r] = row.Angle;
        m.Cracks.Up[r] = row.CrackUp;
        m.Cracks.Down[r] = row.CrackDown;
        if (row.OutputJoint == 1) m.Statistiques.OutputJoint = r;
        if (row.IncrementJoint == 1) m.IncrementLoad.JointNumber = r;
    }
}

void TJointRules::ApplyOk()
{
    TParametres& m = FModel;
    if (m.NJoints >= 1)
        m.Donnees.Include(daLiftjoints);
    else
        m.Donnees.Exclude(daLiftjoints);
    m.Donnees.Exclude(daAnalysed);
    if (m.Cracks.Up.Length() < m.NJoints + 1 || m.Cracks.Down.Length() < m.NJoints + 1) {
        m.Cracks.Up.SetLength(m.NJoints + 1);
        m.Cracks.Down.SetLength(m.NJoints + 1);
    }
    Own(m.Cracks.Up);
    Own(m.Cracks.Down);
    m.Cracks.Up[0] = FBaseCrackUp;
    m.Cracks.Down[0] = FBaseCrackDown;
    m.DrainEfficiency.Joint = DynArray<double>();
    m.DrainEfficiency.Joint.SetLength(m.NJoints + 1);
    TJoint& j = m.Joint;
    if (j.Elev.Length() < m.NJoints + 1) SizeJointArrays(j, m.JointLoad, m.NJoints);
    for (DynArray<double>* a : {&j.Elev, &j.x1, &j.x2, &j.y1, &j.y2, &j.Length, &j.Angle}) Own(*a);
    Own(j.mat);
    ComputeBaseJoint(m);
}
