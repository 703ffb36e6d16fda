#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcSpeedButton.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/graphics/GdiApi.h"
#include "platform/stdctrls/ImgList.h"

namespace {

const TColor Face = static_cast<TColor>(RGB(100, 150, 200));   // 64 levels lighter and darker stay apart

TEST(EcSpeedButton, HighlightAndShadowAreSixtyFourLevelsApartWithinTheRange)
{
    EXPECT_EQ(HighlightColorOf(Face), static_cast<TColor>(RGB(164, 214, 255)));
    EXPECT_EQ(ShadowColorOf(Face), static_cast<TColor>(RGB(36, 86, 136)));
    EXPECT_EQ(HighlightColorOf(clWhite), clWhite);
    EXPECT_EQ(ShadowColorOf(clBlack), clBlack);
}

TEST(EcSpeedButton, FramesFollowTheStateTheStyleAndFlatness)
{
    struct Case { bool Down, Flat; TButtonStyle Style; const char* Picture; TRect Inner; };
    const Case cases[] = {
        {false, false, bsNew, "hhhhhhhk/hfffffsk/hf....sk/hf....sk/hssssssk/kkkkkkkk", Rect(3, 3, 5, 3)},
        {false, false, bsAutoDetect, "hhhhhhhk/hfffffsk/hf....sk/hf....sk/hssssssk/kkkkkkkk", Rect(3, 3, 5, 3)},
        {false, true, bsNew, "hhhhhhhs/h......s/h......s/h......s/h......s/ssssssss", Rect(2, 2, 6, 4)},
        {false, true, bsWin31, "hhhhhhhk/h......k/h......k/h......k/h......k/kkkkkkkk", Rect(2, 2, 6, 4)},
        {false, false, bsWin31, "kkkkkkkk/khhhhhsk/kh....sk/kh....sk/kssssssk/kkkkkkkk", Rect(3, 3, 5, 3)},
        {true, false, bsNew, "kkkkkkkh/ksssssfh/ks....fh/ks....fh/kffffffh/hhhhhhhh", Rect(3, 3, 5, 3)},
        {true, true, bsNew, "sssssssh/s......h/s......h/s......h/s......h/hhhhhhhh", Rect(2, 2, 6, 4)},
        {true, true, bsWin31, "kkkkkkkh/k......h/k......h/k......h/k......h/hhhhhhhh", Rect(2, 2, 6, 4)},
        // the old pressed frame: a black frame and a button-shadow corner inside it
        {true, false, bsWin31, "kkkkkkkk/kggggggk/kg.....k/kg.....k/kg.....k/kkkkkkkk", Rect(2, 2, 6, 4)},
    };
    const std::vector<std::pair<TColor, char>> inks = {{clYellow, '.'}, {clWindowFrame, 'k'}, {clBtnShadow, 'g'},
        {HighlightColorOf(Face), 'h'}, {ShadowColorOf(Face), 's'}, {Face, 'f'}};
    for (const Case& c : cases) {
        TBitmap bmp(8, 6);
        bmp.Canvas().Brush().SetColor(clYellow);
        bmp.Canvas().FillRect(Rect(0, 0, 8, 6));
        const TRect inner = DrawSpeedButtonFrame(bmp.Canvas(), Rect(0, 0, 8, 6), c.Down, c.Flat, c.Style, Face);
        EXPECT_EQ(Picture(bmp, inks), c.Picture) << c.Down << c.Flat << c.Style;
        EXPECT_EQ(inner, c.Inner) << c.Down << c.Flat << c.Style;
    }
}

TEST(EcSpeedButton, PopupMarkIsATriangleEngravedWhenDisabled)
{
    const std::vector<std::pair<TColor, char>> inks = {{clYellow, '.'}, {clBtnText, 't'}, {clBtnShadow, 's'},
                                                       {clBtnHighlight, 'h'}};
    TBitmap bmp(10, 6);
    bmp.Canvas().Brush().SetColor(clYellow);
    bmp.Canvas().FillRect(Rect(0, 0, 10, 6));
    DrawPopupMark(bmp.Canvas(), 1, 1, rbsUp);
    EXPECT_EQ(Picture(bmp, inks), ".ttttttt../"
                                  "..ttttt.../"
                                  "...ttt..../"
                                  "....t...../"
                                  "........../"
                                  "..........");
    bmp.Canvas().FillRect(Rect(0, 0, 10, 6));
    DrawPopupMark(bmp.Canvas(), 1, 1, rbsDisabled);
    EXPECT_EQ(Picture(bmp, inks), ".sssssss../"
                                  "..ssssshh./"
                                  "...ssshh../"
                                  "....shh.../"
                                  ".....h..../"
                                  "..........");
}

TEST(EcSpeedButton, InactiveGlyphPixelsTurnGreyExceptTransparentAndFace)
{
    struct Case { TColor Color, Grey; };
    const Case cases[] = {
        {static_cast<TColor>(RGB(255, 0, 0)), static_cast<TColor>(RGB(76, 76, 76))},
        {static_cast<TColor>(RGB(0, 255, 0)), static_cast<TColor>(RGB(149, 149, 149))},
        {static_cast<TColor>(RGB(0, 0, 255)), static_cast<TColor>(RGB(28, 28, 28))},
        {clWhite, clWhite},
        {clFuchsia, clFuchsia},                   // the transparent colour
        {clBtnFace, clBtnFace},
        {ColorToRGB(clBtnFace), ColorToRGB(clBtnFace)},
    };
    for (const Case& c : cases) EXPECT_EQ(GreyPixelColor(c.Color, clFuchsia), c.Grey) << std::hex << c.Color;
}

}  // namespace

namespace {

// A 16 x 16 glyph in buttons of a few sizes.
const TPoint Glyph16{16, 16};

TEST(EcButtonLayout, AGlyphAloneIsCentredOrPlacedByItsMargin)
{
    TBitmap bmp(100, 50);
    TCanvas& canvas = bmp.Canvas();
    // 60 x 24, centred: the free 44 pixels split around the glyph
    TEcButtonLayout l = CalcButtonLayout(canvas, Rect(0, 0, 60, 24), TPoint{0, 0}, "", blGlyphLeft, -1, -1, false,
                                         Glyph16, false, DT_CENTER);
    EXPECT_EQ(l.GlyphPos, (TPoint{22, 4}));
    EXPECT_EQ(l.TextBounds, Rect(38, 12, 38, 12));   // no caption: an empty box after the glyph
    // above the text: 30 x 40 centred both ways
    l = CalcButtonLayout(canvas, Rect(0, 0, 30, 40), TPoint{0, 0}, "", blGlyphTop, -1, -1, false, Glyph16, false,
                         DT_CENTER);
    EXPECT_EQ(l.GlyphPos, (TPoint{7, 12}));
    // glyph on the right, 4 pixels from the edge, in a client at (10, 5) pressed by (1, 1)
    l = CalcButtonLayout(canvas, Rect(10, 5, 70, 25), TPoint{1, 1}, "", blGlyphRight, 4, -1, false, Glyph16, false,
                         DT_CENTER);
    EXPECT_EQ(l.GlyphPos, (TPoint{10 + 40 + 1, 5 + 2 + 1}));
}

TEST(EcButtonLayout, GlyphLeftWithFreeMarginsSharesTheRoomInThreeParts)
{
    TBitmap bmp(100, 50);
    TCanvas& canvas = bmp.Canvas();
    const Integer w = canvas.TextWidth("Ab");
    const Integer h = canvas.TextHeight("Ab");
    const TEcButtonLayout l = CalcButtonLayout(canvas, Rect(0, 0, 100, 24), TPoint{0, 0}, "Ab", blGlyphLeft, -1, -1,
                                               false, Glyph16, false, DT_CENTER);
    const Integer third = (100 - 16 - w) / 3;
    EXPECT_EQ(l.GlyphPos, (TPoint{third, 4}));
    EXPECT_EQ(l.TextBounds, Rect(third + 16 + third, (24 - h) / 2, third + 16 + third + w, (24 - h) / 2 + h));
    EXPECT_EQ(l.Caption, String("Ab"));
}

TEST(EcButtonLayout, ACaptionIsShortenedLineByLineUnlessWrapped)
{
    TBitmap bmp(100, 50);
    TCanvas& canvas = bmp.Canvas();
    const String longCaption = "A very long caption indeed";
    TEcButtonLayout l = CalcButtonLayout(canvas, Rect(0, 0, 40, 20), TPoint{0, 0}, longCaption, blGlyphLeft, -1, -1,
                                         false, TPoint{0, 0}, false, DT_CENTER);
    EXPECT_EQ(Copy(l.Caption, l.Caption.Length() - 2, 3), String("..."));
    EXPECT_LE(canvas.TextWidth(l.Caption), 40);
    EXPECT_LE(l.TextBounds.Right - l.TextBounds.Left, 40);
    l = CalcButtonLayout(canvas, Rect(0, 0, 40, 20), TPoint{0, 0}, longCaption, blGlyphLeft, -1, -1, false,
                         TPoint{0, 0}, true, DT_CENTER);
    EXPECT_EQ(l.Caption, longCaption);
    l = CalcButtonLayout(canvas, Rect(0, 0, 200, 20), TPoint{0, 0}, "OK  \r\n", blGlyphLeft, -1, -1, false,
                         TPoint{0, 0}, false, DT_CENTER);
    EXPECT_EQ(l.Caption, String("OK"));
}

}  // namespace

namespace {

// A strip of 4 x 4 cells, cell i filled with colors[i] but for its top-left pixel in magenta,
// the strip's transparent colour.
std::unique_ptr<TBitmap> Strip(const std::vector<TColor>& colors)
{
    const Integer cells = static_cast<Integer>(colors.size());
    auto strip = std::make_unique<TBitmap>(4 * cells, 4);
    for (Integer i = 0; i < cells; ++i) {
        strip->Canvas().Brush().SetColor(colors[static_cast<size_t>(i)]);
        strip->Canvas().FillRect(Rect(4 * i, 0, 4 * i + 4, 4));
        strip->Canvas().SetPixel(4 * i, 0, clFuchsia);
    }
    strip->SetTransparentColor(clFuchsia);
    return strip;
}

// The 4 x 4 glyph drawn on a yellow 4 x 4 bitmap.
std::string GlyphPicture(TEcxButtonGlyph& glyph, TEcButtonState state)
{
    TBitmap bmp(4, 4);
    bmp.Canvas().Brush().SetColor(clYellow);
    bmp.Canvas().FillRect(Rect(0, 0, 4, 4));
    glyph.DrawButtonGlyph(bmp.Canvas(), 0, 0, state);
    return Picture(bmp, {{clYellow, '.'}, {clRed, 'r'}, {clBlue, 'b'}, {clLime, 'l'}, {clAqua, 'a'}, {clNavy, 'n'},
                         {static_cast<TColor>(RGB(76, 76, 76)), 'g'},
                         {clBtnShadow, 's'}, {clBtnHighlight, 'h'}});
}

TEST(EcxButtonGlyph, SquareCellsOfTheStripGiveTheCellCount)
{
    struct Case { Integer Width, Height, Cells; };
    const Case cases[] = {{32, 16, 2}, {96, 16, 1}, {80, 16, 5}, {16, 16, 1}, {30, 16, 3}};   // 30: not square cells
    for (const Case& c : cases) {
        TEcxButtonGlyph glyph;
        glyph.SetNumGlyphs(3);
        TBitmap strip(c.Width, c.Height);
        glyph.SetGlyph(&strip);
        EXPECT_EQ(glyph.NumGlyphs(), c.Cells) << c.Width << " x " << c.Height;
    }
}

TEST(EcxButtonGlyph, EachStateDrawsItsCellWithTheTransparentPixelLeftOut)
{
    TEcxButtonGlyph two;
    int changes = 0;
    two.OnChange = [&] { ++changes; };
    auto strip2 = Strip({clRed, clBlue});
    two.SetGlyph(strip2.get());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(GlyphPicture(two, rbsUp), ".rrr/rrrr/rrrr/rrrr");
    EXPECT_EQ(GlyphPicture(two, rbsDisabled), ".bbb/bbbb/bbbb/bbbb");
    EXPECT_EQ(GlyphPicture(two, rbsDown), ".rrr/rrrr/rrrr/rrrr");       // fewer than 3 cells: the up image
    EXPECT_EQ(GlyphPicture(two, rbsExclusive), ".rrr/rrrr/rrrr/rrrr");  // no cell of its own: cell 0
    EXPECT_EQ(GlyphPicture(two, rbsInactive), ".ggg/gggg/gggg/gggg");   // cell 0 in grey

    // one cell: the disabled glyph is embossed; the old style outlines only the black pixels
    TEcxButtonGlyph one;
    auto strip1 = Strip({clRed});
    one.SetGlyph(strip1.get());
    EXPECT_EQ(GlyphPicture(one, rbsUp), ".rrr/rrrr/rrrr/rrrr");
    EXPECT_EQ(GlyphPicture(one, rbsDisabled), "..../..../..../....");
    one.SetGrayNewStyle(true);
    const std::string embossed = GlyphPicture(one, rbsDisabled);
    EXPECT_EQ(embossed.find('r'), std::string::npos) << embossed;
    EXPECT_NE(embossed.find('s'), std::string::npos) << embossed;

    TEcxButtonGlyph five;
    auto strip5 = Strip({clRed, clBlue, clLime, clAqua, clNavy});
    five.SetGlyph(strip5.get());
    EXPECT_EQ(GlyphPicture(five, rbsDown), ".lll/llll/llll/llll");
    EXPECT_EQ(GlyphPicture(five, rbsExclusive), ".aaa/aaaa/aaaa/aaaa");
    EXPECT_EQ(GlyphPicture(five, rbsInactive), ".nnn/nnnn/nnnn/nnnn");
}

TEST(EcxButtonGlyph, GlyphsOfOneSizeShareOneListThatGoesWithTheLastOfThem)
{
    auto strip = Strip({clRed, clBlue});
    {
        TEcxButtonGlyph a, b;
        a.SetGlyph(strip.get());
        b.SetGlyph(strip.get());
        a.CreateButtonGlyph(rbsUp);
        b.CreateButtonGlyph(rbsUp);
        b.CreateButtonGlyph(rbsDisabled);
        ASSERT_NE(a.GlyphList(), nullptr);
        EXPECT_EQ(a.GlyphList(), b.GlyphList());
        auto* list = static_cast<TEcGlyphList*>(a.GlyphList());
        EXPECT_EQ(list->UsedCount(), 3);
        a.Invalidate();                                  // its slot is freed and reused
        EXPECT_EQ(list->UsedCount(), 2);
        const Integer count = list->Count();
        a.CreateButtonGlyph(rbsUp);
        EXPECT_EQ(list->Count(), count);
        EXPECT_EQ(list->UsedCount(), 3);
    }
    EXPECT_FALSE(TEcGlyphCache::Exists());
}

// A list of one 4 x 4 image in silver (light: the list's own disabled look leaves it out) with
// its top-left pixel transparent, drawn on a yellow 5 x 5 bitmap.
TEST(EcxButtonGlyph, AListImageIsDisabledInTheListsLookOrEmbossedAndGreyedOnce)
{
    TCustomImageList images(4, 4);
    TBitmap silver(4, 4);
    silver.Canvas().FillRectColor(Rect(0, 0, 4, 4), clSilver);
    silver.Canvas().SetPixel(0, 0, clFuchsia);
    images.AddMasked(&silver, clFuchsia);
    auto picture = [&](TEcxButtonGlyph& glyph, TEcButtonState state) {
        TBitmap bmp(5, 5);
        bmp.Canvas().FillRectColor(Rect(0, 0, 5, 5), clYellow);
        glyph.DrawButtonImage(bmp.Canvas(), 0, 0, state, images, 0);
        return Picture(bmp, {{clYellow, '.'}, {clSilver, 'v'}, {clBtnShadow, 's'}, {clBtnHighlight, 'h'}});
    };
    TEcxButtonGlyph glyph;
    EXPECT_EQ(picture(glyph, rbsUp), ".vvv./vvvv./vvvv./vvvv./.....");
    glyph.SetGrayNewStyle(true);
    EXPECT_EQ(picture(glyph, rbsDisabled), "...../...../...../...../.....");   // nothing dark to show
    glyph.SetGrayNewStyle(false);
    EXPECT_EQ(picture(glyph, rbsDisabled), ".sss./ssssh/ssssh/ssssh/.hhhh");   // the shape embossed
    // The grey image of an inactive button is made once, into the shared list.
    const Integer grey = glyph.CreateImageGlyph(rbsInactive, images, 0);
    ASSERT_GE(grey, 0);
    EXPECT_EQ(glyph.CreateImageGlyph(rbsInactive, images, 0), grey);
    EXPECT_EQ(static_cast<TEcGlyphList*>(glyph.GlyphList())->UsedCount(), 1);
    EXPECT_EQ(picture(glyph, rbsInactive), ".vvv./vvvv./vvvv./vvvv./.....");   // a grey stays itself
}

TEST(EcSpeedButton, HoverSettingsAreTakenOverWholeFromAnotherButton)
{
    TEcSpeedButton from(nullptr), to(nullptr);
    from.SetHotTrack(true);
    from.HotTrackFont().SetColor(clRed);
    from.SetHotTrackFontOptions({hoFollowFont});
    from.HotTrackOptions().SetColor(clAqua);
    to.AssignHotTrack(&from);
    EXPECT_TRUE(to.HotTrack());
    EXPECT_EQ(to.HotTrackFont().Color(), from.HotTrackFont().Color());
    EXPECT_EQ(to.HotTrackFontOptions(), TEcTrackFontOptions{hoFollowFont});
    EXPECT_EQ(to.HotTrackOptions().Color(), clAqua);
    to.SetHotTrack(false);
    to.AssignHotTrack(&to);        // itself, or none: nothing
    to.AssignHotTrack(nullptr);
    EXPECT_FALSE(to.HotTrack());
}

TEST(EcxButtonGlyph, ADropDownMarkWithoutGlyphOrCaptionIsCentred)
{
    TEcxButtonGlyph glyph;
    TBitmap bmp(21, 9);
    bmp.Canvas().Brush().SetColor(clYellow);
    bmp.Canvas().FillRect(Rect(0, 0, 21, 9));
    glyph.Draw(bmp.Canvas(), Rect(0, 0, 21, 9), TPoint{0, 0}, "", blGlyphLeft, -1, -1, true, rbsUp, DT_CENTER, false);
    // x = (0 + 21 - 7) div 2 = 7; the text box is empty at the middle height 4
    EXPECT_EQ(Picture(bmp, {{clYellow, '.'}, {clBtnText, 't'}}), "...................../"
                                                               "...................../"
                                                               "...................../"
                                                               ".......ttttttt......./"
                                                               "........ttttt......../"
                                                               ".........ttt........./"
                                                               "..........t........../"
                                                               "...................../"
                                                               ".....................");
}

}  // namespace

// An action list with two 4 x 4 images: red with a white corner, then blue.
struct SpeedButtonActions : ::testing::Test {
    TComponent Owner{nullptr};
    TCustomImageList* Images = new TCustomImageList(&Owner);
    TActionList* List = new TActionList(&Owner);
    TAction* Units = new TAction(&Owner);
    void SetUp() override
    {
        Images->SetWidth(4);
        Images->SetHeight(4);
        TBitmap strip(8, 4);
        strip.Canvas().Brush().SetColor(clRed);
        strip.Canvas().FillRect(Rect(0, 0, 4, 4));
        strip.Canvas().Brush().SetColor(clBlue);
        strip.Canvas().FillRect(Rect(4, 0, 8, 4));
        strip.Canvas().SetPixel(0, 0, clWhite);
        Images->AddMasked(&strip, clWhite);
        List->SetImages(Images);
        Units->SetActionList(List);
        Units->SetGroupIndex(3);
        Units->SetImageIndex(0);
    }
};

TEST_F(SpeedButtonActions, AButtonTakesTheActionsGroupAndImageAndFollowsItsCheckedState)
{
    auto* button = new TEcSpeedButton(&Owner);
    button->SetAllowAllUp(true);
    button->SetAction(Units);
    EXPECT_EQ(button->GroupIndex(), 3);
    ASSERT_TRUE(button->GlyphFromAction());
    // the image over magenta, its masked corner left magenta: the glyph's transparent colour
    EXPECT_EQ(button->Glyph().Width(), 4);
    EXPECT_EQ(button->Glyph().Canvas().Pixel(0, 0), static_cast<TColor>(0x00FF00FF));
    EXPECT_EQ(button->Glyph().Canvas().Pixel(2, 2), clRed);
    EXPECT_EQ(button->Glyph().TransparentColor(), static_cast<TColor>(0x00FF00FF));
    Units->SetChecked(true);
    EXPECT_TRUE(button->Down());
    Units->SetChecked(false);
    EXPECT_FALSE(button->Down());
    Units->SetGroupIndex(5);
    EXPECT_EQ(button->GroupIndex(), 5);
    // a glyph of its own is kept when another action comes
    TBitmap own(2, 2);
    button->SetGlyph(&own);
    EXPECT_FALSE(button->GlyphFromAction());
    auto* other = new TAction(&Owner);
    other->SetActionList(List);
    other->SetImageIndex(1);
    button->SetAction(other);
    EXPECT_EQ(button->Glyph().Width(), 2);
}

TEST_F(SpeedButtonActions, CheckedAndGroupAreLinkedOnlyWhileTheButtonSharesThem)
{
    struct Case {
        const char* name;
        bool allowAllUp;
        Integer ownGroup;   // set after the action: the button's own
        bool downAfterCheck;
        Integer groupAfterChange;
    } cases[] = {
        {"linked", true, 3, true, 7},
        {"stays down", false, 3, false, 7},   // a group button that may not go up ignores Checked
        {"own group", true, 4, true, 4},
    };
    for (const Case& c : cases) {
        auto* action = new TAction(&Owner);
        action->SetGroupIndex(3);
        auto* button = new TEcSpeedButton(&Owner);
        button->SetAllowAllUp(c.allowAllUp);
        button->SetAction(action);
        button->SetGroupIndex(c.ownGroup);
        action->SetChecked(true);
        EXPECT_EQ(button->Down(), c.downAfterCheck) << c.name;
        action->SetGroupIndex(7);
        EXPECT_EQ(button->GroupIndex(), c.groupAfterChange) << c.name;
    }
}

TEST_F(SpeedButtonActions, AnImageButtonTakesTheListAndFollowsTheImageIndexWhileItSharesIt)
{
    auto* button = new TEcImageSpeedButton(&Owner);
    button->SetAction(Units);
    EXPECT_EQ(button->Images(), Images);
    EXPECT_EQ(button->ImageIndex(), 0);
    Units->SetImageIndex(1);
    EXPECT_EQ(button->ImageIndex(), 1);
    button->SetImageIndex(0);   // its own image now
    Units->SetImageIndex(-1);
    EXPECT_EQ(button->ImageIndex(), 0);
}
