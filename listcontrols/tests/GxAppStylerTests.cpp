// The form and application stylers: a style pushed to a form, its combo boxes and those of its
// frames (nested ones too), vetoes, the style chooser, Metro tones, theme changes and the
// application styler's forwarding.
#include <gtest/gtest.h>

#include "listcontrols/GxAppStyler.h"
#include "listcontrols/GxCombo.h"
#include "platform/forms/Frames.h"
#include "platform/testing/Driver.h"

namespace {

class TStyleLog : public TObject {
public:
    std::vector<TComponent*> Applied;
    TComponent* Veto = nullptr;
    Integer Changes = 0;
    void Apply(TObject*, TComponent* c, bool& allow) { allow = c != Veto; }
    void AppliedStyle(TObject*, TComponent* c) { Applied.push_back(c); }
    void Change(TObject*) { ++Changes; }
};

// A form with a form styler, a combo box of its own, a frame holding a combo box and a frame
// inside that frame holding a third.
struct StylerFixture : ::testing::Test {
    std::unique_ptr<TForm> Form;
    TGxFormStyler* Styler = nullptr;
    TGxComboBox* OnForm = nullptr;
    TGxComboBox* OnFrame = nullptr;
    TGxComboBox* OnInner = nullptr;
    TStyleLog Log;
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Styler = new TGxFormStyler(Form.get());
        OnForm = new TGxComboBox(Form.get());
        OnForm->SetParent(Form.get());
        auto* frame = new TFrame(Form.get());
        frame->SetParent(Form.get());
        OnFrame = new TGxComboBox(frame);
        OnFrame->SetParent(frame);
        auto* inner = new TFrame(frame);
        inner->SetParent(frame);
        OnInner = new TGxComboBox(inner);
        OnInner->SetParent(inner);
        Styler->OnApplyStyle = TApplyStyleEvent(&Log, &TStyleLog::Apply);
        Styler->OnAppliedStyle = TAppliedStyleEvent(&Log, &TStyleLog::AppliedStyle);
        Styler->OnChange = TNotifyEvent(&Log, &TStyleLog::Change);
    }
};

TEST_F(StylerFixture, AStyleColoursTheFormAndStylesEveryComboBoxNestedFramesIncluded)
{
    Log.Veto = OnFrame;
    Styler->SetStyle(tsOffice2019Black);
    EXPECT_EQ(Form->Color(), TColor(0x000000));
    EXPECT_EQ(OnForm->UIStyle(), tsOffice2019Black);
    EXPECT_EQ(OnForm->Color(), TColor(0x444444));
    EXPECT_EQ(OnInner->UIStyle(), tsOffice2019Black);
    EXPECT_EQ(OnFrame->UIStyle(), tsCustom);   // vetoed: unchanged, and not reported as styled
    EXPECT_EQ(OnFrame->Color(), TColor(clWindow));
    EXPECT_EQ(Log.Applied, (std::vector<TComponent*>{OnForm, OnInner}));
    EXPECT_EQ(Log.Changes, 1);
    EXPECT_EQ(GetOwnerFormStyle(OnForm, tsCustom), tsOffice2019Black);
    // Back to Custom: nothing on the form changes.
    Styler->SetStyle(tsCustom);
    EXPECT_EQ(Form->Color(), TColor(0x000000));
    EXPECT_EQ(OnForm->Color(), TColor(0x444444));
    EXPECT_EQ(Log.Changes, 1);
}

TEST_F(StylerFixture, TheFormsColourByStyle)
{
    struct Case { TGxStyle style; TColor color; };
    const Case cases[] = {
        {tsOffice2013White, 0xFFFFFF}, {tsOffice2016White, 0xFFFFFF}, {tsOffice2019White, 0xFFFFFF},
        {tsOffice2013LightGray, 0xC0C0C0}, {tsOffice2013Gray, 0x808080}, {tsOffice2016Gray, 0x808080},
        {tsOffice2019Gray, 0x666666}, {tsOffice2016Black, 0x000000}, {tsOffice2019Black, 0x000000},
        {tsWindows10, clBtnFace}, {tsOffice2003Blue, clBtnFace},
    };
    for (const Case& c : cases) {
        Styler->SetStyle(c.style);
        EXPECT_EQ(Form->Color(), c.color) << GxStyleDisplayName(c.style).ToUtf8();
    }
}

TEST_F(StylerFixture, AppColorReappliesOnlyAStyleOtherThanCustom)
{
    Styler->SetAppColor(clRed);
    EXPECT_EQ(Log.Changes, 0);
    Styler->SetStyle(tsOffice2016Gray);
    Styler->SetAppColor(clBlue);
    EXPECT_EQ(Log.Changes, 2);
    // A disabled styler does nothing until enabled again.
    Styler->SetEnabled(false);
    Styler->SetStyle(tsOffice2019White);
    EXPECT_EQ(OnForm->UIStyle(), tsOffice2016Gray);
    EXPECT_EQ(GetOwnerFormStyle(OnForm, tsWindows7), tsWindows7);   // a disabled styler does not count
    Styler->SetEnabled(true);
    EXPECT_EQ(OnForm->UIStyle(), tsOffice2019White);
}

TEST_F(StylerFixture, TheChooserListsTheStylesAndSetsTheChosenOne)
{
    auto* chooser = new TComboBox(Form.get());
    chooser->SetParent(Form.get());
    Styler->SetComboBox(chooser);
    ASSERT_EQ(chooser->Items().Count(), 26);
    EXPECT_EQ(chooser->Style(), csDropDownList);
    EXPECT_EQ(chooser->Text(), String("Custom"));
    EXPECT_EQ(chooser->Items()[0], String("Office 2003 Blue"));
    EXPECT_EQ(chooser->Items()[5], String("Office 2007 Silver"));
    EXPECT_EQ(chooser->Items()[11], String("Windows 10"));
    EXPECT_EQ(chooser->Items()[18], String("Office 2013 Gray"));
    chooser->SetItemIndex(chooser->Items().IndexOf("Office 2016 Gray"));
    chooser->OnSelect(chooser);
    EXPECT_EQ(Styler->Style(), tsOffice2016Gray);
    delete chooser;   // forgotten through the removal notification
    EXPECT_EQ(Styler->ComboBox(), nullptr);
}

TEST_F(StylerFixture, AThemeChangeRunsTheDetectionWhenTheStylerFollowsTheTheme)
{
    ASSERT_NE(Styler->Notifier(), nullptr);
    Styler->Notifier()->Perform(WM_THEMECHANGED);
    EXPECT_EQ(Styler->Style(), tsCustom);
    Styler->SetAutoThemeAdapt(true);   // detects at once
    EXPECT_EQ(Styler->Style(), tsWindows10);
    Styler->SetStyle(tsOffice2019Gray);
    Styler->Notifier()->Perform(WM_THEMECHANGED);
    EXPECT_EQ(Styler->Style(), tsWindows10);
    EXPECT_EQ(OnForm->UIStyle(), tsWindows10);
}

TEST_F(StylerFixture, TheApplicationStylerForwardsItsStyleAndLeavesItsFormStylersWithTheirsWhenFreed)
{
    auto app = std::make_unique<TGxAppStyler>(nullptr);
    Styler->SetAppStyle(app.get());
    ASSERT_EQ(app->FormStylers(), (std::vector<TGxFormStyler*>{Styler}));
    app->SetStyle(tsOffice2013Gray);
    EXPECT_EQ(Styler->Style(), tsOffice2013Gray);
    EXPECT_EQ(Form->Color(), TColor(0x808080));
    EXPECT_EQ(OnInner->UIStyle(), tsOffice2013Gray);
    app->SetAppColor(clRed);
    EXPECT_EQ(Styler->AppColor(), TColor(clRed));
    app.reset();
    EXPECT_EQ(Styler->AppStyle(), nullptr);
    EXPECT_EQ(Styler->Style(), tsOffice2013Gray);
}

TEST(AppStyler, ColourTonesSetTheMetroStyleByTheirBackground)
{
    TestInitialize();
    TGxAppStyler app(nullptr);
    struct Case { TColor background; TMetroStyle expected; };
    const Case cases[] = {{0x000000, msDark}, {0x123456, msDark}, {0xFFFFFF, msLight}, {0x123456, msLight}};
    for (const Case& c : cases) {
        TColorTones tones = CreateMetroTones(true, 0x00AA00, clBlack);
        tones.Background.BrushColor = c.background;
        app.SetColorTones(tones);
        EXPECT_EQ(app.MetroStyle(), c.expected) << std::hex << c.background;
        EXPECT_EQ(app.MetroColor(), TColor(0x00AA00));
        EXPECT_TRUE(app.Metro());
        EXPECT_EQ(app.Style(), tsCustom);
    }
}

}  // namespace
