#pragma once
// Value types shared by every drawing layer of the graphics library: the 3 x 3 matrix, polygons
// and point tests (GxGraphicsTypes.cpp); fill, stroke, font, saved state and the canvas gradient
// painter (GxGraphicsTypes_fill.cpp); the vector path (GxGraphicsTypes_path.cpp); the named
// colours (GxGraphicsTypes_colors.cpp).  Coordinates are 32-bit floats, y grows downwards.
#include <memory>
#include <vector>

#include "graphics/GxTypes.h"
#include "platform/classes/Collection.h"
#include "platform/classes/Events.h"
#include "platform/classes/Set.h"
#include "platform/classes/TypInfo.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Graphics.h"
#include "platform/rtl/Lists.h"

// ---------------------------------------------------------------- geometry

struct TGxGraphicsVector {
    union {
        struct {
            float X, Y, W;
        };
        float V[3];
    };
};

// Points are row vectors multiplied from the left: (x, y) becomes
// (x m11 + y m21 + m31, x m12 + y m22 + m32).  Entries are stored as 32-bit floats; sums and
// products are formed in double precision and rounded once when stored.
struct TGxGraphicsMatrix {
    union {
        struct {
            float m11, m12, m13;
            float m21, m22, m23;
            float m31, m32, m33;
        };
        TGxGraphicsVector M[3];
    };

    static TGxGraphicsMatrix Identity();
    static TGxGraphicsMatrix CreateRotation(float AAngle);   // radians; positive turns clockwise on screen
    static TGxGraphicsMatrix CreateScaling(float AScaleX, float AScaleY);
    static TGxGraphicsMatrix CreateTranslation(float ADeltaX, float ADeltaY);
    float Determinant() const;
    TGxGraphicsMatrix Adjoint() const;
    // The identity when the determinant is below 1E-40 in size.
    TGxGraphicsMatrix Inverse() const;

    // The transform of AMatrix1 followed by that of AMatrix2.
    friend TGxGraphicsMatrix operator*(const TGxGraphicsMatrix& AMatrix1, const TGxGraphicsMatrix& AMatrix2);
    friend TPointF operator*(const TPointF& APoint, const TGxGraphicsMatrix& AMatrix);
};

TGxGraphicsMatrix MatrixIdentity();
TGxGraphicsMatrix MatrixEmpty();
bool IsMatrixEmpty(const TGxGraphicsMatrix& AMatrix);
TGxGraphicsMatrix MatrixCreateRotation(float AAngle);
TGxGraphicsMatrix MatrixCreateScaling(float AScaleX, float AScaleY);
TGxGraphicsMatrix MatrixCreateTranslation(float ADeltaX, float ADeltaY);
TGxGraphicsMatrix MatrixMultiply(const TGxGraphicsMatrix& AMatrix1, const TGxGraphicsMatrix& AMatrix2);
TPointF MatrixMultiplyPoint(const TPointF& APoint, const TGxGraphicsMatrix& AMatrix);

using TGxGraphicsPathPolygon = std::vector<TPointF>;

enum TGxGraphicsSide { gsLeft, gsTop, gsRight, gsBottom };
enum TGxGraphicsCorner { gcTopLeft, gcTopRight, gcBottomLeft, gcBottomRight };
using TGxGraphicsSides = Set<TGxGraphicsSide>;
using TGxGraphicsCorners = Set<TGxGraphicsCorner>;
enum TGxGraphicsTextAlign { gtaCenter, gtaLeading, gtaTrailing };
enum TGxGraphicsTextTrimming { gttNone, gttCharacter, gttWord };
enum TGxGraphicsTextQuality { gtqDefault, gtqAntiAliasing, gtqClearType };
enum TGxGraphicsModifyRectMode {
    gcrmNone,
    gcrmExpandAll,
    gcrmShrinkAll,
    gcrmShiftRightAndExpandHeight,
    gcrmShiftDownAndExpandWidth,
    gcrmShiftRightAndShrinkHeight,
    gcrmShiftRightDown,
    gcrmShiftRightUp,
    gcrmShiftLeftUp,
    gcrmShiftLeftDown,
    gcrmShiftUpAndExpandWidth,
    gcrmShiftLeftAndExpandHeight
};
enum TGxGraphicsModifyPointMode { gcpmNone, gcpmLeftUp, gcpmRightDown, gcpmLeftDown, gcpmRightUp };
enum TGxGraphicsExpanderState { gesCollapsed, gesExpanded };
enum TGxGraphicsCompactState { gcsCollapsed, gcsExpanded };

// Even-odd rule; points outside the vertices' bounding box are outside.
bool PointInPolygon(const TPointF& P, const TGxGraphicsPathPolygon& APolygon);
// A vertex with Left <= X < Right and Top <= Y < Bottom.
bool AnyPolygonPointInRect(const TGxGraphicsPathPolygon& APolygon, const TRectF& R);
TRectF ModifyRect(const TRectF& R, TGxGraphicsModifyRectMode AMode);

// ---------------------------------------------------------------- fill, stroke, font, state

enum TGxGraphicsFillKind { gfkNone, gfkSolid, gfkGradient, gfkTexture };
enum TGxGraphicsFillOrientation { gfoHorizontal, gfoVertical, gfoCustom };
enum TGxGraphicsFillGradientType { gfgtLinear, gfgtRadial };
enum TGxGraphicsFillGradientMode { gfgmDefault, gfgmCollection };
enum TGxGraphicsTextureMode { gtmOriginal, gtmFit, gtmStretch, gtmCenter, gtmTile };
enum TGxGraphicsStrokeKind { gskNone, gskSolid, gskDash, gskDot, gskDashDot, gskDashDotDot };

const TEnumTypeInfo& TypeInfoOf(TGxGraphicsFillKind);
const TEnumTypeInfo& TypeInfoOf(TGxGraphicsFillOrientation);
const TEnumTypeInfo& TypeInfoOf(TGxGraphicsTextureMode);
const TEnumTypeInfo& TypeInfoOf(TGxGraphicsStrokeKind);

class TGxCustomGraphicsFill;

// A colour stop of a gradient: changes of its values are changes of the fill that owns it.
class TGxGraphicsFillGradientItem : public TCollectionItem {
    DECLARE_CLASS(TGxGraphicsFillGradientItem, TCollectionItem)
public:
    explicit TGxGraphicsFillGradientItem(TCollection* Collection) : TCollectionItem(Collection) {}
    void Assign(TPersistent* Source) override;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    float Position() const { return FPosition; }   // 0 to 1 along the gradient
    void SetPosition(float Value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float Value);

private:
    void FillChanged();
    TColor FColor = clWhite;
    float FPosition = 0;
    float FOpacity = 1;
};

class TGxGraphicsFillGradientItems : public TOwnedCollection {
    DECLARE_CLASS(TGxGraphicsFillGradientItems, TOwnedCollection)
public:
    explicit TGxGraphicsFillGradientItems(TGxCustomGraphicsFill* AOwner);
    TGxGraphicsFillGradientItem* Add() { return static_cast<TGxGraphicsFillGradientItem*>(TCollection::Add()); }
    TGxGraphicsFillGradientItem* Insert(int Index)
    {
        return static_cast<TGxGraphicsFillGradientItem*>(TCollection::Insert(Index));
    }
    TGxGraphicsFillGradientItem* Items(int Index) const
    {
        return static_cast<TGxGraphicsFillGradientItem*>(TCollection::Items(Index));
    }
    void SetItems(int Index, TGxGraphicsFillGradientItem* Value) { Items(Index)->Assign(Value); }
    TGxCustomGraphicsFill* Fill() const { return FOwner; }

    // The items in order, for range-for; or from before the first item, MoveNext advancing while
    // an item follows.
    class TEnumerator : public TObject, public TGxJSONOperations<TEnumerator> {
    public:
        TEnumerator(const TGxGraphicsFillGradientItems* AItems, int AIndex) : FItems(AItems), FIndex(AIndex) {}
        TGxGraphicsFillGradientItem* operator*() const { return FItems->Items(FIndex); }
        TGxGraphicsFillGradientItem* Current() const { return **this; }
        bool MoveNext() { return ++FIndex < FItems->Count(); }
        TEnumerator& operator++()
        {
            ++FIndex;
            return *this;
        }
        friend bool operator==(const TEnumerator& A, const TEnumerator& B)
        {
            return A.FItems == B.FItems && A.FIndex == B.FIndex;
        }

    private:
        const TGxGraphicsFillGradientItems* FItems;
        int FIndex;
    };
    TEnumerator begin() const { return {this, 0}; }
    TEnumerator end() const { return {this, Count()}; }
    std::unique_ptr<TEnumerator> GetEnumerator() const { return std::make_unique<TEnumerator>(this, -1); }

private:
    TGxCustomGraphicsFill* FOwner;
};

// How areas are painted: a colour, a gradient of two (or four) colours or of colour stops, or a
// picture.  A colour of -1 paints nothing; clNone is stored as -1 and clDefault as clBtnFace.
class TGxCustomGraphicsFill : public TPersistent {
    DECLARE_CLASS(TGxCustomGraphicsFill, TPersistent)
public:
    TGxCustomGraphicsFill(TGxGraphicsFillKind AKind, TColor AColor, TColor AColorTo, TColor AColorMirror,
                          TColor AColorMirrorTo);
    ~TGxCustomGraphicsFill() override;

    void Assign(TPersistent* Source) override;
    virtual void BeginUpdate();
    virtual void EndUpdate();
    virtual void ClearGradientItems();
    virtual TGxGraphicsFillGradientItem* AddGradientItem(TColor AColor, float APosition, float AOpacity);

    TNotifyEvent OnChanged;
    TGxGraphicsFillKind Kind() const { return FKind; }
    void SetKind(TGxGraphicsFillKind Value);
    TGxGraphicsFillOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TGxGraphicsFillOrientation Value);
    TGxGraphicsFillOrientation GradientOrientation() const { return FOrientation; }
    void SetGradientOrientation(TGxGraphicsFillOrientation Value) { SetOrientation(Value); }
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorMirror() const { return FColorMirror; }
    void SetColorMirror(TColor Value);
    TColor ColorMirrorTo() const { return FColorMirrorTo; }
    void SetColorMirrorTo(TColor Value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float Value);
    TGxBitmap* Texture() const { return FTexture.get(); }
    void SetTexture(TGxBitmap* Value);
    TGxGraphicsTextureMode TextureMode() const { return FTextureMode; }
    void SetTextureMode(TGxGraphicsTextureMode Value);
    TGxGraphicsFillGradientMode GradientMode() const { return FGradientMode; }
    void SetGradientMode(TGxGraphicsFillGradientMode Value);
    TGxGraphicsFillGradientItems* GradientItems() const { return FGradientItems.get(); }
    void SetGradientItems(TGxGraphicsFillGradientItems* Value) { FGradientItems->Assign(Value); }
    TGxGraphicsFillGradientType GradientType() const { return FGradientType; }
    void SetGradientType(TGxGraphicsFillGradientType Value);
    float GradientAngle() const { return FGradientAngle; }
    void SetGradientAngle(float Value);
    TPointF GradientCenterPoint() const { return FGradientCenterPoint; }
    void SetGradientCenterPoint(const TPointF& Value);
    TColor GradientCenterColor() const { return FGradientCenterColor; }
    void SetGradientCenterColor(TColor Value);
    // Read and written directly, without announcement.
    TGxGraphicsMatrix GradientMatrix;

    // The constructor's values: what a form description leaves out.
    TGxGraphicsFillKind DefaultKind() const { return FDefaultKind; }
    TColor DefaultColor() const { return FDefaultColor; }
    TColor DefaultColorTo() const { return FDefaultColorTo; }
    TColor DefaultColorMirror() const { return FDefaultColorMirror; }
    TColor DefaultColorMirrorTo() const { return FDefaultColorMirrorTo; }

    // Tells the listener, unless updates are grouped.
    void Changed();

private:
    void SetColorValue(TColor& field, TColor value);

    Integer FUpdateCount = 0;
    TGxGraphicsFillOrientation FOrientation = gfoVertical;
    TGxGraphicsFillKind FKind;
    TGxGraphicsFillKind FDefaultKind;
    TColor FColor, FDefaultColor;
    TColor FColorTo, FColorMirror, FColorMirrorTo;
    TColor FDefaultColorTo, FDefaultColorMirror, FDefaultColorMirrorTo;
    float FOpacity = 1;
    std::unique_ptr<TGxBitmap> FTexture;
    TGxGraphicsTextureMode FTextureMode = gtmStretch;
    TGxGraphicsFillGradientMode FGradientMode = gfgmDefault;
    std::unique_ptr<TGxGraphicsFillGradientItems> FGradientItems;
    TGxGraphicsFillGradientType FGradientType = gfgtLinear;
    float FGradientAngle = 0;
    TPointF FGradientCenterPoint;
    TColor FGradientCenterColor = -1;
};

class TGxGraphicsFill : public TGxCustomGraphicsFill {
    DECLARE_CLASS(TGxGraphicsFill, TGxCustomGraphicsFill)
public:
    using TGxCustomGraphicsFill::TGxCustomGraphicsFill;
};

// How outlines are drawn.
class TGxCustomGraphicsStroke : public TPersistent {
    DECLARE_CLASS(TGxCustomGraphicsStroke, TPersistent)
public:
    TGxCustomGraphicsStroke(TGxGraphicsStrokeKind AKind, TColor AColor);
    void Assign(TPersistent* Source) override;
    virtual void BeginUpdate();
    virtual void EndUpdate();

    TNotifyEvent OnChanged;
    TGxGraphicsStrokeKind Kind() const { return FKind; }
    void SetKind(TGxGraphicsStrokeKind Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    float Width() const { return FWidth; }
    void SetWidth(float Value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float Value);
    TGxGraphicsStrokeKind DefaultKind() const { return FDefaultKind; }
    TColor DefaultColor() const { return FDefaultColor; }
    void Changed();

private:
    Integer FUpdateCount = 0;
    TGxGraphicsStrokeKind FKind;
    TColor FColor;
    float FWidth = 1;
    float FOpacity = 1;
    TGxGraphicsStrokeKind FDefaultKind;
    TColor FDefaultColor;
};

class TGxGraphicsStroke : public TGxCustomGraphicsStroke {
    DECLARE_CLASS(TGxGraphicsStroke, TGxCustomGraphicsStroke)
public:
    using TGxCustomGraphicsStroke::TGxCustomGraphicsStroke;
};

// The platform font that announces its changes to one listener; 8 points (11 pixels) at first.
class TGxGraphicsFont : public TFont {
    DECLARE_CLASS(TGxGraphicsFont, TFont)
public:
    TGxGraphicsFont();
    void Assign(TPersistent* Source) override;
    virtual void AssignSource(TPersistent* Source) { Assign(Source); }
    virtual void BeginUpdate();
    virtual void EndUpdate();
    TNotifyEvent OnChanged;
    void Changed();

private:
    Integer FUpdateCount = 0;
};

// One fill, stroke and font with the two device-state handles of the back ends.
class TGxGraphicsSaveState : public TPersistent {
    DECLARE_CLASS(TGxGraphicsSaveState, TPersistent)
public:
    TGxGraphicsSaveState();
    Integer SaveDC = 0;
    std::uintptr_t CustomSaveDC = 0;
    TGxGraphicsFont* Font() const { return FFont.get(); }
    void SetFont(TGxGraphicsFont* Value) { FFont->AssignSource(Value); }
    TGxGraphicsStroke* Stroke() const { return FStroke.get(); }
    void SetStroke(TGxGraphicsStroke* Value) { FStroke->Assign(Value); }
    TGxGraphicsFill* Fill() const { return FFill.get(); }
    void SetFill(TGxGraphicsFill* Value) { FFill->Assign(Value); }

private:
    std::unique_ptr<TGxGraphicsFont> FFont;
    std::unique_ptr<TGxGraphicsStroke> FStroke;
    std::unique_ptr<TGxGraphicsFill> FFill;
};

// Paints a two-colour gradient in one-pixel bands across ARect (left to right when AHorizontal,
// else top to bottom), the corners in ACorners rounded by ARounding pixels; the canvas's pen and
// brush are as before afterwards.
void DrawCanvasGradient(TCanvas& ACanvas, TColor AColor, TColor AColorTo, const TRect& ARect, float ARounding,
                        TGxGraphicsCorners ACorners, bool AHorizontal);

// ---------------------------------------------------------------- path

enum TGxGraphicsPathPointKind : Byte { gppMoveTo, gppLineTo, gppCurveTo, gppClose };
enum TGxGraphicsPathDrawMode { pdmPolygon, pdmPolyline, pdmPath };

struct TGxGraphicsPathPoint {
    TGxGraphicsPathPointKind Kind = gppMoveTo;
    bool Dummy = false;
    TPointF Point;
};

using TGxGraphicsPathPoints = std::vector<TGxGraphicsPathPoint>;
// Start point, first control point, second control point, end point.
using TGxGraphicsPathCubicBezier = TPointF[4];

// A device-independent vector path: points tagged move, line, curve (three points: two control
// points and the end) or close (carrying the figure's start).
class TGxGraphicsPath : public TPersistent {
    DECLARE_CLASS(TGxGraphicsPath, TPersistent)
public:
    TGxGraphicsPath() = default;
    void Assign(TPersistent* Source) override;

    void MoveTo(const TPointF& P);
    void LineTo(const TPointF& P);
    void CurveTo(const TPointF& ControlPoint1, const TPointF& ControlPoint2, const TPointF& EndPoint);
    void QuadCurveTo(const TPointF& ControlPoint, const TPointF& EndPoint);
    void SmoothCurveTo(const TPointF& ControlPoint2, const TPointF& EndPoint);
    void ClosePath();
    void AddLine(const TPointF& StartPoint, const TPointF& EndPoint);
    void AddPolygon(const TGxGraphicsPathPolygon& APolygon);
    void AddEllipse(const TRectF& ARect);
    void AddRectangle(const TRectF& ARect, float ARoundingX, float ARoundingY);
    // Angles in degrees, clockwise on screen from +x.
    void AddArc(const TPointF& Center, const TPointF& Radius, float StartAngle, float SweepAngle);
    void AddPath(const TGxGraphicsPath& APath);
    void Clear();

    Integer Count() const { return static_cast<Integer>(FPoints.size()); }
    const TGxGraphicsPathPoints& PathData() const { return FPoints; }
    TGxGraphicsPathPoints& PathData() { return FPoints; }
    bool Clippable() const { return FClippable; }
    void SetClippable(bool Value) { FClippable = Value; }
    bool IsClippable() const { return FClippable; }
    // EListError outside 0..Count-1.
    TGxGraphicsPathPoint Points(Integer Index) const;
    TGxGraphicsPathPoint GetPoint(Integer AIndex) const { return Points(AIndex); }
    TPointF LastPoint() const;

    TRectF GetBounds() const;
    void ApplyMatrix(const TGxGraphicsMatrix& AMatrix);
    void Flatten(float Flatness);
    void FlattenToPolygon(TGxGraphicsPathPolygon& Polygon, float Flatness) const;
    bool IsPointVisible(const TPointF& P) const;
    bool IsRectVisible(const TRectF& R) const;
    static TGxGraphicsPathPolygon CreateBezier(const TGxGraphicsPathCubicBezier& Bezier, Integer PointCount);
    // The most points a curve is flattened into, whatever its length: finer than a screen shows
    // for any curve that fits on one, and a curve larger than a screen is seen only in part.
    static constexpr Integer MaxBezierPoints = 4096;
    static TPointF PointOnBezier(const TPointF& StartPoint, double AX, double BX, double CX, double AY, double BY,
                                 double CY, double T);

private:
    void AddArcSegment(bool First, const TPointF& Center, const TPointF& Radius, float A, float W);

    TPointF FStartPoint;
    bool FClippable = false;
    TGxGraphicsPathPoints FPoints;
};

// ---------------------------------------------------------------- named colours

class TGxGraphicsColorObject : public TObject, public TGxJSONOperations<TGxGraphicsColorObject> {
public:
    explicit TGxGraphicsColorObject(TColor AColor) : Color(AColor) {}
    TColor Color;
};

// The colour keywords of CSS and SVG, lower case, each with its colour object; sorted,
// case-insensitive.
TStringList* NamedColorList();
// Each channel moved Percent (0..100) of its way towards 255.
TColor LighterColor(TColor Color, Byte Percent);
TColor ColorFromRGB(Byte R, Byte G, Byte B);
