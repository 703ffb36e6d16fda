// The reservoir dialog on its copy of the model: five pages of water, ice, debris, silt and
// overtopping inputs, the level fields bounded by the section, and the load flags set on OK.
#include "app/ReservoirDlg.h"

#include "app/Main.h"
#include "platform/classes/TypInfo.h"

TClass TReservoirDlg::StaticClass()
{
    static const TMetaClass meta("TReservoirDlg", TInputDialog::StaticClass(), NewComponent<TReservoirDlg>,
                                 [](TMetaClass& m) {
                                     using C = TReservoirDlg;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("EditFieldExit", &C::EditFieldExit)
                                         .Method("PaintFormulasPaint", &C::PaintFormulasPaint)
                                         .Method("OKButtonClick", &C::OKButtonClick)
                                         .Field("PageControl1", &C::PageControl1)
                                         .Field("TabLevels", &C::TabLevels)
                                         .Field("TabIce", &C::TabIce)
                                         .Field("TabDebris", &C::TabDebris)
                                         .Field("TabSilt", &C::TabSilt)
                                         .Field("TabOvertopping", &C::TabOvertopping)
                                         .Field("EditWaterWeight", &C::EditWaterWeight)
                                         .Field("LabelWaterWeightUnit", &C::LabelWaterWeightUnit)
                                         .Field("EditUOres", &C::EditUOres)
                                         .Field("LabelUOresUnit", &C::LabelUOresUnit)
                                         .Field("EditDOres", &C::EditDOres)
                                         .Field("LabelDOresUnit", &C::LabelDOresUnit)
                                         .Field("EditUFres", &C::EditUFres)
                                         .Field("LabelUFresUnit", &C::LabelUFresUnit)
                                         .Field("EditDFres", &C::EditDFres)
                                         .Field("LabelDFresUnit", &C::LabelDFresUnit)
                                         .Field("EditIce", &C::EditIce)
                                         .Field("LabelIceUnit", &C::LabelIceUnit)
                                         .Field("EditIceThickness", &C::EditIceThickness)
                                         .Field("LabelIceThicknessUnit", &C::LabelIceThicknessUnit)
                                         .Field("EditFDForce", &C::EditFDForce)
                                         .Field("LabelFDForceUnit", &C::LabelFDForceUnit)
                                         .Field("EditFDElevation", &C::EditFDElevation)
                                         .Field("LabelFDElevationUnit", &C::LabelFDElevationUnit)
                                         .Field("EditFDMaxElevation", &C::EditFDMaxElevation)
                                         .Field("LabelFDMaxElevationUnit", &C::LabelFDMaxElevationUnit)
                                         .Field("ImageDebris", &C::ImageDebris)
                                         .Field("EditSilt", &C::EditSilt)
                                         .Field("LabelSiltUnit", &C::LabelSiltUnit)
                                         .Field("EditSedWeight", &C::EditSedWeight)
                                         .Field("LabelSedWeightUnit", &C::LabelSedWeightUnit)
                                         .Field("LabelSiltAngle", &C::LabelSiltAngle)
                                         .Field("LabelSiltPhi", &C::LabelSiltPhi)
                                         .Field("EditSiltAngle", &C::EditSiltAngle)
                                         .Field("RadioFluid", &C::RadioFluid)
                                         .Field("RadioAtRest", &C::RadioAtRest)
                                         .Field("RadioActive", &C::RadioActive)
                                         .Field("RadioPassive", &C::RadioPassive)
                                         .Field("PaintFormulas", &C::PaintFormulas)
                                         .Field("EditUpPercentage", &C::EditUpPercentage)
                                         .Field("EditDownPercentage", &C::EditDownPercentage)
                                         .Field("ImageOvertopping", &C::ImageOvertopping)
                                         .Field("OKButton", &C::OKButton)
                                         .Field("CancelButton", &C::CancelButton)
                                         .Field("HelpButton", &C::HelpButton);
                                 });
    return &meta;
}

TReservoirDlg::TReservoirDlg(TComponent* AOwner) : TInputDialog(AOwner), param(CurrentModel) {}

TRadioButton* TReservoirDlg::SiltButton(TSiltModel model) const
{
    switch (model) {
    case smAtRest: return RadioAtRest;
    case smActive: return RadioActive;
    case smPassive: return RadioPassive;
    default: return RadioFluid;
    }
}

void TReservoirDlg::FormCreate(TObject*)
{
    SetEnterAsTab();
    PageControl1->SetActivePage(TabLevels);
    ShowPicture(ImageOvertopping, "OverTopping.bmp");
    ShowPicture(ImageDebris, "Floating debris.bmp");
    const TUnites u = param.unites;
    ShowUnits(u, {{LabelWaterWeightUnit, uqUnitWeight},
                  {LabelUOresUnit, uqLength},
                  {LabelDOresUnit, uqLength},
                  {LabelUFresUnit, uqLength},
                  {LabelDFresUnit, uqLength},
                  {LabelIceUnit, uqForcePerLength},
                  {LabelIceThicknessUnit, uqLength},
                  {LabelFDForceUnit, uqForcePerLength},
                  {LabelFDElevationUnit, uqLength},
                  {LabelFDMaxElevationUnit, uqLength},
                  {LabelSiltUnit, uqLength},
                  {LabelSedWeightUnit, uqUnitWeight}});
    // Water weighs about 0.0624 kip/ft3: five decimals in feet, three in metres.
    EditWaterWeight->SetDisplayFormat(u == US ? ",0.#####" : ",0.###");
    const TElev& elev = param.Dim.Elev;
    for (auto [edit, low] : {std::pair{EditUOres, elev.A}, std::pair{EditUFres, elev.A}, std::pair{EditDOres, elev.B},
                             std::pair{EditDFres, elev.B}, std::pair{EditSilt, elev.Fup}}) {
        edit->SetMinValue(low);
        edit->SetMaxValue(ReservoirLevelCeiling);
    }
    const TReservoirEntries e = TReservoirRules(param).Entries();
    EditWaterWeight->SetValue(e.WaterWeight);
    EditUOres->SetValue(e.NormalUp);
    EditDOres->SetValue(e.NormalDn);
    EditUFres->SetValue(e.FloodUp);
    EditDFres->SetValue(e.FloodDn);
    EditIce->SetValue(e.IceLoad);
    EditIceThickness->SetValue(param.Reservoir.IceThickness);
    EditFDForce->SetValue(e.DebrisForce);
    EditFDElevation->SetValue(e.DebrisElev);
    EditFDMaxElevation->SetValue(e.DebrisMaxElev);
    EditSilt->SetValue(e.Sediment);
    EditSedWeight->SetValue(e.SedWeight);
    EditSiltAngle->SetValue(e.SedAngle);
    EditUpPercentage->SetValue(e.PressureUp * 100);
    EditDownPercentage->SetValue(e.PressureDown * 100);
    SiltButton(e.SedModel)->SetChecked(true);
    PlaceSymbol(LabelSiltAngle, LabelSiltPhi, "Internal friction angle (");
}

void TReservoirDlg::EditFieldExit(TObject* Sender)
{
    TReservoir& r = param.Reservoir;
    const std::pair<TEcCalcEdit*, double*> fields[] = {
        {EditUOres, &r.NormalUp},         {EditDOres, &r.NormalDn},   {EditUFres, &r.FloodUp},
        {EditDFres, &r.FloodDn},          {EditIce, &r.IceLoad},      {EditIceThickness, &r.IceThickness},
        {EditSilt, &r.Sediment},          {EditSedWeight, &r.SedWeight}, {EditSiltAngle, &r.SedAngle},
        {EditWaterWeight, &r.WaterWeight}};
    for (const auto& [edit, value] : fields)
        if (Sender == edit) *value = edit->Value();
}

namespace {
// Text with "@" drawn as phi in the symbol font.
void DrawWithPhi(TCanvas& c, Integer x, Integer y, const String& text)
{
    const TFont normal = c.Font();
    String rest = text;
    for (Integer at = Pos("@", rest); at > 0; at = Pos("@", rest)) {
        const String run = Copy(rest, 1, at - 1);
        c.TextOut(x, y, run);
        x += c.TextWidth(run);
        c.Font().SetName("Symbol");
        c.Font().SetCharset(SYMBOL_CHARSET);
        c.TextOut(x, y, "f");
        x += c.TextWidth("f");
        c.Font().Assign(normal);
        rest = Copy(rest, at + 1, rest.Length());
    }
    c.TextOut(x, y, rest);
}
}  // namespace

void TReservoirDlg::PaintFormulasPaint(TObject*)
{
    TCanvas& c = PaintFormulas->Canvas();
    c.Brush().SetStyle(TBrushStyle::bsClear);
    c.Font().Assign(Font());
    // One formula beside each of the three last radio buttons (their tops are 24 pixels apart).
    DrawWithPhi(c, 0, 24, "K0 = 1 - sin @");
    DrawWithPhi(c, 0, 48, "Ka = (1 - sin @) / (1 + sin @)");
    DrawWithPhi(c, 0, 72, "Kp = (1 + sin @) / (1 - sin @)");
}

void TReservoirDlg::OKButtonClick(TObject*)
{
    TReservoirEntries e;
    e.WaterWeight = EditWaterWeight->Value();
    e.NormalUp = EditUOres->Value();
    e.NormalDn = EditDOres->Value();
    e.FloodUp = EditUFres->Value();
    e.FloodDn = EditDFres->Value();
    e.IceLoad = EditIce->Value();
    e.DebrisForce = EditFDForce->Value();
    e.DebrisElev = EditFDElevation->Value();
    e.DebrisMaxElev = EditFDMaxElevation->Value();
    e.Sediment = EditSilt->Value();
    e.SedWeight = EditSedWeight->Value();
    e.SedAngle = EditSiltAngle->Value();
    e.PressureUp = EditUpPercentage->Value();
    e.PressureDown = EditDownPercentage->Value();
    e.SedModel = RadioAtRest->Checked()   ? smAtRest
                 : RadioActive->Checked()  ? smActive
                 : RadioPassive->Checked() ? smPassive
                                           : smAsFluid;
    TReservoirRules(param).ApplyOk(e);
}
