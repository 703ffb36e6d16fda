#pragma once
// The rules of the cracking-options window, apart from its controls: which load cases each
// control stands for, and what the window reads from and writes into the model.
#include "engine/Unites.h"

// The tensile-strength pages: usual, flood, the two seismic combinations, post-seismic.
constexpr int CrackingPages = 4;
// The load cases a page's controls stand for: its first and last case (the seismic page stands
// for cases 3 to 6, the stress and stability analyses of both earthquakes).
struct TCaseRange {
    int First, Last;
};
constexpr TCaseRange CrackingPageCases[CrackingPages] = {{1, 1}, {2, 2}, {3, 6}, {7, 7}};

// No button of an uplift group is selected.
constexpr int NoUpliftButton = -1;

// What the window's controls show, one value per control or button group.
struct TCrackingChoices {
    bool Considered = false;
    double Initiation[CrackingPages] = {}, Propagation[CrackingPages] = {};
    bool ZeroInitiation[CrackingPages] = {}, ZeroPropagation[CrackingPages] = {};
    double DynamicMagn = 0;
    // The value of the selected uplift button: static 1 or 2, seismic 0, 1 or 2, post-seismic 1
    // or 2; NoUpliftButton when the model's value has no button in the group.
    int StaticUplift = NoUpliftButton, SeismicUplift = NoUpliftButton, PostSeismicUplift = NoUpliftButton;
    bool RestoreClosedCrackUplift = false;
    TCrackOverDrain CrackOver = cdNotEffective;
    TRootAccuracy Accuracy = raCoarse;
};

// The controls filled from the model: each page from its first load case.
TCrackingChoices ReadCrackingChoices(const TParametres& model);
// OK: every case of each page from its controls, an uplift group without a selected button as
// its last button (2), daCracking set and daAnalysed cleared; the convergence method stays.
void WriteCrackingChoices(const TCrackingChoices& choices, TParametres& model);
