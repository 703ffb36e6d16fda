#pragma once
// Facts about the system that the controls ask for.  The program's drawing and layout code was
// written for a Windows desktop; here it is told it runs on a Windows 10 workstation without
// visual styles, so the classic (non-themed) drawing runs, with the classic sizes of the parts of
// windows at 96 dots per inch.  The screen comes from the toolkit back end.
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

enum : Cardinal { VER_PLATFORM_WIN32s = 0, VER_PLATFORM_WIN32_WINDOWS = 1, VER_PLATFORM_WIN32_NT = 2 };
enum : Byte { VER_NT_WORKSTATION = 1, VER_NT_DOMAIN_CONTROLLER = 2, VER_NT_SERVER = 3 };

struct TOSVersionInfoEx {
    Cardinal dwMajorVersion = 10;
    Cardinal dwMinorVersion = 0;
    Cardinal dwBuildNumber = 19045;
    Cardinal dwPlatformId = VER_PLATFORM_WIN32_NT;
    String szCSDVersion;                  // no service pack
    Word wServicePackMajor = 0;
    Word wServicePackMinor = 0;
    Word wSuiteMask = 0x0100;             // single user
    Byte wProductType = VER_NT_WORKSTATION;
};

// Always succeeds with the fixed answer above.
bool GetVersionEx(TOSVersionInfoEx& info);
Integer Win32Platform();
Integer Win32MajorVersion();
Integer Win32MinorVersion();
Integer Win32BuildNumber();
// True when the system is at least major.minor.
bool CheckWin32Version(Integer major, Integer minor = 0);

// Visual styles are not available: no theme is active, no program is themed.
bool IsThemeActive();
bool IsAppThemed();
bool ThemeServicesAvailable();

enum : Integer {
    SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4,
    SM_CXBORDER = 5, SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYVTHUMB = 9,
    SM_CXHTHUMB = 10, SM_CXICON = 11, SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14,
    SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17, SM_CYVSCROLL = 20, SM_CXHSCROLL = 21,
    SM_SWAPBUTTON = 23, SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31,
    SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXMINTRACK = 34, SM_CYMINTRACK = 35,
    SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXICONSPACING = 38, SM_CYICONSPACING = 39,
    SM_CXEDGE = 45, SM_CYEDGE = 46, SM_CXSMICON = 49, SM_CYSMICON = 50, SM_CYSMCAPTION = 51,
    SM_CXSMSIZE = 52, SM_CYSMSIZE = 53, SM_CXMENUSIZE = 54, SM_CYMENUSIZE = 55,
    SM_CXMAXIMIZED = 61, SM_CYMAXIMIZED = 62, SM_CXDRAG = 68, SM_CYDRAG = 69,
    SM_CXMENUCHECK = 71, SM_CYMENUCHECK = 72, SM_MOUSEWHEELPRESENT = 75,
    SM_XVIRTUALSCREEN = 76, SM_YVIRTUALSCREEN = 77, SM_CXVIRTUALSCREEN = 78, SM_CYVIRTUALSCREEN = 79,
    SM_CMONITORS = 80, SM_CXFOCUSBORDER = 83, SM_CYFOCUSBORDER = 84, SM_SERVERR2 = 89,
    SM_REMOTESESSION = 0x1000
};
enum : Integer { SM_CXFIXEDFRAME = SM_CXDLGFRAME, SM_CYFIXEDFRAME = SM_CYDLGFRAME,
                 SM_CXSIZEFRAME = SM_CXFRAME, SM_CYSIZEFRAME = SM_CYFRAME };

// The classic metric, or 0 for an index it does not know.  Screen sizes need the back end.
Integer GetSystemMetrics(Integer index);

enum : Cardinal {
    SPI_GETBEEP = 0x0001, SPI_GETKEYBOARDSPEED = 0x000A, SPI_GETSCREENSAVETIMEOUT = 0x000E,
    SPI_GETSCREENSAVEACTIVE = 0x0010, SPI_GETKEYBOARDDELAY = 0x0016, SPI_GETDRAGFULLWINDOWS = 0x0026,
    SPI_GETWORKAREA = 0x0030, SPI_GETANIMATION = 0x0048, SPI_GETFONTSMOOTHING = 0x004A,
    SPI_GETSNAPTODEFBUTTON = 0x005F, SPI_GETWHEELSCROLLLINES = 0x0068
};
// SPI_GETANIMATION's record: its size and whether windows animate when minimised.
struct ANIMATIONINFO {
    Cardinal cbSize = sizeof(ANIMATIONINFO);
    Integer iMinAnimate = 0;
};

// The work area as a TRect; Integer answers for the others: the screen saver time-out and
// whether one is on (no screen saver: 0), font smoothing (off: text is drawn without
// antialiasing), the warning beep (on), windows dragged whole (on), no snapping of the mouse to
// default buttons, the keyboard's repeat delay and speed and the wheel's lines from the
// desktop's settings (DesktopSettings); an ANIMATIONINFO without animation.  False for other
// actions, which leave `value` alone: the settings of the desktop are the user's, no action
// writes them.
bool SystemParametersInfo(Cardinal action, Cardinal param, void* value, Cardinal winIni = 0);

// The desktop's double-click time, in milliseconds (the caret's blink time is with the carets).
Cardinal GetDoubleClickTime();
