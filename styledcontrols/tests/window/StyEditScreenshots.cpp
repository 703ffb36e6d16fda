// Custom edits in their states: build/screenshots/styled-edits.png.
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomEdit.h"
#include "styledcontrols/StyCustomSimpleLabel.h"

TEST(StyEditScreenshots, PlainSelectedPasswordCueBannerAndDisabled)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 330, 230);
    form.SetCaption("Styled edits");
    struct Row {
        const char* label;
        const char* text;
        void (*setup)(TStyCustomEdit&);
    };
    const Row rows[] = {
        {"Plain", "Crest level 156.00 m", [](TStyCustomEdit&) {}},
        {"Selected", "Normal water level 152.40 m", [](TStyCustomEdit& e) {
             e.SetHideSelection(false);
             e.SetSelStart(20);
             e.SetSelLength(6);
         }},
        {"Password", "secret", [](TStyCustomEdit& e) { e.SetPasswordChar(u'*'); }},
        {"Cue banner", "", [](TStyCustomEdit& e) { e.SetCueBanner("Friction angle in degrees"); }},
        {"Disabled", "Uplift 0.5", [](TStyCustomEdit& e) { e.SetEnabled(false); }},
        {"Buttons", "C:\\dams\\crest.dvn", [](TStyCustomEdit& e) {
             e.CustomButtons().Add()->Btn()->SetGlyphKind(gkFolder);
             e.CustomButtons().Add()->SetCaption("...");
             TStySpecialButton* clear = e.CustomButtons().Add();
             clear->SetCaption("x");
             clear->SetAlignment(taLeftJustify);
         }},
        {"Scrolled", "Normal water level 152.40 m, flood level 155.10 m", [](TStyCustomEdit& e) {
             e.SetCurrentChar(e.GetLength() + 1);
         }},
    };
    Integer y = 10;
    TStyCustomEdit* selected = nullptr;
    for (const Row& row : rows) {
        auto* l = new TStyCustomSimpleLabel(&form);
        l->SetBounds(10, y + 3, 80, 15);
        l->SetCaption(row.label);
        l->SetParent(&form);
        auto* e = new TStyCustomEdit(&form);
        e->SetBounds(100, y, 200, 21);
        e->SetParent(&form);
        e->SetText(row.text);
        row.setup(*e);
        if (row.setup == rows[1].setup) selected = e;
        y += 30;
    }
    form.Show();
    selected->SetFocus();   // the selection shows in the focused editor
    TestProcess();
    TBitmap shot;
    TestScreenshot(&form, "styled-edits", shot);
    EXPECT_EQ(shot.Width(), form.ClientWidth());
}
