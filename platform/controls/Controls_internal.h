#pragma once
// What the kernel's source files share among themselves: the live controls, the capture, the
// posted messages and the hooks the forms layer sets.  Nothing outside platform/controls uses it.
#include <deque>
#include <functional>
#include <set>

#include "platform/controls/Controls.h"

namespace ControlsKernel {

std::set<const TControl*>& LiveControls();
std::function<void(TControl*)>& MouseOverHook();
std::function<void(TObject*)>& ExceptionHandler();
extern TControl* gCaptureControl;

struct TPosted {
    HWND Window;
    TMessage Message;
};
std::deque<TPosted>& PostedQueue();

inline bool IsMouseMessage(Cardinal msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }
inline TPoint MessagePoint(const TMessage& m) { return {LoSmall(m.LParam), HiSmall(m.LParam)}; }

// Keeps the key and mouse-button states up to date with an input message being delivered.
void NoteInputState(const TMessage& message);

// The window system's default handling of WM_SETCURSOR (with the window's class cursor) and
// WM_NCLBUTTONDOWN.
void DefaultMouseFrame(TWinControl* window, TMessage& message, TCursor classCursor);

// The parent's surface point of a control's client origin.
TPoint SurfaceOrigin(const TControl* control, TWinControl*& surfaceOwner);

// The deepest visible, enabled window at a screen point inside the window.
TWinControl* DeepestWindowAt(TWinControl* window, TPoint screen);

// The drag under way: whether the control is its source; a cancel (false when there is no
// drag); and a control going away that it must no longer use.
bool IsDragSource(const TControl* control);
bool CancelDrag();
void ForgetDragControl(const TControl* control);

}  // namespace ControlsKernel
