#pragma once
// The canvas back end of the drawing object: integer pixels on the platform canvas, its pen,
// brush and font holding the drawing state; no transforms, no anti-aliasing, paths built on the
// device.
#include "graphics/GxGraphics.h"

class TGxGraphicsContextGeneral : public TGxGraphicsContext {
public:
    using TGxGraphicsContext::TGxGraphicsContext;

    void* GetNativeCanvas() override { return Canvas(); }
    void* CreatePath() override { return nullptr; }
    void FreePath(void*) override {}
    TColor GetFillColor() override;
    TRectF CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping) override;
    TRectF SetTextAngle(const TRectF& ARect, float) override { return ARect; }
    TGxGraphicsMatrix GetMatrix() override { return MatrixIdentity(); }
    void Render() override {}
    void PathOpen(void*) override {}
    void PathMoveTo(void* APath, const TPointF& APoint) override;
    void PathLineTo(void* APath, const TPointF& APoint) override;
    void SetScale(float) override {}
    void PathClose(void* APath) override;
    void ResetClip() override {}
    void ResetTransform() override {}
    void ScaleTransform(float, float) override {}
    void RotateTransform(float) override {}
    void TranslateTransform(float, float) override {}
    void SetTextQuality(TGxGraphicsTextQuality) override {}
    void SetAntiAliasing(bool) override {}
    void SetShowAcceleratorChar(bool AShowAcceleratorChar) override { FShowAcceleratorChar = AShowAcceleratorChar; }
    void SetSize(float, float) override {}
    void ResetTextAngle(float) override {}
    void BeginScene() override {}
    void EndScene() override {}
    void BeginPrinting() override { FPrinting = true; }
    void EndPrinting() override { FPrinting = false; }
    void StartSpecialPen() override;
    void StopSpecialPen() override;
    void RestoreState(TGxGraphicsSaveState* AState) override;
    void SaveState(TGxGraphicsSaveState* AState) override;
    void SetFontSize(Integer ASize) override;
    void SetFontColor(TColor AColor) override;
    void SetFontName(const String& AName) override;
    void SetFont(TGxGraphicsFont* AFont) override;
    void SetFontStyles(TFontStyles AStyle) override;
    void SetMatrix(const TGxGraphicsMatrix&) override {}
    void SetFill(TGxGraphicsFill* AFill) override;
    void SetFillKind(TGxGraphicsFillKind AKind) override;
    void SetFillColor(TColor AColor) override;
    void SetStroke(TGxGraphicsStroke* AStroke) override;
    void SetStrokeKind(TGxGraphicsStrokeKind AKind) override;
    void SetStrokeColor(TColor AColor) override;
    void SetStrokeWidth(float AWidth) override;
    void DrawLine(TGxGraphicsStroke* AStroke, const TPointF& AFromPoint, const TPointF& AToPoint,
                  TGxGraphicsModifyPointMode AModifyPointModeFrom, TGxGraphicsModifyPointMode AModifyPointModeTo) override;
    void DrawPolygon(TGxGraphicsStroke* AStroke, const TGxGraphicsPathPolygon& APolygon) override;
    void FillPolygon(TGxGraphicsFill* AFill, const TGxGraphicsPathPolygon& APolygon) override;
    void DrawPolyline(TGxGraphicsStroke* AStroke, const TGxGraphicsPathPolygon& APolyline) override;
    void FillPolyline(TGxGraphicsFill* AFill, const TGxGraphicsPathPolygon& APolyline) override;
    void FillArc(TGxGraphicsFill* AFill, const TPointF& ACenter, const TPointF& ARadius, float AStartAngle,
                 float ASweepAngle) override;
    void DrawArc(TGxGraphicsStroke* AStroke, const TPointF& ACenter, const TPointF& ARadius, float AStartAngle,
                 float ASweepAngle) override;
    void FillRect(TGxGraphicsFill* AFill, const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode) override;
    void DrawRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, TGxGraphicsSides ASides,
                  TGxGraphicsModifyRectMode AModifyRectMode) override;
    void FillRoundRect(TGxGraphicsFill* AFill, const TRectF& ARect, float ARounding, TGxGraphicsCorners ACorners,
                       TGxGraphicsModifyRectMode AModifyRectMode) override;
    void DrawRoundRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, float ARounding, TGxGraphicsCorners ACorners,
                       TGxGraphicsModifyRectMode AModifyRectMode) override;
    void FillEllipse(TGxGraphicsFill* AFill, const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode) override;
    void DrawEllipse(TGxGraphicsStroke* AStroke, const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode) override;
    void DrawBitmap(TGraphic* ABitmap, const TRectF& ASrcRect, const TRectF& ADstRect, float AOpacity) override;
    void ClipRect(const TRectF& ARect) override;
    void ClipPath(TGxGraphicsPath* APath) override;
    void DrawFocusPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath, TColor AColor) override;
    void DrawFocusRectangle(TGxGraphicsStroke* AStroke, const TRectF& ARect, TColor AColor,
                            TGxGraphicsModifyRectMode AModifyRectMode) override;
    void DrawText(const String& AText, const TRectF& ARect, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                  TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle) override;
    void DrawPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode) override;
    void FillPath(TGxGraphicsFill* AFill, TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode) override;

private:
    void DrawRotatedText(const TRect& R, TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                         float AAngle, const String& AText);
    void CanvasArc(const TPointF& ACenter, const TPointF& ARadius, float AStartAngle, float ASweepAngle);

    bool FPrinting = false;
    bool FShowAcceleratorChar = false;
    TPenStyle FOldPenStyle = TPenStyle::psSolid;
    Integer FOldPenWidth = 1;
};
