#pragma once
// The chart part of the component library's base unit: the enumerations, point and
// rectangle records and event types of the chart family, the crosshair, date/time
// label format and text label settings objects, and the two drawing routines every
// chart control shares (3-D frames and mark glyphs).  It draws, so it lives beside
// the Qt-free base (VEZ_vezbase.h) in the chart library.
#include "chart/VEZ_vezbase.h"
#include "platform/classes/Alignment.h"
#include "platform/classes/Persistent.h"
#include "platform/graphics/Canvas.h"

// The chart's own exception (layer joins, logarithmic axes, label indices).
DORVANE_EXCEPTION(EVEZDIzureError, EVEZError);

enum TFrameStyle : Byte { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum TColorScheme { csBWG, csSystem };
enum TBkgFill { bfSimple, bfStretch, bfTile };
enum TFigType { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
enum TScaleType { sctXB, sctXT, sctYL, sctYR };
enum TVerticalAlignment { vaTop, vaCenter, vaBottom };
enum TYearLength { ylNone, ylYY, ylYYYY };
enum TDateOrder { doMMDDYY, doDDMMYY, doYYMMDD };
enum TDateForTime { dtNone, dtOnePedIzure, dtOnePerDay, dtAllTicks };
enum TTimeFormat { tfHHMMSS, tfHHhMM, tfAMPM };
enum TShadowStyle { ssFlying, ssBox };
enum TAxis { atXAxis, atYAxis, atZAxis };
enum TCrossHMode { chOff, chHoriz, chVert, chBoth, chCrossBox, chBox };
enum TTxtLblAttachMode { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
enum TTxtLblMode { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
enum TMouseBoxState { msNormal, msFirstCorner, msRectDraw, msFinished };
enum TMouseActMode {
    maNone, maPan, maPanHoriz, maPanVert, maPanGrid, maRubberBand, maZoom, maZoomWind, maZoomWindPos,
    maZoomDrag, maDragCrossH, maDragLabel, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly, maSelectRect,
    maDrawMTrace, maZoomPanColors
};
enum TZoomState { zsNormal, zsDrawWin };

struct TPointDouble {
    double X = 0;
    double Y = 0;
};

// One point of the chart's mouse trace.
struct TColoredPoint {
    double X = 0;
    double Y = 0;
    Word Flag = 0;
    TColor Color = 0;
};

// A world rectangle of the zoom history: Left = x low, Top = y high, Right = x high, Bottom = y low.
struct TRectDouble {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
    TPointDouble TopLeft() const { return {Left, Top}; }
    TPointDouble BottomRight() const { return {Right, Bottom}; }
};

using TZoomPanEvent = TEvent<TObject*>;
// Sender, Layer, LoX, LoY, HiX, HiY.
using TSelectRectEvent = TEvent<TObject*, Integer, double, double, double, double>;

// A chart crosshair: a world point of one layer and how it is drawn.
class TCrossHair : public TPersistent {
    DECLARE_CLASS(TCrossHair, TPersistent)
public:
    void Assign(TPersistent* Source) override;

    double PosX() const { return FPosX; }
    void SetPosX(double value);
    double PosY() const { return FPosY; }
    void SetPosY(double value);
    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    TCrossHMode Mode() const { return FMode; }
    void SetMode(TCrossHMode value);
    TPenStyle LineType() const { return FLineType; }
    void SetLineType(TPenStyle value);
    Integer LineWid() const { return FLineWid; }
    void SetLineWid(Integer value);
    Integer Layer() const { return FLayer; }
    void SetLayer(Integer value);   // clamped to 1..16
    void SetPos(double xpos, double ypos);

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;
    void Changed();

private:
    double FPosX = 0;
    double FPosY = 0;
    TColor FColor = clRed;
    TCrossHMode FMode = chOff;
    TPenStyle FLineType = TPenStyle::psDashDotDot;
    Integer FLineWid = 1;
    Integer FLayer = 1;
};

// How the date and time tick labels of an axis are written; the owner sets the defaults.
class TDTLabel : public TPersistent {
    DECLARE_CLASS(TDTLabel, TPersistent)
public:
    ~TDTLabel() override { OnChange = nullptr; }
    void Assign(TPersistent* Source) override;

    TTimeFormat TimeFormat() const { return FTimeFormat; }
    void SetTimeFormat(TTimeFormat value);
    char16_t DateSeparator() const { return FDateSeparator; }
    void SetDateSeparator(char16_t value);
    char16_t TimeSeparator() const { return FTimeSeparator; }
    void SetTimeSeparator(char16_t value);
    TYearLength YearLength() const { return FYearLength; }
    void SetYearLength(TYearLength value);
    bool MonthName() const { return FMonthName; }
    void SetMonthName(bool value);
    TDateOrder DateOrder() const { return FDateOrder; }
    void SetDateOrder(TDateOrder value);
    TDateForTime DateForTime() const { return FDateForTime; }
    void SetDateForTime(TDateForTime value);

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;
    void Changed();

private:
    template <class T> void SetIfChanged(T& field, T value)
    {
        if (field == value) return;
        field = value;
        Changed();
    }
    TTimeFormat FTimeFormat = tfHHMMSS;
    char16_t FDateSeparator = u'-';
    char16_t FTimeSeparator = u':';
    TYearLength FYearLength = ylYYYY;
    bool FMonthName = true;
    TDateOrder FDateOrder = doDDMMYY;
    TDateForTime FDateForTime = dtOnePerDay;
};

// A text label of a chart: a caption anchored at a world or pixel point.
class TCustomTextLabel : public TPersistent {
    DECLARE_CLASS(TCustomTextLabel, TPersistent)
public:
    TCustomTextLabel();
    void Assign(TPersistent* Source) override;

    double PosX() const { return FPosX; }
    void SetPosX(double value) { Store(FPosX, value); }
    double PosY() const { return FPosY; }
    void SetPosY(double value) { Store(FPosY, value); }
    Integer Layer() const { return FLayer; }
    void SetLayer(Integer value);   // only 1..16 is taken
    Integer ShadowDx() const { return FXShadow; }
    void SetShadowDx(Integer value) { Store(FXShadow, value); }
    Integer ShadowDy() const { return FYShadow; }
    void SetShadowDy(Integer value) { Store(FYShadow, value); }
    TColor ColorShadow() const { return FColorShadow; }
    void SetColorShadow(TColor value) { Store(FColorShadow, value); }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value) { Store(FAlignment, value); }
    TVerticalAlignment VerticalAlignment() const { return FVertAlign; }
    void SetVerticalAlignment(TVerticalAlignment value) { Store(FVertAlign, value); }
    TTxtLblAttachMode AttachToData() const { return FAttachDat; }
    void SetAttachToData(TTxtLblAttachMode value) { Store(FAttachDat, value); }
    TColor ColorBkg() const { return FColorBkg; }
    void SetColorBkg(TColor value) { Store(FColorBkg, value); }
    TColor ColorBorder() const { return FColorBrd; }
    void SetColorBorder(TColor value) { Store(FColorBrd, value); }
    bool Transparent() const { return FTransPar; }
    void SetTransparent(bool value) { Store(FTransPar, value); }
    TFont& Font() { return FFont; }
    void SetFont(const TFont& value);
    String Caption() const { return FCaption; }
    void SetCaption(const String& value);   // control characters but line feeds become blanks
    TTxtLblMode Mode() const { return FMode; }
    void SetMode(TTxtLblMode value) { Store(FMode, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;
    void Changed();

private:
    template <class T> void Store(T& field, T value)
    {
        field = value;
        Changed();
    }
    double FPosX = 100;
    double FPosY = 10;
    Integer FLayer = 1;
    Integer FXShadow = 0;
    Integer FYShadow = 0;
    TColor FColorShadow = clGray;
    TAlignment FAlignment = taCenter;
    TVerticalAlignment FVertAlign = vaBottom;
    TTxtLblAttachMode FAttachDat = tlamNone;
    TColor FColorBkg = clSilver;
    TColor FColorBrd = clBlack;
    bool FTransPar = false;
    TFont FFont;
    String FCaption;
    TTxtLblMode FMode = tlsimple;
    bool FVisible = true;
};

class TTextLabel : public TCustomTextLabel {
    DECLARE_CLASS(TTextLabel, TCustomTextLabel)
};

// Frame of the rectangle's edge pixels (Right and Bottom included) in one of the six
// styles; bit 7 of Style is ignored and a style above 5 draws nothing.
void Draw3DFrame(TCanvas& Canvas, Byte Style, Integer Left, Integer Top, Integer Right, Integer Bottom,
                 TColor HiLight, TColor Light, TColor Shadow, TColor DarkShadow, TColor SimpleColor);
// Mark glyph 0..51, or the character of 52..255 (200..209 are the digits), centred on (X, Y)
// in the pen colour.
void DrawMark(TCanvas& Canvas, Byte Mark, Integer X, Integer Y);
// True for the canvas of the process-wide printer.
bool IsPrinterCanvas(const TCanvas& Canvas);
// Gives the canvas font a size in points.  On the printer's canvas, where the chart draws
// one screen pixel per logical unit, the height is taken at the screen's 96 pixels per inch
// before the font is told the printer's resolution, so that the text keeps its size on paper.
void SetCanvasFontSize(TCanvas& Canvas, Integer Points);
// The canvas font becomes a copy of Font, on the printer's canvas with the size rule above.
void AssignCanvasFont(TCanvas& Canvas, const TFont& Font);
