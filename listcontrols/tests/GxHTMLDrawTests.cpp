#include <gtest/gtest.h>

#include <cmath>

#include "listcontrols/GxHTML.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/testing/Driver.h"

namespace {

class RendererDrawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestInitialize();
        Bitmap.SetSize(128, 40);
        Bitmap.Canvas().Brush().SetColor(clWhite);
        Bitmap.Canvas().FillRect(TRect{0, 0, 128, 40});
    }
    TBitmap Bitmap;
};

// The grinning face comes from the colour emoji font: its yellow shows among the pixels.
TEST_F(RendererDrawing, EmojiAreDrawnInColourAndAdvanceByTheTextHeight)
{
    TCanvas& c = Bitmap.Canvas();
    c.Font().SetHeight(-11);
    const Integer height = c.TextHeight("gh");
    const String face(std::u16string(u"\U0001F600"));
    EXPECT_EQ(DrawColorEmoji(c, 10, 10, true, face, 8), height);
    EXPECT_EQ(c.Pixel(18, 18), clWhite);   // measuring draws nothing
    EXPECT_EQ(DrawColorEmoji(c, 10, 10, false, face, 8), height);
    Integer yellow = 0;
    for (Integer y = 0; y < 40; ++y)
        for (Integer x = 0; x < 40; ++x) {
            const Cardinal p = static_cast<Cardinal>(c.Pixel(x, y));
            const Integer r = p & 0xFF, g = (p >> 8) & 0xFF, b = (p >> 16) & 0xFF;
            if (r > 200 && g > 150 && b < 100) ++yellow;
        }
    EXPECT_GT(yellow, 10);
}

// Black to white in 64 bands over 128 pixels: bands 2 pixels apart, each drawn 3 wide so that it
// overlaps the next by one; the last band is 63/64 of the way, not white.
TEST_F(RendererDrawing, GradientBandsOverlapByOnePixel)
{
    TCanvas& c = Bitmap.Canvas();
    FillGradientRect(c, clBlack, clWhite, true, TRect{0, 0, 128, 10}, 64, clNone);
    EXPECT_EQ(c.Pixel(0, 5), clBlack);
    EXPECT_EQ(c.Pixel(1, 5), clBlack);
    EXPECT_EQ(static_cast<Cardinal>(c.Pixel(2, 5)) & 0xFF, static_cast<Cardinal>(std::nearbyint(255.0 / 64)));
    EXPECT_EQ(static_cast<Cardinal>(c.Pixel(127, 5)) & 0xFF, static_cast<Cardinal>(std::nearbyint(63 * 255.0 / 64)));
    FillGradientRect(c, clRed, clBlue, false, TRect{0, 20, 10, 40}, 0, clBlack);   // no bands: one
    EXPECT_EQ(c.Pixel(0, 20), clBlack);   // the frame
    EXPECT_EQ(c.Pixel(5, 30), clRed);
}

// Icons of the desktop: a folder's own icon in the small list's size; a number names no icon here.
TEST_F(RendererDrawing, ShellIconsComeFromTheDesktop)
{
    InitQtServices();
    TSize size;
    DrawSystemIcon(Bitmap.Canvas(), 4, 4, size, 1.0, false, true, false, "/tmp");
    EXPECT_EQ(size, (TSize{16, 16}));
    Integer changed = 0;
    for (Integer y = 4; y < 20; ++y)
        for (Integer x = 4; x < 20; ++x) changed += Bitmap.Canvas().Pixel(x, y) != clWhite;
    EXPECT_GT(changed, 20);
    DrawSystemIcon(Bitmap.Canvas(), 40, 4, size, 1.0, false, true, true, "3");
    EXPECT_EQ(size, (TSize{32, 32}));
    EXPECT_EQ(Bitmap.Canvas().Pixel(50, 14), clWhite);
    EXPECT_TRUE(IsDirectoryPath("/tmp"));
    EXPECT_FALSE(IsDirectoryPath("/no/such/folder"));
}

}  // namespace
