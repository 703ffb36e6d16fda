#include "platform/testing/CanvasRecording.h"

#include "platform/graphics/CanvasHook.h"

TCanvasRecording::TCanvasRecording()
{
    CanvasOperationHook = [this](TCanvas& canvas, const TCanvasOp& op) {
        const TFont& font = canvas.Font();
        FDrawings.push_back({op, canvas.Pen().Color(), canvas.Pen().Width(), canvas.Pen().Style(),
                             canvas.Brush().Color(), canvas.Brush().Style(), font.Name(), font.Size(), font.Style(),
                             font.Color()});
    };
}

TCanvasRecording::~TCanvasRecording() { CanvasOperationHook = nullptr; }
