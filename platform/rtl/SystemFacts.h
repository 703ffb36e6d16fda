#pragma once
// Facts about the machine and the user from the system: memory, processors, mounted drives with
// their space, user, host, time zone.  Read afresh at every call.
#include <vector>

#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// The memory status record of the platform, from /proc/meminfo: physical memory and swap (the
// page file); the address space is the process's limit (or the 47-bit user space).
struct TMemoryStatusEx {
    Cardinal dwMemoryLoad = 0;   // percent of physical memory in use
    UInt64 ullTotalPhys = 0;
    UInt64 ullAvailPhys = 0;
    UInt64 ullTotalPageFile = 0;
    UInt64 ullAvailPageFile = 0;
    UInt64 ullTotalVirtual = 0;
    UInt64 ullAvailVirtual = 0;
    UInt64 ullAvailExtendedVirtual = 0;
};
bool GlobalMemoryStatusEx(TMemoryStatusEx& status);

Cardinal NumberOfProcessors();

// Drive types of the platform; mount points of real file systems are fixed drives, network file
// systems remote drives, memory file systems RAM disks, optical media CD-ROMs.
enum : Cardinal {
    DRIVE_UNKNOWN = 0, DRIVE_NO_ROOT_DIR = 1, DRIVE_REMOVABLE = 2, DRIVE_FIXED = 3, DRIVE_REMOTE = 4,
    DRIVE_CDROM = 5, DRIVE_RAMDISK = 6
};
// The mount points of the drives the user works on (real, network and memory file systems, not
// the kernel's own ones), each with a trailing "/".
std::vector<String> LogicalDriveRoots();
// DRIVE_NO_ROOT_DIR for a path that is no mount point.
Cardinal GetDriveType(const String& root);
// Sizes in bytes of the file system holding path; false when it cannot be asked.
bool GetDiskFreeSpaceEx(const String& path, Int64& freeToCaller, Int64& total, Int64& totalFree);
// Block size of that file system as sectors of 512 bytes.
bool GetDiskFreeSpace(const String& path, Cardinal& sectorsPerCluster, Cardinal& bytesPerSector);

// The logged-on user's login name and the host name; empty when the system cannot tell.
String GetUserName();
String GetComputerName();

// The time zone's standard name ("CET", "UTC") and its bias in minutes (UTC = local + bias).
String LocalTimeZoneName();
Integer LocalTimeZoneBias();

// "NAME=value" for every variable of the environment.
std::vector<String> EnvironmentStrings();
