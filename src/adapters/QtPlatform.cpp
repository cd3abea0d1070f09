#include "adapters/QtPlatform.h"

#include "adapters/Translation.h"
#include "adapters/WindowSystem.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <utility>

namespace harvesta::platform {

namespace {

std::optional<int>& screenWidthOverride() {
    static std::optional<int> width;
    return width;
}
std::optional<ScreenArea>& screenAreaOverride() {
    static std::optional<ScreenArea> area;
    return area;
}
UrlOpener& urlOpener() {
    static UrlOpener opener;
    return opener;
}
ModalRunner& modalRunner() {
    static ModalRunner runner;
    return runner;
}
FontChooser& fontChooser() {
    static FontChooser chooser;
    return chooser;
}

MessageAnswer showQtMessage(const MessageRequest& untranslated) {
    const MessageRequest request = TranslatedMessage(untranslated);
    QMessageBox box(QApplication::activeWindow());
    box.setText(QString::fromStdString(request.text));
    box.setWindowTitle(QString::fromStdString(request.caption));
    switch (request.icon) {
    case MessageIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MessageIcon::Error: box.setIcon(QMessageBox::Critical); break;
    }
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return ShowModal(box) == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    ShowModal(box);
    return MessageAnswer::Ok;
}

} // namespace

void InstallQtServices() {
    SetMessageHandler(&showQtMessage);
    SetCursorProvider(&PointerPosition);
    // Wayland tells where the pointer is only while it is over one of the game's windows.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        TrackPointerLeavingWindows();
}

int PrimaryScreenWidth() {
    return PrimaryScreenArea().width;
}

ScreenArea PrimaryScreenArea() {
    if (screenAreaOverride()) return *screenAreaOverride();
    if (screenWidthOverride())
        return {*screenWidthOverride(), QRect(0, 0, *screenWidthOverride(), 1 << 20)};
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {1024, QRect(0, 0, 1024, 768)};
    return {screen->geometry().width(), screen->availableGeometry()};
}

void SetScreenAreaOverride(std::optional<ScreenArea> area) {
    screenAreaOverride() = area;
}

void SetScreenWidthOverride(std::optional<int> width) {
    screenWidthOverride() = width;
}

void OpenUrl(const QUrl& url) {
    if (auto& opener = urlOpener()) return opener(url);
    QDesktopServices::openUrl(url);
}

UrlOpener SetUrlOpener(UrlOpener opener) {
    return std::exchange(urlOpener(), std::move(opener));
}

int ShowModal(QDialog& dialog) {
    if (auto& runner = modalRunner()) return runner(dialog);
    return dialog.exec();
}

ModalRunner SetModalRunner(ModalRunner runner) {
    return std::exchange(modalRunner(), std::move(runner));
}

std::optional<QFont> ChooseFont(const QFont& initial, QWidget* parent) {
    if (auto& chooser = fontChooser()) return chooser(initial, parent);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, parent);
    if (!ok) return std::nullopt;
    return font;
}

FontChooser SetFontChooser(FontChooser chooser) {
    return std::exchange(fontChooser(), std::move(chooser));
}

} // namespace harvesta::platform
