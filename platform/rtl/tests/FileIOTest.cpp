#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "platform/rtl/FileIO.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

class FileIO : public ::testing::Test {
protected:
    void SetUp() override { IOResult(); }   // no error left over from elsewhere
    String Name(const std::string& file) const { return String(FDir / file); }
    std::string Bytes(const std::string& file) const { return ReadAllBytes(FDir / file); }
    void Put(const std::string& file, const std::string& bytes) const { WriteAllBytes(FDir / file, bytes); }

    TempFolder FDir;
};

}  // namespace

TEST_F(FileIO, BinaryRecordsWriteSeekAndRead)
{
    TBinaryFile f;
    AssignFile(f, Name("data.bin"));
    Rewrite(f, 4);
    const char data[] = "aaaabbbbcccc";
    BlockWrite(f, data, 3);
    EXPECT_EQ(FilePos(f), 3);
    EXPECT_EQ(FileSize(f), 3);
    EXPECT_TRUE(Eof(f));
    Seek(f, 1);
    char record[5] = {};
    BlockRead(f, record, 1);
    EXPECT_STREQ(record, "bbbb");
    EXPECT_EQ(FilePos(f), 2);
    CloseFile(f);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_EQ(Bytes("data.bin"), "aaaabbbbcccc");

    Reset(f, 1);   // record size 1: positions in bytes
    EXPECT_EQ(FileSize(f), 12);
    Integer done = -1;
    char buffer[20] = {};
    BlockRead(f, buffer, 20, done);   // asking for more is no error with a count
    EXPECT_EQ(done, 12);
    EXPECT_EQ(IOResult(), 0);
    CloseFile(f);
}

TEST_F(FileIO, ReadingPastTheEndIsDeferredAndStopsFurtherReads)
{
    Put("short.bin", std::string("\x01\x02\x03\x04\x05\x06", 6));
    TBinaryFile f;
    AssignFile(f, Name("short.bin"));
    Reset(f, 1);
    Integer first = 0, second = 0, third = 0;
    BlockRead(f, &first, 4);
    BlockRead(f, &second, 4);   // only 2 bytes left: error 100, never a crash
    std::memset(&third, 0x7F, sizeof third);
    Seek(f, 0);
    BlockRead(f, &third, 4);    // the pending error makes this do nothing
    EXPECT_EQ(first, 0x04030201);
    EXPECT_EQ(third, 0x7F7F7F7F);
    Integer done = -1;
    BlockRead(f, &third, 4, done);
    EXPECT_EQ(done, 0);
    CloseFile(f);               // still releases the file
    EXPECT_EQ(f.Handle, -1);
    EXPECT_EQ(IOResult(), 100);
    EXPECT_EQ(IOResult(), 0);   // reading the code clears it

    // Far past the end, with a large count, on an empty file.
    Put("empty.bin", "");
    AssignFile(f, Name("empty.bin"));
    Reset(f, 4096);
    std::string big(4096 * 16, 'x');
    BlockRead(f, big.data(), 16);
    EXPECT_EQ(IOResult(), 100);
    EXPECT_EQ(big, std::string(4096 * 16, 'x'));
    CloseFile(f);
}

TEST_F(FileIO, OpenErrorsAreDeferredCodes)
{
    struct Case {
        std::string Name;
        int Code;
    };
    Put("plain.bin", "x");
    ::mkdir((FDir / "folder").c_str(), 0755);
    const Case cases[] = {
        {"missing.bin", 2},
        {"nodir/missing.bin", 2},
        {"plain.bin/below", 3},
        {"folder", 5},
    };
    for (const Case& c : cases) {
        TBinaryFile f;
        AssignFile(f, Name(c.Name));
        Reset(f, 1);
        EXPECT_EQ(IOResult(), c.Code) << c.Name;
        char b;
        BlockRead(f, &b, 1);      // the file is not open
        EXPECT_EQ(IOResult(), 103) << c.Name;
    }
    TBinaryFile unassigned;
    Rewrite(unassigned, 1);
    EXPECT_EQ(IOResult(), 102);
    CloseFile(unassigned);
    EXPECT_EQ(IOResult(), 103);
    EXPECT_EQ(FilePos(unassigned), -1);
    EXPECT_TRUE(Eof(unassigned));
    EXPECT_EQ(IOResult(), 103);
}

TEST_F(FileIO, AReadOnlyFileIsReadAndRefusesWrites)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    Put("ro.bin", "abc");
    ::chmod((FDir / "ro.bin").c_str(), 0444);
    TBinaryFile f;
    AssignFile(f, Name("ro.bin"));
    Reset(f, 1);
    EXPECT_EQ(IOResult(), 0);
    char buffer[3];
    BlockRead(f, buffer, 3);
    EXPECT_EQ(IOResult(), 0);
    BlockWrite(f, "x", 1);
    EXPECT_EQ(IOResult(), 5);
    CloseFile(f);
    Seek(f, -1);
    EXPECT_EQ(IOResult(), 103);
}

TEST_F(FileIO, TextWritesCrLfWidthsAndNumbers)
{
    TextFile t;
    AssignFile(t, Name("out.txt"));
    Rewrite(t);
    Writeln(t, "Joint");
    Write(t, "ab", 5);
    Write(t, u'|');
    Write(t, 42);
    Write(t, -7, 4);
    Write(t, Int64(123456789012), 13);
    Writeln(t);
    Writeln(t, 5u, 3);
    Writeln(t, 3.14159, 8, 2);
    Writeln(t, 1.5);
    Writeln(t, -2.0, 10);
    Writeln(t, "Béton armé");
    CloseFile(t);
    EXPECT_EQ(IOResult(), 0);
    EXPECT_EQ(Bytes("out.txt"),
              "Joint\r\n"
              "   ab|42  -7 123456789012\r\n"
              "  5\r\n"
              "    3.14\r\n"
              " 1.50000000000000E+0000\r\n"
              "-2.0E+0000\r\n"
              "B\xE9ton arm\xE9\r\n");

    Append(t);
    Writeln(t, "more");
    CloseFile(t);
    EXPECT_EQ(Bytes("out.txt").substr(Bytes("out.txt").size() - 6), "more\r\n");

    TextFile missing;
    AssignFile(missing, Name("none.txt"));
    Append(missing);
    EXPECT_EQ(IOResult(), 2);
}

TEST_F(FileIO, TextReadsLinesNumbersAndEnds)
{
    Put("in.txt", "first line\nsecond\r\n  12  -3.5\n\t7e2 x\r\nlast");
    TextFile t;
    AssignFile(t, Name("in.txt"));
    Reset(t);
    String line;
    Readln(t, line);
    EXPECT_EQ(line, "first line");
    char16_t c;
    Read(t, c);
    EXPECT_EQ(c, u's');
    Readln(t, line);
    EXPECT_EQ(line, "econd");
    Integer i = 0;
    double d = 0;
    Extended e = 0;
    Read(t, i);
    Read(t, d);
    EXPECT_TRUE(Eoln(t));      // a number leaves the line end after it
    Read(t, e);                // skips the line end and the tab
    EXPECT_EQ(i, 12);
    EXPECT_EQ(d, -3.5);
    EXPECT_EQ(e, 700.0L);
    EXPECT_EQ(IOResult(), 0);
    Read(t, i);                // "x" is no number
    EXPECT_EQ(i, 0);
    EXPECT_EQ(IOResult(), 106);
    EXPECT_TRUE(Eoln(t));
    Readln(t);
    Read(t, line);
    EXPECT_EQ(line, "last");
    EXPECT_TRUE(Eof(t));
    EXPECT_TRUE(Eoln(t));
    Readln(t, line);           // at the end: empty, no error
    EXPECT_EQ(line, "");
    Read(t, i);
    EXPECT_EQ(i, 0);
    EXPECT_EQ(IOResult(), 0);
    Writeln(t, "x");           // not open for output
    EXPECT_EQ(IOResult(), 105);
    CloseFile(t);
}

TEST_F(FileIO, TextLoopOverLinesWithAnyLineEnd)
{
    Put("lines.txt", "a\r\n\nb\rc\r\n");
    TextFile t;
    AssignFile(t, Name("lines.txt"));
    Reset(t);
    std::vector<String> lines;
    while (!Eof(t)) {
        String s;
        Readln(t, s);
        lines.push_back(s);
    }
    CloseFile(t);
    EXPECT_EQ(lines, (std::vector<String>{"a", "", "b", "c"}));
    EXPECT_EQ(IOResult(), 0);
}

TEST_F(FileIO, AnErrorEndsAReadLoop)
{
    Put("numbers.txt", "1 2 x 4\r\n5\r\n");
    TextFile t;
    AssignFile(t, Name("numbers.txt"));
    Reset(t);
    std::vector<Integer> read;
    int rounds = 0;
    while (!Eof(t) && ++rounds < 100) {
        Integer value = -1;
        Read(t, value);
        read.push_back(value);
    }
    CloseFile(t);
    EXPECT_EQ(rounds, 3);
    EXPECT_EQ(read, (std::vector<Integer>{1, 2, 0}));
    EXPECT_EQ(IOResult(), 106);

    Put("data.bin", "abcdef");
    TBinaryFile b;
    AssignFile(b, Name("data.bin"));
    Reset(b, 2);
    EXPECT_FALSE(Eof(b));
    Seek(b, -1);               // error 131, the position stays at the start
    EXPECT_TRUE(Eof(b));
    CloseFile(b);
    EXPECT_EQ(IOResult(), 131);
}

TEST_F(FileIO, UnclosedTextFileStillWritesItsText)
{
    {
        TextFile t;
        AssignFile(t, Name("scope.txt"));
        Rewrite(t);
        Writeln(t, "kept");
    }
    EXPECT_EQ(Bytes("scope.txt"), "kept\r\n");
}
