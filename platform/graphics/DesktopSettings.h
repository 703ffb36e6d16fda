#pragma once
// The desktop's settings for mouse, caret, keyboard and wheel, as the system parameters report
// them.  The back end registers the toolkit's; without a source (and under the test driver) they
// are those of a classic desktop.  This header is toolkit-free.
#include "platform/rtl/Types.h"

struct TDesktopSettings {
    Cardinal DoubleClickTime = 500;   // milliseconds between the clicks of a double click
    Cardinal CaretBlinkTime = 530;    // milliseconds the caret stays lit, and dark; 0: it does not blink
    Integer KeyboardDelay = 2;        // repeat delay, 0..3: 250 ms to 1 s in quarter seconds
    Integer KeyboardSpeed = 26;       // repeat rate, 0..31: 2.5 to 30 characters a second
    Integer WheelScrollLines = 3;     // lines a notch of the wheel scrolls
};

class TDesktopSettingsSource {
public:
    virtual ~TDesktopSettingsSource() = default;
    // Read afresh: the user may change them while the program runs.
    virtual TDesktopSettings Read() = 0;
};
// Null: the classic desktop's settings.
void RegisterDesktopSettings(TDesktopSettingsSource* source);
TDesktopSettings DesktopSettings();

// The keyboard's repeat as the scales of the settings give it: the delay in milliseconds to the
// nearest quarter second (0..3) and the rate in characters a second to the nearest step (0..31).
Integer KeyboardDelayStep(Integer milliseconds);
Integer KeyboardSpeedStep(double charactersPerSecond);
