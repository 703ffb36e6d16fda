#include <algorithm>
#include <clocale>
#include <sstream>
#include <string>
#include <utility>
#include <vector>
#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/UString.h"

TEST(String, OneBasedRoutines)
{
    String s = "Barrage";
    EXPECT_EQ(Length(s), 7);
    EXPECT_EQ(Copy(s, 2, 3), "arr");
    EXPECT_EQ(Copy(s, 0, 2), "Ba");     // index below 1 starts at 1
    EXPECT_EQ(Copy(s, 6, 99), "ge");
    EXPECT_EQ(Copy(s, 8, 1), "");
    EXPECT_EQ(Pos("rr", s), 3);
    EXPECT_EQ(Pos("a", s, 3), 5);
    EXPECT_EQ(Pos("x", s), 0);
    EXPECT_EQ(Pos("", s), 0);
    String t = s;
    Delete(t, 2, 4);
    EXPECT_EQ(t, "Bge");
    Insert("arra", t, 2);
    EXPECT_EQ(t, "Barrage");
    Insert("!", t, 99);
    EXPECT_EQ(t, "Barrage!");
    EXPECT_EQ(s[1], u'B');
}

TEST(String, CaseTrimReplace)
{
    EXPECT_EQ(Trim("  a b \t"), "a b");
    EXPECT_EQ(TrimLeft("  x "), "x ");
    EXPECT_EQ(TrimRight("  x "), "  x");
    EXPECT_EQ(UpperCase("élan"), "éLAN");
    EXPECT_EQ(AnsiUpperCase("élan"), "ÉLAN");
    EXPECT_TRUE(SameText("Window", "WINDOW"));
    EXPECT_LT(CompareText("abc", "ABD"), 0);
    EXPECT_EQ(StringReplace("a.b.c", ".", ",", rfReplaceAll), "a,b,c");
    EXPECT_EQ(StringReplace("a.b.c", ".", ",", 0), "a,b.c");
    EXPECT_EQ(StringReplace("Aaa", "a", "x", rfReplaceAll | rfIgnoreCase), "xxx");
    EXPECT_EQ(StringOfChar(u'-', 3), "---");
    EXPECT_EQ(QuotedStr("it's"), "'it''s'");
}

TEST(String, IntegerConversions)
{
    struct Case { const char* text; bool ok; int value; };
    const Case cases[] = {
        {"12", true, 12}, {" -7", true, -7}, {"+3", true, 3}, {"$FF", true, 255}, {"0x10", true, 16},
        {"2147483647", true, 2147483647}, {"2147483648", false, 0}, {"12 ", false, 0}, {"", false, 0},
        {"1.5", false, 0}, {"abc", false, 0}, {"-", false, 0},
    };
    for (const Case& c : cases) {
        Integer v = 0;
        EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
    EXPECT_EQ(StrToIntDef("x", 42), 42);
    try {
        StrToInt("garbage");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'garbage' is not a valid integer value");
    }
    EXPECT_EQ(IntToStr(-15), "-15");
    EXPECT_EQ(IntToHex(255, 4), "00FF");
    EXPECT_EQ(IntToHex(-1, 2), "FFFFFFFFFFFFFFFF");
}

TEST(String, Utf8DecodingReplacesEachByteOfABrokenSequence)
{
    struct Case {
        std::string utf8;
        std::u16string text;
    };
    std::string euros;
    for (int i = 0; i < 40; ++i) euros += "\xE2\x82\xAC";
    const Case cases[] = {
        {"", u""},
        {"A", u"A"},
        {"\xC3\xA9", u"\u00E9"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},            // beyond 16 bits: a surrogate pair
        {"\xC3", u"\xFFFD"},                              // cut short at the end
        {"\xE2\x82" "A", u"\xFFFD\xFFFD" "A"},            // cut short by a character
        {"\xF0\x9F\x98", u"\xFFFD\xFFFD\xFFFD"},          // as many units as bytes
        {"\x80", u"\xFFFD"},                              // a lone continuation byte
        {"\xFF", u"\xFFFD"},
        {euros, std::u16string(40, u'\u20AC')},            // 120 bytes, 40 units
    };
    for (const Case& c : cases) {
        EXPECT_EQ(String(c.utf8), String(c.text)) << c.utf8;
        EXPECT_EQ(String(c.utf8.c_str()).Length(), static_cast<int>(c.text.size())) << c.utf8;
        EXPECT_EQ(Utf8ToUtf16(c.utf8), c.text) << c.utf8;
    }
    // Windows-1252: the five unassigned bytes stand for the control of the same value.
    EXPECT_EQ(AnsiString::FromBytes("\x80\x81\x9F\xFF").ToString(), String(u"\u20AC\u0081\u0178\u00FF"));
    EXPECT_EQ(Cp1252ToUtf16("\x80\x81\x9F\xFF"), u"\u20AC\u0081\u0178\u00FF");
}

TEST(String, CodePages)
{
    String euro = "€ café";
    AnsiString a = euro;
    EXPECT_EQ(a.Bytes(), std::string("\x80 caf\xE9"));
    EXPECT_EQ(a.ToString(), euro);
    EXPECT_EQ(AnsiString(String(u"\u4E2D")).Bytes(), "?");  // not in 1252
    ShortString<4> s = "Barrage";
    EXPECT_EQ(s.Length(), 4);
    EXPECT_EQ(s.ToString(), "Barr");
    ShortString<3> e = "é€x!";
    EXPECT_EQ(e.Bytes(), std::string("\xE9\x80x"));
    EXPECT_EQ(String("𝄞").Length(), 2);  // surrogate pair
    EXPECT_EQ(String("𝄞").ToUtf8(), "𝄞");
}

TEST(UStringTest, CharacterClassesFollowTheUnicodeTables)
{
    struct Case {
        char16_t ch;
        bool alpha, alphaNumeric, upper, lower;
    };
    const Case cases[] = {
        {u'A', true, true, true, false},
        {u'z', true, true, false, true},
        {u'5', false, true, false, false},
        {u' ', false, false, false, false},
        {u'_', false, false, false, false},
        {u'\u00C9', true, true, true, false},   // E acute
        {u'\u00DF', true, true, false, true},   // sharp s
        {u'\u03A9', true, true, true, false},   // Greek capital omega
        {u'\u0436', true, true, false, true},   // Cyrillic small zhe
        {u'\u4E2D', true, true, false, false},  // a CJK ideograph has no case
        {u'\u00D7', false, false, false, false},  // multiplication sign
        {char16_t(0xD800), false, false, false, false},  // surrogate half
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsCharAlpha(c.ch), c.alpha) << int(c.ch);
        EXPECT_EQ(IsCharAlphaNumeric(c.ch), c.alphaNumeric) << int(c.ch);
        EXPECT_EQ(IsCharUpper(c.ch), c.upper) << int(c.ch);
        EXPECT_EQ(IsCharLower(c.ch), c.lower) << int(c.ch);
    }
}

namespace {

TEST(UnicodeCase, CharactersOfEveryScriptMapWhateverTheProcessLocale)
{
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::setlocale(LC_ALL, "C");   // the C library's plain case mapping knows ASCII only here
    struct Case {
        char16_t ch, lower, upper;
    };
    const Case cases[] = {
        {u'A', u'a', u'A'},
        {u'\u00C9', u'\u00E9', u'\u00C9'},   // E acute
        {u'\u03C9', u'\u03C9', u'\u03A9'},   // Greek omega
        {u'\u0416', u'\u0436', u'\u0416'},   // Cyrillic zhe
        {u'\u00DF', u'\u00DF', u'\u00DF'},   // sharp s: its capital is two letters
        {u'7', u'7', u'7'},
        {char16_t(0xD800), char16_t(0xD800), char16_t(0xD800)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CharToLower(c.ch), c.lower) << int(c.ch);
        EXPECT_EQ(CharToUpper(c.ch), c.upper) << int(c.ch);
    }
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace

// The storage of String: up to 31 units inside the object, longer texts in a heap block. Each
// operation runs on texts of 0, 1, 31, 32 and 100 units, and its result is checked against a
// std::u16string doing the same.
namespace {

const int kLengths[] = {0, 1, 31, 32, 100};

// The units of the sample texts cycle through ASCII, Latin-1 and a character beyond it, written
// here in UTF-16 and in UTF-8 by hand.
struct SampleUnit {
    char16_t unit;
    const char* utf8;
};
const SampleUnit kSampleUnits[] = {{u'B', "B"}, {u'\u00E9', "\xC3\xA9"}, {u'7', "7"}, {u'\u20AC', "\xE2\x82\xAC"}, {u' ', " "}};

std::u16string Sample(int length, int shift = 0)
{
    std::u16string text;
    for (int i = 0; i < length; ++i) text += kSampleUnits[(i + shift) % 5].unit;
    return text;
}

std::string SampleUtf8(int length)
{
    std::string text;
    for (int i = 0; i < length; ++i) text += kSampleUnits[i % 5].utf8;
    return text;
}

// The text, its length and the 0 that follows it in c_str().
void ExpectText(const String& s, const std::u16string& expected, const std::string& what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(s.Length(), static_cast<int>(expected.size()));
    EXPECT_EQ(s.IsEmpty(), expected.empty());
    EXPECT_EQ(std::u16string(s.u16()), expected);
    EXPECT_EQ(std::u16string_view(s.c_str(), expected.size() + 1), std::u16string_view(expected.c_str(), expected.size() + 1));
}

std::string Name(const char* operation, int a, int b = -1)
{
    return std::string(operation) + " " + std::to_string(a) + (b >= 0 ? " " + std::to_string(b) : "");
}

}  // namespace

TEST(StringStorage, ConstructionFromUtf8Utf16AndRepeatedCharacters)
{
    for (int n : kLengths) {
        const std::u16string model = Sample(n);
        const std::string utf8 = SampleUtf8(n);
        ExpectText(String(utf8.c_str()), model, Name("UTF-8 characters", n));
        ExpectText(String(utf8), model, Name("UTF-8 string", n));
        ExpectText(String(std::string_view(utf8)), model, Name("UTF-8 view", n));
        ExpectText(String(model.c_str()), model, Name("UTF-16 characters", n));
        ExpectText(String(model), model, Name("UTF-16 string", n));
        ExpectText(String(std::u16string_view(model)), model, Name("UTF-16 view", n));
        ExpectText(String(n, u'\u00E9'), std::u16string(static_cast<size_t>(n), u'\u00E9'), Name("count and character", n));
        std::ostringstream streamed;
        streamed << String(model);
        EXPECT_EQ(streamed.str(), utf8) << n;
    }
    ExpectText(String(-3, u'x'), u"", "negative count");
    ExpectText(String(static_cast<const char*>(nullptr)), u"", "no UTF-8 characters");
    ExpectText(String(static_cast<const char16_t*>(nullptr)), u"", "no UTF-16 characters");
}

TEST(StringStorage, CopyAndMoveConstruction)
{
    for (int n : kLengths) {
        const std::u16string model = Sample(n);
        String source(model);
        const String copy = source;
        ExpectText(copy, model, Name("copy", n));
        ExpectText(source, model, Name("copied source", n));
        String moved = std::move(source);
        ExpectText(moved, model, Name("moved", n));
        // Left empty, as a moved-from std::u16string is, and usable again.
        ExpectText(source, u"", Name("moved source", n));   // NOLINT: use after move on purpose
        source += u'x';
        ExpectText(source, u"x", Name("moved source reused", n));
    }
}

TEST(StringStorage, AssignmentBetweenShortAndLongTexts)
{
    for (int to : kLengths) {
        for (int from : kLengths) {
            const std::u16string modelFrom = Sample(from, 1), modelTo = Sample(to, 2);
            String target(modelTo);
            String source(modelFrom);
            target = source;
            ExpectText(target, modelFrom, Name("copy assigned", from, to));
            ExpectText(source, modelFrom, Name("copy assigned source", from, to));
            if (from > 0) {
                target[from] = u'#';   // the copy has units of its own
                ExpectText(source, modelFrom, Name("source after the copy changed", from, to));
            }

            String movedTo(modelTo);
            movedTo = std::move(source);
            ExpectText(movedTo, modelFrom, Name("move assigned", from, to));
            ExpectText(source, u"", Name("move assigned source", from, to));   // NOLINT: use after move on purpose
            source = movedTo;
            ExpectText(source, modelFrom, Name("moved-from source assigned again", from, to));
        }
        String self(Sample(to));
        String& same = self;
        self = same;
        ExpectText(self, Sample(to), Name("copy assigned to itself", to));
        self = std::move(same);
        ExpectText(self, Sample(to), Name("move assigned to itself", to));
    }
}

TEST(StringStorage, AppendingGrowsAcrossTheInsideBuffer)
{
    String s;
    std::u16string model;
    for (int i = 0; i < 70; ++i) {
        const char16_t unit = Sample(i + 1)[static_cast<size_t>(i)];
        s += unit;
        model += unit;
        ExpectText(s, model, Name("append character", i));
    }
    for (int to : kLengths) {
        for (int from : kLengths) {
            String target(Sample(to));
            target += String(Sample(from, 3));
            ExpectText(target, Sample(to) + Sample(from, 3), Name("append", from, to));
            ExpectText(String(Sample(to)) + String(Sample(from, 3)), Sample(to) + Sample(from, 3), Name("plus", from, to));
        }
        String doubled(Sample(to));
        doubled += doubled;
        ExpectText(doubled, Sample(to) + Sample(to), Name("append to itself", to));
    }
}

TEST(StringStorage, SetLengthShrinksAndGrowsAcrossTheInsideBuffer)
{
    for (int from : kLengths) {
        for (int to : kLengths) {
            String s(Sample(from));
            std::u16string model = Sample(from);
            SetLength(s, to);
            model.resize(static_cast<size_t>(to));   // new units are 0
            ExpectText(s, model, Name("set length", from, to));
        }
        String s(Sample(from));
        SetLength(s, -1);
        ExpectText(s, u"", Name("negative length", from));
    }
}

TEST(StringStorage, InsertAndDeleteAcrossTheInsideBuffer)
{
    for (int to : kLengths) {
        for (int from : kLengths) {
            for (int index : {0, 1, to / 2 + 1, to + 1, to + 50}) {
                String dest(Sample(to));
                Insert(String(Sample(from, 4)), dest, index);
                std::u16string model = Sample(to);
                model.insert(static_cast<size_t>(std::clamp(index, 1, to + 1) - 1), Sample(from, 4));
                ExpectText(dest, model, Name("insert", from, to) + " at " + std::to_string(index));
            }
        }
        String self(Sample(to));
        Insert(self, self, to / 2 + 1);
        std::u16string model = Sample(to);
        model.insert(static_cast<size_t>(to / 2), Sample(to));
        ExpectText(self, model, Name("insert into itself", to));
    }
    struct Case {
        int length, index, count;
    };
    const Case cases[] = {
        {100, 1, 68}, {100, 1, 69}, {100, 1, 100}, {100, 33, 500}, {100, 50, 1}, {32, 1, 1}, {32, 32, 1},
        {32, 2, 31}, {31, 31, 1}, {31, 1, 31}, {1, 1, 1}, {1, 2, 1}, {0, 1, 1}, {100, 0, 5}, {100, 5, 0}, {100, 101, 1},
    };
    for (const Case& c : cases) {
        String s(Sample(c.length));
        Delete(s, c.index, c.count);
        std::u16string model = Sample(c.length);
        if (c.index >= 1 && c.index <= c.length && c.count > 0)
            model.erase(static_cast<size_t>(c.index - 1), static_cast<size_t>(c.count));
        ExpectText(s, model, Name("delete", c.length, c.index) + " count " + std::to_string(c.count));
    }
}

TEST(StringStorage, ComparisonAndOrderingAreOrdinalUtf16)
{
    std::vector<std::u16string> texts;
    for (int n : kLengths) {
        texts.push_back(Sample(n));
        texts.push_back(Sample(n) + u'\u00E9');
        if (n > 0) texts.push_back(Sample(n - 1) + u'z');   // differs in the last unit only
    }
    texts.push_back(std::u16string(1, char16_t(0xD800)));   // a surrogate sorts below U+FFFD by units
    texts.push_back(u"\uFFFD");
    for (const std::u16string& a : texts) {
        for (const std::u16string& b : texts) {
            const String sa(a), sb(b);
            const std::string what = std::to_string(a.size()) + " " + std::to_string(b.size());
            EXPECT_EQ(sa == sb, a == b) << what;
            EXPECT_EQ(sa <=> sb, a <=> b) << what;
            EXPECT_EQ(CompareStr(sa, sb), (a > b) - (a < b)) << what;
        }
    }
}
