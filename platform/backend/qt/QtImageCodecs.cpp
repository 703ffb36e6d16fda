// Picture formats read and written through the toolkit's image-format plug-ins.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include "platform/backend/qt/QtSupport.h"

namespace qtbackend {
namespace {

class TQtImageCodecs : public TImageCodecBackend {
public:
    bool Decode(const std::string& format, const std::vector<Byte>& data, TDecodedImage& image) override
    {
        QByteArray bytes(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, QByteArray::fromStdString(format));
        QImage read = reader.read();
        if (read.isNull()) return false;
        image.HasAlpha = read.hasAlphaChannel();
        read = read.convertToFormat(QImage::Format_ARGB32);
        image.Width = read.width();
        image.Height = read.height();
        image.Pixels.resize(size_t(image.Width) * image.Height);
        for (int y = 0; y < image.Height; ++y) {
            const auto* row = reinterpret_cast<const Cardinal*>(read.constScanLine(y));
            std::copy(row, row + image.Width, image.Pixels.begin() + ptrdiff_t(y) * image.Width);
        }
        return true;
    }

    std::vector<Byte> Encode(const std::string& format, const TDecodedImage& image) override
    {
        QImage picture(image.Width, image.Height, image.HasAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < image.Height; ++y) {
            const Cardinal* from = image.Pixels.data() + ptrdiff_t(y) * image.Width;
            std::copy(from, from + image.Width, reinterpret_cast<Cardinal*>(picture.scanLine(y)));
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, QByteArray::fromStdString(format));
        if (!writer.write(picture)) return {};
        return std::vector<Byte>(bytes.begin(), bytes.end());
    }
};

}  // namespace

TImageCodecBackend& QtImageCodecs()
{
    static TQtImageCodecs codecs;
    return codecs;
}

}  // namespace qtbackend
