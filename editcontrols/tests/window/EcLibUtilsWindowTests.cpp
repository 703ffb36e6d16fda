// The support routines that ask the screen and the application: monitors and the foreground.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcLibUtils.h"
#include "platform/controls/WindowSystem.h"
#include "platform/testing/Driver.h"

namespace {

TEST(EcLibUtilsScreen, FindsMonitorsByHandleAndGivesTheirWorkArea)
{
    TestInitialize();
    ASSERT_GE(Screen->MonitorCount(), 1);
    TMonitor* primary = Screen->Monitors(0);
    EXPECT_EQ(FindMonitor(primary->Handle()), primary);
    EXPECT_EQ(FindMonitor(0), nullptr);
    EXPECT_EQ(FindMonitor(primary->Handle() + 1), nullptr);   // no display has that handle
    EXPECT_EQ(MonitorWorkArea(primary), WindowSystem().ScreenRect());
    EXPECT_EQ(MonitorWorkArea(nullptr), TRect());
}

TEST(EcLibUtilsScreen, TheApplicationIsInTheForegroundWhileOneOfItsFormsIsActive)
{
    TestInitialize();
    EXPECT_FALSE(IsForegroundApplication());
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    TestProcess();
    EXPECT_TRUE(IsForegroundApplication());
    form.reset();
    TestProcess();
    EXPECT_FALSE(IsForegroundApplication());
}

}  // namespace
