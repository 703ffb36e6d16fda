#pragma once
// What the screen's monitor list needs from the toolkit: the displays, each with a handle that
// stays the same while the display is connected, its bounds, its work area (without panels and
// docks) and its logical resolution.  The Qt back end registers an implementation at start-up; this header is
// toolkit-free.
#include <cstdint>
#include <vector>

#include "platform/graphics/Graphics.h"

using HMONITOR = std::uintptr_t;   // 0 is no monitor

struct TMonitorFacts {
    HMONITOR Handle = 0;
    TRect Bounds;
    TRect WorkArea;
    bool Primary = false;
    int PixelsPerInch = 96;
};

class TMonitorsBackend {
public:
    virtual ~TMonitorsBackend() = default;
    // The displays, the primary one first.
    virtual std::vector<TMonitorFacts> Monitors() = 0;
};

// The registered back end; EInvalidOperation "No monitors back end" when none is.
TMonitorsBackend& MonitorsBackend();
void RegisterMonitorsBackend(TMonitorsBackend* backend);
