// System facts as the library answers them: the fixed Windows 10 workstation version, memory,
// drives, names, locale values and file sizes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>

#include "foundation/StySysIn.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"
#include "platform/rtl/SystemFacts.h"

TEST(StySysInTests, VersionOfAWindows10Workstation)
{
    EXPECT_TRUE(IsWinNT);
    EXPECT_TRUE(IsWin10);
    EXPECT_TRUE(Win7OrLater && Win8OrLater && Win10OrLater);
    EXPECT_FALSE(IsWin7 || IsWin8 || IsWin81);
    EXPECT_EQ(GetOSName(), "Windows 10");
    EXPECT_EQ(GetOSVersionText(), "10.0");
    EXPECT_EQ(GetOSVersionValue(7), 1u);   // workstation
    EXPECT_EQ(GetOSVersionValue(8), 0u);
    EXPECT_EQ(BuildNumber(), GetOSVersionValue(3));
    EXPECT_EQ(FreeSystemResources(1), 100);
    EXPECT_FALSE(FontSmoothingEnabled());
    EXPECT_EQ(ColorDepth(), 32);
    EXPECT_EQ(ProcessorName(586), "Intel Pentium");
    EXPECT_EQ(ProcessorName(4000), "Mips R4000");
    EXPECT_EQ(ProcessorName(8664), "8664");
}

TEST(StySysInTests, MemoryDrivesAndNames)
{
    EXPECT_GT(TotalPhysicalMemory(), 0u);
    EXPECT_LE(AvailPhysicalMemory(), TotalPhysicalMemory());
    EXPECT_LE(MemoryLoad(), 100u);
    EXPECT_GE(ProcessorCount(), 1);

    TStyDriveInfo root;
    GetDriveInfo("/", root);
    EXPECT_GT(root.ditype, 1u);
    EXPECT_GT(root.diTotalSpace, 0);
    EXPECT_GE(root.diFreeSpace, 0);
    EXPECT_EQ(root.diBytesPerSector, 512u);
    TStyDriveInfo none;
    GetDriveInfo("/usr/share/doc", none);   // no mount point: no space read
    EXPECT_EQ(none.ditype, 1u);
    EXPECT_EQ(none.diTotalSpace, 0);
    EXPECT_EQ(DriveTypeName(3), "fixed drive");
    EXPECT_EQ(DriveTypeName(9), "(inconnu)");
    TStringList drives;
    GetDriveList(drives);
    EXPECT_GE(drives.IndexOf("/"), 0);

    EXPECT_EQ(UserName(), GetUserName());
    EXPECT_EQ(ComputerName(), GetComputerName());
    EXPECT_EQ(RegisteredOwner(), "(inconnu)");
    EXPECT_EQ(TempFolder() + "/", GetTempDir());
    const String temp = TempFileName("sys");
    EXPECT_TRUE(FileExists(temp));
    DeleteFile(temp);
    TStringList environment;
    GetEnvironmentList(environment);
    EXPECT_GT(environment.Count(), 0);
}

TEST(StySysInTests, LocaleValuesAndFileSizes)
{
    EXPECT_EQ(GetLocaleValue(15), String::FromChar(FormatSettings.DecimalSeparator));   // SDECIMAL
    EXPECT_FALSE(GetLocaleValue(27).IsEmpty());   // the time format
    EXPECT_EQ(GetLocaleValue(28), "");
    EXPECT_EQ(GetLocaleValue(-1), "");

    const std::string name = (GetTempDir() + "dorvane-size-test").ToUtf8();
    {
        std::ofstream out(name);
        out << "0123456789";
    }
    EXPECT_EQ(FileSizeOf(String(name)), 10);
    ::unlink(name.c_str());
    EXPECT_EQ(FileSizeOf(String(name)), -1);
    EXPECT_EQ(FileSizeOf(GetTempDir()), -1);   // a folder
}
