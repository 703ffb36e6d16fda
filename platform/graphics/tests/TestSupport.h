#pragma once
// Small helpers of the graphics tests: bitmaps as text pictures, the Qt back end started once.
#include <string>

#include "platform/graphics/Bitmaps.h"

// One character per device pixel, rows separated by '/': 'X' where the pixel has `ink`, '.' elsewhere.
std::string Picture(TBitmap& bmp, TColor ink);
// A white 32-bit bitmap.
void WhiteBitmap(TBitmap& bmp, Integer width, Integer height);
