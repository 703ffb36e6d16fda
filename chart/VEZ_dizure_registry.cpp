// Published properties of the chart, its axis settings, crosshairs, text labels, layer joins and
// background, of the axis control and of the numeric label, with their declared defaults, so that
// they are placed and set from a form description.
#include "chart/VEZ_NumLab.h"
#include "chart/VEZ_dizure.h"
#include "platform/classes/TypInfo.h"
#include "platform/stdctrls/StdCtrlsRegistry.h"

const TEnumTypeInfo& TypeInfoOf(TFrameStyle)
{
    static const TEnumTypeInfo info("TFrameStyle",
                                    {"fsNone", "fsSimple", "fsLowered", "fsRaised", "fsEmbossed", "fsEngraved"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TColorScheme)
{
    static const TEnumTypeInfo info("TColorScheme", {"csBWG", "csSystem"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TBkgFill)
{
    static const TEnumTypeInfo info("TBkgFill", {"bfSimple", "bfStretch", "bfTile"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TFigType)
{
    static const TEnumTypeInfo info("TFigType", {"ftNoFigs", "ftNum", "ftTime", "ftDateTime", "ftUserText"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TScaleType)
{
    static const TEnumTypeInfo info("TScaleType", {"sctXB", "sctXT", "sctYL", "sctYR"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TScaleUnitAnchor)
{
    static const TEnumTypeInfo info("TScaleUnitAnchor", {"uaSclTopLft", "uaSclCenter", "uaSclBotRgt"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TYearLength)
{
    static const TEnumTypeInfo info("TYearLength", {"ylNone", "ylYY", "ylYYYY"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TDateOrder)
{
    static const TEnumTypeInfo info("TDateOrder", {"doMMDDYY", "doDDMMYY", "doYYMMDD"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TDateForTime)
{
    static const TEnumTypeInfo info("TDateForTime", {"dtNone", "dtOnePedIzure", "dtOnePerDay", "dtAllTicks"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TTimeFormat)
{
    static const TEnumTypeInfo info("TTimeFormat", {"tfHHMMSS", "tfHHhMM", "tfAMPM"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TScaleLocationHoriz)
{
    static const TEnumTypeInfo info("TScaleLocationHoriz", {"slTop", "slBottom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TScaleLocationVert)
{
    static const TEnumTypeInfo info("TScaleLocationVert", {"slLeft", "slRight"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TBGAreaMode)
{
    static const TEnumTypeInfo info("TBGAreaMode", {"bamNone", "bamLeft", "bamRight", "bamTop", "bamBottom", "bamVStripe",
                                                    "bamHStripe", "bamRect", "bamRectInv", "bamVStripeInv",
                                                    "bamHStripeInv"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TDisplay)
{
    static const TEnumTypeInfo info("TDisplay", {"dtFloat", "dtFixP", "dtExp", "dtHex", "dtZeroInt", "dtInt",
                                                 "dtDateTime", "dtState", "dtBin", "dtOct", "dtDeg", "dtDegMin",
                                                 "dtDegMinSec", "dtEEng", "dtEEngNoDP"});
    return info;
}

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

const TEnumTypeInfo& TypeInfoOf(TVerticalAlignment)
{
    static const TEnumTypeInfo info("TVerticalAlignment", {"vaTop", "vaCenter", "vaBottom"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TTxtLblAttachMode)
{
    static const TEnumTypeInfo info("TTxtLblAttachMode", {"tlamNone", "tlamXOnly", "tlamYOnly", "tlamBoth"});
    return info;
}

const TEnumTypeInfo& TypeInfoOf(TTxtLblMode)
{
    static const TEnumTypeInfo info("TTxtLblMode", {"tlOff", "tlsimple", "tlBox", "tlUnderline", "tlShadow"});
    return info;
}

namespace {

using C = TCustomDIzure;

void PublishSettings()
{
    TPublished<TDTLabel>(TDTLabel::StaticClass())
        .Property("TimeFormat", &TDTLabel::TimeFormat, &TDTLabel::SetTimeFormat).Default(tfHHMMSS)
        .Property("DateSeparator", &TDTLabel::DateSeparator, &TDTLabel::SetDateSeparator).Default(u'-')
        .Property("TimeSeparator", &TDTLabel::TimeSeparator, &TDTLabel::SetTimeSeparator).Default(u':')
        .Property("YearLength", &TDTLabel::YearLength, &TDTLabel::SetYearLength).Default(ylYYYY)
        .Property("MonthName", &TDTLabel::MonthName, &TDTLabel::SetMonthName).Default(true)
        .Property("DateOrder", &TDTLabel::DateOrder, &TDTLabel::SetDateOrder).Default(doDDMMYY)
        .Property("DateForTime", &TDTLabel::DateForTime, &TDTLabel::SetDateForTime).Default(dtOnePerDay);

    using P = TScaleProps;
    TPublished<P>(P::StaticClass())
        .Property("Caption", &P::Caption, &P::SetCaption)
        .Property("CaptionPosX", &P::CaptionPosX, &P::SetCaptionPosX).Default(0)
        .Property("CaptionPosY", &P::CaptionPosY, &P::SetCaptionPosY).Default(0)
        .Property("CaptionAlignment", &P::CaptionAlignment, &P::SetCaptionAlignment).Default(taCenter)
        .Property("CaptionAnchor", &P::CaptionAnchor, &P::SetCaptionAnchor).Default(uaSclTopLft)
        .Property("ColorScale", &P::ColorScale, &P::SetColorScale).Type("TColor").Default(clBlack)
        .Property("DateFormat", [](P* p) { return &p->DateFormat(); }, [](P* p, TDTLabel* v) { if (v) p->SetDateFormat(*v); })
        .Property("DecPlaces", &P::DecPlaces, &P::SetDecPlaces).Default(-2)
        .Property("Logarithmic", &P::Logarithmic, &P::SetLogarithmic).Default(false)
        .Property("LabelType", &P::LabelType, &P::SetLabelType).Default(ftNum)
        .Property("Font", [](P* p) { return &p->Font(); }, [](P* p, TFont* v) { if (v) p->SetFont(*v); })
        .Property("MinTicks", &P::MinTicks, &P::SetMinTicks).Default(3)
        .Property("RangeLow", &P::RangeLow, &P::SetRangeLow)
        .Property("RangeHigh", &P::RangeHigh, &P::SetRangeHigh)
        .Property("ShortTicks", &P::ShortTicks, &P::SetShortTicks).Default(true)
        .Property("ScaleInscript", &P::ScaleInscript, &P::SetScaleInscript)
        .Property("ScalePos", &P::ScalePos, &P::SetScalePos).Default(0)
        .Property("MinRange", &P::MinRange, &P::SetMinRange)
        .Property("MouseAction", &P::MouseAction, &P::SetMouseAction).Default(maNone)
        .Property("UserTickText", &P::UserTickText, &P::SetUserTickText)
        .Property("Visible", &P::Visible, &P::SetVisible).Default(false);
    TPublished<TScalePropsHoriz>(TScalePropsHoriz::StaticClass())
        .Property("ScaleLocation", &TScalePropsHoriz::ScaleLocation, &TScalePropsHoriz::SetScaleLocation).Default(slBottom);
    TPublished<TScalePropsVert>(TScalePropsVert::StaticClass())
        .Property("ScaleLocation", &TScalePropsVert::ScaleLocation, &TScalePropsVert::SetScaleLocation).Default(slLeft);

    TPublished<TCrossHair>(TCrossHair::StaticClass())
        .Property("PosX", &TCrossHair::PosX, &TCrossHair::SetPosX)
        .Property("PosY", &TCrossHair::PosY, &TCrossHair::SetPosY)
        .Property("Color", &TCrossHair::Color, &TCrossHair::SetColor).Type("TColor").Default(clRed)
        .Property("Mode", &TCrossHair::Mode, &TCrossHair::SetMode).Default(chOff)
        .Property("LineType", &TCrossHair::LineType, &TCrossHair::SetLineType).Default(TPenStyle::psDashDotDot)
        .Property("LineWid", &TCrossHair::LineWid, &TCrossHair::SetLineWid).Default(1)
        .Property("Layer", &TCrossHair::Layer, &TCrossHair::SetLayer).Default(1);

    // The anchor is left out at 0; the rest is always written.
    using T = TTextLabel;
    TPublished<T>(T::StaticClass())
        .Property("PosX", &T::PosX, &T::SetPosX)
        .Property("PosY", &T::PosY, &T::SetPosY)
        .Property("Layer", &T::Layer, &T::SetLayer)
        .Property("ShadowDx", &T::ShadowDx, &T::SetShadowDx)
        .Property("ShadowDy", &T::ShadowDy, &T::SetShadowDy)
        .Property("ColorShadow", &T::ColorShadow, &T::SetColorShadow).Type("TColor")
        .Property("Alignment", &T::Alignment, &T::SetAlignment)
        .Property("VerticalAlignment", &T::VerticalAlignment, &T::SetVerticalAlignment)
        .Property("AttachToData", &T::AttachToData, &T::SetAttachToData)
        .Property("ColorBkg", &T::ColorBkg, &T::SetColorBkg).Type("TColor")
        .Property("ColorBorder", &T::ColorBorder, &T::SetColorBorder).Type("TColor")
        .Property("Transparent", &T::Transparent, &T::SetTransparent)
        .Property("Font", [](T* t) { return &t->Font(); }, [](T* t, TFont* v) { if (v) t->SetFont(*v); })
        .Property("Caption", &T::Caption, &T::SetCaption)
        .Property("Mode", &T::Mode, &T::SetMode)
        .Property("Visible", &T::Visible, &T::SetVisible);

    // L01xControlledBy .. L16yControlledBy: each layer governs itself unless joined.
    TPublished<TJointLayers> joints(TJointLayers::StaticClass());
    for (bool xAxis : {true, false})
        for (Integer n = 1; n <= 16; ++n) {
            const std::string name = (n < 10 ? "L0" : "L") + std::to_string(n) + (xAxis ? "x" : "y") + "ControlledBy";
            joints
                .Property(name.c_str(),
                          [n, xAxis](TJointLayers* j) { return xAxis ? j->XControlledBy(n) : j->YControlledBy(n); },
                          [n, xAxis](TJointLayers* j, Integer m) {
                              if (xAxis) j->SetXControlledBy(n, m);
                              else j->SetYControlledBy(n, m);
                          })
                .Default(n);
        }

    // The path switch is read before the name, which keeps its folder only with it.
    TPublished<TBakGndImg>(TBakGndImg::StaticClass())
        .Property("IncludePath", &TBakGndImg::IncludePath, &TBakGndImg::SetIncludePath).Default(false)
        .Property("Name", &TBakGndImg::Name, &TBakGndImg::SetName)
        .Property("FillMode", &TBakGndImg::FillMode, &TBakGndImg::SetFillMode).Default(bfStretch)
        .Property("AreaMode", &TBakGndImg::AreaMode, &TBakGndImg::SetAreaMode).Default(bamNone)
        .Property("AreaColor", &TBakGndImg::AreaColor, &TBakGndImg::SetAreaColor).Type("TColor").Default(TColor(14540253))
        .Property("AreaLeft", &TBakGndImg::AreaLeft, &TBakGndImg::SetAreaLeft)
        .Property("AreaRight", &TBakGndImg::AreaRight, &TBakGndImg::SetAreaRight)
        .Property("AreaTop", &TBakGndImg::AreaTop, &TBakGndImg::SetAreaTop)
        .Property("AreaBottom", &TBakGndImg::AreaBottom, &TBakGndImg::SetAreaBottom);
}

void PublishScale()
{
    using S = TScale;
    TPublished<S>(S::StaticClass())
        .Property("FrameStyle", &S::FrameStyle, &S::SetFrameStyle).Default(fsLowered)
        .Property("ColorScale", &S::ColorScale, &S::SetColorScale).Type("TColor").Default(clBlack)
        .Property("ColorBackGnd", &S::ColorBackGnd, &S::SetColorBackGnd).Type("TColor").Default(clBtnFace)
        .Property("ColorScheme", &S::ColorScheme, &S::SetColorScheme).Default(csBWG)
        .Property("OnScaleTickDrawn", &S::OnScaleTickDrawn)
        .Property("OnBeforeTickLabel", &S::OnBeforeTickLabel)
        .Property("OnZoomPan", &S::OnZoomPan)
        .Property("Logarithmic", &S::Logarithmic, &S::SetLogarithmic).Default(false)
        .Property("RangeHigh", &S::RangeHigh, &S::SetRangeHigh)
        .Property("RangeLow", &S::RangeLow, &S::SetRangeLow)
        .Property("ShortTicks", &S::ShortTicks, &S::SetShortTicks).Default(true)
        .Property("NumTicks", &S::NumTicks, nullptr)
        .Property("MinTicks", &S::MinTicks, &S::SetMinTicks).Default(3)
        .Property("DecPlaces", &S::DecPlaces, &S::SetDecPlaces).Default(-2)
        .Property("ShowBaseLine", &S::ShowBaseLine, &S::SetShowBaseLine).Default(true)
        .Property("Transparent", &S::Transparent, &S::SetTransparent).Default(false)
        .Property("LabelType", &S::LabelType, &S::SetLabelType).Default(ftNum)
        .Property("DateFormat", [](S* s) { return &s->DateFormat(); }, [](S* s, TDTLabel* v) { if (v) s->SetDateFormat(*v); })
        .Property("MarginTop", &S::MarginTop, &S::SetMarginTop).Default(20)
        .Property("MarginBottom", &S::MarginBottom, &S::SetMarginBottom).Default(20)
        .Property("MarginRight", &S::MarginRight, &S::SetMarginRight).Default(20)
        .Property("MarginLeft", &S::MarginLeft, &S::SetMarginLeft).Default(20)
        .Property("IsHelperComponent", &S::IsHelperComponent, &S::SetIsHelperComponent).Default(false)
        .Property("CaptionPosX", &S::CaptionPosX, &S::SetCaptionPosX).Default(4)
        .Property("CaptionPosY", &S::CaptionPosY, &S::SetCaptionPosY).Default(4)
        .Property("CaptionAlignment", &S::CaptionAlignment, &S::SetCaptionAlignment).Default(taCenter)
        .Property("CaptionAnchor", &S::CaptionAnchor, &S::SetCaptionAnchor).Default(uaSclTopLft)
        .Property("MouseAction", &S::MouseAction, &S::SetMouseAction).Default(maNone)
        .Property("UserTickText", &S::UserTickText, &S::SetUserTickText)
        .Property("ScaleInscript", &S::ScaleInscript, &S::SetScaleInscript)
        .Property("Caption", &S::Caption, &S::SetCaption)
        .Property("ForeignCanvasPosX", &S::ForeignCanvasPosX, &S::SetForeignCanvasPosX).Default(0)
        .Property("ForeignCanvasPosY", &S::ForeignCanvasPosY, &S::SetForeignCanvasPosY).Default(0)
        .Property("ScaleType", &S::ScaleType, &S::SetScaleType).Default(sctXB)
        .Property("OnBeforeScaleRendered", &S::OnBeforeScaleRendered)
        .Property("OnAfterScaleRendered", &S::OnAfterScaleRendered)
        .Property("SuppressPaint", &S::SuppressPaint, &S::SetSuppressPaint).Default(false)
        .Property("OnContextPopup", &S::OnContextPopup);
}

void PublishNumLab()
{
    using N = TNumLab;
    TPublished<N>(N::StaticClass())
        .Property("LeftSpace", &N::LeftSpace, &N::SetLeftSpace).Default(35)
        .Property("Empty", &N::Empty, &N::SetEmpty).Default(false)
        .Property("LabelWidth", &N::LabelWidth, &N::SetLabelWidth).Default(80)
        .Property("Precision", &N::Precision, &N::SetPrecision).Default(2)
        .Property("Comma", &N::Comma, &N::SetComma).Default(false)
        .Property("ForcePlusSign", &N::ForcePlusSign, &N::SetForcePlusSign).Default(false)
        .Property("Transparent", &N::Transparent, &N::SetTransparent).Default(false)
        .Property("LeftText", &N::LeftText, &N::SetLeftText)
        .Property("RightText", &N::RightText, &N::SetRightText)
        .Property("FrameStyle", &N::FrameStyle, &N::SetFrameStyle).Default(fsLowered)
        .Property("StateText", &N::StateText, &N::SetStateText)
        .Property("Alignment", &N::Alignment, &N::SetAlignment).Default(taCenter)
        .Property("LeftTextAlignment", &N::LeftTextAlignment, &N::SetLeftTextAlignment).Default(taRightJustify)
        .Property("RightTextAlignment", &N::RightTextAlignment, &N::SetRightTextAlignment).Default(taLeftJustify)
        .Property("OverflowIndicator", &N::OverflowIndicator, &N::SetOverflowIndicator)
        .Property("Value", &N::Value, &N::SetValue)
        .Property("Enabled", &N::Enabled, &N::SetLabEnabled).Default(true)
        .Property("ColorLabBakG", &N::ColorLabBakG, &N::SetColorLabBakG).Type("TColor").Default(clBtnFace)
        .Property("ColorLabText", &N::ColorLabText, &N::SetColorLabText).Type("TColor").Default(clBlack)
        .Property("ColorOutBakG", &N::ColorOutBakG, &N::SetColorOutBakG).Type("TColor").Default(clBtnFace)
        .Property("ColorOutText", &N::ColorOutText, &N::SetColorOutText).Type("TColor").Default(clBlack)
        .Property("ColorScheme", &N::ColorScheme, &N::SetColorScheme).Default(csBWG)
        .Property("DisplayType", &N::DisplayType, &N::SetDisplayType).Default(dtFixP)
        .Property("DTFormat", &N::DTFormat, &N::SetDTFormat)
        .Property("OnBeforeDisplay", &N::OnBeforeDisplay);
}

// The axis settings of layer L, x or y, as a published property that copies what it is given.
template <Integer L>
void PublishScales(TPublished<C>& p)
{
    static const std::string x = "Scale" + std::to_string(L) + "X", y = "Scale" + std::to_string(L) + "Y";
    p.Property(x.c_str(), [](C* c) { return &c->GetScalePropsX(L); },
               [](C* c, TScalePropsHoriz* v) { c->SetScalePropsX(L, v); });
    p.Property(y.c_str(), [](C* c) { return &c->GetScalePropsY(L); },
               [](C* c, TScalePropsVert* v) { c->SetScalePropsY(L, v); });
}

template <Integer N>
void PublishCrossHair(TPublished<C>& p)
{
    static const std::string name = "CrossHair" + std::to_string(N);
    p.Property(name.c_str(), [](C* c) { return &c->CrossHair(N); }, [](C* c, TCrossHair* v) { c->SetCrossHair(N, v); });
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
        .Property("PenStyle", &C::PenStyle, &C::SetPenStyle).Default(TPenStyle::psSolid)
        .Property("LineWidth", &C::LineWidth, &C::SetLineWidth).Default(Byte(1))
        .Property("ClassDefault", &C::ClassDefault, &C::SetClassDefault).Default(Byte(0))
        .Property("TextFont", [](C* c) { return &c->TextFont(); }, [](C* c, TFont* v) { if (v) c->SetTextFont(*v); })
        .Property("TextFontStyle", &C::TextFontStyle, &C::SetTextFontStyle).Default(TFontStyles{})
        .Property("TextBkStyle", &C::TextBkStyle, &C::SetTextBkStyle).Default(tbClear)
        .Property("TextAlignment", &C::TextAlignment, &C::SetTextAlignment).Default(taCenter)
        .Property("AvoidDuplicateMarks", &C::AvoidDuplicateMarks, &C::SetAvoidDuplicateMarks).Default(false)
        .Property("MinDupMarkDist", &C::MinDupMarkDist, &C::SetMinDupMarkDist).Default(1)
        .Property("AllocSize", &C::AllocSize, &C::SetAllocSize).Default(1000)
        .Property("AutoRedraw", &C::AutoRedraw, &C::SetAutoRedraw).Default(true)
        .Property("UseDataOf", &C::UseDataOf, &C::SetUseDataOf)
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
    p.Property("JointLayers", [](C* c) { return &c->JointLayers(); },
               [](C* c, TJointLayers* v) { if (v) c->SetJointLayers(*v); })
        .Property("BackGroundImg", [](C* c) { return &c->BackGroundImg(); },
                  [](C* c, TBakGndImg* v) { if (v) c->SetBackGroundImg(*v); });
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
        .Property("OnBeforeRenderText", &C::OnBeforeRenderText)
        .Property("OnMouseEnter", &C::OnMouseEnter)
        .Property("OnMouseLeave", &C::OnMouseLeave)
        .Property("OnMouseWheel", &C::OnMouseWheel)
        .Property("OnMouseWheelDown", &C::OnMouseWheelDown)
        .Property("OnMouseWheelUp", &C::OnMouseWheelUp)
        .Property("OnCanResize", &C::OnCanResize);
}

}  // namespace

void RegisterChartClasses()
{
    static bool done = false;
    if (done) return;
    done = true;
    RegisterControlClasses();
    PublishSettings();
    PublishScale();
    PublishNumLab();
    PublishChart();
    RegisterClasses({TScaleProps::StaticClass(), TScalePropsHoriz::StaticClass(), TScalePropsVert::StaticClass(),
                     TCrossHair::StaticClass(), TDTLabel::StaticClass(), TTextLabel::StaticClass(), TJointLayers::StaticClass(),
                     TBakGndImg::StaticClass(), TScale::StaticClass(), TNumLab::StaticClass(),
                     TCustomDIzure::StaticClass(), TDIzure::StaticClass()});
}
