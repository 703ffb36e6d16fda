#pragma once
// The chart control TDIzure: a data area with axes around it on 16 layers, whose
// pictures are kept in display lists of drawing items and rendered again on every
// paint.  Drawing operations only append items; ShowGraf (or a repaint) renders them.
//
// The unit is split over several files: VEZ_dizure.cpp (axis properties, layer joins,
// background image, creation, geometry, transforms, zoom history, data sharing),
// VEZ_dizure_items.cpp (display lists and drawing operations), VEZ_dizure_paint.cpp
// (painting and item rendering), VEZ_dizure_range.cpp (ranges, auto-range, layouts),
// VEZ_dizure_mouse.cpp (mouse zoom, pan, windows and drags), VEZ_dizure_export.cpp (clipboard,
// files and printer), VEZ_dizure_files.cpp (chart data files and listing), VEZ_dizure_query.cpp
// (item queries and bulk edits) and VEZ_dizure_registry.cpp (published properties).
#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

#include "chart/VEZ_Scale.h"
#include "chart/VEZ_vezbase_chart.h"
#include "platform/classes/Component.h"
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Metafile.h"

// ---------------------------------------------------------------- axis properties

enum TScaleLocationHoriz { slTop, slBottom };
enum TScaleLocationVert { slLeft, slRight };

// The settings of one axis of one chart layer.
class TScaleProps : public TPersistent {
    DECLARE_CLASS(TScaleProps, TPersistent)
public:
    TScaleProps();
    ~TScaleProps() override;
    void Assign(TPersistent* Source) override;
    void ResetComp();
    void Changed();

    String Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; Changed(); }
    Integer CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(Integer value) { FCaptionPosX = value; Changed(); }
    Integer CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(Integer value) { FCaptionPosY = value; Changed(); }
    TAlignment CaptionAlignment() const { return FCaptAlign; }
    void SetCaptionAlignment(TAlignment value) { FCaptAlign = value; Changed(); }
    TScaleUnitAnchor CaptionAnchor() const { return FCaptAnchor; }
    void SetCaptionAnchor(TScaleUnitAnchor value) { FCaptAnchor = value; Changed(); }
    TColor ColorScale() const { return FColorScale; }
    void SetColorScale(TColor value) { FColorScale = value; Changed(); }
    TDTLabel& DateFormat() { return *FDTFormat; }
    void SetDateFormat(TDTLabel& value);
    Integer DecPlaces() const { return FDecPlaces; }
    void SetDecPlaces(Integer value);
    bool Logarithmic() const { return FLogAx; }
    void SetLogarithmic(bool value);
    TFigType LabelType() const { return FLabelType; }
    void SetLabelType(TFigType value);
    TFont& Font() { return *FFont; }
    void SetFont(const TFont& value);
    Integer MinTicks() const { return FMinTicks; }
    void SetMinTicks(Integer value) { FMinTicks = value; Changed(); }
    double RangeLow() const { return FRangeLow; }
    void SetRangeLow(double value);
    double RangeHigh() const { return FRangeHigh; }
    void SetRangeHigh(double value);
    double Center() const { return (FRangeLow + FRangeHigh) / 2; }
    bool ShortTicks() const { return FShortTicks; }
    void SetShortTicks(bool value) { FShortTicks = value; Changed(); }
    String ScaleInscript() const { return FScaleInscript; }
    void SetScaleInscript(const String& value) { FScaleInscript = value; Changed(); }
    TScaleType ScaleType() const { return FScaleType; }
    void SetScaleType(TScaleType value) { FScaleType = value; Changed(); }
    Integer ScalePos() const;
    void SetScalePos(Integer value);
    double MinRange() const { return FMinRngDiff; }
    void SetMinRange(double value);
    TMouseActMode MouseAction() const { return FMouseAction; }
    void SetMouseAction(TMouseActMode value) { FMouseAction = value; Changed(); }
    String UserTickText() const { return FUserTickText; }
    void SetUserTickText(const String& value) { FUserTickText = value; Changed(); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; Changed(); }
    bool NotYetLoaded() const { return FNotYetLoaded; }
    void SetNotYetLoaded(bool value) { FNotYetLoaded = value; }

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    friend class TCustomDIzure;   // the range operations write the range fields directly
    String FCaption;
    Integer FCaptionPosX = 0, FCaptionPosY = 0;
    TAlignment FCaptAlign = taCenter;
    TScaleUnitAnchor FCaptAnchor = uaSclTopLft;
    TColor FColorScale = clBlack;
    std::unique_ptr<TDTLabel> FDTFormat;
    Integer FDecPlaces = -2;
    bool FLogAx = false;
    TFigType FLabelType = ftNum;
    std::unique_ptr<TFont> FFont;
    Integer FMinTicks = 3;
    bool FNotYetLoaded = true;
    double FRangeLow = 0;
    double FRangeHigh = 1;
    bool FShortTicks = true;
    String FScaleInscript;
    TScaleType FScaleType = sctXT;
    Integer FScalePosX = 0, FScalePosY = 0;
    double FMinRngDiff = 1e-10;
    TMouseActMode FMouseAction = maNone;
    String FUserTickText;
    bool FVisible = false;
};

class TScalePropsHoriz : public TScaleProps {
    DECLARE_CLASS(TScalePropsHoriz, TScaleProps)
public:
    TScalePropsHoriz();
    TScaleLocationHoriz ScaleLocation() const { return FScaleLoc; }
    void SetScaleLocation(TScaleLocationHoriz value);

private:
    TScaleLocationHoriz FScaleLoc = slBottom;
};

class TScalePropsVert : public TScaleProps {
    DECLARE_CLASS(TScalePropsVert, TScaleProps)
public:
    TScalePropsVert();
    TScaleLocationVert ScaleLocation() const { return FScaleLoc; }
    void SetScaleLocation(TScaleLocationVert value);

private:
    TScaleLocationVert FScaleLoc = slLeft;
};

// ---------------------------------------------------------------- layer joins, background

class TCustomDIzure;

// For each of the 16 layers, the layer whose x and y ranges govern it.
class TJointLayers : public TPersistent {
    DECLARE_CLASS(TJointLayers, TPersistent)
public:
    explicit TJointLayers(TCustomDIzure* AOwner);
    void Assign(TPersistent* Source) override;
    void ResetComp();
    // The layer whose x (y) axis governs layer 1..16; 0 for any other number.
    Integer XControlledBy(Integer layer) const { return layer >= 1 && layer <= 16 ? FMasterLayerX[layer] : 0; }
    Integer YControlledBy(Integer layer) const { return layer >= 1 && layer <= 16 ? FMasterLayerY[layer] : 0; }
    // Layer n (1..16; others are ignored) follows the x (y) axis of layer m; m = n releases the join.
    void SetXControlledBy(Integer n, Integer m) { Join(n, m, true); }
    void SetYControlledBy(Integer n, Integer m) { Join(n, m, false); }

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    void Join(Integer n, Integer m, bool xAxis);
    std::array<Integer, 17> FMasterLayerX{};
    std::array<Integer, 17> FMasterLayerY{};
    TCustomDIzure* FOwner;
};

enum TBGAreaMode {
    bamNone, bamLeft, bamRight, bamTop, bamBottom, bamVStripe, bamHStripe, bamRect, bamRectInv, bamVStripeInv,
    bamHStripeInv
};

// The picture behind the data area and a coloured background area in world coordinates.
class TBakGndImg : public TPersistent {
    DECLARE_CLASS(TBakGndImg, TPersistent)
public:
    void Assign(TPersistent* Source) override;
    void Changed();

    String Name() const { return FName; }
    void SetName(const String& value);
    bool IncludePath() const { return FIncldPath; }
    void SetIncludePath(bool value);
    TBkgFill FillMode() const { return FFillMode; }
    void SetFillMode(TBkgFill value) { FFillMode = value; Changed(); }
    TBGAreaMode AreaMode() const { return FBGAreaMode; }
    void SetAreaMode(TBGAreaMode value) { FBGAreaMode = value; Changed(); }
    TColor AreaColor() const { return FBGAreaColor; }
    void SetAreaColor(TColor value) { FBGAreaColor = value; Changed(); }
    double AreaLeft() const { return FBGAreaLeft; }
    void SetAreaLeft(double value) { FBGAreaLeft = value; Changed(); }
    double AreaRight() const { return FBGAreaRight; }
    void SetAreaRight(double value) { FBGAreaRight = value; Changed(); }
    double AreaTop() const { return FBGAreaTop; }
    void SetAreaTop(double value) { FBGAreaTop = value; Changed(); }
    double AreaBottom() const { return FBGAreaBottom; }
    void SetAreaBottom(double value) { FBGAreaBottom = value; Changed(); }

    TNotifyEvent OnChange;

protected:
    void AssignTo(TPersistent* Dest) override;

private:
    String FName;
    bool FIncldPath = false;
    TBkgFill FFillMode = bfStretch;
    TBGAreaMode FBGAreaMode = bamNone;
    TColor FBGAreaColor = 14540253;
    double FBGAreaLeft = -1, FBGAreaRight = 1, FBGAreaTop = 1, FBGAreaBottom = -1;
};

double GridMax(double a, double b);
double GridMin(double a, double b);
Integer GridCeil(double x);
Integer GridFloor(double x);
// Clamps both coordinates to -30000..30000; true when either changed.
bool ClampCoord(Integer& x, Integer& y);

// ---------------------------------------------------------------- items

enum TrcItem : Byte {
    tkNone, tkMarkAt, tkLine, tkLineto, tkRect, tkRectFrame, tk3DBar, tkText, tkMoveTo, tkEllipse,
    tkEverything, tkNotMoveTo, tkMoveRelPix, tkLineRelPix, tkArrow, tkDoubleArrow, tkTextOfs, tkRectRelPix,
    tkMarkEBar, tkLineOffs, tkArc, tkLineRelPixOrig, tkCursorVert, tkCursorHoriz
};
constexpr int NumItemKinds = 24;

enum TCoordMode : Byte {
    cmAllWorld, cmAllScreen, cmWorldMainScreenSec, cmScreenMainWorldSec, cmXScreenYWorld, cmXWorldYScreen
};
enum TTextBkg { tbClear, tbSolid };

// One drawing item; its 104 bytes are written to the chart files as they lie in memory.
struct TrcChartItem {
    double x = 0, y = 0, x2 = 0, y2 = 0;
    TColor Color = 0;
    TColor FillColor = 0;
    TColor ShadowColor = 0;
    TColor HiLightColor = 0;
    Byte PenStyle = 0;   // TPenStyle
    Byte Pad1[3] = {};
    Integer Tag = 0;
    Integer LWid = 0;    // pen width; for texts the long-text number
    Byte ItemClass = 0;
    TrcItem ItemKind = tkNone;
    Byte Pad2[2] = {};
    Integer Layer = 0;
    bool Transp = false;
    TFrameStyle FrameStyle = fsNone;
    ShortString<15> Text;
    Byte Pad3[2] = {};
    Integer Param1 = 0, Param2 = 0, Param3 = 0;
    TCoordMode CoordMode = cmAllWorld;
    Byte Pad4[3] = {};
};
static_assert(sizeof(TrcChartItem) == 104);
static_assert(offsetof(TrcChartItem, Tag) == 52 && offsetof(TrcChartItem, ItemKind) == 61);
static_assert(offsetof(TrcChartItem, Layer) == 64 && offsetof(TrcChartItem, Text) == 70);
static_assert(offsetof(TrcChartItem, Param1) == 88 && offsetof(TrcChartItem, CoordMode) == 100);

using TRcItemContainer = DynArray<TrcChartItem>;

// ---------------------------------------------------------------- chart

enum GridStyleType { gsNone, gsPoints, gsVertLines, gsHorizLines, gsLines, gsHorizDotLines, gsVertDotLines, gsDotLines };
enum TrcLayout {
    rcl_X1Bottom_Y1Left, rcl_X1Bottom_Y2Left, rcl_X1Bottom_Y3Left, rcl_X1Bottom_Y4Left, rcl_X1Bottom_Y2Both,
    rcl_X2Bottom_Y2Left, rcl_X2Both_Y2Both
};
enum TCaptionAnchorHoriz { cahControlLeft, cahChartLeft, cahChartCenter, cahChartRight, cahControlRight };
enum TCaptionAnchorVert { cavControlTop, cavChartTop, cavChartCenter, cavChartBottom, cavControlBottom };

// Sender, Canvas, Top, Left.
using TRenderEvent = TEvent<TObject*, TCanvas*, Integer, Integer>;
// Sender, ChartItem (may be changed), Index, IsAnnotation.
using TBeforeRenderItemEvent = TEvent<TObject*, TrcChartItem&, Integer, bool>;
// Sender, Text (may be changed), Index, IsAnnotation.
using TBeforeRenderTextEvent = TEvent<TObject*, String&, Integer, bool>;

// Sender, InChart, Shift, rMousePosX, rMousePosY.
using TMouseMoveInChartEvent = TEvent<TObject*, bool, TShiftState, double, double>;
// Sender, WhichCrossHair, dx, dy, AllowMove (may be cleared).
using TBeforeCrossHairMoveEvent = TEvent<TObject*, TCrossHair*, Integer, Integer, bool&>;
// Sender, WhichCrossHair.
using TCrossHairMoveEvent = TEvent<TObject*, TCrossHair*>;
// Sender, WhichTextLabel.
using TTextLabelMoveEvent = TEvent<TObject*, TTextLabel*>;

class TCustomDIzure : public TCustomControl {
    DECLARE_CLASS(TCustomDIzure, TCustomControl)
public:
    explicit TCustomDIzure(TComponent* AOwner);
    ~TCustomDIzure() override;
    void ResetComp();
    void Loaded() override;
    void SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight) override;
    // From another chart: its whole state (lists, layers, axes, settings and handlers).
    void Assign(TPersistent* Source) override;

    // ---- geometry
    // The control's own surface while it has no window: every paint ends there.
    TBitmap& Surface() { return FSurface; }
    Integer MarginLeft() const { return RcLRim; }
    void SetMarginLeft(Integer value);
    Integer MarginRight() const { return RcRRim; }
    void SetMarginRight(Integer value);
    Integer MarginTop() const { return RcTRim; }
    void SetMarginTop(Integer value);
    Integer MarginBottom() const { return RcBRim; }
    void SetMarginBottom(Integer value);
    Integer ShadowWidth() const { return F3DRim; }
    void SetShadowWidth(Integer value);
    TShadowStyle ShadowStyle() const { return RcShadowStyle; }
    void SetShadowStyle(TShadowStyle value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value) { FShadowColor = value; RepaintRule(); }
    TColor ShadowBakColor() const { return RcShadowBakCol; }
    void SetShadowBakColor(TColor value) { RcShadowBakCol = value; RepaintRule(); }
    TBitmap& ChartBmp() { return FChartBmp; }
    TBitmap& GrafBmp() { return FGrafBmp; }

    // ---- layers, axes and transforms
    // The axis settings of layer sclix (1..16); those of layer 1 for any other number.
    TScalePropsHoriz& GetScalePropsX(Integer sclix) { return *FScalePropsX[LayerOrFirst(sclix)]; }
    TScalePropsVert& GetScalePropsY(Integer sclix) { return *FScalePropsY[LayerOrFirst(sclix)]; }
    // Layer sclix (1..16) takes a copy of the settings x, keeping its own notification;
    // other numbers change nothing.
    void SetScalePropsX(Integer sclix, TScaleProps* x);
    void SetScalePropsY(Integer sclix, TScaleProps* x);
    TScalePropsHoriz& Scale1X() { return GetScalePropsX(1); }
    TScalePropsVert& Scale1Y() { return GetScalePropsY(1); }
    // The axis controls of layer 1..16 (layer 1 for any other number).
    TScale& ScaleControlX(Integer layer) { return *FScaleX[LayerOrFirst(layer)]; }
    TScale& ScaleControlY(Integer layer) { return *FScaleY[LayerOrFirst(layer)]; }
    Integer ActiveLayer() const { return FActiveLayer; }
    void SetActiveLayer(Integer value);
    virtual void CalcLayerTransforms();
    void R2M(Integer Layer, double xin, double yin, Integer& xout, Integer& yout) const;
    void M2R(Integer Layer, Integer xin, Integer yin, double& xout, double& yout) const;
    void GetTransformParams(Integer Layer, double& kx, double& dx, double& ky, double& dy) const;
    Integer TickNumX() const;
    Integer TickNumY() const;
    double GetTickPosX(Integer ix) const;
    double GetTickPosY(Integer ix) const;
    bool Isometric() const { return FIsometric; }
    void SetIsometric(bool value);
    TJointLayers& JointLayers() { return *FJointLayers; }
    // Joins the layers as value joins them (this chart's ranges follow), then repaints.
    void SetJointLayers(const TJointLayers& value);
    TBakGndImg& BackGroundImg() { return *FBakGndFile; }
    void SetBackGroundImg(TBakGndImg& value);
    // Crosshair 1..4 (crosshair 1 for any other number); writing copies the settings.
    TCrossHair& CrossHair(Integer n) { return *FCrossHair[n >= 1 && n <= 4 ? n : 1]; }
    void SetCrossHair(Integer n, TCrossHair* value);
    // Text label 1..30; EVEZDIzureError for any other number.  Writing copies the settings.
    TTextLabel& GetFTextLabel(Integer ix);
    void SetFTextLabel(Integer ix, TTextLabel* value);

    // ---- zoom history
    void PushZoomHistory();
    void ZoomHistory(Integer Index);
    void ClearZoomHistory();
    bool GetZoomStackEntry(Integer Layer, Integer StackIx, TRectDouble& entry) const;

    // ---- data sharing
    TCustomDIzure* UseDataOf() const { return FUseDataOf; }
    void SetUseDataOf(TCustomDIzure* value);
    void PropagateSharedData();

    // ---- colours and drawing state
    TColor ChartColor() const { return FChartColor; }
    void SetChartColor(TColor value) { FChartColor = value; RepaintRule(); }
    TColor ChartFrameColor() const { return FChartFrameColor; }
    void SetChartFrameColor(TColor value) { FChartFrameColor = value; RepaintRule(); }
    TColor WindColor() const { return FWindColor; }
    void SetWindColor(TColor value) { FWindColor = value; RepaintRule(); }
    TColor GridColor() const { return FGridColor; }
    void SetGridColor(TColor value) { FGridColor = value; RepaintRule(); }
    GridStyleType GridStyle() const { return RcGridStyle; }
    void SetGridStyle(GridStyleType value) { RcGridStyle = value; RepaintRule(); }
    double GridDx() const { return RcGridDx; }
    void SetGridDx(double value);
    double GridDy() const { return RcGridDy; }
    void SetGridDy(double value);
    TColor DataColor() const { return RcDataCol; }
    void SetDataColor(TColor value) { RcDataCol = value; }
    TColor FillColor() const { return RcFillCol; }
    void SetFillColor(TColor value) { RcFillCol = value; }
    TPenStyle PenStyle() const { return RcPenStyle; }
    void SetPenStyle(TPenStyle value) { RcPenStyle = value; }
    Byte LineWidth() const { return RcLineWid; }
    void SetLineWidth(Byte value) { RcLineWid = value; }
    Integer DataTag() const { return FDataTag; }
    void SetDataTag(Integer value) { FDataTag = value; }
    Byte ClassDefault() const { return RcClassDefault; }
    void SetClassDefault(Byte value) { if (value != 255) RcClassDefault = value; }
    bool TransparentItems() const { return FTranspItems; }
    void SetTransparentItems(bool value) { FTranspItems = value; }
    TTextBkg TextBkStyle() const { return FTextBkStyle; }
    void SetTextBkStyle(TTextBkg value) { FTextBkStyle = value; }
    TAlignment TextAlignment() const { return FTextAlignment; }
    void SetTextAlignment(TAlignment value) { FTextAlignment = value; RepaintRule(); }
    TFont& TextFont() { return FTextFont; }
    void SetTextFont(const TFont& value);
    TFontStyles TextFontStyle() const { return FTextFont.Style(); }
    void SetTextFontStyle(TFontStyles value) { FTextFont.SetStyle(value); }
    bool AutoRedraw() const { return FAutoRedraw; }
    void SetAutoRedraw(bool value) { FAutoRedraw = value; }
    bool SuppressPaint() const { return FSuppressPaint; }
    virtual void SetSuppressPaint(bool value);
    bool AvoidDuplicateMarks() const { return FAvoidDupMarks; }
    void SetAvoidDuplicateMarks(bool value);
    Integer MinDupMarkDist() const { return FMinDupMarkDist; }
    void SetMinDupMarkDist(Integer value);
    TMouseActMode MouseAction() const { return RcMouseAction; }
    void SetMouseAction(TMouseActMode value) { RcMouseAction = value; }

    // ---- caption
    String Caption() const { return FCaption; }
    void SetCaption(const String& value) { FCaption = value; RepaintRule(); }
    Integer CaptionPosX() const { return FCaptionPosX; }
    void SetCaptionPosX(Integer value) { FCaptionPosX = value; RepaintRule(); }
    Integer CaptionPosY() const { return FCaptionPosY; }
    void SetCaptionPosY(Integer value) { FCaptionPosY = value; RepaintRule(); }
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void SetCaptionAlignment(TAlignment value) { FCaptionAlignment = value; RepaintRule(); }
    TCaptionAnchorHoriz CaptionAnchorHoriz() const { return FCaptionAnchorHoriz; }
    void SetCaptionAnchorHoriz(TCaptionAnchorHoriz value) { FCaptionAnchorHoriz = value; RepaintRule(); }
    TCaptionAnchorVert CaptionAnchorVert() const { return FCaptionAnchorVert; }
    void SetCaptionAnchorVert(TCaptionAnchorVert value) { FCaptionAnchorVert = value; RepaintRule(); }
    Integer CaptionTrim() const { return FCaptionTrim; }
    void SetCaptionTrim(Integer value);

    // ---- display lists (VEZ_dizure_items.cpp)
    Integer AllocSize() const { return FAllocSize; }
    void SetAllocSize(Integer value) { if (value >= 1 && value <= 1000000) FAllocSize = value; }
    bool AnnoMode() const { return FAnnoMode; }
    void SetAnnoMode(bool value) { FAnnoMode = value; RepaintRule(); }
    bool AnnosVisible() const { return FAnnosVisible; }
    void SetAnnosVisible(bool value) { FAnnosVisible = value; RepaintRule(); }
    bool AnnoBelowChart() const { return FAnnoBelowChart; }
    void SetAnnoBelowChart(bool value) { FAnnoBelowChart = value; RepaintRule(); }
    bool AnnoTextOnTop() const { return FAnnoTextOnTop; }
    void SetAnnoTextOnTop(bool value) { FAnnoTextOnTop = value; RepaintRule(); }
    Integer NumItems() const { return FNumChartItems; }
    Integer NumAnnos() const { return FNumAnnoItems; }
    Integer NumAllocData() const { return FNumAllocData; }
    Integer DataArrayLength() const { return FDataContainer.Length(); }
    TrcChartItem GetChartItem(Integer idx) const;
    void SetChartItem(Integer idx, const TrcChartItem& item);
    TrcChartItem GetAnnoItem(Integer idx) const;
    void SetAnnoItem(Integer idx, const TrcChartItem& item);
    String GetDataLongText(Integer idx) const;
    String GetAnnoLongText(Integer idx) const;
    void SetDataLongText(Integer idx, const String& txt);
    void SetAnnoLongText(Integer idx, const String& txt);
    Integer GetItemCount(TrcItem it) const { return FItemCount[it]; }
    TrcItem TypeOfFirstItem() const;
    TrcItem TypeOfLastItem() const;
    void ClearGraf();
    void ClearAnnotations();
    void RemoveItem(Integer Index);
    void RemoveFirstItem() { RemoveItem(0); }
    void RemoveLastItem();
    void RemoveAnnoItem(Integer Index);
    Integer RemoveItemsByClass(Byte ClassNumber);
    Integer RemoveItemsByLayer(Integer Layer);
    TrcChartItem GetItemParams(Integer Item) const { return GetChartItem(Item); }
    void SetItemParams(Integer Item, const TrcChartItem& ItParams);
    bool GetClassVisib(Byte cnum) const { return FItClassVisib[cnum]; }
    void SetClassVisib(Byte cnum, bool value);
    bool GetAnnoClassVisib(Byte cnum) const { return FAnnoClassVisib[cnum]; }
    void SetAnnoClassVisib(Byte cnum, bool value);
    bool GetLayerVisib(Integer Layer) const { return Layer >= 1 && Layer <= 16 && FLayerVisib[Layer]; }
    void SetLayerVisib(Integer Layer, bool value);

    // ---- drawing operations: each appends one item (VEZ_dizure_items.cpp)
    void MoveTo(double x, double y);
    void MoveTo(Integer x, Integer y);
    void MoveTo(Integer x, double y);
    void MoveTo(double x, Integer y);
    void DrawTo(double x, double y);
    void DrawTo(Integer x, Integer y);
    void DrawTo(Integer x, double y);
    void DrawTo(double x, Integer y);
    void MoveToRelPix(Integer dx, Integer dy);
    void DrawToRelPix(Integer dx, Integer dy);
    void DrawToRelPix(double x, double y, Integer dx, Integer dy);
    void MarkAt(double x, double y, Byte mk);
    void MarkAt(Integer x, Integer y, Byte mk);
    void MarkErrorBar(double x, double y, double dlower, double dupper, TOrientation Dir, Byte mk);
    void Text(double x, double y, Integer size, const String& txt);
    void Text(Integer x, Integer y, Integer size, const String& txt);
    void Text(Integer x, double y, Integer size, const String& txt);
    void Text(double x, Integer y, Integer size, const String& txt);
    void Text(double x, double y, Integer size, const String& txt, Integer dx, Integer dy, TAlignment Alignment);
    void Line(double x1, double y1, double x2, double y2);
    void Line(Integer x1, Integer y1, Integer x2, Integer y2);
    void Line(Integer x1, Integer y1, double x2, double y2);
    void Line(double x1, double y1, Integer x2, Integer y2);
    void LineOffset(double x1, double y1, double x2, double y2, Integer dx, Integer dy);
    void Rectangle(double x1, double y1, double x2, double y2);
    void Rectangle(Integer x1, Integer y1, Integer x2, Integer y2);
    void Rectangle(Integer x1, Integer y1, double x2, double y2);
    void Rectangle(double x1, double y1, Integer x2, Integer y2);
    void RectangleRelPix(double centx, double centy, Integer dx, Integer dy);
    void RectFrame(double x1, double y1, double x2, double y2, TFrameStyle FrameStyle, TColor ShadowColor,
                   TColor HiLightColor);
    void RectFrame(Integer x1, Integer y1, Integer x2, Integer y2, TFrameStyle FrameStyle, TColor ShadowColor,
                   TColor HiLightColor);
    void RectFrame(Integer x1, Integer y1, double x2, double y2, TFrameStyle FrameStyle, TColor ShadowColor,
                   TColor HiLightColor);
    void RectFrame(double x1, double y1, Integer x2, Integer y2, TFrameStyle FrameStyle, TColor ShadowColor,
                   TColor HiLightColor);
    void Bar3D(double llx, double lly, double urx, double ury, Integer Depth, Integer Angle);
    void Ellipse(double cx, double cy, double HorizAxLeng, double VertAxLeng);
    void Arc(double cx, double cy, double HorizAxLeng, double VertAxLeng, double Angle1, double Angle2);
    void Arrow(double x1, double y1, double x2, double y2, Integer HeadSize);
    void Arrow(Integer x1, Integer y1, Integer x2, Integer y2, Integer HeadSize);
    void Arrow(double x1, double y1, Integer x2, Integer y2, Integer HeadSize);
    void Arrow(Integer x1, Integer y1, double x2, double y2, Integer HeadSize);
    void Arrow(Integer x1, double y1, Integer x2, double y2, Integer HeadSize);
    void Arrow(double x1, Integer y1, double x2, Integer y2, Integer HeadSize);
    void DoubleArrow(double x1, double y1, double x2, double y2, Integer HeadSize);
    void DoubleArrow(Integer x1, Integer y1, Integer x2, Integer y2, Integer HeadSize);
    void DoubleArrow(double x1, double y1, Integer x2, Integer y2, Integer HeadSize);
    void DoubleArrow(Integer x1, Integer y1, double x2, double y2, Integer HeadSize);
    void DoubleArrow(Integer x1, double y1, Integer x2, double y2, Integer HeadSize);
    void DoubleArrow(double x1, Integer y1, double x2, Integer y2, Integer HeadSize);
    void CursorVert(double x);
    void CursorVert(Integer x);
    void CursorHoriz(double y);
    void CursorHoriz(Integer y);

    // ---- painting (VEZ_dizure_paint.cpp)
    void Paint() override;
    void ShowGraf();
    void ShowGrafNewOnly();
    void DrawChartFrame(TCanvas& canvas);
    virtual void PaintChartBackground(TCanvas& canvas, Integer offX, Integer height, Integer width, Integer offY);
    virtual void RenderItemsToBitmap(TBitmap& bitmap, Integer offX, Integer skipGrid, bool BlkWhite, Integer offY);
    virtual void RenderItems(TCanvas& canvas, Integer offX, Integer skipGrid, bool BlkWhite, Integer offY);
    void DrawCrossHairs(Integer offX, Integer offY, TBitmap& bitmap);
    void CrossHairSetPos(Integer chnum, double x, double y);
    void CrossHairSetup(Integer ch, TColor chColor, TCrossHMode Mode, TPenStyle LineType, Integer LineWidth);
    double GetCHPosX(Integer chnum) const;
    double GetCHPosY(Integer chnum) const;
    void SetCHPosX(Integer chnum, double value);
    void SetCHPosY(Integer chnum, double value);
    Integer AddTextLabel(double PosX, double PosY, TColor TxtColor, const String& Txt, Integer PropertyTemplate);
    void SetTextLabel(Integer Idx, double PosX, double PosY, TColor TxtColor, const String& Txt,
                      Integer PropertyTemplate);
    void HideAllTextLabels();
    void ClearAllTextLabels();
    Integer NumMTracePoints() const { return FNumMTrace; }
    TColoredPoint GetMTracePoint(Integer idx) const;
    void ClearMouseTrace();

    // ---- ranges and layouts (VEZ_dizure_range.cpp)
    void SetRange(Integer Layer, Extended xLo, Extended yLo, Extended xHi, Extended yHi);
    void SetEqualRange(const std::vector<Integer>& layers);
    void SetEqualRangeXOnly(const std::vector<Integer>& layers);
    void SetEqualRangeYOnly(const std::vector<Integer>& layers);
    void AutoRange(Integer Layer, double Margin) { AutoRange(Layer, Margin, 0); }
    void AutoRange(Integer Layer, double Margin, double MinRange);
    void AutoRangeXOnly(Integer Layer, double Margin) { AutoRangeXOnly(Layer, Margin, 0); }
    void AutoRangeXOnly(Integer Layer, double Margin, double MinRange);
    void AutoRangeYOnly(Integer Layer, double Margin) { AutoRangeYOnly(Layer, Margin, 0); }
    void AutoRangeYOnly(Integer Layer, double Margin, double MinRange);
    void ConfineZoomRange(double xLo, double yLo, double xHi, double yHi);
    void ApplyLayerRange(Integer layer, bool PushHistory, Extended xLo, Extended yLo, Extended xHi, Extended yHi,
                         bool Confine);
    void ApplyRangeWithJoints(Integer layer, bool PushHistory, Extended xLo, Extended yLo, Extended xHi,
                              Extended yHi, bool Confine);
    void FindLayerExtent(Integer layer, double Margin, double MinRange, double& minX, double& minY, double& maxX,
                         double& maxY) const;
    TrcLayout StandardLayout() const { return FStdLayout; }
    void SetStandardLayout(TrcLayout value);

    // ---- mouse (VEZ_dizure_mouse.cpp)
    bool MouseCursorFixed() const { return FMCurFixed; }
    void SetMouseCursorFixed(bool value) { FMCurFixed = value; }
    bool GetMAffLayer(Integer layer) const { return layer >= 1 && layer <= 16 && FMouseAffLayer[layer]; }
    void SetMAffLayer(Integer layer, bool value) { if (layer >= 1 && layer <= 16) FMouseAffLayer[layer] = value; }
    double PanGridDx() const { return FPanGridDx; }
    void SetPanGridDx(double value) { FPanGridDx = value; }
    double PanGridDy() const { return FPanGridDy; }
    void SetPanGridDy(double value) { FPanGridDy = value; }
    double PanGridOffsX() const { return FPanGridOffsX; }
    void SetPanGridOffsX(double value) { FPanGridOffsX = value; }
    double PanGridOffsY() const { return FPanGridOffsY; }
    void SetPanGridOffsY(double value) { FPanGridOffsY = value; }
    TColor MouseTraceColor() const { return FColorMTrace; }
    void SetMouseTraceColor(TColor value) { FColorMTrace = value; }
    bool MouseTraceInvert() const { return FMTraceInvert; }
    void SetMouseTraceInvert(bool value) { FMTraceInvert = value; }
    double MousePosX() const { return FMousePosX; }
    double MousePosY() const { return FMousePosY; }
    TZoomState ZoomState() const { return FZoomState; }
    bool MouseBox(double& xLo, double& yLo, double& xHi, double& yHi);
    void MouseBoxAbort();
    Integer DetectScale(Integer CoordX, Integer CoordY) const;
    // The screen cursors of the mouse modes: 1 hand, 2 zoom window, 3 drag zoom, 4 zoom window by position.
    static TCursor ChartCursor(Integer index);

    TMouseMoveInChartEvent OnMouseMoveInChart;
    TZoomPanEvent OnZoomPan;
    TSelectRectEvent OnRubberBand;
    TSelectRectEvent OnSelectRect;
    TBeforeCrossHairMoveEvent OnBeforeCrossHairMove;
    TCrossHairMoveEvent OnCrossHairMove;
    TTextLabelMoveEvent OnTextLabelMove;

    // ---- export and printing (VEZ_dizure_export.cpp)
    void CopyToClipboard(bool BlkWhite, bool IncludeCrossHairs = false);
    void CopyToClipboardDAOnly(bool BlkWhite, bool IncludeCrossHairs = false);
    void CopyToBitmap(TBitmap* ABitmap, bool BlkWhite, bool IncludeCrossHairs = false);
    void CopyToBitmapDAOnly(TBitmap* ABitmap, bool BlkWhite, bool IncludeCrossHairs = false);
    void CopyToBMP(const String& FName, bool BlkWhite);
    void CopyToWMF(const String& FName, bool BlkWhite);
    void CopyToClipboardWMF(bool BlkWhite);
    void PrintIt(double ScaleF, bool BlkWhite);
    void CopyToOpenPrinter(Integer& x, Integer& y, double ScaleF, bool BlkWhite);

    // ---- chart files (VEZ_dizure_files.cpp)
    void SaveData(const String& FName);
    void SaveAnno(const String& FName);
    Integer LoadData(const String& FName, bool AppendIt);
    Integer LoadAnno(const String& FName, bool AppendIt);
    void SaveDataASC(const String& FName);

    // ---- item queries and bulk edits (VEZ_dizure_query.cpp)
    Integer SearchDataItem(Integer StartIx, Integer Tag, Integer TagMask, Byte ItemClass, TrcItem ItemKind) const;
    Integer SearchAnnoItem(Integer StartIx, Integer Tag, Integer TagMask, Byte ItemClass, TrcItem ItemKind) const;
    Integer CountAnnos(Integer Tag, Integer TagMask, Byte ItemClass, TrcItem ItemKind) const;
    Integer CountAnnoByClass(const std::vector<Byte>& ClList) const;
    void FindMinMax(Integer Layer, double RangeLoX, double RangeLoY, double RangeHiX, double RangeHiY, double& MinX,
                    double& MinY, double& MaxX, double& MaxY) const;
    Cardinal FindUsedLayers() const;
    Integer FindNearestItemReal(double mx, double my, TrcItem ItemID, Byte ClassNumber, bool VisLayersOnly,
                                double& Dist) const;
    Integer FindNearestItemReal(double mx, double my, TrcItem ItemID, Byte ClassNumber, double& Dist) const
    {
        return FindNearestItemReal(mx, my, ItemID, ClassNumber, false, Dist);
    }
    Integer FindNearestItemScreen(double mx, double my, TrcItem ItemID, Byte ClassNumber, bool VisLayersOnly,
                                  double& Dist) const;
    Integer FindNearestItemScreen(double mx, double my, TrcItem ItemID, Byte ClassNumber, double& Dist) const
    {
        return FindNearestItemScreen(mx, my, ItemID, ClassNumber, false, Dist);
    }
    Integer FindNearestItemAlongAxis(double pos, TAxis Axis, TrcItem ItemID, Byte ClassNumber, bool VisLayersOnly,
                                     double& dist) const;
    Integer FindNearestItemAlongAxis(double pos, TAxis Axis, TrcItem ItemID, Byte ClassNumber, double& dist) const
    {
        return FindNearestItemAlongAxis(pos, Axis, ItemID, ClassNumber, false, dist);
    }
    Integer FindNearestAnnoElem(double mx, double my, TrcItem ItemID, Byte ClassNumber, bool VisLayersOnly,
                                double& Dist);
    void MarkAllItems(TrcItem ItemID, Byte ClassNumber);
    Integer MarkItemsInWindow(double xLo, double YLo, double XHi, double YHi, TrcItem ItemID, Byte ClassNumber);
    void ScaleItem(Integer Item, double kx, double dx, double ky, double dy);
    void ScaleAllItems(double kx, double dx, double ky, double dy);
    void ScaleSelectedItems(double kx, double dx, double ky, double dy, Byte ClassNumber);
    void NewColorOfClassItems(TColor Newcol, Byte ClassNumber);
    void CopyAnnoFrom(TCustomDIzure* SrcChart, const std::vector<Byte>& ClassFilter, bool AppendIt);

    TRenderEvent OnScalesRendered;
    TRenderEvent OnBeforeRenderData;
    TRenderEvent OnDataRendered;
    TBeforeRenderItemEvent OnBeforeRendedIzureItem;
    TBeforeRenderTextEvent OnBeforeRenderText;
    TScaleTickDrawnEvent OnScaleTickDrawn;
    TBeforeTickLabelEvent OnBeforeTickLabel;

protected:
    void AssignTo(TPersistent* Dest) override;
    static Integer LayerOrFirst(Integer layer) { return layer >= 1 && layer <= 16 ? layer : 1; }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    // Repaints when AutoRedraw is set or the chart is being designed.
    void RepaintRule();

    // Mouse handlers (VEZ_dizure_mouse.cpp).
    void MouseDown(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void MouseMove(TShiftState Shift, Integer X, Integer Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y) override;
    void DblClick() override;

    void WMGetDlgCode(TMessage& message);
    // Shows that part of the chart bitmap on the control, at the same place.
    void ShowOnControl(const TRect& area);
    // Copies the data-area bitmap into the chart bitmap at the margins, draws the crosshairs
    // over it and shows that part of the chart bitmap.  The crosshairs never enter the
    // data-area bitmap, so that the next copy takes them away.
    void ShowWithCrossHairs(const TRect& area);

private:
    friend class TItemRenderer;
    void ScalePropsChanged(TObject* Sender);
    void ObjectChanged(TObject* Sender);
    void ScaleTickDrawnRelay(TObject* Sender, TCanvas* Canvas, TScaleType ScaleType, double pos, Integer x, Integer y);
    void BeforeTickLabelRelay(TObject* Sender, TScaleType ScaleType, double pos, String& text);
    void SyncScaleWithProps(Integer layer);
    void SetAxisMargins(Integer layer);
    void ResizeGrafBmp();
    void RecentreIsometric(Integer layer);
    double IsometricHalfSpan(double xLo, double xHi) const;
    void SetMargin(Integer& field, Integer value);
    TrcChartItem& NewItem(TrcItem kind, TCoordMode mode);
    void AppendDone(const TrcChartItem& item);
    void StoreText(TrcChartItem& item, const String& txt, bool annotation);
    void AppendText(TrcItem kind, TCoordMode mode, double x, double y, Integer size, const String& txt, Integer dx,
                    Integer dy, TAlignment alignment);
    void AppendTwoPoints(TrcItem kind, TCoordMode mode, double x1, double y1, double x2, double y2);
    void AppendArrow(TrcItem kind, TCoordMode mode, double x1, double y1, double x2, double y2, Integer head);
    void AppendRectFrame(TCoordMode mode, double x1, double y1, double x2, double y2, TFrameStyle style,
                         TColor shadow, TColor hilight);
    void EmptyDataList();
    void RenderDataArea();
    TRect DataAreaRect() const;
    void DrawTextLabels(TCanvas& canvas, Integer offX, Integer offY);
    void DrawMouseTrace(TCanvas& canvas, Integer offX, Integer offY);
    void DrawGrid(TCanvas& canvas, Integer offX, Integer offY);
    void FitLayer(Integer layer, double Margin, double MinRange, bool xAxis, bool yAxis);

    // mouse, export and files (VEZ_dizure_mouse.cpp, VEZ_dizure_export.cpp, VEZ_dizure_files.cpp)
    TCanvas& ControlCanvas();
    bool InDataArea(Integer X, Integer Y) const;
    void ClampToDataArea(Integer& X, Integer& Y) const;
    void StoreAnchors(Integer X, Integer Y);
    void XorFigure(bool line, Integer x1, Integer y1, Integer x2, Integer y2);
    bool DragAxes(Integer X, Integer Y);
    void PanLayers(Integer X, Integer Y);
    void DragZoomLayers(Integer X, Integer Y);
    void DragCrossHair(Integer X, Integer Y);
    void DragTextLabel(Integer X, Integer Y);
    void AddTracePoint(Integer X, Integer Y);
    void FinishWindow(TMouseButton Button);
    void UpdateMouseCursor(Integer X, Integer Y);
    void AxesDrawOn(TCanvas& canvas);
    void SetBlackAndWhite(bool on);
    void RenderWholeControl(bool BlkWhite, bool IncludeCrossHairs);
    void RenderDataAreaOnly(TBitmap& bmp, bool BlkWhite, bool IncludeCrossHairs);
    void RenderMetafile(TMetafile& mf, bool BlkWhite, bool forClipboard);
    void PrintOnCanvas(TCanvas& canvas, Integer originX, Integer originY, double ScaleF, bool BlkWhite);
    void SaveList(const String& FName, bool annotations);
    Integer LoadList(const String& FName, bool AppendIt, bool annotations);
    TPoint AnnoPoint(const TrcChartItem& it, bool second) const;
    double AnnoMeasure(const TrcChartItem& it, Integer index, double mx, double my, TPoint m);

    bool FMCurFixed = true;
    Integer FMAnchorScrX = 0, FMAnchorScrY = 0;
    std::array<double, 17> FMAnchorRcLoX{}, FMAnchorRcHiX{}, FMAnchorRcLoY{}, FMAnchorRcHiY{};
    bool LButtonWasDown = false;   // an axis drag is under way
    bool FDragStarted = false;     // a pan, drag zoom or label/crosshair drag has its anchors
    TZoomState FZoomState = zsNormal;
    Integer WindAnchorX = 0, WindAnchorY = 0, WindOldCornerX = 0, WindOldCornerY = 0;
    TMouseBoxState MouseBoxState = msNormal;
    Integer MouseBoxX1 = 0, MouseBoxY1 = 0, MouseBoxX2 = 0, MouseBoxY2 = 0;
    Integer LastMouseX = 0, LastMouseY = 0;
    double FMousePosX = 0, FMousePosY = 0;
    bool FWasDblClk = false, MouseMoveActive = false;
    Integer CHNext = 1, TLNext = 1;
    double FPanGridDx = 1, FPanGridDy = 1, FPanGridOffsX = 0, FPanGridOffsY = 0;
    struct TColourBackup {
        TColor Window, Frame, Chart, Font, Shadow, ShadowBgnd;
        std::array<TColor, 17> ScalesX, ScalesY, SclFontX, SclFontY;
    } ColBak{};

    // geometry
    TBitmap FSurface;
    Integer RcLRim = 50, RcRRim = 10, RcTRim = 16, RcBRim = 32;
    Integer F3DRim = 0;
    TShadowStyle RcShadowStyle = ssFlying;
    TColor FShadowColor = clGrayText;
    TColor RcShadowBakCol = clBtnFace;

    // layers
    std::array<std::unique_ptr<TScalePropsHoriz>, 17> FScalePropsX;
    std::array<std::unique_ptr<TScalePropsVert>, 17> FScalePropsY;
    std::array<std::unique_ptr<TScale>, 17> FScaleX;
    std::array<std::unique_ptr<TScale>, 17> FScaleY;
    std::array<Extended, 17> Cpkx{}, Cpdx{}, Cpky{}, Cpdy{};
    std::array<std::array<TRectDouble, 17>, 17> FZoomStack{};   // [layer][slot 1..16]
    Integer FZStackPoi = 1;
    std::array<bool, 17> FLayerVisib{};
    std::array<bool, 17> FMouseAffLayer{};
    Integer FActiveLayer = 1;
    std::unique_ptr<TJointLayers> FJointLayers;
    std::unique_ptr<TBakGndImg> FBakGndFile;
    std::array<std::unique_ptr<TCrossHair>, 5> FCrossHair;
    std::array<std::unique_ptr<TTextLabel>, 31> FTextLabels;
    TBitmap FChartBmp, FGrafBmp, AuxBmp;
    double Fxasp = 0, Fyasp = 0;
    TFont FTextFont;
    std::array<Extended, 4> FZoomRange{};   // xLo, yLo, xHi, yHi
    bool FSuppressPaint = true;
    bool FAutoRedraw = true;
    bool FIsometric = false;
    TCustomDIzure* FUseDataOf = nullptr;
    std::array<TCustomDIzure*, 4> FDataUsers{};
    Integer FDataUsersNum = 0;

    // colours, grid, caption
    TColor FChartColor = clWhite, FChartFrameColor = clBlack, FWindColor = clBtnFace, FGridColor = clBlack;
    GridStyleType RcGridStyle = gsNone;
    double RcGridDx = 0, RcGridDy = 0;
    TrcLayout FStdLayout = rcl_X1Bottom_Y1Left;
    String FCaption;
    Integer FCaptionPosX = 0, FCaptionPosY = -16, FCaptionTrim = 100;
    TAlignment FCaptionAlignment = taRightJustify;
    TCaptionAnchorHoriz FCaptionAnchorHoriz = cahChartRight;
    TCaptionAnchorVert FCaptionAnchorVert = cavChartTop;
    bool FAvoidDupMarks = false;
    Integer FMinDupMarkDist = 1;
    TMouseActMode RcMouseAction = maNone;

    // display lists and drawing state
    TRcItemContainer FDataContainer, FAnnoContainer;
    Integer FNumChartItems = 0, FNumAllocData = 0, FNumAnnoItems = 0, FNumAllocAnno = 0;
    Integer FAllocSize = 1000;
    bool FAnnoMode = false, FAnnosVisible = true, FAnnoBelowChart = false, FAnnoTextOnTop = true;
    std::array<String, 51> FLongTextsData, FLongTextsAnno;
    Integer FNumLongTextsData = 0, FNumLongTextsAnno = 0;
    std::array<Integer, NumItemKinds> FItemCount{};
    std::array<bool, 256> FItClassVisib{}, FAnnoClassVisib{};
    Integer FLastElemOnShow = 0;
    Integer FDataTag = 0;
    Byte RcClassDefault = 0;
    TColor RcDataCol = clBlack, RcFillCol = 12632256;
    TPenStyle RcPenStyle = TPenStyle::psSolid;
    Byte RcLineWid = 1;
    bool FTranspItems = false;
    TTextBkg FTextBkStyle = tbClear;
    TAlignment FTextAlignment = taCenter;

    // mouse trace
    DynArray<TColoredPoint> FMTrace;
    Integer FNumMTrace = 0;
    TColor FColorMTrace = clWhite;
    bool FMTraceInvert = true;
};

// Publishes the chart's properties and registers its classes for form descriptions.
void RegisterChartClasses();

class TDIzure : public TCustomDIzure {
    DECLARE_CLASS(TDIzure, TCustomDIzure)
public:
    explicit TDIzure(TComponent* AOwner) : TCustomDIzure(AOwner) {}

protected:
    // Painting is switched on once the window exists.
    void CreateWnd() override;
};
