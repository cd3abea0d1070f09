// Letter keys by their place on the keyboard: key events as X11, Wayland and Windows deliver
// them under non-Latin and non-US layouts.

#include "adapters/KeyPositions.h"

#include <QKeyEvent>
#include <QtTest>

using namespace harvesta::platform;

namespace {

// A key press as the platform reports it: the key the layout types, the XKB keycode and the
// layout's keysym or virtual key.
int letterOf(int qtKey, quint32 scanCode, quint32 virtualKey, NativeKeyCodes codes) {
    const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier, scanCode, virtualKey, 0);
    return LatinLetterKey(event, codes);
}

// Cyrillic and Greek capitals as Qt reports them.
constexpr int kCyrillicYeru = 0x42B; // the S key of the Russian layout
constexpr int kCyrillicZe = 0x417;   // the P key
constexpr int kGreekSigma = 0x3A3;   // the S key of the Greek layout
constexpr int kCyrillicZhe = 0x416;  // the ; key of the Russian layout
constexpr int kCyrillicHa = 0x425;   // the [ key, right of P

} // namespace

class KeysTest : public QObject {
    Q_OBJECT

  private slots:
    void xkbKeycodesNameTheLetterKeyUnderAnyLayout() {
        const auto xkb = NativeKeyCodes::XkbKeycode;
        QCOMPARE(letterOf(kCyrillicYeru, 39, 0x6fb, xkb), int('S'));
        QCOMPARE(letterOf(kCyrillicZe, 33, 0x6da, xkb), int('P'));
        QCOMPARE(letterOf(kGreekSigma, 39, 0x7f2, xkb), int('S'));
        // The ends of the three letter rows.
        QCOMPARE(letterOf(0, 24, 0, xkb), int('Q'));
        QCOMPARE(letterOf(0, 38, 0, xkb), int('A'));
        QCOMPARE(letterOf(0, 46, 0, xkb), int('L'));
        QCOMPARE(letterOf(0, 52, 0, xkb), int('Z'));
        QCOMPARE(letterOf(0, 58, 0, xkb), int('M'));
    }

    // Russian puts letters on the punctuation keys too; those are no letter keys of the game.
    void keysBesideTheLetterRowsAreNoLetters() {
        const auto xkb = NativeKeyCodes::XkbKeycode;
        QCOMPARE(letterOf(kCyrillicHa, 34, 0x6e8, xkb), 0);
        QCOMPARE(letterOf(kCyrillicZhe, 47, 0x6f6, xkb), 0);
        for (const quint32 keycode : {0u, 9u, 23u, 37u, 51u, 59u, 65u, 0xffffffffu})
            QVERIFY2(letterOf(Qt::Key_unknown, keycode, 0, xkb) == 0,
                     qPrintable(QString::number(keycode)));
    }

    // French: the key in the place of Q types A and acts as A, as its virtual key does.
    void aLatinLetterTheLayoutTypesWins() {
        QCOMPARE(letterOf(Qt::Key_A, 24, 'a', NativeKeyCodes::XkbKeycode), int('A'));
        QCOMPARE(letterOf(Qt::Key_P, 0, 0, NativeKeyCodes::None), int('P'));
    }

    void windowsVirtualKeysAreTheDesignedCodes() {
        const auto windows = NativeKeyCodes::WindowsVirtualKey;
        QCOMPARE(letterOf(kCyrillicYeru, 0x1f, 'S', windows), int('S'));
        QCOMPARE(letterOf(kCyrillicZhe, 0x27, 0xBA, windows), 0); // VK_OEM_1
        // A scan code means nothing there.
        QCOMPARE(letterOf(kCyrillicYeru, 39, 0, windows), 0);
    }

    void withoutNativeCodesOnlyTypedLettersCount() {
        QCOMPARE(letterOf(kCyrillicYeru, 39, 'S', NativeKeyCodes::None), 0);
    }

    void platformsByTheirPluginNames() {
        QCOMPARE(NativeKeyCodesOf("xcb"), NativeKeyCodes::XkbKeycode);
        QCOMPARE(NativeKeyCodesOf("wayland"), NativeKeyCodes::XkbKeycode);
        QCOMPARE(NativeKeyCodesOf("wayland-egl"), NativeKeyCodes::XkbKeycode);
        QCOMPARE(NativeKeyCodesOf("windows"), NativeKeyCodes::WindowsVirtualKey);
        QCOMPARE(NativeKeyCodesOf("offscreen"), NativeKeyCodes::None);
    }
};

QTEST_MAIN(KeysTest)
#include "keys_test.moc"
