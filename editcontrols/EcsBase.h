#pragma once
// System support routines under the edit controls: the system version check, the locale's
// separators, file and path queries, and range comparison of wide texts.
#include <cstdint>

#include "platform/rtl/Streams.h"
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

// The file name of a module: the program's own for 0 and HInstance (it has no other modules);
// empty for any other handle.
String ModuleFileName(HMODULE Module);

// The fixed version facts of a file (52 bytes, as version resources hold them).
struct TEcsFixedFileInfo {
    std::uint32_t dwSignature = 0, dwStrucVersion = 0;
    std::uint32_t dwFileVersionMS = 0, dwFileVersionLS = 0, dwProductVersionMS = 0, dwProductVersionLS = 0;
    std::uint32_t dwFileFlagsMask = 0, dwFileFlags = 0, dwFileOS = 0, dwFileType = 0, dwFileSubtype = 0;
    std::uint32_t dwFileDateMS = 0, dwFileDateLS = 0;
};
static_assert(sizeof(TEcsFixedFileInfo) == 52);
// Only the program's own file carries version facts: its version as file and product version,
// an application for a 32-bit system.  False for every other file.
bool ReadFixedFileInfo(const String& FileName, TEcsFixedFileInfo& Info);
