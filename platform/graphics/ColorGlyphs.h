#pragma once
// Colour glyphs: text drawn in the colours of a colour font (the emoji of the colour emoji
// font), which the back end renders into 32-bit pixels with alpha and the canvas blends over
// what is already there.  Ordinary text stays in the canvas's one-colour, unsmoothed rendering.
#include <vector>

#include "platform/graphics/Canvas.h"

// Premultiplied $AARRGGBB pixels, row after row; the text's top-left corner is pixel (0, 0).
struct TColorGlyphImage {
    Integer Width = 0, Height = 0;
    std::vector<Cardinal> Pixels;
};

class TColorGlyphEngine {
public:
    virtual ~TColorGlyphEngine() = default;
    virtual TColorGlyphImage Render(const String& family, Integer pixelSize, const String& text) = 0;
};

// The back end registers its engine at start-up.
void RegisterColorGlyphEngine(TColorGlyphEngine* engine);

// Draws the text in the colours of the font family, pixelSize pixels high, with its top-left
// corner at (x, y); nothing without an engine or on a font without those glyphs.
void DrawColorText(TCanvas& canvas, Integer x, Integer y, const String& family, Integer pixelSize,
                   const String& text);
