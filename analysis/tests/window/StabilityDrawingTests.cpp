// The stability drawing of the analysed sample model, as the metafile canvas records it: the
// tables' texts and leader lines placed by the table geometry, the section outline, the title,
// and the texts of cracked ends and large safety factors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "analysis/AnalysisRun.h"
#include "analysis/Metafile.h"
#include "analysis/tests/window/AnalysisWindowTestSupport.h"
#include "engine/Loads.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"
#include "platform/testing/CanvasRecording.h"

namespace {

// The picture of every test: 1000 x 700 pixels, so the section's box is W = 500 wide, u = 38
// (0.075 x 500 = 37.5, to the even 38); Arial of 12 points is 16 pixels high (h = -16).
constexpr int Width = 1000, Height = 700, W = 500, FontSize = 12, h = -16;

TParametres AnalysedSample()
{
    TParametres m = ReadTestModel("sample.dam");
    m.Statistiques.AnalysesDemandees = false;
    m.IncrementLoad.PerformAnalysis = false;
    TSilentAnalysisHost host;
    RunAnalysis(m, host);
    return m;
}

std::vector<TRecordedDrawing> Record(const TParametres& m, int k, bool stressView)
{
    TCanvasRecording recording;
    std::unique_ptr<TMetafile> picture =
        BuildStabilityDrawing(m, k, Width, Height, FontSize, !stressView, stressView, stressView, stressView);
    EXPECT_EQ(picture->Width(), Width);
    EXPECT_EQ(picture->Height(), Height);
    return recording.Drawings();
}

struct TText {
    int X, Y;
    String Text;
    bool Bold;
    bool operator==(const TText&) const = default;
};

std::ostream& operator<<(std::ostream& os, const TText& t)
{
    return os << "(" << t.X << ", " << t.Y << ") \"" << t.Text.ToUtf8() << "\"" << (t.Bold ? " bold" : "");
}

std::vector<TText> Texts(const std::vector<TRecordedDrawing>& drawings)
{
    std::vector<TText> texts;
    for (const TRecordedDrawing& d : drawings)
        if (d.Op.Kind == TCanvasOp::opText) {
            EXPECT_EQ(d.FontName, String("Arial"));
            EXPECT_EQ(d.FontSize, FontSize);
            EXPECT_EQ(d.BrushStyle, TBrushStyle::bsClear) << d.Op.Text.ToUtf8();
            texts.push_back({d.Op.Points.front().X, d.Op.Points.front().Y, d.Op.Text,
                             d.FontStyle.Contains(TFontStyle::fsBold) && d.FontStyle.Contains(TFontStyle::fsItalic)});
        }
    return texts;
}

// Widths of texts in the drawing's fonts, measured on a bitmap of our own.
int TextWidth(const String& text, bool bold)
{
    TBitmap b;
    b.SetSize(10, 10);
    b.Canvas().Font().SetName("Arial");
    b.Canvas().Font().SetSize(FontSize);
    b.Canvas().Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold, TFontStyle::fsItalic} : TFontStyles{});
    return b.Canvas().TextWidth(text);
}

// The expected tables, built from the layout: columns end at their edges, header lines at
// T + 3h/2 and T + h/2, row j's line at Round(j B / (n + 1)) + T and its text h/2 above.
class TExpectedTable {
public:
    TExpectedTable(const TParametres& m, int d) : n(m.NJoints)
    {
        B = std::min(std::max(d, std::abs(n * h)), 595);   // 595 = Round(0.85 x 700)
        T = (Height - B) / 2;
    }
    int Row(int j) const { return static_cast<int>(Round(static_cast<double>(j) * B / (n + 1))) + T; }
    void Header(int edge, const String& line1, const String& line2)
    {
        Add(edge, T + (3 * h) / 2, line1, true);
        Add(edge, T + h / 2, line2, true);
    }
    void Cell(int edge, int j, const String& text) { Add(edge, Row(j) + h / 2, text, false); }
    void Add(int edge, int y, const String& text, bool bold)
    {
        if (!text.IsEmpty()) Texts.push_back({edge - TextWidth(text, bold), y, text, bold});
    }
    const int n;
    int B = 0, T = 0;
    std::vector<TText> Texts;
};

struct TSample {
    TParametres m = AnalysedSample();
    TPoint Map(double x, double e) const
    {
        int px = 0, py = 0;
        ModelToDrawing(px, py, W, Height, m.Dim, 0.075, x, e);
        return {px, py};
    }
    TPoint Up(int j) const { return Map(m.Joint.x1[j], m.Joint.y1[j]); }
    TPoint Down(int j) const { return Map(m.Joint.x2[j], m.Joint.y2[j]); }
    // From the base joint's lower end up to lift joint 1's higher end, in pixels.
    int d() const { return std::max(Up(0).Y, Down(0).Y) - std::min(Up(1).Y, Down(1).Y); }
};

const TSample& Sample()
{
    static const TSample sample;
    return sample;
}

std::vector<TRecordedDrawing> Lines(const std::vector<TRecordedDrawing>& drawings, TPenStyle style, TColor color)
{
    std::vector<TRecordedDrawing> lines;
    for (const TRecordedDrawing& d : drawings)
        if (d.Op.Kind == TCanvasOp::opLine && d.PenStyle == style && d.PenColor == color) lines.push_back(d);
    return lines;
}

TEST(StabilityDrawing, StressViewTablesFollowTheTableGeometry)
{
    const TSample& s = Sample();
    const TParametres& m = s.m;
    ASSERT_GE(m.NJoints, 1);
    const int k = 1, n = m.NJoints;
    const double f = m.LoadCombination.U[k];
    const TJoint& J = m.Joint;
    TExpectedTable e(m, s.d());
    const String unit = m.unites == SI ? "(kPa)" : "(ksf)";

    e.Add(1 + TextWidth(StabilityDrawingTitle(m, k, true), true), 1, StabilityDrawingTitle(m, k, true), true);
    const int left = (W - 1) / 10;   // 49
    e.Header(left, "Joint #", "");
    e.Header(2 * left, "Crack", "(% joint)");
    e.Header(3 * left, "Normal", unit);
    e.Header(4 * left, "Principal", unit);
    e.Header(5 * left, "Uplift", unit);
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);   // the base joint last
        const double crack = J.CrackLength.Up[k][j];
        e.Cell(left, v, IntToStr(v));
        e.Cell(2 * left, v, crack > 0 ? Format("%7.3f", {crack * 100}) : String());
        e.Cell(3 * left, v, Format("%8.3f", {J.Stress.normal.Up[k][j]}));
        e.Cell(4 * left, v, crack == 0 ? Format("%8.3f", {J.Stress.principal.Up[k][j]}) : String("N/A"));
        e.Cell(5 * left, v, Format("%8.3f", {J.Pressure.Cr.Up[k][j] * f}));
    }
    const int start = 750, right = (W - 1) / 8;   // 3W/2 and 62
    const char* const titles[] = {"Crack", "Normal", "Principal", "Uplift"};
    for (int i = 1; i <= 4; ++i) e.Header(start + right * i, titles[i - 1], i == 1 ? String("(% joint)") : unit);
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);
        const double crack = J.CrackLength.Down[k][j];
        e.Cell(start + right, v, crack != 0 ? Format("%7.3f", {crack * 100}) : String());
        e.Cell(start + 2 * right, v, Format("%8.3f", {J.Stress.normal.Down[k][j]}));
        e.Cell(start + 3 * right, v, crack == 0 ? Format("%8.3f", {J.Stress.principal.Down[k][j]}) : String("N/A"));
        e.Cell(start + 4 * right, v, Format("%8.3f", {J.Pressure.Cr.Down[k][j] * f}));
    }

    const std::vector<TRecordedDrawing> drawings = Record(m, k, true);
    const std::vector<TText> texts = Texts(drawings);
    ASSERT_EQ(texts.size(), e.Texts.size());
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], e.Texts[i]) << i;

    // Dotted black leader lines: each upstream end to the left table's row, each downstream
    // end to the right table's row, short of the crack column by at least 30 pixels.
    const std::vector<TRecordedDrawing> leaders = Lines(drawings, TPenStyle::psDot, clBlack);
    ASSERT_EQ(leaders.size(), static_cast<size_t>(2 * (n + 1)));
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);
        const TPoint a = s.Up(j), b = s.Down(j);
        EXPECT_EQ(leaders[v - 1].Op.Points, (std::vector<TPoint>{{a.X - 3, a.Y}, {W / 2 + 3, e.Row(v)}})) << v;
        const double crack = J.CrackLength.Down[k][j];
        const int g = std::max(crack != 0 ? TextWidth(Format("%7.3f", {crack * 100}), false) - 3 : -3, 30);
        EXPECT_EQ(leaders[n + v].Op.Points, (std::vector<TPoint>{{b.X + 3, b.Y}, {start + right - g, e.Row(v)}})) << v;
    }
}

TEST(StabilityDrawing, StabilityViewTableAndRequiredFactors)
{
    const TSample& s = Sample();
    const TParametres& m = s.m;
    const int k = 2, n = m.NJoints;
    const TJoint& J = m.Joint;
    const TSafetyFactor& F = J.SafetyFactor;
    TExpectedTable e(m, s.d());
    auto factor = [](double v) { return v >= 100 ? String("> 100") : Format("%7.3f", {v}); };
    const String force = m.unites == SI ? "(kN)" : "(kip)";
    const String moment = m.unites == SI ? String(u"(kN\u00B7m)") : String(u"(kip\u00B7ft)");

    e.Add(1 + TextWidth(StabilityDrawingTitle(m, k, false), true), 1, StabilityDrawingTitle(m, k, false), true);
    const char* const titles[] = {"Joint #", "SSF", "SSF", "OSF", "OSF", "USF", "Normal", "Shear", "Moment", "Res. Pos."};
    const String units[] = {"", "(peak)", "(residual)", "(U/S <-)", "(-> D/S)", "", force, force, moment, "(% joint)"};
    for (int i = 1; i <= 10; ++i) e.Header(W + 50 * i, titles[i - 1], units[i - 1]);
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);
        const String row[] = {IntToStr(v),
                              factor(F.Sliding.Peak[k][j]),
                              factor(F.Sliding.Residual[k][j]),
                              factor(F.Overturning.Up[k][j]),
                              factor(F.Overturning.Down[k][j]),
                              factor(F.Uplifting[k][j]),
                              Format("%8.1f", {J.Resultants.Normal[k][j]}),
                              Format("%8.1f", {J.Resultants.Shear[k][j]}),
                              Format("%8.1f", {J.Resultants.Moment[k][j]}),
                              Format("%8.3f", {J.Resultants.Position[k][j]})};
        for (int i = 1; i <= 10; ++i) e.Cell(W + 50 * i, v, row[i - 1]);
    }
    const TFactors& r = m.SafetyFactors.Flood;
    const double required[] = {r.Peak, r.Residual, r.Overturning, r.Overturning, r.Uplifting};
    for (int i = 2; i <= 6; ++i) e.Add(W + 50 * i, e.T + e.B + 20, Format("%7.3f", {required[i - 2]}), true);

    const std::vector<TRecordedDrawing> drawings = Record(m, k, false);
    const std::vector<TText> texts = Texts(drawings);
    ASSERT_EQ(texts.size(), e.Texts.size());
    for (size_t i = 0; i < texts.size(); ++i) EXPECT_EQ(texts[i], e.Texts[i]) << i;

    // Grey dotted leaders from the downstream ends (shifted W/2 left with the section), then
    // the solid grey rules over the required factors.
    const std::vector<TRecordedDrawing> leaders = Lines(drawings, TPenStyle::psDot, 0x808080);
    ASSERT_EQ(leaders.size(), static_cast<size_t>(n + 1));
    for (int v = 1; v <= n + 1; ++v) {
        const TPoint b = s.Down(v % (n + 1));
        EXPECT_EQ(leaders[v - 1].Op.Points, (std::vector<TPoint>{{b.X + 3 - 250, b.Y}, {W - 3, e.Row(v)}})) << v;
    }
    const std::vector<TRecordedDrawing> rules = Lines(drawings, TPenStyle::psSolid, 0x808080);
    ASSERT_EQ(rules.size(), 5u);
    for (int i = 2; i <= 6; ++i)
        EXPECT_EQ(rules[i - 2].Op.Points,
                  (std::vector<TPoint>{{50 * (i - 1) + W + 2, e.T + e.B + 17}, {50 * i + W + 1, e.T + e.B + 17}}));
}

// The section outline: heel, toe, the downstream face, the crest, the upstream face; in the
// stability view the whole section lies W/2 = 250 pixels further left.
TEST(StabilityDrawing, OutlineAndItsShiftInTheStabilityView)
{
    const TSample& s = Sample();
    const TDimension& D = s.m.Dim;
    const TElev& E = D.Elev;
    std::vector<TPoint> outline{s.Map(0, E.A),      s.Map(D.L1, E.B),           s.Map(D.L1, E.D),
                                s.Map(D.L2 + D.L3, E.F), s.Map(D.L2 + D.L4, E.G), {s.Map(D.L2, E.E).X, s.Map(0, E.G).Y},
                                s.Map(D.L2, E.E),   s.Map(0, E.C)};
    for (bool stress : {true, false}) {
        const std::vector<TRecordedDrawing> drawings = Record(s.m, 1, stress);
        auto it = std::find_if(drawings.begin(), drawings.end(), [](const TRecordedDrawing& d) {
            return d.Op.Kind == TCanvasOp::opPolygon && d.BrushColor == clWhite && d.BrushStyle == TBrushStyle::bsSolid;
        });
        ASSERT_NE(it, drawings.end());
        std::vector<TPoint> expected = outline;
        for (TPoint& p : expected) p.X -= stress ? 0 : 250;
        EXPECT_EQ(it->Op.Points, expected) << stress;
        EXPECT_EQ(it->PenColor, clBlack);
        // The title comes first, the hatched foundation next.
        EXPECT_EQ(drawings[0].Op.Kind, TCanvasOp::opText);
        EXPECT_EQ(drawings[1].Op.Kind, TCanvasOp::opPolygon);
        EXPECT_EQ(drawings[1].BrushStyle, TBrushStyle::bsBDiagonal);
        EXPECT_EQ(drawings[1].PenColor, static_cast<TColor>(0x000080));
    }
}

// Cracked ends and large factors: a downstream crack of a quarter of the joint reads "-25.000"
// with "N/A" as its principal stress and a red line a quarter of the joint long; a factor of
// exactly 100 reads "> 100", one of 99.5 " 99.500".
TEST(StabilityDrawing, CracksAndLargeFactorsInTheTables)
{
    TParametres m = Sample().m;
    const int k = 1, j = 1;
    m.Joint.CrackLength.Down[k][j] = -0.25;
    m.Joint.CrackLength.Up[k][j] = 0.1;
    m.Joint.SafetyFactor.Sliding.Peak[k][j] = 100;
    m.Joint.SafetyFactor.Sliding.Residual[k][j] = 99.5;
    const std::vector<TText> stress = Texts(Record(m, k, true));
    const std::vector<TText> stability = Texts(Record(m, k, false));
    auto has = [](const std::vector<TText>& texts, const char* text) {
        return std::count_if(texts.begin(), texts.end(), [&](const TText& t) { return t.Text == String(text); });
    };
    EXPECT_EQ(has(stress, "-25.000"), 1);
    EXPECT_EQ(has(stress, " 10.000"), 1);
    EXPECT_GE(has(stress, "N/A"), 2);
    EXPECT_GE(has(stability, "> 100"), 1);
    EXPECT_EQ(has(stability, " 99.500"), 1);

    const std::vector<TRecordedDrawing> drawings = Record(m, k, true);
    std::vector<TRecordedDrawing> cracks;
    for (const TRecordedDrawing& d : drawings)
        if (d.Op.Kind == TCanvasOp::opLine && d.PenColor == clRed && d.PenWidth == 3) cracks.push_back(d);
    TSample s;
    s.m = m;
    const TJoint& J = m.Joint;
    const TPoint end = s.Down(j);
    const TPoint quarter = s.Map(J.x2[j] - (J.x2[j] - J.x1[j]) / 4, J.y2[j] - (J.y2[j] - J.y1[j]) / 4);
    EXPECT_NE(std::find_if(cracks.begin(), cracks.end(),
                           [&](const TRecordedDrawing& d) { return d.Op.Points == std::vector<TPoint>{end, quarter}; }),
              cracks.end());
}

// ---- The drawing's elements, each found by its pen and brush ------------------------------------

// The faces' abscissas at an elevation: the upstream face vertical up to C, battered to L2 at E;
// the downstream face vertical up to D, sloped to L2 + L3 at F, then to L2 + L4 at G.
double Across(double e, double e1, double x1, double e2, double x2) { return x1 + (x2 - x1) * (e - e1) / (e2 - e1); }
double UpstreamFaceAt(const TDimension& D, double e)
{
    if (e <= D.Elev.C) return 0;
    return e > D.Elev.E ? D.L2 : Across(e, D.Elev.C, 0, D.Elev.E, D.L2);
}
double DownstreamFaceAt(const TDimension& D, double e)
{
    if (e <= D.Elev.D) return D.L1;
    if (e > D.Elev.F) return Across(e, D.Elev.F, D.L2 + D.L3, D.Elev.G, D.L2 + D.L4);
    return Across(e, D.Elev.D, D.L1, D.Elev.F, D.L2 + D.L3);
}

using TShape = std::vector<TPoint>;

// The points of a drawing: a rectangle by its two corners.
TShape ShapeOf(const TRecordedDrawing& d)
{
    if (d.Op.Kind == TCanvasOp::opRectangle) return {d.Op.Rect.TopLeft(), d.Op.Rect.BottomRight()};
    return d.Op.Points;
}

// A water mark, u = 38 pixels: its line (x to x + u), the triangle standing on it at c, and the
// three shorter lines under it.
std::vector<TShape> WaterMark(int x, int y, int c)
{
    constexpr int u = 38;
    return {{{x, y}, {x + u, y}},
            {{c, y}, {c + u / 4, y - u / 4}},
            {{c + u / 4, y - u / 4}, {c - u / 4, y - u / 4}},
            {{c - u / 4, y - u / 4}, {c, y}},
            {{c - 3 * u / 16, y + u / 8}, {c + 3 * u / 16, y + u / 8}},
            {{c - u / 8, y + u / 4}, {c + u / 8, y + u / 4}},
            {{c - u / 16, y + 3 * u / 8}, {c + u / 16, y + 3 * u / 8}}};
}

// The upstream mark left of the upstream face at its level, the downstream one right of the
// downstream face at its level.
std::vector<TShape> WaterMarks(const TSample& s, double up, double down)
{
    constexpr int u = 38;
    const TPoint p9 = s.Map(UpstreamFaceAt(s.m.Dim, up), up), p10 = s.Map(DownstreamFaceAt(s.m.Dim, down), down);
    std::vector<TShape> marks = WaterMark(p9.X - u, p9.Y, p9.X - u / 2);
    for (const TShape& line : WaterMark(p10.X, p10.Y, p10.X + u / 2)) marks.push_back(line);
    return marks;
}

// The drain from (x, top) down to the picture's bottom edge, and the gallery between the model
// corners (x - half, gallery) and (x + half, gallery + height).
std::vector<TShape> DrainAndGallery(const TSample& s, double top, double half, double height)
{
    const TDrainage& D = s.m.Drainage;
    const TPoint p = s.Map(D.Xdrain, top);
    return {{p, {p.X, Height}},
            {s.Map(D.Xdrain - half, D.GalleryElev), s.Map(D.Xdrain + half, D.GalleryElev + height)}};
}

int Nearest(double x) { return static_cast<int>(Round(x)); }

// The diagrams' reference: the largest uplift pressure or normal stress magnitude of the case.
double DiagramReference(const TParametres& m, int k)
{
    double P = 0;
    for (int j = 0; j <= m.NJoints; ++j) {
        for (int i = 1; i <= 8; ++i) P = std::max(P, m.Joint.Pressure.p[i][k][j]);
        P = std::max({P, std::fabs(m.Joint.Stress.normal.Up[k][j]), std::fabs(m.Joint.Stress.normal.Down[k][j])});
    }
    return P;
}

// Normal stresses over the compressed part of each joint, b = min(d / (n + 1), u) pixels for the
// largest: the joint's compressed ends and the same ends moved by their stresses across the joint.
std::vector<TShape> StressDiagrams(const TSample& s, int k)
{
    const TParametres& m = s.m;
    const TJoint& J = m.Joint;
    const double P = DiagramReference(m, k);
    const int n = m.NJoints, b = std::min(Nearest(static_cast<double>(s.d()) / (n + 1)), 38);
    std::vector<TShape> shapes;
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);
        const double theta = J.Angle[j] * std::numbers::pi / 180, up = J.Compression.Up[k][j], down = J.Compression.Down[k][j];
        const TPoint U = s.Map(J.x1[j] + (J.x2[j] - J.x1[j]) * up, J.y1[j] + (J.y2[j] - J.y1[j]) * up);
        const TPoint D = s.Map(J.x2[j] + (J.x2[j] - J.x1[j]) * down, J.y2[j] + (J.y2[j] - J.y1[j]) * down);
        auto moved = [&](TPoint p, double stress) {
            return TPoint{p.X - Nearest(std::sin(theta) * b * stress / P), p.Y - Nearest(std::cos(theta) * b * stress / P)};
        };
        shapes.push_back({U, moved(U, J.Stress.normal.Up[k][j]), moved(D, J.Stress.normal.Down[k][j]), D});
    }
    return shapes;
}

// The uplift pressures below each uplifted joint: from its upstream end through its eight
// pressure points, moved by their pressures, to its downstream end, one line a step.
std::vector<TShape> UpliftDiagrams(const TSample& s, int k)
{
    const TParametres& m = s.m;
    const TJoint& J = m.Joint;
    const double P = DiagramReference(m, k);
    const int n = m.NJoints, b = std::min(Nearest(static_cast<double>(s.d()) / (n + 1)), 38);
    std::vector<TShape> lines;
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);
        if (m.JointLoad.U[k][j] == 0) continue;
        const double theta = J.Angle[j] * std::numbers::pi / 180;
        TPoint from = s.Up(j);
        for (int i = 1; i <= 8; ++i) {
            const double x = J.Pressure.x[i][k][j], p = J.Pressure.p[i][k][j];
            const TPoint at = s.Map(J.x1[j] + std::cos(theta) * x, J.y1[j] + std::sin(theta) * x);
            const TPoint to{at.X + Nearest(std::sin(theta) * b * p / P), at.Y + Nearest(std::cos(theta) * b * p / P)};
            lines.push_back({from, to});
            from = to;
        }
        lines.push_back({from, s.Down(j)});
    }
    return lines;
}

// Each joint's resultant: an arrow b' = min(d / n, u) long ending at its point of application
// along (V, N), with wings a quarter as long at 30 degrees from the shaft.
std::vector<TShape> ResultantArrows(const TSample& s, int k)
{
    const TParametres& m = s.m;
    const TJoint& J = m.Joint;
    const int n = m.NJoints, b = std::min(Nearest(static_cast<double>(s.d()) / n), 38);
    std::vector<TShape> lines;
    for (int v = 1; v <= n + 1; ++v) {
        const int j = v % (n + 1);
        const double N = J.Resultants.Normal[k][j], V = J.Resultants.Shear[k][j], R = std::hypot(N, V);
        const double t = J.Resultants.Position[k][j] / 100;
        const TPoint a = s.Map(J.x1[j] + (J.x2[j] - J.x1[j]) * t, J.y1[j] + (J.y2[j] - J.y1[j]) * t);
        const double wing = std::atan2(N, V) + 5 * std::numbers::pi / 6;
        const TPoint w1{a.X + Nearest(std::cos(wing) * b / 4), a.Y - Nearest(std::sin(wing) * b / 4)};
        const TPoint w2{a.X + Nearest(std::cos(wing + std::numbers::pi / 3) * b / 4), a.Y - Nearest(std::sin(wing + std::numbers::pi / 3) * b / 4)};
        const TPoint tail{a.X - Nearest(V / R * b), a.Y + Nearest(N / R * b)};
        for (const TShape& line : std::vector<TShape>{{tail, a}, {a, w1}, {w1, w2}, {w2, a}}) lines.push_back(line);
    }
    return lines;
}

// The vertical cable from the crest at Position + L2 and the anchor from (Position2, Elev)
// inclined at Angle from the horizontal toward upstream, both down to the bottom edge.
std::vector<TShape> PostTensionLines(const TSample& s)
{
    const TPostTension& P = s.m.PostTension;
    const TPoint crest = s.Map(P.Position + s.m.Dim.L2, s.m.Dim.Elev.G), anchor = s.Map(P.Position2, P.Elev);
    const int run = Nearest(anchor.X - std::tan((90 - P.Angle) * std::numbers::pi / 180) * (Height - anchor.Y));
    return {{crest, {crest.X, Height}}, {anchor, {run, Height}}};
}

struct TPen {
    TCanvasOp::TKind Kind;
    TColor Color;
    int Width;
    TPenStyle Style;
    TColor Brush = clNone;
    TBrushStyle BrushStyle = TBrushStyle::bsClear;
    bool Matches(const TRecordedDrawing& d) const
    {
        const bool filled = Kind == TCanvasOp::opPolygon || Kind == TCanvasOp::opRectangle;
        return d.Op.Kind == Kind && d.PenColor == Color && d.PenWidth == Width && d.PenStyle == Style &&
               (!filled || (d.BrushColor == Brush && d.BrushStyle == BrushStyle));
    }
};

// Every element of the section's picture on the analysed sample (lift joints, silt, drain and
// post-tensioning), with its pen and brush: the shapes drawn, in order, where the layout puts
// them; the stability view draws the same section 250 pixels further left.
TEST(StabilityDrawing, EachElementIsDrawnWithItsPenWhereTheModelPutsIt)
{
    const TColor Blue = 0xFF0000, Olive = 0x008080, Maroon = 0x000080, Silver = 0xC0C0C0;
    const TSample& sample = Sample();
    auto changed = [&](const std::function<void(TParametres&)>& change) {
        TSample s = sample;
        change(s.m);
        return s;
    };
    const TSample imperial = changed([](TParametres& m) { m.unites = US; });
    const TSample drainAbove = changed([](TParametres& m) { m.Drainage.DrainOver = true; });
    const TSample withoutDrain = changed([](TParametres& m) { m.Drain = false; });
    const TSample bare = changed([](TParametres& m) {
        m.Drain = false;
        m.Donnees.Exclude(daSediments);
        m.Donnees.Exclude(daPostTension);
    });
    const TReservoir& R = sample.m.Reservoir;
    const TDrainage& D = sample.m.Drainage;
    const TPoint silt = sample.Map(UpstreamFaceAt(sample.m.Dim, R.Sediment), R.Sediment);
    const TPen water{TCanvasOp::opLine, Blue, 1, TPenStyle::psSolid};
    const TPen siltBand{TCanvasOp::opRectangle, Olive, 1, TPenStyle::psClear, Olive, TBrushStyle::bsBDiagonal};
    const TPen siltLine{TCanvasOp::opLine, Olive, 1, TPenStyle::psSolid};
    const TPen drain{TCanvasOp::opLine, clBlack, 1, TPenStyle::psSolid};
    const TPen gallery{TCanvasOp::opRectangle, clBlack, 1, TPenStyle::psSolid, clWhite, TBrushStyle::bsSolid};
    const TPen cable{TCanvasOp::opLine, Maroon, 1, TPenStyle::psDashDot};
    const TPen stress{TCanvasOp::opPolygon, clBlack, 1, TPenStyle::psSolid, Silver, TBrushStyle::bsSolid};
    const TPen uplift{TCanvasOp::opLine, Blue, 2, TPenStyle::psSolid};
    const struct {
        const char* Name;
        const TSample& Model;
        int Case;
        bool StressView;
        std::vector<TPen> Pens;
        std::vector<TShape> Expected;
    } cases[] = {
        {"water marks at the normal levels", sample, 1, true, {water}, WaterMarks(sample, R.NormalUp, R.NormalDn)},
        {"water marks at the flood levels", sample, 2, false, {water}, WaterMarks(sample, R.FloodUp, R.FloodDn)},
        {"silt band and surface", sample, 1, true, {siltBand, siltLine},
         {{{W / 2, silt.Y}, {silt.X, silt.Y + 38 / 2}}, {{W / 2, silt.Y}, silt}}},
        {"drain from the gallery and a metric gallery", sample, 1, true, {drain, gallery},
         DrainAndGallery(sample, D.GalleryElev, 1, 2.5)},
        {"an imperial gallery", imperial, 1, true, {drain, gallery}, DrainAndGallery(imperial, D.GalleryElev, 3, 8)},
        {"drain from its top above the gallery", drainAbove, 1, true, {drain, gallery},
         DrainAndGallery(drainAbove, D.MaxElevation, 1, 2.5)},
        {"post-tensioning lines", sample, 1, true, {cable}, PostTensionLines(sample)},
        {"normal-stress diagrams", sample, 1, true, {stress}, StressDiagrams(sample, 1)},
        {"uplift diagrams", sample, 1, true, {uplift}, UpliftDiagrams(sample, 1)},
        {"uplift diagrams of the flood", sample, 2, true, {uplift}, UpliftDiagrams(sample, 2)},
        {"resultant arrows", withoutDrain, 1, false, {drain}, ResultantArrows(withoutDrain, 1)},
        {"nothing of silt, drain or post-tensioning when the model has none", bare, 1, true,
         {siltBand, siltLine, gallery, drain, cable}, {}},
        {"no diagrams in the stability view", sample, 1, false, {stress, uplift}, {}},
    };
    for (const auto& c : cases) {
        const int shift = c.StressView ? 0 : W / 2;
        std::vector<TShape> drawn;
        for (const TRecordedDrawing& d : Record(c.Model.m, c.Case, c.StressView))
            if (std::any_of(c.Pens.begin(), c.Pens.end(), [&](const TPen& pen) { return pen.Matches(d); })) {
                TShape shape = ShapeOf(d);
                for (TPoint& p : shape) p.X += shift;
                drawn.push_back(shape);
            }
        EXPECT_EQ(drawn, c.Expected) << c.Name;
    }
}

// A section without height gives no picture: the failure reaches the caller.
TEST(StabilityDrawing, ADegenerateSectionGivesNoPicture)
{
    TParametres m = Sample().m;
    m.Dim.Elev.G = std::min(m.Dim.Elev.A, m.Dim.Elev.B);
    EXPECT_THROW(BuildStabilityDrawing(m, 1, Width, Height, FontSize, false, true, true, true), EZeroDivide);
}

TEST(StabilityDrawing, TitlesByCaseAndView)
{
    TParametres m;
    m.Charges.PostSeismic = 2;
    struct Case {
        int k;
        bool stress;
        TUpliftLoad uplift;
        const char* title;
    };
    const Case cases[] = {
        {1, true, ulExternal, "Usual combination (effective stress analysis)"},
        {2, true, ulInternal, "Flood combination (total stress analysis)"},
        {4, true, ulExternal, "Seismic #1 combination - Sustained accelerations (stability analysis) (effective stress analysis)"},
        {5, false, ulExternal, "Seismic #2 combination - Peak accelerations (stress analysis) (stability analysis)"},
        {7, false, ulInternal, "Post-seismic #2 (stability analysis)"},
        {8, true, ulExternal, " (effective stress analysis)"},
    };
    for (const Case& c : cases) {
        m.UpliftLoad = c.uplift;
        EXPECT_EQ(StabilityDrawingTitle(m, c.k, c.stress), String(c.title)) << c.k;
    }
}

}  // namespace
