// Time format: the effective format string, times to text with the AM/PM sign and back, and the
// time fields of an edited text.
#include "styledcontrols/StyTimeFormat.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/Exceptions.h"

const TEnumTypeInfo& TypeInfoOf(TStyTimeFormats)
{
    static const TEnumTypeInfo info("TStyTimeFormats", {"tfShortSystem", "tfLongSystem", "tfCustom"});
    return info;
}

TClass TStyTimeFormat::StaticClass()
{
    static const TMetaClass meta("TStyTimeFormat", TStyFieldFormat::StaticClass(), nullptr, [](TMetaClass& m) {
        using F = TStyTimeFormat;
        // the signs are left out of forms while they are the English ones
        TPublished<F>(&m)
            .Property("FormatStr", [](F* f) { return f->FormatStr(); }, &F::SetFormatStr)
            .Property("Format", &F::Format, &F::SetFormat).Default(tfShortSystem)
            .Property("AMSign", [](F* f) { return f->AMSign(); }, &F::SetAMSign)
            .Stored([](F* f) { return f->AMSign() != "am"; })
            .Property("PMSign", [](F* f) { return f->PMSign(); }, &F::SetPMSign)
            .Stored([](F* f) { return f->PMSign() != "pm"; })
            .Property("MSign", [](F* f) { return f->MSign(); }, &F::SetMSign)
            .Stored([](F* f) { return f->MSign() != "m"; });
    });
    return &meta;
}

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsMinuteLetter(char16_t c) { return c == u'M' || c == u'm' || c == u'N' || c == u'n'; }
bool IsTimeLetter(char16_t c)
{
    return c == u'H' || c == u'h' || IsMinuteLetter(c) || c == u'S' || c == u's' || c == u'T' || c == u't';
}

// A run of the same letter in the same case; minutes run over M and N of either case.
Integer TimeRunLength(const String& f, Integer i, bool mixedMinutes)
{
    Integer l = 1;
    while (i + l <= f.Length() &&
           (f[i + l] == f[i] || (mixedMinutes && IsMinuteLetter(f[i]) && IsMinuteLetter(f[i + l]))))
        ++l;
    return l;
}

String Number(Integer v, Integer l) { return l == 1 ? IntToStr(v) : l == 2 ? (v < 10 ? "0" : "") + IntToStr(v) : String(); }

}  // namespace

TStyTimeFormat::TStyTimeFormat(TPersistent*) { F12hour = Pos("h", GetFormatStr()) > 0; }

void TStyTimeFormat::FormatChanged()
{
    F12hour = Pos("h", GetFormatStr()) > 0;
    OnFormatChanged(this);
}

void TStyTimeFormat::SetFormat(TStyTimeFormats Value)
{
    if (Value == FFormat) return;
    OnFormatChange(this);
    FFormat = Value;
    FormatChanged();
}

void TStyTimeFormat::SetFormatStr(const String& Value)
{
    if (Value == FFormatStr) return;
    OnFormatChange(this);
    FFormatStr = Value;
    if (FFormat == tfCustom) FormatChanged();
}

void TStyTimeFormat::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TStyTimeFormat*>(Source);
    if (!s) {
        TStyObject::Assign(Source);
        return;
    }
    OnFormatChange(this);
    FFormat = s->FFormat;
    FFormatStr = s->FFormatStr;
    F12hour = s->F12hour;
    FormatChanged();
}

Integer TStyTimeFormat::SetOffset(Integer AOffset)
{
    const Integer previous = FOffset;
    FOffset = AOffset;
    return previous;
}

String TStyTimeFormat::GetFormatStr() const
{
    String f;
    switch (FFormat) {
    case tfShortSystem: f = FormatSettings.ShortTimeFormat; break;
    case tfLongSystem: f = FormatSettings.LongTimeFormat; break;
    default: f = StringReplace(FFormatStr, ":", String::FromChar(FormatSettings.TimeSeparator), rfReplaceAll);
    }
    return StringReplace(f, "AMPM", "t", rfReplaceAll | rfIgnoreCase);
}

String TStyTimeFormat::TimeToStr(TDateTime Time) const
{
    Word h = 0, m = 0, s = 0, ms = 0;
    DecodeTime(Time, h, m, s, ms);
    return TimeToStr(h, m, s);
}

String TStyTimeFormat::TimeToStr(Word H, Word M, Word S) const
{
    const String f = GetFormatStr();
    String s;
    Integer placeholder = 0;
    for (Integer i = 1; i <= f.Length();) {
        const char16_t c = f[i];
        if (!IsTimeLetter(c)) {
            s += c;
            ++i;
            continue;
        }
        const Integer l = TimeRunLength(f, i, false);
        i += l;
        if (c == u'H') s += Number(H, l);
        else if (c == u'h') s += Number(H % 12 == 0 ? 12 : H % 12, l);
        else if (IsMinuteLetter(c)) s += Number(M, l);
        else if (c == u'S' || c == u's') s += Number(S, l);
        else if (F12hour) placeholder = s.Length() + 1;
    }
    if (F12hour) {
        const String& sign = H >= 12 && H <= 23 ? FPMSign : FAMSign;
        if (placeholder > 0) Insert(sign, s, placeholder);
        else s += " " + sign;
    }
    return s;
}

// The signs are found without regard to case, as the user types them.
void TStyTimeFormat::RemoveAMPM(String& text, String& sign) const
{
    const String lower = AnsiLowerCase(text);
    for (const String* candidate : {&FAMSign, &FPMSign}) {
        const Integer at = candidate->IsEmpty() ? 0 : Pos(AnsiLowerCase(*candidate), lower);
        if (at > 0) {
            Delete(text, at, candidate->Length());
            sign = *candidate;
            return;
        }
    }
    sign = String();
}

void TStyTimeFormat::StrToHMS24(const String& text, Integer& H, Integer& S, Integer& M) const
{
    H = M = S = 0;
    if (text.IsEmpty()) return;
    auto field = [&](Integer n, auto accept, Integer& into) {
        const TStyPatInfo info = GetPatInfo(n, text);
        if (!accept(info.Type)) return;
        const String digits = Trim(Copy(text, info.Start, info.End - info.Start));
        if (!digits.IsEmpty()) into = StrToInt(digits);
    };
    field(1, [](Integer t) { return t < 10; }, H);
    field(2, [](Integer t) { return t >= 11 && t <= 19; }, M);
    field(3, [](Integer t) { return t > 20; }, S);
}

void TStyTimeFormat::StrToHMS(const String& text, Integer& H, Integer& S, Integer& M) const
{
    String rest = text, sign;
    RemoveAMPM(rest, sign);
    StrToHMS24(rest, H, S, M);
    if (sign.IsEmpty()) return;
    if (H == 12) H = 0;
    if (sign == FPMSign) H += 12;
}

TDateTime TStyTimeFormat::StrToTime(const String& text) const
{
    Integer h = 0, m = 0, s = 0;
    StrToHMS(text, h, s, m);
    TDateTime t = 0;
    if (h < 0 || m < 0 || s < 0 ||
        !TryEncodeTime(static_cast<Word>(h), static_cast<Word>(m), static_cast<Word>(s), 0, t))
        throw EConvertError("'" + text + "' is not a valid time");
    return t;
}

TStyPatInfo TStyTimeFormat::GetPatInfo(Integer n, const String& text) const
{
    const String f = GetFormatStr();
    TStyPatInfo info;
    Integer t = FOffset + 1;
    auto consume = [&](auto accept) {
        while (t <= text.Length() && accept(text[t])) ++t, ++info.End;
    };
    Integer counter = 0;
    for (Integer i = 1; counter < n && i <= f.Length();) {
        const char16_t c = f[i];
        if (c != u' ') consume([](char16_t ch) { return ch == u' '; });
        info.Start = info.End;
        if (!IsTimeLetter(c)) {
            ++i;
            if (t <= text.Length()) ++t, ++info.End;
            info.Type = 0;
            continue;
        }
        const Integer l = TimeRunLength(f, i, true);
        i += l;
        if (c == u'T' || c == u't') {
            for (const String* sign : {&FAMSign, &FPMSign, &FMSign})
                if (!sign->IsEmpty() && Copy(text, t, sign->Length()) == *sign) {
                    t += sign->Length(), info.End += sign->Length();
                    break;
                }
            info.Type = 31;
        } else {
            consume(IsDigit);
            info.Type = (c == u'H' || c == u'h' ? 0 : IsMinuteLetter(c) ? 10 : 20) + l;
        }
        ++counter;
    }
    info.Start += FOffset;
    info.End += FOffset;
    return info;
}

Integer TStyTimeFormat::GetPattern(Integer p, const String& text) const
{
    if (p < FOffset || p > text.Length() + 1) return 0;
    return TStyFieldFormat::GetPattern(p, text);
}
