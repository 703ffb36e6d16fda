#pragma once
// The pre-cracked joints dialog: the crack lengths from which the crack-length analysis starts,
// at the upstream and the downstream end of each joint, set on the selected joints at once as
// lengths or as percentages of the joint length.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/ListBox.h"

class TCracksDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TCracksDlg, TInputDialog)
public:
    explicit TCracksDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param1; }

    TParametres param1;

    TLabel* LabelElevationColumn = nullptr;
    TLabel* LabelUpColumn = nullptr;
    TLabel* LabelDownColumn = nullptr;
    TListBox* ListBox = nullptr;
    TEcCalcEdit* EditUpLength = nullptr;
    TEcCalcEdit* EditUpPercentage = nullptr;
    TEcCalcEdit* EditDownLength = nullptr;
    TEcCalcEdit* EditDownPercentage = nullptr;
    TRadioButton* RadioScalar = nullptr;
    TRadioButton* RadioPercentage = nullptr;
    TButton* SetButton = nullptr;
    TButton* OKButton = nullptr;

    void FormCreate(TObject* Sender);
    void ModeClick(TObject* Sender);
    void ListBoxClick(TObject* Sender);
    void SetButtonClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    bool Percentage() const { return RadioPercentage->Checked(); }
    // The list filled again from the copy; no line is selected, so Set waits for a choice.
    void FillCrackList();
};
