#pragma once
// A record of what canvases draw: every drawing operation of every canvas, in order, with the pen
// and brush it was drawn with, from the recording's creation until it is freed.
#include <vector>

#include "platform/graphics/Canvas.h"

struct TRecordedDrawing {
    TCanvasOp Op;
    TColor PenColor;
    Integer PenWidth;
    TColor BrushColor;
    TBrushStyle BrushStyle;
};

class TCanvasRecording {
public:
    TCanvasRecording();
    ~TCanvasRecording();
    TCanvasRecording(const TCanvasRecording&) = delete;
    TCanvasRecording& operator=(const TCanvasRecording&) = delete;
    const std::vector<TRecordedDrawing>& Drawings() const { return FDrawings; }

private:
    std::vector<TRecordedDrawing> FDrawings;
};
