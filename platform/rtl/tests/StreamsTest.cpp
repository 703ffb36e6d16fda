#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::string Content(TMemoryStream& m)
{
    return std::string(reinterpret_cast<const char*>(m.Memory()), static_cast<size_t>(m.Size()));
}

}  // namespace

TEST(MemoryStream, ReadWriteSeekAndSize)
{
    TMemoryStream m;
    m.WriteBuffer("abcdef", 6);
    EXPECT_EQ(m.Position(), 6);
    EXPECT_EQ(m.Size(), 6);
    EXPECT_EQ(m.Seek(-2, soFromEnd), 4);
    char two[2];
    EXPECT_EQ(m.Read(two, 2), 2);
    EXPECT_EQ(std::string(two, 2), "ef");
    EXPECT_EQ(m.Read(two, 2), 0);   // at the end
    EXPECT_EQ(m.Seek(-3, soFromCurrent), 3);
    EXPECT_EQ(m.Seek(-10, soFromBeginning), 0);

    m.SetPosition(8);               // past the end: the gap reads as zeros
    m.WriteBuffer("z", 1);
    EXPECT_EQ(Content(m), std::string("abcdef\0\0z", 9));

    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(Content(m), "ab");
    m.Clear();
    EXPECT_EQ(m.Size(), 0);
    EXPECT_EQ(m.Position(), 0);
}

TEST(MemoryStream, ShortReadRaisesWithPlatformText)
{
    TMemoryStream m;
    m.WriteBuffer("ab", 2);
    m.SetPosition(1);
    char buffer[4];
    try {
        m.ReadBuffer(buffer, 2);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(MemoryStream, CopyFromAndStreamLoadSave)
{
    TStringStream source("0123456789");
    TMemoryStream dest;
    source.SetPosition(3);
    EXPECT_EQ(dest.CopyFrom(source, 4), 4);
    EXPECT_EQ(Content(dest), "3456");
    EXPECT_EQ(dest.CopyFrom(source, 0), 10);   // 0: the whole source from its start
    EXPECT_EQ(Content(dest), "34560123456789");
    EXPECT_THROW(dest.CopyFrom(source, 1), EReadError);   // source exhausted

    TMemoryStream loaded;
    source.SetPosition(5);
    loaded.LoadFromStream(source);
    EXPECT_EQ(Content(loaded), "0123456789");
    EXPECT_EQ(loaded.Position(), 0);

    TMemoryStream target;
    target.WriteBuffer("xy", 2);
    loaded.SaveToStream(target);   // appended at the target's position
    EXPECT_EQ(Content(target), "xy0123456789");
}

TEST(StringStream, HoldsEightBitText)
{
    TStringStream s("Béton");
    EXPECT_EQ(s.Size(), 5);   // one byte per character
    EXPECT_EQ(s.Position(), 0);
    EXPECT_EQ(static_cast<Byte>(s.Memory()[1]), 0xE9);
    s.Seek(0, soFromEnd);
    s.WriteString(" armé");
    EXPECT_EQ(s.DataString(), "Béton armé");
}

TEST(FileStream, CreateWriteReopenRead)
{
    TempFolder dir;
    const String name = dir / "data.bin";
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("hello world", 11);
        EXPECT_EQ(f.Size(), 11);
        f.SetSize(5);
        EXPECT_EQ(f.Position(), 5);
    }
    EXPECT_EQ(ReadAllBytes(dir / "data.bin"), "hello");
    {
        TFileStream f(name, fmOpenReadWrite | fmShareDenyNone);
        f.Seek(0, soFromEnd);
        f.WriteBuffer("!", 1);
        f.SetPosition(1);
        char buffer[3];
        f.ReadBuffer(buffer, 3);
        EXPECT_EQ(std::string(buffer, 3), "ell");
    }
    TMemoryStream m;
    m.LoadFromFile(name);
    EXPECT_EQ(Content(m), "hello!");
    m.SaveToFile(dir / "copy.bin");
    EXPECT_EQ(ReadAllBytes(dir / "copy.bin"), "hello!");

    {
        TFileStream again(name, fmCreate | fmShareExclusive);   // a share flag does not stop the create
        EXPECT_EQ(again.Size(), 0);
        again.WriteBuffer("new", 3);
    }
    EXPECT_EQ(ReadAllBytes(dir / "data.bin"), "new");

    TFileStream readOnly(name, fmOpenRead);
    EXPECT_THROW(readOnly.WriteBuffer("x", 1), EWriteError);
}

TEST(FileStream, FailuresNameTheFile)
{
    TempFolder dir;
    const String missing = dir / "missing.bin";
    try {
        TFileStream f(missing, fmOpenRead);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        const String expected = "Cannot open file \"" + missing + "\". ";
        EXPECT_EQ(Copy(e.Message(), 1, Length(expected)), expected);
        EXPECT_GT(Length(e.Message()), Length(expected));   // followed by the system's reason
    }
    const String badFolder = dir / "no/such/folder.bin";
    try {
        TFileStream f(badFolder, fmCreate);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        const String expected = "Cannot create file \"" + badFolder + "\". ";
        EXPECT_EQ(Copy(e.Message(), 1, Length(expected)), expected);
    }
    EXPECT_THROW(TFileStream(String(dir.Path()), fmOpenRead), EFOpenError);   // a folder is no file
}

TEST(ResourceStream, LooksUpRegisteredResourcesByNameAndType)
{
    const Byte bytes[] = {1, 2, 3};
    RegisterResource("TestGlyph", RT_RCDATA, bytes);
    EXPECT_TRUE(ResourceExists("TESTGLYPH", "rcdata"));
    EXPECT_FALSE(ResourceExists("TestGlyph", "BITMAP"));

    TResourceStream r("testglyph", RT_RCDATA);
    EXPECT_EQ(r.Size(), 3);
    Byte read[3];
    r.ReadBuffer(read, 3);
    EXPECT_EQ(read[2], 3);
    EXPECT_THROW(r.WriteBuffer(read, 1), EStreamError);

    try {
        TResourceStream missing("NoSuchThing", RT_RCDATA);
        FAIL() << "no exception";
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NoSuchThing not found");
    }
}
