#include "platform/rtl/MemoryStatus.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <limits>
#include <string>

namespace {

constexpr UInt64 Unlimited = std::numeric_limits<UInt64>::max();

// The first number of a file; false when the file or the number is missing ("max" included).
bool NumberInFile(const char* name, UInt64& value)
{
    std::ifstream in(name);
    return static_cast<bool>(in >> value);
}

// "MemAvailable:" of /proc/meminfo, in bytes; the free pages when the kernel does not say.
UInt64 SystemAvailable()
{
    std::ifstream in("/proc/meminfo");
    std::string key;
    UInt64 kilobytes = 0;
    while (in >> key >> kilobytes) {
        if (key == "MemAvailable:") return kilobytes * 1024;
        in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    const long pages = ::sysconf(_SC_AVPHYS_PAGES), pageSize = ::sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? static_cast<UInt64>(pages) * static_cast<UInt64>(pageSize) : 0;
}

// What the control group of the process still allows (version 2, then version 1).
UInt64 GroupAvailable()
{
    UInt64 limit = 0, used = 0;
    if ((NumberInFile("/sys/fs/cgroup/memory.max", limit) && NumberInFile("/sys/fs/cgroup/memory.current", used)) ||
        (NumberInFile("/sys/fs/cgroup/memory/memory.limit_in_bytes", limit) &&
         NumberInFile("/sys/fs/cgroup/memory/memory.usage_in_bytes", used)))
        return limit > used ? limit - used : 0;
    return Unlimited;
}

// What the address-space limit leaves beside the mappings the process holds.
UInt64 AddressSpaceAvailable()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return Unlimited;
    UInt64 pages = 0;
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (!NumberInFile("/proc/self/statm", pages) || pageSize <= 0) return 0;
    const UInt64 mapped = pages * static_cast<UInt64>(pageSize);
    return limit.rlim_cur > mapped ? limit.rlim_cur - mapped : 0;
}

}  // namespace

UInt64 AvailableMemory()
{
    return std::min({SystemAvailable(), GroupAvailable(), AddressSpaceAvailable()});
}
