// The pseudo-dynamic seismic dialog on its copy of the model, with the live period and damping.
#include "app/PseudoDynamicDlg.h"

#include "app/Main.h"
#include "app/PseudoDynamicRules.h"
#include "app/SeismicCoefficientRules.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlMath.h"

TClass TPseudoDynamicDlg::StaticClass()
{
    static const TMetaClass meta(
        "TPseudoDynamicDlg", TInputDialog::StaticClass(), NewComponent<TPseudoDynamicDlg>, [](TMetaClass& m) {
            using C = TPseudoDynamicDlg;
            TPublished<C>(&m)
                .Method("FormCreate", &C::FormCreate)
                .Method("FormShow", &C::FormShow)
                .Method("SliderNfChange", &C::SliderNfChange)
                .Method("ComputedFieldExit", &C::ComputedFieldExit)
                .Method("OKButtonClick", &C::OKButtonClick)
                .Field("PageControl1", &C::PageControl1)
                .Field("TabAccelerations", &C::TabAccelerations)
                .Field("TabDam", &C::TabDam)
                .Field("TabReservoir", &C::TabReservoir)
                .Field("TabFoundation", &C::TabFoundation)
                .Field("TabModal", &C::TabModal)
                .Field("EditReturnPeriod", &C::EditReturnPeriod)
                .Field("EditHPGA", &C::EditHPGA)
                .Field("EditVPGA", &C::EditVPGA)
                .Field("EditHPSA", &C::EditHPSA)
                .Field("EditHSA", &C::EditHSA)
                .Field("EditVSA", &C::EditVSA)
                .Field("EditHSSA", &C::EditHSSA)
                .Field("SpinNumber", &C::SpinNumber)
                .Field("EditDamDamping", &C::EditDamDamping)
                .Field("EditEs", &C::EditEs)
                .Field("EditResRef", &C::EditResRef)
                .Field("EditVelocity", &C::EditVelocity)
                .Field("CheckVertAccOnReservoir", &C::CheckVertAccOnReservoir)
                .Field("RadioGeneralized", &C::RadioGeneralized)
                .Field("RadioCos2", &C::RadioCos2)
                .Field("RadioCorns", &C::RadioCorns)
                .Field("RadioNoCorrection", &C::RadioNoCorrection)
                .Field("EditEf", &C::EditEf)
                .Field("SliderNf", &C::SliderNf)
                .Field("NumLabNf", &C::NumLabNf)
                .Field("RadioButton1st", &C::RadioButton1st)
                .Field("RadioButtonSup", &C::RadioButtonSup)
                .Field("RadioButtonSRSS", &C::RadioButtonSRSS)
                .Field("RadioButtonAbs", &C::RadioButtonAbs)
                .Field("LabelT1", &C::LabelT1)
                .Field("LabelT1rf", &C::LabelT1rf)
                .Field("LabelD1", &C::LabelD1)
                .Field("LabelD1rf", &C::LabelD1rf)
                .Field("OKButton", &C::OKButton)
                .Field("CancelButton", &C::CancelButton)
                .Field("HelpButton", &C::HelpButton);
        });
    return &meta;
}

TPseudoDynamicDlg::TPseudoDynamicDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

void TPseudoDynamicDlg::FormCreate(TObject*)
{
    // The subscripts and Greek letters in the gaps their captions leave for them: the caption's
    // label or group, the symbol's label, and the caption's text before the gap.
    struct TSymbolPlace {
        const char *Caption, *Symbol, *Before;
    };
    const TSymbolPlace places[] = {
        {"LabelHPSA", "LabelHPSAIndex", "Horizontal Spectral Acceleration (HSA (T"},
        {"LabelHPSA", "LabelHPSAXi", "Horizontal Spectral Acceleration (HSA (T ,"},
        {"LabelHSSA", "LabelHSSAIndex", "Horizontal Sustained Spectral Acceleration (HSSA(T"},
        {"LabelHSSA", "LabelHSSAXi", "Horizontal Sustained Spectral Acceleration (HSSA(T ,"},
        {"LabelEs", "LabelEsIndex", "Concrete (dynamic) Young's modulus (E"},
        {"LabelEf", "LabelEfIndex", "Foundation (dynamic) Young's modulus (E"},
        {"GroupResRef", "LabelResRefAlpha", "Wave reflection coefficient for reservoir bottom materials ("},
        {"GroupNf", "LabelNfEta", "Foundation hysteretic damping ("},
        {"LabelT1Caption", "LabelT1Index", "Period of the dam on rigid foundation without reservoir (T"},
        {"LabelT1rfCaption", "LabelT1rfIndex", "Period with reservoir and foundation interaction (T"},
        {"LabelD1Caption", "LabelD1Xi", "Damping of the dam on rigid foundation without reservoir ("},
        {"LabelD1rfCaption", "LabelD1rfXi", "Damping with reservoir and foundation interaction ("},
    };
    for (const TSymbolPlace& p : places) {
        auto* symbol = static_cast<TLabel*>(FindComponent(p.Symbol));
        TComponent* caption = FindComponent(p.Caption);
        if (auto* group = dynamic_cast<TGroupBox*>(caption))
            PlaceSymbol(group, symbol, p.Before);
        else
            PlaceSymbol(static_cast<TLabel*>(caption), symbol, p.Before);
    }
    // The number box beside the slider is the box alone, as wide as the control.
    NumLabNf->SetLeftSpace(0);
    NumLabNf->SetLabelWidth(NumLabNf->Width());
    SetEnterOrder({EditReturnPeriod, EditHPGA, EditVPGA, EditHPSA, EditHSA, EditVSA, EditHSSA, OKButton});
    AddEnterOrder({SpinNumber, EditEs, EditDamDamping, OKButton});
    AddEnterOrder({EditResRef, EditVelocity, OKButton});
    AddEnterOrder({EditEf, OKButton});
}

void TPseudoDynamicDlg::FormShow(TObject*)
{
    ShowUnitLabels(param.unites);
    const TAccelerations& a = param.Acc;
    EditReturnPeriod->SetValue(a.ReturnPeriod);
    EditHPGA->SetValue(a.Peak.horizontal);
    EditVPGA->SetValue(a.Peak.vertical);
    EditHPSA->SetValue(a.Peak.spectral);
    EditHSA->SetValue(a.Sust.horizontal);
    EditVSA->SetValue(a.Sust.vertical);
    EditHSSA->SetValue(a.Sust.spectral);
    const TChopraCoeff& c = param.ChopraC;
    SpinNumber->SetValue(c.tranches);
    EditDamDamping->SetValue(c.e1);
    EditEs->SetValue(param.Concrete.Ec);
    EditResRef->SetValue(c.Alpha);
    EditVelocity->SetValue(param.Reservoir.WaveVelocity);
    CheckVertAccOnReservoir->SetChecked(param.Reservoir.VertAccOnReservoir);
    EditEf->SetValue(param.Foundation.Ef);
    // Placing the slider is not an edit.
    const TNotifyEvent change = SliderNf->OnChange;
    SliderNf->OnChange = {};
    SliderNf->SetValue(c.FoundHystDamping);
    SliderNf->OnChange = change;
    NumLabNf->SetValue(c.FoundHystDamping / 100.0);
    TRadioButton* slope[] = {RadioGeneralized, RadioCos2, RadioCorns, RadioNoCorrection};
    slope[SlopeCorrectionChoice(c.SlopeCorr)]->SetChecked(true);
    TRadioButton* modes[] = {RadioButton1st, RadioButtonSup, RadioButtonSRSS, RadioButtonAbs};
    if (param.ChopraCombination <= ccAbs) modes[param.ChopraCombination]->SetChecked(true);
    PageControl1->SetActivePage(TabAccelerations);
    Compute();
}

void TPseudoDynamicDlg::ReadComputedFields()
{
    param.Concrete.Ec = ValueOf(EditEs);
    param.ChopraC.e1 = ValueOf(EditDamDamping);
    param.ChopraC.Alpha = ValueOf(EditResRef);
    param.Foundation.Ef = ValueOf(EditEf);
    param.ChopraC.FoundHystDamping = SliderNf->Value();
}

void TPseudoDynamicDlg::Compute()
{
    const TChopraValues v = ComputeChopraCoefficients(param);
    LabelT1->SetCaption(PeriodText(v.T1));
    LabelT1rf->SetCaption(PeriodText(v.T1rf));
    LabelD1->SetCaption(DampingText(v.D1));
    LabelD1rf->SetCaption(DampingText(v.D1rf));
}

void TPseudoDynamicDlg::SliderNfChange(TObject*)
{
    param.ChopraC.FoundHystDamping = SliderNf->Value();
    NumLabNf->SetValue(SliderNf->Value() / 100.0);
    Compute();
}

void TPseudoDynamicDlg::ComputedFieldExit(TObject*)
{
    ReadComputedFields();
    Compute();
}

void TPseudoDynamicDlg::OKButtonClick(TObject*)
{
    TAccelerations& a = param.Acc;
    a.ReturnPeriod = static_cast<Integer>(Round(EditReturnPeriod->Value()));
    a.Peak = {ValueOf(EditHPGA), ValueOf(EditVPGA), ValueOf(EditHPSA)};
    a.Sust = {ValueOf(EditHSA), ValueOf(EditVSA), ValueOf(EditHSSA)};
    param.ChopraC.tranches = SpinNumber->Value();
    ReadComputedFields();
    param.Reservoir.WaveVelocity = ValueOf(EditVelocity);
    param.Reservoir.VertAccOnReservoir = CheckVertAccOnReservoir->Checked();
    param.ChopraC.SlopeCorr = SlopeCorrectionOf(RadioCos2->Checked()            ? sccCos2
                                                : RadioCorns->Checked()         ? sccCorns
                                                : RadioNoCorrection->Checked()  ? sccNoCorrection
                                                                                : sccGeneralized);
    param.ChopraCombination = RadioButton1st->Checked()   ? ccFirst
                              : RadioButtonSup->Checked() ? ccSup
                              : RadioButtonAbs->Checked() ? ccAbs
                                                          : ccSRSS;
    ApplyPseudoDynamicFlags(param);
}
