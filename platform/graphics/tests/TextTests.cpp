#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/graphics/Backend.h"
#include "platform/graphics/ColorGlyphs.h"
#include "platform/graphics/GdiApi.h"

namespace {

class Text : public ::testing::Test {
protected:
    void SetUp() override
    {
        WhiteBitmap(Bmp, 80, 30);
        C().Font().SetName("Tahoma");
        C().Font().SetSize(8);
        C().Font().SetColor(clBlack);
    }
    TCanvas& C() { return Bmp.Canvas(); }
    TBitmap Bmp;
};

// Ink pixels (not the background colour) inside and outside a rectangle.
std::pair<int, int> Ink(TBitmap& bmp, const TRect& r, TColor background)
{
    int in = 0, out = 0;
    for (Integer y = 0; y < bmp.Height(); ++y)
        for (Integer x = 0; x < bmp.Width(); ++x)
            if (bmp.Canvas().Pixel(x, y) != background) (r.Contains({x, y}) ? in : out)++;
    return {in, out};
}

TEST_F(Text, FontsArePinnedAndMeasurementIsStable)
{
    std::vector<String> families = FontEngine().Families();
    for (const char* name : {"Tahoma", "MS Sans Serif", "Marlett", "Wingdings", "Symbol", "Liberation Sans",
                             "Liberation Serif", "Liberation Mono"})
        EXPECT_NE(std::find(families.begin(), families.end(), String(name)), families.end()) << name;
    EXPECT_EQ(C().Font().Height(), -11);
    EXPECT_EQ(C().TextWidth("Dam"), 21);
    EXPECT_EQ(C().TextHeight("Dam"), 13);
    TTextMetric tm = C().GetTextMetrics();
    EXPECT_EQ(tm.tmAscent, 11);
    EXPECT_EQ(tm.tmDescent, 2);
    EXPECT_EQ(tm.tmInternalLeading, 2);
    C().Font().SetName("Arial");   // Liberation Sans has Arial's measures
    EXPECT_EQ(C().TextWidth("Dam"), 21);
    EXPECT_EQ(C().TextHeight("Dam"), 12);
}

TEST_F(Text, EveryPinnedFontHasACellOfAFewPixelsAtEightPoints)
{
    // fonts made of embedded bitmaps keep their ascent and descent in design units too
    for (const char* name : {"Tahoma", "MS Sans Serif", "System", "Symbol", "Marlett", "Wingdings",
                             "Liberation Sans", "Liberation Mono"}) {
        C().Font().SetName(name);
        for (bool bold : {false, true}) {
            C().Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
            const TTextMetric tm = C().GetTextMetrics();
            EXPECT_GE(tm.tmHeight, 10) << name << " bold " << bold;
            EXPECT_LE(tm.tmHeight, 16) << name << " bold " << bold;
            EXPECT_EQ(C().TextHeight("Dam"), tm.tmHeight) << name;
        }
    }
}

TEST_F(Text, TextOutDrawsFromTheTopLeftWithAnOpaqueBackground)
{
    C().Brush().SetColor(clYellow);
    C().TextOut(5, 4, "Dam");
    const TRect box = Bounds(5, 4, 21, 13);
    auto [notWhite, outside] = Ink(Bmp, box, clWhite);
    EXPECT_EQ(notWhite, 21 * 13);   // background and letters fill the box exactly
    EXPECT_EQ(outside, 0);
    auto [notYellow, around] = Ink(Bmp, box, clYellow);
    EXPECT_GT(notYellow, 15);       // the letters
    EXPECT_LT(notYellow, 21 * 13 / 2);
    EXPECT_EQ(around, 80 * 30 - 21 * 13);
    EXPECT_EQ(C().PenPos(), Point(26, 4));
}

TEST_F(Text, TransparentTextLeavesTheBackground)
{
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().TextOut(5, 4, "Dam");
    auto [in, out] = Ink(Bmp, Bounds(5, 4, 21, 13), clWhite);
    EXPECT_GT(in, 15);
    EXPECT_LT(in, 21 * 13 / 2);
    EXPECT_EQ(out, 0);
}

// Colours and modes set on the handle after choosing a brush or font colour are the ones the text
// takes: the pending brush and font do not overrule them at the next drawing.
TEST_F(Text, HandleStateSetAfterChoosingBrushAndFontHolds)
{
    struct Case {
        const char* name;
        void (*set)(TCanvas&);
        TColor letters;
    };
    const Case cases[] = {
        {"transparent over a yellow brush",
         [](TCanvas& c) { c.Brush().SetColor(clYellow); c.SetBkMode(TRANSPARENT); }, clBlack},
        {"blue text over a red font",
         [](TCanvas& c) { c.Font().SetColor(clRed); c.SetTextColor(clBlue); c.SetBkMode(TRANSPARENT); }, clBlue},
        {"background colour over a solid brush",
         [](TCanvas& c) { c.Brush().SetColor(clYellow); c.SetBkColor(clWhite); }, clBlack},
    };
    for (const Case& k : cases) {
        WhiteBitmap(Bmp, 80, 30);
        C().Font().SetColor(clBlack);
        k.set(C());
        C().TextOut(5, 4, "Dam");
        Integer letters = 0, other = 0;
        for (Integer y = 0; y < Bmp.Height(); ++y)
            for (Integer x = 0; x < Bmp.Width(); ++x) {
                const TColor c = C().Pixel(x, y);
                if (c == k.letters) ++letters;
                else if (c != clWhite) ++other;
            }
        EXPECT_GT(letters, 15) << k.name;
        EXPECT_EQ(other, 0) << k.name;   // nothing under or between the letters
    }
}

TEST_F(Text, TextAlignmentMovesTheReferencePoint)
{
    C().Brush().SetStyle(TBrushStyle::bsClear);
    SetTextAlign(C().Handle(), TA_RIGHT | TA_BOTTOM);
    C().TextOut(40, 20, "Dam");
    auto [in, out] = Ink(Bmp, Rect(40 - 21, 20 - 13, 40, 20), clWhite);
    EXPECT_GT(in, 15);
    EXPECT_EQ(out, 0);
}

TEST_F(Text, TextRectClipsToItsRectangle)
{
    C().Brush().SetColor(clAqua);
    C().TextRect(Rect(5, 5, 12, 10), 3, 3, "Dam");
    auto [in, out] = Ink(Bmp, Rect(5, 5, 12, 10), clWhite);
    EXPECT_EQ(in, 7 * 5);
    EXPECT_EQ(out, 0);
}

TEST_F(Text, DrawTextMeasuresWrapsAndAligns)
{
    HDC dc = C().Handle();
    TRect r = Rect(0, 0, 30, 0);
    EXPECT_EQ(DrawText(dc, "Dam Dam Dam", -1, &r, DT_CALCRECT | DT_WORDBREAK), 3 * 13);
    EXPECT_EQ(r, Rect(0, 0, 21, 39));
    r = Rect(0, 0, 200, 0);
    EXPECT_EQ(DrawText(dc, "Dam\nDam", -1, &r, DT_CALCRECT), 26);
    EXPECT_EQ(DrawText(dc, "Dam\nDam", -1, &r, DT_CALCRECT | DT_SINGLELINE), 13);
    r = Rect(0, 0, 200, 0);
    DrawText(dc, "&Dam", -1, &r, DT_CALCRECT);
    EXPECT_EQ(r.Width(), 21);
    DrawText(dc, "&Dam", -1, &r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_GT(r.Width(), 21);

    C().Brush().SetStyle(TBrushStyle::bsClear);
    r = Rect(10, 5, 70, 25);
    EXPECT_EQ(DrawText(dc, "Dam", -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER), 3 + 13);
    auto [in, out] = Ink(Bmp, Rect(10 + 19, 5 + 3, 10 + 19 + 21, 5 + 3 + 13), clWhite);
    EXPECT_GT(in, 15);
    EXPECT_EQ(out, 0);
}

TEST_F(Text, CharacterExtraWidensTheText)
{
    SetTextCharacterExtra(C().Handle(), 2);
    EXPECT_EQ(C().TextWidth("Dam"), 21 + 6);
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().TextOut(5, 4, "Dam");
    auto [in, out] = Ink(Bmp, Bounds(5, 4, 27, 13), clWhite);
    EXPECT_GT(in, 15);
    EXPECT_EQ(out, 0);
}

TEST_F(Text, TabsGoToTheirStops)
{
    HDC dc = C().Handle();
    const Integer stops[2] = {40, -100};
    // "Dam" at 0, the next at the stop 40, the last right-aligned to end at 100
    EXPECT_EQ(GetTabbedTextExtent(dc, "Dam\tDam\tDam", -1, 2, stops), (13u << 16) | 100u);
    EXPECT_EQ(GetTabbedTextExtent(dc, "Dam", -1, 0, nullptr), (13u << 16) | 21u);
    C().Brush().SetStyle(TBrushStyle::bsClear);
    TabbedTextOut(dc, 0, 0, "Dam\tDam", -1, 2, stops, 0);
    auto [in, out] = Ink(Bmp, Rect(40, 0, 61, 13), clWhite);
    EXPECT_GT(in, 15);
    EXPECT_GT(out, 15);   // the first word
}

TEST_F(Text, TurnedFontRunsUpwards)
{
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().Font().SetOrientation(900);
    C().TextOut(10, 28, "Dam");
    // the text runs up from the reference point, its top to the left
    auto [in, out] = Ink(Bmp, Rect(10 - 1, 28 - 22, 10 + 14, 29), clWhite);
    EXPECT_GT(in, 15);
    EXPECT_EQ(out, 0);
}

// Markup or a damaged picture asking for a font a million pixels high gets the largest height,
// also through a mapping that magnifies; only the pixels on the bitmap are rendered.
TEST_F(Text, HugeFontsAreCutToTheLargestHeight)
{
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().Font().SetHeight(-1000000);
    EXPECT_EQ(C().TextHeight("H"), 4828);   // the cell of 4096-pixel characters
    // the bitmap lies inside the left stem of the first letter
    C().TextOut(-500, -2000, "HHH");
    EXPECT_EQ(Ink(Bmp, Rect(0, 0, 80, 30), clWhite), std::pair(80 * 30, 0));
    C().Font().SetOrientation(900);
    C().TextOut(0, 3000, "a long text in a huge font, turned");
    C().Font().SetOrientation(0);
    C().SetMapMode(MM_ANISOTROPIC);
    C().SetWindowExt(1, 1);
    C().SetViewportExt(100000, 100000);
    C().Font().SetHeight(-4096);
    EXPECT_EQ(C().TextHeight("H"), 0);
    C().TextOut(0, 0, "x");
}

// Markup asking for a font one pixel high gets spaces that have no width: a tab then expands to
// nothing instead of to spaces without end.
TEST_F(Text, TabsOfAFontWhoseSpaceHasNoWidthExpandToNothing)
{
    C().Font().SetHeight(-1);
    ASSERT_EQ(C().TextWidth(" "), 0);
    TRect r = Rect(0, 0, 80, 30);
    EXPECT_GT(DrawText(C().Handle(), "a\tb", -1, &r, DT_EXPANDTABS | DT_SINGLELINE | DT_CALCRECT), 0);
    EXPECT_EQ(r.Width(), C().TextWidth("ab"));
}

TEST_F(Text, DrawTextPlacesLinesByItsFlags)
{
    HDC dc = C().Handle();
    C().Brush().SetStyle(TBrushStyle::bsClear);
    struct Case {
        UINT Flags;
        TRect Expected;   // where the ink must lie
    };
    const TRect r = Rect(4, 2, 76, 28);
    for (Case c : {Case{DT_SINGLELINE | DT_RIGHT, Rect(76 - 21, 2, 76, 2 + 13)},
                   Case{DT_SINGLELINE | DT_BOTTOM, Rect(4, 28 - 13, 4 + 21, 28)},
                   Case{DT_SINGLELINE | DT_CENTER | DT_BOTTOM, Rect(4 + 25, 28 - 13, 4 + 25 + 21, 28)}}) {
        WhiteBitmap(Bmp, 80, 30);
        TRect box = r;
        DrawText(dc, "Dam", -1, &box, c.Flags);
        auto [in, out] = Ink(Bmp, c.Expected, clWhite);
        EXPECT_GT(in, 15) << c.Flags;
        EXPECT_EQ(out, 0) << c.Flags;
    }
    // the accelerator's underline: one row under the "D" only
    WhiteBitmap(Bmp, 80, 30);
    TRect box = Rect(0, 0, 80, 30);
    DrawText(dc, "&Dam", -1, &box, 0);
    const Integer underline = 11 + 1;
    const Integer dWidth = C().TextWidth("D");
    for (Integer x = 0; x < dWidth; ++x) EXPECT_EQ(C().Pixel(x, underline), clBlack) << x;
    EXPECT_EQ(C().Pixel(dWidth + 1, underline), clWhite);
}

TEST_F(Text, EndEllipsisShortensToTheWidth)
{
    HDC dc = C().Handle();
    TRect r = Rect(0, 0, 40, 20);
    C().Brush().SetStyle(TBrushStyle::bsClear);
    DrawText(dc, "Dam stability review", -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    auto [in, out] = Ink(Bmp, Rect(0, 0, 40, 20), clWhite);
    EXPECT_GT(in, 10);
    EXPECT_EQ(out, 0);
}

// The registered font engine, counting the characters it measures while the object lives.
class TCountingFonts : public TFontEngine {
public:
    TCountingFonts() : FInner(FontEngine()), FServices{this, &PrinterBackend(), &ClipboardBackend(), &ImageCodecBackend()}
    {
        RegisterGraphicsBackend(FServices);
    }
    ~TCountingFonts() override { RegisterGraphicsBackend({&FInner, FServices.Printers, FServices.Clipboard, FServices.ImageCodecs}); }
    TFontMetrics Metrics(const TFontSpec& font) override { return FInner.Metrics(font); }
    Integer TextWidth(const TFontSpec& font, const String& text) override
    {
        Measured += text.Length();
        return FInner.TextWidth(font, text);
    }
    TGlyphMask Render(const TFontSpec& font, const String& text, const TRect& visible) override
    {
        return FInner.Render(font, text, visible);
    }
    std::vector<String> Families() override { return FInner.Families(); }
    Integer Measured = 0;

private:
    TFontEngine& FInner;
    TGraphicsBackend FServices;
};

// What an ellipsis leaves of a head too wide before its tail: the head drops one character (or, for
// a word ellipsis, back to a blank) at a time until it, "..." and the tail fit.
String DroppedOneByOne(TCanvas& canvas, String head, const String& tail, Integer width, bool words)
{
    while (!head.IsEmpty() && canvas.TextWidth(head + "..." + tail) > width) {
        Delete(head, head.Length(), 1);
        while (words && !head.IsEmpty() && head[head.Length()] != u' ') Delete(head, head.Length(), 1);
    }
    return head + "..." + tail;
}

}  // namespace

TEST_F(Text, EllipsesKeepTheLongestPartThatFits)
{
    auto cut = [&](const String& text, Integer width, UINT ellipsis) {
        TRect r = Rect(0, 0, width, 20);
        DrawText(C().Handle(), text, -1, &r, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX | ellipsis);
        return r.Width();
    };
    const String texts[] = {"Dam stability review", "Uplift under the heel of the dam", "W", "", "a b c d e f"};
    for (const String& text : texts)
        for (Integer width : {0, 5, 12, 30, 47, 80, 400})
            for (bool words : {false, true}) {
                const String left = C().TextWidth(text) <= width ? text : DroppedOneByOne(C(), text, "", width, words);
                EXPECT_EQ(cut(text, width, words ? DT_WORD_ELLIPSIS : DT_END_ELLIPSIS), C().TextWidth(left))
                    << text.ToUtf8() << " in " << width << (words ? " by words" : "");
            }
    // a path keeps its last part and shortens the folders before it
    for (Integer width : {60, 90, 120})
        EXPECT_EQ(cut("C:/Dams/Reviews/2026/joint.ini", width, DT_PATH_ELLIPSIS),
                  C().TextWidth(DroppedOneByOne(C(), "C:/Dams/Reviews/2026", "/joint.ini", width, false)))
            << width;
}

// A long text cut to a narrow cell is measured a few times over, not once per character dropped.
TEST_F(Text, AnEllipsisMeasuresALongTextAFewTimesOver)
{
    String text;
    for (Integer i = 0; i < 2000; ++i) text += "Lnt size=\"3\">";
    TCountingFonts fonts;
    TRect r = Rect(0, 0, 200, 20);
    DrawText(C().Handle(), text, -1, &r, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_GT(fonts.Measured, text.Length());
    EXPECT_LT(fonts.Measured, 6 * text.Length());
}

TEST_F(Text, PartialExtentsGrowWithEachCharacterAndTellWhatFits)
{
    int dx[3] = {0, 0, 0};
    TSize size;
    ASSERT_TRUE(GetTextExtentExPoint(C().Handle(), "Dam", 3, 0, nullptr, dx, &size));
    EXPECT_EQ(size.cx, 21);
    EXPECT_EQ(size.cy, 13);
    EXPECT_EQ(dx[2], 21);   // the whole word
    EXPECT_LT(0, dx[0]);
    EXPECT_LT(dx[0], dx[1]);
    EXPECT_LT(dx[1], dx[2]);
    EXPECT_EQ(dx[0], C().TextWidth("D"));
    EXPECT_EQ(dx[1], C().TextWidth("Da"));

    struct Case { int maxExtent, fit; };
    const Case cases[] = {{0, 0}, {dx[0] - 1, 0}, {dx[0], 1}, {dx[1] - 1, 1}, {dx[1], 2}, {20, 2}, {21, 3}, {500, 3}};
    for (const Case& c : cases) {
        int fit = -1;
        GetTextExtentExPoint(C().Handle(), "Dam", 3, c.maxExtent, &fit, nullptr, &size);
        EXPECT_EQ(fit, c.fit) << "max " << c.maxExtent;
    }

    // a shorter count measures only the first characters; character extra counts after each one
    int two[2] = {0, 0};
    SetTextCharacterExtra(C().Handle(), 2);
    GetTextExtentExPoint(C().Handle(), "Dam", 2, 0, nullptr, two, &size);
    EXPECT_EQ(two[0], dx[0] + 2);
    EXPECT_EQ(two[1], dx[1] + 4);
    EXPECT_EQ(size.cx, dx[1] + 4);
}

TEST_F(Text, PartialExtentsOfALongLineAreThoseOfItsLeadingParts)
{
    // (inside a ligature such as "fi" the position between its letters is shared out evenly)
    const String line = "Uplift under the heel of the dam: 1.25 MPa, WAVE 0.75 m; iii ||| WWW AV To";
    const Integer n = line.Length();
    std::vector<int> dx(static_cast<size_t>(n));
    TSize size;
    ASSERT_TRUE(GetTextExtentExPoint(C().Handle(), line, n, 0, nullptr, dx.data(), &size));
    for (Integer i = 1; i <= n; ++i) EXPECT_EQ(dx[static_cast<size_t>(i - 1)], C().TextWidth(Copy(line, 1, i))) << i;
    EXPECT_EQ(size.cx, dx.back());
}

// An editor measures its whole text after every key; the extents of each edited text are those
// of the same text measured after an unrelated one, and a long run without spaces (a password's
// mask) is measured like its leading parts.
TEST_F(Text, PartialExtentsOfAnEditedTextAreThoseOfTheTextMeasuredAfresh)
{
    auto extents = [&](const String& s) {
        std::vector<int> dx(static_cast<size_t>(s.Length()));
        TSize size;
        EXPECT_TRUE(GetTextExtentExPoint(C().Handle(), s, s.Length(), 0, nullptr, dx.data(), &size));
        EXPECT_EQ(size.cx, dx.empty() ? 0 : dx.back());
        EXPECT_EQ(size.cy, 13);
        return dx;
    };
    const String line = "Normal water level 152.40 m, flood level 155.10 m, crest 156.00 m";
    struct Case {
        const char* Name;
        String Edited;
    };
    const Case cases[] = {
        {"a letter at the end", line + "x"},
        {"a word at the start", "Dam: " + line},
        {"a space taken out", Copy(line, 1, 12) + Copy(line, 14, line.Length())},
        {"a letter before a space", Copy(line, 1, 27) + "s" + Copy(line, 28, line.Length())},
        {"the end cut off", Copy(line, 1, 30)},
        {"a ligature split", Copy(line, 1, 30) + "i" + Copy(line, 31, line.Length())},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        extents("x");
        const std::vector<int> fresh = extents(c.Edited);
        extents(line);
        EXPECT_EQ(extents(c.Edited), fresh);
    }
    const String mask(300, u'*');
    const std::vector<int> dx = extents(mask);
    for (Integer i : {1, 63, 64, 65, 200, 300}) EXPECT_EQ(dx[static_cast<size_t>(i - 1)], C().TextWidth(Copy(mask, 1, i))) << i;
}

namespace {

// The grinning face of the colour emoji font keeps its yellow; ordinary text has one colour.
TEST(ColorText, EmojiKeepTheirColoursOverWhatIsThere)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 40, 30);
    DrawColorText(bmp.Canvas(), 4, 2, "Noto Color Emoji", 20, String(std::u16string(u"\U0001F600")));
    Integer yellow = 0, white = 0;
    for (Integer y = 0; y < 30; ++y)
        for (Integer x = 0; x < 40; ++x) {
            const Cardinal p = static_cast<Cardinal>(bmp.Canvas().Pixel(x, y));
            const Integer r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
            yellow += r > 200 && g > 150 && b < 100;
            white += p == 0xFFFFFF;
        }
    EXPECT_GT(yellow, 40);
    EXPECT_GT(white, 0);   // around the face the bitmap keeps its white
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), clWhite);
}

}  // namespace

// Outline fonts carry the TrueType bit in their metrics; the bitmap fonts do not.
TEST_F(Text, OutlineFontsAreMarkedTrueType)
{
    struct Case {
        const char* name;
        bool trueType;
    };
    for (const Case& c : {Case{"Arial", true}, Case{"Tahoma", true}, Case{"MS Sans Serif", false}}) {
        TBitmap bmp(4, 4);
        bmp.Canvas().Font().SetName(c.name);
        EXPECT_EQ((bmp.Canvas().GetTextMetrics().tmPitchAndFamily & TMPF_TRUETYPE) != 0, c.trueType) << c.name;
    }
}
