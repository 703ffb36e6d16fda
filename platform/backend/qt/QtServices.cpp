#include "platform/backend/qt/QtServices.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/backend/qt/QtSupport.h"
#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/controls/Controls.h"
#include "platform/services/DocumentViewer.h"
#include "platform/services/ServicesBackend.h"
#include "platform/services/ShellIcons.h"
#include "platform/services/ShellApi.h"

namespace qtbackend {
namespace {

// The local files of a drag, in the order the file manager gives them.
std::vector<String> LocalFiles(const QMimeData* mime)
{
    std::vector<String> files;
    if (!mime) return files;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile()) files.push_back(VS(url.toLocalFile()));
    return files;
}

// Sends WM_DROPFILES to the window's control; the drop record lives for the message.
void SendDropFiles(TWindowHandle* h, std::vector<String> files, const QPoint& widgetPoint)
{
    if (!h || !h->Control || files.empty()) return;
    const QPoint client = h->W ? h->W->mapFrom(h->Outer ? h->Outer.data() : h->W.data(), widgetPoint) : widgetPoint;
    TDropFiles drop{std::move(files), TPoint{client.x(), client.y()}, h->W && h->W->rect().contains(client)};
    TMessage m{WM_DROPFILES, reinterpret_cast<std::intptr_t>(&drop), 0, 0};
    Deliver(h->Control, m, nullptr);
}

// Accepts drags of local files on a window and turns their drop into WM_DROPFILES.
class TFileDropFilter : public QObject {
public:
    // Found again by its name (our QObjects carry no meta-object of their own to cast to).
    static constexpr const char* Name = "dorvane-file-drop";
    TFileDropFilter(QObject* parent, TWindowHandle* h) : QObject(parent), FHandle(h) { setObjectName(Name); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* d = static_cast<QDropEvent*>(e);
            if (LocalFiles(d->mimeData()).empty()) return false;
            d->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* d = static_cast<QDropEvent*>(e);
            std::vector<String> files = LocalFiles(d->mimeData());
            if (files.empty()) return false;
            d->acceptProposedAction();
            SendDropFiles(FHandle, std::move(files), d->position().toPoint());
            return true;
        }
        default: return false;
        }
    }

private:
    TWindowHandle* FHandle;
};

// The widget that receives the drops of a window: its frame when it has one.
QWidget* DropWidget(TWindowHandle* h) { return h->Outer ? h->Outer.data() : h->W.data(); }

class QtServicesBackend : public TServicesBackend {
public:
    void ShowHelpPage(const String& page) override
    {
        if (!FHelp) {
            FHelp = new QTextBrowser();
            FHelp->setAttribute(Qt::WA_DeleteOnClose);
            FHelp->resize(640, 480);
            FHelp->setOpenLinks(false);
            // Pages of the help folder open in the window; web addresses go to the desktop.
            QObject::connect(FHelp.data(), &QTextBrowser::anchorClicked, [this](const QUrl& url) {
                QUrl target = FHelp->source().resolved(url);
                if (target.isLocalFile())
                    Show(target);
                else
                    ShellExecute(nullptr, "open", VS(target.toString()));
            });
        }
        Show(QUrl::fromLocalFile(QS(page)));
        FHelp->show();
        FHelp->raise();
        FHelp->activateWindow();
    }
    void CloseHelp() override
    {
        delete FHelp.data();
    }
    String HelpPage() override { return FHelp ? VS(FHelp->source().toLocalFile()) : String(); }
    TRect ScreenRect() override { return FromQRect(QGuiApplication::primaryScreen()->geometry()); }
    TRect WorkArea() override { return FromQRect(QGuiApplication::primaryScreen()->availableGeometry()); }
    void Beep() override { QApplication::beep(); }
    void AcceptDroppedFiles(TWindowHandle* window, bool accept) override
    {
        QWidget* w = DropWidget(window);
        if (!w) return;
        QObject* filter = w->findChild<QObject*>(TFileDropFilter::Name, Qt::FindDirectChildrenOnly);
        if (accept && !filter) w->installEventFilter(new TFileDropFilter(w, window));
        if (!accept && filter) delete filter;
        w->setAcceptDrops(accept);
    }
    void DropFiles(TWindowHandle* window, const std::vector<String>& files, TPoint point) override
    {
        QWidget* w = DropWidget(window);
        if (!w || !w->acceptDrops()) return;
        QMimeData mime;
        QList<QUrl> urls;
        for (const String& f : files) urls.push_back(QUrl::fromLocalFile(QS(f)));
        mime.setUrls(urls);
        const QPoint at = window->W ? window->W->mapTo(w, QPoint(point.X, point.Y)) : QPoint(point.X, point.Y);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &enter);
        if (!enter.isAccepted()) return;
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &drop);
    }

private:
    void Show(const QUrl& url)
    {
        FHelp->setSource(url);
        FHelp->setWindowTitle(FHelp->documentTitle().isEmpty() ? QStringLiteral("Help") : FHelp->documentTitle());
    }
    QPointer<QTextBrowser> FHelp;
};

}  // namespace
}  // namespace qtbackend

namespace qtbackend {
TShellIconProvider& QtShellIconProvider();
TDocumentViewer& QtDocumentViewerWindow();
}

void InitQtServices()
{
    static qtbackend::QtServicesBackend backend;
    InitQtGraphics();
    RegisterServicesBackend(&backend);
    RegisterShellIconProvider(&qtbackend::QtShellIconProvider());
    RegisterDocumentViewer(&qtbackend::QtDocumentViewerWindow());
}
