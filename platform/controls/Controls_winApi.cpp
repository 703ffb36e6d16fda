// The window API functions over the controls: capture, sending and posting messages, window
// timers, window scroll bars, the caret and the focus.
#include "platform/controls/Controls.h"

#include <algorithm>
#include <map>

#include "platform/controls/Controls_internal.h"
#include "platform/graphics/DesktopSettings.h"

using namespace ControlsKernel;

// ---------------------------------------------------------------- capture, posting, timers
void SetCaptureControl(TControl* control)
{
    gCaptureControl = control;
    if (!WindowSystemRegistered()) return;
    TWinControl* w = nullptr;
    if (control) SurfaceOrigin(control, w);
    WindowSystem().SetCapture(w && w->HandleAllocated() ? w->WindowHandle() : nullptr);
}

TControl* GetCaptureControl() { return gCaptureControl; }

HWND SetCapture(HWND window)
{
    HWND old = dynamic_cast<TWinControl*>(gCaptureControl);
    SetCaptureControl(window);
    return old;
}

HWND GetCapture()
{
    TWinControl* w = nullptr;
    if (gCaptureControl) SurfaceOrigin(gCaptureControl, w);
    return w;
}

bool ReleaseCapture()
{
    SetCaptureControl(nullptr);
    return true;
}

bool IsWindow(HWND window) { return window && LiveControls().contains(window) && window->HandleAllocated(); }

std::intptr_t SendMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (!window || !LiveControls().contains(window)) return 0;
    return window->Perform(msg, wParam, lParam);
}

bool PostMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam)
{
    if (window && !LiveControls().contains(window)) return false;
    PostedQueue().push_back({window, TMessage{msg, wParam, lParam, 0}});
    if (WindowSystemRegistered()) WindowSystem().WakeUp();
    return true;
}

void DeliverPostedMessages()
{
    // Only what was queued before this call; messages posted by the handlers wait for the next.
    size_t n = PostedQueue().size();
    for (size_t i = 0; i < n && !PostedQueue().empty(); ++i) {
        TPosted p = PostedQueue().front();
        PostedQueue().pop_front();
        if (!p.Window || !LiveControls().contains(p.Window)) continue;
        p.Window->MainWndProc(p.Message);
    }
}

bool InvalidateRect(HWND window, const TRect* r, bool erase)
{
    if (!window) return false;
    window->InvalidateRect(r ? *r : window->ClientRect(), erase);
    return true;
}

bool UpdateWindow(HWND window)
{
    if (!window) return false;
    window->Update();
    return true;
}

bool ValidateRect(HWND window, const TRect* r)
{
    if (!window) return false;
    window->ValidateRect(r ? *r : window->ClientRect());
    return true;
}

namespace {
std::map<std::pair<HWND, std::uintptr_t>, int>& WindowTimers()
{
    static std::map<std::pair<HWND, std::uintptr_t>, int> timers;
    return timers;
}
}  // namespace

std::uintptr_t SetTimer(HWND window, std::uintptr_t id, Cardinal elapse)
{
    auto& timers = WindowTimers();
    auto key = std::make_pair(window, id);
    auto [it, inserted] = timers.emplace(key, 0);
    (void)inserted;
    const void* token = &it->first;
    StartLayerTimer(token, elapse, [window, id] {
        if (LiveControls().contains(window)) {
            TMessage m{WM_TIMER, static_cast<std::intptr_t>(id), 0, 0};
            window->MainWndProc(m);
        }
    });
    return id;
}

bool KillTimer(HWND window, std::uintptr_t id)
{
    auto& timers = WindowTimers();
    auto it = timers.find(std::make_pair(window, id));
    if (it == timers.end()) return false;
    StopLayerTimer(&it->first);
    timers.erase(it);
    return true;
}

// ---------------------------------------------------------------- scroll bars
namespace {
// Applies a change of a bar; the client area may change with the bar's visibility.
void ScrollBarChanged(HWND window, bool wasShown)
{
    TRect before = window->ClientRect();
    (void)wasShown;
    window->UpdateScrollBars();
    TRect after = window->ClientRect();
    if (before != after) {
        window->Realign();
        window->Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(after.Width(), after.Height()));
        window->Invalidate();
    }
}

Integer ClampPos(const SCROLLINFO& i, Integer pos)
{
    Integer maxPos = i.nMax - std::max<Integer>(static_cast<Integer>(i.nPage) - 1, 0);
    return std::max(i.nMin, std::min(pos, std::max(maxPos, i.nMin)));
}
}  // namespace

Integer SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool)
{
    if (!window || !info || bar == SB_CTL) return 0;
    auto& state = window->ScrollBarState(bar);
    bool was = window->HasScrollBar(bar);
    if (info->fMask & SIF_RANGE) {
        state.Info.nMin = info->nMin;
        state.Info.nMax = info->nMax;
        state.Shown = true;   // a bar hidden by ShowScrollBar shows again as its new range asks
    }
    if (info->fMask & SIF_PAGE)
        state.Info.nPage = std::min<Cardinal>(info->nPage, static_cast<Cardinal>(std::max(state.Info.nMax - state.Info.nMin + 1, 0)));
    if (info->fMask & SIF_POS) state.Info.nPos = info->nPos;
    state.KeepShown = (info->fMask & SIF_DISABLENOSCROLL) != 0;
    state.Info.nPos = ClampPos(state.Info, state.Info.nPos);
    ScrollBarChanged(window, was);
    return state.Info.nPos;
}

bool GetScrollInfo(HWND window, int bar, SCROLLINFO* info)
{
    if (!window || !info || bar == SB_CTL) return false;
    const SCROLLINFO& i = window->ScrollBarState(bar).Info;
    if (info->fMask & SIF_RANGE) {
        info->nMin = i.nMin;
        info->nMax = i.nMax;
    }
    if (info->fMask & SIF_PAGE) info->nPage = i.nPage;
    if (info->fMask & SIF_POS) info->nPos = i.nPos;
    if (info->fMask & SIF_TRACKPOS) info->nTrackPos = i.nTrackPos;
    return true;
}

Integer SetScrollPos(HWND window, int bar, Integer pos, bool redraw)
{
    Integer old = GetScrollPos(window, bar);
    SCROLLINFO i;
    i.fMask = SIF_POS;
    i.nPos = pos;
    SetScrollInfo(window, bar, &i, redraw);
    return old;
}

Integer GetScrollPos(HWND window, int bar)
{
    return window && bar != SB_CTL ? window->ScrollBarState(bar).Info.nPos : 0;
}

bool SetScrollRange(HWND window, int bar, Integer minPos, Integer maxPos, bool redraw)
{
    SCROLLINFO i;
    i.fMask = SIF_RANGE;
    i.nMin = minPos;
    i.nMax = maxPos;
    SetScrollInfo(window, bar, &i, redraw);
    return window != nullptr;
}

bool GetScrollRange(HWND window, int bar, Integer* minPos, Integer* maxPos)
{
    if (!window || bar == SB_CTL) return false;
    *minPos = window->ScrollBarState(bar).Info.nMin;
    *maxPos = window->ScrollBarState(bar).Info.nMax;
    return true;
}

bool ShowScrollBar(HWND window, int bar, bool show)
{
    if (!window) return false;
    for (int b : {SB_HORZ, SB_VERT})
        if (bar == b || bar == SB_BOTH) window->ScrollBarState(b).Shown = show;
    ScrollBarChanged(window, !show);
    return true;
}

bool InitializeFlatSB(HWND window)
{
    if (!window) return false;
    window->SetFlatScrollBars(true);
    return true;
}

bool UninitializeFlatSB(HWND window)
{
    if (!window || !window->FlatScrollBars()) return false;
    window->SetFlatScrollBars(false);
    for (int bar : {SB_HORZ, SB_VERT}) window->ScrollBarState(bar).Look = TScrollBarLook();
    ScrollBarChanged(window, true);
    return true;
}

bool FlatSB_SetScrollProp(HWND window, unsigned index, std::intptr_t value, bool)
{
    if (!window || !window->FlatScrollBars()) return false;
    TScrollBarLook& vertical = window->ScrollBarState(SB_VERT).Look;
    TScrollBarLook& horizontal = window->ScrollBarState(SB_HORZ).Look;
    switch (index) {
    case WSB_PROP_VSTYLE: vertical.Mode = static_cast<int>(value); break;
    case WSB_PROP_HSTYLE: horizontal.Mode = static_cast<int>(value); break;
    case WSB_PROP_VBKGCOLOR: vertical.Background = static_cast<TColor>(value); break;
    case WSB_PROP_HBKGCOLOR: horizontal.Background = static_cast<TColor>(value); break;
    case WSB_PROP_CXVSCROLL: vertical.Size = static_cast<Integer>(value); break;
    case WSB_PROP_CYHSCROLL: horizontal.Size = static_cast<Integer>(value); break;
    default: return false;
    }
    ScrollBarChanged(window, true);
    return true;
}

Integer FlatSB_SetScrollInfo(HWND window, int bar, const SCROLLINFO* info, bool redraw)
{
    return SetScrollInfo(window, bar, info, redraw);
}

Integer FlatSB_SetScrollPos(HWND window, int bar, Integer pos, bool redraw) { return SetScrollPos(window, bar, pos, redraw); }

bool FlatSB_ShowScrollBar(HWND window, int bar, bool show) { return ShowScrollBar(window, bar, show); }

bool GetCursorPos(TPoint* p)
{
    *p = WindowSystem().CursorPos();
    return true;
}

TPoint TMouse::CursorPos() const { return WindowSystem().CursorPos(); }

namespace {
struct TCaret {
    HWND Window = nullptr;
    TRect Box;
    bool Visible = false;
    bool Lit = true;   // the phase of the blink
    Cardinal BlinkTime = GetCaretBlinkTime();
} gCaret;

void ShowCaretNow()
{
    if (gCaret.Window && IsWindow(gCaret.Window)) {
        TRect r = gCaret.Box;
        Integer b = gCaret.Window->BorderWidthNC();
        OffsetRect(r, b, b);
        WindowSystem().ShowCaret(gCaret.Window->WindowHandle(), r, gCaret.Visible && gCaret.Lit);
    }
}

// The caret lit, its blink started over.
void RestartBlink()
{
    gCaret.Lit = true;
    StopLayerTimer(&gCaret);
    if (gCaret.Visible && gCaret.BlinkTime > 0)
        StartLayerTimer(&gCaret, gCaret.BlinkTime, [] {
            gCaret.Lit = !gCaret.Lit;
            ShowCaretNow();
        });
    ShowCaretNow();
}
}  // namespace

Cardinal GetCaretBlinkTime() { return DesktopSettings().CaretBlinkTime; }

bool CreateCaret(HWND window, Integer width, Integer height)
{
    DestroyCaret();
    gCaret = {window, Rect(0, 0, std::max(width, 1), std::max(height, 1))};
    return true;
}

bool SetCaretPos(Integer x, Integer y)
{
    if (!gCaret.Window) return false;
    gCaret.Box = Bounds(x, y, gCaret.Box.Width(), gCaret.Box.Height());
    RestartBlink();
    return true;
}

bool ShowCaret(HWND window)
{
    if (!gCaret.Window || (window && window != gCaret.Window)) return false;
    gCaret.Visible = true;
    RestartBlink();
    return true;
}

bool HideCaret(HWND window)
{
    if (!gCaret.Window || (window && window != gCaret.Window)) return false;
    gCaret.Visible = false;
    RestartBlink();
    return true;
}

bool DestroyCaret()
{
    if (!gCaret.Window) return false;
    gCaret.Visible = false;
    RestartBlink();
    gCaret = {};
    return true;
}

bool SetCaretBlinkRate(HWND window, Cardinal milliseconds)
{
    if (!gCaret.Window || window != gCaret.Window) return false;
    if (milliseconds == gCaret.BlinkTime) return true;
    gCaret.BlinkTime = milliseconds;
    RestartBlink();
    return true;
}

HDC GetWindowDC(HWND window)
{
    if (!window || !IsWindow(window) || !window->Surface()) return nullptr;
    return new TCanvas(window->Surface());
}

int ReleaseDC(HWND, HDC dc)
{
    delete dc;
    return dc ? 1 : 0;
}

HWND GetFocus()
{
    for (const TControl* c : LiveControls())
        if (auto* w = dynamic_cast<const TWinControl*>(c); w && w->Focused()) return const_cast<TWinControl*>(w);
    return nullptr;
}
