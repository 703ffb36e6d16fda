// The editor's input and output: the three nested rectangles of its client area, painting through
// a back buffer, the key bindings, click positioning, selection by dragging with the 200 ms
// scrolling timer, dragging selected text, double and triple clicks, and the focus.
#include "foundation/StyStrings.h"
#include "platform/forms/Forms.h"
#include "platform/rtl/Threads.h"
#include "styledcontrols/StyBaseEdit.h"

// ---------------------------------------------------------------- geometry

void TStyBaseEdit::AdjustInnerRect()
{
    // Visual styles are drawn by the layer's classic paths: a themed editor keeps 2 pixels for
    // the themed frame.
    if (IsThemed() && EffectiveBevel()->Mode() == bmWindows) InflateRect(FInnerRect, -2, -2);
    else InflateRect(FInnerRect, -EffectiveBevel()->BevelExtend(), -EffectiveBevel()->BevelExtend());
}

bool TStyBaseEdit::AdjustTextRect()
{
    if (!IsThemed()) return false;
    ++FTextRect.Left;
    ++FTextRect.Top;
    return true;
}

void TStyBaseEdit::UpdateRects()
{
    FInnerRect = ClientRect();
    AdjustInnerRect();
    FPaintRect = FInnerRect;
    AdjustPaintRect();
    FTextRectBorderY = FOptions.Contains(eoNarrowHeight) ? 0 : 1;
    FTextRect = FPaintRect;
    InflateRect(FTextRect, -1, -FTextRectBorderY);
    AdjustTextRect();
}

// ---------------------------------------------------------------- painting

void TStyBaseEdit::WMEraseBkgnd(TMessage& message) { message.Result = 1; }

void TStyBaseEdit::MakeBuffer()
{
    if (!FOutBuffered) return;
    if (!FBuffer) FBuffer = std::make_unique<TBitmap>();
    if (FBuffer->Width() != Width() || FBuffer->Height() != Height()) FBuffer->SetSize(Width(), Height());
}

void TStyBaseEdit::Paint()
{
    FPainting = true;
    try {
        PaintBackground();
        const bool designing = ComponentState().Contains(csDesigning);
        if (Focused() || !FFlat || designing || IsThemed()) {
            if (IsThemed() && EffectiveBevel()->Mode() == bmWindows)
                DrawThemedBorder(EffectiveThemeMode(), Canvas(), ClientRect());
            else
                EffectiveBevel()->PaintBevel(Canvas(), ClientRect(), FTransparent);
        } else {
            DrawFlatBorder();
        }
        PaintContents();
    } catch (...) {
        FPainting = false;
        throw;
    }
    FPainting = false;
}

void TStyBaseEdit::PaintContents()
{
    if (!HandleAllocated()) return;
    const bool buffered = FOutBuffered && FBuffer;
    TCanvas& target = buffered ? FBuffer->Canvas() : Canvas();
    const TRect D = FPainting ? FInnerRect : FPaintRect;
    auto clipped = [&](const TRect& R, auto paint) {
        const int saved = target.SaveDC();
        target.IntersectClipRect(R.Left, R.Top, R.Right, R.Bottom);
        try {
            paint();
        } catch (...) {
            target.RestoreDC(saved);
            throw;
        }
        target.RestoreDC(saved);
    };
    if (!D.IsEmpty()) clipped(D, [&] { PaintBack(target); });
    if (!FTextRect.IsEmpty()) clipped(FTextRect, [&] { PaintText(target); });
    if (buffered && !D.IsEmpty()) Canvas().CopyRect(D, FBuffer->Canvas(), D);
}

void TStyBaseEdit::PaintBack(TCanvas& Canvas)
{
    if (UsesParentBack() && BackDrawArea(Canvas, FInnerRect, FInnerRect.TopLeft(), 0)) return;
    Canvas.FillRectColor(FInnerRect, EffectiveBackColor());
}

// ---------------------------------------------------------------- keyboard

namespace {

// The Shift, Ctrl and Alt keys into the editors' shared edit mode, written only when it differs.
void CopyShiftState(TShiftState Shift)
{
    TStyEditModes mode = StyApplication()->EditMode();
    const TStyEditModes old = mode;
    const std::pair<TShiftStateFlag, TStyEditMode> pairs[] = {{ssShift, emShift}, {ssCtrl, emCtrl}, {ssAlt, emAlt}};
    for (auto [s, e] : pairs) {
        if (Shift.Contains(s)) mode.Include(e);
        else mode.Exclude(e);
    }
    if (mode != old) StyApplication()->SetEditMode(mode);
}

}  // namespace

void TStyBaseEdit::WMGetDlgCode(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    message.Result |= DLGC_WANTARROWS | DLGC_WANTCHARS;
}

void TStyBaseEdit::KeyDown(Word& Key, TShiftState Shift)
{
    TStyCustomBevelPanel::KeyDown(Key, Shift);
    CopyShiftState(Shift);
    KeyProcessing(Key);
}

void TStyBaseEdit::KeyUp(Word& Key, TShiftState Shift)
{
    TStyCustomBevelPanel::KeyUp(Key, Shift);
    CopyShiftState(Shift);
}

void TStyBaseEdit::KeyProcessing(Word& Key)
{
    if (!Enabled()) return;
    const TStyEditModes mode = StyApplication()->EditMode();
    const bool ctrl = mode.Contains(emCtrl), shift = mode.Contains(emShift), alt = mode.Contains(emAlt);
    BeginUpdate();
    try {
        switch (Key) {
        case VK_BACK:
            if (FEnableKeyInput && !FReadOnly && FSelStart > 0) {
                if (FCurrentChar == 1 && FSelStart == 1 && FSelLength == 0) break;
                if (FSelLength == 0 || ExtendSelectionOnBackspace()) {
                    const Integer length = FSelLength;
                    SetSelStart(FCurrentChar - 1);
                    SetSelLength(length + 1);
                }
                SetSelText(String());
            }
            break;
        case VK_RETURN:
            if (FTabEnter && !ctrl)
                if (TWinControl* form = FormWindow()) form->Perform(WM_NEXTDLGCTL, 0, 0);
            break;
        case VK_ESCAPE:
            if (FUserSelect) SetSelLength(0);
            break;
        case VK_END:
            if (ctrl) SetCurrentChar(GetLength() + 1);
            else GotoParaEnd();
            break;
        case VK_HOME:
            if (ctrl) SetCurrentChar(1);
            else GotoParaStart();
            break;
        case VK_LEFT:
            if (FCurrentChar >= 2) {
                SetCurrentChar(FCurrentChar - (FText[FCurrentChar - 1] == u'\n' ? 2 : 1));
                if (ctrl) GotoPrevWord();
            } else if (!shift) {
                SetSelLength(0);
            }
            break;
        case VK_RIGHT:
            if (FCurrentChar < GetLength() + 1 && !FText.IsEmpty()) {
                SetCurrentChar(FCurrentChar + 1);
                if (FCurrentChar <= GetLength() && FText[FCurrentChar] == u'\n') SetCurrentChar(FCurrentChar + 1);
                if (ctrl) GotoNextWord();
            } else if (!shift) {
                SetSelLength(0);
            }
            break;
        case VK_INSERT:
            if (shift && FEnableKeyInput) PasteFromClipboard();
            else if (ctrl) CopyToClipboard();
            else if (!alt) {
                TStyEditModes m = StyApplication()->EditMode();
                if (m.Contains(emInsert)) m.Exclude(emInsert);
                else m.Include(emInsert);
                StyApplication()->SetEditMode(m);
            }
            break;
        case VK_DELETE:
            if (!FEnableKeyInput) break;
            if (shift) CutToClipboard();
            else if (!FReadOnly && !FText.IsEmpty()) {
                if (FSelLength == 0) SetSelLength(1);
                SetSelText(String());
            }
            break;
        case 'A':
        case 'C':
        case 'V':
        case 'X':
            if (ctrl && !alt) {
                if (Key == 'A') SelectAll();
                else if (Key == 'C') CopyToClipboard();
                else if (Key == 'V' && FEnableKeyInput) PasteFromClipboard();
                else if (Key == 'X' && FEnableKeyInput) CutToClipboard();
                Key = 0;
            }
            break;
        default: break;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStyBaseEdit::KeyPress(char16_t& Key)
{
    if (!FEnableKeyInput) return;
    BeginUpdate();
    try {
        TStyCustomBevelPanel::KeyPress(Key);
        if (Key >= 32) TypeChar(Key);
    } catch (...) {
        FInsert = false;
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStyBaseEdit::TypeChar(char16_t Ch)
{
    String s(std::u16string(1, Ch));
    if (FCharCase == ecUpperCase) s = FOptions.Contains(eoUserLocale) ? AnsiUpperCase(s) : UpperCaseText(s);
    else if (FCharCase == ecLowerCase) s = FOptions.Contains(eoUserLocale) ? AnsiLowerCase(s) : LowerCaseText(s);
    FInsert = true;
    try {
        SetSelText(s);
    } catch (...) {
        FInsert = false;
        throw;
    }
    FInsert = false;
}

// ---------------------------------------------------------------- mouse

// The cursor goes to the character under the last mouse position; a press inside the selection
// starts dragging it.
void TStyBaseEdit::ClickPositioning()
{
    const Integer a = CharFromPoint(FMousePos);
    if (FDraggingAllowed && FUserDrag && !FDragging && FSelStart < a && a < FSelStart + FSelLength) {
        FDragging = true;
        FCursor = Screen->Cursor();
        Screen->SetCursor(crDrag);
    }
    SetCurrentChar(a);
}

void TStyBaseEdit::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TStyCustomBevelPanel::MouseDown(Button, Shift, X, Y);
    if (!Enabled()) return;
    FMousePos = Point(X, Y);
    if (Button == mbRight) {
        if (!Focused()) SetFocus();
        return;
    }
    if (Button != mbLeft) return;
    BeginUpdate();
    try {
        FLeftButtonPressed = true;
        if (!Focused()) {
            FFocusFromMouse = true;
            SetFocus();
            FFocusFromMouse = false;
        }
        ClickPositioning();
        if (!FTimerID)
            FTimerID = std::make_unique<TStyTimer>(200, TNotifyEvent(this, &TStyBaseEdit::ScrollTimerTick), true,
                                                   FUseGlobalTimer);
    } catch (...) {
        FFocusFromMouse = false;
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStyBaseEdit::ScrollTimerTick(TObject*)
{
    if (!HandleAllocated()) {
        StopScrollTimer();
        return;
    }
    BeginUpdate();
    FSelMode = FSelLength > 0;
    try {
        ClickPositioning();
    } catch (...) {
        FSelMode = false;
        EndUpdate();
        throw;
    }
    FSelMode = false;
    EndUpdate();
}

void TStyBaseEdit::StopScrollTimer() { FTimerID.reset(); }

void TStyBaseEdit::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TStyCustomBevelPanel::MouseMove(Shift, X, Y);
    if (!Enabled()) return;
    FMousePos = Point(X, Y);
    if (GetCaptureControl() != this || !FLeftButtonPressed) return;
    BeginUpdate();
    FSelMode = FUserSelect;
    try {
        SetCurrentChar(CharFromPoint(FMousePos));
    } catch (...) {
        FSelMode = false;
        EndUpdate();
        throw;
    }
    FSelMode = false;
    EndUpdate();
}

void TStyBaseEdit::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TStyCustomBevelPanel::MouseUp(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    StopScrollTimer();
    FLeftButtonPressed = false;
    if (!FDragging) return;
    FDragging = false;
    Screen->SetCursor(FCursor);
    BeginUpdate();
    try {
        Integer target = FCurrentChar;
        if (target < FSelStart || target > FSelStart + FSelLength) {
            // The selected text moves to the drop point.
            String moved = SelText();
            if (!moved.IsEmpty() && moved[moved.Length()] == u'\r') SetLength(moved, moved.Length() - 1);
            const Integer selStart = FSelStart, selLength = FSelLength;
            SetSelText(String());
            if (target > selStart) target -= selLength;
            if (target > 1 && target <= GetLength() && FText[target] == u'\n') --target;
            SetSelStart(target);
            FIsPasting = true;
            try {
                SetSelText(moved);
            } catch (...) {
                FIsPasting = false;
                throw;
            }
            FIsPasting = false;
            SetCurrentChar(target);
        } else {
            SetSelLength(0);
            SetSelStart(FCurrentChar);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TStyBaseEdit::WMLButtonDblClk(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (Enabled() && FUserSelect) SelectCurrentWord();
}

// Left presses and double clicks that hit no child control are counted: the third of a series
// within the double-click time and rectangle selects all.
void TStyBaseEdit::CountClick(TMessage& message)
{
    const TPoint p{LoSmall(message.LParam), HiSmall(message.LParam)};
    if (ControlAtPos(p, true)) return;
    const Cardinal now = GetTickCount();
    if (FClickCount == 0 || now - FLastClickTime > FDoubleClickTimeout ||
        std::abs(p.X - FFirstClickX) > FDoubleClickCX / 2 || std::abs(p.Y - FFirstClickY) > FDoubleClickCY / 2) {
        FClickCount = 0;
        FFirstClickX = p.X;
        FFirstClickY = p.Y;
    }
    ++FClickCount;
    FLastClickTime = now;
    if (FClickCount < 3) return;
    if (FDragging) {
        FDragging = false;
        Screen->SetCursor(FCursor);
    }
    SelectAll();
    FClickCount = 0;
}

void TStyBaseEdit::WndProc(TMessage& message)
{
    TStyCustomBevelPanel::WndProc(message);
    if ((message.Msg == WM_LBUTTONDOWN || message.Msg == WM_LBUTTONDBLCLK) && Enabled()) CountClick(message);
}

void TStyBaseEdit::DoMouseEnter()
{
    TStyCustomBevelPanel::DoMouseEnter();
    if (ComponentState().Contains(csDesigning)) return;
    if (FGetFocusOnMouseAbove && Enabled()) {
        if (!Focused() && CanFocus()) SetFocus();
    } else if (IsThemed() && FFlat) {
        NotifyChange(euTextAppearance);
    }
}

void TStyBaseEdit::DoMouseExit()
{
    TStyCustomBevelPanel::DoMouseExit();
    if (IsThemed() && FFlat) NotifyChange(euTextAppearance);
}

void TStyBaseEdit::DestroyWnd()
{
    StopScrollTimer();
    TStyCustomBevelPanel::DestroyWnd();
}

// ---------------------------------------------------------------- focus, font, size

void TStyBaseEdit::WMSetFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    FocusGained();
}

void TStyBaseEdit::FocusGained()
{
    BeginUpdate();
    MakeBuffer();
    UpdateRects();
    RebuildCaret();
    FCaret->Enable();
    if (NeedsRepaintOnEnter()) NotifyChange(euTextAppearance);
    if (FFlat) {
        DrawNormalBorder();
        if (IsThemed()) NotifyChange(euTextAppearance);
    }
    if (!KeepsFocusSelection()) {
        FNoSelection = false;
        NotifyChange(euTextAppearance);
        if (FAutoSelect && !FFocusFromMouse) SelectAll();
    }
    NotifyChange(euCursorAppearance);
    EndUpdate();
}

void TStyBaseEdit::WMKillFocus(TMessage& message)
{
    BeginUpdate();
    if (FHideSelection && FSelLength > 0 && !KeepsFocusSelection()) {
        FNoSelection = true;
        NotifyChange(euTextAppearance);
    }
    InheritedMessage(StaticClass(), message);
    FocusLost();
    EndUpdate();
}

void TStyBaseEdit::FocusLost()
{
    if (NeedsRepaintOnExit()) NotifyChange(euTextAppearance);
    FCaret->Disable();
    if (FSaveRes) FBuffer.reset();
}

void TStyBaseEdit::CMFontChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    NotifyChange(euTextLayout);
    if (HandleAllocated()) {
        RebuildCaret();
        if (Focused()) FCaret->Enable();
    }
}

void TStyBaseEdit::CMEnabledChanged(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FEditLabel) FEditLabel->SetEnabled(Enabled());
    NotifyChange(euTextAppearance);
}

void TStyBaseEdit::WMSize(TMessage& message)
{
    BeginUpdate();
    InheritedMessage(StaticClass(), message);
    if (Focused()) MakeBuffer();
    UpdateRects();
    NotifyChanges({euScrbarShowing, euCursorAppearance, euTextAppearance});
    EndUpdate();
}

void TStyBaseEdit::Loaded()
{
    BeginUpdate();
    TStyCustomBevelPanel::Loaded();
    UpdateRects();
    PlaceEditLabel();
    NotifyChange(euTextLayout);
    EndUpdate();
}
