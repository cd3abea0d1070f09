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
