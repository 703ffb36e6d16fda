#pragma once
// The process-wide application object of the styled-control library and its timer pool: many
// logical timers multiplexed on one system timer that ticks every MinInterval milliseconds.
#include <array>
#include <chrono>
#include <memory>
#include <vector>

#include "foundation/StyCustomComponent.h"
#include "foundation/StyProcs.h"
#include "foundation/StyThemes.h"
#include "platform/classes/Events.h"
#include "platform/classes/Set.h"
#include "platform/rtl/Lists.h"
#include "platform/services/Themes.h"

class TTimer;
class TStyTimerPool;
class TStyIniCtrl;

// ---------------------------------------------------------------- timer pool

using TStyTimerInterval = Integer;   // 1 .. 65535 milliseconds
using TStyTimerPoolEvent = TEvent<TObject*, Word, Integer>;   // Sender, Ident, Counter

// One logical timer of a pool: it fires on the ticks whose number is a multiple of HitValue.
class TStyTimerItem : public TObject {
    DECLARE_CLASS(TStyTimerItem, TObject)
public:
    // EInvalidOperation "<class>: Invalid Owner or List" without pool or list; the item does
    // not add itself to the list.
    TStyTimerItem(TStyTimerPool* aOwner, Word Ident, TList* List);
    ~TStyTimerItem() override;   // leaves the list

    // Fires CallCount times, then disables itself; -1 fires without limit, 0 disables.
    Integer CallCount() const { return FCallCount; }
    void SetCallCount(Integer Value);
    // Firings since the enabled state or the interval last changed.
    Integer Counter() const { return FCounter; }
    bool Enabled() const { return FEnabled; }
    // Enabling an item whose CallCount is 0 is refused.
    void SetEnabled(bool Value);
    Word Ident() const { return FIdent; }
    Word Interval() const { return FInterval; }
    // Taken only as a multiple of the pool's MinInterval (0 means MinInterval).
    void SetInterval(Word Value);
    Integer HitValue() const { return FInternal; }

    // Fires once: OnTimer with the pool as Sender, else the pool's OnTimer.
    void Timer();
    TNotifyEvent OnTimer;

private:
    Integer FCallCount = -1;
    Integer FCounter = 0;
    bool FEnabled = true;
    Word FIdent;
    Word FInterval = 1000;
    Integer FInternal;
    TList* FList;
    TStyTimerPool* FOwner;
};

class TStyTimerPool : public TStyCustomComponent {
    DECLARE_CLASS(TStyTimerPool, TStyCustomComponent)
public:
    explicit TStyTimerPool(TComponent* AOwner);
    // The pool made at run time with its minimum interval (the application object's 50 ms pool).
    TStyTimerPool(TComponent* aOwner, TStyTimerInterval MinInterval);
    ~TStyTimerPool() override;

    TStyTimerInterval MinInterval() const { return FInterval; }
    // Taken only while the pool is read from a form or designed.
    void SetMinInterval(TStyTimerInterval Value);

    // Adds an enabled item firing every wInterval ms and restarts the tick sequence of all items;
    // returns its index.  Raises when Ident is in use, and Exception
    // "Interval not compatible with MinInterval property!" for an interval below MinInterval or
    // no multiple of it.
    Integer AddTimer(Word Ident, Word wInterval, const TNotifyEvent& CallProc);
    Integer AddTimerExt(Word Ident, Word wInterval, const TNotifyEvent& CallProc, bool Enabled, Integer CallCount);
    // Frees the item; removing the last one stops the system timer.
    void RemoveTimer(Word Ident);
    void ClearTimers();
    TStyTimerItem* GetTimer(Word Ident) const;
    Integer IndexOf(Word Ident) const;
    bool HasTimerProc() const { return OnTimer.Assigned(); }

    Integer ActiveTimers() const;
    Integer Count() const { return FList.Count(); }
    bool Active() const { return FActive; }

    TStyTimerPoolEvent OnTimer;

private:
    // The system timer's message: one tick unless one is in progress; an exception goes to the
    // application's handler and later ticks go on.
    void WMTimer();
    void Tick();
    void StartStop(bool Start);

    bool FActive = false;
    bool FFLag = false;
    Integer FPCounter = 0;
    TStyTimerInterval FInterval = 1000;
    TList FList;
    Byte FUpdate = 0;
};

// A timer of the styled controls: on the application object's pool (global mode, the interval
// rounded up to a multiple of 50 ms) or on a platform timer of its own.
class TStyTimer : public TObject {
    DECLARE_CLASS(TStyTimer, TObject)
public:
    // EOutOfResources "Pas assez de timers disponibles" when the pool has no identifier left.
    TStyTimer(Word gInterval, const TNotifyEvent& gTimer, bool gEnabled, bool gmode);
    ~TStyTimer() override;

    bool GlobalMode() const { return FGlobalTimer; }
    void SetGlobalMode(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    Word Interval() const { return FInterval; }
    // Passed on unchanged: on the pool an interval that is no multiple of 50 is not taken.
    void SetInterval(Word Value);
    Word TimerID() const { return FTimerID; }

    TNotifyEvent OnTimer;

private:
    void CreateTimer();
    void ReleaseTimer();
    void DoTimer(TObject* Sender);

    TTimer* FTimer = nullptr;
    Word FTimerID = 0;
    bool FGlobalTimer;
    bool FEnabled;
    Word FInterval;
};

// ---------------------------------------------------------------- application object

class TNamedMapping;
class TLocalMessageServer;
class TBitmap;

enum TStyApplicationOption {
    aoAutoRealizePalette, aoMouseCtrlActive, aoLogAlwaysClear, aoLogException, aoLogHeader, aoLogNr, aoLogTime, aoLogDate
};
using TStyApplicationOptions = Set<TStyApplicationOption>;
enum TStyEditMode { emInsert, emShift, emCtrl, emAlt, emCaps, emNum, emScroll };
using TStyEditModes = Set<TStyEditMode>;
enum TStyLogAction { laNone, laClearLog, laBackupLog };

using TStyMaxLogSizeEvent = TEvent<TObject*, const String&, bool&>;      // Sender, LogName, Cancel
using TStyOnHeaderWrite = TEvent<TObject*, TStringList&>;               // Sender, Target
using TStyExceptionEvent = TEvent<TObject*, Exception&, bool&>;         // Sender, E, Cancel
using TStyOnReceiveData = TEvent<TObject*, const void*, Integer>;       // Sender, AData, ASize

// "<name>:" and a line break, then "Invalid owner (<>TForm) or second instance on a form" (0) or
// "Already one <name> control in this project!" (1); other values give no message.
class EStyOneInstError : public Exception {
public:
    EStyOneInstError(const String& cName, Byte aValue);
};

// The library's companion of the platform's application object: the log file, the previous
// running copy of the program and the data sent to it, the pool timers, theme flags, the editors'
// edit mode and a stopwatch.
class TStyApplication : public TComponent {
    DECLARE_CLASS(TStyApplication, TComponent)
public:
    // The instance check runs on the name of the running program (upper-cased file name);
    // InstanceName replaces it.
    explicit TStyApplication(TComponent* AOwner, const String& InstanceName = String());
    ~TStyApplication() override;

    // ---- log
    const String& LogMask() const { return FMask; }
    void SetLogMask(const String& Value) { FMask = Value; }
    TStyApplicationOptions Options() const { return FOptions; }
    void SetOptions(TStyApplicationOptions Value) { FOptions = Value; }
    const String& LogName() const { return FLogName; }
    // A blank name is the program's with ".LOG", a blank extension gets ".LOG"; unless the prefix
    // is ppFixed the file lies in the prefix folder.
    void SetLogName(const String& Value);
    TStyPathPrefix LogPrefix() const { return FLogPrefix; }
    void SetLogPrefix(TStyPathPrefix Value);
    Integer LogMaxsize() const { return FLogMaxSize; }
    void SetLogMaxsize(Integer Value) { FLogMaxSize = Value; }
    TStyLogAction LogMaxAction() const { return FlogAction; }
    void SetLogMaxAction(TStyLogAction Value) { FlogAction = Value; }
    // One entry: "#CR" an empty line, "#Line" 80 stars, "#Header" the header; any other text a
    // numbered line built from LogMask.  A file that cannot be written drops the entry.
    void LogWrite(const String& aValue);
    // The exception being handled, with the class and name of Sender.
    void LogException(TComponent* Sender);
    void HandleException(TObject* Sender, Exception& E);
    TStyMaxLogSizeEvent OnMaxLogSize;
    TStyOnHeaderWrite OnHeaderWrite;
    TStyExceptionEvent OnException;

    // ---- previous running copy
    bool IsPrevRunning() const { return FIsPrevRunning; }
    Cardinal PreviouseAppWin() const { return FPreviouseAppWin; }
    // The socket on which this copy hears the data later copies send; -1 when none.
    int MonitorHandle() const;
    // EInvalidOperation "No previous app instance running." without one; otherwise waits until
    // the first copy has handled the data.
    void SendDataToPrevApp(const void* AData, Integer ASize);
    void RegisterDataReceiver(const TStyOnReceiveData& AReceiver);
    void UnregisterDataReceiver(const TStyOnReceiveData& AReceiver);

    // Pool timers with the identifiers $FD01 .. $FDFA; 0 when all 250 are in use.
    Word AddTimer(Word wInterval, const TNotifyEvent& CallProc);
    Word AddTimerExt(Word wInterval, Integer iCallCount, const TNotifyEvent& CallProc, bool bEnabled);
    void RemoveTimer(Word Ident);   // identifiers up to $FD00 are ignored
    TStyTimerItem* GetTimer(Word Ident) const;
    TStyTimerPool* Timers() const { return FTimerPool; }

    const String& Company() const { return FCompany; }
    void SetCompany(const String& Value) { FCompany = Value; }
    const String& Version() const { return FVersion; }
    void SetVersion(const String& Value) { FVersion = Value; }
    // "Software\<company>\<title>\<version>\": the company and version parts only when set, the
    // program's path when the application has no title.
    String GetDefaultRegPath() const;
    // The application's own settings component, with default settings.
    TStyIniCtrl* Ini() const { return FIniCtrl; }

    // ---- editors, themes, stopwatch, system
    TStyEditModes EditMode() const { return FEditMode; }
    void SetEditMode(TStyEditModes Value);
    TNotifyEvent OnEditModeChange;
    // Visual styles are not available: the flags read false and the classic drawing runs.
    bool XPThemesSupported() const;
    bool UseXPThemes() const;
    void SetUseXPThemes(bool Value);
    TStyThemeMode ThemeGlobalMode() const { return FGlobalThemeMode; }
    // A change tells every form (DoThemeChange).
    void SetThemeGlobalMode(TStyThemeMode Value);
    bool GetThemeModeSupported(TStyThemeMode Value) const;
    void STWStart();
    Integer STWStop();        // milliseconds since STWStart
    Extended STWStopExt();    // seconds since STWStart
    // The program may not shut the system down or log the user off: always false.
    bool QuitWindows(Byte Mode);
    bool UseXPThemesStyOnly() const { return FStyOnly; }
    // Turned on while the global theme mode is not the platform's: the program's windows are
    // themed again and every form hears of it.
    void SetUseXPThemesStyOnly(bool Value);
    bool ThemeUseColorProperty() const { return FThemeUseColorProperty; }
    void SetThemeUseColorProperty(bool Value) { FThemeUseColorProperty = Value; }
    // Tells every form (1513) and, on visible forms, their controls of a change of theme; the
    // windowed controls (and, unless UseXPThemesStyOnly, the form) get WM_THEMECHANGED.
    void DoThemeChange();

    // The platform application's title.
    String UnicodeTitle() const;
    void SetUnicodeTitle(const String& Value);
    // An 8 x 8 checkerboard of aColor and white, drawn again only for another colour; the same
    // bitmap each time.  PatternBitmap is a copy of the black one of its own.
    TBitmap* GetBrushBitmap(TColor aColor);
    TBitmap* PatternBitmap();

    // ---- check boxes and dialogs
    // The check-box cell of the system's check-box strip.
    Integer CheckDefWidth() const { return FCheckWidth; }
    Integer CheckDefHeight() const { return FCheckHeight; }
    // A check-box strip of the program's own, six cells across; null until one is set.
    TBitmap* CheckBitmap() const { return FCheckBitmap.get(); }
    // Copies Value into the application's own bitmap (null empties it).
    void SetCheckBitmap(TBitmap* Value);
    // The cell of CheckBitmap: its width div 6 and its height; 0 without one.
    Integer CheckCustomWidth() const;
    Integer CheckCustomHeight() const;
    // The message-box style object the dialogs use; not owned, null by default.
    TObject* MsgBox() const { return FMsgBoxStyle; }
    void SetMsgBox(TObject* Value) { FMsgBoxStyle = Value; }
    Byte DlgEffectDelay() const { return FEffectDelay; }
    void SetDlgEffectDelay(Byte Value) { FEffectDelay = Value; }
    // Programs here carry no manifest asking for themed controls.
    bool XPManifestAvailable() const { return FManifest; }

private:
    Integer FreeTimerSlot() const;
    void CheckPreviousInstance(const String& InstanceName);
    void ReceiveData(const std::vector<Byte>& Data);
    void WriteLogLines(const std::vector<String>& Lines, bool Restart);
    std::vector<String> HeaderLines();

    String FMask = "#tdl";
    TStyApplicationOptions FOptions{aoMouseCtrlActive, aoLogAlwaysClear, aoLogHeader, aoLogNr};
    TStyEditModes FEditMode{emInsert};
    TStyPathPrefix FLogPrefix = ppProgram;
    String FLogName;
    Integer FLogMaxSize = -1;
    Byte FUpdate = 0;
    Integer FCounter = 0;
    TStyLogAction FlogAction = laNone;
    std::chrono::steady_clock::time_point FStartTime{};
    String FInstanceName;
    std::unique_ptr<TNamedMapping> FMapping;
    std::unique_ptr<TLocalMessageServer> FMonitor;
    bool FIsPrevRunning = false;
    Cardinal FPreviouseAppWin = 0;
    std::vector<TStyOnReceiveData> FDataReceivers;
    bool FUseXPThemes = true;
    bool FStyOnly = false;
    bool FThemeUseColorProperty = true;
    TStyThemeMode FGlobalThemeMode = ttmPlatform;
    std::unique_ptr<TBitmap> FMonoPattern;
    std::unique_ptr<TBitmap> FPatternBitmap;
    TColor FLastColor = 0x1FFFFFFF;
    std::unique_ptr<TBitmap> FCheckBitmap;
    TObject* FMsgBoxStyle = nullptr;
    Byte FEffectDelay = 3;
    Integer FCheckWidth = 0;
    Integer FCheckHeight = 0;
    bool FManifest = false;

    String FCompany;
    String FVersion;
    TStyTimerPool* FTimerPool;
    TStyIniCtrl* FIniCtrl;
    std::array<bool, 250> FTimerSlots{};
};

// True when component is no form (nor, when allowed, a data module), or when it owns two or
// more components of that class; false for a nil class.
bool InvalidSingleInstance(TComponent* Component, TClass Class, bool AllowDataModule);

// The style services the theme code draws through, and whether a custom style is active.
TCustomStyleServices& CurrentStyleServices();
bool CustomStyleActive();

// The process-wide application object, made on first use.
TStyApplication* StyApplication();
