// How often the game wakes up while it waits: the real main window with its game controllers
// started, before a game or while paused, with or without a pad plugged in (an SDL virtual
// joystick, so no device is needed). Counts the voluntary context switches of all the
// process's threads over a stretch of idle time.
//
//     harvesta_pad_wakeups [waiting|paused] [pad|nopad|off] [SECONDS]
//
// "off" leaves the game controllers unstarted, as the game was without them.
//
// Run it on a display of its own (xvfb-run -a) or QT_QPA_PLATFORM=offscreen.

#include "app/main.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <cstdio>

#define SDL_MAIN_HANDLED
#include <SDL.h>

namespace {

long contextSwitches(int* threads) {
    long total = 0;
    *threads = 0;
    const QDir tasks("/proc/self/task");
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task + "/status"));
        if (!status.open(QIODevice::ReadOnly)) continue;
        ++*threads;
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("voluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
    }
    return total;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList args = QApplication::arguments();
    const bool paused = args.size() > 1 && args[1] == "paused";
    const bool pad = args.size() > 2 && args[2] == "pad";
    const int seconds = args.size() > 3 ? args[3].toInt() : 10;

    harvesta::THarvestaForm form;
    form.show();
    QElapsedTimer started;
    started.start();
    if (!(args.size() > 2 && args[2] == "off")) form.StartGamePads();
    const qint64 startNs = started.nsecsElapsed();
    SDL_Joystick* joystick = nullptr;
    if (pad) {
        SDL_VirtualJoystickDesc desc;
        SDL_zero(desc);
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "Virtual pad";
        joystick = SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
    }
    if (paused) {
        form.mnuStartGame->trigger();
        form.mnuPause->trigger();
    }
    long start = 0;
    int threads = 0;
    // Settles first: the first frame, the pad found.
    QTimer::singleShot(3000, [&] { start = contextSwitches(&threads); });
    QTimer::singleShot(3000 + seconds * 1000, [&] {
        int threadsNow = 0;
        const long switches = contextSwitches(&threadsNow) - start;
        std::printf("%s, %s: %ld wake-ups in %d s (%.2f a second), %d threads, %d pads; "
                    "controllers started in %.1f ms\n",
                    paused ? "paused" : "before a game", pad ? "virtual pad" : "no pad", switches,
                    seconds, double(switches) / seconds, threadsNow,
                    form.GamePads() ? form.GamePads()->PadCount() : 0, startNs / 1e6);
        if (joystick) SDL_JoystickClose(joystick);
        QApplication::quit();
    });
    return QApplication::exec();
}
