#include "platform/forms/Forms.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

#include "platform/classes/FormReader.h"
#include "platform/forms/Dialogs.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/Streams.h"
#include "platform/stdctrls/Buttons.h"

TApplication* Application = new TApplication(nullptr);
TScreen* Screen = new TScreen(nullptr);

namespace {

void SetFormModalResult(TWinControl* form, Integer result)
{
    if (auto* f = dynamic_cast<TCustomForm*>(form)) f->SetModalResult(result);
}

bool IsLive(const TCustomForm* form)
{
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form) return true;
    return false;
}

}  // namespace

TCustomForm* GetParentForm(const TControl* Control)
{
    if (!Control) return nullptr;
    return dynamic_cast<TCustomForm*>(Control->FormWindow());
}

// ---------------------------------------------------------------- TCustomForm
TClass TCustomForm::StaticClass()
{
    static const TMetaClass meta("TCustomForm", TWinControl::StaticClass(), NewComponent<TCustomForm>, [](TMetaClass& m) {
        m.OnMessage(CM_DIALOGKEY, &TCustomForm::CMDialogKey);
        m.OnMessage(CM_DIALOGCHAR, &TCustomForm::CMDialogChar);
        m.OnMessage(CM_SHOWINGCHANGED, &TCustomForm::CMShowingChanged);
        m.OnMessage(CM_RELEASE, &TCustomForm::CMRelease);
        m.OnMessage(CM_MENUCHANGED, &TCustomForm::CMMenuChanged);
        m.OnMessage(CM_TEXTCHANGED, &TCustomForm::CMTextChanged);
        m.OnMessage(WM_CLOSE, &TCustomForm::WMClose);
        m.OnMessage(WM_ACTIVATE, &TCustomForm::WMActivate);
        m.OnMessage(WM_MDIACTIVATE, &TCustomForm::WMMDIActivate);
        m.OnMessage(WM_HELP, &TCustomForm::WMHelp);
    });
    return &meta;
}

IMPLEMENT_CLASS(TForm, TCustomForm, NewComponent<TForm>)

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    FColor = clBtnFace;
    FBrush.SetColor(FColor);
    FWidth = 320;
    FHeight = 240;
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    CallProtected(this, [this] { OnDestroy(this); });
    Destroying();
    if (FModal) FModalResult = mrCancel;
    Screen->RemoveForm(this);
    if (Application->MainForm() == this) Application->SetMainForm(nullptr);
    // The MDI children of a frame go before the frame's window does.
    if (FFormStyle == fsMDIForm && FHandle)
        for (TWinControl* c : WindowSystem().MDIChildren(FHandle)) delete c;
    // The controls go while this is still a form, so that their going reaches ControlGone here.
    while (!FControls.empty()) delete FControls.back();
    DestroyHandle();
}

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style = WS_CLIPCHILDREN;
    switch (FFormStyle) {
    case fsMDIForm: Params.Kind = TWindowKind::wkMDIForm; break;
    case fsMDIChild: Params.Kind = TWindowKind::wkMDIChild; break;
    default: Params.Kind = TWindowKind::wkForm; break;
    }
}

void TCustomForm::InitializeWindow()
{
    TWindowSystem& ws = WindowSystem();
    if (FFormStyle == fsMDIChild) {
        TCustomForm* frame = Application->MainForm();
        if (!frame || frame == this || frame->FormStyle() != fsMDIForm)
            throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
        frame->HandleNeeded();
        ws.SetParent(FHandle, frame->WindowHandle());
    }
    ApplyFrame();
    TWinControl::InitializeWindow();
    UpdateMenuBar();
    Realign();
}

TRect TCustomForm::ClientRect() const
{
    if (FHandle) {
        TSize s = WindowSystem().ClientSize(FHandle);
        return Rect(0, 0, s.cx, s.cy);
    }
    return Rect(0, 0, FWidth, FHeight);
}

TSize TCustomForm::SurfaceSize() const
{
    TRect r = ClientRect();
    return {r.Width(), r.Height()};
}

TCanvas& TCustomForm::Canvas()
{
    if (FPaintCopyCanvas) return *FPaintCopyCanvas;
    if (!FInPaint) HandleNeeded();
    return WindowCanvas();
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect)
{
    TWinControl::AlignControls(AControl, Rect);
    if (FFormStyle == fsMDIForm && FHandle) WindowSystem().SetMDIClientRect(FHandle, Rect);
}

void TCustomForm::PaintWindow(TCanvas&) { Paint(); }
void TCustomForm::Paint() { OnPaint(this); }

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
    if (FMenu) UpdateMenuBar();
    if (FVisible) Perform(CM_SHOWINGCHANGED);
}

void TCustomForm::InitializeForm()
{
    InitInheritedComponent(this, TForm::StaticClass());
    OnCreate(this);
}

// ---- showing
void TCustomForm::Show()
{
    SetVisible(true);
    BringToFront();
}

void TCustomForm::Hide() { SetVisible(false); }

void TCustomForm::PlaceOnScreen()
{
    if (FFormStyle == fsMDIChild) return;
    TRect screen = WindowSystem().ScreenRect();
    TCustomForm* main = Application->MainForm();
    TRect around = screen;
    if ((FPosition == poMainFormCenter || FPosition == poOwnerFormCenter) && main && main != this && main->Visible())
        around = main->BoundsRect();
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter || FPosition == poMainFormCenter ||
        FPosition == poOwnerFormCenter)
        SetBounds(around.Left + (around.Width() - FWidth) / 2, around.Top + (around.Height() - FHeight) / 2, FWidth,
                  FHeight);
}

void TCustomForm::CMShowingChanged(TMessage&)
{
    if (ComponentState().Contains(csLoading)) return;   // shown once the description is read
    if (FVisible) {
        HandleNeeded();
        if (!FShown) {
            FShown = true;
            PlaceOnScreen();
        }
        DoShow();
        if (!FVisible) return;
        WindowSystem().SetVisible(FHandle, true);
        if (FWindowState != wsNormal) WindowSystem().SetWindowState(FHandle, FWindowState);
        if (ShowingWithoutActivation(this)) return;   // a pop-up that leaves the active window active
        WindowSystem().Activate(FHandle);
        // The window's first focus: the active control, else the first control in tab order.
        TWinControl* target = FActiveControl && FActiveControl->CanFocus() ? FActiveControl
                                                                           : FindNextControl(nullptr, true, true, false);
        if (target) target->SetFocus();
        if (FFormStyle == fsMDIChild) {
            if (TCustomForm* frame = Application->MainForm()) frame->UpdateWindowMenu();
        }
    } else {
        DoHide();
        if (FHandle) WindowSystem().SetVisible(FHandle, false);
    }
}

void TCustomForm::DoShow() { OnShow(this); }
void TCustomForm::DoHide() { OnHide(this); }

TMonitor* TCustomForm::Monitor() const
{
    TRect r = BoundsRect();
    if (Parent()) {
        const TPoint origin = Parent()->ClientOrigin();
        OffsetRect(r, origin.X, origin.Y);
    }
    return Screen->MonitorFromRect(r);
}

void TCustomForm::BringToFront()
{
    if (FHandle && FVisible) WindowSystem().Activate(FHandle);
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (value == FFormStyle) return;
    FFormStyle = value;
    RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    FBorderStyle = value;
    ApplyFrame();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    FBorderIcons = value;
    ApplyFrame();
}

void TCustomForm::ApplyFrame()
{
    if (!FHandle || FFormStyle == fsMDIChild) return;
    TWindowFrame frame;
    frame.BorderStyle = FBorderStyle;
    frame.SystemMenu = FBorderIcons.Contains(biSystemMenu);
    frame.Minimize = FBorderIcons.Contains(biMinimize);
    frame.Maximize = FBorderIcons.Contains(biMaximize);
    frame.Help = FBorderIcons.Contains(biHelp);
    frame.StayOnTop = FFormStyle == fsStayOnTop;
    WindowSystem().SetBorder(FHandle, frame);
}

void TCustomForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (FHandle && FVisible) WindowSystem().SetWindowState(FHandle, value);
}

// ---- modal
TModalResult TCustomForm::ShowModal()
{
    if (FVisible || !FEnabled || FModal || FFormStyle == fsMDIChild)
        throw EInvalidOperation("Cannot make a visible window modal");
    CancelMode();
    ReleaseCapture();
    FModal = true;
    FModalResult = mrNone;
    HandleNeeded();
    WindowSystem().SetModal(FHandle, true);
    // The window that was active before (for a document window, its frame) becomes active again
    // when the modal form has gone, so that it has the keyboard (and its menu's shortcuts) back.
    struct TModalGuard {
        TCustomForm* Form;
        TCustomForm* Previous;
        ~TModalGuard()
        {
            if (IsLive(Form)) {
                Form->FModal = false;
                if (Form->FHandle) WindowSystem().SetModal(Form->FHandle, false);
            }
            if (Previous && Previous != Form && IsLive(Previous) && Previous->Visible() && Previous->HandleAllocated())
                WindowSystem().Activate(Previous->WindowHandle());
        }
    };
    TCustomForm* previous = Screen->ActiveForm();
    if (previous && previous->FFormStyle == fsMDIChild) previous = Application->MainForm();
    TModalGuard guard{this, previous};
    try {
        Show();
    } catch (...) {
        // An error in OnShow leaves ShowModal; the form does not stay up.
        if (IsLive(this)) Hide();
        throw;
    }
    if (Application->ModalHook) {
        auto hook = Application->ModalHook;
        CallProtected(this, [&] { hook(this); });
    }
    do {
        while (FModalResult == mrNone && IsLive(this) && !Application->Terminated()) Application->HandleMessage();
        if (!IsLive(this)) return mrCancel;
        if (Application->Terminated()) FModalResult = mrCancel;
        else CloseModal();
    } while (FModalResult == mrNone);
    TModalResult result = FModalResult;
    Hide();
    return result;
}

void TCustomForm::SetModalResult(TModalResult value)
{
    FModalResult = value;
    if (FModal && value != mrNone && WindowSystemRegistered()) WindowSystem().WakeUp();
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) FModalResult = mrNone;
    else if (action == caFree) Release();
}

// ---- closing
bool TCustomForm::CloseQuery()
{
    if (FFormStyle == fsMDIForm && FHandle)
        for (TWinControl* c : WindowSystem().MDIChildren(FHandle))
            if (auto* f = dynamic_cast<TCustomForm*>(c); f && !f->CloseQuery()) return false;
    bool canClose = true;
    OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) { OnClose(this, Action); }

void TCustomForm::Close()
{
    if (FModal) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = FFormStyle == fsMDIChild ? (FBorderIcons.Contains(biMinimize) ? caMinimize : caNone) : caHide;
    DoClose(action);
    switch (action) {
    case caNone: break;
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    }
    if (Application->MainForm() == this && action != caNone && action != caMinimize) Application->Terminate();
}

void TCustomForm::Release() { PostMessage(this, CM_RELEASE, 0, 0); }

void TCustomForm::CMRelease(TMessage&) { delete this; }

void TCustomForm::WMClose(TMessage&) { Close(); }

// ---- focus
void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == FActiveControl) return;
    if (control && (!ContainsControl(control) || control == this))
        throw EInvalidOperation("Invalid ActiveControl value");
    if (FVisible && FHandle && control && control->CanFocus()) {
        control->SetFocus();
        return;
    }
    FActiveControl = control;
}

void TCustomForm::SetFocusedControl(TWinControl* control)
{
    if (control == FFocusedControl) {
        FActiveControl = control;
        return;
    }
    TWinControl* old = FFocusedControl;
    FFocusedControl = control;
    FActiveControl = control;
    // Exit from the old control up to the first container shared with the new one, then
    // enter from below that container down to the new control.
    auto contains = [](TWinControl* a, TControl* b) { return a && b && a->ContainsControl(b); };
    for (TWinControl* c = old; c && c != this && !contains(c, control); c = c->Parent()) {
        c->Perform(CM_EXIT);
        if (FFocusedControl != control) return;   // an OnExit moved the focus elsewhere
    }
    std::vector<TWinControl*> enter;
    for (TWinControl* c = control; c && c != this && !contains(c, old); c = c->Parent()) enter.push_back(c);
    for (auto it = enter.rbegin(); it != enter.rend(); ++it) {
        (*it)->Perform(CM_ENTER);
        if (FFocusedControl != control) return;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(control));   // every control on the form hears
}

void TCustomForm::SendCancelMode(TControl* Sender)
{
    if (FActiveControl) FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<std::intptr_t>(Sender));
}

void TCustomForm::ControlGone(TControl* control)
{
    auto* w = dynamic_cast<TWinControl*>(control);
    if (!w) return;
    if (FFocusedControl && w->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
    if (FActiveControl && w->ContainsControl(FActiveControl)) FActiveControl = nullptr;
}

bool TCustomForm::OfferToControls(TWinControl* parent, TMessage& message, bool windowless)
{
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        auto* w = dynamic_cast<TWinControl*>(c);
        if ((!w && !windowless) || !c->Visible() || !c->Enabled()) continue;
        TMessage m = message;
        c->WindowProc(m);
        if (m.Result != 0) {
            message.Result = m.Result;
            return true;
        }
        if (w && OfferToControls(w, message, windowless)) return true;
    }
    return false;
}

void TCustomForm::CMDialogChar(TMessage& message) { OfferToControls(this, message, true); }

void TCustomForm::CMDialogKey(TMessage& message)
{
    const Word key = static_cast<Word>(message.WParam);
    TShiftState shift = KeyDataToShiftState(static_cast<Integer>(message.LParam));
    if (key == VK_TAB && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) {
        SelectNext(FFocusedControl, !shift.Contains(ssShift), true);
        message.Result = 1;
        return;
    }
    if (key == VK_RETURN || key == VK_ESCAPE) OfferToControls(this, message, false);
}

void TCustomForm::WMActivate(TMessage& message)
{
    const bool active = LoWord(message.WParam) != WA_INACTIVE;
    if (active == FActive) return;
    FActive = active;
    if (active) {
        Screen->SetActiveForm(this);
        Activate();
    } else {
        Deactivate();
    }
}

void TCustomForm::Activate() { OnActivate(this); }
void TCustomForm::Deactivate() { OnDeactivate(this); }

// ---- menus and MDI
void TCustomForm::SetMenu(TMainMenu* value)
{
    if (FMenu) {
        FMenu->SetWindowOwner(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = value;
    if (FMenu) {
        FMenu->SetWindowOwner(this);
        FMenu->FreeNotification(this);
    }
    UpdateMenuBar();
    if (FFormStyle == fsMDIChild)
        if (TCustomForm* frame = Application->MainForm(); frame && frame != this) frame->UpdateMenuBar();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMenu) {
        FMenu = nullptr;
        if (!ComponentState().Contains(csDestroying)) UpdateMenuBar();
    }
    if (AComponent == FWindowMenu) {
        FWindowMenu = nullptr;
        FWindowItems.clear();
    }
    FWindowItems.erase(std::remove(FWindowItems.begin(), FWindowItems.end(), AComponent), FWindowItems.end());
    if (AComponent == FActiveControl) FActiveControl = nullptr;
    if (AComponent == FFocusedControl) FFocusedControl = nullptr;
    if (AComponent == FLastActiveChild) FLastActiveChild = nullptr;
}

void TCustomForm::CMMenuChanged(TMessage&)
{
    if (FFormStyle == fsMDIChild) {
        if (TCustomForm* frame = Application->MainForm(); frame && frame != this) frame->UpdateMenuBar();
        return;
    }
    UpdateMenuBar();
}

// The frame's window menu lists a document window under its caption.
void TCustomForm::CMTextChanged(TMessage& message)
{
    TWinControl::CMTextChanged(message);
    if (FFormStyle != fsMDIChild) return;
    if (TCustomForm* frame = Application->MainForm(); frame && frame != this) frame->UpdateWindowMenu();
}

// The bar shows the form's menu; an MDI frame merges the active child's menu into it.
void TCustomForm::UpdateMenuBar()
{
    if (!FHandle || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    if (FFormStyle == fsMDIChild) return;
    std::vector<TMenuItem*> items;
    if (FMenu) {
        TCustomForm* child = FFormStyle == fsMDIForm ? ActiveMDIChild() : nullptr;
        items = FMenu->MergedItems(child ? child->Menu() : nullptr);
    }
    WindowSystem().SetMenuBar(FHandle, items);
}

Integer TCustomForm::MDIChildCount() const
{
    return FHandle && FFormStyle == fsMDIForm ? static_cast<Integer>(WindowSystem().MDIChildren(FHandle).size()) : 0;
}

TCustomForm* TCustomForm::MDIChildren(Integer index) const
{
    if (!FHandle || FFormStyle != fsMDIForm) throw EListError(ListIndexErrorMessage(index));
    auto list = WindowSystem().MDIChildren(FHandle);
    if (index < 0 || index >= static_cast<Integer>(list.size()))
        throw EListError(ListIndexErrorMessage(index));
    return dynamic_cast<TCustomForm*>(list[index]);
}

TCustomForm* TCustomForm::ActiveMDIChild() const
{
    if (!FHandle || FFormStyle != fsMDIForm) return nullptr;
    return dynamic_cast<TCustomForm*>(WindowSystem().ActiveMDIChild(FHandle));
}

void TCustomForm::Cascade() { if (FHandle) WindowSystem().ArrangeMDI(FHandle, 0); }
void TCustomForm::Tile() { if (FHandle) WindowSystem().ArrangeMDI(FHandle, FTileMode == tbHorizontal ? 1 : 2); }
void TCustomForm::ArrangeIcons() { if (FHandle) WindowSystem().ArrangeMDI(FHandle, 3); }

void TCustomForm::Next()
{
    Integer n = MDIChildCount();
    if (n > 1) WindowSystem().ActivateMDIChild(MDIChildren(n - 1)->WindowHandle());
}

void TCustomForm::Previous()
{
    if (MDIChildCount() > 1) WindowSystem().ActivateMDIChild(MDIChildren(1)->WindowHandle());
}

void TCustomForm::SetWindowMenu(TMenuItem* value)
{
    std::vector<TMenuItem*> old;
    old.swap(FWindowItems);
    for (TMenuItem* i : old) delete i;
    if (FWindowMenu) FWindowMenu->RemoveFreeNotification(this);
    FWindowMenu = value;
    if (value) value->FreeNotification(this);
    UpdateWindowMenu();
}

namespace {
// Entry of an MDI child in the frame's window menu.
class TWindowMenuItem : public TMenuItem {
public:
    TWindowMenuItem(TComponent* owner, TCustomForm* child) : TMenuItem(owner), Child(child)
    {
        OnClick = TNotifyEvent(this, &TWindowMenuItem::Activate);
    }
    void Activate(TObject*)
    {
        if (IsLive(Child) && Child->WindowHandle()) WindowSystem().ActivateMDIChild(Child->WindowHandle());
    }
    TCustomForm* Child;
};
}  // namespace

// The children are listed under the window menu as "&1 Caption", ... in creation order, the
// active one checked.
void TCustomForm::UpdateWindowMenu()
{
    if (!FWindowMenu || ComponentState().Contains(csDestroying)) return;
    std::vector<TMenuItem*> old;
    old.swap(FWindowItems);
    for (TMenuItem* i : old) delete i;
    if (!FHandle) return;
    std::vector<TWinControl*> children = WindowSystem().MDIChildren(FHandle);
    std::vector<TCustomForm*> ordered;
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        if (std::find(children.begin(), children.end(), Screen->Forms(i)) != children.end())
            ordered.push_back(Screen->Forms(i));
    TCustomForm* active = ActiveMDIChild();
    if (!ordered.empty()) {
        auto* line = new TMenuItem(this);
        line->SetCaption("-");
        FWindowMenu->Add(line);
        FWindowItems.push_back(line);
    }
    Integer n = 0;
    for (TCustomForm* child : ordered) {
        if (!child->Visible()) continue;
        auto* item = new TWindowMenuItem(this, child);
        item->SetCaption("&" + IntToStr(++n) + " " + child->Caption());
        item->SetRadioItem(true);
        item->SetChecked(child == active);
        FWindowMenu->Add(item);
        FWindowItems.push_back(item);
    }
}

// Sent to the frame when the active document window changes (LParam: the new one).
void TCustomForm::WMMDIActivate(TMessage& message)
{
    if (FFormStyle != fsMDIForm) return;
    auto* child = reinterpret_cast<TCustomForm*>(message.LParam);
    TCustomForm* old = FLastActiveChild;
    if (old == child) return;
    FLastActiveChild = child;
    if (old) old->RemoveFreeNotification(this);
    if (child) child->FreeNotification(this);
    UpdateMenuBar();
    UpdateWindowMenu();
    if (old && IsLive(old)) {
        old->FActive = false;
        old->Deactivate();
    }
    if (child) {
        child->FActive = true;
        Screen->SetActiveForm(child);
        child->Activate();
    }
}

// F1: the help context of the control (or of its nearest parent that has one, else the form's).
void TCustomForm::WMHelp(TMessage& message)
{
    Integer context = 0;
    for (TControl* c = reinterpret_cast<TControl*>(message.LParam); c && !context; c = c->Parent()) context = c->HelpContext();
    if (!context) context = HelpContext();
    if (context == 0) return;
    Application->HelpContext(context);
    message.Result = 1;
}

// ---------------------------------------------------------------- THintWindow
IMPLEMENT_CLASS(THintWindow, TCustomControl, NewComponent<THintWindow>)

THintWindowClass HintWindowClass = THintWindow::StaticClass();

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    FVisible = false;
    FParentColor = false;
    FColor = clInfoBk;
    FFont.SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.Kind = TWindowKind::wkHint;
}

TRect THintWindow::CalcHintRect(Integer MaxWidth, const String& AHint)
{
    TRect r = Rect(0, 0, MaxWidth, 0);
    TCanvas& c = Canvas();
    c.Font().Assign(FFont);
    DrawText(c.Handle(), AHint, -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& Rect, const String& AHint)
{
    SetCaption(AHint);
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    SetVisible(true);
    HandleNeeded();
    WindowSystem().SetVisible(FHandle, true);
    Invalidate();
}

void THintWindow::ReleaseHandle()
{
    SetVisible(false);
    DestroyHandle();
}

void THintWindow::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    c.Brush().SetColor(FColor);
    c.FillRect(r);
    c.Pen().SetColor(clBlack);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(r);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Font().Assign(FFont);
    InflateRect(r, -3, -1);
    c.SetBkMode(TRANSPARENT);
    DrawText(c.Handle(), Caption(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

// ---------------------------------------------------------------- TApplication
IMPLEMENT_CLASS(TApplication, TComponent, NewComponent<TApplication>)

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner)
{
    SetExceptionHandler([this](TObject* sender) { HandleException(sender); });
    SetModalResultHook(&SetFormModalResult);
    SetMouseOverHook([this](TControl* control) { HintMouseMessage(control); });
    SetMenuSelectHook([this](TMenuItem* item) { SetHint(item ? GetLongHint(item->Hint()) : String()); });
    FIcon.OnChange = [this] {
        if (WindowSystemRegistered()) WindowSystem().SetApplicationIcon(FIcon.Empty() ? nullptr : &FIcon.Image());
    };
    RegisterFormClasses();
}

TApplication::~TApplication()
{
    Destroying();
    if (Application == this) {
        SetExceptionHandler(nullptr);
        SetMouseOverHook(nullptr);
        SetMenuSelectHook(nullptr);
    }
}

void TApplication::Run()
{
    while (!FTerminated && FMainForm) HandleMessage();
}

void TApplication::ProcessMessages()
{
    WindowSystem().ProcessEvents(false);
    DeliverPostedMessages();
}

void TApplication::HandleMessage()
{
    WindowSystem().ProcessEvents(true);
    DeliverPostedMessages();
    Idle();
}

void TApplication::Idle()
{
    bool done = true;
    CallProtected(this, [&] { OnIdle(this, done); });
}

void TApplication::Terminate()
{
    FTerminated = true;
    if (WindowSystemRegistered()) WindowSystem().WakeUp();
}

void TApplication::HandleException(TObject* Sender)
{
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    try {
        std::rethrow_exception(current);
    } catch (EAbort&) {
    } catch (Exception& e) {
        if (OnException.Assigned()) OnException(Sender, e);
        else ShowException(e);
    } catch (const std::exception& e) {
        Exception wrapped(e.what());
        if (OnException.Assigned()) OnException(Sender, wrapped);
        else ShowException(wrapped);
    } catch (...) {
        Exception wrapped("Unknown exception");
        if (OnException.Assigned()) OnException(Sender, wrapped);
        else ShowException(wrapped);
    }
}

void TApplication::ShowException(const Exception& E)
{
    String text = E.Message();
    if (!text.IsEmpty() && text[text.Length()] > u'.') text += u'.';
    MessageBox(text, FTitle, MB_OK | MB_ICONSTOP);
}

Integer TApplication::MessageBox(const String& Text, const String& Caption, Cardinal Flags)
{
    return ::MessageBox(nullptr, Text, Caption.IsEmpty() ? FTitle : Caption, Flags);
}

bool TApplication::HelpCommand(Word Command, std::intptr_t Data)
{
    bool callHelp = true;
    if (OnHelp.Assigned()) {
        OnHelp(Command, Data, callHelp);
        if (!callHelp) return true;
    }
    return FHelpViewer ? FHelpViewer(Data) : false;
}

bool TApplication::HelpContext(std::intptr_t Context) { return HelpCommand(1, Context); }

void TApplication::SetHint(const String& value)
{
    if (value == FHint) return;
    FHint = value;
    OnHint(this);
}

void TApplication::HintMouseMessage(TControl* Control)
{
    if (Control == FHintControl) return;
    CancelHint();
    FHintControl = Control;
    SetHint(Control ? GetLongHint(Control->Hint()) : String());
    if (FShowHint && Control && Control->ShowHint() && !Control->Hint().IsEmpty())
        StartLayerTimer(this, static_cast<Cardinal>(FHintPause), [this] {
            StopLayerTimer(this);
            CallProtected(this, [this] { ShowHintNow(); });
        });
}

// The control hears of the hint first (CM_HINTSHOW) and may change it or refuse it.
void TApplication::ShowHintNow()
{
    if (!FHintControl) return;
    const TPoint p = Mouse->CursorPos();
    THintInfo info;
    info.HintControl = FHintControl;
    info.HintWindowClass = HintWindowClass;
    info.HintPos = TPoint{p.X, p.Y + 20};
    info.HintMaxWidth = 300;
    info.HintColor = FHintColor;
    info.CursorPos = FHintControl->ScreenToClient(p);
    info.HintStr = GetShortHint(FHintControl->Hint());
    if (FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&info)) != 0 || info.HintStr.IsEmpty())
        return;
    UseHintWindowClass(info.HintWindowClass);
    FHintWindow->SetColor(info.HintColor);
    TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr);
    OffsetRect(r, info.HintPos.X, info.HintPos.Y);
    FHintWindow->ActivateHint(r, info.HintStr);
    StartLayerTimer(this, static_cast<Cardinal>(FHintHidePause), [this] {
        StopLayerTimer(this);
        CancelHint();
    });
}

// The hint window is made again when a hint asks for another class; a class that is no hint
// window gives the plain one.
void TApplication::UseHintWindowClass(THintWindowClass cls)
{
    if (!cls || !cls->InheritsFrom(THintWindow::StaticClass()) || !cls->CanCreate()) cls = THintWindow::StaticClass();
    if (FHintWindow && FHintWindow->ClassType() == cls) return;
    delete FHintWindow;
    FHintWindow = static_cast<THintWindow*>(cls->Create(this));
}

void TApplication::CancelHint()
{
    StopLayerTimer(this);
    if (FHintWindow && FHintWindow->Visible()) FHintWindow->ReleaseHandle();
    FHintControl = nullptr;
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMainForm) FMainForm = nullptr;
    if (AComponent == FHintWindow) FHintWindow = nullptr;
    if (AComponent == FHintControl) FHintControl = nullptr;
}

String TApplication::ExeName() const
{
    if (!FExeName.IsEmpty()) return FExeName;
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? String(std::string(buf, static_cast<size_t>(n))) : String();
}

bool TApplication::Active() const
{
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i)->Active()) return true;
    return false;
}

void TApplication::BringToFront()
{
    if (FMainForm) FMainForm->BringToFront();
}

void TApplication::Minimize()
{
    if (FMainForm) FMainForm->SetWindowState(wsMinimized);
}

void TApplication::Restore()
{
    if (FMainForm) FMainForm->SetWindowState(wsNormal);
}

// ---------------------------------------------------------------- TScreen
IMPLEMENT_CLASS(TScreen, TComponent, NewComponent<TScreen>)

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {}

Integer TScreen::Width() const { return WindowSystem().ScreenRect().Right; }
Integer TScreen::Height() const { return WindowSystem().ScreenRect().Bottom; }
TRect TScreen::WorkAreaRect() const { return WindowSystem().ScreenRect(); }

void TScreen::SetCursor(TCursor value)
{
    FCursor = value;
    WindowSystem().SetScreenCursor(value == crDefault ? crDefault : Cursors(value));
}

TCursor TScreen::Cursors(Integer index) const { return CursorHandle(index); }

void TScreen::SetCursors(Integer index, TCursor handle) { SetCursorHandle(index, handle); }

TWinControl* TScreen::ActiveControl() const { return FActiveForm ? FActiveForm->ActiveControl() : nullptr; }

std::vector<String> TScreen::Fonts() const { return FontEngine().Families(); }

const std::vector<std::unique_ptr<TMonitor>>& TScreen::MonitorList() const
{
    if (FMonitors.empty())
        for (const TMonitorFacts& facts : MonitorsBackend().Monitors())
            FMonitors.push_back(std::make_unique<TMonitor>(facts.Handle, static_cast<Integer>(FMonitors.size())));
    return FMonitors;
}

TMonitor* TScreen::MonitorFromRect(const TRect& ARect) const
{
    TMonitor* best = MonitorList().empty() ? nullptr : MonitorList().front().get();
    Int64 bestArea = 0;
    for (const auto& monitor : MonitorList()) {
        TRect overlap;
        if (!IntersectRect(overlap, ARect, monitor->BoundsRect())) continue;
        const Int64 area = Int64(overlap.Width()) * overlap.Height();
        if (area > bestArea) {
            best = monitor.get();
            bestArea = area;
        }
    }
    return best;
}

TMonitorFacts TMonitor::Facts() const
{
    for (const TMonitorFacts& facts : MonitorsBackend().Monitors())
        if (facts.Handle == FHandle) return facts;
    return {};
}

void TScreen::AddForm(TCustomForm* form) { FForms.push_back(form); }

void TScreen::RemoveForm(TCustomForm* form)
{
    FForms.erase(std::remove(FForms.begin(), FForms.end(), form), FForms.end());
    if (FActiveForm == form) SetActiveForm(nullptr);
}

void TScreen::SetActiveForm(TCustomForm* form)
{
    if (FActiveForm == form) return;
    FActiveForm = form;
    OnActiveFormChange(this);
}

TCursor LoadCursorFromResource(const String& name)
{
    const char* types[] = {"CURSOR", "RCDATA"};
    for (const char* type : types) {
        if (!ResourceExists(name, type)) continue;
        TResourceStream stream(name, type);
        std::vector<Byte> bytes(static_cast<size_t>(stream.Size()));
        if (!bytes.empty()) stream.ReadBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        return WindowSystem().RegisterCursor(bytes);
    }
    throw EResNotFound("Resource " + name + " not found");
}
