#include "platform/rtl/SysFormat.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <langinfo.h>
#include <limits>
#include <locale.h>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"

namespace {

constexpr int MaxDigits = 18;  // significant digits of an extended value

std::u16string Ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Whether two texts hold the same characters, compared as memory: the formats that studies
// print through are compared with the last one read at every number.
bool SameUnits(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0;
}

const char* SpecialText(const TFloatRec& rec)
{
    if (rec.Nan) return "NAN";
    return rec.Negative ? "-INF" : "INF";
}

// A float's text built in place, without allocations on the way; every text the general
// and exponent forms write fits.
class TShortText {
public:
    void Add(char16_t c) { FText[FLength++] = c; }
    void Add(const char* ascii)
    {
        while (*ascii) FText[FLength++] = static_cast<char16_t>(*ascii++);
    }
    // The digits from..to - 1, '0' past the last one, for from <= 18 and to - from <= 18:
    // eighteen characters are copied whatever the count, which takes no branches, and the
    // text then grows by the count.
    void Add(const TDigits& digits, size_t from, size_t to)
    {
        char run[MaxDigits];  // a copy of its own, which the writes below cannot touch
        std::memcpy(run, digits.data() + from, sizeof run);
        char16_t* out = FText + FLength;
        for (size_t i = 0; i < MaxDigits; ++i) out[i] = static_cast<char16_t>(run[i]);
        FLength += static_cast<int>(to - from);
    }
    // Optional sign, then at least `minDigits` digits.
    void AddExponent(int exponent, int minDigits, bool plusSign)
    {
        if (exponent < 0) Add(u'-');
        else if (plusSign) Add(u'+');
        char digits[16];
        int count = 0;
        unsigned magnitude = exponent < 0 ? 0u - static_cast<unsigned>(exponent) : static_cast<unsigned>(exponent);
        do { digits[count++] = static_cast<char>('0' + magnitude % 10); magnitude /= 10; } while (magnitude != 0);
        for (int i = count; i < minDigits; ++i) Add(u'0');
        while (count > 0) Add(static_cast<char16_t>(digits[--count]));
    }
    String Text() const { return String(std::u16string_view(FText, static_cast<size_t>(FLength))); }
    char16_t* CopyTo(char16_t* to) const { return std::copy(FText, FText + FLength, to); }
    const char16_t* Data() const { return FText; }
    size_t Length() const { return static_cast<size_t>(FLength); }

private:
    char16_t FText[96];  // the longest text, 44 characters, and a run copied whole past it
    int FLength = 0;
};

// A text written piece by piece: in place while it is short, on the heap past that.
class TTextBuilder {
public:
    TTextBuilder() = default;
    TTextBuilder(const TTextBuilder&) = delete;
    TTextBuilder& operator=(const TTextBuilder&) = delete;

    void Add(const char16_t* text, size_t length) { std::copy(text, text + length, Room(length)); FLength += length; }
    void Add(char16_t c, size_t count) { std::fill_n(Room(count), count, c); FLength += count; }
    // The text, filled with blanks to `width` on the right (left-aligned) or the left.
    void AddPadded(const char16_t* text, size_t length, int width, bool left)
    {
        const size_t pad = width > static_cast<int>(length) ? static_cast<size_t>(width) - length : 0;
        if (!left) Add(u' ', pad);
        Add(text, length);
        if (left) Add(u' ', pad);
    }
    String Text() const { return String(std::u16string_view(FText, FLength)); }

    // Where the next `count` characters go; Commit then takes what was written up to `end`.
    char16_t* Room(size_t count)
    {
        if (FLength + count > FCapacity) {
            FCapacity = std::max(2 * FCapacity, FLength + count);
            std::vector<char16_t> larger(FCapacity);
            std::copy(FText, FText + FLength, larger.data());
            FHeap.swap(larger);
            FText = FHeap.data();
        }
        return FText + FLength;
    }
    void Commit(const char16_t* end) { FLength = static_cast<size_t>(end - FText); }

private:
    char16_t FInPlace[128];
    std::vector<char16_t> FHeap;
    char16_t* FText = FInPlace;
    size_t FLength = 0, FCapacity = std::size(FInPlace);
};

// The digit at position i of the record (0-based), '0' past the end.
char DigitAt(const TFloatRec& rec, int i)
{
    return i >= 0 && i < static_cast<int>(rec.Digits.size()) ? rec.Digits[static_cast<size_t>(i)] : '0';
}

// Integer and fractional digit strings of a fixed-point record with
// `decimals` digits after the point (integer part empty for |value| < 1).
// The `count` digits of the record from position `from` on (none for a count below 1).
void DigitsOf(const TFloatRec& rec, int from, int count, std::string& digits)
{
    digits.assign(static_cast<size_t>(std::max(count, 0)), '0');
    const int first = std::max(0, -from), past = std::min(count, static_cast<int>(rec.Digits.size()) - from);
    if (first < past)
        std::memcpy(&digits[static_cast<size_t>(first)], rec.Digits.data() + from + first, static_cast<size_t>(past - first));
}

void SplitFixed(const TFloatRec& rec, int decimals, std::string& integer, std::string& fraction)
{
    DigitsOf(rec, 0, rec.Exponent, integer);
    DigitsOf(rec, rec.Exponent, decimals, fraction);
}

void GeneralText(TShortText& s, const TFloatRec& rec, int precision, int expDigits, const TFormatSettings& settings)
{
    if (rec.Digits.empty()) { s.Add(u'0'); return; }
    if (rec.Negative) s.Add(u'-');
    const int n = static_cast<int>(rec.Digits.size());
    if (rec.Exponent > precision || rec.Exponent < -3) {
        s.Add(static_cast<char16_t>(rec.Digits[0]));
        if (n > 1) {
            s.Add(settings.DecimalSeparator);
            s.Add(rec.Digits, 1, rec.Digits.size());
        }
        s.Add(u'E');
        s.AddExponent(rec.Exponent - 1, expDigits, false);
    } else if (rec.Exponent <= 0) {
        s.Add(u'0');
        s.Add(settings.DecimalSeparator);
        for (int i = rec.Exponent; i < 0; ++i) s.Add(u'0');
        s.Add(rec.Digits, 0, rec.Digits.size());
    } else {
        s.Add(rec.Digits, 0, static_cast<size_t>(rec.Exponent));
        if (n > rec.Exponent) {
            s.Add(settings.DecimalSeparator);
            s.Add(rec.Digits, static_cast<size_t>(rec.Exponent), rec.Digits.size());
        }
    }
}

void ExponentFormText(TShortText& s, const TFloatRec& rec, int precision, int expDigits, const TFormatSettings& settings)
{
    if (rec.Negative && !rec.Digits.empty()) s.Add(u'-');
    s.Add(static_cast<char16_t>(DigitAt(rec, 0)));
    if (precision > 1) {
        s.Add(settings.DecimalSeparator);
        s.Add(rec.Digits, 1, static_cast<size_t>(precision));
    }
    s.Add(u'E');
    s.AddExponent(rec.Digits.empty() ? 0 : rec.Exponent - 1, expDigits, true);
}

// The currency patterns: '$' stands for the currency string, '1' for the number.
const char* const PositiveCurrency[] = {"$1", "1$", "$ 1", "1 $"};
const char* const NegativeCurrency[] = {"($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
                                        "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

String CurrencyText(const String& number, bool negative, const TFormatSettings& settings)
{
    const char* pattern = negative ? NegativeCurrency[Clamp(settings.NegCurrFormat, 0, 15)]
                                   : PositiveCurrency[Clamp(settings.CurrencyFormat, 0, 3)];
    std::u16string s;
    for (const char* p = pattern; *p; ++p) {
        if (*p == '$') s += settings.CurrencyString.u16();
        else if (*p == '1') s += number.u16();
        else s += static_cast<char16_t>(*p);
    }
    return s;
}

// ffFixed / ffNumber / ffCurrency into s, for ffCurrency without the sign, which `negative`
// then tells. A value with more than `precision` integer digits is written in the general
// format, exponent of at least three digits, and NAN and INF as such: false then.
bool FixedText(TShortText& s, const Extended& value, TFloatFormat format, int precision, int decimals,
               const TFormatSettings& settings, bool& negative)
{
    decimals = Clamp(decimals, 0, MaxDigits);
    const TFloatRec rec = FloatToDecimal(value, precision, decimals);
    if (rec.Nan || rec.Infinite) {
        s.Add(SpecialText(rec));
        return false;
    }
    if (rec.Exponent > precision) {
        GeneralText(s, FloatToDecimal(value, precision, INT_MAX / 2), precision, 3, settings);
        return false;
    }
    negative = rec.Negative && !rec.Digits.empty();
    if (negative && format != ffCurrency) s.Add(u'-');
    if (rec.Exponent <= 0) s.Add(u'0');
    const char16_t separator = format == ffFixed ? char16_t{0} : settings.ThousandSeparator;
    if (separator == 0) {
        if (rec.Exponent > 0) s.Add(rec.Digits, 0, static_cast<size_t>(rec.Exponent));
    } else {
        for (int i = 0; i < rec.Exponent; ++i) {
            s.Add(static_cast<char16_t>(DigitAt(rec, i)));
            const int left = rec.Exponent - 1 - i;
            if (left > 0 && left % 3 == 0) s.Add(separator);
        }
    }
    if (decimals > 0) {
        // The decimals: zeros down to the first digit, then the digits from there.
        s.Add(settings.DecimalSeparator);
        const int zeros = std::min(decimals, std::max(0, -rec.Exponent));
        for (int i = 0; i < zeros; ++i) s.Add(u'0');
        if (decimals > zeros)
            s.Add(rec.Digits, static_cast<size_t>(std::max(0, rec.Exponent)), static_cast<size_t>(rec.Exponent + decimals));
    }
    return true;
}

// The text of every format but ffCurrency into s.
void FloatText(TShortText& s, const Extended& value, TFloatFormat format, int precision, int digits,
               const TFormatSettings& settings)
{
    if (format != ffGeneral && format != ffExponent) {
        bool negative = false;
        FixedText(s, value, format, Clamp(precision, 2, MaxDigits), digits, settings, negative);
        return;
    }
    precision = Clamp(precision, 2, MaxDigits);
    const TFloatRec rec = FloatToDecimal(value, precision, INT_MAX / 2);
    if (rec.Nan || rec.Infinite) s.Add(SpecialText(rec));
    else if (format == ffGeneral) GeneralText(s, rec, precision, Clamp(digits, 0, 4), settings);
    else ExponentFormText(s, rec, precision, Clamp(digits, 0, 4), settings);
}

} // namespace

// ---- Settings -----------------------------------------------------------

namespace {

const char* const EnglishMonths[] = {"January", "February", "March", "April", "May", "June", "July",
                                     "August", "September", "October", "November", "December"};
const char* const EnglishDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const FrenchMonths[] = {"janvier", "février", "mars", "avril", "mai", "juin", "juillet",
                                    "août", "septembre", "octobre", "novembre", "décembre"};
const char* const FrenchShortMonths[] = {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.",
                                         "août", "sept.", "oct.", "nov.", "déc."};
const char* const FrenchDays[] = {"dimanche", "lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi"};
const char* const FrenchShortDays[] = {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."};

// A C time format ("%d/%m/%Y") as a date/time pattern ("dd/mm/yyyy").
// `separator` (the locale's date or time separator) becomes "/" or ":" so
// that the pattern follows the settings' separator.
String PatternFromStrftime(const std::string& c, locale_t loc, char separator, char16_t placeholder)
{
    std::u16string s;
    for (size_t i = 0; i < c.size(); ++i) {
        const char ch = c[i];
        if (ch != '%' || i + 1 >= c.size()) {
            if (ch == separator) s += placeholder;
            else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z')) { s += u'"'; s += static_cast<char16_t>(ch); s += u'"'; }
            else s += Utf8ToUtf16(std::string(1, ch));
            continue;
        }
        char f = c[++i];
        while ((f == '-' || f == '_' || f == '0' || f == 'E' || f == 'O') && i + 1 < c.size()) f = c[++i];
        switch (f) {
        case 'd': s += u"dd"; break;
        case 'e': s += u"d"; break;
        case 'm': s += u"mm"; break;
        case 'b': case 'h': s += u"mmm"; break;
        case 'B': s += u"mmmm"; break;
        case 'a': s += u"ddd"; break;
        case 'A': s += u"dddd"; break;
        case 'y': s += u"yy"; break;
        case 'Y': s += u"yyyy"; break;
        case 'H': case 'k': case 'I': case 'l': s += u"hh"; break;
        case 'M': s += u"nn"; break;
        case 'S': s += u"ss"; break;
        case 'p': case 'P': s += u"ampm"; break;
        case 'T': s += u"hh:nn:ss"; break;
        case 'R': s += u"hh:nn"; break;
        case 'D': s += u"mm/dd/yy"; break;
        case 'F': s += u"yyyy-mm-dd"; break;
        case 'r': s += PatternFromStrftime(nl_langinfo_l(T_FMT_AMPM, loc), loc, separator, placeholder).u16(); break;
        default: break;  // time zone, week numbers ...: not shown
        }
    }
    return s;
}

// The first character between the fields of a C time format.
char StrftimeSeparator(const std::string& c, char fallback)
{
    for (size_t i = 0; i + 1 < c.size(); ++i) {
        if (c[i] == '%') { ++i; continue; }
        return c[i];
    }
    return fallback;
}

char16_t FirstChar(const char* utf8, char16_t fallback)
{
    const std::u16string s = Utf8ToUtf16(utf8 ? utf8 : "");
    return s.empty() ? fallback : s[0];
}

int LocaleNumber(locale_t loc, nl_item item, int fallback)
{
    const char* v = nl_langinfo_l(item, loc);
    const int n = v ? static_cast<unsigned char>(v[0]) : CHAR_MAX;
    return n == CHAR_MAX ? fallback : n;
}

} // namespace

TFormatSettings TFormatSettings::English()
{
    TFormatSettings s;
    s.DecimalSeparator = u'.';
    s.ThousandSeparator = u',';
    s.CurrencyString = "$";
    s.CurrencyFormat = 0;
    s.NegCurrFormat = 0;
    s.CurrencyDecimals = 2;
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    s.ShortDateFormat = "M/d/yyyy";
    s.LongDateFormat = "dddd, MMMM d, yyyy";
    s.ShortTimeFormat = "h:mm AMPM";
    s.LongTimeFormat = "h:mm:ss AMPM";
    s.TimeAMString = "AM";
    s.TimePMString = "PM";
    for (int m = 1; m <= 12; ++m) {
        s.LongMonthNames[m] = EnglishMonths[m - 1];
        s.ShortMonthNames[m] = Copy(s.LongMonthNames[m], 1, 3);
    }
    for (int d = 1; d <= 7; ++d) {
        s.LongDayNames[d] = EnglishDays[d - 1];
        s.ShortDayNames[d] = Copy(s.LongDayNames[d], 1, 3);
    }
    return s;
}

TFormatSettings TFormatSettings::French()
{
    TFormatSettings s;
    s.DecimalSeparator = u',';
    s.ThousandSeparator = u' ';
    s.CurrencyString = "€";
    s.CurrencyFormat = 3;
    s.NegCurrFormat = 8;
    s.CurrencyDecimals = 2;
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    s.ShortDateFormat = "dd/MM/yyyy";
    s.LongDateFormat = "dddd d MMMM yyyy";
    s.ShortTimeFormat = "HH:mm";
    s.LongTimeFormat = "HH:mm:ss";
    s.TimeAMString = "";
    s.TimePMString = "";
    for (int m = 1; m <= 12; ++m) {
        s.LongMonthNames[m] = FrenchMonths[m - 1];
        s.ShortMonthNames[m] = FrenchShortMonths[m - 1];
    }
    for (int d = 1; d <= 7; ++d) {
        s.LongDayNames[d] = FrenchDays[d - 1];
        s.ShortDayNames[d] = FrenchShortDays[d - 1];
    }
    return s;
}

TFormatSettings TFormatSettings::FromLocale(const char* localeName)
{
    TFormatSettings s = English();
    locale_t loc = newlocale(LC_ALL_MASK, localeName, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) return s;

    s.DecimalSeparator = FirstChar(nl_langinfo_l(RADIXCHAR, loc), u'.');
    s.ThousandSeparator = FirstChar(nl_langinfo_l(THOUSEP, loc), 0);
    if (s.ThousandSeparator == u'\u00A0' || s.ThousandSeparator == u'\u202F') s.ThousandSeparator = u' ';

    // Currency: CRNCYSTR is the symbol preceded by "-" (before the number),
    // "+" (after it) or "." (in place of the decimal point).
    const std::string currency = nl_langinfo_l(CRNCYSTR, loc);
    s.CurrencyString = currency.size() > 1 ? String(currency.substr(1)) : String();
    const int digits = LocaleNumber(loc, FRAC_DIGITS, 2);
    s.CurrencyDecimals = static_cast<Byte>(digits > 18 ? 2 : digits);
    const bool before = LocaleNumber(loc, P_CS_PRECEDES, 1) == 1;
    const bool spaced = LocaleNumber(loc, P_SEP_BY_SPACE, 0) == 1;
    s.CurrencyFormat = static_cast<Byte>((before ? 0 : 1) + (spaced ? 2 : 0));
    const bool negBefore = LocaleNumber(loc, N_CS_PRECEDES, before ? 1 : 0) == 1;
    const bool negSpaced = LocaleNumber(loc, N_SEP_BY_SPACE, spaced ? 1 : 0) == 1;
    const int signPos = LocaleNumber(loc, N_SIGN_POSN, 1);
    if (signPos == 0) s.NegCurrFormat = negBefore ? (negSpaced ? 14 : 0) : (negSpaced ? 15 : 4);
    else if (negBefore) s.NegCurrFormat = negSpaced ? (signPos == 2 ? 11 : signPos == 4 ? 12 : 9) : (signPos == 2 ? 3 : signPos == 4 ? 2 : 1);
    else s.NegCurrFormat = negSpaced ? (signPos == 2 || signPos == 4 ? 10 : signPos == 3 ? 13 : 8) : (signPos == 2 || signPos == 4 ? 7 : signPos == 3 ? 6 : 5);

    const std::string dateFormat = nl_langinfo_l(D_FMT, loc);
    const std::string timeFormat = nl_langinfo_l(T_FMT, loc);
    const char dateSep = StrftimeSeparator(dateFormat, '/');
    const char timeSep = StrftimeSeparator(timeFormat, ':');
    s.DateSeparator = static_cast<char16_t>(static_cast<unsigned char>(dateSep));
    s.TimeSeparator = static_cast<char16_t>(static_cast<unsigned char>(timeSep));
    s.ShortDateFormat = PatternFromStrftime(dateFormat, loc, dateSep, u'/');
    s.LongTimeFormat = PatternFromStrftime(timeFormat, loc, timeSep, u':');
    // The short time is the long one without its seconds.
    std::u16string shortTime(s.LongTimeFormat.u16());
    const size_t secs = shortTime.find(u":ss");
    if (secs != std::u16string::npos) shortTime.erase(secs, 3);
    s.ShortTimeFormat = String(shortTime);
    // No long date format in the C locale data: ordered as the short one.
    const std::u16string_view shortDate = s.ShortDateFormat.u16();
    const size_t dPos = shortDate.find(u'd'), mPos = shortDate.find(u'm'), yPos = shortDate.find(u'y');
    if (yPos < mPos && yPos < dPos) s.LongDateFormat = "yyyy mmmm d, dddd";
    else if (dPos < mPos) s.LongDateFormat = "dddd d mmmm yyyy";
    else s.LongDateFormat = "dddd, mmmm d, yyyy";
    s.TimeAMString = nl_langinfo_l(AM_STR, loc);
    s.TimePMString = nl_langinfo_l(PM_STR, loc);

    for (int m = 1; m <= 12; ++m) {
        s.ShortMonthNames[m] = nl_langinfo_l(static_cast<nl_item>(ABMON_1 + m - 1), loc);
        s.LongMonthNames[m] = nl_langinfo_l(static_cast<nl_item>(MON_1 + m - 1), loc);
    }
    for (int d = 1; d <= 7; ++d) {
        s.ShortDayNames[d] = nl_langinfo_l(static_cast<nl_item>(ABDAY_1 + d - 1), loc);
        s.LongDayNames[d] = nl_langinfo_l(static_cast<nl_item>(DAY_1 + d - 1), loc);
    }
    freelocale(loc);
    return s;
}

TFormatSettings FormatSettings = TFormatSettings::FromLocale();

// ---- Float to text ------------------------------------------------------

namespace {

using UInt128 = unsigned __int128;

// 10^0 .. 10^38.
constexpr std::array<UInt128, 39> Powers10 = [] {
    std::array<UInt128, 39> p{};
    p[0] = 1;
    for (size_t n = 1; n < p.size(); ++n) p[n] = p[n - 1] * 10;
    return p;
}();

// 5^0 .. 5^32: a mantissa of 53 bits times any of them fits 128 bits.
constexpr std::array<UInt128, 33> Powers5 = [] {
    std::array<UInt128, 33> p{};
    p[0] = 1;
    for (size_t n = 1; n < p.size(); ++n) p[n] = p[n - 1] * 5;
    return p;
}();

// 10^-20 .. 10^38 as doubles, near enough to guess a first digit's power.
constexpr int LowestPower10Double = -20;
constexpr std::array<double, 59> Powers10Double = [] {
    std::array<double, 59> p{};
    double up = 1;
    for (int n = 0; n <= 38; ++n, up *= 10) p[static_cast<size_t>(n - LowestPower10Double)] = up;
    for (int n = 1; n <= -LowestPower10Double; ++n)
        p[static_cast<size_t>(-LowestPower10Double - n)] = 1 / p[static_cast<size_t>(-LowestPower10Double + n)];
    return p;
}();

// The range of 18-digit integers.
constexpr UInt64 LowestOf18 = static_cast<UInt64>(Powers10[17]), PastOf18 = static_cast<UInt64>(Powers10[18]);

// The 18 significant digits of a normal double d > 0 rounded to even on its exact binary
// value, as an integer 10^17 <= digits < 10^18, and the power of ten of its first digit, by
// integer arithmetic on d = m 2^e: d 10^k = m 5^k 2^(e + k), exact wherever m 5^k or m 2^e
// fits 128 bits (from about 1E-15 to 1E38). False outside.
bool EighteenDigitsOfDouble(double d, UInt64& digits, int& power)
{
    UInt64 bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    const int field = static_cast<int>(bits >> 52) & 0x7FF;
    if (field == 0) return false;  // subnormal: far below the range
    const UInt64 m = (bits & ((UInt64{1} << 52) - 1)) | (UInt64{1} << 52);
    const int e = field - 1075;
    // floor((e + 52) log10 2) is the first digit's power or one below; one comparison with
    // the next power of ten, rounded as a double, mostly settles it. The loop checks.
    int p = ((e + 52) * 78913) >> 18;
    if (p > LowestPower10Double && p < 38 && d >= Powers10Double[static_cast<size_t>(p + 1 - LowestPower10Double)]) ++p;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 17 - p;  // digits = d 10^k
        UInt128 q;
        bool up = false;  // rounded up: more than half a unit dropped, or half of one after an odd q
        if (k >= 0) {
            if (k >= static_cast<int>(Powers5.size())) return false;
            const UInt128 a = static_cast<UInt128>(m) * Powers5[static_cast<size_t>(k)];
            const int shift = -(e + k);
            if (shift <= 0) {
                // A whole number: a is below 2^60 for the first digits' powers that lead here.
                if (k > 3 || shift < -60) return false;
                q = a << -shift;
            } else {
                if (shift > 127) return false;
                q = a >> shift;
                // The bits dropped, as a fraction of one unit in 128 bits: half a unit is 2^127.
                const UInt128 dropped = a << (128 - shift), half = static_cast<UInt128>(1) << 127;
                up = dropped > half || (dropped == half && (q & 1) != 0);
            }
        } else {
            if (k < -38 || e < 0 || e > 74) return false;
            const UInt128 a = static_cast<UInt128>(m) << e;
            const UInt128 b = Powers10[static_cast<size_t>(-k)];
            q = a / b;
            const UInt128 r = a - q * b, half = b / 2;  // b is even
            up = r > half || (r == half && (q & 1) != 0);
        }
        if (q >= PastOf18) { ++p; continue; }
        if (q < LowestOf18) { --p; continue; }
        if (up) ++q;
        if (q == PastOf18) { q = LowestOf18; ++p; }
        digits = static_cast<UInt64>(q);
        power = p;
        return true;
    }
    return false;
}

// The 18 digits of |a| by the library's exact printing, for the values the integer arithmetic
// does not reach.
UInt64 EighteenDigitsByText(Extended a, bool isDouble, int& power)
{
    const double d = static_cast<double>(a);
    UInt64 n = 0;
    char buffer[64];
    const auto result = isDouble ? std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::scientific, MaxDigits - 1)
                                 : std::to_chars(buffer, buffer + sizeof buffer, a, std::chars_format::scientific, MaxDigits - 1);
    const char* p = buffer;
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p != '.') n = n * 10 + static_cast<UInt64>(*p - '0');
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, power);
    return n;
}

// The 18 significant digits of |value| > 0 rounded to even on its exact binary value, as
// an integer 10^17 <= digits < 10^18, and the power of ten of the first digit.
UInt64 EighteenDigits(Extended value, int& power)
{
    const Extended a = std::fabs(value);
    const double d = static_cast<double>(a);
    const bool isDouble = a <= static_cast<Extended>(__DBL_MAX__) && static_cast<Extended>(d) == a;
    UInt64 n = 0;
    if (isDouble && EighteenDigitsOfDouble(d, n, power)) return n;
    return EighteenDigitsByText(a, isDouble, power);
}

// Whether the extended value is a normal double, which d then is. Read from its bits: a
// 64-bit significand with its leading 1 written, of which a double holds 53, and a power of
// two of 15 bits, of which a double's normal range is -1022..1023 (no zero, no infinity or
// NaN, whose powers lie outside).
bool ExactNormalDouble(const Extended& value, double& d)
{
    static_assert(std::numeric_limits<Extended>::digits == 64 && sizeof(Extended) >= 10);
    UInt64 significand = 0;
    std::uint16_t signAndPower = 0;
    std::memcpy(&significand, &value, sizeof significand);
    std::memcpy(&signAndPower, reinterpret_cast<const char*>(&value) + sizeof significand, sizeof signAndPower);
    const int power = (signAndPower & 0x7FFF) - 16383;
    if (power < -1022 || power > 1023 || (significand >> 63) == 0 || (significand & 0x7FF) != 0) return false;
    const UInt64 bits = UInt64{signAndPower} >> 15 << 63 | static_cast<UInt64>(power + 1023) << 52 |
                        (significand >> 11 & ((UInt64{1} << 52) - 1));
    std::memcpy(&d, &bits, sizeof d);
    return true;
}

} // namespace

TFloatRec FloatToDecimal(const Extended& value, int precision, int decimals)
{
    TFloatRec rec;
    int exponent = 0;
    UInt64 n = 0;
    // Most values are finite doubles other than zero: their tests on the double.
    double d = 0;
    if (ExactNormalDouble(value, d)) {
        rec.Negative = std::signbit(d);
        if (!EighteenDigitsOfDouble(std::fabs(d), n, exponent)) n = EighteenDigitsByText(std::fabs(value), true, exponent);
    } else {
        rec.Negative = std::signbit(value);
        if (std::isnan(value)) { rec.Nan = true; rec.Negative = false; return rec; }
        if (std::isinf(value)) { rec.Infinite = true; return rec; }
        if (value == 0) return rec;
        n = EighteenDigits(value, exponent);
    }
    exponent += 1;  // 0.ddd form

    // Decimal rounding of the 18 digits to `keep`, ties away from zero: up when the first
    // digit dropped is 5 or more, that is when half a unit of the last digit kept, added to
    // n, carries into it. Nine and more 9s rounded up become 1 in the next power.
    const int keep = std::min(Clamp(precision, 1, MaxDigits), exponent + decimals);
    if (keep < 0) return rec;  // rounds to zero
    if (keep < MaxDigits) n += static_cast<UInt64>(Powers10[static_cast<size_t>(MaxDigits - keep)]) / 2;
    if (n >= PastOf18) {
        n = LowestOf18;
        ++exponent;
    } else if (keep == 0) {
        return rec;  // below half of the first place: zero
    }

    // The 18 digits in three independent parts of 2, 8 and 8 digits, each written two at a
    // time, a part only when it holds digits kept. Past the `keep` digits kept they are the
    // ones dropped, overwritten with zeros; the digits end at the last one kept that is not
    // a zero.
    static constexpr std::array<char, 200> Pairs = [] {
        std::array<char, 200> pairs{};
        for (int i = 0; i < 100; ++i) {
            pairs[static_cast<size_t>(2 * i)] = static_cast<char>('0' + i / 10);
            pairs[static_cast<size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
        }
        return pairs;
    }();
    static constexpr char Zeros[MaxDigits] = {'0', '0', '0', '0', '0', '0', '0', '0', '0',
                                              '0', '0', '0', '0', '0', '0', '0', '0', '0'};
    auto pairAt = [](char* to, std::uint32_t pair) { std::memcpy(to, &Pairs[2 * pair], 2); };
    auto eightAt = [&](char* to, std::uint32_t eight) {
        const std::uint32_t high = eight / 10000, low = eight % 10000;
        pairAt(to, high / 100);
        pairAt(to + 2, high % 100);
        pairAt(to + 4, low / 100);
        pairAt(to + 6, low % 100);
    };
    const UInt64 upper = n / 100000000;
    const auto top = static_cast<std::uint32_t>(upper / 100000000);
    char* text = rec.Digits.resize(MaxDigits);
    pairAt(text, top);
    if (keep > 2) eightAt(text + 2, static_cast<std::uint32_t>(upper - UInt64{top} * 100000000));
    if (keep > 10) eightAt(text + 10, static_cast<std::uint32_t>(n - upper * 100000000));
    auto count = static_cast<size_t>(std::max(keep, 1));
    std::memcpy(text + count, Zeros, sizeof Zeros);
    while (text[count - 1] == '0') --count;
    rec.Digits.resize(count);
    rec.Exponent = exponent;
    return rec;
}

String FloatToStrF(const Extended& value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings)
{
    TShortText s;
    if (format == ffCurrency) {
        bool negative = false;
        if (FixedText(s, value, format, Clamp(precision, 2, MaxDigits), digits, settings, negative))
            return CurrencyText(s.Text(), negative, settings);
        return s.Text();
    }
    FloatText(s, value, format, precision, digits, settings);
    return s.Text();
}

String FloatToStrF(const Extended& value, TFloatFormat format, int precision, int digits)
{
    return FloatToStrF(value, format, precision, digits, FormatSettings);
}

String FloatToStr(const Extended& value, const TFormatSettings& settings)
{
    return FloatToStrF(value, ffGeneral, 15, 0, settings);
}

String FloatToStr(const Extended& value) { return FloatToStr(value, FormatSettings); }

// ---- FormatFloat --------------------------------------------------------

namespace {

// The sections of a format string, split at ";" outside quotes.
std::vector<std::u16string> SplitSections(const std::u16string& format)
{
    std::vector<std::u16string> sections(1);
    char16_t quote = 0;
    for (char16_t c : format) {
        if (quote) { if (c == quote) quote = 0; }
        else if (c == u'\'' || c == u'"') quote = c;
        else if (c == u';' && sections.size() < 3) { sections.emplace_back(); continue; }
        sections.back() += c;
    }
    return sections;
}

// What one section asks for.
struct TSectionLayout {
    int IntCount = 0;      // digit placeholders before the decimal point
    int MinInt = 0;        // integer digits always written ("0" from the first one on)
    int FracCount = 0;     // digit placeholders after the decimal point
    int MinFrac = 0;       // decimals always written (up to the last "0")
    bool Thousands = false;
    bool Scientific = false;
};

TSectionLayout AnalyseSection(const std::u16string& section)
{
    TSectionLayout l;
    bool afterPoint = false;
    int firstZero = -1;
    char16_t quote = 0;
    for (size_t i = 0; i < section.size(); ++i) {
        const char16_t c = section[i];
        if (quote) { if (c == quote) quote = 0; continue; }
        switch (c) {
        case u'\'': case u'"': quote = c; break;
        case u'0': case u'#':
            if (afterPoint) {
                ++l.FracCount;
                if (c == u'0') l.MinFrac = l.FracCount;
            } else {
                if (c == u'0' && firstZero < 0) firstZero = l.IntCount;
                ++l.IntCount;
            }
            break;
        case u'.': afterPoint = true; break;
        case u',': if (!afterPoint) l.Thousands = true; break;
        case u'E': case u'e':
            if (i + 1 < section.size() && (section[i + 1] == u'+' || section[i + 1] == u'-')) {
                l.Scientific = true;
                i = section.size();  // the rest is the exponent and literals
            }
            break;
        default: break;
        }
    }
    if (firstZero >= 0) l.MinInt = l.IntCount - firstZero;
    return l;
}

// One step of writing a section, found once per format: literal text, integer digits
// (all from the highest down to position Pos, or the one at Pos, counted from the right),
// the decimal point, Count fraction digits from Pos on, or the exponent with at least Pos
// digits.
struct TSectionStep {
    enum TKind { skText, skIntegerFrom, skIntegerAt, skPoint, skFraction, skExponent };
    TKind Kind = skText;
    int Pos = 0, Count = 0;
    std::u16string Text;  // the literal text; the exponent's letter
    bool Plus = false;    // the exponent's sign is always written
};

std::vector<TSectionStep> SectionSteps(const std::u16string& section, const TSectionLayout& l)
{
    std::vector<TSectionStep> steps;
    int intIndex = 0, fracIndex = 0;
    bool integerDone = false, afterPoint = false;
    auto text = [&](char16_t c) {
        if (steps.empty() || steps.back().Kind != TSectionStep::skText) steps.push_back({});
        steps.back().Text += c;
    };
    auto step = [&](TSectionStep::TKind kind, int pos) { steps.push_back({kind, pos, 0, {}, false}); };
    // The integer digits not placed yet, all before the point or the exponent.
    auto finishInteger = [&]() {
        if (!integerDone) { step(TSectionStep::skIntegerFrom, 0); integerDone = true; }
    };
    for (size_t i = 0; i < section.size(); ++i) {
        const char16_t c = section[i];
        if (c == u'\'' || c == u'"') {
            const size_t end = std::min(section.find(c, i + 1), section.size());
            for (size_t k = i + 1; k < end; ++k) text(section[k]);
            i = end;
            continue;
        }
        if ((c == u'0' || c == u'#') && !afterPoint) {
            // Digits beyond the placeholders come first.
            step(intIndex == 0 ? TSectionStep::skIntegerFrom : TSectionStep::skIntegerAt, l.IntCount - 1 - intIndex);
            if (++intIndex == l.IntCount) integerDone = true;
            continue;
        }
        if ((c == u'0' || c == u'#') && afterPoint) {
            if (steps.empty() || steps.back().Kind != TSectionStep::skFraction) step(TSectionStep::skFraction, fracIndex);
            ++steps.back().Count;
            ++fracIndex;
            continue;
        }
        if (c == u'.' && !afterPoint) {
            finishInteger();
            afterPoint = true;
            step(TSectionStep::skPoint, 0);
            continue;
        }
        if (c == u',') continue;
        if ((c == u'E' || c == u'e') && l.Scientific && i + 1 < section.size() && (section[i + 1] == u'+' || section[i + 1] == u'-')) {
            finishInteger();
            int zeros = 0;
            size_t j = i + 2;
            for (; j < section.size() && section[j] == u'0'; ++j) ++zeros;
            steps.push_back({TSectionStep::skExponent, Clamp(zeros, 0, 4), 0, std::u16string(1, c), section[i + 1] == u'+'});
            i = j - 1;
            afterPoint = true;  // no more digit placeholders
            continue;
        }
        text(c);
    }
    finishInteger();
    return steps;
}

// The digits a section writes, read from the decimal record: the integer digits, led by
// zeros where the section asks for more than the value has, and the fraction's digits.
struct TSectionDigits {
    const TFloatRec* Rec = nullptr;
    int IntLength = 0;   // integer digits written
    int IntFrom = 0;     // the record's position of the first one, below 0 for leading zeros
    int FracFrom = 0;    // the record's position of the first fraction digit
    int FracLength = 0;  // fraction digits written
    char Integer(int j) const { return DigitAt(*Rec, IntFrom + j); }
    char Fraction(int j) const { return DigitAt(*Rec, FracFrom + j); }
};

// Writes the section's steps with the given digits, after a minus sign when `negative`;
// `exponent` is used by a scientific section.
String RenderSection(const std::u16string& section, const std::vector<TSectionStep>& steps, const TSectionLayout& l,
                     const TSectionDigits& digits, int exponent, bool negative, const TFormatSettings& settings)
{
    const int n = digits.IntLength;
    // The literal text is part of the section; each placeholder writes at most one
    // character, except the first integer one (all leading digits and their separators) and
    // the exponent.
    TTextBuilder out;
    char16_t* w = out.Room(section.size() + static_cast<size_t>(n + n / 3 + digits.FracLength) + 16);
    if (negative) *w++ = u'-';
    // All integer digits from position `from` (counted from the right) down to `to`.
    auto emitInteger = [&](int from, int to) {
        for (int pos = from; pos >= to; --pos) {
            if (pos >= n) continue;
            *w++ = static_cast<char16_t>(digits.Integer(n - 1 - pos));
            if (l.Thousands && pos > 0 && pos % 3 == 0 && settings.ThousandSeparator != 0) *w++ = settings.ThousandSeparator;
        }
    };
    for (const TSectionStep& step : steps) {
        switch (step.Kind) {
        case TSectionStep::skText: w = std::copy(step.Text.begin(), step.Text.end(), w); break;
        case TSectionStep::skIntegerFrom: emitInteger(n - 1, step.Pos); break;
        case TSectionStep::skIntegerAt: emitInteger(step.Pos, step.Pos); break;
        case TSectionStep::skPoint:
            if (digits.FracLength > 0) *w++ = settings.DecimalSeparator;
            break;
        case TSectionStep::skFraction:
            for (int i = step.Pos; i < std::min(step.Pos + step.Count, digits.FracLength); ++i)
                *w++ = static_cast<char16_t>(digits.Fraction(i));
            break;
        case TSectionStep::skExponent: {
            *w++ = step.Text[0];
            TShortText e;
            e.AddExponent(exponent, step.Pos, step.Plus);
            w = e.CopyTo(w);
            break;
        }
        }
    }
    out.Commit(w);
    return out.Text();
}

// A format string split into its sections, each with its layout and steps. Studies print
// thousands of numbers through one format, so the last one parsed is kept.
struct TParsedFormat {
    std::u16string Format;
    std::vector<std::u16string> Sections;
    std::vector<TSectionLayout> Layouts;
    std::vector<std::vector<TSectionStep>> Steps;
};

const TParsedFormat& ParsedFormat(std::u16string_view format)
{
    thread_local TParsedFormat last;
    if (last.Layouts.empty() || !SameUnits(last.Format, format)) {
        last.Format = format;
        last.Sections = SplitSections(last.Format);
        last.Layouts.clear();
        last.Steps.clear();
        for (const std::u16string& section : last.Sections) {
            last.Layouts.push_back(AnalyseSection(section));
            last.Steps.push_back(SectionSteps(section, last.Layouts.back()));
        }
    }
    return last;
}

} // namespace

String FormatFloat(const String& format, const Extended& value, const TFormatSettings& settings)
{
    if (format.IsEmpty() || std::isnan(value) || std::isinf(value)) return FloatToStr(value, settings);
    const TParsedFormat& parsed = ParsedFormat(format.u16());
    const std::vector<std::u16string>& sections = parsed.Sections;

    size_t index = 0;
    if (value < 0 && sections.size() >= 2 && !sections[1].empty()) index = 1;
    if (value == 0 && sections.size() >= 3 && !sections[2].empty()) index = 2;
    bool sign = value < 0 && index == 0;

    for (;;) {
        const std::u16string& section = sections[index];
        const TSectionLayout& l = parsed.Layouts[index];
        TSectionDigits digits;
        int exponent = 0;
        TFloatRec rec;
        if (l.Scientific) {
            rec = FloatToDecimal(value, Clamp(l.IntCount + l.FracCount, 1, MaxDigits), INT_MAX / 2);
            digits.IntLength = l.IntCount;
            digits.FracFrom = l.IntCount;
            exponent = rec.Digits.empty() ? 0 : rec.Exponent - l.IntCount;
        } else {
            // The integer digits are those before the point, none when the value is below 1
            // (the first digit of a record is never a zero).
            rec = FloatToDecimal(value, MaxDigits, l.FracCount);
            if (rec.Exponent > MaxDigits) return FloatToStr(value, settings);
            const int length = std::max(rec.Exponent, 0);
            digits.IntLength = std::max(length, l.MinInt);
            digits.IntFrom = length - digits.IntLength;
            digits.FracFrom = rec.Exponent;
        }
        digits.Rec = &rec;
        digits.FracLength = l.FracCount;
        while (digits.FracLength > l.MinFrac && digits.Fraction(digits.FracLength - 1) == '0') --digits.FracLength;

        // A value that rounds to zero is written by the zero section.
        if (rec.Digits.empty() && index != 2 && sections.size() >= 3 && !sections[2].empty()) {
            index = 2;
            sign = false;
            continue;
        }
        return RenderSection(section, parsed.Steps[index], l, digits, exponent, sign && !rec.Digits.empty(), settings);
    }
}

String FormatFloat(const String& format, const Extended& value) { return FormatFloat(format, value, FormatSettings); }

// ---- Text to float ------------------------------------------------------

namespace {

// Scans a number at `pos` (0-based): sign, digits, decimal separator, digits,
// exponent.  Returns the position after it; `ok` is false when no valid
// number was found there.  `ascii` receives the number in C syntax.
size_t ScanFloat(std::u16string_view s, size_t pos, char16_t decimal, std::string& ascii, bool& ok)
{
    ascii.clear();
    ok = false;
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ascii += static_cast<char>(s[pos++]);
    bool digits = false;
    while (pos < s.size() && IsDigit(s[pos])) { ascii += static_cast<char>(s[pos++]); digits = true; }
    if (pos < s.size() && s[pos] == decimal) {
        ascii += '.';
        ++pos;
        while (pos < s.size() && IsDigit(s[pos])) { ascii += static_cast<char>(s[pos++]); digits = true; }
    }
    if (!digits) return pos;
    if (pos < s.size() && (s[pos] == u'E' || s[pos] == u'e')) {
        ascii += 'e';
        ++pos;
        if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ascii += static_cast<char>(s[pos++]);
        bool expDigits = false;
        while (pos < s.size() && IsDigit(s[pos])) { ascii += static_cast<char>(s[pos++]); expDigits = true; }
        if (!expDigits) return pos;
    }
    ok = true;
    return pos;
}

bool AsciiToFloat(const std::string& ascii, Extended& value)
{
    const char* first = ascii.data();
    if (*first == '+') ++first;
    Extended v = 0;
    const auto r = std::from_chars(first, ascii.data() + ascii.size(), v);
    if (r.ec != std::errc() || r.ptr != ascii.data() + ascii.size()) return false;
    value = v;
    return true;
}

} // namespace

bool TextToFloat(const String& text, Extended& value, const TFormatSettings& settings)
{
    const std::u16string_view s = text.u16();
    size_t pos = 0;
    while (pos < s.size() && s[pos] == u' ') ++pos;
    std::string ascii;
    bool ok = false;
    pos = ScanFloat(s, pos, settings.DecimalSeparator, ascii, ok);
    while (pos < s.size() && s[pos] == u' ') ++pos;
    return ok && pos == s.size() && AsciiToFloat(ascii, value);
}

bool TryStrToFloat(const String& text, Extended& value, const TFormatSettings& settings)
{
    return TextToFloat(text, value, settings);
}

bool TryStrToFloat(const String& text, Extended& value) { return TextToFloat(text, value, FormatSettings); }

bool TryStrToFloat(const String& text, double& value, const TFormatSettings& settings)
{
    Extended v = 0;
    if (!TextToFloat(text, v, settings) || std::fabs(v) > static_cast<Extended>(__DBL_MAX__)) return false;
    value = static_cast<double>(v);
    return true;
}

bool TryStrToFloat(const String& text, double& value) { return TryStrToFloat(text, value, FormatSettings); }

Extended StrToFloat(const String& text, const TFormatSettings& settings)
{
    Extended value = 0;
    if (!TextToFloat(text, value, settings))
        throw EConvertError("'" + text + "' is not a valid floating point value");
    return value;
}

Extended StrToFloat(const String& text) { return StrToFloat(text, FormatSettings); }

Extended StrToFloatDef(const String& text, Extended defaultValue, const TFormatSettings& settings)
{
    Extended value = 0;
    return TextToFloat(text, value, settings) ? value : defaultValue;
}

Extended StrToFloatDef(const String& text, Extended defaultValue)
{
    return StrToFloatDef(text, defaultValue, FormatSettings);
}

// ---- Str and Val --------------------------------------------------------

namespace {

String RightAligned(std::u16string s, int width)
{
    if (static_cast<int>(s.size()) < width) s.insert(0, static_cast<size_t>(width) - s.size(), u' ');
    return s;
}

// Str always writes "." as the decimal point.
const TFormatSettings& PointSettings()
{
    static const TFormatSettings settings = TFormatSettings::English();
    return settings;
}

} // namespace

String Str(Extended value, int width)
{
    const int precision = Clamp(width - 8, 2, MaxDigits);  // one digit and w - 9 decimals
    const TFloatRec rec = FloatToDecimal(value, precision, INT_MAX / 2);
    if (rec.Nan || rec.Infinite) return RightAligned(std::u16string(String(SpecialText(rec)).u16()), width);
    TShortText text;
    ExponentFormText(text, rec, precision, 4, PointSettings());
    std::u16string s(text.Text().u16());
    if (s[0] != u'-') s.insert(0, 1, u' ');
    return RightAligned(s, width);
}

String Str(Extended value, int width, int decimals)
{
    if (decimals < 0) return Str(value, width);
    if (std::isnan(value) || std::isinf(value)) return RightAligned(std::u16string(String(SpecialText(FloatToDecimal(value, 1, 0))).u16()), width);
    const TFloatRec rec = FloatToDecimal(value, MaxDigits, decimals);
    std::string integer, fraction;
    SplitFixed(rec, decimals, integer, fraction);
    std::u16string s = Ascii(integer.empty() ? "0" : integer);
    if (decimals > 0) s += u'.' + Ascii(fraction);
    if (rec.Negative && !rec.Digits.empty()) s.insert(0, 1, u'-');
    return RightAligned(s, width);
}

void Val(const String& text, Extended& value, int& code)
{
    const std::u16string_view s = text.u16();
    size_t pos = 0;
    while (pos < s.size() && (s[pos] == u' ' || s[pos] == u'\t')) ++pos;
    std::string ascii;
    bool ok = false;
    pos = ScanFloat(s, pos, u'.', ascii, ok);
    value = 0;
    if (ok && pos == s.size() && AsciiToFloat(ascii, value)) { code = 0; return; }
    value = 0;
    code = static_cast<int>(pos) + 1;
}

void Val(const String& text, double& value, int& code)
{
    Extended v = 0;
    Val(text, v, code);
    if (code == 0 && std::fabs(v) > static_cast<Extended>(__DBL_MAX__)) code = text.Length();
    value = code == 0 ? static_cast<double>(v) : 0.0;
}

void Val(const String& text, Integer& value, int& code)
{
    const std::u16string_view s = text.u16();
    size_t pos = 0;
    while (pos < s.size() && (s[pos] == u' ' || s[pos] == u'\t')) ++pos;
    const bool negative = pos < s.size() && s[pos] == u'-';
    if (pos < s.size() && (s[pos] == u'+' || s[pos] == u'-')) ++pos;
    Int64 v = 0;
    const size_t start = pos;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos) {
        v = v * 10 + (s[pos] - u'0');
        if (v > static_cast<Int64>(INT32_MAX) + (negative ? 1 : 0)) break;
    }
    value = 0;
    if (pos == start || pos != s.size()) { code = static_cast<int>(pos) + 1; return; }
    value = static_cast<Integer>(negative ? -v : v);
    code = 0;
}

// ---- Format -------------------------------------------------------------

namespace {

[[noreturn]] void BadFormat(const String& format)
{
    throw EConvertError("Format '" + format + "' invalid or incompatible with argument");
}

String HexText(UInt64 v)
{
    static const char digits[] = "0123456789ABCDEF";
    std::u16string s;
    do { s.insert(0, 1, static_cast<char16_t>(digits[v & 15])); v >>= 4; } while (v);
    return s;
}


// One piece of a format: a literal text (a run of the format, or the "%" of "%%"), a
// specifier, or a "%" that ends the format.
//   "%" [index ":"] ["-"] [width] ["." precision] type
// A number is absent, "*" (taken from the arguments when the specifier is written) or
// written. The width is read only when the first number is absent, an index, or a "*" that
// turns out negative: a "*" followed by another number is ambiguous until then.
struct TFormatPiece {
    enum TKind { fpText, fpSpecifier, fpLoneEnd };
    static constexpr int Absent = -1, Star = -2;
    TKind Kind = fpText;
    size_t TextFrom = 0, TextLength = 0;
    int First = Absent, Width = Absent, Precision = Absent;
    bool Indexed = false, Left = false, HasPrecision = false;
    bool Ambiguous = false;  // a "*" first, then another number
    bool EndsEarly = false;  // the format ends before the type
    char16_t Type = 0;       // lower case
};

// The pieces of a format, read once. Studies write thousands of lines through one format,
// so the last one read is kept (what Format calls while it writes never formats).
const std::vector<TFormatPiece>& FormatPieces(std::u16string_view f)
{
    thread_local std::u16string lastFormat;
    thread_local std::vector<TFormatPiece> pieces;
    thread_local bool read = false;
    if (read && SameUnits(f, lastFormat)) return pieces;
    lastFormat = f;
    pieces.clear();
    read = true;
    auto number = [&](size_t& i) -> int {
        if (i < f.size() && f[i] == u'*') { ++i; return TFormatPiece::Star; }
        if (i >= f.size() || !IsDigit(f[i])) return TFormatPiece::Absent;
        int n = 0;
        while (i < f.size() && IsDigit(f[i])) n = std::min(n * 10 + (f[i++] - u'0'), 1 << 20);
        return n;
    };
    for (size_t i = 0; i < f.size(); ++i) {
        TFormatPiece p;
        if (f[i] != u'%') {  // the text up to the next specifier
            const size_t end = std::min(f.find(u'%', i), f.size());
            p.TextFrom = i;
            p.TextLength = end - i;
            pieces.push_back(p);
            i = end - 1;
            continue;
        }
        if (++i >= f.size()) { p.Kind = TFormatPiece::fpLoneEnd; pieces.push_back(p); break; }
        if (f[i] == u'%') { p.TextFrom = i; p.TextLength = 1; pieces.push_back(p); continue; }
        p.Kind = TFormatPiece::fpSpecifier;
        p.First = number(i);
        if (i < f.size() && f[i] == u':') { p.Indexed = true; ++i; }
        if (i < f.size() && f[i] == u'-') { p.Left = true; ++i; }
        if (p.First == TFormatPiece::Absent || p.Indexed) {
            p.Width = number(i);
        } else if (p.First == TFormatPiece::Star && i < f.size() && (f[i] == u'*' || IsDigit(f[i]))) {
            p.Ambiguous = true;
            p.Width = number(i);
        }
        if (i < f.size() && f[i] == u'.') { ++i; p.HasPrecision = true; p.Precision = number(i); }
        if (i >= f.size()) { p.EndsEarly = true; pieces.push_back(p); break; }
        p.Type = static_cast<char16_t>(f[i] >= u'A' && f[i] <= u'Z' ? f[i] + 32 : f[i]);
        pieces.push_back(p);
    }
    return pieces;
}

} // namespace

String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings)
{
    const std::u16string_view f = format.u16();
    const TVarRec* const argv = args.begin();
    const int argc = static_cast<int>(args.size());
    int next = 0;
    auto takeArg = [&]() -> const TVarRec& {
        if (next >= argc) throw EConvertError("No argument for format '" + format + "'");
        return argv[next++];
    };
    // A number of the specifier, "*" taking an integer argument; -1 when absent.
    auto numberOf = [&](int n) -> int {
        if (n != TFormatPiece::Star) return n;
        const TVarRec& a = takeArg();
        if (a.Kind() != TVarRec::vtInteger && a.Kind() != TVarRec::vtInt64) BadFormat(format);
        return static_cast<int>(a.AsInt64());
    };

    TTextBuilder out;
    for (const TFormatPiece& p : FormatPieces(f)) {
        if (p.Kind == TFormatPiece::fpText) { out.Add(f.data() + p.TextFrom, p.TextLength); continue; }
        if (p.Kind == TFormatPiece::fpLoneEnd) BadFormat(format);

        int width = numberOf(p.First);
        if (p.Indexed) {
            if (width < 0) width = 0;
            next = width;
            width = -1;
        }
        if (p.Ambiguous && width >= 0) {
            // The number after the "*" is then read as the type.
            takeArg();
            BadFormat(format);
        }
        if (width < 0) width = numberOf(p.Width);
        int precision = -1;
        if (p.HasPrecision) { precision = numberOf(p.Precision); if (precision < 0) precision = 0; }
        if (p.EndsEarly) BadFormat(format);

        const char16_t type = p.Type;
        const TVarRec& a = takeArg();
        const bool isInteger = a.Kind() == TVarRec::vtInteger || a.Kind() == TVarRec::vtInt64;
        std::u16string text;
        switch (type) {
        case u'd': case u'u': case u'x': {
            if (!isInteger) BadFormat(format);
            Int64 v = a.AsInt64();
            const bool narrow = a.Kind() == TVarRec::vtInteger;
            bool negative = false;
            if (type == u'd') {
                negative = v < 0;
                text = Ascii(std::to_string(negative ? -static_cast<UInt64>(v) : static_cast<UInt64>(v)));
            } else {
                const UInt64 bits = narrow ? static_cast<UInt64>(static_cast<std::uint32_t>(v)) : static_cast<UInt64>(v);
                text = type == u'u' ? Ascii(std::to_string(bits)) : std::u16string(HexText(bits).u16());
            }
            if (precision > 0 && static_cast<int>(text.size()) < precision)
                text.insert(0, static_cast<size_t>(precision) - text.size(), u'0');
            if (negative) text.insert(0, 1, u'-');
            break;
        }
        case u'e': case u'f': case u'g': case u'n': case u'm': {
            if (a.Kind() != TVarRec::vtExtended) BadFormat(format);
            const Extended& v = a.AsExtended();
            if (type == u'm') {
                const int decimals = precision >= 0 ? precision : settings.CurrencyDecimals;
                text = FloatToStrF(v, ffCurrency, MaxDigits, decimals, settings).u16();
                break;
            }
            TShortText number;
            if (type == u'e' || type == u'g')
                FloatText(number, v, type == u'e' ? ffExponent : ffGeneral, precision < 0 ? 15 : precision, 3, settings);
            else
                FloatText(number, v, type == u'f' ? ffFixed : ffNumber, MaxDigits, precision >= 0 ? precision : 2, settings);
            out.AddPadded(number.Data(), number.Length(), width, p.Left);
            continue;
        }
        case u's':
            if (a.Kind() != TVarRec::vtString) BadFormat(format);
            text = a.AsString().u16();
            if (precision >= 0 && static_cast<int>(text.size()) > precision) text.resize(static_cast<size_t>(precision));
            break;
        case u'p': {
            if (a.Kind() != TVarRec::vtPointer) BadFormat(format);
            text = HexText(reinterpret_cast<std::uintptr_t>(a.AsPointer())).u16();
            text.insert(0, sizeof(void*) * 2 - text.size(), u'0');
            break;
        }
        default:
            BadFormat(format);
        }
        out.AddPadded(text.data(), text.size(), width, p.Left);
    }
    return out.Text();
}

String Format(const String& format, std::initializer_list<TVarRec> args)
{
    return Format(format, args, FormatSettings);
}
