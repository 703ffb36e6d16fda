#pragma once
// Message boxes and the open, save and print dialogs.
//
// Message boxes have the platform's English standard buttons.  File dialogs take the platform's
// filter text ("Dam files (*.dam)|*.dam|All files (*.*)|*.*") and a 1-based FilterIndex.  A test
// answers the next box or dialog through the hooks at the end of this header.
#include <functional>
#include <optional>
#include <vector>

#include "platform/classes/Component.h"
#include "platform/classes/Set.h"
#include "platform/controls/Controls.h"
#include "platform/controls/WindowSystem.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = Set<TMsgDlgBtn>;
inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbYesNo{mbYes, mbNo};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// MessageBox flags and answers.
enum : Cardinal {
    MB_OK = 0x0, MB_OKCANCEL = 0x1, MB_ABORTRETRYIGNORE = 0x2, MB_YESNOCANCEL = 0x3, MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5, MB_ICONHAND = 0x10, MB_ICONERROR = 0x10, MB_ICONSTOP = 0x10, MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30, MB_ICONWARNING = 0x30, MB_ICONASTERISK = 0x40, MB_ICONINFORMATION = 0x40,
    MB_DEFBUTTON1 = 0x0, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200, MB_APPLMODAL = 0x0, MB_TASKMODAL = 0x2000
};
enum : Integer { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

// Shows a message box: the caption "Warning", "Error", "Information", "Confirm" by type (the
// application's title for mtCustom); answers the modal result of the button pressed.
Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, std::intptr_t HelpCtx);
Integer MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, std::intptr_t HelpCtx,
                      Integer X, Integer Y);
// The message with an OK button, captioned with the application's title.
void ShowMessage(const String& Msg);
Integer MessageBox(HWND Window, const String& Text, const String& Caption, Cardinal Flags);

// ---------------------------------------------------------------- file and print dialogs
enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks,
    ofEnableIncludeNotify, ofEnableSizing, ofDontAddToRecent, ofForceShowHidden
};
using TOpenOptions = Set<TOpenOption>;
const TEnumTypeInfo& TypeInfoOf(TOpenOption);

// How the dialog's name field is given: a plain edit, or a combo box that offers the names of the
// history list.
enum TFileEditStyle { fsEdit, fsComboBox };
const TEnumTypeInfo& TypeInfoOf(TFileEditStyle);

class TOpenDialog : public TComponent {
    DECLARE_CLASS(TOpenDialog, TComponent)
public:
    explicit TOpenDialog(TComponent* AOwner);
    // Shows the dialog; true when the user chose a file (FileName, Files and FilterIndex are set).
    virtual bool Execute();
    const String& FileName() const { return FFileName; }
    void SetFileName(const String& value) { FFileName = value; }
    const std::vector<String>& Files() const { return FFiles; }
    const String& Filter() const { return FFilter; }
    void SetFilter(const String& value) { FFilter = value; }
    Integer FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(Integer value) { FFilterIndex = value; }
    const String& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const String& value) { FInitialDir = value; }
    const String& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const String& value) { FDefaultExt = value; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions value) { FOptions = value; }
    TFileEditStyle FileEditStyle() const { return FFileEditStyle; }
    void SetFileEditStyle(TFileEditStyle value) { FFileEditStyle = value; }
    // The names offered in the name field of the fsComboBox style.
    TStrings& HistoryList() { return FHistoryList; }
    void SetHistoryList(TStrings* value) { if (value) FHistoryList.Assign(*value); }
    TNotifyEvent OnShow, OnClose;

    // "Desc|*.a;*.b|..." as pairs; a trailing description without patterns is dropped.
    static std::vector<std::pair<String, String>> ParseFilter(const String& filter);

protected:
    bool DoExecute(bool save);

private:
    String FFileName, FFilter, FInitialDir, FDefaultExt, FTitle;
    std::vector<String> FFiles;
    Integer FFilterIndex = 1;
    TOpenOptions FOptions{ofHideReadOnly, ofEnableSizing};
    TFileEditStyle FFileEditStyle = fsEdit;
    TStringList FHistoryList;
};

class TSaveDialog : public TOpenDialog {
    DECLARE_CLASS(TSaveDialog, TOpenDialog)
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    bool Execute() override;
};

class TPrintDialog : public TComponent {
    DECLARE_CLASS(TPrintDialog, TComponent)
public:
    explicit TPrintDialog(TComponent* AOwner) : TComponent(AOwner) {}
    bool Execute();
    Integer Copies() const { return FCopies; }
    void SetCopies(Integer value) { FCopies = value; }

private:
    Integer FCopies = 1;
};

// ---------------------------------------------------------------- test hooks
struct TMessageBoxRequest {
    String Caption;
    String Text;
    TMessageBoxIcon Icon = TMessageBoxIcon::None;
    std::vector<Integer> Buttons;   // modal results, in the order shown
    Integer DefaultButton = 0;
};
// When set, each message box asks it first; an answer replaces showing the box.
extern std::function<std::optional<Integer>(const TMessageBoxRequest&)> MessageBoxHook;
// When set, each file dialog asks it first.
extern std::function<std::optional<TFileDialogAnswer>(const TFileDialogRequest&)> FileDialogHook;
extern std::function<std::optional<bool>(Integer& copies)> PrintDialogHook;
