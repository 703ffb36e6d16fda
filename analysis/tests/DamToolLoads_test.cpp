// damtool loads on the sample model with the reservoir bottom made more and more absorptive.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "analysis/tests/StudyTestSupport.h"

namespace {

// The value of one "path = value" line of damtool loads' output.
double LoadValue(const std::string& listing, const std::string& path)
{
    const std::string head = path + " = ";
    const size_t at = listing.find("\n" + head);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no line " << path;
        return 0;
    }
    return std::stod(listing.substr(at + 1 + head.size()));
}

// The sample with the wave reflection coefficient alpha, listed by damtool loads.
std::string SampleLoads(const ScratchFolder& folder, double alpha)
{
    TDamFileHostHeadless host;
    LectureFichier1_0(host, String(std::string(ANALYSIS_TEST_DATA) + "/sample.dam"));
    EXPECT_TRUE(host.ProceedFlag());
    host.Model.ChopraC.Alpha = alpha;
    const std::string model = folder / "alpha.dam";
    EXPECT_TRUE(SaveModelFile(String(model), host.Model));
    const std::string line = std::string(DAMTOOL) + " loads '" + model + "' > '" + folder / "loads.txt" + "'";
    const int status = std::system(line.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << line;
    return "\n" + ReadBytes(folder / "loads.txt");
}

// A bottom that absorbs more of the pressure waves leaves less first-mode hydrodynamic force
// on the dam: at the base joint the force falls as alpha goes from 0.5 to 0.25 to 0. (The
// alpha = 0 pressure rows once repeated the alpha = 0.5 rows, which put the force at alpha = 0
// above the one at 0.25.)
TEST(DamToolLoads, FirstModeHydrodynamicForceFallsWithTheBottomsReflection)
{
    ScratchFolder folder;
    const double alphas[] = {0.5, 0.25, 0};
    double previous = 0;
    for (double alpha : alphas) {
        SCOPED_TRACE(testing::Message() << "alpha " << alpha);
        // The force acts downstream, negative in the model's axes.
        const double force = -LoadValue(SampleLoads(folder, alpha), "JointLoad.HD1[0]");
        EXPECT_GT(force, 0);
        if (previous > 0) {
            EXPECT_LT(force, previous);
        }
        previous = force;
    }
}

} // namespace
