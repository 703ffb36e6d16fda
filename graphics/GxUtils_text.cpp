// The text side of TGxUtils: case-blind search, JSON-style escapes, HTML entities and tags,
// character sets, quote-aware scanning, the filter-expression matcher, dates in the user's format,
// number text with "." whatever the user's settings, byte sizes and the character scrambler.
#include <algorithm>

#include "graphics/GxUtils.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysFormat.h"

namespace {

struct TEscape {
    char16_t Char;
    const char* Text;
};
const TEscape EscapeTable[7] = {{u'"', "\\u0022"}, {u'\\', "\\u005C"}, {8, "\\u0008"}, {12, "\\u000C"},
                                {10, "\\u000A"},   {13, "\\u000D"},    {9, "\\u0009"}};

struct TEntity {
    char16_t Char;
    const char* Text;
};
// The entity table, rows 1 to 86.  The first four lack their "&", the space stands for "&nbsp;",
// "&Otilde" lacks its ";", and "&sect;" and "&para;" come twice.
const TEntity EntityTable[86] = {
    {u'&', "amp;"},         {u'<', "lt;"},          {u'>', "gt;"},          {u'"', "quot;"},
    {u' ', "&nbsp;"},       {0xE9, "&eacute;"},     {0xE8, "&egrave;"},     {0xEB, "&euml;"},
    {0xEA, "&ecirc;"},      {0xF3, "&oacute;"},     {0xF2, "&ograve;"},     {0xF6, "&ouml;"},
    {0xF4, "&ocirc;"},      {0xED, "&iacute;"},     {0xEC, "&igrave;"},     {0xEF, "&iuml;"},
    {0xEE, "&icirc;"},      {0xFA, "&uacute;"},     {0xF9, "&ugrave;"},     {0xFC, "&uuml;"},
    {0xFB, "&ucirc;"},      {0xE1, "&aacute;"},     {0xE0, "&agrave;"},     {0xE4, "&auml;"},
    {0xE2, "&acirc;"},      {0xC9, "&Eacute;"},     {0xC8, "&Egrave;"},     {0xCB, "&Euml;"},
    {0xCA, "&Ecirc;"},      {0xD3, "&Oacute;"},     {0xD2, "&Ograve;"},     {0xD6, "&Ouml;"},
    {0xD4, "&Ocirc;"},      {0xCD, "&Iacute;"},     {0xCC, "&Igrave;"},     {0xCF, "&Iuml;"},
    {0xCE, "&Icirc;"},      {0xDA, "&Uacute;"},     {0xD9, "&Ugrave;"},     {0xDC, "&Uuml;"},
    {0xDB, "&Ucirc;"},      {0xC1, "&Aacute;"},     {0xC0, "&Agrave;"},     {0xC4, "&Auml;"},
    {0xC2, "&Acirc;"},      {0xE7, "&ccedil;"},     {0xC7, "&Ccedil;"},     {0xF8, "&oslash;"},
    {0xD8, "&Oslash;"},     {0xE5, "&aring;"},      {0xC5, "&Aring;"},      {0xA9, "&copy;"},
    {0xAE, "&reg;"},        {0x20AC, "&euro;"},     {0xAB, "&laquo;"},      {0xBB, "&raquo;"},
    {0xE3, "&atilde;"},     {0xC3, "&Atilde;"},     {0xF5, "&otilde;"},     {0xD5, "&Otilde"},
    {0x2122, "&trade;"},    {0xA7, "&sect;"},       {0xB6, "&para;"},       {0xDF, "&szlig;"},
    {0xA3, "&pound;"},      {u'$', "&#36;"},        {0xA7, "&sect;"},       {0x2030, "&permil;"},
    {0xB6, "&para;"},       {u'\'', "&#39;"},       {0xA5, "&yen;"},        {0xA4, "&curren;"},
    {0xA2, "&cent;"},       {0xB1, "&plusmn;"},     {0xA1, "&iexcl;"},      {0xB0, "&deg;"},
    {0xFD, "&#x00FD;"},     {0xDD, "&#221;"},       {0xBC, "&frac14;"},     {0xBD, "&frac12;"},
    {0xBE, "&frac34;"},     {0xC6, "&AElig;"},      {0xE6, "&aelig;"},      {0xD1, "&Ntilde;"},
    {0xF1, "&ntilde;"},     {0xD0, "&ETH;"}};

// The key of the scrambler: five bits.
constexpr Byte ScrambleKey = 0x0B;

const std::vector<String>& EntityTexts()
{
    static const std::vector<String> texts = [] {
        std::vector<String> t;
        for (const TEntity& e : EntityTable) t.push_back(e.Text);
        return t;
    }();
    return texts;
}

char16_t AsciiUpper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

// Position of sub in s from offset, letters compared without case when noCase; 0 when absent.
Integer Find(const String& sub, const String& s, bool noCase)
{
    const int n = sub.Length(), m = s.Length();
    if (n == 0 || n > m) return 0;
    for (int i = 1; i + n - 1 <= m; ++i) {
        int k = 0;
        while (k < n && (noCase ? AsciiUpper(s[i + k]) == AsciiUpper(sub[k + 1]) : s[i + k] == sub[k + 1])) ++k;
        if (k == n) return i;
    }
    return 0;
}

String ReplaceAll(const String& s, const String& from, const String& to)
{
    return StringReplace(s, from, to, rfReplaceAll);
}

bool IsHexDigit(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

TFormatSettings DotSettings()
{
    TFormatSettings settings = FormatSettings;
    settings.DecimalSeparator = u'.';
    settings.ThousandSeparator = u',';
    return settings;
}

// Reads the whole text as an integer.
bool WholeInteger(const String& text, Integer& value) { return TryStrToInt(Trim(text), value) && !Trim(text).IsEmpty(); }

enum TCompared { cmpLess, cmpEqual, cmpGreater };

// The value against the operand: as numbers, as dates or as text.
TCompared CompareOperands(const String& value, const String& operand)
{
    auto asNumber = [](const String& text, double& number) {
        return TGxUtils::TryStrToFloatDot(TGxUtils::StripThousandSep(text), number);
    };
    double a = 0, b = 0;
    TDateTime da = 0, db = 0;
    const bool dateA = TGxUtils::IsDate(value, da), dateB = TGxUtils::IsDate(operand, db);
    if (!dateA && !dateB && asNumber(value, a) && asNumber(operand, b)) {
        // compared below
    } else if (dateA && dateB) {
        a = da;
        b = db;
    } else {
        const int c = CompareStr(value, operand);
        return c < 0 ? cmpLess : c == 0 ? cmpEqual : cmpGreater;
    }
    return a < b ? cmpLess : a == b ? cmpEqual : cmpGreater;
}

// The operand of the comparison operator at position at (">" or "<"): after the operator and an
// "=", blanks skipped, up to a blank, the end or an "&" or "|" outside double quotes; its
// enclosing double quotes are not part of it.
String Operand(const String& pattern, int at, bool& orEqual)
{
    int i = at + 1;
    orEqual = i <= pattern.Length() && pattern[i] == u'=';
    if (orEqual) ++i;
    while (i <= pattern.Length() && pattern[i] == u' ') ++i;
    String operand;
    bool quoted = false;
    for (; i <= pattern.Length(); ++i) {
        const char16_t c = pattern[i];
        if (c == u'"') {
            quoted = !quoted;
            continue;
        }
        if (c == u' ' || (!quoted && (c == u'&' || c == u'|'))) break;
        operand += c;
    }
    return operand;
}

bool Wildcard(const String& pattern, const String& value)
{
    if (pattern.IsEmpty() || value.IsEmpty()) return true;
    int p = 1, v = 1;
    bool invert = false, ok = true;
    const int np = pattern.Length(), nv = value.Length();
    while (ok && !(p > np && v > nv)) {
        if (p > np) {
            ok = false;
            break;
        }
        const char16_t c = pattern[p];
        if (c == u'!') {
            invert = true;
            ++p;
        } else if (c == u'"') {
            ++p;
        } else if (c == u'*') {
            while (p <= np && pattern[p] == u'*') ++p;
            const String rest = Copy(pattern, p);
            const int last = std::max(v - 1, 1);
            bool found = false;
            for (int t = nv; t >= last && !found; --t) found = TGxUtils::Matches(rest, Copy(value, t));
            return found != invert;
        } else if (c == u'?') {
            ok = v <= nv;
            ++p;
            ++v;
        } else {
            ok = v <= nv && value[v] == c;
            ++p;
            ++v;
        }
    }
    return ok != invert;
}

}  // namespace

// ---------------------------------------------------------------- search

Integer TGxUtils::IPos(const String& su, const String& s) { return Find(su, s, true); }

bool TGxUtils::TagReplaceString(const String& Srch, const String& Repl, String& Dest)
{
    const Integer at = IPos(Srch, Dest);
    if (at == 0) return false;
    Dest = Copy(Dest, 1, at - 1) + Repl + Copy(Dest, at + Srch.Length());
    return true;
}

Integer TGxUtils::VarPos(const String& ASubValue, const String& AValue, Integer& AResult)
{
    AResult = Find(ASubValue, AValue, false);
    return AResult;
}

Integer TGxUtils::VarPosNoCase(const String& ASubValue, const String& AValue, Integer& AResult)
{
    AResult = Find(ASubValue, AValue, true);
    return AResult;
}

char16_t TGxUtils::CharInStr(const String& s, Integer Index)
{
    return Index >= 1 && Index <= s.Length() ? s[Index] : u'\0';
}

// ---------------------------------------------------------------- escapes

String TGxUtils::EscapeString(const String& AValue)
{
    String result;
    for (char16_t c : AValue.u16()) {
        if (c >= 128) {
            result += "\\u" + IntToHex(c, 4);
            continue;
        }
        const TEscape* escape = nullptr;
        for (const TEscape& e : EscapeTable)
            if (e.Char == c) escape = &e;
        if (escape) result += escape->Text;
        else result += c;
    }
    return result;
}

String TGxUtils::UnescapeString(const String& AValue)
{
    String result;
    const int n = AValue.Length();
    for (int i = 1; i <= n; ++i) {
        const char16_t c = AValue[i];
        if (c != u'\\') {
            result += c;
            continue;
        }
        if (i == n) throw Exception("Unexpected end of string");
        const char16_t next = AValue[i + 1];
        const char16_t simple = next == u'\\' ? u'\\' : next == u'/' ? u'/' : next == u'b' ? 8 : next == u'f' ? 12
                                : next == u'n' ? 10 : next == u'r' ? 13 : next == u't' ? 9 : 0;
        if (simple) {
            result += simple;
            ++i;
        } else if (next == u'u' && i + 5 <= n && IsHexDigit(AValue[i + 2]) && IsHexDigit(AValue[i + 3]) &&
                   IsHexDigit(AValue[i + 4]) && IsHexDigit(AValue[i + 5])) {
            result += static_cast<char16_t>(StrToInt("$" + Copy(AValue, i + 2, 4)));
            i += 5;
        } else {
            throw Exception(Format("Invalid code at position %s", {IntToStr(i)}));
        }
    }
    return result;
}

// ---------------------------------------------------------------- entities and tags

Integer TGxUtils::IndexOfTextInArray(const String& AText, const std::vector<String>& AValues)
{
    // Accented entities differ only in the case of their letter: those must match exactly.
    bool exact = false;
    for (const char* accent : {"cute", "grave", "uml", "circ", "tilde", "ring", "cedil"})
        if (Pos(accent, AText) > 0) exact = true;
    for (size_t i = 0; i < AValues.size(); ++i)
        if (SameText(AValues[i], AText) && (!exact || AValues[i] == AText)) return static_cast<Integer>(i);
    return -1;
}

Integer TGxUtils::GetMarkupIndex(const String& Markup) { return IndexOfTextInArray(Markup, EntityTexts()); }

String TGxUtils::GetSpecialChar(Integer Value)
{
    if (Value < 1 || Value > 86) throw ERangeError("Range check error");
    return String::FromChar(EntityTable[Value - 1].Char);
}

String TGxUtils::FixMarkup(const String& su, bool SpecialChars)
{
    String s = ReplaceAll(su, "&", "&amp;");
    s = ReplaceAll(s, "\"", "&quot;");
    s = ReplaceAll(s, "<", "&lt;");
    s = ReplaceAll(s, ">", "&gt;");
    if (!SpecialChars) return s;
    for (int row = 4; row <= 86; ++row)
        s = ReplaceAll(s, String::FromChar(EntityTable[row - 1].Char), EntityTable[row - 1].Text);
    String result;
    for (char16_t c : s.u16())
        if (c > 256) result += "&#" + IntToStr(c) + ";";
        else result += c;
    return result;
}

String TGxUtils::UnFixMarkup(const String& su, bool SpecialChars, bool SpecialCharsOnly)
{
    String s = su;
    if (!SpecialCharsOnly) {
        s = ReplaceAll(s, "&lt;", "<");
        s = ReplaceAll(s, "&gt;", ">");
        s = ReplaceAll(s, "&amp;", "&");
        s = ReplaceAll(s, "&quot;", "\"");
    }
    if (SpecialChars)
        for (int row = 4; row <= 86; ++row)
            s = ReplaceAll(s, EntityTable[row - 1].Text, String::FromChar(EntityTable[row - 1].Char));
    return s;
}

String TGxUtils::HTMLStrip(const String& AHTML)
{
    String s = StringReplace(AHTML, "<BR>", "\r\n", rfReplaceAll | rfIgnoreCase);
    s = StringReplace(s, "<HR>", "\r\n", rfReplaceAll | rfIgnoreCase);
    String result;
    int i = 1;
    while (i <= s.Length()) {
        const int open = Pos("<", s, i);
        const int close = open ? Pos(">", s, open + 1) : 0;
        if (!open || !close) {
            result += Copy(s, i);
            break;
        }
        result += Copy(s, i, open - i);
        i = close + 1;
    }
    return result;
}

bool TGxUtils::IsHTML(const String& AValue)
{
    return Pos("</", AValue) > 0 || Pos("/>", AValue) > 0 || IPos("<BR>", AValue) > 0;
}

bool TGxUtils::IsHTMLUnicode(const String& AValue) { return IsHTML(AValue); }

// ---------------------------------------------------------------- character sets and scanning

TGxUtilsCharSet TGxUtils::NumericCharSet() { return CreateCharSet("0123456789"); }

TGxUtilsCharSet TGxUtils::AlphaCharSet()
{
    return CreateCharSet("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

TGxUtilsCharSet TGxUtils::CreateCharSet(const String& AValue)
{
    return TGxUtilsCharSet(AValue.u16().begin(), AValue.u16().end());
}

TGxUtilsCharSet TGxUtils::AddCharSet(const TGxUtilsCharSet& ACharSet1, const TGxUtilsCharSet& ACharSet2)
{
    TGxUtilsCharSet result = ACharSet1;
    result.insert(result.end(), ACharSet2.begin(), ACharSet2.end());
    return result;
}

TGxUtilsCharSet TGxUtils::SubCharSet(const TGxUtilsCharSet& ACharSet1, const TGxUtilsCharSet& ACharSet2)
{
    TGxUtilsCharSet result;
    for (char16_t c : ACharSet1)
        if (!CharInSet(c, ACharSet2)) result.push_back(c);
    return result;
}

bool TGxUtils::CharInSet(char16_t ch, const TGxUtilsCharSet& ACharSet)
{
    for (char16_t c : ACharSet)
        if (c == ch) return true;
    return false;
}

char16_t TGxUtils::FirstChar(const TGxUtilsCharSet& ACharset, const String& AValue, Integer& spos)
{
    bool inside = false;
    for (int i = 1; i <= AValue.Length(); ++i) {
        if (AValue[i] == u'"') inside = !inside;
        if (!inside && CharInSet(AValue[i], ACharset)) {
            spos = i;
            return AValue[i];
        }
    }
    spos = -1;
    return u'\0';
}

String TGxUtils::StripLogicSpaces(const String& AValue)
{
    String result;
    bool inside = false;
    for (char16_t c : AValue.u16()) {
        if (c == u'"') inside = !inside;
        if (c != u' ' || inside) result += c;
    }
    return result;
}

Integer TGxUtils::ClosingParenthesis(const String& s1)
{
    int open = 0, close = 0;
    for (int i = 1; i <= s1.Length(); ++i) {
        if (s1[i] == u'(') ++open;
        if (s1[i] == u')') {
            ++close;
            if (close == open) return i;
        }
    }
    return 0;
}

String TGxUtils::StripThousandSep(const String& ps)
{
    String result;
    for (char16_t c : ps.u16())
        if (c != FormatSettings.ThousandSeparator) result += c;
    return result;
}

void TGxUtils::Split(char16_t ADelimiter, const String& AInput, TStrings* AStrings, bool AClearEmptyStrings)
{
    AStrings->BeginUpdate();
    AStrings->Clear();
    const int n = AInput.Length();
    int i = 1;
    while (n > 0 && i <= n + 1) {
        String item;
        if (i <= n && AInput[i] == u'"') {
            ++i;
            while (i <= n) {
                if (AInput[i] == u'"') {
                    if (i < n && AInput[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += AInput[i++];
            }
        }
        while (i <= n && AInput[i] != ADelimiter) item += AInput[i++];
        AStrings->Add(item);
        ++i;   // past the delimiter (or the end)
    }
    if (AClearEmptyStrings)
        for (Integer k = AStrings->Count() - 1; k >= 0; --k)
            if (AStrings->Strings(k).IsEmpty()) AStrings->Delete(k);
    AStrings->EndUpdate();
}

// ---------------------------------------------------------------- dates

bool TGxUtils::IsDate(const String& AValue, TDateTime& ADate)
{
    const String format = UpperCase(FormatSettings.ShortDateFormat);
    const char16_t dateSep = FormatSettings.DateSeparator, timeSep = FormatSettings.TimeSeparator;
    // The parts in the order of the format: D, M or Y.
    struct TPart {
        char16_t Letter;
        int At;
    } parts[3] = {{u'D', Pos("D", format)}, {u'M', Pos("M", format)}, {u'Y', Pos("Y", format)}};
    std::sort(std::begin(parts), std::end(parts), [](const TPart& a, const TPart& b) { return a.At < b.At; });
    Integer values[3] = {0, 0, 0};

    String rest = AValue;
    for (int k = 0; k < 2; ++k) {
        const int sep = Pos(String::FromChar(dateSep), rest);
        if (sep == 0 || !WholeInteger(Copy(rest, 1, sep - 1), values[k])) return false;
        rest = Copy(rest, sep + 1);
    }
    rest = Trim(rest);
    String timeText;
    const int blank = Pos(" ", rest);
    if (blank > 0) {
        timeText = Copy(rest, blank);
        rest = Copy(rest, 1, blank - 1);
    }
    if (!WholeInteger(rest, values[2])) return false;
    Integer day = 0, month = 0, year = 0;
    for (int k = 0; k < 3; ++k)
        (parts[k].Letter == u'D' ? day : parts[k].Letter == u'M' ? month : year) = values[k];
    if (day >= 32 || month > 12) return false;
    TDateTime date = 0;
    if (day < 1 || month < 1 || year < 1 || year > 9999 ||
        !TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date))
        return false;
    if (timeText.IsEmpty()) {
        ADate = date;
        return true;
    }
    timeText = Trim(timeText);
    const int first = Pos(String::FromChar(timeSep), timeText);
    if (first == 0) {
        ADate = date;
        return false;
    }
    Integer hours = 0, minutes = 0, seconds = 0;
    if (!WholeInteger(Copy(timeText, 1, first - 1), hours)) return false;
    const String afterFirst = Copy(timeText, first + 1);
    const int second = Pos(String::FromChar(timeSep), afterFirst);
    if (second > 0) {
        if (!WholeInteger(Copy(afterFirst, 1, second - 1), minutes) ||
            !WholeInteger(Copy(afterFirst, second + 1), seconds))
            return false;
    } else if (!WholeInteger(afterFirst, minutes)) {
        return false;
    }
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59) return false;
    ADate = date + EncodeTime(static_cast<Word>(hours), static_cast<Word>(minutes), static_cast<Word>(seconds), 0);
    return true;
}

// ---------------------------------------------------------------- matching

bool TGxUtils::Matches(const String& s0a, const String& s1a)
{
    bool g = true, l = true, gDone = false, lDone = false;
    const int gt = Pos(">", s0a), lt = Pos("<", s0a);
    bool orEqual = false;
    if (gt > 0) {
        const TCompared c = CompareOperands(s1a, Operand(s0a, gt, orEqual));
        g = c == cmpGreater || (orEqual && c == cmpEqual);
        gDone = true;
    }
    if (lt > 0) {
        const TCompared c = CompareOperands(s1a, Operand(s0a, lt, orEqual));
        l = c == cmpLess || (orEqual && c == cmpEqual);
        lDone = true;
    }
    if (Pos("!", s0a) > 0) {
        if (gt == 0) gDone = true;
        if (lt == 0) lDone = true;
    }
    if (Pos("^", s0a) > 0 && (gDone || lDone)) return g || l;
    if (Pos("&", s0a) > 0 && gDone && lDone) return g && l;
    if ((gt > 0 && g) || (lt > 0 && l)) return true;
    return Wildcard(s0a, s1a);
}

bool TGxUtils::MatchStr(const String& AValue1, const String& AValue2, bool ACaseSensitive)
{
    if (ACaseSensitive) return Matches(AValue1, AValue2);
    return Matches(AnsiUpperCase(AValue1), AnsiUpperCase(AValue2));
}

bool TGxUtils::MatchStrEx(const String& AValue1, const String& AValue2, bool ACaseSensitive)
{
    String expr = StripLogicSpaces(Trim(AValue1));
    if (expr.Length() > 0 && expr[1] == u'=') expr = Copy(expr, 2);
    if (expr.IsEmpty()) return AValue2.IsEmpty();
    if (expr == "*" && AValue2.IsEmpty()) return false;

    const TGxUtilsCharSet operators = CreateCharSet("(;^&|");
    bool result = true;
    char16_t previous = 0;
    auto combine = [&](bool m) {
        if (previous == 0) result = m;
        else if (previous == u'&') result = result && m;
        else if (previous != u'(') result = result || m;
    };
    for (;;) {
        Integer at = 0;
        const char16_t op = FirstChar(operators, expr, at);
        if (op == 0) break;
        if (expr[1] == u'(') {
            Integer close = ClosingParenthesis(expr);
            if (close == 0) close = expr.Length() + 1;   // an unclosed group runs to the end
            combine(MatchStrEx(Copy(expr, 2, close - 2), AValue2, ACaseSensitive));
            expr = Copy(expr, close + 1);
        } else {
            combine(MatchStr(Copy(expr, 1, at - 1), AValue2, ACaseSensitive));
            expr = Copy(expr, at + 1);
        }
        previous = op;
    }
    combine(MatchStr(expr, AValue2, ACaseSensitive));
    return result;
}

// ---------------------------------------------------------------- numbers, times, sizes

bool TGxUtils::TryStrToFloatDot(const String& AValue, double& AResult)
{
    return TryStrToFloat(AValue, AResult, DotSettings());
}

double TGxUtils::StrToFloatDot(const String& AValue) { return static_cast<double>(StrToFloat(AValue, DotSettings())); }

String TGxUtils::FloatToStrDot(double AValue) { return FloatToStr(AValue, DotSettings()); }

TDateTime TGxUtils::EpochToDateTime(const String& AEpoch)
{
    constexpr TDateTime UnixDateDelta = 25569;   // 1970-01-01 in days since 1899-12-30
    return UnixDateDelta + StrToInt(AEpoch) / 86400.0;
}

String TGxUtils::FormatBytesAsString(Extended ASize)
{
    if (ASize <= -1) return String();
    static const char* const units[] = {"Bytes", "KB", "MB", "GB", "TB"};
    int n = 0;
    while (ASize >= 1024 && n < 4) {   // beyond terabytes the count of terabytes grows
        ASize /= 1024;
        ++n;
    }
    return (n == 0 ? FloatToStr(ASize) : FormatFloat("0.00", ASize)) + " " + units[n];
}

String TGxUtils::EnDeCrypt(const String& AValue)
{
    String result;
    for (char16_t c : AValue.u16()) {
        const Byte b = static_cast<Byte>(c);
        result += static_cast<char16_t>((b & 0xE0) | ((b & 0x1F) ^ ScrambleKey));
    }
    return result;
}
