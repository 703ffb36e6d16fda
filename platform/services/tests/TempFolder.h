#pragma once
// A fresh folder under the temp folder, removed with everything in it at the end of a test.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dorvane-services-XXXXXX").string();
        FPath = mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(FPath); }
    const std::string& Path() const { return FPath; }
    std::string Make(const std::string& name, const std::string& text = "x") const
    {
        std::filesystem::path p = std::filesystem::path(FPath) / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p) << text;
        return p.string();
    }
    std::string Folder(const std::string& name) const
    {
        std::filesystem::path p = std::filesystem::path(FPath) / name;
        std::filesystem::create_directories(p);
        return p.string();
    }

private:
    std::string FPath;
};
