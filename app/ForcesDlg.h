#pragma once
// The applied-forces dialogs: the list of the forces applied to the section (TForcesDlg) and the
// editor of one force (TForceEdition), which can place it on a face or on the crest.
#include "app/Childwin.h"
#include "app/ForcesRules.h"
#include "app/InputDialog.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ListBox.h"

class TForceEdition : public TInputDialog {
    DECLARE_CLASS(TForceEdition, TInputDialog)
public:
    explicit TForceEdition(TComponent* AOwner) : TInputDialog(AOwner) {}

    TUnites unites = SI;

    TGroupBox* GroupBox1 = nullptr;
    TLabel* LabelElevation = nullptr;
    TLabel* LabelElevationUnit = nullptr;
    TLabel* LabelPositionX = nullptr;
    TLabel* LabelPositionXUnit = nullptr;
    TLabel* LabelHorForce = nullptr;
    TLabel* LabelHorForceUnit = nullptr;
    TLabel* LabelVertForce = nullptr;
    TLabel* LabelVertForceUnit = nullptr;
    TEcCalcEdit* EditElevation = nullptr;
    TEcCalcEdit* EditPositionX = nullptr;
    TEcCalcEdit* EditHorForce = nullptr;
    TEcCalcEdit* EditVertForce = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void OKButtonClick(TObject* Sender);

    // The unit system and the force to edit.
    void SendValues(TUnites u, const TForce& force);
    // The force as the fields hold it.
    TForce Force();

private:
    TForceLocation Location() const;
};

class TForcesDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TForcesDlg, TInputDialog)
public:
    explicit TForcesDlg(TComponent* AOwner);
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TLabel* Label1 = nullptr;
    TListBox* ListBox = nullptr;
    TButton* ButtonAdd = nullptr;
    TButton* ButtonChange = nullptr;
    TButton* ButtonRemove = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void ListBoxClick(TObject* Sender);
    void ButtonAddClick(TObject* Sender);
    void ButtonChangeClick(TObject* Sender);
    void ButtonRemoveClick(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    void FillList();
    // "Edit force" with exactly one selected line, "Remove" with at least one.
    void EnableButtons();
    // The editor shown on a force at a user-defined location; true with the edited force on its OK.
    bool EditForce(TForce& force);
};
