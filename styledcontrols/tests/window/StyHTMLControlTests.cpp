// Controls embedded in hint markup: made by class name with their properties from the tag, placed
// where their item is drawn, written back as markup; pictures asked for through OnImageNeededEx.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyHTMLUnit.h"

namespace {

struct TCreatedLog : TObject {
    std::vector<TControl*> Created;
    bool Show = true;
    void Adjust(TObject*, TControl*, void* data, Integer& x, Integer& y)
    {
        x = 7;
        y = *static_cast<Integer*>(data);
    }
    void Visibility(TObject*, TControl*, void*, bool& visible) { visible = Show; }
    void ControlCreated(TObject*, TControl* c) { Created.push_back(c); }
    void Picture(TObject*, const String& src, TPicture* picture)
    {
        if (src == "broken") throw Exception("no such picture");
        picture->Bitmap().SetSize(20, 10);
    }
};

struct StyHTMLControl : ::testing::Test {
    TForm* Form = nullptr;
    TStyHTMLRender Render;
    TCreatedLog Log;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 300, 120);
        Form->Show();
        Render.SetControl(Form);
        Render.OnControlCreated = TStyHTMLControlCreatedEvent(&Log, &TCreatedLog::ControlCreated);
        Render.OnImageNeededEx = TStyHTMLImageNeededExEvent(&Log, &TCreatedLog::Picture);
    }
    void TearDown() override
    {
        Render.SetControl(nullptr);
        Render.Data()->ClearArray();
        delete Form;
        TestProcess();
    }
    TStyHTMLItem* ItemOf(TStyHTMLItemType type)
    {
        for (TStyHTMLItem* item : Render.Data()->Items())
            if (item->ItemType() == type) return item;
        return nullptr;
    }
};

}  // namespace

TEST_F(StyHTMLControl, AControlIsMadeByItsClassNameWithItsProperties)
{
    Render.PrepareText("<html>Name: <control vclclass=\"TEdit\" width=80 height=21 text=\"Gravity\" color=clYellow "
                       "maxlength=#12 nosuch=1>", 300, false);
    auto* item = static_cast<TStyHTMLControlItem*>(ItemOf(hitControl));
    ASSERT_NE(item, nullptr);
    auto* edit = dynamic_cast<TEdit*>(item->Control());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Owner(), Form);
    EXPECT_EQ(edit->Parent(), Form);
    EXPECT_FALSE(edit->Visible()) << "until drawn";
    EXPECT_EQ(edit->Width(), 80);
    EXPECT_EQ(edit->Height(), 21);
    EXPECT_EQ(item->FWidth, 80);
    EXPECT_EQ(edit->Text(), "Gravity");
    EXPECT_EQ(edit->Color(), clYellow);
    EXPECT_EQ(edit->MaxLength(), 12);
    EXPECT_FALSE(edit->TabStop());
    EXPECT_EQ(Log.Created, (std::vector<TControl*>{edit}));
    EXPECT_EQ(Render.Data()->ControlsArray().back(), item);
    EXPECT_EQ(item->GetItemHTML(),
              "<control vclclass=\"tedit\" width=\"80\" height=\"21\" text=\"Gravity\" color=\"clYellow\" maxlength=\"12\" >");

    // Drawn, it stands where its item lies, after the text before it, its bottom on the line's.
    TBitmap page(300, 60);
    Render.DrawText(page.Canvas(), {0, 0}, {0, 0, 300, 60}, clNone);
    EXPECT_TRUE(edit->Visible());
    const TStyHTMLItem* text = ItemOf(hitChar);
    EXPECT_EQ(edit->Left(), text->FWidth);
    EXPECT_EQ(edit->Top() + edit->Height(), Render.Data()->TextSize().cy);
}

// The host going first frees the control with it; the item then has nothing left to free.
TEST_F(StyHTMLControl, TheHostMayGoBeforeTheItem)
{
    Render.PrepareText("<html><control vclclass=\"TButton\" width=60 height=20>", 300, false);
    ASSERT_NE(static_cast<TStyHTMLControlItem*>(ItemOf(hitControl))->Control(), nullptr);
    Render.SetControl(nullptr);
    delete Form;
    Form = nullptr;
    Render.Data()->ClearArray();
}

// The host may move the control and decide whether it shows; the document's offsets add.
TEST_F(StyHTMLControl, TheHostPlacesAndShowsTheControl)
{
    Integer down = 3;
    Render.Data()->FAuxData = &down;
    Render.OnAdjustControlPosition = TStyHTMLControlPositionNeededEvent(&Log, &TCreatedLog::Adjust);
    Render.OnSetControlVisibility = TStyHTMLControlVisibilityNeededEvent(&Log, &TCreatedLog::Visibility);
    Render.PrepareText("<html><control vclclass=\"TButton\" width=60 height=20>", 300, false);
    Render.Data()->FHOffset = 10;
    Render.Data()->FVOffset = 4;
    TControl* button = static_cast<TStyHTMLControlItem*>(ItemOf(hitControl))->Control();
    ASSERT_NE(button, nullptr);
    Log.Show = false;
    TBitmap page(300, 60);
    Render.DrawText(page.Canvas(), {0, 0}, {0, 0, 300, 60}, clNone);
    EXPECT_FALSE(button->Visible());
    EXPECT_EQ(button->Left(), 7 + 0 + 10);
    EXPECT_EQ(button->Top(), 3 + Render.Data()->TextSize().cy - 20 + 4);
}

TEST_F(StyHTMLControl, AClassNobodyRegisteredMakesNoControl)
{
    Render.PrepareText("<html><control vclclass=\"TNoSuchThing\" width=50>", 300, false);
    auto* item = static_cast<TStyHTMLControlItem*>(ItemOf(hitControl));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Control(), nullptr);
    EXPECT_TRUE(Log.Created.empty());
}

TEST_F(StyHTMLControl, PicturesComeFromOnImageNeededEx)
{
    Render.PrepareText("<html><img src=\"dam\"><img src=\"broken\">", 300, false);
    std::vector<TStyHTMLItem*> pictures;
    for (TStyHTMLItem* item : Render.Data()->Items())
        if (item->ItemType() == hitBitmap) pictures.push_back(item);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0]->FWidth, 20);
    EXPECT_EQ(pictures[0]->FHeight, 10);
    EXPECT_EQ(pictures[1]->FWidth, 0) << "a failing handler gives no picture";
}
