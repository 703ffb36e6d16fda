#include <clocale>
#include <string>
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
