#include "adapters/KeyPositions.h"

#include <QKeyEvent>
#include <array>

namespace harvesta::platform {

namespace {

// XKB keycodes of the letter keys, row by row as on a US keyboard: Q to P from 24, A to L
// from 38, Z to M from 52. Old X servers' keycodes agree with these on the letter block.
constexpr int kFirstLetterKeycode = 24;
constexpr std::array<char, 35> kLettersByKeycode{
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 0, 0, 0, 0, // 24..37
    'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 0,   0, 0, 0, 0, // 38..51
    'Z', 'X', 'C', 'V', 'B', 'N', 'M'};                           // 52..58

bool isLatinLetter(int key) {
    return key >= Qt::Key_A && key <= Qt::Key_Z;
}

// The character the layout types on the key: Qt's key code where it is one (the capital of a
// letter), else the event's text.
char32_t typedCharacter(const QKeyEvent& event) {
    const int key = event.key();
    if (key > 0 && key < Qt::Key_Escape) return char32_t(key);
    const QList<uint> text = event.text().toUcs4();
    return text.isEmpty() ? 0 : char32_t(text.first());
}

// A letter of a script other than Latin: Cyrillic, Greek, Hebrew, Arabic, kana … Such a key
// stands where a Latin letter key stands on the layouts of those scripts. Punctuation, digits
// and Latin letters beyond A-Z (İ, ß, é) are keys of their own, with no letter of the game.
bool isNonLatinLetter(char32_t c) {
    if (c == 0 || !QChar::isLetter(c)) return false;
    const QChar::Script script = QChar::script(c);
    return script != QChar::Script_Latin && script != QChar::Script_Common &&
           script != QChar::Script_Inherited && script != QChar::Script_Unknown;
}

} // namespace

NativeKeyCodes NativeKeyCodesOf(const QString& platformName) {
    if (platformName == QLatin1String("xcb") || platformName.startsWith(QLatin1String("wayland")))
        return NativeKeyCodes::XkbKeycode;
    if (platformName == QLatin1String("windows")) return NativeKeyCodes::WindowsVirtualKey;
    return NativeKeyCodes::None;
}

int LatinLetterKey(const QKeyEvent& event, NativeKeyCodes codes) {
    if (isLatinLetter(event.key())) return event.key();
    switch (codes) {
    case NativeKeyCodes::XkbKeycode: {
        if (!isNonLatinLetter(typedCharacter(event))) return 0;
        const auto index = static_cast<qint64>(event.nativeScanCode()) - kFirstLetterKeycode;
        if (index < 0 || index >= static_cast<qint64>(kLettersByKeycode.size())) return 0;
        return kLettersByKeycode[static_cast<std::size_t>(index)];
    }
    case NativeKeyCodes::WindowsVirtualKey: {
        // Virtual-key codes of letters are their capitals' codes.
        const auto code = static_cast<int>(event.nativeVirtualKey());
        return isLatinLetter(code) ? code : 0;
    }
    case NativeKeyCodes::None: break;
    }
    return 0;
}

} // namespace harvesta::platform
