#pragma once
// The control bases: TControl (any control), TWinControl (a control with a window of its own,
// children, focus and keys), TCustomControl (owner drawn through Canvas and Paint) and
// TGraphicControl (windowless, painted and fed mouse messages by its parent).
//
// Messages go WindowProc -> WndProc -> Dispatch (the class's handler table, with
// InheritedMessage) -> DefaultHandler.  Replacing WindowProc subclasses a control.  The back end
// delivers every toolkit event through MainWndProc, which hands any exception to the
// application's handler so that none crosses the toolkit.
//
// Painting: an owner-drawn window paints into a persistent 32-bit surface of its own size.
// Invalidated areas collect in an update region; the paint cycle erases them (WM_ERASEBKGND)
// and sends WM_PAINT with the canvas clipped to them.  Outside WM_PAINT the control's Canvas
// draws straight onto the surface, which the window then shows without any invalidation.
#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Alignment.h"
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"
#include "platform/classes/TypInfo.h"
#include "platform/controls/ActnList.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WindowSystem.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Regions.h"

class TWinControl;
class TPopupMenu;
class TControlActionLink;

// ---------------------------------------------------------------- enumerations
enum TControlStyleFlag {
    csAcceptsControls, csCaptureMouse, csDesignInteractive, csClickEvents, csFramed, csSetCaption, csOpaque,
    csDoubleClicks, csFixedWidth, csFixedHeight, csNoDesignVisible, csReplicatable, csNoStdEvents,
    csDisplayDragImage, csReflector, csActionClient, csMenuEvents, csNeedsBorderPaint, csParentBackground
};
using TControlStyle = Set<TControlStyleFlag>;

enum TControlStateFlag {
    csLButtonDown, csClicked, csPalette, csReadingState, csAlignmentNeeded, csFocusing, csCreating,
    csPaintCopy, csCustomPaint, csDestroyingHandle, csDocking, csRecreating, csGlassPaint
};
using TControlState = Set<TControlStateFlag>;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = Set<TAnchorKind>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateFlag>;

// Dragging: how a drag starts (dmManual: BeginDrag; dmAutomatic: a left press), what it is
// (dkDrag: drag and drop; dkDock: a dock drag), and what a control under the mouse is told.
enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// The parts of a control a custom style may colour.
enum TStyleElement { seFont, seClient, seBorder };
using TStyleElements = Set<TStyleElement>;

// Border styles of forms; a control's TBorderStyle uses the first two.
using TBorderStyle = TFormBorderStyle;

// Scroll-bar state of a window (see SetScrollInfo below).
struct SCROLLINFO {
    Cardinal cbSize = sizeof(SCROLLINFO);
    Cardinal fMask = 0;
    Integer nMin = 0;
    Integer nMax = 0;
    Cardinal nPage = 0;
    Integer nPos = 0;
    Integer nTrackPos = 0;
};
enum : Cardinal { SIF_RANGE = 0x1, SIF_PAGE = 0x2, SIF_POS = 0x4, SIF_DISABLENOSCROLL = 0x8, SIF_TRACKPOS = 0x10,
                  SIF_ALL = 0x17 };

// Value names of the enumerations for form descriptions.
const TEnumTypeInfo& TypeInfoOf(TAlign);
const TEnumTypeInfo& TypeInfoOf(TAnchorKind);
const TEnumTypeInfo& TypeInfoOf(TFormBorderStyle);
const TEnumTypeInfo& TypeInfoOf(TFontStyle);
const TEnumTypeInfo& TypeInfoOf(TFontPitch);
const TEnumTypeInfo& TypeInfoOf(TPenStyle);
const TEnumTypeInfo& TypeInfoOf(TBrushStyle);
const TEnumTypeInfo& TypeInfoOf(TDragMode);
const TEnumTypeInfo& TypeInfoOf(TDragKind);
const TEnumTypeInfo& TypeInfoOf(TStyleElement);

// Registers the controls' classes with the class registry and publishes their properties (and
// those of the graphics objects they hold: fonts, colours, cursors).  Calling it again does
// nothing; the application object calls it.
void RegisterControlClasses();

// Standard cursors; positive numbers are cursors registered with the screen.
constexpr TCursor crDefault = 0, crNone = -1, crArrow = -2, crCross = -3, crIBeam = -4, crSizeNESW = -6,
                  crSizeNS = -7, crSizeNWSE = -8, crSizeWE = -9, crUpArrow = -10, crHourGlass = -11,
                  crDrag = -12, crNoDrop = -13, crHSplit = -14, crVSplit = -15, crMultiDrag = -16,
                  crSQLWait = -17, crNo = -18, crAppStart = -19, crHelp = -20, crHandPoint = -21,
                  crSizeAll = -22, crSize = -22;

// The screen's cursor table: index (crXXX, or a positive number the program chose) to the
// window system's cursor handle.  Standard cursors map to themselves.
void SetCursorHandle(Integer index, TCursor handle);
TCursor CursorHandle(Integer index);

// True when the caption's accelerator ("&Name": N) is the character (letter case ignored).
bool IsAccel(Word VK, const String& Str);

// Shift state of a key message's KeyData and of a mouse message's key flags.
TShiftState KeyDataToShiftState(Integer keyData);
Integer ShiftStateToKeyData(TShiftState shift);
TShiftState KeysToShiftState(Cardinal keys);
Cardinal ShiftStateToKeys(TShiftState shift);

// ---------------------------------------------------------------- event types
using TWndMethod = TEvent<TMessage&>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, Integer, Integer>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, Integer, Integer>;
using TKeyEvent = TEvent<TObject*, Word&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, char16_t&>;
using TMouseWheelEvent = TEvent<TObject*, TShiftState, Integer, TPoint, bool&>;
// Sender, Shift, MousePos, Handled (may be set).
using TMouseWheelUpDownEvent = TEvent<TObject*, TShiftState, TPoint, bool&>;
using TContextPopupEvent = TEvent<TObject*, TPoint, bool&>;
// Sender, NewWidth, NewHeight (may be changed), Resize (may be cleared to refuse the size).
using TCanResizeEvent = TEvent<TObject*, Integer&, Integer&, bool&>;

// What a drag carries: a program may hand its own object to OnStartDrag (it stays the
// program's), and the controls under the mouse then get it as Source instead of the control.
class TDragObject : public TObject {
    DECLARE_CLASS(TDragObject, TObject)
};
class TDragDockObject : public TDragObject {
    DECLARE_CLASS(TDragDockObject, TDragObject)
};
// Sender (the control under the mouse), Source, X, Y (its client point).
using TDragDropEvent = TEvent<TObject*, TObject*, Integer, Integer>;
// Sender, Source, X, Y, State, Accept (may be set; true on entry).
using TDragOverEvent = TEvent<TObject*, TObject*, Integer, Integer, TDragState, bool&>;
// Sender, DragObject (null on entry; may be set).
using TStartDragEvent = TEvent<TObject*, TDragObject*&>;
using TStartDockEvent = TEvent<TObject*, TDragDockObject*&>;
// Sender, Target (the control dropped on; null when none took the drop), X, Y.
using TEndDragEvent = TEvent<TObject*, TObject*, Integer, Integer>;

// Runs fn; an exception it raises goes to the registered exception handler (the application's
// HandleException) with sender, and does not propagate.
void CallProtected(TObject* sender, const std::function<void()>& fn);
// The handler the application installs; without one, the exception's message is written to
// the standard error stream.
void SetExceptionHandler(std::function<void(TObject* sender)> handler);

// ---------------------------------------------------------------- size constraints
class TSizeConstraints : public TPersistent {
    DECLARE_CLASS(TSizeConstraints, TPersistent)
public:
    explicit TSizeConstraints(class TControl* control = nullptr) : FControl(control) {}
    Integer MinWidth() const { return FMinWidth; }
    Integer MinHeight() const { return FMinHeight; }
    Integer MaxWidth() const { return FMaxWidth; }    // 0: none
    Integer MaxHeight() const { return FMaxHeight; }
    void SetMinWidth(Integer v);
    void SetMinHeight(Integer v);
    void SetMaxWidth(Integer v);
    void SetMaxHeight(Integer v);
    void Assign(TPersistent* source) override;
    // The size within the constraints.
    void Apply(Integer& width, Integer& height) const;

private:
    void Changed();
    TControl* FControl;
    Integer FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
};

// A surface an owner-drawn window paints into: 32-bit pixels of the window's size.
class TWindowSurface : public TPaintDevice {
public:
    explicit TWindowSurface(TWinControl* owner) : FOwner(owner) {}
    bool GetPixels(TPixelBuffer& buffer) override;
    TSize DeviceSize() const override { return {FWidth, FHeight}; }
    void Changed(const TRect& deviceArea) override;
    // New size; the pixels that still fit are kept, new ones take `fill`.
    void Resize(Integer width, Integer height, Cardinal fill);
    const Cardinal* Bits() const { return FPixels.data(); }
    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }
    // Copies the rows/columns of `area` by dx, dy (scrolling).
    void Scroll(const TRect& area, Integer dx, Integer dy);

private:
    TWinControl* FOwner;
    std::vector<Cardinal> FPixels;
    Integer FWidth = 0, FHeight = 0;
};

// A canvas on a control's surface: the client area's origin and clip are set by the owner.
class TControlCanvas : public TCanvas {
public:
    explicit TControlCanvas(class TControl* control) : FControl(control) {}
    TControl* Control() const { return FControl; }
    // Points the canvas at the surface, with the client origin at `origin` and clipped to `clip`
    // (device pixels); a null surface detaches it.
    void Attach(TWindowSurface* surface, TPoint origin, const TRegion& clip);

private:
    TControl* FControl;
};

// ---------------------------------------------------------------- TControl
class TControl : public TComponent {
    DECLARE_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    // ---- messages
    TWndMethod WindowProc;          // subclassing = replacing it; Perform goes through it
    virtual void WndProc(TMessage& message);
    std::intptr_t Perform(Cardinal msg, std::intptr_t wParam = 0, std::intptr_t lParam = 0);
    // WindowProc, with any exception handed to the application's handler.
    void MainWndProc(TMessage& message);

    // ---- geometry (relative to the parent's client area)
    Integer Left() const { return FLeft; }
    Integer Top() const { return FTop; }
    Integer Width() const { return FWidth; }
    Integer Height() const { return FHeight; }
    void SetLeft(Integer v) { SetBounds(v, FTop, FWidth, FHeight); }
    void SetTop(Integer v) { SetBounds(FLeft, v, FWidth, FHeight); }
    void SetWidth(Integer v) { SetBounds(FLeft, FTop, v, FHeight); }
    void SetHeight(Integer v) { SetBounds(FLeft, FTop, FWidth, v); }
    virtual void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight);
    TRect BoundsRect() const { return Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const;
    Integer ClientWidth() const { return ClientRect().Width(); }
    Integer ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(Integer v);
    void SetClientHeight(Integer v);
    virtual TPoint ClientOrigin() const;   // screen position of the client area's top-left
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;
    TPoint ClientToParent(TPoint p, TWinControl* AParent = nullptr) const;

    TAlign Align() const { return FAlign; }
    void SetAlign(TAlign value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors value);
    TSizeConstraints& Constraints() { return FConstraints; }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool value);

    // ---- tree and state
    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    // Visible, and so are all its parents.
    virtual bool Showing() const;
    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle value) { FControlStyle = value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState value) { FControlState = value; }
    void BringToFront();
    // The form the control is on: the nearest windowed ancestor (or itself) that is a form
    // window, else the topmost parent; null for a control without parent that is no window.
    TWinControl* FormWindow() const;

    // ---- text, colour, font, cursor, hint
    String Caption() const { return GetText(); }
    void SetCaption(const String& value) { SetText(value); }
    virtual String GetText() const;
    virtual void SetText(const String& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool value);
    TFont& Font() { return FFont; }
    const TFont& Font() const { return FFont; }
    void SetFont(const TFont& value) { FFont.Assign(value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool value);

    // ---- resolution
    // The pixels per inch the control's position, size and font are given in (the screen's at first).
    Integer CurrentPPI() const { return FCurrentPPI; }
    // Rescales the control from CurrentPPI to NewPPI; a windowed control rescales its children too.
    void ScaleForPPI(Integer NewPPI);
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor value);
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { FHint = value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* value);
    Integer HelpContext() const { return FHelpContext; }
    void SetHelpContext(Integer value) { FHelpContext = value; }

    // ---- dragging and docking
    TCursor DragCursor() const { return FDragCursor; }
    void SetDragCursor(TCursor value) { FDragCursor = value; }
    TDragKind DragKind() const { return FDragKind; }
    void SetDragKind(TDragKind value) { FDragKind = value; }
    TDragMode DragMode() const { return FDragMode; }
    void SetDragMode(TDragMode value) { FDragMode = value; }
    // Starts a drag from the control (OnStartDrag; with DragKind dkDock a dock drag, OnStartDock)
    // and gives it the mouse.  The drag moves at once when Immediate, else once the mouse is
    // Threshold pixels (negative: Mouse->DragThreshold) away from the start.  While it moves, the
    // control under the mouse is asked whether it takes the drop (DragOver), and the cursor is
    // DragCursor where it does, crNoDrop elsewhere.  A button's release drops on the control
    // that took it (OnDragDrop); Escape cancels.  The control then gets OnEndDrag with the target
    // (null when none took the drop) and the point in the client area of the control under the
    // mouse (on the screen when there is none).  A dock drag knows no docking sites: it only
    // starts and ends (OnEndDock, never with a target).  Nothing happens while a drag is under way.
    void BeginDrag(bool Immediate, Integer Threshold = -1);
    // Ends the control's drag: a drop where the mouse is, or (Drop false) a cancel.
    void EndDrag(bool Drop);
    bool Dragging() const;

    // The parts a custom style colours; no custom style exists here, so drawing never uses it.
    TStyleElements StyleElements() const { return FStyleElements; }
    void SetStyleElements(TStyleElements value) { FStyleElements = value; }

    // ---- form descriptions: a control is read inside its parent
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // ---- painting
    virtual void Invalidate();
    virtual void Update();
    virtual void Repaint();
    void Refresh() { Repaint(); }

    // ---- events
    TNotifyEvent OnClick, OnDblClick, OnResize;
    // Asked before a new size is taken: it may change the size or refuse it (nothing changes).
    TCanResizeEvent OnCanResize;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter, OnMouseLeave;
    TContextPopupEvent OnContextPopup;
    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TStartDragEvent OnStartDrag;
    TEndDragEvent OnEndDrag;
    TStartDockEvent OnStartDock;
    TEndDragEvent OnEndDock;

    // A click runs the control's own OnClick when it has one other than the action's handler,
    // else the action (with the control as its ActionComponent).
    virtual void Click();
    virtual void DblClick();

    // ---- action
    // The action whose caption, enabled state, hint, help context and visibility the control
    // shows, and that its click runs; null for none.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);

protected:
    // Takes the values of a TCustomAction; with CheckDefaults only where the control still has
    // its default (no caption, enabled, no hint, visible, no OnClick, help context 0).
    virtual void ActionChange(TObject* Sender, bool CheckDefaults);
    TControlActionLink* ActionLink() const { return FActionLink.get(); }
    // The link a control makes for its action.
    using TControlActionLinkClass = std::unique_ptr<TControlActionLink> (*)(TControl* Client);
    virtual TControlActionLinkClass GetActionLinkClass() const;
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y);
    virtual void MouseMove(TShiftState Shift, Integer X, Integer Y);
    virtual void Resize();
    // True when the control takes a new size (which it may change); asks OnCanResize.
    virtual bool CanResize(Integer& NewWidth, Integer& NewHeight);
    virtual void Loaded() override;
    // The size AutoSize would give; false keeps the size.
    virtual bool CanAutoSize(Integer& NewWidth, Integer& NewHeight);
    virtual void AdjustSize();
    // Changes the bounds without notifications; windowed controls also move their window.
    virtual void UpdateBoundsRect(const TRect& r);
    void ParentChanged();   // parent font/colour taken over after SetParent
    // Position, size and (unless it follows the parent) font height times M / D.
    virtual void ChangeScale(Integer M, Integer D);
    virtual void VisibleChanging() {}
    // The control under the mouse in a drag: whether it takes Source's drop at X, Y (OnDragOver
    // decides; without one it takes nothing), and the drop.
    virtual void DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept);
    virtual void DragDrop(TObject* Source, Integer X, Integer Y);
    // The source of a drag as it starts and ends.
    virtual void DoStartDrag(TDragObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, Integer X, Integer Y);
    virtual void DoStartDock(TDragDockObject*& DragObject);
    virtual void DoEndDock(TObject* Target, Integer X, Integer Y);

    // Message handlers.
    void WMLButtonDown(TMessage& message);
    void WMLButtonUp(TMessage& message);
    void WMLButtonDblClk(TMessage& message);
    void WMRButtonDown(TMessage& message);
    void WMRButtonUp(TMessage& message);
    void WMRButtonDblClk(TMessage& message);
    void WMMButtonDown(TMessage& message);
    void WMMButtonUp(TMessage& message);
    void WMMouseMove(TMessage& message);
    void WMContextMenu(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMParentFontChanged(TMessage& message);
    void CMParentColorChanged(TMessage& message);
    void CMParentShowHintChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMMouseEnter(TMessage& message);
    void CMMouseLeave(TMessage& message);
    void CMHitTest(TMessage& message);

    void Notification(TComponent* AComponent, TOperation Operation) override;

    Integer FLeft = 0, FTop = 0, FWidth = 0, FHeight = 0;
    TWinControl* FParent = nullptr;
    bool FVisible = true;
    bool FEnabled = true;
    TControlStyle FControlStyle{csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    TControlState FControlState;
    String FText;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TFont FFont;
    bool FParentFont = true;
    Integer FCurrentPPI = 96;
    TCursor FCursor = crDefault;
    bool FAutoSize = false;

private:
    friend class TDragOperation;
    // A drag's use of the control's mouse input: the moves and the release of the drag it is
    // the source of, and the left press that starts an automatic drag.  True when used.
    bool DragMouseInput(TMessage& message);
    void DoMouseDown(TMessage& message, TMouseButton button, TShiftState extra);
    void DoMouseUp(TMessage& message, TMouseButton button);
    void FontChanged();
    friend class TWinControl;
    friend class TSizeConstraints;

    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TSizeConstraints FConstraints{this};
    String FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TPopupMenu* FPopupMenu = nullptr;
    Integer FHelpContext = 0;
    TCursor FDragCursor = crDrag;
    TDragKind FDragKind = dkDrag;
    TDragMode FDragMode = dmManual;
    TStyleElements FStyleElements{seFont, seClient, seBorder};
    // Distances to the parent's right and bottom edges kept by right/bottom anchors.
    Integer FAnchorRight = 0, FAnchorBottom = 0;
    bool FAnchorsKnown = false;
    bool FSettingFont = false;
    std::unique_ptr<TControlActionLink> FActionLink;
};

// A control's link to its action: a value is linked while the control's own value is still the
// action's, and only a linked value follows the action's changes.
class TControlActionLink : public TActionLink {
    DECLARE_CLASS(TControlActionLink, TActionLink)
public:
    explicit TControlActionLink(TControl* AClient) : FClient(AClient) {}
    template <class L>
    static std::unique_ptr<TControlActionLink> Make(TControl* Client)
    {
        return std::make_unique<L>(Client);
    }
    bool IsCaptionLinked() const override;
    bool IsEnabledLinked() const override;
    bool IsHelpContextLinked() const override;
    bool IsHintLinked() const override;
    bool IsVisibleLinked() const override;
    bool IsOnExecuteLinked() const override;
    void SetCaption(const String& Value) override;
    void SetEnabled(bool Value) override;
    void SetHelpContext(Integer Value) override;
    void SetHint(const String& Value) override;
    void SetVisible(bool Value) override;
    void SetOnExecute(const TNotifyEvent& Value) override;

protected:
    TControl* FClient;
};

using TControlClass = TClass;
using HWND = TWinControl*;

// Parameters a windowed control gives its window (CreateParams).
struct TCreateParams {
    String Caption;
    Cardinal Style = 0;
    Cardinal ExStyle = 0;
    Cardinal WindowClassStyle = 0;
    TWindowKind Kind = TWindowKind::wkCustom;
};

// ---------------------------------------------------------------- TWinControl
class TWinControl : public TControl {
    DECLARE_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // ---- window
    // The control itself, once its window exists (created here when needed).
    HWND Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded() { Handle(); }
    TWindowHandle* WindowHandle() const { return FHandle; }   // back-end access
    void RecreateWnd();
    // Whether the control shows its parent's background behind it (csParentBackground).
    bool ParentBackground() const { return FControlStyle.Contains(csParentBackground); }
    virtual void SetParentBackground(bool Value);
    // The sunken 3-D look of the control's frame (true) or a flat one; a change sends
    // CM_CTL3DCHANGED to the control and CM_PARENTCTL3DCHANGED to its children.  Setting it stops
    // the control following its parent.
    bool Ctl3D() const { return FCtl3D; }
    void SetCtl3D(bool Value);
    // The control takes its parent's Ctl3D, now and whenever the parent's changes.
    bool ParentCtl3D() const { return FParentCtl3D; }
    void SetParentCtl3D(bool Value);
    void DefaultHandler(TMessage& message) override;
    void WndProc(TMessage& message) override;
    // The window's own processing of a message, installed by the back end while it delivers a
    // toolkit event (the native widget's handling); DefaultHandler runs it once.
    struct TNativeDefault {
        Cardinal Msg;
        std::function<void(TMessage&)> Run;
        bool Done = false;
    };
    void PushNativeDefault(TNativeDefault* d) { FNativeDefaults.push_back(d); }
    void PopNativeDefault() { FNativeDefaults.pop_back(); }

    // ---- children
    Integer ControlCount() const { return static_cast<Integer>(FControls.size()); }
    TControl* Controls(Integer index) const { return FControls.at(index); }
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* control) const;
    // The visible, enabled child at the client point (windowless children only unless
    // AllowWinControls), topmost first.
    TControl* ControlAtPos(TPoint pos, bool AllowDisabled = false, bool AllowWinControls = false) const;
    TControl* FindChildControl(const String& name) const;
    // Offers the message to each child in turn until one answers it (a result other than 0).
    void Broadcast(TMessage& message);
    void DisableAlign() { ++FAlignLevel; }
    void EnableAlign();
    void Realign();
    void ScrollBy(Integer DeltaX, Integer DeltaY);

    // Form descriptions: the controls inside this one owned by Root.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    // The alignment asked for while the description was read is done now.
    void Loaded() override;

    // ---- focus and keys
    Integer TabOrder() const;
    void SetTabOrder(Integer value);
    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool value);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // The windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    // The next (or previous) focusable control after CurControl among the descendants.
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);
    void SelectFirst();

    // ---- painting and borders
    void Invalidate() override;
    void InvalidateRect(const TRect& r, bool erase = true);   // client coordinates
    void ValidateRect(const TRect& r);                        // no longer needs painting
    void Update() override;
    void Repaint() override;
    TBrush& Brush() { return FBrush; }
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    // The width of the non-client border on each side (from the window styles).
    Integer BorderWidthNC() const;
    // Paints the pending update region now (the back end calls it in its paint event).
    void PaintPending(bool show = false);
    // Surface of an owner-drawn window (null for native ones or before the window exists).
    TWindowSurface* Surface() const { return FSurface.get(); }
    const TRegion& UpdateRegion() const { return FUpdateRegion; }
    bool IsOwnerDrawn() const;
    // Paints the windowless children onto the canvas (clipped to each of them).
    void PaintControls(TCanvas& canvas, TControl* First = nullptr);
    // Scrolls the client area's pixels and children; the uncovered area is invalidated.
    void ScrollWindow(Integer dx, Integer dy, const TRect* area = nullptr);

    // ---- window scroll bars (SB_HORZ, SB_VERT)
    struct TScrollBarState {
        SCROLLINFO Info;
        bool Shown = true;        // ShowScrollBar
        bool KeepShown = false;   // SIF_DISABLENOSCROLL
        TScrollBarLook Look;      // the flat scroll bar properties
        bool Visible() const;
    };
    TScrollBarState& ScrollBarState(int bar) { return FScrollBars[bar == SB_VERT ? 1 : 0]; }
    bool HasScrollBar(int bar) const;   // WS_HSCROLL / WS_VSCROLL and the bar is showing
    bool FlatScrollBars() const { return FFlatScrollBars; }
    void SetFlatScrollBars(bool value) { FFlatScrollBars = value; }
    void UpdateScrollBars();

    // ---- events
    TNotifyEvent OnEnter, OnExit;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TMouseWheelEvent OnMouseWheel;
    // Asked when OnMouseWheel leaves a wheel turn unhandled: down for a turn towards the user
    // (negative delta), up otherwise.
    TMouseWheelUpDownEvent OnMouseWheelDown, OnMouseWheelUp;

    // The key of a WM_KEYDOWN offered to the form's preview and to KeyDown; true when taken.
    bool DoKeyDown(TMessage& message);
    bool DoKeyUp(TMessage& message);
    bool DoKeyPress(TMessage& message);
    // True once after a WM_KEYDOWN whose key a dialog key (Tab, Enter, Escape) used up: the
    // key then produces no WM_CHAR.
    bool TakeDialogKeyUsed();

    // ---- what forms add (a form is the root of focus and key preview)
    virtual bool IsFormWindow() const { return false; }
    virtual bool KeyPreviewActive() const { return false; }
    // The form's active control changes to `control` (CM_EXIT / CM_ENTER).
    virtual void SetFocusedControl(TWinControl* control) { (void)control; }
    // A left press on a control of the window: a form sends CM_CANCELMODE (LParam the control
    // pressed) to its active control, so that an open drop-down there closes.
    virtual void SendCancelMode(TControl* Sender) { (void)Sender; }
    // A control inside the form is going away or can no longer have the focus.
    virtual void ControlGone(TControl* control) { (void)control; }
    // The toolkit resized a top-level window (the user, the window manager).
    void WindowResized(Integer width, Integer height);
    // The toolkit moved a document window inside its frame (tiling, cascading, the user).
    void WindowMoved(Integer left, Integer top);
    // The toolkit minimised (1), maximised (2) or restored (0) a document window.
    virtual void WindowStateChanged(Integer state) { (void)state; }

protected:
    void ChangeScale(Integer M, Integer D) override;   // and the children
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    virtual void CreateHandle();
    virtual void DestroyHandle();
    // Puts the state of the control into its new window (text, font, bounds, visibility).
    virtual void InitializeWindow();
    void UpdateBoundsRect(const TRect& r) override;
    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect) { (void)Rect; }
    void SetChildOrder(TComponent* Child, Integer Order);
    void AlignControl(TControl* AControl);
    // A child was shown, hidden, moved or sized: aligned children are placed again.
    virtual void ChildPlacementChanged(TControl* child)
    {
        if (child->Align() != alNone) Realign();
    }

    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void KeyPress(char16_t& Key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual bool DoMouseWheel(TShiftState Shift, Integer WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    // Paints the window: erase + WM_PAINT for the update region.
    virtual void PaintWindow(TCanvas& canvas);
    virtual void PaintHandler(TMessage& message);
    // The canvas on the window's surface (the paint canvas during WM_PAINT).
    TControlCanvas& WindowCanvas();
    // Size of the surface: the whole window, or the client area where the toolkit draws the frame.
    virtual TSize SurfaceSize() const { return {FWidth, FHeight}; }

    void WMPaint(TMessage& message);
    void WMEraseBkgnd(TMessage& message);
    void WMNCPaint(TMessage& message);
    void WMKeyDown(TMessage& message);
    void WMKeyUp(TMessage& message);
    void WMChar(TMessage& message);
    void WMSysChar(TMessage& message);
    void WMSetFocus(TMessage& message);
    void WMKillFocus(TMessage& message);
    void WMMouseWheel(TMessage& message);
    void WMSize(TMessage& message);
    void WMGetDlgCode(TMessage& message);
    void WMSetCursor(TMessage& message);
    void CMEnter(TMessage& message);
    void CMExit(TMessage& message);
    void CMFocusChanged(TMessage& message);
    void CMEnabledChanged(TMessage& message);
    void CMVisibleChanged(TMessage& message);
    void CMFontChanged(TMessage& message);
    void CMColorChanged(TMessage& message);
    void CMTextChanged(TMessage& message);
    void CMShowingChanged(TMessage& message);
    void CMParentCtl3DChanged(TMessage& message);

    TWindowHandle* FHandle = nullptr;
    std::vector<TControl*> FControls;       // z-order: later is on top
    std::vector<TWinControl*> FTabList;     // windowed children in tab order
    std::unique_ptr<TWindowSurface> FSurface;
    TRegion FUpdateRegion;
    bool FErasePending = false;
    TBrush FBrush;
    bool FTabStop = false;
    bool FCtl3D = true;
    bool FParentCtl3D = true;
    TControl* FMouseControl = nullptr;      // windowless child under the mouse
    Integer FAlignLevel = 0;
    bool FInPaint = false;
    bool FDialogKeyUsed = false;
    TScrollBarState FScrollBars[2];
    bool FFlatScrollBars = false;   // InitializeFlatSB
    // While the control paints itself onto a device context that is not its own (a child that
    // looks transparent asks its parent for the picture beneath it): that context, which Canvas()
    // hands out meanwhile.
    TCanvas* FPaintCopyCanvas = nullptr;

private:
    friend class TControl;
    friend class TWindowSurface;
    void RouteMouse(TMessage& message);
    void ApplyAnchors(TSize oldClient);
    std::vector<TNativeDefault*> FNativeDefaults;
    std::unique_ptr<TControlCanvas> FWindowCanvas;
    // The region that shapes the window (SetWindowRgn), in window coordinates; none: its rectangle.
    std::unique_ptr<TRegion> FWindowRegion;
    // Hands the shape, cut to the window's rectangle, to the window system.
    void ApplyWindowShape();
    friend int SetWindowRgn(TWinControl* window, TRegion* region, bool redraw);
    friend int GetWindowRgn(TWinControl* window, TRegion* region);
};

// The link of a windowed control; the button links of the components build on it.
class TWinControlActionLink : public TControlActionLink {
    DECLARE_CLASS(TWinControlActionLink, TControlActionLink)
public:
    using TControlActionLink::TControlActionLink;
};

// ---------------------------------------------------------------- TCustomControl
class TCustomControl : public TWinControl {
    DECLARE_CLASS(TCustomControl, TWinControl)
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    // Inside WM_PAINT: the paint surface clipped to the update region.  Elsewhere: the surface
    // itself, clipped to the client area; what is drawn shows at once.
    TCanvas& Canvas();

protected:
    virtual void Paint();
    void PaintWindow(TCanvas& canvas) override;
};

// ---------------------------------------------------------------- TGraphicControl
class TGraphicControl : public TControl {
    DECLARE_CLASS(TGraphicControl, TControl)
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;
    // During the parent's paint: its paint canvas moved to this control and clipped to it.
    // Elsewhere: the parent's surface, moved and clipped the same way.
    TCanvas& Canvas();

protected:
    virtual void Paint();
    void WMPaint(TMessage& message);

private:
    friend class TWinControl;
    TControlCanvas FCanvas{this};
    TCanvas* FPaintCanvas = nullptr;
};

// ---------------------------------------------------------------- capture, focus, posting
// The control that receives all mouse messages (windowless controls included).
void SetCaptureControl(TControl* control);
TControl* GetCaptureControl();
HWND SetCapture(HWND window);
HWND GetCapture();
bool ReleaseCapture();
// The windowed control that has the keyboard focus, or null.
HWND GetFocus();
std::intptr_t SendMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam);
// Queues the message; it is delivered by the event loop (dropped if the window is freed).
bool PostMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam);
// Delivers the queued messages (the event loop calls it).
void DeliverPostedMessages();
bool IsWindow(HWND window);
// A device context on the whole window, its frame included, origin at the window's top-left
// corner; what is drawn on it shows at once.  Null for a window without a surface of its own.
// ReleaseDC frees it.
HDC GetWindowDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
bool InvalidateRect(HWND window, const TRect* r, bool erase);
bool UpdateWindow(HWND window);
bool ValidateRect(HWND window, const TRect* r);
// Window timers: WM_TIMER with the id to the window every `elapse` milliseconds.
std::uintptr_t SetTimer(HWND window, std::uintptr_t id, Cardinal elapse);
bool KillTimer(HWND window, std::uintptr_t id);
bool GetCursorPos(TPoint* p);
// The cursor (a handle of Screen->Cursors) shown over the window that answers WM_SETCURSOR; the
// one before is answered.  GetCursor answers the one last set.
TCursor SetCursor(TCursor cursor);
TCursor GetCursor();
// The screen point of the mouse input last delivered, x in the low word, y in the high word.
Cardinal GetMessagePos();
// Carets of owner-drawn windows.  A shown caret blinks, lit then dark for its blink time each,
// and is lit again whenever it shows or moves.
bool CreateCaret(HWND window, Integer width, Integer height);
bool SetCaretPos(Integer x, Integer y);
bool ShowCaret(HWND window);
bool HideCaret(HWND window);
bool DestroyCaret();
// The blink time a new caret takes, in milliseconds.
Cardinal GetCaretBlinkTime();
// The blink time of the window's caret alone (0: steady); carets of other windows and programs
// keep theirs.  False when the window has no caret.
bool SetCaretBlinkRate(HWND window, Cardinal milliseconds);

// Sends WM_CANCELMODE to the window holding the mouse capture, as the system does when a modal
// window or a message box opens; the window's default handling gives the capture up.
void CancelMode();

// The state of a key (or mouse button) as the input delivered so far left it: the high bit set
// (a negative value, 0xFF80) while it is down, the low bit toggled by each press (Caps Lock, Num
// Lock).  GetKeyboardState fills 256 bytes: 0x80 down, 0x01 toggled.
SmallInt GetKeyState(int vk);
SmallInt GetAsyncKeyState(int vk);
bool GetKeyboardState(Byte* state);

// Looks at the messages waiting for the window (null: any) whose id lies in filterMin ..
// filterMax (both 0: any): the posted ones first, then the input held for delivery (the
// characters of a key press while its key-down is handled); PM_REMOVE takes the first found
// away, so that it never arrives.  Input the toolkit has not passed on yet is not seen.
struct TMsg {
    HWND hwnd = nullptr;
    Cardinal message = 0;
    std::intptr_t wParam = 0, lParam = 0;
    Cardinal time = 0;
    TPoint pt;
};
enum : Cardinal { PM_NOREMOVE = 0, PM_REMOVE = 1 };
bool PeekMessage(TMsg* msg, HWND window, Cardinal filterMin, Cardinal filterMax, Cardinal remove);
// For the back end: input of one toolkit event held while the message before it is handled
// (PeekMessage sees it), and taken back, in order, for delivery; false when none is left.
void HoldInput(HWND window, const TMessage& message);
bool TakeHeldInput(HWND window, TMessage& message);

// A hidden window whose messages (sent, posted, its timers) all go to `method`; it has no
// toolkit window and is never shown.  DeallocateHWnd frees it.
HWND AllocateHWnd(TWndMethod method);
void DeallocateHWnd(HWND window);

// A change of the desktop (WM_THEMECHANGED when the user picks another theme) told to every
// top-level window, as the system tells it: the windows without a parent whose window exists and
// the hidden windows of AllocateHWnd.  Child windows hear of it only from their form.  The back
// end calls it when the toolkit reports the change.
void BroadcastSystemChange(Cardinal message);

// Shaped windows: the window takes the region over (it must not be used or freed afterwards)
// and shows, and is hit, only inside it; null gives the window its rectangle back.  Answers 1, or
// 0 for no window.  GetWindowRgn copies the shape into region: its kind, ERROR when there is none.
int SetWindowRgn(HWND window, HRGN region, bool redraw);
int GetWindowRgn(HWND window, HRGN region);

// Showing and placing windows.  SW_SHOWNOACTIVATE and SW_SHOWNA show a window without taking
// the activation from the active one (pop-ups, balloons); SWP_NOACTIVATE does the same for
// SetWindowPos with SWP_SHOWWINDOW.  HWND_TOPMOST and HWND_TOP bring the window to the front.
// (The other show commands, SW_HIDE = 0 and the showing ones, are those of the shell calls.)
enum : int { SW_SHOWNOACTIVATE = 4, SW_SHOWNA = 8 };
enum : Cardinal { SWP_NOSIZE = 0x0001, SWP_NOMOVE = 0x0002, SWP_NOZORDER = 0x0004, SWP_NOACTIVATE = 0x0010,
                  SWP_SHOWWINDOW = 0x0040, SWP_HIDEWINDOW = 0x0080 };
inline HWND const HWND_TOP = nullptr;
inline HWND const HWND_TOPMOST = reinterpret_cast<HWND>(static_cast<std::intptr_t>(-1));
bool ShowWindow(HWND window, int command);
// While ShowWindow shows the window without activation: a form then neither activates nor
// focuses anything.
bool ShowingWithoutActivation(const TWinControl* window);
bool SetWindowPos(HWND window, HWND insertAfter, Integer x, Integer y, Integer cx, Integer cy, Cardinal flags);

// A spin or arrow button held down repeats its step: first after ButtonRepeatDelay
// milliseconds, then every ButtonRepeatInterval, while the pointer stays on the button.
constexpr Cardinal ButtonRepeatDelay = 400, ButtonRepeatInterval = 100;

// Told of the control under the mouse on every mouse move (the application's hints).
void SetMouseOverHook(std::function<void(TControl*)> hook);
// Told of every key pressed, with the window it goes to, before that window sees it; answering
// true swallows the key (a balloon that a key press dismisses).  One hook at a time; null removes it.
void SetKeyPreviewHook(std::function<bool(TWinControl*, Word)> hook);
// Asks the hook about a key press: true when it swallowed the key.  The back end calls it.
bool PreviewKey(TWinControl* window, Word key);

// What the window system does with mouse input (msg: WM_MOUSEMOVE .. WM_MBUTTONDBLCLK) arriving
// at a window at a screen point: unless a window holds the capture, it asks the window where the
// point lies (WM_NCHITTEST; HTTRANSPARENT passes the input to the window beneath: a sibling lower
// in the z-order at the point, else the parent), lets it choose the cursor (WM_SETCURSOR) and,
// off the client area, sends the non-client message (WM_NCMOUSEMOVE .. with the hit in wParam,
// the screen point in lParam) instead of the client one.  A press on HTCAPTION or a sizing edge
// moves or sizes the window with the mouse until the release.  Answers the window that takes the
// client message, null when none does.
TWinControl* MouseInputWindow(TWinControl* window, Cardinal msg, TPoint screen);

// A hint "short|long": the part before the bar for the hint window, the part after it for the
// status line.  A hint without bar is both.
String GetShortHint(const String& Hint);
String GetLongHint(const String& Hint);

// Scroll bars of windows with WS_HSCROLL / WS_VSCROLL.  A bar shows while its range is larger
// than its page (or always with SIF_DISABLENOSCROLL) and ShowScrollBar has not hidden it since
// its range was last set; it takes SM_CXVSCROLL pixels of the client area.  Moving a bar sends WM_HSCROLL / WM_VSCROLL; the position changes only by SetScrollInfo.
Integer SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw);
bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info);
Integer SetScrollPos(HWND window, int bar, Integer pos, bool redraw);
Integer GetScrollPos(HWND window, int bar);
bool SetScrollRange(HWND window, int bar, Integer minPos, Integer maxPos, bool redraw);
bool GetScrollRange(HWND window, int bar, Integer* minPos, Integer* maxPos);
bool ShowScrollBar(HWND window, int bar, bool show);

// Flat scroll bars of the common controls.  Once a window's bars are initialised, their
// properties set their look: WSB_PROP_VSTYLE / WSB_PROP_HSTYLE the mode (FSB_*),
// WSB_PROP_VBKGCOLOR / WSB_PROP_HBKGCOLOR the track colour, WSB_PROP_CXVSCROLL the vertical bar's
// width and WSB_PROP_CYHSCROLL the horizontal bar's height.  Uninitialising gives the regular bars
// back.  The other calls act as the regular ones.
enum : unsigned { WSB_PROP_CYVSCROLL = 0x1, WSB_PROP_CXHSCROLL = 0x2, WSB_PROP_CYHSCROLL = 0x4,
                  WSB_PROP_CXVSCROLL = 0x8, WSB_PROP_CXHTHUMB = 0x10, WSB_PROP_CYVTHUMB = 0x20,
                  WSB_PROP_VBKGCOLOR = 0x40, WSB_PROP_HBKGCOLOR = 0x80, WSB_PROP_VSTYLE = 0x100,
                  WSB_PROP_HSTYLE = 0x200 };
bool InitializeFlatSB(HWND window);
bool UninitializeFlatSB(HWND window);
// False when the window's flat bars are not initialised.
bool FlatSB_SetScrollProp(HWND window, unsigned index, std::intptr_t value, bool redraw);
Integer FlatSB_SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw);
Integer FlatSB_SetScrollPos(HWND window, int bar, Integer pos, bool redraw);
bool FlatSB_ShowScrollBar(HWND window, int bar, bool show);

// Mouse state kept by the layer.
class TMouse {
public:
    TPoint CursorPos() const;
    TControl* Capture() const { return GetCaptureControl(); }
    void SetCapture(TControl* c) { SetCaptureControl(c); }
    Integer DragThreshold() const { return 5; }
};
extern TMouse* Mouse;
