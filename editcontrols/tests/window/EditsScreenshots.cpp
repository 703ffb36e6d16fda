// The numeric edits, the calculator they drop down and speed buttons, written to
// build/screenshots/editcontrols-edits.png for people to look at, with file-name edits; the list
// of proposed names under a file-name edit, to build/screenshots/editcontrols-autosuggest.png.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/EcCalc.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/backend/qt/QtServices.h"
#include "platform/stdctrls/EditCompletion.h"
#include "platform/testing/Driver.h"

namespace {

TEcCalcEdit* NumericEdit(TForm& form, Integer top, Extended value, const String& displayFormat)
{
    auto* edit = new TEcCalcEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, top, 130, 21);
    edit->SetDecimalPlaces(7);
    edit->SetDisplayFormat(displayFormat);
    edit->SetValue(value);
    return edit;
}

// Unfocused edits show their display format, the focused one its edit format; the open
// calculator is drawn under the last edit as the screen shows it.
TEST(EditsScreenshots, NumericEditsAndTheirCalculator)
{
    TestInitialize();
    InitQtServices();
    TSettingsScope scope(TFormatSettings::French());
    TForm form(nullptr);
    form.SetBounds(0, 0, 330, 320);
    form.SetCaption("Numeric edits");
    NumericEdit(form, 10, 1234.56789L, ",0.###");
    NumericEdit(form, 40, 0, ",0.###");                 // zero: the display format's "0"
    TEcCalcEdit* focused = NumericEdit(form, 70, -0.5L, ",0.###");
    TEcCalcEdit* disabled = NumericEdit(form, 100, 12.5L, ",0.00");
    disabled->SetEnabled(false);
    TEcCalcEdit* left = NumericEdit(form, 130, 89.999L, "");
    left->SetAlignment(taLeftJustify);
    for (Integer i = 0; i < 3; ++i) {
        auto* button = new TEcSpeedButton(&form);
        button->SetParent(&form);
        button->SetBounds(160 + i * 50, 10, 46, 24);
        button->SetCaption(i == 0 ? "Up" : i == 1 ? "Down" : "Off");
        if (i == 1) {
            button->SetGroupIndex(1);
            button->SetDown(true);
        }
        if (i == 2) button->SetEnabled(false);
    }
    for (Integer i = 0; i < 2; ++i) {
        auto* file = new TEcFilenameEdit(&form);
        file->SetParent(&form);
        file->SetBounds(160, 50 + i * 30, 160, 21);
        file->SetFileName(i == 0 ? "/home/dam/model files/gravity.dam" : "/home/dam/results.txt");
        file->SetEnabled(i == 0);
    }
    form.Show();
    TestProcess();
    focused->SetFocus();
    TestProcess();
    left->SetClickKey(VK_F2);
    left->SetFocus();
    TestProcess();
    TestPressKey(left, VK_F2);
    TestTypeText(left, "12*3");
    TestProcess();
    ASSERT_TRUE(left->PopupVisible());
    EXPECT_EQ(left->Text(), String("3"));

    TBitmap picture;
    TestScreenshot(&form, {left->Popup()}, "editcontrols-edits", picture);
    EXPECT_EQ(left->Popup()->Width(), 137);
    EXPECT_EQ(left->Popup()->Height(), 127);
}

// A folder of model files; "gravity s" typed in the file-name edit proposes the three sections,
// the second chosen with the arrow key.
TEST(EditsScreenshots, TheNamesProposedUnderAFileNameEdit)
{
    TestInitialize();
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "dorvane-models";
    std::filesystem::create_directories(root);
    for (const char* name : {"gravity section 1.dam", "gravity section 2.dam", "gravity spillway.dam", "uplift.txt"})
        std::ofstream(root / name) << "x";
    TForm form(nullptr);
    form.SetBounds(0, 0, 330, 150);
    form.SetCaption("Model file");
    auto* file = new TEcFilenameEdit(&form);
    file->SetParent(&form);
    file->SetBounds(10, 10, 300, 21);
    form.Show();
    TestProcess();
    file->SetFocus();
    const String folder = String(root.string().c_str()) + "/";
    file->SetText(folder);
    file->SetSelStart(folder.Length());
    TestTypeText(file, "gravity s");
    TestPressKey(file, VK_DOWN);
    TestPressKey(file, VK_DOWN);
    TestProcess();
    ASSERT_NE(file->Suggestions(), nullptr);
    ASSERT_TRUE(file->Suggestions()->DroppedDown());
    EXPECT_EQ(file->Suggestions()->Items().Count(), 3);

    TBitmap picture;
    TestScreenshot(&form, {file->Suggestions()}, "editcontrols-autosuggest", picture);
    EXPECT_EQ(TestPixel(file->Suggestions(), 5, file->Suggestions()->ItemRect(1).Top + 1), ColorToRGB(clHighlight));
    std::filesystem::remove_all(root);
}

}  // namespace
