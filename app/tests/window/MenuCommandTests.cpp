// Every command a user can reach from the main window with the sample model open: the menu bar
// as the document merges into it (the recent files and the window list included), the document's
// drop-down and chart menus, and the tool buttons. Each command, chosen in turn, opens its window,
// asks for a file, hands a file to the desktop, shows help or does its work in place, or is
// disabled; afterwards the program is sound: nothing escaped, no window is left behind, and the
// sample's document is still open.
#include <cctype>
#include <filesystem>
#include <map>
#include <set>

#include <gtest/gtest.h>

#include "app/tests/window/AppTestSupport.h"
#include "platform/controls/WindowSystem.h"
#include "platform/services/Process.h"
#include "platform/services/ServicesBackend.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

enum class TOutcome {
    Window,         // opens the modal window of class Detail (closed here)
    FileDialog,     // asks for a file name (cancelled here)
    Export,         // opens the spreadsheet window, which asks for the workbook's name (cancelled here)
    Desktop,        // hands the program folder's file Detail to the desktop (recorded, not started)
    Help,           // shows the help page Detail
    InPlace,        // does its work in the open windows: nothing new opens, no message
    NewDocument,    // opens a new document window (closed here)
    CloseDocument,  // closes the active document window (a new one, opened here first)
    Message,        // shows the message Detail
    Disabled,       // never offered: the item is disabled
    Skipped,        // not chosen: Detail says why
};

struct TExpected {
    TOutcome Outcome;
    const char* Detail = "";
};

// What each command does, by its item's name. The recent files ("recent file") and the window
// list ("window list") are items the program makes, without names.
const std::map<std::string, TExpected>& Expectations()
{
    using enum TOutcome;
    static const std::map<std::string, TExpected> table{
        // File
        {"FileNewItem", {NewDocument}},
        {"FileOpenItem", {FileDialog}},
        {"FileCloseItem", {CloseDocument}},
        {"FileSaveItem", {InPlace}},   // the sample has its file: written without a question
        {"FileSaveAsItem", {FileDialog}},
        {"Calculator1", {Desktop, "bin/xcalc"}},
        {"FileExitItem", {Skipped, "ends the program; the main window's tests close it with every answer"}},
        {"recent file", {Message, "file already opened!"}},   // the sample, open already
        // Parameters
        {"GeneralInformation1", {Window, "TInformationsDlg"}},
        {"SectionGeometry1", {Window, "TDimensionDlg"}},
        {"Masses1", {Window, "TMassesDlg"}},
        {"LiftJointsMaterials1", {Window, "TJointMaterialDlg"}},
        {"LiftJoints1", {Window, "TJointDlg"}},
        {"PreCracked1", {Window, "TCracksDlg"}},
        {"Reservoir1", {Window, "TReservoirDlg"}},
        {"Drainage1", {Window, "TUpliftPressuresDlg"}},
        {"PostTension1", {Window, "TPostTensionDlg"}},
        {"AppliedForces1", {Window, "TForcesDlg"}},
        {"PseudoStatic1", {Window, "TSeismicCoefficientDlg"}},
        {"PseudoDynamic1", {Window, "TPseudoDynamicDlg"}},
        {"Cracking1", {Window, "TCrackingDlg"}},
        {"LoadCombinations1", {Window, "TLoadsDlg"}},
        {"MonteCarlo1", {Window, "TStatisticDlg"}},
        {"Incremental1", {Window, "TIncrementalLoadDlg"}},
        {"Displacement1", {Disabled}},
        // Analysis: the run's results make the Results menu available.
        {"StartAnalyses1", {Window, "TProgressDlg"}},
        // Results, and the tool buttons' drop-down menus
        {"StabilityDrawings1", {Window, "TReportEpures"}},
        {"ExcelModel1", {Export, "TExcelDlg"}},
        {"ExcelLoads1", {Export, "TExcelDlg"}},
        {"ExcelResults1", {Export, "TExcelDlg"}},
        {"GraphicalViews1", {Window, "TGraphicsDlg"}},
        {"ProbabilisticPlots1", {Window, "TGraphStatistics"}},
        {"IncrementalPlots1", {Window, "TGraphIncrementLoad"}},
        {"PopupExcelModel1", {Export, "TExcelDlg"}},
        {"PopupExcelLoads1", {Export, "TExcelDlg"}},
        {"PopupExcelResults1", {Export, "TExcelDlg"}},
        {"PlotsStresses1", {Window, "TGraphicsDlg"}},
        {"PlotsProbabilistic1", {Window, "TGraphStatistics"}},
        {"PlotsIncremental1", {Window, "TGraphIncrementLoad"}},
        {"PopupStabilityDrawings1", {Window, "TReportEpures"}},
        // the chart's pop-up: the pointer's action on the technical drawing
        {"None1", {InPlace}},
        {"Pan1", {InPlace}},
        {"Zoom1", {InPlace}},
        {"Fullview1", {InPlace}},
        // Window
        {"WindowCascadeItem", {InPlace}},
        {"WindowTileItem", {InPlace}},
        {"TileHorizontal1", {InPlace}},
        {"WindowArrangeItem", {InPlace}},
        {"WindowMinimizeItem", {InPlace}},
        {"window list", {InPlace}},
        // Help
        {"Index1", {Help, "help/dorvane/10.html"}},
        {"UserManual1", {Desktop, "Doc/Dorvane User Manual.pdf"}},
        {"Webupdate1", {Disabled}},
        {"HelpAboutItem", {Window, "TAboutBox"}},
        // tool buttons without a menu item of their own
        {"ToolButtonExcel", {Export, "TExcelDlg"}},   // the workbook last chosen from its drop-down menu
        {"ToolButtonPlots", {Window, "TGraphicsDlg"}},   // the joint plots, first of its drop-down menu
        {"ToolButtonDisplacement", {Disabled}},
    };
    return table;
}

// What choosing a command showed.
struct TObserved {
    std::string Window;
    bool WindowEmpty = false;
    TUnusedAnswers Unused;
    std::vector<String> Messages;
    std::vector<std::vector<String>> Started;
    String HelpPage;
    Integer Documents = 0;
};

// Runs one command with an answer ready for each kind of window it might open: a modal window
// is closed as by its close box, a file dialog cancelled, a message box acknowledged; programs
// handed to the desktop are recorded.
TObserved Choose(const std::function<void()>& command)
{
    TObserved seen;
    TestClearMessageBoxes();
    TestAnswerNextModal([&seen](TCustomForm* form) {
        seen.Window = form->ClassName().ToUtf8();
        seen.WindowEmpty = form->ControlCount() == 0;
        form->Close();
    });
    TestAnswerNextFileDialog({});
    TestAnswerNextMessageBox(mrOk);
    const TProcessStarter previous = SetProcessStarter([&seen](const std::vector<String>& argv, const String&) {
        seen.Started.push_back(argv);
        return 0;
    });
    EXPECT_NO_THROW(command());
    TestProcess();
    SetProcessStarter(previous);
    seen.Unused = TestDropUnusedAnswers();
    for (const TMessageBoxRequest& box : TestMessageBoxes()) seen.Messages.push_back(box.Text);
    seen.HelpPage = ServicesBackend().HelpPage();
    if (!seen.HelpPage.IsEmpty()) {
        // The help viewer is a window of its own: closed, the user comes back to the program's.
        ServicesBackend().CloseHelp();
        WindowSystem().Activate(MainForm->WindowHandle());
        TestProcess();
    }
    seen.Documents = MainForm->DocumentWindowCount();
    return seen;
}

// An item is offered when it and every menu above it are enabled.
bool Offered(const TMenuItem* item)
{
    for (; item && item->Parent(); item = item->Parent())
        if (!item->Enabled()) return false;
    return true;
}

std::string ItemKey(TMenuItem* item)
{
    if (!item->Name().IsEmpty()) return item->Name().ToUtf8();
    return item->Parent() == MainForm->Window1 ? "window list" : "recent file";
}

// The program started on the sample, with the program's help, manual and workbooks in its folder
// as the build stages them, and a calculator on the path.
class MenuCommands : public ::testing::Test {
protected:
    MenuCommands()
    {
        for (const char* folder : {"help", "Doc", "Excel"})
            std::filesystem::copy(std::filesystem::path(PROGRAMDATA_DIR) / folder, Program.Folder() / folder,
                                  std::filesystem::copy_options::recursive);
        Program.Folder().Make("bin/xcalc", "#!/bin/sh\n");
        std::filesystem::permissions(Program.Folder() / "bin/xcalc", std::filesystem::perms::owner_exec,
                                     std::filesystem::perm_options::add);
        const char* path = std::getenv("PATH");
        FSavedPath = path ? path : "";
        ::setenv("PATH", (Program.Folder() / "bin").c_str(), 1);
        Sample = Program.Active();
    }
    ~MenuCommands() override { ::setenv("PATH", FSavedPath.c_str(), 1); }

    // Chooses the command and checks what it did against the table and that the program is sound.
    void Check(const std::string& key, const String& path, bool offered, const std::function<void()>& command)
    {
        SCOPED_TRACE(path.ToUtf8());
        const auto found = Expectations().find(key);
        ASSERT_NE(found, Expectations().end()) << "a command without an expectation: " << key;
        Covered.insert(key);
        const TExpected& expected = found->second;
        if (expected.Outcome == TOutcome::Disabled) {
            EXPECT_FALSE(offered);
            return;
        }
        if (expected.Outcome == TOutcome::Skipped) return;
        ASSERT_TRUE(offered) << "disabled";
        std::set<TCustomForm*> forms;
        for (Integer i = 0; i < Screen->FormCount(); ++i) forms.insert(Screen->Forms(i));
        const Integer documents = Program.Documents();
        if (expected.Outcome == TOutcome::CloseDocument) {
            Program.Main()->FileNewItem->Click();
            TestProcess();
        }
        const TObserved seen = Choose(command);

        const bool window = expected.Outcome == TOutcome::Window || expected.Outcome == TOutcome::Export;
        EXPECT_EQ(seen.Window, window ? expected.Detail : "");
        EXPECT_FALSE(seen.WindowEmpty);
        const bool asks = expected.Outcome == TOutcome::FileDialog || expected.Outcome == TOutcome::Export;
        EXPECT_EQ(seen.Unused.FileDialogs, asks ? 0u : 1u) << "file dialog";
        const bool message = expected.Outcome == TOutcome::Message;
        EXPECT_EQ(seen.Messages, message ? std::vector<String>{expected.Detail} : std::vector<String>{});
        const bool desktop = expected.Outcome == TOutcome::Desktop;
        const std::string started = seen.Started.empty() ? "" : seen.Started.back().back().ToUtf8();
        EXPECT_EQ(started, desktop ? Program.Folder() / expected.Detail : "");
        const bool help = expected.Outcome == TOutcome::Help;
        EXPECT_EQ(seen.HelpPage, help ? Program.InFolder(expected.Detail) : String());

        // sound: the sample still open and active, and every window opened here closed again
        const bool opened = expected.Outcome == TOutcome::NewDocument;
        EXPECT_EQ(seen.Documents, documents + (opened ? 1 : 0));
        if (opened && Program.Active() != Sample) {
            Program.Active()->Close();
            TestProcess();
        }
        if (Program.Active() != Sample) Sample->Show();
        TestProcess();
        EXPECT_EQ(Program.Active(), Sample);
        std::set<TCustomForm*> after;
        for (Integer i = 0; i < Screen->FormCount(); ++i) after.insert(Screen->Forms(i));
        EXPECT_EQ(after, forms) << "windows left behind or gone";
        EXPECT_FALSE(Sample->Param.Donnees.Contains(daChanged)) << "a closed window changed the model";
    }

    // Every item of the menu, depth first, in the order the menu shows them; items are taken
    // again by index after each command, as some commands rebuild their menu's items.
    void Walk(TMenuItem* menu, const String& path)
    {
        for (Integer i = 0; i < menu->Count(); ++i) {
            TMenuItem* item = menu->Items(i);
            if (!item->Visible() || item->IsLine()) continue;
            const String here = path + " > " + StripHotkey(item->Caption());
            if (item->Count() > 0) {
                Walk(item, here);
                continue;
            }
            Check(ItemKey(item), here, Offered(item), [menu, i] { menu->Items(i)->Click(); });
        }
    }

    TRunningProgram Program{{"{sample}"}};
    TMDIChild* Sample = nullptr;
    std::set<std::string> Covered;

private:
    std::string FSavedPath;
};

}  // namespace

TEST_F(MenuCommands, EveryMenuCommandAndToolButtonLeadsSomewhere)
{
    TMainForm* main = Program.Main();
    // The menu bar as the user sees it: the main window's menus with the document's merged in.
    for (TMenuItem* entry : main->MainMenu1->MergedItems(Sample->MainMenu1))
        if (entry->Visible()) Walk(entry, StripHotkey(entry->Caption()));
    for (TPopupMenu* popup : {Sample->PopupExcel, Sample->PopupPlots, Sample->PopupChart, Sample->PopupReport})
        Walk(popup->Items(), popup->Name());

    // The tool buttons: one bound to a menu item runs that item's command, checked above, and
    // shows its enabled state; the others are in the table.
    for (TToolBar* bar : {main->ToolBarFile, main->ToolBarInput, main->ToolBarAnalysis, main->ToolBarParametric}) {
        ASSERT_TRUE(bar->Visible());
        for (Integer i = 0; i < main->ComponentCount(); ++i) {
            auto* button = dynamic_cast<TToolButton*>(main->Components(i));
            if (!button || button->ToolBar() != bar || button->Style() == tbsSeparator) continue;
            SCOPED_TRACE(button->Name().ToUtf8());
            if (TMenuItem* item = button->MenuItem()) {
                EXPECT_EQ(Covered.count(ItemKey(item)), 1u) << "bound to an item not in the menus";
                EXPECT_EQ(button->Enabled(), Offered(item));
                continue;
            }
            Check(button->Name().ToUtf8(), button->Name(), button->Enabled(), [button] { button->Click(); });
        }
    }

    // Every line of the table was met: none stands for a command that is gone.
    for (const auto& [key, expected] : Expectations()) EXPECT_EQ(Covered.count(key), 1u) << key;
    EXPECT_EQ(Program.Documents(), 1);
}

namespace {
// "Parameters > Static Loads" as "menu-parameters-static-loads".
String PictureName(const std::vector<TMenuItem*>& path)
{
    std::string name = "menu";
    for (TMenuItem* item : path) {
        name += '-';
        for (const char c : StripHotkey(item->Caption()).ToUtf8())
            if (std::isalnum(static_cast<unsigned char>(c)))
                name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            else if (name.back() != '-')
                name += '-';
    }
    return String(name);
}

// A picture of every menu and sub-menu of the bar, open where the user opens it.
void ScreenshotMenus(TCustomForm* form, std::vector<TMenuItem*>& path)
{
    TBitmap picture;
    TestScreenshotMenus(form, path, PictureName(path), picture);
    TMenuItem* menu = path.back();
    for (Integer i = 0; i < menu->Count(); ++i) {
        TMenuItem* item = menu->Items(i);
        if (!item->Visible() || item->Count() == 0) continue;
        path.push_back(item);
        ScreenshotMenus(form, path);
        path.pop_back();
    }
}
}  // namespace

// The main window with the sample analysed (so that its results are offered), each menu open.
TEST_F(MenuCommands, EachMenuOpenOverTheMainWindow)
{
    TestAnswerNextModal([](TCustomForm* form) { form->Close(); });
    Sample->StartAnalyses1->Click();
    TestProcess();
    ASSERT_TRUE(Sample->Results1->Enabled());
    // The window list names the document by its file.
    TMenuItem* window = Program.Main()->Window1;
    EXPECT_EQ(window->Items(window->Count() - 1)->Caption(), "&1 " + Program.Sample());
    // The document's commands show their pictures.
    for (TMenuItem* item : {Sample->GeneralInformation1, Sample->Masses1, Sample->StartAnalyses1, Sample->StabilityDrawings1}) {
        TBitmap picture, disabled;
        EXPECT_TRUE(item->Picture(picture, disabled)) << item->Name().ToUtf8();
    }
    for (TMenuItem* entry : Program.Main()->MainMenu1->MergedItems(Sample->MainMenu1)) {
        if (!entry->Visible()) continue;
        std::vector<TMenuItem*> path{entry};
        ScreenshotMenus(Program.Main(), path);
    }
}


namespace {
// The shortcut keys of the items under the menu, each with the first item that has it.
void CollectShortcuts(TMenuItem* menu, std::vector<TMenuItem*>& items, std::set<TShortCut>& taken)
{
    for (Integer i = 0; i < menu->Count(); ++i) {
        TMenuItem* item = menu->Items(i);
        if (!item->Visible()) continue;
        if (item->Count() > 0) CollectShortcuts(item, items, taken);
        else if (item->ShortCut() != 0 && taken.insert(item->ShortCut()).second) items.push_back(item);
    }
}
}  // namespace

// Each shortcut of the menu bar, pressed in the document window, runs its command, also after
// the modal windows of the commands before it have gone. (Save As and About share Ctrl+A: the
// File menu's comes first and takes it.)
TEST_F(MenuCommands, ShortcutsRunTheirCommandsFromTheDocumentWindow)
{
    std::vector<TMenuItem*> items;
    std::set<TShortCut> taken;
    for (TMenuItem* entry : Program.Main()->MainMenu1->MergedItems(Sample->MainMenu1))
        if (entry->Visible()) CollectShortcuts(entry, items, taken);
    ASSERT_GE(items.size(), 20u);
    for (TMenuItem* item : items) {
        Word key;
        TShiftState shift;
        ShortCutToKey(item->ShortCut(), key, shift);
        Check(ItemKey(item), ShortCutToText(item->ShortCut()) + " " + StripHotkey(item->Caption()), Offered(item),
              [this, key, shift] { TestPressKey(Sample, key, shift); });
    }
}
