#pragma once
// Forms, the application object and the screen.
//
// A form is a top-level window (or an MDI frame or document window).  It is the root of focus:
// its active control changes through SetFocusedControl, which sends CM_EXIT up the old control's
// chain and CM_ENTER down the new one's, so OnExit and OnEnter never depend on the toolkit's
// focus events.  With KeyPreview the form sees each key before the focused control.  ShowModal
// runs a nested event loop until ModalResult is set.
#include <functional>
#include <vector>

#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/forms/MonitorsBackend.h"
#include "platform/stdctrls/Menus.h"

enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
                 poMainFormCenter, poOwnerFormCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TTileMode { tbHorizontal, tbVertical };
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = Set<TBorderIcon>;

using TModalResult = Integer;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6,
                       mrNo = 7, mrAll = 8, mrNoToAll = 9, mrYesToAll = 10, mrClose = 11;

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TMonitor;

class TCustomForm : public TWinControl {
    DECLARE_CLASS(TCustomForm, TWinControl)
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;

    // Reads the form's description (the resource named after its class, or after the nearest
    // ancestor class that has one) and runs OnCreate.  Called once the form is fully built.
    void InitializeForm();

    // ---- showing and closing
    void Show();
    void Hide();
    // Shows the form modally and returns its ModalResult once set (mrCancel when the form is
    // closed otherwise).  EInvalidOperation "Cannot make a visible window modal" when visible.
    virtual TModalResult ShowModal();
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    bool Modal() const { return FModal; }
    void Close();
    // OnCloseQuery (and every MDI child's) answers whether the form may close.
    virtual bool CloseQuery();
    // Frees the form once the messages being handled are done.
    void Release();
    void BringToFront();

    // ---- properties
    // A form designed at PixelsPerInch follows the screen's resolution when Scaled.
    bool Scaled() const { return FScaled; }
    void SetScaled(bool value) { FScaled = value; }
    Integer PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(Integer value) { FPixelsPerInch = value > 0 ? value : FPixelsPerInch; }
    // The display that shows most of the form.
    TMonitor* Monitor() const;
    TFormStyle FormStyle() const { return FFormStyle; }
    void SetFormStyle(TFormStyle value);
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TFormBorderStyle value);
    TBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TBorderIcons value);
    TPosition Position() const { return FPosition; }
    void SetPosition(TPosition value) { FPosition = value; }
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState value);
    bool KeyPreview() const { return FKeyPreview; }
    void SetKeyPreview(bool value) { FKeyPreview = value; }
    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* value);
    TCanvas& Canvas();

    // ---- focus
    TWinControl* ActiveControl() const { return FActiveControl; }
    void SetActiveControl(TWinControl* control);
    // The control whose OnEnter ran last (the form's focus), or null.
    TWinControl* FocusedControl() const { return FFocusedControl; }
    void FocusControl(TWinControl* control) { if (control) control->SetFocus(); }
    bool Active() const { return FActive; }

    // ---- multiple-document interface
    Integer MDIChildCount() const;
    TCustomForm* MDIChildren(Integer index) const;   // most recently active first
    TCustomForm* ActiveMDIChild() const;
    void Cascade();
    void Tile();
    void ArrangeIcons();
    void Next();
    void Previous();
    TTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TTileMode value) { FTileMode = value; }
    // The menu item under which the MDI children are listed.
    TMenuItem* WindowMenu() const { return FWindowMenu; }
    void SetWindowMenu(TMenuItem* value);

    // ---- events
    TNotifyEvent OnCreate, OnDestroy, OnShow, OnHide, OnActivate, OnDeactivate, OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

    // ---- what TWinControl asks a form
    bool IsFormWindow() const override { return true; }
    bool KeyPreviewActive() const override { return FKeyPreview; }
    void SetFocusedControl(TWinControl* control) override;
    void SendCancelMode(TControl* Sender) override;
    void ControlGone(TControl* control) override;
    void WindowStateChanged(Integer state) override { FWindowState = static_cast<TWindowState>(state); }
    TRect ClientRect() const override;
    bool Showing() const override { return FVisible; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void InitializeWindow() override;
    void PaintWindow(TCanvas& canvas) override;
    virtual void Paint();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(TCloseAction& Action);
    virtual void Activate();
    virtual void Deactivate();
    void Notification(TComponent* AComponent, TOperation Operation) override;
    TSize SurfaceSize() const override;
    void Loaded() override;
    // An MDI frame's client holds the children in what the aligned controls leave.
    void AlignControls(TControl* AControl, TRect& Rect) override;

    void CMDialogKey(TMessage& message);
    void CMDialogChar(TMessage& message);
    void CMShowingChanged(TMessage& message);
    void CMRelease(TMessage& message);
    void CMMenuChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void WMClose(TMessage& message);
    void WMActivate(TMessage& message);
    void WMMDIActivate(TMessage& message);
    void WMHelp(TMessage& message);

private:
    void CloseModal();
    void ApplyFrame();   // border style, border icons and stay-on-top to the window
    void UpdateMenuBar();
    void UpdateWindowMenu();
    void PlaceOnScreen();
    // Offers the message to every visible, enabled control inside parent until one answers.
    bool OfferToControls(TWinControl* parent, TMessage& message, bool windowless);

    TFormStyle FFormStyle = fsNormal;
    bool FScaled = true;
    Integer FPixelsPerInch = 96;
    TFormBorderStyle FBorderStyle = bsSizeable;
    TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
    TPosition FPosition = poDesigned;
    TWindowState FWindowState = wsNormal;
    bool FKeyPreview = false;
    TMainMenu* FMenu = nullptr;
    TWinControl* FActiveControl = nullptr;
    TWinControl* FFocusedControl = nullptr;
    TModalResult FModalResult = mrNone;
    bool FModal = false;
    bool FActive = false;
    bool FShown = false;
    TTileMode FTileMode = tbHorizontal;
    TMenuItem* FWindowMenu = nullptr;
    std::vector<TMenuItem*> FWindowItems;   // the children's entries under WindowMenu
    TCustomForm* FLastActiveChild = nullptr;
};

class TForm : public TCustomForm {
    DECLARE_CLASS(TForm, TCustomForm)
public:
    explicit TForm(TComponent* AOwner) : TCustomForm(AOwner) {}
};

// A form of class T owned by AOwner, with its description read and OnCreate run.
template <class T>
T* CreateForm(TComponent* AOwner)
{
    auto* form = new T(AOwner);
    try {
        form->InitializeForm();
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

using TFormClass = TClass;

const TEnumTypeInfo& TypeInfoOf(TFormStyle);
const TEnumTypeInfo& TypeInfoOf(TPosition);
const TEnumTypeInfo& TypeInfoOf(TWindowState);
const TEnumTypeInfo& TypeInfoOf(TBorderIcon);
const TEnumTypeInfo& TypeInfoOf(TCloseAction);

// Registers the forms' and dialogs' classes (and the controls') for form descriptions; the
// application object calls it.
void RegisterFormClasses();

// The form a control is on, or null.
TCustomForm* GetParentForm(const TControl* Control);

// ---------------------------------------------------------------- application
using TExceptionEvent = TEvent<TObject*, Exception&>;
using TIdleEvent = TEvent<TObject*, bool&>;
using THelpEvent = TEvent<Word, std::intptr_t, bool&>;   // command, data, CallHelp -> handled

class TApplication : public TComponent {
    DECLARE_CLASS(TApplication, TComponent)
public:
    explicit TApplication(TComponent* AOwner);
    ~TApplication() override;

    void Initialize() {}
    // Creates a form owned by the application; the first one becomes the main form.
    template <class T>
    void CreateForm(T*& Reference)
    {
        Reference = new T(this);
        if (!FMainForm) FMainForm = Reference;
        Reference->InitializeForm();
    }
    void Run();
    // Handles the pending events and posted messages, then returns.
    void ProcessMessages();
    // Waits for and handles events, then runs the idle step.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return FTerminated; }
    void ResetTerminated() { FTerminated = false; }

    // The exception being handled (inside a catch): OnException when assigned, else the
    // standard error box.  EAbort is silent.
    void HandleException(TObject* Sender);
    void ShowException(const Exception& E);
    // A message box with the application's title as default caption (MB_* flags).
    Integer MessageBox(const String& Text, const String& Caption, Cardinal Flags);

    // Help: OnHelp decides; without a handler the request goes to the help viewer hook.
    bool HelpContext(std::intptr_t Context);
    bool HelpCommand(Word Command, std::intptr_t Data);
    void SetHelpViewer(std::function<bool(std::intptr_t context)> viewer) { FHelpViewer = std::move(viewer); }

    // Hints.
    const String& Hint() const { return FHint; }
    void SetHint(const String& value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value) { FShowHint = value; }
    Integer HintPause() const { return FHintPause; }
    void SetHintPause(Integer value) { FHintPause = value; }
    Integer HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(Integer value) { FHintHidePause = value; }
    TColor HintColor() const { return FHintColor; }
    void SetHintColor(TColor value) { FHintColor = value; }
    void CancelHint();
    // The mouse moved over control (the back end reports it for hints).
    void HintMouseMessage(TControl* Control);
    // The hint window currently shown, or null.
    class THintWindow* HintWindow() const { return FHintWindow; }

    TCustomForm* MainForm() const { return FMainForm; }
    void SetMainForm(TCustomForm* form) { FMainForm = form; }
    const String& Title() const { return FTitle; }
    void SetTitle(const String& value) { FTitle = value; }
    // The program's icon: the windows' title bars and the task bar show it.
    TIcon& Icon() { return FIcon; }
    // The program's help file, as the program names it.
    const String& HelpFile() const { return FHelpFile; }
    void SetHelpFile(const String& value) { FHelpFile = value; }
    String ExeName() const;
    void SetExeName(const String& value) { FExeName = value; }
    bool Active() const;
    void BringToFront();
    void Minimize();
    void Restore();

    TExceptionEvent OnException;
    TIdleEvent OnIdle;
    THelpEvent OnHelp;
    TNotifyEvent OnHint, OnActivate, OnDeactivate;

    // Test driver: called when a modal loop (form or message box) is about to wait; a queued
    // answer takes it.
    std::function<bool(TCustomForm* form)> ModalHook;

    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void Idle();
    void ShowHintNow();
    void UseHintWindowClass(TClass cls);
    bool FTerminated = false;
    TCustomForm* FMainForm = nullptr;
    String FTitle = "Dorvane";
    String FHelpFile;
    String FExeName;
    String FHint;
    bool FShowHint = true;
    Integer FHintPause = 500, FHintHidePause = 2500;
    TColor FHintColor = clInfoBk;
    TControl* FHintControl = nullptr;
    class THintWindow* FHintWindow = nullptr;
    std::function<bool(std::intptr_t)> FHelpViewer;
    TIcon FIcon;
};

// ---------------------------------------------------------------- hints
// A class reference to THintWindow or a descendant.
using THintWindowClass = TClass;
// The class of the window every hint shows in unless its control asks for another one; a hint
// component may put its own in (THintWindow at start).
extern THintWindowClass HintWindowClass;

// The hint about to be shown for a control.  The control receives it with CM_HINTSHOW (LParam:
// the record) and may change the text, the colour, the window's place and the window class;
// a non-zero answer shows no hint.
struct THintInfo {
    TControl* HintControl = nullptr;
    THintWindowClass HintWindowClass = nullptr;
    TPoint HintPos;              // top-left corner of the hint window, screen coordinates
    Integer HintMaxWidth = 0;    // the text is wrapped at this width
    TColor HintColor = clInfoBk;
    TPoint CursorPos;            // the mouse, client coordinates of the control
    String HintStr;
};

class THintWindow : public TCustomControl {
    DECLARE_CLASS(THintWindow, TCustomControl)
public:
    explicit THintWindow(TComponent* AOwner);
    // Shows the window over Rect (screen coordinates) with the text.
    virtual void ActivateHint(const TRect& Rect, const String& AHint);
    virtual void ReleaseHandle();
    // The size the text needs, within MaxWidth.
    virtual TRect CalcHintRect(Integer MaxWidth, const String& AHint);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
};

// ---------------------------------------------------------------- screen
// One display.  Its rectangles are asked of the toolkit each time, so they follow a changed
// resolution or moved panels; a display that was disconnected answers empty rectangles.
class TMonitor {
public:
    TMonitor(HMONITOR handle, Integer monitorNum) : FHandle(handle), FMonitorNum(monitorNum) {}
    HMONITOR Handle() const { return FHandle; }
    Integer MonitorNum() const { return FMonitorNum; }
    bool Primary() const { return Facts().Primary; }
    TRect BoundsRect() const { return Facts().Bounds; }
    TRect WorkareaRect() const { return Facts().WorkArea; }
    // 96 for a display that was disconnected.
    Integer PixelsPerInch() const { return Facts().PixelsPerInch; }

private:
    TMonitorFacts Facts() const;
    HMONITOR FHandle;
    Integer FMonitorNum;
};

class TScreen : public TComponent {
    DECLARE_CLASS(TScreen, TComponent)
public:
    explicit TScreen(TComponent* AOwner);
    Integer Width() const;
    Integer Height() const;
    TRect WorkAreaRect() const;
    Integer PixelsPerInch() const { return 96; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    // Registered cursors by number; standard ones are the negative crXXX values.
    TCursor Cursors(Integer index) const;
    void SetCursors(Integer index, TCursor handle);
    Integer FormCount() const { return static_cast<Integer>(FForms.size()); }
    TCustomForm* Forms(Integer index) const { return FForms.at(index); }
    TCustomForm* ActiveForm() const { return FActiveForm; }
    TWinControl* ActiveControl() const;
    std::vector<String> Fonts() const;
    // The displays, the primary one first, as they were when the list was first asked for.
    Integer MonitorCount() const { return static_cast<Integer>(MonitorList().size()); }
    TMonitor* Monitors(Integer index) const { return MonitorList().at(index).get(); }
    // The display that shows most of the rectangle; the primary one when none shows any of it.
    TMonitor* MonitorFromRect(const TRect& ARect) const;

    // Forms register and unregister themselves; the active form is the one last activated.
    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    // OnActiveFormChange fires when another form (or none) becomes the active one.
    void SetActiveForm(TCustomForm* form);
    TNotifyEvent OnActiveFormChange;

private:
    const std::vector<std::unique_ptr<TMonitor>>& MonitorList() const;
    std::vector<TCustomForm*> FForms;
    TCustomForm* FActiveForm = nullptr;
    TCursor FCursor = crDefault;
    mutable std::vector<std::unique_ptr<TMonitor>> FMonitors;
};

// A cursor registered from the program's resources ("CURHAND"): a ".cur" resource of type
// "CURSOR" (or RCDATA).  EResNotFound when missing.
TCursor LoadCursorFromResource(const String& name);

extern TApplication* Application;
extern TScreen* Screen;
