#pragma once
// Byte-stream routines of the library's file formats: 8-bit text and lines written
// with CR LF, 32-bit integers and 10-byte extended floats in little-endian form, line
// reading with five line-end conventions and a minimal XML element reader.  A
// character goes to a stream as the low byte of its code; a byte read becomes the
// character with that code (0..255).
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
