#include <gtest/gtest.h>

#include "editcontrols/EcSpeedButton.h"
#include "editcontrols/tests/EditControlsTestSupport.h"

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
