#pragma once
// Blends a fill over a bitmap with a strength: 1 keeps the bitmap, 0 replaces it by the fill.
// The fill may take its bitmap from an image list, refreshed whenever the list changes.
#include "foundation/StyCont.h"
#include "styledcontrols/StyFillObject.h"

class TStyAlphaObject : public TStyObject {
    DECLARE_CLASS(TStyAlphaObject, TStyObject)
public:
    explicit TStyAlphaObject(TPersistent* AOwner);
    ~TStyAlphaObject() override;
    void Assign(TPersistent* Source) override;
    // "(Disabled)" without a fill, else "(<kind>, Strength: 0.600)".
    String GetSetStr() const override;

    // A fill to blend, and a strength that changes something.
    bool Enabled() const;
    Cardinal GetPalette() const { return 0; }
    // Every pixel of Target becomes fill + (target - fill) x Strength, channel by channel.
    void AlphaBlend(TBitmap& Target);
    // ControlsRect of OriginalBack blended, its Src part copied onto Target at DestinationRect.
    void ControlBlend(TBitmap& OriginalBack, const TRect& ControlsRect, const TRect& DestinationRect, TCanvas& Target,
                      const TRect& Src);

    // A library or platform image list; not owned.
    TComponent* ImageList() const { return FImageList; }
    void SetImageList(TComponent* Value);
    float Strength() const { return FStrength; }
    void SetStrength(float Value);
    Integer ImageIndex() const { return FImageIndex; }
    Integer ListIndex() const { return FListIndex; }
    // Index 0 the image, 1 the list; any value, even the same, refreshes the list bitmap.
    void SetIndex(Integer Index, Integer Value);
    void SetImageIndex(Integer Value) { SetIndex(0, Value); }
    void SetListIndex(Integer Value) { SetIndex(1, Value); }
    TStyFillObject* FillObject() { return &FFillObject; }
    void SetFillObject(TStyFillObject* Value) { FFillObject.Assign(Value); }

protected:
    void DefineProperties(TFiler* Filer) override;

private:
    // The image at (ListIndex, ImageIndex) into the fill's list bitmap, or an empty one.
    void RefreshListBitmap(TObject* Sender = nullptr);

    TComponent* FImageList = nullptr;
    float FStrength = 0.6f;
    Integer FImageIndex = 0;
    Integer FListIndex = 0;
    bool FTransparent = false;   // carried by Assign only
    TStyFillObject FFillObject{nullptr};
    TStyImageListLink FChangeLink;
};
