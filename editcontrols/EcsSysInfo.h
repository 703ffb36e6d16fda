#pragma once
// Which Windows release the system reports itself as, from its version facts and the values of
// the registry key SOFTWARE\Microsoft\Windows NT\CurrentVersion.  The layer answers a Windows 10
// workstation (25).
#include <functional>

#include "platform/services/SysInfo.h"

struct TEcsVersionFacts {
    TOSVersionInfoEx Version;
    bool ServerR2 = false;             // the system metric of a Server 2003 R2
    bool NativeX86 = true;             // the processor runs x86 code natively
    Cardinal Kernel32Version = 0;      // product version of kernel32 on the Windows 9x platform
    // A value of the CurrentVersion key as text, the default when it is missing.
    std::function<String(const String& Name, const String& Default)> ReadCurrentVersion;
};

// The system's facts: the layer's version answer and the registry through the program's store.
TEcsVersionFacts SystemVersionFacts();

// 1 95, 2 95 OSR2, 3 98, 4 98 SE, 5 ME, 6-8 NT 3.1/3.5/3.51, 9 NT 4.0, 10 2000, 11 XP, 12 Server
// 2003, 13 XP x64, 14 Server 2003 R2, 15/16 Vista/Server 2008, 17/18 7/Server 2008 R2, 19/21
// 8/Server 2012, 22/24 8.1/Server 2012 R2, 25 10, 26 Server 2016, 27 Server 2019, 28 a later
// server, 29 11; 0 for anything else.
Integer DetectWindowsVersion(const TEcsVersionFacts& Facts);
Integer DetectWindowsVersion();
