// The window's frame: drawing on the whole window through its window DC, hit tests of the
// client area and the frame, and the parent-background style.
#include <gtest/gtest.h>

#include "platform/classes/FormWriter.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/testing/Driver.h"

namespace {

// A white control with the 2-pixel client edge.
class TFramed : public TCustomControl {
    DECLARE_CLASS(TFramed, TCustomControl)
public:
    explicit TFramed(TComponent* AOwner) : TCustomControl(AOwner) { SetColor(clWhite); }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.ExStyle |= WS_EX_CLIENTEDGE;
    }
};
IMPLEMENT_CLASS(TFramed, TCustomControl, nullptr)

struct WindowFrame : ::testing::Test {
    TForm* Form = nullptr;
    TFramed* Framed = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 200, 120);
        Framed = new TFramed(Form);
        Framed->SetBounds(20, 10, 60, 40);
        Framed->SetParent(Form);
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

TEST_F(WindowFrame, TheWindowDCDrawsOverTheFrameAndShowsAtOnce)
{
    HDC dc = GetWindowDC(Framed);
    ASSERT_NE(dc, nullptr);
    TRect all = Rect(0, 0, Framed->Width(), Framed->Height());
    FrameRect(dc, &all, GetSysColorBrush(COLOR_HIGHLIGHT));
    EXPECT_EQ(ReleaseDC(Framed, dc), 1);
    TBitmap shot;
    TestGrab(Framed, shot);
    // the window's corner (frame) and the client's first pixel, two further in
    EXPECT_EQ(shot.Canvas().Pixel(0, 0), ColorToRGB(clHighlight));
    EXPECT_EQ(shot.Canvas().Pixel(59, 39), ColorToRGB(clHighlight));
    EXPECT_EQ(shot.Canvas().Pixel(2, 2), clWhite);
    TCustomControl windowless(nullptr);   // no window yet: no device context
    EXPECT_EQ(GetWindowDC(&windowless), nullptr);
}

TEST_F(WindowFrame, HitTestsTellClientFrameAndOutside)
{
    struct Case {
        TPoint window;   // in window coordinates
        Integer hit;
    };
    const Case cases[] = {{{30, 20}, HTCLIENT}, {{2, 2}, HTCLIENT}, {{1, 20}, HTBORDER}, {{59, 39}, HTBORDER},
                          {{60, 20}, HTNOWHERE}, {{-1, 5}, HTNOWHERE}};
    const TPoint origin = Framed->ClientToScreen(Point(-2, -2));
    for (const Case& c : cases) {
        const std::intptr_t at = MakeLParam(origin.X + c.window.X, origin.Y + c.window.Y);
        EXPECT_EQ(Framed->Perform(WM_NCHITTEST, 0, at), c.hit) << c.window.X << "," << c.window.Y;
    }
}

TEST_F(WindowFrame, ParentBackgroundIsAControlStyle)
{
    EXPECT_FALSE(Framed->ParentBackground());
    Framed->SetParentBackground(true);
    EXPECT_TRUE(Framed->ControlStyle().Contains(csParentBackground));
    Framed->SetParentBackground(false);
    EXPECT_FALSE(Framed->ControlStyle().Contains(csParentBackground));
}

TEST_F(WindowFrame, Ctl3DChangesAreToldToTheControlAndItsChildren)
{
    struct TLogged : TFramed {
        using TFramed::TFramed;
        std::string Log;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == CM_CTL3DCHANGED) Log += Name().ToUtf8() + ":ctl3d;";
            if (m.Msg == CM_PARENTCTL3DCHANGED) Log += Name().ToUtf8() + ":parent;";
            TFramed::WndProc(m);
        }
    };
    auto* outer = new TLogged(Form);
    outer->SetName("Outer");
    outer->SetParent(Form);
    auto* inner = new TLogged(Form);
    inner->SetName("Inner");
    inner->SetParent(outer);
    EXPECT_EQ(inner->Log, "Inner:parent;");   // placed: it looks at its parent's look
    inner->Log.clear();
    outer->Log.clear();
    EXPECT_TRUE(outer->Ctl3D());
    outer->SetCtl3D(true);   // unchanged
    outer->SetCtl3D(false);
    EXPECT_EQ(outer->Log, "Outer:ctl3d;");
    // the child follows its parent's flat look and keeps following it
    EXPECT_EQ(inner->Log, "Inner:parent;Inner:ctl3d;");
    EXPECT_FALSE(inner->Ctl3D());
    EXPECT_TRUE(inner->ParentCtl3D());
    EXPECT_FALSE(outer->ParentCtl3D());
}

TEST_F(WindowFrame, AControlWithItsOwnCtl3DNoLongerFollowsItsParent)
{
    auto* outer = new TFramed(Form);
    outer->SetParent(Form);
    auto* own = new TFramed(Form);
    own->SetParent(outer);
    own->SetCtl3D(true);   // its own choice, even though equal to the parent's
    EXPECT_FALSE(own->ParentCtl3D());
    outer->SetCtl3D(false);
    EXPECT_TRUE(own->Ctl3D());
    own->SetParentCtl3D(true);   // follows again, at once
    EXPECT_FALSE(own->Ctl3D());
    // moved to a parent with the 3-D look, it takes that one
    own->SetParent(Form);
    EXPECT_TRUE(own->Ctl3D());
}

TEST_F(WindowFrame, Ctl3DIsWrittenOnlyForAControlThatDoesNotFollowItsParent)
{
    Framed->SetName("Framed");
    auto* flat = new TFramed(Form);
    flat->SetName("Flat");
    flat->SetParent(Form);
    flat->SetCtl3D(false);
    const std::string text = WriteComponentText(Form).ToUtf8();
    const std::string flatPart = text.substr(text.find("object Flat"));
    const std::string framedPart = text.substr(text.find("object Framed"), text.find("object Flat") - text.find("object Framed"));
    EXPECT_NE(flatPart.find("Ctl3D = False"), std::string::npos) << text;
    EXPECT_NE(flatPart.find("ParentCtl3D = False"), std::string::npos) << text;
    EXPECT_EQ(framedPart.find("Ctl3D"), std::string::npos) << text;
}

TEST_F(WindowFrame, AMovedWindowHearsOfItsClientAreasNewPlace)
{
    struct TMoved : TFramed {
        using TFramed::TFramed;
        std::vector<std::pair<Integer, Integer>> Moves;
        void WndProc(TMessage& m) override
        {
            if (m.Msg == WM_MOVE) Moves.push_back({LoSmall(m.LParam), HiSmall(m.LParam)});
            TFramed::WndProc(m);
        }
    };
    auto* w = new TMoved(Form);
    w->SetBounds(5, 5, 40, 30);
    w->SetParent(Form);
    TestProcess();
    w->Moves.clear();
    w->SetBounds(5, 5, 50, 30);    // resized only
    EXPECT_TRUE(w->Moves.empty());
    w->SetBounds(12, 20, 50, 30);  // the client area lies 2 pixels inside the edge
    ASSERT_EQ(w->Moves.size(), 1u);
    EXPECT_EQ(w->Moves[0], (std::pair<Integer, Integer>{14, 22}));
}
