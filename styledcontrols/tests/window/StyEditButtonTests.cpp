// Buttons embedded in a custom edit: how many sit at each end, how the text area makes room for
// them, and where their clicks go.
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomEdit.h"

namespace {

// Writes each click down as "item <index>" or "edit <index>".
struct TClickLog : TObject {
    std::vector<String> Log;
    TObject* LastBtn = nullptr;
    void Item(TObject*, Integer index) { Log.push_back("item " + IntToStr(index)); }
    void Edit(TObject*, TObject* Btn, Integer index)
    {
        LastBtn = Btn;
        Log.push_back("edit " + IntToStr(index));
    }
};

struct StyEditButtons : ::testing::Test {
    TForm* Form = nullptr;
    TStyCustomEdit* Edit = nullptr;
    TClickLog Clicks;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 100);
        Edit = new TStyCustomEdit(Form);
        Edit->SetBounds(10, 10, 200, 21);
        Edit->SetParent(Form);
        Edit->OnBtnClick = TStyOnBtnClick(&Clicks, &TClickLog::Edit);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TStySpecialButton* Add(TLeftRight alignment)
    {
        TStySpecialButton* item = Edit->CustomButtons().Add();
        item->SetAlignment(alignment);
        item->OnClick = TStyOnCustomBtnClick(&Clicks, &TClickLog::Item);
        TestProcess();   // the editor lays its buttons out
        return item;
    }
};

TEST_F(StyEditButtons, ANewItemIsARightButtonOfTheEditor)
{
    TStySpecialButton* item = Edit->CustomButtons().Add();
    EXPECT_EQ(item->Alignment(), taRightJustify);
    EXPECT_EQ(item->ThemeMode(), ttmNone);
    EXPECT_EQ(item->Color(), clWindow);
    EXPECT_TRUE(item->Enabled());
    EXPECT_EQ(item->Btn()->Parent(), Edit);
    EXPECT_EQ(item->Btn()->Color(), clBtnFace);
    EXPECT_FALSE(item->Btn()->HideHint());
}

TEST_F(StyEditButtons, ButtonsTakeTheirWidthOutOfTheTextArea)
{
    const TRect plain = Edit->TextRect();
    const TRect paint = Edit->PaintRect();
    TStySpecialButton* l1 = Add(taLeftJustify);
    TStySpecialButton* r1 = Add(taRightJustify);
    TStySpecialButton* l2 = Add(taLeftJustify);
    EXPECT_EQ(Edit->CustomButtons().LeftCount(), 2);
    EXPECT_EQ(Edit->CustomButtons().RightCount(), 1);
    // The platform's plain frame: no extra pixel, the buttons as high as the paint area.
    ASSERT_EQ(Edit->Bevel()->Mode(), bmWindows);
    EXPECT_EQ(Edit->TextRect().Width(), plain.Width() - 3 * 16);
    EXPECT_EQ(Edit->TextRect().Left, plain.Left + 2 * 16);
    struct Row {
        TStySpecialButton* item;
        Integer left;
    };
    for (const Row& r : {Row{l1, paint.Left}, Row{l2, paint.Left + 16}, Row{r1, paint.Right - 16}}) {
        EXPECT_EQ(r.item->Btn()->Left(), r.left);
        EXPECT_EQ(r.item->Btn()->Top(), 0);
        EXPECT_EQ(r.item->Btn()->Width(), 16);
        EXPECT_EQ(r.item->Btn()->Height(), paint.Height());
        EXPECT_EQ(r.item->Btn()->ButtonStyle(), ubsIntegrated);
    }

    r1->SetAlignment(taLeftJustify);
    TestProcess();
    EXPECT_EQ(Edit->CustomButtons().LeftCount(), 3);
    // In collection order from the left: l1, r1, l2.
    EXPECT_EQ(r1->Btn()->Left(), paint.Left + 16) << "moved to the left end at the next layout";
    EXPECT_EQ(l2->Btn()->Left(), paint.Left + 32);

    Edit->SetCustomButtonWidth(20);
    EXPECT_EQ(Edit->TextRect().Width(), plain.Width() - 3 * 20);
}

TEST_F(StyEditButtons, AFramedEditKeepsAPixelAroundItsButtons)
{
    Edit->Bevel()->SetMode(bmStandard);
    Edit->Perform(WM_SIZE, 0, 0);
    const TRect plain = Edit->TextRect();
    const TRect paint = Edit->PaintRect();
    TStySpecialButton* r = Add(taRightJustify);
    EXPECT_EQ(Edit->TextRect().Width(), plain.Width() - 16 - 2);
    EXPECT_EQ(r->Btn()->Left(), paint.Right - 1 - 16);
    EXPECT_EQ(r->Btn()->Top(), paint.Top + 1);
    EXPECT_EQ(r->Btn()->Height(), paint.Height() - 2);
}

TEST_F(StyEditButtons, ClickGoesToTheItemThenToTheEditor)
{
    Add(taLeftJustify);
    TStySpecialButton* second = Add(taRightJustify);
    TStySpeedButton* b = second->Btn();
    TestClick(Edit, b->Left() + b->Width() / 2, b->Top() + b->Height() / 2);
    EXPECT_EQ(Clicks.Log, (std::vector<String>{"item 1", "edit 1"}));
    EXPECT_EQ(Clicks.LastBtn, b);

    Clicks.Log.clear();
    Edit->BtnClick(0);
    EXPECT_EQ(Clicks.Log, (std::vector<String>{"item 0", "edit 0"}));
    Clicks.Log.clear();
    Edit->BtnClick(2);
    Edit->BtnClick(-1);
    EXPECT_TRUE(Clicks.Log.empty()) << "an index outside the buttons does nothing";
}

TEST_F(StyEditButtons, ItemSettingsReachTheButton)
{
    TStySpecialButton* item = Add(taRightJustify);
    item->SetCaption("...");
    item->SetHint("Choose a file");
    item->SetEnabled(false);
    item->Font().SetStyle({TFontStyle::fsBold});
    EXPECT_EQ(item->Btn()->Caption(), String("..."));
    EXPECT_EQ(item->Btn()->Hint(), String("Choose a file"));
    EXPECT_FALSE(item->Btn()->Enabled());
    EXPECT_TRUE(item->Btn()->Font().Style().Contains(TFontStyle::fsBold));

    TStySpecialButton* copy = Add(taLeftJustify);
    copy->Assign(item);
    EXPECT_EQ(copy->Btn()->Caption(), String("..."));
    EXPECT_FALSE(copy->Enabled());
    EXPECT_EQ(copy->Alignment(), taLeftJustify) << "the end is not copied";

    Edit->SetCustomButtonsStyle(ubsFlat);
    TestProcess();
    EXPECT_EQ(item->Btn()->ButtonStyle(), ubsFlat);
}

TEST_F(StyEditButtons, AutoSizeLeavesRoomForTheButtons)
{
    Add(taRightJustify);
    Add(taRightJustify);
    Edit->SetWidth(20);
    Edit->SetAutoSize(true);
    EXPECT_EQ(Edit->Width(), 2 * 16 + 30);
}

TEST_F(StyEditButtons, ButtonsFollowTheEditorsThemeWhenAskedTo)
{
    TStySpecialButton* item = Add(taRightJustify);
    Edit->SetCustomButtonParentCtlXP(false);
    Edit->SetThemeMode(ttmPlatform);
    EXPECT_EQ(item->ThemeMode(), ttmNone) << "left alone";
    Edit->SetCustomButtonParentCtlXP(true);
    EXPECT_EQ(item->ThemeMode(), ttmPlatform);
    EXPECT_EQ(item->Btn()->ThemeMode(), ttmPlatform);
    Edit->SetThemeMode(ttmNone);
    EXPECT_EQ(item->Btn()->ThemeMode(), ttmNone);
    EXPECT_FALSE(item->CtlXP());
}

} // namespace
