// The main window driven as a player would: menu items, keys and timer ticks, with the
// message box and modal windows answered by the test.

#include "FieldSetups.h"
#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "assets/ResourceStore.h"
#include "desktop/PaintCounter.h"
#include "results/scores.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <cstdlib>
#include <cstring>

using namespace harvesta;

namespace {

// Records the window's own message boxes; picture loading errors (the artwork may be absent
// in a partial build) are answered but not recorded.
struct MessageLog {
    std::vector<platform::MessageRequest> requests;
    platform::MessageAnswer answer = platform::MessageAnswer::Yes;
    platform::MessageHandler handler() {
        return [this](const platform::MessageRequest& r) {
            if (r.caption != "Error") requests.push_back(r);
            return answer;
        };
    }
};

// Places the falling piece so that it rests on the floor, on an otherwise empty field.
void restPieceOnFloor(THarvestaEngine& e) {
    fields::ClearField(e);
    int lowest = 1;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            if (e.Piece[i][j]) lowest = std::max(lowest, j);
    e.PosY = 17 - lowest + 1;
    e.PutPiece();
}

// Buries the falling piece in a stack that leaves no room for the next one; the next tick
// ends the game. Column 2 stays empty, so no row is full.
void buryPiece(THarvestaEngine& e) {
    e.TakePiece();
    for (int c = 3; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            e.Field[c][r] = fkPear;
    e.PutPiece();
}

void endTheGame(THarvestaForm& form) {
    buryPiece(form.Engine());
    form.harvestaTimerTimer();
    QCOMPARE(form.GameState(), gsGameOver);
}

int yieldLabelSum(THarvestaForm& form) {
    int sum = 0;
    for (int k = 1; k <= 10; ++k)
        sum += form.YieldLabel(k)->text().toInt();
    return sum;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    MessageLog log;
    std::unique_ptr<platform::ScopedMessageHandler> messages;
    std::unique_ptr<platform::ScopedModalRunner> modal;
    std::vector<QDialog*> modalShown;
    std::function<void()> whileModal;

  private slots:
    void init() {
        log = {};
        messages = std::make_unique<platform::ScopedMessageHandler>(log.handler());
        modalShown.clear();
        whileModal = nullptr;
        modal = std::make_unique<platform::ScopedModalRunner>([this](QDialog& d) {
            modalShown.push_back(&d);
            if (whileModal) whileModal();
            return 0;
        });
        platform::SetScreenWidthOverride(1280);
        RandomizeGame(99);
    }
    void cleanup() {
        modal.reset();
        messages.reset();
        platform::SetScreenWidthOverride(std::nullopt);
        platform::SetScreenAreaOverride(std::nullopt);
    }

    // The scale follows the screen's width, then steps down while the whole window, with its
    // frame and menu, would not fit the area panels and docks leave free. The frames are a
    // GNOME title bar (37) and a KDE one (30) with its borders, each over a 22-pixel menu bar.
    void scaleFitsTheScreen_data() {
        QTest::addColumn<int>("screenWidth");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<QSize>("nonClient");
        QTest::addColumn<double>("scale");
        const QSize gnome(0, 37 + 22), kde(8, 30 + 22 + 4);
        QTest::newRow("1920x1080, GNOME") << 1920 << QSize(1920, 1048) << gnome << 1.0;
        QTest::newRow("1280x1024, KDE") << 1280 << QSize(1280, 980) << kde << 1.0;
        QTest::newRow("1366x768, GNOME") << 1366 << QSize(1366, 736) << gnome << 1.4;
        QTest::newRow("1366x768, KDE") << 1366 << QSize(1366, 724) << kde << 1.4;
        QTest::newRow("1280x720, GNOME") << 1280 << QSize(1280, 688) << gnome << 1.4;
        QTest::newRow("1280x800, GNOME") << 1280 << QSize(1280, 768) << gnome << 1.2;
        QTest::newRow("1280x800, KDE") << 1280 << QSize(1280, 756) << kde << 1.4;
        QTest::newRow("1024x768, GNOME") << 1024 << QSize(1024, 736) << gnome << 1.4;
        QTest::newRow("1080x1920 upright") << 1080 << QSize(1080, 1888) << gnome << 1.0;
        QTest::newRow("851 wide, tall") << 851 << QSize(851, 2000) << gnome << 1.0;
        QTest::newRow("850 wide, tall") << 850 << QSize(850, 2000) << gnome << 1.2;
        QTest::newRow("769 wide, tall") << 769 << QSize(769, 2000) << gnome << 1.2;
        QTest::newRow("768 wide, tall") << 768 << QSize(768, 2000) << gnome << 1.4;
        QTest::newRow("768x1024, KDE") << 768 << QSize(768, 980) << kde << 1.4;
        QTest::newRow("800x600: nothing fits") << 800 << QSize(800, 568) << gnome << 1.4;
    }
    void scaleFitsTheScreen() {
        QFETCH(int, screenWidth);
        QFETCH(QSize, available);
        QFETCH(QSize, nonClient);
        QFETCH(double, scale);
        const double chosen = THarvestaForm::ScaleForScreen(screenWidth, available, nonClient);
        QCOMPARE(chosen, scale);
        const auto fits = [&](double s) {
            const QSize outer = THarvestaForm::ClientSizeForScale(s) + nonClient;
            return outer.width() <= available.width() && outer.height() <= available.height();
        };
        // Whole, unless even the smallest picture overflows; and no larger than needed.
        if (chosen < 1.4) QVERIFY(fits(chosen));
        if (chosen > THarvestaForm::ScaleForScreenWidth(screenWidth))
            QVERIFY(!fits(chosen == 1.4 ? 1.2 : 1.0));
    }

    // The main window asks the screen it opens on, and learns its frame once it is shown: a
    // window that turns out too tall takes the next smaller scale, board pictures and all.
    void theMainWindowOpensWholeOnASmallScreen() {
        platform::SetScreenAreaOverride(platform::ScreenArea{1366, QRect(0, 32, 1366, 736)});
        {
            THarvestaForm form;
            QCOMPARE(form.Scale(), 1.4);
        }
        platform::SetScreenAreaOverride(platform::ScreenArea{1920, QRect(0, 0, 1920, 1040)});
        THarvestaForm form;
        form.show();
        QCOMPARE(form.Scale(), 1.0);
        platform::SetScreenAreaOverride(platform::ScreenArea{1920, QRect(0, 0, 1920, 800)});
        form.move(form.pos() + QPoint(1, 1)); // as a frame arriving after the first show
        platform::SetScreenAreaOverride(std::nullopt);
        QCOMPARE(form.Scale(), 1.2);
        QVERIFY(form.frameGeometry().height() <= 800);
        // Centred again at its smaller size, not left where the larger window stood.
        const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(std::abs(form.frameGeometry().center().x() - desk.center().x()) <= 1);
        QVERIFY(std::abs(form.frameGeometry().center().y() - desk.center().y()) <= 1);
        QCOMPARE(form.BoardPicture().Picture.Width, (form.pbMain->width() + 3) / 4 * 4);
        QVERIFY(form.BoardImages().At(form.BoardImageIndex(0))->Width <
                THarvestaForm::ClientSizeForScale(1.0).width() / 9);
    }

    void boardAndClientSizesPerScale_data() {
        QTest::addColumn<int>("screen");
        QTest::addColumn<int>("boardWidth");
        QTest::addColumn<int>("boardHeight");
        QTest::addColumn<QSize>("client");
        QTest::newRow("1.0") << 1280 << 480 << 845 << QSize(814, 848);
        QTest::newRow("1.2") << 800 << 400 << 701 << QSize(734, 704);
        QTest::newRow("1.4") << 768 << 342 << 605 << QSize(676, 608);
    }
    void boardAndClientSizesPerScale() {
        QFETCH(int, screen);
        QFETCH(int, boardWidth);
        QFETCH(int, boardHeight);
        QFETCH(QSize, client);
        platform::SetScreenWidthOverride(screen);
        THarvestaForm form;
        QCOMPARE(form.pbMain->geometry(), QRect(1, 1, boardWidth, boardHeight));
        QCOMPARE(form.pnlCommon->size(), client);
    }

    void logoIsCentredBelowTheYieldPanelWhenShown() {
        THarvestaForm form;
        form.show();
        QCOMPARE(form.pnlMiddle->height(), 125);
    }

    void firstStartKeepsTheFirstPieceAndAsksNothing() {
        THarvestaForm form;
        QCOMPARE(form.GameState(), gsNotStarted);
        QVERIFY(!form.mnuPause->isEnabled());
        QCOMPARE(form.mnuStartGame->text(), QString("Start game"));
        const auto before = form.Engine().PosY;
        const auto type = form.Engine().PieceType;
        // The first piece stands in the field, on an otherwise empty board.
        int filled = 0, pieceCells = 0;
        for (int c = 2; c <= 10; ++c)
            for (int r = 2; r <= 17; ++r)
                filled += form.Engine().Field[c][r] != 0;
        for (int i = 1; i <= 3; ++i)
            for (int j = 1; j <= 3; ++j)
                pieceCells += form.Engine().Piece[i][j] != 0;
        QVERIFY(pieceCells >= 3);
        QCOMPARE(filled, pieceCells);
        form.mnuStartGame->trigger();
        QCOMPARE(form.GameState(), gsPlaying);
        QCOMPARE(form.mnuStartGame->text(), QString("New game"));
        QVERIFY(form.mnuPause->isEnabled());
        QVERIFY(form.harvestaTimer().isActive());
        QCOMPARE(form.harvestaTimer().interval(), 1000);
        QCOMPARE(form.Engine().PosY, before);
        QCOMPARE(form.Engine().PieceType, type);
        QVERIFY(log.requests.empty());
    }

    void newGameQuestionFromPlayingAndPaused_data() {
        QTest::addColumn<bool>("paused");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("timerRuns");
        QTest::newRow("playing, yes") << false << true << int(gsPlaying) << true;
        QTest::newRow("playing, no") << false << false << int(gsPlaying) << true;
        QTest::newRow("paused, yes") << true << true << int(gsPlaying) << true;
        QTest::newRow("paused, no") << true << false << int(gsPaused) << false;
    }
    void newGameQuestionFromPlayingAndPaused() {
        QFETCH(bool, paused);
        QFETCH(bool, yes);
        QFETCH(int, state);
        QFETCH(bool, timerRuns);
        THarvestaForm form;
        form.mnuStartGame->trigger();
        for (int i = 0; i < 5; ++i)
            form.harvestaTimerTimer();
        form.harvestaTimer().setInterval(700);
        if (paused) form.mnuPause->trigger();
        bool timerRanDuringQuestion = true;
        log.answer = yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
        platform::ScopedMessageHandler ask([&](const platform::MessageRequest& r) {
            log.requests.push_back(r);
            timerRanDuringQuestion = form.harvestaTimer().isActive();
            return log.answer;
        });
        const int posY = form.Engine().PosY;
        form.mnuStartGame->trigger();

        QCOMPARE(log.requests.size(), size_t(1));
        QCOMPARE(log.requests[0].text, std::string("Are you really want to start new game?"));
        QCOMPARE(log.requests[0].caption, std::string("Harvesta"));
        QCOMPARE(log.requests[0].icon, platform::MessageIcon::Question);
        QCOMPARE(log.requests[0].buttons, platform::MessageButtons::YesNo);
        QVERIFY(!timerRanDuringQuestion);
        QCOMPARE(int(form.GameState()), state);
        QCOMPARE(form.harvestaTimer().isActive(), timerRuns);
        if (yes) {
            QCOMPARE(form.harvestaTimer().interval(), 1000);
            QVERIFY(form.Engine().PosY <= 2);
        } else {
            QCOMPARE(form.Engine().PosY, posY);
        }
        if (paused && !yes) { // one pause command resumes it
            form.mnuPause->trigger();
            QCOMPARE(form.GameState(), gsPlaying);
            QVERIFY(form.harvestaTimer().isActive());
        }
    }

    void pauseTogglesTimerAndIsIgnoredBeforeStartAndAfterGameOver() {
        THarvestaForm form;
        form.FormKeyDown(&form, 80);
        QCOMPARE(form.GameState(), gsNotStarted);
        form.mnuStartGame->trigger();
        form.FormKeyDown(&form, 80);
        QCOMPARE(form.GameState(), gsPaused);
        QVERIFY(!form.harvestaTimer().isActive());
        form.FormKeyDown(&form, 80);
        QCOMPARE(form.GameState(), gsPlaying);
        QVERIFY(form.harvestaTimer().isActive());
    }

    // The codes the key handler knows are the platform's virtual-key codes, which Windows
    // hands over as they are.
    void virtualKeyCodesAreThePlatforms() {
        const int codes[] = {vk::Return, vk::Space, vk::Left, vk::Up, vk::Right,
                             vk::Down,   vk::P,     vk::S,    vk::F1, vk::F4};
        const int designed[] = {13, 32, 37, 38, 39, 40, 80, 83, 112, 115};
        QVERIFY(std::equal(std::begin(codes), std::end(codes), std::begin(designed)));
    }

    void keysMoveAndTurnOnlyWhilePlaying() {
        THarvestaForm form;
        auto& e = form.Engine();
        const int x = e.PosX;
        form.FormKeyDown(&form, 37);
        QCOMPARE(e.PosX, x); // not started
        form.mnuStartGame->trigger();
        form.FormKeyDown(&form, 37);
        QCOMPARE(e.PosX, x - 1);
        form.FormKeyDown(&form, 39);
        form.FormKeyDown(&form, 39);
        QCOMPARE(e.PosX, x + 1);
        form.FormKeyDown(&form, 40);
        form.FormKeyDown(&form, 40);
        QCOMPARE(e.PosY, (e.PieceType == 3 ? 1 : 2) + 2);
        form.mnuPause->trigger();
        form.FormKeyDown(&form, 40);
        QCOMPARE(e.PosY, (e.PieceType == 3 ? 1 : 2) + 2);
    }

    void realKeyEventsReachTheHandlerWhateverHasFocus() {
        THarvestaForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(&form, Qt::Key_S);
        QCOMPARE(form.GameState(), gsPlaying);
        const int x = form.Engine().PosX;
        QTest::keyClick(form.menuBar(), Qt::Key_Left);
        QCOMPARE(form.Engine().PosX, x - 1);
        QTest::keyClick(form.pbMain, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(form.Engine().PosX, x);
        const int y = form.Engine().PosY;
        QTest::keyClick(form.pbMain, Qt::Key_Down);
        QCOMPARE(form.Engine().PosY, y + 1);
        QTest::keyClick(&form, Qt::Key_P);
        QCOMPARE(form.GameState(), gsPaused);
    }

    // Each turning key, pressed as a real key, turns the piece exactly as the engine turns it.
    void turnKeysTurnThePiece_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Up") << int(Qt::Key_Up);
    }
    void turnKeysTurnThePiece() {
        QFETCH(int, key);
        THarvestaForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        e.TakePiece();
        e.SetPieceType(1);
        e.PosY = 6;
        e.PutPiece();
        THarvestaEngine turned = e;
        turned.TakePiece();
        turned.Rotate();
        turned.PutPiece();
        QTest::keyClick(form.menuBar(), Qt::Key(key));
        QVERIFY(std::memcmp(e.Piece, turned.Piece, sizeof e.Piece) == 0);
        QVERIFY(std::memcmp(e.Field, turned.Field, sizeof e.Field) == 0);
        QCOMPARE(e.PosY, 6);
    }

    // The square is turned by leaving it as it is: a real turn would shift it a column.
    void theSquareStaysInPlaceWhenTurned() {
        THarvestaForm form;
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        e.TakePiece();
        e.SetPieceType(5);
        e.PosY = 6;
        e.PutPiece();
        const THarvestaEngine before = e;
        form.FormKeyDown(&form, vk::Up);
        QVERIFY(std::memcmp(e.Field, before.Field, sizeof e.Field) == 0);
    }

    void functionKeysOpenTheManualAndAskForANewGame() {
        THarvestaForm form;
        QDialog manual;
        form.SetWindows(nullptr, nullptr, nullptr, &manual);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(&form, Qt::Key_F4);
        QCOMPARE(form.GameState(), gsPlaying);
        QVERIFY(log.requests.empty());
        QTest::keyClick(form.pbMain, Qt::Key_F1);
        QCOMPARE(modalShown, std::vector<QDialog*>{&manual});
        QCOMPARE(form.GameState(), gsPaused);
        log.answer = platform::MessageAnswer::No;
        QTest::keyClick(form.menuBar(), Qt::Key_F4);
        QCOMPARE(log.requests.size(), size_t(1));
        QCOMPARE(form.GameState(), gsPaused);
        // A key the game does not know leaves everything as it was.
        const THarvestaEngine before = form.Engine();
        QTest::keyClick(&form, Qt::Key_A);
        QTest::keyClick(&form, Qt::Key_Escape);
        QCOMPARE(form.GameState(), gsPaused);
        QCOMPARE(modalShown.size(), size_t(1));
        QVERIFY(std::memcmp(form.Engine().Field, before.Field, sizeof before.Field) == 0);
    }

    void downArrowNeverLandsButTheTimerDoes() {
        THarvestaForm form;
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        restPieceOnFloor(e);
        const int posY = e.PosY;
        const int type = e.PieceType;
        for (int i = 0; i < 3; ++i)
            form.FormKeyDown(&form, 40);
        QCOMPARE(e.PosY, posY);
        QCOMPARE(form.harvestaTimer().interval(), 1000);
        form.harvestaTimerTimer();
        QCOMPARE(form.harvestaTimer().interval(), 997);
        QVERIFY(e.PosY <= 2);
        Q_UNUSED(type);
    }

    void intervalReachesItsLeastValueAtTheLanding234() {
        THarvestaForm form;
        form.mnuStartGame->trigger();
        for (int landing = 1; landing <= 240; ++landing) {
            restPieceOnFloor(form.Engine());
            form.harvestaTimerTimer();
            QCOMPARE(form.GameState(), gsPlaying);
            if (landing == 233) QCOMPARE(form.harvestaTimer().interval(), 301);
            if (landing == 234) QCOMPARE(form.harvestaTimer().interval(), 298);
        }
        QCOMPARE(form.harvestaTimer().interval(), 298);
        form.mnuStartGame->trigger(); // Yes
        QCOMPARE(form.harvestaTimer().interval(), 1000);
    }

    void gameOverRaisesTheEventOnceWithLabelsAlreadyUpdated() {
        THarvestaForm form;
        int raised = 0;
        int labelSumSeen = -1;
        QObject* sender = nullptr;
        form.OnGameOver() = [&](QObject* s) {
            ++raised;
            sender = s;
            labelSumSeen = yieldLabelSum(form);
            QCOMPARE(form.GameState(), gsGameOver);
            QVERIFY(!form.harvestaTimer().isActive());
        };
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        // A full bottom row, removed at the first landing, under a tall stack that is never
        // full (column 2 stays empty and pieces only fall straight down).
        e.TakePiece();
        for (int c = 2; c <= 10; ++c) {
            for (int r = 2; r <= 16; ++r)
                e.Field[c][r] = (c > 2 && r >= 5) ? fkPear : 0;
            e.Field[c][17] = fkLemon;
        }
        e.PutPiece();
        for (int i = 0; i < 500 && form.GameState() == gsPlaying; ++i)
            form.harvestaTimerTimer();
        QCOMPARE(form.GameState(), gsGameOver);
        QCOMPARE(raised, 1);
        QCOMPARE(sender, &form);
        QCOMPARE(labelSumSeen, 9);
        QCOMPARE(yieldLabelSum(form), 9);
        form.mnuPause->trigger(); // nothing after the end
        QCOMPARE(form.GameState(), gsGameOver);
        form.FormKeyDown(&form, 80);
        QCOMPARE(form.GameState(), gsGameOver);

        // A new game after the end starts at once, labels back at 0.
        form.mnuStartGame->trigger();
        QVERIFY(log.requests.empty());
        QCOMPARE(form.GameState(), gsPlaying);
        QCOMPARE(yieldLabelSum(form), 0);
        QCOMPARE(form.harvestaTimer().interval(), 1000);
    }

    // The piece that found no room stays out of the field: the board shows the final stack.
    void theNewPieceIsNotWrittenIntoTheFieldAtGameOver() {
        THarvestaForm form;
        form.OnGameOver() = nullptr;
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        buryPiece(e);
        const THarvestaEngine before = e;
        form.harvestaTimerTimer();
        QCOMPARE(form.GameState(), gsGameOver);
        THarvestaEngine written = e;
        written.PutPiece();
        QVERIFY(std::memcmp(written.Field, before.Field, sizeof before.Field) != 0);
        QVERIFY(std::memcmp(e.Field, before.Field, sizeof before.Field) == 0);
    }

    // Seven full rows hold kind k k times, and kind 10 18 times: each count differs and none is
    // the labels' first "0", so a label showing another kind's count, two labels swapped or a
    // label left alone shows a wrong number.
    void eachYieldLabelCountsItsOwnFruit() {
        THarvestaForm form;
        form.mnuStartGame->trigger();
        auto& e = form.Engine();
        e.TakePiece();
        for (int c = 2; c <= 10; ++c)
            for (int r = 2; r <= 17; ++r)
                e.Field[c][r] = 0;
        int cell = 0;
        for (int kind = 1; kind <= 10; ++kind)
            for (int n = 0; n < (kind == 10 ? 18 : kind); ++n, ++cell)
                e.Field[2 + cell % 9][11 + cell / 9] = std::uint8_t(kind);
        QCOMPARE(cell, 63);
        e.PutPiece();
        for (int tick = 0; tick < 20 && form.harvestaTimer().interval() == 1000; ++tick)
            form.harvestaTimerTimer(); // until the piece lands
        for (int k = 1; k <= 10; ++k) {
            const int count = k == 10 ? 18 : k;
            QCOMPARE(e.Yield[k], count);
            QCOMPARE(form.YieldLabel(k)->text(), QString::number(count));
        }
    }

    // The yield panel and the best scores window show the same picture of the ten fruits, each
    // count just right of its fruit: label k stands where the other window's label k stands.
    void eachYieldLabelStandsBesideItsFruit() {
        THarvestaForm form;
        TfrmScores scores(&form);
        const QPoint scoresPicture(58, 53);
        for (int k = 1; k <= 10; ++k) {
            const QPoint here = form.YieldLabel(k)->pos() - form.Image1->pos();
            const QPoint there = scores.Label(k)->pos() - scoresPicture;
            QVERIFY2((here - there).manhattanLength() <= 5,
                     qPrintable(QString("label %1 at (%2, %3) in the picture, not near (%4, %5)")
                                    .arg(k)
                                    .arg(here.x())
                                    .arg(here.y())
                                    .arg(there.x())
                                    .arg(there.y())));
        }
    }

    void f4StartsOrAsksLikeS() {
        THarvestaForm form;
        form.FormKeyDown(&form, 115);
        QCOMPARE(form.GameState(), gsPlaying);
        log.answer = platform::MessageAnswer::No;
        form.FormKeyDown(&form, 115);
        QCOMPARE(log.requests.size(), size_t(1));
    }

    // F1 from each state: the game stands still while the manual covers it, and afterwards
    // a game that was in play is paused and a paused one goes on.
    void f1StopsTheGameBeforeTheManualOpens_data() {
        QTest::addColumn<int>("before");
        QTest::addColumn<int>("during");
        QTest::addColumn<int>("after");
        QTest::newRow("before the first game")
            << int(gsNotStarted) << int(gsNotStarted) << int(gsNotStarted);
        QTest::newRow("in play") << int(gsPlaying) << int(gsPaused) << int(gsPaused);
        QTest::newRow("paused") << int(gsPaused) << int(gsPaused) << int(gsPlaying);
        QTest::newRow("after the end") << int(gsGameOver) << int(gsGameOver) << int(gsGameOver);
    }
    void f1StopsTheGameBeforeTheManualOpens() {
        QFETCH(int, before);
        QFETCH(int, during);
        QFETCH(int, after);
        THarvestaForm form;
        QDialog manual;
        form.SetWindows(nullptr, nullptr, nullptr, &manual);
        form.OnGameOver() = nullptr;
        if (before != gsNotStarted) form.mnuStartGame->trigger();
        if (before == gsPaused) form.mnuPause->trigger();
        if (before == gsGameOver) endTheGame(form);
        QCOMPARE(int(form.GameState()), before);
        int stateBehind = 0;
        bool fallingBehind = true;
        whileModal = [&] {
            stateBehind = form.GameState();
            fallingBehind = form.harvestaTimer().isActive();
        };
        form.FormKeyDown(&form, vk::F1);
        QCOMPARE(modalShown, std::vector<QDialog*>{&manual});
        QCOMPARE(stateBehind, during);
        QVERIFY(!fallingBehind);
        QCOMPARE(int(form.GameState()), after);
        QCOMPARE(form.harvestaTimer().isActive(), after == gsPlaying);
    }

    void theManualIsMadeWhenFirstOpenedAndKept() {
        THarvestaForm form;
        QDialog manual;
        int made = 0;
        form.SetManualMaker([&]() -> QDialog* {
            ++made;
            return &manual;
        });
        QCOMPARE(made, 0);
        form.FormKeyDown(&form, 112);
        form.mnuManual->trigger();
        QCOMPARE(made, 1);
        QCOMPARE(modalShown, (std::vector<QDialog*>{&manual, &manual}));
    }

    void widthCommandReportsTheOuterSize() {
        THarvestaForm form;
        form.Width1Click();
        QCOMPARE(log.requests.size(), size_t(1));
        const QRect outer = form.frameGeometry();
        QCOMPARE(log.requests[0].text, "Width = " + std::to_string(outer.width()) +
                                           " Height = " + std::to_string(outer.height()));
        QCOMPARE(log.requests[0].caption, std::string());
        QCOMPARE(log.requests[0].icon, platform::MessageIcon::Information);
    }

    void closePictureFollowsThePointer() {
        THarvestaForm form;
        // The cross's colour: red-orange under the pointer, grey at rest.
        const auto crossIsRed = [&] {
            const QImage& p = form.Image2->Picture();
            int red = 0, grey = 0;
            for (int y = 0; y < p.height(); ++y)
                for (int x = 0; x < p.width(); ++x) {
                    const QRgb c = p.pixel(x, y);
                    if (qAlpha(c) == 0) continue;
                    (qRed(c) > qGreen(c) + 60 ? red : grey)++;
                }
            return red > grey;
        };
        QVERIFY(!form.Image2->Picture().isNull());
        QVERIFY(!crossIsRed());
        form.Image2MouseEnter();
        QVERIFY(crossIsRed());
        form.Image2MouseLeave();
        QVERIFY(!crossIsRed());
        QCOMPARE(qAlpha(form.Image2->Picture().pixel(0, 0)), 0); // magenta is see-through
        {
            ScopedTestResource missing("STOP", {});
            form.Image2MouseEnter();
            QVERIFY(form.Image2->Picture().isNull());
        }
        QVERIFY(log.requests.empty());
    }

    // The window as designed: its frame, font, panels, pictures and labels, each at its place.
    void designedPlacesFacesAndFrame() {
        THarvestaForm form;
        form.show();
        QCOMPARE(form.windowTitle(), QString("Harvesta"));
        const Qt::WindowFlags flags = form.windowFlags();
        // Customised, or window managers add the buttons the window does not name.
        QVERIFY(flags.testFlags(Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                                Qt::MSWindowsFixedSizeDialogHint));
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        // The designed face, or the face that stands in for it where it is missing.
        const auto face = [](const QWidget* w, const QString& family, int pixels, bool bold) {
            return (QStringList(family) + QFont::substitutes(family))
                       .contains(w->font().family(), Qt::CaseInsensitive) &&
                   w->font().pixelSize() == pixels && w->font().bold() == bold;
        };
        QVERIFY(face(&form, "Tahoma", 11, false));
        QVERIFY(form.pnlHead->isHidden());
        QCOMPARE(form.pnlHead->height(), 41);
        QCOMPARE(form.pnlHead->palette().color(QPalette::Window), QColor(194, 205, 149));
        // The client area is the common panel, edge to edge.
        QCOMPARE(form.centralWidget()->size(), QSize(814, 848));
        QCOMPARE(form.pnlCommon->geometry(), QRect(0, 0, 814, 848));
        QCOMPARE(form.pnlInformation->geometry(), QRect(814 - 2 - 334, 2, 334, 844));
        QCOMPARE(form.pnlTitle->geometry(), QRect(0, 0, 334, 41));
        QCOMPARE(form.pnlYield->geometry(), QRect(0, 41, 334, 305));
        QCOMPARE(form.pnlMiddle->geometry(), QRect(0, 346, 334, 125));
        QCOMPARE(form.imgLogo->geometry(), QRect(0, 471, 334, 247));
        QCOMPARE(form.Image1->geometry(), QRect(15, 3, 302, 301));
        QCOMPARE(form.Image2->size(), QSize(24, 24));
        auto* title = form.pnlTitle->findChild<QLabel*>("Label12");
        QVERIFY(title);
        QCOMPARE(title->text(), QString("YIELD"));
        QCOMPARE(title->pos(), QPoint(120, 5));
        QVERIFY(face(title, "Verdana", 27, true));
        static constexpr int kPlaces[10][2] = {{94, 44},   {94, 88},  {94, 141}, {94, 194},
                                               {94, 241},  {224, 41}, {224, 92}, {224, 141},
                                               {224, 188}, {224, 241}};
        QCOMPARE(form.pnlYield->findChildren<QLabel*>().size(), 10);
        for (int k = 1; k <= 10; ++k) {
            QLabel* label = form.YieldLabel(k);
            QCOMPARE(label->objectName(), QString("Label%1").arg(k));
            QCOMPARE(label->parentWidget(), form.pnlYield);
            QCOMPARE(label->pos(), QPoint(kPlaces[k - 1][0], kPlaces[k - 1][1]));
            QVERIFY(face(label, "Tahoma", 13, false));
            QCOMPARE(label->size(), label->sizeHint()); // sized to its count
        }
    }

    // What the player sees of the panels: the grey column on the white common panel, and the
    // yield and logo pictures drawn pixel for pixel where they are opaque and no label stands.
    void panelsShowTheirColoursAndPictures() {
        THarvestaForm form;
        form.show();
        const QImage shot =
            form.centralWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint column = form.pnlInformation->pos();
        QCOMPARE(QColor(shot.pixel(column.x() + 5, column.y() + 5)), QColor(227, 227, 227));
        QCOMPARE(QColor(shot.pixel(813, 1)), QColor(Qt::white));
        QCOMPARE(QColor(shot.pixel(column.x() - 1, 400)), QColor(Qt::white));
        for (TImage* image : {form.Image1, form.imgLogo}) {
            const QImage& picture = image->Picture();
            QVERIFY(!picture.isNull());
            const QPoint at = image->mapTo(form.centralWidget(), QPoint(0, 0));
            int opaque = 0;
            for (int y = 0; y < picture.height(); y += 7)
                for (int x = 0; x < picture.width(); x += 7)
                    if (qAlpha(picture.pixel(x, y)) == 255 &&
                        form.centralWidget()->childAt(at + QPoint(x, y)) == image) {
                        ++opaque;
                        QCOMPARE(shot.pixel(at + QPoint(x, y)) & 0xFFFFFFu,
                                 picture.pixel(x, y) & 0xFFFFFFu);
                    }
            QVERIFY(opaque > 100);
        }
    }

    // A picture control reports a click only for a left-button release inside it, and tells
    // when the pointer enters and leaves; a new picture is shown at once.
    void pictureControlClicksHoverAndRepaint() {
        QWidget window;
        window.resize(100, 100);
        TImage image(&window);
        image.setGeometry(10, 10, 24, 24);
        int clicks = 0, enters = 0, leaves = 0;
        image.OnClick = [&] { ++clicks; };
        image.OnMouseEnter = [&] { ++enters; };
        image.OnMouseLeave = [&] { ++leaves; };
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 1);
        QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks, 1);
        QTest::mousePress(&image, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&image, Qt::LeftButton, {}, QPoint(30, 5));
        QCOMPARE(clicks, 1);
        QEvent leave(QEvent::Leave);
        QEnterEvent enter(QPointF(1, 1), QPointF(11, 11), QPointF(11, 11));
        QApplication::sendEvent(&image, &enter);
        QCOMPARE(enters, 1);
        QApplication::sendEvent(&image, &leave);
        QCOMPARE(leaves, 1);

        checks::PaintCounter counter(image);
        QImage red(24, 24, QImage::Format_ARGB32);
        red.fill(Qt::red);
        image.SetPicture(red);
        QVERIFY(counter.Paints() > 0);
        QCOMPARE(QColor(window.grab().toImage().pixel(15, 15)), QColor(Qt::red));
    }

    // Each menu item opens its own window, modally; the close picture and Exit close the game.
    void menuItemsOpenTheirWindowsAndClose() {
        THarvestaForm form;
        QDialog fontPreview, about, manual;
        TfrmScores scores(&form);
        form.SetWindows(&fontPreview, &about, &scores, &manual);
        const QList<QPair<QAction*, QDialog*>> items = {{form.mnuForm, &fontPreview},
                                                        {form.About1, &about},
                                                        {form.Results1, &scores},
                                                        {form.mnuManual, &manual}};
        for (const auto& [item, window] : items) {
            modalShown.clear();
            item->trigger();
            QCOMPARE(modalShown, std::vector<QDialog*>{window});
        }
        for (const auto close : {&THarvestaForm::Image2Click, &THarvestaForm::Exit1Click}) {
            form.show();
            (form.*close)();
            QVERIFY(!form.isVisible());
        }
    }

    // The fall timer drives the fall; pausing shows its overlay at once; the window opens in
    // the middle of the desktop.
    void timerFallsPauseRepaintsAndTheWindowIsCentred() {
        THarvestaForm form;
        form.show();
        const QRect desk = QGuiApplication::primaryScreen()->availableGeometry();
        const QPoint off = form.frameGeometry().center() - desk.center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                 qPrintable(QString("off centre by (%1, %2)").arg(off.x()).arg(off.y())));
        form.mnuStartGame->trigger();
        const int y = form.Engine().PosY;
        form.harvestaTimer().setInterval(0); // due at once: the next pass of the event loop
        for (int pass = 0; pass < 100 && form.Engine().PosY == y; ++pass)
            QCoreApplication::processEvents();
        QVERIFY(form.Engine().PosY > y);
        form.harvestaTimer().stop();
        form.harvestaTimer().setInterval(1000);
        form.harvestaTimer().start();
        checks::PaintCounter counter(*form.pbMain);
        form.mnuPause->trigger();
        QCOMPARE(form.GameState(), gsPaused);
        QVERIFY(counter.Paints() > 0);
    }

    // The windows the game opens stand over it wherever the compositor places them, and a
    // click on the game while one is open gives it back the keyboard: Escape still closes it.
    void secondaryWindowsStayOverTheGameAndKeepTheKeyboard() {
        THarvestaForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        TfrmScores scores(&form);
        QDialog manual(&form);
        for (QDialog* window : {static_cast<QDialog*>(&scores), &manual}) {
            window->show();
            QVERIFY(window->windowHandle());
            QCOMPARE(window->windowHandle()->transientParent(), form.windowHandle());
            window->hide();
        }
        // Hiding took the keyboard from the window; active again, the window gives it back.
        scores.show();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&scores, &activate);
        QVERIFY(scores.focusWidget());
        QTest::keyClick(scores.focusWidget(), Qt::Key_Escape);
        QVERIFY(!scores.isVisible());
    }

    void menuHasNineItemsTwoHidden() {
        THarvestaForm form;
        const auto actions = form.menuBar()->actions();
        QCOMPARE(actions.size(), 9);
        QStringList captions;
        for (auto* a : actions)
            captions << a->text();
        QCOMPARE(captions, QStringList({"Start game", "Pause", "Form.Parameters", "Form",
                                        "Best scores", "Manual", "About", "Sound", "Exit"}));
        QVERIFY(!form.Width1->isVisible());
        QVERIFY(!form.mnuForm->isVisible());
    }

    // A menu bar draws no check marks: the sound item's caption is struck through while the
    // sound is off, and looks as before once it is on again; the other items never change.
    void theSoundItemShowsWhenTheSoundIsOff() {
        THarvestaForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QMenuBar* bar = form.menuBar();
        const QRect sound = bar->actionGeometry(form.mnuSound);
        const QRect exit = bar->actionGeometry(form.Exit1);
        const QImage on = bar->grab().toImage();
        // The captions themselves are there: an item is more than its background.
        const auto blank = [](const QImage& item) {
            for (int y = 0; y < item.height(); ++y)
                for (int x = 0; x < item.width(); ++x)
                    if (item.pixel(x, y) != item.pixel(0, 0)) return false;
            return true;
        };
        QVERIFY(!blank(on.copy(exit)));
        form.mnuSound->setChecked(false);
        const QImage off = bar->grab().toImage();
        QVERIFY(on.copy(sound) != off.copy(sound));
        QCOMPARE(off.copy(exit), on.copy(exit));
        form.mnuSound->setChecked(true);
        QCOMPARE(bar->grab().toImage(), on);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_test.moc"
