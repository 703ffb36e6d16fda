#pragma once
// Small text routines of the library: Boolean and hexadecimal texts, character
// replacement and blank stripping, character sets with class macros, the token scanner
// of ASC text files and the tag lookup of the XML element reader.
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// "TRUE"/"FALSE" (style 0 and unknown styles), "T"/"F", ".T."/".F.", "1"/"0", "-1"/"0",
// "FF"/"00", "YES"/"NO", "GOOD"/"BAD" (styles 1 to 7).
String FormatBoolean(bool value, Byte style);
// The digits upper-case and zero-filled, 1 to 8 of them (the count is clamped).
String HexText(Cardinal value, Byte digits);

String ReplaceChar(const String& text, char16_t oldChar, char16_t newChar);
// Without leading and trailing blanks (code 32 only; tabs stay).
String StripBlanks(const String& text);
// Every character outside 0-9, A-Z, a-z becomes "_".
String ReplaceNonAlnum(const String& text);

// A character set with its class macros expanded: "//dig" digits, "//lc" and "//uc"
// the lower- and upper-case letters, "//31dwn" the codes 0..31, "//128up" the codes
// 128..255.
String ExpandCharClasses(const String& charSet);
// Whether the text holds a character of the set (macros expanded first); only
// characters with codes 0..255 can match.
bool ContainsAnyChar(const String& text, const String& charSet);

// One step of the token scanner over the characters of an ASC line (states 0..3, kept
// by the caller, 0 before the first character).  Appends to the token as the state
// machine says; true when the token is complete, the state then being back at 0.
bool NextTokenState(char16_t c, char16_t delimiter, String& token, Byte& state);

// Tag names of the XML element reader, lower case; the last entry is the sentinel.
using TTagList = std::vector<String>;
// Index of the lower-cased name in the list, or the sentinel's index when absent.
int IndexOfTag(const String& name, const TTagList& tags);
