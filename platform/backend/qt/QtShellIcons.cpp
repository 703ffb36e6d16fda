// Icons of the desktop through Qt: the file icon provider for files and folders that exist, the
// icon theme's icon of the file type's MIME type otherwise (the provider's file icon when the
// theme has none).
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>

#include <cstring>

#include "platform/backend/qt/QtSupport.h"
#include "platform/services/ShellIcons.h"

namespace qtbackend {

namespace {

class TQtShellIconProvider : public TShellIconProvider {
public:
    bool Icon(const String& name, bool large, TBitmap& into) override
    {
        const QString path = QS(name);
        QFileIconProvider provider;
        QIcon icon;
        const QFileInfo info(path);
        if (!path.isEmpty() && info.exists()) {
            icon = provider.icon(info);
        } else {
            const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
            icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
            if (icon.isNull()) icon = provider.icon(QAbstractFileIconProvider::File);
        }
        const int size = ShellIconSize(large);
        if (icon.isNull()) return false;
        const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) return false;
        into.SetPixelFormat(TPixelFormat::pf32bit);
        into.SetSize(image.width(), image.height());
        for (int y = 0; y < image.height(); ++y)
            std::memcpy(into.ScanLine(y), image.constScanLine(y), static_cast<size_t>(image.width()) * 4);
        into.SetAlphaFormat(TAlphaFormat::afPremultiplied);
        return true;
    }
};

}  // namespace

TShellIconProvider& QtShellIconProvider()
{
    static TQtShellIconProvider provider;
    return provider;
}

}  // namespace qtbackend
