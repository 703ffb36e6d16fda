// The dam drawing of the document window: the scenic picture (water, silt, ice and foundation
// shapes over a sky, the dam's concrete cut out of a textured bitmap, with joints, cracks, the
// drain and gallery, forces, masses, cables and the seismic symbol) and the technical drawing
// (the outline and the joints in the chart).  An item whose position cannot be computed (a zero
// divisor from the model) is left out rather than drawn at an infinite pixel.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/Childwin.h"
#include "app/Main.h"
#include "platform/rtl/SysFormat.h"

namespace {

// v to the nearest integer, halves to the even neighbour.
Integer N(long double v) { return static_cast<Integer>(std::nearbyint(v)); }

bool Finite(long double v) { return std::isfinite(v) && std::fabs(v) < 1e9; }

constexpr TColor Lime = 0x00FF00;
constexpr TColor Red = 0x0000FF;
constexpr TColor Maroon = 0x000080;

void SetPen(TCanvas& canvas, TColor color, Integer width)
{
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(TPenStyle::psSolid);
    canvas.Pen().SetWidth(width);
}

void Line(TCanvas& canvas, TPoint from, TPoint to)
{
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

}  // namespace

Integer TMDIChild::PixelX(double x) const { return N(0.15L * W) + xc + N((x - x0) * dpl); }

Integer TMDIChild::PixelY(double elevation) const { return N(0.85L * H) - N((elevation - Elev0) * dpl) - yc; }

void TMDIChild::DrawonImage()
{
    if (Param.DrawMode == dmLandScape)
        DrawScenic();
    else if (Param.Donnees.Contains(daGeometry))
        DrawTechnical();
    // The drawing writes joint ends into Param: the current model follows while this is active.
    if (MainForm && MainForm->ActiveDocument() == this) MakeCurrent();
}

void TMDIChild::DrawScenic()
{
    const TDataSet& d = Param.Donnees;
    const TDimension& dim = Param.Dim;
    const TReservoir& r = Param.Reservoir;
    CADDraw->SetVisible(false);
    CADDraw->SetEnabled(false);
    for (TManyShape* s : {ShapeReservoirUpNormal, ShapeReservoirUpFlood, ShapeReservoirDownNormal,
                          ShapeReservoirDownFlood, ShapeSediments, ShapeIce})
        s->SetVisible(false);
    if (!d.Contains(daGeometry)) {
        for (TControl* c : std::initializer_list<TControl*>{ImageSky, ShapeFoundation1, ShapeFoundation2,
                                                           ShapeFoundation3, DamImage})
            c->SetVisible(false);
        for (TLabel* l : {LabelNormalUp, LabelFloodUp, LabelNormalDown, LabelFloodDown}) l->SetVisible(false);
        return;
    }

    W = ClientWidth();
    H = ClientHeight();
    ImageSky->SetStretch(true);
    ImageSky->SetBounds(DamImage->Left(), DamImage->Top(), W, ImageSky->Height());

    TBitmap dam;
    dam.SetSize(W, H);
    dam.SetTransparentColor(Lime);
    dam.SetTransparentMode(TTransparentMode::tmFixed);
    dam.SetTransparent(true);
    TBitmap texture;
    texture.LoadFromFile(TMainForm::ProgramDir + "images/Concrete.bmp");
    TCanvas& c = dam.Canvas();
    if (texture.Width() > 0 && texture.Height() > 0)
        for (Integer y = 0; y < H; y += texture.Height())
            for (Integer x = 0; x < W; x += texture.Width()) c.Draw(x, y, texture);

    // Frame and scale.
    Elev0 = std::min(dim.Elev.A, dim.Elev.B);
    x0 = std::min(dim.L2, 0.0);
    DimMax = dim.Elev.G - Elev0;
    if (r.NormalUp > dim.Elev.G) DimMax = r.NormalUp - Elev0;
    if (d.Contains(daResFlood) && r.FloodUp > DimMax + Elev0) DimMax = r.FloodUp - Elev0;
    for (Integer i = 0; i < Param.Masses.count && i < Param.Masses.Elem.Length(); ++i)
        if (Param.Masses.Elem[i].Elev > DimMax + Elev0) DimMax = Param.Masses.Elem[i].Elev - Elev0;
    dpl = static_cast<double>(0.7L * H / DimMax);
    const double widthScale = static_cast<double>(0.7L * W / (dim.L1 - x0));
    if (widthScale < dpl) dpl = widthScale;
    if (!Finite(dpl) || dpl <= 0) {
        // No extent to scale: the section has no height or no width.
        DamImage->SetVisible(false);
        return;
    }
    xc = N(0.7L * W - (dim.L1 - x0) * dpl) / 2;
    yc = N(0.7L * H - dpl * DimMax) / 2;
    auto P = [&](double x, double e) { return TPoint{PixelX(x), PixelY(e)}; };
    const TPoint P1 = P(0, dim.Elev.A), P2 = P(dim.L1, dim.Elev.B), P3 = P(dim.L1, dim.Elev.D),
                 P4 = P(dim.L2 + dim.L3, dim.Elev.F), P5 = P(dim.L2 + dim.L4, dim.Elev.G), P6 = P(dim.L2, dim.Elev.G),
                 P7 = P(dim.L2, dim.Elev.E), P8 = P(0, dim.Elev.C);
    const Integer yU = PixelY(dim.Elev.Fup), yD = PixelY(dim.Elev.Fdown);

    // Foundation.
    const Integer foundationTop = PixelY(std::min(dim.Elev.Fup, dim.Elev.Fdown));
    ShapeFoundation1->SetBounds(0, foundationTop, W, H - foundationTop + 1);
    if (dim.Elev.Fdown <= dim.Elev.Fup)
        ShapeFoundation3->SetBounds(0, yU, std::max(P1.X, P7.X) + 1, H - yU + 1);
    else
        ShapeFoundation3->SetBounds(P4.X, yD, W - P4.X + 1, H - yD + 1);
    ImageSky->SetHeight(DamImage->Height() - ShapeFoundation1->Height() + 1);

    // Sloping base.
    if (dim.Elev.B > dim.Elev.A || std::isnan(dim.Elev.A) || std::isnan(dim.Elev.B)) {
        ShapeFoundation2->SetShape(gstTriangleLeft);
        ShapeFoundation2->SetBounds(P1.X, P2.Y, P2.X - P1.X + 1, 2 * (P1.Y - P2.Y + 1));
    } else if (dim.Elev.B < dim.Elev.A) {
        ShapeFoundation2->SetShape(gstTriangleRight);
        ShapeFoundation2->SetBounds(P1.X, P1.Y, P2.X - P1.X + 1, 2 * (P2.Y - P1.Y + 1));
    } else {
        ShapeFoundation1->SetVisible(true);
        ShapeFoundation3->SetVisible(true);
        ShapeFoundation2->SetVisible(false);
    }

    // Water and silt.
    if (d.Contains(daResFlood)) {
        const Integer top = PixelY(r.FloodUp);
        const Integer right = x0 < 0 ? std::min(P1.X, P7.X) : std::max(P1.X, P7.X);
        ShapeReservoirUpFlood->SetBounds(0, top, right + 1, yU - top + 1);
        ShapeReservoirUpFlood->SetVisible(true);
        LabelFloodUp->SetLeft(2);
        LabelFloodUp->SetTop(top);
        LabelFloodUp->SetVisible(true);
    } else {
        LabelFloodUp->SetVisible(false);
    }
    if (d.Contains(daResNormal)) {
        const Integer top = PixelY(r.NormalUp);
        ShapeReservoirUpNormal->SetBounds(0, top, std::max(P1.X, P7.X) + 1, yU - top + 1);
        LabelNormalUp->SetLeft(2);
        LabelNormalUp->SetTop(top);
        LabelNormalUp->SetVisible(true);
    } else {
        LabelNormalUp->SetVisible(false);
    }
    auto downstream = [&](bool shown, double level, TManyShape* shape, TLabel* label) {
        if (!shown) {
            label->SetVisible(false);
            return;
        }
        const Integer top = PixelY(level);
        shape->SetBounds(P5.X, top, W - P5.X + 1, yD - top + 1);
        label->SetTop(top);
        label->SetLeft(shape->Left() + shape->Width() - 2 - label->Width());
        label->SetVisible(true);
    };
    downstream(d.Contains(daResFlood) && r.FloodDn > dim.Elev.Fdown, r.FloodDn, ShapeReservoirDownFlood,
               LabelFloodDown);
    downstream(d.Contains(daResNormal) && r.NormalDn > dim.Elev.Fdown, r.NormalDn, ShapeReservoirDownNormal,
               LabelNormalDown);
    if (d.Contains(daSediments)) {
        const Integer top = PixelY(r.Sediment);
        ShapeSediments->SetBounds(0, top, std::max(P1.X, P6.X) + 1, yU - top + 1);
    }
    if (d.Contains(daIce) && d.Contains(daResNormal)) {
        Param.Charges.Glace = true;
        ShapeIce->SetBounds(0, PixelY(r.NormalUp), std::max(P1.X, P6.X) + 1, N(r.IceThickness * dpl));
    }

    // The dam's body: everything around the outline becomes transparent.
    c.Pen().SetColor(Lime);
    c.Pen().SetWidth(1);
    c.Brush().SetColor(Lime);
    c.Brush().SetStyle(TBrushStyle::bsSolid);
    c.Polygon({{0, P1.Y}, P1, P2, {W, P2.Y}, {W, H}, {0, H}});
    c.Polygon({{0, P1.Y}, P1, P8, P7, P6, {0, P6.Y}});
    c.Polygon({{0, P6.Y}, {W, P6.Y}, {W, 0}, {0, 0}});
    c.Polygon({P2, P3, P4, P5, {W, P5.Y}, {W, P2.Y}});

    // Lift joints and their cracks, one pixel inside each face.
    const TJoint& joint = Param.Joint;
    auto inside = [&](double x, double e, Integer shift) {
        return TPoint{N(0.15L * W) + xc + N((x - x0) * dpl + shift), PixelY(e)};
    };
    auto crackUp = [&](Integer j) {
        const double up = Param.Cracks.Up[j];
        if (up == 0) return;
        const double x = joint.x1[j] + (joint.x2[j] - joint.x1[j]) * up;
        const double e = joint.y1[j] + (joint.y2[j] - joint.y1[j]) * up;
        Line(c, inside(joint.x1[j], joint.y1[j], 1), inside(x, e, -1));
    };
    const bool cracksKnown = Param.Cracks.Up.Length() > Param.NJoints && Param.Cracks.Down.Length() > Param.NJoints;
    if (d.Contains(daLiftjoints)) {
        ComputeJointEnds(Param);
        SetPen(c, clBlack, 1);
        for (Integer j = 1; j <= Param.NJoints; ++j)
            Line(c, inside(joint.x1[j], joint.y1[j], 1), inside(joint.x2[j], joint.y2[j], -1));
        SetPen(c, Red, 1);
        for (Integer j = 1; cracksKnown && j <= Param.NJoints; ++j) {
            crackUp(j);
            const double down = std::fabs(Param.Cracks.Down[j]);
            if (Param.Cracks.Down[j] == 0) continue;
            const double x = joint.x2[j] - (joint.x2[j] - joint.x1[j]) * down;
            const double e = joint.y2[j] - (joint.y2[j] - joint.y1[j]) * down;
            Line(c, inside(joint.x2[j], joint.y2[j], -1), inside(x, e, -1));
        }
    }

    // Outline, then the base joint's upstream crack.
    SetPen(c, clBlack, 1);
    c.MoveTo(P1.X, P1.Y);
    for (const TPoint& p : {P2, P3, P4, P5, P6, P7, P8, P1}) c.LineTo(p.X, p.Y);
    SetPen(c, Red, 1);
    if (cracksKnown && joint.x1.Length() > 0) crackUp(0);

    // Drain and gallery.
    if (d.Contains(daDrain)) {
        const TDrainage& drain = Param.Drainage;
        SetPen(c, clBlack, 1);
        c.Brush().SetColor(clWhite);
        const Integer xd = PixelX(drain.Xdrain);
        const Integer top = PixelY(drain.DrainOver ? drain.MaxElevation : drain.GalleryElev);
        c.Rectangle(xd - 1, top, xd + 1, H);
        const Integer yg = PixelY(drain.GalleryElev);
        const double halfWidth = Param.unites == SI ? 1 : 3, height = Param.unites == SI ? 2.5 : 8;
        c.Rectangle(xd - N(halfWidth * dpl), yg, xd + N(halfWidth * dpl), yg - N(height * dpl));
    }

    // Applied forces: stems scaled on the largest component, arrow heads and values.
    c.Font().SetStyle({});
    if (d.Contains(daForces)) {
        double F = 0;
        for (Integer i = 0; i < Param.Force.count && i < Param.Force.Elem.Length(); ++i)
            F = std::max({F, std::fabs(Param.Force.Elem[i].HorForce), std::fabs(Param.Force.Elem[i].VertForce)});
        const Integer m = std::min(W, H);
        for (Integer i = 0; F > 0 && i < Param.Force.count && i < Param.Force.Elem.Length(); ++i) {
            const TForce& f = Param.Force.Elem[i];
            SetPen(c, clBlack, 2);
            c.Brush().SetColor(clBlack);
            c.Brush().SetStyle(TBrushStyle::bsSolid);
            const Integer xf = PixelX(f.PosX), yf = PixelY(f.Elev);
            const Integer xe = xf + N(0.15L * m * std::fabs(f.HorForce) / F);
            const Integer ye = yf - N(0.15L * m * std::fabs(f.VertForce) / F);
            Line(c, {xf, yf}, {xf, ye});
            Line(c, {xf, yf}, {xe, yf});
            if (f.HorForce < 0) c.Polygon({{xf, yf}, {xf + 8, yf - 3}, {xf + 8, yf + 3}});
            if (f.HorForce > 0) c.Polygon({{xe, yf}, {xe - 8, yf - 3}, {xe - 8, yf + 3}});
            if (f.VertForce < 0) c.Polygon({{xf, yf}, {xf + 3, yf - 8}, {xf - 3, yf - 8}});
            if (f.VertForce > 0) c.Polygon({{xf, ye}, {xf + 3, ye + 8}, {xf - 3, ye + 8}});
            c.Brush().SetStyle(TBrushStyle::bsClear);
            if (f.HorForce != 0) c.TextOut(xe, yf, Format("%8.2f", {f.HorForce}));
            if (f.VertForce != 0) c.TextOut(xf, ye, Format("%8.2f", {f.VertForce}));
        }
    }

    // Concentrated masses: ellipses whose half-axes grow with the square root of the mass.
    if (Param.Masses.count > 0 && Param.Concrete.mass != 0) {
        SetPen(c, clBlack, 1);
        c.Brush().SetColor(clBlack);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        auto halfAxis = [&](double mass) {
            const Integer a = N(std::sqrt(std::fabs(mass / Param.Concrete.mass)) * dpl / 2);
            return a < 3 ? 4 : a;
        };
        for (Integer i = 0; i < Param.Masses.count && i < Param.Masses.Elem.Length(); ++i) {
            const TMasses& mass = Param.Masses.Elem[i];
            const Integer xm = PixelX(mass.PosX), ym = PixelY(mass.Elev) + 1;
            const Integer rx = halfAxis(mass.HorMass), ry = halfAxis(mass.VertMass);
            c.Ellipse(xm - rx, ym - ry, xm + rx, ym + ry);
        }
    }

    // Post-tensioning cables.
    if (d.Contains(daPostTension)) {
        TPostTension& cable = Param.PostTension;
        SetPen(c, Maroon, 2);
        if (cable.Tension > 0) {
            const Integer x = PixelX(cable.Position + dim.L2);
            Line(c, {x, PixelY(dim.Elev.G) + 1}, {x, H});
        }
        if (cable.Tension2 > 0) {
            // The anchor on the downstream face at the cable's elevation (x read along the face).
            double anchor;
            if (dim.Elev.D > cable.Elev)
                anchor = dim.L1;
            else if (dim.Elev.F > cable.Elev)
                anchor = InterpolateLine(cable.Elev, dim.Elev.D, dim.L1, dim.Elev.F, dim.L2 + dim.L3);
            else
                anchor = InterpolateLine(cable.Elev, dim.Elev.F, dim.L2 + dim.L3, dim.Elev.G, dim.L2 + dim.L4);
            cable.Position2 = anchor;
            const Integer xs = PixelX(anchor), ys = PixelY(cable.Elev) + 1;
            const long double end =
                xs - std::tan((90 - cable.Angle) * (std::numbers::pi_v<long double> / 180)) * (H - ys);
            if (Finite(end)) Line(c, {xs, ys}, {N(end), H});
        }
    }

    // The seismic symbol in the lower-left corner.
    if (d.Contains(daPseudoStatic) || d.Contains(daPseudoDynamic)) {
        const Integer xs = 1, ys = H - 2;
        const Integer s = std::min(N(0.12L * W / 5), N(0.12L * H / 5));
        SetPen(c, clWhite, 2);
        Line(c, {xs, ys}, {xs + 5 * s, ys - 5 * s});
        c.Brush().SetColor(clWhite);
        c.Brush().SetStyle(TBrushStyle::bsSolid);
        c.Polygon({{xs + 5 * s, ys - 5 * s}, {xs + 5 * s - 8, ys - 5 * s}, {xs + 5 * s, ys - 5 * s + 8}});
        for (Integer k = 1; k <= 6; ++k)
            c.Arc(xs - k * s, ys - k * s, xs + k * s, ys + k * s, xs + k * s, ys, xs, ys - k * s);
    }

    DamImage->Picture().SetGraphic(&dam);
    ImageSky->SetVisible(true);
    DamImage->SetVisible(true);
    ShapeFoundation1->SetVisible(true);
    if (dim.Elev.A != dim.Elev.B) {
        ShapeFoundation2->SetVisible(true);
        ShapeFoundation3->SetVisible(true);
    }
    ShapeReservoirUpNormal->SetVisible(d.Contains(daResNormal) && r.NormalUp > dim.Elev.Fup);
    ShapeReservoirDownNormal->SetVisible(d.Contains(daResNormal) && r.NormalDn > dim.Elev.Fdown);
    ShapeReservoirUpFlood->SetVisible(d.Contains(daResFlood) && r.FloodUp > dim.Elev.Fup);
    ShapeReservoirDownFlood->SetVisible(d.Contains(daResFlood) && r.FloodDn > dim.Elev.Fdown);
    ShapeSediments->SetVisible(d.Contains(daSediments));
    ShapeIce->SetVisible(d.Contains(daIce));
}

void TMDIChild::DrawTechnical()
{
    const TDimension& dim = Param.Dim;
    CADDraw->SetEnabled(true);
    CADDraw->SetAlign(alClient);
    CADDraw->SetVisible(true);
    for (TControl* c : std::initializer_list<TControl*>{ImageSky, ShapeFoundation1, ShapeFoundation2, ShapeFoundation3,
                                                       ShapeReservoirUpNormal, ShapeReservoirUpFlood,
                                                       ShapeReservoirDownNormal, ShapeReservoirDownFlood,
                                                       ShapeSediments, DamImage})
        c->SetVisible(false);

    // Ranges: the section centred with 30 % to spare across, its height centred in the chart.
    const double sy = CADDraw->Scale1Y().RangeHigh() - CADDraw->Scale1Y().RangeLow();
    const double sx = CADDraw->Scale1X().RangeHigh() - CADDraw->Scale1X().RangeLow();
    const double base = std::min(dim.Elev.A, dim.Elev.B);
    const double left = std::min(dim.L2, 0.0);
    const double h = dim.Elev.G - base, w = dim.L1 - left;
    if (sx == 0 || sy == 0) return;
    const double S = w / sx >= h / sy ? 1.3 * w : 1.3 * sx * h / sy;
    CADDraw->Scale1X().SetRangeLow(left - (S - w) / 2);
    CADDraw->Scale1X().SetRangeHigh(left - (S - w) / 2 + S);
    const double sy2 = CADDraw->Scale1Y().RangeHigh() - CADDraw->Scale1Y().RangeLow();
    CADDraw->Scale1Y().SetRangeLow(base - (sy2 - h) / 2);
    auto decimals = [](double span) { return span <= 2 ? 2 : span <= 20 ? 1 : 0; };
    CADDraw->Scale1X().SetDecPlaces(decimals(S));
    CADDraw->Scale1Y().SetDecPlaces(decimals(sy2));

    CADDraw->ClearGraf();
    CADDraw->SetDataColor(clBlack);
    CADDraw->SetLineWidth(1);
    const double outline[][2] = {{0, dim.Elev.A},          {dim.L1, dim.Elev.B},          {dim.L1, dim.Elev.D},
                                 {dim.L2 + dim.L3, dim.Elev.F}, {dim.L2 + dim.L4, dim.Elev.G}, {dim.L2, dim.Elev.G},
                                 {dim.L2, dim.Elev.E},     {0, dim.Elev.C},               {0, dim.Elev.A}};
    CADDraw->MoveTo(outline[0][0], outline[0][1]);
    CADDraw->MarkAt(outline[0][0], outline[0][1], 14);
    for (int i = 1; i < 9; ++i) {
        CADDraw->DrawTo(outline[i][0], outline[i][1]);
        CADDraw->MarkAt(outline[i][0], outline[i][1], 14);
    }
    const TJoint& joint = Param.Joint;
    for (Integer j = 1; j <= Param.NJoints && j < joint.x1.Length(); ++j) {
        CADDraw->MoveTo(joint.x1[j], joint.y1[j]);
        CADDraw->MarkAt(joint.x1[j], joint.y1[j], 14);
        CADDraw->DrawTo(joint.x2[j], joint.y2[j]);
        CADDraw->MarkAt(joint.x2[j], joint.y2[j], 14);
    }
    CADDraw->ShowGraf();
}
