#pragma once
// The section-geometry dialog's rules, apart from its window: the order kept among the corner
// elevations when one is entered, the checks of the foundation elevations, the picture of the
// section, and OK with its reset of the whole model when an existing section changes.
#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// The section's elevation fields, A to G, then H (upstream foundation) and I (downstream).
enum TElevationField { efA, efB, efC, efD, efE, efF, efG, efH, efI };

// The picture beside the fields: "DimAeqB.bmp" when A = B, "DimBgtA.bmp" when B > A,
// "DimAgtB.bmp" when A > B (in the program's images folder).
String SectionPicture(double A, double B);

class TDimensionRules {
public:
    // The dialog's copy, and the section of the current model that the fields are compared with.
    TDimensionRules(TParametres& model, const TDimension& current) : FModel(model), FCurrent(current) {}

    // Leaving L1, L3 or L4 stores a negative value as 0; L2 is stored as typed.  Index 1 to 4;
    // the value stored.
    double LeaveLength(int index, double value);
    // Leaving one of A to G stores it and moves the other elevations so that A <= C <= E <= G
    // with A <= H, and B <= D <= F <= G with B <= I.
    void LeaveElevation(TElevationField field, double value);
    // Leaving H or I checks the value against the base and the crest: the warning to show (empty
    // when accepted); a refused value puts A (for H) or B (for I) back.
    String LeaveFoundation(TElevationField field, double value);

    // A change of text in a section field: the thirteen field values compared with the current
    // model's section; once they differ the section counts as changed for good.
    void SectionTextChanged(const TDimension& fields);
    bool Changed() const { return FChanged; }
    // OK on a model that has a section which the fields change asks first.
    bool NeedsResetQuestion() const;
    // The reset after Yes: the copy's lists released and the copy back to a new model, in the
    // copy's unit system.
    void ResetModel();
    // OK: gravity and mass, and when the section changed the section itself, the emptied
    // reservoir and silt, and the base joint; then the section flag and the results no longer valid.
    void ApplyOk(const TDimension& fields, double gravity, double concreteMass);

    TParametres& Model() { return FModel; }

private:
    TParametres& FModel;
    TDimension FCurrent;
    bool FChanged = false;
};

// "This will erase all the previous data"
extern const char* const EraseAllDataQuestion;
// OK refuses a section without a base: L1 typed empty, zero or negative.
extern const char* const NoBaseWidthMessage;
