#include "analysis/StatisticDlg.h"

#include <algorithm>
#include <memory>

#include "analysis/IncrementalOptions.h"
#include "analysis/Statistic.h"
#include "analysis/StatisticOptions.h"
#include "analysis/IncrementalLoadDlg.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/SysFormat.h"
#include "styledcontrols/StyMessageHint.h"
#include "styledcontrols/StySpinEdit.h"

namespace {

struct TQuantityText {
    const char* Name;
    const char* Metric;
    const char* Imperial;
};
const TQuantityText QuantityTexts[15] = {{"None                     ", "    ", "    "},
                                         {"Tensile strength (ft)    ", "kPa ", "ksf "},
                                         {"Cohesion (peak)          ", "kPa ", "ksf "},
                                         {"Cohesion (residual)      ", "kPa ", "ksf "},
                                         {"Peak Friction coefficient", "", ""},
                                         {"Res. Friction coefficient", "", ""},
                                         {"Normal U/S reservoir elev", "m   ", "ft  "},
                                         {"U/S Res. increase (Flood)", "m   ", "ft  "},
                                         {"Silt Elevation           ", "m   ", "ft  "},
                                         {"Silt volumetric weight   ", "k/m\u00b3", "k/f\u00b3"},
                                         {"Drain Efficiency (ke)    ", "    ", "    "},
                                         {"Floating debris          ", "kN  ", "kip "},
                                         {"Ice load                 ", "kN  ", "kip "},
                                         {"Last applied force       ", "kN  ", "kip "},
                                         {"Hor. peak ground acceler.", "g   ", "g   "}};

const char* const DistributionNames[4] = {"uniform", "normal", "log-normal", "User defined"};
constexpr Integer UserDefined = 3;

const char* const CrackingCorrection = "Make sure that you select the right load combination upon making your "
                                       "correction in Cracking options.";
const char* const OvertoppingNote =
    "\rNote: Upon Overtopping possibility, please read the following rules:"
    "\r   1) if Overtopping is already defined with no D/S reservoir elevation,"
    "\r      then no downstream reservoir will be generated"
    "\r   2) if Overtopping is already defined with a D/S reservoir elevation,"
    "\r      then the ratio (downstream reservoir) / (overtopging) will be conserved"
    "\r   3) if Overtopping is not defined,"
    "\r      then the downstream reservoir will be increase by the overtopping";

// The warning text as it is built: a piece on a new line follows a carriage return when some
// text is already there.
struct TWarning {
    String Text;
    void Line(const String& piece)
    {
        if (!Text.IsEmpty()) Text += "\r";
        Text += piece;
    }
};

}  // namespace

String RandomQuantityName(Integer code) { return code >= 0 && code <= 14 ? QuantityTexts[code].Name : ""; }

String RandomQuantityWarning(const TParametres& model, Integer code, Integer combination, const String& entry)
{
    const Integer c = combination;
    // A factor of the combination; a combination the model does not know leaves no load out.
    auto factor = [c](const TCaseArray<double>& f) { return c >= 1 && c <= NLoadCases ? f[c] : 1.0; };
    const TLoadCombination& lc = model.LoadCombination;
    const TCracking& cr = model.Cracking;
    TWarning w;
    switch (code) {
    case 1: {
        if (!cr.Considered) return "Warning: Cracking is not activated in Cracking Options!";
        if (c < 1 || c > NLoadCases) return "";
        if (cr.NoTensionI[c] || cr.NoTensionP[c])
            return String("Warning: Tensile strength is set to zero in Cracking Options!\r") + CrackingCorrection;
        if (cr.InitiationSF[c] > 1)
            w.Line("Warning: Tensile Strength if divided by " + Format("%6.3f", {cr.InitiationSF[c]}) +
                   " for crack initiation");
        if (cr.PropagationSF[c] > 1)
            w.Line("Warning: Tensile Strength if divided by " + Format("%6.3f", {cr.PropagationSF[c]}) +
                   " for crack propagation");
        if (!w.Text.IsEmpty()) w.Text += String("\r") + CrackingCorrection;
        return w.Text;
    }
    case 6:
        if (factor(lc.Hnu) == 0 && c != 2)
            w.Line("Warning: Upstream reservoir is not considered in the " + entry + " combination");
        if (factor(lc.Hnd) == 0 && c != 2)
            w.Line("Warning: Downstream reservoir is not considered in the " + entry + " combination");
        if (factor(lc.U) == 0) w.Line("Warning: Uplift force is not considered in the " + entry + " combination");
        return w.Text + OvertoppingNote;
    case 7:
        if (c != 2)
            return "Warning: Additional reservoir elevation due to flood is not applicable to " + entry + " combination";
        if (factor(lc.Hfu) == 0)
            w.Line("Warning: Flood upstream reservoir is not activated in the" + entry + " combination");
        if (factor(lc.Hfd) == 0)
            w.Line("Warning: Flood downstream reservoir is not activated in the " + entry + " combination");
        if (factor(lc.U) == 0) w.Line("Warning: Uplift force is not activated in the " + entry + " combination");
        return w.Text + OvertoppingNote;
    case 8:
    case 9:
        if (!model.Donnees.Contains(daSediments)) return "Warning: Silt load is not considered in any load combination!";
        if (factor(lc.S) == 0) return "Warning: Silt force is not activated in the " + entry + " combination";
        return "";
    case 10:
        if (!model.Drain) w.Line("Warning: No drainage system is defined!");
        if (factor(lc.U) == 0) w.Line("Warning: Uplift force is not activated in the " + entry + " combination.");
        return w.Text;
    case 11:
        if (factor(model.DebrisFlottant.LoadCombination) == 0)
            return "Warning: Floating debris force is not activated in the " + entry + " combination.";
        return "";
    case 12:
        if (factor(lc.I) == 0) return "Warning: Ice force is not activated in the " + entry + " combination.";
        return "";
    case 13:
        if (model.NForces == 0) w.Line("Warning: No applied force defined!");
        if (factor(lc.F) == 0) w.Line("Warning: Applied forces are not activated in the " + entry + " combination.");
        return w.Text;
    case 14: {
        if (c == 1 || c == 2 || c == 7)
            return "Warning: Ground accelerations are not considered in the " + entry + " combination.";
        const TSeismic& s = model.Charges.Seisme;
        const bool dynamic = (c == 3 && s.Seismic1 == seDynamic) || (c == 5 && s.Seismic2 == seDynamic);
        const TAccelerations& a = model.Acc;
        if (a.Peak.vertical == 0) w.Line("Warning: Vertical Peak ground acceleration is zero.");
        if (a.Peak.spectral == 0 && dynamic) w.Line("Warning: Spectral Peak ground acceleration is zero.");
        if (a.Sust.vertical == 0) w.Line("Warning: Vertical sustained acceleration is zero.");
        if (a.Sust.spectral == 0 && dynamic) w.Line("Warning: Spectral sustained acceleration is zero.");
        w.Line("Note: All accelerations, other than the horizontal peak ground acceleration,\r"
               "     are scaled proportionally to their values defined in the pseudo-static or pseudo-dynamic "
               "options.");
        return w.Text;
    }
    default: return "";
    }
}

bool RandomRowIsValid(const TStatistiques& st, int r)
{
    const double mean = st.Moyenne[r], deviation = st.Deviation[r], low = st.Minimum[r], high = st.Maximum[r];
    switch (st.Distribution[r]) {
    case 2: return mean > 0 && deviation > 0 && low > 0 && high > 0;
    case 1: return low < high && deviation > 0 && (high - low) / deviation <= 10;
    default: return low < high;
    }
}

TClass TStatisticDlg::StaticClass()
{
    static const TMetaClass meta("TStatisticDlg", TForm::StaticClass(), NewComponent<TStatisticDlg>, [](TMetaClass& m) {
        using D = TStatisticDlg;
        TPublished<D> published(&m);
        // Every row's check box and quantity list has a handler of its own name, all alike.
        for (int r = 1; r <= NRandomVariables; ++r) {
            published.Method(("CheckBox" + std::to_string(r) + "Click").c_str(), &D::CheckBoxClick);
            published.Method(("Combo" + std::to_string(r) + "Change").c_str(), &D::ComboChange);
        }
        published.Method("FormCreate", &D::FormCreate)
            .Method("FormShow", &D::FormShow)
            .Method("ComboBox1Change", &D::ComboBox1Change)
            .Method("Combo1MouseMove", &D::Combo1MouseMove)
            .Method("FormMouseMove", &D::FormMouseMove)
            .Method("ComboLoadChange", &D::ComboLoadChange)
            .Method("ButtonOptionsClick", &D::ButtonOptionsClick)
            .Method("ButtonOkClick", &D::ButtonOkClick)
            .Method("ButtonHelpClick", &D::ButtonHelpClick)
            .Method("FormKeyDown", &D::FormKeyDown)
            .Field("CheckBox12", &D::CheckBox12)
            .Field("StySpinEdit1", &D::StySpinEdit1)
            .Field("ComboLoad", &D::ComboLoad)
            .Field("ButtonOptions", &D::ButtonOptions)
            .Field("ButtonOk", &D::ButtonOk)
            .Field("ButtonCancel", &D::ButtonCancel)
            .Field("ButtonHelp", &D::ButtonHelp)
            .Field("Button1", &D::Button1)
            .Field("OpenDialog", &D::OpenDialog);
    });
    return &meta;
}

void RegisterStatisticClasses()
{
    RegisterIncrementalLoadClasses();
    RegisterClasses({TStySpinEdit::StaticClass(), TOpenDialog::StaticClass(), TStatisticDlg::StaticClass()});
}

// One balloon at a time, below right of the list's centre, each of its lines whole (up to half
// the screen's width), its title in Arial.
TStatisticDlg::TStatisticDlg(TComponent* AOwner) : TForm(AOwner), StyMessageHint(new TStyMessageHint(this))
{
    StyMessageHint->SetName("StyMessageHint");
    StyMessageHint->SetPosition(hpBelowRight);
    StyMessageHint->SetMaxWidth(-2);
    StyMessageHint->TitleFont().SetName("Arial");
}

template <class T>
int TStatisticDlg::RowOf(TObject* Sender, T* const (&controls)[NRandomVariables + 1])
{
    for (int r = 1; r <= NRandomVariables; ++r)
        if (controls[r] == Sender) return r;
    return 0;
}

void TStatisticDlg::FormCreate(TObject*)
{
    auto find = [this](const String& name) { return FindComponent(name); };
    for (int r = 1; r <= NRandomVariables; ++r) {
        // Row 11 came after the forty edits of rows 1 to 10.
        const int edit = r <= 10 ? r : 41;
        const int step = r <= 10 ? 10 : 1;
        RowBoxes[r] = dynamic_cast<TCheckBox*>(find("CheckBox" + IntToStr(r)));
        Quantities[r] = dynamic_cast<TCustomComboBox*>(find("Combo" + IntToStr(r)));
        Units[r] = dynamic_cast<TLabel*>(find("Label" + IntToStr(r + 6)));
        Means[r] = dynamic_cast<TEcCalcEdit*>(find("RxCalcEdit" + IntToStr(edit)));
        Deviations[r] = dynamic_cast<TEcCalcEdit*>(find("RxCalcEdit" + IntToStr(edit + step)));
        Lows[r] = dynamic_cast<TEcCalcEdit*>(find("RxCalcEdit" + IntToStr(edit + 2 * step)));
        Highs[r] = dynamic_cast<TEcCalcEdit*>(find("RxCalcEdit" + IntToStr(edit + 3 * step)));
        Distributions[r] = dynamic_cast<TComboBox*>(find("ComboBox" + IntToStr(r)));
        for (const char* name : DistributionNames) Distributions[r]->Items().Add(name);
    }
}

String TStatisticDlg::UnitText(Integer code) const
{
    if (code < 0 || code > 14) return "";
    return param.unites == SI ? QuantityTexts[code].Metric : QuantityTexts[code].Imperial;
}

void TStatisticDlg::FormShow(TObject*)
{
    TStatistiques& st = param.Statistiques;
    for (int r = 1; r <= NRandomVariables; ++r) {
        Units[r]->SetCaption(UnitText(st.NumeroParametre[r]));
        Quantities[r]->Items().Clear();
        for (const TQuantityText& q : QuantityTexts) Quantities[r]->Items().Add(q.Name);
        Quantities[r]->SetItemIndex(st.NumeroParametre[r]);
        Means[r]->SetValue(st.Moyenne[r]);
        Deviations[r]->SetValue(st.Deviation[r]);
        Lows[r]->SetValue(st.Minimum[r]);
        Highs[r]->SetValue(st.Maximum[r]);
        Distributions[r]->SetItemIndex(st.Distribution[r]);
    }
    StySpinEdit1->SetValue(st.NombreAnalyses);
    CheckBox12->SetChecked(st.AnalysesDemandees);

    const TCaseArray<bool>& selected = param.LoadCombination.Selected;
    const std::pair<String, Integer> entries[5] = {{"Usual", 1},
                                                   {"Flood", 2},
                                                   {"Seismic #1", 3},
                                                   {"Seismic #2", 5},
                                                   {"Post-seismic #" + IntToStr(param.Charges.PostSeismic), 7}};
    ComboLoad->Items().Clear();
    FLoadCodes.clear();
    for (const auto& [text, code] : entries) {
        if (!selected[code]) continue;
        ComboLoad->Items().Add(text);
        FLoadCodes.push_back(code);
    }
    auto entry = [this](Integer code) { return std::find(FLoadCodes.begin(), FLoadCodes.end(), code); };
    const bool other = st.Combination == 2 || st.Combination == 3 || st.Combination == 5 || st.Combination == 7;
    if (other && entry(st.Combination) == FLoadCodes.end()) st.Combination = 1;
    const auto chosen = entry(st.Combination);
    ComboLoad->SetItemIndex(chosen == FLoadCodes.end() ? -1 : static_cast<Integer>(chosen - FLoadCodes.begin()));

    // Checking a box runs its click handler, so a selected row opens enabled.
    for (int r = 1; r <= NRandomVariables; ++r) RowBoxes[r]->SetChecked(st.Selection[r]);
    CheckIfOneIsSelected();
}

void TStatisticDlg::CheckBoxClick(TObject* Sender)
{
    const int r = RowOf(Sender, RowBoxes);
    if (r == 0) return;
    const bool on = RowBoxes[r]->Checked();
    const std::initializer_list<TWinControl*> row = {Quantities[r], Means[r], Deviations[r], Lows[r], Highs[r],
                                                     Distributions[r]};
    for (TWinControl* control : row) control->SetEnabled(on);
    if (on && Means[r]->CanFocus()) Means[r]->SetFocus();
    CheckIfOneIsSelected();
}

void TStatisticDlg::CheckIfOneIsSelected()
{
    bool one = false;
    for (int r = 1; r <= NRandomVariables; ++r) one = one || RowBoxes[r]->Checked();
    ButtonOptions->SetEnabled(one);
}

void TStatisticDlg::ComboChange(TObject* Sender)
{
    const int r = RowOf(Sender, Quantities);
    if (r == 0) return;
    const Integer code = Quantities[r]->ItemIndex();
    param.Statistiques.NumeroParametre[r] = static_cast<Word>(code < 0 ? 0 : code);
    Units[r]->SetCaption(UnitText(param.Statistiques.NumeroParametre[r]));
}

void TStatisticDlg::ComboBox1Change(TObject* Sender)
{
    const int found = RowOf(Sender, Distributions);
    const int r = found <= 10 && found > 0 ? found : NRandomVariables;
    if (Distributions[r]->ItemIndex() != UserDefined) return;
    if (OpenDialog->Execute()) {
        const String problem =
            ReadUserDensityFile(OpenDialog->FileName(), param.UserDefinedPDF.number[r], param.UserDefinedPDF.elem[r]);
        if (problem.IsEmpty()) return;
        MessageDlg(problem, mtError, {mbOK}, 0);
    }
    Distributions[r]->SetItemIndex(param.Statistiques.Distribution[r]);
}

void TStatisticDlg::Combo1MouseMove(TObject* Sender, TShiftState, Integer, Integer)
{
    auto* list = dynamic_cast<TCustomComboBox*>(Sender);
    if (!list || StyMessageHint->IsDisplaying()) return;
    const String text =
        RandomQuantityWarning(param, list->ItemIndex(), param.Statistiques.Combination, ComboLoad->Text());
    if (!text.IsEmpty()) StyMessageHint->ShowControlMessage(text, list, "", clNone, hitInfo, -1);
}

void TStatisticDlg::FormMouseMove(TObject*, TShiftState, Integer, Integer) { StyMessageHint->HideMessage(); }

Integer TStatisticDlg::ChosenCombination() const
{
    const Integer index = ComboLoad->ItemIndex();
    return index >= 0 && index < static_cast<Integer>(FLoadCodes.size()) ? FLoadCodes[index] : 0;
}

void TStatisticDlg::ComboLoadChange(TObject*)
{
    if (const Integer code = ChosenCombination()) param.Statistiques.Combination = code;
}

void TStatisticDlg::ButtonOptionsClick(TObject*)
{
    std::unique_ptr<TStatisticOptionsDlg> options(CreateForm<TStatisticOptionsDlg>(Application));
    options->Statistiques = param.Statistiques;
    options->Joint = param.Joint;
    options->NJoints = param.NJoints;
    if (options->ShowModal() == mrOk) param.Statistiques = options->Statistiques;
}

// Stores every row, then checks the selected ones: a row its distribution cannot be drawn with
// keeps the window open with a warning, the values already stored staying in the copy.
void TStatisticDlg::ButtonOkClick(TObject*)
{
    TStatistiques& st = param.Statistiques;
    bool valid = true;
    bool checked = false;
    for (int r = 1; r <= NRandomVariables; ++r) {
        st.Moyenne[r] = static_cast<double>(Means[r]->Value());
        st.Deviation[r] = static_cast<double>(Deviations[r]->Value());
        st.Minimum[r] = static_cast<double>(Lows[r]->Value());
        st.Maximum[r] = static_cast<double>(Highs[r]->Value());
        const Integer distribution = Distributions[r]->ItemIndex();
        if (distribution >= 0 && distribution <= UserDefined) st.Distribution[r] = static_cast<Byte>(distribution);
        st.Selection[r] = RowBoxes[r]->Checked() && Quantities[r]->ItemIndex() != 0;
        checked = checked || RowBoxes[r]->Checked();
        if (st.Selection[r] && !RandomRowIsValid(st, r)) valid = false;
    }
    if (const Integer code = ChosenCombination()) st.Combination = code;
    st.NombreAnalyses = StySpinEdit1->Value();
    st.AnalysesDemandees = CheckBox12->Checked() && checked;
    if (valid) return;
    SetModalResult(mrNone);
    MessageDlg("Illegal values \rex: std. dev <= 0\rno null or negative values for a Log-Normal distribution\r"
               "Range is set higher than a total of 10 standard deviations",
               mtWarning, {mbOK}, 0);
}

void TStatisticDlg::ButtonHelpClick(TObject*) { Application->HelpContext(HelpContext()); }

void TStatisticDlg::FormKeyDown(TObject*, Word& Key, TShiftState) { ReplayEnterAsTab(Key); }
