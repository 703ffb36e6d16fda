#include "platform/services/FileCompletion.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

bool StartsWithText(const String& s, const String& start)
{
    return s.Length() >= start.Length() && AnsiSameText(Copy(s, 1, start.Length()), start);
}

}  // namespace

std::vector<String> CompleteFileName(const String& typed, TCompletionKind kind)
{
    std::vector<String> result;
    if (typed.IsEmpty()) return result;
    const std::u16string_view t = typed.u16();
    size_t slash = t.rfind(u'/');
    String folder = slash == std::u16string::npos ? String() : String(t.substr(0, slash + 1));
    String start = slash == std::u16string::npos ? typed : String(t.substr(slash + 1));
    bool hidden = !start.IsEmpty() && start[1] == u'.';

    std::error_code ec;
    std::filesystem::path dir = folder.IsEmpty() ? std::filesystem::path(".") : std::filesystem::path(folder.ToUtf8());
    std::filesystem::directory_iterator it(dir, std::filesystem::directory_options::skip_permission_denied, ec);
    if (ec) return result;
    for (const auto& entry : it) {
        String name(entry.path().filename().string());
        if (name[1] == u'.' && !hidden) continue;
        if (!StartsWithText(name, start)) continue;
        if (kind == TCompletionKind::ckFoldersOnly && !entry.is_directory(ec)) continue;
        result.push_back(name);
    }
    std::sort(result.begin(), result.end(), [](const String& a, const String& b) {
        int c = AnsiCompareText(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    for (String& name : result) name = folder + name;
    return result;
}
