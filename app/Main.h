#pragma once
// The program's main window: the frame that holds one document window per open dam model, its
// menus, tool bars, status strip and unit-system list, the settings file, the open and save
// dialogs, the splash window and the About box, and the process-wide state of the program.
#include <functional>
#include <vector>

#include "app/MRUfiles.h"
#include "engine/Fichier.h"
#include "foundation/StyIniCtrl.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComCtrls.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/ControlBar.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/ImgList.h"
#include "platform/stdctrls/StdCtrls.h"
#include "platform/stdctrls/Timer.h"
#include "platform/stdctrls/ToolBar.h"

class TMDIChild;

class TMainForm : public TForm, public IDamFileHost {
    DECLARE_CLASS(TMainForm, TForm)
public:
    explicit TMainForm(TComponent* AOwner);

    // ---- components of the form description
    TMainMenu* MainMenu1 = nullptr;
    TMenuItem* File1 = nullptr;
    TMenuItem* FileNewItem = nullptr;
    TMenuItem* FileOpenItem = nullptr;
    TMenuItem* FileCloseItem = nullptr;
    TMenuItem* FileSaveItem = nullptr;
    TMenuItem* FileSaveAsItem = nullptr;
    TMenuItem* Calculator1 = nullptr;
    TMenuItem* FileExitItem = nullptr;
    TMenuItem* RecentFilesAnchor = nullptr;
    TMenuItem* Window1 = nullptr;
    TMenuItem* WindowCascadeItem = nullptr;
    TMenuItem* WindowTileItem = nullptr;
    TMenuItem* TileHorizontal1 = nullptr;
    TMenuItem* WindowArrangeItem = nullptr;
    TMenuItem* WindowMinimizeItem = nullptr;
    TMenuItem* Help1 = nullptr;
    TMenuItem* Webupdate1 = nullptr;
    TControlBar* ControlBar1 = nullptr;
    TToolBar* ToolBarFile = nullptr;
    TToolBar* ToolBarInput = nullptr;
    TToolBar* ToolBarAnalysis = nullptr;
    TToolBar* ToolBarParametric = nullptr;
    TToolButton* ToolButtonSave = nullptr;
    TPanel* BottomPanel = nullptr;
    TStatusBar* StatusBar = nullptr;
    TLabel* LabelUnits = nullptr;
    TComboBox* ComboUnits = nullptr;
    TOpenDialog* OpenDialog = nullptr;
    TSaveDialog* SaveDialog = nullptr;
    TMRUFiles* MRUFiles = nullptr;
    TStyIniCtrl* StyIniCtrl1 = nullptr;
    TImageList* ImageListActive = nullptr;
    TImageList* ImageListDisabled = nullptr;

    String mHelpFile;
    // The program's folder with its trailing separator: the base of "help/", "Doc/", "images/"
    // and of the settings file.  (A member, as the runtime's ProgramDir() names the running
    // executable's folder, which tests replace by a temporary one.)
    static inline String ProgramDir;

    // ---- handlers
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FileNewItemClick(TObject* Sender);
    void FileOpenItemClick(TObject* Sender);
    void FileCloseItemClick(TObject* Sender);
    void FileSaveItemClick(TObject* Sender);
    void FileSaveAsItemClick(TObject* Sender);
    void FileExitItemClick(TObject* Sender);
    void ToolButton2Click(TObject* Sender);
    void MRUFilesClick(TObject* Sender, const String& FileName);
    void WindowCascadeItemClick(TObject* Sender);
    void WindowTileItemClick(TObject* Sender);
    void TileHorizontal1Click(TObject* Sender);
    void WindowArrangeItemClick(TObject* Sender);
    void WindowMinimizeItemClick(TObject* Sender);
    void Index1Click(TObject* Sender);
    void Dorva2000UsersmanualAcrobatReader1Click(TObject* Sender);
    void Webupdate1Click(TObject* Sender);
    void HelpAboutItemClick(TObject* Sender);
    void ComboUnitsChange(TObject* Sender);
    void UpdateMenuItems(TObject* Sender);
    void DisplayHint(TObject* Sender);
    void HelpHook(Word Command, std::intptr_t Data, bool& CallHelp);
    void AcceptFiles(TMessage& Msg);

    // Reads a ".dam" file into CurrentModel (ProceedFlag tells whether it did).
    void LectureFichier1_0(const String& FileName);

    // ---- the document windows
    Integer DocumentWindowCount() const { return MDIChildCount(); }
    TMDIChild* DocumentWindow(Integer index) const;
    TMDIChild* ActiveDocument() const;
    // Saves the document to its file (a document without one asks for a name first); false
    // when the user cancelled the name or the file could not be written.
    bool SaveDocument(TMDIChild* Document);

    // ---- the ".dam" reader's host
    int DocumentCount() const override { return MDIChildCount(); }
    String DocumentCaption(int index) const override;
    TParametres& CurrentModel() override;
    bool ProceedFlag() const override;
    void SetProceedFlag(bool value) override;
    TProgramVersion ProgramVersion() const override;
    void ShowWarning(const String& message) override;

    // The settings file: ProgramDir + "dorvane.ini", or the user's configuration folder when
    // the program's folder cannot be written.
    String SettingsFileName() const;

private:
    // A document window for CurrentModel, captioned with the file name.
    TMDIChild* OpenDocument(const String& FileName);
    // Reads the file and opens it in a window; true when it did.
    bool OpenFile(const String& FileName, bool AddToRecent);
    // Writes CurrentModel to the file; reports a failure and answers false.
    bool WriteModel(const String& FileName, TParametres& Model);
    // True when the name leads to the file of an open document, compared as the ".dam" reader
    // compares it (the same file, letter case counting).
    bool IsAnyDocumentCaption(const String& FileName) const;
    void NormalizeDocumentWindows();
    Integer ReadSetting(const String& Section, const String& Key, Integer Default) const;
    String ReadSetting(const String& Section, const String& Key, const String& Default) const;
    void WriteSetting(const String& Section, const String& Key, Integer Value) const;
    void WriteSetting(const String& Section, const String& Key, const String& Value) const;
    Integer FNewCount = 0;
};

// The splash window shown while the program starts: it may close only once its timer has run.
class TSplashScreen : public TForm {
    DECLARE_CLASS(TSplashScreen, TForm)
public:
    explicit TSplashScreen(TComponent* AOwner) : TForm(AOwner) {}
    TPanel* Panel1 = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* Version = nullptr;
    TTimer* Timer1 = nullptr;
    void FormCreate(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
};

class TAboutBox : public TForm {
    DECLARE_CLASS(TAboutBox, TForm)
public:
    explicit TAboutBox(TComponent* AOwner) : TForm(AOwner) {}
    TImage* ProgramIcon = nullptr;
    TLabel* ProductName = nullptr;
    TLabel* Version = nullptr;
    TLabel* MailLink = nullptr;
    TLabel* DownloadsLink = nullptr;
    TBitBtn* PictureButton = nullptr;
    TButton* OKButton = nullptr;
    void FormCreate(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void MailLinkClick(TObject* Sender);
    void DownloadsLinkClick(TObject* Sender);
    void PictureButtonClick(TObject* Sender);
};

// The version line of the splash window and the About box.
String VersionText();

// ---- process-wide state
extern TMainForm* MainForm;
extern String LastDirectory;
extern Integer LastFilterIndex;
extern bool ProceedFlag;
extern TParametres CurrentModel;
extern TProgramVersion ProgramVersion;
// The program's arguments, as the command line gave them.
extern std::vector<String> CommandLineArguments;

// Registers the program's window classes for their form descriptions.
void RegisterProgramClasses();
// Start-up: the splash window, the application object, the main window, the splash's close
// (WhileSplash runs while it waits, else events are handled), and the main window shown.
void ProgramStart(const std::function<void()>& WhileSplash = nullptr);
// Start-up, the message loop, and the exit code.
int ProgramMain();
