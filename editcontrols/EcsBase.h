#pragma once
// System support routines under the edit controls: the system version check, the locale's
// separators, file and path queries, and range comparison of wide texts.
#include "platform/rtl/UString.h"

// True when the system is at least Major.Minor (here the fixed Windows 10 answer of the layer).
bool CheckWindowsVersion(Integer Major, Integer Minor);
char16_t GetDecimalSeparator();
char16_t GetThousandSeparator();
String GetCurrencyString();
bool PathIsDirectory(const String& Path);
bool PathIsFile(const String& Path);   // an existing path that is no folder
// The path as the desktop shows it: folders have no translated names here, so the path itself.
String PathToDisplayPath(const String& Path);
// Count characters of S1 and S2 from Index (1-based): 0 when equal, else the difference of the
// first differing UTF-16 units (lower-cased unless CaseSensitive); -1 for a missing string, -2
// for a range S1 does not hold.
Integer CompareRangeW(const String* S1, const String* S2, Integer Index, Integer Count, bool CaseSensitive);
// The first position of Sub in Text; 0 when either is empty or Sub does not occur.
Integer WideStrPos(const String& Text, const String& Sub);
