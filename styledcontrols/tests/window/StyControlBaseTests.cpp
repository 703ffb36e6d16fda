// The windowed styled control base on a shown form: defaults, theme and transparency, the
// focus follow-ups, background changes passed to children, and moving and sizing hits.
#include <gtest/gtest.h>

#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomControl.h"
#include "styledcontrols/StyCustomSimpleLabel.h"

namespace {

// A styled control that writes the messages and events of interest into a shared log.
class TLoggedControl : public TStyCustomControl {
    DECLARE_CLASS(TLoggedControl, TStyCustomControl)
public:
    TLoggedControl(TComponent* AOwner, std::string* Log) : TStyCustomControl(AOwner), FLog(Log) {}
    Integer Windows = 0;   // windows made for it
    void WndProc(TMessage& m) override
    {
        const std::string me = Name().ToUtf8();
        switch (m.Msg) {
        case WM_SETFOCUS: *FLog += me + ":setfocus;"; break;
        case WM_KILLFOCUS: *FLog += me + ":killfocus;"; break;
        case UM_OPAQUECHANGED: *FLog += me + ":opaque;"; break;
        case UM_PARENTBACKCHANGED: *FLog += me + ":parentback;"; break;
        default: break;
        }
        TStyCustomControl::WndProc(m);
    }

protected:
    void CreateWnd() override
    {
        ++Windows;
        TStyCustomControl::CreateWnd();
    }

private:
    std::string* FLog;
};
IMPLEMENT_CLASS(TLoggedControl, TStyCustomControl, nullptr)

// A form's background provider: a component (not a control) offering a bitmap.
class TBackProvider : public TComponent, public IStyBackground {
    DECLARE_CLASS(TBackProvider, TComponent)
public:
    explicit TBackProvider(TComponent* AOwner) : TComponent(AOwner), Bitmap(40, 40) {}
    TBitmap Bitmap;
    TBitmap* BackBitmap() override { return &Bitmap; }
    bool BackBitmapCheck() override { return true; }
    bool BackDrawArea(TCanvas&, const TRect&, TPoint, Word) override { return false; }
    bool isTransparentSet() override { return false; }
    TPoint BackMapPoint(TPoint P) override { return P; }
    Cardinal BackBitmapPalette() override { return 0; }
    void BackUpdate() override {}
    TControl* BackControl(Integer) override { return nullptr; }
    Integer BackControlCount() override { return 0; }
    bool GetInterface(const TGUID& iid, void** obj) override
    {
        if (iid == IStyBackground::IID) return ProvideInterface<IStyBackground>(this, obj);
        return TComponent::GetInterface(iid, obj);
    }
};
IMPLEMENT_CLASS(TBackProvider, TComponent, nullptr)

struct StyControlBase : ::testing::Test, TObject {
    std::string Log;
    TForm* Form = nullptr;
    TLoggedControl* A = nullptr;
    TLoggedControl* B = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        A = Make("A", 10);
        B = Make("B", 150);
        Form->Show();
        TestProcess();
        Log.clear();
    }
    TLoggedControl* Make(const char* name, Integer left)
    {
        auto* c = new TLoggedControl(Form, &Log);
        c->SetName(name);
        c->SetLeft(left);
        c->SetTop(10);
        c->SetTabStop(true);
        c->SetParent(Form);
        c->OnEnter = TNotifyEvent(this, &StyControlBase::Note);
        c->OnExit = TNotifyEvent(this, &StyControlBase::Note);
        c->OnAfterEnter = TNotifyEvent(this, &StyControlBase::After);
        c->OnAfterExit = TNotifyEvent(this, &StyControlBase::After);
        return c;
    }
    void Note(TObject* s) { Log += static_cast<TComponent*>(s)->Name().ToUtf8() + (static_cast<TWinControl*>(s)->Focused() ? ":enter;" : ":exit;"); }
    void After(TObject* s) { Log += static_cast<TComponent*>(s)->Name().ToUtf8() + ":after;"; }
    void Left(TObject* s) { Log += static_cast<TComponent*>(s)->Name().ToUtf8() + ":left;"; }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
};

}  // namespace

TEST_F(StyControlBase, ANewControlAndItsThemeSettings)
{
    TStyCustomControl c(nullptr);
    EXPECT_EQ(c.Width(), 100);
    EXPECT_EQ(c.Height(), 40);
    EXPECT_EQ(c.Color(), clBtnFace);
    EXPECT_FALSE(c.TabStop());
    EXPECT_EQ(c.ThemeMode(), ttmPlatform);
    EXPECT_TRUE(c.ParentThemeMode());
    EXPECT_TRUE(c.CtlXP());
    EXPECT_FALSE(c.IsThemed());   // the platform reports no visual styles
    EXPECT_TRUE(c.ControlStyle().Contains(csParentBackground));
    c.SetCtlXP(false);
    EXPECT_EQ(c.ThemeMode(), ttmNone);
    EXPECT_FALSE(c.CtlXP());
    c.SetImageIndex(-1);
    EXPECT_EQ(c.ImageIndex(), 0);
    c.SetListIndex(2);
    EXPECT_EQ(c.ListIndex(), 2);
    EXPECT_TRUE(c.IMLEmpty());
}

TEST_F(StyControlBase, TransparencyRecreatesTheWindowOnce)
{
    const Integer before = A->Windows;
    EXPECT_TRUE(A->ControlStyle().Contains(csOpaque));
    A->SetTransparent(true);
    EXPECT_FALSE(A->ControlStyle().Contains(csOpaque));
    EXPECT_EQ(A->Windows, before + 1);
    A->SetTransparent(true);
    EXPECT_EQ(A->Windows, before + 1);
    EXPECT_EQ(Log, "A:opaque;");
}

// Focus moves from A to B: the window focus messages, the form's exit and enter, then, through
// the message loop, the posted follow-ups in the same order.
TEST_F(StyControlBase, FocusFollowUpsArriveAfterTheFocusMessages)
{
    A->SetFocus();
    TestProcess();
    Log.clear();
    B->SetFocus();
    const std::string immediate = Log;
    TestProcess();
    EXPECT_EQ(immediate, "A:killfocus;B:setfocus;A:exit;B:enter;");
    EXPECT_EQ(Log, immediate + "A:after;B:after;");
}

TEST_F(StyControlBase, BackgroundChangesReachTheChildrenOnlyOfATransparentControl)
{
    new TBackProvider(Form);
    auto* child = new TLoggedControl(Form, &Log);
    child->SetName("Child");
    child->SetParent(A);
    Log.clear();
    A->Perform(UM_BACKCHANGED);
    EXPECT_EQ(Log, "");   // opaque: it paints its own background
    A->SetTransparent(true);
    EXPECT_TRUE(A->UsesParentBack());
    Log.clear();
    A->Perform(UM_BACKCHANGED);
    EXPECT_EQ(Log, "Child:parentback;");
}

TEST(StyControlBaseHits, BorderHitTestOfEachSide)
{
    struct Case {
        TPoint p;
        Integer hit;
    };
    // width 4 on 100 x 40: the inner rectangle is (4, 4, 96, 36)
    const Case cases[] = {{{2, 20}, HTLEFT},       {{98, 38}, HTBOTTOMRIGHT}, {{50, 20}, 0},
                          {{98, 20}, HTRIGHT},     {{50, 2}, HTTOP},          {{2, 2}, HTTOPLEFT},
                          {{98, 2}, HTTOPRIGHT},   {{2, 38}, HTBOTTOMLEFT},   {{50, 38}, HTBOTTOM},
                          {{96, 36}, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(BorderHitTest(c.p, Rect(0, 0, 100, 40), 4), c.hit) << c.p.X << "," << c.p.Y;
}

TEST_F(StyControlBase, SizingAndMovingHitsUnlessLocked)
{
    auto hit = [&](Integer x, Integer y) {
        const TPoint s = A->ClientToScreen(Point(x, y));
        return A->Perform(WM_NCHITTEST, 0, MakeLParam(s.X, s.Y));
    };
    EXPECT_EQ(hit(2, 20), HTCLIENT);
    A->SetAllowSize(true);
    A->SetAllowMove(true);
    EXPECT_EQ(hit(2, 20), HTLEFT);
    EXPECT_EQ(hit(50, 20), HTCAPTION);
    A->SetLocked(true);
    EXPECT_EQ(hit(2, 20), HTCLIENT);
    EXPECT_EQ(hit(50, 20), HTCLIENT);
}

// A flat control's frame is two rings of the button face on the window; entering it draws the
// normal sunken border instead (its outer edge in the shadow colour).
TEST_F(StyControlBase, FlatAndNormalBordersOnTheWindow)
{
    ASSERT_FALSE(B->Focused());   // the form gave A the focus
    B->SetColor(clWhite);
    B->SetFlat(true);
    B->Invalidate();
    TestProcess();
    EXPECT_EQ(TestPixel(B, 0, 0), ColorToRGB(clBtnFace));
    EXPECT_EQ(TestPixel(B, 1, 1), ColorToRGB(clBtnFace));
    EXPECT_EQ(TestPixel(B, 2, 2), clWhite);
    B->SetFocus();
    TestProcess();
    EXPECT_EQ(TestPixel(B, 0, 0), ColorToRGB(clBtnShadow));
}

// A move the user starts on the move area (the caption hit) ends with OnMove once the window
// has moved; a move by the program alone does not report one.
TEST_F(StyControlBase, AUserMoveReportsOnMove)
{
    struct TMoves : TObject {
        int Count = 0;
        void Moved(TObject*) { ++Count; }
    } moves;
    B->OnMove = TNotifyEvent(&moves, &TMoves::Moved);
    B->SetLeft(160);
    EXPECT_EQ(moves.Count, 0);
    B->SetAllowMove(true);
    const TPoint s = B->ClientToScreen(Point(50, 20));
    EXPECT_EQ(B->Perform(WM_NCHITTEST, 0, MakeLParam(s.X, s.Y)), HTCAPTION);
    B->SetLeft(170);
    EXPECT_EQ(moves.Count, 1);
    B->SetLeft(180);
    EXPECT_EQ(moves.Count, 1);
}

// The mouse leaving a windowed control fires its exit event; a windowless one fires it only
// while it is enabled.
TEST_F(StyControlBase, TheMouseLeavingFiresTheExitEvent)
{
    auto* label = new TStyCustomSimpleLabel(Form);
    label->SetName("L");
    label->SetParent(Form);
    for (TControl* c : {static_cast<TControl*>(A), static_cast<TControl*>(label)}) {
        if (c == A) A->OnMouseExit = TNotifyEvent(this, &StyControlBase::Left);
        else label->OnMouseExit = TNotifyEvent(this, &StyControlBase::Left);
        c->Perform(CM_MOUSELEAVE);
        c->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<std::intptr_t>(B));   // a child's leave
    }
    EXPECT_EQ(Log, "A:left;L:left;");
    label->SetEnabled(false);
    label->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(Log, "A:left;L:left;");
}
