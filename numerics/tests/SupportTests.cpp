#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numerics/VEZ_dstruct.h"
#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_stringl.h"

TEST(RandomGenerator, PermutationHoldsEveryValueOnceWithItsInverse)
{
    bool seen[256] = {};
    for (int i = 1; i <= 255; ++i) {
        int v = PermutationOf(i);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 255);
        EXPECT_FALSE(seen[v]);
        seen[v] = true;
        EXPECT_EQ(InversePermutationOf(v), i);
    }
}

TEST(RandomGenerator, DrawsFollowTheLinearCongruence)
{
    RandSeed = 0;
    EXPECT_EQ(Random(), 1 / 4294967296.0);
    EXPECT_EQ(RandSeed, 1u);
    EXPECT_EQ(Random(1000), static_cast<int>((uint64_t(134775814u) * 1000u) >> 32));
    RandSeed = 0xFFFFFFFFu;  // the product wraps modulo 2^32
    Random();
    EXPECT_EQ(RandSeed, static_cast<Cardinal>(0xFFFFFFFFull * 134775813ull + 1));
}

TEST(RandomGenerator, GaussPairsComeFromOneCandidate)
{
    RandSeed = 42;
    double first = RandomGauss();
    double second = RandomGauss();
    // Recompute the pair from the definition.
    RandSeed = 42;
    double u, v, s;
    do {
        u = 2 * Random() - 1;
        v = 2 * Random() - 1;
        s = u * u + v * v;
    } while (s >= 1);
    double f = std::sqrt(-2 * std::log(s) / s);
    EXPECT_EQ(first, v * f);
    EXPECT_EQ(second, u * f);
}

struct TickCase {
    int ticks;
    long double low, high;
    long double first, step;
    int minor;
};

TEST(NiceTickStep, TableOfAxes)
{
    const TickCase cases[] = {
        {5, 0, 100, 0, 10, 5},   {5, 0, 250, 0, 20, 4},  {4, 0, 1, 0, 0.2L, 4}, {10, 0, 10, 0, 1, 5},
        {5, 100, 0, 100, -10, 5}, {5, 3, 3, 3, 0, 1},     {0, 2.5L, 7, 3, 1, 5}, {0, 0, 50, 0, 1, 1},
        {5, 0, 0.9L, 0, 0.1L, 5}, {4, 0, 30, 0, 5, 5},   {5, -7, 23, -5, 5, 5},
    };
    for (const auto& c : cases) {
        Extended first, step;
        Word minor;
        NiceTickStep(c.ticks, c.low, c.high, first, step, minor);
        SCOPED_TRACE(testing::Message() << c.ticks << " ticks over " << double(c.low) << ".." << double(c.high));
        EXPECT_NEAR(double(step), double(c.step), 1e-12);
        EXPECT_NEAR(double(first), double(c.first), 1e-12);
        EXPECT_EQ(minor, c.minor);
    }
}

TEST(NiceTickStep, EndsForAStepBelowTheResolutionOfTheRange)
{
    Extended first, step;
    Word minor;
    NiceTickStep(100000, 1e20, std::nextafter(1e20, 2e20), first, step, minor);
    EXPECT_GT(step, 0);
    EXPECT_NEAR(double(first), 1e20, 1e5);
}

struct FormatCase {
    int width, decimals;
    long double value;
    const char* text;
};

TEST(FormatFixed, TableOfTexts)
{
    const FormatCase cases[] = {
        {8, 2, 3.14159L, "    3.14"},
        {2, 2, 3.14159L, "3.14"},
        {6, 0, 2.5L, "     3"},     // halfway goes away from zero
        {6, 1, -0.25L, "  -0.3"},
        {6, 2, -0.001L, "  0.00"},
        {-6, 1, 2.5L, "0002.5"},
        {-6, 1, -2.5L, "-002.5"},
        {10, -2, 4700, " 4.700E+03"},
        {12, -2, -0.00123L, "-1.23000E-03"},
        {10, -2, 1e120L, "**********"},
        {13, -1, 4700, " 4.7000E+0003"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatFixed(c.width, c.decimals, c.value), String(c.text))
            << c.width << ", " << c.decimals << ", " << double(c.value);
}

TEST(FormatSignificant, FixedWhereItFitsElseScientific)
{
    EXPECT_EQ(FormatSignificant(10, 4, false, 0), String("     0.000"));
    EXPECT_EQ(FormatSignificant(10, 4, false, 3.14159), String("     3.142"));
    EXPECT_EQ(FormatSignificant(10, 3, true, 123456), String("123456"));
    EXPECT_EQ(FormatSignificant(5, 3, true, 123456), String("1.23E+05"));
    EXPECT_EQ(FormatSignificant(6, 4, true, 0.000123), String("1.230E-04"));
    EXPECT_EQ(FormatSignificant(10, 4, true, 0.0123), String("0.01230"));
}

TEST(FormatEngineering, PrefixesAndDigits)
{
    const struct {
        int digits;
        double value;
        const char* text;
    } cases[] = {
        {3, 4700, "4.70k"},  {3, 0.0047, "4.70m"}, {3, -4700, "-4.70k"}, {3, 0, "0.00"},
        {-3, 4700, "4k70"},  {3, 1e15, "1000T"},   {3, 47, "47.0"},      {1, 4.7e6, "5M"},
        {3, 4.7e-19, "0.470a"}, {-3, 47000, "47k0"},
    };
    for (const auto& c : cases) EXPECT_EQ(FormatEngineering(c.digits, c.value), String(c.text)) << c.value;
}

TEST(Log10AndFloorInt, ValuesAndError)
{
    EXPECT_NEAR(Log10(1000.0), 3, 1e-15);
    EXPECT_THROW(Log10(0.0), EMathError);
    try {
        Log10(-1.0);
    } catch (const EMathError& e) {
        EXPECT_EQ(e.Message(), String("logarithm: invalid argument"));
    }
    EXPECT_EQ(FloorInt(2.5), 2);
    EXPECT_EQ(FloorInt(-2.5), -3);
    EXPECT_EQ(FloorInt(-3.0), -3);
    EXPECT_EQ(FloorInt(3.5), 3);
}

TEST(Distances, RectSegmentEllipse)
{
    EXPECT_EQ(DistanceToRect(5, 5, 0, 0, 10, 10), 0);
    EXPECT_EQ(DistanceToRect(0, 5, 0, 0, 10, 10), 0);
    EXPECT_EQ(DistanceToRect(10, 10, 0, 0, 10, 10), 0);
    EXPECT_EQ(DistanceToRect(5, 10, 0, 0, 10, 10), 0);
    EXPECT_EQ(DistanceToRect(13, 14, 0, 0, 10, 10), 5);
    EXPECT_EQ(DistanceToRect(5, -3, 0, 0, 10, 10), 3);
    EXPECT_EQ(DistanceToRect(-2, 5, 0, 0, 10, 10), 2);

    EXPECT_DOUBLE_EQ(DistanceToSegment(4, 5, 1, 1, 1, 1), 5);
    EXPECT_DOUBLE_EQ(DistanceToSegment(5, 3, 0, 0, 10, 0), 3);
    EXPECT_DOUBLE_EQ(DistanceToSegment(13, 4, 0, 0, 10, 0), 5);

    double nx, ny;
    EXPECT_DOUBLE_EQ(DistanceToEllipse(15, 2, 2, 2, 10, 5, nx, ny), 3);  // on the x axis
    EXPECT_DOUBLE_EQ(nx, 12);
    EXPECT_DOUBLE_EQ(ny, 2);
    EXPECT_DOUBLE_EQ(DistanceToEllipse(0, -9, 0, 0, 10, 5, nx, ny), 4);  // on the y axis, below
    EXPECT_DOUBLE_EQ(ny, -5);
    EXPECT_DOUBLE_EQ(DistanceToEllipse(0, 0, 0, 0, 3, 3, nx, ny), 3);    // centre of a circle
    double d = DistanceToEllipse(-6, 8, 0, 0, 5, 5, nx, ny);               // circle: radial
    EXPECT_NEAR(d, 5, 1e-12);
    EXPECT_NEAR(nx, -3, 1e-12);
    EXPECT_NEAR(ny, 4, 1e-12);
    d = DistanceToEllipse(1, 7, 0, 0, 3, 6, nx, ny);                       // tall ellipse
    EXPECT_NEAR(nx * nx / 9 + ny * ny / 36, 1, 1e-12);
    EXPECT_NEAR(d, std::hypot(1 - nx, 7 - ny), 1e-12);
    double nearest = 1e9;  // against a fine sampling of the ellipse
    for (int i = 0; i < 200000; ++i) {
        double t = i * 2 * M_PI / 200000;
        nearest = std::min(nearest, std::hypot(1 - 3 * std::cos(t), 7 - 6 * std::sin(t)));
    }
    EXPECT_NEAR(d, nearest, 1e-6);
}

TEST(ArraySorts, TableOfCasesWithNaN)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TDoubleArray a{5, nan, 3, 4, 1, nan, 2};
    SortDoubleArray(a, true);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a[i], i + 1);
    EXPECT_TRUE(std::isnan(a[5]) && std::isnan(a[6]));
    SortDoubleArray(a, false);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(a[i], 5 - i);
    EXPECT_TRUE(std::isnan(a[5]) && std::isnan(a[6]));

    TIntArray n{3, -1, 2, 2, 9};
    SortIntegerArray(n, false);
    EXPECT_EQ((std::vector<int>(n.begin(), n.end())), (std::vector<int>{9, 3, 2, 2, -1}));
}

TEST(ArraySorts, OneEntryDoesNotCountProgress)
{
    TDoubleArray one{7};
    double before = ProgressCounter;
    SortDoubleArray(one, true);
    EXPECT_EQ(ProgressCounter, before);
    TDoubleArray three{3, 2, 1};
    SortDoubleArray(three, true);
    EXPECT_GT(ProgressCounter, before);
}

TEST(SelectKthSmallest, AgreesWithSortingAndClampsK)
{
    RandSeed = 7;
    for (int n = 1; n <= 30; ++n) {
        TDoubleArray data;
        data.SetLength(n);
        for (int i = 0; i < n; ++i) data[i] = Random(10);
        TDoubleArray sorted = data.Copy();
        SortDoubleArray(sorted, true);
        for (int k = 0; k < n; ++k) {
            TDoubleArray work = data.Copy();
            EXPECT_EQ(SelectKthSmallest(work, k, 0, n - 1), sorted[k]) << n << " " << k;
        }
        TDoubleArray work = data.Copy();
        EXPECT_EQ(SelectKthSmallest(work, n, 0, n - 1), sorted[n - 1]);  // k = n is the largest
    }
    TDoubleArray empty{1};
    EXPECT_EQ(SelectKthSmallest(empty, 0, 1, 0), 0);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    TDoubleArray withNaN{nan, 2, 1};
    EXPECT_EQ(SelectKthSmallest(withNaN, 1, 0, 2), 2);
}

TEST(CRC32, StandardCheckValue)
{
    Cardinal crc = 0xFFFFFFFFu;
    for (char c : std::string("123456789")) crc = CRC32Update(static_cast<Byte>(c), crc);
    EXPECT_EQ(crc ^ 0xFFFFFFFFu, 0xCBF43926u);
}

TEST(StringRoutines, TextsOfTheSmallRoutines)
{
    EXPECT_EQ(HexText(255, 4), String("00FF"));
    EXPECT_EQ(HexText(0, 0), String("0"));
    EXPECT_EQ(HexText(0xDEADBEEF, 12), String("DEADBEEF"));
    EXPECT_EQ(FormatBoolean(true, 4), String("-1"));
    EXPECT_EQ(FormatBoolean(false, 9), String("FALSE"));
    EXPECT_EQ(FormatBoolean(false, 7), String("BAD"));
    EXPECT_EQ(StripBlanks("   "), String(""));
    EXPECT_EQ(StripBlanks("\ta "), String("\ta"));
    EXPECT_EQ(ReplaceChar("a.b.c", u'.', u','), String("a,b,c"));
    EXPECT_EQ(ReplaceNonAlnum("x-1 y"), String("x_1_y"));
    EXPECT_EQ(ExpandCharClasses("+//dig"), String("+0123456789"));
    EXPECT_EQ(ExpandCharClasses("//uc//lc").Length(), 52);
    EXPECT_TRUE(ContainsAnyChar("ab\x01", "//31dwn"));
    EXPECT_FALSE(ContainsAnyChar("abc", "//uc//dig"));
    EXPECT_TRUE(ContainsAnyChar(String(u"\u00e9"), "//128up"));
    TTagList tags{"numcols", "cell", "invalidtag"};
    EXPECT_EQ(IndexOfTag("CELL", tags), 1);
    EXPECT_EQ(IndexOfTag("other", tags), 2);
}

namespace {

// Feeds a line to the scanner and collects the completed tokens.
std::vector<String> Tokens(const String& line)
{
    std::vector<String> tokens;
    String token;
    Byte state = 0;
    for (char16_t c : line.u16()) {
        if (NextTokenState(c, u'"', token, state)) {
            tokens.push_back(token);
            token = String();
        }
    }
    return tokens;
}

}  // namespace

TEST(TokenScanner, QuotedAndPlainTokens)
{
    EXPECT_EQ(Tokens("  \"two words\" next\r"), (std::vector<String>{"two words", "next"}));
    EXPECT_EQ(Tokens("plain\tword "), (std::vector<String>{"plain", "word"}));
    EXPECT_EQ(Tokens("\"\"x y"), (std::vector<String>{"\"x"}));
}
