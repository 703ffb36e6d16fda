#include "platform/services/SysInfo.h"

#include "platform/graphics/DesktopSettings.h"
#include "platform/graphics/GdiApi.h"
#include "platform/services/ServicesBackend.h"

bool GetVersionEx(TOSVersionInfoEx& info)
{
    info = TOSVersionInfoEx();
    return true;
}

Integer Win32Platform() { return Integer(TOSVersionInfoEx().dwPlatformId); }
Integer Win32MajorVersion() { return Integer(TOSVersionInfoEx().dwMajorVersion); }
Integer Win32MinorVersion() { return Integer(TOSVersionInfoEx().dwMinorVersion); }
Integer Win32BuildNumber() { return Integer(TOSVersionInfoEx().dwBuildNumber); }

bool CheckWin32Version(Integer major, Integer minor)
{
    return Win32MajorVersion() > major || (Win32MajorVersion() == major && Win32MinorVersion() >= minor);
}

bool IsThemeActive() { return false; }
bool IsAppThemed() { return false; }
bool ThemeServicesAvailable() { return false; }

Integer GetSystemMetrics(Integer index)
{
    switch (index) {
    case SM_CXSCREEN: case SM_CXVIRTUALSCREEN: case SM_CXMAXIMIZED:
        return ServicesBackend().ScreenRect().Width();
    case SM_CYSCREEN: case SM_CYVIRTUALSCREEN: case SM_CYMAXIMIZED:
        return ServicesBackend().ScreenRect().Height();
    case SM_CXFULLSCREEN:
        return ServicesBackend().WorkArea().Width();
    case SM_CYFULLSCREEN:
        return ServicesBackend().WorkArea().Height() - GetSystemMetrics(SM_CYCAPTION);
    case SM_CXVSCROLL: case SM_CYHSCROLL: case SM_CYVTHUMB: case SM_CXHTHUMB:
    case SM_CYVSCROLL: case SM_CXHSCROLL:
        return ScrollBarSize;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER: case SM_CYBORDER: case SM_CXFOCUSBORDER: case SM_CYFOCUSBORDER:
    case SM_MOUSEWHEELPRESENT: case SM_CMONITORS:
        return 1;
    case SM_CXDLGFRAME: case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME: case SM_CYFRAME: return 4;
    case SM_CXEDGE: case SM_CYEDGE: return 2;
    case SM_CXICON: case SM_CYICON: case SM_CXCURSOR: case SM_CYCURSOR: return 32;
    case SM_CXSMICON: case SM_CYSMICON: return 16;
    case SM_CYMENU: case SM_CYMENUSIZE: case SM_CXMENUSIZE: return 19;
    case SM_CXSIZE: case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 15;
    case SM_CXSMSIZE: case SM_CYSMSIZE: return 12;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_CXMINTRACK: return 112;
    case SM_CYMINTRACK: return 27;
    case SM_CXDOUBLECLK: case SM_CYDOUBLECLK: case SM_CXDRAG: case SM_CYDRAG: return 4;
    case SM_CXICONSPACING: case SM_CYICONSPACING: return 75;
    case SM_CXMENUCHECK: case SM_CYMENUCHECK: return 13;
    default:   // SM_SWAPBUTTON, SM_SERVERR2, SM_REMOTESESSION, virtual-screen origin, unknown
        return 0;
    }
}

bool SystemParametersInfo(Cardinal action, Cardinal, void* value, Cardinal)
{
    switch (action) {
    case SPI_GETWORKAREA: *static_cast<TRect*>(value) = ServicesBackend().WorkArea(); return true;
    case SPI_GETSCREENSAVETIMEOUT:
    case SPI_GETSCREENSAVEACTIVE:
    case SPI_GETFONTSMOOTHING:
    case SPI_GETSNAPTODEFBUTTON: *static_cast<Integer*>(value) = 0; return true;
    case SPI_GETBEEP:
    case SPI_GETDRAGFULLWINDOWS: *static_cast<Integer*>(value) = 1; return true;
    case SPI_GETKEYBOARDDELAY: *static_cast<Integer*>(value) = DesktopSettings().KeyboardDelay; return true;
    case SPI_GETKEYBOARDSPEED: *static_cast<Integer*>(value) = DesktopSettings().KeyboardSpeed; return true;
    case SPI_GETWHEELSCROLLLINES: *static_cast<Integer*>(value) = DesktopSettings().WheelScrollLines; return true;
    case SPI_GETANIMATION: static_cast<ANIMATIONINFO*>(value)->iMinAnimate = 0; return true;
    default: return false;
    }
}

Cardinal GetDoubleClickTime() { return DesktopSettings().DoubleClickTime; }
