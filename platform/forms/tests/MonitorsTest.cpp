// The screen's displays: from a scripted back end, and from the Qt back end's screens.
#include <gtest/gtest.h>

#include "platform/controls/WindowSystem.h"
#include "platform/forms/Forms.h"
#include "platform/testing/Driver.h"

namespace {

// Two displays side by side, the primary one on the left with a 30-pixel panel at its bottom.
struct TTwoDisplays : TMonitorsBackend {
    std::vector<TMonitorFacts> Displays = {
        {0x51, Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1050), true, 96},
        {0x52, Rect(1920, 0, 3200, 1024), Rect(1920, 0, 3200, 1024), false, 144},
    };
    std::vector<TMonitorFacts> Monitors() override { return Displays; }
};

struct Monitors : ::testing::Test {
    Monitors()
    {
        TestInitialize();
        Saved = &MonitorsBackend();
        RegisterMonitorsBackend(&Backend);
    }
    ~Monitors() override { RegisterMonitorsBackend(Saved); }
    TMonitorsBackend* Saved;
    TTwoDisplays Backend;
    TScreen Screen{nullptr};
};

TEST_F(Monitors, ListsTheDisplaysWithTheirNumbersBoundsAndWorkAreas)
{
    ASSERT_EQ(Screen.MonitorCount(), 2);
    TMonitor* left = Screen.Monitors(0);
    TMonitor* right = Screen.Monitors(1);
    EXPECT_EQ(left->Handle(), HMONITOR(0x51));
    EXPECT_EQ(left->MonitorNum(), 0);
    EXPECT_TRUE(left->Primary());
    EXPECT_EQ(left->BoundsRect(), Rect(0, 0, 1920, 1080));
    EXPECT_EQ(left->WorkareaRect(), Rect(0, 0, 1920, 1050));
    EXPECT_EQ(right->MonitorNum(), 1);
    EXPECT_FALSE(right->Primary());
    EXPECT_EQ(right->WorkareaRect(), Rect(1920, 0, 3200, 1024));
}

TEST_F(Monitors, FollowAMovedPanelAndAnswerEmptyWhenDisconnected)
{
    TMonitor* left = Screen.Monitors(0);
    TMonitor* right = Screen.Monitors(1);
    Backend.Displays[0].WorkArea = Rect(0, 40, 1920, 1080);   // the panel moved to the top
    Backend.Displays.pop_back();                              // the right display unplugged
    EXPECT_EQ(left->WorkareaRect(), Rect(0, 40, 1920, 1080));
    EXPECT_EQ(right->BoundsRect(), TRect());
    EXPECT_EQ(right->WorkareaRect(), TRect());
    EXPECT_FALSE(right->Primary());
    EXPECT_EQ(Screen.MonitorCount(), 2);   // the list is the one first read
}

TEST_F(Monitors, ARectangleAndAFormAreOnTheDisplayThatShowsMostOfThem)
{
    struct Case {
        TRect rect;
        HMONITOR display;
    };
    const Case cases[] = {
        {Rect(100, 100, 500, 400), 0x51},
        {Rect(1800, 100, 2200, 400), 0x52},    // 280 of 400 pixels on the right
        {Rect(1700, 100, 2100, 400), 0x51},    // 220 on the left
        {Rect(-900, -900, -100, -100), 0x51},  // on none: the primary
    };
    for (const Case& c : cases) EXPECT_EQ(Screen.MonitorFromRect(c.rect)->Handle(), c.display) << c.rect.Left;
    EXPECT_EQ(Screen.Monitors(0)->PixelsPerInch(), 96);
    EXPECT_EQ(Screen.Monitors(1)->PixelsPerInch(), 144);
    Backend.Displays.pop_back();
    EXPECT_EQ(Screen.Monitors(1)->PixelsPerInch(), 96);   // unplugged
}

TEST(QtMonitors, ThePrimaryDisplayComesFirstWithTheWindowSystemsWorkArea)
{
    TestInitialize();
    ASSERT_GE(::Screen->MonitorCount(), 1);
    TMonitor* primary = ::Screen->Monitors(0);
    EXPECT_TRUE(primary->Primary());
    EXPECT_NE(primary->Handle(), HMONITOR(0));
    EXPECT_EQ(primary->WorkareaRect(), WindowSystem().ScreenRect());
    EXPECT_FALSE(primary->BoundsRect().IsEmpty());
    EXPECT_EQ(primary->PixelsPerInch(), 96);   // the offscreen display at scale factor 1
    for (Integer i = 1; i < ::Screen->MonitorCount(); ++i) EXPECT_FALSE(::Screen->Monitors(i)->Primary());
}

}  // namespace
