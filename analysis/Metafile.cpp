// The stability drawing recorded on a metafile canvas: the section fitted into the right-hand
// half of the picture (shifted half a box left in the stability view), the tables beside it.
#include "analysis/Metafile.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "engine/Loads.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

namespace {

const TColor Maroon = 0x000080, Blue = 0xFF0000, Olive = 0x008080, Silver = 0xC0C0C0, Red = 0x0000FF,
             Grey = 0x808080;
const double MarginRatio = 0.075;

int Nearest(double x) { return static_cast<int>(Round(x)); }

// Abscissa of the upstream face at elevation e: the vertical foot up to C, the batter up to E,
// then L2.
double UpstreamFace(const TDimension& d, double e)
{
    if (!(e > d.Elev.C)) return 0;
    if (e > d.Elev.E) return d.L2;
    return InterpolateLine(e, d.Elev.E, d.L2, d.Elev.C, 0);
}

// Abscissa of the downstream face at elevation e: the vertical foot up to D, the slope up to F,
// then the upper part to the crest.
double DownstreamFace(const TDimension& d, double e)
{
    if (!(e > d.Elev.D)) return d.L1;
    if (e > d.Elev.F) return InterpolateLine(e, d.Elev.G, d.L2 + d.L4, d.Elev.F, d.L2 + d.L3);
    return InterpolateLine(e, d.Elev.F, d.L2 + d.L3, d.Elev.D, d.L1);
}

const TFactors& RequiredFactors(const TSafetyFactors& f, int k)
{
    switch (k) {
    case 1: return f.Usual;
    case 2: return f.Flood;
    case 3: case 4: return f.Seismic1;
    case 5: case 6: return f.Seismic2;
    default: return f.PostSeismic;
    }
}

// A safety factor of a table: "> 100" from 100 up.
String FactorText(double value) { return value >= 100 ? String("> 100") : Format("%7.3f", {value}); }

class TStabilityDrawing {
public:
    TStabilityDrawing(TCanvas& canvas, const TParametres& model, int k, int width, int height, int fontSize,
                      bool stressView)
        : c(canvas), M(model), k(k), W(width / 2), H(height), u(Nearest(MarginRatio * W)),
          s(stressView ? 0 : W / 2), FontSize(fontSize), StressView(stressView)
    {
    }

    void Draw(bool showResultants, bool showStressDiagram, bool showUplift);

private:
    TPoint Map(double x, double elevation) const
    {
        int px = 0, py = 0;
        ModelToDrawing(px, py, W, H, M.Dim, MarginRatio, x, elevation);
        return {px, py};
    }
    void Line(int x1, int y1, int x2, int y2)
    {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    }
    void SetPen(TColor color, int width, TPenStyle style = TPenStyle::psSolid)
    {
        c.Pen().SetColor(color);
        c.Pen().SetWidth(width);
        c.Pen().SetStyle(style);
    }
    void SetBrush(TColor color, TBrushStyle style)
    {
        c.Brush().SetColor(color);
        c.Brush().SetStyle(style);
    }
    void SetFont(bool bold)
    {
        c.Font().SetName("Arial");
        c.Font().SetSize(FontSize);
        c.Font().SetColor(clBlack);
        c.Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic} : TFontStyles{});
    }
    // Text ending at x; nothing for an empty text.
    void RightText(int x, int y, const String& text)
    {
        if (!text.IsEmpty()) c.TextOut(x - c.TextWidth(text), y, text);
    }
    // Model point at fraction t from (x1, y1) toward (x2, y2) of joint j.
    TPoint AlongJoint(int j, double t) const
    {
        const TJoint& J = M.Joint;
        return Map(J.x1[j] + (J.x2[j] - J.x1[j]) * t, J.y1[j] + (J.y2[j] - J.y1[j]) * t);
    }
    // Model point beyond the downstream end by the (non-positive) fraction t, back toward the upstream end.
    TPoint FromDownstream(int j, double t) const
    {
        const TJoint& J = M.Joint;
        return Map(J.x2[j] + (J.x2[j] - J.x1[j]) * t, J.y2[j] + (J.y2[j] - J.y1[j]) * t);
    }
    int JointOfVisit(int v) const { return v % (M.NJoints + 1); }

    void Title();
    void Foundation();
    void WaterMark(int x, int y, int centre);
    void WaterLevels();
    void Silt();
    void Outline();
    void JointEnds();
    void Diagrams(bool showResultants, bool showStressDiagram, bool showUplift);
    void Tables();
    void StressTables(int T, int B, int h, const String& stress);
    void StabilityTable(int T, int B, int h);
    void Drain();
    void PostTension();

    TCanvas& c;
    const TParametres& M;
    const int k, W, H, u, s, FontSize;
    const bool StressView;
    std::vector<TPoint> A, Bend;   // joint ends in pixels: upstream (ax, ay), downstream (bx, by)
    int d = 0;                     // from the base joint's lower end to lift joint 1's higher end
};

void TStabilityDrawing::Draw(bool showResultants, bool showStressDiagram, bool showUplift)
{
    Title();
    Foundation();
    WaterLevels();
    if (M.Donnees.Contains(daSediments)) Silt();
    Outline();
    JointEnds();
    Diagrams(showResultants, showStressDiagram, showUplift);
    Tables();
    if (M.Drain) Drain();
    if (M.Donnees.Contains(daPostTension)) PostTension();
}

void TStabilityDrawing::Title()
{
    SetBrush(clWhite, TBrushStyle::bsClear);
    SetFont(true);
    c.TextOut(1, 1, StabilityDrawingTitle(M, k, StressView));
}

void TStabilityDrawing::Foundation()
{
    const TDimension& D = M.Dim;
    const TPoint p7 = Map(UpstreamFace(D, D.Elev.Fup), D.Elev.Fup);
    const TPoint p8 = Map(DownstreamFace(D, D.Elev.Fdown), D.Elev.Fdown);
    SetPen(Maroon, 1);
    SetBrush(Maroon, TBrushStyle::bsBDiagonal);
    const int left = W / 2 - s, right = W / 2 + W - s;
    c.Polygon({{left, p7.Y}, {p7.X - s, p7.Y}, {p8.X - s, p8.Y}, {right, p8.Y}, {right, H - 1}, {left, H - 1}});
}

// The level mark: a triangle standing on the water line at the centre, and three shorter and
// shorter lines under it.
void TStabilityDrawing::WaterMark(int x, int y, int centre)
{
    Line(x - s, y, x + u - s, y);
    const int cx = centre - s;
    c.MoveTo(cx, y);
    c.LineTo(cx + u / 4, y - u / 4);
    c.LineTo(cx - u / 4, y - u / 4);
    c.LineTo(cx, y);
    const int levels[3][2] = {{u / 8, (3 * u) / 16}, {u / 4, u / 8}, {(3 * u) / 8, u / 16}};
    for (const auto& [dy, half] : levels) Line(cx - half, y + dy, cx + half, y + dy);
}

void TStabilityDrawing::WaterLevels()
{
    const TDimension& D = M.Dim;
    const double up = k == 2 ? M.Reservoir.FloodUp : M.Reservoir.NormalUp;
    const double down = k == 2 ? M.Reservoir.FloodDn : M.Reservoir.NormalDn;
    const TPoint p9 = Map(UpstreamFace(D, up), up);
    const TPoint p10 = Map(DownstreamFace(D, down), down);
    SetPen(Blue, 1);
    WaterMark(p9.X - u, p9.Y, p9.X - u / 2);
    WaterMark(p10.X, p10.Y, p10.X + u / 2);
}

// A hatched band under the silt surface, then the surface line.
void TStabilityDrawing::Silt()
{
    const double e = M.Reservoir.Sediment;
    const TPoint p11 = Map(UpstreamFace(M.Dim, e), e);
    SetPen(Olive, 1, TPenStyle::psClear);
    SetBrush(Olive, TBrushStyle::bsBDiagonal);
    c.Rectangle(W / 2 - s, p11.Y, p11.X - s, p11.Y + u / 2);
    SetPen(Olive, 1);
    Line(W / 2 - s, p11.Y, p11.X - s, p11.Y);
}

// Heel, toe, the downstream face up to the crest, the crest, the upstream face down to the heel.
void TStabilityDrawing::Outline()
{
    const TDimension& D = M.Dim;
    const TElev& E = D.Elev;
    const TPoint p0 = Map(0, E.A), p1 = Map(D.L1, E.B), p2 = Map(0, E.C), p3 = Map(D.L1, E.D), p4 = Map(D.L2, E.E),
                 p5 = Map(D.L2 + D.L3, E.F), p6 = Map(D.L2 + D.L4, E.G);
    SetPen(clBlack, 1);
    SetBrush(clWhite, TBrushStyle::bsSolid);
    std::vector<TPoint> points{p0, p1, p3, p5, p6, {p4.X, p6.Y}, p4, p2};
    for (TPoint& p : points) p.X -= s;
    c.Polygon(points);
}

void TStabilityDrawing::JointEnds()
{
    const TJoint& J = M.Joint;
    A.assign(M.NJoints + 1, {});
    Bend.assign(M.NJoints + 1, {});
    for (int v = 1; v <= M.NJoints + 1; ++v) {
        const int j = JointOfVisit(v);
        if (!StressView) {
            SetPen(clBlack, 1);
            SetBrush(clWhite, TBrushStyle::bsSolid);
            for (double third : {1.0 / 3, 2.0 / 3}) {
                const TPoint p = AlongJoint(j, third);
                c.Rectangle(p.X - 2 - s, p.Y - 2, p.X + 3 - s, p.Y + 3);
            }
        }
        A[j] = Map(J.x1[j], J.y1[j]);
        Bend[j] = Map(J.x2[j], J.y2[j]);
        if (!StressView && j != 0) {
            SetPen(clBlack, 1, TPenStyle::psDot);
            Line(A[j].X - s, A[j].Y, Bend[j].X - s, Bend[j].Y);
        }
    }
    if (M.NJoints > 0)
        d = std::max(A[0].Y, Bend[0].Y) - std::min(A[1].Y, Bend[1].Y);
}

void TStabilityDrawing::Diagrams(bool showResultants, bool showStressDiagram, bool showUplift)
{
    const TJoint& J = M.Joint;
    const int n = M.NJoints;
    // The reference of both diagrams: the largest uplift pressure or normal stress magnitude.
    double P = 0;
    for (int j = 0; j <= n; ++j) {
        for (int i = 1; i <= 8; ++i) P = MaxDouble(P, J.Pressure.p[i][k][j]);
        P = MaxDouble(P, std::fabs(J.Stress.normal.Up[k][j]));
        P = MaxDouble(P, std::fabs(J.Stress.normal.Down[k][j]));
    }
    const int b = n > 0 ? std::min(Nearest(static_cast<double>(d) / (n + 1)), u) : u;
    const int arrow = n > 0 ? std::min(Nearest(static_cast<double>(d) / n), u) : u;
    for (int v = 1; v <= n + 1; ++v) {
        const int j = JointOfVisit(v);
        const double theta = J.Angle[j] * std::numbers::pi / 180;
        const double sn = std::sin(theta), cs = std::cos(theta);
        const TPoint a = A[j], e = Bend[j];

        // Normal stresses over the compressed part, positive (tension) toward the dam above.
        if (P != 0 && showStressDiagram) {
            SetPen(clBlack, 1);
            SetBrush(Silver, TBrushStyle::bsSolid);
            const TPoint U = AlongJoint(j, J.Compression.Up[k][j]);
            const TPoint D = FromDownstream(j, J.Compression.Down[k][j]);
            const double su = J.Stress.normal.Up[k][j] / P, sd = J.Stress.normal.Down[k][j] / P;
            c.Polygon({{U.X - s, U.Y},
                       {U.X - Nearest(sn * b * su) - s, U.Y - Nearest(cs * b * su)},
                       {D.X - Nearest(sn * b * sd) - s, D.Y - Nearest(cs * b * sd)},
                       {D.X - s, D.Y}});
        }

        // Uplift pressures below the joint.
        if (M.JointLoad.U[k][j] != 0 && M.LoadCombination.U[k] != 0 && showUplift) {
            SetPen(Blue, 2);
            c.MoveTo(a.X - s, a.Y);
            for (int i = 1; i <= 8; ++i) {
                const double xi = J.Pressure.x[i][k][j];
                const TPoint p = Map(J.x1[j] + cs * xi, J.y1[j] + sn * xi);
                const double pi = P != 0 ? J.Pressure.p[i][k][j] / P : 0;
                c.LineTo(p.X + Nearest(sn * b * pi) - s, p.Y + Nearest(cs * b * pi));
            }
            c.LineTo(e.X - s, e.Y);
        }

        // The resultant, an arrow `arrow` pixels long pointing along (V, N) at its point.
        const double N = J.Resultants.Normal[k][j], V = J.Resultants.Shear[k][j];
        const double R = std::sqrt(N * N + V * V);
        if (R != 0 && showResultants) {
            SetPen(clBlack, 1);
            const TPoint p = AlongJoint(j, J.Resultants.Position[k][j] / 100);
            Line(p.X - Nearest(V / R * arrow) - s, p.Y + Nearest(N / R * arrow), p.X - s, p.Y);
            const double wing = std::atan2(N, V) + std::numbers::pi / 3 + std::numbers::pi / 2;
            for (double angle : {wing, wing + std::numbers::pi / 3})
                c.LineTo(p.X + Nearest(std::cos(angle) * arrow / 4) - s, p.Y - Nearest(std::sin(angle) * arrow / 4));
            c.LineTo(p.X - s, p.Y);
        }

        SetPen(Red, 3);
        if (J.CrackLength.Up[k][j] != 0) {
            const TPoint p = AlongJoint(j, J.CrackLength.Up[k][j]);
            Line(a.X - s, a.Y, p.X - s, p.Y);
        }
        if (J.CrackLength.Down[k][j] != 0) {
            const TPoint p = FromDownstream(j, J.CrackLength.Down[k][j]);
            Line(e.X - s, e.Y, p.X - s, p.Y);
        }
    }
}

void TStabilityDrawing::Tables()
{
    SetBrush(clWhite, TBrushStyle::bsClear);
    SetPen(clBlack, 1, TPenStyle::psDot);
    SetFont(true);
    const int h = c.Font().Height();
    const int n = M.NJoints;
    const int most = Nearest(0.85 * H);
    const int B = n > 0 ? std::min(std::max(d, std::abs(n * h)), most) : std::min(u, most);
    const int T = (H - B) / 2;
    if (StressView)
        StressTables(T, B, h, M.unites == SI ? "(kPa)" : "(ksf)");
    else
        StabilityTable(T, B, h);
}

void TStabilityDrawing::StressTables(int T, int B, int h, const String& stress)
{
    const TJoint& J = M.Joint;
    const double f = M.LoadCombination.U[k];
    const int n = M.NJoints;
    const int header1 = T + (3 * h) / 2, header2 = T + h / 2;

    // Upstream ends, left of the section.
    const int left = (W - 1) / 10;
    const char* const titles1[] = {"Joint #", "Crack", "Normal", "Principal", "Uplift"};
    const String units1[] = {"", "(% joint)", stress, stress, stress};
    SetFont(true);
    for (int i = 1; i <= 5; ++i) {
        RightText(left * i, header1, titles1[i - 1]);
        RightText(left * i, header2, units1[i - 1]);
    }
    SetFont(false);
    for (int v = 1; v <= n + 1; ++v) {
        const int j = JointOfVisit(v);
        const int y = Nearest(static_cast<double>(v) * B / (n + 1)) + T;
        const double crack = J.CrackLength.Up[k][j];
        const String texts[] = {IntToStr(v), !(crack <= 0) ? Format("%7.3f", {crack * 100}) : String(),
                                Format("%8.3f", {J.Stress.normal.Up[k][j]}),
                                crack == 0 ? Format("%8.3f", {J.Stress.principal.Up[k][j]}) : String("N/A"),
                                Format("%8.3f", {J.Pressure.Cr.Up[k][j] * f})};
        for (int i = 1; i <= 5; ++i) RightText(left * i, y + h / 2, texts[i - 1]);
        Line(A[j].X - 3, A[j].Y, W / 2 + 3, y);
    }

    // Downstream ends, right of the section.
    const int start = (3 * W) / 2, right = (W - 1) / 8;
    const char* const titles2[] = {"Crack", "Normal", "Principal", "Uplift"};
    const String units2[] = {"(% joint)", stress, stress, stress};
    SetFont(true);
    for (int i = 1; i <= 4; ++i) {
        RightText(start + right * i, header1, titles2[i - 1]);
        RightText(start + right * i, header2, units2[i - 1]);
    }
    SetFont(false);
    for (int v = 1; v <= n + 1; ++v) {
        const int j = JointOfVisit(v);
        const int y = Nearest(static_cast<double>(v) * B / (n + 1)) + T;
        const double crack = J.CrackLength.Down[k][j];
        const String crackText = crack != 0 ? Format("%7.3f", {crack * 100}) : String();
        const String texts[] = {crackText, Format("%8.3f", {J.Stress.normal.Down[k][j]}),
                                crack == 0 ? Format("%8.3f", {J.Stress.principal.Down[k][j]}) : String("N/A"),
                                Format("%8.3f", {J.Pressure.Cr.Down[k][j] * f})};
        for (int i = 1; i <= 4; ++i) RightText(start + right * i, y + h / 2, texts[i - 1]);
        const int g = std::max(c.TextWidth(crackText) - 3, 30);
        Line(Bend[j].X + 3, Bend[j].Y, start + right - g, y);
    }
}

void TStabilityDrawing::StabilityTable(int T, int B, int h)
{
    const TJoint& J = M.Joint;
    const TSafetyFactor& F = J.SafetyFactor;
    const int n = M.NJoints;
    const int column = W / 10;
    const String force = M.unites == SI ? "(kN)" : "(kip)";
    const String moment = M.unites == SI ? String(u"(kN\u00B7m)") : String(u"(kip\u00B7ft)");
    const char* const titles[] = {"Joint #", "SSF",    "SSF",   "OSF",    "OSF",
                                  "USF",     "Normal", "Shear", "Moment", "Res. Pos."};
    const String units[] = {"", "(peak)", "(residual)", "(U/S <-)", "(-> D/S)", "", force, force, moment, "(% joint)"};
    SetFont(true);
    for (int i = 1; i <= 10; ++i) {
        RightText(W + column * i, T + (3 * h) / 2, titles[i - 1]);
        RightText(W + column * i, T + h / 2, units[i - 1]);
    }
    SetFont(false);
    SetPen(Grey, 1, TPenStyle::psDot);
    for (int v = 1; v <= n + 1; ++v) {
        const int j = JointOfVisit(v);
        const int y = Nearest(static_cast<double>(v) * B / (n + 1)) + T;
        const String texts[] = {IntToStr(v),
                                FactorText(F.Sliding.Peak[k][j]),
                                FactorText(F.Sliding.Residual[k][j]),
                                FactorText(F.Overturning.Up[k][j]),
                                FactorText(F.Overturning.Down[k][j]),
                                FactorText(F.Uplifting[k][j]),
                                Format("%8.1f", {J.Resultants.Normal[k][j]}),
                                Format("%8.1f", {J.Resultants.Shear[k][j]}),
                                Format("%8.1f", {J.Resultants.Moment[k][j]}),
                                Format("%8.3f", {J.Resultants.Position[k][j]})};
        for (int i = 1; i <= 10; ++i) RightText(W + column * i, y + h / 2, texts[i - 1]);
        Line(Bend[j].X + 3 - s, Bend[j].Y, W - 3, y);
    }

    // The factors the case requires, under their columns.
    const TFactors& required = RequiredFactors(M.SafetyFactors, k);
    const double values[] = {required.Peak, required.Residual, required.Overturning, required.Overturning,
                             required.Uplifting};
    SetPen(Grey, 1);
    SetFont(true);
    for (int i = 2; i <= 6; ++i) {
        Line(column * (i - 1) + W + 2, T + B + 17, column * i + W + 1, T + B + 17);
        RightText(W + column * i, T + B + 20, Format("%7.3f", {values[i - 2]}));
    }
}

// The drain line from its top down to the picture's bottom edge, and the gallery over it.
void TStabilityDrawing::Drain()
{
    const TDrainage& D = M.Drainage;
    SetPen(clBlack, 1);
    SetBrush(clWhite, TBrushStyle::bsSolid);
    const TPoint top = Map(D.Xdrain, D.DrainOver ? D.MaxElevation : D.GalleryElev);
    Line(top.X - s, top.Y, top.X - s, H);
    const double half = M.unites == SI ? 1 : 3, height = M.unites == SI ? 2.5 : 8;
    const TPoint p1 = Map(D.Xdrain - half, D.GalleryElev), p2 = Map(D.Xdrain + half, D.GalleryElev + height);
    c.Rectangle(p1.X - s, p1.Y, p2.X - s, p2.Y);
}

// The vertical cable from the crest and the inclined anchor, both down to the bottom edge.
void TStabilityDrawing::PostTension()
{
    const TPostTension& P = M.PostTension;
    SetPen(Maroon, 1, TPenStyle::psDashDot);
    if (!(P.Tension <= 0)) {
        const TPoint p = Map(P.Position + M.Dim.L2, M.Dim.Elev.G);
        Line(p.X - s, p.Y, p.X - s, H);
    }
    if (!(P.Tension2 <= 0)) {
        const TPoint p = Map(P.Position2, P.Elev);
        const double run = std::tan((90 - P.Angle) * std::numbers::pi / 180) * (H - p.Y);
        Line(p.X - s, p.Y, Nearest(p.X - run) - s, H);
    }
}

}  // namespace

String StabilityDrawingTitle(const TParametres& Model, Integer LoadCase, bool StressView)
{
    static const char* const cases[] = {"Usual combination",
                                        "Flood combination",
                                        "Seismic #1 combination - Peak accelerations (stress analysis)",
                                        "Seismic #1 combination - Sustained accelerations (stability analysis)",
                                        "Seismic #2 combination - Peak accelerations (stress analysis)",
                                        "Seismic #2 combination - Sustained accelerations (stability analysis)"};
    String title;
    if (LoadCase >= 1 && LoadCase <= 6)
        title = cases[LoadCase - 1];
    else if (LoadCase == 7)
        title = String("Post-seismic #") + IntToStr(Model.Charges.PostSeismic);
    if (!StressView) return title + " (stability analysis)";
    return title + (Model.UpliftLoad == ulInternal ? " (total stress analysis)" : " (effective stress analysis)");
}

std::unique_ptr<TMetafile> BuildStabilityDrawing(const TParametres& Model, Integer LoadCase, Integer PictureWidth,
                                                 Integer PictureHeight, Integer FontSize, bool ShowResultants,
                                                 bool ShowStressDiagram, bool ShowUplift, bool StressView)
{
    auto picture = std::make_unique<TMetafile>();
    picture->SetSize(PictureWidth, PictureHeight);
    {
        TMetafileCanvas canvas(*picture);
        TStabilityDrawing(canvas, Model, LoadCase, PictureWidth, PictureHeight, FontSize, StressView)
            .Draw(ShowResultants, ShowStressDiagram, ShowUplift);
    }
    return picture;
}
