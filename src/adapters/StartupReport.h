#pragma once
// Start-up measurement: when HARVESTA_STARTUP_REPORT is set, the first time `surface` has been
// painted the process prints one line
//     first-frame <realtime ms since the epoch> <peak resident KiB>
// to standard output; with the value "exit" it then quits. bench/startup.py reads that line.

class QWidget;

namespace harvesta::platform {

void ReportFirstFrameWhenAsked(QWidget* surface);

} // namespace harvesta::platform
