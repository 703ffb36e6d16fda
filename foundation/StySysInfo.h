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

class TStySysInfo : public TStyCustomComponent {
    DECLARE_CLASS(TStySysInfo, TStyCustomComponent)
public:
    explicit TStySysInfo(TComponent* AOwner);
    ~TStySysInfo() override;

    String CurrentUser() const;
    String Computername() const;
    String TempPath() const;
    String VersionWIN() const;
    Integer BuildNumber() const;
    String Platform() const;
    Integer ProcessorNumber() const;
    String ProcessorType() const;
    Integer ScreenWidth() const;
    Integer ScreenHeight() const;
    Integer ScreenPPi() const { return 96; }
    Int64 MemPhysTotal() const;   // kilobytes
    Int64 MemPhysFree() const;
    String MemoryLoaded() const;   // "%d %"
    bool PlusAvailable() const { return true; }
    // The keyboard lights as read; writing them changes nothing.
    bool NumLockState() const { return false; }
    void SetNumLockState(bool) {}
    bool CapsLockState() const { return false; }
    void SetCapsLockState(bool) {}
    // The locale values of the program's format settings; writing them changes nothing.
    String LocaleDecimalSeparator() const;
    String LocaleThousandSeparator() const;
    String LocaleDateSeparator() const;
    String LocaleTimeSeparator() const;
    String LocaleShortDateFormat() const;
    String LocaleLongDateFormat() const;
    void SetLocaleValue(const String&) {}
    TStrings& Environment();
    String TempFileName() const;
    TStyCPUInfoObject& ProcessorInfo() { return *FCPUInfo; }

    // The text with %NAME% references expanded (at most 256 characters); empty when nothing
    // was expanded.
    String GetEnvironmentValue(const String& aEnvironmentString) const;
    // Sets a variable of the program's own environment.
    bool SetEnvironmentValue(const String& aEnvironmentString, const String& aValue);
    // Would change the user's desktop: changes nothing and reports false.
    bool SetDesktopWallpaper(const String&) { return false; }
    TRect GetScreenRect() const { return Rect(0, 0, ScreenWidth(), ScreenHeight()); }
    Integer FreeGDI() const { return 0; }
    Integer FreeUSR() const { return 0; }
    Integer FreeSys() const { return 0; }

private:
    TStringList FEnvironment;
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
