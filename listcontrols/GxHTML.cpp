// Text routines of the mini-HTML engine: character references, "<#" and line-break rewrites,
// colour names and values, number readers, and the highlight and mark tags placed around the
// occurrences of a search text in the visible text of a markup.
#include "listcontrols/GxHTML.h"

#include <cstdlib>
#include <string>

const TNamedEntity NamedEntities[77] = {
    {"&eacute;", 0xE9}, {"&egrave;", 0xE8}, {"&euml;", 0xEB},   {"&ecirc;", 0xEA},  {"&oacute;", 0xF3},
    {"&ograve;", 0xF2}, {"&ouml;", 0xF6},   {"&ocirc;", 0xF4},  {"&iacute;", 0xED}, {"&igrave;", 0xEC},
    {"&iuml;", 0xEF},   {"&icirc;", 0xEE},  {"&uacute;", 0xFA}, {"&ugrave;", 0xF9}, {"&uuml;", 0xFC},
    {"&ucirc;", 0xFB},  {"&aacute;", 0xE1}, {"&agrave;", 0xE0}, {"&auml;", 0xE4},   {"&acirc;", 0xE2},
    {"&Eacute;", 0xC9}, {"&Egrave;", 0xC8}, {"&Euml;", 0xCB},   {"&Ecirc;", 0xCA},  {"&Oacute;", 0xD3},
    {"&Ograve;", 0xD2}, {"&Ouml;", 0xD6},   {"&Ocirc;", 0xD4},  {"&Iacute;", 0xCD}, {"&Igrave;", 0xCC},
    {"&Iuml;", 0xCF},   {"&Icirc;", 0xCE},  {"&Uacute;", 0xDA}, {"&Ugrave;", 0xD9}, {"&Uuml;", 0xDC},
    {"&Ucirc;", 0xDB},  {"&Aacute;", 0xC1}, {"&Agrave;", 0xC0}, {"&Auml;", 0xC4},   {"&Acirc;", 0xC2},
    {"&ccedil;", 0xE7}, {"&Ccedil;", 0xC7}, {"&oslash;", 0xF8}, {"&Oslash;", 0xD8}, {"&aring;", 0xE5},
    {"&Aring;", 0xC5},  {"&copy;", 0xA9},   {"&reg;", 0xAE},    {"&euro;", 0x80},   {"&laquo;", 0xAB},
    {"&raquo;", 0xBB},  {"&atilde;", 0xE3}, {"&Atilde;", 0xC3}, {"&otilde;", 0xF5}, {"&Otilde", 0xD5},
    {"&szlig;", 0xDF},  {"&trade;", 0x99},  {"&pound;", 0xA3},  {"&dollar;", 0x24}, {"&sect;", 0xA7},
    {"&permil;", 0x89}, {"&para;", 0xB6},   {"&quot;", 0x22},   {"&apos;", 0x27},   {"&yen;", 0xA5},
    {"&curren;", 0xA4}, {"&cent;", 0xA2},   {"&plusmn;", 0xB1}, {"&iexcl;", 0xA1},  {"&laquo;", 0xAB},
    {"&raquo;", 0xBB},  {"&deg;", 0xB0},    {"&ntilde;", 0xF1}, {"&Ntilde;", 0xD1}, {"&frac14;", 0xBC},
    {"&frac12;", 0xBD}, {"&frac34;", 0xBE}};

namespace {

struct TColorName {
    const char* Name;
    Cardinal Value;
};
const TColorName ColorNames[40] = {
    {"clred", 0x0000FF},        {"clblack", 0x000000},         {"clblue", 0xFF0000},
    {"clgreen", 0x008000},      {"claqua", 0xFFFF00},          {"clyellow", 0x00FFFF},
    {"clfuchsia", 0xFF00FF},    {"clwhite", 0xFFFFFF},         {"cllime", 0x00FF00},
    {"clsilver", 0xC0C0C0},     {"clgray", 0x808080},          {"clolive", 0x008080},
    {"clnavy", 0x800000},       {"clpurple", 0x800080},        {"clteal", 0x808000},
    {"clmaroon", 0x000080},     {"clbackground", 0xFF000001},  {"clactivecaption", 0xFF000002},
    {"clinactivecaption", 0xFF000003}, {"clmenu", 0xFF000004}, {"clwindow", 0xFF000005},
    {"clwindowframe", 0xFF000006}, {"clmenutext", 0xFF000007}, {"clwindowtext", 0xFF000008},
    {"clcaptiontext", 0xFF000009}, {"clactiveborder", 0xFF00000A}, {"clinactiveborder", 0xFF00000B},
    {"clappworkspace", 0xFF00000C}, {"clhighlight", 0xFF00000D}, {"clhighlighttext", 0xFF00000E},
    {"clbtnface", 0xFF00000F},  {"clbtnshadow", 0xFF000010},   {"clgraytext", 0xFF000011},
    {"clbtntext", 0xFF000012},  {"clinactivecaptiontext", 0xFF000013}, {"clbtnhighlight", 0xFF000014},
    {"cl3ddkshadow", 0xFF000015}, {"cl3dlight", 0xFF000016},   {"clinfotext", 0xFF000017},
    {"clinfobk", 0xFF000018}};

bool IsDecimalDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsHexDigit(char16_t c)
{
    return IsDecimalDigit(c) || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}
Integer HexDigitValue(char16_t c)
{
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
    return c >= u'A' ? c - 55 : c - 48;
}

// Reads an integer from the start of the text (blanks, sign, "$"/"x"/"0x" for hexadecimal) and
// tells how many characters it read; reading stops before a value that would leave 32 bits.
Integer ReadInteger(const String& text, Integer& consumed)
{
    Integer i = 1;
    const Integer n = text.Length();
    while (i <= n && text[i] == u' ') ++i;
    bool negative = false;
    if (i <= n && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    bool hex = false;
    if (i <= n && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    const Integer start = i;
    Int64 value = 0;
    for (; i <= n && (hex ? IsHexDigit(text[i]) : IsDecimalDigit(text[i])); ++i) {
        Int64 next = value * (hex ? 16 : 10) + (hex ? HexDigitValue(text[i]) : text[i] - u'0');
        if (next > (hex ? Int64(0xFFFFFFFF) : Int64(0x7FFFFFFF))) break;
        value = next;
    }
    consumed = i > start ? i - 1 : 0;
    return static_cast<Integer>(negative ? -value : value);
}

String Utf16Of(char32_t value)
{
    std::u16string s;
    if (value >= 0x10000) {
        value -= 0x10000;
        s.push_back(static_cast<char16_t>(0xD800 + (value >> 10)));
        s.push_back(static_cast<char16_t>(0xDC00 + (value & 0x3FF)));
    } else {
        s.push_back(static_cast<char16_t>(value));
    }
    return String(s);
}

}  // namespace

String DecodeNamedEntities(const String& text)
{
    String result = text;
    for (const TNamedEntity& entity : NamedEntities) {
        const String name(entity.Name);
        const String character(Cp1252ToUtf16(std::string(1, static_cast<char>(entity.Cp1252))));
        for (Integer p = Pos(name, result); p > 0; p = Pos(name, result)) {
            Delete(result, p, name.Length());
            Insert(character, result, p);
        }
    }
    return result;
}

Integer NumericRefEnd(const String& text)
{
    const bool hex = Copy(text, 1, 3) == "&#x";
    Integer i = hex ? 4 : 3;
    const Integer first = i;
    while (i <= text.Length() && (hex ? IsHexDigit(text[i]) : IsDecimalDigit(text[i]))) ++i;
    return i > text.Length() ? first : i;
}

// Numeric references become their character; values from 126980 on become the emoji tag.  The
// whole value counts, hexadecimal ones included.
String DecodeNumericRefs(const String& text)
{
    String output, rest = text;
    for (;;) {
        const Integer p = Pos("&#", rest);
        const Integer escaped = Pos("&&#", rest);
        if (p == 0 || (escaped > 0 && escaped + 1 == p)) return output + rest;
        output += Copy(rest, 1, p - 1);
        Delete(rest, 1, p - 1);
        const bool hex = Copy(rest, 1, 3) == "&#x";
        Integer e = Pos(";", rest);
        if (e == 0 || e > 7) e = NumericRefEnd(rest);
        const Integer first = hex ? 4 : 3;
        const String digits = Copy(rest, first, e - first);
        bool valid = digits.Length() >= 1 && digits.Length() <= 6;
        Integer value = 0;
        if (valid && hex) {
            for (Integer k = 1; k <= digits.Length(); ++k) valid = valid && IsHexDigit(digits[k]);
            for (Integer k = 1; valid && k <= digits.Length(); ++k) value = value * 16 + HexDigitValue(digits[k]);
        } else if (valid) {
            Integer consumed = 0;
            value = ReadInteger(digits, consumed);
            valid = consumed == digits.Length();
        }
        if (!valid) {
            output += "&#";
            Delete(rest, 1, 2);
            continue;
        }
        output += value >= 126980 ? "<J " + Utf16Of(static_cast<char32_t>(value)) + " >"
                                  : Utf16Of(static_cast<char32_t>(value & 0xFFFF));
        Delete(rest, 1, e);
    }
}

String UnwrapHashTags(const String& text)
{
    String result = text;
    for (Integer p = Pos("<#", result); p > 0; p = Pos("<#", result)) {
        Delete(result, p, 1);
        const Integer close = Pos(">", result, p);
        if (close > 0) Delete(result, close, 1);
    }
    return result;
}

String LineBreaksToBR(const String& text, bool toBR)
{
    std::u16string out;
    for (char16_t c : text.u16()) {
        if (c == u'\r') {
            if (toBR) out += u"<BR>";
        } else if (c != u'\n') {
            out.push_back(c);
        }
    }
    return String(out);
}

Integer TextPosNoCase(const String& search, const String& text) { return Pos(AnsiUpperCase(search), AnsiUpperCase(text)); }

bool ReplaceFirstNoCase(const String& search, const String& replacement, String& text)
{
    const Integer p = TextPosNoCase(search, text);
    if (p == 0) return false;
    Delete(text, p, search.Length());
    Insert(replacement, text, p);
    return true;
}

Integer FindTextPos(const String& search, const String& text, Integer& position)
{
    position = Pos(search, text);
    return position;
}

TColor ColorFromName(const String& name)
{
    for (const TColorName& c : ColorNames)
        if (name == String(c.Name)) return static_cast<TColor>(c.Value);
    return 0;
}

Integer HexPairValue(const String& text)
{
    if (text.Length() < 2) return 0;
    return HexDigitValue(text[1]) * 16 + HexDigitValue(text[2]);
}

TColor ColorFromHex(const String& text)
{
    const Integer red = HexPairValue(Copy(text, 2, 2));
    const Integer green = HexPairValue(Copy(text, 4, 2));
    const Integer blue = HexPairValue(Copy(text, 6, 2));
    // characters that are no digits give large pair values: the sum wraps at 32 bits
    return static_cast<TColor>(Cardinal(red) + Cardinal(green) * 256u + Cardinal(blue) * 65536u);
}

// The sign is kept whatever follows the number.
Integer LeadingInteger(const String& text)
{
    Integer consumed = 0;
    return ReadInteger(text, consumed);
}

double LeadingFloat(const String& text)
{
    const std::string s = StringReplace(text, ",", ".", rfReplaceAll).ToUtf8();
    return std::strtod(s.c_str(), nullptr);
}

// ---------------------------------------------------------------- highlight and mark tags
String StripTags(const String& markup)
{
    String result, rest = markup;
    for (Integer p = Pos("<", rest); p > 0; p = Pos("<", rest)) {
        result += Copy(rest, 1, p - 1);
        const Integer close = Pos(">", rest, p);
        if (close == 0) return result + Copy(rest, p);
        Delete(rest, 1, close);
    }
    return result + rest;
}

Integer MarkupPosOfTextPos(const String& markup, Integer n)
{
    Integer count = 1;
    bool inTag = false;
    for (Integer i = 1; i <= markup.Length(); ++i) {
        if (count == n) return i;
        if (markup[i] == u'<')
            inTag = true;
        else if (markup[i] == u'>')
            inTag = false;
        else if (!inTag)
            ++count;
    }
    return count == n ? markup.Length() + 1 : 0;
}

Integer FindTextFrom(const String& search, const String& text, Integer skip, Integer& position, bool caseSensitive)
{
    const String rest = Copy(text, skip + 1);
    const Integer p = caseSensitive ? Pos(search, rest) : TextPosNoCase(search, rest);
    position = p > 0 ? skip + p : 0;
    return position;
}

void InsertHighlightTags(const String& markup, const String& search, const String& tag, String& result,
                         bool caseSensitive)
{
    result = markup;
    if (search.IsEmpty()) return;
    const String visible = StripTags(markup);
    Integer skip = 0, p = 0;
    while (FindTextFrom(search, visible, skip, p, caseSensitive) >= 1) {
        Insert("<" + tag + ">", result, MarkupPosOfTextPos(result, p));
        Insert("</" + tag + ">", result, MarkupPosOfTextPos(result, p + search.Length()));
        skip = p + search.Length();
    }
}

void RemoveHighlightTags(const String& markup, const String& tag, String& result)
{
    result = markup;
    const String name = AnsiUpperCase(tag);
    while (ReplaceFirstNoCase("<" + name + ">", "", result)) {
    }
    while (ReplaceFirstNoCase("</" + name + ">", "", result)) {
    }
}
