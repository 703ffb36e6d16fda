#pragma once
// TTimer: OnTimer every Interval milliseconds while enabled, on the toolkit's timers or on the
// clock a test installs (SetTimerClock).
#include "platform/classes/Component.h"
#include "platform/classes/Events.h"

class TTimer : public TComponent {
    DECLARE_CLASS(TTimer, TComponent)
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    Cardinal Interval() const { return FInterval; }
    void SetInterval(Cardinal value);
    TNotifyEvent OnTimer() const { return FOnTimer; }
    void SetOnTimer(const TNotifyEvent& value);

protected:
    virtual void Timer();
    void Loaded() override;

private:
    void UpdateTimer();
    bool FEnabled = true;
    Cardinal FInterval = 1000;
    TNotifyEvent FOnTimer;
    bool FRunning = false;
};
