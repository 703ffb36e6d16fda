// System-information routines over the platform's facts.
#include "foundation/StySysIn.h"
#include "platform/rtl/RtlConsts.h"

#include <sys/stat.h>

#include "foundation/StyProcs.h"
#include "foundation/StyStrings.h"
#include "platform/controls/Controls.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/LocaleInfo.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/SystemFacts.h"
#include "platform/services/SysInfo.h"

namespace {


const char* const OSNames[18] = {
    "Windows 95", "Windows 98", "Windows ME", "Windows NT", "Windows 2000", "Windows XP", "Windows 2003 Server",
    "Windows Vista", "Windows 2008 Server", "Windows 7", "Windows 2008R2 Server", "Windows 8", "Windows 2012 Server",
    "Windows 8.1", "Windows Server 2012 R2", "Windows 10", "Windows Server 2016", "Windows Server 2019"};

TOSVersionInfoEx VersionInfo()
{
    TOSVersionInfoEx info;
    GetVersionEx(info);
    return info;
}

bool IsVersion(Cardinal major, Cardinal minor)
{
    TOSVersionInfoEx info = VersionInfo();
    return info.dwMajorVersion == major && info.dwMinorVersion == minor;
}

bool IsVersion10()
{
    TOSVersionInfoEx info = VersionInfo();
    return info.dwMajorVersion >= 10 && info.dwMajorVersion <= 100 && info.dwMinorVersion <= 100;
}

bool AtLeast(Cardinal major, Cardinal minor)
{
    TOSVersionInfoEx info = VersionInfo();
    return info.dwMajorVersion > major || (info.dwMajorVersion == major && info.dwMinorVersion >= minor);
}

int OSNameIndex()
{
    TOSVersionInfoEx info = VersionInfo();
    const bool workstation = info.wProductType == VER_NT_WORKSTATION;
    if (IsVersion(6, 1)) return workstation ? 9 : 10;
    if (IsVersion(6, 2)) return workstation ? 11 : 12;
    if (IsVersion(6, 3)) return workstation ? 13 : 14;
    if (IsVersion10()) return workstation ? 15 : info.dwBuildNumber < 17763 ? 16 : 17;
    return 0;
}

TMemoryStatusEx MemoryStatus()
{
    TMemoryStatusEx status;
    GlobalMemoryStatusEx(status);
    return status;
}

bool KeyToggled(int vk)
{
    return (GetKeyState(vk) & 0xFF) == 1;
}

}  // namespace

const bool IsWinNT = true;
const bool IsWin7 = IsVersion(6, 1);
const bool IsWin8 = IsVersion(6, 2);
const bool IsWin81 = IsVersion(6, 3);
const bool IsWin10 = IsVersion10();
const bool Win7OrLater = AtLeast(6, 1);
const bool Win8OrLater = AtLeast(6, 2);
const bool Win10OrLater = AtLeast(10, 0);

bool FontSmoothingEnabled()
{
    Integer value = 0;
    return SystemParametersInfo(SPI_GETFONTSMOOTHING, 0, &value) && value != 0;
}

Byte ColorDepth()
{
    TCanvas display;
    return static_cast<Byte>(display.GetDeviceCaps(BITSPIXEL));   // one plane
}

void ScreenSaverTimeout(Integer& Minutes, Integer& Seconds)
{
    Integer seconds = 0;
    SystemParametersInfo(SPI_GETSCREENSAVETIMEOUT, 0, &seconds);
    Minutes = seconds / 60;
    Seconds = seconds % 60;
}

bool NumLockOn() { return KeyToggled(VK_NUMLOCK); }
bool CapsLockOn() { return KeyToggled(VK_CAPITAL); }
bool ScrollLockOn() { return KeyToggled(VK_SCROLL); }

Cardinal GetOSVersionValue(Integer Selector)
{
    TOSVersionInfoEx info;
    if (!GetVersionEx(info)) return 0;
    switch (Selector) {
    case 0: return info.dwMajorVersion;
    case 1: return info.dwMinorVersion;
    case 2: return info.dwPlatformId;
    case 3: return info.dwBuildNumber;
    case 4: return info.wServicePackMajor;
    case 5: return info.wServicePackMinor;
    case 6: return info.wSuiteMask;
    case 7: return info.wProductType;
    default: return 0;
    }
}

String GetOSName() { return OSNames[OSNameIndex()]; }

String GetOSVersionText()
{
    return IntToStr(GetOSVersionValue(0)) + "." + IntToStr(GetOSVersionValue(1));
}

Cardinal BuildNumber() { return GetOSVersionValue(3); }

Cardinal MemoryLoad() { return MemoryStatus().dwMemoryLoad; }
UInt64 TotalPhysicalMemory() { return MemoryStatus().ullTotalPhys; }
UInt64 AvailPhysicalMemory() { return MemoryStatus().ullAvailPhys; }
UInt64 TotalPageFile() { return MemoryStatus().ullTotalPageFile; }
UInt64 AvailPageFile() { return MemoryStatus().ullAvailPageFile; }
UInt64 TotalVirtualMemory() { return MemoryStatus().ullTotalVirtual; }
UInt64 AvailVirtualMemory() { return MemoryStatus().ullAvailVirtual; }
UInt64 AvailExtendedVirtual() { return MemoryStatus().ullAvailExtendedVirtual; }

Byte ProcessorCount()
{
    Cardinal count = NumberOfProcessors();
    return static_cast<Byte>(count > 255 ? 255 : count);
}

String ProcessorName(Integer ProcessorType)
{
    switch (ProcessorType) {
    case 386: return "Intel 386";
    case 486: return "Intel 486";
    case 586: return "Intel Pentium";
    case 2000:
    case 3000:
    case 4000: return "Mips R" + IntToStr(ProcessorType);
    case 21064: return "Alpha 21064";
    default: return IntToStr(ProcessorType);
    }
}

Integer FreeSystemResources(Integer) { return 100; }

void GetDriveInfo(const String& Root, TStyDriveInfo& Info)
{
    Info = TStyDriveInfo();
    Info.ditype = GetDriveType(Root);
    if (Info.ditype <= DRIVE_NO_ROOT_DIR) return;
    Int64 freeToCaller = 0, totalFree = 0;
    if (!GetDiskFreeSpaceEx(Root, freeToCaller, Info.diTotalSpace, totalFree)) {
        Info.diTotalSpace = -1;
        Info.diFreeSpace = -1;
    } else {
        Info.diFreeSpace = freeToCaller;
    }
    GetDiskFreeSpace(Root, Info.diSectorsPerCluster, Info.diBytesPerSector);
}

void GetDriveList(TStrings& List)
{
    List.BeginUpdate();
    List.Clear();
    for (const String& root : LogicalDriveRoots()) List.Add(root);
    List.EndUpdate();
}

String DriveTypeName(Cardinal DriveType)
{
    switch (DriveType) {
    case DRIVE_NO_ROOT_DIR: return "no root directory";
    case DRIVE_REMOVABLE: return "removable";
    case DRIVE_FIXED: return "fixed drive";
    case DRIVE_REMOTE: return "remote (network) drive";
    case DRIVE_CDROM: return "CD-ROM";
    case DRIVE_RAMDISK: return "ramdisk";
    default: return SUnknownValue;
    }
}

String LongPathName(const String& Path)
{
    return NativePath(Path);
}

String TempFolder()
{
    return ExcludeTrailingPathDelimiter(GetTempDir());
}

void GetEnvironmentList(TStrings& List)
{
    List.BeginUpdate();
    List.Clear();
    for (const String& variable : EnvironmentStrings()) List.Add(variable);
    List.EndUpdate();
}

String WindowsFolder() { return PathForPrefix(ppWindows, false); }
String SystemFolder() { return PathForPrefix(ppSystem, false); }

String TempFileName(const String& Prefix)
{
    return GetTempFileName(Prefix);
}

namespace {

String CurrentVersionValue(const String& Name)
{
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    String key = String("\\SOFTWARE\\Microsoft\\") + (IsWinNT ? "Windows NT" : "Windows") + "\\CurrentVersion";
    if (!registry.OpenKeyReadOnly(key)) return SUnknownValue;
    return registry.ReadString(Name);
}

}  // namespace

String RegisteredOrganization() { return CurrentVersionValue("RegisteredOrganization"); }
String RegisteredOwner() { return CurrentVersionValue("RegisteredOwner"); }

String ComputerName()
{
    String name = GetComputerName();
    return name.IsEmpty() ? String(SUnknownValue) : name;
}

String UserName()
{
    String name = GetUserName();
    return name.IsEmpty() ? String(SUnknownValue) : name;
}

Cardinal SystemLanguageID()
{
    return GetSystemDefaultLCID() & 0xFFFF;
}

String TimeZoneName() { return LocalTimeZoneName(); }
Integer TimeZoneBias() { return LocalTimeZoneBias(); }

String GetLocaleValue(Integer Selector)
{
    static const LCTYPE selectors[28] = {
        LOCALE_ICALENDARTYPE, LOCALE_ICURRDIGITS, LOCALE_ICURRENCY, LOCALE_IDIGITS, LOCALE_IFIRSTDAYOFWEEK,
        LOCALE_IFIRSTWEEKOFYEAR, LOCALE_ILZERO, LOCALE_IMEASURE, LOCALE_INEGCURR, LOCALE_INEGNUMBER,
        LOCALE_ITIME, LOCALE_S1159, LOCALE_S2359, LOCALE_SCURRENCY, LOCALE_SDATE, LOCALE_SDECIMAL,
        LOCALE_SGROUPING, LOCALE_SLIST, LOCALE_SLONGDATE, LOCALE_SMONDECIMALSEP, LOCALE_SMONGROUPING,
        LOCALE_SMONTHOUSANDSEP, LOCALE_SNEGATIVESIGN, LOCALE_SPOSITIVESIGN, LOCALE_SSHORTDATE, LOCALE_STHOUSAND,
        LOCALE_STIME, LOCALE_STIMEFORMAT};
    if (Selector < 0 || Selector > 27) return String();
    return GetLocaleStr(GetThreadLocale(), selectors[Selector], String());
}

Int64 FileSizeOf(const String& FileName)
{
    struct stat info{};
    if (::stat(FileName.ToUtf8().c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return -1;
    return static_cast<Int64>(info.st_size);
}
