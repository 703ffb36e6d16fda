// The application object: its log file, the previous running copy and the data sent to it (two
// processes), the edit mode, the stopwatch and what it refuses.
#include <gtest/gtest.h>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>

#include "foundation/StyClass.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/stdctrls/Timer.h"
#include "platform/rtl/FileSys.h"
#include "platform/testing/Driver.h"

extern char** environ;

namespace {

class LogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dorvane-log-XXXXXX").string();
        FFolder = ::mkdtemp(pattern.data()) ? pattern : std::string();
    }
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(FFolder, ignored);
    }
    std::vector<std::string> LogLines(const String& name) const
    {
        std::ifstream in(name.ToUtf8());
        std::vector<std::string> lines;
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }
    std::string FFolder;
};

class TReceiver : public TObject {
public:
    void First(TObject*, const void* data, Integer size)
    {
        Order.push_back("first");
        Data.assign(static_cast<const char*>(data), static_cast<size_t>(size));
    }
    void Second(TObject*, const void*, Integer) { Order.push_back("second"); }
    void Changed(TObject*) { ++Changes; }
    std::vector<std::string> Order;
    std::string Data;
    int Changes = 0;
};

}  // namespace

TEST_F(LogTest, FirstWriteEmptiesTheFileAndWritesTheHeader)
{
    TStyApplication application(nullptr, "log-test-" + IntToStr(::getpid()));
    EXPECT_EQ(ExtractFileName(application.LogName()), ExtractFileName(ChangeFileExt(ProgramFileName(), ".LOG")));
    EXPECT_EQ(ExtractFilePath(application.LogName()), ProgramDir());
    application.SetLogPrefix(ppFixed);
    application.SetLogName(String(FFolder + "/dam"));
    EXPECT_EQ(application.LogName(), String(FFolder + "/dam.LOG"));
    {
        std::ofstream old(FFolder + "/dam.LOG");
        old << "left from an earlier run\n";
    }
    application.SetVersion("2.0.9.1");
    application.LogWrite("Model opened");
    application.LogWrite("#Line");
    application.LogWrite("Analysis run");
    std::vector<std::string> lines = LogLines(application.LogName());
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1].rfind("LogFile started: ", 0), 0u);
    EXPECT_EQ(lines[2], "Application    : " + Application->Title().ToUtf8());
    EXPECT_EQ(lines[3], "Path/ExeName   : " + ProgramFileName().ToUtf8());
    EXPECT_EQ(lines[4], "Version        : 2.0.9.1");
    EXPECT_EQ(lines[5], std::string(80, '*'));
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Entries:");
    EXPECT_EQ(lines[8], "00001: Model opened");
    EXPECT_EQ(lines[9], std::string(80, '*'));
    EXPECT_EQ(lines[10], "00002: Analysis run");   // the line does not count
}

TEST_F(LogTest, OversizedLogIsBackedUpAndRestarted)
{
    TStyApplication application(nullptr, "log-size-" + IntToStr(::getpid()));
    application.SetLogPrefix(ppFixed);
    application.SetLogName(String(FFolder + "/app.LOG"));
    application.SetOptions(TStyApplicationOptions{aoLogNr});
    application.SetLogMaxAction(laBackupLog);
    application.SetLogMaxsize(100);   // below 101: no limit
    for (int i = 0; i < 10; ++i) application.LogWrite("a fairly long entry of the log");
    EXPECT_EQ(LogLines(application.LogName()).size(), 10u);

    std::ofstream(FFolder + "/app.l0") << "older backup\n";
    application.SetLogMaxsize(200);
    application.LogWrite("over the limit");
    EXPECT_TRUE(FileExists(String(FFolder + "/app.l1")));
    std::vector<std::string> lines = LogLines(application.LogName());
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[6], "Entries:");   // a new log starts with its header (no version line)
    EXPECT_EQ(lines.back(), "00011: over the limit");
}

// The exception line: the component, its name when it has one, the message and the address.
TEST_F(LogTest, AnExceptionIsLoggedWithItsComponentAndAddress)
{
    TStyApplication application(nullptr, "log-exception-" + IntToStr(::getpid()));
    application.SetLogPrefix(ppFixed);
    application.SetLogName(String(FFolder + "/exc.LOG"));
    application.SetOptions(TStyApplicationOptions{});
    TComponent named(nullptr), unnamed(nullptr);
    named.SetName("Loads");
    const char* const hex = "[0-9A-F]{16}";
    const struct {
        TComponent* sender;
        std::string pattern;
    } cases[] = {
        {&named, std::string("TComponent \\(Name: Loads\\): No joint, Address: ") + hex},
        {&unnamed, std::string("TComponent: No joint, Address: ") + hex},
    };
    application.LogException(&named);   // no exception being handled: nothing
    for (const auto& c : cases) {
        try {
            throw Exception("No joint");
        } catch (const Exception&) {
            application.LogException(c.sender);
        }
    }
    const std::vector<std::string> lines = LogLines(application.LogName());
    ASSERT_EQ(lines.size(), 2u);
    for (size_t i = 0; i < 2; ++i) EXPECT_TRUE(std::regex_match(lines[i], std::regex(cases[i].pattern))) << lines[i];
}

TEST(StyApplicationTests, EditModeStopwatchAndRefusals)
{
    TStyApplication application(nullptr, "misc-" + IntToStr(::getpid()));
    TReceiver receiver;
    application.OnEditModeChange = TNotifyEvent(&receiver, &TReceiver::Changed);
    EXPECT_EQ(application.EditMode(), TStyEditModes{emInsert});
    application.SetEditMode(TStyEditModes{emInsert});
    application.SetEditMode(TStyEditModes{emShift});
    EXPECT_EQ(receiver.Changes, 1);

    application.STWStart();
    EXPECT_GE(application.STWStopExt(), 0);
    EXPECT_GE(application.STWStop(), 0);
    EXPECT_FALSE(application.QuitWindows(0));
    EXPECT_FALSE(application.UseXPThemes());
    application.SetUseXPThemes(true);
    EXPECT_FALSE(application.UseXPThemes());
    EXPECT_TRUE(application.GetThemeModeSupported(ttmNone));
    EXPECT_FALSE(application.GetThemeModeSupported(ttmNative));
    EXPECT_FALSE(application.IsPrevRunning());
    EXPECT_THROW(application.SendDataToPrevApp("x", 1), EInvalidOperation);

    EXPECT_EQ(EStyOneInstError("TStyMessageHint", 1).Message(),
              "TStyMessageHint:\rAlready one TStyMessageHint control in this project!");
    EXPECT_EQ(EStyOneInstError("THint", 0).Message(), "THint:\rInvalid owner (<>TForm) or second instance on a form");
    EXPECT_EQ(EStyOneInstError("THint", 2).Message(), "");
}

// Run by the test below as a second process of the same program.
TEST(StyApplicationTests, SecondCopySendsItsData)
{
    const char* name = std::getenv("DORVANE_FIRST_COPY");
    if (!name) GTEST_SKIP() << "started by TwoCopies only";
    TStyApplication second(nullptr, name);
    ASSERT_TRUE(second.IsPrevRunning());
    EXPECT_EQ(second.PreviouseAppWin(), static_cast<Cardinal>(::getppid()));
    second.SendDataToPrevApp("joint 3", 7);
}

TEST(StyApplicationTests, TwoCopiesTheSecondSeesTheFirstAndItsDataArrives)
{
    TTestClock clock;
    const std::string name = "two-copies-" + std::to_string(::getpid());
    TStyApplication first(nullptr, String(name));
    ASSERT_FALSE(first.IsPrevRunning());
    ASSERT_GE(first.MonitorHandle(), 0);
    TReceiver receiver;
    first.RegisterDataReceiver(TStyOnReceiveData(&receiver, &TReceiver::First));
    first.RegisterDataReceiver(TStyOnReceiveData(&receiver, &TReceiver::Second));
    first.RegisterDataReceiver(TStyOnReceiveData(&receiver, &TReceiver::Second));   // once only

    ::setenv("DORVANE_FIRST_COPY", name.c_str(), 1);
    const std::string program = ProgramFileName().ToUtf8();
    std::string filter = "--gtest_filter=StyApplicationTests.SecondCopySendsItsData";
    char* argv[] = {const_cast<char*>(program.c_str()), filter.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, environ), 0);
    ::unsetenv("DORVANE_FIRST_COPY");

    // The second copy waits until its data has been handled here.
    pollfd waiting{first.MonitorHandle(), POLLIN, 0};
    ASSERT_EQ(::poll(&waiting, 1, 30000), 1);
    clock.Advance(100);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(receiver.Data, "joint 3");
    EXPECT_EQ(receiver.Order, (std::vector<std::string>{"second", "first"}));   // last registered first
    first.UnregisterDataReceiver(TStyOnReceiveData(&receiver, &TReceiver::First));
    first.UnregisterDataReceiver(TStyOnReceiveData(&receiver, &TReceiver::Second));
}

TEST(StyApplicationTests, BrushBitmapIsACheckerboardOfTheColourAndWhite)
{
    TStyApplication application(nullptr, "brush-" + IntToStr(::getpid()));
    TBitmap* bitmap = application.GetBrushBitmap(clRed);
    EXPECT_EQ(bitmap->Width(), 8);
    EXPECT_EQ(bitmap->Canvas().Pixel(0, 0), clWhite);
    EXPECT_EQ(bitmap->Canvas().Pixel(1, 0), clRed);
    EXPECT_EQ(bitmap->Canvas().Pixel(0, 1), clRed);
    EXPECT_EQ(bitmap->Canvas().Pixel(7, 7), clWhite);
    EXPECT_EQ(application.GetBrushBitmap(clBlue), bitmap);   // the same bitmap, drawn again
    EXPECT_EQ(bitmap->Canvas().Pixel(1, 0), clBlue);
    TBitmap* pattern = application.PatternBitmap();
    EXPECT_NE(pattern, bitmap);
    EXPECT_EQ(pattern->Canvas().Pixel(1, 0), clBlack);
    EXPECT_EQ(pattern->Canvas().Pixel(0, 0), clWhite);
}

// The system's check-box cell, and the cell of a strip of six the program sets: the application
// keeps a copy of its own.
TEST(StyApplicationTests, CheckBoxCells)
{
    TStyApplication application(nullptr, "check-" + IntToStr(::getpid()));
    EXPECT_EQ(application.CheckDefWidth(), 13);
    EXPECT_EQ(application.CheckDefHeight(), 13);
    EXPECT_EQ(application.CheckBitmap(), nullptr);
    EXPECT_EQ(application.CheckCustomWidth(), 0);
    EXPECT_EQ(application.CheckCustomHeight(), 0);

    TBitmap strip(78, 13);
    strip.Canvas().FillRectColor(Rect(0, 0, 78, 13), clRed);
    application.SetCheckBitmap(&strip);
    strip.SetSize(83, 20);
    strip.Canvas().FillRectColor(Rect(0, 0, 83, 20), clBlue);
    ASSERT_NE(application.CheckBitmap(), nullptr);
    EXPECT_NE(application.CheckBitmap(), &strip);
    EXPECT_EQ(application.CheckBitmap()->Canvas().Pixel(77, 12), clRed);
    EXPECT_EQ(application.CheckCustomWidth(), 13);
    EXPECT_EQ(application.CheckCustomHeight(), 13);

    application.SetCheckBitmap(&strip);   // 83 across: the cell is still whole pixels
    EXPECT_EQ(application.CheckCustomWidth(), 13);
    EXPECT_EQ(application.CheckCustomHeight(), 20);
    application.SetCheckBitmap(nullptr);
    EXPECT_EQ(application.CheckCustomWidth(), 0);
    EXPECT_EQ(application.CheckCustomHeight(), 0);
}

TEST(StyApplicationTests, DialogSettingsStartAsTheDialogsExpect)
{
    TStyApplication application(nullptr, "dialog-" + IntToStr(::getpid()));
    EXPECT_EQ(application.DlgEffectDelay(), 3);
    EXPECT_EQ(application.MsgBox(), nullptr);
    EXPECT_FALSE(application.XPManifestAvailable());
}

TEST(StyApplicationTests, SingleInstanceRuleForFormsAndTheirComponents)
{
    EXPECT_TRUE(InvalidSingleInstance(nullptr, TComponent::StaticClass(), false));
    TComponent plain(nullptr);
    EXPECT_TRUE(InvalidSingleInstance(&plain, TComponent::StaticClass(), true));   // no form
    TApplication* owner = Application;
    TForm* form = new TForm(owner);
    EXPECT_FALSE(InvalidSingleInstance(form, nullptr, false));
    new TTimer(form);
    EXPECT_FALSE(InvalidSingleInstance(form, TTimer::StaticClass(), false));
    new TTimer(form);
    EXPECT_TRUE(InvalidSingleInstance(form, TTimer::StaticClass(), false));
    delete form;
}

namespace {

// Records the theme messages it gets.
class TThemeWatcher : public TForm {
public:
    explicit TThemeWatcher(TComponent* AOwner) : TForm(AOwner) {}
    void WndProc(TMessage& message) override
    {
        if (message.Msg == UM_THEMECHANGED || message.Msg == WM_THEMECHANGED) Seen.push_back(message.Msg);
        TForm::WndProc(message);
    }
    std::vector<Cardinal> Seen;
};

}  // namespace

TEST(StyApplicationTests, ThemeChangeReachesEveryForm)
{
    TStyApplication application(nullptr, "theme-" + IntToStr(::getpid()));
    TThemeWatcher* hidden = new TThemeWatcher(Application);
    application.DoThemeChange();
    EXPECT_EQ(hidden->Seen, std::vector<Cardinal>{UM_THEMECHANGED});   // a hidden form only hears of it
    delete hidden;
}

// The global theme mode, and the themes for the program's own windows only turned on while that
// mode is not the platform's, tell every form; an unchanged value tells none.
TEST(StyApplicationTests, ThemeWritersTellEveryForm)
{
    TStyApplication application(nullptr, "theme-writers-" + IntToStr(::getpid()));
    auto* form = new TThemeWatcher(Application);
    const struct {
        const char* name;
        std::function<void()> write;
        size_t messages;
    } cases[] = {
        {"global mode", [&] { application.SetThemeGlobalMode(ttmNone); }, 1},
        {"same global mode", [&] { application.SetThemeGlobalMode(ttmNone); }, 0},
        {"own windows only", [&] { application.SetUseXPThemesStyOnly(true); }, 1},
        {"off again", [&] { application.SetUseXPThemesStyOnly(false); }, 0},
        {"platform mode", [&] { application.SetThemeGlobalMode(ttmPlatform); }, 1},
        {"own windows only under the platform mode", [&] { application.SetUseXPThemesStyOnly(true); }, 0},
    };
    for (const auto& c : cases) {
        form->Seen.clear();
        c.write();
        EXPECT_EQ(form->Seen.size(), c.messages) << c.name;
    }
    delete form;
}

TEST(StyApplicationTests, NoCustomStyleIsActive)
{
    EXPECT_FALSE(CustomStyleActive());
    EXPECT_EQ(&CurrentStyleServices(), &StyleServices());
    EXPECT_FALSE(CurrentStyleServices().Available());
}
