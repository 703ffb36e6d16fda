#pragma once
// TNumLab: a small control that shows one number in a framed box, with an optional text
// on its left (a name) and on its right (a unit), in one of fifteen display formats.
#include "chart/VEZ_vezbase_chart.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"

enum TDisplay {
    dtFloat, dtFixP, dtExp, dtHex, dtZeroInt, dtInt, dtDateTime, dtState, dtBin, dtOct, dtDeg, dtDegMin,
    dtDegMinSec, dtEEng, dtEEngNoDP
};

// Sender, Text (may be changed).
using TBeforeDisplayEvent = TEvent<TObject*, String&>;

class TNumLab : public TGraphicControl {
    DECLARE_CLASS(TNumLab, TGraphicControl)
public:
    explicit TNumLab(TComponent* AOwner);
    void Assign(TPersistent* Source) override;

    Integer LeftSpace() const { return FLeftSpace; }
    void SetLeftSpace(Integer value);
    bool Empty() const { return FEmpty; }
    void SetEmpty(bool value) { Store(FEmpty, value); }
    Integer LabelWidth() const { return FLabWidth; }
    void SetLabelWidth(Integer value) { Store(FLabWidth, value); }
    Integer Precision() const { return FDecP; }
    void SetPrecision(Integer value);
    bool Comma() const { return FComma; }
    void SetComma(bool value) { Store(FComma, value); }
    bool ForcePlusSign() const { return FPlusSign; }
    void SetForcePlusSign(bool value) { Store(FPlusSign, value); }
    bool Transparent() const { return FTransParent; }
    void SetTransparent(bool value);
    String LeftText() const { return FLeftText; }
    void SetLeftText(const String& value) { Store(FLeftText, value); }
    String RightText() const { return FRightText; }
    void SetRightText(const String& value) { Store(FRightText, value); }
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value) { Store(FFrameStyle, value); }
    String StateText() const { return FStateText; }
    void SetStateText(const String& value) { Store(FStateText, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Store(FAlignment, value); }
    TAlignment LeftTextAlignment() const { return FLTAlignment; }
    void SetLeftTextAlignment(TAlignment value) { Store(FLTAlignment, value); }
    TAlignment RightTextAlignment() const { return FRTAlignment; }
    void SetRightTextAlignment(TAlignment value) { Store(FRTAlignment, value); }
    Integer MouseAreaCode() const { return FMouseAreaCode; }
    String OverflowIndicator() const { return FOverFlowIndi; }
    void SetOverflowIndicator(const String& value) { Store(FOverFlowIndi, value); }
    double Value() const { return FLabValue; }
    void SetValue(double value);
    TColor ColorLabBakG() const { return FColorLabBakG; }
    void SetColorLabBakG(TColor value) { Store(FColorLabBakG, value); }
    TColor ColorLabText() const { return FColorLabText; }
    void SetColorLabText(TColor value) { Store(FColorLabText, value); }
    TColor ColorOutBakG() const { return FColorOutBakG; }
    void SetColorOutBakG(TColor value) { Store(FColorOutBakG, value); }
    TColor ColorOutText() const { return FColorOutText; }
    void SetColorOutText(TColor value) { Store(FColorOutText, value); }
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    TDisplay DisplayType() const { return FDisplayType; }
    void SetDisplayType(TDisplay value) { Store(FDisplayType, value); }
    String DTFormat() const { return FDtFormat; }
    void SetDTFormat(const String& value) { Store(FDtFormat, value); }
    void SetLabEnabled(bool value);

    // The value's text by the display type with the decimal-separator and sign rules,
    // before OnBeforeDisplay and the width check (the overflow indicator for values out
    // of the type's range).
    String ValueText() const;
    // Draws the whole label into a bitmap of the control's size.
    void PaintTo(TBitmap& bmp);
    // How many times the label was painted (each paint draws the whole label).
    Integer PaintCount() const { return FPaintCount; }

    TBeforeDisplayEvent OnBeforeDisplay;

protected:
    void Paint() override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void AssignTo(TPersistent* Dest) override;

private:
    template <class T> void Store(T& field, T value)
    {
        if (field == value) return;
        field = value;
        PaintNow();
    }
    void PaintNow();

    Integer FLeftSpace = 35;
    bool FEmpty = false;
    Integer FLabWidth = 80;
    Integer FDecP = 2;
    bool FComma = false;
    bool FPlusSign = false;
    bool FTransParent = false;
    String FLeftText, FRightText;
    TFrameStyle FFrameStyle = fsLowered;
    String FStateText = "undefined";
    TAlignment FAlignment = taCenter;
    TAlignment FLTAlignment = taRightJustify;
    TAlignment FRTAlignment = taLeftJustify;
    Integer FMouseAreaCode = 0;
    String FOverFlowIndi = "*********";
    double FLabValue = 0;
    TColor FColorLabBakG = clBtnFace;
    TColor FColorLabText = clBlack;
    TColor FColorOutBakG = clBtnFace;
    TColor FColorOutText = clBlack;
    TColor FColBlackLine = clBlack, FColGrayLine = clGray, FColWhiteLine = clWhite;
    TColorScheme FColorScheme = csBWG;
    TDisplay FDisplayType = dtFixP;
    String FDtFormat = "mmm-dd, yyyy";
    Integer FPaintCount = 0;
};
