#include "app/JointDlg.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

TClass TJointDlg::StaticClass()
{
    static const TMetaClass meta("TJointDlg", TInputDialog::StaticClass(), NewComponent<TJointDlg>,
                                 [](TMetaClass& m) {
                                     using C = TJointDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("ComboBoxMaterial1Enter", &C::ComboBoxMaterial1Enter)
                                         .Method("ComboBoxMaterial2Enter", &C::ComboBoxMaterial2Enter)
                                         .Method("ListBoxEnter", &C::ListBoxEnter)
                                         .Method("ListBoxClick", &C::ListBoxClick)
                                         .Method("ButtonMultipleClick", &C::ButtonMultipleClick)
                                         .Method("ButtonSingleClick", &C::ButtonSingleClick)
                                         .Method("ButtonRemoveClick", &C::ButtonRemoveClick)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("EditFirst", &C::EditFirst)
                                         .Field("EditLast", &C::EditLast)
                                         .Field("EditInc", &C::EditInc)
                                         .Field("EditAng1", &C::EditAng1)
                                         .Field("ComboBoxMaterial1", &C::ComboBoxMaterial1)
                                         .Field("ButtonMultiple", &C::ButtonMultiple)
                                         .Field("EditSingle", &C::EditSingle)
                                         .Field("EditAng2", &C::EditAng2)
                                         .Field("ComboBoxMaterial2", &C::ComboBoxMaterial2)
                                         .Field("ButtonSingle", &C::ButtonSingle)
                                         .Field("LabelElevationColumn", &C::LabelElevationColumn)
                                         .Field("ListBox", &C::ListBox)
                                         .Field("ButtonRemove", &C::ButtonRemove)
                                         .Field("Image1", &C::Image1)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

TJointDlg::TJointDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

void TJointDlg::FormCreate(TObject*)
{
    ShowPicture(Image1, "Joint angle sign.bmp");
    FRules.emplace(param);
    ShowUnitLabels(param.unites);
    LabelElevationColumn->SetCaption("U/S elev. (" + UnitText(param.unites, uqLength) + ")");
    for (TComboBox* combo : {ComboBoxMaterial1, ComboBoxMaterial2}) {
        for (const String& name : FRules->MaterialNames()) combo->Items().Add(name);
        combo->SetItemIndex(0);
    }
    // The fields open with the last range generated in this run of the program.
    EditFirst->SetValue(LastGenerationRange.Start);
    EditLast->SetValue(LastGenerationRange.End);
    EditInc->SetValue(LastGenerationRange.Increment);
    FillList();
    SetEnterOrder({EditFirst, EditLast, EditInc, EditAng1, ComboBoxMaterial1});
    AddEnterOrder({EditSingle, EditAng2, ComboBoxMaterial2});
}

void TJointDlg::FillList()
{
    ListBox->Items().Clear();
    for (const String& line : FRules->Lines()) ListBox->Items().Add(line);
    ButtonRemove->SetEnabled(ListBox->SelCount() > 0);
}

void TJointDlg::MakeDefault(TButton* button)
{
    for (TButton* b : {OKButton, ButtonMultiple, ButtonSingle, ButtonRemove}) b->SetDefault(false);
    (button ? button : OKButton)->SetDefault(true);
}

// Enter in a field of a group takes the default role from Generate and Create.
void TJointDlg::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && dynamic_cast<TEcCalcEdit*>(FocusedControl())) MakeDefault(nullptr);
    TInputDialog::KeyDown(Key, Shift);
}

void TJointDlg::ComboBoxMaterial1Enter(TObject*) { MakeDefault(ButtonMultiple); }
void TJointDlg::ComboBoxMaterial2Enter(TObject*) { MakeDefault(ButtonSingle); }
void TJointDlg::ListBoxEnter(TObject*) { MakeDefault(ButtonRemove); }

void TJointDlg::ListBoxClick(TObject*) { ButtonRemove->SetEnabled(ListBox->SelCount() > 0); }

void TJointDlg::ButtonMultipleClick(TObject*)
{
    LastGenerationRange = {ValueOf(EditFirst), ValueOf(EditLast), ValueOf(EditInc)};
    if (!FRules->Generate(LastGenerationRange, ValueOf(EditAng1), ComboBoxMaterial1->ItemIndex()))
        Warn(TooManyJointsMessage);
    FillList();
    MakeDefault(nullptr);
    EditFirst->SetFocus();
}

void TJointDlg::ButtonSingleClick(TObject*)
{
    const TJointCreation result =
        FRules->Create(ValueOf(EditSingle), ValueOf(EditAng2), ComboBoxMaterial2->ItemIndex());
    if (result == jcOutsideDam) Warn(JointNotWithinDamMessage);
    FillList();
    MakeDefault(nullptr);
    EditSingle->SetFocus();
}

void TJointDlg::ButtonRemoveClick(TObject*)
{
    std::vector<bool> selected;
    for (Integer i = 0; i < ListBox->Items().Count(); ++i) selected.push_back(ListBox->Selected(i));
    FRules->Remove(selected);
    FillList();
    MakeDefault(nullptr);
    OKButton->SetFocus();
}

void TJointDlg::OKButtonClick(TObject*) { FRules->ApplyOk(); }
