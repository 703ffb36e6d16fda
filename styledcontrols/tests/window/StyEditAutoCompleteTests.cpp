// Auto-completion of a styled custom edit on a shown form, typed into through the test driver:
// inline completion with its selected tail, the pop-up list of candidates worked by keys, the
// wheel and the mouse, and learning new strings when the user leaves the editor or presses Enter.
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomEdit.h"

namespace {

// The texts the completion's OnSelect reported.
class TSelectedLog : public TObject {
public:
    std::vector<std::string> Texts;
    void Note(TObject*, TStyBaseEdit*, const String& text) { Texts.push_back(text.ToUtf8()); }
};

// A 160 x 21 edit at (10, 10) of a form, linked to a completion whose strings (item 0 of a string
// list) are Paris, Parme and Lyon; inline completion, letter case ignored.
struct StyAutoComplete : ::testing::Test {
    TForm* Form = nullptr;
    TStyCustomEdit* Edit = nullptr;
    TStyStringList* Lists = nullptr;
    TStyEditAutoComplete* Completion = nullptr;
    TStyCustomEdit* Other = nullptr;
    TSelectedLog Selected;
    void SetUp() override
    {
        TestInitialize();
        StyApplication()->SetEditMode({emInsert});
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 260, 160);
        Edit = new TStyCustomEdit(Form);
        Edit->SetBounds(10, 10, 160, 21);
        Edit->SetParent(Form);
        Other = new TStyCustomEdit(Form);
        Other->SetBounds(10, 120, 160, 21);
        Other->SetParent(Form);
        Lists = new TStyStringList(Form);
        Lists->Add();
        for (const char* s : {"Paris", "Parme", "Lyon"}) Strings().Add(s);
        Completion = new TStyEditAutoComplete(Form);
        Completion->SetStringList(Lists);
        Completion->SetStringListIndex(0);
        Completion->SetCaseSensitive(false);
        Completion->SetMode({amText});
        Completion->OnSelect = TStyAutoCompleteSelEvent(&Selected, &TSelectedLog::Note);
        Edit->SetAutoComplete(Completion);
        Form->Show();
        Edit->SetFocus();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TStringList& Strings() { return Lists->GetArrayItem(0)->Items(); }
    bool Dropped() { return Completion->PopupList() && Completion->PopupList()->Visible(); }
};

}  // namespace

TEST_F(StyAutoComplete, TypingCompletesInlineAndBackspaceTakesTheTailWithTheLetter)
{
    TestTypeText(Edit, "p");
    EXPECT_EQ(Edit->Text(), "Paris");
    EXPECT_EQ(Edit->SelText(), "aris");
    EXPECT_EQ(Edit->CurrentChar(), 2);
    // Backspace takes the completed tail and the letter typed; nothing typed completes to nothing
    TestPressKey(Edit, VK_BACK);
    EXPECT_EQ(Edit->Text(), "");
    TestTypeText(Edit, "parm");   // typing over the selected tail narrows to the next match
    EXPECT_EQ(Edit->Text(), "Parme");
    EXPECT_EQ(Edit->SelText(), "e");
    Edit->SetText("");

    Completion->SetIsExact(true);   // only a whole string completes
    TestTypeText(Edit, "par");
    EXPECT_EQ(Edit->Text(), "par");
    Completion->SetIsExact(false);
    Completion->SetCaseSensitive(true);   // "l" is no start of "Lyon" now
    Edit->SetText("");
    TestTypeText(Edit, "l");
    EXPECT_EQ(Edit->Text(), "l");
    Completion->SetEnabled(false);
    Edit->SetText("");
    TestTypeText(Edit, "L");
    EXPECT_EQ(Edit->Text(), "L");
}

TEST_F(StyAutoComplete, ThePopUpListsTheCandidatesUnderTheEditorAndEscapeRestoresTheTypedText)
{
    Completion->SetMode({amPopup});
    const TWndMethod own = Edit->WindowProc;
    TestTypeText(Edit, "par");
    ASSERT_TRUE(Dropped());
    TCustomListBox* list = Completion->PopupList();
    ASSERT_EQ(list->Items().Count(), 2);
    EXPECT_EQ(list->Items()[0], "Paris");
    EXPECT_EQ(list->Items()[1], "Parme");
    EXPECT_EQ(list->ItemIndex(), -1);
    const TPoint bottomLeft = Edit->ClientToScreen(TPoint{-Edit->BorderWidthNC(), Edit->Height() - Edit->BorderWidthNC()});
    EXPECT_EQ(list->BoundsRect().TopLeft(), bottomLeft);
    EXPECT_EQ(list->Width(), Edit->Width());
    EXPECT_EQ(list->Height(), list->Canvas().TextHeight("Paris") * 2 + 5);
    EXPECT_TRUE(Edit->Focused());
    EXPECT_FALSE(Edit->WindowProc == own);   // the list listens to the editor's messages

    TestPressKey(Edit, VK_DOWN);   // the first item, taken into the editor and all selected
    EXPECT_EQ(Edit->Text(), "Paris");
    EXPECT_EQ(Edit->SelText(), "Paris");
    TestPressKey(Edit, VK_DOWN);
    EXPECT_EQ(Edit->Text(), "Parme");
    TestPressKey(Edit, VK_DOWN);   // no item below the last
    EXPECT_EQ(Edit->Text(), "Parme");
    TestPressKey(Edit, VK_UP);
    EXPECT_EQ(Edit->Text(), "Paris");
    TestPressKey(Edit, VK_ESCAPE);
    EXPECT_EQ(Edit->Text(), "par");
    EXPECT_EQ(Edit->SelText(), "par");
    EXPECT_FALSE(Dropped());
    EXPECT_TRUE(Edit->WindowProc == own);
    EXPECT_TRUE(Selected.Texts.empty());

    Edit->SetText("");
    TestTypeText(Edit, "l");   // a single candidate other than the text
    EXPECT_TRUE(Dropped());
    TestTypeText(Edit, "yon");   // the only candidate is the text itself
    EXPECT_FALSE(Dropped());
}

TEST_F(StyAutoComplete, EnterTheWheelAndAClickTakeAnItemAndTellTheHandler)
{
    Completion->SetMode({amPopup});
    struct Case {
        const char* Name;
        std::function<void(StyAutoComplete&)> Choose;
        const char* Text;
        bool Told;
    };
    const Case cases[] = {
        {"down, enter", [](StyAutoComplete& t) { TestPressKey(t.Edit, VK_DOWN); TestPressKey(t.Edit, VK_RETURN); }, "Paris", true},
        {"enter with none chosen", [](StyAutoComplete& t) { TestPressKey(t.Edit, VK_RETURN); }, "par", true},
        {"wheel back twice, forward once",
         [](StyAutoComplete& t) {
             for (int delta : {-120, -120, 120}) t.Edit->Perform(WM_MOUSEWHEEL, MakeWParam(0, delta), 0);
         },
         "Paris", false},
        {"a click on the second",
         [](StyAutoComplete& t) {
             TCustomListBox* list = t.Completion->PopupList();
             const TRect second = list->ItemRect(1);
             TestClick(list, second.Left + 5, second.Top + 2);
         },
         "Parme", true},
        {"the focus leaves", [](StyAutoComplete& t) { t.Edit->Perform(WM_KILLFOCUS, 0, 0); }, "par", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Selected.Texts.clear();
        Edit->SetText("");
        TestTypeText(Edit, "par");
        ASSERT_TRUE(Dropped());
        c.Choose(*this);
        EXPECT_EQ(Edit->Text(), c.Text);
        EXPECT_EQ(Edit->SelText(), c.Text);
        EXPECT_EQ(Selected.Texts, c.Told ? std::vector<std::string>{c.Text} : std::vector<std::string>{});
        if (c.Told || std::string(c.Name) == "the focus leaves") {
            EXPECT_FALSE(Dropped());
        }
        Completion->CancelPopup();
        Edit->SetFocus();
    }
}

TEST_F(StyAutoComplete, LeavingTheEditorOrEnterTeachesAnUnknownTextOnce)
{
    Completion->SetMode({});
    Completion->SetAddUnknownOn({aaControlExit});
    for (int round = 0; round < 2; ++round) {
        Edit->SetFocus();
        Edit->SetText("Grenoble");
        Other->SetFocus();
        TestProcess();
    }
    EXPECT_EQ(Strings().Count(), 4);
    EXPECT_EQ(Strings()[3], "Grenoble");
    Edit->SetFocus();
    Edit->SetText("");
    Other->SetFocus();   // an empty text is never learnt
    TestProcess();
    EXPECT_EQ(Strings().Count(), 4);

    Completion->SetAddUnknownOn({aaControlReturn});
    Edit->SetFocus();
    Edit->SetText("Nice");
    TestPressKey(Edit, VK_RETURN);
    ASSERT_EQ(Strings().Count(), 5);
    EXPECT_EQ(Strings()[4], "Nice");
    Edit->SetText("NICE");   // letter case ignored: known already
    TestPressKey(Edit, VK_RETURN);
    EXPECT_EQ(Strings().Count(), 5);
}

TEST_F(StyAutoComplete, FreedPartnersAreForgotten)
{
    Completion->SetMode({amText, amPopup});
    TestTypeText(Edit, "pa");
    ASSERT_TRUE(Dropped());
    delete Lists;
    EXPECT_EQ(Completion->StringList(), nullptr);
    TestTypeText(Edit, "x");   // no strings: nothing to complete, nothing to touch
    delete Completion;
    EXPECT_EQ(Edit->AutoComplete(), nullptr);
    TestTypeText(Edit, "y");
    EXPECT_EQ(Edit->Text(), "Paxy");
}

// build/screenshots/styled-edit-completion.png: the candidates for "Par" under the editor, the
// second one chosen with the arrow.
TEST_F(StyAutoComplete, ThePopUpListIsShownUnderTheEditor)
{
    Completion->SetMode({amPopup});
    TestTypeText(Edit, "Par");
    TestPressKey(Edit, VK_DOWN);
    TestPressKey(Edit, VK_DOWN);
    ASSERT_TRUE(Dropped());
    TBitmap shot;
    TestScreenshot(Form, {Completion->PopupList()}, "styled-edit-completion", shot);
    // the first row on the window's colour, the chosen second one highlighted
    TCustomListBox* list = Completion->PopupList();
    auto pixel = [&](Integer row) {
        const TPoint at = Form->ScreenToClient(list->ClientToScreen(TPoint{list->ClientWidth() - 3, list->ItemRect(row).Top + 2}));
        return shot.Canvas().Pixel(at.X, at.Y + Form->Height() - Form->ClientHeight());
    };
    EXPECT_EQ(pixel(0), ColorToRGB(clWindow));
    EXPECT_EQ(pixel(1), ColorToRGB(clHighlight));
}
