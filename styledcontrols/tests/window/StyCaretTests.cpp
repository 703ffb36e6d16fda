// The editor's caret on a shown control: shapes, showing with the focus, moving, and a blink
// rate that stays the control's own.
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCaret.h"

namespace {

struct StyCarets : ::testing::Test {
    TForm* Form = nullptr;
    TStyCustomControl* Editor = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 100);
        Editor = new TStyCustomControl(Form);
        Editor->SetBounds(10, 10, 120, 40);
        Editor->SetColor(clWhite);
        Editor->SetTabStop(true);
        Editor->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

}  // namespace

TEST_F(StyCarets, ShapesOfEachStyle)
{
    struct Case {
        TStyCaretStyles style;
        TSize size;
    };
    const Case cases[] = {{csDefault, {1, 14}}, {csBlock, {6, 9}}, {csUnder, {6, 1}}, {csOver, {6, 1}},
                          {csUnderBlock, {6, 9}}};
    for (const Case& c : cases) {
        TStyCaret caret(Editor);
        caret.SetFontHeight(14);
        caret.SetWidth(6);
        caret.SetHeight(9);
        caret.SetStyle(c.style);
        caret.BuildCaret();
        EXPECT_EQ(caret.CaretSize().cx, c.size.cx) << int(c.style);
        EXPECT_EQ(caret.CaretSize().cy, c.size.cy) << int(c.style);
    }
    TStyCaret picture(Editor);
    TBitmap bmp(5, 7);
    picture.SetBitmap(&bmp);
    picture.SetStyle(csBitmap);
    picture.BuildCaret();
    EXPECT_EQ(picture.CaretSize().cx, 5);
}

TEST_F(StyCarets, TheCaretShowsWithTheFocusAndKeepsItsBlinkRateToItself)
{
    const Cardinal systemRate = GetCaretBlinkTime();
    TStyCaret caret(Editor);
    caret.SetBlinkRate(530);   // as the forms store it
    caret.SetFontHeight(12);
    caret.SetCaretPos(20, 5);  // not focused: not moved (nor built)
    Editor->SetFocus();
    TestProcess();
    caret.Enable();
    caret.SetCaretPos(20, 5);
    EXPECT_TRUE(caret.Enabled());
    EXPECT_NE(TestPixel(Editor, 20, 10), clWhite);   // the inverted caret
    EXPECT_EQ(GetCaretBlinkTime(), systemRate);
    caret.Disable();
    EXPECT_EQ(TestPixel(Editor, 20, 10), clWhite);
    EXPECT_EQ(caret.BlinkRate(), 530);

    TStyCaret idle(Editor);
    idle.SetCanEnable(false);
    idle.Enable();
    EXPECT_FALSE(idle.Enabled());
}

TEST_F(StyCarets, TheCaretBlinksAtItsOwnRate)
{
    TTestClock clock;
    Editor->SetFocus();
    TestProcess();
    for (Word rate : {530, 300}) {
        TStyCaret caret(Editor);
        caret.SetBlinkRate(rate);
        caret.SetFontHeight(12);
        caret.Enable();
        caret.SetCaretPos(20, 5);
        auto lit = [&] { return TestPixel(Editor, 20, 10) != clWhite; };
        // lit for `rate` milliseconds, dark for as long, lit again
        const Cardinal start = clock.Now();
        for (Cardinal at : {0u, rate - 1u, Cardinal{rate}, 2u * rate - 1u, 2u * rate}) {
            clock.Advance(start + at - clock.Now());
            EXPECT_EQ(lit(), at < rate || at >= 2u * rate) << rate << " at " << at;
        }
        caret.Disable();
        clock.Advance(3u * rate);
        EXPECT_FALSE(lit()) << rate;
    }
    EXPECT_EQ(GetCaretBlinkTime(), 530u);   // no other caret changed
}

TEST_F(StyCarets, AssignCopiesRateSizeAndStyleOnly)
{
    TStyCaret a(Editor), b(Editor);
    a.SetBlinkRate(300);
    a.SetWidth(4);
    a.SetHeight(8);
    a.SetStyle(csBlock);
    a.SetRow(3);
    TBitmap bmp(2, 2);
    a.SetBitmap(&bmp);
    b.Assign(&a);
    EXPECT_EQ(b.BlinkRate(), 300);
    EXPECT_EQ(b.Width(), 4);
    EXPECT_EQ(b.Height(), 8);
    EXPECT_EQ(b.Style(), csBlock);
    EXPECT_EQ(b.Row(), 0);
    EXPECT_TRUE(b.Bitmap()->Empty());
}
