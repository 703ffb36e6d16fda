#pragma once
// A watch on every canvas: when set, each canvas hands it every drawing operation before drawing
// it, with the canvas's pen, brush and font as they then stand (tests record what a routine draws,
// in order).
#include <functional>

#include "platform/graphics/Canvas.h"

extern std::function<void(TCanvas& canvas, const TCanvasOp& op)> CanvasOperationHook;
