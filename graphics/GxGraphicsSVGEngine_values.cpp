// The readers of SVG attribute values: lengths, rgb colours, font families, angles, transform
// lists and path data with its elliptical arcs.  Numbers are read with "." as decimal separator,
// whatever the user's locale.
#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <string_view>

#include "graphics/GxGraphicsSVGEngine.h"
#include "platform/rtl/Exceptions.h"

namespace {

std::string_view Trimmed(std::string_view s)
{
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
    return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }
bool EndsWith(std::string_view s, std::string_view suffix)
{
    return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

// A whole text as one number: blanks around it, an optional sign, digits with an optional ".",
// an optional exponent.  Infinities and NaN do not read.
bool ReadNumber(std::string_view s, double& value)
{
    s = Trimmed(s);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const std::string_view digits = !s.empty() && s.front() == '-' ? s.substr(1) : s;
    if (digits.empty() || !(std::isdigit(static_cast<unsigned char>(digits.front())) || digits.front() == '.'))
        return false;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    return error == std::errc() && end == s.data() + s.size() && std::isfinite(value);
}

double NumberOrZero(std::string_view s)
{
    double v = 0;
    return ReadNumber(s, v) ? v : 0;
}

// Parts of a text cut at any of the separators, empty parts dropped.
std::vector<std::string_view> Split(std::string_view s, std::string_view separators)
{
    std::vector<std::string_view> parts;
    size_t start = 0;
    for (size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || separators.find(s[i]) != std::string_view::npos) {
            if (i > start) parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    return parts;
}

constexpr double DegToRad = std::numbers::pi / 180;

}  // namespace

// ---------------------------------------------------------------- lengths and colours

String SVGLengthUnit(const String& AText)
{
    const std::string s = AText.ToUtf8();
    for (const char* unit : {"px", "pt", "pc", "mm", "cm", "in", "em", "ex"})
        if (EndsWith(s, unit)) return unit;
    return EndsWith(s, "%") ? "%" : "";
}

float SVGLength(const String& AText)
{
    const std::string s = AText.ToUtf8();
    const std::string unit = SVGLengthUnit(AText).ToUtf8();
    const double number = NumberOrZero(std::string_view(s).substr(0, s.size() - unit.size()));
    double factor = 1;
    if (unit == "pt") factor = 1.25;
    else if (unit == "pc") factor = 15;
    else if (unit == "mm") factor = 10;
    else if (unit == "cm") factor = 100;
    else if (unit == "in") factor = 25.4;
    return static_cast<float>(number * factor);
}

namespace {
// One component of rgb(): decimal digits, else hexadecimal digits after an optional "#"; a
// trailing "%" makes it a percentage.  -1 when it reads as neither; above 255 gives 255.
Integer RGBComponent(std::string_view s)
{
    s = Trimmed(s);
    const bool percent = EndsWith(s, "%");
    if (percent) s.remove_suffix(1);
    auto read = [](std::string_view digits, int base) {
        long long value = 0;
        for (char c : digits) {
            const int u = static_cast<unsigned char>(c);
            const int d = std::isdigit(u) ? u - '0' : std::isalpha(u) ? std::tolower(u) - 'a' + 10 : 99;
            if (d < 0 || d >= base) return -1LL;
            value = std::min<long long>(value * base + d, 1'000'000);
        }
        return value;
    };
    long long value = read(s, 10);
    if (value < 0) value = read(StartsWith(s, "#") ? s.substr(1) : s, 16);
    if (value < 0) return -1;
    if (percent) return static_cast<Integer>(std::nearbyint(std::min<double>(value, 100) * 255 / 100));
    return static_cast<Integer>(std::min<long long>(value, 255));
}
}  // namespace

TColor SVGRGBColor(const String& AText, Integer& AAlpha)
{
    AAlpha = -1;
    const std::string s = AText.ToUtf8();
    const bool rgba = StartsWith(s, "rgba(");
    if (!(rgba || StartsWith(s, "rgb(")) || !EndsWith(s, ")")) return -1;
    const std::string_view inside = Trimmed(std::string_view(s).substr(rgba ? 5 : 4, s.size() - (rgba ? 6 : 5)));
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        const size_t comma = inside.find(',', start);
        parts.push_back(inside.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (parts.size() < (rgba ? 4u : 3u)) return -1;
    AAlpha = rgba ? RGBComponent(parts[3]) : 255;
    const Integer r = RGBComponent(parts[0]), g = RGBComponent(parts[1]), b = RGBComponent(parts[2]);
    if (r < 0 || g < 0 || b < 0) return -1;
    return r | g << 8 | b << 16;
}

String SVGFontFamily(const String& AText, TFontStyles& AStyle)
{
    std::string s = AText.ToUtf8();
    auto dropTrailing = [&](std::string_view suffix) {
        if (EndsWith(s, suffix)) s.resize(s.size() - suffix.size());
    };
    auto dropStyle = [&](std::string_view word, TFontStyle style) {
        const size_t at = s.find(word);
        if (at == std::string::npos) return;
        s.erase(at, word.size());
        dropTrailing("-");
        dropTrailing("-MT");
        AStyle.Include(style);
    };
    dropStyle("Bold", TFontStyle::fsBold);
    dropStyle("Italic", TFontStyle::fsItalic);
    dropTrailing("-MT");
    // in a list of families the second entry is taken
    if (const size_t comma = s.find(','); comma != std::string::npos) {
        const size_t end = s.find(',', comma + 1);
        return std::string(Trimmed(std::string_view(s).substr(comma + 1, end == std::string::npos ? end : end - comma - 1)));
    }
    return s;
}

float SVGAngle(const String& AText)
{
    const std::string s = AText.ToUtf8();
    auto before = [&](const char* suffix) { return NumberOrZero(std::string_view(s).substr(0, s.find(suffix))); };
    if (s.find("deg") != std::string::npos) return static_cast<float>(before("deg") * DegToRad);
    if (s.find("grad") != std::string::npos) return static_cast<float>(before("grad") * std::numbers::pi / 200);
    if (s.find("rad") != std::string::npos) return static_cast<float>(before("rad"));
    return static_cast<float>(NumberOrZero(s) * DegToRad);
}

// ---------------------------------------------------------------- transform lists

namespace {
TGxGraphicsMatrix TransformFunction(std::string_view name, const std::vector<std::string_view>& args)
{
    std::vector<double> v;
    for (std::string_view a : args) v.push_back(NumberOrZero(a));
    TGxGraphicsMatrix m = MatrixIdentity();
    if (name == "matrix" && v.size() == 6) {
        m.m11 = static_cast<float>(v[0]);
        m.m12 = static_cast<float>(v[1]);
        m.m21 = static_cast<float>(v[2]);
        m.m22 = static_cast<float>(v[3]);
        m.m31 = static_cast<float>(v[4]);
        m.m32 = static_cast<float>(v[5]);
    } else if (name == "translate" && (v.size() == 1 || v.size() == 2)) {
        m = MatrixCreateTranslation(static_cast<float>(v[0]), static_cast<float>(v.size() == 2 ? v[1] : 0));
    } else if (name == "scale" && (v.size() == 1 || v.size() == 2)) {
        m = MatrixCreateScaling(static_cast<float>(v[0]), static_cast<float>(v.size() == 2 ? v[1] : v[0]));
    } else if (name == "rotate") {
        if (args.empty()) throw EListError("List index out of bounds (0)");
        const float angle = SVGAngle(std::string(args[0]));
        const float cx = args.size() == 3 ? static_cast<float>(v[1]) : 0;
        const float cy = args.size() == 3 ? static_cast<float>(v[2]) : 0;
        m = MatrixCreateTranslation(-cx, -cy) * MatrixCreateRotation(angle) * MatrixCreateTranslation(cx, cy);
    } else if (name == "skewX" && v.size() == 1) {
        m.m21 = static_cast<float>(std::tan(v[0] * DegToRad));
    } else if (name == "skewY" && v.size() == 1) {
        m.m12 = static_cast<float>(std::tan(v[0] * DegToRad));
    }
    return m;
}
}  // namespace

TGxGraphicsMatrix SVGTransform(const String& AText)
{
    TGxGraphicsMatrix result = MatrixIdentity();
    const std::string text = AText.ToUtf8();
    std::string_view rest = Trimmed(text);
    while (!rest.empty()) {
        const size_t open = rest.find('('), close = rest.find(')');
        if (open == std::string_view::npos || close == std::string_view::npos) break;
        const std::string_view name = rest.substr(0, open);
        const std::string_view inside = close > open ? Trimmed(rest.substr(open + 1, close - open - 1)) : "";
        // row vectors: the function written later acts on the point first, as SVG has it
        result = TransformFunction(name, Split(inside, " ,\t\r\n")) * result;
        rest = Trimmed(rest.substr(close + 1));
    }
    return result;
}

// ---------------------------------------------------------------- path data

namespace {

constexpr std::string_view Commands = "MmLlHhVvCcSsQqTtAaZz";

Integer ArgumentCount(char c)
{
    switch (std::toupper(static_cast<unsigned char>(c))) {
    case 'A': return 7;
    case 'C': return 6;
    case 'H': case 'V': return 1;
    case 'Q': case 'S': return 4;
    case 'Z': return 0;
    default: return 2;
    }
}

// A command letter, or a value that reads as a number or does not.
struct TPathToken {
    char Letter = 0;
    bool Readable = false;
    float Value = 0;
};

// The values of one command's argument text: blanks end a number, a sign starts one unless it
// follows an exponent letter, a second "." starts one, a second exponent letter starts one.
void Tokenise(std::string_view args, std::vector<TPathToken>& tokens)
{
    std::string current;
    bool dot = false, exponent = false;
    auto end = [&] {
        if (!current.empty()) {
            double v = 0;
            const bool readable = ReadNumber(current, v);
            tokens.push_back({0, readable, static_cast<float>(v)});
        }
        current.clear();
        dot = exponent = false;
    };
    for (char c : args) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') end();
        else if (c == '+' || c == '-') {
            if (current.empty() || !(current.back() == 'e' || current.back() == 'E')) end();
            current += c;
        } else if (c == '.') {
            if (dot) end();
            dot = true;
            current += c;
        } else if (c >= '0' && c <= '9') current += c;
        else if (c == 'e' || c == 'E') {
            if (exponent) end();
            exponent = true;
            current += c;
        }
    }
    end();
}

// The token list of a whole path: each command letter, then its values, with implicit
// repetitions made explicit ("M 1 2 3 4" becomes "M 1 2 L 3 4").
std::vector<TPathToken> PathTokens(const std::string& d)
{
    std::vector<TPathToken> tokens, values;
    size_t i = 0;
    while (i < d.size() && Commands.find(d[i]) == std::string_view::npos) ++i;
    while (i < d.size()) {
        const char letter = d[i];
        size_t j = i + 1;
        while (j < d.size() && Commands.find(d[j]) == std::string_view::npos) ++j;
        values.clear();
        Tokenise(std::string_view(d).substr(i + 1, j - i - 1), values);
        tokens.push_back({letter});
        const size_t n = static_cast<size_t>(ArgumentCount(letter)), k = values.size();
        if (n > 0) {
            const bool repeat = k != n && k % n != 1;
            const char again = letter == 'M' ? 'L' : letter == 'm' ? 'l' : letter;
            for (size_t v = 0; v < k; ++v) {
                if (repeat && v > 0 && v % n == 0) tokens.push_back({again});
                tokens.push_back(values[v]);
            }
        }
        i = j;
    }
    return tokens;
}

// An elliptical arc from P to (x, y) as cubic segments, by the endpoint-to-centre conversion.
void AddArc(TGxGraphicsPath& path, TPointF p, double rx, double ry, double angle, bool large, bool sweep, TPointF end)
{
    rx = std::fabs(rx);
    ry = std::fabs(ry);
    if (p.X == end.X && p.Y == end.Y) return;
    if (rx == 0 || ry == 0) {
        if (path.Count() == 0) path.MoveTo(p);
        path.LineTo(end);
        return;
    }
    const double phi = angle * DegToRad, c = std::cos(phi), s = std::sin(phi);
    const double dx = (p.X - end.X) / 2.0, dy = (p.Y - end.Y) / 2.0;
    const double x1 = c * dx + s * dy, y1 = -s * dx + c * dy;
    double cxp = 0, cyp = 0;
    const double lambda = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry);
    if (lambda > 1) {
        rx *= std::sqrt(lambda);
        ry *= std::sqrt(lambda);
    } else {
        const double num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1;
        const double den = rx * rx * y1 * y1 + ry * ry * x1 * x1;
        const double k = (large != sweep ? 1 : -1) * std::sqrt(std::max(0.0, num / den));
        cxp = k * rx * y1 / ry;
        cyp = -k * ry * x1 / rx;
    }
    const double cx = c * cxp - s * cyp + (p.X + end.X) / 2.0, cy = s * cxp + c * cyp + (p.Y + end.Y) / 2.0;
    auto angleOf = [](double ux, double uy) {
        double a = std::atan2(uy, ux);
        return a < 0 ? a + 2 * std::numbers::pi : a;
    };
    const double theta1 = angleOf((x1 - cxp) / rx, (y1 - cyp) / ry);
    double delta = angleOf((-x1 - cxp) / rx, (-y1 - cyp) / ry) - theta1;
    if (delta < 0) delta += 2 * std::numbers::pi;
    if (!sweep && delta > 0) delta -= 2 * std::numbers::pi;
    const int n = std::max(1, static_cast<int>(std::ceil(std::fabs(delta) / (std::numbers::pi / 2) - 1e-9)));
    const double step = delta / n, t = 8.0 / 3.0 * std::pow(std::sin(step / 4), 2) / std::sin(step / 2);
    auto point = [&](double a) {
        return TPointF{static_cast<float>(cx + rx * std::cos(a) * c - ry * std::sin(a) * s),
                       static_cast<float>(cy + rx * std::cos(a) * s + ry * std::sin(a) * c)};
    };
    auto derivative = [&](double a) {
        return TPointF{static_cast<float>(-rx * std::sin(a) * c - ry * std::cos(a) * s),
                       static_cast<float>(-rx * std::sin(a) * s + ry * std::cos(a) * c)};
    };
    for (int i = 0; i < n; ++i) {
        const double a0 = theta1 + i * step, a1 = a0 + step;
        const TPointF p0 = point(a0), p1 = point(a1), d0 = derivative(a0), d1 = derivative(a1);
        if (path.Count() == 0) path.MoveTo(p0);
        else path.LineTo(p0);
        path.CurveTo({static_cast<float>(p0.X + t * d0.X), static_cast<float>(p0.Y + t * d0.Y)},
                     {static_cast<float>(p1.X - t * d1.X), static_cast<float>(p1.Y - t * d1.Y)}, p1);
    }
}

}  // namespace

void SVGPathData(const String& AText, TGxGraphicsSVGElementPathList& APaths)
{
    std::string d = AText.ToUtf8();
    std::replace(d.begin(), d.end(), ',', ' ');
    const std::vector<TPathToken> tokens = PathTokens(d);

    TPointF current{0, 0}, control{0, 0};
    char previous = 0;
    TGxGraphicsPath* path = nullptr;
    size_t at = 0;
    // The next value: a token that does not read leaves the previous value of that coordinate.
    auto next = [&](float& value, float offset) {
        if (at >= tokens.size()) throw EListError("List index out of bounds (" + std::to_string(at) + ")");
        const TPathToken& token = tokens[at++];
        if (token.Readable) value = token.Value + offset;
    };
    TPointF p1{}, p2{}, p{};
    float rx = 0, ry = 0, angle = 0, large = 0, sweep = 0;
    while (at < tokens.size()) {
        const char c = tokens[at++].Letter;
        if (!c) continue;
        const bool rel = std::islower(static_cast<unsigned char>(c));
        const TPointF o = rel ? current : TPointF{0, 0};
        const bool smooth = previous && std::string_view("CcSsQqTt").find(previous) != std::string_view::npos;
        const TPointF reflected{2 * current.X - control.X, 2 * current.Y - control.Y};
        switch (std::toupper(static_cast<unsigned char>(c))) {
        case 'M':
            next(p.X, o.X), next(p.Y, o.Y);
            APaths.push_back(std::make_unique<TGxGraphicsPath>());
            path = APaths.back().get();
            path->MoveTo(p);
            current = p;
            break;
        case 'L':
            next(p.X, o.X), next(p.Y, o.Y);
            if (path) path->LineTo(p);
            current = p;
            break;
        case 'H':
            p = current;
            next(p.X, o.X);
            if (path) path->LineTo(p);
            current = p;
            break;
        case 'V':
            p = current;
            next(p.Y, o.Y);
            if (path) path->LineTo(p);
            current = p;
            break;
        case 'C':
            next(p1.X, o.X), next(p1.Y, o.Y), next(p2.X, o.X), next(p2.Y, o.Y), next(p.X, o.X), next(p.Y, o.Y);
            if (path) path->CurveTo(p1, p2, p);
            current = p, control = p2;
            break;
        case 'S':
            next(p2.X, o.X), next(p2.Y, o.Y), next(p.X, o.X), next(p.Y, o.Y);
            p1 = smooth ? reflected : current;
            if (path) path->CurveTo(p1, p2, p);
            current = p, control = p2;
            break;
        case 'Q':
            next(p1.X, o.X), next(p1.Y, o.Y), next(p.X, o.X), next(p.Y, o.Y);
            if (path) path->CurveTo(p1, p1, p);
            current = p, control = p1;
            break;
        case 'T':
            next(p.X, o.X), next(p.Y, o.Y);
            p1 = smooth ? reflected : current;
            if (path) path->CurveTo(p1, p1, p);
            current = p, control = p1;
            break;
        case 'A':
            next(rx, 0), next(ry, 0), next(angle, 0), next(large, 0), next(sweep, 0), next(p.X, o.X), next(p.Y, o.Y);
            if (path) AddArc(*path, current, rx, ry, angle, static_cast<int>(large) != 0, static_cast<int>(sweep) != 0, p);
            current = p;
            break;
        case 'Z':
            if (path && path->Count() > 0) {
                path->ClosePath();
                current = path->LastPoint();
            }
            break;
        }
        previous = c;
    }
}
