#pragma once
// The pseudo-static seismic dialog: the earthquake's return period, the peak and sustained
// ground accelerations, Westergaard's hydrodynamic options and the vertical acceleration's
// effect on the hydrostatic pressure.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/SeismicCoefficientRules.h"
#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/TextEdit.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComCtrls.h"

class TSeismicCoefficientDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TSeismicCoefficientDlg, TInputDialog)
public:
    explicit TSeismicCoefficientDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabAccelerations = nullptr;
    TTabSheet* TabWestergaard = nullptr;
    TTabSheet* TabHydrostatic = nullptr;
    TExtendEdit* EditReturnPeriod = nullptr;
    TEcCalcEdit* EditBaseAcc = nullptr;
    TEcCalcEdit* EditVertAcc = nullptr;
    TEcCalcEdit* EditSustAcc = nullptr;
    TEcCalcEdit* EditVertSusAcc = nullptr;
    TCheckBox* CheckBoxCompressibility = nullptr;
    TLabel* LabelPeriod = nullptr;
    TEcCalcEdit* EditPeriod = nullptr;
    TLabel* LabelPeriodUnit = nullptr;
    TRadioButton* RadioGeneralized = nullptr;
    TRadioButton* RadioCos2 = nullptr;
    TRadioButton* RadioCorns = nullptr;
    TRadioButton* RadioNoCorrection = nullptr;
    TRadioButton* RadioLimit = nullptr;
    TEcCalcEdit* EditLimit = nullptr;
    TLabel* LabelLimitUnit = nullptr;
    TRadioButton* RadioNoLimit = nullptr;
    TCheckBox* CheckVertAccOnReservoir = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CheckBoxCompressibilityClick(TObject* Sender);
    void RadioLimitClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

};
