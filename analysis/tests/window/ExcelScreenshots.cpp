// Pictures of the spreadsheet export window and its wait notice for people to look at.
#include <gtest/gtest.h>

#include "analysis/ExcelDlg.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/Process.h"

namespace {

TEST(ExcelScreenshots, WaitNotice)
{
    RegisterExcelClasses();
    TMessageWindowDlg* wait = CreateForm<TMessageWindowDlg>(Application);
    wait->Show();
    TestProcess();
    TBitmap picture;
    TestScreenshot(wait, "excel-wait-notice", picture);
    EXPECT_EQ(wait->ClientWidth(), 522);
    EXPECT_EQ(wait->ClientHeight(), 69);
    EXPECT_EQ(wait->Label1->Caption(), "Generation of Excel Report in progress.  Please Wait ...");
    delete wait;
    TestProcess();
}

// The window once the Loads workbook of the sample model is written.
TEST(ExcelScreenshots, ExportWindow)
{
    RegisterExcelClasses();
    TempFolder folder;
    const TProcessStarter previous = SetProcessStarter([](const std::vector<String>&, const String&) { return 0; });
    TExcelDlg* dlg = CreateForm<TExcelDlg>(Application);
    dlg->param = ReadTestModel("sample.dam");
    dlg->Request = caGeometry;
    dlg->ProgramFolder = String(PROGRAM_SOURCE_DIR) + "programdata/";
    TestAnswerNextFileDialog({String(folder / "Input.xlsx")});
    TestAnswerNextModal([&](TCustomForm*) {
        TestProcess();
        TBitmap picture;
        TestScreenshot(dlg, "excel-export-window", picture);
        EXPECT_EQ(dlg->ClientWidth(), 346);
        EXPECT_EQ(dlg->ClientHeight(), 40);
        EXPECT_EQ(dlg->FileName(), String(folder / "Input.xlsx"));
        TestClick(dlg->OKBtn, 10, 10);
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_EQ(dlg->Workbook(), nullptr);
    delete dlg;
    SetProcessStarter(previous);
    TestProcess();
}

}  // namespace
