// The pseudo-static seismic dialog on its copy of the model: accelerations, Westergaard's
// options and the hydrostatic pressure modification.
#include "app/SeismicCoefficientDlg.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

TClass TSeismicCoefficientDlg::StaticClass()
{
    static const TMetaClass meta(
        "TSeismicCoefficientDlg", TInputDialog::StaticClass(), NewComponent<TSeismicCoefficientDlg>, [](TMetaClass& m) {
            using C = TSeismicCoefficientDlg;
            TPublished<C>(&m)
                .Method("FormCreate", &C::FormCreate)
                .Method("FormShow", &C::FormShow)
                .Method("CheckBoxCompressibilityClick", &C::CheckBoxCompressibilityClick)
                .Method("RadioLimitClick", &C::RadioLimitClick)
                .Method("OKButtonClick", &C::OKButtonClick)
                .Field("PageControl1", &C::PageControl1)
                .Field("TabAccelerations", &C::TabAccelerations)
                .Field("TabWestergaard", &C::TabWestergaard)
                .Field("TabHydrostatic", &C::TabHydrostatic)
                .Field("EditReturnPeriod", &C::EditReturnPeriod)
                .Field("EditBaseAcc", &C::EditBaseAcc)
                .Field("EditVertAcc", &C::EditVertAcc)
                .Field("EditSustAcc", &C::EditSustAcc)
                .Field("EditVertSusAcc", &C::EditVertSusAcc)
                .Field("CheckBoxCompressibility", &C::CheckBoxCompressibility)
                .Field("LabelPeriod", &C::LabelPeriod)
                .Field("EditPeriod", &C::EditPeriod)
                .Field("LabelPeriodUnit", &C::LabelPeriodUnit)
                .Field("RadioGeneralized", &C::RadioGeneralized)
                .Field("RadioCos2", &C::RadioCos2)
                .Field("RadioCorns", &C::RadioCorns)
                .Field("RadioNoCorrection", &C::RadioNoCorrection)
                .Field("RadioLimit", &C::RadioLimit)
                .Field("EditLimit", &C::EditLimit)
                .Field("LabelLimitUnit", &C::LabelLimitUnit)
                .Field("RadioNoLimit", &C::RadioNoLimit)
                .Field("CheckVertAccOnReservoir", &C::CheckVertAccOnReservoir)
                .Field("OKButton", &C::OKButton)
                .Field("CancelButton", &C::CancelButton)
                .Field("HelpButton", &C::HelpButton);
        });
    return &meta;
}

TSeismicCoefficientDlg::TSeismicCoefficientDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

void TSeismicCoefficientDlg::FormCreate(TObject*)
{
    ShowUnits(param.unites, {{LabelLimitUnit, uqLength}});
    EditReturnPeriod->SetValue(param.Acc.ReturnPeriod);
    EditBaseAcc->SetValue(param.Acc.Peak.horizontal);
    EditVertAcc->SetValue(param.Acc.Peak.vertical);
    EditSustAcc->SetValue(param.Acc.Sust.horizontal);
    EditVertSusAcc->SetValue(param.Acc.Sust.vertical);
    const TCoefficientSismique& c = param.CoeffSis;
    CheckBoxCompressibility->SetChecked(c.WaterCompressibility);
    EditPeriod->SetValue(c.te);
    EditLimit->SetValue(c.Depth.Limit);
    RadioLimit->SetChecked(c.Depth.IsLimit);
    RadioNoLimit->SetChecked(!c.Depth.IsLimit);
    CheckVertAccOnReservoir->SetChecked(param.Reservoir.VertAccOnReservoir);
    TRadioButton* slope[] = {RadioGeneralized, RadioCos2, RadioCorns, RadioNoCorrection};
    slope[SlopeCorrectionChoice(c.SlopeCorr)]->SetChecked(true);
    EditPeriod->SetEnabled(c.WaterCompressibility);
    LabelPeriod->SetEnabled(c.WaterCompressibility);
    EditLimit->SetEnabled(c.Depth.IsLimit);
    SetEnterOrder({EditReturnPeriod, EditBaseAcc, EditVertAcc, EditSustAcc, EditVertSusAcc, OKButton});
    // The depth limit is passed over while it is off.
    AddEnterOrder({EditPeriod, EditLimit, OKButton});
}

void TSeismicCoefficientDlg::FormShow(TObject*) { PageControl1->SetActivePage(TabAccelerations); }

void TSeismicCoefficientDlg::CheckBoxCompressibilityClick(TObject*)
{
    const bool on = CheckBoxCompressibility->Checked();
    EditPeriod->SetEnabled(on);
    LabelPeriod->SetEnabled(on);
}

void TSeismicCoefficientDlg::RadioLimitClick(TObject*)
{
    param.CoeffSis.Depth.IsLimit = RadioLimit->Checked();
    EditLimit->SetEnabled(RadioLimit->Checked());
}

void TSeismicCoefficientDlg::OKButtonClick(TObject*)
{
    TSeismicCoefficientEntries e;
    e.ReturnPeriod = EditReturnPeriod->Value();
    e.PeakHorizontal = EditBaseAcc->Value();
    e.PeakVertical = EditVertAcc->Value();
    e.SustHorizontal = EditSustAcc->Value();
    e.SustVertical = EditVertSusAcc->Value();
    e.WaterCompressibility = CheckBoxCompressibility->Checked();
    e.Period = EditPeriod->Value();
    e.VertAccOnReservoir = CheckVertAccOnReservoir->Checked();
    e.IsLimit = RadioLimit->Checked();
    e.Limit = EditLimit->Value();
    e.Slope = RadioCos2->Checked()            ? sccCos2
              : RadioCorns->Checked()         ? sccCorns
              : RadioNoCorrection->Checked()  ? sccNoCorrection
                                              : sccGeneralized;
    TSeismicCoefficientRules(param).ApplyOk(e);
}
