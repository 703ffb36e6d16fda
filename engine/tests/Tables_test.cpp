#include "engine/Tables.h"

#include <cmath>

#include <gtest/gtest.h>

namespace {

// The 5.0e6 psi class as published: value = c0 + c1 a + c2 a^2 + c3 a^3 + c4 a^4.
struct TPublishedCurve {
    double ratio;
    double Rr[5];
    double er[5];
};

const TPublishedCurve Class5[] = {
    {0.50, {1.008, 0.002, -0.016, 0.0343, -0.0194}, {0.001, -0.002, 0.016, -0.0343, 0.0194}},
    {0.55, {1.011, 0.0016, 0.0171, -0.0331, 0.0164}, {0.002, -0.0049, 0.0322, -0.0592, 0.0299}},
    {0.60, {1.016, -0.0029, 0.04, -0.0557, 0.0226}, {0.003, -0.0016, 0.0108, -0.0187, 0.0066}},
    {0.65, {1.024, 0.0015, 0.0267, -0.0024, -0.017}, {0.004, -0.0025, 0.0388, -0.061, 0.0206}},
    {0.70, {1.034, 0.0194, -0.0498, 0.1706, -0.1193}, {0.006, 0.0167, -0.0351, 0.0763, -0.0641}},
    {0.75, {1.049, 0.0842, -0.4369, 0.929, -0.533}, {0.009, 0.0323, -0.1269, 0.3061, -0.2203}},
    {0.80, {1.071, 0.1351, -0.8054, 1.7383, -0.9915}, {0.0139, 0.047, -0.2068, 0.5159, -0.3693}},
    {0.85, {1.1002, 0.2085, -1.2545, 2.6918, -1.5326}, {0.0189, 0.0769, -0.3158, 0.7215, -0.5004}},
    {0.90, {1.1394, 0.1727, -1.1232, 2.7596, -1.6628}, {0.0248, 0.109, -0.4264, 0.8999, -0.6054}},
    {0.95, {1.1924, 0.102, -0.6283, 2.0864, -1.388}, {0.0318, 0.1119, -0.3828, 0.8002, -0.5593}},
    {1.00, {1.2613, -0.0287, 0.3778, 0.4432, -0.6023}, {0.0378, 0.1252, -0.3757, 0.7185, -0.5043}},
};

double Quartic(const double c[5], double a)
{
    return c[0] + a * (c[1] + a * (c[2] + a * (c[3] + a * c[4])));
}

TEST(ReservoirFactors, PublishedClassAtItsGridIsExact)
{
    // At alpha = 0 the curves are their c0, at alpha = 1 the sum of the coefficients.
    for (const TPublishedCurve& curve : Class5) {
        for (double alpha : {0.0, 0.5, 1.0}) {
            SCOPED_TRACE(testing::Message() << "H/Hs " << curve.ratio << " alpha " << alpha);
            double Rr = -1, er = -1;
            InterpolateReservoirFactors(5.0e6, curve.ratio, alpha, Rr, er);
            if (alpha == 0) {
                EXPECT_EQ(Rr, curve.Rr[0]);
                EXPECT_EQ(er, curve.er[0]);
            } else {
                EXPECT_NEAR(Rr, Quartic(curve.Rr, alpha), 1e-15);
                EXPECT_NEAR(er, Quartic(curve.er, alpha), 1e-15);
            }
        }
    }
}

TEST(ReservoirFactors, PublishedEntriesOfTheOtherClasses)
{
    struct Case {
        double Es, ratio, alpha, Rr;
    };
    // c0 of Rr at 100 % and the constant curves, exactly as published.
    const Case cases[] = {
        {4.5e6, 1.0, 0, 1.2592}, {4.0e6, 1.0, 0, 1.2591}, {3.5e6, 1.0, 0, 1.256},
        {3.0e6, 1.0, 0, 1.247},  {2.5e6, 1.0, 0, 1.2468}, {2.0e6, 1.0, 0, 1.247},
        {1.0e6, 1.0, 0, 1.247},  {4.5e6, 0.5, 0.7, 1.008}, {4.5e6, 0.55, 0.3, 1.012},
        {2.5e6, 0.55, 0.9, 1.009}, {2.0e6, 0.55, 1.0, 1.009}, {1.0e6, 0.5, 0.6, 1.005},
        {1.0e6, 0.55, 0.2, 1.009},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Es " << c.Es << " H/Hs " << c.ratio);
        double Rr = 0, er = 0;
        InterpolateReservoirFactors(c.Es, c.ratio, c.alpha, Rr, er);
        EXPECT_EQ(Rr, c.Rr);
    }
    for (double Es : {2.0e6, 1.0e6}) {
        double Rr = 0, er = -1;
        InterpolateReservoirFactors(Es, 0.5, 0.8, Rr, er);
        EXPECT_EQ(er, 0.0);
    }
}

TEST(ReservoirFactors, BelowHalfDepthTheDamIsUnaffected)
{
    double Rr = 0, er = -1;
    InterpolateReservoirFactors(3.2e6, 0.3, 0.5, Rr, er);
    EXPECT_EQ(Rr, 1.0);
    EXPECT_EQ(er, 0.0);
    ReservoirFactorsAtClass(5.0e6, 0.47, 0.5, Rr, er); // rounds to 45 %
    EXPECT_EQ(Rr, 1.0);
    EXPECT_EQ(er, 0.0);
}

TEST(ReservoirFactors, JustBelowHalfDepthBlendsWithTheUnaffectedValues)
{
    // H/Hs = 0.49: 0.8 of the 50 % curves and 0.2 of (Rr, er) = (1, 0).
    const double alpha = 0.4;
    double Rr = 0, er = 0;
    InterpolateReservoirFactors(5.0e6, 0.49, alpha, Rr, er);
    EXPECT_NEAR(Rr, 0.8 * Quartic(Class5[0].Rr, alpha) + 0.2 * 1, 1e-14);
    EXPECT_NEAR(er, 0.8 * Quartic(Class5[0].er, alpha), 1e-14);
}

TEST(ReservoirFactors, BetweenRatioStepsIsLinear)
{
    // H/Hs = 0.62: 0.6 of the 60 % curve (nearest step) and 0.4 of the 65 % curve.
    const double alpha = 0.25;
    double Rr = 0, er = 0;
    InterpolateReservoirFactors(5.0e6, 0.62, alpha, Rr, er);
    EXPECT_NEAR(Rr, 0.6 * Quartic(Class5[2].Rr, alpha) + 0.4 * Quartic(Class5[3].Rr, alpha), 1e-14);
    EXPECT_NEAR(er, 0.6 * Quartic(Class5[2].er, alpha) + 0.4 * Quartic(Class5[3].er, alpha), 1e-14);
}

TEST(ReservoirFactors, AboveFullDepthGivesTheFullDepthCurves)
{
    for (double ratio : {1.01, 1.2, 2.0}) {
        double Rr = 0, er = 0;
        InterpolateReservoirFactors(5.0e6, ratio, 0, Rr, er);
        EXPECT_NEAR(Rr, 1.2613, 1e-12) << ratio;
        EXPECT_NEAR(er, 0.0378, 1e-12) << ratio;
    }
}

TEST(ReservoirFactors, ModulusClassesAndTheirWeights)
{
    double Rr = 0, er = 0;
    // Above the highest class: that class alone.
    InterpolateReservoirFactors(7.0e6, 0.8, 0, Rr, er);
    EXPECT_EQ(Rr, 1.071);
    EXPECT_EQ(er, 0.0139);
    // Exactly on a class (2.0e6): that class alone, as at or below the lowest one.
    double Rr2 = 0, er2 = 0, RrAt = 0, erAt = 0;
    InterpolateReservoirFactors(2.0e6, 1.0, 0, Rr2, er2);
    ReservoirFactorsAtClass(2.0e6, 1.0, 0, RrAt, erAt);
    EXPECT_EQ(Rr2, RrAt);
    EXPECT_EQ(er2, erAt);
    InterpolateReservoirFactors(0.5e6, 1.0, 0, Rr, er);
    EXPECT_EQ(Rr, 1.247);
    // Between 4.5 and 5.0e6: a quarter of the way weights 4.5e6 by 0.75.
    InterpolateReservoirFactors(4.625e6, 1.0, 0, Rr, er);
    EXPECT_NEAR(Rr, 0.75 * 1.2592 + 0.25 * 1.2613, 1e-14);
    // Between 1.0 and 2.0e6 the step is 1.0e6: 1.25e6 weights 1.0e6 by 0.75.
    InterpolateReservoirFactors(1.25e6, 1.0, 0, Rr, er);
    EXPECT_NEAR(Rr, 0.75 * 1.247 + 0.25 * 1.247, 1e-14);
}

TEST(FoundationFactors, FitsByRange)
{
    double Rf = 0, ef = -1;
    FoundationFactorsByFit(1, 0.1, 10, Rf, ef);
    EXPECT_EQ(Rf, 1.678);
    EXPECT_NEAR(ef, 0.448 - 1.965 * 0.1 + 5.9509 * 0.01 - 11.438 * 1e-3 + 13.073 * 1e-4 - 8.0385 * 1e-5 + 2.037 * 1e-6,
                1e-15);
    FoundationFactorsByFit(2, 4, 1, Rf, ef); // x = 2
    EXPECT_NEAR(Rf,
                2.96787 - 4.18544 * 2 + 4.0681 * 4 - 2.19199 * 8 + 0.699075 * 16 - 0.13155 * 32 + 0.0135107 * 64 -
                    0.000584113 * 128,
                1e-12);
    EXPECT_NEAR(ef, 0.1309 - 0.1525 * 2 + 0.1234 * 4 - 0.0643 * 8 + 0.0188 * 16 - 0.0028 * 32 + 0.0002 * 64, 1e-14);
    FoundationFactorsByFit(1, 6, 25, Rf, ef);
    EXPECT_EQ(Rf, 1.0);
    EXPECT_EQ(ef, 0.0);
}

TEST(FoundationFactors, UnfittedDampingKeepsTheStoredValue)
{
    double Rf = 0, ef = 0.123;
    FoundationFactorsByFit(1, 0.5, 5, Rf, ef);
    EXPECT_EQ(ef, 0.123);
    EXPECT_NEAR(Rf,
                2.89441 - 11.579 * 0.5 + 40.2131 * 0.25 - 79.2609 * 0.125 + 87.765 * 0.0625 - 50.7907 * 0.03125 +
                    11.9451 * 0.015625,
                1e-12);
}

TEST(FoundationFactors, RatioFiveFitGivesNoDampingTableGivesItsFirstRow)
{
    double Rf = 0, ef = -1;
    FoundationFactorsByFit(1, 5, 10, Rf, ef);
    EXPECT_EQ(ef, 0.0);
    InterpolateFoundationFactors(1, 5, 10, Rf, ef);
    EXPECT_EQ(ef, 0.014);
}

TEST(FoundationFactors, TableEntriesAndInterpolation)
{
    struct Case {
        double x;
        int etaf;
        double ef;
    };
    const Case cases[] = {
        {1.3, 7, 0.05},                                    // row 1.3, column 0.07
        {0.2, 50, 0.351},                                  // last row, last column
        {0.1, 50, 0.351},                                  // below the table: its last row
        {0.1, 12, 0.216},                                  //
        {2.25, 10, 0.5 * 0.035 + 0.5 * 0.028},             // halfway between rows 2.5 and 2.0
        {1.0, 11, 0.5 * 0.067 + 0.5 * 0.07},               // halfway between columns 0.10 and 0.12
        {0.45, 15, 0.25 * (0.127 + 0.148 + 0.131 + 0.153)},  // between rows 0.5, 0.4 and columns 0.14, 0.16
        {5.0, 1, 0.011},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " etaf " << c.etaf);
        double Rf = 0, ef = -1;
        InterpolateFoundationFactors(1, c.x, c.etaf, Rf, ef);
        EXPECT_NEAR(ef, c.ef, 1e-12);
    }
    double Rf = 0, ef = -1;
    InterpolateFoundationFactors(1, 5.5, 10, Rf, ef);
    EXPECT_EQ(Rf, 1.0);
    EXPECT_EQ(ef, 0.0);
    InterpolateFoundationFactors(1, 0.1, 10, Rf, ef);
    EXPECT_EQ(Rf, 1.67);
}

TEST(FoundationFactors, UndefinedInputsStayFinite)
{
    // No concrete stiffness: a rigid foundation (no lengthening, no damping).
    double Rf = 0, ef = -1;
    FoundationFactorsByFit(0, 0, 10, Rf, ef);
    EXPECT_EQ(Rf, 1.0);
    EXPECT_EQ(ef, 0.0);
    InterpolateFoundationFactors(0, 1000, 10, Rf, ef);
    EXPECT_EQ(Rf, 1.0);
    EXPECT_EQ(ef, 0.0);
    // Damping outside 1..50 % is held at the table's first or last column.
    InterpolateFoundationFactors(1, 3.0, 0, Rf, ef);
    EXPECT_EQ(ef, 0.018);
    InterpolateFoundationFactors(1, 3.0, 80, Rf, ef);
    EXPECT_EQ(ef, 0.04);
}

TEST(PressureCoefficients, GridRowsAreExact)
{
    struct Case {
        double Rw, alpha;
        double c0, c7;
    };
    const Case cases[] = {
        {0.5, 1, 0.10027, -11.6608},         // row 1
        {0.99, 1, 0.886414, -13.2635},       // row 13
        {0.3, 1, 0.10027, -11.6608},         // below the first Rw: row 1
        {1.3, 0.9, -0.000170438, -20.4118},  // above the last Rw: row 22
        {0.95, 0.75, 0.201358, -13.5445},    // row 27
        {1.05, 0.5, 0.0723122, -14.341},     // row 38
        {0.7, 0.25, 0.0849052, -12.0859},    // row 42
        {1.2, 0, 0.0181909, -16.5832},       // row 58
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Rw " << c.Rw << " alpha " << c.alpha);
        std::array<double, 8> C{};
        InterpolatePressureCoefficients(c.Rw, c.alpha, C);
        EXPECT_EQ(C[0], c.c0);
        EXPECT_EQ(C[7], c.c7);
    }
}

TEST(PressureCoefficients, InterpolatesInRwThenAlpha)
{
    std::array<double, 8> C{};
    // alpha = 1, Rw = 0.995: beyond the alpha = 1 list, so row 13.
    InterpolatePressureCoefficients(0.995, 1, C);
    EXPECT_EQ(C[2], 0.0765203);
    // alpha 0.95 halfway between the blocks 1 and 0.9, Rw 0.6 halfway between 0.5 and 0.7.
    InterpolatePressureCoefficients(0.6, 0.95, C);
    double upper = 0.5 * 0.10027 + 0.5 * 0.133325;
    double lower = 0.5 * 0.10123 + 0.5 * 0.133325;
    EXPECT_NEAR(C[0], 0.5 * upper + 0.5 * lower, 1e-12);
    // alpha = 1 with Rw = 1.1: the alpha = 1 block stops at 0.99 while the 0.9 block goes on.
    InterpolatePressureCoefficients(1.1, 0.95, C);
    EXPECT_NEAR(C[1], 0.5 * -0.0146994 + 0.5 * -0.102001, 1e-12);
}

TEST(PressureCoefficients, StartUpFillKeepsTheTable)
{
    EXPECT_EQ(PressureCoefficientTable[0][0], 0.10027);
    EXPECT_EQ(PressureCoefficientTable[7][57], -16.5832);
    InitCoefficientTables();
    EXPECT_EQ(PressureCoefficientTable[1][13], 0.0018352);
    EXPECT_EQ(PressureCoefficientTable[0][49], 0.0700558);
}

// 2 * the integral of the row's pressure function over the height (0..1).
double TwiceThePressureIntegral(const double (&c)[8])
{
    double sum = 0;
    for (int n = 0; n < 8; ++n)
        sum += c[n] / (n + 1);
    return 2 * sum;
}

// The pressure function's resultant and the force coefficient Ap come from one reservoir
// response: for a fully absorptive bottom (alpha = 0) each row's 2 * integral of p stays
// within 2 % of Ap at that Rw. The alpha = 0.5 rows, which the alpha = 0 rows once
// repeated, miss it by 9 to 41 %.
TEST(PressureCoefficients, AbsorptiveBottomRowsIntegrateToTheForceCoefficient)
{
    constexpr double Rw[9] = {0.5, 0.7, 0.8, 0.9, 0.95, 1.0, 1.05, 1.1, 1.2};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(testing::Message() << "Rw " << Rw[i]);
        double Ap = 0;
        HydrodynamicForceCoefficient(Rw[i], 0, Ap);
        double absorptive[8], halfReflective[8];
        for (int n = 0; n < 8; ++n) {
            absorptive[n] = PressureCoefficientTable[n][49 + i];
            halfReflective[n] = PressureCoefficientTable[n][31 + i];
        }
        EXPECT_NEAR(TwiceThePressureIntegral(absorptive) / Ap, 1, 0.02);
        EXPECT_GT(std::fabs(TwiceThePressureIntegral(halfReflective) / Ap - 1), 0.02);
    }
}

TEST(ForceCoefficient, FitsAndResonanceLines)
{
    struct Case {
        double Rw, alpha, Ap;
    };
    const Case cases[] = {
        {0.3, 0, 0.206},                                  // below 0.5: the 0.5 fit
        {0.5, 0, 0.206},
        {1.2, 0, 0.181},
        {1.5, 0, 0.181},                                  // above 1.2: the 1.2 fit
        {0.75, 0, 0.5 * 0.201 + 0.5 * 0.198},
        {0.99, 1, 1.242},                                 // resonance lines for alpha = 1
        {0.96, 1, 0.647},
        {0.955, 1, 0.647 - 0.005 * 6.2},
        {0.975, 1, 0.893 - 0.005 * 15.4},
        {0.95, 1, 0.1925 + 0.3051 - 1.3035 + 2.4649 - 1.0698}, // 0.95 itself is on the fit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Rw " << c.Rw << " alpha " << c.alpha);
        double Ap = -1;
        HydrodynamicForceCoefficient(c.Rw, c.alpha, Ap);
        EXPECT_NEAR(Ap, c.Ap, 1e-12);
    }
    // Rw = 0.995 with alpha = 1: the fits between 0.95 and 1.0 again.
    double Ap = 0;
    HydrodynamicForceCoefficient(0.995, 1, Ap);
    double p95 = 0.1925 + 0.3051 - 1.3035 + 2.4649 - 1.0698;
    double p100 = 0.191 - 0.1313 + 1.5521 - 3.3069 + 2.4321;
    EXPECT_NEAR(Ap, p95 + (p100 - p95) * 0.9, 1e-12);
    // Just below alpha = 1 the fits apply at 0.99 too.
    HydrodynamicForceCoefficient(0.99, 0.9999, Ap);
    EXPECT_LT(Ap, 1.0);
}

} // namespace
