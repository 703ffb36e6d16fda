// The typed masked edit on a shown form under the "English" and "French" settings: typing into
// each kind of number with zero replacement and the sign toggle, the rendering of values, the
// readers with their errors, character masks, and stepping dates and times.
#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomMaskEdit.h"

namespace {

// Counts validation errors and range errors, and notes the characters the key press dispatch saw.
struct TEditLog : TObject {
    Integer Errors = 0;
    String Keys;
    std::vector<double> Ranges;   // lower, upper, value of each range error
    void Error(TObject*) { ++Errors; }
    void Key(TObject*, char16_t& c) { Keys += c; }
    void Range(TObject*, double lower, double upper, Extended& value)
    {
        Ranges.insert(Ranges.end(), {lower, upper, static_cast<double>(value)});
    }
};

// A 160 x 21 masked edit at (10, 10) of a form, with a second edit to take the focus.
struct StyMaskEdits : ::testing::Test {
    TFormatSettings Saved = FormatSettings;
    TForm* Form = nullptr;
    TStyCustomMaskEdit* Edit = nullptr;
    TStyCustomMaskEdit* Other = nullptr;
    TEditLog Log;
    void SetUp() override
    {
        TestInitialize();
        SetClock([] { return EncodeDate(2024, 3, 1) + EncodeTime(9, 0, 0, 0); });
        StyApplication()->SetEditMode({emInsert});
    }
    void Make(bool french, TStyMaskType type)
    {
        delete Form;
        FormatSettings = french ? TFormatSettings::French() : TFormatSettings::English();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 260, 120);
        Edit = new TStyCustomMaskEdit(Form);
        Edit->SetBounds(10, 10, 160, 21);
        Edit->SetParent(Form);
        Other = new TStyCustomMaskEdit(Form);
        Other->SetBounds(10, 50, 160, 21);
        Other->SetParent(Form);
        Edit->SetMaskType(type);
        Edit->OnValidationError = TNotifyEvent(&Log, &TEditLog::Error);
        Edit->OnKeyPress = TKeyPressEvent(&Log, &TEditLog::Key);
        Edit->OnRangeError = TStyOnRangeError(&Log, &TEditLog::Range);
        Form->Show();
        Edit->SetFocus();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
        FormatSettings = Saved;
        ResetClock();
        StyApplication()->SetEditMode({emInsert});
    }
    void Type(const String& text) { TestTypeText(Edit, text); }
    void Key(Word vk, TShiftState shift = {}) { TestPressKey(Edit, vk, shift); }
    void Leave()
    {
        Other->SetFocus();
        TestProcess();
    }
};

}  // namespace

TEST_F(StyMaskEdits, TypingNumbersReplacesTheLeadingZeroAndTogglesTheSign)
{
    struct Case {
        bool french;
        TStyMaskType type;
        double value;    // shown first, caret at the end
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {false, meInteger, 0, "7", "7"},          // not 07
        {false, meInteger, 0, "72", "72"},
        {false, meInteger, 0, "-", "-0"},         // the sign of a zero waits for the digits
        {false, meInteger, 0, "-5", "-5"},
        {false, meInteger, 12, "-", "-12"},       // the sign wherever the caret stands
        {false, meInteger, -12, "-", "12"},
        {false, meInteger, 12, "x.3", "123"},     // no letters, no separator
        {false, meWord, 0, "-4", "4"},            // no sign at all
        {false, meFloat, 0, "2.5", "2.5"},
        {true, meFloat, 0, "2,5", "2,5"},
        {true, meFloat, 0, "2.5", "25"},          // the English separator is no separator here
        {false, meFloat, 1.5, ".7", "1.57"},      // one separator only
        {false, meFloat, 0, "-3", "-3"},
        {true, meInteger, 0, "1234", "1234"},
    };
    for (const Case& c : cases) {
        Make(c.french, c.type);
        Edit->SetValue(c.value);
        Key(VK_END);
        Type(c.typed);
        EXPECT_EQ(Edit->Text(), c.text) << c.typed << " on " << c.value << (c.french ? " French" : " English");
    }
}

TEST_F(StyMaskEdits, RefusedCharactersStillReachTheKeyPressEvent)
{
    Make(false, meInteger);
    Edit->SetValue(255);
    Edit->SetNumberBase(16);
    EXPECT_EQ(Edit->Text(), "FF");
    Key(VK_END);
    Type("ag");   // a is a digit of base 16 and shows in capitals, G is not
    EXPECT_EQ(Edit->Text(), "FFA");
    EXPECT_EQ(Log.Keys, "AG");
    EXPECT_EQ(Edit->AsInteger(), 0xFFA);
}

TEST_F(StyMaskEdits, ValuesShowByTheMaskTypeAndTheLocale)
{
    struct Case {
        bool french;
        TStyMaskType type;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {false, meInteger, 2.7, "2"},         {false, meInteger, -2.7, "-2"},
        {false, meWord, -5, "5"},             {false, meFloat, 2.50, "2.5"},
        {false, meWord, 3000000000.0, "3000000000"},   // a word above the largest integer keeps its sign off
        {false, meWord, -3000000000.0, "3000000000"},
        {false, meFloat, 3.0, "3"},           {true, meFloatFixed, 3.0, "3,0"},
        {false, meFloatNumber, -987654, "-987,654.0"},
        {true, meFloatNumber, -987654, "-987 654,0"},
        {false, meCurrency, -2468.25, "($2,468.25)"},
        {true, meCurrency, -2468.25, "-2 468,25 \u20AC"},
        {true, meCurrency, 1.239, "1,23 \u20AC"},   // cut, not rounded
        {true, meDate, EncodeDate(2024, 2, 29), "29/02/2024"},
        {false, meDate, EncodeDate(2024, 2, 29), "2/29/2024"},
        {true, meTime, EncodeTime(7, 5, 0, 0), "07:05"},
        {false, meTime, EncodeTime(19, 5, 0, 0), "7:05 pm"},   // the edit's own signs
        {true, meDateTime, EncodeDate(2024, 2, 29) + EncodeTime(7, 5, 0, 0), "29/02/2024 07:05"},
    };
    for (const Case& c : cases) {
        Make(c.french, c.type);
        Edit->SetValue(c.value);
        EXPECT_EQ(Edit->Text(), c.text) << c.text;
    }
}

TEST_F(StyMaskEdits, ReadersConvertTheTextAndRefuseTheWrongKind)
{
    // Eleven signed digits: the text is read as it stands.
    Make(false, meMask);
    Edit->SetMask("###########");
    struct Case {
        const char* text;
        Integer value;
        Integer errors;
    };
    const Case cases[] = {{"2147483647", 2147483647, 0}, {"-2147483647", -2147483647, 0},
                          {"2147483648", 0, 1},          {"-2147483648", 0, 1}};
    for (const Case& c : cases) {
        Edit->SetText(c.text);
        Log.Errors = 0;
        EXPECT_EQ(Edit->AsInteger(), c.value) << c.text;
        EXPECT_EQ(Log.Errors, c.errors) << c.text;
        EXPECT_EQ(Edit->Text(), c.text);
    }
    // Switching a text that reads as no integer shows 0.
    Edit->SetMaskType(meInteger);
    EXPECT_EQ(Edit->Text(), "0");
    EXPECT_EQ(Log.Errors, 2);
    EXPECT_EQ(Edit->AsInt64(), 0);

    struct Wrong {
        TStyMaskType type;
        const char* message;
        void (*read)(TStyCustomMaskEdit&);
    };
    const Wrong wrong[] = {
        {meWord, "No Integer entered", [](TStyCustomMaskEdit& e) { e.AsInteger(); }},
        {meInteger, "No Word entered", [](TStyCustomMaskEdit& e) { e.AsCardinal(); }},
        {meDate, "No float entered", [](TStyCustomMaskEdit& e) { e.AsFloat(); }},
        {meTime, "No date entered", [](TStyCustomMaskEdit& e) { e.AsDate(); }},
        {meDate, "No time entered", [](TStyCustomMaskEdit& e) { e.AsTime(); }},
        {meInteger, "No datetime entered", [](TStyCustomMaskEdit& e) { e.AsDateTime(); }},
    };
    for (const Wrong& w : wrong) {
        Edit->SetMaskType(w.type);
        try {
            w.read(*Edit);
            ADD_FAILURE() << w.message;
        } catch (const EStyWrongDataType& e) {
            EXPECT_EQ(e.Message(), w.message);
        }
    }
}

TEST_F(StyMaskEdits, LeavingWithTheRangeCheckKeepsTheValueWithinItsBounds)
{
    Make(false, meInteger);
    Edit->SetMinValue(0);
    Edit->SetMaxValue(100);
    Edit->SetRangeCheck(true);
    Edit->SetValue(150);
    Leave();
    EXPECT_EQ(Edit->Text(), "100");
    EXPECT_EQ(Log.Ranges, (std::vector<double>{0, 100, 150}));
}

TEST_F(StyMaskEdits, ACharacterMaskSkipsItsLiteralsAndChecksItsRequiredPositions)
{
    Make(false, meMask);
    Edit->SetMask("!00\\-00");
    EXPECT_EQ(Edit->Text(), "__-__");
    Edit->SetCurrentChar(1);
    Type("1a23");   // the letter is refused, the literal skipped
    EXPECT_EQ(Edit->Text(), "12-3_");
    EXPECT_EQ(Edit->UnMaskedText(), "123");
    Leave();
    EXPECT_TRUE(Other->Focused());   // the required first digit is there

    Edit->SetUnMaskedText("1234");
    EXPECT_EQ(Edit->Text(), "12-34");
    EXPECT_EQ(Edit->FormatTextByMask("12", u' '), "12-  ");
    Edit->SetText("_2-34");
    Edit->SetFocus();
    TestProcess();
    Leave();   // the required position is empty: back to it, selected
    EXPECT_TRUE(Edit->Focused());
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 1);
}

TEST_F(StyMaskEdits, DeletingFromAMaskPutsItsBlanksBack)
{
    Make(false, meMask);
    Edit->SetMask("\\(000\\)");
    EXPECT_EQ(Edit->Text(), "(___)");
    Edit->SetCurrentChar(2);
    Type("q9");
    EXPECT_EQ(Edit->Text(), "(9__)");
    Edit->SetText("(123)");
    Edit->SetCurrentChar(3);
    Key(VK_BACK);
    EXPECT_EQ(Edit->Text(), "(_23)");
    Edit->SelectAll();
    Key(VK_DELETE);
    EXPECT_EQ(Edit->Text(), "(___)");
    Edit->SetMask("r0");   // a user rule without a handler takes nothing
    Edit->SetCurrentChar(1);
    Type("a");
    EXPECT_EQ(Edit->Text(), "__");
}

TEST_F(StyMaskEdits, ArrowsStepTheDateFieldAtTheCaret)
{
    struct Case {
        TDateTime date;
        Integer caret;   // 1 day, 4 month, 7 year
        Word key;
        const char* text;
    };
    const Case cases[] = {
        {EncodeDate(2023, 12, 31), 1, VK_UP, "01/01/2024"},
        {EncodeDate(2024, 2, 28), 1, VK_UP, "29/02/2024"},     // a leap year
        {EncodeDate(2023, 2, 28), 1, VK_UP, "01/03/2023"},
        {EncodeDate(2024, 1, 31), 4, VK_UP, "29/02/2024"},     // the day cut to the month's end
        {EncodeDate(2023, 1, 31), 4, VK_UP, "28/02/2023"},
        {EncodeDate(2024, 1, 15), 4, VK_DOWN, "15/12/2023"},   // December of the year before
        {EncodeDate(2023, 12, 15), 4, VK_UP, "15/01/2024"},
        {EncodeDate(2024, 2, 29), 7, VK_UP, "28/02/2025"},     // 29 February in a common year: the 28th
        {EncodeDate(2024, 2, 29), 7, VK_DOWN, "28/02/2023"},
        {EncodeDate(2020, 2, 29), 7, VK_UP, "28/02/2021"},
    };
    for (const Case& c : cases) {
        Make(true, meDate);
        Edit->SetValue(c.date);
        Edit->SetCurrentChar(c.caret);
        Key(c.key);
        EXPECT_EQ(Edit->Text(), c.text) << c.caret << " " << c.text;
        EXPECT_EQ(Edit->CurrentChar(), c.caret) << c.text;
        EXPECT_EQ(Log.Errors, 0) << c.text;
    }
    Make(true, meDate);
    Edit->SetValue(EncodeDate(2024, 3, 1));
    Edit->SetCurrentChar(1);
    TestMouseWheel(Edit, 20, 10, 1);   // the wheel steps the field too
    EXPECT_EQ(Edit->Text(), "02/03/2024");
    Key(VK_BACK);   // nothing to delete in a date
    EXPECT_EQ(Edit->Text(), "02/03/2024");
    Key(VK_RIGHT);
    EXPECT_EQ(Edit->CurrentChar(), 4);
}

TEST_F(StyMaskEdits, ArrowsStepTheTimeAndTheSignTogglesAfterOneOClock)
{
    Make(false, meTime);
    TStyTimeFormat* t = Edit->TimeSettings();
    t->SetAMSign("AM");
    t->SetPMSign("PM");
    t->SetFormat(tfCustom);
    t->SetFormatStr("hh:mm t");
    struct Case {
        Word h, m;
        Integer caret;
        const char* text;
    };
    const Case cases[] = {
        {11, 30, 7, "11:30 PM"},   // on the sign
        {0, 30, 7, "12:30 AM"},    // before 00:59 the sign stays
        {23, 30, 7, "11:30 AM"},
        {11, 59, 4, "12:00 PM"},   // a minute
        {23, 0, 1, "12:00 AM"},    // an hour, round the clock
    };
    for (const Case& c : cases) {
        Edit->SetValue(EncodeTime(c.h, c.m, 0, 0));
        Edit->SetCurrentChar(c.caret);
        Key(VK_UP);
        EXPECT_EQ(Edit->Text(), c.text) << c.text;
    }
    Edit->SetValue(EncodeTime(11, 30, 0, 0));
    Edit->SetCurrentChar(6);   // the caret goes to the minutes' start and selects them
    EXPECT_EQ(Edit->CurrentChar(), 4);
    EXPECT_EQ(Edit->SelLength(), 2);
    Key(VK_BACK);   // a time text deletes as any text: here the selected minutes
    EXPECT_EQ(Edit->Text(), "11: AM");
}

TEST_F(StyMaskEdits, DigitsTypedIntoADateFieldKeepItAValidDate)
{
    struct Case {
        Integer caret;   // 1 day, 4 month, 7 year of 24/12/2021
        const char* typed;
        const char* text;
    };
    const Case cases[] = {
        {1, "3", "3 /12/2021"},     // a padding space waits for the second digit
        {1, "31", "31/12/2021"},
        {1, "314", "14/12/2021"},   // no day 314: the last two digits
        {1, "35", "5 /12/2021"},    // no day 35: the 5 alone
        {1, "09", "09/12/2021"},
        {4, "05", "24/05/2021"},
        {4, "12", "24/12/2021"},
        {4, "13", "24/3 /2021"},    // no month 13
        {7, "1999", "24/12/1999"},
        {7, "19991", "24/12/1"},    // a fifth digit starts the year again
    };
    for (const Case& c : cases) {
        Make(true, meDate);
        Edit->SetValue(EncodeDate(2021, 12, 24));
        Edit->SetCurrentChar(c.caret);
        Type(c.typed);
        EXPECT_EQ(Edit->Text(), c.text) << c.caret << " " << c.typed;
    }
}

TEST_F(StyMaskEdits, MonthNamesTakeTheirNumberDigitByDigit)
{
    Make(false, meDate);
    Edit->DateSettings()->SetFormatStr("dd MMMM yyyy");
    Edit->DateSettings()->SetFormat(dfCustom);
    Edit->SetValue(EncodeDate(2021, 3, 5));
    EXPECT_EQ(Edit->Text(), "05 March 2021");
    const char* typed[][2] = {{"12", "05 December 2021"}, {"15", "05 December 2021"}, {"3", "05 March 2021"}};
    for (const auto& t : typed) {
        Edit->SetCurrentChar(4);
        Type(t[0]);
        EXPECT_EQ(Edit->Text(), t[1]) << t[0];
    }
}

TEST_F(StyMaskEdits, ATypedTwentyNinthOfFebruaryStaysOnlyInALeapYear)
{
    struct Case {
        const char* typed;   // over 24/12/2021, the separators moving on to the next field
        const char* text;
    };
    const Case cases[] = {{"29/02/2024", "29/02/2024"}, {"29/02/2023", "28/02/2023"}, {"29/02/2000", "29/02/2000"},
                          {"29/02/1900", "28/02/1900"}};
    for (const Case& c : cases) {
        Make(true, meDate);
        Edit->SetValue(EncodeDate(2021, 12, 24));
        Edit->SetCurrentChar(1);
        Type(c.typed);
        Leave();
        EXPECT_EQ(Edit->Text(), c.text) << c.typed;
    }
}

TEST_F(StyMaskEdits, FixedGroupedAndCurrencyTextsKeepTheirShapeWhileTyping)
{
    struct Case {
        bool french;
        TStyMaskType type;
        double value;
        Integer caret;
        const char* typed;   // "<" is Backspace
        const char* text;
    };
    const Case cases[] = {
        {false, meFloatFixed, 0, 1, "7", "7.0"},       // the zero before the separator gives way
        {false, meFloatFixed, 7, 3, "5", "7.5"},
        {true, meFloatFixed, 7, 3, "5", "7,5"},
        {false, meFloatFixed, 7.5, 2, "<", "0.5"},     // the last digit before the separator becomes 0
        {false, meFloatFixed, 7.5, 3, "<", "7.5"},     // the separator stays
        {false, meFloatFixed, 17.5, 3, "<", "1.5"},
        {false, meFloatFixed, 7.5, 4, "-", "-7.5"},
        {false, meFloatNumber, 1234, 1, "9", "91,234.0"},
        {true, meFloatNumber, 1234, 1, "9", "91 234,0"},
        {false, meCurrency, 0, 1, "7", "$7.00"},
        {false, meCurrency, 0, 1, "75", "$75.00"},
        {false, meCurrency, 75, 3, "-", "($75.00)"},   // the sign toggles into the negative pattern
        {true, meCurrency, 0, 1, "7", "7,00 \u20AC"},
        {true, meCurrency, 75, 2, "-", "-75,00 \u20AC"},
    };
    for (const Case& c : cases) {
        Make(c.french, c.type);
        Edit->SetValue(c.value);
        Edit->SetCurrentChar(c.caret);
        for (char ch : std::string(c.typed)) {
            if (ch == '<') Key(VK_BACK);
            else Type(String::FromChar(static_cast<char16_t>(ch)));
        }
        EXPECT_EQ(Edit->Text(), c.text) << c.typed << " at " << c.caret << " on " << c.value;
    }
}

TEST_F(StyMaskEdits, OverwritingStepsOverTheSeparatorAndKeepsTheCurrencyShape)
{
    struct Case {
        bool french;
        TStyMaskType type;
        double value;
        Integer caret;
        const char* typed;
        const char* text;
        Integer caretAfter;
    };
    const Case cases[] = {
        {false, meFloatFixed, 7.5, 2, "9", "7.9", 4},          // the separator is stepped over
        {true, meFloatNumber, 7.5, 2, "9", "7,9", 4},
        {false, meCurrency, 7.5, 2, "9", "$9.50", 3},          // a digit over a digit
        {false, meCurrency, 7.5, 3, "9", "$7.90", 5},          // over the separator: the next digit
        {true, meCurrency, 7.5, 2, "9", "7,90 \u20AC", 4},
        {false, meCurrency, 7.5, 1, "9", "$7.50", 2},          // the symbol stays, the caret moves on
        {false, meCurrency, 1234, 3, "9", "$1,234.00", 4},     // and so does a group delimiter
        {false, meCurrency, -7.5, 1, "9", "($7.50)", 2},
        {false, meCurrency, 7.5, 2, "-", "($7.50)", 3},        // the sign takes the symbol's place,
        {false, meCurrency, 7.5, 3, "-", "($7.50)", 4},        // the caret stays on its character
        {true, meCurrency, 7.5, 1, "-", "-7,50 \u20AC", 2},
        {true, meCurrency, -7.5, 2, "-", "7,50 \u20AC", 1},
    };
    for (const Case& c : cases) {
        Make(c.french, c.type);
        Edit->SetValue(c.value);
        Edit->SetCurrentChar(c.caret);
        StyApplication()->SetEditMode({});
        Type(c.typed);
        EXPECT_EQ(Edit->Text(), c.text) << c.typed << " at " << c.caret << " on " << c.value;
        EXPECT_EQ(Edit->CurrentChar(), c.caretAfter) << c.typed << " at " << c.caret << " on " << c.value;
        EXPECT_EQ(Edit->SelStart(), Edit->CurrentChar());
        StyApplication()->SetEditMode({emInsert});
    }
}

TEST_F(StyMaskEdits, TheCaretKeepsItsPlaceAmongTheDigitsOfAGroupedOrCurrencyText)
{
    struct Case {
        bool french;
        TStyMaskType type;
        double value;
        Integer caret;
        const char* typed;   // "<" is Backspace, ">" is Delete
        const char* text;
        Integer caretAfter;
    };
    const Case cases[] = {
        {false, meFloatNumber, 999, 4, "9", "9,999.0", 6},      // a delimiter came in left of the caret
        {true, meFloatNumber, 999, 4, "9", "9 999,0", 6},
        {false, meFloatNumber, 1234567, 4, ">", "124,567.0", 3},   // one went away
        {false, meFloatNumber, 1234567, 5, "<", "124,567.0", 3},
        {false, meCurrency, 999, 5, "9", "$9,999.00", 7},
        {false, meCurrency, 0, 1, "7", "$7.00", 3},             // behind the first digit
        {false, meCurrency, 75, 1, "1", "$175.00", 3},          // typed before the symbol
        {false, meCurrency, 75, 2, "$", "$75.00", 2},           // the symbol typed again
        {true, meCurrency, 75, 1, "1", "175,00 \u20AC", 2},
        {false, meCurrency, 75, 3, "-", "($75.00)", 4},         // a sign: the caret stays on its digit
        {false, meCurrency, 75, 1, "-", "($75.00)", 3},         // or goes to the first one
        {true, meCurrency, -75, 3, "-", "75,00 \u20AC", 2},
    };
    for (const Case& c : cases) {
        Make(c.french, c.type);
        Edit->SetValue(c.value);
        Edit->SetCurrentChar(c.caret);
        for (char ch : std::string(c.typed)) {
            if (ch == '<') Key(VK_BACK);
            else if (ch == '>') Key(VK_DELETE);
            else Type(String::FromChar(static_cast<char16_t>(ch)));
        }
        EXPECT_EQ(Edit->Text(), c.text) << c.typed << " at " << c.caret << " on " << c.value;
        EXPECT_EQ(Edit->CurrentChar(), c.caretAfter) << c.typed << " at " << c.caret << " on " << c.value;
    }
}

TEST_F(StyMaskEdits, PastingIntoAMaskOverwritesAsManyPositionsAsItBrings)
{
    struct Case {
        Integer caret;
        const char* pasted;
        const char* text;
    };
    const Case cases[] = {
        {1, "12", "12-__"},
        {1, "12-34", "12-34"},
        {4, "56", "__-56"},
        {4, "567", "__-56"},    // cut at the end of the mask
        {1, "1a", "__-__"},     // not a text of the mask: refused
        {3, "7", "__-__"},      // a digit on the literal
    };
    for (const Case& c : cases) {
        Make(false, meMask);
        Edit->SetMask("00\\-00");
        Edit->SetCurrentChar(c.caret);
        Clipboard().SetAsText(c.pasted);
        Edit->PasteFromClipboard();
        EXPECT_EQ(Edit->Text(), c.text) << c.pasted << " at " << c.caret;
    }
}

TEST_F(StyMaskEdits, EqualSeparatorsAreReportedAndTheEditIsStillMade)
{
    TFormatSettings same = TFormatSettings::English();
    same.ThousandSeparator = u'.';
    FormatSettings = same;
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    TStyCustomMaskEdit edit(nullptr);
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text, "Decimal and thousand separators must differ!");
    edit.SetMaskType(meInteger);
    EXPECT_EQ(edit.Text(), "0");
}

TEST_F(StyMaskEdits, OlderFormsGiveTheValueOrTheDateTimeByTheKindOfText)
{
    struct Case {
        TStyMaskType type;
        const char* entry;
        const char* text;
    };
    const Case cases[] = {
        {meDate, "DateTime = 45351", "29/02/2024"},   // 29 February 2024
        {meDate, "Value = 45351", "29/02/2024"},
        {meInteger, "Value = 12", "12"},
        {meFloatFixed, "Value = 2.5", "2,5"},
        {meMask, "DateTime = 45351", ""},             // not a date: ignored
    };
    for (const Case& c : cases) {
        Make(true, c.type);
        ReadComponentText(String("object Edit1: TStyCustomMaskEdit\n  ") + c.entry + "\nend\n", Edit);
        EXPECT_EQ(Edit->Text(), c.text) << c.entry;
    }
}
