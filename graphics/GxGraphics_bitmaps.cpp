// The drawing object's pictures and control glyphs: pictures placed in a rectangle by the four
// placement flags, parts of pictures, pictures by name and by display scale, and the check box,
// radio button, buttons with their glyphs and the progress bar.
#include <cmath>

#include "graphics/GxGraphics.h"
#include "graphics/GxGraphicsSVGEngine.h"
#include "graphics/GxUtils.h"
#include "graphics/PictureContainer.h"
#include "platform/rtl/SysFormat.h"

namespace {

Integer RoundEven(double x) { return static_cast<Integer>(std::nearbyint(x)); }

TRect RoundRect(const TRectF& r) { return {RoundEven(r.Left), RoundEven(r.Top), RoundEven(r.Right), RoundEven(r.Bottom)}; }

TRectF Shrunk(const TRectF& r, float by) { return {r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }

// The SVG document of a picture that holds one with elements, else nil.
TGxGraphicsSVGImport* DrawableSVG(TPicture* ABitmap)
{
    auto* picture = dynamic_cast<TGxBitmap*>(ABitmap);
    return picture && picture->HasSVG() ? dynamic_cast<TGxGraphicsSVGImport*>(picture->SVG()) : nullptr;
}

void SetSolidFill(TGxGraphics& G, TColor AColor)
{
    G.Fill()->BeginUpdate();
    G.Fill()->SetKind(gfkSolid);
    G.Fill()->SetColor(AColor);
    G.Fill()->EndUpdate();
}

void SetSolidStroke(TGxGraphics& G, TColor AColor, float AWidth)
{
    G.Stroke()->BeginUpdate();
    G.Stroke()->SetKind(gskSolid);
    G.Stroke()->SetColor(AColor);
    G.Stroke()->SetWidth(AWidth);
    G.Stroke()->EndUpdate();
}

}  // namespace

// ---- Pictures

void TGxGraphics::GetAspectSize(float& AWidth, float& AHeight, float AOriginalWidth, float AOriginalHeight,
                                float ANewWidth, float ANewHeight, bool AAspectRatio, bool AStretch, bool)
{
    if (AAspectRatio) {
        if (AOriginalWidth <= 0 || AOriginalHeight <= 0 || ANewWidth <= 0 || ANewHeight <= 0) {
            AWidth = AHeight = 0;
        } else if (ANewWidth <= AOriginalWidth || ANewHeight <= AOriginalHeight || AStretch) {
            if (AOriginalWidth / AOriginalHeight < ANewWidth / ANewHeight) {
                AHeight = ANewHeight;
                AWidth = ANewHeight * AOriginalWidth / AOriginalHeight;
            } else {
                AWidth = ANewWidth;
                AHeight = ANewWidth * AOriginalHeight / AOriginalWidth;
            }
        } else {
            AWidth = AOriginalWidth;
            AHeight = AOriginalHeight;
        }
    } else if (AStretch) {
        AWidth = ANewWidth;
        AHeight = ANewHeight;
    } else {
        AWidth = AOriginalWidth;
        AHeight = AOriginalHeight;
    }
}

TRectF TGxGraphics::GetBitmapDrawRectangle(const TRectF& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                           bool ACenter, bool ACropping)
{
    if (!ABitmap) return {0, 0, 0, 0};
    float w = 0, h = 0;
    GetAspectSize(w, h, static_cast<float>(ABitmap->Width()), static_cast<float>(ABitmap->Height()), ARect.Width(),
                  ARect.Height(), AAspectRatio, AStretch, ACropping);
    float dx = 0, dy = 0;
    if (ACenter || ACropping) {
        dx = static_cast<float>(RoundEven((ARect.Width() - w) / 2));
        dy = static_cast<float>(RoundEven((ARect.Height() - h) / 2));
    }
    return {ARect.Left + dx, ARect.Top + dy, ARect.Left + dx + w, ARect.Top + dy + h};
}

TRectF TGxGraphics::GetBitmapDrawRectangle(double ALeft, double ATop, double ARight, double ABottom, TPicture* ABitmap,
                                           bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    return GetBitmapDrawRectangle(TRectF{float(ALeft), float(ATop), float(ARight), float(ABottom)}, ABitmap,
                                  AAspectRatio, AStretch, ACenter, ACropping);
}

TRect TGxGraphics::GetBitmapDrawRectangle(const TRect& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                          bool ACenter, bool ACropping)
{
    return RoundRect(GetBitmapDrawRectangle(RectToRectF(ARect), ABitmap, AAspectRatio, AStretch, ACenter, ACropping));
}

TRect TGxGraphics::GetBitmapDrawRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TPicture* ABitmap,
                                          bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    return GetBitmapDrawRectangle(TRect{ALeft, ATop, ARight, ABottom}, ABitmap, AAspectRatio, AStretch, ACenter,
                                  ACropping);
}

void TGxGraphics::DrawBitmap(const TRectF& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                             bool ACropping)
{
    if (IsPictureEmpty(ABitmap)) return;
    const TRectF r = GetBitmapDrawRectangle(ARect, ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
    if (TGxGraphicsSVGImport* svg = DrawableSVG(ABitmap)) {
        // on a surface of its own over the same canvas; a drawing object without canvas (a back
        // end of the caller's) gets the vectors itself
        svg->Draw(*this, r, true, Canvas() != nullptr);
        return;
    }
    DrawBitmap(ABitmap->Graphic(), r);
}

void TGxGraphics::DrawBitmap(double ALeft, double ATop, double ARight, double ABottom, TPicture* ABitmap,
                             bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmap(TRectF{float(ALeft), float(ATop), float(ARight), float(ABottom)}, ABitmap, AAspectRatio, AStretch,
               ACenter, ACropping);
}

void TGxGraphics::DrawBitmap(const TRect& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                             bool ACropping)
{
    DrawBitmap(RectToRectF(ARect), ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawBitmap(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TPicture* ABitmap,
                             bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmap(TRect{ALeft, ATop, ARight, ABottom}, ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawBitmap(float ALeft, float ATop, TPicture* ABitmap)
{
    if (!ABitmap) return;
    DrawBitmap(TRectF{ALeft, ATop, ALeft + float(ABitmap->Width()), ATop + float(ABitmap->Height())}, ABitmap, true,
               false, true, false);
}

void TGxGraphics::DrawBitmap(Integer ALeft, Integer ATop, TPicture* ABitmap)
{
    DrawBitmap(float(ALeft), float(ATop), ABitmap);
}

std::unique_ptr<TGxBitmap> TGxGraphics::CopyBitmapPart(const TRectF& ASource, TPicture* ABitmap)
{
    std::unique_ptr<TGxGraphics> part =
        CreateBitmapCanvas(RoundEven(ASource.Width()), RoundEven(ASource.Height()), FNative);
    part->BeginScene();
    part->DrawBitmap(TRectF{-ASource.Left, -ASource.Top, float(ABitmap->Width()) - ASource.Left,
                            float(ABitmap->Height()) - ASource.Top},
                     ABitmap, false, false, false, false);
    part->EndScene();
    auto copy = std::make_unique<TGxBitmap>();
    copy->SetGraphic(part->Bitmap());
    return copy;
}

void TGxGraphics::DrawBitmapPart(const TRectF& ASource, const TRectF& ADestination, TPicture* ABitmap,
                                 bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    if (IsRectEmptyEx(ADestination) || IsRectEmptyEx(ASource) || IsPictureEmpty(ABitmap)) return;
    if (DrawableSVG(ABitmap)) {
        DrawBitmap(ADestination, ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
        return;
    }
    std::unique_ptr<TGxBitmap> copy = CopyBitmapPart(ASource, ABitmap);
    DrawBitmap(ADestination, copy.get(), AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawBitmapPart(double ASourceLeft, double ASourceTop, double ASourceRight, double ASourceBottom,
                                 double ADestinationLeft, double ADestinationTop, double ADestinationRight,
                                 double ADestinationBottom, TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                 bool ACenter, bool ACropping)
{
    DrawBitmapPart(TRectF{float(ASourceLeft), float(ASourceTop), float(ASourceRight), float(ASourceBottom)},
                   TRectF{float(ADestinationLeft), float(ADestinationTop), float(ADestinationRight),
                          float(ADestinationBottom)},
                   ABitmap, AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawBitmapPart(const TRect& ASource, const TRect& ADestination, TPicture* ABitmap,
                                 bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmapPart(RectToRectF(ASource), RectToRectF(ADestination), ABitmap, AAspectRatio, AStretch, ACenter,
                   ACropping);
}

void TGxGraphics::DrawBitmapPart(Integer ASourceLeft, Integer ASourceTop, Integer ASourceRight, Integer ASourceBottom,
                                 Integer ADestinationLeft, Integer ADestinationTop, Integer ADestinationRight,
                                 Integer ADestinationBottom, TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                 bool ACenter, bool ACropping)
{
    DrawBitmapPart(TRect{ASourceLeft, ASourceTop, ASourceRight, ASourceBottom},
                   TRect{ADestinationLeft, ADestinationTop, ADestinationRight, ADestinationBottom}, ABitmap,
                   AAspectRatio, AStretch, ACenter, ACropping);
}

std::unique_ptr<TGxBitmap> TGxGraphics::DrawBitmapPartSync(double ASourceLeft, double ASourceTop,
                                                           double ASourceRight, double ASourceBottom,
                                                           double ADestinationLeft, double ADestinationTop,
                                                           double ADestinationRight, double ADestinationBottom,
                                                           TPicture* ABitmap, bool, bool, bool, bool)
{
    const TRectF source{float(ASourceLeft), float(ASourceTop), float(ASourceRight), float(ASourceBottom)};
    const TRectF destination{float(ADestinationLeft), float(ADestinationTop), float(ADestinationRight),
                             float(ADestinationBottom)};
    if (IsRectEmptyEx(destination) || IsRectEmptyEx(source) || IsPictureEmpty(ABitmap) || DrawableSVG(ABitmap))
        return nullptr;
    return CopyBitmapPart(source, ABitmap);
}

TPicture* TGxGraphics::GetBitmapFromPictureContainer(TPictureContainer* APictureContainer, const String& AName,
                                                     bool AApplyScale, float AScale)
{
    if (!APictureContainer || AName.IsEmpty()) return nullptr;
    if (AApplyScale) {
        const float scale = AScale > 0 ? AScale : TGxUtils::GetDPIScale(nullptr, -1);
        if (TPicture* scaled = APictureContainer->FindBitmap(AName + "_" + FloatToStr(scale))) return scaled;
    }
    return APictureContainer->FindBitmap(AName);
}

void TGxGraphics::DrawBitmapWithName(const TRectF& ARect, const String& ABitmapName, bool AApplyScale, float AScale,
                                     bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    if (TPicture* picture = GetBitmapFromPictureContainer(PictureContainer, ABitmapName, AApplyScale, AScale))
        DrawBitmap(ARect, picture, AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawBitmapWithName(const TRect& ARect, const String& ABitmapName, bool AApplyScale, float AScale,
                                     bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmapWithName(RectToRectF(ARect), ABitmapName, AApplyScale, AScale, AAspectRatio, AStretch, ACenter,
                       ACropping);
}

void TGxGraphics::DrawBitmapWithName(double ALeft, double ATop, double ARight, double ABottom,
                                     const String& ABitmapName, bool AApplyScale, float AScale, bool AAspectRatio,
                                     bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmapWithName(TRectF{float(ALeft), float(ATop), float(ARight), float(ABottom)}, ABitmapName, AApplyScale,
                       AScale, AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawBitmapWithName(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom,
                                     const String& ABitmapName, bool AApplyScale, float AScale, bool AAspectRatio,
                                     bool AStretch, bool ACenter, bool ACropping)
{
    DrawBitmapWithName(TRect{ALeft, ATop, ARight, ABottom}, ABitmapName, AApplyScale, AScale, AAspectRatio, AStretch,
                       ACenter, ACropping);
}

void TGxGraphics::DrawScaledBitmap(const TRectF& ARect, TGxScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio,
                                   bool AStretch, bool ACenter, bool ACropping)
{
    if (!ABitmaps) return;
    TGxScaledBitmap* item = ABitmaps->GetItemByScale(AScale > 0 ? AScale : TGxUtils::GetDPIScale(nullptr, -1));
    if (!item) return;
    if (!IsPictureEmpty(item->Bitmap())) {
        DrawBitmap(ARect, item->Bitmap(), AAspectRatio, AStretch, ACenter, ACropping);
        return;
    }
    if (TPicture* named = GetBitmapFromPictureContainer(PictureContainer, item->BitmapName(), true, AScale);
        !IsPictureEmpty(named)) {
        DrawBitmap(ARect, named, AAspectRatio, AStretch, ACenter, ACropping);
        return;
    }
    DrawBitmapWithName(ARect, item->BitmapName(), false, item->Scale(), AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawScaledBitmap(const TRect& ARect, TGxScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio,
                                   bool AStretch, bool ACenter, bool ACropping)
{
    DrawScaledBitmap(RectToRectF(ARect), ABitmaps, AScale, AAspectRatio, AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawScaledBitmap(double ALeft, double ATop, double ARight, double ABottom, TGxScaledBitmaps* ABitmaps,
                                   float AScale, bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping)
{
    DrawScaledBitmap(TRectF{float(ALeft), float(ATop), float(ARight), float(ABottom)}, ABitmaps, AScale, AAspectRatio,
                     AStretch, ACenter, ACropping);
}

void TGxGraphics::DrawScaledBitmap(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom,
                                   TGxScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio, bool AStretch,
                                   bool ACenter, bool ACropping)
{
    DrawScaledBitmap(TRect{ALeft, ATop, ARight, ABottom}, ABitmaps, AScale, AAspectRatio, AStretch, ACenter,
                     ACropping);
}

TPicture* TGxGraphics::GetScaledBitmap(TGxScaledBitmaps* ABitmaps, float AScale, TPictureContainer* APictureContainer)
{
    if (!ABitmaps) return nullptr;
    TGxScaledBitmap* item = ABitmaps->GetItemByScale(AScale > 0 ? AScale : TGxUtils::GetDPIScale(nullptr, -1));
    if (!item) return nullptr;
    if (!IsPictureEmpty(item->Bitmap())) return item->Bitmap();
    if (TPicture* p = GetBitmapFromPictureContainer(APictureContainer, item->BitmapName(), true, AScale);
        !IsPictureEmpty(p))
        return p;
    TPicture* p = GetBitmapFromPictureContainer(APictureContainer, item->BitmapName(), false, 0);
    return IsPictureEmpty(p) ? nullptr : p;
}

// ---- Control glyphs

namespace {

// The outline colour of check boxes and radio buttons.
TColor MarkLineColor(bool AFocused, bool AEnabled)
{
    if (!AEnabled) return 0xA9A9A9;
    return AFocused ? 0xB48246 : 0;
}

TColor MarkFaceColor(bool AEnabled) { return AEnabled ? LighterColor(0xD3D3D3, 85) : 0xD3D3D3; }

// The inner part of a mark: a fifth of the width and the height off every side.
TRectF MarkInner(const TRectF& r)
{
    const float dx = r.Width() / 5, dy = r.Height() / 5;
    return {r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy};
}

}  // namespace

void TGxGraphics::DrawCheckBox(const TRectF& ARect, bool AChecked, bool AFocused, bool AEnabled, float)
{
    TRectF r = Shrunk(ARect, 1);
    const TColor line = MarkLineColor(AFocused, AEnabled);
    SetSolidFill(*this, MarkFaceColor(AEnabled));
    SetSolidStroke(*this, line, 1);
    DrawRectangle(r);
    r = MarkInner(r);
    SetSolidStroke(*this, line, 2);
    if (AChecked) {
        DrawLine(TPointF{r.Left, r.Top}, TPointF{r.Right - 1, r.Bottom - 1});
        DrawLine(TPointF{r.Right - 1, r.Top}, TPointF{r.Left, r.Bottom - 1});
    }
}

void TGxGraphics::DrawRadioButton(const TRectF& ARect, bool AChecked, bool AFocused, bool AEnabled, float)
{
    TRectF r = Shrunk(ARect, 1);
    const TColor line = MarkLineColor(AFocused, AEnabled);
    SetSolidFill(*this, MarkFaceColor(AEnabled));
    SetSolidStroke(*this, line, 1);
    DrawEllipse(r);
    r = MarkInner(r);
    SetSolidStroke(*this, line, 2);
    SetSolidFill(*this, line);
    if (AChecked) DrawEllipse(r);
}

void TGxGraphics::DrawButton(const TRectF& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle, float)
{
    TColor outline, face;
    if (!AEnabled) {
        outline = AAdaptToStyle ? StyleDisabledBorderColor : 0xA9A9A9;
        face = AAdaptToStyle ? StyleDisabledFaceColor : 0xD3D3D3;
    } else if (AFocused) {
        outline = AAdaptToStyle ? StyleFocusedBorderColor : ColorFromRGB(60, 127, 177);
        face = AAdaptToStyle ? StyleFocusedFaceColor : ColorFromRGB(229, 241, 251);
    } else {
        outline = AAdaptToStyle ? StyleNormalBorderColor : 0xA9A9A9;
        face = AAdaptToStyle ? StyleNormalFaceColor : ColorFromRGB(225, 225, 225);
    }
    SetSolidStroke(*this, outline, 1);
    SetSolidFill(*this, face);
    DrawRectangle(ARect);
    Fill()->SetKind(gfkNone);
    Stroke()->SetColor(ADown ? LighterColor(outline, 40) : face);
    DrawRectangle(Shrunk(ARect, 1));
}

void TGxGraphics::DrawButtonGlyph(const TRectF& ASVGTarget, const TRectF& ABitmapTarget, const String& AResource,
                                  bool AAdaptToStyle, Integer ASize, float ALineWidth,
                                  const std::vector<std::pair<TPointF, TPointF>>& ALines)
{
    TGxBitmap glyph;
    if (!AAdaptToStyle) {
        LoadBitmapFromResource(&glyph, AResource);
        DrawBitmap(ASVGTarget, &glyph, true, false, true, false);
        return;
    }
    TBitmap lines;
    lines.SetSize(ASize, ASize);
    lines.SetTransparentMode(TTransparentMode::tmFixed);
    lines.SetTransparentColor(0xFFFFFF);
    lines.SetTransparent(true);
    {
        TGxGraphics g(&lines.Canvas(), false);
        SetSolidFill(g, 0xFFFFFF);
        SetSolidStroke(g, 0xFFFFFF, 1);
        g.DrawRectangle(0.0, 0.0, double(ASize), double(ASize));
        SetSolidStroke(g, StyleGlyphColor, ALineWidth);
        for (const auto& [from, to] : ALines) g.DrawLine(from, to);
    }
    glyph.SetGraphic(&lines);
    DrawBitmap(ABitmapTarget, &glyph, true, false, true, false);
}

namespace {

using TGlyphLines = std::vector<std::pair<TPointF, TPointF>>;

// Two strokes between the given points of a 16 x 16 glyph, scaled by s.
TGlyphLines ScaledLines(std::initializer_list<float> xy, float s)
{
    TGlyphLines lines;
    const float* v = xy.begin();
    for (size_t i = 0; i + 3 < xy.size(); i += 4)
        lines.push_back({TPointF{v[i] * s, v[i + 1] * s}, TPointF{v[i + 2] * s, v[i + 3] * s}});
    return lines;
}

}  // namespace

void TGxGraphics::DrawCloseButton(const TRectF& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                                  float AScaleFactor)
{
    const float s = AScaleFactor;
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, s);
    DrawButtonGlyph(Shrunk(ARect, 6 * s), ARect, "GxGRAPHICSCLOSESVG", AAdaptToStyle, RoundEven(16 * s), 2,
                    ScaledLines({3, 3, 12, 12, 3, 12, 12, 3}, s));
}

void TGxGraphics::DrawExpanderButton(const TRectF& ARect, TGxGraphicsExpanderState AState, bool ADown, bool AFocused,
                                     bool AEnabled, bool AAdaptToStyle, float AScaleFactor)
{
    const float s = AScaleFactor;
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, s);
    const bool collapsed = AState == gesCollapsed;
    DrawButtonGlyph(Shrunk(ARect, 4 * s), ARect, collapsed ? "GxGRAPHICSDOWNSVG" : "GxGRAPHICSUPSVG", AAdaptToStyle,
                    RoundEven(16 * s), 2,
                    collapsed ? ScaledLines({5, 6, 8, 9, 8, 9, 11, 6}, s) : ScaledLines({5, 9, 8, 6, 8, 6, 11, 9}, s));
}

void TGxGraphics::DrawCompactButton(const TRectF& ARect, TGxGraphicsCompactState AState, bool ADown, bool AFocused,
                                    bool AEnabled, bool AAdaptToStyle, float AScaleFactor)
{
    const float s = AScaleFactor;
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, s);
    const bool collapsed = AState == gcsCollapsed;
    DrawButtonGlyph(Shrunk(ARect, 4 * s), ARect, collapsed ? "GxGRAPHICSRIGHTSVG" : "GxGRAPHICSLEFTSVG", AAdaptToStyle,
                    RoundEven(16 * s), 2,
                    collapsed ? ScaledLines({6, 5, 9, 8, 9, 8, 6, 11}, s) : ScaledLines({9, 5, 6, 8, 6, 8, 9, 11}, s));
}

void TGxGraphics::DrawDropDownButton(const TRectF& ARect, bool ADown, bool AFocused, bool AEnabled, bool ACenter,
                                     bool AAdaptToStyle, float AScaleFactor)
{
    const float s = AScaleFactor;
    DrawButton(ARect, ADown, AFocused, AEnabled, AAdaptToStyle, 1);
    const TRectF svgTarget =
        ACenter ? Shrunk(ARect, 4 * s) : Shrunk(TRectF{ARect.Right - 16 * s, ARect.Top, ARect.Right - 2 * s, ARect.Bottom}, 2 * s);
    const Integer size = RoundEven(7 * s);
    TRectF bitmapTarget = ARect;
    if (!ACenter && ARect.Left < ARect.Right - float(size) - 10 * s) bitmapTarget.Left = ARect.Right - float(size) - 10 * s;
    // a small triangle of shortening strokes
    DrawButtonGlyph(svgTarget, bitmapTarget, "GxGRAPHICSEXPANDSVG", AAdaptToStyle, size, 1,
                    ScaledLines({0, 1, 6, 1, 0, 2, 6, 2, 1, 3, 5, 3, 2, 4, 4, 4, 3, 5, 3, 5}, s));
}

void TGxGraphics::DrawProgressBar(const TRectF& ARect, float AValue, const String& AFormat, float AMax, TColor AColor,
                                  TColor ATextColor, bool AShowText, bool AEnabled, float)
{
    const TColor fillColor = Fill()->Color();
    SetSolidFill(*this, AEnabled ? LighterColor(0xD3D3D3, 75) : 0xD3D3D3);
    Stroke()->BeginUpdate();
    Stroke()->SetKind(gskSolid);
    Stroke()->SetColor(0xA9A9A9);
    Stroke()->EndUpdate();
    DrawRectangle(ARect);
    const float v = std::max(0.0f, std::min(AValue, AMax));
    if (AMax > 0) {
        TRectF bar = Shrunk(ARect, 1);
        bar.Right = bar.Left + v * (bar.Right - ARect.Left) / AMax;
        Fill()->SetColor(AColor);
        Stroke()->SetColor(AColor);
        DrawRectangle(bar);
        if (AShowText) {
            const TColor fontColor = Font()->Color();
            Font()->SetColor(ATextColor);
            DrawText(ARect, Format(AFormat, {double(v) / AMax * 100}), false, gtaCenter, gtaCenter, gttNone, 0, -1,
                     -1, true, false, -1, -1);
            Font()->SetColor(fontColor);
        }
    }
    Fill()->SetColor(fillColor);
}

void TGxGraphics::DrawCheckBox(const TRect& ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor)
{
    DrawCheckBox(RectToRectF(ARect), AChecked, AFocused, AEnabled, AScaleFactor);
}

void TGxGraphics::DrawRadioButton(const TRect& ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor)
{
    DrawRadioButton(RectToRectF(ARect), AChecked, AFocused, AEnabled, AScaleFactor);
}

void TGxGraphics::DrawButton(const TRect& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                             float AScaleFactor)
{
    DrawButton(RectToRectF(ARect), ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
}

void TGxGraphics::DrawCloseButton(const TRect& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                                  float AScaleFactor)
{
    DrawCloseButton(RectToRectF(ARect), ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
}

void TGxGraphics::DrawExpanderButton(const TRect& ARect, TGxGraphicsExpanderState AState, bool ADown, bool AFocused,
                                     bool AEnabled, bool AAdaptToStyle, float AScaleFactor)
{
    DrawExpanderButton(RectToRectF(ARect), AState, ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
}

void TGxGraphics::DrawCompactButton(const TRect& ARect, TGxGraphicsCompactState AState, bool ADown, bool AFocused,
                                    bool AEnabled, bool AAdaptToStyle, float AScaleFactor)
{
    DrawCompactButton(RectToRectF(ARect), AState, ADown, AFocused, AEnabled, AAdaptToStyle, AScaleFactor);
}

void TGxGraphics::DrawDropDownButton(const TRect& ARect, bool ADown, bool AFocused, bool AEnabled, bool ACenter,
                                     bool AAdaptToStyle, float AScaleFactor)
{
    DrawDropDownButton(RectToRectF(ARect), ADown, AFocused, AEnabled, ACenter, AAdaptToStyle, AScaleFactor);
}

void TGxGraphics::DrawProgressBar(const TRect& ARect, float AValue, const String& AFormat, float AMax, TColor AColor,
                                  TColor ATextColor, bool AShowText, bool AEnabled, float AScaleFactor)
{
    DrawProgressBar(RectToRectF(ARect), AValue, AFormat, AMax, AColor, ATextColor, AShowText, AEnabled, AScaleFactor);
}

void TGxGraphics::SetDefaultGraphicColors()
{
    StyleGlyphColor = 0;
    StyleFocusedBorderColor = ColorFromRGB(60, 127, 177);
    StyleFocusedFaceColor = ColorFromRGB(229, 241, 251);
    StyleDisabledBorderColor = 0xA9A9A9;
    StyleDisabledFaceColor = 0xD3D3D3;
    StyleNormalBorderColor = 0xA9A9A9;
    StyleNormalFaceColor = ColorFromRGB(225, 225, 225);
}
