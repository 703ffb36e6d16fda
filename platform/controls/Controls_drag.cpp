// Drag and drop between the controls of a window, and the start and end of dock drags.  The
// source holds the mouse while its drag is under way; the controls under the mouse are asked
// whether they take the drop, and the one that took it last gets it on the release.
#include <cstdlib>

#include "platform/controls/Controls.h"
#include "platform/controls/Controls_internal.h"

using namespace ControlsKernel;

IMPLEMENT_CLASS(TDragObject, TObject, NewObject<TDragObject>)
IMPLEMENT_CLASS(TDragDockObject, TDragObject, NewObject<TDragDockObject>)

// The drag under way (one at a time), and the steps it goes through.
class TDragOperation {
public:
    static TDragOperation& Current()
    {
        static TDragOperation drag;
        return drag;
    }

    TControl* Source = nullptr;

    void Begin(TControl* source, bool immediate, Integer threshold, TPoint screen)
    {
        FDock = source->DragKind() == dkDock;
        FObject = nullptr;
        if (FDock) {
            TDragDockObject* dock = nullptr;
            source->DoStartDock(dock);
            FObject = dock;
        } else {
            source->DoStartDrag(FObject);
        }
        if (!LiveControls().contains(source)) return;
        Source = source;
        FMoving = false;
        FStart = FPos = screen;
        FThreshold = threshold < 0 ? Mouse->DragThreshold() : threshold;
        FTarget = nullptr;
        FAccepted = false;
        SetCaptureControl(source);
        if (immediate) MoveTo(screen);
    }

    void MoveTo(TPoint screen)
    {
        if (FMoving && screen == FPos) return;
        FPos = screen;
        if (!FMoving) {
            if (std::abs(screen.X - FStart.X) < FThreshold && std::abs(screen.Y - FStart.Y) < FThreshold) return;
            FMoving = true;
        }
        if (FDock) return;
        TControl* target = TargetAt(screen);
        if (target != FTarget) {
            Leave();
            FTarget = target;
            Ask(dsDragEnter);
        } else {
            Ask(dsDragMove);
        }
        if (Source) ::SetCursor(CursorHandle(FAccepted ? Source->DragCursor() : crNoDrop));
    }

    // A drop on the control that took it, or a cancel; the source is told last.
    void Finish(bool drop)
    {
        TControl* source = Source;
        TObject* object = SourceObject();
        const bool dock = FDock;
        TControl* target = LiveControls().contains(FTarget) ? FTarget : nullptr;
        const bool dropped = drop && FMoving && FAccepted && target;
        const TPoint p = target ? target->ScreenToClient(FPos) : FPos;
        if (target && !dropped) Ask(dsDragLeave);
        Source = nullptr;
        FTarget = nullptr;
        if (GetCaptureControl() == source) SetCaptureControl(nullptr);
        ::SetCursor(CursorHandle(crDefault));
        if (dropped) target->DragDrop(object, p.X, p.Y);
        if (!LiveControls().contains(source)) return;
        if (dock) source->DoEndDock(nullptr, p.X, p.Y);
        else source->DoEndDrag(dropped && LiveControls().contains(target) ? target : nullptr, p.X, p.Y);
    }

    // The source is going away: its drag ends without a word.
    void Forget(const TControl* control)
    {
        if (control == Source) Source = nullptr;
        if (control == FTarget) FTarget = nullptr;
    }

private:
    TDragObject* FObject = nullptr;   // the program's own, from OnStartDrag
    bool FDock = false;
    bool FMoving = false;             // past the threshold
    TPoint FStart, FPos;              // screen points: where it began, where the mouse is
    Integer FThreshold = 0;
    TControl* FTarget = nullptr;      // the control under the mouse
    bool FAccepted = false;           // and whether it takes the drop

    TObject* SourceObject() const { return FObject ? static_cast<TObject*>(FObject) : Source; }

    void Ask(TDragState state)
    {
        FAccepted = false;
        if (!FTarget || !Source) return;
        bool accept = true;
        const TPoint p = FTarget->ScreenToClient(FPos);
        FTarget->DragOver(SourceObject(), p.X, p.Y, state, accept);
        FAccepted = accept && state != dsDragLeave;
    }

    void Leave()
    {
        if (FTarget && LiveControls().contains(FTarget)) Ask(dsDragLeave);
    }

    // The visible, enabled control at a screen point of the source's window, windowless ones
    // included.
    TControl* TargetAt(TPoint screen) const
    {
        TControl* top = Source;
        while (top && top->Parent()) top = top->Parent();
        auto* window = dynamic_cast<TWinControl*>(top);
        if (!window || !window->Showing() || !window->ClientRect().Contains(window->ScreenToClient(screen)))
            return nullptr;
        window = DeepestWindowAt(window, screen);
        TControl* child = window->ControlAtPos(window->ScreenToClient(screen));
        return child ? child : window;
    }
};

void TControl::BeginDrag(bool Immediate, Integer Threshold)
{
    if (TDragOperation::Current().Source) return;
    // the drag starts where the mouse input last delivered was
    const Cardinal pos = GetMessagePos();
    TDragOperation::Current().Begin(this, Immediate, Threshold, {LoSmall(pos), HiSmall(pos)});
}

void TControl::EndDrag(bool Drop)
{
    if (Dragging()) TDragOperation::Current().Finish(Drop);
}

bool TControl::Dragging() const { return TDragOperation::Current().Source == this; }

bool TControl::DragMouseInput(TMessage& message)
{
    if (message.Msg == WM_MOUSEWHEEL) return false;
    TDragOperation& drag = TDragOperation::Current();
    const TPoint screen = ClientToScreen(MessagePoint(message));
    if (drag.Source == this) {
        if (message.Msg == WM_MOUSEMOVE) drag.MoveTo(screen);
        else if (message.Msg == WM_LBUTTONUP || message.Msg == WM_RBUTTONUP) {
            drag.MoveTo(screen);
            if (drag.Source == this) drag.Finish(true);
        }
        return true;
    }
    if (FDragMode != dmAutomatic || drag.Source || (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK))
        return false;
    drag.Begin(this, false, -1, screen);
    return true;
}

bool ControlsKernel::IsDragSource(const TControl* control) { return TDragOperation::Current().Source == control; }

bool ControlsKernel::CancelDrag()
{
    if (!TDragOperation::Current().Source) return false;
    TDragOperation::Current().Finish(false);
    return true;
}

void ControlsKernel::ForgetDragControl(const TControl* control) { TDragOperation::Current().Forget(control); }

void TControl::DragOver(TObject* Source, Integer X, Integer Y, TDragState State, bool& Accept)
{
    Accept = OnDragOver.Assigned();
    if (Accept) OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, Integer X, Integer Y) { OnDragDrop(this, Source, X, Y); }
void TControl::DoStartDrag(TDragObject*& DragObject) { OnStartDrag(this, DragObject); }
void TControl::DoEndDrag(TObject* Target, Integer X, Integer Y) { OnEndDrag(this, Target, X, Y); }
void TControl::DoStartDock(TDragDockObject*& DragObject) { OnStartDock(this, DragObject); }
void TControl::DoEndDock(TObject* Target, Integer X, Integer Y) { OnEndDock(this, Target, X, Y); }
