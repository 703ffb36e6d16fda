// The pre-cracked joints window's list and crack setting, without the window.
#include <gtest/gtest.h>

#include "app/CracksRules.h"

namespace {

// Three lift joints at 130, 120 and 110 m of 10, 20 and 30 m, the base joint at 100 m of 40 m.
TParametres ThreeJoints(TUnites unites = SI)
{
    TParametres m;
    m.unites = unites;
    m.NJoints = 3;
    SizeJointArrays(m.Joint, m.JointLoad, 3);
    SizeCracks(m.Cracks, 3);
    SizeJointMaterials(m.JointMaterials, 1);
    m.JointMaterials[0].nom = "Rock";
    m.JointMaterials[1].nom = "Lift";
    const double elev[] = {100, 130, 120, 110}, length[] = {40, 10, 20, 30};
    for (int j = 0; j <= 3; ++j) {
        m.Joint.Elev[j] = elev[j];
        m.Joint.Length[j] = length[j];
        m.Joint.mat[j] = j == 0 ? 0 : 1;
    }
    return m;
}

}  // namespace

TEST(CracksRules, TheListShowsTheLiftJointsThenTheBaseJoint)
{
    const Integer joints[] = {1, 2, 3, 0};
    for (Integer line = 0; line < 4; ++line) EXPECT_EQ(JointOfLine(line, 3), joints[line]);
    EXPECT_EQ(JointOfLine(0, 0), 0);

    TParametres m = ThreeJoints();
    m.Cracks.Up[2] = 0.25;
    m.Cracks.Down[2] = 0.1;
    EXPECT_EQ(CrackListLine(m, 2, false), String("  120.000         Lift      5.000       2.000"));
    EXPECT_EQ(CrackListLine(m, 2, true), String("  120.000         Lift     25.000      10.000"));
    EXPECT_EQ(CrackListLine(m, 0, false), String("  100.000         Rock      0.000       0.000"));
}

TEST(CracksRules, LengthsBecomeFractionsOfEachJoint)
{
    TParametres m = ThreeJoints();
    // 2 m on joints of 10 m and 20 m: the same length, different fractions.
    EXPECT_TRUE(SetCrackLengths(m, {1, 2}, 2, 0, false).empty());
    EXPECT_DOUBLE_EQ(m.Cracks.Up[1], 0.2);
    EXPECT_DOUBLE_EQ(m.Cracks.Up[2], 0.1);
    EXPECT_EQ(m.Cracks.Down[1], 0);
    EXPECT_EQ(m.Cracks.Up[3], 0);

    // Percentages: 30 and 70 fill the joint, 30 and 80 are refused and keep the old values.
    EXPECT_TRUE(SetCrackLengths(m, {3}, 30, 70, true).empty());
    EXPECT_DOUBLE_EQ(m.Cracks.Up[3], 0.3);
    EXPECT_DOUBLE_EQ(m.Cracks.Down[3], 0.7);
    const std::vector<String> refused = SetCrackLengths(m, {1, 3}, 30, 80, true);
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused[0], String("Illegal values for Joint at elevation   130.000 m.\r"
                                 "Crack lengths are ignored for this joint."));
    EXPECT_DOUBLE_EQ(m.Cracks.Up[1], 0.2);
    EXPECT_DOUBLE_EQ(m.Cracks.Down[3], 0.7);
}

TEST(CracksRules, ValuesThatCannotCrackAJointAreRefused)
{
    TParametres m = ThreeJoints(US);
    m.Joint.Length[2] = 0;
    struct Case {
        Integer joint;
        double up, down;
        bool percentage, accepted;
    };
    const Case cases[] = {
        {2, 1, 0, false, false},   // a length on a joint of no length
        {2, 0, 0, false, true},    // no crack on it is fine
        {1, -1, 0, false, false},  // a negative crack
        {1, 0, -5, true, false},
        {1, 4, 6, false, true},    // exactly the joint's length
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        m.Cracks.Up[c.joint] = m.Cracks.Down[c.joint] = 0.05;
        const std::vector<String> warnings = SetCrackLengths(m, {c.joint}, c.up, c.down, c.percentage);
        EXPECT_EQ(warnings.empty(), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(m.Cracks.Up[c.joint], 0.05);
            EXPECT_NE(warnings[0].ToUtf8().find(" ft.\r"), std::string::npos);
        }
    }
}
