// The concentrated-masses dialogs' rules: list lines, the editor's caption, list edits.
#include "app/MassesRules.h"

#include "platform/rtl/SysFormat.h"

String MassLine(const TMasses& m)
{
    return Format("(x:%8.3f, el:%8.3f) (H:%8.1f, V:%8.1f)", {m.PosX, m.Elev, m.HorMass, m.VertMass});
}

String AddMassCaption(const TMasses& m)
{
    const bool any = m.PosX != 0 || m.Elev != 0 || m.HorMass != 0 || m.VertMass != 0;
    return any ? "Edit mass properties" : "Add a mass";
}

std::vector<String> TMassesRules::Lines() const
{
    std::vector<String> lines;
    for (const TMasses& m : FModel.Masses.Elem) lines.push_back(MassLine(m));
    return lines;
}

void TMassesRules::SetMasses(const DynArray<TMasses>& masses)
{
    FModel.Masses.Elem = masses;
    FModel.Masses.count = masses.Length();
    FModel.NMasses = masses.Length();
}

bool TMassesRules::Add(const TMasses& mass)
{
    if (mass.HorMass == 0 && mass.VertMass == 0) return false;
    DynArray<TMasses> masses = FModel.Masses.Elem;
    masses.SetLength(masses.Length() + 1);   // fresh storage, the earlier masses in order
    masses[masses.High()] = mass;
    SetMasses(masses);
    return true;
}

void TMassesRules::Replace(Integer index, const TMasses& mass)
{
    if (index < 0 || index >= FModel.Masses.Elem.Length()) return;
    DynArray<TMasses> masses = FModel.Masses.Elem.Copy();
    masses[index] = mass;
    SetMasses(masses);
}

void TMassesRules::Remove(const std::vector<bool>& selected)
{
    const DynArray<TMasses>& all = FModel.Masses.Elem;
    auto isSelected = [&](Integer i) { return i < static_cast<Integer>(selected.size()) && selected[i]; };
    DynArray<TMasses> kept;
    for (Integer i = 0; i < all.Length(); ++i)
        if (!isSelected(i)) {
            kept.SetLength(kept.Length() + 1);
            kept[kept.High()] = all[i];
        }
    SetMasses(kept);
}

void TMassesRules::ApplyOk()
{
    if (FModel.NMasses > 0)
        FModel.Donnees.Include(daMasses);
    else
        FModel.Donnees.Exclude(daMasses);
    FModel.Donnees.Exclude(daAnalysed);
}
