// Rich models analysed and studied as the program does, compared byte by byte with the
// results, study files and model files kept in tests/data/unchanged. Faster code must
// leave every one of them as it is. DORVANE_UPDATE_GOLDEN=1 rewrites the kept files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "analysis/IncrementalLoads.h"
#include "analysis/Statistic.h"
#include "analysis/tests/FortyJointModel.h"
#include "analysis/tests/ResultsDump.h"
#include "analysis/tests/StudyModel.h"
#include "analysis/tests/StudyTestSupport.h"

namespace {

class UnchangedResultsTest : public ::testing::Test {
protected:
    // The bytes against the kept file of that name; on a difference the line where the
    // two part is shown and the bytes are written beside the test's scratch files.
    void ExpectKept(const std::string& name, const std::string& bytes)
    {
        const std::string kept = std::string(ANALYSIS_TEST_DATA) + "/unchanged/" + name;
        if (std::getenv("DORVANE_UPDATE_GOLDEN")) {
            std::ofstream(kept, std::ios::binary) << bytes;
            return;
        }
        const std::string expected = ReadBytes(kept);
        ASSERT_FALSE(expected.empty()) << kept << " is missing";
        if (bytes == expected)
            return;
        size_t at = 0;
        while (at < bytes.size() && at < expected.size() && bytes[at] == expected[at])
            ++at;
        const size_t lineStart = expected.rfind('\n', at) == std::string::npos ? 0 : expected.rfind('\n', at) + 1;
        ADD_FAILURE() << name << " differs from byte " << at << ", in the line starting\n  kept:   "
                      << expected.substr(lineStart, 160) << "\n  actual: " << bytes.substr(lineStart, 160);
    }
    void ExpectKeptFile(const std::string& name) { ExpectKept(name, ReadBytes(Folder / name)); }
    void ExpectKeptModel(const std::string& name, TParametres& model)
    {
        std::vector<Byte> image;
        EcritureFichier(image, model);
        ExpectKept(name, std::string(image.begin(), image.end()));
    }

    ScratchFolder Folder;
};

// Forty joints, every load, pseudo-dynamic seismic #2; then cracked joints searched by
// bisection to the coarsest accuracy and by Brent's method to the finest.
TEST_F(UnchangedResultsTest, FortyJointAnalysis)
{
    TParametres model = Analysed(FortyJointModel());
    ExpectKept("forty.results", ResultsOf(model));
    ExpectKeptModel("forty.dam", model);

    // No tensile strength and strong shaking: many joints crack; cracks found in some.
    const auto cracked = [](TRootMethod method, TRootAccuracy accuracy) {
        TParametres m = FortyJointModel();
        m.JointMaterials[0].ft = 0;
        m.Acc.Peak.horizontal = 0.5;
        m.Acc.Sust.horizontal = 0.3;
        m.Reservoir.NormalUp = 179;
        m.Cracking.UpliftInDownStreamClosedCrack = true;
        for (int j = 0; j <= m.NJoints; j += 3) {
            m.Cracks.Up[j] = 0.1;
            m.Cracks.Down[j] = 0.05;
        }
        m.Cracking.RootMethod = method;
        m.Cracking.RootAccuracy = accuracy;
        return Analysed(m);
    };
    ExpectKept("forty-bisection.results", ResultsOf(cracked(rmBisection, raCoarse)));
    const TParametres brent = cracked(rmBrent, raFine);
    ExpectKept("forty-brent.results", ResultsOf(brent));
}

// The study model and its Monte-Carlo run of seismic #2 with every file.
TEST_F(UnchangedResultsTest, MonteCarloStudy)
{
    TParametres model = MonteCarloModel(400);
    TStatistiques& st = model.Statistiques;
    st.FichierInput = Folder / "Statistic.in";
    st.FichierOutput = Folder / "Statistic.out";
    st.FichierInCDF = Folder / "PDF_CDF.in";
    st.FichierOutCDF = Folder / "PDF_CDF.out";
    model = Analysed(model);
    ExpectKept("study.results", ResultsOf(model));
    RandSeed = 4711;
    TSilentLongRunHost host;
    StatisticalAnalyses(model, host, TFormatSettings::English());
    ASSERT_TRUE(host.Warnings.empty());
    for (const char* name : {"Statistic.in", "Statistic.out", "PDF_CDF.in", "PDF_CDF.out"})
        ExpectKeptFile(name);
    ExpectKept("montecarlo.results", ResultsOf(model));
    st.FichierInput = st.FichierOutput = st.FichierInCDF = st.FichierOutCDF = "";
    ExpectKeptModel("montecarlo.dam", model);
}

// A Monte-Carlo run that leaves the reservoir as it is: only the tensile strength, the
// cohesion and the ground acceleration are drawn.
TEST_F(UnchangedResultsTest, MonteCarloStudyOfTheShaking)
{
    TParametres model = MonteCarloModel(300);
    TStatistiques& st = model.Statistiques;
    st.Selection[4] = false;
    st.FichierInput = Folder / "Shaking.in";
    st.FichierOutput = Folder / "Shaking.out";
    st.FichierInCDF = Folder / "Shaking_PDF_CDF.in";
    st.FichierOutCDF = Folder / "Shaking_PDF_CDF.out";
    model = Analysed(model);
    RandSeed = 1913;
    TSilentLongRunHost host;
    StatisticalAnalyses(model, host, TFormatSettings::English());
    ASSERT_TRUE(host.Warnings.empty());
    for (const char* name : {"Shaking.in", "Shaking.out", "Shaking_PDF_CDF.in", "Shaking_PDF_CDF.out"})
        ExpectKeptFile(name);
    ExpectKept("shaking.results", ResultsOf(model));
}

// Incremental runs of the normal upstream level (usual combination) and of the peak
// ground acceleration (seismic #2, pseudo-dynamic).
TEST_F(UnchangedResultsTest, IncrementalStudies)
{
    TParametres level = IncrementalModel();
    level.IncrementLoad.FichierOutput = Folder / "Incremental.out";
    level = Analysed(level);
    TSilentLongRunHost host;
    IncrementalLoadAnalysis(level, host, TFormatSettings::English());
    ExpectKeptFile("Incremental.out");
    ExpectKept("incremental-level.results", ResultsOf(level));

    TParametres shaking = IncrementalModel();
    TIncrementLoad& il = shaking.IncrementLoad;
    il.Loading = 3;
    il.StartValue[3] = 0.05;
    il.EndValue[3] = 0.4;
    il.IncrementValue[3] = 0.01;
    il.Combination = 5;
    il.FichierOutput = Folder / "Acceleration.out";
    shaking = Analysed(shaking);
    IncrementalLoadAnalysis(shaking, host, TFormatSettings::English());
    ASSERT_TRUE(host.Warnings.empty());
    ExpectKeptFile("Acceleration.out");
    ExpectKept("incremental-acceleration.results", ResultsOf(shaking));
    il.FichierOutput = "";
    ExpectKeptModel("incremental.dam", shaking);
}

} // namespace
