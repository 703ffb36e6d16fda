#pragma once
// The probabilistic result plots: for one input or output quantity of the last Monte-Carlo run,
// chosen in a section list, its probability density or cumulative distribution on a chart, with
// its mean, standard deviation, extremes and, for the safety factors, the probability of
// failure; a crosshair that follows the curve, zoom and pan.
#include <memory>

#include "chart/VEZ_dizure.h"
#include "engine/Unites.h"
#include "listcontrols/slstbox.h"
#include "numerics/VEZ_vector.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

class TGraphStatistics : public TForm {
    DECLARE_CLASS(TGraphStatistics, TForm)
public:
    explicit TGraphStatistics(TComponent* AOwner) : TForm(AOwner) {}

    // The model with the results of its last Monte-Carlo run; the opener sets it before showing.
    TParametres param;

    // The row (inputs) or quantity (outputs) shown by each sub-item of the two list sections.
    Integer InputSelection[NRandomVariables] = {};
    Integer OutputSelection[NRandomVariables] = {};
    // The curve on display: nPoints + 1 abscissae and ordinates, and their extremes.
    std::unique_ptr<TVector> x, y;
    double MinX = 0, maxX = 0, MinY = 0, maxY = 0;
    Integer Section = 0;   // 1 inputs, 2 outputs
    Integer id = 0;        // the input row or output quantity on display
    bool ChartEmpty = true;

    // ---- components of the form description
    TPanel* Panel1 = nullptr;
    TRadioGroup* RadioGroupCDF = nullptr;
    TCheckBox* CheckBoxTracking = nullptr;
    TSpeedButton* SpeedButton5 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TButton* Button2 = nullptr;
    TPanel* Panel2 = nullptr;
    TSectionListBox* SectionListBox = nullptr;
    TLabel* LabelMean = nullptr;
    TLabel* LabelStDev = nullptr;
    TLabel* LabelMax = nullptr;
    TLabel* LabelMin = nullptr;
    TLabel* LabelFailure = nullptr;
    TDIzure* DIzure = nullptr;
    TStatusBar* StatusBar1 = nullptr;

    // ---- handlers
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void SectionListBoxSubItemClick(TObject* Sender, Integer sectionidx, Integer subitemidx);
    void RadioGroupCDFClick(TObject* Sender);
    void DIzureMouseMoveInChart(TObject* Sender, bool InChart, TShiftState Shift, double rMousePosX,
                                double rMousePosY);
    void DIzureZoomPan(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);

    // The curve's value at abscissa X, linear between its points; y(1) left of it, the last
    // segment extended right of it.
    double CurveValueAt(double X) const;

private:
    void PlotGraph();
    Integer Points() const;   // n, the histogram classes of the run
};

// The names the plots give the input quantities (by quantity code 1..14) and the results
// (1..11).
String StatisticInputName(Integer code);
String StatisticOutputName(Integer quantity);

// Decimal places of a chart axis showing a span of data: |log10(span)| rounded, plus `extra`,
// when the span is below 1 and not 0; 1 otherwise.
Integer SpanDecimalPlaces(double span, Integer extra);

// Shared by the result plots. The crosshair follows (X, Y) while tracking is on and is put away
// when it is off; the status bar's first two panels show the position.
void ShowChartPosition(TDIzure& Chart, TStatusBar& Bar, bool Tracking, double X, double Y);
// After a zoom or a pan each axis shows two more decimal places than its span needs.
void SetZoomDecimalPlaces(TDIzure& Chart);
