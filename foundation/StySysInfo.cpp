// System facts, the processor's identification and the small routines beside them.
#include "foundation/StySysInfo.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#endif

#include "platform/forms/Forms.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Clipbrd.h"
#include "platform/rtl/SysFormat.h"
#include "platform/rtl/Threads.h"
#include "platform/services/SysInfo.h"

IMPLEMENT_CLASS(TStyCPUInfoObject, TStyObject, nullptr)
IMPLEMENT_CLASS(TStySysInfo, TStyCustomComponent, NewComponent<TStySysInfo>)

// ---- processor

bool ReadCPUInfo(TStyCPUInfo& Info)
{
    Info = TStyCPUInfo{};
#if defined(__x86_64__) || defined(__i386__)
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(0, &a, &b, &c, &d)) return false;
    char vendor[13] = {};
    std::memcpy(vendor, &b, 4);
    std::memcpy(vendor + 4, &d, 4);
    std::memcpy(vendor + 8, &c, 4);
    Info.IDString = vendor;
    __get_cpuid(1, &a, &b, &c, &d);
    Info.Stepping = a & 0xF;
    Info.Model = (a >> 4) & 0xF;
    Info.Family = (a >> 8) & 0xF;
    auto bit = [&](int n) { return ((d >> n) & 1) != 0; };
    Info.FPU = bit(0);
    Info.VirtualModeExtensions = bit(1);
    Info.DebuggingExtensions = bit(2);
    Info.PageSizeExtensions = bit(3);
    Info.TimeStampCounter = bit(4);
    Info.K86ModelSpecificRegisters = bit(5);
    Info.MachineCheckException = bit(7);
    Info.CMPXCHG8B = bit(8);
    Info.APIC = bit(9);
    Info.MemoryTypeRangeRegisters = bit(12);
    Info.GlobalPagingExtension = bit(13);
    Info.ConditionalMoveInstruction = bit(15);
    Info.MMX = bit(23);
    // The extended facts and the brand text are read for one vendor only.
    if (Info.IDString == "AuthenticAMD" && __get_cpuid(0x80000000, &a, &b, &c, &d) && a >= 0x80000001) {
        const unsigned highest = a;
        __get_cpuid(0x80000001, &a, &b, &c, &d);
        Info.SYSCALLandSYSRET = (d >> 11) & 1;
        Info.FPConditionalMoveInstruction = (d >> 16) & 1;
        Info.AMD3DNow = (d >> 31) & 1;
        if (highest >= 0x80000004) {
            char brand[49] = {};
            for (unsigned leaf = 0; leaf < 3; ++leaf) {
                __get_cpuid(0x80000002 + leaf, &a, &b, &c, &d);
                std::memcpy(brand + 16 * leaf, &a, 4);
                std::memcpy(brand + 16 * leaf + 4, &b, 4);
                std::memcpy(brand + 16 * leaf + 8, &c, 4);
                std::memcpy(brand + 16 * leaf + 12, &d, 4);
            }
            Info.CPUName = brand;
        }
    }
    return true;
#else
    std::ifstream in("/proc/cpuinfo");
    std::string line;
    bool any = false;
    while (std::getline(in, line)) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        std::string key = line.substr(0, colon), value = line.substr(colon + 1);
        while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.pop_back();
        if (!value.empty() && value.front() == ' ') value.erase(0, 1);
        if (key == "vendor_id" || key == "CPU implementer") {
            Info.IDString = value.substr(0, 12);
            any = true;
        }
    }
    return any;
#endif
}

TStyCPUInfoObject::TStyCPUInfoObject(TPersistent* AOwner) : TStyObject(AOwner) { FExists = ReadCPUInfo(FInfo); }

// ---- the component

TStySysInfo::TStySysInfo(TComponent* AOwner)
    : TStyCustomComponent(AOwner), FCPUInfo(std::make_unique<TStyCPUInfoObject>(this))
{
}

TStySysInfo::~TStySysInfo() = default;

String TStySysInfo::CurrentUser() const
{
    const char* user = std::getenv("USER");
    return user ? String(user) : String();
}

String TStySysInfo::Computername() const
{
    char name[256] = {};
    return gethostname(name, sizeof name - 1) == 0 ? String(name) : String();
}

String TStySysInfo::TempPath() const
{
    const char* tmp = std::getenv("TMPDIR");
    return String(tmp && *tmp ? tmp : "/tmp") + "/";
}

String TStySysInfo::VersionWIN() const { return IntToStr(Win32MajorVersion()) + "." + IntToStr(Win32MinorVersion()); }
Integer TStySysInfo::BuildNumber() const { return Win32BuildNumber() & 0xFFFF; }
String TStySysInfo::Platform() const { return "Linux"; }

Integer TStySysInfo::ProcessorNumber() const
{
    return static_cast<Integer>(std::max(1u, std::thread::hardware_concurrency()));
}

String TStySysInfo::ProcessorType() const
{
    const TStyCPUInfo& info = FCPUInfo->Info();
    return String(info.CPUName.empty() ? info.IDString : info.CPUName);
}

Integer TStySysInfo::ScreenWidth() const { return Screen ? Screen->Width() : 0; }
Integer TStySysInfo::ScreenHeight() const { return Screen ? Screen->Height() : 0; }

Int64 TStySysInfo::MemPhysTotal() const
{
    return static_cast<Int64>(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE) / 1024;
}

Int64 TStySysInfo::MemPhysFree() const
{
    return static_cast<Int64>(sysconf(_SC_AVPHYS_PAGES)) * sysconf(_SC_PAGESIZE) / 1024;
}

String TStySysInfo::MemoryLoaded() const
{
    const Int64 total = MemPhysTotal();
    const Int64 load = total ? 100 - MemPhysFree() * 100 / total : 0;
    return IntToStr(static_cast<Integer>(load)) + " %";
}

String TStySysInfo::LocaleDecimalSeparator() const { return String(std::u16string(1, FormatSettings.DecimalSeparator)); }
String TStySysInfo::LocaleThousandSeparator() const
{
    return String(std::u16string(1, FormatSettings.ThousandSeparator));
}
String TStySysInfo::LocaleDateSeparator() const { return String(std::u16string(1, FormatSettings.DateSeparator)); }
String TStySysInfo::LocaleTimeSeparator() const { return String(std::u16string(1, FormatSettings.TimeSeparator)); }
String TStySysInfo::LocaleShortDateFormat() const { return FormatSettings.ShortDateFormat; }
String TStySysInfo::LocaleLongDateFormat() const { return FormatSettings.LongDateFormat; }

TStrings& TStySysInfo::Environment()
{
    FEnvironment.Clear();
    for (char** e = environ; e && *e; ++e) FEnvironment.Add(String(*e));
    return FEnvironment;
}

String TStySysInfo::TempFileName() const
{
    std::string pattern = TempPath().ToUtf8() + "tmpXXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return String();
    close(fd);
    return String(pattern);
}

String TStySysInfo::GetEnvironmentValue(const String& aEnvironmentString) const
{
    const std::string text = aEnvironmentString.ToUtf8();
    std::string out;
    bool expanded = false;
    for (size_t i = 0; i < text.size();) {
        const size_t end = text[i] == '%' ? text.find('%', i + 1) : std::string::npos;
        if (end != std::string::npos && end > i + 1) {
            if (const char* value = std::getenv(text.substr(i + 1, end - i - 1).c_str())) {
                out += value;
                expanded = true;
                i = end + 1;
                continue;
            }
        }
        out += text[i++];
    }
    if (!expanded) return String();
    return String(out.substr(0, 256));
}

bool TStySysInfo::SetEnvironmentValue(const String& aEnvironmentString, const String& aValue)
{
    return setenv(aEnvironmentString.ToUtf8().c_str(), aValue.ToUtf8().c_str(), 1) == 0;
}

// ---- small routines

bool IsTrueTypeFont(TCanvas& Canvas) { return (Canvas.GetTextMetrics().tmPitchAndFamily & 4) != 0; }

bool FontIsTrueType(TFont& Font)
{
    TBitmap screen(1, 1);
    screen.Canvas().Font().Assign(&Font);
    return IsTrueTypeFont(screen.Canvas());
}

void ProcessMessagesFor(Cardinal Milliseconds)
{
    if (Milliseconds == 0 || !Application) return;
    const Cardinal start = GetTickCount();
    while (!Application->Terminated() && GetTickCount() - start <= Milliseconds) Application->ProcessMessages();
}

void NormalizeLineBreaks(const String& Text, String& Result)
{
    std::u16string out;
    const std::u16string_view s = Text.u16();
    for (size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (i > 0 && c == u'\n' && s[i - 1] != u'\r') out += u'\r';
        out += c;
        if (i > 0 && c == u'\r' && (i + 1 >= s.size() || s[i + 1] != u'\n')) out += u'\n';
    }
    Result = String(out);
}

void GetClipboardText(String& Text) { Text = Clipboard().AsText(); }

void SetClipboardText(const String& Text, bool Normalize)
{
    String text = Text;
    if (Normalize) NormalizeLineBreaks(Text, text);
    Clipboard().SetAsText(text);
}
