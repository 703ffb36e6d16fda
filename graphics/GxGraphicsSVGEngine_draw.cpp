// The SVG document drawn through the drawing object: the view box mapped onto the target
// rectangle, each element with its fill, stroke, opacity, clip and transform, the drawing
// options (grey scale, tint, custom colours, opacity, rotation), and pictures rendered from it.
#include <cmath>
#include <numbers>

#include "graphics/GxGDIPlusClasses.h"
#include "graphics/GxGraphicsSVGEngine.h"
#include "graphics/GxUtils.h"
#include "platform/rtl/UString.h"

namespace {

constexpr float EmptyMarker = 2147483648.0f;

bool IsTransformingAncestor(TGxGraphicsSVGElementType t)
{
    return t == etContainer || t == etText || t == etTextSpan || t == etTextPath;
}

// v = Round(0.3 red + 0.6 green + 0.1 blue), halves to even.
TColor Grey(TColor c)
{
    const double v = std::nearbyint(0.3 * TGxGraphics::GetColorRed(c) + 0.6 * TGxGraphics::GetColorGreen(c) +
                                    0.1 * TGxGraphics::GetColorBlue(c));
    const Integer g = static_cast<Integer>(v);
    return g | g << 8 | g << 16;
}

// Each channel of c scaled by that of the tint: (c * t) div 255.
TColor Tint(TColor c, TColor t)
{
    auto channel = [](Byte a, Byte b) { return static_cast<Integer>(a) * b / 255; };
    return channel(TGxGraphics::GetColorRed(c), TGxGraphics::GetColorRed(t)) |
           channel(TGxGraphics::GetColorGreen(c), TGxGraphics::GetColorGreen(t)) << 8 |
           channel(TGxGraphics::GetColorBlue(c), TGxGraphics::GetColorBlue(t)) << 16;
}

// The element itself or the nearest enclosing element where the value is given.
template <typename Given>
TGxGraphicsSVGElement* Inherited(TGxGraphicsSVGElement* e, Given given)
{
    while (e->Parent() && !given(*e)) e = e->Parent();
    return e;
}

// The geometry of a shape element in user units: what it draws, and what it clips to.
void ShapePath(TGxGraphicsSVGElement& e, TGxGraphicsPath& path)
{
    switch (e.Type()) {
    case etRect: path.AddRectangle({e.X(), e.Y(), e.X() + e.Width(), e.Y() + e.Height()}, e.Rx(), e.Ry()); break;
    case etLine:
        path.MoveTo({e.X(), e.Y()});
        path.LineTo({e.Width(), e.Height()});
        break;
    case etCircle:
    case etEllipse: path.AddEllipse({e.X() - e.Rx(), e.Y() - e.Ry(), e.X() + e.Rx(), e.Y() + e.Ry()}); break;
    case etPath:
    case etPolyline:
    case etPolygon:
        if (e.HasPaths()) path.Assign(e.CombinedPath());
        break;
    default: break;
    }
}

// The element's own transform, then those of its enclosing groups and texts, innermost first.
TGxGraphicsMatrix ElementMatrix(const TGxGraphicsSVGElement& e)
{
    TGxGraphicsMatrix m = IsMatrixEmpty(e.Matrix()) ? MatrixIdentity() : e.Matrix();
    for (const TGxGraphicsSVGElement* a = e.Parent(); a && IsTransformingAncestor(a->Type()); a = a->Parent())
        if (!IsMatrixEmpty(a->Matrix())) m = m * a->Matrix();
    return m;
}

}  // namespace

// ---------------------------------------------------------------- drawing

bool TGxGraphicsSVGImport::ViewTransform(const TRectF& ARect, float& sx, float& sy)
{
    const float vw = ViewRect.Width(), vh = ViewRect.Height();
    if (!HasElements() || !(vw > 0) || !(vh > 0)) return false;
    sx = ARect.Width() / vw;
    sy = ARect.Height() / vh;
    if (sx == 0 || sy == 0 || !std::isfinite(sx) || !std::isfinite(sy)) return false;
    // turn about the middle of user space, move the view box to the origin, snap the target's
    // corner to whole user units, then scale; the picture is stretched to the rectangle
    FMatrix = MatrixCreateTranslation(-vw / 2, -vh / 2) *
              MatrixCreateRotation(RotationAngle * std::numbers::pi_v<float> / 180) *
              MatrixCreateTranslation(vw / 2, vh / 2) * MatrixCreateTranslation(-ViewRect.Left, -ViewRect.Top) *
              MatrixCreateTranslation(std::floor(ARect.Left / sx), std::floor(ARect.Top / sy)) *
              MatrixCreateScaling(sx, sy);
    return true;
}

void TGxGraphicsSVGImport::Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative)
{
    float sx = 1, sy = 1;
    if (!ViewTransform(ARect, sx, sy)) return;
    TGxGraphics g(&ACanvas, ANative);
    Render(g, ARect, sx, sy);
}

void TGxGraphicsSVGImport::Draw(TGxGraphics& AGraphics, const TRectF& ARect, bool ANative, bool ARecreateGraphics)
{
    float sx = 1, sy = 1;
    if (!ViewTransform(ARect, sx, sy)) return;
    if (!ARecreateGraphics) {
        DrawElements(AGraphics, FElementList, sx, sy);
        return;
    }
    // the picture follows the transform already set on the caller's drawing object
    if (ANative) FMatrix = FMatrix * AGraphics.GetMatrix();
    TGxGraphics g(AGraphics.Canvas(), ANative);
    Render(g, ARect, sx, sy);
}

void TGxGraphicsSVGImport::Render(TGxGraphics& G, const TRectF& ARect, float sx, float sy)
{
    if (!G.Native()) {
        DrawElements(G, FElementList, sx, sy);
        return;
    }
    G.Context()->SetSize(ARect.Width(), ARect.Height());
    G.Context()->SetAntiAliasing(true);
    if (auto* surface = static_cast<TGPGraphics*>(G.Context()->GetNativeCanvas())) {
        surface->SetPixelOffsetMode(4);        // half-pixel offset
        surface->SetCompositingQuality(2);     // high quality
    }
    G.BeginScene();
    // what was drawn is shown also when an element fails
    struct TFinish {
        TGxGraphics& G;
        ~TFinish()
        {
            G.EndScene();
            G.Context()->Render();
        }
    } finish{G};
    DrawElements(G, FElementList, sx, sy);
}

void TGxGraphicsSVGImport::DrawElements(TGxGraphics& G, const TGxGraphicsSVGElementList& AList, float sx, float sy)
{
    for (const auto& e : AList) DrawElement(G, *e, sx, sy);
}

void TGxGraphicsSVGImport::DrawElement(TGxGraphics& G, TGxGraphicsSVGElement& E, float sx, float sy)
{
    TGxGraphicsSaveState* state = G.SaveState();
    struct TRestore {
        TGxGraphics& G;
        TGxGraphicsSaveState* State;
        ~TRestore() { G.RestoreState(State); }
    } restore{G, state};

    const TGxGraphicsMatrix d = ElementMatrix(E) * FMatrix;
    TGxGraphicsSVGElement& s = E.ClassRef() ? *E.ClassRef() : E;
    if (s.DisplayValue() == "none") return;

    SetFill(G, E, s, d);
    SetStroke(G, s, sx);
    if (E.ClipPathRef()) {
        TGxGraphicsPath clip;
        ShapePath(*E.ClipPathRef(), clip);
        clip.ApplyMatrix(d);
        G.Context()->ClipPath(&clip);
    }

    switch (E.Type()) {
    case etContainer: DrawElements(G, E.Elements(), sx, sy); break;
    case etRect:
    case etLine:
    case etCircle:
    case etEllipse:
    case etPolyline:
    case etPolygon:
    case etPath: {
        const bool pathKind = E.Type() == etPolyline || E.Type() == etPolygon || E.Type() == etPath;
        if (pathKind && !E.HasPaths()) break;
        TGxGraphicsPath path;
        ShapePath(E, path);
        path.ApplyMatrix(d);
        G.DrawPath(&path, pdmPath);
        break;
    }
    case etImage:
        if (E.HasBitmap() && !IsPictureEmpty(E.Bitmap())) {
            const TGxGraphicsMatrix saved = G.GetMatrix();
            G.SetMatrix(d);
            const TRectF target{E.X(), E.Y(), E.X() + E.Width(), E.Y() + E.Height()};
            TRectF r = target;
            if (E.PreserveAspectRatio() == parOther) {
                // kept in proportion, centred, never enlarged nor cropped
                const float w = static_cast<float>(E.Bitmap()->Width()), h = static_cast<float>(E.Bitmap()->Height());
                const float ratio = std::min({1.0f, target.Width() / w, target.Height() / h});
                const float cx = (target.Left + target.Right) / 2, cy = (target.Top + target.Bottom) / 2;
                r = {cx - w * ratio / 2, cy - h * ratio / 2, cx + w * ratio / 2, cy + h * ratio / 2};
            }
            G.DrawBitmap(GetPictureGraphic(E.Bitmap()), r);
            G.SetMatrix(saved);
        }
        break;
    case etText:
    case etTextSpan:
    case etTextSpanChild:
    case etTextPath: {
        if (E.Type() == etText) {
            TGxGraphicsFont* font = G.Font();
            font->BeginUpdate();
            font->SetName(E.FontFamily().IsEmpty() ? String("Arial") : E.FontFamily());
            TGxUtils::SetFontSize(font, E.FontSize() != 0 && E.HasFontSize() ? E.FontSize() : 12, 1);
            font->SetStyle(E.FontStyle());
            font->SetColor(E.FillColor());
            font->EndUpdate();
        }
        if (!E.Text().IsEmpty()) {
            const TGxGraphicsMatrix saved = G.GetMatrix();
            G.SetMatrix(d * FTextMatrix);
            const float h = G.CalculateTextHeight(E.Text());
            const TGxGraphicsSVGElement& at =
                E.Type() == etTextSpanChild && E.Parent() && E.Parent()->Type() == etTextSpan ? *E.Parent() : E;
            G.DrawText(TPointF{at.X(), at.Y() - h}, E.Text());
            G.SetMatrix(saved);
        }
        if (E.HasElements()) DrawElements(G, E.Elements(), sx, sy);
        break;
    }
    default: break;
    }
}

TColor TGxGraphicsSVGImport::OptionColor(TColor AColor, TColor ACustomColor) const
{
    if (GrayScale) return Grey(AColor);
    if (TintColor == -1) return ACustomColor != -1 ? ACustomColor : AColor;
    return Tint(AColor, TintColor);
}

void TGxGraphicsSVGImport::SetFill(TGxGraphics& G, TGxGraphicsSVGElement& E, TGxGraphicsSVGElement& S,
                                   const TGxGraphicsMatrix& D)
{
    TGxGraphicsFill* fill = G.Fill();
    TGxGraphicsSVGElement* r = Inherited(&S, [](const TGxGraphicsSVGElement& e) { return e.FillColorValue() != "default"; });
    TGxGraphicsSVGElement* o = Inherited(&S, [](const TGxGraphicsSVGElement& e) { return e.HasOpacity(); });
    const float opacity = CustomOpacity != -1 ? CustomOpacity : o->HasOpacity() ? o->Opacity() : 1;

    fill->BeginUpdate();
    fill->SetOpacity(opacity);
    if (TGxGraphicsSVGElement* p = E.FPatternRef) {
        // the gradient a paint server links to decides its kind, geometry and stops
        const TGxGraphicsSVGElement& g = p->FHRefRef ? *p->FHRefRef : *p;
        fill->SetKind(gfkGradient);
        fill->SetGradientMode(gfgmCollection);
        fill->ClearGradientItems();
        if (g.Type() == etRadialGradient) {
            TGxGraphicsPath shape;
            ShapePath(E, shape);
            shape.ApplyMatrix(D);
            const TRectF b = shape.GetBounds();
            const float cx = g.FHasCX ? g.CX() : 50, cy = g.FHasCY ? g.CY() : 50;
            fill->SetGradientType(gfgtRadial);
            fill->SetGradientCenterPoint({b.Left + b.Width() * cx / 100, b.Top + b.Height() * cy / 100});
        } else {
            double angle = std::atan2(g.Height() - g.Y(), g.Width() - g.X()) * 180 / std::numbers::pi;
            if (angle < 0) angle += 360;
            fill->SetGradientType(gfgtLinear);
            fill->SetOrientation(gfoCustom);
            fill->SetGradientAngle(static_cast<float>(angle));
        }
        if (g.HasElements())
            for (const auto& stop : const_cast<TGxGraphicsSVGElement&>(g).Elements())
                if (stop->Type() == etStop) fill->AddGradientItem(stop->StopColor(), stop->Offset(), stop->StopOpacity());
    } else if (r->HasFillColor()) {
        fill->SetKind(gfkSolid);
        fill->SetColor(OptionColor(r->FillColor(), CustomFillColor));
    } else if (r->FillColorValue() != "default") {
        fill->SetKind(gfkNone);
    } else {
        // nothing gives a fill: black, as SVG has it
        fill->SetKind(gfkSolid);
        fill->SetColor(GrayScale ? 0x808080 : TintColor != -1 ? TintColor : CustomFillColor != -1 ? CustomFillColor : 0);
    }
    fill->EndUpdate();

    TGxGraphicsStroke* stroke = G.Stroke();
    stroke->BeginUpdate();
    stroke->SetOpacity(opacity);
    stroke->EndUpdate();
}

void TGxGraphicsSVGImport::SetStroke(TGxGraphics& G, TGxGraphicsSVGElement& S, float sx)
{
    TGxGraphicsStroke* stroke = G.Stroke();
    TGxGraphicsSVGElement* r = Inherited(&S, [](const TGxGraphicsSVGElement& e) { return e.StrokeColorValue() != "default"; });
    TGxGraphicsSVGElement* w = Inherited(&S, [](const TGxGraphicsSVGElement& e) { return e.HasStrokeWidth(); });
    stroke->BeginUpdate();
    if (r->HasStrokeColor()) {
        stroke->SetKind(gskSolid);
        stroke->SetColor(OptionColor(r->StrokeColor(), CustomStrokeColor));
    } else {
        stroke->SetKind(gskNone);
    }
    stroke->SetWidth(w->HasStrokeWidth() ? std::max(0.0f, w->StrokeWidth() * sx) : 1);
    stroke->EndUpdate();
}

// ---------------------------------------------------------------- pictures

TGxBitmap* TGxGraphicsSVGImport::GenerateBitmap(float AWidth, float AHeight)
{
    if (!HasElements()) return nullptr;
    FCachedBitmap = std::make_unique<TGxBitmap>();
    const TRectF v = ViewRect;
    if (v.Width() > 0 && v.Height() > 0 && v.Left != EmptyMarker && v.Top != EmptyMarker &&
        v.Right != -EmptyMarker && v.Bottom != -EmptyMarker) {
        const TRectF target = AWidth > -1 && AHeight > -1 ? TRectF{0, 0, AWidth, AHeight} : v;
        const Integer w = static_cast<Integer>(std::nearbyint(target.Right));
        const Integer h = static_cast<Integer>(std::nearbyint(target.Bottom));
        if (w > 0 && h > 0 && w <= 16384 && h <= 16384) {
            std::unique_ptr<TGxGraphics> g = TGxGraphics::CreateBitmapCanvas(w, h, false, true);
            g->BeginScene();
            Draw(*g, target, false, true);
            FCachedBitmap->SetGraphic(g->Bitmap());
            g->EndScene();
        }
    }
    return FCachedBitmap.get();
}
