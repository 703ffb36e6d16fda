// Caption, layout and gradient value objects; alignment and the glyph-and-text layout.
#include <gtest/gtest.h>

#include "FoundationTestSupport.h"
#include "foundation/StyGraphUtils.h"

namespace {

struct TCounter : TObject {
    int Count = 0;
    void Changed(TObject*) { ++Count; }
};

}  // namespace

TEST(StyValueObjects, AngleOf360IsStoredAsZeroAndNotifiesOnce)
{
    TCounter counter;
    TStyFxCaption fx(nullptr);
    fx.OnChange = TNotifyEvent(&counter, &TCounter::Changed);
    fx.SetAngle(360);
    EXPECT_EQ(fx.Angle(), 0);
    EXPECT_EQ(counter.Count, 0);   // 360 is 0, which it already was
    fx.SetAngle(90);
    fx.SetAngle(90);
    EXPECT_EQ(counter.Count, 1);
    fx.SetPosXY(3, 4);
    EXPECT_EQ(counter.Count, 1);
    EXPECT_EQ(fx.PosX(), 3);
    EXPECT_EQ(fx.GetSetStr(), String(u"(None, Rot: 90\uFFFD)"));
}

TEST(StyValueObjects, ButtonLayoutDefaultsAndCaptionAssignKeepsOrientation)
{
    TStyButtonLayout layout(nullptr);
    EXPECT_EQ(layout.Alignment(), agCenter);
    EXPECT_EQ(layout.ArrowIndent(), 3);
    EXPECT_EQ(layout.ArrowSize(), 3);
    EXPECT_EQ(layout.Spacing(), 2);
    EXPECT_EQ(layout.AlignText2Glyph(), taRight);

    TSty3DCaption a(nullptr), b(nullptr);
    a.SetStyle(tdSunken);
    a.SetOrientation(toBottomRight);
    b.Assign(&a);
    EXPECT_EQ(b.Style(), tdSunken);
    EXPECT_EQ(b.Orientation(), toTopLeft);
    EXPECT_EQ(b.GetSetStr(), String("(Sunken)"));
}

TEST(StyValueObjects, GradientRampsOfTwoColoursAndOfStops)
{
    TStyGradient g(nullptr);
    EXPECT_EQ(g.GetSetStr(), String("(Vertical, clBlue - clBlack)"));
    EXPECT_EQ(g.ColorList().size(), 16u);
    EXPECT_EQ(g.ColorList().front(), clBlue);
    EXPECT_EQ(g.ColorList().back(), clBlack);
    g.SetColors({clRed, clNone, clBlue});
    g.SetTwoColors(false);
    // red to "none" in 2 colours, then 8 colours from "none" to blue without the first
    EXPECT_EQ(g.ColorList().size(), 9u);
    EXPECT_EQ(g.ColorList().front(), clRed);
    EXPECT_EQ(g.ColorList().back(), clBlue);
    EXPECT_EQ(g.GetSetStr(), String("(Vertical, Multi color)"));
}

TEST(StyValueObjects, ButtonVocabulary)
{
    TStyUserButtonStyle style = ubsWin40;
    bool xp = false;
    ReadButtonStyleIdent("ubsWinXPTool", style, xp);
    EXPECT_EQ(style, ubsExplorer);
    EXPECT_TRUE(xp);
    xp = false;
    ReadButtonStyleIdent("ubsFlat", style, xp);
    EXPECT_EQ(style, ubsFlat);
    EXPECT_FALSE(xp);
    EXPECT_EQ(ButtonStyleBorderWidth(ubsWin31 | 0x80), 3);
    EXPECT_EQ(ButtonStyleBorderWidth(ubsWin40), 2);
    EXPECT_EQ(ButtonStyleBorderWidth(ubsFlat), 1);
    EXPECT_TRUE(IsHotButtonStyle(ubsOfficeTransp));
    EXPECT_FALSE(IsHotButtonStyle(ubsWin40));
}

TEST(StyLayout, AlignRectPlacesBySize)
{
    TRect r;
    AlignRect(agCenter, Rect(0, 0, 10, 10), Rect(0, 0, 21, 21), r);
    EXPECT_EQ(r, Rect(5, 5, 15, 15));
    AlignRect(agBottomRight, Rect(0, 0, 10, 10), Rect(0, 0, 21, 21), r);
    EXPECT_EQ(r, Rect(11, 11, 21, 21));
    AlignRect(agTopCenter, Rect(0, 0, 10, 10), Rect(0, 0, 21, 21), r);
    EXPECT_EQ(r, Rect(5, 0, 15, 10));
}

TEST(StyLayout, EmptyCaptionMeasuresAsOneSpaceWithItsMargin)
{
    TFont font;
    TRect r = Rect(0, 0, 100, 0);
    MeasureCaption("", nullptr, r, font, false, false, 1, 0);
    TBitmap bmp(1, 1);
    bmp.Canvas().Font().Assign(&font);
    const TSize s = bmp.Canvas().TextExtent(" ");
    EXPECT_EQ(r.Width(), s.cx + 4);
    EXPECT_EQ(r.Height(), s.cy + 4);
}

TEST(StyLayout, CalculatingPlacesGlyphLeftOfTextAndDrawsNothing)
{
    TBitmap bmp;
    FilledBitmap(bmp, 80, 30, clFuchsia);
    TBitmap glyph;
    FilledBitmap(glyph, 10, 8, clRed);
    TStyButtonLayout layout(nullptr);
    TRect glyphRect = Rect(0, 0, 10, 8);
    TStyLayoutRects rects;
    TStyGlyphTransparency none;
    DrawGlyphTextLayout(bmp.Canvas(), "OK", nullptr, Rect(0, 0, 80, 30), &glyph.Canvas(), glyphRect, &layout, false,
                        false, none, TStyDrawTextStyles{dtEnabled, dtCalculate}, 0, rects);
    for (Integer x = 0; x < 80; ++x) ASSERT_EQ(bmp.Canvas().Pixel(x, 15), clFuchsia) << x;
    // taRight: the glyph first, the text 2 pixels after it, both centred in the 80 x 30 box
    EXPECT_EQ(rects.Glyph.Width(), 10);
    EXPECT_EQ(rects.Text.Left, rects.Glyph.Right + 2 + 1);
    // the total (glyph, spacing, text) is centred: as much room on the left as on the right
    EXPECT_LE(std::abs(rects.Glyph.Left - (80 - (rects.Text.Right - 1))), 1);
    EXPECT_EQ(glyphRect.Left, rects.Union.Left - 2);   // the union grown by 1, then by 1 for calculating
}

// Outlined text: the letters' edges stroked with a one-pixel pen, their inside left alone.
// Checked against the same text drawn plainly.
TEST(StyCaptionText, OutlinedTextStrokesTheEdgesOfTheLetters)
{
    TBitmap plain, outlined;
    for (TBitmap* b : {&plain, &outlined}) {
        FilledBitmap(*b, 40, 30, clWhite);
        b->Canvas().Font().SetHeight(-24);
        b->Canvas().Font().SetStyle({TFontStyle::fsBold});
        b->Canvas().Font().SetColor(clBlack);
    }
    const TRect box = Rect(2, 2, 40, 30);
    DrawCaptionText(plain.Canvas(), "H", nullptr, box, DT_SINGLELINE, {dtEnabled}, nullptr);
    TSty3DCaption caption(nullptr);
    caption.SetStyle(tdOutline);
    caption.SetShadowDepth(1);   // pen width 1, the text moved by 1 div 2 = 0
    DrawCaptionText(outlined.Canvas(), "H", &caption, box, DT_SINGLELINE, {dtEnabled}, nullptr);

    auto inText = [&](Integer x, Integer y) {
        return x >= 0 && y >= 0 && x < 40 && y < 30 && plain.Canvas().Pixel(x, y) == clBlack;
    };
    int edge = 0, inside = 0;
    for (Integer y = 0; y < 30; ++y)
        for (Integer x = 0; x < 40; ++x) {
            const bool dark = outlined.Canvas().Pixel(x, y) == clBlack;
            if (inText(x, y) && !dark) ++inside;
            if (!dark) continue;
            ++edge;
            // an edge pixel lies on a corner that a letter pixel and a background pixel share
            const int around = inText(x - 1, y - 1) + inText(x, y - 1) + inText(x - 1, y) + inText(x, y);
            EXPECT_TRUE(around > 0 && around < 4) << x << "," << y;
        }
    EXPECT_GT(inside, 20);   // the strokes' inner halves stay clear
    EXPECT_GT(edge, 40);
}

// Each 3D style is its layers of plain text, each moved from the one before and drawn in its
// colour; a disabled caption takes the grey text colour and, with the 3D disabled look, the
// sunken layers.  Checked against the layers drawn one by one as plain text.
TEST(StyCaptionText, ThreeDStylesAreTheirLayersOfPlainText)
{
    struct Layer {
        Integer dx, dy;   // from the layer before
        TColor color;
    };
    struct Case {
        TStyThreeDStyle style;
        TStyDisabledStyle disabledStyle;
        bool enabled;
        std::vector<Layer> layers;
    };
    // light depth 1 and shadow depth 2, light colour yellow, shadow colour blue, text red
    const TColor light = clYellow, shadow = clBlue, text = clRed;
    const Case cases[] = {
        {tdNone, dsAuto, true, {{0, 0, text}}},
        {tdRaised, dsAuto, true, {{0, 0, light}, {1, 1, text}}},
        {tdSunken, dsAuto, true, {{1, 1, light}, {-1, -1, text}}},
        {tdShadow, dsAuto, true, {{2, 2, shadow}, {-2, -2, text}}},
        {tdSunkenShadow, dsAuto, true, {{0, 0, shadow}, {3, 3, light}, {-1, -1, text}}},
        {tdRaisedShadow, dsAuto, true, {{3, 3, shadow}, {-3, -3, light}, {1, 1, text}}},
        {tdExtrude, dsAuto, true, {{1, 1, shadow}, {1, 1, shadow}, {0, 0, text}}},   // top-left orientation
        {tdRaised, dsStandard, false, {{0, 0, light}, {1, 1, clGrayText}}},
        {tdRaised, ds3d, false, {{1, 1, light}, {-1, -1, clGrayText}}},
        {tdRaised, dsNone, false, {{0, 0, light}, {1, 1, text}}},
    };
    const TRect box = Rect(4, 4, 60, 24);
    for (const Case& c : cases) {
        TBitmap drawn, expected;
        for (TBitmap* b : {&drawn, &expected}) {
            FilledBitmap(*b, 64, 28, clWhite);
            b->Canvas().Font().SetHeight(-13);
            b->Canvas().Font().SetColor(text);
            b->Canvas().Brush().SetStyle(TBrushStyle::bsClear);
        }
        TSty3DCaption caption(nullptr);
        caption.SetStyle(c.style);
        caption.SetDisabledStyle(c.disabledStyle);
        caption.SetLightDepth(1);
        caption.SetShadowDepth(2);
        caption.SetLightColor(light);
        caption.SetShadowColor(shadow);
        caption.SetOrientation(toTopLeft);
        DrawCaptionText(drawn.Canvas(), "Dam", &caption, box, DT_SINGLELINE,
                        c.enabled ? TStyDrawTextStyles{dtEnabled} : TStyDrawTextStyles{dtDisabled}, nullptr);
        TRect r = box;
        for (const Layer& l : c.layers) {
            OffsetRect(r, l.dx, l.dy);
            expected.Canvas().Font().SetColor(l.color);
            DrawCaptionText(expected.Canvas(), "Dam", nullptr, r, DT_SINGLELINE, {dtEnabled}, nullptr);
        }
        const TLegend legend = {{'.', clWhite}, {'y', light}, {'b', shadow}, {'r', text}, {'g', clGrayText}};
        EXPECT_EQ(Picture(drawn, legend), Picture(expected, legend)) << "style " << int(c.style) << " disabled style "
                                                                    << int(c.disabledStyle);
        EXPECT_NE(Picture(drawn, legend).find_first_of("rg"), std::string::npos);   // the text itself shows
    }
}

// A caption turned by 90 degrees runs upwards: its pixels stand taller than they are wide.
TEST(StyCaptionText, ATurnedCaptionRunsUpwards)
{
    auto extent = [](Integer angle) {
        TBitmap bmp;
        FilledBitmap(bmp, 80, 80, clWhite);
        bmp.Canvas().Font().SetHeight(-13);
        bmp.Canvas().Font().SetColor(clBlack);
        TStyFxCaption fx(nullptr);
        fx.SetAngle(angle);
        TRect r = Rect(0, 0, 80, 80);
        MeasureCaptionOnCanvas(bmp.Canvas(), "Spillway", &fx, r, bmp.Canvas().Font(), false, false, 0, 0);
        DrawCaptionText(bmp.Canvas(), "Spillway", &fx, Rect(0, 0, 80, 80), 0, {dtEnabled}, nullptr);
        TRect ink;
        for (Integer y = 0; y < 80; ++y)
            for (Integer x = 0; x < 80; ++x)
                if (bmp.Canvas().Pixel(x, y) == clBlack) UnionRect(ink, ink, Rect(x, y, x + 1, y + 1));
        return ink;
    };
    const TRect flat = extent(0), turned = extent(90);
    EXPECT_GT(flat.Width(), flat.Height());
    EXPECT_GT(turned.Height(), turned.Width());
    EXPECT_NEAR(turned.Height(), flat.Width(), 2);
}
