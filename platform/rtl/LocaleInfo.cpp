#include "platform/rtl/LocaleInfo.h"

#include <langinfo.h>
#include <locale.h>

#include <optional>

namespace {

// The process locale's own number behind an item of nl_langinfo (first byte of its value).
int ProcessLocaleNumber(nl_item item, int fallback)
{
    locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return fallback;
    const char* v = nl_langinfo_l(item, loc);
    const int n = v && v[0] ? static_cast<unsigned char>(v[0]) : fallback;
    freelocale(loc);
    return n;
}

String ProcessLocaleText(nl_item item)
{
    locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return String();
    String s = nl_langinfo_l(item, loc);
    freelocale(loc);
    return s;
}

String Char(char16_t c) { return c ? String(std::u16string(1, c)) : String(); }

bool IsTwelveHour(const TFormatSettings& fs)
{
    return Pos("AMPM", UpperCase(fs.LongTimeFormat)) > 0 || Pos("AM/PM", UpperCase(fs.LongTimeFormat)) > 0;
}

// A date or time pattern of the settings written as the platform's picture: months "M", minutes
// "m", 24-hour "H", "tt" for the half-day, the separators in place of "/" and ":", literal text
// in single quotes.
String Picture(const String& pattern, const TFormatSettings& fs, bool time)
{
    const std::u16string_view p = pattern.u16();
    const bool twelve = IsTwelveHour(fs);
    std::u16string out;
    for (size_t i = 0; i < p.size(); ++i) {
        const char16_t c = p[i];
        if (c == u'"' || c == u'\'') {
            const size_t end = p.find(c, i + 1);
            const std::u16string literal(p.substr(i + 1, end == std::u16string::npos ? std::u16string::npos : end - i - 1));
            out += u'\'' + literal + u'\'';
            i = end == std::u16string::npos ? p.size() : end;
        } else if (p.compare(i, 4, u"AMPM") == 0 || p.compare(i, 4, u"ampm") == 0) {
            out += u"tt";
            i += 3;
        } else if (p.compare(i, 5, u"AM/PM") == 0 || p.compare(i, 5, u"am/pm") == 0) {
            out += u"tt";
            i += 4;
        } else if (c == u'/') {
            out += fs.DateSeparator;
        } else if (c == u':') {
            out += fs.TimeSeparator;
        } else if (c == u'm' || c == u'M') {
            out += time ? u'm' : u'M';
        } else if (c == u'n' || c == u'N') {
            out += u'm';
        } else if (c == u'h' || c == u'H') {
            out += twelve ? u'h' : u'H';
        } else if (c == u'D' || c == u'Y' || c == u'S') {
            out += static_cast<char16_t>(c - u'A' + u'a');
        } else {
            out += c;
        }
    }
    return String(out);
}

// The order of day, month and year in the short date: 0 month-day-year, 1 day-month-year,
// 2 year-month-day.
int DateOrder(const TFormatSettings& fs)
{
    const String p = LowerCase(fs.ShortDateFormat);
    const int d = Pos("d", p), m = Pos("m", p), y = Pos("y", p);
    if (y > 0 && (m == 0 || y < m) && (d == 0 || y < d)) return 2;
    return d > 0 && (m == 0 || d < m) ? 1 : 0;
}

std::optional<String> LocaleText(LCTYPE type)
{
    const TFormatSettings& fs = FormatSettings;
    if (type >= LOCALE_SDAYNAME1 && type < LOCALE_SDAYNAME1 + 7) return fs.LongDayNames[(type - LOCALE_SDAYNAME1 + 1) % 7 + 1];
    if (type >= LOCALE_SABBREVDAYNAME1 && type < LOCALE_SABBREVDAYNAME1 + 7)
        return fs.ShortDayNames[(type - LOCALE_SABBREVDAYNAME1 + 1) % 7 + 1];
    if (type >= LOCALE_SMONTHNAME1 && type < LOCALE_SMONTHNAME1 + 12) return fs.LongMonthNames[type - LOCALE_SMONTHNAME1 + 1];
    if (type >= LOCALE_SABBREVMONTHNAME1 && type < LOCALE_SABBREVMONTHNAME1 + 12)
        return fs.ShortMonthNames[type - LOCALE_SABBREVMONTHNAME1 + 1];
    const String grouping = fs.ThousandSeparator ? "3;0" : "0";
    switch (type) {
    case LOCALE_SLANGUAGE: {
        // The process locale's language, and its territory in brackets when it names one; the C
        // locale names none.
        const String language = ProcessLocaleText(_NL_IDENTIFICATION_LANGUAGE);
        const String territory = ProcessLocaleText(_NL_IDENTIFICATION_TERRITORY);
        if (language.IsEmpty()) return std::nullopt;
        return territory.IsEmpty() ? language : language + " (" + territory + ")";
    }
    case LOCALE_SLIST: return fs.DecimalSeparator == u',' ? ";" : ",";
    case LOCALE_IMEASURE: return ProcessLocaleNumber(_NL_MEASUREMENT_MEASUREMENT, 1) == 2 ? "1" : "0";
    case LOCALE_SDECIMAL:
    case LOCALE_SMONDECIMALSEP: return Char(fs.DecimalSeparator);
    case LOCALE_STHOUSAND:
    case LOCALE_SMONTHOUSANDSEP: return Char(fs.ThousandSeparator);
    case LOCALE_SGROUPING:
    case LOCALE_SMONGROUPING: return grouping;
    case LOCALE_IDIGITS: return "2";
    case LOCALE_ILZERO: return "1";
    case LOCALE_SCURRENCY: return fs.CurrencyString;
    case LOCALE_ICURRDIGITS: return IntToStr(fs.CurrencyDecimals);
    case LOCALE_ICURRENCY: return IntToStr(fs.CurrencyFormat);
    case LOCALE_INEGCURR: return IntToStr(fs.NegCurrFormat);
    case LOCALE_SDATE: return Char(fs.DateSeparator);
    case LOCALE_STIME: return Char(fs.TimeSeparator);
    case LOCALE_SSHORTDATE: return Picture(fs.ShortDateFormat, fs, false);
    case LOCALE_SLONGDATE: return Picture(fs.LongDateFormat, fs, false);
    case LOCALE_STIMEFORMAT: return Picture(fs.LongTimeFormat, fs, true);
    case LOCALE_IDATE: return IntToStr(DateOrder(fs));
    case LOCALE_ITIME: return IsTwelveHour(fs) ? "0" : "1";
    case LOCALE_S1159: return fs.TimeAMString;
    case LOCALE_S2359: return fs.TimePMString;
    case LOCALE_SPOSITIVESIGN: return ProcessLocaleText(__POSITIVE_SIGN);
    case LOCALE_SNEGATIVESIGN: {
        const String sign = ProcessLocaleText(__NEGATIVE_SIGN);
        return sign.IsEmpty() ? String("-") : sign;
    }
    case LOCALE_IDEFAULTANSICODEPAGE: return "1252";
    case LOCALE_ICALENDARTYPE: return "1";   // Gregorian
    case LOCALE_IFIRSTDAYOFWEEK: {
        // the locale counts from Sunday = 1, the platform from Monday = 0
        const int first = ProcessLocaleNumber(_NL_TIME_FIRST_WEEKDAY, 2);
        return IntToStr((first + 5) % 7);
    }
    case LOCALE_IFIRSTWEEKOFYEAR: {
        // the days of the first week that must lie in the new year: 7 the week holding 1 January,
        // 4 the first week with four days (ISO), 7 the first full week
        const int days = ProcessLocaleNumber(_NL_TIME_WEEK_1STWEEK, 7);
        return days == 7 ? "0" : days == 4 ? "2" : "1";
    }
    case LOCALE_INEGNUMBER: return "1";   // "-1.1"
    default: return std::nullopt;
    }
}

}  // namespace

LCID GetThreadLocale() { return LOCALE_USER_DEFAULT; }
LCID GetUserDefaultLCID() { return LOCALE_USER_DEFAULT; }
LCID GetSystemDefaultLCID() { return LOCALE_SYSTEM_DEFAULT; }

String GetLocaleStr(LCID, LCTYPE type, const String& fallback)
{
    std::optional<String> text = LocaleText(type & ~LOCALE_NOUSEROVERRIDE);
    return text ? *text : fallback;
}

int GetLocaleInfo(LCID, LCTYPE type, char16_t* buffer, int size)
{
    std::optional<String> text = LocaleText(type & ~LOCALE_NOUSEROVERRIDE);
    if (!text || size < 0) return 0;
    const std::u16string_view s = text->u16();
    const int needed = static_cast<int>(s.size()) + 1;
    if (size == 0) return needed;
    if (!buffer || size < needed) return 0;
    std::copy(s.begin(), s.end(), buffer);
    buffer[s.size()] = 0;
    return needed;
}
