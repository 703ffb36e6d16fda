// The numeric edit on a shown form, driven through the keyboard and the mouse as a user drives it.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/EcCalc.h"
#include "editcontrols/EditControlsRegistry.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/classes/FormReader.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/testing/Driver.h"

namespace {

// A form with a numeric edit and a second edit that takes the focus away from it.
struct CalcEditForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 220);
        Edit = new TEcCalcEdit(Form.get());
        Edit->SetBounds(10, 10, 140, 21);
        Edit->SetParent(Form.get());
        Other = new TEdit(Form.get());
        Other->SetBounds(10, 150, 120, 21);
        Other->SetParent(Form.get());
        Form->Show();
        TestProcess();
        Other->SetFocus();
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    void Enter()
    {
        Edit->SetFocus();
        TestProcess();
    }
    void Leave()
    {
        Other->SetFocus();
        TestProcess();
    }
    TSettingsScope Scope{TFormatSettings::French()};
    std::unique_ptr<TForm> Form;
    TEcCalcEdit* Edit = nullptr;
    TEdit* Other = nullptr;
};

// Whether the columns [from, to) of the edit's text rows hold a dark (text) pixel.
bool ShowsText(TControl* edit, Integer from, Integer to)
{
    for (Integer x = from; x < to; ++x)
        for (Integer y = 5; y < 16; ++y)
            if (TestPixel(edit, x, y) == clBlack) return true;
    return false;
}

TEST_F(CalcEditForm, ZeroLeavesTheWindowTextEmptyAndShowsZeroUnfocused)
{
    Edit->SetValue(0);
    EXPECT_EQ(Edit->Text(), String(""));
    EXPECT_EQ(Edit->DisplayText(), String("0"));
    TestProcess();
    // the 140-pixel edit less its 21-pixel button: "0" drawn right-aligned before the button
    EXPECT_TRUE(ShowsText(Edit, 100, 116));
    EXPECT_FALSE(ShowsText(Edit, 3, 90));
    Enter();
    EXPECT_FALSE(ShowsText(Edit, 8, 116));   // focused: the empty window text (the caret at the left)
    Leave();
    Edit->SetMinValue(1);
    Edit->SetMaxValue(10);
    EXPECT_EQ(Edit->Value(), 1.0L);   // an empty text reads 0, limited to the range
}

TEST_F(CalcEditForm, TypingOverASelectionKeepsANumber)
{
    Edit->SetDecimalPlaces(3);
    Edit->SetValue(12.5L);
    Enter();
    EXPECT_EQ(Edit->Text(), String("12,5"));
    EXPECT_EQ(Edit->SelLength(), 4);   // entering selects all
    TestTypeText(Edit, "7.25");        // "." typed in a French setting is the decimal comma
    EXPECT_EQ(Edit->Text(), String("7,25"));
    TestTypeText(Edit, "1x9");        // the letter is refused, the fourth decimal too
    EXPECT_EQ(Edit->Text(), String("7,251"));
    Edit->SetSelStart(0);
    Edit->SetSelLength(1);
    TestTypeText(Edit, "E");          // no exponent
    EXPECT_EQ(Edit->Text(), String("7,251"));
    TestTypeText(Edit, "4");
    EXPECT_EQ(Edit->Text(), String("4,251"));
    Leave();
    EXPECT_EQ(Edit->Value(), 4.251L);
}

// A paste, by the keyboard or by program, replaces the selection; a text that is no number, or
// that holds an exponent (read without its letter, "1,5E3" would be 1.53), is taken back whole.
TEST_F(CalcEditForm, APasteThatIsNoNumberIsTakenBack)
{
    struct Case { const char* Clip; const char* Text; Extended Value; };
    const Case cases[] = {
        {"1,5E3", "4", 4}, {"2e1", "4", 4}, {"1-2", "4", 4},
        {"1\u00a0234,5", "1\u00a0234,5", 1234.5L},   // copied from a French text elsewhere
        {"2.5", "2.5", 2.5L},
    };
    Edit->SetDecimalPlaces(3);
    for (const bool byKey : {true, false}) {
        for (const Case& c : cases) {
            Edit->SetValue(4);
            Enter();
            ASSERT_EQ(Edit->SelLength(), 1);
            Clipboard().SetAsText(c.Clip);
            if (byKey) TestPressKey(Edit, 'V', {ssCtrl});
            else Edit->PasteFromClipboard();
            EXPECT_EQ(Edit->Text(), String(c.Text)) << c.Clip << " " << byKey;
            EXPECT_EQ(Edit->Value(), c.Value) << c.Clip << " " << byKey;
            Leave();
            EXPECT_EQ(Edit->Value(), c.Value) << c.Clip << " " << byKey;
        }
    }
}

TEST_F(CalcEditForm, LeavingLimitsTheValueAndReformatsTheText)
{
    Edit->SetDecimalPlaces(3);
    Edit->SetDisplayFormat(",0.###");
    Edit->SetMaxValue(10000);
    Enter();
    TestTypeText(Edit, "12345,6789");   // the fourth decimal is refused
    EXPECT_EQ(Edit->Text(), String("12345,678"));
    Leave();
    EXPECT_EQ(Edit->Value(), 10000.0L);
    EXPECT_EQ(Edit->Text(), String("10 000"));
    EXPECT_EQ(Edit->DisplayText(), String("10 000"));
}

TEST_F(CalcEditForm, LeavingOutOfRangeWithCheckOnExitRaisesTheRangeMessageAndKeepsTheFocus)
{
    Edit->SetDecimalPlaces(3);
    Edit->SetMaxValue(10);
    Edit->SetCheckOnExit(true);
    for (const bool byTab : {true, false}) {
        Enter();
        TestTypeText(Edit, "12");
        TestClearMessageBoxes();
        TestAnswerNextMessageBox(mrOk);
        if (byTab) TestPressKey(Edit, VK_TAB);   // the user leaves the field
        else TestClick(Other, 5, 5);
        ASSERT_EQ(TestMessageBoxes().size(), 1u) << byTab;
        EXPECT_EQ(TestMessageBoxes()[0].Text, String("Value must be between 0,000 and 10,000."));
        EXPECT_TRUE(Edit->Focused());
        EXPECT_EQ(Edit->Text(), String("12"));
        EXPECT_EQ(Edit->SelLength(), 2);   // all selected for the correction
    }
    TestTypeText(Edit, "9");
    TestPressKey(Edit, VK_TAB);
    EXPECT_FALSE(Edit->Focused());
    EXPECT_EQ(Edit->Value(), 9.0L);
}

TEST_F(CalcEditForm, FormatOnEditingGroupsTheDigitsWhileTyping)
{
    Edit->SetFormatOnEditing(true);
    Enter();
    TestTypeText(Edit, "1234567");
    EXPECT_EQ(Edit->Text(), String("1 234 567"));
    EXPECT_EQ(Edit->SelStart(), Edit->Text().Length());
    Edit->SetClickKey(VK_F2);
    TestPressKey(Edit, VK_F2);   // the calculator reads the grouped number
    EXPECT_EQ(Edit->DisplayText(), String("1234567"));
    TestPressKey(Edit, VK_RETURN);
    EXPECT_EQ(Edit->Text(), String("1 234 567"));
    Leave();
    EXPECT_EQ(Edit->Value(), 1234567.0L);
}

TEST_F(CalcEditForm, TheClickKeyOpensTheCalculatorAndAResultComesBack)
{
    Edit->SetClickKey(VK_F2);
    Edit->SetValue(4);
    Enter();
    TestPressKey(Edit, VK_F2);
    ASSERT_TRUE(Edit->PopupVisible());
    EXPECT_TRUE(Edit->Popup()->Visible());
    EXPECT_EQ(Screen->ActiveForm(), Form.get());   // the pop-up does not take the activation
    TestTypeText(Edit, "12*3");
    EXPECT_EQ(Edit->DisplayText(), String("3"));
    TestTypeText(Edit, "=");
    EXPECT_FALSE(Edit->PopupVisible());
    EXPECT_EQ(Edit->Value(), 36.0L);
    EXPECT_EQ(Edit->Text(), String("36"));
    TestPressKey(Edit, VK_F2);   // the calculator starts from the edit's number
    TestTypeText(Edit, "*2");
    TestPressKey(Edit, VK_RETURN);
    EXPECT_FALSE(Edit->PopupVisible());
    EXPECT_EQ(Edit->Value(), 72.0L);
}

TEST_F(CalcEditForm, TheButtonOpensTheCalculatorAndEscapeClosesItWithoutChange)
{
    Edit->SetValue(4);
    TestClick(Edit->Button(), 5, 5);
    ASSERT_TRUE(Edit->PopupVisible());
    EXPECT_TRUE(Edit->Focused());
    TestTypeText(Edit, "9");
    EXPECT_EQ(Edit->Text(), String("9"));   // the calculator's display in the edit
    TestPressKey(Edit, VK_ESCAPE);
    EXPECT_FALSE(Edit->PopupVisible());
    EXPECT_EQ(Edit->Text(), String("4"));
    EXPECT_EQ(Edit->Value(), 4.0L);
}

TEST_F(CalcEditForm, AClickOnTheButtonOfTheOpenCalculatorAcceptsItsValue)
{
    TestClick(Edit->Button(), 5, 5);
    ASSERT_TRUE(Edit->PopupVisible());
    TCalcBtnKind keys[] = {cbNum2, cbMul, cbNum3, cbAdd};
    auto* calculator = static_cast<TEcPopupCalculator*>(Edit->Popup());
    for (TCalcBtnKind kind : keys) TestClick(calculator->CalcPanel()->Button(kind), 5, 5);
    TestClick(Edit->Button(), 5, 5);
    EXPECT_FALSE(Edit->PopupVisible());
    EXPECT_EQ(Edit->Value(), 6.0L);
}

TEST_F(CalcEditForm, APressOutsideOrInTheEditClosesTheCalculatorWithoutChange)
{
    auto* label = new TLabel(Form.get());
    label->SetBounds(200, 10, 60, 15);
    label->SetCaption("Angle");
    label->SetParent(Form.get());
    Edit->SetValue(4);
    for (const bool onLabel : {true, false}) {
        TestClick(Edit->Button(), 5, 5);
        ASSERT_TRUE(Edit->PopupVisible());
        TestTypeText(Edit, "7");
        if (onLabel) TestClick(label, 3, 3);
        else TestClick(Edit, 10, 10);
        EXPECT_FALSE(Edit->PopupVisible()) << onLabel;
        EXPECT_EQ(Edit->Value(), 4.0L) << onLabel;
    }
    TestClick(Edit->Button(), 5, 5);
    TestTypeText(Edit, "7");
    Leave();   // the focus goes elsewhere and stays there
    TestProcess();
    EXPECT_FALSE(Edit->PopupVisible());
    EXPECT_TRUE(Other->Focused());
    EXPECT_EQ(Edit->Value(), 4.0L);
}

TEST_F(CalcEditForm, EnterAndEscapeReachTheDialogsDefaultAndCancelButtons)
{
    auto* ok = new TButton(Form.get());
    ok->SetBounds(200, 150, 75, 25);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    ok->SetParent(Form.get());
    auto* cancel = new TButton(Form.get());
    cancel->SetBounds(200, 180, 75, 25);
    cancel->SetCaption("Cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    cancel->SetParent(Form.get());
    Enter();
    TestTypeText(Edit, "5");
    TestPressKey(Edit, VK_RETURN);
    EXPECT_EQ(Form->ModalResult(), mrOk);
    EXPECT_EQ(Edit->Value(), 5.0L);
    Form->SetModalResult(mrNone);
    TestPressKey(Edit, VK_ESCAPE);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

// An angle of friction between 0.001 and 89.999 degrees, as an input dialog describes it.
const char* const Description = R"(object Panel1: TPanel
  Left = 0
  Top = 0
  Width = 300
  Height = 100
  object Angle: TEcCalcEdit
    Left = 8
    Top = 8
    Width = 100
    Height = 21
    ClickKey = 113
    ButtonWidth = 26
    NumGlyphs = 2
    Alignment = taLeftJustify
    DecimalPlaces = 7
    DisplayFormat = ',0.###'
    FormatOnEditing = True
    MaxValue = 89.999
    MinValue = 0.001
    Value = 123.45678
  end
  object Locked: TEcCalcEdit
    Left = 8
    Top = 40
    ReadOnly = True
    TextHint = 'none'
  end
end)";

TEST(CalcEditDescription, AFormDescriptionCreatesTheEditWithItsSettings)
{
    TestInitialize();
    TSettingsScope scope(TFormatSettings::English());
    RegisterEditControlClasses();
    std::unique_ptr<TComponent> root(ReadComponentText(Description));
    auto* angle = dynamic_cast<TEcCalcEdit*>(root->FindComponent("Angle"));
    ASSERT_NE(angle, nullptr);
    EXPECT_EQ(angle->ClickKey(), 113);
    EXPECT_EQ(angle->ButtonWidth(), 26);
    EXPECT_EQ(angle->NumGlyphs(), 2);
    EXPECT_EQ(angle->Button()->NumGlyphs(), 1);   // the calculator picture stays whole
    EXPECT_EQ(angle->Alignment(), taLeftJustify);
    EXPECT_EQ(angle->DecimalPlaces(), 7u);
    EXPECT_EQ(angle->DisplayFormat(), String(",0.###"));
    EXPECT_TRUE(angle->FormatOnEditing());
    EXPECT_EQ(angle->MinValue(), 0.001L);
    EXPECT_EQ(angle->MaxValue(), 89.999L);
    EXPECT_EQ(angle->Value(), 89.999L);   // limited to the range
    EXPECT_EQ(angle->DisplayText(), String("89.999"));
    EXPECT_EQ(FindClass("TEcCalcEdit"), TEcCalcEdit::StaticClass());
    auto* locked = dynamic_cast<TEcCalcEdit*>(root->FindComponent("Locked"));
    ASSERT_NE(locked, nullptr);
    EXPECT_TRUE(locked->ReadOnly());
    EXPECT_FALSE(locked->Button()->Enabled());   // the combo edit's read-only, not the plain edit's
    EXPECT_EQ(locked->TextHint(), String("none"));
}

}  // namespace
