#pragma once
// The incremental result plots: the output quantities of the last incremental-load run drawn
// against the incremented load, each curve chosen in a check list; a tracking crosshair that
// snaps to the curve nearest the mouse, zoom, pan and a copy of the chart.
#include "chart/VEZ_dizure.h"
#include "engine/Unites.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/CheckLst.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

constexpr int NIncrementalCurves = 10;

class TGraphIncrementLoad : public TForm {
    DECLARE_CLASS(TGraphIncrementLoad, TForm)
public:
    explicit TGraphIncrementLoad(TComponent* AOwner) : TForm(AOwner) {}

    // The run's settings and curves and the model's units; the opener sets them before showing.
    TIncrementLoad IncrementLoad;
    TIncrementalResult IncrementalResult;
    TUnites Unites = SI;

    // x(k): the load of step k (1..N); y(q): the window's copy of curve q (entries 1..N).
    DynArray<double> x;
    DynArray<double> y[NIncrementalCurves + 1];
    double MinX = 0, MaxX = 0;
    // Entries 1..10: the extremes of curve q; entry 0: the vertical range of the last plot.
    double MinY[NIncrementalCurves + 1] = {}, MaxY[NIncrementalCurves + 1] = {};
    bool ChartEmpty = true;

    // ---- components of the form description
    TPanel* Panel1 = nullptr;
    TCheckBox* CheckBoxTracking = nullptr;
    TSpeedButton* SpeedButton5 = nullptr;
    TSpeedButton* SpeedButton2 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button1 = nullptr;
    TCheckListBox* CheckListBox = nullptr;
    TDIzure* DIzure = nullptr;
    TStatusBar* StatusBar1 = nullptr;

    // ---- handlers
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void CheckListBoxClickCheck(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void DIzureMouseMoveInChart(TObject* Sender, bool InChart, TShiftState Shift, double rMousePosX,
                                double rMousePosY);
    void DIzureZoomPan(TObject* Sender);
    void Button2Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);

    // The value under the mouse (X, Y) on the checked curve nearest to Y at the step under X,
    // along that curve's segment; Y itself when no curve is checked.
    double NearestCurveValueAt(double X, double Y) const;

    // A curve can be drawn when it was requested and the run left a value for every step of at
    // least two.
    bool CurveAvailable(int q) const;

private:
    void PlotGraph();
    Integer Steps() const { return IncrementLoad.AnalysisSteps; }
};

// The caption of the load axis: the load's name and its unit in the model's units.
String IncrementedLoadCaption(Integer loading, TUnites unites);
