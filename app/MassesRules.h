#pragma once
// The concentrated-masses dialogs' rules, apart from their windows: the list lines, the caption
// of the mass editor and the list's edits on the copy.
#include <vector>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// "(x:%8.3f, el:%8.3f) (H:%8.1f, V:%8.1f)"
String MassLine(const TMasses& mass);

// The mass editor's caption: "Edit mass properties" when any of the four values is not 0, else
// "Add a mass".
String AddMassCaption(const TMasses& mass);

// The list dialog's edits of its copy: the array is replaced (never changed in place while it
// may be shared with the document), and NMasses, Masses.count and the array's length stay equal.
class TMassesRules {
public:
    explicit TMassesRules(TParametres& model) : FModel(model) {}

    std::vector<String> Lines() const;
    // Appends the mass unless both its masses are 0; true when added.
    bool Add(const TMasses& mass);
    // Replaces the mass's four values, zero masses included.
    void Replace(Integer index, const TMasses& mass);
    // Keeps the masses whose line is not selected, in order.
    void Remove(const std::vector<bool>& selected);
    // OK: the masses flag by count, and the results no longer valid.
    void ApplyOk();

private:
    void SetMasses(const DynArray<TMasses>& masses);
    TParametres& FModel;
};
