// The validation tooltip on a shown form: its size from the measured text, its shape (body and
// nose), its place beside the combo box, its colours on screen and the border it lends the box.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/GxGDIP.h"
#include "listcontrols/GxCombo.h"
#include "platform/testing/Driver.h"

namespace {

using namespace GxGDIP;

// A 300 x 200 form with a 150 x 21 combo box at (40, 60).
struct TipFixture : ::testing::Test {
    std::unique_ptr<TForm> Form;
    TGxComboBox* Combo = nullptr;
    TGxToolTip* Settings = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Combo = new TGxComboBox(Form.get());
        Combo->SetParent(Form.get());
        Combo->SetBounds(40, 60, 150, 21);
        Settings = new TGxToolTip(Form.get());
        Form->Show();
        TestProcess();
    }
    TGxToolTipWindow* Tip() const { return Combo->ValidationWindow(); }
    // The width and height GDI+ measures for the text between two blanks, in the tip's font.
    TGPRectF Measured(const String& text, Integer maxWidth = 0)
    {
        TBitmap bmp(10, 10);
        TGPGraphics g(bmp.Canvas().Handle());
        TFont font;
        font.SetColor(clWhite);
        std::unique_ptr<TGPFont> gpFont = g.MakeFont(font);
        TGPStringFormat format(0, 0);
        const String s = " " + text + " ";
        TGPRectF box;
        if (maxWidth <= 0) g.MeasureString(s, s.Length(), gpFont.get(), TGPPointF{0, 0}, &format, box);
        else g.MeasureString(s, s.Length(), gpFont.get(), TGPRectF{0, 0, Single(maxWidth), 1000}, &format, box);
        return box;
    }
    bool InShape(Integer x, Integer y)
    {
        TRegion shape;
        return GetWindowRgn(Tip(), &shape) != ERROR && shape.Contains(x, y);
    }
};

// Default settings: a red balloon with white text on the right of the box, pointing left at it,
// vertically centred on it and 8 pixels wider than the text box.
TEST_F(TipFixture, TheDefaultTipIsARedBalloonRightOfTheBoxPointingAtIt)
{
    Combo->ShowValidation("Choose a load combination");
    TestProcess();
    TGxToolTipWindow* tip = Tip();
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->Visible());
    EXPECT_EQ(tip->Parent(), Form.get());
    const TGPRectF box = Measured("Choose a load combination");
    const Integer h = static_cast<Integer>(std::nearbyint(box.Height + box.Height / 5));
    const Integer w = static_cast<Integer>(std::nearbyint(box.Width + 4));
    EXPECT_EQ(tip->Height(), h);
    EXPECT_EQ(tip->Width(), w + 8);
    EXPECT_EQ(tip->Left(), 40 + 150);
    EXPECT_EQ(tip->Top(), 60 + (21 - h) / 2);
    // The nose: a triangle from the tip's left edge at half height to x = 10; the body starts at 8.
    const Integer W = tip->Width(), H = tip->Height();
    EXPECT_TRUE(InShape(3, H / 2));
    EXPECT_FALSE(InShape(1, 1));
    EXPECT_FALSE(InShape(5, H / 2 - 4));
    EXPECT_TRUE(InShape(9, 1));
    EXPECT_TRUE(InShape(W - 1, H / 2));
    // On screen: red body, white text inside it, the form beneath the cut-away corner.
    Integer red = 0, white = 0;
    for (Integer y = 1; y < H - 1; ++y)
        for (Integer x = 10; x < W - 2; ++x) {
            const TColor c = TestPixel(Form.get(), tip->Left() + x, tip->Top() + y);
            red += c == TColor(clRed);
            white += (c & 0xFF) > 200 && ((c >> 8) & 0xFF) > 200 && ((c >> 16) & 0xFF) > 200;
        }
    EXPECT_GT(red, (W - 12) * (H - 2) / 2);
    EXPECT_GT(white, 20);
    EXPECT_EQ(TestPixel(Form.get(), tip->Left() + 1, tip->Top() + 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(TestPixel(Form.get(), tip->Left() + 4, tip->Top() + H / 2), TColor(clRed));   // the nose
    // Hiding does nothing: only freeing the window takes the tip away.
    tip->Hide();
    EXPECT_TRUE(tip->Visible());
    Combo->HideValidation();
    EXPECT_EQ(Combo->ValidationWindow(), nullptr);
    Combo->HideValidation();   // nothing shown: nothing happens
}

TEST_F(TipFixture, TheBoxWearsTheTipsBorderColourWhileItShows)
{
    EXPECT_EQ(Combo->BorderColor(), TColor(clNone));
    Combo->ShowValidation("Required");
    EXPECT_EQ(Combo->BorderColor(), TColor(clRed));
    Combo->ShowValidation("Still required");   // a second show re-measures and keeps the border
    EXPECT_EQ(Tip()->Text(), String("Still required"));
    Combo->HideValidation();
    EXPECT_EQ(Combo->BorderColor(), TColor(clNone));
}

TEST_F(TipFixture, SizeFollowsTheTextAndTheSettings)
{
    // One character: never narrower than high (then the nose).
    Combo->ShowValidation("!");
    EXPECT_GE(Tip()->Width() - 8, Tip()->Height());
    const Integer oneLine = Tip()->Height();
    Combo->HideValidation();

    // A width limit of 100 pixels wraps a long message into taller lines no wider than that.
    Settings->SetMaxWidth(100);
    Combo->SetToolTip(Settings);
    Combo->ShowValidation("The lift joint elevation must lie within the dam");
    const TGPRectF wrapped = Measured("The lift joint elevation must lie within the dam", 100);
    EXPECT_LE(wrapped.Width, 100);
    EXPECT_GT(Tip()->Height(), 2 * oneLine);
    EXPECT_LE(Tip()->Width(), 100 + 4 + 8);
    Combo->HideValidation();

    // A margin adds its width on every side.
    Settings->SetMaxWidth(0);
    Settings->SetMargin(5);
    Combo->ShowValidation("Required");
    const TGPRectF box = Measured("Required");
    EXPECT_EQ(Tip()->Width(), static_cast<Integer>(std::nearbyint(box.Width + 4 + 10)) + 8);
    Combo->HideValidation();
}

// Where each position puts the tip (T = top, L = left of the box, W x H the tip's size) and
// where the nose's triangle stands.
TEST_F(TipFixture, EachPositionPutsTheTipOnItsSideWithItsNose)
{
    Combo->SetToolTip(Settings);
    Settings->SetX(10);
    Settings->SetY(20);
    struct Case {
        TGxToolTipPosition position;
        bool rightAligned, centred, above;   // the tip's edge or centre on the box's, above or below it
    };
    const Case cases[] = {
        {ttTopRight, true, false, true},     {ttTopLeft, false, false, true},
        {ttTopCenter, false, true, true},    {ttBottomLeft, false, false, false},
        {ttBottomCenter, false, true, false}, {ttBottomRight, true, false, false},
    };
    for (const Case& c : cases) {
        Settings->SetPosition(c.position);
        Combo->ShowValidation("Required");
        const Integer W = Tip()->Width(), H = Tip()->Height();
        const Integer left = c.rightAligned ? 40 + 150 - W : c.centred ? 40 + (150 - W) / 2 : 40;
        EXPECT_EQ(Tip()->Left(), left) << int(c.position);
        EXPECT_EQ(Tip()->Top(), c.above ? 60 - H : 60 + 21) << int(c.position);
        const Integer nx = c.rightAligned ? W - 16 : c.centred ? W / 2 : 8;
        // The nose points down from the bottom edge above the box, up from the top edge below it.
        EXPECT_TRUE(InShape(nx + 1, c.above ? H - 3 : 2)) << int(c.position);
        EXPECT_FALSE(InShape(nx + 7, c.above ? H - 3 : 2)) << int(c.position);
        Combo->HideValidation();
    }
    Settings->SetPosition(ttCustom);
    Combo->ShowValidation("Required");
    EXPECT_EQ(Tip()->Left(), 40 + 10);
    EXPECT_EQ(Tip()->Top(), 60 + 20);
    Combo->HideValidation();
}

TEST_F(TipFixture, ARectangleHasNoNose)
{
    Combo->SetToolTip(Settings);
    Settings->SetShape(tsRectangle);
    Settings->SetRounding(0);
    Combo->ShowValidation("Required");
    TRegion shape;
    ASSERT_NE(GetWindowRgn(Tip(), &shape), ERROR);
    // the rounded body reaches one pixel past the right and bottom edges, as its corners ask
    EXPECT_EQ(shape.BoundingRect(), Rect(0, 0, Tip()->Width() + 1, Tip()->Height() + 1));
    EXPECT_GE(Tip()->Width(), Tip()->Height());
    const TGPRectF box = Measured("Required");
    EXPECT_EQ(Tip()->Width(), static_cast<Integer>(std::nearbyint(box.Width + 4)));
    Combo->HideValidation();
}

// The settings copied by Assign, and a tip without a control only keeps them.
TEST_F(TipFixture, SettingsCopyAndAShowWithoutControl)
{
    Settings->SetColor(clBlue);
    Settings->SetPosition(ttBottomLeft);
    Settings->SetRounding(6);
    Settings->Font().SetSize(12);
    TGxToolTip copy(nullptr);
    copy.Assign(Settings);
    EXPECT_EQ(copy.Color(), TColor(clBlue));
    EXPECT_EQ(copy.Position(), ttBottomLeft);
    EXPECT_EQ(copy.Rounding(), 6);
    EXPECT_EQ(copy.Font().Size(), 12);
    EXPECT_EQ(copy.Version(), String("1.0.0.3"));
    TGxToolTipWindow lone(Form.get());
    lone.Show(nullptr, Settings);
    EXPECT_EQ(lone.ActiveToolTip(), Settings);
    EXPECT_FALSE(lone.Visible());
    EXPECT_EQ(lone.Parent(), nullptr);
}

}  // namespace
