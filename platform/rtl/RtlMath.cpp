#include "platform/rtl/RtlMath.h"

#include <cfenv>
#include <cstdlib>
#include <cstring>

Int64 Round(Extended x)
{
    // nearbyintl rounds with the current mode, which is round-to-nearest-even.
    return static_cast<Int64>(std::nearbyint(x));
}

Int64 Trunc(Extended x) { return static_cast<Int64>(std::trunc(x)); }
Extended Int(Extended x) { return std::trunc(x); }
Extended Frac(Extended x) { return x - std::trunc(x); }
Extended Sqr(Extended x) { return x * x; }

Integer MulDiv(Integer a, Integer b, Integer c)
{
    if (c == 0) return -1;
    Int64 num = static_cast<Int64>(a) * b;
    Int64 q = num / c;
    Int64 r = num % c;
    // Halves round away from zero.
    if (2 * std::llabs(r) >= std::llabs(static_cast<Int64>(c))) q += ((num < 0) != (c < 0)) ? -1 : 1;
    return static_cast<Integer>(q);
}

Extended IntPower(Extended base, int exponent)
{
    unsigned n = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
    Extended result = 1.0L;
    Extended b = base;
    while (n != 0) {
        if (n & 1u) result *= b;
        b *= b;
        n >>= 1;
    }
    return exponent < 0 ? 1.0L / result : result;
}

Extended Power(Extended base, Extended exponent)
{
    if (exponent == 0.0L) return 1.0L;
    if (base == 0.0L && exponent > 0.0L) return 0.0L;
    if (Frac(exponent) == 0.0L && std::fabs(exponent) <= 2147483647.0L) return IntPower(base, static_cast<int>(exponent));
    return std::exp(exponent * std::log(base));
}

Extended Log10(Extended x) { return std::log10(x); }

void ExtendedToBytes(Extended value, Byte out[10])
{
    std::memset(out, 0, 10);
    bool negative = std::signbit(value);
    UInt64 mantissa = 0;
    unsigned exponent = 0;
    if (std::isnan(value)) {
        exponent = 0x7FFF;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(value)) {
        exponent = 0x7FFF;
        mantissa = 0x8000000000000000ULL;
    } else if (value != 0.0L) {
        int e;
        Extended m = std::frexp(std::fabs(value), &e);  // m in [0.5, 1)
        int biased = e - 1 + 16383;
        if (biased <= 0) {
            // Denormal: exponent field 0, mantissa scaled by 2^-16382.
            mantissa = static_cast<UInt64>(std::ldexp(std::fabs(value), 16382 + 63));
            exponent = 0;
        } else {
            mantissa = static_cast<UInt64>(std::ldexp(m, 64));
            exponent = static_cast<unsigned>(biased);
        }
    }
    for (int i = 0; i < 8; ++i) out[i] = static_cast<Byte>(mantissa >> (8 * i));
    unsigned se = exponent | (negative ? 0x8000u : 0u);
    out[8] = static_cast<Byte>(se & 0xFF);
    out[9] = static_cast<Byte>(se >> 8);
}

Extended ExtendedFromBytes(const Byte in[10])
{
    UInt64 mantissa = 0;
    for (int i = 0; i < 8; ++i) mantissa |= static_cast<UInt64>(in[i]) << (8 * i);
    unsigned se = in[8] | (static_cast<unsigned>(in[9]) << 8);
    bool negative = (se & 0x8000u) != 0;
    int exponent = static_cast<int>(se & 0x7FFF);
    Extended value;
    if (exponent == 0x7FFF) {
        value = (mantissa << 1) == 0 ? HUGE_VALL : NAN;
    } else if (exponent == 0) {
        value = std::ldexp(static_cast<Extended>(mantissa), -16382 - 63);
    } else {
        value = std::ldexp(static_cast<Extended>(mantissa), exponent - 16383 - 63);
    }
    return negative ? -value : value;
}
