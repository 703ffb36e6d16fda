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

}  // namespace
