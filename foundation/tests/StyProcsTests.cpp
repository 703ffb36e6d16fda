// Block compression and block streams (byte-exact against worked examples, random round trips,
// mutated input), path prefixes and the small helpers.
#include <gtest/gtest.h>

#include <random>

#include "foundation/StyProcs.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "platform/services/Process.h"

namespace {

std::vector<Byte> Bytes(const std::string& text)
{
    return std::vector<Byte>(text.begin(), text.end());
}

std::string Hex(const Byte* data, size_t size)
{
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (size_t i = 0; i < size; ++i) {
        if (i) out += ' ';
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
    }
    return out;
}

std::string CompressedHex(const std::vector<Byte>& source)
{
    std::vector<Byte> block(source.size() + 6);
    Word length = LzrwCompressBlock(source.data(), block.data(), static_cast<Word>(source.size()));
    return Hex(block.data(), length);
}

std::vector<Byte> Decompressed(const std::vector<Byte>& block, Integer capacity = StyLzrwChunkSize)
{
    std::vector<Byte> out(static_cast<size_t>(capacity));
    Word size = LzrwDecompressBlock(block.data(), out.data(), static_cast<Word>(block.size()), capacity);
    out.resize(size);
    return out;
}

std::vector<Byte> FromHex(const std::string& hex)
{
    std::vector<Byte> out;
    for (size_t i = 0; i + 1 < hex.size() + 1; i += 3) out.push_back(static_cast<Byte>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return out;
}

// Text-like data with repeats, runs and noise, as a model's lists hold.
std::vector<Byte> SampleData(std::mt19937& random, size_t size)
{
    std::vector<Byte> data;
    const std::string words[] = {"joint ", "uplift ", "drain ", "0.25 ", "\r\n", "crest "};
    while (data.size() < size) {
        switch (random() % 4) {
        case 0: data.insert(data.end(), static_cast<size_t>(random() % 40), static_cast<Byte>(random())); break;
        case 1: data.push_back(static_cast<Byte>(random())); break;
        default: {
            const std::string& w = words[random() % 6];
            data.insert(data.end(), w.begin(), w.end());
        }
        }
    }
    data.resize(size);
    return data;
}

}  // namespace

TEST(LzrwBlockTests, CompressesToTheWorkedBlocks)
{
    struct Case {
        const char* name;
        std::vector<Byte> source;
        std::string block;
    } cases[] = {
        // flag, control word 0001 0000 ..., three literals, one copy of offset 3 and length 18
        {"abc x 7", Bytes("abcabcabcabcabcabcabc"), "40 10 00 61 62 63 00 3F"},
        // one run item of 20 letters a
        {"a x 20", Bytes(std::string(20, 'a')), "40 80 00 00 00 04 61"},
        // 15 equal bytes are no run: a literal and a copy of offset 1 and length 14; the five
        // letters after the 16th item follow a second control word
        {"b x 15 + cdefg...", Bytes(std::string(15, 'b') + "cdefghijklmnopqrstu"),
         "40 40 00 62 00 1B 63 64 65 66 67 68 69 6A 6B 6C 6D 6E 6F 70 00 00 71 72 73 74 75"},
        {"empty", {}, "80"},
        {"two bytes", Bytes("ab"), "80 61 62"},
        {"incompressible", Bytes("Dorvane"), "80 44 6F 72 76 61 6E 65"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CompressedHex(c.source), c.block) << c.name;
        EXPECT_EQ(Decompressed(FromHex(c.block)), c.source) << c.name;
    }
}

TEST(LzrwBlockTests, SeventeenthItemFollowsAFreshControlWord)
{
    // 16 runs then 4 more bytes of another run: the 17th item opens a second group.
    std::vector<Byte> source;
    for (int i = 0; i < 17; ++i) source.insert(source.end(), 16, static_cast<Byte>('A' + i));
    std::vector<Byte> block(source.size() + 6);
    Word length = LzrwCompressBlock(source.data(), block.data(), static_cast<Word>(source.size()));
    ASSERT_EQ(length, 1 + 2 + 16 * 4 + 2 + 4);
    EXPECT_EQ(Hex(block.data(), 3), "40 FF FF");
    EXPECT_EQ(Hex(block.data() + 67, 6), "80 00 00 00 00 51");   // control word 1000..., run of 16 'Q'
    EXPECT_EQ(Decompressed(std::vector<Byte>(block.begin(), block.begin() + length)), source);
}

TEST(LzrwBlockTests, IncompressibleInputIsStored)
{
    std::mt19937 random(5);
    std::vector<Byte> source(1000);
    for (Byte& b : source) b = static_cast<Byte>(random());
    std::vector<Byte> block(source.size() + 6);
    Word length = LzrwCompressBlock(source.data(), block.data(), static_cast<Word>(source.size()));
    EXPECT_EQ(length, 1001);
    EXPECT_EQ(block[0], 128);
    EXPECT_TRUE(std::equal(source.begin(), source.end(), block.begin() + 1));
}

TEST(LzrwBlockTests, RandomDataRoundTrips)
{
    std::mt19937 random(1234);
    for (int n = 0; n < 200; ++n) {
        std::vector<Byte> source = SampleData(random, static_cast<size_t>(random() % 5000));
        std::vector<Byte> block(source.size() + 6);
        Word length = LzrwCompressBlock(source.data(), block.data(), static_cast<Word>(source.size()));
        ASSERT_LE(length, source.size() + 1);
        block.resize(length);
        ASSERT_EQ(Decompressed(block), source) << n;
    }
}

TEST(LzrwBlockTests, HostileBlocksRaiseInsteadOfOverrunning)
{
    struct Case {
        const char* name;
        std::string block;
        Integer capacity;
    } cases[] = {
        {"copy before the start", "40 40 00 61 00 2F", 100},
        {"copy past the output", "40 40 00 61 00 1F", 10},
        {"run past the output", "40 80 00 00 0F FF 61", 100},
        {"stored past the output", "80 61 62 63", 2},
        {"copy cut short", "40 40 00 61 00", 100},
        {"run cut short", "40 80 00 00 00 04", 100},
        {"control word cut short", "40 80", 100},
    };
    for (const Case& c : cases) {
        try {
            Decompressed(FromHex(c.block), c.capacity);
            ADD_FAILURE() << c.name;
        } catch (const EInvalidPointer& e) {
            EXPECT_EQ(e.Message(), "LZRW Error!") << c.name;
        }
    }
}

TEST(BlockStreamTests, WritesTheWorkedStreams)
{
    struct Case {
        const char* name;
        std::vector<Byte> source;
        std::string stream;
    } cases[] = {
        {"empty", {}, "00 00 00 00"},
        {"abc x 7", Bytes("abcabcabcabcabcabcabc"), "0C 00 00 00 08 00 00 00 40 10 00 61 62 63 00 3F"},
    };
    for (const Case& c : cases) {
        TMemoryStream source, dest;
        if (!c.source.empty()) source.WriteBuffer(c.source.data(), static_cast<Integer>(c.source.size()));
        source.SetPosition(0);
        dest.WriteBuffer("xy", 2);   // the stream starts where dest stands
        CompressStreamBlocks(source, dest, static_cast<Integer>(c.source.size()), 0);
        EXPECT_EQ(dest.Position(), dest.Size()) << c.name;
        EXPECT_EQ(Hex(dest.Memory() + 2, static_cast<size_t>(dest.Size() - 2)), c.stream) << c.name;

        dest.SetPosition(2);
        TMemoryStream back;
        back.WriteBuffer("kept", 4);
        DecompressStreamBlocks(dest, back, 0);
        std::vector<Byte> expected = Bytes("kept");
        expected.insert(expected.end(), c.source.begin(), c.source.end());
        EXPECT_EQ(std::vector<Byte>(back.Memory(), back.Memory() + back.Size()), expected) << c.name;
    }
}

TEST(BlockStreamTests, LargeSourcesRoundTripInBothModes)
{
    std::mt19937 random(99);
    for (Integer mode : {0, 1}) {
        std::vector<Byte> data = SampleData(random, 100000);   // four chunks
        TMemoryStream source, packed, back;
        source.WriteBuffer(data.data(), static_cast<Integer>(data.size()));
        source.SetPosition(0);
        CompressStreamBlocks(source, packed, static_cast<Integer>(data.size()), mode);
        EXPECT_LT(packed.Size(), static_cast<Int64>(data.size())) << mode;

        // Four blocks: the total counts each block's length field and data.
        packed.SetPosition(0);
        Integer total = 0;
        packed.ReadBuffer(&total, 4);
        EXPECT_EQ(total, packed.Size() - 4);
        Integer firstLength = 0;
        packed.ReadBuffer(&firstLength, 4);
        if (mode == 1) { EXPECT_EQ(packed.Memory()[8], 0x78) << "zlib header"; }

        packed.SetPosition(0);
        DecompressStreamBlocks(packed, back, mode);
        ASSERT_EQ(back.Size(), static_cast<Int64>(data.size())) << mode;
        EXPECT_TRUE(std::equal(data.begin(), data.end(), back.Memory())) << mode;
    }
}

TEST(BlockStreamTests, SourceShorterThanAnnouncedEndsTheStream)
{
    TMemoryStream source, packed, back;
    source.WriteBuffer("abcabcabcabcabcabcabc", 21);
    source.SetPosition(0);
    CompressStreamBlocks(source, packed, 50000, 0);
    packed.SetPosition(0);
    DecompressStreamBlocks(packed, back, 0);
    EXPECT_EQ(back.Size(), 21);
}

// Streams damaged anywhere (flipped bits, changed bytes, cut ends) decode to some bytes or raise
// one of the library's errors; none may read or write outside its buffers.
TEST(BlockStreamTests, TenThousandMutatedStreamsDecodeWithoutHarm)
{
    std::mt19937 random(20261210);
    std::vector<TMemoryStream*> originals;
    std::vector<std::vector<Byte>> packedStreams;
    for (Integer mode : {0, 1}) {
        for (size_t size : {50u, 3000u, 40000u}) {
            std::vector<Byte> data = SampleData(random, size);
            TMemoryStream source, packed;
            source.WriteBuffer(data.data(), static_cast<Integer>(data.size()));
            source.SetPosition(0);
            CompressStreamBlocks(source, packed, static_cast<Integer>(data.size()), mode);
            std::vector<Byte> bytes(packed.Memory(), packed.Memory() + packed.Size());
            bytes.push_back(static_cast<Byte>(mode));   // remembered at the end
            packedStreams.push_back(std::move(bytes));
        }
    }
    int raised = 0, decoded = 0;
    for (int n = 0; n < 10000; ++n) {
        std::vector<Byte> bytes = packedStreams[static_cast<size_t>(n) % packedStreams.size()];
        Integer mode = bytes.back();
        bytes.pop_back();
        int mutations = 1 + static_cast<int>(random() % 4);
        for (int m = 0; m < mutations; ++m) {
            size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0: bytes[at] ^= static_cast<Byte>(1u << (random() % 8)); break;
            case 1: bytes[at] = static_cast<Byte>(random()); break;
            case 2: bytes.resize(std::max<size_t>(at, 1)); break;
            default: bytes[at % 12] = static_cast<Byte>(random()); break;   // the lengths and flags
            }
        }
        TMemoryStream stream, out;
        stream.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        stream.SetPosition(0);
        try {
            DecompressStreamBlocks(stream, out, mode);
            ++decoded;
        } catch (const Exception&) {
            ++raised;
        }
    }
    EXPECT_EQ(raised + decoded, 10000);
    EXPECT_GT(raised, 0);
}

TEST(ZlibBlockTests, RoundTripAndErrors)
{
    std::vector<Byte> data = Bytes("uplift uplift uplift drains drains drains");
    std::vector<Byte> packed;
    Integer length = ZlibCompressBlock(data.data(), packed, static_cast<Integer>(data.size()));
    EXPECT_EQ(static_cast<Integer>(packed.size()), length);
    std::vector<Byte> small(1);   // a given buffer grows
    EXPECT_EQ(ZlibCompressBlock(data.data(), small, static_cast<Integer>(data.size())), length);
    std::vector<Byte> back;
    EXPECT_EQ(ZlibDecompressBlock(packed.data(), back, length), static_cast<Integer>(data.size()));
    EXPECT_EQ(back, data);

    std::vector<Byte> garbage = Bytes("not a zlib stream"), out;
    try {
        ZlibDecompressBlock(garbage.data(), out, static_cast<Integer>(garbage.size()));
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Compression error -3");
    }
    EXPECT_THROW(ZlibDecompressBlock(packed.data(), out, length - 3), Exception);   // cut short
    EXPECT_THROW(ZlibDecompressBlock(packed.data(), out, length, 10), Exception);   // too much output
}

TEST(StyProcsTests, PathPrefixes)
{
    const String program = PathForPrefix(ppProgram, true);
    EXPECT_EQ(program, ProgramDir());
    EXPECT_NE(program[program.Length() - 1], u'/');
    EXPECT_EQ(PathForPrefix(ppProgram, false) + "/", program);
    EXPECT_EQ(PathForPrefix(ppFixed, true), "");
    EXPECT_EQ(PathForPrefix(ppAppData, true), UserConfigDir());
    EXPECT_EQ(PathForPrefix(ppAppDataLocal, true), UserDataDir());
    EXPECT_EQ(PathForPrefix(ppWindows, true), UserConfigDir() + "dorvane/");
    EXPECT_TRUE(DirectoryExists(PathForPrefix(ppSystem, false)));
}

TEST(StyProcsTests, RectangleAndNumberHelpers)
{
    TRect r{10, 20, 30, 40};
    ExtendRect(r, 5, -5);
    EXPECT_EQ(r, (TRect{10, 20, 35, 35}));
    TRect fitted;
    FitRectProportional(TRect{0, 0, 200, 100}, TRect{5, 5, 105, 105}, fitted);
    EXPECT_EQ(fitted, (TRect{5, 5, 105, 55}));
    Integer w = 0, h = 0;
    RectSize(TRect{1, 2, 11, 32}, w, h);
    EXPECT_EQ(w, 10);
    EXPECT_EQ(h, 30);
    EXPECT_EQ(RectWidth(TRect{3, 0, 10, 0}), 7);
    TRect rotated{0, 0, 40, 20};
    RotatedRectBounds(rotated, 90);
    EXPECT_EQ(rotated, (TRect{0, 0, 20, 40}));
    TRect same{5, 5, 45, 25};
    RotatedRectBounds(same, 0);
    EXPECT_EQ(same, (TRect{5, 5, 45, 25}));
    EXPECT_EQ(MaxIntOf({3, -1, 7}), 7);
    EXPECT_EQ(MinIntOf({3, -1, 7}), -1);
    EXPECT_EQ(MinExtendedOf({2.5L, -0.5L}), -0.5L);
    EXPECT_EQ(MidValue(-3, 0), -1);
    EXPECT_EQ(MidValue(3, 6), 4);
    EXPECT_EQ(SwapBytes32(0x11223344u), 0x44332211u);
    EXPECT_EQ(IntSign(-9), -1);
    EXPECT_EQ(IntSign(0), 0);
    Integer counter = 4;
    EXPECT_EQ(IncValue(counter), 5);
    EXPECT_EQ(counter, 5);
    EXPECT_TRUE(IsHtmlMarkup("<HTML><b>x</b>"));
    EXPECT_FALSE(IsHtmlMarkup(" <html>"));
}

TEST(StyProcsTests, OpenUrlOrMailCompletesTheAddress)
{
    std::vector<String> opened;
    TProcessStarter previous = SetProcessStarter([&](const std::vector<String>& argv, const String&) {
        opened.push_back(argv.back());
        return 0;
    });
    struct Case {
        const char* address;
        bool noHttp;
        const char* opened;   // null: not taken (no such file)
    } cases[] = {
        {"www.dams.example", false, "http://www.dams.example"},
        {"www.dams.example", true, nullptr},
        {"ftp.dams.example", false, "ftp://ftp.dams.example"},
        {"engineer@dams.example", false, "mailto:engineer@dams.example"},
        {"https://dams.example/a", false, "https://dams.example/a"},
    };
    for (const Case& c : cases) {
        opened.clear();
        EXPECT_EQ(OpenUrlOrMail(c.address, c.noHttp), c.opened != nullptr) << c.address;
        ASSERT_EQ(opened.size(), c.opened ? 1u : 0u) << c.address;
        if (c.opened) { EXPECT_EQ(opened[0], c.opened); }
    }
    SetProcessStarter(previous);
}
