#pragma once
// Procedures of the library: a block compressor of its own (LZRW1 family) and a zlib block
// codec, the block-stream format that cuts a stream into compressed blocks, the folders named by
// path prefixes, and small numeric, rectangle and text helpers.
#include <vector>

#include "platform/graphics/Graphics.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// ---------------------------------------------------------------- block compression
// An LZRW block: a flag byte (128 stored, else compressed) followed by the data, or by groups of
// a 16-bit control word (high byte first, bit 15 for the first item) and up to 16 items:
// literal (1 byte), copy (2 bytes: offset 1..4095 << 4 | length - 3) or run (4 bytes: 0, the
// repeat count - 16 in 16 bits, the byte).

// Source bytes per block of a block stream: mode 0 (LZRW) and mode 1 (zlib).
inline constexpr Integer StyLzrwChunkSize = 32781;
inline constexpr Integer StyZlibChunkSize = 32767;

// Compresses Count bytes into Dst, which must hold Count + 6 bytes; returns the block length.
// An input that does not shrink is stored.
Word LzrwCompressBlock(const Byte* Src, Byte* Dst, Word Count);
// Decompresses a block of Len bytes into Dst, which holds DstSize bytes; returns the number of
// bytes written.  A block that would write past DstSize, copy from before the start of the
// output or end inside an item raises EInvalidPointer "LZRW Error!".
Word LzrwDecompressBlock(const Byte* Src, Byte* Dst, Word Len, Integer DstSize = StyLzrwChunkSize);

// One complete zlib stream at level 9.  Dst grows as needed and ends at the result's size; an
// empty Dst starts at about the size the data needs.  zlib failures raise Exception
// "Compression error <code>".
Integer ZlibCompressBlock(const Byte* Src, std::vector<Byte>& Dst, Integer Count);
// Inflates Len bytes; more than MaxSize bytes of output raise "Compression error -3".
Integer ZlibDecompressBlock(const Byte* Src, std::vector<Byte>& Dst, Integer Len, Integer MaxSize = 0x7FFFFFFF);

// A block stream: the 32-bit little-endian count of the bytes that follow, then per block its
// 32-bit length and its data.  Count source bytes from Source's position are cut into chunks;
// a source that ends early ends the stream.  Dest is left after the stream.
void CompressStreamBlocks(TMemoryStream& Source, TStream& Dest, Integer Count, Integer Mode);
// Appends the decompressed bytes of one block stream (mode 1 zlib, any other LZRW) to Dest.
// A block that does not fit in the stream raises EReadError "Stream read error".
void DecompressStreamBlocks(TStream& Source, TMemoryStream& Dest, Integer Mode);

// ---------------------------------------------------------------- path prefixes
// The Windows and system folders of the program are the user's settings folder for Dorvane;
// application data is the user's settings folder, local application data the user's data folder.
enum TStyPathPrefix { ppWindows, ppSystem, ppProgram, ppFixed, ppAppData, ppAppDataLocal };

// The folder of the prefix, with or without one trailing separator ("/"); ppFixed gives the
// empty text.
String PathForPrefix(TStyPathPrefix Prefix, bool WithBackslash);

// ---------------------------------------------------------------- helpers
void ExtendRect(TRect& R, Integer dx, Integer dy);
// Src scaled by the smaller of the two ratios (truncated), placed at Bounds' top-left corner.
void FitRectProportional(const TRect& Src, const TRect& Bounds, TRect& Dest);
Integer RectWidth(const TRect& R);
void RectSize(const TRect& R, Integer& Width, Integer& Height);
// R becomes (0, 0, w, h), the bounding box of R rotated about its centre; nothing for 0 degrees.
void RotatedRectBounds(TRect& R, double Angle);
Integer MaxIntOf(const std::vector<Integer>& Values);
Integer MinIntOf(const std::vector<Integer>& Values);
Extended MinExtendedOf(const std::vector<Extended>& Values);
Integer MidValue(Integer a, Integer b);   // (a + b) div 2, toward zero
bool IsHtmlMarkup(const String& Text);     // begins with "<html>", letter case ignored
Cardinal SwapBytes32(Cardinal Value);
Integer IntSign(Integer Value);
Integer IncValue(Integer& Value);
// A web address, an ftp address or a mail address given without scheme gets "http://",
// "ftp://" or "mailto:"; the address is then opened by the desktop.  True when it was taken.
bool OpenUrlOrMail(const String& Address, bool NoHttpPrefix = false);
