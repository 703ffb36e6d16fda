#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "numerics/VEZ_intvector.h"
#include "numerics/VEZ_vector.h"

namespace {

std::unique_ptr<TVector> Vec(std::initializer_list<double> values)
{
    auto v = std::make_unique<TVector>(nullptr);
    v->Resize(static_cast<Integer>(values.size()));
    Integer k = 1;
    for (double x : values) v->SetVal(k++, x);
    return v;
}

class ChangeCounter : public TObject {
public:
    void Changed(TObject*) { ++Count; }
    int Count = 0;
};

}  // namespace

struct MeanVarCase {
    std::initializer_list<double> values;
    double mean, variance;
};

TEST(VectorStat, MeanAndVariance)
{
    const MeanVarCase cases[] = {{{2, 4}, 3, 1}, {{2, 4, 6}, 4, 4}, {{7}, 7, 1}, {{1, 1, 1, 1}, 1, 0}};
    for (const MeanVarCase& c : cases) {
        double mean, variance;
        Vec(c.values)->MeanVar(0, 0, mean, variance);
        EXPECT_DOUBLE_EQ(mean, c.mean);
        EXPECT_DOUBLE_EQ(variance, c.variance);
    }
    EXPECT_DOUBLE_EQ(Vec({1, 2, 3, 4})->Sum(3, 9), 7);
}

struct QuartileCase {
    std::initializer_list<double> values;
    double q1, q2, q3;
};

TEST(VectorStat, QuartilesPercentilesAndMode)
{
    const QuartileCase cases[] = {{{1, 2, 3, 4}, 1.25, 2.5, 3.75}, {{5, 9}, 5, 7, 9}, {{3}, 3, 3, 3}};
    for (const QuartileCase& c : cases) {
        double q1, q2, q3;
        EXPECT_TRUE(Vec(c.values)->Quartiles(0, 0, q1, q2, q3));
        EXPECT_DOUBLE_EQ(q1, c.q1);
        EXPECT_DOUBLE_EQ(q2, c.q2);
        EXPECT_DOUBLE_EQ(q3, c.q3);
    }
    auto v = Vec({4, 1, 3, 2});
    EXPECT_DOUBLE_EQ(v->Percentile(50, 0, 0), 2.5);
    EXPECT_DOUBLE_EQ(v->Percentile(100, 0, 0), 4);
    EXPECT_DOUBLE_EQ(v->Percentile(-5, 0, 0), 1);
    EXPECT_DOUBLE_EQ(Vec({3, 1, 3, 2, 1})->Mode(0, 0), 1);
    EXPECT_DOUBLE_EQ(Vec({4, 2, 9})->Mode(0, 0), 2);
}

TEST(VectorStat, MeansAndTheirErrors)
{
    EXPECT_DOUBLE_EQ(Vec({4, 0, 9})->GeometricMean(0, 0), 0);
    EXPECT_NEAR(Vec({1, 4, 16})->GeometricMean(0, 0), 4, 1e-14);
    try {
        Vec({1, -1})->GeometricMean(0, 0);
        FAIL();
    } catch (const EVEZVectorError& e) {
        EXPECT_EQ(e.Message(), String("Component \"\": negative argument passed to GeometricMean"));
    }
    EXPECT_DOUBLE_EQ(Vec({1, 2, 4})->HarmonicMean(0, 0), 12.0 / 7);
    EXPECT_THROW(Vec({1, 0})->HarmonicMean(0, 0), EVEZVectorError);
}

TEST(VectorStat, SkewnessAndKurtosis)
{
    double skew, kurt;
    Vec({1, 2, 3})->SkewKurt(0, 0, skew, kurt);
    EXPECT_EQ(skew, 0);
    EXPECT_EQ(kurt, 0);
    // 1, 2, 3, 10: mean 4, deviations -3, -2, -1, 6.
    Vec({1, 2, 3, 10})->SkewKurt(0, 0, skew, kurt);
    const double s = std::sqrt(50.0 / 3);
    EXPECT_NEAR(skew, (-27 - 8 - 1 + 216) / 4.0 / (s * s * s), 1e-12);
    EXPECT_NEAR(kurt, (81 + 16 + 1 + 1296) / 4.0 / (s * s * s * s) - 3, 1e-12);
    double sSkew, sKurt;
    Vec({1, 2, 3, 10})->SkewKurtSample(0, 0, sSkew, sKurt);
    EXPECT_NEAR(sSkew, 16 * skew / 6, 1e-12);
    EXPECT_NEAR(sKurt, (kurt + 3) * 16 * 5 / 6 - 3 * 9 / 2.0, 1e-12);
}

TEST(VectorStat, ArithmeticAndGeometry)
{
    auto a = Vec({0, 0});
    auto b = Vec({3, 4});
    EXPECT_DOUBLE_EQ(a->EuclideanDistance(b.get()), 5);
    try {
        a->EuclideanDistance(Vec({1, 2, 3}).get());
        FAIL();
    } catch (const EVEZVectorError& e) {
        EXPECT_EQ(e.Message(), String("EuclideanDistance: dimensions of vectors do not match"));
    }
    try {
        a->DotProduct(Vec({1, 2, 3}).get());
        FAIL();
    } catch (const EVEZVectorError& e) {
        EXPECT_EQ(e.Message(), String("Component \"\": vectors have different dimensions"));
    }
    EXPECT_EQ(a->DotProduct(nullptr), 0);
    EXPECT_DOUBLE_EQ(b->Leng(), 5);
    b->SetLeng(10);
    EXPECT_DOUBLE_EQ(b->GetVal(1), 6);
    a->SetLeng(3);
    EXPECT_EQ(a->GetVal(1), 0);
    auto c = Vec({1, 2, 3});
    EXPECT_DOUBLE_EQ(c->Correlate(c.get(), 0), 14);
    EXPECT_DOUBLE_EQ(c->Correlate(c.get(), 2), 0);
    EXPECT_DOUBLE_EQ(c->Correlate(c.get(), 1), 2 * 1 + 3 * 2);
    EXPECT_NEAR(c->PearsonCorrCoeff(Vec({2, 4, 6}).get()), 1, 1e-14);
    EXPECT_NEAR(c->PearsonCorrCoeff(Vec({3, 2, 1}).get()), -1, 1e-14);
    EXPECT_EQ(c->PearsonCorrCoeff(Vec({5, 5, 5}).get()), 0);

    ChangeCounter counter;
    c->SetOnChange(TNotifyEvent(&counter, &ChangeCounter::Changed));
    double mean, sd;
    c->Standardize(mean, sd);
    EXPECT_DOUBLE_EQ(mean, 2);
    EXPECT_DOUBLE_EQ(sd, 1);
    EXPECT_DOUBLE_EQ(c->GetVal(3), 1);
    EXPECT_EQ(counter.Count, 0);
    c->SMult(2);
    EXPECT_EQ(counter.Count, 1);
}

TEST(VectorStat, Searches)
{
    auto v = Vec({1, 2, 3, 4});
    EXPECT_EQ(v->FindInSortedVector(true, 2.6), 3);
    EXPECT_EQ(v->FindInSortedVector(true, 2.5), 3);
    EXPECT_EQ(v->FindInSortedVector(true, 2), 2);
    EXPECT_EQ(Vec({4, 3, 2, 1})->FindInSortedVector(false, 3.2), 2);
    EXPECT_EQ(v->Find(0, 0, 2.5), 2);
    EXPECT_EQ(v->Find(3, 4, 0), 3);
    double v1, v2;
    EXPECT_TRUE(Vec({2, 2, 2})->IsDichotomous(v1, v2));
    EXPECT_EQ(v1, v2);
    EXPECT_TRUE(Vec({2, 5, 2})->IsDichotomous(v1, v2));
    EXPECT_FALSE(Vec({1, 2, 3})->IsDichotomous(v1, v2));
    EXPECT_FALSE(Vec({1})->IsDichotomous(v1, v2));
}

TEST(VectorStat, Histogram)
{
    auto v = Vec({10.5, 11, -0.1, 0, 3.2, 3.7});
    TIntVector histo(nullptr);
    Integer under = -1, over = -1, maxCnt = -1;
    ASSERT_TRUE(v->Histogram(1, 6, 0, 10, 1, &histo, under, over, maxCnt));
    EXPECT_EQ(histo.NrOfElem(), 11);
    EXPECT_EQ(histo.GetVal(11), 1);
    EXPECT_EQ(histo.GetVal(4), 2);
    EXPECT_EQ(under, 1);
    EXPECT_EQ(over, 1);
    EXPECT_EQ(maxCnt, 2);
    EXPECT_FALSE(v->Histogram(1, 6, 0, 10, 0.01, &histo, under, over, maxCnt));
    EXPECT_EQ(histo.NrOfElem(), 11);
    EXPECT_EQ(histo.GetVal(4), 2);
    EXPECT_FALSE(v->Histogram(1, 6, 0, 10, 0, &histo, under, over, maxCnt));
}

struct IntegrateCase {
    double low, high;
    TIntegMethod method;
    double expected;
};

TEST(VectorStat, Integration)
{
    auto ones = Vec({1, 1, 1, 1});
    for (TIntegMethod m : {imSimple, imTrapezoidal, imSimpson}) {
        EXPECT_DOUBLE_EQ(ones->Integrate(1, 4, m), 3);
        EXPECT_DOUBLE_EQ(ones->Integrate(1.5, 1.5, m), 0);
        EXPECT_DOUBLE_EQ(ones->Integrate(4, 1, m), 3);
    }
    // Samples of x^2 at 1..9 (x = position): Simpson's rules are exact for it.
    auto square = Vec({1, 4, 9, 16, 25, 36, 49, 64, 81});
    const IntegrateCase cases[] = {
        {1, 3, imSimpson, (27 - 1) / 3.0},
        {1, 4, imSimpson, (64 - 1) / 3.0},
        {1, 5, imSimpson, (125 - 1) / 3.0},
        {1, 2, imTrapezoidal, 2.5},
        {1.5, 2.5, imTrapezoidal, (2.5 + 4) / 2 * 0.5 + (4 + 6.5) / 2 * 0.5},
        {1.25, 1.75, imTrapezoidal, (1.75 + 3.25) / 2 * 0.5},
        {1, 3, imSimple, (1 + 4 + 9) / 3.0 * 2},
        {8.2, 8.6, imSimple, (64 + 81) / 2.0 * 0.4},
    };
    for (const IntegrateCase& c : cases)
        EXPECT_NEAR(square->Integrate(c.low, c.high, c.method), c.expected, 1e-12) << c.low << " " << c.high;
    // The extended Simpson rule over 6 and more intervals, also exact for x^2.
    EXPECT_NEAR(square->Integrate(1, 9, imSimpson), (729 - 1) / 3.0, 1e-9);
}

TEST(VectorStat, RandomFills)
{
    TVector v(nullptr);
    v.Resize(1000);
    v.FillRandomUniform(2, 3);
    double mn, mx;
    v.MinMax(0, 0, mn, mx);
    EXPECT_GE(mn, 2);
    EXPECT_LT(mx, 3);
    EXPECT_FALSE(v.IsEmpty());
    v.FillRandomGauss(10, 0.5);
    double mean, variance;
    v.MeanVar(0, 0, mean, variance);
    EXPECT_NEAR(mean, 10, 0.1);
    EXPECT_NEAR(std::sqrt(variance), 0.5, 0.1);
}
