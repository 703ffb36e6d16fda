#pragma once
// Questions about the machine, the system and the user: version and name of the system, memory,
// processors, drives, folders, environment, owner, computer and user names, locale values and the
// time zone, and the size of a file.
#include "platform/rtl/Lists.h"
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// Version flags of the system, set once from the version the platform reports.
extern const bool IsWinNT, IsWin7, IsWin8, IsWin81, IsWin10, Win7OrLater, Win8OrLater, Win10OrLater;

struct TStyDriveInfo {
    Cardinal ditype = 0;
    Int64 diTotalSpace = 0;
    Int64 diFreeSpace = 0;
    Cardinal diSectorsPerCluster = 0;
    Cardinal diBytesPerSector = 0;
};

bool FontSmoothingEnabled();
Byte ColorDepth();
void ScreenSaverTimeout(Integer& Minutes, Integer& Seconds);
bool NumLockOn();
bool CapsLockOn();
bool ScrollLockOn();

// Selector 0 .. 7: major, minor, platform id, build, service-pack major and minor, suite mask,
// product type; 0 for others.
Cardinal GetOSVersionValue(Integer Selector);
String GetOSName();
String GetOSVersionText();   // "major.minor"
Cardinal BuildNumber();

Cardinal MemoryLoad();
UInt64 TotalPhysicalMemory();
UInt64 AvailPhysicalMemory();
UInt64 TotalPageFile();
UInt64 AvailPageFile();
UInt64 TotalVirtualMemory();
UInt64 AvailVirtualMemory();
UInt64 AvailExtendedVirtual();
Byte ProcessorCount();
String ProcessorName(Integer ProcessorType);
// The free share of system resources: 100, there is no such limit.
Integer FreeSystemResources(Integer Selector);

// The drive type of root and, for types above 1, its total and free space (-1 when unknown) and
// its block size as sectors.
void GetDriveInfo(const String& Root, TStyDriveInfo& Info);
void GetDriveList(TStrings& List);   // the mount points of the user's drives
String DriveTypeName(Cardinal DriveType);
// The path with every component as it is found on disk (letter case of the stored name).
String LongPathName(const String& Path);
String TempFolder();                 // without trailing separator
void GetEnvironmentList(TStrings& List);
String WindowsFolder();
String SystemFolder();
String TempFileName(const String& Prefix);   // empty on failure
String RegisteredOrganization();
String RegisteredOwner();
String ComputerName();
String UserName();
Cardinal SystemLanguageID();
String TimeZoneName();
Integer TimeZoneBias();
// The locale text of selector 0 .. 27 (calendar type ... time format); empty for others.
String GetLocaleValue(Integer Selector);
// -1 for a missing file or a folder.
Int64 FileSizeOf(const String& FileName);
