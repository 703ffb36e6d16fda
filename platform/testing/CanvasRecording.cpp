#include "platform/testing/CanvasRecording.h"

#include "platform/graphics/CanvasHook.h"

TCanvasRecording::TCanvasRecording()
{
    CanvasOperationHook = [this](TCanvas& canvas, const TCanvasOp& op) {
        FDrawings.push_back({op, canvas.Pen().Color(), canvas.Pen().Width(), canvas.Brush().Color(),
                             canvas.Brush().Style()});
    };
}

TCanvasRecording::~TCanvasRecording() { CanvasOperationHook = nullptr; }
