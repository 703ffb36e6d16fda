#include "app/AddMassDlg.h"

#include "app/MassesRules.h"
#include "platform/classes/TypInfo.h"

TClass TAddMassDlg::StaticClass()
{
    static const TMetaClass meta("TAddMassDlg", TInputDialog::StaticClass(), NewComponent<TAddMassDlg>,
                                 [](TMetaClass& m) {
                                     using C = TAddMassDlg;
                                     TPublished<C>(&m)
                                         .Method("FormShow", &C::FormShow)
                                         .Method("FieldExit", &C::FieldExit)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("EditPosX", &C::EditPosX)
                                         .Field("EditElev", &C::EditElev)
                                         .Field("EditHorMass", &C::EditHorMass)
                                         .Field("EditVertMass", &C::EditVertMass)
                                         .Field("LabelPosXUnit", &C::LabelPosXUnit)
                                         .Field("LabelElevUnit", &C::LabelElevUnit)
                                         .Field("LabelHorMassUnit", &C::LabelHorMassUnit)
                                         .Field("LabelVertMassUnit", &C::LabelVertMassUnit)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

void TAddMassDlg::Init(TUnites unites, const TMasses& mass)
{
    ShowUnits(unites, {{LabelPosXUnit, uqLength}, {LabelElevUnit, uqLength}, {LabelHorMassUnit, uqMass},
                       {LabelVertMassUnit, uqMass}});
    Position = mass.PosX;
    Elevation = mass.Elev;
    Horizontal = mass.HorMass;
    Vertical = mass.VertMass;
    EditPosX->SetValue(Position);
    EditElev->SetValue(Elevation);
    EditHorMass->SetValue(Horizontal);
    EditVertMass->SetValue(Vertical);
    SetCaption(AddMassCaption(mass));
    SetEnterAsTab();
    SetEnterOrder({EditPosX, EditElev, EditHorMass, EditVertMass});
}

void TAddMassDlg::FormShow(TObject*) { EditPosX->SetFocus(); }

void TAddMassDlg::FieldExit(TObject*)
{
    Position = ValueOf(EditPosX);
    Elevation = ValueOf(EditElev);
    Horizontal = ValueOf(EditHorMass);
    Vertical = ValueOf(EditVertMass);
}

void TAddMassDlg::OKButtonClick(TObject* Sender) { FieldExit(Sender); }
