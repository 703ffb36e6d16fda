#include "chart/VEZ_NumLab.h"

#include <cmath>
#include <cstdint>

#include "numerics/VEZ_math1.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

IMPLEMENT_CLASS(TNumLab, TGraphicControl, NewComponent<TNumLab>)

namespace {

const String DegreeSign = String::FromChar(u'\u00B0');

// Rounds to the given decimals, halves away from zero.
double RoundAway(double v, Integer decimals)
{
    const double f = std::pow(10.0, decimals);
    return std::round(v * f) / f;
}

double Snap(double v)
{
    const double r = std::nearbyint(v);
    return std::fabs(v - r) < 3e-12 ? r : v;
}

String DegreesText(double d)
{
    const double whole = std::trunc(d);
    const String deg = whole == 0 && d < 0 ? String("-0") : IntToStr(static_cast<Int64>(whole));
    return deg + DegreeSign + " ";
}

// The last k digits in the given base of Round(v) taken as an unsigned 32-bit number.
String Digits(double v, unsigned base, Integer k, Integer maxDigits)
{
    std::uint32_t n = static_cast<std::uint32_t>(static_cast<Int64>(Round(v)));
    const Integer count = std::min(std::max(k, 1), maxDigits);
    String text;
    for (Integer i = 0; i < count; ++i) {
        text = String::FromChar(static_cast<char16_t>(u'0' + n % base)) + text;
        n /= base;
    }
    return k < text.Length() ? Copy(text, text.Length() - k + 1) : text;
}

}  // namespace

TNumLab::TNumLab(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(FLeft, FTop, 160, 28);
}

void TNumLab::PaintNow()
{
    if (Parent()) Paint();
}

void TNumLab::SetLeftSpace(Integer value)
{
    if (value < 0) return;
    Store(FLeftSpace, std::min(value, Width()));
}

void TNumLab::SetPrecision(Integer value)
{
    if (value < 0) return;
    Store(FDecP, std::min(value, 15));
}

void TNumLab::SetValue(double value)
{
    if (value == FLabValue) return;   // a value that is not a number always counts as a change
    FLabValue = value;
    PaintNow();
}

void TNumLab::SetTransparent(bool value)
{
    if (FTransParent == value) return;
    FTransParent = value;
    if (value) Invalidate();
    else PaintNow();
}

void TNumLab::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value) return;
    FColorScheme = value;
    FColGrayLine = value == csSystem ? clBtnShadow : clGray;
    FColWhiteLine = value == csSystem ? clBtnHighlight : clWhite;
    PaintNow();
}

void TNumLab::SetLabEnabled(bool value)
{
    SetEnabled(value);
    Refresh();
}

void TNumLab::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TNumLab*>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    FLeftSpace = src->FLeftSpace;
    FEmpty = src->FEmpty;
    FLabWidth = src->FLabWidth;
    FDecP = src->FDecP;
    FLeftText = src->FLeftText;
    FRightText = src->FRightText;
    FFrameStyle = src->FFrameStyle;
    FAlignment = src->FAlignment;
    FRTAlignment = src->FRTAlignment;
    FLTAlignment = src->FLTAlignment;
    FOverFlowIndi = src->FOverFlowIndi;
    FLabValue = src->FLabValue;
    FStateText = src->FStateText;
    FTransParent = src->FTransParent;
    FColorLabBakG = src->FColorLabBakG;
    FColorLabText = src->FColorLabText;
    FColorOutBakG = src->FColorOutBakG;
    FColorOutText = src->FColorOutText;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    FDisplayType = src->FDisplayType;
    PaintNow();
}

void TNumLab::AssignTo(TPersistent* Dest)
{
    if (auto* dst = dynamic_cast<TNumLab*>(Dest)) dst->Assign(this);
    else inherited::AssignTo(Dest);
}

void TNumLab::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    FMouseAreaCode = 0;
    if (X > FLeftSpace) FMouseAreaCode = 1;
    if (X > FLeftSpace + FLabWidth) FMouseAreaCode = 2;
    inherited::MouseMove(Shift, X, Y);
}

String TNumLab::ValueText() const
{
    const double v = FLabValue;
    const Integer p = FDecP;
    const bool outOfUnsigned = v < -2147483648.0 || v > 4294967295.0;
    String text;
    switch (FDisplayType) {
        case dtFloat: text = Format("%*.*g", {1, p, v}); break;
        case dtFixP: text = Format("%*.*f", {1, p, v}); break;
        case dtExp: text = Format("%*.*e", {1, p, v}); break;
        case dtHex: {
            if (outOfUnsigned) return FOverFlowIndi;
            const Integer k = std::min(p, 8);
            const auto n = static_cast<unsigned>(static_cast<std::uint32_t>(static_cast<Int64>(Round(v))));
            text = Format("%*.*x", {1, k, n});
            if (text.Length() > k) text = Copy(text, text.Length() - k + 1);
            return text;
        }
        case dtZeroInt:
            if (v < -2147483648.0 || v > 2147483647.0) return FOverFlowIndi;
            text = Format("%*.*d", {1, p, static_cast<int>(Round(v))});
            break;
        case dtInt: text = Format("%*.*d", {1, 0, static_cast<long long>(Round(v))}); break;
        case dtDateTime: return FormatDateTime(FDtFormat, v);
        case dtState: return FStateText;
        case dtBin:
            if (outOfUnsigned) return FOverFlowIndi;
            return Digits(v, 2, std::min(p, 32), 32);
        case dtOct:
            if (outOfUnsigned) return FOverFlowIndi;
            text = Digits(v, 8, std::min(p, 12), 11);
            break;
        case dtDeg: {
            const Integer q = std::clamp(p, 0, 8);
            text = Format("%.*f", {q, v}) + DegreeSign;
            break;
        }
        case dtDegMin: {
            const Integer q = std::clamp(p, 0, 8);
            const double d = Snap(RoundAway(v * 60, q) / 60);
            const double minutes = (std::fabs(d) - std::trunc(std::fabs(d))) * 60;
            text = DegreesText(d) + Format("%*.*f", {q + 3, q, minutes}) + "'";
            break;
        }
        case dtDegMinSec: {
            const Integer q = std::clamp(p, 0, 8);
            const double d = Snap(RoundAway(v * 3600, q) / 3600);
            const double m = Snap((std::fabs(d) - std::trunc(std::fabs(d))) * 60);
            const double seconds = (m - std::trunc(m)) * 60;
            text = DegreesText(d) + Format("%2d", {static_cast<int>(std::trunc(m))}) + "' " +
                   Format("%*.*f", {q + 3, q, seconds}) + "\"";
            break;
        }
        case dtEEng: text = FormatEngineering(p, v); break;
        case dtEEngNoDP: text = FormatEngineering(-p, v); break;
    }
    if (text.IsEmpty() && (FDisplayType == dtDeg || FDisplayType == dtDegMin || FDisplayType == dtDegMinSec ||
                           FDisplayType == dtEEng || FDisplayType == dtEEngNoDP))
        return FOverFlowIndi;
    text = FComma ? StringReplace(text, ".", ",", rfReplaceAll) : StringReplace(text, ",", ".", rfReplaceAll);
    if (FPlusSign && (v > 0 || std::isnan(v))) text = "+" + text;
    return text;
}

void TNumLab::Paint()
{
    if (!Visible() && !ComponentState().Contains(csDesigning)) return;
    TBitmap bmp;
    PaintTo(bmp);
    TCanvas& cv = Canvas();
    if (FTransParent) {
        cv.Brush().SetStyle(TBrushStyle::bsSolid);
        cv.Brush().SetColor(FColorLabText == clBlack ? FColorLabBakG : clWhite);
        cv.FillRect(Rect(FLeftSpace + 2, 2, FLeftSpace + FLabWidth, Height() - 2));
        const TCopyMode mode = cv.CopyMode();
        cv.SetCopyMode(cmSrcAnd);
        cv.CopyRect(Rect(0, 0, Width(), Height()), bmp.Canvas(), Rect(0, 0, Width(), Height()));
        cv.SetCopyMode(mode);
    } else {
        cv.Draw(0, 0, bmp);
    }
}

void TNumLab::PaintTo(TBitmap& bmp)
{
    ++FPaintCount;
    const Integer W = Width(), H = Height();
    bmp.SetPixelFormat(TPixelFormat::pf32bit);
    bmp.SetSize(W, H);
    TCanvas& cv = bmp.Canvas();
    cv.Font().Assign(Font());
    const TColor out = FTransParent ? clWhite : FColorOutBakG;
    cv.Pen().SetColor(out);
    cv.Brush().SetColor(out);
    cv.Brush().SetStyle(TBrushStyle::bsSolid);
    cv.Rectangle(0, 0, W, H);
    const Integer th = cv.TextHeight(String(u"(8g]}\u00DC\u00C4\u00A7"));
    const Integer ty = (H - th) / 2;
    // The side texts; disabled: white one pixel right and down, then grey in place.
    auto sideText = [&](const String& text, Integer x) {
        if (Enabled()) {
            cv.Font().SetColor(FColorOutText);
            cv.TextOut(x, ty, text);
            return;
        }
        cv.Brush().SetStyle(TBrushStyle::bsClear);
        cv.Font().SetColor(clWhite);
        cv.TextOut(x + 1, ty + 1, text);
        cv.Font().SetColor(clGray);
        cv.TextOut(x, ty, text);
        cv.Brush().SetStyle(TBrushStyle::bsSolid);
    };
    if (!FLeftText.IsEmpty()) {
        const Integer tw = cv.TextWidth(FLeftText);
        const Integer x = FLTAlignment == taLeftJustify ? 7 : FLTAlignment == taRightJustify ? FLeftSpace - tw - 5
                                                                                             : (FLeftSpace - tw) / 2;
        sideText(FLeftText, x);
    }
    if (!FRightText.IsEmpty()) {
        const Integer tw = cv.TextWidth(FRightText), L = FLeftSpace + FLabWidth;
        const Integer x = FRTAlignment == taLeftJustify ? L + 7 : FRTAlignment == taRightJustify ? W - tw - 6
                                                                                                : L + 1 + (W - L - tw) / 2;
        sideText(FRightText, x);
    }
    Draw3DFrame(cv, FFrameStyle, FLeftSpace + 1, 0, FLeftSpace + FLabWidth, H - 2, FColWhiteLine, clSilver,
                FColGrayLine, FColBlackLine, FColBlackLine);
    cv.Brush().SetStyle(TBrushStyle::bsSolid);
    cv.Brush().SetColor(FColorLabBakG);
    const TRect box = Rect(FLeftSpace + 3, 2, FLeftSpace + FLabWidth - 1, H - 3);
    String text;
    if (!FEmpty) {
        text = ValueText();
        OnBeforeDisplay(this, text);
        if (cv.TextWidth(text) > FLabWidth - 6 && FDisplayType != dtState) text = FOverFlowIndi;
    }
    cv.Font().SetColor(Enabled() ? FColorLabText : clBtnShadow);
    const Integer tw = cv.TextWidth(text);
    const Integer x = FAlignment == taLeftJustify ? FLeftSpace + 4
                      : FAlignment == taRightJustify ? FLeftSpace + FLabWidth - tw - 2
                                                     : FLeftSpace + (FLabWidth - tw) / 2 + 2;
    cv.FillRect(box);
    cv.Brush().SetStyle(TBrushStyle::bsClear);
    cv.TextRect(box, x, ty, text);
    cv.Brush().SetStyle(TBrushStyle::bsSolid);
}
