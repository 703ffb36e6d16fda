// The bitmap effect object: effects over a picture in a fixed order, and the buffer that keeps
// the processed picture until a setting changes.
#include "styledcontrols/StyBitmapEffectObject.h"

TClass TStyBitmapEffectObject::StaticClass()
{
    static const TMetaClass meta("TStyBitmapEffectObject", TStyObject::StaticClass(), NewObject<TStyBitmapEffectObject>,
                                 [](TMetaClass& m) {
        TPublished<TStyBitmapEffectObject>(&m)
            .Property("AlphaBlend", &TStyBitmapEffectObject::AlphaBlend, &TStyBitmapEffectObject::SetAlphaBlend)
            .Property("Invert", &TStyBitmapEffectObject::Invert, &TStyBitmapEffectObject::SetInvert).Default(false)
            .Property("Buffered", &TStyBitmapEffectObject::Buffered, &TStyBitmapEffectObject::SetBuffered)
            .Default(false)
            .Property("GrayScale", &TStyBitmapEffectObject::GrayScale, &TStyBitmapEffectObject::SetGrayScale)
            .Default(false)
            .Property("FlipVertical", &TStyBitmapEffectObject::FlipVertical, &TStyBitmapEffectObject::SetFlipVertical)
            .Default(false)
            .Property("FlipHorizontal", &TStyBitmapEffectObject::FlipHorizontal,
                      &TStyBitmapEffectObject::SetFlipHorizontal)
            .Default(false)
            .Property("Brightness", &TStyBitmapEffectObject::Brightness, &TStyBitmapEffectObject::SetBrightness)
            .Default(0);
    });
    return &meta;
}

TStyBitmapEffectObject::TStyBitmapEffectObject(TPersistent* AOwner) : TStyObject(AOwner)
{
    FAlphaObject.OnChange = TNotifyEvent(this, &TStyBitmapEffectObject::GetChange);
}

TStyBitmapEffectObject::~TStyBitmapEffectObject() { FAlphaObject.OnChange = TNotifyEvent(); }

void TStyBitmapEffectObject::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyBitmapEffectObject*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    FFlipVert = s->FFlipVert;
    FFlipHoriz = s->FFlipHoriz;
    FGrayScale = s->FGrayScale;
    FInvert = s->FInvert;
    FBrightness = s->FBrightness;
    SetBuffered(s->FBuffered);
    FAlphaObject.Assign(&s->FAlphaObject);
}

String TStyBitmapEffectObject::GetSetStr() const
{
    String items;
    auto add = [&items](bool on, const char* name) {
        if (!on) return;
        if (!items.IsEmpty()) items += ", ";
        items += name;
    };
    add(const_cast<TStyAlphaObject&>(FAlphaObject).FillObject()->Style() != sfNone, "Alpha");
    add(FFlipVert, "FV");
    add(FFlipHoriz, "FH");
    add(FGrayScale, "GS");
    add(FInvert, "INV");
    add(FBrightness != 0, "B");
    return "(" + (items.IsEmpty() ? String("Disabled") : items) + ")";
}

void TStyBitmapEffectObject::GetChange(TObject* Sender)
{
    TStyObject::GetChange(Sender);
    FBufferValid = false;
}

bool TStyBitmapEffectObject::Enabled() const
{
    return FFlipVert || FFlipHoriz || FGrayScale || FInvert || FBrightness != 0 || FAlphaObject.Enabled();
}

bool TStyBitmapEffectObject::Option(Integer Index) const
{
    switch (Index) {
    case 0: return FFlipVert;
    case 1: return FFlipHoriz;
    case 2: return FGrayScale;
    case 3: return FInvert;
    default: return FBuffered;
    }
}

void TStyBitmapEffectObject::SetOption(Integer Index, bool Value)
{
    if (Option(Index) == Value) return;
    switch (Index) {
    case 0: FFlipVert = Value; break;
    case 1: FFlipHoriz = Value; break;
    case 2: FGrayScale = Value; break;
    case 3: FInvert = Value; break;
    default:
        FBuffered = Value;
        FBufferValid = false;
        if (Value) FBitmap = std::make_unique<TBitmap>();
        else FBitmap.reset();
        break;
    }
    GetChange(this);
}

void TStyBitmapEffectObject::SetBrightness(TStyBrightness Value)
{
    Value = std::clamp<TStyBrightness>(Value, -255, 255);
    if (FBrightness == Value) return;
    FBrightness = Value;
    GetChange(this);
}

bool TStyBitmapEffectObject::DrawBuffer(TBitmap& target)
{
    if (!FBuffered || !FBufferValid || !FBitmap) return false;
    target.Canvas().Draw(0, 0, *FBitmap);
    return true;
}

void TStyBitmapEffectObject::KeepBuffer(TBitmap& target)
{
    if (!FBuffered || FBufferValid || !FBitmap) return;
    FBitmap->Assign(&target);
    FBufferValid = true;
}

void TStyBitmapEffectObject::ApplyPixelEffects(TBitmap& target, const TRect& area)
{
    const TPoint at = area.TopLeft();
    if (FFlipVert) BitmapFlipCopy(target, area, target, at);
    if (FFlipHoriz) BitmapMirrorCopy(target, area, target, at);
    if (FGrayScale) BitmapGrayscaleCopy(target, area, target, at);
    if (FInvert) BitmapInvertCopy(target, area, target, at);
    if (FBrightness != 0) BitmapBrightnessCopy(target, area, target, FBrightness, at);
}

void TStyBitmapEffectObject::Draw(TBitmap& target)
{
    if (DrawBuffer(target)) return;
    ApplyPixelEffects(target, Rect(0, 0, target.Width(), target.Height()));
    FAlphaObject.AlphaBlend(target);
    KeepBuffer(target);
}

void TStyBitmapEffectObject::DrawCopy(TBitmap& source, TBitmap& target)
{
    target.Assign(&source);
    Draw(target);
}

void TStyBitmapEffectObject::DrawCopyFromRect(TBitmap& source, const TRect& sourceRect, TBitmap& target)
{
    target.Canvas().CopyRect(Rect(0, 0, sourceRect.Width(), sourceRect.Height()), source.Canvas(), sourceRect);
    Draw(target);
}

void TStyBitmapEffectObject::DrawCopyRect(TBitmap& source, const TRect& sourceRect, TBitmap& target, TPoint targetPt)
{
    if (DrawBuffer(target)) return;
    const TRect dest = Bounds(targetPt.X, targetPt.Y, sourceRect.Width(), sourceRect.Height());
    target.Canvas().CopyRect(dest, source.Canvas(), sourceRect);
    if (FFlipVert) BitmapFlipCopy(source, sourceRect, target, targetPt);
    if (FFlipHoriz) BitmapMirrorCopy(source, sourceRect, target, targetPt);
    if (FGrayScale) BitmapGrayscaleCopy(source, sourceRect, target, targetPt);
    if (FInvert) BitmapInvertCopy(source, sourceRect, target, targetPt);
    if (FBrightness != 0) BitmapBrightnessCopy(target, dest, target, FBrightness, targetPt);
    KeepBuffer(target);
}

void TStyBitmapEffectObject::DrawCutRect(TBitmap& source, const TRect& sourceRect, TBitmap& target,
                                         const TRect& targetRect)
{
    TBitmap processed(sourceRect.Width(), sourceRect.Height(), TPixelFormat::pf24bit);
    processed.Canvas().CopyRect(Rect(0, 0, processed.Width(), processed.Height()), source.Canvas(), sourceRect);
    Draw(processed);
    target.Canvas().CopyRect(target.Canvas().ClipRect(), source.Canvas(), sourceRect);
    target.Canvas().CopyRect(targetRect, processed.Canvas(), targetRect);
}

void TStyBitmapEffectObject::DrawCutRect2(TBitmap& source, const TRect& sourceRect, TBitmap& target,
                                          const TRect& targetRect)
{
    if (DrawBuffer(target)) return;
    target.Canvas().CopyRect(Rect(0, 0, sourceRect.Width(), sourceRect.Height()), source.Canvas(), sourceRect);
    ApplyPixelEffects(target, targetRect);
    TStyFillObject& fill = *FAlphaObject.FillObject();
    if (fill.Style() != sfNone) {
        TBitmap fillBitmap(sourceRect.Width() + 2, sourceRect.Height() + 2, TPixelFormat::pf24bit);
        fill.FillCanvas(fillBitmap.Canvas(), fillBitmap.Canvas().ClipRect(), clWhite);
        BitmapBlendCopy(target, fillBitmap, targetRect, targetRect.TopLeft(), target, FAlphaObject.Strength(),
                        targetRect.TopLeft());
    }
    KeepBuffer(target);
}
