// Speed buttons in their looks and states: build/screenshots/styled-buttons.png.
#include <gtest/gtest.h>

#include "platform/stdctrls/Menus.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomSimpleLabel.h"
#include "styledcontrols/StySpeedButton.h"

TEST(StyButtonScreenshots, LooksStatesPicturesAndDropDownPart)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 420, 280);
    form.SetCaption("Styled buttons");
    // The last row is the default button, drawn through the platform theme.
    const TStyUserButtonStyle looks[] = {ubsWin31, ubsWin40, ubsFlat, ubsExplorerColored, ubsIntegrated, ubsOffice,
                                         ubsWin40};
    const char* lookNames[] = {"Win 3.1", "Win 4.0", "Flat", "Explorer", "Integrated", "Office", "Themed"};
    const TStyButtonState states[] = {bsUp, bsMouseOver, bsDown, bsOptionSet, bsDisabledUp};
    const char* stateNames[] = {"Up", "Hot", "Down", "Set", "Disabled"};
    for (int s = 0; s < 5; ++s) {
        auto* l = new TStyCustomSimpleLabel(&form);
        l->SetBounds(90 + 60 * s, 6, 58, 15);
        l->SetCaption(stateNames[s]);
        l->SetParent(&form);
    }
    for (int row = 0; row < 7; ++row) {
        const Integer y = 24 + row * 28;
        auto* l = new TStyCustomSimpleLabel(&form);
        l->SetBounds(10, y + 5, 78, 15);
        l->SetCaption(lookNames[row]);
        l->SetParent(&form);
        for (int s = 0; s < 5; ++s) {
            auto* b = new TStySpeedButton(&form);
            b->SetCtlXP(row == 6);
            b->SetButtonStyle(looks[row]);
            b->SetBounds(90 + 60 * s, y, 54, 24);
            b->SetCaption("Dam");
            b->SetGroupIndex(100 + row * 10 + s);
            b->SetParent(&form);
            if (states[s] == bsDisabledUp) b->SetEnabled(false);
            else if (states[s] == bsOptionSet) b->SetPressed(true);
            else b->DoStateChange(states[s], true);
        }
    }
    // Pictures: a standard glyph, a PNG beside a caption, and a button with a drop-down part.
    const Integer y = 24 + 7 * 28 + 6;
    auto* folder = new TStySpeedButton(&form);
    folder->SetCtlXP(false);
    folder->SetGlyphKind(gkFolder);
    folder->SetBounds(90, y, 30, 26);
    folder->SetParent(&form);
    TPngImage png;
    png.Image().SetSize(14, 14);
    png.Image().Canvas().Brush().SetColor(TColor(0x2080E0));
    png.Image().Canvas().FillRect(Rect(0, 0, 14, 14));
    png.Image().Canvas().Brush().SetColor(TColor(0x804000));
    png.Image().Canvas().FillRect(Rect(3, 3, 11, 11));
    auto* picture = new TStySpeedButton(&form);
    picture->SetCtlXP(false);
    picture->SetPngGlyph(&png);
    picture->SetUsePngGlyph(true);
    picture->SetCaption("Uplift");
    picture->SetBounds(130, y, 70, 26);
    picture->SetParent(&form);
    TPopupMenu menu(nullptr);
    auto* split = new TStySpeedButton(&form);
    split->SetCtlXP(false);
    split->SetCaption("Loads");
    split->SetBounds(210, y, 60, 26);
    split->SetDropDownMenu(&menu);
    split->SetDropDownCombo(true);
    split->SetParent(&form);
    form.Show();
    TestProcess();
    TBitmap shot;
    TestScreenshot(&form, "styled-buttons", shot);
    EXPECT_EQ(shot.Width(), form.ClientWidth());
    EXPECT_EQ(split->Width(), 72);
}
