#include "styledcontrols/StyMessageHint.h"

IMPLEMENT_CLASS(TStyMessageHint, TStyCustomShapeHint, NewComponent<TStyMessageHint>)
IMPLEMENT_CLASS(TStyMessageHintWindow, TStyShapeHintWindow, nullptr)

TStyMessageHint::TStyMessageHint(TComponent* AOwner) : TStyCustomShapeHint(AOwner) {}

TStyMessageHint::~TStyMessageHint() { HideMessages(-1); }

void TStyMessageHint::SetAllowMultipleHints(bool Value)
{
    FAllowMultipleHints = Value;
    if (Value) FSetCapture = false;
}

void TStyMessageHint::ShowMessage(const String& Msg, Integer x, Integer y, const String& aTitle, TColor aColor,
                                  TStyHintIconType aIcon, Integer aDisplayOrder)
{
    if (!FAllowMultipleHints) HideMessage();
    auto* window = new TStyMessageHintWindow(this, this);
    window->SetTitle(aTitle);
    if (aColor != clNone) window->SetColor(aColor);
    window->SetIconType(aIcon);
    window->SetDisplayOrder(aDisplayOrder);
    if (FAllowMultipleHints) window->SetTag(static_cast<Integer>(FWindows.size()) - 1);
    window->ActivateHintExt({x, y, -1, -1}, Msg);
}

void TStyMessageHint::ShowControlMessage(const String& Msg, TControl* aControl, const String& aTitle, TColor aColor,
                                         TStyHintIconType aIcon, Integer aDisplayOrder)
{
    if (!FAllowMultipleHints) HideMessage();
    if (!aControl || !aControl->Visible() || !aControl->Parent()) return;
    TPoint p = aControl->Parent()->ClientToScreen({aControl->Left(), aControl->Top()});
    ShowMessage(Msg.IsEmpty() ? aControl->Hint() : Msg, p.X + aControl->Width() / 2, p.Y + aControl->Height() / 2,
                aTitle, aColor, aIcon, aDisplayOrder);
}

void TStyMessageHint::HideMessage(TStyMessageHintWindow* AWindow)
{
    if (!AWindow) return;
    AWindow->Dismiss();   // hides it (OnHide) unless a key or click did so already
    delete AWindow;
}

void TStyMessageHint::HideMessages(Integer aDisplayOrder)
{
    for (Integer i = static_cast<Integer>(FWindows.size()) - 1; i >= 0; --i) {
        auto* window = static_cast<TStyMessageHintWindow*>(FWindows[static_cast<size_t>(i)]);
        if (aDisplayOrder == -1 || window->DisplayOrder() == aDisplayOrder) HideMessage(window);
    }
}

void TStyMessageHint::DoHide(TStyBaseHintWindow* Window)
{
    TStyCustomShapeHint::DoHide(Window);
}

TStyMessageHintWindow::TStyMessageHintWindow(TComponent* AOwner, TStyBaseHint* AHintControl)
    : TStyShapeHintWindow(AOwner, AHintControl)
{
}

TStyMessageHintWindow::~TStyMessageHintWindow()
{
    if (FCapturing) {
        SetKeyPreviewHook(nullptr);
        if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    }
}

void TStyMessageHintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    TStyShapeHintWindow::ActivateHint(Rect, AHint);
    auto* hint = static_cast<TStyMessageHint*>(FHintControl);
    if (!hint || !hint->SetCapture()) return;
    SetCaptureControl(this);
    FCapturing = true;
    // Keys go to the focused window, not to the one holding the mouse: watch them all.
    SetKeyPreviewHook([this](TWinControl*, Word) {
        Dismiss();
        return true;
    });
}

void TStyMessageHintWindow::Dismiss()
{
    if (FCapturing) {
        FCapturing = false;
        SetKeyPreviewHook(nullptr);
        if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    }
    if (HandleAllocated() || Visible()) ReleaseHandle();
}

void TStyMessageHintWindow::WndProc(TMessage& Message)
{
    if (FCapturing) {
        const Cardinal m = Message.Msg;
        const bool button = m == WM_LBUTTONDOWN || m == WM_RBUTTONDOWN || m == WM_MBUTTONDOWN || m == WM_LBUTTONUP ||
                            m == WM_RBUTTONUP || m == WM_MBUTTONUP || m == WM_LBUTTONDBLCLK;
        if (button || m == WM_KEYDOWN || m == WM_SYSKEYDOWN || m == WM_CHAR || m == WM_NCMOUSEMOVE ||
            m == WM_ACTIVATE || m == WM_COMMAND) {
            Dismiss();
            if (m != WM_LBUTTONDOWN) return;
        }
    }
    TStyShapeHintWindow::WndProc(Message);
}
