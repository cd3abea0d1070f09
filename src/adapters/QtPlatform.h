#pragma once
// The Qt side of the platform layer: real message boxes, the screen, the cursor, the
// browser and the font dialog. Each service has an override that tests install, so no
// test opens a real dialog or browser.

#include "platform/Platform.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace harvesta::platform {

// Installs the Qt implementations of the core hooks (message boxes, cursor position).
// Called once by the application at start-up; tests install their own hooks instead.
void InstallQtServices();

// Width of the primary screen in device-independent pixels.
int PrimaryScreenWidth();
// Makes PrimaryScreenWidth answer a fixed value (tests, screenshots); nullopt restores it.
// The screen is then taken to be tall enough for any window, unless an area override says
// otherwise.
void SetScreenWidthOverride(std::optional<int> width);

// The primary screen as the main window's layout sees it, in device-independent pixels: its
// width, and the area windows may take, without panels and docks.
struct ScreenArea {
    int width = 0;
    QRect available;
};
ScreenArea PrimaryScreenArea();
// Makes PrimaryScreenArea (and PrimaryScreenWidth) answer a fixed screen; nullopt restores it.
void SetScreenAreaOverride(std::optional<ScreenArea> area);

// Opens a web address in the user's browser.
using UrlOpener = std::function<void(const QUrl&)>;
void OpenUrl(const QUrl& url);
UrlOpener SetUrlOpener(UrlOpener opener);

// Runs the font dialog starting at `initial`; nullopt when the user cancels.
using FontChooser = std::function<std::optional<QFont>(const QFont& initial, QWidget* parent)>;
std::optional<QFont> ChooseFont(const QFont& initial, QWidget* parent);
FontChooser SetFontChooser(FontChooser chooser);

// Shows a window modally and returns when it is closed. Tests install a runner that shows
// the window, does what the test needs and closes it, so no test waits in a nested loop.
using ModalRunner = std::function<int(QDialog&)>;
int ShowModal(QDialog& dialog);
ModalRunner SetModalRunner(ModalRunner runner);

using ScopedModalRunner = ScopedHook<ModalRunner, &SetModalRunner>;
using ScopedUrlOpener = ScopedHook<UrlOpener, &SetUrlOpener>;
using ScopedFontChooser = ScopedHook<FontChooser, &SetFontChooser>;

} // namespace harvesta::platform
