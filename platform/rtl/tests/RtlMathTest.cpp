#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/rtl/RtlMath.h"

TEST(RtlMath, RoundingRules)
{
    struct Case { Extended x; Int64 round, trunc; };
    const Case cases[] = {
        {0.5L, 0, 0}, {1.5L, 2, 1}, {2.5L, 2, 2}, {-0.5L, 0, 0}, {-1.5L, -2, -1}, {-2.5L, -2, -2},
        {2.4999L, 2, 2}, {-2.6L, -3, -2}, {1e10L + 0.5L, 10000000000LL, 10000000000LL},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Round(c.x), c.round) << static_cast<double>(c.x);
        EXPECT_EQ(Trunc(c.x), c.trunc) << static_cast<double>(c.x);
    }
    EXPECT_EQ(Int(-3.7L), -3.0L);
    EXPECT_NEAR(static_cast<double>(Frac(-3.75L)), -0.75, 1e-15);
}

TEST(RtlMath, MulDivRoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, 4), 1);
    EXPECT_EQ(MulDiv(96, 72, 96), 72);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
}

TEST(RtlMath, Power)
{
    EXPECT_EQ(Power(2, 10), 1024.0L);
    EXPECT_EQ(Power(2, -2), 0.25L);
    EXPECT_EQ(Power(0, 3), 0.0L);
    EXPECT_NEAR(static_cast<double>(Power(9, 0.5L)), 3.0, 1e-15);
}

TEST(RtlMath, ExtendedImageRoundTrips)
{
    const Extended values[] = {0.0L, 1.0L, -1.0L, 3.14159265358979323846L, 1e-4940L, 1e4000L,
                               -123456.789L, std::numeric_limits<Extended>::infinity()};
    for (Extended v : values) {
        Byte image[10];
        ExtendedToBytes(v, image);
        EXPECT_EQ(ExtendedFromBytes(image), v);
    }
    Byte one[10];
    ExtendedToBytes(1.0L, one);
    const Byte expected[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(one[i], expected[i]) << i;
    Byte nan[10];
    ExtendedToBytes(NAN, nan);
    EXPECT_TRUE(std::isnan(ExtendedFromBytes(nan)));
}
