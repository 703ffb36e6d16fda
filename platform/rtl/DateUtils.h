#pragma once
// Dates and times as TDateTime: whole days since 1899-12-30, the time of day
// as the fraction.  Before the epoch the whole part still counts the days
// (towards zero) and the fraction's magnitude is the time of that day, so
// -1.25 is 1899-12-29 06:00.  Years run from 1 to 9999.
#include <functional>

#include "platform/rtl/SysFormat.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

constexpr Integer HoursPerDay = 24;
constexpr Integer MinsPerDay = 24 * 60;
constexpr Integer SecsPerDay = MinsPerDay * 60;
constexpr Integer MSecsPerDay = SecsPerDay * 1000;

bool IsLeapYear(Word year);
Word DaysInAMonth(Word year, Word month);

// EConvertError "Invalid argument to date encode" / "... time encode" for
// values outside the calendar or the clock.
TDateTime EncodeDate(Word year, Word month, Word day);
bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date);
TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec);
bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time);
void DecodeDate(TDateTime date, Word& year, Word& month, Word& day);
void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime date);

// The clock: the system's local time unless a test has set its own.
void SetClock(std::function<TDateTime()> clock);
void ResetClock();
TDateTime Now();
TDateTime Date();  // today, without the time
TDateTime Time();  // the time of day, without the date

// Patterns (letters in any case): d dd (day), ddd dddd (day names), ddddd
// (short date), dddddd (long date), m mm mmm mmmm (month, or minutes right
// after an hour), yy yyyy, h hh (12-hour clock when am/pm follows), n nn,
// s ss, z zzz, am/pm a/p (in the pattern's case), ampm (the settings' texts),
// c (short date, and long time unless midnight), t tt (short and long time),
// / and : (the settings' separators), '...' and "..." literal text.
String FormatDateTime(const String& format, TDateTime dateTime);
String FormatDateTime(const String& format, TDateTime dateTime, const TFormatSettings& settings);
String DateToStr(TDateTime date);
String DateToStr(TDateTime date, const TFormatSettings& settings);
String TimeToStr(TDateTime time);
String TimeToStr(TDateTime time, const TFormatSettings& settings);
String DateTimeToStr(TDateTime dateTime);
String DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings);

// Reading: numbers in the order of ShortDateFormat separated by
// DateSeparator (the year may be left out: this year; two-digit years fall
// in the TwoDigitYearCenturyWindow); times as h[:n[:s[.z]]] with an optional
// AM/PM.  The Str... forms raise EConvertError "'<text>' is not a valid date"
// ("time", "date and time").
bool TryStrToDate(const String& text, TDateTime& date, const TFormatSettings& settings);
bool TryStrToTime(const String& text, TDateTime& time, const TFormatSettings& settings);
bool TryStrToDateTime(const String& text, TDateTime& dateTime, const TFormatSettings& settings);
TDateTime StrToDate(const String& text);
TDateTime StrToDate(const String& text, const TFormatSettings& settings);
TDateTime StrToTime(const String& text);
TDateTime StrToTime(const String& text, const TFormatSettings& settings);
TDateTime StrToDateTime(const String& text);
TDateTime StrToDateTime(const String& text, const TFormatSettings& settings);
