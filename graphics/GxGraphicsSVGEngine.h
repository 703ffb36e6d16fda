#pragma once
// The SVG engine of the graphics library: a subset of SVG 1.1 read into a tree of elements
// (GxGraphicsSVGEngine.cpp), the readers of lengths, colours, angles, transform lists and path
// data (GxGraphicsSVGEngine_values.cpp), and the tree drawn through the drawing object
// (GxGraphicsSVGEngine_draw.cpp).  Reading never fetches anything from outside the text.
#include <memory>
#include <vector>

#include "graphics/GxGraphics.h"
#include "graphics/GxGraphicsTypes.h"
#include "graphics/GxTypes.h"
#include "platform/services/XMLDoc.h"

enum TGxGraphicsSVGElementType {
    etContainer, etSwitch, etDefs, etUse, etRect, etLine, etPolyline, etPolygon, etCircle, etEllipse, etPath,
    etImage, etText, etTextSpan, etTextSpanChild, etTextPath, etClipPath, etLinearGradient, etRadialGradient,
    etStyle, etStop, etPattern, etUnknown
};
enum TGxGraphicsSVGElementPreserveAspectRatio { parNone, parOther };

class TGxGraphicsSVGElement;
using TGxGraphicsSVGElementList = std::vector<std::unique_ptr<TGxGraphicsSVGElement>>;
using TGxGraphicsSVGElementClassList = std::vector<TGxGraphicsSVGElement*>;
using TGxGraphicsSVGElementPathList = std::vector<std::unique_ptr<TGxGraphicsPath>>;

// ---------------------------------------------------------------- value readers

// "px", "pt", "pc", "mm", "cm", "in", "em", "ex", "%" or empty.
String SVGLengthUnit(const String& AText);
// A number with its unit in user units: 1pt = 1.25, 1pc = 15, 1mm = 10, 1cm = 100, 1in = 25.4;
// px, em, ex and % count 1.  0 for a text that does not read.
float SVGLength(const String& AText);
// "rgb(r, g, b)" or "rgba(r, g, b, a)" with decimal, hexadecimal or percent components; -1 when
// unreadable.  AAlpha is 0..255, or -1 when the alpha does not read as a whole number.
TColor SVGRGBColor(const String& AText, Integer& AAlpha);
// The family of a font-family value, with bold and italic taken from names like "Arial-BoldMT".
String SVGFontFamily(const String& AText, TFontStyles& AStyle);
// An angle in radians from degrees (plain or "deg"), gradians ("grad") or radians ("rad").
float SVGAngle(const String& AText);
// A transform list composed as SVG composes it: the rightmost function acts on a point first.
TGxGraphicsMatrix SVGTransform(const String& AText);
// Path data appended to APaths, one path per move command; arcs become cubic curves.
void SVGPathData(const String& AText, TGxGraphicsSVGElementPathList& APaths);

// ---------------------------------------------------------------- the document model

class TGxGraphicsSVGElement : public TObject, public TGxJSONOperations<TGxGraphicsSVGElement> {
public:
    TGxGraphicsSVGElement() = default;
    ~TGxGraphicsSVGElement() override;
    TGxGraphicsSVGElement(const TGxGraphicsSVGElement&) = delete;
    TGxGraphicsSVGElement& operator=(const TGxGraphicsSVGElement&) = delete;

    TGxBitmap* Bitmap();
    TGxGraphicsPath* CombinedPath();
    TGxGraphicsSVGElementPathList& Paths();
    TGxGraphicsSVGElementList& Elements();
    TGxGraphicsPath* ActivePath() const { return FPaths && !FPaths->empty() ? FPaths->back().get() : nullptr; }

    TGxGraphicsSVGElementType Type() const { return FType; }
    void SetType(TGxGraphicsSVGElementType Value) { FType = Value; }
    float Width() const { return FWidth; }
    float X() const { return FXV; }
    float Y() const { return FYV; }
    float Height() const { return FHeight; }
    float Rx() const { return FRx; }
    float Ry() const { return FRy; }
    const TGxGraphicsMatrix& Matrix() const { return FMatrix; }
    const TGxGraphicsMatrix& GradientMatrix() const { return FGradientMatrix; }
    TColor FillColor() const { return FFillColor; }
    TColor StrokeColor() const { return FStrokeColor; }
    const String& FillColorValue() const { return FFillColorValue; }
    const String& StrokeColorValue() const { return FStrokeColorValue; }
    TGxGraphicsSVGElement* Parent() const { return FParent; }
    float StrokeWidth() const { return FStrokeWidth; }
    float Offset() const { return FOffset; }
    TColor StopColor() const { return FStopColor; }
    float StopOpacity() const { return FStopOpacity; }
    float Opacity() const { return FOpacity; }
    const String& ID() const { return FID; }
    const String& ClassRefID() const { return FClassRefID; }
    TGxGraphicsSVGElement* ClassRef() const { return FClassRef; }
    const String& HRefID() const { return FHRefID; }
    const String& URLRefID() const { return FURLRefID; }
    const String& ClipPathRefID() const { return FClipPathRefID; }
    TGxGraphicsSVGElement* ClipPathRef() const { return FClipPathRef; }
    const String& FontFamily() const { return FFontFamily; }
    float FontSize() const { return FFontSize; }
    TFontStyles FontStyle() const { return FFontStyle; }
    const String& Text() const { return FText; }
    const String& DisplayValue() const { return FDisplayValue; }
    TGxGraphicsSVGElementPreserveAspectRatio PreserveAspectRatio() const { return FPreserveAspectRatio; }
    float CX() const { return FCX; }
    float CY() const { return FCY; }

    bool HasFillColor() const;
    bool HasStrokeColor() const;
    bool HasStopColor() const;
    bool HasStrokeWidth() const { return FStrokeWidthValue != "default"; }
    bool HasOpacity() const { return FOpacityValue != "default"; }
    bool HasOffset() const { return FOffsetValue != "default"; }
    bool HasStopOpacity() const { return FStopOpacityValue != "default"; }
    bool HasPreserveAspectRatio() const { return FPreserveAspectRatioValue != "default"; }
    bool HasFontSize() const { return FFontSizeValue != "default"; }
    bool HasElements() const { return FElements != nullptr; }
    bool HasPaths() const { return FPaths != nullptr; }
    bool HasBitmap() const { return FBitmap != nullptr; }
    bool HasActivePath() const { return ActivePath() != nullptr; }

private:
    friend class TGxGraphicsSVGImport;
    std::unique_ptr<TGxBitmap> FBitmap;
    std::unique_ptr<TGxGraphicsPath> FCombinedPath;
    std::unique_ptr<TGxGraphicsSVGElementPathList> FPaths;
    std::unique_ptr<TGxGraphicsSVGElementList> FElements;
    TGxGraphicsSVGElementType FType = etContainer;
    float FWidth = 0, FXV = 0, FYV = 0, FHeight = 0, FRx = 0, FRy = 0;
    TGxGraphicsMatrix FMatrix = MatrixEmpty();
    TColor FFillColor = 0, FStrokeColor = 0;
    String FFillColorValue = "default", FStrokeColorValue = "default";
    TGxGraphicsSVGElement* FParent = nullptr;
    float FStrokeWidth = 1;
    String FStrokeWidthValue = "default", FOpacityValue = "default", FOffsetValue = "default";
    float FOffset = 0;
    String FStopColorValue = "default";
    TColor FStopColor = 0;
    String FStopOpacityValue = "default";
    float FStopOpacity = 1;
    float FOpacity = 1;
    String FID, FClassRefID;
    TGxGraphicsSVGElement* FClassRef = nullptr;
    String FHRefID, FURLRefID;
    TGxGraphicsSVGElement* FHRefRef = nullptr;
    TGxGraphicsSVGElement* FPatternRef = nullptr;
    String FClipPathRefID;
    TGxGraphicsSVGElement* FClipPathRef = nullptr;
    String FFontFamily;
    String FFontSizeValue;
    float FFontSize = 0;
    TFontStyles FFontStyle;
    String FText;
    String FDisplayValue;
    String FPreserveAspectRatioValue = "default";
    TGxGraphicsSVGElementPreserveAspectRatio FPreserveAspectRatio = parOther;
    float FFR = 0, FFX = 0, FFY = 0;
    float FCX = 0, FCY = 0;
    bool FHasCX = false, FHasCY = false;
    TGxGraphicsMatrix FGradientMatrix = MatrixEmpty();
};

// The SVG document behind SVG pictures.
class TGxGraphicsSVGImport : public TGxSVGImport {
    DECLARE_CLASS(TGxGraphicsSVGImport, TGxSVGImport)
public:
    TGxGraphicsSVGImport();
    ~TGxGraphicsSVGImport() override;

    bool HasElements() override { return ElementCount() > 0; }
    Integer ElementCount() override { return static_cast<Integer>(FElementList.size()); }
    void Clear() override;
    // EDOMParseError for text that is not well-formed XML; the document is then empty.
    void LoadFromText(const String& AText) override;
    void LoadFromFile(const String& AFile) override;
    void LoadFromStream(TStream& AStream) override;
    void SaveToStream(TStream& AStream) override;
    void SaveToFile(const String& AFile) override;

    void Draw(TCanvas& ACanvas, const TRectF& ARect, bool ANative) override;
    void Draw(TGxGraphics& AGraphics, const TRectF& ARect, bool ANative, bool ARecreateGraphics);
    // Null without elements; else the bitmap owned by the document until the next call.
    TGxBitmap* GenerateBitmap(float AWidth, float AHeight) override;

    const TGxGraphicsSVGElementList& Elements() const { return FElementList; }
    const TGxGraphicsSVGElementList& Defs() const { return FDefsList; }

private:
    struct TDefsIndex;
    void ParseNodes(const TXMLNode& ANode, TGxGraphicsSVGElementList& ATarget, TGxGraphicsSVGElement* AParent,
                    bool ABounds);
    void ParseElement(const TXMLNode& ANode, TGxGraphicsSVGElement& E, bool ABounds);
    void ApplyDeclarations(TGxGraphicsSVGElement& E, const String& AText);
    void ParseStyleRules(const String& AText);
    void ExtendBounds(const TGxGraphicsSVGElement& E, const TRectF& ARect);
    void ResolveReferences();
    void ResolveClasses(TGxGraphicsSVGElement& E, const TDefsIndex& AIndex);

    bool ViewTransform(const TRectF& ARect, float& sx, float& sy);
    void Render(TGxGraphics& G, const TRectF& ARect, float sx, float sy);
    void DrawElements(TGxGraphics& G, const TGxGraphicsSVGElementList& AList, float sx, float sy);
    void DrawElement(TGxGraphics& G, TGxGraphicsSVGElement& E, float sx, float sy);
    void SetFill(TGxGraphics& G, TGxGraphicsSVGElement& E, TGxGraphicsSVGElement& S, const TGxGraphicsMatrix& D);
    void SetStroke(TGxGraphics& G, TGxGraphicsSVGElement& S, float sx);
    TColor OptionColor(TColor AColor, TColor ACustomColor) const;

    IXMLDocument FXML;
    TGxGraphicsSVGElementClassList FElementClassList;
    TGxGraphicsSVGElementClassList FElementPatternList;
    TGxGraphicsSVGElementClassList FElementClipPathList;
    TGxGraphicsSVGElementList FElementList;
    TGxGraphicsSVGElementList FDefsList;
    std::unique_ptr<TGxBitmap> FCachedBitmap;
    TGxGraphicsMatrix FMatrix = MatrixIdentity();
    TGxGraphicsMatrix FTextMatrix = MatrixIdentity();
};

// Registers the document class under which SVG pictures find their engine.
void InitializeGxGraphicsSVGEngine();
