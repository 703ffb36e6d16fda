#pragma once
// The lift-joints dialog: joints generated every increment between two elevations or created one
// at a time, each with its angle and material, listed highest first and removed from the list.
// It copies the current model when it is created.  Enter moves along each group's fields to its
// material list, where it runs the group's command; the default button follows the control
// entered.
#include <optional>

#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/JointRules.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ListBox.h"

class TJointDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TJointDlg, TInputDialog)
public:
    explicit TJointDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TEcCalcEdit* EditFirst = nullptr;
    TEcCalcEdit* EditLast = nullptr;
    TEcCalcEdit* EditInc = nullptr;
    TEcCalcEdit* EditAng1 = nullptr;
    TComboBox* ComboBoxMaterial1 = nullptr;
    TButton* ButtonMultiple = nullptr;
    TEcCalcEdit* EditSingle = nullptr;
    TEcCalcEdit* EditAng2 = nullptr;
    TComboBox* ComboBoxMaterial2 = nullptr;
    TButton* ButtonSingle = nullptr;
    TLabel* LabelElevationColumn = nullptr;
    TListBox* ListBox = nullptr;
    TButton* ButtonRemove = nullptr;
    TImage* Image1 = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void ComboBoxMaterial1Enter(TObject* Sender);
    void ComboBoxMaterial2Enter(TObject* Sender);
    void ListBoxEnter(TObject* Sender);
    void ListBoxClick(TObject* Sender);
    void ButtonMultipleClick(TObject* Sender);
    void ButtonSingleClick(TObject* Sender);
    void ButtonRemoveClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    void FillList();
    // The one default button (null: OK).
    void MakeDefault(TButton* button);

    std::optional<TJointRules> FRules;
};
