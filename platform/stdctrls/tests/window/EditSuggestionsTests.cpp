// The list of matching file names under an edit, on a shown form: it drops down without taking
// the activation or the focus, and the arrows, Enter, Escape and a click work it.
#include <gtest/gtest.h>

#include <memory>

#include "platform/rtl/tests/TempFolder.h"
#include "platform/stdctrls/EditCompletion.h"
#include "platform/testing/Driver.h"

namespace {

// An edit that proposes names as it is typed in, as a file-name field does.
class TSuggestingEdit : public TObject {
public:
    TEdit* Edit = nullptr;
    TEditSuggestions* List = nullptr;
    void Changed(TObject*) { List->Suggest(TCompletionKind::ckFilesAndFolders); }
    void KeyDown(TObject*, Word& key, TShiftState)
    {
        if (List->EditKeyDown(key)) key = 0;
    }
};

// A 300 x 200 form with a 200 x 21 edit at (10, 10); a folder holding "Section1.dam",
// "section2.dam", "report.txt" and a folder "Results".
struct SuggestionsForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Folder.Make("Section1.dam");
        Folder.Make("section2.dam");
        Folder.Make("report.txt");
        Folder.Folder("Results");
        Base = Folder.Path() + "/";
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Edit = new TEdit(Form.get());
        Edit->SetBounds(10, 10, 200, 21);
        Edit->SetParent(Form.get());
        Suggesting.Edit = Edit;
        Suggesting.List = new TEditSuggestions(Edit);
        Form->Show();
        TestProcess();
        Edit->SetFocus();
        Edit->SetText(Base);
        Edit->SetSelStart(Base.Length());
        Edit->OnChange = TNotifyEvent(&Suggesting, &TSuggestingEdit::Changed);
        Edit->OnKeyDown = TKeyEvent(&Suggesting, &TSuggestingEdit::KeyDown);
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    TEditSuggestions* List() const { return Suggesting.List; }
    TempFolder Folder;
    String Base;
    std::unique_ptr<TForm> Form;
    TEdit* Edit = nullptr;
    TSuggestingEdit Suggesting;
};

TEST_F(SuggestionsForm, TheMatchingNamesDropDownUnderTheEditWhichKeepsTheFocus)
{
    TestTypeText(Edit, "sec");
    ASSERT_TRUE(List()->DroppedDown());
    EXPECT_EQ(List()->Items().Count(), 2);
    EXPECT_EQ(List()->Items()[0], Base + "Section1.dam");
    EXPECT_EQ(List()->Items()[1], Base + "section2.dam");
    EXPECT_EQ(List()->ItemIndex(), -1);   // none chosen yet
    EXPECT_EQ(Edit->Text(), Base + "sec");   // the text stays as typed
    const TPoint editBottomLeft = Edit->ClientToScreen(TPoint{-Edit->BorderWidthNC(), Edit->Height() - Edit->BorderWidthNC()});
    EXPECT_EQ(List()->BoundsRect().TopLeft(), editBottomLeft);
    EXPECT_EQ(List()->Width(), Edit->Width());
    EXPECT_EQ(List()->Height(), 2 * List()->ItemHeight() + 2);
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Screen->ActiveForm(), Form.get());

    TestTypeText(Edit, "tion2");   // typing on narrows the list
    ASSERT_TRUE(List()->DroppedDown());
    EXPECT_EQ(List()->Items().Count(), 1);
    TestTypeText(Edit, "x");        // no name starts so
    EXPECT_FALSE(List()->DroppedDown());
}

TEST_F(SuggestionsForm, ArrowsChooseEnterTakesTheNameEscapeCloses)
{
    struct Case {
        const char* Name;
        std::vector<Word> Keys;
        const char* Text;   // after the folder
        bool Dropped;
    };
    const Case cases[] = {
        {"down twice, enter", {VK_DOWN, VK_DOWN, VK_RETURN}, "section2.dam", false},
        {"down past the last stays on it", {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, "section2.dam", false},
        {"down, up", {VK_DOWN, VK_DOWN, VK_UP, VK_RETURN}, "Section1.dam", false},
        {"up above the first chooses none", {VK_DOWN, VK_UP, VK_RETURN}, "sec", false},
        {"escape", {VK_DOWN, VK_ESCAPE}, "sec", false},
        {"arrows only", {VK_DOWN}, "sec", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetText(Base);
        Edit->SetSelStart(Base.Length());
        TestTypeText(Edit, "sec");
        ASSERT_TRUE(List()->DroppedDown());
        for (Word key : c.Keys) TestPressKey(Edit, key);
        EXPECT_EQ(Edit->Text(), Base + c.Text);   // no line break or escape character typed
        EXPECT_EQ(List()->DroppedDown(), c.Dropped);
        if (!c.Dropped) { EXPECT_EQ(Edit->SelStart(), Edit->Text().Length()); }
        List()->CloseUp();
    }
}

TEST_F(SuggestionsForm, AClickTakesTheNameClicked)
{
    TestTypeText(Edit, "sec");
    ASSERT_TRUE(List()->DroppedDown());
    const TRect second = List()->ItemRect(1);
    TestClick(List(), second.Left + 5, second.Top + 2);
    EXPECT_EQ(Edit->Text(), Base + "section2.dam");
    EXPECT_FALSE(List()->DroppedDown());
    EXPECT_TRUE(Edit->Focused());
}

}  // namespace
