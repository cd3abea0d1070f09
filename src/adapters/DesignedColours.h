#pragma once
// The windows were designed on the classic light system colours: dark text on light faces,
// white page and edit backgrounds. A desktop with a dark theme hands every application its own
// palette, which would turn the game's labels white on its light pictures. The game's windows
// take these colours instead, whatever palette, style or platform theme the desktop has; the
// message boxes and the font dialog are the system's and keep the desktop's colours.

#include <QColor>
#include <QPalette>

class QWidget;

namespace harvesta::platform {

// The designed colours for every role and colour group, all of them set, so nothing of the
// application's palette shows through.
QPalette DesignedPalette();

// Gives `window` the designed colours, with `face` as its window colour; its controls inherit
// them. A later change of the desktop's palette leaves the window as it is.
void UseDesignedColours(QWidget& window, QColor face);

} // namespace harvesta::platform
