// Control bases on the Qt back end, offscreen: dispatch, painting, mouse, keys, focus, timers.
#include <gtest/gtest.h>

#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"

namespace {

struct TEnvironment : ::testing::Environment {
    void SetUp() override { TestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

constexpr Cardinal UM_PING = WM_USER + 1, UM_OTHER = WM_USER + 2;

// ---------------------------------------------------------------- dispatch
class TBaseCtl : public TCustomControl {
    DECLARE_CLASS(TBaseCtl, TCustomControl)
public:
    using TCustomControl::TCustomControl;
    std::string Log;
    void DefaultHandler(TMessage& m) override
    {
        if (m.Msg >= WM_USER) Log += "[default]";
        TCustomControl::DefaultHandler(m);
    }

protected:
    void UmPing(TMessage& m)
    {
        Log += "base";
        m.Result = 1;
    }
};
TClass TBaseCtl::StaticClass()
{
    static const TMetaClass meta("TBaseCtl", TCustomControl::StaticClass(), NewComponent<TBaseCtl>,
                                 [](TMetaClass& m) { m.OnMessage(UM_PING, &TBaseCtl::UmPing); });
    return &meta;
}

class TDerivedCtl : public TBaseCtl {
    DECLARE_CLASS(TDerivedCtl, TBaseCtl)
public:
    using TBaseCtl::TBaseCtl;

protected:
    void UmPing(TMessage& m)
    {
        Log += "derived>";
        InheritedMessage(StaticClass(), m);
        m.Result += 10;
    }
};
TClass TDerivedCtl::StaticClass()
{
    static const TMetaClass meta("TDerivedCtl", TBaseCtl::StaticClass(), NewComponent<TDerivedCtl>,
                                 [](TMetaClass& m) { m.OnMessage(UM_PING, &TDerivedCtl::UmPing); });
    return &meta;
}

// A window-procedure hook: sees every message first, may swallow one.
class THook : public TObject {
public:
    TWndMethod Old;
    std::string Seen;
    bool Swallow = false;
    void Proc(TMessage& m)
    {
        if (m.Msg >= WM_USER) Seen += std::to_string(m.Msg - WM_USER);
        if (!(Swallow && m.Msg == UM_PING)) Old(m);
    }
};

TEST(Dispatch, HandlersInheritedCallDefaultHandlerAndSubclassing)
{
    TDerivedCtl c(nullptr);
    EXPECT_EQ(c.Perform(UM_PING), 11);
    EXPECT_EQ(c.Log, "derived>base");
    c.Log.clear();
    EXPECT_EQ(c.Perform(UM_OTHER), 0);
    EXPECT_EQ(c.Log, "[default]");

    THook hook;
    hook.Old = c.WindowProc;
    c.WindowProc = TWndMethod(&hook, &THook::Proc);
    c.Log.clear();
    hook.Swallow = true;
    EXPECT_EQ(c.Perform(UM_PING), 0);
    EXPECT_EQ(c.Log, "");
    hook.Swallow = false;
    EXPECT_EQ(c.Perform(UM_PING), 11);
    EXPECT_EQ(SendMessage(&c, UM_OTHER, 0, 0), 0);
    EXPECT_EQ(hook.Seen, "112");
    c.WindowProc = hook.Old;
    hook.Seen.clear();
    c.Perform(UM_PING);
    EXPECT_EQ(hook.Seen, "");
}

TEST(Dispatch, PostedMessagesArriveThroughTheLoopAndNotAfterTheWindowIsFreed)
{
    auto* a = new TDerivedCtl(nullptr);
    auto* b = new TDerivedCtl(nullptr);
    PostMessage(a, UM_PING, 0, 0);
    PostMessage(b, UM_PING, 0, 0);
    EXPECT_EQ(a->Log, "");
    delete b;
    TestProcess();
    EXPECT_EQ(a->Log, "derived>base");
    delete a;
}

// ---------------------------------------------------------------- a drawn control
class TPlot : public TCustomControl {
public:
    explicit TPlot(TComponent* o) : TCustomControl(o)
    {
        SetTabStop(true);
        SetColor(clWhite);
    }
    std::string Keys, Events;
    TPoint Down{-1, -1};
    int Clicks = 0, Paints = 0;

protected:
    void Paint() override
    {
        ++Paints;
        TCanvas& c = Canvas();
        c.Pen().SetColor(clRed);
        c.Brush().SetColor(clYellow);
        c.Rectangle(10, 10, 60, 50);
    }
    void MouseDown(TMouseButton b, TShiftState s, Integer x, Integer y) override
    {
        Down = {x, y};
        TCustomControl::MouseDown(b, s, x, y);
    }
    void Click() override { ++Clicks; }
    void KeyDown(Word& key, TShiftState) override
    {
        Keys += "d" + std::to_string(key) + ";";
        if (key == 'Q') key = 0;   // stops only the key-down
    }
    void KeyPress(char16_t& k) override
    {
        if (k == u'x') k = 0;        // discarded
        else if (k == u'q') k = u'Q';
        if (k) Keys += "c" + std::string(1, static_cast<char>(k)) + ";";
    }
    void DoEnter() override { Events += Name().ToUtf8() + ".enter;"; }
    void DoExit() override { Events += Name().ToUtf8() + ".exit;"; }
};

// Windowless child painted and hit-tested by its parent.
class TMark : public TGraphicControl {
public:
    explicit TMark(TComponent* o) : TGraphicControl(o) {}
    TPoint Down{-1, -1};
    int Clicks = 0;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clLime);
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }
    void MouseDown(TMouseButton, TShiftState, Integer x, Integer y) override { Down = {x, y}; }
    void Click() override { ++Clicks; }
};

class TEvents : public TObject {
public:
    std::string Log;
    void Enter(TObject* s)
    {
        auto* control = static_cast<TWinControl*>(s);
        Log += control->Name().ToUtf8() + (control->Focused() ? ".enter;" : ".enter unfocused;");
    }
    void Exit(TObject* s) { Log += static_cast<TComponent*>(s)->Name().ToUtf8() + ".exit;"; }
    // A numeric field's filter: digits, '.' becomes ',', Backspace; the rest is discarded.
    void NumberKey(TObject*, char16_t& k)
    {
        if (k == u'.') k = u',';
        else if (!(k >= u'0' && k <= u'9') && k != 8) k = 0;
    }
};

struct FormFixture : ::testing::Test {
    TForm* Form = nullptr;
    TPlot* Plot = nullptr;
    TMark* Mark = nullptr;
    TEdit* E1 = nullptr;
    TEdit* E2 = nullptr;
    TEvents Events;
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetName("Form");
        Form->SetBounds(0, 0, 320, 240);
        Plot = new TPlot(Form);
        Plot->SetName("Plot");
        Plot->SetBounds(10, 10, 200, 120);
        Plot->SetParent(Form);
        Mark = new TMark(Form);
        Mark->SetBounds(150, 60, 20, 20);
        Mark->SetParent(Plot);
        E1 = new TEdit(Form);
        E1->SetName("E1");
        E1->SetBounds(10, 140, 120, 24);
        E1->SetParent(Form);
        E2 = new TEdit(Form);
        E2->SetName("E2");
        E2->SetBounds(140, 140, 120, 24);
        E2->SetParent(Form);
        for (TWinControl* e : {static_cast<TWinControl*>(E1), static_cast<TWinControl*>(E2)}) {
            e->OnEnter = TNotifyEvent(&Events, &TEvents::Enter);
            e->OnExit = TNotifyEvent(&Events, &TEvents::Exit);
        }
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

// Bounds far beyond any screen, as a damaged form description gives them, are cut to 2^24 before
// any sum of them is taken.
TEST_F(FormFixture, BoundsBeyondAnyScreenAreCut)
{
    constexpr Integer MaxControlCoordinate = 1 << 24;
    Plot->SetBounds(INT_MAX, INT_MIN, INT_MIN, INT_MAX);
    EXPECT_EQ(Plot->Left(), MaxControlCoordinate);
    EXPECT_EQ(Plot->Top(), -MaxControlCoordinate);
    EXPECT_EQ(Plot->Width(), 0);
    EXPECT_EQ(Plot->Height(), MaxControlCoordinate);
    EXPECT_EQ(Plot->ClientRect().Bottom, MaxControlCoordinate);
    TestProcess();
}

TEST_F(FormFixture, PaintsThroughCanvasAndParentPaintsWindowlessChild)
{
    EXPECT_GE(Plot->Paints, 1);
    EXPECT_EQ(TestPixel(Plot, 10, 10), clRed);
    EXPECT_EQ(TestPixel(Plot, 59, 30), clRed);      // right edge at x2 - 1
    EXPECT_EQ(TestPixel(Plot, 60, 30), clWhite);    // background erased with the control's colour
    EXPECT_EQ(TestPixel(Plot, 30, 30), clYellow);
    EXPECT_EQ(TestPixel(Mark, 5, 5), clLime);
    EXPECT_EQ(TestPixel(Form, 5, 5), ColorToRGB(clBtnFace));
}

// A window asked to paint onto another window's device context (the picture beneath a child
// that looks transparent) paints there, its windowless children included, and leaves its own
// surface alone.
TEST_F(FormFixture, PaintingOntoAForeignDeviceContextDrawsThereAndNotOnTheSurface)
{
    TestProcess();
    TBitmap picture;
    picture.SetPixelFormat(TPixelFormat::pf32bit);
    picture.SetSize(200, 120);
    picture.Canvas().Brush().SetColor(clBlue);
    picture.Canvas().FillRect(Rect(0, 0, 200, 120));
    Plot->Canvas().Brush().SetColor(clBlack);   // outside painting: straight onto the surface
    Plot->Canvas().FillRect(Rect(0, 0, 200, 120));
    const int paints = Plot->Paints;
    Plot->Perform(WM_ERASEBKGND, reinterpret_cast<std::intptr_t>(picture.Canvas().Handle()));
    Plot->Perform(WM_PAINT, reinterpret_cast<std::intptr_t>(picture.Canvas().Handle()));
    EXPECT_EQ(Plot->Paints, paints + 1);
    EXPECT_EQ(picture.Canvas().Pixel(10, 10), TColor(clRed));
    EXPECT_EQ(picture.Canvas().Pixel(30, 30), TColor(clYellow));
    EXPECT_EQ(picture.Canvas().Pixel(100, 100), TColor(clWhite));   // erased in the control's colour
    EXPECT_EQ(picture.Canvas().Pixel(155, 65), TColor(clLime));     // the windowless child
    EXPECT_EQ(TestPixel(Plot, 30, 30), TColor(clBlack));            // the surface kept what it had
    EXPECT_FALSE(Plot->ControlState().Contains(csPaintCopy));
}

TEST_F(FormFixture, AWindowlessControlPaintsOntoTheDeviceContextItIsSent)
{
    TestProcess();
    TBitmap picture(30, 30);
    picture.Canvas().Brush().SetColor(clBlue);
    picture.Canvas().FillRect(Rect(0, 0, 30, 30));
    Mark->Perform(WM_PAINT, reinterpret_cast<std::intptr_t>(picture.Canvas().Handle()));
    EXPECT_EQ(picture.Canvas().Pixel(19, 19), TColor(clLime));   // the 20 x 20 mark
    EXPECT_EQ(picture.Canvas().Pixel(20, 20), TColor(clBlue));
    Mark->Perform(WM_PAINT, 0);                                 // no device context: nothing
}

TEST_F(FormFixture, XorOutsidePaintShowsWithoutRepaintAndErasesItself)
{
    TestProcess();
    const int paints = Plot->Paints;
    TCanvas& c = Plot->Canvas();
    c.Pen().SetMode(TPenMode::pmXor);
    c.Pen().SetColor(clWhite);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Rectangle(20, 20, 140, 100);
    EXPECT_EQ(TestPixel(Plot, 20, 30), clBlue);      // white XOR yellow
    EXPECT_EQ(TestPixel(Plot, 30, 99), clBlack);     // white XOR white
    c.Rectangle(20, 20, 140, 100);
    EXPECT_EQ(TestPixel(Plot, 20, 30), clYellow);
    EXPECT_EQ(TestPixel(Plot, 30, 99), clWhite);
    EXPECT_EQ(Plot->Paints, paints);
    c.Pen().SetMode(TPenMode::pmCopy);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    Plot->Invalidate();
    TestProcess();
    TestPixel(Plot, 0, 0);
    EXPECT_GT(Plot->Paints, paints);
}

TEST_F(FormFixture, ClicksReachControlAndWindowlessChildWithLocalCoordinates)
{
    TestClick(Plot, 30, 40);
    EXPECT_EQ(Plot->Down, (TPoint{30, 40}));
    EXPECT_EQ(Plot->Clicks, 1);
    TestClick(Mark, 5, 7);
    EXPECT_EQ(Mark->Down, (TPoint{5, 7}));
    EXPECT_EQ(Mark->Clicks, 1);
    EXPECT_EQ(Plot->Clicks, 1);
}

TEST_F(FormFixture, MouseCaptureKeepsMessagesWithThePressedChild)
{
    TestMouseDown(Mark, 2, 2);
    EXPECT_EQ(GetCaptureControl(), Mark);
    TestMouseUp(Plot, 5, 5);   // released outside the child: still its message, no click there
    EXPECT_EQ(GetCaptureControl(), nullptr);
    EXPECT_EQ(Mark->Clicks, 0);
    EXPECT_EQ(Plot->Clicks, 0);
}

TEST_F(FormFixture, KeyDiscardedAndReplacedOnOwnerDrawnControl)
{
    Plot->SetFocus();
    TestTypeText(Plot, "axq");
    // 'x' reaches KeyDown but its character is dropped; 'q' becomes 'Q'.
    EXPECT_EQ(Plot->Keys, "d65;ca;d88;d81;cQ;");
    Plot->Keys.clear();
    TestPressKey(Plot, 'Q', {ssShift});   // Key := 0 in KeyDown: the character still comes
    EXPECT_EQ(Plot->Keys, "d81;cQ;");
}

TEST_F(FormFixture, KeyDiscardedAndReplacedOnNativeEdit)
{
    E1->OnKeyPress = TKeyPressEvent(&Events, &TEvents::NumberKey);
    E1->SetFocus();
    TestTypeText(E1, "1a.5x");
    EXPECT_EQ(E1->Text(), "1,5");
}

// A control entered by the keyboard, the mouse or the program already has the focus.
TEST_F(FormFixture, EnterAndExitAcrossTabAndClick)
{
    Events.Log.clear();
    E1->SetFocus();
    EXPECT_EQ(Form->ActiveControl(), E1);
    E2->SetFocus();
    EXPECT_EQ(Events.Log, "E1.enter;E1.exit;E2.enter;");
    E1->SetFocus();
    Events.Log.clear();
    Plot->Events.clear();
    TestPressKey(E1, VK_TAB);   // E1 -> E2 (the plot comes first in tab order, E2 after E1)
    EXPECT_EQ(Form->ActiveControl(), E2);
    EXPECT_EQ(Events.Log, "E1.exit;E2.enter;");
    EXPECT_EQ(E2->Text(), "");
    Events.Log.clear();
    TestClick(E1, 5, 5);
    EXPECT_EQ(Form->ActiveControl(), E1);
    EXPECT_EQ(Events.Log, "E2.exit;E1.enter;");
    Events.Log.clear();
    TestPressKey(E1, VK_TAB, {ssShift});
    EXPECT_EQ(Form->ActiveControl(), Plot);
    EXPECT_EQ(Events.Log, "E1.exit;");
    EXPECT_EQ(Plot->Events, "Plot.enter;");
}

TEST_F(FormFixture, ParentFontAndColourPropagate)
{
    Plot->SetParentColor(true);
    EXPECT_EQ(Plot->Color(), clBtnFace);
    Form->SetColor(clNavy);
    EXPECT_EQ(Plot->Color(), clNavy);
    E1->SetColor(clRed);
    Form->SetColor(clGreen);
    EXPECT_EQ(E1->Color(), clRed);
    Form->Font().SetName("Arial");
    EXPECT_EQ(Plot->Font().Name(), "Arial");
    Plot->Font().SetHeight(-20);
    EXPECT_FALSE(Plot->ParentFont());
    Form->Font().SetName("Tahoma");
    EXPECT_EQ(Plot->Font().Name(), "Arial");
}

TEST(Align, TopBottomClientAndAnchors)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* top = new TPlot(&form);
    top->SetHeight(30);
    top->SetAlign(alTop);
    top->SetParent(&form);
    auto* bottom = new TPlot(&form);
    bottom->SetHeight(20);
    bottom->SetAlign(alBottom);
    bottom->SetParent(&form);
    auto* client = new TPlot(&form);
    client->SetAlign(alClient);
    client->SetParent(&form);
    auto* anchored = new TPlot(&form);
    anchored->SetBounds(250, 100, 40, 20);
    anchored->SetAnchors({akRight, akBottom});
    anchored->SetParent(&form);
    form.Show();
    TestProcess();
    const Integer w = form.ClientWidth(), h = form.ClientHeight();
    EXPECT_EQ(top->BoundsRect(), Rect(0, 0, w, 30));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, h - 20, w, h));
    EXPECT_EQ(client->BoundsRect(), Rect(0, 30, w, h - 20));
    form.SetBounds(0, 0, 400, 260);
    TestProcess();
    EXPECT_EQ(anchored->Left(), 350);
    EXPECT_EQ(anchored->Top(), 160);
    EXPECT_EQ(client->BoundsRect(), Rect(0, 30, form.ClientWidth(), form.ClientHeight() - 20));
}

// Refuses sizes wider than 100 pixels and rounds heights up to a multiple of 10.
class TSizeRule : public TObject {
public:
    void CanResize(TObject*, Integer& width, Integer& height, bool& resize)
    {
        resize = width <= 100;
        height = (height + 9) / 10 * 10;
    }
};

TEST(Resize, TheCanResizeEventChangesOrRefusesANewSize)
{
    TForm form(nullptr);
    auto* plot = new TPlot(&form);
    plot->SetParent(&form);
    plot->SetBounds(0, 0, 50, 20);
    TSizeRule rule;
    plot->OnCanResize = TCanResizeEvent(&rule, &TSizeRule::CanResize);
    struct Case { TRect asked, got; };
    const Case cases[] = {{Rect(5, 5, 85, 38), Rect(5, 5, 85, 45)},      // height rounded up to 40
                          {Rect(0, 0, 150, 40), Rect(5, 5, 85, 45)},     // too wide: nothing changes
                          {Rect(20, 30, 100, 70), Rect(20, 30, 100, 70)}};  // the same size elsewhere
    for (const Case& c : cases) {
        plot->SetBounds(c.asked.Left, c.asked.Top, c.asked.Width(), c.asked.Height());
        EXPECT_EQ(plot->BoundsRect(), c.got) << c.asked.Left << "," << c.asked.Top;
    }
}

// ---------------------------------------------------------------- timers on the test clock
class TTicker : public TObject {
public:
    std::vector<Cardinal> At;
    TTestClock* Clock = nullptr;
    void Tick(TObject*) { At.push_back(Clock->Now()); }
};

TEST(Timer, TestClockFiresDueTimersInOrder)
{
    TTestClock clock;
    TTicker a, b;
    a.Clock = b.Clock = &clock;
    TTimer ta(nullptr), tb(nullptr);
    ta.SetInterval(30);
    ta.SetOnTimer(TNotifyEvent(&a, &TTicker::Tick));
    tb.SetInterval(50);
    tb.SetOnTimer(TNotifyEvent(&b, &TTicker::Tick));
    clock.Advance(100);
    EXPECT_EQ(a.At, (std::vector<Cardinal>{30, 60, 90}));
    EXPECT_EQ(b.At, (std::vector<Cardinal>{50, 100}));
    ta.SetEnabled(false);
    clock.Advance(100);
    EXPECT_EQ(a.At.size(), 3u);
    EXPECT_EQ(b.At.size(), 4u);
}

class TTickReader : public TObject {
public:
    std::vector<Cardinal> At;
    void Tick(TObject*) { At.push_back(GetTickCount()); }
};

// The program's clock is the test clock while one is installed: a timer's handler reads the time
// its timer fell due.
TEST(Timer, GetTickCountFollowsTheTestClock)
{
    TTestClock clock;
    TTickReader reader;
    TTimer timer(nullptr);
    timer.SetInterval(40);
    timer.SetOnTimer(TNotifyEvent(&reader, &TTickReader::Tick));
    EXPECT_EQ(GetTickCount(), 0u);
    clock.Advance(100);
    EXPECT_EQ(reader.At, (std::vector<Cardinal>{40, 80}));
    EXPECT_EQ(GetTickCount(), 100u);
}

}  // namespace

namespace {

class TMenuLog : public TObject {
public:
    std::string Log;
    void Copy(TObject*) { Log += "copy;"; }
    void Popup(TObject*) { Log += "popup;"; }
};

TEST_F(FormFixture, RightClickShowsThePopupMenuAtTheMouse)
{
    TMenuLog log;
    auto* menu = new TPopupMenu(Form);
    menu->OnPopup = TNotifyEvent(&log, &TMenuLog::Popup);
    auto* copy = new TMenuItem(Form);
    copy->SetCaption("&Copy");
    copy->OnClick = TNotifyEvent(&log, &TMenuLog::Copy);
    menu->Items()->Add(copy);
    Plot->SetPopupMenu(menu);
    TestAnswerNextPopup("Copy");
    TestClick(Plot, 20, 30, mbRight);
    EXPECT_EQ(log.Log, "popup;copy;");
    EXPECT_EQ(TestLastPopupPoint(), Plot->ClientToScreen({20, 30}));
}

TEST_F(FormFixture, APopupMenuTakesTheMouseFromTheControlHoldingIt)
{
    auto* menu = new TPopupMenu(Form);
    auto* copy = new TMenuItem(Form);
    copy->SetCaption("Copy");
    menu->Items()->Add(copy);
    TestMouseDown(Mark, 2, 2);
    ASSERT_EQ(GetCaptureControl(), Mark);
    TestAnswerNextPopup("Copy");
    menu->Popup(0, 0);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    TestMouseDown(Plot, 20, 20);   // the next press reaches the control under the pointer
    TestMouseUp(Plot, 20, 20);
    EXPECT_EQ(Plot->Down, (TPoint{20, 20}));
    EXPECT_EQ(Mark->Down, (TPoint{2, 2}));
}

TEST(Menus, ShortcutsAndMergeByGroupIndex)
{
    EXPECT_EQ(ShortCutToText(ShortCut('S', {ssCtrl})), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, {ssShift})), "Shift+Del");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, {})), "F5");
    EXPECT_EQ(TextToShortCut("Ctrl+S"), ShortCut('S', {ssCtrl}));
    EXPECT_EQ(StripHotkey("&Save && close"), "Save & close");

    TComponent owner(nullptr);
    TMainMenu frame(&owner), child(&owner);
    auto add = [&](TMainMenu& m, const char* caption, Byte group) {
        auto* i = new TMenuItem(&owner);
        i->SetCaption(caption);
        i->SetGroupIndex(group);
        m.Items()->Add(i);
        return i;
    };
    add(frame, "File", 0);
    add(frame, "View", 2);
    add(frame, "Window", 9);
    add(child, "Edit", 1);
    add(child, "Chart", 2);
    add(child, "Chart tools", 2);
    std::vector<String> captions;
    for (TMenuItem* i : frame.MergedItems(&child)) captions.push_back(i->Caption());
    EXPECT_EQ(captions, (std::vector<String>{"File", "Edit", "Chart", "Chart tools", "Window"}));
}

TEST(Menus, AMenuHasOneDefaultItem)
{
    TComponent owner(nullptr);
    TPopupMenu menu(&owner);
    std::vector<TMenuItem*> items;
    for (const char* caption : {"Model", "Loads", "Results"}) {
        items.push_back(new TMenuItem(&owner));
        items.back()->SetCaption(caption);
        menu.Items()->Add(items.back());
    }
    auto defaults = [&] {
        std::vector<bool> d;
        for (TMenuItem* i : items) d.push_back(i->Default());
        return d;
    };
    items[0]->SetDefault(true);
    items[1]->SetDefault(true);
    EXPECT_EQ(defaults(), (std::vector<bool>{false, true, false}));
    items[1]->SetDefault(false);
    EXPECT_EQ(defaults(), (std::vector<bool>{false, false, false}));
}

}  // namespace

namespace {

// A drawn list that scrolls by lines as its vertical bar asks.
class TScroller : public TCustomControl {
public:
    explicit TScroller(TComponent* o) : TCustomControl(o) {}
    std::vector<Word> Codes;

protected:
    void CreateParams(TCreateParams& p) override
    {
        TCustomControl::CreateParams(p);
        p.Style |= WS_VSCROLL | WS_HSCROLL;
        p.ExStyle |= WS_EX_CLIENTEDGE;
    }
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_VSCROLL) {
            Codes.push_back(LoWord(m.WParam));
            if (LoWord(m.WParam) == SB_LINEDOWN) SetScrollPos(this, SB_VERT, GetScrollPos(this, SB_VERT) + 1, true);
            return;
        }
        TCustomControl::WndProc(m);
    }
};

TEST_F(FormFixture, ScrollBarsTakeClientSpaceAndMoveOnlyAsTheControlSays)
{
    auto* s = new TScroller(Form);
    s->SetBounds(0, 0, 120, 100);
    s->SetParent(Form);
    TestProcess();
    EXPECT_EQ(s->ClientRect(), Rect(0, 0, 116, 96));   // client edge of 2, no bars yet
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = 99;
    info.nPage = 10;
    info.nPos = 95;
    EXPECT_EQ(SetScrollInfo(s, SB_VERT, &info, true), 90);   // clamped to max - page + 1
    EXPECT_EQ(s->ClientRect(), Rect(0, 0, 116 - ScrollBarSize, 96));
    SetScrollPos(s, SB_VERT, 0, true);
    // A click on the bar's lower arrow: SB_LINEDOWN then SB_ENDSCROLL; the handler moves it.
    TestClick(s, 116 - ScrollBarSize + 5, 96 - 5);
    EXPECT_EQ(s->Codes, (std::vector<Word>{SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(GetScrollPos(s, SB_VERT), 1);
    ShowScrollBar(s, SB_VERT, false);
    EXPECT_EQ(s->ClientRect(), Rect(0, 0, 116, 96));
    // a new range shows the hidden bar again when it asks for one
    info.fMask = SIF_RANGE;
    SetScrollInfo(s, SB_VERT, &info, true);
    EXPECT_EQ(s->ClientRect(), Rect(0, 0, 116 - ScrollBarSize, 96));
}

}  // namespace

namespace {

// Records the component notifications it receives.
class TNotified : public TCustomControl {
public:
    explicit TNotified(TComponent* o) : TCustomControl(o) {}
    std::string Log;

protected:
    void CreateParams(TCreateParams& p) override
    {
        TCustomControl::CreateParams(p);
        p.ExStyle |= WS_EX_CLIENTEDGE;
    }
    void WndProc(TMessage& m) override
    {
        switch (m.Msg) {
        case CM_ENABLEDCHANGED: Log += "enabled;"; break;
        case CM_VISIBLECHANGED: Log += "visible;"; break;
        case CM_TEXTCHANGED: Log += "text;"; break;
        case CM_FONTCHANGED: Log += "font;"; break;
        case CM_COLORCHANGED: Log += "color;"; break;
        case CM_MOUSEENTER: Log += m.LParam ? "child-enter;" : "enter;"; break;
        case CM_MOUSELEAVE: Log += m.LParam ? "child-leave;" : "leave;"; break;
        default: break;
        }
        TCustomControl::WndProc(m);
    }
};

TEST_F(FormFixture, ComponentNotificationsForStateChanges)
{
    auto* n = new TNotified(Form);
    n->SetBounds(220, 10, 80, 60);
    n->SetParent(Form);
    EXPECT_EQ(n->Log, "font;color;");   // the parent's font and colour taken over
    n->Log.clear();
    n->SetEnabled(false);
    n->SetEnabled(false);   // no change, no notification
    n->SetVisible(false);
    n->SetVisible(true);
    n->SetCaption("x");
    n->SetColor(clRed);
    n->Font().SetHeight(-20);
    EXPECT_EQ(n->Log, "enabled;visible;visible;text;color;font;");
}

TEST_F(FormFixture, MouseEnterAndLeaveOfAWindowlessChild)
{
    auto* n = new TNotified(Form);
    n->SetBounds(220, 10, 80, 60);
    n->SetParent(Form);
    auto* mark = new TMark(Form);
    mark->SetBounds(10, 10, 20, 20);
    mark->SetParent(n);
    TestProcess();
    n->Log.clear();
    TestMouseMove(n, 5, 5);     // into the window: it hears of the pointer entering
    TestMouseMove(n, 15, 15);   // onto the child: the parent hears of it
    TestMouseMove(n, 40, 40);
    EXPECT_EQ(n->Log, "enter;child-enter;child-leave;");
}

TEST_F(FormFixture, ClientEdgeIsPaintedAroundTheClientArea)
{
    auto* n = new TNotified(Form);
    n->SetBounds(220, 10, 80, 60);
    n->SetColor(clWhite);
    n->SetParent(Form);
    TestProcess();
    EXPECT_EQ(n->ClientRect(), Rect(0, 0, 76, 56));
    EXPECT_EQ(n->ClientToScreen({0, 0}).X - Form->ClientToScreen({0, 0}).X, 222);
    TBitmap b;
    TestGrab(n, b);
    const Byte* top = b.ScanLine(0);
    EXPECT_EQ(RGB(top[2], top[1], top[0]), ColorToRGB(clBtnShadow));
    EXPECT_EQ(TestPixel(n, 0, 0), clWhite);
}

TEST_F(FormFixture, CaretShowsOverTheSurface)
{
    Plot->HandleNeeded();
    CreateCaret(Plot, 2, 10);
    SetCaretPos(100, 60);
    ShowCaret(Plot);
    EXPECT_EQ(TestPixel(Plot, 100, 65), clBlack);   // white XOR white
    HideCaret(Plot);
    EXPECT_EQ(TestPixel(Plot, 100, 65), clWhite);
    DestroyCaret();
}

TEST_F(FormFixture, CaretBlinksAtItsWindowsOwnRateAndLightsUpWhenMoved)
{
    TTestClock clock;
    Plot->HandleNeeded();
    auto lit = [this] { return TestPixel(Plot, 100, 65) == clBlack; };
    CreateCaret(Plot, 2, 10);
    SetCaretPos(100, 60);
    ShowCaret(Plot);
    EXPECT_TRUE(SetCaretBlinkRate(Plot, 200));
    EXPECT_FALSE(SetCaretBlinkRate(Form, 100));   // the form has no caret
    // time after the rate was set, lit?
    struct Step { Cardinal at; bool lit; };
    const Step steps[] = {{0, true}, {199, true}, {200, false}, {399, false}, {400, true}, {450, true}};
    for (const Step& s : steps) {
        clock.Advance(s.at - clock.Now());
        EXPECT_EQ(lit(), s.lit) << s.at;
    }
    SetCaretPos(100, 60);   // at 450: lit for a whole blink time again
    clock.Advance(199);
    EXPECT_TRUE(lit());
    clock.Advance(1);
    EXPECT_FALSE(lit());
    // A new caret blinks at the blink time of every caret, which the rate above left alone.
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
    CreateCaret(Plot, 2, 10);
    SetCaretPos(100, 60);
    ShowCaret(Plot);
    clock.Advance(529);
    EXPECT_TRUE(lit());
    clock.Advance(1);
    EXPECT_FALSE(lit());
    SetCaretBlinkRate(Plot, 0);   // steady
    clock.Advance(2000);
    EXPECT_TRUE(lit());
    HideCaret(Plot);
    clock.Advance(2000);
    EXPECT_FALSE(lit());
    DestroyCaret();
}

TEST_F(FormFixture, HintAppearsAfterThePauseOverAControlWithShowHint)
{
    TTestClock clock;
    Mark->SetHint("Joint 3");
    Mark->SetShowHint(true);
    TestMouseMove(Mark, 3, 3);
    EXPECT_TRUE(Application->HintWindow() == nullptr || !Application->HintWindow()->Visible());
    clock.Advance(Application->HintPause());
    ASSERT_NE(Application->HintWindow(), nullptr);
    EXPECT_TRUE(Application->HintWindow()->Visible());
    EXPECT_EQ(Application->HintWindow()->Caption(), "Joint 3");
    clock.Advance(Application->HintHidePause());
    EXPECT_FALSE(Application->HintWindow()->Visible());
    TestMouseMove(Plot, 50, 5);
}

}  // namespace

namespace {

class TDragLog : public TObject {
public:
    std::vector<TPoint> Moves;
    bool LeftHeld = true;
    void Move(TObject*, TShiftState shift, Integer x, Integer y)
    {
        Moves.push_back({x, y});
        LeftHeld = LeftHeld && shift.Contains(ssLeft);
    }
};

TEST_F(FormFixture, DragMovesWithTheButtonHeldAndEndsWithAClickAtTheEnd)
{
    TDragLog log;
    Plot->OnMouseMove = TMouseMoveEvent(&log, &TDragLog::Move);
    TestDrag(Plot, {10, 10}, {50, 30}, 4);
    EXPECT_EQ(log.Moves, (std::vector<TPoint>{{20, 15}, {30, 20}, {40, 25}, {50, 30}}));
    EXPECT_TRUE(log.LeftHeld);
    EXPECT_EQ(Plot->Down, (TPoint{10, 10}));
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

}  // namespace

// Pen and brush styles are named in form descriptions in the order of their enumerations.
TEST(GraphicsObjectNames, PenAndBrushStylesByName)
{
    EXPECT_EQ(TypeInfoOf(TPenStyle::psSolid).Value("psInsideFrame"), static_cast<int>(TPenStyle::psInsideFrame));
    EXPECT_EQ(TypeInfoOf(TPenStyle::psSolid).ValueName(static_cast<int>(TPenStyle::psClear)), String("psClear"));
    EXPECT_EQ(TypeInfoOf(TBrushStyle::bsSolid).Value("bsDiagCross"), static_cast<int>(TBrushStyle::bsDiagCross));
    EXPECT_EQ(TypeInfoOf(TBrushStyle::bsSolid).ValueName(static_cast<int>(TBrushStyle::bsClear)), String("bsClear"));
}

namespace {
// Notes which control the form says has the focus.
class TFocusWatcher : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
    TControl* Heard = nullptr;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == CM_FOCUSCHANGED) Heard = reinterpret_cast<TControl*>(m.LParam);
        TGraphicControl::WndProc(m);
    }
};
}  // namespace

// A change of the form's focused control reaches every control on the form, windowless ones
// inside containers included.
TEST_F(FormFixture, FocusChangeReachesEveryControl)
{
    auto* watcher = new TFocusWatcher(Form);
    watcher->SetParent(Plot);
    E2->SetFocus();
    EXPECT_EQ(watcher->Heard, E2);
    E1->SetFocus();
    EXPECT_EQ(watcher->Heard, E1);
}
