// Glyph strips: number of images, state images and the standard glyphs.
#include <gtest/gtest.h>

#include "FoundationTestSupport.h"
#include "foundation/StyGlyph.h"
#include "foundation/StyGraph.h"
#include "platform/rtl/Streams.h"

namespace {

// A strip of n square cells of the given size, cell i filled with colours[i].
void Strip(TBitmap& bmp, Integer size, const std::vector<TColor>& colours)
{
    FilledBitmap(bmp, size * static_cast<Integer>(colours.size()), size, clWhite);
    for (size_t i = 0; i < colours.size(); ++i) {
        bmp.Canvas().Brush().SetColor(colours[i]);
        bmp.Canvas().FillRect(Bounds(static_cast<Integer>(i) * size, 0, size, size));
    }
}

}  // namespace

TEST(StyGlyphTests, TheStripsShapeGivesTheNumberOfImages)
{
    TStyGlyph glyph;
    glyph.SetNumGlyphs(0);
    EXPECT_EQ(glyph.NumGlyphs(), 1);
    glyph.SetNumGlyphs(9);
    EXPECT_EQ(glyph.NumGlyphs(), 5);
    struct Case {
        Integer width, height, images;
    };
    for (const Case& c : {Case{64, 16, 4}, Case{100, 16, 1}, Case{96, 16, 1}, Case{16, 16, 1}}) {
        TBitmap bmp(c.width, c.height, TPixelFormat::pf24bit);
        glyph.SetGlyph(bmp);
        EXPECT_EQ(glyph.NumGlyphs(), c.images) << c.width << " x " << c.height;
    }
}

TEST(StyGlyphTests, StatesWithoutACellFallBack)
{
    TStyGlyph glyph;
    TBitmap strip;
    Strip(strip, 4, {clRed, clLime, clBlue});
    strip.SetPixelFormat(TPixelFormat::pf24bit);
    glyph.SetGlyph(strip);
    ASSERT_EQ(glyph.NumGlyphs(), 3);
    TBitmap image;
    glyph.GetStateBitmap(bsMouseOver, image);   // index 2: its own cell
    EXPECT_EQ(image.Width(), 4);
    EXPECT_EQ(image.Canvas().Pixel(1, 1), clBlue);
    glyph.GetStateBitmap(bsDisabledUp, image);   // both disabled states take cell 1
    EXPECT_EQ(image.Canvas().Pixel(1, 1), clLime);
    glyph.GetStateBitmap(bsDown, image);   // no cell 4 in the standard style: cell 0
    EXPECT_EQ(image.Canvas().Pixel(1, 1), clRed);
}

TEST(StyGlyphTests, OneImageGetsAnEmbossedDisabledCopyAndAShadedExplorerCopy)
{
    TStyGlyph glyph;
    // a black square on white: white is the transparent colour (bottom-left pixel)
    TBitmap strip;
    FilledBitmap(strip, 6, 6, clWhite);
    strip.SetPixelFormat(TPixelFormat::pf24bit);
    strip.Canvas().Brush().SetColor(clBlack);
    strip.Canvas().FillRect(Rect(1, 1, 4, 4));
    glyph.SetGlyph(strip);
    TBitmap up, disabled;
    glyph.GetStateBitmap(bsDown, up);
    EXPECT_EQ(up.Canvas().Pixel(2, 2), clBlack);
    glyph.GetStateBitmap(bsDisabledUp, disabled);
    // the shadow where the picture was, the highlight one pixel right and down of it
    EXPECT_EQ(ColorToRGB(disabled.Canvas().Pixel(2, 2)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(ColorToRGB(disabled.Canvas().Pixel(4, 4)), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(disabled.Canvas().Pixel(0, 5), clWhite);

    glyph.SetStyle(gsExplorer);
    TBitmap normal, hot;
    glyph.GetStateBitmap(bsUp, normal);
    glyph.GetStateBitmap(bsMouseOver, hot);
    EXPECT_EQ(hot.Canvas().Pixel(2, 2), clBlack);
    EXPECT_NE(normal.Canvas().Pixel(2, 2), clWhite);   // the shaded copy keeps the picture's place
    EXPECT_EQ(normal.Canvas().Pixel(0, 0), clWhite);   // and the background
}

// Every state's image of a strip of two 4 x 4 cells (a red and a lime square on white) is one
// cell: in the explorer look the normal state is the first cell shaded, the states without a cell
// of their own show the first cell.
TEST(StyGlyphTests, ExplorerImagesOfAStripAreOneCellEach)
{
    auto squares = [](TBitmap& bmp, const std::vector<TColor>& colours) {
        FilledBitmap(bmp, 4 * static_cast<Integer>(colours.size()), 4, clWhite);
        bmp.SetPixelFormat(TPixelFormat::pf24bit);
        for (size_t i = 0; i < colours.size(); ++i) {
            bmp.Canvas().Brush().SetColor(colours[i]);
            bmp.Canvas().FillRect(Bounds(4 * static_cast<Integer>(i) + 1, 1, 2, 2));
        }
    };
    TStyGlyph glyph;
    TBitmap strip, red, shaded;
    squares(strip, {clRed, clLime});
    glyph.SetGlyph(strip);
    glyph.SetStyle(gsExplorer);
    squares(red, {clRed});
    CreateShadedBitmap(shaded, red);
    const TLegend legend = {{'w', clWhite}, {'R', clRed}, {'L', clLime}, {'s', shaded.Canvas().Pixel(1, 1)}};
    ASSERT_EQ(Picture(shaded, legend), "wwww/wssw/wssw/wwww");
    const struct {
        TStyButtonState state;
        const char* picture;
    } cases[] = {
        {bsUp, "wwww/wssw/wssw/wwww"},         {bsMouseOver, "wwww/wRRw/wRRw/wwww"},
        {bsDown, "wwww/wRRw/wRRw/wwww"},       {bsDropDownOpen, "wwww/wRRw/wRRw/wwww"},
        {bsDisabledUp, "wwww/wLLw/wLLw/wwww"},
    };
    for (const auto& c : cases) {
        TBitmap image;
        glyph.GetStateBitmap(c.state, image);
        EXPECT_EQ(Picture(image, legend), c.picture) << c.state;
    }
}

TEST(StyGlyphTests, StandardGlyphsComeFromTheStrip)
{
    TBitmap folder, ellipsis;
    LoadStandardGlyph(&folder, gkFolder);
    LoadStandardGlyph(&ellipsis, gkEllipsis);
    EXPECT_EQ(folder.Width(), 13);
    EXPECT_EQ(folder.Height(), 14);
    EXPECT_EQ(folder.Canvas().Pixel(0, 13), clFuchsia);   // the transparent background
    EXPECT_EQ(folder.Canvas().Pixel(2, 5), clYellow);     // inside the folder
    EXPECT_EQ(ellipsis.Canvas().Pixel(1, 8), clBlack);    // the first dot
    LoadStandardGlyph(nullptr, gkFile);                   // nothing to load into
    // the strip itself: eight 13 x 14 cells in 16 colours
    TBitmap strip;
    TResourceStream stream("StyBMPGLYPH", "BITMAP");
    strip.LoadFromStream(stream);
    EXPECT_EQ(strip.Width(), 104);
    EXPECT_EQ(strip.Height(), 14);
    EXPECT_EQ(strip.PixelFormat(), TPixelFormat::pf4bit);
}
