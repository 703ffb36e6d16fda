#pragma once
// Case mapping of UTF-16 text by the library's own case table (the Unicode case foldings of the
// Basic Multilingual Plane), ordinal and case-insensitive comparison, and wide-character helpers.
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// One case folding: status bits (1 common, 2 simple, 4 full, 8 Turkic), the source character
// (the upper- or title-case form) and the folded characters (the second and third only for
// full foldings, else 0).
struct TStyCaseEntry {
    Byte Status;
    char16_t Source;
    char16_t Folded[3];
};
inline constexpr int StyCaseTableSize = 999;
extern const TStyCaseEntry StyCaseTable[StyCaseTableSize];

// The entries used: common, simple and Turkic foldings (the Turkic switch is on), so full
// foldings never apply.
inline constexpr Byte StyCaseRow = 1 | 2 | 8;

String UnicodeLowerCase(const String& text);
String UnicodeUpperCase(const String& text);
char16_t UnicodeUpperChar(char16_t ch);
// -1, 0 or 1: code units up to the end of the shorter text, then the length.
int UnicodeCompareText(const String& a, const String& b);
bool UnicodeSameText(const String& a, const String& b);

// The first occurrence of ch in the zero-terminated text, or null.
const char16_t* WideStrScan(const char16_t* text, char16_t ch);
void FillWideChars(char16_t* dest, int count, char16_t ch);
