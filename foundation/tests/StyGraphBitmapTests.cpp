// Bitmap placement, transparent and masked blits, alpha blending and gradients.
#include <gtest/gtest.h>

#include "FoundationTestSupport.h"
#include "foundation/StyGraph.h"

namespace {

// A 4 x 3 picture on fuchsia: a black diagonal and one red pixel.
//   K...
//   .Kr.
//   ..K.
void SmallPicture(TBitmap& bmp)
{
    FilledBitmap(bmp, 4, 3, clFuchsia);
    bmp.Canvas().SetPixel(0, 0, clBlack);
    bmp.Canvas().SetPixel(1, 1, clBlack);
    bmp.Canvas().SetPixel(2, 1, clRed);
    bmp.Canvas().SetPixel(2, 2, clBlack);
}

const TLegend& Legend()
{
    static const TLegend legend = {{'K', clBlack}, {'r', clRed}, {'.', clFuchsia}, {'g', clLime}, {'w', clWhite}};
    return legend;
}

}  // namespace

TEST(StyGraphBitmaps, TransparentColourLeavesTheDestinationShowing)
{
    TBitmap src, dest;
    SmallPicture(src);
    FilledBitmap(dest, 6, 4, clLime);
    TRect drawn;
    DrawBitmapExt(dest.Canvas(), Rect(1, 1, 6, 4), &src.Canvas(), Rect(0, 0, 4, 3), dbTransparentColor, clFuchsia, {},
                  drawn);
    EXPECT_EQ(Picture(dest, Legend()), "gggggg/"
                                       "gKgggg/"
                                       "ggKrgg/"
                                       "gggKgg");
    EXPECT_EQ(drawn, Rect(1, 1, 5, 4));
}

TEST(StyGraphBitmaps, MaskCanvasSelectsThePixelsDrawn)
{
    TBitmap src, mask, dest;
    SmallPicture(src);
    // the mask: white (transparent) everywhere but the red pixel and the top-left one
    FilledBitmap(mask, 4, 3, clWhite);
    mask.Canvas().SetPixel(0, 0, clBlack);
    mask.Canvas().SetPixel(2, 1, clBlack);
    // the masked image must be black where the mask is white
    TBitmap image;
    FilledBitmap(image, 4, 3, clBlack);
    image.Canvas().SetPixel(0, 0, clRed);
    image.Canvas().SetPixel(2, 1, clRed);
    FilledBitmap(dest, 4, 3, clLime);
    TRect drawn;
    DrawBitmapExt(dest.Canvas(), Rect(0, 0, 4, 3), &image.Canvas(), Rect(0, 0, 4, 3), dbMasked, clNone,
                  {nullptr, &mask.Canvas()}, drawn);
    EXPECT_EQ(Picture(dest, Legend()), "rggg/"
                                       "ggrg/"
                                       "gggg");

    // a glyph drawn by its transparency record: mode 2, the fuchsia left out
    FilledBitmap(dest, 4, 3, clLime);
    TStyGlyphTransparency t;
    ASSERT_FALSE(TransparencyFromColor(t, nullptr));
    src.SetTransparentColor(clFuchsia);
    ASSERT_TRUE(TransparencyFromColor(t, &src));
    EXPECT_EQ(t.Mode, 2);
    DrawGlyphBitmap(dest.Canvas(), Rect(0, 0, 4, 3), src.Canvas(), t, Rect(0, 0, 4, 3));
    EXPECT_EQ(Picture(dest, Legend()), "Kggg/"
                                       "gKrg/"
                                       "ggKg");
}

TEST(StyGraphBitmaps, TransparentBitmapRoutineKeepsTheSource)
{
    TBitmap src, dest;
    SmallPicture(src);
    FilledBitmap(dest, 4, 3, clLime);
    DrawTransparentBitmap(dest.Canvas().Handle(), src, 0, 0, Rect(0, 0, 4, 3), clFuchsia);
    EXPECT_EQ(Picture(dest, Legend()), "Kggg/gKrg/ggKg");
    EXPECT_EQ(Picture(src, Legend()), "K.../.Kr./..K.");
}

TEST(StyGraphBitmaps, PlacementOfTiledStretchedAndCentredImages)
{
    TBitmap dest;
    FilledBitmap(dest, 120, 80, clWhite);
    TBitmap src(100, 50);
    TRect drawn;
    // stretched keeping the aspect ratio: the whole image fits at the top-left
    DrawBitmapExt(dest.Canvas(), Rect(0, 0, 60, 60), &src.Canvas(), Rect(0, 0, 100, 50),
                  dbStretch | dbKeepHeight | dbKeepWidth, clNone, {}, drawn);
    EXPECT_EQ(drawn, Rect(0, 0, 60, 30));
    DrawBitmapExt(dest.Canvas(), Rect(0, 0, 60, 60), &src.Canvas(), Rect(0, 0, 100, 50), dbStretch | dbKeepWidth,
                  clNone, {}, drawn);
    EXPECT_EQ(drawn, Rect(0, 0, 60, 30));
    DrawBitmapExt(dest.Canvas(), Rect(0, 0, 60, 60), &src.Canvas(), Rect(0, 0, 100, 50), dbStretch | dbKeepHeight,
                  clNone, {}, drawn);
    EXPECT_EQ(drawn, Rect(0, 0, 120, 60));
    DrawBitmapExt(dest.Canvas(), Rect(0, 0, 60, 60), &src.Canvas(), Rect(0, 0, 20, 10), dbCenter, clNone, {}, drawn);
    EXPECT_EQ(drawn, Rect(20, 25, 40, 35));

    // tiling a 10 x 5 rectangle with a 3 x 3 image: 4 columns and 2 rows, the last past the edge
    TBitmap tile;
    FilledBitmap(tile, 3, 3, clRed);
    tile.Canvas().SetPixel(0, 0, clBlack);
    FilledBitmap(dest, 14, 7, clWhite);
    DrawBitmapExt(dest.Canvas(), Rect(0, 0, 10, 5), &tile.Canvas(), Rect(0, 0, 3, 3), dbTile, clNone, {}, drawn);
    EXPECT_EQ(drawn, Rect(0, 0, 10, 5));
    EXPECT_EQ(Picture(dest, Legend()), "KrrKrrKrrKrrww/"
                                       "rrrrrrrrrrrrww/"
                                       "rrrrrrrrrrrrww/"
                                       "KrrKrrKrrKrrww/"
                                       "rrrrrrrrrrrrww/"
                                       "rrrrrrrrrrrrww/"
                                       "wwwwwwwwwwwwww");
    // with clipping the tiles stop at the rectangle
    FilledBitmap(dest, 14, 7, clWhite);
    DrawBitmapClipped(dest.Canvas(), Rect(0, 0, 10, 5), tile, dbTile | dbClip, clNone, 0);
    EXPECT_EQ(Picture(dest, Legend()), "KrrKrrKrrKwwww/"
                                       "rrrrrrrrrrwwww/"
                                       "rrrrrrrrrrwwww/"
                                       "KrrKrrKrrKwwww/"
                                       "rrrrrrrrrrwwww/"
                                       "wwwwwwwwwwwwww/"
                                       "wwwwwwwwwwwwww");
}

TEST(StyGraphBitmaps, AlphaBlendOfConstantAlpha)
{
    TBitmap src, dest;
    FilledBitmap(src, 2, 1, 0x00FF00);
    FilledBitmap(dest, 2, 1, 0x0000C8);
    AlphaBlendRect(dest.Canvas().Handle(), Rect(0, 0, 2, 1), src.Canvas().Handle(), Rect(0, 0, 2, 1), 0, true);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), 0x0000C8);   // alpha 0: d x 256 div 256
    AlphaBlendRect(dest.Canvas().Handle(), Rect(0, 0, 2, 1), src.Canvas().Handle(), Rect(0, 0, 2, 1), 128, true);
    // green (255 x 128 + 0 x 128) div 256 = 127, red (0 x 128 + 200 x 128) div 256 = 100
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), 0x007F64);
}

TEST(StyGraphGradients, ColourRampsAddTheirEndsOnce)
{
    TStyColorList list;
    BuildGradientColors(clRed, clBlue, 1, true, &list);
    EXPECT_EQ(list, TStyColorList{clRed});
    BuildGradientColors(clRed, clBlue, 1, false, &list);
    EXPECT_EQ(list, TStyColorList{clRed});
    BuildGradientColors(clRed, clBlue, 4, true, &list);
    EXPECT_EQ(list, (TStyColorList{0x0000FF, 0x5500AA, 0xAA0055, 0xFF0000}));
    BuildGradientColors(clBlue, clLime, 3, false, &list);   // continues without repeating blue
    EXPECT_EQ(list.size(), 6u);
    EXPECT_EQ(list[4], 0x7F8000);   // half way: blue 255 - 128, green 0 + 128
    EXPECT_EQ(list[5], clLime);
    EXPECT_EQ(GradientColorStep(0x000000, 0x0000FF, 1, 2), 0x00007F);
}

TEST(StyGraphGradients, FirstAndLastBandsOfHorizontalAndVerticalFills)
{
    TStyColorList ramp;
    BuildGradientColors(clRed, clBlue, 4, true, &ramp);
    const TLegend legend = {{'1', 0x0000FF}, {'2', 0x5500AA}, {'3', 0xAA0055}, {'4', 0xFF0000}, {'.', clWhite}};
    TBitmap bmp;
    FilledBitmap(bmp, 10, 2, clWhite);
    FillGradient(bmp.Canvas(), Rect(1, 0, 9, 2), gstHorizontal, &ramp, 0, 0);
    EXPECT_EQ(Picture(bmp, legend), ".11223344./"
                                    ".11223344.");
    FilledBitmap(bmp, 2, 9, clWhite);
    FillGradient(bmp.Canvas(), Rect(0, 1, 2, 9), gstVertical, &ramp, dbBuffered, 0);
    EXPECT_EQ(Picture(bmp, legend), "../11/11/22/22/33/33/44/44");
    // one colour fills the whole rectangle
    TStyColorList one{clLime};
    FilledBitmap(bmp, 3, 2, clWhite);
    FillGradient(bmp.Canvas(), Rect(0, 0, 3, 2), gstHorizontal, &one, 0, 0);
    EXPECT_EQ(Picture(bmp, {{'g', clLime}, {'.', clWhite}}), "ggg/ggg");
}

TEST(StyGraphGradients, TransparencyRecordsByKind)
{
    TStyGlyphTransparency t{2, nullptr, clRed};
    SetTransparencyDefault(t, true, 0);
    EXPECT_EQ(t.Mode, 2);
    SetTransparencyDefault(t, false, 3);
    EXPECT_EQ(t.Mode, 3);
    EXPECT_EQ(t.Color, clNone);
    SetTransparencyDefault(t, false, 1);
    EXPECT_EQ(t.Mode, 3);
    SetTransparencyDefault(t, false, 0);
    EXPECT_EQ(t.Mode, 0);
    TBitmap opaque(2, 2, TPixelFormat::pf24bit);
    EXPECT_FALSE(TransparencyFromAlpha(t, &opaque, TAlphaFormat::afDefined));
    EXPECT_FALSE(TransparencyFromAlpha(t, nullptr, TAlphaFormat::afDefined));
}
