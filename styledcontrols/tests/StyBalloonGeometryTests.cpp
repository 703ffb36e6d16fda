// Balloon geometry: margins per style, placement per side with its fall-back order, nose points.
#include <gtest/gtest.h>

#include "styledcontrols/StyCustomShapeHint.h"
#include "styledcontrols/tests/StyledTestSupport.h"

TEST(StyBalloonGeometry, TheDefaultBalloonGrowsByFortyEachWay)
{
    TStyBalloonMetrics m;   // nosed round rectangle, shadow 6, nose 25/25, corner 18
    // 40 = nose length 25 + shadow 6 + 9 down; 25 + 6 + 18 div 2 across.
    EXPECT_EQ(RectText(AddShapeMargins(m, {0, 0, 100, 13})), "0,0,140,53");
    // A narrow text is first widened to nose width + corner = 43.
    EXPECT_EQ(RectText(AddShapeMargins(m, {0, 0, 10, 13})), "0,0,83,53");
}

TEST(StyBalloonGeometry, MarginsOfEachStyle)
{
    struct TCase {
        TStyHintStyle style;
        const char* grown;
    } cases[] = {
        {hsRect, "0,0,70,36"},            // d + 4, d
        {hsRoundRect, "0,0,75,40"},       // d + RR div 2, d + 4
        {hsEllipse, "0,0,86,46"},         // d + 60 div 3, d + 30 div 3
        {hsNoseRect, "0,0,100,70"},       // 25 + 6 + 9, 25 + 6 + 9
        {hsNoseEllipse, "0,0,121,76"},    // d + 60 div 2 + 25, d + 30 div 2 + 25
    };
    for (const auto& c : cases) {
        TStyBalloonMetrics m;
        m.Style = c.style;
        EXPECT_EQ(RectText(AddShapeMargins(m, {0, 0, 60, 30})), c.grown) << int(c.style);
    }
}

TEST(StyBalloonGeometry, PlacementPerSideAndTheFallBackOrder)
{
    const TRect desk{0, 0, 1000, 800};
    TStyBalloonMetrics m;
    struct TCase {
        TStyHintPosition asked;
        TPoint origin;
        TStyHintPosition taken;
        const char* bounds;
    } cases[] = {
        {hpAboveLeft, {500, 400}, hpAboveLeft, "399,349,499,399"},     // x - D - w, y - D - h
        {hpAboveRight, {500, 400}, hpAboveRight, "501,349,601,399"},   // x + D
        {hpBelowLeft, {500, 400}, hpBelowLeft, "397,401,497,451"},     // x - 3D - w, y + D
        {hpBelowRight, {500, 400}, hpBelowRight, "506,401,606,451"},   // x + 6D
        // Near the right edge with room above: below-right does not fit, above-left (next) does.
        {hpBelowRight, {950, 400}, hpAboveLeft, "849,349,949,399"},
        // In the top-left corner above-left, above-right and below-left fail: below-right fits.
        {hpAboveLeft, {10, 10}, hpBelowRight, "16,11,116,61"},
    };
    for (const auto& c : cases) {
        TRect bounds;
        EXPECT_EQ(PlaceBalloon(m, c.asked, c.origin, {100, 50}, 1, desk, bounds), c.taken) << int(c.asked);
        EXPECT_EQ(RectText(bounds), c.bounds) << int(c.asked);
    }
}

TEST(StyBalloonGeometry, NosePointsPerSide)
{
    TStyBalloonMetrics m;
    const Integer W = 140, H = 60;   // d 6, NL 25, NW 25
    struct TCase {
        TStyHintPosition pos;
        const char* body;
        TPoint from, to, tip;
    } cases[] = {
        {hpAboveLeft, "1,0,109,29", {64, 29}, {89, 29}, {134, 54}},
        {hpAboveRight, "25,0,134,29", {45, 29}, {70, 29}, {0, 54}},
        {hpBelowLeft, "1,25,109,54", {64, 26}, {89, 26}, {140, 1}},
        {hpBelowRight, "25,25,134,54", {45, 26}, {70, 26}, {0, 0}},
    };
    for (const auto& c : cases) {
        TStyBalloonShape s = BalloonShape(m, c.pos, W, H);
        EXPECT_EQ(RectText(s.Body), c.body) << int(c.pos);
        EXPECT_EQ(s.BaseFrom.X, c.from.X);
        EXPECT_EQ(s.BaseFrom.Y, c.from.Y);
        EXPECT_EQ(s.BaseTo.X, c.to.X);
        EXPECT_EQ(s.Tip.X, c.tip.X) << int(c.pos);
        EXPECT_EQ(s.Tip.Y, c.tip.Y) << int(c.pos);
    }
    // A right-angled nose below-right: the tip under the base's left end, the balloon moved left.
    m.RightAngledNose = true;
    TStyBalloonShape s = BalloonShape(m, hpBelowRight, W, H);
    EXPECT_EQ(s.Tip.X, s.BaseFrom.X);
    TRect bounds;
    PlaceBalloon(m, hpBelowRight, {500, 400}, {W, H}, 1, {0, 0, 1000, 800}, bounds);
    // The balloon moves left by NL + 20 = 45: the vertical nose edge stands where the balloon's
    // corner would have been, x + 6 D.
    EXPECT_EQ(bounds.Left, 506 - 45);
    EXPECT_EQ(bounds.Left + s.Tip.X, 506);
}
