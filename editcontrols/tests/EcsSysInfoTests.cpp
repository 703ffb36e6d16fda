// Which Windows release the version facts and the CurrentVersion registry values name.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editcontrols/EcsSysInfo.h"

namespace {

struct VersionCase {
    Cardinal Platform, Major, Minor, Build;
    const char* ServicePack;
    Byte ProductType;
    std::map<std::string, std::string> Registry;
    Integer Expected;
    bool ServerR2 = false;
    bool NativeX86 = true;
    Cardinal Kernel32 = 0;
};

constexpr Cardinal W9x = VER_PLATFORM_WIN32_WINDOWS, NT = VER_PLATFORM_WIN32_NT;
constexpr Byte WS = VER_NT_WORKSTATION, SRV = VER_NT_SERVER;

TEST(EcsVersion, TheTableOfReleases)
{
    const VersionCase cases[] = {
        {W9x, 4, 0, 950, "", WS, {}, 1},
        {W9x, 4, 0, 1111, " B ", WS, {}, 2},
        {W9x, 4, 10, 1998, "", WS, {}, 3},
        {W9x, 4, 10, 2222, "A", WS, {}, 4},
        {W9x, 4, 10, 2222, "", WS, {}, 5, false, true, 0x0004005A},
        {W9x, 4, 90, 3000, "", WS, {}, 5},
        {W9x, 4, 95, 3000, "", WS, {}, 0},
        {NT, 3, 1, 528, "", WS, {}, 6},
        {NT, 3, 5, 807, "", WS, {}, 7},
        {NT, 3, 51, 1057, "", WS, {}, 8},
        {NT, 3, 2, 1057, "", WS, {}, 0},
        {NT, 4, 0, 1381, "", WS, {}, 9},
        {NT, 5, 0, 2195, "", WS, {}, 10},
        {NT, 5, 1, 2600, "", WS, {}, 11},
        {NT, 5, 2, 3790, "", SRV, {}, 12},
        {NT, 5, 2, 3790, "", WS, {}, 13, false, false},
        {NT, 5, 2, 3790, "", SRV, {}, 14, true},
        {NT, 6, 0, 6000, "", WS, {}, 15},
        {NT, 6, 0, 6000, "", SRV, {}, 16},
        {NT, 6, 1, 7601, "", WS, {}, 17},
        {NT, 6, 1, 7601, "", SRV, {}, 18},
        {NT, 6, 2, 9200, "", WS, {{"ProductName", "Windows 8 Pro"}}, 19},
        {NT, 6, 2, 9200, "", SRV, {{"ProductName", "Windows Server 2012 Standard"}}, 21},
        {NT, 6, 2, 9200, "", WS, {{"ProductName", "Windows 8.1 Pro"}}, 22},
        {NT, 6, 2, 9200, "", SRV, {{"ProductName", "Windows Server 2012 R2 Standard"}}, 24},
        {NT, 6, 2, 9200, "", WS, {{"CurrentVersion", "6.4"}}, 25},
        {NT, 6, 2, 9200, "", WS, {}, 19},   // no registry: the reported minor stands
        {NT, 6, 2, 9200, "", WS, {{"CurrentMajorVersionNumber", "10"}, {"CurrentMinorVersionNumber", "0"},
                                  {"CurrentBuildNumber", "19045"}}, 25},
        {NT, 6, 2, 9200, "", WS, {{"CurrentMajorVersionNumber", "10"}, {"CurrentMinorVersionNumber", "0"},
                                  {"CurrentBuildNumber", "22000"}}, 29},
        {NT, 6, 2, 9200, "", SRV, {{"CurrentMajorVersionNumber", "10"}, {"CurrentMinorVersionNumber", "0"},
                                   {"ReleaseId", "1607"}}, 26},
        {NT, 10, 0, 17763, "", SRV, {{"ReleaseId", "1809"}}, 27},
        {NT, 10, 0, 20348, "", SRV, {}, 28},
        {NT, 10, 0, 22631, "", WS, {}, 29},
        {NT, 10, 0, 19045, "", WS, {{"CurrentMinorVersionNumber", "1"}}, 0},
        {NT, 7, 0, 1, "", WS, {}, 0},
    };
    for (const VersionCase& c : cases) {
        TEcsVersionFacts facts;
        facts.Version.dwPlatformId = c.Platform;
        facts.Version.dwMajorVersion = c.Major;
        facts.Version.dwMinorVersion = c.Minor;
        facts.Version.dwBuildNumber = c.Build;
        facts.Version.szCSDVersion = c.ServicePack;
        facts.Version.wProductType = c.ProductType;
        facts.ServerR2 = c.ServerR2;
        facts.NativeX86 = c.NativeX86;
        facts.Kernel32Version = c.Kernel32;
        facts.ReadCurrentVersion = [&c](const String& name, const String& Default) {
            auto found = c.Registry.find(name.ToUtf8());
            return found == c.Registry.end() ? Default : String(found->second.c_str());
        };
        EXPECT_EQ(DetectWindowsVersion(facts), c.Expected)
            << c.Platform << " " << c.Major << "." << c.Minor << " build " << c.Build;
    }
}

TEST(EcsVersion, TheSystemIsAWindows10Workstation)
{
    EXPECT_EQ(DetectWindowsVersion(), 25);
}

}  // namespace
