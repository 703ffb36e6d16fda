// Mouse input as the window system delivers it: the window's hit test decides where a message
// goes (client, non-client, the parent beneath), WM_SETCURSOR lets the windows choose the cursor,
// and a press on a caption or an edge moves or sizes the window.
#include <gtest/gtest.h>

#include <string>

#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"

namespace {

// Answers WM_NCHITTEST with `Hit` inside `Area` (client coordinates) and notes the mouse
// messages it gets.
class THitProbe : public TCustomControl {
public:
    explicit THitProbe(TComponent* o) : TCustomControl(o) {}
    Integer Hit = HTCLIENT;
    TRect Area;
    std::string Log;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_NCHITTEST && Area.Contains(ScreenToClient({LoSmall(m.LParam), HiSmall(m.LParam)}))) {
            m.Result = Hit;
            return;
        }
        if (m.Msg == WM_NCLBUTTONDOWN) {
            const TPoint p = ScreenToClient({LoSmall(m.LParam), HiSmall(m.LParam)});
            Log += "nc-down " + std::to_string(m.WParam) + " at " + std::to_string(p.X) + "," + std::to_string(p.Y) + ";";
        }
        if (m.Msg == WM_LBUTTONDOWN)
            Log += "down " + std::to_string(LoSmall(m.LParam)) + "," + std::to_string(HiSmall(m.LParam)) + ";";
        TCustomControl::WndProc(m);
    }
};

// Chooses the hourglass for every window under it that asks (WM_SETCURSOR reaches the parent
// when the window itself has no cursor of its own).
class TBusyPanel : public TCustomControl {
public:
    explicit TBusyPanel(TComponent* o) : TCustomControl(o) {}
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_SETCURSOR && reinterpret_cast<TWinControl*>(m.WParam) != this) {
            ::SetCursor(Screen->Cursors(crHourGlass));
            m.Result = 1;
            return;
        }
        TCustomControl::WndProc(m);
    }
};

class TNotingForm : public TForm {
public:
    explicit TNotingForm(TComponent* o) : TForm(o) {}
    std::string Log;

protected:
    void MouseDown(TMouseButton, TShiftState, Integer x, Integer y) override
    {
        Log += "form down " + std::to_string(x) + "," + std::to_string(y) + ";";
    }
};

class TMarker : public TGraphicControl {
public:
    explicit TMarker(TComponent* o) : TGraphicControl(o) {}
};

struct MouseInputFixture : ::testing::Test {
    TNotingForm* Form = nullptr;
    THitProbe* Probe = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TNotingForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Probe = new THitProbe(Form);
        Probe->SetBounds(50, 40, 100, 80);   // form client 50..150 x 40..120
        Probe->SetParent(Form);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(MouseInputFixture, TheHitTestDecidesWhichMessageAndWhichWindow)
{
    struct Case {
        const char* name;
        Integer hit;
        std::string probe, form;
    } cases[] = {
        {"client", HTCLIENT, "down 10,20;", ""},
        {"border", HTBORDER, "nc-down 18 at 10,20;", ""},
        {"nowhere", HTNOWHERE, "nc-down 0 at 10,20;", ""},
        // a transparent window passes the press to the window beneath, in its coordinates
        {"transparent", HTTRANSPARENT, "", "form down 60,60;"},
    };
    for (const Case& c : cases) {
        Probe->Hit = c.hit;
        Probe->Area = Rect(0, 0, 100, 80);
        Probe->Log.clear();
        Form->Log.clear();
        TestMouseDown(Probe, 10, 20);
        TestMouseUp(Probe, 10, 20);
        TestProcess();
        EXPECT_EQ(Probe->Log, c.probe) << c.name;
        EXPECT_EQ(Form->Log, c.form) << c.name;
    }
}

TEST_F(MouseInputFixture, ATransparentWindowPassesTheInputToTheSiblingBeneath)
{
    // a transparent window over the right half of the probe and beyond it
    auto* glass = new THitProbe(Form);
    glass->SetBounds(100, 30, 100, 60);   // form client 100..200 x 30..90
    glass->SetParent(Form);
    glass->Hit = HTTRANSPARENT;
    glass->Area = Rect(0, 0, 100, 60);
    TestProcess();
    TestClick(glass, 10, 20);   // over the probe: its client (60, 10)
    TestClick(glass, 80, 20);   // beside the probe: the form's (180, 50)
    EXPECT_EQ(glass->Log, "");
    EXPECT_EQ(Probe->Log, "down 60,10;");
    EXPECT_EQ(Form->Log, "form down 180,50;");
}

TEST_F(MouseInputFixture, PressOnTheCaptionMovesTheWindowAndAnEdgeSizesIt)
{
    // the top 10 pixels are a caption, the bottom-right corner a sizing grip
    Probe->Hit = HTCAPTION;
    Probe->Area = Rect(0, 0, 100, 10);
    TestMouseDown(Probe, 5, 5);               // form client (55, 45)
    TestMouseMove(Form, 85, 65, {ssLeft});    // the mouse 30 right, 20 down
    TestMouseUp(Form, 85, 65);
    TestProcess();
    EXPECT_EQ(Probe->BoundsRect(), Rect(80, 60, 180, 140));
    EXPECT_EQ(Probe->Log, "nc-down 2 at 5,5;");   // the press only, no client message

    Probe->Hit = HTBOTTOMRIGHT;
    Probe->Area = Rect(90, 70, 100, 80);
    TestMouseDown(Probe, 95, 75);             // form client (175, 135)
    TestMouseMove(Form, 160, 150, {ssLeft});
    TestMouseUp(Form, 160, 150);
    TestProcess();
    EXPECT_EQ(Probe->BoundsRect(), Rect(80, 60, 165, 155));

    // an edge dragged past the opposite one stops there; afterwards the mouse moves nothing
    Probe->Hit = HTLEFT;
    Probe->Area = Rect(0, 10, 5, 80);
    TestMouseDown(Probe, 2, 40);              // form client (82, 100)
    TestMouseMove(Form, 250, 100, {ssLeft});
    TestMouseUp(Form, 250, 100);
    TestMouseMove(Form, 20, 20);
    TestProcess();
    EXPECT_EQ(Probe->BoundsRect(), Rect(165, 60, 165, 155));
}

TEST_F(MouseInputFixture, TheWindowUnderTheMouseChoosesTheCursor)
{
    auto* busy = new TBusyPanel(Form);
    busy->SetBounds(160, 10, 120, 100);
    busy->SetParent(Form);
    auto* plain = new THitProbe(busy);
    plain->SetBounds(10, 10, 40, 40);
    plain->SetParent(busy);
    auto* hand = new THitProbe(busy);
    hand->SetBounds(60, 10, 40, 40);
    hand->SetCursor(crHandPoint);
    hand->SetParent(busy);
    auto* mark = new TMarker(Form);
    mark->SetBounds(10, 130, 20, 20);
    mark->SetCursor(crCross);
    mark->SetParent(Form);
    auto* edit = new TEdit(Form);
    edit->SetBounds(100, 130, 60, 21);
    edit->SetParent(Form);
    Probe->SetCursor(crHelp);
    Probe->Hit = HTRIGHT;
    Probe->Area = Rect(95, 0, 100, 80);
    TestProcess();

    struct Case {
        const char* name;
        TControl* over;
        TPoint at;
        TCursor shown;
    } cases[] = {
        {"own cursor", Probe, {10, 10}, crHelp},
        {"text entry's class cursor", edit, {5, 5}, crIBeam},
        {"sizing edge", Probe, {97, 10}, crSizeWE},
        {"windowless control's cursor", Form, {15, 135}, crCross},
        {"the form's own (none)", Form, {100, 180}, crDefault},
        {"the parent chooses for a window without one", plain, {5, 5}, crHourGlass},
        {"a window's own cursor before its parent's choice", hand, {5, 5}, crHandPoint},
    };
    for (const Case& c : cases) {
        TestMouseMove(c.over, c.at.X, c.at.Y);
        EXPECT_EQ(GetCursor(), c.shown) << c.name;
    }
}


// Notes which wheel events a control gets; the wheel event takes the turn when told to.
class TWheelLog : public TObject {
public:
    bool TakeWheel = false;
    std::string Log;
    void Wheel(TObject*, TShiftState, Integer delta, TPoint, bool& handled)
    {
        Log += "wheel " + std::to_string(delta) + ";";
        handled = TakeWheel;
    }
    void Down(TObject*, TShiftState, TPoint, bool& handled) { Log += "down;"; handled = true; }
    void Up(TObject*, TShiftState, TPoint, bool& handled) { Log += "up;"; handled = true; }
};

// A wheel turn the wheel event leaves unhandled goes to the down event (towards the user,
// negative delta) or the up event; either one's answer is the message's.
TEST_F(MouseInputFixture, AnUnhandledWheelTurnAsksTheDownOrUpEvent)
{
    struct Case { bool takeWheel; int delta; const char* log; };
    const Case cases[] = {{false, -120, "wheel -120;down;"}, {false, 120, "wheel 120;up;"}, {true, -120, "wheel -120;"}};
    for (const Case& c : cases) {
        TWheelLog log;
        log.TakeWheel = c.takeWheel;
        Probe->OnMouseWheel = TMouseWheelEvent(&log, &TWheelLog::Wheel);
        Probe->OnMouseWheelDown = TMouseWheelUpDownEvent(&log, &TWheelLog::Down);
        Probe->OnMouseWheelUp = TMouseWheelUpDownEvent(&log, &TWheelLog::Up);
        const Cardinal wParam = static_cast<Cardinal>(static_cast<Word>(c.delta)) << 16;
        EXPECT_EQ(Probe->Perform(WM_MOUSEWHEEL, wParam, MakeLParam(60, 50)), 1) << c.delta;
        EXPECT_EQ(log.Log, c.log);
    }
    Probe->OnMouseWheel = nullptr;
    Probe->OnMouseWheelDown = nullptr;
    Probe->OnMouseWheelUp = nullptr;
}

}  // namespace
