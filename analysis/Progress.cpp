#include "analysis/Progress.h"

#include "analysis/GraphIncrement.h"
#include "analysis/GraphStatistic.h"
#include "analysis/Graphiques.h"
#include "analysis/IncrementalLoadDlg.h"
#include "analysis/Memo.h"
#include "analysis/ReportEpures.h"
#include "analysis/StatisticDlg.h"

#include "chart/VEZ_dizure.h"
#include "platform/classes/TypInfo.h"
#include "platform/forms/Dialogs.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/Threads.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

TClass TProgressDlg::StaticClass()
{
    static const TMetaClass meta("TProgressDlg", TForm::StaticClass(), NewComponent<TProgressDlg>, [](TMetaClass& m) {
        using C = TProgressDlg;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("FormShow", &C::FormShow)
            .Method("FormClose", &C::FormClose)
            .Method("FormCloseQuery", &C::FormCloseQuery)
            .Method("SectionListBoxSubItemClick", &C::SectionListBoxSubItemClick)
            .Method("SectionListBoxChange", &C::SectionListBoxChange)
            .Method("ButtonStatisticsClick", &C::ButtonStatisticsClick)
            .Method("TimerTimer", &C::TimerTimer)
            .Field("Panel3", &C::Panel3)
            .Field("Label2", &C::Label2)
            .Field("LabelSummary", &C::LabelSummary)
            .Field("Panel2", &C::Panel2)
            .Field("SectionListBox", &C::SectionListBox)
            .Field("Grid", &C::Grid)
            .Field("Panel1", &C::Panel1)
            .Field("OKBtn", &C::OKBtn)
            .Field("Gauge", &C::Gauge)
            .Field("LabelTime", &C::LabelTime)
            .Field("ButtonStatistics", &C::ButtonStatistics)
            .Field("Timer", &C::Timer)
            .Field("SysInfo", &C::SysInfo);
    });
    return &meta;
}

namespace {

// The stop button's glyph: a red square with a dark rim on the button face.
void DrawStopGlyph(TBitmap& glyph)
{
    glyph.SetSize(16, 16);
    TCanvas& c = glyph.Canvas();
    c.FillRectColor(TRect{0, 0, 16, 16}, clOlive);   // the bottom-left pixel's colour is transparent
    c.FillRectColor(TRect{3, 3, 13, 13}, clMaroon);
    c.FillRectColor(TRect{4, 4, 12, 12}, clRed);
}

}  // namespace

void TProgressDlg::FormCreate(TObject*)
{
    SetCursor(crHourGlass);
    DrawStopGlyph(ButtonStatistics->Glyph());
}

void TProgressDlg::FormShow(TObject*)
{
    if (FRan) return;
    FRan = true;
    FRunning = true;
    struct TRunningGuard {
        bool& Running;
        ~TRunningGuard() { Running = false; }
    } guard{FRunning};
    OKBtn->SetEnabled(false);
    Grid->SetRowCount(Param.NJoints + 1 + Grid->FixedRows());
    RunAnalysis(Param, *this, ParametricRuns(*this));
    Gauge->SetVisible(false);
    LabelTime->SetVisible(false);
    ButtonStatistics->SetVisible(false);
}

void TProgressDlg::FormClose(TObject*, TCloseAction&)
{
    FProceed = false;
    Application->ProcessMessages();
}

void TProgressDlg::FormCloseQuery(TObject*, bool& CanClose) { CanClose = !FRunning; }

TListSection* TProgressDlg::Section(int index)
{
    TListSectionCollection& sections = SectionListBox->Sections();
    return index >= 0 && index < sections.Count() ? sections[index] : nullptr;
}

void TProgressDlg::SectionListBoxSubItemClick(TObject*, Integer sectionidx, Integer subitemidx)
{
    TListSection* section = Section(sectionidx);
    if (!section || subitemidx < 0 || subitemidx >= section->SubItems().Count()) return;
    TResultTable table;
    if (ResultTableOfEntry(Param, section->SubItems()[subitemidx], FormatSettings, table)) ShowTable(table);
}

void TProgressDlg::SectionListBoxChange(TObject* Sender, Integer sectionidx, Integer subitemidx)
{
    if (sectionidx >= 0 && sectionidx < 2 && subitemidx >= 0 && subitemidx < 14)
        SectionListBoxSubItemClick(Sender, sectionidx, subitemidx);
}

void TProgressDlg::ButtonStatisticsClick(TObject*)
{
    FProceed = false;
    Timer->SetEnabled(false);
    LabelTime->SetCaption("Analyses interupted");
}

// The time spent per percent times the percents left.
void TProgressDlg::TimerTimer(TObject*)
{
    const Int64 p = Gauge->Progress();
    if (p == 0) return;
    const double spent = static_cast<double>(static_cast<Cardinal>(GetTickCount() - static_cast<Cardinal>(Gauge->Tag())));
    const Int64 left = Round(spent * static_cast<double>(Gauge->MaxValue() - p) / static_cast<double>(p) / 1000);
    LabelTime->SetCaption(Format("Time left = %d sec", {left}));
}

void TProgressDlg::FillGrid(int LoadNumber) { ShowTable(CombinationTable(Param, LoadNumber, FormatSettings)); }

void TProgressDlg::FillGrid2(int LoadNumber) { ShowTable(LoadTable(Param, LoadNumber, FormatSettings)); }

void TProgressDlg::ShowTable(const TResultTable& table)
{
    if (!table.Caption.IsEmpty()) LabelSummary->SetCaption(table.Caption);
    if (table.ColCount >= 0) Grid->SetColCount(table.ColCount);
    Grid->SetRowCount(table.RowCount);
    for (Integer col = 0; col < static_cast<Integer>(table.Cells.size()) && col < Grid->ColCount(); ++col)
        for (Integer row = 0; row < static_cast<Integer>(table.Cells[col].size()) && row < Grid->RowCount(); ++row)
            Grid->SetCells(col, row, table.Cells[col][row]);
}

// ---- what the run tells the window

void TProgressDlg::StartRunSection(int section, const String& caption)
{
    if (section == 0) SectionListBox->Sections().Clear();
    SectionListBox->Sections().Add()->SetCaption(caption);
}

void TProgressDlg::AddRunEntry(int section, const String& caption)
{
    if (TListSection* s = Section(section)) s->SubItems().Add(caption);
}

void TProgressDlg::ExpandRunSection(int section)
{
    if (TListSection* s = Section(section)) s->SetState(lssExpanded);
}

// A close asked for while the run goes on is dropped: the run ends first.
void TProgressDlg::ProcessPendingEvents()
{
    Application->ProcessMessages();
    if (ModalResult() != mrNone) SetModalResult(mrNone);
}

void TProgressDlg::SetRunTitle(const String& title) { SetCaption(title); }

void TProgressDlg::CombinationsDone()
{
    OKBtn->SetCaption("Done");
    OKBtn->SetEnabled(true);
    SetCursor(crDefault);
}

void TProgressDlg::StartLongRun()
{
    OKBtn->SetEnabled(false);
    Gauge->SetVisible(true);
    ButtonStatistics->SetVisible(true);
    LabelTime->SetVisible(true);
}

void TProgressDlg::SetStopCaption(const String& caption) { ButtonStatistics->SetCaption(caption); }

void TProgressDlg::StartTiming()
{
    Gauge->SetTag(static_cast<std::intptr_t>(GetTickCount()));
    Timer->SetEnabled(true);
}

void TProgressDlg::SetPercentDone(int percent) { Gauge->SetProgress(percent); }

// The parametric entries go to the third section, "Parametric Analysis:", started after the
// loads and the combinations (or after the loads alone when the model has no combination).
void TProgressDlg::FinishLongRun(const String& entry)
{
    OKBtn->SetEnabled(true);
    TListSectionCollection& sections = SectionListBox->Sections();
    const String caption = "Parametric Analysis:";
    TListSection* section = nullptr;
    for (int i = 0; i < sections.Count() && !section; ++i)
        if (sections[i]->Caption() == caption) section = sections[i];
    if (!section) {
        section = sections.Add();
        section->SetCaption(caption);
    }
    section->SubItems().Add(entry);
    section->SetState(lssExpanded);
}

void TProgressDlg::ShowRunWarning(const String& message) { MessageDlg(message, mtWarning, {mbOK}, 0); }

// ---- the class registry

void RegisterAnalysisWindows()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    RegisterListControlClasses();
    RegisterChartClasses();
    RegisterClasses({TStySysInfo::StaticClass(), TProgressDlg::StaticClass(), TGraphicsDlg::StaticClass(),
                     TGraphicValue::StaticClass(), TGraphStatistics::StaticClass(),
                     TGraphIncrementLoad::StaticClass()});
    RegisterIncrementalLoadClasses();
    RegisterStatisticClasses();
    RegisterReportEpuresClasses();
}
