#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "platform/services/Process.h"
#include "platform/services/ShellApi.h"
#include "platform/rtl/tests/TempFolder.h"

namespace {

// Records what would be started instead of starting it.
struct RecordingStarter {
    RecordingStarter(int answer = 0)
    {
        Previous = SetProcessStarter([this, answer](const std::vector<String>& argv, const String& dir) {
            Argv = argv;
            Directory = dir;
            ++Calls;
            return answer;
        });
    }
    ~RecordingStarter() { SetProcessStarter(Previous); }
    TProcessStarter Previous;
    std::vector<String> Argv;
    String Directory;
    int Calls = 0;
};

}  // namespace

TEST(ShellExecute, OpensAddressesAsTheyAre)
{
    for (const char* address : {"http://www.example.com/a b?x=1&y=2", "mailto:someone@example.com",
                                "MAILTO:x@y", "ftp://host/file"}) {
        RecordingStarter starter;
        EXPECT_GT(ShellExecute(nullptr, "open", address), 32) << address;
        ASSERT_EQ(starter.Argv.size(), 2u);
        EXPECT_EQ(starter.Argv[0], String("xdg-open"));
        EXPECT_EQ(starter.Argv[1], String(address));
    }
}

TEST(ShellExecute, OpensAStoredFileNameAsOneArgument)
{
    TempFolder tmp;
    std::string file = tmp.Make("Doc/Dorvane User Manual; rm -rf $HOME.pdf");
    RecordingStarter starter;
    String stored = String(tmp.Path()) + "\\doc\\DORVANE user manual; rm -rf $HOME.PDF";
    EXPECT_EQ(ShellExecute(nullptr, "", stored), SE_OK);
    ASSERT_EQ(starter.Argv.size(), 2u);
    EXPECT_EQ(starter.Argv[1], String(file));
}

TEST(ShellExecute, TakesARelativeNameInTheGivenFolder)
{
    TempFolder tmp;
    std::string file = tmp.Make("a/report.txt");
    RecordingStarter starter;
    EXPECT_EQ(ShellExecute(nullptr, "open", "report.txt", "", String(tmp.Path()) + "/a"), SE_OK);
    ASSERT_EQ(starter.Argv.size(), 2u);
    EXPECT_EQ(starter.Argv[1], String(file));
}

TEST(ShellExecute, ReportsFailuresWithoutStartingAnything)
{
    TempFolder tmp;
    std::string file = tmp.Make("present.pdf");
    struct Case { String verb, file; int answer; };
    const Case cases[] = {
        {"open", String(tmp.Path()) + "/missing.pdf", SE_ERR_FNF},
        {"open", String(tmp.Path()) + "/no-folder/missing.pdf", SE_ERR_PNF},
        {"print", String(file), SE_ERR_NOASSOC},
        {"edit", "http://example.com", SE_ERR_NOASSOC},
    };
    for (const Case& c : cases) {
        RecordingStarter starter;
        EXPECT_EQ(ShellExecute(nullptr, c.verb, c.file), c.answer) << c.file;
        EXPECT_EQ(starter.Calls, 0);
    }
}

TEST(ShellExecute, NoDesktopOpenerMeansNoAssociation)
{
    RecordingStarter starter(ENOENT);
    EXPECT_EQ(ShellExecute(nullptr, "open", "http://example.com"), SE_ERR_NOASSOC);
}

TEST(Process, FindsProgramsOnThePath)
{
    EXPECT_FALSE(FindProgram("sh").IsEmpty());
    EXPECT_TRUE(FindProgram("no-such-program-dorvane").IsEmpty());
    EXPECT_TRUE(FindProgram("").IsEmpty());
    EXPECT_EQ(FindProgram("/bin/sh"), String("/bin/sh"));
    EXPECT_TRUE(FindProgram("/etc/passwd").IsEmpty());   // not executable
}

TEST(Process, StartsInTheBackgroundInTheGivenFolder)
{
    TempFolder tmp;
    EXPECT_EQ(StartProcess({"no-such-program-dorvane"}), ENOENT);
    ASSERT_EQ(StartProcess({"touch", "started here"}, String(tmp.Path())), 0);
    std::filesystem::path marker = std::filesystem::path(tmp.Path()) / "started here";
    for (int i = 0; i < 500 && !std::filesystem::exists(marker); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(marker));
}

TEST(Calculator, StartsTheFirstInstalledDesktopCalculator)
{
    TempFolder tmp;
    std::string saved = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", tmp.Path().c_str(), 1);
    EXPECT_TRUE(DesktopCalculator().IsEmpty());
    {
        RecordingStarter starter;
        EXPECT_FALSE(StartDesktopCalculator());
        EXPECT_EQ(starter.Calls, 0);
    }
    std::string calc = tmp.Make("xcalc", "#!/bin/sh\n");
    chmod(calc.c_str(), 0755);
    std::string gnome = tmp.Make("gnome-calculator", "#!/bin/sh\n");
    chmod(gnome.c_str(), 0755);
    {
        RecordingStarter starter;
        EXPECT_TRUE(StartDesktopCalculator());
        ASSERT_EQ(starter.Argv.size(), 1u);
        EXPECT_EQ(starter.Argv[0], String(gnome));
    }
    {
        RecordingStarter starter(ENOENT);
        EXPECT_FALSE(StartDesktopCalculator());
    }
    setenv("PATH", saved.c_str(), 1);
}

TEST(DroppedFiles, QueriesAsTheShellAnswers)
{
    TDropFiles drop{{"/home/eng/dam one.dam", "/tmp/b.dam"}, TPoint{12, 34}, true};
    EXPECT_EQ(DragQueryFile(&drop, 0xFFFFFFFF, nullptr, 0), 2u);
    EXPECT_EQ(DragQueryFile(&drop, 0, nullptr, 0), 21u);
    char16_t buffer[261];
    EXPECT_EQ(DragQueryFile(&drop, 1, buffer, 261), 10u);
    EXPECT_EQ(String(buffer), String("/tmp/b.dam"));
    EXPECT_EQ(DragQueryFile(&drop, 0, buffer, 5), 4u);   // cut to the buffer, terminated
    EXPECT_EQ(String(buffer), String("/hom"));
    EXPECT_EQ(DragQueryFile(&drop, 2, buffer, 261), 0u);
    TPoint p;
    EXPECT_TRUE(DragQueryPoint(&drop, p));
    EXPECT_EQ(p, (TPoint{12, 34}));
    DragFinish(&drop);
    EXPECT_EQ(DragQueryFile(&drop, 0xFFFFFFFF, nullptr, 0), 0u);
}

TEST(DroppedFiles, LocalFilesOfAnUriList)
{
    std::string list = "# dropped\r\nfile:///home/eng/dam%20one.dam\r\nhttp://example.com/x.dam\r\n"
                       "file://localhost/tmp/%C3%A9t%C3%A9.dam\nfile:///tmp/100%25.dam\n";
    std::vector<String> files = FilesFromUriList(list);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0], String("/home/eng/dam one.dam"));
    EXPECT_EQ(files[1], String("/tmp/\xC3\xA9t\xC3\xA9.dam"));
    EXPECT_EQ(files[2], String("/tmp/100%.dam"));
}
