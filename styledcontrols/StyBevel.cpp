// The frame value object: its extents, its client rectangle and its four painting modes.
#include "styledcontrols/StyBevel.h"

const TEnumTypeInfo& TypeInfoOf(TStyBevelStyle)
{
    static const TEnumTypeInfo info("TStyBevelStyle", {"bvNone", "bvLowered", "bvRaised", "bvFrameLowered",
                                                       "bvFrameRaised", "bvNormal", "bvShadow", "bvSpace", "bvFlat"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyBevelMode)
{
    static const TEnumTypeInfo info("TStyBevelMode", {"bmCustom", "bmStandard", "bmEdge", "bmWindows"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyBorderStyle)
{
    static const TEnumTypeInfo info("TStyBorderStyle",
                                    {"lsNone", "lsSingle", "lsLowered", "lsRaised", "lsRaisedspb", "lsLoweredspb",
                                     "lsRaisedExt", "lsLoweredExt", "lsFrameInset", "lsFrameOffset", "lsWindowBorder",
                                     "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised", "lsDoubleLowered"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyEdgeStyle)
{
    static const TEnumTypeInfo info("TStyEdgeStyle", {"etRaisedInner", "etRaisedOuter", "etSunkenInner",
                                                      "etSunkenOuter", "etBump", "etEtched", "etRaised", "etSunken"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyFrameSide)
{
    static const TEnumTypeInfo info("TStyFrameSide", {"fsBottom", "fsLeft", "fsRight", "fsTop"}, "TStyFrameSides");
    return info;
}

TClass TStyBevel::StaticClass()
{
    static const TMetaClass meta("TStyBevel", TStyObject::StaticClass(), NewObject<TStyBevel>, [](TMetaClass& m) {
        TPublished<TStyBevel>(&m)
            .Property("StyleInner", &TStyBevel::StyleInner, &TStyBevel::SetStyleInner).Default(bvNone)
            .Property("StyleOuter", &TStyBevel::StyleOuter, &TStyBevel::SetStyleOuter).Default(bvNone)
            .Property("WidthInner", &TStyBevel::WidthInner, &TStyBevel::SetWidthInner).Default(1)
            .Property("WidthOuter", &TStyBevel::WidthOuter, &TStyBevel::SetWidthOuter).Default(1)
            .Property("BorderColor", &TStyBevel::BorderColor, &TStyBevel::SetBorderColor)
            .Type("TColor")
            .Default(clBtnFace)
            .Property("BorderInnerWidth", &TStyBevel::BorderInnerWidth, &TStyBevel::SetBorderInnerWidth)
            .Default(0)
            .Property("BorderWidth", &TStyBevel::BorderWidth, &TStyBevel::SetBorderWidth).Default(0)
            .Property("BorderSides", &TStyBevel::BorderSides, &TStyBevel::SetBorderSides)
            .Default(TStyFrameSides{fsBottom, fsLeft, fsRight, fsTop})
            .Property("EdgeStyle", &TStyBevel::EdgeStyle, &TStyBevel::SetEdgeStyle).Default(etEtched)
            .Property("BevelExtend", &TStyBevel::BevelExtend, nullptr)
            .Property("BevelExtendRight", &TStyBevel::BevelExtendRight, nullptr)
            .Property("LightColor", &TStyBevel::LightColor, &TStyBevel::SetLightColor)
            .Type("TColor")
            .Default(clBtnHighlight)
            .Property("Mode", &TStyBevel::Mode, &TStyBevel::SetMode).Default(bmCustom)
            .Property("ShadowColor", &TStyBevel::ShadowColor, &TStyBevel::SetShadowColor)
            .Type("TColor")
            .Default(clBtnShadow)
            .Property("StandardStyle", &TStyBevel::StandardStyle, &TStyBevel::SetStandardStyle)
            .Default(lsSingleLowered);
    });
    return &meta;
}

TStyBevel::TStyBevel(TPersistent* AOwner) : TStyObject(AOwner) {}

void TStyBevel::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyBevel*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    const bool modeChanged = FMode != s->FMode;
    FBevelStyleInner = s->FBevelStyleInner;
    FBevelStyleOuter = s->FBevelStyleOuter;
    FBevelWidthInner = s->FBevelWidthInner;
    FBevelWidthOuter = s->FBevelWidthOuter;
    FBorderSides = s->FBorderSides;
    FBorderSpace = s->FBorderSpace;
    FBorderWidth = s->FBorderWidth;
    FBorderColor = s->FBorderColor;
    FLightColor = s->FLightColor;
    FShadowColor = s->FShadowColor;
    FMode = s->FMode;
    FStyle = s->FStyle;
    FEdgeStyle = s->FEdgeStyle;
    FSupport = s->FSupport;
    ChangeWithMode(modeChanged);
}

String TStyBevel::GetSetStr() const
{
    String name = TypeInfoOf(FMode).ValueName(FMode);
    return "(" + Copy(name, 3, Length(name)) + ")";
}

void TStyBevel::SetBevelStyle(TStyBevelStyle& field, TStyBevelStyle& other, TStyBevelStyle Value)
{
    if (field == Value) return;
    if (Value == bvShadow) other = bvShadow;
    else if (field == bvShadow) other = bvNone;
    field = Value;
    Change();
}

void TStyBevel::SetColor(Integer Index, TColor Value)
{
    TColor& field = Index == 0 ? FBorderColor : Index == 1 ? FLightColor : FShadowColor;
    Store(field, Value);
}

void TStyBevel::SetMode(TStyBevelMode Value)
{
    if (FMode == Value) return;
    FMode = Value;
    ChangeWithMode(true);
}

void TStyBevel::ChangeWithMode(bool modeChanged)
{
    FModeChanging = modeChanged;
    try {
        Change();
    } catch (...) {
        FModeChanging = false;
        throw;
    }
    FModeChanging = false;
}

void TStyBevel::SetStandardStyle(TStyBorderStyle Value)
{
    if (FStyle == Value) return;
    FStyle = Value;
    if (FMode == bmStandard) Change();
}

void TStyBevel::SetSupportWindowsMode(bool Value) { Store(FSupport, Value); }

void TStyBevel::Change()
{
    switch (FMode) {
    case bmCustom:
        if (FBevelStyleInner == bvShadow) {
            FExt = FBevelWidthInner + FBorderSpace;
        } else {
            FExt = FBorderWidth + FBorderSpace;
            if (FBevelStyleOuter != bvNone) FExt += FBevelWidthOuter;
            if (FBevelStyleOuter == bvFrameLowered || FBevelStyleOuter == bvFrameRaised) ++FExt;
            if (FBevelStyleInner != bvNone) FExt += FBevelWidthInner;
            if (FBevelStyleInner == bvFrameLowered || FBevelStyleInner == bvFrameRaised) ++FExt;
        }
        break;
    case bmStandard: FExt = BorderStyleWidth(FStyle) + FBorderSpace; break;
    case bmEdge: FExt = (FBorderSides.IsEmpty() ? 0 : 2) + FBorderSpace; break;
    case bmWindows: FExt = FSupport ? 0 : FBorderSpace + 2; break;
    }
    FExtr = FExt;
    if (FMode == bmCustom && FBevelStyleOuter == bvShadow) FExtr = FBevelWidthInner + FBevelWidthOuter + FBorderSpace;
    TStyObject::Change();
}

TRect TStyBevel::ClientRect(const TRect& ControlRect) const
{
    TRect r = ControlRect;
    if (FMode == bmCustom && FBevelStyleInner == bvShadow) {
        const Integer lt = FBevelWidthInner + FBorderSpace;
        const Integer rb = FBevelWidthInner + FBevelWidthOuter + FBorderSpace;
        return Rect(r.Left + lt, r.Top + lt, r.Right - rb, r.Bottom - rb);
    }
    return Rect(r.Left + FExt, r.Top + FExt, r.Right - FExt, r.Bottom - FExt);
}

void TStyBevel::PaintRing(TCanvas& aCanvas, TRect& R, Integer n, bool Transparent) const
{
    if (Transparent) {
        R = Rect(R.Left + n, R.Top + n, R.Right - n, R.Bottom - n);
        return;
    }
    aCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
    aCanvas.Brush().SetColor(FBorderColor);
    for (Integer i = 0; i < n; ++i) {
        aCanvas.FrameRect(R);
        R = Rect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    }
}

// The system edge on the chosen sides; unless transparent the 2-pixel bands of the other sides
// take the canvas's brush, so that the frame is as thick all round.
void TStyBevel::PaintEdge(TCanvas& aCanvas, TRect& R, bool Transparent) const
{
    static const UINT edges[] = {BDR_RAISEDINNER, BDR_RAISEDOUTER, BDR_SUNKENINNER, BDR_SUNKENOUTER,
                                 EDGE_BUMP,       EDGE_ETCHED,     EDGE_RAISED,     EDGE_SUNKEN};
    UINT flags = 0;
    if (FBorderSides.Contains(fsBottom)) flags |= BF_BOTTOM;
    if (FBorderSides.Contains(fsTop)) flags |= BF_TOP;
    if (FBorderSides.Contains(fsRight)) flags |= BF_RIGHT;
    if (FBorderSides.Contains(fsLeft)) flags |= BF_LEFT;
    TRect edge = R;
    DrawEdge(aCanvas.Handle(), &edge, edges[FEdgeStyle], flags);
    const TRect inner = Rect(R.Left + (flags & BF_LEFT ? 0 : 2), R.Top + (flags & BF_TOP ? 0 : 2),
                             R.Right - (flags & BF_RIGHT ? 0 : 2), R.Bottom - (flags & BF_BOTTOM ? 0 : 2));
    if (!Transparent && inner != R) {
        const int saved = aCanvas.SaveDC();
        aCanvas.IntersectClipRect(R.Left, R.Top, R.Right, R.Bottom);
        aCanvas.ExcludeClipRect(inner.Left, inner.Top, inner.Right, inner.Bottom);
        aCanvas.FillRect(R);
        aCanvas.RestoreDC(saved);
    }
    R = Rect(R.Left + (flags & BF_LEFT ? 2 : 0), R.Top + (flags & BF_TOP ? 2 : 0),
             R.Right - (flags & BF_RIGHT ? 2 : 0), R.Bottom - (flags & BF_BOTTOM ? 2 : 0));
}

TRect TStyBevel::PaintBevel(TCanvas& aCanvas, const TRect& aRect, bool Transparent)
{
    TRect R = aRect;
    if (FExt == 0) return R;
    switch (FMode) {
    case bmCustom:
        if (FBevelStyleOuter == bvShadow) {
            DrawShadowFrame(aCanvas, R, FLightColor, FShadowColor, FBorderColor, FBevelWidthOuter, FBevelWidthInner,
                            Transparent);
        } else {
            DrawBevelFrame(aCanvas, R, FBevelStyleOuter, FLightColor, FShadowColor, FBevelWidthOuter);
            PaintRing(aCanvas, R, FBorderWidth, Transparent);
            DrawBevelFrame(aCanvas, R, FBevelStyleInner, FLightColor, FShadowColor, FBevelWidthInner);
        }
        break;
    case bmStandard: DrawBorderStyle(aCanvas, R, FStyle, 0); break;
    case bmEdge:
        if (!FBorderSides.IsEmpty()) PaintEdge(aCanvas, R, Transparent);
        break;
    case bmWindows: DrawBorderStyle(aCanvas, R, lsLoweredExt, 0); break;
    }
    PaintRing(aCanvas, R, FBorderSpace, Transparent);
    return R;
}
