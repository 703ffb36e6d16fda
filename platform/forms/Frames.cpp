#include "platform/forms/Frames.h"

IMPLEMENT_CLASS(TCustomFrame, TCustomControl, nullptr)
IMPLEMENT_CLASS(TFrame, TCustomFrame, NewComponent<TFrame>)

// A frame shows its parent's colour and takes the controls dropped on it.
TCustomFrame::TCustomFrame(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FParentColor = true;
    FWidth = 320;
    FHeight = 240;
}
