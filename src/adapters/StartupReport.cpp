#include "adapters/StartupReport.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace harvesta::platform {

namespace {

long peakResidentKiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

class FirstFrameWatch : public QObject {
  public:
    FirstFrameWatch(QWidget* surface, bool quit) : QObject(surface), quit_(quit) {}

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Reported once the paint and its flush to the window have finished.
            QTimer::singleShot(0, this, [this] {
                std::printf("first-frame %lld %ld\n", QDateTime::currentMSecsSinceEpoch(),
                            peakResidentKiB());
                std::fflush(stdout);
                if (quit_) QApplication::quit();
            });
        }
        return false;
    }

  private:
    bool quit_;
    bool seen_ = false;
};

} // namespace

void ReportFirstFrameWhenAsked(QWidget* surface) {
    const QByteArray mode = qgetenv("HARVESTA_STARTUP_REPORT");
    if (mode.isEmpty()) return;
    surface->installEventFilter(new FirstFrameWatch(surface, mode == "exit"));
}

} // namespace harvesta::platform
