// Pictures of the analysis and result windows for people to look at.
#include <gtest/gtest.h>

#include "analysis/Progress.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"

namespace {

// The analysis window after the run on the sample model, the usual combination's table shown.
TEST(AnalysisScreenshots, AnalysisWindow)
{
    TProgressDlg* dlg = CreateForm<TProgressDlg>(Application);
    dlg->Param = ReadTestModel("sample.dam");
    TestAnswerNextModal([&](TCustomForm*) {
        dlg->SectionListBox->SetSelection(1, 0);
        dlg->SectionListBoxSubItemClick(dlg, 1, 0);
        TestProcess();
        TBitmap picture;
        TestScreenshot(dlg, "analysis-window", picture);
        EXPECT_EQ(picture.Width(), dlg->Width());
        dlg->Close();
    });
    dlg->ShowModal();
    delete dlg;
    TestProcess();
}

}  // namespace
