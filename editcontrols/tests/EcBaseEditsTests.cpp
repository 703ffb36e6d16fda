#include <gtest/gtest.h>

#include "editcontrols/EcBaseEdits.h"
#include "platform/rtl/Exceptions.h"

namespace {

const TFormatSettings English = TFormatSettings::English();   // "." decimals, "," thousands
const TFormatSettings French = TFormatSettings::French();     // "," decimals, " " thousands

TEST(EcNumberRules, NumberTextKeepsOnlyWhatTheConversionReads)
{
    struct Case { const char *S, *English, *French; };
    const Case cases[] = {
        {"  1,234.5  ", "1234.5", "1,234,5"},
        {"1 234,5", "12345", "1234,5"},
        {"1.5", "1.5", "1,5"},
        {"-3,25", "-325", "-3,25"},
        {"+7", "+7", "+7"},
        {"12 m", "12", "12"},
        {"1,5E3", "153", "1,53"},   // the letter is dropped: an exponent is never typed
        {"", "0", "0"},
        {"   ", "0", "0"},
        {"abc", "0", "0"},
        {"-", "-0", "-0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TEcNumberRules(English).NumberText(c.S), String(c.English)) << c.S;
        EXPECT_EQ(TEcNumberRules(French).NumberText(c.S), String(c.French)) << c.S;
    }
}

TEST(EcNumberRules, NoBreakSpacesGroupDigitsWhereTheThousandsSeparatorIsABlank)
{
    for (const char* s : {"1\u00a0234,5", "1\u202f234,5", "1 234,5"})
        EXPECT_EQ(TEcNumberRules(French).NumberText(s), String("1234,5")) << s;
    EXPECT_EQ(TEcNumberRules(English).NumberText("1\u00a0234.5"), String("1234.5"));   // dropped as a letter is
}

TEST(EcNumberRules, PastedTextWithAnExponentIsRefusedInsteadOfJoiningItsDigits)
{
    const TEcNumberRules french(French), english(English);
    EXPECT_EQ(french.TypedValue("1 234,568"), 1234.568L);
    EXPECT_EQ(french.TypedValue("1.5"), 1.5L);
    EXPECT_EQ(french.TypedValue("12 m"), 12.0L);
    EXPECT_EQ(french.TypedValue(""), 0.0L);
    EXPECT_EQ(english.TypedValue("-1,234.5"), -1234.5L);
    for (const char* text : {"1,5E3", "2e1", "1E"}) {
        EXPECT_THROW(french.TypedValue(text), EConvertError) << text;
        EXPECT_THROW(english.TypedValue(text), EConvertError) << text;
    }
    EXPECT_THROW(french.TypedValue("1-2"), EConvertError);
}

TEST(EcNumberRules, TextValueReadsTheEditsOwnTextsExponentAndAll)
{
    const TEcNumberRules french(French), english(English);
    EXPECT_EQ(french.TextValue("1 234,568"), 1234.568L);
    EXPECT_EQ(french.TextValue(""), 0.0L);
    EXPECT_EQ(english.TextValue("-1,234.5"), -1234.5L);
    EXPECT_EQ(french.TextValue("1,5E25"), 1.5e25L);
    EXPECT_EQ(english.TextValue("-1.5E25"), -1.5e25L);
    EXPECT_EQ(french.ConvertibleText(" 1,5E+25 m"), String("1,5E+25"));
    for (const char* text : {"1E", "1-2", "E5"}) EXPECT_THROW(french.TextValue(text), EConvertError) << text;
}

// Beyond 18 digits the format writes an exponent; reading, leaving, regrouping and the calculator
// take the number as written, where dropping the letter would read 1E20 as 120.
TEST(EcNumberRules, AValueBeyondTheDigitsOfTheFormatReadsBackFromItsText)
{
    for (const TFormatSettings* settings : {&English, &French}) {
        TEcNumberRules rules(*settings);
        rules.MinValue = -1e100L;
        rules.MaxValue = 1e100L;
        rules.DecimalPlaces = 3;
        rules.DisplayFormat = ",0.###";
        for (const Extended value : {1e20L, -1.5e25L, 1e100L}) {
            const String text = rules.EditText(value);
            SCOPED_TRACE(text.ToUtf8());
            EXPECT_GT(Pos("E", text), 0);
            EXPECT_DOUBLE_EQ(static_cast<double>(rules.ReadValue(text)), static_cast<double>(value));
            EXPECT_DOUBLE_EQ(static_cast<double>(rules.ExitValue(text, true)), static_cast<double>(value));
            EXPECT_EQ(rules.RegroupedText(text), text);
        }
    }
}

TEST(EcNumberRules, LimitValueAppliesTheThreeRangeCases)
{
    struct Case { Extended Min, Max, X, Expected; };
    const Case cases[] = {
        // both bounds 0: no range, negatives included
        {0, 0, -7, -7}, {0, 0, 1e100L, 1e100L},
        // Min < Max: both bounds, each one inside
        {1, 10, 0.5L, 1}, {1, 10, 10.5L, 10}, {1, 10, 5, 5}, {1, 10, 1, 1}, {1, 10, 10, 10},
        {-0.0001L, 10, 12, 10}, {-0.0001L, 10, -5, -0.0001L}, {-89.999L, 89.999L, -90, -89.999L},
        // Min > Max with Max 0: the lower bound alone
        {5, 0, 3, 5}, {5, 0, 1000, 1000}, {0.001L, 0, -2, 0.001L},
        // Min > Max with Min 0: the upper bound alone
        {0, -5, -2, -5}, {0, -5, -10, -10},
        // Min > Max, neither 0: no range
        {3, -2, 7, 7}, {3, -2, -9, -9},
    };
    for (const Case& c : cases) {
        for (const TFormatSettings* settings : {&English, &French}) {
            TEcNumberRules rules(*settings);
            rules.MinValue = c.Min;
            rules.MaxValue = c.Max;
            EXPECT_EQ(rules.LimitValue(c.X, false), c.Expected) << c.Min << ".." << c.Max << ": " << c.X;
        }
    }
}

TEST(EcNumberRules, DecimalPlaceRoundTakesHalvesAwayFromZeroWithItsBias)
{
    struct Case { Cardinal Places; Extended X, Expected; };
    const Case cases[] = {
        {2, 2.345L, 2.35L}, {2, -2.345L, -2.35L},
        {2, 2.34499999995L, 2.35L},   // within the 0.00000001 bias: up
        {2, 2.3449999995L, 2.34L},    // beyond it: down
        {2, 2.344L, 2.34L}, {2, 0, 0},
        {0, 2.5L, 3}, {0, -2.5L, -3}, {0, 2.4L, 2},
        {3, 1234.56789L, 1234.568L},
    };
    for (const Case& c : cases) {
        for (const TFormatSettings* settings : {&English, &French}) {
            TEcNumberRules rules(*settings);
            rules.DecimalPlaces = c.Places;
            EXPECT_EQ(rules.LimitValue(c.X, false), c.X);   // no rounding unless asked
            rules.DecimalPlaceRound = true;
            // exact within the precision of the power of ten
            EXPECT_NEAR(static_cast<double>(rules.LimitValue(c.X, false)), static_cast<double>(c.Expected), 1e-12)
                << c.X << " to " << c.Places << " decimals";
        }
    }
}

TEST(EcNumberRules, LimitValueRaisesTheRangeMessageWithTheDecimalPlaces)
{
    for (const auto& [settings, message] :
         {std::pair{English, "Value must be between 0.000 and 10.000"},
          std::pair{French, "Value must be between 0,000 and 10,000"}}) {
        TEcNumberRules rules(settings);
        rules.MaxValue = 10;
        rules.DecimalPlaces = 3;
        try {
            rules.LimitValue(12, true);
            ADD_FAILURE() << "no range error";
        } catch (const ERangeError& e) {
            EXPECT_EQ(e.Message(), String(message));
        }
        EXPECT_EQ(rules.LimitValue(10, true), 10.0L);
        rules.DecimalPlaceRound = true;   // rounding alone is no range error
        EXPECT_NEAR(static_cast<double>(rules.LimitValue(2.3456L, true)), 2.346, 1e-12);
    }
}

TEST(EcNumberRules, EditFormatShowsTheDecimalPlaces)
{
    struct Case { Cardinal Places; bool AlwaysShown; const char* Format; };
    const Case cases[] = {
        {0, false, "0"}, {0, true, "0"}, {2, false, ",0.##"}, {7, false, ",0.#######"}, {3, true, ",0.000"},
    };
    for (const Case& c : cases) {
        for (const TFormatSettings* settings : {&English, &French}) {   // format strings take "." and ","
            TEcNumberRules rules(*settings);
            rules.DecimalPlaces = c.Places;
            rules.DecimalPlacesAlwaysShown = c.AlwaysShown;
            EXPECT_EQ(rules.EditFormat(), String(c.Format)) << c.Places;
        }
    }
}

TEST(EcNumberRules, EditAndDisplayTextsRoundAwayFromZeroAndShowZeroApart)
{
    struct Case {
        Cardinal Places; const char* DisplayFormat; bool ZeroEmpty; Extended Value;
        const char *EditEnglish, *DisplayEnglish, *EditFrench, *DisplayFrench;
    };
    const Case cases[] = {
        {3, ",0.###", true, 1234.56789L, "1,234.568", "1,234.568", "1 234,568", "1 234,568"},
        {2, ",0.##", true, 0.125L, "0.13", "0.13", "0,13", "0,13"},
        {0, "0", true, -2.5L, "-3", "-3", "-3", "-3"},
        {2, ",0.##", true, -1234567.5L, "-1,234,567.5", "-1,234,567.5", "-1 234 567,5", "-1 234 567,5"},
        {8, ",0.###", true, 0.123456789L, "0.12345679", "0.123", "0,12345679", "0,123"},
        // zero: an empty window text, while the unfocused edit shows "0"
        {2, ",0.##", true, 0, "", "0", "", "0"},
        {2, ",0.##", false, 0, "0", "0", "0", "0"},
        // no display format: general format with 15 digits
        {2, "", true, 1234.5L, "1,234.5", "1234.5", "1 234,5", "1234,5"},
    };
    for (const Case& c : cases) {
        for (bool french : {false, true}) {
            TEcNumberRules rules(french ? French : English);
            rules.DecimalPlaces = c.Places;
            rules.DisplayFormat = c.DisplayFormat;
            rules.ZeroEmpty = c.ZeroEmpty;
            EXPECT_EQ(rules.EditText(c.Value), String(french ? c.EditFrench : c.EditEnglish)) << c.Value;
            EXPECT_EQ(rules.DisplayText(c.Value), String(french ? c.DisplayFrench : c.DisplayEnglish)) << c.Value;
        }
    }
}

TEST(EcNumberRules, ValueReadBackHasTheEditTextsDecimals)
{
    TEcNumberRules rules(French);
    rules.DecimalPlaces = 3;
    rules.DisplayFormat = ",0.###";
    EXPECT_EQ(rules.TextValue(rules.EditText(1234.56789L)), 1234.568L);
    rules.MinValue = 1;
    rules.MaxValue = 10;
    EXPECT_EQ(rules.LimitValue(rules.TextValue(rules.EditText(0)), false), 1.0L);   // empty text reads 0
}

TEST(EcNumberRules, ReadingNeverRaisesWhileLeavingMayRaiseTheRange)
{
    TEcNumberRules rules(French);
    rules.MinValue = -0.0001L;
    rules.MaxValue = 10;
    rules.DecimalPlaces = 4;
    EXPECT_EQ(rules.ReadValue("-5"), -0.0001L);     // typed below the range, read at its bound
    EXPECT_EQ(rules.ReadValue("12"), 10.0L);
    EXPECT_EQ(rules.ReadValue("1-2"), -0.0001L);    // no number: the lower bound
    EXPECT_EQ(rules.ReadValue("1,5E3"), 10.0L);     // 1500 limited, never 1.53
    EXPECT_EQ(rules.ExitValue("12", false), 10.0L);
    EXPECT_EQ(rules.ExitValue("2,5", true), 2.5L);
    EXPECT_THROW(rules.ExitValue("12", true), ERangeError);
    EXPECT_THROW(rules.ExitValue("1-2", false), EConvertError);
}

TEST(EcNumberRules, KeysForTheOpenCalculator)
{
    const TEcNumberRules french(French), english(English);
    for (char16_t c : u"0123456789\b\r%*+-/=CQR_cqr.,") {
        if (c == 0) break;
        EXPECT_TRUE(french.IsCalculatorKey(c)) << char(c);
    }
    EXPECT_FALSE(english.IsCalculatorKey(u','));   // the English thousands separator stays in the edit
    EXPECT_TRUE(english.IsCalculatorKey(u'.'));
    for (char16_t c : {u'E', u'a', u' ', char16_t(27)}) EXPECT_FALSE(french.IsCalculatorKey(c)) << int(c);
}

TEST(EcNumberRules, GroupDigitsGroupsTheIntegerPartOnly)
{
    struct Case { const char* S; bool Grouping; const char *English, *French; };
    const Case cases[] = {
        {"1234567", true, "1,234,567", "1 234 567"},
        {"123456", true, "123,456", "123 456"},
        {"-123456", true, "-123,456", "-123 456"},
        {"+123", true, "+123", "+123"},
        {"12345E678", true, "12,345E678", "12 345E678"},
        {"1234567", false, "1234567", "1234567"},
        {"", true, "", ""},
        {"-", true, "-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TEcNumberRules(English).GroupDigits(c.S, c.Grouping), String(c.English)) << c.S;
        EXPECT_EQ(TEcNumberRules(French).GroupDigits(c.S, c.Grouping), String(c.French)) << c.S;
    }
    EXPECT_EQ(TEcNumberRules(English).GroupDigits("-1234.5678", true), String("-1,234.5678"));
    EXPECT_EQ(TEcNumberRules(French).GroupDigits("-1234,5678", true), String("-1 234,5678"));
}

TEST(EcNumberRules, TypingRegroupsTheDigitsWhenTheDisplayFormatGroups)
{
    TEcNumberRules french(French);
    french.DisplayFormat = ",0.###";
    String text;
    for (char16_t key : u"1234567") {
        if (key == 0) break;
        text = french.RegroupedText(text + key);
    }
    EXPECT_EQ(text, String("1 234 567"));
    EXPECT_EQ(french.RegroupedText("1 234 5678"), String("12 345 678"));
    EXPECT_EQ(french.RegroupedText("12,"), String("12,"));
    EXPECT_EQ(french.RegroupedText("-"), String("-"));
    EXPECT_EQ(french.RegroupedText(""), String(""));
    french.DisplayFormat = "0.###";
    EXPECT_EQ(french.RegroupedText("1 234 567"), String("1234567"));
    TEcNumberRules english(English);
    EXPECT_EQ(english.RegroupedText("1,2345.5"), String("12,345.5"));
}

TEST(EcNumberRules, TypedPointOrCommaIsTheDecimalSeparatorUnlessItGroups)
{
    EXPECT_EQ(TEcNumberRules(French).TypedChar(u'.'), u',');
    EXPECT_EQ(TEcNumberRules(French).TypedChar(u','), u',');
    EXPECT_EQ(TEcNumberRules(English).TypedChar(u'.'), u'.');
    EXPECT_EQ(TEcNumberRules(English).TypedChar(u','), u',');
    EXPECT_EQ(TEcNumberRules(English).TypedChar(u'7'), u'7');
}

struct KeyCase { const char* Text; int SelStart, SelLength; char16_t Key; bool Accepted; };

void CheckKeys(const TEcNumberRules& rules, std::initializer_list<KeyCase> cases)
{
    for (const KeyCase& c : cases)
        EXPECT_EQ(rules.AcceptsChar(c.Text, c.SelStart, c.SelLength, c.Key), c.Accepted)
            << "\"" << c.Text << "\" [" << c.SelStart << "," << c.SelLength << "] + " << char(c.Key);
}

TEST(EcNumberRules, AcceptsCharKeepsTheTextANumberUnderEnglishSettings)
{
    TEcNumberRules rules(English);
    rules.DecimalPlaces = 3;
    CheckKeys(rules, {
        {"", 0, 0, u'5', true},
        {"12.34", 5, 0, u'5', true},
        {"12.345", 6, 0, u'6', false},   // a fourth decimal
        {"12.345", 0, 6, u'6', true},    // the selection is replaced
        {"12.345", 3, 3, u'9', true},
        {"12", 2, 0, u'.', true},
        {"12.5", 4, 0, u'.', false},
        {"1,234", 5, 0, u'5', true},     // thousands separators do not count
        {"", 0, 0, u'-', true},
        {"-", 1, 0, u'3', true},
        {"12", 0, 0, u'+', true},
        {"12", 1, 0, u'-', false},
        {"12", 2, 0, u'a', false},
        {"12", 2, 0, u' ', true},        // blanks around are trimmed
        // no exponent: NumberText would drop the letter and read "1.5E3" as 1.53
        {"1.5", 3, 0, u'E', false},
        {"1.5", 3, 0, u'e', false},
    });
}

TEST(EcNumberRules, AcceptsCharKeepsTheTextANumberUnderFrenchSettings)
{
    TEcNumberRules rules(French);
    rules.DecimalPlaces = 3;
    CheckKeys(rules, {
        {"12,34", 5, 0, u'5', true},
        {"12,345", 6, 0, u'6', false},
        {"12", 2, 0, u',', true},
        {"12", 2, 0, u'.', true},        // read as the decimal separator
        {"12,5", 4, 0, u',', false},
        {"1 234", 5, 0, u'5', true},
        {"1 234,567", 9, 0, u'8', false},
        {"1\u00a0234", 5, 0, u'5', true},   // a pasted no-break space groups as the blank does
        {"1\u202f234,5", 7, 0, u'6', true},
        {"1,5", 3, 0, u'E', false},
        {"1,5", 3, 0, u'e', false},
    });
    rules.DecimalPlaces = 0;
    CheckKeys(rules, {{"12", 2, 0, u',', true}, {"12,", 3, 0, u'5', false}});
}

TEST(EcNumberRules, AcceptsCharRefusesANegativeTextWhenTheRangeIsNot)
{
    TEcNumberRules rules(English);
    rules.MinValue = 1;
    rules.MaxValue = 10;
    // a lone "-" reads as -0, which is not below 0; the digit after it is refused
    CheckKeys(rules, {{"", 0, 0, u'-', true}, {"-", 1, 0, u'1', false}, {"5", 0, 0, u'-', false}});
    rules.MinValue = -0.0001L;
    CheckKeys(rules, {{"-", 1, 0, u'1', true}});
    rules.MinValue = 0;
    rules.MaxValue = 0;
    CheckKeys(rules, {{"-", 1, 0, u'1', true}});
}

}  // namespace
