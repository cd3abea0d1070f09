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
        QCOMPARE(letterOf(kCyrillicYeru, 24, 0, xkb), int('Q'));
        QCOMPARE(letterOf(kCyrillicYeru, 38, 0, xkb), int('A'));
        QCOMPARE(letterOf(kCyrillicYeru, 46, 0, xkb), int('L'));
        QCOMPARE(letterOf(kCyrillicYeru, 52, 0, xkb), int('Z'));
        QCOMPARE(letterOf(kCyrillicYeru, 58, 0, xkb), int('M'));
    }

    // Russian puts letters on the punctuation keys too; those are no letter keys of the game.
    void keysBesideTheLetterRowsAreNoLetters() {
        const auto xkb = NativeKeyCodes::XkbKeycode;
        QCOMPARE(letterOf(kCyrillicHa, 34, 0x6e8, xkb), 0);
        QCOMPARE(letterOf(kCyrillicZhe, 47, 0x6f6, xkb), 0);
        for (const quint32 keycode : {0u, 9u, 23u, 37u, 51u, 59u, 65u, 0xffffffffu})
            QVERIFY2(letterOf(kCyrillicYeru, keycode, 0, xkb) == 0,
                     qPrintable(QString::number(keycode)));
    }

    // Only a key that types a letter of another script goes by its place. Punctuation and
    // Latin letters outside A-Z in a letter key's place are keys of their own: Colemak and
    // Workman put ; where P is, Turkish F puts İ where S is.
    void onlyLettersOfOtherScriptsGoByTheirPlace_data() {
        QTest::addColumn<int>("qtKey");
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint32>("keycode");
        QTest::addColumn<int>("letter");
        QTest::newRow("Colemak ;") << int(Qt::Key_Semicolon) << ";" << 33u << 0;
        QTest::newRow("Turkish F İ") << 0x130 << "İ" << 39u << 0;
        QTest::newRow("German ß") << 0xDF << "ß" << 33u << 0;
        QTest::newRow("French é") << 0xC9 << "é" << 39u << 0;
        QTest::newRow("digit") << int(Qt::Key_1) << "1" << 38u << 0;
        QTest::newRow("no character") << int(Qt::Key_unknown) << "" << 39u << 0;
        QTest::newRow("dead key") << int(Qt::Key_Dead_Acute) << "" << 39u << 0;
        QTest::newRow("Cyrillic") << kCyrillicYeru << "ы" << 39u << int('S');
        QTest::newRow("Greek") << kGreekSigma << "σ" << 39u << int('S');
        QTest::newRow("Hebrew") << 0x5E4 << "פ" << 33u << int('P');
        QTest::newRow("Arabic") << 0x633 << "س" << 39u << int('S');
        QTest::newRow("Armenian") << 0x54D << "ս" << 39u << int('S');
        QTest::newRow("kana") << 0x30C8 << "と" << 39u << int('S');
        QTest::newRow("only the text") << int(Qt::Key_unknown) << "ы" << 39u << int('S');
    }

    void onlyLettersOfOtherScriptsGoByTheirPlace() {
        QFETCH(int, qtKey);
        QFETCH(QString, text);
        QFETCH(quint32, keycode);
        QFETCH(int, letter);
        const QKeyEvent event(QEvent::KeyPress, qtKey, Qt::NoModifier, keycode, 0, 0, text);
        QCOMPARE(LatinLetterKey(event, NativeKeyCodes::XkbKeycode), letter);
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
