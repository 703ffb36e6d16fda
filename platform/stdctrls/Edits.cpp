#include "platform/stdctrls/Edits.h"

#include <algorithm>

#include "platform/graphics/Clipbrd.h"

// ---------------------------------------------------------------- TCustomEdit
TClass TCustomEdit::StaticClass()
{
    static const TMetaClass meta("TCustomEdit", TWinControl::StaticClass(), NewComponent<TCustomEdit>,
                                 [](TMetaClass& m) {
                                     m.OnMessage(WM_GETDLGCODE, &TCustomEdit::WMGetDlgCode);
                                     m.OnMessage(CM_ENTER, &TCustomEdit::CMEnter);
                                 });
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
    // The new window keeps the selection the control held (at first none: the text shows from
    // its start).
    const Integer length = FText.Length();
    WindowSystem().SetEditSel(FHandle, std::min(FSelStart, length), std::min(FSelEnd, length));
}

void TCustomEdit::ApplyOptions()
{
    if (!FHandle) return;
    TEditOptions o = FOptions;
    TCreateParams params;
    CreateParams(params);
    o.Alignment = params.Style & ES_ALIGNMASK;
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

namespace {
TEditUndo* gEditUndo = nullptr;
}  // namespace

void RegisterEditUndo(TEditUndo* undo) { gEditUndo = undo; }

namespace {

// The clipboard message of a key-down (Ctrl+X, Ctrl+C, Ctrl+V, Shift+Delete, Ctrl+Insert,
// Shift+Insert), 0 for other keys.
Cardinal ClipboardKeyMessage(const TMessage& keyDown)
{
    const TShiftState shift = KeyDataToShiftState(static_cast<Integer>(keyDown.LParam));
    const auto key = static_cast<Word>(keyDown.WParam);
    if (shift == TShiftState{ssCtrl}) {
        switch (key) {
        case 'X': return WM_CUT;
        case 'C':
        case VK_INSERT: return WM_COPY;
        case 'V': return WM_PASTE;
        default: return 0;
        }
    }
    if (shift == TShiftState{ssShift} && key == VK_DELETE) return WM_CUT;
    if (shift == TShiftState{ssShift} && key == VK_INSERT) return WM_PASTE;
    return 0;
}

// The characters Ctrl+C, Ctrl+V and Ctrl+X type.
bool IsClipboardChar(std::intptr_t c) { return c == 3 || c == 22 || c == 24; }

}  // namespace

void TCustomEdit::DefaultHandler(TMessage& message)
{
    if (message.Msg >= EM_GETSEL && message.Msg <= EM_GETLIMITTEXT) return EditMessage(message);
    if (message.Msg >= WM_CUT && message.Msg <= WM_UNDO) return ClipboardMessage(message);
    if (message.Msg == WM_KEYDOWN) {
        if (const Cardinal clipboard = ClipboardKeyMessage(message)) {
            Perform(clipboard);
            return;
        }
    }
    if (message.Msg == WM_CHAR && IsClipboardChar(message.WParam)) return;   // done by its key-down
    TWinControl::DefaultHandler(message);
}

// Cut, copy, paste, clear and undo; the text goes through the clipboard as plain text.
void TCustomEdit::ClipboardMessage(TMessage& message)
{
    message.Result = 0;
    const bool editable = !ReadOnly();
    switch (message.Msg) {
    case WM_CUT:
    case WM_COPY:
        if (SelLength() > 0 && (message.Msg == WM_COPY || editable)) {
            Clipboard().SetAsText(SelText());
            if (message.Msg == WM_CUT) SetSelText(String());
        }
        break;
    case WM_PASTE:
        if (editable && Clipboard().HasFormat(CF_TEXT)) SetSelText(Clipboard().AsText());
        break;
    case WM_CLEAR:
        if (editable) SetSelText(String());
        break;
    case WM_UNDO: {
        TMessage undo{EM_UNDO, 0, 0, 0};
        EditMessage(undo);
        message.Result = undo.Result;
        break;
    }
    default: break;
    }
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
    case EM_CANUNDO: message.Result = ws && gEditUndo && gEditUndo->CanUndo(FHandle); break;
    case EM_UNDO:
        message.Result = ws && gEditUndo && gEditUndo->CanUndo(FHandle);
        if (message.Result) gEditUndo->Undo(FHandle);
        break;
    case EM_EMPTYUNDOBUFFER:
        if (ws && gEditUndo) gEditUndo->EmptyUndoBuffer(FHandle);
        break;
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

TRect TCustomEdit::CustomTextRect()
{
    const TRect client = ClientRect();
    const Integer f = EditFrameWidth();
    TRect r = Rect(client.Left + f, client.Top + f, client.Right - f, client.Bottom - f);
    if (!FEditRect.IsEmpty()) {
        r.Left += std::max(FEditRect.Left, 0);
        r.Top += std::max(FEditRect.Top, 0);
        r.Right -= std::max(client.Right - FEditRect.Right, 0);
        r.Bottom -= std::max(client.Bottom - FEditRect.Bottom, 0);
    }
    return r;
}

void TCustomEdit::WMGetDlgCode(TMessage& message)
{
    message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
}

void TCustomEdit::CMEnter(TMessage& message)
{
    TCreateParams params;
    CreateParams(params);
    if (FAutoSelect && !FControlState.Contains(csLButtonDown) && params.Kind == TWindowKind::wkEdit) SelectAll();
    InheritedMessage(StaticClass(), message);
}

// ---------------------------------------------------------------- TMemo
namespace {

// Where each line of a memo's text starts; a text ending with a line break has an empty last line.
std::vector<Integer> LineStarts(const String& text)
{
    std::vector<Integer> starts{0};
    const std::u16string_view t = text.u16();
    for (size_t i = 0; i + 1 < t.size(); ++i)
        if (t[i] == u'\r' && t[i + 1] == u'\n') starts.push_back(static_cast<Integer>(++i + 1));
    return starts;
}

// The line holding the character position.
Integer LineOf(const std::vector<Integer>& starts, Integer pos)
{
    return static_cast<Integer>(std::upper_bound(starts.begin(), starts.end(), pos) - starts.begin()) - 1;
}

}  // namespace

Integer TMemoStrings::Count() const
{
    const String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    return static_cast<Integer>(starts.size()) - (starts.back() == text.Length() ? 1 : 0);
}

String TMemoStrings::Get(Integer index) const
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    const String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    const Integer end = index + 1 < static_cast<Integer>(starts.size()) ? starts[index + 1] - 2 : text.Length();
    return Copy(text, starts[index] + 1, end - starts[index]);
}

void TMemoStrings::Put(Integer index, const String& s)
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    const Integer end = index + 1 < static_cast<Integer>(starts.size()) ? starts[index + 1] - 2 : text.Length();
    ::Delete(text, starts[index] + 1, end - starts[index]);
    ::Insert(s, text, starts[index] + 1);
    FMemo->SetText(text);
}

// Before an existing line (the empty last one included) the new line goes with its line break;
// after a last line without one, a line break goes before it.
void TMemoStrings::Insert(Integer index, const String& s)
{
    if (index < 0 || index > Count()) RaiseIndexError(index);
    String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    if (index < static_cast<Integer>(starts.size())) ::Insert(s + "\r\n", text, starts[index] + 1);
    else text += "\r\n" + s;
    FMemo->SetText(text);
}

void TMemoStrings::Delete(Integer index)
{
    if (index < 0 || index >= Count()) RaiseIndexError(index);
    String text = FMemo->Text();
    const std::vector<Integer> starts = LineStarts(text);
    const Integer end = index + 1 < static_cast<Integer>(starts.size()) ? starts[index + 1] : text.Length();
    ::Delete(text, starts[index] + 1, end - starts[index]);
    FMemo->SetText(text);
}

void TMemoStrings::Clear() { FMemo->SetText(String()); }

void TMemoStrings::SetText(const String& text) { FMemo->SetText(text); }

TClass TCustomMemo::StaticClass()
{
    static const TMetaClass meta("TCustomMemo", TCustomEdit::StaticClass(), NewComponent<TCustomMemo>,
                                 [](TMetaClass& m) { m.OnMessage(WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode); });
    return &meta;
}

IMPLEMENT_CLASS(TMemo, TCustomMemo, NewComponent<TMemo>)

TCustomMemo::TCustomMemo(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FControlStyle.Exclude(csFixedHeight);
    FWidth = 185;
    FHeight = 89;
}

void TCustomMemo::CreateParams(TCreateParams& Params)
{
    TCustomEdit::CreateParams(Params);
    Params.Kind = TWindowKind::wkMemo;
}

void TCustomMemo::SetWordWrap(bool value)
{
    FOptions.WordWrap = value;
    ApplyOptions();
}

void TCustomMemo::SetScrollBars(TScrollStyle value)
{
    FOptions.ScrollBars = value;
    ApplyOptions();
}

// A line given as -1 is the caret's line.
void TCustomMemo::DefaultHandler(TMessage& message)
{
    if (message.Msg != EM_GETLINECOUNT && message.Msg != EM_LINEINDEX && message.Msg != EM_LINEFROMCHAR &&
        message.Msg != EM_LINELENGTH) {
        TCustomEdit::DefaultHandler(message);
        return;
    }
    const String text = Text();
    const std::vector<Integer> starts = LineStarts(text);
    const auto lines = static_cast<Integer>(starts.size());
    const auto value = static_cast<Integer>(message.WParam);
    auto lineEnd = [&](Integer line) { return line + 1 < lines ? starts[line + 1] - 2 : text.Length(); };
    switch (message.Msg) {
    case EM_GETLINECOUNT: message.Result = lines; break;
    case EM_LINEINDEX: {
        const Integer line = value < 0 ? LineOf(starts, SelStart()) : value;
        message.Result = line < lines ? starts[line] : -1;
        break;
    }
    case EM_LINEFROMCHAR: message.Result = LineOf(starts, value < 0 ? SelStart() : std::min(value, text.Length())); break;
    default: {   // EM_LINELENGTH
        const Integer line = LineOf(starts, value < 0 ? SelStart() : std::min(value, text.Length()));
        message.Result = lineEnd(line) - starts[line];
        break;
    }
    }
}

// A memo keeps Enter and the arrows for itself, Enter only while it wants returns.
void TCustomMemo::WMGetDlgCode(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    message.Result |= DLGC_WANTALLKEYS;
    if (!FWantReturns) message.Result &= ~static_cast<std::intptr_t>(DLGC_WANTALLKEYS);
}

void TCustomMemo::KeyPress(char16_t& Key)
{
    TCustomEdit::KeyPress(Key);
    if (Key == u'\r' && !FWantReturns) Key = 0;
}
