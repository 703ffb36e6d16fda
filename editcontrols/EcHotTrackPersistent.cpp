#include "editcontrols/EcHotTrackPersistent.h"

#include "platform/classes/TypInfo.h"

TClass TEcHotTrackOptions::StaticClass()
{
    static const TMetaClass meta("TEcHotTrackOptions", TEcPersistentProperty::StaticClass(), nullptr,
                                 [](TMetaClass& m) {
        using O = TEcHotTrackOptions;
        TPublished<O>(&m)
            .Property("Enabled", &O::Enabled, &O::SetEnabled).Default(false)
            .Property("Color", &O::Color, &O::SetColor).Type("TColor").Default(TColor(0x00D2BDB6))
            .Property("FrameVisible", &O::FrameVisible, &O::SetFrameVisible).Default(false)
            .Property("FrameColor", &O::FrameColor, &O::SetFrameColor).Type("TColor").Default(TColor(0x006A240A));
    });
    return &meta;
}

void TEcHotTrackOptions::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TEcHotTrackOptions*>(Source);
    if (!source) return TEcPersistentProperty::Assign(Source);
    BeginUpdate();
    try {
        SetEnabled(source->FEnabled);
        SetColor(source->FColor);
        SetFrameVisible(source->FFrameVisible);
        SetFrameColor(source->FFrameColor);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}
