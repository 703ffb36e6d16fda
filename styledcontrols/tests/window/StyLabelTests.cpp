// Labels on a shown form: empty transparent labels, accelerators, twinkling on the test clock,
// jump labels and the bound label.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyBoundLabel.h"

namespace {

struct StyLabels : ::testing::Test {
    TForm* Form = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Form->SetColor(clWhite);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TStyCustomSimpleLabel* Label(const char* caption, Integer left = 10, Integer top = 10)
    {
        auto* l = new TStyCustomSimpleLabel(Form);
        l->SetLeft(left);
        l->SetTop(top);
        l->SetCaption(caption);
        l->SetParent(Form);
        TestProcess();
        return l;
    }
    int DarkPixels(TControl* c)
    {
        int n = 0;
        for (Integer y = 0; y < c->Height(); ++y)
            for (Integer x = 0; x < c->Width(); ++x) n += (ColorToRGB(TestPixel(c, x, y)) & 0xFFFFFF) != 0xFFFFFF;
        return n;
    }
};

}  // namespace

TEST_F(StyLabels, AnEmptyTransparentLabelPaintsNothingButItsDesignFrame)
{
    auto* l = Label("");
    l->SetAutoSize(false);
    l->SetBounds(10, 10, 40, 20);
    TestProcess();
    EXPECT_EQ(DarkPixels(l), 0);
    l->SetDesigning(true);
    l->Invalidate();
    TestProcess();
    EXPECT_EQ(TestPixel(l, 0, 0), clBlack);   // the dashed frame starts with a dash
}

TEST_F(StyLabels, AutoSizeFollowsTheCaptionAndAmpersandsShowWithoutAccelerators)
{
    auto* l = Label("&Joint");
    const Integer withAccel = l->Width();
    EXPECT_GT(withAccel, 10);
    EXPECT_GT(l->Height(), 8);
    l->SetShowAccelChar(false);   // repaints only; the size follows at the next correction
    l->CorrectBounds();
    EXPECT_GT(l->Width(), withAccel);   // the ampersand takes room
    l->SetAutoSize(false);
    l->SetBounds(10, 10, 15, 9);
    l->SetCaption("A much longer caption");
    EXPECT_EQ(l->Width(), 15);
    EXPECT_EQ(l->Height(), 9);
}

TEST_F(StyLabels, TheAcceleratorFocusesTheFocusControl)
{
    auto* edit = new TEdit(Form);
    edit->SetBounds(100, 10, 80, 22);
    edit->SetParent(Form);
    auto* l = Label("&Name");
    l->SetFocusControl(edit);
    TestProcess();
    EXPECT_EQ(l->Perform(CM_DIALOGCHAR, 'N'), 1);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(l->Perform(CM_DIALOGCHAR, 'X'), 0);
    delete edit;   // the label forgets it
    EXPECT_EQ(l->FocusControl(), nullptr);
}

TEST_F(StyLabels, TwinklingShowsAndHidesForItsOwnTimes)
{
    TTestClock clock;
    auto* l = Label("Flood");
    l->SetTwinkleVisible(1000);
    l->SetTwinkleInVisible(200);
    l->SetTwinkle(true);
    ASSERT_NE(l->TwinkleTimer(), nullptr);
    EXPECT_FALSE(l->TwinkleTimer()->GlobalMode());
    EXPECT_TRUE(l->TwinkleShown());
    clock.Advance(999);
    EXPECT_TRUE(l->TwinkleShown());
    clock.Advance(1);
    EXPECT_FALSE(l->TwinkleShown());
    TestProcess();
    EXPECT_EQ(DarkPixels(l), 0);   // TwinkleColor clNone: an empty phase
    clock.Advance(200);
    EXPECT_TRUE(l->TwinkleShown());
    TestProcess();
    EXPECT_GT(DarkPixels(l), 0);
    clock.Advance(1000);
    EXPECT_FALSE(l->TwinkleShown());
    l->SetTwinkle(false);
    EXPECT_TRUE(l->TwinkleShown());
    EXPECT_EQ(l->TwinkleTimer(), nullptr);
    l->SetUseGlobalTimer(true);
    l->SetTwinkle(true);
    EXPECT_TRUE(l->TwinkleTimer()->GlobalMode());
}

TEST_F(StyLabels, AJumpLabelCountsAndColoursAndAFailedOpenDisablesIt)
{
    auto* l = Label("www.example.org");
    l->SetJumpMode(jmCustom);
    l->Execute();
    l->Execute();
    EXPECT_EQ(l->Counter(), 2);
    EXPECT_EQ(l->Font().Color(), clPurple);
    l->ResetCounter();
    EXPECT_EQ(l->Counter(), 0);
    EXPECT_EQ(l->Font().Color(), clBlue);
    EXPECT_TRUE(l->Font().Style().Contains(TFontStyle::fsUnderline));
    EXPECT_EQ(l->JumpTarget(), String("www.example.org"));
    l->SetJump("  ");
    EXPECT_EQ(l->JumpTarget(), String("www.example.org"));

    // no desktop opener on the path: the open fails
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    const std::filesystem::path empty = std::filesystem::temp_directory_path() / "dorvane-no-opener";
    std::filesystem::create_directories(empty);
    setenv("PATH", empty.c_str(), 1);
    l->SetJumpMode(jmInternet);
    l->Click();
    setenv("PATH", path.c_str(), 1);
    EXPECT_EQ(l->JumpMode(), jmNone);
    EXPECT_FALSE(l->Enabled());
}

TEST_F(StyLabels, ABoundLabelIsNamedSubLabelAndCaptionedWithItsOwner)
{
    struct TOwnerEdit : TCustomControl {
        using TCustomControl::TCustomControl;
        int Requests = 0;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == UM_PLACEBOUNDLABEL) ++Requests;
            TCustomControl::WndProc(m);
        }
    };
    auto* edit = new TOwnerEdit(Form);
    edit->SetName("Edit1");
    edit->SetParent(Form);
    auto* bound = new TStyBoundLabel(edit);
    bound->SetParent(Form);
    EXPECT_EQ(bound->Name(), String("SubLabel"));
    EXPECT_EQ(bound->Caption(), String("Edit1"));
    EXPECT_EQ(bound->Alignment(), agCenterLeft);
    const int before = edit->Requests;
    bound->SetCaption("Height");   // a new size: the owner places it
    EXPECT_GT(edit->Requests, before);
}
