#include "app/InformationsDlg.h"

#include "app/InformationsRules.h"
#include "app/Main.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/Buttons.h"

TClass TInformationsDlg::StaticClass()
{
    static const TMetaClass meta("TInformationsDlg", TInputDialog::StaticClass(), NewComponent<TInformationsDlg>,
                                 [](TMetaClass& m) {
                                     using C = TInformationsDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("EditTitle", &C::EditTitle)
                                         .Field("EditDam", &C::EditDam)
                                         .Field("EditCompany", &C::EditCompany)
                                         .Field("EditLocation", &C::EditLocation)
                                         .Field("EditEngineer", &C::EditEngineer)
                                         .Field("EditCreator", &C::EditCreator)
                                         .Field("DateTimePicker", &C::DateTimePicker)
                                         .Field("MemoComments", &C::MemoComments)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

TInformationsDlg::TInformationsDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

void TInformationsDlg::FormCreate(TObject*)
{
    const TInformationsFields f = ReadInformations(param.Infos);
    EditTitle->SetText(f.Titre);
    EditDam->SetText(f.Barrage);
    EditCompany->SetText(f.Compagnie);
    EditLocation->SetText(f.Adresse);
    EditEngineer->SetText(f.Ingenieur);
    EditCreator->SetText(f.Createur);
    DateTimePicker->SetDateTime(f.date);
    MemoComments->SetText(f.Commentaires);
    SetEnterOrder({EditTitle, EditDam, EditCompany, EditLocation, EditEngineer, EditCreator, MemoComments, OKButton});
}

void TInformationsDlg::OKButtonClick(TObject*)
{
    ApplyInformations({EditTitle->Text(), EditDam->Text(), EditCompany->Text(), EditLocation->Text(),
                       EditEngineer->Text(), EditCreator->Text(), DateTimePicker->Date(), MemoComments->Text()},
                      param.Infos);
}
