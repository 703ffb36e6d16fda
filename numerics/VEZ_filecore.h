#pragma once
// File plumbing shared by the vector and matrix file formats: whole-file
// reading with a word and line scanner, number parsing and printing with the
// point as decimal separator, a CR LF text writer, and the plausibility limits
// that keep a corrupt file from asking for a huge allocation.
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// The largest number of elements a reader creates from counts found in a file.
// Files announcing more are treated as corrupt.
constexpr Int64 MaxFileElements = Int64(1) << 22;

// True when a container of this shape (counts below 1 still take one place)
// stays within the library's limit.
bool ShapeFits(Int64 cols, Int64 rows, Int64 layers = 1);

// Number of elements of the rows loR..hiR by columns loC..hiC read from a file, or -1
// when a range is empty or longer than MaxFileElements (so the product never overflows).
Int64 FileBlockCount(Integer loR, Integer hiR, Integer loC, Integer hiC);

// True when count elements of elemSize bytes fit into the remaining bytes.
bool FitsInBytes(Int64 count, Int64 elemSize, Int64 remaining);

// Native path of a program file name.
std::string NativeFileName(const String& fileName);
bool FileExistsNative(const String& fileName);

// Reads the whole file; false when it cannot be opened or read.
bool ReadFileBytes(const String& fileName, std::string& bytes);

// Reads words and lines out of the bytes of a text file.  Words are separated
// by blanks, tabs and line ends.
class TTextScanner {
public:
    explicit TTextScanner(std::string bytes) : FText(std::move(bytes)) {}
    bool AtEnd() const { return FPos >= FText.size(); }
    // The next word, or false at the end of the text.
    bool NextWord(std::string& word);
    // The next line without its line end (CR LF, LF or CR); false at the end.
    bool NextLine(std::string& line);
    // The next character, or false at the end.
    bool NextChar(char& ch);
    // True when only blanks, tabs and line ends are left.
    bool OnlyBlanksLeft() const;
    size_t Remaining() const { return FPos < FText.size() ? FText.size() - FPos : 0; }

private:
    std::string FText;
    size_t FPos = 0;
};

// A decimal number with the point as separator, optional sign and exponent
// (the whole word must be the number).
bool ParseFloatText(const std::string& word, double& value);
// A decimal integer with optional sign (the whole word).
bool ParseIntText(const std::string& word, Integer& value);

// Nearest integer, ties to even, limited to the 32-bit range (NaN gives 0).
Integer RoundToInteger(double value);

// The shortest general text of a value with up to 15 significant digits and
// the point as decimal separator ("1.5", "1E20", "2.5E-6").
std::string ShortestFloatText(double value);

// A text file written with CR LF line ends.  Raises EInOutError when the file
// cannot be created or a write fails.
class TTextFileWriter {
public:
    explicit TTextFileWriter(const String& fileName);
    void Write(const std::string& text);
    void WriteLine(const std::string& text);
    void Close();

private:
    std::ofstream FFile;
    String FName;
};

// Writes the head lines and then rowText(row) for firstRow to lastRow, one line
// each.  False only when the file cannot be created; a write failing later
// ends the file quietly.
bool WriteTextLinesFile(const String& fileName, const std::vector<std::string>& head, Integer firstRow,
                        Integer lastRow, const std::function<std::string(Integer row)>& rowText);

// Reads the bounded vector layout: first and last index, then one value per
// index.  False when the file cannot be read or its bounds are implausible,
// with nothing touched.  Otherwise fits(last) sizes the container and tells
// whether the indices fit; when they do, store receives every number read and
// filled is set.
bool ReadVectorTextFile(const String& fileName, const std::function<bool(Integer last)>& fits,
                        const std::function<void(Integer elem, double value)>& store, bool& filled);

// Reads the bounded matrix layout: low and high row, low and high column, then
// the rows.  Like ReadVectorTextFile, with fits(highColumn, highRow).
bool ReadMatrixTextFile(const String& fileName, const std::function<bool(Integer hiC, Integer hiR)>& fits,
                        const std::function<void(Integer col, Integer row, double value)>& store, bool& filled);

// Fingerprint of the elements of a container: one CRC-32 register per byte
// position of an element (8 for Doubles, 4 for integers), every register
// starting at FFFFFFFF and fed the little-endian bytes in element order.
class TElementCRC {
public:
    explicit TElementCRC(int elementSize);
    void Add(const void* element);
    // The inverted registers as 8 upper-case hexadecimal digits each, register 0 first.
    String Text() const;

private:
    int FSize;
    Cardinal FRegisters[8];
};

// 8-bit text of a string (Windows-1252) and back.
std::string ToAnsi(const String& text);
String FromAnsi(const std::string& bytes);
