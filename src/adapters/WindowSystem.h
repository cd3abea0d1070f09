#pragma once
// What differs between window systems for the borderless windows. Where a window can place
// itself (X11, Windows) it follows the cursor by its own moves. On Wayland a window can neither
// place itself nor learn where it is: the compositor moves it (QWindow::startSystemMove), and
// the pointer's position is known only while it is over one of the game's windows.

#include "platform/Platform.h"

#include <functional>
#include <optional>

class QWidget;
class QWindow;

namespace harvesta::platform {

// Hands the move of `window` to the window system for the rest of the current press; false
// where the window moves itself (X11, Windows) or the compositor declined. Tests install their
// own mover.
using SystemMover = std::function<bool(QWindow&)>;
bool StartSystemMove(QWindow& window);
SystemMover SetSystemMover(SystemMover mover);
using ScopedSystemMover = ScopedHook<SystemMover, &SetSystemMover>;

// Whether a window's mask cuts away what lies outside it on the screen. Where it does not
// (Wayland, where a mask only bounds where the pointer reaches the window), a shaped window
// shows its shape through see-through pixels instead. Tests force either answer.
bool MaskCutsWindow();
void SetMaskCutsWindowOverride(std::optional<bool> cuts);

// The cursor position for the core's hook. Where the window system reports the pointer only
// over the game's windows (Wayland), a pointer that has left them all is reported far off
// every screen, so nothing takes it for being where it was last seen.
ScreenPoint PointerPosition();

// Keeps the windows the main window opens over it, on every window system: each is made
// transient for the main window when it is shown, so compositors that place windows
// themselves put it over the game; a click on the main window while a modal window is open
// brings that window back to the front; and a window that becomes active again gives the
// keyboard back to the control that had it, so Enter and Escape still reach it. Lives as
// long as the main window.
void KeepSecondaryWindowsOver(QWidget& mainWindow);

// Starts following the pointer in and out of the game's windows; needed where the window
// system reports nothing outside them, harmless elsewhere. InstallQtServices calls it.
void TrackPointerLeavingWindows();

} // namespace harvesta::platform
