// Bitmaps on a canvas: placement (plain, centred, stretched, tiled), transparency by colour, mask,
// brush copy or alpha, disabled and shaded glyph copies, multi-colour gradients and the records
// that say how a glyph is transparent.
#include <algorithm>
#include <memory>

#include "foundation/StyGraph.h"
#include "platform/rtl/RtlMath.h"

namespace {

// A rectangular clip region selected for the lifetime of the object, removed (and freed) after.
class TClipScope {
public:
    TClipScope(TCanvas& canvas, TRect r, Cardinal clipOrigin) : FCanvas(canvas)
    {
        if (clipOrigin) OffsetRect(r, clipOrigin & 0xFFFF, clipOrigin >> 16);
        FRegion = CreateRectRgnIndirect(r);
        SelectClipRgn(canvas.Handle(), FRegion);
    }
    ~TClipScope()
    {
        SelectClipRgn(FCanvas.Handle(), nullptr);
        DeleteObject(FRegion);
    }
    TClipScope(const TClipScope&) = delete;
    TClipScope& operator=(const TClipScope&) = delete;

private:
    TCanvas& FCanvas;
    HRGN FRegion;
};

// Sets the colours a monochrome source is drawn in: its black pixels in the text colour (the
// font's, which every drawing call realises) and its white ones in the background colour.
void MonoColours(TCanvas& canvas, TColor text, TColor background)
{
    canvas.Font().SetColor(text);
    SetBkColor(canvas.Handle(), background);
}

// The masked copy: the mask ANDed in, then the image (transparent pixels black) ORed on top.
void MaskedCopy(TCanvas& canvas, const TRect& target, TCanvas& mask, TCanvas& image, const TRect& src)
{
    const TCopyMode oldMode = canvas.CopyMode();
    const TColor oldText = canvas.Font().Color();
    const TColor oldBk = GetBkColor(canvas.Handle());
    MonoColours(canvas, clBlack, clWhite);
    canvas.SetCopyMode(SRCAND);
    canvas.CopyRect(target, mask, src);
    canvas.SetCopyMode(SRCPAINT);
    canvas.CopyRect(target, image, src);
    canvas.SetCopyMode(oldMode);
    canvas.Font().SetColor(oldText);
    SetBkColor(canvas.Handle(), oldBk);
}

}  // namespace

void DrawBitmapExt(TCanvas& Canvas, const TRect& DestRect, TCanvas* SrcCanvas, const TRect& SrcRect, Word Flags,
                   TColor Color, TStySrcObject SrcObject, TRect& DrawnRect)
{
    DrawnRect = TRect{};
    if (DestRect.IsEmpty()) return;
    const Integer w = SrcRect.Width(), h = SrcRect.Height();
    const Integer dw = DestRect.Width(), dh = DestRect.Height();

    // Placement: every target the image is drawn into.
    TRect target = Bounds(DestRect.Left, DestRect.Top, w, h);
    std::vector<TRect> targets;
    if (Flags & dbCenter) target = Bounds(DestRect.Left + (dw - w) / 2, DestRect.Top + (dh - h) / 2, w, h);
    if (Flags & dbStretch) {
        SetStretchBltMode(Canvas.Handle(), COLORONCOLOR);
        target = DestRect;
        if ((Flags & dbKeepHeight) && (Flags & dbKeepWidth) && w && h) {
            const double scale = std::min(static_cast<double>(dw) / w, static_cast<double>(dh) / h);
            target = Bounds(DestRect.Left, DestRect.Top, static_cast<Integer>(w * scale),
                            static_cast<Integer>(h * scale));
        } else if ((Flags & dbKeepWidth) && w) {
            target.Bottom = target.Top + static_cast<Integer>(Round(static_cast<double>(dw) / w * h));
        } else if ((Flags & dbKeepHeight) && h) {
            target.Right = target.Left + static_cast<Integer>(Round(static_cast<double>(dh) / h * w));
        }
    }
    const bool tiled = (Flags & dbTile) && w && h;
    if (tiled) {
        for (Integer row = 0; row <= dh / h; ++row)
            for (Integer col = 0; col <= dw / w; ++col)
                targets.push_back(Bounds(DestRect.Left + col * w, DestRect.Top + row * h, w, h));
    } else {
        targets.push_back(target);
    }
    DrawnRect = target;
    if ((tiled && !(Flags & (dbCenter | dbStretch))) || target.IsEmpty()) DrawnRect = DestRect;

    if ((Flags & dbBrushCopy) && SrcObject.Bitmap) {
        Canvas.Brush().SetColor(Color);
        for (const TRect& t : targets) Canvas.BrushCopy(t, *SrcObject.Bitmap, SrcRect, SrcObject.Bitmap->TransparentColor());
    } else if ((Flags & dbMasked) && SrcObject.Mask && SrcCanvas) {
        for (const TRect& t : targets) MaskedCopy(Canvas, t, *SrcObject.Mask, *SrcCanvas, SrcRect);
    } else if ((Flags & dbTransparentColor) && Color != clNone && SrcCanvas) {
        TBitmap mask, image;
        CreateMaskPair(*SrcCanvas, SrcRect, mask, Color, image);
        for (const TRect& t : targets) MaskedCopy(Canvas, t, mask.Canvas(), image.Canvas(), Rect(0, 0, w, h));
    } else if (SrcCanvas) {
        for (const TRect& t : targets) Canvas.CopyRect(t, *SrcCanvas, SrcRect);
    }
}

void DrawBitmapInRect(TCanvas& Canvas, const TRect& DestRect, TBitmap& Bitmap, Word Flags, TColor Color,
                      TRect& DrawnRect)
{
    DrawnRect = TRect{};
    const TRect all = Rect(0, 0, Bitmap.Width(), Bitmap.Height());
    if (Flags & dbBrushCopy) DrawBitmapExt(Canvas, DestRect, nullptr, all, Flags, Color, {&Bitmap, nullptr}, DrawnRect);
    else DrawBitmapExt(Canvas, DestRect, &Bitmap.Canvas(), all, Flags, Color, {}, DrawnRect);
}

void DrawBitmapClipped(TCanvas& Canvas, const TRect& DestRect, TBitmap& Bitmap, Word Flags, TColor Color,
                       Cardinal ClipOrigin)
{
    const TRect all = Rect(0, 0, Bitmap.Width(), Bitmap.Height());
    if (Flags & dbBrushCopy)
        DrawCanvasClipped(Canvas, DestRect, nullptr, all, Flags, Color, ClipOrigin, {&Bitmap, nullptr});
    else
        DrawCanvasClipped(Canvas, DestRect, &Bitmap.Canvas(), all, Flags, Color, ClipOrigin, {});
}

void DrawCanvasClipped(TCanvas& Canvas, const TRect& DestRect, TCanvas* SrcCanvas, const TRect& SrcRect, Word Flags,
                       TColor Color, Cardinal ClipOrigin, TStySrcObject SrcObject)
{
    TRect drawn;
    if (!(Flags & dbClip)) {
        DrawBitmapExt(Canvas, DestRect, SrcCanvas, SrcRect, Flags, Color, SrcObject, drawn);
        return;
    }
    TClipScope clip(Canvas, DestRect, ClipOrigin);
    DrawBitmapExt(Canvas, DestRect, SrcCanvas, SrcRect, Flags, Color, SrcObject, drawn);
}

void DrawGlyphBitmap(TCanvas& Canvas, const TRect& DestRect, TCanvas& SrcCanvas,
                     const TStyGlyphTransparency& Transparency, const TRect& SrcRect)
{
    TRect drawn;
    switch (Transparency.Mode) {
    case 0: DrawBitmapExt(Canvas, DestRect, &SrcCanvas, SrcRect, 0, clNone, {}, drawn); break;
    case 1: DrawBitmapExt(Canvas, DestRect, &SrcCanvas, SrcRect, dbMasked, clNone, {nullptr, Transparency.Mask}, drawn); break;
    case 2: DrawBitmapExt(Canvas, DestRect, &SrcCanvas, SrcRect, dbTransparentColor, Transparency.Color, {}, drawn); break;
    case 3: {
        BLENDFUNCTION blend;
        blend.AlphaFormat = AC_SRC_ALPHA;
        AlphaBlend(Canvas.Handle(), DestRect.Left, DestRect.Top, DestRect.Width(), DestRect.Height(), &SrcCanvas,
                   SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height(), blend);
        break;
    }
    default: break;
    }
}

void PrepareBitmap(TBitmap& Bitmap, const TRect& Rect, TColor Color)
{
    Bitmap.SetSize(Rect.Width(), Rect.Height());
    if (Color == clNone) return;
    Bitmap.Canvas().Brush().SetStyle(TBrushStyle::bsSolid);
    Bitmap.Canvas().Brush().SetColor(Color);
    Bitmap.Canvas().FillRect(::Rect(0, 0, Rect.Width(), Rect.Height()));
}

void CreateMaskPair(TCanvas& SrcCanvas, const TRect& SrcRect, TBitmap& Mask, TColor Color, TBitmap& Image)
{
    const TRect cell = Rect(0, 0, SrcRect.Width(), SrcRect.Height());
    Image.SetSize(cell.Right, cell.Bottom);
    Mask.SetSize(cell.Right, cell.Bottom);
    Image.Canvas().SetCopyMode(SRCCOPY);
    Image.Canvas().CopyRect(cell, SrcCanvas, SrcRect);
    Mask.Canvas().SetCopyMode(SRCCOPY);
    Mask.Canvas().CopyRect(cell, SrcCanvas, SrcRect);
    Mask.SetPixelFormat(TPixelFormat::pf24bit);
    Mask.Mask(Color);
    // Black where the mask is white: the image's transparent pixels become black.
    MonoColours(Image.Canvas(), clWhite, clBlack);
    Image.Canvas().StretchBlt(cell, Mask, cell, SRCAND);
}

void CreateBitmapMask(TBitmap& Bitmap, TBitmap& Mask, TBitmap& Image, TColor Color)
{
    CreateMaskPair(Bitmap.Canvas(), Rect(0, 0, Bitmap.Width(), Bitmap.Height()), Mask, Color, Image);
}

void DrawTransparentBitmap(HDC DC, TBitmap& Bitmap, Integer X, Integer Y, const TRect& SrcRect,
                           TColor TransparentColor)
{
    // The classic technique: the destination ANDed with the mask, the image with its
    // transparent pixels blacked out ORed on top.
    TBitmap mask, image;
    CreateMaskPair(Bitmap.Canvas(), SrcRect, mask, ColorToRGB(TransparentColor), image);
    const TRect cell = Rect(0, 0, SrcRect.Width(), SrcRect.Height());
    MaskedCopy(*DC, Bounds(X, Y, cell.Right, cell.Bottom), mask.Canvas(), image.Canvas(), cell);
}

void AlphaBlendRect(HDC DestDC, const TRect& DestRect, HDC SrcDC, const TRect& SrcRect, Byte Alpha, bool UseConstant)
{
    const Integer w = DestRect.Width(), h = DestRect.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap s(w, h, TPixelFormat::pf32bit), d(w, h, TPixelFormat::pf32bit);
    const TRect all = Rect(0, 0, w, h);
    s.Canvas().CopyRect(all, *SrcDC, SrcRect);
    d.Canvas().CopyRect(all, *DestDC, DestRect);
    for (Integer y = 0; y < h; ++y) {
        Byte* sp = s.ScanLine(y);
        const Byte* dp = d.ScanLine(y);
        for (Integer x = 0; x < w; ++x, sp += 4, dp += 4) {
            const Integer a = UseConstant ? Alpha : sp[3];
            for (int c = 0; c < 3; ++c) sp[c] = static_cast<Byte>((sp[c] * a + dp[c] * (256 - a)) / 256);
            sp[3] = 0;
        }
    }
    const TCopyMode oldMode = DestDC->CopyMode();
    DestDC->SetCopyMode(SRCCOPY);
    DestDC->CopyRect(DestRect, s.Canvas(), all);
    DestDC->SetCopyMode(oldMode);
}

void DrawDisabledBitmap(TBitmap& Dest, TBitmap& Src, Integer X, Integer Y)
{
    // The monochrome copy made with black as its background colour: white where the glyph is
    // black, black elsewhere.
    TBitmap mono;
    mono.Assign(Src);
    mono.Mask(clBlack);
    Dest.Canvas().Brush().SetColor(Src.TransparentColor());
    Dest.Canvas().FillRect(Rect(0, 0, Dest.Width(), Dest.Height()));
    // Raster operation $E20746: the brush where the monochrome copy is white, the destination elsewhere.
    const TRect cell = Rect(0, 0, mono.Width(), mono.Height());
    Dest.Canvas().Brush().SetColor(clBtnHighlight);
    MonoColours(Dest.Canvas(), clBlack, clWhite);
    Dest.Canvas().StretchBlt(Bounds(X + 1, Y + 1, cell.Right, cell.Bottom), mono, cell, 0xE20746);
    Dest.Canvas().Brush().SetColor(clBtnShadow);
    MonoColours(Dest.Canvas(), clBlack, clWhite);
    Dest.Canvas().StretchBlt(Bounds(X, Y, cell.Right, cell.Bottom), mono, cell, 0xE20746);
}

void CreateShadedBitmap(TBitmap& Dest, TBitmap& Src)
{
    Dest.Assign(Src);
    TCanvas& sc = Src.Canvas();
    const TColor back = ColorToRGB(sc.Pixel(0, 0));
    auto sum = [](TColor c) { return (c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF); };
    Int64 total = 0, count = 0;
    for (Integer y = 0; y < Src.Height(); ++y)
        for (Integer x = 0; x < Src.Width(); ++x) {
            const TColor c = ColorToRGB(sc.Pixel(x, y));
            if (c == back) continue;
            total += sum(c);
            ++count;
        }
    const Integer t = count ? static_cast<Integer>(Round(static_cast<double>(total) / count - 200)) : 0;
    for (Integer y = 0; y < Src.Height(); ++y)
        for (Integer x = 0; x < Src.Width(); ++x) {
            const TColor c = ColorToRGB(sc.Pixel(x, y));
            if (c == back) continue;
            const Integer s = sum(c);
            const TColor shade = s > t + 550 ? 0xFFFFFF : s > t + 250 ? clBtnHighlight : s > t + 50 ? clBtnShadow : clBlack;
            Dest.Canvas().SetPixel(x, y, shade);
        }
}

// ---- gradients

TColor GradientColorStep(TColor Color1, TColor Color2, Integer Step, Integer Steps)
{
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const Integer c1 = (Color1 >> shift) & 0xFF, c2 = (Color2 >> shift) & 0xFF;
        const auto c = static_cast<Integer>(c1 + static_cast<double>(Step) * (c2 - c1) / Steps);
        result |= (c & 0xFF) << shift;
    }
    return result;
}

void BuildGradientColors(TColor Color1, TColor Color2, Word Count, bool Clear, TStyColorList* List)
{
    if (!List || Count == 0) return;
    if (Clear) List->clear();
    const TColor c1 = ColorToRGB(Color1), c2 = ColorToRGB(Color2);
    const Integer d = Count - 1;
    for (Integer n = Clear ? 0 : 1; n <= d; ++n) {
        TColor color = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const Integer a = (c1 >> shift) & 0xFF, b = (c2 >> shift) & 0xFF;
            color |= ((a + (d ? MulDiv(n, b - a, d) : 0)) & 0xFF) << shift;
        }
        List->push_back(color);
    }
}

void FillGradient(TCanvas& Canvas, const TRect& Rect, TStyGradientStyle Style, const TStyColorList* Colors, Word Flags,
                  Cardinal ClipOrigin)
{
    if (!Colors || Colors->empty() || Rect.IsEmpty()) return;
    const Integer n = static_cast<Integer>(Colors->size()), w = Rect.Width(), h = Rect.Height();
    std::unique_ptr<TBitmap> buffer;
    std::unique_ptr<TClipScope> clip;
    TCanvas* canvas = &Canvas;
    Integer dx = Rect.Left, dy = Rect.Top;
    if (Flags & dbBuffered) {
        buffer = std::make_unique<TBitmap>(w, h, TPixelFormat::pf32bit);
        canvas = &buffer->Canvas();
        dx = dy = 0;
    } else if (Flags & dbClip) {
        clip = std::make_unique<TClipScope>(Canvas, Rect, ClipOrigin);
    }
    TCanvas& c = *canvas;
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Pen().SetStyle(TPenStyle::psClear);
    auto brush = [&](Integer i) { c.Brush().SetColor((*Colors)[i]); };
    auto box = [&](Integer l, Integer t, Integer r, Integer b) { return ::Rect(l + dx, t + dy, r + dx, b + dy); };
    auto pt = [&](Integer x, Integer y) { return TPoint{x + dx, y + dy}; };

    TRect b = ::Rect(0, 0, w, h);
    switch (Style) {
    case gstSquare:
    case gstElliptic: b = ::Rect(w / 2, h / 2, w / 2, h / 2); break;
    case gstTopLeft:
    case gstTopLeftDiagonal: b = ::Rect(0, 0, 1, 1); break;
    case gstTopRight: b = ::Rect(w, 1, w + 1, 0); break;
    case gstBottomLeft: b = ::Rect(1, h, 0, h + 1); break;
    case gstBottomRight: b = ::Rect(w, h, w + 1, h + 1); break;
    case gstTopRightDiagonal: b = ::Rect(w, 0, w + 1, 0); break;
    default: break;
    }
    if (Style == gstHorizontal) {
        for (Integer i = 0; i < n; ++i) {
            brush(i);
            c.FillRect(box(b.Left + MulDiv(i, w, n), b.Top, b.Left + MulDiv(i + 1, w, n), b.Bottom));
        }
    } else {
        const Integer cx = b.Left, cy = b.Top;
        for (Integer i = n - 1; i >= 0; --i) {
            const Integer k = i + 1;
            brush(i);
            switch (Style) {
            case gstVertical: c.FillRect(box(b.Left, b.Top + MulDiv(i, h, n), b.Right, b.Top + MulDiv(k, h, n))); break;
            case gstSquare: {
                const Integer a = MulDiv(k, w, n) / 2, bb = MulDiv(k, h, n) / 2;
                c.Rectangle(box(cx - a, cy - bb, cx + a + 2, cy + bb + 2));
                break;
            }
            case gstElliptic: {
                const auto a = static_cast<Integer>(Round(MulDiv(k, w + 1, n) / 1.4));
                const auto bb = static_cast<Integer>(Round(MulDiv(k, h + 1, n) / 1.4));
                c.Ellipse(box(cx - a, cy - bb, cx + a, cy + bb));
                break;
            }
            case gstTopLeft:
            case gstTopRight:
            case gstBottomLeft:
            case gstBottomRight: {
                const Integer a = MulDiv(k, w, n), bb = MulDiv(k, h, n);
                TRect r = Style == gstTopLeft    ? ::Rect(b.Left, b.Top, b.Right + a, b.Bottom + bb)
                          : Style == gstTopRight ? ::Rect(b.Left - a, b.Top + bb, b.Right, b.Bottom)
                          : Style == gstBottomLeft ? ::Rect(b.Left + a, b.Top - bb, b.Right, b.Bottom)
                                                   : ::Rect(b.Left - a, b.Top - bb, b.Right, b.Bottom);
                if (r.Left > r.Right) std::swap(r.Left, r.Right);
                if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
                c.Rectangle(box(r.Left, r.Top, r.Right, r.Bottom));
                break;
            }
            case gstTopLeftDiagonal:
            case gstTopRightDiagonal: {
                const Integer a = 2 * MulDiv(k, w, n), bb = 2 * MulDiv(k, h, n);
                if (Style == gstTopLeftDiagonal)
                    c.Polygon({pt(b.Left, b.Top), pt(b.Left + a, b.Top), pt(b.Left, b.Bottom + bb),
                               pt(b.Left - a, b.Bottom + bb)});
                else
                    c.Polygon({pt(b.Right, b.Top), pt(b.Right - a, b.Top), pt(b.Right, b.Bottom + bb),
                               pt(b.Right + a, b.Bottom + bb)});
                break;
            }
            default: break;
            }
        }
    }
    c.Pen().SetStyle(TPenStyle::psSolid);
    if (buffer) Canvas.Draw(Rect.Left, Rect.Top, *buffer);
}

// ---- transparency records

void SetNoTransparency(TStyGlyphTransparency& T) { T = {0, nullptr, clNone}; }
void SetAlphaTransparency(TStyGlyphTransparency& T) { T = {3, nullptr, clNone}; }

void SetTransparencyDefault(TStyGlyphTransparency& T, bool Found, Byte Kind)
{
    if (Found) return;
    if (Kind == 0) SetNoTransparency(T);
    else if (Kind == 3) SetAlphaTransparency(T);
}

bool TransparencyFromAlpha(TStyGlyphTransparency& T, TBitmap* Bitmap, TAlphaFormat AlphaFormat)
{
    if (!Bitmap) return false;
    if (Bitmap->PixelFormat() == TPixelFormat::pf32bit && AlphaFormat != TAlphaFormat::afIgnored)
        SetBitmapAlphaFormat(*Bitmap, AlphaFormat);
    if (!Bitmap->SupportsPartialTransparency()) return false;
    SetAlphaTransparency(T);
    return true;
}

bool TransparencyFromColor(TStyGlyphTransparency& T, TBitmap* Bitmap)
{
    if (!Bitmap || Bitmap->TransparentColor() == clNone) return false;
    T = {2, nullptr, Bitmap->TransparentColor()};
    return true;
}

void SetBitmapAlphaFormat(TBitmap& Bitmap, TAlphaFormat AlphaFormat)
{
    auto handler = Bitmap.OnChange;
    Bitmap.OnChange = nullptr;
    Bitmap.SetAlphaFormat(AlphaFormat);
    Bitmap.OnChange = handler;
}
