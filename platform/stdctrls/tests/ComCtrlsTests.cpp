#include <gtest/gtest.h>

#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/stdctrls/UpDown.h"
#include "platform/testing/Driver.h"

namespace {

struct PageEvents : TObject {
    std::vector<String> Log;
    bool Allow = true;
    TPageControl* Pages = nullptr;
    void Changing(TObject*, bool& allow)
    {
        Log.push_back("changing from " + Pages->ActivePage()->Caption());
        allow = Allow;
    }
    void Changed(TObject*) { Log.push_back("changed to " + Pages->ActivePage()->Caption()); }
};

struct ComCtrlsTest : ::testing::Test {
    ComCtrlsTest()
    {
        TestInitialize();
        Host.SetBounds(0, 0, 400, 300);
        Host.Show();
        TestProcess();
    }
    // Pixels the control shows inside its client rectangle r that are not `background`.
    static Integer Inked(TWinControl* c, const TRect& r, TColor background)
    {
        TBitmap shot;
        TestGrab(c, shot);
        Integer b = c->BorderWidthNC(), n = 0;
        for (Integer y = r.Top; y < r.Bottom; ++y)
            for (Integer x = r.Left; x < r.Right; ++x) n += ColorToRGB(shot.Canvas().Pixel(x + b, y + b)) != ColorToRGB(background);
        return n;
    }
    TForm Host{nullptr};
};

}  // namespace

TEST_F(ComCtrlsTest, StatusBarPanelsShowTheirTexts)
{
    auto* bar = new TStatusBar(&Host);
    bar->SetParent(&Host);
    EXPECT_EQ(bar->Align(), alBottom);
    bar->SetSizeGrip(false);
    bar->Panels().Add()->SetWidth(100);
    bar->Panels().Add()->SetWidth(100);
    Host.HandleNeeded();
    EXPECT_EQ(bar->PanelRect(0), (TRect{0, 2, 100, 19}));
    EXPECT_EQ(bar->PanelRect(1), (TRect{102, 2, 400, 19}));   // the last panel takes the rest

    bar->Repaint();
    TRect inside0{4, 4, 96, 17}, inside1{106, 4, 198, 17};
    EXPECT_EQ(Inked(bar, inside0, clBtnFace), 0);
    bar->Panels()[0]->SetText("x = 12.50 m");
    EXPECT_EQ(bar->Panels()[0]->Text(), String("x = 12.50 m"));
    bar->Update();   // the change invalidated the bar
    EXPECT_GT(Inked(bar, inside0, clBtnFace), 10);
    EXPECT_EQ(Inked(bar, inside1, clBtnFace), 0);

    bar->SetSimpleText("Ready");
    bar->SetSimplePanel(true);
    bar->Update();
    EXPECT_GT(Inked(bar, inside0, clBtnFace), 5);
    EXPECT_EQ(bar->PanelRect(0), (TRect{0, 2, 400, 19}));
}

TEST_F(ComCtrlsTest, PageControlSwitchesTabs)
{
    auto* pages = new TPageControl(&Host);
    pages->SetParent(&Host);
    pages->SetBounds(0, 0, 300, 200);
    TTabSheet* sheet[3];
    for (Integer i = 0; i < 3; ++i) {
        sheet[i] = new TTabSheet(&Host);
        sheet[i]->SetCaption(i == 0 ? "General" : i == 1 ? "Loads" : "Results");
        sheet[i]->SetPageControl(pages);
    }
    PageEvents events;
    events.Pages = pages;
    pages->OnChanging = TTabChangingEvent(&events, &PageEvents::Changing);
    pages->OnChange = TNotifyEvent(&events, &PageEvents::Changed);
    Host.HandleNeeded();

    ASSERT_EQ(pages->PageCount(), 3);
    EXPECT_EQ(pages->ActivePage(), sheet[0]);
    EXPECT_TRUE(sheet[0]->Visible());
    EXPECT_FALSE(sheet[1]->Visible());
    EXPECT_EQ(sheet[0]->BoundsRect(), pages->DisplayRect());

    auto click = [&](Integer tab) {
        TRect r = pages->TabRect(tab);
        pages->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(r.Left + 4, r.Top + 4));
        pages->Perform(WM_LBUTTONUP, 0, MakeLParam(r.Left + 4, r.Top + 4));
    };
    click(2);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_TRUE(sheet[2]->Visible());
    EXPECT_FALSE(sheet[0]->Visible());
    EXPECT_EQ(events.Log, (std::vector<String>{"changing from General", "changed to Results"}));

    events.Log.clear();
    events.Allow = false;
    click(1);
    EXPECT_EQ(pages->ActivePage(), sheet[2]);
    EXPECT_EQ(events.Log, (std::vector<String>{"changing from Results"}));

    events.Log.clear();
    events.Allow = true;
    pages->SetActivePageIndex(0);   // by program: no events
    EXPECT_TRUE(events.Log.empty());
    Word key = VK_TAB;
    pages->Perform(WM_KEYDOWN, key, ShiftStateToKeyData(TShiftState{ssCtrl}));
    EXPECT_EQ(pages->ActivePage(), sheet[1]);

    sheet[1]->SetTabVisible(false);
    EXPECT_EQ(pages->ActivePage(), sheet[2]);
    EXPECT_EQ(pages->TabRect(1), TRect{});
    delete sheet[2];
    EXPECT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage(), sheet[0]);
}

TEST_F(ComCtrlsTest, ProgressBarKeepsItsPositionInRange)
{
    auto* bar = new TProgressBar(&Host);
    bar->SetParent(&Host);
    bar->SetBounds(0, 0, 104, 20);
    Host.HandleNeeded();
    bar->SetStep(30);
    bar->StepIt();
    bar->StepIt();
    EXPECT_EQ(bar->Position(), 60);
    bar->StepBy(100);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);
    bar->SetSmooth(true);
    bar->SetPosition(50);
    bar->Repaint();
    // Half of the 100 pixels inside the 1-pixel edge and 1-pixel margin is filled.
    EXPECT_EQ(Inked(bar, TRect{1, 1, 99, 17}, clBtnFace), 50 * 16);
}

TEST_F(ComCtrlsTest, UpDownStepsItsPositionIntoItsAssociate)
{
    auto* shown = new TCustomGroupBox(&Host);
    shown->SetParent(&Host);
    auto* updown = new TCustomUpDown(&Host);
    updown->SetParent(&Host);
    updown->SetBounds(100, 0, 17, 24);
    updown->SetMin(0);
    updown->SetMax(3);
    updown->SetAssociate(shown);
    EXPECT_EQ(shown->Caption(), String("0"));
    Host.HandleNeeded();
    auto press = [&](Integer y) {
        updown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, y));
        updown->Perform(WM_LBUTTONUP, 0, MakeLParam(5, y));
    };
    press(3);
    press(3);
    EXPECT_EQ(updown->Position(), 2);
    EXPECT_EQ(shown->Caption(), String("2"));
    press(3);
    press(3);   // stops at Max
    EXPECT_EQ(updown->Position(), 3);
    updown->SetWrap(true);
    press(3);   // wraps to Min
    EXPECT_EQ(updown->Position(), 0);
    press(20);  // the lower button steps down and wraps to Max
    EXPECT_EQ(updown->Position(), 3);
}

TEST_F(ComCtrlsTest, UpDownHeldRepeatsOnTheTestClockUntilReleased)
{
    TTestClock clock;
    auto* updown = new TCustomUpDown(&Host);
    updown->SetParent(&Host);
    updown->SetBounds(100, 0, 17, 24);
    updown->SetMax(50);
    Host.HandleNeeded();
    updown->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 3));
    EXPECT_EQ(updown->Position(), 1);
    clock.Advance(399);
    EXPECT_EQ(updown->Position(), 1);
    clock.Advance(201);   // the first repeat at 400 ms, the next at 500 and 600
    EXPECT_EQ(updown->Position(), 4);
    updown->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 3));
    clock.Advance(1000);
    EXPECT_EQ(updown->Position(), 4);
}

TEST_F(ComCtrlsTest, ScrollBoxMovesItsChildrenWithItsBars)
{
    auto* box = new TScrollBox(&Host);
    box->SetParent(&Host);
    box->SetBounds(0, 0, 104, 104);
    auto* inner = new TPanel(&Host);
    inner->SetParent(box);
    inner->SetBounds(0, 0, 300, 400);
    Host.HandleNeeded();
    box->UpdateScrollBars();
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(box, SB_VERT, &info));
    EXPECT_EQ(info.nMax, 399);
    Integer page = static_cast<Integer>(info.nPage);
    box->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(box->VertPosition(), page);
    EXPECT_EQ(inner->Top(), -page);
    box->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(box->VertPosition(), 400 - page);
    box->Perform(WM_HSCROLL, SB_LINEDOWN);
    EXPECT_EQ(inner->Left(), -8);
    box->ScrollTo(0, 0);
    EXPECT_EQ(inner->BoundsRect(), (TRect{0, 0, 300, 400}));
}

TEST_F(ComCtrlsTest, TrackBarFollowsKeysClicksAndTheDraggedThumb)
{
    auto* track = new TTrackBar(&Host);
    track->SetParent(&Host);
    track->SetBounds(0, 0, 127, 45);   // channel of 100 pixels: one position per 10 pixels
    Integer changes = 0;
    struct Counter : TObject {
        Integer* N;
        void Changed(TObject*) { ++*N; }
    } counter;
    counter.N = &changes;
    track->OnChange = TNotifyEvent(&counter, &Counter::Changed);
    Host.HandleNeeded();
    Word key = VK_RIGHT;
    track->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(track->Position(), 1);
    track->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(100, 14));   // right of the thumb: a page
    track->Perform(WM_LBUTTONUP, 0, MakeLParam(100, 14));
    EXPECT_EQ(track->Position(), 3);
    TRect thumb = track->ThumbRect();
    EXPECT_EQ(thumb.Left, 8 + 30);
    track->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(thumb.Left + 5, 14));
    track->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(8 + 5 + 70, 14));
    track->Perform(WM_LBUTTONUP, 0, MakeLParam(8 + 5 + 70, 14));
    EXPECT_EQ(track->Position(), 7);
    key = VK_END;
    track->Perform(WM_KEYDOWN, key);
    EXPECT_EQ(track->Position(), 10);
    EXPECT_EQ(changes, 4);
}
