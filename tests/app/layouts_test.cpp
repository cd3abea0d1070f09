// Real key events from the X server, with the keyboard switched to other layouts: the game's
// letter keys act by their place on the keyboard under non-Latin layouts, by the letter they
// type under Latin ones, and keys that type no letter A-Z of a Latin layout do nothing. Runs on its
// own X server (tests/desktop/with-display.sh x11), which it drives with setxkbmap and xdotool.

#include "adapters/QtPlatform.h"
#include "app/main.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <cstring>

using namespace harvesta;

namespace {

bool run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Presses and releases keys as a keyboard would, through the X server's test extension.
bool press(const QString& keysym) {
    return run("xdotool", {"key", "--clearmodifiers", keysym});
}

// Remembers the last key press the window saw, as the layout reported it, modifiers aside.
class KeyWitness : public QObject {
  public:
    int Key = 0;
    quint32 ScanCode = 0;
    int Presses = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            // The Shift that xdotool holds for a capital is not the key pressed.
            if (key->key() >= Qt::Key_Shift && key->key() <= Qt::Key_ScrollLock) return false;
            Key = key->key();
            ScanCode = key->nativeScanCode();
            ++Presses;
        }
        return false;
    }
};

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::ScopedMessageHandler> messages;
    int questions = 0;
    // The sound key writes the player's choice; it goes to a settings folder of the test's own.
    QTemporaryDir config;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        if (QGuiApplication::platformName() != "xcb")
            QFAIL("needs an X server: run it through tests/desktop/with-display.sh x11");
        messages = std::make_unique<platform::ScopedMessageHandler>(
            [this](const platform::MessageRequest&) {
                ++questions;
                return platform::MessageAnswer::No;
            });
        platform::SetScreenWidthOverride(1280);
    }

    void cleanupTestCase() { run("setxkbmap", {"us"}); }

    void lettersActByTheirPlace_data() {
        QTest::addColumn<QStringList>("layout"); // setxkbmap's arguments
        QTest::addColumn<QString>("sKey");       // the keysym that starts a game there
        QTest::addColumn<quint32>("sPlace");     // the XKB keycode of the key that types it
        QTest::addColumn<QString>("pKey");
        QTest::addColumn<QString>("mKey");
        QTest::addColumn<bool>("latin");
        // A key in a letter key's place that types no letter A-Z: it must do nothing.
        QTest::addColumn<QString>("noKey");
        QTest::addColumn<quint32>("noPlace");
        const quint32 sPlace = 39, pPlace = 33;
        QTest::newRow("Russian") << QStringList{"ru"} << "Cyrillic_yeru" << sPlace << "Cyrillic_ze"
                                 << "Cyrillic_softsign" << false << QString() << 0u;
        QTest::newRow("Greek") << QStringList{"gr"} << "Greek_sigma" << sPlace << "Greek_pi"
                               << "Greek_mu" << false << QString() << 0u;
        QTest::newRow("Hebrew") << QStringList{"il"} << "hebrew_dalet" << sPlace << "hebrew_pe"
                                << "hebrew_zade" << false << QString() << 0u;
        QTest::newRow("US") << QStringList{"us"} << "s" << sPlace << "p" << "m" << true << QString() << 0u;
        // Colemak types S on the key in the place of D and puts ; where P is.
        QTest::newRow("Colemak") << QStringList{"us", "-variant", "colemak"} << "s" << sPlace + 1
                                 << "p" << "m" << true << "semicolon" << pPlace;
        // Turkish F types i and İ on the key in the place of S, and S on the one of M.
        QTest::newRow("Turkish F") << QStringList{"tr", "-variant", "f"} << "s" << 58u << "p"
                                   << "m" << true << "Iabovedot" << sPlace;
    }

    void lettersActByTheirPlace() {
        QFETCH(QStringList, layout);
        QFETCH(QString, sKey);
        QFETCH(quint32, sPlace);
        QFETCH(QString, pKey);
        QFETCH(QString, mKey);
        QFETCH(bool, latin);
        QFETCH(QString, noKey);
        QFETCH(quint32, noPlace);
        QVERIFY2(run("setxkbmap", layout), "setxkbmap failed");

        THarvestaForm form;
        // Installed last, the witness sees the keys before the window's own filter takes them.
        KeyWitness witness;
        qApp->installEventFilter(&witness);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Only the keys move the piece here.
        form.harvestaTimer().setInterval(3600 * 1000);

        // Presses the key that must do nothing and waits until the window has had it.
        const auto pressNothing = [&] {
            const int presses = witness.Presses;
            const int asked = questions;
            const TGameState state = form.GameState();
            QVERIFY(press(noKey));
            QTRY_VERIFY(witness.Presses > presses);
            QCOMPARE(witness.ScanCode, noPlace); // it really is the key in a letter's place
            QCOMPARE(form.GameState(), state);
            QCOMPARE(questions, asked);
        };
        if (!noKey.isEmpty()) pressNothing();
        if (QTest::currentTestFailed()) return;
        QCOMPARE(form.GameState(), gsNotStarted);

        QVERIFY(press(sKey));
        QTRY_COMPARE(form.GameState(), gsPlaying);
        // The layout really typed its own letter, from the key in its place.
        QCOMPARE(witness.ScanCode, sPlace);
        QCOMPARE(witness.Key >= Qt::Key_A && witness.Key <= Qt::Key_Z, latin);

        QVERIFY(press(pKey));
        QTRY_COMPARE(form.GameState(), gsPaused);
        QVERIFY(press(pKey));
        QTRY_COMPARE(form.GameState(), gsPlaying);
        if (!noKey.isEmpty()) pressNothing();
        if (QTest::currentTestFailed()) return;

        QVERIFY(press(mKey));
        QTRY_VERIFY(!form.mnuSound->isChecked());
        QVERIFY(press(mKey));
        QTRY_VERIFY(form.mnuSound->isChecked());

        THarvestaEngine& engine = form.Engine();
        const int x = engine.PosX;
        QVERIFY(press("Left"));
        QTRY_COMPARE(engine.PosX, x - 1);
        QVERIFY(press("Right"));
        QTRY_COMPARE(engine.PosX, x);
        const int y = engine.PosY;
        QVERIFY(press("Down"));
        QTRY_COMPARE(engine.PosY, y + 1);

        // A piece that changes when turned, with room to turn.
        engine.TakePiece();
        engine.SetPieceType(1);
        engine.PosY = 6;
        engine.PutPiece();
        std::uint8_t before[4][4];
        std::memcpy(before, engine.Piece, sizeof before);
        QVERIFY(press("Return"));
        QTRY_VERIFY(std::memcmp(before, engine.Piece, sizeof before) != 0);

        // F4 asks whether to start anew; the answer No keeps the game.
        QVERIFY(press("F4"));
        QTRY_COMPARE(witness.Key, int(Qt::Key_F4));
        QCOMPARE(form.GameState(), gsPlaying);
    }
};

QTEST_MAIN(LayoutsTest)
#include "layouts_test.moc"
