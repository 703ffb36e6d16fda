#pragma once
// Byte streams: the abstract TStream and its memory, file, string and resource
// descendants.  Positions and sizes are in bytes from the start of the stream.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

enum TSeekOrigin { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream {
public:
    virtual ~TStream() = default;

    // Read and Write move up to count bytes and return how many they moved.
    virtual Integer Read(void* buffer, Integer count) = 0;
    virtual Integer Write(const void* buffer, Integer count) = 0;
    // Returns the new position.
    virtual Int64 Seek(Int64 offset, TSeekOrigin origin) = 0;

    Int64 Position() { return Seek(0, soFromCurrent); }
    void SetPosition(Int64 position) { Seek(position, soFromBeginning); }
    virtual Int64 Size();
    virtual void SetSize(Int64 newSize);

    // Move exactly count bytes or raise EReadError "Stream read error" /
    // EWriteError "Stream write error".
    void ReadBuffer(void* buffer, Integer count);
    void WriteBuffer(const void* buffer, Integer count);

    // Copies count bytes from the source's position; count 0 copies the whole
    // source from its start.  Returns the number of bytes copied.
    Int64 CopyFrom(TStream& source, Int64 count);
};

class TMemoryStream : public TStream {
public:
    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    Int64 Size() override { return static_cast<Int64>(FData.size()); }
    void SetSize(Int64 newSize) override;

    Byte* Memory() { return FData.data(); }
    const Byte* Memory() const { return FData.data(); }
    void Clear();

    // Replace the content with the whole source (read from its start) and
    // rewind; save writes the whole content at the destination's position.
    void LoadFromStream(TStream& source);
    void SaveToStream(TStream& dest) const;
    void LoadFromFile(const String& fileName);
    void SaveToFile(const String& fileName) const;

protected:
    const std::vector<Byte>& Bytes() const { return FData; }

private:
    std::vector<Byte> FData;
    Int64 FPosition = 0;
};

// Open modes; a share flag may be or-ed in and is accepted without effect.
enum : Word {
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040,
    fmCreate = 0xFF00,   // create or truncate, then read and write
};

class TFileStream : public TStream {
public:
    // Raises EFCreateError 'Cannot create file "<name>". <reason>' or
    // EFOpenError 'Cannot open file "<name>". <reason>'.
    TFileStream(const String& fileName, Word mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    Integer Read(void* buffer, Integer count) override;
    Integer Write(const void* buffer, Integer count) override;
    Int64 Seek(Int64 offset, TSeekOrigin origin) override;
    void SetSize(Int64 newSize) override;   // truncates or extends the file

    const String& FileName() const { return FFileName; }

private:
    String FFileName;
    int FHandle = -1;
};

// A memory stream over 8-bit text: one byte per character in Windows-1252.
class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(const String& text = String());
    String DataString() const;
    void WriteString(const String& text);
};

// Resources compiled into the program are registered here by name and type
// (both compared without regard to letter case).  A later registration of the
// same name and type replaces the earlier one.
void RegisterResource(const String& name, const String& type, std::span<const Byte> bytes);
bool ResourceExists(const String& name, const String& type);

inline const char* const RT_RCDATA = "RCDATA";

// The module resources are looked up in: always the program itself.
using HINSTANCE = std::uintptr_t;
using HMODULE = HINSTANCE;
inline constexpr HINSTANCE HInstance = 1;
// A numbered resource is registered under "#" and its number.
String ResourceIDName(Integer id);

// A read-only stream over a registered resource; EResNotFound
// "Resource <name> not found" when there is none.
class TResourceStream : public TMemoryStream {
public:
    TResourceStream(const String& name, const String& type);
    TResourceStream(Integer id, const String& type) : TResourceStream(ResourceIDName(id), type) {}
    Integer Write(const void* buffer, Integer count) override;   // raises EStreamError
};
