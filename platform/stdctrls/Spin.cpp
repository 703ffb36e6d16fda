#include "platform/stdctrls/Spin.h"

#include <algorithm>

#include "platform/classes/TypInfo.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/SysFormat.h"

// ---------------------------------------------------------------- TSpinButton
IMPLEMENT_CLASS(TSpinButton, TCustomControl, NewComponent<TSpinButton>)

TSpinButton::TSpinButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csOpaque};
    FTabStop = false;
    FWidth = 15;
    FHeight = 21;
}

TSpinButton::~TSpinButton() { KillTimer(this, 1); }

void TSpinButton::Paint()
{
    TCanvas& canvas = Canvas();
    const TRect client = ClientRect();
    const Integer half = client.Height() / 2;
    TRect up{client.Left, client.Top, client.Right, client.Top + half};
    TRect down{client.Left, client.Top + half, client.Right, client.Bottom};
    const UINT inactive = Enabled() ? 0u : UINT(DFCS_INACTIVE);
    const int shown = FOver ? FPressed : 0;
    DrawFrameControl(canvas.Handle(), &up, DFC_SCROLL, DFCS_SCROLLUP | inactive | (shown == 1 ? UINT(DFCS_PUSHED) : 0u));
    DrawFrameControl(canvas.Handle(), &down, DFC_SCROLL, DFCS_SCROLLDOWN | inactive | (shown == -1 ? UINT(DFCS_PUSHED) : 0u));
}

// 1 on the upper button, -1 on the lower one, 0 off both.
int TSpinButton::ButtonAt(Integer X, Integer Y) const
{
    if (!ClientRect().Contains(Point(X, Y))) return 0;
    return Y < ClientHeight() / 2 ? 1 : -1;
}

void TSpinButton::Click()
{
    if (FPressed == 1) OnUpClick(this);
    else OnDownClick(this);
}

void TSpinButton::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FPressed = Y < ClientHeight() / 2 ? 1 : -1;
    FOver = true;
    Invalidate();
    SetTimer(this, 1, ButtonRepeatDelay);
    Click();
}

void TSpinButton::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const bool over = FPressed != 0 && ButtonAt(X, Y) == FPressed;
    if (over == FOver) return;
    FOver = over;
    Invalidate();
}

void TSpinButton::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    KillTimer(this, 1);
    FPressed = 0;
    FOver = false;
    Invalidate();
}

// The held button repeats, faster after the first time.
void TSpinButton::WndProc(TMessage& message)
{
    if (message.Msg == WM_TIMER && message.WParam == 1) {
        SetTimer(this, 1, ButtonRepeatInterval);
        if (FPressed != 0 && FOver) Click();
        return;
    }
    TCustomControl::WndProc(message);
}

// ---------------------------------------------------------------- TSpinEdit
TClass TSpinEdit::StaticClass()
{
    static const TMetaClass meta("TSpinEdit", TCustomEdit::StaticClass(), NewComponent<TSpinEdit>,
                                 [](TMetaClass& m) { m.OnMessage(CM_EXIT, &TSpinEdit::CMExit); });
    return &meta;
}

TSpinEdit::TSpinEdit(TComponent* AOwner) : TCustomEdit(AOwner)
{
    FWidth = 121;
    FHeight = 21;
    FButton = new TSpinButton(nullptr);
    FButton->OnUpClick = TNotifyEvent(this, &TSpinEdit::UpClick);
    FButton->OnDownClick = TNotifyEvent(this, &TSpinEdit::DownClick);
    FButton->SetParent(this);
    FOptions.TextMargins.Right = FButton->Width();
    FText = "0";
    PlaceButton();
}

TSpinEdit::~TSpinEdit() { delete FButton; }

void TSpinEdit::PlaceButton()
{
    const TRect client = ClientRect();
    FButton->SetBounds(client.Right - FButton->Width(), client.Top, FButton->Width(), client.Height());
}

void TSpinEdit::Resize()
{
    TCustomEdit::Resize();
    PlaceButton();
}

Integer TSpinEdit::CheckValue(Integer value) const
{
    if (FMaxValue == FMinValue) return value;
    return std::clamp(value, std::min(FMinValue, FMaxValue), std::max(FMinValue, FMaxValue));
}

void TSpinEdit::SetMinValue(Integer value)
{
    FMinValue = value;
    if (HandleAllocated() || !Text().IsEmpty()) SetValue(Value());
}

void TSpinEdit::SetMaxValue(Integer value)
{
    FMaxValue = value;
    if (HandleAllocated() || !Text().IsEmpty()) SetValue(Value());
}

Integer TSpinEdit::Value() const
{
    Integer v = 0;
    return TryStrToInt(Trim(Text()), v) ? v : FMinValue;
}

void TSpinEdit::SetValue(Integer value)
{
    const String text = IntToStr(CheckValue(value));
    if (text != Text()) SetText(text);
}

void TSpinEdit::UpClick(TObject*)
{
    if (!ReadOnly()) SetValue(Value() + FIncrement);
}

void TSpinEdit::DownClick(TObject*)
{
    if (!ReadOnly()) SetValue(Value() - FIncrement);
}

void TSpinEdit::KeyDown(Word& Key, TShiftState Shift)
{
    if (Key == VK_UP || Key == VK_DOWN) {
        if (Key == VK_UP) UpClick(this);
        else DownClick(this);
        Key = 0;
        return;
    }
    TCustomEdit::KeyDown(Key, Shift);
}

// Digits and signs, and the control keys; nothing typed when the editor is off.
void TSpinEdit::KeyPress(char16_t& Key)
{
    TCustomEdit::KeyPress(Key);
    const bool control = Key != 0 && Key < 32;
    const bool number = (Key >= u'0' && Key <= u'9') || Key == u'-' || Key == u'+';
    if (!control && (!number || !FEditorEnabled)) Key = 0;
}

// Leaving the field brings its number within the limits.
void TSpinEdit::CMExit(TMessage& message)
{
    InheritedMessage(StaticClass(), message);
    if (CheckValue(Value()) != Value() || Trim(Text()).IsEmpty()) SetValue(Value());
}

void PublishSpinEdit()
{
    TPublished<TSpinEdit>(TSpinEdit::StaticClass())
        .Property("EditorEnabled", &TSpinEdit::EditorEnabled, &TSpinEdit::SetEditorEnabled).Default(true)
        .Property("Increment", &TSpinEdit::Increment, &TSpinEdit::SetIncrement).Default(1)
        .Property("MaxValue", &TSpinEdit::MaxValue, &TSpinEdit::SetMaxValue).Default(0)
        .Property("MinValue", &TSpinEdit::MinValue, &TSpinEdit::SetMinValue).Default(0)
        .Property("Value", &TSpinEdit::Value, &TSpinEdit::SetValue).Default(0)
        .Property("OnChange", &TSpinEdit::OnChange);
}
