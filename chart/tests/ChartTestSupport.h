#pragma once
// Helpers of the chart tests: the Qt back end started once, white bitmaps and counts of ink.
#include <string>

#include "platform/graphics/Bitmaps.h"

// A white 32-bit bitmap.
void WhiteBitmap(TBitmap& bmp, Integer width, Integer height);
// Pixels of the bitmap with exactly that colour.
int CountColor(TBitmap& bmp, TColor color);
// One character per pixel, rows separated by '/': 'X' where the pixel is `ink`, '.' elsewhere.
std::string Picture(TBitmap& bmp, TColor ink);
// Folder of the stored pictures.
std::string DataDir();
