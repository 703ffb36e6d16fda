#include <gtest/gtest.h>

#include "platform/rtl/LocaleInfo.h"

namespace {

// The locale facts follow the program's settings; each test sets them and puts them back.
class LocaleInfo : public ::testing::Test {
protected:
    void TearDown() override { FormatSettings = Saved; }
    TFormatSettings Saved = FormatSettings;
};

struct Case {
    LCTYPE Type;
    const char* French;
    const char* English;
};

TEST_F(LocaleInfo, FactsComeFromTheSettings)
{
    const Case cases[] = {
        {LOCALE_SDECIMAL, ",", "."},
        {LOCALE_STHOUSAND, " ", ","},
        {LOCALE_SMONDECIMALSEP, ",", "."},
        {LOCALE_SGROUPING, "3;0", "3;0"},
        {LOCALE_SLIST, ";", ","},
        {LOCALE_SCURRENCY, "€", "$"},
        {LOCALE_ICURRDIGITS, "2", "2"},
        {LOCALE_ICURRENCY, "3", "0"},
        {LOCALE_INEGCURR, "8", "0"},
        {LOCALE_SDATE, "/", "/"},
        {LOCALE_STIME, ":", ":"},
        {LOCALE_SSHORTDATE, "dd/MM/yyyy", "M/d/yyyy"},
        {LOCALE_SLONGDATE, "dddd d MMMM yyyy", "dddd, MMMM d, yyyy"},
        {LOCALE_STIMEFORMAT, "HH:mm:ss", "h:mm:ss tt"},
        {LOCALE_IDATE, "1", "0"},
        {LOCALE_ITIME, "1", "0"},
        {LOCALE_S1159, "", "AM"},
        {LOCALE_S2359, "", "PM"},
        {LOCALE_SMONTHNAME1 + 1, "février", "February"},
        {LOCALE_SABBREVMONTHNAME1 + 11, "déc.", "Dec"},
        {LOCALE_SDAYNAME1, "lundi", "Monday"},          // the platform's weeks start on Monday
        {LOCALE_SDAYNAME1 + 6, "dimanche", "Sunday"},
        {LOCALE_SABBREVDAYNAME1 + 2, "mer.", "Wed"},
        {LOCALE_SNEGATIVESIGN, "-", "-"},
        {LOCALE_ICALENDARTYPE, "1", "1"},
        {LOCALE_INEGNUMBER, "1", "1"},
        {LOCALE_IDIGITS, "2", "2"},
        {LOCALE_ILZERO, "1", "1"},
        {LOCALE_IDEFAULTANSICODEPAGE, "1252", "1252"},
    };
    for (bool french : {true, false}) {
        FormatSettings = french ? TFormatSettings::French() : TFormatSettings::English();
        for (const Case& c : cases)
            EXPECT_EQ(GetLocaleStr(GetThreadLocale(), c.Type, "?"), String(french ? c.French : c.English))
                << std::hex << c.Type << (french ? " French" : " English");
    }
}

TEST_F(LocaleInfo, PatternsTakeTheSeparatorsAndTheClock)
{
    FormatSettings = TFormatSettings::English();
    FormatSettings.DateSeparator = u'.';
    FormatSettings.TimeSeparator = u'h';
    FormatSettings.ShortDateFormat = "dd/mm/yyyy";
    FormatSettings.LongTimeFormat = "hh:nn:ss";
    FormatSettings.LongDateFormat = "d \"de\" mmmm yyyy";
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, ""), "dd.MM.yyyy");
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, ""), "HHhmmhss");
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SLONGDATE, ""), "d 'de' MMMM yyyy");
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_ITIME, ""), "1");
    FormatSettings.ShortDateFormat = "yyyy/mm/dd";
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_IDATE, ""), "2");
}

TEST_F(LocaleInfo, MeasuresAndWeeksComeFromTheProcessLocale)
{
    // the tests run in the C locale: metric, weeks from Sunday
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_IMEASURE, ""), "0");
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_IFIRSTDAYOFWEEK, ""), "6");
    const String week = GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_IFIRSTWEEKOFYEAR, "");
    EXPECT_TRUE(week == "0" || week == "1" || week == "2") << week.ToUtf8();
    // the C locale names no language
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SLANGUAGE, "none"), String("none"));
}

TEST_F(LocaleInfo, BufferFormCountsTheTerminatingZero)
{
    FormatSettings = TFormatSettings::French();
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, nullptr, 0), 11);
    char16_t small[10];
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, small, 10), 0);
    char16_t buffer[11];
    ASSERT_EQ(GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE | LOCALE_NOUSEROVERRIDE, buffer, 11), 11);
    EXPECT_EQ(std::u16string(buffer), u"dd/MM/yyyy");
    // a selector without a fact
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, 0x7777, buffer, 11), 0);
    EXPECT_EQ(GetLocaleStr(LOCALE_USER_DEFAULT, 0x7777, "none"), "none");
}

}  // namespace
