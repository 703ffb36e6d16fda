#pragma once
// The section-geometry dialog: the dam's horizontal dimensions L1 to L4, the corner elevations A
// to G and the foundation elevations H and I, gravity and the concrete's volumetric mass.  The
// document hands it its model; changing the section of a model that has one resets the whole
// model after the user agrees.  Enter moves to the next field, so a field is always left (and its
// elevation order kept) before OK.
#include <optional>

#include "app/Childwin.h"
#include "app/DimensionRules.h"
#include "app/InputDialog.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/ExtCtrls.h"

class TDimensionDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TDimensionDlg, TInputDialog)
public:
    explicit TDimensionDlg(TComponent* AOwner) : TInputDialog(AOwner) {}
    TParametres& WorkingModel() override { return param4; }

    TParametres param4;
    // Some section dimension differs from the current model's.
    bool Changed() const { return FRules && FRules->Changed(); }

    TEcCalcEdit* EditL1 = nullptr;
    TEcCalcEdit* EditL2 = nullptr;
    TEcCalcEdit* EditL3 = nullptr;
    TEcCalcEdit* EditL4 = nullptr;
    TEcCalcEdit* EditElevA = nullptr;
    TEcCalcEdit* EditElevB = nullptr;
    TEcCalcEdit* EditElevC = nullptr;
    TEcCalcEdit* EditElevD = nullptr;
    TEcCalcEdit* EditElevE = nullptr;
    TEcCalcEdit* EditElevF = nullptr;
    TEcCalcEdit* EditElevG = nullptr;
    TEcCalcEdit* EditElevRockUp = nullptr;
    TEcCalcEdit* EditElevRockDown = nullptr;
    TEcCalcEdit* EditGravity = nullptr;
    TEcCalcEdit* EditWeight = nullptr;
    TImage* Image1 = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormShow(TObject* Sender);
    void SectionChange(TObject* Sender);
    void LengthExit(TObject* Sender);
    void ElevationExit(TObject* Sender);
    void FoundationExit(TObject* Sender);
    void GravityExit(TObject* Sender);
    void WeightExit(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    // The thirteen section fields as they stand.
    TDimension Fields();
    // The section fields from the copy.
    void ShowSection();
    void ShowSectionPicture();
    TEcCalcEdit* ElevationEdit(TElevationField f) const;

    std::optional<TDimensionRules> FRules;
};
