#pragma once
// The stability drawings window: the stability drawing of an analysed model for one chosen load
// case, in its stress or its stability view, at a chosen text size; the drawing can be copied to
// the clipboard, saved as a bitmap file or printed.
#include <memory>

#include "engine/Unites.h"
#include "listcontrols/GxCombo.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Forms.h"
#include "platform/graphics/Metafile.h"
#include "platform/stdctrls/StdCtrls.h"

// The styled controls' headers and the panels' cannot meet in one file: their bevel names clash.
// ReportEpures.cpp holds what the window does with its panels and image, ReportEpures_controls.cpp
// what it does with its styled controls.
class TPanel;
class TImage;
class TStySpinEdit;
class TStyButton;

// The list captions of load case k (1..7), in the stress and in the stability view.
extern const char* const CombinationStressCaptions[7];
extern const char* const CombinationStabilityCaptions[7];

// The load case (1..7) whose stress or stability caption is this one; 1 when none is.
Integer CombinationNumber(const String& Caption);

class TReportEpures : public TForm {
    DECLARE_CLASS(TReportEpures, TForm)
public:
    explicit TReportEpures(TComponent* AOwner) : TForm(AOwner) {}

    // The analysed model to draw; the opener sets it before showing.
    TParametres param;

    // ---- components of the form description
    TPanel* Panel1 = nullptr;
    TLabel* LabelCombinaison = nullptr;
    TGxComboBox* ComboBoxCombinaison = nullptr;
    TLabel* LabelFont = nullptr;
    TStySpinEdit* SpinEditFont = nullptr;
    TPanel* Panel2 = nullptr;
    TStyButton* ButtonPrint = nullptr;
    TStyButton* ButtonCopy = nullptr;
    TStyButton* ButtonSave = nullptr;
    TStyButton* ButtonClose = nullptr;
    TPanel* Panel3 = nullptr;
    TImage* Image1 = nullptr;
    TSaveDialog* SaveDialog = nullptr;

    // ---- handlers
    void FormShow(TObject* Sender);
    void FormActivate(TObject* Sender);
    void ComboBoxCombinaisonChange(TObject* Sender);
    void ButtonCopyClick(TObject* Sender);
    void ButtonSaveClick(TObject* Sender);
    void ButtonPrintClick(TObject* Sender);
    void ButtonCloseClick(TObject* Sender);

    // The drawing of the chosen case and view at the image's size, drawn into a bitmap.
    std::unique_ptr<TBitmap> DrawingBitmap();

    // The text size chosen in the spin edit.
    Integer FontSize() const;

private:
    bool FShown = false;
    std::unique_ptr<TMetafile> BuildDrawing();
    void SetButtonCaptions();
    // The styled controls among the form's fields, and their classes.
    static void PublishStyledControls(TMetaClass& m);
    static void RegisterStyledControls();
    friend void RegisterReportEpuresClasses();
};

// Registers the window and the controls of its form description.
void RegisterReportEpuresClasses();
