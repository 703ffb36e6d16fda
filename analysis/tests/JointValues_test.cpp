// The plotted values of a joint, the vertical range and the joint text report.
#include "analysis/JointValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/AnalysisRun.h"
#include "analysis/tests/AnalysisTestModel.h"

namespace {

const TFormatSettings English = TFormatSettings::English();

TEST(SymmetricRangeHigh, LeadingDigitRoundedUp)
{
    struct Case {
        double m, high;
    } cases[] = {{347, 400}, {250, 300}, {120, 200}, {0.05, 0.1}, {0.3, 1}, {1000, 2000}, {7.2, 8}};
    for (const Case& c : cases) EXPECT_NEAR(SymmetricRangeHigh(c.m), c.high, c.high * 1e-12) << c.m;
}

TEST(SymmetricRangeHigh, NoValueGivesOne)
{
    EXPECT_EQ(SymmetricRangeHigh(0), 1);
    EXPECT_EQ(SymmetricRangeHigh(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(SymmetricRangeHigh(std::numeric_limits<double>::infinity()), 1);
}

TEST(AxisDecimalPlaces, OneMorePerPowerOfTenBelowOne)
{
    struct Case {
        double width;
        Integer places;
    } cases[] = {{0, 1}, {1, 1}, {800, 1}, {0.5, 2}, {0.05, 3}, {0.004, 4}};
    for (const Case& c : cases) EXPECT_EQ(AxisDecimalPlaces(-c.width / 2, c.width / 2), c.places) << c.width;
}

// A 10 m joint, case 1: stresses 20 (tension) upstream and -300 downstream, a shear of 150
// and the uplift profile given per test.
TParametres OneJoint()
{
    TParametres m;
    SizeJointArrays(m.Joint, m.JointLoad, 0);
    m.Joint.Length[0] = 10;
    m.Joint.x2[0] = 10;
    m.Joint.Stress.normal.Up[1][0] = 20;
    m.Joint.Stress.normal.Down[1][0] = -300;
    m.Joint.Resultants.Normal[1][0] = -1400;
    m.LoadCombination.U[1] = 1;
    return m;
}

TEST(JointPlotValues, UpliftPointsKeptOnceAndWithoutTheOrigin)
{
    TParametres m = OneJoint();
    m.JointLoad.U[1][0] = 500;
    m.Joint.CrackLength.Up[1][0] = 0.2;   // cracked: no shear curve
    m.Joint.Compression.Up[1][0] = 0.2;
    const double x[8] = {0, 2, 2, 0, 6, 10, 10, 0}, p[8] = {100, 100, 100, 0, 40, 0, 0, 0};
    for (int i = 1; i <= 8; ++i) {
        m.Joint.Pressure.x[i][1][0] = x[i - 1];
        m.Joint.Pressure.p[i][1][0] = p[i - 1];
    }
    const TJointPlotValues v = JointPlotValues(m, 1, 0);
    EXPECT_TRUE(v.Uplift);
    ASSERT_EQ(v.NUplifts, 4);
    const double keptX[4] = {0, 2, 6, 10}, keptP[4] = {100, 100, 40, 0};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(v.Values[2][i], keptX[i]) << i;
        EXPECT_EQ(v.Values[3][i], keptP[i]) << i;
    }
    EXPECT_EQ(v.Values[0][0], 2);
    EXPECT_EQ(v.Values[0][1], 10);
    EXPECT_FALSE(v.ShearCurve);
    EXPECT_EQ(v.RangeHigh, 400);
}

TEST(JointPlotValues, CombinationWithoutUpliftFactorDrawsNoUplift)
{
    TParametres m = OneJoint();
    m.JointLoad.U[1][0] = 500;
    m.Joint.Pressure.p[1][1][0] = 1000;
    m.LoadCombination.U[1] = 0;
    const TJointPlotValues v = JointPlotValues(m, 1, 0);
    EXPECT_FALSE(v.Uplift);
    EXPECT_EQ(v.NUplifts, 0);
    EXPECT_EQ(v.GlobalValues.U, 0);
    EXPECT_EQ(v.RangeHigh, 400);   // the pressure of 1000 is not plotted
}

TEST(JointPlotValues, AllZeroValuesGiveTheUnitRange)
{
    TParametres m;
    SizeJointArrays(m.Joint, m.JointLoad, 0);
    m.Joint.Length[0] = 10;
    const TJointPlotValues v = JointPlotValues(m, 1, 0);
    EXPECT_EQ(v.RangeHigh, 1);
    EXPECT_FALSE(v.Uplift);
    EXPECT_FALSE(v.ShearCurve);
}

// On an analysed triangular dam: the shear curve of an uncracked joint runs from the
// upstream face shear to the downstream face shear and carries the shear force.
TEST(JointPlotValues, ShearCurveOfAnUncrackedJointCarriesTheShearForce)
{
    TParametres m = AnalysisModel();
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    const int k = 1, j = 2;
    ASSERT_EQ(m.Joint.CrackLength.Up[k][j], 0);
    ASSERT_EQ(m.Joint.CrackLength.Down[k][j], 0);
    const TJointPlotValues v = JointPlotValues(m, k, j);
    ASSERT_TRUE(v.ShearCurve);
    const double L = m.Joint.Length[j];
    EXPECT_DOUBLE_EQ(v.Values[4][0], 0);
    EXPECT_DOUBLE_EQ(v.Values[4][10], L);
    EXPECT_NEAR(v.Values[5][0], m.Joint.Stress.shear.Up[k][j], 1e-9);
    EXPECT_NEAR(v.Values[5][10], m.Joint.Stress.shear.Down[k][j], 1e-9);
    // Simpson's rule is exact for a parabola.
    double integral = 0;
    for (int i = 0; i <= 10; ++i) integral += (i == 0 || i == 10 ? 1 : i % 2 ? 4 : 2) * v.Values[5][i];
    integral *= L / 10 / 3;
    EXPECT_NEAR(std::fabs(integral), std::fabs(m.Joint.Resultants.Shear[k][j]), 1e-6);
    EXPECT_EQ(v.GlobalValues.Joint, j);
    EXPECT_EQ(v.GlobalValues.N, m.Joint.Resultants.Normal[k][j]);
}

TEST(JointReportLines, WholeReportOfACrackedJoint)
{
    TJointPlotValues v;
    TGlobalValues& g = v.GlobalValues;
    g.Load = 4;
    g.Joint = 12;
    g.crackup = 17.5;
    g.crackdown = 0;
    g.N = -1081.59022;
    g.V = 1103.625;
    g.U = 1037.36978;
    g.M = 2111.44964;
    g.ResPos = 75.01596;
    g.PSSF = 99.5;
    g.RSSF = 0.686227;
    g.OSFup = 100;
    g.OSFdown = 1e10;
    g.USF = 2.042627;
    v.Values[0][0] = 2.1;
    v.Values[0][1] = 12;
    v.Values[1][0] = 20;
    v.Values[1][1] = -238.49173;
    v.NUplifts = 2;
    v.Values[2][0] = 0;
    v.Values[3][0] = 147.15;
    v.Values[2][1] = 12;
    v.Values[3][1] = 0;
    const std::vector<std::string> expected = {
        "Load combination = seismic #1 - stability analysis",
        "Joint number = 12",
        "",
        "******    C R A C K   L E N G T H S    ******",
        "Upstream crack   =    17.500000%",
        "Downstream crack =     0.000000%",
        "",
        "******  N O R M A L   S T R E S S E S  ******",
        "    Position         Stress",
        "    2.100000      20.000000",
        "   12.000000    -238.491730",
        "",
        "****** U P L I F T   P R E S S U R E S ******",
        "    Position       Pressure",
        "    0.000000     147.150000",
        "   12.000000       0.000000",
        "",
        "****** G L O B A L   F O R C E S   &   M O M E N T S ******",
        "Normal force =           -1081.59022",
        "Shear force =             1103.62500",
        "Uplift force =            1037.36978",
        "Moments =                 2111.44964",
        "Resultant position. =       75.01596% from U/S",
        "",
        "******    S A F E T Y   F A C T O R S    ******",
        "Peak sliding safety factor =                   99.500000",
        "Residual sliding safety factor =                0.686227",
        "Overturning safety factor toward upstream =   >100",
        "Overturning safety factor toward downstream = >100",
        "Uplifting safety factor =                       2.042627",
    };
    const std::vector<String> lines = JointReportLines(v, English);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].ToUtf8(), expected[i]) << i;
}

TEST(JointReportLines, BaseJointShearBlockAndNoUpliftLines)
{
    TJointPlotValues v;
    v.GlobalValues.Load = 1;
    v.GlobalValues.Joint = 0;
    v.ShearCurve = true;
    for (int i = 0; i <= 10; ++i) {
        v.Values[4][i] = i;
        v.Values[5][i] = 2.5 * i;
    }
    const std::vector<String> lines = JointReportLines(v, TFormatSettings::French());
    EXPECT_EQ(lines[0], "Load combination = usual");
    EXPECT_EQ(lines[1], "Joint number = Base");
    EXPECT_EQ(lines[13], "    Position       Pressure");
    EXPECT_EQ(lines[14], "");
    EXPECT_EQ(lines[15], "******   S H E A R   S T R E S S E S   ******");
    EXPECT_EQ(lines[16], "    Position         Stress");
    EXPECT_EQ(lines[17], "    0,000000       0,000000");
    EXPECT_EQ(lines[27], "   10,000000      25,000000");
    EXPECT_EQ(lines[28], "");
    EXPECT_EQ(lines.size(), 42u);
}

TEST(JointReportLines, NoCombinationLineForAnotherCase)
{
    TJointPlotValues v;
    v.GlobalValues.Load = 0;
    v.GlobalValues.Joint = 3;
    EXPECT_EQ(JointReportLines(v, English)[0], "Joint number = 3");
}

}  // namespace
