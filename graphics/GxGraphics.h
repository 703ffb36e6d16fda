#pragma once
// The drawing object of the graphics library and the back ends behind it.  TGxGraphics owns the
// current fill, stroke and font and one drawing context; every drawing call ends in one worker
// that decides from the fill and stroke what to paint and hands the geometry to the context.  The
// context draws either on the platform canvas (TGxGraphicsContextGeneral) or through GDI+
// (TGxGraphicsContextWin); coordinates are device units of the canvas, angles degrees clockwise.
#include <memory>
#include <utility>
#include <vector>

#include "graphics/GxGraphicsTypes.h"
#include "graphics/GxTypes.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Canvas.h"

class TGxGraphics;
class TPictureContainer;
class TCustomImageList;
struct TGxHTMLOptions;

// The colours of the drawn button glyphs and of buttons that adapt to the style, shared by every
// drawing object: 0 (black) until SetDefaultGraphicColors gives them the program's style.
inline TColor StyleGlyphColor = 0;
inline TColor StyleFocusedBorderColor = 0;
inline TColor StyleFocusedFaceColor = 0;
inline TColor StyleDisabledBorderColor = 0;
inline TColor StyleDisabledFaceColor = 0;
inline TColor StyleNormalBorderColor = 0;
inline TColor StyleNormalFaceColor = 0;

using TGxGraphicsSides = Set<TGxGraphicsSide>;
using TGxGraphicsCorners = Set<TGxGraphicsCorner>;
inline const TGxGraphicsSides AllSides = TGxGraphicsSides{gsLeft, gsTop, gsRight, gsBottom};
inline const TGxGraphicsCorners AllCorners = TGxGraphicsCorners{gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight};

// The operations every back end implements.
class TGxGraphicsContext : public TObject, public TGxJSONOperations<TGxGraphicsContext> {
public:
    explicit TGxGraphicsContext(TGxGraphics* AGraphics) : FGraphics(AGraphics) {}
    ~TGxGraphicsContext() override = default;
    TGxGraphicsContext(const TGxGraphicsContext&) = delete;
    TGxGraphicsContext& operator=(const TGxGraphicsContext&) = delete;

    TGxGraphics* Graphics() const { return FGraphics; }
    TCanvas* Canvas() const;
    void* NativeCanvas() { return GetNativeCanvas(); }

    virtual void* GetNativeCanvas() = 0;
    // A new empty back-end path owned by the caller; nil where paths are built on the device.
    virtual void* CreatePath() = 0;
    virtual void FreePath(void* APath) = 0;
    virtual TColor GetFillColor() = 0;
    virtual TRectF CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping) = 0;
    virtual TRectF SetTextAngle(const TRectF& ARect, float AAngle) = 0;
    virtual TGxGraphicsMatrix GetMatrix() = 0;
    virtual void Render() = 0;
    virtual void PathOpen(void* APath) = 0;
    virtual void PathMoveTo(void* APath, const TPointF& APoint) = 0;
    virtual void PathLineTo(void* APath, const TPointF& APoint) = 0;
    virtual void SetScale(float AScale) = 0;
    virtual void PathClose(void* APath) = 0;
    virtual void ResetClip() = 0;
    virtual void ResetTransform() = 0;
    virtual void ScaleTransform(float AX, float AY) = 0;
    virtual void RotateTransform(float AAngle) = 0;
    virtual void TranslateTransform(float AX, float AY) = 0;
    virtual void SetTextQuality(TGxGraphicsTextQuality ATextQuality) = 0;
    virtual void SetAntiAliasing(bool AAntiAliasing) = 0;
    virtual void SetShowAcceleratorChar(bool AShowAcceleratorChar) = 0;
    virtual void SetSize(float AWidth, float AHeight) = 0;
    virtual void ResetTextAngle(float AAngle) = 0;
    virtual void BeginScene() = 0;
    virtual void EndScene() = 0;
    virtual void BeginPrinting() = 0;
    virtual void EndPrinting() = 0;
    virtual void StartSpecialPen() = 0;
    virtual void StopSpecialPen() = 0;
    virtual void RestoreState(TGxGraphicsSaveState* AState) = 0;
    virtual void SaveState(TGxGraphicsSaveState* AState) = 0;
    virtual void SetFontSize(Integer ASize) = 0;
    virtual void SetFontColor(TColor AColor) = 0;
    virtual void SetFontName(const String& AName) = 0;
    virtual void SetFont(TGxGraphicsFont* AFont) = 0;
    virtual void SetFontStyles(TFontStyles AStyle) = 0;
    virtual void SetMatrix(const TGxGraphicsMatrix& AMatrix) = 0;
    virtual void SetFill(TGxGraphicsFill* AFill) = 0;
    virtual void SetFillKind(TGxGraphicsFillKind AKind) = 0;
    virtual void SetFillColor(TColor AColor) = 0;
    virtual void SetStroke(TGxGraphicsStroke* AStroke) = 0;
    virtual void SetStrokeKind(TGxGraphicsStrokeKind AKind) = 0;
    virtual void SetStrokeColor(TColor AColor) = 0;
    virtual void SetStrokeWidth(float AWidth) = 0;
    virtual void DrawLine(TGxGraphicsStroke* AStroke, const TPointF& AFromPoint, const TPointF& AToPoint,
                          TGxGraphicsModifyPointMode AModifyPointModeFrom,
                          TGxGraphicsModifyPointMode AModifyPointModeTo) = 0;
    virtual void DrawPolygon(TGxGraphicsStroke* AStroke, const TGxGraphicsPathPolygon& APolygon) = 0;
    virtual void FillPolygon(TGxGraphicsFill* AFill, const TGxGraphicsPathPolygon& APolygon) = 0;
    virtual void DrawPolyline(TGxGraphicsStroke* AStroke, const TGxGraphicsPathPolygon& APolyline) = 0;
    virtual void FillPolyline(TGxGraphicsFill* AFill, const TGxGraphicsPathPolygon& APolyline) = 0;
    virtual void FillArc(TGxGraphicsFill* AFill, const TPointF& ACenter, const TPointF& ARadius, float AStartAngle,
                         float ASweepAngle) = 0;
    virtual void DrawArc(TGxGraphicsStroke* AStroke, const TPointF& ACenter, const TPointF& ARadius, float AStartAngle,
                         float ASweepAngle) = 0;
    virtual void FillRect(TGxGraphicsFill* AFill, const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, TGxGraphicsSides ASides,
                          TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void FillRoundRect(TGxGraphicsFill* AFill, const TRectF& ARect, float ARounding,
                               TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawRoundRect(TGxGraphicsStroke* AStroke, const TRectF& ARect, float ARounding,
                               TGxGraphicsCorners ACorners, TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void FillEllipse(TGxGraphicsFill* AFill, const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawEllipse(TGxGraphicsStroke* AStroke, const TRectF& ARect,
                             TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawBitmap(TGraphic* ABitmap, const TRectF& ASrcRect, const TRectF& ADstRect, float AOpacity) = 0;
    virtual void ClipRect(const TRectF& ARect) = 0;
    virtual void ClipPath(TGxGraphicsPath* APath) = 0;
    virtual void DrawFocusPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath, TColor AColor) = 0;
    virtual void DrawFocusRectangle(TGxGraphicsStroke* AStroke, const TRectF& ARect, TColor AColor,
                                    TGxGraphicsModifyRectMode AModifyRectMode) = 0;
    virtual void DrawText(const String& AText, const TRectF& ARect, bool AWordWrapping,
                          TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                          TGxGraphicsTextTrimming ATrimming, float AAngle) = 0;
    virtual void DrawPath(TGxGraphicsStroke* AStroke, TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode) = 0;
    virtual void FillPath(TGxGraphicsFill* AFill, TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode) = 0;

    // Copies a vector path into a back-end path through PathOpen, PathMoveTo, PathLineTo and
    // PathClose, curves cut into segments of about Flatness (at least 0.05) units.
    void* ConvertToPath(TGxGraphicsPath* APath, float Flatness);

private:
    TGxGraphics* FGraphics;
};

// The one drawing object: a current fill, stroke and font, one back end, optionally a bitmap of
// its own to draw into.
class TGxGraphics : public TObject, public TGxJSONOperations<TGxGraphics> {
public:
    TGxGraphics(TCanvas* ACanvas, bool ANative = false);
    // Over a back end of the caller's making (a recording one, for instance).
    using TContextMaker = std::unique_ptr<TGxGraphicsContext> (*)(TGxGraphics* AGraphics);
    TGxGraphics(TCanvas* ACanvas, TContextMaker AMakeContext);
    static std::unique_ptr<TGxGraphics> CreateNative(TCanvas* ACanvas);
    static std::unique_ptr<TGxGraphics> CreateBitmapCanvas(Integer AWidth, Integer AHeight, bool ANative = false,
                                                           bool AHighDPI = false);
    static std::unique_ptr<TGxGraphics> CreateNativeBitmapCanvas(Integer AWidth, Integer AHeight);
    ~TGxGraphics() override;
    TGxGraphics(const TGxGraphics&) = delete;
    TGxGraphics& operator=(const TGxGraphics&) = delete;

    TGxGraphicsFill* Fill() const { return FFill.get(); }
    TGxGraphicsStroke* Stroke() const { return FStroke.get(); }
    TGxGraphicsFont* Font() const { return FFont.get(); }
    TCanvas* Canvas() const { return FActiveCanvas; }
    TGxGraphicsContext* Context() const { return FNative ? FContextNative.get() : FContextGeneral.get(); }
    TBitmap* Bitmap() const { return FBitmap.get(); }
    bool Native() const { return FNative; }

    TColor HighlightColor = clNone;
    TColor HighlightTextColor = clNone;
    TFontStyles HighlightFontStyle;
    bool OptimizedHTMLDrawing = false;
    TColor URLColor = 0xFF0000;
    bool URLUnderline = true;
    // Pictures named by mini-HTML and by the named-picture routines; neither is owned.
    TPictureContainer* PictureContainer = nullptr;
    TCustomImageList* ImageList = nullptr;

    TGxGraphicsMatrix GetMatrix();
    void SetMatrix(const TGxGraphicsMatrix& AMatrix);
    void BeginPrinting();
    void EndPrinting();
    void BeginScene();
    void EndScene();
    void StartSpecialPen();
    void StopSpecialPen();
    void Assign(TGxGraphics* Source);

    // State: whole objects or one attribute, passed to the back end once.
    void SetFill(TGxGraphicsFill* AFill);
    void SetStroke(TGxGraphicsStroke* AStroke);
    void SetFont(TGxGraphicsFont* AFont);
    void SetFillKind(TGxGraphicsFillKind AKind);
    void SetFillColor(TColor AColor);
    void SetFontColor(TColor AColor);
    void SetFontName(const String& AName);
    void SetFontSize(Integer ASize);
    void SetFontStyles(TFontStyles AStyle);
    void SetStrokeKind(TGxGraphicsStrokeKind AKind);
    void SetStrokeColor(TColor AColor);
    void SetStrokeWidth(float AWidth);
    // A new saved state, handed back to RestoreState, which frees it.
    TGxGraphicsSaveState* SaveState(bool ACanvasOnly = false);
    void RestoreState(TGxGraphicsSaveState* AState, bool ACanvasOnly = false);

    // Shapes; rectangles are Left, Top, Right, Bottom.
    void DrawLine(const TPointF& AFromPoint, const TPointF& AToPoint,
                  TGxGraphicsModifyPointMode AModifyPointModeFrom = gcpmNone,
                  TGxGraphicsModifyPointMode AModifyPointModeTo = gcpmNone);
    void DrawLine(const TPoint& AFromPoint, const TPoint& AToPoint);
    void DrawPolygon(const TGxGraphicsPathPolygon& APolygon);
    void DrawPolyline(const TGxGraphicsPathPolygon& APolyline);
    void DrawPath(TGxGraphicsPath* APath, TGxGraphicsPathDrawMode APathMode = pdmPath);
    void DrawArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle);
    void DrawArc(const TPoint& Center, const TPoint& Radius, Integer StartAngle, Integer SweepAngle);
    void DrawRectangle(double ALeft, double ATop, double ARight, double ABottom, TGxGraphicsSides ASides = AllSides,
                       TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRectangle(const TRectF& ARect, TGxGraphicsSides ASides = AllSides,
                       TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRectangle(const TRect& ARect, TGxGraphicsSides ASides = AllSides,
                       TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TGxGraphicsSides ASides = AllSides,
                       TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRoundRectangle(double ALeft, double ATop, double ARight, double ABottom, float ARounding,
                            TGxGraphicsCorners ACorners = AllCorners, TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRoundRectangle(const TRectF& ARect, float ARounding, TGxGraphicsCorners ACorners = AllCorners,
                            TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRoundRectangle(const TRect& ARect, Integer ARounding, TGxGraphicsCorners ACorners = AllCorners,
                            TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawRoundRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, Integer ARounding,
                            TGxGraphicsCorners ACorners = AllCorners, TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawEllipse(double ALeft, double ATop, double ARight, double ABottom,
                     TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawEllipse(const TRectF& ARect, TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawEllipse(const TRect& ARect, TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawEllipse(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom,
                     TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawFocusRectangle(double ALeft, double ATop, double ARight, double ABottom, TColor AColor,
                            TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawFocusRectangle(const TRectF& ARect, TColor AColor, TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawFocusRectangle(const TRect& ARect, TColor AColor, TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawFocusRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TColor AColor,
                            TGxGraphicsModifyRectMode AModifyRectMode = gcrmNone);
    void DrawFocusPath(TGxGraphicsPath* APath, TColor AColor);
    // The whole picture stretched into the rectangle.
    void DrawBitmap(TGraphic* ABitmap, const TRectF& ADstRect);

    // Pictures placed in a rectangle by four flags, always in this order: keep the proportions,
    // scale to the target, centre in it, keep the natural size centred.  A TGxBitmap holding an
    // SVG document is drawn as vectors; nil pictures draw nothing.
    void DrawBitmap(const TRectF& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                    bool ACropping);
    void DrawBitmap(double ALeft, double ATop, double ARight, double ABottom, TPicture* ABitmap, bool AAspectRatio,
                    bool AStretch, bool ACenter, bool ACropping);
    void DrawBitmap(const TRect& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                    bool ACropping);
    void DrawBitmap(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TPicture* ABitmap, bool AAspectRatio,
                    bool AStretch, bool ACenter, bool ACropping);
    // At natural size with its top-left at the point.
    void DrawBitmap(float ALeft, float ATop, TPicture* ABitmap);
    void DrawBitmap(Integer ALeft, Integer ATop, TPicture* ABitmap);
    // The part ASource of the picture, placed in ADestination by the flags.
    void DrawBitmapPart(const TRectF& ASource, const TRectF& ADestination, TPicture* ABitmap, bool AAspectRatio,
                        bool AStretch, bool ACenter, bool ACropping);
    void DrawBitmapPart(double ASourceLeft, double ASourceTop, double ASourceRight, double ASourceBottom,
                        double ADestinationLeft, double ADestinationTop, double ADestinationRight,
                        double ADestinationBottom, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                        bool ACropping);
    void DrawBitmapPart(const TRect& ASource, const TRect& ADestination, TPicture* ABitmap, bool AAspectRatio,
                        bool AStretch, bool ACenter, bool ACropping);
    void DrawBitmapPart(Integer ASourceLeft, Integer ASourceTop, Integer ASourceRight, Integer ASourceBottom,
                        Integer ADestinationLeft, Integer ADestinationTop, Integer ADestinationRight,
                        Integer ADestinationBottom, TPicture* ABitmap, bool AAspectRatio, bool AStretch, bool ACenter,
                        bool ACropping);
    // The part as a new picture of the caller's; nil for an empty rectangle or an SVG picture.
    std::unique_ptr<TGxBitmap> DrawBitmapPartSync(double ASourceLeft, double ASourceTop, double ASourceRight,
                                                  double ASourceBottom, double ADestinationLeft,
                                                  double ADestinationTop, double ADestinationRight,
                                                  double ADestinationBottom, TPicture* ABitmap, bool AAspectRatio,
                                                  bool AStretch, bool ACenter, bool ACropping);
    // Where DrawBitmap puts the picture; (0, 0, 0, 0) for nil.
    TRectF GetBitmapDrawRectangle(const TRectF& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                  bool ACenter, bool ACropping);
    TRectF GetBitmapDrawRectangle(double ALeft, double ATop, double ARight, double ABottom, TPicture* ABitmap,
                                  bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping);
    TRect GetBitmapDrawRectangle(const TRect& ARect, TPicture* ABitmap, bool AAspectRatio, bool AStretch,
                                 bool ACenter, bool ACropping);
    TRect GetBitmapDrawRectangle(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TPicture* ABitmap,
                                 bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping);
    // The drawn size of an AOriginalWidth x AOriginalHeight picture in an ANewWidth x ANewHeight target.
    static void GetAspectSize(float& AWidth, float& AHeight, float AOriginalWidth, float AOriginalHeight,
                              float ANewWidth, float ANewHeight, bool AAspectRatio, bool AStretch, bool ACropping);
    // The container's picture named AName, with AApplyScale first the one named AName_<scale>; the
    // container keeps it until its next look-up.
    static TPicture* GetBitmapFromPictureContainer(TPictureContainer* APictureContainer, const String& AName,
                                                   bool AApplyScale, float AScale);
    void DrawBitmapWithName(const TRectF& ARect, const String& ABitmapName, bool AApplyScale, float AScale,
                            bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping);
    void DrawBitmapWithName(const TRect& ARect, const String& ABitmapName, bool AApplyScale, float AScale,
                            bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping);
    void DrawBitmapWithName(double ALeft, double ATop, double ARight, double ABottom, const String& ABitmapName,
                            bool AApplyScale, float AScale, bool AAspectRatio, bool AStretch, bool ACenter,
                            bool ACropping);
    void DrawBitmapWithName(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, const String& ABitmapName,
                            bool AApplyScale, float AScale, bool AAspectRatio, bool AStretch, bool ACenter,
                            bool ACropping);
    // The collection's picture for the scale (the display's when AScale is 0 or less).
    void DrawScaledBitmap(const TRectF& ARect, TGxScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio,
                          bool AStretch, bool ACenter, bool ACropping);
    void DrawScaledBitmap(const TRect& ARect, TGxScaledBitmaps* ABitmaps, float AScale, bool AAspectRatio,
                          bool AStretch, bool ACenter, bool ACropping);
    void DrawScaledBitmap(double ALeft, double ATop, double ARight, double ABottom, TGxScaledBitmaps* ABitmaps,
                          float AScale, bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping);
    void DrawScaledBitmap(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, TGxScaledBitmaps* ABitmaps,
                          float AScale, bool AAspectRatio, bool AStretch, bool ACenter, bool ACropping);
    static TPicture* GetScaledBitmap(TGxScaledBitmaps* ABitmaps, float AScale, TPictureContainer* APictureContainer);

    // Control glyphs.  They leave the fill and stroke as they set them; AScaleFactor sizes the
    // drawn glyphs of the close, expander, compact and drop-down buttons only.
    void DrawCheckBox(const TRectF& ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor = 1);
    void DrawRadioButton(const TRectF& ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor = 1);
    void DrawButton(const TRectF& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                    float AScaleFactor = 1);
    void DrawCloseButton(const TRectF& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                         float AScaleFactor = 1);
    void DrawExpanderButton(const TRectF& ARect, TGxGraphicsExpanderState AState, bool ADown, bool AFocused,
                            bool AEnabled, bool AAdaptToStyle, float AScaleFactor = 1);
    void DrawCompactButton(const TRectF& ARect, TGxGraphicsCompactState AState, bool ADown, bool AFocused,
                           bool AEnabled, bool AAdaptToStyle, float AScaleFactor = 1);
    void DrawDropDownButton(const TRectF& ARect, bool ADown, bool AFocused, bool AEnabled, bool ACenter,
                            bool AAdaptToStyle, float AScaleFactor = 1);
    // The trough, the bar for AValue of AMax and, with AShowText, the percentage through AFormat
    // (one floating-point argument) centred on it.
    void DrawProgressBar(const TRectF& ARect, float AValue, const String& AFormat, float AMax, TColor AColor,
                         TColor ATextColor, bool AShowText, bool AEnabled, float AScaleFactor = 1);
    // The same in whole-pixel rectangles.
    void DrawCheckBox(const TRect& ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor = 1);
    void DrawRadioButton(const TRect& ARect, bool AChecked, bool AFocused, bool AEnabled, float AScaleFactor = 1);
    void DrawButton(const TRect& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                    float AScaleFactor = 1);
    void DrawCloseButton(const TRect& ARect, bool ADown, bool AFocused, bool AEnabled, bool AAdaptToStyle,
                         float AScaleFactor = 1);
    void DrawExpanderButton(const TRect& ARect, TGxGraphicsExpanderState AState, bool ADown, bool AFocused,
                            bool AEnabled, bool AAdaptToStyle, float AScaleFactor = 1);
    void DrawCompactButton(const TRect& ARect, TGxGraphicsCompactState AState, bool ADown, bool AFocused,
                           bool AEnabled, bool AAdaptToStyle, float AScaleFactor = 1);
    void DrawDropDownButton(const TRect& ARect, bool ADown, bool AFocused, bool AEnabled, bool ACenter,
                            bool AAdaptToStyle, float AScaleFactor = 1);
    void DrawProgressBar(const TRect& ARect, float AValue, const String& AFormat, float AMax, TColor AColor,
                         TColor ATextColor, bool AShowText, bool AEnabled, float AScaleFactor = 1);
    // Gives the style colours the program's style.
    static void SetDefaultGraphicColors();
    void ClipRect(const TRectF& ARect);
    void ClipRect(const TRect& ARect);

    // Text: measured from the rectangle's top-left; drawn with alignment, wrapping, trimming and
    // an angle.  With ASupportHTML a text with "</", "/>" or "<BR>" is mini-HTML, laid out by the
    // mini-HTML engine; drawing it returns the target of the anchor under (AX, AY), and with
    // ATestAnchor only that is done.  With OptimizedHTMLDrawing such a text is taken line by line
    // at its "<BR/>" tags.
    TRectF CalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping = false,
                         bool ASupportHTML = true);
    TSizeF CalculateTextSize(const String& AText, const TRectF& ARect, bool AWordWrapping = false,
                             bool ASupportHTML = true);
    float CalculateTextWidth(const String& AText, const TRectF& ARect, bool AWordWrapping = false,
                             bool ASupportHTML = true);
    float CalculateTextHeight(const String& AText, const TRectF& ARect, bool AWordWrapping = false,
                              bool ASupportHTML = true);
    // In (0, 0, 10000, 10000), without wrapping, mini-HTML allowed.
    TRectF CalculateText(const String& AText);
    TSizeF CalculateTextSize(const String& AText);
    float CalculateTextWidth(const String& AText);
    float CalculateTextHeight(const String& AText);
    // The same in whole pixels, rounded to the nearest (halves to even).
    TRect CalculateText(const String& AText, const TRect& ARect, bool AWordWrapping = false, bool ASupportHTML = true);
    TSize CalculateTextSize(const String& AText, const TRect& ARect, bool AWordWrapping = false,
                            bool ASupportHTML = true);
    Integer CalculateTextWidth(const String& AText, const TRect& ARect, bool AWordWrapping = false,
                               bool ASupportHTML = true);
    Integer CalculateTextHeight(const String& AText, const TRect& ARect, bool AWordWrapping = false,
                                bool ASupportHTML = true);
    TRect CalculateTextInt(const String& AText);
    TSize CalculateTextSizeInt(const String& AText);
    Integer CalculateTextWidthInt(const String& AText);
    Integer CalculateTextHeightInt(const String& AText);
    String DrawText(const TRectF& ARect, const String& AText, bool AWordWrapping = false,
                    TGxGraphicsTextAlign AHorizontalAlign = gtaLeading, TGxGraphicsTextAlign AVerticalAlign = gtaLeading,
                    TGxGraphicsTextTrimming ATrimming = gttNone, float AAngle = 0, float AMinWidth = -1,
                    float AMinHeight = -1, bool ASupportHTML = true, bool ATestAnchor = false, float AX = -1,
                    float AY = -1);
    // The same, also giving the ID, VALUE and TYPE of the mini-HTML control under (AX, AY).
    String DrawText(const TRectF& ARect, const String& AText, String& AControlID, String& AControlValue,
                    String& AControlType, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                    TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                    float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY);
    String DrawText(const TRect& ARect, const String& AText, bool AWordWrapping = false,
                    TGxGraphicsTextAlign AHorizontalAlign = gtaLeading, TGxGraphicsTextAlign AVerticalAlign = gtaLeading,
                    TGxGraphicsTextTrimming ATrimming = gttNone, float AAngle = 0, float AMinWidth = -1,
                    float AMinHeight = -1, bool ASupportHTML = true, bool ATestAnchor = false, float AX = -1,
                    float AY = -1);
    String DrawText(double ALeft, double ATop, double ARight, double ABottom, const String& AText,
                    bool AWordWrapping = false, TGxGraphicsTextAlign AHorizontalAlign = gtaLeading,
                    TGxGraphicsTextAlign AVerticalAlign = gtaLeading, TGxGraphicsTextTrimming ATrimming = gttNone,
                    float AAngle = 0, float AMinWidth = -1, float AMinHeight = -1, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1);
    String DrawText(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, const String& AText,
                    bool AWordWrapping = false, TGxGraphicsTextAlign AHorizontalAlign = gtaLeading,
                    TGxGraphicsTextAlign AVerticalAlign = gtaLeading, TGxGraphicsTextTrimming ATrimming = gttNone,
                    float AAngle = 0, float AMinWidth = -1, float AMinHeight = -1, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1);
    String DrawText(const TRect& ARect, const String& AText, String& AControlID, String& AControlValue,
                    String& AControlType, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                    TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                    float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX, float AY);
    String DrawText(double ALeft, double ATop, double ARight, double ABottom, const String& AText,
                    String& AControlID, String& AControlValue, String& AControlType, bool AWordWrapping,
                    TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                    TGxGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                    bool ASupportHTML, bool ATestAnchor, float AX, float AY);
    String DrawText(Integer ALeft, Integer ATop, Integer ARight, Integer ABottom, const String& AText,
                    String& AControlID, String& AControlValue, String& AControlType, bool AWordWrapping,
                    TGxGraphicsTextAlign AHorizontalAlign, TGxGraphicsTextAlign AVerticalAlign,
                    TGxGraphicsTextTrimming ATrimming, float AAngle, float AMinWidth, float AMinHeight,
                    bool ASupportHTML, bool ATestAnchor, float AX, float AY);
    // AText with every occurrence of AHilight in its visible text enclosed in <ATag> ... </ATag>.
    static String ApplyHilight(const String& AText, const String& AHilight, const String& ATag, bool ADoCase);
    String DrawText(const TPointF& APoint, const String& AText, float AAngle = 0, bool ASupportHTML = true,
                    bool ATestAnchor = false, float AX = -1, float AY = -1);

    static bool PointInRect(const TPointF& P, const TRectF& R);
    static bool PointInRect(const TPoint& P, const TRect& R);
    static bool PointInCircle(const TPointF& P, const TPointF& C, float ARadius);
    static bool PointInPath(const TPointF& P, TGxGraphicsPath* APath);
    static bool PointInPath(const TPoint& P, TGxGraphicsPath* APath);
    static bool PointInPolygon(const TPointF& P, const TGxGraphicsPathPolygon& APolygon);
    static bool PointInPolygon(const TPoint& P, const TGxGraphicsPathPolygon& APolygon);

    // Colours: parts of the RGB value (system colours resolved), "#RRGGBB" text both ways, keywords.
    static Byte GetColorRed(TColor AColor);
    static Byte GetColorGreen(TColor AColor);
    static Byte GetColorBlue(TColor AColor);
    static String ColorToHTML(TColor AColor);
    static TColor HTMLToColor(const String& AHTML);
    static TColor TextToColor(const String& AText);
    static void DrawSample(TCanvas* ACanvas, const TRectF& ARect);

protected:
    virtual TRectF DoCalculateText(const String& AText, const TRectF& ARect, bool AWordWrapping, bool ASupportHTML);
    virtual String DoDrawText(TRectF ARect, const String& AText, String& AControlID, String& AControlValue,
                              String& AControlType, bool AWordWrapping, TGxGraphicsTextAlign AHorizontalAlign,
                              TGxGraphicsTextAlign AVerticalAlign, TGxGraphicsTextTrimming ATrimming, float AAngle,
                              float AMinWidth, float AMinHeight, bool ASupportHTML, bool ATestAnchor, float AX,
                              float AY);

private:
    TGxGraphics(bool ANative, TCanvas* ACanvas, std::unique_ptr<TBitmap> ABitmap, float AWidth, float AHeight,
                TContextMaker AMakeContext = nullptr);
    void InitializeDefaults();
    // The mini-HTML settings of the text operations: this object's colours, pictures and links.
    TGxHTMLOptions HTMLOptions(bool AWordWrapping) const;
    void FillChanged(TObject* Sender);
    void StrokeChanged(TObject* Sender);
    void FontChanged(TObject* Sender);
    bool FillInUse() const;
    bool FillOrTexture() const;
    void DrawTexture(const TRectF& ARect);
    // The part of a raster picture copied onto a bitmap of the part's size.
    std::unique_ptr<TGxBitmap> CopyBitmapPart(const TRectF& ASource, TPicture* ABitmap);
    // A button glyph: the SVG resource drawn into ASVGTarget, or with AAdaptToStyle the lines
    // (bitmap coordinates) drawn in the glyph colour on a transparent ASize x ASize bitmap that is
    // centred in ABitmapTarget.
    void DrawButtonGlyph(const TRectF& ASVGTarget, const TRectF& ABitmapTarget, const String& AResource,
                         bool AAdaptToStyle, Integer ASize, float ALineWidth,
                         const std::vector<std::pair<TPointF, TPointF>>& ALines);
    bool StrokeInUse() const;
    // Passes one change to the back end, unless a change is being passed already.
    template <typename Apply>
    void Update(Apply apply);

    TCanvas* FActiveCanvas = nullptr;
    Integer FBlockUpdate = 0;
    bool FNative = false;
    std::unique_ptr<TBitmap> FBitmap;
    std::unique_ptr<TGxGraphicsContext> FContextNative;
    std::unique_ptr<TGxGraphicsContext> FContextGeneral;
    std::unique_ptr<TGxGraphicsFill> FFill;
    std::unique_ptr<TGxGraphicsStroke> FStroke;
    std::unique_ptr<TGxGraphicsFont> FFont;
};
