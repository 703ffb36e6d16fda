// Colour arithmetic, bevel and border frames, shadow frames, arrows and push-button faces.
#include "foundation/StyGraph.h"

#include <algorithm>
#include <memory>

#include "platform/rtl/RtlMath.h"

namespace {

Byte RedOf(TColor c) { return static_cast<Byte>(c & 0xFF); }
Byte GreenOf(TColor c) { return static_cast<Byte>((c >> 8) & 0xFF); }
Byte BlueOf(TColor c) { return static_cast<Byte>((c >> 16) & 0xFF); }
TColor RGBOf(Integer r, Integer g, Integer b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }

void SolidPen(TCanvas& canvas, TColor color)
{
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
}

void FrameWith(TCanvas& canvas, const TRect& r, TColor color)
{
    canvas.Brush().SetColor(color);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    canvas.FrameRect(r);
}

void Shrink(TRect& r, Integer by) { InflateRect(r, -by, -by); }

// An outline rectangle in the pen colour, the inside left as it is.
void Outline(TCanvas& canvas, const TRect& r, TColor pen)
{
    SolidPen(canvas, pen);
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.Rectangle(r);
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
}

bool IsDown(TStyButtonState state)
{
    return state == bsOptionSet || state == bsDown || state == bsDropDownOpen || state == bsDisabledDown;
}

bool IsDisabled(TStyButtonState state) { return state == bsDisabledUp || state == bsDisabledDown; }

}  // namespace

// ---- colours

void WrapHue(Integer& Hue)
{
    if (Hue < 0) Hue += 252;
    if (Hue > 252) Hue -= 252;
}

TColor LightenColor(TColor Color, Byte Percent)
{
    const TColor c = ColorToRGB(Color);
    auto lighten = [&](Byte v) { return static_cast<Byte>(v + MulDiv(255 - v, Percent, 100)); };
    return RGBOf(lighten(RedOf(c)), lighten(GreenOf(c)), lighten(BlueOf(c)));
}

TColor DarkenColor(TColor Color, Byte Percent)
{
    const TColor c = ColorToRGB(Color);
    const float f = Percent / 100.0f;
    auto darken = [&](Byte v) {
        return std::max<Integer>(0, v - static_cast<Integer>(Round(static_cast<float>((255 - v) * f))));
    };
    return RGBOf(darken(RedOf(c)), darken(GreenOf(c)), darken(BlueOf(c)));
}

Cardinal ColorToHLS(TColor Color)
{
    const Integer r = RedOf(Color), g = GreenOf(Color), b = BlueOf(Color);
    const Integer mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const Integer l = static_cast<Integer>(Round(((mx + mn) * 252.0 + 255) / 510));
    Integer h = 168, s = 0;
    if (mx != mn) {
        const double d = mx - mn, sum = mx + mn;
        s = l <= 126 ? static_cast<Integer>(Round((sum / 2 + d * 252) / sum))
                     : static_cast<Integer>(Round(((510 - sum) / 2 + d * 252) / (510 - sum)));
        auto delta = [&](Integer c) { return static_cast<float>(((mx - c) * 252.0 / 6 + d / 2) / d); };
        if (r == mx) h = static_cast<Integer>(Round(delta(b) - delta(g)));
        else if (g == mx) h = static_cast<Integer>(Round(84 + delta(r) - delta(b)));
        else h = static_cast<Integer>(Round(168 + delta(g) - delta(r)));
        WrapHue(h);
    }
    return static_cast<Cardinal>((h & 0xFF) | ((l & 0xFF) << 8) | ((s & 0xFF) << 16));
}

// ---- frames

bool DrawBevelFrame(TCanvas& Canvas, TRect& Rect, TStyBevelStyle Style, TColor LightColor, TColor ShadowColor,
                    Integer Width)
{
    if (Width == 0 || Style == bvNone || Style == bvShadow) return false;
    TColor topLeft = LightColor, bottomRight = ShadowColor;
    if (Style == bvLowered || Style == bvFrameLowered) std::swap(topLeft, bottomRight);
    if (Style == bvNormal) topLeft = bottomRight = clBlack;

    switch (Style) {
    case bvLowered:
    case bvRaised:
    case bvNormal: {
        TRect& r = Rect;
        r.Bottom -= 1;
        if (Width == 1) {
            r.Right -= 1;
            SolidPen(Canvas, topLeft);
            Canvas.Polyline({{r.Left, r.Bottom}, {r.Left, r.Top}, {r.Right, r.Top}});
            SolidPen(Canvas, bottomRight);
            Canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}, {r.Left, r.Bottom}});
            Shrink(r, 1);
        } else {
            TRect in = ::Rect(r.Left + Width, r.Top + Width, r.Right - Width, r.Bottom - Width);
            Canvas.Pen().SetStyle(TPenStyle::psClear);
            Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
            Canvas.Brush().SetColor(bottomRight);
            Canvas.Polygon({{r.Left, r.Bottom + 1}, {in.Left, in.Bottom}, {in.Right, in.Bottom}, {in.Right, in.Top},
                            {r.Right, r.Top}, {r.Right, r.Bottom + 1}});
            in.Right -= 1;
            Canvas.Brush().SetColor(topLeft);
            Canvas.Polygon({{r.Left, r.Bottom}, {in.Left, in.Bottom}, {in.Left, in.Top}, {in.Right, in.Top},
                            {r.Right - 1, r.Top}, {r.Left, r.Top}});
            Canvas.Pen().SetStyle(TPenStyle::psSolid);
            Shrink(r, Width);
            r.Right -= 1;
        }
        r.Right += 1;
        r.Bottom += 1;
        return true;
    }
    case bvFrameLowered:
    case bvFrameRaised: {
        const TRect r = Rect;
        for (Integer i = 0; i < Width; ++i) {
            FrameWith(Canvas, ::Rect(r.Left + i + 1, r.Top + i + 1, r.Right, r.Bottom), bottomRight);
            FrameWith(Canvas, ::Rect(r.Left, r.Top, r.Right - i - 1, r.Bottom - i - 1), topLeft);
        }
        Rect = ::Rect(r.Left + Width + 1, r.Top + Width + 1, r.Right - Width - 1, r.Bottom - Width - 1);
        return true;
    }
    case bvFlat: FrameWith(Canvas, Rect, ShadowColor); return false;
    default: return false;
    }
}

bool DrawShadowFrame(TCanvas& Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor, Byte Depth,
                     Byte FrameWidth, bool Transparent)
{
    TRect& r = Rect;
    Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    Canvas.Pen().SetStyle(TPenStyle::psClear);
    Canvas.Brush().SetColor(ShadowColor);
    Canvas.FillRect(::Rect(r.Right - Depth, r.Top + Depth, r.Right, r.Bottom));
    Canvas.FillRect(::Rect(r.Left + Depth, r.Bottom - Depth, r.Right, r.Bottom));
    if (!Transparent) {
        Canvas.Brush().SetColor(BackColor);
        Canvas.FillRect(::Rect(r.Right - Depth, r.Top, r.Right, r.Top + Depth));
        Canvas.FillRect(::Rect(r.Left, r.Bottom - Depth, r.Left + Depth, r.Bottom));
    }
    r = ::Rect(r.Left, r.Top, r.Right - Depth, r.Bottom - Depth);
    for (Integer i = 0; i < FrameWidth; ++i) {
        FrameWith(Canvas, r, FrameColor);
        Shrink(r, 1);
    }
    Canvas.Pen().SetStyle(TPenStyle::psSolid);
    Canvas.Pen().SetWidth(1);
    return true;
}

Integer BorderStyleWidth(TStyBorderStyle Style)
{
    switch (Style) {
    case lsNone: return 0;
    case lsSingle:
    case lsSingleRaised:
    case lsSingleLowered: return 1;
    default: return 2;
    }
}

bool DrawBorderStyle(TCanvas& Canvas, TRect& Rect, TStyBorderStyle Style, Word Flags)
{
    return DrawBorderStyleDC(Canvas.Handle(), Rect, Style, Flags);
}

bool DrawBorderStyleDC(HDC DC, TRect& Rect, TStyBorderStyle Style, Word Flags)
{
    const UINT f = Flags | BF_ADJUST;
    auto edge = [&](UINT e, UINT sides) { DrawEdge(DC, &Rect, e, f | sides); };
    switch (Style) {
    case lsNone: break;
    case lsSingle:
        edge(BDR_SUNKENOUTER, BF_TOPLEFT | BF_SOFT);
        edge(BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
        break;
    case lsLowered: edge(EDGE_SUNKEN, BF_RECT | BF_SOFT); break;
    case lsRaised: edge(EDGE_RAISED, BF_RECT | BF_SOFT); break;
    case lsRaisedspb:
    case lsRaisedExt:
        edge(BDR_RAISEDOUTER, BF_RECT | BF_SOFT);
        edge(BDR_RAISEDINNER, BF_BOTTOMRIGHT);
        Rect.Top += 1;
        Rect.Left += 1;
        break;
    case lsLoweredspb:
    case lsLoweredExt:
        edge(BDR_SUNKENOUTER, BF_RECT);
        edge(BDR_SUNKENINNER, BF_TOPLEFT);
        Rect.Right -= 1;
        Rect.Bottom -= 1;
        break;
    case lsFrameInset: edge(EDGE_ETCHED, BF_RECT); break;
    case lsFrameOffset:
        edge(BDR_RAISEDINNER, BF_RECT);
        edge(BDR_SUNKENOUTER, BF_RECT);
        break;
    case lsWindowBorder:
        edge(BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
        Rect.Top += 1;
        Rect.Left += 1;
        edge(BDR_RAISEDINNER, BF_RECT);
        break;
    case lsSingleRaised: edge(BDR_RAISEDINNER, BF_RECT); break;
    case lsSingleLowered: edge(BDR_SUNKENOUTER, BF_RECT); break;
    case lsDoubleRaised:
        edge(BDR_RAISEDINNER, BF_RECT);
        edge(BDR_RAISEDINNER, BF_RECT);
        break;
    case lsDoubleLowered:
        edge(BDR_SUNKENOUTER, BF_RECT);
        edge(BDR_SUNKENOUTER, BF_RECT);
        break;
    }
    return true;
}

void DrawArrow(TCanvas& Canvas, Integer X, Integer Y, Integer Size, TColor Color, bool Down, bool Enabled)
{
    if (Size < 2 || Size > 15) return;
    if (!Enabled) DrawArrow(Canvas, X + 1, Y + 1, Size, clHighlightText, Down, true);
    SolidPen(Canvas, Enabled ? Color : clGrayText);
    if (Down) {
        for (Integer i = 0; i <= Size - 2; ++i) {
            Canvas.MoveTo(X + i, Y + i);
            Canvas.LineTo(X + 2 * Size - i - 1, Y + i);
        }
        Canvas.MoveTo(X + Size - 1, Y + Size - 1);
        Canvas.LineTo(X + Size - 1, Y + Size - 2);
    } else {
        const Integer c = X + Size / 2;
        for (Integer i = 0; i <= Size - 1; ++i) {
            Canvas.MoveTo(c - i, Y + i);
            Canvas.LineTo(c + i + 1, Y + i);
        }
    }
}

// ---- button faces

TBitmap* GetBrushBitmap(TColor aColor)
{
    static std::unique_ptr<TBitmap> pattern;
    static TColor lastColor = clNone;
    if (!pattern) {
        pattern = std::make_unique<TBitmap>(8, 8);
        pattern->Canvas().Brush().SetColor(clWhite);
        pattern->Canvas().FillRect(Rect(0, 0, 8, 8));
    }
    if (aColor != lastColor) {
        lastColor = aColor;
        for (Integer y = 0; y < 8; ++y)
            for (Integer x = 0; x < 8; ++x)
                pattern->Canvas().SetPixel(x, y, (x + y) % 2 ? aColor : clWhite);
    }
    return pattern.get();
}

namespace {

void FocusRect(TCanvas& canvas, const TRect& r)
{
    canvas.Brush().SetStyle(TBrushStyle::bsSolid);
    const TColor oldText = canvas.Font().Color();
    canvas.Font().SetColor(clBlack);
    SetTextColor(canvas.Handle(), clBlack);
    canvas.DrawFocusRect(r);
    canvas.Font().SetColor(oldText);
}

// Content rectangle of the themed and office faces: 3 pixels in, with the focus rectangle.
void FaceContent(TCanvas& canvas, TRect& r, Word flags)
{
    Shrink(r, 3);
    if (flags & bfFocused) FocusRect(canvas, r);
}

TThemedElementDetails ThemedFace(TStyUserButtonStyle style, TStyButtonState state, Word flags, bool hot)
{
    const bool down = IsDown(state), disabled = IsDisabled(state);
    hot = hot || (flags & bfHot);
    switch (style) {
    case ubsWin31:
    case ubsWin40:
    case ubsVesper:
    case ubsIntegrated:
    case ubsWin40Ext: {
        TThemedButton b = tbPushButtonNormal;
        if (flags & bfDefault) b = tbPushButtonDefaulted;
        if (hot) b = tbPushButtonHot;
        if (down) b = tbPushButtonPressed;
        if (disabled) b = tbPushButtonDisabled;
        return StyleServices().GetElementDetails(b);
    }
    case ubsCombo: {
        TThemedComboBox c = tcDropDownButtonNormal;
        if (hot) c = tcDropDownButtonHot;
        if (down) c = tcDropDownButtonPressed;
        if (disabled) c = tcDropDownButtonDisabled;
        return StyleServices().GetElementDetails(c);
    }
    default: {
        int base = ttbButtonNormal;
        if (flags & bfSplit) base = (flags & bfSplitDropDown) ? ttbSplitButtonDropDownNormal : ttbSplitButtonNormal;
        int add = 0;
        if (hot) add = state == bsOptionSet ? 5 : 1;
        else if (state == bsOptionSet) add = 4;
        if (state == bsDown || state == bsDropDownOpen || state == bsDisabledDown) add = 2;
        if (disabled) add = 3;
        return StyleServices().GetElementDetails(static_cast<TThemedToolBar>(base + add));
    }
    }
}

}  // namespace

bool DrawButtonFace(TCanvas& Canvas, bool Hot, TRect& Rect, TStyUserButtonStyle Style, TStyButtonState State,
                    Word Flags, TColor Color, TStyThemeMode ThemeMode)
{
    if ((Flags & bfThemed) && ThemeMode != ttmNone) {
        StyThemeServices().DrawElement(ThemeMode, Canvas.Handle(), ThemedFace(Style, State, Flags, Hot), Rect);
        FaceContent(Canvas, Rect, Flags);
        return true;
    }
    if (Style != ubsOffice && Style != ubsOfficeTransp)
        return DrawButtonFrame(Canvas, Hot, Rect, Style, State, Flags, Color);

    TColor face = Color;
    if (IsDown(State)) face = 0xF7DFD6;
    if ((Flags & bfHot) || Hot) face = State == bsOptionSet ? 0xE0A88D : 0xEFD3C6;
    if (face != Color) {
        SolidPen(Canvas, 0xC66931);
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(face);
        Canvas.Rectangle(Rect);
    } else if (Style == ubsOffice) {
        SolidPen(Canvas, Color);
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(Color);
        Canvas.Rectangle(Rect);
    }
    FaceContent(Canvas, Rect, Flags);
    if (IsDown(State)) OffsetRect(Rect, 1, 1);
    return false;
}

bool DrawButtonFrame(TCanvas& Canvas, bool Hot, TRect& Rect, TStyUserButtonStyle Style, TStyButtonState State,
                     Word Flags, TColor Color)
{
    int kind = 4;
    switch (Style) {
    case ubsWin31: kind = 1; break;
    case ubsWin40: kind = (Flags & bfWin40Frame) ? 2 : 3; break;
    case ubsVesper: kind = 5; break;
    case ubsIntegrated:
    case ubsCombo: kind = 10; break;
    case ubsWin40Ext: kind = 14; break;
    default: kind = 4; break;
    }
    const bool explorer = Style == ubsExplorer || Style == ubsExplorerColored;
    Canvas.Pixel(0, 0);
    HDC dc = Canvas.Handle();
    const bool down = IsDown(State);
    auto fillFace = [&] {
        Canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        Canvas.Brush().SetColor(Color);
        Canvas.FillRect(Rect);
    };
    if (!explorer) {
        if (State == bsOptionSet && !(kind == 4 && Hot)) {
            Canvas.Brush().SetBitmap(GetBrushBitmap(Color));
            Canvas.FillRect(Rect);
            Canvas.Brush().SetBitmap(nullptr);
        } else {
            fillFace();
        }
    }
    auto corners = [&] {
        const TRect& r = Rect;
        for (TPoint p : {TPoint{r.Left, r.Top}, TPoint{r.Right - 1, r.Top}, TPoint{r.Left, r.Bottom - 1},
                         TPoint{r.Right - 1, r.Bottom - 1}})
            Canvas.SetPixel(p.X, p.Y, clBtnFace);
    };
    if (!down && (Flags & (bfFocused | bfDefault))) {
        Outline(Canvas, Rect, clWindowFrame);
        if (Style == ubsWin31 && (Flags & bfCorners)) {
            corners();
            Flags &= ~bfCorners;
        }
        Shrink(Rect, 1);
    }
    TRect r0 = Rect;

    switch (kind) {
    case 1:
        DrawEdge(dc, &Rect, BDR_SUNKENOUTER, BF_TOPLEFT | BF_SOFT);
        DrawEdge(dc, &Rect, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
        if (Style == ubsWin31 && (Flags & bfCorners)) corners();
        Shrink(Rect, 1);
        if (down) {
            DrawEdge(dc, &Rect, BDR_SUNKENINNER, BF_TOPLEFT);
        } else {
            DrawEdge(dc, &Rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
            DrawEdge(dc, &Rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        }
        Shrink(r0, 1);
        break;
    case 2:
        if (!down) DrawBorderStyle(Canvas, Rect, lsRaisedspb, BF_RECT);
        else if (Flags & bfSunkenEdge) DrawEdge(dc, &Rect, EDGE_SUNKEN, BF_RECT);
        else DrawBorderStyle(Canvas, Rect, lsLowered, 0);
        break;
    case 3:
        if (down) {
            Outline(Canvas, Rect, clBlack);
            Shrink(Rect, 1);
            Outline(Canvas, Rect, 0x808080);
            Shrink(Rect, -1);
            SolidPen(Canvas, clBlack);
        } else if (Flags & bfFocused) {
            DrawEdge(dc, &Rect, BDR_RAISEDOUTER, BF_RECT | BF_SOFT);
            DrawEdge(dc, &Rect, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
        } else {
            DrawBorderStyle(Canvas, Rect, lsRaisedspb, 0);
        }
        break;
    case 4:
        if ((Style == ubsNavigator || Style == ubsVesperFlat) && (down || Hot)) {
            Canvas.Rectangle(Rect);
            Shrink(Rect, 1);
        }
        if (down) DrawEdge(dc, &Rect, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        else if (!Hot) {
            if (!explorer) fillFace();
        } else {
            DrawEdge(dc, &Rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        }
        break;
    case 5:
        Outline(Canvas, Rect, clBlack);
        if (down) {
            SolidPen(Canvas, 0x808080);
            Canvas.MoveTo(Rect.Left + 1, Rect.Top + 1);
            Canvas.LineTo(Rect.Right - 1, Rect.Top + 1);
            Canvas.MoveTo(Rect.Left + 1, Rect.Top + 1);
            Canvas.LineTo(Rect.Left + 1, Rect.Bottom - 1);
        } else {
            Shrink(Rect, 1);
            DrawEdge(dc, &Rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
            Shrink(Rect, -1);
        }
        break;
    case 10:
        if (down) {
            Outline(Canvas, Rect, 0x808080);
        } else {
            const TRect& r = Rect;
            Outline(Canvas, r, clBlack);
            SolidPen(Canvas, clBtnFace);
            Canvas.MoveTo(r.Right - 2, r.Top);
            Canvas.LineTo(r.Left, r.Top);
            Canvas.LineTo(r.Left, r.Bottom - 1);
            Outline(Canvas, ::Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), 0xFFFFFF);
            SolidPen(Canvas, 0x808080);
            Canvas.MoveTo(r.Right - 2, r.Top + 1);
            Canvas.LineTo(r.Right - 2, r.Bottom - 2);
            Canvas.LineTo(r.Left, r.Bottom - 2);
        }
        break;
    case 14:
        if (down) DrawEdge(dc, &Rect, EDGE_SUNKEN, BF_RECT);
        else if (Hot) DrawBorderStyle(Canvas, Rect, lsRaisedspb, 0);
        else DrawEdge(dc, &Rect, BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
        break;
    }

    if (Flags & bfFocused) {
        Rect = r0;
        Shrink(Rect, down ? 4 : 3);
        FocusRect(Canvas, Rect);
    }
    Rect = r0;
    Shrink(Rect, 3);
    if (down) OffsetRect(Rect, 1, 1);
    return true;
}
