#include "platform/rtl/FileSys.h"

#include <fnmatch.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path ToPath(const String& name) { return fs::path(name.ToUtf8()); }
String FromPath(const fs::path& path) { return String(path.string()); }

// 1-based position of the last path delimiter, 0 when none.
int LastDelimiter(const String& s)
{
    for (int i = s.Length(); i >= 1; --i)
        if (s[i] == PathDelim)
            return i;
    return 0;
}

// 1-based position of the extension's dot, 0 when the name part has none.
int ExtensionDot(const String& s)
{
    int delimiter = LastDelimiter(s);
    for (int i = s.Length(); i > delimiter; --i)
        if (s[i] == u'.')
            return i;
    return 0;
}

}  // namespace

bool FileExists(const String& fileName)
{
    std::error_code ec;
    const fs::file_status status = fs::status(ToPath(fileName), ec);
    return !fileName.IsEmpty() && fs::exists(status) && !fs::is_directory(status);
}

bool DirectoryExists(const String& dir)
{
    std::error_code ec;
    return !dir.IsEmpty() && fs::is_directory(ToPath(dir), ec);
}

bool CreateDir(const String& dir)
{
    std::error_code ec;
    return !dir.IsEmpty() && fs::create_directory(ToPath(dir), ec);
}

bool ForceDirectories(const String& dir)
{
    if (dir.IsEmpty())
        return false;
    std::error_code ec;
    fs::create_directories(ToPath(ExcludeTrailingPathDelimiter(dir)), ec);
    return DirectoryExists(dir);
}

bool RemoveDir(const String& dir)
{
    return DirectoryExists(dir) && ::rmdir(dir.ToUtf8().c_str()) == 0;
}

bool DeleteFile(const String& fileName)
{
    return FileExists(fileName) && ::unlink(fileName.ToUtf8().c_str()) == 0;
}

bool RenameFile(const String& oldName, const String& newName)
{
    // Never replaces an existing file.
    std::error_code ec;
    if (fs::exists(ToPath(newName), ec))
        return false;
    return ::rename(oldName.ToUtf8().c_str(), newName.ToUtf8().c_str()) == 0;
}

String ExtractFilePath(const String& fileName) { return Copy(fileName, 1, LastDelimiter(fileName)); }

String ExtractFileDir(const String& fileName)
{
    int delimiter = LastDelimiter(fileName);
    return Copy(fileName, 1, delimiter > 1 ? delimiter - 1 : delimiter);
}

String ExtractFileName(const String& fileName) { return Copy(fileName, LastDelimiter(fileName) + 1); }

String ExtractFileExt(const String& fileName)
{
    int dot = ExtensionDot(fileName);
    return dot > 0 ? Copy(fileName, dot) : String();
}

String ChangeFileExt(const String& fileName, const String& extension)
{
    int dot = ExtensionDot(fileName);
    return (dot > 0 ? Copy(fileName, 1, dot - 1) : fileName) + extension;
}

String IncludeTrailingPathDelimiter(const String& path)
{
    return !path.IsEmpty() && path[path.Length()] == PathDelim ? path : path + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& path)
{
    return !path.IsEmpty() && path[path.Length()] == PathDelim ? Copy(path, 1, path.Length() - 1) : path;
}

String ExpandFileName(const String& fileName)
{
    if (fileName.IsEmpty())
        return String();
    std::error_code ec;
    String result = FromPath(fs::absolute(ToPath(fileName), ec).lexically_normal());
    // "dir/" names a folder and keeps its delimiter; "dir/." does not.
    const bool folder = fileName[fileName.Length()] == PathDelim;
    return folder || result == "/" ? result : ExcludeTrailingPathDelimiter(result);
}

String GetCurrentDir()
{
    std::error_code ec;
    return FromPath(fs::current_path(ec));
}

bool SetCurrentDir(const String& dir) { return ::chdir(dir.ToUtf8().c_str()) == 0; }

String ProgramFileName()
{
    std::error_code ec;
    return FromPath(fs::read_symlink("/proc/self/exe", ec));
}

String ProgramDir() { return ExtractFilePath(ProgramFileName()); }

namespace {
// The arguments the kernel keeps for the process, each ended by a zero byte.
const std::vector<String>& CommandLine()
{
    static const std::vector<String> args = [] {
        std::vector<String> out;
        std::ifstream in("/proc/self/cmdline", std::ios::binary);
        std::string arg;
        while (std::getline(in, arg, '\0'))
            out.push_back(String(arg));
        return out;
    }();
    return args;
}
}  // namespace

Integer ParamCount() { return std::max<Integer>(0, static_cast<Integer>(CommandLine().size()) - 1); }

String ParamStr(Integer index)
{
    if (index == 0) return ProgramFileName();
    if (index < 0 || index >= static_cast<Integer>(CommandLine().size())) return String();
    return CommandLine()[index];
}

String GetTempDir()
{
    const char* tmp = ::getenv("TMPDIR");
    return IncludeTrailingPathDelimiter(String(tmp && *tmp ? tmp : "/tmp"));
}

String GetTempFileName(const String& prefix)
{
    std::string pattern = (GetTempDir() + prefix + "XXXXXX").ToUtf8();
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return String();
    ::close(fd);
    return String(pattern);
}

namespace {

String HomeDir()
{
    const char* home = ::getenv("HOME");
    return String(home && *home ? home : "/");
}

// The folder a base-directory variable names, else the fallback.
String XdgDir(const char* variable, const String& fallback)
{
    const char* value = ::getenv(variable);
    if (value && value[0] == '/') return IncludeTrailingPathDelimiter(String(value));
    return IncludeTrailingPathDelimiter(fallback);
}

}  // namespace

String UserConfigDir() { return XdgDir("XDG_CONFIG_HOME", IncludeTrailingPathDelimiter(HomeDir()) + ".config"); }
String UserDataDir() { return XdgDir("XDG_DATA_HOME", IncludeTrailingPathDelimiter(HomeDir()) + ".local/share"); }
String UserRuntimeDir() { return XdgDir("XDG_RUNTIME_DIR", GetTempDir()); }

bool SameFileName(const String& a, const String& b)
{
    std::error_code ecA, ecB;
    fs::path pa = fs::weakly_canonical(fs::absolute(ToPath(a), ecA), ecA);
    fs::path pb = fs::weakly_canonical(fs::absolute(ToPath(b), ecB), ecB);
    if (ecA || ecB)
        return ExpandFileName(a) == ExpandFileName(b);
    return pa == pb;
}

String NativePath(const String& storedName)
{
    const String converted = StringReplace(storedName, "\\", "/", rfReplaceAll);
    std::error_code ec;
    if (converted.IsEmpty() || fs::exists(ToPath(converted), ec))
        return converted;

    // Walk the parts from the root (or the current folder), taking at each
    // step the exact name when it exists, else the first name in sorted
    // order that matches without regard to case.
    const fs::path wanted = ToPath(converted);
    fs::path found = wanted.is_absolute() ? wanted.root_path() : fs::path();
    for (const fs::path& part : wanted.relative_path()) {
        fs::path exact = found / part;
        if (part == "." || part == ".." || fs::exists(exact, ec)) {
            found = exact;
            continue;
        }
        std::vector<fs::path> matches;
        for (const auto& entry : fs::directory_iterator(found.empty() ? fs::path(".") : found, ec))
            if (AnsiSameText(FromPath(entry.path().filename()), FromPath(part)))
                matches.push_back(entry.path().filename());
        if (matches.empty())
            return converted;
        found /= *std::min_element(matches.begin(), matches.end());
    }
    return FromPath(found);
}

Integer FindFirst(const String& path, Integer attr, TSearchRec& rec)
{
    (void)attr;
    rec = TSearchRec();
    const String native = NativePath(path);
    const std::string folder = ExtractFileDir(native).ToUtf8(), pattern = ExtractFileName(native).ToUtf8();
    std::error_code error;
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder.empty() ? "." : folder, error)) {
        const std::string name = entry.path().filename().string();
        if (fnmatch(pattern.c_str(), name.c_str(), FNM_PERIOD) == 0) names.push_back(entry.path().string());
    }
    std::sort(names.begin(), names.end(), std::greater<>());   // taken from the back
    for (const std::string& n : names) rec.Pending.push_back(n);
    return FindNext(rec);
}

Integer FindNext(TSearchRec& rec)
{
    if (rec.Pending.empty()) return 2;
    const fs::path p(rec.Pending.back().ToUtf8());
    rec.Pending.pop_back();
    std::error_code error;
    rec.Name = p.filename().string();
    rec.Attr = fs::is_directory(p, error) ? faDirectory : 0;
    rec.Size = rec.Attr ? 0 : static_cast<Int64>(fs::file_size(p, error));
    return 0;
}

void FindClose(TSearchRec& rec) { rec = TSearchRec(); }
