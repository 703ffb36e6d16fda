// The speed buttons of the edit controls: frames, drop-down mark and inactive glyph colours.
#include "editcontrols/EcSpeedButton.h"

#include "platform/stdctrls/ExtCtrls.h"

namespace {

Byte ShiftLevel(Byte level, int delta)
{
    const int shifted = level + delta;
    return static_cast<Byte>(shifted < 0 ? 0 : (shifted > 255 ? 255 : shifted));
}

TColor ShiftColor(TColor color, int delta)
{
    const Cardinal rgb = static_cast<Cardinal>(ColorToRGB(color));
    return static_cast<TColor>(RGB(ShiftLevel(GetRValue(rgb), delta), ShiftLevel(GetGValue(rgb), delta),
                                   ShiftLevel(GetBValue(rgb), delta)));
}

void Frame(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight)
{
    Frame3D(canvas, r, topLeft, bottomRight, 1);
}

}  // namespace

TColor HighlightColorOf(TColor faceColor) { return ShiftColor(faceColor, 64); }
TColor ShadowColorOf(TColor faceColor) { return ShiftColor(faceColor, -64); }

TRect DrawSpeedButtonFrame(TCanvas& canvas, const TRect& r, bool down, bool flat, TButtonStyle style,
                           TColor faceColor)
{
    const bool newStyle = style == bsAutoDetect || style == bsNew;
    const TColor hi = HighlightColorOf(faceColor);
    const TColor sh = ShadowColorOf(faceColor);
    TRect inner = r;
    if (down) {
        if (newStyle && !flat) {
            Frame(canvas, inner, clWindowFrame, hi);
            Frame(canvas, inner, sh, faceColor);
        } else if (newStyle) {
            Frame(canvas, inner, sh, hi);
        } else if (flat) {
            Frame(canvas, inner, clWindowFrame, hi);
        } else {
            Frame(canvas, inner, clWindowFrame, clWindowFrame);
            canvas.Pen().SetColor(clBtnShadow);
            canvas.Polyline({{inner.Left, inner.Bottom - 1}, {inner.Left, inner.Top}, {inner.Right, inner.Top}});
        }
    } else {
        if (newStyle && flat) {
            Frame(canvas, inner, hi, sh);
        } else if (newStyle) {
            Frame(canvas, inner, hi, clWindowFrame);
            Frame(canvas, inner, faceColor, sh);
        } else if (flat) {
            Frame(canvas, inner, hi, clWindowFrame);
        } else {
            Frame(canvas, inner, clWindowFrame, clWindowFrame);
            Frame(canvas, inner, hi, sh);
        }
    }
    return TRect{inner.Left + 1, inner.Top + 1, inner.Right - 1, inner.Bottom - 1};
}

void DrawPopupMark(TCanvas& canvas, Integer x, Integer y, TEcButtonState state)
{
    auto triangle = [&canvas](Integer left, Integer top, TColor color) {
        for (Integer i = 0; i < 7; ++i) canvas.SetPixel(left + i, top - 1, color);
        for (Integer i = 1; i < 6; ++i) canvas.SetPixel(left + i, top, color);
        for (Integer i = 2; i < 5; ++i) canvas.SetPixel(left + i, top + 1, color);
        canvas.SetPixel(left + 3, top + 2, color);
    };
    if (state == rbsDisabled) {
        triangle(x + 1, y + 1, clBtnHighlight);
        triangle(x, y, clBtnShadow);
    } else {
        triangle(x, y, clBtnText);
    }
}

TColor GreyPixelColor(TColor color, TColor transparentColor)
{
    if (color == transparentColor || ColorToRGB(color) == ColorToRGB(clBtnFace)) return color;
    const Cardinal rgb = static_cast<Cardinal>(ColorToRGB(color));
    const Byte level = static_cast<Byte>((77 * GetRValue(rgb) + 150 * GetGValue(rgb) + 29 * GetBValue(rgb)) >> 8);
    return static_cast<TColor>(RGB(level, level, level));
}
