#include "app/AddMaterialDlg2.h"

#include "app/JointMaterialRules.h"
#include "platform/classes/TypInfo.h"

TClass TAddMaterialDlg2::StaticClass()
{
    static const TMetaClass meta("TAddMaterialDlg2", TInputDialog::StaticClass(), NewComponent<TAddMaterialDlg2>,
                                 [](TMetaClass& m) {
                                     using C = TAddMaterialDlg2;
                                     TPublished<C>(&m)
                                         .Method("RadioModelClick", &C::RadioModelClick)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("EditName", &C::EditName)
                                         .Field("EditJointfc", &C::EditJointfc)
                                         .Field("editJointft", &C::editJointft)
                                         .Field("PageControlStrength", &C::PageControlStrength)
                                         .Field("EditJointcPeak", &C::EditJointcPeak)
                                         .Field("EditjointAngle", &C::EditjointAngle)
                                         .Field("EditJointPeakMinStress", &C::EditJointPeakMinStress)
                                         .Field("RadioPeak2", &C::RadioPeak2)
                                         .Field("ImageRadioPeak2", &C::ImageRadioPeak2)
                                         .Field("EditJointcRes", &C::EditJointcRes)
                                         .Field("EditJointResidual", &C::EditJointResidual)
                                         .Field("EditJointResidualMinStress", &C::EditJointResidualMinStress)
                                         .Field("RadioResidual2", &C::RadioResidual2)
                                         .Field("ImageRadioResidual2", &C::ImageRadioResidual2)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

Integer ShearModelItem(TShearCurve curve) { return curve == scContinue ? 1 : 0; }
TShearCurve ShearModelOf(const TRadioGroup* radio) { return radio->ItemIndex() == 1 ? scContinue : scNonContinue; }

void ShowShearModel(const TRadioGroup* radio, TImage* image)
{
    TInputDialog::ShowPicture(image, radio->ItemIndex() == 1 ? "Shear model 2.bmp" : "Shear model 1.bmp");
}

void TAddMaterialDlg2::RadioModelClick(TObject*)
{
    ShowShearModel(RadioPeak2, ImageRadioPeak2);
    ShowShearModel(RadioResidual2, ImageRadioResidual2);
}

void TAddMaterialDlg2::Init(const TParametres& materials, const std::vector<String>& listedNames, Integer position)
{
    param1 = materials;
    FListedNames = listedNames;
    FCreating = position < 0;
    ShowUnitLabels(param1.unites);
    const TProprietes& m = param1.JointMaterials[FCreating ? 0 : position + 1];
    if (FCreating) {
        EditName->SetText("");
    } else {
        SetCaption("Change material properties");
        EditName->SetText(m.nom);
        EditName->SetReadOnly(true);
    }
    EditJointfc->SetValue(m.fc);
    editJointft->SetValue(m.ft);
    EditJointcPeak->SetValue(m.peak.c);
    EditjointAngle->SetValue(m.peak.angle);
    EditJointPeakMinStress->SetValue(m.peak.MinStress);
    RadioPeak2->SetItemIndex(ShearModelItem(m.peak.ShearCurve));
    EditJointcRes->SetValue(m.residual.c);
    EditJointResidual->SetValue(m.residual.angle);
    EditJointResidualMinStress->SetValue(m.residual.MinStress);
    RadioResidual2->SetItemIndex(ShearModelItem(m.residual.ShearCurve));
    RadioModelClick(this);
    SetEnterAsTab();
}

TProprietes TAddMaterialDlg2::Material() const
{
    TProprietes m;
    m.nom = EditName->Text();
    m.fc = ValueOf(EditJointfc);
    m.ft = ValueOf(editJointft);
    m.peak = {ValueOf(EditjointAngle), ValueOf(EditJointcPeak), ValueOf(EditJointPeakMinStress), ShearModelOf(RadioPeak2)};
    m.residual = {ValueOf(EditJointResidual), ValueOf(EditJointcRes), ValueOf(EditJointResidualMinStress),
                  ShearModelOf(RadioResidual2)};
    return m;
}

void TAddMaterialDlg2::OKButtonClick(TObject*)
{
    const TProprietes m = Material();
    const String message = CheckMaterial(FListedNames, EditName->Text(), m.peak.angle, m.residual.angle, FCreating);
    if (!message.IsEmpty()) {
        Refuse(message);
        if (message == DuplicateMaterialMessage) EditName->SetFocus();
        return;
    }
    if (FCreating) AddMaterialToCopy(param1, m);
}
