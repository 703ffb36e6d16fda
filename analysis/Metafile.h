#pragma once
// The stability drawing: a one-page recorded picture of the dam section for one load case of an
// analysed model, with the water and silt levels, the joints with their stress and uplift
// diagrams (stress view) or their resultants and middle thirds (stability view), the cracks, the
// drain and gallery, the post-tensioning, a title and the tables of joint results joined to
// every joint by leader lines.
#include <memory>

#include "engine/Unites.h"
#include "platform/graphics/Metafile.h"

// The title of the drawing of load case k (1..7) in one view.
String StabilityDrawingTitle(const TParametres& Model, Integer LoadCase, bool StressView);

// The drawing of load case LoadCase, PictureWidth x PictureHeight pixels, its texts in Arial of
// FontSize points. It reads the model and changes nothing in it. A degenerate section fails
// (EZeroDivide) and gives no picture.
std::unique_ptr<TMetafile> BuildStabilityDrawing(const TParametres& Model, Integer LoadCase, Integer PictureWidth,
                                                 Integer PictureHeight, Integer FontSize, bool ShowResultants,
                                                 bool ShowStressDiagram, bool ShowUplift, bool StressView);
