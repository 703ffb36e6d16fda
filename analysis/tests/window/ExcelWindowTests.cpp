// The spreadsheet export window on the test driver: the written workbook handed to the desktop,
// and what the user is told when the desktop has no program to open it.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "analysis/ExcelDlg.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/Process.h"

namespace {

// With a program for spreadsheets the window waits for its button; without one (the desktop
// opener missing) it says where the workbook is and closes by itself, its wait notice gone.
TEST(ExcelWindow, WithoutAProgramForSpreadsheetsTheExportSaysWhereTheWorkbookIsAndCloses)
{
    RegisterExcelClasses();
    const struct {
        int StartError;
        bool Waits;
    } cases[] = {{0, true}, {ENOENT, false}};
    for (const auto& c : cases) {
        TempFolder folder;
        const String file(folder / "Input.xlsx");
        const TProcessStarter previous =
            SetProcessStarter([&](const std::vector<String>&, const String&) { return c.StartError; });
        TExcelDlg* dlg = CreateForm<TExcelDlg>(Application);
        dlg->param = ReadTestModel("sample.dam");
        dlg->Request = caGeometry;
        dlg->ProgramFolder = String(PROGRAM_SOURCE_DIR) + "programdata/";
        TestClearMessageBoxes();
        TestAnswerNextFileDialog({file});
        if (!c.Waits) TestAnswerNextMessageBox(mrOk);
        bool waiting = false, waitNoticeShown = false;
        TestAnswerNextModal([&](TCustomForm* form) {
            waiting = form->ModalResult() == mrNone;
            for (Integer i = 0; i < Screen->FormCount(); ++i)
                waitNoticeShown = waitNoticeShown || dynamic_cast<TMessageWindowDlg*>(Screen->Forms(i));
            if (waiting) TestClick(dlg->OKBtn, 10, 10);
        });
        EXPECT_EQ(dlg->ShowModal(), mrOk) << c.StartError;
        EXPECT_EQ(waiting, c.Waits) << c.StartError;
        EXPECT_FALSE(waitNoticeShown) << c.StartError;
        EXPECT_TRUE(std::filesystem::exists(file.ToUtf8())) << c.StartError;
        EXPECT_EQ(dlg->Workbook(), nullptr);
        if (c.Waits) {
            EXPECT_TRUE(TestMessageBoxes().empty());
        } else {
            ASSERT_EQ(TestMessageBoxes().size(), 1u);
            EXPECT_EQ(TestMessageBoxes()[0].Text, "The workbook was written to\r" + file +
                                                      "\rbut the desktop has no program for spreadsheets to open it.");
            EXPECT_EQ(TestMessageBoxes()[0].Icon, TMessageBoxIcon::Information);
        }
        delete dlg;
        SetProcessStarter(previous);
        TestProcess();
    }
}

}  // namespace
