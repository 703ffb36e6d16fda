#pragma once
// Picture value types of the graphics library: the picture that knows whether it holds an SVG,
// and small helpers for pictures and characters.
#include "platform/graphics/Bitmaps.h"
#include "platform/graphics/Graphics.h"

class TGxSVGImport;

// The picture type of fill textures and of the pictures the text engines create.
class TGxBitmap : public TPicture {
    DECLARE_CLASS(TGxBitmap, TPicture)
public:
    virtual bool HasSVG() const;
    TGxSVGImport* SVG() const;
};

// "0" to "9" below 128; above, any character of a number category of Unicode.
bool CharIsNumeric(char16_t c);
// No picture, no graphic or an empty graphic.
bool IsPictureEmpty(const TPicture* APicture);
TGraphic* GetPictureGraphic(const TPicture* APicture);
