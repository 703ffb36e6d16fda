#pragma once
// Pascal-style files: untyped binary files read and written in records, and
// sequential 8-bit text files (Windows-1252, lines written with CR LF).
//
// Errors are deferred, never thrown: the first failing operation records its
// code for the calling thread, every later operation that moves data (or
// opens a file) does nothing until IOResult returns and clears the code.
// CloseFile always releases the file.  Codes: 2 file not found, 3 path not
// found, 5 access denied, 100 read beyond end of file / disk read error,
// 101 disk write error, 102 file not assigned, 103 file not open, 104 file
// not open for input, 105 file not open for output, 106 invalid numeric
// format, 131 negative seek.
#include <concepts>
#include <string>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

int IOResult();

enum class TFileState { Closed, Input, Output, InOut };

// What both kinds of file hold: the assigned name and the open handle.  A file
// still open when it goes out of scope is closed (text written first).
struct TFileRec {
    TFileRec() = default;
    TFileRec(const TFileRec&) = delete;
    TFileRec& operator=(const TFileRec&) = delete;
    virtual ~TFileRec();
    virtual void FlushOutput() {}

    String Name;
    int Handle = -1;
    TFileState State = TFileState::Closed;
    bool Assigned = false;
};

// ---------------------------------------------------------------- binary files

struct TBinaryFile : TFileRec {
    Integer RecSize = 128;
};

void AssignFile(TFileRec& f, const String& name);
void CloseFile(TFileRec& f);

// Reset opens an existing file for reading and writing (for reading only when
// writing is not allowed); Rewrite creates or empties it.  Sizes and
// positions count records of recSize bytes.
void Reset(TBinaryFile& f, Integer recSize = 128);
void Rewrite(TBinaryFile& f, Integer recSize = 128);
// Without countDone, fewer records than asked is error 100 (read) or 101
// (write); with it, countDone receives the number of whole records moved.
void BlockRead(TBinaryFile& f, void* buffer, Integer count);
void BlockRead(TBinaryFile& f, void* buffer, Integer count, Integer& countDone);
void BlockWrite(TBinaryFile& f, const void* buffer, Integer count);
void BlockWrite(TBinaryFile& f, const void* buffer, Integer count, Integer& countDone);
void Seek(TBinaryFile& f, Int64 recNo);
Int64 FilePos(TBinaryFile& f);     // -1 when the file is not open
Int64 FileSize(TBinaryFile& f);    // -1 when the file is not open
bool Eof(TBinaryFile& f);          // true when the file is not open or an error is pending

// ---------------------------------------------------------------- text files

struct TextFile : TFileRec {
    ~TextFile() override;
    void FlushOutput() override;

    std::string Buffer;   // bytes read ahead (input) or not yet written (output)
    size_t BufferPos = 0;
};

void Reset(TextFile& f);      // an existing file for reading
void Rewrite(TextFile& f);    // created or emptied, for writing
void Append(TextFile& f);     // an existing file, for writing at its end
void Flush(TextFile& f);

// Write: the text right-aligned in width characters (never cut).
void Write(TextFile& f, const String& s, int width = 0);
void Write(TextFile& f, const char* s, int width = 0);
void Write(TextFile& f, char16_t c, int width = 0);
void Write(TextFile& f, char c, int width = 0);
// Reals as Str: with decimals >= 0 fixed, else scientific in width (23 when
// no width is given, as " 1.50000000000000E+0000").
void Write(TextFile& f, Extended value, int width, int decimals);
void Write(TextFile& f, bool value) = delete;   // no Boolean text
template <std::integral T>
void Write(TextFile& f, T value, int width = 0) { Write(f, IntToStr(static_cast<Int64>(value)), width); }
template <std::floating_point T>
void Write(TextFile& f, T value, int width = -1, int decimals = -1)
{
    Write(f, static_cast<Extended>(value), width, decimals);
}

// Writeln: the value as Write, then CR LF.
void Writeln(TextFile& f);
template <class T, class... Layout>
void Writeln(TextFile& f, const T& value, Layout... layout)
{
    Write(f, value, layout...);
    Writeln(f);
}

// Read of a string takes the rest of the line (the line end stays); of a
// character, the next character (CR and LF included).  Numbers skip blanks
// and line ends, then read up to the next blank or line end; text that is no
// number is error 106.  At the end of the file a number reads as 0.
void Read(TextFile& f, String& s);
void Read(TextFile& f, char16_t& c);
void Read(TextFile& f, Integer& value);
void Read(TextFile& f, double& value);
void Read(TextFile& f, Extended& value);

// Readln: the value as Read, then skips past the next line end (CR LF, LF or CR).
void Readln(TextFile& f);
template <class T>
void Readln(TextFile& f, T& value)
{
    Read(f, value);
    Readln(f);
}

// Both are true when the file is not open for input or an error is pending,
// so a loop reading to the end always ends.
bool Eof(TextFile& f);    // no character left
bool Eoln(TextFile& f);   // at a line end or at the end of the file
