#pragma once
// How a styled control fills an area: nothing, a pattern brush from a bitmap, a brush, a bitmap
// (its own or one taken from an image list), a gradient or a PNG picture, with a tiling mode.
#include "foundation/StyGraphUtils.h"
#include "platform/graphics/Codecs.h"

const TEnumTypeInfo& TypeInfoOf(TStyFillStyle);
const TEnumTypeInfo& TypeInfoOf(TStyTileMode);

class TStyShapeFill : public TStyObject {
    DECLARE_CLASS(TStyShapeFill, TStyObject)
public:
    // The owner is not kept.
    explicit TStyShapeFill(TPersistent* Owner);
    ~TStyShapeFill() override;
    void Assign(TPersistent* Source) override;
    // The style's name without "sf", in parentheses: "(Brush)".
    String GetSetStr() const override;

    TBitmap* Bitmap() { return &FBitmap; }
    void SetBitmap(TBitmap* Value) { FBitmap.Assign(Value); }
    TPngImage* Png() { return &FPng; }
    void SetPng(TPngImage* Value) { FPng.Assign(Value); }
    TStyGradient* Gradient() { return &FGradient; }
    void SetGradient(TStyGradient* Value) { FGradient.Assign(Value); }
    TStyFillStyle Style() const { return FFillStyle; }
    void SetStyle(TStyFillStyle Value);
    TStyTileMode TileMode() const { return FTileMode; }
    void SetTileMode(TStyTileMode Value);
    // The image-list picture of an alpha object; it reports no change.
    TBitmap* ListBitmap() { return &FListBitmap; }
    void SetListBitmap(TBitmap* Value) { FListBitmap.Assign(Value); }

    bool Empty();
    // Palettes play no part on a true-colour screen: 0 for every style.
    Cardinal Palette() const { return 0; }
    bool SizeDependent() const;
    // Bitmap for sfBitmap, ListBitmap for sfBitmapList, else none.
    TBitmap* CurrentBitmap();

protected:
    TBitmap FBitmap;
    TPngImage FPng;
    TStyGradient FGradient{nullptr};
    TStyFillStyle FFillStyle = sfBrush;
    TStyTileMode FTileMode = tmTile;
    TBitmap FListBitmap;
};
