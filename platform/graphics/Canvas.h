#pragma once
// TCanvas: drawing with pen, brush and font on a paint device, with the device context's state
// (mapping, clipping, background and text settings).  The pixel rules live here and nowhere else:
// right and bottom edges are exclusive, LineTo leaves out its end pixel, polygons fill by the
// alternate rule, empty rectangles draw nothing, the raster operations combine with the
// destination exactly, and nothing is antialiased.
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/graphics/Backend.h"
#include "platform/graphics/Graphics.h"
#include "platform/graphics/PaintDevice.h"
#include "platform/graphics/Regions.h"

class TGraphic;
class TCanvas;
using HDC = TCanvas*;

// Mapping modes, background modes, text alignment.
enum { MM_TEXT = 1, MM_LOMETRIC = 2, MM_HIMETRIC = 3, MM_LOENGLISH = 4, MM_HIENGLISH = 5, MM_TWIPS = 6,
       MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };
enum { TRANSPARENT = 1, OPAQUE = 2 };
enum { ALTERNATE = 1, WINDING = 2 };
enum { TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0, TA_BOTTOM = 8,
       TA_BASELINE = 24 };
// ExtTextOut options.
enum { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
// Ternary raster operations.
constexpr Cardinal SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                   SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
                   MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021,
                   PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049, DSTINVERT = 0x00550009, BLACKNESS = 0x00000042,
                   WHITENESS = 0x00FF0062;
using TCopyMode = Cardinal;
constexpr TCopyMode cmSrcCopy = SRCCOPY, cmSrcPaint = SRCPAINT, cmSrcAnd = SRCAND, cmSrcInvert = SRCINVERT,
                    cmSrcErase = SRCERASE, cmNotSrcCopy = NOTSRCCOPY, cmNotSrcErase = NOTSRCERASE,
                    cmMergeCopy = MERGECOPY, cmMergePaint = MERGEPAINT, cmPatCopy = PATCOPY,
                    cmPatPaint = PATPAINT, cmPatInvert = PATINVERT, cmDstInvert = DSTINVERT,
                    cmBlackness = BLACKNESS, cmWhiteness = WHITENESS;
// Device capabilities.
enum { HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, ASPECTX = 40, ASPECTY = 42,
       ASPECTXY = 44, LOGPIXELSX = 88, LOGPIXELSY = 90,
       PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111, PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113 };
// AlphaBlend function: constant alpha in bits 16..23, AC_SRC_ALPHA in bits 24..31.
constexpr Byte AC_SRC_OVER = 0, AC_SRC_ALPHA = 1;
struct BLENDFUNCTION {
    Byte BlendOp = AC_SRC_OVER, BlendFlags = 0, SourceConstantAlpha = 255, AlphaFormat = 0;
};

// tmPitchAndFamily bits: TMPF_TRUETYPE marks an outline font.
enum : Byte { TMPF_FIXED_PITCH = 0x01, TMPF_VECTOR = 0x02, TMPF_TRUETYPE = 0x04, TMPF_DEVICE = 0x08 };

struct TTextMetric {
    Integer tmHeight = 0, tmAscent = 0, tmDescent = 0, tmInternalLeading = 0, tmExternalLeading = 0;
    Integer tmAveCharWidth = 0, tmMaxCharWidth = 0, tmWeight = 400, tmOverhang = 0;
    Byte tmItalic = 0, tmUnderlined = 0, tmStruckOut = 0, tmPitchAndFamily = 0, tmCharSet = 0;
};

class TCanvas {
public:
    TCanvas();
    explicit TCanvas(TPaintDevice* device);
    virtual ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // The device drawn on (not owned); none: drawing does nothing.
    TPaintDevice* Device() const { return FDevice; }
    void SetDevice(TPaintDevice* device);
    bool HandleAllocated() const { return FDevice != nullptr; }
    // The device context; realises pen, brush and font into its state as the drawing calls do.
    HDC Handle();
    // Forgets what was realised: the next drawing call sets the background from the brush again.
    void Refresh() { FBrushRealized = FFontRealized = false; }

    TPen& Pen() { return FPen; }
    TBrush& Brush() { return FBrush; }
    TFont& Font() { return FFont; }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint p) { FPenPos = p; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode mode) { FCopyMode = mode; }

    // ---- drawing (logical coordinates)
    void MoveTo(Integer x, Integer y);
    void LineTo(Integer x, Integer y);
    void Polyline(const std::vector<TPoint>& points);
    void Polygon(const std::vector<TPoint>& points);
    void Rectangle(Integer x1, Integer y1, Integer x2, Integer y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3);
    void Ellipse(Integer x1, Integer y1, Integer x2, Integer y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Arc(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4);
    void Pie(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4);
    void Chord(Integer x1, Integer y1, Integer x2, Integer y2, Integer x3, Integer y3, Integer x4, Integer y4);
    TColor Pixel(Integer x, Integer y);   // clNone outside the device or on a non-raster device
    void SetPixel(Integer x, Integer y, TColor color);
    void FillRect(const TRect& r);
    void FrameRect(const TRect& r);
    void DrawFocusRect(const TRect& r);
    void TextOut(Integer x, Integer y, const String& text);
    void TextRect(const TRect& r, Integer x, Integer y, const String& text);
    TSize TextExtent(const String& text);
    Integer TextWidth(const String& text) { return TextExtent(text).cx; }
    Integer TextHeight(const String& text) { return TextExtent(text).cy; }
    // The width of each leading part of the text: element i is the extent of characters 1..i+1.
    std::vector<Integer> PartialExtents(const String& text);
    void Draw(Integer x, Integer y, TGraphic& graphic);
    void StretchDraw(const TRect& r, TGraphic& graphic);
    void CopyRect(const TRect& dest, TCanvas& source, const TRect& sourceRect);
    TRect ClipRect();   // logical

    // Serialises drawing from several threads.
    void Lock() { FLock.lock(); ++FLockCount; }
    void Unlock() { --FLockCount; FLock.unlock(); }
    bool TryLock();
    Integer LockCount() const { return FLockCount; }

    // ---- device-context state
    int SetMapMode(int mode);
    int GetMapMode() const { return FState.MapMode; }
    TSize SetWindowExt(Integer cx, Integer cy);
    TSize SetViewportExt(Integer cx, Integer cy);
    TPoint SetWindowOrg(Integer x, Integer y);
    TPoint SetViewportOrg(Integer x, Integer y);
    TSize WindowExt() const { return FState.WindowExt; }
    TSize ViewportExt() const { return FState.ViewportExt; }
    TPoint WindowOrg() const { return FState.WindowOrg; }
    TPoint ViewportOrg() const { return FState.ViewportOrg; }
    TPoint LPtoDP(TPoint p) const;
    TPoint DPtoLP(TPoint p) const;
    TRect LPtoDP(const TRect& r) const;   // normalised
    int SetBkMode(int mode);
    int GetBkMode() const { return FState.BkMode; }
    TColor SetBkColor(TColor color);
    TColor GetBkColor() const { return FState.BkColor; }
    TColor SetTextColor(TColor color);
    TColor GetTextColor() const { return FState.TextColor; }
    int SetTextAlign(int align);
    int GetTextAlign() const { return FState.TextAlign; }
    int SetROP2(int r2);   // the pen's mode
    int GetROP2() const;
    // Clipping, in device units as the platform has it.  None: the whole device.
    int SelectClipRgn(const TRegion* region);
    int ExtSelectClipRgn(const TRegion* region, int mode);
    int IntersectClipRect(Integer left, Integer top, Integer right, Integer bottom);   // logical
    int ExcludeClipRect(Integer left, Integer top, Integer right, Integer bottom);     // logical
    const std::optional<TRegion>& ClipRegion() const { return FState.Clip; }
    // The device area the canvas may reach at all (a window being painted: its update region),
    // device units; none: the whole device.  It holds whatever the clip region is, SaveDC does
    // not keep it, and selecting no clip region leaves it in place.
    void SetVisibleRegion(const TRegion* region);
    int SetTextCharacterExtra(int extra);   // pixels added after every character
    int GetTextCharacterExtra() const { return FState.CharExtra; }
    int SetStretchBltMode(int mode);        // stretching always takes the nearest pixel
    int GetStretchBltMode() const { return FState.StretchMode; }
    // The rule polygons are filled by: ALTERNATE or WINDING.
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return FState.PolyFillMode; }
    // Paths: between BeginPath and EndPath lines, polylines, polygons, rectangles, rounded rectangles
    // and ellipses build figures instead of drawing; StrokePath and FillPath draw them (each figure
    // filled by itself).
    void BeginPath();
    void EndPath();
    void AbortPath();
    void CloseFigure();
    void StrokePath();
    void FillPath();
    void StrokeAndFillPath();
    // Replaces the closed path by the area its stroke with the current pen would cover.
    bool WidenPath();
    // The closed path's inside as a region in device units, by the polygon fill rule; the path is
    // used up.  None while no closed path exists.
    std::optional<TRegion> PathToRegion();
    int SaveDC();
    bool RestoreDC(int saved);   // negative: relative to the latest
    Integer GetDeviceCaps(int index) const;
    TTextMetric GetTextMetrics();

    // ---- handle-level drawing (used by the platform calls in GdiApi.h)
    void ExtTextOut(Integer x, Integer y, int options, const TRect* r, const String& text);
    void FillRectColor(const TRect& r, TColor color);   // no pen, no raster operation
    void PatBlt(const TRect& r, Cardinal rop);
    void InvertRect(const TRect& r) { PatBlt(r, DSTINVERT); }
    // A monochrome source takes the text colour for black and the background colour for white;
    // a monochrome destination turns source pixels of sourceBackground white and others black.
    void StretchBlt(const TRect& dest, const class TBitmap& source, const TRect& sourceRect, Cardinal rop,
                    TColor sourceBackground = clWhite);
    // The bitmap's part stretched into dest, its pixels of `color` replaced by the brush.
    void BrushCopy(const TRect& dest, const class TBitmap& bitmap, const TRect& source, TColor color);
    void AlphaBlend(const TRect& dest, const class TBitmap& source, const TRect& sourceRect, BLENDFUNCTION blend);
    // Pixels of the canvas's raster device in device units (copying from a canvas).
    bool GetPixels(TPixelBuffer& buffer) const { return FDevice && FDevice->GetPixels(buffer); }

    // Extra scaling and offset applied after the mapping: a metafile being played places its picture
    // with it, a windowless control painted on its parent's surface its origin.  Saved with SaveDC.
    void SetPlacement(double scaleX, double scaleY, double offsetX, double offsetY);
    // Runs an operation as the canvas's own calls do (a metafile being played, a device).
    void Execute(const TCanvasOp& op);
    TFontSpec DeviceFont();   // the font scaled to device pixels
    Integer DevicePenWidth() const;
    // Device points of logical points, after mapping and placement.
    TPoint ToDevice(TPoint p) const;

    class TCoverage;   // the pixels one drawing operation covers (Canvas.cpp)

    std::function<void()> OnChange;     // after drawing
    std::function<void()> OnChanging;   // before drawing

protected:
    virtual void Changing() { if (OnChanging) OnChanging(); }
    virtual void Changed() { if (OnChange) OnChange(); }

private:
    struct TState {
        int MapMode = MM_TEXT;
        TPoint WindowOrg, ViewportOrg;
        TSize WindowExt{1, 1}, ViewportExt{1, 1};
        int BkMode = OPAQUE;
        TColor BkColor = clWhite;
        TColor TextColor = clBlack;
        int TextAlign = 0;
        int CharExtra = 0;
        int StretchMode = 3;
        int PolyFillMode = ALTERNATE;
        std::optional<TRegion> Clip;
        double PlaceSX = 1, PlaceSY = 1, PlaceDX = 0, PlaceDY = 0;
    };
    struct TSaved {
        TState State;
        TPen Pen;
        TBrush Brush;
        TFont Font;
    };
    void Realize();
    void Run(const TCanvasOp& op);
    void Rasterize(const TCanvasOp& op, const TPixelBuffer& buf);
    void DrawOutline(TCoverage& cov, const TCanvasOp& op, const TRect& box);
    void StrokePath(TCoverage& cov, const std::vector<TPoint>& dev, bool closed);
    void ApplyPen(TCoverage& cov, const TPixelBuffer& buf);
    void ApplyBrush(TCoverage& cov, const TPixelBuffer& buf, TColor solidOverride, bool useRop);
    void RenderText(const TCanvasOp& op, const TPixelBuffer& buf);
    void Blit(const TCanvasOp& op, const TPixelBuffer& buf);
    bool BlitRows(const TCanvasOp& op, const TPixelBuffer& buf);
    void BlitByPixel(const TCanvasOp& op, const TPixelBuffer& buf);
    friend struct TCanvasBlitProbe;   // the tests compare the two blit paths
    TRect ClipBounds(const TPixelBuffer& buf) const;
    bool AddToPath(const TCanvasOp& op);
    struct TFigure {
        std::vector<TPoint> Points;
        bool Closed = false;
    };
    std::vector<TFigure> FPath;
    bool FPathOpen = false;
    void ScaleExtents();
    double ScaleX() const;
    double ScaleY() const;

    bool Reaches(Integer x, Integer y) const;   // inside the clip and the visible region
    Cardinal PatternPixel(const TPixelBuffer& pattern, Integer x, Integer y) const;
    TPaintDevice* FDevice = nullptr;
    std::optional<TRegion> FVisible;
    TPen FPen;
    TBrush FBrush;
    TFont FFont;
    TBrush FRealizedBrush;
    bool FBrushRealized = false;
    TFont FRealizedFont;   // a text colour set on the handle stays until the font changes
    bool FFontRealized = false;
    TPoint FPenPos;
    TCopyMode FCopyMode = cmSrcCopy;
    TState FState;
    std::vector<TSaved> FSaved;
    std::recursive_mutex FLock;
    Integer FLockCount = 0;
};
