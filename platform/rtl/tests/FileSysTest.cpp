#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "platform/rtl/FileSys.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

// Runs a test body with the current folder switched, restoring it after.
class CurrentDirScope {
public:
    explicit CurrentDirScope(const String& dir) : FSaved(GetCurrentDir()) { SetCurrentDir(dir); }
    ~CurrentDirScope() { SetCurrentDir(FSaved); }

private:
    String FSaved;
};

}  // namespace

TEST(FileSys, NameParts)
{
    struct Case {
        String Name, Path, Dir, FileName, Ext, ChangedToDam;
    };
    const Case cases[] = {
        {"/home/ana/barrage.v1.dam", "/home/ana/", "/home/ana", "barrage.v1.dam", ".dam", "/home/ana/barrage.v1.dam"},
        {"/data.dir/model", "/data.dir/", "/data.dir", "model", "", "/data.dir/model.dam"},
        {"model.txt", "", "", "model.txt", ".txt", "model.dam"},
        {"/top", "/", "/", "top", "", "/top.dam"},
        {"dir/", "dir/", "dir", "", "", "dir/.dam"},
        {".hidden", "", "", ".hidden", ".hidden", ".dam"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFilePath(c.Name), c.Path) << c.Name;
        EXPECT_EQ(ExtractFileDir(c.Name), c.Dir) << c.Name;
        EXPECT_EQ(ExtractFileName(c.Name), c.FileName) << c.Name;
        EXPECT_EQ(ExtractFileExt(c.Name), c.Ext) << c.Name;
        EXPECT_EQ(ChangeFileExt(c.Name, ".dam"), c.ChangedToDam) << c.Name;
    }
    EXPECT_EQ(ChangeFileExt("a.txt", ""), "a");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a"), "/a");
}

TEST(FileSys, ExpandFileNameResolvesByName)
{
    TempFolder dir;
    CurrentDirScope scope(String(dir.Path()));
    const String base = GetCurrentDir();
    EXPECT_EQ(ExpandFileName("a/b/../c.txt"), base + "/a/c.txt");
    EXPECT_EQ(ExpandFileName("./x/"), base + "/x/");
    EXPECT_EQ(ExpandFileName("x/."), base + "/x");
    EXPECT_EQ(ExpandFileName("/usr//lib/../bin"), "/usr/bin");
    EXPECT_EQ(ExpandFileName("/"), "/");
    EXPECT_EQ(ExpandFileName(""), "");
}

TEST(FileSys, FilesAndFolders)
{
    TempFolder dir;
    const String root = String(dir.Path()) + "/";
    EXPECT_TRUE(ForceDirectories(root + "a/b/c/"));
    EXPECT_TRUE(DirectoryExists(root + "a/b/c"));
    EXPECT_TRUE(ForceDirectories(root + "a/b"));   // already there
    EXPECT_FALSE(CreateDir(root + "a"));
    EXPECT_FALSE(CreateDir(root + "x/y"));          // one level only
    EXPECT_TRUE(CreateDir(root + "x"));

    WriteAllBytes(dir / "a/f.txt", "1");
    EXPECT_TRUE(FileExists(root + "a/f.txt"));
    EXPECT_FALSE(FileExists(root + "a"));           // a folder is no file
    EXPECT_FALSE(DirectoryExists(root + "a/f.txt"));
    EXPECT_FALSE(FileExists(""));

    WriteAllBytes(dir / "a/g.txt", "2");
    EXPECT_FALSE(RenameFile(root + "a/f.txt", root + "a/g.txt"));   // never replaces
    EXPECT_TRUE(RenameFile(root + "a/f.txt", root + "a/h.txt"));
    EXPECT_TRUE(DeleteFile(root + "a/h.txt"));
    EXPECT_FALSE(DeleteFile(root + "a/h.txt"));
    EXPECT_FALSE(DeleteFile(root + "a"));
    EXPECT_FALSE(RemoveDir(root + "a"));            // not empty
    EXPECT_TRUE(RemoveDir(root + "x"));
}

TEST(FileSys, SameFileThroughTwoSpellingsIsEqualButCaseDiffers)
{
    TempFolder dir;
    const String root = String(dir.Path()) + "/";
    ForceDirectories(root + "models/old");
    WriteAllBytes(dir / "models/Dam.dam", "x");
    std::filesystem::create_symlink(dir / "models", dir / "link");
    CurrentDirScope scope(root + "models/old");

    struct Case {
        String A, B;
        bool Same;
    };
    const Case cases[] = {
        {root + "models/Dam.dam", root + "models/old/../Dam.dam", true},
        {root + "models/Dam.dam", root + "./models//Dam.dam", true},
        {root + "models/Dam.dam", "../Dam.dam", true},
        {root + "models/Dam.dam", root + "link/Dam.dam", true},
        {root + "models/Dam.dam", root + "models/dam.dam", false},
        {root + "models/Dam.dam", root + "models/DAM.DAM", false},
        {root + "models/New.dam", "../New.dam", true},    // not existing yet
        {root + "models/New.dam", root + "models/new.dam", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SameFileName(c.A, c.B), c.Same) << c.A << " | " << c.B;
}

TEST(FileSys, NativePathConvertsAndFindsNamesWithoutRegardToCase)
{
    TempFolder dir;
    const String root = String(dir.Path()) + "/";
    ForceDirectories(root + "Images/Icons");
    WriteAllBytes(dir / "Images/Icons/Dam.bmp", "x");
    WriteAllBytes(dir / "Images/exact.bmp", "y");

    EXPECT_EQ(NativePath(root + "images\\icons\\DAM.BMP"), root + "Images/Icons/Dam.bmp");
    EXPECT_EQ(NativePath(root + "Images\\exact.bmp"), root + "Images/exact.bmp");
    EXPECT_EQ(NativePath(root + "images\\missing.bmp"), root + "images/missing.bmp");
    {
        CurrentDirScope scope(root);
        EXPECT_EQ(NativePath("IMAGES\\ICONS\\dam.bmp"), "Images/Icons/Dam.bmp");
    }
    EXPECT_EQ(NativePath(""), "");
}

TEST(FileSys, ProgramAndTempFolders)
{
    const String dir = ProgramDir();
    ASSERT_FALSE(dir.IsEmpty());
    EXPECT_EQ(dir[dir.Length()], u'/');
    EXPECT_EQ(dir + ExtractFileName(ProgramFileName()), ProgramFileName());
    EXPECT_TRUE(FileExists(ProgramFileName()));

    const String temp = GetTempDir();
    EXPECT_EQ(temp[temp.Length()], u'/');
    const String a = GetTempFileName("rtl");
    const String b = GetTempFileName("rtl");
    EXPECT_NE(a, b);
    EXPECT_TRUE(FileExists(a));
    EXPECT_EQ(Copy(ExtractFileName(a), 1, 3), "rtl");
    DeleteFile(a);
    DeleteFile(b);
}

namespace {

// Sets an environment variable for one scope and puts the old value back after.
class EnvScope {
public:
    EnvScope(const char* name, const char* value) : FName(name)
    {
        const char* old = ::getenv(name);
        FHad = old != nullptr;
        if (old) FOld = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~EnvScope()
    {
        if (FHad) ::setenv(FName, FOld.c_str(), 1);
        else ::unsetenv(FName);
    }

private:
    const char* FName;
    bool FHad = false;
    std::string FOld;
};

}  // namespace

TEST(FileSys, UserFoldersFollowTheBaseDirectoryVariables)
{
    EnvScope home("HOME", "/home/engineer");
    {
        EnvScope config("XDG_CONFIG_HOME", "/srv/cfg");
        EnvScope data("XDG_DATA_HOME", "/srv/data/");
        EnvScope runtime("XDG_RUNTIME_DIR", "/run/user/1000");
        EXPECT_EQ(UserConfigDir(), "/srv/cfg/");
        EXPECT_EQ(UserDataDir(), "/srv/data/");
        EXPECT_EQ(UserRuntimeDir(), "/run/user/1000/");
    }
    EnvScope config("XDG_CONFIG_HOME", "relative/cfg");   // not absolute: ignored
    EnvScope data("XDG_DATA_HOME", nullptr);
    EnvScope runtime("XDG_RUNTIME_DIR", nullptr);
    EnvScope temp("TMPDIR", "/var/tmp");
    EXPECT_EQ(UserConfigDir(), "/home/engineer/.config/");
    EXPECT_EQ(UserDataDir(), "/home/engineer/.local/share/");
    EXPECT_EQ(UserRuntimeDir(), "/var/tmp/");
}

// The command line is the one the test program was started with, as the test framework saw it.
TEST(FileSys, ParamStrGivesTheRealCommandLine)
{
    const std::vector<std::string> argv = ::testing::internal::GetArgvs();
    ASSERT_FALSE(argv.empty());
    EXPECT_EQ(ParamCount(), static_cast<Integer>(argv.size()) - 1);
    EXPECT_EQ(ParamStr(0), ProgramFileName());
    EXPECT_EQ(ExtractFileName(ParamStr(0)), ExtractFileName(String(argv[0])));
    for (size_t i = 1; i < argv.size(); ++i)
        EXPECT_EQ(ParamStr(static_cast<Integer>(i)), String(argv[i])) << i;
    EXPECT_EQ(ParamStr(ParamCount() + 1), String());
    EXPECT_EQ(ParamStr(-1), String());
}

// A search lists the matching files and folders of one folder in name order.
TEST(FileSys, FindFirstAndNextMatchWildcards)
{
    TempFolder dir;
    dir.Make("b.dam", "12345");
    dir.Make("a.dam");
    dir.Make("a.txt");
    dir.Make("c.dam/inside.txt");   // a folder whose name matches
    TSearchRec rec;
    std::vector<std::string> found;
    for (Integer r = FindFirst(String(dir.Path()) + "/*.dam", faAnyFile, rec); r == 0; r = FindNext(rec))
        found.push_back(rec.Name.ToUtf8() + (rec.Attr & faDirectory ? "/" : ""));
    FindClose(rec);
    EXPECT_EQ(found, (std::vector<std::string>{"a.dam", "b.dam", "c.dam/"}));
    EXPECT_EQ(FindFirst(String(dir.Path()) + "/b.da?", faAnyFile, rec), 0);
    EXPECT_EQ(rec.Size, 5);
    EXPECT_EQ(FindFirst(String(dir.Path()) + "/*.xls", faAnyFile, rec), 2);
    EXPECT_EQ(FindFirst(String(dir.Path()) + "/missing/*", faAnyFile, rec), 2);
}
