#pragma once
// The mass editor of the concentrated-masses dialog: position, elevation and the horizontal and
// vertical masses of one mass.  Enter moves along the four fields; there is no cancel key.
#include "app/InputDialog.h"
#include "editcontrols/EcBaseEdits.h"
#include "engine/Unites.h"

class TAddMassDlg : public TInputDialog {
    DECLARE_CLASS(TAddMassDlg, TInputDialog)
public:
    explicit TAddMassDlg(TComponent* AOwner) : TInputDialog(AOwner) {}
    // The unit texts, the four fields and the caption from the mass ("Edit mass properties" for a
    // mass with any value, else "Add a mass").
    void Init(TUnites unites, const TMasses& mass);

    double Position = 0, Elevation = 0, Horizontal = 0, Vertical = 0;

    TEcCalcEdit* EditPosX = nullptr;
    TEcCalcEdit* EditElev = nullptr;
    TEcCalcEdit* EditHorMass = nullptr;
    TEcCalcEdit* EditVertMass = nullptr;
    TLabel* LabelPosXUnit = nullptr;
    TLabel* LabelElevUnit = nullptr;
    TLabel* LabelHorMassUnit = nullptr;
    TLabel* LabelVertMassUnit = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormShow(TObject* Sender);
    void FieldExit(TObject* Sender);
    void OKButtonClick(TObject* Sender);
};
