// The combo box and its input: the edit child's keys (Enter as Tab, Tab out of the open list), the
// mouse over the button zone, the wheel, focus colours and the width of the dropped list.
#include "listcontrols/GxCombo.h"

#include <algorithm>
#include <cmath>

#include "platform/forms/Forms.h"
#include "platform/services/SysInfo.h"

TClass TGxCustomCombo::StaticClass()
{
    static const TMetaClass meta("TGxCustomCombo", TCustomComboBox::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(CN_COMMAND, &TGxCustomCombo::CNCommand);
        m.OnMessage(WM_NCPAINT, &TGxCustomCombo::WMNCPaint);
        m.OnMessage(WM_SETFOCUS, &TGxCustomCombo::WMSetFocus);
        m.OnMessage(WM_MOUSEWHEEL, &TGxCustomCombo::WMMouseWheel);
        m.OnMessage(CM_MOUSEENTER, &TGxCustomCombo::CMMouseEnter);
        m.OnMessage(CM_MOUSELEAVE, &TGxCustomCombo::CMMouseLeave);
        m.OnMessage(CM_ENABLEDCHANGED, &TGxCustomCombo::CMEnabledChanged);
        m.OnMessage(CM_VISIBLECHANGED, &TGxCustomCombo::CMVisibleChanged);
        m.OnMessage(CM_FONTCHANGED, &TGxCustomCombo::CMFontChanged);
        m.OnMessage(CM_PARENTFONTCHANGED, &TGxCustomCombo::CMParentFontChanged);
    });
    return &meta;
}

namespace {
bool Designing(const TComponent* c) { return c->ComponentState().Contains(csDesigning); }
constexpr std::intptr_t KeyRepeatBit = 1 << 30;   // lParam of a key message: the key was down before
}  // namespace

Integer TGxCustomCombo::ScaledButtonWidth() const
{
    return static_cast<Integer>(std::nearbyint(FButtonWidth * FDPIScale));
}

// ---------------------------------------------------------------- the edit child
void TGxCustomCombo::EditSubclassProc(TMessage& message)
{
    const bool emptyShown = Text().IsEmpty() && !FEmptyText.IsEmpty();
    const Word key = static_cast<Word>(message.WParam);
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
        OnMouseDown(this, mbLeft, KeysToShiftState(static_cast<Cardinal>(message.WParam)), LoSmall(message.LParam),
                    HiSmall(message.LParam));
        if (emptyShown && FEmptyTextFocused) {
            if (TCustomEdit* edit = EditHandle()) {
                edit->SetFocus();
                edit->Invalidate();
            }
            message.Result = 1;
            return;
        }
        break;
    case WM_LBUTTONUP:
        OnMouseUp(this, mbLeft, KeysToShiftState(static_cast<Cardinal>(message.WParam)), LoSmall(message.LParam),
                  HiSmall(message.LParam));
        break;
    case WM_KEYDOWN:
        if (key == VK_RETURN && FReturnIsTab) {
            PostMessage(this, CB_SHOWDROPDOWN, 0, 0);
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            message.Result = 1;
            return;
        }
        break;
    case WM_CHAR:
        if ((key == VK_RETURN && FReturnIsTab) || (key == VK_TAB && DroppedDown())) {
            message.Result = 1;
            return;
        }
        break;
    default: break;
    }

    // Tab with the list open: the key-down goes nowhere; its release closes the list, keeps the
    // choice and moves the focus on.
    if (message.Msg == WM_KEYDOWN) {
        FGotReturn = key == VK_RETURN;
        if (key == VK_TAB && DroppedDown()) {
            message.Result = 1;
            return;
        }
    }
    FWinProc(message);
    if (message.Msg == WM_KEYUP && key == VK_TAB && (message.LParam & KeyRepeatBit) && DroppedDown() &&
        Style() != csSimple) {
        const Integer index = ItemIndex();
        PostMessage(this, CB_SHOWDROPDOWN, 0, 0);
        if (Style() == csDropDownList) PostMessage(this, CB_SETCURSEL, index, 0);
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
        message.Result = 1;
    } else if (message.Msg == WM_KEYUP && FReturnIsTab && FGotReturn) {
        FGotReturn = false;
        if (key == VK_RETURN) {
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            message.Result = 1;
        }
    } else if (message.Msg == WM_PAINT && emptyShown && (FEmptyTextFocused || GetFocus() != EditHandle())) {
        PaintEmptyText();
    }
}

// ---------------------------------------------------------------- the combo window
void TGxCustomCombo::CNCommand(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    const Word code = HiWord(message.WParam);
    if (code != CBN_DROPDOWN && code != CBN_CLOSEUP) return;
    const TRect client = ClientRect();
    const TRect button{client.Right - ScaledButtonWidth(), client.Top, client.Right, client.Bottom};
    InvalidateRect(button, false);
    if (code == CBN_CLOSEUP) OnDropUp(this);
}

void TGxCustomCombo::DropDown()
{
    TCustomComboBox::DropDown();
    if (!FAutoDropWidth) return;
    const Integer extra = DropDownCount() < Items().Count() ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(Font());
    Integer w = 0;
    for (Integer i = 0; i < Items().Count(); ++i)
        w = std::max(w, measure.Canvas().TextWidth(Items()[i]) + 8 + extra);
    if (Width() < w) Perform(CB_SETDROPPEDWIDTH, w);
}

void TGxCustomCombo::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomComboBox::MouseMove(Shift, X, Y);
    const bool hover = X > Width() - ScaledButtonWidth() && X < Width();
    if (hover != FButtonHover) {
        FButtonHover = hover;
        Invalidate();
    }
}

void TGxCustomCombo::CMMouseEnter(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FMouseInControl || !Enabled()) return;
    FMouseInControl = true;
    DrawBorders();
    if (FAutoFocus && !Designing(this)) {
        TCustomForm* form = GetParentForm(this);
        if ((!form || Screen->ActiveForm() == form) && CanFocus()) SetFocus();
    }
    if (FIsWinXP) Invalidate();
}

void TGxCustomCombo::CMMouseLeave(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (!FMouseInControl || !Enabled()) return;
    FMouseInControl = false;
    DrawBorders();
    FButtonHover = false;
    if (FIsWinXP) Invalidate();
}

void TGxCustomCombo::WMMouseWheel(TMessage& message)
{
    if (FEnableWheel) InheritedMessage(StaticClass(), message);
    else message.Result = 1;
}

// ---------------------------------------------------------------- focus and colours
void TGxCustomCombo::DoEnter()
{
    if (!Designing(this)) {
        FHasFocus = true;
        DrawBorders();
        if (FFocusColor != clNone) TControl::SetColor(FFocusColor);
        if (FFocusLabel && FLabel) {
            SetLabelBold(true);
            UpdateLabelPos();
        }
    }
    TCustomComboBox::DoEnter();
}

void TGxCustomCombo::WMSetFocus(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (FFocusBorderColor != clNone) Invalidate();
    if (FFocusColor != clNone) TControl::SetColor(FFocusColor);
    if (FFocusFontColor != clNone && FFocusFontColor != Font().Color()) {
        FFontColor = Font().Color();
        Font().SetColor(FFocusFontColor);
        UpdateLabel();
    }
    if (FFocusLabel && FLabel) {
        SetLabelBold(true);
        UpdateLabelPos();
    }
}

void TGxCustomCombo::DoExit()
{
    if (!Designing(this)) {
        FHasFocus = false;
        DrawBorders();
        if (FFocusColor != clNone && FNormalColor != clNone) TControl::SetColor(FNormalColor);
        if (FFocusLabel && FLabel) {
            SetLabelBold(false);
            UpdateLabelPos();
        }
    }
    TCustomComboBox::DoExit();
    if (FFocusColor != clNone && FNormalColor != clNone) TControl::SetColor(FNormalColor);
    if (FFocusFontColor != clNone) {
        Font().SetColor(FFontColor);
        UpdateLabel();
    }
    if (FFocusLabel && FLabel) {
        SetLabelBold(false);
        UpdateLabelPos();
    }
    Invalidate();
}
