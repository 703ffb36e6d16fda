// Wheel turns delivered to a window as the toolkit's wheel events.
#include <QApplication>
#include <QWheelEvent>

#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/controls/WheelInput.h"

namespace qtbackend {
namespace {

class TQtWheelInput : public TWheelInput {
public:
    void SendWheel(TWindowHandle* h, TPoint p, int delta, Cardinal shift) override
    {
        if (!h->W) return;
        const Integer border = h->Control ? h->Control->BorderWidthNC() : 0;
        const QPoint local(p.X + border, p.Y + border);
        QWheelEvent ev(QPointF(local), QPointF(h->W->mapToGlobal(local)), QPoint(), QPoint(0, delta), Qt::NoButton,
                       ShiftToModifiers(shift), Qt::NoScrollPhase, false);
        QApplication::sendEvent(h->W, &ev);
    }
};

}  // namespace

void RegisterQtWheelInput()
{
    static TQtWheelInput input;
    RegisterWheelInput(&input);
}

}  // namespace qtbackend
