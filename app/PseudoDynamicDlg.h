#pragma once
// The pseudo-dynamic seismic dialog (simplified method of Chopra): spectral and ground
// accelerations, the dam's divisions, damping and dynamic modulus, the reservoir bottom's wave
// reflection and the pressure waves' velocity, the foundation's modulus and hysteretic damping,
// the inclined-face correction and the modal combination; the fundamental period and damping
// shown live as the values change.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "chart/VEZ_NumLab.h"
#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/EcxSlider.h"
#include "editcontrols/TextEdit.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/Spin.h"

class TPseudoDynamicDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TPseudoDynamicDlg, TInputDialog)
public:
    explicit TPseudoDynamicDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabAccelerations = nullptr;
    TTabSheet* TabDam = nullptr;
    TTabSheet* TabReservoir = nullptr;
    TTabSheet* TabFoundation = nullptr;
    TTabSheet* TabModal = nullptr;
    TExtendEdit* EditReturnPeriod = nullptr;
    TEcCalcEdit* EditHPGA = nullptr;
    TEcCalcEdit* EditVPGA = nullptr;
    TEcCalcEdit* EditHPSA = nullptr;
    TEcCalcEdit* EditHSA = nullptr;
    TEcCalcEdit* EditVSA = nullptr;
    TEcCalcEdit* EditHSSA = nullptr;
    TSpinEdit* SpinNumber = nullptr;
    TEcCalcEdit* EditDamDamping = nullptr;
    TEcCalcEdit* EditEs = nullptr;
    TEcCalcEdit* EditResRef = nullptr;
    TEcCalcEdit* EditVelocity = nullptr;
    TCheckBox* CheckVertAccOnReservoir = nullptr;
    TRadioButton* RadioGeneralized = nullptr;
    TRadioButton* RadioCos2 = nullptr;
    TRadioButton* RadioCorns = nullptr;
    TRadioButton* RadioNoCorrection = nullptr;
    TEcCalcEdit* EditEf = nullptr;
    TEcxSlider* SliderNf = nullptr;
    TNumLab* NumLabNf = nullptr;
    TRadioButton* RadioButton1st = nullptr;
    TRadioButton* RadioButtonSup = nullptr;
    TRadioButton* RadioButtonSRSS = nullptr;
    TRadioButton* RadioButtonAbs = nullptr;
    TLabel* LabelT1 = nullptr;
    TLabel* LabelT1rf = nullptr;
    TLabel* LabelD1 = nullptr;
    TLabel* LabelD1rf = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void SliderNfChange(TObject* Sender);
    void ComputedFieldExit(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    // The values the live computation takes, from their controls.
    void ReadComputedFields();
    // The period and damping computed on the copy and shown.
    void Compute();
};
