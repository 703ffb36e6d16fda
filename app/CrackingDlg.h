#pragma once
// The cracking options dialog: whether cracking is evaluated, the allowable tensile strength for
// crack initiation and propagation per load case, its dynamic magnification, the uplift
// pressures in a crack per kind of analysis, the drains' effectiveness once a crack passes the
// drain line (four options with their pictures) and the accuracy of the crack-length solution.
#include "app/Childwin.h"
#include "app/CrackingRules.h"
#include "app/InputDialog.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ExtCtrls.h"

class TCrackingDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TCrackingDlg, TInputDialog)
public:
    explicit TCrackingDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return Param; }

    TParametres Param;

    TRadioGroup* RadioYesNo = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabTensile = nullptr;
    TEcCalcEdit* EditftMagnification = nullptr;
    TCheckBox* CheckDSClosedCrack = nullptr;
    TButton* OKButton = nullptr;

    // The tensile-strength pages' controls, usual, flood, seismic and post-seismic: the factor
    // buttons with their fields and the zero-strength buttons, for initiation and propagation.
    TRadioButton* RadioSFI[CrackingPages] = {};
    TEcCalcEdit* EditSFInitiation[CrackingPages] = {};
    TRadioButton* RadioftZeroIni[CrackingPages] = {};
    TRadioButton* RadioSFP[CrackingPages] = {};
    TEcCalcEdit* EditSFPropagation[CrackingPages] = {};
    TRadioButton* RadioftZeroProp[CrackingPages] = {};
    // The uplift groups' buttons by the value each stands for (static and post-seismic have none
    // for 0).
    TRadioButton* StaticUplift[3] = {};
    TRadioButton* SeismicUplift[3] = {};
    TRadioButton* PostSeismicUplift[3] = {};
    // The drain options 1 to 4: their buttons, framed pictures and the pictures.
    TRadioButton* RadioOption[4] = {};
    TPanel* PanelOption[4] = {};
    TImage* ImageOption[4] = {};
    // Coarse, medium, fine.
    TRadioButton* RadioAccuracy[3] = {};

    void FormCreate(TObject* Sender);
    void StrengthButtonClick(TObject* Sender);
    void FactorExit(TObject* Sender);
    void MagnificationExit(TObject* Sender);
    void DrainOptionClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    // Each factor field enabled only while its factor button is selected.
    void EnableFactorFields();
    void SelectDrainOption(TCrackOverDrain option);
    TCrackingChoices ReadControls() const;
};
