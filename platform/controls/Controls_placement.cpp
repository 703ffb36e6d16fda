// Window placement: regions that shape windows, showing a window without activating it, and
// SetWindowPos.
#include "platform/controls/Controls.h"

#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

int SetWindowRgn(HWND window, HRGN region, bool redraw)
{
    std::unique_ptr<TRegion> owned(region);   // the window owns the region from now on
    if (!window || !LiveControls().contains(window)) return 0;
    window->FWindowRegion = std::move(owned);
    window->ApplyWindowShape();
    if (redraw) window->Invalidate();
    return 1;
}

// A window shows nothing outside its rectangle, whatever its region holds there.
void TWinControl::ApplyWindowShape()
{
    if (!FHandle || !PopupWindows()) return;
    if (!FWindowRegion) {
        PopupWindows()->SetShape(FHandle, nullptr);
        return;
    }
    TRegion shown = *FWindowRegion;
    shown.Combine(TRegion(Rect(0, 0, FWidth, FHeight)), RGN_AND);
    PopupWindows()->SetShape(FHandle, &shown);
}

int GetWindowRgn(HWND window, HRGN region)
{
    if (!window || !region || !window->FWindowRegion) return ERROR;
    *region = *window->FWindowRegion;
    return region->Kind();
}

namespace {
const TWinControl* gShowingInactive = nullptr;

// Shows the window; without activation when asked and possible.
void Show(HWND window, bool activate)
{
    if (activate || !PopupWindows()) {
        window->SetVisible(true);
        return;
    }
    window->HandleNeeded();
    PopupWindows()->ShowInactive(window->WindowHandle());
    const TWinControl* outer = gShowingInactive;
    gShowingInactive = window;
    try {
        window->SetVisible(true);
    } catch (...) {
        gShowingInactive = outer;
        throw;
    }
    gShowingInactive = outer;
}
}  // namespace

bool ShowingWithoutActivation(const TWinControl* window) { return window && window == gShowingInactive; }

bool ShowWindow(HWND window, int command)
{
    if (!window || !LiveControls().contains(window)) return false;
    const bool wasVisible = window->Visible();
    switch (command) {
    case 0: window->SetVisible(false); break;   // SW_HIDE
    case SW_SHOWNOACTIVATE:
    case SW_SHOWNA: Show(window, false); break;
    default: Show(window, true); break;
    }
    return wasVisible;
}

bool SetWindowPos(HWND window, HWND insertAfter, Integer x, Integer y, Integer cx, Integer cy, Cardinal flags)
{
    if (!window || !LiveControls().contains(window)) return false;
    const TRect b = window->BoundsRect();
    window->SetBounds(flags & SWP_NOMOVE ? b.Left : x, flags & SWP_NOMOVE ? b.Top : y,
                      flags & SWP_NOSIZE ? b.Width() : cx, flags & SWP_NOSIZE ? b.Height() : cy);
    if (flags & SWP_HIDEWINDOW) window->SetVisible(false);
    if (flags & SWP_SHOWWINDOW) Show(window, !(flags & SWP_NOACTIVATE));
    if (!(flags & SWP_NOZORDER) && (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST)) window->BringToFront();
    return true;
}
