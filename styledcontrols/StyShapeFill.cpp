// The fill description: style, tiling and the pictures it fills with.
#include "styledcontrols/StyShapeFill.h"

const TEnumTypeInfo& TypeInfoOf(TStyFillStyle)
{
    static const TEnumTypeInfo info("TStyFillStyle", {"sfNone", "sfBrushBitmap", "sfBrush", "sfBitmap", "sfBitmapList",
                                                      "sfGradient", "sfPng"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyTileMode)
{
    static const TEnumTypeInfo info("TStyTileMode", {"tmNone", "tmCenter", "tmStretch", "tmTile", "tmVerticalTile",
                                                     "tmHorizontalTile"});
    return info;
}

TClass TStyShapeFill::StaticClass()
{
    static const TMetaClass meta("TStyShapeFill", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyShapeFill>(&m)
            .Property("Bitmap", &TStyShapeFill::Bitmap, &TStyShapeFill::SetBitmap)
            .Property("Png", &TStyShapeFill::Png, &TStyShapeFill::SetPng)
            .Property("Gradient", &TStyShapeFill::Gradient, &TStyShapeFill::SetGradient)
            .Property("Style", &TStyShapeFill::Style, &TStyShapeFill::SetStyle).Default(sfBrush)
            .Property("TileMode", &TStyShapeFill::TileMode, &TStyShapeFill::SetTileMode).Default(tmTile);
    });
    return &meta;
}

TStyShapeFill::TStyShapeFill(TPersistent*) : TStyObject(nullptr)
{
    FBitmap.OnChange = [this] { GetChange(&FBitmap); };
    FGradient.OnChange = TNotifyEvent(this, &TStyShapeFill::GetChange);
}

TStyShapeFill::~TStyShapeFill()
{
    FBitmap.OnChange = nullptr;
    FGradient.OnChange = TNotifyEvent();
}

void TStyShapeFill::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyShapeFill*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    BeginUpdate();
    FBitmap.Assign(&s->FBitmap);
    FListBitmap.Assign(&s->FListBitmap);
    FGradient.Assign(&s->FGradient);
    FFillStyle = s->FFillStyle;
    FTileMode = s->FTileMode;
    EndUpdate(true);
}

String TStyShapeFill::GetSetStr() const
{
    String name = TypeInfoOf(FFillStyle).ValueName(FFillStyle);
    return "(" + Copy(name, 3, Length(name)) + ")";
}

void TStyShapeFill::SetStyle(TStyFillStyle Value)
{
    if (FFillStyle == Value) return;
    FFillStyle = Value;
    Change();
}

void TStyShapeFill::SetTileMode(TStyTileMode Value)
{
    if (FTileMode == Value) return;
    FTileMode = Value;
    Change();
}

bool TStyShapeFill::Empty()
{
    switch (FFillStyle) {
    case sfNone: return true;
    case sfBitmap: return FBitmap.Empty();
    case sfBitmapList: return FListBitmap.Empty();
    default: return false;
    }
}

bool TStyShapeFill::SizeDependent() const
{
    switch (FFillStyle) {
    case sfBrushBitmap:
    case sfBrush: return false;
    case sfBitmap:
    case sfBitmapList: return FTileMode != tmTile;
    default: return true;
    }
}

TBitmap* TStyShapeFill::CurrentBitmap()
{
    if (FFillStyle == sfBitmap) return &FBitmap;
    if (FFillStyle == sfBitmapList) return &FListBitmap;
    return nullptr;
}
