// The clipboard on Qt's: formats by MIME type.
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "platform/backend/qt/QtSupport.h"

namespace qtbackend {

namespace {

class TQtClipboard : public TClipboardBackend {
public:
    void SetData(const std::vector<std::pair<std::string, std::string>>& formats) override
    {
        auto* data = new QMimeData;
        for (const auto& [mime, bytes] : formats) {
            if (mime == "text/plain") data->setText(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
            else data->setData(QString::fromStdString(mime), QByteArray(bytes.data(), qsizetype(bytes.size())));
        }
        QGuiApplication::clipboard()->setMimeData(data);
    }

    std::vector<std::string> Formats() override
    {
        std::vector<std::string> out;
        if (const QMimeData* data = QGuiApplication::clipboard()->mimeData())
            for (const QString& f : data->formats()) out.push_back(f.toStdString());
        return out;
    }

    std::string GetData(const std::string& mime) override
    {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        if (!data) return {};
        if (mime == "text/plain") return data->text().toStdString();
        QByteArray bytes = data->data(QString::fromStdString(mime));
        return std::string(bytes.constData(), size_t(bytes.size()));
    }
};

}  // namespace

TClipboardBackend& QtClipboardBackend()
{
    static TQtClipboard clipboard;
    return clipboard;
}

}  // namespace qtbackend
