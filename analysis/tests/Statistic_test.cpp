#include "analysis/Statistic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <limits>
#include <memory>
#include <numbers>
#include <numeric>
#include <set>

#include "analysis/tests/StudyModel.h"
#include "analysis/tests/StudyTestSupport.h"
#include "numerics/VEZ_statis.h"
#include "numerics/VEZ_vector.h"
#include "platform/rtl/FileSys.h"

namespace {

std::unique_ptr<TVector> VectorOf(const std::vector<double>& values)
{
    auto v = std::make_unique<TVector>(nullptr);
    v->SetNrOfElem(static_cast<Integer>(values.size()));
    for (size_t i = 0; i < values.size(); ++i)
        v->SetVal(static_cast<Integer>(i + 1), values[i]);
    return v;
}

std::vector<double> Elements(const TVector& v)
{
    std::vector<double> values;
    for (int i = 1; i <= v.NrOfElem(); ++i)
        values.push_back(v.GetVal(i));
    return values;
}

// ---- Statistics of a sample -----------------------------------------------------------------

TEST(StatisticTest, MeanDeviationAndExtremes)
{
    const struct {
        std::vector<double> Values;
        double Mean, Deviation, Min, Max;
    } cases[] = {
        {{5}, 5, 0, 5, 5},                           // one value
        {{3, 3, 3}, 3, 0, 3, 3},                     // all equal
        {{4, 3, 2, 1}, 2.5, std::sqrt(1.25), 1, 4},  // decreasing: first is largest, last smallest
        {{-1, 1}, 0, 1, -1, 1},                      // divided by the count, not the count - 1
    };
    for (const auto& c : cases) {
        double mean, deviation, min, max;
        MoyenneEcartTypeMinMax(*VectorOf(c.Values), 1, static_cast<int>(c.Values.size()), mean, deviation, min, max);
        EXPECT_DOUBLE_EQ(mean, c.Mean);
        EXPECT_DOUBLE_EQ(deviation, c.Deviation);
        EXPECT_EQ(min, c.Min);
        EXPECT_EQ(max, c.Max);
    }
}

TEST(StatisticTest, StatisticsOfAnEmptyRangeAreZero)
{
    double mean = 7, deviation = 7, min = 7, max = 7;
    MoyenneEcartTypeMinMax(*VectorOf({1, 2}), 2, 1, mean, deviation, min, max);
    EXPECT_EQ(mean, 0);
    EXPECT_EQ(deviation, 0);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 0);
}

TEST(StatisticTest, HistogramClassesAndDensities)
{
    const struct {
        std::vector<double> Values;
        double Low, High;
        int N;
        std::vector<double> Densities;
    } cases[] = {
        // 0 is the lower bound (class 1); 1, 2, 3 open the classes 3, 4, 5; 4, the higher
        // bound, joins the last class.
        {{0, 1, 2, 3, 4}, 0, 4, 4, {0.2, 0, 0.2, 0.2, 0.4}},
        {{0.5, 4}, 0, 4, 4, {0, 0.5, 0, 0, 0.5}},
        // A value that is no number lies outside and is not counted.
        {{0, NAN, 4}, 0, 4, 2, {0.25, 0, 0.25}},
        // Equal or reversed bounds: all zero.
        {{3, 3}, 3, 3, 4, {0, 0, 0, 0, 0}},
        {{1, 2}, 2, 1, 2, {0, 0, 0}},
    };
    for (const auto& c : cases) {
        auto out = VectorOf(std::vector<double>(c.N + 1, 9.0));
        FaireHistogramme(*VectorOf(c.Values), 1, static_cast<int>(c.Values.size()), c.High, c.Low, c.N, *out);
        EXPECT_EQ(Elements(*out), c.Densities);
    }
}

TEST(StatisticTest, DensitiesTimesClassWidthAddUpToOne)
{
    auto sample = VectorOf({0.3, 1.7, 2.2, 2.9, 5.5, 6.1, 7.0, 7.0, 9.4, 10.0});
    auto out = VectorOf(std::vector<double>(51, 0.0));
    FaireHistogramme(*sample, 1, 10, 10.0, 0.3, 50, *out);
    const std::vector<double> densities = Elements(*out);
    EXPECT_NEAR(std::accumulate(densities.begin(), densities.end(), 0.0) * (10.0 - 0.3) / 50, 1.0, 1e-12);
}

TEST(StatisticTest, ProbabilityOfFailure)
{
    const struct {
        int Q;
        std::vector<double> Values;
        double Probability;
    } cases[] = {
        {1, {100, 50, 0, 100}, 0.5},       // cracked over the whole joint
        {2, {-100, 99.9999}, 0.5},         // the magnitude counts
        {3, {1, 0.999999, 2}, 1.0 / 3},    // below 1 fails, 1 does not
        {7, {0.5, 0.2}, 1},
        {8, {-5, 0.1}, 0},                 // stresses, resultant, uplift: never
        {11, {0.5}, 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ProbabilityOfFailure(*VectorOf(c.Values), static_cast<int>(c.Values.size()), c.Q),
                         c.Probability)
            << "result " << c.Q;
    EXPECT_EQ(ProbabilityOfFailure(*VectorOf({0.5}), 0, 3), 0);
}

TEST(StatisticTest, NumbersOfTheValueFiles)
{
    const TFormatSettings english = TFormatSettings::English(), french = TFormatSettings::French();
    const struct {
        double Value;
        const TFormatSettings& Settings;
        const char* Text;
    } cases[] = {
        {0, english, "0.0            "},
        {-2.5, english, "-2.5000000E+00 "},
        {2.5, english, "2.50000000E+00 "},
        {1234.56789, english, "1.23456789E+03 "},
        {-0.00012, english, "-1.2000000E-04 "},
        {2.5, french, "2,50000000E+00 "},
        {std::numeric_limits<double>::infinity(), english, "           INF "},
        {-std::numeric_limits<double>::infinity(), french, "          -INF "},
        {std::numeric_limits<double>::quiet_NaN(), english, "           NAN "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StatisticNumber(c.Value, c.Settings).ToUtf8(), c.Text);
}

// ---- Statistics and files of given samples ---------------------------------------------------

class StatisticFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TStatistiques& st = Model.Statistiques;
        SetStatisticsDefaults(st, Model.DebrisFlottant, Model.StatResult, Model.UserDefinedPDF);
        st.nPoints = 4;
        st.Selection[2] = true;
        st.NumeroParametre[2] = 8;  // silt elevation
        st.Selection[5] = true;
        st.NumeroParametre[5] = 99;  // no quantity: no label, but its values
        for (bool& recorded : st.Resultats)
            recorded = false;
        st.Resultats[1] = true;
        st.Resultats[3] = true;
        st.SauverParametres = st.SauverResultats = st.SauverInputCDF = st.SauverOutPutCDF = true;
        st.FichierInput = Folder / "in.txt";
        st.FichierOutput = Folder / "out.txt";
        st.FichierInCDF = Folder / "incdf.txt";
        st.FichierOutCDF = Folder / "outcdf.txt";
        Sample(StatIndex(StatInputs, 2), {1, 2, 3, 4});
        Sample(StatIndex(StatInputs, 5), {-1, -1, -1, -1});
        Sample(StatIndex(StatResults, 1), {0, 100, 50, 100});
        Sample(StatIndex(StatResults, 3), {1.5, 0.5, 1, 2});
    }
    void Sample(int index, const std::vector<double>& values)
    {
        Model.AnalysesStatistiques[index] = std::shared_ptr<TVector>(VectorOf(values).release());
    }

    ScratchFolder Folder;
    TParametres Model;
};

TEST_F(StatisticFilesTest, InputFilesHoldTheSelectedRowsOnly)
{
    MakeStatistics(Model, 4, TFormatSettings::French());
    const std::vector<std::string> values = ReadCrLfLines(Folder / "in.txt");
    ASSERT_EQ(values.size(), 5u);
    EXPECT_EQ(values[0], "Silt elev.     ");
    EXPECT_EQ(values[1], "1,00000000E+00 -1,0000000E+00 ");
    EXPECT_EQ(values[4], "4,00000000E+00 -1,0000000E+00 ");

    // Classes of width 0.75 from 1 to 4; the constant row has no density.
    const std::vector<std::string> densities = ReadCrLfLines(Folder / "incdf.txt");
    ASSERT_EQ(densities.size(), 6u);
    EXPECT_EQ(densities[0], "Silt elev. PDF      CDF      ");
    EXPECT_EQ(densities[1], "     1,000 0,333333 0,250000    -1,000 0,000000 0,000000");
    EXPECT_EQ(densities[2], "     1,750 0,000000 0,250000    -1,000 0,000000 0,000000");
    EXPECT_EQ(densities[5], "     4,000 0,333333 1,000000    -1,000 0,000000 0,000000");
}

TEST_F(StatisticFilesTest, ResultFilesEndWithTheSummary)
{
    MakeStatistics(Model, 4, TFormatSettings::English());
    const std::vector<std::string> lines = ReadCrLfLines(Folder / "out.txt");
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "U/S crack (%)  SSF peak       ");
    EXPECT_EQ(lines[2], "1.00000000E+02 5.00000000E-01 ");
    EXPECT_EQ(lines[5], "");
    EXPECT_EQ(lines[6], "6.25000000E+01 1.25000000E+00 ");   // mean
    EXPECT_EQ(lines[7], "4.14578099E+01 5.59016994E-01 ");   // deviation
    EXPECT_EQ(lines[8], "0.0            5.00000000E-01 ");   // minimum
    EXPECT_EQ(lines[9], "1.00000000E+02 2.00000000E+00 ");   // maximum
    EXPECT_EQ(lines[10], "5.00000000E-01 2.50000000E-01 ");  // probability of failure

    const std::vector<std::string> densities = ReadCrLfLines(Folder / "outcdf.txt");
    ASSERT_EQ(densities.size(), 6u);
    EXPECT_EQ(densities[0], "U/S crack  PDF    CDF    SSF (peak) PDF     CDF     ");
    EXPECT_EQ(densities[5], "   100.000 0.02000 1.00000     2.000 0.66667 1.00000");
}

TEST_F(StatisticFilesTest, EachSummaryGetsANewHistogram)
{
    const TVectorRef before = Model.StatResult.histogramme[StatIndex(StatResults, 3)];
    const TVectorRef unselected = Model.StatResult.histogramme[StatIndex(StatResults, 2)];
    MakeStatistics(Model, 4, TFormatSettings::English());
    const TStatResult& s = Model.StatResult;
    const TVectorRef after = s.histogramme[StatIndex(StatResults, 3)];
    EXPECT_NE(after, before);
    EXPECT_EQ(after->NrOfElem(), 5);
    EXPECT_EQ(before->NrOfElem(), 1);  // a copy of the model that kept the old one keeps it whole
    EXPECT_EQ(s.histogramme[StatIndex(StatResults, 2)], unselected);
    EXPECT_DOUBLE_EQ(s.performance[StatIndex(StatResults, 3)], 0.25);
    EXPECT_EQ(s.minimum[StatIndex(StatInputs, 5)], -1);
    EXPECT_EQ(s.deviation[StatIndex(StatInputs, 5)], 0);
}

TEST_F(StatisticFilesTest, OnlyTheRequestedFilesAreWritten)
{
    Model.Statistiques.SauverParametres = Model.Statistiques.SauverOutPutCDF = false;
    MakeStatistics(Model, 4, TFormatSettings::English());
    EXPECT_FALSE(std::filesystem::exists(Folder / "in.txt"));
    EXPECT_TRUE(std::filesystem::exists(Folder / "incdf.txt"));
    EXPECT_FALSE(std::filesystem::exists(Folder / "outcdf.txt"));
    EXPECT_TRUE(std::filesystem::exists(Folder / "out.txt"));
}

TEST_F(StatisticFilesTest, AFileThatCannotBeWrittenEndsTheStatistics)
{
    Model.Statistiques.FichierInCDF = Folder / "missing/incdf.txt";
    EXPECT_THROW(MakeStatistics(Model, 4, TFormatSettings::English()), EInOutError);
    EXPECT_TRUE(std::filesystem::exists(Folder / "in.txt"));
    EXPECT_FALSE(std::filesystem::exists(Folder / "out.txt"));
    EXPECT_EQ(Model.StatResult.moyenne[StatIndex(StatResults, 1)], 0);  // the results were not summarised
}

// ---- User density files ----------------------------------------------------------------------

// The text of a density file: the count line, then one line per value.
std::string DensityText(const std::string& count, const std::vector<std::string>& values)
{
    std::string text = count + "\r\n";
    for (const std::string& v : values)
        text += v + "\r\n";
    return text;
}

std::vector<std::string> Repeated(const std::string& value, int times)
{
    return std::vector<std::string>(static_cast<size_t>(times), value);
}

TEST(UserDensityFileTest, DensitiesThatCanBeDrawnFromAreRead)
{
    ScratchFolder folder;
    const std::vector<std::string> ten = {"0", "0.5", "1", "2.5E-1", " 3", "3\tpeak", "2 ", "1.0", ".5", "0"};
    const struct {
        const char* What;
        std::string Text;
        Integer Number;
        double Third, Last;
    } cases[] = {
        {"ten values, blanks and words after them", DensityText("10", ten), 10, 1, 0},
        {"the rest of the count line skipped", DensityText("10 points", ten), 10, 1, 0},
        {"lines ended by LF only", "10\n0\n0.5\n1\n0\n0\n0\n0\n0\n0\n7\n", 10, 1, 7},
        {"4000 values", DensityText("4000", Repeated("0.25", 4000)), 4000, 0.25, 0.25},
    };
    for (const auto& c : cases) {
        const std::string name = folder / "density.txt";
        std::ofstream(name, std::ios::binary) << c.Text;
        Integer number = 0;
        DynArray<double> values;
        EXPECT_EQ(ReadUserDensityFile(String(name), number, values), String()) << c.What;
        EXPECT_EQ(number, c.Number) << c.What;
        ASSERT_EQ(values.Length(), c.Number) << c.What;
        EXPECT_EQ(values[2], c.Third) << c.What;
        EXPECT_EQ(values[c.Number - 1], c.Last) << c.What;
    }
}

TEST(UserDensityFileTest, InvalidDensitiesAreRefusedAndTheStoredOneKept)
{
    ScratchFolder folder;
    const std::vector<std::string> nine = Repeated("1", 9);
    auto withValue = [&](const std::string& value) {
        std::vector<std::string> values = nine;
        values.insert(values.begin() + 4, value);
        return DensityText("10", values);
    };
    const char* const invalidFile = "Invalid file format";
    const char* const invalidCount = "Invalid number of data points - Aborted";
    const struct {
        const char* What;
        std::string Text;
        const char* Message;
    } cases[] = {
        {"an empty file", "", invalidFile},
        {"a count that is no number", DensityText("ten", nine), invalidFile},
        {"a count with decimals", DensityText("10.0", Repeated("1", 10)), invalidFile},
        {"9 points", DensityText("9", nine), invalidCount},
        {"4001 points", DensityText("4001", Repeated("1", 4001)), invalidCount},
        {"a negative count", DensityText("-10", nine), invalidCount},
        {"fewer values than announced", DensityText("10", nine), invalidFile},
        {"an empty line among the values", withValue(""), invalidFile},
        {"a value that is no number", withValue("one"), invalidFile},
        {"a value with a decimal comma", withValue("0,5"), invalidFile},
        {"a value that is not a number", withValue("NaN"), invalidFile},
        {"an infinite value", withValue("INF"), invalidFile},
        {"a value too large for a number", withValue("1E999"), invalidFile},
        {"a negative value", withValue("-0.1"), invalidFile},
        {"all values 0", DensityText("10", Repeated("0", 10)), invalidFile},
    };
    for (const auto& c : cases) {
        const std::string name = folder / "density.txt";
        std::ofstream(name, std::ios::binary) << c.Text;
        Integer number = 3;
        DynArray<double> values = {0.2, 0.5, 0.3};
        const DynArray<double> stored = values;
        EXPECT_EQ(ReadUserDensityFile(String(name), number, values), String(c.Message)) << c.What;
        EXPECT_EQ(number, 3) << c.What;
        EXPECT_TRUE(values.SharesWith(stored)) << c.What;
    }
    Integer number = 3;
    DynArray<double> values = {0.2, 0.5, 0.3};
    EXPECT_EQ(ReadUserDensityFile(String(folder / "absent.txt"), number, values), String(invalidFile));
    EXPECT_EQ(ReadUserDensityFile(String(folder.Path()), number, values), String(invalidFile));
    EXPECT_EQ(number, 3);
}

// ---- The Monte-Carlo run ---------------------------------------------------------------------

class MonteCarloTest : public ::testing::Test {
protected:
    // The analysed study model with its files in the scratch folder.
    TParametres Model(int simulations)
    {
        TParametres m = MonteCarloModel(simulations);
        TStatistiques& st = m.Statistiques;
        st.FichierInput = Folder / "Statistic.in";
        st.FichierOutput = Folder / "Statistic.out";
        st.FichierInCDF = Folder / "PDF_CDF.in";
        st.FichierOutCDF = Folder / "PDF_CDF.out";
        return Analysed(m);
    }
    std::vector<std::string> Lines(const char* name) { return ReadCrLfLines(Folder / name); }

    ScratchFolder Folder;
};

// Mean, deviation, extremes and probability of failure recomputed from the printed samples
// equal the printed summary.
TEST_F(MonteCarloTest, PrintedSummaryFollowsFromThePrintedSamples)
{
    TParametres m = Model(300);
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);

    const std::vector<std::string> lines = Lines("Statistic.out");
    ASSERT_EQ(lines.size(), 1u + 300 + 1 + 5);
    EXPECT_EQ(lines[0], "U/S crack (%)  D/S crack (%)  SSF peak       SSF residual   OSF toward U/S "
                        "OSF toward D/S Uplifting SF   Nor max stress Nor min stress Resultant (%)  "
                        "Final uplift   ");
    EXPECT_EQ(lines[301], "");
    std::vector<std::vector<double>> samples(11);
    for (size_t i = 1; i < lines.size(); ++i) {
        if (i == 301)
            continue;
        EXPECT_EQ(MisshapenNumbers(lines[i], 15, 8), std::vector<std::string>{}) << lines[i];
    }
    for (int i = 1; i <= 300; ++i) {
        const std::vector<double> row = Columns(lines[i], 15);
        for (size_t q = 0; q < 11; ++q)
            samples[q].push_back(row[q]);
    }
    const std::vector<double> mean = Columns(lines[302], 15), deviation = Columns(lines[303], 15),
                              minimum = Columns(lines[304], 15), maximum = Columns(lines[305], 15),
                              failure = Columns(lines[306], 15);
    int failing = 0;
    for (size_t i = 0; i < 11; ++i) {
        const std::vector<double>& v = samples[i];
        const double scale = std::max(std::fabs(*std::min_element(v.begin(), v.end())),
                                      std::fabs(*std::max_element(v.begin(), v.end())));
        const double tolerance = 2e-8 * std::max(scale, 1e-300);
        const double m = std::accumulate(v.begin(), v.end(), 0.0) / v.size();
        double squares = 0;
        for (double x : v)
            squares += (x - m) * (x - m);
        EXPECT_NEAR(mean[i], m, tolerance) << "result " << i + 1;
        EXPECT_NEAR(deviation[i], std::sqrt(squares / v.size()), tolerance) << "result " << i + 1;
        EXPECT_EQ(minimum[i], *std::min_element(v.begin(), v.end())) << "result " << i + 1;
        EXPECT_EQ(maximum[i], *std::max_element(v.begin(), v.end())) << "result " << i + 1;
        const int q = static_cast<int>(i) + 1;
        const auto failed = std::count_if(v.begin(), v.end(), [q](double x) {
            return q <= 2 ? std::fabs(x) == 100 : q <= 7 && x < 1;
        });
        EXPECT_NEAR(failure[i], static_cast<double>(failed) / v.size(), 1e-9) << "result " << i + 1;
        failing += static_cast<int>(failed);
    }
    EXPECT_GT(failing, 0);                   // the request makes the joint fail now and then
    EXPECT_GT(deviation[0] + deviation[7], 0);  // and crack now and then
}

TEST_F(MonteCarloTest, DrawsStayWithinTheirBounds)
{
    TParametres m = Model(200);
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);
    const std::vector<std::string> lines = Lines("Statistic.in");
    ASSERT_EQ(lines.size(), 201u);
    EXPECT_EQ(lines[0], "ft             c (peak)       Norm. U/S res. Peak Hor. Acc. ");
    const double low[] = {400, 300, 150, 0.05}, high[] = {1200, 700, 158, 0.35};
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::vector<double> row = Columns(lines[i], 15);
        for (size_t r = 0; r < 4; ++r) {
            EXPECT_GE(row[r], low[r] * (1 - 1e-8));
            EXPECT_LE(row[r], high[r] * (1 + 1e-8));
        }
    }
    EXPECT_EQ(host.Entries, std::vector<String>{"Monte-Carlo simulation"});
    EXPECT_EQ(host.PercentDone, 100);
}

TEST_F(MonteCarloTest, DensityFilesHaveOneLinePerClassBound)
{
    TParametres m = Model(100);
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);
    const std::vector<std::string> in = Lines("PDF_CDF.in"), out = Lines("PDF_CDF.out");
    ASSERT_EQ(in.size(), 52u);
    ASSERT_EQ(out.size(), 52u);
    EXPECT_EQ(in[0], "ft         PDF      CDF      c(peak)    PDF      CDF      "
                     "Norm. res. PDF      CDF      P. Hor Acc PDF      CDF      ");
    EXPECT_EQ(out[0], "U/S crack  PDF    CDF    D/S crack  PDF    CDF    SSF (peak) PDF     CDF     "
                      "SSF (res.) PDF     CDF     OSF ->U/S  PDF     CDF     OSF ->D/S  PDF     CDF     "
                      "Uplift SF  PDF     CDF     max comp.  PDF     CDF     Max tens.  PDF     CDF     "
                      "Resultant  PDF     CDF     F. Uplift  PDF     CDF     ");
    EXPECT_EQ(out[51].size(), 11u * 26);
    EXPECT_EQ(in[51].size(), 4u * 28);
    // The cumulative probability of every drawn input reaches 1 at its largest value.
    for (size_t r = 0; r < 4; ++r)
        EXPECT_NEAR(std::stod(in[51].substr(r * 28 + 20, 8)), 1.0, 2e-6);
}

// Each simulation draws every selected row once, in row order, from the process-wide
// sequence; a log-normal row draws the logarithm.
TEST_F(MonteCarloTest, DrawOrder)
{
    TParametres m = Model(3);
    RandSeed = 4321;
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);
    const std::vector<std::string> lines = Lines("Statistic.in");

    const TStatistiques& st = m.Statistiques;
    TRandGen normal(nullptr), uniform(nullptr), logNormal(nullptr), acceleration(nullptr);
    for (TRandGen* g : {&normal, &uniform, &logNormal, &acceleration})
        g->SetResolution(1000);
    normal.SetLowBorder(400);
    normal.SetHighBorder(1200);
    normal.NormalDistri(800, 150);
    uniform.SetLowBorder(300);
    uniform.SetHighBorder(700);
    uniform.UniformDistri();
    const double s = std::sqrt(std::log(1.5 * 1.5 / (154.0 * 154.0) + 1));
    logNormal.SetLowBorder(std::log(150.0));
    logNormal.SetHighBorder(std::log(158.0));
    logNormal.NormalDistri(std::log(154.0) - s * s / 2, s);
    acceleration.SetLowBorder(0.05);
    acceleration.SetHighBorder(0.35);
    acceleration.NormalDistri(0.2, 0.05);
    ASSERT_EQ(st.Minimum[7], 0.05);
    RandSeed = 4321;
    for (int o = 1; o <= 3; ++o) {
        const double expected[] = {normal.Random(), uniform.Random(), std::exp(logNormal.Random()),
                                   acceleration.Random()};
        const std::vector<double> row = Columns(lines[o], 15);
        for (size_t r = 0; r < 4; ++r)
            EXPECT_NEAR(row[r], expected[r], 1e-8 * expected[r]) << o << " " << r;
    }
}

TEST_F(MonteCarloTest, InputsAndJointResultsAfterTheRunAreThoseBeforeIt)
{
    TParametres m = Model(50);
    const TParametres before = m;
    const auto inputs = StoredInputs(m);
    std::vector<double> results;
    for (int c = 1; c <= 6; ++c)
        for (int q = 1; q <= 11; ++q)
            results.push_back(JointResult(m, q, c, 3));
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);

    auto after = StoredInputs(m);
    EXPECT_NE(after["Statistiques.FloodIncrease"], "");
    after["Statistiques.FloodIncrease"] = inputs.at("Statistiques.FloodIncrease");
    EXPECT_EQ(after, inputs);
    std::vector<double> resultsAfter;
    for (int c = 1; c <= 6; ++c)
        for (int q = 1; q <= 11; ++q)
            resultsAfter.push_back(JointResult(m, q, c, 3));
    EXPECT_EQ(resultsAfter, results);
    // The samples were released; the statistics stay.
    for (const TVectorRef& sample : m.AnalysesStatistiques)
        EXPECT_EQ(sample, nullptr);
    EXPECT_NE(m.StatResult.histogramme[StatIndex(StatResults, 3)], before.StatResult.histogramme[StatIndex(StatResults, 3)]);
    EXPECT_TRUE(m.Donnees.Contains(daAnalysed));
}

TEST_F(MonteCarloTest, AStoppedRunSummarisesTheSimulationsDone)
{
    TParametres m = Model(1000);
    const auto inputs = StoredInputs(m);
    StoppingHost host(7);
    StatisticalAnalyses(m, host);
    EXPECT_EQ(host.Steps, 7);
    const std::vector<std::string> lines = Lines("Statistic.out");
    ASSERT_EQ(lines.size(), 1u + 7 + 1 + 5);
    double sum = 0;
    for (int i = 1; i <= 7; ++i)
        sum += Columns(lines[i], 15)[2];
    EXPECT_NEAR(m.StatResult.moyenne[StatIndex(StatResults, 3)], sum / 7, 1e-7 * std::fabs(sum));
    auto after = StoredInputs(m);
    after["Statistiques.FloodIncrease"] = inputs.at("Statistiques.FloodIncrease");
    EXPECT_EQ(after, inputs);
    EXPECT_EQ(host.Entries, std::vector<String>{"Monte-Carlo simulation"});
    EXPECT_EQ(host.PercentDone, 1);
}

TEST_F(MonteCarloTest, AFailedRunPutsTheInputsBack)
{
    TParametres m = Model(1000);
    const auto inputs = StoredInputs(m);
    FailingHost host(5);
    EXPECT_THROW(StatisticalAnalyses(m, host), std::runtime_error);
    auto after = StoredInputs(m);
    EXPECT_NE(after["Donnees"], inputs.at("Donnees"));
    after["Donnees"] = inputs.at("Donnees");
    after["Statistiques.FloodIncrease"] = inputs.at("Statistiques.FloodIncrease");
    EXPECT_EQ(after, inputs);
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    for (const TVectorRef& sample : m.AnalysesStatistiques)
        EXPECT_EQ(sample, nullptr);
    EXPECT_TRUE(host.Entries.empty());
    EXPECT_FALSE(std::filesystem::exists(Folder / "Statistic.out"));
}

TEST_F(MonteCarloTest, OneSimulationAtLeast)
{
    for (int n : {1, 0, -3}) {
        TParametres m = Model(n);
        TSilentLongRunHost host;
        StatisticalAnalyses(m, host);
        const std::vector<std::string> lines = Lines("Statistic.out");
        ASSERT_EQ(lines.size(), 1u + 1 + 1 + 5) << n;
        EXPECT_EQ(lines[3], lines[1]) << n;   // the mean is the value
        EXPECT_EQ(Columns(lines[4], 15), std::vector<double>(11, 0.0)) << n;  // no deviation
        EXPECT_EQ(host.PercentDone, 100);
    }
}

TEST_F(MonteCarloTest, ARunRepeatsFromTheSameSeed)
{
    std::vector<std::string> first;
    for (int run = 0; run < 2; ++run) {
        TParametres m = Model(100);
        TSilentLongRunHost host;
        StatisticalAnalyses(m, host);
        std::vector<std::string> files;
        for (const char* name : {"Statistic.in", "Statistic.out", "PDF_CDF.in", "PDF_CDF.out"})
            files.push_back(ReadBytes(Folder / name));
        if (run == 0)
            first = files;
        else
            EXPECT_EQ(files, first);
    }
}

TEST_F(MonteCarloTest, StrengthsAloneReanalyseTheJointWithItsCracks)
{
    TParametres m = Model(40);
    TStatistiques& st = m.Statistiques;
    for (int r = 1; r <= NRandomVariables; ++r)
        st.Selection[r] = false;
    st.Selection[2] = true;  // peak cohesion
    st.Combination = 1;
    const double crack = JointResult(m, 1, 1, 3), position = JointResult(m, 10, 1, 3);
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);
    const std::vector<std::string> lines = Lines("Statistic.out");
    std::set<double> peakFactors;
    for (int i = 1; i <= 40; ++i) {
        const std::vector<double> row = Columns(lines[i], 15);
        EXPECT_EQ(row[0], crack);
        EXPECT_NEAR(row[9], position, 1e-7 * std::fabs(position));
        peakFactors.insert(row[2]);
    }
    EXPECT_GT(peakFactors.size(), 30u);
}

// Seismic #1: the safety factors are those of the stability case, the cracks and stresses
// those of the stress case.
TEST_F(MonteCarloTest, SeismicCombinationsRecordTheirStabilityCaseFactors)
{
    TParametres m = Model(30);
    TStatistiques& st = m.Statistiques;
    st.Combination = 3;
    st.Selection[4] = false;  // with the level and the acceleration, the combination is re-run
    std::vector<double> stability, stress, tension;
    ObservingHost host([&] {
        stability.push_back(m.Joint.SafetyFactor.Sliding.Peak[4][3]);
        stress.push_back(m.Joint.SafetyFactor.Sliding.Peak[3][3]);
        tension.push_back(MaxDouble(m.Joint.Stress.normal.Up[3][3], m.Joint.Stress.normal.Down[3][3]));
    });
    StatisticalAnalyses(m, host);
    const std::vector<std::string> lines = Lines("Statistic.out");
    ASSERT_EQ(stability.size(), 30u);
    for (size_t i = 0; i < 30; ++i) {
        const std::vector<double> row = Columns(lines[i + 1], 15);
        EXPECT_NEAR(row[2], stability[i], 1e-8 * stability[i]);
        EXPECT_GT(std::fabs(row[2] - stress[i]), 1e-3 * stress[i]);
        EXPECT_NEAR(row[8], tension[i], 1e-7 * std::fabs(tension[i]));  // 8 digits when negative
    }
}

// What a drawn value sets in the model, by quantity code; the model is whole again after
// the run.
TEST_F(MonteCarloTest, EachCodePutsItsDrawnValueIntoTheModel)
{
    const double degrees = 180 / std::numbers::pi;
    const struct {
        Word Code;
        double Low, High;
        double (*Field)(const TParametres&);
        double (*Expected)(double v, double degrees);
    } cases[] = {
        {1, 400, 1200, [](const TParametres& m) { return m.JointMaterials[1].ft; }, [](double v, double) { return v; }},
        {2, 300, 700,
         [](const TParametres& m) { return m.JointMaterials[1].peak.c; }, [](double v, double) { return v; }},
        {3, 50, 150, [](const TParametres& m) { return m.JointMaterials[1].residual.c; },
         [](double v, double) { return v; }},
        {4, 0.8, 1.2, [](const TParametres& m) { return m.JointMaterials[1].peak.angle; },
         [](double v, double d) { return std::atan(v) * d; }},
        {5, 0.6, 0.9, [](const TParametres& m) { return m.JointMaterials[1].residual.angle; },
         [](double v, double d) { return std::atan(v) * d; }},
        {6, 150, 158, [](const TParametres& m) { return m.Reservoir.NormalUp; }, [](double v, double) { return v; }},
        {7, 1, 3,
         [](const TParametres& m) { return m.Statistiques.FloodIncrease; }, [](double v, double) { return v; }},
        {8, 105, 115, [](const TParametres& m) { return m.Reservoir.Sediment; }, [](double v, double) { return v; }},
        {9, 8, 12, [](const TParametres& m) { return m.Reservoir.SedWeight; }, [](double v, double) { return v; }},
        {10, 0.3, 0.9,
         [](const TParametres& m) { return m.Drainage.effectiveness; }, [](double v, double) { return v; }},
        {11, 10, 30, [](const TParametres& m) { return m.DebrisFlottant.Force; }, [](double v, double) { return v; }},
        {12, 30, 70, [](const TParametres& m) { return m.Reservoir.IceLoad; }, [](double v, double) { return v; }},
        // The last force (60, -80) keeps its direction.
        {13, 50, 150, [](const TParametres& m) { return m.Force.Elem[1].VertForce; },
         [](double v, double) { return v * -0.8; }},
        // The other accelerations follow the peak horizontal one (0.2): sustained spectral 0.3.
        {14, 0.1, 0.3, [](const TParametres& m) { return m.Acc.Sust.spectral; },
         [](double v, double) { return v * 0.3 / 0.2; }},
    };
    for (const auto& c : cases) {
        TParametres m = Model(5);
        TStatistiques& st = m.Statistiques;
        for (int r = 1; r <= NRandomVariables; ++r)
            st.Selection[r] = false;
        st.Selection[1] = true;
        st.NumeroParametre[1] = c.Code;
        st.Distribution[1] = 0;
        st.Minimum[1] = c.Low;
        st.Maximum[1] = c.High;
        const double before = c.Field(m);
        std::vector<double> drawn, set;
        ObservingHost host([&] {
            const TVector& sample = *m.AnalysesStatistiques[StatIndex(StatInputs, 1)];
            drawn.push_back(sample.GetVal(static_cast<int>(drawn.size()) + 1));
            set.push_back(c.Field(m));
        });
        StatisticalAnalyses(m, host);
        ASSERT_EQ(drawn.size(), 5u) << c.Code;
        for (size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_GE(drawn[i], c.Low) << c.Code;
            EXPECT_LT(drawn[i], c.High) << c.Code;
            EXPECT_DOUBLE_EQ(set[i], c.Expected(drawn[i], degrees)) << c.Code;
        }
        // The flood increase keeps its last drawn value.
        EXPECT_EQ(c.Field(m), c.Code == 7 ? set.back() : before) << c.Code;
    }
}

// The flood combination: a drawn flood increase raises the flood level above the normal
// level by the drawn value in every simulation; other reservoir quantities leave the flood
// levels of the model as they are.
TEST_F(MonteCarloTest, FloodLevelsOfTheFloodCombination)
{
    for (const bool increase : {true, false}) {
        TParametres m = Model(20);
        TStatistiques& st = m.Statistiques;
        for (int r = 1; r <= NRandomVariables; ++r)
            st.Selection[r] = false;
        st.Combination = 2;
        st.FloodIncrease = 0.5;  // left by an earlier run
        st.Selection[3] = true;
        st.NumeroParametre[3] = 8;  // silt elevation
        st.Distribution[3] = 0;
        st.Minimum[3] = 105;
        st.Maximum[3] = 115;
        if (increase) {
            st.Selection[6] = true;
            st.NumeroParametre[6] = 7;
            st.Distribution[6] = 0;
            st.Minimum[6] = 1;
            st.Maximum[6] = 4;
        }
        std::vector<double> up, down, increases;
        ObservingHost host([&] {
            up.push_back(m.Reservoir.FloodUp);
            down.push_back(m.Reservoir.FloodDn);
            increases.push_back(m.Statistiques.FloodIncrease);
        });
        StatisticalAnalyses(m, host);
        ASSERT_EQ(host.Warnings, std::vector<String>{});
        ASSERT_EQ(up.size(), 20u);
        for (size_t i = 0; i < up.size(); ++i) {
            if (increase) {
                // From the normal level 155 by the increase; above the crest at 160 the
                // tailwater, 109 in the model, rises by the whole overtopping depth.
                EXPECT_GE(increases[i], 1);
                EXPECT_DOUBLE_EQ(up[i], 155 + increases[i]);
                EXPECT_DOUBLE_EQ(down[i], 109 + std::max(up[i] - 160, 0.0));
            } else {
                EXPECT_EQ(up[i], 159);
                EXPECT_EQ(down[i], 109);
                EXPECT_EQ(increases[i], 0.5);
            }
        }
        EXPECT_EQ(m.Reservoir.FloodUp, 159);
        EXPECT_EQ(m.Reservoir.FloodDn, 109);
        EXPECT_EQ(m.Statistiques.FloodIncrease, increase ? increases.back() : 0.5);
    }
}

TEST_F(MonteCarloTest, NamesAreRelativeToTheCurrentFolder)
{
    TParametres m = Model(5);
    m.Statistiques.FichierOutput = "Statistic.out";
    m.Statistiques.SauverParametres = m.Statistiques.SauverInputCDF = m.Statistiques.SauverOutPutCDF = false;
    const String current = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(Folder.Path()));
    TSilentLongRunHost host;
    StatisticalAnalyses(m, host);
    SetCurrentDir(current);
    EXPECT_EQ(Lines("Statistic.out").size(), 1u + 5 + 1 + 5);
}

TEST_F(MonteCarloTest, RequestsThatCannotRunChangeNothing)
{
    const struct {
        void (*Change)(TParametres&);
        const char* Message;
    } cases[] = {
        {[](TParametres& m) { m.Statistiques.OutputJoint = 11; }, "the output joint does not exist."},
        {[](TParametres& m) { m.Statistiques.Combination = 4; }, "the load combination is none of"},
        {[](TParametres& m) { m.Statistiques.nPoints = 0; }, "the PDF and CDF need at least one interval."},
        {[](TParametres& m) { m.Statistiques.Deviation[1] = 0; }, "row 1 has a normal distribution"},
        {[](TParametres& m) { m.Statistiques.Minimum[4] = 0; }, "row 4 has a log-normal distribution"},
        {[](TParametres& m) { m.Statistiques.Minimum[2] = 800; }, "row 2 has a lower bound above"},
        {[](TParametres& m) { m.Acc.Peak.horizontal = 0; }, "row 7 changes the peak horizontal ground acceleration"},
        {[](TParametres& m) {
             m.Statistiques.Distribution[2] = 3;
             m.UserDefinedPDF.number[2] = 20;
             m.UserDefinedPDF.elem[2] = {0.5, 1};
         },
         "row 2 has a user defined density with fewer points"},
        {[](TParametres& m) {
             m.Statistiques.Distribution[2] = 3;
             m.UserDefinedPDF.number[2] = 0;
             m.UserDefinedPDF.elem[2] = {};
         },
         "row 2 has a user defined density without a value above 0"},
        {[](TParametres& m) {
             m.Statistiques.Distribution[2] = 3;
             m.UserDefinedPDF.number[2] = 3;
             m.UserDefinedPDF.elem[2] = {0, 0, 0};
         },
         "row 2 has a user defined density without a value above 0"},
        {[](TParametres& m) {
             m.Statistiques.Distribution[2] = 3;
             m.UserDefinedPDF.number[2] = 3;
             m.UserDefinedPDF.elem[2] = {0.5, -0.1, 1};
         },
         "row 2 has a user defined density without a value above 0, or with a value below 0"},
        {[](TParametres& m) {
             m.Statistiques.Distribution[2] = 3;
             m.UserDefinedPDF.number[2] = 3;
             m.UserDefinedPDF.elem[2] = {0.5, std::numeric_limits<double>::quiet_NaN(), 1};
         },
         "row 2 has a user defined density without a value above 0, or with a value below 0 or not a number."},
        // 4 inputs and 11 results of 2^31 - 1 simulations: 15 x 16 GiB, more than any machine
        // running the tests has.
        {[](TParametres& m) { m.Statistiques.NombreAnalyses = INT_MAX; },
         "the 2147483647 values of each of its 15 samples need 245760 MB of memory, and "},
        {[](TParametres& m) {
             m.Statistiques.NumeroParametre[2] = 13;
             m.Force.Elem[1] = {4, 158, 0, 0};
         },
         "row 2 changes the last applied force, which is 0"},
    };
    for (const auto& c : cases) {
        TParametres m = Model(10);
        c.Change(m);
        const auto inputs = StoredInputs(m);
        TSilentLongRunHost host;
        StatisticalAnalyses(m, host);
        ASSERT_EQ(host.Warnings.size(), 1u) << c.Message;
        EXPECT_NE(host.Warnings[0].ToUtf8().find(c.Message), std::string::npos) << host.Warnings[0].ToUtf8();
        EXPECT_EQ(host.Warnings[0].ToUtf8().rfind("Probabilistic analysis not run: ", 0), 0u);
        EXPECT_EQ(StoredInputs(m), inputs);
        EXPECT_TRUE(host.Entries.empty());
        EXPECT_FALSE(std::filesystem::exists(Folder / "Statistic.out"));
        for (const TVectorRef& sample : m.AnalysesStatistiques)
            EXPECT_EQ(sample, nullptr) << c.Message;
    }
}

} // namespace
