// The value objects behind the typed edits under the "English" and "French" settings: currency
// amounts as text and back, dates and times with their fields, and number text in any base.
#include <gtest/gtest.h>

#include <cstdint>

#include "platform/classes/TypInfo.h"
#include "platform/rtl/DateUtils.h"
#include "styledcontrols/StyCustomMaskEdit.h"

namespace {

// Runs with the given settings and today 1 March 2024, and puts the program's back afterwards.
struct Settings : ::testing::Test {
    TFormatSettings Saved = FormatSettings;
    void Use(const TFormatSettings& s) { FormatSettings = s; }
    void SetUp() override
    {
        SetClock([] { return EncodeDate(2024, 3, 1) + EncodeTime(9, 0, 0, 0); });
    }
    void TearDown() override
    {
        FormatSettings = Saved;
        ResetClock();
    }
};

struct Ymd {
    Integer Y, M, D;
    friend bool operator==(const Ymd&, const Ymd&) = default;
};
std::ostream& operator<<(std::ostream& os, const Ymd& d) { return os << d.Y << "-" << d.M << "-" << d.D; }

}  // namespace

TEST_F(Settings, CurrencyTextFollowsTheLocalePatternsAndCutsExtraDigits)
{
    struct Case {
        bool french;
        bool minus;
        Int64 value;   // amount x 10000
        const char* text;
    };
    const Case cases[] = {
        {true, false, -76543210000, "-7 654 321,00 \u20AC"},   // pattern 8: minus, number, space, symbol
        {true, false, 12345678, "1 234,56 \u20AC"},             // 1234.5678 is cut, not rounded
        {true, true, 0, "-0,00 \u20AC"},                        // a zero with a typed minus sign
        {true, false, 0, "0,00 \u20AC"},
        {false, false, -24682500, "($2,468.25)"},               // pattern 0: in parentheses
        {false, false, 12390, "$1.23"},                         // 1.239 shows 1.23
        {false, false, 1000000000, "$100,000.00"},
        {false, false, 5000, "$0.50"},
    };
    for (const Case& c : cases) {
        Use(c.french ? TFormatSettings::French() : TFormatSettings::English());
        TStyCurrencySettings cur(nullptr);
        EXPECT_EQ(cur.toStr(c.minus, c.value), c.text) << c.value;
    }
}

TEST_F(Settings, CurrencyTextReadsBackWithItsSign)
{
    struct Case {
        bool french;
        const char* text;
        Int64 value;
        bool negative;
    };
    const Case cases[] = {
        {false, "($2,468.25)", -24682500, true},   // the parentheses and the symbol make the sign
        {false, "$2,468.25", 24682500, false},
        {false, "$1,000.5", 10005000, false},
        {false, "", 0, false},
        {true, "-2 468,25 \u20AC", -24682500, true},   // one minus sign
        {true, "--5,00 \u20AC", 50000, false},         // two cancel
        {true, "12,5 \u20AC", 125000, false},
    };
    for (const Case& c : cases) {
        Use(c.french ? TFormatSettings::French() : TFormatSettings::English());
        TStyCurrencySettings cur(nullptr);
        EXPECT_EQ(cur.toCur(c.text), c.value) << c.text;
        if (!String(c.text).IsEmpty()) { EXPECT_EQ(cur.IsNegative(c.text), c.negative) << c.text; }
    }
}

TEST_F(Settings, CurrencySettingsOfTheUserStayUntilTheLocaleIsAskedForAgain)
{
    Use(TFormatSettings::English());
    TStyCurrencySettings cur(nullptr);
    cur.SetSystemDefaults(cmUser);
    cur.SetSymbol("\u20AC");
    EXPECT_EQ(cur.toCur("(\u20AC2,468.25)"), -24682500);
    cur.SetPositiveFormatStr("\u00A4 1,1");
    EXPECT_EQ(cur.firstDigitPos(5), 3);
    EXPECT_EQ(cur.firstDigitPos(-5), 3);   // "(¤1,1)"
    EXPECT_EQ(cur.toStr(12345), "\u20AC 1.23");

    TStyCurrencySettings system(nullptr);
    system.SetSymbol("CHF");   // a setter does not leave the locale's mode
    EXPECT_EQ(system.SystemDefaults(), cmSystem);
    system.SetSystemDefaults(cmUser);
    system.SetSystemDefaults(cmSystem);   // back to the locale: its symbol again
    EXPECT_EQ(system.Symbol(), "$");

    TStyCurrencySettings copy(nullptr);
    copy.Assign(&cur);
    EXPECT_EQ(copy.SystemDefaults(), cmUser);
    EXPECT_EQ(copy.toStr(-12345), "(\u20AC1.23)");
}

TEST_F(Settings, OnlyCurrencySettingsMadeByHandAreStored)
{
    Use(TFormatSettings::French());
    TStyCurrencySettings cur(nullptr);
    const char* names[] = {"SystemDefaults", "PositiveFormatStr", "NegativeFormatStr", "Symbol"};
    std::vector<std::string> published;
    for (const TPropInfo* p : GetPropList(TStyCurrencySettings::StaticClass())) published.push_back(p->Name.ToUtf8());
    ASSERT_GE(published.size(), 4u);   // the settings' own come last
    EXPECT_EQ(std::vector<std::string>(published.end() - 4, published.end()),
              std::vector<std::string>(std::begin(names), std::end(names)));
    for (bool byHand : {false, true}) {
        cur.SetSystemDefaults(byHand ? cmUser : cmSystem);
        for (const char* name : names)
            EXPECT_EQ(IsStoredProp(&cur, GetPropInfo(&cur, name)), byHand) << name << (byHand ? " by hand" : " locale");
    }
    SetStrProp(&cur, "Symbol", "CHF");
    SetStrProp(&cur, "NegativeFormatStr", "-\u00A4 1,1");
    EXPECT_EQ(cur.toStr(-12345), "-CHF 1,23");
    EXPECT_EQ(GetOrdProp(&cur, "SystemDefaults"), cmUser);
}

TEST_F(Settings, DatesAreReadFieldByFieldWhateverTheSeparators)
{
    struct Case {
        const char* format;
        Integer yearDelta;
        const char* text;
        Ymd date;
    };
    const Case cases[] = {
        {"dd/MM/yyyy", -1, "24.12.2021", {2021, 12, 24}},   // a literal drops whatever stands there
        {"dd/MM/yyyy", 50, "5/3/21", {2021, 3, 5}},         // two-digit years within the window
        {"dd/MM/yyyy", 50, "5/3/60", {1960, 3, 5}},
        {"yyyy/M/d", -1, "2021/3/5", {2021, 3, 5}},         // the final single d reads like the others
        {"yyyyMMdd", -1, "20211224", {2021, 12, 24}},
        {"d MMMM yyyy", -1, "7 march 2024", {2024, 3, 7}},   // month names without regard to case
        {"d MMM yyyy", -1, "7 Mar 2024", {2024, 3, 7}},
        {"dddd d MMMM yyyy", -1, "Thursday 7 March 2024", {2024, 3, 7}},
        {"dd/MM/yyyy", -1, "", {1899, 12, 30}},
    };
    Use(TFormatSettings::English());
    for (const Case& c : cases) {
        TStyDateFormat f(nullptr);
        f.SetFormat(dfCustom);
        f.SetFormatStr(c.format);
        f.SetYearDelta(static_cast<ShortInt>(c.yearDelta));
        Ymd d{};
        f.StrToYMD(c.text, d.Y, d.M, d.D);
        EXPECT_EQ(d, c.date) << c.format << " " << c.text;
    }
}

TEST_F(Settings, ImpossibleDaysOfFebruaryAreLoweredAndOtherImpossibleDatesGiveZero)
{
    Use(TFormatSettings::French());
    TStyDateFormat f(nullptr);   // dd/MM/yyyy
    struct Case {
        const char* text;
        TDateTime date;
    };
    const Case cases[] = {
        {"31/02/2021", EncodeDate(2021, 2, 28)},
        {"30/02/2024", EncodeDate(2024, 2, 29)},   // a leap year
        {"29/02/2000", EncodeDate(2000, 2, 29)},   // divisible by 400
        {"29/02/1900", EncodeDate(1900, 2, 28)},   // divisible by 100 only
        {"31/04/2021", 0},
        {"12/13/2021", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(f.StrToDate(c.text), c.date) << c.text;
    const Integer lengths[][3] = {{2024, 2, 29}, {2023, 2, 28}, {2100, 2, 28}, {2024, 12, 31}, {2024, 13, 0}};
    for (const auto& l : lengths) EXPECT_EQ(TStyDateFormat::LastMonthDay(l[0], l[1]), l[2]) << l[0] << "-" << l[1];
}

TEST_F(Settings, DatesBecomeTextByTheFormatWithTheLocaleNames)
{
    struct Case {
        bool french;
        TStyDateFormats format;
        const char* custom;
        const char* text;
    };
    const Case cases[] = {
        {false, dfShortSystem, "", "12/24/2021"},
        {true, dfShortSystem, "", "24/12/2021"},
        {false, dfCustom, "dddd dd MMMM yyyy", "Friday 24 December 2021"},
        {true, dfLongSystem, "", "vendredi 24 d\u00E9cembre 2021"},
        {false, dfCustom, "d/m/yy", "24/12/21"},
        {false, dfCustom, "yyy-MMM", "-Dec"},   // a three-letter year gives nothing
    };
    for (const Case& c : cases) {
        Use(c.french ? TFormatSettings::French() : TFormatSettings::English());
        TStyDateFormat f(nullptr);
        f.SetFormatStr(c.custom);
        f.SetFormat(c.format);
        EXPECT_EQ(f.DateToStr(EncodeDate(2021, 12, 24)), c.text) << c.custom;
    }
}

TEST_F(Settings, TheCaretJumpsBetweenTheDateFields)
{
    Use(TFormatSettings::French());
    TStyDateFormat f(nullptr);   // dd/MM/yyyy
    const String text = "24/12/2021";
    struct Case {
        Integer p, type, near, next, prev;
    };
    const Case cases[] = {
        {1, 2, 1, 4, 1},     // in the day
        {3, 2, 1, 4, 3},     // just after the day digits: still the day; no field before it
        {4, 12, 4, 7, 1},    // the month
        {5, 12, 4, 7, 1},
        {8, 24, 7, 7, 4},    // the year: no field after it, its own start
        {11, 24, 7, 7, 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(f.CurrentType(c.p, text), c.type) << c.p;
        EXPECT_EQ(f.NearEditPos(c.p, text), c.near) << c.p;
        EXPECT_EQ(f.NextEditPos(c.p, text), c.next) << c.p;
        EXPECT_EQ(f.PrevEditPos(c.p, text), c.prev) << c.p;
    }
    EXPECT_EQ(f.GetPattern(12, text), -1);
    EXPECT_EQ(f.DateLength("24/12/2021 10:30"), 11);
    f.SetFormat(dfCustom);
    f.SetFormatStr("yyyyMMdd");   // fields without separators keep their own kinds
    const Integer kinds[] = {24, 12, 2};
    for (Integer k = 1; k <= 3; ++k) EXPECT_EQ(f.GetPatInfo(k, "20211224").Type, kinds[k - 1]) << k;
}

TEST_F(Settings, TimesBecomeTextOnTwelveAndTwentyFourHourClocks)
{
    Use(TFormatSettings::French());
    struct Case {
        const char* format;
        Word h, m, s;
        const char* text;
        bool twelve;
    };
    const Case cases[] = {
        {"hh:mm", 13, 5, 0, "01:05 pm", true},      // the sign after a space
        {"hh:mm t", 9, 5, 0, "09:05 am", true},     // the sign in the t's place
        {"hh:mm AMPM", 0, 30, 0, "12:30 am", true}, // AMPM reads as t; midnight shows 12
        {"HH:mm:ss", 7, 3, 9, "07:03:09", false},
        {"H:n:s", 17, 3, 9, "17:3:9", false},
    };
    for (const Case& c : cases) {
        TStyTimeFormat f(nullptr);
        f.SetFormat(tfCustom);
        f.SetFormatStr(c.format);
        EXPECT_EQ(f.TimeToStr(c.h, c.m, c.s), c.text) << c.format;
        EXPECT_EQ(f.Is12HourFormat(), c.twelve) << c.format;
    }
    Use(TFormatSettings::English());
    TStyTimeFormat system(nullptr);
    system.SetFormat(tfLongSystem);
    system.SetFormat(tfShortSystem);   // "h:mm AMPM": twelve hours
    EXPECT_TRUE(system.Is12HourFormat());
}

TEST_F(Settings, TimesReadBackWithTheirSign)
{
    Use(TFormatSettings::French());
    TStyTimeFormat f(nullptr);
    f.SetFormat(tfCustom);
    f.SetFormatStr("h:mm");
    struct Case {
        const char* text;
        Word h, m;
    };
    const Case cases[] = {{"12:30 am", 0, 30}, {"12:30 pm", 12, 30}, {"1:15 pm", 13, 15}, {"11:05", 11, 5}};
    for (const Case& c : cases) EXPECT_EQ(f.StrToTime(c.text), EncodeTime(c.h, c.m, 0, 0)) << c.text;
    Integer h = -1, s = -1, m = -1;
    f.StrToHMS("12:30 am", h, s, m);
    EXPECT_EQ(h, 0);
    EXPECT_THROW(f.StrToTime("25:00"), EConvertError);

    // A date part of ten characters and a space before the time.
    f.SetFormatStr("HH:mm");
    const String text = "24/12/2021 10:30";
    EXPECT_EQ(f.SetOffset(11), 0);
    EXPECT_EQ(f.GetPattern(5, text), 0);
    EXPECT_EQ(f.CurrentType(12, text), 2);
    EXPECT_EQ(f.CurrentType(15, text), 12);
    EXPECT_EQ(f.NextEditPos(12, text), 15);
}

TEST(StyNumberText, DigitsOfAnyBaseBothWays)
{
    struct Case {
        const char* text;
        Integer base;
        Int64 value;
    };
    const Case toValue[] = {
        {"102", 2, 6},   // 1*4 + 0*2 + 2*1: digits are not checked against the base
        {"FF", 16, 255}, {"ff", 16, 255}, {"-1A", 16, -26}, {"-", 10, 0}, {"-", 16, 0}, {"Z", 36, 35},
        {"2147483648", 10, 2147483648LL},
    };
    for (const Case& c : toValue) EXPECT_EQ(StyTextToInt(c.text, c.base), c.value) << c.text << " base " << c.base;
    EXPECT_THROW(StyTextToInt("12a", 10), EConvertError);
    const Case toText[] = {{"FF", 16, 255},   {"-1A", 16, -26}, {"0", 2, 0}, {"1010", 2, 10}, {"-2147483647", 10, -2147483647},
                           {"3000000000", 10, 3000000000LL}, {"-9223372036854775808", 10, INT64_MIN}};
    for (const Case& c : toText) EXPECT_EQ(StyIntToText(c.value, c.base), c.text) << c.value << " base " << c.base;
}

TEST_F(Settings, FloatTextInEachPresentation)
{
    struct Case {
        bool french;
        Extended value;
        TStyNumberType type;
        Integer c;
        const char* text;
    };
    const Case cases[] = {
        {false, -987654, ntFloatNumber, 0, "-987,654.0"},   // no separator after the minus sign
        {true, -987654, ntFloatNumber, 0, "-987 654,0"},
        {false, 123, ntFloatNumber, 0, "123.0"},
        {false, 2.5, ntInteger, 0, "2.5"},
        {false, 3.0, ntInteger, 0, "3"},
        {true, 2.5, ntFloatFixed, 3, "2,500"},
        {false, 2.5, ntCurrency, 0, "2.50 $"},
        {true, 2.5, ntCurrency, 0, "2,50 \u20AC"},
    };
    for (const Case& c : cases) {
        Use(c.french ? TFormatSettings::French() : TFormatSettings::English());
        EXPECT_EQ(StyRenderNumber(StyFloatToText(c.value, 10, 1), c.type, c.c), c.text) << c.text;
    }
    Use(TFormatSettings::English());
    struct Back {
        const char* text;
        Integer base;
        Extended value;
    };
    const Back back[] = {{"-0.5", 10, -0.5}, {"-.5", 10, -0.5}, {"1.1", 2, 1.5}, {"A.8", 16, 10.5}, {"-3.25", 10, -3.25},
                         {"", 10, 0}, {"-", 10, 0}};
    for (const Back& b : back) EXPECT_EQ(StyTextToFloat(b.text, b.base), b.value) << b.text;
    EXPECT_EQ(StyFloatToText(-0.5, 2, 2), "-0.10");
    EXPECT_EQ(StyFloatToText(255.75, 16, 1), "FF.C");
}
