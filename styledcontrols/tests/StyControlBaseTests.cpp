// The windowed base without a window: the parent's published theme mode found by reflection,
// and the properties older forms stored.
#include <gtest/gtest.h>

#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "styledcontrols/StyCustomControl.h"

namespace {

// A renderer of the native mode that is switched on; it draws nothing.
class TTestRenderer : public TStyThemeRenderer {
public:
    bool On = true;
    bool Enabled() const override { return On; }
    void SetEnabled(bool Value) override { On = Value; }
    String GetThemeRendererName() const override { return "Test renderer"; }
    bool ActivateDefaultTheme(const String&, bool) override { return true; }
};

}  // namespace

TEST(StyControlBase, TheParentsPublishedThemeModeIsFollowed)
{
    static TTestRenderer renderer;   // lives as long as the theme services
    StyThemeServices().RegisterThemeRenderer(&renderer);
    StyThemeServices().SelectThemeRenderer("Test renderer");
    renderer.On = true;

    TStyCustomControl parent(nullptr);
    parent.SetThemeMode(ttmNative);
    TStyCustomControl child(nullptr);
    child.SetThemeMode(ttmNone);
    child.SetParent(&parent);
    EXPECT_EQ(child.EffectiveThemeMode(), ttmNative);   // the parent's "ThemeMode"
    child.SetParentThemeMode(false);
    EXPECT_EQ(child.EffectiveThemeMode(), ttmNone);
    child.SetParentThemeMode(true);
    child.SetParent(nullptr);

    TCustomControl plain(nullptr);   // publishes no "ThemeMode": the child's own mode
    TStyCustomControl other(nullptr);
    other.SetThemeMode(ttmNative);
    other.SetParent(&plain);
    EXPECT_EQ(other.EffectiveThemeMode(), ttmNative);
    other.SetParent(nullptr);
    renderer.On = false;
    EXPECT_EQ(other.EffectiveThemeMode(), ttmNone);
}

TEST(StyControlBase, OlderFormsSetTheLookByCtlXPAndGlobalListsByReference)
{
    TStyCustomControl control(nullptr);
    ReadComponentText("object Edit1: TStyCustomControl\n  CtlXP = False\nend\n", &control);
    EXPECT_EQ(control.ThemeMode(), ttmNone);

    control.SetImageList(&GlobalContainer().ImageList());
    const std::string text = WriteComponentText(&control).ToUtf8();
    EXPECT_NE(text.find("Internal = 'STYIML30'"), std::string::npos) << text;
    EXPECT_EQ(text.find("CtlXP"), std::string::npos) << text;   // read, never written
    TStyCustomControl back(nullptr);
    ReadComponentText(String(text), &back);
    EXPECT_EQ(back.ImageList(), &GlobalContainer().ImageList());
}

// The private messages keep their numbers: forms and controls of other units send them by number.
TEST(StyControlBase, TheLibraryMessagesKeepTheirNumbers)
{
    const std::pair<Cardinal, Cardinal> messages[] = {
        {UM_OPAQUECHANGED, 1504}, {UM_PARENTBACKCHANGED, 1505}, {UM_AFTERENTER, 1506}, {UM_AFTEREXIT, 1507},
        {UM_BEVELCHANGED, 1508},  {UM_BACKCHANGED, 1511},       {UM_THEMECHANGED, 1513},
    };
    for (const auto& [message, number] : messages) EXPECT_EQ(message, number);
}

// The window clips its children and is not redrawn whole when it is sized.
TEST(StyControlBase, TheWindowClipsItsChildrenAndIsNotRedrawnWholeOnSizing)
{
    struct TProbe : TStyCustomControl {
        using TStyCustomControl::TStyCustomControl;
        TCreateParams Params()
        {
            TCreateParams p;
            p.WindowClassStyle = CS_VREDRAW | CS_HREDRAW;
            CreateParams(p);
            return p;
        }
    } probe(nullptr);
    const TCreateParams p = probe.Params();
    EXPECT_NE(p.Style & WS_CLIPCHILDREN, 0u);
    EXPECT_EQ(p.WindowClassStyle & (CS_VREDRAW | CS_HREDRAW), 0u);
}
