#include "platform/backend/qt/QtServices.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

#include "platform/backend/qt/QtGraphics.h"
#include "platform/backend/qt/QtSupport.h"
#include "platform/services/ServicesBackend.h"
#include "platform/services/ShellIcons.h"
#include "platform/services/ShellApi.h"

namespace qtbackend {
namespace {

TRect FromQRect(const QRect& r) { return TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

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
}

void InitQtServices()
{
    static qtbackend::QtServicesBackend backend;
    InitQtGraphics();
    RegisterServicesBackend(&backend);
    RegisterShellIconProvider(&qtbackend::QtShellIconProvider());
}
