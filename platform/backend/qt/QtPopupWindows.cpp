// Shaped windows and windows shown without activation: a widget mask from the layer's region,
// and showing with the toolkit's "without activating" attribute.
#include <QApplication>
#include <QPointer>
#include <QRegion>

#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/graphics/Regions.h"

namespace qtbackend {
namespace {

class TQtPopupWindows : public TPopupWindows {
public:
    void SetShape(TWindowHandle* h, const TRegion* region) override
    {
        QWidget* w = h->Outer ? h->Outer.data() : h->W.data();
        if (!w) return;
        if (!region) {
            w->clearMask();
            return;
        }
        QRegion mask;
        for (const TRect& r : region->Rects()) mask += QRect(r.Left, r.Top, r.Width(), r.Height());
        w->setMask(mask);
    }
    void ShowInactive(TWindowHandle* h) override
    {
        QWidget* w = h->Outer ? h->Outer.data() : h->W.data();
        if (!w) return;
        const bool before = w->testAttribute(Qt::WA_ShowWithoutActivating);
        QPointer<QWidget> active = QApplication::activeWindow();
        w->setAttribute(Qt::WA_ShowWithoutActivating);
        w->show();
        w->raise();
        w->setAttribute(Qt::WA_ShowWithoutActivating, before);
        // a platform that activates every window shown anyway gives the activation back
        if (active && active != w->window()) active->activateWindow();
    }
};

}  // namespace

void RegisterQtPopupWindows()
{
    static TQtPopupWindows popups;
    RegisterPopupWindows(&popups);
}

}  // namespace qtbackend
