#pragma once
// The concentrated-masses dialog: the list of added masses of the section (equipment, a bridge
// on the crest), each added or edited in the mass editor and removed from the list.  The document
// hands it its model; Enter is the default button's ("Add a mass"); Escape does nothing.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/MassesRules.h"
#include "platform/stdctrls/ListBox.h"

class TMassesDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TMassesDlg, TInputDialog)
public:
    explicit TMassesDlg(TComponent* AOwner) : TInputDialog(AOwner) {}
    TParametres& WorkingModel() override { return param1; }

    TParametres param1;

    TLabel* LabelList = nullptr;
    TListBox* ListBox = nullptr;
    TButton* ButtonAdd = nullptr;
    TButton* ButtonChange = nullptr;
    TButton* ButtonRemove = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormShow(TObject* Sender);
    void ListBoxClick(TObject* Sender);
    void ButtonAddClick(TObject* Sender);
    void ButtonChangeClick(TObject* Sender);
    void ButtonRemoveClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    void FillList();
    void UpdateButtons();
    // The mass editor on this mass; true with the edited mass when it closed with OK.
    bool EditMass(TMasses& mass);
};
