#include "platform/testing/Driver.h"
#include "platform/testing/InputMethod.h"

#include <cstdlib>
#include <deque>
#include <memory>

#include "platform/backend/qt/QtServices.h"
#include "platform/backend/qt/QtWindows.h"
#include "platform/controls/WheelInput.h"
#include "platform/graphics/DesktopSettings.h"
#include "platform/graphics/Codecs.h"
#include "platform/rtl/FileSys.h"
#include "platform/services/ServicesBackend.h"
#include "platform/controls/WindowSystem.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Menus.h"

namespace {

std::deque<std::function<void(TCustomForm*)>> gModalAnswers;
std::deque<std::function<Integer(const TMessageBoxRequest&)>> gBoxAnswers;
std::vector<TMessageBoxRequest> gBoxes;
std::deque<TFileDialogAnswer> gFileAnswers;
std::deque<String> gPopupAnswers;
TPoint gLastPopupPoint;
TFileDialogRequest gLastFileDialog;

// The windowed control that receives a control's mouse input, and the point in its client area.
TWinControl* InputWindow(TControl* control, TPoint& p)
{
    while (control && !dynamic_cast<TWinControl*>(control)) {
        p.X += control->Left();
        p.Y += control->Top();
        control = control->Parent();
    }
    auto* w = static_cast<TWinControl*>(control);
    if (w) w->HandleNeeded();
    return w;
}

// Mouse-key flags, with the key data's Alt bit for Alt.
Cardinal Keys(TShiftState shift)
{
    return ShiftStateToKeys(shift) | (shift.Contains(ssAlt) ? 0x20000000u : 0u);
}

int ButtonIndex(TMouseButton b) { return b == mbRight ? 1 : b == mbMiddle ? 2 : 0; }

void SendMouseInput(TControl* control, TWindowSystem::TMouseAction action, Integer x, Integer y, TMouseButton button,
           TShiftState shift)
{
    TPoint p{x, y};
    TWinControl* w = InputWindow(control, p);
    if (!w) return;
    WindowSystem().SendMouse(w->WindowHandle(), action, ButtonIndex(button), p, Keys(shift));
    TestProcess();
}

void InstallHooks()
{
    Application->ModalHook = [](TCustomForm* form) {
        if (gModalAnswers.empty()) return false;
        auto answer = gModalAnswers.front();
        gModalAnswers.pop_front();
        TestProcess();
        answer(form);
        return true;
    };
    MessageBoxHook = [](const TMessageBoxRequest& r) -> std::optional<Integer> {
        gBoxes.push_back(r);
        if (gBoxAnswers.empty()) return std::nullopt;
        auto answer = gBoxAnswers.front();
        gBoxAnswers.pop_front();
        return answer(r);
    };
    PopupMenuHook = [](TPopupMenu* menu, TPoint p) {
        gLastPopupPoint = p;
        if (gPopupAnswers.empty()) return false;
        String path = gPopupAnswers.front();
        gPopupAnswers.pop_front();
        TMenuItem* item = menu->Items();
        while (!path.IsEmpty() && item) {
            int bar = Pos("|", path);
            String part = bar ? Copy(path, 1, bar - 1) : path;
            path = bar ? Copy(path, bar + 1) : String();
            item = item->Find(part);
        }
        if (!item) throw EInvalidOperation("No such item in the pop-up menu");
        item->Click();
        return true;
    };
    FileDialogHook = [](const TFileDialogRequest& r) -> std::optional<TFileDialogAnswer> {
        gLastFileDialog = r;
        if (gFileAnswers.empty()) return std::nullopt;
        TFileDialogAnswer a = gFileAnswers.front();
        gFileAnswers.pop_front();
        return a;
    };
}

TButton* FindButton(TWinControl* parent, const String& caption)
{
    for (Integer i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (auto* b = dynamic_cast<TButton*>(c); b && SameText(StripHotkey(b->Caption()), StripHotkey(caption))) return b;
        if (auto* w = dynamic_cast<TWinControl*>(c))
            if (TButton* b = FindButton(w, caption)) return b;
    }
    return nullptr;
}

}  // namespace

void TestInitialize()
{
    InitQtWindows();
    // tests see the classic desktop, whatever the machine's
    RegisterDesktopSettings(nullptr);
    InstallHooks();
}

void TestProcess()
{
    for (int i = 0; i < 3; ++i) Application->ProcessMessages();
}

void TestHighlightMenuItem(TMenuItem* item)
{
    WindowSystem().HighlightMenuItem(item);
    TestProcess();
}

bool TestClickCloseBox(TCustomForm* form)
{
    form->HandleNeeded();
    if (!WindowSystem().HasCloseBox(form->WindowHandle())) return false;
    form->Perform(WM_CLOSE, 0, 0);
    TestProcess();
    return true;
}

void TestDropFiles(TWinControl* window, const std::vector<String>& files, TPoint point)
{
    if (!ServicesBackendRegistered()) InitQtServices();
    ServicesBackend().DropFiles(window->WindowHandle(), files, point);
    TestProcess();
}

void TestSystemThemeChange()
{
    SendSystemThemeChange();
    TestProcess();
}

void TestMouseDown(TControl* control, Integer x, Integer y, TMouseButton button, TShiftState shift)
{
    SendMouseInput(control, TWindowSystem::maPress, x, y, button, shift);
}

void TestMouseUp(TControl* control, Integer x, Integer y, TMouseButton button, TShiftState shift)
{
    SendMouseInput(control, TWindowSystem::maRelease, x, y, button, shift);
}

void TestMouseMove(TControl* control, Integer x, Integer y, TShiftState shift)
{
    SendMouseInput(control, TWindowSystem::maMove, x, y, mbLeft, shift);
}

void TestClick(TControl* control, Integer x, Integer y, TMouseButton button, TShiftState shift)
{
    TestMouseDown(control, x, y, button, shift);
    TestMouseUp(control, x, y, button, shift);
}

void TestDoubleClick(TControl* control, Integer x, Integer y)
{
    TestClick(control, x, y);
    SendMouseInput(control, TWindowSystem::maDoubleClick, x, y, mbLeft, {});
    TestMouseUp(control, x, y);
}

void TestDrag(TControl* control, TPoint from, TPoint to, Integer steps)
{
    TestMouseDown(control, from.X, from.Y);
    steps = std::max<Integer>(steps, 1);
    for (Integer i = 1; i <= steps; ++i)
        TestMouseMove(control, from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps, {ssLeft});
    TestMouseUp(control, to.X, to.Y);
}

void TestMouseWheel(TWinControl* control, Integer x, Integer y, Integer notches, TShiftState shift)
{
    control->HandleNeeded();
    if (WheelInput()) WheelInput()->SendWheel(control->WindowHandle(), TPoint{x, y}, notches * 120, Keys(shift));
    TestProcess();
}

void TestPressKey(TWinControl* control, Word vk, TShiftState shift)
{
    String text;
    if (vk == VK_RETURN) text = String::FromChar(u'\r');
    else if (vk == VK_TAB) text = String::FromChar(u'\t');
    else if (vk == VK_ESCAPE) text = String::FromChar(u'\x1b');
    else if (vk == VK_BACK) text = String::FromChar(u'\b');
    else if (vk == VK_SPACE) text = " ";
    else if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        text = String::FromChar(shift.Contains(ssShift) || vk <= '9' ? vk : static_cast<char16_t>(vk + 32));
    if (shift.Contains(ssCtrl)) text = String();
    control->HandleNeeded();
    WindowSystem().SendKey(control->WindowHandle(), vk, text, Keys(shift), false);
    if (control->HandleAllocated()) WindowSystem().SendKey(control->WindowHandle(), vk, String(), Keys(shift), true);
    TestProcess();
}

void TestTypeText(TWinControl* control, const String& text)
{
    for (int i = 1; i <= text.Length(); ++i) {
        char16_t ch = text[i];
        Word vk = 0;
        if (ch >= u'a' && ch <= u'z') vk = static_cast<Word>(ch - 32);
        else if ((ch >= u'A' && ch <= u'Z') || (ch >= u'0' && ch <= u'9')) vk = ch;
        else if (ch == u' ') vk = VK_SPACE;
        else if (ch == u'.') vk = VK_OEM_PERIOD;
        else if (ch == u',') vk = VK_OEM_COMMA;
        else if (ch == u'-') vk = VK_OEM_MINUS;
        control->HandleNeeded();
        Cardinal shift = (ch >= u'A' && ch <= u'Z') ? Cardinal{MK_SHIFT} : Cardinal{0};
        WindowSystem().SendKey(control->WindowHandle(), vk, String::FromChar(ch), shift, false);
        if (control->HandleAllocated()) WindowSystem().SendKey(control->WindowHandle(), vk, String(), shift, true);
        TestProcess();
    }
}

void TestCommitInputMethodText(TWinControl* control, const String& text)
{
    control->HandleNeeded();
    SendInputMethodText(control->WindowHandle(), text);
    TestProcess();
}

void TestAnswerNextModal(std::function<void(TCustomForm*)> answer) { gModalAnswers.push_back(std::move(answer)); }

void TestAnswerNextModalWithButton(const String& caption)
{
    TestAnswerNextModal([caption](TCustomForm* form) {
        TButton* b = FindButton(form, caption);
        if (!b) throw EInvalidOperation("No button \"" + caption + "\" on " + form->Name());
        TestClick(b, 2, 2);
    });
}

void TestAnswerNextMessageBox(Integer result)
{
    gBoxAnswers.push_back([result](const TMessageBoxRequest&) { return result; });
}

void TestAnswerNextMessageBox(std::function<Integer(const TMessageBoxRequest&)> answer)
{
    gBoxAnswers.push_back(std::move(answer));
}

const std::vector<TMessageBoxRequest>& TestMessageBoxes() { return gBoxes; }
void TestClearMessageBoxes() { gBoxes.clear(); }

void TestAnswerNextFileDialog(std::vector<String> files, Integer filterIndex)
{
    TFileDialogAnswer a;
    a.Accepted = !files.empty();
    a.Files = std::move(files);
    a.FilterIndex = filterIndex;
    gFileAnswers.push_back(a);
}

const TFileDialogRequest& TestLastFileDialog() { return gLastFileDialog; }

void TestAnswerNextPopup(const String& captionPath) { gPopupAnswers.push_back(captionPath); }

TPoint TestLastPopupPoint() { return gLastPopupPoint; }

TUnusedAnswers TestDropUnusedAnswers()
{
    const TUnusedAnswers unused{gModalAnswers.size(), gBoxAnswers.size(), gFileAnswers.size(), gPopupAnswers.size()};
    gModalAnswers.clear();
    gBoxAnswers.clear();
    gFileAnswers.clear();
    gPopupAnswers.clear();
    return unused;
}

void TestGrab(TWinControl* window, TBitmap& into)
{
    window->HandleNeeded();
    TestProcess();
    WindowSystem().GrabWindow(window->WindowHandle(), into);
}

void TestGrabToPng(TWinControl* window, const String& fileName)
{
    TPngImage png;
    TestGrab(window, png.Image());
    png.SaveToFile(fileName);
}

void TestGrabWithPopups(TWinControl* window, const std::vector<TWinControl*>& popups, TBitmap& into)
{
    TestGrab(window, into);
    // The grab of a form holds its frame above the client area.
    const Integer frameTop = dynamic_cast<TCustomForm*>(window) ? into.Height() - window->ClientHeight() : 0;
    const TPoint origin = window->ClientToScreen(TPoint{0, 0});
    for (TWinControl* popup : popups) {
        if (!popup->Visible()) continue;
        TBitmap picture;
        TestGrab(popup, picture);
        const TPoint at = popup->Parent() ? popup->Parent()->ClientToScreen(popup->BoundsRect().TopLeft())
                                          : popup->BoundsRect().TopLeft();
        const Integer x = at.X - origin.X, y = at.Y - origin.Y + frameTop;
        // A shaped window shows only inside its region, as on the screen.
        TRegion shape;
        if (GetWindowRgn(popup, &shape) == ERROR) {
            into.Canvas().Draw(x, y, picture);
            continue;
        }
        for (const TRect& r : shape.Rects())
            into.Canvas().CopyRect({x + r.Left, y + r.Top, x + r.Right, y + r.Bottom}, picture.Canvas(), r);
    }
}

namespace {

// Writes the picture as <name>.png into the build's screenshots folder.
void SaveScreenshot(TBitmap& picture, const String& name)
{
    const char* folder = std::getenv("DORVANE_SCREENSHOTS");
    const String dir = folder && *folder ? IncludeTrailingPathDelimiter(String(folder)) : GetTempDir();
    ForceDirectories(dir);
    TPngImage png;
    png.Image().Assign(picture);
    png.SaveToFile(dir + name + ".png");
}

}  // namespace

void TestScreenshot(TWinControl* window, const std::vector<TWinControl*>& popups, const String& name, TBitmap& into)
{
    TestGrabWithPopups(window, popups, into);
    SaveScreenshot(into, name);
}

void TestScreenshot(TWinControl* window, const String& name, TBitmap& into)
{
    TestGrab(window, into);
    SaveScreenshot(into, name);
}

void TestScreenshotMenus(TCustomForm* form, const std::vector<TMenuItem*>& path, const String& name, TBitmap& into)
{
    TBitmap window;
    TestGrab(form, window);
    std::vector<std::unique_ptr<TBitmap>> menus;
    std::vector<TPoint> places;
    const TRect entry = WindowSystem().MenuItemRect(form->WindowHandle(), path.front());
    TPoint at{entry.Left, entry.Bottom};
    Integer width = window.Width(), height = window.Height();
    for (size_t k = 0; k < path.size(); ++k) {
        menus.push_back(std::make_unique<TBitmap>());
        WindowSystem().GrabOpenMenu(path[k], *menus.back());
        places.push_back(at);
        width = std::max(width, at.X + menus.back()->Width());
        height = std::max(height, at.Y + menus.back()->Height());
        if (k + 1 < path.size()) at = {at.X + menus.back()->Width(), at.Y + WindowSystem().MenuItemRect(nullptr, path[k + 1]).Top};
    }
    into.SetPixelFormat(TPixelFormat::pf32bit);
    into.SetSize(width, height);
    into.Canvas().Brush().SetColor(clWhite);
    into.Canvas().FillRect(Rect(0, 0, width, height));
    into.Canvas().Draw(0, 0, window);
    for (size_t k = 0; k < menus.size(); ++k) into.Canvas().Draw(places[k].X, places[k].Y, *menus[k]);
    SaveScreenshot(into, name);
}

TColor TestPixel(TControl* control, Integer x, Integer y)
{
    TPoint p{x, y};
    TWinControl* w = InputWindow(control, p);
    if (!w) return clNone;
    TBitmap b;
    TestGrab(w, b);
    if (dynamic_cast<TCustomForm*>(w)) {
        // A form's grab holds its frame (menu bar); the client area ends at the bottom.
        p.Y += b.Height() - w->ClientHeight();
    } else {
        p.X += w->BorderWidthNC();
        p.Y += w->BorderWidthNC();
    }
    if (p.X < 0 || p.Y < 0 || p.X >= b.Width() || p.Y >= b.Height()) return clNone;
    const Byte* row = b.ScanLine(p.Y);
    return RGB(row[p.X * 4 + 2], row[p.X * 4 + 1], row[p.X * 4]);
}

// ---------------------------------------------------------------- test clock
TTestClock::TTestClock() { SetTimerClock(this); }

TTestClock::~TTestClock() { SetTimerClock(nullptr); }

void TTestClock::Start(const void* key, Cardinal interval, std::function<void()> fire)
{
    Stop(key);
    FTimers.push_back({key, std::max<Cardinal>(interval, 1), FNow + std::max<Cardinal>(interval, 1), std::move(fire)});
}

void TTestClock::Stop(const void* key)
{
    std::erase_if(FTimers, [key](const TTimerEntry& t) { return t.Key == key; });
}

void TTestClock::Advance(Cardinal milliseconds)
{
    const Cardinal end = FNow + milliseconds;
    for (;;) {
        auto next = std::min_element(FTimers.begin(), FTimers.end(),
                                     [](const TTimerEntry& a, const TTimerEntry& b) { return a.Due < b.Due; });
        if (next == FTimers.end() || next->Due > end) break;
        FNow = next->Due;
        next->Due += next->Interval;
        std::function<void()> fire = next->Fire;   // the handler may stop or restart timers
        fire();
    }
    FNow = end;
}
