#include <gtest/gtest.h>

#include "platform/rtl/FileSys.h"
#include "platform/services/FileCompletion.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

std::vector<String> Names(std::initializer_list<std::string> names, const std::string& prefix)
{
    std::vector<String> r;
    for (const std::string& n : names) r.emplace_back(prefix + n);
    return r;
}

}  // namespace

TEST(FileCompletion, ListsMatchingFilesAndFolders)
{
    TempFolder tmp;
    tmp.Make("Dam1.dam");
    tmp.Make("dam2.dam");
    tmp.Make(".damrc");
    tmp.Folder("Dams");
    tmp.Make("report.txt");
    std::string base = tmp.Path() + "/";
    struct Case { std::string typed; TCompletionKind kind; std::vector<String> expected; };
    const Case cases[] = {
        {base + "da", TCompletionKind::ckFilesAndFolders, Names({"Dam1.dam", "dam2.dam", "Dams"}, base)},
        {base + "DAM", TCompletionKind::ckFoldersOnly, Names({"Dams"}, base)},
        {base + ".d", TCompletionKind::ckFilesAndFolders, Names({".damrc"}, base)},
        {base, TCompletionKind::ckFilesAndFolders, Names({"Dam1.dam", "dam2.dam", "Dams", "report.txt"}, base)},
        {base + "x", TCompletionKind::ckFilesAndFolders, {}},
        {base + "missing/d", TCompletionKind::ckFilesAndFolders, {}},
        {"", TCompletionKind::ckFilesAndFolders, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(CompleteFileName(c.typed, c.kind), c.expected) << c.typed;
}

TEST(FileCompletion, RelativeNamesCompleteInTheCurrentFolder)
{
    TempFolder tmp;
    tmp.Make("sub/inner.dam");
    tmp.Make("sample.dam");
    String saved = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(String(tmp.Path())));
    EXPECT_EQ(CompleteFileName("s", TCompletionKind::ckFilesAndFolders), Names({"sample.dam", "sub"}, ""));
    EXPECT_EQ(CompleteFileName("sub/i", TCompletionKind::ckFilesAndFolders), Names({"inner.dam"}, "sub/"));
    SetCurrentDir(saved);
}
