// The masked edit's character masks: the mask elements and their classes, the empty mask text,
// validity of characters and texts, typing over literals, deleting back to blanks, and the text
// with and without its literals.
#include "styledcontrols/StyCustomMaskEdit.h"

#include <algorithm>

bool TStyCustomMaskEdit::MaskElement(Integer p, char16_t& c, bool& literal, bool& required) const
{
    Integer position = 0;
    char16_t cls = 0;
    for (Integer i = 1; i <= FMask.Length(); ++i) {
        required = FMask[i] == u'!';
        if (required && ++i > FMask.Length()) break;
        literal = FMask[i] == u'\\';
        if (literal && ++i > FMask.Length()) break;
        c = FMask[i];
        if (!literal && Pos(String::FromChar(c), "aAb09crv18#*") == 0) c = cls;   // an unescaped literal takes the class before it
        if (!literal) cls = c;
        if (++position == p) return true;
    }
    c = u' ', literal = true, required = false;
    return false;
}

String TStyCustomMaskEdit::EmptyMaskText() const
{
    String s;
    char16_t c = 0;
    bool literal = false, required = false;
    for (Integer p = 1; MaskElement(p, c, literal, required); ++p) s += literal ? c : FBlankChar;
    return s;
}

bool TStyCustomMaskEdit::StrictlyValid(char16_t ch, Integer p)
{
    char16_t c = 0;
    bool literal = false, required = false;
    if (!MaskElement(p, c, literal, required)) return false;
    if (literal) return ch == c;
    const char16_t low = ch & 0xFF;
    switch (c) {
    case u'a': return IsCharAlpha(ch) && IsCharLower(ch);
    case u'A': return IsCharAlpha(ch) && IsCharUpper(ch);
    case u'b': return IsCharAlpha(ch);
    case u'0': return ch >= u'0' && ch <= u'9';
    case u'9': return ch >= u'1' && ch <= u'9';
    case u'c': return IsCharAlphaNumeric(ch);
    case u'r': {
        bool ok = false;
        OnUserRule(this, ok, ch, p);
        return ok;
    }
    case u'v': return low == u'+' || low == u'-';
    case u'1': return low == u'0' || low == u'1';
    case u'8': return low == u' ' || (low >= u'0' && low <= u'9');
    case u'#': return low == u'+' || low == u'-' || (low >= u'0' && low <= u'9');
    case u'*': return low == u'+' || low == u'-' || (low >= u'1' && low <= u'9');
    default: return false;
    }
}

bool TStyCustomMaskEdit::LenientlyValid(char16_t c, Integer p)
{
    return c == FBlankChar || (c == u' ' && SpaceIsBlank()) || StrictlyValid(c, p);
}

bool TStyCustomMaskEdit::ValidMaskText(const String& s)
{
    if (s.Length() > EmptyMaskText().Length()) return false;
    for (Integer i = 1; i <= s.Length(); ++i)
        if (!LenientlyValid(s[i], i)) return false;
    return true;
}

void TStyCustomMaskEdit::FitIntoMask(String Text, Integer At, bool Pasting, String& S)
{
    if (Pasting) S = ::Copy(S, 1, std::max(0, EmptyMaskText().Length() - Text.Length()));
    ::Insert(S, Text, At);
    if (!ValidMaskText(Text)) S = String();
}

bool TStyCustomMaskEdit::AcceptMaskChar(char16_t& ch)
{
    TStyEditModes mode = StyApplication()->EditMode();
    mode.Exclude(emInsert);
    StyApplication()->SetEditMode(mode);
    for (;;) {
        if (LenientlyValid(ch, FSelStart)) return true;
        char16_t c = 0;
        bool literal = false, required = false;
        MaskElement(FCurrentChar, c, literal, required);
        if (FCurrentChar > GetLength() || ch == 8 || !literal) return false;
        SetCurrentChar(FCurrentChar + 1);
        SetSelStart(FCurrentChar);
    }
}

void TStyCustomMaskEdit::ClearMaskPositions(Integer start, Integer count)
{
    String s = FText;
    const String empty = EmptyMaskText();
    for (Integer p = start; p < start + count && p <= s.Length(); ++p) {
        char16_t c = 0;
        bool literal = false, required = false;
        MaskElement(p, c, literal, required);
        s[p] = FSuppressBlankCharOnDelete ? c : empty[p];
    }
    SetTextKeepCaret(s);
}

String TStyCustomMaskEdit::UnMaskedText()
{
    const String pure = AsString();
    if (FMaskType != meMask) return pure;
    const String empty = EmptyMaskText();
    String s;
    for (Integer i = 1; i <= pure.Length(); ++i)
        if (i > empty.Length() || pure[i] != empty[i]) s += pure[i];
    return s;
}

String TStyCustomMaskEdit::FormatTextByMask(const String& AUnMaskedText, char16_t ABlankCharAs)
{
    if (FMaskType != meMask) return AUnMaskedText;
    const String empty = EmptyMaskText();
    String s;
    Integer g = 1;
    Integer p = 1;
    for (; p <= empty.Length() && g <= AUnMaskedText.Length(); ++p) {
        if (empty[p] == FBlankChar || AUnMaskedText[g] == empty[p]) s += AUnMaskedText[g++];
        else s += empty[p];
    }
    for (; p <= empty.Length(); ++p) s += ABlankCharAs != 0 && empty[p] == FBlankChar ? ABlankCharAs : empty[p];
    return s;
}

void TStyCustomMaskEdit::SetMask(const String& Value)
{
    if (Value == FMask) return;
    BeginUpdate();
    FMask = Value;
    if (FMaskType == meMask) SetText(EmptyMaskText());
    MaskChanged();
    EndUpdate();
}

void TStyCustomMaskEdit::SetBlankChar(char16_t Value)
{
    if (Value == FBlankChar) return;
    FBlankChar = Value;
    if (FMaskType == meMask) SetText(EmptyMaskText());
}

