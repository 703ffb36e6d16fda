#include "platform/stdctrls/UpDown.h"

#include <algorithm>

#include "platform/graphics/GdiApi.h"

IMPLEMENT_CLASS(TCustomUpDown, TCustomControl, NewComponent<TCustomUpDown>)

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csOpaque};
    FParentColor = false;
    FColor = clBtnFace;
    // as wide as a scroll bar, one and a half times as high
    FWidth = ScrollBarSize;
    FHeight = ScrollBarSize + ScrollBarSize / 2;
}

TCustomUpDown::~TCustomUpDown() { KillTimer(this, 1); }

void TCustomUpDown::SetPosition(SmallInt value)
{
    value = std::clamp(value, std::min(FMin, FMax), std::max(FMin, FMax));
    if (FPosition == value) return;
    FPosition = value;
    ShowPosition();
}

void TCustomUpDown::SetOrientation(TUDOrientation value)
{
    if (FOrientation == value) return;
    FOrientation = value;
    Invalidate();
}

void TCustomUpDown::SetAssociate(TWinControl* value)
{
    if (FAssociate) FAssociate->RemoveFreeNotification(this);
    FAssociate = value;
    if (value) {
        value->FreeNotification(this);
        ShowPosition();
    }
}

void TCustomUpDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FAssociate) FAssociate = nullptr;
}

void TCustomUpDown::ShowPosition()
{
    if (FAssociate) FAssociate->SetText(IntToStr(FPosition));
}

void TCustomUpDown::Step(TUDBtnType button)
{
    bool allow = true;
    OnChanging(this, allow);
    if (!allow) return;
    Integer low = std::min(FMin, FMax), high = std::max(FMin, FMax);
    Integer next = FPosition + (button == btNext ? FIncrement : -FIncrement);
    if (next > high) next = FWrap ? low : high;
    if (next < low) next = FWrap ? high : low;
    SetPosition(static_cast<SmallInt>(next));
    OnClick(this, button);
}

void TCustomUpDown::Paint()
{
    TCanvas& canvas = Canvas();
    bool vertical = FOrientation == udVertical;
    TRect first = vertical ? TRect{0, 0, Width(), Height() / 2} : TRect{0, 0, Width() / 2, Height()};
    TRect second = vertical ? TRect{0, Height() / 2, Width(), Height()} : TRect{Width() / 2, 0, Width(), Height()};
    UINT disabled = Enabled() ? 0u : UINT(DFCS_INACTIVE);
    const Integer shown = FOver ? FPressed : -1;
    DrawFrameControl(canvas.Handle(), &first, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | (shown == 0 ? UINT(DFCS_PUSHED) : 0u) | disabled);
    DrawFrameControl(canvas.Handle(), &second, DFC_SCROLL,
                     (vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | (shown == 1 ? UINT(DFCS_PUSHED) : 0u) | disabled);
}

// 0 on the first (up or left) button, 1 on the second, -1 off both.
Integer TCustomUpDown::ButtonAt(Integer X, Integer Y) const
{
    if (!ClientRect().Contains(Point(X, Y))) return -1;
    return (FOrientation == udVertical ? Y < Height() / 2 : X < Width() / 2) ? 0 : 1;
}

// The upper button steps up, the left one steps down.
void TCustomUpDown::StepPressed()
{
    const bool vertical = FOrientation == udVertical;
    Step(vertical ? (FPressed == 0 ? btNext : btPrev) : (FPressed == 0 ? btPrev : btNext));
}

void TCustomUpDown::MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = ButtonAt(X, Y) == 1 ? 1 : 0;
    FOver = true;
    Invalidate();
    SetTimer(this, 1, ButtonRepeatDelay);
    StepPressed();
}

void TCustomUpDown::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const bool over = FPressed >= 0 && ButtonAt(X, Y) == FPressed;
    if (over == FOver) return;
    FOver = over;
    Invalidate();
}

void TCustomUpDown::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    KillTimer(this, 1);
    FPressed = -1;
    FOver = false;
    Invalidate();
}

// The held button repeats, faster after the first time.
void TCustomUpDown::WndProc(TMessage& message)
{
    if (message.Msg == WM_TIMER && message.WParam == 1) {
        SetTimer(this, 1, ButtonRepeatInterval);
        if (FPressed >= 0 && FOver && Enabled()) StepPressed();
        return;
    }
    TCustomControl::WndProc(message);
}
