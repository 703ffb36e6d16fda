// Caption, layout and gradient value objects and the button vocabulary.
#include "foundation/StyGraphUtils.h"

#include "platform/classes/TypInfo.h"


const TEnumTypeInfo& TypeInfoOf(TStyThreeDStyle)
{
    static const TEnumTypeInfo info("TStyThreeDStyle",
                                    {"tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow",
                                     "tdPColorSunken", "tdPColorRaised", "tdShadow", "tdOutline", "tdExtrude",
                                     "tdExtrudeEnh"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyGradientStyle)
{
    static const TEnumTypeInfo info("TStyGradientStyle",
                                    {"gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft",
                                     "gstTopRight", "gstBottomLeft", "gstBottomRight", "gstTopLeftDiagonal",
                                     "gstTopRightDiagonal"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyDisabledStyle)
{
    static const TEnumTypeInfo info("TStyDisabledStyle", {"dsAuto", "dsStandard", "ds3d", "dsNone"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyThreeDOrientation)
{
    static const TEnumTypeInfo info("TStyThreeDOrientation", {"toBottomLeft", "toBottomRight", "toTopLeft", "toTopRight"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyTextArrange)
{
    static const TEnumTypeInfo info("TStyTextArrange", {"taLeft", "taLeftTop", "taRight", "taRightTop", "taTop",
                                                        "taTopLeft", "taBottom", "taBottomLeft"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyAlignment)
{
    static const TEnumTypeInfo info("TStyAlignment", {"agTopLeft", "agTopCenter", "agTopRight", "agCenterLeft",
                                                      "agCenter", "agCenterRight", "agBottomLeft", "agBottomCenter",
                                                      "agBottomRight"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyArrowPosition)
{
    static const TEnumTypeInfo info("TStyArrowPosition", {"apRightText", "apLeftText", "apRightGlyph", "apLeftGlyph"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TStyGlyphKind)
{
    static const TEnumTypeInfo info("TStyGlyphKind", {"gkCustom", "gkEllipsis", "gkFile", "gkFolder", "gkCalculator",
                                                      "gkCalender", "gkSearch", "gkColor", "gkFont"});
    return info;
}

// ---- published properties

TClass TSty3DCaption::StaticClass()
{
    static const TMetaClass meta("TSty3DCaption", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TSty3DCaption>(&m)
            .Property("DisabledStyle", &TSty3DCaption::DisabledStyle, &TSty3DCaption::SetDisabledStyle).Default(dsAuto)
            .Property("LightDepth", &TSty3DCaption::LightDepth, &TSty3DCaption::SetLightDepth).Default(1)
            .Property("ShadowDepth", &TSty3DCaption::ShadowDepth, &TSty3DCaption::SetShadowDepth).Default(1)
            .Property("LightColor", &TSty3DCaption::LightColor, &TSty3DCaption::SetLightColor)
            .Type("TColor")
            .Default(clBtnHighlight)
            .Property("ShadowColor", &TSty3DCaption::ShadowColor, &TSty3DCaption::SetShadowColor)
            .Type("TColor")
            .Default(clBtnShadow)
            .Property("Style", &TSty3DCaption::Style, &TSty3DCaption::SetStyle).Default(tdNone)
            .Property("Orientation", &TSty3DCaption::Orientation, &TSty3DCaption::SetOrientation).Default(toTopLeft)
            .Property("Tracing", &TSty3DCaption::Tracing, &TSty3DCaption::SetTracing).Default(0);
    });
    return &meta;
}

TClass TStyFxCaption::StaticClass()
{
    static const TMetaClass meta("TStyFxCaption", TSty3DCaption::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyFxCaption>(&m)
            .Property("Angle", &TStyFxCaption::Angle, &TStyFxCaption::SetAngle).Default(0)
            .Property("PosX", &TStyFxCaption::PosX, &TStyFxCaption::SetPosX).Default(0)
            .Property("PosY", &TStyFxCaption::PosY, &TStyFxCaption::SetPosY).Default(0);
    });
    return &meta;
}

TClass TStyGlyphTextLayout::StaticClass()
{
    static const TMetaClass meta("TStyGlyphTextLayout", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyGlyphTextLayout>(&m)
            .Property("AlignText2Glyph", &TStyGlyphTextLayout::AlignText2Glyph, &TStyGlyphTextLayout::SetAlignText2Glyph)
            .Default(taRight)
            .Property("OffsetX", &TStyGlyphTextLayout::OffsetX, &TStyGlyphTextLayout::SetOffsetX).Default(0)
            .Property("OffsetY", &TStyGlyphTextLayout::OffsetY, &TStyGlyphTextLayout::SetOffsetY).Default(0)
            .Property("Spacing", &TStyGlyphTextLayout::Spacing, &TStyGlyphTextLayout::SetSpacing).Default(2)
            .Property("Alignment", &TStyGlyphTextLayout::Alignment, &TStyGlyphTextLayout::SetAlignment)
            .Default(agTopLeft);
    });
    return &meta;
}

TClass TStyButtonLayout::StaticClass()
{
    static const TMetaClass meta("TStyButtonLayout", TStyGlyphTextLayout::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyButtonLayout>(&m)
            .Property("Alignment").Default(agCenter)
            .Property("Arrow", &TStyButtonLayout::Arrow, &TStyButtonLayout::SetArrow).Default(false)
            .Property("ArrowColor", &TStyButtonLayout::ArrowColor, &TStyButtonLayout::SetArrowColor)
            .Type("TColor")
            .Default(clBlack)
            .Property("ArrowIndent", &TStyButtonLayout::ArrowIndent, &TStyButtonLayout::SetArrowIndent).Default(3)
            .Property("ArrowPosition", &TStyButtonLayout::ArrowPosition, &TStyButtonLayout::SetArrowPosition)
            .Default(apRightText)
            .Property("ArrowSize", &TStyButtonLayout::ArrowSize, &TStyButtonLayout::SetArrowSize).Default(3);
    });
    return &meta;
}

TClass TStyGradient::StaticClass()
{
    static const TMetaClass meta("TStyGradient", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        TPublished<TStyGradient>(&m)
            .Property("Color", &TStyGradient::Color, &TStyGradient::SetColor).Type("TColor").Default(clBlue)
            .Property("ColorCount", &TStyGradient::ColorCount, &TStyGradient::SetColorCount).Default(16)
            .Property("Style", &TStyGradient::Style, &TStyGradient::SetStyle).Default(gstVertical)
            .Property("EndColor", &TStyGradient::EndColor, &TStyGradient::SetEndColor).Type("TColor").Default(clBlack)
            .Property("PaletteRealize", &TStyGradient::PaletteRealize, &TStyGradient::SetPaletteRealize).Default(false)
            .Property("TwoColors", &TStyGradient::TwoColors, &TStyGradient::SetTwoColors).Default(true);
    });
    return &meta;
}

const TEnumTypeInfo& TypeInfoOf(TStyUserButtonStyle)
{
    static const TEnumTypeInfo info("TStyUserButtonStyle",
                                    {"ubsWin31", "ubsWin40", "ubsVesper", "ubsVesperFlat", "ubsFlat",
                                     "ubsFlatUnColored", "ubsNavigator", "ubsExplorer", "ubsExplorerColored",
                                     "ubsIntegrated", "ubsCombo", "ubsOffice", "ubsOfficeTransp", "ubsWin40Ext"});
    return info;
}

// ---- 3D captions

TSty3DCaption::TSty3DCaption(TPersistent* AOwner) : TStyObject(AOwner) {}

void TSty3DCaption::CopyFrom(const TSty3DCaption& s)
{
    FDisabledStyle = s.FDisabledStyle;
    FLightDepth = s.FLightDepth;
    FShadowDepth = s.FShadowDepth;
    FLightColor = s.FLightColor;
    FShadowColor = s.FShadowColor;
    FStyle = s.FStyle;
    FTracing = s.FTracing;
}

void TSty3DCaption::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TSty3DCaption*>(Source);
    if (!s || s->ClassType() != ClassType()) return TStyObject::Assign(Source);
    CopyFrom(*s);
    Change();
}

String TSty3DCaption::GetSetStr() const
{
    return "(" + Copy(TypeInfoOf(TStyThreeDStyle{}).ValueName(FStyle), 3, 100) + ")";
}

TStyFxCaption::TStyFxCaption(TPersistent* AOwner) : TSty3DCaption(AOwner) {}

void TStyFxCaption::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyFxCaption*>(Source);
    if (!s) return TStyObject::Assign(Source);
    CopyFrom(*s);
    FAngle = s->FAngle;
    FPosX = s->FPosX;
    FPosY = s->FPosY;
    Change();
}

String TStyFxCaption::GetSetStr() const
{
    String name = Copy(TypeInfoOf(TStyThreeDStyle{}).ValueName(FStyle), 3, 100);
    if (name != String("Disabled") && FAngle != 0) name = name + ", Rot: " + IntToStr(FAngle) + String(u"\uFFFD");
    return "(" + name + ")";
}

void TStyFxCaption::SetPosXY(Word X, Word Y)
{
    BeginUpdate();
    SetPosX(X);
    SetPosY(Y);
    EndUpdate(false);
}

// ---- layouts

TStyGlyphTextLayout::TStyGlyphTextLayout(TPersistent* AOwner) : TStyObject(AOwner) {}

void TStyGlyphTextLayout::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyGlyphTextLayout*>(Source);
    if (!s) return TStyObject::Assign(Source);
    FAlignText2Glyph = s->FAlignText2Glyph;
    FOffsetX = s->FOffsetX;
    FOffsetY = s->FOffsetY;
    FSpacing = s->FSpacing;
    FAlignment = s->FAlignment;
    Change();
}

TStyButtonLayout::TStyButtonLayout(TPersistent* AOwner) : TStyGlyphTextLayout(AOwner) { SetAlignment(agCenter); }

void TStyButtonLayout::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyButtonLayout*>(Source);
    if (!s) return TStyGlyphTextLayout::Assign(Source);
    BeginUpdate();
    SetAlignText2Glyph(s->AlignText2Glyph());
    SetOffsetX(s->OffsetX());
    SetOffsetY(s->OffsetY());
    SetSpacing(s->Spacing());
    SetAlignment(s->Alignment());
    FArrow = s->FArrow;
    FArrowColor = s->FArrowColor;
    FArrowIndent = s->FArrowIndent;
    FArrowPosition = s->FArrowPosition;
    FArrowSize = s->FArrowSize;
    EndUpdate(true);
}

// ---- gradient

TStyGradient::TStyGradient(TPersistent* AOwner) : TStyObject(AOwner) { InitPalette(); }

void TStyGradient::SetColor(TColor value)
{
    if (value == FColor) return;
    FColor = value;
    Change();
}

void TStyGradient::Change()
{
    InitPalette();
    TStyObject::Change();
}

void TStyGradient::InitPalette()
{
    FColorList.clear();
    if (FTwoColors) {
        BuildGradientColors(FColor, FEndColor, FColorCount, true, &FColorList);
        return;
    }
    const Integer stops = static_cast<Integer>(FColors.size());
    if (stops <= 1) return;
    BuildGradientColors(FColors[0], FColors[1], FColors[1] == clNone ? 2 : FColorCount / stops, true, &FColorList);
    Integer named = 0;
    for (TColor c : FColors)
        if (c != clNone) ++named;
    for (Integer i = 1; i <= stops - 2; ++i) {
        if (FColors[i + 1] == clNone) {
            ++i;
            if (i + 1 < stops) BuildGradientColors(FColors[i], FColors[i + 1], 2, false, &FColorList);
        } else {
            BuildGradientColors(FColors[i], FColors[i + 1], named ? FColorCount / named : 0, false, &FColorList);
        }
    }
}

void TStyGradient::Assign(TPersistent* Source)
{
    if (Source == this) return;
    auto* s = dynamic_cast<TStyGradient*>(Source);
    if (!s) return TStyObject::Assign(Source);
    BeginUpdate();
    FColorCount = s->FColorCount;
    FColor = s->FColor;
    FStyle = s->FStyle;
    FEndColor = s->FEndColor;
    FPaletteRealize = s->FPaletteRealize;
    FTwoColors = s->FTwoColors;
    FColors = s->FColors;
    EndUpdate(true);
}

String TStyGradient::GetSetStr() const
{
    const String colours = FTwoColors ? ColorToString(FColor) + " - " + ColorToString(FEndColor) : String("Multi color");
    return "(" + Copy(TypeInfoOf(TStyGradientStyle{}).ValueName(FStyle), 4, 100) + ", " + colours + ")";
}

void TStyGradient::PaintGradient(TCanvas& aCanvas, const TRect& aRect)
{
    FillGradient(aCanvas, aRect, FStyle, &FColorList, FPaletteRealize ? dbPalette : 0, 0);
}

// ---- button vocabulary

void ReadButtonStyleIdent(const String& Ident, TStyUserButtonStyle& Style, bool& XP)
{
    if (Ident == String("ubsWinXP")) {
        Style = ubsWin40;
        XP = true;
    } else if (Ident == String("ubsWinXPCombo")) {
        Style = ubsCombo;
        XP = true;
    } else if (Ident == String("ubsWinXPTool")) {
        Style = ubsExplorer;
        XP = true;
    } else {
        const int value = TypeInfoOf(TStyUserButtonStyle{}).Value(Ident);
        if (value >= 0) Style = static_cast<TStyUserButtonStyle>(value);
    }
}

bool IsHotButtonStyle(TStyUserButtonStyle Style)
{
    switch (Style) {
    case ubsVesper:
    case ubsVesperFlat:
    case ubsFlat:
    case ubsNavigator:
    case ubsExplorer:
    case ubsExplorerColored:
    case ubsOffice:
    case ubsOfficeTransp: return true;
    default: return false;
    }
}

Integer ButtonStyleBorderWidth(Byte Style)
{
    switch (Style & 0x7F) {
    case ubsWin31: return 3;
    case ubsWin40:
    case ubsVesper:
    case ubsVesperFlat:
    case ubsNavigator:
    case ubsIntegrated:
    case ubsWin40Ext: return 2;
    default: return 1;
    }
}
