#include "app/DimensionDlg.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"
#include "platform/forms/Dialogs.h"

TClass TDimensionDlg::StaticClass()
{
    static const TMetaClass meta("TDimensionDlg", TInputDialog::StaticClass(), NewComponent<TDimensionDlg>,
                                 [](TMetaClass& m) {
                                     using C = TDimensionDlg;
                                     TPublished<C>(&m)
                                         .Method("FormShow", &C::FormShow)
                                         .Method("SectionChange", &C::SectionChange)
                                         .Method("LengthExit", &C::LengthExit)
                                         .Method("ElevationExit", &C::ElevationExit)
                                         .Method("FoundationExit", &C::FoundationExit)
                                         .Method("GravityExit", &C::GravityExit)
                                         .Method("WeightExit", &C::WeightExit)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("EditL1", &C::EditL1)
                                         .Field("EditL2", &C::EditL2)
                                         .Field("EditL3", &C::EditL3)
                                         .Field("EditL4", &C::EditL4)
                                         .Field("EditElevA", &C::EditElevA)
                                         .Field("EditElevB", &C::EditElevB)
                                         .Field("EditElevC", &C::EditElevC)
                                         .Field("EditElevD", &C::EditElevD)
                                         .Field("EditElevE", &C::EditElevE)
                                         .Field("EditElevF", &C::EditElevF)
                                         .Field("EditElevG", &C::EditElevG)
                                         .Field("EditElevRockUp", &C::EditElevRockUp)
                                         .Field("EditElevRockDown", &C::EditElevRockDown)
                                         .Field("EditGravity", &C::EditGravity)
                                         .Field("EditWeight", &C::EditWeight)
                                         .Field("Image1", &C::Image1)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

TEcCalcEdit* TDimensionDlg::ElevationEdit(TElevationField f) const
{
    TEcCalcEdit* const edits[] = {EditElevA, EditElevB, EditElevC, EditElevD, EditElevE,
                                  EditElevF, EditElevG, EditElevRockUp, EditElevRockDown};
    return edits[f];
}

TDimension TDimensionDlg::Fields()
{
    TDimension d;
    d.L1 = ValueOf(EditL1);
    d.L2 = ValueOf(EditL2);
    d.L3 = ValueOf(EditL3);
    d.L4 = ValueOf(EditL4);
    d.Elev = {ValueOf(EditElevA), ValueOf(EditElevB), ValueOf(EditElevC),     ValueOf(EditElevD),
              ValueOf(EditElevE), ValueOf(EditElevF), ValueOf(EditElevG),     ValueOf(EditElevRockUp),
              ValueOf(EditElevRockDown)};
    return d;
}

void TDimensionDlg::ShowSection()
{
    const TDimension& d = param4.Dim;
    EditL1->SetValue(d.L1);
    EditL2->SetValue(d.L2);
    EditL3->SetValue(d.L3);
    EditL4->SetValue(d.L4);
    const TElev& e = d.Elev;
    const double elevations[] = {e.A, e.B, e.C, e.D, e.E, e.F, e.G, e.Fup, e.Fdown};
    for (int f = efA; f <= efI; ++f) ElevationEdit(static_cast<TElevationField>(f))->SetValue(elevations[f]);
}

void TDimensionDlg::ShowSectionPicture()
{
    ShowPicture(Image1, SectionPicture(param4.Dim.Elev.A, param4.Dim.Elev.B));
}

// The model is handed in after creation: the fields are filled when the dialog shows, and only
// then are changes of the section watched.
void TDimensionDlg::FormShow(TObject*)
{
    FRules.reset();
    ShowSectionPicture();
    ShowUnitLabels(param4.unites);
    ShowSection();
    EditGravity->SetValue(param4.gravity);
    EditWeight->SetValue(param4.Concrete.mass);
    FRules.emplace(param4, CurrentModel.Dim);
    SetEnterAsTab();
}

void TDimensionDlg::SectionChange(TObject*)
{
    if (FRules) FRules->SectionTextChanged(Fields());
}

void TDimensionDlg::LengthExit(TObject* Sender)
{
    if (!FRules) return;
    TEcCalcEdit* const lengths[] = {EditL1, EditL2, EditL3, EditL4};
    for (int i = 0; i < 4; ++i)
        if (Sender == lengths[i]) lengths[i]->SetValue(FRules->LeaveLength(i + 1, ValueOf(lengths[i])));
}

void TDimensionDlg::ElevationExit(TObject* Sender)
{
    if (!FRules) return;
    for (int f = efA; f <= efG; ++f) {
        TEcCalcEdit* edit = ElevationEdit(static_cast<TElevationField>(f));
        if (Sender != edit) continue;
        FRules->LeaveElevation(static_cast<TElevationField>(f), ValueOf(edit));
        ShowSection();
        if (f == efA || f == efB) ShowSectionPicture();
    }
}

void TDimensionDlg::FoundationExit(TObject* Sender)
{
    if (!FRules) return;
    const TElevationField f = Sender == EditElevRockUp ? efH : efI;
    TEcCalcEdit* edit = ElevationEdit(f);
    const String message = FRules->LeaveFoundation(f, ValueOf(edit));
    if (message.IsEmpty()) return;
    Warn(message);
    edit->SetValue(f == efH ? param4.Dim.Elev.Fup : param4.Dim.Elev.Fdown);
}

void TDimensionDlg::GravityExit(TObject*) { param4.gravity = ValueOf(EditGravity); }
void TDimensionDlg::WeightExit(TObject*) { param4.Concrete.mass = ValueOf(EditWeight); }

void TDimensionDlg::OKButtonClick(TObject*)
{
    if (!FRules) return;
    if (ValueOf(EditL1) <= 0) {
        Refuse(NoBaseWidthMessage);
        EditL1->SetFocus();
        return;
    }
    if (FRules->NeedsResetQuestion()) {
        if (MessageDlg(EraseAllDataQuestion, mtWarning, {mbYes, mbAbort}, 0) != mrYes) {
            SetModalResult(mrNone);
            return;
        }
        FRules->ResetModel();
    }
    FRules->ApplyOk(Fields(), ValueOf(EditGravity), ValueOf(EditWeight));
}
