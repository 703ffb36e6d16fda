#pragma once
// The visual-styles entry points.  No visual styles exist here: every call answers the way the
// platform answers for a window without a theme (no theme handle, failure), so that the themed
// drawing paths compile and the classic ones run.
#include "platform/classes/Interfaces.h"
#include "platform/graphics/Canvas.h"
#include "platform/services/SysInfo.h"   // IsThemeActive, IsAppThemed

class TWinControl;
using HWND = TWinControl*;
using HTHEME = void*;
struct LOGFONTW;
using HPAINTBUFFER = void*;

constexpr HResult E_FAIL = static_cast<HResult>(0x80004005u);
constexpr HResult E_HANDLE = static_cast<HResult>(0x80070006u);

// Properties of themed programs (SetThemeAppProperties).
enum : Cardinal { STAP_ALLOW_NONCLIENT = 1, STAP_ALLOW_CONTROLS = 2, STAP_ALLOW_WEBCONTENT = 4 };
enum { TS_MIN = 0, TS_TRUE = 1, TS_DRAW = 2 };

HTHEME OpenThemeData(HWND window, const String& classList);   // none
HTHEME OpenThemeDataForDpi(HWND window, const String& classList, Cardinal dpi);   // none
HTHEME GetWindowTheme(HWND window);                              // none
HResult CloseThemeData(HTHEME theme);
HResult DrawThemeBackground(HTHEME theme, HDC dc, int part, int state, const TRect* rect, const TRect* clip);
HResult DrawThemeText(HTHEME theme, HDC dc, int part, int state, const String& text, int count, Cardinal flags,
                      Cardinal flags2, const TRect* rect);
HResult DrawThemeEdge(HTHEME theme, HDC dc, int part, int state, const TRect* dest, Cardinal edge, Cardinal flags,
                      TRect* content);
HResult DrawThemeParentBackground(HWND window, HDC dc, const TRect* rect);
HResult GetThemeBackgroundContentRect(HTHEME theme, HDC dc, int part, int state, const TRect* bounds, TRect* content);
HResult GetThemeBackgroundExtent(HTHEME theme, HDC dc, int part, int state, const TRect* content, TRect* extent);
HResult GetThemeTextExtent(HTHEME theme, HDC dc, int part, int state, const String& text, int count, Cardinal flags,
                           const TRect* bounds, TRect* extent);
HResult GetThemePartSize(HTHEME theme, HDC dc, int part, int state, const TRect* rect, int kind, TSize* size);
HResult GetThemeColor(HTHEME theme, int part, int state, int property, TColor* color);
HResult GetThemeFont(HTHEME theme, HDC dc, int part, int state, int property, LOGFONTW* font);
HResult GetThemeInt(HTHEME theme, int part, int state, int property, int* value);
HResult GetCurrentThemeName(String* fileName, String* colorName, String* sizeName);
HResult SetWindowTheme(HWND window, const String& appName, const String& idList);
HResult EnableThemeDialogTexture(HWND window, Cardinal flags);
TColor GetThemeSysColor(HTHEME theme, int colorId);   // the system colour itself
int GetThemeSysSize(HTHEME theme, int sizeId);        // 0
bool IsThemePartDefined(HTHEME theme, int part, int state);
bool IsThemeBackgroundPartiallyTransparent(HTHEME theme, int part, int state);
bool IsThemeDialogTextureEnabled(HWND window);
Cardinal GetThemeAppProperties();                     // 0: nothing themed
void SetThemeAppProperties(Cardinal flags);           // nothing to theme

// Buffered painting: no buffer is ever handed out, so callers paint straight onto their device.
HResult BufferedPaintInit();
HResult BufferedPaintUnInit();
HPAINTBUFFER BeginBufferedPaint(HDC target, const TRect* rect, int format, const void* params, HDC* bufferDc);
HResult EndBufferedPaint(HPAINTBUFFER buffer, bool updateTarget);
HResult BufferedPaintSetAlpha(HPAINTBUFFER buffer, const TRect* rect, Byte alpha);
HResult BufferedPaintClear(HPAINTBUFFER buffer, const TRect* rect);
