// The applied-forces dialogs: the list of forces on the dialog's copy of the model, and the
// editor of one force with its location on the section.
#include "app/ForcesDlg.h"

#include <memory>

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

// ---------------------------------------------------------------- TForceEdition

TClass TForceEdition::StaticClass()
{
    static const TMetaClass meta("TForceEdition", TInputDialog::StaticClass(), NewComponent<TForceEdition>,
                                 [](TMetaClass& m) {
                                     using C = TForceEdition;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("RadioGroup1Click", &C::RadioGroup1Click)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("GroupBox1", &C::GroupBox1)
                                         .Field("LabelElevation", &C::LabelElevation)
                                         .Field("LabelElevationUnit", &C::LabelElevationUnit)
                                         .Field("LabelPositionX", &C::LabelPositionX)
                                         .Field("LabelPositionXUnit", &C::LabelPositionXUnit)
                                         .Field("LabelHorForce", &C::LabelHorForce)
                                         .Field("LabelHorForceUnit", &C::LabelHorForceUnit)
                                         .Field("LabelVertForce", &C::LabelVertForce)
                                         .Field("LabelVertForceUnit", &C::LabelVertForceUnit)
                                         .Field("EditElevation", &C::EditElevation)
                                         .Field("EditPositionX", &C::EditPositionX)
                                         .Field("EditHorForce", &C::EditHorForce)
                                         .Field("EditVertForce", &C::EditVertForce)
                                         .Field("RadioGroup1", &C::RadioGroup1)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

void TForceEdition::FormCreate(TObject*) { SetEnterAsTab(); }

void TForceEdition::SendValues(TUnites u, const TForce& force)
{
    unites = u;
    ShowUnits(u, {{LabelElevationUnit, uqLength},
                  {LabelPositionXUnit, uqLength},
                  {LabelHorForceUnit, uqForce},
                  {LabelVertForceUnit, uqForce}});
    EditElevation->SetValue(force.Elev);
    EditPositionX->SetValue(force.PosX);
    EditHorForce->SetValue(force.HorForce);
    EditVertForce->SetValue(force.VertForce);
}

TForce TForceEdition::Force()
{
    return {static_cast<double>(EditPositionX->Value()), static_cast<double>(EditElevation->Value()),
            static_cast<double>(EditHorForce->Value()), static_cast<double>(EditVertForce->Value())};
}

TForceLocation TForceEdition::Location() const
{
    const Integer i = RadioGroup1->ItemIndex();
    return i >= flUpstreamFace && i <= flUserDefined ? static_cast<TForceLocation>(i) : flUserDefined;
}

void TForceEdition::RadioGroup1Click(TObject*)
{
    if (RadioGroup1->ItemIndex() < 0) return;
    RadioGroup1->SetCaption(RadioGroup1->Items()[RadioGroup1->ItemIndex()]);
    const TForceLocationFields f = ForceLocationFields(Location(), CurrentModel.Dim);
    EditElevation->SetMinValue(f.ElevationMin);
    EditElevation->SetMaxValue(f.ElevationMax);
    if (f.ElevationIsCrest) EditElevation->SetValue(CurrentModel.Dim.Elev.G);
    EditPositionX->SetMinValue(f.PositionMin);
    EditPositionX->SetMaxValue(f.PositionMax);
    // A disabled field takes its labels with it.
    auto enable = [](std::initializer_list<TControl*> controls, bool on) {
        for (TControl* c : controls) c->SetEnabled(on);
    };
    enable({EditElevation, LabelElevation, LabelElevationUnit}, f.ElevationEnabled);
    enable({EditPositionX, LabelPositionX, LabelPositionXUnit}, f.PositionEnabled);
    TEcCalcEdit* focus = f.FocusOnPosition ? EditPositionX : EditElevation;
    if (Visible() && focus->CanFocus()) focus->SetFocus();
}

void TForceEdition::OKButtonClick(TObject*)
{
    TForce force = Force();
    DeriveForceCoordinate(Location(), CurrentModel.Dim, force);
    EditElevation->SetValue(force.Elev);
    EditPositionX->SetValue(force.PosX);
    if (IsZeroForce(force)) Refuse(ForceIsZeroMessage);
}

// ---------------------------------------------------------------- TForcesDlg

TClass TForcesDlg::StaticClass()
{
    static const TMetaClass meta("TForcesDlg", TInputDialog::StaticClass(), NewComponent<TForcesDlg>,
                                 [](TMetaClass& m) {
                                     using C = TForcesDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("ListBoxClick", &C::ListBoxClick)
                                         .Method("ButtonAddClick", &C::ButtonAddClick)
                                         .Method("ButtonChangeClick", &C::ButtonChangeClick)
                                         .Method("ButtonRemoveClick", &C::ButtonRemoveClick)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("Label1", &C::Label1)
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

TForcesDlg::TForcesDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

void TForcesDlg::FormCreate(TObject*) { FillList(); }

void TForcesDlg::FillList()
{
    ListBox->Items().Clear();
    for (const String& line : TForcesRules(param).Lines()) ListBox->Items().Add(line);
    EnableButtons();
}

void TForcesDlg::EnableButtons()
{
    ButtonChange->SetEnabled(ListBox->SelCount() == 1);
    ButtonRemove->SetEnabled(ListBox->SelCount() >= 1);
}

void TForcesDlg::ListBoxClick(TObject*) { EnableButtons(); }

bool TForcesDlg::EditForce(TForce& force)
{
    std::unique_ptr<TForceEdition> editor(CreateForm<TForceEdition>(Application));
    editor->SendValues(param.unites, force);
    if (editor->ShowModal() != mrOk) return false;
    force = editor->Force();
    return true;
}

void TForcesDlg::ButtonAddClick(TObject*)
{
    TForce force;
    if (!EditForce(force)) return;
    TForcesRules(param).Add(force);
    FillList();
}

void TForcesDlg::ButtonChangeClick(TObject*)
{
    const Integer index = ListBox->ItemIndex();
    if (ListBox->SelCount() != 1 || index < 0 || index >= param.Force.Elem.Length()) return;
    TForce force = param.Force.Elem[index];
    if (!EditForce(force)) return;
    TForcesRules(param).Replace(index, force);
    FillList();
}

void TForcesDlg::ButtonRemoveClick(TObject*)
{
    std::vector<bool> selected;
    for (Integer i = 0; i < ListBox->Count(); ++i) selected.push_back(ListBox->Selected(i));
    TForcesRules(param).Remove(selected);
    FillList();
}

void TForcesDlg::OKButtonClick(TObject*) { TForcesRules(param).ApplyOk(); }
