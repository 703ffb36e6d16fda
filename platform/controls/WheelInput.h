#pragma once
// The mouse wheel as input from outside the program (the test driver): the back end registers how
// a turn reaches a window.
#include "platform/graphics/Graphics.h"

struct TWindowHandle;

class TWheelInput {
public:
    virtual ~TWheelInput() = default;
    // A turn by delta (120 a notch, positive away from the user) at a client point of the window,
    // with the MK_* keys and buttons held.
    virtual void SendWheel(TWindowHandle* window, TPoint p, int delta, Cardinal shift) = 0;
};
void RegisterWheelInput(TWheelInput* input);
TWheelInput* WheelInput();   // null when none is registered
