#include <gtest/gtest.h>

#include "TestSupport.h"
#include "platform/graphics/GdiApi.h"
#include "platform/graphics/Raster.h"

namespace {

class CanvasPixels : public ::testing::Test {
protected:
    void SetUp() override
    {
        WhiteBitmap(Bmp, 12, 8);
        C().Pen().SetColor(clBlack);
        C().Brush().SetColor(clWhite);
    }
    TCanvas& C() { return Bmp.Canvas(); }
    TBitmap Bmp;
};

TEST_F(CanvasPixels, RectangleOutlinesRightAndBottomExclusive)
{
    C().Rectangle(2, 1, 8, 5);
    EXPECT_EQ(Picture(Bmp, clBlack), "............/"
                                     "..XXXXXX..../"
                                     "..X....X..../"
                                     "..X....X..../"
                                     "..XXXXXX..../"
                                     "............/"
                                     "............/"
                                     "............");
}

TEST_F(CanvasPixels, RectangleFillsInsideThePen)
{
    C().Brush().SetColor(clRed);
    C().Rectangle(1, 1, 5, 5);
    EXPECT_EQ(Picture(Bmp, clRed), "............/"
                                   "............/"
                                   "..XX......../"
                                   "..XX......../"
                                   "............/"
                                   "............/"
                                   "............/"
                                   "............");
}

TEST_F(CanvasPixels, EllipseCoversTheCircleOfItsBox)
{
    C().Ellipse(1, 1, 6, 6);
    C().Ellipse(7, 1, 11, 5);
    EXPECT_EQ(Picture(Bmp, clBlack), "............/"
                                     "..XXX...XX../"
                                     ".X...X.X..X./"
                                     ".X...X.X..X./"
                                     ".X...X..XX../"
                                     "..XXX......./"
                                     "............/"
                                     "............");
}

TEST_F(CanvasPixels, WidePensHaveRoundEndsAndJoins)
{
    C().Pen().SetWidth(3);
    C().Polyline({{1, 1}, {5, 1}, {5, 5}});
    C().Pen().SetWidth(4);
    C().MoveTo(8, 6);
    C().LineTo(10, 2);
    EXPECT_EQ(Picture(Bmp, clBlack), "XXXXXXX...../"
                                     "XXXXXXX...XX/"
                                     "XXXXXXX..XXX/"
                                     "....XXX.XXXX/"
                                     "....XXX.XXXX/"
                                     "....XXXXXXXX/"
                                     "....XXXXXXX./"
                                     ".......XXXX.");
}

// A damaged picture asks for pens a million pixels wide, shapes of two billion pixels and points
// at the ends of the integer range: the canvas draws what falls on its pixels, no more.
TEST_F(CanvasPixels, HostileSizesCostOnlyThePixelsDrawn)
{
    C().Pen().SetWidth(1000000);
    C().MoveTo(-1000000000, 4);
    C().LineTo(1000000000, 4);
    EXPECT_EQ(Picture(Bmp, clBlack), "XXXXXXXXXXXX/XXXXXXXXXXXX/XXXXXXXXXXXX/XXXXXXXXXXXX/"
                                     "XXXXXXXXXXXX/XXXXXXXXXXXX/XXXXXXXXXXXX/XXXXXXXXXXXX");
    WhiteBitmap(Bmp, 12, 8);
    C().Pen().SetWidth(100);
    C().Ellipse(-1000000000, -1000000000, 1000000000, 1000000000);   // its ring lies far outside
    C().Arc(-1000000000, -1000000000, 1000000000, 1000000000, 0, 0, 1, 1);
    C().Pen().SetWidth(1);
    C().SetWindowOrg(-2147483000, 0);
    C().MoveTo(2147483000, 4);
    C().LineTo(2147483647, 4);
    EXPECT_EQ(Picture(Bmp, clBlack), "............/............/............/............/"
                                     "............/............/............/............");
}

TEST_F(CanvasPixels, LineLeavesOutItsEndPixel)
{
    C().MoveTo(0, 0);
    C().LineTo(6, 0);
    C().MoveTo(0, 2);
    C().LineTo(6, 5);
    C().MoveTo(11, 7);
    C().LineTo(11, 4);
    EXPECT_EQ(Picture(Bmp, clBlack), "XXXXXX....../"
                                     "............/"
                                     "XX........../"
                                     "..XX......../"
                                     "....XX....../"
                                     "...........X/"
                                     "...........X/"
                                     "...........X");
    EXPECT_EQ(C().PenPos(), Point(11, 4));
}

TEST_F(CanvasPixels, PolygonFillsByTheAlternateRule)
{
    // two overlapping squares drawn as one figure: the overlap is outside by the alternate rule
    C().Pen().SetStyle(TPenStyle::psClear);
    C().Brush().SetColor(clBlue);
    C().Polygon({{0, 0}, {6, 0}, {6, 6}, {3, 6}, {3, 3}, {9, 3}, {9, 8}, {0, 8}});
    TBitmap& b = Bmp;
    EXPECT_EQ(b.Canvas().Pixel(1, 1), clBlue);
    EXPECT_EQ(b.Canvas().Pixel(4, 4), clWhite);
    EXPECT_EQ(b.Canvas().Pixel(7, 4), clBlue);
    EXPECT_EQ(b.Canvas().Pixel(1, 7), clBlue);
}

TEST_F(CanvasPixels, EmptyShapesDrawNothing)
{
    C().Brush().SetColor(clRed);
    C().Pen().SetMode(TPenMode::pmXor);
    C().Rectangle(3, 3, 3, 7);
    C().Rectangle(2, 5, 9, 5);
    C().Ellipse(4, 4, 4, 4);
    C().RoundRect(1, 1, 1, 6, 2, 2);
    C().FillRect(Rect(6, 2, 2, 6));
    C().FrameRect(Rect(5, 5, 5, 5));
    C().DrawFocusRect(Rect(2, 2, 2, 2));
    EXPECT_EQ(Picture(Bmp, clWhite).find('.'), std::string::npos);
}

TEST_F(CanvasPixels, ClipRegionLimitsDrawing)
{
    HRGN a = CreateRectRgn(1, 1, 4, 3);
    HRGN b = CreateRectRgn(6, 4, 8, 6);
    CombineRgn(a, a, b, RGN_OR);
    SelectClipRgn(C().Handle(), a);
    C().Brush().SetColor(clBlack);
    C().FillRect(Rect(0, 0, 12, 8));
    C().MoveTo(0, 7);
    C().LineTo(12, 7);
    EXPECT_EQ(Picture(Bmp, clBlack), "............/"
                                     ".XXX......../"
                                     ".XXX......../"
                                     "............/"
                                     "......XX..../"
                                     "......XX..../"
                                     "............/"
                                     "............");
    DeleteObject(a);
    DeleteObject(b);
}

// A window being painted reaches only its update region: a clip region selected inside it, or
// no clip region at all, never draws outside, and SaveDC / RestoreDC leave it alone.
TEST_F(CanvasPixels, VisibleRegionHoldsWhateverTheClipRegion)
{
    TRegion visible(Rect(2, 1, 10, 6));
    C().SetVisibleRegion(&visible);
    C().Brush().SetColor(clBlack);
    HRGN r = CreateRectRgn(0, 0, 5, 3);
    SelectClipRgn(C().Handle(), r);
    C().FillRect(Rect(0, 0, 12, 8));
    const int saved = C().SaveDC();
    SelectClipRgn(C().Handle(), nullptr);
    C().RestoreDC(saved);
    C().Brush().SetColor(clRed);
    C().FillRect(Rect(0, 4, 12, 8));
    SelectClipRgn(C().Handle(), nullptr);
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().Rectangle(1, 2, 11, 8);   // only its top edge lies in the visible region
    EXPECT_EQ(Picture(Bmp, clBlack), "............/"
                                     "..XXX......./"
                                     "..XXXXXXXX../"
                                     "............/"
                                     "............/"
                                     "............/"
                                     "............/"
                                     "............");
    EXPECT_EQ(Picture(Bmp, clRed).find('X'), std::string::npos);
    EXPECT_EQ(C().ClipRect(), Rect(2, 1, 10, 6));
    DeleteObject(r);
}

// Every raster operation drawn twice in XOR mode gives back the picture it started from.
TEST(CanvasXor, XorDrawnTwiceRestoresEveryPixel)
{
    TBitmap bmp(40, 30);
    TPixelBuffer px;
    bmp.GetPixels(px);
    for (Integer y = 0; y < 30; ++y)
        for (Integer x = 0; x < 40; ++x) px.Row(y)[x] = Cardinal(x * 6151 + y * 977) & 0xFFFFFF;
    std::vector<Cardinal> before(px.Bits, px.Bits + 40 * 30);
    TCanvas& c = bmp.Canvas();
    c.Pen().SetMode(TPenMode::pmXor);
    c.Pen().SetColor(0x3366CC);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    for (int pass = 0; pass < 2; ++pass) {
        c.MoveTo(1, 2);
        c.LineTo(37, 25);
        c.Polyline({{5, 5}, {30, 8}, {12, 27}, {3, 6}});
        c.Rectangle(4, 4, 33, 22);
        c.Ellipse(8, 3, 29, 26);
    }
    bmp.GetPixels(px);
    EXPECT_EQ(std::vector<Cardinal>(px.Bits, px.Bits + 40 * 30), before);
}

TEST(CanvasRaster, BinaryRasterOperations)
{
    const Cardinal p = 0x00F0CC, d = 0x0FAA33;
    struct Case {
        TPenMode Mode;
        Cardinal Expected;
    };
    for (Case c : {Case{TPenMode::pmBlack, 0}, Case{TPenMode::pmWhite, 0xFFFFFF}, Case{TPenMode::pmNop, d},
                   Case{TPenMode::pmNot, ~d & 0xFFFFFF}, Case{TPenMode::pmCopy, p},
                   Case{TPenMode::pmNotCopy, ~p & 0xFFFFFF}, Case{TPenMode::pmMergePenNot, (p | ~d) & 0xFFFFFF},
                   Case{TPenMode::pmMaskPenNot, p & ~d}, Case{TPenMode::pmMergeNotPen, (~p | d) & 0xFFFFFF},
                   Case{TPenMode::pmMaskNotPen, ~p & d}, Case{TPenMode::pmMerge, p | d},
                   Case{TPenMode::pmNotMerge, ~(p | d) & 0xFFFFFF}, Case{TPenMode::pmMask, p & d},
                   Case{TPenMode::pmNotMask, ~(p & d) & 0xFFFFFF}, Case{TPenMode::pmXor, p ^ d},
                   Case{TPenMode::pmNotXor, ~(p ^ d) & 0xFFFFFF}})
        EXPECT_EQ(raster::Rop2(raster::PenModeToRop2(c.Mode), p, d), c.Expected) << static_cast<int>(c.Mode);
}

// A monochrome pattern brush paints its 1 bits in the background colour and its 0 bits in the
// text colour, aligned to the device origin, in a pattern blit and in a fill: the 50 % hatch
// darkens every other pixel through "destination AND pattern" (0xA000C9).
TEST_F(CanvasPixels, MonochromePatternBrushTakesTextAndBackgroundColours)
{
    TBitmap pattern(8, 8, TPixelFormat::pf1bit);
    for (Integer y = 0; y < 8; ++y) pattern.ScanLine(y)[0] = y % 2 ? 0x55 : 0xAA;
    C().Brush().SetBitmap(&pattern);
    SetBkColor(C().Handle(), clRed);
    SetTextColor(C().Handle(), clWhite);
    PatBlt(C().Handle(), 1, 1, 6, 3, 0x00A000C9);
    EXPECT_EQ(Picture(Bmp, clBlack).find('X'), std::string::npos);   // 0 bits leave white alone
    EXPECT_EQ(Picture(Bmp, clRed), "............/"
                                   ".X.X.X....../"
                                   "..X.X.X...../"
                                   ".X.X.X....../"
                                   "............/"
                                   "............/"
                                   "............/"
                                   "............");
    C().Font().SetColor(clBlue);   // the canvas's text colour
    C().FillRect(Rect(8, 5, 10, 7));
    EXPECT_EQ(Picture(Bmp, clBlue), "............/"
                                    "............/"
                                    "............/"
                                    "............/"
                                    "............/"
                                    "........X.../"
                                    ".........X../"
                                    "............");
    EXPECT_EQ(C().Pixel(9, 5), clRed);
}

TEST(CanvasRaster, TernaryBlitCombinesPatternSourceAndDestination)
{
    TBitmap dst(4, 1), src(4, 1);
    TPixelBuffer d, s;
    dst.GetPixels(d);
    src.GetPixels(s);
    const Cardinal dv[4] = {0x123456, 0xFF00FF, 0x00FF00, 0xA5A5A5}, sv[4] = {0x0F0F0F, 0xFFFFFF, 0x000000, 0x5A5A5A};
    struct Case {
        Cardinal Rop;
        Cardinal (*Expected)(Cardinal p, Cardinal s, Cardinal d);
    };
    const Case cases[] = {
        {SRCCOPY, [](Cardinal, Cardinal s, Cardinal) { return s; }},
        {SRCAND, [](Cardinal, Cardinal s, Cardinal d) { return s & d; }},
        {SRCPAINT, [](Cardinal, Cardinal s, Cardinal d) { return s | d; }},
        {SRCINVERT, [](Cardinal, Cardinal s, Cardinal d) { return s ^ d; }},
        {MERGECOPY, [](Cardinal p, Cardinal s, Cardinal) { return p & s; }},
        {0x00B8074A, [](Cardinal p, Cardinal s, Cardinal d) { return ((p ^ d) & s) ^ p; }},   // PSDPxax: source selects D over P
    };
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i) {
            d.Row(0)[i] = dv[i];
            s.Row(0)[i] = sv[i];
        }
        dst.Canvas().Brush().SetColor(0x336699);   // pixel 0x996633
        dst.Canvas().StretchBlt(Rect(0, 0, 4, 1), src, Rect(0, 0, 4, 1), c.Rop);
        dst.GetPixels(d);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(d.Row(0)[i], c.Expected(0x996633, sv[i], dv[i]) & 0xFFFFFF) << std::hex << c.Rop << " " << i;
    }
}

TEST_F(CanvasPixels, StyledPenGapsTakeTheBackgroundWhenOpaque)
{
    WhiteBitmap(Bmp, 12, 2);
    C().Pen().SetStyle(TPenStyle::psDot);
    C().Brush().SetColor(clRed);   // solid brush: opaque background in its colour
    C().MoveTo(0, 0);
    C().LineTo(12, 0);
    C().Brush().SetStyle(TBrushStyle::bsClear);   // transparent: gaps untouched
    C().MoveTo(0, 1);
    C().LineTo(12, 1);
    EXPECT_EQ(Picture(Bmp, clBlack), "XXX...XXX.../XXX...XXX...");
    EXPECT_EQ(Picture(Bmp, clRed), "...XXX...XXX/............");
}

TEST_F(CanvasPixels, ARectangleOutlinedWithAStyledPenRunsThePatternAroundIt)
{
    // The alternate pen takes every other pixel, starting at the top-left corner and going round.
    WhiteBitmap(Bmp, 10, 6);
    C().Pen().SetStyle(TPenStyle::psAlternate);
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().Rectangle(1, 1, 9, 5);
    EXPECT_EQ(Picture(Bmp, clBlack), "........../"
                                     ".X.X.X.X../"
                                     "........X./"
                                     ".X......../"
                                     "..X.X.X.X./"
                                     "..........");
}

TEST_F(CanvasPixels, PenWidthScalesWithTheMappingExceptWidthZero)
{
    WhiteBitmap(Bmp, 12, 6);
    SetMapMode(C().Handle(), MM_ISOTROPIC);
    SetWindowExtEx(C().Handle(), 1, 1, nullptr);
    SetViewportExtEx(C().Handle(), 2, 2, nullptr);
    C().Pen().SetWidth(0);
    C().MoveTo(0, 0);
    C().LineTo(6, 0);
    C().Pen().SetWidth(1);
    C().MoveTo(0, 1);
    C().LineTo(5, 1);
    EXPECT_EQ(Picture(Bmp, clBlack), "XXXXXXXXXXXX/"
                                     "............/"
                                     "XXXXXXXXXXXX/"
                                     "XXXXXXXXXXXX/"
                                     "............/"
                                     "............");
}

TEST_F(CanvasPixels, ArcsAndPiesFollowTheEllipse)
{
    // an arc whose ends coincide is the whole outline
    C().Brush().SetStyle(TBrushStyle::bsClear);
    C().Ellipse(1, 1, 6, 6);
    const std::string ellipse = Picture(Bmp, clBlack);
    WhiteBitmap(Bmp, 12, 8);
    C().Arc(1, 1, 6, 6, 6, 3, 6, 3);
    EXPECT_EQ(Picture(Bmp, clBlack), ellipse);
    // a quarter pie counter-clockwise from east to north: the upper right quarter
    WhiteBitmap(Bmp, 12, 8);
    C().Pen().SetStyle(TPenStyle::psClear);
    C().Brush().SetColor(clRed);
    C().Pie(0, 0, 8, 8, 8, 4, 4, 0);
    EXPECT_EQ(C().Pixel(5, 2), clRed);
    EXPECT_EQ(C().Pixel(2, 2), clWhite);
    EXPECT_EQ(C().Pixel(5, 5), clWhite);
}

TEST_F(CanvasPixels, RectangleWithoutPenFillsOnePixelLess)
{
    C().Pen().SetStyle(TPenStyle::psClear);
    C().Brush().SetColor(clBlack);
    C().Rectangle(1, 1, 5, 4);
    EXPECT_EQ(Picture(Bmp, clBlack), "............/"
                                     ".XXX......../"
                                     ".XXX......../"
                                     "............/"
                                     "............/"
                                     "............/"
                                     "............/"
                                     "............");
}

// Far-away coordinates (as a damaged picture file may hold) cost no more than the visible part.
TEST(CanvasRaster, HugeCoordinatesAreClippedNotWalked)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 10, 10);
    TCanvas& c = bmp.Canvas();
    c.Brush().SetColor(clRed);
    c.Polygon({{-2000000000, -2000000000}, {2000000000, 0}, {0, 2000000000}});
    c.MoveTo(-2000000000, 5);
    c.LineTo(2000000000, 5);
    c.Brush().SetColor(clYellow);
    c.FillRect(Rect(-2000000000, 8, 2000000000, 2000000000));
    c.Ellipse(-2000000000, 9, 2000000000, 2000000000);
    EXPECT_EQ(c.Pixel(0, 8), clYellow);
    c.Execute({.Kind = TCanvasOp::opLine});   // no points: ignored
    EXPECT_EQ(c.Pixel(5, 5), clBlack);
    EXPECT_EQ(c.Pixel(5, 2), clRed);
}

TEST(CanvasMapping, IsotropicKeepsUnitsSquare)
{
    TBitmap bmp(10, 10);
    TCanvas& c = bmp.Canvas();
    c.SetMapMode(MM_ISOTROPIC);
    c.SetWindowExt(96, 96);
    c.SetViewportExt(600, 300);
    EXPECT_EQ(c.ViewportExt(), (TSize{300, 300}));
    c.SetViewportOrg(50, 20);
    EXPECT_EQ(c.LPtoDP(Point(96, 192)), Point(350, 620));
    EXPECT_EQ(c.DPtoLP(Point(350, 620)), Point(96, 192));
    c.SetMapMode(MM_LOMETRIC);   // tenths of a millimetre, y upwards
    EXPECT_EQ(c.LPtoDP(Point(254, -254)), Point(96 + 50, 96 + 20));
}

}  // namespace
