#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "numerics/VEZ_intmatrix.h"
#include "numerics/tests/NumFileFixture.h"

namespace {

using Rows = std::vector<std::vector<Integer>>;

// A dense matrix from its rows.
std::unique_ptr<TIntMatrix> Dense(const Rows& rows)
{
    auto m = std::make_unique<TIntMatrix>(nullptr);
    m->Resize(static_cast<Integer>(rows[0].size()), static_cast<Integer>(rows.size()));
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c)
            m->SetVal(static_cast<Integer>(c + 1), static_cast<Integer>(r + 1), rows[r][c]);
    return m;
}

std::unique_ptr<TIntMatrix> Sparse(Integer allocBy) { return std::unique_ptr<TIntMatrix>(TIntMatrix::CreateSparse(nullptr, allocBy)); }

void ExpectEqual(const TIntMatrix& a, const TIntMatrix& b)
{
    ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
    ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
    for (Integer c = 1; c <= a.NrOfColumns(); ++c)
        for (Integer r = 1; r <= a.NrOfRows(); ++r) EXPECT_EQ(a.GetVal(c, r), b.GetVal(c, r)) << c << "," << r;
}

}  // namespace

TEST(IntMatrixSparse, GrowsByWritingAndKeepsEntriesSorted)
{
    auto m = Sparse(0);
    m->SetVal(3, 2, 7);
    EXPECT_EQ(m->NrOfColumns(), 3);
    EXPECT_EQ(m->NrOfRows(), 2);
    EXPECT_EQ(m->GetVal(3, 2), 7);
    EXPECT_EQ(m->GetVal(1, 1), 0);

    auto s = Sparse(2);
    s->SetVal(2, 5, 1);
    s->SetVal(1, 9, 2);
    s->SetVal(2, 1, 3);
    s->SetVal(2, 1, 4);
    EXPECT_EQ(s->SparseNumElem(), 3);
    EXPECT_EQ(s->GetVal(1, 9), 2);
    EXPECT_EQ(s->GetVal(2, 1), 4);
    EXPECT_EQ(s->GetVal(2, 5), 1);
    EXPECT_EQ(s->GetVal(2, 2), 0);
    EXPECT_FALSE(s->Resize(10, 10));
    EXPECT_EQ(s->NrOfColumns(), 10);
    s->SetVal(2, 2, 1);
    EXPECT_EQ(s->NrOfColumns(), 2);
    EXPECT_EQ(s->NrOfRows(), 9);
}

TEST(IntMatrixSparse, FillTransposeAndConversions)
{
    auto s = Sparse(1);
    s->SetVal(1, 3, 5);
    s->SetVal(2, 1, 6);
    s->Fill(4);
    EXPECT_EQ(s->GetVal(1, 3), 4);
    EXPECT_EQ(s->GetVal(1, 1), 0);
    s->SetVal(1, 3, 5);
    s->SetVal(2, 1, 6);
    ASSERT_TRUE(s->Transpose());
    EXPECT_EQ(s->GetVal(1, 2), 6);
    EXPECT_EQ(s->GetVal(3, 1), 5);
    EXPECT_EQ(s->NrOfColumns(), 3);
    EXPECT_EQ(s->NrOfRows(), 2);

    s->SparseToArray();
    EXPECT_FALSE(s->IsSparse());
    EXPECT_EQ(s->NrOfColumns(), 3);
    EXPECT_EQ(s->NrOfRows(), 2);
    EXPECT_EQ(s->GetVal(3, 1), 5);
    EXPECT_EQ(s->GetVal(2, 2), 0);
    s->ArrayToSparse(4);
    EXPECT_TRUE(s->IsSparse());
    EXPECT_EQ(s->SparseNumElem(), 2);
    EXPECT_EQ(s->GetVal(1, 2), 6);

    s->Fill(0);
    EXPECT_EQ(s->SparseNumElem(), 0);
    EXPECT_EQ(s->NrOfColumns(), 3);
    auto dense = Dense({{1}});
    dense->Clone(s.get());
    EXPECT_EQ(dense->GetVal(1, 1), 1);
}

TEST(IntMatrix, MinMaxStartValuesAndSums)
{
    auto m = Dense({{-2147483647 - 1}});
    Integer mn, mx;
    m->MinMax(0, 0, 0, 0, mn, mx);
    EXPECT_EQ(mn, -2147483647 - 1);
    EXPECT_EQ(mx, -2147483647);
    auto s = Sparse(1);
    s->SetVal(3, 3, 9);
    s->MinMax(1, 1, 2, 2, mn, mx);
    EXPECT_EQ(mn, 2147483647);
    EXPECT_EQ(mx, -2147483647);
    EXPECT_EQ(s->Sum(0, 0, 0, 0), 9);
    EXPECT_EQ(s->Trace(), 9);
    auto d = Dense({{1, 2}, {3, 4}});
    EXPECT_EQ(d->Trace(), 5);
    EXPECT_FALSE(d->ResizeAndClear(2, 2));
    EXPECT_EQ(d->GetVal(2, 2), 4);
}

TEST(IntMatrix, ProductsAndStatistics)
{
    auto m = Dense({{1, 2}, {3, 4}});
    TIntVector b(nullptr), res(nullptr);
    b.Resize(2);
    b.Fill(1);
    ASSERT_TRUE(m->Multiply(&b, &res));
    EXPECT_EQ(res.GetVal(1), 3);
    EXPECT_EQ(res.GetVal(2), 7);
    EXPECT_EQ(b.GetVal(1), 1);
    TIntMatrix prod(nullptr);
    ASSERT_TRUE(m->Multiply(m.get(), &prod));
    EXPECT_EQ(prod.GetVal(1, 1), 7);
    EXPECT_EQ(prod.GetVal(2, 1), 10);
    EXPECT_EQ(prod.GetVal(1, 2), 15);
    EXPECT_EQ(prod.GetVal(2, 2), 22);
    double q1, q2, q3;
    auto seven = Dense({{1, 2, 3, 4, 5, 6, 7}});
    ASSERT_TRUE(seven->Quartiles(0, 0, 0, 0, q1, q2, q3));
    EXPECT_DOUBLE_EQ(q1, 2);
    EXPECT_DOUBLE_EQ(q2, 4);
    EXPECT_DOUBLE_EQ(q3, 6);
    EXPECT_DOUBLE_EQ(Dense({{1, 2, 3, 4, 5}})->Percentile(50, 0, 0, 0, 0), 3);
    EXPECT_DOUBLE_EQ(Dense({{1, 4, 16}})->GeometricMean(0, 0, 0, 0), 4);
    EXPECT_THROW(Dense({{1, -1}})->GeometricMean(0, 0, 0, 0), EVEZMatrixError);
    EXPECT_EQ(Dense({{1, 2, 4}})->CountMaskedZeros(0, 0, 0, 0, 1), 2);
    Integer col, row;
    seven->Find(0, 0, 0, 0, 5, col, row);
    EXPECT_EQ(col, 5);
    EXPECT_EQ(seven->FindInSortedColumn(1, true, 1), 1);
}

TEST(IntMatrix, SortRowsMovesTheBlock)
{
    auto m = Dense({{3, 30}, {1, 10}, {2, 20}});
    m->SortRows(1, true, 0, 0, 0, 0);
    EXPECT_EQ(m->GetVal(1, 1), 1);
    EXPECT_EQ(m->GetVal(2, 1), 10);
    EXPECT_EQ(m->GetVal(2, 3), 30);
}

class IntMatrixFiles : public NumFileTest {};

TEST_F(IntMatrixFiles, BinaryBlockFileSizesAndRoundTrip)
{
    auto m = Dense({{1, 2, 3}, {4, 5, 6}});
    m->SetDataID("Ints");
    m->SaveBinary(Path("m.bin"));
    EXPECT_EQ(SizeOf("m.bin"), 8192u);
    Integer cols, rows, format;
    String id;
    EXPECT_TRUE(m->ReadBinaryHeader(Path("m.bin"), cols, rows, id, format));
    EXPECT_EQ(cols, 3);
    EXPECT_EQ(format, 2);
    EXPECT_EQ(id, String("Ints"));
    TIntMatrix back(nullptr);
    EXPECT_EQ(back.LoadBinary(Path("m.bin")), 0);
    ExpectEqual(*m, back);
    EXPECT_EQ(back.DataID(), String("Ints"));

    TIntMatrix big(nullptr);
    big.Resize(1025, 1);
    big.SaveBinary(Path("big.bin"));
    EXPECT_EQ(SizeOf("big.bin"), 12288u);
    EXPECT_EQ(back.LoadBinary(Path("missing.bin")), -5);
}

TEST_F(IntMatrixFiles, StreamTextAndSparseTextRoundTrips)
{
    auto m = Dense({{1, -2}, {3, 4}, {5, 6}});
    TMemoryStream* stream = nullptr;
    m->SaveToStream(stream, 0, 0, 0, 0);
    std::unique_ptr<TMemoryStream> owned(stream);
    EXPECT_EQ(stream->Size(), 4 * (4 + 6));
    stream->SetPosition(0);
    TIntMatrix back(nullptr);
    EXPECT_TRUE(back.LoadFromStream(stream, true));
    ExpectEqual(*m, back);

    EXPECT_TRUE(m->StoreOnFile(0, 0, 0, 0, Path("m.txt")));
    EXPECT_EQ(ReadAll("m.txt"), "1 3\r\n1 2\r\n1 -2 \r\n3 4 \r\n5 6 \r\n");
    TIntMatrix fromText(nullptr);
    EXPECT_TRUE(fromText.LoadFromFile(Path("m.txt"), true));
    ExpectEqual(*m, fromText);

    EXPECT_FALSE(m->StoreSparseMat(Path("dense.sp")));
    EXPECT_EQ(ReadAll("dense.sp"), "this matrix is not a sparse matrix\r\n");
    auto s = Sparse(3);
    s->SetVal(12, 3, -5);
    s->SetVal(2, 7, 8);
    EXPECT_TRUE(s->StoreSparseMat(Path("s.sp")));
    EXPECT_EQ(ReadAll("s.sp"),
              "VEZ_sparse_matrix\r\n     2     // number of elements in sparse matrix\r\n"
              "     2     12   // lowest and highest column\r\n     3      7   // lowest and highest row\r\n"
              "[2,7]=8\r\n[12,3]=-5\r\n");
    auto s2 = Sparse(1);
    EXPECT_TRUE(s2->LoadSparseMat(Path("s.sp")));
    ExpectEqual(*s, *s2);
    auto empty = Sparse(1);
    EXPECT_TRUE(empty->StoreSparseMat(Path("e.sp")));
    EXPECT_TRUE(s2->LoadSparseMat(Path("e.sp")));
}

TEST_F(IntMatrixFiles, XmlAndAscRoundTrips)
{
    auto m = Dense({{0, 7}, {-3, 0}});
    TMemoryStream xml;
    m->WriteToXMLStream(&xml, true, "Grid");
    const std::string text(reinterpret_cast<const char*>(xml.Memory()), static_cast<size_t>(xml.Size()));
    EXPECT_EQ(text,
              "<?xml version=\"1.0\"?>\r\n\r\n<!-- TIntMatrix / VEZ Component Suite -->\r\n"
              "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"2\" id=\"Grid\">\r\n<numcols>2</numcols>\r\n"
              "<numrows>2</numrows>\r\n<cell ix=\"2\" iy=\"1\">7</cell>\r\n<cell ix=\"1\" iy=\"2\">-3</cell>\r\n"
              "</matrix>\r\n");
    xml.SetPosition(0);
    TIntMatrix back(nullptr);
    EXPECT_TRUE(back.ReadFromXMLStream(&xml, "grid"));
    ExpectEqual(*m, back);
    EXPECT_EQ(back.DataID(), String("grid"));

    TStr2DArray cust;
    cust.SetLength(2);
    cust[0] = DynArray<String>{"Unit"};
    cust[1] = DynArray<String>{"m < ft"};
    EXPECT_EQ(m->ExportAsASC(Path("m.asc"), "ints", cust), 0);
    EXPECT_EQ(ReadAll("m.asc"),
              "ints\r\n2\t;nr. of columns\r\n2\t;nr. of rows\r\n"
              "FALSE FALSE FALSE FALSE\t;row attributes, column names, row names, nominal variables\r\n"
              "\t0\t7\r\n\t-3\t0\r\n<CUSTDATA>\r\n<Unit>m &lt; ft</Unit>\r\n</CUSTDATA>\r\n");
    TIntMatrix fromAsc(nullptr);
    TStr2DArray custBack;
    String comment;
    EXPECT_EQ(fromAsc.ImportASC(Path("m.asc"), comment, custBack), 0);
    ExpectEqual(*m, fromAsc);
    ASSERT_EQ(custBack.Length(), 2);
    ASSERT_EQ(custBack[0].Length(), 1);
    EXPECT_EQ(custBack[0][0], String("unit"));
    EXPECT_EQ(custBack[1][0], String("m &lt; ft"));
}

TEST_F(IntMatrixFiles, DamagedFilesGiveFailureResults)
{
    auto m = Dense({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    m->SaveBinary(Path("m.bin"));
    m->StoreOnFile(0, 0, 0, 0, Path("m.txt"));
    m->ExportAsASC(Path("m.asc"), "c");
    TMemoryStream xml;
    m->WriteToXMLStream(&xml, true, "");
    auto s = Sparse(1);
    s->SetVal(4, 4, 4);
    s->StoreSparseMat(Path("s.sp"));
    const std::string goods[] = {ReadAll("m.bin").substr(0, 4200), ReadAll("m.txt"), ReadAll("m.asc"),
                                 std::string(reinterpret_cast<const char*>(xml.Memory()), static_cast<size_t>(xml.Size())),
                                 ReadAll("s.sp")};
    String comment;
    for (const std::string& good : goods)
        ForDamagedCopies(good, 60, [&](const String& path, const std::string& bytes) {
            TIntMatrix target(nullptr);
            Integer code = target.LoadBinary(path);
            EXPECT_LE(code, 0);
            target.LoadFromFile(path, true);
            target.ImportASC(path, comment);
            target.LoadFromXMLFile(path, "");
            TMemoryStream stream;
            if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
            stream.SetPosition(0);
            target.LoadFromStream(&stream, true);
            auto sparse = Sparse(1);
            sparse->LoadSparseMat(path);
            EXPECT_LE(Int64(target.NrOfColumns()) * target.NrOfRows(), Int64(1) << 22);
        });
    // A header announcing far more values than the file holds.
    std::string bin = ReadAll("m.bin");
    bin[0] = '\x7f';
    bin[1] = '\x7f';
    WriteAll("liar.bin", bin);
    TIntMatrix target(nullptr);
    EXPECT_EQ(target.LoadBinary(Path("liar.bin")), -3);
    EXPECT_EQ(target.NrOfColumns(), 1);
}

TEST(IntMatrix, CopiesIntoAFloatingPointMatrix)
{
    auto m = Dense({{1, 2, 3}, {4, 5, 6}});
    TMatrix target(nullptr);
    target.Resize(3, 3);
    target.CopyFrom(m.get(), 2, 1, 9, 2, 1, 2);  // columns 2..3 (9 clamped), rows 1..2
    EXPECT_EQ(target.GetVal(1, 2), 2);
    EXPECT_EQ(target.GetVal(2, 3), 6);
    EXPECT_EQ(target.GetVal(1, 1), 0);
    target.CopyFrom(static_cast<TIntMatrix*>(nullptr), 1, 1, 1, 1, 1, 1);
    EXPECT_EQ(target.GetVal(2, 3), 6);
}

TEST(IntMatrix, DichotomizeMarksElementsAboveTheThreshold)
{
    auto m = Dense({{1, 5, 3}, {7, 3, 2}});
    TBool2DArray above;
    EXPECT_EQ(m->Dichotomize(3, above), 2);
    ASSERT_EQ(above.Length(), 3);
    EXPECT_TRUE(above[1][0]);   // 5 at column 2, row 1
    EXPECT_TRUE(above[0][1]);   // 7 at column 1, row 2
    EXPECT_FALSE(above[2][0]);  // 3 is not above 3
}

TEST(IntMatrix, TransposedProducts)
{
    auto a = Dense({{1, 2}, {3, 4}, {5, 6}});  // 3 rows, 2 columns
    TIntMatrix res(nullptr);
    ASSERT_TRUE(a->MultiplyTransposed(a.get(), &res));  // A x At
    ExpectEqual(res, *Dense({{5, 11, 17}, {11, 25, 39}, {17, 39, 61}}));
    ASSERT_TRUE(a->TransposeAndMultiply(a.get(), &res));  // At x A
    ExpectEqual(res, *Dense({{35, 44}, {44, 56}}));
    auto b = Dense({{1, 2, 3}});
    EXPECT_FALSE(a->MultiplyTransposed(b.get(), &res));   // inner counts 2 and 3 differ
    EXPECT_FALSE(a->TransposeAndMultiply(b.get(), &res));  // rows 3 and 1 differ
}
