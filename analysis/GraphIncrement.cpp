#include "analysis/GraphIncrement.h"

#include <cmath>

#include "analysis/GraphStatistic.h"
#include "analysis/Graphiques.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

TClass TGraphIncrementLoad::StaticClass()
{
    static const TMetaClass meta("TGraphIncrementLoad", TForm::StaticClass(), NewComponent<TGraphIncrementLoad>,
                                 [](TMetaClass& m) {
                                     using C = TGraphIncrementLoad;
                                     TPublished<C>(&m)
                                         .Method("FormCreate", &C::FormCreate)
                                         .Method("FormShow", &C::FormShow)
                                         .Method("FormClose", &C::FormClose)
                                         .Method("CheckListBoxClickCheck", &C::CheckListBoxClickCheck)
                                         .Method("SpeedButton5Click", &C::SpeedButton5Click)
                                         .Method("DIzureMouseMoveInChart", &C::DIzureMouseMoveInChart)
                                         .Method("DIzureZoomPan", &C::DIzureZoomPan)
                                         .Method("Button2Click", &C::Button2Click)
                                         .Method("SpeedButton2Click", &C::SpeedButton2Click)
                                         .Method("SpeedButton1Click", &C::SpeedButton1Click)
                                         .Method("SpeedButton3Click", &C::SpeedButton3Click)
                                         .Method("SpeedButton4Click", &C::SpeedButton4Click)
                                         .Field("Panel1", &C::Panel1)
                                         .Field("CheckBoxTracking", &C::CheckBoxTracking)
                                         .Field("SpeedButton5", &C::SpeedButton5)
                                         .Field("SpeedButton2", &C::SpeedButton2)
                                         .Field("SpeedButton1", &C::SpeedButton1)
                                         .Field("SpeedButton3", &C::SpeedButton3)
                                         .Field("SpeedButton4", &C::SpeedButton4)
                                         .Field("Button2", &C::Button2)
                                         .Field("Button1", &C::Button1)
                                         .Field("CheckListBox", &C::CheckListBox)
                                         .Field("DIzure", &C::DIzure)
                                         .Field("StatusBar1", &C::StatusBar1);
                                 });
    return &meta;
}

namespace {

// The label written at the start of each curve, and its colour.
const char* const CurveLabels[NIncrementalCurves] = {"U/S crack (%)  ", "D/S crack (%)",   "Peak SSF",
                                                     "Residual SSF",    "OSF --> U/S",     "OSF --> D/S",
                                                     "Uplifting SF",    "Max norm stress", "Min norm stress",
                                                     "Resultant pos."};
const TColor CurveColors[NIncrementalCurves] = {clRed,  clMaroon, clBlack, clGray, clBlue,
                                                clNavy, clAqua,   clGreen, clLime, clOlive};

}  // namespace

String IncrementedLoadCaption(Integer loading, TUnites unites)
{
    static const char* const names[8] = {"None",
                                         "Normal Upstream Reservoir Elevation",
                                         "Flood Upstream Reservoir elevation",
                                         "Horizontal Peak Ground Acceleration",
                                         "Last Applied Force",
                                         "Post-Tension",
                                         "Ice Load",
                                         "Drain Effectiveness"};
    static const char* const units[8][2] = {{"", ""},       {"m", "ft"},    {"m", "ft"},    {"g", "g"},
                                            {"kN", "kip"}, {"kN", "kip"}, {"kN", "kip"}, {"-", "-"}};
    if (loading < 0 || loading > 7) loading = 0;
    return String(names[loading]) + " (" + units[loading][unites == SI ? 0 : 1] + ")";
}

bool TGraphIncrementLoad::CurveAvailable(int q) const
{
    return IncrementLoad.Resultats[q] && Steps() >= 2 && IncrementalResult.histogramme[q].Length() > Steps();
}

void TGraphIncrementLoad::FormCreate(TObject*)
{
    ChartEmpty = true;
    DrawMouseActionGlyph(SpeedButton2->Glyph(), maNone);
    DrawMouseActionGlyph(SpeedButton1->Glyph(), maZoomDrag);
    DrawMouseActionGlyph(SpeedButton3->Glyph(), maPan);
    DrawMouseActionGlyph(SpeedButton4->Glyph(), maZoomWindPos);
    DIzure->CrossHair(1).SetMode(chOff);
}

void TGraphIncrementLoad::FormShow(TObject*)
{
    const Integer L = IncrementLoad.Loading, N = Steps();
    const bool load = L >= 1 && L <= 7;
    x.SetLength(N + 1);
    for (Integer k = 1; k <= N; ++k)
        x[k] = load ? IncrementLoad.StartValue[L] + (k - 1) * IncrementLoad.IncrementValue[L] : k;
    DIzure->Scale1X().SetCaption(IncrementedLoadCaption(L, Unites));

    // A curve the run left without a value for every step cannot be checked.
    for (int q = 1; q <= NIncrementalCurves; ++q) {
        const bool available = CurveAvailable(q);
        CheckListBox->SetItemEnabled(q - 1, available);
        if (!available) continue;
        y[q].SetLength(N + 1);
        MinY[q] = 1e100;
        MaxY[q] = -1e100;
        for (Integer s = 1; s <= N; ++s) {
            y[q][s] = IncrementalResult.histogramme[q][s];
            MinY[q] = std::min(MinY[q], y[q][s]);
            MaxY[q] = std::max(MaxY[q], y[q][s]);
        }
    }
}

void TGraphIncrementLoad::FormClose(TObject*, TCloseAction&)
{
    x.SetLength(0);
    for (auto& curve : y) curve.SetLength(0);
}

void TGraphIncrementLoad::CheckListBoxClickCheck(TObject*)
{
    ChartEmpty = true;
    for (int q = 1; q <= NIncrementalCurves; ++q)
        if (CheckListBox->Checked(q - 1) && CurveAvailable(q)) ChartEmpty = false;
    PlotGraph();
}

void TGraphIncrementLoad::SpeedButton5Click(TObject*) { PlotGraph(); }

void TGraphIncrementLoad::PlotGraph()
{
    DIzure->ClearGraf();
    const Integer N = Steps();
    if (!ChartEmpty && N >= 2) {
        MinX = x[1];
        MaxX = x[N];
        if (MinX == MaxX) MaxX += 1;
        DIzure->Scale1X().SetRangeLow(MinX);
        DIzure->Scale1X().SetRangeHigh(MaxX);

        // The checked curves' extremes, widened by a twentieth of the span at each end (the
        // upper one measured from the widened lower end).
        double lower = 1e100, upper = -1e100;
        for (int q = 1; q <= NIncrementalCurves; ++q)
            if (CheckListBox->Checked(q - 1) && CurveAvailable(q)) {
                lower = std::min(lower, MinY[q]);
                upper = std::max(upper, MaxY[q]);
            }
        if (lower == upper) {
            lower -= 1;
            upper += 1;
        }
        lower -= (upper - lower) / 20;
        upper += (upper - lower) / 20;
        MinY[0] = lower;
        MaxY[0] = upper;
        DIzure->Scale1Y().SetRangeLow(lower);
        DIzure->Scale1Y().SetRangeHigh(upper);

        for (int q = 1; q <= NIncrementalCurves; ++q) {
            if (!CheckListBox->Checked(q - 1) || !CurveAvailable(q)) continue;
            DIzure->SetDataColor(CurveColors[q - 1]);
            DIzure->Text(x[1], y[q][1], 8, CurveLabels[q - 1], 3, 0, taLeftJustify);
            DIzure->MoveTo(x[1], y[q][1]);
            for (Integer j = 2; j <= N; ++j) DIzure->DrawTo(x[j], y[q][j]);
        }
        DIzure->Scale1X().SetDecPlaces(SpanDecimalPlaces(MaxX - MinX, 1));
        DIzure->Scale1Y().SetDecPlaces(SpanDecimalPlaces(upper - lower, 1));
    }
    DIzure->ShowGraf();
}

double TGraphIncrementLoad::NearestCurveValueAt(double X, double Y) const
{
    const Integer N = Steps();
    if (N < 2) return Y;
    const double span = x[N] - x[1];
    Integer k = span != 0 ? static_cast<Integer>(Trunc((X - x[1]) / span * N)) : 1;
    k = std::max<Integer>(1, std::min<Integer>(k, N - 1));
    int nearest = 0;
    for (int q = 1; q <= NIncrementalCurves; ++q)
        if (CheckListBox->Checked(q - 1) && CurveAvailable(q) &&
            (nearest == 0 || std::fabs(Y - y[q][k]) < std::fabs(Y - y[nearest][k])))
            nearest = q;
    if (nearest == 0) return Y;
    const DynArray<double>& c = y[nearest];
    const double step = x[k + 1] - x[k];
    return step != 0 ? c[k] + (c[k + 1] - c[k]) / step * (X - x[k]) : c[k];
}

void TGraphIncrementLoad::DIzureMouseMoveInChart(TObject*, bool, TShiftState, double rMousePosX, double rMousePosY)
{
    if (ChartEmpty) return;
    const bool tracking = CheckBoxTracking->Checked();
    ShowChartPosition(*DIzure, *StatusBar1, tracking, rMousePosX, tracking ? NearestCurveValueAt(rMousePosX, rMousePosY) : rMousePosY);
}

void TGraphIncrementLoad::DIzureZoomPan(TObject*)
{
    SetZoomDecimalPlaces(*DIzure);
}

void TGraphIncrementLoad::Button2Click(TObject*) { DIzure->CopyToClipboard(false); }

void TGraphIncrementLoad::SpeedButton2Click(TObject*) { DIzure->SetMouseAction(maNone); }
void TGraphIncrementLoad::SpeedButton1Click(TObject*) { DIzure->SetMouseAction(maZoomDrag); }
void TGraphIncrementLoad::SpeedButton3Click(TObject*) { DIzure->SetMouseAction(maPan); }
void TGraphIncrementLoad::SpeedButton4Click(TObject*) { DIzure->SetMouseAction(maZoomWindPos); }
