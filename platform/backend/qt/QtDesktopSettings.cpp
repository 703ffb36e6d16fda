// The desktop's settings from the toolkit's style hints, which follow the desktop's own.
#include <algorithm>

#include <QGuiApplication>
#include <QStyleHints>

#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/graphics/DesktopSettings.h"

namespace qtbackend {
namespace {

class TQtDesktopSettings : public TDesktopSettingsSource {
public:
    TDesktopSettings Read() override
    {
        const QStyleHints* hints = QGuiApplication::styleHints();
        TDesktopSettings settings;
        settings.DoubleClickTime = static_cast<Cardinal>(hints->mouseDoubleClickInterval());
        // the toolkit's flash time is a whole blink, lit and dark
        settings.CaretBlinkTime = static_cast<Cardinal>(std::max(0, hints->cursorFlashTime()) / 2);
        settings.KeyboardSpeed = KeyboardSpeedStep(hints->keyboardAutoRepeatRate());
        settings.WheelScrollLines = hints->wheelScrollLines();
        // the toolkit does not tell the repeat delay: the classic desktop's stays
        return settings;
    }
};

}  // namespace

void RegisterQtDesktopSettings()
{
    static TQtDesktopSettings settings;
    RegisterDesktopSettings(&settings);
}

}  // namespace qtbackend
