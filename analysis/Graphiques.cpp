#include "analysis/Graphiques.h"

#include <cmath>
#include <memory>
#include <numbers>

#include "analysis/Memo.h"
#include "analysis/ResultTables.h"
#include "platform/classes/TypInfo.h"
#include "platform/rtl/RtlMath.h"

TClass TGraphicsDlg::StaticClass()
{
    static const TMetaClass meta("TGraphicsDlg", TForm::StaticClass(), NewComponent<TGraphicsDlg>, [](TMetaClass& m) {
        using C = TGraphicsDlg;
        TPublished<C>(&m)
            .Method("FormCreate", &C::FormCreate)
            .Method("FormResize", &C::FormResize)
            .Method("JointListChange", &C::JointListChange)
            .Method("CombinationListChange", &C::CombinationListChange)
            .Method("DIzureMouseMoveInChart", &C::DIzureMouseMoveInChart)
            .Method("DIzureZoomPan", &C::DIzureZoomPan)
            .Method("BitBtn3Click", &C::BitBtn3Click)
            .Method("BitBtn2Click", &C::BitBtn2Click)
            .Method("valuesbuttonClick", &C::valuesbuttonClick)
            .Method("SpeedButton1Click", &C::SpeedButton1Click)
            .Method("SpeedButton3Click", &C::SpeedButton3Click)
            .Method("SpeedButton4Click", &C::SpeedButton4Click)
            .Field("Panel1", &C::Panel1)
            .Field("StaticText1", &C::StaticText1)
            .Field("StressValue", &C::StressValue)
            .Field("StaticText2", &C::StaticText2)
            .Field("PositionValue", &C::PositionValue)
            .Field("Bevel1", &C::Bevel1)
            .Field("SpeedButton1", &C::SpeedButton1)
            .Field("SpeedButton3", &C::SpeedButton3)
            .Field("SpeedButton4", &C::SpeedButton4)
            .Field("BitBtn2", &C::BitBtn2)
            .Field("BitBtn3", &C::BitBtn3)
            .Field("valuesbutton", &C::valuesbutton)
            .Field("BitBtn1", &C::BitBtn1)
            .Field("PanelLeft", &C::PanelLeft)
            .Field("LabelNormal", &C::LabelNormal)
            .Field("LabelUplift", &C::LabelUplift)
            .Field("LabelShear", &C::LabelShear)
            .Field("LabelMoment", &C::LabelMoment)
            .Field("LabelCrackUp", &C::LabelCrackUp)
            .Field("LabelCrackDown", &C::LabelCrackDown)
            .Field("CombinationList", &C::CombinationList)
            .Field("JointList", &C::JointList)
            .Field("PanelScale2", &C::PanelScale2)
            .Field("UpliftScale", &C::UpliftScale)
            .Field("DIzure", &C::DIzure);
    });
    return &meta;
}

namespace {

const char* const CombinationCaptions[NLoadCases] = {"Usual", "Flood", "Seismic #1 - stress", "Seismic #1 - stability",
                                                     "Seismic #2 - stress", "Seismic #2 - stability", "Post-seismic"};

const TColor JointColor = 0xC0C0C0;   // silver
const TColor UpliftColor = 0xFF0000;  // blue ($BBGGRR)
const TColor ShearColor = 0x008000;   // green
const TColor CrackColor = 0x0000FF;   // red

String UnitText(TUnites unites, const char* si, const char* us) { return unites == SI ? String(si) : String(us); }

}  // namespace

void DrawMouseActionGlyph(TBitmap& glyph, TMouseActMode action)
{
    glyph.SetSize(16, 16);
    TCanvas& c = glyph.Canvas();
    c.FillRectColor(TRect{0, 0, 16, 16}, clBtnFace);
    c.Pen().SetColor(clBlack);
    c.Brush().SetColor(clBlack);
    switch (action) {
    case maNone:
        c.Polygon({{4, 2}, {4, 13}, {7, 10}, {9, 14}, {11, 13}, {9, 9}, {13, 9}});
        break;
    case maPan:
        c.MoveTo(8, 1);
        c.LineTo(8, 15);
        c.MoveTo(1, 8);
        c.LineTo(15, 8);
        c.Polygon({{8, 1}, {5, 4}, {11, 4}});
        c.Polygon({{8, 14}, {5, 11}, {11, 11}});
        c.Polygon({{1, 8}, {4, 5}, {4, 11}});
        c.Polygon({{14, 8}, {11, 5}, {11, 11}});
        break;
    case maZoomDrag:
        c.Brush().SetStyle(TBrushStyle::bsClear);
        c.Pen().SetStyle(TPenStyle::psDot);
        c.Rectangle(1, 1, 15, 12);
        c.Pen().SetStyle(TPenStyle::psSolid);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Polygon({{9, 7}, {9, 15}, {11, 13}, {14, 15}});
        break;
    default:
        c.Brush().SetColor(clWhite);
        c.Ellipse(1, 1, 11, 11);
        c.Pen().SetWidth(3);
        c.MoveTo(10, 10);
        c.LineTo(14, 14);
        break;
    }
}

void TGraphicsDlg::FormCreate(TObject*)
{
    DIzure->Scale1X().SetMinTicks(3);
    DIzure->Scale1Y().SetMinTicks(3);
    DIzure->Scale1Y().SetMinRange(1e-10);
    for (Integer n = 1; n <= 4; ++n) DIzure->CrossHair(n).SetMode(chOff);
    DrawMouseActionGlyph(SpeedButton1->Glyph(), maNone);
    DrawMouseActionGlyph(SpeedButton3->Glyph(), maPan);
    DrawMouseActionGlyph(SpeedButton4->Glyph(), maZoomWindPos);
    FormResize(this);
}

void TGraphicsDlg::SetModel(const TParametres& model)
{
    param = model;
    const TUnites u = param.unites;

    JointList->Sections().Clear();
    TListSection* joints = JointList->Sections().Add();
    joints->SetCaption("U/S elevation:");
    for (Integer i = 1; i <= param.NJoints + 1; ++i) {
        const Integer j = JointOfRow(param, i);
        joints->SubItems().Add(j == 0 ? String("base")
                                      : Format("%8.3f ", {param.Joint.y1[j]}) + UnitText(u, "m", "ft"));
    }
    joints->SetState(lssExpanded);

    CombinationList->Sections().Clear();
    TListSection* combinations = CombinationList->Sections().Add();
    combinations->SetCaption("Combination:");
    for (int k = 1; k <= NLoadCases; ++k)
        if (param.LoadCombination.Selected[k]) combinations->SubItems().Add(CombinationCaptions[k - 1]);
    combinations->SetState(lssExpanded);

    Joint = -1;
    Load = -1;
    DIzure->Scale1Y().SetCaption(String(param.UpliftLoad == ulInternal ? "Total stresses" : "Effective stresses") +
                                 UnitText(u, " (kPa)", " (ksf)"));
    DIzure->Scale1X().SetCaption(DIzure->Scale1X().Caption() + UnitText(u, " (m)", " (ft)"));
    FormResize(this);
}

void TGraphicsDlg::FormResize(TObject*)
{
    if (!DIzure || !JointList) return;
    DIzure->Invalidate();
    DrawUpliftScale();
    JointList->SetHeight(PanelLeft->Height() - JointList->Top() - 8);
}

void TGraphicsDlg::JointListChange(TObject*, Integer sectionidx, Integer subitemidx)
{
    if (sectionidx == 0) Joint = (subitemidx + 1) % (param.NJoints + 1);
    DrawJointGraph();
}

void TGraphicsDlg::CombinationListChange(TObject*, Integer sectionidx, Integer subitemidx)
{
    Load = -1;
    if (sectionidx != 0 || subitemidx < 0 || subitemidx >= 7) return;
    TListSection* section = CombinationList->Sections()[0];
    if (subitemidx >= section->SubItems().Count()) return;
    const String caption = section->SubItems()[subitemidx];
    for (int k = 1; k <= NLoadCases; ++k)
        if (caption == CombinationCaptions[k - 1]) Load = k;
    DrawJointGraph();
}

void TGraphicsDlg::DIzureMouseMoveInChart(TObject*, bool, TShiftState, double rMousePosX, double rMousePosY)
{
    StressValue->SetCaption(Format("%8.1f", {rMousePosY}));
    PositionValue->SetCaption(Format("%8.3f", {rMousePosX}));
}

void TGraphicsDlg::DIzureZoomPan(TObject*)
{
    SetAxisDecimalPlaces();
    DrawUpliftScale();
}

void TGraphicsDlg::BitBtn3Click(TObject*) { DIzure->CopyToClipboard(false); }

void TGraphicsDlg::BitBtn2Click(TObject*) { DrawJointGraph(); }

void TGraphicsDlg::valuesbuttonClick(TObject*)
{
    std::unique_ptr<TGraphicValue> report(CreateForm<TGraphicValue>(Application));
    report->GValues = Plotted.Values;
    report->GlobalValues = Plotted.GlobalValues;
    report->ShearCurve = Plotted.ShearCurve;
    report->NUplifts = Plotted.NUplifts;
    report->ShowModal();
}

void TGraphicsDlg::SpeedButton1Click(TObject*) { DIzure->SetMouseAction(maNone); }
void TGraphicsDlg::SpeedButton3Click(TObject*) { DIzure->SetMouseAction(maPan); }
void TGraphicsDlg::SpeedButton4Click(TObject*) { DIzure->SetMouseAction(maZoomWindPos); }

void TGraphicsDlg::SetAxisDecimalPlaces()
{
    for (TScaleProps* scale : {static_cast<TScaleProps*>(&DIzure->Scale1X()), static_cast<TScaleProps*>(&DIzure->Scale1Y())})
        scale->SetDecPlaces(AxisDecimalPlaces(scale->RangeLow(), scale->RangeHigh()));
}

void TGraphicsDlg::DrawJointGraph()
{
    const int k = Load, j = Joint;
    if (k < 1 || k > NLoadCases || j < 0 || j > param.NJoints) return;
    const TJoint& joint = param.Joint;
    const double L = joint.Length[j];
    Plotted = JointPlotValues(param, k, j);
    const TGraphicValues& v = Plotted.Values;

    DIzure->Scale1X().SetRangeLow(0);
    DIzure->Scale1X().SetRangeHigh(L);
    DIzure->ClearGraf();

    DIzure->SetDataColor(JointColor);
    DIzure->SetLineWidth(3);
    DIzure->MoveTo(0.0, 0.0);
    DIzure->DrawTo(L, 0.0);

    // The normal stresses over the compressed part.
    DIzure->SetDataColor(clBlack);
    DIzure->SetLineWidth(2);
    DIzure->MoveTo(v[0][0], 0.0);
    DIzure->DrawTo(v[0][0], v[1][0]);
    DIzure->DrawTo(v[0][1], v[1][1]);
    DIzure->DrawTo(v[0][1], 0.0);

    // The uplift pressures downwards, with the combination's factor.
    if (Plotted.Uplift) {
        const double f = param.LoadCombination.U[k];
        DIzure->SetDataColor(UpliftColor);
        DIzure->SetLineWidth(2);
        DIzure->MoveTo(joint.Pressure.x[1][k][j], -joint.Pressure.p[1][k][j] * f);
        for (int p = 2; p <= 8; ++p) DIzure->DrawTo(joint.Pressure.x[p][k][j], -joint.Pressure.p[p][k][j] * f);
        DIzure->DrawTo(L, 0.0);
    }

    if (Plotted.ShearCurve) {
        DIzure->SetDataColor(ShearColor);
        DIzure->SetLineWidth(2);
        DIzure->MoveTo(L, 0.0);
        for (int i = 10; i >= 0; --i) DIzure->DrawTo(v[4][i], v[5][i]);
        DIzure->DrawTo(0.0, 0.0);
    }

    DIzure->Scale1Y().SetRangeLow(-Plotted.RangeHigh);
    DIzure->Scale1Y().SetRangeHigh(Plotted.RangeHigh);
    DrawResultantArrow();

    DIzure->SetDataColor(CrackColor);
    DIzure->SetLineWidth(3);
    if (joint.CrackLength.Up[k][j] > 0) {
        DIzure->MoveTo(0.0, 0.0);
        DIzure->DrawTo(joint.CrackLength.Up[k][j] * L, 0.0);
    }
    if (joint.CrackLength.Down[k][j] < 0) {
        DIzure->MoveTo((1 + joint.CrackLength.Down[k][j]) * L, 0.0);
        DIzure->DrawTo(L, 0.0);
    }

    // The third points of the joint.
    const double length = DIzure->Scale1X().RangeHigh();
    DIzure->SetDataColor(clBlack);
    DIzure->MarkAt(length / 3, 0.0, 6);
    DIzure->MarkAt(2 * length / 3, 0.0, 6);

    SetAxisDecimalPlaces();
    DIzure->ShowGraf();
    DrawUpliftScale();
    valuesbutton->SetEnabled(true);
    ShowFigures();
}

// The resultant as an arrow pointing at its point on the joint, a fifth of the plot's height
// long, leaning by V / N; pixel rows grow downwards.
void TGraphicsDlg::DrawResultantArrow()
{
    const int k = Load, j = Joint;
    const double N = param.Joint.Resultants.Normal[k][j];
    if (N == 0) return;
    const double V = param.Joint.Resultants.Shear[k][j];
    const double x0 = param.Joint.Resultants.Position[k][j] / 100 * param.Joint.Length[j];
    const double H = DIzure->Height() - DIzure->MarginTop() - DIzure->MarginBottom();
    const Integer s = N > 0 ? 1 : -1;
    Integer px = 0, py = 0;
    DIzure->R2M(1, x0, 0, px, py);
    auto drawToPixel = [&](Integer x, Integer y) {
        double wx = 0, wy = 0;
        DIzure->M2R(1, x, y, wx, wy);
        DIzure->DrawTo(wx, wy);
    };
    DIzure->SetDataColor(clBlack);
    DIzure->SetLineWidth(2);
    double tx = 0, ty = 0;
    DIzure->M2R(1, px + static_cast<Integer>(Round(V / N * H / 5)), py + static_cast<Integer>(Round(s * H / 5)), tx, ty);
    DIzure->MoveTo(tx, ty);
    DIzure->DrawTo(x0, 0.0);
    const double theta = std::atan(-V / N) + std::numbers::pi / 3;
    for (double angle : {theta, theta + std::numbers::pi / 3})
        drawToPixel(px + static_cast<Integer>(Round(std::cos(angle) * H / 40)),
                    py + static_cast<Integer>(Round(s * std::sin(angle) * H / 40)));
    DIzure->DrawTo(x0, 0.0);
}

void TGraphicsDlg::ShowFigures()
{
    const int k = Load, j = Joint;
    const TUnites u = param.unites;
    const String force = UnitText(u, "kN", "kip");
    const String moment = u == SI ? String(u"kN\u00B7m") : String(u"kip\u00B7ft");
    const TJoint& joint = param.Joint;
    LabelNormal->SetCaption(Format("%9.2f", {joint.Resultants.Normal[k][j]}) + force);
    LabelUplift->SetCaption(Format("%9.2f", {Plotted.GlobalValues.U}) + force);
    LabelShear->SetCaption(Format("%9.2f", {joint.Resultants.Shear[k][j]}) + force);
    LabelMoment->SetCaption(Format("%9.0f", {joint.Resultants.Moment[k][j]}) + moment);
    LabelCrackUp->SetCaption(Format("%8.3f ", {joint.CrackLength.Up[k][j] * 100}) + "%");
    LabelCrackDown->SetCaption(Format("%8.3f ", {joint.CrackLength.Down[k][j] * -100}) + "%");
}

// The lower half of the vertical axis labelled with positive numbers: the pressures of the
// downward uplift diagram, each just above its tick.
void TGraphicsDlg::DrawUpliftScale()
{
    if (!PanelScale2 || !UpliftScale || !DIzure) return;
    PanelScale2->SetWidth(DIzure->MarginLeft());
    const Integer w = UpliftScale->Width(), h = UpliftScale->Height();
    if (w <= 0 || h <= 0) return;
    TBitmap picture;
    picture.SetSize(w, h);
    TCanvas& c = picture.Canvas();
    c.Font().Assign(&DIzure->Font());
    c.Font().SetColor(clBlue);
    c.Brush().SetColor(clBtnFace);
    c.Pen().SetColor(clBtnFace);
    c.Rectangle(0, 0, w, h);
    c.Pen().SetColor(clBlue);
    const Integer places = DIzure->Scale1Y().DecPlaces();
    static const char* const formats[6] = {"%5.0f", "%7.1f", "%7.2f", "%7.3f", "%7.4f", "%7.5f"};
    const char* format = places >= 0 && places <= 5 ? formats[places] : "%7.5f";
    for (Integer i = 1; i <= DIzure->TickNumY(); ++i) {
        const double tick = DIzure->GetTickPosY(i);
        Integer px = 0, py = 0;
        DIzure->R2M(1, 0, tick, px, py);
        const double pressure = -tick;
        if (pressure < 0) continue;
        c.MoveTo(0, py);
        c.LineTo(5, py);
        c.TextOut(7, py + c.Font().Height(), Format(format, {pressure}));
    }
    UpliftScale->Picture().SetGraphic(&picture);
}
