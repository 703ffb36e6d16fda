// Text routines of the library and the value cipher of the settings component.
#include "foundation/StyStrings.h"

#include "foundation/StyUnicode.h"
#include "platform/rtl/Exceptions.h"

bool CharIsAlpha(char16_t ch) { return IsCharAlpha(ch); }
bool CharIsAlphaNumeric(char16_t ch) { return IsCharAlphaNumeric(ch); }
bool CharIsUpper(char16_t ch) { return IsCharUpper(ch); }
bool CharIsLower(char16_t ch) { return IsCharLower(ch); }

String UpperCaseText(const String& text) { return UnicodeUpperCase(text); }
String LowerCaseText(const String& text) { return UnicodeLowerCase(text); }
char16_t UpperCaseChar(char16_t ch) { return UnicodeUpperChar(ch); }
bool SameTextNoCase(const String& a, const String& b) { return UnicodeSameText(a, b); }

bool IsBlank(const String& text)
{
    for (char16_t ch : text.u16())
        if (ch != u' ') return false;
    return true;
}

String TrimBlanks(const String& text)
{
    const std::u16string_view s = text.u16();
    size_t first = 0, last = s.size();
    while (first < last && s[first] < 33) ++first;
    while (last > first && s[last - 1] < 33) --last;
    return String(s.substr(first, last - first));
}

int CountChar(const String& text, char16_t ch)
{
    int count = 0;
    for (char16_t c : text.u16())
        if (c == ch) ++count;
    return count;
}

int LastCharPos(const String& text, char16_t ch)
{
    size_t p = text.u16().rfind(ch);
    return p == std::u16string::npos ? 0 : static_cast<int>(p) + 1;
}

String TextBeforeLastChar(const String& text, char16_t ch)
{
    int p = LastCharPos(text, ch);
    return p == 0 ? text : Copy(text, 1, p - 1);
}

bool TextAtPos(const String& text, int position, const String& sub)
{
    if (sub.IsEmpty()) return true;
    if (position < 1 || position > text.Length()) return false;
    return text.u16().compare(static_cast<size_t>(position - 1), sub.u16().size(), sub.u16()) == 0;
}

int LastPos(const String& sub, const String& text)
{
    if (sub.IsEmpty() || text.IsEmpty() || sub.Length() > text.Length()) return 0;
    size_t p = text.u16().rfind(sub.u16());
    return p == std::u16string::npos ? 0 : static_cast<int>(p) + 1;
}

void CutText(String& text, int index, int count, String& part)
{
    part = Copy(text, index, count);
    Delete(text, index, count);
}

String CharString(char16_t ch, int count) { return String(count, ch); }

String AddBackslash(const String& text)
{
    if (!IsBlank(text) && text[text.Length()] == u'\\') return text;
    return text + u'\\';
}

String RemoveBackslash(const String& text)
{
    if (IsBlank(text) || text[text.Length()] != u'\\') return text;
    return Copy(text, 1, text.Length() - 1);
}

void SplitText(const String& text, char16_t separator, TStrings* list)
{
    if (!list) return;
    list->Clear();
    const std::u16string_view s = text.u16();
    size_t start = 0;
    while (start < s.size()) {
        size_t p = s.find(separator, start);
        if (p == std::u16string::npos) p = s.size();
        list->Add(String(s.substr(start, p - start)));
        start = p + 1;
    }
}

String JoinIntegers(const std::vector<Integer>& values, const String& separator)
{
    String result;
    for (size_t i = 0; i < values.size(); ++i) result += (i ? separator : String()) + IntToStr(values[i]);
    return result;
}

String JoinTexts(const std::vector<String>& texts, const String& separator)
{
    String result;
    for (size_t i = 0; i < texts.size(); ++i) result += (i ? separator : String()) + texts[i];
    return result;
}

Integer HexToInt(const AnsiString& text)
{
    auto fail = [&]() { return EConvertError(u"'" + text.ToString() + u"' is not a valid Integer value"); };
    std::string s = text.Bytes();
    if (!s.empty() && s[0] == '$') s.erase(0, 1);
    size_t first = 0, last = s.size();
    while (first < last && static_cast<unsigned char>(s[first]) < 33) ++first;
    while (last > first && static_cast<unsigned char>(s[last - 1]) < 33) --last;
    s = s.substr(first, last - first);
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s.erase(0, 1);
    }
    if (s.empty()) throw fail();
    Cardinal value = 0;
    for (char c : s) {
        int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0) throw fail();
        value = value * 16 + static_cast<Cardinal>(digit);
    }
    if (negative) value = 0u - value;
    return static_cast<Integer>(value);
}

Integer HexToIntDef(const String& text, Integer defaultValue)
{
    try {
        return HexToInt(AnsiString(text));
    } catch (const EConvertError&) {
        return defaultValue;
    }
}

bool WideCharInSet(char16_t ch, const std::bitset<256>& set)
{
    return ch < 256 && set.test(ch);
}

int AnsiPosFrom(const AnsiString& sub, const AnsiString& text, int start)
{
    if (start < 1 || sub.IsEmpty()) return 0;
    size_t p = text.Bytes().find(sub.Bytes(), static_cast<size_t>(start - 1));
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

void WriteAnsiText(TStream& stream, const AnsiString& text)
{
    if (!text.IsEmpty()) stream.WriteBuffer(text.Bytes().data(), text.Length());
}

void ReadAnsiText(TStream& stream, int count, AnsiString& text)
{
    std::string bytes(static_cast<size_t>(count > 0 ? count : 0), '\0');
    if (count > 0) stream.ReadBuffer(bytes.data(), count);
    text = AnsiString::FromBytes(std::move(bytes));
}

// ---------------------------------------------------------------- text forms

String RectToText(const TRect& rect)
{
    return JoinIntegers({rect.Left, rect.Top, rect.Right, rect.Bottom}, String::FromChar(StyTextSeparator));
}

TRect TextToRect(const String& text)
{
    TStringList pieces;
    SplitText(text, StyTextSeparator, &pieces);
    if (pieces.Count() != 4) return TRect{};
    return TRect{StrToIntDef(pieces[0], 0), StrToIntDef(pieces[1], 0), StrToIntDef(pieces[2], 0),
                 StrToIntDef(pieces[3], 0)};
}

String PointToText(const TPoint& point)
{
    return JoinIntegers({point.X, point.Y}, String::FromChar(StyTextSeparator));
}

TPoint TextToPoint(const String& text)
{
    int p = Pos(String::FromChar(StyTextSeparator), text);
    if (p == 0 || p >= text.Length()) return TPoint{};
    return TPoint{StrToIntDef(Trim(Copy(text, 1, p - 1)), 0), StrToIntDef(Trim(Copy(text, p + 1)), 0)};
}

String FontToText(const TFont& font)
{
    const TFontStyles style = font.Style();
    auto flag = [&](TFontStyle s) { return style.Contains(s) ? String("1") : String("0"); };
    return JoinTexts({font.Name(), IntToStr(font.Size()), ColorToString(font.Color()), flag(TFontStyle::fsBold),
                      flag(TFontStyle::fsItalic), flag(TFontStyle::fsUnderline), flag(TFontStyle::fsStrikeOut)},
                     String::FromChar(StyTextSeparator));
}

void TextToFont(const String& text, TFont& font)
{
    TStringList pieces;
    SplitText(text, StyTextSeparator, &pieces);
    if (pieces.Count() != 7) return;
    font.SetName(pieces[0]);
    font.SetSize(StrToIntDef(pieces[1], 10));
    font.SetColor(StringToColor(pieces[2]));
    const TFontStyle styles[] = {TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline,
                                 TFontStyle::fsStrikeOut};
    TFontStyles style;
    for (int i = 0; i < 4; ++i)
        if (StrToInt(pieces[3 + i]) != 0) style.Include(styles[i]);
    font.SetStyle(style);
}

// ---------------------------------------------------------------- value cipher

namespace {

Word NextRegister(Byte cipher, Word r)
{
    return static_cast<Word>((static_cast<Cardinal>(cipher) + r) * 52845u + 22719u);
}

}  // namespace

std::string KeyedBytesEncrypt(std::string_view bytes, Word key)
{
    std::string out(bytes.size(), '\0');
    Word r = key;
    for (size_t i = 0; i < bytes.size(); ++i) {
        Byte c = static_cast<Byte>(static_cast<Byte>(bytes[i]) ^ (r >> 8));
        out[i] = static_cast<char>(c);
        r = NextRegister(c, r);
    }
    return out;
}

std::string KeyedBytesDecrypt(std::string_view bytes, Word key)
{
    std::string out(bytes.size(), '\0');
    Word r = key;
    for (size_t i = 0; i < bytes.size(); ++i) {
        Byte c = static_cast<Byte>(bytes[i]);
        out[i] = static_cast<char>(c ^ (r >> 8));
        r = NextRegister(c, r);
    }
    return out;
}

std::string SixBitBytesEncode(std::string_view bytes)
{
    std::string padded(bytes);
    if (padded.empty())
        padded = std::string("  \0", 3);
    while (padded.size() % 3 != 0) padded += ' ';
    std::string out = std::to_string(bytes.size()) + ":";
    for (size_t i = 0; i < padded.size(); i += 3) {
        Cardinal v = static_cast<Cardinal>(static_cast<Byte>(padded[i])) << 16 |
                     static_cast<Cardinal>(static_cast<Byte>(padded[i + 1])) << 8 |
                     static_cast<Byte>(padded[i + 2]);
        out += static_cast<char>(48 + (v >> 18));
        out += static_cast<char>(48 + ((v >> 12) & 63));
        out += static_cast<char>(48 + ((v >> 6) & 63));
        out += static_cast<char>(48 + (v & 63));
    }
    return out;
}

std::string SixBitBytesDecode(std::string_view text)
{
    if (text.empty()) return std::string();
    // The byte count before the first ":"; a text without one has none and does not convert.
    size_t colon = text.find(':');
    std::string_view prefix = colon == std::string_view::npos ? text : text.substr(0, colon);
    String prefixText = AnsiString::FromBytes(std::string(prefix)).ToString();
    if (colon == std::string_view::npos) throw EConvertError(u"'" + prefixText + u"' is not a valid integer value");
    Integer length = StrToInt(prefixText);
    if (length <= 0) return std::string();
    std::string_view payload = text.substr(colon + 1);
    std::string out;
    for (size_t i = 0; i + 4 <= payload.size(); i += 4) {
        Cardinal v = 0;
        for (size_t k = 0; k < 4; ++k) v = v * 64 + static_cast<Cardinal>(static_cast<Byte>(payload[i + k]) - 48);
        out += static_cast<char>((v >> 16) & 0xFF);
        out += static_cast<char>((v >> 8) & 0xFF);
        out += static_cast<char>(v & 0xFF);
    }
    if (static_cast<size_t>(length) < out.size()) out.resize(static_cast<size_t>(length));
    return out;
}

String KeyedStringEncrypt(const String& text, Word key)
{
    return AnsiString::FromBytes(KeyedBytesEncrypt(AnsiString(text).Bytes(), key)).ToString();
}

String KeyedStringDecrypt(const String& text, Word key)
{
    return AnsiString::FromBytes(KeyedBytesDecrypt(AnsiString(text).Bytes(), key)).ToString();
}

String SixBitTextEncode(const String& text)
{
    return AnsiString::FromBytes(SixBitBytesEncode(AnsiString(text).Bytes())).ToString();
}

String SixBitTextDecode(const String& text)
{
    return AnsiString::FromBytes(SixBitBytesDecode(AnsiString(text).Bytes())).ToString();
}
