#include "platform/services/UxTheme.h"

HTHEME OpenThemeData(HWND, const String&) { return nullptr; }
HTHEME OpenThemeDataForDpi(HWND, const String&, Cardinal) { return nullptr; }
HTHEME GetWindowTheme(HWND) { return nullptr; }
HResult CloseThemeData(HTHEME theme) { return theme ? E_HANDLE : S_OK; }
HResult DrawThemeBackground(HTHEME, HDC, int, int, const TRect*, const TRect*) { return E_HANDLE; }
HResult DrawThemeText(HTHEME, HDC, int, int, const String&, int, Cardinal, Cardinal, const TRect*) { return E_HANDLE; }
HResult DrawThemeEdge(HTHEME, HDC, int, int, const TRect*, Cardinal, Cardinal, TRect*) { return E_HANDLE; }
HResult DrawThemeParentBackground(HWND, HDC, const TRect*) { return E_FAIL; }
HResult GetThemeBackgroundContentRect(HTHEME, HDC, int, int, const TRect*, TRect*) { return E_HANDLE; }
HResult GetThemeBackgroundExtent(HTHEME, HDC, int, int, const TRect*, TRect*) { return E_HANDLE; }
HResult GetThemeTextExtent(HTHEME, HDC, int, int, const String&, int, Cardinal, const TRect*, TRect*) { return E_HANDLE; }
HResult GetThemePartSize(HTHEME, HDC, int, int, const TRect*, int, TSize*) { return E_HANDLE; }
HResult GetThemeColor(HTHEME, int, int, int, TColor*) { return E_HANDLE; }
HResult GetThemeFont(HTHEME, HDC, int, int, int, LOGFONTW*) { return E_HANDLE; }
HResult GetThemeInt(HTHEME, int, int, int, int*) { return E_HANDLE; }
HResult GetCurrentThemeName(String*, String*, String*) { return E_FAIL; }
HResult SetWindowTheme(HWND, const String&, const String&) { return S_OK; }
HResult EnableThemeDialogTexture(HWND, Cardinal) { return E_FAIL; }
TColor GetThemeSysColor(HTHEME, int colorId) { return static_cast<TColor>(GetSysColor(colorId)); }
int GetThemeSysSize(HTHEME, int) { return 0; }
bool IsThemePartDefined(HTHEME, int, int) { return false; }
bool IsThemeBackgroundPartiallyTransparent(HTHEME, int, int) { return false; }
bool IsThemeDialogTextureEnabled(HWND) { return false; }
Cardinal GetThemeAppProperties() { return 0; }
void SetThemeAppProperties(Cardinal) {}

HResult BufferedPaintInit() { return S_OK; }
HResult BufferedPaintUnInit() { return S_OK; }
HPAINTBUFFER BeginBufferedPaint(HDC, const TRect*, int, const void*, HDC* bufferDc)
{
    if (bufferDc) *bufferDc = nullptr;
    return nullptr;
}
HResult EndBufferedPaint(HPAINTBUFFER, bool) { return E_HANDLE; }
HResult BufferedPaintSetAlpha(HPAINTBUFFER, const TRect*, Byte) { return E_HANDLE; }
HResult BufferedPaintClear(HPAINTBUFFER, const TRect*) { return E_HANDLE; }
