#include "app/JointMaterialDlg.h"

#include <memory>

#include "app/Main.h"
#include "platform/classes/TypInfo.h"
#include "platform/forms/Dialogs.h"

TClass TJointMaterialDlg::StaticClass()
{
    static const TMetaClass meta("TJointMaterialDlg", TInputDialog::StaticClass(), NewComponent<TJointMaterialDlg>,
                                 [](TMetaClass& m) {
                                     using C = TJointMaterialDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("FormShow", &C::FormShow)
                                         .Method("ListBoxClick", &C::ListBoxClick)
                                         .Method("ButtonAddClick", &C::ButtonAddClick)
                                         .Method("ButtonChangeClick", &C::ButtonChangeClick)
                                         .Method("ButtonRemoveClick", &C::ButtonRemoveClick)
                                         .Method("CheckBoxPassiveStrengthClick", &C::CheckBoxPassiveStrengthClick)
                                         .Method("RadioModelClick", &C::RadioModelClick)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("PageControl1", &C::PageControl1)
                                         .Field("TabLiftJoints", &C::TabLiftJoints)
                                         .Field("ListBox", &C::ListBox)
                                         .Field("ButtonAdd", &C::ButtonAdd)
                                         .Field("ButtonChange", &C::ButtonChange)
                                         .Field("ButtonRemove", &C::ButtonRemove)
                                         .Field("Edit1", &C::Edit1)
                                         .Field("EditRockfc", &C::EditRockfc)
                                         .Field("EditRockft", &C::EditRockft)
                                         .Field("EditRockc", &C::EditRockc)
                                         .Field("EditRockAngle", &C::EditRockAngle)
                                         .Field("EditPeakMinStress", &C::EditPeakMinStress)
                                         .Field("RadioPeak", &C::RadioPeak)
                                         .Field("ImageRadioPeak", &C::ImageRadioPeak)
                                         .Field("EditRockcRes", &C::EditRockcRes)
                                         .Field("EditRockResidual", &C::EditRockResidual)
                                         .Field("EditResidualMinStress", &C::EditResidualMinStress)
                                         .Field("RadioResidual", &C::RadioResidual)
                                         .Field("ImageRadioResidual", &C::ImageRadioResidual)
                                         .Field("CheckBoxPassiveStrength", &C::CheckBoxPassiveStrength)
                                         .Field("GroupBoxRock", &C::GroupBoxRock)
                                         .Field("EditRocMass", &C::EditRocMass)
                                         .Field("EditRocCohesion", &C::EditRocCohesion)
                                         .Field("EditRocAngle", &C::EditRocAngle)
                                         .Field("EditRocFailureAngle", &C::EditRocFailureAngle)
                                         .Field("EditStrengthFactor", &C::EditStrengthFactor)
                                         .Field("ImageRock", &C::ImageRock)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

TJointMaterialDlg::TJointMaterialDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

void TJointMaterialDlg::FormCreate(TObject*)
{
    FRules.emplace(param);
    ShowUnitLabels(param.unites);
    FillList();
    if (param.JointMaterials.IsEmpty()) param.JointMaterials.SetLength(1);
    const TProprietes& base = param.JointMaterials[0];
    Edit1->SetText("Base joint");
    EditRockfc->SetValue(base.fc);
    EditRockft->SetValue(base.ft);
    EditRockc->SetValue(base.peak.c);
    EditRockAngle->SetValue(base.peak.angle);
    EditPeakMinStress->SetValue(base.peak.MinStress);
    RadioPeak->SetItemIndex(ShearModelItem(base.peak.ShearCurve));
    EditRockcRes->SetValue(base.residual.c);
    EditRockResidual->SetValue(base.residual.angle);
    EditResidualMinStress->SetValue(base.residual.MinStress);
    RadioResidual->SetItemIndex(ShearModelItem(base.residual.ShearCurve));
    RadioModelClick(this);
    const TFoundation& rock = param.Foundation;
    CheckBoxPassiveStrength->SetChecked(rock.ShearStrength);
    EditRocMass->SetValue(rock.UnitMass);
    EditRocCohesion->SetValue(rock.cohesion);
    EditRocAngle->SetValue(rock.Angle);
    EditRocFailureAngle->SetValue(rock.FailureAngle);
    EditStrengthFactor->SetValue(rock.StrengthFactor);
    EnableRock();
    ShowPicture(ImageRock, "Roc passive strength.wmf");
    SetEnterAsTab();
}

void TJointMaterialDlg::FormShow(TObject*) { PageControl1->SetActivePage(TabLiftJoints); }

void TJointMaterialDlg::FillList()
{
    ListBox->Items().Clear();
    for (const String& name : FRules->Names()) ListBox->Items().Add(name);
    UpdateButtons();
}

void TJointMaterialDlg::UpdateButtons()
{
    ButtonChange->SetEnabled(ListBox->SelCount() == 1);
    ButtonRemove->SetEnabled(ListBox->SelCount() >= 1);
}

void TJointMaterialDlg::ListBoxClick(TObject*) { UpdateButtons(); }

void TJointMaterialDlg::EnableRock()
{
    const bool on = CheckBoxPassiveStrength->Checked();
    GroupBoxRock->SetEnabled(on);
    for (TEcCalcEdit* e : {EditRocMass, EditRocCohesion, EditRocAngle, EditRocFailureAngle, EditStrengthFactor})
        e->SetEnabled(on);
}

void TJointMaterialDlg::CheckBoxPassiveStrengthClick(TObject*) { EnableRock(); }

void TJointMaterialDlg::RadioModelClick(TObject*)
{
    ShowShearModel(RadioPeak, ImageRadioPeak);
    ShowShearModel(RadioResidual, ImageRadioResidual);
}

void TJointMaterialDlg::ButtonAddClick(TObject*)
{
    std::unique_ptr<TAddMaterialDlg2> editor(new TAddMaterialDlg2(this));
    editor->InitializeForm();
    editor->Init(FRules->CopyForCreation(), FRules->Names(), -1);
    if (editor->ShowModal() != mrOk) return;
    FRules->TakeCreated(editor->param1);
    FillList();
}

void TJointMaterialDlg::ButtonChangeClick(TObject*)
{
    if (ListBox->SelCount() != 1) return;
    const Integer position = ListBox->ItemIndex();
    std::unique_ptr<TAddMaterialDlg2> editor(new TAddMaterialDlg2(this));
    editor->InitializeForm();
    editor->Init(param, FRules->Names(), position);
    if (editor->ShowModal() != mrOk) return;
    FRules->Change(position, editor->Material());
}

void TJointMaterialDlg::ButtonRemoveClick(TObject*)
{
    std::vector<bool> selected;
    for (Integer i = 0; i < ListBox->Items().Count(); ++i) selected.push_back(ListBox->Selected(i));
    for (const String& name : FRules->Remove(selected)) MessageDlg(MaterialInUseMessage(name), mtInformation, {mbOK}, 0);
    FillList();
    ButtonChange->SetEnabled(false);
    ButtonRemove->SetEnabled(false);
}

void TJointMaterialDlg::OKButtonClick(TObject*)
{
    TProprietes base;
    base.fc = ValueOf(EditRockfc);
    base.ft = ValueOf(EditRockft);
    base.peak = {ValueOf(EditRockAngle), ValueOf(EditRockc), ValueOf(EditPeakMinStress),
                 ShearModelOf(RadioPeak)};
    base.residual = {ValueOf(EditRockResidual), ValueOf(EditRockcRes), ValueOf(EditResidualMinStress),
                     ShearModelOf(RadioResidual)};
    TFoundation rock = param.Foundation;
    rock.ShearStrength = CheckBoxPassiveStrength->Checked();
    rock.UnitMass = ValueOf(EditRocMass);
    rock.cohesion = ValueOf(EditRocCohesion);
    rock.Angle = ValueOf(EditRocAngle);
    rock.FailureAngle = ValueOf(EditRocFailureAngle);
    rock.StrengthFactor = ValueOf(EditStrengthFactor);
    FRules->ApplyOk(base, rock);
}
