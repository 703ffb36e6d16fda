#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"
#include "platform/stdctrls/tests/FakeWindowSystem.h"
#include "platform/testing/Driver.h"

namespace {

struct MemoForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 320, 240);
        Memo = new TMemo(Form);
        Memo->SetBounds(10, 10, 200, 120);
        Memo->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TForm* Form = nullptr;
    TMemo* Memo = nullptr;
};

// Lines edited one after the other, with the memo's text after each step.
void CheckLines(TMemo* memo)
{
    TStrings& lines = memo->Lines();
    EXPECT_EQ(lines.Count(), 0);
    lines.Add("one");
    EXPECT_EQ(memo->Text(), String("one\r\n"));
    lines.Add("two");
    EXPECT_EQ(memo->Text(), String("one\r\ntwo\r\n"));
    EXPECT_EQ(lines.Count(), 2);
    lines.Insert(1, "between");
    EXPECT_EQ(memo->Text(), String("one\r\nbetween\r\ntwo\r\n"));
    lines.Put(0, "first");
    lines.Delete(2);
    EXPECT_EQ(memo->Text(), String("first\r\nbetween\r\n"));
    lines.SetText("a\r\nb");
    EXPECT_EQ(lines.Count(), 2);
    EXPECT_EQ(lines[1], String("b"));
    lines.Add("c");   // after a last line without a line break
    EXPECT_EQ(memo->Text(), String("a\r\nb\r\nc"));
    lines.Delete(2);
    EXPECT_EQ(memo->Text(), String("a\r\nb\r\n"));
    EXPECT_THROW(lines.Get(2), EStringListError);
    lines.Clear();
    EXPECT_EQ(lines.Count(), 0);
}

}  // namespace

TEST_F(MemoForm, LinesOfTheNativeMemo) { CheckLines(Memo); }

TEST(MemoWithoutWindow, LinesOfTheKeptText)
{
    std::unique_ptr<TMemo> memo(new TMemo(nullptr));
    CheckLines(memo.get());
}

TEST_F(MemoForm, SelectionCountsALineBreakAsTwoCharacters)
{
    Memo->SetText("ab\r\ncd\r\nef");
    EXPECT_FALSE(Memo->Modified());
    Memo->Perform(EM_SETSEL, 4, 9);
    EXPECT_EQ(Memo->SelText(), String("cd\r\ne"));
    Memo->SetSelText("X\r\nY");
    EXPECT_EQ(Memo->Text(), String("ab\r\nX\r\nYf"));
    EXPECT_EQ(Memo->SelStart(), 8);
    EXPECT_TRUE(Memo->Modified());
}

TEST(MemoLines, LineMessagesCountTheEmptyLastLine)
{
    std::unique_ptr<TMemo> memo(new TMemo(nullptr));
    memo->SetText("ab\r\ncde\r\n");
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 3);
    EXPECT_EQ(memo->Lines().Count(), 2);
    struct Case { Cardinal Msg; std::intptr_t WParam; std::intptr_t Result; };
    const Case cases[] = {
        {EM_LINEINDEX, 0, 0}, {EM_LINEINDEX, 1, 4}, {EM_LINEINDEX, 2, 9}, {EM_LINEINDEX, 3, -1},
        {EM_LINEFROMCHAR, 3, 0}, {EM_LINEFROMCHAR, 4, 1}, {EM_LINEFROMCHAR, 9, 2},
        {EM_LINELENGTH, 0, 2}, {EM_LINELENGTH, 5, 3}, {EM_LINELENGTH, 9, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(memo->Perform(c.Msg, c.WParam), c.Result) << c.Msg << " " << c.WParam;
    memo->Perform(EM_SETSEL, 6, 6);   // the caret's line
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, -1), 4);
    EXPECT_EQ(memo->Perform(EM_LINELENGTH, -1), 3);
}

TEST_F(MemoForm, EnterStartsANewLineAndReadOnlyStopsTyping)
{
    Memo->SetFocus();
    TestProcess();
    TestTypeText(Memo, "ab");
    TestPressKey(Memo, VK_RETURN);
    TestTypeText(Memo, "c");
    EXPECT_EQ(Memo->Text(), String("ab\r\nc"));
    EXPECT_EQ(Memo->Lines().Count(), 2);
    Memo->SetReadOnly(true);
    TestTypeText(Memo, "d");
    EXPECT_EQ(Memo->Text(), String("ab\r\nc"));
}

namespace {
struct TClickCounter : TObject {
    int Clicks = 0;
    void Click(TObject*) { ++Clicks; }
};
}  // namespace

TEST_F(MemoForm, WithoutWantReturnsEnterGoesToTheDefaultButton)
{
    auto* ok = new TButton(Form);
    ok->SetBounds(220, 10, 75, 25);
    ok->SetDefault(true);
    ok->SetParent(Form);
    TClickCounter counter;
    ok->OnClick = TNotifyEvent(&counter, &TClickCounter::Click);
    const int& clicks = counter.Clicks;
    Memo->SetFocus();
    TestProcess();
    TestTypeText(Memo, "ab");
    TestPressKey(Memo, VK_RETURN);   // a new line, the button untouched
    EXPECT_EQ(clicks, 0);
    Memo->SetWantReturns(false);
    TestPressKey(Memo, VK_RETURN);
    TestTypeText(Memo, "c");
    EXPECT_EQ(Memo->Text(), String("ab\r\nc"));
    EXPECT_EQ(clicks, 1);
}

TEST(MemoOptions, WordWrapAndScrollBarsReachTheWindow)
{
    RegisterStdControlClasses();
    FakeWindows fake;
    std::unique_ptr<TMemo> memo(new TMemo(nullptr));
    EXPECT_TRUE(memo->WordWrap());
    SetEnumProp(memo.get(), "ScrollBars", "ssBoth");
    SetOrdProp(memo.get(), "WordWrap", 0);
    memo->HandleNeeded();
    const TEditOptions& o = TFakeWindowSystem::Of(memo->WindowHandle())->Options;
    EXPECT_FALSE(o.WordWrap);
    EXPECT_EQ(o.ScrollBars, ssBoth);
    memo->SetScrollBars(ssVertical);
    EXPECT_EQ(o.ScrollBars, ssVertical);
    EXPECT_EQ(TFakeWindowSystem::Of(memo->WindowHandle())->Kind, TWindowKind::wkMemo);
}
