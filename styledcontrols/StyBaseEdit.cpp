// The editor's text model: change notification, the text replacement, the selection that follows
// the cursor, words and paragraphs.  Undo, clipboard, search and the edit messages are in
// StyBaseEdit_services.cpp; geometry, painting, keys, mouse and focus in StyBaseEdit_input.cpp.
#include "styledcontrols/StyBaseEdit.h"

#include <cstdlib>

#include "foundation/StyStrings.h"
#include "platform/rtl/Threads.h"
#include "platform/services/SysInfo.h"
#include "platform/stdctrls/Menus.h"

TClass TStyBaseEdit::StaticClass()
{
    static const TMetaClass meta("TStyBaseEdit", TStyCustomBevelPanel::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_ERASEBKGND, &TStyBaseEdit::WMEraseBkgnd);
        m.OnMessage(WM_GETDLGCODE, &TStyBaseEdit::WMGetDlgCode);
        m.OnMessage(WM_SETFOCUS, &TStyBaseEdit::WMSetFocus);
        m.OnMessage(WM_KILLFOCUS, &TStyBaseEdit::WMKillFocus);
        m.OnMessage(WM_SIZE, &TStyBaseEdit::WMSize);
        m.OnMessage(WM_LBUTTONDBLCLK, &TStyBaseEdit::WMLButtonDblClk);
        m.OnMessage(WM_CONTEXTMENU, &TStyBaseEdit::WMContextMenu);
        m.OnMessage(WM_CUT, &TStyBaseEdit::WMCut);
        m.OnMessage(WM_COPY, &TStyBaseEdit::WMCopy);
        m.OnMessage(WM_PASTE, &TStyBaseEdit::WMPaste);
        m.OnMessage(WM_CLEAR, &TStyBaseEdit::WMClear);
        m.OnMessage(WM_GETTEXTLENGTH, &TStyBaseEdit::WMGetTextLength);
        m.OnMessage(CM_FONTCHANGED, &TStyBaseEdit::CMFontChanged);
        m.OnMessage(CM_ENABLEDCHANGED, &TStyBaseEdit::CMEnabledChanged);
        for (Cardinal msg = EM_GETSEL; msg <= EM_CHARFROMPOS; ++msg) m.OnMessage(msg, &TStyBaseEdit::EditMessage);
        m.OnMessage(UM_PLACEBOUNDLABEL, &TStyBaseEdit::UMPlaceBoundLabel);
        m.OnMessage(UM_GETSPELLLINK, &TStyBaseEdit::UMGetSpellLink);
        m.OnMessage(CM_VISIBLECHANGED, &TStyBaseEdit::CMVisibleChanged);
        TPublished<TStyBaseEdit>(&m)
            .Property("Caret", &TStyBaseEdit::Caret, [](TStyBaseEdit* e, TStyCaret* v) { e->Caret()->Assign(v); })
            .Property("Validator", &TStyBaseEdit::Validator, &TStyBaseEdit::SetValidator)
            .Property("ValidationMsgString", &TStyBaseEdit::ValidationMsgString, &TStyBaseEdit::SetValidationMsgString)
            .Property("OnValidationError", &TStyBaseEdit::OnValidationError)
            .Property("UseGlobalTimer", &TStyBaseEdit::UseGlobalTimer, &TStyBaseEdit::SetUseGlobalTimer)
            .Default(false)
            .Property("FocusOnMouseAbove", &TStyBaseEdit::FocusOnMouseAbove, &TStyBaseEdit::SetFocusOnMouseAbove)
            .Default(false)
            .Property("HighlightText", &TStyBaseEdit::HighlightText, &TStyBaseEdit::SetHighlightText)
            .Type("TColor")
            .Default(clHighlightText)
            .Property("HighlightBack", &TStyBaseEdit::HighlightBack, &TStyBaseEdit::SetHighlightBack)
            .Type("TColor")
            .Default(clHighlight)
            .Property("OnChange", &TStyBaseEdit::OnChange)
            .Property("OnModified", &TStyBaseEdit::OnModified)
            .Property("OnCursorPosChanged", &TStyBaseEdit::OnCursorPosChanged)
            .Property("OnTextChangedAt", &TStyBaseEdit::OnTextChangedAt)
            .Property("OnContextPopup", &TStyBaseEdit::OnContextPopup)
            .Property("OnMouseWheel", &TStyBaseEdit::OnMouseWheel)
            .Property("Color").Default(clWindow)
            .Property("ParentColor").Default(false)
            .Property("TabStop").Default(true)
            .Property("Cursor").Default(crIBeam);
    });
    return &meta;
}

const TEnumTypeInfo& TypeInfoOf(TStyEditOption)
{
    static const TEnumTypeInfo info("TStyEditOption", {"eoNarrowHeight", "eoSuppressDefaultMenu", "eoUserLocale",
                                                       "eoAllowCopy", "eoAllowCut", "eoAllowPaste"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TEditCharCase)
{
    static const TEnumTypeInfo info("TEditCharCase", {"ecNormal", "ecUpperCase", "ecLowerCase"});
    return info;
}

TClass TBaseEditBevel::StaticClass()
{
    static const TMetaClass meta("TBaseEditBevel", TStyBevel::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TBaseEditBevel>(&m).Property("Mode").Default(bmWindows);
    });
    return &meta;
}

TBaseEditBevel::TBaseEditBevel(TPersistent* AOwner) : TStyBevel(AOwner) { SetMode(bmWindows); }

TStyBaseEdit::TStyBaseEdit(TComponent* AOwner)
    : TStyCustomBevelPanel(AOwner, std::make_unique<TBaseEditBevel>(this)),
      FCaret(std::make_unique<TStyCaret>(this)),
      FFont3D(std::make_unique<TSty3DCaption>(nullptr)),
      FUndoBuffer(std::make_unique<TStyDynLIFOBuffer>()),
      FRedoBuffer(std::make_unique<TStyDynLIFOBuffer>())
{
    FControlStyle.Exclude(csAcceptsControls);
    FControlStyle.Exclude(csSetCaption);
    FControlStyle.Exclude(csParentBackground);
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csCaptureMouse);
    FControlStyle.Include(csDoubleClicks);
    SetBounds(Left(), Top(), Width(), 21);
    FFont3D->OnChange = TNotifyEvent(this, &TStyBaseEdit::Font3DChanged);
    FCaret->SetCol(1);
    for (TStyDynLIFOBuffer* b : {FUndoBuffer.get(), FRedoBuffer.get()}) {
        b->SetCircleMode(false);
        b->OnDestroyItem = TStyDestroyItemEvent(this, &TStyBaseEdit::DisposeUndoRecord);
    }
    SetCursor(crIBeam);
    SetColor(clWindow);
    SetParentColor(false);
    SetTabStop(true);
    FDelimiters.set(u' ');
    FDoubleClickCX = GetSystemMetrics(SM_CXDOUBLECLK);
    FDoubleClickCY = GetSystemMetrics(SM_CYDOUBLECLK);
    FDoubleClickTimeout = GetDoubleClickTime();
}

TStyBaseEdit::~TStyBaseEdit()
{
    Destroying();
    FBuffer.reset();
    StopScrollTimer();
    FUndoBuffer->Clear();
    FRedoBuffer->Clear();
    FFont3D->OnChange = TNotifyEvent();
}

void TStyBaseEdit::DisposeUndoRecord(TObject*, void* Item) { delete static_cast<TStyUndoRecord*>(Item); }

void TStyBaseEdit::Font3DChanged(TObject* Sender)
{
    NotifyChange(euTextLayout);
    ObjectChanged(Sender);
}

// ---------------------------------------------------------------- change notification

namespace {

// The flags each flag brings in.
TStyEditChanges ImpliedChanges(TStyEditChange C)
{
    switch (C) {
    case euScrbarShowing: return {euScrbarParams};
    case euCursorChanged: return {euCursorAppearance};
    case euTextAppearance: return {euScrbarParams};
    case euTextLayout: return {euScrbarShowing, euCursorAppearance, euTextAppearance};
    case euTextChanged: return {euTextLayout};
    case euSpellSettings: return {euTextAppearance};
    default: return {};
    }
}

TStyEditChanges CloseChanges(TStyEditChanges C)
{
    for (;;) {
        TStyEditChanges next = C;
        for (int f = euScrbarParams; f <= euSpellSettings; ++f)
            if (C.Contains(TStyEditChange(f))) next = next + ImpliedChanges(TStyEditChange(f));
        if (next == C) return C;
        C = next;
    }
}

}  // namespace

void TStyBaseEdit::NotifyChange(TStyEditChange AChange, Integer At) { NotifyChanges({AChange}, At); }

void TStyBaseEdit::NotifyChanges(TStyEditChanges AChanges, Integer At)
{
    AChanges = CloseChanges(AChanges);
    if (AChanges.Contains(euTextChanged) &&
        (!FUpdState.Changes.Contains(euTextChanged) || At < FUpdState.TextChangedAt))
        FUpdState.TextChangedAt = At;
    FUpdState.Changes = FUpdState.Changes + AChanges;
    if (AChanges.Contains(euTextLayout)) FRowHeight = -1;
    DoChanges(AChanges, At);
    if (!IsUpdating()) ProcessChanges();
}

void TStyBaseEdit::EndUpdate()
{
    TStyCustomBevelPanel::EndUpdate(false);
    if (!IsUpdating()) ProcessChanges();
}

void TStyBaseEdit::ProcessChanges()
{
    TStyEditChanges C = FUpdState.Changes;
    FUpdState.Changes = {};
    const TComponentState state = ComponentState();
    if (C.IsEmpty() || state.Contains(csLoading) || state.Contains(csDestroying)) return;
    const TStyEditChanges events = C;
    if (HandleAllocated()) {
        const bool caretWasEnabled = FCaret->Enabled();
        bool rebuild = false;
        for (;;) {
            if (C.Contains(euScrbarShowing)) {
                bool changed = false;
                CheckScrollBars(changed);
                if (changed) {
                    rebuild = true;
                    C = C + TStyEditChanges{euCursorAppearance, euTextAppearance};
                }
            }
            if (C.Contains(euScrbarParams)) UpdateScrollBars();
            if (C.Contains(euTextAppearance)) {
                FCaret->Disable();
                PaintContents();
            }
            if (!C.Contains(euCursorAppearance)) break;
            Integer X = 0, Y = 0;
            bool scrolled = false, redraw = false;
            GetCaretXY(X, Y, scrolled, redraw);
            if (X >= FTextRect.Left && X <= FTextRect.Right && Y >= FTextRect.Top && Y <= FTextRect.Bottom)
                FCaret->SetCaretPos(X, Y);
            else
                FCaret->SetCaretPos(-100, -100);
            if (!scrolled && !redraw) break;
            C = {euTextAppearance};
            if (scrolled) C.Include(euScrbarParams);
        }
        if (rebuild) RebuildCaret();
        if (caretWasEnabled && !FCaret->Enabled()) FCaret->Enable();
    }
    if (events.Contains(euTextChanged)) {
        OnTextChangedAt(this, FUpdState.TextChangedAt);
        DoChange();
    }
    if (events.Contains(euModified)) OnModified(this);
    if (events.Contains(euCursorChanged)) OnCursorPosChanged(this);
}

void TStyBaseEdit::RebuildCaret()
{
    if (FCaret->Style() == csDefault) FCaret->SetFontHeight(static_cast<Word>(GetRowHeight()));
    FCaret->BuildCaret();
}

Integer TStyBaseEdit::GetRowHeight()
{
    if (FRowHeight == -1) {
        TCanvas& c = Canvas();
        c.Font().Assign(EffectiveFont());
        FRowHeight = c.TextHeight("Gg");
        TSty3DCaption* f3d = EffectiveFont3D() ? EffectiveFont3D() : FFont3D.get();
        const TStyThreeDStyle s = f3d->Style();
        if (s == tdSunkenShadow || s == tdRaisedShadow || s == tdShadow) FRowHeight += f3d->ShadowDepth();
    }
    return FRowHeight;
}

// ---------------------------------------------------------------- property writers

void TStyBaseEdit::SetCurrentChar(Integer Value)
{
    BeginUpdate();
    FPrevCharPos = FCurrentChar;
    FCurrentChar = std::clamp(Value, 1, GetLength() + 1);
    SetSelection();
    NotifyChange(euCursorChanged);
    EndUpdate();
}

void TStyBaseEdit::SetSelStart(Integer Value)
{
    BeginUpdate();
    if (Value != FSelStart) {
        FSelStart = Value;
        NotifyChange(euTextAppearance);
    }
    EndUpdate();
}

void TStyBaseEdit::SetSelLength(Integer Value)
{
    BeginUpdate();
    if (Value != FSelLength) {
        FSelLength = Value;
        if (Value == 0) FSelStart = FCurrentChar;
        NotifyChange(euTextAppearance);
    }
    EndUpdate();
}

void TStyBaseEdit::SetText(const String& Value)
{
    if (Value == FText) return;
    BeginUpdate();
    FText = FMaxLength > 0 ? ::Copy(Value, 1, FMaxLength) : Value;
    SetCurrentChar(1);
    SetSelStart(FCurrentChar);
    SetSelLength(0);
    TextAssigned();
    EndUpdate();
}

void TStyBaseEdit::SetFlag(bool& Field, bool Value)
{
    if (Field == Value) return;
    BeginUpdate();
    Field = Value;
    if (&Field == &FReadOnly && IsThemed()) Invalidate();
    if (&Field == &FModified) NotifyChange(euModified);
    EndUpdate();
    if (FFaceController) TellFaceController();
}

void TStyBaseEdit::SetReadOnly(bool Value) { SetFlag(FReadOnly, Value); }
void TStyBaseEdit::SetModified(bool Value) { SetFlag(FModified, Value); }
void TStyBaseEdit::SetHideSelection(bool Value) { SetFlag(FHideSelection, Value); }
void TStyBaseEdit::SetAutoSelect(bool Value) { SetFlag(FAutoSelect, Value); }
void TStyBaseEdit::SetOEMConvert(bool Value) { SetFlag(FOEMConvert, Value); }
void TStyBaseEdit::SetFocusOnMouseAbove(bool Value) { SetFlag(FGetFocusOnMouseAbove, Value); }

void TStyBaseEdit::SetAlignment(TAlignment Value)
{
    if (Value == FAlignment) return;
    FAlignment = Value;
    NotifyChanges({euCursorAppearance, euTextAppearance});
}

void TStyBaseEdit::SetFont3D(TSty3DCaption* Value)
{
    FFont3D->Assign(Value);
    Perform(CM_FONTCHANGED);
}

// ---------------------------------------------------------------- the text replacement

void TStyBaseEdit::SetSelText(const String& Value)
{
    String V = Value;
    if (!CanChangeText(V)) return;
    BeginUpdate();
    FIsDeleting = V.IsEmpty();
    bool deletionText = false;
    if (V.IsEmpty() && FSelLength > 0) {
        GetDeletionText(V);
        deletionText = true;
    }
    BeforeChange();
    // The record describes the selection as the user had it; it is filed once the text changed.
    auto* record = new TStyUndoRecord{V, SelText(), FSelStart, FSelLength, V.Length(), FCurrentChar};
    const Integer s = FSelStart;
    const Integer length = GetLength();
    Integer start = FSelStart, count = FSelLength;
    if (FSelLength > 0 && FSelStart + FSelLength - 1 <= length) {
        if (FText[start + count - 1] == u'\r') ++count;
        if (FText[start] == u'\n' && start > 1) --start, ++count;
    } else {
        if (start >= 1 && start <= length && FText[start] == u'\n' && start > 1) --start;
        const bool overwrite = !StyApplication()->EditMode().Contains(emInsert) || FForceOverwriteMode;
        if (overwrite && !FIsPasting && start <= length) count = FText[start] == u'\r' ? 2 : 1;
        else if (FSelLength == 0) count = 0;
    }
    count = std::max(0, std::min(count, length - start + 1));
    FSelStart = start;
    const String removed = ::Copy(FText, start, count);
    TextDeleted(start, removed);
    ::Delete(FText, start, count);
    FSelLength = 0;
    AdjustInsertText(FSelStart, V);
    Integer cursor = FSelStart;
    bool inserted = false;
    if (!(FMaxLength > 0 && GetLength() + V.Length() > FMaxLength)) {
        if (FIsPasting && FSelLength > 0) ::Delete(FText, FSelStart, FSelLength);
        ::Insert(V, FText, FSelStart);
        inserted = !V.IsEmpty();
        if (!deletionText) cursor = FSelStart + V.Length();
    }
    const bool changed = inserted || count > 0;
    if (changed) {
        if (!inserted) {
            record->newText = String();
            record->newlength = 0;
        }
        FileUndoRecord(record);
        SetModified(true);
        NotifyChange(euTextChanged, s);
    } else {
        delete record;
    }
    SetCurrentChar(std::min(cursor, GetLength() + 1));
    if (!FSearching) SetSelLength(0);
    SetSelStart(FCurrentChar);
    AfterChange();
    EndUpdate();
}

// ---------------------------------------------------------------- selection

void TStyBaseEdit::SetSelection()
{
    if (FInsert || FDragging) return;
    TStyEditModes mode = StyApplication()->EditMode();
    if (!FUserSelect && mode.Contains(emShift)) {
        mode.Exclude(emShift);
        StyApplication()->SetEditMode(mode);
    }
    const Integer s = FSelStart, l = FSelLength;
    if (!mode.Contains(emShift) && !FSelMode) {
        FSelLength = 0;
        FSelStart = FCurrentChar;
    } else {
        const Integer e = s + l, c = FCurrentChar, p = FPrevCharPos;
        if (l == 0) {
            FSelLength = std::abs(p - c);
            if (c < p) FSelStart = c;
        } else if (c <= s) {
            FSelLength = p == s ? e - c : s - c;
            FSelStart = c;
        } else if (c < e) {
            if (p < c) {
                FSelLength = e - c;
                FSelStart = c;
            } else {
                FSelLength = c - s;
            }
        } else if (s < p) {
            FSelLength = c - s;
        } else {
            FSelStart = e;
            FSelLength = c - e;
        }
    }
    if ((l > 0 || FSelLength > 0) && (s != FSelStart || l != FSelLength)) NotifyChange(euTextAppearance);
}

void TStyBaseEdit::SelectAll()
{
    if (FCursor2EndOnSelectAll) GotoParaEnd();
    FSelStart = 1;
    FSelLength = GetLength();
    NotifyChange(euTextAppearance);
}

// ---------------------------------------------------------------- words and paragraphs

void TStyBaseEdit::GotoPrevWord()
{
    Integer p = std::min(FCurrentChar, GetLength());
    if (p > 1 && IsDelimiter(FText[p])) --p;
    while (p > 1 && !IsDelimiter(FText[p])) --p;
    SetCurrentChar(p);
}

void TStyBaseEdit::GotoNextWord()
{
    const Integer length = GetLength();
    Integer p = FCurrentChar;
    if (p < length && IsDelimiter(FText[p])) ++p;
    while (p <= length && !IsDelimiter(FText[p])) ++p;
    SetCurrentChar(p);
}

void TStyBaseEdit::GotoParaStart()
{
    Integer p = FCurrentChar;
    while (p > 1 && FText[p - 1] != u'\n') --p;
    SetCurrentChar(p);
}

void TStyBaseEdit::GotoParaEnd()
{
    Integer p = FCurrentChar;
    while (p <= GetLength() && FText[p] != u'\r') ++p;
    SetCurrentChar(p);
}

// The word around the cursor: from the delimiter before it (or 1) to the first delimiter at or
// after the cursor.
void TStyBaseEdit::CurrentWordRange(Integer& Start, Integer& End) const
{
    const Integer length = GetLength();
    Start = std::min(FCurrentChar, length);
    if (Start > 1 && IsDelimiter(FText[Start])) --Start;
    while (Start > 1 && !IsDelimiter(FText[Start])) --Start;
    if (Start != 1) ++Start;
    End = FCurrentChar;
    while (End <= length && !IsDelimiter(FText[End])) ++End;
    Start = std::max(Start, 1);
}

String TStyBaseEdit::GetCurrentWord() const
{
    Integer start = 0, e = 0;
    CurrentWordRange(start, e);
    return ::Copy(FText, start, std::max(0, e - start));
}

void TStyBaseEdit::SelectCurrentWord()
{
    Integer start = 0, e = 0;
    CurrentWordRange(start, e);
    BeginUpdate();
    SetSelStart(start);
    SetSelLength(std::max(0, e - start));
    EndUpdate();
}

void TStyBaseEdit::SelectLeftWord()
{
    Integer p = FCurrentChar;
    BeginUpdate();
    SetSelLength(0);
    if (p <= GetLength())
        while (p > 1 && !IsDelimiter(FText[p])) --p;
    if (p <= GetLength() && IsDelimiter(FText[p])) ++p;
    SetSelStart(p);
    SetSelLength(FCurrentChar - p);
    EndUpdate();
}

void TStyBaseEdit::SelectRightWord()
{
    const Integer length = GetLength();
    Integer p = FCurrentChar;
    BeginUpdate();
    SetSelLength(0);
    while (p < length && !IsDelimiter(FText[p])) ++p;
    if (p <= length && IsDelimiter(FText[p])) --p;
    SetSelStart(FCurrentChar);
    SetSelLength(p - FSelStart + 1);
    EndUpdate();
}

Integer TStyBaseEdit::CountWords() const
{
    Integer words = 0;
    bool inWord = false;
    for (Integer i = 1; i <= GetLength(); ++i) {
        const bool d = IsDelimiter(FText[i]);
        if (!d && !inWord) ++words;
        inWord = !d;
    }
    return words;
}

void TStyBaseEdit::Insert(Integer At, const String& S)
{
    BeginUpdate();
    SetSelLength(0);
    SetSelStart(At);
    SetSelText(S);
    EndUpdate();
}

String TStyBaseEdit::Cut(Integer Start, Integer Count)
{
    BeginUpdate();
    SetSelStart(Start);
    SetSelLength(Count);
    const String result = SelText();
    SetSelText(String());
    EndUpdate();
    return result;
}

void TStyBaseEdit::Replace(Integer Start, Integer Count, const String& S)
{
    BeginUpdate();
    const Integer s = FSelStart, l = FSelLength;
    SetSelStart(Start);
    SetSelLength(Count);
    SetSelText(S);
    SetSelStart(s);
    SetSelLength(l);
    EndUpdate();
}
