// The post-tensioning dialog's rules: the anchor checks with their messages, the downstream
// anchor's position on the face, and the flag.
#include <gtest/gtest.h>

#include "app/PostTensionRules.h"

namespace {

// Toe at (60, 100); the downstream face rises vertically to D = 110, then straight to
// (L2 + L3, F) = (30, 130) and to (L2 + L4, G) = (10, 160); the crest is 5 wide.
TParametres Section()
{
    TParametres m;
    m.Dim.L1 = 60;
    m.Dim.L2 = 5;
    m.Dim.L3 = 25;
    m.Dim.L4 = 5;
    m.Dim.Elev = {100, 100, 100, 110, 100, 130, 160, 100, 100};
    return m;
}

}  // namespace

TEST(PostTensionRules, CrestCableMustStayOnTheCrest)
{
    TParametres m = Section();
    TPostTensionRules rules(m);
    EXPECT_EQ(rules.CheckCrestCable(5), String());
    EXPECT_EQ(rules.CheckCrestCable(0), String());
    EXPECT_EQ(rules.CheckCrestCable(6), String("Cable out of the crest; maximum value =    5.000"));
}

TEST(PostTensionRules, DownstreamAnchorMustLieBetweenToeAndCrest)
{
    TParametres m = Section();
    TPostTensionRules rules(m);
    const String refused = "Cable not on downstream side; must be between  100.000 and  160.000";
    EXPECT_EQ(rules.CheckDownstreamAnchor(100), refused);
    EXPECT_EQ(rules.CheckDownstreamAnchor(160), refused);
    EXPECT_EQ(rules.CheckDownstreamAnchor(99), refused);
    EXPECT_EQ(rules.CheckDownstreamAnchor(100.001), String());
    EXPECT_EQ(rules.CheckDownstreamAnchor(159.9), String());
}

TEST(PostTensionRules, DownstreamAnchorLiesOnTheFace)
{
    struct Case {
        double elev, x;
    };
    const Case cases[] = {
        {105, 60},    // below D: the vertical part above the toe
        {110, 60},    // at D
        {120, 45},    // halfway from (60, 110) to (30, 130)
        {130, 30},    // at F
        {145, 20},    // halfway from (30, 130) to (10, 160)
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.elev);
        TParametres m = Section();
        TPostTensionRules rules(m);
        rules.ApplyOk({0, 0, 100, 45, c.elev, ptPassive});
        EXPECT_DOUBLE_EQ(m.PostTension.Position2, c.x);
        EXPECT_EQ(m.PostTension.Elev, c.elev);
        EXPECT_EQ(m.PostTension.Angle, 45);
        EXPECT_EQ(m.PostTension.PostTensionType, ptPassive);
    }
    // With D = F the face has no middle part: an anchor at D is on the vertical part.
    TParametres flat = Section();
    flat.Dim.Elev.F = 110;
    EXPECT_DOUBLE_EQ(DownstreamFaceX(flat.Dim, 110), 60);
}

TEST(PostTensionRules, EitherTensionSetsTheFlag)
{
    struct Case {
        double crest, downstream;
        bool flag;
    };
    const Case cases[] = {{0, 0, false}, {-10, 0, false}, {500, 0, true}, {0, 300, true}, {500, 300, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.crest << ", " << c.downstream);
        TParametres m = Section();
        m.Donnees = {daPostTension, daAnalysed};
        TPostTensionRules rules(m);
        rules.ApplyOk({c.crest, 2, c.downstream, 30, 120, ptActive});
        EXPECT_EQ(m.Donnees.Contains(daPostTension), c.flag);
        EXPECT_FALSE(m.Donnees.Contains(daAnalysed));
        EXPECT_EQ(m.PostTension.Tension, c.crest);
        EXPECT_EQ(m.PostTension.Tension2, c.downstream);
        EXPECT_EQ(m.PostTension.Position, 2);
    }
}
