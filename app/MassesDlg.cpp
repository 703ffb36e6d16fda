#include "app/MassesDlg.h"

#include <memory>

#include "app/AddMassDlg.h"
#include "platform/classes/TypInfo.h"

TClass TMassesDlg::StaticClass()
{
    static const TMetaClass meta("TMassesDlg", TInputDialog::StaticClass(), NewComponent<TMassesDlg>,
                                 [](TMetaClass& m) {
                                     using C = TMassesDlg;
                                     TPublished<C>(&m)
                                         .Method("FormShow", &C::FormShow)
                                         .Method("ListBoxClick", &C::ListBoxClick)
                                         .Method("ButtonAddClick", &C::ButtonAddClick)
                                         .Method("ButtonChangeClick", &C::ButtonChangeClick)
                                         .Method("ButtonRemoveClick", &C::ButtonRemoveClick)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("LabelList", &C::LabelList)
                                         .Field("ListBox", &C::ListBox)
                                         .Field("ButtonAdd", &C::ButtonAdd)
                                         .Field("ButtonChange", &C::ButtonChange)
                                         .Field("ButtonRemove", &C::ButtonRemove)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

// The model is handed in after creation: the list is filled when the dialog shows.
void TMassesDlg::FormShow(TObject*)
{
    FillList();
    UpdateButtons();
}

void TMassesDlg::FillList()
{
    ListBox->Items().Clear();
    for (const String& line : TMassesRules(param1).Lines()) ListBox->Items().Add(line);
}

void TMassesDlg::UpdateButtons()
{
    const Integer selected = ListBox->SelCount();
    ButtonChange->SetEnabled(selected == 1);
    ButtonRemove->SetEnabled(selected >= 1);
}

void TMassesDlg::ListBoxClick(TObject*)
{
    UpdateButtons();
    if (ListBox->SelCount() == 1) ButtonChange->SetFocus();
}

bool TMassesDlg::EditMass(TMasses& mass)
{
    std::unique_ptr<TAddMassDlg> editor(new TAddMassDlg(this));
    editor->InitializeForm();
    editor->Init(param1.unites, mass);
    if (editor->ShowModal() != mrOk) return false;
    mass = {editor->Position, editor->Elevation, editor->Horizontal, editor->Vertical};
    return true;
}

void TMassesDlg::ButtonAddClick(TObject*)
{
    TMasses mass;
    if (!EditMass(mass)) return;
    if (TMassesRules(param1).Add(mass)) ListBox->Items().Add(MassLine(mass));
    UpdateButtons();
}

void TMassesDlg::ButtonChangeClick(TObject*)
{
    const Integer index = ListBox->ItemIndex();
    if (index < 0 || index >= param1.Masses.Elem.Length()) return;
    TMasses mass = param1.Masses.Elem[index];
    if (!EditMass(mass)) return;
    TMassesRules(param1).Replace(index, mass);
    FillList();
    UpdateButtons();
}

void TMassesDlg::ButtonRemoveClick(TObject*)
{
    std::vector<bool> selected;
    for (Integer i = 0; i < ListBox->Items().Count(); ++i) selected.push_back(ListBox->Selected(i));
    TMassesRules(param1).Remove(selected);
    FillList();
    UpdateButtons();
}

void TMassesDlg::OKButtonClick(TObject*) { TMassesRules(param1).ApplyOk(); }
