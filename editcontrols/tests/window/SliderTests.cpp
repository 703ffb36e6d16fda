#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcTypes.h"
#include "editcontrols/EcxSlider.h"
#include "platform/testing/Driver.h"

namespace {

struct TCounter : TObject {
    int Changes = 0, Ends = 0;
    void Change(TObject*) { ++Changes; }
    void Changed(TObject*) { ++Ends; }
};

// The pseudo-dynamic dialog's slider: 321 x 40, no bevel, built-in bitmaps, 1..50, increment 5.
// Its ruler is 309 x 8 at (6, 10); the thumb 9 x 17 starts at (6, 6); the ruler length (where the
// thumb's left edge can go) is 309 - 9 = 300 pixels.
struct SliderForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 360, 120);
        Slider = new TEcxSlider(Form.get());
        Slider->SetParent(Form.get());
        Slider->SetBounds(10, 10, 321, 40);
        Slider->SetMaxValue(50);
        Slider->SetMinValue(1);
        Slider->SetIncrement(5);
        Slider->OnChange = TNotifyEvent(&Events, &TCounter::Change);
        Slider->OnChanged = TNotifyEvent(&Events, &TCounter::Changed);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        Form.reset();
        TestProcess();
    }
    std::unique_ptr<TForm> Form;
    TEcxSlider* Slider = nullptr;
    TCounter Events;
};

TEST_F(SliderForm, WorkedExampleOfTheProgramsSlider)
{
    EXPECT_EQ(Slider->Ruler().Width(), 309);
    EXPECT_EQ(Slider->Ruler().Height(), 8);
    EXPECT_EQ(Slider->RulerOrg(), TPoint(6, 10));
    EXPECT_EQ(Slider->RulerLength(), 300);
    EXPECT_EQ(Slider->Value(), 1);
    EXPECT_EQ(Slider->ThumbRect(), Bounds(6, 6, 9, 17));
    Slider->SetValue(26);
    EXPECT_EQ(Slider->GetOffsetByValue(26), 159);   // Round(300 x 25 / 49) + 6
    EXPECT_EQ(Slider->ThumbRect().Left, 159);
    EXPECT_EQ(Slider->GetOffsetByValue(50), 306);
    // Back from pixels: smooth, every pixel a value; without it, multiples of 5 from 0, then + 1.
    EXPECT_EQ(Slider->GetValueByOffset(159), 26);
    Slider->SetOptions({soShowFocus, soShowPoints});
    EXPECT_EQ(Slider->GetValueByOffset(159), 26);   // Round(24.99 / 5) x 5 + 1
    EXPECT_EQ(Slider->GetValueByOffset(100), 16);   // 15 + 1
    EXPECT_EQ(Slider->GetValueByOffset(1000), 50);
    EXPECT_EQ(Slider->GetValueByOffset(0), 1);
}

// The ruler's middle is tiled from the image, its ends are the image's own.
TEST_F(SliderForm, RulerStretchedFromItsImage)
{
    TBitmap& image = Slider->Image(siHRuler);
    TCanvas& ruler = const_cast<TBitmap&>(Slider->Ruler()).Canvas();
    for (Integer y = 0; y < 8; ++y) {
        for (Integer x = 0; x < 8; ++x) EXPECT_EQ(ruler.Pixel(x, y), image.Canvas().Pixel(x, y)) << x << "," << y;
        for (Integer x = 302; x < 309; ++x) EXPECT_EQ(ruler.Pixel(x, y), image.Canvas().Pixel(x - 299, y)) << x;
        EXPECT_EQ(ruler.Pixel(150, y), image.Canvas().Pixel(2 + (150 - 2) % 6, y));
    }
}

// Tick points at 1, 6, ..., 46 and 50 below the ruler: 11 lines, the first and last 5 long.
TEST_F(SliderForm, TickPointsBelowTheRuler)
{
    const Integer top = Slider->PointsRect().Top;
    EXPECT_EQ(top, 24);
    Integer lines = 0;
    for (Integer x = 0; x < 321; ++x) {
        if (TestPixel(Slider, x, top) != clBlack) continue;
        ++lines;
        const bool end = x == 6 + 4 || x == 306 + 4;
        EXPECT_EQ(TestPixel(Slider, x, top + 2), clBlack) << x;
        EXPECT_EQ(TestPixel(Slider, x, top + 4) == clBlack, end) << x;
        EXPECT_NE(TestPixel(Slider, x, top + 5), clBlack) << x;
    }
    EXPECT_EQ(lines, 11);
    EXPECT_EQ(TestPixel(Slider, Slider->GetOffsetByValue(6) + 4, top), clBlack);
}

TEST_F(SliderForm, KeysJumpByTheIncrement)
{
    Slider->SetFocus();
    TestProcess();
    Slider->SetValue(26);
    Events.Changes = Events.Ends = 0;
    struct Case { Word Key; Integer Value; };
    const Case cases[] = {{VK_RIGHT, 30}, {VK_RIGHT, 35}, {VK_LEFT, 30}, {VK_LEFT, 25}, {VK_END, 50},
                          {VK_RIGHT, 50}, {VK_HOME, 1}, {VK_LEFT, 1}, {VK_RIGHT, 5}};
    for (const Case& c : cases) {
        TestPressKey(Slider, c.Key);
        EXPECT_EQ(Slider->Value(), c.Value) << c.Key;
    }
    EXPECT_EQ(Events.Ends, 9);        // every handled key ends a user change
    EXPECT_EQ(Events.Changes, 7);     // the value changed seven times
    TestPressKey(Slider, VK_RIGHT, {ssShift});
    EXPECT_EQ(Slider->Value(), 5);
}

// Jumps round the value to a multiple of the increment first: from 35 by 10, the next is 50.
TEST_F(SliderForm, NextJumpRoundsHalvesToEven)
{
    Slider->SetMinValue(0);
    Slider->SetMaxValue(100);
    Slider->SetIncrement(10);
    Slider->SetValue(35);
    Slider->SetFocus();
    TestProcess();
    TestPressKey(Slider, VK_RIGHT);
    EXPECT_EQ(Slider->Value(), 50);
    Slider->SetValue(45);
    TestPressKey(Slider, VK_RIGHT);
    EXPECT_EQ(Slider->Value(), 50);   // Round(4.5) = 4
}

// Holding the button on the ruler right of the thumb steps at once, then every 400 ms until the
// thumb has passed the pointer; releasing stops it.
TEST_F(SliderForm, HoldingTheRulerStepsOnTheTimer)
{
    TTestClock clock;
    const Integer x = Slider->GetOffsetByValue(20) + 2;   // a little right of where 20 sits
    TestMouseDown(Slider, x, 14);
    EXPECT_EQ(Slider->Value(), 5);
    clock.Advance(399);
    EXPECT_EQ(Slider->Value(), 5);
    clock.Advance(1);
    EXPECT_EQ(Slider->Value(), 10);
    clock.Advance(400);
    EXPECT_EQ(Slider->Value(), 15);
    clock.Advance(400);
    EXPECT_EQ(Slider->Value(), 20);   // the thumb now covers the pointer ...
    clock.Advance(2000);
    EXPECT_EQ(Slider->Value(), 20);   // ... so it stops there
    Events.Changes = Events.Ends = 0;
    TestMouseUp(Slider, x, 14);
    EXPECT_EQ(Events.Ends, 1);
    TestMouseDown(Slider, 20, 14);    // left of the thumb: one step down at once
    EXPECT_EQ(Slider->Value(), 15);
    TestMouseUp(Slider, 20, 14);
    clock.Advance(2000);
    EXPECT_EQ(Slider->Value(), 15);   // released: no more steps
}

TEST_F(SliderForm, DraggingTheThumb)
{
    Slider->SetValue(26);
    const TPoint grab{Slider->ThumbRect().Left + 4, 14};
    // Smooth: every pixel a value; the thumb follows the pointer less the grab offset.
    TestDrag(Slider, grab, {grab.X + 60, 14});
    EXPECT_EQ(Slider->Value(), Slider->GetValueByOffset(159 + 60));
    EXPECT_EQ(Slider->Value(), 36);   // Round(213 x 49 / 300) + 1
    EXPECT_EQ(Slider->ThumbRect().Left, Slider->GetOffsetByValue(36));
    // Without soSmooth the value snaps to the increment.
    Slider->SetOptions({soShowFocus, soShowPoints});
    const TPoint again{Slider->ThumbRect().Left + 4, 14};
    TestDrag(Slider, again, {again.X - 23, 14});
    EXPECT_EQ((Slider->Value() - 1) % 5, 0);
    EXPECT_EQ(Slider->Value(), 31);
    // Beyond the end the thumb stops at the maximum.
    TestDrag(Slider, {Slider->ThumbRect().Left + 4, 14}, {400, 14});
    EXPECT_EQ(Slider->Value(), 50);
    EXPECT_EQ(Slider->ThumbRect().Left, 306);
}

TEST_F(SliderForm, RangeAndIncrementRules)
{
    Slider->SetMaxValue(4);   // below the minimum plus the increment: the increment shrinks
    EXPECT_EQ(Slider->Increment(), 3);
    Slider->SetMaxValue(1);   // a range without values is refused
    EXPECT_EQ(Slider->MaxValue(), 4);
    try {
        Slider->SetIncrement(10);
        FAIL() << "no error";
    } catch (const EEcLibException& e) {
        EXPECT_EQ(e.Message(), String("La valeur doit être comprise entre 1 et 3"));
    }
    EXPECT_EQ(Slider->Increment(), 3);
    EXPECT_THROW(Slider->SetIncrement(0), EEcLibException);
}

// A vertical slider has its minimum at the bottom; turning a 150 x 40 slider makes it 40 x 150.
TEST_F(SliderForm, VerticalSliderTurnsTheControl)
{
    Slider->SetBounds(10, 10, 150, 40);
    Slider->SetOrientation(soVertical);
    EXPECT_EQ(Slider->Width(), 40);
    EXPECT_EQ(Slider->Height(), 150);
    Slider->SetValue(1);
    const Integer bottom = Slider->ThumbRect().Top;
    Slider->SetValue(50);
    EXPECT_LT(Slider->ThumbRect().Top, bottom);
    EXPECT_EQ(Slider->ThumbRect().Top, 6);
    EXPECT_EQ(Slider->ThumbRect().Height(), 9);
    Slider->SetFocus();
    TestProcess();
    TestPressKey(Slider, VK_DOWN);
    EXPECT_EQ(Slider->Value(), 45);
}

}  // namespace
