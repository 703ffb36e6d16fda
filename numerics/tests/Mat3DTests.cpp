#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "numerics/VEZ_mat3d.h"
#include "numerics/tests/NumFileFixture.h"

namespace {

class ChangeCounter : public TObject {
public:
    void Changed(TObject*) { ++Count; }
    void Percent(TObject*, Integer p) { Percents.push_back(p); }
    int Count = 0;
    std::vector<Integer> Percents;
};

// A 3 x 2 x 2 box whose element (x, y, z) is 100 z + 10 y + x.
void FillNumbered(TMat3D& box)
{
    box.Resize(3, 2, 2);
    for (Integer x = 1; x <= 3; ++x)
        for (Integer y = 1; y <= 2; ++y)
            for (Integer z = 1; z <= 2; ++z) box.SetVal(x, y, z, 100 * z + 10 * y + x);
}

void ExpectEqual(const TMat3D& a, const TMat3D& b)
{
    ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
    ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
    ASSERT_EQ(a.NrOfLayers(), b.NrOfLayers());
    EXPECT_EQ(a.CRCofData(), b.CRCofData());
}

}  // namespace

TEST(Mat3D, BoundsResizeAndLayers)
{
    TMat3D box(nullptr);
    EXPECT_EQ(box.GetVal(1, 1, 1), 0);
    box.SetVal(0, 1, 1, 5);
    EXPECT_EQ(box.GetVal(0, 1, 1), 0);
    EXPECT_TRUE(box.Resize(0, 3, 3));
    EXPECT_EQ(box.NrOfRows(), 1);
    box.SetVal(1, 1, 1, 9);
    box.Resize(2, 2, 2);
    EXPECT_EQ(box.GetVal(1, 1, 1), 9);
    EXPECT_EQ(box.GetVal(2, 2, 2), 0);

    FillNumbered(box);
    TMatrix layer(nullptr);
    box.CopyLayerToMatrix(&layer, 0, 0, 0, 0, 2);
    EXPECT_EQ(layer.NrOfColumns(), 3);
    EXPECT_EQ(layer.NrOfRows(), 2);
    EXPECT_EQ(layer.GetVal(3, 1), 213);
    EXPECT_THROW(box.CopyLayerToMatrix(&layer, 0, 0, 0, 0, 3), EVEZMatrixError);
    box.CopyMatrixToLayer(&layer, 1, 3, 1, 2, 1, 2, 2);
    EXPECT_EQ(box.GetVal(2, 2, 1), 211);
    EXPECT_EQ(box.GetVal(3, 2, 1), 212);
}

TEST(Mat3D, StatisticsAndSearch)
{
    TMat3D box(nullptr);
    FillNumbered(box);
    double mn, mx, mean, var;
    box.MinMax(0, 0, 0, 0, 0, 0, mn, mx);
    EXPECT_EQ(mn, 111);
    EXPECT_EQ(mx, 223);
    box.MeanVar(1, 1, 1, 1, 1, 2, mean, var);
    EXPECT_DOUBLE_EQ(mean, 161);
    EXPECT_DOUBLE_EQ(var, 1);
    EXPECT_EQ(box.Percentile(0, 0, 0, 0, 0, 0, 0), 111);
    EXPECT_EQ(box.Percentile(100, 0, 0, 0, 0, 0, 0), 223);
    Integer x, y, z;
    box.Find(0, 0, 0, 0, 0, 0, 200, x, y, z);
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(z, 2);
}

class Mat3DFiles : public NumFileTest {};

TEST_F(Mat3DFiles, BlockFileRoundTripWithProgress)
{
    TMat3D box(nullptr);
    FillNumbered(box);
    box.SetDataID("Box");
    ChangeCounter counter;
    box.SetOnPercentDone(TOnPercentDoneEvent(&counter, &ChangeCounter::Percent));
    box.SaveBinary(Path("b.bin"));
    EXPECT_EQ(SizeOf("b.bin"), 8192u);
    EXPECT_EQ(counter.Percents.size(), 12u);
    EXPECT_EQ(counter.Percents.back(), 100);
    Integer c, r, l, t, f;
    String id;
    EXPECT_TRUE(box.ReadBinaryHeader(Path("b.bin"), c, r, l, t, id, f));
    EXPECT_EQ(l, 2);
    TMat3D back(nullptr);
    EXPECT_EQ(back.LoadBinary(Path("b.bin")), 0);
    ExpectEqual(box, back);
    EXPECT_EQ(back.DataID(), String("Box"));
    // The values follow layer by layer, row by row: the second value is (2, 1, 1).
    const std::string bytes = ReadAll("b.bin");
    double second;
    std::memcpy(&second, bytes.data() + 4096 + 8, 8);
    EXPECT_EQ(second, 112);

    std::string noLayers = bytes;
    noLayers[8] = 0;
    WriteAll("nolayers.bin", noLayers);
    EXPECT_EQ(back.LoadBinary(Path("nolayers.bin")), -2);
    WriteAll("short.bin", bytes.substr(0, 4100));
    EXPECT_EQ(back.LoadBinary(Path("short.bin")), -3);
    EXPECT_EQ(back.LoadBinary(Path("none.bin")), -5);
    ExpectEqual(box, back);
}

TEST_F(Mat3DFiles, XmlTextRoundTripAndZeroBoxes)
{
    TMat3D box(nullptr);
    box.Resize(2, 1, 2);
    box.SetVal(2, 1, 2, 1.5);
    TMemoryStream xml;
    box.WriteToXMLStream(&xml, true, "Cube");
    const std::string text(reinterpret_cast<const char*>(xml.Memory()), static_cast<size_t>(xml.Size()));
    EXPECT_EQ(text,
              "<?xml version=\"1.0\"?>\r\n\r\n<!-- TMat3D / VEZ Component Suite -->\r\n"
              "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"3\" id=\"Cube\">\r\n<numcols>2</numcols>\r\n"
              "<numrows>1</numrows>\r\n<numplanes>2</numplanes>\r\n"
              "<cell ix=\"2\" iy=\"1\" iz=\"2\">1.5</cell>\r\n</matrix>\r\n");
    xml.SetPosition(0);
    TMat3D back(nullptr);
    ChangeCounter counter;
    back.SetOnChange(TNotifyEvent(&counter, &ChangeCounter::Changed));
    EXPECT_TRUE(back.ReadFromXMLStream(&xml, "CUBE"));
    ExpectEqual(box, back);
    EXPECT_EQ(back.DataID(), String("cube"));

    TMat3D zeros(nullptr);
    zeros.Resize(4, 4, 4);
    zeros.SaveAsXMLFile(Path("z.xml"), "z");
    EXPECT_EQ(ReadAll("z.xml").find("<cell"), std::string::npos);
    EXPECT_TRUE(back.LoadFromXMLFile(Path("z.xml"), ""));
    ExpectEqual(box, back);
    EXPECT_EQ(back.DataID(), String("z"));
    EXPECT_FALSE(back.LoadFromXMLFile(Path("z.xml"), "other"));
}

TEST_F(Mat3DFiles, OpenTextFileVariants)
{
    TMat3D box(nullptr);
    FillNumbered(box);
    TextFile out;
    AssignFile(out, Path("t.xml"));
    Rewrite(out);
    box.WriteToOpenXMLFile(out, false, "t");
    CloseFile(out);
    EXPECT_EQ(ReadAll("t.xml").substr(0, 39), "\r\n<!-- TMat3D / VEZ Component Suite -->");
    TextFile in;
    AssignFile(in, Path("t.xml"));
    Reset(in);
    TMat3D back(nullptr);
    EXPECT_TRUE(back.ReadFromOpenXMLFile(in, "T"));
    CloseFile(in);
    ExpectEqual(box, back);
}

TEST_F(Mat3DFiles, TwoDimensionalMatricesArePassedOver)
{
    WriteAll("two.xml",
             "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"2\" id=\"a\">\r\n<numcols>1</numcols>\r\n"
             "<cell ix=\"1\" iy=\"1\">5</cell>\r\n</matrix>\r\n"
             "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"3\" id=\"a\">\r\n<numcols>1</numcols>\r\n"
             "<numrows>1</numrows>\r\n<numplanes>1</numplanes>\r\n<cell ix=\"1\" iy=\"1\" iz=\"1\">7</cell>\r\n"
             "</matrix>\r\n");
    TMat3D box(nullptr);
    box.Resize(2, 2, 2);
    EXPECT_TRUE(box.LoadFromXMLFile(Path("two.xml"), "a"));
    EXPECT_EQ(box.NrOfColumns(), 1);
    EXPECT_EQ(box.GetVal(1, 1, 1), 7);
}

TEST_F(Mat3DFiles, DamagedFilesGiveFailureResults)
{
    TMat3D box(nullptr);
    FillNumbered(box);
    box.SaveBinary(Path("b.bin"));
    box.SaveAsXMLFile(Path("b.xml"), "b");
    for (const std::string& good : {ReadAll("b.bin"), ReadAll("b.xml")})
        ForDamagedCopies(good, 100, [&](const String& path, const std::string&) {
            TMat3D target(nullptr);
            EXPECT_LE(target.LoadBinary(path), 0);
            target.LoadFromXMLFile(path, "");
            EXPECT_LE(Int64(target.NrOfColumns()) * target.NrOfRows() * target.NrOfLayers(), Int64(1) << 22);
        });
    WriteAll("huge.xml",
             "<matrix sig=\"DIZUDeziv\" vers=\"6.0\" dim=\"3\" id=\"h\">\r\n<numcols>100000</numcols>\r\n"
             "<numrows>100000</numrows>\r\n<numplanes>100000</numplanes>\r\n"
             "<cell ix=\"1\" iy=\"1\" iz=\"1\">7</cell>\r\n</matrix>\r\n");
    TMat3D target(nullptr);
    EXPECT_FALSE(target.LoadFromXMLFile(Path("huge.xml"), ""));
    EXPECT_EQ(target.NrOfColumns(), 1);
}

TEST(Mat3D, MatrixCopiesOneLayer)
{
    TMat3D box(nullptr);
    FillNumbered(box);
    TMatrix target(nullptr);
    target.Resize(3, 2);
    target.CopyFrom(&box, 1, 1, 3, 2, 7, 1, 1);  // layer 7 is taken as the last one
    EXPECT_EQ(target.GetVal(3, 2), 223);
    target.CopyFrom(&box, 0, 0, 0, 0, 0, 2, 2);  // bounds 0 address (1, 1), layer 0 is layer 1
    EXPECT_EQ(target.GetVal(2, 2), 111);
}
