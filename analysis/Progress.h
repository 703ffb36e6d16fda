#pragma once
// The analysis window: the whole analysis of a model runs when the window is first activated,
// listing every load and combination in its section list as it goes; then the Monte-Carlo and
// incremental-load runs the model asks for, with a gauge, the time left and a stop button. A
// click on a listed entry fills the summary grid with that entry's table. The document hands
// the window a copy of its model and takes it back, with the results, when the window closes.
#include "analysis/AnalysisRun.h"
#include "analysis/ParametricRun.h"
#include "analysis/ResultTables.h"
#include "engine/Unites.h"
#include "foundation/StySysInfo.h"
#include "listcontrols/slstbox.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/Gauges.h"
#include "platform/stdctrls/Grids.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/stdctrls/Timer.h"

class TProgressDlg : public TForm, public IAnalysisHost, public ILongRunHost {
    DECLARE_CLASS(TProgressDlg, TForm)
public:
    explicit TProgressDlg(TComponent* AOwner) : TForm(AOwner) {}

    // The model copy that the run works on and that the document takes back.
    TParametres Param;

    // ---- components of the form description
    TPanel* Panel3 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* LabelSummary = nullptr;
    TPanel* Panel2 = nullptr;
    TSectionListBox* SectionListBox = nullptr;
    TStringGrid* Grid = nullptr;
    TPanel* Panel1 = nullptr;
    TButton* OKBtn = nullptr;
    TGauge* Gauge = nullptr;
    TLabel* LabelTime = nullptr;
    TBitBtn* ButtonStatistics = nullptr;
    TTimer* Timer = nullptr;
    TStySysInfo* SysInfo = nullptr;

    // ---- handlers
    void FormCreate(TObject* Sender);
    // The run, once per opening: the first activation runs it, later ones do nothing.
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // While the run goes on the window stays open.
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void SectionListBoxSubItemClick(TObject* Sender, Integer sectionidx, Integer subitemidx);
    void SectionListBoxChange(TObject* Sender, Integer sectionidx, Integer subitemidx);
    void ButtonStatisticsClick(TObject* Sender);
    void TimerTimer(TObject* Sender);

    // The table of combination k (1..7), of load table n (1..17), in the grid.
    void FillGrid(int LoadNumber);
    void FillGrid2(int LoadNumber);

    bool Running() const { return FRunning; }

    // ---- what the run tells the window
    void StartRunSection(int section, const String& caption) override;
    void AddRunEntry(int section, const String& caption) override;
    void ExpandRunSection(int section) override;
    void ProcessPendingEvents() override;
    void SetRunTitle(const String& title) override;
    void CombinationsDone() override;
    void StartLongRun() override;
    void SetStopCaption(const String& caption) override;
    void StartTiming() override;
    void SetPercentDone(int percent) override;
    bool ProceedFlag() const override { return FProceed; }
    void SetProceedFlag(bool value) override { FProceed = value; }
    void FinishLongRun(const String& entry) override;
    void ShowRunWarning(const String& message) override;

private:
    void ShowTable(const TResultTable& table);
    TListSection* Section(int index);

    bool FRan = false;
    bool FRunning = false;
    // The go-on flag of the long runs; the stop button and closing the window clear it.
    bool FProceed = false;
};

// The analysis and result windows, and the components their descriptions name, in the class
// registry.
void RegisterAnalysisWindows();
