#pragma once
// Conversions between the layer's types and Qt's, for the back end's own files.
//
// A window surface for the canvas is a TPaintDevice whose GetPixels lends the rows of a
// QImage::Format_RGB32 image (0x00RRGGBB pixels, the top byte left alone by drawing) and whose
// Changed shows the touched area; the canvas then draws on it with its own pixel rules.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

#include "platform/graphics/ColorGlyphs.h"
#include "platform/graphics/Backend.h"

namespace qtbackend {

inline QString QS(const String& s)
{
    return QString::fromUtf16(s.u16().data(), static_cast<qsizetype>(s.u16().size()));
}
inline String VS(const QString& s) { return String(std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), size_t(s.size()))); }
inline QColor QC(TColor c)
{
    c = ColorToRGB(c);
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
inline QRect QR(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

// The Qt font of a device font: never antialiased, hinted, no kerning.
QFont ToQFont(const TFontSpec& fontSpec);
// A copy of a bitmap's pixels (premultiplied: the top byte is alpha the colours are multiplied by).
QImage ToQImage(const class TBitmap& bitmap, bool premultiplied);

// Services registered by InitQtGraphics.
TFontEngine& QtFontEngine();
TPrinterBackend& QtPrinterBackend();
TClipboardBackend& QtClipboardBackend();
TImageCodecBackend& QtImageCodecs();
TColorGlyphEngine& QtColorGlyphEngine();

}  // namespace qtbackend
