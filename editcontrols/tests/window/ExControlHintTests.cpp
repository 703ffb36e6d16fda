// The hint of an extended control on a shown form: the application's hint window comes in the
// control's hint colour and window class.
#include <gtest/gtest.h>

#include <memory>

#include "editcontrols/EcExControls.h"
#include "platform/testing/Driver.h"

namespace {

class THintedControl : public TEcExCustomControl {
public:
    using TEcExCustomControl::TEcExCustomControl;
    void SetHintLook(TColor color, THintWindowClass windowClass)
    {
        FHintColor = color;
        FHintWindowClass = windowClass;
    }
};

class TGaugeHintWindow : public THintWindow {
    DECLARE_CLASS(TGaugeHintWindow, THintWindow)
public:
    using THintWindow::THintWindow;
};
IMPLEMENT_CLASS(TGaugeHintWindow, THintWindow, NewComponent<TGaugeHintWindow>)

TEST(ExControlHints, TheHintWindowTakesTheControlsColourAndClass)
{
    TestInitialize();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* control = new THintedControl(form.get());
    control->SetBounds(20, 20, 100, 60);
    control->SetParent(form.get());
    control->SetHint("Water level");
    control->SetShowHint(true);
    form->Show();
    TestProcess();

    struct Case {
        TColor Own;
        THintWindowClass WindowClass;
        TColor Shown;
        THintWindowClass ShownClass;
    };
    const Case cases[] = {
        {clYellow, TGaugeHintWindow::StaticClass(), clYellow, TGaugeHintWindow::StaticClass()},
        {clNone, nullptr, Application->HintColor(), THintWindow::StaticClass()},
        {clDefault, nullptr, Application->HintColor(), THintWindow::StaticClass()},   // the form keeps it
    };
    for (const Case& c : cases) {
        control->SetHintLook(c.Own, c.WindowClass);
        TTestClock clock;
        TestMouseMove(control, 10, 10);
        clock.Advance(Application->HintPause());
        THintWindow* w = Application->HintWindow();
        ASSERT_TRUE(w && w->Visible());
        EXPECT_EQ(w->Caption(), "Water level");
        EXPECT_EQ(w->Color(), c.Shown);
        EXPECT_EQ(w->ClassType(), c.ShownClass);
        TestMouseMove(form.get(), 250, 150);
    }
    form.reset();
    TestProcess();
}

// A focusable 60 x 40 control in white with a sunken two-pixel border, as an edit has, and the
// "DotNet" frame over that border: blue while it has the focus, grey outside and white inside
// once the focus has gone.
class TFramedControl : public TEcExCustomControl {
public:
    explicit TFramedControl(TComponent* AOwner) : TEcExCustomControl(AOwner)
    {
        SetTabStop(true);
        SetColor(clWhite);
        SetDotNetHighlighting(true);
    }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TEcExCustomControl::CreateParams(Params);
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    }
};

TEST(ExControlFrames, TheDotNetFrameIsBlueWithTheFocusElseGreyAroundTheControlsColour)
{
    TestInitialize();
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 200, 100);
    auto* framed = new TFramedControl(form.get());
    framed->SetBounds(10, 10, 60, 40);
    framed->SetParent(form.get());
    auto* other = new TFramedControl(form.get());
    other->SetBounds(100, 10, 60, 40);
    other->SetDotNetHighlighting(false);
    other->SetParent(form.get());
    form->Show();
    TestProcess();
    const TColor blue = static_cast<TColor>(RGB(0, 56, 115)), grey = static_cast<TColor>(RGB(128, 128, 128));
    struct Case {
        TWinControl* focused;
        TColor outer, inner;
    };
    for (const Case c : {Case{framed, blue, blue}, Case{other, grey, clWhite}}) {
        c.focused->SetFocus();
        TestProcess();
        // the window's corners on the form, at (10, 10) and (69, 49)
        EXPECT_EQ(ColorToRGB(TestPixel(form.get(), 10, 10)), ColorToRGB(c.outer));
        EXPECT_EQ(ColorToRGB(TestPixel(form.get(), 69, 49)), ColorToRGB(c.outer));
        EXPECT_EQ(ColorToRGB(TestPixel(form.get(), 11, 11)), ColorToRGB(c.inner));
        EXPECT_EQ(ColorToRGB(TestPixel(framed, 28, 18)), ColorToRGB(clWhite));
    }
    EXPECT_EQ(ColorToRGB(TestPixel(form.get(), 100, 10)), ColorToRGB(clBtnShadow));   // the plain border
    form.reset();
    TestProcess();
}

}  // namespace
