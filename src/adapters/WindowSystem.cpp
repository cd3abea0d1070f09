#include "adapters/WindowSystem.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
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

// The control that had the keyboard in `window`, or its first control in tab order when
// none has it any more (hiding a window takes the focus from it).
QWidget* keyboardOwner(QWidget& window) {
    if (QWidget* focus = window.focusWidget()) return focus;
    for (QWidget* w = window.nextInFocusChain(); w && w != &window; w = w->nextInFocusChain())
        if (w->window() == &window && (w->focusPolicy() & Qt::TabFocus) && w->isEnabled() &&
            w->isVisibleTo(&window))
            return w;
    return nullptr;
}

// Watches every window of the application for the three moments KeepSecondaryWindowsOver
// names; a child of the main window, so it goes with it.
class SecondaryWindowKeeper : public QObject {
  public:
    explicit SecondaryWindowKeeper(QWidget& mainWindow) : QObject(&mainWindow), main_(mainWindow) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType()) return false;
        auto* widget = static_cast<QWidget*>(watched);
        if (!widget->isWindow()) return false;
        switch (event->type()) {
        case QEvent::Show:
            if (widget != &main_ && widget->parentWidget() &&
                widget->parentWidget()->window() == &main_ && widget->windowHandle() &&
                main_.windowHandle() && !widget->windowHandle()->transientParent())
                widget->windowHandle()->setTransientParent(main_.windowHandle());
            break;
        case QEvent::WindowActivate:
            if (QWidget* modal = QApplication::activeModalWidget();
                widget == &main_ && modal && modal != &main_) {
                modal->raise();
                modal->activateWindow();
            } else if (QWidget* focus = keyboardOwner(*widget);
                       focus && QApplication::focusWidget() != focus) {
                focus->setFocus(Qt::ActiveWindowFocusReason);
            }
            break;
        default: break;
        }
        return false;
    }

  private:
    QWidget& main_;
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

void KeepSecondaryWindowsOver(QWidget& mainWindow) {
    if (!qApp) return;
    qApp->installEventFilter(new SecondaryWindowKeeper(mainWindow));
}

void TrackPointerLeavingWindows() {
    if (tracker() || !qApp) return;
    tracker() = new PointerTracker(qApp);
    qApp->installEventFilter(tracker());
}

} // namespace harvesta::platform
