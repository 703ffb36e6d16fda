#pragma once
// The joint text report window: the numbers behind the last joint plot as plain text in an
// editable memo, which the user can edit, copy, replace by a text file or save as one.
#include "analysis/JointValues.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/Menus.h"

class TGraphicValue : public TForm {
    DECLARE_CLASS(TGraphicValue, TForm)
public:
    explicit TGraphicValue(TComponent* AOwner) : TForm(AOwner) {}

    // What the joint plots window hands over before showing the window.
    TGraphicValues GValues;
    TGlobalValues GlobalValues;
    Integer NUplifts = 0;
    bool ShearCurve = false;
    // The memo the Edit commands act on, once a memo has had the focus.
    TCustomMemo* ceCurrent = nullptr;

    // ---- components of the form description
    TMemo* Memo1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* Open1 = nullptr;
    TMenuItem* Save1 = nullptr;
    TMenuItem* Close1 = nullptr;
    TMenuItem* Undo1 = nullptr;
    TMenuItem* Cut1 = nullptr;
    TMenuItem* Copy1 = nullptr;
    TMenuItem* Paste1 = nullptr;

    // ---- handlers
    void FormCreate(TObject* Sender);
    // Appends the report to the memo.
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The Edit commands follow the focused memo while the program is idle.
    void UpdateEditCommands(TObject* Sender, bool& Done);
    void Open1Click(TObject* Sender);
    void Save1Click(TObject* Sender);
    void Close1Click(TObject* Sender);
    void sbtnundoClick(TObject* Sender);
    void sbtncutClick(TObject* Sender);
    void sbtncopyClick(TObject* Sender);
    void sbtnpasteClick(TObject* Sender);
};
