#include <gtest/gtest.h>

#include "platform/backend/qt/QtServices.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/DesktopSettings.h"
#include "platform/services/ServicesBackend.h"
#include "platform/services/Sound.h"
#include "platform/services/SysInfo.h"

TEST(SysInfo, AWindows10WorkstationWithoutThemes)
{
    TOSVersionInfoEx info;
    info.dwMajorVersion = 0;
    ASSERT_TRUE(GetVersionEx(info));
    EXPECT_EQ(info.dwMajorVersion, 10u);
    EXPECT_EQ(info.dwMinorVersion, 0u);
    EXPECT_EQ(info.dwPlatformId, Cardinal(VER_PLATFORM_WIN32_NT));
    EXPECT_EQ(info.wProductType, VER_NT_WORKSTATION);
    EXPECT_EQ(Win32Platform(), 2);
    struct Case { Integer major, minor; bool atLeast; };
    for (Case c : {Case{5, 1, true}, Case{6, 2, true}, Case{10, 0, true}, Case{10, 1, false}, Case{11, 0, false}})
        EXPECT_EQ(CheckWin32Version(c.major, c.minor), c.atLeast) << c.major << "." << c.minor;
    EXPECT_FALSE(IsThemeActive());
    EXPECT_FALSE(IsAppThemed());
    EXPECT_FALSE(ThemeServicesAvailable());
}

TEST(SysInfo, ClassicMetrics)
{
    struct Case { Integer index, value; };
    for (Case c : {Case{SM_CXVSCROLL, 17}, Case{SM_CYHSCROLL, 17}, Case{SM_CXHSCROLL, 17}, Case{SM_CYVSCROLL, 17},
                   Case{SM_CXBORDER, 1}, Case{SM_CXEDGE, 2}, Case{SM_CXDOUBLECLK, 4}, Case{SM_CYDOUBLECLK, 4},
                   Case{SM_CXDRAG, 4}, Case{SM_CXSMICON, 16}, Case{SM_CXICON, 32}, Case{SM_SWAPBUTTON, 0},
                   Case{SM_REMOTESESSION, 0}, Case{SM_CMONITORS, 1}, Case{9999, 0}})
        EXPECT_EQ(GetSystemMetrics(c.index), c.value) << c.index;
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    struct Parameter { Cardinal action; Integer value; };
    for (Parameter p : {Parameter{SPI_GETFONTSMOOTHING, 0}, Parameter{SPI_GETSCREENSAVETIMEOUT, 0},
                        Parameter{SPI_GETSCREENSAVEACTIVE, 0}, Parameter{SPI_GETSNAPTODEFBUTTON, 0},
                        Parameter{SPI_GETBEEP, 1}, Parameter{SPI_GETDRAGFULLWINDOWS, 1},
                        Parameter{SPI_GETKEYBOARDDELAY, 2}, Parameter{SPI_GETKEYBOARDSPEED, 26}}) {
        Integer value = -1;
        EXPECT_TRUE(SystemParametersInfo(p.action, 0, &value)) << p.action;
        EXPECT_EQ(value, p.value) << p.action;
    }
    ANIMATIONINFO animation;
    animation.iMinAnimate = 1;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETANIMATION, sizeof animation, &animation));
    EXPECT_EQ(animation.iMinAnimate, 0);
    Integer untouched = 7;
    EXPECT_FALSE(SystemParametersInfo(0x0017, 0, &untouched));   // the keyboard delay's writer
    EXPECT_EQ(untouched, 7);
}

TEST(SysInfo, ScreenFactsComeFromTheToolkit)
{
    InitQtServices();
    TRect screen = ServicesBackend().ScreenRect();
    ASSERT_GT(screen.Width(), 0);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), screen.Width());
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), screen.Height());
    TRect work;
    EXPECT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work));
    EXPECT_EQ(work, ServicesBackend().WorkArea());
}

TEST(Sound, NoDeviceAndNothingPlays)
{
    static const Byte wave[] = {'R', 'I', 'F', 'F', 0, 0, 0, 0};
    EXPECT_EQ(waveOutGetNumDevs(), 0u);
    EXPECT_FALSE(sndPlaySound(wave, SND_MEMORY | SND_NODEFAULT | SND_ASYNC));
    EXPECT_TRUE(sndPlaySound(nullptr, SND_MEMORY));
}

namespace {
// A back end that only counts the bells.
class TBell : public TServicesBackend {
public:
    int Rings = 0;
    void ShowHelpPage(const String&) override {}
    void CloseHelp() override {}
    String HelpPage() override { return String(); }
    TRect ScreenRect() override { return {}; }
    TRect WorkArea() override { return {}; }
    void Beep() override { ++Rings; }
    void AcceptDroppedFiles(TWindowHandle*, bool) override {}
    void DropFiles(TWindowHandle*, const std::vector<String>&, TPoint) override {}
};
}  // namespace

TEST(Sound, MessageBeepRingsTheDesktopsBell)
{
    TServicesBackend* saved = ServicesBackendRegistered() ? &ServicesBackend() : nullptr;
    TBell bell;
    RegisterServicesBackend(&bell);
    EXPECT_TRUE(MessageBeep(0x30));
    EXPECT_TRUE(MessageBeep(0xFFFFFFFF));
    EXPECT_EQ(bell.Rings, 2);
    RegisterServicesBackend(nullptr);
    EXPECT_TRUE(MessageBeep(0));   // no back end: silent
    RegisterServicesBackend(saved);
}

namespace {
// A desktop of a user who likes it fast.
struct TFastDesktop : TDesktopSettingsSource {
    TDesktopSettings Read() override { return {250, 200, 0, 31, 7}; }
};
}  // namespace

TEST(SysInfo, MouseCaretKeyboardAndWheelFollowTheDesktopsSettings)
{
    TFastDesktop fast;
    RegisterDesktopSettings(&fast);
    EXPECT_EQ(GetDoubleClickTime(), 250u);
    EXPECT_EQ(GetCaretBlinkTime(), 200u);
    struct Parameter { Cardinal action; Integer value; };
    for (Parameter p : {Parameter{SPI_GETKEYBOARDDELAY, 0}, Parameter{SPI_GETKEYBOARDSPEED, 31},
                        Parameter{SPI_GETWHEELSCROLLLINES, 7}}) {
        Integer value = -1;
        EXPECT_TRUE(SystemParametersInfo(p.action, 0, &value)) << p.action;
        EXPECT_EQ(value, p.value) << p.action;
    }
    RegisterDesktopSettings(nullptr);   // the classic desktop again
    EXPECT_EQ(GetDoubleClickTime(), 500u);
    EXPECT_EQ(GetCaretBlinkTime(), 530u);
}

TEST(SysInfo, KeyboardRepeatGoesOntoTheSettingsScales)
{
    // delay: 250 ms a step from 250 ms; speed: 31 steps from 2.5 to 30 characters a second
    struct Case { Integer ms, delay; double rate; Integer speed; };
    for (Case c : {Case{0, 0, 0.0, 0}, Case{250, 0, 2.5, 0}, Case{500, 1, 16.25, 16}, Case{660, 2, 25.0, 25},
                   Case{1000, 3, 30.0, 31}, Case{5000, 3, 99.0, 31}}) {
        EXPECT_EQ(KeyboardDelayStep(c.ms), c.delay) << c.ms;
        EXPECT_EQ(KeyboardSpeedStep(c.rate), c.speed) << c.rate;
    }
}
