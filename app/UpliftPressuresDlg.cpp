// The uplift-pressures dialog on the copy of the model the document hands in, and the drain
// effectiveness sub-dialog on a copy of the drains' record.
#include "app/UpliftPressuresDlg.h"

#include <memory>

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

// ---------------------------------------------------------------- TDrainDlg

TClass TDrainDlg::StaticClass()
{
    static const TMetaClass meta("TDrainDlg", TInputDialog::StaticClass(), NewComponent<TDrainDlg>, [](TMetaClass& m) {
        using C = TDrainDlg;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("FormShow", &C::FormShow)
            .Method("EditDiameterExit", &C::EditDiameterExit)
            .Method("EditSpacingExit", &C::EditSpacingExit)
            .Field("LabelDiameter", &C::LabelDiameter)
            .Field("EditDiameter", &C::EditDiameter)
            .Field("LabelDiameterUnit", &C::LabelDiameterUnit)
            .Field("LabelSpacing", &C::LabelSpacing)
            .Field("EditSpacing", &C::EditSpacing)
            .Field("LabelSpacingUnit", &C::LabelSpacingUnit)
            .Field("LabelNote1", &C::LabelNote1)
            .Field("LabelNote2", &C::LabelNote2)
            .Field("Image1", &C::Image1)
            .Field("OKButton", &C::OKButton)
            .Field("CancelButton", &C::CancelButton)
            .Field("HelpButton", &C::HelpButton);
    });
    return &meta;
}

void TDrainDlg::FormCreate(TObject*)
{
    SetEnterAsTab();
    ShowPicture(Image1, "Drain spacing.bmp");
    EditDiameter->SetMinValue(SmallestDrainSize);
    EditSpacing->SetMinValue(SmallestDrainSize);
}

void TDrainDlg::FormShow(TObject*)
{
    LabelDiameterUnit->SetCaption(units);
    LabelSpacingUnit->SetCaption(units);
    EditDiameter->SetValue(DrainEfficiency.DrainDiameter);
    EditSpacing->SetValue(DrainEfficiency.DrainSpacing);
}

void TDrainDlg::EditDiameterExit(TObject*) { DrainEfficiency.DrainDiameter = EditDiameter->Value(); }
void TDrainDlg::EditSpacingExit(TObject*) { DrainEfficiency.DrainSpacing = EditSpacing->Value(); }

// ---------------------------------------------------------------- TUpliftPressuresDlg

TClass TUpliftPressuresDlg::StaticClass()
{
    static const TMetaClass meta(
        "TUpliftPressuresDlg", TInputDialog::StaticClass(), NewComponent<TUpliftPressuresDlg>, [](TMetaClass& m) {
            using C = TUpliftPressuresDlg;
            TPublished<C>(&m)
                .Method("FormCreate", &C::FormCreate)
                .Method("FormShow", &C::FormShow)
                .Method("ComboBoxGuidelineChange", &C::ComboBoxGuidelineChange)
                .Method("RadioDrainageClick", &C::RadioDrainageClick)
                .Method("CheckBoxDrainClick", &C::CheckBoxDrainClick)
                .Method("RadioAlternativeClick", &C::RadioAlternativeClick)
                .Method("RadioEffectivenessClick", &C::RadioEffectivenessClick)
                .Method("EditGalleryElevExit", &C::EditGalleryElevExit)
                .Method("Button2Click", &C::Button2Click)
                .Method("OKButtonClick", &C::OKButtonClick)
                .Field("LabelGuideline", &C::LabelGuideline)
                .Field("ComboBoxGuideline", &C::ComboBoxGuideline)
                .Field("LabelNote", &C::LabelNote)
                .Field("LabelNote1", &C::LabelNote1)
                .Field("LabelNote2", &C::LabelNote2)
                .Field("GroupDrainage", &C::GroupDrainage)
                .Field("RadioYes", &C::RadioYes)
                .Field("RadioNo", &C::RadioNo)
                .Field("GroupPosition", &C::GroupPosition)
                .Field("LabelDrainPosition", &C::LabelDrainPosition)
                .Field("EditDrainPosition", &C::EditDrainPosition)
                .Field("LabelDrainPositionUnit", &C::LabelDrainPositionUnit)
                .Field("GroupGallery", &C::GroupGallery)
                .Field("LabelGalleryElev", &C::LabelGalleryElev)
                .Field("EditGalleryElev", &C::EditGalleryElev)
                .Field("LabelGalleryElevUnit", &C::LabelGalleryElevUnit)
                .Field("CheckBoxDrain", &C::CheckBoxDrain)
                .Field("LabelDrainOver", &C::LabelDrainOver)
                .Field("EditDrainOver", &C::EditDrainOver)
                .Field("LabelDrainOverUnit", &C::LabelDrainOverUnit)
                .Field("GroupEffectiveness", &C::GroupEffectiveness)
                .Field("RadioButton1", &C::RadioButton1)
                .Field("EditEffectiveness", &C::EditEffectiveness)
                .Field("RadioButton2", &C::RadioButton2)
                .Field("Button2", &C::Button2)
                .Field("LabelMethod", &C::LabelMethod)
                .Field("GroupAlternatives", &C::GroupAlternatives)
                .Field("RadioButtonAlt1", &C::RadioButtonAlt1)
                .Field("LabelK1", &C::LabelK1)
                .Field("EditK1", &C::EditK1)
                .Field("RadioButtonAlt2", &C::RadioButtonAlt2)
                .Field("LabelK2", &C::LabelK2)
                .Field("EditK2", &C::EditK2)
                .Field("Image", &C::Image)
                .Field("OKButton", &C::OKButton)
                .Field("CancelButton", &C::CancelButton)
                .Field("HelpButton", &C::HelpButton);
        });
    return &meta;
}

void TUpliftPressuresDlg::FormCreate(TObject*)
{
    SetEnterAsTab();
    ComboBoxGuideline->Items().Clear();
    for (const TUpliftGuideline& g : UpliftGuidelines) ComboBoxGuideline->Items().Add(g.Entry);
}

void TUpliftPressuresDlg::FormShow(TObject*)
{
    const TDrainage& d = param.Drainage;
    ComboBoxGuideline->SetItemIndex(TUpliftRules(param).Guideline());
    ShowUnits(param.unites, {{LabelDrainPositionUnit, uqLength},
                             {LabelGalleryElevUnit, uqLength},
                             {LabelDrainOverUnit, uqLength}});
    EditDrainPosition->SetMinValue(0);
    EditDrainPosition->SetMaxValue(param.Dim.L1);
    EditDrainPosition->SetValue(d.Xdrain);
    EditGalleryElev->SetValue(d.GalleryElev);
    EditDrainOver->SetMinValue(d.GalleryElev);
    EditDrainOver->SetMaxValue(param.Dim.Elev.G);
    EditDrainOver->SetValue(d.MaxElevation);
    CheckBoxDrain->SetChecked(d.DrainOver);
    EditEffectiveness->SetValue(d.effectiveness);
    EditK1->SetValue(d.K1);
    EditK2->SetValue(d.K2);
    (d.Alternative == 2 ? RadioButtonAlt2 : RadioButtonAlt1)->SetChecked(true);
    (param.DrainEfficiency.Activated ? RadioButton2 : RadioButton1)->SetChecked(true);
    (param.Drain ? RadioYes : RadioNo)->SetChecked(true);
    CheckBoxDrainClick(CheckBoxDrain);
    RadioAlternativeClick(nullptr);
    RadioEffectivenessClick(nullptr);
    ShowDrainage();
    ShowNotes();
}

void TUpliftPressuresDlg::ShowNotes()
{
    const std::array<String, 2> notes = TUpliftRules(param).Notes();
    LabelNote1->SetCaption(notes[0]);
    LabelNote2->SetCaption(notes[1]);
}

void TUpliftPressuresDlg::ShowDrainage()
{
    const TUpliftRules rules(param);
    const bool drain = RadioYes->Checked();
    for (TGroupBox* g : {GroupPosition, GroupGallery, GroupEffectiveness, GroupAlternatives}) g->SetEnabled(drain);
    // The two groups share their place: the CDSA alternatives or the drains' effectiveness.
    GroupAlternatives->SetVisible(rules.ShowsAlternatives());
    GroupEffectiveness->SetVisible(!rules.ShowsAlternatives());
    ShowPicture(Image, rules.Picture(drain));
}

void TUpliftPressuresDlg::ComboBoxGuidelineChange(TObject*)
{
    TUpliftRules(param).ChooseGuideline(ComboBoxGuideline->ItemIndex());
    ShowNotes();
    ShowDrainage();
}

void TUpliftPressuresDlg::RadioDrainageClick(TObject*) { ShowDrainage(); }

void TUpliftPressuresDlg::CheckBoxDrainClick(TObject*)
{
    param.Drainage.DrainOver = CheckBoxDrain->Checked();
    EditDrainOver->SetEnabled(CheckBoxDrain->Checked());
    LabelDrainOver->SetEnabled(CheckBoxDrain->Checked());
}

void TUpliftPressuresDlg::RadioAlternativeClick(TObject*)
{
    const bool first = RadioButtonAlt1->Checked();
    EditK1->SetEnabled(first);
    LabelK1->SetEnabled(first);
    EditK2->SetEnabled(!first);
    LabelK2->SetEnabled(!first);
    param.Drainage.Alternative = first ? 1 : 2;
}

void TUpliftPressuresDlg::RadioEffectivenessClick(TObject*)
{
    const bool computed = RadioButton2->Checked();
    param.DrainEfficiency.Activated = computed;
    EditEffectiveness->SetEnabled(!computed);
    Button2->SetEnabled(computed);
}

void TUpliftPressuresDlg::EditGalleryElevExit(TObject*)
{
    EditDrainOver->SetValue(HighestDrainedElevation(EditDrainOver->Value(), EditGalleryElev->Value()));
}

void TUpliftPressuresDlg::Button2Click(TObject*)
{
    std::unique_ptr<TDrainDlg> drains(CreateForm<TDrainDlg>(Application));
    drains->DrainEfficiency = param.DrainEfficiency;
    drains->units = UnitText(param.unites, uqLength);
    if (drains->ShowModal() == mrOk) param.DrainEfficiency = drains->DrainEfficiency;
}

void TUpliftPressuresDlg::OKButtonClick(TObject*)
{
    TUpliftEntries e;
    e.Guideline = ComboBoxGuideline->ItemIndex();
    e.Drain = RadioYes->Checked();
    e.Xdrain = EditDrainPosition->Value();
    e.GalleryElev = EditGalleryElev->Value();
    e.DrainOver = CheckBoxDrain->Checked();
    e.MaxElevation = EditDrainOver->Value();
    e.K1 = EditK1->Value();
    e.K2 = EditK2->Value();
    e.Alternative = RadioButtonAlt2->Checked() ? 2 : 1;
    e.Effectiveness = EditEffectiveness->Value();
    e.Computed = RadioButton2->Checked();
    const String warning = TUpliftRules(param).ApplyOk(e);
    if (!warning.IsEmpty()) Warn(warning);
}
