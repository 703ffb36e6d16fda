#pragma once
// The joint-materials dialog: the list of lift-joint materials (created and changed in the
// material editor, removed unless a joint uses them), the base joint's material and the rock's
// passive shear strength.  It copies the current model when it is created; Enter moves to the
// next field.
#include <optional>

#include "app/AddMaterialDlg2.h"
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/JointMaterialRules.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ListBox.h"

class TJointMaterialDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TJointMaterialDlg, TInputDialog)
public:
    explicit TJointMaterialDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabLiftJoints = nullptr;
    TListBox* ListBox = nullptr;
    TButton* ButtonAdd = nullptr;
    TButton* ButtonChange = nullptr;
    TButton* ButtonRemove = nullptr;
    TEdit* Edit1 = nullptr;
    TEcCalcEdit* EditRockfc = nullptr;
    TEcCalcEdit* EditRockft = nullptr;
    TEcCalcEdit* EditRockc = nullptr;
    TEcCalcEdit* EditRockAngle = nullptr;
    TEcCalcEdit* EditPeakMinStress = nullptr;
    TRadioGroup* RadioPeak = nullptr;
    TImage* ImageRadioPeak = nullptr;
    TEcCalcEdit* EditRockcRes = nullptr;
    TEcCalcEdit* EditRockResidual = nullptr;
    TEcCalcEdit* EditResidualMinStress = nullptr;
    TRadioGroup* RadioResidual = nullptr;
    TImage* ImageRadioResidual = nullptr;
    TCheckBox* CheckBoxPassiveStrength = nullptr;
    TGroupBox* GroupBoxRock = nullptr;
    TEcCalcEdit* EditRocMass = nullptr;
    TEcCalcEdit* EditRocCohesion = nullptr;
    TEcCalcEdit* EditRocAngle = nullptr;
    TEcCalcEdit* EditRocFailureAngle = nullptr;
    TEcCalcEdit* EditStrengthFactor = nullptr;
    TImage* ImageRock = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ListBoxClick(TObject* Sender);
    void ButtonAddClick(TObject* Sender);
    void ButtonChangeClick(TObject* Sender);
    void ButtonRemoveClick(TObject* Sender);
    void CheckBoxPassiveStrengthClick(TObject* Sender);
    void RadioModelClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    void FillList();
    void UpdateButtons();
    void EnableRock();

    std::optional<TJointMaterialRules> FRules;
};
