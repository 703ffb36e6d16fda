#pragma once
// Test driver: drives windows through the same toolkit event path a user's input takes, answers
// the next modal form, message box or file dialog, grabs windows to pictures and reads pixels.
// Coordinates are client coordinates of the control named.
#include <functional>
#include <vector>

#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Timer.h"

// Starts the Qt back end (offscreen without a display); tests call it once.  The desktop's
// settings are then the classic desktop's (DesktopSettings), whatever the machine's.
void TestInitialize();
// Handles what is pending (events, posted messages, paints).
void TestProcess();

void TestMouseDown(TControl* control, Integer x, Integer y, TMouseButton button = mbLeft, TShiftState shift = {});
void TestMouseUp(TControl* control, Integer x, Integer y, TMouseButton button = mbLeft, TShiftState shift = {});
void TestMouseMove(TControl* control, Integer x, Integer y, TShiftState shift = {});
void TestClick(TControl* control, Integer x, Integer y, TMouseButton button = mbLeft, TShiftState shift = {});
void TestDoubleClick(TControl* control, Integer x, Integer y);
// Press at from, moves in `steps` steps, release at to (left button).
void TestDrag(TControl* control, TPoint from, TPoint to, Integer steps = 4);

// The wheel turned by `notches` (positive away from the user) with the pointer at (x, y).
void TestMouseWheel(TWinControl* control, Integer x, Integer y, Integer notches, TShiftState shift = {});

// A key as the keyboard gives it (key down with its character, key up) to the control's window.
void TestPressKey(TWinControl* control, Word vk, TShiftState shift = {});
// Each character as a key press (letters, digits, space and punctuation).
void TestTypeText(TWinControl* control, const String& text);

// The pointer rests on a menu item (in its open menu, or on the tool button that shows it).
void TestHighlightMenuItem(TMenuItem* item);

// The user closes the window from its title bar's close box; false (nothing done) when the
// window's frame offers none.
bool TestClickCloseBox(TCustomForm* form);

// Files dropped from a file manager at a client point of the window (which accepts them).
void TestDropFiles(TWinControl* window, const std::vector<String>& files, TPoint point = TPoint{10, 10});

// The user picks another theme for the desktop: the toolkit tells its windows, and the layer's
// top-level windows hear WM_THEMECHANGED.
void TestSystemThemeChange();

// The next modal form: the callback runs once the form is shown, inside its modal loop.
void TestAnswerNextModal(std::function<void(TCustomForm* form)> answer);
// The next modal form: the button with this caption ("&" ignored) is clicked.
void TestAnswerNextModalWithButton(const String& caption);
// The next message box answers with this modal result (mrYes, mrOk ...).
void TestAnswerNextMessageBox(Integer result);
void TestAnswerNextMessageBox(std::function<Integer(const TMessageBoxRequest&)> answer);
// The boxes answered so far, in order.
const std::vector<TMessageBoxRequest>& TestMessageBoxes();
void TestClearMessageBoxes();
// The next file dialog: chooses the files (no files: cancels) with the 1-based filter index.
void TestAnswerNextFileDialog(std::vector<String> files, Integer filterIndex = 1);
// The last file dialog request seen.
const TFileDialogRequest& TestLastFileDialog();

// The next pop-up menu: the item with this caption ("&" ignored; "File|Open" for a sub-item)
// is chosen.  The screen point the menu was asked for is kept.
void TestAnswerNextPopup(const String& captionPath);
TPoint TestLastPopupPoint();

// The answers given above that no modal form, message box, file dialog or pop-up menu has taken
// yet; they are dropped, so that they answer nothing that comes later.
struct TUnusedAnswers {
    size_t Modals = 0, MessageBoxes = 0, FileDialogs = 0, Popups = 0;
    bool operator==(const TUnusedAnswers&) const = default;
};
TUnusedAnswers TestDropUnusedAnswers();

// What the window shows, as on the screen (children included).
void TestGrab(TWinControl* window, TBitmap& into);
void TestGrabToPng(TWinControl* window, const String& fileName);
// Grabs the window and writes the picture as <name>.png into the build's screenshots folder
// (DORVANE_SCREENSHOTS, else the temp folder), for people to look at.
void TestScreenshot(TWinControl* window, const String& name, TBitmap& into);
// The same with pop-up windows (drop-downs, balloons) drawn over it where the screen shows them.
void TestScreenshot(TWinControl* window, const std::vector<TWinControl*>& popups, const String& name, TBitmap& into);
// The window with menus open one in the other, as the user opens them from its menu bar: path[0]
// is an entry of the bar, each next item one of the menu before it, its menu opened beside its
// row; written as <name>.png as above.
void TestScreenshotMenus(TCustomForm* form, const std::vector<TMenuItem*>& path, const String& name, TBitmap& into);
// What the window shows with the pop-ups over it, as on the screen.
void TestGrabWithPopups(TWinControl* window, const std::vector<TWinControl*>& popups, TBitmap& into);
// A pixel of what a control shows (windowless controls through their parent).
TColor TestPixel(TControl* control, Integer x, Integer y);

// A clock for timers: installed, it replaces the toolkit's timers until freed; Advance fires the
// timers that fall due, in order of their due times.
class TTestClock : public TTimerClock {
public:
    TTestClock();
    ~TTestClock() override;
    void Start(const void* key, Cardinal interval, std::function<void()> fire) override;
    void Stop(const void* key) override;
    void Advance(Cardinal milliseconds);
    Cardinal Now() const { return FNow; }
    Cardinal TickCount() const override { return FNow; }

private:
    struct TTimerEntry {
        const void* Key;
        Cardinal Interval;
        Cardinal Due;
        std::function<void()> Fire;
    };
    std::vector<TTimerEntry> FTimers;
    Cardinal FNow = 0;
};
