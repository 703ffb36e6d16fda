// The joint plots window and the joint text report on the test driver.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Graphiques.h"
#include "analysis/Memo.h"
#include "analysis/tests/StudyTestSupport.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "engine/JointAnalysis.h"
#include "platform/graphics/Clipbrd.h"

namespace {

std::vector<std::string> Captions(TSectionListBox* list)
{
    std::vector<std::string> captions{list->Sections()[0]->Caption().ToUtf8()};
    for (Integer i = 0; i < list->Sections()[0]->SubItems().Count(); ++i)
        captions.push_back(list->Sections()[0]->SubItems()[i].ToUtf8());
    return captions;
}

TEST(JointPlotWindow, ListsTheJointsAndTheAnalysedCombinations)
{
    TGraphicsDlg* dlg = CreateForm<TGraphicsDlg>(Application);
    TParametres model = Analysed(ReadTestModel("triangle.dam"));
    model.LoadCombination.Selected[2] = false;
    dlg->SetModel(model);
    EXPECT_EQ(Captions(dlg->JointList), (std::vector<std::string>{"U/S elevation:", " 105.000 m", " 112.000 m", "base"}));
    EXPECT_EQ(Captions(dlg->CombinationList),
              (std::vector<std::string>{"Combination:", "Usual", "Seismic #1 - stress", "Seismic #1 - stability",
                                        "Seismic #2 - stress", "Seismic #2 - stability", "Post-seismic"}));
    EXPECT_EQ(dlg->DIzure->Scale1Y().Caption(), "Effective stresses (kPa)");
    EXPECT_EQ(dlg->DIzure->Scale1X().Caption(), " (m)");
    EXPECT_FALSE(dlg->valuesbutton->Enabled());
    EXPECT_EQ(dlg->Joint, -1);
    EXPECT_EQ(dlg->Load, -1);
    delete dlg;
    TestProcess();
}

TEST(JointPlotWindow, ChoosingACombinationAndAJointPlotsThem)
{
    TGraphicsDlg* dlg = CreateForm<TGraphicsDlg>(Application);
    TParametres model = Analysed(ReadTestModel("triangle.dam"));
    dlg->SetModel(model);
    dlg->JointListChange(dlg, 0, 2);   // "base"
    EXPECT_EQ(dlg->Joint, 0);
    EXPECT_FALSE(dlg->valuesbutton->Enabled());   // no combination yet
    dlg->CombinationListChange(dlg, 0, 0);        // "Usual"
    EXPECT_EQ(dlg->Load, 1);
    EXPECT_TRUE(dlg->valuesbutton->Enabled());
    const TJoint& joint = model.Joint;
    EXPECT_EQ(dlg->LabelNormal->Caption(), Format("%9.2f", {joint.Resultants.Normal[1][0]}) + "kN");
    EXPECT_EQ(dlg->LabelCrackUp->Caption(), Format("%8.3f ", {joint.CrackLength.Up[1][0] * 100}) + "%");
    EXPECT_EQ(dlg->LabelCrackDown->Caption(), "   0.000 %");
    // The vertical range holds the largest plotted value: a leading digit rounded up.
    const double high = dlg->DIzure->Scale1Y().RangeHigh();
    EXPECT_EQ(dlg->DIzure->Scale1Y().RangeLow(), -high);
    EXPECT_GE(high, std::fabs(joint.Stress.normal.Down[1][0]));
    EXPECT_EQ(dlg->DIzure->Scale1X().RangeHigh(), joint.Length[0]);
    // The section row of the joint list plots the base joint; that of the combinations
    // clears the combination and leaves the plot.
    dlg->JointListChange(dlg, 0, 0);
    EXPECT_EQ(dlg->Joint, 1);
    dlg->JointListChange(dlg, 0, -1);
    EXPECT_EQ(dlg->Joint, 0);
    dlg->CombinationListChange(dlg, 0, -1);
    EXPECT_EQ(dlg->Load, -1);
    EXPECT_EQ(dlg->Plotted.GlobalValues.Joint, 0);
    delete dlg;
    TestProcess();
}

// The chart's drawing list as "kind colour width x y" lines; the resultant arrow's points,
// which depend on the chart's pixels, as "arrow" lines.
std::vector<std::string> DrawingList(TDIzure* chart, Integer firstArrowItem, Integer arrowItems)
{
    std::vector<std::string> lines;
    for (Integer i = 0; i < chart->NumItems(); ++i) {
        const TrcChartItem item = chart->GetChartItem(i);
        if (i >= firstArrowItem && i < firstArrowItem + arrowItems) {
            lines.push_back("arrow");
            continue;
        }
        const char* kind = item.ItemKind == tkMoveTo ? "move" : item.ItemKind == tkLineto ? "line" : item.ItemKind == tkMarkAt ? "mark" : "other";
        lines.push_back(Format("%s %.6x %d %.6f %.6f", {String(kind), static_cast<Integer>(item.Color),
                                                        item.ItemKind == tkMarkAt ? item.Param3 : item.LWid, item.x, item.y})
                            .ToUtf8());
    }
    return lines;
}

std::string Item(const char* kind, TColor color, Integer width, double x, double y)
{
    return Format("%s %.6x %d %.6f %.6f", {String(kind), static_cast<Integer>(color), width, x, y}).ToUtf8();
}

// The plot of a cracked and of an uncracked joint, item by item: the joint line, the normal
// stresses over the compressed part, the factored uplift downwards, the shear curve of the
// uncracked joint, the resultant arrow ending at its point, the cracks and the third points.
TEST(JointPlotWindow, DrawsEveryItemOfThePlotInItsColourAndWidth)
{
    const TParametres model = Analysed(ReadTestModel("triangle.dam"));
    for (const int j : {0, 2}) {
        TGraphicsDlg* dlg = CreateForm<TGraphicsDlg>(Application);
        dlg->SetModel(model);
        dlg->Show();
        dlg->CombinationListChange(dlg, 0, 0);
        dlg->JointListChange(dlg, 0, j == 0 ? 2 : 1);
        const int k = 1;
        const TJoint& joint = model.Joint;
        const double L = joint.Length[j], f = model.LoadCombination.U[k];
        const double up = joint.CrackLength.Up[k][j], down = joint.CrackLength.Down[k][j];
        const double xu = joint.Compression.Up[k][j] * L, xd = (1 + joint.Compression.Down[k][j]) * L;
        std::vector<std::string> expected = {
            Item("move", 0xC0C0C0, 3, 0, 0), Item("line", 0xC0C0C0, 3, L, 0),
            Item("move", clBlack, 2, xu, 0), Item("line", clBlack, 2, xu, joint.Stress.normal.Up[k][j]),
            Item("line", clBlack, 2, xd, joint.Stress.normal.Down[k][j]), Item("line", clBlack, 2, xd, 0)};
        ASSERT_NE(model.JointLoad.U[k][j], 0);
        for (int p = 1; p <= 8; ++p)
            expected.push_back(Item(p == 1 ? "move" : "line", 0xFF0000, 2, joint.Pressure.x[p][k][j], -joint.Pressure.p[p][k][j] * f));
        expected.push_back(Item("line", 0xFF0000, 2, L, 0));
        const bool uncracked = up == 0 && down == 0;
        EXPECT_EQ(uncracked, j == 2);
        if (uncracked) {
            TParametres copy = model;
            TShearDistribution tau;
            ComputeShearDistribution(copy, k, j, tau);
            expected.push_back(Item("move", 0x008000, 2, L, 0));
            for (int p = 0; p <= 10; ++p) {
                const double t = p * L / 10;
                expected.push_back(Item("line", 0x008000, 2, L - t, tau.A0 + tau.A1 * t + tau.A2 * t * t));
            }
            expected.push_back(Item("line", 0x008000, 2, 0, 0));
        }
        const Integer arrowStart = static_cast<Integer>(expected.size());
        for (int i = 0; i < 5; ++i) expected.push_back("arrow");
        if (up > 0) {
            expected.push_back(Item("move", 0x0000FF, 3, 0, 0));
            expected.push_back(Item("line", 0x0000FF, 3, up * L, 0));
        }
        expected.push_back(Item("mark", clBlack, 6, L / 3, 0));
        expected.push_back(Item("mark", clBlack, 6, 2 * L / 3, 0));
        EXPECT_EQ(DrawingList(dlg->DIzure, arrowStart, 5), expected) << "joint " << j;

        // The arrow: from its tail to the resultant's point on the joint, then its head.
        const double x0 = joint.Resultants.Position[k][j] / 100 * L;
        const TrcChartItem tail = dlg->DIzure->GetChartItem(arrowStart), tip = dlg->DIzure->GetChartItem(arrowStart + 1);
        EXPECT_EQ(tail.ItemKind, tkMoveTo);
        EXPECT_EQ(tip.ItemKind, tkLineto);
        EXPECT_DOUBLE_EQ(tip.x, x0);
        EXPECT_EQ(tip.y, 0);
        // A compressive resultant (N < 0) comes from above the joint, leaning downstream
        // with a positive shear.
        ASSERT_LT(joint.Resultants.Normal[k][j], 0);
        EXPECT_GT(tail.y, 0);
        EXPECT_LT(tail.x, x0);
        const TrcChartItem last = dlg->DIzure->GetChartItem(arrowStart + 4);
        EXPECT_DOUBLE_EQ(last.x, x0);
        EXPECT_EQ(last.y, 0);
        // Crosshairs hidden; the uplift scale as wide as the chart's left margin.
        for (Integer n = 1; n <= 4; ++n) EXPECT_EQ(dlg->DIzure->CrossHair(n).Mode(), chOff) << n;
        EXPECT_EQ(dlg->PanelScale2->Width(), dlg->DIzure->MarginLeft());
        // The scale labels the lower half of the vertical axis only, as the pressures of the
        // downward uplift diagram: its blue ticks and figures start just above the zero line.
        TBitmap& scale = dlg->UpliftScale->Picture().Bitmap();
        Integer px = 0, zero = 0;
        dlg->DIzure->R2M(1, 0, 0, px, zero);
        Integer firstBlue = -1, lastBlue = -1;
        for (Integer y = 0; y < scale.Height(); ++y)
            for (Integer x = 0; x < scale.Width(); ++x)
                if (scale.Canvas().Pixel(x, y) == clBlue) {
                    if (firstBlue < 0) firstBlue = y;
                    lastBlue = y;
                }
        EXPECT_GE(firstBlue, zero - std::abs(dlg->DIzure->Font().Height()));
        EXPECT_LT(firstBlue, zero);
        EXPECT_GT(lastBlue, (zero + scale.Height()) / 2);
        delete dlg;
        TestProcess();
    }
}

// A zoom sets the decimal places from the new ranges; "Full view" plots the computed ranges
// again; "Copy" puts the chart on the clipboard as a picture.
TEST(JointPlotWindow, ZoomFullViewAndCopy)
{
    TGraphicsDlg* dlg = CreateForm<TGraphicsDlg>(Application);
    dlg->SetModel(Analysed(ReadTestModel("triangle.dam")));
    dlg->Show();
    dlg->CombinationListChange(dlg, 0, 0);
    dlg->JointListChange(dlg, 0, 1);
    TScaleProps& y = dlg->DIzure->Scale1Y();
    const double high = y.RangeHigh();
    EXPECT_EQ(y.DecPlaces(), 1);
    y.SetRangeLow(-0.02);
    y.SetRangeHigh(0.03);
    dlg->DIzureZoomPan(dlg);
    EXPECT_EQ(y.DecPlaces(), 3);   // a width of 0.05
    dlg->BitBtn2Click(dlg);
    TestProcess();
    TBitmap picture;   // the uncracked joint with its shear curve
    TestScreenshot(dlg, "joint-plots-uncracked", picture);
    EXPECT_EQ(y.RangeLow(), -high);
    EXPECT_EQ(y.RangeHigh(), high);
    EXPECT_EQ(y.DecPlaces(), 1);
    Clipboard().Clear();
    dlg->BitBtn3Click(dlg);
    EXPECT_TRUE(Clipboard().HasFormat(CF_BITMAP));
    delete dlg;
    TestProcess();
}

TEST(JointPlotWindow, MouseModesAndPositionFigures)
{
    TGraphicsDlg* dlg = CreateForm<TGraphicsDlg>(Application);
    dlg->SetModel(Analysed(ReadTestModel("triangle.dam")));
    dlg->SpeedButton3Click(dlg);
    EXPECT_EQ(dlg->DIzure->MouseAction(), maPan);
    dlg->SpeedButton4Click(dlg);
    EXPECT_EQ(dlg->DIzure->MouseAction(), maZoomWindPos);
    dlg->SpeedButton1Click(dlg);
    EXPECT_EQ(dlg->DIzure->MouseAction(), maNone);
    dlg->DIzureMouseMoveInChart(dlg, true, {}, 3.14159, -123.46);
    EXPECT_EQ(dlg->StressValue->Caption(), "  -123.5");
    EXPECT_EQ(dlg->PositionValue->Caption(), "   3.142");
    delete dlg;
    TestProcess();
}

// The plot of the cracked base joint, then its report from the "Values" button.
TEST(JointPlotWindow, ValuesButtonOpensTheReportOfThePlot)
{
    TGraphicsDlg* dlg = CreateForm<TGraphicsDlg>(Application);
    dlg->SetModel(Analysed(ReadTestModel("triangle.dam")));
    std::vector<std::string> report;
    bool editing = false;
    TestAnswerNextModal([&](TCustomForm*) {
        // A click on "Usual" and on "base" in the lists.
        ClickListEntry(dlg->CombinationList, 0, 0);
        EXPECT_EQ(dlg->Load, 1);
        EXPECT_FALSE(dlg->valuesbutton->Enabled());
        ClickListEntry(dlg->JointList, 0, 2);
        EXPECT_EQ(dlg->Joint, 0);
        ASSERT_TRUE(dlg->valuesbutton->Enabled());
        TestProcess();
        TBitmap picture;
        TestScreenshot(dlg, "joint-plots", picture);
        TestAnswerNextModal([&](TCustomForm* form) {
            auto* memo = dynamic_cast<TGraphicValue*>(form);
            ASSERT_NE(memo, nullptr);
            for (Integer i = 0; i < memo->Memo1->Lines().Count(); ++i) report.push_back(memo->Memo1->Lines()[i].ToUtf8());
            TBitmap shot;
            TestScreenshot(memo, "joint-report", shot);
            // The Edit commands follow the memo's selection once it has the focus.
            memo->Memo1->SetFocus();
            memo->Memo1->SetSelStart(0);
            memo->Memo1->SetSelLength(4);
            bool done = true;
            memo->UpdateEditCommands(memo, done);
            EXPECT_EQ(memo->ceCurrent, memo->Memo1);
            EXPECT_TRUE(memo->Copy1->Enabled());
            EXPECT_TRUE(memo->Cut1->Enabled());
            memo->Memo1->SetSelLength(0);
            memo->UpdateEditCommands(memo, done);
            EXPECT_FALSE(memo->Copy1->Enabled());
            editing = true;
            memo->Close1Click(memo);
        });
        TestClick(dlg->valuesbutton, 4, 4);
        EXPECT_FALSE(Application->OnIdle.Assigned());
        TestClick(dlg->BitBtn1, 4, 4);
    });
    EXPECT_EQ(dlg->ShowModal(), mrOk);
    EXPECT_TRUE(editing);
    std::vector<std::string> expected;
    for (const String& line : JointReportLines(dlg->Plotted, FormatSettings)) expected.push_back(line.ToUtf8());
    EXPECT_EQ(report, expected);
    ASSERT_GE(report.size(), 2u);
    EXPECT_EQ(report[0], "Load combination = usual");
    EXPECT_EQ(report[1], "Joint number = Base");
    delete dlg;
    TestProcess();
}

}  // namespace
