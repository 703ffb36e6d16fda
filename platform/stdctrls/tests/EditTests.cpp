#include <gtest/gtest.h>

#include <memory>

#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"

namespace {

struct Counter : TObject {
    int Changes = 0;
    void Changed(TObject*) { ++Changes; }
};

struct EditForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 320, 200);
        Edit = new TEdit(Form);
        Edit->SetBounds(10, 60, 120, 24);
        Edit->SetParent(Form);
        Edit->OnChange = TNotifyEvent(&Events, &Counter::Changed);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TForm* Form = nullptr;
    TEdit* Edit = nullptr;
    Counter Events;
};

struct SelCase {
    Integer Start, End;
    Integer SelStart, SelLength;
    const char* SelText;
};
const SelCase SelCases[] = {
    {1, 3, 1, 2, "bc"},   {4, 2, 2, 2, "cd"},       // backwards: the same selection
    {0, -1, 0, 6, "abcdef"}, {2, 99, 2, 4, "cdef"}, {3, 3, 3, 0, ""},
    {-1, 0, 6, 0, ""},                              // no selection, caret at its end
};

// The EM_SETSEL / EM_GETSEL answers, with the window's line edit and without a window.
void CheckSelections(TEdit* edit)
{
    for (const SelCase& c : SelCases) {
        edit->SelectAll();
        edit->Perform(EM_SETSEL, c.Start, c.End);
        Integer start = -1, end = -1;
        const std::intptr_t r = edit->Perform(EM_GETSEL, reinterpret_cast<std::intptr_t>(&start),
                                              reinterpret_cast<std::intptr_t>(&end));
        SCOPED_TRACE(testing::Message() << c.Start << ".." << c.End);
        EXPECT_EQ(r, MakeLong(start, end));
        EXPECT_EQ(edit->SelStart(), c.SelStart);
        EXPECT_EQ(edit->SelLength(), c.SelLength);
        EXPECT_EQ(edit->SelText(), String(c.SelText));
    }
}

}  // namespace

TEST_F(EditForm, SelectionMessagesOnTheLineEdit)
{
    Edit->SetText("abcdef");
    CheckSelections(Edit);
}

TEST(EditWithoutWindow, SelectionMessagesKeptByTheControl)
{
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));
    edit->SetText("abcdef");
    CheckSelections(edit.get());
    EXPECT_FALSE(edit->HandleAllocated());
    edit->SetText("ab");   // a shorter text: the selection ends with it
    EXPECT_EQ(edit->SelStart(), 2);
    edit->SetSelText("c");
    EXPECT_EQ(edit->Text(), String("abc"));
}

TEST_F(EditForm, ReplacingTheSelectionAndTypingOverIt)
{
    Edit->SetText("1234567");
    EXPECT_FALSE(Edit->Modified());
    Edit->SetSelStart(2);
    Edit->SetSelLength(3);
    Edit->SetSelText("x");
    EXPECT_EQ(Edit->Text(), String("12x67"));
    EXPECT_EQ(Edit->SelStart(), 3);
    EXPECT_EQ(Edit->SelLength(), 0);
    Edit->SetFocus();
    TestProcess();
    Edit->Perform(EM_SETSEL, 0, 2);
    TestTypeText(Edit, "9");
    EXPECT_EQ(Edit->Text(), String("9x67"));
    EXPECT_TRUE(Edit->Modified());
    EXPECT_GE(Events.Changes, 2);
    Edit->SetModified(false);
    EXPECT_EQ(Edit->Perform(EM_GETMODIFY), 0);
    Edit->Perform(EM_SETMODIFY, 1);
    EXPECT_TRUE(Edit->Modified());
    Edit->SetText("new");
    EXPECT_FALSE(Edit->Modified());
}

// Entering a single-line edit selects its text, unless AutoSelect is off or the mouse enters it;
// a memo keeps its caret.
TEST_F(EditForm, EnteringSelectsTheWholeTextWithAutoSelect)
{
    auto* other = new TEdit(Form);
    other->SetBounds(10, 100, 120, 24);
    other->SetParent(Form);
    auto* memo = new TMemo(Form);
    memo->SetBounds(150, 10, 120, 80);
    memo->SetParent(Form);
    memo->SetText("line");
    other->SetFocus();
    TestProcess();
    Edit->SetText("12345");
    Edit->SetSelStart(1);
    EXPECT_TRUE(Edit->AutoSelect());
    Edit->SetFocus();
    TestProcess();
    EXPECT_EQ(Edit->SelStart(), 0);
    EXPECT_EQ(Edit->SelLength(), 5);

    other->SetFocus();
    TestProcess();
    EXPECT_EQ(other->SelLength(), 0);   // nothing to select
    Edit->SetAutoSelect(false);
    Edit->SetSelStart(2);
    Edit->SetFocus();
    TestProcess();
    EXPECT_EQ(Edit->SelLength(), 0);

    memo->SetSelStart(1);
    memo->SetFocus();
    TestProcess();
    EXPECT_EQ(memo->SelLength(), 0);
}

// The edit's background is its colour, set before or after its window exists.
TEST_F(EditForm, EditBackgroundIsItsColour)
{
    EXPECT_EQ(TestPixel(Edit, 100, 12), clWhite);
    Edit->SetColor(clYellow);
    TestProcess();
    EXPECT_EQ(TestPixel(Edit, 100, 12), clYellow);
    auto* later = new TEdit(Form);
    later->SetColor(clAqua);
    later->SetBounds(10, 100, 120, 24);
    later->SetParent(Form);
    TestProcess();
    EXPECT_EQ(TestPixel(later, 100, 12), clAqua);
}

// The text is written in the font's colour, given before or after the window exists.
TEST_F(EditForm, EditTextIsInItsFontsColour)
{
    auto inkOf = [](TEdit* edit, TColor color) {
        Integer n = 0;
        for (Integer y = 0; y < edit->ClientHeight(); ++y)
            for (Integer x = 0; x < 60; ++x) n += TestPixel(edit, x, y) == color;
        return n;
    };
    Edit->SetText("MMMM");
    Edit->Font().SetColor(clRed);
    TestProcess();
    EXPECT_GT(inkOf(Edit, clRed), 10);
    auto* later = new TEdit(Form);
    later->Font().SetColor(clBlue);
    later->SetText("MMMM");
    later->SetBounds(10, 100, 120, 24);
    later->SetParent(Form);
    TestProcess();
    EXPECT_GT(inkOf(later, clBlue), 10);
}

TEST_F(EditForm, LimitReadOnlyAndPasswordStopOrHideTyping)
{
    EXPECT_EQ(Edit->Perform(EM_GETLIMITTEXT), 0x7FFFFFFE);
    Edit->SetMaxLength(3);
    EXPECT_EQ(Edit->Perform(EM_GETLIMITTEXT), 3);
    Edit->SetFocus();
    TestProcess();
    TestTypeText(Edit, "12345");
    EXPECT_EQ(Edit->Text(), String("123"));

    Edit->Perform(EM_SETREADONLY, 1);
    EXPECT_TRUE(Edit->ReadOnly());
    Edit->SelectAll();
    TestTypeText(Edit, "9");
    EXPECT_EQ(Edit->Text(), String("123"));

    Edit->SetReadOnly(false);
    Edit->SetPasswordChar(u'*');
    EXPECT_EQ(Edit->Perform(EM_GETPASSWORDCHAR), u'*');
    Edit->SetText("");
    TestTypeText(Edit, "ab");
    EXPECT_EQ(Edit->Text(), String("ab"));   // hidden on the screen only
}

TEST_F(EditForm, FormattingRectangleDefaultsToTheClientArea)
{
    TRect r;
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<std::intptr_t>(&r));
    EXPECT_EQ(r, Edit->ClientRect());
    const TRect set = Rect(4, 2, 100, 18);
    Edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<std::intptr_t>(&set));
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<std::intptr_t>(&r));
    EXPECT_EQ(r, set);
    Edit->Perform(EM_SETRECT, 0, 0);
    Edit->Perform(EM_GETRECT, 0, reinterpret_cast<std::intptr_t>(&r));
    EXPECT_EQ(r, Edit->ClientRect());
}

TEST(EditProperties, PublishedWithTheirDefaults)
{
    TestInitialize();
    std::unique_ptr<TEdit> edit(new TEdit(nullptr));
    SetOrdProp(edit.get(), "MaxLength", 8);
    SetOrdProp(edit.get(), "PasswordChar", u'#');
    SetOrdProp(edit.get(), "ReadOnly", 1);
    EXPECT_EQ(edit->MaxLength(), 8);
    EXPECT_EQ(edit->PasswordChar(), u'#');
    EXPECT_TRUE(edit->ReadOnly());
}

namespace {

// An edit that draws its own text area: red, while it asks for it.
struct SelfPaintedEdit : TEdit {
    explicit SelfPaintedEdit(TComponent* owner) : TEdit(owner) {}
    void PaintOwnText(bool on)
    {
        if (on) FControlState.Include(csCustomPaint);
        else FControlState.Exclude(csCustomPaint);
        Invalidate();
    }
    void PaintWindow(TCanvas& canvas) override
    {
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(ClientRect());
    }
};

TEST_F(EditForm, AnEditWithCustomPaintShowsWhatItDrawsInsideItsTextArea)
{
    auto* edit = new SelfPaintedEdit(Form);
    edit->SetBounds(10, 100, 120, 24);
    edit->SetParent(Form);
    TRect margins = Rect(0, 0, 120 - 30, 24);   // 30 pixels kept free at the right
    edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<std::intptr_t>(&margins));
    TestProcess();
    EXPECT_EQ(edit->CustomTextRect(), Rect(2, 2, 88, 22));   // inside the two-pixel frame
    EXPECT_NE(TestPixel(edit, 10, 12), clRed);                // the native edit alone

    edit->PaintOwnText(true);
    TestProcess();
    EXPECT_EQ(TestPixel(edit, 2, 2), clRed);
    EXPECT_EQ(TestPixel(edit, 87, 21), clRed);
    EXPECT_NE(TestPixel(edit, 88, 12), clRed);   // the kept margin
    EXPECT_NE(TestPixel(edit, 1, 12), clRed);    // the frame
    EXPECT_NE(TestPixel(edit, 10, 22), clRed);

    edit->PaintOwnText(false);
    TestProcess();
    EXPECT_NE(TestPixel(edit, 10, 12), clRed);
}

}  // namespace

namespace {

// An edit whose window style aligns its text.
struct AlignedEdit : TEdit {
    explicit AlignedEdit(TComponent* owner) : TEdit(owner) {}
    Cardinal Style = ES_LEFT;
    void SetStyle(Cardinal style)
    {
        Style = style;
        ApplyOptions();
    }
    void CreateParams(TCreateParams& Params) override
    {
        TEdit::CreateParams(Params);
        Params.Style |= Style;
    }
};

// Whether some pixel of the columns [from, to) of the edit's middle row range is dark (text).
bool HasText(TControl* edit, Integer from, Integer to)
{
    for (Integer x = from; x < to; ++x)
        for (Integer y = 6; y < 18; ++y)
            if (TestPixel(edit, x, y) == clBlack) return true;
    return false;
}

TEST_F(EditForm, TheWindowStyleAlignsTheText)
{
    auto* edit = new AlignedEdit(Form);
    edit->SetBounds(10, 100, 120, 24);
    edit->SetParent(Form);
    edit->SetText("88");
    TestProcess();
    struct Case { Cardinal Style; bool Left, Middle, Right; };
    const Case cases[] = {{ES_LEFT, true, false, false}, {ES_CENTER, false, true, false}, {ES_RIGHT, false, false, true}};
    for (const Case& c : cases) {
        edit->SetStyle(c.Style);
        TestProcess();
        EXPECT_EQ(HasText(edit, 2, 30), c.Left) << c.Style;
        EXPECT_EQ(HasText(edit, 45, 75), c.Middle) << c.Style;
        EXPECT_EQ(HasText(edit, 90, 118), c.Right) << c.Style;
    }
}

}  // namespace

namespace {

TEST_F(EditForm, AWindowMadeForATextShowsItFromItsStart)
{
    auto* edit = new TEdit(Form);
    edit->SetBounds(10, 100, 60, 24);
    edit->SetText("/home/dam/model files/gravity.dam");   // longer than the edit is wide
    edit->SetParent(Form);
    TestProcess();
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(edit->SelLength(), 0);
    auto* kept = new TEdit(Form);
    kept->SetText("12345");
    kept->SetSelStart(2);
    kept->SetSelLength(2);
    kept->SetParent(Form);
    TestProcess();
    EXPECT_EQ(kept->SelStart(), 2);   // a selection made before the window exists stays
    EXPECT_EQ(kept->SelLength(), 2);
}

}  // namespace
