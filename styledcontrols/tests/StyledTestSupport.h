#pragma once
// Helpers of the styled-control tests: bitmaps as text pictures in a few named colours.
#include <string>
#include <utility>
#include <vector>

#include "platform/graphics/Bitmaps.h"

// One character per pixel, rows separated by '/'.  Each pixel shows the letter of its colour in
// the legend (colours resolved), '?' for a colour the legend lacks.
using TLegend = std::vector<std::pair<char, TColor>>;
std::string Picture(TBitmap& bmp, const TLegend& legend);
// The classic 3D colours: W highlight, L 3D light, F face, S shadow, D dark shadow, K black, w white,
// G grey $808080, X window frame, '.' fuchsia (the untouched background of the tests).
const TLegend& FaceLegend();
// A 32-bit bitmap filled with one colour.
void FilledBitmap(TBitmap& bmp, Integer width, Integer height, TColor color);
// "left,top,right,bottom".
std::string RectText(const TRect& r);
