#pragma once
// The start-up after the first frame, and its measurement.
//
// AfterFirstFrame runs start-up work that the first frame need not wait for (building windows
// that are not shown yet) once that frame is on screen, and always before the first input
// event is handled, so no key or click can find the work undone.
//
// When HARVESTA_STARTUP_REPORT is set, the process prints to standard output
//     first-frame <realtime ms since the epoch> <peak resident KiB> <process CPU ms>
// once the first frame has been painted and flushed, then, once the work is done,
//     ready <realtime ms since the epoch> <peak resident KiB> <process CPU ms>
// and with the value "exit" it then quits. bench/startup.py reads those lines.

#include <functional>

class QWidget;

namespace harvesta::platform {

// Runs `work` once: when the event loop is back from the first paint of `surface`, or, if an
// input event comes first, just before that event is delivered.
void AfterFirstFrame(QWidget* surface, std::function<void()> work);

} // namespace harvesta::platform
