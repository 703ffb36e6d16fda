#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "editcontrols/EcCoreUtils.h"
#include "platform/graphics/Bitmaps.h"

namespace {

TEST(EcCoreUtils, BlanksAreOnlyTheSpaceCharacter)
{
    EXPECT_EQ(StripBlanks("\t  a b  \t"), String("\t  a b  \t"));
    EXPECT_EQ(StripBlanks("  a b  "), String("a b"));
    EXPECT_EQ(StripLeadingBlanks("  a "), String("a "));
    EXPECT_EQ(StripTrailingBlanks("  a "), String("  a"));
    EXPECT_EQ(StripBlanks("   "), String());
    EXPECT_EQ(RemoveChar("a-b-c-", u'-'), String("abc"));
    EXPECT_EQ(FillString(u'x', 3), String("xxx"));
    EXPECT_EQ(FillString(u'x', -2), String());
    EXPECT_EQ(RepeatChar(u'0', 2), String("00"));
    EXPECT_TRUE(HasAnyChar("abc", "xyc"));
    EXPECT_FALSE(HasAnyChar("abc", ""));
}

TEST(EcCoreUtils, ReplaceAllTextNeverRescansItsReplacements)
{
    struct Case { const char *S, *Find, *Replacement, *Result; };
    const Case cases[] = {
        {"aa", "a", "aa", "aaaa"},
        {"aaa", "aa", "b", "ba"},
        {"Abc abc", "abc", "x", "Abc x"},   // exact case
        {"abc", "", "x", "abc"},
        {"", "a", "b", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(ReplaceAllText(c.S, c.Find, c.Replacement), String(c.Result)) << c.S;
}

TEST(EcCoreUtils, FileNamesRefuseWildcardsQuotesAndRedirections)
{
    EXPECT_TRUE(IsValidFileName("dam.dam"));
    EXPECT_TRUE(IsValidFileName("/home/engineer/dam 1.dam"));
    EXPECT_TRUE(IsValidFileName("C:\\dams\\a.dam"));
    EXPECT_FALSE(IsValidFileName(""));
    for (const char* bad : {"a<b", "a>b", "a\"b", "a?b", "a*b", "a|b"}) EXPECT_FALSE(IsValidFileName(bad)) << bad;
}

TEST(EcCoreUtils, FoundNamesOfTheFirstMatch)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "dorvane-ecfound";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "Reservoir Levels.dam") << "x";
    const String folder = dir.string();
    EXPECT_EQ(FoundLongName(folder + "/Reservoir*.dam"), String("Reservoir Levels.dam"));
    EXPECT_EQ(FoundShortName(folder + "/Reservoir Levels.dam"), String("Reservoir Levels.dam"));
    EXPECT_EQ(FoundLongName(folder + "/none*.dam"), String());
    std::filesystem::remove_all(dir);
}

TEST(EcCoreUtils, AScreenDeviceContextMeasuresTextAsABitmapDoes)
{
    std::unique_ptr<TCanvas> screen(NewScreenDC());
    TBitmap bitmap(10, 10);
    for (TCanvas* c : {screen.get(), &bitmap.Canvas()}) {
        c->Font().SetName("Tahoma");
        c->Font().SetSize(10);
    }
    EXPECT_GT(screen->TextWidth("Dam crest"), 0);
    EXPECT_EQ(screen->TextWidth("Dam crest"), bitmap.Canvas().TextWidth("Dam crest"));
    EXPECT_EQ(screen->TextHeight("Dam crest"), bitmap.Canvas().TextHeight("Dam crest"));
}

TEST(EcCoreUtils, DropPendingMessageTakesOneOffTheQueue)
{
    TWinControl window(nullptr);
    const Cardinal msg = WM_USER + 7;
    PostMessage(&window, msg, 1, 0);
    PostMessage(&window, msg, 2, 0);
    DropPendingMessage(&window, msg);
    TMsg left;
    ASSERT_TRUE(PeekMessage(&left, &window, msg, msg, PM_REMOVE));
    EXPECT_EQ(left.wParam, 2);
    EXPECT_FALSE(PeekMessage(&left, &window, msg, msg, PM_NOREMOVE));
    // the quit message stays pending with its exit code
    PostMessage(nullptr, WM_QUIT, 3, 0);
    DropPendingMessage(nullptr, WM_QUIT);
    ASSERT_TRUE(PeekMessage(&left, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(left.wParam, 3);
}

TEST(EcCoreUtils, FirstTokenOfACommandLine)
{
    struct Case { const char *Text, *First, *Rest; };
    const Case cases[] = {
        {"", "", ""},
        {"one two  three", "one", "two  three"},
        {"\"my dam.dam\"  next", "my dam.dam", "next"},
        {"\"unclosed quote", "unclosed quot", ""},   // a quoted token loses its first and last characters
        {"a\"b c\"d e", "a\"b c\"d", "e"},            // quoted parts inside a token
        {"  lead", "", "lead"},
        {"x\ty", "x", "y"},
    };
    for (const Case& c : cases) {
        String first, rest;
        FirstToken(c.Text, first, rest);
        EXPECT_EQ(first, String(c.First)) << c.Text;
        EXPECT_EQ(rest, String(c.Rest)) << c.Text;
    }
    EXPECT_EQ(SkipBlanks(" \t x", 1), 4);
    EXPECT_EQ(SkipToken("ab cd", 1), 3);
}

TEST(EcCoreUtils, RectanglesWithTheirEdges)
{
    const TRect r = Rect(2, 3, 10, 8);
    EXPECT_TRUE(PointInRectInclusive(r, {10, 8}));
    EXPECT_TRUE(PointInRectInclusive(r, {2, 3}));
    EXPECT_FALSE(PointInRectInclusive(r, {11, 8}));
    EXPECT_FALSE(PointInRectInclusive(r, {1, 5}));
    EXPECT_EQ(RectExtentX(r), 8);
    EXPECT_EQ(RectExtentY(Rect(0, 9, 0, 4)), 5);
}

// Widths measured on a bitmap's canvas, whatever the font gives.
TEST(EcCoreUtils, FitTextWithEllipsisShortensUntilItFits)
{
    TBitmap bitmap(10, 10);
    TCanvas& canvas = bitmap.Canvas();
    EXPECT_EQ(FitTextWithEllipsis("Reservoir", canvas, 1000), String("Reservoir"));
    const Integer dots = canvas.TextWidth("...");
    const String fitted = FitTextWithEllipsis("Reservoir level", canvas, canvas.TextWidth("Reserv") + dots);
    EXPECT_EQ(fitted, String("Reserv..."));
    EXPECT_EQ(FitTextWithEllipsis("W", canvas, 1), String("..."));   // one character: after the first step
}

}  // namespace
