// The push buttons in each state, with and without glyphs: build/screenshots/foundation-buttons.png.
#include <gtest/gtest.h>

#include "foundation/StyButton.h"
#include "platform/testing/Driver.h"

TEST(StyButtonScreenshots, ButtonsInEachState)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 420, 135);
    form.SetCaption("Buttons");
    struct Row {
        const char* caption;
        TStyGlyphKind kind;
    };
    const Row rows[] = {{"Plain", gkCustom}, {"Folder", gkFolder}};
    const char* const states[2][4] = {{"Normal", "Focused", "Pressed", "Disabled"}, {"Normal", "Flat hot", "Pressed", "Disabled"}};
    int rowIndex = 0;
    std::vector<TStyButton*> buttons;
    Integer y = 10;
    for (const Row& row : rows) {
        Integer x = 10;
        for (const char* state : states[rowIndex]) {
            auto* b = new TStyButton(&form);
            b->SetParent(&form);
            b->SetBounds(x, y, 95, 25);
            b->SetCaption(String(row.caption) + " " + state);
            if (row.kind != gkCustom) b->SetGlyphKind(row.kind);
            if (String(state) == String("Disabled")) b->SetEnabled(false);
            buttons.push_back(b);
            x += 100;
        }
        y += 35;
        ++rowIndex;
    }
    auto* multi = new TStyButton(&form);
    multi->SetParent(&form);
    multi->SetBounds(10, 80, 95, 40);
    multi->SetMultiLine(true);
    multi->Font().SetStyle({TFontStyle::fsBold});
    multi->SetCaption("Step 4:\r\nOutput");
    auto* flat = new TStyButton(&form);
    flat->SetParent(&form);
    flat->SetBounds(110, 80, 95, 40);
    flat->SetButtonStyle(ubsWin31);
    flat->SetCaption("Win 3.1");
    auto* arrow = new TStyButton(&form);
    arrow->SetParent(&form);
    arrow->SetBounds(210, 80, 95, 40);
    arrow->ButtonLayout().SetArrow(true);
    arrow->SetGlyphKind(gkCalculator);
    arrow->SetCaption("Drop");
    form.Show();
    TestProcess();
    buttons[1]->SetFocus();
    buttons[2]->Perform(BM_SETSTATE, 1);
    buttons[6]->Perform(BM_SETSTATE, 1);
    buttons[5]->SetButtonStyle(ubsFlat);
    buttons[5]->Perform(CM_MOUSEENTER);
    TestProcess();
    TBitmap shot;
    TestScreenshot(&form, "foundation-buttons", shot);
    EXPECT_GT(shot.Width(), 400);
    // a pressed classic face: black outer frame, grey inner frame
    const TPoint pressed = buttons[2]->ClientToScreen(Point(0, 0));
    const TPoint origin = form.ClientToScreen(Point(0, 0));
    EXPECT_EQ(shot.Canvas().Pixel(pressed.X - origin.X, pressed.Y - origin.Y), clBlack);
}
