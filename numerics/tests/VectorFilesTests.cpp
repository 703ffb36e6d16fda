#include <gtest/gtest.h>

#include <memory>

#include "numerics/VEZ_vector.h"
#include "numerics/tests/NumFileFixture.h"
#include "platform/rtl/RtlMath.h"

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

void ExpectEqual(const TVector& a, const TVector& b)
{
    ASSERT_EQ(a.NrOfElem(), b.NrOfElem());
    for (Integer k = 1; k <= a.NrOfElem(); ++k) EXPECT_EQ(a.GetVal(k), b.GetVal(k)) << k;
}

}  // namespace

class VectorFiles : public NumFileTest {};

TEST_F(VectorFiles, StreamOfExtendedFloats)
{
    auto v = Vec({1.5, -2.25, 1e-300});
    TMemoryStream* stream = nullptr;
    v->SaveToStream(stream, 0, 0);
    std::unique_ptr<TMemoryStream> owned(stream);
    ASSERT_EQ(stream->Size(), 50);
    // Low index 1 as a 10-byte extended float: mantissa 1 << 63, exponent 16383.
    const Byte* bytes = stream->Memory();
    EXPECT_EQ(bytes[7], 0x80);
    EXPECT_EQ(bytes[8], 0xFF);
    EXPECT_EQ(bytes[9], 0x3F);
    stream->SetPosition(0);
    TVector back(nullptr);
    EXPECT_TRUE(back.LoadFromStream(stream, true));
    ExpectEqual(*v, back);

    TMemoryStream part;
    TMemoryStream* partPtr = &part;
    v->SaveToStream(partPtr, 2, 3);
    part.SetPosition(0);
    TVector shorter(nullptr);
    shorter.Resize(2);
    shorter.SetVal(1, 7);
    ChangeCounter counter;
    shorter.SetOnChange(TNotifyEvent(&counter, &ChangeCounter::Changed));
    EXPECT_FALSE(shorter.LoadFromStream(&part, false));
    EXPECT_EQ(shorter.GetVal(1), 7);
    EXPECT_EQ(counter.Count, 1);
}

TEST_F(VectorFiles, TruncatedStreamsAreRefused)
{
    auto v = Vec({1, 2, 3});
    TMemoryStream* stream = nullptr;
    v->SaveToStream(stream, 0, 0);
    std::unique_ptr<TMemoryStream> owned(stream);
    for (Integer cut = 0; cut < 50; cut += 7) {
        TMemoryStream shortStream;
        if (cut > 0) shortStream.WriteBuffer(stream->Memory(), cut);
        shortStream.SetPosition(0);
        TVector target(nullptr);
        EXPECT_FALSE(target.LoadFromStream(&shortStream, true)) << cut;
        EXPECT_EQ(target.NrOfElem(), 1) << cut;
    }
    TMemoryStream huge;
    Byte image[10];
    ExtendedToBytes(1, image);
    huge.WriteBuffer(image, 10);
    ExtendedToBytes(1e9, image);
    huge.WriteBuffer(image, 10);
    huge.SetPosition(0);
    TVector target(nullptr);
    EXPECT_FALSE(target.LoadFromStream(&huge, true));
    EXPECT_EQ(target.NrOfElem(), 1);
}

TEST_F(VectorFiles, NumberListWithEveryPrecision)
{
    auto v = Vec({1.5, -2.25, 3, 4, 5});
    EXPECT_TRUE(v->StoreOnFile(5, 2, 2, Path("fixed.txt")));
    EXPECT_EQ(ReadAll("fixed.txt"), "2 5\r\n-2.25\r\n3.00\r\n4.00\r\n5.00\r\n");
    EXPECT_TRUE(v->StoreOnFile(1, 1, -1, Path("sci13.txt")));
    EXPECT_EQ(ReadAll("sci13.txt"), "1 1\r\n 1.5000E+0000\r\n");
    EXPECT_TRUE(v->StoreOnFile(1, 1, -5, Path("two.txt")));
    EXPECT_EQ(ReadAll("two.txt"), "1 1\r\n1.50\r\n");
    EXPECT_TRUE(v->StoreOnFile(0, 0, -2, Path("sci26.txt")));
    TVector back(nullptr);
    EXPECT_TRUE(back.LoadFromFile(Path("sci26.txt"), true));
    ExpectEqual(*v, back);
    EXPECT_FALSE(back.LoadFromFile(Path("missing.txt"), true));
    WriteAll("liar.txt", "1 100000000\r\n1\r\n");
    EXPECT_FALSE(back.LoadFromFile(Path("liar.txt"), true));
    EXPECT_EQ(back.NrOfElem(), 5);
}

TEST_F(VectorFiles, PlainListIsCountedByItsLines)
{
    WriteAll("plain.txt", "1.5\r\n\r\nx\r\n2.5\r\n-3\r\n");
    TVector v(nullptr);
    EXPECT_TRUE(v.LoadFromFile(Path("plain.txt"), true, true));
    ASSERT_EQ(v.NrOfElem(), 3);
    EXPECT_EQ(v.GetVal(1), 1.5);
    EXPECT_EQ(v.GetVal(3), 2.5);
}

TEST_F(VectorFiles, AscRoundTripWithExactText)
{
    auto v = Vec({1.5, -20});
    EXPECT_EQ(v->ExportAsASC(Path("v.asc"), 3, "line one\nline two"), 0);
    EXPECT_EQ(ReadAll("v.asc"),
              "line one line two\r\n1\t;nr. of columns\r\n2\t;nr. of rows\r\n"
              "FALSE FALSE FALSE FALSE\t;row attributes, column names, row names, nominal variables\r\n"
              "       1.500\r\n     -20.000\r\n");
    TVector back(nullptr);
    String comment;
    EXPECT_EQ(back.ImportASC(Path("v.asc"), comment), 0);
    EXPECT_EQ(comment, String("line one line two"));
    ExpectEqual(*v, back);
    EXPECT_EQ(v->ExportAsASC(Path("d.asc"), 1, ""), 0);
    EXPECT_EQ(ReadAll("d.asc").substr(0, 35), "Exported by VEZ TVector component: ");
    EXPECT_EQ(v->ExportAsASC(Path("no/such/dir/x.asc"), 1, ""), -1);
}

struct AscCase {
    const char* text;
    Integer code;
    Integer size;
};

TEST_F(VectorFiles, AscReaderCodes)
{
    const AscCase cases[] = {
        {"c\r\n1\r\n2\r\nTRUE FALSE FALSE FALSE\r\n9 1.5\r\n9 ###\r\n", 0, 2},
        {"c\r\n1\r\n2\r\nMAYBE FALSE FALSE FALSE\r\n1\r\n2\r\n", -3, 1},
        {"c\r\n2\r\n2\r\nFALSE FALSE FALSE FALSE\r\n1 2\r\n3 4\r\n", -7, 1},
        {"c\r\n1\r\n3\r\nFALSE FALSE FALSE FALSE\r\n1\r\nabc\r\n3\r\n", -6, 2},
        {"c\r\n1\r\n2\r\nTRUE FALSE FALSE FALSE\r\nx 1\r\n", -5, 1},
        {"c\r\n0\r\n2\r\nFALSE FALSE FALSE FALSE\r\n", -1, 1},
        {"c\r\n1\r\nx\r\nFALSE FALSE FALSE FALSE\r\n", -2, 1},
        {"c\r\n1\r\n2\r\nFALSE TRUE TRUE FALSE\r\n\"name one\"\r\n\"r 1\" 5\r\n\"r 2\" 6\r\n", 0, 2},
    };
    for (const AscCase& c : cases) {
        WriteAll("case.asc", c.text);
        TVector v(nullptr);
        String comment;
        EXPECT_EQ(v.ImportASC(Path("case.asc"), comment), c.code) << c.text;
        EXPECT_EQ(v.NrOfElem(), c.size) << c.text;
    }
    TVector v(nullptr);
    String comment;
    WriteAll("case.asc", cases[0].text);
    v.ImportASC(Path("case.asc"), comment);
    EXPECT_EQ(v.GetVal(1), 1.5);
    EXPECT_EQ(v.GetVal(2), 0);
    WriteAll("case.asc", cases[7].text);
    v.ImportASC(Path("case.asc"), comment);
    EXPECT_EQ(v.GetVal(2), 6);
    EXPECT_EQ(v.ImportASC(Path("none.asc"), comment), -8);
}

TEST_F(VectorFiles, CrcFollowsTheValues)
{
    auto a = Vec({1, 2, 3});
    EXPECT_EQ(a->CRCofData().Length(), 64);
    EXPECT_NE(a->CRCofData(), Vec({1, 2, 4})->CRCofData());
    EXPECT_EQ(a->CRCofData(), Vec({1, 2, 3})->CRCofData());
}

TEST_F(VectorFiles, DamagedFilesNeverCrash)
{
    auto v = Vec({1, 2, 3, 4, 5, 6});
    v->StoreOnFile(0, 0, 3, Path("v.txt"));
    v->ExportAsASC(Path("v.asc"), 2, "c");
    TMemoryStream* stream = nullptr;
    v->SaveToStream(stream, 0, 0);
    std::unique_ptr<TMemoryStream> owned(stream);
    const std::string goods[] = {ReadAll("v.txt"), ReadAll("v.asc"),
                                 std::string(reinterpret_cast<const char*>(stream->Memory()), 80)};
    String comment;
    for (const std::string& good : goods)
        ForDamagedCopies(good, 80, [&](const String& path, const std::string& bytes) {
            TVector target(nullptr);
            target.LoadFromFile(path, true);
            target.LoadFromFile(path, true, true);
            target.ImportASC(path, comment);
            TMemoryStream in;
            if (!bytes.empty()) in.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
            in.SetPosition(0);
            target.LoadFromStream(&in, true);
            EXPECT_LE(target.NrOfElem(), 1 << 22);
        });
}
