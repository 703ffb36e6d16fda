#pragma once
// The output options of the Monte-Carlo analysis: which results are computed, for which joint,
// in how many histogram classes, and which of the four text files the run writes under which
// names. The window edits its own copy of the probabilistic settings; its opener takes the copy
// back only on OK.
#include "editcontrols/EcToolEdit.h"
#include "engine/Unites.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/Spin.h"
#include "platform/stdctrls/StdCtrls.h"

constexpr int NStatisticOutputs = 11;

class TStatisticOptionsDlg : public TForm {
    DECLARE_CLASS(TStatisticOptionsDlg, TForm)
public:
    explicit TStatisticOptionsDlg(TComponent* AOwner) : TForm(AOwner) {}

    TStatistiques Statistiques;
    // The model's joints (only their elevations are read) and its number of lift joints.
    TJoint Joint;
    Integer NJoints = 0;

    // CheckBoxes[q] is CheckBox<q>, the box of result q (1..11).
    TCheckBox* CheckBoxes[NStatisticOutputs + 1] = {};
    TComboBox* ComboJoint = nullptr;
    TSpinEdit* EditDivisions = nullptr;
    TCheckBox* CheckBoxSaveInput = nullptr;
    TCheckBox* CheckBoxSaveOutput = nullptr;
    TCheckBox* CheckBoxSaveInCDF = nullptr;
    TCheckBox* CheckBoxSaveOutCDF = nullptr;
    TEcFilenameEdit* FileOpenEditInput = nullptr;
    TEcFilenameEdit* FileOpenEditoutput = nullptr;
    TEcFilenameEdit* FichierInCDF = nullptr;
    TEcFilenameEdit* FichierOutCDF = nullptr;
    TButton* ButtonOk = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;
    TButton* Button1 = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CheckBoxSaveInputClick(TObject* Sender);
    void CheckBoxSaveOutputClick(TObject* Sender);
    void CheckBoxSaveInCDFClick(TObject* Sender);
    void CheckBoxSaveOutCDFClick(TObject* Sender);
    void ButtonOkClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
};
