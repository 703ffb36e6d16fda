// Changes of the desktop as the toolkit reports them: another theme reaches every toolkit window
// as a theme-change event; the layer tells its top-level windows once, WM_THEMECHANGED.
#include <QApplication>
#include <QWindow>

#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/backend/qt/QtWindows.h"
#include "platform/controls/Controls.h"

namespace qtbackend {
namespace {

// The toolkit tells each of its windows in turn: the windows of the layer hear of it once, after
// the toolkit is done.
class TThemeChangeWatch : public QObject {
public:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (event->type() == QEvent::ThemeChange && receiver->isWindowType() && !FPending) {
            FPending = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    FPending = false;
                    BroadcastSystemChange(WM_THEMECHANGED);
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    bool FPending = false;
};

}  // namespace

void WatchSystemChanges()
{
    static TThemeChangeWatch* watch = nullptr;
    if (watch) return;
    watch = new TThemeChangeWatch;
    watch->setParent(qApp);
    qApp->installEventFilter(watch);
}

}  // namespace qtbackend

void SendSystemThemeChange()
{
    QEvent change(QEvent::ThemeChange);
    for (QWindow* window : QGuiApplication::allWindows()) QApplication::sendEvent(window, &change);
}
