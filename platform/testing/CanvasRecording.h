#pragma once
// A record of what canvases draw: every drawing operation of every canvas, in order, with the pen,
// brush and font it was drawn with, from the recording's creation until it is freed.
#include <vector>

#include "platform/graphics/Canvas.h"

struct TRecordedDrawing {
    TCanvasOp Op;
    TColor PenColor;
    Integer PenWidth;
    TPenStyle PenStyle;
    TColor BrushColor;
    TBrushStyle BrushStyle;
    String FontName;
    Integer FontSize;
    TFontStyles FontStyle;
    TColor FontColor;
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
