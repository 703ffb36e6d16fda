#include <gtest/gtest.h>

#include <cmath>

#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_statis.h"

TEST(RandGen, NewGeneratorIsUniformAndDrawsTheLowBorder)
{
    TRandGen gen(nullptr);
    EXPECT_EQ(gen.Resolution(), 500);
    for (Integer i = 1; i <= 500; ++i) ASSERT_EQ(gen.GetProbability(i), 1);
    EXPECT_EQ(gen.Random(), 0);
    gen.SetLowBorder(3);
    gen.SetHighBorder(3);
    EXPECT_EQ(gen.Random(), 3);
}

TEST(RandGen, ResolutionIsClampedAndResetsTheTable)
{
    TRandGen gen(nullptr);
    const struct {
        Integer set, want;
    } cases[] = {{5, 10}, {10000, 4000}, {123, 123}, {-1, 10}};
    for (const auto& c : cases) {
        gen.SetProbability(2, 0.5);
        gen.SetResolution(c.set);
        EXPECT_EQ(gen.Resolution(), c.want);
        EXPECT_EQ(gen.GetProbability(2), 1);
        EXPECT_EQ(gen.GetProbability(c.want), 1);
        EXPECT_EQ(gen.GetProbability(c.want + 1), 0);
    }
}

TEST(RandGen, ProbabilitiesAreClampedAndIndicesChecked)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    const struct {
        Integer idx;
        double value, stored;
    } cases[] = {{1, 1.7, 1}, {2, -0.2, 0}, {3, 0.25, 0.25}, {4, std::nan(""), 0}};
    for (const auto& c : cases) {
        gen.SetProbability(c.idx, c.value);
        EXPECT_EQ(gen.GetProbability(c.idx), c.stored);
    }
    gen.SetProbability(0, 0.5);
    gen.SetProbability(11, 0.5);
    EXPECT_EQ(gen.GetProbability(0), 0);
    EXPECT_EQ(gen.GetProbability(11), 0);
}

TEST(RandGen, LambdasAndBinIndices)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    gen.SetLowBorder(0);
    gen.SetHighBorder(10);
    EXPECT_EQ(gen.GetLambda(0), 0);
    EXPECT_EQ(gen.GetLambda(1), 0);
    EXPECT_EQ(gen.GetLambda(4), 3);
    EXPECT_EQ(gen.GetLambda(11), 10);
    const struct {
        double lambda;
        Integer index;
    } cases[] = {{-0.1, 0}, {0, 1}, {0.99, 1}, {3, 4}, {9.99, 10}, {10, 11}, {10.5, 11}, {std::nan(""), 0}};
    for (const auto& c : cases) EXPECT_EQ(gen.IndexOfLambda(c.lambda), c.index) << c.lambda;
}

TEST(RandGen, DrawsFollowTheAcceptanceRule)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    gen.SetLowBorder(0);
    gen.SetHighBorder(10);
    for (Integer i = 1; i <= 10; ++i) gen.SetProbability(i, i % 2 ? 0.3 : 0.9);

    // The same draws recomputed from the definition.
    RandSeed = 2024;
    std::vector<double> expected;
    for (int n = 0; n < 50; ++n) {
        Integer k;
        double a;
        for (;;) {
            k = Random(10);
            a = Random();
            double next = k + 1 < 10 ? gen.GetProbability(k + 2) : 0;
            double v = k + 1 == 10 ? gen.GetProbability(k + 1) * (1 - a)
                                   : gen.GetProbability(k + 1) + a * (next - gen.GetProbability(k + 1));
            if (v >= 1 || v > Random()) break;
        }
        expected.push_back(static_cast<double>((k + static_cast<long double>(a)) * 10 / 10));
    }
    RandSeed = 2024;
    for (double want : expected) ASSERT_EQ(gen.Random(), want);
}

TEST(RandGen, UniformTableAcceptsAtOnceOutsideTheLastBin)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    gen.SetLowBorder(0);
    gen.SetHighBorder(10);
    RandSeed = 5;
    int inLast = 0, inFirst = 0;
    for (int n = 0; n < 20000; ++n) {
        Cardinal before = RandSeed;
        double x = gen.Random();
        ASSERT_GE(x, 0);
        ASSERT_LT(x, 10);
        if (x < 9) {
            // accepted without a third draw when it was the first candidate
            Cardinal s = before * 134775813u + 1u;
            if (static_cast<Integer>((UInt64(s) * 10u) >> 32) < 9) {
                ASSERT_EQ(RandSeed, s * 134775813u + 1u);
            }
        }
        inLast += x >= 9;
        inFirst += x < 1;
    }
    EXPECT_LT(inLast, inFirst * 0.7);  // acceptance falls linearly to 0 at x = 10
}

TEST(RandGen, ZeroTableGivesUpAfterTheCandidateLimit)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    gen.SetHighBorder(1);
    for (Integer i = 1; i <= 10; ++i) gen.SetProbability(i, 0);
    RandSeed = 1;
    double x = gen.Random();
    EXPECT_GE(x, 0);
    EXPECT_LT(x, 1);
    // 100001 candidates of three draws each
    Cardinal s = 1;
    for (int i = 0; i < 3 * 100001; ++i) s = s * 134775813u + 1u;
    EXPECT_EQ(RandSeed, s);
}

TEST(RandGen, NormalizeAndStandardize)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    gen.Normalize();  // constant table: unchanged
    EXPECT_EQ(gen.GetProbability(5), 1);
    for (Integer i = 1; i <= 10; ++i) gen.SetProbability(i, 0);
    EXPECT_FALSE(gen.Standardize());
    for (Integer i = 1; i <= 10; ++i) gen.SetProbability(i, 0.1 * i / 2);
    EXPECT_TRUE(gen.Standardize());
    EXPECT_DOUBLE_EQ(gen.GetProbability(10), 1);
    EXPECT_DOUBLE_EQ(gen.GetProbability(5), 0.5);
    gen.Normalize();
    EXPECT_DOUBLE_EQ(gen.GetProbability(1), 0);
    EXPECT_DOUBLE_EQ(gen.GetProbability(10), 1);
}

TEST(RandGen, DensityFillers)
{
    TRandGen gen(nullptr);
    gen.SetResolution(10);
    gen.SetLowBorder(-5);
    gen.SetHighBorder(5);
    gen.NormalDistri(0, 2);
    EXPECT_EQ(gen.GetProbability(6), 1);  // left edge of bin 6 is the mean
    EXPECT_DOUBLE_EQ(gen.GetProbability(8), std::exp(-4.0 / 8));
    gen.NormalDistri(0.5, 2);  // no edge on the mean: no bin reaches 1
    for (Integer i = 1; i <= 10; ++i) EXPECT_LT(gen.GetProbability(i), 1);

    gen.tDistri(1);  // Cauchy: 1 / (pi (1 + x^2))
    EXPECT_NEAR(gen.GetProbability(6), 1 / M_PI, 1e-9);
    EXPECT_NEAR(gen.GetProbability(7), 1 / (2 * M_PI), 1e-9);

    gen.Chi2Distri(2);  // exp(-x/2) / 2 for x > 0, 0 at 0 and below
    EXPECT_EQ(gen.GetProbability(6), 0);
    EXPECT_EQ(gen.GetProbability(1), 0);
    EXPECT_NEAR(gen.GetProbability(8), std::exp(-1.0) / 2, 1e-9);

    gen.FDistri(2, 2);  // 1 / (1 + x)^2 for x > 0
    EXPECT_NEAR(gen.GetProbability(7), 0.25, 1e-9);
    EXPECT_EQ(gen.GetProbability(6), 0);

    gen.WeibullDistri(1, 2);  // exp(-x/2) / 2
    EXPECT_NEAR(gen.GetProbability(9), std::exp(-1.5) / 2, 1e-12);
    EXPECT_EQ(gen.GetProbability(6), 0);
    gen.WeibullDistri(1, 0);
    EXPECT_EQ(gen.GetProbability(9), 0);

    gen.tDistri(0);
    EXPECT_EQ(gen.GetProbability(6), 0);
    gen.UniformDistri();
    EXPECT_EQ(gen.GetProbability(3), 1);
    EXPECT_NEAR(LnGamma(5), std::log(24.0), 1e-9);
    EXPECT_EQ(LnGamma(0), 0);
}
