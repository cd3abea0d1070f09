// Real key events from the X server, with the keyboard switched to non-Latin layouts: the
// game's letter keys act by their place on the keyboard. Runs on its own X server
// (tests/desktop/with-display.sh x11), which it drives with setxkbmap and xdotool.

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

// Remembers the last key press the window saw, as the layout reported it.
class KeyWitness : public QObject {
  public:
    int Key = 0;
    quint32 ScanCode = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            Key = key->key();
            ScanCode = key->nativeScanCode();
        }
        return false;
    }
};

} // namespace

class LayoutsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<platform::ScopedMessageHandler> messages;
    // The sound key writes the player's choice; it goes to a settings folder of the test's own.
    QTemporaryDir config;

  private slots:
    void initTestCase() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        if (QGuiApplication::platformName() != "xcb")
            QFAIL("needs an X server: run it through tests/desktop/with-display.sh x11");
        messages = std::make_unique<platform::ScopedMessageHandler>(
            [](const platform::MessageRequest&) { return platform::MessageAnswer::No; });
        platform::SetScreenWidthOverride(1280);
    }

    void cleanupTestCase() { run("setxkbmap", {"us"}); }

    void lettersActByTheirPlace_data() {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("sKey"); // what the key in the place of S types there
        QTest::addColumn<QString>("pKey");
        QTest::addColumn<QString>("mKey");
        QTest::addColumn<bool>("latin");
        QTest::newRow("Russian") << "ru"
                                 << "Cyrillic_yeru"
                                 << "Cyrillic_ze"
                                 << "Cyrillic_softsign" << false;
        QTest::newRow("Greek") << "gr"
                               << "Greek_sigma"
                               << "Greek_pi"
                               << "Greek_mu" << false;
        QTest::newRow("Hebrew") << "il"
                                << "hebrew_dalet"
                                << "hebrew_pe"
                                << "hebrew_zade" << false;
        QTest::newRow("US") << "us"
                            << "s"
                            << "p"
                            << "m" << true;
    }

    void lettersActByTheirPlace() {
        QFETCH(QString, layout);
        QFETCH(QString, sKey);
        QFETCH(QString, pKey);
        QFETCH(QString, mKey);
        QFETCH(bool, latin);
        QVERIFY2(run("setxkbmap", {layout}), "setxkbmap failed");

        THarvestaForm form;
        // Installed last, the witness sees the keys before the window's own filter takes them.
        KeyWitness witness;
        qApp->installEventFilter(&witness);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        // Only the keys move the piece here.
        form.harvestaTimer().setInterval(3600 * 1000);

        QVERIFY(press(sKey));
        QTRY_COMPARE(form.GameState(), gsPlaying);
        // The layout really typed its own letter, from the key in the place of S.
        QCOMPARE(witness.ScanCode, 39u);
        QCOMPARE(witness.Key >= Qt::Key_A && witness.Key <= Qt::Key_Z, latin);

        QVERIFY(press(pKey));
        QTRY_COMPARE(form.GameState(), gsPaused);
        QVERIFY(press(pKey));
        QTRY_COMPARE(form.GameState(), gsPlaying);

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
