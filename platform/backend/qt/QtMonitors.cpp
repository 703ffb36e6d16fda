// The screen's displays from the toolkit's screens.
#include <QGuiApplication>
#include <QScreen>

#include "platform/backend/qt/QtSupport.h"
#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/forms/MonitorsBackend.h"

namespace qtbackend {
namespace {

class TQtMonitors : public TMonitorsBackend {
public:
    std::vector<TMonitorFacts> Monitors() override
    {
        std::vector<TMonitorFacts> result;
        QScreen* primary = QGuiApplication::primaryScreen();
        auto add = [&result, primary](QScreen* screen) {
            result.push_back({reinterpret_cast<HMONITOR>(screen), FromQRect(screen->geometry()),
                              FromQRect(screen->availableGeometry()), screen == primary,
                              qRound(screen->logicalDotsPerInch())});
        };
        if (primary) add(primary);
        for (QScreen* screen : QGuiApplication::screens())
            if (screen != primary) add(screen);
        return result;
    }
};

}  // namespace

void RegisterQtMonitors()
{
    static TQtMonitors monitors;
    RegisterMonitorsBackend(&monitors);
}

}  // namespace qtbackend
