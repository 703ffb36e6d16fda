#pragma once
// Frames: containers of controls, put on a form (or on another frame) like any control, that own
// the components placed on them, so that the form's own components do not list them.
#include "platform/controls/Controls.h"

class TCustomFrame : public TCustomControl {
    DECLARE_CLASS(TCustomFrame, TCustomControl)
public:
    explicit TCustomFrame(TComponent* AOwner);
};

class TFrame : public TCustomFrame {
    DECLARE_CLASS(TFrame, TCustomFrame)
public:
    explicit TFrame(TComponent* AOwner) : TCustomFrame(AOwner) {}
};
