// The spreadsheet export from the document window: the workbook of the chosen command written
// where the save dialog says, handed to the desktop's program, and the export window closed by
// its button; a failed write leaves nothing behind.
#include <filesystem>

#include <gtest/gtest.h>

#include "analysis/AnalysisRun.h"
#include "analysis/ExcelDlg.h"
#include "app/tests/window/AppTestSupport.h"
#include "platform/services/Process.h"
#include "platform/services/tests/XlsxReadBack.h"

namespace {
struct TEnvironment : ::testing::Environment {
    void SetUp() override { AppTestInitialize(); }
};
const auto* const Environment = ::testing::AddGlobalTestEnvironment(new TEnvironment);

// Records the desktop programs started instead of starting them.
struct TRecordedStarts {
    TRecordedStarts()
    {
        Previous = SetProcessStarter([this](const std::vector<String>& argv, const String&) {
            Started.push_back(argv);
            return 0;
        });
    }
    ~TRecordedStarts() { SetProcessStarter(Previous); }
    TProcessStarter Previous;
    std::vector<std::vector<String>> Started;
};

// The sample model, analysed, in its document window, with the program's workbook templates.
TMDIChild* AnalysedSample(TRunningProgram& program)
{
    std::filesystem::copy(std::string(PROGRAMDATA_DIR) + "Excel", program.Folder() / "Excel");
    TMDIChild* d = program.Active();
    TSilentAnalysisHost host;
    RunAnalysis(d->Param, host);
    d->MakeCurrent();
    d->UpdateMenuItems();
    return d;
}

TMenuItem* ExcelItem(TMDIChild* d, int index) { return d->MSExcel1->Items(index); }
}  // namespace

TEST(ExcelExport, ResultsFromTheMenuAreWrittenOpenedAndTheWindowClosesOnItsButton)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = AnalysedSample(program);
    ASSERT_TRUE(d->MSExcel1->Enabled());
    TRecordedStarts starts;
    const String file = program.InFolder("Results.xlsx");
    TestAnswerNextFileDialog({file});
    String shownCaption, buttonCaption;
    bool writtenWhileShown = false;
    TestAnswerNextModal([&](TCustomForm* form) {
        auto* window = dynamic_cast<TExcelDlg*>(form);
        ASSERT_NE(window, nullptr);
        shownCaption = window->Caption();
        buttonCaption = window->OKBtn->Caption();
        writtenWhileShown = std::filesystem::exists(file.ToUtf8()) && window->Workbook() != nullptr;
        TestClick(window->OKBtn, 10, 10);
    });
    ExcelItem(d, 2)->Click();
    TestProcess();

    const TFileDialogRequest& asked = TestLastFileDialog();
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.FileName, "Results.xlsx");
    EXPECT_EQ(asked.InitialDir, LastDirectory);
    EXPECT_EQ(shownCaption, "Dorvane");
    EXPECT_EQ(buttonCaption, "Return to Dorvane");
    EXPECT_TRUE(writtenWhileShown);
    ASSERT_EQ(starts.Started.size(), 1u);
    EXPECT_EQ(starts.Started[0], (std::vector<String>{"xdg-open", file}));
    // The written file reads back: the sample's first stress table holds joint 1 (elevation 150).
    const TXlsxReadBack back = ReadXlsxBack(XLSX_DUMP, file.ToUtf8());
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back["J5"], "s:Metric");
    EXPECT_EQ(back["B26"], "n:150.0");
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TExcelDlg*>(Screen->Forms(i)), nullptr) << "the export window was freed";
}

TEST(ExcelExport, InputExportLeavesTheDocumentsModelAsItWas)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = AnalysedSample(program);
    const String material = d->Param.JointMaterials[0].nom.ToString();
    const TDataSet flags = d->Param.Donnees;
    TRecordedStarts starts;
    const String file = program.InFolder("Input.xlsx");
    TestAnswerNextFileDialog({file});
    TestAnswerNextModalWithButton("Return to Dorvane");
    ExcelItem(d, 0)->Click();
    TestProcess();
    EXPECT_EQ(TestLastFileDialog().FileName, "Input.xlsx");
    const TXlsxReadBack back = ReadXlsxBack(XLSX_DUMP, file.ToUtf8());
    ASSERT_TRUE(back.Read);
    EXPECT_EQ(back["E12"], "s:Base joint");
    EXPECT_EQ(d->Param.JointMaterials[0].nom.ToString(), material);
    EXPECT_EQ(CurrentModel.JointMaterials[0].nom.ToString(), material);
    EXPECT_EQ(d->Param.Donnees, flags);
}

TEST(ExcelExport, TheToolButtonRunsTheWorkbookLastChosenFromItsMenu)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = AnalysedSample(program);
    auto* button = dynamic_cast<TToolButton*>(program.Main()->FindComponent("ToolButtonExcel"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->Enabled());
    TRecordedStarts starts;
    // Cancelling the file dialog closes the export window with nothing written.
    TestAnswerNextFileDialog({});
    button->Click();
    TestProcess();
    EXPECT_EQ(TestLastFileDialog().FileName, "Input.xlsx");
    EXPECT_TRUE(d->PopupExcel->Items()->Items(0)->Default());
    TestAnswerNextFileDialog({});
    d->PopupExcel->Items()->Items(1)->Click();
    TestProcess();
    EXPECT_EQ(TestLastFileDialog().FileName, "Loads.xlsx");
    // The choice is the menu's bold default item now.
    EXPECT_FALSE(d->PopupExcel->Items()->Items(0)->Default());
    EXPECT_TRUE(d->PopupExcel->Items()->Items(1)->Default());
    TestAnswerNextFileDialog({});
    button->Click();
    TestProcess();
    EXPECT_EQ(TestLastFileDialog().FileName, "Loads.xlsx");
    // The document menu's items do not change the button's choice.
    TestAnswerNextFileDialog({});
    ExcelItem(d, 2)->Click();
    TestProcess();
    TestAnswerNextFileDialog({});
    button->Click();
    TestProcess();
    EXPECT_EQ(TestLastFileDialog().FileName, "Loads.xlsx");
    EXPECT_TRUE(d->PopupExcel->Items()->Items(1)->Default());
    EXPECT_FALSE(d->PopupExcel->Items()->Items(2)->Default());
    EXPECT_TRUE(starts.Started.empty());
    EXPECT_FALSE(std::filesystem::exists(program.Folder() / "Loads.xlsx"));
}

TEST(ExcelExport, AFailedWriteShowsWhyAndLeavesNoFile)
{
    TRunningProgram program({"{sample}"});
    TMDIChild* d = AnalysedSample(program);
    TRecordedStarts starts;
    const std::string folder = program.Folder() / "missing";
    TestAnswerNextFileDialog({String(folder + "/Loads.xlsx")});
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    ExcelItem(d, 1)->Click();
    TestProcess();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Error);
    EXPECT_EQ(TestMessageBoxes()[0].Text.ToUtf8().rfind("Cannot write the workbook \"" + folder + "/Loads.xlsx\": ", 0), 0u)
        << TestMessageBoxes()[0].Text;
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_TRUE(starts.Started.empty());
    for (const auto& entry : std::filesystem::directory_iterator(program.Folder().Path()))
        EXPECT_EQ(entry.path().string().find(".part"), std::string::npos) << entry.path();
    for (Integer i = 0; i < Screen->FormCount(); ++i)
        EXPECT_EQ(dynamic_cast<TExcelDlg*>(Screen->Forms(i)), nullptr) << "the export window was freed";

    // A template that cannot be read fails the same way, before any file dialog.
    std::filesystem::remove(program.Folder() / "Excel/Input.tpl");
    TestClearMessageBoxes();
    TestAnswerNextMessageBox(mrOk);
    ExcelItem(d, 0)->Click();
    TestProcess();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_EQ(TestMessageBoxes()[0].Text,
              "Cannot open the workbook template \"" + program.InFolder("Excel/Input.tpl") + "\"");
}
