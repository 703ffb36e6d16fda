#pragma once
// Geometry, colours and the drawing tools (font, pen, brush) of the graphics layer.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/classes/Persistent.h"
#include "platform/classes/Set.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

struct TPoint {
    Integer X = 0;
    Integer Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    Integer cx = 0;
    Integer cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom edges are exclusive wherever a rectangle is filled or framed.
struct TRect {
    Integer Left = 0;
    Integer Top = 0;
    Integer Right = 0;
    Integer Bottom = 0;
    Integer Width() const { return Right - Left; }
    Integer Height() const { return Bottom - Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// Floating-point geometry of the drawing layers: 32-bit floats, y growing downwards.
struct TPointF {
    float X = 0;
    float Y = 0;
    friend bool operator==(const TPointF&, const TPointF&) = default;
};

struct TSizeF {
    float cx = 0;
    float cy = 0;
    friend bool operator==(const TSizeF&, const TSizeF&) = default;
};

struct TRectF {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    float Width() const { return Right - Left; }
    float Height() const { return Bottom - Top; }
    friend bool operator==(const TRectF&, const TRectF&) = default;
};

inline TPoint Point(Integer x, Integer y) { return {x, y}; }
inline TRect Rect(Integer left, Integer top, Integer right, Integer bottom) { return {left, top, right, bottom}; }
// The right and bottom edges saturate at the ends of the integer range.
inline TRect Bounds(Integer left, Integer top, Integer width, Integer height)
{
    auto edge = [](Integer from, Integer extent) {
        return static_cast<Integer>(std::clamp<Int64>(Int64{from} + extent, INT32_MIN, INT32_MAX));
    };
    return {left, top, edge(left, width), edge(top, height)};
}
bool IntersectRect(TRect& dest, const TRect& a, const TRect& b);  // false (and dest empty) when disjoint
bool UnionRect(TRect& dest, const TRect& a, const TRect& b);
void OffsetRect(TRect& r, Integer dx, Integer dy);
void InflateRect(TRect& r, Integer dx, Integer dy);
bool PtInRect(const TRect& r, TPoint p);

// $00BBGGRR; system colours are $FF000000 + index; clNone and clDefault are markers.
using TColor = Integer;
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clLtGray = 0xC0C0C0, clDkGray = 0x808080, clMoneyGreen = 0xC0DCC0,
                 clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF, clMedGray = 0xA4A0A0;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;
constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000);
constexpr TColor clScrollBar = clSystemColor | 0, clBackground = clSystemColor | 1,
                 clActiveCaption = clSystemColor | 2, clInactiveCaption = clSystemColor | 3,
                 clMenu = clSystemColor | 4, clWindow = clSystemColor | 5, clWindowFrame = clSystemColor | 6,
                 clMenuText = clSystemColor | 7, clWindowText = clSystemColor | 8,
                 clCaptionText = clSystemColor | 9, clActiveBorder = clSystemColor | 10,
                 clInactiveBorder = clSystemColor | 11, clAppWorkSpace = clSystemColor | 12,
                 clHighlight = clSystemColor | 13, clHighlightText = clSystemColor | 14,
                 clBtnFace = clSystemColor | 15, clBtnShadow = clSystemColor | 16,
                 clGrayText = clSystemColor | 17, clBtnText = clSystemColor | 18,
                 clInactiveCaptionText = clSystemColor | 19, clBtnHighlight = clSystemColor | 20,
                 cl3DDkShadow = clSystemColor | 21, cl3DLight = clSystemColor | 22,
                 clInfoText = clSystemColor | 23, clInfoBk = clSystemColor | 24,
                 clHotLight = clSystemColor | 26, clGradientActiveCaption = clSystemColor | 27,
                 clGradientInactiveCaption = clSystemColor | 28, clMenuHighlight = clSystemColor | 29,
                 clMenuBar = clSystemColor | 30;

constexpr Cardinal RGB(Byte r, Byte g, Byte b) { return r | (g << 8) | (static_cast<Cardinal>(b) << 16); }
constexpr Byte GetRValue(Cardinal c) { return c & 0xFF; }
constexpr Byte GetGValue(Cardinal c) { return (c >> 8) & 0xFF; }
constexpr Byte GetBValue(Cardinal c) { return (c >> 16) & 0xFF; }
Cardinal GetSysColor(int index);          // the fixed desktop scheme of the program
TColor ColorToRGB(TColor color);          // system colours resolved, others unchanged
String ColorToString(TColor color);       // "clRed" or "$00102030"
bool IdentToColor(const String& ident, TColor& color);
// A colour name ("clRed") or an integer ("$00102030", "255"); EConvertError
// "'<text>' is not a valid integer value" for anything else.
TColor StringToColor(const String& text);

// ---------------------------------------------------------------- font
enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum class TFontPitch { fpDefault, fpVariable, fpFixed };
using TFontCharset = Byte;
constexpr TFontCharset ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, SYMBOL_CHARSET = 2, OEM_CHARSET = 255;

// The largest character or cell height of a font, in pixels: more than any screen shows.  Larger
// heights, from damaged pictures or markup, are cut to it.
constexpr Integer MaxFontHeight = 4096;

class TFont : public TPersistent {
    DECLARE_CLASS(TFont, TPersistent)
public:
    TFont();
    TFont(const TFont& other);   // the copy has the other's resolution too
    TFont& operator=(const TFont& other);
    // Copies everything but the resolution; at another resolution the point size is kept.
    void Assign(const TFont& source);
    void Assign(TPersistent* source) override;

    String Name() const { return FName; }
    void SetName(const String& value);
    Integer Height() const { return FHeight; }   // negative: character height; positive: cell height
    void SetHeight(Integer value);
    Integer Size() const;                       // points at PixelsPerInch
    void SetSize(Integer points);
    TFontStyles Style() const { return FStyle; }
    void SetStyle(const TFontStyles& value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TFontCharset Charset() const { return FCharset; }
    void SetCharset(TFontCharset value);
    TFontPitch Pitch() const { return FPitch; }
    void SetPitch(TFontPitch value);
    Integer Orientation() const { return FOrientation; }   // tenths of a degree, counter-clockwise
    void SetOrientation(Integer value);
    Integer PixelsPerInch() const { return FPixelsPerInch; }
    void SetPixelsPerInch(Integer value) { FPixelsPerInch = value; }

    std::function<void()> OnChange;
    bool SameAs(const TFont& other) const;

private:
    void Changed();
    String FName = "Tahoma";
    Integer FHeight = -11;
    TFontStyles FStyle;
    TColor FColor = clWindowText;
    TFontCharset FCharset = DEFAULT_CHARSET;
    TFontPitch FPitch = TFontPitch::fpDefault;
    Integer FOrientation = 0;
    Integer FPixelsPerInch = 96;
};

// ---------------------------------------------------------------- pen
enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psUserStyle,
                       psAlternate };
// The 16 binary raster operations, in this order.
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                      pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };

class TPen : public TPersistent {
    DECLARE_CLASS(TPen, TPersistent)
public:
    TPen() = default;
    TPen(const TPen& other) : TPersistent() { Assign(other); }
    void Assign(TPersistent* source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set(FColor, value); }
    Integer Width() const { return FWidth; }   // logical units; 0 and 1 draw one device pixel
    void SetWidth(Integer value) { Set(FWidth, value < 0 ? 0 : value); }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { Set(FStyle, value); }
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode value) { Set(FMode, value); }
    // Dash pattern of psUserStyle: lengths of on and off runs in pixels.
    const std::vector<Integer>& UserPattern() const { return FUserPattern; }
    void SetUserPattern(const std::vector<Integer>& value) { FUserPattern = value; Changed(); }
    void Assign(const TPen& source);
    bool SameAs(const TPen& other) const;
    std::function<void()> OnChange;

private:
    template <class T> void Set(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Changed();
    }
    void Changed() { if (OnChange) OnChange(); }
    TColor FColor = clBlack;
    Integer FWidth = 1;
    TPenStyle FStyle = TPenStyle::psSolid;
    TPenMode FMode = TPenMode::pmCopy;
    std::vector<Integer> FUserPattern;
};

// ---------------------------------------------------------------- brush
enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross,
                         bsDiagCross };
class TBitmap;

class TBrush : public TPersistent {
    DECLARE_CLASS(TBrush, TPersistent)
public:
    TBrush();
    TBrush(const TBrush& other) : TPersistent() { Assign(other); }
    ~TBrush() override;
    void Assign(TPersistent* source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value);
    // A pattern bitmap replaces colour and style while assigned (the brush keeps its own copy).
    TBitmap* Bitmap() const { return FBitmap.get(); }
    void SetBitmap(const TBitmap* value);
    void Assign(const TBrush& source);
    bool SameAs(const TBrush& other) const;
    std::function<void()> OnChange;

private:
    void Changed() { if (OnChange) OnChange(); }
    TColor FColor = clWhite;
    TBrushStyle FStyle = TBrushStyle::bsSolid;
    std::shared_ptr<TBitmap> FBitmap;
};
