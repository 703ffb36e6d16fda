#include <gtest/gtest.h>

#include <cstdlib>

#include "listcontrols/GxStyleIF.h"
#include "platform/forms/MonitorsBackend.h"
#include "platform/rtl/Registry.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/rtl/tests/TempFolder.h"
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

// The user's registry in a folder of its own for each case.
class UserRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) Old = old, Had = true;
    }
    void TearDown() override
    {
        if (Had) ::setenv("XDG_CONFIG_HOME", Old.c_str(), 1);
        else ::unsetenv("XDG_CONFIG_HOME");
    }
    std::string Old;
    bool Had = false;
};

// Office settings decide the default style, newest Office first, then whether the user's apps
// are dark; a key without the value asked for counts as present where it does.  A text where an
// Office theme number belongs is the registry's read error.
TEST_F(UserRegistry, TheDefaultStyleFollowsTheUsersOfficeAndWindowsSettings)
{
    struct Value {
        const char* key;
        const char* name;   // null: the key alone
        const char* value;
    };
    struct Case {
        std::vector<Value> values;
        TGxStyle style;
        bool typeError = false;   // the registry reports a wrongly typed value as its read error
    };
    const char* const office16 = "Software\\Microsoft\\Office\\16.0\\Common";
    const char* const office15 = "Software\\Microsoft\\Office\\15.0\\Common";
    const char* const office14 = "Software\\Microsoft\\Office\\14.0\\Common";
    const char* const office12 = "Software\\Microsoft\\Office\\12.0\\Common";
    const char* const personalize = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    const Case cases[] = {
        {{}, tsWindows10},
        {{{office16, nullptr, ""}}, tsOffice2019White},
        {{{office16, "UI Theme", "3"}}, tsOffice2019Gray},
        {{{office16, "UI Theme", "4"}, {office15, "UI Theme", "2"}}, tsOffice2019Black},
        {{{office16, "UI Theme", "dark"}}, tsOffice2019White},
        {{{office15, nullptr, ""}}, tsOffice2013White},
        {{{office15, "UI Theme", "1"}}, tsOffice2013LightGray},
        {{{office15, "UI Theme", "5"}, {office14, "Theme", "1"}}, tsCustom},   // older keys not looked at
        {{{office14, "Theme", "3"}}, tsOffice2010Black},
        {{{office14, "Theme", "7"}, {office12, "Theme", "1"}}, tsCustom},
        {{{office14, nullptr, ""}, {office12, "Theme", "2"}}, tsOffice2007Silver},
        {{{office14, nullptr, ""}, {office12, nullptr, ""}}, tsWindows10},
        {{{personalize, "AppsUseLightTheme", "0"}}, tsOffice2019Black},
        {{{personalize, "AppsUseLightTheme", "1"}}, tsWindows10},
        {{{personalize, nullptr, ""}}, tsWindows10},
        {{{personalize, "AppsUseLightTheme", "dark"}}, tsOffice2019Black},
        {{{office14, "Theme", "dark"}}, tsCustom, true},
        {{{office14, nullptr, ""}, {office12, "Theme", "blue"}}, tsCustom, true},
        {{{office15, "UI Theme", "2"}, {office14, "Theme", "dark"}}, tsOffice2013Gray},   // not read
    };
    for (size_t k = 0; k < std::size(cases); ++k) {
        TempFolder home;
        ::setenv("XDG_CONFIG_HOME", home.Path().c_str(), 1);
        for (const Value& v : cases[k].values) {
            TRegistry registry;
            registry.OpenKey(v.key, true);
            if (v.name) registry.WriteString(v.name, v.value);
        }
        if (cases[k].typeError)
            EXPECT_THROW(DetectDefaultStyle(false), ERegistryException) << "case " << k;
        else
            EXPECT_EQ(DetectDefaultStyle(false), cases[k].style) << "case " << k;
    }
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

// The displays as the toolkit reports them, each at 144 dots per inch.
class TFineMonitors : public TMonitorsBackend {
public:
    explicit TFineMonitors(TMonitorsBackend& real) : FReal(real) {}
    std::vector<TMonitorFacts> Monitors() override
    {
        std::vector<TMonitorFacts> monitors = FReal.Monitors();
        for (TMonitorFacts& m : monitors) m.PixelsPerInch = 144;
        return monitors;
    }

private:
    TMonitorsBackend& FReal;
};

// A form that does not scale its controls keeps them at 1 on a monitor of any resolution.
TEST(GxStyles, AFormThatDoesNotScaleKeepsItsControlsAtOneOnAFineMonitor)
{
    TestInitialize();
    TMonitorsBackend& real = MonitorsBackend();
    TFineMonitors fine(real);
    RegisterMonitorsBackend(&fine);
    TForm form(nullptr);
    TPanel panel(&form);
    panel.SetParent(&form);
    EXPECT_EQ(form.Monitor()->PixelsPerInch(), 144);
    form.SetScaled(false);
    EXPECT_FLOAT_EQ(GetControlDPIScale(&panel, nullptr), 1.0f);
    EXPECT_FLOAT_EQ(GetControlDPIScale(&form, nullptr), 1.0f);
    RegisterMonitorsBackend(&real);
}

}  // namespace
