// The board played with the mouse and with a finger: where a press lands decides what it does,
// in every state of the game, and a held press repeats as a held key does.

#include "FieldSetups.h"
#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "desktop/DueTimer.h"

#include <QAction>
#include <QPointingDevice>
#include <QTimer>
#include <QtTest>
#include <array>
#include <cstring>

using namespace harvesta;

namespace {

enum class Zone { LeftOfPiece, RightOfPiece, OnPiece, BelowPiece, BelowRightOfPiece };
enum class Device { Mouse, Finger };

// The box around the falling piece's cells, where the board draws them.
QRect pieceOnScreen(const THarvestaForm& form, THarvestaEngine& e) {
    QRect box;
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j)
            if (e.Piece[i][j]) box |= form.BoardCellRect(e.PosX + i - 2, e.PosY + j - 1);
    return box;
}

QPoint aim(const THarvestaForm& form, THarvestaEngine& e, Zone zone) {
    const QRect piece = pieceOnScreen(form, e);
    const int cell = form.BoardCellRect(2, 2).width();
    switch (zone) {
    case Zone::LeftOfPiece: return {piece.left() - 2 * cell, piece.center().y()};
    case Zone::RightOfPiece: return {piece.right() + 2 * cell, piece.center().y()};
    case Zone::OnPiece: return piece.center();
    case Zone::BelowPiece: return {piece.center().x(), piece.bottom() + 3 * cell};
    case Zone::BelowRightOfPiece: return {piece.right() + 2 * cell, piece.bottom() + 3 * cell};
    }
    return {};
}

struct Snapshot {
    int state, posX, posY, type;
    std::array<std::uint8_t, 16> piece;
    int filled;
};
Snapshot snap(THarvestaForm& form) {
    THarvestaEngine& e = form.Engine();
    Snapshot s{form.GameState(), e.PosX, e.PosY, e.PieceType, {}, 0};
    std::memcpy(s.piece.data(), e.Piece, sizeof e.Piece);
    for (int c = 2; c <= 10; ++c)
        for (int r = 2; r <= 17; ++r)
            s.filled += e.Field[c][r] != 0;
    return s;
}

} // namespace

Q_DECLARE_METATYPE(Zone)
Q_DECLARE_METATYPE(Device)

class PointerTest : public QObject {
    Q_OBJECT

    std::vector<platform::MessageRequest> questions;
    std::unique_ptr<platform::ScopedMessageHandler> messages;
    std::unique_ptr<THarvestaForm> form;
    QPointingDevice* touchScreen = nullptr;

    void press(Device device, QPoint at) {
        if (device == Device::Mouse)
            QTest::mousePress(form->pbMain, Qt::LeftButton, {}, at);
        else
            QTest::touchEvent(form->pbMain, touchScreen).press(0, at, form->pbMain);
    }
    void release(Device device, QPoint at) {
        if (device == Device::Mouse)
            QTest::mouseRelease(form->pbMain, Qt::LeftButton, {}, at);
        else
            QTest::touchEvent(form->pbMain, touchScreen).release(0, at, form->pbMain);
    }
    void move(Device device, QPoint to) {
        if (device == Device::Mouse) {
            // QTest moves the mouse without buttons; a drag carries the held button.
            QMouseEvent drag(QEvent::MouseMove, to, form->pbMain->mapToGlobal(to), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(form->pbMain, &drag);
        } else {
            QTest::touchEvent(form->pbMain, touchScreen).move(0, to, form->pbMain);
        }
    }

  private slots:
    void initTestCase() { touchScreen = QTest::createTouchDevice(); }
    void init() {
        questions.clear();
        messages = std::make_unique<platform::ScopedMessageHandler>(
            [this](const platform::MessageRequest& r) {
                if (r.caption != "Error") questions.push_back(r);
                return platform::MessageAnswer::Yes;
            });
        platform::SetScreenWidthOverride(1280);
        RandomizeGame(7);
        form = std::make_unique<THarvestaForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        messages.reset();
        platform::SetScreenWidthOverride(std::nullopt);
    }

    void aPressDoesWhatItsPlaceAndTheStateSay_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<Zone>("zone");
        QTest::addColumn<Device>("device");
        const std::pair<const char*, int> states[] = {{"not started", gsNotStarted},
                                                      {"playing", gsPlaying},
                                                      {"paused", gsPaused},
                                                      {"game over", gsGameOver}};
        const std::pair<const char*, Zone> zones[] = {{"left of piece", Zone::LeftOfPiece},
                                                      {"right of piece", Zone::RightOfPiece},
                                                      {"on piece", Zone::OnPiece},
                                                      {"below piece", Zone::BelowPiece}};
        for (const auto& [stateName, state] : states)
            for (const auto& [zoneName, zone] : zones)
                for (const Device device : {Device::Mouse, Device::Finger})
                    QTest::addRow("%s, %s, %s", stateName, zoneName,
                                  device == Device::Mouse ? "mouse" : "finger")
                        << state << zone << device;
    }
    void aPressDoesWhatItsPlaceAndTheStateSay() {
        QFETCH(int, state);
        QFETCH(Zone, zone);
        QFETCH(Device, device);
        THarvestaEngine& e = form->Engine();
        if (state != gsNotStarted) form->mnuStartGame->trigger();
        fields::StandBarInMiddle(e);
        if (state == gsPaused) form->mnuPause->trigger();
        if (state == gsGameOver) {
            e.TakePiece();
            for (int c = 3; c <= 10; ++c)
                for (int r = 2; r <= 17; ++r)
                    e.Field[c][r] = fkPear;
            e.PutPiece();
            form->harvestaTimerTimer();
            QCOMPARE(form->GameState(), gsGameOver);
        }
        const Snapshot before = snap(*form);
        const QPoint at = aim(*form, e, zone);
        QVERIFY(form->pbMain->rect().contains(at));
        press(device, at);
        release(device, at);
        const Snapshot after = snap(*form);

        QCOMPARE(after.state, int(gsPlaying));
        QVERIFY(questions.empty());
        if (state == gsGameOver) {
            // A new game: the old stack is gone, only the new piece stands on the board.
            QVERIFY(after.filled < before.filled);
            QVERIFY(form->harvestaTimer().isActive());
            return;
        }
        int dx = 0, dy = 0;
        bool turned = false;
        if (state == gsPlaying) {
            dx = zone == Zone::LeftOfPiece ? -1 : zone == Zone::RightOfPiece ? 1 : 0;
            dy = zone == Zone::BelowPiece ? 1 : 0;
            turned = zone == Zone::OnPiece;
        }
        QCOMPARE(after.posX - before.posX, dx);
        QCOMPARE(after.posY - before.posY, dy);
        QCOMPARE(after.piece != before.piece, turned);
        QCOMPARE(after.filled, before.filled);
        QVERIFY(form->harvestaTimer().isActive());
    }

    // Held, a press repeats like a held key and brings the piece to it, sideways and down,
    // then waits; let go, it stops. Held on the bar, it turns it on and on, as Up held does.
    void aHeldPressBringsThePieceToIt_data() {
        QTest::addColumn<Zone>("zone");
        QTest::addColumn<Device>("device");
        QTest::addColumn<int>("moves");
        for (const Device device : {Device::Mouse, Device::Finger}) {
            const char* name = device == Device::Mouse ? "mouse" : "finger";
            QTest::addRow("left, %s", name) << Zone::LeftOfPiece << device << 2;
            QTest::addRow("right, %s", name) << Zone::RightOfPiece << device << 2;
            QTest::addRow("below, %s", name) << Zone::BelowPiece << device << 3;
            QTest::addRow("below and right, %s", name) << Zone::BelowRightOfPiece << device << 5;
            QTest::addRow("on, %s", name) << Zone::OnPiece << device << 0;
        }
    }
    void aHeldPressBringsThePieceToIt() {
        QFETCH(Zone, zone);
        QFETCH(Device, device);
        QFETCH(int, moves);
        THarvestaEngine& e = form->Engine();
        form->mnuStartGame->trigger();
        fields::StandBarInMiddle(e);
        const Snapshot upright = snap(*form);
        const QPoint at = aim(*form, e, zone);
        press(device, at);
        QVERIFY(form->pointerRepeatTimer().isActive());
        QVERIFY(form->pointerRepeatTimer().interval() > 0);
        for (int i = 0; i < 12; ++i)
            QVERIFY(checks::FallDue(form->pointerRepeatTimer()));
        const Snapshot held = snap(*form);
        if (zone == Zone::OnPiece) {
            form->pointerRepeatTimerTimer();
            QVERIFY(snap(*form).piece != held.piece);
        } else {
            // The moves to the pointer, and then no more, nor a turn.
            QVERIFY(pieceOnScreen(*form, e).contains(at));
            QCOMPARE(std::abs(held.posX - 6) + std::abs(held.posY - 6), moves);
            QCOMPARE(held.piece, upright.piece);
        }
        release(device, at);
        QVERIFY(!form->pointerRepeatTimer().isActive());
        const Snapshot released = snap(*form);
        form->pointerRepeatTimerTimer();
        QCOMPARE(snap(*form).piece, released.piece);
        QCOMPARE(snap(*form).posX, released.posX);
        QCOMPARE(snap(*form).posY, released.posY);
    }

    // A swipe down moves the piece down as far as the finger goes; quick presses each count.
    void aSwipeDownLeadsThePieceDown() {
        THarvestaEngine& e = form->Engine();
        form->mnuStartGame->trigger();
        fields::StandBarInMiddle(e);
        const int cell = form->BoardCellRect(2, 2).width();
        const QPoint from = aim(*form, e, Zone::BelowPiece);
        press(Device::Finger, from);
        QCOMPARE(e.PosY, 7);
        for (int step = 1; step <= 8; ++step)
            move(Device::Finger, from + QPoint(0, step * cell / 2));
        QCOMPARE(e.PosY, 11);
        // The finger leads now: holding it still does not move the piece on.
        QVERIFY(!form->pointerRepeatTimer().isActive());
        release(Device::Finger, from + QPoint(0, 4 * cell));

        const QPoint left = aim(*form, e, Zone::LeftOfPiece);
        // A double click comes as a press and a double click: two presses.
        QTest::mouseClick(form->pbMain, Qt::LeftButton, {}, left);
        QTest::mouseDClick(form->pbMain, Qt::LeftButton, {}, left);
        QCOMPARE(e.PosX, 4);
    }

    void otherButtonsAndTheInformationColumnDoNothing() {
        const Snapshot before = snap(*form);
        QTest::mouseClick(form->pbMain, Qt::RightButton, {}, form->pbMain->rect().center());
        QTest::mouseClick(form->pnlInformation, Qt::LeftButton, {},
                          form->pnlInformation->rect().center());
        QCOMPARE(snap(*form).state, before.state);
        QCOMPARE(form->GameState(), gsNotStarted);
    }
};

QTEST_MAIN(PointerTest)
#include "pointer_test.moc"
