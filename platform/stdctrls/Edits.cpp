#include "platform/controls/StdCtrls.h"

#include <algorithm>

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

void TCustomEdit::InitializeWindow()
{
    TWinControl::InitializeWindow();
    ApplyOptions();
    if (FModified) WindowSystem().SetEditModified(FHandle, true);
}

void TCustomEdit::ApplyOptions()
{
    if (!FHandle) return;
    TEditOptions o = FOptions;
    if (!FEditRect.IsEmpty()) {
        const TRect c = ClientRect();
        o.TextMargins = Rect(std::max(FEditRect.Left, 0), std::max(FEditRect.Top, 0),
                             std::max(c.Right - FEditRect.Right, 0), std::max(c.Bottom - FEditRect.Bottom, 0));
    }
    WindowSystem().SetEditOptions(FHandle, o);
}

void TCustomEdit::SetMaxLength(Integer value)
{
    if (value != FOptions.MaxLength) Perform(EM_LIMITTEXT, value);
}

void TCustomEdit::SetReadOnly(bool value)
{
    if (value != FOptions.ReadOnly) Perform(EM_SETREADONLY, value ? 1 : 0);
}

void TCustomEdit::SetPasswordChar(char16_t value)
{
    if (value != FOptions.PasswordChar) Perform(EM_SETPASSWORDCHAR, value);
}

bool TCustomEdit::Modified() { return Perform(EM_GETMODIFY) != 0; }
void TCustomEdit::SetModified(bool value) { Perform(EM_SETMODIFY, value ? 1 : 0); }

Integer TCustomEdit::SelStart()
{
    Integer start = 0, end = 0;
    Perform(EM_GETSEL, reinterpret_cast<std::intptr_t>(&start), reinterpret_cast<std::intptr_t>(&end));
    return start;
}

void TCustomEdit::SetSelStart(Integer value) { Perform(EM_SETSEL, value, value); }

Integer TCustomEdit::SelLength()
{
    Integer start = 0, end = 0;
    Perform(EM_GETSEL, reinterpret_cast<std::intptr_t>(&start), reinterpret_cast<std::intptr_t>(&end));
    return end - start;
}

void TCustomEdit::SetSelLength(Integer value)
{
    const Integer start = SelStart();
    Perform(EM_SETSEL, start, start + value);
}

String TCustomEdit::SelText()
{
    Integer start = 0, end = 0;
    Perform(EM_GETSEL, reinterpret_cast<std::intptr_t>(&start), reinterpret_cast<std::intptr_t>(&end));
    return Copy(Text(), start + 1, end - start);
}

void TCustomEdit::SetSelText(const String& value)
{
    Perform(EM_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(value.c_str()));
}

void TCustomEdit::SelectAll() { Perform(EM_SETSEL, 0, -1); }

void TCustomEdit::DefaultHandler(TMessage& message)
{
    if (message.Msg >= EM_GETSEL && message.Msg <= EM_GETLIMITTEXT) EditMessage(message);
    else TWinControl::DefaultHandler(message);
}

// The edit's answers; the state lives in the widget when there is one, else in the control.
void TCustomEdit::EditMessage(TMessage& message)
{
    TWindowSystem* ws = FHandle ? &WindowSystem() : nullptr;
    message.Result = 0;
    if (!ws) {   // the text may have been set since the selection was
        FSelEnd = std::min(FSelEnd, FText.Length());
        FSelStart = std::min(FSelStart, FSelEnd);
    }
    switch (message.Msg) {
    case EM_GETSEL: {
        Integer start = FSelStart, end = FSelEnd;
        if (ws) ws->GetEditSel(FHandle, start, end);
        if (message.WParam) *reinterpret_cast<Integer*>(message.WParam) = start;
        if (message.LParam) *reinterpret_cast<Integer*>(message.LParam) = end;
        message.Result = MakeLong(start, end);
        break;
    }
    case EM_SETSEL: {
        Integer start = static_cast<Integer>(message.WParam), end = static_cast<Integer>(message.LParam);
        if (start < 0) {   // no selection, the caret stays where the selection ended
            start = FSelStart;
            end = FSelEnd;
            if (ws) ws->GetEditSel(FHandle, start, end);
            start = end;
        }
        if (ws) {
            ws->SetEditSel(FHandle, start, end);
            break;
        }
        const Integer length = FText.Length();
        if (end < 0 || end > length) end = length;
        start = std::clamp(start, 0, length);
        FSelStart = std::min(start, end);
        FSelEnd = std::max(start, end);
        break;
    }
    case EM_REPLACESEL: {
        const String text(reinterpret_cast<const char16_t*>(message.LParam));
        if (ws) {
            ws->ReplaceEditSel(FHandle, text);
            break;
        }
        String t = FText;
        ::Delete(t, FSelStart + 1, FSelEnd - FSelStart);
        String inserted = text;
        if (FOptions.MaxLength > 0) inserted = Copy(text, 1, std::max(FOptions.MaxLength - t.Length(), 0));
        ::Insert(inserted, t, FSelStart + 1);
        FText = t;
        FSelStart = FSelEnd = FSelStart + inserted.Length();
        FModified = true;
        Change();
        break;
    }
    case EM_GETMODIFY: message.Result = (ws ? ws->EditModified(FHandle) : FModified) ? 1 : 0; break;
    case EM_SETMODIFY:
        FModified = message.WParam != 0;
        if (ws) ws->SetEditModified(FHandle, FModified);
        break;
    case EM_LIMITTEXT:
        FOptions.MaxLength = static_cast<Integer>(message.WParam);
        ApplyOptions();
        break;
    case EM_GETLIMITTEXT: message.Result = FOptions.MaxLength > 0 ? FOptions.MaxLength : 0x7FFFFFFE; break;
    case EM_SETREADONLY:
        FOptions.ReadOnly = message.WParam != 0;
        ApplyOptions();
        message.Result = 1;
        break;
    case EM_SETPASSWORDCHAR:
        FOptions.PasswordChar = static_cast<char16_t>(message.WParam);
        ApplyOptions();
        break;
    case EM_GETPASSWORDCHAR: message.Result = FOptions.PasswordChar; break;
    case EM_GETRECT:
        if (message.LParam) *reinterpret_cast<TRect*>(message.LParam) = FEditRect.IsEmpty() ? ClientRect() : FEditRect;
        break;
    case EM_SETRECT:
    case EM_SETRECTNP:
        FEditRect = message.LParam ? *reinterpret_cast<const TRect*>(message.LParam) : TRect();
        ApplyOptions();
        break;
    default: break;
    }
}

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
