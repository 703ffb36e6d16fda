#include "analysis/GraphStatistic.h"

#include <cmath>

#include "analysis/Graphiques.h"
#include "analysis/Statistic.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

TClass TGraphStatistics::StaticClass()
{
    static const TMetaClass meta("TGraphStatistics", TForm::StaticClass(), NewComponent<TGraphStatistics>,
                                 [](TMetaClass& m) {
                                     using C = TGraphStatistics;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("FormShow", &C::FormShow)
                                         .Method("SectionListBoxSubItemClick", &C::SectionListBoxSubItemClick)
                                         .Method("RadioGroupCDFClick", &C::RadioGroupCDFClick)
                                         .Method("DIzureMouseMoveInChart", &C::DIzureMouseMoveInChart)
                                         .Method("DIzureZoomPan", &C::DIzureZoomPan)
                                         .Method("SpeedButton5Click", &C::SpeedButton5Click)
                                         .Method("SpeedButton2Click", &C::SpeedButton2Click)
                                         .Method("SpeedButton1Click", &C::SpeedButton1Click)
                                         .Method("SpeedButton3Click", &C::SpeedButton3Click)
                                         .Method("SpeedButton4Click", &C::SpeedButton4Click)
                                         .Field("Panel1", &C::Panel1)
                                         .Field("RadioGroupCDF", &C::RadioGroupCDF)
                                         .Field("CheckBoxTracking", &C::CheckBoxTracking)
                                         .Field("SpeedButton5", &C::SpeedButton5)
                                         .Field("SpeedButton2", &C::SpeedButton2)
                                         .Field("SpeedButton1", &C::SpeedButton1)
                                         .Field("SpeedButton3", &C::SpeedButton3)
                                         .Field("SpeedButton4", &C::SpeedButton4)
                                         .Field("Button2", &C::Button2)
                                         .Field("Panel2", &C::Panel2)
                                         .Field("SectionListBox", &C::SectionListBox)
                                         .Field("LabelMean", &C::LabelMean)
                                         .Field("LabelStDev", &C::LabelStDev)
                                         .Field("LabelMax", &C::LabelMax)
                                         .Field("LabelMin", &C::LabelMin)
                                         .Field("LabelFailure", &C::LabelFailure)
                                         .Field("DIzure", &C::DIzure)
                                         .Field("StatusBar1", &C::StatusBar1);
                                 });
    return &meta;
}

String StatisticInputName(Integer code)
{
    static const char* const names[14] = {
        "Tensile Strength (ft)",     "Cohesion (Peak)",           "Cohesion (Residual)",
        "Friction Angle (Peak)",     "Friction Angle (Residual)", "Normal U/S Reservoir Elev",
        "U/S Res. Increase (Flood)", "Silt Elevation",            "Silt Volumetric Weight",
        "Drain Efficiency (ke)",     "Floating Debris",           "Ice load",
        "Last Applied Force",        "Hor. Peak Ground Acceler."};
    String name = code >= 1 && code <= 14 ? String(names[code - 1]) : String();
    while (name.Length() < 25) name += " ";
    return name;
}

String StatisticOutputName(Integer quantity)
{
    static const char* const names[11] = {"U/S Crack (% of Joint)",    "D/S Crack (% of Joint)",
                                          "Sliding SF (Peak)",         "Sliding SF (Residual)",
                                          "Overturning SF Toward U/S", "Overturning SF Toward D/S",
                                          "Uplifting Safety Factor",   "Max. Compressive Stress",
                                          "Max. Tensile Stress",       "Resultant Position (%)",
                                          "Final Uplift Force"};
    return quantity >= 1 && quantity <= 11 ? String(names[quantity - 1]) : String();
}

Integer SpanDecimalPlaces(double span, Integer extra)
{
    if (!(span > 0 && span < 1)) return 1;
    return static_cast<Integer>(std::abs(Round(std::log10(span)))) + extra;
}

void ShowChartPosition(TDIzure& Chart, TStatusBar& Bar, bool Tracking, double X, double Y)
{
    TCrossHair& cross = Chart.CrossHair(1);
    if (Tracking) {
        cross.SetMode(chBoth);
        cross.SetLineType(TPenStyle::psDashDot);
        cross.SetColor(clMaroon);
        cross.SetPos(X, Y);
        Chart.ShowGraf();
    } else if (cross.Mode() == chBoth) {
        cross.SetMode(chOff);
        Chart.ShowGraf();
    }
    Bar.Panels()[0]->SetText(Format("X = %8.4f", {X}));
    Bar.Panels()[1]->SetText(Format("Y = %8.5f", {Y}));
}

void SetZoomDecimalPlaces(TDIzure& Chart)
{
    for (TScaleProps* scale : {static_cast<TScaleProps*>(&Chart.Scale1X()), static_cast<TScaleProps*>(&Chart.Scale1Y())})
        scale->SetDecPlaces(SpanDecimalPlaces(scale->RangeHigh() - scale->RangeLow(), 2));
}

Integer TGraphStatistics::Points() const { return param.Statistiques.nPoints; }

void TGraphStatistics::FormCreate(TObject*)
{
    DrawMouseActionGlyph(SpeedButton2->Glyph(), maNone);
    DrawMouseActionGlyph(SpeedButton1->Glyph(), maZoomDrag);
    DrawMouseActionGlyph(SpeedButton3->Glyph(), maPan);
    DrawMouseActionGlyph(SpeedButton4->Glyph(), maZoomWindPos);
    DIzure->CrossHair(1).SetMode(chOff);
}

void TGraphStatistics::FormShow(TObject*)
{
    ChartEmpty = true;
    x = std::make_unique<TVector>(nullptr);
    y = std::make_unique<TVector>(nullptr);
    x->SetNrOfElem(Points() + 1);
    y->SetNrOfElem(Points() + 1);

    const TStatistiques& st = param.Statistiques;
    SectionListBox->Sections().Clear();
    TListSection* inputs = SectionListBox->Sections().Add();
    inputs->SetCaption("Input parameters:");
    for (Integer r = 1; r <= NRandomVariables; ++r)
        if (st.Selection[r]) {
            InputSelection[inputs->SubItems().Count()] = r;
            inputs->SubItems().Add(StatisticInputName(st.NumeroParametre[r]));
        }
    TListSection* outputs = SectionListBox->Sections().Add();
    outputs->SetCaption("Output parameters:");
    for (Integer k = 1; k <= NRandomVariables; ++k)
        if (st.Resultats[k]) {
            OutputSelection[outputs->SubItems().Count()] = k;
            outputs->SubItems().Add(StatisticOutputName(k));
        }
    inputs->SetState(lssExpanded);
    outputs->SetState(lssExpanded);
}

void TGraphStatistics::SectionListBoxSubItemClick(TObject*, Integer sectionidx, Integer subitemidx)
{
    if (sectionidx < 0 || sectionidx >= SectionListBox->Sections().Count() || subitemidx < 0 ||
        subitemidx >= SectionListBox->Sections()[sectionidx]->SubItems().Count() || subitemidx >= NRandomVariables)
        return;
    Section = sectionidx + 1;
    id = sectionidx == 0 ? InputSelection[subitemidx] : OutputSelection[subitemidx];
    ChartEmpty = false;
    PlotGraph();
}

void TGraphStatistics::RadioGroupCDFClick(TObject*) { PlotGraph(); }

void TGraphStatistics::PlotGraph()
{
    if (ChartEmpty) return;
    const Integer n = Points();
    const TStatResult& r = param.StatResult;
    const int index = StatIndex(Section, id);
    const double lo = r.minimum[index], hi = r.maximum[index];
    const TVector* histogram = r.histogramme[index].get();

    // A quantity that did not vary has no curve (nor one without its histogram classes).
    if (r.deviation[index] <= 0 || !histogram || n < 1) {
        ChartEmpty = true;
        DIzure->ClearGraf();
        const TScaleProps& sx = DIzure->Scale1X();
        const TScaleProps& sy = DIzure->Scale1Y();
        DIzure->Text((sx.RangeHigh() - sx.RangeLow()) / 2, (sy.RangeHigh() - sy.RangeLow()) / 2, 10, "No variation");
        DIzure->ShowGraf();
        return;
    }

    const bool density = RadioGroupCDF->ItemIndex() == 0;
    double sum = 0;
    for (Integer k = 1; k <= n + 1; ++k) {
        x->SetVal(k, lo + static_cast<double>(k - 1) / n * (hi - lo));
        sum += histogram->GetVal(k) * (hi - lo) / n;
        y->SetVal(k, density ? histogram->GetVal(k) : sum);
    }
    x->MinMax(1, n + 1, MinX, maxX);
    y->MinMax(1, n + 1, MinY, maxY);

    LabelMean->SetCaption(Format("%12.7e", {r.moyenne[index]}));
    LabelStDev->SetCaption(Format("%12.7e", {r.deviation[index]}));
    LabelMin->SetCaption(Format("%12.7e", {r.minimum[index]}));
    LabelMax->SetCaption(Format("%12.7e", {r.maximum[index]}));
    const bool safetyFactor = Section == StatResults && id >= 3 && id <= 7;
    LabelFailure->SetCaption(safetyFactor ? Format("%12.7e", {r.performance[index]}) : String("N/A"));

    DIzure->ClearGraf();
    DIzure->Scale1X().SetRangeLow(MinX);
    DIzure->Scale1X().SetRangeHigh(maxX);
    DIzure->Scale1Y().SetRangeLow(0);
    DIzure->Scale1Y().SetRangeHigh(maxY);
    DIzure->MoveTo(x->GetVal(1), y->GetVal(1));
    for (Integer k = 2; k <= n + 1; ++k) DIzure->DrawTo(x->GetVal(k), y->GetVal(k));
    DIzure->Scale1X().SetDecPlaces(SpanDecimalPlaces(maxX - MinX, 1));
    DIzure->Scale1Y().SetDecPlaces(SpanDecimalPlaces(maxY - MinY, 1));
    DIzure->ShowGraf();
}

double TGraphStatistics::CurveValueAt(double X) const
{
    const Integer n = Points();
    Integer k = MinX == maxX ? 1 : static_cast<Integer>(Trunc((X - MinX) / (maxX - MinX) * n)) + 2;
    if (!(X > MinX)) k = 1;
    if (!(X < maxX)) k = n + 1;
    if (k <= 1) return y->GetVal(1);
    const double x0 = x->GetVal(k - 1), x1 = x->GetVal(k), y0 = y->GetVal(k - 1), y1 = y->GetVal(k);
    return y0 + (X - x0) / (x1 - x0) * (y1 - y0);
}

void TGraphStatistics::DIzureMouseMoveInChart(TObject*, bool, TShiftState, double rMousePosX, double rMousePosY)
{
    if (ChartEmpty) return;
    const bool tracking = CheckBoxTracking->Checked();
    ShowChartPosition(*DIzure, *StatusBar1, tracking, rMousePosX, tracking ? CurveValueAt(rMousePosX) : rMousePosY);
}

void TGraphStatistics::DIzureZoomPan(TObject*)
{
    SetZoomDecimalPlaces(*DIzure);
}

void TGraphStatistics::SpeedButton5Click(TObject*)
{
    DIzure->Scale1X().SetRangeLow(MinX);
    DIzure->Scale1X().SetRangeHigh(maxX);
    DIzure->Scale1Y().SetRangeLow(MinY);
    DIzure->Scale1Y().SetRangeHigh(maxY);
    DIzure->Scale1X().SetDecPlaces(SpanDecimalPlaces(maxX - MinX, 1));
    DIzure->Scale1Y().SetDecPlaces(SpanDecimalPlaces(maxY - MinY, 1));
    DIzure->ShowGraf();
}

void TGraphStatistics::SpeedButton2Click(TObject*) { DIzure->SetMouseAction(maNone); }
void TGraphStatistics::SpeedButton1Click(TObject*) { DIzure->SetMouseAction(maZoomDrag); }
void TGraphStatistics::SpeedButton3Click(TObject*) { DIzure->SetMouseAction(maPan); }
void TGraphStatistics::SpeedButton4Click(TObject*) { DIzure->SetMouseAction(maZoomWindPos); }
