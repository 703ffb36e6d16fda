#include <gtest/gtest.h>

#include "platform/graphics/Graphics.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(Colors, SystemColoursResolveOthersStay)
{
    EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xF0F0F0);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clWindowText), 0x000000);
    EXPECT_EQ(ColorToRGB(clHighlight), 0xD77800);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
    EXPECT_EQ(RGB(1, 2, 3), 0x030201u);
}

TEST(Colors, NamesBothWays)
{
    EXPECT_EQ(ColorToString(clBtnFace), "clBtnFace");
    EXPECT_EQ(ColorToString(0x102030), "$00102030");
    TColor c = 0;
    ASSERT_TRUE(IdentToColor("clskyblue", c));
    EXPECT_EQ(c, clSkyBlue);
    EXPECT_FALSE(IdentToColor("clNothing", c));
}

TEST(Colors, StringToColorReadsNamesAndNumbers)
{
    EXPECT_EQ(StringToColor("clRed"), clRed);
    EXPECT_EQ(StringToColor("$00102030"), 0x102030);
    EXPECT_EQ(StringToColor("255"), 255);
    EXPECT_EQ(StringToColor(ColorToString(clBtnFace)), clBtnFace);
    EXPECT_THROW(StringToColor("reddish"), EConvertError);
}

TEST(Font, SizeAndHeightAt96AndOtherResolutions)
{
    TFont f;
    EXPECT_EQ(f.Name(), "Tahoma");
    EXPECT_EQ(f.Size(), 8);
    struct Case {
        Integer Points, Height;
    };
    for (Case c : {Case{8, -11}, Case{9, -12}, Case{10, -13}, Case{12, -16}, Case{72, -96}}) {
        f.SetSize(c.Points);
        EXPECT_EQ(f.Height(), c.Height) << c.Points;
        EXPECT_EQ(f.Size(), c.Points);
    }
    TFont printer;
    printer.SetPixelsPerInch(600);
    f.SetSize(8);
    f.SetStyle({TFontStyle::fsBold});
    printer.Assign(f);   // keeps 8 points at 600 pixels per inch
    EXPECT_EQ(printer.Height(), -67);
    EXPECT_EQ(printer.Size(), 8);
    EXPECT_TRUE(printer.Style().Contains(TFontStyle::fsBold));
    EXPECT_EQ(printer.PixelsPerInch(), 600);
}

TEST(Font, HeightsBeyondAnyScreenAreCutToTheLargest)
{
    struct Case {
        Integer Points, Height;   // Height: 0 sets the points
    };
    const Case cases[] = {{999999, 0}, {INT32_MAX, 0}, {INT32_MIN, 0}, {0, INT32_MIN}, {0, INT32_MAX}, {0, -5000}};
    for (const Case& c : cases) {
        TFont f;
        if (c.Height == 0) f.SetSize(c.Points);
        else f.SetHeight(c.Height);
        EXPECT_EQ(std::abs(f.Height()), MaxFontHeight) << c.Points << " " << c.Height;
        EXPECT_EQ(std::abs(f.Size()), 3072) << c.Points << " " << c.Height;   // 4096 pixels at 96 per inch
    }
}

TEST(Font, ChangesAreAnnounced)
{
    TFont f;
    int changes = 0;
    f.OnChange = [&] { ++changes; };
    f.SetColor(clRed);
    f.SetColor(clRed);
    f.SetName("");   // an empty name is not taken
    f.SetSize(8);    // the same height
    EXPECT_EQ(changes, 1);
}

TEST(Brush, ColourMakesAClearBrushSolid)
{
    TBrush b;
    b.SetStyle(TBrushStyle::bsClear);
    b.SetColor(clRed);
    EXPECT_EQ(b.Style(), TBrushStyle::bsSolid);
    b.SetStyle(TBrushStyle::bsClear);
    b.SetColor(clRed);   // the same colour as before
    EXPECT_EQ(b.Style(), TBrushStyle::bsSolid);
    b.SetStyle(TBrushStyle::bsCross);
    b.SetColor(clBlue);
    EXPECT_EQ(b.Style(), TBrushStyle::bsCross);
}

TEST(Rects, Helpers)
{
    TRect r;
    EXPECT_TRUE(IntersectRect(r, Rect(0, 0, 10, 10), Rect(5, 5, 20, 20)));
    EXPECT_EQ(r, Rect(5, 5, 10, 10));
    EXPECT_FALSE(IntersectRect(r, Rect(0, 0, 5, 5), Rect(5, 5, 10, 10)));
    EXPECT_EQ(r, TRect{});
    UnionRect(r, Rect(0, 0, 2, 2), Rect(4, 4, 6, 6));
    EXPECT_EQ(r, Rect(0, 0, 6, 6));
    // a box whose far edges lie past the integer range ends at it
    EXPECT_EQ(Bounds(INT32_MAX, INT32_MIN, 10, -10), Rect(INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN));
    EXPECT_EQ(Bounds(-5, 3, 10, 2), Rect(-5, 3, 5, 5));
    EXPECT_TRUE(PtInRect(Rect(0, 0, 2, 2), Point(1, 1)));
    EXPECT_FALSE(PtInRect(Rect(0, 0, 2, 2), Point(2, 1)));
}

TEST(Rects, FloatRectanglesMeasureFromLeftAndTop)
{
    // a rectangle given right to left has a negative width; values are 32-bit floats
    const TRectF r{10.5f, 2.0f, 0.25f, 4.75f};
    EXPECT_FLOAT_EQ(r.Width(), -10.25f);
    EXPECT_FLOAT_EQ(r.Height(), 2.75f);
    EXPECT_EQ(sizeof(TRectF), 16u);
    EXPECT_EQ((TPointF{1.0f, 2.0f}), (TPointF{1.0f, 2.0f}));
    EXPECT_NE((TSizeF{1.0f, 2.0f}), (TSizeF{2.0f, 1.0f}));
}

}  // namespace
