#include "editcontrols/EcCoreUtils.h"

#include <cstdlib>

#include "platform/graphics/GdiApi.h"
#include "platform/rtl/FileSys.h"

String StripLeadingBlanks(const String& s)
{
    Integer i = 1;
    while (i <= s.Length() && s[i] == u' ') ++i;
    return Copy(s, i);
}

String StripTrailingBlanks(const String& s)
{
    Integer n = s.Length();
    while (n > 0 && s[n] == u' ') --n;
    return Copy(s, 1, n);
}

String RemoveChar(const String& s, char16_t c)
{
    String result;
    for (Integer i = 1; i <= s.Length(); ++i)
        if (s[i] != c) result += s[i];
    return result;
}

String FillString(char16_t c, Integer n) { return n <= 0 ? String() : StringOfChar(c, n); }
String RepeatChar(char16_t c, Integer n) { return FillString(c, n); }

String ReplaceAllText(const String& s, const String& find, const String& replacement)
{
    if (find.IsEmpty()) return s;
    String result;
    Integer from = 1;
    for (Integer at = Pos(find, s, from); at > 0; at = Pos(find, s, from)) {
        result += Copy(s, from, at - from) + replacement;
        from = at + find.Length();
    }
    return result + Copy(s, from);
}

bool HasAnyChar(const String& s, const String& set)
{
    for (Integer i = 1; i <= set.Length(); ++i)
        if (s.u16().find(set[i]) != std::u16string::npos) return true;
    return false;
}

bool IsValidFileName(const String& s) { return !s.IsEmpty() && !HasAnyChar(s, "<>\"?*|"); }

String FoundLongName(const String& path)
{
    TSearchRec rec;
    const String name = FindFirst(path, faAnyFile, rec) == 0 ? rec.Name : String();
    FindClose(rec);
    return name;
}

String FoundShortName(const String& path) { return FoundLongName(path); }

Integer SkipToken(const String& text, Integer pos)
{
    const Integer end = text.Length() + 1;
    auto skipQuoted = [&](Integer p) {   // p is on the opening quote; past the closing one
        ++p;
        while (p < end && text[p] != u'"') ++p;
        return p < end ? p + 1 : end;
    };
    if (pos < end && text[pos] == u'"') return skipQuoted(pos);
    while (pos < end && text[pos] > u' ') pos = text[pos] == u'"' ? skipQuoted(pos) : pos + 1;
    return pos;
}

Integer SkipBlanks(const String& text, Integer pos)
{
    while (pos <= text.Length() && text[pos] <= u' ') ++pos;
    return pos;
}

void FirstToken(const String& text, String& first, String& rest)
{
    const Integer end = SkipToken(text, 1);
    first = Copy(text, 1, end - 1);
    if (!first.IsEmpty() && first[1] == u'"') first = Copy(first, 2, first.Length() - 2);
    rest = Copy(text, SkipBlanks(text, end));
}

bool PointInRectInclusive(const TRect& r, TPoint p)
{
    return p.X >= r.Left && p.X <= r.Right && p.Y >= r.Top && p.Y <= r.Bottom;
}

Integer RectExtentX(const TRect& r) { return std::abs(r.Right - r.Left); }
Integer RectExtentY(const TRect& r) { return std::abs(r.Bottom - r.Top); }

String FitTextWithEllipsis(const String& text, TCanvas& canvas, Integer maxWidth)
{
    String result = text;
    for (Integer i = 1; i <= text.Length() && canvas.TextWidth(result) > maxWidth; ++i)
        result = Copy(text, 1, std::max(0, text.Length() - i - 1)) + "...";
    return result;
}

void DropPendingMessage(HWND window, Cardinal msg)
{
    TMsg taken;
    if (PeekMessage(&taken, window, msg, msg, PM_REMOVE) && taken.message == WM_QUIT)
        PostMessage(nullptr, WM_QUIT, taken.wParam, 0);
}

std::intptr_t SendWindowMessage(HWND window, Cardinal msg, std::intptr_t wParam, std::intptr_t lParam)
{
    return SendMessage(window, msg, wParam, lParam);
}

HDC NewScreenDC() { return new TCanvas(); }

bool CopyBits(HDC dest, Integer x, Integer y, Integer width, Integer height, HDC source, Integer sx, Integer sy,
              Cardinal rop)
{
    return BitBlt(dest, x, y, width, height, source, sx, sy, rop);
}
