// Window-procedure hook chains and the hook components built on them.
#include <gtest/gtest.h>

#include <string>

#include "styledcontrols/StyHookComponent.h"
#include "styledcontrols/StyWindowProcHook.h"

namespace {

constexpr Cardinal kProbe = WM_USER + 7;

// A control that writes "C" into the shared log for each probe message it handles.
class TLoggingControl : public TControl {
public:
    TLoggingControl(std::string& log) : TControl(nullptr), FLog(log) {}
    void WndProc(TMessage& message) override
    {
        if (message.Msg == kProbe) FLog += "C";
        TControl::WndProc(message);
    }

private:
    std::string& FLog;
};

// Hooks that log their letter; the swallowing ones do not pass the message on.
struct THooks : TObject {
    std::string& Log;
    explicit THooks(std::string& log) : Log(log) {}
    void A(TMessage& m, PStyHookContext c)
    {
        if (m.Msg == kProbe) Log += "A";
        c->CallPrev(m);
    }
    void B(TMessage& m, PStyHookContext c)
    {
        if (m.Msg == kProbe) Log += "B";
        c->CallPrev(m);
    }
    void Swallow(TMessage& m, PStyHookContext) { if (m.Msg == kProbe) Log += "S"; }
    void Replacement(TMessage& m) { if (m.Msg == kProbe) Log += "R"; }
};

}  // namespace

TEST(StyWindowProcHook, TheLastHookSeesAMessageFirstAndPassesItDown)
{
    std::string log;
    TLoggingControl control(log);
    THooks hooks(log);
    TStyWindowProc::Hook(&control, TStyHookProc(&hooks, &THooks::A));
    TStyWindowProc::Hook(&control, TStyHookProc(&hooks, &THooks::B));
    control.Perform(kProbe);
    EXPECT_EQ(log, "BAC");

    log.clear();
    TStyWindowProc::Hook(&control, TStyHookProc(&hooks, &THooks::Swallow));
    control.Perform(kProbe);
    EXPECT_EQ(log, "S") << "a hook that does not pass the message on keeps it from the others and the control";

    TStyWindowProc::Unhook(&control, TStyHookProc(&hooks, &THooks::Swallow));
    TStyWindowProc::Unhook(&control, TStyHookProc(&hooks, &THooks::A));
    TStyWindowProc::Unhook(&control, TStyHookProc(&hooks, &THooks::B));
    log.clear();
    control.Perform(kProbe);
    EXPECT_EQ(log, "C") << "without hooks the control's own procedure is back";
}

TEST(StyWindowProcHook, HookingTwiceInstallsOnce)
{
    std::string log;
    TLoggingControl control(log);
    THooks hooks(log);
    TStyHookProc a(&hooks, &THooks::A);
    TStyWindowProc::Hook(&control, a);
    TStyWindowProc::Hook(&control, a);
    EXPECT_TRUE(TStyWindowProc::IsHooked(&control, a));
    control.Perform(kProbe);
    EXPECT_EQ(log, "AC");
    TStyWindowProc::Unhook(&control, a);
    EXPECT_FALSE(TStyWindowProc::IsHooked(&control, a));
    TStyWindowProc::Hook(nullptr, a);   // nothing happens
    EXPECT_FALSE(TStyWindowProc::IsHooked(nullptr, a));
}

TEST(StyWindowProcHook, ALaterReplacementOfTheWindowProcedureIsLeftInPlace)
{
    std::string log;
    TLoggingControl control(log);
    THooks hooks(log);
    TStyHookProc a(&hooks, &THooks::A);
    TStyWindowProc::Hook(&control, a);
    control.WindowProc = TWndMethod(&hooks, &THooks::Replacement);
    TStyWindowProc::Unhook(&control, a);
    control.Perform(kProbe);
    EXPECT_EQ(log, "R");
}

TEST(StyWindowProcHook, AFreedControlTakesItsHooksWithIt)
{
    std::string log;
    THooks hooks(log);
    TStyHookProc a(&hooks, &THooks::A);
    auto* control = new TLoggingControl(log);
    TStyWindowProc::Hook(control, a);
    delete control;
    EXPECT_FALSE(TStyWindowProc::IsHooked(control, a));
    // A new control at the same address starts without hooks.
    TLoggingControl fresh(log);
    TStyWindowProc::Unhook(&fresh, a);
    fresh.Perform(kProbe);
    EXPECT_EQ(log, "C");
}

namespace {

struct TComponentEvents : TObject {
    std::string& Log;
    bool HandleBefore = false;
    TStyCustomHookComponent* DeactivateInEvent = nullptr;
    explicit TComponentEvents(std::string& log) : Log(log) {}
    void Before(TObject*, TMessage& m, bool& handled)
    {
        if (m.Msg != kProbe) return;
        Log += "b";
        handled = HandleBefore;
        if (DeactivateInEvent) DeactivateInEvent->SetActive(false);
    }
    void After(TObject*, TMessage& m, bool&) { if (m.Msg == kProbe) Log += "a"; }
    void Message(TObject*, TMessage& m, bool&) { if (m.Msg == kProbe) Log += "m"; }
};

}  // namespace

TEST(StyHookComponent, SeesEachMessageBeforeAndAfterTheControl)
{
    std::string log;
    TLoggingControl control(log);
    TComponentEvents events(log);
    TStyHookComponent hook(nullptr);
    hook.OnBeforeProcess = TStyHookEvent(&events, &TComponentEvents::Before);
    hook.OnMessage = TStyHookEvent(&events, &TComponentEvents::Message);
    hook.OnAfterProcess = TStyHookEvent(&events, &TComponentEvents::After);
    hook.SetControl(&control);
    control.Perform(kProbe);
    EXPECT_EQ(log, "bmCa");

    log.clear();
    events.HandleBefore = true;
    control.Perform(kProbe);
    EXPECT_EQ(log, "bma") << "a handled message never reaches the control; the after event still runs";
}

TEST(StyHookComponent, AComponentReleasedInsideItsEventIsFreedAfterTheMessage)
{
    std::string log;
    TLoggingControl control(log);
    TComponentEvents events(log);
    TStyHookComponent hook(nullptr);
    hook.OnBeforeProcess = TStyHookEvent(&events, &TComponentEvents::Before);
    hook.OnAfterProcess = TStyHookEvent(&events, &TComponentEvents::After);
    hook.SetControl(&control);
    events.DeactivateInEvent = &hook;
    control.Perform(kProbe);
    EXPECT_EQ(log, "bC") << "the message finishes its way to the control";
    EXPECT_FALSE(hook.Active());
    log.clear();
    control.Perform(kProbe);
    EXPECT_EQ(log, "C");
}

TEST(StyHookComponent, ControlSetToNilAndAnotherLeavesItInactive)
{
    std::string log;
    TLoggingControl first(log), second(log);
    TComponentEvents events(log);
    TStyHookComponent hook(nullptr);
    hook.OnBeforeProcess = TStyHookEvent(&events, &TComponentEvents::Before);
    hook.SetControl(&first);
    EXPECT_TRUE(hook.Active());
    hook.SetControl(nullptr);
    hook.SetControl(&second);
    EXPECT_FALSE(hook.Active());
    second.Perform(kProbe);
    EXPECT_EQ(log, "C");
    hook.SetActive(true);
    log.clear();
    second.Perform(kProbe);
    EXPECT_EQ(log, "bC");
}

TEST(StyHookComponent, TwoComponentsOnOneControlShareOneHookLastAttachedFirst)
{
    std::string log;
    TLoggingControl control(log);
    TComponentEvents first(log), second(log);
    TStyHookComponent h1(nullptr), h2(nullptr);
    h1.OnMessage = TStyHookEvent(&first, &TComponentEvents::Message);
    h2.OnBeforeProcess = TStyHookEvent(&second, &TComponentEvents::Before);
    h1.SetControl(&control);
    h2.SetControl(&control);
    control.Perform(kProbe);
    EXPECT_EQ(log, "bmC");
    {
        // A freed control leaves both components without a control.
        auto* gone = new TLoggingControl(log);
        h1.SetControl(gone);
        delete gone;
        EXPECT_EQ(h1.Control(), nullptr);
        EXPECT_FALSE(h1.Active());
    }
}
