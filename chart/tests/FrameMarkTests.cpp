#include <gtest/gtest.h>

#include "ChartTestSupport.h"
#include "chart/VEZ_vezbase_chart.h"

namespace {

class Marks : public ::testing::Test {
protected:
    void SetUp() override
    {
        WhiteBitmap(Bmp, 21, 21);
        C().Pen().SetColor(clBlack);
        C().Brush().SetColor(clWhite);
    }
    TCanvas& C() { return Bmp.Canvas(); }
    TBitmap Bmp;
};

// Pixels in the pen colour of each glyph drawn at the centre of a white bitmap.
TEST_F(Marks, GlyphPixelCounts)
{
    struct Case {
        Byte Mark;
        int Pixels;
    };
    const Case cases[] = {{0, 1},   {1, 5},   {2, 9},   {3, 13},  {4, 5},   {5, 9},   {6, 13},  {7, 9},
                          {8, 25},  {9, 49},  {10, 8},  {11, 16}, {12, 24}, {13, 13}, {18, 25}, {19, 12},
                          {20, 5},  {21, 7},  {22, 5},  {23, 7},  {37, 14}, {38, 17}, {50, 29}};
    for (const Case& c : cases) {
        SetUp();
        DrawMark(C(), c.Mark, 10, 10);
        EXPECT_EQ(CountColor(Bmp, clBlack), c.Pixels) << "mark " << int(c.Mark);
    }
}

TEST_F(Marks, PlusWithArmsOfThree)
{
    DrawMark(C(), 3, 10, 10);
    for (int d = -3; d <= 3; ++d) {
        EXPECT_EQ(C().Pixel(10 + d, 10), clBlack);
        EXPECT_EQ(C().Pixel(10, 10 + d), clBlack);
    }
}

TEST_F(Marks, CheckerboardSetsEvenOffsets)
{
    DrawMark(C(), 18, 10, 10);
    for (int dy = -3; dy <= 3; ++dy)
        for (int dx = -3; dx <= 3; ++dx)
            EXPECT_EQ(C().Pixel(10 + dx, 10 + dy) == clBlack, (dx + dy) % 2 == 0) << dx << "," << dy;
}

TEST_F(Marks, BrushColourIsKeptAndHollowShapesLeaveASolidBrush)
{
    C().Brush().SetColor(clYellow);
    C().Brush().SetStyle(TBrushStyle::bsClear);
    DrawMark(C(), 16, 10, 10);
    EXPECT_EQ(C().Brush().Style(), TBrushStyle::bsSolid);
    for (Byte m = 0; m <= 51; ++m) {
        C().Brush().SetColor(clYellow);
        DrawMark(C(), m, 10, 10);
        EXPECT_EQ(C().Brush().Color(), clYellow) << int(m);
    }
}

TEST_F(Marks, FilledShapesUseThePenColour)
{
    C().Pen().SetColor(clRed);
    DrawMark(C(), 24, 10, 10);   // filled circle (-3,-3,4,4)
    EXPECT_EQ(C().Pixel(10, 10), clRed);
    EXPECT_EQ(CountColor(Bmp, clWhite) + CountColor(Bmp, clRed), 21 * 21);
}

TEST_F(Marks, CharacterMarksAreCentredCharacters)
{
    TBitmap a, b;
    for (auto [mark, ch] : {std::pair<Byte, const char*>{65, "A"}, {203, "3"}, {52, "4"}}) {
        WhiteBitmap(a, 21, 21);
        WhiteBitmap(b, 21, 21);
        a.Canvas().Pen().SetColor(clBlack);
        DrawMark(a.Canvas(), mark, 10, 10);
        const TSize s = b.Canvas().TextExtent(ch);
        b.Canvas().Font().SetColor(clBlack);
        b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        b.Canvas().TextOut(10 - s.cx / 2, 10 - s.cy / 2, ch);
        EXPECT_EQ(Picture(a, clBlack), Picture(b, clBlack)) << int(mark);
        EXPECT_GT(CountColor(a, clBlack), 0);
    }
}

TEST(Frames, SimpleOutlineAndLoweredRings)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 10, 10);
    Draw3DFrame(bmp.Canvas(), fsSimple, 0, 0, 9, 9, clWhite, clSilver, clGray, clBlack, clBlack);
    EXPECT_EQ(CountColor(bmp, clBlack), 36);
    EXPECT_EQ(bmp.Canvas().Pixel(9, 9), clBlack);

    WhiteBitmap(bmp, 10, 10);
    Draw3DFrame(bmp.Canvas(), fsLowered, 0, 0, 9, 9, clRed, clLime, clBlue, clBlack, clBlack);
    // Outer ring: left and top in Shadow, right and bottom in HiLight; inner ring at 1..8.
    EXPECT_EQ(bmp.Canvas().Pixel(0, 5), clBlue);
    EXPECT_EQ(bmp.Canvas().Pixel(5, 0), clBlue);
    EXPECT_EQ(bmp.Canvas().Pixel(9, 5), clRed);
    EXPECT_EQ(bmp.Canvas().Pixel(5, 9), clRed);
    EXPECT_EQ(bmp.Canvas().Pixel(1, 5), clBlack);
    EXPECT_EQ(bmp.Canvas().Pixel(5, 1), clBlack);
    EXPECT_EQ(bmp.Canvas().Pixel(8, 5), clLime);
    EXPECT_EQ(bmp.Canvas().Pixel(5, 8), clLime);
    EXPECT_EQ(CountColor(bmp, clWhite), 36);   // the 6 x 6 inside stays
}

TEST(Frames, StyleBitSevenIgnoredAndUnknownStylesDrawNothing)
{
    TBitmap a, b;
    WhiteBitmap(a, 10, 10);
    WhiteBitmap(b, 10, 10);
    Draw3DFrame(a.Canvas(), 130, 0, 0, 9, 9, clRed, clLime, clBlue, clBlack, clBlack);
    Draw3DFrame(b.Canvas(), fsLowered, 0, 0, 9, 9, clRed, clLime, clBlue, clBlack, clBlack);
    EXPECT_EQ(Picture(a, clWhite), Picture(b, clWhite));
    WhiteBitmap(a, 10, 10);
    Draw3DFrame(a.Canvas(), 6, 0, 0, 9, 9, clRed, clLime, clBlue, clBlack, clBlack);
    EXPECT_EQ(CountColor(a, clWhite), 100);
}

}  // namespace
