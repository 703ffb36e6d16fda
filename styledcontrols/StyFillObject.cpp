// Painting a fill: brushes, patterns, bitmaps placed, centred, stretched or tiled, gradients and
// PNG pictures, optionally blended at a constant opacity.
#include "styledcontrols/StyFillObject.h"

#include <memory>

const TEnumTypeInfo& TypeInfoOf(TStyFillOption)
{
    static const TEnumTypeInfo info("TStyFillOption", {"foFillInner", "foQuickDraw", "foGrUseBitmap"},
                                    "TStyFillOptions");
    return info;
}

TClass TStyFillObject::StaticClass()
{
    static const TMetaClass meta("TStyFillObject", TStyShapeFill::StaticClass(), NewObject<TStyFillObject>,
                                 [](TMetaClass& m) {
        TPublished<TStyFillObject>(&m)
            .Property("Alignment", &TStyFillObject::Alignment, &TStyFillObject::SetAlignment).Default(agTopLeft)
            .Property("OffsetX", &TStyFillObject::OffsetX, &TStyFillObject::SetOffsetX).Default(0)
            .Property("OffsetY", &TStyFillObject::OffsetY, &TStyFillObject::SetOffsetY).Default(0)
            .Property("Brush", &TStyFillObject::Brush, &TStyFillObject::SetBrush)
            .Property("Options", &TStyFillObject::Options, &TStyFillObject::SetOptions)
            .Default(TStyFillOptions{foFillInner, foGrUseBitmap})
            .Property("AlphaLevel", &TStyFillObject::AlphaLevel, &TStyFillObject::SetAlphaLevel).Default(255)
            .Property("Style").Default(sfNone);
    });
    return &meta;
}

TStyFillObject::TStyFillObject(TPersistent* AOwner) : TStyShapeFill(AOwner)
{
    FFillStyle = sfNone;
    FBrush.OnChange = [this] { GetChange(&FBrush); };
}

TStyFillObject::~TStyFillObject() { FBrush.OnChange = nullptr; }

void TStyFillObject::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyFillObject*>(Source);
    if (!s) {
        TStyShapeFill::Assign(Source);
        return;
    }
    BeginUpdate();
    FBrush.Assign(&s->FBrush);
    FOptions = s->FOptions;
    FBitmap.Assign(&s->FBitmap);
    FListBitmap.Assign(&s->FListBitmap);
    FGradient.Assign(&s->FGradient);
    SetStyle(s->FFillStyle);
    SetTileMode(s->FTileMode);
    EndUpdate(true);
}

void TStyFillObject::SetAlignment(TStyAlignment Value)
{
    if (FAlignment == Value) return;
    FAlignment = Value;
    if (PlacementShows()) Change();
}

void TStyFillObject::SetOffset(Integer Index, Integer Value)
{
    Integer& field = Index == 0 ? FOffsetX : FOffsetY;
    if (field == Value) return;
    field = Value;
    if (PlacementShows()) Change();
}

void TStyFillObject::SetOptions(TStyFillOptions Value)
{
    if (FOptions == Value) return;
    FOptions = Value;
    Change();
}

void TStyFillObject::SetAlphaLevel(Byte Value)
{
    if (FAlphaLevel == Value) return;
    FAlphaLevel = Value;
    Change();
}

bool TStyFillObject::Transparent() const
{
    const bool inner = FOptions.Contains(foFillInner);
    switch (FFillStyle) {
    case sfNone: return true;
    case sfBrush: return FBrush.Style() != TBrushStyle::bsSolid && !inner;
    case sfBitmap:
    case sfBitmapList: return (FTileMode == tmNone || FTileMode == tmCenter) && !inner;
    default: return false;
    }
}

void TStyFillObject::FillInner(TCanvas& canvas, const TRect& W, TColor orgC)
{
    if (FOptions.Contains(foFillInner)) canvas.FillRectColor(W, orgC);
}

bool TStyFillObject::FillCanvas(TCanvas& aCanvas, const TRect& aRect, TColor orgC)
{
    const bool direct = FAlphaLevel == 255 || aRect.Width() < 1 || aRect.Height() < 1;
    if (direct) return PaintFill(aCanvas, aRect, orgC);
    // Painted off screen, then blended onto the canvas at the constant opacity.
    TBitmap offscreen(aRect.Width(), aRect.Height());
    const bool painted = PaintFill(offscreen.Canvas(), Rect(0, 0, aRect.Width(), aRect.Height()), orgC);
    if (painted)
        AlphaBlendRect(aCanvas.Handle(), aRect, offscreen.Canvas().Handle(), Rect(0, 0, aRect.Width(), aRect.Height()),
                       FAlphaLevel, true);
    return painted;
}

bool TStyFillObject::PaintFill(TCanvas& canvas, const TRect& W, TColor orgC)
{
    switch (FFillStyle) {
    case sfNone: return false;
    case sfBrushBitmap:
        // a pattern brush of the bitmap itself; an empty bitmap fills with the brush as it stands
        if (!FBitmap.Empty()) canvas.Brush().SetBitmap(&FBitmap);
        canvas.FillRect(W);
        canvas.Brush().SetBitmap(nullptr);
        return true;
    case sfBrush:
        canvas.Brush().Assign(&FBrush);
        canvas.Pen().SetColor(orgC);
        if (FBrush.Style() != TBrushStyle::bsSolid) {
            SetBkColor(canvas.Handle(), orgC);
            SetBkMode(canvas.Handle(), OPAQUE);
        }
        canvas.FillRect(W);
        return true;
    case sfBitmap:
    case sfBitmapList: {
        TBitmap& picture = FFillStyle == sfBitmap ? FBitmap : FListBitmap;
        if (picture.Empty()) {
            FillInner(canvas, W, orgC);
            return false;
        }
        PaintBitmap(canvas, W, picture, orgC);
        return true;
    }
    case sfGradient: {
        Word flags = 0;
        if (FOptions.Contains(foGrUseBitmap)) flags |= dbBuffered;
        if (FGradient.PaletteRealize()) flags |= dbPalette;
        FillGradient(canvas, W, FGradient.Style(), &FGradient.ColorList(), flags, 0);
        return true;
    }
    case sfPng:
        if ((FTileMode == tmNone || FTileMode == tmStretch) && !FPng.Empty()) canvas.StretchDraw(W, FPng);
        return true;
    }
    return false;
}

void TStyFillObject::PaintBitmap(TCanvas& canvas, const TRect& W, TBitmap& picture, TColor orgC)
{
    const Word palette = FOptions.Contains(foQuickDraw) ? 0 : dbPalette;
    TRect drawn;
    switch (FTileMode) {
    case tmNone: {
        FillInner(canvas, W, orgC);
        TRect placed;
        AlignRect(FAlignment, Rect(0, 0, picture.Width(), picture.Height()), W, placed);
        OffsetRect(placed, FOffsetX, FOffsetY);
        DrawBitmapInRect(canvas, placed, picture, palette, clNone, drawn);
        break;
    }
    case tmCenter:
        FillInner(canvas, W, orgC);
        DrawBitmapInRect(canvas, W, picture, palette | dbCenter, clNone, drawn);
        break;
    case tmStretch: DrawBitmapInRect(canvas, W, picture, palette | dbStretch, clNone, drawn); break;
    case tmTile: DrawBitmapInRect(canvas, W, picture, palette | dbTile, clNone, drawn); break;
    case tmVerticalTile:
    case tmHorizontalTile: {
        // the picture stretched to one strip across (or down) the area, the strip tiled over it
        const bool vertical = FTileMode == tmVerticalTile;
        TBitmap strip(vertical ? W.Width() : picture.Width(), vertical ? picture.Height() : W.Height());
        DrawBitmapInRect(strip.Canvas(), Rect(0, 0, strip.Width(), strip.Height()), picture, dbStretch, clNone, drawn);
        DrawBitmapInRect(canvas, W, strip, palette | dbTile, clNone, drawn);
        break;
    }
    }
}

bool TStyFillObject::ClipFill(TCanvas& aCanvas, const TRect& aRect, TColor orgC, Integer pos)
{
    if (FFillStyle == sfGradient && FOptions.Contains(foGrUseBitmap)) return FillCanvas(aCanvas, aRect, orgC);
    TRect clip = aRect;
    if (pos != 0) {
        const Cardinal p = static_cast<Cardinal>(pos);
        OffsetRect(clip, static_cast<Integer>(p & 0xFFFF), static_cast<Integer>(p >> 16));
    }
    const int saved = aCanvas.SaveDC();
    aCanvas.IntersectClipRect(clip.Left, clip.Top, clip.Right, clip.Bottom);
    bool painted = false;
    try {
        painted = FillCanvas(aCanvas, aRect, orgC);
    } catch (...) {
        aCanvas.RestoreDC(saved);
        throw;
    }
    aCanvas.RestoreDC(saved);
    return painted;
}
