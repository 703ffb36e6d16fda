#include "numerics/VEZ_blockfile.h"

#include <cstring>
#include <filesystem>

#include "numerics/VEZ_filecore.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlMath.h"

namespace {
constexpr int IdOffset = 16;
constexpr int FormatOffset = 272;

void PutInt(char* at, Integer v)
{
    const Cardinal u = static_cast<Cardinal>(v);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<char>(u >> (8 * i));
}

Integer GetInt(const char* at)
{
    Cardinal u = 0;
    for (int i = 0; i < 4; ++i) u |= static_cast<Cardinal>(static_cast<unsigned char>(at[i])) << (8 * i);
    return static_cast<Integer>(u);
}
}  // namespace

TPercentCounter::TPercentCounter(Int64 total, std::function<void(Integer)> report)
    : FTotal(total), FStep(total / 100 < 1 ? 1 : total / 100), FReport(std::move(report))
{
}

void TPercentCounter::Step()
{
    ++FCount;
    if (FReport && FCount % FStep == 0) FReport(static_cast<Integer>(Round(Extended(FCount) * 100 / FTotal)));
}

TBlockFileWriter::TBlockFileWriter(const String& fileName, const TBlockFileHeader& header, int elementSize)
    : FBuffer(MatrixFileBlockSize, 0), FElementSize(elementSize)
{
    FFile.open(NativeFileName(fileName), std::ios::binary | std::ios::trunc);
    if (!FFile) throw EInOutError("Cannot create file \"" + fileName + "\"", 2);
    std::vector<char> block(MatrixFileBlockSize, 0);
    PutInt(&block[0], header.NrColumns);
    PutInt(&block[4], header.NrRows);
    PutInt(&block[8], header.NrLayers);
    PutInt(&block[12], header.NrTimeSlots);
    std::string id = ToAnsi(header.DataID);
    if (id.size() > 255) id.resize(255);
    block[IdOffset] = static_cast<char>(id.size());
    std::memcpy(&block[IdOffset + 1], id.data(), id.size());
    PutInt(&block[FormatOffset], header.Format);
    WriteBlock(block.data());
}

void TBlockFileWriter::WriteBlock(const char* block)
{
    FFile.write(block, MatrixFileBlockSize);
    if (!FFile) throw EInOutError("Disk write error", 101);
}

void TBlockFileWriter::Add(const void* element)
{
    if (FUsed * FElementSize == MatrixFileBlockSize) {
        WriteBlock(FBuffer.data());
        FUsed = 0;
    }
    std::memcpy(&FBuffer[static_cast<size_t>(FUsed * FElementSize)], element, static_cast<size_t>(FElementSize));
    ++FUsed;
}

void TBlockFileWriter::Finish()
{
    WriteBlock(FBuffer.data());
    FFile.close();
    if (FFile.fail()) throw EInOutError("Disk write error", 101);
}

bool ReadBlockFileHeader(const String& fileName, TBlockFileHeader& header)
{
    std::ifstream in(NativeFileName(fileName), std::ios::binary);
    if (!in) throw EInOutError("File not found", 2);
    std::vector<char> block(MatrixFileBlockSize, 0);
    in.read(block.data(), MatrixFileBlockSize);
    if (in.gcount() < FormatOffset + 4) return false;
    header.NrColumns = GetInt(&block[0]);
    header.NrRows = GetInt(&block[4]);
    header.NrLayers = GetInt(&block[8]);
    header.NrTimeSlots = GetInt(&block[12]);
    const auto len = static_cast<unsigned char>(block[IdOffset]);
    header.DataID = FromAnsi(std::string(&block[IdOffset + 1], len));
    header.Format = GetInt(&block[FormatOffset]);
    return true;
}

bool ReadBlockFileData(const String& fileName, Int64 count, int elementSize, std::vector<char>& values)
{
    std::error_code ec;
    const auto size = std::filesystem::file_size(NativeFileName(fileName), ec);
    if (ec || count < 0 || count > MaxFileElements) return false;
    if (static_cast<Int64>(size) < MatrixFileBlockSize + count * elementSize) return false;
    std::ifstream in(NativeFileName(fileName), std::ios::binary);
    in.seekg(MatrixFileBlockSize);
    values.resize(static_cast<size_t>(count * elementSize));
    in.read(values.data(), static_cast<std::streamsize>(values.size()));
    return static_cast<size_t>(in.gcount()) == values.size();
}

bool ReadMatrixBlockHeader(const String& fileName, Integer format, Integer& NrColumns, Integer& NrRows,
                           String& DataID, Integer& Format)
{
    TBlockFileHeader header;
    const bool complete = ReadBlockFileHeader(fileName, header);
    NrColumns = header.NrColumns;
    NrRows = header.NrRows;
    DataID = header.DataID;
    Format = header.Format;
    return complete && header.NrLayers == 0 && header.NrTimeSlots == 0 && header.Format == format;
}

Integer ReadMatrixBlockFile(const String& fileName, Integer format, int elementSize, TBlockFileHeader& header,
                            std::vector<char>& data)
{
    if (!FileExistsNative(fileName)) return -5;
    const bool complete = ReadBlockFileHeader(fileName, header);
    if (complete && (header.NrLayers != 0 || header.NrTimeSlots != 0)) return -2;
    if (!complete || header.Format != format) return -1;
    header.NrColumns = Max<Integer>(header.NrColumns, 0);
    header.NrRows = Max<Integer>(header.NrRows, 0);
    const Integer cols = header.NrColumns, rows = header.NrRows;
    if (!ShapeFits(cols, rows) || !ReadBlockFileData(fileName, Int64(cols) * rows, elementSize, data)) return -3;
    return 0;
}
