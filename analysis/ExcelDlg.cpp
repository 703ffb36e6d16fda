#include "analysis/ExcelDlg.h"

#include "platform/forms/Dialogs.h"
#include "platform/services/ShellApi.h"

TClass TMessageWindowDlg::StaticClass()
{
    static const TMetaClass meta("TMessageWindowDlg", TForm::StaticClass(), NewComponent<TMessageWindowDlg>,
                                 [](TMetaClass& m) { TPublished<TMessageWindowDlg>(&m).Field("Label1", &TMessageWindowDlg::Label1); });
    return &meta;
}

TClass TExcelDlg::StaticClass()
{
    static const TMetaClass meta("TExcelDlg", TForm::StaticClass(), NewComponent<TExcelDlg>, [](TMetaClass& m) {
        using E = TExcelDlg;
        TPublished<E>(&m)
            .Method("FormShow", &E::FormShow)
            .Method("OKBtnClick", &E::OKBtnClick)
            .Field("OKBtn", &E::OKBtn);
    });
    return &meta;
}

void RegisterExcelClasses()
{
    RegisterClasses({TMessageWindowDlg::StaticClass(), TExcelDlg::StaticClass()});
}

TExcelDlg::TExcelDlg(TComponent* AOwner) : TForm(AOwner) {}

TExcelDlg::~TExcelDlg() = default;

// The whole export runs as the window shows. A failure (a template that cannot be read, a file
// that cannot be written) is shown with its message and closes the window with no file written;
// so does cancelling the file dialog, without a message. A workbook that no program of the
// desktop can open is left where it was written, the window saying so as it closes.
void TExcelDlg::FormShow(TObject*)
{
    try {
        Export();
    } catch (const Exception& e) {
        FBook.reset();
        MessageDlg(e.Message(), mtError, {mbOK}, 0);
        SetModalResult(mrAbort);
    }
}

void TExcelDlg::Export()
{
    {
        std::unique_ptr<TMessageWindowDlg> wait(CreateForm<TMessageWindowDlg>(Application));
        wait->Show();
        wait->Update();
        FBook = std::make_unique<TWorkbook>();
        MakeExcelWorkbook(*FBook, param, Request, ProgramFolder);
    }
    static const char* const names[] = {"Input.xlsx", "Loads.xlsx", "Results.xlsx"};
    TSaveDialog dialog(this);
    dialog.SetFilter("Excel workbooks (*.xlsx)|*.xlsx");
    dialog.SetDefaultExt("xlsx");
    dialog.SetInitialDir(InitialDir);
    dialog.SetFileName(names[Request]);
    dialog.SetOptions(TOpenOptions{ofOverwritePrompt, ofHideReadOnly});
    if (!dialog.Execute()) {
        FBook.reset();
        SetModalResult(mrCancel);
        return;
    }
    FBook->SaveAs(dialog.FileName());
    FFileName = dialog.FileName();
    if (ShellExecute(WindowHandle(), "open", FFileName) > 32) return;
    // Nothing will open the workbook, so there is nothing to wait for.
    MessageDlg("The workbook was written to\r" + FFileName +
                   "\rbut the desktop has no program for spreadsheets to open it.",
               mtInformation, {mbOK}, 0);
    FBook.reset();
    SetModalResult(mrOk);
}

void TExcelDlg::OKBtnClick(TObject*) { FBook.reset(); }
