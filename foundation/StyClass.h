#pragma once
// The process-wide application object of the styled-control library and its timer pool: many
// logical timers multiplexed on one system timer that ticks every MinInterval milliseconds.
#include <array>

#include "foundation/StyCustomComponent.h"
#include "platform/classes/Events.h"
#include "platform/rtl/Lists.h"

class TTimer;
class TStyTimerPool;
class TStyIniCtrl;

// ---------------------------------------------------------------- timer pool

using TStyTimerInterval = Integer;   // 1 .. 65535 milliseconds
using TStyTimerPoolEvent = TEvent<TObject*, Word, Integer>;   // Sender, Ident, Counter

// One logical timer of a pool: it fires on the ticks whose number is a multiple of HitValue.
class TStyTimerItem : public TObject {
    DECLARE_CLASS(TStyTimerItem, TObject)
public:
    // EInvalidOperation "<class>: Invalid Owner or List" without pool or list; the item does
    // not add itself to the list.
    TStyTimerItem(TStyTimerPool* aOwner, Word Ident, TList* List);
    ~TStyTimerItem() override;   // leaves the list

    // Fires CallCount times, then disables itself; -1 fires without limit, 0 disables.
    Integer CallCount() const { return FCallCount; }
    void SetCallCount(Integer Value);
    // Firings since the enabled state or the interval last changed.
    Integer Counter() const { return FCounter; }
    bool Enabled() const { return FEnabled; }
    // Enabling an item whose CallCount is 0 is refused.
    void SetEnabled(bool Value);
    Word Ident() const { return FIdent; }
    Word Interval() const { return FInterval; }
    // Taken only as a multiple of the pool's MinInterval (0 means MinInterval).
    void SetInterval(Word Value);
    Integer HitValue() const { return FInternal; }

    // Fires once: OnTimer with the pool as Sender, else the pool's OnTimer.
    void Timer();
    TNotifyEvent OnTimer;

private:
    Integer FCallCount = -1;
    Integer FCounter = 0;
    bool FEnabled = true;
    Word FIdent;
    Word FInterval = 1000;
    Integer FInternal;
    TList* FList;
    TStyTimerPool* FOwner;
};

class TStyTimerPool : public TStyCustomComponent {
    DECLARE_CLASS(TStyTimerPool, TStyCustomComponent)
public:
    explicit TStyTimerPool(TComponent* AOwner);
    // The pool made at run time with its minimum interval (the application object's 50 ms pool).
    TStyTimerPool(TComponent* aOwner, TStyTimerInterval MinInterval);
    ~TStyTimerPool() override;

    TStyTimerInterval MinInterval() const { return FInterval; }
    // Taken only while the pool is read from a form or designed.
    void SetMinInterval(TStyTimerInterval Value);

    // Adds an enabled item firing every wInterval ms and restarts the tick sequence of all items;
    // returns its index.  Raises when Ident is in use, and Exception
    // "Interval not compatible with MinInterval property!" for an interval below MinInterval or
    // no multiple of it.
    Integer AddTimer(Word Ident, Word wInterval, const TNotifyEvent& CallProc);
    Integer AddTimerExt(Word Ident, Word wInterval, const TNotifyEvent& CallProc, bool Enabled, Integer CallCount);
    // Frees the item; removing the last one stops the system timer.
    void RemoveTimer(Word Ident);
    void ClearTimers();
    TStyTimerItem* GetTimer(Word Ident) const;
    Integer IndexOf(Word Ident) const;
    bool HasTimerProc() const { return OnTimer.Assigned(); }

    Integer ActiveTimers() const;
    Integer Count() const { return FList.Count(); }
    bool Active() const { return FActive; }

    TStyTimerPoolEvent OnTimer;

private:
    // The system timer's message: one tick unless one is in progress; an exception goes to the
    // application's handler and later ticks go on.
    void WMTimer();
    void Tick();
    void StartStop(bool Start);

    bool FActive = false;
    bool FFLag = false;
    Integer FPCounter = 0;
    TStyTimerInterval FInterval = 1000;
    TList FList;
    Byte FUpdate = 0;
};

// A timer of the styled controls: on the application object's pool (global mode, the interval
// rounded up to a multiple of 50 ms) or on a platform timer of its own.
class TStyTimer : public TObject {
    DECLARE_CLASS(TStyTimer, TObject)
public:
    // EOutOfResources "Pas assez de timers disponibles" when the pool has no identifier left.
    TStyTimer(Word gInterval, const TNotifyEvent& gTimer, bool gEnabled, bool gmode);
    ~TStyTimer() override;

    bool GlobalMode() const { return FGlobalTimer; }
    void SetGlobalMode(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    Word Interval() const { return FInterval; }
    // Passed on unchanged: on the pool an interval that is no multiple of 50 is not taken.
    void SetInterval(Word Value);
    Word TimerID() const { return FTimerID; }

    TNotifyEvent OnTimer;

private:
    void CreateTimer();
    void ReleaseTimer();
    void DoTimer(TObject* Sender);

    TTimer* FTimer = nullptr;
    Word FTimerID = 0;
    bool FGlobalTimer;
    bool FEnabled;
    Word FInterval;
};

// ---------------------------------------------------------------- application object

class TStyApplication : public TComponent {
    DECLARE_CLASS(TStyApplication, TComponent)
public:
    explicit TStyApplication(TComponent* AOwner);
    ~TStyApplication() override;

    // Pool timers with the identifiers $FD01 .. $FDFA; 0 when all 250 are in use.
    Word AddTimer(Word wInterval, const TNotifyEvent& CallProc);
    Word AddTimerExt(Word wInterval, Integer iCallCount, const TNotifyEvent& CallProc, bool bEnabled);
    void RemoveTimer(Word Ident);   // identifiers up to $FD00 are ignored
    TStyTimerItem* GetTimer(Word Ident) const;
    TStyTimerPool* Timers() const { return FTimerPool; }

    const String& Company() const { return FCompany; }
    void SetCompany(const String& Value) { FCompany = Value; }
    const String& Version() const { return FVersion; }
    void SetVersion(const String& Value) { FVersion = Value; }
    // "Software\<company>\<title>\<version>\": the company and version parts only when set, the
    // program's path when the application has no title.
    String GetDefaultRegPath() const;
    // The application's own settings component, with default settings.
    TStyIniCtrl* Ini() const { return FIniCtrl; }

private:
    Integer FreeTimerSlot() const;

    String FCompany;
    String FVersion;
    TStyTimerPool* FTimerPool;
    TStyIniCtrl* FIniCtrl;
    std::array<bool, 250> FTimerSlots{};
};

// The process-wide application object, made on first use.
TStyApplication* StyApplication();
