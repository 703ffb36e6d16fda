// Colour arithmetic, frames, borders, arrows and button faces, pixel by pixel.
#include <gtest/gtest.h>

#include "FoundationTestSupport.h"
#include "foundation/StyGraph.h"

namespace {

std::string RectText(const TRect& r)
{
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom);
}

}  // namespace

TEST(StyGraphColours, LightenDarkenAndHLS)
{
    EXPECT_EQ(LightenColor(clBlack, 50), 0x808080);
    EXPECT_EQ(LightenColor(0x123456, 0), 0x123456);
    EXPECT_EQ(LightenColor(clBtnFace, 0), ColorToRGB(clBtnFace));   // system colours are resolved first
    EXPECT_EQ(DarkenColor(clWhite, 70), clWhite);                   // a share of the distance to 255
    EXPECT_EQ(DarkenColor(clBlack, 10), clBlack);                   // clamped at 0
    EXPECT_EQ(DarkenColor(0x0000C8, 50), 0x0000AC);                 // 200 - Round(27.5) = 172
    EXPECT_EQ(ColorToHLS(0x808080), 168u | (127u << 8));            // grey: hue 168, saturation 0
    EXPECT_EQ(ColorToHLS(0x0000FF), 0u | (126u << 8) | (252u << 16));   // pure red
    Integer hue = -10;
    WrapHue(hue);
    EXPECT_EQ(hue, 242);
    hue = 260;
    WrapHue(hue);
    EXPECT_EQ(hue, 8);
}

TEST(StyGraphFrames, BevelFramesShrinkTheRectangleByTheirWidth)
{
    TBitmap bmp;
    FilledBitmap(bmp, 10, 10, clFuchsia);
    TRect r = Rect(0, 0, 10, 10);
    EXPECT_FALSE(DrawBevelFrame(bmp.Canvas(), r, bvNone, clWhite, clBlack, 2));
    EXPECT_FALSE(DrawBevelFrame(bmp.Canvas(), r, bvRaised, clWhite, clBlack, 0));
    EXPECT_EQ(r, Rect(0, 0, 10, 10));
    EXPECT_TRUE(DrawBevelFrame(bmp.Canvas(), r, bvRaised, clWhite, clBlack, 2));
    EXPECT_EQ(RectText(r), "2,2,8,8");

    TBitmap small;
    FilledBitmap(small, 5, 5, clFuchsia);
    r = Rect(0, 0, 5, 5);
    EXPECT_TRUE(DrawBevelFrame(small.Canvas(), r, bvLowered, clWhite, clBlack, 1));
    EXPECT_EQ(RectText(r), "1,1,4,4");
    // lowered: the shadow colour (black) top and left, the light colour (white) bottom and right;
    // the bottom-left pixel starts the top-left line, the bottom-right line leaves out its end
    EXPECT_EQ(Picture(small, FaceLegend()), "KKKKW/"
                                            "K...W/"
                                            "K...W/"
                                            "K...W/"
                                            "KWWWW");
}

TEST(StyGraphFrames, EachBorderStyleDrawsItsEdgesAndShrinks)
{
    struct Case {
        TStyBorderStyle style;
        const char* picture;
        const char* inside;
    };
    // A 6 x 6 border on fuchsia ('.'); W highlight, L 3D light, S shadow, D dark shadow.
    const Case cases[] = {
        {lsNone, "....../....../....../....../....../......", "0,0,6,6"},
        {lsSingle, "DDDDDD/D....D/D....D/D....D/D....D/DDDDDD", "1,1,5,5"},
        {lsLowered, "DDDDDW/DSSSLW/DS..LW/DS..LW/DLLLLW/WWWWWW", "2,2,4,4"},
        {lsRaised, "WWWWWD/WLLLSD/WL..SD/WL..SD/WSSSSD/DDDDDD", "2,2,4,4"},
        {lsRaisedspb, "WWWWWD/W...SD/W...SD/W...SD/WSSSSD/DDDDDD", "2,2,4,4"},
        {lsLoweredspb, "SSSSSW/SDDDDW/SD...W/SD...W/SD...W/WWWWWW", "2,2,4,4"},
        {lsRaisedExt, "WWWWWD/W...SD/W...SD/W...SD/WSSSSD/DDDDDD", "2,2,4,4"},
        {lsLoweredExt, "SSSSSW/SDDDDW/SD...W/SD...W/SD...W/WWWWWW", "2,2,4,4"},
        {lsFrameInset, "SSSSSW/SWWWSW/SW..SW/SW..SW/SSSSSW/WWWWWW", "2,2,4,4"},
        {lsFrameOffset, "WWWWWS/WSSSWS/WS..WS/WS..WS/WWWWWS/SSSSSS", "2,2,4,4"},
        {lsWindowBorder, ".....D/.WWWSD/.W..SD/.W..SD/.SSSSD/DDDDDD", "2,2,4,4"},
        {lsSingleRaised, "WWWWWS/W....S/W....S/W....S/W....S/SSSSSS", "1,1,5,5"},
        {lsSingleLowered, "SSSSSW/S....W/S....W/S....W/S....W/WWWWWW", "1,1,5,5"},
        {lsDoubleRaised, "WWWWWS/WWWWSS/WW..SS/WW..SS/WSSSSS/SSSSSS", "2,2,4,4"},
        {lsDoubleLowered, "SSSSSW/SSSSWW/SS..WW/SS..WW/SWWWWW/WWWWWW", "2,2,4,4"},
    };
    for (const Case& c : cases) {
        TBitmap bmp;
        FilledBitmap(bmp, 6, 6, clFuchsia);
        TRect r = Rect(0, 0, 6, 6);
        EXPECT_TRUE(DrawBorderStyle(bmp.Canvas(), r, c.style, 0));
        EXPECT_EQ(Picture(bmp, FaceLegend()), c.picture) << "style " << int(c.style);
        EXPECT_EQ(RectText(r), c.inside) << "style " << int(c.style);
        EXPECT_EQ(BorderStyleWidth(c.style), c.style == lsNone ? 0 : (c.inside == std::string("1,1,5,5") ? 1 : 2))
            << "style " << int(c.style);
    }
}

TEST(StyGraphArrows, DownAndUpTrianglesWithTheDisabledHighlight)
{
    struct Case {
        bool down, enabled;
        const char* picture;
    };
    // Size 3 at (1, 1) on silver: K the colour, g grey text, h the highlight copy one pixel down-right.
    const Case cases[] = {
        {true, true, "......../.KKKKK../..KKK.../...K..../......../........"},
        {true, false, "......../.ggggg../..ggghh./...ghh../....h.../........"},
        {false, true, "......../..K...../.KKK..../KKKKK.../......../........"},
        {false, false, "......../..g...../.ggg..../ggggg.../.hhhhh../........"},
    };
    const TLegend legend = {{'K', clBlack}, {'.', clSilver}, {'g', clGrayText}, {'h', clHighlightText}};
    for (const Case& c : cases) {
        TBitmap bmp;
        FilledBitmap(bmp, 8, 6, clSilver);
        DrawArrow(bmp.Canvas(), 1, 1, 3, clBlack, c.down, c.enabled);
        EXPECT_EQ(Picture(bmp, legend), c.picture) << "down " << c.down << " enabled " << c.enabled;
    }
    for (Integer size : {1, 16}) {
        TBitmap bmp;
        FilledBitmap(bmp, 8, 6, clSilver);
        DrawArrow(bmp.Canvas(), 1, 1, size, clBlack, true, true);
        EXPECT_EQ(Picture(bmp, legend), "......../......../......../......../......../........") << size;
    }
}

TEST(StyGraphButtonFaces, ClassicWin40FaceUpFocusedAndDown)
{
    struct Case {
        TStyButtonState state;
        Word flags;
        const char* picture;
        const char* content;
    };
    // A 12 x 10 button face in clBtnFace (F); X window frame, K black, G $808080; '?' the
    // focus rectangle's dots.  A push button passes flags 1, and 3 while it has the focus.
    const Case cases[] = {
        {bsUp, 1,
         "WWWWWWWWWWWD/WFFFFFFFFFSD/WFFFFFFFFFSD/WFFFFFFFFFSD/WFFFFFFFFFSD/WFFFFFFFFFSD/WFFFFFFFFFSD/"
         "WFFFFFFFFFSD/WSSSSSSSSSSD/DDDDDDDDDDDD",
         "3,3,9,7"},
        {bsUp, 3,
         "XXXXXXXXXXXX/XWWWWWWWWWSX/XWFFFFFFFFSX/XWFFFFFFFFSX/XWFF?F?FFFSX/XWFFF?F?FFSX/XWFFFFFFFFSX/"
         "XWFFFFFFFFSX/XSSSSSSSSSSX/XXXXXXXXXXXX",
         "4,4,8,6"},
        {bsDown, 1,
         "KKKKKKKKKKKK/KGGGGGGGGGGK/KGFFFFFFFFGK/KGFFFFFFFFGK/KGFFFFFFFFGK/KGFFFFFFFFGK/KGFFFFFFFFGK/"
         "KGFFFFFFFFGK/KGGGGGGGGGGK/KKKKKKKKKKKK",
         "4,4,10,8"},
        {bsDown, 3,
         "KKKKKKKKKKKK/KGGGGGGGGGGK/KGFFFFFFFFGK/KGFFFFFFFFGK/KGFF?F?FFFGK/KGFFF?F?FFGK/KGFFFFFFFFGK/"
         "KGFFFFFFFFGK/KGGGGGGGGGGK/KKKKKKKKKKKK",
         "4,4,10,8"},
    };
    for (const Case& c : cases) {
        TBitmap bmp;
        FilledBitmap(bmp, 12, 10, clFuchsia);
        TRect r = Rect(0, 0, 12, 10);
        EXPECT_TRUE(DrawButtonFace(bmp.Canvas(), false, r, ubsWin40, c.state, c.flags, clBtnFace, ttmNone));
        EXPECT_EQ(Picture(bmp, FaceLegend()), c.picture) << "state " << int(c.state) << " flags " << c.flags;
        EXPECT_EQ(RectText(r), c.content) << "state " << int(c.state) << " flags " << c.flags;
    }
}

TEST(StyGraphButtonFaces, ThemedFlagWithNoThemeDrawsTheClassicFace)
{
    TBitmap themed, classic;
    FilledBitmap(themed, 12, 10, clFuchsia);
    FilledBitmap(classic, 12, 10, clFuchsia);
    TRect a = Rect(0, 0, 12, 10), b = a;
    DrawButtonFace(themed.Canvas(), false, a, ubsWin40, bsUp, 1 | bfThemed, clBtnFace, UseTheme(ttmPlatform));
    DrawButtonFace(classic.Canvas(), false, b, ubsWin40, bsUp, 1, clBtnFace, ttmNone);
    EXPECT_EQ(Picture(themed, FaceLegend()), Picture(classic, FaceLegend()));
    EXPECT_EQ(a, b);
}

TEST(StyGraphButtonFaces, OfficeFaceTakesItsColourOnlyWhenItDiffers)
{
    TBitmap bmp;
    FilledBitmap(bmp, 8, 8, clFuchsia);
    TRect r = Rect(0, 0, 8, 8);
    // the transparent office look with the face colour already the hot colour draws no rectangle
    EXPECT_FALSE(DrawButtonFace(bmp.Canvas(), true, r, ubsOfficeTransp, bsUp, 0, 0xEFD3C6, ttmNone));
    EXPECT_EQ(Picture(bmp, FaceLegend()), "......../......../......../......../......../......../......../........");
    EXPECT_EQ(RectText(r), "3,3,5,5");
    r = Rect(0, 0, 8, 8);
    DrawButtonFace(bmp.Canvas(), true, r, ubsOffice, bsUp, 0, clBtnFace, ttmNone);
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), 0xC66931);
    EXPECT_EQ(bmp.Canvas().Pixel(3, 3), 0xEFD3C6);
}
