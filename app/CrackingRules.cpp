// The cracking options between the model's per-case arrays and the window's per-page controls.
#include "app/CrackingRules.h"

namespace {

// The button of a group showing the stored value, when the group has one.
int UpliftButton(Byte value, int lowest)
{
    return value >= lowest && value <= 2 ? value : NoUpliftButton;
}

// The stored value of a group: its selected button, else the last one.
Byte UpliftValue(int button)
{
    return static_cast<Byte>(button == NoUpliftButton ? 2 : button);
}

}  // namespace

TCrackingChoices ReadCrackingChoices(const TParametres& model)
{
    const TCracking& k = model.Cracking;
    TCrackingChoices c;
    c.Considered = k.Considered;
    for (int page = 0; page < CrackingPages; ++page) {
        const int first = CrackingPageCases[page].First;
        c.Initiation[page] = k.InitiationSF[first];
        c.Propagation[page] = k.PropagationSF[first];
        c.ZeroInitiation[page] = k.NoTensionI[first];
        c.ZeroPropagation[page] = k.NoTensionP[first];
    }
    c.DynamicMagn = k.DynamicMagn;
    c.StaticUplift = UpliftButton(k.UpliftState[1], 1);
    c.SeismicUplift = UpliftButton(k.UpliftState[3], 0);
    c.PostSeismicUplift = UpliftButton(k.UpliftState[7], 1);
    c.RestoreClosedCrackUplift = k.UpliftInDownStreamClosedCrack;
    c.CrackOver = model.Drainage.CrackOver;
    c.Accuracy = k.RootAccuracy;
    return c;
}

void WriteCrackingChoices(const TCrackingChoices& c, TParametres& model)
{
    TCracking& k = model.Cracking;
    for (int page = 0; page < CrackingPages; ++page) {
        for (int i = CrackingPageCases[page].First; i <= CrackingPageCases[page].Last; ++i) {
            k.InitiationSF[i] = c.Initiation[page];
            k.PropagationSF[i] = c.Propagation[page];
            k.NoTensionI[i] = c.ZeroInitiation[page];
            k.NoTensionP[i] = c.ZeroPropagation[page];
        }
    }
    k.DynamicMagn = c.DynamicMagn;
    k.UpliftState[1] = k.UpliftState[2] = UpliftValue(c.StaticUplift);
    for (int i = 3; i <= 6; ++i) k.UpliftState[i] = UpliftValue(c.SeismicUplift);
    k.UpliftState[7] = UpliftValue(c.PostSeismicUplift);
    k.UpliftInDownStreamClosedCrack = c.RestoreClosedCrackUplift;
    model.Donnees.Include(daCracking);
    model.Donnees.Exclude(daAnalysed);
    model.Drainage.CrackOver = c.CrackOver;
    k.RootAccuracy = c.Accuracy;
    k.Considered = c.Considered;
}
