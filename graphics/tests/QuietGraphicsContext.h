#pragma once
// A drawing-object back end that draws nothing: the base of the tests' recording back ends, which
// override only the calls they write down.
#include "graphics/GxGraphics.h"

class TQuietGraphicsContext : public TGxGraphicsContext {
public:
    using TGxGraphicsContext::TGxGraphicsContext;

    void* GetNativeCanvas() override { return nullptr; }
    void* CreatePath() override { return nullptr; }
    void FreePath(void*) override {}
    TColor GetFillColor() override { return 0; }
    TRectF CalculateText(const String&, const TRectF& r, bool) override { return r; }
    TRectF SetTextAngle(const TRectF& r, float) override { return r; }
    TGxGraphicsMatrix GetMatrix() override { return FMatrix; }
    void SetMatrix(const TGxGraphicsMatrix& m) override { FMatrix = m; }
    void Render() override {}
    void PathOpen(void*) override {}
    void PathMoveTo(void*, const TPointF&) override {}
    void PathLineTo(void*, const TPointF&) override {}
    void SetScale(float) override {}
    void PathClose(void*) override {}
    void ResetClip() override {}
    void ResetTransform() override {}
    void ScaleTransform(float, float) override {}
    void RotateTransform(float) override {}
    void TranslateTransform(float, float) override {}
    void SetTextQuality(TGxGraphicsTextQuality) override {}
    void SetAntiAliasing(bool) override {}
    void SetShowAcceleratorChar(bool) override {}
    void SetSize(float, float) override {}
    void ResetTextAngle(float) override {}
    void BeginScene() override {}
    void EndScene() override {}
    void BeginPrinting() override {}
    void EndPrinting() override {}
    void StartSpecialPen() override {}
    void StopSpecialPen() override {}
    void RestoreState(TGxGraphicsSaveState*) override {}
    void SaveState(TGxGraphicsSaveState*) override {}
    void SetFontSize(Integer) override {}
    void SetFontColor(TColor) override {}
    void SetFontName(const String&) override {}
    void SetFont(TGxGraphicsFont*) override {}
    void SetFontStyles(TFontStyles) override {}
    void SetFill(TGxGraphicsFill*) override {}
    void SetFillKind(TGxGraphicsFillKind) override {}
    void SetFillColor(TColor) override {}
    void SetStroke(TGxGraphicsStroke*) override {}
    void SetStrokeKind(TGxGraphicsStrokeKind) override {}
    void SetStrokeColor(TColor) override {}
    void SetStrokeWidth(float) override {}
    void DrawPolygon(TGxGraphicsStroke*, const TGxGraphicsPathPolygon&) override {}
    void FillPolygon(TGxGraphicsFill*, const TGxGraphicsPathPolygon&) override {}
    void DrawPolyline(TGxGraphicsStroke*, const TGxGraphicsPathPolygon&) override {}
    void FillPolyline(TGxGraphicsFill*, const TGxGraphicsPathPolygon&) override {}
    void FillRect(TGxGraphicsFill*, const TRectF&, TGxGraphicsModifyRectMode) override {}
    void FillEllipse(TGxGraphicsFill*, const TRectF&, TGxGraphicsModifyRectMode) override {}
    void DrawBitmap(TGraphic*, const TRectF&, const TRectF&, float) override {}
    void ClipRect(const TRectF&) override {}
    void ClipPath(TGxGraphicsPath*) override {}
    void DrawFocusPath(TGxGraphicsStroke*, TGxGraphicsPath*, TColor) override {}
    void DrawPath(TGxGraphicsStroke*, TGxGraphicsPath*, TGxGraphicsPathDrawMode) override {}
    void FillPath(TGxGraphicsFill*, TGxGraphicsPath*, TGxGraphicsPathDrawMode) override {}

private:
    TGxGraphicsMatrix FMatrix = MatrixIdentity();
};
