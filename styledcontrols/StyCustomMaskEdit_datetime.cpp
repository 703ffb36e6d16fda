// The masked edit's dates and times: the caret held on the date and time fields, digits typed
// into a field with their limits, the separators that move to the next field, and stepping the
// field at the caret.
#include <algorithm>
#include <cmath>

#include "styledcontrols/StyCustomMaskEdit.h"

bool TStyCustomMaskEdit::InTimePart(Integer p)
{
    return FMaskType == meTime || (FMaskType == meDateTime && p >= FDateSet->DateLength(AsString()));
}

Integer TStyCustomMaskEdit::NextEditChar()
{
    dep = 0, dep_spc = false;
    const String s = AsString();
    switch (FMaskType) {
    case meMask: {
        const Integer length = EmptyMaskText().Length();
        Integer p = FCurrentChar;
        char16_t c = 0;
        bool literal = false, required = false;
        while (p < length && MaskElement(p, c, literal, required) && literal) ++p;
        return p;
    }
    case meDate: return FDateSet->NextEditPos(FCurrentChar, s);
    case meTime: return FTimeSet->NextEditPos(FCurrentChar, s);
    case meDateTime: {
        const Integer dateLength = FDateSet->DateLength(s);
        if (FCurrentChar < dateLength) {
            const Integer p = FDateSet->NextEditPos(FCurrentChar, s);
            if (p != FCurrentChar) return p;
        }
        const Integer offset = FTimeSet->SetOffset(dateLength);
        const Integer p = FTimeSet->NextEditPos(std::max(FCurrentChar, dateLength + 1), s);
        FTimeSet->SetOffset(offset);
        return p;
    }
    default: return 1;
    }
}

Integer TStyCustomMaskEdit::PrevEditChar()
{
    dep = 0, dep_spc = false;
    const String s = AsString();
    switch (FMaskType) {
    case meMask: {
        Integer p = FCurrentChar;
        char16_t c = 0;
        bool literal = false, required = false;
        while (p > 1 && MaskElement(p, c, literal, required) && literal) --p;
        return p;
    }
    case meDate: return FDateSet->PrevEditPos(FCurrentChar, s);
    case meTime: return FTimeSet->PrevEditPos(FCurrentChar, s);
    case meDateTime: {
        const Integer dateLength = FDateSet->DateLength(s);
        if (FCurrentChar > dateLength) {
            const Integer offset = FTimeSet->SetOffset(dateLength);
            const Integer p = FTimeSet->PrevEditPos(FCurrentChar, s);
            FTimeSet->SetOffset(offset);
            if (p != FCurrentChar) return p;
            return FDateSet->CurrentStart(dateLength - 1, s);
        }
        return FDateSet->PrevEditPos(FCurrentChar, s);
    }
    default: return 1;
    }
}

// The field at the caret moves by one step: days, months (with the day kept within the month),
// years (29 February becomes 28 February in a common year), hours, minutes, seconds, or the
// AM/PM sign.  The caret stays at the start of the field.
void TStyCustomMaskEdit::StepDateTime(Integer step)
{
    if (FReadOnly || !IsDateOrTime()) return;
    dep = 0, dep_spc = false, dep_help = 0;
    const String s = AsString();
    const Integer caret = FCurrentChar;
    if (!InTimePart(caret)) {
        TDateTime date = AsDate();
        const Integer type = FDateSet->CurrentType(caret, s);
        Word y = 0, m = 0, d = 0;
        DecodeDate(date, y, m, d);
        Integer year = y, month = m, day = d;
        if (type == 1 || type == 2) {
            date += step;
        } else {
            if (type >= 11 && type <= 14) {
                month += step;
                if (month == 13) month = 1, ++year;
                if (month == 0) month = 12, --year;
            } else if (type >= 21 && type <= 24) {
                year += step;
            }
            day = std::min(day, TStyDateFormat::LastMonthDay(year, month));
            if (!TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), static_cast<Word>(day), date)) {
                DoError();
                date = 0;
            }
            if (type < 11) date = 0;
        }
        if (FMaskType == meDate) SetValue(date);
        else SetTextWithSuffix(FDateSet->DateToStr(date) + ::Copy(s, FDateSet->DateLength(s)));
    } else {
        const Integer offset = FTimeSet->SetOffset(FMaskType == meDateTime ? FDateSet->DateLength(s) : 0);
        const Integer type = FTimeSet->CurrentType(caret, s);
        const Integer start = FTimeSet->CurrentStart(caret, s), length = FTimeSet->CurrentLength(caret, s);
        FTimeSet->SetOffset(offset);
        TDateTime t = AsTime();
        if (type == 1 || type == 2) t += step / 24.0;
        else if (type == 11 || type == 12) t += step / 1440.0;
        else if (type == 21 || type == 22) t += step / 86400.0;
        else if (type == 31 && t > 0.040972222222) t += ::Copy(s, start, length) == FTimeSet->AMSign() ? 0.5 : -0.5;
        if (t < 0) t += 1;
        t -= std::floor(t);
        if (FMaskType == meTime) SetValue(t);
        else SetTextWithSuffix(::Copy(s, 1, FDateSet->DateLength(s)) + FTimeSet->TimeToStr(t));
    }
    SetCurrentChar(caret);
    const String now = AsString();
    if (InTimePart(caret)) {
        const Integer offset = FTimeSet->SetOffset(FMaskType == meDateTime ? FDateSet->DateLength(now) : 0);
        const Integer start = FTimeSet->CurrentStart(caret, now);
        FTimeSet->SetOffset(offset);
        if (start > 0) SetCurrentChar(start);
    } else {
        const Integer start = FDateSet->CurrentStart(caret, now);
        if (start > 0) SetCurrentChar(start);
    }
}

void TStyCustomMaskEdit::FormatChanging(TObject*)
{
    try {
        if (FMaskType == meDate) FSavedDateTime = AsDate();
        else if (FMaskType == meTime) FSavedDateTime = AsTime();
        else if (FMaskType == meDateTime) FSavedDateTime = AsDateTime();
    } catch (const Exception&) {
        FSavedDateTime = 0;
    }
}

void TStyCustomMaskEdit::RestoreDateTime()
{
    if (IsDateOrTime()) SetValue(FSavedDateTime);
}


// ---------------------------------------------------------------- typing into the fields

TStyPatInfo TStyCustomMaskEdit::FieldAt(Integer p, bool& time)
{
    const String s = AsString();
    time = InTimePart(p);
    if (!time) {
        const Integer k = FDateSet->GetPattern(p, s);
        return k > 0 ? FDateSet->GetPatInfo(k, s) : TStyPatInfo{};
    }
    const Integer offset = FTimeSet->SetOffset(FMaskType == meDateTime ? FDateSet->DateLength(s) : 0);
    const Integer k = FTimeSet->GetPattern(p, s);
    const TStyPatInfo info = k > 0 ? FTimeSet->GetPatInfo(k, s) : TStyPatInfo{};
    FTimeSet->SetOffset(offset);
    return info;
}

// The caret stays on the start of a field, and the field is selected (with its padding space
// while a one-digit entry waits for its second digit).
void TStyCustomMaskEdit::DoChanges(TStyEditChanges AChanges, Integer At)
{
    TStyCustomEdit::DoChanges(AChanges, At);
    if (!AChanges.Contains(euCursorChanged) || !IsDateOrTime() || FPlacingCaret || FText.IsEmpty()) return;
    FPlacingCaret = true;
    if (!FTypingDigit) dep = 0, dep_spc = false;
    const String s = AsString();
    Integer p = FCurrentChar;
    if (InTimePart(p)) {
        const Integer offset = FTimeSet->SetOffset(FMaskType == meDateTime ? FDateSet->DateLength(s) : 0);
        p = FTimeSet->NearEditPos(p, s);
        FTimeSet->SetOffset(offset);
    } else {
        p = FDateSet->NearEditPos(p, s);
    }
    bool time = false;
    const TStyPatInfo field = FieldAt(p, time);
    FCurrentChar = p;
    FSelStart = p;
    FSelLength = field.Type != 0 ? field.End - field.Start + (dep_spc ? 1 : 0) : 0;
    NotifyChange(euTextAppearance);
    FPlacingCaret = false;
}

bool TStyCustomMaskEdit::AcceptDateTimeChar(char16_t ch)
{
    if (FReadOnly) return false;
    const bool time = InTimePart(FCurrentChar);
    if (ch == (time ? FormatSettings.TimeSeparator : FormatSettings.DateSeparator)) {
        SetCurrentChar(NextEditChar());
        return false;
    }
    if (ch < u'0' || ch > u'9') return false;
    bool inTime = false;
    const TStyPatInfo field = FieldAt(FCurrentChar, inTime);
    const bool other = field.Type == 0 || (inTime && field.Type == 31) || (!inTime && (field.Type == 3 || field.Type == 4));
    if (other) return true;
    TypeDateTimeDigit(ch);
    return false;
}

// Each field takes the digits that can still make a valid number: a day 31 at most, a month 12,
// an hour 23, minutes and seconds 59; another digit starts the field again, padded with a space
// until its second digit comes.  A month shown by name takes its number digit by digit.
void TStyCustomMaskEdit::TypeDateTimeDigit(char16_t d)
{
    bool time = false;
    const TStyPatInfo field = FieldAt(FCurrentChar, time);
    String s = Trim(::Copy(FText, field.Start, field.End - field.Start));
    const bool padded = dep_spc;
    dep_spc = false;
    ++dep;
    if (dep == 1) s = String();
    auto twoDigits = [&](auto firstOk, auto secondOk) {
        if (s.Length() == 1 && firstOk(s[1], d)) s += d;
        else if (s.Length() == 2 && secondOk(s[1], s[2], d)) s = String::FromChar(s[2]) + d;
        else s = String::FromChar(d) + u' ', dep_spc = true;
    };
    const Integer type = field.Type;
    if (!time && (type == 1 || type == 2)) {
        twoDigits([](char16_t a, char16_t c) { return (a >= u'0' && a <= u'2') || (a == u'3' && c <= u'1'); },
                  [](char16_t, char16_t b, char16_t c) { return (b >= u'0' && b <= u'2') || (b == u'3' && c <= u'1'); });
    } else if (!time && (type == 11 || type == 12)) {
        twoDigits([](char16_t a, char16_t c) { return a == u'0' || (a == u'1' && c <= u'2'); },
                  [](char16_t a, char16_t b, char16_t c) { return a == u'0' && b < u'2' && c <= u'2'; });
    } else if (!time && (type == 13 || type == 14)) {
        const Integer digit = d - u'0';
        dep_help = (dep - 1) % 2 == 0 ? digit : dep_help == 1 ? 10 + digit : digit;
        dep_help = std::clamp(dep_help, 1, 12);
        s = type == 13 ? FormatSettings.ShortMonthNames[dep_help] : FormatSettings.LongMonthNames[dep_help];
    } else if (!time) {
        if (s.Length() <= 3) s += d;
        else s = String::FromChar(d), dep = 1;
    } else if (type == 1 || type == 2) {
        twoDigits([](char16_t a, char16_t c) { return a < u'2' || (a == u'2' && c < u'4'); },
                  [](char16_t, char16_t b, char16_t c) { return b < u'2' || (b == u'2' && c <= u'3'); });
    } else {
        twoDigits([](char16_t a, char16_t) { return a <= u'5'; },
                  [](char16_t a, char16_t b, char16_t) { return a == u'0' && b <= u'5'; });
    }
    FTypingDigit = true;
    BeginUpdate();
    SetSelStart(field.Start);
    SetSelLength(field.End - field.Start + (padded ? 1 : 0));
    const bool overwrite = FForceOverwriteMode;
    FForceOverwriteMode = false;
    SetSelText(s);
    FForceOverwriteMode = overwrite;
    SetCurrentChar(field.Start);
    EndUpdate();
    FTypingDigit = false;
}
