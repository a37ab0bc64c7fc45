#include "platform/input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>

#include "platform/clock.h"

namespace platform {

namespace {

// Keeps the player's input away from the program while a hold runs and
// notes whether a button or key went down.
class HoldFilter : public QObject {
  public:
    bool pressed = false;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::KeyPress:
            case QEvent::NonClientAreaMouseButtonPress:
                pressed = true;
                return true;
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::Wheel:
            case QEvent::ContextMenu:
            case QEvent::NonClientAreaMouseButtonRelease:
            case QEvent::NonClientAreaMouseButtonDblClick:
                return true;
            default:
                return false;
        }
    }
};

}  // namespace

bool HoldUnlessInput(uint32_t ms) {
    QCoreApplication* app = QCoreApplication::instance();
    Clock& clock = CurrentClock();
    const uint32_t start = clock.Now();
    if (!app) {
        WaitMs(ms);
        return false;
    }
    HoldFilter filter;
    app->installEventFilter(&filter);
    while (!filter.pressed) {
        const uint32_t now = clock.Now();
        if (now - start >= ms) break;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        clock.Pause();
    }
    app->removeEventFilter(&filter);
    return filter.pressed;
}

}  // namespace platform
