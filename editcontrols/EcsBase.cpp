#include "editcontrols/EcsBase.h"

#include <cwctype>

#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"
#include "platform/services/SysInfo.h"

bool CheckWindowsVersion(Integer Major, Integer Minor) { return CheckWin32Version(Major, Minor); }
char16_t GetDecimalSeparator() { return FormatSettings.DecimalSeparator; }
char16_t GetThousandSeparator() { return FormatSettings.ThousandSeparator; }
String GetCurrencyString() { return FormatSettings.CurrencyString; }

bool PathIsDirectory(const String& Path) { return !Path.IsEmpty() && DirectoryExists(NativePath(Path)); }
bool PathIsFile(const String& Path) { return !Path.IsEmpty() && FileExists(NativePath(Path)); }

// A desktop shows Linux folders under their own names: no component has a translated display
// name, so every path shows as it is.
String PathToDisplayPath(const String& Path) { return Path; }

namespace {
char16_t Lower(char16_t c) { return c < 0xD800 || c > 0xDFFF ? static_cast<char16_t>(std::towlower(c)) : c; }
}  // namespace

Integer CompareRangeW(const String* S1, const String* S2, Integer Index, Integer Count, bool CaseSensitive)
{
    if (S1 && S1 == S2) return Count > 0 || S1->IsEmpty() ? 0 : -2;
    if (!S1 || !S2) return -1;
    if (Count <= 0 || S1->Length() < Index + Count - 1 || Index < 1) return -2;
    const Integer last = std::min(Index + Count - 1, S2->Length());
    for (Integer i = Index; i <= last; ++i) {
        char16_t a = (*S1)[i], b = (*S2)[i];
        if (!CaseSensitive) {
            a = Lower(a);
            b = Lower(b);
        }
        if (a != b) return static_cast<Integer>(a) - static_cast<Integer>(b);
    }
    return 0;
}

Integer WideStrPos(const String& Text, const String& Sub)
{
    if (Text.IsEmpty() || Sub.IsEmpty()) return 0;
    return Pos(Sub, Text);
}

String ModuleFileName(HMODULE Module) { return Module == 0 || Module == HInstance ? ProgramFileName() : String(); }

bool ReadFixedFileInfo(const String& FileName, TEcsFixedFileInfo& Info)
{
    if (FileName.IsEmpty() || ExpandFileName(FileName) != ProgramFileName()) return false;
    constexpr std::uint32_t MS = (DORVANE_VERSION_MAJOR << 16) | DORVANE_VERSION_MINOR;
    constexpr std::uint32_t LS = (DORVANE_VERSION_PATCH << 16) | DORVANE_VERSION_TWEAK;
    Info = TEcsFixedFileInfo();
    Info.dwSignature = 0xFEEF04BD;
    Info.dwStrucVersion = 0x00010000;
    Info.dwFileVersionMS = Info.dwProductVersionMS = MS;
    Info.dwFileVersionLS = Info.dwProductVersionLS = LS;
    Info.dwFileFlagsMask = 0x3F;
    Info.dwFileOS = 0x00040004;   // VOS_NT_WINDOWS32
    Info.dwFileType = 1;          // VFT_APP
    return true;
}
