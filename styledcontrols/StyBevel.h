#pragma once
// The frame of a styled control: two bevels with a border ring between them, a standard border
// style, a system edge on chosen sides, or the window's own client edge.  Its owner hands it the
// client rectangle to paint and asks it for what remains inside the frame.
#include "foundation/StyGraph.h"
#include "foundation/StyObject.h"
#include "platform/classes/TypInfo.h"

const TEnumTypeInfo& TypeInfoOf(TStyBevelStyle);
const TEnumTypeInfo& TypeInfoOf(TStyBevelMode);
const TEnumTypeInfo& TypeInfoOf(TStyBorderStyle);
const TEnumTypeInfo& TypeInfoOf(TStyEdgeStyle);
const TEnumTypeInfo& TypeInfoOf(TStyFrameSide);

class TStyBevel : public TStyObject {
    DECLARE_CLASS(TStyBevel, TStyObject)
public:
    explicit TStyBevel(TPersistent* AOwner = nullptr);
    void Assign(TPersistent* Source) override;
    // "(Custom)", "(Standard)", "(Edge)" or "(Windows)".
    String GetSetStr() const override;
    // Recomputes the extents, then notifies.
    void Change() override;

    // The rectangle inside the frame.
    TRect ClientRect(const TRect& ControlRect) const;
    // Paints the frame into aRect and returns the rectangle left inside it.
    TRect PaintBevel(TCanvas& aCanvas, const TRect& aRect, bool Transparent);

    TStyBevelStyle StyleInner() const { return FBevelStyleInner; }
    void SetStyleInner(TStyBevelStyle Value) { SetBevelStyle(FBevelStyleInner, FBevelStyleOuter, Value); }
    TStyBevelStyle StyleOuter() const { return FBevelStyleOuter; }
    void SetStyleOuter(TStyBevelStyle Value) { SetBevelStyle(FBevelStyleOuter, FBevelStyleInner, Value); }
    TStyBevelWidth WidthInner() const { return FBevelWidthInner; }
    void SetWidthInner(TStyBevelWidth Value) { Store(FBevelWidthInner, std::min<TStyBevelWidth>(Value, 50)); }
    TStyBevelWidth WidthOuter() const { return FBevelWidthOuter; }
    void SetWidthOuter(TStyBevelWidth Value) { Store(FBevelWidthOuter, std::min<TStyBevelWidth>(Value, 50)); }
    TColor BorderColor() const { return FBorderColor; }
    TColor LightColor() const { return FLightColor; }
    TColor ShadowColor() const { return FShadowColor; }
    // Index 0 the border, 1 the light, 2 the shadow colour.
    void SetColor(Integer Index, TColor Value);
    void SetBorderColor(TColor Value) { SetColor(0, Value); }
    void SetLightColor(TColor Value) { SetColor(1, Value); }
    void SetShadowColor(TColor Value) { SetColor(2, Value); }
    TStyBorderWidth BorderInnerWidth() const { return FBorderSpace; }
    void SetBorderInnerWidth(TStyBorderWidth Value) { Store(FBorderSpace, Value); }
    TStyBorderWidth BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(TStyBorderWidth Value) { Store(FBorderWidth, Value); }
    TStyFrameSides BorderSides() const { return FBorderSides; }
    void SetBorderSides(TStyFrameSides Value) { Store(FBorderSides, Value); }
    TStyEdgeStyle EdgeStyle() const { return FEdgeStyle; }
    void SetEdgeStyle(TStyEdgeStyle Value) { Store(FEdgeStyle, Value); }
    Integer BevelExtend() const { return FExt; }
    Integer BevelExtendRight() const { return FExtr; }
    TStyBevelMode Mode() const { return FMode; }
    void SetMode(TStyBevelMode Value);
    TStyBorderStyle StandardStyle() const { return FStyle; }
    // Stored always; a change shows (and notifies) only in the standard mode.
    void SetStandardStyle(TStyBorderStyle Value);
    bool SupportWindowsMode() const { return FSupport; }
    void SetSupportWindowsMode(bool Value);
    // True only while Change runs for a change of Mode.
    bool ModeChanging() const { return FModeChanging; }

private:
    template <class T>
    void Store(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Change();
    }
    // Keeps the shadow style on both bevels or on none.
    void SetBevelStyle(TStyBevelStyle& field, TStyBevelStyle& other, TStyBevelStyle Value);
    void ChangeWithMode(bool modeChanged);
    void PaintRing(TCanvas& aCanvas, TRect& R, Integer n, bool Transparent) const;
    void PaintEdge(TCanvas& aCanvas, TRect& R, bool Transparent) const;

    TStyBevelStyle FBevelStyleInner = bvNone;
    TStyBevelStyle FBevelStyleOuter = bvNone;
    TStyBevelWidth FBevelWidthInner = 1;
    TStyBevelWidth FBevelWidthOuter = 1;
    TColor FBorderColor = clBtnFace;
    TStyBorderWidth FBorderSpace = 0;
    TStyBorderWidth FBorderWidth = 0;
    TStyFrameSides FBorderSides{fsBottom, fsLeft, fsRight, fsTop};
    TStyEdgeStyle FEdgeStyle = etEtched;
    Integer FExt = 0;
    Integer FExtr = 0;
    TColor FLightColor = clBtnHighlight;
    TStyBevelMode FMode = bmCustom;
    TColor FShadowColor = clBtnShadow;
    TStyBorderStyle FStyle = lsSingleLowered;
    bool FSupport = false;
    bool FModeChanging = false;
};
