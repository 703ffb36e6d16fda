#pragma once
// Drawing the canvas's operations with a QPainter, on devices that have no pixels of their own
// (the printer).  Coordinates go through the canvas's mapping to device units; no antialiasing.
#include <QPainter>

#include "platform/graphics/Canvas.h"

namespace qtbackend {

void PaintOp(QPainter& painter, TCanvas& canvas, const TCanvasOp& op);

}  // namespace qtbackend
