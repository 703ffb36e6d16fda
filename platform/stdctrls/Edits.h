#pragma once
// The native single-line edit and push button the forms and their tests need: the toolkit's
// line edit and button under the control classes.  Keys reach the edit through KeyDown and
// KeyPress first, which can discard (Key := 0, Key := #0) or replace them.
#include "platform/controls/Controls.h"

class TCustomEdit : public TWinControl {
    DECLARE_CLASS(TCustomEdit, TWinControl)
public:
    explicit TCustomEdit(TComponent* AOwner);
    String Text() const { return GetText(); }
    String GetText() const override;
    TNotifyEvent OnChange;
    // The toolkit reports a change of the text.
    void TextEdited();

    // The EM_* state, read and written through the messages.
    Integer MaxLength() const { return FOptions.MaxLength; }
    void SetMaxLength(Integer value);
    bool ReadOnly() const { return FOptions.ReadOnly; }
    void SetReadOnly(bool value);
    char16_t PasswordChar() const { return FOptions.PasswordChar; }
    void SetPasswordChar(char16_t value);
    bool Modified();
    void SetModified(bool value);
    // The selection; SelStart is the caret when nothing is selected.
    Integer SelStart();
    void SetSelStart(Integer value);
    Integer SelLength();
    void SetSelLength(Integer value);
    String SelText();
    void SetSelText(const String& value);
    void SelectAll();
    void ClearSelection() { SetSelText(String()); }

    // The native edit's window procedure for the EM_* messages.
    void DefaultHandler(TMessage& message) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    virtual void Change();
    void WMGetDlgCode(TMessage& message);
    // Hands the options to the window, when there is one.
    void ApplyOptions();
    TEditOptions FOptions;

private:
    void EditMessage(TMessage& message);
    // Without a window the control keeps the selection and modified flag itself.
    Integer FSelStart = 0, FSelEnd = 0;
    bool FModified = false;
    TRect FEditRect;   // set by EM_SETRECT; empty: the client area
};

class TEdit : public TCustomEdit {
    DECLARE_CLASS(TEdit, TCustomEdit)
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};

class TButton : public TWinControl {
    DECLARE_CLASS(TButton, TWinControl)
public:
    explicit TButton(TComponent* AOwner);
    Integer ModalResult() const { return FModalResult; }
    void SetModalResult(Integer value) { FModalResult = value; }
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // The parent form's ModalResult := ModalResult (when not 0), then OnClick.
    void Click() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void WMGetDlgCode(TMessage& message);

private:
    Integer FModalResult = 0;
    bool FDefault = false;
    bool FCancel = false;
};

// What a form's ModalResult is set through (the forms layer registers it).
void SetModalResultHook(void (*hook)(TWinControl* form, Integer result));
