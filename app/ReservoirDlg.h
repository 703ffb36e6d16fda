#pragma once
// The reservoir dialog: the water's unit weight, the operating and flood levels on both sides,
// the ice load, the floating debris, the silt deposit and the overtopping pressures on the crest.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/ReservoirRules.h"
#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/TextEdit.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ExtCtrls.h"

class TReservoirDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TReservoirDlg, TInputDialog)
public:
    explicit TReservoirDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabLevels = nullptr;
    TTabSheet* TabIce = nullptr;
    TTabSheet* TabDebris = nullptr;
    TTabSheet* TabSilt = nullptr;
    TTabSheet* TabOvertopping = nullptr;
    TEcCalcEdit* EditWaterWeight = nullptr;
    TLabel* LabelWaterWeightUnit = nullptr;
    TEcCalcEdit* EditUOres = nullptr;
    TLabel* LabelUOresUnit = nullptr;
    TEcCalcEdit* EditDOres = nullptr;
    TLabel* LabelDOresUnit = nullptr;
    TEcCalcEdit* EditUFres = nullptr;
    TLabel* LabelUFresUnit = nullptr;
    TEcCalcEdit* EditDFres = nullptr;
    TLabel* LabelDFresUnit = nullptr;
    TEcCalcEdit* EditIce = nullptr;
    TLabel* LabelIceUnit = nullptr;
    TEcCalcEdit* EditIceThickness = nullptr;
    TLabel* LabelIceThicknessUnit = nullptr;
    TEcCalcEdit* EditFDForce = nullptr;
    TLabel* LabelFDForceUnit = nullptr;
    TEcCalcEdit* EditFDElevation = nullptr;
    TLabel* LabelFDElevationUnit = nullptr;
    TEcCalcEdit* EditFDMaxElevation = nullptr;
    TLabel* LabelFDMaxElevationUnit = nullptr;
    TImage* ImageDebris = nullptr;
    TEcCalcEdit* EditSilt = nullptr;
    TLabel* LabelSiltUnit = nullptr;
    TEcCalcEdit* EditSedWeight = nullptr;
    TLabel* LabelSedWeightUnit = nullptr;
    TLabel* LabelSiltAngle = nullptr;
    TLabel* LabelSiltPhi = nullptr;
    TEcCalcEdit* EditSiltAngle = nullptr;
    TRadioButton* RadioFluid = nullptr;
    TRadioButton* RadioAtRest = nullptr;
    TRadioButton* RadioActive = nullptr;
    TRadioButton* RadioPassive = nullptr;
    TPaintBox* PaintFormulas = nullptr;
    TExtendEdit* EditUpPercentage = nullptr;
    TExtendEdit* EditDownPercentage = nullptr;
    TImage* ImageOvertopping = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    // Leaving one of the levels, the ice, the silt or the water weight stores it at once.
    void EditFieldExit(TObject* Sender);
    void PaintFormulasPaint(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    TRadioButton* SiltButton(TSiltModel model) const;
};
