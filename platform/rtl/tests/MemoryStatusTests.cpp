#include "platform/rtl/MemoryStatus.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#include <gtest/gtest.h>

TEST(MemoryStatus, AvailableMemoryIsSomeOfThePhysicalMemory)
{
    const UInt64 physical = static_cast<UInt64>(::sysconf(_SC_PHYS_PAGES)) * static_cast<UInt64>(::sysconf(_SC_PAGESIZE));
    const UInt64 available = AvailableMemory();
    EXPECT_GT(available, 0u);
    EXPECT_LE(available, physical);
}

TEST(MemoryStatus, AvailableMemoryStaysWithinTheAddressSpaceLimit)
{
    // In a child process: its address space limited to 64 MiB above what it maps already.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        const rlim_t room = rlim_t{64} << 20;
        rlimit limit{};
        if (pages == 0 || ::getrlimit(RLIMIT_AS, &limit) != 0) ::_exit(2);
        limit.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + room;
        if (limit.rlim_cur > limit.rlim_max || ::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(2);
        ::_exit(AvailableMemory() <= room ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}
