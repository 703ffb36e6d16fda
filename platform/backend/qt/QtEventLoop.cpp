// The window system's event loop and timers on the toolkit's, and the input and grabs the test
// driver asks for, sent through the toolkit as a user's would be.
#include "platform/backend/qt/QtWindowSystem.h"
#include "platform/backend/qt/QtWindows.h"

namespace qtbackend {

void TQtWindowSystem::ProcessEvents(bool wait)
{
    if (gEventDepth == 0) DeleteRetiredWidgets();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(wait ? QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents
                                         : QEventLoop::AllEvents);
    if (gEventDepth == 0) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DeleteRetiredWidgets();
    }
}

void TQtWindowSystem::WakeUp()
{
    if (auto* d = QCoreApplication::eventDispatcher()) d->wakeUp();
}

void TQtWindowSystem::StartTimer(const void* key, Cardinal interval, std::function<void()> fire)
{
    StopTimer(key);
    auto* t = new QTimer();
    t->setInterval(static_cast<int>(interval));
    QObject::connect(t, &QTimer::timeout, [fire] { fire(); });
    FTimers[key] = t;
    t->start();
}

void TQtWindowSystem::StopTimer(const void* key)
{
    auto it = FTimers.find(key);
    if (it == FTimers.end()) return;
    it->second->stop();
    it->second->deleteLater();
    FTimers.erase(it);
}

void TQtWindowSystem::SendMouse(TWindowHandle* h, TMouseAction action, int button, TPoint p, Cardinal shift)
{
    if (!h->W) return;
    const Integer border = h->Control ? h->Control->BorderWidthNC() : 0;
    QPoint local(p.X + border, p.Y + border);
    QWidget* target = h->W;
    if (QWidget* child = h->W->childAt(local)) {
        local = child->mapFrom(h->W, local);
        target = child;
    }
    const Qt::MouseButton b = button == 1 ? Qt::RightButton : button == 2 ? Qt::MiddleButton : Qt::LeftButton;
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButtons held = Qt::NoButton;
    switch (action) {
    case maPress: type = QEvent::MouseButtonPress; held = b; break;
    case maRelease: type = QEvent::MouseButtonRelease; break;
    case maDoubleClick: type = QEvent::MouseButtonDblClick; held = b; break;
    case maMove: held = (shift & MK_LBUTTON) ? Qt::LeftButton : Qt::NoButton; break;
    }
    // The input enters through the top-level window under the pointer, as the screen's would: the
    // toolkit then applies its rules of modal windows, mouse grabs and implicit grabs on the way
    // to the control, and a press gives the focus as a click does. A window never shown takes no
    // input.
    QWidget* top = target->window();
    QWindow* window = top->windowHandle();
    if (!window) return;
    const QPoint inWindow = target->mapTo(top, local);
    QMouseEvent ev(type, QPointF(inWindow), QPointF(top->mapToGlobal(inWindow)), action == maMove ? Qt::NoButton : b,
                   held, ShiftToModifiers(shift));
    QCoreApplication::sendEvent(window, &ev);
}

void TQtWindowSystem::SendKey(TWindowHandle* h, Word vk, const String& text, Cardinal shift, bool release)
{
    if (!h->W) return;
    QKeyEvent ev(release ? QEvent::KeyRelease : QEvent::KeyPress, QtFromVk(vk), ShiftToModifiers(shift), QS(text));
    QApplication::sendEvent(h->W, &ev);
}

void TQtWindowSystem::GrabWindow(TWindowHandle* h, TBitmap& into)
{
    QWidget* w = h->Kind == TWindowKind::wkForm || h->Kind == TWindowKind::wkMDIForm || h->Kind == TWindowKind::wkMDIChild
                     ? h->Outer.data()
                     : h->W.data();
    if (w) ImageToBitmap(w->grab().toImage(), into);
}

void ImageToBitmap(const QImage& image, TBitmap& into)
{
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    into.SetPixelFormat(TPixelFormat::pf32bit);
    into.SetSize(img.width(), img.height());
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(into.ScanLine(y), img.constScanLine(y), static_cast<size_t>(img.width()) * 4);
}

}  // namespace qtbackend

void SendInputMethodText(TWindowHandle* h, const String& text)
{
    if (!h->W) return;
    QInputMethodEvent ev;
    ev.setCommitString(qtbackend::QS(text));
    QApplication::sendEvent(h->W, &ev);
}
