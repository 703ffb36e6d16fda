#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "numerics/VEZ_intvector.h"
#include "numerics/VEZ_matrix.h"

namespace {

using Rows = std::vector<std::vector<double>>;

std::unique_ptr<TMatrix> FromRows(const Rows& rows)
{
    auto m = std::make_unique<TMatrix>(nullptr);
    m->Resize(static_cast<Integer>(rows[0].size()), static_cast<Integer>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            m->SetVal(static_cast<Integer>(c + 1), static_cast<Integer>(r + 1), rows[r][c]);
    return m;
}

class UserDistance : public TObject {
public:
    void Distance(TObject*, Integer row1, Integer row2, double& d) { d = 100 * row1 + row2; }
};

}  // namespace

TEST(MatrixStat, MinMaxSumMeanVariance)
{
    double mean, variance;
    FromRows({{2, 4}})->MeanVar(0, 0, 0, 0, mean, variance);
    EXPECT_DOUBLE_EQ(mean, 3);
    EXPECT_DOUBLE_EQ(variance, 1);
    FromRows({{2}, {4}, {6}})->MeanVar(0, 0, 0, 0, mean, variance);
    EXPECT_DOUBLE_EQ(mean, 4);
    EXPECT_DOUBLE_EQ(variance, 4);
    double mn, mx;
    FromRows({{2e38, 3e38}})->MinMax(0, 0, 0, 0, mn, mx);
    EXPECT_DOUBLE_EQ(mn, 1.7e38);
    EXPECT_DOUBLE_EQ(mx, 3e38);
    auto m = FromRows({{1, 2, 3}, {4, 5, 6}});
    EXPECT_DOUBLE_EQ(m->Sum(2, 1, 3, 2), 16);
    m->MinMax(2, 2, 0, 0, mn, mx);  // a high bound 0 clamps to 1 and the pair is turned: 1..2, 1..2
    EXPECT_DOUBLE_EQ(mn, 1);
    EXPECT_DOUBLE_EQ(mx, 5);
    TMatrix empty(nullptr);
    empty.Resize(0, 3);
    EXPECT_DOUBLE_EQ(empty.Sum(0, 0, 0, 0), 0);
}

TEST(MatrixStat, MeansQuartilesPercentiles)
{
    EXPECT_NEAR(FromRows({{1, 4, 16}})->GeometricMean(0, 0, 0, 0), 4, 1e-14);
    EXPECT_DOUBLE_EQ(FromRows({{1, 0, 16}})->GeometricMean(0, 0, 0, 0), 0);
    try {
        FromRows({{1, -1}})->GeometricMean(0, 0, 0, 0);
        FAIL();
    } catch (const EVEZMatrixError& e) {
        EXPECT_EQ(e.Message(), String("Component \"\": negative argument passed to GeometricMean"));
    }
    EXPECT_DOUBLE_EQ(FromRows({{1, 2, 4}})->HarmonicMean(0, 0, 0, 0), 12.0 / 7);
    EXPECT_THROW(FromRows({{1, 0}})->HarmonicMean(0, 0, 0, 0), EVEZMatrixError);
    double q1, q2, q3;
    ASSERT_TRUE(FromRows({{1, 2, 3, 4, 5, 6, 7}})->Quartiles(0, 0, 0, 0, q1, q2, q3));
    EXPECT_DOUBLE_EQ(q1, 2);
    EXPECT_DOUBLE_EQ(q2, 4);
    EXPECT_DOUBLE_EQ(q3, 6);
    ASSERT_TRUE(FromRows({{8, 7, 6, 5}, {4, 3, 2, 1}})->Quartiles(0, 0, 0, 0, q1, q2, q3));
    EXPECT_DOUBLE_EQ(q1, 2.25);
    EXPECT_DOUBLE_EQ(q2, 4.5);
    EXPECT_DOUBLE_EQ(q3, 6.75);
    auto five = FromRows({{5, 1, 4, 2, 3}});
    EXPECT_DOUBLE_EQ(five->Percentile(50, 0, 0, 0, 0), 3);
    EXPECT_DOUBLE_EQ(five->Percentile(0, 0, 0, 0, 0), 1);
    EXPECT_DOUBLE_EQ(five->Percentile(-5, 0, 0, 0, 0), 1);
    EXPECT_DOUBLE_EQ(five->Percentile(100, 0, 0, 0, 0), 5);
    EXPECT_DOUBLE_EQ(five->Percentile(50, 0, 0, 0, 0, 0), 3);
    const double sampled = five->Percentile(50, 0, 0, 0, 0, 3);
    EXPECT_GE(sampled, 1);
    EXPECT_LE(sampled, 5);
}

TEST(MatrixStat, SkewKurtAgreesWithTheVector)
{
    auto m = FromRows({{1, 2}, {3, 10}});
    TVector v(nullptr);
    v.Resize(4);
    const double values[] = {1, 3, 2, 10};  // column order
    for (Integer k = 1; k <= 4; ++k) v.SetVal(k, values[k - 1]);
    double ms, mk, vs, vk;
    m->SkewKurt(0, 0, 0, 0, ms, mk);
    v.SkewKurt(0, 0, vs, vk);
    EXPECT_DOUBLE_EQ(ms, vs);
    EXPECT_DOUBLE_EQ(mk, vk);
    m->SkewKurtSample(0, 0, 0, 0, ms, mk);
    v.SkewKurtSample(0, 0, vs, vk);
    EXPECT_DOUBLE_EQ(ms, vs);
    EXPECT_DOUBLE_EQ(mk, vk);
    FromRows({{1, 2}})->SkewKurtSample(0, 0, 0, 0, ms, mk);
    EXPECT_EQ(ms, 0);
}

TEST(MatrixStat, CountingAndHistogram)
{
    auto m = FromRows({{0, 9.5, 10}, {-0.1, 4, 4.5}});
    EXPECT_EQ(m->CountValues(0, 0, 0, 0, 4, 9.5), 3);
    TIntVector histo(nullptr);
    Integer under, over, maxCnt;
    ASSERT_TRUE(m->Histogram(0, 0, 0, 0, 0, 9, 1, &histo, under, over, maxCnt));
    EXPECT_EQ(histo.NrOfElem(), 10);
    EXPECT_EQ(histo.GetVal(10), 1);
    EXPECT_EQ(histo.GetVal(5), 2);
    EXPECT_EQ(under, 1);
    EXPECT_EQ(over, 1);
    EXPECT_EQ(maxCnt, 2);
    EXPECT_FALSE(m->Histogram(0, 0, 0, 0, 0, 9, 0.01, &histo, under, over, maxCnt));
    EXPECT_EQ(histo.NrOfElem(), 10);

    // Columns first: above[c - 1][r - 1] for element (c, r); equal to the threshold is not above.
    TBool2DArray above;
    EXPECT_EQ(m->Dichotomize(4, above), 3);
    ASSERT_EQ(above.Length(), 3);
    ASSERT_EQ(above[0].Length(), 2);
    const bool expected[3][2] = {{false, false}, {true, false}, {true, true}};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r) EXPECT_EQ(above[c][r], expected[c][r]) << c << "," << r;
}

TEST(MatrixStat, EdgeVectorsMeansAndNormalising)
{
    auto m = FromRows({{1, 2}, {3, 4}, {5, 9}});
    TVector edge(nullptr);
    m->EdgeVector(orHoriz, eopMean, &edge);
    ASSERT_EQ(edge.NrOfElem(), 2);
    EXPECT_DOUBLE_EQ(edge.GetVal(1), 3);
    EXPECT_DOUBLE_EQ(edge.GetVal(2), 5);
    m->EdgeVector(orVert, eopMax, &edge);
    ASSERT_EQ(edge.NrOfElem(), 3);
    EXPECT_DOUBLE_EQ(edge.GetVal(3), 9);
    m->MeanVec(dimY, &edge);
    EXPECT_DOUBLE_EQ(edge.GetVal(3), 7);

    TVector means(nullptr), sds(nullptr);
    means.Resize(2);
    sds.Resize(2);
    auto s = FromRows({{1, 10}, {3, 10}, {5, 10}});
    s->StandardizeColumns(&means, &sds);
    EXPECT_DOUBLE_EQ(s->GetVal(1, 1), -1);
    EXPECT_DOUBLE_EQ(s->GetVal(1, 3), 1);
    EXPECT_DOUBLE_EQ(s->GetVal(2, 2), 10);  // no spread: left as it was
    EXPECT_DOUBLE_EQ(means.GetVal(1), 3);
    EXPECT_DOUBLE_EQ(sds.GetVal(1), 2);

    auto c = FromRows({{1, 2}, {3, 6}});
    c->MeanCenterRows(nullptr);
    EXPECT_DOUBLE_EQ(c->GetVal(1, 2), -1.5);
    TVector medians(nullptr), diffs(nullptr);
    medians.Resize(1);
    diffs.Resize(1);
    auto q = FromRows({{1}, {2}, {3}, {4}, {5}});
    q->QNormalizeColumns(0, &medians, &diffs);
    EXPECT_DOUBLE_EQ(medians.GetVal(1), 3);
    EXPECT_DOUBLE_EQ(diffs.GetVal(1), 2);
    EXPECT_DOUBLE_EQ(q->GetVal(1, 5), 1);
}

TEST(MatrixStat, CorrelationAndSearches)
{
    auto m = FromRows({{1, 2}, {3, 5}});
    EXPECT_NEAR(m->Correlate(m.get()), 1, 1e-14);
    try {
        m->Correlate(FromRows({{1, 2, 3}}).get());
        FAIL();
    } catch (const EVEZMatrixError& e) {
        EXPECT_EQ(e.Message(), String("Component \"\": matrices do not match"));
    }
    auto sorted = FromRows({{1}, {3}, {5}, {7}});
    EXPECT_EQ(sorted->FindInSortedColumn(1, true, 4.4), 3);
    EXPECT_EQ(sorted->FindInSortedColumn(1, true, 7), 4);
    Integer col, row;
    m->Find(0, 0, 0, 0, 4.9, col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 2);
}

TEST(MatrixStat, RowDistances)
{
    auto m = FromRows({{0, 0}, {3, 4}, {1, 1}});
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmEuclid, 1, 2), 5);
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmEuclidSqr, 1, 2), 25);
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmManhattan, 2, 3), 5);
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmJaccard, 2, 2), 1);
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmDice, 2, 3), 2 * 7.0 / 27);
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmUserDef, 2, 3), 0);
    UserDistance user;
    m->SetOnCalcDistance(TOnCalcDistanceEvent(&user, &UserDistance::Distance));
    EXPECT_DOUBLE_EQ(m->DistanceOfObjects(dmUserDef, 2, 3), 203);

    TMatrix d(nullptr);
    d.Resize(3, 3);
    d.Fill(-1);
    EXPECT_EQ(m->CalcDistMat(dmEuclid, &d), 0);
    for (Integer i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.GetVal(i, i), 0);
        for (Integer j = 1; j <= 3; ++j) EXPECT_EQ(d.GetVal(i, j), d.GetVal(j, i));
    }
    EXPECT_DOUBLE_EQ(d.GetVal(1, 2), 5);
    TMatrix wrong(nullptr);
    wrong.Resize(3, 2);
    wrong.Fill(7);
    EXPECT_EQ(m->CalcDistMat(dmEuclid, &wrong), -1);
    EXPECT_EQ(wrong.GetVal(1, 1), 7);
    wrong.Resize(2, 3);
    EXPECT_EQ(m->CalcDistMat(dmEuclid, &wrong), -2);
}
