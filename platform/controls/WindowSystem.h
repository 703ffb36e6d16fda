#pragma once
// What the controls need from the toolkit: windows, painting, focus, capture, cursors, carets,
// timers, the event loop, menus, message boxes and file dialogs, and the input a test driver
// feeds in.  The Qt back end registers an implementation at start-up (platform/backend/qt);
// this header is toolkit-free.
#include <functional>
#include <memory>
#include <vector>

#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Threads.h"
#include "platform/rtl/UString.h"

class TWinControl;
class TMenuItem;
class TBitmap;
struct TWindowHandle;   // the toolkit's window, defined by the back end

// What kind of toolkit window backs a windowed control.  Owner-drawn windows paint through the
// layer into a surface; the others are native widgets whose default window procedure is the
// widget itself.
enum class TWindowKind {
    wkCustom,      // owner-drawn child window
    wkForm,        // top-level window (owner drawn, with an optional menu bar)
    wkMDIForm,     // top-level window whose client holds MDI children
    wkMDIChild,    // document window inside an MDI frame
    wkHint,        // tool-tip window (owner drawn, no activation)
    wkEdit,        // native single-line edit
    wkButton,      // native push button
    wkToolBar,     // native tool bar of buttons bound to menu items
    wkMemo,        // native multi-line edit
    wkDatePicker   // native date picker with a drop-down calendar; a change is CN_NOTIFY DTN_DATETIMECHANGE
};

using TCursor = SmallInt;

// What a native edit or memo shows besides its text: the EM_* state the control keeps.
struct TEditOptions {
    Integer MaxLength = 0;        // 0: no limit
    bool ReadOnly = false;
    char16_t PasswordChar = 0;    // 0: the text is shown
    TRect TextMargins;            // space left free inside the client area on each side
    bool Border = true;           // the edit's own frame (a combo box's text box has none)
    bool WordWrap = true;         // memos only
    int ScrollBars = 0;           // memos only: TScrollStyle (0 none, 1 horizontal, 2 vertical, 3 both)
    Cardinal Alignment = 0;       // single-line edits: ES_LEFT, ES_CENTER or ES_RIGHT of the window style
};

enum class TMessageBoxIcon { None, Warning, Error, Information, Question };

struct TFileDialogRequest {
    bool Save = false;
    String Title;
    String InitialDir;
    String FileName;
    String DefaultExt;
    std::vector<std::pair<String, String>> Filters;   // description, patterns ("*.dam;*.txt")
    int FilterIndex = 1;                               // 1-based
    bool MultiSelect = false;
    bool OverwritePrompt = false;
    bool FileMustExist = false;
    std::vector<String> History;                       // names used before, offered for choosing
};
struct TFileDialogAnswer {
    bool Accepted = false;
    std::vector<String> Files;
    int FilterIndex = 1;
};

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// The frame of a top-level window: its border style and what its title bar offers.  Without
// the system menu the title bar shows no box at all.
struct TWindowFrame {
    TFormBorderStyle BorderStyle = bsSizeable;
    bool SystemMenu = true, Minimize = true, Maximize = true, Help = false;
    bool StayOnTop = false;
};

// How a window scroll bar looks: FSB_REGULAR_MODE (raised arrows and thumb), FSB_FLAT_MODE or
// FSB_ENCARTA_MODE (flat ones), its track colour (clNone: the usual one) and its thickness.
enum : int { FSB_REGULAR_MODE = 0, FSB_ENCARTA_MODE = 1, FSB_FLAT_MODE = 2 };
struct TScrollBarLook {
    int Mode = FSB_REGULAR_MODE;
    TColor Background = clNone;
    Integer Size = ScrollBarSize;
    bool operator==(const TScrollBarLook&) const = default;
};

class TWindowSystem {
public:
    // A window system that goes is no longer the registered one: what still runs at the end of
    // the program (a timer stopped by a static object's destructor) then finds none.
    virtual ~TWindowSystem();

    // ---- windows
    virtual TWindowHandle* CreateWindow(TWinControl* control, TWindowKind kind) = 0;
    virtual void DestroyWindow(TWindowHandle* window) = 0;
    virtual void SetParent(TWindowHandle* window, TWindowHandle* parent) = 0;
    // Position in the parent's client area (forms: on the screen, or in the MDI client).
    virtual void SetBounds(TWindowHandle* window, const TRect& bounds) = 0;
    virtual void SetVisible(TWindowHandle* window, bool visible) = 0;
    virtual void SetEnabled(TWindowHandle* window, bool enabled) = 0;
    virtual void SetText(TWindowHandle* window, const String& text) = 0;
    virtual String GetText(TWindowHandle* window) = 0;
    virtual void SetFont(TWindowHandle* window, const TFont& font) = 0;
    // The background of a native edit, memo, combo box or date edit (what WM_CTLCOLOREDIT gives).
    virtual void SetColor(TWindowHandle* window, TColor color) = 0;
    virtual void BringToFront(TWindowHandle* window) = 0;
    // Shows the given area of an owner-drawn window's surface (device pixels of the window).
    virtual void ShowArea(TWindowHandle* window, const TRect& area) = 0;
    // Asks for a paint cycle of an owner-drawn window (it has invalid areas).
    virtual void SchedulePaint(TWindowHandle* window) = 0;
    virtual void SetFocus(TWindowHandle* window) = 0;
    virtual bool HasFocus(TWindowHandle* window) = 0;
    virtual TPoint ClientToScreen(TWindowHandle* window, TPoint p) = 0;
    // The client size of a top-level or MDI window (inside the toolkit's frame and menu bar).
    virtual TSize ClientSize(TWindowHandle* window) = 0;
    virtual TPoint CursorPos() = 0;
    virtual void SetCapture(TWindowHandle* window) = 0;   // null: release
    virtual void SetCursor(TWindowHandle* window, TCursor cursor) = 0;
    // A cursor image loaded from a resource (a ".cur" file's bytes); the answer is its handle.
    virtual TCursor RegisterCursor(const std::vector<Byte>& curFile) = 0;
    virtual void SetScreenCursor(TCursor cursor) = 0;
    virtual void ShowCaret(TWindowHandle* window, const TRect& caret, bool visible) = 0;
    // The window's scroll bar (0 horizontal, 1 vertical): shown or not, its range, page and
    // position, its look; `client` is the client area (window pixels) the bars stand beside.
    virtual void SetScrollBar(TWindowHandle* window, int bar, bool visible, int min, int max, int page, int pos,
                              const TScrollBarLook& look, const TRect& client) = 0;

    // ---- top-level windows
    // The icon every top-level window shows (32-bit image with straight alpha); none for null.
    virtual void SetApplicationIcon(const TBitmap* image) = 0;
    // Its size, (0, 0) when there is none.
    virtual TSize ApplicationIconSize() = 0;
    virtual void SetModal(TWindowHandle* window, bool modal) = 0;
    virtual void Activate(TWindowHandle* window) = 0;
    virtual bool IsActive(TWindowHandle* window) = 0;
    virtual void SetWindowState(TWindowHandle* window, int state) = 0;   // 0 normal, 1 minimized, 2 maximized
    virtual void SetBorder(TWindowHandle* window, const TWindowFrame& frame) = 0;
    // Whether the window's title bar offers a close box (and Alt+F4) to the user.
    virtual bool HasCloseBox(TWindowHandle* window) = 0;
    virtual TRect ScreenRect() = 0;                                      // work area
    virtual void SetMenuBar(TWindowHandle* window, const std::vector<TMenuItem*>& items) = 0;
    // Height taken by the menu bar above the client area.
    virtual int MenuBarHeight(TWindowHandle* window) = 0;
    // The MDI client (the area of an MDI frame that holds the children).
    virtual void SetMDIClientRect(TWindowHandle* frame, const TRect& r) = 0;
    virtual std::vector<TWinControl*> MDIChildren(TWindowHandle* frame) = 0;   // most recently active first
    virtual TWinControl* ActiveMDIChild(TWindowHandle* frame) = 0;
    virtual void ActivateMDIChild(TWindowHandle* child) = 0;
    virtual void ArrangeMDI(TWindowHandle* frame, int how) = 0;   // 0 cascade, 1 tile horizontally, 2 tile vertically, 3 icons
    virtual void AddToolButton(TWindowHandle* toolBar, TMenuItem* item) = 0;
    // Where the tool bar placed the button of the item (tool bar coordinates) and whether it
    // is enabled.
    virtual TRect ToolButtonRect(TWindowHandle* toolBar, TMenuItem* item) = 0;
    virtual bool ToolButtonEnabled(TWindowHandle* toolBar, TMenuItem* item) = 0;
    // Gives the item's button a drop-down arrow (or takes it away); a press on the arrow is sent
    // to the tool bar as CN_NOTIFY TBN_DROPDOWN instead of running the item.
    virtual void SetToolButtonDropDown(TWindowHandle* toolBar, TMenuItem* item, bool dropDown) = 0;
    // The picture of the item's button on this bar alone (the item's menu entries keep theirs),
    // with its look while disabled; null: no picture.
    virtual void SetToolButtonPicture(TWindowHandle* toolBar, TMenuItem* item, TBitmap* picture,
                                      TBitmap* disabledPicture) = 0;

    // ---- native edits and memos (positions count UTF-16 units of the text)
    // The selection, start <= end.
    virtual void GetEditSel(TWindowHandle* edit, Integer& start, Integer& end) = 0;
    // Selects from start to end and puts the caret at end; end < 0 runs to the end of the text.
    virtual void SetEditSel(TWindowHandle* edit, Integer start, Integer end) = 0;
    // Replaces the selection (inserts at the caret when none) by text, as if typed.
    virtual void ReplaceEditSel(TWindowHandle* edit, const String& text) = 0;
    // The user changed the text since it was set or the flag was cleared.
    virtual bool EditModified(TWindowHandle* edit) = 0;
    virtual void SetEditModified(TWindowHandle* edit, bool modified) = 0;
    virtual void SetEditOptions(TWindowHandle* edit, const TEditOptions& options) = 0;

    // ---- native push buttons
    // The default button of its window: the toolkit shows its default frame.
    virtual void SetButtonDefault(TWindowHandle* button, bool isDefault) = 0;
    // The picture shown left of the caption, and the one shown while the button is disabled;
    // none for null.
    virtual void SetButtonGlyph(TWindowHandle* button, TBitmap* picture, TBitmap* disabledPicture) = 0;

    // ---- native date pickers
    // Shows the date (the whole days of the value) in a FormatDateTime pattern.
    virtual void SetPickerDate(TWindowHandle* picker, TDateTime date, const String& format) = 0;
    // The date shown, as whole days.
    virtual TDateTime PickerDate(TWindowHandle* picker) = 0;

    // ---- menus
    virtual void MenuItemChanged(TMenuItem* item) = 0;
    virtual void MenuItemDestroyed(TMenuItem* item) = 0;
    virtual void PopupMenu(TMenuItem* root, TPoint screen) = 0;
    // Shows the item highlighted, as when the pointer rests on it in an open menu or on its
    // tool button (the test driver's pointer).
    virtual void HighlightMenuItem(TMenuItem* item) = 0;

    // ---- event loop
    // Handles pending events; waits for one first when `wait`.
    virtual void ProcessEvents(bool wait) = 0;
    // Makes a waiting ProcessEvents return soon (posted messages, a modal result set).
    virtual void WakeUp() = 0;
    virtual void StartTimer(const void* key, Cardinal interval, std::function<void()> fire) = 0;
    virtual void StopTimer(const void* key) = 0;

    // ---- dialogs
    virtual int MessageBox(const String& caption, const String& text, TMessageBoxIcon icon,
                           const std::vector<int>& buttons, int defaultButton) = 0;   // buttons: modal results
    virtual TFileDialogAnswer FileDialog(const TFileDialogRequest& request) = 0;
    virtual bool PrintDialog(int& copies) = 0;

    // ---- input and pictures for the test driver (shift: MK_SHIFT, MK_CONTROL, 0x20000000 for Alt)
    enum TMouseAction { maPress, maRelease, maDoubleClick, maMove };
    virtual void SendMouse(TWindowHandle* window, TMouseAction action, int button, TPoint p, Cardinal shift) = 0;
    virtual void SendKey(TWindowHandle* window, Word vk, const String& text, Cardinal shift, bool release) = 0;
    virtual void GrabWindow(TWindowHandle* window, TBitmap& into) = 0;
    // What the menu of an item with sub-items shows when it is open, as the toolkit draws it.
    virtual void GrabOpenMenu(TMenuItem* item, TBitmap& into) = 0;
    // Where the item shows: an entry of the window's menu bar in the window's picture, any other
    // item in the picture of its open menu.
    virtual TRect MenuItemRect(TWindowHandle* window, TMenuItem* item) = 0;
};

// Shapes and inactive showing of windows (pop-ups, balloons): the back end registers it.
class TRegion;
class TPopupWindows {
public:
    virtual ~TPopupWindows() = default;
    // The window shows, and takes the mouse, only inside the region (window pixels); null: all.
    virtual void SetShape(TWindowHandle* window, const TRegion* region) = 0;
    // Shows the window in front without activating it.
    virtual void ShowInactive(TWindowHandle* window) = 0;
};
void RegisterPopupWindows(TPopupWindows* popups);
TPopupWindows* PopupWindows();   // null when none is registered

// The registered window system; EInvalidOperation "No window system" when none is.
TWindowSystem& WindowSystem();
void RegisterWindowSystem(TWindowSystem* system);
bool WindowSystemRegistered();

// Timers run on the window system's timers, or on a clock a test installs (it fires the due
// timers itself when it is advanced, and GetTickCount reads it).
class TTimerClock : public TTickClock {
public:
    virtual ~TTimerClock() = default;
    virtual void Start(const void* key, Cardinal interval, std::function<void()> fire) = 0;
    virtual void Stop(const void* key) = 0;
};
void SetTimerClock(TTimerClock* clock);   // null: the window system's timers
void StartLayerTimer(const void* key, Cardinal interval, std::function<void()> fire);
void StopLayerTimer(const void* key);
