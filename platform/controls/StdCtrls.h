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

protected:
    void CreateParams(TCreateParams& Params) override;
    virtual void Change();
    void WMGetDlgCode(TMessage& message);
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
