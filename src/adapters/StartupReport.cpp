#include "adapters/StartupReport.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <utility>

namespace harvesta::platform {

namespace {

long peakResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void report(const char* what) {
    const double cpuMs = 1000.0 * double(std::clock()) / CLOCKS_PER_SEC;
    std::printf("%s %lld %ld %.2f\n", what, QDateTime::currentMSecsSinceEpoch(), peakResidentKiB(),
                cpuMs);
    std::fflush(stdout);
}

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::ContextMenu:
    case QEvent::InputMethod: return true;
    default: return false;
    }
}

// Watches the surface for its first paint and the application for its first input event.
class FirstFrameWatch : public QObject {
  public:
    FirstFrameWatch(QWidget* surface, std::function<void()> work)
        : QObject(surface), surface_(surface), work_(std::move(work)),
          mode_(qgetenv("HARVESTA_STARTUP_REPORT")) {
        surface->installEventFilter(this);
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == surface_ && event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            surface_->removeEventFilter(this);
            // Queued, so it runs once the paint and its flush to the window have finished.
            QTimer::singleShot(0, this, [this] {
                if (!mode_.isEmpty()) report("first-frame");
                run();
            });
        } else if (isInput(event->type())) {
            run();
        }
        return false;
    }

  private:
    void run() {
        if (done_) return;
        done_ = true;
        qApp->removeEventFilter(this);
        if (work_) std::exchange(work_, nullptr)();
        if (!mode_.isEmpty()) {
            report("ready");
            if (mode_ == "exit") QApplication::quit();
        }
    }

    QWidget* surface_;
    std::function<void()> work_;
    QByteArray mode_;
    bool painted_ = false;
    bool done_ = false;
};

} // namespace

void AfterFirstFrame(QWidget* surface, std::function<void()> work) {
    new FirstFrameWatch(surface, std::move(work));
}

} // namespace harvesta::platform
