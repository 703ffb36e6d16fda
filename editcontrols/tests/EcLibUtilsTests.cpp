#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcLibUtils.h"
#include "editcontrols/tests/EditControlsTestSupport.h"

namespace {

TEST(EcLibUtils, TransparentBitmapLeavesItsBottomLeftColourOut)
{
    TBitmap glyph(4, 3);   // magenta frame around a 2 x 1 blue middle
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 4, 3));
    glyph.Canvas().SetPixel(1, 1, clBlue);
    glyph.Canvas().SetPixel(2, 1, clBlue);
    TBitmap target(6, 5);
    target.Canvas().Brush().SetColor(clYellow);
    target.Canvas().FillRect(Rect(0, 0, 6, 5));
    DrawTransparentBitmap(target.Canvas(), 1, 1, glyph, clDefault);
    const std::vector<std::pair<TColor, char>> inks = {{clYellow, '.'}, {clBlue, 'b'}, {clFuchsia, 'm'}};
    EXPECT_EQ(Picture(target, inks), "....../"
                                     "....../"
                                     "..bb../"
                                     "....../"
                                     "......");
    DrawTransparentBitmapRect(target.Canvas(), 0, 0, Rect(1, 0, 3, 2), glyph, clNone);   // every pixel
    EXPECT_EQ(Picture(target, inks), "mm..../"
                                     "bb..../"
                                     "..bb../"
                                     "....../"
                                     "......");
}

TEST(EcLibUtils, CheckerPatternAndStripCells)
{
    std::unique_ptr<TBitmap> checker(CreateCheckerPattern(clRed, clBlue));
    EXPECT_EQ(checker->Width(), 8);
    EXPECT_EQ(checker->Canvas().Pixel(0, 0), clBlue);
    EXPECT_EQ(checker->Canvas().Pixel(1, 1), clBlue);
    EXPECT_EQ(checker->Canvas().Pixel(1, 0), clRed);
    EXPECT_EQ(checker->Canvas().Pixel(7, 6), clRed);

    TBitmap strip(60, 20);   // 6 x 2 cells of 10 x 10, cell i filled with colour i
    for (Integer i = 0; i < 12; ++i) {
        strip.Canvas().Brush().SetColor(TColor(0x10 * (i + 1)));
        strip.Canvas().FillRect(Bounds(i % 6 * 10, i / 6 * 10, 10, 10));
    }
    TBitmap cell;
    CopyBitmapCell(&strip, &cell, 6, 2, 7);   // column 1 of row 1
    EXPECT_EQ(cell.Width(), 10);
    EXPECT_EQ(cell.Height(), 10);
    EXPECT_EQ(cell.Canvas().Pixel(5, 5), TColor(0x80));
    CopyBitmapCell(&strip, &cell, 0, 1, 0);   // no columns: one
    EXPECT_EQ(cell.Width(), 60);
    EXPECT_EQ(cell.Height(), 20);
}

TEST(EcLibUtils, ReplacingAReferenceMovesTheFreeNotification)
{
    struct THolder : TComponent {
        using TComponent::TComponent;
        TComponent* Ref = nullptr;
        void Notification(TComponent* c, TOperation op) override
        {
            TComponent::Notification(c, op);
            if (op == opRemove && c == Ref) Ref = nullptr;
        }
    };
    THolder holder(nullptr);
    auto* first = new TComponent(nullptr);
    auto* second = new TComponent(nullptr);
    EXPECT_TRUE(ReplaceComponentRef(&holder, first, holder.Ref));
    EXPECT_FALSE(ReplaceComponentRef(&holder, first, holder.Ref));
    EXPECT_FALSE(ReplaceComponentRef(nullptr, second, holder.Ref));
    EXPECT_TRUE(ReplaceComponentRef(&holder, second, holder.Ref));
    delete first;   // no longer watched
    EXPECT_EQ(holder.Ref, second);
    delete second;
    EXPECT_EQ(holder.Ref, nullptr);
}

// The link hears of changes to the list it was moved to, no longer of the one before.
TEST(EcLibUtils, ReplacingAnImageListMovesTheChangeLinkToo)
{
    struct TListHolder : TComponent {
        using TComponent::TComponent;
        TCustomImageList* Ref = nullptr;
        int Changes = 0;
        void Changed(TObject*) { ++Changes; }
    };
    TListHolder holder(nullptr);
    TChangeLink link;
    link.OnChange = TNotifyEvent(&holder, &TListHolder::Changed);
    TCustomImageList first(4, 4), second(4, 4);
    TBitmap image(4, 4);
    EXPECT_TRUE(ReplaceImageListRef(&holder, &first, holder.Ref, &link));
    EXPECT_FALSE(ReplaceImageListRef(&holder, &first, holder.Ref, &link));
    first.Add(&image, nullptr);
    EXPECT_EQ(holder.Changes, 1);
    EXPECT_TRUE(ReplaceImageListRef(&holder, &second, holder.Ref, &link));
    first.Add(&image, nullptr);
    EXPECT_EQ(holder.Changes, 1);
    second.Add(&image, nullptr);
    EXPECT_EQ(holder.Changes, 2);
    EXPECT_EQ(holder.Ref, &second);
    EXPECT_TRUE(ReplaceImageListRef(&holder, nullptr, holder.Ref, &link));
    second.Add(&image, nullptr);
    EXPECT_EQ(holder.Changes, 2);
}

}  // namespace

namespace {

// The hot-track font follows the control's font except where it preserves its own attribute;
// whether it differs is asked of exactly the preserved attributes.
TEST(EcLibUtils, HotTrackFontFollowsTheFontExceptWhatItPreserves)
{
    TFont font, hot;
    font.SetName("Arial");
    font.SetColor(clRed);
    font.SetHeight(-16);
    hot.SetColor(clBlue);
    FollowHotTrackFont(hot, font, {hoPreserveColor});   // without hoFollowFont: nothing
    EXPECT_EQ(hot.Name(), String("Tahoma"));
    FollowHotTrackFont(hot, font, {hoFollowFont, hoPreserveColor});
    EXPECT_EQ(hot.Name(), String("Arial"));
    EXPECT_EQ(hot.Height(), -16);
    EXPECT_EQ(hot.Color(), clBlue);
    EXPECT_TRUE(HotTrackFontDiffers(hot, font, {hoFollowFont, hoPreserveColor}));
    EXPECT_FALSE(HotTrackFontDiffers(hot, font, {hoFollowFont, hoPreserveHeight}));
    EXPECT_FALSE(HotTrackFontDiffers(hot, font, {hoFollowFont}));
    // Not following: any difference from a default font counts.
    EXPECT_TRUE(HotTrackFontDiffers(hot, font, {}));
    EXPECT_FALSE(HotTrackFontDiffers(TFont(), font, {}));
}

}  // namespace

namespace {

// A 4 x 3 glyph with a black two-pixel bar on fuchsia: the disabled look puts the bar in the
// shadow colour and a highlight copy of it one pixel down and right.
TEST(EcLibUtils, DisabledBitmapsEmbossTheShape)
{
    TBitmap glyph(4, 3);
    glyph.Canvas().Brush().SetColor(clFuchsia);
    glyph.Canvas().FillRect(Rect(0, 0, 4, 3));
    glyph.Canvas().SetPixel(1, 1, clBlack);
    glyph.Canvas().SetPixel(2, 1, clBlack);
    const std::vector<std::pair<TColor, char>> inks = {
        {ColorToRGB(clBtnFace), '.'}, {ColorToRGB(clBtnShadow), 's'}, {ColorToRGB(clBtnHighlight), 'h'},
        {clFuchsia, 'm'}};
    std::unique_ptr<TBitmap> classic(CreateDisabledBitmap(glyph, clBlack));
    EXPECT_EQ(Picture(*classic, inks), "..../"
                                       ".ss./"
                                       "..hh");
    std::unique_ptr<TBitmap> flat(CreateDisabledBitmapEx(glyph, clBlack, clBtnFace, clBtnHighlight, clBtnShadow, false));
    EXPECT_EQ(Picture(*flat, inks), "..../"
                                    ".ss./"
                                    "....");
    std::unique_ptr<TBitmap> newStyle(CreateDisabledBitmapNewStyle(glyph, clFuchsia));
    EXPECT_EQ(Picture(*newStyle, inks), "mmmm/"
                                        "mssm/"
                                        "mmhh");
}

}  // namespace
