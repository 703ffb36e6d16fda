#pragma once
// A window system for the tests of the controls drawn by the layer: windows are records, owner-drawn
// windows paint into their surfaces when a test calls Update or Repaint, focus moves with
// WM_KILLFOCUS / WM_SETFOCUS.  Native widgets are not available here.
#include <algorithm>
#include <memory>
#include <vector>

#include "platform/controls/Controls.h"

struct TFakeWindow {
    TWinControl* Control = nullptr;
    TWindowKind Kind = TWindowKind::wkCustom;
    String Text;
    TRect Bounds;
    bool Visible = false;
    Integer SelStart = 0, SelEnd = 0;
    bool Modified = false;
    TEditOptions Options;
    TDateTime Date = 0;
    String DateFormat;
};

class TFakeWindowSystem : public TWindowSystem {
public:
    static TFakeWindow* Of(TWindowHandle* window) { return reinterpret_cast<TFakeWindow*>(window); }
    std::vector<std::unique_ptr<TFakeWindow>> Windows;
    TWindowHandle* Focus = nullptr;

    TWindowHandle* CreateWindow(TWinControl* control, TWindowKind kind) override {
        auto* w = new TFakeWindow;
        w->Control = control;
        w->Kind = kind;
        Windows.emplace_back(w);
        return reinterpret_cast<TWindowHandle*>(w);
    }
    void DestroyWindow(TWindowHandle* window) override {
        if (Focus == window) Focus = nullptr;
        Of(window)->Control = nullptr;
    }
    void SetParent(TWindowHandle* window, TWindowHandle* parent) override { (void)window; (void)parent; }
    void SetBounds(TWindowHandle* window, const TRect& bounds) override { Of(window)->Bounds = bounds; }
    void SetVisible(TWindowHandle* window, bool visible) override { Of(window)->Visible = visible; }
    void SetEnabled(TWindowHandle* window, bool enabled) override { (void)window; (void)enabled; }
    void SetText(TWindowHandle* window, const String& text) override { Of(window)->Text = text; }
    String GetText(TWindowHandle* window) override { return Of(window)->Text; }
    void SetFont(TWindowHandle* window, const TFont& font) override { (void)window; (void)font; }
    void SetColor(TWindowHandle* window, TColor color) override { (void)window; (void)color; }
    void BringToFront(TWindowHandle* window) override { (void)window; }
    void ShowArea(TWindowHandle* window, const TRect& area) override { (void)window; (void)area; }
    void SchedulePaint(TWindowHandle* window) override { (void)window; }
    void SetFocus(TWindowHandle* window) override {
        if (Focus == window) return;
        TWindowHandle* old = Focus;
        Focus = window;
        TWinControl* lost = old ? Of(old)->Control : nullptr;
        TWinControl* gained = window ? Of(window)->Control : nullptr;
        if (lost) lost->Perform(WM_KILLFOCUS, reinterpret_cast<std::intptr_t>(gained));
        if (gained) gained->Perform(WM_SETFOCUS, reinterpret_cast<std::intptr_t>(lost));
    }
    bool HasFocus(TWindowHandle* window) override { return Focus == window; }
    TPoint ClientToScreen(TWindowHandle* window, TPoint p) override { (void)window; return p; }
    TSize ClientSize(TWindowHandle* window) override { (void)window; return {}; }
    TPoint CursorPos() override { return {}; }
    void SetCapture(TWindowHandle* window) override { (void)window; }
    void SetCursor(TWindowHandle* window, TCursor cursor) override { (void)window; (void)cursor; }
    TCursor RegisterCursor(const std::vector<Byte>& curFile) override { (void)curFile; return {}; }
    void SetScreenCursor(TCursor cursor) override { (void)cursor; }
    void ShowCaret(TWindowHandle* window, const TRect& caret, bool visible) override { (void)window; (void)caret; (void)visible; }
    void SetScrollBar(TWindowHandle* window, int bar, bool visible, int min, int max, int page, int pos, const TScrollBarLook& look, const TRect& client) override { (void)window; (void)bar; (void)visible; (void)min; (void)max; (void)page; (void)pos; (void)look; (void)client; }
    void SetModal(TWindowHandle* window, bool modal) override { (void)window; (void)modal; }
    void Activate(TWindowHandle* window) override { (void)window; }
    bool IsActive(TWindowHandle* window) override { (void)window; return false; }
    void SetWindowState(TWindowHandle* window, int state) override { (void)window; (void)state; }
    void SetBorder(TWindowHandle* window, const TWindowFrame& frame) override { (void)window; (void)frame; }
    bool HasCloseBox(TWindowHandle* window) override { (void)window; return true; }
    void HighlightMenuItem(TMenuItem* item) override { (void)item; }
    TRect ScreenRect() override { return TRect{0, 0, 1024, 768}; }
    void SetMenuBar(TWindowHandle* window, const std::vector<TMenuItem*>& items) override { (void)window; (void)items; }
    int MenuBarHeight(TWindowHandle* window) override { (void)window; return 0; }
    void SetMDIClientRect(TWindowHandle* frame, const TRect& r) override { (void)frame; (void)r; }
    std::vector<TWinControl*> MDIChildren(TWindowHandle* frame) override { (void)frame; return {}; }
    TWinControl* ActiveMDIChild(TWindowHandle* frame) override { (void)frame; return {}; }
    void ActivateMDIChild(TWindowHandle* child) override { (void)child; }
    void ArrangeMDI(TWindowHandle* frame, int how) override { (void)frame; (void)how; }
    void AddToolButton(TWindowHandle* toolBar, TMenuItem* item) override { (void)toolBar; (void)item; }
    TRect ToolButtonRect(TWindowHandle* toolBar, TMenuItem* item) override { (void)toolBar; (void)item; return {}; }
    bool ToolButtonEnabled(TWindowHandle* toolBar, TMenuItem* item) override { (void)toolBar; (void)item; return false; }
    void GetEditSel(TWindowHandle* edit, Integer& start, Integer& end) override { start = Of(edit)->SelStart; end = Of(edit)->SelEnd; }
    void SetEditSel(TWindowHandle* edit, Integer start, Integer end) override {
        TFakeWindow* w = Of(edit);
        const Integer length = w->Text.Length();
        if (end < 0 || end > length) end = length;
        start = std::clamp<Integer>(start, 0, length);
        w->SelStart = std::min(start, end);
        w->SelEnd = std::max(start, end);
    }
    void ReplaceEditSel(TWindowHandle* edit, const String& text) override {
        TFakeWindow* w = Of(edit);
        String t = w->Text;
        Delete(t, w->SelStart + 1, w->SelEnd - w->SelStart);
        Insert(text, t, w->SelStart + 1);
        w->Text = t;
        w->SelStart = w->SelEnd = w->SelStart + text.Length();
        w->Modified = true;
    }
    bool EditModified(TWindowHandle* edit) override { return Of(edit)->Modified; }
    void SetEditModified(TWindowHandle* edit, bool modified) override { Of(edit)->Modified = modified; }
    void SetEditOptions(TWindowHandle* edit, const TEditOptions& options) override { Of(edit)->Options = options; }
    void SetPickerDate(TWindowHandle* picker, TDateTime date, const String& format) override {
        Of(picker)->Date = date;
        Of(picker)->DateFormat = format;
    }
    TDateTime PickerDate(TWindowHandle* picker) override { return Of(picker)->Date; }
    void SetButtonDefault(TWindowHandle*, bool) override {}
    void SetButtonGlyph(TWindowHandle*, TBitmap*, TBitmap*) override {}
    void SetApplicationIcon(const TBitmap*) override {}
    TSize ApplicationIconSize() override { return {0, 0}; }
    void SetToolButtonDropDown(TWindowHandle* toolBar, TMenuItem* item, bool dropDown) override { (void)toolBar; (void)item; (void)dropDown; }
    void SetToolButtonPicture(TWindowHandle* toolBar, TMenuItem* item, TBitmap* picture, TBitmap* disabledPicture) override { (void)toolBar; (void)item; (void)picture; (void)disabledPicture; }
    void MenuItemChanged(TMenuItem* item) override { (void)item; }
    void MenuItemDestroyed(TMenuItem* item) override { (void)item; }
    void PopupMenu(TMenuItem* root, TPoint screen) override { (void)root; (void)screen; }
    void ProcessEvents(bool wait) override { (void)wait; }
    void WakeUp() override { }
    void StartTimer(const void* key, Cardinal interval, std::function<void()> fire) override { (void)key; (void)interval; (void)fire; }
    void StopTimer(const void* key) override { (void)key; }
    int MessageBox(const String& caption, const String& text, TMessageBoxIcon icon, const std::vector<int>& buttons, int defaultButton) override { (void)caption; (void)text; (void)icon; (void)buttons; (void)defaultButton; return 0; }
    TFileDialogAnswer FileDialog(const TFileDialogRequest& request) override { (void)request; return {}; }
    bool PrintDialog(int& copies) override { (void)copies; return false; }
    void SendMouse(TWindowHandle* window, TMouseAction action, int button, TPoint p, Cardinal shift) override { (void)window; (void)action; (void)button; (void)p; (void)shift; }
    void SendKey(TWindowHandle* window, Word vk, const String& text, Cardinal shift, bool release) override { (void)window; (void)vk; (void)text; (void)shift; (void)release; }
    void GrabWindow(TWindowHandle* window, TBitmap& into) override { (void)window; (void)into; }
    void GrabOpenMenu(TMenuItem* item, TBitmap& into) override { (void)item; (void)into; }
    TRect MenuItemRect(TWindowHandle* window, TMenuItem* item) override { (void)window; (void)item; return {}; }
};

// Installs the fake for the life of a test fixture.
struct FakeWindows {
    FakeWindows() : Previous(WindowSystemRegistered() ? &WindowSystem() : nullptr) { RegisterWindowSystem(&System); }
    ~FakeWindows() { RegisterWindowSystem(Previous); }
    TWindowSystem* Previous;
    TFakeWindowSystem System;
};
