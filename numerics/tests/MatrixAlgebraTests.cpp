#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "numerics/VEZ_math1.h"
#include "numerics/VEZ_matrix.h"
#include "platform/rtl/RtlMath.h"

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

void ExpectRows(const TMatrix& m, const Rows& rows, double tolerance = 1e-12)
{
    ASSERT_EQ(m.NrOfRows(), static_cast<Integer>(rows.size()));
    ASSERT_EQ(m.NrOfColumns(), static_cast<Integer>(rows[0].size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            EXPECT_NEAR(m.GetVal(static_cast<Integer>(c + 1), static_cast<Integer>(r + 1)), rows[r][c], tolerance)
                << "column " << c + 1 << ", row " << r + 1;
}

// A random matrix with a strong diagonal, so it is well conditioned.
std::unique_ptr<TMatrix> RandomMatrix(Integer cols, Integer rows)
{
    auto m = std::make_unique<TMatrix>(nullptr);
    m->Resize(cols, rows);
    m->FillRandomUniform(-1, 1);
    for (Integer i = 1; i <= Min(cols, rows); ++i) m->SetVal(i, i, m->GetVal(i, i) + cols);
    return m;
}

// The product computed here, independently of the library's products.
Rows Product(const TMatrix& a, const TMatrix& b)
{
    Rows p(static_cast<size_t>(a.NrOfRows()), std::vector<double>(static_cast<size_t>(b.NrOfColumns())));
    for (Integer r = 1; r <= a.NrOfRows(); ++r)
        for (Integer c = 1; c <= b.NrOfColumns(); ++c)
            for (Integer i = 1; i <= a.NrOfColumns(); ++i) p[r - 1][c - 1] += a.GetVal(i, r) * b.GetVal(c, i);
    return p;
}

Rows Identity(size_t n)
{
    Rows id(n, std::vector<double>(n));
    for (size_t i = 0; i < n; ++i) id[i][i] = 1;
    return id;
}

}  // namespace

TEST(MatrixAlgebra, ProductsAndTranspose)
{
    auto a = FromRows({{1, 2}, {3, 4}, {5, 6}});  // 2 columns, 3 rows
    auto b = FromRows({{1, 0, 2}, {0, 1, 3}});    // 3 columns, 2 rows
    TMatrix res(nullptr);
    ASSERT_TRUE(a->Multiply(b.get(), &res));
    ExpectRows(res, {{1, 2, 8}, {3, 4, 18}, {5, 6, 28}});
    auto c = FromRows({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
    TMatrix keep(nullptr);
    keep.Resize(2, 2);
    EXPECT_FALSE(a->Multiply(c.get(), &keep));
    EXPECT_EQ(keep.NrOfColumns(), 2);

    ASSERT_TRUE(a->TransposeAndMultiply(a.get(), &res));
    ExpectRows(res, {{35, 44}, {44, 56}});
    ASSERT_TRUE(a->MultiplyTransposed(a.get(), &res));
    ExpectRows(res, {{5, 11, 17}, {11, 25, 39}, {17, 39, 61}});

    TVector v(nullptr), out(nullptr);
    v.Resize(2);
    v.SetVal(1, 1);
    v.SetVal(2, -1);
    ASSERT_TRUE(a->Multiply(&v, &out));
    EXPECT_EQ(out.NrOfElem(), 3);
    EXPECT_EQ(out.GetVal(3), -1);

    auto t = FromRows({{1, 2, 3}, {4, 5, 6}});  // 3 columns, 2 rows
    ASSERT_TRUE(t->Transpose());
    EXPECT_EQ(t->NrOfColumns(), 2);
    EXPECT_EQ(t->NrOfRows(), 3);
    EXPECT_EQ(t->GetVal(1, 3), 3);
}

TEST(MatrixAlgebra, DeterminantCases)
{
    EXPECT_DOUBLE_EQ(FromRows({{0, 1}, {1, 0}})->Determinant(), -1);
    EXPECT_DOUBLE_EQ(FromRows({{1, 2}, {0, 0}})->Determinant(), 0);
    EXPECT_DOUBLE_EQ(FromRows({{1, 2, 3}, {4, 5, 6}})->Determinant(), 0);
    EXPECT_NEAR(FromRows({{2, 0, 1}, {1, 3, 2}, {1, 1, 2}})->Determinant(), 6, 1e-12);
    EXPECT_NEAR(FromRows({{1, 2}, {3, 4}})->Determinant(), -2, 1e-12);
}

TEST(MatrixAlgebra, LuFactorsRebuildThePermutedMatrix)
{
    auto a = FromRows({{2, 0, 1}, {1, 3, 2}, {1, 1, 2}});
    TMatrix l(nullptr), u(nullptr);
    Integer perm = 0;
    ASSERT_TRUE(a->LUdecomposition(&l, &u, perm));
    const Rows lu = Product(l, u);
    // Every row of L x U is one row of A.
    for (const auto& row : lu) {
        bool found = false;
        for (Integer r = 1; r <= 3; ++r)
            found = found || (std::fabs(row[0] - a->GetVal(1, r)) < 1e-12 && std::fabs(row[1] - a->GetVal(2, r)) < 1e-12 &&
                              std::fabs(row[2] - a->GetVal(3, r)) < 1e-12);
        EXPECT_TRUE(found);
    }
    EXPECT_EQ(l.GetVal(2, 1), 0);
    EXPECT_EQ(u.GetVal(1, 2), 0);
    auto zeroRow = FromRows({{1, 2}, {0, 0}});
    EXPECT_FALSE(zeroRow->LUdecomposition(&l, &u, perm));
}

TEST(MatrixAlgebra, InverseOfKnownAndRandomMatrices)
{
    auto a = FromRows({{4, 7}, {2, 6}});
    ASSERT_TRUE(a->Invert());
    ExpectRows(*a, {{0.6, -0.7}, {-0.2, 0.4}}, 1e-14);

    auto r = RandomMatrix(12, 12);
    TMatrix original(nullptr);
    original.Clone(r.get());
    ASSERT_TRUE(r->Invert());
    auto check = FromRows(Product(*r, original));
    ExpectRows(*check, Identity(12), 1e-12);

    auto singular = FromRows({{1, 2}, {2, 4}});
    EXPECT_FALSE(singular->Invert());
    EXPECT_FALSE(singular->GetVal(1, 1) == 1 && singular->GetVal(2, 1) == 2 && singular->GetVal(1, 2) == 2 &&
                 singular->GetVal(2, 2) == 4);
    auto notSquare = FromRows({{1, 2, 3}, {4, 5, 6}});
    EXPECT_FALSE(notSquare->Invert());
    ExpectRows(*notSquare, {{1, 2, 3}, {4, 5, 6}});
}

TEST(MatrixAlgebra, CholeskyOfAKnownMatrix)
{
    auto a = FromRows({{4, 12, -16}, {12, 37, -43}, {-16, -43, 98}});
    TMatrix l(nullptr);
    ASSERT_TRUE(a->CholeskyDecomp(&l));
    for (Integer c = 1; c <= 3; ++c)
        for (Integer r = c; r <= 3; ++r) {
            const double expected[3][3] = {{2, 0, 0}, {6, 1, 0}, {-8, 5, 3}};
            EXPECT_NEAR(l.GetVal(c, r), expected[r - 1][c - 1], 1e-12);
        }
    auto notDefinite = FromRows({{1, 2}, {2, 1}});
    EXPECT_FALSE(notDefinite->CholeskyDecomp(&l));
    EXPECT_FALSE(FromRows({{1, 2, 3}})->CholeskyDecomp(&l));
}

TEST(MatrixAlgebra, HatMatrixProjectsOntoTheColumns)
{
    auto a = FromRows({{1, 0}, {1, 1}, {1, 2}, {1, 4}});
    TMatrix h(nullptr);
    ASSERT_TRUE(a->CalcHatMatrix(&h));
    EXPECT_EQ(h.NrOfColumns(), 4);
    auto ha = FromRows(Product(h, *a));
    ExpectRows(*ha, {{1, 0}, {1, 1}, {1, 2}, {1, 4}}, 1e-12);
    auto collinear = FromRows({{1, 2}, {2, 4}, {3, 6}});
    TMatrix untouched(nullptr);
    EXPECT_FALSE(collinear->CalcHatMatrix(&untouched));
    EXPECT_EQ(untouched.NrOfColumns(), 1);
}

TEST(MatrixAlgebra, NormsTraceDiffAndBalance)
{
    auto a = FromRows({{1, -2}, {3, 4}});
    EXPECT_DOUBLE_EQ(a->Norm(ntColwise), 6);
    EXPECT_DOUBLE_EQ(a->Norm(ntRowwise), 7);
    EXPECT_DOUBLE_EQ(a->Norm(ntFrobenius), std::sqrt(30.0));
    // The largest singular value: the square root of the largest eigenvalue of A^T A.
    const double t = 30, d = 100;  // trace and determinant of A^T A
    EXPECT_NEAR(a->Norm(ntSpectral), std::sqrt((t + std::sqrt(t * t - 4 * d)) / 2), 1e-12);
    EXPECT_NEAR(a->Norm(ntSpectral), 5.117, 1e-3);
    auto wide = FromRows({{3, 0, 4}, {0, 0, 0}});
    EXPECT_NEAR(wide->Norm(ntSpectral), 5, 1e-12);

    EXPECT_DOUBLE_EQ(FromRows({{1, 2, 3}, {4, 5, 6}})->Trace(), 0);
    EXPECT_DOUBLE_EQ(a->Trace(), 5);

    auto col = FromRows({{1}, {4}, {9}, {16}});
    col->Diff(11);
    EXPECT_EQ(col->NrOfRows(), 4);
    col->Diff(1);
    ExpectRows(*col, {{3}, {5}, {7}});

    auto rect = FromRows({{1, 2, 3}, {4, 5, 6}});
    EXPECT_FALSE(rect->Balance());
    ExpectRows(*rect, {{1, 2, 3}, {4, 5, 6}});
    auto unbalanced = FromRows({{1, 100}, {0.01, 1}});
    EXPECT_TRUE(unbalanced->Balance());
    EXPECT_NEAR(unbalanced->GetVal(2, 1), unbalanced->GetVal(1, 2), 0.05);
    EXPECT_DOUBLE_EQ(unbalanced->GetVal(1, 1), 1);
}

TEST(MatrixAlgebra, SquareGivesTheSameResultOnAnyNumberOfThreads)
{
    auto a = RandomMatrix(5, 7);
    TMatrix one(nullptr), four(nullptr), reference(nullptr);
    ASSERT_TRUE(a->Square(&one, 2, 1));
    ASSERT_TRUE(a->Square(&four, 2, 4));
    ASSERT_TRUE(a->TransposeAndMultiply(a.get(), &reference));
    reference.SMult(0.5);
    for (Integer c = 1; c <= 5; ++c)
        for (Integer k = 1; k <= 5; ++k) {
            EXPECT_EQ(one.GetVal(c, k), four.GetVal(c, k));
            EXPECT_EQ(one.GetVal(c, k), one.GetVal(k, c));
            EXPECT_NEAR(one.GetVal(c, k), reference.GetVal(c, k), 1e-12);
        }
    double sumSq = 0;
    for (Integer r = 1; r <= 7; ++r) sumSq += a->GetVal(3, r) * a->GetVal(3, r);
    EXPECT_NEAR(one.GetVal(3, 3), sumSq / 2, 1e-12);

    auto big = RandomMatrix(40, 30);
    TMatrix many(nullptr), single(nullptr);
    ASSERT_TRUE(big->Square(&many, 1, 16));
    ASSERT_TRUE(big->Square(&single, 1, 1));
    EXPECT_EQ(many.CRCofData(), single.CRCofData());
    EXPECT_FALSE(big->Square(nullptr, 1, 4));
}

TEST(MatrixAlgebra, SquareStopsOnAbort)
{
    auto a = RandomMatrix(20, 20);
    TMatrix res(nullptr);
    ProgressAbort = true;
    const bool oneThread = a->Square(&res, 1, 1);
    const bool threads = a->Square(&res, 1, 3);
    ProgressAbort = false;
    EXPECT_FALSE(oneThread);
    EXPECT_FALSE(threads);
    EXPECT_TRUE(a->Square(&res, 1, 3));
}
