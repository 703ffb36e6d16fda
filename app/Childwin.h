#pragma once
// The document window: one dam model in Param, shown in the main window's document area, with
// its save prompt on close.  While it is the active window, CurrentModel is a copy of Param.
#include "engine/Unites.h"
#include "platform/forms/Forms.h"

class TMDIChild : public TForm {
    DECLARE_CLASS(TMDIChild, TForm)
public:
    explicit TMDIChild(TComponent* AOwner);
    ~TMDIChild() override;

    String FileDirectory;
    TParametres Param;

    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void UpdateMenuItems();

    // CurrentModel := Param (the model the main window's commands work on).
    void MakeCurrent();
    // Releases the model's arrays and result objects.
    void ReleaseModel();
};
