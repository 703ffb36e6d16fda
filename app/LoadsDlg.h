#pragma once
// The load combinations dialog: which of the five combinations are analysed, the factor of each
// load in each of them, their required safety and allowable-stress factors, each earthquake's
// method, the earthquake the post-seismic case follows and how sliding factors are computed.
#include <vector>

#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/LoadsRules.h"
#include "editcontrols/TextEdit.h"
#include "platform/stdctrls/ComCtrls.h"

class TLoadsDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TLoadsDlg, TInputDialog)
public:
    explicit TLoadsDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TPageControl* PageControl1 = nullptr;
    TRadioButton* RadioS1PS = nullptr;
    TRadioButton* RadioS1PD = nullptr;
    TRadioButton* RadioS2PS = nullptr;
    TRadioButton* RadioS2PD = nullptr;
    TRadioButton* RadioSeismic1 = nullptr;
    TRadioButton* RadioSeismic2 = nullptr;
    TButton* OKButton = nullptr;

    // By combination (usual, flood, seismic #1, seismic #2, post-seismic): the check box and
    // the page.
    TCheckBox* CheckBoxes[CombinationBoxes] = {};
    TTabSheet* Pages[CombinationBoxes] = {};

    void FormCreate(TObject* Sender);
    void CombinationClick(TObject* Sender);
    void GroupClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    // The boxes, pages and post-seismic buttons as the rules give them.
    void ShowBoxes(const TCombinationBoxes& boxes);
    TCombinationBoxes Boxes() const;
    TExtendEdit* FieldEdit(const TLoadField& field) const;
    // The texts the fields were filled with, in the order of LoadFields(): a field showing its
    // value rounded to 3 decimals that the user did not change keeps the model's exact value.
    std::vector<String> FFilledTexts;
    bool FShowing = false;   // the boxes are being written: their clicks are not the user's
    TCombinationBoxes FBoxes;
};
