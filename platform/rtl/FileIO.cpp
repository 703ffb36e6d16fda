#include "platform/rtl/FileIO.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/rtl/SysFormat.h"

namespace {

thread_local int InOutRes = 0;

constexpr int ioFileNotFound = 2;
constexpr int ioPathNotFound = 3;
constexpr int ioAccessDenied = 5;
constexpr int ioReadError = 100;
constexpr int ioWriteError = 101;
constexpr int ioNotAssigned = 102;
constexpr int ioNotOpen = 103;
constexpr int ioNotOpenForInput = 104;
constexpr int ioNotOpenForOutput = 105;
constexpr int ioInvalidNumber = 106;
constexpr int ioNegativeSeek = 131;

constexpr size_t TextBufferSize = 64 * 1024;

// Records the code unless an earlier one is still pending.
void SetError(int code)
{
    if (InOutRes == 0)
        InOutRes = code;
}

int OpenErrorCode(int error)
{
    switch (error) {
    case ENOENT: return ioFileNotFound;
    case ENOTDIR: return ioPathNotFound;
    default: return ioAccessDenied;
    }
}

// Opens the assigned file; false (with the error recorded) when it cannot.
bool OpenFile(TFileRec& f, int flags, TFileState state)
{
    if (InOutRes != 0)
        return false;
    if (!f.Assigned) {
        SetError(ioNotAssigned);
        return false;
    }
    if (f.State != TFileState::Closed)
        CloseFile(f);
    f.Handle = ::open(f.Name.ToUtf8().c_str(), flags | O_CLOEXEC, 0666);
    if (f.Handle >= 0) {
        struct stat info {};
        if (::fstat(f.Handle, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(f.Handle);
            f.Handle = -1;
            errno = EACCES;
        }
    }
    if (f.Handle < 0) {
        SetError(OpenErrorCode(errno));
        return false;
    }
    f.State = state;
    return true;
}

// Moves up to count bytes; the number moved, -1 on a system error.
long ReadBytes(int handle, void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::read(handle, static_cast<char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    return static_cast<long>(done);
}

long WriteBytes(int handle, const void* buffer, size_t count)
{
    size_t done = 0;
    while (done < count) {
        ssize_t n = ::write(handle, static_cast<const char*>(buffer) + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        done += static_cast<size_t>(n);
    }
    return static_cast<long>(done);
}

bool IsOpen(const TFileRec& f)
{
    if (f.State != TFileState::Closed)
        return true;
    SetError(ioNotOpen);
    return false;
}

}  // namespace

int IOResult()
{
    int code = InOutRes;
    InOutRes = 0;
    return code;
}

TFileRec::~TFileRec()
{
    if (Handle >= 0)
        ::close(Handle);
}

void AssignFile(TFileRec& f, const String& name)
{
    if (f.State != TFileState::Closed)
        CloseFile(f);
    f.Name = name;
    f.Assigned = true;
}

void CloseFile(TFileRec& f)
{
    if (f.State == TFileState::Closed) {
        SetError(ioNotOpen);
        return;
    }
    f.FlushOutput();
    if (::close(f.Handle) != 0)
        SetError(ioWriteError);
    f.Handle = -1;
    f.State = TFileState::Closed;
}

// ---------------------------------------------------------------- binary files

void Reset(TBinaryFile& f, Integer recSize)
{
    if (InOutRes != 0)
        return;
    f.RecSize = recSize > 0 ? recSize : 1;
    if (OpenFile(f, O_RDWR, TFileState::InOut))
        return;
    // A file we may not write is still read.
    if (InOutRes == ioAccessDenied) {
        InOutRes = 0;
        OpenFile(f, O_RDONLY, TFileState::Input);
    }
}

void Rewrite(TBinaryFile& f, Integer recSize)
{
    if (InOutRes != 0)
        return;
    f.RecSize = recSize > 0 ? recSize : 1;
    OpenFile(f, O_RDWR | O_CREAT | O_TRUNC, TFileState::InOut);
}

namespace {

// count records; returns the whole records moved.
Integer MoveRecords(TBinaryFile& f, void* readBuffer, const void* writeBuffer, Integer count)
{
    if (InOutRes != 0 || count <= 0)
        return 0;
    if (!IsOpen(f))
        return 0;
    const size_t bytes = static_cast<size_t>(count) * static_cast<size_t>(f.RecSize);
    long moved;
    if (readBuffer) {
        moved = ReadBytes(f.Handle, readBuffer, bytes);
        if (moved < 0)
            SetError(ioReadError);
    } else {
        if (f.State == TFileState::Input) {
            SetError(ioAccessDenied);
            return 0;
        }
        moved = WriteBytes(f.Handle, writeBuffer, bytes);
        if (moved < 0)
            SetError(ioWriteError);
    }
    return moved < 0 ? 0 : static_cast<Integer>(moved / f.RecSize);
}

}  // namespace

void BlockRead(TBinaryFile& f, void* buffer, Integer count, Integer& countDone)
{
    countDone = MoveRecords(f, buffer, nullptr, count);
}

void BlockRead(TBinaryFile& f, void* buffer, Integer count)
{
    Integer done = MoveRecords(f, buffer, nullptr, count);
    if (done < count)
        SetError(ioReadError);
}

void BlockWrite(TBinaryFile& f, const void* buffer, Integer count, Integer& countDone)
{
    countDone = MoveRecords(f, nullptr, buffer, count);
}

void BlockWrite(TBinaryFile& f, const void* buffer, Integer count)
{
    Integer done = MoveRecords(f, nullptr, buffer, count);
    if (done < count)
        SetError(ioWriteError);
}

void Seek(TBinaryFile& f, Int64 recNo)
{
    if (InOutRes != 0 || !IsOpen(f))
        return;
    if (recNo < 0) {
        SetError(ioNegativeSeek);
        return;
    }
    if (::lseek(f.Handle, static_cast<off_t>(recNo * f.RecSize), SEEK_SET) < 0)
        SetError(ioReadError);
}

Int64 FilePos(TBinaryFile& f)
{
    if (!IsOpen(f))
        return -1;
    return static_cast<Int64>(::lseek(f.Handle, 0, SEEK_CUR)) / f.RecSize;
}

Int64 FileSize(TBinaryFile& f)
{
    if (!IsOpen(f))
        return -1;
    struct stat info {};
    if (::fstat(f.Handle, &info) != 0)
        return -1;
    return static_cast<Int64>(info.st_size) / f.RecSize;
}

bool Eof(TBinaryFile& f)
{
    if (!IsOpen(f) || InOutRes != 0)
        return true;
    return FilePos(f) >= FileSize(f);
}

// ---------------------------------------------------------------- text files

namespace {

void OpenText(TextFile& f, int flags, TFileState state)
{
    f.Buffer.clear();
    f.BufferPos = 0;
    OpenFile(f, flags, state);
}

bool CanRead(TextFile& f)
{
    if (InOutRes != 0 || !IsOpen(f))
        return false;
    if (f.State != TFileState::Input) {
        SetError(ioNotOpenForInput);
        return false;
    }
    return true;
}

bool CanWrite(TextFile& f)
{
    if (InOutRes != 0 || !IsOpen(f))
        return false;
    if (f.State != TFileState::Output) {
        SetError(ioNotOpenForOutput);
        return false;
    }
    return true;
}

// The next byte without taking it; -1 at the end of the file (or on error).
int Peek(TextFile& f)
{
    if (f.BufferPos >= f.Buffer.size()) {
        f.Buffer.resize(TextBufferSize);
        long n = ReadBytes(f.Handle, f.Buffer.data(), TextBufferSize);
        if (n < 0) {
            SetError(ioReadError);
            n = 0;
        }
        f.Buffer.resize(static_cast<size_t>(n));
        f.BufferPos = 0;
        if (n == 0)
            return -1;
    }
    return static_cast<unsigned char>(f.Buffer[f.BufferPos]);
}

bool IsLineEnd(int c) { return c == '\r' || c == '\n'; }
bool IsBlank(int c) { return c == ' ' || c == '\t' || IsLineEnd(c); }

// Skips blanks and line ends and takes the following word.
std::string ReadToken(TextFile& f)
{
    while (IsBlank(Peek(f)))
        ++f.BufferPos;
    std::string token;
    for (int c = Peek(f); c >= 0 && !IsBlank(c); c = Peek(f)) {
        token += static_cast<char>(c);
        ++f.BufferPos;
    }
    return token;
}

void PutBytes(TextFile& f, const std::string& bytes)
{
    f.Buffer += bytes;
    if (f.Buffer.size() >= TextBufferSize)
        Flush(f);
}

String PadLeft(const String& s, int width)
{
    return width > s.Length() ? StringOfChar(u' ', width - s.Length()) + s : s;
}

// Reads a number token into value through Val; error 106 when it is none.
template <class T>
void ReadNumber(TextFile& f, T& value)
{
    value = 0;
    if (!CanRead(f))
        return;
    const std::string token = ReadToken(f);
    if (token.empty())
        return;
    int code = 0;
    Val(String(Cp1252ToUtf16(token)), value, code);
    if (code != 0) {
        value = 0;
        SetError(ioInvalidNumber);
    }
}

}  // namespace

TextFile::~TextFile()
{
    if (State == TFileState::Output)
        FlushOutput();
}

void TextFile::FlushOutput()
{
    if (State == TFileState::Output)
        Flush(*this);
}

void Reset(TextFile& f)
{
    OpenText(f, O_RDONLY, TFileState::Input);
}

void Rewrite(TextFile& f)
{
    OpenText(f, O_WRONLY | O_CREAT | O_TRUNC, TFileState::Output);
}

void Append(TextFile& f)
{
    OpenText(f, O_WRONLY | O_APPEND, TFileState::Output);
}

void Flush(TextFile& f)
{
    if (!CanWrite(f)) {
        f.Buffer.clear();
        return;
    }
    if (WriteBytes(f.Handle, f.Buffer.data(), f.Buffer.size()) != static_cast<long>(f.Buffer.size()))
        SetError(ioWriteError);
    f.Buffer.clear();
}

void Write(TextFile& f, const String& s, int width)
{
    if (CanWrite(f))
        PutBytes(f, Utf16ToCp1252(PadLeft(s, width).u16()));
}

void Write(TextFile& f, const char* s, int width) { Write(f, String(s), width); }
void Write(TextFile& f, char16_t c, int width) { Write(f, String::FromChar(c), width); }
void Write(TextFile& f, char c, int width)
{
    Write(f, String(Cp1252ToUtf16(std::string(1, c))), width);
}

void Write(TextFile& f, Extended value, int width, int decimals)
{
    if (decimals >= 0)
        Write(f, Str(value, width < 0 ? 0 : width, decimals));
    else
        Write(f, Str(value, width < 0 ? 23 : width));
}

void Writeln(TextFile& f)
{
    if (CanWrite(f))
        PutBytes(f, "\r\n");
}

void Read(TextFile& f, String& s)
{
    s = String();
    if (!CanRead(f))
        return;
    std::string line;
    for (int c = Peek(f); c >= 0 && !IsLineEnd(c); c = Peek(f)) {
        line += static_cast<char>(c);
        ++f.BufferPos;
    }
    s = String(Cp1252ToUtf16(line));
}

void Read(TextFile& f, char16_t& c)
{
    c = 0;
    if (!CanRead(f))
        return;
    int b = Peek(f);
    if (b < 0) {
        c = 0x1A;   // the end-of-file character, as the platform gives
        return;
    }
    ++f.BufferPos;
    c = Cp1252ToUtf16(std::string(1, static_cast<char>(b)))[0];
}

void Read(TextFile& f, Integer& value) { ReadNumber(f, value); }
void Read(TextFile& f, double& value) { ReadNumber(f, value); }
void Read(TextFile& f, Extended& value) { ReadNumber(f, value); }

void Readln(TextFile& f)
{
    if (!CanRead(f))
        return;
    int c = Peek(f);
    while (c >= 0 && !IsLineEnd(c)) {
        ++f.BufferPos;
        c = Peek(f);
    }
    if (c == '\r') {
        ++f.BufferPos;
        c = Peek(f);
    }
    if (c == '\n')
        ++f.BufferPos;
}

bool Eof(TextFile& f)
{
    if (!IsOpen(f) || InOutRes != 0 || f.State != TFileState::Input)
        return true;
    return Peek(f) < 0;
}

bool Eoln(TextFile& f)
{
    if (!IsOpen(f) || InOutRes != 0 || f.State != TFileState::Input)
        return true;
    int c = Peek(f);
    return c < 0 || IsLineEnd(c);
}
