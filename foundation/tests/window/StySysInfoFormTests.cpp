// The system-information component on a form: the facts it stores and what reading them does.
#include <gtest/gtest.h>

#include <sstream>

#include "foundation/StySysInfo.h"
#include "platform/classes/FormReader.h"
#include "platform/classes/FormWriter.h"
#include "platform/classes/TypInfo.h"
#include "platform/testing/Driver.h"

namespace {

// The lines of a description whose values are read afresh and may change between two reads.
bool Changing(const std::string& line)
{
    for (const char* name : {"MemPhysFree", "MemVirtFree", "MemPageFree", "MemVirtExtended", "MemoryLoaded"})
        if (line.find(std::string(name) + " = ") != std::string::npos) return true;
    return false;
}

std::vector<std::string> SteadyLines(const String& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text.ToUtf8());
    for (std::string line; std::getline(in, line);)
        if (!Changing(line)) lines.push_back(line);
    return lines;
}

void Replace(std::string& text, const std::string& from, const std::string& to)
{
    const size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

}  // namespace

// A form holding the component stores every published fact (but the name of a new temporary
// file); read back and written again it gives the same description.  Reading other values
// changes nothing: not the keyboard, not the desktop, not the locale.
TEST(StySysInfoTests, AFormStoresEveryFactAndReadingOneChangesNothing)
{
    TestInitialize();
    RegisterClass(TStySysInfo::StaticClass());
    TComponent form(nullptr);
    form.SetName("Form1");
    auto* info = new TStySysInfo(&form);
    info->SetName("SysInfo1");
    const String written = WriteComponentText(&form);
    const std::string text = written.ToUtf8();
    // facts at their default (no swap, no printer) are left out as any default is
    for (const TPropInfo* prop : GetPropList(TStySysInfo::StaticClass())) {
        if (prop->Name == String("Name") || prop->Name == String("Tag") || IsDefaultPropValue(info, prop)) continue;
        const bool stored = prop->Name != String("About") && prop->Name != String("TempFileName");
        EXPECT_EQ(text.find("\n    " + prop->Name.ToUtf8() + (prop->Kind == tkClass ? "." : " = ")) != std::string::npos,
                  stored)
            << prop->Name.ToUtf8();
    }
    EXPECT_NE(text.find("ProcessorInfo.ExistCPUInfo = "), std::string::npos);
    EXPECT_NE(text.find("KeyboardSpeed = 26"), std::string::npos);

    TComponent back(nullptr);
    ReadComponentText(written, &back);
    EXPECT_EQ(SteadyLines(WriteComponentText(&back)), SteadyLines(written));

    std::string other = text;
    Replace(other, "KeyboardSpeed = 26", "KeyboardSpeed = 3");
    Replace(other, "CapsLockState = " + std::string(info->CapsLockState() ? "True" : "False"),
            "CapsLockState = " + std::string(info->CapsLockState() ? "False" : "True"));
    Replace(other, "WarningBeep = True", "WarningBeep = False");
    Replace(other, "LocaleDecimalSeparator = '" + info->LocaleValue(lvDecimalSeparator).ToUtf8() + "'",
            "LocaleDecimalSeparator = ';'");
    TComponent changed(nullptr);
    ReadComponentText(String(other), &changed);
    auto* read = dynamic_cast<TStySysInfo*>(changed.FindComponent("SysInfo1"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->KeyboardSpeed(), 26);
    EXPECT_EQ(read->CapsLockState(), info->CapsLockState());
    EXPECT_TRUE(read->WarningBeep());
    EXPECT_EQ(read->LocaleValue(lvDecimalSeparator), info->LocaleValue(lvDecimalSeparator));
    EXPECT_EQ(SteadyLines(WriteComponentText(&changed)), SteadyLines(written));
}

