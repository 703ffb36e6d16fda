#include <gtest/gtest.h>

#include <filesystem>

#include "listcontrols/GxCombo.h"
#include "platform/graphics/Codecs.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/testing/Driver.h"

namespace {

// Combo boxes in their looks, one with its validation tip beside it and one with its list open:
// the stability drawings' plain box with a label, a flat one with its underline, the Office 2019
// white and black colour sets with their own buttons, a framed one and a disabled one.
TEST(ComboTooltipScreenshots, CombosAndTheirValidationTip)
{
    TestInitialize();
    RegisterGxComboClasses();
    TForm form(nullptr);
    form.SetBounds(0, 0, 520, 380);
    // The dark box stands on a black band, where its white label shows.
    auto* band = new TPanel(&form);
    band->SetParent(&form);
    band->SetBounds(0, 124, 520, 33);
    band->SetBevelOuter(TPanelBevel::bvNone);
    band->SetColor(clBlack);
    auto add = [&](TWinControl* parent, Integer top, const char* label) {
        auto* box = new TGxComboBox(&form);
        box->SetParent(parent);
        box->SetBounds(100, top, 180, 21);
        box->SetButtonWidth(17);
        for (const char* c : {"Usual", "Flood", "Seismic #1 - stress analysis", "Post-seismic"}) box->Items().Add(c);
        box->SetItemIndex(0);
        box->SetLabelPosition(TGxCustomCombo::lpLeftCenter);
        box->SetLabelCaption(label);
        return box;
    };
    TGxComboBox* plain = add(&form, 12, "Combination:");
    TGxComboBox* flat = add(&form, 56, "Flat:");
    flat->SetFlat(true);
    flat->SetFlatLineColor(clNavy);
    TGxComboBox* white = add(&form, 100, "Office 2019:");
    white->SetUIStyle(tsOffice2019White);
    TGxComboBox* black = add(band, 6, "Dark:");
    black->SetUIStyle(tsOffice2019Black);
    TGxComboBox* framed = add(&form, 188, "Framed:");
    framed->SetBorderColor(clTeal);
    TGxComboBox* disabled = add(&form, 232, "Disabled:");
    disabled->SetEnabled(false);
    TGxComboBox* open = add(&form, 276, "Open list:");
    open->SetItemIndex(1);

    form.Show();
    TestProcess();
    plain->ShowValidation("Choose a load combination");
    auto* below = new TGxToolTip(&form);
    below->SetPosition(ttBottomRight);
    below->SetColor(TColor(0xE1FFFF));
    below->SetBorderColor(clGray);
    below->Font().SetColor(clBlack);
    black->SetToolTip(below);
    black->ShowValidation("Analysed");
    open->SetDroppedDown(true);
    TestProcess();

    TPngImage shot;
    TestGrabWithPopups(&form, {open->ListWindow()}, shot.Image());
    const std::filesystem::path dir(DORVANE_SCREENSHOT_DIR);
    std::filesystem::create_directories(dir);
    shot.SaveToFile(String((dir / "lists-combo-tooltip.png").string().c_str()));

    // The tip stands right of the plain box and the framed box keeps its frame.
    TGxToolTipWindow* tip = plain->ValidationWindow();
    ASSERT_NE(tip, nullptr);
    EXPECT_EQ(tip->Left(), 100 + 180);
    EXPECT_EQ(TestPixel(&form, 100, 188), TColor(clTeal));
    EXPECT_EQ(TestPixel(&form, tip->Left() + 12, tip->Top() + 2), TColor(clRed));
    open->SetDroppedDown(false);
}

}  // namespace
