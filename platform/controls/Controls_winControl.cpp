// The windowed control: its window and handle, the message path to the window procedure, its
// children, and how changes of its state reach the window.
#include "platform/controls/Controls.h"

#include <algorithm>

#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

// ---------------------------------------------------------------- TWinControl

void TWinControl::ChangeScale(Integer M, Integer D)
{
    // the children are scaled as they stand, not aligned again in between
    DisableAlign();
    try {
        inherited::ChangeScale(M, D);
        for (TControl* child : FControls) child->ChangeScale(M, D);
    } catch (...) {
        EnableAlign();
        throw;
    }
    EnableAlign();
}
TClass TWinControl::StaticClass()
{
    static const TMetaClass meta("TWinControl", TControl::StaticClass(), NewComponent<TWinControl>, [](TMetaClass& m) {
        m.OnMessage(WM_PAINT, &TWinControl::WMPaint);
        m.OnMessage(WM_ERASEBKGND, &TWinControl::WMEraseBkgnd);
        m.OnMessage(WM_NCPAINT, &TWinControl::WMNCPaint);
        m.OnMessage(WM_KEYDOWN, &TWinControl::WMKeyDown);
        m.OnMessage(WM_SYSKEYDOWN, &TWinControl::WMKeyDown);
        m.OnMessage(WM_KEYUP, &TWinControl::WMKeyUp);
        m.OnMessage(WM_SYSKEYUP, &TWinControl::WMKeyUp);
        m.OnMessage(WM_CHAR, &TWinControl::WMChar);
        m.OnMessage(WM_SYSCHAR, &TWinControl::WMSysChar);
        m.OnMessage(WM_SETFOCUS, &TWinControl::WMSetFocus);
        m.OnMessage(WM_KILLFOCUS, &TWinControl::WMKillFocus);
        m.OnMessage(WM_MOUSEWHEEL, &TWinControl::WMMouseWheel);
        m.OnMessage(WM_SIZE, &TWinControl::WMSize);
        m.OnMessage(WM_GETDLGCODE, &TWinControl::WMGetDlgCode);
        m.OnMessage(WM_SETCURSOR, &TWinControl::WMSetCursor);
        m.OnMessage(CM_ENTER, &TWinControl::CMEnter);
        m.OnMessage(CM_EXIT, &TWinControl::CMExit);
        m.OnMessage(CM_FOCUSCHANGED, &TWinControl::CMFocusChanged);
        m.OnMessage(CM_ENABLEDCHANGED, &TWinControl::CMEnabledChanged);
        m.OnMessage(CM_VISIBLECHANGED, &TWinControl::CMVisibleChanged);
        m.OnMessage(CM_FONTCHANGED, &TWinControl::CMFontChanged);
        m.OnMessage(CM_COLORCHANGED, &TWinControl::CMColorChanged);
        m.OnMessage(CM_TEXTCHANGED, &TWinControl::CMTextChanged);
        m.OnMessage(CM_SHOWINGCHANGED, &TWinControl::CMShowingChanged);
        m.OnMessage(CM_PARENTCTL3DCHANGED, &TWinControl::CMParentCtl3DChanged);
    });
    return &meta;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner)
{
    FBrush.SetColor(FColor);
}

TWinControl::~TWinControl()
{
    Destroying();
    // The form forgets this control (and its children) as its focused one while it is still a
    // windowed control: by the time the base destructor runs it is only a TControl.
    if (FParent)
        if (TWinControl* form = FormWindow(); form && form != this) form->ControlGone(this);
    // Children go first, so that no toolkit widget dies with ours while its control lives.
    while (!FControls.empty()) delete FControls.back();
    DestroyHandle();
}

HWND TWinControl::Handle()
{
    if (!FHandle) CreateHandle();
    return this;
}

void TWinControl::CreateHandle()
{
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded();
    if (FHandle) return;   // the parent made its children's windows, this one among them
    CreateWnd();
    for (TControl* c : std::vector<TControl*>(FControls))
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    Params.Kind = TWindowKind::wkCustom;
}

namespace {
// An owner-drawn push button is a window the program draws, not the toolkit's button.
TWindowKind WindowKindOf(const TCreateParams& params)
{
    if (params.Kind == TWindowKind::wkButton && (params.Style & BS_TYPEMASK) == BS_OWNERDRAW)
        return TWindowKind::wkCustom;
    return params.Kind;
}
}  // namespace

void TWinControl::CreateWnd()
{
    FControlState.Include(csCreating);
    TCreateParams params;
    CreateParams(params);
    params.Kind = WindowKindOf(params);
    FHandle = WindowSystem().CreateWindow(this, params.Kind);
    if (IsOwnerDrawn() && !FSurface) FSurface = std::make_unique<TWindowSurface>(this);
    InitializeWindow();
    FControlState.Exclude(csCreating);
}

bool TWinControl::IsOwnerDrawn() const
{
    TCreateParams params;
    const_cast<TWinControl*>(this)->CreateParams(params);
    params.Kind = WindowKindOf(params);
    return params.Kind == TWindowKind::wkCustom || params.Kind == TWindowKind::wkForm ||
           params.Kind == TWindowKind::wkMDIForm || params.Kind == TWindowKind::wkMDIChild ||
           params.Kind == TWindowKind::wkHint;
}

void TWinControl::InitializeWindow()
{
    TWindowSystem& ws = WindowSystem();
    if (FParent && FParent->HandleAllocated()) ws.SetParent(FHandle, FParent->WindowHandle());
    ws.SetText(FHandle, FText);
    ws.SetFont(FHandle, FFont);
    ws.SetColor(FHandle, FColor);
    ws.SetEnabled(FHandle, FEnabled);
    ws.SetCursor(FHandle, CursorHandle(FCursor));
    ws.SetBounds(FHandle, BoundsRect());
    if (FWindowRegion) ApplyWindowShape();
    if (FSurface) {
        TSize s = SurfaceSize();
        FSurface->Resize(s.cx, s.cy, static_cast<Cardinal>(ColorToRGB(FColor)));
        FUpdateRegion = TRegion(Rect(0, 0, s.cx, s.cy));
        FErasePending = true;
    }
    UpdateScrollBars();
    ws.SetVisible(FHandle, FVisible && (!FParent || FParent->HandleAllocated()));
}

void TWinControl::DestroyWnd()
{
    if (!FHandle) return;
    FText = GetText();
    TWindowHandle* h = FHandle;
    FHandle = nullptr;
    WindowSystem().DestroyWindow(h);
}

void TWinControl::DestroyHandle()
{
    if (!FHandle) return;
    FControlState.Include(csDestroyingHandle);
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    DestroyWnd();
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd()
{
    if (!FHandle) return;
    FControlState.Include(csRecreating);
    DestroyHandle();
    FSurface.reset();
    FWindowCanvas.reset();
    CreateHandle();
    FControlState.Exclude(csRecreating);
}

void TWinControl::SetParentBackground(bool Value)
{
    if (ParentBackground() == Value) return;
    if (Value) FControlStyle.Include(csParentBackground);
    else FControlStyle.Exclude(csParentBackground);
    Invalidate();
}

void TWinControl::SetCtl3D(bool Value)
{
    FParentCtl3D = false;
    if (FCtl3D == Value) return;
    FCtl3D = Value;
    Perform(CM_CTL3DCHANGED);
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTCTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool Value)
{
    if (FParentCtl3D == Value) return;
    FParentCtl3D = Value;
    if (FParent && !ComponentState().Contains(csReading)) Perform(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage&)
{
    if (!FParentCtl3D || !FParent) return;
    SetCtl3D(FParent->Ctl3D());
    FParentCtl3D = true;
}

void TWinControl::DefaultHandler(TMessage& message)
{
    for (auto it = FNativeDefaults.rbegin(); it != FNativeDefaults.rend(); ++it) {
        TNativeDefault* d = *it;
        if (d->Msg == message.Msg && !d->Done) {
            d->Done = true;
            d->Run(message);
            return;
        }
    }
    switch (message.Msg) {
    case WM_GETTEXT:
        message.Result = 0;
        break;
    case WM_SETTEXT:
        if (FHandle) WindowSystem().SetText(FHandle, String(reinterpret_cast<const char16_t*>(message.LParam)));
        message.Result = 1;
        break;
    case WM_NCHITTEST: {
        // the client area, the frame around it, or nothing of this window
        const TPoint p = ScreenToClient(Point(LoSmall(message.LParam), HiSmall(message.LParam)));
        const Integer b = BorderWidthNC();
        if (ClientRect().Contains(p)) message.Result = HTCLIENT;
        else if (Rect(-b, -b, FWidth - b, FHeight - b).Contains(p)) message.Result = HTBORDER;
        else message.Result = HTNOWHERE;
        break;
    }
    case WM_SETCURSOR: {
        // the class cursor: the I-beam over text entry, the arrow elsewhere
        TCreateParams params;
        CreateParams(params);
        const bool text = params.Kind == TWindowKind::wkEdit || params.Kind == TWindowKind::wkMemo;
        DefaultMouseFrame(this, message, text ? crIBeam : crDefault);
        break;
    }
    case WM_NCLBUTTONDOWN: DefaultMouseFrame(this, message, crDefault); break;
    case WM_CANCELMODE:
        // the window, or a windowless control on it, gives the mouse capture up
        if (gCaptureControl == this || (gCaptureControl && gCaptureControl->Parent() == this)) {
            if (IsDragSource(gCaptureControl)) CancelDrag();
            SetCaptureControl(nullptr);
        }
        break;
    default:
        break;
    }
}

void TWinControl::WndProc(TMessage& message)
{
    // Escape cancels a drag under way, and gives no character
    if (message.Msg == WM_KEYDOWN && message.WParam == VK_ESCAPE && CancelDrag()) {
        FDialogKeyUsed = true;
        return;
    }
    // the source of a drag takes its mouse input itself, not its windowless children
    if (IsMouseMessage(message.Msg) && !IsDragSource(this)) {
        TControl* capture = gCaptureControl;
        if (capture && capture != this && capture->FParent == this && !dynamic_cast<TWinControl*>(capture)) {
            RouteMouse(message);
            return;
        }
        if (!capture || capture == this) {
            TControl* child = ControlAtPos(MessagePoint(message));
            if (message.Msg == WM_MOUSEMOVE && MouseOverHook()) MouseOverHook()(child ? child : this);
            if (message.Msg == WM_MOUSEMOVE && child != FMouseControl) {
                TControl* old = FMouseControl;
                FMouseControl = child;
                if (old && LiveControls().contains(old)) old->Perform(CM_MOUSELEAVE);
                if (child) child->Perform(CM_MOUSEENTER);
            }
            if (child) {
                RouteMouse(message);
                return;
            }
        }
    }
    TControl::WndProc(message);
}

void TWinControl::RouteMouse(TMessage& message)
{
    TPoint p = MessagePoint(message);
    TControl* target = gCaptureControl && gCaptureControl->FParent == this ? gCaptureControl : ControlAtPos(p);
    if (!target) return;
    TMessage m = message;
    m.LParam = MakeLParam(p.X - target->Left(), p.Y - target->Top());
    target->WindowProc(m);
    message.Result = m.Result;
}

void TWinControl::InsertControl(TControl* AControl)
{
    AControl->FParent = this;
    FControls.push_back(AControl);
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
        FTabList.push_back(w);
        if (FHandle) {
            if (w->FHandle) WindowSystem().SetParent(w->FHandle, FHandle);
            w->HandleNeeded();
            WindowSystem().SetBounds(w->FHandle, w->BoundsRect());
            WindowSystem().SetVisible(w->FHandle, w->FVisible);
        }
    } else {
        AControl->Invalidate();
    }
    if (AControl->Align() != alNone) Realign();
    Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<std::intptr_t>(AControl), 1);
}

void TWinControl::RemoveControl(TControl* AControl)
{
    if (FMouseControl == AControl) FMouseControl = nullptr;
    if (!dynamic_cast<TWinControl*>(AControl)) AControl->Invalidate();
    FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), AControl), FTabList.end());
    if (TWinControl* form = FormWindow()) form->ControlGone(AControl);
    AControl->FParent = nullptr;
    if (AControl->Align() != alNone) Realign();
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root)
{
    TComponent::GetChildren(Proc, Root);
    for (TControl* c : std::vector<TControl*>(FControls))
        if (c->Owner() == Root) Proc(c);
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->FParent)
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint pos, bool AllowDisabled, bool AllowWinControls) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (!c->Visible() || (!c->Enabled() && !AllowDisabled)) continue;
        if (!c->BoundsRect().Contains(pos)) continue;
        TMessage hit{CM_HITTEST, 0, MakeLParam(pos.X - c->Left(), pos.Y - c->Top()), 0};
        c->WindowProc(hit);
        if (hit.Result != 0) return c;
    }
    return nullptr;
}

TControl* TWinControl::FindChildControl(const String& name) const
{
    for (TControl* c : FControls)
        if (SameText(c->Name(), name)) return c;
    return nullptr;
}

void TWinControl::WMSize(TMessage& message) { DefaultHandler(message); }

void TWinControl::CMEnabledChanged(TMessage& message)
{
    if (!FEnabled) {
        if (TWinControl* form = FormWindow(); form && form != this) form->ControlGone(this);
    }
    if (FHandle) WindowSystem().SetEnabled(FHandle, FEnabled);
    TControl::CMEnabledChanged(message);
}

void TWinControl::CMVisibleChanged(TMessage&)
{
    if (!FVisible) {
        if (TWinControl* form = FormWindow(); form && form != this) form->ControlGone(this);
    }
    if (FHandle) WindowSystem().SetVisible(FHandle, FVisible);
    else if (FVisible && FParent && FParent->HandleAllocated()) HandleNeeded();
    Perform(CM_SHOWINGCHANGED);
}

void TWinControl::CMShowingChanged(TMessage&) {}

void TWinControl::CMFontChanged(TMessage& message)
{
    if (FHandle) WindowSystem().SetFont(FHandle, FFont);
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTFONTCHANGED);
    TControl::CMFontChanged(message);
}

void TWinControl::CMColorChanged(TMessage& message)
{
    FBrush.SetColor(FColor);
    if (FHandle) WindowSystem().SetColor(FHandle, FColor);
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_PARENTCOLORCHANGED);
    TControl::CMColorChanged(message);
}

// The form's focused control changed: every control inside hears of it.
void TWinControl::CMFocusChanged(TMessage& message)
{
    for (TControl* c : std::vector<TControl*>(FControls)) c->Perform(CM_FOCUSCHANGED, 0, message.LParam);
}

void TWinControl::CMTextChanged(TMessage& message)
{
    if (FHandle) WindowSystem().SetText(FHandle, FText);
    TControl::CMTextChanged(message);
}
