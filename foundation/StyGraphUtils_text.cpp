// Captions with 3D effects, their measuring, nine-way alignment and the layout of a glyph beside
// or above a caption with an optional drop-down arrow.
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

#include "foundation/StyGraphUtils.h"
#include "platform/rtl/RtlMath.h"

namespace {

constexpr Cardinal ExtTextOutFlag = 0x80000000u;

// The caption's drawing mode: the plain 3D object, the rotating one without angle and tracing
// (simple), or rotated.
enum class TCaptionMode { Plain, Simple, Rotated };

TCaptionMode ModeOf(TSty3DCaption* caption)
{
    auto* fx = dynamic_cast<TStyFxCaption*>(caption);
    if (!fx) return TCaptionMode::Plain;
    return fx->Angle() == 0 && fx->Tracing() == 0 ? TCaptionMode::Simple : TCaptionMode::Rotated;
}

std::vector<String> SplitLines(const String& text)
{
    std::vector<String> lines;
    String line;
    for (Integer i = 1; i <= text.Length(); ++i) {
        const char16_t c = text[i];
        if (c == u'\n') {
            lines.push_back(line);
            line = String();
        } else if (c != u'\r') {
            line = line + String(std::u16string(1, c));
        }
    }
    lines.push_back(line);
    return lines;
}

// The extra width and height a 3D style adds to the text.
Integer ThreeDExtent(const TSty3DCaption& c)
{
    switch (c.Style()) {
    case tdSunken:
    case tdRaised: return c.LightDepth();
    case tdSunkenShadow:
    case tdRaisedShadow:
    case tdPColorSunken:
    case tdPColorRaised: return c.LightDepth() + c.ShadowDepth();
    case tdShadow:
    case tdOutline:
    case tdExtrude:
    case tdExtrudeEnh: return c.ShadowDepth();
    default: return 0;
    }
}

// Width of the widest line and the summed line heights; each line measured with a space after it.
TSize MultiLineSize(TCanvas& canvas, const String& text, bool multiLine)
{
    if (!multiLine || Pos(String("\n"), text) == 0) return canvas.TextExtent(text);
    TSize size;
    for (const String& line : SplitLines(text)) {
        const TSize s = canvas.TextExtent(line + " ");
        size.cx = std::max(size.cx, s.cx);
        size.cy += s.cy;
    }
    return size;
}

// One layer of caption text in the given colour.
void TextLayer(TCanvas& canvas, const String& text, const TRect& r, Cardinal flags, bool ext, TColor color,
               TCaptionMode mode, Integer angle, bool tracing)
{
    canvas.Font().SetColor(color);
    HDC dc = canvas.Handle();
    if (mode != TCaptionMode::Rotated && !tracing) {
        if (ext) {
            ExtTextOut(dc, r.Left, r.Top, 0, nullptr, text, text.Length());
        } else {
            TRect box = r;
            DrawTextEx(dc, text, text.Length(), &box, flags, nullptr);
        }
        return;
    }
    const std::vector<String> lines =
        (flags & DT_SINGLELINE) ? std::vector<String>{text} : SplitLines(text);
    const double rad = angle * std::numbers::pi / 180.0;
    const double cs = std::cos(rad), sn = std::sin(rad);
    TPoint at = r.TopLeft();
    const int oldAlign = GetTextAlign(dc);
    if ((flags & (DT_CENTER | DT_RIGHT)) && (lines.size() > 1 || tracing)) {
        const bool right = flags & DT_RIGHT;
        SetTextAlign(dc, right ? TA_RIGHT : TA_CENTER);
        const double w = right ? r.Width() : r.Width() / 2.0, h = right ? r.Height() : r.Height() / 2.0;
        if (angle == 0) {
            at.X += static_cast<Integer>(Round(w));
        } else {
            const double m = std::max(w, h);
            at.X += static_cast<Integer>(Round(cs * m));
            at.Y -= static_cast<Integer>(Round(sn * m));
        }
    }
    const Integer lineHeight = canvas.TextHeight("W");
    for (const String& line : lines) {
        ExtTextOut(dc, at.X, at.Y, 0, nullptr, line, line.Length());
        if (angle != 0) {
            at.X += static_cast<Integer>(Round(sn * lineHeight));
            at.Y += static_cast<Integer>(Round(cs * lineHeight));
        } else {
            at.Y += lineHeight;
        }
    }
    SetTextAlign(dc, oldAlign);
}

}  // namespace

UINT AlignmentFlags(TStyAlignment Alignment)
{
    static const UINT flags[] = {0, 1, 2, 4, 5, 6, 8, 9, 0xA};
    return flags[Alignment];
}

void AlignRect(TStyAlignment Alignment, const TRect& SizeRect, const TRect& Bounds, TRect& Result)
{
    const Integer w = SizeRect.Width(), h = SizeRect.Height(), W = Bounds.Width(), H = Bounds.Height();
    const int column = Alignment % 3, row = Alignment / 3;
    const Integer dx = column == 0 ? 0 : column == 1 ? (W - w) / 2 : W - w;
    const Integer dy = row == 0 ? 0 : row == 1 ? (H - h) / 2 : H - h;
    Result = ::Bounds(Bounds.Left + dx, Bounds.Top + dy, w, h);
}

void DrawCaptionText(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, const TRect& TextRect,
                     Cardinal DTFlags, TStyDrawTextStyles Styles, const TRect* ClipRect)
{
    if (Text.IsEmpty() || TextRect.IsEmpty()) return;
    const bool ext = DTFlags & ExtTextOutFlag;
    DTFlags &= ~ExtTextOutFlag;
    if (!Caption) {
        TextLayer(Canvas, Text, TextRect, DTFlags, ext, Canvas.Font().Color(), TCaptionMode::Plain, 0, false);
        return;
    }
    const TCaptionMode mode = ModeOf(Caption);
    auto* fx = dynamic_cast<TStyFxCaption*>(Caption);
    HDC dc = Canvas.Handle();

    // The clip: ClipRect (or the text rectangle) added to the canvas's own clip region.
    std::unique_ptr<TRegion> oldClip;
    const bool clip = Styles.Contains(dtClip);
    if (clip) {
        if (Canvas.ClipRegion()) oldClip = std::make_unique<TRegion>(*Canvas.ClipRegion());
        TRegion region(Canvas.LPtoDP(ClipRect ? *ClipRect : TextRect));
        if (oldClip) region.Combine(*oldClip, RGN_OR);
        Canvas.SelectClipRgn(&region);
    }

    TStyThreeDStyle style = Caption->Style();
    TColor c = Canvas.Font().Color();
    if (Styles.Contains(dtEnabled) || Caption->DisabledStyle() == dsNone) {
        if (style == tdPColorSunken || style == tdPColorRaised) c = Canvas.Brush().Color();
    } else {
        c = clGrayText;
        if (Caption->DisabledStyle() == ds3d || (Caption->DisabledStyle() == dsAuto && Styles.Contains(dt3DDisabled)))
            style = tdSunken;
    }
    const Integer angle = fx ? fx->Angle() : 0;
    if (mode == TCaptionMode::Rotated && angle != 0) Canvas.Font().SetOrientation(angle * 10);
    TRect r = TextRect;
    if (fx) {
        r.Left += fx->PosX();
        r.Top += fx->PosY();
    }
    const bool tracing = Caption->Tracing() != 0;
    if (tracing) SetTextCharacterExtra(dc, Caption->Tracing());
    Canvas.Brush().SetStyle(TBrushStyle::bsClear);

    const Integer L = Caption->LightDepth(), S = Caption->ShadowDepth();
    const TColor light = Caption->LightColor(), shadow = Caption->ShadowColor();
    auto layer = [&](Integer dx, Integer dy, TColor color) {
        OffsetRect(r, dx, dy);
        TextLayer(Canvas, Text, r, DTFlags, ext, color, mode, angle, tracing);
    };
    switch (style) {
    case tdSunken:
        r.Right -= L;
        layer(L, L, light);
        layer(-L, -L, c);
        break;
    case tdRaised:
        r.Right -= L;
        layer(0, 0, light);
        layer(L, L, c);
        break;
    case tdSunkenShadow:
    case tdPColorSunken:
        r.Right -= L + S;
        layer(0, 0, shadow);
        layer(L + S, L + S, light);
        layer(-L, -L, c);
        break;
    case tdRaisedShadow:
    case tdPColorRaised:
        r.Right -= L + S;
        layer(L + S, L + S, shadow);
        layer(-(L + S), -(L + S), light);
        layer(L, L, c);
        break;
    case tdShadow:
        r.Right -= S;
        layer(S, S, shadow);
        layer(-S, -S, c);
        break;
    case tdOutline:
        // the letters' outlines, stroked with a pen as wide as the shadow is deep
        BeginPath(dc);
        layer(S / 2, S / 2, c);
        EndPath(dc);
        Canvas.Pen().SetStyle(TPenStyle::psSolid);
        Canvas.Pen().SetColor(c);
        Canvas.Pen().SetWidth(S);
        StrokePath(dc);
        break;
    case tdExtrude:
    case tdExtrudeEnh: {
        TPoint move, step;
        switch (Caption->Orientation()) {
        case toBottomLeft: move = {0, S + 1}; step = {1, -1}; break;
        case toBottomRight: move = {S + 1, S + 1}; step = {-1, -1}; break;
        case toTopLeft: move = {0, 0}; step = {1, 1}; break;
        case toTopRight: move = {S + 1, 0}; step = {-1, 1}; break;
        }
        OffsetRect(r, move.X, move.Y);
        for (Integer k = S; k >= 1; --k)
            layer(step.X, step.Y, style == tdExtrude ? shadow : GradientColorStep(shadow, light, k - 1, S));
        layer(0, 0, c);
        break;
    }
    default: layer(0, 0, c); break;
    }
    if (tracing) SetTextCharacterExtra(dc, 0);
    if (clip) Canvas.SelectClipRgn(oldClip.get());
}

void MeasureCaptionOnCanvas(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, TRect& Rect, TFont& Font,
                            bool MultiLine, bool ShowAccel, Integer Margin, Cardinal DTFlags)
{
    Canvas.Font().Assign(&Font);
    auto* fx = dynamic_cast<TStyFxCaption*>(Caption);
    const bool rotated = fx && fx->Angle() != 0;
    HDC dc = Canvas.Handle();
    const Integer extent = Caption ? ThreeDExtent(*Caption) : 0;
    if (rotated) {
        if (fx->Tracing()) SetTextCharacterExtra(dc, fx->Tracing());
        TSize size = MultiLineSize(Canvas, Text, MultiLine);
        if (SplitLines(Text).size() > 1) size.cy += Canvas.TextHeight("W");
        Rect.Right = Rect.Left + size.cx + extent;
        Rect.Bottom = Rect.Top + size.cy + extent;
        SetTextCharacterExtra(dc, 0);
        const double w = Rect.Width(), h = Rect.Height();
        double cs = 1, sn = 0;
        switch (fx->Angle()) {
        case 90: cs = 0; sn = 1; break;
        case 180: cs = -1; sn = 0; break;
        case 270: cs = 0; sn = -1; break;
        default: {
            const double rad = fx->Angle() * std::numbers::pi / 180.0;
            cs = std::cos(rad);
            sn = std::sin(rad);
        }
        }
        const double cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
        // The bounding box of the rectangle turned about its centre.
        const double bw = std::abs(w * cs) + std::abs(h * sn), bh = std::abs(w * sn) + std::abs(h * cs);
        Rect = ::Rect(static_cast<Integer>(Round(cx - bw / 2)), static_cast<Integer>(Round(cy - bh / 2)),
                      static_cast<Integer>(Round(cx + bw / 2)), static_cast<Integer>(Round(cy + bh / 2)));
        const Integer L = fx->LightDepth(), S = fx->ShadowDepth();
        Integer m = 0;
        switch (fx->Style()) {
        case tdSunken:
        case tdRaised: m = L / 2 - 1; break;
        case tdSunkenShadow:
        case tdRaisedShadow:
        case tdPColorSunken:
        case tdPColorRaised: m = (L + S) / 2 - 1; break;
        case tdShadow:
        case tdExtrude:
        case tdExtrudeEnh: m = S / 2 - 1; break;
        default: break;
        }
        m = std::max<Integer>(0, m);
        const double ncx = Rect.Left + Rect.Width() / 2.0, ncy = Rect.Top + Rect.Height() / 2.0;
        fx->SetPosXY(static_cast<Word>(Round(ncx - w / 2 * cs - h / 2 * sn) - m - Rect.Left),
                     static_cast<Word>(Round(ncy + w / 2 * sn - h / 2 * cs) - m - Rect.Top));
    } else {
        if (fx) fx->SetPosXY(0, 0);
        DTFlags |= DT_CALCRECT | DT_EXPANDTABS;
        if (MultiLine) DTFlags |= DT_WORDBREAK;
        const String text = Text.IsEmpty() || (ShowAccel && Text == String("&")) ? String(" ") : Text;
        if (Caption && Caption->Tracing()) {
            SetTextCharacterExtra(dc, Caption->Tracing());
            const TSize size = MultiLineSize(Canvas, text, MultiLine);
            SetTextCharacterExtra(dc, 0);
            Rect.Right = Rect.Left + size.cx;
            Rect.Bottom = Rect.Top + size.cy;
        } else {
            DrawTextEx(dc, text, text.Length(), &Rect, DTFlags | (ShowAccel ? 0 : UINT{DT_NOPREFIX}), nullptr);
        }
        Rect.Right += extent;
        Rect.Bottom += extent;
    }
    Rect.Right += 2 * (Margin + 1);
    Rect.Bottom += 2 * (Margin + 1);
}

void MeasureCaption(const String& Text, TSty3DCaption* Caption, TRect& Rect, TFont& Font, bool MultiLine,
                    bool ShowAccel, Integer Margin, Cardinal DTFlags)
{
    TBitmap screen(1, 1);
    MeasureCaptionOnCanvas(screen.Canvas(), Text, Caption, Rect, Font, MultiLine, ShowAccel, Margin, DTFlags);
}

void CalcCaptionRect(TStyAlignment Alignment, const String& Text, TSty3DCaption* Caption, const TRect& Bounds,
                     TFont& Font, bool MultiLine, bool ShowAccel, Cardinal DTFlags, TRect& Result)
{
    TRect measured = Bounds;
    measured.Right -= 1;
    MeasureCaption(Text, Caption, measured, Font, MultiLine, ShowAccel, 0, DTFlags);
    AlignRect(Alignment, measured, Bounds, Result);
}

void DrawGlyphTextLayout(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, const TRect& Dest,
                         TCanvas* GlyphCanvas, TRect& GlyphRect, TStyGlyphTextLayout* Layout, bool MultiLine,
                         bool ShowAccel, const TStyGlyphTransparency& Transparency, TStyDrawTextStyles Styles,
                         Cardinal DTFlags, TStyLayoutRects& Rects)
{
    Rects = TStyLayoutRects{};
    const bool showGlyph = !GlyphRect.IsEmpty() && (GlyphCanvas || Styles.Contains(dtGhostGlyph));
    TRect glyph = showGlyph ? Rect(0, 0, GlyphRect.Width(), GlyphRect.Height()) : TRect{};
    const bool hasText = !Text.IsEmpty();
    const Integer sp = Layout && hasText == showGlyph ? Layout->Spacing() : 0;

    TRect text;
    if (hasText) {
        text = Rect(0, 0, std::abs(Dest.Width()) - sp - glyph.Width(), 0);
        MeasureCaption(Text, Caption, text, Canvas.Font(), MultiLine, ShowAccel, 0, DTFlags & ~ExtTextOutFlag);
        OffsetRect(text, -text.Left, -text.Top);
    }
    auto* button = dynamic_cast<TStyButtonLayout*>(Layout);
    const bool arrow = button && button->Arrow();
    const Integer A = arrow ? 2 * button->ArrowSize() - 1 : 0;
    const bool arrowAtGlyph = arrow && (button->ArrowPosition() == apRightGlyph || button->ArrowPosition() == apLeftGlyph);
    if (arrow) {
        if (arrowAtGlyph) glyph.Right += A + button->ArrowIndent();
        else text.Right += A + button->ArrowIndent();
    }
    const bool calculate = Styles.Contains(dtCalculate);
    if (calculate) Styles.Include(dtRectGlyphText);

    // Arrangement: the text and glyph boxes inside their total, from (0, 0).
    const Integer tw = text.Width(), th = text.Height(), gw = glyph.Width(), gh = glyph.Height();
    const TStyTextArrange arrange = Layout ? Layout->AlignText2Glyph() : taRight;
    TRect total;
    TPoint tAt, gAt;
    switch (arrange) {
    case taLeft:
    case taLeftTop:
    case taRight:
    case taRightTop: {
        const Integer h = std::max(th, gh);
        total = Rect(0, 0, tw + sp + gw, h);
        const Integer ty = (h - th) / 2, gy = (h - gh) / 2;
        if (arrange == taLeft) { tAt = {0, ty}; gAt = {tw + sp, gy}; }
        else if (arrange == taLeftTop) { tAt = {0, ty}; gAt = {tw + sp, 0}; }
        else if (arrange == taRight) { gAt = {0, gy}; tAt = {gw + sp, ty}; }
        else { gAt = {0, 1}; tAt = {gw + sp, ty}; }
        break;
    }
    default: {
        const Integer w = std::max(tw, gw);
        total = Rect(0, 0, w, th + sp + gh);
        const Integer tx = (w - tw) / 2, gx = (w - gw) / 2;
        if (arrange == taTop) { tAt = {tx, 0}; gAt = {gx, th + sp}; }
        else if (arrange == taTopLeft) { tAt = {tx, 0}; gAt = {0, th + sp}; }
        else if (arrange == taBottom) { gAt = {gx, 0}; tAt = {tx, gh + sp}; }
        else { gAt = {0, 0}; tAt = {tx, gh + sp}; }
        break;
    }
    }
    OffsetRect(text, tAt.X, tAt.Y);
    OffsetRect(glyph, gAt.X, gAt.Y);

    // Placement in Dest.
    if (Styles.Contains(dtAutoSize)) {
        OffsetRect(text, Dest.Left, Dest.Top);
        OffsetRect(glyph, Dest.Left, Dest.Top);
    } else {
        TRect placed;
        AlignRect(Layout ? Layout->Alignment() : agCenter, total, Dest, placed);
        OffsetRect(text, placed.Left + 1, placed.Top + 1);
        OffsetRect(glyph, placed.Left, placed.Top);
    }
    if (arrow && button->ArrowPosition() == apLeftText) OffsetRect(text, button->ArrowIndent() + A, 0);
    if (Layout) {
        OffsetRect(text, Layout->OffsetX(), Layout->OffsetY());
        OffsetRect(glyph, Layout->OffsetX(), Layout->OffsetY());
    }
    if (Styles.Contains(dtRectClip)) {
        text.Right = std::min(text.Right, Dest.Right);
        text.Bottom = std::min(text.Bottom, Dest.Bottom);
    }

    if (!calculate) {
        Cardinal flags = MultiLine ? DT_WORDBREAK | DT_EXPANDTABS | AlignmentFlags(Layout ? Layout->Alignment() : agCenter)
                                   : DT_EXPANDTABS;
        flags |= DTFlags & (DT_RTLREADING | DT_RIGHT | ExtTextOutFlag);
        if (!ShowAccel) flags |= DT_NOPREFIX;
        Canvas.Brush().SetStyle(TBrushStyle::bsClear);
        if (hasText) DrawCaptionText(Canvas, Text, Caption, text, flags, Styles, nullptr);
        if (arrow) {
            const Integer size = button->ArrowSize();
            auto centreY = [&](const TRect& r) { return r.Top + r.Height() / 2 - size / 2; };
            const bool enabled = Styles.Contains(dtEnabled);
            switch (button->ArrowPosition()) {
            case apRightText:
                DrawArrow(Canvas, MultiLine ? text.Right - size - 1 : text.Right - A - 1, centreY(text), size,
                          button->ArrowColor(), true, enabled);
                break;
            case apLeftText:
                DrawArrow(Canvas, text.Left - button->ArrowIndent() - A, centreY(text), size, button->ArrowColor(), true,
                          enabled);
                break;
            case apRightGlyph:
                DrawArrow(Canvas, glyph.Right - A, centreY(glyph), size, button->ArrowColor(), true, enabled);
                break;
            case apLeftGlyph:
                OffsetRect(glyph, button->ArrowIndent() + A, 0);
                DrawArrow(Canvas, glyph.Left - button->ArrowIndent() - A, centreY(glyph), size, button->ArrowColor(),
                          true, enabled);
                break;
            }
        }
        if (showGlyph && GlyphCanvas) {
            const TRect cell = Bounds(glyph.Left, glyph.Top, GlyphRect.Width(), GlyphRect.Height());
            DrawGlyphBitmap(Canvas, cell, *GlyphCanvas, Transparency, GlyphRect);
        }
    }

    Rects.Text = text;
    Rects.Glyph = showGlyph ? glyph : TRect{};
    UnionRect(Rects.Union, text, Rects.Glyph);
    TRect result = Dest;
    InflateRect(result, -1, -1);
    if (Styles.Contains(dtRectText)) { result = text; InflateRect(result, 1, 1); }
    if (Styles.Contains(dtRectGlyph) && showGlyph) result = glyph;
    if (Styles.Contains(dtRectGlyphText)) { result = Rects.Union; InflateRect(result, 1, 1); }
    if (calculate) InflateRect(result, 1, 1);
    GlyphRect = result;
}

void DrawGlyphAndText(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, const TRect& Dest, TBitmap* Bitmap,
                      TStyGlyphTextLayout* Layout, bool MultiLine, bool ShowAccel,
                      const TStyGlyphTransparency& Transparency, TStyDrawTextStyles Styles, Cardinal DTFlags)
{
    TRect glyphRect = Bitmap && !Bitmap->Empty() ? Rect(0, 0, Bitmap->Width(), Bitmap->Height()) : TRect{};
    TStyLayoutRects rects;
    DrawGlyphTextLayout(Canvas, Text, Caption, Dest, Bitmap && !Bitmap->Empty() ? &Bitmap->Canvas() : nullptr, glyphRect,
                        Layout, MultiLine, ShowAccel, Transparency, Styles, DTFlags, rects);
}
