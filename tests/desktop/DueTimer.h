#pragma once
// Makes a running timer fall due now: its own timer event, as the event loop sends it when the
// interval ends, so a test sees what the timer drives without waiting for it.

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>

namespace harvesta::checks {

// False when the timer is not running: nothing would fall due.
inline bool FallDue(QTimer& timer) {
    if (!timer.isActive()) return false;
    QTimerEvent due(timer.timerId());
    QCoreApplication::sendEvent(&timer, &due);
    return true;
}

} // namespace harvesta::checks
