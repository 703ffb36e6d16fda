#include "platform/rtl/DateUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <string>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr Integer DateDelta = 693594;  // days from 0001-01-01 (day 1) to 1899-12-30

const Word MonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                               {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

// A date-time split into whole days (towards zero) and milliseconds of the
// day; a time that rounds to the next midnight moves to the next day.
struct TSplit {
    Int64 Days;
    Integer MSecs;
};

TSplit Split(TDateTime dt)
{
    if (!(std::fabs(dt) < 1e8)) return TSplit{Int64(1) << 40, 0};  // not a date: decodes as 0/0/0
    TSplit s{Trunc(dt), static_cast<Integer>(Round(std::fabs(static_cast<Extended>(dt) - std::trunc(dt)) * MSecsPerDay))};
    if (s.MSecs >= MSecsPerDay) {
        s.MSecs -= MSecsPerDay;
        ++s.Days;
    }
    return s;
}

// Calendar date of a day count; false outside years 1..9999.
bool DaysToDate(Int64 days, Word& year, Word& month, Word& day)
{
    Int64 n = days + DateDelta - 1;  // 0 = 0001-01-01
    if (n < 0 || n >= 3652059) {
        year = month = day = 0;
        return false;
    }
    const Int64 y400 = n / 146097;
    n %= 146097;
    Int64 y100 = n / 36524;
    if (y100 == 4) y100 = 3;
    n -= y100 * 36524;
    const Int64 y4 = n / 1461;
    n %= 1461;
    Int64 y1 = n / 365;
    if (y1 == 4) y1 = 3;
    n -= y1 * 365;
    year = static_cast<Word>(y400 * 400 + y100 * 100 + y4 * 4 + y1 + 1);
    const Word* table = MonthDays[IsLeapYear(year) ? 1 : 0];
    month = 1;
    while (n >= table[month - 1]) n -= table[month++ - 1];
    day = static_cast<Word>(n + 1);
    return true;
}

std::function<TDateTime()>& Clock()
{
    static std::function<TDateTime()> clock;
    return clock;
}

TDateTime SystemNow()
{
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1), static_cast<Word>(local.tm_mday))
         + EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                      static_cast<Word>(local.tm_sec > 59 ? 59 : local.tm_sec), static_cast<Word>(ms));
}

} // namespace

bool IsLeapYear(Word year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

Word DaysInAMonth(Word year, Word month)
{
    return month >= 1 && month <= 12 ? MonthDays[IsLeapYear(year) ? 1 : 0][month - 1] : 0;
}

bool TryEncodeDate(Word year, Word month, Word day, TDateTime& date)
{
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInAMonth(year, month)) return false;
    Integer days = day;
    for (int m = 1; m < month; ++m) days += DaysInAMonth(year, static_cast<Word>(m));
    const Integer y = year - 1;
    date = static_cast<TDateTime>(y * 365 + y / 4 - y / 100 + y / 400 + days - DateDelta);
    return true;
}

TDateTime EncodeDate(Word year, Word month, Word day)
{
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date)) throw EConvertError("Invalid argument to date encode");
    return date;
}

bool TryEncodeTime(Word hour, Word min, Word sec, Word msec, TDateTime& time)
{
    if (hour >= 24 || min >= 60 || sec >= 60 || msec >= 1000) return false;
    time = static_cast<TDateTime>(((hour * 60 + min) * 60 + sec) * 1000 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeTime(Word hour, Word min, Word sec, Word msec)
{
    TDateTime time = 0;
    if (!TryEncodeTime(hour, min, sec, msec, time)) throw EConvertError("Invalid argument to time encode");
    return time;
}

void DecodeDate(TDateTime date, Word& year, Word& month, Word& day)
{
    DaysToDate(Split(date).Days, year, month, day);
}

void DecodeTime(TDateTime time, Word& hour, Word& min, Word& sec, Word& msec)
{
    Integer ms = Split(time).MSecs;
    hour = static_cast<Word>(ms / 3600000);
    ms %= 3600000;
    min = static_cast<Word>(ms / 60000);
    ms %= 60000;
    sec = static_cast<Word>(ms / 1000);
    msec = static_cast<Word>(ms % 1000);
}

int DayOfWeek(TDateTime date)
{
    const Int64 n = Split(date).Days + DateDelta;  // day 1 = 0001-01-01, a Monday
    return static_cast<int>(((n % 7) + 7) % 7) + 1;
}

void SetClock(std::function<TDateTime()> clock) { Clock() = std::move(clock); }
void ResetClock() { Clock() = nullptr; }

TDateTime Now() { return Clock() ? Clock()() : SystemNow(); }
TDateTime Date() { return static_cast<TDateTime>(Split(Now()).Days); }
TDateTime Time() { return static_cast<TDateTime>(Split(Now()).MSecs) / MSecsPerDay; }

// ---- FormatDateTime -----------------------------------------------------

namespace {

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

bool StartsWithText(std::u16string_view s, size_t pos, const char* ascii)
{
    for (size_t k = 0; ascii[k]; ++k)
        if (pos + k >= s.size() || Upper(s[pos + k]) != Upper(static_cast<char16_t>(ascii[k]))) return false;
    return true;
}

std::u16string Number(int value, int digits)
{
    std::string s = std::to_string(value);
    if (static_cast<int>(s.size()) < digits) s.insert(0, static_cast<size_t>(digits) - s.size(), '0');
    return std::u16string(s.begin(), s.end());
}

class TDateTimeWriter {
public:
    TDateTimeWriter(TDateTime dt, const TFormatSettings& settings) : FSettings(settings)
    {
        DecodeDate(dt, FYear, FMonth, FDay);
        DecodeTime(dt, FHour, FMin, FSec, FMSec);
        FDayOfWeek = DayOfWeek(dt);
    }

    void Write(std::u16string_view f, int depth)
    {
        char16_t last = 0;  // the previous letter token
        for (size_t i = 0; i < f.size();) {
            const char16_t c = f[i];
            char16_t token = Upper(c);
            if (c == u'\'' || c == u'"') {
                const size_t end = f.find(c, i + 1);
                FOut += f.substr(i + 1, (end == std::u16string::npos ? f.size() : end) - i - 1);
                i = end == std::u16string::npos ? f.size() : end + 1;
                continue;
            }
            if (token == u'A') {
                i = WriteAmPm(f, i);
                last = token;
                continue;
            }
            size_t count = 1;
            while (i + count < f.size() && Upper(f[i + count]) == token) ++count;
            if (token >= u'A' && token <= u'Z') {
                if (token == u'M' && last == u'H') token = u'N';
                last = token;
            }
            i = Token(f, i, count, token, depth);
        }
    }

    const std::u16string& Text() const { return FOut; }

private:
    // Writes one run of `count` equal letters (or one other character) at i;
    // returns the position after what was used.
    size_t Token(std::u16string_view f, size_t i, size_t count, char16_t token, int depth)
    {
        const int n = static_cast<int>(count);
        switch (token) {
        case u'Y': FOut += n <= 2 ? Number(FYear % 100, 2) : Number(FYear, 4); return i + count;
        case u'M':
            if (n <= 2) FOut += Number(FMonth, n);
            else FOut += (n == 3 ? FSettings.ShortMonthNames : FSettings.LongMonthNames)[FMonth].u16();
            return i + count;
        case u'D':
            if (n <= 2) FOut += Number(FDay, n);
            else if (n == 3) FOut += FSettings.ShortDayNames[FDayOfWeek].u16();
            else if (n == 4) FOut += FSettings.LongDayNames[FDayOfWeek].u16();
            else Nested(n == 5 ? FSettings.ShortDateFormat : FSettings.LongDateFormat, depth);
            return i + count;
        case u'H': {
            int hour = FHour;
            if (TwelveHourClock(f, i + count)) hour = hour % 12 == 0 ? 12 : hour % 12;
            FOut += Number(hour, n >= 2 ? 2 : 1);
            return i + count;
        }
        case u'N': FOut += Number(FMin, n >= 2 ? 2 : 1); return i + count;
        case u'S': FOut += Number(FSec, n >= 2 ? 2 : 1); return i + count;
        case u'Z': FOut += Number(FMSec, n >= 3 ? 3 : 1); return i + count;
        case u'T': Nested(n == 1 ? FSettings.ShortTimeFormat : FSettings.LongTimeFormat, depth); return i + count;
        case u'C':
            Nested(FSettings.ShortDateFormat, depth);
            if (FHour != 0 || FMin != 0 || FSec != 0 || FMSec != 0) {
                FOut += u' ';
                Nested(FSettings.LongTimeFormat, depth);
            }
            return i + 1;
        case u'/': FOut += FSettings.DateSeparator; return i + 1;
        case u':': FOut += FSettings.TimeSeparator; return i + 1;
        default: FOut += f[i]; return i + 1;
        }
    }

    // The settings' own patterns may not refer back to themselves forever.
    void Nested(const String& format, int depth)
    {
        if (depth < 2) Write(format.u16(), depth + 1);
    }

    // am/pm and a/p in the pattern's own letters; ampm the settings' texts;
    // a lone "a" is literal.
    size_t WriteAmPm(std::u16string_view f, size_t i)
    {
        const bool pm = FHour >= 12;
        if (StartsWithText(f, i, "am/pm")) { FOut += f.substr(pm ? i + 3 : i, 2); return i + 5; }
        if (StartsWithText(f, i, "a/p")) { FOut += f[pm ? i + 2 : i]; return i + 3; }
        if (StartsWithText(f, i, "ampm")) { FOut += (pm ? FSettings.TimePMString : FSettings.TimeAMString).u16(); return i + 4; }
        FOut += f[i];
        return i + 1;
    }

    // An hour is on the 12-hour clock when an am/pm marker follows before the
    // next hour.
    static bool TwelveHourClock(std::u16string_view f, size_t i)
    {
        for (; i < f.size(); ++i) {
            const char16_t c = Upper(f[i]);
            if (c == u'H') return false;
            if (c == u'\'' || c == u'"') {
                i = f.find(f[i], i + 1);
                if (i == std::u16string::npos) return false;
            } else if (c == u'A' && (StartsWithText(f, i, "am/pm") || StartsWithText(f, i, "a/p") || StartsWithText(f, i, "ampm"))) {
                return true;
            }
        }
        return false;
    }

    const TFormatSettings& FSettings;
    Word FYear = 0, FMonth = 0, FDay = 0, FHour = 0, FMin = 0, FSec = 0, FMSec = 0;
    int FDayOfWeek = 1;
    std::u16string FOut;
};

} // namespace

String FormatDateTime(const String& format, TDateTime dateTime, const TFormatSettings& settings)
{
    TDateTimeWriter writer(dateTime, settings);
    writer.Write(format.IsEmpty() ? u"c" : format.u16(), 0);
    return writer.Text();
}

String FormatDateTime(const String& format, TDateTime dateTime)
{
    return FormatDateTime(format, dateTime, FormatSettings);
}

String DateToStr(TDateTime date, const TFormatSettings& settings) { return FormatDateTime("ddddd", date, settings); }
String DateToStr(TDateTime date) { return DateToStr(date, FormatSettings); }
String TimeToStr(TDateTime time, const TFormatSettings& settings) { return FormatDateTime("tt", time, settings); }
String TimeToStr(TDateTime time) { return TimeToStr(time, FormatSettings); }
String DateTimeToStr(TDateTime dateTime, const TFormatSettings& settings) { return FormatDateTime("c", dateTime, settings); }
String DateTimeToStr(TDateTime dateTime) { return DateTimeToStr(dateTime, FormatSettings); }

// ---- Reading dates and times --------------------------------------------

namespace {

class TScanner {
public:
    explicit TScanner(const String& text) : FText(text.u16()) {}

    bool AtEnd()
    {
        SkipBlanks();
        return FPos >= FText.size();
    }

    bool Number(int& value, int& length)
    {
        SkipBlanks();
        value = 0;
        length = 0;
        while (FPos < FText.size() && FText[FPos] >= u'0' && FText[FPos] <= u'9' && length < 9) {
            value = value * 10 + (FText[FPos++] - u'0');
            ++length;
        }
        return length > 0;
    }

    bool Char(char16_t c)
    {
        SkipBlanks();
        if (FPos < FText.size() && Upper(FText[FPos]) == Upper(c)) { ++FPos; return true; }
        return false;
    }

    bool Text(const String& word)
    {
        SkipBlanks();
        const std::u16string_view w = word.u16();
        if (w.empty() || FPos + w.size() > FText.size()) return false;
        for (size_t k = 0; k < w.size(); ++k)
            if (Upper(FText[FPos + k]) != Upper(w[k])) return false;
        FPos += w.size();
        return true;
    }

private:
    void SkipBlanks()
    {
        while (FPos < FText.size() && FText[FPos] == u' ') ++FPos;
    }

    std::u16string_view FText;
    size_t FPos = 0;
};

enum TDateOrder { doMDY, doDMY, doYMD };

TDateOrder DateOrder(const String& shortDateFormat)
{
    const std::u16string_view f = shortDateFormat.u16();
    for (size_t i = 0; i < f.size(); ++i) {
        const char16_t c = Upper(f[i]);
        if (c == u'\'' || c == u'"') {
            i = f.find(f[i], i + 1);
            if (i == std::u16string::npos) break;
        } else if (c == u'Y') {
            return doYMD;
        } else if (c == u'M') {
            return doMDY;
        } else if (c == u'D') {
            return doDMY;
        }
    }
    return doMDY;
}

bool ScanDate(TScanner& scan, TDateTime& date, const TFormatSettings& settings)
{
    const TDateOrder order = DateOrder(settings.ShortDateFormat);
    int n1 = 0, n2 = 0, n3 = 0, l1 = 0, l2 = 0, l3 = 0;
    if (!scan.Number(n1, l1) || !scan.Char(settings.DateSeparator) || !scan.Number(n2, l2)) return false;
    int year = 0, month = 0, day = 0, yearLength = 4;
    if (scan.Char(settings.DateSeparator)) {
        if (!scan.Number(n3, l3)) return false;
        switch (order) {
        case doMDY: year = n3; yearLength = l3; month = n1; day = n2; break;
        case doDMY: year = n3; yearLength = l3; month = n2; day = n1; break;
        case doYMD: year = n1; yearLength = l1; month = n2; day = n3; break;
        }
        if (year <= 99 && yearLength <= 2) {
            Word thisYear = 0, m = 0, d = 0;
            DecodeDate(Now(), thisYear, m, d);
            const int centuryBase = thisYear - settings.TwoDigitYearCenturyWindow;
            year += centuryBase / 100 * 100;
            if (settings.TwoDigitYearCenturyWindow > 0 && year < centuryBase) year += 100;
        }
    } else {
        Word thisYear = 0, m = 0, d = 0;
        DecodeDate(Now(), thisYear, m, d);
        year = thisYear;
        if (order == doDMY) { day = n1; month = n2; }
        else { month = n1; day = n2; }
    }
    scan.Char(settings.DateSeparator);  // a closing separator is allowed
    if (year > 9999 || month > 12 || day > 31) return false;
    return TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date);
}

bool ScanTime(TScanner& scan, TDateTime& time, const TFormatSettings& settings)
{
    int hour = 0, min = 0, sec = 0, msec = 0, length = 0;
    if (!scan.Number(hour, length)) return false;
    if (scan.Char(settings.TimeSeparator)) {
        if (!scan.Number(min, length)) return false;
        if (scan.Char(settings.TimeSeparator)) {
            if (!scan.Number(sec, length)) return false;
            if (scan.Char(settings.DecimalSeparator) && !scan.Number(msec, length)) return false;
        }
    }
    int baseHour = -1;
    if (scan.Text(settings.TimeAMString) || scan.Text("AM") || scan.Text("A")) baseHour = 0;
    else if (scan.Text(settings.TimePMString) || scan.Text("PM") || scan.Text("P")) baseHour = 12;
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12) return false;
        hour = hour % 12 + baseHour;
    }
    if (hour > 23 || min > 59 || sec > 59 || msec > 999) return false;
    return TryEncodeTime(static_cast<Word>(hour), static_cast<Word>(min), static_cast<Word>(sec), static_cast<Word>(msec), time);
}

} // namespace

bool TryStrToDate(const String& text, TDateTime& date, const TFormatSettings& settings)
{
    TScanner scan(text);
    TDateTime value = 0;
    if (!ScanDate(scan, value, settings) || !scan.AtEnd()) return false;
    date = value;
    return true;
}

bool TryStrToTime(const String& text, TDateTime& time, const TFormatSettings& settings)
{
    TScanner scan(text);
    TDateTime value = 0;
    if (!ScanTime(scan, value, settings) || !scan.AtEnd()) return false;
    time = value;
    return true;
}

bool TryStrToDateTime(const String& text, TDateTime& dateTime, const TFormatSettings& settings)
{
    TScanner scan(text);
    TDateTime date = 0, time = 0;
    if (!ScanDate(scan, date, settings)) return TryStrToTime(text, dateTime, settings);
    if (!scan.AtEnd() && (!ScanTime(scan, time, settings) || !scan.AtEnd())) return false;
    dateTime = date >= 0 ? date + time : date - time;
    return true;
}

namespace {

TDateTime Convert(bool (*tryConvert)(const String&, TDateTime&, const TFormatSettings&), const String& text,
                  const TFormatSettings& settings, const char* what)
{
    TDateTime value = 0;
    if (!tryConvert(text, value, settings)) throw EConvertError("'" + text + "' is not a valid " + what);
    return value;
}

} // namespace

TDateTime StrToDate(const String& text, const TFormatSettings& settings) { return Convert(TryStrToDate, text, settings, "date"); }
TDateTime StrToDate(const String& text) { return StrToDate(text, FormatSettings); }
TDateTime StrToTime(const String& text, const TFormatSettings& settings) { return Convert(TryStrToTime, text, settings, "time"); }
TDateTime StrToTime(const String& text) { return StrToTime(text, FormatSettings); }
TDateTime StrToDateTime(const String& text, const TFormatSettings& settings)
{
    return Convert(TryStrToDateTime, text, settings, "date and time");
}
TDateTime StrToDateTime(const String& text) { return StrToDateTime(text, FormatSettings); }
