#include "analysis/tests/window/AnalysisWindowTestSupport.h"

#include <gtest/gtest.h>

#include "analysis/AnalysisRun.h"
#include "analysis/ParametricRun.h"
#include "analysis/Progress.h"
#include "engine/Fichier.h"
#include "platform/backend/qt/QtServices.h"

namespace {

struct TEnvironment : ::testing::Environment {
    void SetUp() override
    {
        TestInitialize();
        InitQtServices();
        RegisterAnalysisWindows();
        // The program's main window stays up behind the modal windows, as in the program.
        MainWindow = new TForm(nullptr);
        MainWindow->SetBounds(0, 0, 300, 200);
        MainWindow->Show();
        TestProcess();
    }
    void TearDown() override { delete MainWindow; }
    TForm* MainWindow = nullptr;
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

constexpr Cardinal WatchMessage = WM_USER + 71;

}  // namespace

TParametres ReadTestModel(const std::string& name)
{
    TDamFileHostHeadless host;
    LectureFichier1_0(host, String(std::string(ANALYSIS_TEST_DATA) + "/" + name));
    EXPECT_TRUE(host.ProceedFlag()) << name;
    return host.Model;
}

const TParametres& StudiedSample()
{
    static const TParametres model = [] {
        TParametres m = ReadTestModel("sample.dam");
        TStatistiques& st = m.Statistiques;
        st.SauverParametres = st.SauverResultats = st.SauverInputCDF = st.SauverOutPutCDF = false;
        m.IncrementLoad.SauverResultats = false;
        TSilentAnalysisHost host;
        TSilentLongRunHost runs;
        RunAnalysis(m, host, ParametricRuns(runs));
        EXPECT_TRUE(runs.Warnings.empty());
        return m;
    }();
    return model;
}

void ClickListEntry(TSectionListBox* list, Integer section, Integer subitem)
{
    for (Integer row = 0; row < list->Count(); ++row) {
        Integer s = -1, i = -1;
        if (!list->GetListItemIndex(row, s, i) || s != section || i != subitem) continue;
        if (list->ItemRect(row).Bottom > list->ClientHeight()) list->SetTopIndex(row);
        TestProcess();
        const TRect r = list->ItemRect(row);
        TestClick(list, r.Left + 40, (r.Top + r.Bottom) / 2);
        return;
    }
    ADD_FAILURE() << "no row for entry " << section << "," << subitem;
}

TPendingEventsWatcher::TPendingEventsWatcher(std::function<bool()> check) : TWinControl(nullptr), FCheck(std::move(check))
{
    PostMessage(this, WatchMessage, 0, 0);
}

TPendingEventsWatcher::~TPendingEventsWatcher() { Destroying(); }

void TPendingEventsWatcher::WndProc(TMessage& message)
{
    if (message.Msg != WatchMessage) {
        TWinControl::WndProc(message);
        return;
    }
    if (!FCheck()) PostMessage(this, WatchMessage, 0, 0);
}

std::vector<String> Items(TCustomComboBox* box)
{
    std::vector<String> items;
    for (Integer i = 0; i < box->Items().Count(); ++i) items.push_back(box->Items()[i]);
    return items;
}

void Choose(TCustomComboBox* box, Integer index)
{
    box->SetFocus();
    TestPressKey(box, VK_HOME);
    for (Integer i = 0; i < index; ++i) TestPressKey(box, VK_DOWN);
    TestProcess();
}

Integer ChooseAnotherWithMouse(TCustomComboBox* box)
{
    TestClick(box, box->ClientWidth() - 5, box->ClientHeight() / 2);
    auto* list = dynamic_cast<TCustomListBox*>(box->ListWindow());
    if (!list || !box->DroppedDown()) return -1;
    for (Integer i = 0; i < list->Items().Count(); ++i) {
        const TRect row = list->ItemRect(i);
        if (i == box->ItemIndex() || row.Top < 0 || row.Bottom > list->ClientHeight()) continue;
        TestClick(list, row.Left + 5, (row.Top + row.Bottom) / 2);
        TestProcess();
        return i;
    }
    return -1;
}

void TypeValue(TEcCalcEdit* edit, const String& text)
{
    edit->SetFocus();
    edit->SelectAll();
    TestTypeText(edit, text);
}
