// The editor's services on top of its text: the undo and redo history, the clipboard, search and
// replace with their prompts, the default context menu and the edit messages of a native edit
// (whose positions count from 0).
#include "foundation/StyStrings.h"
#include "foundation/StySysInfo.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/stdctrls/Menus.h"
#include "styledcontrols/StyBaseEdit.h"

// ---------------------------------------------------------------- undo and redo

void TStyBaseEdit::FileUndoRecord(TStyUndoRecord* Record)
{
    if (FUndoing) {
        FCanRedo = true;
        FRedoBuffer->Put(Record);
        return;
    }
    FCanUndo = true;
    FUndoBuffer->Put(Record);
    if (!FRedoing) {
        FRedoBuffer->Clear();
        FCanRedo = false;
    }
}

// Takes the newest record back: its range as it is now is replaced by what was there before, which
// files the opposite record.
void TStyBaseEdit::TakeBack(TStyDynLIFOBuffer& From, bool& Running, bool& CanFlag)
{
    if (!CanFlag || From.IsEmpty()) return;
    BeginUpdate();
    Running = true;
    std::unique_ptr<TStyUndoRecord> r(static_cast<TStyUndoRecord*>(From.Get()));
    SetSelStart(r->selstart);
    SetSelLength(r->newlength);
    SetSelText(::Copy(r->oldText, 1, r->sellength));
    Running = false;
    if (From.IsEmpty()) CanFlag = false;
    SetCurrentChar(r->current);
    FSelStart = r->selstart;
    SetSelLength(r->sellength);
    EndUpdate();
}

void TStyBaseEdit::Undo() { TakeBack(*FUndoBuffer, FUndoing, FCanUndo); }
void TStyBaseEdit::Redo() { TakeBack(*FRedoBuffer, FRedoing, FCanRedo); }

void TStyBaseEdit::ClearUndo()
{
    FUndoBuffer->Clear();
    FRedoBuffer->Clear();
}

// ---------------------------------------------------------------- clipboard

void TStyBaseEdit::CopyToClipboard()
{
    if (FOptions.Contains(eoAllowCopy)) SetClipboardText(SelText(), false);
}

void TStyBaseEdit::CutToClipboard()
{
    if (!FOptions.Contains(eoAllowCut)) return;
    BeginUpdate();
    SetClipboardText(SelText(), false);
    ClearSelection();
    EndUpdate();
}

void TStyBaseEdit::PasteFromClipboard()
{
    if (!FOptions.Contains(eoAllowPaste)) return;
    String text;
    GetClipboardText(text);
    FIsPasting = true;
    try {
        SetSelText(text);
    } catch (...) {
        FIsPasting = false;
        throw;
    }
    FIsPasting = false;
}

void TStyBaseEdit::Clear()
{
    SelectAll();
    ClearSelection();
}

Integer TStyBaseEdit::GetSelTextBuf(char16_t* Buffer, Integer BufSize)
{
    const String s = ::Copy(SelText(), 1, std::max(0, BufSize));
    for (Integer i = 1; i <= s.Length(); ++i) Buffer[i - 1] = s[i];
    return s.Length();
}

// ---------------------------------------------------------------- search and replace

bool TStyBaseEdit::Search(const String& s, TStySearchStart from, bool caseSensitive, bool wholeWords,
                          TStySearchDirection direction)
{
    FFoundAtPos = 0;
    // An empty text, or nothing to look for, is never found.
    if (FText.IsEmpty() || s.IsEmpty()) return false;
    FSearching = true;
    const String target = caseSensitive ? s : UpperCaseText(s);
    const Integer L = GetLength(), n = s.Length();
    Integer i = from == stTop ? 1 : from == stBottom ? L : std::min(FCurrentChar, L);
    const bool down = direction == sdDown;
    std::u16string window;
    bool found = false;
    for (;;) {
        if (down) window.push_back(FText[i++]);
        else window.insert(window.begin(), FText[i--]);
        if (static_cast<Integer>(window.size()) == n) {
            found = (caseSensitive ? String(window) : UpperCaseText(String(window))) == target;
            if (found && wholeWords) {
                const Integer d = down ? i - n : i + 1;
                const Integer before = d - 1, after = d + n;
                if (before >= 1 && after <= L && (!IsDelimiter(FText[before]) || !IsDelimiter(FText[after])))
                    found = false;
            }
            if (found) break;
            if (down) window.erase(window.begin());
            else window.pop_back();
        }
        if (down ? i > L : i <= 0) {
            if (!FAskForLoop) break;
            const String question = down ? "At bottom ... restart from top?" : "At top ... restart from bottom?";
            if (MessageBox(Handle(), question, "Search", MB_YESNO) != IDYES) break;
            window.clear();
            i = down ? 1 : L;
        }
    }
    if (found) {
        const Integer d = down ? i - n : i + 1;
        BeginUpdate();
        SetCurrentChar(d);
        SetCurrentChar(i);
        FFoundAtPos = d;
        SetSelStart(d);
        SetSelLength(n);
        EndUpdate();
    }
    FSearching = false;
    return found;
}

bool TStyBaseEdit::SearchAndReplace(const String& s, const String& r, TStySearchStart from, bool caseSensitive,
                                    bool wholeWords, TStySearchDirection direction, bool ask, bool all)
{
    bool result = false;
    while (Search(s, from, caseSensitive, wholeWords, direction)) {
        const Integer at = FFoundAtPos;
        bool replaced = false;
        if (!ask) {
            replaced = true;
        } else {
            TMsgDlgButtons buttons{mbYes, mbNo, mbCancel};
            if (!all) buttons.Include(mbAll);
            const Integer answer = MessageDlg(String("Replace") + "?", mtConfirmation, buttons, 0);
            if (answer == mrCancel) return false;
            if (answer == mrYes) replaced = true;
            else if (answer == mrAll) all = true;
        }
        if (replaced) {
            SetSelText(r);
            result = true;
        }
        if (!all) break;
        SetSelLength(0);
        from = stCursor;
        // Upwards the next search starts before this match, so that a replacement holding the
        // searched text is not met again; a match at the very start ends the run.
        if (direction == sdUp) {
            if (at <= 1) break;
            SetCurrentChar(at - 1);
        }
    }
    return result;
}

// ---------------------------------------------------------------- default context menu

void TStyBaseEdit::FillDefaultMenu()
{
    if (!FDefPopupMenu) FDefPopupMenu = new TPopupMenu(this);
    TMenuItem* items = FDefPopupMenu->Items();
    items->Clear();
    const bool selection = FSelLength > 0;
    auto add = [&](const char* caption, bool enabled, void (TStyBaseEdit::*action)(TObject*)) {
        auto* item = new TMenuItem(FDefPopupMenu);
        item->SetCaption(caption);
        item->SetEnabled(enabled);
        if (action) item->OnClick = TNotifyEvent(this, action);
        items->Add(item);
    };
    add("&Undo", FCanUndo, &TStyBaseEdit::MenuUndo);
    add("-", true, nullptr);
    if (FOptions.Contains(eoAllowCut)) add("&Cut", selection && !FReadOnly, &TStyBaseEdit::MenuCut);
    if (FOptions.Contains(eoAllowCopy)) add("&Copy", selection, &TStyBaseEdit::MenuCopy);
    if (FOptions.Contains(eoAllowPaste)) {
        TClipboard& clip = Clipboard();
        add("&Paste", (clip.HasFormat(CF_TEXT) || clip.HasFormat(CF_UNICODETEXT)) && !FReadOnly,
            &TStyBaseEdit::MenuPaste);
    }
    add("&Delete", selection, &TStyBaseEdit::MenuDelete);
    add("-", true, nullptr);
    add("Select all", !FText.IsEmpty(), &TStyBaseEdit::MenuSelectAll);
    if (FSpellLink) FSpellLink->FillPopupMenu(items, 0, nullptr);
}

// Without a menu of its own the editor offers its default menu for the right click.
void TStyBaseEdit::WMContextMenu(TMessage& message)
{
    if (PopupMenu() || FOptions.Contains(eoSuppressDefaultMenu)) {
        InheritedMessage(StaticClass(), message);
        return;
    }
    FInWMCtxMenu = true;
    try {
        FillDefaultMenu();
        SetPopupMenu(FDefPopupMenu);
        InheritedMessage(StaticClass(), message);
    } catch (...) {
        SetPopupMenu(nullptr);
        FInWMCtxMenu = false;
        throw;
    }
    SetPopupMenu(nullptr);
    FInWMCtxMenu = false;
}

// ---------------------------------------------------------------- window messages

void TStyBaseEdit::WMCut(TMessage&)
{
    if (FEnableKeyInput) CutToClipboard();
}
void TStyBaseEdit::WMCopy(TMessage&) { CopyToClipboard(); }
void TStyBaseEdit::WMPaste(TMessage&)
{
    if (FEnableKeyInput) PasteFromClipboard();
}
void TStyBaseEdit::WMClear(TMessage&) { ClearSelection(); }
void TStyBaseEdit::WMGetTextLength(TMessage& message) { message.Result = GetLength(); }

// The edit messages answered from the editor's state; positions in them count from 0.
void TStyBaseEdit::EditMessage(TMessage& message)
{
    const std::intptr_t w = message.WParam, l = message.LParam;
    std::intptr_t& result = message.Result;
    result = 0;
    switch (message.Msg) {
    case EM_GETSEL: {
        const Integer start = FSelStart - 1, end = FSelStart + FSelLength - 1;
        if (w) *reinterpret_cast<Cardinal*>(w) = static_cast<Cardinal>(start);
        if (l) *reinterpret_cast<Cardinal*>(l) = static_cast<Cardinal>(end);
        result = MakeLong(start, end);
        break;
    }
    case EM_SETSEL: {
        const Integer start = static_cast<Integer>(w), end = static_cast<Integer>(l);
        if (start == 0x7FFFFFFF) SetSelLength(0);
        else if (start == 0 && end == -1) SelectAll();
        else {
            BeginUpdate();
            SetCurrentChar(start + 1);
            SetSelLength(end - FSelStart + 1);
            EndUpdate();
        }
        break;
    }
    case EM_GETRECT:
        if (l) *reinterpret_cast<TRect*>(l) = FTextRect;
        break;
    case EM_GETMODIFY: result = FModified; break;
    case EM_SETMODIFY: SetModified(w != 0); break;
    case EM_GETLINECOUNT: result = 1; break;
    case EM_LINELENGTH: result = GetLength(); break;
    case EM_GETLINE: {
        auto* buffer = reinterpret_cast<char16_t*>(l);
        if (!buffer) break;
        const Integer size = *reinterpret_cast<Word*>(buffer);
        const Integer count = std::min(size, GetLength());
        for (Integer i = 1; i <= count; ++i) buffer[i - 1] = FText[i];
        result = count;
        break;
    }
    case EM_REPLACESEL:
        if (l) SetSelTextBuf(reinterpret_cast<const char16_t*>(l));
        if (w == 0) ClearUndo();
        break;
    case EM_LIMITTEXT: SetMaxLength(static_cast<Integer>(w)); break;
    case EM_GETLIMITTEXT: result = FMaxLength; break;
    case EM_CANUNDO: result = FCanUndo; break;
    case EM_UNDO:
        Undo();
        result = FCanUndo;
        break;
    case EM_EMPTYUNDOBUFFER:
        FUndoBuffer->Clear();
        FCanUndo = false;
        break;
    case EM_SETREADONLY:
        SetReadOnly(w != 0);
        result = 1;
        break;
    case EM_POSFROMCHAR:
        if (w) {
            auto* p = reinterpret_cast<TPoint*>(w);
            PointFromChar(static_cast<Integer>(l) + 1, p->X, p->Y);
        }
        break;
    default: break;   // the rest is ignored or answers 0
    }
}

// ---------------------------------------------------------------- bound label and validator

// The bound label is kept in the description as its own description.
void TStyBaseEdit::DefineProperties(TFiler* Filer)
{
    TStyCustomBevelPanel::DefineProperties(Filer);
    DefineBoundLabel(Filer, FEditLabel, [this] {
        SetupEditLabel();
        return FEditLabel;
    });
}

void TStyBaseEdit::SetupEditLabel()
{
    if (FEditLabel) return;
    FEditLabel = new TStyBoundLabel(this);
    FEditLabel->FreeNotification(this);
    FEditLabel->SetFocusControl(this);
    FEditLabel->SetParent(Parent());
    PlaceEditLabel();
}

void TStyBaseEdit::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    PlaceEditLabel();
}

void TStyBaseEdit::SetLabelSpacing(Integer Value)
{
    FLabelSpacing = Value;
    PlaceEditLabel();
}

void TStyBaseEdit::SetLabelSync(bool Value)
{
    FLabelSync = Value;
    PlaceEditLabel();
}

// The label beside the editor by LabelPosition and LabelSpacing; with LabelSync as wide (above,
// below) or as high (left, right) as the editor.
void TStyBaseEdit::PlaceEditLabel()
{
    if (!FEditLabel || ComponentState().Contains(csLoading)) return;
    Integer w = FEditLabel->Width(), h = FEditLabel->Height();
    const bool vertical = FLabelPosition == lpAbove || FLabelPosition == lpBelow;
    if (FLabelSync) (vertical ? w : h) = vertical ? Width() : Height();
    TPoint at;
    switch (FLabelPosition) {
    case lpAbove: at = {Left(), Top() - h - FLabelSpacing}; break;
    case lpBelow: at = {Left(), Top() + Height() + FLabelSpacing}; break;
    case lpLeft: at = {Left() - w - FLabelSpacing, Top()}; break;
    case lpRight: at = {Left() + Width() + FLabelSpacing, Top()}; break;
    }
    FEditLabel->SetBounds(at.X, at.Y, w, h);
}

void TStyBaseEdit::UMPlaceBoundLabel(TMessage&) { PlaceEditLabel(); }

void TStyBaseEdit::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    TStyCustomBevelPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceEditLabel();
}

// The label goes to the editor's parent and shows there.
void TStyBaseEdit::SetParent(TWinControl* AParent)
{
    TStyCustomBevelPanel::SetParent(AParent);
    if (!FEditLabel) return;
    FEditLabel->SetParent(AParent);
    FEditLabel->SetVisible(true);
    PlaceEditLabel();
}

void TStyBaseEdit::CMVisibleChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FEditLabel) FEditLabel->SetVisible(Visible());
}

void TStyBaseEdit::SetValidator(TStyValidationEntity* Value)
{
    if (Value == FValidator) return;
    if (FValidator) FValidator->RemoveFreeNotification(this);
    FValidator = Value;
    if (FValidator) FValidator->FreeNotification(this);
}

void TStyBaseEdit::RespondToError(Integer ErrorLevel)
{
    FErrorIndication = ErrorLevel > 0;
    if (ErrorLevel > 0) OnValidationError(this, ErrorLevel);
}

String TStyBaseEdit::GetValidationText()
{
    String s;
    GetValidationText(s);
    return s;
}

void TStyBaseEdit::DoChange()
{
    OnChange(this);
    if (FValidator) FValidator->Validate(this);
}

void TStyBaseEdit::Notification(TComponent* AComponent, TOperation Operation)
{
    TStyCustomBevelPanel::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FEditLabel) FEditLabel = nullptr;
    if (AComponent == FValidator) FValidator = nullptr;
}

bool TStyBaseEdit::GetInterface(const TGUID& iid, void** obj)
{
    if (iid == IStyValidatedControl::IID) return ProvideInterface<IStyValidatedControl>(this, obj);
    if (iid == IStyFaceControllerEditable::IID) return ProvideInterface<IStyFaceControllerEditable>(this, obj);
    return TStyCustomBevelPanel::GetInterface(iid, obj);
}
