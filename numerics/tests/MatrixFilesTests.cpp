#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "numerics/VEZ_intmatrix.h"
#include "numerics/VEZ_matrix.h"
#include "numerics/tests/NumFileFixture.h"

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

void ExpectEqual(const TMatrix& a, const TMatrix& b)
{
    ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
    ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
    for (Integer c = 1; c <= a.NrOfColumns(); ++c)
        for (Integer r = 1; r <= a.NrOfRows(); ++r) EXPECT_EQ(a.GetVal(c, r), b.GetVal(c, r)) << c << "," << r;
}

class Listener : public TObject {
public:
    void Percent(TObject*, Integer p) { Percents.push_back(p); }
    void Changed(TObject*) { ++Changes; }
    std::vector<Integer> Percents;
    int Changes = 0;
};

std::string StreamText(TMemoryStream& s)
{
    return std::string(reinterpret_cast<const char*>(s.Memory()), static_cast<size_t>(s.Size()));
}

}  // namespace

class MatrixFiles : public NumFileTest {};

TEST_F(MatrixFiles, BlockFileSizesHeaderAndRoundTrip)
{
    auto m = FromRows({{1, 2, 3}, {4, 5, 6}});
    m->SetDataID("Dam section");
    m->SaveBinary(Path("m.bin"));
    EXPECT_EQ(SizeOf("m.bin"), 8192u);
    const std::string bytes = ReadAll("m.bin");
    double second;
    std::memcpy(&second, bytes.data() + 4096 + 8, 8);
    EXPECT_EQ(second, 4);  // column order: (1,1), (1,2), (2,1) ...
    EXPECT_EQ(bytes[16], 11);
    EXPECT_EQ(bytes.substr(17, 11), "Dam section");
    Integer cols, rows, format;
    String id;
    EXPECT_TRUE(m->ReadBinaryHeader(Path("m.bin"), cols, rows, id, format));
    EXPECT_EQ(cols, 3);
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(id, String("Dam section"));
    EXPECT_EQ(format, 1);
    TMatrix back(nullptr);
    EXPECT_EQ(back.LoadBinary(Path("m.bin")), 0);
    ExpectEqual(*m, back);
    EXPECT_EQ(back.DataID(), String("Dam section"));

    TMatrix sized(nullptr);
    sized.Resize(512, 1);
    sized.SaveBinary(Path("512.bin"));
    EXPECT_EQ(SizeOf("512.bin"), 8192u);
    sized.Resize(513, 1);
    sized.SaveBinary(Path("513.bin"));
    EXPECT_EQ(SizeOf("513.bin"), 12288u);

    EXPECT_EQ(back.LoadBinary(Path("missing.bin")), -5);
    ExpectEqual(*m, back);
    TIntMatrix ints(nullptr);
    ints.SaveBinary(Path("int.bin"));
    EXPECT_EQ(back.LoadBinary(Path("int.bin")), -1);
    EXPECT_EQ(ints.LoadBinary(Path("m.bin")), -1);
    WriteAll("short.bin", bytes.substr(0, 4096 + 40));
    EXPECT_EQ(back.LoadBinary(Path("short.bin")), -3);
    ExpectEqual(*m, back);
}

TEST_F(MatrixFiles, BlockFileProgress)
{
    Listener listener;
    TMatrix m(nullptr);
    m.SetOnPercentDone(TOnPercentDoneEvent(&listener, &Listener::Percent));
    m.Resize(1000, 1);
    m.SaveBinary(Path("a.bin"));
    ASSERT_EQ(listener.Percents.size(), 100u);
    for (Integer i = 0; i < 100; ++i) EXPECT_EQ(listener.Percents[static_cast<size_t>(i)], i + 1);
    listener.Percents.clear();
    m.Resize(50, 1);
    m.SaveBinary(Path("b.bin"));
    ASSERT_EQ(listener.Percents.size(), 50u);
    EXPECT_EQ(listener.Percents[0], 2);
    EXPECT_EQ(listener.Percents.back(), 100);
}

TEST_F(MatrixFiles, StreamOfExtendedFloats)
{
    auto m = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    TMemoryStream* all = nullptr;
    m->SaveToStream(all, 0, 0, 0, 0);
    std::unique_ptr<TMemoryStream> owned(all);
    EXPECT_EQ(all->Size(), 10 * (4 + 9));
    all->SetPosition(0);
    TMatrix back(nullptr);
    EXPECT_TRUE(back.LoadFromStream(all, true));
    ExpectEqual(*m, back);

    TMemoryStream block;
    TMemoryStream* blockPtr = &block;
    m->SaveToStream(blockPtr, 2, 2, 3, 3);
    block.SetPosition(0);
    TMatrix small(nullptr);
    EXPECT_TRUE(small.LoadFromStream(&block, true));
    ExpectEqual(small, *FromRows({{0, 0, 0}, {0, 5, 6}, {0, 8, 9}}));

    for (Int64 cut : {Int64(5), Int64(39), Int64(41), Int64(129)}) {
        TMemoryStream part;
        part.WriteBuffer(all->Memory(), static_cast<Integer>(cut));
        part.SetPosition(0);
        TMatrix target(nullptr);
        EXPECT_FALSE(target.LoadFromStream(&part, true)) << cut;
        EXPECT_EQ(target.NrOfColumns(), 1) << cut;
    }
}

TEST_F(MatrixFiles, BoundedAndPlainTextLayouts)
{
    auto m = FromRows({{1.5, -2}, {3, 4}});
    m->SetFPrecis(1, 6);
    m->SetFPrecis(2, 2);
    EXPECT_TRUE(m->StoreOnFile(0, 0, 0, 0, Path("m.txt")));
    EXPECT_EQ(ReadAll("m.txt"), "1 2\r\n1 2\r\n  1.50  -2.00 \r\n  3.00   4.00 \r\n");
    TMatrix back(nullptr);
    EXPECT_TRUE(back.LoadFromFile(Path("m.txt"), true));
    ExpectEqual(*m, back);
    m->SetFPrecis(2, -1);
    EXPECT_TRUE(m->StoreOnFile(0, 0, 0, 0, Path("sci.txt")));
    EXPECT_TRUE(back.LoadFromFile(Path("sci.txt"), true, false));
    EXPECT_EQ(back.GetVal(1, 1), 1.5);

    WriteAll("plain.txt", "1 2\t3\r\n4 5 6\r\n");
    TMatrix plain(nullptr);
    EXPECT_TRUE(plain.LoadFromFile(Path("plain.txt"), true, true));
    ExpectEqual(plain, *FromRows({{1, 2, 3}, {4, 5, 6}}));
    EXPECT_FALSE(back.LoadFromFile(Path("missing.txt"), true));
    WriteAll("liar.txt", "1 60000\r\n1 60000\r\n1\r\n");
    EXPECT_FALSE(back.LoadFromFile(Path("liar.txt"), true));
}

TEST_F(MatrixFiles, XmlCellLineAndRoundTrip)
{
    TMatrix m(nullptr);
    m.Resize(2, 2);
    m.SetVal(2, 1, 1.5);
    TMemoryStream xml;
    m.WriteToXMLStream(&xml, true, "Test");
    EXPECT_EQ(StreamText(xml),
              "<?xml version=\"1.0\"?>\r\n\r\n<!-- TMatrix / VEZ Component Suite -->\r\n"
              "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"2\" id=\"Test\">\r\n<numcols>2</numcols>\r\n"
              "<numrows>2</numrows>\r\n<cell ix=\"2\" iy=\"1\">1.5</cell>\r\n</matrix>\r\n");
    xml.SetPosition(0);
    TMatrix back(nullptr);
    Listener listener;
    back.SetOnChange(TNotifyEvent(&listener, &Listener::Changed));
    EXPECT_TRUE(back.ReadFromXMLStream(&xml, ""));
    ExpectEqual(m, back);
    EXPECT_EQ(back.DataID(), String("test"));

    auto filled = FromRows({{7, 7}, {7, 7}});
    xml.SetPosition(0);
    EXPECT_TRUE(filled->ReadFromXMLStream(&xml, "TEST"));
    ExpectEqual(*filled, *FromRows({{7, 1.5}, {7, 7}}));

    auto values = FromRows({{1e20, -2.5e-6}, {0.1, 123456789012345.0}});
    values->SaveAsXMLFile(Path("v.xml"), "");
    TMatrix fromFile(nullptr);
    EXPECT_TRUE(fromFile.LoadFromXMLFile(Path("v.xml"), ""));
    ExpectEqual(*values, fromFile);
    EXPECT_NE(ReadAll("v.xml").find(">1E20<"), std::string::npos);
    EXPECT_NE(ReadAll("v.xml").find(">-2.5E-6<"), std::string::npos);
}

TEST_F(MatrixFiles, XmlIdentificationsAndForeignInput)
{
    auto a = FromRows({{1}});
    auto b = FromRows({{2, 3}});
    TMemoryStream xml;
    a->WriteToXMLStream(&xml, true, "a");
    b->WriteToXMLStream(&xml, false, "B");
    xml.SetPosition(0);
    TMatrix m(nullptr);
    EXPECT_TRUE(m.ReadFromXMLStream(&xml, "b"));
    EXPECT_EQ(m.NrOfColumns(), 2);
    EXPECT_EQ(m.GetVal(2, 1), 3);
    xml.SetPosition(0);
    EXPECT_FALSE(m.ReadFromXMLStream(&xml, "c"));
    EXPECT_EQ(m.DataID(), String("b"));

    TStringStream foreign("<html><body>nothing</body></html>");
    EXPECT_FALSE(m.ReadFromXMLStream(&foreign, ""));
    EXPECT_EQ(m.NrOfColumns(), 2);
    TStringStream broken(
        "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"2\" id=\"x\">\r\n<numcols>3</numcols>\r\n<numrows>1</numrows>\r\n"
        "<cell ix=\"3\" iy=\"1\">4</cell>\r\n");
    EXPECT_FALSE(m.ReadFromXMLStream(&broken, ""));
    EXPECT_EQ(m.GetVal(3, 1), 4);
    TStringStream huge(
        "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"2\" id=\"x\">\r\n<numcols>2000000000</numcols>\r\n"
        "<numrows>2000000000</numrows>\r\n<cell ix=\"1\" iy=\"1\">4</cell>\r\n</matrix>\r\n");
    EXPECT_FALSE(m.ReadFromXMLStream(&huge, ""));
    EXPECT_EQ(m.NrOfColumns(), 3);
}

TEST_F(MatrixFiles, OpenTextFileVariants)
{
    auto m = FromRows({{0, 2}, {3, 0}});
    TextFile out;
    AssignFile(out, Path("t.xml"));
    Rewrite(out);
    m->WriteToOpenXMLFile(out, true, "t");
    CloseFile(out);
    TextFile in;
    AssignFile(in, Path("t.xml"));
    Reset(in);
    TMatrix back(nullptr);
    EXPECT_TRUE(back.ReadFromOpenXMLFile(in, "t"));
    CloseFile(in);
    ExpectEqual(*m, back);
}

TEST_F(MatrixFiles, AscWithCustomData)
{
    auto m = FromRows({{1.5, 2}, {3, -4}});
    TStr2DArray cust;
    cust.SetLength(2);
    cust[0] = DynArray<String>{"Unit", "Place"};
    cust[1] = DynArray<String>{"m < ft", u"Qu\u00e9bec"};
    EXPECT_EQ(m->ExportAsASC(Path("m.asc"), 2, "", cust), 0);
    EXPECT_EQ(ReadAll("m.asc"), "Exported by VEZ TMatrix component: " + Path("m.asc").ToUtf8() +
                                    "\r\n2\t;nr. of columns\r\n2\t;nr. of rows\r\n"
                                    "FALSE FALSE FALSE FALSE\t;row attributes, column names, row names, nominal "
                                    "variables\r\n\t        1.50\t        2.00\r\n\t        3.00\t       -4.00\r\n"
                                    "<CUSTDATA>\r\n<Unit>m &lt; ft</Unit>\r\n<Place>Qu&#233;bec</Place>\r\n"
                                    "</CUSTDATA>\r\n");
    TMatrix back(nullptr);
    TStr2DArray custBack;
    String comment;
    EXPECT_EQ(back.ImportASC(Path("m.asc"), comment, custBack), 0);
    ExpectEqual(*m, back);
    ASSERT_EQ(custBack[0].Length(), 2);
    EXPECT_EQ(custBack[0][1], String("place"));
    EXPECT_EQ(custBack[1][1], String("Qu&#233;bec"));

    TStr2DArray three;
    three.SetLength(3);
    EXPECT_EQ(m->ExportAsASC(Path("3.asc"), 2, "x", three), -2);
    EXPECT_EQ(back.ImportASC(Path("3.asc"), comment), 0);
    ExpectEqual(*m, back);

    WriteAll("bad.asc", "c\r\n2\r\n2\r\nFALSE FALSE FALSE FALSE\r\n1 2\r\n3 abc\r\n");
    EXPECT_EQ(back.ImportASC(Path("bad.asc"), comment), -6);
    EXPECT_EQ(back.NrOfRows(), 2);
    EXPECT_EQ(back.GetVal(2, 1), 2);
    EXPECT_EQ(back.GetVal(1, 2), 3);
}

TEST_F(MatrixFiles, CrcIdentifiesTheContents)
{
    auto a = FromRows({{1, 2}, {3, 4}});
    EXPECT_EQ(a->CRCofData(), FromRows({{1, 2}, {3, 4}})->CRCofData());
    EXPECT_NE(a->CRCofData(), FromRows({{2, 1}, {3, 4}})->CRCofData());
    TMatrix empty(nullptr);
    empty.Resize(0, 0);
    EXPECT_EQ(empty.CRCofData(), String(std::string(64, '0')));
}

TEST_F(MatrixFiles, DamagedFilesGiveFailureResults)
{
    auto m = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    m->SaveBinary(Path("m.bin"));
    m->StoreOnFile(0, 0, 0, 0, Path("m.txt"));
    m->ExportAsASC(Path("m.asc"), 3, "c");
    m->SaveAsXMLFile(Path("m.xml"), "m");
    TMemoryStream* stream = nullptr;
    m->SaveToStream(stream, 0, 0, 0, 0);
    std::unique_ptr<TMemoryStream> owned(stream);
    const std::string goods[] = {ReadAll("m.bin").substr(0, 4300), ReadAll("m.txt"), ReadAll("m.asc"), ReadAll("m.xml"),
                                 std::string(reinterpret_cast<const char*>(stream->Memory()), 130)};
    String comment;
    for (const std::string& good : goods)
        ForDamagedCopies(good, 60, [&](const String& path, const std::string& bytes) {
            TMatrix target(nullptr);
            EXPECT_LE(target.LoadBinary(path), 0);
            target.LoadFromFile(path, true);
            target.LoadFromFile(path, true, true);
            target.ImportASC(path, comment);
            target.LoadFromXMLFile(path, "");
            TMemoryStream in;
            if (!bytes.empty()) in.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
            in.SetPosition(0);
            target.LoadFromStream(&in, true);
            EXPECT_LE(Int64(target.NrOfColumns()) * target.NrOfRows(), Int64(1) << 22);
        });
}
