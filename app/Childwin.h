#pragma once
// The document window: one dam model in Param, shown in the main window's document area as a
// scenic picture or a technical drawing, with the menus that open the input dialogs and result
// windows, the enabling of those commands from the model's flags, the pointer's coordinates in
// the status bar and the save prompt on close.  While it is the active window, CurrentModel is
// a copy of Param.
#include "chart/VEZ_dizure.h"
#include "editcontrols/Gpshape.h"
#include "engine/Unites.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/stdctrls/StdCtrls.h"

enum TZoomMode { zmNone, zmZoom };

// A modal window that edits a working copy of the document's model (the input dialogs, the
// Monte-Carlo and incremental-load settings): the document hands the copy in or the window takes
// it from CurrentModel when it is created, and on OK the document takes the copy back.
class IModelDialog {
public:
    virtual ~IModelDialog() = default;
    virtual TParametres& WorkingModel() = 0;
};

// How a document command hands its model to a window and takes it back.
struct TModelDialogCommand {
    const char* DialogClass;    // the window's registered class; a class not registered opens nothing
    bool Handed;                // the command copies Param into the window (else the window copies CurrentModel)
    bool RemovesAnalysed;       // on OK, daAnalysed goes with daChanged coming
    bool Redraws;               // on OK, the dam is drawn again
};

// The model's input arrays made the model's own (a copy of a model shares them until then).
void OwnInputArrays(TParametres& model);

class TMDIChild : public TForm {
    DECLARE_CLASS(TMDIChild, TForm)
public:
    explicit TMDIChild(TComponent* AOwner);
    ~TMDIChild() override;

    String FileDirectory;
    TParametres Param;
    double DimMax = 0;
    double dpl = 0;
    double Elev0 = 0;
    double x0 = 0;
    Integer W = 0, H = 0;
    Integer xc = 0, yc = 0;
    TZoomMode ZoomMode = zmNone;

    // ---- components of the form description
    TImage* ImageSky = nullptr;
    TManyShape* ShapeReservoirUpNormal = nullptr;
    TManyShape* ShapeReservoirDownFlood = nullptr;
    TManyShape* ShapeReservoirDownNormal = nullptr;
    TManyShape* ShapeFoundation3 = nullptr;
    TManyShape* ShapeFoundation2 = nullptr;
    TManyShape* ShapeFoundation1 = nullptr;
    TManyShape* ShapeSediments = nullptr;
    TManyShape* ShapeIce = nullptr;
    TImage* DamImage = nullptr;
    TLabel* LabelNormalDown = nullptr;
    TLabel* LabelFloodDown = nullptr;
    TLabel* LabelNormalUp = nullptr;
    TLabel* LabelFloodUp = nullptr;
    TManyShape* ShapeReservoirUpFlood = nullptr;
    TDIzure* CADDraw = nullptr;
    TImageList* ImageList1 = nullptr;
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* Landscape1 = nullptr;
    TMenuItem* Technical1 = nullptr;
    TMenuItem* Parameters1 = nullptr;
    TMenuItem* GeneralInformation1 = nullptr;
    TMenuItem* SectionGeometry1 = nullptr;
    TMenuItem* Masses1 = nullptr;
    TMenuItem* LiftJointsMaterials1 = nullptr;
    TMenuItem* LiftJoints1 = nullptr;
    TMenuItem* PreCracked1 = nullptr;
    TMenuItem* Reservoir1 = nullptr;
    TMenuItem* Drainage1 = nullptr;
    TMenuItem* PostTension1 = nullptr;
    TMenuItem* AppliedForces1 = nullptr;
    TMenuItem* PseudoStatic1 = nullptr;
    TMenuItem* PseudoDynamic1 = nullptr;
    TMenuItem* Cracking1 = nullptr;
    TMenuItem* LoadCombinations1 = nullptr;
    TMenuItem* MonteCarlo1 = nullptr;
    TMenuItem* Incremental1 = nullptr;
    TMenuItem* Displacement1 = nullptr;
    TMenuItem* StartAnalyses1 = nullptr;
    TMenuItem* Results1 = nullptr;
    TMenuItem* StabilityDrawings1 = nullptr;
    TMenuItem* MSExcel1 = nullptr;
    TMenuItem* GraphicalViews1 = nullptr;
    TMenuItem* ProbabilisticPlots1 = nullptr;
    TMenuItem* IncrementalPlots1 = nullptr;
    TPopupMenu* PopupExcel = nullptr;
    TPopupMenu* PopupPlots = nullptr;
    TMenuItem* PlotsStresses1 = nullptr;
    TMenuItem* PlotsProbabilistic1 = nullptr;
    TMenuItem* PlotsIncremental1 = nullptr;
    TPopupMenu* PopupChart = nullptr;
    TPopupMenu* PopupReport = nullptr;
    TMenuItem* PopupStabilityDrawings1 = nullptr;

    // ---- handlers
    void FormCreate(TObject* Sender);
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormResize(TObject* Sender);
    void DamImageMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
    void CADDrawMouseMoveInChart(TObject* Sender, bool InChart, TShiftState Shift, double X, double Y);
    void Landscape1Click(TObject* Sender);
    void Technical1Click(TObject* Sender);
    void None1Click(TObject* Sender);
    void Pan1Click(TObject* Sender);
    void Zoom1Click(TObject* Sender);
    void Fullview1Click(TObject* Sender);
    void UpdateMenuItems();

    // ---- commands that open an input window (nothing happens while its window does not exist)
    void Generalinformations1Click(TObject* Sender);
    void Geometry(TObject* Sender);
    void MassesMenuClick(TObject* Sender);
    void LiftJointsMaterialsMenuClick(TObject* Sender);
    void LiftjointsMenuClick(TObject* Sender);
    void PreCrackedlftjointsClick(TObject* Sender);
    void ReservoirandsiltMenuClick(TObject* Sender);
    void UpliftPressures1Click(TObject* Sender);
    void PosttensioningcablesMenuClick(TObject* Sender);
    void ForcesondownstreamfaceMenuClick(TObject* Sender);
    void PseudoStaticpropertiesMenuClick(TObject* Sender);
    void PseudodynamicpropertiesMenuClick(TObject* Sender);
    void CrackingoptionsMenuClick(TObject* Sender);
    void LoadCombinationMenuClick(TObject* Sender);
    void StatisticalAnalysesMenuClick(TObject* Sender);
    void Parametersensitivity1Click(TObject* Sender);
    void Displacementanalysis1Click(TObject* Sender);
    // The analysis window on a copy of the model, taken back with its results whatever the
    // window's end.
    void StartAnalysesMenuClick(TObject* Sender);
    // The spreadsheet export of the model's parameters, loads or analysis results on a copy of
    // the current model; the dam is drawn again afterwards. The main window's tool button runs
    // the workbook last chosen from its drop-down menu.
    void ModelParameters1Click(TObject* Sender);
    void Loads2Click(TObject* Sender);
    void Analysisresults1Click(TObject* Sender);
    void ExcelToolButtonClick(TObject* Sender);
    // The joint plots of the current model (also the main window's plots tool button).
    void ToolButtonGraphicsClick(TObject* Sender);
    void Workingdrawingofstability1Click(TObject* Sender);
    void MonteCarloSimulationsClick(TObject* Sender);
    void IncrementalloadAnalysesClick(TObject* Sender);
    // Opens the window of the command modally on a copy of the model; on OK takes the copy back
    // into Param, applies the command's flags, makes it the current model, enables the commands
    // and redraws.  True when the copy was taken back.
    bool RunModelDialog(const TModelDialogCommand& Command);

    // Draws the dam: the scenic picture or the technical drawing, as Param.DrawMode says.
    void DrawonImage();

    // CurrentModel := Param (the model the main window's commands work on).
    void MakeCurrent();
    // Releases the model's arrays and result objects.
    void ReleaseModel();

private:
    void RunExcelExport(TObject* Sender, int request);
    int FLastExcelRequest = 0;
    void DrawScenic();
    void DrawTechnical();
    // The scenic picture's pixel of a model point.
    Integer PixelX(double x) const;
    Integer PixelY(double elevation) const;
};
