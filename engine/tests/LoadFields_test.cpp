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

namespace {

// Every load step over every joint, in the order of the analysis run.
void ComputeAllLoads(TParametres& m)
{
    for (int j = 0; j <= m.NJoints; ++j)
        ComputeSelfWeight(m, j);
    for (int j = 0; j <= m.NJoints; ++j)
        ComputeConcentratedMasses(m, j);
    for (int j = 0; j <= m.NJoints; ++j)
        ComputeReservoirLoads(m, j, false);
    for (int j = 0; j <= m.NJoints; ++j) {
        ComputePostTension(m, j);
        ComputeAppliedForces(m, j);
    }
    for (int j = 0; j <= m.NJoints; ++j) {
        ComputeConcreteInertia(m, j);
        ComputeMassInertia(m, j);
        ComputeHydrodynamicLoads(m, j, m.CoeffSis.SlopeCorr);
        ComputeSiltDynamicLoads(m, j);
    }
    ComputePseudoDynamicLoads(m, 0, -1);
    ComputePseudoDynamicLoads(m, 1, -1);
}

TEST(DegenerateModels, EveryLoadStaysFinite)
{
    struct Case {
        const char* name;
        TDimension dim;
        std::initializer_list<std::pair<double, double>> joints;
    };
    TDimension flat; // every dimension 0: the base joint has no length
    TDimension tall = RectangleSection();
    tall.Elev.F = tall.Elev.G = tall.Elev.E = tall.Elev.D; // no height above D
    TDimension sloped = TriangleSection();
    sloped.Elev.A = 104;
    sloped.Elev.C = 104;
    const Case cases[] = {
        {"flat", flat, {}},
        {"no height", tall, {{100, 0}}},
        {"joint at the crest", RectangleSection(), {{120, 0}, {100, 30}}},
        {"sloped base", sloped, {{104, -10}, {110, 20}}},
    };
    for (const Case& c : cases) {
        for (TSlopeCorrection correction : {scCos2, scCorns, scGeneralized, scNoCorrection}) {
            TParametres m = MakeModel(c.dim, c.joints);
            m.Donnees = {daPseudoStatic, daPseudoDynamic};
            m.Acc.Peak = {0.2, 0.1, 0.4};
            m.Acc.Sust = {0, 0, 0};
            m.CoeffSis = {0, true, correction, {true, 0}};
            m.ChopraC.SlopeCorr = correction;
            m.ChopraCombination = ccSRSS;
            m.Reservoir.NormalUp = 125;
            m.Reservoir.NormalDn = 105;
            m.Reservoir.FloodUp = 130;
            m.Reservoir.FloodDn = 110;
            m.Reservoir.Sediment = 106;
            m.Reservoir.SedWeight = 8;
            m.Reservoir.SedAngle = 30;
            m.Reservoir.SedModel = smPassive;
            m.Reservoir.VertAccOnReservoir = true;
            m.Reservoir.IceLoad = 100;
            m.Masses.Elem.SetLength(1);
            m.Masses.Elem[0] = {0, 100, 100, 100};
            m.PostTension = {100, 0, 100, 90, 130, 0, ptActive};
            ComputeAllLoads(m);
            ListJointLoads(m, [&](const std::string& path, const std::string& value) {
                EXPECT_TRUE(value.find("nan") == std::string::npos && value.find("inf") == std::string::npos)
                    << c.name << " correction " << int(correction) << ": " << path << " = " << value;
            });
        }
    }
}

} // namespace
