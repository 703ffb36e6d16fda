#pragma once
// The joint plots window: for the joint and the load combination chosen in its two lists, the
// normal stresses along the joint, the uplift pressures drawn downwards with their own scale
// beside the chart, the shear-stress curve of an uncracked joint, the resultant as an arrow,
// the cracks and the third points; the resultants and cracks as figures; the mouse position
// in plot units; zoom, pan, copy to the clipboard, and the joint text report ("Values").
#include "analysis/JointValues.h"
#include "chart/VEZ_dizure.h"
#include "engine/Unites.h"
#include "listcontrols/slstbox.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

// The 16 x 16 picture of a mouse-action speed button of the result charts: an arrow (no
// action), a dotted frame with an arrow (drag zoom), a four-way cross (pan) or a magnifying glass.
void DrawMouseActionGlyph(TBitmap& glyph, TMouseActMode action);

class TGraphicsDlg : public TForm {
    DECLARE_CLASS(TGraphicsDlg, TForm)
public:
    explicit TGraphicsDlg(TComponent* AOwner) : TForm(AOwner) {}

    // The model plotted: a copy of the current model, which the opener hands over right after
    // creating the window.
    TParametres param;
    Integer Joint = -1;   // the joint plotted (0 the base joint), -1 while none is chosen
    Integer Load = -1;    // the load case plotted (1..7), -1 while none is chosen
    // The plotted values of the last plot, handed to the text report.
    TJointPlotValues Plotted;

    // ---- components of the form description
    TPanel* Panel1 = nullptr;
    TLabel* StaticText1 = nullptr;
    TLabel* StressValue = nullptr;
    TLabel* StaticText2 = nullptr;
    TLabel* PositionValue = nullptr;
    TBevel* Bevel1 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TSpeedButton* SpeedButton3 = nullptr;
    TSpeedButton* SpeedButton4 = nullptr;
    TBitBtn* BitBtn2 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* valuesbutton = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TPanel* PanelLeft = nullptr;
    TLabel* LabelNormal = nullptr;
    TLabel* LabelUplift = nullptr;
    TLabel* LabelShear = nullptr;
    TLabel* LabelMoment = nullptr;
    TLabel* LabelCrackUp = nullptr;
    TLabel* LabelCrackDown = nullptr;
    TSectionListBox* CombinationList = nullptr;
    TSectionListBox* JointList = nullptr;
    TPanel* PanelScale2 = nullptr;
    TImage* UpliftScale = nullptr;
    TDIzure* DIzure = nullptr;

    // Takes a copy of the model: both lists filled, nothing chosen, the axis captions in the
    // model's units.
    void SetModel(const TParametres& model);

    // ---- handlers
    void FormCreate(TObject* Sender);
    void FormResize(TObject* Sender);
    void JointListChange(TObject* Sender, Integer sectionidx, Integer subitemidx);
    void CombinationListChange(TObject* Sender, Integer sectionidx, Integer subitemidx);
    void DIzureMouseMoveInChart(TObject* Sender, bool InChart, TShiftState Shift, double rMousePosX, double rMousePosY);
    void DIzureZoomPan(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void valuesbuttonClick(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);

    // Plots joint Joint for case Load; nothing unless both are chosen.
    void DrawJointGraph();
    // The pressure scale of the uplift diagram beside the chart, from the vertical axis' ticks.
    void DrawUpliftScale();

private:
    void DrawResultantArrow();
    void SetAxisDecimalPlaces();
    void ShowFigures();
};
