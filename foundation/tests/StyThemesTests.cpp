// Theme modes, the service's dispatch with no visual styles, renderers and element ordinals.
#include <gtest/gtest.h>

#include "foundation/StyThemes.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/testing/Driver.h"

namespace {

// A renderer that can be switched on and counts what it is asked to draw.
class TCountingRenderer : public TStyThemeRenderer {
public:
    explicit TCountingRenderer(const char* name) : FName(name) {}
    bool Enabled() const override { return FOn; }
    void SetEnabled(bool value) override { FOn = value; }
    String GetThemeRendererName() const override { return FName; }
    bool ActivateDefaultTheme(const String&, bool) override { ++Activations; return true; }
    void DrawElement(HDC, const TThemedElementDetails&, const TRect&, const TRect*) override { ++Draws; }
    bool FOn = false;
    int Activations = 0, Draws = 0;

private:
    String FName;
};

// Notes the messages its hidden window hears, then handles them as the service does.
class TListeningServices : public TStyThemeServices {
public:
    void WndProc(TMessage& message) override
    {
        Heard.push_back(message.Msg);
        TStyThemeServices::WndProc(message);
    }
    std::vector<Cardinal> Heard;
};

// A shown form that notes the theme messages it gets.
class TThemeForm : public TForm {
public:
    TThemeForm() : TForm(nullptr)
    {
        SetBounds(0, 0, 120, 80);
        Show();
        TestProcess();
    }
    void WndProc(TMessage& message) override
    {
        if (message.Msg == UM_THEMECHANGED || message.Msg == WM_THEMECHANGED) Seen.push_back(message.Msg);
        TForm::WndProc(message);
    }
    std::vector<Cardinal> Seen;
};

}  // namespace

TEST(StyThemesTests, TheDesktopsThemeChangeReachesTheHiddenWindowAndIsDroppedWithoutVisualStyles)
{
    TestInitialize();
    TListeningServices services;
    TThemeForm form;
    TestSystemThemeChange();
    EXPECT_EQ(services.Heard, std::vector<Cardinal>{WM_THEMECHANGED});
    // the form hears the desktop itself, but the service passes nothing on: the program uses
    // no visual styles
    EXPECT_EQ(form.Seen, std::vector<Cardinal>{WM_THEMECHANGED});
    EXPECT_FALSE(services.SystemThemeIsChanging());
}

// A change of what the service draws tells every form (1513); an unchanged value tells none.
TEST(StyThemesTests, ApplyingAThemeChangeTellsEveryForm)
{
    TestInitialize();
    TStyThemeServices services;
    TThemeForm form;
    services.SetSubstToolBarToButton(true);
    EXPECT_TRUE(form.Seen.empty());
    services.SetSubstToolBarToButton(false);
    EXPECT_EQ(form.Seen.front(), UM_THEMECHANGED);
    form.Seen.clear();
    TCountingRenderer renderer("Only");
    services.RegisterThemeRenderer(&renderer);   // selected at once, its default theme applied
    EXPECT_EQ(form.Seen.front(), UM_THEMECHANGED);
}

TEST(StyThemesTests, WithoutVisualStylesEveryModeButNativeResolvesToNoTheme)
{
    TStyThemeServices services;
    EXPECT_EQ(services.UseTheme(ttmNone), ttmNone);
    EXPECT_EQ(services.UseTheme(ttmPlatform), ttmNone);
    EXPECT_EQ(services.UseTheme(ttmNative), ttmNone);   // no renderer: as the platform mode
    EXPECT_TRUE(services.ThemesEnabled(ttmNone));
    EXPECT_FALSE(services.ThemesEnabled(ttmPlatform));
    EXPECT_FALSE(services.ThemesEnabled(ttmNative));
    EXPECT_EQ(UseTheme(ttmPlatform), ttmNone);   // the process-wide service agrees
}

TEST(StyThemesTests, WithNoThemeTheCallsFailAndDrawNothing)
{
    TStyThemeServices services;
    TBitmap bmp(8, 8);
    bmp.Canvas().Brush().SetColor(clWhite);
    bmp.Canvas().FillRect(Rect(0, 0, 8, 8));
    HDC dc = bmp.Canvas().Handle();
    const TThemedElementDetails button{teButton, 1, 1};
    services.DrawElement(ttmPlatform, dc, button, Rect(0, 0, 8, 8));
    services.DrawThemeText(ttmPlatform, dc, button, "x", 1, 0, 0, Rect(0, 0, 8, 8));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) ASSERT_EQ(bmp.Canvas().Pixel(x, y), clWhite) << x << "," << y;
    TSize size{};
    TRect extent;
    EXPECT_FALSE(services.GetThemePartSize(ttmPlatform, dc, button, size));
    EXPECT_FALSE(services.GetThemeTextExtent(ttmNone, dc, button, "x", 1, 0, nullptr, extent));
    EXPECT_EQ(services.GetThemeColor(ttmPlatform, button, 3801), static_cast<Cardinal>(clNone));
    EXPECT_EQ(services.GetThemeSysColor(ttmPlatform, teEdit, 5), static_cast<Cardinal>(clNone));
    EXPECT_EQ(services.GetThemeSysSize(ttmPlatform, teButton, 1), 0);
    EXPECT_EQ(services.ContentRect(ttmPlatform, dc, button, Rect(1, 2, 3, 4)), Rect(1, 2, 3, 4));
}

TEST(StyThemesTests, TheFirstRendererBecomesCurrentAndUnknownNamesChangeNothing)
{
    TStyThemeServices services;
    TCountingRenderer first("First"), second("Second");
    services.RegisterThemeRenderer(&first);
    services.RegisterThemeRenderer(&second);
    EXPECT_EQ(services.CurrentRenderer(), &first);
    EXPECT_EQ(first.Activations, 1);
    services.SelectThemeRenderer("Nobody");
    services.SelectThemeRenderer(7);
    services.SelectThemeRenderer(-1);
    EXPECT_EQ(services.CurrentRenderer(), &first);
    services.SelectThemeRenderer("Second");
    EXPECT_EQ(services.CurrentRenderer(), &second);
    EXPECT_EQ(second.Activations, 1);

    // The native mode needs the renderer switched on.
    EXPECT_EQ(services.UseTheme(ttmNative), ttmNone);
    second.FOn = true;
    EXPECT_EQ(services.UseTheme(ttmNative), ttmNative);
    EXPECT_TRUE(services.ThemesEnabled(ttmNative));
    TBitmap bmp(4, 4);
    services.DrawElement(ttmNative, bmp.Canvas().Handle(), {teButton, 1, 1}, Rect(0, 0, 4, 4));
    EXPECT_EQ(second.Draws, 1);
}

TEST(StyThemesTests, TheBaseClassesRaiseTheirMessages)
{
    TStyThemeRenderer renderer;
    EXPECT_THROW(renderer.Enabled(), EAbstractError);
    try {
        renderer.Init();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), String("TStyThemesRenderer.Init method is not implemented!"));
    }
    TStyThemesControllerBase controller(nullptr);
    try {
        controller.RegisterController();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), String("TStyThemesControllerBase.RegisterController method undefined!"));
    }
    EXPECT_THROW(controller.GetThemeRenderer(), Exception);
}

TEST(StyThemesTests, DetailOrdinalsFollowTheKindsTables)
{
    struct Case {
        TThemedElementDetails details;
        int ordinal;
    };
    const Case cases[] = {
        {{teButton, 1, 1}, 2},     {{teButton, 3, 2}, 17},   {{teComboBox, 0, 4}, 5}, {{teComboBox, 1, 4}, 5},
        {{teWindow, 19, 1}, 56},   {{teWindow, 3, 1}, 0},    {{teHeader, 0, 0}, 2},   {{teTreeview, 0, 1}, 1},
        {{teToolBar, 6, 1}, 42},   {{teScrollBar, 10, 2}, 61}, {{teClock, 1, 1}, 0},  {{teButton, 0, 0}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetDetailOrd(c.details), c.ordinal)
            << c.details.Element << " part " << c.details.Part << " state " << c.details.State;
    const TThemedElementDetails pressed = GetDetails(teButton, tbPushButtonPressed);
    EXPECT_EQ(pressed, (TThemedElementDetails{teButton, 1, 3}));
}
