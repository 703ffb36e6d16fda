#pragma once
// The spreadsheet export window: while a wait notice is on screen, it fills the workbook of its
// request from the model it was given, asks where to write it ("Input.xlsx", "Loads.xlsx" or
// "Results.xlsx" by default), writes it as an .xlsx file and hands it to the desktop's program
// for spreadsheets; its single button then frees the workbook and closes the window.
#include <memory>

#include "analysis/ExcelOLE.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/StdCtrls.h"

// The wait notice shown while a workbook is filled.
class TMessageWindowDlg : public TForm {
    DECLARE_CLASS(TMessageWindowDlg, TForm)
public:
    explicit TMessageWindowDlg(TComponent* AOwner) : TForm(AOwner) {}
    TLabel* Label1 = nullptr;
};

class TExcelDlg : public TForm {
    DECLARE_CLASS(TExcelDlg, TForm)
public:
    explicit TExcelDlg(TComponent* AOwner);
    ~TExcelDlg() override;
    TButton* OKBtn = nullptr;
    TCas Request = caGeometry;
    TParametres param;
    // The program's folder (with its "Excel" templates) and the folder the file dialog opens in.
    String ProgramFolder;
    String InitialDir;

    void FormShow(TObject* Sender);
    void OKBtnClick(TObject* Sender);

    // The file written, empty when none was; the workbook, until the button frees it.
    const String& FileName() const { return FFileName; }
    const TWorkbook* Workbook() const { return FBook.get(); }

private:
    void Export();
    std::unique_ptr<TWorkbook> FBook;
    String FFileName;
};

// Registers the export window's classes for their form descriptions.
void RegisterExcelClasses();
