#pragma once
// The output options of the incremental-load analysis: which results each step records and
// whether, and under which name, the run writes its text file. The window edits its own copy of
// the incremental settings; its opener takes the copy back only on OK. Beside it, what the
// analysis input windows share: the user manual and Enter turned into a Tab.
#include "editcontrols/EcToolEdit.h"
#include "engine/Unites.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/StdCtrls.h"

constexpr int NIncrementalOutputs = 10;

class TIncrementalOptionsDlg : public TForm {
    DECLARE_CLASS(TIncrementalOptionsDlg, TForm)
public:
    explicit TIncrementalOptionsDlg(TComponent* AOwner);

    TIncrementLoad IncrementLoad;
    // The program's folder, which holds the user manual in "Doc".
    String ProgramFolder;

    // CheckBoxes[q] is CheckBox<q>, the box of result q (1..10).
    TCheckBox* CheckBoxes[NIncrementalOutputs + 1] = {};
    TCheckBox* CheckBoxSaveOutput = nullptr;
    TEcFilenameEdit* FileOutputName = nullptr;
    TButton* ButtonOk = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;
    TButton* Button1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CheckBoxSaveOutputClick(TObject* Sender);
    void ButtonOkClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
    void Button1Click(TObject* Sender);
};

// The user manual of the program's folder, opened in the program's document window at `page`.
void OpenUserManual(TWindowHandle* window, const String& programFolder, int page);

// Enter in a window that turns it into a Tab: the key is used up and a Tab goes to the focused
// control, so the focus moves to the next control.
void ReplayEnterAsTab(Word& Key);
