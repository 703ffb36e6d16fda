#include "platform/stdctrls/Timer.h"

#include "platform/controls/Controls.h"

IMPLEMENT_CLASS(TTimer, TComponent, NewComponent<TTimer>)

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer()
{
    if (FRunning) StopLayerTimer(this);
}

void TTimer::SetEnabled(bool value)
{
    if (value == FEnabled) return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(Cardinal value)
{
    if (value == FInterval) return;
    FInterval = value;
    UpdateTimer();
}

void TTimer::SetOnTimer(const TNotifyEvent& value)
{
    FOnTimer = value;
    UpdateTimer();
}

void TTimer::Loaded()
{
    TComponent::Loaded();
    UpdateTimer();
}

// The timer runs while it is enabled, has an interval and a handler.
void TTimer::UpdateTimer()
{
    if (FRunning) StopLayerTimer(this);
    FRunning = false;
    if (ComponentState().Contains(csLoading)) return;
    if (FEnabled && FInterval != 0 && FOnTimer.Assigned()) {
        StartLayerTimer(this, FInterval, [this] { CallProtected(this, [this] { Timer(); }); });
        FRunning = true;
    }
}

void TTimer::Timer() { FOnTimer(this); }
