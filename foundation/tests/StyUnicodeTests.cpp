// Case mapping by the library's case table: the common and Turkic foldings, never the full ones.
#include <gtest/gtest.h>

#include "foundation/StyUnicode.h"

TEST(StyUnicodeTests, CaseMappingFollowsTheTableRow)
{
    struct Case {
        const char16_t* text;
        const char16_t* upper;
        const char16_t* lower;
    } cases[] = {
        {u"Dam Joint 0", u"DAM JOINT 0", u"dam joint 0"},
        {u"\u00DF", u"\u00DF", u"\u00DF"},                 // sharp s folds only in full
        {u"\u0131", u"\u0131", u"\u0131"},                 // dotless i has no capital of its own
        {u"\u0130", u"\u0130", u"i"},                      // capital I with dot: the Turkic entry
        {u"\u00E9t\u00E9", u"\u00C9T\u00C9", u"\u00E9t\u00E9"},
        {u"\u03C3\u03A3\u00B5", u"\u03A3\u03A3\u00B5", u"\u03C3\u03C3\u03BC"},   // sigma; micro sign lowers to mu
        {u"\u212A", u"\u212A", u"k"},                      // Kelvin sign: nothing folds to it
        {u"\u017F", u"\u017F", u"s"},                      // long s lowers to s, s uppers to S
        {u"", u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnicodeUpperCase(c.text), String(c.upper)) << String(c.text);
        EXPECT_EQ(UnicodeLowerCase(c.text), String(c.lower)) << String(c.text);
    }
}

TEST(StyUnicodeTests, UpperCharTakesTheOrdinaryCapital)
{
    EXPECT_EQ(UnicodeUpperChar(u'k'), u'K');
    EXPECT_EQ(UnicodeUpperChar(u'\u03BC'), u'\u039C');   // mu gives capital mu, not the micro sign
    EXPECT_EQ(UnicodeUpperChar(u'\u017F'), u'\u017F');
    EXPECT_EQ(UnicodeUpperChar(u'\u00E5'), u'\u00C5');   // before the Angstrom sign
    EXPECT_EQ(UnicodeUpperChar(u'7'), u'7');
}

TEST(StyUnicodeTests, ComparisonIsOrdinalThenByLength)
{
    EXPECT_EQ(UnicodeCompareText("abc", "abd"), -1);
    EXPECT_EQ(UnicodeCompareText("abc", "ab"), 1);
    EXPECT_EQ(UnicodeCompareText("B", "a"), -1);
    EXPECT_EQ(UnicodeCompareText("", ""), 0);
    EXPECT_FALSE(UnicodeSameText(u"Stra\u00DFe", "STRASSE"));
    EXPECT_TRUE(UnicodeSameText(u"\u03BC\u03C3", u"\u039C\u03A3"));
    EXPECT_TRUE(UnicodeSameText(u"r\u00C9servoir", u"R\u00E9SERVOIR"));
}

TEST(StyUnicodeTests, TableHoldsOneEntryPerFoldingInSourceOrder)
{
    int counts[16] = {};
    for (int i = 0; i < StyCaseTableSize; ++i) {
        ++counts[StyCaseTable[i].Status];
    }
    EXPECT_EQ(counts[8], 2);
    EXPECT_GT(counts[1], 800);
    EXPECT_GT(counts[4], 100);
    EXPECT_EQ(counts[1] + counts[2] + counts[4] + counts[8], StyCaseTableSize);
}

TEST(StyUnicodeTests, WideCharacterHelpers)
{
    const char16_t text[] = u"dam,joint";
    EXPECT_EQ(WideStrScan(text, u','), text + 3);
    EXPECT_EQ(WideStrScan(text, u'x'), nullptr);
    char16_t buffer[4] = {u'a', u'a', u'a', u'a'};
    FillWideChars(buffer, 3, u'z');
    EXPECT_EQ(std::u16string(buffer, 4), u"zzza");
}
