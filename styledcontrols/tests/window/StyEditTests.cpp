// The styled custom edit on a shown form, driven by keys and the mouse through the test driver:
// typing, selecting, the clipboard, undo and redo, the length limit, the context menu, scrolling a
// long text, search and replace with their prompts, and the edit messages.
#include <gtest/gtest.h>

#include "platform/graphics/Clipbrd.h"
#include "platform/stdctrls/Menus.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomEdit.h"

namespace {

// A 160 x 21 edit in Tahoma 8 at (10, 10) of a form; its window has a 2-pixel client edge.
struct StyEdits : ::testing::Test {
    TForm* Form = nullptr;
    TStyCustomEdit* Edit = nullptr;
    std::unique_ptr<TTestClock> Clock;
    void SetUp() override
    {
        TestInitialize();
        Clock = std::make_unique<TTestClock>();
        StyApplication()->SetEditMode({emInsert});
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 260, 120);
        Edit = new TStyCustomEdit(Form);
        Edit->SetBounds(10, 10, 160, 21);
        Edit->Font().SetName("Tahoma");
        Edit->Font().SetSize(8);
        Edit->SetParent(Form);
        Form->Show();
        Edit->SetFocus();
        TestProcess();
        TestClearMessageBoxes();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
        Clock.reset();
        StyApplication()->SetEditMode({emInsert});
    }
    // The client x of the left edge of character p of an unscrolled text, measured independently.
    Integer XOf(Integer p)
    {
        TBitmap bmp(1, 1);
        bmp.Canvas().Font().Assign(Edit->Font());
        return Edit->TextRect().Left + bmp.Canvas().TextWidth(Copy(Edit->Text(), 1, p - 1));
    }
    void Key(Word vk, TShiftState shift = {})
    {
        TestPressKey(Edit, vk, shift);
        TestProcess();
    }
    void Type(const char* text)
    {
        TestTypeText(Edit, text);
        TestProcess();
    }
    String Sel() const { return Edit->SelText(); }
};

}  // namespace

TEST_F(StyEdits, TypingInsertsAtTheCursorAndEveryKeyIsItsOwnUndoStep)
{
    Type("abc");
    EXPECT_EQ(Edit->Text(), "abc");
    EXPECT_EQ(Edit->CurrentChar(), 4);
    EXPECT_TRUE(Edit->Modified());
    Key(VK_LEFT);
    Type("X");
    EXPECT_EQ(Edit->Text(), "abXc");

    const char* undone[] = {"abc", "ab", "a", ""};
    for (const char* text : undone) {
        Edit->Undo();
        EXPECT_EQ(Edit->Text(), text);
    }
    Edit->Undo();   // nothing left
    EXPECT_EQ(Edit->Text(), "");
    EXPECT_FALSE(Edit->CanUndo());
    Edit->Redo();
    Edit->Redo();
    EXPECT_EQ(Edit->Text(), "ab");
    EXPECT_TRUE(Edit->CanRedo());
    Key(VK_END);   // redo put the cursor where it stood before the undo
    Type("z");     // a new edit ends the redo history
    EXPECT_EQ(Edit->Text(), "abz");
    Edit->Redo();
    EXPECT_EQ(Edit->Text(), "abz");
    EXPECT_FALSE(Edit->CanRedo());
}

TEST_F(StyEdits, ShiftAndArrowsSelectAndKeysMoveTheCursor)
{
    Edit->SetText("dam crest");
    Key(VK_RIGHT);   // position 2
    for (int i = 0; i < 3; ++i) Key(VK_RIGHT, {ssShift});
    EXPECT_EQ(Edit->SelStart(), 2);
    EXPECT_EQ(Edit->SelLength(), 3);
    Key(VK_LEFT, {ssShift});
    EXPECT_EQ(Edit->SelLength(), 2);
    EXPECT_EQ(Sel(), "am");
    Key(VK_ESCAPE);
    EXPECT_EQ(Edit->SelLength(), 0);

    struct Case {
        Word vk;
        TShiftState shift;
        Integer from, to;
    };
    const Case cases[] = {
        {VK_END, {}, 1, 10},      {VK_HOME, {}, 7, 1},         {VK_RIGHT, {ssCtrl}, 2, 4},   // onto the next delimiter
        {VK_LEFT, {ssCtrl}, 7, 4}, {VK_UP, {}, 3, 2},           {VK_DOWN, {}, 3, 4},
        {VK_LEFT, {}, 1, 1},       {VK_RIGHT, {}, 10, 10},
    };
    for (const Case& c : cases) {
        Edit->SetCurrentChar(c.from);
        Key(c.vk, c.shift);
        EXPECT_EQ(Edit->CurrentChar(), c.to) << c.vk << " from " << c.from;
    }
    Edit->SetCurrentChar(1);
    Key(VK_END, {ssShift});
    EXPECT_EQ(Sel(), "dam crest");
    Key('A', {ssCtrl});
    EXPECT_EQ(Edit->SelLength(), 9);
    EXPECT_EQ(Edit->CurrentChar(), 10);
}

TEST_F(StyEdits, BackspaceAndDeleteRemoveOneCharacterOrTheSelection)
{
    Edit->SetText("joint");
    Edit->SetCurrentChar(3);
    Key(VK_BACK);
    EXPECT_EQ(Edit->Text(), "jint");
    Key(VK_DELETE);
    EXPECT_EQ(Edit->Text(), "jnt");
    Key(VK_RIGHT, {ssShift});
    Key(VK_DELETE);
    EXPECT_EQ(Edit->Text(), "jt");
    Edit->SetCurrentChar(1);
    Key(VK_BACK);   // at the start: nothing
    EXPECT_EQ(Edit->Text(), "jt");
    Edit->SetCurrentChar(3);
    Key(VK_DELETE);   // at the end: nothing, and nothing to undo for it
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), "jnt");
}

TEST_F(StyEdits, TheInsertKeySwitchesEveryEditorToOverwriting)
{
    auto* other = new TStyCustomEdit(Form);
    other->SetParent(Form);
    Edit->SetText("1.25");
    Key(VK_INSERT);
    EXPECT_FALSE(StyApplication()->EditMode().Contains(emInsert));
    Type("3");
    EXPECT_EQ(Edit->Text(), "3.25");
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), ".25");   // the typed character goes; what it covered stays lost
    Key(VK_INSERT);
    EXPECT_TRUE(StyApplication()->EditMode().Contains(emInsert));
}

TEST_F(StyEdits, MouseClicksPlaceTheCursorAndDraggingSelects)
{
    Edit->SetText("uplift pressure");
    const Integer y = 8;
    TestClick(Edit, XOf(8) + 1, y);   // nearer the left edge of "p"
    EXPECT_EQ(Edit->CurrentChar(), 8);
    TestClick(Edit, XOf(9) - 1, y);   // nearer its right edge
    EXPECT_EQ(Edit->CurrentChar(), 9);
    TestDrag(Edit, {XOf(8), y}, {XOf(12), y});
    EXPECT_EQ(Edit->SelStart(), 8);
    EXPECT_EQ(Sel(), "pres");
    // dragging backwards from the end
    TestDrag(Edit, {XOf(16) + 2, y}, {XOf(13), y});
    EXPECT_EQ(Sel(), "ure");
}

TEST_F(StyEdits, DoubleClickSelectsAWordAndATripleClickAll)
{
    Edit->SetText("heel of dam");
    TestDoubleClick(Edit, XOf(5) + 3, 8);
    EXPECT_EQ(Sel(), "of");
    Clock->Advance(1000);
    TestDoubleClick(Edit, XOf(2), 8);
    EXPECT_EQ(Sel(), "heel");
    TestClick(Edit, XOf(2), 8);   // the third click of the series
    EXPECT_EQ(Edit->SelLength(), 11);

    Clock->Advance(1000);
    TestDoubleClick(Edit, XOf(10), 8);
    Clock->Advance(1000);   // after the double-click time: a new series
    TestClick(Edit, XOf(10), 8);
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(StyEdits, SelectedTextIsDraggedToANewPlace)
{
    Edit->SetText("abc def");
    Edit->SetSelStart(1);
    Edit->SetSelLength(3);
    TestDrag(Edit, {XOf(2), 8}, {XOf(8) + 3, 8});   // dropped after "def"
    EXPECT_EQ(Edit->Text(), " defabc");
    Edit->SetSelStart(2);
    Edit->SetSelLength(3);
    TestDrag(Edit, {XOf(3), 8}, {XOf(4), 8});   // dropped inside: only the selection goes
    EXPECT_EQ(Edit->Text(), " defabc");
    EXPECT_EQ(Edit->SelLength(), 0);
}

TEST_F(StyEdits, CutCopyAndPasteGoThroughTheClipboardAndUndo)
{
    Edit->SetText("crest level");
    Edit->SetSelStart(1);
    Edit->SetSelLength(5);
    Key('C', {ssCtrl});
    EXPECT_EQ(Clipboard().AsText(), "crest");
    EXPECT_EQ(Edit->Text(), "crest level");
    Key('X', {ssCtrl});
    EXPECT_EQ(Edit->Text(), " level");
    EXPECT_EQ(Clipboard().AsText(), "crest");
    Key(VK_END);
    Key('V', {ssCtrl});
    EXPECT_EQ(Edit->Text(), " levelcrest");
    Key(VK_INSERT, {ssShift});   // paste again
    EXPECT_EQ(Edit->Text(), " levelcrestcrest");
    Edit->Undo();
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), " level");
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), "crest level");
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 5);
    Edit->Redo();
    EXPECT_EQ(Edit->Text(), " level");

    Edit->SetReadOnly(true);
    Edit->SelectAll();
    Key('X', {ssCtrl});   // a read-only editor copies but keeps its text
    EXPECT_EQ(Edit->Text(), " level");
    EXPECT_EQ(Clipboard().AsText(), " level");
}

// A refused insertion changes nothing: no undo record, no modification.
TEST_F(StyEdits, MaxLengthRefusesWhatWouldNotFitAndFilesNoUndoForIt)
{
    Edit->SetMaxLength(5);
    Edit->SetText("abcdefg");
    EXPECT_EQ(Edit->Text(), "abcde");   // a new text is cut
    Edit->SetCurrentChar(3);
    Type("x");
    EXPECT_EQ(Edit->Text(), "abcde");
    EXPECT_EQ(Edit->CurrentChar(), 3);
    EXPECT_FALSE(Edit->Modified());
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), "abcde");

    // with a selection the deletion happens and only it is undone
    Edit->SetSelStart(2);
    Edit->SetSelLength(2);
    Edit->SetSelText("wxyz");
    EXPECT_EQ(Edit->Text(), "ade");
    EXPECT_TRUE(Edit->Modified());
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), "abcde");
    Edit->SetSelStart(2);
    Edit->SetSelLength(2);
    Edit->SetSelText("xy");
    EXPECT_EQ(Edit->Text(), "axyde");
}

TEST_F(StyEdits, TheContextMenuOffersTheEditCommandsWhenTheyApply)
{
    struct Item {
        const char* caption;
        bool enabled;
    };
    auto menu = [&] {
        TestAnswerNextPopup("Select all");
        TestClick(Edit, 20, 8, mbRight);
        std::vector<Item> items;
        TMenuItem* root = Edit->DefaultPopupMenu()->Items();
        for (Integer i = 0; i < root->Count(); ++i) {
            static std::string keep[16];
            keep[i] = root->Items(i)->Caption().ToUtf8();
            items.push_back({keep[i].c_str(), root->Items(i)->Enabled()});
        }
        return items;
    };
    auto expect = [](const std::vector<Item>& got, const std::vector<Item>& want) {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_STREQ(got[i].caption, want[i].caption) << i;
            EXPECT_EQ(got[i].enabled, want[i].enabled) << want[i].caption;
        }
    };
    Clipboard().SetAsText("1.5");
    Edit->SetText("wall");
    expect(menu(), {{"&Undo", true}, {"-", true}, {"&Cut", false}, {"&Copy", false}, {"&Paste", true},
                    {"&Delete", false}, {"-", true}, {"Select all", true}});
    EXPECT_EQ(Edit->SelLength(), 4);   // "Select all" was chosen
    Edit->SetReadOnly(true);
    expect(menu(), {{"&Undo", true}, {"-", true}, {"&Cut", false}, {"&Copy", true}, {"&Paste", false},
                    {"&Delete", true}, {"-", true}, {"Select all", true}});
    Edit->SetReadOnly(false);
    Edit->SetOptions({eoAllowCopy});
    Edit->SetText("");
    expect(menu(), {{"&Undo", true}, {"-", true}, {"&Copy", false}, {"&Delete", false}, {"-", true},
                    {"Select all", false}});

    TestAnswerNextPopup("Select all");   // not asked: no menu at all
    Edit->SetOptions({eoSuppressDefaultMenu});
    const TPoint before = TestLastPopupPoint();
    TestClick(Edit, 30, 8, mbRight);
    EXPECT_EQ(TestLastPopupPoint().X, before.X);
}

TEST_F(StyEdits, EndAndHomeScrollALongText)
{
    Edit->SetText("Normal water level 152.40 m, flood level 155.10 m, crest 156.00 m");
    const TRect r = Edit->TextRect();
    const Integer W = r.Width();
    EXPECT_EQ(Edit->Layout().ScrollOffset(), 0);
    Key(VK_END);
    bool redraw = false, scrolled = false;
    const Integer caret = Edit->Layout().GetCaretPos(redraw, scrolled);
    // the text ends at the right edge (no gap), and the caret at the text's end
    EXPECT_EQ(Edit->Layout().ScrollOffset(), W - Edit->Layout().Width());
    EXPECT_EQ(caret, r.Right);
    Key(VK_HOME);
    EXPECT_EQ(Edit->Layout().ScrollOffset(), 0);
    // moving left from the far end scrolls by a quarter of the width
    Key(VK_END);
    const Integer end = Edit->Layout().ScrollOffset();
    for (Integer i = 0; i < Edit->GetLength() && Edit->Layout().ScrollOffset() == end; ++i) Key(VK_LEFT);
    bool r2 = false, s2 = false;
    EXPECT_GT(Edit->Layout().ScrollOffset(), end);
    EXPECT_EQ(Edit->Layout().GetCaretPos(r2, s2), r.Left + W / 4);
}

TEST_F(StyEdits, AShortTextStandsByTheAlignment)
{
    Edit->SetText("12.5");
    const Integer W = Edit->TextRect().Width(), T = Edit->Layout().Width();
    struct Case {
        TAlignment alignment;
        Integer offset;
    };
    const Case cases[] = {{taRightJustify, W - T}, {taCenter, (W - T) / 2}, {taLeftJustify, 0}};
    for (const Case& c : cases) {
        Edit->SetAlignment(c.alignment);
        EXPECT_EQ(Edit->Layout().ScrollOffset(), c.offset) << int(c.alignment);
    }
}

TEST_F(StyEdits, SearchWrapsAroundWhenTheUserSaysSo)
{
    Edit->SetText("dam and dam wall");
    EXPECT_TRUE(Edit->Search("DAM", stTop, false, false, sdDown));
    EXPECT_EQ(Edit->FoundAtPos(), 1);
    EXPECT_EQ(Edit->CurrentChar(), 4);
    EXPECT_TRUE(Edit->Search("dam", stCursor, true, false, sdDown));
    EXPECT_EQ(Edit->FoundAtPos(), 9);
    EXPECT_EQ(Sel(), "dam");

    TestAnswerNextMessageBox(mrYes);
    EXPECT_TRUE(Edit->Search("dam", stCursor, true, false, sdDown));
    EXPECT_EQ(Edit->FoundAtPos(), 1);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Caption, "Search");
    EXPECT_EQ(TestMessageBoxes()[0].Text, "At bottom ... restart from top?");

    TestAnswerNextMessageBox(mrNo);
    EXPECT_FALSE(Edit->Search("wall", stCursor, true, false, sdUp));
    EXPECT_EQ(TestMessageBoxes().back().Text, "At top ... restart from bottom?");
    EXPECT_EQ(Edit->FoundAtPos(), 0);

    // a match that ends on the last character asks nothing; whole words skip parts of words
    TestClearMessageBoxes();
    EXPECT_TRUE(Edit->Search("wall", stTop, true, false, sdDown));
    EXPECT_EQ(Edit->FoundAtPos(), 13);
    Edit->SetText("a damage to the dam");
    EXPECT_TRUE(Edit->Search("dam", stTop, true, true, sdDown));
    EXPECT_EQ(Edit->FoundAtPos(), 17);   // the text's end counts as a word's end
    EXPECT_TRUE(TestMessageBoxes().empty());
    Edit->SetAskForLoop(false);
    EXPECT_FALSE(Edit->Search("gallery", stTop, true, false, sdDown));
    EXPECT_TRUE(TestMessageBoxes().empty());
    EXPECT_FALSE(Edit->Search("", stTop, true, false, sdDown));
}

TEST_F(StyEdits, ReplaceAsksForEachMatch)
{
    Edit->SetAskForLoop(false);
    Edit->SetText("a-b-c-d");
    for (Integer answer : {mrYes, mrNo, mrYes}) TestAnswerNextMessageBox(answer);
    EXPECT_TRUE(Edit->SearchAndReplace("-", "+", stTop, true, false, sdDown, true, true));
    EXPECT_EQ(Edit->Text(), "a+b-c+d");
    ASSERT_EQ(TestMessageBoxes().size(), 3u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, "Replace?");
    EXPECT_EQ(TestMessageBoxes()[0].Buttons, (std::vector<Integer>{mrYes, mrNo, mrCancel}));

    // All replaces nothing at its match and turns the run into a replace-all that asks on
    TestClearMessageBoxes();
    Edit->SetText("x1x2x3");
    for (Integer answer : {mrAll, mrYes, mrNo}) TestAnswerNextMessageBox(answer);
    EXPECT_TRUE(Edit->SearchAndReplace("x", "y", stTop, true, false, sdDown, true, false));
    EXPECT_EQ(Edit->Text(), "x1y2x3");
    ASSERT_EQ(TestMessageBoxes().size(), 3u);
    EXPECT_EQ(TestMessageBoxes()[0].Buttons.size(), 4u);
    EXPECT_EQ(TestMessageBoxes()[1].Buttons.size(), 3u);

    // Cancel answers false even after replacements; without asking all are replaced
    TestAnswerNextMessageBox(mrYes);
    TestAnswerNextMessageBox(mrCancel);
    EXPECT_FALSE(Edit->SearchAndReplace("x", "z", stTop, true, false, sdDown, true, true));
    EXPECT_EQ(Edit->Text(), "z1y2x3");
    EXPECT_TRUE(Edit->SearchAndReplace("y", "x", stTop, true, false, sdDown, false, true));
    EXPECT_EQ(Edit->Text(), "z1x2x3");
    // upwards a replacement holding the searched text is not met again
    Edit->SetCurrentChar(7);
    EXPECT_TRUE(Edit->SearchAndReplace("x", "xx", stCursor, true, false, sdUp, false, true));
    EXPECT_EQ(Edit->Text(), "z1xx2xx3");
}

TEST_F(StyEdits, TheEditMessagesCountFromZero)
{
    Edit->SetText("spillway");
    Edit->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(Edit->SelLength(), 8);
    Edit->Perform(EM_SETSEL, 2, 5);
    EXPECT_EQ(Sel(), "ill");
    Cardinal start = 0, end = 0;
    const std::intptr_t both = Edit->Perform(EM_GETSEL, reinterpret_cast<std::intptr_t>(&start),
                                             reinterpret_cast<std::intptr_t>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 5u);
    EXPECT_EQ(both, MakeLong(2, 5));
    EXPECT_EQ(Edit->Perform(WM_GETTEXTLENGTH), 8);
    EXPECT_EQ(Edit->Perform(EM_GETLINECOUNT), 1);
    const std::u16string wide = u"gate";
    Edit->Perform(EM_REPLACESEL, 0, reinterpret_cast<std::intptr_t>(wide.c_str()));
    EXPECT_EQ(Edit->Text(), "spgateway");
    EXPECT_EQ(Edit->Perform(EM_CANUNDO), 1);   // the flag stays; the history is gone
    Edit->Undo();
    EXPECT_EQ(Edit->Text(), "spgateway");
    Edit->Perform(EM_LIMITTEXT, 3);
    EXPECT_EQ(Edit->Perform(EM_GETLIMITTEXT), 3);
    Edit->Perform(EM_SETPASSWORDCHAR, '*');
    EXPECT_EQ(Edit->Perform(EM_GETPASSWORDCHAR), '*');
}

TEST_F(StyEdits, TheTextModelCountsWordsAndSelectsAroundTheCursor)
{
    struct Case {
        const char* text;
        Integer words;
    };
    const Case cases[] = {{"", 0}, {"a b", 2}, {"  toe  heel ", 2}, {"dam", 1}};
    for (const Case& c : cases) {
        Edit->SetText(c.text);
        EXPECT_EQ(Edit->CountWords(), c.words) << c.text;
    }
    Edit->SetText("toe of dam");
    Edit->SetCurrentChar(6);
    Edit->SelectLeftWord();
    EXPECT_EQ(Sel(), "o");
    Edit->SelectRightWord();
    EXPECT_EQ(Sel(), "f");
    EXPECT_EQ(Edit->GetCurrentWord(), "of");
    Edit->Upper(1, 3);
    EXPECT_EQ(Edit->Text(), "TOE of dam");
    EXPECT_EQ(Edit->Cut(4, 3), " of");
    EXPECT_EQ(Edit->Text(), "TOE dam");
}

TEST_F(StyEdits, NotificationsRunOnceTheOutermostUpdateEnds)
{
    int changes = 0, moves = 0, modified = 0;
    struct Counter : TObject {
        int* n;
        void Count(TObject*) { ++*n; }
    } c1, c2, c3;
    c1.n = &changes, c2.n = &moves, c3.n = &modified;
    Edit->OnChange = TNotifyEvent(&c1, &Counter::Count);
    Edit->OnCursorPosChanged = TNotifyEvent(&c2, &Counter::Count);
    Edit->OnModified = TNotifyEvent(&c3, &Counter::Count);
    Edit->BeginUpdate();
    Edit->Insert(1, "a");
    Edit->Insert(2, "b");
    EXPECT_EQ(changes, 0);
    Edit->EndUpdate();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(moves, 1);
    EXPECT_EQ(modified, 1);
    Edit->SetText("ab");   // the same text: nothing
    EXPECT_EQ(changes, 1);
    Edit->OnChange = TNotifyEvent();
    Edit->OnCursorPosChanged = TNotifyEvent();
    Edit->OnModified = TNotifyEvent();
}

TEST_F(StyEdits, APasswordShowsItsCharacterAndTheCueBannerAnEmptyEditor)
{
    Edit->SetPasswordChar(u'*');
    Edit->SetText("abc");
    EXPECT_EQ(Edit->Layout().Text(), "***");
    Edit->SetPasswordChar(0);
    EXPECT_EQ(Edit->Layout().Text(), "abc");

    auto* cue = new TStyCustomEdit(Form);
    cue->SetBounds(10, 50, 160, 21);
    cue->SetCueBanner("Height in m");
    cue->SetParent(Form);
    TestProcess();
    auto greyPixels = [&] {
        int n = 0;
        for (Integer y = 0; y < cue->ClientHeight(); ++y)
            for (Integer x = 0; x < cue->ClientWidth(); ++x) n += TestPixel(cue, x, y) == TColor(0x808080);
        return n;
    };
    EXPECT_GT(greyPixels(), 20);
    cue->SetFocus();
    TestProcess();
    EXPECT_EQ(greyPixels(), 0);
}

TEST_F(StyEdits, AutoSizeFitsTheHeightToTheFont)
{
    // Tahoma 8 rows are 13 pixels: 13 * 5 div 4 + 5
    Edit->SetAutoSize(true);
    EXPECT_EQ(Edit->Height(), 21);
    Edit->Font().SetSize(12);
    TBitmap bmp(1, 1);
    bmp.Canvas().Font().Assign(Edit->Font());
    EXPECT_EQ(Edit->Height(), bmp.Canvas().TextHeight("Gg") * 5 / 4 + 5);
}
