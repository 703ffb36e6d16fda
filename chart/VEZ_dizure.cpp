#include "chart/VEZ_dizure.h"

#include <cmath>

#include "platform/forms/Dialogs.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TScaleProps, TPersistent, NewObject<TScaleProps>)
IMPLEMENT_CLASS(TScalePropsHoriz, TScaleProps, NewObject<TScalePropsHoriz>)
IMPLEMENT_CLASS(TScalePropsVert, TScaleProps, NewObject<TScalePropsVert>)
IMPLEMENT_CLASS(TJointLayers, TPersistent, nullptr)
IMPLEMENT_CLASS(TBakGndImg, TPersistent, NewObject<TBakGndImg>)
TClass TCustomDIzure::StaticClass()
{
    static const TMetaClass meta("TCustomDIzure", TCustomControl::StaticClass(), nullptr, [](TMetaClass& m) {
        m.OnMessage(WM_GETDLGCODE, &TCustomDIzure::WMGetDlgCode);
    });
    return &meta;
}
IMPLEMENT_CLASS(TDIzure, TCustomDIzure, NewComponent<TDIzure>)

namespace {

// The refusals of data sharing are told in an information box with one OK button.
void ChartMessage(const String& text)
{
    MessageDlg(text, mtInformation, TMsgDlgButtons{mbOK}, 0);
}

}  // namespace

// ---------------------------------------------------------------- TScaleProps

TScaleProps::TScaleProps()
{
    ResetComp();
}

TScaleProps::~TScaleProps() = default;

void TScaleProps::ResetComp()
{
    if (!FDTFormat) FDTFormat = std::make_unique<TDTLabel>();
    if (!FFont) {
        FFont = std::make_unique<TFont>();
        FFont->OnChange = [this] { Changed(); };
    }
    FCaption = String();
    FCaptionPosX = FCaptionPosY = 0;
    FCaptAlign = taCenter;
    FCaptAnchor = uaSclTopLft;
    FColorScale = clBlack;
    TDTLabel& f = *FDTFormat;
    f.OnChange = nullptr;
    f.SetTimeFormat(tfHHMMSS);
    f.SetDateSeparator(u'-');
    f.SetTimeSeparator(u':');
    f.SetYearLength(ylYYYY);
    f.SetMonthName(true);
    f.SetDateForTime(dtOnePerDay);
    f.SetDateOrder(doDDMMYY);
    FDecPlaces = -2;
    FLogAx = false;
    FLabelType = ftNum;
    FMinTicks = 3;
    FNotYetLoaded = true;
    FRangeLow = 0;
    FRangeHigh = 1;
    FShortTicks = true;
    FScaleInscript = String();
    FScaleType = sctXT;
    FScalePosX = FScalePosY = 0;
    FMinRngDiff = 1e-10;
    FMouseAction = maNone;
    FUserTickText = String();
    FVisible = false;
}

void TScaleProps::Changed()
{
    OnChange(this);
}

void TScaleProps::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TScaleProps*>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    FCaption = src->FCaption;
    FCaptionPosX = src->FCaptionPosX;
    FCaptionPosY = src->FCaptionPosY;
    FCaptAlign = src->FCaptAlign;
    FCaptAnchor = src->FCaptAnchor;
    FColorScale = src->FColorScale;
    OnChange = src->OnChange;
    FDTFormat->Assign(src->FDTFormat.get());
    FDecPlaces = src->FDecPlaces;
    FLogAx = src->FLogAx;
    FLabelType = src->FLabelType;
    auto fontChange = FFont->OnChange;
    FFont->Assign(*src->FFont);
    FFont->OnChange = fontChange;
    FMinTicks = src->FMinTicks;
    FNotYetLoaded = src->FNotYetLoaded;
    FRangeLow = src->FRangeLow;
    FRangeHigh = src->FRangeHigh;
    FShortTicks = src->FShortTicks;
    FScaleInscript = src->FScaleInscript;
    FScaleType = src->FScaleType;
    FScalePosX = src->FScalePosX;
    FScalePosY = src->FScalePosY;
    FMinRngDiff = src->FMinRngDiff;
    FUserTickText = src->FUserTickText;
    FVisible = src->FVisible;
}

void TScaleProps::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TScaleProps*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

void TScaleProps::SetDateFormat(TDTLabel& value)
{
    const TNotifyEvent binding = FDTFormat->OnChange;
    FDTFormat->Assign(&value);
    FDTFormat->OnChange = binding;
    Changed();
}

void TScaleProps::SetFont(const TFont& value)
{
    auto fontChange = FFont->OnChange;
    FFont->OnChange = nullptr;
    FFont->Assign(value);
    FFont->OnChange = fontChange;
    Changed();
}

void TScaleProps::SetDecPlaces(Integer value)
{
    FDecPlaces = value < -3 ? -3 : value > 12 ? 12 : value;
    Changed();
}

void TScaleProps::SetLogarithmic(bool value)
{
    if (!value || FNotYetLoaded || (FRangeLow >= 1e-100 && FRangeHigh >= 1e-100 && FLabelType != ftDateTime))
        FLogAx = value;
    Changed();
}

void TScaleProps::SetLabelType(TFigType value)
{
    FLabelType = value;
    if (value == ftDateTime) FLogAx = false;
    if (value == ftTime) FDecPlaces = 4;
    Changed();
}

void TScaleProps::SetRangeLow(double value)
{
    if (FMinRngDiff > std::fabs(FRangeHigh - value)) {
        FRangeLow = value;
        FRangeHigh = value + FMinRngDiff;
    } else if (!(FLogAx && value < 1e-100)) {
        FRangeLow = value;
    }
    Changed();
}

void TScaleProps::SetRangeHigh(double value)
{
    if (FMinRngDiff > std::fabs(FRangeLow - value)) {
        FRangeHigh = value;
        FRangeLow = value - FMinRngDiff;
    } else if (!(FLogAx && value < 1e-100)) {
        FRangeHigh = value;
    }
    Changed();
}

void TScaleProps::SetMinRange(double value)
{
    if (value <= 1e-100) return;
    FMinRngDiff = value;
    if (std::fabs(FRangeHigh - FRangeLow) < value) {
        const double m = (FRangeLow + FRangeHigh) / 2;
        FRangeLow = m - value / 2;
        FRangeHigh = m + value / 2;
    }
    Changed();
}

Integer TScaleProps::ScalePos() const
{
    return FScaleType == sctXB || FScaleType == sctXT ? FScalePosY : FScalePosX;
}

void TScaleProps::SetScalePos(Integer value)
{
    if (FScaleType == sctXB || FScaleType == sctXT) FScalePosY = value;
    else FScalePosX = value;
    Changed();
}

TScalePropsHoriz::TScalePropsHoriz()
{
    SetScaleLocation(slBottom);
    ResetComp();
}

void TScalePropsHoriz::SetScaleLocation(TScaleLocationHoriz value)
{
    FScaleLoc = value;
    SetScaleType(value == slTop ? sctXB : sctXT);
}

TScalePropsVert::TScalePropsVert()
{
    SetScaleLocation(slLeft);
    ResetComp();
}

void TScalePropsVert::SetScaleLocation(TScaleLocationVert value)
{
    FScaleLoc = value;
    SetScaleType(value == slLeft ? sctYR : sctYL);
}

// ---------------------------------------------------------------- TJointLayers

TJointLayers::TJointLayers(TCustomDIzure* AOwner) : FOwner(AOwner)
{
    ResetComp();
}

void TJointLayers::ResetComp()
{
    for (Integer i = 1; i <= 16; ++i) FMasterLayerX[i] = FMasterLayerY[i] = i;
}

void TJointLayers::Join(Integer n, Integer m, bool xAxis)
{
    if (n < 1 || n > 16) return;
    std::array<Integer, 17>& master = xAxis ? FMasterLayerX : FMasterLayerY;
    if (m < 1 || m > 16) throw EVEZDIzureError("Destination layer " + IntToStr(m) + " is out of range");
    if (m == n) {
        master[n] = n;
        return;
    }
    if (master[m] != m) throw EVEZDIzureError("Destination layer " + IntToStr(m) + " is already joined");
    String joined;
    for (Integer i = 1; i <= 16; ++i)
        if (i != n && master[i] == n) joined = joined.IsEmpty() ? IntToStr(i) : joined + ", " + IntToStr(i);
    if (!joined.IsEmpty())
        throw EVEZDIzureError("Layer " + IntToStr(n) + " is joined by other layers (" + joined + ")");
    master[n] = m;
    if (FOwner) {
        TScaleProps& sx = FOwner->GetScalePropsX(xAxis ? m : n);
        TScaleProps& sy = FOwner->GetScalePropsY(xAxis ? n : m);
        FOwner->ApplyLayerRange(n, false, sx.RangeLow(), sy.RangeLow(), sx.RangeHigh(), sy.RangeHigh(), false);
    }
    OnChange(this);
}

void TJointLayers::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TJointLayers*>(Source)) {
        FMasterLayerX = src->FMasterLayerX;
        FMasterLayerY = src->FMasterLayerY;
        OnChange = src->OnChange;
        FOwner = src->FOwner;
        return;
    }
    inherited::Assign(Source);
}

void TJointLayers::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TJointLayers*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

// ---------------------------------------------------------------- TBakGndImg

namespace {

String FileNamePart(const String& path)
{
    int start = 1;
    for (int i = 1; i <= path.Length(); ++i)
        if (path[i] == u'\\' || path[i] == u'/' || path[i] == u':') start = i + 1;
    return Copy(path, start);
}

}  // namespace

void TBakGndImg::Changed()
{
    OnChange(this);
}

void TBakGndImg::SetName(const String& value)
{
    FName = FIncldPath ? value : FileNamePart(value);
    Changed();
}

void TBakGndImg::SetIncludePath(bool value)
{
    FIncldPath = value;
    if (!value) FName = FileNamePart(FName);
    Changed();
}

void TBakGndImg::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TBakGndImg*>(Source)) {
        FName = src->FName;
        FIncldPath = src->FIncldPath;
        FFillMode = src->FFillMode;
        FBGAreaMode = src->FBGAreaMode;
        FBGAreaColor = src->FBGAreaColor;
        FBGAreaLeft = src->FBGAreaLeft;
        FBGAreaRight = src->FBGAreaRight;
        FBGAreaTop = src->FBGAreaTop;
        FBGAreaBottom = src->FBGAreaBottom;
        OnChange = src->OnChange;
        return;
    }
    inherited::Assign(Source);
}

void TBakGndImg::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TBakGndImg*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

// ---------------------------------------------------------------- helpers

double GridMax(double a, double b) { return a >= b ? a : b; }
double GridMin(double a, double b) { return a > b ? b : a; }

Integer GridCeil(double x)
{
    const Integer r = static_cast<Integer>(Round(x));
    return x > r ? r + 1 : r;
}

Integer GridFloor(double x)
{
    const Integer r = static_cast<Integer>(Round(x));
    return x < r ? r - 1 : r;
}

bool ClampCoord(Integer& x, Integer& y)
{
    bool changed = false;
    for (Integer* v : {&x, &y}) {
        if (*v < -30000) { *v = -30000; changed = true; }
        if (*v > 30000) { *v = 30000; changed = true; }
    }
    return changed;
}

// ---------------------------------------------------------------- creation and reset

TCustomDIzure::TCustomDIzure(TComponent* AOwner) : TCustomControl(AOwner)
{
    FSuppressPaint = true;
    FAnnoMode = false;
    FAnnoBelowChart = false;
    FAnnoTextOnTop = true;
    FAnnosVisible = true;
    for (Integer i = 1; i <= 4; ++i) FCrossHair[i] = std::make_unique<TCrossHair>();
    for (Integer i = 1; i <= 30; ++i) FTextLabels[i] = std::make_unique<TTextLabel>();
    FBakGndFile = std::make_unique<TBakGndImg>();
    FJointLayers = std::make_unique<TJointLayers>(this);
    AuxBmp.SetSize(10, 10);
    for (Integer L = 1; L <= 16; ++L) {
        FScaleX[L] = std::make_unique<TScale>(nullptr);
        FScaleY[L] = std::make_unique<TScale>(nullptr);
        FScalePropsX[L] = std::make_unique<TScalePropsHoriz>();
        FScalePropsY[L] = std::make_unique<TScalePropsVert>();
    }
    TCustomControl::SetBounds(FLeft, FTop, 280, 200);
    RcLRim = 50;
    RcRRim = 10;
    RcTRim = 16;
    RcBRim = 32;
    FMTrace.SetLength(5000);
    FColorMTrace = clWhite;
    FMTraceInvert = true;
    FChartBmp.SetPixelFormat(TPixelFormat::pf32bit);
    FGrafBmp.SetPixelFormat(TPixelFormat::pf32bit);
    ResizeGrafBmp();
    FChartBmp.SetSize(FWidth, FHeight);
    FDataContainer.SetLength(1);
    FAnnoContainer.SetLength(1);
    for (Integer L = 1; L <= 16; ++L) {
        FScalePropsX[L]->OnChange = TNotifyEvent(this, &TCustomDIzure::ScalePropsChanged);
        FScalePropsY[L]->OnChange = TNotifyEvent(this, &TCustomDIzure::ScalePropsChanged);
    }
    ResetComp();
}

TCustomDIzure::~TCustomDIzure()
{
    SetUseDataOf(nullptr);
    for (Integer i = 0; i < FDataUsersNum; ++i) FDataUsers[i]->FUseDataOf = nullptr;
}

void TDIzure::CreateWnd()
{
    inherited::CreateWnd();
    SetSuppressPaint(false);
}

void TCustomDIzure::WMGetDlgCode(TMessage& message)
{
    message.Result = 3;   // the arrow keys and Tab
}

void TCustomDIzure::ResetComp()
{
    static const TColor axisColors[17] = {0,       clBlack, clMaroon, clGreen, clOlive, clNavy,  clPurple,
                                          clTeal,  clGray,  clSilver, clRed,   clLime,  clYellow, clBlue,
                                          clFuchsia, clAqua, clWhite};
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    EmptyDataList();
    FNumAnnoItems = FNumAllocAnno = 0;
    FAnnoContainer = TRcItemContainer();
    FAnnoContainer.SetLength(1);
    FAllocSize = 1000;
    FNumLongTextsData = FNumLongTextsAnno = 0;
    FLongTextsData.fill(String());
    FLongTextsAnno.fill(String());
    FItClassVisib.fill(true);
    FAnnoClassVisib.fill(true);
    FLayerVisib.fill(true);
    FAnnoMode = false;
    RcClassDefault = 0;
    FDataTag = 0;
    FAvoidDupMarks = false;
    FMinDupMarkDist = 1;
    F3DRim = 0;
    FShadowColor = clGrayText;
    RcShadowBakCol = clBtnFace;
    RcShadowStyle = ssFlying;
    FActiveLayer = 1;
    FMouseAffLayer.fill(false);
    FMouseAffLayer[1] = true;
    RcDataCol = clBlack;
    FChartFrameColor = clBlack;
    RcFillCol = 12632256;
    FChartColor = clWhite;
    FWindColor = clBtnFace;
    FGridColor = clBlack;
    RcLineWid = 1;
    RcPenStyle = TPenStyle::psSolid;
    FTranspItems = false;
    FTextBkStyle = tbClear;
    FTextAlignment = taCenter;
    FTextFont.Assign(Font());
    RcGridStyle = gsNone;
    RcGridDx = RcGridDy = 0;
    FCaption = String();
    FCaptionTrim = 100;
    FCaptionPosX = 0;
    FCaptionPosY = -15;
    FCaptionAlignment = taRightJustify;
    FCaptionAnchorHoriz = cahChartRight;
    FCaptionAnchorVert = cavChartTop;
    for (Integer i = 1; i <= 4; ++i) {
        TCrossHair& ch = *FCrossHair[i];
        ch.OnChange = nullptr;
        ch.SetPos(0, 0);
        ch.SetPosX(0);
        ch.SetPosY(0);
        ch.SetLayer(i);
        ch.SetColor(clRed);
        ch.SetMode(chOff);
        ch.SetLineType(TPenStyle::psDashDotDot);
        ch.SetLineWid(1);
        ch.OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    }
    for (Integer i = 1; i <= 30; ++i) {
        TTextLabel& tl = *FTextLabels[i];
        tl.OnChange = nullptr;
        tl.SetPosX(0);
        tl.SetPosY(0);
        tl.SetLayer(1);
        tl.SetAttachToData(tlamBoth);
        tl.SetAlignment(taCenter);
        tl.SetVerticalAlignment(vaBottom);
        tl.SetColorBkg(clWhite);
        tl.SetColorBorder(clBlack);
        tl.SetShadowDx(3);
        tl.SetShadowDy(3);
        tl.SetColorShadow(clGray);
        tl.SetTransparent(false);
        tl.SetCaption("");
        tl.SetFont(Font());
        tl.SetVisible(false);
        tl.SetMode(tlOff);
        tl.OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    }
    FBakGndFile->OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    FJointLayers->ResetComp();
    FJointLayers->OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    for (Integer L = 1; L <= 16; ++L) {
        TScalePropsHoriz& px = *FScalePropsX[L];
        TScalePropsVert& py = *FScalePropsY[L];
        const TNotifyEvent bindingX = px.OnChange, bindingY = py.OnChange;
        px.OnChange = py.OnChange = nullptr;
        for (TScaleProps* p : {static_cast<TScaleProps*>(&px), static_cast<TScaleProps*>(&py)}) {
            p->ResetComp();
            p->SetColorScale(axisColors[L]);
            p->DateFormat().OnChange = TNotifyEvent(this, &TCustomDIzure::ScalePropsChanged);
        }
        // Odd layers: x axis below the data area (sctXT), y axis left of it (sctYR); even
        // layers above it (sctXB) and right of it (sctYL).
        const bool odd = L % 2 == 1;
        px.SetScaleLocation(odd ? slBottom : slTop);
        py.SetScaleLocation(odd ? slLeft : slRight);
        px.FScalePosY = (L - 1) / 2 * 30;
        py.FScalePosX = (L - 1) / 2 * 50;
        px.OnChange = bindingX;
        py.OnChange = bindingY;
        for (TScale* s : {FScaleX[L].get(), FScaleY[L].get()}) {
            s->SetSuppressPaint(true);
            s->SetIsHelperComponent(true);
            s->SetTransparent(true);
            s->SetFrameStyle(fsNone);
            s->SetColorBackGnd(clWindow);
            s->SetName(String(s == FScaleX[L].get() ? "RC_FScale_X_" : "RC_FScale_Y_") + IntToStr(L));
            s->UseForeignCanvas(&FChartBmp.Canvas(), 0, 0);
            s->SetBounds(0, 0, FWidth, FHeight);
            s->OnScaleTickDrawn = TScaleTickDrawnEvent(this, &TCustomDIzure::ScaleTickDrawnRelay);
            s->OnBeforeTickLabel = TBeforeTickLabelEvent(this, &TCustomDIzure::BeforeTickLabelRelay);
        }
        SyncScaleWithProps(L);
    }
    SetStandardLayout(rcl_X1Bottom_Y1Left);
    // The relative width and height of a pixel, asked of the device the chart draws on.
    Fxasp = AuxBmp.Canvas().GetDeviceCaps(ASPECTX);
    Fyasp = AuxBmp.Canvas().GetDeviceCaps(ASPECTY);
    RcMouseAction = maNone;
    FNumMTrace = 0;
    FZoomRange.fill(0);
    FIsometric = false;
    CalcLayerTransforms();
    ClearZoomHistory();
    FAutoRedraw = true;
    FSuppressPaint = saved;
}

void TCustomDIzure::Loaded()
{
    inherited::Loaded();
    for (Integer L = 1; L <= 16; ++L) {
        SyncScaleWithProps(L);
        FScalePropsX[L]->SetNotYetLoaded(false);
        FScalePropsY[L]->SetNotYetLoaded(false);
    }
    CalcLayerTransforms();
    Paint();
}

void TCustomDIzure::RepaintRule()
{
    if (FAutoRedraw || Designing()) Paint();
}

void TCustomDIzure::SetSuppressPaint(bool value)
{
    const bool was = FSuppressPaint;
    FSuppressPaint = value;
    if (was && !value) Paint();
}

void TCustomDIzure::ObjectChanged(TObject*)
{
    RepaintRule();
}

void TCustomDIzure::ScaleTickDrawnRelay(TObject*, TCanvas* Canvas, TScaleType ScaleType, double pos, Integer x,
                                        Integer y)
{
    OnScaleTickDrawn(this, Canvas, ScaleType, pos, x, y);
}

void TCustomDIzure::BeforeTickLabelRelay(TObject*, TScaleType ScaleType, double pos, String& text)
{
    OnBeforeTickLabel(this, ScaleType, pos, text);
}

// ---------------------------------------------------------------- accessors of the owned settings

namespace {

// target takes a copy of source and keeps its own change notification.
template <class T>
void CopyKeepingBinding(T& target, T* source)
{
    if (!source || source == &target) return;
    const TNotifyEvent binding = target.OnChange;
    target.Assign(source);
    target.OnChange = binding;
}

}  // namespace

void TCustomDIzure::SetScalePropsX(Integer sclix, TScaleProps* x)
{
    if (sclix < 1 || sclix > 16) return;
    CopyKeepingBinding<TScaleProps>(*FScalePropsX[sclix], x);
    FScalePropsX[sclix]->DateFormat().OnChange = TNotifyEvent(this, &TCustomDIzure::ScalePropsChanged);
    if (Designing()) Paint();
}

void TCustomDIzure::SetScalePropsY(Integer sclix, TScaleProps* x)
{
    if (sclix < 1 || sclix > 16) return;
    CopyKeepingBinding<TScaleProps>(*FScalePropsY[sclix], x);
    FScalePropsY[sclix]->DateFormat().OnChange = TNotifyEvent(this, &TCustomDIzure::ScalePropsChanged);
    if (Designing()) Paint();
}

void TCustomDIzure::SetCrossHair(Integer n, TCrossHair* value)
{
    if (n < 1 || n > 4) return;
    CopyKeepingBinding(*FCrossHair[n], value);
    RepaintRule();
}

TTextLabel& TCustomDIzure::GetFTextLabel(Integer ix)
{
    if (ix < 1 || ix > 30) throw EVEZDIzureError(ComponentMessage(Name(), ": invalid index into TextLabel array"));
    return *FTextLabels[ix];
}

void TCustomDIzure::SetFTextLabel(Integer ix, TTextLabel* value)
{
    CopyKeepingBinding(GetFTextLabel(ix), value);
    RepaintRule();
}

void TCustomDIzure::SetJointLayers(const TJointLayers& value)
{
    if (&value == FJointLayers.get()) return;
    for (Integer L = 1; L <= 16; ++L) {
        FJointLayers->SetXControlledBy(L, L);
        FJointLayers->SetYControlledBy(L, L);
    }
    for (Integer L = 1; L <= 16; ++L) {
        if (value.XControlledBy(L) != L) FJointLayers->SetXControlledBy(L, value.XControlledBy(L));
        if (value.YControlledBy(L) != L) FJointLayers->SetYControlledBy(L, value.YControlledBy(L));
    }
    RepaintRule();
}

void TCustomDIzure::SetBackGroundImg(TBakGndImg& value)
{
    CopyKeepingBinding(*FBakGndFile, &value);
    RepaintRule();
}

void TCustomDIzure::SetTextFont(const TFont& value)
{
    FTextFont.Assign(value);
    RepaintRule();
}

// ---------------------------------------------------------------- copying a chart

namespace {

// A copy of a display list that owns its array, sized in whole steps of allocSize.
TRcItemContainer CopyList(const TRcItemContainer& list, Integer count, Integer allocSize, Integer& allocated)
{
    allocated = allocSize * (count / allocSize + 1);
    TRcItemContainer copy;
    copy.SetLength(allocated);
    for (Integer i = 0; i < count; ++i) copy[i] = list[i];
    return copy;
}

}  // namespace

void TCustomDIzure::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCustomDIzure*>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    SetTag(src->Tag());
    FNumChartItems = src->FNumChartItems;
    FNumAnnoItems = src->FNumAnnoItems;
    FAnnoBelowChart = src->FAnnoBelowChart;
    FAnnoTextOnTop = src->FAnnoTextOnTop;
    FAnnosVisible = src->FAnnosVisible;
    FAnnoMode = src->FAnnoMode;
    FAnnoClassVisib = src->FAnnoClassVisib;
    FAllocSize = src->FAllocSize;
    LButtonWasDown = src->LButtonWasDown;
    FDragStarted = src->FDragStarted;
    MouseBoxState = src->MouseBoxState;
    MouseBoxX1 = src->MouseBoxX1;
    MouseBoxY1 = src->MouseBoxY1;
    MouseBoxX2 = src->MouseBoxX2;
    MouseBoxY2 = src->MouseBoxY2;
    FMAnchorScrX = src->FMAnchorScrX;
    FMAnchorScrY = src->FMAnchorScrY;
    FMAnchorRcLoX = src->FMAnchorRcLoX;
    FMAnchorRcHiX = src->FMAnchorRcHiX;
    FMAnchorRcLoY = src->FMAnchorRcLoY;
    FMAnchorRcHiY = src->FMAnchorRcHiY;
    WindAnchorX = src->WindAnchorX;
    WindAnchorY = src->WindAnchorY;
    WindOldCornerX = src->WindOldCornerX;
    WindOldCornerY = src->WindOldCornerY;
    LastMouseX = src->LastMouseX;
    LastMouseY = src->LastMouseY;
    FZoomState = src->FZoomState;
    FDataTag = src->FDataTag;
    RcGridStyle = src->RcGridStyle;
    FGridColor = src->FGridColor;
    RcGridDx = src->RcGridDx;
    RcGridDy = src->RcGridDy;
    RcLRim = src->RcLRim;
    RcRRim = src->RcRRim;
    RcTRim = src->RcTRim;
    RcBRim = src->RcBRim;
    F3DRim = src->F3DRim;
    RcShadowStyle = src->RcShadowStyle;
    FShadowColor = src->FShadowColor;
    RcShadowBakCol = src->RcShadowBakCol;
    RcMouseAction = src->RcMouseAction;
    ColBak = src->ColBak;
    FChartColor = src->FChartColor;
    FChartFrameColor = src->FChartFrameColor;
    FWindColor = src->FWindColor;
    RcDataCol = src->RcDataCol;
    RcFillCol = src->RcFillCol;
    RcPenStyle = src->RcPenStyle;
    FStdLayout = src->FStdLayout;
    RcLineWid = src->RcLineWid;
    FCaption = src->FCaption;
    FCaptionPosX = src->FCaptionPosX;
    FCaptionPosY = src->FCaptionPosY;
    FCaptionAlignment = src->FCaptionAlignment;
    FCaptionAnchorHoriz = src->FCaptionAnchorHoriz;
    FCaptionAnchorVert = src->FCaptionAnchorVert;
    FCaptionTrim = src->FCaptionTrim;
    RcClassDefault = src->RcClassDefault;
    FActiveLayer = src->FActiveLayer;
    FMousePosX = src->FMousePosX;
    FMousePosY = src->FMousePosY;
    FMCurFixed = src->FMCurFixed;
    FAvoidDupMarks = src->FAvoidDupMarks;
    FMinDupMarkDist = src->FMinDupMarkDist;
    CHNext = src->CHNext;
    TLNext = src->TLNext;
    FAutoRedraw = src->FAutoRedraw;
    FPanGridDx = src->FPanGridDx;
    FPanGridDy = src->FPanGridDy;
    FPanGridOffsX = src->FPanGridOffsX;
    FPanGridOffsY = src->FPanGridOffsY;
    FColorMTrace = src->FColorMTrace;
    FMTraceInvert = src->FMTraceInvert;
    FTextBkStyle = src->FTextBkStyle;
    FTextAlignment = src->FTextAlignment;
    Fxasp = src->Fxasp;
    Fyasp = src->Fyasp;
    FIsometric = src->FIsometric;
    FTranspItems = src->FTranspItems;
    FDataContainer = CopyList(src->FDataContainer, src->FNumChartItems, FAllocSize, FNumAllocData);
    FAnnoContainer = CopyList(src->FAnnoContainer, src->FNumAnnoItems, FAllocSize, FNumAllocAnno);
    FLongTextsData = src->FLongTextsData;
    FLongTextsAnno = src->FLongTextsAnno;
    FNumLongTextsData = src->FNumLongTextsData;
    FNumLongTextsAnno = src->FNumLongTextsAnno;
    FSuppressPaint = src->FSuppressPaint;
    FLastElemOnShow = src->FLastElemOnShow;
    FItemCount = src->FItemCount;
    FItClassVisib = src->FItClassVisib;
    for (Integer L = 1; L <= 16; ++L) {
        for (bool xAxis : {true, false}) {
            TScale& s = xAxis ? *FScaleX[L] : *FScaleY[L];
            s.Assign(xAxis ? src->FScaleX[L].get() : src->FScaleY[L].get());
            s.UseForeignCanvas(&FChartBmp.Canvas(), 0, 0);
            s.OnScaleTickDrawn = TScaleTickDrawnEvent(this, &TCustomDIzure::ScaleTickDrawnRelay);
            s.OnBeforeTickLabel = TBeforeTickLabelEvent(this, &TCustomDIzure::BeforeTickLabelRelay);
            TScaleProps& p = xAxis ? static_cast<TScaleProps&>(*FScalePropsX[L]) : *FScalePropsY[L];
            const TNotifyEvent binding = p.OnChange;
            p.Assign(xAxis ? static_cast<TScaleProps*>(src->FScalePropsX[L].get()) : src->FScalePropsY[L].get());
            p.OnChange = binding;
            p.DateFormat().OnChange = TNotifyEvent(this, &TCustomDIzure::ScalePropsChanged);
        }
        FLayerVisib[L] = src->FLayerVisib[L];
        FMouseAffLayer[L] = src->FMouseAffLayer[L];
        Cpkx[L] = src->Cpkx[L];
        Cpdx[L] = src->Cpdx[L];
        Cpky[L] = src->Cpky[L];
        Cpdy[L] = src->Cpdy[L];
        FZoomStack[L] = src->FZoomStack[L];
    }
    FZStackPoi = src->FZStackPoi;
    FZoomRange = src->FZoomRange;
    // The copy owns its lists; it joins no sharing of the source.
    FBakGndFile->Assign(src->FBakGndFile.get());
    FBakGndFile->OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    for (Integer i = 1; i <= 4; ++i) {
        FCrossHair[i]->Assign(src->FCrossHair[i].get());
        FCrossHair[i]->OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    }
    for (Integer i = 1; i <= 30; ++i) {
        FTextLabels[i]->Assign(src->FTextLabels[i].get());
        FTextLabels[i]->OnChange = TNotifyEvent(this, &TCustomDIzure::ObjectChanged);
    }
    SetJointLayers(*src->FJointLayers);
    FTextFont.Assign(src->FTextFont);
    OnScalesRendered = src->OnScalesRendered;
    OnBeforeRenderData = src->OnBeforeRenderData;
    OnDataRendered = src->OnDataRendered;
    OnBeforeRendedIzureItem = src->OnBeforeRendedIzureItem;
    OnScaleTickDrawn = src->OnScaleTickDrawn;
    OnBeforeTickLabel = src->OnBeforeTickLabel;
    OnMouseMoveInChart = src->OnMouseMoveInChart;
    OnZoomPan = src->OnZoomPan;
    OnRubberBand = src->OnRubberBand;
    OnSelectRect = src->OnSelectRect;
    OnBeforeCrossHairMove = src->OnBeforeCrossHairMove;
    OnCrossHairMove = src->OnCrossHairMove;
    OnTextLabelMove = src->OnTextLabelMove;
    OnMouseEnter = src->OnMouseEnter;
    OnMouseLeave = src->OnMouseLeave;
    ResizeGrafBmp();
    ScalePropsChanged(this);
    CalcLayerTransforms();
    Paint();
}

void TCustomDIzure::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TCustomDIzure*>(Dest); dst && ClassType()->InheritsFrom(dst->ClassType()))
        dst->Assign(this);
    else
        inherited::AssignTo(Dest);
}

// ---------------------------------------------------------------- geometry

void TCustomDIzure::ResizeGrafBmp()
{
    const Integer w = FWidth - RcLRim - RcRRim - F3DRim + 1;
    const Integer h = FHeight - RcTRim - RcBRim - F3DRim + 1;
    FGrafBmp.SetSize(std::max(0, w), std::max(0, h));
}

void TCustomDIzure::SyncScaleWithProps(Integer L)
{
    for (bool xAxis : {true, false}) {
        TScaleProps& p = xAxis ? static_cast<TScaleProps&>(*FScalePropsX[L]) : *FScalePropsY[L];
        TScale& s = xAxis ? *FScaleX[L] : *FScaleY[L];
        s.SetScaleType(p.ScaleType());
        s.SetRange(p.RangeLow(), p.RangeHigh());
        s.SetVisible(p.Visible());
        s.SetCaption(p.Caption());
        s.SetCaptionPosX(p.CaptionPosX());
        s.SetCaptionPosY(p.CaptionPosY());
        s.SetCaptionAlignment(p.CaptionAlignment());
        s.SetCaptionAnchor(p.CaptionAnchor());
        s.SetColorScale(p.ColorScale());
        s.SetDecPlaces(p.DecPlaces());
        s.SetLabelType(p.LabelType());
        s.SetDecPlaces(p.DecPlaces());
        s.SetLogarithmic(p.Logarithmic());
        s.SetShortTicks(p.ShortTicks());
        s.SetMinTicks(p.MinTicks());
        s.SetScaleInscript(p.ScaleInscript());
        s.SetUserTickText(p.UserTickText());
        s.Font().Assign(p.Font());
        s.SetDateFormat(p.DateFormat());
        SetAxisMargins(L);
    }
}

// Places the layer's axis controls so that each spans the data area with its line
// ScalePos pixels outside it.
void TCustomDIzure::SetAxisMargins(Integer L)
{
    TScale& sx = *FScaleX[L];
    TScale& sy = *FScaleY[L];
    const Integer posX = FScalePropsX[L]->ScalePos(), posY = FScalePropsY[L]->ScalePos();
    sx.SetMarginLeft(RcLRim);
    sx.SetMarginRight(RcRRim + F3DRim - 1);
    if (sx.ScaleType() == sctXB) sx.SetMarginBottom(posX + FHeight - RcTRim - 1);
    else sx.SetMarginTop(posX + FHeight - RcBRim - F3DRim);
    sy.SetMarginTop(RcTRim);
    sy.SetMarginBottom(RcBRim + F3DRim - 1);
    if (sy.ScaleType() == sctYL) sy.SetMarginLeft(posY + FWidth - RcRRim - F3DRim);
    else sy.SetMarginRight(posY + FWidth - RcLRim - 1);
}

void TCustomDIzure::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    AHeight = std::max(AHeight, RcTRim + RcBRim + F3DRim + 20);
    AWidth = std::max(AWidth, RcLRim + RcRRim + F3DRim + 80);
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    for (Integer L = 1; L <= 16; ++L) {
        if (FIsometric) RecentreIsometric(L);
        FScaleX[L]->SetBounds(0, 0, FWidth, FHeight);
        FScaleY[L]->SetBounds(0, 0, FWidth, FHeight);
        SyncScaleWithProps(L);
    }
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    ResizeGrafBmp();
    CalcLayerTransforms();
    FSuppressPaint = saved;
}

void TCustomDIzure::SetMargin(Integer& field, Integer value)
{
    field = value;
    ResizeGrafBmp();
    for (Integer L = 1; L <= 16; ++L) {
        if (FIsometric) RecentreIsometric(L);
        SyncScaleWithProps(L);
    }
    CalcLayerTransforms();
    RepaintRule();
}

void TCustomDIzure::SetMarginLeft(Integer value) { SetMargin(RcLRim, value); }
void TCustomDIzure::SetMarginRight(Integer value) { SetMargin(RcRRim, value); }
void TCustomDIzure::SetMarginTop(Integer value) { SetMargin(RcTRim, value); }
void TCustomDIzure::SetMarginBottom(Integer value) { SetMargin(RcBRim, value); }

void TCustomDIzure::SetShadowWidth(Integer value)
{
    F3DRim = value < 0 ? 0 : value > 32 ? 32 : value;
    ResizeGrafBmp();
    for (Integer L = 1; L <= 16; ++L) SyncScaleWithProps(L);
    CalcLayerTransforms();
    RepaintRule();
}

void TCustomDIzure::SetShadowStyle(TShadowStyle value)
{
    RcShadowStyle = value;
    RepaintRule();
}

void TCustomDIzure::SetGridDx(double value)
{
    if (value < -3) return;
    RcGridDx = value;
    RepaintRule();
}

void TCustomDIzure::SetGridDy(double value)
{
    if (value < -3) return;
    RcGridDy = value;
    RepaintRule();
}

void TCustomDIzure::SetCaptionTrim(Integer value)
{
    FCaptionTrim = value == 0 ? 0 : value < 5 ? 5 : value > 100 ? 100 : value;
    RepaintRule();
}

void TCustomDIzure::SetAvoidDuplicateMarks(bool value)
{
    if (FAvoidDupMarks == value) return;
    FAvoidDupMarks = value;
    RepaintRule();
}

void TCustomDIzure::SetMinDupMarkDist(Integer value)
{
    if (FMinDupMarkDist == value) return;
    FMinDupMarkDist = value < 1 ? 1 : value > 3 ? 3 : value;
    RepaintRule();
}

void TCustomDIzure::SetActiveLayer(Integer value)
{
    if (value < 1 || value > 16) return;
    FActiveLayer = value;
    RepaintRule();
}

// ---------------------------------------------------------------- transforms

void TCustomDIzure::CalcLayerTransforms()
{
    if (Loading()) return;
    const double W = FWidth - RcLRim - RcRRim - F3DRim;
    const double H = FHeight - RcTRim - RcBRim - F3DRim;
    auto logOf = [](double v) {
        if (v <= 0) throw EVEZDIzureError("Logarithmic axis must not be negative.");
        return std::log(v);
    };
    for (Integer L = 1; L <= 16; ++L) {
        const TScaleProps& px = *FScalePropsX[L];
        const TScaleProps& py = *FScalePropsY[L];
        if (W > 0) {
            double low = px.RangeLow(), high = px.RangeHigh();
            if (px.Logarithmic()) {
                low = logOf(low);
                high = logOf(high);
            }
            Cpkx[L] = W / (high - low);
            Cpdx[L] = (RcLRim * high - (FWidth - RcRRim - F3DRim) * low) / (high - low);
        } else {
            Cpkx[L] = 0;
            Cpdx[L] = FWidth / 2;
        }
        if (H > 0) {
            double low = py.RangeLow(), high = py.RangeHigh();
            if (py.Logarithmic()) {
                low = logOf(low);
                high = logOf(high);
            }
            Cpky[L] = -H / (high - low);
            Cpdy[L] = ((FHeight - RcBRim - F3DRim) * high - RcTRim * low) / (high - low);
        } else {
            Cpky[L] = 0;
            Cpdy[L] = FHeight / 2;
        }
    }
}

namespace {

Integer ToPixel(Extended v)
{
    if (v > 2147483647.0L) v = 2147483647.0L;
    if (v < -2147483647.0L) v = -2147483647.0L;
    return static_cast<Integer>(Round(v));
}

}  // namespace

void TCustomDIzure::R2M(Integer Layer, double xin, double yin, Integer& xout, Integer& yout) const
{
    const Integer L = std::clamp(Layer, 1, 16);
    const TScaleProps& px = *FScalePropsX[L];
    const TScaleProps& py = *FScalePropsY[L];
    if (!px.Logarithmic()) xout = ToPixel(Cpkx[L] * xin + Cpdx[L]);
    else if (xin > 1e-100) xout = ToPixel(Cpkx[L] * std::log(xin) + Cpdx[L]);
    else xout = px.RangeLow() <= px.RangeHigh() ? 0 : FWidth;
    if (!py.Logarithmic()) yout = ToPixel(Cpky[L] * yin + Cpdy[L]);
    else if (yin > 1e-100) yout = ToPixel(Cpky[L] * std::log(yin) + Cpdy[L]);
    else yout = py.RangeLow() <= py.RangeHigh() ? FHeight : 0;
}

void TCustomDIzure::M2R(Integer Layer, Integer xin, Integer yin, double& xout, double& yout) const
{
    Layer = std::clamp(Layer, 1, 16);
    xout = static_cast<double>((xin - Cpdx[Layer]) / Cpkx[Layer]);
    yout = static_cast<double>((yin - Cpdy[Layer]) / Cpky[Layer]);
    if (FScalePropsX[Layer]->Logarithmic()) xout = std::exp(xout);
    if (FScalePropsY[Layer]->Logarithmic()) yout = std::exp(yout);
}

void TCustomDIzure::GetTransformParams(Integer Layer, double& kx, double& dx, double& ky, double& dy) const
{
    Layer = std::clamp(Layer, 1, 16);
    kx = static_cast<double>(Cpkx[Layer]);
    dx = static_cast<double>(Cpdx[Layer]);
    ky = static_cast<double>(Cpky[Layer]);
    dy = static_cast<double>(Cpdy[Layer]);
}

Integer TCustomDIzure::TickNumX() const { return FScaleX[FActiveLayer]->NumTicks(); }
Integer TCustomDIzure::TickNumY() const { return FScaleY[FActiveLayer]->NumTicks(); }

double TCustomDIzure::GetTickPosX(Integer ix) const
{
    const TScale& s = *FScaleX[FActiveLayer];
    if (s.RangeHigh() < s.RangeLow()) ix = s.NumTicks() - ix + 1;
    return s.GetTickPos(ix);
}

double TCustomDIzure::GetTickPosY(Integer ix) const
{
    const TScale& s = *FScaleY[FActiveLayer];
    if (s.RangeHigh() < s.RangeLow()) ix = s.NumTicks() - ix + 1;
    return s.GetTickPos(ix);
}

// ---------------------------------------------------------------- axis property changes, isometry

void TCustomDIzure::ScalePropsChanged(TObject*)
{
    if (Loading()) return;
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (Integer L = 1; L <= 16; ++L) SyncScaleWithProps(L);
    for (Integer L = 1; L <= 16; ++L) {
        const TScaleProps& px = *FScalePropsX[L];
        const TScaleProps& py = *FScalePropsY[L];
        ApplyRangeWithJoints(L, false, px.RangeLow(), py.RangeLow(), px.RangeHigh(), py.RangeHigh(), false);
    }
    FSuppressPaint = saved;
    RepaintRule();
}

double TCustomDIzure::IsometricHalfSpan(double xLo, double xHi) const
{
    const double Wb = FWidth - RcLRim - RcRRim - F3DRim + 1;
    const double Hb = FHeight - RcTRim - RcBRim - F3DRim + 1;
    return (xHi - xLo) * Hb / Wb * Fyasp / Fxasp / 2;
}

void TCustomDIzure::RecentreIsometric(Integer L)
{
    TScaleProps& px = *FScalePropsX[L];
    TScaleProps& py = *FScalePropsY[L];
    const double c = (py.RangeHigh() + py.RangeLow()) / 2;
    const double h = IsometricHalfSpan(px.RangeLow(), px.RangeHigh());
    py.SetRangeHigh(c + h);
    py.SetRangeLow(c - h);
}

void TCustomDIzure::SetIsometric(bool value)
{
    FIsometric = value;
    if (!value) return;
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (Integer L = 1; L <= 16; ++L) RecentreIsometric(L);
    PushZoomHistory();
    FSuppressPaint = saved;
    RepaintRule();
}

// ---------------------------------------------------------------- zoom history

void TCustomDIzure::PushZoomHistory()
{
    if (Loading()) return;
    for (Integer L = 1; L <= 16; ++L) {
        const TScaleProps& px = *FScalePropsX[L];
        const TScaleProps& py = *FScalePropsY[L];
        FZoomStack[L][FZStackPoi] = {px.RangeLow(), py.RangeHigh(), px.RangeHigh(), py.RangeLow()};
    }
    FZStackPoi = FZStackPoi == 16 ? 1 : FZStackPoi + 1;
}

bool TCustomDIzure::GetZoomStackEntry(Integer Layer, Integer StackIx, TRectDouble& entry) const
{
    if (StackIx < -15 || StackIx > 0 || Layer < 1 || Layer > 16) return false;
    Integer slot = FZStackPoi - 1 + StackIx;
    if (slot < 1) slot += 16;
    entry = FZoomStack[Layer][slot];
    return true;
}

void TCustomDIzure::ZoomHistory(Integer Index)
{
    if (Index < -15 || Index > 0) return;
    Integer slot = FZStackPoi + Index - 1;
    if (slot < 1) slot += 16;
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    for (Integer L = 1; L <= 16; ++L) {
        const TRectDouble& r = FZoomStack[L][slot];
        if (r.Left == 0 && r.Top == 0 && r.Right == 0 && r.Bottom == 0) continue;
        ApplyRangeWithJoints(L, false, r.Left, r.Bottom, r.Right, r.Top, false);
    }
    FSuppressPaint = saved;
    Paint();
}

void TCustomDIzure::ClearZoomHistory()
{
    for (auto& layer : FZoomStack) layer.fill(TRectDouble{});
    FZStackPoi = 1;
    PushZoomHistory();
}

// ---------------------------------------------------------------- data sharing

void TCustomDIzure::SetUseDataOf(TCustomDIzure* value)
{
    if (value == this) {
        ChartMessage("DIzure: Cannot share data with myself");
        return;
    }
    if (value && FDataUsersNum > 0) {
        ChartMessage("DIzure: Cannot use foreign data. Other DIzures are using my own data.");
        return;
    }
    if (value == FUseDataOf) return;
    TCustomDIzure* owner = value && value->FUseDataOf ? value->FUseDataOf : value;
    if (owner == this) return;
    if (owner && owner->FDataUsersNum >= 4) {
        ChartMessage("DIzure: Max. number of data shares exceeded");
        return;
    }
    if (FUseDataOf) {
        TCustomDIzure* old = FUseDataOf;
        for (Integer i = 0; i < old->FDataUsersNum; ++i) {
            if (old->FDataUsers[i] != this) continue;
            for (Integer j = i; j < old->FDataUsersNum - 1; ++j) old->FDataUsers[j] = old->FDataUsers[j + 1];
            old->FDataUsers[--old->FDataUsersNum] = nullptr;
            break;
        }
    }
    FUseDataOf = owner;
    if (owner) {
        FDataContainer = owner->FDataContainer;
        FNumChartItems = owner->FNumChartItems;
        FNumAllocData = owner->FNumAllocData;
        FLastElemOnShow = owner->FLastElemOnShow;
        FItemCount = owner->FItemCount;
        owner->FDataUsers[owner->FDataUsersNum++] = this;
    }
    RepaintRule();
}

void TCustomDIzure::PropagateSharedData()
{
    auto copyTo = [this](TCustomDIzure* c) {
        if (!c || c == this) return;
        c->FDataContainer = FDataContainer;
        c->FNumChartItems = FNumChartItems;
        c->FNumAllocData = FNumAllocData;
        c->FLastElemOnShow = FLastElemOnShow;
        c->FItemCount = FItemCount;
    };
    if (FUseDataOf) {
        copyTo(FUseDataOf);
        for (Integer i = 0; i < FUseDataOf->FDataUsersNum; ++i) copyTo(FUseDataOf->FDataUsers[i]);
    }
    for (Integer i = 0; i < FDataUsersNum; ++i) copyTo(FDataUsers[i]);
}
