#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "NumFileFixture.h"
#include "numerics/VEZ_intvector.h"

namespace {

// A folder of its own for the files of one test, removed afterwards.
class IntVectorFiles : public NumFileTest {};

std::unique_ptr<TIntVector> MakeVector(std::initializer_list<Integer> values)
{
    auto v = std::make_unique<TIntVector>(nullptr);
    v->Resize(static_cast<Integer>(values.size()));
    Integer k = 1;
    for (Integer x : values) v->SetVal(k++, x);
    return v;
}

}  // namespace

TEST(IntVector, NewVectorAndBounds)
{
    TIntVector v(nullptr);
    EXPECT_EQ(v.NrOfElem(), 1);
    EXPECT_TRUE(v.IsEmpty());
    v.SetVal(0, 5);
    v.SetVal(2, 5);
    EXPECT_EQ(v.GetVal(0), 0);
    EXPECT_EQ(v.GetVal(2), 0);
    EXPECT_TRUE(v.IsEmpty());
    EXPECT_FALSE(v.Resize(0));
    v.SetNrOfElem(-3);
    EXPECT_EQ(v.NrOfElem(), 1);
}

TEST(IntVector, FindExactMinMaxAndSorting)
{
    auto v = MakeVector({3, 7, 7});
    EXPECT_EQ(v->FindExact(0, 0, 7), 2);
    EXPECT_EQ(v->FindExact(0, 0, 8), 0);
    auto w = MakeVector({5, -3, 5});
    Integer mn, mx, mnIx, mxIx;
    w->MinMax(0, 0, mn, mx, mnIx, mxIx);
    EXPECT_EQ(mn, -3);
    EXPECT_EQ(mnIx, 2);
    EXPECT_EQ(mx, 5);
    EXPECT_EQ(mxIx, 1);
    auto s = MakeVector({5, 3, 4, 1, 2});
    s->SortElems(true, 9, -3);
    for (Integer k = 1; k <= 5; ++k) EXPECT_EQ(s->GetVal(k), k);
    s->SortElems(false, 0, 0);
    for (Integer k = 1; k <= 5; ++k) EXPECT_EQ(s->GetVal(k), 6 - k);
    EXPECT_EQ(s->FindInSortedVector(false, 3), 3);
}

TEST(IntVector, HistogramCountsAndRefusesTooManyBins)
{
    auto v = MakeVector({0, 9, 10, -1, 4, 4});
    TIntVector histo(nullptr);
    Integer under, over, maxCnt;
    EXPECT_TRUE(v->Histogram(1, 6, 0, 9, 0, &histo, under, over, maxCnt));
    EXPECT_EQ(histo.NrOfElem(), 10);
    EXPECT_EQ(histo.GetVal(1), 1);
    EXPECT_EQ(histo.GetVal(5), 2);
    EXPECT_EQ(histo.GetVal(10), 1);
    EXPECT_EQ(under, 1);
    EXPECT_EQ(over, 1);
    EXPECT_EQ(maxCnt, 2);
    try {
        v->Histogram(1, 6, 0, 1000, 1, &histo, under, over, maxCnt);
        FAIL() << "no error for 1001 bins";
    } catch (const EVEZVectorError& e) {
        EXPECT_EQ(e.Message(), String("Component \".Histogram\": invalid number of bins"));
    }
}

struct IntStatCase {
    std::initializer_list<Integer> values;
    double q1, q2, q3, median;
    Integer mode;
};

TEST(IntVector, QuartilesPercentileAndMode)
{
    const IntStatCase cases[] = {
        {{1, 2, 3, 4}, 1.25, 2.5, 3.75, 2.5, 1},
        {{5, 9}, 5, 7, 9, 7, 5},
        {{6}, 6, 6, 6, 6, 6},
        {{3, 1, 3, 2, 1}, 1, 2, 3, 2, 1},
    };
    for (const IntStatCase& c : cases) {
        auto v = MakeVector(c.values);
        double q1, q2, q3;
        EXPECT_TRUE(v->Quartiles(0, 0, q1, q2, q3));
        EXPECT_DOUBLE_EQ(q1, c.q1);
        EXPECT_DOUBLE_EQ(q2, c.q2);
        EXPECT_DOUBLE_EQ(q3, c.q3);
        EXPECT_DOUBLE_EQ(v->Percentile(50, 0, 0), c.median);
        EXPECT_EQ(v->Mode(0, 0), c.mode);
    }
    auto v = MakeVector({1, 2, 3, 4});
    EXPECT_DOUBLE_EQ(v->Percentile(100, 0, 0), 4);
    EXPECT_DOUBLE_EQ(v->Percentile(-5, 0, 0), 1);
}

TEST(IntVector, MeansAndArithmetic)
{
    double mean, var;
    MakeVector({2, 4, 6})->MeanVar(0, 0, mean, var);
    EXPECT_DOUBLE_EQ(mean, 4);
    EXPECT_DOUBLE_EQ(var, 4);
    EXPECT_DOUBLE_EQ(MakeVector({1, 2, 4})->HarmonicMean(0, 0), 12.0 / 7);
    EXPECT_DOUBLE_EQ(MakeVector({4, 0, 9})->GeometricMean(0, 0), 0);
    EXPECT_THROW(MakeVector({1, -1})->GeometricMean(0, 0), EVEZVectorError);
    auto a = MakeVector({0, 0});
    auto b = MakeVector({3, 4});
    EXPECT_DOUBLE_EQ(a->EuclideanDistance(b.get()), 5);
    EXPECT_EQ(b->DotProduct(b.get()), 25);
    auto c = MakeVector({1, 2, 3});
    EXPECT_THROW(a->EuclideanDistance(c.get()), EVEZVectorError);
    EXPECT_THROW(a->Add(c.get()), EVEZVectorError);
    EXPECT_EQ(c->Correlate(c.get(), 2), 0);  // one overlapping position
    Integer v1, v2;
    EXPECT_TRUE(MakeVector({2, 5, 2})->IsDichotomous(v1, v2));
    EXPECT_EQ(v2, 5);
    EXPECT_FALSE(MakeVector({2, 5, 3})->IsDichotomous(v1, v2));
}

TEST(IntVector, CrcTracksEveryElement)
{
    auto a = MakeVector({1, 2, 3});
    auto b = MakeVector({1, 2, 4});
    EXPECT_EQ(a->CRCofData().Length(), 32);
    EXPECT_NE(a->CRCofData(), b->CRCofData());
    EXPECT_EQ(a->CRCofData(), MakeVector({1, 2, 3})->CRCofData());
}

TEST(IntVector, StreamRoundTripAndShortStreams)
{
    auto v = MakeVector({7, -8, 9});
    TMemoryStream* stream = nullptr;
    v->SaveToStream(stream, 0, 0);
    std::unique_ptr<TMemoryStream> owned(stream);
    ASSERT_EQ(stream->Size(), 20);
    TIntVector back(nullptr);
    stream->SetPosition(0);
    EXPECT_TRUE(back.LoadFromStream(stream, true));
    EXPECT_EQ(back.NrOfElem(), 3);
    EXPECT_EQ(back.GetVal(2), -8);
    // Cut inside the values: refused, nothing changed.
    for (Int64 cut : {Int64(3), Int64(8), Int64(19)}) {
        TMemoryStream shortStream;
        shortStream.WriteBuffer(stream->Memory(), static_cast<Integer>(cut));
        shortStream.SetPosition(0);
        TIntVector target(nullptr);
        EXPECT_FALSE(target.LoadFromStream(&shortStream, true)) << cut;
        EXPECT_EQ(target.NrOfElem(), 1) << cut;
    }
}

TEST(IntVector, StreamAnnouncingHugeIndexIsRefused)
{
    TMemoryStream stream;
    const Integer header[3] = {1, 2000000000, 5};
    stream.WriteBuffer(header, sizeof header);
    stream.SetPosition(0);
    TIntVector v(nullptr);
    EXPECT_FALSE(v.LoadFromStream(&stream, true));
    EXPECT_EQ(v.NrOfElem(), 1);
}

TEST_F(IntVectorFiles, NumberListRoundTripWithExactText)
{
    auto v = MakeVector({10, -2, 30, 4, 5});
    EXPECT_TRUE(v->StoreOnFile(5, 2, Path("list.txt")));
    EXPECT_EQ(ReadAll("list.txt"), "2 5\r\n-2\r\n30\r\n4\r\n5\r\n");
    TIntVector back(nullptr);
    EXPECT_TRUE(back.LoadFromFile(Path("list.txt"), true));
    EXPECT_EQ(back.NrOfElem(), 5);
    EXPECT_EQ(back.GetVal(1), 0);
    EXPECT_EQ(back.GetVal(3), 30);
    EXPECT_FALSE(back.LoadFromFile(Path("missing.txt"), true));
    WriteAll("huge.txt", "1 2000000000\r\n1\r\n");
    EXPECT_FALSE(back.LoadFromFile(Path("huge.txt"), true));
    EXPECT_EQ(back.NrOfElem(), 5);
}

TEST_F(IntVectorFiles, AscRoundTripAndRounding)
{
    auto v = MakeVector({1, -20, 300});
    EXPECT_EQ(v->ExportAsASC(Path("v.asc"), ""), 0);
    EXPECT_EQ(ReadAll("v.asc"), "Exported by VEZ TIntVector component: " + Path("v.asc").ToUtf8() +
                                    "\r\n1\t;nr. of columns\r\n3\t;nr. of rows\r\n"
                                    "FALSE FALSE FALSE FALSE\t;row attributes, column names, row names, "
                                    "nominal variables\r\n1\r\n-20\r\n300\r\n");
    TIntVector back(nullptr);
    String comment;
    EXPECT_EQ(back.ImportASC(Path("v.asc"), comment), 0);
    EXPECT_EQ(back.NrOfElem(), 3);
    EXPECT_EQ(back.GetVal(3), 300);
    WriteAll("r.asc", "c\r\n1\r\n4\r\nFALSE FALSE FALSE FALSE\r\n2.5\r\n3.5\r\nNAN\r\n###\r\n");
    EXPECT_EQ(back.ImportASC(Path("r.asc"), comment), 0);
    EXPECT_EQ(comment, String("c"));
    EXPECT_EQ(back.GetVal(1), 2);
    EXPECT_EQ(back.GetVal(2), 4);
    EXPECT_EQ(back.GetVal(3), 0);
    EXPECT_EQ(back.ImportASC(Path("none.asc"), comment), -8);
    WriteAll("two.asc", "c\r\n2\r\n1\r\nFALSE FALSE FALSE FALSE\r\n1 2\r\n");
    EXPECT_EQ(back.ImportASC(Path("two.asc"), comment), -7);
    WriteAll("huge.asc", "c\r\n1\r\n2000000000\r\nFALSE FALSE FALSE FALSE\r\n1\r\n");
    EXPECT_EQ(back.ImportASC(Path("huge.asc"), comment), -2);
    EXPECT_EQ(back.NrOfElem(), 4);
}

TEST_F(IntVectorFiles, RandomAndTruncatedInputsNeverCrash)
{
    auto v = MakeVector({1, 2, 3, 4, 5, 6, 7, 8});
    ASSERT_EQ(v->ExportAsASC(Path("good.asc"), "x"), 0);
    ASSERT_TRUE(v->StoreOnFile(0, 0, Path("good.txt")));
    const std::string asc = ReadAll("good.asc");
    const std::string txt = ReadAll("good.txt");
    std::mt19937 gen(42);
    TIntVector target(nullptr);
    String comment;
    for (int round = 0; round < 200; ++round) {
        std::string bytes = round % 2 ? asc : txt;
        bytes.resize(gen() % (bytes.size() + 1));
        for (int k = 0; k < 3 && !bytes.empty(); ++k) bytes[gen() % bytes.size()] = static_cast<char>(gen());
        WriteAll("bad", bytes);
        target.ImportASC(Path("bad"), comment);
        target.LoadFromFile(Path("bad"), true);
        TMemoryStream stream;
        if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        stream.SetPosition(0);
        target.LoadFromStream(&stream, true);
        EXPECT_LE(target.NrOfElem(), 1 << 22);
    }
}
