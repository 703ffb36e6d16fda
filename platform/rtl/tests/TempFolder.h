#pragma once
// A fresh folder under the system's temp folder, removed with its content at
// the end of the test.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dorvane-test-XXXXXX").string();
        FPath = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(FPath, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Full path of a name inside the folder.
    std::string operator/(const std::string& name) const { return FPath + "/" + name; }
    const std::string& Path() const { return FPath; }
    // Makes a file (and the folders on its way) holding text; gives its path.
    std::string Make(const std::string& name, const std::string& text = "x") const
    {
        std::filesystem::path p = std::filesystem::path(FPath) / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p) << text;
        return p.string();
    }
    // Makes a folder inside; gives its path.
    std::string Folder(const std::string& name) const
    {
        std::filesystem::path p = std::filesystem::path(FPath) / name;
        std::filesystem::create_directories(p);
        return p.string();
    }

private:
    std::string FPath;
};

inline std::string ReadAllBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteAllBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}
