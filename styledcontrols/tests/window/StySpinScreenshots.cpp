// Spin edits and masked edits of each kind, focused and not: build/screenshots/styled-spin.png and
// styled-spin-mask-focused.png.
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomSimpleLabel.h"
#include "styledcontrols/StySpinEdit.h"

namespace {

struct TSpinForm {
    TForm Form{nullptr};
    TStySpinEdit* Simulations = nullptr;
    TStyCustomMaskEdit* Currency = nullptr;
    TStySpinEdit* FontSize = nullptr;

    TSpinForm()
    {
        Form.SetBounds(0, 0, 440, 290);
        Form.SetCaption("Spin and masked edits");
        Integer y = 10;
        auto label = [&](Integer x, const char* caption) {
            auto* l = new TStyCustomSimpleLabel(&Form);
            l->SetBounds(x, y + 3, 95, 15);
            l->SetCaption(caption);
            l->SetParent(&Form);
        };
        auto spin = [&](const char* caption, Integer min, Integer max, Integer value) {
            label(10, caption);
            auto* e = new TStySpinEdit(&Form);
            e->SetBounds(110, y, 100, 21);
            e->SetAutoSize(false);
            e->SetParent(&Form);
            e->SetMinValue(min);
            e->SetMaxValue(max);
            e->SetValue(value);
            y += 30;
            return e;
        };
        Simulations = spin("Simulations", 1000, 10000000, 50000);
        Simulations->SetStep(1000);
        Simulations->SetAlignment(taRightJustify);
        FontSize = spin("Font size", 8, 14, 12);
        TStySpinEdit* stacked = spin("Stacked button", 0, 100, 42);
        stacked->SetSpinBtnDiag(false);
        TStySpinEdit* bound = spin("At its maximum", 8, 14, 14);
        bound->SetAutoDisableButtons(true);
        TStySpinEdit* px = spin("With suffix", 8, 14, 12);
        px->SetSuffix(" px");
        TStySpinEdit* off = spin("Disabled", 0, 100, 7);
        off->SetEnabled(false);

        struct Row {
            const char* caption;
            TStyMaskType type;
            double value;
        };
        const Row rows[] = {
            {"Integer", meInteger, -1234},
            {"Word", meWord, 65535},
            {"Float", meFloat, 2.5},
            {"Fixed", meFloatFixed, 3},
            {"Grouped", meFloatNumber, -987654},
            {"Currency", meCurrency, -2468.25},
            {"Date", meDate, EncodeDate(2024, 2, 29)},
            {"Time", meTime, EncodeTime(14, 5, 0, 0)},
            {"Date and time", meDateTime, EncodeDate(2024, 2, 29) + EncodeTime(14, 5, 0, 0)},
        };
        y = 10;
        for (const Row& r : rows) {
            label(220, r.caption);
            auto* e = new TStyCustomMaskEdit(&Form);
            e->SetBounds(320, y, 110, 21);
            e->SetParent(&Form);
            e->SetMaskType(r.type);
            e->SetValue(r.value);
            if (r.type == meCurrency) Currency = e;
            y += 30;
        }
        y = 190;
        label(10, "Mask");
        auto* mask = new TStyCustomMaskEdit(&Form);
        mask->SetBounds(110, y, 100, 21);
        mask->SetParent(&Form);
        mask->SetMask("!00\\-00");
        mask->SetText("12-3_");
    }
};

struct StySpinScreenshots : ::testing::Test {
    TFormatSettings Saved = FormatSettings;
    void SetUp() override
    {
        TestInitialize();
        FormatSettings = TFormatSettings::English();
    }
    void TearDown() override { FormatSettings = Saved; }
};

// K black, w white, . button face, s silver, S shadow.
std::string PictureOfTheFontSizeButton()
{
    return "wwwwwwwwwwwwwwwSs/"
           "w..............s./"
           "w..K..........sS./"
           "w.KKK........s.S./"
           "wKKKKK......s..S./"
           "w..........s...S./"
           "w.........s....S./"
           "w........s.....S./"
           "w.......s......S./"
           "w......s.......S./"
           "w.....s...KKKKKS./"
           "w....s.....KKK.S./"
           "w...s.......K..S./"
           "w..s...........S./"
           "w.s............S./"
           "SsSSSSSSSSSSSSSS./"
           "s................/";
}

}  // namespace

TEST_F(StySpinScreenshots, SpinAndMaskedEditsOfEachKind)
{
    TSpinForm f;
    f.Form.Show();
    f.Simulations->SetFocus();
    TestProcess();
    TBitmap shot;
    TestScreenshot(&f.Form, "styled-spin", shot);
    EXPECT_EQ(shot.Width(), f.Form.ClientWidth());

    // The diagonal button of the font size, 17 x 17: a raised frame (white, then the shadow), the up
    // arrow in the upper left quarter, the down arrow in the lower right one, the silver diagonal.
    TStySpinButton* b = f.FontSize->SpinButton();
    TBitmap edit;
    TestGrab(f.FontSize, edit);
    const Integer edge = f.FontSize->BorderWidthNC();
    std::string picture;
    for (Integer y = 0; y < b->Height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(edit.ScanLine(y + b->Top() + edge));
        for (Integer x = 0; x < b->Width(); ++x) {
            const uint32_t c = row[x + b->Left() + edge] & 0xFFFFFF;
            picture += c == 0 ? 'K' : c == 0xFFFFFF ? 'w' : c == 0xF0F0F0 ? '.' : c == 0xC0C0C0 ? 's' : c == 0xA0A0A0 ? 'S' : '?';
        }
        picture += '/';
    }
    EXPECT_EQ(picture, PictureOfTheFontSizeButton());

    f.Currency->SetFocus();
    TestProcess();
    TestScreenshot(&f.Form, "styled-spin-mask-focused", shot);
}
