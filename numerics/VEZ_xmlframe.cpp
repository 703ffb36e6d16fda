#include "numerics/VEZ_xmlframe.h"

#include <charconv>
#include <cmath>
#include <string>

Integer FindNthOccurrence(const String& sub, const String& text, Integer start, bool IgnoreCase, Integer n)
{
    if (n < 1 || sub.IsEmpty()) return 0;
    const String s = IgnoreCase ? LowerCase(sub) : sub;
    const String t = IgnoreCase ? LowerCase(text) : text;
    Integer pos = start < 1 ? 1 : start;
    for (Integer found = 0;;) {
        pos = Pos(s, t, pos);
        if (pos == 0) return 0;
        if (++found == n) return pos;
        ++pos;
    }
}

static char16_t CharAt(const String& text, Integer pos)
{
    return pos >= 1 && pos <= text.Length() ? text[pos] : u'\0';
}

Integer ParseIntegerAt(const String& text, Integer& pos)
{
    if (text.IsEmpty()) return 0;
    if (pos < 1) pos = 1;
    while (pos < text.Length() && text[pos] == u' ') ++pos;
    bool negative = false;
    if (CharAt(text, pos) == u'-') {
        negative = true;
        ++pos;
    } else if (CharAt(text, pos) == u'+') {
        ++pos;
    }
    Cardinal value = 0;
    while (pos <= text.Length() && text[pos] >= u'0' && text[pos] <= u'9') {
        value = value * 10u + static_cast<Cardinal>(text[pos] - u'0');
        ++pos;
    }
    return static_cast<Integer>(negative ? 0u - value : value);
}

namespace {
enum TScanClass { scSep, scBlank, scSign, scDigit, scExp, scOther };
constexpr int scEnd = 0;
constexpr int scFail = -1;
constexpr int scExpOrEnd = 9;  // 6 when an exponent is allowed, else the end

// Next state for states 1..8 and the character classes.
constexpr int ScanTable[9][6] = {
    {},
    {4, 1, 2, 3, scFail, scFail},
    {4, scFail, scFail, 3, scFail, scFail},
    {4, scEnd, scEnd, 3, scExpOrEnd, scEnd},
    {scFail, scEnd, scEnd, 5, scExpOrEnd, scEnd},
    {scFail, scEnd, scEnd, 5, scExpOrEnd, scEnd},
    {scFail, scFail, 7, 8, scFail, scEnd},
    {scFail, scFail, scFail, 8, scFail, scEnd},
    {scEnd, scEnd, scEnd, 8, scEnd, scEnd},
};

// Converts the collected text; an exponent too large for a Double saturates.
double ConvertNumber(std::string text)
{
    while (!text.empty() && text[0] == ' ') text.erase(0, 1);
    // An exponent mark without digits adds nothing to the number.
    while (!text.empty() && (text.back() == 'E' || text.back() == '+' || text.back() == '-')) text.pop_back();
    if (!text.empty() && text.back() == '.') text += '0';
    if (!text.empty() && text[0] == '+') text.erase(0, 1);
    if (text.empty()) return 0;
    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        const size_t e = text.find('E');
        const bool tiny = e != std::string::npos && e + 1 < text.size() && text[e + 1] == '-';
        if (tiny) return 0;
        return text[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return ec == std::errc() ? value : 0;
}
}  // namespace

double ScanNumber(const String& text, bool AllowExponent, Integer DecSepMode, Integer& pos)
{
    if (pos < 1) pos = 1;
    std::string number;
    int state = 1;
    Integer exponent = 0;
    bool failed = false;
    for (;;) {
        char16_t ch = pos <= text.Length() ? text[pos] : u'Z';
        ++pos;
        if (ch >= u'a' && ch <= u'z') ch = static_cast<char16_t>(ch - u'a' + u'A');
        const bool sep = (ch == u'.' && (DecSepMode == 1 || DecSepMode == 3)) ||
                         (ch == u',' && (DecSepMode == 2 || DecSepMode == 3));
        TScanClass cls = scOther;
        if (sep)
            cls = scSep;
        else if (ch == u' ')
            cls = scBlank;
        else if (ch == u'+' || ch == u'-')
            cls = scSign;
        else if (ch >= u'0' && ch <= u'9')
            cls = scDigit;
        else if (ch == u'E')
            cls = scExp;
        int next = ScanTable[state][cls];
        if (next == scExpOrEnd) next = AllowExponent ? 6 : scEnd;
        if (next == scFail) {
            failed = true;
            break;
        }
        if (next == scEnd) break;
        if (next == 8 && exponent <= 4200) exponent = exponent * 10 + (ch - u'0');
        if (exponent <= 4200) number += sep ? '.' : static_cast<char>(ch);
        state = next;
    }
    --pos;
    double value = failed ? 0 : ConvertNumber(number);
    if (std::isnan(value) || value > 1.7e308) value = 1.7e308;
    if (value < -1.7e308) value = -1.7e308;
    return value;
}

String XMLEncodeText(const String& text)
{
    String out;
    for (char16_t ch : text.u16()) {
        if (ch == u'<')
            out += "&lt;";
        else if (ch == u'>')
            out += "&gt;";
        else if (ch >= 128)
            out += "&#" + IntToStr(ch) + ";";
        else
            out += ch;
    }
    return out;
}

