#include <gtest/gtest.h>

#include "platform/graphics/Bitmaps.h"
#include "platform/services/Themes.h"

namespace {

// The ordinal of details by the parts' first states, written out independently of the services:
// the push button's part starts at 2, the radio button's at 8, the check box's at 16 ...
struct Case {
    TThemedElementDetails Details;
    TThemedElement Element;
    int Part, State;
};

TEST(StyleServices, DetailsNameThePartAndStateOfAnElement)
{
    TCustomStyleServices& s = StyleServices();
    const Case cases[] = {
        {s.GetElementDetails(tbPushButtonNormal), teButton, 1, 1},
        {s.GetElementDetails(tbPushButtonDefaulted), teButton, 1, 5},
        {s.GetElementDetails(tbRadioButtonCheckedNormal), teButton, 2, 5},
        {s.GetElementDetails(tbCheckBoxUncheckedNormal), teButton, 3, 1},
        {s.GetElementDetails(tbButtonRoot), teButton, 0, 0},
        {s.GetElementDetails(tcDropDownButtonDisabled), teComboBox, 1, 4},
        {s.GetElementDetails(teEditTextReadOnly), teEdit, 1, 6},
        {s.GetElementDetails(teEditCaret), teEdit, 2, 1},
        {s.GetElementDetails(ttbButtonHot), teToolBar, 1, 2},
        {s.GetElementDetails(ttbSplitButtonNormal), teToolBar, 3, 1},
        {s.GetElementDetails(ttbSplitButtonDropDownNormal), teToolBar, 4, 1},
        {s.GetElementDetails(tttCloseHot), teToolTip, 5, 2},
        {s.GetElementDetails(twSmallCloseButtonPushed), teWindow, 19, 3},
        {s.GetElementDetails(tpPanelBackground), tePanel, 1, 1},
        {s.GetElementDetails(static_cast<TThemedScrollBar>(22)), teScrollBar, 2, 1},
        {s.GetElementDetails(static_cast<TThemedScrollBar>(61)), teScrollBar, 10, 2},
        {s.GetElementDetails(static_cast<TThemedTab>(43)), teTab, 10, 1},
        {s.GetElementDetails(static_cast<TThemedTreeview>(1)), teTreeview, 0, 1},
    };
    for (const Case& c : cases) {
        const TThemedElementDetails expected{c.Element, c.Part, c.State};
        EXPECT_EQ(c.Details, expected) << c.Element << " " << c.Part << " " << c.State << " got " << c.Details.Part
                                       << " " << c.Details.State;
    }
}

TEST(StyleServices, WithoutAStyleNothingIsDrawnOrMeasured)
{
    TCustomStyleServices& s = StyleServices();
    EXPECT_FALSE(s.Enabled());
    EXPECT_FALSE(s.Available());
    EXPECT_TRUE(s.IsSystemStyle());
    EXPECT_FALSE(TStyleManager::IsCustomStyleActive());

    TBitmap bmp;
    bmp.SetSize(6, 4);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 6, 4));
    const TThemedElementDetails button = s.GetElementDetails(tbPushButtonNormal);
    EXPECT_FALSE(s.DrawElement(bmp.Canvas().Handle(), button, Rect(0, 0, 6, 4)));
    EXPECT_FALSE(s.DrawParentBackground(nullptr, bmp.Canvas().Handle(), nullptr, false));
    TRect r = Rect(0, 0, 6, 4);
    EXPECT_FALSE(s.DrawText(bmp.Canvas().Handle(), button, "Dam", r, 0));
    for (Integer y = 0; y < 4; ++y)
        for (Integer x = 0; x < 6; ++x) EXPECT_EQ(bmp.Canvas().Pixel(x, y), clWhite) << x << "," << y;

    TColor color = clRed;
    EXPECT_FALSE(s.GetElementColor(button, ecTextColor, color));
    EXPECT_EQ(color, clRed);
    TSize size{7, 7};
    EXPECT_FALSE(s.GetElementSize(bmp.Canvas().Handle(), button, esActual, size));
    EXPECT_EQ(size.cx, 7);
    EXPECT_EQ(s.GetStyleColor(scEdit), clNone);
    EXPECT_EQ(s.GetSystemColor(clBtnFace), TColor(0xF0F0F0));
    EXPECT_EQ(s.GetSystemColor(clRed), clRed);
}

TEST(VisualStyles, EntryPointsAnswerAsForAnUnthemedWindow)
{
    TBitmap bmp;
    bmp.SetSize(4, 4);
    HDC dc = bmp.Canvas().Handle();
    EXPECT_FALSE(IsThemeActive());
    EXPECT_FALSE(IsAppThemed());
    HTHEME theme = OpenThemeData(nullptr, "combobox");
    EXPECT_EQ(theme, nullptr);
    EXPECT_EQ(GetWindowTheme(nullptr), nullptr);
    const TRect r = Rect(0, 0, 4, 4);
    EXPECT_NE(DrawThemeBackground(theme, dc, 1, 1, &r, nullptr), S_OK);
    EXPECT_NE(DrawThemeParentBackground(nullptr, dc, &r), S_OK);
    TRect extent;
    EXPECT_NE(GetThemeTextExtent(theme, dc, 1, 1, "Dam", -1, 0, nullptr, &extent), S_OK);
    EXPECT_NE(GetCurrentThemeName(nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(GetThemeAppProperties(), 0u);
    EXPECT_EQ(CloseThemeData(theme), S_OK);

    // no paint buffer: the caller paints on its own device
    HDC bufferDc = dc;
    EXPECT_EQ(BeginBufferedPaint(dc, &r, 0, nullptr, &bufferDc), nullptr);
    EXPECT_EQ(bufferDc, nullptr);
    EXPECT_NE(EndBufferedPaint(nullptr, true), S_OK);
}

}  // namespace
