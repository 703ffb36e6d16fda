// The summary tables: cell texts, joint order, the rules of the shown values, the seismic
// blocks and the parametric summaries, on small models whose results are set by hand.
#include "analysis/ResultTables.h"

#include <gtest/gtest.h>

#include "analysis/Statistic.h"

namespace {

const TFormatSettings English = TFormatSettings::English();

// Two lift joints at 105 and 112 above the base at 100; results of case k set per test.
TParametres ThreeJoints()
{
    TParametres m;
    m.NJoints = 2;
    SizeJointArrays(m.Joint, m.JointLoad, m.NJoints);
    const double elevations[3] = {100, 105, 112};
    for (int j = 0; j <= 2; ++j) m.Joint.y1[j] = elevations[j];
    return m;
}

TEST(CombinationTable, JointsInDisplayOrderWithTheBaseLast)
{
    TParametres m = ThreeJoints();
    const TResultTable t = CombinationTable(m, 1, English);
    EXPECT_EQ(t.Caption, "Summary of usual combination");
    EXPECT_EQ(t.ColCount, 12);
    EXPECT_EQ(t.RowCount, 6);
    EXPECT_EQ(t.Cell(0, 3), "    105.000");
    EXPECT_EQ(t.Cell(0, 4), "    112.000");
    EXPECT_EQ(t.Cell(0, 5), "    Base");
}

TEST(CombinationTable, TitleRowsInSIAndUSUnits)
{
    TParametres m = ThreeJoints();
    const std::vector<std::vector<std::string>> si = {
        {"   Joint", " Elevation", "    (m)"},
        {"  U/S Crack", "   length", "    (%)"},
        {"  D/S Crack", "   Length", "    (%)"},
        {" Sliding SF", "    peak", ""},
        {" Sliding SF", "  residual", ""},
        {"    Normal", "    force", "    (kN)"},
        {"    Shear", "    force", "    (kN)"},
        {"    Moment", "center of ligament", "   (kN\u00B7m)"},
        {"    Normal stress", " upstream of ligament", "    (kPa)"},
        {"    Normal stress", "downstream of ligament", "    (kPa)"},
        {"    Shear stress", " upstream of ligament", "    (kPa)"},
        {"    Shear stress", "downstream of ligament", "    (kPa)"}};
    TResultTable t = CombinationTable(m, 7, English);
    EXPECT_EQ(t.Caption, "Summary of post-seismic combination");
    for (size_t col = 0; col < si.size(); ++col)
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(t.Cell(col, row).ToUtf8(), si[col][row]) << col << "," << row;
    m.unites = US;
    t = CombinationTable(m, 7, English);
    EXPECT_EQ(t.Cell(0, 2), "    (ft)");
    EXPECT_EQ(t.Cell(5, 2), "    (kip)");
    EXPECT_EQ(t.Cell(7, 2).ToUtf8(), "   (kip\u00B7ft)");
    EXPECT_EQ(t.Cell(8, 2), "    (ksf)");
}

TEST(CombinationTable, CracksSafetyFactorsAndShearStressesByTheirRules)
{
    TParametres m = ThreeJoints();
    const int k = 3;
    TJoint& joint = m.Joint;
    // Joint 1 uncracked; joint 2 cracked downstream only; the base cracked upstream only.
    joint.CrackLength.Down[k][2] = -0.25;
    joint.CrackLength.Up[k][0] = 0.125;
    joint.SafetyFactor.Sliding.Peak[k][1] = 100;
    joint.SafetyFactor.Sliding.Peak[k][2] = 99.99;
    joint.SafetyFactor.Sliding.Residual[k][1] = 1e10;
    joint.SafetyFactor.Sliding.Residual[k][2] = 1.5;
    joint.Stress.shear.Up[k][1] = 12.3456;
    joint.Stress.shear.Down[k][1] = -7;
    joint.Stress.shear.Up[k][2] = 5;
    joint.Resultants.Moment[k][0] = -1234.5678;
    const TResultTable t = CombinationTable(m, k, English);
    EXPECT_EQ(t.Caption, "Summary of seismic #1 combination - stress analysis");
    struct Case {
        int col, row;
        const char* text;
    } cases[] = {
        {1, 3, ""}, {2, 3, ""}, {3, 3, "    > 100"}, {4, 3, "    > 100"}, {10, 3, "     12.346"}, {11, 3, "     -7.000"},
        {1, 4, ""}, {2, 4, "   25.0000"}, {3, 4, "   99.9900"}, {4, 4, "    1.5000"}, {10, 4, "   N/A"}, {11, 4, "   N/A"},
        {1, 5, "   12.5000"}, {2, 5, ""}, {7, 5, "  -1234.568"}, {10, 5, "   N/A"}, {11, 5, "   N/A"},
    };
    for (const Case& c : cases) EXPECT_EQ(t.Cell(c.col, c.row), c.text) << c.col << "," << c.row;
}

TEST(CombinationTable, FrenchSeparator)
{
    TParametres m = ThreeJoints();
    m.Joint.Resultants.Normal[2][1] = -1081.5902;
    const TResultTable t = CombinationTable(m, 2, TFormatSettings::French());
    EXPECT_EQ(t.Cell(0, 3), "    105,000");
    EXPECT_EQ(t.Cell(5, 3), "  -1081,590");
}

TEST(CombinationTable, ModelWithoutLiftJointsHasTheBaseRowOnly)
{
    TParametres m;
    SizeJointArrays(m.Joint, m.JointLoad, 0);
    const TResultTable t = CombinationTable(m, 1, English);
    EXPECT_EQ(t.RowCount, 4);
    EXPECT_EQ(t.Cell(0, 3), "    Base");
}

TEST(LoadTable, StaticLoadTablesWithTheirTitlesAndFormats)
{
    TParametres m = ThreeJoints();
    m.JointLoad.Mv[1] = -196.2;
    m.JointLoad.xMv[1] = 5;
    m.JointLoad.Sv[0] = 12.345;
    m.JointLoad.xSv[0] = 3.14159;
    m.JointLoad.Ph[2] = 1.5;
    TResultTable t = LoadTable(m, 2, English);
    EXPECT_EQ(t.Caption, "Summary of Concentrated masses");
    EXPECT_EQ(t.ColCount, 3);
    EXPECT_EQ(t.Cell(1, 0), " Mass weight ");
    EXPECT_EQ(t.Cell(2, 1), " position x");
    EXPECT_EQ(t.Cell(0, 3), "    105.000");   // "%11.3f" in the first two tables
    EXPECT_EQ(t.Cell(0, 5), "      Base");
    EXPECT_EQ(t.Cell(1, 3), "    -196.20");
    EXPECT_EQ(t.Cell(2, 3), "      5.000");

    t = LoadTable(m, 6, English);
    EXPECT_EQ(t.ColCount, 5);
    EXPECT_EQ(t.Cell(0, 3), "    105.000");   // "  %9.3f" in the others
    EXPECT_EQ(t.Cell(4, 5), "       3.14");   // the silt's position in "%11.2f"

    t = LoadTable(m, 9, English);
    EXPECT_EQ(t.ColCount, 6);
    EXPECT_EQ(t.Cell(3, 0), "D/S Post-tension (h)");
    EXPECT_EQ(t.Cell(3, 4), "      1.500");
    EXPECT_EQ(LoadTable(m, 1, English).Cell(2, 1), "  position x");
    EXPECT_EQ(LoadTable(m, 10, English).Caption, "Applied forces");
    EXPECT_EQ(LoadTable(m, 15, English).Caption, "Summary of FLoating Debris");
    EXPECT_EQ(LoadTable(m, 4, English).ColCount, 9);
}

// The two tables the sample dam has no entry for: applied forces and floating debris.
TEST(LoadTable, AppliedForcesAndFloatingDebrisTables)
{
    TParametres m = ThreeJoints();
    m.unites = US;
    m.JointLoad.FH[1] = 12.346;
    m.JointLoad.yFH[1] = 110.5;
    m.JointLoad.FV[0] = -7.5;
    m.JointLoad.xFV[0] = 2.25;
    m.JointLoad.FD[2] = 40;
    m.JointLoad.yFD[2] = 118.125;
    struct Table {
        int n;
        const char* caption;
        std::vector<std::vector<std::string>> columns;   // rows 0 to 5 of each column
    } tables[] = {
        {10,
         "Applied forces",
         {{"   Joint", " Elevation", "    (ft)", "    105.000", "    112.000", "      Base"},
          {"  Force (h)", "     Fh", "    (kip)", "      12.35", "       0.00", "       0.00"},
          {"  Apply at", "  elevation", "    (ft)", "    110.500", "      0.000", "      0.000"},
          {"  Force (v)", "     Fv", "    (kip)", "       0.00", "       0.00", "      -7.50"},
          {"  Apply at", " position x", "    (ft)", "      0.000", "      0.000", "      2.250"}}},
        {15,
         "Summary of FLoating Debris",
         {{"   Joint", " Elevation", "    (ft)", "    105.000", "    112.000", "      Base"},
          {"   Debris", "     Fd", "    (kip)", "       0.00", "      40.00", "       0.00"},
          {"  Apply at", "  elevation", "    (ft)", "      0.000", "    118.125", "      0.000"}}},
    };
    for (const Table& table : tables) {
        const TResultTable t = LoadTable(m, table.n, English);
        EXPECT_EQ(t.Caption, table.caption);
        EXPECT_EQ(t.ColCount, static_cast<Integer>(table.columns.size()));
        EXPECT_EQ(t.RowCount, 6);
        for (size_t col = 0; col < table.columns.size(); ++col)
            for (size_t row = 0; row < table.columns[col].size(); ++row)
                EXPECT_EQ(t.Cell(col, row).ToUtf8(), table.columns[col][row]) << table.n << ": " << col << "," << row;
    }
}

TEST(LoadTable, SeismicBlocksFollowTheInputs)
{
    TParametres m = ThreeJoints();
    m.Dim.Elev.Fdown = 100;
    m.Reservoir.NormalDn = 100;   // downstream water at the foundation: no block of its own
    struct Case {
        std::vector<Tdata> flags;
        double normalDn;
        int pseudoStatic, pseudoDynamic;
    } cases[] = {
        {{}, 100, 5, 13},
        {{daMasses}, 100, 9, 19},
        {{daResNormal}, 100, 9, 19},
        {{daResNormal}, 101, 13, 23},
        {{daSediments}, 101, 9, 17},
        {{daMasses, daResNormal, daSediments}, 101, 21, 33},
    };
    for (const Case& c : cases) {
        m.Donnees = TDataSet();
        for (Tdata f : c.flags) m.Donnees.Include(f);
        m.Reservoir.NormalDn = c.normalDn;
        EXPECT_EQ(LoadTable(m, 11, English).ColCount, c.pseudoStatic) << c.flags.size() << " " << c.normalDn;
        EXPECT_EQ(LoadTable(m, 12, English).ColCount, c.pseudoStatic);
        EXPECT_EQ(LoadTable(m, 13, English).ColCount, c.pseudoDynamic);
        EXPECT_EQ(LoadTable(m, 14, English).ColCount, c.pseudoDynamic);
    }
}

TEST(LoadTable, StabilityTablesMarkTheForcesAndShowTheSustainedLoads)
{
    TParametres m = ThreeJoints();
    m.Donnees.Include(daMasses);
    m.JointLoad.Qh[1] = 10;
    m.JointLoad.Qhp[1] = 4;
    m.JointLoad.Mqhs[1] = 3;
    m.JointLoad.Mqhsp[1] = 2;
    const TResultTable stress = LoadTable(m, 11, English), stability = LoadTable(m, 12, English);
    EXPECT_EQ(stress.Cell(1, 1), "     Qh");
    EXPECT_EQ(stability.Cell(1, 1), "     Qh'");
    EXPECT_EQ(stability.Cell(2, 1), "  elevation");
    EXPECT_EQ(stability.Cell(4, 1), " position x");
    EXPECT_EQ(stress.Cell(1, 3), "      10.00");
    EXPECT_EQ(stability.Cell(1, 3), "       4.00");
    EXPECT_EQ(stability.Cell(5, 0), "Mass inertia (h)");
    const TResultTable dynamic = LoadTable(m, 13, English), dynamicStability = LoadTable(m, 14, English);
    EXPECT_EQ(dynamic.Cell(9, 0), "Mass higher modes");
    EXPECT_EQ(dynamic.Cell(9, 1), "     Mqs");
    EXPECT_EQ(dynamicStability.Cell(9, 1), "     Mqs'");
    EXPECT_EQ(dynamic.Cell(9, 3), "       3.00");
    EXPECT_EQ(dynamicStability.Cell(9, 3), "       2.00");
    EXPECT_EQ(dynamic.Caption, "Pseudo-dynamic - stress analysis");
}

TEST(LoadTable, MonteCarloSummary)
{
    TParametres m = ThreeJoints();
    m.Statistiques.Resultats[1] = true;
    m.Statistiques.Resultats[9] = true;
    const int crack = StatIndex(StatResults, 1), stress = StatIndex(StatResults, 9);
    m.StatResult.moyenne[crack] = 0.5;
    m.StatResult.deviation[crack] = 0.25;
    m.StatResult.maximum[crack] = 1;
    m.StatResult.performance[crack] = 0.125;
    m.StatResult.moyenne[stress] = -150;
    const TResultTable t = LoadTable(m, 16, English);
    EXPECT_EQ(t.Caption, "Summary of Monte-Carlo");
    EXPECT_EQ(t.ColCount, 7);
    EXPECT_EQ(t.RowCount, 14);
    EXPECT_EQ(t.Cell(0, 0), "     Output");
    EXPECT_EQ(t.Cell(0, 1), "   Parameters");
    EXPECT_EQ(t.Cell(0, 2), "");
    EXPECT_EQ(t.Cell(6, 1), "1-Reliability index");
    EXPECT_EQ(t.Cell(0, 3), "U/S crack (%)");
    EXPECT_EQ(t.Cell(1, 3), "5.000000E-001");
    EXPECT_EQ(t.Cell(2, 3), "2.500000E-001");
    EXPECT_EQ(t.Cell(3, 3), "0.000000E+000");
    EXPECT_EQ(t.Cell(4, 3), "1.000000E+000");
    EXPECT_EQ(t.Cell(5, 3), "8.750000E-001");
    EXPECT_EQ(t.Cell(6, 3), "1.250000E-001");
    EXPECT_EQ(t.Cell(1, 4), "     -");   // not selected
    EXPECT_EQ(t.Cell(6, 4), "     -");
    EXPECT_EQ(t.Cell(1, 11), "-1.500000E+002");
    EXPECT_EQ(t.Cell(5, 11), "     -");   // a stress has no failure probability
    EXPECT_EQ(t.Cell(0, 13), "Final uplift");
    EXPECT_EQ(LoadTable(m, 16, TFormatSettings::French()).Cell(1, 3), "5,000000E-001");
}

TEST(LoadTable, IncrementalSummaryPicksTwentyOneSteps)
{
    TParametres m = ThreeJoints();
    TIncrementLoad& il = m.IncrementLoad;
    il.Loading = 4;
    il.StartValue[4] = 100;
    il.IncrementValue[4] = 10;
    il.Resultats[3] = true;
    DynArray<double> steps;
    steps.SetLength(41);
    for (int s = 0; s <= 40; ++s) steps[s] = s / 10.0;
    m.IncrementalResult.histogramme[3] = steps;
    struct Case {
        int analysisSteps;
        std::vector<int> shown;   // the step of each of the 21 rows
    } cases[] = {
        {10, {1, 1, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6, 6, 6, 7, 8, 8, 8, 9, 10, 10}},
        {40, {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40}},
    };
    for (const Case& c : cases) {
        il.AnalysisSteps = c.analysisSteps;
        const TResultTable t = LoadTable(m, 17, English);
        EXPECT_EQ(t.ColCount, 11);
        EXPECT_EQ(t.RowCount, 24);
        for (int r = 0; r <= 20; ++r) {
            const int s = c.shown[r];
            EXPECT_EQ(t.Cell(0, 3 + r), Format("%10.3f", {100.0 + (s - 1) * 10}, English)) << r;
            EXPECT_EQ(t.Cell(3, 3 + r), Format("%10.3f", {s / 10.0}, English)) << r;
            EXPECT_EQ(t.Cell(1, 3 + r), "") << r;
        }
    }
    const TResultTable t = LoadTable(m, 17, English);
    EXPECT_EQ(t.Cell(0, 0), "    Applied");
    EXPECT_EQ(t.Cell(0, 2), "       (Kn)");
    EXPECT_EQ(t.Cell(1, 0), "U/S crack (%)");
    EXPECT_EQ(t.Cell(10, 0), "Resultant (%)");
    m.unites = US;
    EXPECT_EQ(LoadTable(m, 17, English).Cell(0, 2), "      (kip)");
}

TEST(LoadTable, StepsNotReachedShowNothing)
{
    TParametres m = ThreeJoints();
    m.IncrementLoad.Loading = 1;
    m.IncrementLoad.Resultats[1] = true;
    m.IncrementLoad.AnalysisSteps = 40;   // requested, never run
    const TResultTable t = LoadTable(m, 17, English);
    EXPECT_EQ(t.Cell(1, 3), "");
    EXPECT_EQ(t.Cell(1, 23), "");
}

TEST(ResultTableOfEntry, FindsTheTableByTheExactCaption)
{
    TParametres m = ThreeJoints();
    TResultTable t;
    ASSERT_TRUE(ResultTableOfEntry(m, "Seismic #2 - stability analysis", English, t));
    EXPECT_EQ(t.Caption, "Summary of seismic #2 combination - stability analysis");
    ASSERT_TRUE(ResultTableOfEntry(m, "Uplift - flood level", English, t));
    EXPECT_EQ(t.Caption, "Summary of Uplift pressures - flood level");
    ASSERT_TRUE(ResultTableOfEntry(m, "Incremental Load Analysis", English, t));
    EXPECT_EQ(t.Caption, "Summary of Incremental Load Analyses");
    EXPECT_FALSE(ResultTableOfEntry(m, "usual", English, t));
    EXPECT_FALSE(ResultTableOfEntry(m, "Loads:", English, t));
}

}  // namespace
