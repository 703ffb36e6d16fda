#include "platform/rtl/UString.h"

#include <algorithm>
#include <climits>
#include <cwctype>
#include <locale.h>

#include "platform/rtl/Exceptions.h"

namespace {

// Windows-1252 code points of bytes 0x80..0x9F; 0 marks the five unassigned bytes,
// which map to the C1 control of the same value.
const char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t AsciiUpper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }
char16_t AsciiLower(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

// Upper/lower case of the Latin-1 and Latin Extended-A letters used in Western texts.
char16_t LetterUpper(char16_t c)
{
    if (c < 0x80) return AsciiUpper(c);
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<char16_t>(c - 32);
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        bool evenUpper = (c < 0x138) || (c > 0x148 && c < 0x178);
        if (evenUpper ? (c % 2 == 1) : (c % 2 == 0)) return static_cast<char16_t>(c - 1);
    }
    return c;
}

char16_t LetterLower(char16_t c)
{
    if (c < 0x80) return AsciiLower(c);
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return static_cast<char16_t>(c + 32);
    if (c == 0x178) return 0xFF;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        bool evenUpper = (c < 0x138) || (c > 0x148 && c < 0x178);
        if (evenUpper ? (c % 2 == 0) : (c % 2 == 1)) return static_cast<char16_t>(c + 1);
    }
    return c;
}

String MapChars(const String& s, char16_t (*f)(char16_t))
{
    String r = s;
    for (int i = 1; i <= r.Length(); ++i) r[i] = f(r[i]);
    return r;
}

int Sign(int v) { return (v > 0) - (v < 0); }

// Decodes UTF-8 into `out`, which has room for one unit per byte: no character takes more
// units than bytes. A byte that starts no valid sequence becomes U+FFFD. Returns the units written.
size_t DecodeUtf8(std::string_view utf8, char16_t* out)
{
    char16_t* const first = out;
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        char32_t cp;
        int extra;
        if (c < 0x80) { cp = c; extra = 0; }
        else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; extra = 1; }
        else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; extra = 2; }
        else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; extra = 3; }
        else { *out++ = u'\xFFFD'; ++i; continue; }
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            if (i + k >= utf8.size()) { ok = false; break; }
            unsigned char cc = static_cast<unsigned char>(utf8[i + k]);
            if ((cc & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (!ok) { *out++ = u'\xFFFD'; ++i; continue; }
        i += extra + 1;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            *out++ = static_cast<char16_t>(0xD800 + (cp >> 10));
            *out++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            *out++ = static_cast<char16_t>(cp);
        }
    }
    return static_cast<size_t>(out - first);
}

// Decodes Windows-1252 bytes into `out`, one unit per byte.
size_t DecodeCp1252(std::string_view bytes, char16_t* out)
{
    for (char b : bytes) {
        unsigned char u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u < 0xA0)
            *out++ = kCp1252High[u - 0x80] ? kCp1252High[u - 0x80] : static_cast<char16_t>(u);
        else
            *out++ = static_cast<char16_t>(u);
    }
    return bytes.size();
}

// Bytes decoded straight into a String's storage, without a text in between.
String DecodedString(std::string_view bytes, size_t (*decode)(std::string_view, char16_t*))
{
    String s;
    if (bytes.empty()) return s;
    SetLength(s, static_cast<int>(bytes.size()));
    SetLength(s, static_cast<int>(decode(bytes, &s[1])));
    return s;
}

std::u16string DecodedText(std::string_view bytes, size_t (*decode)(std::string_view, char16_t*))
{
    std::u16string text(bytes.size(), u'\0');
    text.resize(decode(bytes, text.data()));
    return text;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) { return DecodedText(utf8, DecodeUtf8); }

std::string Utf16ToUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string Utf16ToCp1252(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (char16_t c : utf16) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k) {
            char16_t target = kCp1252High[k] ? kCp1252High[k] : static_cast<char16_t>(0x80 + k);
            if (target == c) { mapped = static_cast<char>(0x80 + k); break; }
        }
        out += mapped;
    }
    return out;
}

std::u16string Cp1252ToUtf16(std::string_view bytes) { return DecodedText(bytes, DecodeCp1252); }

String::String(const char* utf8) : String(utf8 ? std::string_view(utf8) : std::string_view()) {}
String::String(const std::string& utf8) : String(std::string_view(utf8)) {}
String::String(std::string_view utf8) : String(DecodedString(utf8, DecodeUtf8)) {}
String::String(const char16_t* text) : String(std::u16string_view(text ? text : u"")) {}
String::String(const std::u16string& text) : String(std::u16string_view(text)) {}
String::String(std::u16string_view text) : String() { Assign(text.data(), static_cast<int>(text.size())); }

String::String(int count, char16_t ch) : String()
{
    Resize(count > 0 ? count : 0);
    std::fill_n(FUnits, FLength, ch);
}

String::String(const String& other) : String() { Assign(other.FUnits, other.FLength); }
String::String(String&& other) noexcept : String() { Take(other); }

String& String::operator=(const String& other)
{
    if (this != &other) Assign(other.FUnits, other.FLength);
    return *this;
}

String& String::operator=(String&& other) noexcept
{
    if (this != &other) Take(other);
    return *this;
}

std::string String::ToUtf8() const { return Utf16ToUtf8(u16()); }

void String::ReleaseBlock()
{
    if (OnHeap()) delete[] FUnits;
}

// Moves the text into a heap block of at least `capacity` units, and at least twice the
// present storage, appending `count` units on the way. Those may lie in the text itself, so
// the old storage is freed only after they are copied.
void String::Grow(int capacity, const char16_t* units, int count)
{
    const int grown = std::max(capacity, 2 * FCapacity);
    char16_t* block = new char16_t[static_cast<size_t>(grown) + 1];
    std::copy_n(FUnits, FLength, block);
    std::copy_n(units, count, block + FLength);
    ReleaseBlock();
    FUnits = block;
    FCapacity = grown;
    FLength += count;
    FUnits[FLength] = 0;
}

void String::Reserve(int capacity)
{
    if (capacity > FCapacity) Grow(capacity, nullptr, 0);
}

void String::Assign(const char16_t* units, int count)
{
    FLength = 0;
    Append(units, count);
    FUnits[FLength] = 0;
}

void String::Append(const char16_t* units, int count)
{
    if (count <= 0) return;
    if (FLength + count > FCapacity) {
        Grow(FLength + count, units, count);
        return;
    }
    std::copy_n(units, count, FUnits + FLength);
    FLength += count;
    FUnits[FLength] = 0;
}

// A longer text is filled with 0 units.
void String::Resize(int length)
{
    Reserve(length);
    if (length > FLength) std::fill_n(FUnits + FLength, length - FLength, u'\0');
    FLength = length;
    FUnits[FLength] = 0;
}

// Takes the other text's units, its heap block when it has one, and leaves it empty.
void String::Take(String& other)
{
    if (other.OnHeap()) {
        ReleaseBlock();
        FUnits = other.FUnits;
        FCapacity = other.FCapacity;
        FLength = other.FLength;
        other.FUnits = other.FInPlace;
        other.FCapacity = InPlace;
    } else {
        Assign(other.FUnits, other.FLength);
    }
    other.FLength = 0;
    other.FInPlace[0] = 0;
}

AnsiString::AnsiString(const String& text) : FBytes(Utf16ToCp1252(text.u16())) {}
String AnsiString::ToString() const { return DecodedString(FBytes, DecodeCp1252); }

int Length(const String& s) { return s.Length(); }

String Copy(const String& s, int index, int count)
{
    if (index < 1) index = 1;
    int len = s.Length();
    if (index > len || count <= 0) return String();
    if (count > len - index + 1) count = len - index + 1;
    return String(s.u16().substr(static_cast<size_t>(index - 1), static_cast<size_t>(count)));
}

String Copy(const String& s, int index) { return Copy(s, index, INT_MAX); }

int Pos(const String& sub, const String& s, int offset)
{
    if (sub.IsEmpty() || offset < 1 || offset > s.Length()) return 0;
    size_t p = s.u16().find(sub.u16(), static_cast<size_t>(offset - 1));
    return p == std::u16string::npos ? 0 : static_cast<int>(p) + 1;
}

void Delete(String& s, int index, int count)
{
    int len = s.Length();
    if (index < 1 || index > len || count <= 0) return;
    if (count > len - index + 1) count = len - index + 1;
    std::copy(s.FUnits + index - 1 + count, s.FUnits + len + 1, s.FUnits + index - 1);
    s.FLength = len - count;
}

// The source goes to the end and turns into place; it may be the destination itself.
void Insert(const String& source, String& dest, int index)
{
    if (index < 1) index = 1;
    if (index > dest.Length() + 1) index = dest.Length() + 1;
    const int count = source.Length();
    dest.Append(source.FUnits, count);
    std::rotate(dest.FUnits + index - 1, dest.FUnits + dest.FLength - count, dest.FUnits + dest.FLength);
}

void SetLength(String& s, int length) { s.Resize(length < 0 ? 0 : length); }

String TrimLeft(const String& s)
{
    int i = 1;
    while (i <= s.Length() && s[i] <= u' ') ++i;
    return Copy(s, i);
}

String TrimRight(const String& s)
{
    int n = s.Length();
    while (n > 0 && s[n] <= u' ') --n;
    return Copy(s, 1, n);
}

String Trim(const String& s) { return TrimLeft(TrimRight(s)); }
String UpperCase(const String& s) { return MapChars(s, AsciiUpper); }
String LowerCase(const String& s) { return MapChars(s, AsciiLower); }
String AnsiUpperCase(const String& s) { return MapChars(s, LetterUpper); }
String AnsiLowerCase(const String& s) { return MapChars(s, LetterLower); }

int CompareStr(const String& a, const String& b) { return Sign(a.u16().compare(b.u16())); }
int CompareText(const String& a, const String& b) { return CompareStr(UpperCase(a), UpperCase(b)); }
bool SameText(const String& a, const String& b) { return CompareText(a, b) == 0; }
int AnsiCompareText(const String& a, const String& b) { return CompareStr(AnsiUpperCase(a), AnsiUpperCase(b)); }
bool AnsiSameText(const String& a, const String& b) { return AnsiCompareText(a, b) == 0; }

String StringOfChar(char16_t ch, int count) { return String(count, ch); }

String QuotedStr(const String& s)
{
    return u"'" + StringReplace(s, "'", "''", rfReplaceAll) + u"'";
}

String StringReplace(const String& s, const String& oldPattern, const String& newPattern, TReplaceFlags flags)
{
    if (oldPattern.IsEmpty()) return s;
    const String searchIn = (flags & rfIgnoreCase) ? AnsiUpperCase(s) : s;
    const String pattern = (flags & rfIgnoreCase) ? AnsiUpperCase(oldPattern) : oldPattern;
    std::u16string out;
    size_t from = 0;
    while (true) {
        size_t p = searchIn.u16().find(pattern.u16(), from);
        if (p == std::u16string::npos) break;
        out.append(s.u16(), from, p - from);
        out += newPattern.u16();
        from = p + pattern.u16().size();
        if (!(flags & rfReplaceAll)) break;
    }
    out.append(s.u16(), from, std::u16string::npos);
    return String(std::move(out));
}

String IntToStr(Int64 value) { return String(std::to_string(value)); }

String IntToHex(Int64 value, int digits)
{
    static const char* hex = "0123456789ABCDEF";
    UInt64 v = static_cast<UInt64>(value);
    std::string out;
    do {
        out.insert(out.begin(), hex[v & 15]);
        v >>= 4;
    } while (v != 0);
    while (static_cast<int>(out.size()) < digits) out.insert(out.begin(), '0');
    return String(out);
}

bool TryStrToInt64(const String& s, Int64& value)
{
    const std::u16string_view t = s.u16();
    size_t i = 0;
    while (i < t.size() && t[i] == u' ') ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) negative = t[i++] == u'-';
    int base = 10;
    if (i < t.size() && t[i] == u'$') { base = 16; ++i; }
    else if (i + 1 < t.size() && t[i] == u'0' && (t[i + 1] == u'x' || t[i + 1] == u'X')) { base = 16; i += 2; }
    if (i >= t.size()) return false;
    UInt64 acc = 0;
    for (; i < t.size(); ++i) {
        char16_t c = t[i];
        int d;
        if (c >= u'0' && c <= u'9') d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f') d = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F') d = c - u'A' + 10;
        else return false;
        if (acc > (UINT64_MAX - static_cast<UInt64>(d)) / static_cast<UInt64>(base)) return false;
        acc = acc * static_cast<UInt64>(base) + static_cast<UInt64>(d);
    }
    if (base == 10) {
        if (!negative && acc > static_cast<UInt64>(INT64_MAX)) return false;
        if (negative && acc > static_cast<UInt64>(INT64_MAX) + 1) return false;
        value = negative ? static_cast<Int64>(0 - acc) : static_cast<Int64>(acc);
    } else {
        value = static_cast<Int64>(acc);
        if (negative) value = -value;
    }
    return true;
}

bool TryStrToInt(const String& s, Integer& value)
{
    Int64 v;
    if (!TryStrToInt64(s, v)) return false;
    bool hex = Pos("$", s) > 0 || Pos("x", s) > 0 || Pos("X", s) > 0;
    if (hex && v >= 0 && v <= static_cast<Int64>(UINT32_MAX)) v = static_cast<Integer>(static_cast<Cardinal>(v));
    if (v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<Integer>(v);
    return true;
}

Integer StrToInt(const String& s)
{
    Integer v;
    if (!TryStrToInt(s, v)) throw EConvertError(u"'" + s + u"' is not a valid integer value");
    return v;
}

Integer StrToIntDef(const String& s, Integer def)
{
    Integer v;
    return TryStrToInt(s, v) ? v : def;
}

Int64 StrToInt64(const String& s)
{
    Int64 v;
    if (!TryStrToInt64(s, v)) throw EConvertError(u"'" + s + u"' is not a valid integer value");
    return v;
}

namespace {

// The classes come from the C library's UTF-8 locale, whatever locale the process runs in.
locale_t UnicodeLocale()
{
    static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    return locale;
}

bool Classify(char16_t ch, int (*test)(wint_t, locale_t))
{
    if (ch >= 0xD800 && ch <= 0xDFFF) return false;
    locale_t locale = UnicodeLocale();
    return locale && test(static_cast<wint_t>(ch), locale) != 0;
}

}  // namespace

bool IsCharAlpha(char16_t ch) { return Classify(ch, iswalpha_l); }
bool IsCharAlphaNumeric(char16_t ch) { return Classify(ch, iswalnum_l); }
bool IsCharUpper(char16_t ch) { return Classify(ch, iswupper_l); }
bool IsCharLower(char16_t ch) { return Classify(ch, iswlower_l); }

namespace {
char16_t MapCase(char16_t ch, wint_t (*map)(wint_t, locale_t))
{
    if (ch >= 0xD800 && ch <= 0xDFFF) return ch;
    locale_t locale = UnicodeLocale();
    if (!locale) return ch;
    const wint_t mapped = map(static_cast<wint_t>(ch), locale);
    return mapped <= 0xFFFF && (mapped < 0xD800 || mapped > 0xDFFF) ? static_cast<char16_t>(mapped) : ch;
}
}  // namespace

char16_t CharToLower(char16_t ch) { return MapCase(ch, towlower_l); }
char16_t CharToUpper(char16_t ch) { return MapCase(ch, towupper_l); }
