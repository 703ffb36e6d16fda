#include <gtest/gtest.h>

#include "platform/backend/qt/QtServices.h"
#include "platform/rtl/tests/TempFolder.h"
#include "platform/services/ShellIcons.h"

namespace {

// Pixels an icon actually covers (alpha above zero).
Integer Covered(TBitmap& icon)
{
    Integer n = 0;
    for (Integer y = 0; y < icon.Height(); ++y) {
        const auto* row = reinterpret_cast<const Cardinal*>(icon.ScanLine(y));
        for (Integer x = 0; x < icon.Width(); ++x) n += (row[x] >> 24) != 0;
    }
    return n;
}

TEST(ShellIcons, FoldersFilesAndFileTypesHaveIconsOfTheListsSize)
{
    InitQtServices();
    TempFolder folder;
    const String file(folder.Make("model.dam").c_str());
    struct Case {
        String name;
        bool large;
    } cases[] = {{String(folder.Path().c_str()), false}, {file, false}, {".pdf", true}, {"report.txt", false}};
    for (const Case& c : cases) {
        TBitmap icon;
        ASSERT_TRUE(GetShellIcon(c.name, c.large, icon)) << c.name;
        EXPECT_EQ(icon.Width(), ShellIconSize(c.large)) << c.name;
        EXPECT_EQ(icon.Height(), ShellIconSize(c.large)) << c.name;
        EXPECT_GT(Covered(icon), 0) << c.name;
    }
    EXPECT_EQ(ShellIconSize(false), 16);
    EXPECT_EQ(ShellIconSize(true), 32);
}

}  // namespace
