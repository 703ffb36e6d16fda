#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/stdctrls/tests/FakeWindowSystem.h"

namespace {

struct ScrollEvents : TObject {
    std::vector<String> Log;
    TScrollBar* Bar = nullptr;
    bool Hold = false;
    void Scroll(TObject*, TScrollCode code, Integer& pos)
    {
        Log.push_back("scroll " + IntToStr(code) + " to " + IntToStr(pos));
        if (Hold) pos = Bar->Position();
    }
    void Change(TObject*) { Log.push_back("change " + IntToStr(Bar->Position())); }
};

}  // namespace

TEST(ScrollBar, ArrowsAndTrackStepThePosition)
{
    InitQtGraphics();
    FakeWindows windows;
    TCustomControl host(nullptr);
    host.SetBounds(0, 0, 200, 50);
    auto* bar = new TScrollBar(&host);
    bar->SetParent(&host);
    bar->SetBounds(0, 0, 121, 17);
    bar->SetLargeChange(10);
    ScrollEvents events;
    events.Bar = bar;
    bar->OnScroll = TScrollEvent(&events, &ScrollEvents::Scroll);
    bar->OnChange = TNotifyEvent(&events, &ScrollEvents::Change);
    host.HandleNeeded();
    auto press = [&](Integer x) {
        bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(x, 8));
        bar->Perform(WM_LBUTTONUP, 0, MakeLParam(x, 8));
    };
    press(115);   // right arrow
    press(100);   // track right of the thumb
    EXPECT_EQ(bar->Position(), 11);
    EXPECT_EQ(events.Log, (std::vector<String>{"scroll 1 to 1", "change 1", "scroll 3 to 11", "change 11"}));
    events.Log.clear();
    press(3);     // left arrow, held by OnScroll
    events.Hold = true;
    press(3);
    EXPECT_EQ(bar->Position(), 10);
    EXPECT_EQ(events.Log, (std::vector<String>{"scroll 0 to 10", "change 10", "scroll 0 to 9"}));
    bar->SetPosition(500);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
}
