#include "platform/graphics/Graphics.h"

#include <algorithm>

#include "platform/graphics/Bitmaps.h"
#include "platform/rtl/RtlMath.h"

bool IntersectRect(TRect& dest, const TRect& a, const TRect& b)
{
    dest = {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (dest.IsEmpty()) {
        dest = {};
        return false;
    }
    return true;
}

bool UnionRect(TRect& dest, const TRect& a, const TRect& b)
{
    if (a.IsEmpty()) dest = b;
    else if (b.IsEmpty()) dest = a;
    else dest = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                 std::max(a.Bottom, b.Bottom)};
    return !dest.IsEmpty();
}

void OffsetRect(TRect& r, Integer dx, Integer dy) { r = {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}; }
void InflateRect(TRect& r, Integer dx, Integer dy) { r = {r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy}; }
bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }

// ---------------------------------------------------------------- colours

Cardinal GetSysColor(int index)
{
    static const Cardinal scheme[31] = {
        RGB(200, 200, 200), RGB(0, 0, 0),       RGB(153, 180, 209), RGB(191, 205, 219), RGB(240, 240, 240),
        RGB(255, 255, 255), RGB(100, 100, 100), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),
        RGB(180, 180, 180), RGB(244, 247, 252), RGB(171, 171, 171), RGB(0, 120, 215),   RGB(255, 255, 255),
        RGB(240, 240, 240), RGB(160, 160, 160), RGB(109, 109, 109), RGB(0, 0, 0),       RGB(0, 0, 0),
        RGB(255, 255, 255), RGB(105, 105, 105), RGB(227, 227, 227), RGB(0, 0, 0),       RGB(255, 255, 225),
        RGB(0, 0, 0),       RGB(0, 102, 204),   RGB(185, 209, 234), RGB(215, 228, 242), RGB(0, 120, 215),
        RGB(240, 240, 240)};
    return index >= 0 && index < 31 ? scheme[index] : 0;
}

TColor ColorToRGB(TColor color)
{
    if ((color & clSystemColor) == clSystemColor) return static_cast<TColor>(GetSysColor(color & 0xFF));
    return color;   // drawing uses the low 24 bits: clNone draws white, clDefault black
}

namespace {
struct ColorName {
    TColor Value;
    const char* Name;
};
const ColorName ColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"}, {clMedGray, "clMedGray"},
    {clActiveBorder, "clActiveBorder"}, {clActiveCaption, "clActiveCaption"},
    {clAppWorkSpace, "clAppWorkSpace"}, {clBackground, "clBackground"}, {clBtnFace, "clBtnFace"},
    {clBtnHighlight, "clBtnHighlight"}, {clBtnShadow, "clBtnShadow"}, {clBtnText, "clBtnText"},
    {clCaptionText, "clCaptionText"}, {clDefault, "clDefault"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"}, {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clInfoBk, "clInfoBk"}, {clInfoText, "clInfoText"},
    {clMenu, "clMenu"}, {clMenuBar, "clMenuBar"}, {clMenuHighlight, "clMenuHighlight"},
    {clMenuText, "clMenuText"}, {clNone, "clNone"}, {clScrollBar, "clScrollBar"},
    {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"}, {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"}, {clWindowText, "clWindowText"}};
}  // namespace

String ColorToString(TColor color)
{
    for (const ColorName& c : ColorNames)
        if (c.Value == color) return c.Name;
    return "$" + IntToHex(static_cast<Cardinal>(color), 8);
}

bool IdentToColor(const String& ident, TColor& color)
{
    for (const ColorName& c : ColorNames)
        if (SameText(ident, c.Name)) {
            color = c.Value;
            return true;
        }
    return false;
}

TColor StringToColor(const String& text)
{
    TColor color;
    if (IdentToColor(text, color)) return color;
    return static_cast<TColor>(StrToInt(text));
}

// ---------------------------------------------------------------- font

IMPLEMENT_CLASS(TFont, TPersistent, NewObject<TFont>)
IMPLEMENT_CLASS(TPen, TPersistent, NewObject<TPen>)
IMPLEMENT_CLASS(TBrush, TPersistent, NewObject<TBrush>)

TFont::TFont() = default;
TFont::TFont(const TFont& other) : TPersistent(), FPixelsPerInch(other.FPixelsPerInch) { Assign(other); }

void TFont::Assign(TPersistent* source)
{
    if (auto* f = dynamic_cast<TFont*>(source)) Assign(*f);
    else inherited::Assign(source);
}

void TPen::Assign(TPersistent* source)
{
    if (auto* p = dynamic_cast<TPen*>(source)) Assign(*p);
    else inherited::Assign(source);
}

void TBrush::Assign(TPersistent* source)
{
    if (auto* b = dynamic_cast<TBrush*>(source)) Assign(*b);
    else inherited::Assign(source);
}
TFont& TFont::operator=(const TFont& other)
{
    Assign(other);
    return *this;
}

void TFont::Assign(const TFont& source)
{
    if (this == &source) return;
    FName = source.FName;
    FHeight = source.FHeight;
    FStyle = source.FStyle;
    FColor = source.FColor;
    FCharset = source.FCharset;
    FPitch = source.FPitch;
    FOrientation = source.FOrientation;
    // a font taken over at another resolution keeps its point size
    if (FPixelsPerInch != source.FPixelsPerInch)
        FHeight = std::clamp(-MulDiv(source.Size(), FPixelsPerInch, 72), -MaxFontHeight, MaxFontHeight);
    Changed();
}

bool TFont::SameAs(const TFont& o) const
{
    return FName == o.FName && FHeight == o.FHeight && FStyle == o.FStyle && FColor == o.FColor &&
           FCharset == o.FCharset && FPitch == o.FPitch && FOrientation == o.FOrientation;
}

void TFont::Changed() { if (OnChange) OnChange(); }

void TFont::SetName(const String& value)
{
    if (value.IsEmpty() || FName == value) return;
    FName = value;
    Changed();
}

void TFont::SetHeight(Integer value)
{
    value = std::clamp(value, -MaxFontHeight, MaxFontHeight);
    if (FHeight == value) return;
    FHeight = value;
    Changed();
}

Integer TFont::Size() const { return -MulDiv(FHeight, 72, FPixelsPerInch); }
void TFont::SetSize(Integer points)
{
    SetHeight(-MulDiv(std::clamp(points, -MaxFontHeight, MaxFontHeight), FPixelsPerInch, 72));
}

void TFont::SetStyle(const TFontStyles& value)
{
    if (FStyle == value) return;
    FStyle = value;
    Changed();
}

void TFont::SetColor(TColor value)
{
    if (FColor == value) return;
    FColor = value;
    Changed();
}

void TFont::SetCharset(TFontCharset value)
{
    if (FCharset == value) return;
    FCharset = value;
    Changed();
}

void TFont::SetPitch(TFontPitch value)
{
    if (FPitch == value) return;
    FPitch = value;
    Changed();
}

void TFont::SetOrientation(Integer value)
{
    if (FOrientation == value) return;
    FOrientation = value;
    Changed();
}

// ---------------------------------------------------------------- pen, brush

void TPen::Assign(const TPen& s)
{
    FColor = s.FColor;
    FWidth = s.FWidth;
    FStyle = s.FStyle;
    FMode = s.FMode;
    FUserPattern = s.FUserPattern;
    Changed();
}

bool TPen::SameAs(const TPen& o) const
{
    return FColor == o.FColor && FWidth == o.FWidth && FStyle == o.FStyle && FMode == o.FMode &&
           FUserPattern == o.FUserPattern;
}

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::SetColor(TColor value)
{
    if (FColor == value && FStyle != TBrushStyle::bsClear && !FBitmap) return;
    FColor = value;
    FBitmap.reset();
    if (FStyle == TBrushStyle::bsClear) FStyle = TBrushStyle::bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle value)
{
    if (FStyle == value && !FBitmap) return;
    FStyle = value;
    FBitmap.reset();
    Changed();
}

void TBrush::SetBitmap(const TBitmap* value)
{
    FBitmap.reset();
    if (value) {
        FBitmap = std::make_shared<TBitmap>();
        FBitmap->Assign(*value);
    }
    Changed();
}

void TBrush::Assign(const TBrush& s)
{
    FColor = s.FColor;
    FStyle = s.FStyle;
    FBitmap = s.FBitmap;
    Changed();
}

bool TBrush::SameAs(const TBrush& o) const
{
    return FColor == o.FColor && FStyle == o.FStyle && FBitmap == o.FBitmap;
}
