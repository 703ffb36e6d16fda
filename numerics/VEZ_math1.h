#pragma once
// Numeric support routines of the library: the process-wide random generator,
// normally distributed numbers, axis tick steps, number formatting, logarithm and
// floor, point distances and the CRC-32 step.
#include "platform/rtl/Types.h"
#include "platform/rtl/UString.h"

// ---- Process-wide random generator --------------------------------------------
// A 32-bit linear congruential generator (seed := seed * 134775813 + 1).  The library
// seeds it with 1234 when the program is loaded and makes its start-up draws, so every
// program start produces the same sequence.
extern Cardinal RandSeed;
// A value in 0..N-1 (upper 32 bits of seed * N, both unsigned).
Integer Random(Integer N);
// A value in [0, 1).
double Random();
// Replaces the seed with a value taken from the system clock.
void Randomize();
// Normally distributed value, mean 0, standard deviation 1 (polar Box-Muller with a
// cache for the second value of each pair).
double RandomGauss();
// The random permutation of 1..255 built at start-up, and its inverse
// (PermutationOf(InversePermutationOf(v)) == v); indices 1..255.
Byte PermutationOf(int i);
Byte InversePermutationOf(int value);

// ---- Axis ticks -----------------------------------------------------------------
// Step of 1, 2 or 5 times a power of ten not above (high - low) / numTicks, the first
// tick at or past low, and the number of minor intervals per step.
void NiceTickStep(Integer numTicks, Extended low, Extended high, Extended& firstTick, Extended& step,
                  Word& minorIntervals);

// ---- Number formatting ----------------------------------------------------------
// Fixed notation with the given decimals, right-aligned in |width| characters;
// decimals -2: scientific with a two-digit exponent ("*" filled when it needs more);
// decimals -1 (or less): scientific with a four-digit exponent; a negative width
// fills with leading zeros.
String FormatFixed(Integer width, Integer decimals, Extended value);
// The value with the given number of significant digits, in fixed notation where it
// fits the width, else scientific; trim removes surrounding blanks.
String FormatSignificant(Integer width, Integer significant, bool trim, double value);
// Engineering notation with a unit prefix ("4.70k"); a negative digit count puts the
// prefix in place of the decimal point ("4k70").
String FormatEngineering(Integer digits, double value);

// ---- Logarithm and floor --------------------------------------------------------
// ln(x) / ln 10; EMathError "logarithm: invalid argument" for x <= 0.
double Log10(double x);
// Largest 32-bit integer not greater than x.
Integer FloorInt(double x);

// ---- Distances ------------------------------------------------------------------
// Pixel distance from (x, y) to a rectangle; 0 inside and on the edges.
Integer DistanceToRect(Integer x, Integer y, Integer left, Integer top, Integer right, Integer bottom);
// Distance from P to the segment AB.
double DistanceToSegment(double px, double py, double ax, double ay, double bx, double by);
// Distance from a point to an axis-parallel ellipse, with the nearest point on it.
double DistanceToEllipse(double px, double py, double cx, double cy, double semiAxisX, double semiAxisY,
                         double& nearestX, double& nearestY);

// ---- CRC-32 ---------------------------------------------------------------------
// One step of the reflected CRC-32 (polynomial 0xEDB88320); start the register at
// 0xFFFFFFFF and invert it at the end.
Cardinal CRC32Update(Byte b, Cardinal crc);
