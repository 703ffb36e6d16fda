#include <gtest/gtest.h>

#include <sys/resource.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "numerics/VEZ_vector.h"

namespace {

// Counts the events of a vector and records the exchanges its sorts report.
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

class VectorTest : public testing::Test {
protected:
    TVector vec{nullptr};
    Listener listener;

    // Sets the values, then listens afresh.
    void SetValues(const std::vector<double>& values)
    {
        vec.SetOnChange(TNotifyEvent());
        listener.Reset();
        vec.Resize(static_cast<Integer>(values.size()));
        for (size_t i = 0; i < values.size(); ++i) vec.SetVal(static_cast<Integer>(i + 1), values[i]);
        vec.SetOnChange(TNotifyEvent(&listener, &Listener::Change));
        vec.SetOnSortExchange(TSortExchgEvent(&listener, &Listener::Exchange));
    }
    std::vector<double> Values() const
    {
        std::vector<double> v;
        for (Integer i = 1; i <= vec.NrOfElem(); ++i) v.push_back(vec.GetVal(i));
        return v;
    }
};

}  // namespace

TEST_F(VectorTest, NewVectorHasOneZeroElementAndIsEmpty)
{
    EXPECT_EQ(vec.NrOfElem(), 1);
    EXPECT_EQ(vec.GetVal(1), 0);
    EXPECT_TRUE(vec.IsEmpty());
}

TEST_F(VectorTest, AccessOutsideTheBoundsIsHarmless)
{
    SetValues({1, 2, 3});
    for (Integer at : {0, -1, 4, INT_MIN, INT_MAX}) {
        EXPECT_EQ(vec.GetVal(at), 0) << at;
        vec.SetVal(at, 9);
    }
    EXPECT_EQ(Values(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(listener.changes, 0);
    vec.SetVal(2, 5);
    EXPECT_EQ(listener.changes, 1);
    EXPECT_FALSE(vec.IsEmpty());
}

TEST_F(VectorTest, ResizeRules)
{
    SetValues({1, 2, 3});
    vec.SetNrOfElem(0);
    vec.SetNrOfElem(-4);
    EXPECT_FALSE(vec.Resize(0));
    EXPECT_TRUE(vec.Resize(3));
    EXPECT_EQ(listener.changes, 0);
    EXPECT_EQ(vec.NrOfElem(), 3);

    vec.SetNrOfElem(5);
    EXPECT_EQ(Values(), (std::vector<double>{1, 2, 3, 0, 0}));
    EXPECT_TRUE(vec.Resize(2));
    EXPECT_EQ(Values(), (std::vector<double>{1, 2}));
    EXPECT_EQ(listener.changes, 2);
}

TEST_F(VectorTest, RangeNormalisation)
{
    SetValues({0, 0, 0, 0, 0});
    const struct {
        Integer lo, hi, wantLo, wantHi;
    } cases[] = {{0, 0, 1, 5}, {5, 2, 2, 5}, {0, 3, 1, 3}, {-2, 9, 1, 5}, {9, -3, 1, 5}, {7, 8, 5, 5}, {3, 3, 3, 3}};
    for (const auto& c : cases) {
        Integer lo = c.lo, hi = c.hi;
        vec.MakeValidElemRange(lo, hi);
        EXPECT_EQ(lo, c.wantLo) << c.lo << ", " << c.hi;
        EXPECT_EQ(hi, c.wantHi) << c.lo << ", " << c.hi;
    }
}

TEST_F(VectorTest, MinMaxFindsFirstPositionsOnTies)
{
    SetValues({3, 1, 1, 7, 7});
    const struct {
        Integer lo, hi;
        double min, max;
        Integer minIx, maxIx;
    } cases[] = {{0, 0, 1, 7, 2, 4}, {5, 2, 1, 7, 2, 4}, {1, 1, 3, 3, 1, 1}, {4, 9, 7, 7, 4, 4}};
    for (const auto& c : cases) {
        double mn, mx;
        Integer mnIx, mxIx;
        vec.MinMax(c.lo, c.hi, mn, mx, mnIx, mxIx);
        EXPECT_EQ(mn, c.min);
        EXPECT_EQ(mx, c.max);
        EXPECT_EQ(mnIx, c.minIx);
        EXPECT_EQ(mxIx, c.maxIx);
    }
}

TEST_F(VectorTest, MinMaxOverANaNGivesNaN)
{
    SetValues({1, std::nan(""), -5});
    double mn, mx;
    Integer mnIx, mxIx;
    vec.MinMax(0, 0, mn, mx, mnIx, mxIx);
    EXPECT_TRUE(std::isnan(mn) && std::isnan(mx));
    EXPECT_EQ(mnIx, 2);
    EXPECT_EQ(mxIx, 2);
}

TEST_F(VectorTest, SortTable)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        std::vector<double> values;
        bool ascending;
        Integer first, last;
        std::vector<double> sorted;
    } cases[] = {
        {{5, 3, 4, 1, 2}, true, 1, 5, {1, 2, 3, 4, 5}},
        {{5, 3, 4, 1, 2}, false, 0, 0, {5, 4, 3, 2, 1}},
        {{5, 3, 4, 1, 2}, true, 9, -3, {1, 2, 3, 4, 5}},
        {{5, 3, 4, 1, 2}, true, 2, 4, {5, 1, 3, 4, 2}},
        {{9, 8, 7, 6, 5, 4, 3, 2, 1, 0, -1, -2, -3, -4}, true, 0, 0, {-4, -3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {{2, 1}, true, 0, 0, {1, 2}},
    };
    for (const auto& c : cases) {
        SetValues(c.values);
        vec.SortElems(c.ascending, c.first, c.last);
        EXPECT_EQ(Values(), c.sorted);
        EXPECT_EQ(listener.changes, 1);
    }
    // NaN goes after every number in both directions, and the sort ends.
    for (bool ascending : {true, false}) {
        SetValues({nan, 3, nan, 1, 2});
        vec.SortElems(ascending, 0, 0);
        std::vector<double> v = Values();
        EXPECT_EQ(v[0], ascending ? 1 : 3);
        EXPECT_EQ(v[1], 2);
        EXPECT_EQ(v[2], ascending ? 3 : 1);
        EXPECT_TRUE(std::isnan(v[3]) && std::isnan(v[4]));
    }
}

TEST_F(VectorTest, SortOfOneElementDoesNothing)
{
    SetValues({5, 3, 4});
    vec.SortElems(true, 2, 2);
    TVector single(nullptr);
    single.SortElems(true, 0, 0);
    EXPECT_EQ(Values(), (std::vector<double>{5, 3, 4}));
    EXPECT_EQ(listener.changes, 0);
    EXPECT_TRUE(listener.exchanges.empty());
}

TEST_F(VectorTest, SortReportsEveryExchange)
{
    SetValues({3, 2, 1});
    vec.SortElems(true, 0, 0);  // gap 2/1.3 = 1: (1,2) (2,3), then (1,2)
    EXPECT_EQ(listener.exchanges,
              (std::vector<std::vector<int>>{{0, 1, 2, 0, 0}, {0, 2, 3, 0, 0}, {0, 1, 2, 0, 0}}));
}

TEST_F(VectorTest, CopyFromDropsPositionsOutside)
{
    TVector source(nullptr);
    source.Resize(5);
    for (Integer i = 1; i <= 5; ++i) source.SetVal(i, i * 10);
    vec.Resize(10);
    vec.CopyFrom(&source, 2, 4, 9);
    EXPECT_EQ(vec.GetVal(8), 0);
    EXPECT_EQ(vec.GetVal(9), 20);
    EXPECT_EQ(vec.GetVal(10), 30);
    vec.CopyFrom(&source, 0, 0, 1);  // 0, 0 copies element 1 only
    EXPECT_EQ(vec.GetVal(1), 10);
    EXPECT_EQ(vec.GetVal(2), 0);
    vec.CopyFrom(nullptr, 1, 5, 1);
    // within one vector the original values are copied
    source.CopyFrom(&source, 1, 4, 2);
    EXPECT_EQ(source.GetVal(2), 10);
    EXPECT_EQ(source.GetVal(5), 40);
}

TEST_F(VectorTest, ArraysInAndOut)
{
    SetValues({1, 2, 3, 4});
    TDoubleArray out;
    vec.CopyToArray(out, 4, 2);
    ASSERT_EQ(out.Length(), 3);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[2], 4);
    vec.CopyFromArray(TDoubleArray{7, 8, 9}, 3);
    EXPECT_EQ(Values(), (std::vector<double>{1, 2, 7, 8}));
    EXPECT_EQ(listener.changes, 2);  // one per stored element, none for the dropped one
}

TEST_F(VectorTest, FillClearMirror)
{
    SetValues({1, 2, 3});
    vec.Clear();
    EXPECT_EQ(Values(), (std::vector<double>{0, 0, 0}));
    EXPECT_TRUE(vec.IsEmpty());
    vec.Fill(2.5);
    EXPECT_EQ(Values(), (std::vector<double>{2.5, 2.5, 2.5}));
    EXPECT_FALSE(vec.IsEmpty());
    SetValues({1, 2, 3});
    vec.Mirror();
    EXPECT_EQ(Values(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(listener.changes, 1);
}

TEST_F(VectorTest, AssignCopiesValuesAndHandlersWithoutEvents)
{
    SetValues({4, 5});
    TVector copy(nullptr);
    copy.Assign(&vec);
    EXPECT_EQ(copy.NrOfElem(), 2);
    EXPECT_EQ(copy.GetVal(2), 5);
    EXPECT_FALSE(copy.IsEmpty());
    EXPECT_EQ(listener.changes, 0);
    EXPECT_TRUE(copy.OnChange() == vec.OnChange());
    copy.SetVal(1, 0);  // the copy owns its values and fires the shared handler
    EXPECT_EQ(vec.GetVal(1), 4);
    EXPECT_EQ(listener.changes, 1);
}

TEST_F(VectorTest, CloneFiresPerElementAndOnceMore)
{
    TVector source(nullptr);
    source.Resize(3);
    source.Fill(1);
    SetValues({9});
    vec.Clone(&source);
    EXPECT_EQ(Values(), (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(listener.changes, 1 + 3 + 1);  // resize, three elements, the end
    EXPECT_FALSE(vec.OnChange() == source.OnChange());
}

TEST_F(VectorTest, ShuffleKeepsTheValues)
{
    SetValues({1, 2, 3, 4, 5, 6});
    vec.ShuffleElems();
    std::vector<double> v = Values();
    std::sort(v.begin(), v.end());
    EXPECT_EQ(v, (std::vector<double>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(listener.changes, 0);
}

#if !defined(__SANITIZE_ADDRESS__)
TEST(VectorMemory, RunningOutOfMemoryRaisesTheComponentMessage)
{
    TVector vec(nullptr);
    vec.Resize(3);
    rlimit saved;
    getrlimit(RLIMIT_AS, &saved);
    rlimit limited = saved;
    limited.rlim_cur = 2ull << 30;  // 2 GB of address space for this process
    setrlimit(RLIMIT_AS, &limited);
    try {
        vec.Resize(INT_MAX);
        ADD_FAILURE() << "no error";
    } catch (const EVEZVectorError& e) {
        EXPECT_EQ(e.Message(), String("Component \"\": not enough memory"));
    }
    setrlimit(RLIMIT_AS, &saved);
    EXPECT_EQ(vec.NrOfElem(), 3);
}
#endif
