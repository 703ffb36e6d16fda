#pragma once
// The input window of the incremental-load analysis: whether it runs, the load combination, the
// load that grows with its first value, last value and increment, and the joint. The window edits
// its copy `param` of the model; the document takes the copy back only on OK.
#include "editcontrols/EcBaseEdits.h"
#include "engine/Unites.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/StdCtrls.h"

class TStyButton;
class TStyMessageHint;

class TIncrementalLoadDlg : public TForm {
    DECLARE_CLASS(TIncrementalLoadDlg, TForm)
public:
    explicit TIncrementalLoadDlg(TComponent* AOwner);

    TParametres param;
    // The program's folder, for the output options' user manual.
    String ProgramFolder;

    TCheckBox* CheckBox = nullptr;
    TComboBox* CombinationBox = nullptr;
    TComboBox* LoadingBox = nullptr;
    TEcCalcEdit* EditStart = nullptr;
    TEcCalcEdit* EditEnd = nullptr;
    TEcCalcEdit* EditIncrement = nullptr;
    TLabel* LabelL1 = nullptr;
    TLabel* LabelL2 = nullptr;
    TLabel* LabelL3 = nullptr;
    TComboBox* JointBox = nullptr;
    TStyButton* StyButton1 = nullptr;
    TButton* Button1 = nullptr;
    TButton* Button2 = nullptr;
    TButton* Button3 = nullptr;
    // The balloon that points at a flood level below the normal level.
    TStyMessageHint* StyMessage = nullptr;

    void FormShow(TObject* Sender);
    void CombinationBoxChange(TObject* Sender);
    void LoadingBoxChange(TObject* Sender);
    void EditStartExit(TObject* Sender);
    void StyButton1Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);

private:
    // The first value, last value and increment of load `code` in the edits (0 for no load), and
    // its unit beside them.
    void ShowLoadValues(Integer code);
};

// The list text of an incremented load (code 0..7).
String IncrementedLoadName(Integer code);

// Registers the incremental-load input and options windows, the Monte-Carlo output options and
// the controls of the analysis input windows for their form descriptions.
void RegisterIncrementalLoadClasses();
