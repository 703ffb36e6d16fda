#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysFormat.h"

namespace {

const TFormatSettings English = TFormatSettings::English();
const TFormatSettings French = TFormatSettings::French();
const Extended NaN = std::numeric_limits<Extended>::quiet_NaN();
const Extended Inf = std::numeric_limits<Extended>::infinity();

} // namespace

TEST(SysFormat, SettingsRecords)
{
    EXPECT_EQ(French.DecimalSeparator, u',');
    EXPECT_EQ(French.ThousandSeparator, u' ');
    EXPECT_EQ(French.LongMonthNames[2], "février");
    EXPECT_EQ(English.ShortMonthNames[12], "Dec");
    EXPECT_EQ(English.LongDayNames[1], "Sunday");

    // The C locale gives "." and English names; an unknown locale falls back to it.
    for (const char* name : {"C.UTF-8", "xx_NOWHERE.UTF-8"}) {
        const TFormatSettings c = TFormatSettings::FromLocale(name);
        EXPECT_EQ(c.DecimalSeparator, u'.') << name;
        EXPECT_EQ(c.LongMonthNames[1], "January") << name;
        EXPECT_EQ(c.ShortDayNames[7], "Sat") << name;
        EXPECT_EQ(c.TimeAMString, "AM") << name;
        EXPECT_EQ(c.ShortDateFormat, "mm/dd/yy") << name;
        EXPECT_EQ(c.LongTimeFormat, "hh:nn:ss") << name;
        EXPECT_EQ(c.ShortTimeFormat, "hh:nn") << name;
    }
}

TEST(SysFormat, FloatToStrF)
{
    struct Case { Extended value; TFloatFormat format; int precision, digits; const char* english; const char* french; };
    const Case cases[] = {
        // General: exponent from 0.0001 down and beyond `precision` integer digits.
        {987, ffGeneral, 2, 3, "9.9E002", "9,9E002"},
        {0.00005L, ffGeneral, 2, 3, "5E-005", "5E-005"},
        {0.0001L, ffGeneral, 2, 3, "0.0001", "0,0001"},
        {3.14159L, ffGeneral, 0, 3, "3.1", "3,1"},
        {-1234.5, ffGeneral, 15, 0, "-1234.5", "-1234,5"},
        {99.96L, ffGeneral, 3, 0, "100", "100"},
        {99.96L, ffGeneral, 2, 0, "1E2", "1E2"},
        // Exponent: precision significant digits, signed exponent.
        {1234, ffExponent, 3, 3, "1.23E+003", "1,23E+003"},
        {0, ffExponent, 3, 3, "0.00E+000", "0,00E+000"},
        {0.5, ffExponent, 7, 3, "5.000000E-001", "5,000000E-001"},
        {-0.000125L, ffExponent, 2, 1, "-1.3E-4", "-1,3E-4"},
        // Fixed, number and currency; decimal ties away from zero.
        {1234567.891L, ffFixed, 15, 2, "1234567.89", "1234567,89"},
        {0.125, ffFixed, 15, 2, "0.13", "0,13"},
        {-0.125, ffFixed, 15, 2, "-0.13", "-0,13"},
        {-0.001L, ffFixed, 15, 2, "0.00", "0,00"},
        {2.5, ffFixed, 15, 0, "3", "3"},
        {1e20L, ffFixed, 15, 2, "1E020", "1E020"},
        {1234567.891L, ffNumber, 15, 2, "1,234,567.89", "1 234 567,89"},
        {-999.999L, ffNumber, 15, 2, "-1,000.00", "-1 000,00"},
        {1234.5, ffCurrency, 15, 2, "$1,234.50", "1 234,50 €"},
        {-1234.5, ffCurrency, 15, 2, "($1,234.50)", "-1 234,50 €"},
        {NaN, ffFixed, 15, 2, "NAN", "NAN"},
        {-Inf, ffGeneral, 15, 0, "-INF", "-INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, English), c.english) << c.english;
        EXPECT_EQ(FloatToStrF(c.value, c.format, c.precision, c.digits, French), c.french) << c.french;
    }
}

TEST(SysFormat, FloatToStr)
{
    struct Case { Extended value; const char* english; const char* french; };
    const Case cases[] = {
        {1, "1", "1"},
        {1.5, "1.5", "1,5"},
        {-2.5, "-2.5", "-2,5"},
        {0, "0", "0"},
        {0.1 + 0.2, "0.3", "0,3"},
        {1.0 / 3, "0.333333333333333", "0,333333333333333"},
        {2.0 / 3, "0.666666666666667", "0,666666666666667"},
        {123456789012345.0, "123456789012345", "123456789012345"},
        {1e15, "1E15", "1E15"},
        {1.5e-7, "1.5E-7", "1,5E-7"},
        {0.0001, "0.0001", "0,0001"},
        {0.00001, "1E-5", "1E-5"},
        {1.7976931348623157e308, "1.79769313486232E308", "1,79769313486232E308"},
        {Inf, "INF", "INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloatToStr(c.value, English), c.english) << c.english;
        EXPECT_EQ(FloatToStr(c.value, French), c.french) << c.french;
    }
}

// The digits of the exact binary value are first rounded to 18 digits, ties to even, and
// that text is then rounded to the digits asked for, ties away from zero. Pinned here on
// exact ties at the 19th digit, values just below a power of ten, the smallest and
// largest doubles and extended values beyond them, in every routine that prints floats.
TEST(SysFormat, FloatTextOfHardTiesAndExtremeExponents)
{
    struct Case {
        Extended value;
        const char* floatToStr;
        const char* studyNumber;
        const char* grouped;
        const char* exponent18;
        const char* formatted;
        const char* str28;
    };
    const Case cases[] = {
        {0.0, "0", "0.0            ", "0.00", "0.00000000000000000E+0000", "     0.000|0|0.0000000000000000E+000", "   0.00000000000000000E+0000"},
        {-0.0, "0", "0.0            ", "0.00", "0.00000000000000000E+0000", "     0.000|0|0.0000000000000000E+000", "   0.00000000000000000E+0000"},
        {1.0, "1", "1.00000000E+00 ", "1.00", "1.00000000000000000E+0000", "     1.000|1|1.0000000000000000E+000", "   1.00000000000000000E+0000"},
        {-2.5, "-2.5", "-2.5000000E+00 ", "-2.50", "-2.50000000000000000E+0000", "    -2.500|-2.5|-2.5000000000000000E+000", "  -2.50000000000000000E+0000"},
        {0.5, "0.5", "5.00000000E-01 ", "0.50", "5.00000000000000000E-0001", "     0.500|0.5|5.0000000000000000E-001", "   5.00000000000000000E-0001"},
        {0.125, "0.125", "1.25000000E-01 ", "0.125", "1.25000000000000000E-0001", "     0.125|0.125|1.2500000000000000E-001", "   1.25000000000000000E-0001"},
        {976562500.0009765625, "976562500.000977", "9.76562500E+08 ", "976,562,500.001", "9.76562500000976562E+0008", "976562500.001|976562500.000977|9.7656250000097656E+008", "   9.76562500000976562E+0008"},
        {-976562500.0029296875, "-976562500.00293", "-9.7656250E+08 ", "-976,562,500.0029", "-9.76562500002929688E+0008", "-976562500.003|-976562500.00293|-9.7656250000292969E+008", "  -9.76562500002929688E+0008"},
        {0.1, "0.1", "1.00000000E-01 ", "0.10", "1.00000000000000006E-0001", "     0.100|0.1|1.0000000000000001E-001", "   1.00000000000000006E-0001"},
        {1.0 / 3, "0.333333333333333", "3.33333333E-01 ", "0.3333", "3.33333333333333315E-0001", "     0.333|0.333333333333333|3.3333333333333332E-001", "   3.33333333333333315E-0001"},
        {2.0 / 3, "0.666666666666667", "6.66666667E-01 ", "0.6667", "6.66666666666666630E-0001", "     0.667|0.666666666666667|6.6666666666666663E-001", "   6.66666666666666630E-0001"},
        {0.3, "0.3", "3.00000000E-01 ", "0.30", "2.99999999999999989E-0001", "     0.300|0.3|2.9999999999999999E-001", "   2.99999999999999989E-0001"},
        {99999.99999999999, "100000", "1.00000000E+05 ", "100,000.00", "9.99999999999999854E+0004", "100000.000|100000|9.9999999999999985E+004", "   9.99999999999999854E+0004"},
        {9.9999999999999995e-5, "0.0001", "1.00000000E-04 ", "0.0001", "9.99999999999999912E-0005", "     0.000|0.0001|9.9999999999999991E-005", "   9.99999999999999912E-0005"},
        {0.0001, "0.0001", "1.00000000E-04 ", "0.0001", "1.00000000000000005E-0004", "     0.000|0.0001|1.0000000000000001E-004", "   1.00000000000000005E-0004"},
        {0.00012345, "0.00012345", "1.23450000E-04 ", "0.0001", "1.23449999999999992E-0004", "     0.000|0.00012345|1.2344999999999999E-004", "   1.23449999999999992E-0004"},
        {1234.5, "1234.5", "1.23450000E+03 ", "1,234.50", "1.23450000000000000E+0003", "  1234.500|1234.5|1.2345000000000000E+003", "   1.23450000000000000E+0003"},
        {1e15, "1E15", "1.00000000E+15 ", "1,000,000,000,000,000.00", "1.00000000000000000E+0015", "1000000000000000.000|1E015|1.0000000000000000E+015", "   1.00000000000000000E+0015"},
        {999999999999999.9, "1E15", "1.00000000E+15 ", "999,999,999,999,999.875", "9.99999999999999875E+0014", "999999999999999.875|1E015|9.9999999999999988E+014", "   9.99999999999999875E+0014"},
        {1e16, "1E16", "1.00000000E+16 ", "10,000,000,000,000,000.00", "1.00000000000000000E+0016", "10000000000000000.000|1E016|1.0000000000000000E+016", "   1.00000000000000000E+0016"},
        {123456789012345678.0, "1.23456789012346E17", "1.23456789E+17 ", "123,456,789,012,345,680.00", "1.23456789012345680E+0017", "123456789012345680.000|1.23456789012346E017|1.2345678901234568E+017", "   1.23456789012345680E+0017"},
        {1e18, "1E18", "1.00000000E+18 ", "1E18", "1.00000000000000000E+0018", "     1E018|1E018|1.0000000000000000E+018", "   1.00000000000000000E+0018"},
        {9.999999999999999e22, "1E23", "1.00000000E+23 ", "1E23", "9.99999999999999916E+0022", "9.99999999999999916E022|1E023|9.9999999999999992E+022", "   9.99999999999999916E+0022"},
        {1e100, "1E100", "1.00000000E+100 ", "1E100", "1.00000000000000002E+0100", "1.00000000000000002E100|1E100|1.0000000000000000E+100", "   1.00000000000000002E+0100"},
        {-1e-300, "-1E-300", "-1.0000000E-300 ", "0.00", "-1.00000000000000003E-0300", "     0.000|-1E-300|-1.0000000000000000E-300", "  -1.00000000000000003E-0300"},
        {5e-324, "4.94065645841247E-324", "4.94065646E-324 ", "0.00", "4.94065645841246544E-0324", "     0.000|4.94065645841247E-324|4.9406564584124654E-324", "   4.94065645841246544E-0324"},
        {1.7976931348623157e308, "1.79769313486232E308", "1.79769313E+308 ", "1.79769313486232E308", "1.79769313486231571E+0308", "1.79769313486231571E308|1.79769313486232E308|1.7976931348623157E+308", "   1.79769313486231571E+0308"},
        {1.2345678912345e-6, "1.2345678912345E-6", "1.23456789E-06 ", "0.00", "1.23456789123449990E-0006", "     0.000|1.2345678912345E-006|1.2345678912344999E-006", "   1.23456789123449990E-0006"},
        {-0.00049999999999999999, "-0.0005", "-5.0000000E-04 ", "-0.0005", "-5.00000000000000010E-0004", "    -0.001|-0.0005|-5.0000000000000001E-004", "  -5.00000000000000010E-0004"},
        {0.0005, "0.0005", "5.00000000E-04 ", "0.0005", "5.00000000000000010E-0004", "     0.001|0.0005|5.0000000000000001E-004", "   5.00000000000000010E-0004"},
        {2.675, "2.675", "2.67500000E+00 ", "2.675", "2.67499999999999982E+0000", "     2.675|2.675|2.6749999999999998E+000", "   2.67499999999999982E+0000"},
        {1.0L / 3, "0.333333333333333", "3.33333333E-01 ", "0.3333", "3.33333333333333333E-0001", "     0.333|0.333333333333333|3.3333333333333333E-001", "   3.33333333333333333E-0001"},
        {1e4000L, "1E4000", "1.00000000E+4000 ", "1E4000", "1.00000000000000000E+4000", "    1E4000|1E4000|1.0000000000000000E+4000", "   1.00000000000000000E+4000"},
        {-3.6e-4000L, "-3.6E-4000", "-3.6000000E-4000 ", "0.00", "-3.60000000000000000E-4000", "     0.000|-3.6E-4000|-3.6000000000000000E-4000", "  -3.60000000000000000E-4000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FloatToStr(c.value, English), c.floatToStr) << c.floatToStr;
        EXPECT_EQ(FormatFloat("0.00000000E+00 ;-0.0000000E+00 ;0.0            ", c.value, English), c.studyNumber)
            << c.floatToStr;
        EXPECT_EQ(FormatFloat("#,##0.00##", c.value, English), c.grouped) << c.floatToStr;
        EXPECT_EQ(FloatToStrF(c.value, ffExponent, 18, 4, English), c.exponent18) << c.floatToStr;
        EXPECT_EQ(Format("%10.3f|%g|%.17e", {c.value, c.value, c.value}, English), c.formatted) << c.floatToStr;
        EXPECT_EQ(Str(c.value, 28), c.str28) << c.floatToStr;
    }
}

// The digits of FloatToDecimal against the library's exact printing of the value to 18
// digits (ties to even), rounded here as text to the digits asked for (ties away from zero),
// over every precision and a range of decimals, on random bit patterns, random extended
// values, powers of ten and of two, and decimal ties.
namespace {

// The 18 digits of |value|, ties to even, and the power of ten of the first one.
struct TExactDigits {
    std::string Digits;
    int Power = 0;
};

TExactDigits ExactDigits(Extended value)
{
    char text[64];
    const auto printed = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 17);
    TExactDigits exact;
    const char* p = text;
    for (; p < printed.ptr && *p != 'e'; ++p)
        if (*p != '.') exact.Digits += *p;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), printed.ptr, exact.Power);
    return exact;
}

// The digits and exponent (0.ddd form) FloatToDecimal gives, from the exact digits.
std::pair<std::string, int> ExpectedDecimal(const TExactDigits& exact, int precision, int decimals)
{
    int exponent = exact.Power + 1;
    const int keep = std::min(std::clamp(precision, 1, 18), exponent + decimals);
    if (keep < 0) return {};
    std::string kept = "0" + exact.Digits.substr(0, static_cast<size_t>(keep));
    if (keep < 18 && exact.Digits[static_cast<size_t>(keep)] >= '5') {
        size_t i = kept.size() - 1;
        while (kept[i] == '9') kept[i--] = '0';
        ++kept[i];
    }
    if (kept[0] == '1') ++exponent;
    else kept.erase(0, 1);
    kept.erase(kept.find_last_not_of('0') + 1);
    if (kept.empty()) return {};
    return {kept, exponent};
}

std::vector<Extended> DecimalTestValues()
{
    std::vector<Extended> values = {1, 0.5, 0.125, 2.5, 0.0005, 99.96L, 999999999999999.5, 1e17, 1e18, 1e38, 1e39,
                                    0.99999999999999999L, 9.9999999999999999L, DBL_MIN, DBL_MAX, DBL_TRUE_MIN,
                                    LDBL_MIN, LDBL_MAX, LDBL_TRUE_MIN};
    for (int n = -330; n <= 330; ++n) {
        values.push_back(std::pow(10.0, n));
        values.push_back(std::pow(10.0L, static_cast<Extended>(n)));
    }
    // m 2^n with few significant bits: exact decimal ties at the 19th digit and beyond.
    for (int n = -130; n <= 130; ++n)
        for (const double m : {1.0, 3.0, 5.0, 12345.0, 4503599627370497.0, 9007199254740991.0})
            values.push_back(std::ldexp(m, n));
    for (int i = -1000; i <= 1000; ++i) {
        values.push_back(i + 0.5);
        values.push_back(i * 0.0005L);
    }
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 1000; ++i) {
        const UInt64 bits = random();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        if (std::isfinite(d)) values.push_back(d);
        values.push_back(std::pow(10.0, std::uniform_real_distribution<double>(-30, 30)(random)));
        values.push_back(std::ldexp(static_cast<Extended>(random() | (UInt64{1} << 63)),
                                    static_cast<int>(random() % 32000) - 16000 - 63));
    }
    std::erase_if(values, [](Extended v) { return !std::isfinite(v); });  // powers beyond a double's range
    return values;
}

} // namespace

TEST(SysFormat, FloatToDecimalAgreesWithTheExactExpansion)
{
    for (const Extended magnitude : DecimalTestValues()) {
        const TExactDigits exact = ExactDigits(magnitude);
        for (const Extended value : {magnitude, -magnitude})
            for (int precision = 0; precision <= 19; ++precision)
                for (const int decimals : {-3, 0, 1, 2, 3, 6, 9, 18, INT_MAX / 2}) {
                    const TFloatRec rec = FloatToDecimal(value, precision, decimals);
                    const auto [digits, exponent] = ExpectedDecimal(exact, precision, decimals);
                    ASSERT_EQ(rec.Digits.str(), digits) << static_cast<double>(value) << " " << precision << " " << decimals;
                    ASSERT_EQ(rec.Exponent, exponent) << static_cast<double>(value) << " " << precision << " " << decimals;
                    ASSERT_EQ(rec.Negative, std::signbit(value));
                }
    }
}

TEST(SysFormat, FormatFloat)
{
    const char* incremental = "0.000000E+00 ;-0.00000E+00 ;0.0          ";
    const char* statistic = "0.00000000E+00 ;-0.0000000E+00 ;0.0            ";
    struct Case { const char* format; Extended value; const char* english; const char* french; };
    const Case cases[] = {
        {",0.###", 1234.56789L, "1,234.568", "1 234,568"},
        {",0.##", 0.5, "0.5", "0,5"},
        {",0.##", 5, "5", "5"},
        {",0.##", -1234567.125L, "-1,234,567.13", "-1 234 567,13"},
        {",0.#######", 0.1, "0.1", "0,1"},
        {"#,##0", 1234567, "1,234,567", "1 234 567"},
        {"#,##0.00", 999.995L, "1,000.00", "1 000,00"},
        {"0.00", 0.125, "0.13", "0,13"},
        {"0.00", 2.345, "2.35", "2,35"},
        {"0.00", -0.001L, "0.00", "0,00"},
        {"0", 2.5, "3", "3"},
        {"0", -2.5, "-3", "-3"},
        {"000", 7, "007", "007"},
        {"#.##", 0.5, ".5", ",5"},
        {"#", 0, "", ""},
        {"0.0#", 12, "12.0", "12,0"},
        {"", 1.5, "1.5", "1,5"},
        {"'Value: '0.0\" m\"", 3.14, "Value: 3.1 m", "Value: 3,1 m"},
        {"$#,##0.00", -1500, "-$1,500.00", "-$1 500,00"},
        {"0.00;(0.00);zero", -1.5, "(1.50)", "(1,50)"},
        {"0.00;(0.00);zero", 0, "zero", "zero"},
        {"0.00;(0.00);zero", 0.001L, "zero", "zero"},
        {"0.00;;zero", -1.5, "-1.50", "-1,50"},
        {"0.00E-00", 0.00123L, "1.23E-03", "1,23E-03"},
        {"0.00E-00", 123, "1.23E02", "1,23E02"},
        {"0.0e+0", 1234, "1.2e+3", "1,2e+3"},
        {"00.00E+00", 1234, "12.34E+02", "12,34E+02"},
        {incremental, 2.5, "2.500000E+00 ", "2,500000E+00 "},
        {incremental, -2.5, "-2.50000E+00 ", "-2,50000E+00 "},
        {incremental, 0, "0.0          ", "0,0          "},
        {statistic, -2.5, "-2.5000000E+00 ", "-2,5000000E+00 "},
        {statistic, 12345.678L, "1.23456780E+04 ", "1,23456780E+04 "},
        {statistic, 0, "0.0            ", "0,0            "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatFloat(c.format, c.value, English), c.english) << c.format << " " << c.english;
        EXPECT_EQ(FormatFloat(c.format, c.value, French), c.french) << c.format << " " << c.french;
    }
}

TEST(SysFormat, Format)
{
    int marker = 0;
    struct Case { const char* format; std::initializer_list<TVarRec> args; const char* english; const char* french; };
    const Case cases[] = {
        {"%8.2f", {1.125}, "    1.13", "    1,13"},
        {"%8.2f", {-1.125}, "   -1.13", "   -1,13"},
        {"%10.3f %7.5f %7.5f", {1.5, 0.25, 1.0}, "     1.500 0.25000 1.00000", "     1,500 0,25000 1,00000"},
        {"%f", {2.0 / 3}, "0.67", "0,67"},
        {"%.0f", {0.5}, "1", "1"},
        {"%f", {1e20}, "1E020", "1E020"},
        {"%.7e", {0.5}, "5.000000E-001", "5,000000E-001"},
        {"%12.7e", {1234.5}, "1.234500E+003", "1,234500E+003"},
        {"%e", {1.0}, "1.00000000000000E+000", "1,00000000000000E+000"},
        {"%*.*e", {1, 3, 1234.0}, "1.23E+003", "1,23E+003"},
        {"%*.*e", {1, 3, 0.0}, "0.00E+000", "0,00E+000"},
        {"%*.*g", {1, 2, 987.0}, "9.9E002", "9,9E002"},
        {"%*.*g", {1, 2, 0.00005}, "5E-005", "5E-005"},
        {"%*.*g", {1, 0, 3.14159}, "3.1", "3,1"},
        {"%g", {0.1}, "0.1", "0,1"},
        {"%g", {1e20}, "1E020", "1E020"},
        {"%*.*f", {1, 2, 0.05}, "0.05", "0,05"},
        {"%n", {1234567.891}, "1,234,567.89", "1 234 567,89"},
        {"%.0n", {-1234.5}, "-1,235", "-1 235"},
        {"%m", {-1234.5}, "($1,234.50)", "-1 234,50 €"},
        {"Value must be between %.*f and %.*f", {3, 0.0, 3, 10.0},
         "Value must be between 0.000 and 10.000", "Value must be between 0,000 and 10,000"},
        {"%*.*d", {1, 4, 42}, "0042", "0042"},
        {"%.5d", {-42}, "-00042", "-00042"},
        {"%5d|%-5d|", {42, 42}, "   42|42   |", "   42|42   |"},
        {"%d %%", {50}, "50 %", "50 %"},
        {"%u", {-1}, "4294967295", "4294967295"},
        {"%*.*x", {1, 4, 255}, "00FF", "00FF"},
        {"%x", {-1}, "FFFFFFFF", "FFFFFFFF"},
        {"%x", {Int64(-1)}, "FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF"},
        {"$%.8x", {0x80000002u}, "$80000002", "$80000002"},
        {"%s (%s, ligne %d)", {"a", "b", 3}, "a (b, ligne 3)", "a (b, ligne 3)"},
        {"%1:s %0:s %s", {"a", "b"}, "b a b", "b a b"},
        {"%.3s|%-6s|%6s", {"abcdef", "ab", String("é")}, "abc|ab    |     é", "abc|ab    |     é"},
        {"%p", {reinterpret_cast<const void*>(0x1234)}, "0000000000001234", "0000000000001234"},
        {"Time left = %d sec", {Int64(42)}, "Time left = 42 sec", "Time left = 42 sec"},
        // values that are no numbers keep their words and fill their field like any other
        {"%15.8E|%-15.8E|", {Inf, NaN}, "            INF|NAN            |", "            INF|NAN            |"},
        {"%10.3f %8.6f %7.5f", {-Inf, NaN, Inf}, "      -INF      NAN     INF", "      -INF      NAN     INF"},
        {"%12g|%6n|%5m", {NaN, -Inf, Inf}, "         NAN|  -INF|  INF", "         NAN|  -INF|  INF"},
        {"%2.1e", {-Inf}, "-INF", "-INF"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Format(c.format, c.args, English), c.english) << c.format;
        EXPECT_EQ(Format(c.format, c.args, French), c.french) << c.format;
    }
    EXPECT_EQ(Format("%p", {&marker}).Length(), 16);
}

// Texts longer than the few hundred characters a number line has: literal text, a wide field
// and a long literal section, each compared with the same text put together piece by piece.
TEST(SysFormat, LongTextsAreWrittenWhole)
{
    const std::string words(250, 'w');
    struct Case { String actual; std::string expected; };
    const Case cases[] = {
        {Format(String(words + " %d " + words), {7}, English), words + " 7 " + words},
        {Format("%300.2f|%-300s|", {1.5, "a"}, English), std::string(296, ' ') + "1.50|a" + std::string(299, ' ') + "|"},
        {FormatFloat(String("'" + words + "'0.00;'" + words + "'-0.0"), -2.25, English), words + "-2.3"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.actual.ToUtf8(), c.expected);
}

TEST(SysFormat, FormatRejectsBadFormatsAndArguments)
{
    struct Case { const char* format; std::initializer_list<TVarRec> args; const char* message; };
    const Case cases[] = {
        {"%d", {1.5}, "Format '%d' invalid or incompatible with argument"},
        {"%f", {1}, "Format '%f' invalid or incompatible with argument"},
        {"%s", {1}, "Format '%s' invalid or incompatible with argument"},
        {"%q", {1}, "Format '%q' invalid or incompatible with argument"},
        {"50%", {}, "Format '50%' invalid or incompatible with argument"},
        {"%d %d", {1}, "No argument for format '%d %d'"},
        {"%2:d", {1, 2}, "No argument for format '%2:d'"},
    };
    for (const Case& c : cases) {
        try {
            Format(c.format, c.args, English);
            ADD_FAILURE() << c.format;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
}

TEST(SysFormat, StrToFloat)
{
    struct Case { const char* text; bool englishOk; Extended english; bool frenchOk; Extended french; };
    const Case cases[] = {
        {"1.5", true, 1.5, false, 0},
        {"1,5", false, 0, true, 1.5},
        {" -25E1 ", true, -250, true, -250},
        {"+7", true, 7, true, 7},
        {"2e-3", true, 0.002L, true, 0.002L},
        {"1E400", true, 1e400L, true, 1e400L},
        {".5", true, 0.5, false, 0},
        {"5.", true, 5, false, 0},
        {"1,234.5", false, 0, false, 0},
        {"1 234,5", false, 0, false, 0},
        {"", false, 0, false, 0},
        {"-", false, 0, false, 0},
        {".", false, 0, false, 0},
        {"1e", false, 0, false, 0},
        {"1.5x", false, 0, false, 0},
        {"inf", false, 0, false, 0},
        {"nan", false, 0, false, 0},
        {"1e99999", false, 0, false, 0},
    };
    for (const Case& c : cases) {
        Extended value = -99;
        EXPECT_EQ(TryStrToFloat(c.text, value, English), c.englishOk) << c.text;
        if (c.englishOk) { EXPECT_EQ(value, c.english) << c.text; }
        EXPECT_EQ(TryStrToFloat(c.text, value, French), c.frenchOk) << c.text;
        if (c.frenchOk) { EXPECT_EQ(value, c.french) << c.text; }
        EXPECT_EQ(StrToFloatDef(c.text, -1, English), c.englishOk ? c.english : -1) << c.text;
    }
    double d = 0;
    EXPECT_FALSE(TryStrToFloat("1E400", d, English));  // beyond Double
    EXPECT_TRUE(TryStrToFloat("0.1", d, English));
    EXPECT_EQ(d, 0.1);
    EXPECT_EQ(StrToFloat("1,25", French), 1.25L);
}

TEST(SysFormat, StrToFloatOfGarbageRaisesConvertError)
{
    try {
        StrToFloat("garbage", English);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'garbage' is not a valid floating point value");
    }
    EXPECT_THROW(StrToFloat("1.5", French), EConvertError);
}

TEST(SysFormat, Str)
{
    struct Case { Extended value; int width, decimals; const char* text; };
    const Case cases[] = {
        {1, 23, -1, " 1.00000000000000E+0000"},
        {-2.5, 23, -1, "-2.50000000000000E+0000"},
        {1234.5, 12, -1, " 1.235E+0003"},
        {0.00042L, 1, -1, " 4.2E-0004"},
        {0, 10, -1, " 0.0E+0000"},
        {1e300, 14, -1, " 1.00000E+0300"},
        {12.5, 7, 2, "  12.50"},
        {-0.125, 0, 2, "-0.13"},
        {3, 1, 0, "3"},
        {-0.001L, 6, 2, "  0.00"},
        {1234567.5, 3, 1, "1234567.5"},
    };
    for (const Case& c : cases) {
        const String s = c.decimals < 0 ? Str(c.value, c.width) : Str(c.value, c.width, c.decimals);
        EXPECT_EQ(s, c.text) << c.text;
    }
}

TEST(SysFormat, Val)
{
    struct Case { const char* text; Extended value; int code; };
    const Case cases[] = {
        {"12.5", 12.5, 0},
        {"  3", 3, 0},
        {"-2.5E2", -250, 0},
        {"1E400", 1e400L, 0},
        {"3.5x", 0, 4},
        {"3,5", 0, 2},
        {"abc", 0, 1},
        {"", 0, 1},
        {"12 ", 0, 3},
    };
    for (const Case& c : cases) {
        Extended value = -99;
        int code = -1;
        Val(c.text, value, code);
        EXPECT_EQ(code, c.code) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    struct IntCase { const char* text; Integer value; int code; };
    const IntCase intCases[] = {{"42", 42, 0}, {" -7", -7, 0}, {"4x", 0, 2}, {"", 0, 1}, {"-2147483648", INT32_MIN, 0}};
    for (const IntCase& c : intCases) {
        Integer value = -99;
        int code = -1;
        Val(c.text, value, code);
        EXPECT_EQ(code, c.code) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
    Integer value = 0;
    int code = 0;
    Val("99999999999", value, code);
    EXPECT_NE(code, 0);
}
