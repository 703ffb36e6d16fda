#pragma once
// The uplift-pressures dialog's rules, apart from its window: the design guidelines it offers
// with the code and the uplift load each implies, its pictures, what its choices and OK write
// into the model copy, and the warning when the cracking options expect another drain rule.
#include <array>

#include "engine/Unites.h"
#include "platform/rtl/UString.h"

// One entry of the guideline list.
struct TUpliftGuideline {
    const char* Entry;
    TCode Code;
    TUpliftLoad Load;      // with drainage
    const char* Picture;   // with drainage, in the program's "images\" folder
};

// The list's entries in their order; the ANCOLD code has none.
extern const std::array<TUpliftGuideline, 5> UpliftGuidelines;

// The fields of the dialog as OK reads them.
struct TUpliftEntries {
    Integer Guideline = -1;   // the selected entry, -1 for none
    bool Drain = false;
    double Xdrain = 0, GalleryElev = 0;
    bool DrainOver = false;
    double MaxElevation = 0, K1 = 0, K2 = 0;
    Integer Alternative = 1;
    double Effectiveness = 0;
    bool Computed = false;   // the effectiveness comes from the drains' diameter and spacing
};

class TUpliftRules {
public:
    explicit TUpliftRules(TParametres& model) : FModel(model) {}

    // The entry of the copy's guideline, -1 for a code without one.
    Integer Guideline() const { return GuidelineIndex(FModel.Drainage.Code); }
    // Choosing an entry: the copy's guideline becomes its code.
    void ChooseGuideline(Integer entry);
    // The two note lines under the guideline: external load and effective stresses, or internal
    // load and total stresses; empty for a code without an entry.
    std::array<String, 2> Notes() const;
    // The picture beside the fields, in the program's "images" folder: the undrained section, or
    // the drained pressure diagrams of the guideline; empty for a code without an entry.
    String Picture(bool drain) const;
    // With drainage, the CDSA guideline asks for its two distribution alternatives, the others
    // for the drains' effectiveness.
    bool ShowsAlternatives() const { return FModel.Drainage.Code == cCDSA; }

    // OK: the chosen code (kept when no entry is selected) becomes the uplift code too; without
    // drainage nothing else is stored; with drainage the drain, gallery and distribution values
    // and the guideline's uplift load.  Sets or clears the drainage flag.  Answers the warning
    // to show when the cracking options' drain rule is not the one the guideline expects
    // (empty when none); OK closes the dialog all the same.
    String ApplyOk(const TUpliftEntries& entries);

    static Integer GuidelineIndex(TCode code);
    // Empty when the cracking options' drain rule is the guideline's, and for the ANCOLD code.
    static String CrackOverWarning(TCode code, TCrackOverDrain crackOver);

private:
    TParametres& FModel;
};

// Leaving the gallery elevation: the highest drained elevation is at least the gallery's.
inline double HighestDrainedElevation(double drainOver, double gallery) { return MaxDouble(drainOver, gallery); }

// The drain-effectiveness sub-dialog: diameter and spacing are at least this.
constexpr double SmallestDrainSize = 0.001;
