#pragma once
// Shared by the standard controls' tests: where their screenshots go.
#include <filesystem>
#include <string>

#include "platform/rtl/UString.h"

// build/screenshots/<name>.png of the build tree the test runs from.
inline String ScreenshotFile(const std::string& name)
{
    std::filesystem::path dir = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    while (dir.has_parent_path() && dir != dir.root_path() && !std::filesystem::exists(dir / "CMakeCache.txt"))
        dir = dir.parent_path();
    std::filesystem::create_directories(dir / "screenshots");
    return String((dir / "screenshots" / (name + ".png")).string());
}
