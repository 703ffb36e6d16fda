// The cracking options dialog on its copy of the model: each control stands for its load cases
// (the seismic page for cases 3 to 6), as the rules of the options map them.
#include "app/CrackingDlg.h"

#include <type_traits>

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

namespace {

// The drain options in the order of their buttons and pictures (option 1 to 4).
constexpr TCrackOverDrain DrainOptions[4] = {cdNoDrain, cdNotEffective, cdFullFull, cdFullDecrement};
const char* const DrainPictures[4] = {"Drain5.bmp", "Drain1.bmp", "Drain2.bmp", "Drain3.bmp"};

// The button of a group showing the value, none when the group has no button for it.
void SelectButton(TRadioButton* const (&buttons)[3], int value)
{
    if (value >= 0 && value < 3 && buttons[value]) buttons[value]->SetChecked(true);
}

// The value of a group's selected button.
int SelectedButton(TRadioButton* const (&buttons)[3])
{
    for (int i = 0; i < 3; ++i)
        if (buttons[i] && buttons[i]->Checked()) return i;
    return NoUpliftButton;
}

}  // namespace

TClass TCrackingDlg::StaticClass()
{
    static const TMetaClass meta("TCrackingDlg", TInputDialog::StaticClass(), NewComponent<TCrackingDlg>,
                                 [](TMetaClass& m) {
                                     using C = TCrackingDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("StrengthButtonClick", &C::StrengthButtonClick)
                                         .Method("FactorExit", &C::FactorExit)
                                         .Method("MagnificationExit", &C::MagnificationExit)
                                         .Method("DrainOptionClick", &C::DrainOptionClick)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("RadioYesNo", &C::RadioYesNo)
                                         .Field("PageControl1", &C::PageControl1)
                                         .Field("TabTensile", &C::TabTensile)
                                         .Field("EditftMagnification", &C::EditftMagnification)
                                         .Field("CheckDSClosedCrack", &C::CheckDSClosedCrack)
                                         .Field("OKButton", &C::OKButton);
                                 });
    return &meta;
}

TCrackingDlg::TCrackingDlg(TComponent* AOwner) : TInputDialog(AOwner), Param(CurrentModel) {}

void TCrackingDlg::FormCreate(TObject*)
{
    auto find = [this](auto*& control, const String& name) {
        control = dynamic_cast<std::remove_reference_t<decltype(control)>>(FindComponent(name));
    };
    for (int p = 0; p < CrackingPages; ++p) {
        const String n = IntToStr(p + 1);
        find(RadioSFI[p], "RadioSFI" + n);
        find(EditSFInitiation[p], "EditSFInitiation" + n);
        find(RadioftZeroIni[p], "RadioftZeroIni" + n);
        find(RadioSFP[p], "RadioSFP" + n);
        find(EditSFPropagation[p], "EditSFPropagation" + n);
        find(RadioftZeroProp[p], "RadioftZeroProp" + n);
    }
    find(StaticUplift[1], "UnchangedStaticUplift");
    find(StaticUplift[2], "FullStaticUplift");
    find(SeismicUplift[0], "ZeroDynamicUplift");
    find(SeismicUplift[1], "UnchangedDynamicUplift");
    find(SeismicUplift[2], "FullDynamicUplift");
    find(PostSeismicUplift[1], "UnchangedPostSeismicUplift");
    find(PostSeismicUplift[2], "FullPostSeismicUplift");
    for (int i = 0; i < 4; ++i) {
        const String n = IntToStr(i + 1);
        find(RadioOption[i], "RadioOption" + n);
        find(PanelOption[i], "PanelOption" + n);
        find(ImageOption[i], "ImageOption" + n);
        ShowPicture(ImageOption[i], DrainPictures[i]);
    }
    find(RadioAccuracy[raCoarse], "RadioCoarse");
    find(RadioAccuracy[raMedium], "RadioMedium");
    find(RadioAccuracy[raFine], "RadioFine");
    SetEnterAsTab();

    PageControl1->SetActivePage(TabTensile);
    const TCrackingChoices c = ReadCrackingChoices(Param);
    RadioYesNo->SetItemIndex(c.Considered ? 0 : 1);
    for (int p = 0; p < CrackingPages; ++p) {
        EditSFInitiation[p]->SetValue(c.Initiation[p]);
        EditSFPropagation[p]->SetValue(c.Propagation[p]);
        (c.ZeroInitiation[p] ? RadioftZeroIni[p] : RadioSFI[p])->SetChecked(true);
        (c.ZeroPropagation[p] ? RadioftZeroProp[p] : RadioSFP[p])->SetChecked(true);
    }
    EnableFactorFields();
    EditftMagnification->SetValue(c.DynamicMagn);
    SelectButton(StaticUplift, c.StaticUplift);
    SelectButton(SeismicUplift, c.SeismicUplift);
    SelectButton(PostSeismicUplift, c.PostSeismicUplift);
    CheckDSClosedCrack->SetChecked(c.RestoreClosedCrackUplift);
    SelectDrainOption(c.CrackOver);
    if (c.Accuracy <= raFine) RadioAccuracy[c.Accuracy]->SetChecked(true);
}

void TCrackingDlg::EnableFactorFields()
{
    for (int p = 0; p < CrackingPages; ++p) {
        EditSFInitiation[p]->SetEnabled(RadioSFI[p]->Checked());
        EditSFPropagation[p]->SetEnabled(RadioSFP[p]->Checked());
    }
}

void TCrackingDlg::StrengthButtonClick(TObject* Sender)
{
    EnableFactorFields();
    // The factor button gives its field the focus.
    for (int p = 0; p < CrackingPages; ++p) {
        if (Sender == RadioSFI[p] && RadioSFI[p]->Checked() && EditSFInitiation[p]->CanFocus())
            EditSFInitiation[p]->SetFocus();
        if (Sender == RadioSFP[p] && RadioSFP[p]->Checked() && EditSFPropagation[p]->CanFocus())
            EditSFPropagation[p]->SetFocus();
    }
}

void TCrackingDlg::FactorExit(TObject* Sender)
{
    TCracking& k = Param.Cracking;
    for (int p = 0; p < CrackingPages; ++p)
        for (int i = CrackingPageCases[p].First; i <= CrackingPageCases[p].Last; ++i) {
            if (Sender == EditSFInitiation[p]) k.InitiationSF[i] = ValueOf(EditSFInitiation[p]);
            if (Sender == EditSFPropagation[p]) k.PropagationSF[i] = ValueOf(EditSFPropagation[p]);
        }
}

void TCrackingDlg::MagnificationExit(TObject*) { Param.Cracking.DynamicMagn = ValueOf(EditftMagnification); }

void TCrackingDlg::SelectDrainOption(TCrackOverDrain option)
{
    for (int i = 0; i < 4; ++i) {
        const bool selected = DrainOptions[i] == option;
        if (selected) RadioOption[i]->SetChecked(true);
        PanelOption[i]->SetBevelOuter(selected ? TPanelBevel::bvRaised : TPanelBevel::bvNone);
    }
}

void TCrackingDlg::DrainOptionClick(TObject* Sender)
{
    // A button's click follows every change of its state: only its selection counts.
    if (auto* button = dynamic_cast<TRadioButton*>(Sender); button && !button->Checked()) return;
    for (int i = 0; i < 4; ++i)
        if (Sender == RadioOption[i] || Sender == PanelOption[i] || Sender == ImageOption[i]) SelectDrainOption(DrainOptions[i]);
}

TCrackingChoices TCrackingDlg::ReadControls() const
{
    TCrackingChoices c;
    c.Considered = RadioYesNo->ItemIndex() == 0;
    for (int p = 0; p < CrackingPages; ++p) {
        c.Initiation[p] = ValueOf(EditSFInitiation[p]);
        c.Propagation[p] = ValueOf(EditSFPropagation[p]);
        c.ZeroInitiation[p] = RadioftZeroIni[p]->Checked();
        c.ZeroPropagation[p] = RadioftZeroProp[p]->Checked();
    }
    c.DynamicMagn = ValueOf(EditftMagnification);
    c.StaticUplift = SelectedButton(StaticUplift);
    c.SeismicUplift = SelectedButton(SeismicUplift);
    c.PostSeismicUplift = SelectedButton(PostSeismicUplift);
    c.RestoreClosedCrackUplift = CheckDSClosedCrack->Checked();
    c.CrackOver = Param.Drainage.CrackOver;
    for (int i = 0; i < 4; ++i)
        if (RadioOption[i]->Checked()) c.CrackOver = DrainOptions[i];
    c.Accuracy = Param.Cracking.RootAccuracy;
    for (int a = raCoarse; a <= raFine; ++a)
        if (RadioAccuracy[a]->Checked()) c.Accuracy = static_cast<TRootAccuracy>(a);
    return c;
}

void TCrackingDlg::OKButtonClick(TObject*) { WriteCrackingChoices(ReadControls(), Param); }
