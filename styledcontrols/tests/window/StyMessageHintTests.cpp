// Message balloons at a control: a shaped window next to an edit, dismissed by a key press,
// build/screenshots/styled-balloon.png.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyMessageHint.h"

namespace {

struct MessageHint : ::testing::Test {
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    TStyMessageHint* Hint = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 420, 170);
        Form->SetCaption("Statistics");
        Edit = new TEdit(Form);
        Edit->SetBounds(20, 20, 120, 22);
        Edit->SetParent(Form);
        Hint = new TStyMessageHint(Form);
        Hint->SetPosition(hpBelowRight);
        Hint->SetMaxWidth(-2);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TStyMessageHintWindow* Balloon() const
    {
        return Hint->Windows().empty() ? nullptr : static_cast<TStyMessageHintWindow*>(Hint->Windows().back());
    }
};

}  // namespace

TEST_F(MessageHint, ShowsAShapedBalloonBelowRightOfTheControlsCentre)
{
    Hint->ShowControlMessage("<html>The number of analyses must lie<br>between <b>1</b> and <b>10000</b>.", Edit, "", clNone, hitInfo, -1);
    TestProcess();
    ASSERT_TRUE(Hint->IsDisplaying());
    TStyMessageHintWindow* b = Balloon();
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->Visible() && b->HandleAllocated());
    const TPoint centre = Form->ClientToScreen({20 + 60, 20 + 11});
    EXPECT_EQ(b->Origin().X, centre.X);
    EXPECT_EQ(b->Origin().Y, centre.Y);
    EXPECT_EQ(b->PlacedAt(), hpBelowRight);
    EXPECT_EQ(b->Left(), centre.X + 6) << "6 pixels right of the centre";
    EXPECT_EQ(b->Top(), centre.Y + 1) << "1 pixel below it";
    // The window is shaped: its top-left corner (outside the nose and the rounded body) is not
    // part of it, the nose's tip is.
    TRegion shape;
    ASSERT_NE(GetWindowRgn(b, &shape), 0);
    EXPECT_TRUE(shape.Contains(6, 3)) << "the tip of the nose points at the target";
    EXPECT_FALSE(shape.Contains(b->Width() - 1, 0)) << "the body's corner is rounded off";
    EXPECT_FALSE(shape.Contains(10, 20)) << "beside the nose";

    TBitmap shot;
    TestScreenshot(Form, {b}, "styled-balloon", shot);
}

TEST_F(MessageHint, AKeyPressTakesTheBalloonAwayButItStaysDisplayingUntilHidden)
{
    Edit->SetFocus();
    Hint->ShowControlMessage("Out of range", Edit, "", clNone, hitInfo, -1);
    TestProcess();
    TStyMessageHintWindow* b = Balloon();
    ASSERT_TRUE(b && b->Visible() && b->HandleAllocated());
    TestPressKey(Edit, 'A');
    EXPECT_FALSE(b->Visible() || b->HandleAllocated()) << "the balloon left the screen";
    EXPECT_EQ(Edit->Text(), String()) << "the key only dismissed the balloon";
    EXPECT_TRUE(Hint->IsDisplaying());
    Hint->HideMessage();
    EXPECT_FALSE(Hint->IsDisplaying());
    TestPressKey(Edit, 'B');
    EXPECT_EQ(Edit->Text(), String("b"));
}

TEST_F(MessageHint, OneBalloonAtATimeAndGroupsWithSeveral)
{
    Hint->ShowControlMessage("first", Edit, "", clNone, hitInfo, -1);
    Hint->ShowControlMessage("second", Edit, "", clNone, hitInfo, -1);
    EXPECT_EQ(Hint->Windows().size(), 1u);
    Hint->HideMessage();
    Hint->HideMessage();
    EXPECT_FALSE(Hint->IsDisplaying());

    Hint->SetAllowMultipleHints(true);
    EXPECT_FALSE(Hint->SetCapture());
    Hint->ShowMessage("a", 200, 200, "", clNone, hitInfo, 1);
    Hint->ShowMessage("b", 220, 220, "", clNone, hitInfo, 2);
    Hint->ShowMessage("c", 240, 240, "", clNone, hitInfo, 1);
    ASSERT_EQ(Hint->Windows().size(), 3u);
    EXPECT_EQ(Hint->Windows()[2]->Tag(), 2);
    Hint->HideMessages(1);
    ASSERT_EQ(Hint->Windows().size(), 1u);
    EXPECT_EQ(Hint->Windows()[0]->Tag(), 1);
    Hint->SetAllowMultipleHints(false);
    EXPECT_FALSE(Hint->SetCapture());

    Edit->Hide();
    Hint->ShowControlMessage("hidden", Edit, "", clNone, hitInfo, -1);
    EXPECT_FALSE(Hint->IsDisplaying()) << "an invisible control shows nothing, the others are gone";
}
