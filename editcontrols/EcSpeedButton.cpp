// The speed buttons of the edit controls: frames, drop-down mark and inactive glyph colours.
#include "editcontrols/EcSpeedButton.h"

#include <algorithm>

#include "editcontrols/EcCoreUtils.h"
#include "editcontrols/EcThemes.h"
#include "platform/graphics/GdiApi.h"
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

namespace {

// Each line shortened to the width, trailing blanks and line breaks removed.
String FitCaptionLines(const String& caption, TCanvas& canvas, Integer width)
{
    String result;
    String line;
    auto flush = [&](bool lineBreak) {
        result += FitTextWithEllipsis(line, canvas, width);
        if (lineBreak) result += String("\r\n");
        line = String();
    };
    for (int i = 1; i <= caption.Length(); ++i) {
        if (caption[i] == u'\r') continue;
        if (caption[i] == u'\n') flush(true);
        else line += caption[i];
    }
    flush(false);
    int last = result.Length();
    while (last > 0 && (result[last] == u' ' || result[last] == u'\r' || result[last] == u'\n')) --last;
    return Copy(result, 1, last);
}

}  // namespace

TEcButtonLayout CalcButtonLayout(TCanvas& canvas, const TRect& client, TPoint offset, const String& caption,
                                 TButtonLayout layout, Integer margin, Integer spacing, bool popupMark,
                                 TPoint glyphSize, bool wordWrap, Cardinal flags)
{
    const TPoint clientSize{client.Right - client.Left, client.Bottom - client.Top};
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    TPoint glyph = glyphSize;

    // The room left for the caption.
    TPoint room = clientSize;
    const Integer fixed = (margin != -1 ? margin : 0) + (spacing != -1 ? spacing : 0);
    if (horizontal) room.X -= glyph.X + fixed + (popupMark ? 9 : 0);
    else room.Y -= glyph.Y + fixed;
    room.X = std::max<Integer>(room.X, 0);
    room.Y = std::max<Integer>(room.Y, 0);

    TEcButtonLayout result;
    result.Caption = wordWrap ? caption : FitCaptionLines(caption, canvas, room.X);
    TRect bounds{0, 0, 0, 0};
    if (!result.Caption.IsEmpty()) {
        bounds = TRect{0, 0, room.X, 0};
        DrawThemedText(canvas.Handle(), result.Caption, bounds, false,
                       DT_CALCRECT | DT_VCENTER | (wordWrap ? DT_WORDBREAK : 0) | flags);
        bounds.Right = bounds.Left + std::max<Integer>(std::min(bounds.Right - bounds.Left, room.X), 0);
        bounds.Bottom = bounds.Top + std::max<Integer>(std::min(bounds.Bottom - bounds.Top, room.Y), 0);
    }
    TPoint text{bounds.Right - bounds.Left, bounds.Bottom - bounds.Top};

    if (popupMark) {
        if (glyph.X == 0 || glyph.Y == 0 || layout == blGlyphLeft) text.X += 9;
        else if (glyph.X > 0) glyph.X += 6;
    }

    TPoint glyphPos{0, 0};
    TPoint textPos{0, 0};
    if (horizontal) {
        glyphPos.Y = (clientSize.Y - glyph.Y) / 2;
        textPos.Y = (clientSize.Y - text.Y) / 2;
    } else {
        glyphPos.X = (clientSize.X - glyph.X) / 2;
        textPos.X = (clientSize.X - text.X) / 2;
    }
    const bool centred = (flags & DT_CENTER) != 0;
    const bool right = (flags & DT_RIGHT) != 0;
    if (!centred) {
        if (right) {
            if (horizontal) glyphPos.X = clientSize.X - glyph.X - text.X;
            textPos.X = clientSize.X - text.X;
        } else {
            if (horizontal) {
                glyphPos.X = 0;
                textPos.X = glyph.X;
            } else {
                textPos.X = 0;
            }
        }
    }

    if (text.X == 0 || glyph.X == 0) spacing = 0;
    if (margin == -1 && spacing == -1) {
        margin = horizontal ? (clientSize.X - (glyph.X + text.X)) / 3 : (clientSize.Y - (glyph.Y + text.Y)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        const TPoint total{glyph.X + spacing + text.X, glyph.Y + spacing + text.Y};
        if (!horizontal) margin = clientSize.Y / 2 - total.Y / 2;
        else if (centred) margin = clientSize.X / 2 - total.X / 2;
        else if (layout == blGlyphRight) margin = right ? 0 : clientSize.X - text.X - glyph.X;
        else margin = glyphPos.X;
    } else if (spacing == -1) {
        spacing = horizontal ? (clientSize.X - (margin + glyph.X)) / 2 - text.X / 2
                             : (clientSize.Y - (margin + glyph.Y)) / 2 - text.Y / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = margin + glyph.X + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = clientSize.X - margin - glyph.X;
        textPos.X = glyphPos.X - spacing - text.X;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = margin + glyph.Y + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = clientSize.Y - margin - glyph.Y;
        textPos.Y = glyphPos.Y - spacing - text.Y;
        break;
    }

    const TPoint shift{client.Left + offset.X, client.Top + offset.Y};
    result.GlyphPos = TPoint{glyphPos.X + shift.X, glyphPos.Y + shift.Y};
    result.TextBounds = TRect{bounds.Left + textPos.X + shift.X, bounds.Top + textPos.Y + shift.Y,
                              bounds.Right + textPos.X + shift.X, bounds.Bottom + textPos.Y + shift.Y};
    return result;
}
