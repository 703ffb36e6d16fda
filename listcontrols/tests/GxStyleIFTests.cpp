#include <gtest/gtest.h>

#include "listcontrols/GxStyleIF.h"
#include "platform/testing/Driver.h"

namespace {

// No Office settings exist here and the system is a Windows 10 workstation without a dark app
// theme: the default style is Windows 10.
TEST(GxStyles, TheDefaultStyleIsWindows10)
{
    EXPECT_EQ(GetOSVersionClass(), 3);
    EXPECT_EQ(DetectDefaultStyle(false), tsWindows10);
    EXPECT_EQ(DetectDefaultStyle(true), tsOffice2003Classic);   // no visual style: the classic scheme
}

TEST(GxStyles, DisplayNamesByOrdinal)
{
    struct Case {
        TGxStyle style;
        Integer ordinal;
        const char* name;
    } cases[] = {{tsOffice2003Blue, 0, "Office 2003 Blue"}, {tsOffice2007Luna, 4, "Office 2007 Blue"},
                 {tsWhidbey, 7, ""},                         {tsCustom, 8, "Custom"},
                 {tsOffice2013LightGray, 18, "Office 2013 Light gray"}, {tsOffice2019Black, 26, "Office 2019 Black"}};
    for (const Case& c : cases) {
        EXPECT_EQ(static_cast<Integer>(c.style), c.ordinal);
        EXPECT_EQ(GxStyleDisplayName(c.style), String(c.name)) << c.ordinal;
    }
}

TEST(GxStyles, ShadesAndTones)
{
    EXPECT_EQ(ShadeColor(0xFFFFFF, 20), TColor(0xCCCCCC));
    EXPECT_EQ(ShadeColor(clBtnFace, 0), ColorToRGB(clBtnFace));
    const TColorTones dark = CreateMetroTones(false, 0x0000FF, clBlack);
    EXPECT_EQ(dark.Background.BrushColor, TColor(0x000000));
    EXPECT_EQ(dark.Background.TextColor, TColor(0xFFFFFF));
    EXPECT_EQ(dark.Hover.BrushColor, TColor(0x0000CC));
    EXPECT_EQ(DefaultColorTones().Selected.TextColor, clHighlightText);
}

TEST(GxStyles, FontsDifferingOnlyInCharacterSetAreNotTheSame)
{
    TFont a, b;
    EXPECT_TRUE(SameFont(a, b));
    b.SetCharset(SYMBOL_CHARSET);
    EXPECT_FALSE(SameFont(a, b));
}

TEST(GxStyles, ScaleAndCustomLook)
{
    TestInitialize();
    TForm form(nullptr);
    EXPECT_FLOAT_EQ(GetControlDPIScale(&form, nullptr), 1.0f);   // 96 dots per inch
    EXPECT_FLOAT_EQ(GetControlDPIScale(nullptr, nullptr), 1.0f);
    EXPECT_FALSE(IsCustomStyleActive(StyleServices(), false));
    EXPECT_TRUE(IsCustomStyleActive(StyleServices(), true));   // "Windows" while designing
}

}  // namespace
