// The drawing object on a shown form: the same scene painted into two paint boxes, on the left
// through the canvas back end, on the right through GDI+, each from the paint box's own canvas.
#include <gtest/gtest.h>

#include "../GraphicsTestSupport.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/testing/Driver.h"

namespace {

// Paints the scene into the paint box it is told of, natively or not.
class TScenePainter : public TObject {
public:
    TScenePainter(TPaintBox* ABox, bool ANative) : FBox(ABox), FNative(ANative) {}
    void Paint(TObject*)
    {
        TGxGraphics g(&FBox->Canvas(), FNative);
        if (FNative) g.Context()->SetAntiAliasing(true);
        DrawDrawingObjectScene(g);
    }

private:
    TPaintBox* FBox;
    bool FNative;
};

struct DrawingObjectForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetCaption("Drawing object: canvas and GDI+");
        Form->SetClientWidth(432);
        Form->SetClientHeight(180);
        for (int i = 0; i < 2; ++i) {
            auto* label = new TLabel(Form);
            label->SetParent(Form);
            label->SetBounds(8 + i * 216, 8, 200, 16);
            label->SetCaption(i == 0 ? "Canvas back end" : "GDI+ back end");
            Boxes[i] = new TPaintBox(Form);
            Boxes[i]->SetParent(Form);
            Boxes[i]->SetBounds(8 + i * 216, 32, 200, 140);
            Painters[i] = std::make_unique<TScenePainter>(Boxes[i], i == 1);
            Boxes[i]->OnPaint = TNotifyEvent(Painters[i].get(), &TScenePainter::Paint);
        }
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TForm* Form = nullptr;
    TPaintBox* Boxes[2] = {};
    std::unique_ptr<TScenePainter> Painters[2];
};

}  // namespace

TEST_F(DrawingObjectForm, BothBackEndsPaintTheSceneInTheirPaintBoxes)
{
    TBitmap shot;
    TestScreenshot(Form, "graphics-drawing-object", shot);
    // Inside each paint box: the red rectangle's middle, the ellipse's green, the white margin;
    // the GDI+ drawing lands in the paint box, not at the form's origin.
    for (TPaintBox* box : Boxes) {
        EXPECT_EQ(TestPixel(box, 40, 30), TColor(0x0000FF));
        EXPECT_EQ(TestPixel(box, 120, 35), TColor(0x00A000));
        EXPECT_EQ(TestPixel(box, 80, 5), clWhite);
    }
    EXPECT_EQ(TestPixel(Form, 4, 62), TestPixel(Form, 212, 62));   // the form between the boxes, untouched
    EXPECT_NE(TestPixel(Form, 212, 62), clWhite);
}
