// The game on a real window system, built as the program builds it: a game played to its end
// brings the record window, which is dragged and closed by its close button; the about window
// likewise. Both stand over the main window, so compositors that place windows themselves put
// them over the game. The window system must not report an operation it does not support. Runs
// through tests/desktop/with-display.sh, on Wayland (Weston's headless back end) and on X11 (Xvfb).

#include "adapters/DesignedFonts.h"
#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "results/scores.h"
#include "windows/Help_module.h"
#include "windows/Unit1.h"
#include "windows/shwInfo.h"

#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>
#include <QtTest>

using namespace harvesta;

namespace {

QStringList& warnings() {
    static QStringList list;
    return list;
}
QtMessageHandler previousHandler = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg || type == QtCriticalMsg) warnings() << text;
    if (previousHandler) previousHandler(type, context, text);
}

// What a window system says when it cannot do what was asked of it.
const QRegularExpression kUnsupported("not support|unsupported|not possible|not implemented",
                                      QRegularExpression::CaseInsensitiveOption);

// Once `window` is on screen, drags it by a free spot and closes it by its close button, as a
// player would; gives up after ten seconds so the test cannot hang in the modal loop.
class Player : public QObject {
  public:
    explicit Player(TLayeredForm* window) : window_(window) {
        connect(&poll_, &QTimer::timeout, this, [this] { Play(); });
        poll_.start(20);
    }
    bool Shown = false;
    QString Title;
    QWindow* Owner = nullptr; // the window it stands over

  private:
    void Play() {
        if (!window_ || !window_->isVisible()) return;
        if (++polls_ > 500) {
            window_->close();
            return;
        }
        if (!window_->windowHandle() || !window_->windowHandle()->isExposed()) return;
        Shown = true;
        Owner = window_->windowHandle()->transientParent();
        if (const auto* title = window_->findChild<QLabel*>("lblTitle")) Title = title->text();
        window_->FormMouseDown(Qt::LeftButton, Qt::LeftButton, {20, 60});
        window_->FormMouseMove(Qt::LeftButton, {40, 70});
        window_->FormMouseUp(Qt::LeftButton, Qt::NoButton, {40, 70});
        const QPoint close(window_->width() - 34 + 12, 11 + 12);
        window_->FormMouseMove(Qt::NoButton, close); // QTest::mouseMove would warp the cursor
        QTest::mouseClick(window_, Qt::LeftButton, {}, close);
        poll_.stop();
    }

    QPointer<TLayeredForm> window_;
    QTimer poll_;
    int polls_ = 0;
};

} // namespace

class SessionTest : public QObject {
    Q_OBJECT

    QTemporaryDir config;
    std::unique_ptr<platform::ScopedMessageHandler> messages;
    std::vector<std::string> messageTexts;

  private slots:
    void initTestCase() {
        const QString platform = QGuiApplication::platformName();
        if (platform != "xcb" && !platform.startsWith("wayland"))
            QFAIL("needs a window system: run it through tests/desktop/with-display.sh");
        previousHandler = qInstallMessageHandler(collectWarnings);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        platform::InstallQtServices();
        platform::InstallDesignedFonts();
        messages = std::make_unique<platform::ScopedMessageHandler>(
            [this](const platform::MessageRequest& r) {
                messageTexts.push_back(r.text);
                return platform::MessageAnswer::No;
            });
    }

    void aGameRunsToItsEndAndTheRecordWindowOpensAndCloses() {
        THarvestaForm form;
        auto* about = new TfrmAbout(&form);
        auto* scores = new TfrmScores(&form);
        form.SetWindows(new TForm1(&form), about, scores, new ThlpForm(&form));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QTest::keyClick(&form, Qt::Key_S);
        QCOMPARE(form.GameState(), gsPlaying);
        // An empty store: whatever the game yields is a record.
        Player player(scores);
        for (int tick = 0; tick < 5000 && form.GameState() == gsPlaying; ++tick)
            form.harvestaTimerTimer();
        QCOMPARE(form.GameState(), gsGameOver);
        QVERIFY(player.Shown);
        QCOMPARE(player.Owner, form.windowHandle());
        QCOMPARE(player.Title, RecordTitle());
        QVERIFY(!scores->isVisible());
        QCOMPARE(scores->lblTitle->text(), BestScoresTitle());

        Player aboutPlayer(about);
        form.About1->trigger();
        QVERIFY(aboutPlayer.Shown);
        QCOMPARE(aboutPlayer.Owner, form.windowHandle());
        QVERIFY(!about->isVisible());
        QVERIFY2(messageTexts.empty(), messageTexts.empty() ? "" : messageTexts.front().c_str());
    }

    void theWindowSystemSupportedEverythingAsked() {
        const QStringList unsupported = warnings().filter(kUnsupported);
        QVERIFY2(unsupported.isEmpty(), qPrintable(unsupported.join('\n')));
    }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"
