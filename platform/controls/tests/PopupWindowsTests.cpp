// Shaped windows and windows shown without taking the activation, on the real back end.
#include <gtest/gtest.h>

#include "platform/services/ShellApi.h"
#include "platform/testing/Driver.h"

namespace {

TEST(ShapedWindows, TheWindowKeepsItsRegionUntilGivenAnother)
{
    TestInitialize();
    TForm balloon(nullptr);
    balloon.SetBounds(100, 100, 120, 60);
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(&balloon, probe), ERROR);   // a plain rectangle: no region

    ASSERT_EQ(SetWindowRgn(&balloon, CreateRoundRectRgn(0, 0, 120, 60, 20, 20), true), 1);
    EXPECT_EQ(GetWindowRgn(&balloon, probe), COMPLEXREGION);
    EXPECT_FALSE(PtInRegion(probe, 0, 0));     // the corner is cut away
    EXPECT_TRUE(PtInRegion(probe, 60, 30));
    balloon.Show();
    TestProcess();
    balloon.RecreateWnd();   // a new window takes the shape again
    TestProcess();
    EXPECT_EQ(GetWindowRgn(&balloon, probe), COMPLEXREGION);

    SetWindowRgn(&balloon, nullptr, true);
    EXPECT_EQ(GetWindowRgn(&balloon, probe), ERROR);
    EXPECT_EQ(SetWindowRgn(nullptr, CreateRectRgn(0, 0, 4, 4), false), 0);   // no window: the region is freed
    DeleteObject(probe);
}

TEST(InactiveWindows, APopUpShownWithoutActivationLeavesTheActiveFormActive)
{
    TestInitialize();
    TForm main(nullptr), balloon(nullptr), dialog(nullptr);
    main.SetName("Main");
    main.SetBounds(0, 0, 300, 200);
    balloon.SetBounds(50, 50, 100, 40);
    dialog.SetBounds(80, 80, 100, 40);
    main.Show();
    TestProcess();
    ASSERT_EQ(Screen->ActiveForm(), &main);

    ShowWindow(&balloon, SW_SHOWNOACTIVATE);
    TestProcess();
    EXPECT_TRUE(balloon.Visible());
    EXPECT_EQ(Screen->ActiveForm(), &main);
    EXPECT_TRUE(WindowSystem().IsActive(main.WindowHandle()));

    SetWindowPos(&balloon, HWND_TOPMOST, 60, 70, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    TestProcess();
    EXPECT_EQ(balloon.BoundsRect(), Bounds(60, 70, 100, 40));
    EXPECT_EQ(Screen->ActiveForm(), &main);

    ShowWindow(&dialog, SW_SHOW);   // an ordinary show takes the activation
    TestProcess();
    EXPECT_EQ(Screen->ActiveForm(), &dialog);
    ShowWindow(&balloon, SW_HIDE);
    EXPECT_FALSE(balloon.Visible());
}

}  // namespace

namespace {

TEST(InactiveWindows, AScreenshotShowsThePopUpsOverTheWindow)
{
    TestInitialize();
    TForm main(nullptr), balloon(nullptr);
    main.SetBounds(0, 0, 200, 150);
    main.SetColor(clWhite);
    balloon.SetBounds(0, 0, 40, 30);
    balloon.SetColor(clRed);
    balloon.SetBorderStyle(bsNone);
    main.Show();
    TestProcess();
    const TPoint client = main.ClientToScreen(TPoint{0, 0});
    SetWindowPos(&balloon, HWND_TOPMOST, client.X + 50, client.Y + 60, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    TestProcess();
    TBitmap picture;
    TestGrabWithPopups(&main, {&balloon}, picture);
    const Integer top = picture.Height() - main.ClientHeight();
    EXPECT_EQ(picture.Canvas().Pixel(70, top + 70), clRed);    // inside the pop-up
    EXPECT_EQ(picture.Canvas().Pixel(30, top + 70), clWhite);  // beside it
    EXPECT_EQ(picture.Canvas().Pixel(70, top + 95), clWhite);  // below it
}

}  // namespace

namespace {

// A control filled with one colour.
class TSwatch : public TCustomControl {
public:
    TSwatch(TComponent* owner, TColor color) : TCustomControl(owner) { SetColor(color); }
};

// A shaped child whose region reaches past its rectangle shows nothing there: the sibling beneath
// keeps its own picture.
TEST(ShapedWindows, ARegionBeyondTheWindowShowsNothingOutsideIt)
{
    TestInitialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    auto* below = new TSwatch(&form, clLime);
    below->SetBounds(10, 40, 100, 40);
    below->SetParent(&form);
    auto* shaped = new TSwatch(&form, clRed);
    shaped->SetBounds(10, 10, 100, 30);
    shaped->SetParent(&form);
    form.Show();
    TestProcess();
    SetWindowRgn(shaped, CreateRectRgn(0, 10, 100, 60), true);   // 30 rows inside, 20 below
    TestProcess();
    EXPECT_EQ(TestPixel(&form, 50, 15), ColorToRGB(clBtnFace));   // cut away above the region
    EXPECT_EQ(TestPixel(&form, 50, 30), TColor(clRed));
    EXPECT_EQ(TestPixel(&form, 50, 50), TColor(clLime));           // the sibling, not the region
    shaped->SetHeight(45);   // a taller window shows the region's rows that now fall inside it
    TestProcess();
    EXPECT_EQ(TestPixel(&form, 50, 50), TColor(clRed));
}

}  // namespace
