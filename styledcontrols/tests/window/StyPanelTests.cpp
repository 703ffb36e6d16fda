// Panels on a shown form: the bevel's mode and the window, the client edge, exact pixels of a
// framed panel with its size grip, and transparent panels over a patterned background.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/graphics/Codecs.h"
#include "platform/graphics/GdiApi.h"
#include "platform/testing/Driver.h"
#include "styledcontrols/StyCustomPanel.h"

namespace {

class TCountedPanel : public TStyCustomBevelPanel {
    DECLARE_CLASS(TCountedPanel, TStyCustomBevelPanel)
public:
    using TStyCustomBevelPanel::TStyCustomBevelPanel;
    Integer Windows = 0;

protected:
    void CreateWnd() override
    {
        ++Windows;
        TStyCustomBevelPanel::CreateWnd();
    }
};
IMPLEMENT_CLASS(TCountedPanel, TStyCustomBevelPanel, nullptr)

// The form's background: a 4 x 4 checkerboard of red and blue cells.
class TPatternProvider : public TComponent, public IStyBackground {
    DECLARE_CLASS(TPatternProvider, TComponent)
public:
    explicit TPatternProvider(TComponent* AOwner) : TComponent(AOwner), Bitmap(300, 200)
    {
        for (Integer y = 0; y < 200; ++y)
            for (Integer x = 0; x < 300; ++x) Bitmap.Canvas().SetPixel(x, y, ((x / 4 + y / 4) % 2) ? clRed : clBlue);
    }
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
IMPLEMENT_CLASS(TPatternProvider, TComponent, nullptr)

struct StyPanels : ::testing::Test {
    TForm* Form = nullptr;
    void SetUp() override
    {
        TestInitialize();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
        Form->Show();
        TestProcess();
    }
    void TearDown() override
    {
        delete Form;
        TestProcess();
    }
    TCountedPanel* Panel(TRect bounds)
    {
        auto* p = new TCountedPanel(Form);
        p->SetBoundsRect(bounds);
        p->SetParent(Form);
        TestProcess();
        return p;
    }
};

std::filesystem::path SourcePicture(const char* name)
{
    const char* data = std::getenv("DORVANE_TEST_DATA");
    return std::filesystem::path(data ? data : ".") / "tests" / "pictures" / name;
}

// The number of pixels that differ from the stored picture; DORVANE_UPDATE_PICTURES=1 stores
// the shot instead.  A difference writes the shot beside the screenshots.
int DifferingPixels(TBitmap& shot, const char* name)
{
    const std::filesystem::path file = SourcePicture(name);
    if (std::getenv("DORVANE_UPDATE_PICTURES")) {
        TPngImage png;
        png.Image().Assign(&shot);
        png.SaveToFile(String(file.string()));
        return 0;
    }
    TPngImage stored;
    stored.LoadFromFile(String(file.string()));
    TBitmap& ref = stored.Image();
    if (ref.Width() != shot.Width() || ref.Height() != shot.Height()) return -1;
    int differing = 0;
    for (Integer y = 0; y < ref.Height(); ++y)
        for (Integer x = 0; x < ref.Width(); ++x)
            if ((ColorToRGB(ref.Canvas().Pixel(x, y)) & 0xFFFFFF) != (ColorToRGB(shot.Canvas().Pixel(x, y)) & 0xFFFFFF))
                ++differing;
    if (differing) {
        const char* shots = std::getenv("DORVANE_SCREENSHOTS");
        TPngImage actual;
        actual.Image().Assign(&shot);
        actual.SaveToFile(String((std::filesystem::path(shots ? shots : "/tmp") / (std::string(name) + ".actual.png")).string()));
    }
    return differing;
}

}  // namespace

TEST_F(StyPanels, AModeChangeMakesTheWindowAnewUnlessNoHandleUpdate)
{
    TCountedPanel* p = Panel(Rect(10, 10, 110, 60));
    const Integer before = p->Windows;
    p->Bevel()->SetStyleOuter(bvRaised);   // the same mode: realigned only
    EXPECT_EQ(p->Windows, before);
    p->Bevel()->SetMode(bmStandard);
    EXPECT_EQ(p->Windows, before + 1);
    p->SetNoHandleUpdate(true);
    p->Bevel()->SetMode(bmEdge);
    EXPECT_EQ(p->Windows, before + 1);
}

TEST_F(StyPanels, TheWindowsModeUsesTheClientEdgeOrABorder)
{
    TCountedPanel* p = Panel(Rect(10, 10, 110, 60));
    p->Bevel()->SetMode(bmWindows);
    EXPECT_EQ(p->BorderWidthNC(), 2);   // the client edge
    EXPECT_EQ(p->ClientRect(), Rect(0, 0, 96, 46));
    EXPECT_EQ(p->Bevel()->BevelExtend(), 0);   // the window draws it
    p->SetCtl3D(false);
    EXPECT_EQ(p->BorderWidthNC(), 1);   // a plain border
}

TEST_F(StyPanels, AFramedPanelWithItsSizeGripIsExact)
{
    TCountedPanel* p = Panel(Rect(10, 10, 70, 50));
    p->SetColor(clWhite);
    p->Bevel()->SetStyleOuter(bvRaised);
    p->Bevel()->SetBorderWidth(2);
    p->Bevel()->SetStyleInner(bvLowered);
    p->SetShowGrip(true);
    TestProcess();
    TBitmap shot;
    TestGrab(p, shot);
    EXPECT_EQ(DifferingPixels(shot, "bevel-panel.png"), 0);
    // the outer bevel's corners, and the grip's lines in the bottom right
    EXPECT_EQ(TestPixel(p, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(TestPixel(p, 59, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(p->Bevel()->BevelExtend(), 4);
    // across row 10: the raised outer bevel, the 2-pixel border ring, the lowered inner bevel and
    // the white client area (W white, the highlight colour; F face; S shadow)
    ASSERT_EQ(ColorToRGB(clBtnHighlight), clWhite);
    std::string row;
    for (Integer x = 0; x < 60; ++x) {
        const TColor c = TestPixel(p, x, 10);
        row += c == clWhite ? 'W' : c == ColorToRGB(clBtnFace) ? 'F' : c == ColorToRGB(clBtnShadow) ? 'S' : '?';
    }
    EXPECT_EQ(row, "WFFS" + std::string(52, 'W') + "WFFS");
    // the grip: the platform's size grip in the 17 x 17 scroll-bar square at the bevel's inner corner
    TBitmap grip(17, 17);
    TRect square = Rect(0, 0, 17, 17);
    DrawFrameControl(grip.Canvas().Handle(), &square, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
    for (Integer y = 0; y < 17; ++y)
        for (Integer x = 0; x < 17; ++x)
            ASSERT_EQ(TestPixel(p, 39 + x, 19 + y), ColorToRGB(grip.Canvas().Pixel(x, y))) << x << "," << y;
    EXPECT_EQ(TestPixel(p, 38, 30), clWhite);
    EXPECT_EQ(TestPixel(p, 50, 18), clWhite);
}

TEST_F(StyPanels, ATransparentPanelShowsTheParentsPixels)
{
    new TPatternProvider(Form);
    struct Case {
        bool invert, forward;
        TColor at00, at40;   // the panel's (0, 0) lies on a blue cell, (4, 0) on a red one
    };
    // the panel at (8, 8): background cell (2, 2) is blue, (3, 2) red
    const Case cases[] = {{false, false, clBlue, clRed}, {true, false, clYellow, clAqua}, {true, true, clBlue, clRed}};
    for (const Case& c : cases) {
        TCountedPanel* p = Panel(Rect(8, 8, 48, 28));
        p->SetTransparent(true);
        p->BackFX()->SetInvert(c.invert);
        p->SetFwdBackFX(c.forward);
        p->Invalidate();
        TestProcess();
        EXPECT_EQ(TestPixel(p, 0, 0), c.at00) << c.invert << c.forward;
        EXPECT_EQ(TestPixel(p, 4, 0), c.at40) << c.invert << c.forward;
        delete p;
    }
}

TEST_F(StyPanels, AtDesignTimeAFramelessPanelShowsTheDashedFrame)
{
    TCountedPanel* p = Panel(Rect(10, 10, 70, 50));
    p->SetColor(clWhite);
    p->SetDesigning(true);
    p->Invalidate();
    TestProcess();
    EXPECT_EQ(TestPixel(p, 0, 0), ColorToRGB(clBtnShadow));
    p->Bevel()->SetStyleOuter(bvLowered);   // a frame of its own: no design frame
    TestProcess();
    EXPECT_EQ(TestPixel(p, 0, 0), ColorToRGB(clBtnShadow));   // the lowered bevel's shadow
    EXPECT_EQ(TestPixel(p, 59, 39), ColorToRGB(clBtnHighlight));
}
