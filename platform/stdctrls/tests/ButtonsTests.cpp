#include <gtest/gtest.h>

#include "platform/stdctrls/Buttons.h"
#include "platform/testing/Driver.h"

namespace {

struct Clicks : TObject {
    std::vector<TObject*> Log;
    void Click(TObject* sender) { Log.push_back(sender); }
};

struct SpeedButtons : ::testing::Test {
    SpeedButtons()
    {
        TestInitialize();
        Host.SetBounds(0, 0, 200, 100);
        for (Integer i = 0; i < 3; ++i) {
            B[i] = new TSpeedButton(&Host);
            B[i]->SetParent(&Host);
            B[i]->SetBounds(10 + 30 * i, 10, 23, 22);
            B[i]->SetGroupIndex(1);
            B[i]->OnClick = TNotifyEvent(&Events, &Clicks::Click);
        }
        Host.Show();
        TestProcess();
    }
    void ClickOn(TSpeedButton* b)
    {
        std::intptr_t at = MakeLParam(b->Left() + 5, b->Top() + 5);
        Host.Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
        Host.Perform(WM_LBUTTONUP, 0, at);
    }
    Clicks Events;
    TForm Host{nullptr};
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

namespace {

// An owner-drawn button that fills itself red while pushed and green otherwise, and logs the
// states it is asked to draw in.
class TDrawnButton : public TButton {
public:
    using TButton::TButton;
    std::vector<Cardinal> States;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TButton::CreateParams(Params);
        Params.Style |= BS_OWNERDRAW;
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg != CN_DRAWITEM) return TButton::WndProc(message);
        auto* item = reinterpret_cast<TDrawItemStruct*>(message.LParam);
        States.push_back(item->itemState);
        item->hDC->Brush().SetColor(item->itemState & ODS_SELECTED ? clRed : clLime);
        item->hDC->FillRect(item->rcItem);
        message.Result = 1;
    }
};

}  // namespace

TEST(OwnerDrawnButton, DrawsItselfPushedWhileHeldAndClicksOnRelease)
{
    TestInitialize();
    Clicks events;
    TForm host(nullptr);
    host.SetBounds(0, 0, 100, 50);
    auto* b = new TDrawnButton(&host);
    b->SetParent(&host);
    b->SetBounds(10, 10, 40, 20);
    b->OnClick = TNotifyEvent(&events, &Clicks::Click);
    host.Show();
    TestProcess();
    ASSERT_FALSE(b->States.empty());
    EXPECT_EQ(b->States.back() & ODS_SELECTED, 0u);
    EXPECT_EQ(TestPixel(b, 5, 5), clLime);

    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    b->Update();
    EXPECT_EQ(b->States.back() & ODS_SELECTED, static_cast<Cardinal>(ODS_SELECTED));
    EXPECT_EQ(b->Perform(BM_GETSTATE) & BST_PUSHED, static_cast<std::intptr_t>(BST_PUSHED));
    // dragged off it comes up; released there it does not click
    b->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(60, 5));
    b->Perform(WM_LBUTTONUP, 0, MakeLParam(60, 5));
    EXPECT_TRUE(events.Log.empty());
    b->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(5, 5));
    b->Perform(WM_LBUTTONUP, 0, MakeLParam(5, 5));
    EXPECT_EQ(events.Log, std::vector<TObject*>{b});
    b->Update();
    EXPECT_EQ(b->States.back() & ODS_SELECTED, 0u);

    // BM_SETSTATE shows it pushed without clicking
    b->Perform(BM_SETSTATE, 1);
    b->Update();
    EXPECT_EQ(TestPixel(b, 5, 5), clRed);
    b->Perform(BM_SETSTATE, 0);
    b->Update();
    EXPECT_EQ(TestPixel(b, 5, 5), clLime);

    // Space: pushed on key down, clicks on key up
    b->Perform(WM_KEYDOWN, VK_SPACE);
    b->Update();
    EXPECT_EQ(b->States.back() & ODS_SELECTED, static_cast<Cardinal>(ODS_SELECTED));
    b->Perform(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(events.Log.size(), 2u);
}
