#pragma once
// The joint-materials dialogs' rules, apart from their windows: the checks of a material typed
// in the material editor, a material added, changed or removed with the renumbering that keeps
// every material's id equal to its place, and OK with the base joint's material and the rock.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

extern const char* const DuplicateMaterialMessage;       // "Duplicate material name!"
extern const char* const MissingMaterialNameMessage;     // "Material name is missing!"
extern const char* const PeakBelowResidualMessage;       // "Peak friction angle lower than Residual friction angle!"
// Material names are stored cut to this many characters.
constexpr int MaterialNameLength = 10;

// Program-wide: entry 0 holds 0, entry p + 1 the id of the material at list position p.
extern std::vector<Integer> MaterialIdMap;

// The editor's OK check: the first message that applies, empty when the material is accepted.
// A new material's name must differ from every listed name (letter case counts; names compared
// as stored, cut to 10 characters) and not be empty; its peak friction angle must not be below
// the residual one.  An edited material keeps its name: only the angles are checked.
String CheckMaterial(const std::vector<String>& listedNames, const String& name, double peakAngle,
                     double residualAngle, bool creating);

// The information text about a material that a lift joint uses.
String MaterialInUseMessage(const String& name);

// The editor's creation in its copy of the model (which has a spare entry at the end of its
// material array): the material becomes material n + 1 with id n + 1 and its name cut to 10
// characters.
void AddMaterialToCopy(TParametres& copy, const TProprietes& material);

class TJointMaterialRules {
public:
    // Fills MaterialIdMap from the model's materials.
    explicit TJointMaterialRules(TParametres& model);

    // The names of the lift-joint materials 1..n in list order.
    std::vector<String> Names() const;
    // The copy handed to the editor for a creation: the model with one spare, empty material.
    TParametres CopyForCreation() const;
    // The editor's materials taken back after a creation.
    void TakeCreated(const TParametres& editorCopy);
    // The editor's values (strengths and both shear strengths) given to the material at the list
    // position; its name, id and everything else it holds are kept.
    void Change(Integer position, const TProprietes& values);
    // Removes the selected materials that no lift joint uses, then renumbers the rest in list
    // order and the joints' references with them.  The names of the selected materials kept
    // because a joint uses them, last selected first.
    std::vector<String> Remove(const std::vector<bool>& selected);
    // OK: the base joint's material ("Base joint") and the rock's passive strength; the
    // materials flag by count and the results no longer valid.
    void ApplyOk(const TProprietes& baseJoint, const TFoundation& rock);

    TParametres& Model() { return FModel; }

private:
    bool InUse(Integer id) const;
    TParametres& FModel;
};
