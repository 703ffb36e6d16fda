// The file-name edit: the name checked, quoted and read back, the open or save dialog its button
// runs, files dropped on it and the in-place completion of typed paths.
#include "editcontrols/EcToolEdit.h"

#include "editcontrols/EcCoreUtils.h"
#include "editcontrols/EcsBase.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/FileSys.h"
#include "platform/rtl/RtlConsts.h"
#include "platform/rtl/SysFormat.h"
#include "platform/services/ShellApi.h"
#include "platform/stdctrls/EditCompletion.h"

namespace {

const Cardinal MaxDroppedPath = 260;

bool HasBlank(const String& s) { return Pos(" ", s) > 0; }

}  // namespace

const TEnumTypeInfo& TypeInfoOf(TEcAutoCompleteFileOption)
{
    static const TEnumTypeInfo info("TEcAutoCompleteFileOption", {"acfFileSystem", "acfFileSysDirs", "acfURLHistory", "acfURLMRU"},
                                    "TEcAutoCompleteFileOptions");
    return info;
}
const TEnumTypeInfo& TypeInfoOf(TFileDialogKind)
{
    static const TEnumTypeInfo info("TFileDialogKind", {"dkOpen", "dkSave", "dkOpenPicture", "dkSavePicture"});
    return info;
}

String QuoteFileName(const String& s)
{
    if (!HasBlank(s) || (s.Length() > 0 && s[1] == u'"')) return s;
    return "\"" + s + "\"";
}

// The whole name is kept: an output file "my results.txt" typed without quotes is that file, not
// "my".
String RealFileName(const String& s, bool strip)
{
    String name = Trim(s);
    if (strip && name.Length() >= 2 && name[1] == u'"' && name[name.Length()] == u'"')
        name = Copy(name, 2, name.Length() - 2);
    if (!name.IsEmpty() && !FileExists(name) && DirectoryExists(name)) return IncludeTrailingPathDelimiter(name);
    return name;
}

// ---------------------------------------------------------------- TEcFileDirEdit
TClass TEcFileDirEdit::StaticClass()
{
    static const TMetaClass meta("TEcFileDirEdit", TEcCustomComboEdit::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_DROPFILES, &TEcFileDirEdit::WMDropFiles);
    });
    return &meta;
}

TEcFileDirEdit::TEcFileDirEdit(TComponent* AOwner) : TEcCustomComboEdit(AOwner)
{
    SetAlwaysEnableButton(true);
    FAlwaysShowPopup = true;
    SetAutoCompleteOptions({acoAutoSuggest});
    SetImageKind(ikDefault);
}

void TEcFileDirEdit::SetAcceptFiles(bool value)
{
    if (value == FAcceptFiles) return;
    FAcceptFiles = value;
    if (HandleAllocated()) DragAcceptFiles(WindowHandle(), value);
}

namespace {

// The files and folders (or the folders) whose names begin with what is typed.
class TFileSystemSource : public TAutoCompleteSource {
public:
    using TAutoCompleteSource::TAutoCompleteSource;
    std::vector<String> Candidates(const String& typed) override
    {
        const bool dirs = static_cast<TEcFileDirEdit*>(FEdit)->AutoCompleteFileOptions().Contains(acfFileSysDirs);
        return CompleteFileName(typed, dirs ? TCompletionKind::ckFoldersOnly : TCompletionKind::ckFilesAndFolders);
    }
};

}  // namespace

std::unique_ptr<TAutoCompleteSource> TEcFileDirEdit::NewAutoCompleteSource()
{
    return std::make_unique<TFileSystemSource>(this);
}

void TEcFileDirEdit::CreateWnd()
{
    TEcCustomComboEdit::CreateWnd();
    if (FAcceptFiles && !ComponentState().Contains(csDesigning)) DragAcceptFiles(WindowHandle(), true);
}

void TEcFileDirEdit::DestroyWnd()
{
    if (FAcceptFiles && HandleAllocated()) DragAcceptFiles(WindowHandle(), false);
    TEcCustomComboEdit::DestroyWnd();
}

void TEcFileDirEdit::WMDropFiles(TMessage& message)
{
    auto drop = reinterpret_cast<HDROP>(message.WParam);
    const Cardinal count = DragQueryFile(drop, 0xFFFFFFFF, nullptr, 0);
    if (count > 0 && FAcceptFiles) {
        ClearDroppedNames();
        for (Cardinal i = 0; i < (FMultipleDirs ? count : 1); ++i) {
            char16_t buffer[MaxDroppedPath + 1] = {};
            const Cardinal length = DragQueryFile(drop, i, buffer, MaxDroppedPath + 1);
            TakeDroppedName(String(std::u16string(buffer, length)));
        }
        OnDropFiles(this);
    }
    DragFinish(drop);
}

// A text holding a line break keeps its first line.
void TEcFileDirEdit::Change()
{
    const String text = Text();
    for (Integer i = 1; i <= text.Length(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            TEcCustomComboEdit::SetText(Copy(text, 1, i - 1));
            return;
        }
    }
    TEcCustomComboEdit::Change();
}

// ---------------------------------------------------------------- TEcFilenameEdit
IMPLEMENT_CLASS(TEcFilenameEdit, TEcFileDirEdit, NewComponent<TEcFilenameEdit>)

TEcFilenameEdit::TEcFilenameEdit(TComponent* AOwner) : TEcFileDirEdit(AOwner), FDialog(new TOpenDialog(nullptr))
{
    FDialog->SetTitle(DefaultDialogTitle);
    FDialog->SetFilter(DefaultFilter);
    FDialog->SetOptions(TOpenOptions{ofHideReadOnly});
    ApplyButtonGlyph();
}

TEcFilenameEdit::~TEcFilenameEdit() { delete FDialog; }

String TEcFilenameEdit::FileName() const
{
    return RealFileName(ShowsLocalizedName() ? FPhysicalFileName : Text(), FAddQuotes);
}

// A name stored with "\" separators is written with "/".
void TEcFilenameEdit::SetFileName(const String& value)
{
    const String name = StringReplace(value, "\\", "/", rfReplaceAll);
    if (!name.IsEmpty() && !IsValidFileName(RealFileName(name, FAddQuotes)))
        throw EComboEditError(Format(SInvalidFileName, {value}));
    ShowName(FAddQuotes ? QuoteFileName(name) : name);
    if (!Focused()) SetSelStart(0);   // the start of a long path in view
    ClearDroppedNames();
}

void TEcFilenameEdit::ShowName(const String& name)
{
    FShowingName = true;
    try {
        SetText(ShowsLocalizedName() ? PathToDisplayPath(name) : name);
    } catch (...) {
        FShowingName = false;
        throw;
    }
    FShowingName = false;
    FPhysicalFileName = name;
}

void TEcFilenameEdit::SetDisplayLocalizedName(bool value)
{
    if (value == FDisplayLocalizedName) return;
    FDisplayLocalizedName = value;
    if (!Focused()) ShowName(FPhysicalFileName);
}

String TEcFilenameEdit::LocalizedFileName() const { return PathToDisplayPath(FileName()); }

// The edit being typed in shows the name on disk.
void TEcFilenameEdit::DoEnter()
{
    if (FDisplayLocalizedName) ShowName(FPhysicalFileName);
    TEcFileDirEdit::DoEnter();
}

void TEcFilenameEdit::DoExit()
{
    TEcFileDirEdit::DoExit();
    if (FDisplayLocalizedName) ShowName(FPhysicalFileName);
}

// What is typed is the physical name.
void TEcFilenameEdit::Change()
{
    TEcFileDirEdit::Change();
    if (!FShowingName) FPhysicalFileName = Text();
}

void TEcFilenameEdit::SetDialogKind(TFileDialogKind value)
{
    if (value == FDialogKind) return;
    FDialogKind = value;
    const bool save = value == dkSave || value == dkSavePicture;
    TOpenDialog* dialog = save ? new TSaveDialog(nullptr) : new TOpenDialog(nullptr);
    dialog->SetDefaultExt(FDialog->DefaultExt());
    dialog->SetFileName(FDialog->FileName());
    dialog->SetFilter(FDialog->Filter());
    dialog->SetFilterIndex(FDialog->FilterIndex());
    dialog->SetInitialDir(FDialog->InitialDir());
    dialog->SetOptions(FDialog->Options());
    dialog->SetTitle(FDialog->Title());
    dialog->SetFileEditStyle(FDialog->FileEditStyle());
    dialog->SetHistoryList(&FDialog->HistoryList());
    delete FDialog;
    FDialog = dialog;
}

void TEcFilenameEdit::SetDialogOptions(TOpenOptions value)
{
    FDialog->SetOptions(value);
    FMultipleDirs = value.Contains(ofAllowMultiSelect);
    if (!FMultipleDirs) ClearDroppedNames();
}

String TEcFilenameEdit::LongFileName() const { return FoundLongName(FileName()); }
String TEcFilenameEdit::ShortFileName() const { return FoundShortName(FileName()); }

void TEcFilenameEdit::TakeDroppedName(const String& name)
{
    if (!FMultipleDirs || FDialogFiles.empty()) SetFileName(name);
    if (FMultipleDirs) FDialogFiles.push_back(name);
}

void TEcFilenameEdit::OpenPopup(bool)
{
    String name = FileName();
    bool action = true;
    OnBeforeDialog(this, name, action);
    if (!action) return;
    if (IsValidFileName(name)) {
        String folder = ExtractFilePath(name);
        String file = ExtractFileName(name);
        if (!IsValidFileName(file)) file = String();
        if (!folder.IsEmpty() && DirectoryExists(folder)) {
            FDialog->SetInitialDir(ExcludeTrailingPathDelimiter(folder));
            FDialog->SetFileName(file);
        } else {
            FDialog->SetFileName(file.IsEmpty() ? String() : name);
        }
    } else {
        FDialog->SetFileName(String());
    }
    action = FDialog->Execute();
    if (action) {
        name = FDialog->FileName();
        if (FMultipleDirs) FDialogFiles = FDialog->Files();
    }
    if (CanFocus()) SetFocus();
    OnAfterDialog(this, name, action);
    if (!action) return;
    SetText(FAddQuotes ? QuoteFileName(name) : name);
    SetModified(true);
    FDialog->SetInitialDir(ExcludeTrailingPathDelimiter(ExtractFilePath(FDialog->FileName())));
}

// An open folder, read once; fuchsia is its transparent colour.
void TEcFilenameEdit::LoadDefaultGlyph(TBitmap& into) const
{
    static TBitmap* glyph = [] {
        auto* b = new TBitmap;
        b->LoadFromResourceName(HInstance, "EcFilenameEditGLYPH");
        b->SetTransparentColor(clFuchsia);
        return b;
    }();
    into.Assign(*glyph);
}
