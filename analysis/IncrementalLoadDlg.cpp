#include "analysis/IncrementalLoadDlg.h"

#include <memory>

#include "analysis/IncrementalOptions.h"
#include "analysis/StatisticOptions.h"
#include "editcontrols/EditControlsRegistry.h"
#include "foundation/StyButton.h"
#include "platform/classes/TypInfo.h"
#include "platform/forms/Dialogs.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"
#include "styledcontrols/StyComboBox.h"
#include "styledcontrols/StyMessageHint.h"

namespace {

struct TLoadText {
    const char* Name;
    const char* Metric;
    const char* Imperial;
};
const TLoadText LoadTexts[8] = {{"None", "", ""},
                                {"Normal Upstream Reservoir Elevation", "m", "ft"},
                                {"Flood Upstream Reservoir elevation", "m", "ft"},
                                {"Horizontal Peak Ground Acceleration", "g", "g"},
                                {"Last Applied Force", "kN", "kip"},
                                {"Post-Tension", "kN", "kip"},
                                {"Ice Load", "kN", "kip"},
                                {"Drain effectiveness", "", ""}};

// The combinations in the order of the list, with the code each stands for.
struct TCombinationEntry {
    const char* Text;
    Integer Code;
};
const TCombinationEntry CombinationEntries[5] = {{"Usual Combination", 1},
                                                 {"Flood Combination", 2},
                                                 {"Seismic #1 Combination", 3},
                                                 {"Seismic #2 Combination", 5},
                                                 {"Post-Seismic Combination", 7}};

bool Contains(const String& text, const char* part) { return Pos(part, text) > 0; }

}  // namespace

String IncrementedLoadName(Integer code) { return code >= 0 && code <= 7 ? LoadTexts[code].Name : ""; }

TClass TIncrementalLoadDlg::StaticClass()
{
    static const TMetaClass meta("TIncrementalLoadDlg", TForm::StaticClass(), NewComponent<TIncrementalLoadDlg>,
                                 [](TMetaClass& m) {
                                     using D = TIncrementalLoadDlg;
                                     TPublished<D>(&m)
                                         .Method("FormShow", &D::FormShow)
                                         .Method("CombinationBoxChange", &D::CombinationBoxChange)
                                         .Method("LoadingBoxChange", &D::LoadingBoxChange)
                                         .Method("EditStartExit", &D::EditStartExit)
                                         .Method("StyButton1Click", &D::StyButton1Click)
                                         .Method("Button1Click", &D::Button1Click)
                                         .Method("Button3Click", &D::Button3Click)
                                         .Method("FormKeyDown", &D::FormKeyDown)
                                         .Field("CheckBox", &D::CheckBox)
                                         .Field("CombinationBox", &D::CombinationBox)
                                         .Field("LoadingBox", &D::LoadingBox)
                                         .Field("EditStart", &D::EditStart)
                                         .Field("EditEnd", &D::EditEnd)
                                         .Field("EditIncrement", &D::EditIncrement)
                                         .Field("LabelL1", &D::LabelL1)
                                         .Field("LabelL2", &D::LabelL2)
                                         .Field("LabelL3", &D::LabelL3)
                                         .Field("JointBox", &D::JointBox)
                                         .Field("StyButton1", &D::StyButton1)
                                         .Field("Button1", &D::Button1)
                                         .Field("Button2", &D::Button2)
                                         .Field("Button3", &D::Button3);
                                 });
    return &meta;
}

void RegisterIncrementalLoadClasses()
{
    RegisterEditControlClasses();
    RegisterClasses({TStyButton::StaticClass(), TIncrementalLoadDlg::StaticClass(),
                     TIncrementalOptionsDlg::StaticClass(), TStatisticOptionsDlg::StaticClass(),
                     TStyComboBox::StaticClass()});
}

// The balloon shows below right of the edit's centre, one at a time, each of its lines whole
// (up to half the screen's width).
TIncrementalLoadDlg::TIncrementalLoadDlg(TComponent* AOwner)
    : TForm(AOwner), ProgramFolder(ProgramDir()), StyMessage(new TStyMessageHint(this))
{
    StyMessage->SetPosition(hpBelowRight);
    StyMessage->SetMaxWidth(-2);
}

void TIncrementalLoadDlg::FormShow(TObject*)
{
    const TIncrementLoad& il = param.IncrementLoad;
    CheckBox->SetChecked(il.PerformAnalysis);

    const TCombinations& c = param.Combination;
    const bool selected[5] = {c.Usual.Selected, c.Flood.Selected, c.Seismic1.Selected, c.Seismic2.Selected,
                              c.PostSeismic.Selected};
    CombinationBox->Items().Clear();
    for (int i = 0; i < 5; ++i) {
        if (!selected[i]) continue;
        CombinationBox->Items().Add(CombinationEntries[i].Text);
        const Integer code = CombinationEntries[i].Code;
        if (il.Combination == code || (code == 1 && il.Combination == 0))
            CombinationBox->SetItemIndex(CombinationBox->Items().Count() - 1);
    }
    CombinationBoxChange(CombinationBox);
    ShowLoadValues(il.Loading);

    JointBox->Items().Clear();
    for (Integer j = 1; j <= param.NJoints; ++j)
        JointBox->Items().Add(Format("#%d  Elev. %10.3f", {j, param.Joint.Elev[j]}));
    JointBox->Items().Add(Format("#%d  Base joint", {param.NJoints + 1}));
    JointBox->SetItemIndex(il.JointNumber < 1 ? param.NJoints : il.JointNumber - 1);
}

// The loads the chosen combination can grow: the reservoir level of its own case, the seismic
// acceleration, then those common to the cases (the flood case never offers the ice load).
void TIncrementalLoadDlg::CombinationBoxChange(TObject*)
{
    const TDataSet& d = param.Donnees;
    const bool drain = param.Drain && param.Drainage.Code != cCDSA;
    const Integer index = CombinationBox->ItemIndex();
    const String T = index >= 0 ? CombinationBox->Items()[index] : String();
    std::vector<Integer> codes;
    auto common = [&](bool ice) {
        if (param.NForces > 0) codes.push_back(4);
        if (d.Contains(daPostTension)) codes.push_back(5);
        if (ice && d.Contains(daIce)) codes.push_back(6);
        if (drain) codes.push_back(7);
    };
    if (Contains(T, "Usual") || Contains(T, "Post")) {
        if (d.Contains(daResNormal)) codes.push_back(1);
        common(true);
    } else if (Contains(T, "Flood")) {
        if (d.Contains(daResFlood)) codes.push_back(2);
        common(false);
    } else if (Contains(T, "Seismic")) {
        if (d.Contains(daPseudoStatic) || d.Contains(daPseudoDynamic)) codes.push_back(3);
        common(true);
    }
    LoadingBox->Items().Clear();
    for (Integer code : codes) LoadingBox->Items().Add(LoadTexts[code].Name);
    const Integer stored = LoadingBox->Items().IndexOf(IncrementedLoadName(param.IncrementLoad.Loading));
    LoadingBox->SetItemIndex(stored >= 0 ? stored : (codes.empty() ? -1 : 0));
    LoadingBoxChange(LoadingBox);
}

void TIncrementalLoadDlg::LoadingBoxChange(TObject*)
{
    const Integer index = LoadingBox->ItemIndex();
    if (index >= 0) {
        const String text = LoadingBox->Items()[index];
        for (Integer code = 1; code <= 7; ++code)
            if (Contains(text, LoadTexts[code].Name)) param.IncrementLoad.Loading = code;
    }
    ShowLoadValues(param.IncrementLoad.Loading);
}

void TIncrementalLoadDlg::ShowLoadValues(Integer code)
{
    const TIncrementLoad& il = param.IncrementLoad;
    const bool load = code >= 1 && code <= 7;
    EditStart->SetValue(load ? il.StartValue[code] : 0);
    EditEnd->SetValue(load ? il.EndValue[code] : 0);
    EditIncrement->SetValue(load ? il.IncrementValue[code] : 0);
    const String unit = load ? (param.unites == SI ? LoadTexts[code].Metric : LoadTexts[code].Imperial) : "";
    for (TLabel* label : {LabelL1, LabelL2, LabelL3}) label->SetCaption(unit);
}

// A flood level below the normal level is kept, with a balloon that says what it means.
void TIncrementalLoadDlg::EditStartExit(TObject* Sender)
{
    auto* edit = dynamic_cast<TEcCalcEdit*>(Sender);
    if (!edit || param.IncrementLoad.Loading != 2 || !(edit->Value() < param.Reservoir.NormalUp)) return;
    StyMessage->ShowControlMessage("Warning:  Flood elevation is less than normal reservoir elevation\r"
                                   "Result from flood elevations lower than the\r"
                                   "normal elevation might be unrealistic",
                                   edit, "", clNone, hitInfo, -1);
}

void TIncrementalLoadDlg::StyButton1Click(TObject*)
{
    std::unique_ptr<TIncrementalOptionsDlg> options(CreateForm<TIncrementalOptionsDlg>(Application));
    options->IncrementLoad = param.IncrementLoad;
    options->ProgramFolder = ProgramFolder;
    if (options->ShowModal() == mrOk) param.IncrementLoad = options->IncrementLoad;
}

// Stores the window into the copy, then checks the range: each fault shows its warning box and
// keeps the window open, and one OK may show two of them.
void TIncrementalLoadDlg::Button1Click(TObject*)
{
    TIncrementLoad& il = param.IncrementLoad;
    il.PerformAnalysis = CheckBox->Checked();
    const double S = static_cast<double>(EditStart->Value());
    const double E = static_cast<double>(EditEnd->Value());
    const double I = static_cast<double>(EditIncrement->Value());
    if (il.Loading >= 1 && il.Loading <= 7) {
        il.StartValue[il.Loading] = S;
        il.EndValue[il.Loading] = E;
        il.IncrementValue[il.Loading] = I;
    }
    const Integer index = CombinationBox->ItemIndex();
    il.Combination = 1;
    for (const TCombinationEntry& entry : CombinationEntries)
        if (index >= 0 && CombinationBox->Items()[index] == entry.Text) il.Combination = entry.Code;

    bool valid = true;
    auto warn = [&valid](const String& message) {
        MessageDlg(message, mtWarning, {mbOK}, 0);
        valid = false;
    };
    if (!(S < E) || I > E - S) warn("Values are invalid.  Start value must be less than end value, or Increment is too big");
    if (I == 0) {
        warn("Increment is zero");
    } else {
        const double n = (E - S) / I;
        if (n > 100000) warn("Increment is too small!");
        if (n < 20) warn("Increment is too big");
    }
    il.JointNumber = (JointBox->ItemIndex() + 1) % (param.NJoints + 1);
    if (!valid) SetModalResult(mrNone);
}

void TIncrementalLoadDlg::Button3Click(TObject*) { Application->HelpContext(HelpContext()); }

void TIncrementalLoadDlg::FormKeyDown(TObject*, Word& Key, TShiftState) { ReplayEnterAsTab(Key); }
