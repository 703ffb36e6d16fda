#include <gtest/gtest.h>

#include "numerics/VEZ_xmlframe.h"

struct ScanCase {
    const char* text;
    Integer mode;
    double value;
    Integer endPos;
};

TEST(ScanNumber, ReadsNumbersAndStopsOnTheEndingCharacter)
{
    const ScanCase cases[] = {
        {"  12.5xyz", 1, 12.5, 7},
        {"3.", 1, 3, 3},
        {"3,5", 1, 3, 2},
        {"3,5", 2, 3.5, 4},
        {"3.5;", 3, 3.5, 4},
        {"E5", 1, 0, 1},
        {"1E400", 1, 1.7e308, 6},
        {"-1E400", 1, -1.7e308, 7},
        {"1E-400", 1, 0, 7},
        {"-2.5E2", 1, -250, 7},
        {"+7 ", 1, 7, 3},
        {"- 7", 1, 0, 2},
        {"", 1, 0, 1},
    };
    for (const ScanCase& c : cases) {
        Integer pos = 1;
        EXPECT_DOUBLE_EQ(ScanNumber(c.text, true, c.mode, pos), c.value) << c.text;
        EXPECT_EQ(pos, c.endPos) << c.text;
    }
}

TEST(ScanNumber, WithoutExponentStopsAtTheE)
{
    Integer pos = 1;
    EXPECT_DOUBLE_EQ(ScanNumber("2.5E3", false, 1, pos), 2.5);
    EXPECT_EQ(pos, 4);
}

TEST(ParseIntegerAt, ReadsSignedIntegersAndLeavesPosAfterThem)
{
    Integer pos = 1;
    EXPECT_EQ(ParseIntegerAt("  -42abc", pos), -42);
    EXPECT_EQ(pos, 6);
    pos = 4;
    EXPECT_EQ(ParseIntegerAt("ix=\"17\"", pos), 0);
    pos = 5;
    EXPECT_EQ(ParseIntegerAt("ix=\"17\"", pos), 17);
    EXPECT_EQ(pos, 7);
    pos = 1;
    EXPECT_EQ(ParseIntegerAt("", pos), 0);
    pos = 1;
    EXPECT_EQ(ParseIntegerAt("4294967297", pos), 1);  // 32-bit wrap-around
}

TEST(FindNthOccurrence, CountsFromStartAndIgnoresCaseWhenAsked)
{
    EXPECT_EQ(FindNthOccurrence("\"", "id=\"a\" x", 1, false, 2), 6);
    EXPECT_EQ(FindNthOccurrence("ab", "xAbab", 1, false, 1), 4);
    EXPECT_EQ(FindNthOccurrence("ab", "xAbab", 1, true, 2), 4);
    EXPECT_EQ(FindNthOccurrence("ab", "xAbab", -3, true, 1), 2);
    EXPECT_EQ(FindNthOccurrence("ab", "xAbab", 1, true, 3), 0);
}

TEST(XMLEncodeText, EncodesAngleBracketsAndHighCharacters)
{
    EXPECT_EQ(XMLEncodeText("m < ft > x & y"), String("m &lt; ft &gt; x & y"));
    EXPECT_EQ(XMLEncodeText(u"\u00e9t\u00e9"), String("&#233;t&#233;"));
}
