#pragma once
// Pixel geometry of the canvas: which device pixels a line, an ellipse, a polygon or an arc covers,
// and the raster operations that combine a pen, brush or source pixel with the destination.
#include <functional>
#include <utility>
#include <vector>

#include "platform/graphics/Graphics.h"

namespace raster {

using SpanFn = std::function<void(Integer y, Integer left, Integer right)>;   // [left, right)
using PixelFn = std::function<void(Integer x, Integer y)>;

// The pixels of a line from (x0, y0) towards (x1, y1), the end pixel excluded; with a limit only
// the part whose position along the main direction lies within it is walked.
void LinePixels(Integer x0, Integer y0, Integer x1, Integer y1, const PixelFn& fn, const TRect* limit = nullptr);
// Filled ellipse in the box (right and bottom exclusive): covered [left, right) of row y.
std::pair<Integer, Integer> EllipseRow(const TRect& box, Integer y);
// Filled rectangle with corners rounded by a cw x ch ellipse: covered [left, right) of row y.
std::pair<Integer, Integer> RoundRectRow(const TRect& box, Integer cw, Integer ch, Integer y);
// Interior rows of a polygon (alternate or winding rule); vertices are pixel positions.  With a
// limit only its rows are produced.
void PolygonSpans(const std::vector<TPoint>& points, bool winding, const SpanFn& fn, const TRect* limit = nullptr);
// Angle test for arcs, pies and chords: true when (x, y) lies on the counter-clockwise sweep from
// the radial through `start` to the radial through `end` of the ellipse in the box.
bool InSweep(const TRect& box, TPoint start, TPoint end, double x, double y);
// The point where the radial towards `p` leaves the ellipse's outline, rounded.
TPoint RadialPoint(const TRect& box, TPoint p);

// Pixels are 0x00RRGGBB in 32 bits; TColor is $00BBGGRR.
inline Cardinal ToPixel(TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }   // low 24 bits
inline TColor FromPixel(Cardinal p) { return static_cast<TColor>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF)); }
// Binary raster operation R2_* (1..16) of pen P on destination D.
Cardinal Rop2(int r2, Cardinal p, Cardinal d);
int PenModeToRop2(TPenMode mode);
// Ternary raster operation (the high 8 bits of the code's upper word) of pattern, source, destination.
Cardinal Rop3(Cardinal rop, Cardinal p, Cardinal s, Cardinal d);

// 8x8 hatch pattern of a brush style: bit (7 - x) of row y set means the hatch colour.
const Byte* HatchPattern(TBrushStyle style);

}  // namespace raster
