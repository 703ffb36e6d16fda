// The window system's part of mouse input, before a window sees its client message: where the
// point lies (WM_NCHITTEST), which cursor shows (WM_SETCURSOR), the non-client messages off the
// client area, and moving or sizing a window that answers a press with its caption or an edge.
#include <algorithm>

#include "platform/controls/Controls.h"
#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

namespace {

// A window being moved or sized with the mouse: what was hit, where the press was and the
// window's bounds then.
struct TSizeMove {
    TWinControl* Window = nullptr;
    Integer Hit = HTNOWHERE;
    TPoint Start;
    TRect Bounds;
};
TSizeMove gSizeMove;

TWinControl* gCursorWindow = nullptr;   // the window whose WM_SETCURSOR chose the cursor
TCursor gCursor = crDefault;
TPoint gMousePoint;                     // the screen point of the mouse input being delivered

bool MovesOrSizes(Integer hit) { return hit == HTCAPTION || (hit >= HTLEFT && hit <= HTBOTTOMRIGHT); }

// The bounds after the mouse moved by d from the press: the caption moves the window, an edge or
// corner moves that edge (never past the opposite one).
TRect DraggedBounds(const TRect& r, Integer hit, TPoint d)
{
    if (hit == HTCAPTION) return {r.Left + d.X, r.Top + d.Y, r.Right + d.X, r.Bottom + d.Y};
    TRect b = r;
    if (hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT) b.Left = std::min(r.Left + d.X, r.Right);
    if (hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT) b.Right = std::max(r.Right + d.X, r.Left);
    if (hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT) b.Top = std::min(r.Top + d.Y, r.Bottom);
    if (hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT) b.Bottom = std::max(r.Bottom + d.Y, r.Top);
    return b;
}

// The cursor of a sizing edge or corner; the arrow elsewhere off the client area.
TCursor FrameCursor(Integer hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT: return crSizeWE;
    case HTTOP:
    case HTBOTTOM: return crSizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return crSizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return crSizeNESW;
    default: return crDefault;
    }
}

// The window beneath a transparent one at the point: a sibling lower in the z-order there, else
// the parent.
TWinControl* WindowBeneath(TWinControl* window, TPoint screen)
{
    TWinControl* parent = window->Parent();
    if (!parent) return nullptr;
    const TPoint p = parent->ScreenToClient(screen);
    bool below = false;
    for (Integer i = parent->ControlCount() - 1; i >= 0; --i) {
        TControl* c = parent->Controls(i);
        auto* sibling = dynamic_cast<TWinControl*>(c);
        if (below && sibling && sibling->Visible() && sibling->Enabled() && sibling->BoundsRect().Contains(p))
            return DeepestWindowAt(sibling, screen);
        below = below || c == window;
    }
    return parent;
}

}  // namespace

TWinControl* ControlsKernel::DeepestWindowAt(TWinControl* window, TPoint screen)
{
    for (;;) {
        const TPoint p = window->ScreenToClient(screen);
        TWinControl* child = nullptr;
        for (Integer i = window->ControlCount() - 1; i >= 0 && !child; --i) {
            auto* c = dynamic_cast<TWinControl*>(window->Controls(i));
            if (c && c->Visible() && c->Enabled() && c->BoundsRect().Contains(p)) child = c;
        }
        if (!child) return window;
        window = child;
    }
}

TWinControl* MouseInputWindow(TWinControl* window, Cardinal msg, TPoint screen)
{
    gMousePoint = screen;
    if (gSizeMove.Window) {
        if (LiveControls().contains(gSizeMove.Window)) {
            const TRect b = DraggedBounds(gSizeMove.Bounds, gSizeMove.Hit,
                                          {screen.X - gSizeMove.Start.X, screen.Y - gSizeMove.Start.Y});
            gSizeMove.Window->SetBounds(b.Left, b.Top, b.Width(), b.Height());
        }
        if (msg != WM_MOUSEMOVE) gSizeMove = {};   // the release ends it
        return nullptr;
    }
    // the window holding the capture takes every message as a client message
    if (GetCapture() || msg == WM_MOUSEWHEEL) return window;
    const std::intptr_t at = MakeLParam(screen.X, screen.Y);
    Integer hit = HTNOWHERE;
    for (; window; window = WindowBeneath(window, screen)) {
        hit = static_cast<Integer>(window->Perform(WM_NCHITTEST, 0, at));
        if (hit != HTTRANSPARENT) break;
    }
    if (!window) return nullptr;
    gCursorWindow = window;
    window->Perform(WM_SETCURSOR, reinterpret_cast<std::intptr_t>(window), MakeLParam(hit, static_cast<Integer>(msg)));
    if (hit == HTCLIENT) return window;
    window->Perform(WM_NCMOUSEMOVE + (msg - WM_MOUSEMOVE), hit, at);
    return nullptr;
}

TCursor SetCursor(TCursor cursor)
{
    const TCursor before = gCursor;
    gCursor = cursor;
    if (gCursorWindow && LiveControls().contains(gCursorWindow) && gCursorWindow->HandleAllocated())
        WindowSystem().SetCursor(gCursorWindow->WindowHandle(), cursor);
    return before;
}

TCursor GetCursor() { return gCursor; }

Cardinal GetMessagePos() { return static_cast<Cardinal>(MakeLParam(gMousePoint.X, gMousePoint.Y)); }

// The window under the mouse shows its own cursor, or that of the windowless control at the
// point; without one, the window system's choice.
void TWinControl::WMSetCursor(TMessage& message)
{
    if (reinterpret_cast<TWinControl*>(message.WParam) == this && LoSmall(message.LParam) == HTCLIENT) {
        TCursor cursor = crDefault;
        if (TControl* child = ControlAtPos(ScreenToClient(gMousePoint))) cursor = child->Cursor();
        if (cursor == crDefault) cursor = Cursor();
        if (cursor != crDefault) {
            ::SetCursor(CursorHandle(cursor));
            message.Result = 1;
            return;
        }
    }
    DefaultHandler(message);
}

// The window system's answers: the parent may choose the cursor first; else the class cursor in
// the client area, the sizing cursors on the edges.  A press on the caption or an edge starts
// moving or sizing the window.
void ControlsKernel::DefaultMouseFrame(TWinControl* window, TMessage& message, TCursor classCursor)
{
    if (message.Msg == WM_SETCURSOR) {
        if (window->Parent() && window->Parent()->Perform(WM_SETCURSOR, message.WParam, message.LParam)) {
            message.Result = 1;
            return;
        }
        const Integer hit = LoSmall(message.LParam);
        if (reinterpret_cast<TWinControl*>(message.WParam) != window) return;   // asked for a child's cursor
        ::SetCursor(hit == HTCLIENT ? classCursor : FrameCursor(hit));
        message.Result = 1;
    } else if (message.Msg == WM_NCLBUTTONDOWN && MovesOrSizes(static_cast<Integer>(message.WParam))) {
        gSizeMove = {window, static_cast<Integer>(message.WParam), {LoSmall(message.LParam), HiSmall(message.LParam)},
                     window->BoundsRect()};
    }
}
