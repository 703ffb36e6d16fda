// The timer pool on the test clock: tick multiples, call counts, changes during a tick, handler
// errors, the application object's identifiers and the styled timer in both modes.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "foundation/StyClass.h"
#include "platform/forms/Forms.h"
#include "platform/testing/Driver.h"

namespace {

// Records which timer fired at which time of the test clock.
class TFiringLog : public TObject {
public:
    explicit TFiringLog(TTestClock& clock) : FClock(clock) {}
    void Fired(TObject* Sender) { Times[Sender].push_back(FClock.Now()); }
    void Raise(TObject*)
    {
        ++Raised;
        throw Exception("handler failed");
    }
    void Caught(TObject*, Exception& E) { Errors.push_back(E.Message()); }
    std::map<TObject*, std::vector<Cardinal>> Times;
    int Raised = 0;
    std::vector<String> Errors;

private:
    TTestClock& FClock;
};

// Fires, then changes another item or removes a timer, as a handler may.
class TMeddler : public TObject {
public:
    void Disable(TObject*) { Target->SetEnabled(false); }
    void Remove(TObject*) { Pool->RemoveTimer(RemoveIdent); }
    TStyTimerItem* Target = nullptr;
    TStyTimerPool* Pool = nullptr;
    Word RemoveIdent = 0;
};

std::vector<Cardinal> Every(Cardinal step, Cardinal until)
{
    std::vector<Cardinal> times;
    for (Cardinal t = step; t <= until; t += step) times.push_back(t);
    return times;
}

}  // namespace

TEST(StyTimerPoolTests, ItemsFireOnTheirMultiplesOfTheTick)
{
    TTestClock clock;
    TFiringLog log(clock);
    TStyTimerPool pool(nullptr, 50);
    std::map<Word, std::vector<Cardinal>> fired;
    class TByIdent : public TObject {
    public:
        TByIdent(TTestClock& clock, std::map<Word, std::vector<Cardinal>>& fired) : FClock(clock), FFired(fired) {}
        void Fired(TObject*, Word Ident, Integer) { FFired[Ident].push_back(FClock.Now()); }
        TTestClock& FClock;
        std::map<Word, std::vector<Cardinal>>& FFired;
    } byIdent(clock, fired);
    pool.OnTimer = TStyTimerPoolEvent(&byIdent, &TByIdent::Fired);
    pool.AddTimer(1, 50, nullptr);
    pool.AddTimer(2, 100, nullptr);
    pool.AddTimer(3, 150, nullptr);
    EXPECT_TRUE(pool.Active());
    clock.Advance(300);
    EXPECT_EQ(fired[1], Every(50, 300));
    EXPECT_EQ(fired[2], Every(100, 300));
    EXPECT_EQ(fired[3], Every(150, 300));
    EXPECT_EQ(pool.GetTimer(2)->Counter(), 3);
    EXPECT_EQ(pool.GetTimer(3)->HitValue(), 3);

    // Adding a timer restarts the tick sequence of all: 100 ms items fire 100 ms after it.
    fired.clear();
    clock.Advance(50);   // tick 7: only the 50 ms item
    pool.AddTimer(4, 200, nullptr);
    clock.Advance(100);
    EXPECT_EQ(fired[2], std::vector<Cardinal>{450});
    EXPECT_EQ(fired[1], (std::vector<Cardinal>{350, 400, 450}));

    // Removing the last item stops the system timer.
    for (Word ident : {1, 2, 3, 4}) pool.RemoveTimer(ident);
    EXPECT_FALSE(pool.Active());
    EXPECT_EQ(pool.Count(), 0);
}

TEST(StyTimerPoolTests, IntervalsMustBeMultiplesOfTheMinimum)
{
    TTestClock clock;
    TStyTimerPool pool(nullptr, 50);
    for (Word interval : {75, 0, 25}) {
        try {
            pool.AddTimer(1, interval, nullptr);
            ADD_FAILURE() << interval;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Interval not compatible with MinInterval property!");
        }
    }
    EXPECT_EQ(pool.Count(), 0);
    pool.AddTimer(1, 100, nullptr);
    EXPECT_THROW(pool.AddTimer(1, 100, nullptr), Exception);   // identifier in use

    // An item's interval takes multiples only; 0 means the minimum.
    TStyTimerItem* item = pool.GetTimer(1);
    item->SetInterval(120);
    EXPECT_EQ(item->Interval(), 100);
    item->SetInterval(0);
    EXPECT_EQ(item->Interval(), 50);
    EXPECT_EQ(item->HitValue(), 1);

    // The minimum is fixed at run time; it is taken while read from a form.
    pool.SetMinInterval(10);
    EXPECT_EQ(pool.MinInterval(), 50);
    TStyTimerPool loaded(nullptr);
    loaded.IncludeState(csLoading);
    loaded.SetMinInterval(10);
    EXPECT_EQ(loaded.MinInterval(), 10);
    EXPECT_THROW(TStyTimerItem(nullptr, 1, nullptr), EInvalidOperation);
}

TEST(StyTimerPoolTests, CallCountDisablesTheItem)
{
    TTestClock clock;
    TFiringLog log(clock);
    TStyTimerPool pool(nullptr, 50);
    pool.AddTimerExt(7, 50, TNotifyEvent(&log, &TFiringLog::Fired), true, 3);
    clock.Advance(250);
    EXPECT_EQ(log.Times[&pool], (std::vector<Cardinal>{50, 100, 150}));
    TStyTimerItem* item = pool.GetTimer(7);
    EXPECT_FALSE(item->Enabled());
    EXPECT_EQ(pool.ActiveTimers(), 0);

    item->SetEnabled(true);
    EXPECT_EQ(item->Counter(), 0);
    clock.Advance(250);
    EXPECT_EQ(log.Times[&pool].size(), 6u);

    item->SetCallCount(0);
    item->SetEnabled(true);
    EXPECT_FALSE(item->Enabled());
    item->SetCallCount(-5);
    EXPECT_EQ(item->CallCount(), -1);
}

TEST(StyTimerPoolTests, ChangesDuringATickTakeEffectAtOnce)
{
    TTestClock clock;
    TFiringLog log(clock);
    TStyTimerPool pool(nullptr, 50);
    TMeddler meddler;
    meddler.Pool = &pool;
    pool.AddTimer(1, 100, TNotifyEvent(&meddler, &TMeddler::Disable));
    pool.AddTimer(2, 100, TNotifyEvent(&log, &TFiringLog::Fired));
    pool.AddTimer(3, 100, TNotifyEvent(&meddler, &TMeddler::Remove));
    pool.AddTimer(4, 100, TNotifyEvent(&log, &TFiringLog::Fired));
    meddler.Target = pool.GetTimer(2);
    meddler.RemoveIdent = 3;   // the item removes itself; the one after it still fires
    clock.Advance(100);
    EXPECT_FALSE(pool.GetTimer(2)->Enabled());
    EXPECT_EQ(pool.GetTimer(3), nullptr);
    EXPECT_EQ(log.Times[&pool], std::vector<Cardinal>{100});   // item 4 only
    EXPECT_EQ(pool.Count(), 3);
}

TEST(StyTimerPoolTests, AHandlerThatRaisesDoesNotStopThePool)
{
    TTestClock clock;
    TFiringLog log(clock);
    TExceptionEvent saved = Application->OnException;
    Application->OnException = TExceptionEvent(&log, &TFiringLog::Caught);
    TStyTimerPool pool(nullptr, 50);
    pool.AddTimer(1, 50, TNotifyEvent(&log, &TFiringLog::Raise));
    clock.Advance(150);
    Application->OnException = saved;
    EXPECT_EQ(log.Raised, 3);
    EXPECT_EQ(log.Errors, (std::vector<String>{"handler failed", "handler failed", "handler failed"}));
}

TEST(StyApplicationTimerTests, IdentifiersRunFromFD01ToFDFA)
{
    TTestClock clock;
    TStyApplication application(nullptr);
    std::vector<Word> idents;
    for (int i = 0; i < 250; ++i) idents.push_back(application.AddTimer(100, nullptr));
    EXPECT_EQ(idents.front(), 0xFD01);
    EXPECT_EQ(idents.back(), 0xFDFA);
    EXPECT_EQ(application.AddTimer(100, nullptr), 0);
    EXPECT_EQ(application.Timers()->Count(), 250);
    application.RemoveTimer(0xFD01);
    application.RemoveTimer(0xFD00);   // not one of ours
    EXPECT_EQ(application.AddTimerExt(100, 2, nullptr, false), 0xFD01);
    EXPECT_FALSE(application.GetTimer(0xFD01)->Enabled());
    EXPECT_EQ(application.GetTimer(0xFD01)->CallCount(), 2);
    EXPECT_EQ(application.Timers()->MinInterval(), 50);
}

TEST(StyTimerTests, GlobalModeRunsOnThePoolInStepsOf50)
{
    TTestClock clock;
    TFiringLog log(clock);
    TStyTimer global(120, TNotifyEvent(&log, &TFiringLog::Fired), true, true);
    TStyTimer own(120, TNotifyEvent(&log, &TFiringLog::Fired), true, false);
    EXPECT_EQ(StyApplication()->GetTimer(global.TimerID())->Interval(), 150);
    clock.Advance(300);
    EXPECT_EQ(log.Times[&global], (std::vector<Cardinal>{150, 300}));
    EXPECT_EQ(log.Times[&own], (std::vector<Cardinal>{120, 240}));

    // An interval no multiple of 50 is not taken by the pool item.
    global.SetInterval(130);
    EXPECT_EQ(StyApplication()->GetTimer(global.TimerID())->Interval(), 150);
    global.SetInterval(100);
    EXPECT_EQ(StyApplication()->GetTimer(global.TimerID())->Interval(), 100);

    global.SetEnabled(false);
    own.SetGlobalMode(true);   // a fresh pool item
    EXPECT_NE(own.TimerID(), 0);
    log.Times.clear();
    clock.Advance(300);
    EXPECT_TRUE(log.Times[&global].empty());
    EXPECT_EQ(log.Times[&own], (std::vector<Cardinal>{450, 600}));
    own.SetGlobalMode(false);
    EXPECT_EQ(own.TimerID(), 0);
}

TEST(StyTimerTests, NoIdentifierLeftIsAnOutOfResourcesError)
{
    TTestClock clock;
    std::vector<Word> taken;
    for (Word ident = StyApplication()->AddTimer(50, nullptr); ident != 0; ident = StyApplication()->AddTimer(50, nullptr))
        taken.push_back(ident);
    try {
        TStyTimer timer(100, nullptr, true, true);
        ADD_FAILURE();
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), "Pas assez de timers disponibles");
    }
    for (Word ident : taken) StyApplication()->RemoveTimer(ident);
}
