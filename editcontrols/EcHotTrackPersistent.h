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

// What a control with hover effects offers: its hover settings, read and written, and taken over
// whole from another such control.
class IEcHotTrack {
public:
    virtual ~IEcHotTrack() = default;
    virtual bool HotTrack() const = 0;
    virtual TFont& HotTrackFont() = 0;
    virtual TEcTrackFontOptions HotTrackFontOptions() const = 0;
    virtual TEcHotTrackOptions& HotTrackOptions() = 0;
    virtual void SetHotTrack(bool Value) = 0;
    virtual void SetHotTrackFont(TFont* Value) = 0;
    virtual void SetHotTrackFontOptions(TEcTrackFontOptions Value) = 0;
    virtual void SetHotTrackOptions(TEcHotTrackOptions* Value) = 0;
    // The four settings of Source (nothing when it is none or this control itself).
    virtual void AssignHotTrack(IEcHotTrack* Source) = 0;
};
