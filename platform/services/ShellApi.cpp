#include "platform/services/ShellApi.h"

#include <algorithm>
#include <cerrno>

#include "platform/rtl/FileSys.h"
#include "platform/services/Process.h"
#include "platform/services/ServicesBackend.h"

namespace {

bool IsAddress(const String& file)
{
    return Pos("://", file) > 0 || SameText(Copy(file, 1, 7), "mailto:");
}

}  // namespace

Integer ShellExecute(TWindowHandle*, const String& verb, const String& file, const String&,
                     const String& directory, Integer)
{
    if (!verb.IsEmpty() && !SameText(verb, "open")) return SE_ERR_NOASSOC;
    String target = file;
    if (!IsAddress(file)) {
        target = NativePath(file);
        if (!target.IsEmpty() && target[1] != PathDelim && !directory.IsEmpty())
            target = IncludeTrailingPathDelimiter(NativePath(directory)) + target;
        if (!FileExists(target) && !DirectoryExists(target))
            return DirectoryExists(ExtractFileDir(ExpandFileName(target))) ? SE_ERR_FNF : SE_ERR_PNF;
        target = ExpandFileName(target);
    }
    switch (StartProcess({"xdg-open", target})) {
    case 0: return SE_OK;
    case EACCES: return SE_ERR_ACCESSDENIED;
    default: return SE_ERR_NOASSOC;
    }
}

void DragAcceptFiles(TWindowHandle* window, bool accept)
{
    if (window) ServicesBackend().AcceptDroppedFiles(window, accept);
}

Cardinal DragQueryFile(HDROP drop, Cardinal index, char16_t* buffer, Cardinal size)
{
    if (!drop) return 0;
    if (index == 0xFFFFFFFF) return Cardinal(drop->Files.size());
    if (index >= drop->Files.size()) return 0;
    const std::u16string_view name = drop->Files[index].u16();
    if (!buffer) return Cardinal(name.size());
    if (size == 0) return 0;
    Cardinal n = std::min<Cardinal>(Cardinal(name.size()), size - 1);
    name.copy(buffer, n);
    buffer[n] = u'\0';
    return n;
}

bool DragQueryPoint(HDROP drop, TPoint& point)
{
    if (!drop) return false;
    point = drop->Point;
    return drop->InClient;
}

void DragFinish(HDROP drop)
{
    if (drop) drop->Files.clear();
}

std::vector<String> FilesFromUriList(const std::string& uriList)
{
    auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    std::vector<String> files;
    size_t start = 0;
    while (start < uriList.size()) {
        size_t end = uriList.find('\n', start);
        if (end == std::string::npos) end = uriList.size();
        std::string line = uriList.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("file://", 0) != 0) continue;   // also skips "#" comments
        std::string rest = line.substr(7);
        size_t slash = rest.find('/');                 // "file://host/path": the host is dropped
        if (slash == std::string::npos) continue;
        std::string path;
        for (size_t i = slash; i < rest.size(); ++i) {
            if (rest[i] == '%' && i + 2 < rest.size() && hex(rest[i + 1]) >= 0 && hex(rest[i + 2]) >= 0) {
                path += char(hex(rest[i + 1]) * 16 + hex(rest[i + 2]));
                i += 2;
            } else {
                path += rest[i];
            }
        }
        files.emplace_back(path);
    }
    return files;
}
