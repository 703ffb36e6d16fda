// The load combinations dialog on its copy of the model; OK turns the combinations into the
// factor matrix of the seven load cases.
#include "app/LoadsDlg.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

namespace {

const char* const CheckBoxNames[CombinationBoxes] = {"CheckBoxUsual", "CheckBoxFlood", "CheckBoxSeismic1",
                                                     "CheckBoxSeismic2", "CheckBoxPostSeismic"};
const char* const PageNames[CombinationBoxes] = {"TabUsual", "TabFlood", "TabSeismic1", "TabSeismic2",
                                                 "TabPostSeismic"};

}  // namespace

TClass TLoadsDlg::StaticClass()
{
    static const TMetaClass meta("TLoadsDlg", TInputDialog::StaticClass(), NewComponent<TLoadsDlg>, [](TMetaClass& m) {
        using C = TLoadsDlg;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("CombinationClick", &C::CombinationClick)
            .Method("GroupClick", &C::GroupClick)
            .Method("OKButtonClick", &C::OKButtonClick)
            .Field("PageControl1", &C::PageControl1)
            .Field("RadioS1PS", &C::RadioS1PS)
            .Field("RadioS1PD", &C::RadioS1PD)
            .Field("RadioS2PS", &C::RadioS2PS)
            .Field("RadioS2PD", &C::RadioS2PD)
            .Field("RadioSeismic1", &C::RadioSeismic1)
            .Field("RadioSeismic2", &C::RadioSeismic2)
            .Field("OKButton", &C::OKButton);
    });
    return &meta;
}

TLoadsDlg::TLoadsDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

TExtendEdit* TLoadsDlg::FieldEdit(const TLoadField& field) const
{
    return static_cast<TExtendEdit*>(FindComponent(field.Control));
}

void TLoadsDlg::FormCreate(TObject*)
{
    for (int i = 0; i < CombinationBoxes; ++i) {
        CheckBoxes[i] = static_cast<TCheckBox*>(FindComponent(CheckBoxNames[i]));
        Pages[i] = static_cast<TTabSheet*>(FindComponent(PageNames[i]));
    }
    SetEnterAsTab();

    (param.SFComputations == sfShearFriction ? static_cast<TRadioButton*>(FindComponent("sfShearFriction"))
                                             : static_cast<TRadioButton*>(FindComponent("sfLimitEquilibrium")))
        ->SetChecked(true);
    for (const TLoadField& field : LoadFields()) {
        TExtendEdit* edit = FieldEdit(field);
        edit->Range().SetMinValue(field.MinValue);
        edit->Range().SetMaxValue(field.MaxValue);
        edit->Range().SetEnforce(field.Enforce);
        edit->SetValue(field.Value(param));
        FFilledTexts.push_back(edit->Text());
    }
    const TSeismicMethods methods = OpeningSeismicMethods(param);
    for (TRadioButton* r : {RadioS1PS, RadioS2PS}) r->SetEnabled(methods.StaticEnabled);
    for (TRadioButton* r : {RadioS1PD, RadioS2PD}) r->SetEnabled(methods.DynamicEnabled);
    (methods.Seismic1 == seDynamic ? RadioS1PD : RadioS1PS)->SetChecked(true);
    (methods.Seismic2 == seDynamic ? RadioS2PD : RadioS2PS)->SetChecked(true);
    ShowBoxes(OpeningCombinationBoxes(param));
    PageControl1->SetActivePage(Pages[cbUsual]);
}

void TLoadsDlg::ShowBoxes(const TCombinationBoxes& boxes)
{
    FShowing = true;
    FBoxes = boxes;
    for (int i = 0; i < CombinationBoxes; ++i) {
        CheckBoxes[i]->SetChecked(boxes.Checked[i]);
        CheckBoxes[i]->SetEnabled(boxes.Enabled[i]);
        Pages[i]->SetTabVisible(boxes.Checked[i]);
    }
    RadioSeismic1->SetEnabled(boxes.PostSeismicEnabled[0]);
    RadioSeismic2->SetEnabled(boxes.PostSeismicEnabled[1]);
    if (boxes.PostSeismic == 1) RadioSeismic1->SetChecked(true);
    if (boxes.PostSeismic == 2) RadioSeismic2->SetChecked(true);
    // A hidden page does not stay shown: the first ticked combination's page is.
    TTabSheet* active = PageControl1->ActivePage();
    if (!active || !active->TabVisible())
        for (TTabSheet* page : Pages)
            if (page->TabVisible()) {
                PageControl1->SetActivePage(page);
                break;
            }
    FShowing = false;
}

TCombinationBoxes TLoadsDlg::Boxes() const
{
    TCombinationBoxes b = FBoxes;
    for (int i = 0; i < CombinationBoxes; ++i) b.Checked[i] = CheckBoxes[i]->Checked();
    b.PostSeismic = RadioSeismic1->Checked() ? 1 : RadioSeismic2->Checked() ? 2 : 0;
    return b;
}

void TLoadsDlg::CombinationClick(TObject*)
{
    if (FShowing) return;
    TCombinationBoxes b = Boxes();
    ClickCombinationBoxes(b, param.Donnees);
    ShowBoxes(b);
}

void TLoadsDlg::GroupClick(TObject*)
{
    RadioSeismic1->SetEnabled(CheckBoxes[cbSeismic1]->Checked());
    RadioSeismic2->SetEnabled(CheckBoxes[cbSeismic2]->Checked());
}

void TLoadsDlg::OKButtonClick(TObject*)
{
    const std::span<const TLoadField> fields = LoadFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        if (TExtendEdit* edit = FieldEdit(fields[i]); edit->Text() != FFilledTexts[i]) fields[i].Value(param) = edit->Value();
    TLoadsChoices choices;
    choices.SFComputations = static_cast<TRadioButton*>(FindComponent("sfShearFriction"))->Checked() ? sfShearFriction
                                                                                                   : sfLimitEquilibrium;
    choices.Seismic1 = RadioS1PD->Checked() ? seDynamic : seStatic;
    choices.Seismic2 = RadioS2PD->Checked() ? seDynamic : seStatic;
    choices.Boxes = Boxes();
    WriteLoadCombinations(choices, param);
}
