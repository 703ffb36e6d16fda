#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "numerics/VEZ_filesys.h"
#include "numerics/VEZ_streams.h"

namespace {

TMemoryStream StreamOf(const std::string& bytes)
{
    TMemoryStream s;
    s.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
    s.SetPosition(0);
    return s;
}

std::string BytesOf(TMemoryStream& s) { return std::string(reinterpret_cast<const char*>(s.Memory()), s.Size()); }

// A file in the temporary folder, removed when the test ends.
struct TempFile {
    std::string path;
    explicit TempFile(const std::string& content)
    {
        path = testing::TempDir() + "numcore_" + testing::UnitTest::GetInstance()->current_test_info()->name();
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TempFile() { std::remove(path.c_str()); }
};

}  // namespace

TEST(Streams, TextAndLinesAre8BitWithCrLf)
{
    TMemoryStream s;
    WriteLineToStream(s, String(u"a\u00e9\u20ac"));
    WriteTextToStream(s, "");
    WriteTextToStream(s, String(5000, u'x'));
    std::string bytes = BytesOf(s);
    EXPECT_EQ(bytes.substr(0, 5), std::string("a\xE9\xAC\r\n"));
    EXPECT_EQ(bytes.size(), 5u + 5000u);
}

TEST(Streams, IntegersAndExtendedsRoundTripAndReportShortReads)
{
    TMemoryStream s;
    WriteIntegerToStream(s, -2);
    WriteIntegerToStream(s, 0x01020304);
    WriteExtendedToStream(s, 1.5L);
    WriteExtendedToStream(s, -0.1L);
    EXPECT_EQ(BytesOf(s).substr(0, 8), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01", 8));
    EXPECT_EQ(BytesOf(s).substr(8, 10), std::string("\0\0\0\0\0\0\0\xC0\xFF\x3F", 10));
    s.SetPosition(0);
    bool error = true;
    EXPECT_EQ(ReadIntegerFromStream(s, error), -2);
    EXPECT_FALSE(error);
    EXPECT_EQ(ReadIntegerFromStream(s, error), 0x01020304);
    EXPECT_EQ(ReadExtendedFromStream(s, error), 1.5L);
    EXPECT_EQ(ReadExtendedFromStream(s, error), -0.1L);
    EXPECT_FALSE(error);
    ReadExtendedFromStream(s, error);
    EXPECT_TRUE(error);

    TMemoryStream three = StreamOf("abc");
    ReadIntegerFromStream(three, error);
    EXPECT_TRUE(error);
}

TEST(Streams, LineEndModes)
{
    const struct {
        std::string bytes;
        Byte mode;
        std::vector<std::string> lines;  // the last one ends the stream
    } cases[] = {
        {"ab\r\nc", 0, {"ab", "c"}},
        {"ab\r\nc", 2, {"ab", "", "c"}},
        {"ab\r\nc", 4, {"ab", "c"}},
        {"ab\rc\r", 1, {"ab", "c", ""}},
        {"ab\n\rc", 3, {"ab", "c"}},
        {"a\nb\r\nc", 4, {"a\nb", "c"}},
        {"\n\r\r\nx", 4, {"\n\r", "x"}},  // two line-end characters at most are removed
    };
    for (const auto& c : cases) {
        TMemoryStream s = StreamOf(c.bytes);
        for (size_t i = 0; i < c.lines.size(); ++i) {
            bool end = false;
            String line;
            ReadLineFromStream(s, end, c.mode, line);
            EXPECT_EQ(line, String(c.lines[i])) << "mode " << int(c.mode) << " line " << i;
            EXPECT_EQ(end, i + 1 == c.lines.size()) << "mode " << int(c.mode) << " line " << i;
        }
    }
}

TEST(Streams, XmlElements)
{
    const TTagList tags{"numcols", "cell", "/matrix", "invalidtag"};
    TMemoryStream s = StreamOf(
        "<!-- TMat3D / VEZ Component Suite -->\r\n"
        "<?xml version=\"1.0\"?>\r\n"
        "  <NumCols>3</numcols>\r\n"
        "<cell ix=\"1\"  iy=\"2\" >4.5</CELL>\r\n"
        "<cell ix=\"2\"/>\r\n"
        "<other>x</other>\r\n"
        "</matrix>\r\n");
    String attributes, contents;
    EXPECT_EQ(ReadXMLElement(s, tags, attributes, contents), 0);
    EXPECT_EQ(contents, String("3"));
    EXPECT_EQ(attributes, String(""));
    EXPECT_EQ(ReadXMLElement(s, tags, attributes, contents), 1);
    EXPECT_EQ(attributes, String("ix=\"1\"  iy=\"2\""));
    EXPECT_EQ(contents, String("4.5"));
    EXPECT_EQ(ReadXMLElement(s, tags, attributes, contents), 1);
    EXPECT_EQ(attributes, String("ix=\"2\""));
    EXPECT_EQ(contents, String(""));
    EXPECT_EQ(ReadXMLElement(s, tags, attributes, contents), 3);
    EXPECT_EQ(contents, String("x"));
    EXPECT_EQ(ReadXMLElement(s, tags, attributes, contents), 2);
    EXPECT_EQ(ReadXMLElement(s, tags, attributes, contents), 3);  // end of the input
    EXPECT_EQ(attributes, String(""));
}

TEST(Streams, XmlElementsFromATextFile)
{
    TempFile file("<!-- c -->\r\n<cell ix=\"7\">1e-3</cell>\r\n");
    TextFile f;
    AssignFile(f, String(file.path));
    Reset(f);
    const TTagList tags{"cell", "invalidtag"};
    String attributes, contents;
    EXPECT_EQ(ReadXMLElementFromText(f, tags, attributes, contents), 0);
    EXPECT_EQ(attributes, String("ix=\"7\""));
    EXPECT_EQ(contents, String("1e-3"));
    EXPECT_EQ(ReadXMLElementFromText(f, tags, attributes, contents), 1);
    CloseFile(f);
}

TEST(AscHeader, CodesOfTheFourLines)
{
    const struct {
        std::string content;
        Integer code, columns, rows;
        bool flags[4];
    } cases[] = {
        {"comment\r\n3\r\n20\r\nTRUE FALSE\tTRUE true\r\n", 0, 3, 20, {true, false, true, true}},
        {"c\r\n  4 columns\r\n2\r\n  false  FALSE FALSE\r\n", 0, 4, 2, {false, false, false, false}},
        {"c\r\n0\r\n2\r\nTRUE TRUE TRUE TRUE\r\n", -1, 0, 0, {false, false, false, false}},
        {"c\r\nx\r\n", -1, 0, 0, {false, false, false, false}},
        {"c\r\n3\r\n-2\r\nTRUE TRUE TRUE TRUE\r\n", -2, 3, 0, {false, false, false, false}},
        {"c\r\n3\r\n2\r\nTRUE YES TRUE\r\n", -3, 3, 2, {true, false, false, false}},
        {"c\r\n3\r\n2\r\nTRUE FALSE TRUE\r\n", 0, 3, 2, {true, false, true, false}},
    };
    for (const auto& c : cases) {
        TempFile file(c.content);
        String comment;
        Integer columns = -9, rows = -9;
        bool flags[4] = {true, true, true, true};
        Integer code = ReadASCHeader(String(file.path), comment, columns, rows, flags[0], flags[1], flags[2], flags[3]);
        SCOPED_TRACE(c.content);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(columns, c.columns);
        EXPECT_EQ(rows, c.rows);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(flags[i], c.flags[i]) << i;
    }
    String comment;
    Integer columns, rows;
    bool a, b, c, d;
    EXPECT_EQ(ReadASCHeader("/nonexistent/file.asc", comment, columns, rows, a, b, c, d), -1);
    EXPECT_EQ(IOResult(), 0);
}
