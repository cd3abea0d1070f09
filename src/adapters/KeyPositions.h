#pragma once
// Letter keys by their place on the keyboard. The game's letter commands (S, P) were made for
// virtual-key codes, which name the key, not the letter it types: under a Cyrillic, Greek,
// Hebrew or Arabic layout the key labelled S still gives the code of S. Qt reports the
// letter the active layout types, so a Russian layout turns S into "ы" and the command dies.
// The platform's native codes still say which key it was:
//  - X11 and Wayland: nativeScanCode() is the XKB keycode (the evdev code + 8), the same for a
//    key whatever the layout; the letter keys of the US layout stand for the places.
//  - Windows: nativeVirtualKey() is the virtual-key code the layout gives the key, which is
//    the designed code itself.
// A key whose layout types a Latin letter keeps that letter, so a French or German layout acts
// as it types, as the virtual keys of those layouts do. Only a key that types a letter of
// another script goes by its place; a key that types punctuation or a Latin letter outside
// A-Z (Colemak's ;, Turkish F's İ, ß, é) is no letter key, as such keys get no letter virtual
// key on Windows either.

#include <QString>

class QKeyEvent;

namespace harvesta::platform {

// What a platform puts into a key event's native codes.
enum class NativeKeyCodes {
    None,              // nothing usable: only Latin letters that the layout types count
    XkbKeycode,        // X11, Wayland
    WindowsVirtualKey, // Windows
};

// The kind of native codes of the Qt platform plugin named `platformName`
// (QGuiApplication::platformName()).
NativeKeyCodes NativeKeyCodesOf(const QString& platformName);

// The Latin letter 'A' to 'Z' of the pressed key, or 0 where the key is no letter key.
int LatinLetterKey(const QKeyEvent& event, NativeKeyCodes codes);

} // namespace harvesta::platform
