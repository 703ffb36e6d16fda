#pragma once
// Byte-stream routines of the library's file formats: 8-bit text and lines written
// with CR LF, 32-bit integers and 10-byte extended floats in little-endian form, line
// reading with five line-end conventions and a minimal XML element reader.  A
// character goes to a stream as the low byte of its code; a byte read becomes the
// character with that code (0..255).
#include <functional>
#include <type_traits>

#include "numerics/VEZ_filecore.h"
#include "numerics/VEZ_stringl.h"
#include "platform/rtl/FileIO.h"
#include "platform/rtl/Streams.h"

// The text as 8-bit characters, through a 4096-byte buffer.
void WriteTextToStream(TStream& OutStream, const String& text);
// The text, then CR LF.
void WriteLineToStream(TStream& OutStream, const String& text);
// 64-bit mantissa, then 16-bit sign and exponent, little-endian.
void WriteExtendedToStream(TStream& OutStream, Extended value);
void WriteIntegerToStream(TStream& OutStream, Integer value);
// error := true when the stream cannot deliver all the bytes (the value is then 0).
Extended ReadExtendedFromStream(TStream& InStream, bool& error);
Integer ReadIntegerFromStream(TStream& InStream, bool& error);

// Line ends by mode: 0 LF, 1 CR, 2 CR or LF, 3 LF CR, 4 CR LF.  Up to two CR/LF
// characters at the end of a line are removed; a line that ends with the stream keeps
// all its characters and sets endOfStream.
void ReadLineFromStream(TStream& InStream, bool& endOfStream, Byte lineEndMode, String& line);

// Reads the next element: the index of its lower-cased name in the tag list (the
// sentinel's index for other names and at the end of the input), the attribute text
// between the name and the closing bracket, and for a start tag the text up to its end
// tag.  Comments, declarations and processing instructions ("<!", "<?") are passed over.
Integer ReadXMLElement(TStream& InStream, const TTagList& tags, String& attributes, String& contents);
// The same over an open text file.
Integer ReadXMLElementFromText(TextFile& InFile, const TTagList& tags, String& attributes, String& contents);

// The elements of the containers' streams: 32-bit integers for the integer
// containers, 10-byte extended floats for the others.
template <class T>
constexpr int StreamElementSize = std::is_same_v<T, Integer> ? 4 : 10;
inline void WriteStreamElement(TStream& OutStream, Integer value) { WriteIntegerToStream(OutStream, value); }
inline void WriteStreamElement(TStream& OutStream, double value) { WriteExtendedToStream(OutStream, value); }
inline void ReadStreamElement(TStream& InStream, bool& error, Integer& value)
{
    value = ReadIntegerFromStream(InStream, error);
}
inline void ReadStreamElement(TStream& InStream, bool& error, double& value)
{
    value = static_cast<double>(ReadExtendedFromStream(InStream, error));
}

// Writes a vector stream: the low and high index, then the elements from low to
// high, all as elements of type T.
template <class T>
void WriteVectorStream(TStream& OutStream, Integer low, Integer high, const std::function<T(Integer elem)>& get)
{
    WriteStreamElement(OutStream, static_cast<T>(low));
    WriteStreamElement(OutStream, static_cast<T>(high));
    for (Integer k = low; k <= high; ++k) WriteStreamElement(OutStream, get(k));
}

// Writes a matrix stream: low and high row, low and high column, then the rows.
template <class T>
void WriteMatrixStream(TStream& OutStream, Integer loC, Integer loR, Integer hiC, Integer hiR,
                       const std::function<T(Integer col, Integer row)>& get)
{
    for (Integer bound : {loR, hiR, loC, hiC}) WriteStreamElement(OutStream, static_cast<T>(bound));
    for (Integer r = loR; r <= hiR; ++r)
        for (Integer c = loC; c <= hiC; ++c) WriteStreamElement(OutStream, get(c, r));
}

// A bound of a container stream, written as an element (a float rounds to the
// nearest integer).  False when the stream cannot deliver it.
template <class T>
bool ReadStreamBound(TStream& InStream, Integer& bound)
{
    bool error = false;
    T value;
    ReadStreamElement(InStream, error, value);
    bound = RoundToInteger(static_cast<double>(value));
    return !error;
}

// Reads a vector stream: the low and high index, then the elements from low to
// high.  False when a bound is missing, with nothing touched.  A stream that
// does not hold the values it announces, or announces more than the library's
// limit, is corrupt: nothing more is read from it.  Otherwise fits(high) sizes
// the container and tells whether the indices fit; store receives the elements
// up to the first one missing, and filled tells whether all were there.
template <class T>
bool ReadVectorStream(TStream& InStream, const std::function<bool(Integer high)>& fits,
                      const std::function<void(Integer elem, T value)>& store, bool& filled)
{
    Integer low = 0, high = 0;
    if (!ReadStreamBound<T>(InStream, low) || !ReadStreamBound<T>(InStream, high)) return false;
    filled = false;
    const bool plausible = high <= MaxFileElements && FitsInBytes(Int64(high) - low + 1, StreamElementSize<T>,
                                                                  InStream.Size() - InStream.Position());
    if (!plausible || !fits(high)) return true;
    filled = true;
    bool error = false;
    for (Integer k = low; k <= high; ++k) {
        T value;
        ReadStreamElement(InStream, error, value);
        if (error) {
            filled = false;
            break;
        }
        store(k, value);
    }
    return true;
}

// Reads a matrix stream: low and high row, low and high column, then the rows.
// Like ReadVectorStream with fits(highColumn, highRow), except that a missing
// element is skipped and the read goes on.
template <class T>
bool ReadMatrixStream(TStream& InStream, const std::function<bool(Integer hiC, Integer hiR)>& fits,
                      const std::function<void(Integer col, Integer row, T value)>& store, bool& filled)
{
    Integer b[4];
    for (Integer& v : b)
        if (!ReadStreamBound<T>(InStream, v)) return false;
    const auto [loR, hiR, loC, hiC] = b;
    filled = false;
    const Int64 count = FileBlockCount(loR, hiR, loC, hiC);
    const bool plausible = hiR >= loR && hiC >= loC && ShapeFits(hiC, hiR) &&
                           FitsInBytes(count, StreamElementSize<T>, InStream.Size() - InStream.Position());
    if (!plausible || !fits(hiC, hiR)) return true;
    filled = true;
    bool error = false;
    for (Integer r = loR; r <= hiR; ++r)
        for (Integer c = loC; c <= hiC; ++c) {
            T value;
            ReadStreamElement(InStream, error, value);
            if (error)
                filled = false;
            else
                store(c, r, value);
        }
    return true;
}
