// The load-combinations window's fields, enabling and factor matrix, without the window.
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "app/LoadsRules.h"

namespace {

// Every component of case k, by name, for the matrix tables below.
struct TComponent {
    const char* Name;
    TCaseArray<double> TLoadCombination::*Factors;
};
const TComponent SeismicComponents[] = {
    {"QH", &TLoadCombination::QH},     {"HDu", &TLoadCombination::HDu},   {"QV", &TLoadCombination::QV},
    {"VDu", &TLoadCombination::VDu},   {"HDd", &TLoadCombination::HDd},   {"SDh", &TLoadCombination::SDh},
    {"VDd", &TLoadCombination::VDd},   {"SDv", &TLoadCombination::SDv},   {"EMc", &TLoadCombination::EMc},
    {"EQv", &TLoadCombination::EQv},   {"QHp", &TLoadCombination::QHp},   {"HDup", &TLoadCombination::HDup},
    {"QVp", &TLoadCombination::QVp},   {"VDup", &TLoadCombination::VDup}, {"HDdp", &TLoadCombination::HDdp},
    {"SDhp", &TLoadCombination::SDhp}, {"VDdp", &TLoadCombination::VDdp}, {"SDvp", &TLoadCombination::SDvp},
    {"EMcp", &TLoadCombination::EMcp}, {"EQvp", &TLoadCombination::EQvp},
};

// A model whose every factor of the matrix is 9, so that what OK leaves alone shows.
TParametres NinesEverywhere()
{
    TParametres m;
    TLoadCombination& f = m.LoadCombination;
    for (TCaseArray<double>* a : {&f.P, &f.W, &f.U, &f.Hnu, &f.Hnd, &f.Hfu, &f.Hfd, &f.I, &f.S, &f.F, &f.QH,
                                  &f.QV, &f.HDu, &f.VDu, &f.HDd, &f.VDd, &f.SDh, &f.SDv, &f.QHp, &f.QVp, &f.HDup,
                                  &f.VDup, &f.HDdp, &f.VDdp, &f.SDhp, &f.SDvp, &f.EQ1, &f.EQs, &f.EQv, &f.HD1,
                                  &f.HDs, &f.EQ1p, &f.EQsp, &f.EQvp, &f.HD1p, &f.HDsp, &f.EMc, &f.EMcp})
        for (double& v : *a) v = 9;
    for (double& v : m.DebrisFlottant.LoadCombination) v = 9;
    return m;
}

}  // namespace

TEST(LoadsRules, SeismicFactorsFollowTheEarthquakeMethod)
{
    // Qh = 1, Qv = 0.5 on seismic #1. Pseudo-static: the forces of the seismic coefficient and
    // the hydrodynamic and silt forces; pseudo-dynamic: the modal forces instead of the first two.
    struct Row {
        const char* Name;
        double staticStress, staticStability, dynamicStress, dynamicStability;
    };
    const Row rows[] = {
        {"QH", 1, 0, 0, 0},      {"HDu", 1, 0, 0, 0},     {"QV", 0.5, 0, 0, 0},    {"VDu", 0.5, 0, 0, 0},
        {"HDd", 1, 0, 1, 0},     {"SDh", 1, 0, 1, 0},     {"VDd", 0.5, 0, 0.5, 0}, {"SDv", 0.5, 0, 0.5, 0},
        {"EMc", 0, 0, 1, 0},     {"EQv", 0, 0, 0.5, 0},   {"QHp", 0, 1, 0, 0},     {"HDup", 0, 1, 0, 0},
        {"QVp", 0, 0.5, 0, 0},   {"VDup", 0, 0.5, 0, 0},  {"HDdp", 0, 1, 0, 1},    {"SDhp", 0, 1, 0, 1},
        {"VDdp", 0, 0.5, 0, 0.5}, {"SDvp", 0, 0.5, 0, 0.5}, {"EMcp", 0, 0, 0, 1},  {"EQvp", 0, 0, 0, 0.5},
    };
    for (TSeismicChoice method : {seStatic, seDynamic}) {
        TParametres m = NinesEverywhere();
        m.Combination.Seismic1 = TSeismicCombination{true, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0.5};
        m.Charges.Seisme.Seismic1 = method;
        ApplyCombinationFactors(m);
        for (const Row& r : rows) {
            SCOPED_TRACE(std::string(r.Name) + (method == seStatic ? " static" : " dynamic"));
            const TComponent* c = nullptr;
            for (const TComponent& x : SeismicComponents)
                if (std::string(x.Name) == r.Name) c = &x;
            ASSERT_NE(c, nullptr);
            const TCaseArray<double>& f = m.LoadCombination.*(c->Factors);
            EXPECT_EQ(f[3], method == seStatic ? r.staticStress : r.dynamicStress);
            EXPECT_EQ(f[4], method == seStatic ? r.staticStability : r.dynamicStability);
        }
        // Both analyses carry the page's static loads; no ice (0 on the page), no debris.
        for (int k : {3, 4}) {
            EXPECT_EQ(m.LoadCombination.W[k], 1);
            EXPECT_EQ(m.LoadCombination.I[k], 0);
            EXPECT_EQ(m.DebrisFlottant.LoadCombination[k], 0);
            EXPECT_TRUE(m.LoadCombination.Selected[k]);
        }
        // The pseudo-dynamic components of the modal method are not the window's.
        EXPECT_EQ(m.LoadCombination.EQ1[3], 9);
        EXPECT_EQ(m.LoadCombination.HDsp[4], 9);
    }
}

TEST(LoadsRules, StaticCombinationsFillTheirOwnCasesOnly)
{
    TParametres m = NinesEverywhere();
    m.Combination.Usual = TUsualCombination{true, 1.1, 1.2, 1.3, 1.4, 1.5, 1.6, 1.7, 1.8};
    m.Combination.Flood = TFloodCombination{false, 2.1, 2.2, 2.3, 2.4, 2.5, 2.6, 2.7};
    m.Combination.PostSeismic = TPostSeismicCombination{true, 3.1, 3.2, 3.3, 3.4, 3.5, 3.6, 3.7, 3.8};
    ApplyCombinationFactors(m);
    const TLoadCombination& f = m.LoadCombination;
    // Usual (case 1) and post-seismic (case 7): D, Hu, Hd, U, S, P, F, I.
    EXPECT_EQ(f.W[1], 1.1);
    EXPECT_EQ(f.Hnu[1], 1.2);
    EXPECT_EQ(f.Hnd[1], 1.3);
    EXPECT_EQ(f.U[1], 1.4);
    EXPECT_EQ(f.S[1], 1.5);
    EXPECT_EQ(f.P[1], 1.6);
    EXPECT_EQ(f.F[1], 1.7);
    EXPECT_EQ(f.I[1], 1.8);
    EXPECT_EQ(f.W[7], 3.1);
    EXPECT_EQ(f.I[7], 3.8);
    // Flood (case 2): D, Hu, Hd, U, S, F, P into the flood levels' components.
    EXPECT_EQ(f.W[2], 2.1);
    EXPECT_EQ(f.Hfu[2], 2.2);
    EXPECT_EQ(f.Hfd[2], 2.3);
    EXPECT_EQ(f.U[2], 2.4);
    EXPECT_EQ(f.S[2], 2.5);
    EXPECT_EQ(f.F[2], 2.6);
    EXPECT_EQ(f.P[2], 2.7);
    // What no combination names keeps its value: the flood levels in the usual case, the normal
    // levels and the ice in the flood case; the floating debris counts in the flood case only.
    EXPECT_EQ(f.Hfu[1], 9);
    EXPECT_EQ(f.Hnu[2], 9);
    EXPECT_EQ(f.I[2], 9);
    EXPECT_EQ(m.DebrisFlottant.LoadCombination[2], 9);
    for (int k : {1, 3, 4, 5, 6, 7}) EXPECT_EQ(m.DebrisFlottant.LoadCombination[k], 0) << k;
    const bool selected[] = {true, false, false, false, false, false, true};
    for (int k = 1; k <= 7; ++k) EXPECT_EQ(f.Selected[k], selected[k - 1]) << k;
}

TEST(LoadsRules, CombinationBoxesFollowTheUsualCombinationAndTheInputs)
{
    TParametres m;
    m.Combination.Usual.Selected = m.Combination.Flood.Selected = true;
    m.Combination.Seismic2.Selected = m.Combination.PostSeismic.Selected = true;
    m.Charges.Seisme.PseudoDynamic = true;
    m.Charges.PostSeismic = 1;
    m.Donnees = {daPseudoDynamic};
    TCombinationBoxes b = OpeningCombinationBoxes(m);
    // No flood levels: flood stays ticked as stored but cannot be chosen.
    EXPECT_TRUE(b.Checked[cbFlood]);
    EXPECT_FALSE(b.Enabled[cbFlood]);
    EXPECT_TRUE(b.Enabled[cbSeismic1]);
    EXPECT_TRUE(b.Enabled[cbPostSeismic]);
    EXPECT_FALSE(b.PostSeismicEnabled[0]);
    EXPECT_TRUE(b.PostSeismicEnabled[1]);
    EXPECT_EQ(b.PostSeismic, 1);

    // A click: only seismic #2 is ticked, so the post-seismic case follows it.
    ClickCombinationBoxes(b, m.Donnees);
    EXPECT_EQ(b.PostSeismic, 2);
    TLoadsChoices choices;
    choices.Boxes = b;
    m.Donnees.Include(daAnalysed);
    WriteLoadCombinations(choices, m);
    EXPECT_EQ(m.Charges.PostSeismic, 2);
    EXPECT_TRUE(m.Donnees.Contains(daCombination));
    EXPECT_TRUE(m.Donnees.Contains(daChanged));
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    EXPECT_TRUE(m.LoadCombination.Selected[5]);
    EXPECT_TRUE(m.LoadCombination.Selected[6]);
    EXPECT_FALSE(m.LoadCombination.Selected[3]);

    // Clearing both earthquakes clears the post-seismic combination.
    b.Checked[cbSeismic2] = false;
    ClickCombinationBoxes(b, m.Donnees);
    EXPECT_FALSE(b.Checked[cbPostSeismic]);
    EXPECT_FALSE(b.PostSeismicEnabled[0]);
    EXPECT_FALSE(b.PostSeismicEnabled[1]);

    // Clearing "Usual" clears and disables every other combination.
    b.Checked[cbSeismic1] = b.Checked[cbPostSeismic] = true;
    b.Checked[cbUsual] = false;
    ClickCombinationBoxes(b, {daResFlood, daPseudoStatic});
    for (int i = cbFlood; i <= cbPostSeismic; ++i) {
        EXPECT_FALSE(b.Checked[i]) << i;
        EXPECT_FALSE(b.Enabled[i]) << i;
    }
    b.Checked[cbUsual] = true;
    ClickCombinationBoxes(b, {daResFlood, daPseudoStatic});
    for (int i = cbFlood; i <= cbPostSeismic; ++i) EXPECT_TRUE(b.Enabled[i]) << i;
}

TEST(LoadsRules, EarthquakeMethodsOfferOnlyTheMethodsWithInput)
{
    struct Case {
        bool pseudoStatic, pseudoDynamic;
        TSeismicChoice stored1, stored2, shown1, shown2;
    };
    const Case cases[] = {
        {true, true, seStatic, seDynamic, seStatic, seDynamic},
        {false, true, seStatic, seStatic, seDynamic, seDynamic},
        {true, false, seDynamic, seDynamic, seStatic, seStatic},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        TParametres m;
        m.Charges.Seisme = TSeismic{c.pseudoStatic, c.pseudoDynamic, c.stored1, c.stored2};
        const TSeismicMethods s = OpeningSeismicMethods(m);
        EXPECT_EQ(s.StaticEnabled, c.pseudoStatic);
        EXPECT_EQ(s.DynamicEnabled, c.pseudoDynamic);
        EXPECT_EQ(s.Seismic1, c.shown1);
        EXPECT_EQ(s.Seismic2, c.shown2);
    }
}

TEST(LoadsRules, SeventyFourFieldsEachEditTheirOwnValue)
{
    std::set<std::string> controls;
    std::set<const double*> values;
    TParametres m;
    int enforced = 0;
    for (const TLoadField& f : LoadFields()) {
        controls.insert(f.Control);
        values.insert(&f.Value(m));
        if (f.Enforce) ++enforced;
    }
    EXPECT_EQ(LoadFields().size(), 74u);
    EXPECT_EQ(controls.size(), 74u);
    EXPECT_EQ(values.size(), 74u);
    EXPECT_EQ(enforced, 30);   // the required safety factors and allowable stresses of five pages
}
