// Block compression, block streams, path prefixes and small helpers of the library.
#include "foundation/StyProcs.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "foundation/StyStrings.h"
#include "foundation/StyUnicode.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileSys.h"
#include "platform/services/ShellApi.h"

// ---------------------------------------------------------------- LZRW blocks

namespace {

constexpr Byte LzrwStored = 128;
constexpr Byte LzrwCompressed = 64;
constexpr Word LzrwEmptySlot = 0xFFFF;
constexpr Integer LzrwMaxOffset = 4095;
constexpr Integer LzrwMaxCopy = 18;
constexpr Integer LzrwMinRun = 16;
constexpr Integer LzrwMaxRun = 4095;

[[noreturn]] void LzrwError()
{
    throw EInvalidPointer("LZRW Error!");
}

void PutWord(Byte* at, Cardinal value)
{
    at[0] = static_cast<Byte>(value >> 8);
    at[1] = static_cast<Byte>(value);
}

Cardinal LzrwHash(const Byte* p)
{
    Cardinal mixed = ((static_cast<Cardinal>(p[0]) << 4 ^ p[1]) << 4) ^ p[2];
    return ((40543u * mixed) >> 4) & 4095u;
}

}  // namespace

Word LzrwCompressBlock(const Byte* Src, Byte* Dst, Word Count)
{
    std::vector<Word> table;
    try {
        table.assign(4096, LzrwEmptySlot);
    } catch (const std::bad_alloc&) {
        LzrwError();
    }
    const Integer count = Count;
    Dst[0] = LzrwCompressed;
    Integer controlAt = 1, out = 3, p = 0, items = 0;
    Cardinal control = 0;
    while (p < count && out <= count) {
        if (items == 16) {
            PutWord(Dst + controlAt, control);
            controlAt = out;
            out += 2;
            items = 0;
        }
        Cardinal bit = 1;
        Integer run = 1;
        while (run < LzrwMaxRun && p + run < count && Src[p + run] == Src[p]) ++run;
        if (run >= LzrwMinRun) {
            Dst[out] = 0;
            PutWord(Dst + out + 1, static_cast<Cardinal>(run - LzrwMinRun));
            Dst[out + 3] = Src[p];
            out += 4;
            p += run;
        } else {
            Integer length = 0, candidate = -1;
            if (count - p >= 3) {
                Word& slot = table[LzrwHash(Src + p)];
                if (slot != LzrwEmptySlot && p - slot <= LzrwMaxOffset) {
                    candidate = slot;
                    Integer limit = std::min(LzrwMaxCopy, count - p);
                    while (length < limit && Src[candidate + length] == Src[p + length]) ++length;
                }
                slot = static_cast<Word>(p);
            }
            if (length >= 3) {
                PutWord(Dst + out, static_cast<Cardinal>((p - candidate) << 4) + static_cast<Cardinal>(length - 3));
                out += 2;
                p += length;
            } else {
                Dst[out++] = Src[p++];
                bit = 0;
            }
        }
        control = ((control << 1) + bit) & 0xFFFF;
        ++items;
    }
    PutWord(Dst + controlAt, control << (16 - items));
    if (out > count) {
        Dst[0] = LzrwStored;
        if (count > 0) std::memcpy(Dst + 1, Src, static_cast<size_t>(count));
        out = count + 1;
    }
    return static_cast<Word>(out);
}

Word LzrwDecompressBlock(const Byte* Src, Byte* Dst, Word Len, Integer DstSize)
{
    const Integer length = Len;
    if (length == 0) return 0;
    if (Src[0] == LzrwStored) {
        if (length - 1 > DstSize) LzrwError();
        std::memcpy(Dst, Src + 1, static_cast<size_t>(length - 1));
        return static_cast<Word>(length - 1);
    }
    // Every read and write below is checked against the block and the output buffer.
    auto need = [&](Integer pos, Integer bytes) {
        if (pos + bytes > length) LzrwError();
    };
    Integer pos = 1, out = 0, used = 16;
    Cardinal control = 0;
    while (pos < length) {
        if (used == 16) {
            need(pos, 2);
            control = static_cast<Cardinal>(Src[pos]) << 8 | Src[pos + 1];
            pos += 2;
            used = 0;
            if (pos >= length) break;
        }
        bool isItem = (control & 0x8000) != 0;
        control <<= 1;
        ++used;
        if (!isItem) {
            if (out >= DstSize) LzrwError();
            Dst[out++] = Src[pos++];
            continue;
        }
        need(pos, 2);
        if (Src[pos] == 0 && (Src[pos + 1] >> 4) == 0) {
            need(pos, 4);
            Integer repeat = (static_cast<Integer>(Src[pos + 1]) << 8 | Src[pos + 2]) + LzrwMinRun;
            if (repeat > DstSize - out) LzrwError();
            std::memset(Dst + out, Src[pos + 3], static_cast<size_t>(repeat));
            out += repeat;
            pos += 4;
        } else {
            Integer v = static_cast<Integer>(Src[pos]) << 8 | Src[pos + 1];
            Integer offset = v >> 4, copy = (v & 15) + 3;
            if (offset > out || copy > DstSize - out) LzrwError();
            for (Integer i = 0; i < copy; ++i, ++out) Dst[out] = Dst[out - offset];   // overlaps repeat bytes
            pos += 2;
        }
    }
    return static_cast<Word>(out);
}

// ---------------------------------------------------------------- zlib blocks

namespace {

void ZlibCheck(int code)
{
    if (code < 0) throw Exception("Compression error " + IntToStr(code));
}

}  // namespace

Integer ZlibCompressBlock(const Byte* Src, std::vector<Byte>& Dst, Integer Count)
{
    if (Dst.empty()) Dst.resize(static_cast<size_t>((Count + Count / 10 + 267) / 256 * 256));
    z_stream zs{};
    ZlibCheck(deflateInit(&zs, 9));
    zs.next_in = const_cast<Byte*>(Src);
    zs.avail_in = static_cast<uInt>(Count);
    int code;
    try {
        do {
            zs.next_out = Dst.data() + zs.total_out;
            zs.avail_out = static_cast<uInt>(Dst.size() - zs.total_out);
            code = deflate(&zs, Z_FINISH);
            ZlibCheck(code);
            if (code != Z_STREAM_END) Dst.resize(Dst.size() + 256);
        } while (code != Z_STREAM_END);
    } catch (...) {
        deflateEnd(&zs);
        throw;
    }
    Integer size = static_cast<Integer>(zs.total_out);
    ZlibCheck(deflateEnd(&zs));
    Dst.resize(static_cast<size_t>(size));
    return size;
}

Integer ZlibDecompressBlock(const Byte* Src, std::vector<Byte>& Dst, Integer Len, Integer MaxSize)
{
    const Integer step = std::max<Integer>((Len + 255) / 256 * 256, 256);
    if (Dst.empty()) Dst.resize(static_cast<size_t>(step));
    z_stream zs{};
    ZlibCheck(inflateInit(&zs));
    zs.next_in = const_cast<Byte*>(Src);
    zs.avail_in = static_cast<uInt>(Len);
    int code;
    try {
        do {
            zs.next_out = Dst.data() + zs.total_out;
            zs.avail_out = static_cast<uInt>(Dst.size() - zs.total_out);
            code = inflate(&zs, Z_NO_FLUSH);
            ZlibCheck(code == Z_NEED_DICT ? Z_DATA_ERROR : code);
            if (code != Z_STREAM_END) {
                if (zs.avail_in == 0 && zs.avail_out != 0) ZlibCheck(Z_BUF_ERROR);   // the stream ends early
                if (static_cast<Integer>(zs.total_out) > MaxSize) ZlibCheck(Z_DATA_ERROR);
                Dst.resize(Dst.size() + static_cast<size_t>(step));
            }
        } while (code != Z_STREAM_END);
        if (static_cast<Integer>(zs.total_out) > MaxSize) ZlibCheck(Z_DATA_ERROR);
    } catch (...) {
        inflateEnd(&zs);
        throw;
    }
    Integer size = static_cast<Integer>(zs.total_out);
    inflateEnd(&zs);
    Dst.resize(static_cast<size_t>(size));
    return size;
}

// ---------------------------------------------------------------- block streams

namespace {

void WriteLittleEndian(TStream& stream, Integer value)
{
    Byte bytes[4];
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<Byte>(static_cast<Cardinal>(value) >> (8 * i));
    stream.WriteBuffer(bytes, 4);
}

Integer ReadLittleEndian(TStream& stream)
{
    Byte bytes[4];
    stream.ReadBuffer(bytes, 4);
    Cardinal value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes[i];
    return static_cast<Integer>(value);
}

}  // namespace

void CompressStreamBlocks(TMemoryStream& Source, TStream& Dest, Integer Count, Integer Mode)
{
    const Integer chunk = Mode == 1 ? StyZlibChunkSize : StyLzrwChunkSize;
    const Int64 start = Dest.Position();
    WriteLittleEndian(Dest, 0);
    Integer total = 0;
    std::vector<Byte> source(static_cast<size_t>(chunk));
    std::vector<Byte> block;
    while (Count > 0) {
        Integer read = Source.Read(source.data(), std::min(Count, chunk));
        if (read <= 0) break;
        Integer length;
        if (Mode == 1) {
            block.clear();
            length = ZlibCompressBlock(source.data(), block, read);
        } else {
            block.resize(static_cast<size_t>(chunk + 6));
            length = LzrwCompressBlock(source.data(), block.data(), static_cast<Word>(read));
        }
        WriteLittleEndian(Dest, length);
        Dest.WriteBuffer(block.data(), length);
        total += 4 + length;
        Count -= read;
    }
    const Int64 end = Dest.Position();
    Dest.SetPosition(start);
    WriteLittleEndian(Dest, total);
    Dest.SetPosition(end);
}

void DecompressStreamBlocks(TStream& Source, TMemoryStream& Dest, Integer Mode)
{
    Integer total = ReadLittleEndian(Source);
    std::vector<Byte> block, output;
    while (total > 0) {
        Integer length = ReadLittleEndian(Source);
        const Int64 left = Source.Size() - Source.Position();
        if (length < 0 || length > left || length > total - 4) throw EReadError("Stream read error");
        block.resize(static_cast<size_t>(length));
        Source.ReadBuffer(block.data(), length);
        Integer size;
        if (Mode == 1) {
            output.clear();
            size = ZlibDecompressBlock(block.data(), output, length, StyZlibChunkSize);
        } else {
            if (length > StyLzrwChunkSize + 1) throw EReadError("Stream read error");
            output.resize(static_cast<size_t>(StyLzrwChunkSize));
            size = LzrwDecompressBlock(block.data(), output.data(), static_cast<Word>(length), StyLzrwChunkSize);
        }
        Dest.Seek(0, soFromEnd);
        Dest.WriteBuffer(output.data(), size);
        total -= 4 + length;
    }
}

// ---------------------------------------------------------------- path prefixes

namespace {

String ProgramSettingsDir()
{
    String dir = UserConfigDir() + "dorvane/";
    ForceDirectories(dir);
    return dir;
}

}  // namespace

String PathForPrefix(TStyPathPrefix Prefix, bool WithBackslash)
{
    String folder;
    switch (Prefix) {
    case ppWindows:
    case ppSystem: folder = ProgramSettingsDir(); break;
    case ppProgram: folder = ProgramDir(); break;
    case ppFixed: return String();
    case ppAppData: folder = UserConfigDir(); break;
    case ppAppDataLocal: folder = UserDataDir(); break;
    }
    if (WithBackslash) return IsBlank(folder) || folder[folder.Length()] != PathDelim ? folder + PathDelim : folder;
    return !folder.IsEmpty() && folder[folder.Length()] == PathDelim ? Copy(folder, 1, folder.Length() - 1) : folder;
}

// ---------------------------------------------------------------- helpers

void ExtendRect(TRect& R, Integer dx, Integer dy)
{
    R.Right += dx;
    R.Bottom += dy;
}

void FitRectProportional(const TRect& Src, const TRect& Bounds, TRect& Dest)
{
    double ratio = std::min(static_cast<double>(Bounds.Width()) / Src.Width(),
                            static_cast<double>(Bounds.Height()) / Src.Height());
    Dest = TRect{Bounds.Left, Bounds.Top, Bounds.Left + static_cast<Integer>(Src.Width() * ratio),
                 Bounds.Top + static_cast<Integer>(Src.Height() * ratio)};
}

Integer RectWidth(const TRect& R) { return R.Right - R.Left; }

void RectSize(const TRect& R, Integer& Width, Integer& Height)
{
    Width = R.Right - R.Left;
    Height = R.Bottom - R.Top;
}

void RotatedRectBounds(TRect& R, double Angle)
{
    if (Angle == 0) return;
    const double rad = Angle * M_PI / 180.0, c = std::cos(rad), s = std::sin(rad);
    const Integer hw = R.Width() / 2, hh = R.Height() / 2;
    Integer minX = 0, maxX = 0, minY = 0, maxY = 0;
    const Integer corners[4][2] = {{-hw, -hh}, {hw, -hh}, {hw, hh}, {-hw, hh}};
    for (int i = 0; i < 4; ++i) {
        Integer x = static_cast<Integer>(std::lround(corners[i][0] * c - corners[i][1] * s));
        Integer y = static_cast<Integer>(std::lround(corners[i][0] * s + corners[i][1] * c));
        if (i == 0 || x < minX) minX = x;
        if (i == 0 || x > maxX) maxX = x;
        if (i == 0 || y < minY) minY = y;
        if (i == 0 || y > maxY) maxY = y;
    }
    R = TRect{0, 0, maxX - minX, maxY - minY};
}

Integer MaxIntOf(const std::vector<Integer>& Values) { return *std::max_element(Values.begin(), Values.end()); }
Integer MinIntOf(const std::vector<Integer>& Values) { return *std::min_element(Values.begin(), Values.end()); }
Extended MinExtendedOf(const std::vector<Extended>& Values) { return *std::min_element(Values.begin(), Values.end()); }
Integer MidValue(Integer a, Integer b) { return static_cast<Integer>((static_cast<Int64>(a) + b) / 2); }

bool IsHtmlMarkup(const String& Text)
{
    return UnicodeSameText(Copy(Text, 1, 6), "<html>");
}

Cardinal SwapBytes32(Cardinal Value)
{
    return (Value >> 24) | ((Value >> 8) & 0xFF00) | ((Value << 8) & 0xFF0000) | (Value << 24);
}

Integer IntSign(Integer Value) { return Value > 0 ? 1 : Value < 0 ? -1 : 0; }
Integer IncValue(Integer& Value) { return ++Value; }

bool OpenUrlOrMail(const String& Address, bool NoHttpPrefix)
{
    String target = Address;
    if (Pos(":", Address) == 0) {
        if (UnicodeSameText(Copy(Address, 1, 3), "www")) {
            if (!NoHttpPrefix) target = "http://" + Address;
        } else if (UnicodeSameText(Copy(Address, 1, 3), "ftp")) {
            target = "ftp://" + Address;
        } else if (Pos("@", Address) > 1) {
            target = "mailto:" + Address;
        }
    }
    return ShellExecute(nullptr, "Open", target, String(), String(), SW_HIDE) > 32;
}
