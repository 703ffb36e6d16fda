// What the stability drawings window does with its styled controls: the spin edit of the text
// size and the four buttons.
#include "analysis/ReportEpures.h"

#include "foundation/StyButton.h"
#include "platform/classes/TypInfo.h"
#include "styledcontrols/StySpinEdit.h"

void TReportEpures::PublishStyledControls(TMetaClass& m)
{
    using C = TReportEpures;
    TPublished<C>(&m)
        .Field("SpinEditFont", &C::SpinEditFont)
        .Field("ButtonPrint", &C::ButtonPrint)
        .Field("ButtonCopy", &C::ButtonCopy)
        .Field("ButtonSave", &C::ButtonSave)
        .Field("ButtonClose", &C::ButtonClose);
}

Integer TReportEpures::FontSize() const { return SpinEditFont->Value(); }

void TReportEpures::SetButtonCaptions()
{
    ButtonCopy->SetCaption("Copy image");
    ButtonSave->SetCaption("Save image");
    ButtonClose->SetCaption("Close");
    ButtonPrint->SetCaption("Print image");
}

void TReportEpures::RegisterStyledControls()
{
    RegisterClasses({TStyButton::StaticClass(), TStySpinEdit::StaticClass()});
}
