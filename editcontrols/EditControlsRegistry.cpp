#include "editcontrols/EditControlsRegistry.h"

#include "editcontrols/EcBaseEdits.h"
#include "editcontrols/EcSpeedButton.h"
#include "editcontrols/EcxSlider.h"
#include "editcontrols/Gpshape.h"
#include "editcontrols/TextEdit.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

namespace {

// The combo edit's published side, as its descendants publish it.
void PublishComboEdit()
{
    using E = TEcCustomComboEdit;
    TPublished<E>(E::StaticClass())
        .Property("Alignment", &E::Alignment, &E::SetAlignment).Default(taLeftJustify)
        .Property("AlwaysEnableButton", &E::AlwaysEnableButton, &E::SetAlwaysEnableButton).Default(false)
        .Property("BeepOnError", &E::BeepOnError, &E::SetBeepOnError).Default(true)
        .Property("ButtonFlat", &E::ButtonFlat, &E::SetButtonFlat).Default(false)
        .Property("ButtonHint", &E::ButtonHint, &E::SetButtonHint)
        .Property("ButtonWidth", &E::ButtonWidth, &E::SetButtonWidth).Default(21)
        .Property("ClickKey", &E::ClickKey, &E::SetClickKey).Type("TShortCut").Default(32808)
        .Property("ClipboardCommands", &E::ClipboardCommands, &E::SetClipboardCommands)
        .Default(TEcClipboardCommands{caCopy, caCut, caPaste, caClear, caUndo})
        .Property("DirectInput", &E::DirectInput, &E::SetDirectInput).Default(true)
        .Property("DisabledColor", &E::DisabledColor, &E::SetDisabledColor).Type("TColor").Default(clWindow)
        .Property("DisabledTextColor", &E::DisabledTextColor, &E::SetDisabledTextColor).Type("TColor").Default(clGrayText)
        .Property("DotNetHighlighting", &E::DotNetHighlighting, &E::SetDotNetHighlighting).Default(false)
        .Property("Flat", [](E* e) { return !e->Ctl3D(); }, [](E* e, bool v) { e->SetCtl3D(!v); })
            .Stored([](E* e) { return !e->ParentCtl3D(); })
        .Property("ParentFlat", &E::ParentCtl3D, &E::SetParentCtl3D).Default(true)
        // the flat look goes to the form as Flat and ParentFlat; older forms still give these
        .Property("Ctl3D").Stored(false)
        .Property("ParentCtl3D").Stored(false)
        .Property("Glyph", [](E* e) { return &e->Glyph(); }, [](E* e, TBitmap* v) { e->SetGlyph(v); })
        .Stored([](E* e) { return e->ImageKind() == ikCustom; })
        .Property("ImageKind", &E::ImageKind, &E::SetImageKind).Default(ikCustom)
        .Property("ImageIndex", &E::ImageIndex, &E::SetImageIndex).Default(-1)
        .Property("Images", &E::Images, &E::SetImages)
        .Property("NumGlyphs", &E::NumGlyphs, &E::SetNumGlyphs).Default(1)
        .Property("PopupAlign", &E::PopupAlign, &E::SetPopupAlign).Default(epaRight)
        .Property("ReadOnly", &E::ReadOnly, &E::SetReadOnly).Default(false)
        .Property("ShowButton", &E::ShowButton, &E::SetShowButton).Default(true)
        .Property("TextHint", [](E* e) { return e->TextHint(); }, &E::SetTextHint)
        .Property("OnButtonClick", &E::OnButtonClick)
        .Property("OnPopupShown", &E::OnPopupShown)
        .Property("OnPopupHidden", &E::OnPopupHidden);
}

void PublishNumEdit()
{
    using E = TEcCustomNumEdit;
    TPublished<E>(E::StaticClass())
        .Property("Alignment", &E::Alignment, &E::SetAlignment).Default(taRightJustify)
        .Property("CheckOnExit", &E::CheckOnExit, &E::SetCheckOnExit).Default(false)
        .Property("DecimalPlaceRound", &E::DecimalPlaceRound, &E::SetDecimalPlaceRound).Default(false)
        .Property("DecimalPlaces", &E::DecimalPlaces, &E::SetDecimalPlaces).Default(2)
        .Property("DecimalPlacesAlwaysShown", &E::DecimalPlacesAlwaysShown, &E::SetDecimalPlacesAlwaysShown).Default(false)
        .Property("DisplayFormat", [](E* e) { return e->DisplayFormat(); }, &E::SetDisplayFormat)
        .Property("FormatOnEditing", &E::FormatOnEditing, &E::SetFormatOnEditing).Default(false)
        .Property("ImageKind", &E::ImageKind, &E::SetImageKind).Default(ikDefault)
        .Property("MaxValue", &E::MaxValue, &E::SetMaxValue)
        .Property("MinValue", &E::MinValue, &E::SetMinValue)
        .Property("ZeroEmpty", &E::ZeroEmpty, &E::SetZeroEmpty).Default(true)
        .Property("Value", &E::Value, &E::SetValue)
        .Property("Text", [](E* e) { return e->Text(); }, &E::SetText);
    TPublished<TEcCustomCalcEdit>(TEcCustomCalcEdit::StaticClass())
        .Property("EnablePopupChange", &TEcCustomCalcEdit::EnablePopupChange, &TEcCustomCalcEdit::SetEnablePopupChange)
        .Default(false);
}

void PublishFilenameEdit()
{
    using E = TEcFileDirEdit;
    TPublished<E>(E::StaticClass())
        .Property("AutoCompleteOptions", &E::AutoCompleteOptions, &E::SetAutoCompleteOptions)
        .Default(TEcAutoCompleteOptions{acoAutoSuggest})
        .Property("AutoCompleteFileOptions", &E::AutoCompleteFileOptions, &E::SetAutoCompleteFileOptions)
        .Default(TEcAutoCompleteFileOptions{acfFileSystem})
        .Property("AlwaysEnableButton").Default(true)
        .Property("ImageKind", &E::ImageKind, &E::SetImageKind).Default(ikDefault)
        .Property("OnBeforeDialog", &E::OnBeforeDialog)
        .Property("OnAfterDialog", &E::OnAfterDialog)
        .Property("OnDropFiles", &E::OnDropFiles);
    using F = TEcFilenameEdit;
    TPublished<F>(F::StaticClass())
        .Property("AddQuotes", &F::AddQuotes, &F::SetAddQuotes).Default(true)
        .Property("DefaultExt", &F::DefaultExt, &F::SetDefaultExt)
        .Property("DialogKind", &F::DialogKind, &F::SetDialogKind).Default(dkOpen)
        .Property("DialogOptions", &F::DialogOptions, &F::SetDialogOptions).Default(TOpenOptions{ofHideReadOnly})
        .Property("DialogTitle", &F::DialogTitle, &F::SetDialogTitle)
        .Stored([](F* f) { return f->DialogTitle() != TEcFilenameEdit::DefaultDialogTitle; })
        .Property("DisplayLocalizedName", &F::DisplayLocalizedName, &F::SetDisplayLocalizedName).Default(false)
        .Property("FileEditStyle", &F::FileEditStyle, &F::SetFileEditStyle).Stored(false)
        .Property("FileName", &F::FileName, &F::SetFileName).Stored(false)
        .Property("Filter", &F::Filter, &F::SetFilter)
        .Stored([](F* f) { return f->Filter() != TEcFilenameEdit::DefaultFilter; })
        .Property("FilterIndex", &F::FilterIndex, &F::SetFilterIndex).Default(1)
        .Property("GroupIndex", &F::GroupIndex, &F::SetGroupIndex).Default(-1)
        .Property("HistoryList", [](F* f) { return &f->HistoryList(); }, nullptr).Stored(false)
        .Property("InitialDir", &F::InitialDir, &F::SetInitialDir);
}

}  // namespace

void RegisterEditControlClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterStdControlClasses();
    PublishComboEdit();
    PublishNumEdit();
    PublishFilenameEdit();
    RegisterClasses({TExtendEdit::StaticClass(), TManyShape::StaticClass(), TEcxSlider::StaticClass(),
                     TEcCalcEdit::StaticClass(), TEcFilenameEdit::StaticClass(), TEcSpeedButton::StaticClass(),
                     TEcImageSpeedButton::StaticClass()});
}
