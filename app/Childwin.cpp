#include "app/Childwin.h"

#include <utility>

#include "app/Main.h"
#include "app/ToolImages.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/SysFormat.h"

TClass TMDIChild::StaticClass()
{
    static const TMetaClass meta("TMDIChild", TForm::StaticClass(), NewComponent<TMDIChild>, [](TMetaClass& m) {
        using C = TMDIChild;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("FormActivate", &C::FormActivate)
            .Method("FormClose", &C::FormClose)
            .Method("FormResize", &C::FormResize)
            .Method("DamImageMouseMove", &C::DamImageMouseMove)
            .Method("CADDrawMouseMoveInChart", &C::CADDrawMouseMoveInChart)
            .Method("Landscape1Click", &C::Landscape1Click)
            .Method("Technical1Click", &C::Technical1Click)
            .Method("None1Click", &C::None1Click)
            .Method("Pan1Click", &C::Pan1Click)
            .Method("Zoom1Click", &C::Zoom1Click)
            .Method("Fullview1Click", &C::Fullview1Click)
            .Method("Generalinformations1Click", &C::Generalinformations1Click)
            .Method("Geometry", &C::Geometry)
            .Method("MassesMenuClick", &C::MassesMenuClick)
            .Method("LiftJointsMaterialsMenuClick", &C::LiftJointsMaterialsMenuClick)
            .Method("LiftjointsMenuClick", &C::LiftjointsMenuClick)
            .Method("PreCrackedlftjointsClick", &C::PreCrackedlftjointsClick)
            .Method("ReservoirandsiltMenuClick", &C::ReservoirandsiltMenuClick)
            .Method("UpliftPressures1Click", &C::UpliftPressures1Click)
            .Method("PosttensioningcablesMenuClick", &C::PosttensioningcablesMenuClick)
            .Method("ForcesondownstreamfaceMenuClick", &C::ForcesondownstreamfaceMenuClick)
            .Method("PseudoStaticpropertiesMenuClick", &C::PseudoStaticpropertiesMenuClick)
            .Method("PseudodynamicpropertiesMenuClick", &C::PseudodynamicpropertiesMenuClick)
            .Method("CrackingoptionsMenuClick", &C::CrackingoptionsMenuClick)
            .Method("LoadCombinationMenuClick", &C::LoadCombinationMenuClick)
            .Method("StatisticalAnalysesMenuClick", &C::StatisticalAnalysesMenuClick)
            .Method("Parametersensitivity1Click", &C::Parametersensitivity1Click)
            .Method("Displacementanalysis1Click", &C::Displacementanalysis1Click)
            .Method("StartAnalysesMenuClick", &C::StartAnalysesMenuClick)
            .Method("ModelParameters1Click", &C::ModelParameters1Click)
            .Method("Loads2Click", &C::Loads2Click)
            .Method("Analysisresults1Click", &C::Analysisresults1Click)
            .Method("ToolButtonGraphicsClick", &C::ToolButtonGraphicsClick)
            .Method("Workingdrawingofstability1Click", &C::Workingdrawingofstability1Click)
            .Method("MonteCarloSimulationsClick", &C::MonteCarloSimulationsClick)
            .Method("IncrementalloadAnalysesClick", &C::IncrementalloadAnalysesClick)
            .Field("ImageSky", &C::ImageSky)
            .Field("ShapeReservoirUpNormal", &C::ShapeReservoirUpNormal)
            .Field("ShapeReservoirDownFlood", &C::ShapeReservoirDownFlood)
            .Field("ShapeReservoirDownNormal", &C::ShapeReservoirDownNormal)
            .Field("ShapeFoundation3", &C::ShapeFoundation3)
            .Field("ShapeFoundation2", &C::ShapeFoundation2)
            .Field("ShapeFoundation1", &C::ShapeFoundation1)
            .Field("ShapeSediments", &C::ShapeSediments)
            .Field("ShapeIce", &C::ShapeIce)
            .Field("DamImage", &C::DamImage)
            .Field("LabelNormalDown", &C::LabelNormalDown)
            .Field("LabelFloodDown", &C::LabelFloodDown)
            .Field("LabelNormalUp", &C::LabelNormalUp)
            .Field("LabelFloodUp", &C::LabelFloodUp)
            .Field("ShapeReservoirUpFlood", &C::ShapeReservoirUpFlood)
            .Field("CADDraw", &C::CADDraw)
            .Field("ImageList1", &C::ImageList1)
            .Field("MainMenu1", &C::MainMenu1)
            .Field("Landscape1", &C::Landscape1)
            .Field("Technical1", &C::Technical1)
            .Field("Parameters1", &C::Parameters1)
            .Field("GeneralInformation1", &C::GeneralInformation1)
            .Field("SectionGeometry1", &C::SectionGeometry1)
            .Field("Masses1", &C::Masses1)
            .Field("LiftJointsMaterials1", &C::LiftJointsMaterials1)
            .Field("LiftJoints1", &C::LiftJoints1)
            .Field("PreCracked1", &C::PreCracked1)
            .Field("Reservoir1", &C::Reservoir1)
            .Field("Drainage1", &C::Drainage1)
            .Field("PostTension1", &C::PostTension1)
            .Field("AppliedForces1", &C::AppliedForces1)
            .Field("PseudoStatic1", &C::PseudoStatic1)
            .Field("PseudoDynamic1", &C::PseudoDynamic1)
            .Field("Cracking1", &C::Cracking1)
            .Field("LoadCombinations1", &C::LoadCombinations1)
            .Field("MonteCarlo1", &C::MonteCarlo1)
            .Field("Incremental1", &C::Incremental1)
            .Field("Displacement1", &C::Displacement1)
            .Field("StartAnalyses1", &C::StartAnalyses1)
            .Field("Results1", &C::Results1)
            .Field("StabilityDrawings1", &C::StabilityDrawings1)
            .Field("MSExcel1", &C::MSExcel1)
            .Field("GraphicalViews1", &C::GraphicalViews1)
            .Field("ProbabilisticPlots1", &C::ProbabilisticPlots1)
            .Field("IncrementalPlots1", &C::IncrementalPlots1)
            .Field("PopupExcel", &C::PopupExcel)
            .Field("PopupPlots", &C::PopupPlots)
            .Field("PlotsStresses1", &C::PlotsStresses1)
            .Field("PlotsProbabilistic1", &C::PlotsProbabilistic1)
            .Field("PlotsIncremental1", &C::PlotsIncremental1)
            .Field("PopupChart", &C::PopupChart)
            .Field("PopupReport", &C::PopupReport)
            .Field("PopupStabilityDrawings1", &C::PopupStabilityDrawings1);
    });
    return &meta;
}

// The window takes the current model before its description is read: showing it while the
// description is read activates it, which makes its model the current one.
TMDIChild::TMDIChild(TComponent* AOwner) : TForm(AOwner), Param(CurrentModel) {}

// The main window's commands follow the number of documents left.
TMDIChild::~TMDIChild()
{
    Destroying();
    if (MainForm && !MainForm->ComponentState().Contains(csDestroying)) MainForm->UpdateMenuItems(this);
}

void TMDIChild::FormCreate(TObject*)
{
    Param = CurrentModel;
    AddDocumentToolImages(*ImageList1);
    MainMenu1->SetImages(ImageList1);
    const String images = TMainForm::ProgramDir + "images/";
    ImageSky->Picture().LoadFromFile(images + "Big sky.bmp");
    for (TManyShape* foundation : {ShapeFoundation1, ShapeFoundation2, ShapeFoundation3})
        foundation->Image().LoadFromFile(images + "Texture fondation.bmp");
    CADDraw->Scale1X().SetRangeLow(0);
    CADDraw->Scale1X().SetRangeHigh(1);
    CADDraw->Scale1Y().SetRangeLow(0.15925925925925927);
    CADDraw->Scale1Y().SetRangeHigh(0.8407407407407408);
    CADDraw->Scale1X().SetDecPlaces(-2);
    CADDraw->Scale1Y().SetDecPlaces(-2);
    DrawonImage();
}

void TMDIChild::MakeCurrent() { CurrentModel = Param; }

void TMDIChild::FormActivate(TObject*)
{
    MakeCurrent();
    if (!MainForm || ComponentState().Contains(csLoading) || !CADDraw) return;
    MainForm->ComboUnits->SetItemIndex(Param.unites);
    const std::pair<const char*, TMenuItem*> bindings[] = {
        {"ToolButtonGeneral", GeneralInformation1}, {"ToolButtonGeometry", SectionGeometry1},
        {"ToolButtonMasses", Masses1},              {"ToolButtonMaterials", LiftJointsMaterials1},
        {"ToolButtonJoints", LiftJoints1},          {"ToolButtonCracked", PreCracked1},
        {"ToolButtonReservoir", Reservoir1},        {"ToolButtonDrainage", Drainage1},
        {"ToolButtonPostTension", PostTension1},    {"ToolButtonForces", AppliedForces1},
        {"ToolButtonPseudoStatic", PseudoStatic1},  {"ToolButtonPseudoDynamic", PseudoDynamic1},
        {"ToolButtonCracking", Cracking1},          {"ToolButtonCombinations", LoadCombinations1},
        {"ToolButtonMonteCarlo", MonteCarlo1},      {"ToolButtonIncremental", Incremental1},
        {"ToolButtonStart", StartAnalyses1},        {"ToolButtonDrawings", StabilityDrawings1}};
    for (const auto& [button, item] : bindings)
        if (auto* b = dynamic_cast<TToolButton*>(MainForm->FindComponent(button))) b->SetMenuItem(item);
    if (auto* excel = dynamic_cast<TToolButton*>(MainForm->FindComponent("ToolButtonExcel"))) {
        excel->SetDropdownMenu(PopupExcel);
        excel->OnClick = TNotifyEvent(this, &TMDIChild::ExcelToolButtonClick);
    }
    // The plots button's face shows the joint plots, the first of its drop-down menu.
    if (auto* plots = dynamic_cast<TToolButton*>(MainForm->FindComponent("ToolButtonPlots"))) {
        plots->SetDropdownMenu(PopupPlots);
        plots->OnClick = TNotifyEvent(this, &TMDIChild::ToolButtonGraphicsClick);
    }
    // The document tool bars show this window's pictures.
    for (TToolBar* bar : {MainForm->ToolBarInput, MainForm->ToolBarAnalysis, MainForm->ToolBarParametric})
        bar->SetImages(ImageList1);
    PlotsStresses1->OnClick = GraphicalViews1->OnClick;
    PlotsProbabilistic1->OnClick = ProbabilisticPlots1->OnClick;
    PlotsIncremental1->OnClick = IncrementalPlots1->OnClick;
    UpdateMenuItems();
}

// Each command is offered once the inputs it needs are in the model.
void TMDIChild::UpdateMenuItems()
{
    if (MainForm) MainForm->UpdateMenuItems(this);
    const TDataSet& d = Param.Donnees;
    const bool geometry = d.Contains(daGeometry);
    const bool analysed = d.Contains(daAnalysed);
    const bool results = geometry && analysed;
    GeneralInformation1->SetEnabled(true);
    SectionGeometry1->SetEnabled(true);
    for (TMenuItem* item : {Masses1, LiftJointsMaterials1, PreCracked1, Reservoir1, PostTension1, AppliedForces1,
                            PseudoStatic1, PseudoDynamic1, Cracking1, LoadCombinations1})
        item->SetEnabled(geometry);
    LiftJoints1->SetEnabled(geometry && d.Contains(daMaterials));
    Drainage1->SetEnabled(geometry && (d.Contains(daResNormal) || d.Contains(daResFlood)));
    // The analysis and result windows are offered once the program has them.
    auto has = [](const char* window) { return GetClass(window) != nullptr; };
    MonteCarlo1->SetEnabled(geometry && d.Contains(daCombination) && has("TStatisticDlg"));
    Incremental1->SetEnabled(geometry && d.Contains(daCombination) && has("TIncrementalLoadDlg"));
    StartAnalyses1->SetEnabled(geometry && d.Contains(daCombination) && has("TProgressDlg"));
    Results1->SetEnabled(results);
    StabilityDrawings1->SetEnabled(results && has("TReportEpures"));
    PopupStabilityDrawings1->SetEnabled(StabilityDrawings1->Enabled());
    MSExcel1->SetEnabled(results && has("TExcelDlg"));
    GraphicalViews1->SetEnabled(results && has("TGraphicsDlg"));
    PlotsStresses1->SetEnabled(GraphicalViews1->Enabled());
    ProbabilisticPlots1->SetEnabled(analysed && Param.Statistiques.AnalysesDemandees && has("TGraphStatistics"));
    PlotsProbabilistic1->SetEnabled(ProbabilisticPlots1->Enabled());
    IncrementalPlots1->SetEnabled(analysed && Param.IncrementLoad.PerformAnalysis && has("TGraphIncrementLoad"));
    PlotsIncremental1->SetEnabled(IncrementalPlots1->Enabled());
    if (!MainForm || MainForm->ActiveDocument() != this) return;
    for (const char* name : {"ToolButtonExcel", "ToolButtonPlots"})
        if (auto* b = dynamic_cast<TToolButton*>(MainForm->FindComponent(name))) b->SetEnabled(results);
}

void TMDIChild::FormResize(TObject*)
{
    if (ComponentState().Contains(csLoading) || !CADDraw) return;
    DrawonImage();
}

namespace {
String UnitSuffix(TUnites unites) { return unites == SI ? " m" : " ft"; }
}  // namespace

void TMDIChild::DamImageMouseMove(TObject*, TShiftState, Integer X, Integer Y)
{
    if (!Param.Donnees.Contains(daGeometry) || dpl == 0 || !MainForm) return;
    const double x = (X - xc - 0.15L * W) / dpl + x0;
    const double elevation = (0.85L * H - Y - yc) / dpl + Elev0;
    MainForm->StatusBar->Panels()[0]->SetText(Format("x = %9.2f", {x}) + UnitSuffix(Param.unites));
    MainForm->StatusBar->Panels()[1]->SetText(Format("el. %9.2f", {elevation}) + UnitSuffix(Param.unites));
}

void TMDIChild::CADDrawMouseMoveInChart(TObject*, bool, TShiftState, double X, double Y)
{
    if (!MainForm) return;
    MainForm->StatusBar->Panels()[0]->SetText(Format("x = %9.3f", {X}) + UnitSuffix(Param.unites));
    MainForm->StatusBar->Panels()[1]->SetText(Format("el. %9.3f", {Y}) + UnitSuffix(Param.unites));
}

void TMDIChild::Landscape1Click(TObject*)
{
    if (!Technical1->Checked()) return;
    Landscape1->SetChecked(true);
    Technical1->SetChecked(false);
    Param.DrawMode = dmLandScape;
    DrawonImage();
}

void TMDIChild::Technical1Click(TObject*)
{
    if (!Landscape1->Checked()) return;
    Technical1->SetChecked(true);
    Landscape1->SetChecked(false);
    Param.DrawMode = dmTechnical;
    DrawonImage();
}

void TMDIChild::None1Click(TObject*) { CADDraw->SetMouseAction(maNone); }
void TMDIChild::Pan1Click(TObject*) { CADDraw->SetMouseAction(maPan); }
void TMDIChild::Zoom1Click(TObject*) { CADDraw->SetMouseAction(maZoomWindPos); }
void TMDIChild::Fullview1Click(TObject*) { ZoomMode = zmNone; }

void TMDIChild::FormClose(TObject*, TCloseAction& Action)
{
    if (Param.Donnees.Contains(daChanged)) {
        const Integer answer = MessageDlg("Save file: " + Caption() + " ?", mtConfirmation, mbYesNoCancel, 0);
        if (answer == mrCancel) {
            Action = caNone;
            return;
        }
        // A document that could not be saved (name dialog cancelled, write failed) stays open.
        if (answer == mrYes && !MainForm->SaveDocument(this)) {
            Action = caNone;
            return;
        }
    }
    ReleaseModel();
    Action = caFree;
}

void TMDIChild::ReleaseModel()
{
    Param.Force.Elem = DynArray<TForce>();
    Param.Masses.Elem = DynArray<TMasses>();
    ClearJointMaterials(Param.JointMaterials);
    ClearJointArrays(Param.Joint, Param.JointLoad);
    Param.DrainEfficiency.Joint = DynArray<double>();
    for (int set = 1; set <= 22; ++set) Param.StatResult.histogramme[set].reset();
    for (int i = 1; i <= 11; ++i) Param.UserDefinedPDF.elem[i] = DynArray<double>();
    for (int i = 1; i <= 10; ++i) Param.IncrementalResult.histogramme[i] = DynArray<double>();
}
