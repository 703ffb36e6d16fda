#include "numerics/VEZ_math1.h"

#include <chrono>
#include <climits>
#include <cmath>

#include "numerics/VEZ_stringl.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/RtlMath.h"
#include "platform/rtl/SysFormat.h"

// ---- Process-wide random generator --------------------------------------------

namespace {

constexpr Cardinal NextSeed(Cardinal seed) { return seed * 134775813u + 1u; }

// What the library's start-up leaves behind: the seed fixed at 1234, the permutation of
// 1..255 drawn from it and three auxiliary seeds drawn after it.  The start-up is fully
// determined, so it is evaluated when the program is built and the generator is in its
// start-up state before any other code of the program can run.
struct StartupState {
    Cardinal seed = 1234;
    Byte permutation[256] = {};  // entries 1..255
    Byte inverse[256] = {};      // entries 1..255
    Integer auxSeeds[3] = {};    // drawn but never read
};

constexpr StartupState MakeStartupState()
{
    StartupState s;
    for (int i = 1; i <= 255; ++i) {
        int r = 0;
        do {
            s.seed = NextSeed(s.seed);
            r = static_cast<int>((static_cast<UInt64>(s.seed) * 255u) >> 32) + 1;
        } while (s.inverse[r] != 0);
        s.permutation[i] = static_cast<Byte>(r);
        s.inverse[r] = static_cast<Byte>(i);
    }
    for (Integer& aux : s.auxSeeds) {
        // round(seed / 2^32 * 990000), ties to even, computed exactly in integers
        s.seed = NextSeed(s.seed);
        UInt64 scaled = static_cast<UInt64>(s.seed) * 990000u;
        UInt64 whole = scaled >> 32;
        UInt64 rest = scaled & 0xFFFFFFFFu;
        if (rest > 0x80000000u || (rest == 0x80000000u && (whole & 1u))) ++whole;
        aux = static_cast<Integer>(whole);
    }
    return s;
}

constexpr StartupState startup = MakeStartupState();

bool gaussCached = false;
double gaussCache = 0;

}  // namespace

Cardinal RandSeed = startup.seed;

Integer Random(Integer N)
{
    RandSeed = NextSeed(RandSeed);
    return static_cast<Integer>((static_cast<UInt64>(RandSeed) * static_cast<Cardinal>(N)) >> 32);
}

double Random()
{
    RandSeed = NextSeed(RandSeed);
    return RandSeed / 4294967296.0;
}

void Randomize()
{
    auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    RandSeed = static_cast<Cardinal>(ticks);
}

double RandomGauss()
{
    if (gaussCached) {
        gaussCached = false;
        return gaussCache;
    }
    gaussCached = true;
    double u, v, s;
    do {
        u = 2 * Random() - 1;
        v = 2 * Random() - 1;
        s = u * u + v * v;
    } while (s >= 1 || s == 0);  // s = 0 would divide by zero below
    double f = std::sqrt(-2 * std::log(s) / s);
    gaussCache = u * f;
    return v * f;
}

Byte PermutationOf(int i) { return i >= 1 && i <= 255 ? startup.permutation[i] : 0; }
Byte InversePermutationOf(int value) { return value >= 1 && value <= 255 ? startup.inverse[value] : 0; }

// ---- Axis ticks -----------------------------------------------------------------

void NiceTickStep(Integer numTicks, Extended low, Extended high, Extended& firstTick, Extended& step,
                  Word& minorIntervals)
{
    if (low == high) {
        firstTick = low;
        step = 0;
        minorIntervals = 1;
        return;
    }
    const Extended direction = low < high ? 1 : -1;
    // A step too small to move the tick at this magnitude ends the alignment.
    auto alignFirstTick = [&] {
        while ((low - firstTick) * direction > 0.001L * std::fabs(step) && firstTick + step != firstTick)
            firstTick += step;
    };
    if (numTicks == 0) {
        step = 1;
        firstTick = Int(low) - 1;
        alignFirstTick();
        minorIntervals = std::fabs(high - low) <= 10 ? 5 : 1;
        return;
    }
    Extended g = std::log10(std::fabs(high - low) / numTicks);
    Extended h = g - Int(g);
    if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
        g = Round(g);
        h = 0;
    }
    if (g < 0 && h != 0) g -= 1;
    if (h < 0) h += 1;

    const Extended log2 = std::log10(2.0L);
    const Extended log5 = std::log10(5.0L);
    Extended mantissa;
    if (h < log2 + 1e-10L) {
        mantissa = 1;
        minorIntervals = 5;
    } else if (h < log5 + 1e-10L) {
        mantissa = 2;
        minorIntervals = 4;
    } else {
        mantissa = 5;
        minorIntervals = 5;
    }
    Extended exponent = Int(g) + std::log10(mantissa);
    step = direction * std::exp(exponent * std::log(10.0L));
    firstTick = (Int(low / step) - 1) * step;
    alignFirstTick();
}

// ---- Number formatting ----------------------------------------------------------

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// "E+0012" → "E+12"; an exponent that needs more than two digits turns the whole
// text into "*".
String ShortenExponent(String text)
{
    int n = text.Length();
    if (n < 6 || text[n - 5] != u'E' || (text[n - 4] != u'+' && text[n - 4] != u'-')) return text;
    for (int i = n - 3; i <= n; ++i)
        if (!IsDigit(text[i])) return text;
    bool fits = text[n - 3] == u'0' && text[n - 2] == u'0';
    Delete(text, n - 3, 2);
    if (!fits) text = StringOfChar(u'*', text.Length());
    return text;
}

const char16_t unitPrefixes[] = u"afpnum kMGT";  // exponent groups -6..4

}  // namespace

String FormatFixed(Integer width, Integer decimals, Extended value)
{
    int field = width < 0 ? -width : width;
    String text;
    if (decimals == -2)
        text = ShortenExponent(Str(value, field + 2));
    else
        text = Str(value, field, decimals);

    if (width < 0) {
        int i = 1;
        while (i <= text.Length() && text[i] == u' ') text[i++] = u'0';
        if (i <= text.Length() && text[i] == u'-') {
            text[i] = u'0';
            text[1] = u'-';
        }
    }
    return text;
}

String FormatSignificant(Integer width, Integer significant, bool trim, double value)
{
    String text;
    if (value == 0) {
        text = FormatFixed(width, significant - 1, value);
    } else if (!std::isfinite(value)) {
        text = FormatFixed(width, 0, value);
    } else {
        int e = static_cast<int>(std::floor(std::log10(std::fabs(value)) + 1));
        bool scientific;
        int decimals = 0;
        if (significant < e) {
            scientific = width - 1 < e;
        } else {
            scientific = e < significant - width + 3;
            decimals = significant - e;
        }
        text = scientific ? FormatFixed(Max(width, significant + 6), -2, value) : FormatFixed(width, decimals, value);
    }
    return trim ? StripBlanks(text) : text;
}

String FormatEngineering(Integer digits, double value)
{
    if (digits < -9) digits = -9;
    if (digits > 9) digits = 9;
    int d = digits > 1 ? digits - 1 : (digits >= -1 ? 0 : digits + 1);
    int absD = d < 0 ? -d : d;
    if (value == 0) return FormatFixed(1, absD, 0);
    if (!std::isfinite(value)) return FormatFixed(1, 0, value);

    double magnitude = std::fabs(value);
    double lg = Log10(magnitude);
    int e = FloorInt(lg);
    int group = FloorInt(lg / 3);
    if (group < -6) group = -6;
    if (group > 4) group = 4;
    int decimals = Max(0, absD - (e - 3 * group));
    double mantissa = magnitude / std::exp(3 * group * std::log(10.0));
    String text = FormatFixed(1, decimals, mantissa);
    if (group != 0) {
        char16_t prefix = unitPrefixes[group + 6];
        int point = Pos(".", text);
        if (d < 0 && point > 0)
            text[point] = prefix;
        else
            text += prefix;
    }
    return value < 0 ? "-" + text : text;
}

// ---- Logarithm and floor --------------------------------------------------------

double Log10(double x)
{
    if (!(x > 0) && !std::isnan(x)) throw EMathError("logarithm: invalid argument");
    return std::log(x) / std::log(10.0);
}

Integer FloorInt(double x)
{
    if (std::isnan(x)) return 0;
    if (x <= INT_MIN) return INT_MIN;
    if (x >= INT_MAX) return INT_MAX;
    Int64 r = Round(x);
    if (x < r) --r;
    return static_cast<Integer>(r);
}

// ---- Distances ------------------------------------------------------------------

Integer DistanceToRect(Integer x, Integer y, Integer left, Integer top, Integer right, Integer bottom)
{
    if (left < x && x < right) {
        if (y < top) return top - y;
        if (y > bottom) return y - bottom;
        return 0;
    }
    if (top < y && y < bottom) return x <= left ? left - x : x - right;
    auto corner = [&](Integer cx, Integer cy) {
        Int64 dx = static_cast<Int64>(x) - cx;
        Int64 dy = static_cast<Int64>(y) - cy;
        return static_cast<Integer>(Round(std::sqrt(static_cast<Extended>(dx * dx + dy * dy))));
    };
    return Min(Min(corner(left, top), corner(right, top)), Min(corner(left, bottom), corner(right, bottom)));
}

double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by)
{
    double dx = bx - ax, dy = by - ay;
    double lengthSq = dx * dx + dy * dy;
    double t = lengthSq == 0 ? -1 : (dx * (px - ax) + dy * (py - ay)) / lengthSq;
    double nx = ax, ny = ay;
    if (t > 1) {
        nx = bx;
        ny = by;
    } else if (t >= 0) {
        nx = ax + t * dx;
        ny = ay + t * dy;
    }
    return std::hypot(px - nx, py - ny);
}

double DistanceToEllipse(double px, double py, double cx, double cy, double semiAxisX, double semiAxisY,
                         double& nearestX, double& nearestY)
{
    // Work in the first quadrant of an ellipse with e0 >= e1, then map back.
    double y0 = px - cx, y1 = py - cy, e0 = semiAxisX, e1 = semiAxisY;
    bool exchanged = e1 > e0;
    if (exchanged) {
        std::swap(y0, y1);
        std::swap(e0, e1);
    }
    bool negative0 = y0 < 0, negative1 = y1 < 0;
    y0 = std::fabs(y0);
    y1 = std::fabs(y1);

    double x0, x1, distance;
    if (y1 > 0) {
        if (y0 > 0) {
            double z0 = y0 / e0, z1 = y1 / e1;
            double g = z0 * z0 + z1 * z1 - 1;
            if (g != 0) {
                double r0 = (e0 / e1) * (e0 / e1);
                double n0 = r0 * z0;
                double s0 = z1 - 1;
                double s1 = g < 0 ? 0 : std::sqrt(n0 * n0 + z1 * z1) - 1;
                double s = 0;
                for (int i = 0; i < 1075; ++i) {
                    s = (s0 + s1) / 2;
                    if (s == s0 || s == s1) break;
                    double ratio0 = n0 / (s + r0), ratio1 = z1 / (s + 1);
                    double gs = ratio0 * ratio0 + ratio1 * ratio1 - 1;
                    if (gs > 0)
                        s0 = s;
                    else if (gs < 0)
                        s1 = s;
                    else
                        break;
                }
                x0 = r0 * y0 / (s + r0);
                x1 = y1 / (s + 1);
                distance = std::hypot(x0 - y0, x1 - y1);
            } else {
                x0 = y0;
                x1 = y1;
                distance = 0;
            }
        } else {
            x0 = 0;
            x1 = e1;
            distance = std::fabs(y1 - e1);
        }
    } else {
        double denominator = e0 * e0 - e1 * e1;
        if (e0 * y0 < denominator) {
            double x = e0 * y0 / denominator;
            x0 = e0 * x;
            x1 = e1 * std::sqrt(1 - x * x);
            distance = std::hypot(x0 - y0, x1);
        } else {
            x0 = e0;
            x1 = 0;
            distance = std::fabs(y0 - e0);
        }
    }
    if (negative0) x0 = -x0;
    if (negative1) x1 = -x1;
    if (exchanged) std::swap(x0, x1);
    nearestX = x0 + cx;
    nearestY = x1 + cy;
    return distance;
}

// ---- CRC-32 ---------------------------------------------------------------------

namespace {

struct CrcTable {
    Cardinal entries[256];
    constexpr CrcTable() : entries()
    {
        for (Cardinal n = 0; n < 256; ++n) {
            Cardinal c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1u) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
    }
};

constexpr CrcTable crcTable;

}  // namespace

Cardinal CRC32Update(Byte b, Cardinal crc) { return crcTable.entries[(b ^ crc) & 255u] ^ (crc >> 8); }
