// Colour glyphs through Qt: the text is painted with the colour font into a transparent image,
// so the font's own colours (its bitmap glyphs) come through.
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include "platform/backend/qt/QtSupport.h"
#include "platform/graphics/ColorGlyphs.h"

namespace qtbackend {

namespace {

class TQtColorGlyphEngine : public TColorGlyphEngine {
public:
    TColorGlyphImage Render(const String& family, Integer pixelSize, const String& text) override
    {
        TColorGlyphImage result;
        if (pixelSize <= 0 || text.IsEmpty()) return result;
        QFont font(QS(family));
        font.setPixelSize(pixelSize);
        const QFontMetrics metrics(font);
        const QString s = QS(text);
        const int width = metrics.horizontalAdvance(s), height = metrics.height();
        if (width <= 0 || height <= 0) return result;
        QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), s);
        painter.end();
        result.Width = width;
        result.Height = height;
        result.Pixels.resize(static_cast<size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            const auto* line = reinterpret_cast<const Cardinal*>(image.constScanLine(y));
            std::copy(line, line + width, result.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * width);
        }
        return result;
    }
};

}  // namespace

TColorGlyphEngine& QtColorGlyphEngine()
{
    static TQtColorGlyphEngine engine;
    return engine;
}

}  // namespace qtbackend
