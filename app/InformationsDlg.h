#pragma once
// The general-information dialog: the model's project title, dam, owner, location, engineer,
// analyst, date and comments.  It copies the current model when it is created; Enter moves along
// the fields to the OK button.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/Edits.h"

class TInformationsDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TInformationsDlg, TInputDialog)
public:
    explicit TInformationsDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TEdit* EditTitle = nullptr;
    TEdit* EditDam = nullptr;
    TEdit* EditCompany = nullptr;
    TEdit* EditLocation = nullptr;
    TEdit* EditEngineer = nullptr;
    TEdit* EditCreator = nullptr;
    TDateTimePicker* DateTimePicker = nullptr;
    TMemo* MemoComments = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void OKButtonClick(TObject* Sender);
};
