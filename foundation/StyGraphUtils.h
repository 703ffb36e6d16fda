#pragma once
// The value objects styled controls own and publish as nested properties: the 3D caption and
// its rotated variant, the glyph-and-text layout and the button layout with its drop-down arrow,
// and the gradient with its colour ramp; with the button vocabulary all buttons share.
#include "foundation/StyGraph.h"
#include "foundation/StyObject.h"
#include "platform/classes/TypInfo.h"

enum TStyArrowPosition : Byte { apRightText, apLeftText, apRightGlyph, apLeftGlyph };
enum TStyNormalButtonStyle : Byte { nbsAutoDetect, nbsWin31, nbsWin40 };
enum TStyGlyphKind : Byte { gkCustom, gkEllipsis, gkFile, gkFolder, gkCalculator, gkCalender, gkSearch, gkColor,
                            gkFont };

class TSty3DCaption : public TStyObject {
    DECLARE_CLASS(TSty3DCaption, TStyObject)
public:
    explicit TSty3DCaption(TPersistent* AOwner);
    // Copies every setting but the orientation.
    void Assign(TPersistent* Source) override;
    String GetSetStr() const override;

    TStyDisabledStyle DisabledStyle() const { return FDisabledStyle; }
    void SetDisabledStyle(TStyDisabledStyle value) { Store(FDisabledStyle, value); }
    Byte LightDepth() const { return FLightDepth; }
    void SetLightDepth(Byte value) { Store(FLightDepth, value); }
    Byte ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(Byte value) { Store(FShadowDepth, value); }
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value) { Store(FLightColor, value); }
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { Store(FShadowColor, value); }
    TStyThreeDStyle Style() const { return FStyle; }
    void SetStyle(TStyThreeDStyle value) { Store(FStyle, value); }
    TStyThreeDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TStyThreeDOrientation value) { Store(FOrientation, value); }
    Integer Tracing() const { return FTracing; }
    void SetTracing(Integer value) { Store(FTracing, value); }

protected:
    template <class T>
    void Store(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Change();
    }
    void CopyFrom(const TSty3DCaption& source);

    TStyDisabledStyle FDisabledStyle = dsAuto;
    Byte FLightDepth = 1;
    Byte FShadowDepth = 1;
    TColor FLightColor = clBtnHighlight;
    TColor FShadowColor = clBtnShadow;
    TStyThreeDStyle FStyle = tdNone;
    TStyThreeDOrientation FOrientation = toTopLeft;
    Integer FTracing = 0;
};

// A 3D caption that can also be turned by an angle and placed at a text origin.
class TStyFxCaption : public TSty3DCaption {
    DECLARE_CLASS(TStyFxCaption, TSty3DCaption)
public:
    explicit TStyFxCaption(TPersistent* AOwner);
    void Assign(TPersistent* Source) override;
    String GetSetStr() const override;
    TStyAngle Angle() const { return FAngle; }
    void SetAngle(TStyAngle value) { Store(FAngle, static_cast<TStyAngle>(value == 360 ? 0 : value)); }
    Word PosX() const { return FPosX; }
    void SetPosX(Word value) { Store(FPosX, value); }
    Word PosY() const { return FPosY; }
    void SetPosY(Word value) { Store(FPosY, value); }
    // Sets the origin without a change notification.
    void SetPosXY(Word X, Word Y);

private:
    TStyAngle FAngle = 0;
    Word FPosX = 0, FPosY = 0;
};

class TStyGlyphTextLayout : public TStyObject {
    DECLARE_CLASS(TStyGlyphTextLayout, TStyObject)
public:
    explicit TStyGlyphTextLayout(TPersistent* AOwner);
    void Assign(TPersistent* Source) override;

    TStyTextArrange AlignText2Glyph() const { return FAlignText2Glyph; }
    void SetAlignText2Glyph(TStyTextArrange value) { Store(FAlignText2Glyph, value); }
    Integer OffsetX() const { return FOffsetX; }
    void SetOffsetX(Integer value) { Store(FOffsetX, value); }
    Integer OffsetY() const { return FOffsetY; }
    void SetOffsetY(Integer value) { Store(FOffsetY, value); }
    Integer Spacing() const { return FSpacing; }
    void SetSpacing(Integer value) { Store(FSpacing, value); }
    TStyAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TStyAlignment value) { Store(FAlignment, value); }

protected:
    template <class T>
    void Store(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Change();
    }

private:
    TStyTextArrange FAlignText2Glyph = taRight;
    Integer FOffsetX = 0;
    Integer FOffsetY = 0;
    Integer FSpacing = 2;
    TStyAlignment FAlignment = agTopLeft;
};

// The glyph-and-text layout of a button, with an optional drop-down arrow.
class TStyButtonLayout : public TStyGlyphTextLayout {
    DECLARE_CLASS(TStyButtonLayout, TStyGlyphTextLayout)
public:
    explicit TStyButtonLayout(TPersistent* AOwner);
    void Assign(TPersistent* Source) override;

    bool Arrow() const { return FArrow; }
    void SetArrow(bool value) { Store(FArrow, value); }
    TColor ArrowColor() const { return FArrowColor; }
    void SetArrowColor(TColor value) { Store(FArrowColor, value); }
    Integer ArrowIndent() const { return FArrowIndent; }
    void SetArrowIndent(Integer value) { Store(FArrowIndent, value); }
    TStyArrowPosition ArrowPosition() const { return FArrowPosition; }
    void SetArrowPosition(TStyArrowPosition value) { Store(FArrowPosition, value); }
    TStyDDArrowSize ArrowSize() const { return FArrowSize; }
    void SetArrowSize(TStyDDArrowSize value) { Store(FArrowSize, value); }

private:
    bool FArrow = false;
    TColor FArrowColor = clBlack;
    Integer FArrowIndent = 3;
    TStyArrowPosition FArrowPosition = apRightText;
    TStyDDArrowSize FArrowSize = 3;
};

// A gradient: two colours or a list of stops, and the colour ramp computed from them.
class TStyGradient : public TStyObject {
    DECLARE_CLASS(TStyGradient, TStyObject)
public:
    explicit TStyGradient(TPersistent* AOwner);
    void Assign(TPersistent* Source) override;
    String GetSetStr() const override;
    // Recomputes the ramp, then notifies.
    void Change() override;
    void PaintGradient(TCanvas& aCanvas, const TRect& aRect);

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TStyColorCount ColorCount() const { return FColorCount; }
    void SetColorCount(TStyColorCount value) { Store(FColorCount, value); }
    TColor EndColor() const { return FEndColor; }
    void SetEndColor(TColor value) { Store(FEndColor, value); }
    bool PaletteRealize() const { return FPaletteRealize; }
    void SetPaletteRealize(bool value) { Store(FPaletteRealize, value); }
    TStyGradientStyle Style() const { return FStyle; }
    void SetStyle(TStyGradientStyle value) { Store(FStyle, value); }
    bool TwoColors() const { return FTwoColors; }
    void SetTwoColors(bool value) { Store(FTwoColors, value); }
    // The stops of a multi-colour gradient; setting them copies the list without a notification.
    const TStyColorList& Colors() const { return FColors; }
    void SetColors(const TStyColorList& value) { FColors = value; }
    const TStyColorList& ColorList() const { return FColorList; }

private:
    template <class T>
    void Store(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Change();
    }
    void InitPalette();

    TStyColorCount FColorCount = 16;
    TColor FColor = clBlue;
    TStyColorList FColorList;
    TColor FEndColor = clBlack;
    bool FPaletteRealize = false;
    TStyGradientStyle FStyle = gstVertical;
    TStyColorList FColors;
    bool FTwoColors = true;
};

// Old style names in form streams: "ubsWinXP" is the Win 4.0 look with the platform theme (XP
// set true), "ubsWinXPCombo" the combo look, "ubsWinXPTool" the explorer look.
void ReadButtonStyleIdent(const String& Ident, TStyUserButtonStyle& Style, bool& XP);
// The styles whose pressed and dropped-down states are drawn with the mouse-over look.
bool IsHotButtonStyle(TStyUserButtonStyle Style);
Integer ButtonStyleBorderWidth(Byte Style);

const TEnumTypeInfo& TypeInfoOf(TStyUserButtonStyle);
const TEnumTypeInfo& TypeInfoOf(TStyThreeDStyle);
const TEnumTypeInfo& TypeInfoOf(TStyGradientStyle);
const TEnumTypeInfo& TypeInfoOf(TStyDisabledStyle);
const TEnumTypeInfo& TypeInfoOf(TStyThreeDOrientation);
const TEnumTypeInfo& TypeInfoOf(TStyTextArrange);
const TEnumTypeInfo& TypeInfoOf(TStyAlignment);
const TEnumTypeInfo& TypeInfoOf(TStyArrowPosition);
const TEnumTypeInfo& TypeInfoOf(TStyGlyphKind);

// ---- caption text, measuring and glyph/text layout (StyGraphUtils_text.cpp)

// The DrawText alignment flags of a nine-way alignment.
UINT AlignmentFlags(TStyAlignment Alignment);
// A rectangle of SizeRect's size placed inside Bounds.
void AlignRect(TStyAlignment Alignment, const TRect& SizeRect, const TRect& Bounds, TRect& Result);
// Draws the text with the caption object's 3D effect (none without one).  The top bit of
// DTFlags writes the text with ExtTextOut at the rectangle's top-left instead of DrawTextEx.
void DrawCaptionText(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, const TRect& TextRect,
                     Cardinal DTFlags, TStyDrawTextStyles Styles, const TRect* ClipRect);
// Rect becomes the rectangle the caption needs, with its 3D offsets and 2 x (Margin + 1) around.
void MeasureCaption(const String& Text, TSty3DCaption* Caption, TRect& Rect, TFont& Font, bool MultiLine,
                    bool ShowAccel, Integer Margin, Cardinal DTFlags);
void MeasureCaptionOnCanvas(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, TRect& Rect, TFont& Font,
                            bool MultiLine, bool ShowAccel, Integer Margin, Cardinal DTFlags);
void CalcCaptionRect(TStyAlignment Alignment, const String& Text, TSty3DCaption* Caption, const TRect& Bounds,
                     TFont& Font, bool MultiLine, bool ShowAccel, Cardinal DTFlags, TRect& Result);

// Where the last layout put things: the text, the glyph and their union.
struct TStyLayoutRects {
    TRect Union, Text, Glyph;
};
// Lays out (and, unless dtCalculate, draws) a glyph from GlyphCanvas's GlyphRect beside the
// caption in Dest by the layout, with the drop-down arrow of a button layout.
void DrawGlyphTextLayout(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, const TRect& Dest,
                         TCanvas* GlyphCanvas, TRect& GlyphRect, TStyGlyphTextLayout* Layout, bool MultiLine,
                         bool ShowAccel, const TStyGlyphTransparency& Transparency, TStyDrawTextStyles Styles,
                         Cardinal DTFlags, TStyLayoutRects& Rects);
void DrawGlyphAndText(TCanvas& Canvas, const String& Text, TSty3DCaption* Caption, const TRect& Dest, TBitmap* Bitmap,
                      TStyGlyphTextLayout* Layout, bool MultiLine, bool ShowAccel,
                      const TStyGlyphTransparency& Transparency, TStyDrawTextStyles Styles, Cardinal DTFlags);
