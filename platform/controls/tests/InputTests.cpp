// Input state and the message queue: key states, looking into posted messages, hidden windows,
// cancelling the mouse mode and broadcasting to children.
#include <gtest/gtest.h>

#include "platform/stdctrls/Edits.h"
#include "platform/testing/Driver.h"
#include "platform/testing/InputMethod.h"

namespace {

constexpr Cardinal UM_PING = WM_USER + 11, UM_OTHER = WM_USER + 12;

// Notes what it receives and, inside its handlers, the key states it sees.
class TProbe : public TCustomControl {
public:
    explicit TProbe(TComponent* o) : TCustomControl(o) { SetTabStop(true); }
    std::string Log;
    Cardinal Answer = 0;   // the result it gives UM_PING
    SmallInt KeySeen = 0, ButtonSeen = 0, ShiftSeen = 0;
    std::intptr_t KeyUpData = 0;   // lParam of the last WM_KEYUP
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_KEYUP) KeyUpData = m.LParam;
        if (m.Msg == UM_PING || m.Msg == UM_OTHER || m.Msg == WM_CANCELMODE) {
            Log += Name().ToUtf8() + (m.Msg == UM_PING ? ".ping;" : m.Msg == UM_OTHER ? ".other;" : ".cancel;");
            if (m.Msg == UM_PING) m.Result = Answer;
        }
        TCustomControl::WndProc(m);
    }

protected:
    void KeyDown(Word& key, TShiftState) override
    {
        KeySeen = GetKeyState(key);
        ShiftSeen = GetKeyState(VK_SHIFT);
    }
    void MouseDown(TMouseButton, TShiftState, Integer, Integer) override { ButtonSeen = GetKeyState(VK_LBUTTON); }
};

class TMarker : public TGraphicControl {
public:
    explicit TMarker(TComponent* o) : TGraphicControl(o) {}
};

struct InputFixture : ::testing::Test {
    TForm* Form = nullptr;
    TProbe* A = nullptr;
    TProbe* B = nullptr;
    TProbe* C = nullptr;
    TMarker* Mark = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        TProbe** probes[] = {&A, &B, &C};
        for (int i = 0; i < 3; ++i) {
            *probes[i] = new TProbe(Form);
            (*probes[i])->SetName(String(std::string(1, static_cast<char>('A' + i))));
            (*probes[i])->SetBounds(10 + i * 90, 10, 80, 80);
            (*probes[i])->SetParent(Form);
        }
        Mark = new TMarker(Form);
        Mark->SetBounds(20, 20, 20, 20);
        Mark->SetParent(A);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

TEST_F(InputFixture, KeyStatesFollowTheInputDelivered)
{
    TestPressKey(A, 'K', {ssShift});
    EXPECT_LT(A->KeySeen, 0);     // down while its key-down is handled
    EXPECT_LT(A->ShiftSeen, 0);
    EXPECT_GE(GetKeyState('K'), 0);   // up again afterwards

    // each press of Caps Lock toggles its low bit; the high bit only while it is held
    const SmallInt before = GetKeyState(VK_CAPITAL) & 1;
    TestPressKey(A, VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), SmallInt(before ^ 1));
    Byte keyboard[256] = {};
    ASSERT_TRUE(GetKeyboardState(keyboard));
    EXPECT_EQ(keyboard[VK_CAPITAL], Byte(before ^ 1));
    TestPressKey(A, VK_CAPITAL);
    EXPECT_EQ(GetKeyState(VK_CAPITAL), before);

    TestMouseDown(A, 5, 5);
    EXPECT_LT(A->ButtonSeen, 0);
    EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
    TestMouseUp(A, 5, 5);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0);
}

// A key-up says that the key was down before (bit 30) and is going up (bit 31), beside the
// shift state.
TEST_F(InputFixture, AKeyUpCarriesThePreviousStateAndTransitionBits)
{
    TestPressKey(A, VK_TAB, {ssShift});
    EXPECT_NE(A->KeyUpData & (std::intptr_t(1) << 30), 0);
    EXPECT_NE(A->KeyUpData & (std::intptr_t(1) << 31), 0);
    EXPECT_EQ(KeyDataToShiftState(static_cast<Integer>(A->KeyUpData)), TShiftState{ssShift});
}

TEST_F(InputFixture, PeekLooksIntoThePostedMessagesByWindowAndRange)
{
    PostMessage(A, UM_PING, 1, 0);
    PostMessage(B, UM_OTHER, 2, 0);
    PostMessage(B, UM_PING, 3, 0);
    TMsg msg;
    struct Case { HWND Window; Cardinal Min, Max; bool Found; Cardinal Message; std::intptr_t WParam; };
    const Case cases[] = {
        {nullptr, 0, 0, true, UM_PING, 1},         // any window, any message: the first
        {B, 0, 0, true, UM_OTHER, 2},
        {B, UM_PING, UM_PING, true, UM_PING, 3},
        {C, 0, 0, false, 0, 0},
        {nullptr, WM_MOUSEFIRST, WM_MOUSELAST, false, 0, 0},
    };
    for (const Case& c : cases) {
        msg = {};
        EXPECT_EQ(PeekMessage(&msg, c.Window, c.Min, c.Max, PM_NOREMOVE), c.Found) << c.Min;
        if (!c.Found) continue;
        EXPECT_EQ(msg.message, c.Message);
        EXPECT_EQ(msg.wParam, c.WParam);
    }
    // taken off the queue, it never arrives
    ASSERT_TRUE(PeekMessage(&msg, B, UM_PING, UM_PING, PM_REMOVE));
    TestProcess();
    EXPECT_EQ(A->Log, "A.ping;");
    EXPECT_EQ(B->Log, "B.other;");
}

// On Enter, looks for the character that follows the key and takes it away; notes what it
// found and the characters it is given.
class TEnterSwallower : public TCustomControl {
public:
    explicit TEnterSwallower(TComponent* o) : TCustomControl(o) { SetTabStop(true); }
    std::string Seen, Typed;

protected:
    void KeyDown(Word& key, TShiftState) override
    {
        TMsg msg;
        if (key != VK_RETURN) return;
        if (PeekMessage(&msg, this, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE)) Seen += "keydown;";
        if (PeekMessage(&msg, this, WM_CHAR, WM_CHAR, PM_NOREMOVE)) Seen += "char " + std::to_string(msg.wParam) + ";";
        if (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) Seen += "taken " + std::to_string(msg.wParam) + ";";
    }
    void KeyPress(char16_t& key) override { Typed += static_cast<char>(key); }
};

// Notes every character it is given; as an edit's key handler, refuses "x".
class TCharacterLog : public TCustomControl {
public:
    explicit TCharacterLog(TComponent* o) : TCustomControl(o) { SetTabStop(true); }
    std::u16string Units;
    void RefuseX(TObject*, char16_t& key)
    {
        if (key == u'x') key = 0;
    }

protected:
    void KeyPress(char16_t& key) override { Units += key; }
};

// Text an input method commits arrives as characters, one UTF-16 unit each (a character beyond
// the first plane as its two halves); a native edit receives the characters its control let pass.
TEST_F(InputFixture, InputMethodTextArrivesAsCharacters)
{
    auto* log = new TCharacterLog(Form);
    log->SetBounds(10, 100, 50, 50);
    log->SetParent(Form);
    TestProcess();
    TestCommitInputMethodText(log, u"\u00e9t\u00e9 \U0001F30A");
    EXPECT_EQ(log->Units, std::u16string({0x00E9, u't', 0x00E9, u' ', 0xD83C, 0xDF0A}));

    auto* edit = new TEdit(Form);
    edit->SetBounds(80, 100, 80, 21);
    edit->SetParent(Form);
    edit->OnKeyPress = TKeyPressEvent(log, &TCharacterLog::RefuseX);
    TestProcess();
    edit->SetFocus();
    TestCommitInputMethodText(edit, u"\u00e9xa");
    EXPECT_EQ(edit->Text(), String(u"\u00e9a"));
}

TEST_F(InputFixture, PeekSeesTheCharactersOfTheKeyBeingHandledAndCanTakeThem)
{
    auto* s = new TEnterSwallower(Form);
    s->SetBounds(10, 100, 50, 50);
    s->SetParent(Form);
    TestProcess();
    TestPressKey(s, 'Q');
    TestPressKey(s, VK_RETURN);
    TestPressKey(s, 'W');
    EXPECT_EQ(s->Seen, "char 13;taken 13;");
    EXPECT_EQ(s->Typed, "qw");   // Enter's character never arrived
    TMsg msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_NOREMOVE));   // nothing is left held
}

class TWindowUser : public TObject {
public:
    std::string Log;
    void WndProc(TMessage& m)
    {
        Log += std::to_string(m.Msg - WM_USER) + ":" + std::to_string(m.WParam) + ";";
        m.Result = 7;
    }
    void TimerProc(TMessage& m) { Log += m.Msg == WM_TIMER ? "timer" + std::to_string(m.WParam) + ";" : "?;"; }
};

TEST(HiddenWindows, EveryMessageGoesToTheMethodUntilTheWindowIsFreed)
{
    TestInitialize();
    TWindowUser user;
    HWND w = AllocateHWnd(TWndMethod(&user, &TWindowUser::WndProc));
    EXPECT_EQ(SendMessage(w, WM_USER + 1, 5, 0), 7);
    PostMessage(w, WM_USER + 2, 6, 0);
    EXPECT_EQ(user.Log, "1:5;");
    TestProcess();
    EXPECT_EQ(user.Log, "1:5;2:6;");
    PostMessage(w, WM_USER + 3, 0, 0);
    DeallocateHWnd(w);
    TestProcess();
    EXPECT_EQ(user.Log, "1:5;2:6;");   // the message posted before it was freed is dropped

    TTestClock clock;
    HWND t = AllocateHWnd(TWndMethod(&user, &TWindowUser::TimerProc));
    user.Log.clear();
    SetTimer(t, 4, 100);
    clock.Advance(250);
    EXPECT_EQ(user.Log, "timer4;timer4;");
    KillTimer(t, 4);
    DeallocateHWnd(t);
    clock.Advance(250);
    EXPECT_EQ(user.Log, "timer4;timer4;");
}

TEST_F(InputFixture, CancelModeTakesTheCaptureFromItsHolder)
{
    CancelMode();   // nobody holds the capture: nothing is sent
    EXPECT_EQ(A->Log, "");
    TestMouseDown(B, 5, 5);
    ASSERT_EQ(GetCaptureControl(), B);
    CancelMode();
    EXPECT_EQ(B->Log, "B.cancel;");
    EXPECT_EQ(GetCaptureControl(), nullptr);
    TestMouseUp(B, 5, 5);

    // a windowless control's capture is its window's: the window hears of it and lets go
    SetCaptureControl(Mark);
    CancelMode();
    EXPECT_EQ(A->Log, "A.cancel;");
    EXPECT_EQ(GetCaptureControl(), nullptr);
}

TEST_F(InputFixture, BroadcastStopsAtTheFirstChildThatAnswers)
{
    B->Answer = 1;
    TMessage m{UM_PING, 0, 0, 0};
    Form->Broadcast(m);
    EXPECT_EQ(m.Result, 1);
    EXPECT_EQ(A->Log + B->Log + C->Log, "A.ping;B.ping;");
    TMessage other{UM_OTHER, 0, 0, 0};
    Form->Broadcast(other);
    EXPECT_EQ(C->Log, "C.other;");
}

}  // namespace

namespace {
TEST_F(InputFixture, AMessageBoxEndsThePressInProgress)
{
    TestMouseDown(C, 5, 5);
    ASSERT_EQ(GetCaptureControl(), C);
    TestAnswerNextMessageBox(mrOk);
    MessageDlg("Crest level changed.", mtInformation, {mbOK}, 0);
    EXPECT_EQ(C->Log, "C.cancel;");
    EXPECT_EQ(GetCaptureControl(), nullptr);
    TestMouseUp(C, 5, 5);
}
}  // namespace

namespace {
class TFocusProbe : public TProbe {
public:
    using TProbe::TProbe;
    std::string Focus;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_SETFOCUS || m.Msg == WM_KILLFOCUS) {
            auto* other = reinterpret_cast<TWinControl*>(m.WParam);
            Focus += std::string(m.Msg == WM_SETFOCUS ? "set from " : "kill to ") +
                     (other ? other->Name().ToUtf8() : std::string("none")) + ";";
        }
        TProbe::WndProc(m);
    }
};

TEST(FocusMessages, EachNamesTheOtherWindow)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 100);
    auto* p = new TFocusProbe(&form);
    auto* q = new TFocusProbe(&form);
    p->SetName("P");
    q->SetName("Q");
    p->SetBounds(0, 0, 50, 50);
    q->SetBounds(60, 0, 50, 50);
    p->SetParent(&form);
    q->SetParent(&form);
    form.Show();
    TestProcess();
    p->SetFocus();
    TestProcess();
    p->Focus.clear();
    q->SetFocus();
    TestProcess();
    p->SetFocus();
    TestProcess();
    EXPECT_EQ(p->Focus, "kill to Q;set from Q;");
    EXPECT_EQ(q->Focus, "set from P;kill to P;");
}
}  // namespace

TEST_F(InputFixture, TheKeyPreviewHookSeesEachKeyFirstAndMaySwallowIt)
{
    std::vector<std::pair<TWinControl*, Word>> seen;
    bool swallow = true;
    SetKeyPreviewHook([&](TWinControl* window, Word key) {
        seen.push_back({window, key});
        return swallow;
    });
    A->SetFocus();
    TestPressKey(A, 'X');
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].first, A);
    EXPECT_EQ(seen[0].second, 'X');
    EXPECT_EQ(A->KeySeen, 0) << "a swallowed key never reaches the window";
    swallow = false;
    TestPressKey(A, 'Y');
    EXPECT_NE(A->KeySeen, 0);
    SetKeyPreviewHook(nullptr);
    TestPressKey(A, 'Z');
    EXPECT_EQ(seen.size(), 2u);
}
