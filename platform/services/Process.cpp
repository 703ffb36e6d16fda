#include "platform/services/Process.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <thread>

extern char** environ;

namespace {

bool IsExecutableFile(const std::string& path)
{
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

int SpawnDetached(const std::vector<String>& argv, const String& directory)
{
    if (argv.empty()) return EINVAL;
    std::vector<std::string> args;
    for (const String& a : argv) args.push_back(a.ToUtf8());
    std::vector<char*> raw;
    for (std::string& a : args) raw.push_back(a.data());
    raw.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    std::string dir = directory.ToUtf8();
    if (!dir.empty()) posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);   // not tied to our terminal
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, raw[0], &actions, &attr, raw.data(), environ);
    posix_spawnattr_destroy(&attr);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return rc;
    std::thread([pid] { waitpid(pid, nullptr, 0); }).detach();
    return 0;
}

TProcessStarter& Starter()
{
    static TProcessStarter starter = SpawnDetached;
    return starter;
}

}  // namespace

int StartProcess(const std::vector<String>& argv, const String& directory)
{
    if (argv.empty()) return EINVAL;
    return Starter()(argv, directory);
}

TProcessStarter SetProcessStarter(TProcessStarter starter)
{
    TProcessStarter previous = Starter();
    Starter() = starter ? std::move(starter) : TProcessStarter(SpawnDetached);
    return previous;
}

String FindProgram(const String& name)
{
    std::string n = name.ToUtf8();
    if (n.empty()) return String();
    if (n.find('/') != std::string::npos) return IsExecutableFile(n) ? name : String();
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        // An empty entry of PATH stands for the current folder.
        std::string candidate = end > start ? dirs.substr(start, end - start) : std::string(".");
        candidate += '/';
        candidate += n;
        if (IsExecutableFile(candidate)) return String(candidate);
        start = end + 1;
    }
    return String();
}

String DesktopCalculator()
{
    for (const char* name : {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk",
                             "qalculate-qt", "xcalc"}) {
        String found = FindProgram(name);
        if (!found.IsEmpty()) return found;
    }
    return String();
}

bool StartDesktopCalculator()
{
    String calculator = DesktopCalculator();
    return !calculator.IsEmpty() && StartProcess({calculator}) == 0;
}
