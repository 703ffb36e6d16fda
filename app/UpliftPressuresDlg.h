#pragma once
// The uplift-pressures dialog: the design guideline that shapes the uplift diagram and the
// drainage system (drains, gallery, effectiveness or the CDSA alternatives), with the
// sub-dialog that computes the drains' effectiveness from their diameter and spacing.
#include "app/Childwin.h"
#include "app/InputDialog.h"
#include "app/UpliftRules.h"
#include "editcontrols/EcBaseEdits.h"
#include "platform/stdctrls/Buttons.h"
#include "platform/stdctrls/ComboBox.h"
#include "platform/stdctrls/ExtCtrls.h"

class TDrainDlg : public TInputDialog {
    DECLARE_CLASS(TDrainDlg, TInputDialog)
public:
    explicit TDrainDlg(TComponent* AOwner) : TInputDialog(AOwner) {}

    TDrainEfficiency DrainEfficiency;
    String units;

    TLabel* LabelDiameter = nullptr;
    TEcCalcEdit* EditDiameter = nullptr;
    TLabel* LabelDiameterUnit = nullptr;
    TLabel* LabelSpacing = nullptr;
    TEcCalcEdit* EditSpacing = nullptr;
    TLabel* LabelSpacingUnit = nullptr;
    TLabel* LabelNote1 = nullptr;
    TLabel* LabelNote2 = nullptr;
    TImage* Image1 = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void EditDiameterExit(TObject* Sender);
    void EditSpacingExit(TObject* Sender);
};

class TUpliftPressuresDlg : public TInputDialog, public IModelDialog {
    DECLARE_CLASS(TUpliftPressuresDlg, TInputDialog)
public:
    explicit TUpliftPressuresDlg(TComponent* AOwner) : TInputDialog(AOwner) {}
    TParametres& WorkingModel() override { return param; }

    TParametres param;

    TLabel* LabelGuideline = nullptr;
    TComboBox* ComboBoxGuideline = nullptr;
    TLabel* LabelNote = nullptr;
    TLabel* LabelNote1 = nullptr;
    TLabel* LabelNote2 = nullptr;
    TGroupBox* GroupDrainage = nullptr;
    TRadioButton* RadioYes = nullptr;
    TRadioButton* RadioNo = nullptr;
    TGroupBox* GroupPosition = nullptr;
    TLabel* LabelDrainPosition = nullptr;
    TEcCalcEdit* EditDrainPosition = nullptr;
    TLabel* LabelDrainPositionUnit = nullptr;
    TGroupBox* GroupGallery = nullptr;
    TLabel* LabelGalleryElev = nullptr;
    TEcCalcEdit* EditGalleryElev = nullptr;
    TLabel* LabelGalleryElevUnit = nullptr;
    TCheckBox* CheckBoxDrain = nullptr;
    TLabel* LabelDrainOver = nullptr;
    TEcCalcEdit* EditDrainOver = nullptr;
    TLabel* LabelDrainOverUnit = nullptr;
    TGroupBox* GroupEffectiveness = nullptr;
    TRadioButton* RadioButton1 = nullptr;
    TEcCalcEdit* EditEffectiveness = nullptr;
    TRadioButton* RadioButton2 = nullptr;
    TButton* Button2 = nullptr;
    TLabel* LabelMethod = nullptr;
    TGroupBox* GroupAlternatives = nullptr;
    TRadioButton* RadioButtonAlt1 = nullptr;
    TLabel* LabelK1 = nullptr;
    TEcCalcEdit* EditK1 = nullptr;
    TRadioButton* RadioButtonAlt2 = nullptr;
    TLabel* LabelK2 = nullptr;
    TEcCalcEdit* EditK2 = nullptr;
    TImage* Image = nullptr;
    TButton* OKButton = nullptr;
    TButton* CancelButton = nullptr;
    TButton* HelpButton = nullptr;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ComboBoxGuidelineChange(TObject* Sender);
    void RadioDrainageClick(TObject* Sender);
    void CheckBoxDrainClick(TObject* Sender);
    void RadioAlternativeClick(TObject* Sender);
    void RadioEffectivenessClick(TObject* Sender);
    void EditGalleryElevExit(TObject* Sender);
    void Button2Click(TObject* Sender);
    void OKButtonClick(TObject* Sender);

private:
    // The drainage groups, their picture and the notes from the guideline and the Yes/No choice.
    void ShowDrainage();
    void ShowNotes();
};
