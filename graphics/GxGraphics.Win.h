#pragma once
// The GDI+ back end of the drawing object: anti-aliased shapes, gradients, transforms and turned
// text through the run-time-bound GDI+ wrapper, on a GDI+ surface made on the canvas.
#include <memory>

#include "graphics/GxGDIPlusClasses.h"
#include "graphics/GxGraphics.h"

class TGxGraphicsContextWin : public TGxGraphicsContext {
public:
    explicit TGxGraphicsContextWin(TGxGraphics* AGraphics);
    ~TGxGraphicsContextWin() override;

    void* GetNativeCanvas() override { return FGPGraphics.get(); }
    void* CreatePath() override;
    void FreePath(void* APath) override;
    TColor GetFillColor() override;
    TRectF CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping) override;
    TRectF SetTextAngle(const TRectF& ARect, float AAngle) override;
    TGxGraphicsMatrix GetMatrix() override;
    void Render() override;
    void PathOpen(void* APath) override;
    void PathMoveTo(void* APath, const TPointF& APoint) override;
    void PathLineTo(void* APath, const TPointF& APoint) override;
    void SetScale(float AScale) override { FScale = AScale; }
    void PathClose(void* APath) override;
    void ResetClip() override;
    void ResetTransform() override;
    void ScaleTransform(float AX, float AY) override;
    void RotateTransform(float AAngle) override;
    void TranslateTransform(float AX, float AY) override;
    void SetTextQuality(TGxGraphicsTextQuality ATextQuality) override;
    void SetAntiAliasing(bool AAntiAliasing) override;
    void SetShowAcceleratorChar(bool AShowAcceleratorChar) override;
    void SetSize(float AWidth, float AHeight) override;
    void ResetTextAngle(float AAngle) override;
    void BeginScene() override {}
    void EndScene() override;
    void BeginPrinting() override {}
    void EndPrinting() override {}
    void StartSpecialPen() override {}
    void StopSpecialPen() override {}
    void RestoreState(TGxGraphicsSaveState* AState) override;
    void SaveState(TGxGraphicsSaveState* AState) override;
    void SetFontSize(Integer ASize) override;
    void SetFontColor(TColor AColor) override;
    void SetFontName(const String& AName) override;
    void SetFont(TGxGraphicsFont* AFont) override;
    void SetFontStyles(TFontStyles AStyle) override;
    void SetMatrix(const TGxGraphicsMatrix& AMatrix) override;
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
    void FontChanged(TObject* Sender);
    void StrokeChanged(TObject* Sender);
    void FillChanged(TObject* Sender);
    void UpdateBrush(TGPGraphicsPath* APath);
    void DestroyGraphics();
    void FillGPPath(TGPGraphicsPath& APath);
    void DrawGPPath(TGPGraphicsPath& APath);
    // Dashed outlines are drawn without anti-aliasing.
    template <typename Draw>
    void Outline(Draw draw);

    bool FShowAcceleratorChar = false;
    std::unique_ptr<TGPMatrix> FTextMatrix;
    Cardinal FSaveGP = 0;
    float FScale = 1;
    TPointF FMovePoint;
    bool FNeedsRendering = true;
    std::unique_ptr<TGxGraphicsFont> FFont;
    std::unique_ptr<TGxGraphicsFill> FFill;
    std::unique_ptr<TGxGraphicsStroke> FStroke;
    std::unique_ptr<TGPFont> FGPFont;
    TSizeF FContextSize;
    std::unique_ptr<TGPBrush> FGPBrush;
    std::unique_ptr<TGPPen> FGPPen;
    std::unique_ptr<TGPGraphics> FGPGraphics;
};

// The class of the GDI+ back end, made by the drawing object when it is asked to draw natively.
std::unique_ptr<TGxGraphicsContext> GetNativeContextClass(TGxGraphics* AGraphics);

ARGB ToGPColor(TColor AColor, float AOpacity);
std::unique_ptr<TGPSolidBrush> CreateGPFontBrush(TGxGraphicsFont* AFont);
std::unique_ptr<TGPFont> CreateGPFont(TGxGraphicsFont* AFont);
std::unique_ptr<TGPPen> CreateGPPen(TGxGraphicsStroke* AStroke);
std::unique_ptr<TGPStringFormat> CreateGPStringFormat(TGxGraphicsTextAlign AHorizontal, TGxGraphicsTextAlign AVertical,
                                                      bool AWordWrapping, TGxGraphicsTextTrimming ATrimming,
                                                      bool AShowAccelerator);
std::unique_ptr<TGPBrush> CreateGPBrush(TGxGraphicsFill* AFill, TGPGraphicsPath* APath);
