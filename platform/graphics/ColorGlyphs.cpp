#include "platform/graphics/ColorGlyphs.h"

#include <cstring>

#include "platform/graphics/Bitmaps.h"

namespace {
TColorGlyphEngine* Engine = nullptr;
}

void RegisterColorGlyphEngine(TColorGlyphEngine* engine) { Engine = engine; }

void DrawColorText(TCanvas& canvas, Integer x, Integer y, const String& family, Integer pixelSize, const String& text)
{
    if (!Engine) return;
    const TColorGlyphImage image = Engine->Render(family, pixelSize, text);
    if (image.Width <= 0 || image.Height <= 0) return;
    TBitmap glyphs;
    glyphs.SetPixelFormat(TPixelFormat::pf32bit);
    glyphs.SetSize(image.Width, image.Height);
    for (Integer row = 0; row < image.Height; ++row)
        std::memcpy(glyphs.ScanLine(row), &image.Pixels[static_cast<size_t>(row * image.Width)],
                    static_cast<size_t>(image.Width) * sizeof(Cardinal));
    glyphs.SetAlphaFormat(TAlphaFormat::afPremultiplied);
    BLENDFUNCTION blend;
    blend.AlphaFormat = AC_SRC_ALPHA;
    canvas.AlphaBlend(TRect{x, y, x + image.Width, y + image.Height}, glyphs, TRect{0, 0, image.Width, image.Height},
                      blend);
}
