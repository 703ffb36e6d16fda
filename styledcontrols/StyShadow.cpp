// The drop-shadow description.
#include "styledcontrols/StyShadow.h"

#include <algorithm>

const TEnumTypeInfo& TypeInfoOf(TStyShadowStyle)
{
    static const TEnumTypeInfo info("TStyShadowStyle", {"hssNone", "hssSolid", "hssTracing"});
    return info;
}

TClass TStyShadow::StaticClass()
{
    static const TMetaClass meta("TStyShadow", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyShadow>(&m)
            .Property("Color", &TStyShadow::Color, &TStyShadow::SetColor).Type("TColor").Default(clBtnShadow)
            .Property("Depth", &TStyShadow::Depth, &TStyShadow::SetDepth).Default(6)
            .Property("Style", &TStyShadow::Style, &TStyShadow::SetStyle).Default(hssSolid);
    });
    return &meta;
}

TStyShadow::TStyShadow(TPersistent* Owner) : TStyObject(Owner) {}

void TStyShadow::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyShadow*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    FStyle = s->FStyle;
    FColor = s->FColor;
    FDepth = s->FDepth;
    Change();
}

String TStyShadow::GetSetStr() const
{
    String name = TypeInfoOf(FStyle).ValueName(FStyle);
    String text = "(" + Copy(name, 4, Length(name));
    if (FStyle != hssNone) text += ", " + IntToStr(FDepth);
    return text + ")";
}

void TStyShadow::SetColor(TColor Value)
{
    if (FColor == Value) return;
    FColor = Value;
    Change();
}

void TStyShadow::SetDepth(TStyShadowDepth Value)
{
    Value = std::min<TStyShadowDepth>(Value, 40);
    if (FDepth == Value) return;
    FDepth = Value;
    Change();
}

void TStyShadow::SetStyle(TStyShadowStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    Change();
}
