#pragma once
// The rules of the load-combinations window, apart from its controls: the 74 numeric fields and
// the model values they edit, the enabling of the five combinations, and the factor matrix of
// the seven load cases written on OK.
#include <span>

#include "engine/Unites.h"

// One numeric field of the window: its control, the model value it edits and its range
// (held inside only when Enforce is set).
struct TLoadField {
    const char* Control;
    double& (*Value)(TParametres& model);
    double MinValue, MaxValue;
    bool Enforce;
};
// The load factors of the five pages, the flood page's floating debris, then each page's
// required safety factors and allowable-stress factors.
std::span<const TLoadField> LoadFields();

enum TCombinationBox { cbUsual, cbFlood, cbSeismic1, cbSeismic2, cbPostSeismic };
constexpr int CombinationBoxes = 5;

// The "Combinations:" check boxes (a page is shown while its box is ticked) and the "Apply
// post-seismic to:" buttons.
struct TCombinationBoxes {
    bool Checked[CombinationBoxes] = {};
    bool Enabled[CombinationBoxes] = {};
    bool PostSeismicEnabled[2] = {};   // seismic #1, seismic #2
    Integer PostSeismic = 0;           // the selected button: 1 or 2, 0 none
};

// As the window opens: ticked from the combinations' Selected; flood offered with flood
// levels, the seismic and post-seismic combinations with pseudo-static or pseudo-dynamic input.
TCombinationBoxes OpeningCombinationBoxes(const TParametres& model);
// After a click on a box: the other boxes offered only while "Usual" is ticked (flood with the
// flood levels of data, the three others with seismic input); clearing "Usual" clears them all,
// clearing both earthquakes clears the post-seismic combination; a post-seismic button is
// offered while its earthquake is ticked and, when it is the only one, selected.
void ClickCombinationBoxes(TCombinationBoxes& boxes, const TDataSet& data);

// The "Earthquake analysis:" buttons of the two seismic pages as the window opens.
struct TSeismicMethods {
    bool StaticEnabled = false, DynamicEnabled = false;
    TSeismicChoice Seismic1 = seStatic, Seismic2 = seStatic;
};
TSeismicMethods OpeningSeismicMethods(const TParametres& model);

// The factor matrix LoadCombination of the seven load cases, and its Selected, from the
// combinations' load factors and the seismic method of each earthquake. The floating debris
// counts in the flood case only (its factor is the flood page's own field); components no
// combination names keep their values.
void ApplyCombinationFactors(TParametres& model);

// What OK writes besides the fields: the sliding method, the seismic methods, the selected
// combinations, the earthquake the post-seismic case follows, then the factor matrix; the
// combinations exist, the model changed and its results no longer belong to it.
struct TLoadsChoices {
    TSafetyFactorComputations SFComputations = sfLimitEquilibrium;
    TSeismicChoice Seismic1 = seStatic, Seismic2 = seStatic;
    TCombinationBoxes Boxes;
};
void WriteLoadCombinations(const TLoadsChoices& choices, TParametres& model);
