#pragma once
// The hot-tracking settings of a control: whether the control lights up under the mouse, its
// colour, and a frame.  Every change is reported by property name.
#include "editcontrols/EcTypes.h"
#include "platform/graphics/Graphics.h"

class TEcHotTrackOptions : public TEcPersistentProperty {
    DECLARE_CLASS(TEcHotTrackOptions, TEcPersistentProperty)
public:
    explicit TEcHotTrackOptions(TPersistent* AOwner) : TEcPersistentProperty(AOwner) {}
    // From another options object: one OnChanging / OnChanged around the property events.
    void Assign(TPersistent* Source) override;
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Set("Enabled", FEnabled, value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { Set("Color", FColor, value); }
    bool FrameVisible() const { return FFrameVisible; }
    void SetFrameVisible(bool value) { Set("FrameVisible", FFrameVisible, value); }
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor value) { Set("FrameColor", FFrameColor, value); }

private:
    template <class T> void Set(const char* name, T& field, T value)
    {
        if (field == value) return;
        Changing();
        ChangingProperty(name);
        field = value;
        ChangedProperty(name);
        Changed();
    }
    bool FEnabled = false;
    TColor FColor = 0x00D2BDB6;
    bool FFrameVisible = false;
    TColor FFrameColor = 0x006A240A;
};
