// Machine and user facts from /proc, the C library and the mount table.
#include "platform/rtl/SystemFacts.h"

#include <mntent.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "platform/rtl/FileSys.h"

extern char** environ;

namespace {

std::map<std::string, UInt64> MemInfo()
{
    std::map<std::string, UInt64> values;
    std::ifstream file("/proc/meminfo");
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream in(line);
        std::string name;
        UInt64 kib = 0;
        if (in >> name >> kib) values[name.substr(0, name.size() - 1)] = kib * 1024;
    }
    return values;
}

struct TMount {
    std::string Dir;
    std::string Type;
};

std::vector<TMount> Mounts()
{
    std::vector<TMount> mounts;
    FILE* table = ::setmntent("/proc/mounts", "r");
    if (!table) return mounts;
    while (mntent* entry = ::getmntent(table)) mounts.push_back({entry->mnt_dir, entry->mnt_type});
    ::endmntent(table);
    return mounts;
}

Cardinal TypeOfFileSystem(const std::string& type)
{
    static const std::map<std::string, Cardinal> types = {
        {"ext2", DRIVE_FIXED}, {"ext3", DRIVE_FIXED}, {"ext4", DRIVE_FIXED}, {"xfs", DRIVE_FIXED},
        {"btrfs", DRIVE_FIXED}, {"zfs", DRIVE_FIXED}, {"f2fs", DRIVE_FIXED}, {"overlay", DRIVE_FIXED},
        {"vfat", DRIVE_REMOVABLE}, {"exfat", DRIVE_REMOVABLE}, {"ntfs", DRIVE_FIXED}, {"ntfs3", DRIVE_FIXED},
        {"fuseblk", DRIVE_FIXED}, {"nfs", DRIVE_REMOTE}, {"nfs4", DRIVE_REMOTE}, {"cifs", DRIVE_REMOTE},
        {"smb3", DRIVE_REMOTE}, {"sshfs", DRIVE_REMOTE}, {"fuse.sshfs", DRIVE_REMOTE}, {"9p", DRIVE_REMOTE},
        {"tmpfs", DRIVE_RAMDISK}, {"ramfs", DRIVE_RAMDISK}, {"iso9660", DRIVE_CDROM}, {"udf", DRIVE_CDROM},
    };
    auto it = types.find(type);
    return it == types.end() ? DRIVE_UNKNOWN : it->second;
}

// Memory file systems the kernel and the session mount for themselves are no user drives.
bool IsUserDrive(const TMount& mount)
{
    Cardinal type = TypeOfFileSystem(mount.Type);
    if (type == DRIVE_UNKNOWN) return false;
    if (type == DRIVE_RAMDISK)
        return mount.Dir == "/tmp" || mount.Dir.rfind("/mnt", 0) == 0 || mount.Dir.rfind("/media", 0) == 0;
    return mount.Dir.rfind("/proc", 0) != 0 && mount.Dir.rfind("/sys", 0) != 0 && mount.Dir.rfind("/dev", 0) != 0 &&
           mount.Dir.rfind("/run", 0) != 0;
}

}  // namespace

bool GlobalMemoryStatusEx(TMemoryStatusEx& status)
{
    std::map<std::string, UInt64> info = MemInfo();
    if (!info.count("MemTotal")) return false;
    status = TMemoryStatusEx();
    status.ullTotalPhys = info["MemTotal"];
    status.ullAvailPhys = info.count("MemAvailable") ? info["MemAvailable"] : info["MemFree"];
    status.ullTotalPageFile = info["SwapTotal"];
    status.ullAvailPageFile = info["SwapFree"];
    status.dwMemoryLoad = status.ullTotalPhys
                              ? static_cast<Cardinal>(100 - status.ullAvailPhys * 100 / status.ullTotalPhys)
                              : 0;
    rlimit limit{};
    const UInt64 userSpace = UInt64(1) << 47;
    status.ullTotalVirtual =
        ::getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY ? limit.rlim_cur : userSpace;
    long pages = 0;
    std::ifstream statm("/proc/self/statm");
    statm >> pages;
    UInt64 used = static_cast<UInt64>(pages) * static_cast<UInt64>(::sysconf(_SC_PAGESIZE));
    status.ullAvailVirtual = used < status.ullTotalVirtual ? status.ullTotalVirtual - used : 0;
    return true;
}

Cardinal NumberOfProcessors()
{
    unsigned count = std::thread::hardware_concurrency();
    return count ? count : 1;
}

std::vector<String> LogicalDriveRoots()
{
    std::vector<String> roots;
    for (const TMount& mount : Mounts())
        if (IsUserDrive(mount)) roots.push_back(IncludeTrailingPathDelimiter(String(mount.Dir)));
    return roots;
}

Cardinal GetDriveType(const String& root)
{
    const std::string dir = ExcludeTrailingPathDelimiter(root).ToUtf8();
    Cardinal type = DRIVE_NO_ROOT_DIR;
    for (const TMount& mount : Mounts())   // the last mount over a folder is the one seen
        if (mount.Dir == (dir.empty() ? "/" : dir)) type = TypeOfFileSystem(mount.Type);
    return type;
}

bool GetDiskFreeSpaceEx(const String& path, Int64& freeToCaller, Int64& total, Int64& totalFree)
{
    struct statvfs fs{};
    if (::statvfs(path.ToUtf8().c_str(), &fs) != 0) return false;
    freeToCaller = static_cast<Int64>(fs.f_bavail) * static_cast<Int64>(fs.f_frsize);
    total = static_cast<Int64>(fs.f_blocks) * static_cast<Int64>(fs.f_frsize);
    totalFree = static_cast<Int64>(fs.f_bfree) * static_cast<Int64>(fs.f_frsize);
    return true;
}

bool GetDiskFreeSpace(const String& path, Cardinal& sectorsPerCluster, Cardinal& bytesPerSector)
{
    struct statvfs fs{};
    if (::statvfs(path.ToUtf8().c_str(), &fs) != 0) return false;
    bytesPerSector = 512;
    sectorsPerCluster = static_cast<Cardinal>(fs.f_frsize / 512 ? fs.f_frsize / 512 : 1);
    return true;
}

String GetUserName()
{
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(4096);
    if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found)
        return String(found->pw_name);
    const char* user = ::getenv("USER");
    return user ? String(user) : String();
}

String GetComputerName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return String();
    return String(name);
}

String LocalTimeZoneName()
{
    ::tzset();
    return String(tzname[0]);
}

Integer LocalTimeZoneBias()
{
    ::tzset();
    return static_cast<Integer>(timezone / 60);
}

std::vector<String> EnvironmentStrings()
{
    std::vector<String> strings;
    for (char** variable = environ; variable && *variable; ++variable) strings.emplace_back(*variable);
    return strings;
}
