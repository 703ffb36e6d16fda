// damtool montecarlo and incremental on a model file; DAMTOOL names the tool.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "analysis/Statistic.h"
#include "analysis/tests/StudyModel.h"
#include "analysis/tests/StudyTestSupport.h"

namespace {

class DamToolStudiesTest : public ::testing::Test {
protected:
    int Run(const std::string& command, const std::string& model, const std::string& folder)
    {
        const std::string line = std::string(DAMTOOL) + " " + command + " '" + Folder / model + "' '" +
                                 Folder / folder + "' > '" + Folder / "stdout.txt" + "' 2> '" + Folder / "stderr.txt" + "'";
        const int status = std::system(line.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    void Save(const std::string& name, TParametres model) { ASSERT_TRUE(SaveModelFile(String(Folder / name), model)); }

    ScratchFolder Folder;
};

TEST_F(DamToolStudiesTest, TwoMonteCarloRunsWriteTheSameFiles)
{
    Save("study.dam", MonteCarloModel(500));
    ASSERT_EQ(Run("montecarlo", "study.dam", "first"), 0) << ReadBytes(Folder / "stderr.txt");
    EXPECT_EQ(ReadBytes(Folder / "stdout.txt"), "Statistic.in\nPDF_CDF.in\nPDF_CDF.out\nStatistic.out\n");
    ASSERT_EQ(Run("montecarlo", "study.dam", "second"), 0);
    for (const char* name : {"Statistic.in", "Statistic.out", "PDF_CDF.in", "PDF_CDF.out"}) {
        const std::string first = ReadBytes(Folder / "first/" + name);
        EXPECT_GT(first.size(), 1000u) << name;
        EXPECT_EQ(ReadBytes(Folder / "second/" + name), first) << name;
    }
    EXPECT_EQ(ReadCrLfLines(Folder / "first/Statistic.in").size(), 501u);

    // The tool draws from where a program start leaves the sequence.
    TParametres model = Analysed(MonteCarloModel(500));
    model.Statistiques.FichierInput = Folder / "Statistic.in";
    model.Statistiques.SauverResultats = model.Statistiques.SauverInputCDF = false;
    model.Statistiques.SauverOutPutCDF = false;
    TSilentLongRunHost host;
    StatisticalAnalyses(model, host);
    EXPECT_EQ(ReadBytes(Folder / "Statistic.in"), ReadBytes(Folder / "first/Statistic.in"));
}

TEST_F(DamToolStudiesTest, IncrementalRunWritesOneLinePerStep)
{
    Save("study.dam", IncrementalModel());
    ASSERT_EQ(Run("incremental", "study.dam", "out"), 0) << ReadBytes(Folder / "stderr.txt");
    EXPECT_EQ(ReadBytes(Folder / "stdout.txt"), "Incremental.out\n");
    const std::vector<std::string> lines = ReadCrLfLines(Folder / "out/Incremental.out");
    ASSERT_EQ(lines.size(), 22u);
    for (int s = 1; s <= 21; ++s)
        EXPECT_DOUBLE_EQ(std::stod(lines[s].substr(0, 13)), 139.0 + s);
}

TEST_F(DamToolStudiesTest, ARequestThatCannotRunFails)
{
    TParametres model = IncrementalModel();
    model.IncrementLoad.IncrementValue[1] = 0;
    Save("zero.dam", model);
    EXPECT_EQ(Run("incremental", "zero.dam", "out"), 1);
    EXPECT_EQ(ReadBytes(Folder / "stderr.txt"), "Incremental load analysis not run: the increment is 0.\n");
    EXPECT_EQ(Run("montecarlo", "missing.dam", "out"), 1);
}

} // namespace
