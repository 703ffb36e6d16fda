// Caption, layout and gradient value objects and the button vocabulary.
#include "foundation/StyGraphUtils.h"

#include "platform/classes/TypInfo.h"

IMPLEMENT_CLASS(TSty3DCaption, TStyObject, nullptr)
IMPLEMENT_CLASS(TStyFxCaption, TSty3DCaption, nullptr)
IMPLEMENT_CLASS(TStyGlyphTextLayout, TStyObject, nullptr)
IMPLEMENT_CLASS(TStyButtonLayout, TStyGlyphTextLayout, nullptr)
IMPLEMENT_CLASS(TStyGradient, TStyObject, nullptr)

namespace {

const TEnumTypeInfo& ThreeDStyleInfo()
{
    static const TEnumTypeInfo info("TStyThreeDStyle",
                                    {"tdNone", "tdSunken", "tdRaised", "tdSunkenShadow", "tdRaisedShadow",
                                     "tdPColorSunken", "tdPColorRaised", "tdShadow", "tdOutline", "tdExtrude",
                                     "tdExtrudeEnh"});
    return info;
}

const TEnumTypeInfo& GradientStyleInfo()
{
    static const TEnumTypeInfo info("TStyGradientStyle",
                                    {"gstHorizontal", "gstVertical", "gstSquare", "gstElliptic", "gstTopLeft",
                                     "gstTopRight", "gstBottomLeft", "gstBottomRight", "gstTopLeftDiagonal",
                                     "gstTopRightDiagonal"});
    return info;
}

}  // namespace

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
    return "(" + Copy(ThreeDStyleInfo().ValueName(FStyle), 3, 100) + ")";
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
    String name = Copy(ThreeDStyleInfo().ValueName(FStyle), 3, 100);
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
    return "(" + Copy(GradientStyleInfo().ValueName(FStyle), 4, 100) + ", " + colours + ")";
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
