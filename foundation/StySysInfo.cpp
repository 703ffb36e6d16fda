// System facts, the processor's identification and the small routines beside them.
#include "foundation/StySysInfo.h"
#include "foundation/StySysIn.h"

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
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Printers.h"
#include "platform/rtl/LocaleInfo.h"
#include "platform/services/SysInfo.h"

TClass TStyCPUInfoObject::StaticClass()
{
    static const TMetaClass meta("TStyCPUInfoObject", TStyObject::StaticClass(), nullptr, [](TMetaClass& m) {
        using C = TStyCPUInfoObject;
        auto shown = [](auto get) { return [get](C* c) { return get(c->Info()); }; };
        auto none = [](C*, auto) {};
        TPublished<C>(&m)
            .Property("IDString", &C::IDString, none)
            .Property("CPUName", &C::CPUName, none)
            .Property("Stepping", &C::Stepping, none)
            .Property("Model", &C::Model, none)
            .Property("Family", &C::Family, none)
            .Property("FPU", shown([](const TStyCPUInfo& i) { return i.FPU; }), none)
            .Property("VirtualModeExtensions", shown([](const TStyCPUInfo& i) { return i.VirtualModeExtensions; }), none)
            .Property("DebuggingExtensions", shown([](const TStyCPUInfo& i) { return i.DebuggingExtensions; }), none)
            .Property("PageSizeExtensions", shown([](const TStyCPUInfo& i) { return i.PageSizeExtensions; }), none)
            .Property("TimeStampCoutner", shown([](const TStyCPUInfo& i) { return i.TimeStampCounter; }), none)
            .Property("K86_ModelSpecificRegisters",
                      shown([](const TStyCPUInfo& i) { return i.K86ModelSpecificRegisters; }), none)
            .Property("MachineCheckException", shown([](const TStyCPUInfo& i) { return i.MachineCheckException; }), none)
            .Property("CMP_XCHG_8B", shown([](const TStyCPUInfo& i) { return i.CMPXCHG8B; }), none)
            .Property("APIC", shown([](const TStyCPUInfo& i) { return i.APIC; }), none)
            .Property("MemoryTypeRangeRegisters",
                      shown([](const TStyCPUInfo& i) { return i.MemoryTypeRangeRegisters; }), none)
            .Property("GlobalPaging", shown([](const TStyCPUInfo& i) { return i.GlobalPagingExtension; }), none)
            .Property("Cond_MOVE_Instruct", shown([](const TStyCPUInfo& i) { return i.ConditionalMoveInstruction; }), none)
            .Property("MMX", shown([](const TStyCPUInfo& i) { return i.MMX; }), none)
            .Property("SysCallAndSysRet", shown([](const TStyCPUInfo& i) { return i.SYSCALLandSYSRET; }), none)
            .Property("FPCond_MOVE_Instruct",
                      shown([](const TStyCPUInfo& i) { return i.FPConditionalMoveInstruction; }), none)
            .Property("AMD3DNow", shown([](const TStyCPUInfo& i) { return i.AMD3DNow; }), none)
            .Property("ExistCPUInfo", &C::ExistCPUInfo, none);
    });
    return &meta;
}

TClass TStySysInfo::StaticClass()
{
    static const TMetaClass meta(
        "TStySysInfo", TStyCustomComponent::StaticClass(), NewComponent<TStySysInfo>, [](TMetaClass& m) {
            using C = TStySysInfo;
            auto none = [](C*, auto) {};
            TPublished<C> p(&m);
            p.Property("About", &C::About, &C::SetAbout).Stored(false)
                .Property("CurrentUser", &C::CurrentUser, none)
                .Property("RegisteredCompany", &C::RegisteredCompany, none)
                .Property("RegisteredOwner", &C::RegisteredOwner, none)
                .Property("VersionWIN", &C::VersionWIN, none)
                .Property("WinPath", &C::WinPath, none)
                .Property("WinSysPath", &C::WinSysPath, none)
                .Property("TempPath", &C::TempPath, none)
                .Property("Computername", &C::Computername, none)
                .Property("ProcessorType", &C::ProcessorType, none)
                .Property("Platform", &C::Platform, none)
                .Property("TimeZone", &C::TimeZone, none)
                .Property("DefaultLanguageString", &C::DefaultLanguageString, none)
                .Property("FreeGdiRes", &C::FreeGdiRes, none)
                .Property("FreeUsrRes", &C::FreeUsrRes, none)
                .Property("FreeSysRes", &C::FreeSysRes, none)
                .Property("MemoryLoaded", &C::MemoryLoaded, none)
                .Property("BuildNumber", &C::BuildNumber, none)
                .Property("ScreenSaverDelay", &C::ScreenSaverDelay, none)
                .Property("DefaultLanguageID", &C::DefaultLanguageID, none)
                .Property("TimeZoneDiff", &C::TimeZoneDiff, none)
                .Property("ScreenWidth", &C::ScreenWidth, none)
                .Property("ScreenHeight", &C::ScreenHeight, none)
                .Property("ScreenPPi", &C::ScreenPPi, none)
                .Property("MemPhysTotal", &C::MemPhysTotal, none)
                .Property("MemPhysFree", &C::MemPhysFree, none)
                .Property("MemVirtTotal", &C::MemVirtTotal, none)
                .Property("MemVirtFree", &C::MemVirtFree, none)
                .Property("MemPageTotal", &C::MemPageTotal, none)
                .Property("MemPageFree", &C::MemPageFree, none)
                .Property("MemVirtExtended", &C::MemVirtExtended, none)
                .Property("ProcessorNumber", &C::ProcessorNumber, none)
                .Property("ColorDepth", &C::ColorDepth, none)
                .Property("PlusAvailable", &C::PlusAvailable, none)
                .Property("NumLockState", &C::NumLockState, none)
                .Property("CapsLockState", &C::CapsLockState, none)
                .Property("ScrollLockState", &C::ScrollLockState, none)
                .Property("WindowAnimation", &C::WindowAnimation, none)
                .Property("WarningBeep", &C::WarningBeep, none)
                .Property("ScreenSaveActive", &C::ScreenSaveActive, none)
                .Property("FontSmoothing", &C::FontSmoothing, none)
                .Property("DragFullWindows", &C::DragFullWindows, none)
                .Property("SnapToDefaultButton", &C::SnapToDefaultButton, none)
                .Property("KeyboardDelay", &C::KeyboardDelay, none)
                .Property("KeyboardSpeed", &C::KeyboardSpeed, none);
            static const char* const locale[] = {
                "LocaleCalendarType", "LocaleCurrencyDigits", "LocaleICurrency", "LocaleDigits",
                "LocaleFirstDayOfWeek", "LocaleFirstWeekOfYear", "LocaleZero", "LocaleMeasureSystem",
                "LocaleNegativeCurrencyFormat", "LocaleNegativeNumberFormat", "LocaleTime", "LocaleMorningSymbol",
                "LocaleAfternoonSymbol", "LocaleCurrencySymbol", "LocaleDateSeparator", "LocaleDecimalSeparator",
                "LocaleNumericGrouping", "LocaleListSeparator", "LocaleLongDateFormat",
                "LocaleMonthDecimalSeparator", "LocaleCurrencyGrouping", "LocaleThousandSeparator",
                "LocaleNegativeSign", "LocalePositiveSign", "LocaleShortDateFormat", "LocaleThousand",
                "LocaleTimeSeparator", "LocaleShortTimeFormat"};
            for (int i = 0; i <= lvShortTimeFormat; ++i)
                p.Property(locale[i], [i](C* c) { return c->LocaleValue(static_cast<TStyLocaleValue>(i)); }, none);
            p.Property("Environment", [](C* c) { return &c->Environment(); }, none)
                .Property("AllFonts", [](C* c) { return &c->AllFonts(); }, none)
                .Property("AllPrinters", [](C* c) { return &c->AllPrinters(); }, none)
                // Each read makes a file: a form does not store it.
                .Property("TempFileName", &C::TempFileName, none).Stored(false)
                .Property("ProcessorInfo", [](C* c) { return &c->ProcessorInfo(); }, none);
        });
    return &meta;
}

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

String TStySysInfo::Percent(Integer Value) { return IntToStr(Value) + " %"; }

String TStySysInfo::CurrentUser() const { return UserName(); }
String TStySysInfo::RegisteredCompany() const { return RegisteredOrganization(); }
String TStySysInfo::RegisteredOwner() const { return ::RegisteredOwner(); }
String TStySysInfo::VersionWIN() const { return GetOSVersionText(); }
String TStySysInfo::WinPath() const { return WindowsFolder(); }
String TStySysInfo::WinSysPath() const { return SystemFolder(); }
String TStySysInfo::TempPath() const { return TempFolder() + "/"; }
String TStySysInfo::Computername() const { return ComputerName(); }
String TStySysInfo::Platform() const { return GetOSName(); }
String TStySysInfo::TimeZone() const { return TimeZoneName(); }
String TStySysInfo::DefaultLanguageString() const
{
    return GetLocaleStr(LOCALE_SYSTEM_DEFAULT, LOCALE_SLANGUAGE, "Hallo");
}
String TStySysInfo::MemoryLoaded() const { return Percent(static_cast<Integer>(MemoryLoad())); }
Integer TStySysInfo::BuildNumber() const { return ::BuildNumber() & 0xFFFF; }

Integer TStySysInfo::ScreenSaverDelay() const
{
    Integer minutes = 0, seconds = 0;
    ScreenSaverTimeout(minutes, seconds);
    return minutes;
}

Integer TStySysInfo::DefaultLanguageID() const { return static_cast<Integer>(SystemLanguageID()); }
Integer TStySysInfo::TimeZoneDiff() const { return TimeZoneBias(); }
Integer TStySysInfo::ProcessorNumber() const { return ProcessorCount(); }

String TStySysInfo::ProcessorType() const
{
    const TStyCPUInfo& info = FCPUInfo->Info();
    return String(info.CPUName.empty() ? info.IDString : info.CPUName);
}

Integer TStySysInfo::ScreenWidth() const { return Screen ? Screen->Width() : 0; }
Integer TStySysInfo::ScreenHeight() const { return Screen ? Screen->Height() : 0; }
Integer TStySysInfo::ScreenPPi() const { return Screen ? Screen->PixelsPerInch() : 96; }
Integer TStySysInfo::ColorDepth() const { return ::ColorDepth(); }
Int64 TStySysInfo::MemPhysTotal() const { return static_cast<Int64>(TotalPhysicalMemory() / 1024); }
Int64 TStySysInfo::MemPhysFree() const { return static_cast<Int64>(AvailPhysicalMemory() / 1024); }
Int64 TStySysInfo::MemVirtTotal() const { return static_cast<Int64>(TotalVirtualMemory() / 1024); }
Int64 TStySysInfo::MemVirtFree() const { return static_cast<Int64>(AvailVirtualMemory() / 1024); }
Int64 TStySysInfo::MemPageTotal() const { return static_cast<Int64>(TotalPageFile() / 1024); }
Int64 TStySysInfo::MemPageFree() const { return static_cast<Int64>(AvailPageFile() / 1024); }
Int64 TStySysInfo::MemVirtExtended() const { return static_cast<Int64>(AvailExtendedVirtual() / 1024); }
bool TStySysInfo::NumLockState() const { return NumLockOn(); }
bool TStySysInfo::CapsLockState() const { return CapsLockOn(); }
bool TStySysInfo::ScrollLockState() const { return ScrollLockOn(); }

namespace {

Integer SystemParameter(Cardinal action)
{
    Integer value = 0;
    SystemParametersInfo(action, 0, &value);
    return value;
}

}  // namespace

bool TStySysInfo::WindowAnimation() const
{
    ANIMATIONINFO info;
    SystemParametersInfo(SPI_GETANIMATION, sizeof info, &info);
    return info.iMinAnimate != 0;
}

bool TStySysInfo::WarningBeep() const { return SystemParameter(SPI_GETBEEP) != 0; }
bool TStySysInfo::ScreenSaveActive() const { return SystemParameter(SPI_GETSCREENSAVEACTIVE) != 0; }
bool TStySysInfo::FontSmoothing() const { return FontSmoothingEnabled(); }
bool TStySysInfo::DragFullWindows() const { return SystemParameter(SPI_GETDRAGFULLWINDOWS) != 0; }
bool TStySysInfo::SnapToDefaultButton() const { return SystemParameter(SPI_GETSNAPTODEFBUTTON) != 0; }
Integer TStySysInfo::KeyboardDelay() const { return SystemParameter(SPI_GETKEYBOARDDELAY); }
Integer TStySysInfo::KeyboardSpeed() const { return SystemParameter(SPI_GETKEYBOARDSPEED); }

String TStySysInfo::LocaleValue(TStyLocaleValue Index) const
{
    const String value = GetLocaleValue(Index);
    return value.IsEmpty() ? String("Hallo") : value;
}

TRect TStySysInfo::GetWorkRect() const
{
    TRect work = GetScreenRect();
    SystemParametersInfo(SPI_GETWORKAREA, 0, &work);
    return work;
}

void TStySysInfo::GetDriveList(TStrings& aList) const { ::GetDriveList(aList); }

void TStySysInfo::GetDriveInfo(const String& aDrive, TStyDriveInfo& Info) const { ::GetDriveInfo(aDrive, Info); }

String TStySysInfo::GetDriveTypeString(Cardinal aType) const { return DriveTypeName(aType); }

TStrings& TStySysInfo::AllFonts()
{
    FFonts.Clear();
    if (Screen)
        for (const String& name : Screen->Fonts()) FFonts.Add(name);
    FFonts.SetSorted(true);
    return FFonts;
}

TStrings& TStySysInfo::AllPrinters()
{
    FPrinters.Clear();
    for (const String& name : Printer().Printers()) FPrinters.Add(name);
    FPrinters.SetSorted(true);
    return FPrinters;
}

TStrings& TStySysInfo::Environment()
{
    GetEnvironmentList(FEnvironment);
    return FEnvironment;
}

String TStySysInfo::TempFileName() const { return ::TempFileName("tmp"); }

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
