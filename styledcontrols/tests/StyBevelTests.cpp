// The frame object: extents, the shadow rule, client rectangles and the pixels of each mode.
#include <gtest/gtest.h>

#include "StyledTestSupport.h"
#include "styledcontrols/StyBevel.h"

TEST(StyBevel, DefaultsPaintNothing)
{
    TStyBevel bevel(nullptr);
    EXPECT_EQ(bevel.BevelExtend(), 0);
    EXPECT_EQ(bevel.GetSetStr(), String("(Custom)"));
    TBitmap bmp;
    FilledBitmap(bmp, 4, 4, clFuchsia);
    EXPECT_EQ(RectText(bevel.PaintBevel(bmp.Canvas(), Rect(0, 0, 4, 4), false)), "0,0,4,4");
    EXPECT_EQ(Picture(bmp, FaceLegend()), "..../..../..../....");
}

TEST(StyBevel, ExtentOfEachMode)
{
    struct Case {
        const char* name;
        void (*setup)(TStyBevel&);
        Integer extent, extentRight;
        const char* setStr;
    };
    const Case cases[] = {
        {"frame raised outer 2", [](TStyBevel& b) { b.SetStyleOuter(bvFrameRaised); b.SetWidthOuter(2); }, 3, 3,
         "(Custom)"},
        {"both bevels and rings",
         [](TStyBevel& b) {
             b.SetStyleOuter(bvRaised);
             b.SetStyleInner(bvFrameLowered);
             b.SetWidthInner(2);
             b.SetBorderWidth(3);
             b.SetBorderInnerWidth(1);
         },
         8, 8, "(Custom)"},
        {"shadow", [](TStyBevel& b) { b.SetStyleInner(bvShadow); b.SetWidthOuter(3); }, 1, 4, "(Custom)"},
        {"standard single", [](TStyBevel& b) { b.SetMode(bmStandard); b.SetStandardStyle(lsSingle); }, 1, 1,
         "(Standard)"},
        {"standard lowered + ring", [](TStyBevel& b) { b.SetMode(bmStandard); b.SetStandardStyle(lsLowered); b.SetBorderInnerWidth(2); }, 4, 4,
         "(Standard)"},
        {"edge", [](TStyBevel& b) { b.SetMode(bmEdge); }, 2, 2, "(Edge)"},
        {"edge without sides", [](TStyBevel& b) { b.SetMode(bmEdge); b.SetBorderSides({}); b.SetBorderInnerWidth(1); }, 1, 1,
         "(Edge)"},
        {"windows", [](TStyBevel& b) { b.SetMode(bmWindows); }, 2, 2, "(Windows)"},
        {"windows through the client edge", [](TStyBevel& b) { b.SetMode(bmWindows); b.SetSupportWindowsMode(true); }, 0, 0,
         "(Windows)"},
    };
    for (const Case& c : cases) {
        TStyBevel bevel(nullptr);
        c.setup(bevel);
        EXPECT_EQ(bevel.BevelExtend(), c.extent) << c.name;
        EXPECT_EQ(bevel.BevelExtendRight(), c.extentRight) << c.name;
        EXPECT_EQ(bevel.GetSetStr(), String(c.setStr)) << c.name;
    }
}

TEST(StyBevel, ShadowIsSetOnBothBevelsOrOnNone)
{
    TStyBevel bevel(nullptr);
    bevel.SetStyleInner(bvShadow);
    EXPECT_EQ(bevel.StyleOuter(), bvShadow);
    bevel.SetStyleInner(bvLowered);
    EXPECT_EQ(bevel.StyleOuter(), bvNone);
    bevel.SetStyleOuter(bvShadow);
    EXPECT_EQ(bevel.StyleInner(), bvShadow);
    bevel.SetStyleOuter(bvRaised);
    EXPECT_EQ(bevel.StyleInner(), bvNone);
}

TEST(StyBevel, ClientRectOfTheShadowAndOfAOneSidedEdge)
{
    TStyBevel shadow(nullptr);
    shadow.SetStyleInner(bvShadow);
    shadow.SetWidthOuter(3);
    EXPECT_EQ(RectText(shadow.ClientRect(Rect(0, 0, 100, 50))), "1,1,96,46");

    TStyBevel edge(nullptr);
    edge.SetMode(bmEdge);
    edge.SetBorderSides({fsBottom});
    EXPECT_EQ(RectText(edge.ClientRect(Rect(0, 0, 100, 50))), "2,2,98,48");
    TBitmap bmp;
    FilledBitmap(bmp, 100, 50, clFuchsia);
    EXPECT_EQ(RectText(edge.PaintBevel(bmp.Canvas(), Rect(0, 0, 100, 50), true)), "0,0,100,48");
}

TEST(StyBevel, ChangesNotifyOnlyWhenTheyShow)
{
    struct Listener : TObject {
        int changes = 0;
        bool modeChanging = false;
        TStyBevel* bevel = nullptr;
        void Changed(TObject*)
        {
            ++changes;
            modeChanging = bevel->ModeChanging();
        }
    } listener;
    TStyBevel bevel(nullptr);
    listener.bevel = &bevel;
    bevel.OnChange = TNotifyEvent(&listener, &Listener::Changed);
    bevel.SetStandardStyle(lsRaised);   // not shown in the custom mode
    EXPECT_EQ(listener.changes, 0);
    bevel.SetWidthInner(1);             // unchanged
    EXPECT_EQ(listener.changes, 0);
    bevel.SetWidthInner(200);           // 0..50
    EXPECT_EQ(bevel.WidthInner(), 50);
    EXPECT_EQ(listener.changes, 1);
    EXPECT_FALSE(listener.modeChanging);
    bevel.SetMode(bmStandard);
    EXPECT_EQ(listener.changes, 2);
    EXPECT_TRUE(listener.modeChanging);
    EXPECT_FALSE(bevel.ModeChanging());
    EXPECT_EQ(bevel.BevelExtend(), 2);   // the raised style stored before shows now

    TStyBevel copy(nullptr);
    listener.bevel = &copy;
    copy.OnChange = TNotifyEvent(&listener, &Listener::Changed);
    copy.Assign(&bevel);
    EXPECT_EQ(listener.changes, 3);
    EXPECT_TRUE(listener.modeChanging);
    EXPECT_EQ(copy.WidthInner(), 50);
    EXPECT_EQ(copy.StandardStyle(), lsRaised);
}

// The pixels of each mode on a small fuchsia ('.') bitmap.  W highlight, S shadow, F face,
// L 3D light, D dark shadow, K black.
TEST(StyBevel, PixelsOfEachMode)
{
    struct Case {
        const char* name;
        void (*setup)(TStyBevel&);
        Integer size;
        bool transparent;
        const char* picture;
        const char* inside;
    };
    const Case cases[] = {
        // raised outer bevel, a face ring, lowered inner bevel
        {"custom", [](TStyBevel& b) { b.SetStyleOuter(bvRaised); b.SetBorderWidth(1); b.SetStyleInner(bvLowered); }, 8,
         false,
         "WWWWWWWS/WFFFFFFS/WFSSSWFS/WFS..WFS/WFS..WFS/WFSWWWFS/WFFFFFFS/WSSSSSSS", "3,3,5,5"},
        // the same transparent: the ring is left alone
        {"custom transparent",
         [](TStyBevel& b) { b.SetStyleOuter(bvRaised); b.SetBorderWidth(1); b.SetStyleInner(bvLowered); }, 8, true,
         "WWWWWWWS/W......S/W.SSSW.S/W.S..W.S/W.S..W.S/W.SWWW.S/W......S/WSSSSSSS", "3,3,5,5"},
        // a shadow 2 wide right and bottom, its uncovered corners in the border colour, a light frame
        {"shadow", [](TStyBevel& b) { b.SetStyleInner(bvShadow); b.SetWidthOuter(2); b.SetLightColor(clBlack); }, 7,
         false, "KKKKKFF/K...KFF/K...KSS/K...KSS/KKKKKSS/FFSSSSS/FFSSSSS", "1,1,4,4"},
        // standard single lowered with a black inner ring
        {"standard", [](TStyBevel& b) { b.SetMode(bmStandard); b.SetBorderInnerWidth(1); b.SetBorderColor(clBlack); },
         6, false, "SSSSSW/SKKKKW/SK..KW/SK..KW/SKKKKW/WWWWWW", "2,2,4,4"},
        // the window's client edge drawn as the extended lowered border
        {"windows", [](TStyBevel& b) { b.SetMode(bmWindows); }, 6, false, "SSSSSW/SDDDDW/SD...W/SD...W/SD...W/WWWWWW",
         "2,2,4,4"},
    };
    for (const Case& c : cases) {
        TStyBevel bevel(nullptr);
        c.setup(bevel);
        TBitmap bmp;
        FilledBitmap(bmp, c.size, c.size, clFuchsia);
        const TRect inside = bevel.PaintBevel(bmp.Canvas(), Rect(0, 0, c.size, c.size), c.transparent);
        EXPECT_EQ(Picture(bmp, FaceLegend()), c.picture) << c.name;
        EXPECT_EQ(RectText(inside), c.inside) << c.name;
    }
}

// An etched edge on the bottom only: the other three 2-pixel bands take the canvas's brush
// (black) unless transparent.
TEST(StyBevel, EdgeOnChosenSidesFillsTheOthersWithTheBrush)
{
    for (bool transparent : {false, true}) {
        TStyBevel bevel(nullptr);
        bevel.SetMode(bmEdge);
        bevel.SetBorderSides({fsBottom});
        TBitmap bmp;
        FilledBitmap(bmp, 6, 6, clFuchsia);
        bmp.Canvas().Brush().SetColor(clBlack);
        const TRect inside = bevel.PaintBevel(bmp.Canvas(), Rect(0, 0, 6, 6), transparent);
        EXPECT_EQ(RectText(inside), "0,0,6,4");
        // sunken outer (highlight) below raised inner (shadow); the bands are filled after the edge
        EXPECT_EQ(Picture(bmp, FaceLegend()), transparent ? "....../....../....../....../SSSSSS/WWWWWW"
                                                           : "KKKKKK/KKKKKK/KK..KK/KK..KK/KKSSKK/KKWWKK");
    }
}
