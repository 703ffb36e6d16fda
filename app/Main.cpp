#include "app/Main.h"

#include <unistd.h>

#include "analysis/ExcelDlg.h"
#include "analysis/Progress.h"
#include "app/Childwin.h"
#include "app/InputDialogRegistry.h"
#include "app/ToolImages.h"
#include "engine/Tables.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/SysFormat.h"
#include "platform/services/HtmlHelp.h"
#include "platform/services/Process.h"
#include "platform/services/ShellApi.h"

TMainForm* MainForm = nullptr;
String LastDirectory = "c:\\";
Integer LastFilterIndex = 0;
bool ProceedFlag = false;
TParametres CurrentModel;
TProgramVersion ProgramVersion;
std::vector<String> CommandLineArguments;

namespace {

const char* const SectionWindow = "Window";
const char* const SectionFile = "File";
const char* const SectionRecentFiles = "Recent Files";
const char* const KeyFilterIndex = "Filter Index";

bool IsUnnamed(const String& caption) { return Copy(caption, 1, 6) == "Noname"; }

}  // namespace

TClass TMainForm::StaticClass()
{
    static const TMetaClass meta("TMainForm", TForm::StaticClass(), NewComponent<TMainForm>, [](TMetaClass& m) {
        using F = TMainForm;
        TPublished<F>(&m)
            .Method("FormCreate", &F::FormCreate)
            .Method("FormShow", &F::FormShow)
            .Method("FormClose", &F::FormClose)
            .Method("FileNewItemClick", &F::FileNewItemClick)
            .Method("FileOpenItemClick", &F::FileOpenItemClick)
            .Method("FileCloseItemClick", &F::FileCloseItemClick)
            .Method("FileSaveItemClick", &F::FileSaveItemClick)
            .Method("FileSaveAsItemClick", &F::FileSaveAsItemClick)
            .Method("FileExitItemClick", &F::FileExitItemClick)
            .Method("ToolButton2Click", &F::ToolButton2Click)
            .Method("MRUFilesClick", &F::MRUFilesClick)
            .Method("WindowCascadeItemClick", &F::WindowCascadeItemClick)
            .Method("WindowTileItemClick", &F::WindowTileItemClick)
            .Method("TileHorizontal1Click", &F::TileHorizontal1Click)
            .Method("WindowArrangeItemClick", &F::WindowArrangeItemClick)
            .Method("WindowMinimizeItemClick", &F::WindowMinimizeItemClick)
            .Method("Index1Click", &F::Index1Click)
            .Method("Dorva2000UsersmanualAcrobatReader1Click", &F::Dorva2000UsersmanualAcrobatReader1Click)
            .Method("Webupdate1Click", &F::Webupdate1Click)
            .Method("HelpAboutItemClick", &F::HelpAboutItemClick)
            .Method("ComboUnitsChange", &F::ComboUnitsChange)
            .Field("MainMenu1", &F::MainMenu1)
            .Field("File1", &F::File1)
            .Field("FileNewItem", &F::FileNewItem)
            .Field("FileOpenItem", &F::FileOpenItem)
            .Field("FileCloseItem", &F::FileCloseItem)
            .Field("FileSaveItem", &F::FileSaveItem)
            .Field("FileSaveAsItem", &F::FileSaveAsItem)
            .Field("Calculator1", &F::Calculator1)
            .Field("FileExitItem", &F::FileExitItem)
            .Field("RecentFilesAnchor", &F::RecentFilesAnchor)
            .Field("Window1", &F::Window1)
            .Field("WindowCascadeItem", &F::WindowCascadeItem)
            .Field("WindowTileItem", &F::WindowTileItem)
            .Field("TileHorizontal1", &F::TileHorizontal1)
            .Field("WindowArrangeItem", &F::WindowArrangeItem)
            .Field("WindowMinimizeItem", &F::WindowMinimizeItem)
            .Field("Help1", &F::Help1)
            .Field("Webupdate1", &F::Webupdate1)
            .Field("ControlBar1", &F::ControlBar1)
            .Field("ToolBarFile", &F::ToolBarFile)
            .Field("ToolBarInput", &F::ToolBarInput)
            .Field("ToolBarAnalysis", &F::ToolBarAnalysis)
            .Field("ToolBarParametric", &F::ToolBarParametric)
            .Field("ToolButtonSave", &F::ToolButtonSave)
            .Field("BottomPanel", &F::BottomPanel)
            .Field("StatusBar", &F::StatusBar)
            .Field("LabelUnits", &F::LabelUnits)
            .Field("ComboUnits", &F::ComboUnits)
            .Field("OpenDialog", &F::OpenDialog)
            .Field("SaveDialog", &F::SaveDialog)
            .Field("MRUFiles", &F::MRUFiles)
            .Field("StyIniCtrl1", &F::StyIniCtrl1)
            .Field("ImageListActive", &F::ImageListActive)
            .Field("ImageListDisabled", &F::ImageListDisabled);
        m.OnMessage(WM_DROPFILES, &F::AcceptFiles);
    });
    return &meta;
}

TMainForm::TMainForm(TComponent* AOwner) : TForm(AOwner) {}

// ---------------------------------------------------------------- settings

String TMainForm::SettingsFileName() const
{
    if (::access(ProgramDir.ToUtf8().c_str(), W_OK) == 0) return ProgramDir + "dorvane.ini";
    const String folder = UserConfigDir() + "dorvane/";
    ForceDirectories(folder);
    return folder + "dorvane.ini";
}

// Each value opens the settings file, reads or writes that value and closes the file again.
Integer TMainForm::ReadSetting(const String& Section, const String& Key, Integer Default) const
{
    return StyIniCtrl1->ReadInteger(Section, Key, Default);
}

String TMainForm::ReadSetting(const String& Section, const String& Key, const String& Default) const
{
    return StyIniCtrl1->ReadString(Section, Key, Default);
}

void TMainForm::WriteSetting(const String& Section, const String& Key, Integer Value) const
{
    StyIniCtrl1->WriteInteger(Section, Key, Value);
}

void TMainForm::WriteSetting(const String& Section, const String& Key, const String& Value) const
{
    StyIniCtrl1->WriteString(Section, Key, Value);
}

// ---------------------------------------------------------------- creation, showing, closing

void TMainForm::FormCreate(TObject*)
{
    Application->OnHint = TNotifyEvent(this, &TMainForm::DisplayHint);
    ProgramDir = IncludeTrailingPathDelimiter(ExtractFilePath(Application->ExeName()));
    LastDirectory = "c:\\";
    LastFilterIndex = 0;
    ::ProgramVersion = TProgramVersion{2, 0, 9, 1};
    Application->OnHelp = THelpEvent(this, &TMainForm::HelpHook);
    mHelpFile = ExpandFileName(ProgramDir + "help/dorvane.chm");
    Application->SetHelpFile(mHelpFile);
    StyIniCtrl1->SetIniFile(SettingsFileName());
    SetWindowMenu(Window1);
    AddFileToolImages(*ImageListActive);
    AddFileToolImages(*ImageListDisabled, tlGrey);
    MainMenu1->SetImages(ImageListActive);

    switch (ReadSetting(SectionWindow, "Window State", 0)) {
    case 1: SetWindowState(wsMinimized); break;
    case 2: SetWindowState(wsMaximized); break;
    case 0: {
        const Integer top = ReadSetting(SectionWindow, "Top", 1);
        const Integer left = ReadSetting(SectionWindow, "Left", 1);
        const Integer height = ReadSetting(SectionWindow, "Height", 480);
        const Integer width = ReadSetting(SectionWindow, "Width", 640);
        SetWindowState(wsNormal);
        SetBounds(left, top, width, height);
        break;
    }
    default: break;
    }
    LastDirectory = ReadSetting(SectionFile, "Last Directory", ProgramDir);
    LastFilterIndex = ReadSetting(SectionFile, KeyFilterIndex, 0);
    MRUFiles->LoadFromIni(SettingsFileName(), SectionRecentFiles);
    Screen->OnActiveFormChange = TNotifyEvent(this, &TMainForm::UpdateMenuItems);
    InitCoefficientTables();
    UpdateMenuItems(this);
    DragAcceptFiles(WindowHandle(), true);
}

// Command-line arguments: each one that names an existing ".dam" file opens alone; the others
// are put together with blanks (a path with blanks split by the shell) until they name a file.
// A gathered ".dam" name that comes to no file is read once all the same, so the reader says why.
void TMainForm::FormShow(TObject*)
{
    String gathered, unread;
    auto readUnread = [&] {
        if (!unread.IsEmpty()) OpenFile(unread, true);
        unread = String();
    };
    for (const String& argument : CommandLineArguments) {
        const bool damName = Pos(".dam", argument) > 0;
        if (damName && FileExists(argument)) {
            readUnread();
            gathered = String();
            OpenFile(argument, true);
            continue;
        }
        gathered = gathered.IsEmpty() ? argument : gathered + " " + argument;
        if (!damName) continue;
        if (FileExists(gathered)) {
            unread = String();
            OpenFile(gathered, true);
            gathered = String();
        } else {
            unread = gathered;
        }
    }
    readUnread();

    if (TMDIChild* active = ActiveDocument())
        ComboUnits->SetItemIndex(active->Param.unites);
    else
        ComboUnits->SetItemIndex(0);
    UpdateMenuItems(this);
}

void TMainForm::FormClose(TObject*, TCloseAction& Action)
{
    for (Integer i = DocumentWindowCount() - 1; i >= 0; --i) {
        TMDIChild* document = DocumentWindow(i);
        if (!document) continue;
        ::CurrentModel = document->Param;
        if (!document->Param.Donnees.Contains(daChanged)) continue;
        const Integer answer = MessageDlg("Save file: " + document->Caption() + "\r" + "before closing Dorvane?",
                                          mtConfirmation, mbYesNoCancel, 0);
        if (answer == mrCancel || (answer == mrYes && !SaveDocument(document))) {
            Action = caNone;
            return;
        }
    }
    Screen->OnActiveFormChange = nullptr;
    switch (WindowState()) {
    case wsNormal:
        WriteSetting(SectionWindow, "Window State", 0);
        WriteSetting(SectionWindow, "Top", Top());
        WriteSetting(SectionWindow, "Left", Left());
        WriteSetting(SectionWindow, "Height", Height());
        WriteSetting(SectionWindow, "Width", Width());
        break;
    case wsMinimized: WriteSetting(SectionWindow, "Window State", 1); break;
    case wsMaximized: WriteSetting(SectionWindow, "Window State", 2); break;
    }
    WriteSetting(SectionFile, "Last Directory", LastDirectory);
    WriteSetting(SectionFile, KeyFilterIndex, LastFilterIndex);
    MRUFiles->SaveToIni(SettingsFileName(), SectionRecentFiles);
    ::CurrentModel.Force.Elem = DynArray<TForce>();
    ::CurrentModel.Masses.Elem = DynArray<TMasses>();
    ClearJointMaterials(::CurrentModel.JointMaterials);
    ClearJointArrays(::CurrentModel.Joint, ::CurrentModel.JointLoad);
}

void TMainForm::DisplayHint(TObject*) { StatusBar->SetSimpleText(Application->Hint()); }

void TMainForm::HelpHook(Word Command, std::intptr_t Data, bool& CallHelp)
{
    if (Command == 1) {   // context help
        HtmlHelp(WindowHandle(), mHelpFile, HH_HELP_CONTEXT, static_cast<UInt64>(Data));
        CallHelp = false;
    } else {
        CallHelp = true;
    }
}

// ---------------------------------------------------------------- the ".dam" reader's host

String TMainForm::DocumentCaption(int index) const
{
    TMDIChild* document = DocumentWindow(index);
    return document ? document->Caption() : String();
}

TParametres& TMainForm::CurrentModel() { return ::CurrentModel; }
bool TMainForm::ProceedFlag() const { return ::ProceedFlag; }
void TMainForm::SetProceedFlag(bool value) { ::ProceedFlag = value; }
TProgramVersion TMainForm::ProgramVersion() const { return ::ProgramVersion; }
void TMainForm::ShowWarning(const String& message) { MessageDlg(message, mtWarning, {mbOK}, 0); }

void TMainForm::LectureFichier1_0(const String& FileName) { ::LectureFichier1_0(*this, FileName); }

// ---------------------------------------------------------------- documents

TMDIChild* TMainForm::DocumentWindow(Integer index) const { return dynamic_cast<TMDIChild*>(MDIChildren(index)); }

TMDIChild* TMainForm::ActiveDocument() const { return dynamic_cast<TMDIChild*>(ActiveMDIChild()); }

TMDIChild* TMainForm::OpenDocument(const String& FileName)
{
    auto* document = CreateForm<TMDIChild>(Application);
    document->SetCaption(FileName);
    document->FileDirectory = ExtractFilePath(FileName);
    document->Show();
    document->FormActivate(document);
    return document;
}

bool TMainForm::OpenFile(const String& FileName, bool AddToRecent)
{
    LectureFichier1_0(FileName);
    if (!::ProceedFlag) return false;
    OpenDocument(FileName);
    if (AddToRecent) MRUFiles->Add(FileName);
    return true;
}

bool TMainForm::WriteModel(const String& FileName, TParametres& Model)
{
    String field;
    if (SaveModelFile(FileName, Model, &field)) return true;
    String message = "Unable to write the file " + FileName + "\rThe model is not saved.";
    if (!field.IsEmpty()) message += "\rThe value of " + field + " is not valid.";
    MessageDlg(message, mtError, {mbOK}, 0);
    return false;
}

bool TMainForm::SaveDocument(TMDIChild* Document)
{
    String name = Document->Caption();
    SaveDialog->SetTitle("Save dam model as:");
    SaveDialog->SetFileName(name);
    const bool unnamed = IsUnnamed(name);
    if (unnamed) {
        SaveDialog->SetFileName(String());
        if (!SaveDialog->Execute()) return false;
        name = SaveDialog->FileName();
    }
    if (!WriteModel(name, Document->Param)) return false;
    if (unnamed) {
        Document->SetCaption(name);
        LastDirectory = ExtractFilePath(name);
        LastFilterIndex = SaveDialog->FilterIndex();
    }
    MRUFiles->Add(name);
    Document->Param.Donnees.Exclude(daChanged);
    if (Document == ActiveDocument()) Document->MakeCurrent();
    UpdateMenuItems(this);
    return true;
}

bool TMainForm::IsAnyDocumentCaption(const String& FileName) const
{
    for (Integer i = 0; i < DocumentWindowCount(); ++i)
        if (SameFileName(DocumentCaption(i), FileName)) return true;
    return false;
}

// ---------------------------------------------------------------- File menu

void TMainForm::FileNewItemClick(TObject*)
{
    SetDefaultParameters(::CurrentModel);
    OpenDocument("Noname" + IntToStr(++FNewCount));
    UpdateMenuItems(this);
}

void TMainForm::FileOpenItemClick(TObject*)
{
    OpenDialog->SetInitialDir(LastDirectory);
    OpenDialog->SetFilterIndex(LastFilterIndex);
    if (OpenDialog->Execute()) {
        const String name = OpenDialog->FileName();
        if (OpenFile(name, true)) {
            LastDirectory = ExtractFilePath(name);
            LastFilterIndex = OpenDialog->FilterIndex();
        }
    }
    UpdateMenuItems(this);
}

void TMainForm::FileCloseItemClick(TObject*)
{
    if (TMDIChild* active = ActiveDocument()) active->Close();
    UpdateMenuItems(this);
}

void TMainForm::FileSaveItemClick(TObject*)
{
    if (TMDIChild* active = ActiveDocument()) SaveDocument(active);
}

void TMainForm::FileSaveAsItemClick(TObject*)
{
    TMDIChild* active = ActiveDocument();
    if (!active) return;
    SaveDialog->SetTitle("Save dam model as:");
    SaveDialog->SetFileName(IsUnnamed(active->Caption()) ? String() : active->Caption());
    if (SaveDialog->Execute()) {
        const String name = SaveDialog->FileName();
        if (IsAnyDocumentCaption(name)) {
            MessageDlg("File is already in use, change file name", mtInformation, {mbOK}, 0);
        } else if (WriteModel(name, active->Param)) {
            MRUFiles->Add(name);
            active->SetCaption(name);
            active->Param.Donnees.Exclude(daChanged);
            active->MakeCurrent();
        }
    }
    UpdateMenuItems(this);
}

void TMainForm::FileExitItemClick(TObject*) { Close(); }

void TMainForm::ToolButton2Click(TObject*)
{
    if (!StartDesktopCalculator()) MessageDlg("Unable to find MS Calculator", mtInformation, {mbOK}, 0);
}

void TMainForm::MRUFilesClick(TObject*, const String& FileName)
{
    LectureFichier1_0(FileName);
    if (::ProceedFlag)
        OpenDocument(FileName);
    else
        MRUFiles->Remove(FileName);
    UpdateMenuItems(this);
}

void TMainForm::AcceptFiles(TMessage& Msg)
{
    auto drop = reinterpret_cast<HDROP>(Msg.WParam);
    const Cardinal count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
    for (Cardinal i = 0; i < count; ++i) {
        std::u16string name(DragQueryFile(drop, i, nullptr, 0) + 1, u'\0');
        DragQueryFile(drop, i, name.data(), static_cast<Cardinal>(name.size()));
        name.pop_back();
        OpenFile(String(name), true);
    }
    DragFinish(drop);
    UpdateMenuItems(this);
}

// ---------------------------------------------------------------- Window and Help menus

void TMainForm::NormalizeDocumentWindows()
{
    for (Integer i = MDIChildCount() - 1; i >= 0; --i) MDIChildren(i)->SetWindowState(wsNormal);
}

void TMainForm::WindowCascadeItemClick(TObject*)
{
    NormalizeDocumentWindows();
    Cascade();
}

void TMainForm::WindowTileItemClick(TObject*)
{
    NormalizeDocumentWindows();
    SetTileMode(tbVertical);
    Tile();
}

void TMainForm::TileHorizontal1Click(TObject*)
{
    NormalizeDocumentWindows();
    SetTileMode(tbHorizontal);
    Tile();
}

void TMainForm::WindowArrangeItemClick(TObject*) { ArrangeIcons(); }

void TMainForm::WindowMinimizeItemClick(TObject*)
{
    for (Integer i = MDIChildCount() - 1; i >= 0; --i) MDIChildren(i)->SetWindowState(wsMinimized);
}

void TMainForm::Index1Click(TObject*) { Application->HelpContext(HelpContext()); }

void TMainForm::Dorva2000UsersmanualAcrobatReader1Click(TObject*)
{
    ShellExecute(WindowHandle(), "open", ProgramDir + "Doc/Dorvane User Manual.pdf", String(), String(),
                 SW_SHOWNORMAL);
}

void TMainForm::Webupdate1Click(TObject*) {}

void TMainForm::HelpAboutItemClick(TObject*)
{
    TAboutBox* box = CreateForm<TAboutBox>(Application);
    box->ShowModal();
    delete box;
}

// ---------------------------------------------------------------- units and enabling

void TMainForm::ComboUnitsChange(TObject*)
{
    TMDIChild* active = ActiveDocument();
    if (!active) return;
    TParametres& model = active->Param;
    const TUnites chosen = ComboUnits->ItemIndex() == 1 ? US : SI;
    if (ComboUnits->ItemIndex() < 0 || chosen == model.unites) return;
    model.unites = chosen;
    ConvertModelUnits(model);
    model.Donnees.Include(daChanged);
    model.Donnees.Exclude(daAnalysed);
    active->MakeCurrent();
    UpdateMenuItems(this);
    active->UpdateMenuItems();
    active->DrawonImage();
}

void TMainForm::UpdateMenuItems(TObject*)
{
    Integer open = 0;
    for (Integer i = 0; i < MDIChildCount(); ++i)
        if (!MDIChildren(i)->ComponentState().Contains(csDestroying)) ++open;
    const bool any = open > 0;
    for (TMenuItem* item : {FileCloseItem, FileSaveItem, FileSaveAsItem, WindowCascadeItem, WindowTileItem,
                            TileHorizontal1, WindowArrangeItem, WindowMinimizeItem})
        item->SetEnabled(any);
    ToolButtonSave->SetEnabled(FileSaveItem->Enabled());
    ToolBarInput->SetVisible(any);
    ToolBarAnalysis->SetVisible(any);
    ToolBarParametric->SetVisible(any);
}

// ---------------------------------------------------------------- splash window and About box

String VersionText() { return "Version " + String("2") + "." + "0" + "." + "9" + " - " + "November 10, 2022"; }

TClass TSplashScreen::StaticClass()
{
    static const TMetaClass meta("TSplashScreen", TForm::StaticClass(), NewComponent<TSplashScreen>,
                                 [](TMetaClass& m) {
                                     using S = TSplashScreen;
                                     TPublished<S>(&m)
                                         .Method("FormCreate", &S::FormCreate)
                                         .Method("Timer1Timer", &S::Timer1Timer)
                                         .Method("FormCloseQuery", &S::FormCloseQuery)
                                         .Field("Panel1", &S::Panel1)
                                         .Field("ProductName", &S::ProductName)
                                         .Field("Version", &S::Version)
                                         .Field("Timer1", &S::Timer1);
                                 });
    return &meta;
}

void TSplashScreen::FormCreate(TObject*) { Version->SetCaption(VersionText()); }

void TSplashScreen::Timer1Timer(TObject*)
{
    Timer1->SetEnabled(false);
    Application->ProcessMessages();
}

void TSplashScreen::FormCloseQuery(TObject*, bool& CanClose) { CanClose = !Timer1->Enabled(); }

TClass TAboutBox::StaticClass()
{
    static const TMetaClass meta("TAboutBox", TForm::StaticClass(), NewComponent<TAboutBox>, [](TMetaClass& m) {
        using A = TAboutBox;
        TPublished<A>(&m)
            .Method("FormCreate", &A::FormCreate)
            .Method("FormKeyDown", &A::FormKeyDown)
            .Method("MailLinkClick", &A::MailLinkClick)
            .Method("DownloadsLinkClick", &A::DownloadsLinkClick)
            .Method("PictureButtonClick", &A::PictureButtonClick)
            .Field("ProgramIcon", &A::ProgramIcon)
            .Field("ProductName", &A::ProductName)
            .Field("Version", &A::Version)
            .Field("MailLink", &A::MailLink)
            .Field("DownloadsLink", &A::DownloadsLink)
            .Field("PictureButton", &A::PictureButton)
            .Field("OKButton", &A::OKButton);
    });
    return &meta;
}

// The program's picture as the icon (its white drawn transparent) and, larger, on the button.
void TAboutBox::FormCreate(TObject*)
{
    Version->SetCaption(VersionText());
    TBitmap& icon = ProgramIcon->Picture().Bitmap();
    DrawProgramPicture(icon, ProgramIcon->Width());
    icon.SetTransparentColor(clWhite);
    icon.SetTransparentMode(TTransparentMode::tmFixed);
    icon.SetTransparent(true);
    TBitmap picture;
    DrawProgramPicture(picture, 72);
    PictureButton->SetGlyph(&picture);
}

void TAboutBox::FormKeyDown(TObject*, Word& Key, TShiftState)
{
    if (Key == VK_ESCAPE) SetModalResult(mrCancel);
}

void TAboutBox::MailLinkClick(TObject*)
{
    ShellExecute(WindowHandle(), "open", "mailto:support@dorvane.example?subject=Mail%20from%20Dorvane");
}

void TAboutBox::DownloadsLinkClick(TObject*) { ShellExecute(WindowHandle(), "open", "https://dorvane.example/downloads"); }

void TAboutBox::PictureButtonClick(TObject*) { ShellExecute(WindowHandle(), "open", "https://dorvane.example/"); }

// ---------------------------------------------------------------- the program

void RegisterProgramClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterChartClasses();
    RegisterClasses({TManyShape::StaticClass(), TImage::StaticClass(), TStyIniCtrl::StaticClass()});
    RegisterClasses({TMainForm::StaticClass(), TSplashScreen::StaticClass(), TAboutBox::StaticClass(),
                     TMDIChild::StaticClass(), TMRUFiles::StaticClass(), TImageList::StaticClass()});
    RegisterInputDialogs();
    RegisterAnalysisWindows();
    RegisterExcelClasses();
}

namespace {
// The program's icon on every window: its picture with the white around it see-through.
void SetProgramIcon()
{
    constexpr Integer size = 32;
    TBitmap picture;
    DrawProgramPicture(picture, size);
    TPixelBuffer px;
    if (!picture.GetPixels(px)) return;
    TIcon icon;
    icon.SetSize(size, size);
    for (Integer y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<Cardinal*>(icon.Image().ScanLine(y));
        for (Integer x = 0; x < size; ++x) {
            const Cardinal p = px.Row(y)[x] & 0xFFFFFF;
            row[x] = p == 0xFFFFFF ? 0 : p | 0xFF000000;
        }
    }
    Application->Icon().Assign(&icon);
}
}  // namespace

void ProgramStart(const std::function<void()>& WhileSplash)
{
    RegisterProgramClasses();
    auto* splash = CreateForm<TSplashScreen>(Application);
    splash->Show();
    splash->Update();
    Application->Initialize();
    Application->SetTitle("Dorvane");
    SetProgramIcon();
    Application->SetHelpFile(String());
    Application->CreateForm(MainForm);
    while (!splash->CloseQuery()) {
        if (WhileSplash)
            WhileSplash();
        else
            Application->HandleMessage();
    }
    delete splash;
    MainForm->Show();
}

int ProgramMain()
{
    CommandLineArguments.clear();
    for (Integer i = 1; i <= ParamCount(); ++i) CommandLineArguments.push_back(ParamStr(i));
    ProgramStart();
    Application->Run();
    return 0;
}
