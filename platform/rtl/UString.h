#pragma once
// String types: String (UTF-16), AnsiString (Windows-1252 bytes) and ShortString<N>
// (at most N bytes of Windows-1252).  Character positions are 1-based as in the
// routines Copy, Pos, Delete and Insert.
#include <compare>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/rtl/Types.h"

class AnsiString;

// Up to InPlace UTF-16 units are held inside the object, a longer text in one heap block.
// The units are always followed by a 0, so c_str() costs nothing.
class String {
public:
    String() noexcept { FInPlace[0] = 0; }
    String(const char* utf8);                 // NOLINT: implicit from UTF-8 literals
    String(const std::string& utf8);          // NOLINT
    String(std::string_view utf8);            // NOLINT
    String(const char16_t* text);             // NOLINT
    String(const std::u16string& text);       // NOLINT
    explicit String(std::u16string_view text);
    String(int count, char16_t ch);
    static String FromChar(char16_t ch) { return String(1, ch); }

    String(const String& other);
    String(String&& other) noexcept;
    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    ~String() { ReleaseBlock(); }

    std::string ToUtf8() const;
    std::u16string_view u16() const { return {FUnits, static_cast<size_t>(FLength)}; }
    const char16_t* c_str() const { return FUnits; }

    int Length() const { return FLength; }
    bool IsEmpty() const { return FLength == 0; }

    // 1-based character access.
    char16_t operator[](int index) const { return FUnits[index - 1]; }
    char16_t& operator[](int index) { return FUnits[index - 1]; }

    String& operator+=(const String& other) { Append(other.FUnits, other.FLength); return *this; }
    String& operator+=(char16_t ch) { Append(&ch, 1); return *this; }
    friend String operator+(String a, const String& b) { a += b; return a; }
    friend String operator+(String a, char16_t ch) { a += ch; return a; }
    friend String operator+(const char* a, const String& b) { return String(a) + b; }

    friend bool operator==(const String& a, const String& b) { return a.u16() == b.u16(); }
    friend std::strong_ordering operator<=>(const String& a, const String& b) { return a.u16() <=> b.u16(); }
    friend bool operator==(const String& a, const char* b) { return a == String(b); }

    friend std::ostream& operator<<(std::ostream& os, const String& s) { return os << s.ToUtf8(); }

    friend void Delete(String& s, int index, int count);
    friend void Insert(const String& source, String& dest, int index);
    friend void SetLength(String& s, int length);

private:
    static constexpr int InPlace = 31;

    bool OnHeap() const { return FUnits != FInPlace; }
    void ReleaseBlock();
    void Grow(int capacity, const char16_t* units, int count);
    void Reserve(int capacity);
    void Assign(const char16_t* units, int count);
    void Append(const char16_t* units, int count);
    void Resize(int length);
    void Take(String& other);

    int FLength = 0;
    int FCapacity = InPlace;       // units the storage holds before its terminating 0
    char16_t* FUnits = FInPlace;    // FInPlace or a heap block of FCapacity + 1 units
    char16_t FInPlace[InPlace + 1];
};

// Single-byte string in code page Windows-1252.
class AnsiString {
public:
    AnsiString() = default;
    AnsiString(const String& text);                         // NOLINT: encodes to 1252
    AnsiString(const char* utf8) : AnsiString(String(utf8)) {}  // NOLINT
    static AnsiString FromBytes(std::string bytes) { AnsiString a; a.FBytes = std::move(bytes); return a; }

    String ToString() const;                               // decodes from 1252
    operator String() const { return ToString(); }         // NOLINT
    const std::string& Bytes() const { return FBytes; }
    std::string& Bytes() { return FBytes; }
    int Length() const { return static_cast<int>(FBytes.size()); }
    bool IsEmpty() const { return FBytes.empty(); }
    friend bool operator==(const AnsiString& a, const AnsiString& b) { return a.FBytes == b.FBytes; }

private:
    std::string FBytes;
};

// Pascal short string: a length byte and at most N bytes in Windows-1252.
// A longer text is cut to N bytes when stored.
template <int N>
struct ShortString {
    static_assert(N >= 1 && N <= 255, "short strings hold 1 to 255 bytes");
    Byte Len = 0;
    char Chars[N] = {};

    ShortString() = default;
    ShortString(const String& text) { Assign(text); }  // NOLINT
    ShortString(const char* utf8) { Assign(String(utf8)); }  // NOLINT
    ShortString& operator=(const String& text) { Assign(text); return *this; }
    ShortString& operator=(const char* utf8) { Assign(String(utf8)); return *this; }

    void Assign(const String& text) { AssignBytes(AnsiString(text).Bytes()); }
    void AssignBytes(const std::string& bytes)
    {
        Len = static_cast<Byte>(bytes.size() > static_cast<size_t>(N) ? N : bytes.size());
        std::memset(Chars, 0, sizeof Chars);
        std::memcpy(Chars, bytes.data(), Len);
    }
    std::string Bytes() const { return std::string(Chars, Len); }
    String ToString() const { return AnsiString::FromBytes(Bytes()).ToString(); }
    operator String() const { return ToString(); }  // NOLINT
    int Length() const { return Len; }
    static constexpr int MaxLength() { return N; }
    friend bool operator==(const ShortString& a, const ShortString& b) { return a.Bytes() == b.Bytes(); }
};

// Code-page conversions.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);
std::string Utf16ToCp1252(std::u16string_view utf16);   // unmappable characters become '?'
std::u16string Cp1252ToUtf16(std::string_view bytes);

// 1-based string routines.
int Length(const String& s);
String Copy(const String& s, int index, int count);
String Copy(const String& s, int index);  // to the end
int Pos(const String& sub, const String& s, int offset = 1);  // 0 when absent
void Delete(String& s, int index, int count);
void Insert(const String& source, String& dest, int index);
void SetLength(String& s, int length);

String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);
String UpperCase(const String& s);   // ASCII letters only
String LowerCase(const String& s);   // ASCII letters only
String AnsiUpperCase(const String& s);  // every letter
String AnsiLowerCase(const String& s);  // every letter
int CompareStr(const String& a, const String& b);   // ordinal
int CompareText(const String& a, const String& b);  // ASCII case-insensitive
bool SameText(const String& a, const String& b);
int AnsiCompareText(const String& a, const String& b);
bool AnsiSameText(const String& a, const String& b);
String StringOfChar(char16_t ch, int count);
String QuotedStr(const String& s);

enum TReplaceFlag { rfReplaceAll = 1, rfIgnoreCase = 2 };
using TReplaceFlags = int;
String StringReplace(const String& s, const String& oldPattern, const String& newPattern, TReplaceFlags flags);

String IntToStr(Int64 value);
String IntToHex(Int64 value, int digits);
Integer StrToInt(const String& s);            // EConvertError "'%s' is not a valid integer value"
Integer StrToIntDef(const String& s, Integer def);
bool TryStrToInt(const String& s, Integer& value);
Int64 StrToInt64(const String& s);
bool TryStrToInt64(const String& s, Int64& value);

// Character classes of one UTF-16 character as the system's Unicode tables give them (letters
// of every script, decimal digits); a surrogate half is none of them.
bool IsCharAlpha(char16_t ch);
bool IsCharAlphaNumeric(char16_t ch);
bool IsCharUpper(char16_t ch);
bool IsCharLower(char16_t ch);
// The lower- and upper-case form of one UTF-16 character by the same tables; the character
// itself when it has no other case (a surrogate half has none).
char16_t CharToLower(char16_t ch);
char16_t CharToUpper(char16_t ch);
