#pragma once
// The input window of the Monte-Carlo analysis: up to eleven input quantities made random, each
// with its mean, standard deviation, bounds and distribution (possibly a density read from a
// text file), the number of simulations, the load combination and whether the analysis runs.
// The window edits its copy `param` of the model; the document takes the copy back only on OK.
#include <vector>

#include "editcontrols/EcBaseEdits.h"
#include "engine/Unites.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/StdCtrls.h"

class TStySpinEdit;
class TStyMessageHint;

class TStatisticDlg : public TForm {
    DECLARE_CLASS(TStatisticDlg, TForm)
public:
    explicit TStatisticDlg(TComponent* AOwner);

    TParametres param;

    // The controls of row r (1..11) at index r: its check box, quantity list, unit label, mean,
    // standard deviation, lower and higher bound, and distribution.
    TCheckBox* RowBoxes[NRandomVariables + 1] = {};
    // The quantity lists are styled combo boxes.
    TCustomComboBox* Quantities[NRandomVariables + 1] = {};
    TLabel* Units[NRandomVariables + 1] = {};
    TEcCalcEdit* Means[NRandomVariables + 1] = {};
    TEcCalcEdit* Deviations[NRandomVariables + 1] = {};
    TEcCalcEdit* Lows[NRandomVariables + 1] = {};
    TEcCalcEdit* Highs[NRandomVariables + 1] = {};
    TComboBox* Distributions[NRandomVariables + 1] = {};

    TCheckBox* CheckBox12 = nullptr;
    TStySpinEdit* StySpinEdit1 = nullptr;
    TComboBox* ComboLoad = nullptr;
    TButton* ButtonOptions = nullptr;
    TButton* ButtonOk = nullptr;
    TButton* ButtonCancel = nullptr;
    TButton* ButtonHelp = nullptr;
    TButton* Button1 = nullptr;
    TOpenDialog* OpenDialog = nullptr;
    // The balloon of the warnings about a row's quantity.
    TStyMessageHint* StyMessageHint = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void CheckBoxClick(TObject* Sender);
    void ComboChange(TObject* Sender);
    void ComboBox1Change(TObject* Sender);
    void Combo1MouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
    void FormMouseMove(TObject* Sender, TShiftState Shift, Integer X, Integer Y);
    void ComboLoadChange(TObject* Sender);
    void ButtonOptionsClick(TObject* Sender);
    void ButtonOkClick(TObject* Sender);
    void ButtonHelpClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);
    void CheckIfOneIsSelected();

private:
    // The row (1..11) whose control `Sender` is among `controls`; 0 for none.
    template <class T>
    static int RowOf(TObject* Sender, T* const (&controls)[NRandomVariables + 1]);
    // The unit text of quantity `code` in the model's unit system.
    String UnitText(Integer code) const;
    // The combination code of ComboLoad's chosen entry; 0 when none is chosen.
    Integer ChosenCombination() const;

    // The combination code of each entry of ComboLoad.
    std::vector<Integer> FLoadCodes;
};

// The list text of quantity `code` (0..14), padded with blanks to 25 characters.
String RandomQuantityName(Integer code);

// The warning about quantity `code` of a probabilistic study of combination `combination` of
// `model`, `entry` being the combination's name in the window's list; empty when there is none.
String RandomQuantityWarning(const TParametres& model, Integer code, Integer combination, const String& entry);

// Whether row r of the model's study has values its distribution can be drawn with.
bool RandomRowIsValid(const TStatistiques& st, int r);

// Registers the Monte-Carlo input window and its controls for its form descriptions.
void RegisterStatisticClasses();
