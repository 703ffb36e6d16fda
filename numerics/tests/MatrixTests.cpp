#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "numerics/VEZ_matrix.h"
#include "numerics/VEZ_math1.h"

namespace {

struct Listener : TObject {
    int changes = 0;
    std::vector<std::vector<int>> exchanges;
    void Reset()
    {
        changes = 0;
        exchanges.clear();
    }
    void Change(TObject*) { ++changes; }
    void Exchange(TObject*, Byte what, Integer i1, Integer i2, Integer first, Integer last)
    {
        exchanges.push_back({what, i1, i2, first, last});
    }
};

using Rows = std::vector<std::vector<double>>;

class MatrixTest : public testing::Test {
protected:
    TMatrix mat{nullptr};
    Listener listener;

    // Fills the matrix from rows of values, then listens afresh.
    void SetRows(const Rows& rows)
    {
        mat.SetOnChange(TNotifyEvent());
        listener.Reset();
        mat.Resize(static_cast<Integer>(rows[0].size()), static_cast<Integer>(rows.size()));
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                mat.SetVal(static_cast<Integer>(c + 1), static_cast<Integer>(r + 1), rows[r][c]);
        mat.SetOnChange(TNotifyEvent(&listener, &Listener::Change));
        mat.SetOnSortExchange(TSortExchgEvent(&listener, &Listener::Exchange));
    }
    Rows Values() const
    {
        Rows rows(static_cast<size_t>(mat.NrOfRows()));
        for (Integer r = 1; r <= mat.NrOfRows(); ++r)
            for (Integer c = 1; c <= mat.NrOfColumns(); ++c) rows[r - 1].push_back(mat.GetVal(c, r));
        return rows;
    }
};

}  // namespace

TEST_F(MatrixTest, NewMatrixAndAccessOutside)
{
    EXPECT_EQ(mat.NrOfColumns(), 1);
    EXPECT_EQ(mat.NrOfRows(), 1);
    EXPECT_EQ(mat.GetFPrecis(1), 15);
    EXPECT_EQ(mat.GetFPrecis(2), -1);
    SetRows({{0}});
    for (auto [c, r] : std::vector<std::pair<int, int>>{{1, 1}, {0, 1}, {2, 1}, {1, 2}, {1, 0}, {-1, -1}})
        EXPECT_EQ(mat.GetVal(c, r), 0);
    mat.SetVal(2, 1, 5);
    mat.SetVal(0, 0, 5);
    EXPECT_EQ(listener.changes, 0);
    EXPECT_EQ(Values(), (Rows{{0}}));
}

TEST_F(MatrixTest, ResizeKeepsOverlapAndOneRowOfStore)
{
    SetRows({{1}, {2}, {3}, {4}});  // 1 column, 4 rows
    mat.SetNrOfColumns(3);
    EXPECT_EQ(Values(), (Rows{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}}));
    mat.SetNrOfColumns(3);
    EXPECT_EQ(listener.changes, 1);

    mat.SetNrOfRows(-5);
    EXPECT_EQ(mat.NrOfRows(), 0);
    EXPECT_EQ(mat.GetVal(1, 1), 0);
    mat.SetNrOfRows(4);  // row 1 stayed allocated
    EXPECT_EQ(Values(), (Rows{{1, 0, 0}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}}));

    mat.SetNrOfRows(3);
    mat.SetVal(1, 3, 7);
    mat.SetNrOfRows(2);
    mat.SetNrOfRows(3);
    EXPECT_EQ(mat.GetVal(1, 3), 0);
}

TEST_F(MatrixTest, RangeNormalisationTable)
{
    SetRows({{0, 0, 0, 0}});
    const struct {
        Integer lo, hi, wantLo, wantHi;
    } cases[] = {{5, 2, 2, 4}, {0, 0, 1, 4}, {0, 3, 1, 3}, {-1, 9, 1, 4}, {9, 9, 4, 4}, {3, 3, 3, 3}};
    for (const auto& c : cases) {
        Integer lo = c.lo, hi = c.hi;
        mat.MakeValidColRange(lo, hi);
        EXPECT_EQ(lo, c.wantLo);
        EXPECT_EQ(hi, c.wantHi);
    }
}

TEST_F(MatrixTest, FillBlockUsesColumnThenRowBounds)
{
    SetRows({{1, 1, 1}, {1, 1, 1}});
    mat.Fill(1, 2, 0, 0, 7);
    EXPECT_EQ(Values(), (Rows{{7, 7, 1}, {7, 7, 1}}));
    mat.FillDiag(0);
    EXPECT_EQ(Values(), (Rows{{0, 7, 1}, {7, 0, 1}}));
    mat.ResizeAndClear(3, 2);
    EXPECT_EQ(Values(), (Rows{{0, 0, 0}, {0, 0, 0}}));
    EXPECT_EQ(listener.changes, 3);
}

TEST_F(MatrixTest, RandomFillsDrawColumnByColumn)
{
    SetRows({{0, 0}, {0, 0}});
    RandSeed = 99;
    mat.FillRandomUniform(10, 20);
    RandSeed = 99;
    for (Integer c = 1; c <= 2; ++c)
        for (Integer r = 1; r <= 2; ++r) EXPECT_EQ(mat.GetVal(c, r), 10 + Random() * 10);
}

TEST_F(MatrixTest, CopyFromClampsAndMayReadItself)
{
    SetRows({{1, 2, 3}, {4, 5, 6}});
    mat.CopyFrom(&mat, 2, 1, 2, 2, 1, 1);  // column 2 over column 1
    EXPECT_EQ(Values(), (Rows{{2, 2, 3}, {5, 5, 6}}));
    mat.CopyFrom(&mat, 1, 1, 2, 2, 2, 1);  // overlapping: the original values are copied
    EXPECT_EQ(Values(), (Rows{{2, 2, 2}, {5, 5, 5}}));

    TMatrix source(nullptr);
    source.Resize(2, 2);
    source.Fill(0, 0, 0, 0, 9);
    source.SetVal(1, 1, 8);
    SetRows({{0, 0, 0}, {0, 0, 0}});
    mat.CopyFrom(&source, 0, 0, 0, 0, 2, 2);  // bounds of 0 address element (1, 1) only
    EXPECT_EQ(Values(), (Rows{{0, 0, 0}, {0, 8, 0}}));
    EXPECT_EQ(listener.changes, 2);
    mat.CopyFrom(nullptr, 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(listener.changes, 2);
}

TEST_F(MatrixTest, VectorsInAndOut)
{
    TVector vec(nullptr);
    vec.Resize(3);
    for (Integer i = 1; i <= 3; ++i) vec.SetVal(i, i);
    SetRows({{0, 0, 0}, {0, 0, 0}});
    mat.CopyFromVec(&vec, 0, 0, 3, 1);
    mat.CopyFromVec(dimX, &vec, 2, 3, 1, 1);
    mat.CopyFromVec(dimL, &vec, 1, 3, 1, 1);
    EXPECT_EQ(Values(), (Rows{{2, 3, 1}, {0, 0, 2}}));

    TVector out(nullptr);
    out.Resize(2);
    mat.CopyRowToVec(&out, 9, 0, 0);  // row clamped to 2, range shortened to the vector
    EXPECT_EQ(out.GetVal(1), 0);
    EXPECT_EQ(out.GetVal(2), 0);
    mat.CopyColToVec(&out, 3, 0, 0);
    EXPECT_EQ(out.GetVal(1), 1);
    EXPECT_EQ(out.GetVal(2), 2);
    out.Resize(4);
    mat.CopyRowToVec(&out, 1, 1, 3);
    EXPECT_EQ(out.GetVal(3), 1);
    EXPECT_EQ(out.GetVal(4), 0);
}

TEST_F(MatrixTest, ArraysInAndOut)
{
    SetRows({{1.5, 2.5}, {-0.5, 3.49}});
    TInt2DArray ints;
    mat.CopyToArray(ints, 0, 0, 0, 0);
    ASSERT_EQ(ints.Length(), 2);
    EXPECT_EQ(ints[0][0], 2);  // halves go to the even neighbour
    EXPECT_EQ(ints[1][0], 2);
    EXPECT_EQ(ints[0][1], 0);
    EXPECT_EQ(ints[1][1], 3);
    TDouble2DArray doubles;
    mat.CopyToArray(doubles, 2, 2, 2, 1);
    ASSERT_EQ(doubles.Length(), 1);
    ASSERT_EQ(doubles[0].Length(), 2);
    EXPECT_EQ(doubles[0][1], 3.49);

    TDouble2DArray ragged{TDoubleArray{1, 2}, TDoubleArray{3}};
    SetRows({{0, 0}, {0, 0}});
    mat.CopyFromArray(ragged, 1, 1);
    EXPECT_EQ(Values(), (Rows{{1, 3}, {2, 0}}));
    EXPECT_EQ(listener.changes, 3);
}

TEST_F(MatrixTest, SortColsMovesTheBlockWithTheKeys)
{
    SetRows({{3, 1, 2, 1}, {30, 10, 20, 11}, {300, 100, 200, 111}, {4, 3, 2, 1}});
    mat.SortCols(1, true, 1, 1, 4, 3);
    Rows v = Values();
    EXPECT_EQ(v[0], (std::vector<double>{1, 1, 2, 3}));
    EXPECT_EQ(v[3], (std::vector<double>{4, 3, 2, 1}));  // row 4 is outside the block
    for (int c = 0; c < 4; ++c) EXPECT_EQ(v[2][c], v[1][c] * 10 + (v[1][c] == 11 ? 1 : 0));
    ASSERT_FALSE(listener.exchanges.empty());
    for (const auto& e : listener.exchanges) {
        EXPECT_EQ(e[0], 1);
        EXPECT_LT(e[1], e[2]);
        EXPECT_EQ(e[3], 1);
        EXPECT_EQ(e[4], 3);
    }
    EXPECT_EQ(listener.changes, 1);
}

TEST_F(MatrixTest, SortRowsCarriesTheKeyColumnOutsideTheBlock)
{
    SetRows({{5, 50, 0}, {1, 10, 0}, {3, 30, 0}});
    mat.SortRows(1, false, 2, 1, 3, 3);  // key column 1 lies outside columns 2..3
    EXPECT_EQ(Values(), (Rows{{5, 50, 0}, {3, 30, 0}, {1, 10, 0}}));
    EXPECT_EQ(listener.exchanges.front()[0], 2);
    EXPECT_EQ(listener.exchanges.front()[3], 2);
    EXPECT_EQ(listener.exchanges.front()[4], 3);

    listener.Reset();
    mat.SortRows(1, true, 1, 2, 3, 2);  // one row: nothing, no event
    mat.SortRows(9, true, 0, 0, 0, 0);  // key column outside the matrix: nothing
    EXPECT_EQ(listener.changes, 0);
}

TEST_F(MatrixTest, SortWithNaNKeysEnds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    SetRows({{2, nan, 1, nan, 0}});
    mat.SortCols(1, true, 0, 0, 0, 0);
    Rows v = Values();
    EXPECT_EQ(v[0][0], 0);
    EXPECT_EQ(v[0][1], 1);
    EXPECT_EQ(v[0][2], 2);
    EXPECT_TRUE(std::isnan(v[0][3]) && std::isnan(v[0][4]));
}

TEST_F(MatrixTest, RemoveExchangeMirror)
{
    SetRows({{1, 2, 3}, {4, 5, 6}});
    EXPECT_TRUE(mat.RemoveColumn(1));
    EXPECT_EQ(Values(), (Rows{{2, 3}, {5, 6}}));
    EXPECT_FALSE(mat.RemoveColumn(3));
    EXPECT_TRUE(mat.RemoveRow(2));
    EXPECT_EQ(Values(), (Rows{{2, 3}}));
    EXPECT_FALSE(mat.RemoveRow(1));  // the last row stays
    mat.RemoveColumn(1);
    EXPECT_FALSE(mat.RemoveColumn(1));
    EXPECT_EQ(Values(), (Rows{{3}}));

    SetRows({{1, 2, 3}, {4, 5, 6}});
    mat.ExchangeColumns(1, 3);
    mat.ExchangeRows(1, 2);
    mat.ExchangeRows(1, 7);  // outside: nothing
    EXPECT_EQ(Values(), (Rows{{6, 5, 4}, {3, 2, 1}}));
    mat.MirrorColumns();
    mat.MirrorRows();
    EXPECT_EQ(Values(), (Rows{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(listener.changes, 4);
}

TEST_F(MatrixTest, AssignAndClone)
{
    SetRows({{1, 2}, {3, 4}});
    mat.SetDataID("abc");
    mat.SetFPrecis(1, 40);
    mat.SetFPrecis(2, -7);
    EXPECT_EQ(mat.GetFPrecis(1), 25);
    EXPECT_EQ(mat.GetFPrecis(0), 25);
    EXPECT_EQ(mat.GetFPrecis(2), -1);

    TMatrix copy(nullptr);
    copy.Assign(&mat);
    EXPECT_EQ(copy.GetVal(2, 2), 4);
    EXPECT_EQ(copy.DataID(), String("abc"));
    EXPECT_EQ(copy.GetFPrecis(1), 25);
    EXPECT_TRUE(copy.OnChange() == mat.OnChange());
    EXPECT_EQ(listener.changes, 0);

    TMatrix clone(nullptr);
    clone.Clone(&mat);
    EXPECT_EQ(clone.GetVal(1, 2), 3);
    EXPECT_EQ(clone.DataID(), String(""));
    EXPECT_EQ(clone.GetFPrecis(1), 15);

    TMatrix empty(nullptr);
    empty.Resize(0, 3);
    copy.Assign(&empty);  // store sized exactly: empty
    copy.Fill(5);
    EXPECT_EQ(copy.NrOfColumns(), 0);
    EXPECT_EQ(listener.changes, 0);
    copy.Resize(2, 2);
    EXPECT_EQ(copy.GetVal(2, 2), 0);
}

TEST(MatrixMemory, TooLargeAMatrixRaisesTheComponentMessage)
{
    TMatrix mat(nullptr);
    mat.Resize(2, 3);
    try {
        mat.Resize(1000000, 1000000);
        ADD_FAILURE() << "no error";
    } catch (const EVEZMatrixError& e) {
        EXPECT_EQ(e.Message(), String("Component \"\": not enough memory on heap"));
    }
    EXPECT_EQ(mat.NrOfColumns(), 2);
    EXPECT_EQ(mat.NrOfRows(), 3);
}

TEST(MatrixAssign, BetweenVectorAndMatrixIsAConversionError)
{
    TVector vec(nullptr);
    TMatrix mat(nullptr);
    EXPECT_THROW(vec.Assign(&mat), EConvertError);
    EXPECT_THROW(mat.Assign(&vec), EConvertError);
    EXPECT_THROW(vec.Assign(nullptr), EConvertError);
}
