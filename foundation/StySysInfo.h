#pragma once
// The system-information component: facts of the running system as properties (user, machine,
// folders, memory, screen, processor, locale), with the small routines beside it (TrueType test,
// a timed message pump, line-break normalisation, clipboard text).  Its writers are published
// for display and change nothing outside the program: a form that stores them must not turn
// the user's keyboard lights, system parameters or locale when it is loaded.
#include <memory>

#include "foundation/StyCustomComponent.h"
#include "foundation/StyObject.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Lists.h"

struct TStyDriveInfo;

struct TStyCPUInfo {
    std::string IDString;   // the vendor text, 12 characters
    Integer Stepping = 0, Model = 0, Family = 0;
    bool FPU = false, VirtualModeExtensions = false, DebuggingExtensions = false, PageSizeExtensions = false,
         TimeStampCounter = false, K86ModelSpecificRegisters = false, MachineCheckException = false,
         CMPXCHG8B = false, APIC = false, MemoryTypeRangeRegisters = false, GlobalPagingExtension = false,
         ConditionalMoveInstruction = false, MMX = false, SYSCALLandSYSRET = false,
         FPConditionalMoveInstruction = false, AMD3DNow = false;
    std::string CPUName;
};

// Reads the processor's identification: CPUID on x86-64, "/proc/cpuinfo" elsewhere.  Returns
// whether the identification was available.
bool ReadCPUInfo(TStyCPUInfo& Info);

// The processor's facts, published for display: their writers change nothing.
class TStyCPUInfoObject : public TStyObject {
    DECLARE_CLASS(TStyCPUInfoObject, TStyObject)
public:
    explicit TStyCPUInfoObject(TPersistent* AOwner);
    const TStyCPUInfo& Info() const { return FInfo; }
    String IDString() const { return String(FInfo.IDString); }
    String CPUName() const { return String(FInfo.CPUName); }
    Integer Family() const { return FInfo.Family; }
    Integer Model() const { return FInfo.Model; }
    Integer Stepping() const { return FInfo.Stepping; }
    bool FPU() const { return FInfo.FPU; }
    bool MMX() const { return FInfo.MMX; }
    bool TimeStampCoutner() const { return FInfo.TimeStampCounter; }
    bool AMD3DNow() const { return FInfo.AMD3DNow; }
    bool ExistCPUInfo() const { return FExists; }

private:
    TStyCPUInfo FInfo;
    bool FExists = false;
};

// Locale facts of the user's locale, in the order of the locale properties.
enum TStyLocaleValue {
    lvCalendarType, lvCurrencyDigits, lvICurrency, lvDigits, lvFirstDayOfWeek, lvFirstWeekOfYear, lvZero,
    lvMeasureSystem, lvNegativeCurrencyFormat, lvNegativeNumberFormat, lvTime, lvMorningSymbol,
    lvAfternoonSymbol, lvCurrencySymbol, lvDateSeparator, lvDecimalSeparator, lvNumericGrouping,
    lvListSeparator, lvLongDateFormat, lvMonthDecimalSeparator, lvCurrencyGrouping, lvThousandSeparator,
    lvNegativeSign, lvPositiveSign, lvShortDateFormat, lvThousand, lvTimeSeparator, lvShortTimeFormat
};

// Every fact is read afresh: the user and machine from the system, memory from /proc, the
// screen from the toolkit, fonts from fontconfig and printers from the print system through it,
// the locale from the process locale.  The published writers are for display: none of them turns
// a keyboard light, a desktop setting or the locale of the user, so a form that stores the facts
// changes nothing when it is read.
class TStySysInfo : public TStyCustomComponent {
    DECLARE_CLASS(TStySysInfo, TStyCustomComponent)
public:
    explicit TStySysInfo(TComponent* AOwner);
    ~TStySysInfo() override;

    String CurrentUser() const;
    String RegisteredCompany() const;
    String RegisteredOwner() const;
    String VersionWIN() const;
    String WinPath() const;
    String WinSysPath() const;
    String TempPath() const;
    String Computername() const;
    String ProcessorType() const;
    String Platform() const;
    String TimeZone() const;
    String DefaultLanguageString() const;
    // "0 %": no system limits these resources.
    String FreeGdiRes() const { return Percent(FreeGDI()); }
    String FreeUsrRes() const { return Percent(FreeUSR()); }
    String FreeSysRes() const { return Percent(FreeSys()); }
    String MemoryLoaded() const;   // "%d %"
    Integer BuildNumber() const;
    Integer ScreenSaverDelay() const;   // minutes
    Integer DefaultLanguageID() const;
    Integer TimeZoneDiff() const;   // minutes
    Integer ScreenWidth() const;
    Integer ScreenHeight() const;
    Integer ScreenPPi() const;
    // Kilobytes.
    Int64 MemPhysTotal() const;
    Int64 MemPhysFree() const;
    Int64 MemVirtTotal() const;
    Int64 MemVirtFree() const;
    Int64 MemPageTotal() const;
    Int64 MemPageFree() const;
    Int64 MemVirtExtended() const;
    Integer ProcessorNumber() const;
    Integer ColorDepth() const;
    bool PlusAvailable() const { return true; }
    bool NumLockState() const;
    bool CapsLockState() const;
    bool ScrollLockState() const;
    bool WindowAnimation() const;
    bool WarningBeep() const;
    bool ScreenSaveActive() const;
    bool FontSmoothing() const;
    bool DragFullWindows() const;
    bool SnapToDefaultButton() const;
    Integer KeyboardDelay() const;
    Integer KeyboardSpeed() const;
    // A value the locale cannot give reads "Hallo".
    String LocaleValue(TStyLocaleValue Index) const;
    TStrings& Environment();
    TStrings& AllFonts();      // sorted
    TStrings& AllPrinters();   // sorted
    // A new empty file "tmp..." in the temporary folder.
    String TempFileName() const;
    TStyCPUInfoObject& ProcessorInfo() { return *FCPUInfo; }

    // The text with %NAME% references expanded (at most 256 characters); empty when nothing
    // was expanded.
    String GetEnvironmentValue(const String& aEnvironmentString) const;
    // Sets a variable of the program's own environment.
    bool SetEnvironmentValue(const String& aEnvironmentString, const String& aValue);
    void GetDriveList(TStrings& aList) const;
    void GetDriveInfo(const String& aDrive, TStyDriveInfo& Info) const;
    String GetDriveTypeString(Cardinal aType) const;
    // Would change the user's desktop: changes nothing and reports false.
    bool SetDesktopWallpaper(const String&) { return false; }
    TRect GetScreenRect() const { return Rect(0, 0, ScreenWidth(), ScreenHeight()); }
    TRect GetWorkRect() const;
    Integer FreeGDI() const { return 0; }
    Integer FreeUSR() const { return 0; }
    Integer FreeSys() const { return 0; }

private:
    static String Percent(Integer Value);
    TStringList FEnvironment, FFonts, FPrinters;
    std::unique_ptr<TStyCPUInfoObject> FCPUInfo;
};

// Whether the font (on the screen) or the canvas's font is a TrueType font.
bool FontIsTrueType(TFont& Font);
bool IsTrueTypeFont(TCanvas& Canvas);
// Processes the program's messages until the time has passed or the program is ending.
void ProcessMessagesFor(Cardinal Milliseconds);
// Every lone LF gets a CR before it and every lone CR an LF after it; the first character is
// not examined.
void NormalizeLineBreaks(const String& Text, String& Result);
void GetClipboardText(String& Text);
void SetClipboardText(const String& Text, bool Normalize);
