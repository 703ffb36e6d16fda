#include "platform/controls/WindowSystem.h"

#include "platform/rtl/Exceptions.h"

namespace {
TWindowSystem* gSystem = nullptr;
TTimerClock* gClock = nullptr;
}  // namespace

TWindowSystem& WindowSystem()
{
    if (!gSystem) throw EInvalidOperation("No window system");
    return *gSystem;
}

void RegisterWindowSystem(TWindowSystem* system) { gSystem = system; }

TWindowSystem::~TWindowSystem()
{
    if (gSystem == this) gSystem = nullptr;
}

namespace {
TPopupWindows* gPopups = nullptr;
}  // namespace

void RegisterPopupWindows(TPopupWindows* popups) { gPopups = popups; }
TPopupWindows* PopupWindows() { return gPopups; }
bool WindowSystemRegistered() { return gSystem != nullptr; }

void SetTimerClock(TTimerClock* clock)
{
    gClock = clock;
    SetTickClock(clock);
}

void StartLayerTimer(const void* key, Cardinal interval, std::function<void()> fire)
{
    if (gClock) gClock->Start(key, interval, std::move(fire));
    else WindowSystem().StartTimer(key, interval, std::move(fire));
}

void StopLayerTimer(const void* key)
{
    if (gClock) gClock->Stop(key);
    else if (gSystem) gSystem->StopTimer(key);
}
