#include <gtest/gtest.h>

#include "editcontrols/TextEdit.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/testing/Driver.h"

namespace {

// A form with two range-limited edits; the second one takes the focus away from the first.
struct ExtendEditForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 120);
        Edit = new TExtendEdit(Form);
        Edit->SetBounds(10, 10, 120, 24);
        Edit->SetParent(Form);
        Other = new TExtendEdit(Form);
        Other->SetBounds(10, 50, 120, 24);
        Other->SetParent(Form);
        Form->Show();
        TestProcess();
        Other->SetFocus();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
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
    TForm* Form = nullptr;
    TExtendEdit* Edit = nullptr;
    TExtendEdit* Other = nullptr;
};

// What one typed character does to the text of a focused edit with 3 decimal places.
struct KeyCase {
    TEditType Style;
    const char* Text;   // "|" marks the caret, "[...]" the selection
    const char* Key;    // "," and "." stand for the locale's separator and the other one
    const char* After;  // the text afterwards ("," as the locale's separator)
};
const KeyCase KeyCases[] = {
    {esFloat, "12|", "5", "125"},
    {esFloat, "12|", ",", "12,"},
    {esFloat, "12|", ".", "12"},                // the other locale's separator is no character of the number
    {esFloat, "12|", "a", "12"},
    {esFloat, "12|", "-", "12-"},
    {esFloat, "|12", "(", "(12"},
    {esFloat, "12,5|", ",", "12,5"},            // a second separator
    {esFloat, "12,500|", "1", "12,500"},        // a fourth decimal
    {esFloat, "12,50|", "1", "12,501"},
    {esFloat, "1|2,500", "9", "192,500"},       // digits before the separator do not count
    {esFloat, "12,[500]", "7", "12,7"},         // typing over selected decimals
    {esFloat, "12,500|", "\b", "12,50"},        // backspace always goes through
    {esFloat, "12[,5]00", ",", "12,500"},       // the text has a separator, even if selected
    {esInteger, "12|", ",", "12"},
    {esInteger, "12|", "3", "123"},
    {esCurrency, "12|", "$", "12$"},            // the first character of the currency symbol
    {esCurrency, "12|", "%", "12"},
    {esPercentage, "12|", "%", "12%"},
    {esPercentage, "12|", "$", "12"},
    {esGeneral, "12,5|", "x", "12,5x"},         // every key
};

// Puts text, caret and selection from the case's notation into the edit.
void Prepare(TExtendEdit* edit, const String& marked)
{
    String text;
    Integer start = -1, end = -1;
    for (Integer i = 1; i <= marked.Length(); ++i) {
        const char16_t c = marked[i];
        if (c == u'|' || c == u'[') start = text.Length();
        if (c == u'|' || c == u']') end = text.Length();
        if (c != u'|' && c != u'[' && c != u']') text += c == u',' ? FormatSettings.DecimalSeparator : c;
    }
    edit->SetText(text);
    edit->Perform(EM_SETSEL, start, end);
}

TEST_F(ExtendEditForm, KeystrokeFilterUnderBothLocales)
{
    for (const bool french : {true, false}) {
        TSettingsScope scope(french ? TFormatSettings::French() : TFormatSettings::English());
        const char16_t separator = FormatSettings.DecimalSeparator, other = french ? u'.' : u',';
        for (const KeyCase& c : KeyCases) {
            Edit->SetEditStyle(c.Style);
            Edit->SetDecimalPlaces(3);
            Enter();
            Prepare(Edit, c.Text);
            String key = c.Key;
            if (key == ",") key = String::FromChar(separator);
            else if (key == ".") key = String::FromChar(other);
            else if (key == "$") key = Copy(FormatSettings.CurrencyString, 1, 1);
            if (key == "\b") TestPressKey(Edit, VK_BACK);
            else TestTypeText(Edit, key);
            String after = c.After;
            for (Integer i = 1; i <= after.Length(); ++i)
                if (after[i] == u',') after[i] = separator;
            if (c.Style == esCurrency && after == "12$") after = "12" + key;
            EXPECT_EQ(Edit->Text(), after) << (french ? "French " : "English ") << c.Text << " + " << c.Key;
            Leave();
        }
    }
}

TEST_F(ExtendEditForm, FocusShowsTheBareNumberAndLeavingTheFormattedOne)
{
    TSettingsScope scope(TFormatSettings::French());
    Edit->SetEditStyle(esPercentage);
    Edit->SetDecimalPlaces(1);
    Edit->SetValue(25);
    EXPECT_EQ(Edit->Text(), String("25,0%"));
    Enter();
    EXPECT_EQ(Edit->Text(), String("25,0"));
    EXPECT_EQ(Edit->SelLength(), 4);   // selected on entering
    TestTypeText(Edit, "7,5");
    EXPECT_DOUBLE_EQ(Edit->Value(), 0.075);
    Leave();
    EXPECT_EQ(Edit->Text(), String("7,5%"));

    Edit->SetActiveFocus(false);
    Enter();
    EXPECT_EQ(Edit->Text(), String("7,5%"));
}

TEST_F(ExtendEditForm, EnforcedRangeReplacesTheTextWhileTyping)
{
    TSettingsScope scope(TFormatSettings::French());
    Edit->SetEditStyle(esFloat);
    Edit->SetDecimalPlaces(3);
    Edit->Range().SetMinValue(1);
    Edit->Range().SetMaxValue(10);
    Edit->Range().SetEnforce(true);
    Enter();
    Edit->SetText("");
    TestTypeText(Edit, "0");
    EXPECT_EQ(Edit->Text(), String("1,000"));
    Edit->SelectAll();
    TestTypeText(Edit, "50");   // "5", then "50" is forced to the maximum
    EXPECT_EQ(Edit->Text(), String("10,000"));
    Leave();
    EXPECT_EQ(Edit->Text(), String("10,000"));
    EXPECT_FALSE(Edit->OORError());
}

TEST_F(ExtendEditForm, LeavingWithANumberOutOfRangeColoursTheEdit)
{
    TSettingsScope scope(TFormatSettings::English());
    Edit->SetEditStyle(esFloat);
    Edit->SetDecimalPlaces(3);
    Edit->Range().SetMinValue(1);
    Edit->Range().SetMaxValue(10);
    Edit->Alert().SetColor(clRed);
    Edit->Alert().SetActive(true);
    Enter();
    Edit->SelectAll();
    TestTypeText(Edit, "50");
    Leave();
    EXPECT_EQ(Edit->Text(), String("50.000"));
    EXPECT_TRUE(Edit->OORError());
    EXPECT_EQ(Edit->Color(), clRed);
}

}  // namespace
