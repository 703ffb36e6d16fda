#pragma once
// The drop shadow of the hint windows: colour, depth and style.
#include "foundation/StyGraph.h"
#include "foundation/StyObject.h"
#include "platform/classes/TypInfo.h"

const TEnumTypeInfo& TypeInfoOf(TStyShadowStyle);

class TStyShadow : public TStyObject {
    DECLARE_CLASS(TStyShadow, TStyObject)
public:
    explicit TStyShadow(TPersistent* Owner);
    void Assign(TPersistent* Source) override;
    // "(None)" or "(Solid, 6)".
    String GetSetStr() const override;

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TStyShadowDepth Depth() const { return FDepth; }
    void SetDepth(TStyShadowDepth Value);   // 0..40
    TStyShadowStyle Style() const { return FStyle; }
    void SetStyle(TStyShadowStyle Value);

private:
    TColor FColor = clBtnShadow;
    TStyShadowDepth FDepth = 6;
    TStyShadowStyle FStyle = hssSolid;
};
