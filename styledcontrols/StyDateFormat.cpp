// Date format: the effective format string, dates to text and back, and the date fields of an
// edited text.
#include "styledcontrols/StyDateFormat.h"

#include <algorithm>

#include "platform/classes/TypInfo.h"

IMPLEMENT_CLASS(TStyFieldFormat, TStyObject, nullptr)

const TEnumTypeInfo& TypeInfoOf(TStyDateFormats)
{
    static const TEnumTypeInfo info("TStyDateFormats", {"dfShortSystem", "dfLongSystem", "dfCustom"});
    return info;
}

TClass TStyDateFormat::StaticClass()
{
    static const TMetaClass meta("TStyDateFormat", TStyFieldFormat::StaticClass(), nullptr, [](TMetaClass& m) {
        using F = TStyDateFormat;
        TPublished<F>(&m)
            .Property("FormatStr", [](F* f) { return f->FormatStr(); }, &F::SetFormatStr)
            .Property("Format", &F::Format, &F::SetFormat).Default(dfShortSystem)
            .Property("YearDelta", &F::YearDelta, &F::SetYearDelta).Default(-1);
    });
    return &meta;
}

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

String TwoDigits(Integer v) { return v < 10 ? "0" + IntToStr(v) : IntToStr(v); }

Integer RunLength(const String& f, Integer i)
{
    Integer l = 1;
    while (i + l <= f.Length() && f[i + l] == f[i]) ++l;
    return l;
}

// The names of a list that the text at position t begins with, first match in the list's order.
template <int N>
Integer NameAt(const TNameList<N>& names, const String& text, Integer t)
{
    for (int i = 1; i <= N; ++i)
        if (!names[i].IsEmpty() && Copy(text, t, names[i].Length()) == names[i]) return names[i].Length();
    return 0;
}

template <int N>
Integer LongestName(const TNameList<N>& names)
{
    Integer l = 0;
    for (int i = 1; i <= N; ++i) l = std::max(l, names[i].Length());
    return l;
}

}  // namespace

// ---------------------------------------------------------------- the field walk

Integer TStyFieldFormat::GetPattern(Integer p, const String& text) const
{
    if (p > text.Length() + 1) return -1;
    for (Integer k = 1; k <= LastField(); ++k) {
        const TStyPatInfo info = GetPatInfo(k, text);
        if (info.Start > p || info.Type == 0) return -1;
        if (p >= info.Start && p <= info.End) return k;
    }
    return -1;
}

Integer TStyFieldFormat::CurrentType(Integer p, const String& text) const
{
    const Integer k = GetPattern(p, text);
    return k > 0 ? GetPatInfo(k, text).Type : 0;
}

Integer TStyFieldFormat::CurrentStart(Integer p, const String& text) const
{
    const Integer k = GetPattern(p, text);
    return k > 0 ? GetPatInfo(k, text).Start : 0;
}

Integer TStyFieldFormat::CurrentLength(Integer p, const String& text) const
{
    const Integer k = GetPattern(p, text);
    if (k <= 0) return 0;
    const TStyPatInfo info = GetPatInfo(k, text);
    return info.End - info.Start;
}

// The start of the field at p moved by d fields; off a field, the nearest field in the direction
// asked for.  p itself when there is no such field.
Integer TStyFieldFormat::EditPos(Integer p, const String& text, Integer d) const
{
    Integer target = 0;
    const Integer k = GetPattern(p, text);
    if (k > 0) {
        target = k + d;
    } else {
        const Integer last = text.Length() + 1;
        for (Integer s = 1; target <= 0; ++s) {
            const bool ahead = p + s <= last && d >= 0, behind = p - s > 0 && d <= 0;
            if (ahead) target = GetPattern(p + s, text);
            if (target <= 0 && behind) target = GetPattern(p - s, text);
            if (!ahead && !behind) {
                for (Integer q = p + 1; q <= last && target <= 0; ++q) target = GetPattern(q, text);
                break;
            }
        }
    }
    if (target <= 0) return p;
    const TStyPatInfo info = GetPatInfo(target, text);
    return info.Type != 0 ? info.Start : p;
}

// ---------------------------------------------------------------- date format

TStyDateFormat::TStyDateFormat(TPersistent*) {}

void TStyDateFormat::SetFormat(TStyDateFormats Value)
{
    if (Value == FFormat) return;
    OnFormatChange(this);
    FFormat = Value;
    OnFormatChanged(this);
}

void TStyDateFormat::SetFormatStr(const String& Value)
{
    if (Value == FFormatStr) return;
    OnFormatChange(this);
    FFormatStr = Value;
    if (FFormat == dfCustom) OnFormatChanged(this);
}

void TStyDateFormat::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyDateFormat*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    OnFormatChange(this);
    FFormat = s->FFormat;
    FYearDelta = s->FYearDelta;
    FFormatStr = s->FFormatStr;
    OnFormatChanged(this);
}

String TStyDateFormat::GetFormatStr() const
{
    switch (FFormat) {
    case dfShortSystem: return FormatSettings.ShortDateFormat;
    case dfLongSystem: return FormatSettings.LongDateFormat;
    default: return StringReplace(FFormatStr, "/", String::FromChar(FormatSettings.DateSeparator), rfReplaceAll);
    }
}

Integer TStyDateFormat::GetYearDelta() const
{
    return FYearDelta == -1 ? FormatSettings.TwoDigitYearCenturyWindow : FYearDelta;
}

Integer TStyDateFormat::CurrentYear()
{
    Word y = 0, m = 0, d = 0;
    DecodeDate(Now(), y, m, d);
    return y;
}

Integer TStyDateFormat::LastMonthDay(Integer Y, Integer M)
{
    if (M < 1 || M > 12) return 0;
    return DaysInAMonth(static_cast<Word>(Y), static_cast<Word>(M));
}

Integer TStyDateFormat::GetLongMonthExtend() { return LongestName(FormatSettings.LongMonthNames); }
Integer TStyDateFormat::GetShortMonthExtend() { return LongestName(FormatSettings.ShortMonthNames); }
Integer TStyDateFormat::GetLongDayExtend() { return LongestName(FormatSettings.LongDayNames); }
Integer TStyDateFormat::GetShortDayExtend() { return LongestName(FormatSettings.ShortDayNames); }

String TStyDateFormat::DateToStr(TDateTime Date) const
{
    Word y = 0, m = 0, d = 0;
    DecodeDate(Date, y, m, d);
    return DateToStr(y, m, d);
}

String TStyDateFormat::DateToStr(Word Y, Word M, Word D) const
{
    const String f = UpperCase(GetFormatStr());
    TDateTime date = 0;
    const bool valid = TryEncodeDate(Y, M, D, date);
    const Integer weekday = valid ? DayOfWeek(date) : 1;
    String s;
    for (Integer i = 1; i <= f.Length();) {
        const char16_t c = f[i];
        if (c != u'D' && c != u'M' && c != u'Y') {
            s += c;
            ++i;
            continue;
        }
        const Integer l = RunLength(f, i);
        i += l;
        if (c == u'D') {
            if (l == 1) s += IntToStr(D);
            else if (l == 2) s += TwoDigits(D);
            else if (l == 3) s += FormatSettings.ShortDayNames[weekday];
            else if (l == 4) s += FormatSettings.LongDayNames[weekday];
        } else if (c == u'M') {
            if (l == 1) s += IntToStr(M);
            else if (l == 2) s += TwoDigits(M);
            else if (l == 3 && M >= 1 && M <= 12) s += FormatSettings.ShortMonthNames[M];
            else if (l == 4 && M >= 1 && M <= 12) s += FormatSettings.LongMonthNames[M];
        } else {
            if (l == 1 || l == 4) s += IntToStr(Y);
            else if (l == 2) s += TwoDigits(Y % 100);
        }
    }
    return s;
}

void TStyDateFormat::StrToYMD(const String& text, Integer& Y, Integer& M, Integer& D) const
{
    Y = 1899, M = 12, D = 30;
    if (text.IsEmpty()) return;
    const String f = UpperCase(GetFormatStr());
    Integer t = 1;
    auto skipSpaces = [&] {
        while (t <= text.Length() && text[t] == u' ') ++t;
    };
    // The longest name of the lists that the text begins with (without regard to case) is read;
    // the month's number, or 0 when the text begins with none.  Short names are the beginnings of
    // long ones, so the first name spelt would cut "March" to "Mar".
    auto readName = [&](bool months) {
        const TFormatSettings& fs = FormatSettings;
        Integer found = 0, length = 0;
        auto match = [&](const String& name, Integer number) {
            if (!name.IsEmpty() && name.Length() > length && AnsiSameText(::Copy(text, t, name.Length()), name))
                found = number, length = name.Length();
        };
        for (int i = 1; i <= 12 && months; ++i) match(fs.LongMonthNames[i], i), match(fs.ShortMonthNames[i], i);
        for (int i = 1; i <= 7 && !months; ++i) match(fs.LongDayNames[i], i), match(fs.ShortDayNames[i], i);
        t += length;
        return found;
    };
    for (Integer i = 1; i <= f.Length();) {
        const char16_t c = f[i];
        if (c != u'D' && c != u'M' && c != u'Y') {
            if (t > text.Length()) return;
            ++t, ++i;
            continue;
        }
        const Integer l = RunLength(f, i);
        i += l;
        skipSpaces();
        if (c == u'D' && l >= 3) {
            readName(false);
        } else {
            Integer value = 0;
            if (c == u'M' && l >= 3) {
                value = readName(true);
            } else {
                const Integer most = l == 4 ? 4 : 2;
                for (Integer n = 0; n < most && t <= text.Length() && IsDigit(text[t]); ++n) value = value * 10 + (text[t++] - u'0');
            }
            if (c == u'D') D = value;
            else if (c == u'M') M = value;
            else {
                Y = value;
                if (Y < 100) {
                    Y += 100 * (CurrentYear() / 100);
                    if (Y > GetYearDelta() + 100 * (CurrentYear() / 100)) Y -= 100;
                }
            }
        }
        if (i <= f.Length() && f[i] != u' ') skipSpaces();
    }
}

TDateTime TStyDateFormat::StrToDate(const String& text) const
{
    Integer y = 0, m = 0, d = 0;
    StrToYMD(text, y, m, d);
    if (m == 2) d = std::min(d, LastMonthDay(y, 2));
    TDateTime date = 0;
    if (y < 1 || y > 9999 || m < 1 || m > 12 || d < 1 ||
        !TryEncodeDate(static_cast<Word>(y), static_cast<Word>(m), static_cast<Word>(d), date))
        return 0;
    return date;
}

TStyPatInfo TStyDateFormat::GetPatInfo(Integer n, const String& text) const
{
    const String f = UpperCase(GetFormatStr());
    TStyPatInfo info;
    Integer t = 1;
    auto consume = [&](auto accept) {
        while (t <= text.Length() && accept(text[t])) ++t, ++info.End;
    };
    auto consumeName = [&](auto& names) {
        const Integer l = NameAt(names, text, t);
        t += l, info.End += l;
    };
    Integer counter = 0;
    for (Integer i = 1; counter < n && i <= f.Length();) {
        const char16_t c = f[i];
        if (c != u' ') consume([](char16_t ch) { return ch == u' '; });
        info.Start = info.End;
        if (c != u'D' && c != u'M' && c != u'Y') {
            ++i;
            if (t <= text.Length()) ++t, ++info.End;
            info.Type = 0;
            continue;
        }
        const Integer l = RunLength(f, i);
        i += l;
        if (c == u'Y' || l <= 2) {
            consume([](char16_t ch) { return !IsDigit(ch); });
            consume(IsDigit);
        } else if (c == u'D') {
            if (l == 3) consumeName(FormatSettings.ShortDayNames);
            else consumeName(FormatSettings.LongDayNames);
        } else {
            if (l == 3) consumeName(FormatSettings.ShortMonthNames);
            else consumeName(FormatSettings.LongMonthNames);
        }
        info.Type = (c == u'D' ? 0 : c == u'M' ? 10 : 20) + l;
        ++counter;
    }
    return info;
}

Integer TStyDateFormat::DateLength(const String& text) const
{
    Integer length = 0, previous = -1;
    for (Integer k = 1; k <= 24; ++k) {
        const TStyPatInfo info = GetPatInfo(k, text);
        if (info.Type == previous) break;
        previous = info.Type;
        length = std::max(length, info.End);
    }
    return length;
}
