// Published properties of the chart, its axis settings and crosshairs, with their declared
// defaults, so that a chart is placed and set from a form description.
#include "chart/VEZ_dizure.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

const TEnumTypeInfo& TypeInfoOf(TMouseActMode)
{
    static const TEnumTypeInfo info(
        "TMouseActMode", {"maNone", "maPan", "maPanHoriz", "maPanVert", "maPanGrid", "maRubberBand", "maZoom",
                          "maZoomWind", "maZoomWindPos", "maZoomDrag", "maDragCrossH", "maDragLabel", "maRotate",
                          "maRotAndZoom", "maRotXOnly", "maRotZOnly", "maSelectRect", "maDrawMTrace",
                          "maZoomPanColors"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TShadowStyle)
{
    static const TEnumTypeInfo info("TShadowStyle", {"ssFlying", "ssBox"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(GridStyleType)
{
    static const TEnumTypeInfo info("GridStyleType", {"gsNone", "gsPoints", "gsVertLines", "gsHorizLines", "gsLines",
                                                      "gsHorizDotLines", "gsVertDotLines", "gsDotLines"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TrcLayout)
{
    static const TEnumTypeInfo info("TrcLayout",
                                    {"rcl_X1Bottom_Y1Left", "rcl_X1Bottom_Y2Left", "rcl_X1Bottom_Y3Left",
                                     "rcl_X1Bottom_Y4Left", "rcl_X1Bottom_Y2Both", "rcl_X2Bottom_Y2Left",
                                     "rcl_X2Both_Y2Both"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TCaptionAnchorHoriz)
{
    static const TEnumTypeInfo info("TCaptionAnchorHoriz",
                                    {"cahControlLeft", "cahChartLeft", "cahChartCenter", "cahChartRight",
                                     "cahControlRight"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TCaptionAnchorVert)
{
    static const TEnumTypeInfo info("TCaptionAnchorVert", {"cavControlTop", "cavChartTop", "cavChartCenter",
                                                           "cavChartBottom", "cavControlBottom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TTextBkg)
{
    static const TEnumTypeInfo info("TTextBkg", {"tbClear", "tbSolid"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TCrossHMode)
{
    static const TEnumTypeInfo info("TCrossHMode", {"chOff", "chHoriz", "chVert", "chBoth", "chCrossBox", "chBox"});
    return info;
}

namespace {

using C = TCustomDIzure;

void PublishScaleProps()
{
    TPublished<TScaleProps>(TScaleProps::StaticClass())
        .Property("Caption", &TScaleProps::Caption, &TScaleProps::SetCaption)
        .Property("CaptionPosX", &TScaleProps::CaptionPosX, &TScaleProps::SetCaptionPosX)
        .Property("CaptionPosY", &TScaleProps::CaptionPosY, &TScaleProps::SetCaptionPosY)
        .Property("ColorScale", &TScaleProps::ColorScale, &TScaleProps::SetColorScale).Type("TColor")
        .Property("DecPlaces", &TScaleProps::DecPlaces, &TScaleProps::SetDecPlaces)
        .Property("Logarithmic", &TScaleProps::Logarithmic, &TScaleProps::SetLogarithmic).Default(false)
        .Property("MinTicks", &TScaleProps::MinTicks, &TScaleProps::SetMinTicks)
        .Property("RangeLow", &TScaleProps::RangeLow, &TScaleProps::SetRangeLow)
        .Property("RangeHigh", &TScaleProps::RangeHigh, &TScaleProps::SetRangeHigh)
        .Property("ShortTicks", &TScaleProps::ShortTicks, &TScaleProps::SetShortTicks)
        .Property("ScaleInscript", &TScaleProps::ScaleInscript, &TScaleProps::SetScaleInscript)
        .Property("MinRange", &TScaleProps::MinRange, &TScaleProps::SetMinRange)
        .Property("MouseAction", &TScaleProps::MouseAction, &TScaleProps::SetMouseAction).Default(maNone)
        .Property("UserTickText", &TScaleProps::UserTickText, &TScaleProps::SetUserTickText)
        .Property("Visible", &TScaleProps::Visible, &TScaleProps::SetVisible);

    TPublished<TCrossHair>(TCrossHair::StaticClass())
        .Property("PosX", &TCrossHair::PosX, &TCrossHair::SetPosX)
        .Property("PosY", &TCrossHair::PosY, &TCrossHair::SetPosY)
        .Property("Color", &TCrossHair::Color, &TCrossHair::SetColor).Type("TColor").Default(clRed)
        .Property("Mode", &TCrossHair::Mode, &TCrossHair::SetMode).Default(chOff)
        .Property("LineWid", &TCrossHair::LineWid, &TCrossHair::SetLineWid).Default(1)
        .Property("Layer", &TCrossHair::Layer, &TCrossHair::SetLayer).Default(1);
}

// The axis settings of layer L, x or y, as a published property that copies what it is given.
template <Integer L>
void PublishScales(TPublished<C>& p)
{
    static const std::string x = "Scale" + std::to_string(L) + "X", y = "Scale" + std::to_string(L) + "Y";
    p.Property(x.c_str(), [](C* c) { return &c->GetScalePropsX(L); },
               [](C* c, TScalePropsHoriz* v) { if (v) c->GetScalePropsX(L).Assign(v); });
    p.Property(y.c_str(), [](C* c) { return &c->GetScalePropsY(L); },
               [](C* c, TScalePropsVert* v) { if (v) c->GetScalePropsY(L).Assign(v); });
}

template <Integer N>
void PublishCrossHair(TPublished<C>& p)
{
    static const std::string name = "CrossHair" + std::to_string(N);
    p.Property(name.c_str(), [](C* c) { return &c->CrossHair(N); },
               [](C* c, TCrossHair* v) { if (v) c->CrossHair(N).Assign(v); });
}

void PublishChart()
{
    TPublished<C> p(C::StaticClass());
    p.Property("MarginLeft", &C::MarginLeft, &C::SetMarginLeft).Default(50)
        .Property("MarginRight", &C::MarginRight, &C::SetMarginRight).Default(10)
        .Property("MarginTop", &C::MarginTop, &C::SetMarginTop).Default(16)
        .Property("MarginBottom", &C::MarginBottom, &C::SetMarginBottom).Default(32)
        .Property("LRim", &C::MarginLeft, &C::SetMarginLeft).Stored(false)
        .Property("RRim", &C::MarginRight, &C::SetMarginRight).Stored(false)
        .Property("TRim", &C::MarginTop, &C::SetMarginTop).Stored(false)
        .Property("BRim", &C::MarginBottom, &C::SetMarginBottom).Stored(false)
        .Property("ShadowWidth", &C::ShadowWidth, &C::SetShadowWidth).Default(0)
        .Property("ShadowStyle", &C::ShadowStyle, &C::SetShadowStyle).Default(ssFlying)
        .Property("ShadowColor", &C::ShadowColor, &C::SetShadowColor).Type("TColor").Default(clGrayText)
        .Property("ShadowBakColor", &C::ShadowBakColor, &C::SetShadowBakColor).Type("TColor").Default(clBtnFace)
        .Property("StandardLayout", &C::StandardLayout, &C::SetStandardLayout).Stored(false)
        .Property("Isometric", &C::Isometric, &C::SetIsometric).Default(false)
        .Property("GridStyle", &C::GridStyle, &C::SetGridStyle).Default(gsNone)
        .Property("GridDx", &C::GridDx, &C::SetGridDx)
        .Property("GridDy", &C::GridDy, &C::SetGridDy)
        .Property("GridColor", &C::GridColor, &C::SetGridColor).Type("TColor").Default(clBlack)
        .Property("Caption", &C::Caption, &C::SetCaption)
        .Property("CaptionPosX", &C::CaptionPosX, &C::SetCaptionPosX).Default(0)
        .Property("CaptionPosY", &C::CaptionPosY, &C::SetCaptionPosY).Default(-16)
        .Property("CaptionAlignment", &C::CaptionAlignment, &C::SetCaptionAlignment).Default(taRightJustify)
        .Property("CaptionAnchorHoriz", &C::CaptionAnchorHoriz, &C::SetCaptionAnchorHoriz).Default(cahChartRight)
        .Property("CaptionAnchorVert", &C::CaptionAnchorVert, &C::SetCaptionAnchorVert).Default(cavChartTop)
        .Property("CaptionTrim", &C::CaptionTrim, &C::SetCaptionTrim).Default(100)
        .Property("ChartColor", &C::ChartColor, &C::SetChartColor).Type("TColor").Default(clWhite)
        .Property("WindColor", &C::WindColor, &C::SetWindColor).Type("TColor").Default(clBtnFace)
        .Property("ChartFrameColor", &C::ChartFrameColor, &C::SetChartFrameColor).Type("TColor").Default(clBlack)
        .Property("DataColor", &C::DataColor, &C::SetDataColor).Type("TColor").Default(clBlack)
        .Property("FillColor", &C::FillColor, &C::SetFillColor).Type("TColor").Default(TColor(12632256))
        .Property("TextBkColor", &C::FillColor, &C::SetFillColor).Type("TColor").Stored(false)
        .Property("LineWidth", &C::LineWidth, &C::SetLineWidth).Default(Byte(1))
        .Property("ClassDefault", &C::ClassDefault, &C::SetClassDefault).Default(Byte(0))
        .Property("TextBkStyle", &C::TextBkStyle, &C::SetTextBkStyle).Default(tbClear)
        .Property("TextAlignment", &C::TextAlignment, &C::SetTextAlignment).Default(taCenter)
        .Property("AvoidDuplicateMarks", &C::AvoidDuplicateMarks, &C::SetAvoidDuplicateMarks).Default(false)
        .Property("MinDupMarkDist", &C::MinDupMarkDist, &C::SetMinDupMarkDist).Default(1)
        .Property("AllocSize", &C::AllocSize, &C::SetAllocSize).Default(1000)
        .Property("AutoRedraw", &C::AutoRedraw, &C::SetAutoRedraw).Default(true)
        .Property("MouseAction", &C::MouseAction, &C::SetMouseAction).Default(maNone)
        .Property("MouseCursorFixed", &C::MouseCursorFixed, &C::SetMouseCursorFixed).Default(true)
        .Property("PanGridDx", &C::PanGridDx, &C::SetPanGridDx)
        .Property("PanGridDy", &C::PanGridDy, &C::SetPanGridDy)
        .Property("PanGridOffsX", &C::PanGridOffsX, &C::SetPanGridOffsX)
        .Property("PanGridOffsY", &C::PanGridOffsY, &C::SetPanGridOffsY)
        .Property("MouseTraceColor", &C::MouseTraceColor, &C::SetMouseTraceColor).Type("TColor").Default(clWhite)
        .Property("MouseTraceInvert", &C::MouseTraceInvert, &C::SetMouseTraceInvert).Default(true);
    PublishScales<1>(p);
    PublishScales<2>(p);
    PublishScales<3>(p);
    PublishScales<4>(p);
    PublishCrossHair<1>(p);
    PublishCrossHair<2>(p);
    PublishCrossHair<3>(p);
    PublishCrossHair<4>(p);
    p.Property("OnMouseMoveInChart", &C::OnMouseMoveInChart)
        .Property("OnZoomPan", &C::OnZoomPan)
        .Property("OnSelectRect", &C::OnSelectRect)
        .Property("OnRubberBand", &C::OnRubberBand)
        .Property("OnCrossHairMove", &C::OnCrossHairMove)
        .Property("OnBeforeCrossHairMove", &C::OnBeforeCrossHairMove)
        .Property("OnTextLabelMove", &C::OnTextLabelMove)
        .Property("OnScaleTickDrawn", &C::OnScaleTickDrawn)
        .Property("OnBeforeTickLabel", &C::OnBeforeTickLabel)
        .Property("OnBeforeRenderData", &C::OnBeforeRenderData)
        .Property("OnDataRendered", &C::OnDataRendered)
        .Property("OnScalesRendered", &C::OnScalesRendered)
        .Property("OnBeforeRendedIzureItem", &C::OnBeforeRendedIzureItem)
        .Property("OnBeforeRenderText", &C::OnBeforeRenderText);
}

}  // namespace

void RegisterChartClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterControlClasses();
    PublishScaleProps();
    PublishChart();
    RegisterClasses({TScaleProps::StaticClass(), TScalePropsHoriz::StaticClass(), TScalePropsVert::StaticClass(),
                     TCrossHair::StaticClass(), TCustomDIzure::StaticClass(), TDIzure::StaticClass()});
}
