#pragma once
// Panels: a styled container whose transparent children take their background from it, and
// which copies its own transparent background from its parent's background bitmap, optionally
// through its bitmap effect; and the bevel panel framed by a bevel object that narrows its
// client area and switches between a drawn frame and the window's own client edge.
#include "styledcontrols/StyCustomControl.h"

class TStyCustomPanel : public TStyCustomControl {
    DECLARE_CLASS(TStyCustomPanel, TStyCustomControl)
public:
    explicit TStyCustomPanel(TComponent* AOwner);

    // The parent's bitmap, switched to 24 bits for an enabled effect.
    TBitmap* BackBitmap() override;
    // The parent's mapping, moved in by half the frame.
    TPoint BackMapPoint(TPoint P) override;
    // The matching part of the parent's background, through the effect unless FwdBackFX.
    bool BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word Flags) override;

protected:
    void WMSize(TMessage& message);
    void WMMove(TMessage& message);
};

class TStyCustomBevelPanel : public TStyCustomPanel {
    DECLARE_CLASS(TStyCustomBevelPanel, TStyCustomPanel)
public:
    explicit TStyCustomBevelPanel(TComponent* AOwner);
    ~TStyCustomBevelPanel() override;
    // A descendant whose frame starts otherwise hands in its own kind of bevel.
    TStyCustomBevelPanel(TComponent* AOwner, std::unique_ptr<TStyBevel> Bevel);

    TStyBevel* Bevel() { return FBevel.get(); }
    void SetBevel(TStyBevel* Value) { FBevel->Assign(Value); }
    // Only re-aligns on a change of the bevel's mode, never makes the window anew.
    bool NoHandleUpdate() const { return FNoHandleUpdate; }
    void SetNoHandleUpdate(bool Value) { FNoHandleUpdate = Value; }

    void ObjectChanged(TObject* Sender) override;
    // The face controller's bevel for the panel, else its own.
    TStyBevel* EffectiveBevel() override;
    virtual void GetBevelRect(TRect& R);
    void DrawNormalBorder() override;
    void DrawFlatBorder() override;
    void ThemeChanged() override;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    void GetGripRect(TRect& R) override;
    bool ShowDesignFrame() override;
    void Paint() override;
    void DoEnter() override;
    void DoMouseEnter() override;
    void CMCtl3DChanged(TMessage& message);
    void UMBevelChanged(TMessage& message);

    std::unique_ptr<TStyBevel> FBevel;
    bool FNoHandleUpdate = false;
};
