// The check list on the real back end: boxes follow their rows, clicks on a box and the space bar
// move the state on, and the rows show box and text.
#include <gtest/gtest.h>

#include "platform/stdctrls/CheckLst.h"
#include "platform/testing/Driver.h"

namespace {

class TChecks : public TObject {
public:
    int Clicks = 0;
    void ClickCheck(TObject*) { ++Clicks; }
};

// A 160 x 100 list of 18-pixel rows without border at (10, 10): row i spans y = 18 i .. 18 i + 17,
// its box x = 1 .. 13.
struct CheckListFixture : ::testing::Test {
    TForm* Form = nullptr;
    TCheckListBox* List = nullptr;
    TChecks Events;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 140);
        Form->SetColor(clBtnFace);
        List = new TCheckListBox(Form);
        List->SetBorderStyle(bsNone);
        List->SetStyle(lbOwnerDrawFixed);
        List->SetItemHeight(18);
        List->SetBounds(10, 10, 160, 100);
        List->SetParent(Form);
        List->OnClickCheck = TNotifyEvent(&Events, &TChecks::ClickCheck);
        for (const char* joint : {"Joint 1 (base)", "Joint 2", "Joint 3", "Crest"}) List->Items().Add(joint);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(CheckListFixture, BoxesFollowTheirRows)
{
    List->SetChecked(1, true);
    List->SetState(3, cbGrayed);
    List->Items().Insert(0, "Foundation");
    List->Items().Delete(3);   // "Joint 3"
    ASSERT_EQ(List->Count(), 4);
    const TCheckBoxState expected[] = {cbUnchecked, cbUnchecked, cbChecked, cbGrayed};
    for (Integer i = 0; i < 4; ++i) EXPECT_EQ(List->State(i), expected[i]) << List->Items()[i].ToUtf8();
    EXPECT_THROW(List->State(4), EListError);
    List->Items().Clear();
    EXPECT_THROW(List->Checked(0), EListError);
    EXPECT_EQ(Events.Clicks, 0);   // changes by program are no clicks
}

TEST_F(CheckListFixture, ClicksOnTheBoxAndTheSpaceBarMoveTheStateOn)
{
    TestClick(List, 7, 18 + 9);   // the box of row 1
    EXPECT_TRUE(List->Checked(1));
    EXPECT_EQ(Events.Clicks, 1);
    TestClick(List, 60, 9);        // the text of row 0 selects it, its box stays
    EXPECT_FALSE(List->Checked(0));
    EXPECT_EQ(List->ItemIndex(), 0);
    EXPECT_EQ(Events.Clicks, 1);

    TestPressKey(List, VK_SPACE);
    EXPECT_TRUE(List->Checked(0));
    List->SetAllowGrayed(true);
    TestPressKey(List, VK_SPACE);
    EXPECT_EQ(List->State(0), cbGrayed);
    TestPressKey(List, VK_SPACE);
    EXPECT_EQ(List->State(0), cbUnchecked);
    EXPECT_EQ(Events.Clicks, 4);

    List->SetItemEnabled(2, false);
    TestClick(List, 7, 36 + 9);
    EXPECT_FALSE(List->Checked(2));
    EXPECT_EQ(Events.Clicks, 4);
}

TEST_F(CheckListFixture, RowsShowTheBoxLeftOfTheText)
{
    List->SetChecked(0, true);
    List->SetItemIndex(1);
    TestProcess();
    TBitmap shot;
    TestScreenshot(Form, "platform-checklistbox", shot);
    // the list starts at (10, 10) of the form's client area; a 13-pixel box with a white inside
    // at x 1 .. 13 of each row, its check mark dark on row 0 only
    auto pixel = [&](Integer x, Integer y) { return TestPixel(List, x, y); };
    EXPECT_EQ(pixel(7, 9 + 18 * 2), clWhite);                 // inside an empty box
    int dark = 0;
    for (Integer y = 3; y < 15; ++y)
        for (Integer x = 3; x < 12; ++x) dark += pixel(x, y) == clBlack;
    EXPECT_GT(dark, 5);                                        // the mark of row 0
    EXPECT_EQ(ColorToRGB(pixel(140, 18 + 2)), ColorToRGB(clHighlight));   // row 1 is selected
    EXPECT_EQ(ColorToRGB(pixel(0, 18 + 9)), ColorToRGB(clWindow));        // its box stands on the list's colour
}

}  // namespace
