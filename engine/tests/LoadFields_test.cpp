#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/Loads.h"
#include "engine/tests/LoadsTestModel.h"

namespace {

std::vector<std::string> Listing(const TParametres& m)
{
    std::vector<std::string> lines;
    ListJointLoads(m, [&](const std::string& path, const std::string& value) { lines.push_back(path + " = " + value); });
    return lines;
}

TEST(ListJointLoads, EveryFieldOfEveryJointInOrder)
{
    TParametres m = MakeModel(RectangleSection(), {{110, 0}});
    m.PostTension.Tension = 0; // gives a negative zero
    for (int j : {0, 1}) {
        ComputeSelfWeight(m, j);
        ComputePostTension(m, j);
    }
    std::vector<std::string> lines = Listing(m);
    // Per joint: the area, 67 components, 5 x 7 per-case uplift values, 68 positions; then
    // 19 modal quantities.
    const size_t perJoint = 1 + 67 + 35 + 68;
    ASSERT_EQ(lines.size(), 2 * perJoint + 19);
    EXPECT_EQ(lines[0], "Joint.Volume[0] = 200");
    EXPECT_EQ(lines[1], "JointLoad.Pc[0] = 0");
    EXPECT_EQ(lines[4], "JointLoad.Wv[0] = -4708.8");
    EXPECT_EQ(lines[68], "JointLoad.U[1][0] = 0");
    EXPECT_EQ(lines[103], "JointLoad.xPc[0] = 0");
    EXPECT_EQ(lines[106], "JointLoad.xW[0] = 5");
    EXPECT_EQ(lines[perJoint - 1], "JointLoad.xMqvp[0] = 0");
    EXPECT_EQ(lines[perJoint], "Joint.Volume[1] = 100");
    EXPECT_EQ(lines[2 * perJoint], "ChopraC.TDam = 0");
    EXPECT_EQ(lines.back(), "ChopraC.Hreservoir = 0");
}

} // namespace
