#include "platform/forms/Dialogs.h"

#include "platform/forms/Forms.h"
#include "platform/rtl/FileSys.h"

std::function<std::optional<Integer>(const TMessageBoxRequest&)> MessageBoxHook;
std::function<std::optional<TFileDialogAnswer>(const TFileDialogRequest&)> FileDialogHook;
std::function<std::optional<bool>(Integer&)> PrintDialogHook;

namespace {

Integer ShowBox(const TMessageBoxRequest& request)
{
    CancelMode();   // a press in progress ends before the box takes the input
    if (MessageBoxHook)
        if (std::optional<Integer> answer = MessageBoxHook(request)) return *answer;
    return WindowSystem().MessageBox(request.Caption, request.Text, request.Icon, request.Buttons,
                                     request.DefaultButton);
}

const TMsgDlgBtn ButtonOrder[] = {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll,
                                  mbYesToAll, mbHelp};
const Integer ButtonResults[] = {mrYes, mrNo, mrOk, mrCancel, mrAbort, mrRetry, mrIgnore, mrAll, mrNoToAll,
                                 mrYesToAll, 0};

}  // namespace

Integer MessageDlg(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, std::intptr_t HelpCtx)
{
    return MessageDlgPos(Msg, DlgType, Buttons, HelpCtx, -1, -1);
}

Integer MessageDlgPos(const String& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, std::intptr_t,
                      Integer, Integer)
{
    static const char* const captions[] = {"Warning", "Error", "Information", "Confirm", ""};
    static const TMessageBoxIcon icons[] = {TMessageBoxIcon::Warning, TMessageBoxIcon::Error,
                                            TMessageBoxIcon::Information, TMessageBoxIcon::Question,
                                            TMessageBoxIcon::None};
    TMessageBoxRequest r;
    r.Caption = DlgType == mtCustom ? Application->Title() : String(captions[DlgType]);
    r.Text = Msg;
    r.Icon = icons[DlgType];
    for (size_t i = 0; i < std::size(ButtonOrder); ++i)
        if (Buttons.Contains(ButtonOrder[i]) && ButtonResults[i] != 0) r.Buttons.push_back(ButtonResults[i]);
    if (r.Buttons.empty()) r.Buttons.push_back(mrOk);
    // The default button is OK or Yes when present, else the first.
    r.DefaultButton = r.Buttons.front();
    for (Integer b : r.Buttons)
        if (b == mrOk || b == mrYes) { r.DefaultButton = b; break; }
    return ShowBox(r);
}

void ShowMessage(const String& Msg)
{
    TMessageBoxRequest r;
    r.Caption = Application->Title();
    r.Text = Msg;
    r.Buttons = {mrOk};
    r.DefaultButton = mrOk;
    ShowBox(r);
}

Integer MessageBox(HWND, const String& Text, const String& Caption, Cardinal Flags)
{
    static const std::vector<Integer> sets[] = {{IDOK}, {IDOK, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
                                                {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO}, {IDRETRY, IDCANCEL}};
    TMessageBoxRequest r;
    r.Caption = Caption.IsEmpty() ? String("Error") : Caption;
    r.Text = Text;
    Cardinal kind = Flags & 0xF;
    r.Buttons = sets[kind < std::size(sets) ? kind : 0];
    switch (Flags & 0xF0) {
    case MB_ICONSTOP: r.Icon = TMessageBoxIcon::Error; break;
    case MB_ICONQUESTION: r.Icon = TMessageBoxIcon::Question; break;
    case MB_ICONWARNING: r.Icon = TMessageBoxIcon::Warning; break;
    case MB_ICONINFORMATION: r.Icon = TMessageBoxIcon::Information; break;
    default: break;
    }
    size_t def = (Flags >> 8) & 0xF;
    r.DefaultButton = r.Buttons[def < r.Buttons.size() ? def : 0];
    return ShowBox(r);
}

// ---------------------------------------------------------------- file dialogs
IMPLEMENT_CLASS(TOpenDialog, TComponent, NewComponent<TOpenDialog>)
IMPLEMENT_CLASS(TSaveDialog, TOpenDialog, NewComponent<TSaveDialog>)
IMPLEMENT_CLASS(TPrintDialog, TComponent, NewComponent<TPrintDialog>)

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

std::vector<std::pair<String, String>> TOpenDialog::ParseFilter(const String& filter)
{
    std::vector<String> parts;
    String part;
    for (int i = 1; i <= filter.Length(); ++i) {
        if (filter[i] == u'|') {
            parts.push_back(part);
            part = String();
        } else {
            part += filter[i];
        }
    }
    parts.push_back(part);
    std::vector<std::pair<String, String>> result;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) result.emplace_back(parts[i], parts[i + 1]);
    return result;
}

bool TOpenDialog::Execute() { return DoExecute(false); }

bool TSaveDialog::Execute() { return DoExecute(true); }

bool TOpenDialog::DoExecute(bool save)
{
    TFileDialogRequest r;
    r.Save = save;
    r.Title = FTitle;
    r.InitialDir = FInitialDir;
    r.FileName = FFileName;
    r.DefaultExt = FDefaultExt;
    r.Filters = ParseFilter(FFilter);
    r.FilterIndex = FFilterIndex;
    r.MultiSelect = FOptions.Contains(ofAllowMultiSelect);
    r.OverwritePrompt = FOptions.Contains(ofOverwritePrompt);
    r.FileMustExist = FOptions.Contains(ofFileMustExist);
    if (FFileEditStyle == fsComboBox)
        for (Integer i = 0; i < FHistoryList.Count(); ++i) r.History.push_back(FHistoryList[i]);
    OnShow(this);
    std::optional<TFileDialogAnswer> hooked = FileDialogHook ? FileDialogHook(r) : std::nullopt;
    TFileDialogAnswer answer = hooked ? *hooked : WindowSystem().FileDialog(r);
    OnClose(this);
    if (!answer.Accepted || answer.Files.empty()) return false;
    FFiles = answer.Files;
    // A name without extension takes the default extension.
    if (!FDefaultExt.IsEmpty())
        for (String& f : FFiles)
            if (ExtractFileExt(f).IsEmpty()) f += (FDefaultExt[1] == u'.' ? String() : String(".")) + FDefaultExt;
    FFileName = FFiles.front();
    if (answer.FilterIndex >= 1) FFilterIndex = answer.FilterIndex;
    return true;
}

bool TPrintDialog::Execute()
{
    Integer copies = FCopies;
    std::optional<bool> hooked = PrintDialogHook ? PrintDialogHook(copies) : std::nullopt;
    bool ok = hooked ? *hooked : WindowSystem().PrintDialog(copies);
    if (ok) FCopies = copies;
    return ok;
}
