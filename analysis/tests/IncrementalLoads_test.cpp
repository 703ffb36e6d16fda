#include "analysis/IncrementalLoads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "analysis/tests/StudyModel.h"
#include "analysis/tests/StudyTestSupport.h"

namespace {

TEST(IncrementalStepCountTest, RoundedQuotientPlusOne)
{
    const struct {
        double S, E, I;
        int Steps;
    } cases[] = {
        {0, 10, 0.5, 21}, {0, 20.4, 1, 21}, {0, 20.5, 1, 21},  // 20.5 rounds to the even 20
        {0, 21.5, 1, 23}, {10, 0, -0.5, 21}, {5, 5, 1, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IncrementalStepCount(c.S, c.E, c.I), c.Steps) << c.S << " " << c.E << " " << c.I;
}

class IncrementalTest : public ::testing::Test {
protected:
    TParametres Model()
    {
        TParametres m = IncrementalModel();
        m.IncrementLoad.FichierOutput = Folder / "Incremental.out";
        return Analysed(m);
    }
    std::vector<std::string> Lines() { return ReadCrLfLines(Folder / "Incremental.out"); }
    // The first column of every value line.
    std::vector<double> FirstColumn()
    {
        std::vector<double> values;
        const std::vector<std::string> lines = Lines();
        for (size_t i = 1; i < lines.size(); ++i)
            values.push_back(std::stod(lines[i].substr(0, 13)));
        return values;
    }

    ScratchFolder Folder;
};

TEST_F(IncrementalTest, OneLinePerStepFromTheFirstValue)
{
    const struct {
        int Loading;
        double S, E, I;
    } cases[] = {{1, 140, 160, 1}, {1, 160, 140, -0.5}, {6, 0, 200, 7.5}, {7, 0, 1, 0.05}, {4, 0, 300, 12}};
    for (const auto& c : cases) {
        TParametres m = Model();
        TIncrementLoad& il = m.IncrementLoad;
        il.Loading = c.Loading;
        il.StartValue[c.Loading] = c.S;
        il.EndValue[c.Loading] = c.E;
        il.IncrementValue[c.Loading] = c.I;
        TSilentLongRunHost host;
        IncrementalLoadAnalysis(m, host, TFormatSettings::English());

        const char* const loads[] = {"Norm. Res.   ", "Flood Res.   ", "Hor. Acc.    ", "App. Force   ",
                                     "Post-Tension ", "Ice Load     ", "Drain effect."};
        EXPECT_EQ(Lines()[0], loads[c.Loading - 1] + std::string("U/S crack    D/S crack    SSF (peak)   SSF (res.)   "
                                                                 "OSF ->U/S    OSF ->D/S    Uplift SF    max comp.    "
                                                                 "Max tens.    Resultant    "));
        const int steps = static_cast<int>(std::lround(std::fabs((c.E - c.S) / c.I))) + 1;
        const std::vector<double> first = FirstColumn();
        ASSERT_EQ(static_cast<int>(first.size()), steps) << c.Loading;
        EXPECT_EQ(il.AnalysisSteps, steps);
        for (int s = 1; s <= steps; ++s)
            EXPECT_NEAR(first[s - 1], c.S + (s - 1) * c.I, 1e-6 * std::max(1.0, std::fabs(c.S))) << s;
        EXPECT_EQ(host.Entries, std::vector<String>{"Incremental Load Analysis"});
    }
}

TEST_F(IncrementalTest, FileHoldsTheLoadAndTheRecordedResults)
{
    TParametres m = Model();
    for (int q : {2, 5, 6, 7, 9})
        m.IncrementLoad.Resultats[q] = false;
    TSilentLongRunHost host;
    IncrementalLoadAnalysis(m, host, TFormatSettings::French());
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[0], "Norm. Res.   U/S crack    SSF (peak)   SSF (res.)   max comp.    Resultant    ");
    EXPECT_EQ(lines[1].substr(0, 13), "1,400000E+02 ");
    EXPECT_EQ(lines[1].size(), 6u * 13);
    EXPECT_EQ(lines[21].substr(0, 13), "1,600000E+02 ");
    bool negative = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string english = std::regex_replace(lines[i], std::regex(","), ".");
        EXPECT_EQ(MisshapenNumbers(english, 13, 6), std::vector<std::string>{}) << lines[i];
        negative |= lines[i].find('-') == 52;  // the compression
    }
    EXPECT_TRUE(negative);
    // Recorded values are those of the arrays; results not requested keep one element.
    const TIncrementalResult& r = m.IncrementalResult;
    EXPECT_EQ(r.histogramme[3].Length(), 22);
    EXPECT_EQ(r.histogramme[2].Length(), 1);
    EXPECT_NEAR(r.histogramme[3][1], std::stod(lines[1].substr(26, 13).replace(1, 1, ".")), 1e-5 * r.histogramme[3][1]);
}

TEST_F(IncrementalTest, ResultsFollowTheLoad)
{
    TParametres m = Model();
    TSilentLongRunHost host;
    IncrementalLoadAnalysis(m, host);
    const DynArray<double>& peak = m.IncrementalResult.histogramme[3];
    // A higher reservoir lowers the sliding safety factor of the joint.
    for (int s = 2; s <= 21; ++s)
        EXPECT_LT(peak[s], peak[s - 1]) << s;
}

TEST_F(IncrementalTest, AnAccelerationSeriesFromZeroWritesZero)
{
    TParametres m = Model();
    TIncrementLoad& il = m.IncrementLoad;
    il.Loading = 3;
    il.Combination = 3;
    il.StartValue[3] = 0;
    il.EndValue[3] = 0.4;
    il.IncrementValue[3] = 0.02;
    TSilentLongRunHost host;
    IncrementalLoadAnalysis(m, host, TFormatSettings::English());
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[1].substr(0, 13), "0.0          ");
    EXPECT_EQ(lines[2].substr(0, 13), "2.000000E-02 ");
}

// What a step value sets in the model, by load; the kept levels are 155 / 106 (normal) and
// 159 / 109 (flood) below the crest at 160, so the tailwater rises by the whole overtopping.
TEST_F(IncrementalTest, EachLoadPutsItsStepValueIntoTheModel)
{
    const struct {
        int Loading;
        double S, E, I;
        std::vector<double> (*Fields)(const TParametres&);
        std::vector<double> (*Expected)(double v);
    } cases[] = {
        {1, 158, 162, 0.2,
         [](const TParametres& m) { return std::vector<double>{m.Reservoir.NormalUp, m.Reservoir.NormalDn}; },
         [](double v) { return std::vector<double>{v, 106 + std::max(v - 160, 0.0)}; }},
        {2, 158, 162, 0.2,
         [](const TParametres& m) { return std::vector<double>{m.Reservoir.FloodUp, m.Reservoir.FloodDn}; },
         [](double v) { return std::vector<double>{v, 109 + std::max(v - 160, 0.0)}; }},
        // Peak 0.2, 0.1, 0.5 and sustained 0.1, 0.05, 0.3 follow the peak horizontal value,
        // which is at least 1e-5.
        {3, 0, 0.4, 0.02,
         [](const TParametres& m) { return std::vector<double>{m.Acc.Peak.horizontal, m.Acc.Sust.spectral}; },
         [](double v) {
             const double a = std::max(v, 1e-5);
             return std::vector<double>{a, a * 0.3 / 0.2};
         }},
        // The last force (60, -80) keeps its direction.
        {4, 0, 240, 12,
         [](const TParametres& m) { return std::vector<double>{m.Force.Elem[1].HorForce, m.Force.Elem[1].VertForce}; },
         [](double v) { return std::vector<double>{v * 0.6, v * -0.8}; }},
        // Only the cable that pulls (Tension 1000, Tension2 0) takes the value.
        {5, 0, 2000, 100,
         [](const TParametres& m) { return std::vector<double>{m.PostTension.Tension, m.PostTension.Tension2}; },
         [](double v) { return std::vector<double>{v, 0}; }},
        {6, 0, 200, 10, [](const TParametres& m) { return std::vector<double>{m.Reservoir.IceLoad}; },
         [](double v) { return std::vector<double>{v}; }},
        {7, 0, 1, 0.05, [](const TParametres& m) { return std::vector<double>{m.Drainage.effectiveness}; },
         [](double v) { return std::vector<double>{v}; }},
    };
    for (const auto& c : cases) {
        TParametres m = Model();
        TIncrementLoad& il = m.IncrementLoad;
        il.Loading = c.Loading;
        il.StartValue[c.Loading] = c.S;
        il.EndValue[c.Loading] = c.E;
        il.IncrementValue[c.Loading] = c.I;
        const std::vector<double> before = c.Fields(m);
        std::vector<std::vector<double>> set;
        ObservingHost host([&] { set.push_back(c.Fields(m)); });
        IncrementalLoadAnalysis(m, host);
        ASSERT_EQ(set.size(), 21u) << c.Loading;
        for (int s = 1; s <= 21; ++s) {
            const std::vector<double> expected = c.Expected(c.S + (s - 1) * c.I);
            for (size_t f = 0; f < expected.size(); ++f)
                EXPECT_DOUBLE_EQ(set[s - 1][f], expected[f]) << c.Loading << " step " << s << " field " << f;
        }
        EXPECT_EQ(c.Fields(m), before) << c.Loading;
    }
}

TEST_F(IncrementalTest, InputsAndJointResultsAfterTheRunAreThoseBeforeIt)
{
    for (int loading = 1; loading <= 7; ++loading) {
        TParametres m = Model();
        TIncrementLoad& il = m.IncrementLoad;
        il.Loading = loading;
        il.Combination = loading == 3 ? 5 : 1;
        il.StartValue[loading] = loading == 3 ? 0.05 : 1;
        il.EndValue[loading] = il.StartValue[loading] * 2;
        il.IncrementValue[loading] = il.StartValue[loading] / 20;
        const auto inputs = StoredInputs(m);
        std::vector<double> results;
        for (int c = 1; c <= 6; ++c)
            for (int q = 1; q <= 11; ++q)
                results.push_back(JointResult(m, q, c, 3));
        TSilentLongRunHost host;
        IncrementalLoadAnalysis(m, host);
        auto after = StoredInputs(m);
        after["IncrementLoad.AnalysisSteps"] = inputs.at("IncrementLoad.AnalysisSteps");
        EXPECT_EQ(after, inputs) << loading;
        std::vector<double> resultsAfter;
        for (int c = 1; c <= 6; ++c)
            for (int q = 1; q <= 11; ++q)
                resultsAfter.push_back(JointResult(m, q, c, 3));
        EXPECT_EQ(resultsAfter, results) << loading;
    }
}

// Seismic #2: every step analyses cases 5 and 6; the safety factors come from case 6, the
// cracks and the resultant from case 5.
TEST_F(IncrementalTest, SeismicCombinationsRecordTheirStabilityCaseFactors)
{
    TParametres m = Model();
    m.IncrementLoad.Combination = 5;
    std::vector<double> stability, stress, position;
    ObservingHost host([&] {
        stability.push_back(m.Joint.SafetyFactor.Sliding.Peak[6][3]);
        stress.push_back(m.Joint.SafetyFactor.Sliding.Peak[5][3]);
        position.push_back(m.Joint.Resultants.Position[5][3]);
    });
    IncrementalLoadAnalysis(m, host);
    ASSERT_EQ(stability.size(), 21u);
    const TIncrementalResult& r = m.IncrementalResult;
    for (int s = 1; s <= 21; ++s) {
        EXPECT_EQ(r.histogramme[3][s], stability[s - 1]);
        EXPECT_NE(r.histogramme[3][s], stress[s - 1]);
        EXPECT_EQ(r.histogramme[10][s], position[s - 1]);
    }
}

TEST_F(IncrementalTest, AStoppedRunKeepsTheStepsDone)
{
    TParametres m = Model();
    const auto inputs = StoredInputs(m);
    StoppingHost host(6);
    IncrementalLoadAnalysis(m, host);
    EXPECT_EQ(m.IncrementLoad.AnalysisSteps, 6);
    EXPECT_EQ(Lines().size(), 7u);
    const DynArray<double>& peak = m.IncrementalResult.histogramme[3];
    EXPECT_EQ(peak.Length(), 22);
    EXPECT_NE(peak[6], 0);
    EXPECT_EQ(peak[7], 0);
    auto after = StoredInputs(m);
    after["IncrementLoad.AnalysisSteps"] = inputs.at("IncrementLoad.AnalysisSteps");
    EXPECT_EQ(after, inputs);
    EXPECT_EQ(host.Entries, std::vector<String>{"Incremental Load Analysis"});
    EXPECT_EQ(host.PercentDone, 29);
}

TEST_F(IncrementalTest, AFailedRunPutsTheInputsBack)
{
    TParametres m = Model();
    const auto inputs = StoredInputs(m);
    FailingHost host(4);
    EXPECT_THROW(IncrementalLoadAnalysis(m, host), std::runtime_error);
    EXPECT_EQ(m.IncrementLoad.AnalysisSteps, 4);
    EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
    auto after = StoredInputs(m);
    after["IncrementLoad.AnalysisSteps"] = inputs.at("IncrementLoad.AnalysisSteps");
    after["Donnees"] = inputs.at("Donnees");
    EXPECT_EQ(after, inputs);
    EXPECT_TRUE(host.Entries.empty());
    EXPECT_FALSE(std::filesystem::exists(Folder / "Incremental.out"));
}

TEST_F(IncrementalTest, PostTensionStepsOnlyTheCablesThatPull)
{
    TParametres m = Model();
    m.PostTension.Tension = 0;
    m.PostTension.Tension2 = 0;
    m = Analysed(m);
    TIncrementLoad& il = m.IncrementLoad;
    il.Loading = 5;
    il.StartValue[5] = 0;
    il.EndValue[5] = 2000;
    il.IncrementValue[5] = 100;
    TSilentLongRunHost host;
    IncrementalLoadAnalysis(m, host);
    const DynArray<double>& peak = m.IncrementalResult.histogramme[3];
    EXPECT_EQ(std::set<double>(peak.begin() + 1, peak.end()).size(), 1u);
}

TEST_F(IncrementalTest, RequestsThatCannotRunChangeNothing)
{
    const struct {
        void (*Change)(TIncrementLoad&, TParametres&);
        const char* Message;
    } cases[] = {
        {[](TIncrementLoad& il, TParametres&) { il.Loading = 0; }, "no load is chosen"},
        {[](TIncrementLoad& il, TParametres&) { il.Loading = 8; }, "no load is chosen"},
        {[](TIncrementLoad& il, TParametres&) { il.IncrementValue[1] = 0; }, "the increment is 0."},
        {[](TIncrementLoad& il, TParametres&) { il.IncrementValue[1] = -1; }, "leads away from the last value"},
        {[](TIncrementLoad& il, TParametres&) { il.IncrementValue[1] = 1e-5; }, "the increment is too small."},
        {[](TIncrementLoad& il, TParametres&) { il.JointNumber = -1; }, "the joint does not exist."},
        {[](TIncrementLoad& il, TParametres&) { il.Combination = 6; }, "the load combination is none of"},
        {[](TIncrementLoad& il, TParametres& m) {
             il.Loading = 3;
             il.StartValue[3] = 0;
             il.EndValue[3] = 1;
             il.IncrementValue[3] = 0.05;
             m.Acc.Peak.horizontal = 0;
         },
         "the peak horizontal ground acceleration is 0"},
    };
    for (const auto& c : cases) {
        TParametres m = Model();
        c.Change(m.IncrementLoad, m);
        const auto inputs = StoredInputs(m);
        const DynArray<double> before = m.IncrementalResult.histogramme[3];
        TSilentLongRunHost host;
        IncrementalLoadAnalysis(m, host);
        ASSERT_EQ(host.Warnings.size(), 1u) << c.Message;
        EXPECT_NE(host.Warnings[0].ToUtf8().find(c.Message), std::string::npos) << host.Warnings[0].ToUtf8();
        EXPECT_EQ(host.Warnings[0].ToUtf8().rfind("Incremental load analysis not run: ", 0), 0u);
        EXPECT_EQ(StoredInputs(m), inputs);
        EXPECT_TRUE(m.IncrementalResult.histogramme[3].SharesWith(before));
        EXPECT_TRUE(host.Entries.empty());
        EXPECT_FALSE(std::filesystem::exists(Folder / "Incremental.out"));
    }
}

} // namespace
