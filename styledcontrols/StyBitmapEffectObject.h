#pragma once
// Post-processing of a background picture: flips, grey scale, inversion, brightness and the
// alpha blend of a fill, optionally kept in a buffer until a setting changes.
#include <memory>

#include "foundation/StyBmp.h"
#include "styledcontrols/StyAlphaObject.h"

class TStyBitmapEffectObject : public TStyObject {
    DECLARE_CLASS(TStyBitmapEffectObject, TStyObject)
public:
    explicit TStyBitmapEffectObject(TPersistent* AOwner = nullptr);
    ~TStyBitmapEffectObject() override;
    void Assign(TPersistent* Source) override;
    // The active effects, "(Alpha, FV, FH, GS, INV, B)", or "(Disabled)".
    String GetSetStr() const override;
    // Every change drops the buffered picture.
    void GetChange(TObject* Sender) override;

    bool Enabled() const;
    // The effects in place over the whole target: flips, grey scale, inversion, brightness,
    // then the alpha blend.  A valid buffer is drawn instead.
    void Draw(TBitmap& target);
    void DrawCopy(TBitmap& source, TBitmap& target);
    void DrawCopyFromRect(TBitmap& source, const TRect& sourceRect, TBitmap& target);
    // Each active effect among the flips, grey scale and inversion writes its result of the
    // unprocessed sourceRect to targetPt (the last one shows); brightness then; no blend.
    void DrawCopyRect(TBitmap& source, const TRect& sourceRect, TBitmap& target, TPoint targetPt);
    void DrawCutRect(TBitmap& source, const TRect& sourceRect, TBitmap& target, const TRect& targetRect);
    void DrawCutRect2(TBitmap& source, const TRect& sourceRect, TBitmap& target, const TRect& targetRect);
    void DestroyBuffer() { FBufferValid = false; }

    TStyAlphaObject* AlphaBlend() { return &FAlphaObject; }
    void SetAlphaBlend(TStyAlphaObject* Value) { FAlphaObject.Assign(Value); }
    bool BufferValid() const { return FBufferValid; }
    TBitmap* BufferBitmap() const { return FBitmap.get(); }
    // Index 0 vertical flip, 1 horizontal flip, 2 grey scale, 3 inversion, 4 buffered.
    bool Option(Integer Index) const;
    void SetOption(Integer Index, bool Value);
    bool FlipVertical() const { return FFlipVert; }
    void SetFlipVertical(bool Value) { SetOption(0, Value); }
    bool FlipHorizontal() const { return FFlipHoriz; }
    void SetFlipHorizontal(bool Value) { SetOption(1, Value); }
    bool GrayScale() const { return FGrayScale; }
    void SetGrayScale(bool Value) { SetOption(2, Value); }
    bool Invert() const { return FInvert; }
    void SetInvert(bool Value) { SetOption(3, Value); }
    bool Buffered() const { return FBuffered; }
    void SetBuffered(bool Value) { SetOption(4, Value); }
    TStyBrightness Brightness() const { return FBrightness; }
    void SetBrightness(TStyBrightness Value);

private:
    // Draws the valid buffer onto target; false when there is none.
    bool DrawBuffer(TBitmap& target);
    void KeepBuffer(TBitmap& target);
    void ApplyPixelEffects(TBitmap& target, const TRect& area);

    TStyAlphaObject FAlphaObject{nullptr};
    bool FBufferValid = false;
    bool FInvert = false;
    bool FBuffered = false;
    bool FGrayScale = false;
    bool FFlipVert = false;
    bool FFlipHoriz = false;
    std::unique_ptr<TBitmap> FBitmap;
    TStyBrightness FBrightness = 0;
};
