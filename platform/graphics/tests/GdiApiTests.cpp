#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "TestSupport.h"
#include "platform/graphics/GdiApi.h"

namespace {

// One letter per pixel for the colours named in `letters`, '?' for others.
std::string Colors(TBitmap& bmp, const std::map<TColor, char>& letters)
{
    std::string out;
    for (Integer y = 0; y < bmp.Height(); ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < bmp.Width(); ++x) {
            auto it = letters.find(bmp.Canvas().Pixel(x, y));
            out += it == letters.end() ? '?' : it->second;
        }
    }
    return out;
}

TEST(DrawEdge, RaisedEdgeRingsAndAdjust)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 6, 4);
    TRect r = Rect(0, 0, 6, 4);
    DrawEdge(bmp.Canvas().Handle(), &r, EDGE_RAISED, BF_RECT | BF_ADJUST);
    EXPECT_EQ(r, Rect(2, 2, 4, 2));
    const std::map<TColor, char> letters = {{ColorToRGB(cl3DLight), 'L'}, {ColorToRGB(cl3DDkShadow), 'D'},
                                            {ColorToRGB(clBtnHighlight), 'H'}, {ColorToRGB(clBtnShadow), 'S'}};
    EXPECT_EQ(Colors(bmp, letters), "LLLLLD/"
                                    "LHHHSD/"
                                    "LSSSSD/"
                                    "DDDDDD");
    WhiteBitmap(bmp, 4, 3);
    r = Rect(0, 0, 4, 3);
    DrawEdge(bmp.Canvas().Handle(), &r, BDR_SUNKENOUTER, BF_TOP | BF_LEFT);
    // sides not drawn leave their corners to the sides that are
    EXPECT_EQ(Colors(bmp, letters), "SSSS/"
                                    "SHHH/"
                                    "SHHH");
}

TEST(GradientFill, ColumnsRunFromTheFirstColourToTheSecond)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 4, 2);
    TRIVERTEX v[2];
    v[0] = {0, 0, 0, 0, 0, 0};
    v[1] = {4, 2, 0xFF00, 0xFF00, 0xFF00, 0};
    GRADIENT_RECT g{0, 1};
    ASSERT_TRUE(GradientFill(bmp.Canvas().Handle(), v, 2, &g, 1, GRADIENT_FILL_RECT_H));
    for (Integer y = 0; y < 2; ++y) {
        EXPECT_EQ(bmp.Canvas().Pixel(0, y), 0x000000);
        EXPECT_EQ(bmp.Canvas().Pixel(1, y), 0x3F3F3F);
        EXPECT_EQ(bmp.Canvas().Pixel(2, y), 0x7F7F7F);
        EXPECT_EQ(bmp.Canvas().Pixel(3, y), 0xBFBFBF);
    }
    ASSERT_TRUE(GradientFill(bmp.Canvas().Handle(), v, 2, &g, 1, GRADIENT_FILL_RECT_V));
    EXPECT_EQ(bmp.Canvas().Pixel(3, 0), 0x000000);
    EXPECT_EQ(bmp.Canvas().Pixel(3, 1), 0x7F7F7F);
}

TEST(AlphaBlend, ConstantAlphaMixesSourceAndDestination)
{
    TBitmap dest, src;
    WhiteBitmap(dest, 2, 1);
    WhiteBitmap(src, 1, 1);
    src.Canvas().SetPixel(0, 0, clRed);
    BLENDFUNCTION blend;
    blend.SourceConstantAlpha = 128;
    ASSERT_TRUE(AlphaBlend(dest.Canvas().Handle(), 0, 0, 1, 1, src.Canvas().Handle(), 0, 0, 1, 1, blend));
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), 0x7F7FFF);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clWhite);
}

TEST(Blits, BitBltCopiesBetweenContextsAndInversionsUndoThemselves)
{
    TBitmap a, b;
    WhiteBitmap(a, 6, 4);
    WhiteBitmap(b, 6, 4);
    a.Canvas().SetPixel(1, 1, clRed);
    a.Canvas().SetPixel(2, 1, clBlue);
    BitBlt(b.Canvas().Handle(), 3, 2, 2, 1, a.Canvas().Handle(), 1, 1, SRCCOPY);
    EXPECT_EQ(b.Canvas().Pixel(3, 2), clRed);
    EXPECT_EQ(b.Canvas().Pixel(4, 2), clBlue);
    EXPECT_EQ(b.Canvas().Pixel(5, 2), clWhite);

    const std::string before = Picture(b, clWhite);
    const TRect r = Rect(1, 0, 5, 3);
    PatBlt(b.Canvas().Handle(), 0, 0, 6, 2, DSTINVERT);
    EXPECT_EQ(b.Canvas().Pixel(0, 0), clBlack);
    PatBlt(b.Canvas().Handle(), 0, 0, 6, 2, DSTINVERT);
    DrawFocusRect(b.Canvas().Handle(), &r);
    EXPECT_NE(Picture(b, clWhite), before);
    EXPECT_EQ(b.Canvas().Pixel(1, 0), clBlack);   // every other pixel of the edge, starting at the corner
    EXPECT_EQ(b.Canvas().Pixel(2, 0), clWhite);
    DrawFocusRect(b.Canvas().Handle(), &r);
    InvertRect(b.Canvas().Handle(), &r);
    InvertRect(b.Canvas().Handle(), &r);
    EXPECT_EQ(Picture(b, clWhite), before);
}

// The classic transparent blit: a monochrome mask made from the source's background colour,
// then the mask ANDed and the image (transparent colour blackened) ORed onto the destination.
TEST(Blits, MonochromeMaskTechnique)
{
    TBitmap image(3, 1), mask(3, 1, TPixelFormat::pf1bit), dest;
    image.Canvas().SetPixel(0, 0, clFuchsia);
    image.Canvas().SetPixel(1, 0, clNavy);
    image.Canvas().SetPixel(2, 0, clFuchsia);
    SetBkColor(image.Canvas().Handle(), clFuchsia);
    BitBlt(mask.Canvas().Handle(), 0, 0, 3, 1, image.Canvas().Handle(), 0, 0, SRCCOPY);
    EXPECT_EQ(Picture(mask, clWhite), "X.X");
    WhiteBitmap(dest, 3, 1);
    dest.Canvas().Brush().SetColor(clLime);
    dest.Canvas().FillRect(Rect(0, 0, 3, 1));
    HDC d = dest.Canvas().Handle();
    SetBkColor(d, clWhite);
    SetTextColor(d, clBlack);
    BitBlt(d, 0, 0, 3, 1, mask.Canvas().Handle(), 0, 0, SRCAND);
    image.Canvas().Brush().SetColor(clBlack);
    image.Canvas().BrushCopy(Rect(0, 0, 3, 1), image, Rect(0, 0, 3, 1), clFuchsia);
    BitBlt(d, 0, 0, 3, 1, image.Canvas().Handle(), 0, 0, SRCPAINT);
    EXPECT_EQ(dest.Canvas().Pixel(0, 0), clLime);
    EXPECT_EQ(dest.Canvas().Pixel(1, 0), clNavy);
    EXPECT_EQ(dest.Canvas().Pixel(2, 0), clLime);
}

TEST(Paths, StrokedPathDrawsItsFiguresAndFilledPathItsInside)
{
    TBitmap a, b;
    WhiteBitmap(a, 10, 8);
    WhiteBitmap(b, 10, 8);
    a.Canvas().Polygon({{1, 1}, {8, 1}, {8, 6}});
    HDC dc = b.Canvas().Handle();
    b.Canvas().Brush().SetStyle(TBrushStyle::bsClear);
    BeginPath(dc);
    MoveToEx(dc, 1, 1, nullptr);
    LineTo(dc, 8, 1);
    LineTo(dc, 8, 6);
    CloseFigure(dc);
    EndPath(dc);
    EXPECT_EQ(Picture(b, clWhite).find('.'), std::string::npos);   // nothing drawn yet
    StrokePath(dc);
    EXPECT_EQ(Picture(b, clBlack), Picture(a, clBlack));
}

// Text drawn while a path is open adds the outlines of its letters: the path's inside is exactly
// the pixels that the text sets when drawn, and the path stroked runs along their edges.
TEST(Paths, TextAddsTheOutlinesOfItsLetters)
{
    TBitmap drawn, traced;
    WhiteBitmap(drawn, 60, 24);
    WhiteBitmap(traced, 60, 24);
    for (TBitmap* b : {&drawn, &traced}) {
        b->Canvas().Font().SetHeight(-16);
        b->Canvas().Font().SetStyle({TFontStyle::fsBold});
        SetBkMode(b->Canvas().Handle(), TRANSPARENT);
    }
    TextOut(drawn.Canvas().Handle(), 4, 2, "Bo8", 3);
    auto inText = [&](Integer x, Integer y) {
        return x >= 0 && y >= 0 && x < 60 && y < 24 && drawn.Canvas().Pixel(x, y) == clBlack;
    };
    HDC dc = traced.Canvas().Handle();
    BeginPath(dc);
    TextOut(dc, 4, 2, "Bo8", 3);
    EndPath(dc);
    EXPECT_EQ(Picture(traced, clWhite).find('.'), std::string::npos);   // nothing drawn yet
    const std::optional<TRegion> inside = traced.Canvas().PathToRegion();
    ASSERT_TRUE(inside.has_value());
    int set = 0;
    for (Integer y = 0; y < 24; ++y)
        for (Integer x = 0; x < 60; ++x) {
            EXPECT_EQ(inside->Contains(x, y), inText(x, y)) << x << "," << y;
            set += inText(x, y);
        }
    EXPECT_GT(set, 60);

    // each stroked pixel lies on a corner that a set and a clear pixel of the text share
    BeginPath(dc);
    TextOut(dc, 4, 2, "Bo8", 3);
    EndPath(dc);
    StrokePath(dc);
    int stroked = 0;
    for (Integer y = 0; y < 24; ++y)
        for (Integer x = 0; x < 60; ++x) {
            if (traced.Canvas().Pixel(x, y) != clBlack) continue;
            ++stroked;
            const bool corner[4] = {inText(x - 1, y - 1), inText(x, y - 1), inText(x - 1, y), inText(x, y)};
            EXPECT_TRUE(std::count(corner, corner + 4, true) % 4 != 0) << x << "," << y;
        }
    EXPECT_GT(stroked, 30);
}

TEST(Regions, CombineModes)
{
    HRGN a = CreateRectRgn(0, 0, 4, 4), b = CreateRectRgn(2, 2, 6, 6), r = CreateRectRgn(0, 0, 0, 0);
    struct Case {
        int Mode;
        int Kind;
        TRect Box;
        bool At11, At33, At55;
    };
    for (Case c : {Case{RGN_AND, SIMPLEREGION, Rect(2, 2, 4, 4), false, true, false},
                   Case{RGN_OR, COMPLEXREGION, Rect(0, 0, 6, 6), true, true, true},
                   Case{RGN_XOR, COMPLEXREGION, Rect(0, 0, 6, 6), true, false, true},
                   Case{RGN_DIFF, COMPLEXREGION, Rect(0, 0, 4, 4), true, false, false}}) {
        EXPECT_EQ(CombineRgn(r, a, b, c.Mode), c.Kind) << c.Mode;
        TRect box;
        GetRgnBox(r, &box);
        EXPECT_EQ(box, c.Box) << c.Mode;
        EXPECT_EQ(PtInRegion(r, 1, 1), c.At11) << c.Mode;
        EXPECT_EQ(PtInRegion(r, 3, 3), c.At33) << c.Mode;
        EXPECT_EQ(PtInRegion(r, 5, 5), c.At55) << c.Mode;
    }
    HRGN e = CreateEllipticRgn(0, 0, 10, 10);
    EXPECT_TRUE(PtInRegion(e, 5, 5));
    EXPECT_FALSE(PtInRegion(e, 0, 0));
    for (HRGN h : {a, b, r, e}) DeleteObject(h);
}

TEST(Regions, ExcludedRectangleStaysUntouched)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 5, 3);
    ExcludeClipRect(bmp.Canvas().Handle(), 1, 1, 4, 2);
    bmp.Canvas().Brush().SetColor(clBlack);
    bmp.Canvas().FillRect(Rect(0, 0, 5, 3));
    EXPECT_EQ(Picture(bmp, clWhite), "...../.XXX./.....");
    TRect clip;
    EXPECT_EQ(GetClipBox(bmp.Canvas().Handle(), &clip), COMPLEXREGION);
    EXPECT_EQ(clip, Rect(0, 0, 5, 3));
}

TEST(FrameControl, CheckedBoxShowsItsMark)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 13, 13);
    TRect r = Rect(0, 0, 13, 13);
    DrawFrameControl(bmp.Canvas().Handle(), &r, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED);
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(bmp.Canvas().Pixel(12, 12), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(bmp.Canvas().Pixel(6, 7), ColorToRGB(clWindowText));
    EXPECT_EQ(bmp.Canvas().Pixel(3, 3), ColorToRGB(clWindow));
}

// The check box and radio button glyphs, pixel by pixel in a 13 x 13 box on lime (.): white (W),
// button shadow (S), dark shadow (D), 3D light (L), button face (F), window text (K), grey text (G).
TEST(FrameControl, CheckAndRadioGlyphsPixelByPixel)
{
    struct Case {
        const char* Name;
        UINT State;
        const char* Picture;
    };
    const Case cases[] = {
        {"check box", DFCS_BUTTONCHECK,
         "SSSSSSSSSSSSW/SDDDDDDDDDDLW/SDWWWWWWWWWLW/SDWWWWWWWWWLW/SDWWWWWWWWWLW/SDWWWWWWWWWLW/SDWWWWWWWWWLW/"
         "SDWWWWWWWWWLW/SDWWWWWWWWWLW/SDWWWWWWWWWLW/SDWWWWWWWWWLW/SLLLLLLLLLLLW/WWWWWWWWWWWWW"},
        {"checked box", DFCS_BUTTONCHECK | DFCS_CHECKED,
         "SSSSSSSSSSSSW/SDDDDDDDDDDLW/SDWWWWWWWWWLW/SDWWWWWWWKWLW/SDWWWWWWKKWLW/SDWKWWWKKKWLW/SDWKKWKKKWWLW/"
         "SDWKKKKKWWWLW/SDWWKKKWWWWLW/SDWWWKWWWWWLW/SDWWWWWWWWWLW/SLLLLLLLLLLLW/WWWWWWWWWWWWW"},
        {"disabled checked box", DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE,
         "SSSSSSSSSSSSW/SDDDDDDDDDDLW/SDFFFFFFFFFLW/SDFFFFFFFGFLW/SDFFFFFFGGFLW/SDFGFFFGGGFLW/SDFGGFGGGFFLW/"
         "SDFGGGGGFFFLW/SDFFGGGFFFFLW/SDFFFGFFFFFLW/SDFFFFFFFFFLW/SLLLLLLLLLLLW/WWWWWWWWWWWWW"},
        {"radio button", DFCS_BUTTONRADIO,
         "....SSSS...../..SSDDDDSS.../.SDDWWWWDLW../.SDWWWWWWLW../SDWWWWWWWWLW./SDWWWWWWWWLW./SDWWWWWWWWLW./"
         "SDWWWWWWWWLW./.SDWWWWWWLW../.SLLWWWWLLW../..WWLLLLWW.../....WWWW...../............."},
        {"chosen radio button", DFCS_BUTTONRADIO | DFCS_CHECKED,
         "....SSSS...../..SSDDDDSS.../.SDDWWWWDLW../.SDWWWWWWLW../SDWWWKKWWWLW./SDWWKKKKWWLW./SDWWKKKKWWLW./"
         "SDWWWKKWWWLW./.SDWWWWWWLW../.SLLWWWWLLW../..WWLLLLWW.../....WWWW...../............."},
        {"disabled chosen radio button", DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE,
         "....SSSS...../..SSDDDDSS.../.SDDFFFFDLW../.SDFFFFFFLW../SDFFFGGFFFLW./SDFFGGGGFFLW./SDFFGGGGFFLW./"
         "SDFFFGGFFFLW./.SDFFFFFFLW../.SLLFFFFLLW../..WWLLLLWW.../....WWWW...../............."},
    };
    const std::map<TColor, char> letters = {
        {clLime, '.'}, {ColorToRGB(clWindow), 'W'}, {ColorToRGB(clBtnShadow), 'S'}, {ColorToRGB(cl3DDkShadow), 'D'},
        {ColorToRGB(cl3DLight), 'L'}, {ColorToRGB(clBtnFace), 'F'}, {ColorToRGB(clWindowText), 'K'},
        {ColorToRGB(clGrayText), 'G'}};
    for (const Case& c : cases) {
        TBitmap bmp;
        bmp.SetSize(13, 13);
        bmp.Canvas().FillRectColor(Rect(0, 0, 13, 13), clLime);
        TRect r = Rect(0, 0, 13, 13);
        DrawFrameControl(bmp.Canvas().Handle(), &r, DFC_BUTTON, c.State);
        EXPECT_EQ(Colors(bmp, letters), c.Picture) << c.Name;
    }
}

TEST(SaveRestore, StateComesBack)
{
    TBitmap bmp(4, 4);
    HDC dc = bmp.Canvas().Handle();
    SetBkMode(dc, TRANSPARENT);
    int saved = SaveDC(dc);
    SetBkMode(dc, OPAQUE);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetViewportOrgEx(dc, 5, 5, nullptr);
    IntersectClipRect(dc, 0, 0, 1, 1);
    RestoreDC(dc, saved);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    TPoint org;
    GetViewportOrgEx(dc, &org);
    EXPECT_EQ(org, Point(0, 0));
    EXPECT_FALSE(bmp.Canvas().ClipRegion().has_value());
}

}  // namespace

namespace {
// 'X' where the region holds the pixel, rows separated by '/'.
std::string RegionPicture(HRGN region, Integer width, Integer height)
{
    std::string out;
    for (Integer y = 0; y < height; ++y) {
        if (y) out += '/';
        for (Integer x = 0; x < width; ++x) out += PtInRegion(region, x, y) ? 'X' : '.';
    }
    return out;
}
}  // namespace

TEST(Regions, RoundedRectangleLosesItsCorners)
{
    struct Case { Integer w, h; const char* picture; };
    const Case cases[] = {
        {0, 0, "XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX"},
        {4, 4, ".XXXXXX./XXXXXXXX/XXXXXXXX/XXXXXXXX/XXXXXXXX/.XXXXXX."},
        {8, 6, "..XXXX../.XXXXXX./XXXXXXXX/XXXXXXXX/.XXXXXX./..XXXX.."},
    };
    for (const Case& c : cases) {
        HRGN r = CreateRoundRectRgn(0, 0, 8, 6, c.w, c.h);
        EXPECT_EQ(RegionPicture(r, 8, 6), c.picture) << c.w << " x " << c.h;
        DeleteObject(r);
    }
    // corners as large as the box make the ellipse
    HRGN round = CreateRoundRectRgn(0, 0, 8, 6, 8, 6), ellipse = CreateEllipticRgn(0, 0, 8, 6);
    EXPECT_TRUE(EqualRgn(round, ellipse));
    DeleteObject(round);
    DeleteObject(ellipse);
}

TEST(Paths, PathBecomesARegionByTheFillRule)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 12, 12);
    HDC dc = bmp.Canvas().Handle();
    EXPECT_EQ(PathToRegion(dc), nullptr);   // no path
    BeginPath(dc);
    bmp.Canvas().Rectangle(1, 1, 7, 5);
    EXPECT_EQ(PathToRegion(dc), nullptr);   // still open
    EndPath(dc);
    HRGN r = PathToRegion(dc);
    ASSERT_NE(r, nullptr);
    // the figure runs through the rectangle's edge pixels; its inside leaves out the right and bottom ones
    EXPECT_EQ(RegionPicture(r, 8, 6), "......../.XXXXX../.XXXXX../.XXXXX../......../........");
    EXPECT_EQ(PathToRegion(dc), nullptr);   // the path is used up
    DeleteObject(r);

    // a figure crossing itself: its middle is outside by the alternate rule, inside by winding
    const std::vector<TPoint> bow = {{0, 0}, {10, 0}, {10, 10}, {3, 10}, {3, 3}, {7, 3}, {7, 7}, {0, 7}};
    for (int mode : {ALTERNATE, WINDING}) {
        SetPolyFillMode(dc, mode);
        BeginPath(dc);
        bmp.Canvas().Polygon(bow);
        EndPath(dc);
        HRGN b = PathToRegion(dc);
        EXPECT_EQ(PtInRegion(b, 5, 5), mode == WINDING) << mode;
        EXPECT_TRUE(PtInRegion(b, 1, 1)) << mode;
        DeleteObject(b);
    }
    EXPECT_EQ(SetPolyFillMode(dc, ALTERNATE), WINDING);
}

TEST(Paths, EllipseInAPathMakesNearlyTheEllipticRegion)
{
    TBitmap bmp;
    WhiteBitmap(bmp, 40, 30);
    HDC dc = bmp.Canvas().Handle();
    BeginPath(dc);
    bmp.Canvas().Ellipse(2, 3, 38, 27);
    EndPath(dc);
    HRGN path = PathToRegion(dc), ellipse = CreateEllipticRgn(2, 3, 38, 27), diff = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(path, nullptr);
    auto count = [](HRGN r) {
        int n = 0;
        for (Integer y = 0; y < 30; ++y)
            for (Integer x = 0; x < 40; ++x) n += PtInRegion(r, x, y);
        return n;
    };
    // as with a rectangle, the path's inside leaves out the outline's right and bottom pixels:
    // nothing outside the ellipse, at most a pixel along its outline missing
    CombineRgn(diff, path, ellipse, RGN_DIFF);
    EXPECT_LE(count(diff), 2);
    CombineRgn(diff, ellipse, path, RGN_DIFF);
    EXPECT_LT(count(diff), 70);   // the outline has about 100 pixels
    EXPECT_TRUE(PtInRegion(path, 20, 15));
    EXPECT_TRUE(PtInRegion(path, 3, 15));
    EXPECT_TRUE(PtInRegion(path, 20, 4));
    EXPECT_FALSE(PtInRegion(path, 4, 5));   // the corner of the box
    for (HRGN h : {path, ellipse, diff}) DeleteObject(h);
}

TEST(Paths, WidenedPathCoversWhatItsStrokeWouldPaint)
{
    auto trace = [](HDC dc) {
        BeginPath(dc);
        MoveToEx(dc, 3, 3, nullptr);
        LineTo(dc, 14, 3);
        LineTo(dc, 14, 10);
        EndPath(dc);
    };
    TBitmap stroked, filled;
    WhiteBitmap(stroked, 18, 14);
    WhiteBitmap(filled, 18, 14);
    for (TBitmap* b : {&stroked, &filled}) {
        b->Canvas().Pen().SetWidth(3);
        b->Canvas().Brush().SetColor(clBlack);
        trace(b->Canvas().Handle());
    }
    StrokePath(stroked.Canvas().Handle());
    ASSERT_TRUE(WidenPath(filled.Canvas().Handle()));
    FillPath(filled.Canvas().Handle());
    EXPECT_EQ(Picture(filled, clBlack), Picture(stroked, clBlack));
    EXPECT_NE(Picture(filled, clBlack).find('X'), std::string::npos);

    // as a region: the pen's width around the line, nothing beyond
    TBitmap bmp;
    WhiteBitmap(bmp, 18, 14);
    bmp.Canvas().Pen().SetWidth(3);
    trace(bmp.Canvas().Handle());
    WidenPath(bmp.Canvas().Handle());
    HRGN r = PathToRegion(bmp.Canvas().Handle());
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(PtInRegion(r, 8, 2));
    EXPECT_TRUE(PtInRegion(r, 8, 4));
    EXPECT_FALSE(PtInRegion(r, 8, 6));
    EXPECT_TRUE(PtInRegion(r, 15, 8));
    EXPECT_FALSE(PtInRegion(r, 8, 0));
    DeleteObject(r);
}

namespace {

// The stock check-box strip: 4 x 3 cells of 13 x 13, each the frame control of its place drawn on
// button face.
TEST(StockBitmaps, CheckBoxStripHoldsTheFrameControls)
{
    std::unique_ptr<TBitmap> strip = LoadBitmap(0, OBM_CHECKBOXES);
    ASSERT_TRUE(strip);
    EXPECT_EQ(strip->Width(), 52);
    EXPECT_EQ(strip->Height(), 39);
    const UINT kinds[3] = {DFCS_BUTTONCHECK, DFCS_BUTTONRADIO, DFCS_BUTTON3STATE | DFCS_INACTIVE};
    const UINT states[4] = {0, DFCS_CHECKED, DFCS_PUSHED, DFCS_PUSHED | DFCS_CHECKED};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column) {
            TBitmap cell(13, 13);
            cell.Canvas().FillRectColor(Rect(0, 0, 13, 13), clBtnFace);
            TRect r = Rect(0, 0, 13, 13);
            DrawFrameControl(cell.Canvas().Handle(), &r, DFC_BUTTON, kinds[row] | states[column]);
            for (Integer y = 0; y < 13; ++y)
                for (Integer x = 0; x < 13; ++x)
                    ASSERT_EQ(strip->Canvas().Pixel(column * 13 + x, row * 13 + y), cell.Canvas().Pixel(x, y))
                        << "cell " << column << "," << row << " pixel " << x << "," << y;
        }
    // the check mark and the radio dot are where the eye expects them
    EXPECT_EQ(strip->Canvas().Pixel(6, 7), ColorToRGB(clWindow));
    EXPECT_EQ(strip->Canvas().Pixel(13 + 6, 7), ColorToRGB(clWindowText));
    EXPECT_EQ(strip->Canvas().Pixel(13 + 5, 13 + 5), ColorToRGB(clWindowText));
    EXPECT_EQ(strip->Canvas().Pixel(13 + 6, 26 + 7), ColorToRGB(clGrayText));
    EXPECT_EQ(strip->Canvas().Pixel(12, 13 + 12), ColorToRGB(clBtnFace));   // beside the 12-pixel radio button
}

TEST(StockBitmaps, OnlyTheSystemsKnownBitmaps)
{
    EXPECT_FALSE(LoadBitmap(0, 32760));
    EXPECT_FALSE(LoadBitmap(1, OBM_CHECKBOXES));
}

}  // namespace
