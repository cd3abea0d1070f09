// The borderless windows where the window system places them (Wayland): a drag is handed to
// the compositor, and a pointer that leaves the game's windows resets the hover state.

#include "adapters/WindowSystem.h"
#include "results/scores.h"
#include "windows/shwInfo.h"

#include <QCursor>
#include <QPainter>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

using namespace harvesta;

class WindowSystemTest : public QObject {
    Q_OBJECT

  private slots:
    void aDragIsHandedToTheCompositorOnceAndEndsThePress() {
        TfrmScores scores(nullptr);
        scores.move(100, 100);
        scores.show();
        std::vector<QWindow*> moved;
        platform::ScopedSystemMover mover([&](QWindow& w) {
            moved.push_back(&w);
            return true;
        });
        platform::ScopedCursorProvider cursor([] { return platform::ScreenPoint{900, 900}; });
        scores.FormMouseDown(Qt::LeftButton, Qt::LeftButton, {200, 200});
        scores.FormMouseMove(Qt::LeftButton, {230, 188});
        scores.FormMouseMove(Qt::LeftButton, {260, 170});
        QCOMPARE(moved, std::vector<QWindow*>{scores.windowHandle()});
        QCOMPARE(scores.pos(), QPoint(100, 100)); // the compositor places it, not the window
        QCOMPARE(scores.PressedLayer(), nullptr);

        // Whether or not the release arrives, the window goes on as after any drag.
        scores.FormMouseUp(Qt::LeftButton, Qt::NoButton, {260, 170});
        QVERIFY(scores.isVisible());
        scores.FormMouseMove(Qt::NoButton, {390, 20});
        QCOMPARE(scores.CloseButton()->State, lsHover);
        QTest::mousePress(&scores, Qt::LeftButton, {}, {390, 20});
        QTest::mouseRelease(&scores, Qt::LeftButton, {}, {390, 20});
        QVERIFY(!scores.isVisible());
        QCOMPARE(moved.size(), size_t(1)); // the close button is no drag
    }

    void aCompositorThatDeclinesLeavesTheWindowToMoveItself() {
        TfrmAbout about(nullptr);
        about.move(100, 100);
        about.show();
        platform::ScopedSystemMover mover([](QWindow&) { return false; });
        platform::ScreenPoint at{};
        platform::ScopedCursorProvider cursor([&] { return at; });
        const QPoint start = about.mapToGlobal(QPoint(20, 100));
        about.FormMouseDown(Qt::LeftButton, Qt::LeftButton, {20, 100});
        at = {start.x() + 15, start.y() + 5};
        about.FormMouseMove(Qt::LeftButton, {35, 105});
        QCOMPARE(about.pos(), QPoint(115, 105));
    }

    void whereTheMaskCutsNothingTheRoundedCornersAreSeeThrough() {
        // On Wayland a mask only bounds the pointer: the face would show square corners with a
        // sliver of the panel beyond the outline unless the paint leaves them see-through.
        for (const bool maskCuts : {false, true}) {
            platform::SetMaskCutsWindowOverride(maskCuts);
            TfrmScores scores(nullptr);
            scores.show();
            QImage face(scores.size(), QImage::Format_ARGB32_Premultiplied);
            face.fill(Qt::transparent);
            {
                QPainter canvas(&face);
                scores.FormPaint(canvas);
            }
            platform::SetMaskCutsWindowOverride(std::nullopt);
            QCOMPARE(scores.testAttribute(Qt::WA_TranslucentBackground), !maskCuts);
            const int w = scores.width(), h = scores.height();
            for (const QPoint corner :
                 {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
                QCOMPARE(qAlpha(face.pixel(corner)) == 0, !maskCuts);
                QVERIFY(!scores.mask().contains(corner));
            }
            // Inside the shape the face is whole: the outline and the panel are opaque.
            for (const QPoint inside :
                 {QPoint(w / 2, 0), QPoint(0, h / 2), QPoint(w / 2, h / 2), QPoint(w - 9, 9)}) {
                QVERIFY(scores.mask().contains(inside));
                QCOMPARE(qAlpha(face.pixel(inside)), 255);
            }
        }
    }

    void aPointerThatLeftTheWindowsIsOverNoneOfTheirLayers() {
        platform::TrackPointerLeavingWindows();
        platform::ScopedCursorProvider cursor(&platform::PointerPosition);
        TfrmScores scores(nullptr);
        scores.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scores));
        QWindow* window = scores.windowHandle();
        TLayer* close = scores.CloseButton();

        // The last position the window system told stays over the close button.
        const QPoint onClose = scores.mapToGlobal(QPoint(390, 20));
        QCursor::setPos(onClose);
        QEnterEvent enter(QPointF(390, 20), QPointF(390, 20), onClose);
        QCoreApplication::sendEvent(window, &enter);
        scores.FormMouseMove(Qt::NoButton, {390, 20});
        scores.mainTimerTimer();
        QCOMPARE(close->State, lsHover);

        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(window, &leave);
        scores.mainTimerTimer();
        QCOMPARE(close->State, lsNormal);
        QCOMPARE(scores.HoverLayer(), nullptr);

        // Back over a window, the position counts again.
        QCoreApplication::sendEvent(window, &enter);
        QCOMPARE(platform::PointerPosition(), (platform::ScreenPoint{onClose.x(), onClose.y()}));
    }

    // A window that comes back active gives the keyboard to the control that had it, or, when
    // none has it any more, to its first control in tab order.
    void anActiveWindowGivesTheKeyboardToItsControl() {
        QWidget window;
        auto* first = new QPushButton("first", &window);
        auto* second = new QPushButton("second", &window);
        second->move(0, 40);
        platform::KeepSecondaryWindowsOver(window);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QEvent activate(QEvent::WindowActivate);
        second->setFocus();
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(window.focusWidget(), second);
        second->clearFocus();
        QCOMPARE(window.focusWidget(), nullptr);
        QCoreApplication::sendEvent(&window, &activate);
        QCOMPARE(window.focusWidget(), first);
    }
};

QTEST_MAIN(WindowSystemTest)
#include "windowsystem_test.moc"
