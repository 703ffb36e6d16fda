// The document window's commands that open an input window on a copy of the model and take the
// copy back on OK: the copy owns the arrays it may change, nothing reaches the document before
// OK, and Cancel hands nothing back.
#include <memory>

#include "analysis/ExcelDlg.h"
#include "analysis/GraphIncrement.h"
#include "analysis/GraphStatistic.h"
#include "analysis/ReportEpures.h"
#include "analysis/Graphiques.h"
#include "analysis/IncrementalLoadDlg.h"
#include "analysis/Progress.h"
#include "analysis/StatisticDlg.h"
#include "app/Childwin.h"
#include "app/Main.h"
#include "platform/classes/TypInfo.h"

namespace {

template <class T>
void Own(DynArray<T>& a)
{
    a.SetLength(a.Length());
}

}  // namespace

void OwnInputArrays(TParametres& model)
{
    TJoint& j = model.Joint;
    for (DynArray<double>* a : {&j.Elev, &j.x1, &j.x2, &j.y1, &j.y2, &j.Length, &j.Angle, &j.Volume}) Own(*a);
    Own(j.mat);
    Own(model.JointMaterials);
    Own(model.Masses.Elem);
    Own(model.Force.Elem);
    Own(model.Cracks.Up);
    Own(model.Cracks.Down);
    Own(model.DrainEfficiency.Joint);
    for (int i = 1; i <= 11; ++i) Own(model.UserDefinedPDF.elem[i]);
}

bool TMDIChild::RunModelDialog(const TModelDialogCommand& Command)
{
    const TClass cls = GetClass(Command.DialogClass);
    if (!cls || !cls->CanCreate()) return false;
    std::unique_ptr<TObject> window(cls->Create(Application));
    auto* form = dynamic_cast<TCustomForm*>(window.get());
    auto* dialog = dynamic_cast<IModelDialog*>(window.get());
    if (!form || !dialog) return false;
    form->InitializeForm();
    if (Command.Handed) dialog->WorkingModel() = Param;
    OwnInputArrays(dialog->WorkingModel());
    if (form->ShowModal() != mrOk) return false;
    Param = dialog->WorkingModel();
    Param.Donnees.Include(daChanged);
    if (Command.RemovesAnalysed) Param.Donnees.Exclude(daAnalysed);
    MakeCurrent();
    UpdateMenuItems();
    if (Command.Redraws) DrawonImage();
    return true;
}

void TMDIChild::Generalinformations1Click(TObject*) { RunModelDialog({"TInformationsDlg", false, false, true}); }
void TMDIChild::Geometry(TObject*) { RunModelDialog({"TDimensionDlg", true, false, true}); }
void TMDIChild::MassesMenuClick(TObject*) { RunModelDialog({"TMassesDlg", true, false, true}); }
void TMDIChild::LiftJointsMaterialsMenuClick(TObject*) { RunModelDialog({"TJointMaterialDlg", false, false, true}); }

// Lift joints need a joint material; the joints' end points follow the new elevations.
void TMDIChild::LiftjointsMenuClick(TObject*)
{
    if (Param.NJointMaterials <= 0) return;
    if (!RunModelDialog({"TJointDlg", false, false, false})) return;
    ComputeJointEnds(Param);
    MakeCurrent();
    DrawonImage();
}

void TMDIChild::PreCrackedlftjointsClick(TObject*) { RunModelDialog({"TCracksDlg", false, false, true}); }
void TMDIChild::ReservoirandsiltMenuClick(TObject*) { RunModelDialog({"TReservoirDlg", false, false, true}); }
void TMDIChild::UpliftPressures1Click(TObject*) { RunModelDialog({"TUpliftPressuresDlg", true, true, true}); }
void TMDIChild::PosttensioningcablesMenuClick(TObject*) { RunModelDialog({"TPostTensionDlg", false, false, true}); }
void TMDIChild::ForcesondownstreamfaceMenuClick(TObject*) { RunModelDialog({"TForcesDlg", false, false, true}); }
void TMDIChild::PseudoStaticpropertiesMenuClick(TObject*)
{
    RunModelDialog({"TSeismicCoefficientDlg", false, false, true});
}
void TMDIChild::PseudodynamicpropertiesMenuClick(TObject*) { RunModelDialog({"TPseudoDynamicDlg", false, false, true}); }
void TMDIChild::CrackingoptionsMenuClick(TObject*) { RunModelDialog({"TCrackingDlg", false, false, true}); }
void TMDIChild::LoadCombinationMenuClick(TObject*) { RunModelDialog({"TLoadsDlg", false, false, false}); }

// The Monte-Carlo settings on a copy of the model; OK hands the copy back, and the model needs a
// new analysis.
void TMDIChild::StatisticalAnalysesMenuClick(TObject*)
{
    std::unique_ptr<TStatisticDlg> window(CreateForm<TStatisticDlg>(Application));
    window->param = Param;
    if (window->ShowModal() != mrOk) return;
    Param = window->param;
    Param.Donnees.Include(daChanged);
    Param.Donnees.Exclude(daAnalysed);
    MakeCurrent();
    UpdateMenuItems();
}

// The incremental-load settings on a copy of the model; OK hands the copy back, the results of
// the last analysis staying available.
void TMDIChild::Parametersensitivity1Click(TObject*)
{
    std::unique_ptr<TIncrementalLoadDlg> window(CreateForm<TIncrementalLoadDlg>(Application));
    window->param = Param;
    window->ProgramFolder = TMainForm::ProgramDir;
    if (window->ShowModal() != mrOk) return;
    Param = window->param;
    Param.Donnees.Include(daChanged);
    MakeCurrent();
    UpdateMenuItems();
}
void TMDIChild::Displacementanalysis1Click(TObject*) {}

void TMDIChild::StartAnalysesMenuClick(TObject*)
{
    std::unique_ptr<TProgressDlg> window(CreateForm<TProgressDlg>(Application));
    window->Param = Param;
    window->ShowModal();
    Param = window->Param;
    MakeCurrent();
    UpdateMenuItems();
}

void TMDIChild::RunExcelExport(TObject* Sender, int request)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    // A choice from the tool button's menu becomes its default (bold) item, which the button runs.
    if (item && item->Parent() == PopupExcel->Items()) {
        item->SetDefault(true);
        FLastExcelRequest = request;
    }
    std::unique_ptr<TExcelDlg> window(CreateForm<TExcelDlg>(Application));
    window->param = CurrentModel;
    window->Request = static_cast<TCas>(request);
    window->ProgramFolder = TMainForm::ProgramDir;
    window->InitialDir = LastDirectory;
    window->ShowModal();
    DrawonImage();
}

void TMDIChild::ModelParameters1Click(TObject* Sender) { RunExcelExport(Sender, caGeometry); }
void TMDIChild::Loads2Click(TObject* Sender) { RunExcelExport(Sender, caLoads); }
void TMDIChild::Analysisresults1Click(TObject* Sender) { RunExcelExport(Sender, caResult); }
void TMDIChild::ExcelToolButtonClick(TObject* Sender) { RunExcelExport(Sender, FLastExcelRequest); }

void TMDIChild::ToolButtonGraphicsClick(TObject*)
{
    std::unique_ptr<TGraphicsDlg> window(CreateForm<TGraphicsDlg>(Application));
    window->SetModel(CurrentModel);
    window->ShowModal();
}

// The stability drawings of the current model with its results.
void TMDIChild::Workingdrawingofstability1Click(TObject*)
{
    std::unique_ptr<TReportEpures> window(CreateForm<TReportEpures>(Application));
    window->param = CurrentModel;
    window->ShowModal();
}

// The plots of the last Monte-Carlo run, on a copy of the model with its results.
void TMDIChild::MonteCarloSimulationsClick(TObject*)
{
    std::unique_ptr<TGraphStatistics> window(CreateForm<TGraphStatistics>(Application));
    window->param = Param;
    window->ShowModal();
}

// The curves of the last incremental-load run: its settings, its curves (shared) and the units.
void TMDIChild::IncrementalloadAnalysesClick(TObject*)
{
    std::unique_ptr<TGraphIncrementLoad> window(CreateForm<TGraphIncrementLoad>(Application));
    window->IncrementLoad = Param.IncrementLoad;
    window->IncrementalResult = Param.IncrementalResult;
    window->Unites = Param.unites;
    window->ShowModal();
}
