// Hints: before a control's hint shows, the control receives the hint's record (CM_HINTSHOW) and
// may change its text, colour, place and window class, or refuse it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/testing/Driver.h"

namespace {

// A panel that answers the hint message with Answer, after keeping the record it was offered.
class THintedPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    std::function<std::intptr_t(THintInfo&)> Answer;
    THintInfo Offered;

    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_HINTSHOW) {
            auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
            Offered = info;
            m.Result = Answer ? Answer(info) : 0;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

// A hint window of another class, as a control may ask for.
class TFramedHintWindow : public THintWindow {
    DECLARE_CLASS(TFramedHintWindow, THintWindow)
public:
    using THintWindow::THintWindow;
};
IMPLEMENT_CLASS(TFramedHintWindow, THintWindow, NewComponent<TFramedHintWindow>)

// A form with a 100 x 60 panel at (20, 20) carrying the hint "Joint 3|Third joint from the base".
struct HintForm : ::testing::Test {
    void SetUp() override
    {
        TestInitialize();
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Panel = new THintedPanel(Form.get());
        Panel->SetBounds(20, 20, 100, 60);
        Panel->SetParent(Form.get());
        Panel->SetHint("Joint 3|Third joint from the base");
        Panel->SetShowHint(true);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        TestMouseMove(Form.get(), 250, 150);   // off the panel: the hint is cancelled
        Form.reset();
        TestProcess();
    }
    // Rests the mouse on the panel until the hint is due; the hint window shown, or null.
    THintWindow* RestOnPanel()
    {
        TTestClock clock;
        TestMouseMove(Panel, 7, 9);
        clock.Advance(Application->HintPause());
        THintWindow* w = Application->HintWindow();
        return w && w->Visible() ? w : nullptr;
    }
    std::unique_ptr<TForm> Form;
    THintedPanel* Panel = nullptr;
};

TEST_F(HintForm, TheControlIsOfferedTheHintThatWouldShow)
{
    THintWindow* w = RestOnPanel();
    ASSERT_NE(w, nullptr);
    const THintInfo& o = Panel->Offered;
    EXPECT_EQ(o.HintControl, Panel);
    EXPECT_EQ(o.HintWindowClass, THintWindow::StaticClass());
    EXPECT_EQ(o.HintStr, "Joint 3");   // the short part
    EXPECT_EQ(o.HintColor, Application->HintColor());
    EXPECT_EQ(o.HintMaxWidth, 300);
    const TPoint mouse = Mouse->CursorPos();   // where the system has the pointer
    EXPECT_EQ(o.CursorPos, Panel->ScreenToClient(mouse));
    EXPECT_EQ(o.HintPos, (TPoint{mouse.X, mouse.Y + 20}));   // under the pointer
    EXPECT_EQ(w->Caption(), "Joint 3");
    EXPECT_EQ(w->BoundsRect().TopLeft(), o.HintPos);
}

TEST_F(HintForm, TheControlChangesTextColourPlaceAndWindowClass)
{
    Panel->Answer = [](THintInfo& info) {
        info.HintStr = "Joint 3: open";
        info.HintColor = clYellow;
        info.HintPos = TPoint{140, 90};
        info.HintWindowClass = TFramedHintWindow::StaticClass();
        return 0;
    };
    THintWindow* w = RestOnPanel();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassType(), TFramedHintWindow::StaticClass());
    EXPECT_EQ(w->Caption(), "Joint 3: open");
    EXPECT_EQ(w->Color(), clYellow);
    EXPECT_EQ(w->BoundsRect().TopLeft(), (TPoint{140, 90}));
    EXPECT_EQ(TestPixel(w, w->Width() / 2, w->Height() - 2), clYellow);   // below the text

    // The next hint of a control that asks for nothing special comes in the plain window again.
    TestMouseMove(Form.get(), 250, 150);
    Panel->Answer = nullptr;
    w = RestOnPanel();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassType(), THintWindow::StaticClass());
    EXPECT_EQ(w->Color(), Application->HintColor());
}

TEST_F(HintForm, TheApplicationsHintWindowClassIsWhatControlsAreOffered)
{
    HintWindowClass = TFramedHintWindow::StaticClass();
    THintWindow* w = RestOnPanel();
    HintWindowClass = THintWindow::StaticClass();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Panel->Offered.HintWindowClass, TFramedHintWindow::StaticClass());
    EXPECT_EQ(w->ClassType(), TFramedHintWindow::StaticClass());

    TestMouseMove(Form.get(), 250, 150);
    w = RestOnPanel();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->ClassType(), THintWindow::StaticClass()) << "the plain window once the class is put back";
}

TEST_F(HintForm, ANonZeroAnswerOrAnEmptyTextShowsNoHint)
{
    const std::function<std::intptr_t(THintInfo&)> answers[] = {
        [](THintInfo&) -> std::intptr_t { return 1; },
        [](THintInfo& info) -> std::intptr_t { info.HintStr = String(); return 0; },
    };
    for (const auto& answer : answers) {
        Panel->Answer = answer;
        EXPECT_EQ(RestOnPanel(), nullptr);
        TestMouseMove(Form.get(), 250, 150);
    }
}

}  // namespace
