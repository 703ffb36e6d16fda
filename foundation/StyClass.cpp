// The application object of the styled-control library: the pool timers it hands out.
#include "foundation/StyClass.h"

#include <unistd.h>

#include <cstring>

#include "foundation/StyIniCtrl.h"
#include "foundation/StyStrings.h"
#include "foundation/StySysIn.h"
#include "foundation/StyUnicode.h"
#include "platform/controls/WindowSystem.h"
#include "platform/controls/Messages.h"
#include "platform/forms/Forms.h"
#include "platform/services/UxTheme.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/GdiApi.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/InstanceLink.h"
#include "platform/rtl/Streams.h"
#include "platform/rtl/SysFormat.h"
#include "platform/services/SysInfo.h"

namespace {

constexpr Word FirstTimerIdent = 0xFD00;   // slot i has the identifier $FD00 + i, i = 1 .. 250
constexpr Cardinal MappingSize = 16;
constexpr Cardinal MonitorPollInterval = 100;   // ms between looks for data sent by later copies

void PutCell(Byte* block, int offset, Cardinal value)
{
    for (int i = 0; i < 4; ++i) block[offset + i] = static_cast<Byte>(value >> (8 * i));
}

Cardinal GetCell(const Byte* block, int offset)
{
    Cardinal value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | block[offset + i];
    return value;
}

}  // namespace

EStyOneInstError::EStyOneInstError(const String& cName, Byte aValue) : Exception(String())
{
    if (aValue == 0) SetMessage(cName + ":\rInvalid owner (<>TForm) or second instance on a form");
    else if (aValue == 1) SetMessage(cName + ":\rAlready one " + cName + " control in this project!");
}

IMPLEMENT_CLASS(TStyApplication, TComponent, nullptr)

TStyApplication::TStyApplication(TComponent*, const String& InstanceName) : TComponent(nullptr)
{
    SetLogName(String());
    CheckPreviousInstance(InstanceName);
    FTimerPool = new TStyTimerPool(nullptr, 50);
    FIniCtrl = new TStyIniCtrl(nullptr);
    if (std::unique_ptr<TBitmap> checkBoxes = LoadBitmap(0, OBM_CHECKBOXES)) {
        FCheckWidth = checkBoxes->Width() / 4;
        FCheckHeight = checkBoxes->Height() / 3;
    }
}

TStyApplication::~TStyApplication()
{
    delete FIniCtrl;
    delete FTimerPool;
    if (!FDataReceivers.empty()) StopLayerTimer(&FDataReceivers);
}

// ---------------------------------------------------------------- previous running copy

void TStyApplication::CheckPreviousInstance(const String& InstanceName)
{
    FInstanceName = InstanceName.IsEmpty() ? ExtractFileName(UnicodeUpperCase(ProgramFileName())) : InstanceName;
    FMapping = std::make_unique<TNamedMapping>(FInstanceName, MappingSize);
    if (!FMapping->Valid()) {
        FMapping.reset();
        return;
    }
    Byte* block = FMapping->Memory();
    if (FMapping->AlreadyExisted()) {
        FIsPrevRunning = true;
        FPreviouseAppWin = GetCell(block, 4);
        return;
    }
    // The process stands for its module, its application window and its monitor window.
    FMonitor = std::make_unique<TLocalMessageServer>(FInstanceName,
                                                     [this](const std::vector<Byte>& data) { ReceiveData(data); });
    const Cardinal process = static_cast<Cardinal>(::getpid());
    PutCell(block, 0, process);
    PutCell(block, 4, process);
    PutCell(block, 8, 0);   // no main form exists yet
    PutCell(block, 12, FMonitor->Listening() ? process : 0);
}

int TStyApplication::MonitorHandle() const
{
    return FMonitor ? FMonitor->Handle() : -1;
}

void TStyApplication::SendDataToPrevApp(const void* AData, Integer ASize)
{
    if (!FIsPrevRunning) throw EInvalidOperation("No previous app instance running.");
    SendLocalMessage(FInstanceName, AData, static_cast<Cardinal>(ASize));
}

void TStyApplication::ReceiveData(const std::vector<Byte>& Data)
{
    const std::vector<TStyOnReceiveData> receivers = FDataReceivers;   // a receiver may unregister
    for (auto it = receivers.rbegin(); it != receivers.rend(); ++it)
        if (*it) (*it)(this, Data.data(), static_cast<Integer>(Data.size()));
}

// The monitor looks for data while someone listens for it.
void TStyApplication::RegisterDataReceiver(const TStyOnReceiveData& AReceiver)
{
    for (const TStyOnReceiveData& receiver : FDataReceivers)
        if (receiver == AReceiver) return;
    FDataReceivers.push_back(AReceiver);
    if (FDataReceivers.size() == 1 && FMonitor)
        StartLayerTimer(&FDataReceivers, MonitorPollInterval, [this] { FMonitor->HandlePending(); });
}

void TStyApplication::UnregisterDataReceiver(const TStyOnReceiveData& AReceiver)
{
    for (auto it = FDataReceivers.begin(); it != FDataReceivers.end(); ++it)
        if (*it == AReceiver) {
            FDataReceivers.erase(it);
            if (FDataReceivers.empty()) StopLayerTimer(&FDataReceivers);
            return;
        }
}

// ---------------------------------------------------------------- log

void TStyApplication::SetLogName(const String& Value)
{
    String name = IsBlank(Value) ? ChangeFileExt(ProgramFileName(), ".LOG") : Value;
    if (IsBlank(ExtractFileExt(name))) name += ".LOG";
    FLogName = FLogPrefix == ppFixed ? name : PathForPrefix(FLogPrefix, true) + ExtractFileName(name);
}

void TStyApplication::SetLogPrefix(TStyPathPrefix Value)
{
    FLogPrefix = Value;
    SetLogName(FLogName);
}

std::vector<String> TStyApplication::HeaderLines()
{
    const TDateTime now = Now();
    std::vector<String> lines{String(), "LogFile started: " + DateToStr(now) + " " + TimeToStr(now),
                              "Application    : " + (Application ? Application->Title() : String()),
                              "Path/ExeName   : " + ProgramFileName()};
    if (!IsBlank(FVersion)) lines.push_back("Version        : " + FVersion);
    if (OnHeaderWrite) {
        TStringList extra;
        OnHeaderWrite(this, extra);
        for (Integer i = 0; i < extra.Count(); ++i) lines.push_back(extra[i]);
    }
    lines.push_back(CharString(u'*', 80));
    lines.push_back(String());
    lines.push_back("Entries:");
    return lines;
}

void TStyApplication::WriteLogLines(const std::vector<String>& Lines, bool Restart)
{
    try {
        const bool rewrite = Restart || !FileExists(FLogName);
        TFileStream file(FLogName, rewrite ? fmCreate : fmOpenReadWrite);
        file.Seek(0, soFromEnd);
        for (const String& line : Lines) {
            const std::string bytes = line.ToUtf8() + "\n";
            file.WriteBuffer(bytes.data(), static_cast<Integer>(bytes.size()));
        }
        FUpdate = 1;
    } catch (const EStreamError&) {
        // a log that cannot be written drops the entry
    }
}

void TStyApplication::LogWrite(const String& aValue)
{
    bool restart = false;   // by the size limit
    if (FLogMaxSize >= 101 && FileSizeOf(FLogName) > FLogMaxSize) {
        bool cancel = false;
        if (OnMaxLogSize) OnMaxLogSize(this, FLogName, cancel);
        if (cancel) return;
        if (FlogAction == laClearLog) restart = true;
        if (FlogAction == laBackupLog) {
            for (int i = 0;; ++i) {
                const String backup = ChangeFileExt(FLogName, ".l" + IntToStr(i));
                if (FileExists(backup)) continue;
                RenameFile(FLogName, backup);
                break;
            }
            // let the program's windows catch up after the rename; a program without windows has none
            if (Application && WindowSystemRegistered()) Application->ProcessMessages();
            restart = true;
        }
    }
    const bool firstWrite = FUpdate == 0;
    std::vector<String> lines;
    if (restart || (FOptions.Contains(aoLogHeader) && firstWrite)) lines = HeaderLines();
    if (firstWrite && FOptions.Contains(aoLogAlwaysClear)) restart = true;
    if (aValue == "#CR") {
        lines.push_back(String());
    } else if (aValue == "#Line") {
        lines.push_back(CharString(u'*', 80));
    } else if (aValue == "#Header") {
        for (const String& line : HeaderLines()) lines.push_back(line);
    } else {
        ++FCounter;
        String entry;
        for (char16_t ch : FMask.u16()) {
            if (ch == u'#' && FOptions.Contains(aoLogNr)) entry += Format("%.5d: ", {FCounter});
            else if (ch == u't' && FOptions.Contains(aoLogTime)) entry += " [" + TimeToStr(Now()) + "]";
            else if (ch == u'd' && FOptions.Contains(aoLogDate)) entry += " [" + DateToStr(Now()) + "]";
            else if (ch == u'l') entry += aValue;
        }
        lines.push_back(entry);
    }
    WriteLogLines(lines, restart);
}

void TStyApplication::LogException(TComponent* Sender)
{
    std::exception_ptr current = std::current_exception();
    if (!current) return;
    // The address is the exception object's: where it was raised is not known here.
    String message;
    const void* address = nullptr;
    try {
        std::rethrow_exception(current);
    } catch (const Exception& e) {
        message = e.Message();
        address = &e;
    } catch (const std::exception& e) {
        message = e.what();
        address = &e;
    }
    String text = Format("%s, Address: %p", {message, address});
    if (Sender && !Sender->Name().IsEmpty()) text = Sender->ClassName() + " (Name: " + Sender->Name() + "): " + text;
    else if (Sender) text = Sender->ClassName() + ": " + text;
    LogWrite(text);
}

void TStyApplication::HandleException(TObject* Sender, Exception& E)
{
    bool cancel = false;
    if (OnException) OnException(Sender, E, cancel);
    if (cancel) return;
    if (FOptions.Contains(aoLogException)) LogException(dynamic_cast<TComponent*>(Sender));
    if (Application) Application->ShowException(E);
}

// ---------------------------------------------------------------- editors, themes, stopwatch

void TStyApplication::SetEditMode(TStyEditModes Value)
{
    if (Value == FEditMode) return;
    FEditMode = Value;
    if (OnEditModeChange) OnEditModeChange(this);
}

bool TStyApplication::XPThemesSupported() const
{
    return ThemeServicesAvailable() && IsThemeActive();
}

bool TStyApplication::UseXPThemes() const
{
    return FUseXPThemes && ThemeServicesAvailable() && IsAppThemed();
}

void TStyApplication::SetUseXPThemes(bool Value)
{
    if (Value == FUseXPThemes || (Value && !XPThemesSupported())) return;
    FUseXPThemes = Value;
}

bool TStyApplication::GetThemeModeSupported(TStyThemeMode Value) const
{
    if (Value == ttmNone) return true;
    if (Value == ttmPlatform) return ThemeServicesAvailable();
    return false;
}

void TStyApplication::STWStart()
{
    FStartTime = std::chrono::steady_clock::now();
}

Extended TStyApplication::STWStopExt()
{
    return std::chrono::duration<Extended>(std::chrono::steady_clock::now() - FStartTime).count();
}

Integer TStyApplication::STWStop()
{
    return static_cast<Integer>(STWStopExt() * 1000);
}

bool TStyApplication::QuitWindows(Byte)
{
    return false;
}

namespace {

// WM_THEMECHANGED to the windowed controls at any depth whose window exists.
void TellWindowedControls(TWinControl* parent)
{
    for (Integer i = 0; i < parent->ControlCount(); ++i)
        if (auto* child = dynamic_cast<TWinControl*>(parent->Controls(i))) {
            if (child->HandleAllocated()) child->Perform(WM_THEMECHANGED);
            TellWindowedControls(child);
        }
}

}  // namespace

void TStyApplication::SetThemeGlobalMode(TStyThemeMode Value)
{
    if (Value == FGlobalThemeMode) return;
    FGlobalThemeMode = Value;
    DoThemeChange();
}

void TStyApplication::SetUseXPThemesStyOnly(bool Value)
{
    if (Value == FStyOnly) return;
    FStyOnly = Value;
    if (!Value || FGlobalThemeMode == ttmPlatform) return;
    SetThemeAppProperties(STAP_ALLOW_NONCLIENT | STAP_ALLOW_CONTROLS);
    DoThemeChange();
}

void TStyApplication::DoThemeChange()
{
    if (!Screen) return;
    for (Integer i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* form = Screen->Forms(i);
        form->Perform(UM_THEMECHANGED);
        if (!form->Visible()) continue;
        TMessage message{UM_THEMECHANGED, 0, 0, 0};
        form->Broadcast(message);
        TellWindowedControls(form);
        if (!FStyOnly) form->Perform(WM_THEMECHANGED);
    }
}

String TStyApplication::UnicodeTitle() const
{
    return Application ? Application->Title() : String();
}

void TStyApplication::SetUnicodeTitle(const String& Value)
{
    if (Application) Application->SetTitle(Value);
}

TBitmap* TStyApplication::GetBrushBitmap(TColor aColor)
{
    if (!FPatternBitmap) {
        FPatternBitmap = std::make_unique<TBitmap>(8, 8);
        for (Integer y = 0; y < 8; ++y)
            for (Integer x = 0; x < 8; ++x) FPatternBitmap->Canvas().SetPixel(x, y, clWhite);
    }
    if (aColor != FLastColor) {
        for (Integer y = 0; y < 8; ++y)
            for (Integer x = 0; x < 8; ++x)
                if ((x + y) % 2 == 1) FPatternBitmap->Canvas().SetPixel(x, y, aColor);
        FLastColor = aColor;
    }
    return FPatternBitmap.get();
}

TBitmap* TStyApplication::PatternBitmap()
{
    if (!FMonoPattern) {
        FMonoPattern = std::make_unique<TBitmap>(8, 8);
        FMonoPattern->Assign(*GetBrushBitmap(clBlack));
    }
    return FMonoPattern.get();
}

void TStyApplication::SetCheckBitmap(TBitmap* Value)
{
    if (!FCheckBitmap) FCheckBitmap = std::make_unique<TBitmap>();
    FCheckBitmap->Assign(Value);
}

Integer TStyApplication::CheckCustomWidth() const
{
    return FCheckBitmap ? FCheckBitmap->Width() / 6 : 0;
}

Integer TStyApplication::CheckCustomHeight() const
{
    return FCheckBitmap ? FCheckBitmap->Height() : 0;
}

bool InvalidSingleInstance(TComponent* Component, TClass Class, bool AllowDataModule)
{
    const bool isForm = Component && Component->InheritsFrom(TCustomForm::StaticClass());
    const bool isDataModule = Component && Component->ClassNameIs("TDataModule");
    if (!Component || (!isForm && (!AllowDataModule || !isDataModule))) return true;
    if (!Class) return false;
    int count = 0;
    for (Integer i = 0; i < Component->ComponentCount(); ++i)
        if (Component->Components(i)->InheritsFrom(Class)) ++count;
    return count >= 2;
}

String TStyApplication::GetDefaultRegPath() const
{
    String path = "Software\\";
    if (!IsBlank(FCompany)) path += AddBackslash(FCompany);
    const String title = Application ? Application->Title() : String();
    path += AddBackslash(IsBlank(title) ? ProgramFileName() : title);
    if (!IsBlank(FVersion)) path += AddBackslash(FVersion);
    return path;
}

Integer TStyApplication::FreeTimerSlot() const
{
    for (size_t i = 0; i < FTimerSlots.size(); ++i)
        if (!FTimerSlots[i]) return static_cast<Integer>(i);
    return -1;
}

Word TStyApplication::AddTimer(Word wInterval, const TNotifyEvent& CallProc)
{
    Integer slot = FreeTimerSlot();
    if (slot < 0) return 0;
    Word ident = static_cast<Word>(FirstTimerIdent + slot + 1);
    FTimerPool->AddTimer(ident, wInterval, CallProc);
    FTimerSlots[static_cast<size_t>(slot)] = true;
    return ident;
}

Word TStyApplication::AddTimerExt(Word wInterval, Integer iCallCount, const TNotifyEvent& CallProc, bool bEnabled)
{
    Integer slot = FreeTimerSlot();
    if (slot < 0) return 0;
    Word ident = static_cast<Word>(FirstTimerIdent + slot + 1);
    FTimerPool->AddTimerExt(ident, wInterval, CallProc, bEnabled, iCallCount);
    FTimerSlots[static_cast<size_t>(slot)] = true;
    return ident;
}

void TStyApplication::RemoveTimer(Word Ident)
{
    if (Ident <= FirstTimerIdent || Ident > FirstTimerIdent + FTimerSlots.size()) return;
    FTimerPool->RemoveTimer(Ident);
    FTimerSlots[static_cast<size_t>(Ident - FirstTimerIdent - 1)] = false;
}

TStyTimerItem* TStyApplication::GetTimer(Word Ident) const
{
    return FTimerPool->GetTimer(Ident);
}

TCustomStyleServices& CurrentStyleServices()
{
    return StyleServices();   // the system style is the only one there is
}

bool CustomStyleActive()
{
    return TStyleManager::IsCustomStyleActive();
}

// Made before any window and freed at the end of the program, after the objects of the library
// made after it (the global container starts it first).
TStyApplication* StyApplication()
{
    static const std::unique_ptr<TStyApplication> application = std::make_unique<TStyApplication>(nullptr);
    return application.get();
}
