#include "numerics/VEZ_stringl.h"

String FormatBoolean(bool value, Byte style)
{
    static const char* const texts[8][2] = {{"TRUE", "FALSE"}, {"T", "F"},   {".T.", ".F."}, {"1", "0"},
                                            {"-1", "0"},       {"FF", "00"}, {"YES", "NO"},  {"GOOD", "BAD"}};
    return texts[style < 8 ? style : 0][value ? 0 : 1];
}

String HexText(Cardinal value, Byte digits)
{
    static const char16_t hexDigits[] = u"0123456789ABCDEF";
    int count = digits < 1 ? 1 : (digits > 8 ? 8 : digits);
    String text(count, u'0');
    for (int i = count; i >= 1; --i) {
        text[i] = hexDigits[value & 15u];
        value >>= 4;
    }
    return text;
}

String ReplaceChar(const String& text, char16_t oldChar, char16_t newChar)
{
    String result = text;
    for (int i = 1; i <= result.Length(); ++i)
        if (result[i] == oldChar) result[i] = newChar;
    return result;
}

String StripBlanks(const String& text)
{
    int first = 1, last = text.Length();
    while (first <= last && text[first] == u' ') ++first;
    while (last >= first && text[last] == u' ') --last;
    return Copy(text, first, last - first + 1);
}

String ReplaceNonAlnum(const String& text)
{
    String result = text;
    for (int i = 1; i <= result.Length(); ++i) {
        const char16_t c = result[i];
        bool alnum = (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
        if (!alnum) result[i] = u'_';
    }
    return result;
}

namespace {

String CharRange(int from, int to)
{
    String s;
    for (int c = from; c <= to; ++c) s += static_cast<char16_t>(c);
    return s;
}

}  // namespace

String ExpandCharClasses(const String& charSet)
{
    static const String macros[5][2] = {{"//dig", "0123456789"},
                                        {"//lc", "abcdefghijklmnopqrstuvwxyz"},
                                        {"//uc", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                                        {"//31dwn", CharRange(0, 31)},
                                        {"//128up", CharRange(128, 255)}};
    String result = charSet;
    bool found;
    do {
        found = false;
        for (const auto& macro : macros) {
            int at = Pos(macro[0], result);
            if (at > 0) {
                Delete(result, at, macro[0].Length());
                Insert(macro[1], result, at);
                found = true;
            }
        }
    } while (found);
    return result;
}

bool ContainsAnyChar(const String& text, const String& charSet)
{
    bool marked[256] = {};
    String expanded = ExpandCharClasses(charSet);
    for (char16_t c : expanded.u16())
        if (c < 256) marked[c] = true;
    for (char16_t c : text.u16())
        if (c < 256 && marked[c]) return true;
    return false;
}

bool NextTokenState(char16_t c, char16_t delimiter, String& token, Byte& state)
{
    enum { Control, Blank, Delimiter, Other };
    int kind = c < 32 ? Control : (c == 32 ? Blank : (c == delimiter ? Delimiter : Other));
    const int complete = 4;
    int next = state;
    bool append = false;
    switch (state) {
    case 0:
        if (kind == Delimiter) next = 1;
        else if (kind == Other) append = true, next = 3;
        break;
    case 1:
        if (kind == Control) next = complete;
        else append = true, next = kind == Delimiter ? 3 : 2;
        break;
    case 2:
        if (kind == Delimiter) next = 3;
        else append = true;
        break;
    default:
        if (kind == Control || kind == Blank) next = complete;
        else if (kind == Delimiter) next = 1;
        else append = true;
        break;
    }
    if (append) token += c;
    if (next == complete) {
        state = 0;
        return true;
    }
    state = static_cast<Byte>(next);
    return false;
}

int IndexOfTag(const String& name, const TTagList& tags)
{
    String lower = LowerCase(name);
    for (size_t i = 0; i + 1 < tags.size(); ++i)
        if (tags[i] == lower) return static_cast<int>(i);
    return static_cast<int>(tags.size()) - 1;
}
