#include "platform/controls/StdCtrls.h"

namespace {
void (*gModalResultHook)(TWinControl*, Integer) = nullptr;
}

void SetModalResultHook(void (*hook)(TWinControl*, Integer)) { gModalResultHook = hook; }

// ---------------------------------------------------------------- TCustomEdit
TClass TCustomEdit::StaticClass()
{
    static const TMetaClass meta("TCustomEdit", TWinControl::StaticClass(), NewComponent<TCustomEdit>,
                                 [](TMetaClass& m) { m.OnMessage(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode); });
    return &meta;
}

IMPLEMENT_CLASS(TEdit, TCustomEdit, NewComponent<TEdit>)

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    FWidth = 121;
    FHeight = 21;
}

void TCustomEdit::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Kind = TWindowKind::wkEdit;
}

String TCustomEdit::GetText() const { return FHandle ? WindowSystem().GetText(FHandle) : FText; }

void TCustomEdit::TextEdited()
{
    FText = WindowSystem().GetText(FHandle);
    Change();
}

void TCustomEdit::Change() { OnChange(this); }

void TCustomEdit::WMGetDlgCode(TMessage& message)
{
    message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
}

// ---------------------------------------------------------------- TButton
TClass TButton::StaticClass()
{
    static const TMetaClass meta("TButton", TWinControl::StaticClass(), NewComponent<TButton>, [](TMetaClass& m) {
        m.OnMessage(CM_DIALOGKEY, &TButton::CMDialogKey);
        m.OnMessage(CM_DIALOGCHAR, &TButton::CMDialogChar);
        m.OnMessage(WM_GETDLGCODE, &TButton::WMGetDlgCode);
    });
    return &meta;
}

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner)
{
    // Clicks come from the toolkit's button: no csClickEvents, so mouse-up does not click again.
    FControlStyle = {csSetCaption, csDoubleClicks};
    FTabStop = true;
    FWidth = 75;
    FHeight = 25;
}

void TButton::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Kind = TWindowKind::wkButton;
}

void TButton::Click()
{
    if (FModalResult != 0 && gModalResultHook)
        if (TWinControl* form = FormWindow()) gModalResultHook(form, FModalResult);
    TWinControl::Click();
}

void TButton::CMDialogKey(TMessage& message)
{
    const Word key = static_cast<Word>(message.WParam);
    if (((key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel)) && CanFocus()) {
        Click();
        message.Result = 1;
        return;
    }
    InheritedMessage(StaticClass(), message);
}

// The caption's accelerator clicks the button.
void TButton::CMDialogChar(TMessage& message)
{
    if (IsAccel(static_cast<Word>(message.WParam), Caption()) && CanFocus()) {
        Click();
        message.Result = 1;
    }
}

void TButton::WMGetDlgCode(TMessage& message) { message.Result = DLGC_BUTTON; }
