#pragma once
// The post-tensioning dialog: a cable anchored from the crest and one from the downstream face,
// with the horizontal post-tensioning taken as an active or a passive load.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/PostTensionRules.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"

class TPostTensionDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TPostTensionDlg, TInputDialog)
public:
    explicit TPostTensionDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return Param; }

    TParametres Param;

    TImage* Image1 = nullptr;
    TGroupBox* GroupCrest = nullptr;
    TLabel* LabelTension = nullptr;
    TEcCalcEdit* EditTension = nullptr;
    TLabel* LabelTensionUnit = nullptr;
    TLabel* LabelPosition = nullptr;
    TEcCalcEdit* EditPosition = nullptr;
    TLabel* LabelPositionUnit = nullptr;
    TGroupBox* GroupDownstream = nullptr;
    TLabel* LabelTensionP2 = nullptr;
    TEcCalcEdit* EditTensionP2 = nullptr;
    TLabel* LabelTensionP2Unit = nullptr;
    TLabel* LabelElevation = nullptr;
    TEcCalcEdit* EditElevation = nullptr;
    TLabel* LabelElevationUnit = nullptr;
    TLabel* LabelAngle = nullptr;
    TLabel* LabelAnglePhi = nullptr;
    TEcCalcEdit* EditAngle = nullptr;
    TLabel* LabelAngleUnit = nullptr;
    TGroupBox* GroupType = nullptr;
    TRadioButton* RadioActive = nullptr;
    TRadioButton* RadioPassive = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void EditTensionExit(TObject* Sender);
    void EditPositionExit(TObject* Sender);
    void EditTensionP2Exit(TObject* Sender);
    void EditElevationExit(TObject* Sender);
    void EditAngleExit(TObject* Sender);
    void OKButtonClick(TObject* Sender);
};
