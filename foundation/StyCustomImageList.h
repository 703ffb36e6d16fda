#pragma once
// The base of the library's image lists: a list container whose items hold numbered pictures,
// with a current item and the pixel format new items are saved in.
#include "foundation/StyCustomContainer.h"

class TStyCustomImageList : public TStyCustomContainer {
    DECLARE_CLASS(TStyCustomImageList, TStyCustomContainer)
public:
    using TStyCustomContainer::TStyCustomContainer;

    // The current item; an index not below the item count raises EInvalidGraphicOperation.
    Integer Index() const { return FIndex; }
    void SetIndex(Integer value);
    TStySavePixelFormat DefaultPixelFormat() const { return FDefaultPixel; }
    void SetDefaultPixelFormat(TStySavePixelFormat value) { FDefaultPixel = value; }

    // The images of an item and whether one exists.
    virtual Integer ItemCount(Integer index) const = 0;
    virtual bool IsValidItem(Integer index, Integer item) const = 0;
    // Copies an image into the bitmap (nothing for a bad index).
    virtual void GetBitmapItem(Integer index, Integer item, TBitmap* tb) = 0;
    virtual void Draw(TCanvas& Canvas, Integer X, Integer Y, Integer ListIndex, Integer Index) = 0;

private:
    Integer FIndex = 0;
    TStySavePixelFormat FDefaultPixel = spfDefault;
};
