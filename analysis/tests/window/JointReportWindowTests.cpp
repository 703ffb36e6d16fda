// The joint text report window on the test driver: the report, the text file commands and the
// Edit commands with their shortcuts.
#include <gtest/gtest.h>

#include <fstream>

#include "analysis/Memo.h"
#include "analysis/tests/StudyTestSupport.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "platform/graphics/Clipbrd.h"

namespace {

TGraphicValue* ReportOf(const TJointPlotValues& v)
{
    TGraphicValue* report = CreateForm<TGraphicValue>(Application);
    report->GValues = v.Values;
    report->GlobalValues = v.GlobalValues;
    report->NUplifts = v.NUplifts;
    report->ShearCurve = v.ShearCurve;
    return report;
}

std::vector<std::string> MemoLines(TGraphicValue* report)
{
    std::vector<std::string> lines;
    for (Integer i = 0; i < report->Memo1->Lines().Count(); ++i) lines.push_back(report->Memo1->Lines()[i].ToUtf8());
    return lines;
}

TEST(JointReportWindow, SavesTheTextAsShownAndOpensAnotherFile)
{
    ScratchFolder folder;
    const std::string saved = (std::filesystem::path(folder.Path()) / "joint.txt").string();
    const std::string other = (std::filesystem::path(folder.Path()) / "other.txt").string();
    std::ofstream(other) << "alpha\nbeta\n";
    TParametres model = Analysed(ReadTestModel("triangle.dam"));
    const TJointPlotValues values = JointPlotValues(model, 1, 2);
    TGraphicValue* report = ReportOf(values);
    std::vector<std::string> shown, opened;
    TestAnswerNextModal([&](TCustomForm*) {
        shown = MemoLines(report);
        report->Memo1->Lines().Add("checked by the engineer");
        TestAnswerNextFileDialog({String(saved)});
        report->Save1Click(report);
        EXPECT_TRUE(TestLastFileDialog().Save);
        ASSERT_EQ(TestLastFileDialog().Filters.size(), 1u);
        EXPECT_EQ(TestLastFileDialog().Filters[0].first, "Test files");
        EXPECT_EQ(TestLastFileDialog().Filters[0].second, "*.txt");
        TestAnswerNextFileDialog({String(other)});
        report->Open1Click(report);
        opened = MemoLines(report);
        TestAnswerNextFileDialog({});   // cancelled: the memo keeps its text
        report->Open1Click(report);
        EXPECT_EQ(MemoLines(report), opened);
        report->Close1Click(report);
    });
    report->ShowModal();
    delete report;
    TestProcess();

    std::vector<std::string> expected;
    for (const String& line : JointReportLines(values, FormatSettings)) expected.push_back(line.ToUtf8());
    EXPECT_EQ(shown, expected);
    std::vector<std::string> file;
    std::ifstream in(saved);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        file.push_back(line);
    }
    expected.push_back("checked by the engineer");
    EXPECT_EQ(file, expected);
    EXPECT_EQ(opened, (std::vector<std::string>{"alpha", "beta"}));
}

// A file that cannot be read: its error is shown by the program's error report and the memo
// keeps the report.
TEST(JointReportWindow, AFileThatCannotBeOpenedLeavesTheReport)
{
    ScratchFolder folder;
    const std::string missing = (std::filesystem::path(folder.Path()) / "missing.txt").string();
    TJointPlotValues values;
    values.GlobalValues.Load = 2;
    TGraphicValue* report = ReportOf(values);
    std::vector<std::string> before, after;
    TestClearMessageBoxes();
    TestAnswerNextModal([&](TCustomForm*) {
        before = MemoLines(report);
        TestAnswerNextFileDialog({String(missing)});
        TestAnswerNextMessageBox(mrOk);
        TestPressKey(report->Memo1, 'O', {ssCtrl});
        TestProcess();
        after = MemoLines(report);
        report->Close();
    });
    report->ShowModal();
    delete report;
    TestProcess();
    ASSERT_EQ(TestMessageBoxes().size(), 1u);
    EXPECT_NE(TestMessageBoxes()[0].Text.ToUtf8().find("missing.txt"), std::string::npos) << TestMessageBoxes()[0].Text;
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before[0], "Load combination = flood");
    EXPECT_EQ(after, before);
}

// Ctrl+C, Ctrl+X, Ctrl+Z and Ctrl+V on the memo; the Edit menu follows the selection, the
// clipboard and the undo buffer when the program is idle.
TEST(JointReportWindow, EditCommandsAndTheirShortcuts)
{
    TJointPlotValues values;
    values.GlobalValues.Load = 1;
    TGraphicValue* report = ReportOf(values);
    TestAnswerNextModal([&](TCustomForm*) {
        TMemo* memo = report->Memo1;
        bool done = true;
        report->UpdateEditCommands(report, done);
        EXPECT_EQ(report->ceCurrent, memo);   // the memo has the focus from the start
        EXPECT_FALSE(report->Cut1->Enabled());   // nothing selected
        EXPECT_FALSE(report->Undo1->Enabled());
        memo->SetSelStart(0);
        memo->SetSelLength(4);   // "Load"
        report->UpdateEditCommands(report, done);
        EXPECT_EQ(report->ceCurrent, memo);
        EXPECT_TRUE(report->Copy1->Enabled());
        EXPECT_TRUE(report->Cut1->Enabled());
        TestPressKey(memo, 'C', {ssCtrl});
        EXPECT_EQ(Clipboard().AsText(), "Load");
        report->UpdateEditCommands(report, done);
        EXPECT_TRUE(report->Paste1->Enabled());
        TestPressKey(memo, 'X', {ssCtrl});
        EXPECT_EQ(memo->Lines()[0], " combination = usual");
        report->UpdateEditCommands(report, done);
        EXPECT_TRUE(report->Undo1->Enabled());
        EXPECT_FALSE(report->Copy1->Enabled());
        TestPressKey(memo, 'Z', {ssCtrl});
        EXPECT_EQ(memo->Lines()[0], "Load combination = usual");
        memo->SetSelStart(0);
        memo->SetSelLength(0);
        TestPressKey(memo, 'V', {ssCtrl});
        EXPECT_EQ(memo->Lines()[0], "LoadLoad combination = usual");
        report->Close();
    });
    report->ShowModal();
    EXPECT_FALSE(Application->OnIdle.Assigned());
    delete report;
    TestProcess();
}

}  // namespace
