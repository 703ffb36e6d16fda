#pragma once
// The classic scroll bar the layer's own lists and grids draw inside their client area: an
// arrow button at each end, the track between them and a raised thumb whose size shows the
// visible part of the range.
#include "platform/graphics/Canvas.h"

constexpr Integer ScrollBarThickness = 17;

enum TScrollHit { shNone, shLineBack, shLineForward, shPageBack, shPageForward, shThumb };

// pos is the first visible unit, page the visible units, range all of them.
void PaintScrollBar(TCanvas& canvas, const TRect& bar, bool vertical, Integer pos, Integer page, Integer range);
TScrollHit ScrollBarHit(const TRect& bar, bool vertical, TPoint p, Integer pos, Integer page, Integer range);
