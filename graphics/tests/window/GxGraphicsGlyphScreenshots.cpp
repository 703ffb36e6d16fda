// The drawing object's control glyphs on a shown form, through the canvas back end on the left
// and GDI+ on the right: check boxes and radio buttons (unchecked, checked, focused, disabled),
// push buttons (normal, focused, down, disabled), the close, expander, compact and drop-down
// buttons with their SVG glyphs and, in the style's colours, with drawn glyphs, progress bars, and
// a picture placed by its flags.
#include <gtest/gtest.h>

#include "graphics/GxGraphics.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/testing/Driver.h"

namespace {

class TGlyphPainter : public TObject {
public:
    TGlyphPainter(TPaintBox* ABox, bool ANative) : FBox(ABox), FNative(ANative)
    {
        TBitmap squares(8, 4);
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 4; ++y) squares.Canvas().SetPixel(x, y, x < 4 ? 0xC07F3A : 0x9A9A9A);
        FPicture.SetGraphic(&squares);
    }
    void Paint(TObject*)
    {
        TCanvas& canvas = FBox->Canvas();
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(Rect(0, 0, FBox->Width(), FBox->Height()));
        TGxGraphics g(&canvas, FNative);
        g.BeginScene();
        const bool states[4][3] = {{false, false, true}, {true, false, true}, {true, true, true}, {true, false, false}};
        for (int i = 0; i < 4; ++i) {
            const float x = 8 + i * 28.0f;
            g.DrawCheckBox(TRectF{x, 8, x + 18, 26}, states[i][0], states[i][1], states[i][2]);
            g.DrawRadioButton(TRectF{x + 120, 8, x + 138, 26}, states[i][0], states[i][1], states[i][2]);
        }
        const bool buttons[4][3] = {{false, false, true}, {false, true, true}, {true, false, true}, {false, false, false}};
        for (int i = 0; i < 4; ++i) {
            const float x = 8 + i * 58.0f;
            g.DrawButton(TRectF{x, 34, x + 50, 56}, buttons[i][0], buttons[i][1], buttons[i][2], false);
        }
        for (int adapt = 0; adapt < 2; ++adapt) {
            if (adapt) TGxGraphics::SetDefaultGraphicColors();
            const float y = 64 + adapt * 30.0f;
            g.DrawCloseButton(TRectF{8, y, 32, y + 24}, false, false, true, adapt);
            g.DrawExpanderButton(TRectF{40, y, 64, y + 24}, gesCollapsed, false, false, true, adapt);
            g.DrawExpanderButton(TRectF{72, y, 96, y + 24}, gesExpanded, false, true, true, adapt);
            g.DrawCompactButton(TRectF{104, y, 128, y + 24}, gcsCollapsed, true, false, true, adapt);
            g.DrawCompactButton(TRectF{136, y, 160, y + 24}, gcsExpanded, false, false, false, adapt);
            g.DrawDropDownButton(TRectF{168, y, 240, y + 24}, false, false, true, false, adapt);
        }
        for (TColor* c : {&StyleFocusedBorderColor, &StyleFocusedFaceColor, &StyleDisabledBorderColor,
                          &StyleDisabledFaceColor, &StyleNormalBorderColor, &StyleNormalFaceColor})
            *c = 0;
        g.Font()->SetName("Tahoma");
        g.Font()->SetSize(8);
        g.DrawProgressBar(TRectF{8, 126, 120, 144}, 30, "%.0f %%", 100, 0xC07F3A, clBlack, true, true);
        g.DrawProgressBar(TRectF{128, 126, 240, 144}, 100, "%.0f %%", 100, 0x20A020, clWhite, true, false);
        // the 8 x 4 picture kept in proportion and centred, and stretched
        g.Stroke()->SetColor(0xC0C0C0);
        g.Fill()->SetKind(gfkNone);
        g.DrawRectangle(TRectF{8, 152, 120, 176});
        g.DrawBitmap(TRectF{8, 152, 120, 176}, &FPicture, true, true, true, false);
        g.DrawBitmap(TRectF{128, 152, 240, 176}, &FPicture, false, true, false, false);
        g.EndScene();
    }

private:
    TPaintBox* FBox;
    bool FNative;
    TGxBitmap FPicture;
};

}  // namespace

TEST(GxGraphicsGlyphScreenshots, EveryGlyphInItsStatesOnBothBackEnds)
{
    TestInitialize();
    auto* form = new TForm(nullptr);
    form->SetCaption("Control glyphs: canvas and GDI+");
    form->SetClientWidth(2 * 256 + 8);
    form->SetClientHeight(224);
    TPaintBox* boxes[2] = {};
    std::unique_ptr<TGlyphPainter> painters[2];
    for (int i = 0; i < 2; ++i) {
        auto* label = new TLabel(form);
        label->SetParent(form);
        label->SetBounds(8 + i * 256, 8, 240, 16);
        label->SetCaption(i == 0 ? "Canvas back end" : "GDI+ back end");
        boxes[i] = new TPaintBox(form);
        boxes[i]->SetParent(form);
        boxes[i]->SetBounds(8 + i * 256, 32, 248, 184);
        painters[i] = std::make_unique<TGlyphPainter>(boxes[i], i == 1);
        boxes[i]->OnPaint = TNotifyEvent(painters[i].get(), &TGlyphPainter::Paint);
    }
    form->Show();
    TestProcess();
    TBitmap shot;
    TestScreenshot(form, "graphics-glyphs", shot);
    for (TPaintBox* box : boxes) {
        // a checked box's cross in black, the focused outline, the normal button face
        EXPECT_EQ(TestPixel(box, 28 + 9, 17), clBlack);
        EXPECT_EQ(TestPixel(box, 30, 45), TColor(0xE1E1E1));
        EXPECT_EQ(TestPixel(box, 66, 34), TColor(0xB17F3C));
        // the middle of the SVG close cross and the progress bar's blue share
        EXPECT_EQ(TestPixel(box, 20, 76), clBlack);
        EXPECT_EQ(TestPixel(box, 12, 128), TColor(0xC07F3A));
    }
    delete form;
    TestProcess();
}
