#pragma once
// The classic scroll bar of the scroll bar control: an arrow button at each end, the track
// between them and a raised thumb whose size shows the visible part of the range; and how the
// controls with window scroll bars answer their requests.
#include "platform/graphics/Canvas.h"
#include "platform/controls/Controls.h"

// The shortest a thumb gets, in pixels; the window scroll bars take it too.
constexpr Integer ScrollBarThumbMin = 8;

enum TScrollHit { shNone, shLineBack, shLineForward, shPageBack, shPageForward, shThumb };

// pos is the first visible unit, page the visible units, range all of them.
void PaintScrollBar(TCanvas& canvas, const TRect& bar, bool vertical, Integer pos, Integer page, Integer range);
TScrollHit ScrollBarHit(const TRect& bar, bool vertical, TPoint p, Integer pos, Integer page, Integer range);

// The position a WM_HSCROLL / WM_VSCROLL request (its code) asks of a window's scroll bar: by
// line or page steps, to the dragged thumb's place, to either end.
Integer ScrollTarget(HWND window, int bar, Word code, Integer line, Integer page);
