#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "editcontrols/EcHotTrackPersistent.h"
#include "editcontrols/EcsBase.h"
#include "editcontrols/EcsSynch.h"
#include "editcontrols/tests/EditControlsTestSupport.h"
#include "platform/rtl/FileSys.h"

namespace {

TEST(EcsBase, VersionAndLocaleFacts)
{
    EXPECT_TRUE(CheckWindowsVersion(6, 0));    // the layer answers Windows 10
    EXPECT_TRUE(CheckWindowsVersion(10, 0));
    EXPECT_FALSE(CheckWindowsVersion(10, 1));
    TSettingsScope french(TFormatSettings::French());
    EXPECT_EQ(GetDecimalSeparator(), u',');
    EXPECT_EQ(GetThousandSeparator(), u' ');
    EXPECT_EQ(GetCurrencyString(), String("€"));
}

TEST(EcsBase, PathQueries)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "dorvane-ecsbase";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "dam.dam") << "x";
    const String folder = dir.string(), file = (dir / "dam.dam").string();
    EXPECT_TRUE(PathIsDirectory(folder));
    EXPECT_FALSE(PathIsFile(folder));
    EXPECT_TRUE(PathIsFile(file));
    EXPECT_TRUE(PathIsFile(StringReplace(file, "/", "\\", rfReplaceAll)));   // a stored name's separators
    EXPECT_FALSE(PathIsDirectory(file));
    EXPECT_FALSE(PathIsFile(""));
    EXPECT_FALSE(PathIsDirectory(folder + "/missing"));
    EXPECT_EQ(PathToDisplayPath("\\\\server\\share"), String("\\\\server\\share"));
    EXPECT_EQ(PathToDisplayPath("dam.dam"), String("dam.dam"));
    EXPECT_EQ(PathToDisplayPath(file), file);
    std::filesystem::remove_all(dir);
}

TEST(EcsBase, CompareRangesOfWideTexts)
{
    const String abc = "abc", ABD = "ABD", ab = "ab", empty;
    EXPECT_EQ(CompareRangeW(&abc, &ABD, 1, 2, false), 0);
    EXPECT_EQ(CompareRangeW(&abc, &ABD, 1, 3, false), u'c' - u'd');
    EXPECT_EQ(CompareRangeW(&abc, &ABD, 1, 2, true), u'a' - u'A');
    EXPECT_EQ(CompareRangeW(&abc, &abc, 1, 0, true), -2);
    EXPECT_EQ(CompareRangeW(&empty, &empty, 1, 0, true), 0);
    EXPECT_EQ(CompareRangeW(&abc, nullptr, 1, 1, true), -1);
    EXPECT_EQ(CompareRangeW(&abc, &ABD, 1, 0, true), -2);
    EXPECT_EQ(CompareRangeW(&ab, &abc, 1, 3, true), -2);   // S1 too short
    EXPECT_EQ(CompareRangeW(&abc, &ab, 1, 3, true), 0);    // only S2's remaining characters
    EXPECT_EQ(WideStrPos("reservoir", "voir"), 6);
    EXPECT_EQ(WideStrPos("reservoir", ""), 0);
    EXPECT_EQ(WideStrPos("", "a"), 0);
}

TEST(EcsSynch, TwoThreadsInstallOneSection)
{
    std::atomic<TEcsCriticalSection*> section{nullptr};
    std::vector<TEcsCriticalSection*> seen(2);
    std::vector<std::thread> threads;
    for (int i = 0; i < 2; ++i)
        threads.emplace_back([&, i] {
            TEcsCriticalSection::CreateAndEnter(section);
            seen[size_t(i)] = section.load();
            section.load()->Leave();
        });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(seen[0], seen[1]);
    EXPECT_NE(seen[0], nullptr);
    delete section.load();
}

struct TEventLog : TObject {
    std::string Log;
    void Changing(TObject*) { Log += "changing;"; }
    void Changed(TObject*) { Log += "changed;"; }
    void Property(TObject*, const String& name) { Log += name.ToUtf8() + ";"; }
};

TEST(EcHotTrackOptions, ChangesReportedOncePerUpdate)
{
    TEcHotTrackOptions options(nullptr), other(nullptr);
    TEventLog events;
    options.OnChanging = TNotifyEvent(&events, &TEventLog::Changing);
    options.OnChanged = TNotifyEvent(&events, &TEventLog::Changed);
    options.OnChangedProperty = TEcPropertyChangeEvent(&events, &TEventLog::Property);
    EXPECT_EQ(options.Color(), TColor(0x00D2BDB6));
    options.SetEnabled(false);   // unchanged: nothing
    EXPECT_EQ(events.Log, "");
    options.SetEnabled(true);
    EXPECT_EQ(events.Log, "changing;Enabled;changed;");
    events.Log.clear();
    other.SetEnabled(true);
    other.SetColor(clRed);
    other.SetFrameColor(clBlue);
    options.Assign(&other);
    EXPECT_EQ(events.Log, "changing;Color;FrameColor;changed;");
    EXPECT_EQ(options.FrameColor(), clBlue);
    // an unbalanced EndUpdate silences the whole-object events until it is balanced
    events.Log.clear();
    options.EndUpdate();
    options.SetFrameVisible(true);
    EXPECT_EQ(events.Log, "FrameVisible;");
}

}  // namespace

namespace {

// A value object is named after its owner's path when the owner has one.
TEST(EcPersistent, NamePathFollowsTheOwner)
{
    TComponent form(nullptr);
    form.SetName("Form1");
    auto* owner = new TComponent(&form);
    owner->SetName("Slider1");
    TEcHotTrackOptions options(owner);
    options.SetName("HotTrack");
    EXPECT_EQ(options.Owner(), owner);
    EXPECT_TRUE(options.ComponentStyle().Contains(csSubComponent));
    EXPECT_EQ(options.GetNamePath(), String("Slider1.HotTrack"));
    TEcHotTrackOptions loose(nullptr);
    loose.SetName("Loose");
    EXPECT_EQ(loose.GetNamePath(), String("Loose"));
}

}  // namespace

namespace {

TEST(EcsModules, TheProgramIsItsOnlyModule)
{
    EXPECT_EQ(ModuleFileName(0), ParamStr(0));
    EXPECT_EQ(ModuleFileName(HInstance), ParamStr(0));
    EXPECT_EQ(ModuleFileName(HInstance + 1), String());
}

TEST(EcsModules, TheProgramsFileCarriesVersionTwoZeroNineOne)
{
    TEcsFixedFileInfo info;
    ASSERT_TRUE(ReadFixedFileInfo(ParamStr(0), info));
    EXPECT_EQ(info.dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(info.dwFileVersionMS, 0x00020000u);   // 2.0
    EXPECT_EQ(info.dwFileVersionLS, 0x00090001u);   // .9.1
    EXPECT_EQ(info.dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(info.dwProductVersionLS, 0x00090001u);
    EXPECT_EQ(info.dwFileType, 1u);

    TEcsFixedFileInfo other;
    EXPECT_FALSE(ReadFixedFileInfo("/bin/sh", other));
    EXPECT_FALSE(ReadFixedFileInfo("", other));
    EXPECT_EQ(other.dwSignature, 0u);
}

}  // namespace
