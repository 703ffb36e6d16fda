#include "editcontrols/EcsSysInfo.h"

#include "editcontrols/EcsRegistry.h"
#include "platform/rtl/SysFormat.h"

namespace {

// The number before (Part 0) or after (Part 1) the "." of a version text; Default when absent.
Integer VersionPart(const String& text, Integer part, Integer Default)
{
    const int dot = Pos(".", text);
    if (dot == 0) return Default;
    const String piece = part == 0 ? Copy(text, 1, dot - 1) : Copy(text, dot + 1);
    Int64 value = 0;
    return TryStrToInt64(piece, value) ? static_cast<Integer>(value) : Default;
}

Integer ReadNumber(const TEcsVersionFacts& facts, const String& name, Integer Default)
{
    Int64 value = 0;
    return TryStrToInt64(facts.ReadCurrentVersion(name, ""), value) ? static_cast<Integer>(value) : Default;
}

bool StartsWith(const String& text, const char* prefix) { return Copy(text, 1, String(prefix).Length()) == String(prefix); }

Integer Windows9x(const TEcsVersionFacts& facts)
{
    const Integer minor = facts.Version.dwMinorVersion;
    const String sp = Trim(facts.Version.szCSDVersion);
    if (minor < 10) return sp == "B" || sp == "C" ? 2 : 1;
    if (minor == 90) return 5;
    if (minor < 90) {
        if (facts.Kernel32Version == 0x0004005A) return 5;
        return sp == "A" || sp == "B" ? 4 : 3;
    }
    return 0;
}

// Windows 10 and 11 and their servers, by the registry's minor, build and release.
Integer Windows10(const TEcsVersionFacts& facts, Integer reportedMinor, bool workstation)
{
    const Integer realMinor = ReadNumber(
        facts, "CurrentMinorVersionNumber", VersionPart(facts.ReadCurrentVersion("CurrentVersion", ""), 1, reportedMinor));
    if (realMinor != 0) return 0;
    if (workstation)
        return ReadNumber(facts, "CurrentBuildNumber", facts.Version.dwBuildNumber) >= 22000 ? 29 : 25;
    const String release = facts.ReadCurrentVersion("ReleaseId", "0");
    if (release == "1607") return 26;
    if (release == "1809") return 27;
    return 28;
}

Integer WindowsNT(const TEcsVersionFacts& facts)
{
    const Integer major = facts.Version.dwMajorVersion;
    Integer minor = facts.Version.dwMinorVersion;
    const bool workstation = facts.Version.wProductType == VER_NT_WORKSTATION;
    switch (major) {
    case 3: return minor == 1 ? 6 : minor == 5 ? 7 : minor == 51 ? 8 : 0;
    case 4: return 9;
    case 5:
        if (minor == 0) return 10;
        if (minor == 1) return 11;
        if (minor != 2) return 0;
        if (facts.ServerR2) return 14;
        return !facts.NativeX86 && workstation ? 13 : 12;
    case 6: {
        if (minor == 2) {
            // What a program without a compatibility declaration is told on 8.1 and later.
            const String product = facts.ReadCurrentVersion("ProductName", "");
            if (StartsWith(product, "Windows 8.1") || StartsWith(product, "Windows Server 2012 R2")) minor = 3;
            else if (!StartsWith(product, "Windows 8") && !StartsWith(product, "Windows Server 2012")) {
                const Integer realMajor = ReadNumber(
                    facts, "CurrentMajorVersionNumber", VersionPart(facts.ReadCurrentVersion("CurrentVersion", ""), 0, 2));
                if (realMajor == 6) minor = 4;
                else if (realMajor == 10) return Windows10(facts, 0, workstation);
            }
        }
        static constexpr Integer Workstations[] = {15, 17, 19, 22, 25}, Servers[] = {16, 18, 21, 24, 26};
        if (minor < 0 || minor > 4) return 0;
        return workstation ? Workstations[minor] : Servers[minor];
    }
    case 10: return Windows10(facts, minor, workstation);
    default: return 0;
    }
}

}  // namespace

TEcsVersionFacts SystemVersionFacts()
{
    TEcsVersionFacts facts;
    GetVersionEx(facts.Version);
    facts.ReadCurrentVersion = [](const String& name, const String& Default) {
        return ReadRegStringOrDefault(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", name, Default);
    };
    return facts;
}

Integer DetectWindowsVersion(const TEcsVersionFacts& Facts)
{
    switch (Facts.Version.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS: return Windows9x(Facts);
    case VER_PLATFORM_WIN32_NT: return WindowsNT(Facts);
    default: return 0;
    }
}

Integer DetectWindowsVersion() { return DetectWindowsVersion(SystemVersionFacts()); }
