#pragma once
// Arithmetic routines with the runtime's rounding rules.
#include <cmath>
#include <cstdint>

#include "platform/rtl/Types.h"

// Nearest integer, ties to even (banker's rounding), as the runtime rounds.
Int64 Round(Extended x);
// Toward zero.
Int64 Trunc(Extended x);
// Integer and fractional parts, keeping the sign.
Extended Int(Extended x);
Extended Frac(Extended x);
// a * b / c with a 64-bit intermediate, halves rounded away from zero; -1 when c is 0.
Integer MulDiv(Integer a, Integer b, Integer c);
// base ** exponent; integer exponents are exact repeated products.
Extended Power(Extended base, Extended exponent);
Extended IntPower(Extended base, int exponent);
Extended Log10(Extended x);
Extended Sqr(Extended x);

inline bool IsNan(Extended x) { return std::isnan(x); }
inline bool IsInfinite(Extended x) { return std::isinf(x); }

template <class T> T Min(T a, T b) { return b < a ? b : a; }
template <class T> T Max(T a, T b) { return a < b ? b : a; }

// Portable image of an 80-bit extended value: 64-bit mantissa with explicit
// integer bit, then 15-bit exponent (bias 16383) and sign, little-endian.
void ExtendedToBytes(Extended value, Byte out[10]);
Extended ExtendedFromBytes(const Byte in[10]);
