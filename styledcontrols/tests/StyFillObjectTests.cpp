// Fill, alpha, bitmap-effect and shadow objects: what they paint, their short texts and when
// they notify.
#include <gtest/gtest.h>

#include "StyledTestSupport.h"
#include "platform/graphics/Codecs.h"
#include "platform/stdctrls/ImgList.h"
#include "styledcontrols/StyBitmapEffectObject.h"
#include "styledcontrols/StyShadow.h"

namespace {

struct TCounter : TObject {
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

// A legend for the fill pictures: R red, B blue, w white, K black, '.' fuchsia.
const TLegend& FillLegend()
{
    static const TLegend legend = {{'R', clRed}, {'B', clBlue}, {'w', clWhite}, {'K', clBlack}, {'.', clFuchsia}};
    return legend;
}

void TwoColourBitmap(TBitmap& bmp)
{
    // 2 x 1: red then blue
    FilledBitmap(bmp, 2, 1, clRed);
    bmp.Canvas().SetPixel(1, 0, clBlue);
}

}  // namespace

TEST(StyFillObject, ANewFillPaintsNothingAndIsTransparent)
{
    TStyFillObject fill;
    EXPECT_EQ(fill.Style(), sfNone);
    EXPECT_TRUE(fill.Transparent());
    EXPECT_EQ(fill.GetSetStr(), String("(None)"));
    TBitmap bmp;
    FilledBitmap(bmp, 3, 3, clFuchsia);
    EXPECT_FALSE(fill.FillCanvas(bmp.Canvas(), Rect(0, 0, 3, 3), clBlack));
    EXPECT_EQ(Picture(bmp, FillLegend()), ".../.../...");
    TStyShapeFill shape(nullptr);
    EXPECT_EQ(shape.GetSetStr(), String("(Brush)"));
}

TEST(StyFillObject, EmptyBitmapFillsTheInnerColourAndReportsNothingPainted)
{
    TStyFillObject fill;
    fill.SetStyle(sfBitmap);
    TBitmap bmp;
    FilledBitmap(bmp, 3, 2, clFuchsia);
    EXPECT_FALSE(fill.FillCanvas(bmp.Canvas(), Rect(0, 0, 3, 2), clBlack));
    EXPECT_EQ(Picture(bmp, FillLegend()), "KKK/KKK");
    EXPECT_TRUE(fill.Empty());
}

TEST(StyFillObject, BitmapsPlacedTiledAndStretched)
{
    struct Case {
        const char* name;
        TStyTileMode mode;
        TStyAlignment alignment;
        const char* picture;
    };
    // a 5 x 2 area on black (inner fill), the 2 x 1 picture red-blue
    const Case cases[] = {
        {"tile", tmTile, agTopLeft, "RBRBR/RBRBR"},
        {"placed top left", tmNone, agTopLeft, "RBKKK/KKKKK"},
        {"placed bottom right, offset 1 left", tmNone, agBottomRight, "KKKKK/KKRBK"},
        {"vertical strip tiled", tmVerticalTile, agTopLeft, "RRRBB/RRRBB"},
    };
    for (const Case& c : cases) {
        TStyFillObject fill;
        TBitmap picture;
        TwoColourBitmap(picture);
        fill.SetBitmap(&picture);
        fill.SetStyle(sfBitmap);
        fill.SetTileMode(c.mode);
        fill.SetAlignment(c.alignment);
        if (c.alignment == agBottomRight) fill.SetOffsetX(-1);
        TBitmap bmp;
        FilledBitmap(bmp, 5, 2, clFuchsia);
        EXPECT_TRUE(fill.FillCanvas(bmp.Canvas(), Rect(0, 0, 5, 2), clBlack)) << c.name;
        EXPECT_EQ(Picture(bmp, FillLegend()), c.picture) << c.name;
    }
}

// The other kinds of fill over a 4 x 1 area on black (the inner fill): the pattern brush, a PNG
// stretched (and not tiled), a two-colour gradient, a bitmap stretched or centred.
TEST(StyFillObject, PatternPngGradientStretchedAndCentredFills)
{
    struct Case {
        const char* name;
        TStyFillStyle style;
        TStyTileMode mode;
        const char* picture;
    };
    const Case cases[] = {
        {"pattern brush", sfBrushBitmap, tmNone, "RBRB"}, {"png stretched", sfPng, tmStretch, "RRBB"},
        {"png placed", sfPng, tmNone, "RRBB"},             {"png tiled: nothing", sfPng, tmTile, "...."},
        {"gradient", sfGradient, tmNone, "RRBB"},          {"bitmap stretched", sfBitmap, tmStretch, "RRBB"},
        {"bitmap centred", sfBitmap, tmCenter, "KRBK"},
    };
    for (const Case& c : cases) {
        TStyFillObject fill;
        TBitmap picture;
        TwoColourBitmap(picture);
        fill.SetBitmap(&picture);
        TPngImage png;
        png.Image().Assign(&picture);
        fill.SetPng(&png);
        fill.Gradient()->SetColor(clRed);
        fill.Gradient()->SetEndColor(clBlue);
        fill.Gradient()->SetColorCount(2);
        fill.Gradient()->SetStyle(gstHorizontal);
        fill.SetStyle(c.style);
        fill.SetTileMode(c.mode);
        TBitmap bmp;
        FilledBitmap(bmp, 4, 1, clFuchsia);
        EXPECT_TRUE(fill.FillCanvas(bmp.Canvas(), Rect(0, 0, 4, 1), clBlack)) << c.name;
        EXPECT_EQ(Picture(bmp, FillLegend()), c.picture) << c.name;
    }
}

TEST(StyFillObject, HatchGapsShowTheColourBehind)
{
    TStyFillObject fill;
    fill.SetStyle(sfBrush);
    fill.Brush()->SetColor(clRed);
    fill.Brush()->SetStyle(TBrushStyle::bsHorizontal);
    fill.SetOptions({});
    EXPECT_TRUE(fill.Transparent());
    TBitmap bmp;
    FilledBitmap(bmp, 2, 8, clFuchsia);
    EXPECT_TRUE(fill.FillCanvas(bmp.Canvas(), Rect(0, 0, 2, 8), clBlue));
    const std::string picture = Picture(bmp, FillLegend());
    EXPECT_NE(picture.find('R'), std::string::npos) << picture;
    EXPECT_NE(picture.find('B'), std::string::npos) << picture;
    EXPECT_EQ(picture.find('.'), std::string::npos) << picture;
}

TEST(StyFillObject, AlphaLevelBlendsButAnEmptyRectangleIsPaintedDirectly)
{
    TStyFillObject fill;
    fill.SetStyle(sfBrush);
    fill.Brush()->SetColor(clWhite);
    fill.SetAlphaLevel(128);
    TBitmap bmp;
    FilledBitmap(bmp, 2, 2, clBlack);
    EXPECT_TRUE(fill.FillCanvas(bmp.Canvas(), Rect(0, 0, 2, 2), clBlack));
    const TColor c = ColorToRGB(bmp.Canvas().Pixel(1, 1)) & 0xFF;
    EXPECT_NEAR(static_cast<int>(c), 128, 1);   // half of white over black
    EXPECT_TRUE(fill.FillCanvas(bmp.Canvas(), Rect(1, 1, 1, 3), clBlack));   // empty: nothing to blend
}

TEST(StyFillObject, ClipFillMovesTheClipByThePositionWords)
{
    TStyFillObject fill;
    fill.SetStyle(sfBrush);
    fill.Brush()->SetColor(clRed);
    TBitmap bmp;
    FilledBitmap(bmp, 6, 7, clFuchsia);
    // 3 right (low word), 5 down (high word): only (3..5, 5..6) of the 6 x 7 fill shows
    EXPECT_TRUE(fill.ClipFill(bmp.Canvas(), Rect(0, 0, 6, 7), clBlack, (5 << 16) | 3));
    EXPECT_EQ(Picture(bmp, FillLegend()), "....../....../....../....../....../...RRR/...RRR");
    // the clip is gone afterwards
    bmp.Canvas().FillRectColor(Rect(0, 0, 1, 1), clBlue);
    EXPECT_EQ(bmp.Canvas().Pixel(0, 0), clBlue);
}

TEST(StyFillObject, PlacementNotifiesOnlyForAnUntiledBitmap)
{
    TCounter counter;
    TStyFillObject fill;
    fill.OnChange = TNotifyEvent(&counter, &TCounter::Changed);
    fill.SetStyle(sfBitmap);
    EXPECT_EQ(counter.Count, 1);
    fill.SetAlignment(agCenter);   // tiled: not shown
    fill.SetOffsetY(4);
    EXPECT_EQ(counter.Count, 1);
    fill.SetTileMode(tmNone);
    fill.SetAlignment(agBottomLeft);
    EXPECT_EQ(counter.Count, 3);
    TStyFillObject copy;
    copy.Assign(&fill);   // placement is not copied
    EXPECT_EQ(copy.Alignment(), agTopLeft);
    EXPECT_EQ(copy.TileMode(), tmNone);
    EXPECT_EQ(copy.Style(), sfBitmap);
}

TEST(StyAlphaObject, StrengthMixesTheFillIntoTheTarget)
{
    struct Case {
        float strength;
        int blue;   // the blue byte of white target over a black fill
    };
    const Case cases[] = {{1.0f, 255}, {0.0f, 0}, {0.6f, 153}};
    for (const Case& c : cases) {
        TStyAlphaObject alpha(nullptr);
        alpha.FillObject()->SetStyle(sfBrush);
        alpha.FillObject()->Brush()->SetColor(clBlack);
        alpha.SetStrength(c.strength);
        EXPECT_EQ(alpha.Enabled(), c.strength != 1.0f);
        TBitmap target;
        FilledBitmap(target, 3, 3, clWhite);
        alpha.AlphaBlend(target);
        EXPECT_EQ(static_cast<int>((ColorToRGB(target.Canvas().Pixel(2, 2)) >> 16) & 0xFF), c.blue) << c.strength;
    }
    TStyAlphaObject alpha(nullptr);
    EXPECT_EQ(alpha.GetSetStr(), String("(Disabled)"));
    alpha.FillObject()->SetStyle(sfBrush);
    EXPECT_EQ(alpha.GetSetStr(), String("(Brush, Strength: 0.600)"));
    alpha.FillObject()->SetStyle(sfGradient);
    EXPECT_EQ(alpha.GetSetStr(), String("(Grad, Strength: 0.600)"));
}

TEST(StyAlphaObject, ListBitmapFollowsTheImageListAndItsIndexes)
{
    TCustomImageList images(2, 1);
    TBitmap picture;
    TwoColourBitmap(picture);
    images.Add(&picture, nullptr);
    TStyAlphaObject alpha(nullptr);
    alpha.SetImageList(&images);
    EXPECT_FALSE(alpha.FillObject()->ListBitmap()->Empty());
    alpha.SetImageIndex(3);   // no such image
    EXPECT_TRUE(alpha.FillObject()->ListBitmap()->Empty());
    images.Add(&picture, nullptr);
    images.Add(&picture, nullptr);
    images.Add(&picture, nullptr);   // the list's change refreshes the picture
    EXPECT_FALSE(alpha.FillObject()->ListBitmap()->Empty());
}

TEST(StyBitmapEffectObject, EffectsRunInOrderAndTheBufferKeepsTheResult)
{
    TStyBitmapEffectObject fx;
    EXPECT_EQ(fx.GetSetStr(), String("(Disabled)"));
    EXPECT_FALSE(fx.Enabled());
    fx.SetFlipHorizontal(true);
    fx.SetInvert(true);
    fx.SetBrightness(300);   // -255..255
    EXPECT_EQ(fx.Brightness(), 255);
    fx.SetBrightness(0);
    EXPECT_EQ(fx.GetSetStr(), String("(FH, INV)"));

    TBitmap target;
    TwoColourBitmap(target);
    fx.Draw(target);   // mirrored (blue, red), then inverted (yellow, cyan)
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(0, 0)) & 0xFFFFFF, 0x00FFFFu);
    EXPECT_EQ(ColorToRGB(target.Canvas().Pixel(1, 0)) & 0xFFFFFF, 0xFFFF00u);

    fx.SetBuffered(true);
    EXPECT_FALSE(fx.BufferValid());
    TBitmap second;
    TwoColourBitmap(second);
    fx.Draw(second);
    EXPECT_TRUE(fx.BufferValid());
    TBitmap third;
    FilledBitmap(third, 2, 1, clBlack);
    fx.Draw(third);   // the buffer is drawn, not the effects over black
    EXPECT_EQ(ColorToRGB(third.Canvas().Pixel(0, 0)) & 0xFFFFFF, 0x00FFFFu);
    fx.SetGrayScale(true);
    EXPECT_FALSE(fx.BufferValid());
    fx.AlphaBlend()->FillObject()->SetStyle(sfBrush);   // a change of the alpha object too
    fx.Draw(third);
    EXPECT_TRUE(fx.BufferValid());
    fx.AlphaBlend()->SetStrength(0.5f);
    EXPECT_FALSE(fx.BufferValid());
    EXPECT_EQ(fx.GetSetStr(), String("(Alpha, FH, GS, INV)"));
}

TEST(StyShadow, ShortTextAndDepthRange)
{
    TStyShadow shadow(nullptr);
    EXPECT_EQ(shadow.GetSetStr(), String("(Solid, 6)"));
    shadow.SetStyle(hssNone);
    EXPECT_EQ(shadow.GetSetStr(), String("(None)"));
    shadow.SetDepth(41);
    EXPECT_EQ(shadow.Depth(), 40);
    TStyShadow copy(nullptr);
    copy.Assign(&shadow);
    EXPECT_EQ(copy.GetSetStr(), String("(None)"));
    EXPECT_EQ(copy.Depth(), 40);
}
