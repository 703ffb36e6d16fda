// Machine and user facts against what the system says through other ways.
#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "platform/rtl/SystemFacts.h"

TEST(SystemFactsTests, MemoryStatusHoldsTogether)
{
    TMemoryStatusEx status;
    ASSERT_TRUE(GlobalMemoryStatusEx(status));
    EXPECT_GT(status.ullTotalPhys, 0u);
    EXPECT_LE(status.ullAvailPhys, status.ullTotalPhys);
    EXPECT_LE(status.ullAvailPageFile, status.ullTotalPageFile);
    EXPECT_LE(status.dwMemoryLoad, 100u);
    EXPECT_LE(status.ullAvailVirtual, status.ullTotalVirtual);
    EXPECT_GE(NumberOfProcessors(), 1u);
}

TEST(SystemFactsTests, TheRootIsAFixedDriveWithSpace)
{
    std::vector<String> roots = LogicalDriveRoots();
    EXPECT_NE(std::find(roots.begin(), roots.end(), String("/")), roots.end());
    for (const String& root : roots) EXPECT_EQ(root[root.Length()], u'/') << root;
    EXPECT_NE(GetDriveType("/"), DRIVE_NO_ROOT_DIR);
    EXPECT_EQ(GetDriveType("/usr/share/doc/"), DRIVE_NO_ROOT_DIR);
    Int64 free = 0, total = 0, totalFree = 0;
    ASSERT_TRUE(GetDiskFreeSpaceEx("/", free, total, totalFree));
    EXPECT_GT(total, 0);
    EXPECT_LE(free, totalFree);
    EXPECT_LE(totalFree, total);
    EXPECT_FALSE(GetDiskFreeSpaceEx("/no/such/folder", free, total, totalFree));
}

TEST(SystemFactsTests, UserHostTimeZoneAndEnvironment)
{
    EXPECT_EQ(GetUserName(), String(::getpwuid(::geteuid())->pw_name));
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    EXPECT_EQ(GetComputerName(), String(host));

    ::setenv("TZ", "EST5EDT", 1);
    EXPECT_EQ(LocalTimeZoneName(), "EST");
    EXPECT_EQ(LocalTimeZoneBias(), 300);
    ::setenv("TZ", "UTC0", 1);
    EXPECT_EQ(LocalTimeZoneBias(), 0);
    ::unsetenv("TZ");

    ::setenv("DORVANE_FACT", "dam=1", 1);
    std::vector<String> environment = EnvironmentStrings();
    EXPECT_NE(std::find(environment.begin(), environment.end(), String("DORVANE_FACT=dam=1")), environment.end());
    ::unsetenv("DORVANE_FACT");
}
