#include <gtest/gtest.h>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/tests/FakeWindowSystem.h"

namespace {

struct Clicks : TObject {
    std::vector<TObject*> Log;
    void Click(TObject* sender) { Log.push_back(sender); }
};

struct SpeedButtons : ::testing::Test {
    SpeedButtons()
    {
        InitQtGraphics();
        Host.SetBounds(0, 0, 200, 100);
        for (Integer i = 0; i < 3; ++i) {
            B[i] = new TSpeedButton(&Host);
            B[i]->SetParent(&Host);
            B[i]->SetBounds(10 + 30 * i, 10, 23, 22);
            B[i]->SetGroupIndex(1);
            B[i]->OnClick = TNotifyEvent(&Events, &Clicks::Click);
        }
        Host.HandleNeeded();
    }
    void ClickOn(TSpeedButton* b)
    {
        std::intptr_t at = MakeLParam(b->Left() + 5, b->Top() + 5);
        Host.Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Host.Perform(WM_LBUTTONUP, 0, at);
    }
    FakeWindows Windows;
    Clicks Events;
    TCustomControl Host{nullptr};
    TSpeedButton* B[3] = {};
};

}  // namespace

TEST_F(SpeedButtons, AGroupKeepsOneButtonDown)
{
    ClickOn(B[1]);
    EXPECT_TRUE(B[1]->Down());
    ClickOn(B[2]);
    EXPECT_FALSE(B[1]->Down());
    EXPECT_TRUE(B[2]->Down());
    ClickOn(B[2]);   // the only down one stays down
    EXPECT_TRUE(B[2]->Down());
    EXPECT_EQ(Events.Log, (std::vector<TObject*>{B[1], B[2], B[2]}));
    B[2]->SetAllowAllUp(true);
    ClickOn(B[2]);
    EXPECT_FALSE(B[2]->Down());
}

TEST_F(SpeedButtons, ReleasedOutsideDoesNotClick)
{
    Host.Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(15, 15));
    Host.Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(150, 80));
    Host.Perform(WM_LBUTTONUP, 0, MakeLParam(150, 80));
    EXPECT_TRUE(Events.Log.empty());
    EXPECT_FALSE(B[0]->Down());
}

TEST(BitBtn, KindsGiveCaptionResultAndRole)
{
    TBitBtn ok(nullptr), cancel(nullptr), yes(nullptr);
    ok.SetKind(bkOK);
    cancel.SetKind(bkCancel);
    yes.SetKind(bkYes);
    EXPECT_EQ(ok.Caption(), String("OK"));
    EXPECT_EQ(ok.ModalResult(), 1);
    EXPECT_TRUE(ok.Default());
    EXPECT_EQ(cancel.Caption(), String("Cancel"));
    EXPECT_EQ(cancel.ModalResult(), 2);
    EXPECT_TRUE(cancel.Cancel());
    EXPECT_EQ(yes.Caption(), String("&Yes"));
    EXPECT_EQ(yes.ModalResult(), 6);
}
