// Pixel effects over scan lines.
#include <gtest/gtest.h>

#include "FoundationTestSupport.h"
#include "foundation/StyBmp.h"

namespace {

void Filled24(TBitmap& bmp, Integer w, Integer h, TColor c)
{
    FilledBitmap(bmp, w, h, c);
    bmp.SetPixelFormat(TPixelFormat::pf24bit);
}

}  // namespace

TEST(StyBmpTests, GreyWeightsOfPrimaryColours)
{
    struct Case {
        TColor colour;
        Byte grey;
    };
    for (const Case& c : {Case{clWhite, 254}, Case{clRed, 76}, Case{clLime, 150}, Case{clBlue, 28}}) {
        TBitmap src, dst;
        Filled24(src, 2, 2, c.colour);
        Filled24(dst, 2, 2, clBlack);
        BitmapGrayscaleCopy(src, Rect(0, 0, 2, 2), dst, Point(0, 0));
        EXPECT_EQ(dst.Canvas().Pixel(1, 1), c.grey | (c.grey << 8) | (c.grey << 16)) << c.colour;
    }
}

TEST(StyBmpTests, BrightnessBlendFlipAndMirror)
{
    TBitmap src, dst;
    Filled24(src, 3, 5, 0x808080);
    Filled24(dst, 3, 5, clBlack);
    BitmapBrightnessCopy(src, Rect(0, 0, 3, 5), dst, 255, Point(0, 0));
    EXPECT_EQ(dst.Canvas().Pixel(2, 4), clWhite);
    BitmapBrightnessCopy(src, Rect(0, 0, 3, 5), dst, -255, Point(1, 1));   // limited to the target
    EXPECT_EQ(dst.Canvas().Pixel(2, 4), clBlack);

    TBitmap a, b, t;
    Filled24(a, 1, 1, 0x0000C8);   // red 200
    Filled24(b, 1, 1, 0x000064);   // red 100
    Filled24(t, 1, 1, clBlack);
    BitmapBlendCopy(a, b, Rect(0, 0, 1, 1), Point(0, 0), t, 0.5f, Point(0, 0));
    EXPECT_EQ(t.Canvas().Pixel(0, 0), 0x000096);   // 150
    BitmapBlendCopy(b, a, Rect(0, 0, 1, 1), Point(0, 0), t, 0.5f, Point(0, 0));
    EXPECT_EQ(t.Canvas().Pixel(0, 0), 0x000096);

    // rows 0..4 numbered by their red; flipped, row 4 comes first and row 2 stays in the middle
    for (Integer y = 0; y < 5; ++y)
        for (Integer x = 0; x < 3; ++x) src.Canvas().SetPixel(x, y, y * 10 + x);
    BitmapFlipCopy(src, Rect(0, 0, 3, 5), dst, Point(0, 0));
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), 40);
    EXPECT_EQ(dst.Canvas().Pixel(0, 2), 20);
    BitmapMirrorCopy(src, Rect(0, 0, 3, 5), dst, Point(0, 0));
    EXPECT_EQ(dst.Canvas().Pixel(0, 1), 12);
    EXPECT_EQ(dst.Canvas().Pixel(1, 1), 11);
    BitmapInvertCopy(src, Rect(0, 0, 3, 5), dst, Point(0, 0));
    EXPECT_EQ(dst.Canvas().Pixel(0, 0), clWhite);
}

TEST(StyBmpTests, OtherPixelFormatsAreCopiedOrRefused)
{
    TBitmap src(4, 4, TPixelFormat::pf8bit), dst;
    Filled24(dst, 2, 2, clBlack);
    BitmapGrayscaleCopy(src, Rect(0, 0, 1, 1), dst, Point(0, 0));
    EXPECT_EQ(dst.Width(), 4);   // the whole source copied
    try {
        TBitmap ok;
        Filled24(ok, 2, 2, clBlack);
        BitmapBlendCopy(ok, src, Rect(0, 0, 1, 1), Point(0, 0), ok, 0.5f, Point(0, 0));
        FAIL();
    } catch (const EStyWrongPixelFormat& e) {
        EXPECT_EQ(e.Message(), String("Wrong PixelFormat in Source 2 bitmap!"));
    }
}
