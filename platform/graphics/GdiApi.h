#pragma once
// The device-context calls the program makes on a canvas's handle (HDC = the canvas itself):
// state, mapping, clipping, text, blits, and the drawing helpers for edges, frame controls,
// focus rectangles and gradients.
#include <memory>

#include "platform/graphics/Canvas.h"
#include "platform/rtl/Streams.h"

class TBitmap;
class TBrush;
using HBRUSH = const TBrush*;
using UINT = Cardinal;
using BOOL = bool;

int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);
BOOL SetWindowExtEx(HDC dc, Integer cx, Integer cy, TSize* old);
BOOL SetViewportExtEx(HDC dc, Integer cx, Integer cy, TSize* old);
BOOL SetWindowOrgEx(HDC dc, Integer x, Integer y, TPoint* old);
BOOL SetViewportOrgEx(HDC dc, Integer x, Integer y, TPoint* old);
BOOL GetWindowExtEx(HDC dc, TSize* size);
BOOL GetViewportExtEx(HDC dc, TSize* size);
BOOL GetWindowOrgEx(HDC dc, TPoint* p);
BOOL GetViewportOrgEx(HDC dc, TPoint* p);
BOOL LPtoDP(HDC dc, TPoint* points, int count);
BOOL DPtoLP(HDC dc, TPoint* points, int count);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
TColor SetBkColor(HDC dc, TColor color);
TColor GetBkColor(HDC dc);
TColor SetTextColor(HDC dc, TColor color);
TColor GetTextColor(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetROP2(HDC dc, int r2);
int GetROP2(HDC dc);
int SelectClipRgn(HDC dc, HRGN region);
int ExtSelectClipRgn(HDC dc, HRGN region, int mode);
int IntersectClipRect(HDC dc, Integer left, Integer top, Integer right, Integer bottom);
int ExcludeClipRect(HDC dc, Integer left, Integer top, Integer right, Integer bottom);
int GetClipBox(HDC dc, TRect* r);
int GetClipRgn(HDC dc, HRGN region);   // 1 and the region (device units) when there is one, else 0
int SaveDC(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
enum { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
int SetStretchBltMode(HDC dc, int mode);
BOOL BeginPath(HDC dc);
BOOL EndPath(HDC dc);
BOOL AbortPath(HDC dc);
BOOL CloseFigure(HDC dc);
BOOL StrokePath(HDC dc);
BOOL FillPath(HDC dc);
BOOL StrokeAndFillPath(HDC dc);
BOOL WidenPath(HDC dc);
HRGN PathToRegion(HDC dc);   // a new region, or none while the device context has no closed path
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
BOOL MoveToEx(HDC dc, Integer x, Integer y, TPoint* old);
BOOL LineTo(HDC dc, Integer x, Integer y);
BOOL RestoreDC(HDC dc, int saved);
int GetDeviceCaps(HDC dc, int index);
BOOL GetTextMetrics(HDC dc, TTextMetric* tm);
BOOL GetTextExtentPoint32(HDC dc, const String& text, int count, TSize* size);
// The extent of each leading part of the text in dx (count entries, when given) and of the whole
// text in size; with fit, the number of leading characters whose extent stays within maxExtent.
BOOL GetTextExtentExPoint(HDC dc, const String& text, int count, int maxExtent, int* fit, int* dx, TSize* size);
BOOL TextOut(HDC dc, Integer x, Integer y, const String& text, int count);
BOOL ExtTextOut(HDC dc, Integer x, Integer y, UINT options, const TRect* r, const String& text, int count,
                const Integer* dx = nullptr);

// Text with tab characters: each tab goes to the next stop beyond the text so far (stops are
// measured from tabOrigin; a negative stop right-aligns the following text at it; without stops
// every 8 average character widths; one stop repeats).  Returns the width in the low 16 bits and
// the height in the high 16 bits.
Cardinal TabbedTextOut(HDC dc, Integer x, Integer y, const String& text, int count, int tabCount,
                       const Integer* tabStops, Integer tabOrigin);
Cardinal GetTabbedTextExtent(HDC dc, const String& text, int count, int tabCount, const Integer* tabStops);

// Raster operations between device contexts; the source must be a raster device.
BOOL BitBlt(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
            Cardinal rop);
BOOL StretchBlt(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
                Integer sw, Integer sh, Cardinal rop);
BOOL PatBlt(HDC dc, Integer x, Integer y, Integer width, Integer height, Cardinal rop);
BOOL AlphaBlend(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
                Integer sw, Integer sh, BLENDFUNCTION blend);

// Indexes of the system colours (clSystemColor | index is the colour).
enum : int {
    COLOR_WINDOW = 5, COLOR_WINDOWFRAME = 6, COLOR_WINDOWTEXT = 8, COLOR_HIGHLIGHT = 13, COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16, COLOR_BTNHIGHLIGHT = 20, COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22
};
// Brushes of the system colours (owned by the layer) and of a colour (freed with DeleteObject).
HBRUSH GetSysColorBrush(int index);
HBRUSH CreateSolidBrush(TColor color);
bool DeleteObject(HBRUSH brush);

int FillRect(HDC dc, const TRect* r, HBRUSH brush);
int FrameRect(HDC dc, const TRect* r, HBRUSH brush);
BOOL InvertRect(HDC dc, const TRect* r);
BOOL DrawFocusRect(HDC dc, const TRect* r);

// DrawText formats.
enum : UINT {
    DT_TOP = 0x0, DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_VCENTER = 0x4, DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10, DT_SINGLELINE = 0x20, DT_EXPANDTABS = 0x40, DT_TABSTOP = 0x80, DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200, DT_CALCRECT = 0x400, DT_NOPREFIX = 0x800, DT_INTERNAL = 0x1000,
    DT_EDITCONTROL = 0x2000, DT_PATH_ELLIPSIS = 0x4000, DT_END_ELLIPSIS = 0x8000, DT_MODIFYSTRING = 0x10000,
    DT_RTLREADING = 0x20000, DT_WORD_ELLIPSIS = 0x40000, DT_HIDEPREFIX = 0x100000
};
// Draws or measures (DT_CALCRECT) text in the rectangle; returns the text's height.
int DrawText(HDC dc, const String& text, int count, TRect* r, UINT format);
int DrawTextEx(HDC dc, const String& text, int count, TRect* r, UINT format, const void* params);

// DrawEdge edges and flags.
enum : UINT {
    BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
    BDR_OUTER = 0x3, BDR_INNER = 0xC, EDGE_RAISED = 0x5, EDGE_SUNKEN = 0xA, EDGE_ETCHED = 0x6, EDGE_BUMP = 0x9,
    BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8, BF_TOPLEFT = 0x3, BF_TOPRIGHT = 0x6,
    BF_BOTTOMLEFT = 0x9, BF_BOTTOMRIGHT = 0xC, BF_RECT = 0xF, BF_MIDDLE = 0x800, BF_SOFT = 0x1000,
    BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000
};
BOOL DrawEdge(HDC dc, TRect* r, UINT edge, UINT flags);

// DrawFrameControl kinds and states.
enum : UINT {
    DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4,
    DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8, DFCS_BUTTONPUSH = 0x10,
    DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3,
    DFCS_SCROLLCOMBOBOX = 0x5, DFCS_SCROLLSIZEGRIP = 0x8,
    DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_TRANSPARENT = 0x800, DFCS_HOT = 0x1000,
    DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000
};
BOOL DrawFrameControl(HDC dc, TRect* r, UINT kind, UINT state);

// The width of a vertical scroll bar and the height of a horizontal one, in pixels: the window
// scroll bars, the scroll bar control and SM_CXVSCROLL all take it.
constexpr Integer ScrollBarSize = 17;

// The system's stock bitmaps.
enum : UINT { OBM_CHECKBOXES = 32759 };
// A new copy of a stock bitmap (instance 0); null for another instance or an unknown name.
// OBM_CHECKBOXES is a strip of 13 x 13 cells on button face, drawn as DrawFrameControl draws
// them: across plain, checked, pushed, pushed and checked; down check boxes, radio buttons and
// grayed three-state boxes.
std::unique_ptr<TBitmap> LoadBitmap(HINSTANCE instance, UINT name);

// Gradients: colours of 16 bits per channel.
struct TRIVERTEX {
    Integer x = 0, y = 0;
    Word Red = 0, Green = 0, Blue = 0, Alpha = 0;
};
struct GRADIENT_RECT {
    Cardinal UpperLeft = 0, LowerRight = 0;
};
enum : UINT { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1 };
// The wide-character names of the text calls.
inline BOOL TextOutW(HDC dc, Integer x, Integer y, const String& text, int count) { return TextOut(dc, x, y, text, count); }
inline BOOL ExtTextOutW(HDC dc, Integer x, Integer y, UINT options, const TRect* r, const String& text, int count,
                        const Integer* dx = nullptr)
{
    return ExtTextOut(dc, x, y, options, r, text, count, dx);
}
inline int DrawTextW(HDC dc, const String& text, int count, TRect* r, UINT format) { return DrawText(dc, text, count, r, format); }
inline int DrawTextExW(HDC dc, const String& text, int count, TRect* r, UINT format, const void* params)
{
    return DrawTextEx(dc, text, count, r, format, params);
}
inline BOOL GetTextExtentExPointW(HDC dc, const String& text, int count, int maxExtent, int* fit, int* dx, TSize* size)
{
    return GetTextExtentExPoint(dc, text, count, maxExtent, fit, dx, size);
}
inline BOOL GetTextExtentPoint32W(HDC dc, const String& text, int count, TSize* size)
{
    return GetTextExtentPoint32(dc, text, count, size);
}

BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, Cardinal count, const GRADIENT_RECT* rects, Cardinal rectCount,
                  UINT mode);
