// SVG pictures on a shown form: a dam section drawn through the canvas back end and as an SVG
// picture through GDI+, a drawing of arcs, a gradient and text, the section again in grey and
// turned a quarter, and below them the six button glyphs.
#include <gtest/gtest.h>

#include "graphics/GxGraphicsSVGEngine.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/testing/Driver.h"

namespace {

const char* const DamSection = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
  <rect width="100" height="100" fill="#e8f0f8"/>
  <path d="M0 34 H34 V100 H0 Z" fill="#3a7fc0"/>
  <path d="M2 42 q4 -4 8 0 t8 0 t8 0 t8 0" fill="none" stroke="#ffffff" stroke-width="1.5"/>
  <polygon points="34,12 46,12 46,30 80,88 34,88" fill="#9a9a9a" stroke="#404040" stroke-width="1.5"/>
  <rect y="88" width="100" height="12" fill="#8a6d45"/>
  <line x1="34" y1="60" x2="64" y2="60" stroke="#c00000" stroke-width="1" />
  <circle cx="40" cy="70" r="3" fill="none" stroke="#000080"/>
</svg>)svg";

const char* const Gauge = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
  <defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#1060b0"/><stop offset="1" stop-color="#c0e0ff"/></linearGradient></defs>
  <rect width="100" height="100" fill="url(#sky)"/>
  <path d="M15 70 A35 35 0 0 1 85 70" fill="none" stroke="#ffffff" stroke-width="6"/>
  <path d="M15 70 A35 35 0 0 1 32 40" fill="none" stroke="#20a020" stroke-width="6"/>
  <path d="M50 70 L72 45" stroke="#c00000" stroke-width="3"/>
  <circle cx="50" cy="70" r="4" fill="#303030"/>
  <text x="28" y="94" font-family="Arial-BoldMT" font-size="11pt" fill="#ffffff">FS 1.52</text>
</svg>)svg";

// Paints a document into its paint box: as an SVG picture (GDI+) or through the canvas back end.
class TSVGPainter : public TObject {
public:
    TSVGPainter(TPaintBox* ABox, const char* AText, bool APicture, bool AGrey, float ARotation)
        : FBox(ABox), FPicture(APicture)
    {
        TStringStream text(AText);
        FSVG.LoadFromStream(text);
        FSVG.SVG()->GrayScale = AGrey;
        FSVG.SVG()->RotationAngle = ARotation;
    }
    void Paint(TObject*)
    {
        const TRect r = Rect(0, 0, FBox->Width(), FBox->Height());
        if (FPicture) FSVG.DrawOn(FBox->Canvas(), r);
        else FSVG.SVG()->Draw(FBox->Canvas(), RectToRectF(r), false);
    }

private:
    TPaintBox* FBox;
    bool FPicture;
    TGxSVGBitmap FSVG;
};

// Paints the six button glyphs of the program's resources side by side, 24 pixels square.
class TGlyphPainter : public TObject {
public:
    explicit TGlyphPainter(TPaintBox* ABox) : FBox(ABox) {}
    void Paint(TObject*)
    {
        const char* names[] = {"GxGRAPHICSCLOSESVG", "GxGRAPHICSDOWNSVG", "GxGRAPHICSUPSVG",
                               "GxGRAPHICSRIGHTSVG", "GxGRAPHICSLEFTSVG", "GxGRAPHICSEXPANDSVG"};
        for (int i = 0; i < 6; ++i) {
            TResourceStream resource(names[i], RT_RCDATA);
            TGxGraphicsSVGImport svg;
            svg.LoadFromStream(resource);
            const float x = 4 + i * 36.0f;
            svg.Draw(FBox->Canvas(), TRectF{x, 4, x + 24, 28}, true);
        }
    }

private:
    TPaintBox* FBox;
};

struct SVGForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetCaption("SVG pictures");
        Form->SetClientWidth(4 * 136 + 8);
        Form->SetClientHeight(204);
        struct {
            const char* caption;
            const char* text;
            bool picture, grey;
            float rotation;
        } views[] = {{"Canvas back end", DamSection, false, false, 0},
                     {"SVG picture (GDI+)", DamSection, true, false, 0},
                     {"Arcs, gradient, text", Gauge, true, false, 0},
                     {"Grey, turned 90", DamSection, true, true, 90}};
        for (int i = 0; i < 4; ++i) {
            auto* label = new TLabel(Form);
            label->SetParent(Form);
            label->SetBounds(8 + i * 136, 8, 128, 16);
            label->SetCaption(views[i].caption);
            Boxes[i] = new TPaintBox(Form);
            Boxes[i]->SetParent(Form);
            Boxes[i]->SetBounds(8 + i * 136, 32, 128, 128);
            Painters[i] = std::make_unique<TSVGPainter>(Boxes[i], views[i].text, views[i].picture, views[i].grey,
                                                        views[i].rotation);
            Boxes[i]->OnPaint = TNotifyEvent(Painters[i].get(), &TSVGPainter::Paint);
        }
        Glyphs = new TPaintBox(Form);
        Glyphs->SetParent(Form);
        Glyphs->SetBounds(8, 168, 220, 32);
        GlyphPainter = std::make_unique<TGlyphPainter>(Glyphs);
        Glyphs->OnPaint = TNotifyEvent(GlyphPainter.get(), &TGlyphPainter::Paint);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TForm* Form = nullptr;
    TPaintBox* Boxes[4] = {};
    std::unique_ptr<TSVGPainter> Painters[4];
    TPaintBox* Glyphs = nullptr;
    std::unique_ptr<TGlyphPainter> GlyphPainter;
};

}  // namespace

TEST_F(SVGForm, DocumentsAreDrawnOnBothBackEndsAndWithTheirOptions)
{
    TBitmap shot;
    TestScreenshot(Form, "graphics-svg", shot);
    // 128 pixels for 100 units: the water at (10, 64) units, the concrete at (45, 64), the
    // foundation at (90, 95), on both back ends
    for (TPaintBox* box : {Boxes[0], Boxes[1]}) {
        EXPECT_EQ(TestPixel(box, 13, 82), TColor(0xC07F3A));
        EXPECT_EQ(TestPixel(box, 58, 100), TColor(0x9A9A9A));
        EXPECT_EQ(TestPixel(box, 115, 122), TColor(0x456D8A));
    }
    // grey: the water Round(0.3 x 58 + 0.6 x 127 + 0.1 x 192) = 113, turned to the top
    EXPECT_EQ(TestPixel(Boxes[3], 64, 13), TColor(0x717171));
    // the middle of the close cross
    EXPECT_EQ(TestPixel(Glyphs, 16, 16), clBlack);
}
