#include <gtest/gtest.h>

#include "graphics/GxUtils.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/SysFormat.h"

namespace {

// Runs a test under the user's settings replaced by another record, put back afterwards.
class UserSettings {
public:
    explicit UserSettings(const TFormatSettings& settings) : FSaved(FormatSettings) { FormatSettings = settings; }
    ~UserSettings() { FormatSettings = FSaved; }

private:
    TFormatSettings FSaved;
};

String Chars(std::u16string text) { return String(std::move(text)); }

TEST(GxUtilsEscapes, EscapeTableAndCharactersAbove127)
{
    struct Case {
        std::u16string Text;
        const char* Escaped;
    } cases[] = {
        {u"\"", "\\u0022"}, {u"\\", "\\u005C"}, {u"\b", "\\u0008"}, {u"\f", "\\u000C"},
        {u"\n", "\\u000A"}, {u"\r", "\\u000D"}, {u"\t", "\\u0009"}, {u"/", "/"},
        {u"\x01", "\x01"},  {u"\u00e9", "\\u00E9"}, {u"\u20ac", "\\u20AC"}, {u"ab", "ab"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TGxUtils::EscapeString(Chars(c.Text)), String(c.Escaped)) << c.Escaped;
        EXPECT_EQ(TGxUtils::UnescapeString(TGxUtils::EscapeString(Chars(c.Text))), Chars(c.Text)) << c.Escaped;
    }
    // the short pairs read back too
    EXPECT_EQ(TGxUtils::UnescapeString("\\\\\\/\\b\\f\\n\\r\\t\\u0041"), Chars(u"\\/\b\f\n\r\tA"));
}

TEST(GxUtilsEscapes, BadEscapesNameTheirPosition)
{
    struct Case {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"a\\\"b", "Invalid code at position 2"},
        {"ab\\", "Unexpected end of string"},
        {"\\u12", "Invalid code at position 1"},
        {"xy\\u12G4", "Invalid code at position 3"},
        {"\\q", "Invalid code at position 1"},
    };
    for (const Case& c : cases) {
        try {
            TGxUtils::UnescapeString(c.Text);
            ADD_FAILURE() << c.Text;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), String(c.Message)) << c.Text;
        }
    }
}

TEST(GxUtilsMarkup, EntityTableRowsAndTheirQuirks)
{
    struct Case {
        int Row;
        char16_t Char;
        const char* Entity;
    } cases[] = {
        {1, u'&', "amp;"},          {4, u'"', "quot;"},        {5, u' ', "&nbsp;"},
        {6, 0xE9, "&eacute;"},      {26, 0xC9, "&Eacute;"},    {54, 0x20AC, "&euro;"},
        {60, 0xD5, "&Otilde"},      {61, 0x2122, "&trade;"},   {62, 0xA7, "&sect;"},
        {66, u'$', "&#36;"},        {67, 0xA7, "&sect;"},      {68, 0x2030, "&permil;"},
        {70, u'\'', "&#39;"},       {77, 0xFD, "&#x00FD;"},    {78, 0xDD, "&#221;"},
        {86, 0xD0, "&ETH;"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TGxUtils::GetSpecialChar(c.Row), String::FromChar(c.Char)) << c.Row;
        // repeated rows are found at their first place
        const int first = c.Row == 67 ? 62 : c.Row;
        EXPECT_EQ(TGxUtils::GetMarkupIndex(c.Entity), first - 1) << c.Entity;
    }
    EXPECT_EQ(TGxUtils::GetMarkupIndex("&NBSP;"), 4);       // letter case ignored ...
    EXPECT_EQ(TGxUtils::GetMarkupIndex("&Eacute;"), 25);   // ... but not with an accent word ...
    EXPECT_EQ(TGxUtils::GetMarkupIndex("&EACUTE;"), 5);    // ... written in lower case
    EXPECT_EQ(TGxUtils::GetMarkupIndex("&bogus;"), -1);
}

TEST(GxUtilsMarkup, EveryEntityCharacterComesBack)
{
    // rows 5 to 86 turn their character into their entity and back (the repeated rows agree)
    for (int row = 5; row <= 86; ++row) {
        const String c = TGxUtils::GetSpecialChar(row);
        const String fixed = TGxUtils::FixMarkup(c, true);
        EXPECT_NE(fixed, c) << row;
        EXPECT_EQ(Copy(fixed, 1, 1), "&") << row;
        EXPECT_EQ(TGxUtils::UnFixMarkup(fixed, true, false), c) << row;
    }
    EXPECT_THROW(TGxUtils::GetSpecialChar(87), ERangeError);
    EXPECT_THROW(TGxUtils::GetSpecialChar(0), ERangeError);
}

TEST(GxUtilsMarkup, FixAndUnfix)
{
    EXPECT_EQ(TGxUtils::FixMarkup("a<b & c", false), "a&lt;b &amp; c");
    EXPECT_EQ(TGxUtils::FixMarkup("a<b & c", true), "a&lt;b&nbsp;&amp;&nbsp;c");
    EXPECT_EQ(TGxUtils::FixMarkup("\"$5\"", true), "&quot;&#36;5&quot;");
    EXPECT_EQ(TGxUtils::FixMarkup(Chars(u"\u00e9\u20ac\u0101"), true), "&eacute;&euro;&#257;");
    EXPECT_EQ(TGxUtils::FixMarkup(Chars(u"\u0100"), true), Chars(u"\u0100"));   // codes up to 256 stay
    EXPECT_EQ(TGxUtils::UnFixMarkup("&Eacute;&eacute;", true, false), Chars(u"\u00c9\u00e9"));
    // "&amp;" is decoded before "&quot;", so an escaped entity text decodes twice
    EXPECT_EQ(TGxUtils::UnFixMarkup("&lt;b&gt; &amp;quot;", false, false), "<b> \"");
    EXPECT_EQ(TGxUtils::UnFixMarkup("&lt;a&nbsp;quot;", true, true), "&lt;a \"");
    // a decoded "&" joins the text after it into an entity that a later row decodes
    EXPECT_EQ(TGxUtils::UnFixMarkup("&amp;#36;", true, false), "$");
}

TEST(GxUtilsMarkup, StripTagsAndTellMarkup)
{
    EXPECT_EQ(TGxUtils::HTMLStrip("a<b>c<BR>d"), "ac\r\nd");
    EXPECT_EQ(TGxUtils::HTMLStrip("x<hr>y<br>"), "x\r\ny\r\n");
    EXPECT_EQ(TGxUtils::HTMLStrip("ab<c"), "ab<c");
    EXPECT_EQ(TGxUtils::HTMLStrip("<i>a</i>b<"), "ab<");
    EXPECT_TRUE(TGxUtils::IsHTML("line<br>"));
    EXPECT_TRUE(TGxUtils::IsHTML("<b>x</b>"));
    EXPECT_TRUE(TGxUtils::IsHTMLUnicode("<img/>"));
    EXPECT_FALSE(TGxUtils::IsHTML("a < b"));
}

TEST(GxUtilsSearch, CaseBlindPositionsAndReplacement)
{
    EXPECT_EQ(TGxUtils::IPos("<BR>", "a<br>b"), 2);
    EXPECT_EQ(TGxUtils::IPos(Chars(u"\u00c9"), Chars(u"x\u00e9")), 0);   // only ASCII letters fold
    Integer at = 0;
    EXPECT_EQ(TGxUtils::VarPos("B", "abB", at), 3);
    EXPECT_EQ(at, 3);
    EXPECT_EQ(TGxUtils::VarPosNoCase("B", "abB", at), 2);
    String text = "one <B>two</b>";
    EXPECT_TRUE(TGxUtils::TagReplaceString("<b>", "[", text));
    EXPECT_EQ(text, "one [two</b>");
    EXPECT_FALSE(TGxUtils::TagReplaceString("<i>", "[", text));
    EXPECT_EQ(TGxUtils::CharInStr("abc", 3), u'c');
    EXPECT_EQ(TGxUtils::CharInStr("abc", 0), u'\0');
    EXPECT_EQ(TGxUtils::CharInStr("abc", 4), u'\0');
}

TEST(GxUtilsSets, CharacterSetsAndQuoteAwareScanning)
{
    const TGxUtilsCharSet aab = TGxUtils::CreateCharSet("aab");
    EXPECT_EQ(TGxUtils::SubCharSet(aab, TGxUtils::CreateCharSet("b")), TGxUtils::CreateCharSet("aa"));
    EXPECT_EQ(TGxUtils::AddCharSet(aab, TGxUtils::CreateCharSet("c")), TGxUtils::CreateCharSet("aabc"));
    EXPECT_EQ(TGxUtils::AlphaCharSet().size(), 52u);
    EXPECT_EQ(TGxUtils::AlphaCharSet()[26], u'A');
    EXPECT_TRUE(TGxUtils::CharInSet(u'7', TGxUtils::NumericCharSet()));
    Integer at = 0;
    EXPECT_EQ(TGxUtils::FirstChar(TGxUtils::CreateCharSet("&|"), "\"a&b\"|c", at), u'|');
    EXPECT_EQ(at, 6);
    EXPECT_EQ(TGxUtils::FirstChar(TGxUtils::CreateCharSet("&"), "\"a&b\"", at), u'\0');
    EXPECT_EQ(at, -1);
    EXPECT_EQ(TGxUtils::StripLogicSpaces("a = \"b c\" & d"), "a=\"b c\"&d");
    EXPECT_EQ(TGxUtils::ClosingParenthesis("(a(b)c)d"), 7);
    EXPECT_EQ(TGxUtils::ClosingParenthesis("(a"), 0);
}

TEST(GxUtilsSplit, QuotedItemsKeepTheirDelimiters)
{
    TStringList list;
    TGxUtils::Split(u';', "a; b;\"c;d\";\"e\"\"f\";;", &list, false);
    ASSERT_EQ(list.Count(), 6);
    EXPECT_EQ(list.Get(1), " b");
    EXPECT_EQ(list.Get(2), "c;d");
    EXPECT_EQ(list.Get(3), "e\"f");
    EXPECT_EQ(list.Get(5), "");
    TGxUtils::Split(u';', "a;;b;", &list, true);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(1), "b");
}

TEST(GxUtilsDates, DayMonthYearInTheUsersFormat)
{
    UserSettings french(TFormatSettings::French());   // dd/MM/yyyy, "/" and ":"
    TDateTime date = 0;
    EXPECT_TRUE(TGxUtils::IsDate("31/12/2023 13:45", date));
    EXPECT_DOUBLE_EQ(date, EncodeDate(2023, 12, 31) + EncodeTime(13, 45, 0, 0));
    EXPECT_TRUE(TGxUtils::IsDate("1/2/2023 1:02:03", date));
    EXPECT_DOUBLE_EQ(date, EncodeDate(2023, 2, 1) + EncodeTime(1, 2, 3, 0));
    struct Case {
        const char* Text;
    } refused[] = {{"31/02/2023"}, {"12/2023"}, {"31/12/2023 13"}, {"32/1/2023"}, {"1/13/2023"},
                   {"a/1/2023"},   {"1/1/2023 24:00"}, {"1/1/2023 1:60"}, {"0/1/2023"}};
    for (const Case& c : refused) EXPECT_FALSE(TGxUtils::IsDate(c.Text, date)) << c.Text;
    // without a time separator the date is still handed out
    date = 0;
    EXPECT_FALSE(TGxUtils::IsDate("2/1/2023 13", date));
    EXPECT_DOUBLE_EQ(date, EncodeDate(2023, 1, 2));
}

TEST(GxUtilsMatching, WildcardsAndComparisons)
{
    struct Case {
        const char* Pattern;
        const char* Value;
        bool Expected;
    } cases[] = {
        {">=10", "10", true}, {">=10", "9", false}, {">10", "10", false}, {">=10", "abc", true},
        {"<5", "4.5", true},  {"<=5", "6", false},  {">1&<3", "2", true},  {">1&<3", "4", false},
        {">3^<1", "0", true}, {">3^<1", "2", false},
        {"a*c", "abc", true}, {"a?c", "ac", false}, {"a?c", "abc", true},  {"!a*", "abc", false},
        {"!a*", "xbc", true}, {"abc", "abd", false}, {"ab", "abc", false}, {"*", "x", true},
        {"a*", "", true},     {"", "x", true},       {"\"a\"*", "ab", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TGxUtils::Matches(c.Pattern, c.Value), c.Expected) << c.Pattern << " / " << c.Value;
    EXPECT_TRUE(TGxUtils::MatchStr("A*", "abc", false));
    EXPECT_FALSE(TGxUtils::MatchStr("A*", "abc", true));
}

TEST(GxUtilsMatching, FilterExpressionsWithGroupsAndOperators)
{
    struct Case {
        const char* Expression;
        const char* Value;
        bool Expected;
    } cases[] = {
        {"(a*|b*)&*c", "abc", true}, {"(a*|b*)&*d", "abc", false}, {"", "", true},    {"", "x", false},
        {"*", "", false},            {"= a* | x*", "xyz", true},  {"a*;b*", "bq", true}, {"a*&b*", "ab", false},
        {"(a*", "abc", true},        {"((a*))", "a", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TGxUtils::MatchStrEx(c.Expression, c.Value, false), c.Expected) << c.Expression << " / " << c.Value;
}

TEST(GxUtilsNumbers, DotConversionsLeaveTheUsersSettingsAlone)
{
    UserSettings french(TFormatSettings::French());
    const TFormatSettings before = FormatSettings;
    double value = 0;
    EXPECT_TRUE(TGxUtils::TryStrToFloatDot("1.5", value));
    EXPECT_DOUBLE_EQ(value, 1.5);
    EXPECT_FALSE(TGxUtils::TryStrToFloatDot("1,5", value));
    EXPECT_DOUBLE_EQ(TGxUtils::StrToFloatDot("-2.25E3"), -2250);
    EXPECT_EQ(TGxUtils::FloatToStrDot(0.1), "0.1");
    EXPECT_EQ(TGxUtils::FloatToStrDot(1.0 / 3), "0.333333333333333");   // 15 significant digits
    EXPECT_THROW(TGxUtils::StrToFloatDot("x"), EConvertError);
    EXPECT_EQ(FormatSettings.DecimalSeparator, before.DecimalSeparator);
    EXPECT_EQ(FormatSettings.ThousandSeparator, before.ThousandSeparator);
    EXPECT_EQ(FormatSettings.DecimalSeparator, u',');
}

TEST(GxUtilsNumbers, ByteSizesEpochsAndTheScrambler)
{
    UserSettings english(TFormatSettings::English());
    EXPECT_EQ(TGxUtils::FormatBytesAsString(1536), "1.50 KB");
    EXPECT_EQ(TGxUtils::FormatBytesAsString(512), "512 Bytes");
    EXPECT_EQ(TGxUtils::FormatBytesAsString(3.0L * 1024 * 1024 * 1024), "3.00 GB");
    EXPECT_EQ(TGxUtils::FormatBytesAsString(1024.0L * 1024 * 1024 * 1024 * 1024), "1024.00 TB");
    EXPECT_EQ(TGxUtils::FormatBytesAsString(-1), "");
    EXPECT_DOUBLE_EQ(TGxUtils::EpochToDateTime("86400"), EncodeDate(1970, 1, 2));
    EXPECT_DOUBLE_EQ(TGxUtils::EpochToDateTime("-43200"), EncodeDate(1969, 12, 31) + 0.5);
    EXPECT_THROW(TGxUtils::EpochToDateTime("4294967296"), EConvertError);
    const String text = Chars(u"Dam \u00e9 2.0");
    EXPECT_NE(TGxUtils::EnDeCrypt(text), text);
    EXPECT_EQ(TGxUtils::EnDeCrypt(TGxUtils::EnDeCrypt(text)), text);
    for (char16_t c = 0; c < 256; ++c)
        EXPECT_EQ(TGxUtils::EnDeCrypt(TGxUtils::EnDeCrypt(String::FromChar(c))), String::FromChar(c));
}

}  // namespace
