// The toolbox on forms, dialogs and message boxes: display scale, rescaling, fonts, copies by
// streaming, file dialogs and messages.
#include <gtest/gtest.h>

#include "graphics/GxUtils.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"

namespace {

struct TEnvironment : ::testing::Environment {
    void SetUp() override { TestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

// A popup form rescaled by the display scale after the fonts.
class TGxCustomPopupForm : public TForm {
    DECLARE_CLASS(TGxCustomPopupForm, TForm)
public:
    using TForm::TForm;
};
IMPLEMENT_CLASS(TGxCustomPopupForm, TForm, NewComponent<TGxCustomPopupForm>)

TEST(GxUtilsScale, DisplayScaleOfTheFormThatShowsAComponent)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    auto* owned = new TComponent(&form);
    struct Case {
        const char* Name;
        bool Scaled;
        Integer DesignPPI, DefaultDPI;
        float Expected;
    } cases[] = {
        {"same resolution", true, 96, -1, 1.0f},   {"designed at 120", true, 120, -1, 0.8f},
        {"against 96", true, 120, 96, 1.0f},       {"against 72", true, 96, 72, 96.0f / 72},
        {"not scaled", false, 120, -1, 1.0f},      {"not scaled, 72", false, 96, 72, 1.0f},
    };
    for (const Case& c : cases) {
        form.SetScaled(c.Scaled);
        form.SetPixelsPerInch(c.DesignPPI);
        for (TComponent* component : {static_cast<TComponent*>(&form), static_cast<TComponent*>(edit), owned})
            EXPECT_FLOAT_EQ(TGxUtils::GetDPIScale(component, c.DefaultDPI), c.Expected) << c.Name;
    }
    form.SetScaled(true);
    form.SetPixelsPerInch(96);
    EXPECT_TRUE(TGxUtils::IsHighDPIScale(edit, 72));
    EXPECT_FALSE(TGxUtils::IsHighDPIScale(edit, 96));
    EXPECT_EQ(TGxUtils::GetOwnerForm(owned), &form);
    EXPECT_EQ(TGxUtils::GetParentForm(edit), &form);
    EXPECT_EQ(TGxUtils::GetParentForm(nullptr), nullptr);
}

// The one display, answering 144 pixels per inch.
struct THighResolutionDisplay : TMonitorsBackend {
    TMonitorFacts Display{Screen->Monitors(0)->Handle(), Screen->Monitors(0)->BoundsRect(),
                          Screen->Monitors(0)->WorkareaRect(), true, 144};
    std::vector<TMonitorFacts> Monitors() override { return {Display}; }
};

TEST(GxUtilsScale, TheResolutionIsTheOneOfTheDisplayThatShowsTheForm)
{
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    TMonitorsBackend& saved = MonitorsBackend();
    THighResolutionDisplay display;
    RegisterMonitorsBackend(&display);
    const struct {
        Integer DesignPPI, DefaultDPI;
        float Expected;
    } cases[] = {{96, -1, 1.5f}, {120, -1, 1.2f}, {120, 96, 1.5f}, {96, 72, 2.0f}};
    for (const auto& c : cases) {
        form.SetPixelsPerInch(c.DesignPPI);
        EXPECT_FLOAT_EQ(TGxUtils::GetDPIScale(edit, c.DefaultDPI), c.Expected) << c.DesignPPI << " " << c.DefaultDPI;
    }
    form.SetScaled(false);
    EXPECT_FLOAT_EQ(TGxUtils::GetDPIScale(edit, 96), 1.0f);
    RegisterMonitorsBackend(&saved);
}

TEST(GxUtilsScale, ControlsAndFormsRescale)
{
    TForm form(nullptr);
    form.SetBounds(10, 20, 300, 200);
    auto* edit = new TEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(8, 8, 100, 21);
    TGxUtils::ScaleForDPI(edit, 192);
    EXPECT_EQ(edit->BoundsRect(), Bounds(16, 16, 200, 42));
    TGxUtils::ScaleForDPI(nullptr, 192);   // nothing to do

    // fonts of another resolution are taken to 96 pixels per inch, the form to its screen's
    edit->SetParentFont(false);
    edit->Font().SetPixelsPerInch(120);
    edit->Font().SetHeight(-15);
    TGxUtils::ScaleForCurrentDPI(&form);
    EXPECT_EQ(edit->Font().Height(), -12);
    EXPECT_EQ(form.CurrentPPI(), 96);   // already at the screen's resolution: nothing moves
    EXPECT_EQ(edit->CurrentPPI(), 192);
    EXPECT_EQ(edit->BoundsRect(), Bounds(16, 16, 200, 42));
    form.ScaleForPPI(48);
    TGxUtils::ScaleForCurrentDPI(&form);
    EXPECT_EQ(form.CurrentPPI(), 96);
    EXPECT_EQ(form.BoundsRect(), Bounds(10, 20, 300, 200));
    TGxUtils::ScaleForCurrentDPI(nullptr);

    TGxCustomPopupForm popup(nullptr);
    popup.SetBounds(0, 0, 150, 90);
    TGxUtils::ScaleForCurrentDPI(&popup);
    EXPECT_EQ(popup.Width(), 150);   // the screen has 96 pixels per inch: scale 1
}

TEST(GxUtilsFonts, InstalledFamiliesSortedOnce)
{
    TStringList fonts;
    fonts.Add("stale");
    TGxUtils::GetFonts(&fonts);
    ASSERT_GT(fonts.Count(), 3);
    EXPECT_EQ(fonts.IndexOf("stale"), -1);
    EXPECT_GE(fonts.IndexOf("Tahoma"), 0);
    for (Integer i = 0; i < fonts.Count(); ++i) {
        EXPECT_LE(fonts.Get(i).Length(), 32);
        if (i > 0) { EXPECT_LT(AnsiCompareText(fonts.Get(i - 1), fonts.Get(i)), 0) << fonts.Get(i); }
    }
}

TEST(GxUtilsClone, ACopyByStreamingWithoutOwnerOrName)
{
    TForm form(nullptr);
    auto* button = new TButton(&form);
    button->SetName("Ok");
    button->SetCaption("Compute");
    button->SetBounds(4, 5, 80, 25);
    std::unique_ptr<TComponent> copy(TGxUtils::Clone(button));
    auto* clone = dynamic_cast<TButton*>(copy.get());
    ASSERT_TRUE(clone);
    EXPECT_EQ(clone->Caption(), "Compute");
    EXPECT_EQ(clone->Width(), 80);
    EXPECT_EQ(clone->Owner(), nullptr);
    EXPECT_EQ(clone->Name(), "");
    EXPECT_EQ(button->Name(), "Ok");
}

TEST(GxUtilsDialogs, OpenAndSaveDialogs)
{
    TFileDialogRequest seen;
    std::optional<TFileDialogAnswer> answer;
    FileDialogHook = [&](const TFileDialogRequest& request) {
        seen = request;
        return answer;
    };
    String calledWith;
    bool calledResult = true;
    auto callBack = [&](const String& name, bool result) {
        calledWith = name;
        calledResult = result;
    };

    String name = "/old/model.dam";
    answer = TFileDialogAnswer{false, {}, 1};
    EXPECT_FALSE(TGxUtils::SelectFile(name, "/data/dams", "Dam files (*.dam)|*.dam", callBack));
    EXPECT_EQ(name, "/old/model.dam");
    EXPECT_EQ(calledWith, "/old/model.dam");
    EXPECT_FALSE(calledResult);
    EXPECT_FALSE(seen.Save);
    EXPECT_TRUE(seen.FileMustExist);
    EXPECT_EQ(seen.InitialDir, "/data/dams/");
    ASSERT_EQ(seen.Filters.size(), 1u);
    EXPECT_EQ(seen.Filters[0].second, "*.dam");

    answer = TFileDialogAnswer{true, {"/data/dams/north.dam"}, 1};
    EXPECT_TRUE(TGxUtils::SelectFile(name, "/data/dams", "Dam files (*.dam)|*.dam", callBack));
    EXPECT_EQ(name, "/data/dams/north.dam");
    EXPECT_EQ(calledWith, "/data/dams/north.dam");
    EXPECT_TRUE(calledResult);

    // saving proposes the name part in its folder; a name without extension keeps the old one's
    name = "/reports/joint.txt";
    answer = TFileDialogAnswer{true, {"/reports/base"}, 1};
    EXPECT_TRUE(TGxUtils::SaveFile(name, "Text files (*.txt)|*.txt", nullptr));
    EXPECT_TRUE(seen.Save);
    EXPECT_TRUE(seen.OverwritePrompt);
    EXPECT_EQ(seen.InitialDir, "/reports/");
    EXPECT_EQ(seen.FileName, "joint.txt");
    EXPECT_EQ(name, "/reports/base.txt");
    FileDialogHook = nullptr;
}

TEST(GxUtilsDialogs, MessagesAnswerTheButtonPressed)
{
    TMessageBoxRequest seen;
    MessageBoxHook = [&](const TMessageBoxRequest& request) -> std::optional<Integer> {
        seen = request;
        return request.Buttons.back();
    };
    EXPECT_EQ(TGxUtils::Message("Joint computed"), mrOk);
    EXPECT_EQ(seen.Text, "Joint computed");
    EXPECT_EQ(seen.Caption, "Information");
    EXPECT_EQ(TGxUtils::Message("Save?", mtConfirmation, mbYesNo, 0), mrNo);
    EXPECT_EQ(seen.Caption, "Confirm");
    MessageBoxHook = nullptr;
}

}  // namespace
