#include "platform/rtl/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

#include "platform/rtl/Exceptions.h"

// ---------------------------------------------------------------- TStream

Int64 TStream::Size()
{
    Int64 position = Seek(0, soFromCurrent);
    Int64 size = Seek(0, soFromEnd);
    Seek(position, soFromBeginning);
    return size;
}

void TStream::SetSize(Int64 /*newSize*/) {}

void TStream::ReadBuffer(void* buffer, Integer count)
{
    if (Read(buffer, count) != count)
        throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* buffer, Integer count)
{
    if (Write(buffer, count) != count)
        throw EWriteError("Stream write error");
}

Int64 TStream::CopyFrom(TStream& source, Int64 count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    const Int64 total = count;
    std::vector<Byte> buffer(static_cast<size_t>(std::min<Int64>(count, 0xF000)));
    while (count > 0) {
        Integer n = static_cast<Integer>(std::min<Int64>(count, static_cast<Int64>(buffer.size())));
        source.ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.data(), n);
        count -= n;
    }
    return total;
}

// ---------------------------------------------------------------- TMemoryStream

Integer TMemoryStream::Read(void* buffer, Integer count)
{
    Int64 available = Size() - FPosition;
    if (count <= 0 || available <= 0)
        return 0;
    Integer n = static_cast<Integer>(std::min<Int64>(count, available));
    std::memcpy(buffer, FData.data() + FPosition, static_cast<size_t>(n));
    FPosition += n;
    return n;
}

Integer TMemoryStream::Write(const void* buffer, Integer count)
{
    if (count <= 0)
        return 0;
    Int64 end = FPosition + count;
    if (end > Size())
        FData.resize(static_cast<size_t>(end));   // a gap after a seek past the end reads as zeros
    std::memcpy(FData.data() + FPosition, buffer, static_cast<size_t>(count));
    FPosition = end;
    return count;
}

Int64 TMemoryStream::Seek(Int64 offset, TSeekOrigin origin)
{
    switch (origin) {
    case soFromBeginning: FPosition = offset; break;
    case soFromCurrent: FPosition += offset; break;
    case soFromEnd: FPosition = Size() + offset; break;
    }
    if (FPosition < 0)
        FPosition = 0;
    return FPosition;
}

void TMemoryStream::SetSize(Int64 newSize)
{
    FData.resize(static_cast<size_t>(std::max<Int64>(newSize, 0)));
    FPosition = std::min(FPosition, Size());
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream& source)
{
    source.SetPosition(0);
    Int64 size = source.Size();
    std::vector<Byte> data(static_cast<size_t>(size));
    source.ReadBuffer(data.data(), static_cast<Integer>(size));
    FData = std::move(data);
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream& dest) const
{
    dest.WriteBuffer(FData.data(), static_cast<Integer>(FData.size()));
}

void TMemoryStream::LoadFromFile(const String& fileName)
{
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(file);
}

void TMemoryStream::SaveToFile(const String& fileName) const
{
    TFileStream file(fileName, fmCreate);
    SaveToStream(file);
}

// ---------------------------------------------------------------- TFileStream

TFileStream::TFileStream(const String& fileName, Word mode) : FFileName(fileName)
{
    const std::string path = fileName.ToUtf8();
    if ((mode & fmCreate) == fmCreate) {
        FHandle = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (FHandle < 0)
            throw EFCreateError("Cannot create file \"" + fileName + "\". " + std::strerror(errno));
        return;
    }
    int flags = O_RDONLY;
    if ((mode & 0x3) == fmOpenWrite)
        flags = O_WRONLY;
    else if ((mode & 0x3) == fmOpenReadWrite)
        flags = O_RDWR;
    FHandle = ::open(path.c_str(), flags | O_CLOEXEC);
    if (FHandle >= 0) {
        struct stat info {};
        if (::fstat(FHandle, &info) == 0 && S_ISDIR(info.st_mode)) {
            ::close(FHandle);
            FHandle = -1;
            errno = EISDIR;
        }
    }
    if (FHandle < 0)
        throw EFOpenError("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
}

TFileStream::~TFileStream()
{
    if (FHandle >= 0)
        ::close(FHandle);
}

Integer TFileStream::Read(void* buffer, Integer count)
{
    if (count <= 0)
        return 0;
    Integer done = 0;
    auto* bytes = static_cast<Byte*>(buffer);
    while (done < count) {
        ssize_t n = ::read(FHandle, bytes + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<Integer>(n);
    }
    return done;
}

Integer TFileStream::Write(const void* buffer, Integer count)
{
    if (count <= 0)
        return 0;
    Integer done = 0;
    const auto* bytes = static_cast<const Byte*>(buffer);
    while (done < count) {
        ssize_t n = ::write(FHandle, bytes + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<Integer>(n);
    }
    return done;
}

Int64 TFileStream::Seek(Int64 offset, TSeekOrigin origin)
{
    int whence = origin == soFromBeginning ? SEEK_SET : origin == soFromCurrent ? SEEK_CUR : SEEK_END;
    off_t result = ::lseek(FHandle, static_cast<off_t>(offset), whence);
    if (result < 0)   // before the start: stay where we are
        result = ::lseek(FHandle, 0, SEEK_CUR);
    return static_cast<Int64>(result);
}

void TFileStream::SetSize(Int64 newSize)
{
    if (::ftruncate(FHandle, static_cast<off_t>(newSize)) != 0)
        throw EWriteError("Stream write error");
    if (Position() > newSize)
        SetPosition(newSize);
}

// ---------------------------------------------------------------- TStringStream

TStringStream::TStringStream(const String& text)
{
    WriteString(text);
    SetPosition(0);
}

String TStringStream::DataString() const
{
    const std::vector<Byte>& bytes = Bytes();
    return String(Cp1252ToUtf16(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

void TStringStream::WriteString(const String& text)
{
    std::string bytes = Utf16ToCp1252(text.u16());
    WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
}

// ---------------------------------------------------------------- resources

namespace {

struct ResourceTable {
    std::mutex Lock;
    std::map<std::pair<String, String>, std::vector<Byte>> Entries;   // keys in upper case
};

ResourceTable& Resources()
{
    static ResourceTable table;
    return table;
}

std::pair<String, String> ResourceKey(const String& name, const String& type)
{
    return {AnsiUpperCase(name), AnsiUpperCase(type)};
}

}  // namespace

void RegisterResource(const String& name, const String& type, std::span<const Byte> bytes)
{
    ResourceTable& table = Resources();
    std::lock_guard guard(table.Lock);
    table.Entries[ResourceKey(name, type)] = std::vector<Byte>(bytes.begin(), bytes.end());
}

bool ResourceExists(const String& name, const String& type)
{
    ResourceTable& table = Resources();
    std::lock_guard guard(table.Lock);
    return table.Entries.contains(ResourceKey(name, type));
}

String ResourceIDName(Integer id) { return "#" + IntToStr(id); }

TResourceStream::TResourceStream(const String& name, const String& type)
{
    ResourceTable& table = Resources();
    std::lock_guard guard(table.Lock);
    auto it = table.Entries.find(ResourceKey(name, type));
    if (it == table.Entries.end())
        throw EResNotFound("Resource " + name + " not found");
    TMemoryStream::Write(it->second.data(), static_cast<Integer>(it->second.size()));
    SetPosition(0);
}

Integer TResourceStream::Write(const void* /*buffer*/, Integer /*count*/)
{
    throw EStreamError("Can't write to a read-only resource stream");
}
