#pragma once
// The block matrix file of the library: a 4096-byte header block followed by
// data blocks of packed elements (512 Doubles or 1024 32-bit integers each).
//
// Header block, little-endian: columns, rows, layers, time slots (32-bit each),
// the identification as a length byte and at most 255 bytes at offset 16, and
// the element format at offset 272 (1 Doubles, 2 integers).
#include <cstring>
#include <fstream>
#include <functional>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

constexpr int MatrixFileBlockSize = 4096;
constexpr Integer BlockFormatDouble = 1;
constexpr Integer BlockFormatInteger = 2;

struct TBlockFileHeader {
    Integer NrColumns = 0;
    Integer NrRows = 0;
    Integer NrLayers = 0;
    Integer NrTimeSlots = 0;
    String DataID;
    Integer Format = 0;
};

// Progress of a block file transfer: fires every (total div 100, at least 1)
// elements with the percentage done, rounded (halves to even).
class TPercentCounter {
public:
    TPercentCounter(Int64 total, std::function<void(Integer)> report);
    void Step();  // one more element

private:
    Int64 FTotal;
    Int64 FStep;
    Int64 FCount = 0;
    std::function<void(Integer)> FReport;
};

// Writes a block file element by element.  Raises EInOutError when the file
// cannot be created or written.
class TBlockFileWriter {
public:
    TBlockFileWriter(const String& fileName, const TBlockFileHeader& header, int elementSize);
    void Add(const void* element);
    void Finish();  // writes the last block (also when it holds no element) and closes

private:
    void WriteBlock(const char* block);
    std::ofstream FFile;
    std::vector<char> FBuffer;
    int FElementSize;
    int FUsed = 0;
};

// Reads the header block: false when the file is shorter than the header.
// A missing or unreadable file raises EInOutError.
bool ReadBlockFileHeader(const String& fileName, TBlockFileHeader& header);

// Reads count elements following the header into values (count x elementSize
// bytes); false when the file does not hold them or count is beyond the
// library's limit.
bool ReadBlockFileData(const String& fileName, Int64 count, int elementSize, std::vector<char>& values);

// Element index of the data read by ReadBlockFileData.
template <class T>
T BlockElement(const std::vector<char>& data, size_t index)
{
    T value;
    std::memcpy(&value, &data[index * sizeof(T)], sizeof value);
    return value;
}

// The header of a two-dimensional block file: fills the counts, identification
// and format as found; true when the header is complete and describes a file
// without layers and time slots whose elements have the given format.
bool ReadMatrixBlockHeader(const String& fileName, Integer format, Integer& NrColumns, Integer& NrRows,
                           String& DataID, Integer& Format);

// Reads a two-dimensional block file whose elements have the given format and
// size, column by column, into data; header.NrColumns and header.NrRows come
// back as at least 0.  Codes: 0 read; -5 no such file; -2 a file with layers or
// time slots; -1 a file of another format or with an incomplete header; -3 data
// missing or beyond the library's limit.
Integer ReadMatrixBlockFile(const String& fileName, Integer format, int elementSize, TBlockFileHeader& header,
                            std::vector<char>& data);
