// Hint components: the application's hint window class while one is enabled, one component at a
// time, so that a control's tooltip shows as a balloon; a hint shown by the component at a
// control's centre; the plain framed hint window;
// build/screenshots/styled-hint.png.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomShapeHint.h"

namespace {

// A plain hint window that keeps what it was asked to show.
class TKeptHintWindow : public TStyCustomHintWindow {
    DECLARE_CLASS(TKeptHintWindow, TStyCustomHintWindow)
public:
    using TStyCustomHintWindow::TStyCustomHintWindow;
    static inline TRect Shown;
    static inline String Text;
    static inline TStyBaseHint* Owner = nullptr;
    void ActivateHint(const TRect& Rect, const String& AHint) override
    {
        Shown = Rect;
        Text = AHint;
        Owner = HintControl();
        TStyCustomHintWindow::ActivateHint(Rect, AHint);
    }
};
IMPLEMENT_CLASS(TKeptHintWindow, TStyCustomHintWindow, NewComponent<TKeptHintWindow>)

class TKeptHint : public TStyCustomHint {
public:
    using TStyCustomHint::TStyCustomHint;
    TClass GetHintWindowClass() const override { return TKeptHintWindow::StaticClass(); }
};

struct StyHint : ::testing::Test {
    TForm* Form = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 300, 160);
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

TEST_F(StyHint, OneEnabledComponentAtATimeGivesTheHintWindowClass)
{
    ASSERT_EQ(HintWindowClass, THintWindow::StaticClass());
    auto* first = new TStyCustomHint(Form);
    EXPECT_EQ(HintWindowClass, TStyCustomHintWindow::StaticClass());
    EXPECT_EQ(TStyBaseHint::HookInForce(), first);
    auto* second = new TStyCustomHTMLHint(Form);
    EXPECT_EQ(HintWindowClass, TStyCustomHTMLHintWindow::StaticClass());
    EXPECT_FALSE(first->Enabled()) << "the second disabled the first";
    second->SetEnabled(false);
    EXPECT_EQ(HintWindowClass, THintWindow::StaticClass()) << "the platform's own, not the first component's";
    EXPECT_EQ(TStyBaseHint::HookInForce(), nullptr);
    second->SetEnabled(true);
    delete second;
    EXPECT_EQ(HintWindowClass, THintWindow::StaticClass()) << "destroying disables";
    delete first;
}

TEST_F(StyHint, AControlHintShowsAtItsCentre)
{
    auto* panel = new TEdit(Form);
    panel->SetBounds(40, 30, 100, 50);
    panel->SetHint("Joint 3");
    panel->SetParent(Form);
    TKeptHint hint(Form);
    hint.SetEnabled(false);
    Application->Terminate();   // no waiting: the message pump ends at once
    hint.ShowControlHint("", panel, 500);
    Application->ResetTerminated();
    const TPoint centre = Form->ClientToScreen({40 + 50, 30 + 25});
    EXPECT_EQ(TKeptHintWindow::Shown.TopLeft(), centre);
    EXPECT_EQ(TKeptHintWindow::Text, "Joint 3");
    EXPECT_EQ(TKeptHintWindow::Owner, &hint) << "the window belongs to the component";
    EXPECT_TRUE(hint.Windows().empty()) << "and is freed afterwards";

    TKeptHintWindow::Text = String();
    panel->Hide();
    hint.ShowControlHint("", panel, 500);
    EXPECT_EQ(TKeptHintWindow::Text, String()) << "a hidden control shows nothing";
}

// The plain window: the component's colour and font inside a lowered bevel.
TEST_F(StyHint, ThePlainWindowIsAFramedText)
{
    TStyCustomHint hint(Form);
    hint.SetEnabled(false);
    hint.SetColor(clYellow);
    EXPECT_EQ(hint.Bevel().StyleOuter(), bvLowered);
    auto* window = static_cast<TStyCustomHintWindow*>(TStyBaseHintWindow::CreateCustom(hint.GetHintWindowClass(), &hint, &hint));
    window->ActivateHint({150, 150, -1, -1}, "Crack length: 2.35 m");
    TestProcess();
    EXPECT_EQ(window->Color(), clYellow);
    TCanvas& c = window->Canvas();
    c.Font().Assign(hint.GetHintFont());
    EXPECT_GT(window->Width(), c.TextWidth("Crack length: 2.35 m") + 6);
    EXPECT_EQ(TestPixel(window, 0, 0), ColorToRGB(clBtnShadow)) << "the lowered bevel's dark edge";
    EXPECT_EQ(TestPixel(window, window->Width() - 2, window->Height() / 2), ColorToRGB(clYellow));
    TBitmap shot;
    TestScreenshot(Form, {window}, "styled-hint", shot);
    delete window;
    EXPECT_TRUE(hint.Windows().empty());
}

// An HTML hint window tells its component when it shows and when it hides, once each.
TEST_F(StyHint, TheHTMLWindowTellsShowingAndHiding)
{
    struct TLog : TObject {
        std::vector<String> Events;
        void Show(TObject*) { Events.push_back("show"); }
        void Hide(TObject*) { Events.push_back("hide"); }
    } log;
    TStyCustomHTMLHint hint(Form);
    hint.SetEnabled(false);
    hint.OnShow = TNotifyEvent(&log, &TLog::Show);
    hint.OnHide = TNotifyEvent(&log, &TLog::Hide);
    auto* window = static_cast<TStyCustomHTMLHintWindow*>(
        TStyBaseHintWindow::CreateCustom(hint.GetHintWindowClass(), &hint, &hint));
    const TRect r = window->CalcHintRect(300, "<html><b>Sliding</b> at joint 3");
    EXPECT_TRUE(window->IsHTML());
    window->ActivateHint({150, 150, 150 + r.Width(), 150 + r.Height()}, "<html><b>Sliding</b> at joint 3");
    window->ActivateHint({150, 150, 150 + r.Width(), 150 + r.Height()}, "<html><b>Sliding</b> at joint 3");
    window->ReleaseHandle();
    window->ReleaseHandle();
    EXPECT_EQ(log.Events, (std::vector<String>{"show", "hide"}));
    delete window;
}

// With a shape hint enabled, a control's tooltip shows as a balloon pointing at the mouse.
TEST_F(StyHint, AControlsTooltipShowsInTheEnabledComponentsWindow)
{
    auto* edit = new TEdit(Form);
    edit->SetBounds(20, 20, 120, 22);
    edit->SetHint("Crest level");
    edit->SetShowHint(true);
    edit->SetParent(Form);
    TStyCustomShapeHint balloons(Form);
    TTestClock clock;
    TestMouseMove(edit, 10, 10);
    clock.Advance(Application->HintPause());
    auto* w = dynamic_cast<TStyShapeHintWindow*>(Application->HintWindow());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->HintControl(), &balloons);
    EXPECT_FALSE(w->IsCustom());
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->Caption(), "Crest level");
    TRegion shape;
    EXPECT_NE(GetWindowRgn(w, &shape), 0) << "a shaped window";
    EXPECT_EQ(w->Origin(), Mouse->CursorPos());
    TestMouseMove(Form, 250, 120);
}

// A press on a link of a balloon's marked-up text tells the component which link it was.
TEST_F(StyHint, APressOnALinkTellsItsHref)
{
    struct TLog : TObject {
        std::vector<String> Links;
        TObject* Sender = nullptr;
        void Link(TObject* sender, const String& href)
        {
            Sender = sender;
            Links.push_back(href);
        }
    } log;
    TStyCustomShapeHint hint(Form);
    hint.SetEnabled(false);
    hint.OnLinkClick = TEvent<TObject*, const String&>(&log, &TLog::Link);
    auto* window = static_cast<TStyCustomHTMLHintWindow*>(
        TStyBaseHintWindow::CreateCustom(hint.GetHintWindowClass(), &hint, &hint));
    const String text = "<html><a href=\"joint3\">Joint 3</a> slides";
    const TRect r = window->CalcHintRect(300, text);
    window->ActivateHint({150, 150, 150 + r.Width(), 150 + r.Height()}, text);
    TestProcess();
    const TRect t = window->TextRect();
    TestClick(window, t.Right - 2, t.Top + 3);   // on " slides"
    EXPECT_TRUE(log.Links.empty());
    TestClick(window, t.Left + 3, t.Top + 3);
    EXPECT_EQ(log.Links, std::vector<String>{"joint3"});
    EXPECT_EQ(log.Sender, window);
    delete window;
}
