// The load combinations: which model value each field edits, which combinations may be chosen,
// and the factor of every load component in each of the seven load cases.
#include "app/LoadsRules.h"

namespace {

constexpr double Huge = 1e200;

// A row of the field table: the control, the model value as an expression on m, the range.
#define LOAD_FIELD(control, value, low, high, enforce) \
    TLoadField { control, [](TParametres& m) -> double& { return m.value; }, low, high, enforce }

const TLoadField Fields[] = {
    LOAD_FIELD("editUsD", Combination.Usual.D, -0.0001, 10, false),
    LOAD_FIELD("EditUsHu", Combination.Usual.Hu, -0.0001, 10, false),
    LOAD_FIELD("EditUsHd", Combination.Usual.Hd, -0.0001, 10, false),
    LOAD_FIELD("EditUsU", Combination.Usual.U, -0.0001, 10, false),
    LOAD_FIELD("EditUsS", Combination.Usual.S, -0.0001, 10, false),
    LOAD_FIELD("EditUsP", Combination.Usual.P, -0.0001, 10, false),
    LOAD_FIELD("EditUsI", Combination.Usual.I, -0.0001, 10, false),
    LOAD_FIELD("EditUsF", Combination.Usual.F, -0.0001, 10, false),

    LOAD_FIELD("EditFlD", Combination.Flood.D, -0.0001, 10, false),
    LOAD_FIELD("EditFlHu", Combination.Flood.Hu, -0.0001, 10, false),
    LOAD_FIELD("EditFlHd", Combination.Flood.Hd, -0.0001, 10, false),
    LOAD_FIELD("EditFlU", Combination.Flood.U, -0.0001, 10, false),
    LOAD_FIELD("EditFlS", Combination.Flood.S, -0.0001, 10, false),
    LOAD_FIELD("EditFlP", Combination.Flood.P, -0.0001, 10, false),
    LOAD_FIELD("EditFlF", Combination.Flood.F, -0.0001, 10, false),
    LOAD_FIELD("EditFlFD", DebrisFlottant.LoadCombination[2], -0.0001, 10, false),

    LOAD_FIELD("EditS1D", Combination.Seismic1.D, -100, 10, false),
    LOAD_FIELD("EditS1Hu", Combination.Seismic1.Hu, -100, 10, false),
    LOAD_FIELD("EditS1Hd", Combination.Seismic1.Hd, -100, 10, false),
    LOAD_FIELD("EditS1U", Combination.Seismic1.U, -100, 10, false),
    LOAD_FIELD("EditS1S", Combination.Seismic1.S, -100, 10, false),
    LOAD_FIELD("EditS1P", Combination.Seismic1.P, -100, 10, false),
    LOAD_FIELD("EditS1I", Combination.Seismic1.I, -100, 10, false),
    LOAD_FIELD("EditS1F", Combination.Seismic1.F, -100, 10, false),
    LOAD_FIELD("EditS1Qh", Combination.Seismic1.Qh, -100, 10, false),
    LOAD_FIELD("EditS1Qv", Combination.Seismic1.Qv, -100, 10, false),

    LOAD_FIELD("EditS2D", Combination.Seismic2.D, -0.0001, 10, false),
    LOAD_FIELD("EditS2Hu", Combination.Seismic2.Hu, -0.0001, 10, false),
    LOAD_FIELD("EditS2Hd", Combination.Seismic2.Hd, -0.0001, 10, false),
    LOAD_FIELD("EditS2U", Combination.Seismic2.U, -0.0001, 10, false),
    LOAD_FIELD("EditS2S", Combination.Seismic2.S, -0.0001, 10, false),
    LOAD_FIELD("EditS2P", Combination.Seismic2.P, -0.0001, 10, false),
    LOAD_FIELD("EditS2I", Combination.Seismic2.I, -0.0001, 10, false),
    LOAD_FIELD("EditS2F", Combination.Seismic2.F, -0.0001, 10, false),
    LOAD_FIELD("EditS2Qh", Combination.Seismic2.Qh, -0.0001, 10, false),
    LOAD_FIELD("EditS2Qv", Combination.Seismic2.Qv, -0.0001, 10, false),

    LOAD_FIELD("EditPsd", Combination.PostSeismic.D, -0.0001, 10, false),
    LOAD_FIELD("EditPsHu", Combination.PostSeismic.Hu, -0.0001, 10, false),
    LOAD_FIELD("EditPsHd", Combination.PostSeismic.Hd, -0.0001, 10, false),
    LOAD_FIELD("EditPsU", Combination.PostSeismic.U, -0.0001, 10, false),
    LOAD_FIELD("EditPsS", Combination.PostSeismic.S, -0.0001, 10, false),
    LOAD_FIELD("EditPsP", Combination.PostSeismic.P, -0.0001, 10, false),
    LOAD_FIELD("EditPsI", Combination.PostSeismic.I, -0.0001, 10, false),
    LOAD_FIELD("EditPsF", Combination.PostSeismic.F, -0.0001, 10, false),

    LOAD_FIELD("EditUsPSF", SafetyFactors.Usual.Peak, 1, Huge, true),
    LOAD_FIELD("EditUsRSF", SafetyFactors.Usual.Residual, 1, Huge, true),
    LOAD_FIELD("EditUsOF", SafetyFactors.Usual.Overturning, 1, Huge, true),
    LOAD_FIELD("EditUsUF", SafetyFactors.Usual.Uplifting, 1, Huge, true),
    LOAD_FIELD("EditUsTF", SafetyFactors.Usual.Tension, -100, 2, true),
    LOAD_FIELD("EditUsCF", SafetyFactors.Usual.Compression, -100, 2, true),

    LOAD_FIELD("EditFlPSF", SafetyFactors.Flood.Peak, 1, 100, true),
    LOAD_FIELD("EditFlRSF", SafetyFactors.Flood.Residual, 1, 100, true),
    LOAD_FIELD("EditFlOF", SafetyFactors.Flood.Overturning, 1, 100, true),
    LOAD_FIELD("EditFlUF", SafetyFactors.Flood.Uplifting, 1, 100, true),
    LOAD_FIELD("EditFlTF", SafetyFactors.Flood.Tension, -100, 2, true),
    LOAD_FIELD("EditFlCF", SafetyFactors.Flood.Compression, -100, 2, true),

    LOAD_FIELD("EditS1PSF", SafetyFactors.Seismic1.Peak, 1, 100, true),
    LOAD_FIELD("EditS1RSF", SafetyFactors.Seismic1.Residual, 1, 100, true),
    LOAD_FIELD("EditS1OF", SafetyFactors.Seismic1.Overturning, 1, 100, true),
    LOAD_FIELD("EditS1UF", SafetyFactors.Seismic1.Uplifting, 1, 100, true),
    LOAD_FIELD("EditS1TF", SafetyFactors.Seismic1.Tension, -100, 2, true),
    LOAD_FIELD("EditS1CF", SafetyFactors.Seismic1.Compression, -100, 2, true),

    LOAD_FIELD("EditS2PSF", SafetyFactors.Seismic2.Peak, 1, 100, true),
    LOAD_FIELD("EditS2RSF", SafetyFactors.Seismic2.Residual, 1, 100, true),
    LOAD_FIELD("EditS2OF", SafetyFactors.Seismic2.Overturning, 1, 100, true),
    LOAD_FIELD("EditS2UF", SafetyFactors.Seismic2.Uplifting, 1, 100, true),
    LOAD_FIELD("EditS2TF", SafetyFactors.Seismic2.Tension, -100, 2, true),
    LOAD_FIELD("EditS2CF", SafetyFactors.Seismic2.Compression, -100, 2, true),

    LOAD_FIELD("EditPsPSF", SafetyFactors.PostSeismic.Peak, 1, 100, true),
    LOAD_FIELD("EditPsRSF", SafetyFactors.PostSeismic.Residual, 1, 100, true),
    LOAD_FIELD("EditPsOF", SafetyFactors.PostSeismic.Overturning, 1, 100, true),
    LOAD_FIELD("EditPsUF", SafetyFactors.PostSeismic.Uplifting, 1, 100, true),
    LOAD_FIELD("EditPsTF", SafetyFactors.PostSeismic.Tension, -100, 2, true),
    LOAD_FIELD("EditPsCF", SafetyFactors.PostSeismic.Compression, -100, 2, true),
};

#undef LOAD_FIELD

bool HasSeismicInput(const TDataSet& data)
{
    return data.Contains(daPseudoStatic) || data.Contains(daPseudoDynamic);
}

// The post-seismic buttons follow the ticked earthquakes.
void OfferPostSeismic(TCombinationBoxes& b)
{
    b.PostSeismicEnabled[0] = b.Checked[cbSeismic1];
    b.PostSeismicEnabled[1] = b.Checked[cbSeismic2];
}

}  // namespace

std::span<const TLoadField> LoadFields() { return Fields; }

TCombinationBoxes OpeningCombinationBoxes(const TParametres& model)
{
    const TCombinations& c = model.Combination;
    TCombinationBoxes b;
    b.Checked[cbUsual] = c.Usual.Selected;
    b.Checked[cbFlood] = c.Flood.Selected;
    b.Checked[cbSeismic1] = c.Seismic1.Selected;
    b.Checked[cbSeismic2] = c.Seismic2.Selected;
    b.Checked[cbPostSeismic] = c.PostSeismic.Selected;
    const bool seismic = model.Charges.Seisme.PseudoStatic || model.Charges.Seisme.PseudoDynamic;
    b.Enabled[cbUsual] = true;
    b.Enabled[cbFlood] = model.Donnees.Contains(daResFlood);
    b.Enabled[cbSeismic1] = b.Enabled[cbSeismic2] = b.Enabled[cbPostSeismic] = seismic;
    OfferPostSeismic(b);
    b.PostSeismic = model.Charges.PostSeismic == 1 || model.Charges.PostSeismic == 2 ? model.Charges.PostSeismic : 0;
    return b;
}

void ClickCombinationBoxes(TCombinationBoxes& b, const TDataSet& data)
{
    const bool usual = b.Checked[cbUsual];
    b.Enabled[cbUsual] = true;
    b.Enabled[cbFlood] = usual && data.Contains(daResFlood);
    b.Enabled[cbSeismic1] = b.Enabled[cbSeismic2] = b.Enabled[cbPostSeismic] = usual && HasSeismicInput(data);
    if (!usual)
        for (int i = cbFlood; i <= cbPostSeismic; ++i) b.Checked[i] = false;
    if (!b.Checked[cbSeismic1] && !b.Checked[cbSeismic2]) b.Checked[cbPostSeismic] = false;
    OfferPostSeismic(b);
    if (b.PostSeismicEnabled[0] != b.PostSeismicEnabled[1]) b.PostSeismic = b.PostSeismicEnabled[0] ? 1 : 2;
}

TSeismicMethods OpeningSeismicMethods(const TParametres& model)
{
    const TSeismic& s = model.Charges.Seisme;
    TSeismicMethods m;
    m.StaticEnabled = s.PseudoStatic;
    m.DynamicEnabled = s.PseudoDynamic;
    m.Seismic1 = s.Seismic1;
    m.Seismic2 = s.Seismic2;
    if (!s.PseudoStatic) m.Seismic1 = m.Seismic2 = seDynamic;
    if (!s.PseudoDynamic) m.Seismic1 = m.Seismic2 = seStatic;
    return m;
}

void ApplyCombinationFactors(TParametres& m)
{
    TLoadCombination& f = m.LoadCombination;
    const TCombinations& c = m.Combination;
    auto usualLoads = [&](int k, const TUsualCombination& u) {
        f.W[k] = u.D;
        f.Hnu[k] = u.Hu;
        f.Hnd[k] = u.Hd;
        f.U[k] = u.U;
        f.S[k] = u.S;
        f.P[k] = u.P;
        f.F[k] = u.F;
        f.I[k] = u.I;
        m.DebrisFlottant.LoadCombination[k] = 0;
    };
    usualLoads(1, c.Usual);
    usualLoads(7, c.PostSeismic);

    f.W[2] = c.Flood.D;
    f.Hfu[2] = c.Flood.Hu;
    f.Hfd[2] = c.Flood.Hd;
    f.U[2] = c.Flood.U;
    f.S[2] = c.Flood.S;
    f.P[2] = c.Flood.P;
    f.F[2] = c.Flood.F;

    // Case k is the stress analysis of an earthquake, k + 1 its stability analysis with the
    // sustained components; s = 1 for the pseudo-static method, 0 for the pseudo-dynamic one.
    auto seismic = [&](int k, const TSeismicCombination& e, TSeismicChoice method) {
        const TUsualCombination u{e.Selected, e.D, e.Hu, e.Hd, e.U, e.S, e.P, e.F, e.I};
        usualLoads(k, u);
        usualLoads(k + 1, u);
        const double s = method == seStatic ? 1 : 0;
        for (int stability = 0; stability <= 1; ++stability) {
            const int kk = k + stability;
            const double qh = stability ? 0 : e.Qh, qv = stability ? 0 : e.Qv;
            f.QH[kk] = f.HDu[kk] = s * qh;
            f.QV[kk] = f.VDu[kk] = s * qv;
            f.HDd[kk] = f.SDh[kk] = qh;
            f.VDd[kk] = f.SDv[kk] = qv;
            f.EMc[kk] = (1 - s) * qh;
            f.EQv[kk] = (1 - s) * qv;
            const double qhp = stability ? e.Qh : 0, qvp = stability ? e.Qv : 0;
            f.QHp[kk] = f.HDup[kk] = s * qhp;
            f.QVp[kk] = f.VDup[kk] = s * qvp;
            f.HDdp[kk] = f.SDhp[kk] = qhp;
            f.VDdp[kk] = f.SDvp[kk] = qvp;
            f.EMcp[kk] = (1 - s) * qhp;
            f.EQvp[kk] = (1 - s) * qvp;
        }
    };
    seismic(3, c.Seismic1, m.Charges.Seisme.Seismic1);
    seismic(5, c.Seismic2, m.Charges.Seisme.Seismic2);

    f.Selected[1] = c.Usual.Selected;
    f.Selected[2] = c.Flood.Selected;
    f.Selected[3] = f.Selected[4] = c.Seismic1.Selected;
    f.Selected[5] = f.Selected[6] = c.Seismic2.Selected;
    f.Selected[7] = c.PostSeismic.Selected;
}

void WriteLoadCombinations(const TLoadsChoices& choices, TParametres& model)
{
    model.SFComputations = choices.SFComputations;
    model.Charges.Seisme.Seismic1 = choices.Seismic1;
    model.Charges.Seisme.Seismic2 = choices.Seismic2;
    TCombinations& c = model.Combination;
    const TCombinationBoxes& b = choices.Boxes;
    c.Usual.Selected = b.Checked[cbUsual];
    c.Flood.Selected = b.Checked[cbFlood];
    c.Seismic1.Selected = b.Checked[cbSeismic1];
    c.Seismic2.Selected = b.Checked[cbSeismic2];
    c.PostSeismic.Selected = b.Checked[cbPostSeismic];
    model.Charges.PostSeismic = b.PostSeismic == 1 ? 1 : 2;
    ApplyCombinationFactors(model);
    model.Donnees.Include(daCombination);
    model.Donnees.Include(daChanged);
    model.Donnees.Exclude(daAnalysed);
}
