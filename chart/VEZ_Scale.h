#pragma once
// TScale: one axis (base line, ticks, tick labels and caption) for a linear or
// logarithmic range of numbers, times or dates.  The chart keeps one pair per layer as
// helpers that paint on its off-screen bitmap (a foreign canvas); standing alone, the
// axis paints on its own surface.
#include <memory>

#include "chart/VEZ_vezbase_chart.h"
#include "platform/controls/Controls.h"
#include "platform/graphics/Bitmaps.h"

enum TScaleUnitAnchor { uaSclTopLft, uaSclCenter, uaSclBotRgt };

// Sender, Canvas, ScaleType, CurrentTickPos, ChartX, ChartY.
using TScaleTickDrawnEvent = TEvent<TObject*, TCanvas*, TScaleType, double, Integer, Integer>;
// Sender, ScaleType, CurrentTickPos, TickLabel (may be changed).
using TBeforeTickLabelEvent = TEvent<TObject*, TScaleType, double, String&>;
// Sender, Canvas.
using TScaleRenderedEvent = TEvent<TObject*, TCanvas*>;

// The new range of a pan or zoom drag on an axis; false when the action changes nothing.
struct TPanZoomInput {
    Integer X = 0, Y = 0;             // pointer
    Integer AnchorX = 0, AnchorY = 0; // where the drag started
    double Low = 0, High = 0;         // current range
    double AnchorLow = 0, AnchorHigh = 0;
    bool Logarithmic = false;
    TScaleType ScaleType = sctXB;
    TMouseActMode Action = maNone;
    Integer MarginLeft = 0, MarginRight = 0, MarginTop = 0, MarginBottom = 0;
    Integer Width = 0, Height = 0;
};
bool PanZoomRange(const TPanZoomInput& in, double& newLow, double& newHigh);

// Label helpers of the tick routines.
Integer AutoDecPlaces(Integer DecPlaces, double High, double Low);
Integer AutoLogDecPlaces(Integer DecPlaces, double High, double Low);
String UserTickField(const String& text, Integer n);
String ApplyInscript(const String& number, const String& inscript);
String FormatSeconds(double v, bool withMilliseconds);

class TScale : public TCustomControl {
    DECLARE_CLASS(TScale, TCustomControl)
public:
    explicit TScale(TComponent* AOwner);
    ~TScale() override;
    void Assign(TPersistent* Source) override;
    void ResetComp();
    void Loaded() override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;

    // ---- properties
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle value);
    TColor ColorScale() const { return FColorFG; }
    void SetColorScale(TColor value);
    TColor ColorBackGnd() const { return FColorBG; }
    void SetColorBackGnd(TColor value);
    TColorScheme ColorScheme() const { return FColorScheme; }
    void SetColorScheme(TColorScheme value);
    bool Logarithmic() const { return FAxLog; }
    void SetLogarithmic(bool value);
    double RangeLow() const { return FRangeLow; }
    void SetRangeLow(double value);
    double RangeHigh() const { return FRangeHigh; }
    void SetRangeHigh(double value);
    void SetRange(double LowVal, double HighVal);
    double Center() const { return (FRangeLow + FRangeHigh) / 2; }
    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool value);
    Integer NumTicks() const { return FTickCount; }
    Integer MinTicks() const { return FNumTicks; }
    void SetMinTicks(Integer value);
    Integer DecPlaces() const { return FDecPlaces; }
    void SetDecPlaces(Integer value);
    bool ShowBaseLine() const { return FDrawBaseLine; }
    void SetShowBaseLine(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value);
    TFigType LabelType() const { return FLabelType; }
    void SetLabelType(TFigType value);
    TDTLabel& DateFormat() { return *FDTFormat; }
    void SetDateFormat(TDTLabel& value);
    Integer MarginTop() const { return FMarginTop; }
    void SetMarginTop(Integer value);
    Integer MarginBottom() const { return FMarginBottom; }
    void SetMarginBottom(Integer value);
    Integer MarginLeft() const { return FMarginLeft; }
    void SetMarginLeft(Integer value);
    Integer MarginRight() const { return FMarginRight; }
    void SetMarginRight(Integer value);
    bool IsHelperComponent() const { return FIsHelper; }
    void SetIsHelperComponent(bool value);
    Integer CaptionPosX() const { return FLblPosX; }
    void SetCaptionPosX(Integer value);
    Integer CaptionPosY() const { return FLblPosY; }
    void SetCaptionPosY(Integer value);
    TAlignment CaptionAlignment() const { return FLblAlign; }
    void SetCaptionAlignment(TAlignment value);
    TScaleUnitAnchor CaptionAnchor() const { return FLblAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value);
    TMouseActMode MouseAction() const { return FMouseAction; }
    void SetMouseAction(TMouseActMode value) { FMouseAction = value; }
    String UserTickText() const { return FUserTicktext; }
    void SetUserTickText(const String& value);
    String ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const String& value);
    String Caption() const { return FUnitLabel; }
    void SetCaption(const String& value);
    Integer ForeignCanvasPosX() const { return FForCvPosX; }
    void SetForeignCanvasPosX(Integer value);
    Integer ForeignCanvasPosY() const { return FForCvPosY; }
    void SetForeignCanvasPosY(Integer value);
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType value);
    bool SuppressPaint() const { return FSuppressPaint; }
    void SetSuppressPaint(bool value);

    // ---- operations
    Integer ConvertToPixelCoords(double Value) const;
    double ConvertPixelToScale(Integer PixelCoord) const;
    double GetTickPos(Integer ix) const;   // 1-based; 0 outside 1..NumTicks
    void UseForeignCanvas(TCanvas* ForeignCv, Integer x, Integer y);
    void ForcePaint();
    void Paint() override;
    void Changed(TObject* Sender);
    // The axis's own surface while it has no window: what Paint shows when no foreign
    // canvas is set.
    TBitmap& Surface() { return FSurface; }

    // ---- mouse
    void DblClick() override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;

    TScaleTickDrawnEvent OnScaleTickDrawn;
    TBeforeTickLabelEvent OnBeforeTickLabel;
    TZoomPanEvent OnZoomPan;
    TScaleRenderedEvent OnBeforeScaleRendered;
    TScaleRenderedEvent OnAfterScaleRendered;

private:
    friend class TAxisPainter;
    void CreateWnd() override;
    void CalcTransform();
    void RepaintRule();
    void DrawAxis(TCanvas& cv, Integer ox, Integer oy);
    bool FormLoading() const;

    TBitmap FSurface;

    TFrameStyle FFrameStyle = fsLowered;
    TColor FColorFG = clBlack;
    TColor FColorBG = clBtnFace;
    TColor FColBlackLine = clBlack;
    TColor FColGrayLine = clGray;
    TColor FColWhiteLine = clWhite;
    TColorScheme FColorScheme = csBWG;
    bool FAxLog = false;
    double FTransf_k = 1;
    double FTransf_d = 0;
    double FRangeHigh = 100;
    double FRangeLow = 0;
    bool FShortTicks = true;
    Integer FTickCount = 0;
    Integer FNumTicks = 3;
    Integer FDecPlaces = -2;
    bool FNotYetLoaded = true;
    bool FDrawBaseLine = true;
    bool FTransparent = false;
    TFigType FLabelType = ftNum;
    std::unique_ptr<TDTLabel> FDTFormat;
    Integer FMarginTop = 20, FMarginBottom = 20, FMarginRight = 20, FMarginLeft = 20;
    bool FIsHelper = false;
    Integer FLblPosX = 4, FLblPosY = 4;
    TAlignment FLblAlign = taCenter;
    TScaleUnitAnchor FLblAnchor = uaSclTopLft;
    TMouseActMode FMouseAction = maNone;
    Integer FMAnchorX = 0, FMAnchorY = 0;
    double FMAnchorWorldLow = 0, FMAnchorWorldHigh = 0;
    bool FLButtonWasDown = false;
    String FUserTicktext;
    String FScaleInscript;
    TDoubleArray FScaleTickPos;
    String FUnitLabel;
    TCanvas* FForeignCv = nullptr;
    Integer FForCvPosX = 0, FForCvPosY = 0;
    TScaleType FScaleType = sctXB;
    bool FSuppressPaint = true;
};
