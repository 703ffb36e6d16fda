#pragma once
// How a transparent control paints its parent's background: a control (or one non-visual
// component of a form, for the whole form) offers its background bitmap to the controls that
// use it, maps their points into it, and tells them when it changed.
#include "platform/classes/Interfaces.h"
#include "platform/graphics/Bitmaps.h"

class TControl;

struct IStyBackground : public virtual IInterface {
    static constexpr TGUID IID = TGUID::Parse("{0068598D-C5C6-488F-8E00-D813525C9163}");
    // The bitmap children may paint their background from, and whether it may be used now.
    virtual TBitmap* BackBitmap() = 0;
    virtual bool BackBitmapCheck() = 0;
    // Copies the part of the background at Src of Dest's size onto the canvas at Dest.
    virtual bool BackDrawArea(TCanvas& Canvas, const TRect& Dest, TPoint Src, Word Flags) = 0;
    virtual bool isTransparentSet() = 0;
    // A point of the implementer in its background bitmap.
    virtual TPoint BackMapPoint(TPoint P) = 0;
    // Palettes play no part on a true-colour screen: 0.
    virtual Cardinal BackBitmapPalette() = 0;
    virtual void BackUpdate() = 0;
    // The controls registered as using this background.
    virtual TControl* BackControl(Integer Index) = 0;
    virtual Integer BackControlCount() = 0;
};
