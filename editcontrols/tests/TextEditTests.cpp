#include <gtest/gtest.h>

#include <cmath>

#include "editcontrols/TextEdit.h"
#include "editcontrols/tests/EditControlsTestSupport.h"

namespace {

// An edit without a window: its text is kept by the control.
struct ExtendEdit : ::testing::Test {
    TExtendEdit Edit{nullptr};
};

struct ParseCase {
    TEditType Style;
    const char* Text;
    double French, English;
};
const ParseCase ParseCases[] = {
    // the locale's decimal separator; the other locale's is dropped like any other character
    {esFloat, "12,5", 12.5, 125},
    {esFloat, "12.5", 125, 12.5},
    {esFloat, ",5", 0.5, 5},
    // thousands separators, blanks (also no-break and narrow no-break), signs and symbols go
    {esFloat, "1 234,5", 1234.5, 12345},
    {esFloat, "1\u00a0234,5", 1234.5, 12345},
    {esFloat, "1\u202f234,5", 1234.5, 12345},
    {esFloat, "1,234.5", 1.2345, 1234.5},
    {esCurrency, "1 234,50 €", 1234.5, 123450},
    {esCurrency, "$1,234.50", 1.2345, 1234.5},
    {esPercentage, "25,000%", 25, 25000},
    // a second separator ends the number; the integer style ends at the first
    {esFloat, "12,5,7", 12.5, 1257},
    {esFloat, "1.2.3", 123, 1.2},
    {esInteger, "12,75", 12, 1275},
    {esInteger, "12.75", 1275, 12},
    // "(" with ")", or a "-" anywhere, make the number negative
    {esFloat, "(12,5)", -12.5, -125},
    {esFloat, "(12.5)", -125, -12.5},
    {esFloat, "12-", -12, -12},
    {esFloat, "1-2", -12, -12},
    {esFloat, "(12", 12, 12},
    // nothing that converts reads as 0
    {esFloat, "", 0, 0},
    {esFloat, "-", 0, 0},
    {esFloat, "abc", 0, 0},
    {esFloat, "()", 0, 0},
};

TEST_F(ExtendEdit, ParseNumberKeepsDigitsAndOneDecimalSeparator)
{
    for (const bool french : {true, false}) {
        TSettingsScope scope(french ? TFormatSettings::French() : TFormatSettings::English());
        for (const ParseCase& c : ParseCases) {
            Edit.SetEditStyle(c.Style);
            SCOPED_TRACE(testing::Message() << (french ? "French " : "English ") << c.Text << " style " << c.Style);
            EXPECT_DOUBLE_EQ(Edit.ParseNumber(c.Text), french ? c.French : c.English);
        }
    }
}

// Writing takes the percent figure, reading gives the fraction; the text shows the figure.
struct PercentCase {
    double Written;
    Integer Decimals;
    const char* French;
    const char* English;
    double Read;
};
const PercentCase PercentCases[] = {
    {25, 3, "25,000%", "25.000%", 0.25},
    {50, 1, "50,0%", "50.0%", 0.5},
    {12.5, 2, "12,50%", "12.50%", 0.125},
    {-3, 0, "-3%", "-3%", -0.03},
    {0.5, 1, "0,5%", "0.5%", 0.005},
};

TEST_F(ExtendEdit, PercentageWritesThePercentFigureAndReadsTheFraction)
{
    for (const bool french : {true, false}) {
        TSettingsScope scope(french ? TFormatSettings::French() : TFormatSettings::English());
        Edit.SetEditStyle(esPercentage);
        for (const PercentCase& c : PercentCases) {
            SCOPED_TRACE(testing::Message() << (french ? "French " : "English ") << c.Written);
            Edit.SetDecimalPlaces(c.Decimals);
            Edit.SetValue(c.Written);
            EXPECT_EQ(Edit.Text(), String(french ? c.French : c.English));
            EXPECT_DOUBLE_EQ(Edit.Value(), c.Read);
        }
    }
}

struct DisplayCase {
    TEditType Style;
    Integer Decimals;
    double Written;
    const char* French;
    const char* English;
};
const DisplayCase DisplayCases[] = {
    {esFloat, 3, 3.14159, "3,142", "3.142"},
    {esFloat, 0, 2.5, "3", "3"},
    {esFloat, 3, 1234567.5, "1234567,500", "1234567.500"},   // no thousands separators
    {esInteger, 0, 12.75, "12", "12"},                        // truncated toward zero
    {esInteger, 0, -12.75, "-12", "-12"},
    {esCurrency, 2, 1234.5, "1 234,50 €", "$1,234.50"},
    {esCurrency, 1, -2, "-2,0 €", "($2.0)"},
};

TEST_F(ExtendEdit, UnfocusedTextFollowsTheStyleAndDecimalPlaces)
{
    for (const bool french : {true, false}) {
        TSettingsScope scope(french ? TFormatSettings::French() : TFormatSettings::English());
        for (const DisplayCase& c : DisplayCases) {
            SCOPED_TRACE(testing::Message() << (french ? "French " : "English ") << c.Written << " style " << c.Style);
            Edit.SetEditStyle(c.Style);
            Edit.SetDecimalPlaces(c.Decimals);
            Edit.SetValue(c.Written);
            EXPECT_EQ(Edit.Text(), String(french ? c.French : c.English));
        }
    }
}

// A value too small or too large for the fixed notation of 15 digits is still written in digits:
// an exponent's digits and sign would be read into the number ("1E-5" as -15).
TEST_F(ExtendEdit, TinyAndHugeValuesReadBackAsWritten)
{
    struct Case { TEditType Style; Integer Decimals; double Written, Read; const char *French, *English; };
    const Case cases[] = {
        {esFloat, 9, 0.00001, 0.00001, "0,000010000", "0.000010000"},
        {esFloat, 9, -0.00005, -0.00005, "-0,000050000", "-0.000050000"},
        {esFloat, 3, 0.00001, 0, "0,000", "0.000"},
        {esFloat, 3, 5.551115123125783e-17, 0, "0,000", "0.000"},
        {esFloat, 1, 1e20, 1e20, "100000000000000000000,0", "100000000000000000000.0"},
        {esFloat, 0, -2.5e16, -2.5e16, "-25000000000000000", "-25000000000000000"},
        {esInteger, 0, 1e20, 1e20, "100000000000000000000", "100000000000000000000"},
        {esPercentage, 5, 0.00005, 0.0000005, "0,00005%", "0.00005%"},
    };
    for (const bool french : {true, false}) {
        TSettingsScope scope(french ? TFormatSettings::French() : TFormatSettings::English());
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << (french ? "French " : "English ") << c.Written << " style " << c.Style);
            Edit.SetEditStyle(c.Style);
            Edit.SetDecimalPlaces(c.Decimals);
            Edit.SetValue(c.Written);
            EXPECT_EQ(Edit.Text(), String(french ? c.French : c.English));
            EXPECT_DOUBLE_EQ(Edit.Value(), c.Read);
        }
    }
}

TEST_F(ExtendEdit, GeneralStyleKeepsItsTextAndReadsZero)
{
    Edit.SetText("12 apples");
    Edit.SetValue(5);
    EXPECT_EQ(Edit.Text(), String("12 apples"));
    EXPECT_EQ(Edit.Value(), 0);
    Edit.Range().SetMaxValue(-200);   // out of range, but the general style is never flagged by colour
    Edit.Alert().SetActive(true);
    Edit.Alert().SetColor(clRed);
    EXPECT_EQ(Edit.Color(), clWindow);
}

TEST_F(ExtendEdit, RangeFlagsColoursOrForcesTheNumber)
{
    TSettingsScope scope(TFormatSettings::French());
    Edit.SetEditStyle(esFloat);
    Edit.SetDecimalPlaces(3);
    Edit.Range().SetMinValue(1);
    Edit.Range().SetMaxValue(10);
    Edit.Range().SetColor(clYellow);
    Edit.SetValue(50);
    EXPECT_EQ(Edit.Text(), String("50,000"));
    EXPECT_TRUE(Edit.OORError());
    EXPECT_EQ(Edit.Color(), clYellow);   // the alert is off
    Edit.Alert().SetColor(clRed);
    Edit.Alert().SetActive(true);
    EXPECT_EQ(Edit.Color(), clRed);
    Edit.SetValue(5);
    EXPECT_FALSE(Edit.OORError());
    EXPECT_EQ(Edit.Color(), clYellow);

    Edit.Range().SetEnforce(true);
    Edit.SetValue(50);
    EXPECT_EQ(Edit.Text(), String("10,000"));
    EXPECT_DOUBLE_EQ(Edit.Value(), 10);
    EXPECT_FALSE(Edit.OORError());
    Edit.SetValue(-3);
    EXPECT_DOUBLE_EQ(Edit.Value(), 1);
    Edit.SetValue(std::nan(""));   // reads as 0, forced up to the minimum
    EXPECT_DOUBLE_EQ(Edit.Value(), 1);
}

// A forced percentage takes the bound as its fraction: the text shows its percent figure.
TEST_F(ExtendEdit, ForcedPercentageReadsTheBound)
{
    Edit.SetEditStyle(esPercentage);
    Edit.Range().SetMinValue(0);
    Edit.Range().SetMaxValue(1);
    Edit.Range().SetEnforce(true);
    Edit.SetValue(150);
    EXPECT_DOUBLE_EQ(Edit.Value(), 1);
    EXPECT_EQ(Edit.Text(), String("100%"));
    Edit.SetValue(-20);
    EXPECT_DOUBLE_EQ(Edit.Value(), 0);
    EXPECT_FALSE(Edit.OORError());
}

TEST_F(ExtendEdit, MaximumBelowMinimumPullsTheMinimumDown)
{
    Edit.Range().SetMinValue(200);
    EXPECT_EQ(Edit.Range().MinValue(), 100);
    EXPECT_EQ(Edit.Range().MaxValue(), 100);
    Edit.Range().SetMaxValue(50);
    EXPECT_EQ(Edit.Range().MinValue(), 50);
    TRangeData copy;
    copy.Assign(&Edit.Range());
    EXPECT_EQ(copy.MinValue(), 50);
    EXPECT_EQ(copy.MaxValue(), 50);
}

}  // namespace
