#include "chart/VEZ_Scale.h"

#include <cmath>

#include "numerics/VEZ_math1.h"
#include "platform/rtl/DateUtils.h"
#include "platform/rtl/RtlMath.h"

IMPLEMENT_CLASS(TScale, TCustomControl, NewComponent<TScale>)

namespace {

constexpr double TolFactor = 0.999999999;
constexpr double DayTol = 1e-8;

bool IsVertical(TScaleType t) { return t == sctYL || t == sctYR; }

// Time steps in seconds with their minor divisions; index 0 and 28 mean "no step fits".
constexpr double TimeSteps[29] = {0,    0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1,  0.2,   0.5,
                                  1,    2,     5,     10,    20,   30,   60,   120,  180,   300,
                                  600,  1200,  1800,  3600,  7200, 14400, 21600, 43200, 86400};
constexpr int TimeMinor[29] = {1, 5, 4, 5, 5, 4, 5, 5, 4, 5, 5, 4, 5, 5, 4,
                               6, 6, 6, 6, 5, 5, 6, 6, 6, 4, 4, 6, 6, 1};

struct TStepRow {
    int Steps[6];
    int Minor[6];
};
constexpr TStepRow HourRow{{1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}};
constexpr TStepRow MinSecRow{{1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TStepRow HundredthRow{{1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}};

String NumberText(double v, Integer decimals)
{
    return FormatFixed(1, decimals == -1 ? -2 : decimals, v);
}

String Quoted(char16_t c)
{
    return String("'") + String::FromChar(c) + "'";
}

}  // namespace

// ---------------------------------------------------------------- label helpers

Integer AutoDecPlaces(Integer DecPlaces, double High, double Low)
{
    if (DecPlaces != -2 && DecPlaces != -3) return DecPlaces;
    const double d = std::fabs(High - Low);
    if (d >= 1e6 || d <= 1e-4) return -1;
    if (d >= 100) return 0;
    return 2 - static_cast<Integer>(Round(std::log(d) / 2.5));
}

Integer AutoLogDecPlaces(Integer DecPlaces, double High, double Low)
{
    if (DecPlaces != -2) return DecPlaces;
    const double lo = std::min(High, Low), hi = std::max(High, Low);
    if (hi - lo >= 1e6 || hi - lo <= 1e-4) return -1;
    if (lo >= 1) return 0;
    return 1 - static_cast<Integer>(Round(std::log10(std::fabs(lo))));
}

String UserTickField(const String& text, Integer n)
{
    String field;
    Integer index = 1;
    for (int i = 1; i <= text.Length(); ++i) {
        if (text[i] == u'|') {
            if (index == n) return field;
            ++index;
            field = String();
        } else {
            field += text[i];
        }
    }
    return field;   // the n-th field, or the last one when there are fewer
}

String ApplyInscript(const String& number, const String& inscript)
{
    if (number.IsEmpty()) return number;
    const int amp = Pos("&", inscript);
    if (amp == 0) return inscript + number;
    return Copy(inscript, 1, amp - 1) + number + Copy(inscript, amp + 1);
}

String FormatSeconds(double v, bool withMilliseconds)
{
    // Whole milliseconds first, so that a tick a rounding error below a full second
    // shows that second.
    const Int64 ms = Round(std::fabs(v) * 1000);
    const Int64 secs = ms / 1000;
    auto two = [](Int64 n) { return n < 10 ? "0" + IntToStr(n) : IntToStr(n); };
    String text = String::FromChar(v >= 0 ? u' ' : u'-') + two(secs / 3600) + ":" + two(secs / 60 % 60) + ":" +
                  two(secs % 60);
    if (withMilliseconds) {
        String frac = IntToStr(ms % 1000);
        while (frac.Length() < 3) frac = "0" + frac;
        text += "." + frac;
    }
    return text;
}

// ---------------------------------------------------------------- pan and zoom

bool PanZoomRange(const TPanZoomInput& in, double& newLow, double& newHigh)
{
    const bool horiz = !IsVertical(in.ScaleType);
    const double W = in.Width - in.MarginLeft - in.MarginRight;
    const double H = in.Height - in.MarginTop - in.MarginBottom;
    const double AL = in.AnchorLow, AH = in.AnchorHigh, lo = in.Low, hi = in.High;
    const double x = in.X, y = in.Y, ax = in.AnchorX, ay = in.AnchorY;
    const double g = std::sqrt(AL * AH);
    switch (in.Action) {
        case maPan:
            if (horiz) {
                if (in.Logarithmic) {
                    const double f = std::exp(std::log(hi / lo) * (ax - x) / W);
                    newLow = AL * f; newHigh = AH * f;
                } else {
                    const double s = (x - ax) * (hi - lo) / W;
                    newLow = AL - s; newHigh = AH - s;
                }
            } else if (in.Logarithmic) {
                const double f = std::exp(std::log(hi / lo) * (y - ay) / H);
                newLow = AL * f; newHigh = AH * f;
            } else {
                const double s = (y - ay) * (hi - lo) / H;
                newLow = AL + s; newHigh = AH + s;
            }
            return true;
        case maZoom:
            newLow = AL;
            newHigh = AH;
            if (horiz) {
                if (ax >= W / 2 + in.MarginLeft) {
                    newHigh = in.Logarithmic ? g * std::exp(std::log(AH / g) * ((ax - x) / W + 1))
                                             : AL + (AH - AL) * (ax - in.MarginLeft) / (x - in.MarginLeft);
                } else {
                    newLow = in.Logarithmic ? g / std::exp(std::log(AH / g) * ((x - ax) / W + 1))
                                            : AH - (AH - AL) * (in.Width - ax - in.MarginRight) /
                                                       (in.Width - x - in.MarginRight);
                }
            } else if (ay > H / 2 + in.MarginTop) {
                newLow = in.Logarithmic ? g / std::exp(std::log(AH / g) * ((ay - y) / H + 1))
                                        : AH - (AH - AL) * (ay - in.MarginTop) / (y - in.MarginTop);
            } else {
                newHigh = in.Logarithmic ? g * std::exp(std::log(AH / g) * ((y - ay) / H + 1))
                                         : AL + (AH - AL) * (in.Height - ay - in.MarginBottom) /
                                                   (in.Height - y - in.MarginBottom);
            }
            return true;
        case maZoomDrag: {
            if (in.Logarithmic) {
                const double f = horiz ? (ax - x) / in.Width + 1 : (y - ay) / in.Height + 1;
                const double e = std::exp(std::log(AH / g) * f);
                newLow = g / e; newHigh = g * e;
            } else {
                const double m = (AL + AH) / 2;
                const double f = horiz ? 1 - (x - ax) / in.Width : (y - ay) / in.Height + 1;
                newLow = m - (AH - AL) * f / 2; newHigh = m + (AH - AL) * f / 2;
            }
            return true;
        }
        default:
            return false;
    }
}

// ---------------------------------------------------------------- tick painter

// Draws the ticks and labels of one painting of an axis on a canvas.
class TAxisPainter {
public:
    TAxisPainter(TScale& s, TCanvas& cv, Integer base)
        : S(s), Cv(cv), B(base), Vertical(IsVertical(s.FScaleType)),
          Dir(s.FScaleType == sctYL || s.FScaleType == sctXT ? 1 : -1)
    {
    }

    void Draw()
    {
        if (S.FLabelType == ftDateTime) {
            DateTimeTicks();
            return;
        }
        if (S.FLabelType == ftTime && TimeTicks()) return;
        if (S.FAxLog) LogTicks();
        else LinearTicks();
    }

private:
    enum class TKind { Minor, Major };

    Integer Pix(double v) const { return S.ConvertToPixelCoords(v); }
    Integer MajorLen() const { return Vertical ? 6 : 7; }
    Integer MinTicks() const { return S.FNumTicks > 0 ? S.FNumTicks : 2; }

    void Record(double v)
    {
        if (S.FTickCount < 250) S.FScaleTickPos[S.FTickCount++] = v;
    }

    void TickLine(Integer p, Integer len)
    {
        if (Vertical) {
            Cv.MoveTo(B, p);
            Cv.LineTo(B + Dir * len, p);
        } else {
            Cv.MoveTo(p, B);
            Cv.LineTo(p, B + Dir * len);
        }
    }

    void TickEvent(double v, Integer p)
    {
        if (Vertical) S.OnScaleTickDrawn(&S, &Cv, S.FScaleType, v, B, p);
        else S.OnScaleTickDrawn(&S, &Cv, S.FScaleType, v, p, B);
    }

    // Writes a tick label beside (vertical) or across (horizontal) the tick at pixel p;
    // shift moves it further from the base line by that many label heights.
    void WriteLabel(String text, double v, Integer p, bool ownHeight, Integer shift = 0)
    {
        S.OnBeforeTickLabel(&S, S.FScaleType, v, text);
        const TSize size = Cv.TextExtent(text);
        const Integer h = ownHeight ? size.cy : Cv.TextHeight("0");
        const Integer w = size.cx;
        if (Vertical) {
            const Integer x = S.FScaleType == sctYL ? B + 8 : B - w - 8;
            Cv.TextOut(x, p - h / 2 - shift * 3 * (h / 2), text);
        } else {
            const Integer top = (S.FScaleType == sctXT ? B + 7 : B - h - 7) + Dir * shift * h;
            Cv.TextOut(LabelLeft(p, w), top, text);
        }
    }

    Integer LabelLeft(Integer x, Integer w) const
    {
        if (x + w / 2 < S.FWidth - 2) return x - std::min(x - 2, w / 2);
        return S.FWidth - 2 * (w / 2) - 2;
    }

    // One tick: line, record, and for a labelled tick the label with the event in the
    // orientation's order.
    void Tick(double v, TKind kind, bool record, const String* label = nullptr, bool ownHeight = false,
              Integer len = 0)
    {
        const Integer p = Pix(v);
        if (record) Record(v);
        TickLine(p, len ? len : kind == TKind::Major ? MajorLen() : 4);
        if (label && !Vertical) WriteLabel(*label, v, p, ownHeight);
        TickEvent(v, p);
        if (label && Vertical) WriteLabel(*label, v, p, ownHeight);
    }

    // ---- linear numbers
    void LinearTicks()
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        Extended F = 0, St = 0;
        Word n = 1;
        NiceTickStep(S.FNumTicks, lo, hi, F, St, n);
        const double first = static_cast<double>(F), step = static_cast<double>(St);
        const double m = step / (n ? n : 1);
        const double dir = lo < hi ? 1 : -1;
        if (S.FShortTicks) {
            for (int i = 0;; ++i) {
                const double v = first - step + i * m;
                if (!(dir * v < dir * lo)) Tick(v, TKind::Minor, true);
                const double next = first - step + (i + 1) * m;
                if (!((next - hi) * dir <= 0.001 * std::fabs(m)) || i > 100000) break;
            }
        }
        const Integer p = AutoDecPlaces(S.FDecPlaces, hi, lo);
        const bool recordMajor = Vertical || !S.FShortTicks;
        for (int j = 0;; ++j) {
            const double v = first + j * step;
            if (S.FLabelType == ftNoFigs) {
                Tick(v, TKind::Major, recordMajor);
            } else {
                const String text = LinearLabel(v, p, j + 1);
                Tick(v, TKind::Major, recordMajor, &text);
            }
            const double next = first + (j + 1) * step;
            if (!((next - hi) * dir <= 0.001 * std::fabs(step)) || j > 100000) break;
        }
    }

    String LinearLabel(double v, Integer p, Integer index) const
    {
        const double width = S.FRangeHigh - S.FRangeLow;
        String text;
        if (std::fabs(v / width) < 1e-14)
            text = std::fabs(width) <= 100000 ? NumberText(0, p) : String(p == 0 ? "0" : "0.0");
        else
            text = NumberText(v, p);
        text = Copy(text, 1, 14);
        if (S.FDecPlaces == 0 && std::fabs(v - std::nearbyint(v)) > 1e-6) text = String();
        if (S.FLabelType == ftUserText) return UserTickField(S.FUserTicktext, index);
        return ApplyInscript(text, S.FScaleInscript);
    }

    // ---- logarithmic numbers
    void LogTicks()
    {
        const double decades = std::fabs(std::log10(S.FRangeHigh / S.FRangeLow));
        if (decades < 1) {
            LinearTicks();
            return;
        }
        const bool intermediate = S.FNumTicks > decades + 0.5;
        const double lo = std::min(S.FRangeLow, S.FRangeHigh), hi = std::max(S.FRangeLow, S.FRangeHigh);
        const Integer p = AutoLogDecPlaces(S.FDecPlaces, hi, lo);
        const double base = std::pow(10.0, std::floor(std::log10(lo * TolFactor)));
        Integer labelCount = 0;
        for (double M = 1; hi >= TolFactor * base * M; M *= 10) {
            for (int k = 1; k <= 9; ++k) {
                const bool labelled = k == 1 || (intermediate && (k == 2 || k == 5));
                if (!labelled && !(intermediate && S.FShortTicks)) continue;
                const double v = k * base * M;
                if (!(lo < v / TolFactor && hi > TolFactor * v)) continue;
                const Integer len = labelled || Vertical ? MajorLen() : 4;
                if (!labelled || S.FLabelType == ftNoFigs) {
                    Tick(v, TKind::Major, true, nullptr, false, len);
                    continue;
                }
                ++labelCount;
                String text;
                if (p == -3) {
                    if (k == 1) text = NumberText(static_cast<double>(Round(std::log10(base * M))), 0);
                } else {
                    text = Copy(NumberText(v, p), 1, 14);
                    if (S.FDecPlaces == -2 && Pos(".", text) > 0 && Pos("e", text) == 0 && Pos("E", text) == 0) {
                        while (text.Length() > 0 && text[text.Length()] == u'0') text = Copy(text, 1, text.Length() - 1);
                        if (text.Length() > 0 && text[text.Length()] == u'.') text = Copy(text, 1, text.Length() - 1);
                    }
                }
                text = S.FLabelType == ftUserText ? UserTickField(S.FUserTicktext, labelCount)
                                                  : ApplyInscript(text, S.FScaleInscript);
                Tick(v, TKind::Major, true, &text, false, len);
            }
        }
    }

    // ---- time in seconds; false when no step fits
    bool TimeTicks()
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        const double a = std::fabs(hi - lo) / MinTicks();
        int k = 28;
        while (k > 0 && TimeSteps[k] > a) --k;
        if (k == 0 || k == 28) return false;
        const double dir = lo < hi ? 1 : -1;
        const double step = dir * TimeSteps[k];
        const double m = step / TimeMinor[k];
        const Int64 count = Trunc((hi - lo) / m) + 5;
        const double first = static_cast<double>(Int(lo / step / TolFactor)) * step;
        const double loT = lo >= 0 ? lo * TolFactor : lo / TolFactor;
        const double hiT = hi > 0 ? hi / TolFactor : hi * TolFactor;
        auto inside = [&](double v) { return dir * v >= dir * loT && dir * v <= dir * hiT; };
        if (S.FShortTicks)
            for (Int64 i = 0; i <= count; ++i) {
                const double v = first + i * m;
                if (inside(v)) Tick(v, TKind::Minor, true);
            }
        const bool recordMajor = Vertical || !S.FShortTicks;
        for (Int64 i = 0; i <= count; ++i) {
            const double v = first + i * m;
            const double q = v / step;
            if (!(std::fabs(q - static_cast<double>(Int(q + (q >= 0 ? 0.5 : -0.5)))) < 0.01) || !inside(v)) continue;
            const String text = FormatSeconds(v, k <= 9);
            Tick(v, TKind::Major, recordMajor, &text);
        }
        return true;
    }

    // ---- dates and times
    void Message(std::initializer_list<const char*> lines)
    {
        const Integer p = Pix((S.FRangeLow + S.FRangeHigh) / 2);
        if (!Vertical) {
            String text;
            for (const char* line : lines) text = text.IsEmpty() ? String(line) : text + " " + line;
            const Integer w = Cv.TextWidth(text);
            Cv.TextOut(p - w / 2, B + 7, text);
            return;
        }
        const Integer h = Cv.TextHeight("T");
        Integer y = p - h;
        for (const char* line : lines) {
            const Integer w = Cv.TextWidth(line);
            Cv.TextOut(S.FScaleType == sctYR ? B - 2 - w : B + 2, y, line);
            y += h;
        }
    }

    static String DateTimeLabel(const String& pattern, double v)
    {
        if (std::fabs(v) < 1e-8) v = 0;
        if (v < 0) {
            const double f = v - std::trunc(v);   // keeps the sign of v
            v = f <= -1e-8 ? std::floor(v) - f - 1 : std::floor(v) - f;
        }
        return FormatDateTime(pattern, v);
    }

    String MonthPart() const { return S.FDTFormat->MonthName() ? "mmm" : "mm"; }
    String YearPart() const
    {
        switch (S.FDTFormat->YearLength()) {
            case ylYY: return "yy";
            case ylYYYY: return "yyyy";
            default: return String();
        }
    }

    String DateLabel(double v) const
    {
        const TDTLabel& f = *S.FDTFormat;
        const String M = MonthPart(), Y = YearPart(), Sep = Quoted(f.DateSeparator());
        String pattern;
        switch (f.DateOrder()) {
            case doMMDDYY: pattern = Y.IsEmpty() ? M + Sep + "dd" : M + Sep + "dd" + Sep + Y; break;
            case doDDMMYY: pattern = Y.IsEmpty() ? "dd" + Sep + M : "dd" + Sep + M + Sep + Y; break;
            case doYYMMDD: pattern = Y.IsEmpty() ? M + Sep + "dd" : Y + Sep + M + Sep + "dd"; break;
        }
        return DateTimeLabel(pattern, v);
    }

    void DateTimeTicks()
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        if (lo > hi || lo < -693593 || hi > 3000000) {
            if (Vertical) Message({"invalid", "DateTime", "scale"});
            else Message({"invalid DateTime scale"});
            return;
        }
        const double a = (hi - lo) / MinTicks();
        if (Vertical ? a <= 1.0 / 8640000 : a <= 1.1574e-5) {
            if (Vertical) Message({"DateTime", "range is", "below 1", "second"});
            else Message({"DateTime range is below 1 second"});
            return;
        }
        if (Vertical && a <= 1.0 / 86400) SubDayTicks(a, 8640000, HundredthRow, 3);
        else if (a <= (Vertical ? 1.0 / 1440 : 6.9444e-4)) SubDayTicks(a, 86400, MinSecRow, 2);
        else if (a <= 0.041667) SubDayTicks(a, 1440, MinSecRow, 1);
        else if (a <= 1) SubDayTicks(a, 24, HourRow, 0);
        else if (a <= 30) DayTicks(a);
        else if (a <= 366) MonthTicks();
        else YearTicks();
    }

    // unitKind: 0 hours, 1 minutes, 2 seconds, 3 hundredths.
    String TimePattern(int unitKind) const
    {
        const String Sep = Quoted(S.FDTFormat->TimeSeparator());
        switch (S.FDTFormat->TimeFormat()) {
            case tfHHMMSS: {
                const String parts[] = {"hh" + Sep + "nn", "hh" + Sep + "nn", "hh" + Sep + "nn" + Sep + "ss",
                                        "hh" + Sep + "nn" + Sep + "ss'.'zz"};
                return parts[unitKind];
            }
            case tfHHhMM: {
                const String parts[] = {"h'h'", "h'h'nn", "h'h'nn" + Sep + "ss", "h'h'nn" + Sep + "ss'.'zz"};
                return parts[unitKind];
            }
            default: {
                const String parts[] = {"ham/pm", "h" + Sep + "nnam/pm", "h" + Sep + "nn'.'ssam/pm",
                                        "h" + Sep + "nn'.'ss'.'zzam/pm"};
                return parts[unitKind];
            }
        }
    }

    void SubDayTicks(double a, double u, const TStepRow& row, int unitKind)
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        int idx = 0;
        for (int i = 0; i < 6; ++i)
            if (row.Steps[i] <= a * u) idx = i;
        const double T = row.Steps[idx] / u, t = row.Minor[idx] / u;
        const double day = std::floor(lo);
        const double units = std::ceil((lo - day) * u - 1e-9);
        double start = day + std::ceil(units / row.Steps[idx]) * row.Steps[idx] / u;
        if (S.FShortTicks)
            while (start > lo + 1e-12) start -= t;
        const double advance = S.FShortTicks ? t : T;
        const String pattern = TimePattern(unitKind);
        Integer lastDay = -1;
        bool dated = false;
        for (Int64 i = 0; i < 100000; ++i) {
            const double v = start + i * advance;
            if (!(v - hi < DayTol)) break;
            if (v < lo - 1e-12) continue;
            const bool major = !S.FShortTicks || std::fabs(v / T - std::nearbyint(v / T)) <= 0.1;
            if (!major) {
                Tick(v, TKind::Minor, true);
                continue;
            }
            const String text = DateTimeLabel(pattern, v);
            Tick(v, TKind::Major, true, &text, false);
            Word yy, mm, dd;
            DecodeDate(DateTimeLabelValue(v), yy, mm, dd);
            bool withDate = false;
            switch (S.FDTFormat->DateForTime()) {
                case dtNone: break;
                case dtOnePedIzure: withDate = !dated; break;
                case dtOnePerDay: withDate = dd != lastDay; break;
                case dtAllTicks: withDate = true; break;
            }
            if (withDate) {
                dated = true;
                lastDay = dd;
                WriteDateLine(DateLabel(v), v, Pix(v));
            }
        }
    }

    static double DateTimeLabelValue(double v) { return std::fabs(v) < 1e-8 ? 0 : v; }

    // The date line of a time tick: above the time label (vertical) or one label height
    // further from the base line (horizontal).
    void WriteDateLine(String text, double v, Integer p)
    {
        const TSize size = Cv.TextExtent(text);
        S.OnBeforeTickLabel(&S, S.FScaleType, v, text);
        if (Vertical) {
            const Integer x = S.FScaleType == sctYL ? B + 8 : B - size.cx - 8;
            Cv.TextOut(x, p - 3 * (size.cy / 2), text);
        } else {
            const Integer top = (S.FScaleType == sctXT ? B + 7 : B - size.cy - 7) + Dir * size.cy;
            Cv.TextOut(LabelLeft(p, size.cx), top, text);
        }
    }

    void DayTicks(double a)
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        int c = 1;
        for (int step : {1, 2, 3, 7, 14, 28})
            if (step <= a) c = step;
        const int minor = c <= 7 ? 1 : 7;
        Word yy, mm, dd;
        DecodeDate(lo, yy, mm, dd);
        const double jan1 = EncodeDate(yy, 1, 1);
        const double first = jan1 + c * (static_cast<Int64>(std::trunc(lo - jan1)) / c);
        const Int64 r = Round(first) % c;
        const double advance = S.FShortTicks ? minor : c;
        const String Sep = Quoted(S.FDTFormat->DateSeparator());
        const String M = MonthPart(), Y = YearPart();
        String pattern;
        switch (S.FDTFormat->DateOrder()) {
            case doMMDDYY: pattern = M + Sep + "dd" + Sep + Y; break;
            case doDDMMYY: pattern = "dd" + Sep + M + Sep + Y; break;
            case doYYMMDD: pattern = Y + Sep + M + Sep + "dd"; break;
        }
        for (Int64 i = 0; i < 100000; ++i) {
            const double v = first + i * advance;
            if (!(v - hi < DayTol)) break;
            if (v < lo) continue;
            if (S.FShortTicks && Round(v) % c != r) {
                Tick(v, TKind::Minor, true);
                continue;
            }
            const String text = DateTimeLabel(pattern, v);
            Tick(v, TKind::Major, true, &text, true);
        }
    }

    void MonthTicks()
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        const double q = (hi - lo) / 30.4375 / MinTicks();
        int s = 1;
        for (int step : {1, 2, 3, 4, 6})
            if (step <= q) s = step;
        Word yy, mm, dd;
        DecodeDate(lo, yy, mm, dd);
        int year = yy, month = mm;
        auto advance = [&](int by) {
            month += by;
            while (month > 12) { month -= 12; ++year; }
        };
        if (s > 1 && !S.FShortTicks) {
            do advance(1);
            while (month % s != 1);
        }
        const String Sep = Quoted(S.FDTFormat->DateSeparator());
        const String pattern = S.FDTFormat->DateOrder() == doYYMMDD ? YearPart() + Sep + MonthPart()
                                                                    : MonthPart() + Sep + YearPart();
        for (int guard = 0; guard < 100000 && year <= 9999; ++guard) {
            const double v = EncodeDate(static_cast<Word>(year), static_cast<Word>(month), 1);
            if (!(v - hi < DayTol)) break;
            if (v >= lo) {
                if (S.FShortTicks && s != 1 && month % s != 1) {
                    Tick(v, TKind::Minor, true);
                } else {
                    const String text = DateTimeLabel(pattern, v);
                    Tick(v, TKind::Major, true, &text, true);
                }
            }
            advance(S.FShortTicks ? 1 : s);
        }
    }

    void YearTicks()
    {
        const double lo = S.FRangeLow, hi = S.FRangeHigh;
        const double y = std::max(1.0, (hi - lo) / 365.25 / MinTicks());
        const double e = std::log10(y);
        const double mant = std::pow(10.0, e - std::trunc(e));
        const int g = mant < 2 ? 1 : mant < 5 ? 2 : 5;
        const Int64 L = Round(g * std::trunc(std::pow(10.0, std::trunc(e))));
        Int64 s = L;
        if (S.FShortTicks && L > 1) s = g == 5 ? Round(L / 5.0) : Round(L / 2.0);
        if (s < 1) s = 1;
        Word yy, mm, dd;
        DecodeDate(lo, yy, mm, dd);
        Int64 year = (yy + s - 1) / s * s;
        if (year <= 9999 && EncodeDate(static_cast<Word>(std::max<Int64>(year, 1)), 1, 1) < lo) year += s;
        const TYearLength yl = S.FDTFormat->YearLength();
        for (int guard = 0; guard < 100000; ++guard) {
            const bool last = year > 9999;
            const double v = last ? EncodeDate(9999, 12, 31) : EncodeDate(static_cast<Word>(std::max<Int64>(year, 1)), 1, 1);
            if (!(v - hi < DayTol)) break;
            if (S.FShortTicks && year % L != 0) {
                Tick(v, TKind::Minor, true);
            } else {
                String text;
                if (yl == ylYY) text = DateTimeLabel("yy", v);
                else if (yl == ylYYYY) {
                    text = DateTimeLabel("yyyy", v);
                    while (text.Length() > 1 && text[1] == u'0') text = Copy(text, 2);
                }
                Tick(v, TKind::Major, true, &text, true);
            }
            if (last) break;
            year += s;
        }
    }

    TScale& S;
    TCanvas& Cv;
    const Integer B;
    const bool Vertical;
    const Integer Dir;
};

// ---------------------------------------------------------------- TScale

TScale::TScale(TComponent* AOwner) : TCustomControl(AOwner), FDTFormat(std::make_unique<TDTLabel>())
{
    FSuppressPaint = true;
    TCustomControl::SetBounds(FLeft, FTop, 400, 400);
    ResetComp();
}

TScale::~TScale() = default;

bool TScale::FormLoading() const
{
    const TComponent* owner = Owner();
    return ComponentState().Contains(csLoading) || (owner && owner->ComponentState().Contains(csLoading));
}

void TScale::ResetComp()
{
    FFrameStyle = fsLowered;
    FColorFG = clBlack;
    FColorBG = clBtnFace;
    FColBlackLine = clBlack;
    FColGrayLine = clGray;
    FColWhiteLine = clWhite;
    FColorScheme = csBWG;
    FAxLog = false;
    FTransf_k = 1;
    FTransf_d = 0;
    FRangeHigh = 100;
    FRangeLow = 0;
    FShortTicks = true;
    FTickCount = 0;
    FNumTicks = 3;
    FDecPlaces = -2;
    FDrawBaseLine = true;
    FTransparent = false;
    FLabelType = ftNum;
    FMarginTop = FMarginBottom = FMarginRight = FMarginLeft = 20;
    FIsHelper = false;
    FLblPosX = FLblPosY = 4;
    FLblAlign = taCenter;
    FLblAnchor = uaSclTopLft;
    FMouseAction = maNone;
    FMAnchorX = FMAnchorY = 0;
    FMAnchorWorldLow = FMAnchorWorldHigh = 0;
    FLButtonWasDown = false;
    FUserTicktext = String();
    FUnitLabel = String();
    FForCvPosX = FForCvPosY = 0;
    FScaleType = sctXB;
    TDTLabel& f = *FDTFormat;
    f.SetTimeFormat(tfHHMMSS);
    f.SetDateSeparator(u'-');
    f.SetTimeSeparator(u':');
    f.SetYearLength(ylYYYY);
    f.SetMonthName(true);
    f.SetDateForTime(dtOnePerDay);
    f.SetDateOrder(doDDMMYY);
    f.OnChange = TNotifyEvent(this, &TScale::Changed);
    CalcTransform();
}

void TScale::CreateWnd()
{
    inherited::CreateWnd();
    FSuppressPaint = false;
}

void TScale::Loaded()
{
    inherited::Loaded();
    CalcTransform();
    FNotYetLoaded = false;
    RepaintRule();
}

void TScale::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TScale*>(Source);
    if (!src) {
        inherited::Assign(Source);
        return;
    }
    FFrameStyle = src->FFrameStyle;
    FColorFG = src->FColorFG;
    FColorBG = src->FColorBG;
    FColBlackLine = src->FColBlackLine;
    FColGrayLine = src->FColGrayLine;
    FColWhiteLine = src->FColWhiteLine;
    FColorScheme = src->FColorScheme;
    OnScaleTickDrawn = src->OnScaleTickDrawn;
    OnBeforeTickLabel = src->OnBeforeTickLabel;
    FAxLog = src->FAxLog;
    FTransf_k = src->FTransf_k;
    FTransf_d = src->FTransf_d;
    FRangeHigh = src->FRangeHigh;
    FRangeLow = src->FRangeLow;
    FShortTicks = src->FShortTicks;
    FTickCount = src->FTickCount;
    FNumTicks = src->FNumTicks;
    FDecPlaces = src->FDecPlaces;
    FDrawBaseLine = src->FDrawBaseLine;
    FTransparent = src->FTransparent;
    FLabelType = src->FLabelType;
    FDTFormat->Assign(src->FDTFormat.get());
    FMarginTop = src->FMarginTop;
    FMarginBottom = src->FMarginBottom;
    FMarginRight = src->FMarginRight;
    FMarginLeft = src->FMarginLeft;
    FLblPosX = src->FLblPosX;
    FLblPosY = src->FLblPosY;
    FUserTicktext = src->FUserTicktext;
    FScaleInscript = src->FScaleInscript;
    FScaleTickPos = src->FScaleTickPos;
    FScaleTickPos.SetLength(FScaleTickPos.Length());
    FUnitLabel = src->FUnitLabel;
    FLblAnchor = src->FLblAnchor;
    FLblAlign = src->FLblAlign;
    FForCvPosX = src->FForCvPosX;
    FForCvPosY = src->FForCvPosY;
    FScaleType = src->FScaleType;
    FIsHelper = src->FIsHelper;
    OnBeforeScaleRendered = src->OnBeforeScaleRendered;
    OnAfterScaleRendered = src->OnAfterScaleRendered;
    FSuppressPaint = src->FSuppressPaint;
    RepaintRule();
}

void TScale::RepaintRule()
{
    if (!FTransparent || FIsHelper) Paint();
    else Invalidate();
}

void TScale::SetBounds(Integer ALeft, Integer ATop, Integer AWidth, Integer AHeight)
{
    inherited::SetBounds(ALeft, ATop, AWidth, AHeight);
    CalcTransform();
    RepaintRule();
}

void TScale::SetFrameStyle(TFrameStyle value) { if (FFrameStyle != value) { FFrameStyle = value; RepaintRule(); } }
void TScale::SetColorScale(TColor value) { if (FColorFG != value) { FColorFG = value; RepaintRule(); } }
void TScale::SetColorBackGnd(TColor value) { if (FColorBG != value) { FColorBG = value; RepaintRule(); } }
void TScale::SetShortTicks(bool value) { if (FShortTicks != value) { FShortTicks = value; RepaintRule(); } }
void TScale::SetIsHelperComponent(bool value) { if (FIsHelper != value) { FIsHelper = value; RepaintRule(); } }

void TScale::SetColorScheme(TColorScheme value)
{
    if (FColorScheme == value) return;
    FColorScheme = value;
    FColGrayLine = value == csSystem ? clBtnShadow : clGray;
    FColWhiteLine = value == csSystem ? clBtnHighlight : clWhite;
    RepaintRule();
}

void TScale::SetLogarithmic(bool value)
{
    if (!value || FNotYetLoaded || (FRangeLow >= 1e-100 && FRangeHigh >= 1e-100 && FLabelType != ftDateTime))
        FAxLog = value;
    CalcTransform();
    RepaintRule();
}

void TScale::SetRangeLow(double value)
{
    FRangeLow = value;
    if (FRangeHigh == value) FRangeHigh = value + 1;
    CalcTransform();
    RepaintRule();
}

void TScale::SetRangeHigh(double value)
{
    FRangeHigh = value;
    if (FRangeLow == value) FRangeLow = value + 1;
    CalcTransform();
    RepaintRule();
}

void TScale::SetRange(double LowVal, double HighVal)
{
    FRangeLow = LowVal;
    FRangeHigh = HighVal == LowVal ? LowVal + 1 : HighVal;
    CalcTransform();
    RepaintRule();
}

void TScale::SetMinTicks(Integer value)
{
    FNumTicks = value == 0 ? 0 : value < 2 ? 2 : value > 10 ? 10 : value;
    RepaintRule();
}

void TScale::SetDecPlaces(Integer value)
{
    FDecPlaces = value < -3 ? -3 : value > 12 ? 12 : value;
    CalcTransform();
    RepaintRule();
}

void TScale::SetLabelType(TFigType value)
{
    FLabelType = value;
    if (value == ftDateTime) FAxLog = false;
    if (value == ftTime) FDecPlaces = 4;
    RepaintRule();
}

void TScale::SetScaleType(TScaleType value)
{
    if (FScaleType == value) return;
    FScaleType = value;
    CalcTransform();
    RepaintRule();
}

void TScale::SetMarginTop(Integer value) { FMarginTop = std::max(0, value); CalcTransform(); RepaintRule(); }
void TScale::SetMarginBottom(Integer value) { FMarginBottom = std::max(0, value); CalcTransform(); RepaintRule(); }
void TScale::SetMarginLeft(Integer value) { FMarginLeft = std::max(0, value); CalcTransform(); RepaintRule(); }
void TScale::SetMarginRight(Integer value) { FMarginRight = std::max(0, value); CalcTransform(); RepaintRule(); }

void TScale::SetDateFormat(TDTLabel& value)
{
    const TNotifyEvent binding = FDTFormat->OnChange;
    FDTFormat->Assign(&value);
    FDTFormat->OnChange = binding;
    RepaintRule();
}

void TScale::SetCaption(const String& value) { FUnitLabel = value; RepaintRule(); }
void TScale::SetUserTickText(const String& value) { FUserTicktext = value; RepaintRule(); }
void TScale::SetScaleInscript(const String& value) { FScaleInscript = value; RepaintRule(); }
void TScale::SetShowBaseLine(bool value) { FDrawBaseLine = value; RepaintRule(); }
void TScale::SetTransparent(bool value) { FTransparent = value; RepaintRule(); }
void TScale::SetCaptionPosX(Integer value) { FLblPosX = value; RepaintRule(); }
void TScale::SetCaptionPosY(Integer value) { FLblPosY = value; RepaintRule(); }
void TScale::SetCaptionAlignment(TAlignment value) { FLblAlign = value; RepaintRule(); }
void TScale::SetCaptionAnchor(TScaleUnitAnchor value) { FLblAnchor = value; RepaintRule(); }
void TScale::SetForeignCanvasPosX(Integer value) { FForCvPosX = value; RepaintRule(); }
void TScale::SetForeignCanvasPosY(Integer value) { FForCvPosY = value; RepaintRule(); }

void TScale::SetSuppressPaint(bool value)
{
    if (FSuppressPaint == value) return;
    FSuppressPaint = value;
    if (!value) Paint();
}

void TScale::Changed(TObject*)
{
    RepaintRule();
}

void TScale::CalcTransform()
{
    if (FormLoading() || FRangeLow == FRangeHigh) return;
    const bool vertical = IsVertical(FScaleType);
    const double c = vertical ? FHeight - FMarginTop - FMarginBottom - 1 : FWidth - FMarginLeft - FMarginRight - 1;
    if (c <= 0) {
        FTransf_k = 0;
        FTransf_d = (vertical ? FHeight : FWidth) / 2;
        return;
    }
    double lo = FRangeLow, hi = FRangeHigh;
    if (FAxLog) {
        if (lo <= 0 || hi <= 0) return;
        lo = std::log(lo);
        hi = std::log(hi);
    }
    if (vertical) {
        FTransf_k = c / (lo - hi);
        FTransf_d = FMarginTop - hi * FTransf_k;
    } else {
        FTransf_k = c / (hi - lo);
        FTransf_d = FMarginLeft - lo * FTransf_k;
    }
}

Integer TScale::ConvertToPixelCoords(double Value) const
{
    double p;
    if (FAxLog) {
        if (Value > 1e-100) p = FTransf_k * std::log(Value) + FTransf_d;
        else p = FRangeLow <= FRangeHigh ? 0 : FWidth;
    } else {
        p = FTransf_k * Value + FTransf_d;
    }
    p = std::clamp(p, -2147483647.0, 2147483647.0);
    return static_cast<Integer>(Round(p));
}

double TScale::ConvertPixelToScale(Integer PixelCoord) const
{
    const double v = (PixelCoord - FTransf_d) / FTransf_k;
    return FAxLog ? std::exp(v) : v;
}

double TScale::GetTickPos(Integer ix) const
{
    if (ix < 1 || ix > FTickCount) return 0;
    return FScaleTickPos[ix - 1];
}

void TScale::UseForeignCanvas(TCanvas* ForeignCv, Integer x, Integer y)
{
    FForeignCv = ForeignCv;
    FForCvPosX = x;
    FForCvPosY = y;
}

void TScale::ForcePaint()
{
    const bool saved = FSuppressPaint;
    FSuppressPaint = false;
    Paint();
    FSuppressPaint = saved;
}

void TScale::Paint()
{
    if ((!FVisible && !ComponentState().Contains(csDesigning)) || FormLoading() || FSuppressPaint) return;
    TCanvas* target;
    Integer ox = 0, oy = 0;
    if (FForeignCv) {
        target = FForeignCv;
        ox = FForCvPosX;
        oy = FForCvPosY;
    } else if (HandleAllocated()) {
        target = &Canvas();
    } else {
        FSurface.SetPixelFormat(TPixelFormat::pf32bit);
        FSurface.SetSize(FWidth, FHeight);
        target = &FSurface.Canvas();
    }
    target->Font().Assign(Font());
    OnBeforeScaleRendered(this, target);
    if (FTransparent) {
        target->Pen().SetColor(FColorFG);
        DrawAxis(*target, ox, oy);
        OnAfterScaleRendered(this, FForeignCv ? &FSurface.Canvas() : target);
        return;
    }
    TBitmap bmp(FWidth, FHeight);
    TCanvas& cv = bmp.Canvas();
    cv.Font().Assign(Font());
    cv.Pen().SetColor(FColorBG);
    cv.Brush().SetColor(FColorBG);
    cv.Rectangle(0, 0, FWidth, FHeight);
    cv.Pen().SetColor(FColorFG);
    DrawAxis(cv, 0, 0);
    OnAfterScaleRendered(this, &cv);
    Draw3DFrame(cv, FFrameStyle, 0, 0, FWidth - 1, FHeight - 1, FColWhiteLine, clSilver, FColGrayLine, FColBlackLine,
                FColBlackLine);
    if (FForeignCv) target->Draw(FForCvPosX, FForCvPosY, bmp);
    else target->Draw(0, 0, bmp);
}

void TScale::DrawAxis(TCanvas& cv, Integer ox, Integer oy)
{
    if (IsPrinterCanvas(cv)) SetCanvasFontSize(cv, Font().Size());
    cv.Brush().SetStyle(FTransparent ? TBrushStyle::bsClear : TBrushStyle::bsSolid);
    FTickCount = 0;
    FScaleTickPos.SetLength(250);
    const bool vertical = IsVertical(FScaleType);
    if (!vertical && FNumTicks != 0 && (FNumTicks < 2 || FNumTicks > 20)) FNumTicks = std::clamp(FNumTicks, 2, 20);
    Integer base = 0;
    switch (FScaleType) {
        case sctXB: base = oy + FHeight - FMarginBottom - 1; break;
        case sctXT: base = oy + FMarginTop; break;
        case sctYL: base = ox + FMarginLeft; break;
        case sctYR: base = ox + FWidth - FMarginRight - 1; break;
    }
    TAxisPainter(*this, cv, base).Draw();
    if (FDrawBaseLine) {
        if (vertical) {
            cv.MoveTo(base, FMarginTop);
            cv.LineTo(base, FHeight - FMarginBottom);
        } else {
            cv.MoveTo(FMarginLeft, base);
            cv.LineTo(FWidth - FMarginRight, base);
        }
    }
    if (FUnitLabel.IsEmpty()) return;
    Integer x, y;
    if (!vertical) {
        const Integer along[] = {FMarginLeft, FMarginLeft + (FWidth - FMarginLeft - FMarginRight) / 2,
                                 FWidth - FMarginRight};
        x = FLblPosX + along[FLblAnchor];
        y = FLblPosY + base;
    } else {
        const Integer along[] = {FMarginTop, FMarginTop + (FHeight - FMarginTop - FMarginBottom) / 2,
                                 FHeight - FMarginBottom};
        y = FLblPosY + along[FLblAnchor];
        x = FLblPosX + base;
    }
    const Integer w = cv.TextWidth(FUnitLabel);
    if (FLblAlign == taRightJustify) x -= w;
    else if (FLblAlign == taCenter) x -= w / 2;
    cv.TextOut(x, y, FUnitLabel);
}

// ---------------------------------------------------------------- mouse

void TScale::DblClick()
{
    inherited::DblClick();
    if (FMouseAction == maPan) FMouseAction = maZoom;
    else if (FMouseAction == maZoom) FMouseAction = maPan;
}

void TScale::MouseMove(TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseMove(Shift, X, Y);
    if (!Shift.Contains(ssLeft)) return;
    const bool over = IsVertical(FScaleType)
                          ? X > 0 && X < FWidth && Y > FMarginTop && Y < FHeight - FMarginBottom
                          : X > FMarginLeft && X < FWidth - FMarginRight && Y > 0 && Y < FHeight;
    if (!over) return;
    if (!FLButtonWasDown) {
        FLButtonWasDown = true;
        FMAnchorX = X;
        FMAnchorY = Y;
        FMAnchorWorldLow = FRangeLow;
        FMAnchorWorldHigh = FRangeHigh;
        return;
    }
    TPanZoomInput in;
    in.X = X; in.Y = Y; in.AnchorX = FMAnchorX; in.AnchorY = FMAnchorY;
    in.Low = FRangeLow; in.High = FRangeHigh; in.AnchorLow = FMAnchorWorldLow; in.AnchorHigh = FMAnchorWorldHigh;
    in.Logarithmic = FAxLog; in.ScaleType = FScaleType; in.Action = FMouseAction;
    in.MarginLeft = FMarginLeft; in.MarginRight = FMarginRight; in.MarginTop = FMarginTop;
    in.MarginBottom = FMarginBottom; in.Width = FWidth; in.Height = FHeight;
    double lo, hi;
    if (!PanZoomRange(in, lo, hi)) return;
    const bool saved = FSuppressPaint;
    FSuppressPaint = true;
    SetRange(lo, hi);
    SetSuppressPaint(saved);
    OnZoomPan(this);
}

void TScale::MouseUp(TMouseButton Button, TShiftState Shift, Integer X, Integer Y)
{
    inherited::MouseUp(Button, Shift, X, Y);
    FLButtonWasDown = false;
}
