#include "adapters/WindowSystem.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWindow>
#include <utility>

namespace harvesta::platform {

namespace {

bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

std::optional<bool>& maskCutsOverride() {
    static std::optional<bool> cuts;
    return cuts;
}

SystemMover& systemMover() {
    static SystemMover mover;
    return mover;
}

// Far off every screen, yet far from overflowing when a window's place is taken off it.
constexpr int kNowhere = -(1 << 24);

// Sees the pointer enter and leave the game's top-level windows. Moving from one window to
// another brings the leave first, so "outside" ends up false.
class PointerTracker : public QObject {
  public:
    using QObject::QObject;
    bool Outside = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched->isWindowType()) {
            switch (event->type()) {
            case QEvent::Leave: Outside = true; break;
            case QEvent::Enter:
            case QEvent::MouseMove:
            case QEvent::MouseButtonPress: Outside = false; break;
            default: break;
            }
        }
        return false;
    }
};

QPointer<PointerTracker>& tracker() {
    static QPointer<PointerTracker> instance;
    return instance;
}

} // namespace

bool StartSystemMove(QWindow& window) {
    if (auto& mover = systemMover()) return mover(window);
    return onWayland() && window.startSystemMove();
}

SystemMover SetSystemMover(SystemMover mover) {
    return std::exchange(systemMover(), std::move(mover));
}

bool MaskCutsWindow() {
    if (maskCutsOverride()) return *maskCutsOverride();
    return !onWayland();
}

void SetMaskCutsWindowOverride(std::optional<bool> cuts) {
    maskCutsOverride() = cuts;
}

ScreenPoint PointerPosition() {
    if (tracker() && tracker()->Outside) return {kNowhere, kNowhere};
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

void TrackPointerLeavingWindows() {
    if (tracker() || !qApp) return;
    tracker() = new PointerTracker(qApp);
    qApp->installEventFilter(tracker());
}

} // namespace harvesta::platform
