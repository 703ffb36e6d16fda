#pragma once
// What every input dialog does the same way: the Enter key (a Tab, a fixed order of fields, or
// left to the default button), the warning box of a refused entry that keeps the dialog open,
// the unit texts of its labels and its Help button.
#include <initializer_list>
#include <utility>
#include <vector>

#include "app/UnitTexts.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/forms/Forms.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ExtCtrls.h"
#include "platform/stdctrls/StdCtrls.h"

class TInputDialog : public TForm {
    DECLARE_CLASS(TInputDialog, TForm)
public:
    explicit TInputDialog(TComponent* AOwner);

    // Enter produces a Tab: a Tab key-down goes into the input stream of the focused control, so
    // the focus moves to the next control in tab order, and the Enter itself is passed on.
    void SetEnterAsTab();
    // Enter in one of these controls moves the focus to the next one that can take it (the Enter
    // is used up); in the last one, or in a control not listed, it goes on as it would without
    // the order.
    void SetEnterOrder(std::vector<TWinControl*> order);
    // One more order beside those already set (a dialog with two groups of fields).
    void AddEnterOrder(std::vector<TWinControl*> order);

    // A refused entry: the warning box, then the modal result back to none, so the dialog stays
    // open with its fields as typed.
    void Refuse(const String& message);
    // The warning box alone (warning icon, OK button).
    static void Warn(const String& message);

    // Labels of units written from the model's unit system.
    static void ShowUnits(TUnites u, std::initializer_list<std::pair<TLabel*, TUnitQuantity>> labels);
    // Every label of the form whose Tag is 1 + a TUnitQuantity gets that quantity's unit text, so
    // a form description marks its unit labels with Tag = 1 (length), 6 (stress) ...
    void ShowUnitLabels(TUnites u);

    // Centres a label written in the symbol font (a Greek letter) in the blank gap of another
    // label's caption that follows the text `before`.
    static void PlaceSymbol(TLabel* label, TLabel* symbol, const String& before);
    // The same in the caption of a group box; the symbol is the group's child at its top.
    static void PlaceSymbol(TGroupBox* group, TLabel* symbol, const String& before);
    // A picture of the program's "images" folder; a missing or unreadable file leaves it empty.
    static void ShowPicture(TImage* image, const String& fileName);

    // A numeric field's value as the model stores it.
    static double ValueOf(TEcCalcEdit* edit) { return static_cast<double>(edit->Value()); }

    // The Help button: the application's help at the form's help context.
    void HelpButtonClick(TObject* Sender);

protected:
    void KeyDown(Word& Key, TShiftState Shift) override;

private:
    bool FEnterAsTab = false;
    std::vector<std::vector<TWinControl*>> FEnterOrders;
};
