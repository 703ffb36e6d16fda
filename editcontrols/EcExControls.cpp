#include "editcontrols/EcExControls.h"

IMPLEMENT_CLASS(TEcExCustomControl, TCustomControl, NewComponent<TEcExCustomControl>)
IMPLEMENT_CLASS(TEcExGraphicControl, TGraphicControl, NewComponent<TEcExGraphicControl>)

// ---------------------------------------------------------------- shared routines
Integer ShiftToKeyData(TShiftState Shift)
{
    Integer data = 0;
    if (Shift.Contains(ssAlt)) data |= 0x20000000;
    if (Shift.Contains(ssCtrl)) data |= 0x10000000;
    if (Shift.Contains(ssShift)) data |= 0x08000000;
    return data;
}

namespace {
struct TCodeFlag {
    TDialogCode Code;
    Cardinal Flag;
};
const TCodeFlag CodeFlags[] = {{dcWantAllKeys, DLGC_WANTALLKEYS}, {dcWantArrows, DLGC_WANTARROWS},
                               {dcWantChars, DLGC_WANTCHARS},     {dcButton, DLGC_BUTTON},
                               {dcHasSetSel, DLGC_HASSETSEL},     {dcWantTab, DLGC_WANTTAB}};
}  // namespace

TDialogCodes DlgcToDialogCodes(Cardinal Dlgc)
{
    TDialogCodes codes;
    for (const TCodeFlag& c : CodeFlags)
        if (Dlgc & c.Flag) codes.Include(c.Code);
    return codes;
}

Cardinal DialogCodesToDlgc(TDialogCodes Codes)
{
    Cardinal dlgc = 0;
    for (const TCodeFlag& c : CodeFlags)
        if (Codes.Contains(c.Code)) dlgc |= c.Flag;
    return dlgc;
}

void ResolveHintColor(THintInfo& HintInfo, TControl* Control, TColor HintColor)
{
    if (HintColor == clNone) {
        HintInfo.HintColor = Application->HintColor();
    } else if (HintColor == clDefault) {
        if (TWinControl* parent = Control->Parent()) {
            THintInfo copy = HintInfo;
            parent->Perform(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&copy));
            HintInfo.HintColor = copy.HintColor;
        }
    } else {
        HintInfo.HintColor = HintColor;
    }
}

void ApplyOwnHintLook(THintInfo& HintInfo, TControl* Control, TColor HintColor, THintWindowClass WindowClass)
{
    ResolveHintColor(HintInfo, Control, HintColor);
    if (WindowClass) HintInfo.HintWindowClass = WindowClass;
}

bool DispatchExNotification(TEcExNotifications& target, TMessage& m)
{
    auto control = [&] { return reinterpret_cast<TControl*>(m.LParam); };
    switch (m.Msg) {
    case CM_DIALOGCHAR:
        m.Result = target.WantKey(static_cast<Word>(m.WParam), KeyDataToShiftState(static_cast<Integer>(m.LParam)));
        return true;
    case CM_HITTEST: m.Result = target.HitTest(LoSmall(m.LParam), HiSmall(m.LParam)); return true;
    case CM_TEXTCHANGED: target.TextChanged(); return true;
    case CM_FOCUSCHANGED: target.FocusChanged(control()); return true;
    case CM_VISIBLECHANGED: target.VisibleChanged(); return true;
    case CM_ENABLEDCHANGED: target.EnabledChanged(); return true;
    case CM_COLORCHANGED: target.ColorChanged(); return true;
    case CM_FONTCHANGED: target.FontChanged(); return true;
    case CM_PARENTFONTCHANGED: target.ParentFontChanged(); return true;
    case CM_PARENTCOLORCHANGED: target.ParentColorChanged(); return true;
    case CM_PARENTSHOWHINTCHANGED: target.ParentShowHintChanged(); return true;
    case CM_HINTSHOW: m.Result = target.HintShow(*reinterpret_cast<THintInfo*>(m.LParam)); return true;
    case CM_MOUSEENTER: target.MouseEnter(control()); return true;
    case CM_MOUSELEAVE: target.MouseLeave(control()); return true;
    case CM_ISTHEMINGEXEMPT: m.Result = 0; return true;
    default: return false;
    }
}

// ---------------------------------------------------------------- TEcExCustomControl
bool TEcExCustomControl::PaintBackground(TCanvas&, std::intptr_t)
{
    FPaintBackgroundOverridden = false;
    return false;
}

void TEcExCustomControl::ControlsListChanging(TControl* Control, bool Inserting)
{
    if (Inserting) Forward(CM_CONTROLLISTCHANGE, Ptr(Control), 1);
    else Forward(CM_CONTROLCHANGE, Ptr(Control), 0);
}

void TEcExCustomControl::ControlsListChanged(TControl* Control, bool Inserting)
{
    if (Inserting) Forward(CM_CONTROLCHANGE, Ptr(Control), 1);
    else Forward(CM_CONTROLLISTCHANGE, Ptr(Control), 0);
}

void TEcExCustomControl::WndProc(TMessage& m)
{
    DispatchExMessage(m);
    if (FDotNetHighlighting) HandleDotNetHighlight(this, m, FMouseOver, Color());
}

void TEcExCustomControl::DispatchExMessage(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOVE:
    case WM_SIZE:
        TCustomControl::WndProc(m);
        BoundsChanged();
        return;
    case WM_SETFOCUS: FocusSet(reinterpret_cast<HWND>(m.WParam)); return;
    case WM_KILLFOCUS: FocusKilled(reinterpret_cast<HWND>(m.WParam)); return;
    case WM_ERASEBKGND:
        if (m.WParam && FPaintBackgroundOverridden) {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            const int saved = dc->SaveDC();
            bool erased = false;
            try {
                erased = PaintBackground(*dc, m.LParam);
            } catch (...) {
                dc->RestoreDC(saved);
                throw;
            }
            dc->RestoreDC(saved);
            if (FPaintBackgroundOverridden) {
                m.Result = erased ? 1 : 0;
                return;
            }
        }
        TCustomControl::WndProc(m);
        return;
    case WM_GETDLGCODE: {
        TCustomControl::WndProc(m);
        TDialogCodes codes = DlgcToDialogCodes(static_cast<Cardinal>(m.Result));
        codes.Include(dcNative);
        GetDlgCode(codes);
        if (!codes.Contains(dcNative)) m.Result = DialogCodesToDlgc(codes);
        return;
    }
    case CM_CURSORCHANGED: CursorChanged(); return;
    case CM_SHOWINGCHANGED: ShowingChanged(); return;
    case CM_SHOWHINTCHANGED: ShowHintChanged(); return;
    case CM_CONTROLLISTCHANGE:
        if (m.LParam) ControlsListChanging(reinterpret_cast<TControl*>(m.WParam), true);
        else ControlsListChanged(reinterpret_cast<TControl*>(m.WParam), false);
        return;
    case CM_CONTROLCHANGE:
        if (m.LParam) ControlsListChanged(reinterpret_cast<TControl*>(m.WParam), true);
        else ControlsListChanging(reinterpret_cast<TControl*>(m.WParam), false);
        return;
    default:
        if (!DispatchExNotification(*this, m)) TCustomControl::WndProc(m);
    }
}

// ---------------------------------------------------------------- the "DotNet" frame
void DrawDotNetFrame(HDC DC, const TRect& Rect, TColor Color, bool Highlighted)
{
    constexpr TColor HighlightBlue = static_cast<TColor>(0x00733800), Grey = static_cast<TColor>(0x00808080);
    const TColor brush = DC->Brush().Color();
    DC->Brush().SetColor(ColorToRGB(Highlighted ? HighlightBlue : Grey));
    DC->FrameRect(Rect);
    DC->Brush().SetColor(ColorToRGB(Highlighted ? HighlightBlue : Color));
    DC->FrameRect(TRect{Rect.Left + 1, Rect.Top + 1, Rect.Right - 1, Rect.Bottom - 1});
    DC->Brush().SetColor(brush);
}

void PaintDotNetHighlight(TWinControl* Control, TColor Color, bool MouseOver)
{
    HDC dc = GetWindowDC(Control);
    if (!dc) return;
    DrawDotNetFrame(dc, TRect{0, 0, Control->Width(), Control->Height()}, Color, Control->Focused() || MouseOver);
    ReleaseDC(Control, dc);
}

void HandleDotNetHighlight(TWinControl* Control, const TMessage& Message, bool MouseOver, TColor Color)
{
    if (Control->ComponentState().Contains(csDesigning)) return;
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_NCPAINT:
    case CM_MOUSEENTER:
        PaintDotNetHighlight(Control, Color, MouseOver);
        break;
    case CM_MOUSELEAVE: {
        PaintDotNetHighlight(Control, Color, MouseOver);
        // The ring between (0, 0, W - 1, H - 1) and (2, 2, W - 3, H - 3), as four strips.
        const Integer w = Control->Width(), h = Control->Height();
        for (const TRect& strip : {TRect{0, 0, w - 1, 2}, TRect{0, h - 3, w - 1, h - 1}, TRect{0, 2, 2, h - 3},
                                   TRect{w - 3, 2, w - 1, h - 3}})
            InvalidateRect(Control, &strip, false);
        break;
    }
    default: break;
    }
}
