#include "platform/graphics/DesktopSettings.h"

#include <algorithm>
#include <cmath>

namespace {
TDesktopSettingsSource* gSource = nullptr;
}

void RegisterDesktopSettings(TDesktopSettingsSource* source) { gSource = source; }

TDesktopSettings DesktopSettings() { return gSource ? gSource->Read() : TDesktopSettings(); }

Integer KeyboardDelayStep(Integer milliseconds)
{
    // step n waits (n + 1) quarter seconds
    return std::clamp(static_cast<Integer>(std::nearbyint((milliseconds - 250) / 250.0)), 0, 3);
}

Integer KeyboardSpeedStep(double charactersPerSecond)
{
    // steps 0..31 run evenly from 2.5 to 30 characters a second
    return std::clamp(static_cast<Integer>(std::nearbyint((charactersPerSecond - 2.5) * 31 / 27.5)), 0, 31);
}
