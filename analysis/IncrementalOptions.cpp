#include "analysis/IncrementalOptions.h"

#include "platform/classes/TypInfo.h"
#include "platform/rtl/FileSys.h"
#include "platform/services/DocumentViewer.h"
#include "platform/services/ShellApi.h"

TClass TIncrementalOptionsDlg::StaticClass()
{
    static const TMetaClass meta("TIncrementalOptionsDlg", TForm::StaticClass(), NewComponent<TIncrementalOptionsDlg>,
                                 [](TMetaClass& m) {
                                     using D = TIncrementalOptionsDlg;
                                     TPublished<D>(&m)
                                         .Method("FormCreate", &D::FormCreate)
                                         .Method("FormShow", &D::FormShow)
                                         .Method("CheckBoxSaveOutputClick", &D::CheckBoxSaveOutputClick)
                                         .Method("ButtonOkClick", &D::ButtonOkClick)
                                         .Method("ButtonHelpClick", &D::ButtonHelpClick)
                                         .Method("Button1Click", &D::Button1Click)
                                         .Field("CheckBoxSaveOutput", &D::CheckBoxSaveOutput)
                                         .Field("FileOutputName", &D::FileOutputName)
                                         .Field("ButtonOk", &D::ButtonOk)
                                         .Field("ButtonCancel", &D::ButtonCancel)
                                         .Field("ButtonHelp", &D::ButtonHelp)
                                         .Field("Button1", &D::Button1);
                                 });
    return &meta;
}

TIncrementalOptionsDlg::TIncrementalOptionsDlg(TComponent* AOwner) : TForm(AOwner), ProgramFolder(ProgramDir()) {}

void TIncrementalOptionsDlg::FormCreate(TObject*)
{
    for (int q = 1; q <= NIncrementalOutputs; ++q)
        CheckBoxes[q] = dynamic_cast<TCheckBox*>(FindComponent("CheckBox" + IntToStr(q)));
}

void TIncrementalOptionsDlg::FormShow(TObject*)
{
    for (int q = 1; q <= NIncrementalOutputs; ++q) CheckBoxes[q]->SetChecked(IncrementLoad.Resultats[q]);
    CheckBoxSaveOutput->SetChecked(IncrementLoad.SauverResultats);
    FileOutputName->SetEnabled(CheckBoxSaveOutput->Checked());
    FileOutputName->SetFileName(IncrementLoad.FichierOutput.ToString());
}

void TIncrementalOptionsDlg::CheckBoxSaveOutputClick(TObject*)
{
    FileOutputName->SetEnabled(CheckBoxSaveOutput->Checked());
}

void TIncrementalOptionsDlg::ButtonOkClick(TObject*)
{
    for (int q = 1; q <= NIncrementalOutputs; ++q) IncrementLoad.Resultats[q] = CheckBoxes[q]->Checked();
    IncrementLoad.SauverResultats = CheckBoxSaveOutput->Checked();
    IncrementLoad.FichierOutput = FileOutputName->FileName();
}

void TIncrementalOptionsDlg::ButtonHelpClick(TObject*) { Application->HelpContext(HelpContext()); }

void TIncrementalOptionsDlg::Button1Click(TObject*) { OpenUserManual(WindowHandle(), ProgramFolder, 62); }

// The desktop's opener takes a file name alone, so it only stands in, at the manual's first page,
// when the program's document window cannot read the manual.
void OpenUserManual(TWindowHandle* window, const String& programFolder, int page)
{
    const String manual = programFolder + "Doc/Dorvane User Manual.pdf";
    if (!ShowDocumentPage(manual, page)) ShellExecute(window, "open", manual, String(), String(), SW_SHOWNORMAL);
}

void ReplayEnterAsTab(Word& Key)
{
    if (Key != VK_RETURN) return;
    Key = 0;
    // The key data of a Tab without shift keys, with the Tab key's scan code.
    constexpr std::intptr_t tabScanCode = 0x0F;
    if (HWND target = GetFocus()) PostMessage(target, WM_KEYDOWN, VK_TAB, ShiftStateToKeyData({}) | (tabScanCode << 16));
}
