// programimages OUTDIR [PREVIEWDIR]: draws the pictures of the program's "images" folder: the sky, concrete
// and rock textures of the dam drawing and the explanatory schematics of the input dialogs.
// Bitmaps are written with 8 bits per pixel and a palette of the colours they use; the two
// ".wmf" pictures are recorded metafiles. Everything is drawn here, so the output is the same
// on every run. With PREVIEWDIR each picture is also written there as PNG, as the program shows
// it, for looking at.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Codecs.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Raster.h"

namespace {

constexpr TColor Rgb(int r, int g, int b) { return TColor(r | (g << 8) | (b << 16)); }

const TColor Ink = Rgb(0, 0, 0);
const TColor Paper = Rgb(255, 255, 255);
const TColor ConcreteFill = Rgb(205, 205, 200);
const TColor WaterFill = Rgb(160, 205, 245);
const TColor WaterLine = Rgb(30, 90, 200);
const TColor RockFill = Rgb(200, 170, 125);
const TColor RockHatch = Rgb(130, 95, 55);
const TColor SiltFill = Rgb(165, 150, 90);
const TColor Highlight = Rgb(210, 0, 0);
const TColor Pressure = Rgb(60, 130, 60);
const TColor PressureFill = Rgb(200, 235, 195);

// ---- drawing helpers ---------------------------------------------------------------------

void UseFont(TCanvas& c, Integer height, TColor color, bool bold = false)
{
    c.Font().SetName("Arial");
    c.Font().SetHeight(-height);
    c.Font().SetColor(color);
    c.Font().SetStyle(bold ? TFontStyles{TFontStyle::fsBold} : TFontStyles{});
}

// Text with a transparent background; `align` 0 left, 1 centred, 2 right of x.
void Text(TCanvas& c, Integer x, Integer y, const String& text, TColor color = Ink, int align = 0,
          bool bold = false)
{
    UseFont(c, 12, color, bold);
    c.Brush().SetStyle(TBrushStyle::bsClear);
    const Integer w = c.TextWidth(text);
    c.TextOut(x - (align == 1 ? w / 2 : align == 2 ? w : 0), y, text);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
}

void SetPen(TCanvas& c, TColor color, Integer width = 1, TPenStyle style = TPenStyle::psSolid)
{
    c.Pen().SetColor(color);
    c.Pen().SetWidth(width);
    c.Pen().SetStyle(style);
}

void Line(TCanvas& c, TPoint a, TPoint b, TColor color = Ink, Integer width = 1,
          TPenStyle style = TPenStyle::psSolid)
{
    SetPen(c, color, width, style);
    c.MoveTo(a.X, a.Y);
    c.LineTo(b.X, b.Y);
}

void FillPolygon(TCanvas& c, const std::vector<TPoint>& points, TColor fill, TColor outline)
{
    SetPen(c, outline);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(fill);
    c.Polygon(points);
}

// A filled arrow head at `tip`, pointing from `from`.
void ArrowHead(TCanvas& c, TPoint from, TPoint tip, TColor color, double size = 7)
{
    const double dx = tip.X - from.X, dy = tip.Y - from.Y;
    const double len = std::hypot(dx, dy);
    if (len == 0) return;
    const double ux = dx / len, uy = dy / len;
    auto at = [&](double along, double across) {
        return Point(Integer(std::lround(tip.X - ux * along - uy * across)),
                     Integer(std::lround(tip.Y - uy * along + ux * across)));
    };
    FillPolygon(c, {tip, at(size, size / 2.5), at(size, -size / 2.5)}, color, color);
}

void Arrow(TCanvas& c, TPoint from, TPoint to, TColor color = Ink, Integer width = 1)
{
    Line(c, from, to, color, width);
    ArrowHead(c, from, to, color);
}

// A dimension line between a and b with arrows at both ends and its label beside its middle.
void Dimension(TCanvas& c, TPoint a, TPoint b, const String& label, TColor color, TPoint labelOffset)
{
    Line(c, a, b, color);
    ArrowHead(c, b, a, color, 6);
    ArrowHead(c, a, b, color, 6);
    Text(c, (a.X + b.X) / 2 + labelOffset.X, (a.Y + b.Y) / 2 + labelOffset.Y, label, color, 1);
}

// Rock below `top` (a polyline from left to right) down to `bottom`, hatched diagonally.
void Rock(TCanvas& c, std::vector<TPoint> top, Integer bottom)
{
    std::vector<TPoint> outline = top;
    outline.push_back(Point(top.back().X, bottom));
    outline.push_back(Point(top.front().X, bottom));
    FillPolygon(c, outline, RockFill, RockFill);
    TRegion clip = TRegion::Polygon(outline, false);
    c.SelectClipRgn(&clip);
    // 45-degree lines inside the outline's box, so that a recorded picture keeps its size.
    Integer highest = bottom;
    for (const TPoint& p : top) highest = std::min(highest, p.Y);
    const Integer left = top.front().X, right = top.back().X;
    for (Integer x = left - (bottom - highest); x < right; x += 9) {
        const Integer x1 = std::max(x, left), x2 = std::min(x + bottom - highest, right);
        Line(c, Point(x1, bottom - (x1 - x)), Point(x2, bottom - (x2 - x)), RockHatch);
    }
    c.SelectClipRgn(nullptr);
    SetPen(c, Ink);
    c.Polyline(top);
}

void Water(TCanvas& c, const std::vector<TPoint>& points)
{
    FillPolygon(c, points, WaterFill, WaterFill);
}

// The free surface: a line with the usual small triangle above it.
void WaterSurface(TCanvas& c, Integer x1, Integer x2, Integer y)
{
    Line(c, Point(x1, y), Point(x2, y), WaterLine);
    const Integer m = (x1 + x2) / 2;
    FillPolygon(c, {Point(m, y - 1), Point(m - 5, y - 8), Point(m + 5, y - 8)}, Paper, WaterLine);
    Line(c, Point(m - 4, y + 3), Point(m + 4, y + 3), WaterLine);
    Line(c, Point(m - 2, y + 6), Point(m + 2, y + 6), WaterLine);
}

void Background(TCanvas& c, Integer width, Integer height)
{
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Brush().SetColor(Paper);
    c.Pen().SetColor(Paper);
    c.FillRect(Rect(0, 0, width, height));
}

// A point on a segment, a fraction t from a to b.
TPoint Along(TPoint a, TPoint b, double t)
{
    return Point(Integer(std::lround(a.X + (b.X - a.X) * t)), Integer(std::lround(a.Y + (b.Y - a.Y) * t)));
}

// ---- the section-geometry pictures -------------------------------------------------------

// The section of the geometry dialog with its points and dimensions; `rise` lifts the toe (B
// above A) when positive and the heel when negative.
void DrawSection(TCanvas& c, Integer rise)
{
    Background(c, 270, 300);
    const Integer heelY = 240 - (rise < 0 ? -rise : 0), toeY = 240 - (rise > 0 ? rise : 0);
    const TPoint A = Point(40, heelY), B = Point(215, toeY), D = Point(215, toeY - 12), F = Point(100, 80),
                 G2 = Point(100, 40), G1 = Point(62, 40), E = Point(62, 110), C = Point(40, heelY - 70);
    // Foundation: upstream surface H above the heel, downstream surface I above the toe.
    const Integer H = heelY - 8, I = toeY - 8;
    Rock(c, {Point(0, H), Point(A.X, H), A, B, Point(B.X, I), Point(270, I)}, 300);
    FillPolygon(c, {A, B, D, F, G2, G1, E, C}, ConcreteFill, Ink);

    auto label = [&](TPoint p, const char* name, Integer dx, Integer dy) {
        Text(c, p.X + dx, p.Y + dy, name, Highlight, 0, true);
    };
    label(A, "A", -14, -2);
    label(B, "B", 4, -2);
    label(C, "C", -14, -8);
    label(D, "D", 4, -10);
    label(E, "E", -14, -6);
    label(F, "F", 4, -6);
    label(G1, "G", -14, -4);
    label(Point(8, H), "H", 0, -15);
    label(Point(250, I), "I", 0, -15);

    // Horizontal dimensions, measured from the heel.
    Line(c, Point(A.X, A.Y + 4), Point(A.X, 290), Ink, 1, TPenStyle::psDot);
    Line(c, Point(B.X, B.Y + 4), Point(B.X, 290), Ink, 1, TPenStyle::psDot);
    Dimension(c, Point(A.X, 280), Point(B.X, 280), "L1", Highlight, Point(0, -15));
    Line(c, Point(A.X, C.Y), Point(A.X, 12), Ink, 1, TPenStyle::psDot);
    Line(c, Point(G1.X, G1.Y), Point(G1.X, 12), Ink, 1, TPenStyle::psDot);
    Line(c, Point(G2.X, G2.Y), Point(G2.X, 12), Ink, 1, TPenStyle::psDot);
    Dimension(c, Point(A.X, 16), Point(G1.X, 16), "L2", Highlight, Point(0, -2));
    Dimension(c, Point(G1.X, 28), Point(G2.X, 28), "L4", Highlight, Point(0, -14));
    Dimension(c, Point(G1.X, 94), Point(F.X, 94), "L3", Highlight, Point(0, 0));
    Text(c, 262, 6, "x from the heel", Ink, 2);
}

// ---- the lift-joint angle ----------------------------------------------------------------

void DrawJointAngle(TCanvas& c)
{
    Background(c, 260, 180);
    FillPolygon(c, {Point(40, 170), Point(220, 170), Point(120, 10), Point(40, 10)}, ConcreteFill, Ink);
    const TPoint up = Point(40, 95);
    Line(c, up, Point(200, 95), Ink, 1, TPenStyle::psDash);
    const double a = 20 * std::numbers::pi / 180;
    const TPoint rising = Point(40 + 150, Integer(95 - std::lround(150 * std::tan(a))));
    const TPoint falling = Point(40 + 150, Integer(95 + std::lround(150 * std::tan(a))));
    Line(c, up, rising, Highlight, 2);
    Line(c, up, falling, WaterLine, 2);
    SetPen(c, Highlight);
    c.Arc(up.X - 70, up.Y - 70, up.X + 70, up.Y + 70, up.X + 70, up.Y, rising.X, rising.Y);
    SetPen(c, WaterLine);
    c.Arc(up.X - 55, up.Y - 55, up.X + 55, up.Y + 55, falling.X, falling.Y, up.X + 55, up.Y);
    Text(c, 118, 62, "angle > 0", Highlight);
    Text(c, 104, 112, "angle < 0", WaterLine);
    Text(c, 4, 4, "U/S", Ink);
    Text(c, 256, 4, "D/S", Ink, 2);
}

// ---- shear strength models of a joint ----------------------------------------------------

// Shear strength against normal stress: the Mohr-Coulomb line c + sigma tan(phi) from the
// stress that mobilises the cohesion on; below it model 1 has no cohesion (a step at that
// stress) and model 2 follows the straight line from the origin.
void DrawShearModel(TCanvas& c, bool continuous)
{
    Background(c, 150, 110);
    const TPoint origin = Point(18, 92);
    Arrow(c, origin, Point(142, 92));
    Arrow(c, origin, Point(18, 6));
    Text(c, 136, 94, "\xCF\x83n", Ink, 2);   // sigma n
    Text(c, 22, 2, "\xCF\x84", Ink);         // tau
    const Integer sm = 70;                    // the stress that mobilises the cohesion
    auto line = [&](Integer x) { return Point(origin.X + x, origin.Y - 22 - x * 45 / 100); };
    Line(c, Point(origin.X + sm, origin.Y), Point(origin.X + sm, origin.Y + 4));
    Line(c, line(sm), Point(origin.X + sm, origin.Y), Ink, 1, TPenStyle::psDot);
    Line(c, line(sm), line(118), Highlight, 2);
    if (continuous) {
        Line(c, origin, line(sm), Highlight, 2);
    } else {
        const TPoint frictionOnly = Point(origin.X + sm, origin.Y - sm * 45 / 100);
        Line(c, origin, frictionOnly, Highlight, 2);
        Line(c, frictionOnly, line(sm), Highlight, 2);
    }
    Line(c, Point(origin.X, origin.Y - 22), Point(origin.X + 4, origin.Y - 22));
    Text(c, 14, origin.Y - 29, "c", Ink, 2);
}

// ---- rock passive resistance (metafile) --------------------------------------------------

void DrawRockWedge(TCanvas& c)
{
    Background(c, 300, 200);
    const TPoint heel = Point(20, 120), toe = Point(170, 120);
    // The rock surface downstream is higher than the base: the wedge in front of the toe.
    Rock(c, {Point(0, 120), toe, Point(170, 85), Point(300, 85)}, 200);
    FillPolygon(c, {heel, toe, Point(170, 100), Point(100, 10), Point(60, 10), Point(20, 60)}, ConcreteFill, Ink);
    const double alpha = 25 * std::numbers::pi / 180;
    const TPoint top = Point(170 + Integer(std::lround(35 / std::tan(alpha))), 85);
    FillPolygon(c, {toe, top, Point(170, 85)}, Rgb(235, 200, 150), Ink);
    Line(c, toe, top, Highlight, 2);
    SetPen(c, Highlight);
    c.Arc(toe.X - 40, toe.Y - 40, toe.X + 40, toe.Y + 40, toe.X + 40, toe.Y, top.X, top.Y);
    Line(c, toe, Point(toe.X + 50, toe.Y), Ink, 1, TPenStyle::psDot);
    Text(c, 214, 104, "\xCE\xB1", Highlight);   // alpha
    Text(c, 200, 60, "rock wedge", Ink, 1);
    Text(c, 250, 128, "failure plane: c, \xCF\x86", Highlight, 1);   // phi
    Arrow(c, Point(212, 94), Point(173, 94), Pressure, 2);
    Text(c, 96, 150, "base joint", Ink, 1);
    Text(c, 150, 176, "passive resistance of the rock at the toe", Ink, 1);
}

// ---- crest overtopping -------------------------------------------------------------------

void DrawOvertopping(TCanvas& c)
{
    Background(c, 300, 220);
    Rock(c, {Point(0, 190), Point(300, 190)}, 220);
    const TPoint crestUp = Point(110, 60), crestDown = Point(150, 60), toe = Point(250, 190);
    Water(c, {Point(0, 30), Point(110, 30), Point(110, 190), Point(0, 190)});
    Water(c, {Point(110, 30), Point(150, 44), Point(262, 190), toe, crestDown, crestUp});   // the flow over the dam
    Water(c, {Point(240, 165), Point(300, 165), Point(300, 190), Point(240, 190)});
    FillPolygon(c, {Point(110, 190), toe, crestDown, crestUp}, ConcreteFill, Ink);
    WaterSurface(c, 10, 100, 30);
    WaterSurface(c, 262, 296, 165);
    Line(c, Point(110, 30), Point(150, 44), WaterLine);
    Line(c, Point(150, 44), Point(262, 190), WaterLine);
    // Pressure on the crest: a percentage of the head h at each edge, straight between.
    const Integer pu = 26, pd = 12;
    SetPen(c, Pressure);
    c.MoveTo(crestUp.X, crestUp.Y - pu);
    c.LineTo(crestDown.X, crestDown.Y - pd);
    for (int i = 0; i <= 4; ++i) {
        const TPoint base = Along(crestUp, crestDown, i / 4.0);
        const Integer length = pu + (pd - pu) * i / 4;
        Arrow(c, Point(base.X, base.Y - length), Point(base.X, base.Y - 1), Pressure);
    }
    Dimension(c, Point(100, 30), Point(100, 60), "h", Highlight, Point(-8, -6));
    Text(c, 8, 90, "Pu = % U/S x \xCE\xB3w h", Pressure, 0, true);
    Text(c, 8, 108, "Pd = % D/S x \xCE\xB3w h", Pressure, 0, true);
    Text(c, 292, 6, "Crest overtopping", Ink, 2);
}

// ---- floating debris ---------------------------------------------------------------------

// Debris held against the upstream face: the force FD at h1 below the reservoir surface, and no
// debris load once the reservoir stands h2 above the crest.
void DrawFloatingDebris(TCanvas& c)
{
    Background(c, 300, 210);
    Rock(c, {Point(0, 190), Point(300, 190)}, 210);
    const TPoint heel = Point(110, 190), crestUp = Point(110, 70), crestDown = Point(145, 70), toe = Point(250, 190);
    Water(c, {Point(0, 100), Point(110, 100), Point(110, 190), Point(0, 190)});
    FillPolygon(c, {heel, toe, crestDown, crestUp}, ConcreteFill, Ink);
    WaterSurface(c, 8, 60, 100);
    // The debris: logs floating against the face.
    c.Brush().SetColor(RockHatch);
    SetPen(c, Ink);
    c.Ellipse(64, 94, 108, 104);
    c.Ellipse(74, 100, 106, 109);
    c.Brush().SetColor(Paper);
    Arrow(c, Point(30, 124), Point(108, 124), Highlight, 2);
    Text(c, 8, 128, "FD", Highlight, 0, true);
    Dimension(c, Point(58, 100), Point(58, 124), "h1", Ink, Point(-16, -7));
    // The highest level at which the debris still loads the dam.
    Line(c, Point(110, 40), Point(200, 40), WaterLine, 1, TPenStyle::psDash);
    Line(c, Point(145, 70), Point(200, 70), Ink, 1, TPenStyle::psDot);
    Dimension(c, Point(190, 40), Point(190, 70), "h2", Ink, Point(18, -7));
    Text(c, 104, 20, "no debris load", WaterLine, 2);
    Text(c, 104, 34, "above this level", WaterLine, 2);
    Text(c, 8, 160, "Floating debris", Ink, 0, true);
}

// ---- drain effectiveness -----------------------------------------------------------------

// A lift joint seen from above: the row of drains of diameter d at spacing s, a distance z from
// the upstream face, on a joint of length T.
void DrawDrainSpacing(TCanvas& c)
{
    Background(c, 280, 210);
    const Integer up = 40, down = 250, top = 30, bottom = 150, drainX = 100;
    FillPolygon(c, {Point(up, top), Point(down, top), Point(down, bottom), Point(up, bottom)}, ConcreteFill, Ink);
    Line(c, Point(up, top), Point(up, bottom), WaterLine, 3);
    Text(c, up - 4, 4, "U/S face", WaterLine, 1);
    Text(c, down, 4, "D/S face", Ink, 1);
    Line(c, Point(drainX, top), Point(drainX, bottom), Ink, 1, TPenStyle::psDot);
    c.Brush().SetColor(Paper);
    SetPen(c, Ink);
    for (Integer y = top + 20; y < bottom; y += 40) c.Ellipse(drainX - 6, y - 6, drainX + 7, y + 7);
    Dimension(c, Point(drainX + 24, top + 20), Point(drainX + 24, top + 60), "s", Highlight, Point(10, -7));
    Line(c, Point(drainX, top + 20), Point(drainX + 28, top + 20), Ink, 1, TPenStyle::psDot);
    Line(c, Point(drainX, top + 60), Point(drainX + 28, top + 60), Ink, 1, TPenStyle::psDot);
    Text(c, drainX + 12, top + 74, "d", Highlight, 0, true);
    Dimension(c, Point(up, bottom + 10), Point(drainX, bottom + 10), "z", Highlight, Point(0, 1));
    Dimension(c, Point(up, bottom + 34), Point(down, bottom + 34), "T", Highlight, Point(0, 1));
    Text(c, 176, 92, "lift joint", Ink, 1);
    Text(c, 176, 106, "(plan view)", Ink, 1);
}

// ---- uplift diagrams ---------------------------------------------------------------------

// The common frame of the uplift pictures: a dam with the reservoir on both sides, its base from
// x = 40 to 240 at y = 130; returns nothing, the diagram goes below the base.
void UpliftFrame(TCanvas& c, Integer width)
{
    Background(c, width, 250);
    Water(c, {Point(0, 30), Point(40, 30), Point(40, 130), Point(0, 130)});
    Water(c, {Point(205, 105), Point(width, 105), Point(width, 130), Point(205, 130)});
    FillPolygon(c, {Point(40, 130), Point(240, 130), Point(90, 14), Point(40, 14)}, ConcreteFill, Ink);
    WaterSurface(c, 4, 36, 30);
    WaterSurface(c, 215, width - 6, 105);
    Line(c, Point(0, 130), Point(width, 130), Ink);
}

// A pressure diagram under the base: heads (pixels) at the heel, at the drain line (x = 90)
// and at the toe; no drain head draws a straight line.
void UpliftDiagram(TCanvas& c, Integer heel, Integer drain, Integer toe, bool drained)
{
    std::vector<TPoint> outline = {Point(40, 130), Point(40, 130 + heel)};
    if (drained) outline.push_back(Point(90, 130 + drain));
    outline.push_back(Point(240, 130 + toe));
    outline.push_back(Point(240, 130));
    FillPolygon(c, outline, PressureFill, Pressure);
    for (Integer x = 50; x < 240; x += 20) {
        double depth = 0;
        if (drained && x < 90)
            depth = heel + (drain - heel) * (x - 40) / 50.0;
        else if (drained)
            depth = drain + (toe - drain) * (x - 90) / 150.0;
        else
            depth = heel + (toe - heel) * (x - 40) / 200.0;
        if (depth > 8) Arrow(c, Point(x, 130 + Integer(depth)), Point(x, 131), Pressure);
    }
}

void DrainLine(TCanvas& c)
{
    Line(c, Point(90, 130), Point(90, 60), Highlight, 1, TPenStyle::psDash);
    FillPolygon(c, {Point(84, 118), Point(96, 118), Point(96, 106), Point(84, 106)}, Paper, Ink);   // gallery
    Text(c, 96, 64, "drain", Highlight);
}

void DrawNoDrain(TCanvas& c)
{
    UpliftFrame(c, 300);
    UpliftDiagram(c, 70, 0, 18, false);
    Text(c, 2, 186, "\xCE\xB3w h1", Pressure);
    Text(c, 244, 142, "\xCE\xB3w h2", Pressure);
    Text(c, 8, 212, "No drainage: straight line from heel to toe", Ink);
}

void DrawCDSA(TCanvas& c)
{
    UpliftFrame(c, 300);
    DrainLine(c);
    // Alternative 1 (full line) and alternative 2 (dashed) on the same base.
    UpliftDiagram(c, 70, 32, 18, true);
    SetPen(c, Highlight, 1, TPenStyle::psDash);
    c.MoveTo(40, 130 + 50);
    c.LineTo(240, 130 + 18);
    Text(c, 2, 186, "\xCE\xB3w h1", Pressure);
    Text(c, 244, 142, "\xCE\xB3w h2", Pressure);
    Text(c, 8, 212, "Alt. 2: h2 + K2 (h1 - h2) at the drain", Pressure);
    Text(c, 8, 230, "Alt. 1: K1 h1 at the heel (dashed)", Highlight);
    Text(c, 150, 6, "CDSA 1995", Ink, 0);
}

void DrawUSACE(TCanvas& c)
{
    UpliftFrame(c, 300);
    DrainLine(c);
    UpliftDiagram(c, 70, 32, 18, true);
    Text(c, 2, 186, "\xCE\xB3w h1", Pressure);
    Text(c, 244, 142, "\xCE\xB3w h2", Pressure);
    Text(c, 8, 212, "h3 = h2 + (1 - E)(h1 - h2)(L - x)/L", Pressure);
    Text(c, 8, 230, "E: drain effectiveness, x: drain from heel", Ink);
    Text(c, 150, 6, "USACE 1995, FERC", Ink, 0);
}

void DrawUSBR(TCanvas& c)
{
    UpliftFrame(c, 300);
    DrainLine(c);
    UpliftDiagram(c, 70, 36, 18, true);
    Text(c, 2, 186, "\xCE\xB3w h1", Pressure);
    Text(c, 244, 142, "\xCE\xB3w h2", Pressure);
    Text(c, 8, 212, "h3 = h4 + (1 - E)(h1 - h4)", Pressure);
    Text(c, 8, 230, "h4: larger of h2 and the gallery head", Ink);
    Text(c, 150, 6, "USBR 1987", Ink, 0);
}

// ---- post-tensioning ---------------------------------------------------------------------

void DrawPostTension(TCanvas& c)
{
    Background(c, 280, 260);
    Rock(c, {Point(0, 220), Point(280, 220)}, 260);
    const TPoint heel = Point(30, 220), toe = Point(240, 220), crestUp = Point(30, 30), crestDown = Point(90, 30),
                 knee = Point(90, 60);
    FillPolygon(c, {heel, toe, knee, crestDown, crestUp}, ConcreteFill, Ink);
    // Crest cable, distance x from the upstream side of the crest, anchored deep in the rock.
    Line(c, Point(48, 30), Point(48, 245), Highlight, 2);
    Arrow(c, Point(48, 6), Point(48, 29), Highlight, 2);
    Text(c, 54, 6, "Pc", Highlight);
    Dimension(c, Point(30, 20), Point(48, 20), "x", Ink, Point(0, -14));
    // Downstream cable at elevation e on the face, inclined at phi below the horizontal.
    const TPoint anchor = Along(knee, toe, 0.45);
    const double phi = 35 * std::numbers::pi / 180;
    const TPoint deep = Point(anchor.X - Integer(std::lround(150 * std::cos(phi))),
                              anchor.Y + Integer(std::lround(150 * std::sin(phi))));
    Line(c, anchor, deep, Highlight, 2);
    Arrow(c, Point(anchor.X + Integer(std::lround(40 * std::cos(phi))), anchor.Y - Integer(std::lround(40 * std::sin(phi)))),
          anchor, Highlight, 2);
    Text(c, anchor.X + 30, anchor.Y - 40, "Pd", Highlight);
    Line(c, anchor, Point(anchor.X + 45, anchor.Y), Ink, 1, TPenStyle::psDot);
    SetPen(c, Ink);
    c.Arc(anchor.X - 30, anchor.Y - 30, anchor.X + 30, anchor.Y + 30, anchor.X + 30, anchor.Y,
          anchor.X + Integer(std::lround(30 * std::cos(phi))), anchor.Y - Integer(std::lround(30 * std::sin(phi))));
    Text(c, anchor.X + 34, anchor.Y - 16, "\xCF\x86", Ink);
    Line(c, Point(anchor.X, anchor.Y), Point(270, anchor.Y), Ink, 1, TPenStyle::psDot);
    Dimension(c, Point(262, 220), Point(262, anchor.Y), "elev.", Ink, Point(-18, 0));
}

// ---- drain behaviour when a crack reaches the drain line ---------------------------------

// A cracked base as the cracking dialog shows it, 122 x 84 pixels: the base from the heel
// (x = 8) to the toe (x = 114) at y = 38, the drain line at x = 38, the crack from the heel to
// `crackEnd`, and the uplift below the base. A drain that does not work leaves the full head along
// the crack; one that works holds `drainHead` from the drain line to the crack's end, with the
// full head (or a head decreasing from it) before the drain.
enum class TCrackPressure { Full, Decrementing };
void DrawCrackedDrain(TCanvas& c, Integer crackEnd, Integer drainHead, TCrackPressure beforeDrain, bool drainWorks)
{
    constexpr Integer heel = 8, toe = 114, base = 38, crest = 14, drain = 38, full = 36, tail = 8;
    Background(c, 122, 84);
    FillPolygon(c, {Point(heel, base), Point(toe, base), Point(drain, crest), Point(heel, crest)}, ConcreteFill, Ink);
    Line(c, Point(heel, base), Point(crackEnd, base), Highlight, 3);   // the crack
    Line(c, Point(drain, base), Point(drain, crest), drainWorks ? WaterLine : Rgb(150, 150, 150), 1, TPenStyle::psDash);
    std::vector<TPoint> outline = {Point(heel, base), Point(heel, base + full)};
    if (!drainWorks) {
        outline.push_back(Point(crackEnd, base + full));
    } else if (beforeDrain == TCrackPressure::Full) {
        outline.push_back(Point(drain, base + full));
        outline.push_back(Point(drain, base + drainHead));
        outline.push_back(Point(crackEnd, base + drainHead));
    } else {
        outline.push_back(Point(drain, base + drainHead));
        outline.push_back(Point(crackEnd, base + drainHead));
    }
    outline.push_back(Point(toe, base + tail));
    outline.push_back(Point(toe, base));
    FillPolygon(c, outline, PressureFill, Pressure);
    Text(c, drain, 0, "drain", drainWorks ? WaterLine : Rgb(120, 120, 120), 1);
    Text(c, crackEnd + 3, base + 3, "crack", Highlight);
}

// Option 1: any crack takes the drain out; option 2: a crack past the drain line does; options
// 3 and 4 keep the drain, with full or decrementing uplift before it.
void DrawDrainOption1(TCanvas& c) { DrawCrackedDrain(c, 28, 36, TCrackPressure::Full, false); }
void DrawDrainOption2(TCanvas& c) { DrawCrackedDrain(c, 62, 36, TCrackPressure::Full, false); }
void DrawDrainOption3(TCanvas& c) { DrawCrackedDrain(c, 62, 16, TCrackPressure::Full, true); }
void DrawDrainOption4(TCanvas& c) { DrawCrackedDrain(c, 62, 16, TCrackPressure::Decrementing, true); }

// ---- textures ----------------------------------------------------------------------------

// A small repeatable random sequence for the textures.
struct TNoise {
    unsigned State;
    int Next(int n)
    {
        State = State * 1103515245u + 12345u;
        return int((State >> 16) % unsigned(n));
    }
};

// Concrete: a light grey with aggregate speckles, tiled over the dam.
void DrawConcrete(TCanvas& c)
{
    TNoise noise{7};
    for (Integer y = 0; y < 64; ++y)
        for (Integer x = 0; x < 64; ++x) {
            const int v = 178 + noise.Next(5) * 4;
            c.SetPixel(x, y, Rgb(v, v, v - 6));
        }
    for (int i = 0; i < 70; ++i) {
        const Integer x = noise.Next(64), y = noise.Next(64);
        const int v = 120 + noise.Next(4) * 15;
        c.SetPixel(x, y, Rgb(v, v, v - 4));
        c.SetPixel((x + 1) % 64, y, Rgb(v + 10, v + 10, v + 6));
    }
}

// Rock: brown tones with darker joints, tiled under the dam.
void DrawRockTexture(TCanvas& c)
{
    TNoise noise{11};
    for (Integer y = 0; y < 64; ++y)
        for (Integer x = 0; x < 64; ++x) {
            const int v = noise.Next(6) * 6;
            c.SetPixel(x, y, Rgb(160 + v, 128 + v, 88 + v));
        }
    SetPen(c, Rgb(110, 80, 50));
    const TPoint cracks[][2] = {{Point(0, 12), Point(40, 20)},  {Point(40, 20), Point(64, 14)},
                                {Point(0, 44), Point(26, 38)},  {Point(26, 38), Point(64, 46)},
                                {Point(22, 20), Point(30, 38)}, {Point(50, 46), Point(46, 64)},
                                {Point(52, 17), Point(56, 0)}};
    for (const auto& k : cracks) {
        c.MoveTo(k[0].X, k[0].Y);
        c.LineTo(k[1].X, k[1].Y);
    }
}

// Sky: blue growing lighter toward the horizon, with a few soft clouds.
void DrawSky(TCanvas& c)
{
    const Integer w = 320, h = 240;
    for (Integer y = 0; y < h; ++y) {
        const int step = int(y * 48 / h);
        c.Pen().SetColor(Rgb(70 + step * 3, 130 + step * 2, 200 + step));
        c.MoveTo(0, y);
        c.LineTo(w, y);
    }
    const struct {
        Integer X, Y, W, H;
    } clouds[] = {{40, 40, 90, 22}, {70, 30, 60, 24}, {200, 70, 110, 20}, {230, 60, 50, 20}, {130, 120, 70, 14}};
    for (int shade = 0; shade < 2; ++shade)
        for (const auto& k : clouds) {
            const TColor color = shade ? Rgb(250, 250, 252) : Rgb(225, 230, 240);
            c.Pen().SetColor(color);
            c.Brush().SetColor(color);
            c.Ellipse(k.X + shade * 3, k.Y + shade * 2, k.X + k.W - shade * 3, k.Y + k.H - shade * 2);
        }
}

// ---- output ------------------------------------------------------------------------------

// An 8-bit copy of a 32-bit bitmap with a palette of exactly its colours.
bool SaveIndexed(TBitmap& drawn, const std::string& fileName)
{
    TPixelBuffer px;
    drawn.GetPixels(px);
    std::map<Cardinal, Byte> index;
    std::vector<Cardinal> palette;
    for (Integer y = 0; y < px.Height; ++y)
        for (Integer x = 0; x < px.Width; ++x) {
            const Cardinal p = px.Row(y)[x] & 0xFFFFFF;
            if (index.count(p)) continue;
            if (palette.size() == 256) {
                std::fprintf(stderr, "%s: more than 256 colours\n", fileName.c_str());
                return false;
            }
            index[p] = Byte(palette.size());
            palette.push_back(p);
        }
    TBitmap out;
    out.SetPixelFormat(TPixelFormat::pf8bit);
    out.SetSize(px.Width, px.Height);
    out.SetPalette(palette);
    for (Integer y = 0; y < px.Height; ++y) {
        Byte* row = out.ScanLine(y);
        for (Integer x = 0; x < px.Width; ++x) row[x] = index[px.Row(y)[x] & 0xFFFFFF];
    }
    out.SaveToFile(String(fileName));
    return true;
}

struct TImage {
    const char* Name;
    Integer Width, Height;   // 0 x 0: a metafile sized by its drawing
    std::function<void(TCanvas&)> Draw;
};

const std::vector<TImage>& Images()
{
    static const std::vector<TImage> images = {
        {"Big sky.bmp", 320, 240, DrawSky},
        {"Concrete.bmp", 64, 64, DrawConcrete},
        {"Texture fondation.bmp", 64, 64, DrawRockTexture},
        {"DimAeqB.bmp", 270, 300, [](TCanvas& c) { DrawSection(c, 0); }},
        {"DimBgtA.bmp", 270, 300, [](TCanvas& c) { DrawSection(c, 30); }},
        {"DimAgtB.bmp", 270, 300, [](TCanvas& c) { DrawSection(c, -30); }},
        {"Joint angle sign.bmp", 260, 180, DrawJointAngle},
        {"Roc passive strength.wmf", 0, 0, DrawRockWedge},
        {"Shear model 1.bmp", 150, 110, [](TCanvas& c) { DrawShearModel(c, false); }},
        {"Shear model 2.bmp", 150, 110, [](TCanvas& c) { DrawShearModel(c, true); }},
        {"OverTopping.bmp", 300, 220, DrawOvertopping},
        {"Floating debris.bmp", 300, 210, DrawFloatingDebris},
        {"Drain spacing.bmp", 280, 210, DrawDrainSpacing},
        {"No Drain.wmf", 0, 0, DrawNoDrain},
        {"Alternatives CDSA.bmp", 300, 250, DrawCDSA},
        {"Alternatives USACE.bmp", 300, 250, DrawUSACE},
        {"Alternatives USBR.bmp", 300, 250, DrawUSBR},
        {"Posttension.bmp", 280, 260, DrawPostTension},
        {"Drain5.bmp", 122, 84, DrawDrainOption1},
        {"Drain1.bmp", 122, 84, DrawDrainOption2},
        {"Drain2.bmp", 122, 84, DrawDrainOption3},
        {"Drain3.bmp", 122, 84, DrawDrainOption4},
    };
    return images;
}

// The written file read back as the program reads it, saved as PNG.
void SavePreview(const std::string& file, const std::string& previewDir, const char* name)
{
    TPicture picture;
    picture.LoadFromFile(String(file));
    TPngImage png;
    png.Image().SetSize(picture.Width(), picture.Height());
    Background(png.Image().Canvas(), picture.Width(), picture.Height());
    picture.Graphic()->DrawOn(png.Image().Canvas(), Rect(0, 0, picture.Width(), picture.Height()));
    png.SaveToFile(String(previewDir + "/" + name + ".png"));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: programimages OUTDIR [PREVIEWDIR]\n");
        return 2;
    }
    InitQtGraphics();
    const std::string dir = std::string(argv[1]) + "/";
    for (const TImage& image : Images()) {
        const std::string file = dir + image.Name;
        if (image.Width == 0) {
            TMetafile metafile;
            {
                TMetafileCanvas canvas(metafile);
                image.Draw(canvas);
            }
            metafile.SaveToFile(String(file));
        } else {
            TBitmap bitmap(image.Width, image.Height, TPixelFormat::pf32bit);
            Background(bitmap.Canvas(), image.Width, image.Height);
            image.Draw(bitmap.Canvas());
            if (!SaveIndexed(bitmap, file)) return 1;
        }
        if (argc == 3) SavePreview(file, argv[2], image.Name);
    }
    return 0;
}
