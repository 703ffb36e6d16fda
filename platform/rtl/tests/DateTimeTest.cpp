#include <gtest/gtest.h>

#include <limits>

#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"

namespace {

const TFormatSettings English = TFormatSettings::English();
const TFormatSettings French = TFormatSettings::French();

// Thursday 10 December 2026, 14:05:09.007.
const TDateTime Sample = 46366.0 + (14 * 3600 + 5 * 60 + 9 + 0.007) / 86400.0;

// Sets the clock to Sample for one test.
class DateTimeClock : public ::testing::Test {
protected:
    void SetUp() override { SetClock([] { return Sample; }); }
    void TearDown() override { ResetClock(); }
};

} // namespace

TEST(DateTime, EncodeAndDecodeDates)
{
    struct Case { Word year, month, day; TDateTime serial; int dayOfWeek; };
    const Case cases[] = {
        {1899, 12, 30, 0, 7},    {1900, 1, 1, 2, 2},         {1970, 1, 1, 25569, 5},
        {2000, 1, 1, 36526, 7},  {2024, 2, 29, 45351, 5},    {2026, 12, 10, 46366, 5},
        {1, 1, 1, -693593, 2},   {9999, 12, 31, 2958465, 6}, {1899, 12, 29, -1, 6},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), c.serial) << c.year << "-" << c.month << "-" << c.day;
        Word y = 0, m = 0, d = 0;
        DecodeDate(c.serial < 0 ? c.serial - 0.75 : c.serial + 0.75, y, m, d);  // the same day, 18:00
        EXPECT_EQ(y * 10000 + m * 100 + d, c.year * 10000 + c.month * 100 + c.day) << c.serial;
        EXPECT_EQ(DayOfWeek(c.serial), c.dayOfWeek) << c.serial;
    }

    struct Bad { Word year, month, day; };
    const Bad bad[] = {{2021, 2, 29}, {1900, 2, 29}, {0, 1, 1}, {10000, 1, 1}, {2021, 13, 1}, {2021, 4, 31}, {2021, 1, 0}};
    for (const Bad& b : bad) {
        TDateTime date = -5;
        EXPECT_FALSE(TryEncodeDate(b.year, b.month, b.day, date));
        EXPECT_EQ(date, -5);
    }
    try {
        EncodeDate(2021, 2, 29);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Invalid argument to date encode");
    }

    struct Leap { Word year; bool leap; Word february; };
    for (const Leap& l : {Leap{2024, true, 29}, Leap{2023, false, 28}, Leap{1900, false, 28}, Leap{2000, true, 29}}) {
        EXPECT_EQ(IsLeapYear(l.year), l.leap) << l.year;
        EXPECT_EQ(DaysInAMonth(l.year, 2), l.february) << l.year;
    }
}

TEST(DateTime, EncodeAndDecodeTimes)
{
    struct Case { TDateTime value; Word hour, min, sec, msec; Word year, month, day; };
    const Case cases[] = {
        {0.25, 6, 0, 0, 0, 1899, 12, 30},
        {46366.75, 18, 0, 0, 0, 2026, 12, 10},
        {Sample, 14, 5, 9, 7, 2026, 12, 10},
        {-1.25, 6, 0, 0, 0, 1899, 12, 29},          // before the epoch the fraction is the time of day
        {-0.5, 12, 0, 0, 0, 1899, 12, 30},
        {46366.9999999999, 0, 0, 0, 0, 2026, 12, 11},  // rounds to the next midnight
    };
    for (const Case& c : cases) {
        Word h = 0, n = 0, s = 0, ms = 0, y = 0, m = 0, d = 0;
        DecodeTime(c.value, h, n, s, ms);
        DecodeDate(c.value, y, m, d);
        EXPECT_EQ(h * 10000000 + n * 100000 + s * 1000 + ms, c.hour * 10000000 + c.min * 100000 + c.sec * 1000 + c.msec) << c.value;
        EXPECT_EQ(y * 10000 + m * 100 + d, c.year * 10000 + c.month * 100 + c.day) << c.value;
    }
    // A value that is no date decodes as zeros instead of failing.
    for (TDateTime notADate : {1e300, -1e20, std::numeric_limits<double>::quiet_NaN()}) {
        Word y = 9, m = 9, d = 9;
        DecodeDate(notADate, y, m, d);
        EXPECT_EQ(y + m + d, 0);
        EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", notADate, English), "0000-00-00 00:00");
    }
    EXPECT_EQ(EncodeTime(6, 0, 0, 0), 0.25);
    EXPECT_DOUBLE_EQ(EncodeTime(23, 59, 59, 999), 86399999.0 / 86400000.0);
    TDateTime time = 0;
    EXPECT_FALSE(TryEncodeTime(24, 0, 0, 0, time));
    EXPECT_FALSE(TryEncodeTime(1, 60, 0, 0, time));
    EXPECT_FALSE(TryEncodeTime(1, 0, 0, 1000, time));
    EXPECT_THROW(EncodeTime(1, 0, 60, 0), EConvertError);
}

TEST_F(DateTimeClock, ClockCanBeInjected)
{
    EXPECT_EQ(Now(), Sample);
    EXPECT_EQ(Date(), 46366.0);
    EXPECT_EQ(Time(), EncodeTime(14, 5, 9, 7));
    ResetClock();
    EXPECT_GT(Now(), EncodeDate(2020, 1, 1));  // the system's clock again
}

TEST(DateTime, FormatDateTime)
{
    struct Case { const char* format; TDateTime value; const char* english; const char* french; };
    const Case cases[] = {
        {"yyyy-mm-dd hh:nn:ss.zzz", Sample, "2026-12-10 14:05:09.007", "2026-12-10 14:05:09.007"},
        {"d/m/yy", Sample, "10/12/26", "10/12/26"},
        {"d/m/yy", 1.0, "31/12/99", "31/12/99"},
        {"ddd dddd", Sample, "Thu Thursday", "jeu. jeudi"},
        {"mmm-dd, yyyy", Sample, "Dec-10, 2026", "déc.-10, 2026"},
        {"MMMM", Sample, "December", "décembre"},
        {"ddddd", Sample, "12/10/2026", "10/12/2026"},
        {"dddddd", Sample, "Thursday, December 10, 2026", "jeudi 10 décembre 2026"},
        {"c", Sample, "12/10/2026 2:05:09 PM", "10/12/2026 14:05:09"},
        {"c", 46366.0, "12/10/2026", "10/12/2026"},
        {"", 46366.0, "12/10/2026", "10/12/2026"},
        {"t", Sample, "2:05 PM", "14:05"},
        {"tt", Sample, "2:05:09 PM", "14:05:09"},
        {"h:mm am/pm", Sample, "2:05 pm", "2:05 pm"},
        {"hh:nn AM/PM", Sample, "02:05 PM", "02:05 PM"},
        {"h a/p", Sample, "2 p", "2 p"},
        {"h am/pm", 0.0, "12 am", "12 am"},
        {"h am/pm", 0.5, "12 pm", "12 pm"},
        {"h ampm", 0.25, "6 AM", "6 "},
        {"hh:mm", Sample, "14:05", "14:05"},
        {"h'h'nn", Sample, "14h05", "14h05"},
        {"h \"h\" nn", Sample, "14 h 05", "14 h 05"},
        {"hh:nn:ss.zz", Sample, "14:05:09.7", "14:05:09.7"},
        {"'mm' mm", Sample, "mm 12", "mm 12"},
        {"yyyy-mm-dd hh:nn", -1.25, "1899-12-29 06:00", "1899-12-29 06:00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatDateTime(c.format, c.value, English), c.english) << c.format;
        EXPECT_EQ(FormatDateTime(c.format, c.value, French), c.french) << c.format;
    }

    TFormatSettings dotted = French;
    dotted.DateSeparator = u'.';
    dotted.TimeSeparator = u'h';
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy hh:nn", Sample, dotted), "10.12.2026 14h05");

    // A settings pattern that names itself does not loop.
    TFormatSettings looping = English;
    looping.ShortDateFormat = "ddddd";
    EXPECT_EQ(FormatDateTime("ddddd", Sample, looping), "");
}

TEST(DateTime, DateAndTimeTexts)
{
    struct Case { TDateTime value; const char* english[3]; const char* french[3]; };
    const Case cases[] = {
        {Sample, {"12/10/2026", "2:05:09 PM", "12/10/2026 2:05:09 PM"}, {"10/12/2026", "14:05:09", "10/12/2026 14:05:09"}},
        {45351.0, {"2/29/2024", "12:00:00 AM", "2/29/2024"}, {"29/02/2024", "00:00:00", "29/02/2024"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DateToStr(c.value, English), c.english[0]);
        EXPECT_EQ(TimeToStr(c.value, English), c.english[1]);
        EXPECT_EQ(DateTimeToStr(c.value, English), c.english[2]);
        EXPECT_EQ(DateToStr(c.value, French), c.french[0]);
        EXPECT_EQ(TimeToStr(c.value, French), c.french[1]);
        EXPECT_EQ(DateTimeToStr(c.value, French), c.french[2]);
    }
}

TEST_F(DateTimeClock, StrToDateAndTime)
{
    const TDateTime invalid = -999999;
    struct Case { const char* text; TDateTime english; TDateTime french; };
    const Case dates[] = {
        {"12/10/2026", 46366, EncodeDate(2026, 10, 12)},
        {"10/12/2026", EncodeDate(2026, 10, 12), 46366},
        {" 2/29/2024 ", 45351, invalid},
        {"29/02/2024", invalid, 45351},
        {"1/2", EncodeDate(2026, 1, 2), EncodeDate(2026, 2, 1)},   // this year
        {"1/2/30", EncodeDate(2030, 1, 2), EncodeDate(2030, 2, 1)},  // within 50 years ahead
        {"1/2/80", EncodeDate(1980, 1, 2), EncodeDate(1980, 2, 1)},
        {"1/2/0080", EncodeDate(80, 1, 2), EncodeDate(80, 2, 1)},
        {"31/02/2021", invalid, invalid},
        {"12.10.2026", invalid, invalid},
        {"12/10/2026 x", invalid, invalid},
        {"", invalid, invalid},
    };
    for (const Case& c : dates) {
        TDateTime value = invalid;
        EXPECT_EQ(TryStrToDate(c.text, value, English) ? value : invalid, c.english) << c.text;
        value = invalid;
        EXPECT_EQ(TryStrToDate(c.text, value, French) ? value : invalid, c.french) << c.text;
    }

    const Case times[] = {
        {"12:30 am", EncodeTime(0, 30, 0, 0), EncodeTime(0, 30, 0, 0)},
        {"12:30 pm", EncodeTime(12, 30, 0, 0), EncodeTime(12, 30, 0, 0)},
        {"1:15 PM", EncodeTime(13, 15, 0, 0), EncodeTime(13, 15, 0, 0)},
        {"13:15", EncodeTime(13, 15, 0, 0), EncodeTime(13, 15, 0, 0)},
        {"7", EncodeTime(7, 0, 0, 0), EncodeTime(7, 0, 0, 0)},
        {"10:20:30.500", EncodeTime(10, 20, 30, 500), invalid},
        {"10:20:30,500", invalid, EncodeTime(10, 20, 30, 500)},
        {"13:15 pm", invalid, invalid},
        {"0:15 am", invalid, invalid},
        {"25:00", invalid, invalid},
        {"10:60", invalid, invalid},
        {"10:", invalid, invalid},
    };
    for (const Case& c : times) {
        TDateTime value = invalid;
        EXPECT_EQ(TryStrToTime(c.text, value, English) ? value : invalid, c.english) << c.text;
        value = invalid;
        EXPECT_EQ(TryStrToTime(c.text, value, French) ? value : invalid, c.french) << c.text;
    }

    // Every text written is read back.
    for (const TFormatSettings* s : {&English, &French}) {
        EXPECT_EQ(StrToDate(DateToStr(Sample, *s), *s), 46366.0);
        EXPECT_DOUBLE_EQ(StrToTime(TimeToStr(Sample, *s), *s), EncodeTime(14, 5, 9, 0));
        EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(Sample, *s), *s), 46366.0 + EncodeTime(14, 5, 9, 0));
    }
    EXPECT_DOUBLE_EQ(StrToDateTime("1/2/1899 6:00", English), EncodeDate(1899, 1, 2) - 0.25);
    EXPECT_DOUBLE_EQ(StrToDateTime("6:00", English), 0.25);

    struct Bad { TDateTime (*convert)(const String&, const TFormatSettings&); const char* text; const char* message; };
    const Bad bad[] = {
        {StrToDate, "garbage", "'garbage' is not a valid date"},
        {StrToTime, "x", "'x' is not a valid time"},
        {StrToDateTime, "1/2/2026 x", "'1/2/2026 x' is not a valid date and time"},
    };
    for (const Bad& b : bad) {
        try {
            b.convert(b.text, English);
            ADD_FAILURE() << b.text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), b.message);
        }
    }
}
