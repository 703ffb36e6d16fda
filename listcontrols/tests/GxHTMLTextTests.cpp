#include <gtest/gtest.h>

#include <iterator>

#include "listcontrols/GxHTML.h"

namespace {

String U(const char16_t* s) { return String(std::u16string(s)); }

TEST(MarkupText, NamedReferences)
{
    struct Case {
        const char* in;
        const char16_t* out;
    } cases[] = {
        {"&Eacute;t&eacute;", u"Été"},
        {"&EACUTE;", u"&EACUTE;"},         // letter case counts
        {"&Otilde;", u"Õ;"},               // its name has no semicolon
        {"&euro;&trade;&permil;", u"€™‰"},
        {"&dollar;&apos;&quot;", u"$'\""},
        {"&frac12;&deg;&plusmn;", u"½°±"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeNamedEntities(c.in), U(c.out)) << c.in;
    // Every entry of the table is its own character of the code page, and no name is missing.
    Integer count = 0;
    for (const TNamedEntity& e : NamedEntities) count += e.Name[0] == '&';
    EXPECT_EQ(count, 77);
}

TEST(MarkupText, NumericReferences)
{
    struct Case {
        const char* in;
        const char16_t* out;
    } cases[] = {
        {"&#65;", u"A"},
        {"&#x41;", u"A"},
        {"&#233;", u"é"},
        {"&#65 xyz;", u"Axyz;"},    // the ";" is too far: the reference ends at the blank
        {"&#65", u"&#65"},
        {"&#;x&#66;", u"&#;xB"},
        {"&#abc;&#67;", u"&#abc;C"},
        {"&&#65;&#66;", u"&&#65;&#66;"},   // escaped: the rest stays as written
        {"&#x1F600;", u"<J \U0001F600 >"},  // the whole hexadecimal value
        {"&#128512;", u"<J \U0001F600 >"},
        {"&#126979;", u"\uF003"},           // below the emoji range: the low 16 bits
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeNumericRefs(c.in), U(c.out)) << c.in;
}

TEST(MarkupText, RewritesAndNumbers)
{
    EXPECT_EQ(UnwrapHashTags("a<#12>b<#3>"), String("a#12b#3"));
    EXPECT_EQ(LineBreaksToBR("a\r\nb\nc", true), String("a<BR>bc"));
    EXPECT_EQ(LineBreaksToBR("a\r\nb", false), String("ab"));
    struct Case {
        const char* text;
        Integer value;
    } ints[] = {{"12", 12}, {" -1", -1}, {"-1\" x", -1}, {"$1F", 31}, {"0x10", 16}, {"x", 0}, {"7a", 7},
                {"99999999999", 999999999}};
    for (const Case& c : ints) EXPECT_EQ(LeadingInteger(c.text), c.value) << c.text;
    EXPECT_DOUBLE_EQ(LeadingFloat("1,5x"), 1.5);
    EXPECT_EQ(HexPairValue("fF"), 255);
    EXPECT_EQ(HexPairValue("F"), 0);
}

TEST(MarkupText, Colours)
{
    struct Case {
        const char* text;
        Cardinal colour;
    } cases[] = {{"#ff0000", 0x0000FF}, {"#FF0000", 0x0000FF}, {"#00ff80", 0x80FF00}, {"#F00", 0xF0},
                 {"#\u4e00\u4e00\u4e00\u4e00\u4e00\u4e00", 0x2F888359}};   // no digits: the sum wraps at 32 bits
    for (const Case& c : cases) EXPECT_EQ(static_cast<Cardinal>(ColorFromHex(c.text)), c.colour) << c.text;
    struct Name {
        const char* name;
        Cardinal colour;
    } names[] = {{"clred", 0x0000FF},          {"clnavy", 0x800000},      {"clteal", 0x808000},
                 {"clmaroon", 0x000080},       {"clolive", 0x008080},     {"clbackground", 0xFF000001},
                 {"clbtnface", 0xFF00000F},    {"cl3ddkshadow", 0xFF000015}, {"clinfobk", 0xFF000018},
                 {"clRed", 0},                 {"nocolour", 0}};
    for (const Name& n : names) EXPECT_EQ(static_cast<Cardinal>(ColorFromName(n.name)), n.colour) << n.name;
}

// The forty colour names, each with its colour (system colours as $FF0000nn).
TEST(MarkupText, TheColourNameTable)
{
    struct Name {
        const char* name;
        Cardinal colour;
    } names[] = {
        {"clred", 0x0000FF},           {"clblack", 0x000000},          {"clblue", 0xFF0000},
        {"clgreen", 0x008000},         {"claqua", 0xFFFF00},           {"clyellow", 0x00FFFF},
        {"clfuchsia", 0xFF00FF},       {"clwhite", 0xFFFFFF},          {"cllime", 0x00FF00},
        {"clsilver", 0xC0C0C0},        {"clgray", 0x808080},           {"clolive", 0x008080},
        {"clnavy", 0x800000},          {"clpurple", 0x800080},         {"clteal", 0x808000},
        {"clmaroon", 0x000080},        {"clbackground", 0xFF000001},   {"clactivecaption", 0xFF000002},
        {"clinactivecaption", 0xFF000003}, {"clmenu", 0xFF000004},     {"clwindow", 0xFF000005},
        {"clwindowframe", 0xFF000006}, {"clmenutext", 0xFF000007},     {"clwindowtext", 0xFF000008},
        {"clcaptiontext", 0xFF000009}, {"clactiveborder", 0xFF00000A}, {"clinactiveborder", 0xFF00000B},
        {"clappworkspace", 0xFF00000C}, {"clhighlight", 0xFF00000D},   {"clhighlighttext", 0xFF00000E},
        {"clbtnface", 0xFF00000F},     {"clbtnshadow", 0xFF000010},    {"clgraytext", 0xFF000011},
        {"clbtntext", 0xFF000012},     {"clinactivecaptiontext", 0xFF000013}, {"clbtnhighlight", 0xFF000014},
        {"cl3ddkshadow", 0xFF000015},  {"cl3dlight", 0xFF000016},      {"clinfotext", 0xFF000017},
        {"clinfobk", 0xFF000018},
    };
    static_assert(std::size(names) == 40);
    for (const Name& n : names) EXPECT_EQ(static_cast<Cardinal>(ColorFromName(n.name)), n.colour) << n.name;
    // Exact lower-case names only; anything else is black.
    for (const char* other : {"clRed", "CLBLUE", "red", "clred ", "clnone", ""})
        EXPECT_EQ(ColorFromName(other), 0) << other;
}

TEST(MarkupText, HighlightTagsGoAroundVisibleText)
{
    struct Case {
        const char* markup;
        const char* search;
        bool caseSensitive;
        const char* result;
    } cases[] = {
        {"abc", "b", false, "a<hi>b</hi>c"},
        {"a<B>b</B>c", "b", false, "a<hi><B>b</hi></B>c"},
        {"aaa", "a", false, "<hi>a</hi>a<hi>a</hi>"},
        {"aaaa", "aa", false, "<hi>aa</hi>aa"},
        {"abc", "B", false, "a<hi>b</hi>c"},
        {"abc", "B", true, "abc"},
        {"abc", "", false, "abc"},
    };
    for (const Case& c : cases) {
        String result;
        InsertHighlightTags(c.markup, c.search, "hi", result, c.caseSensitive);
        EXPECT_EQ(result, String(c.result)) << c.markup << " / " << c.search;
    }
    EXPECT_EQ(StripTags("A > b <i>c</i>"), String("A > b c"));
    String removed;
    RemoveHighlightTags("x<HI>y</hi>", "hi", removed);
    EXPECT_EQ(removed, String("xy"));
    RemoveHighlightTags(removed, "hi", removed);
    EXPECT_EQ(removed, String("xy"));
}

}  // namespace
