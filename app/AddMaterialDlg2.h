#pragma once
// The material editor of the joint-materials dialog: name, strengths and the peak and residual
// shear strength of one lift-joint material, for a new material or to change one.  Enter moves to
// the next field; OK refuses a duplicate or missing name and a peak friction angle below the
// residual one.
#include <vector>

#include "app/InputDialog.h"
#include "editcontrols/EcBaseEdits.h"
#include "engine/Unites.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ExtCtrls.h"

// The shear strength model of a radio group: "Option 1" (item 0) is scNonContinue, "Option 2"
// (item 1) scContinue; and the picture of the model it has chosen.
Integer ShearModelItem(TShearCurve curve);
TShearCurve ShearModelOf(const TRadioGroup* radio);
void ShowShearModel(const TRadioGroup* radio, TImage* image);

class TAddMaterialDlg2 : public TInputDialog {
    DECLARE_CLASS(TAddMaterialDlg2, TInputDialog)
public:
    explicit TAddMaterialDlg2(TComponent* AOwner) : TInputDialog(AOwner) {}
    // A copy of the materials dialog's copy, the names of its list, and the list position of the
    // material to change (-1: a new material, which starts from the base joint's values).
    void Init(const TParametres& materials, const std::vector<String>& listedNames, Integer position);
    // The material as the fields give it.
    TProprietes Material() const;

    TParametres param1;

    TEdit* EditName = nullptr;
    TEcCalcEdit* EditJointfc = nullptr;
    TEcCalcEdit* editJointft = nullptr;
    TPageControl* PageControlStrength = nullptr;
    TEcCalcEdit* EditJointcPeak = nullptr;
    TEcCalcEdit* EditjointAngle = nullptr;
    TEcCalcEdit* EditJointPeakMinStress = nullptr;
    TRadioGroup* RadioPeak2 = nullptr;
    TImage* ImageRadioPeak2 = nullptr;
    TEcCalcEdit* EditJointcRes = nullptr;
    TEcCalcEdit* EditJointResidual = nullptr;
    TEcCalcEdit* EditJointResidualMinStress = nullptr;
    TRadioGroup* RadioResidual2 = nullptr;
    TImage* ImageRadioResidual2 = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void RadioModelClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    bool FCreating = true;
    std::vector<String> FListedNames;
};
