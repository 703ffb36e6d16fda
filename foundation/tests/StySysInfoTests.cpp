// System facts, the processor's identification and the small text routines.
#include <gtest/gtest.h>

#include <cstdlib>

#include "foundation/StySysIn.h"
#include "foundation/StySysInfo.h"
#include "platform/graphics/DesktopSettings.h"
#include "platform/rtl/LocaleInfo.h"
#include "platform/rtl/SystemFacts.h"

TEST(StySysInfoTests, LineBreaksAreMadePairs)
{
    struct Case {
        const char16_t* text;
        const char16_t* normalised;
    };
    const Case cases[] = {
        {u"a\nb", u"a\r\nb"},         {u"a\r\nb", u"a\r\nb"}, {u"a\rb", u"a\r\nb"},
        {u"\nfirst", u"\nfirst"},     {u"x\n\n", u"x\r\n\r\n"}, {u"", u""},
    };
    for (const Case& c : cases) {
        String result;
        NormalizeLineBreaks(String(std::u16string(c.text)), result);
        EXPECT_EQ(result, String(std::u16string(c.normalised))) << String(std::u16string(c.text)).ToUtf8();
    }
}

TEST(StySysInfoTests, ClipboardTextWithAndWithoutPairedLineBreaks)
{
    String text;
    SetClipboardText("crest\nheel", true);
    GetClipboardText(text);
    EXPECT_EQ(text, String("crest\r\nheel"));
    SetClipboardText("crest\nheel", false);
    GetClipboardText(text);
    EXPECT_EQ(text, String("crest\nheel"));
}

TEST(StySysInfoTests, EnvironmentReferencesAreExpanded)
{
    TStySysInfo info(nullptr);
    EXPECT_TRUE(info.SetEnvironmentValue("DORVANE_TEST_VALUE", "dam"));
    EXPECT_EQ(info.GetEnvironmentValue("the %DORVANE_TEST_VALUE% site"), String("the dam site"));
    EXPECT_EQ(info.GetEnvironmentValue("no references"), String(""));
    EXPECT_EQ(info.GetEnvironmentValue("%DORVANE_NOT_SET_ANYWHERE%"), String(""));
    bool listed = false;
    TStrings& env = info.Environment();
    for (Integer i = 0; i < env.Count(); ++i) listed = listed || env[i] == String("DORVANE_TEST_VALUE=dam");
    EXPECT_TRUE(listed);
}

TEST(StySysInfoTests, ProcessorFactsComeFromTheProcessor)
{
    TStySysInfo info(nullptr);
    const TStyCPUInfoObject& cpu = info.ProcessorInfo();
#if defined(__x86_64__)
    ASSERT_TRUE(cpu.ExistCPUInfo());
    EXPECT_EQ(cpu.IDString().Length(), 12);
    EXPECT_TRUE(cpu.FPU());   // every x86-64 processor has one
    if (cpu.IDString() != String("AuthenticAMD")) { EXPECT_EQ(cpu.CPUName(), String("")); }
#endif
    EXPECT_GE(info.ProcessorNumber(), 1);
    EXPECT_GT(info.MemPhysTotal(), 0);
}

// The facts read from their sources: the locale of the program, the screen, the work area.
TEST(StySysInfoTests, FactsComeFromTheirSources)
{
    TStySysInfo info(nullptr);
    EXPECT_EQ(info.LocaleValue(lvDecimalSeparator), GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ""));
    EXPECT_EQ(info.LocaleValue(lvShortTimeFormat), GetLocaleStr(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, ""));
    EXPECT_EQ(info.KeyboardDelay(), 2);
    EXPECT_EQ(info.FreeGdiRes(), String("0 %"));
    EXPECT_FALSE(info.SetDesktopWallpaper("/tmp/picture.bmp"));
    EXPECT_EQ(info.GetDriveTypeString(DRIVE_FIXED), DriveTypeName(DRIVE_FIXED));
    TStringList drives;
    info.GetDriveList(drives);
    ASSERT_GT(drives.Count(), 0);
    TStyDriveInfo drive;
    info.GetDriveInfo(drives[0], drive);
    EXPECT_EQ(drive.ditype, DRIVE_FIXED);
    ProcessMessagesFor(0);   // returns at once
}

namespace {
// A desktop whose keys repeat after a quarter second, 20 characters a second.
struct TQuickKeys : TDesktopSettingsSource {
    TDesktopSettings Read() override
    {
        TDesktopSettings settings;
        settings.KeyboardDelay = KeyboardDelayStep(250);
        settings.KeyboardSpeed = KeyboardSpeedStep(20);
        return settings;
    }
};
}  // namespace

TEST(StySysInfoTests, KeyboardRepeatIsTheDesktopsOwn)
{
    TQuickKeys quick;
    RegisterDesktopSettings(&quick);
    TStySysInfo info(nullptr);
    EXPECT_EQ(info.KeyboardDelay(), 0);
    EXPECT_EQ(info.KeyboardSpeed(), 20);   // 2.5 + 20 x 27.5 / 31 = 20.2 characters a second
    RegisterDesktopSettings(nullptr);
    EXPECT_EQ(info.KeyboardSpeed(), 26);
}
