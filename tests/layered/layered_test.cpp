// The borderless window itself, apart from the two windows built on it.

#include "layered/LayeredForm.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QtTest>

using namespace harvesta;

class LayeredTest : public QObject {
    Q_OBJECT

  private slots:
    // Any borderless face: frameless and modal, in the designed font, with the 200 ms hover
    // watchdog idle, and its size cut down to multiples of four.
    void aBorderlessWindowsFrameFontWatchdogAndSize() {
        const TLayeredForm::Face face{
            QSize(419, 495), QColor(226, 239, 241), MakeBgrColor(0, 0, 255), "scoresScreen",
            dmKey,           QPoint(58, 53)};
        TLayeredForm form(nullptr, face);
        QCOMPARE(form.size(), QSize(416, 492));
        QVERIFY(form.isModal());
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form.font().family(), QString("MS Sans Serif"));
        QCOMPARE(form.font().pixelSize(), 11);
        QCOMPARE(form.mainTimer->interval(), 200);
        QVERIFY(!form.mainTimer->isActive());
    }

    // The pointer shape is the application's override: set, changed, and given back once.
    void cursorOverrideIsSetChangedAndRestoredOnce() {
        TAppCursor cursor;
        cursor.Set(Qt::PointingHandCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        cursor.Set(Qt::WaitCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        cursor.Set(Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        cursor.Set(Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // And set again after it was given back.
        cursor.Set(Qt::PointingHandCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        cursor.Set(Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The close button lights up under the pointer without a button held, shows itself
    // pressed while the press stays on it, and normal again when the press slides off.
    void theCloseButtonFollowsThePointerOnTheFace() {
        const TLayeredForm::Face face{
            QSize(416, 488), QColor(226, 239, 241), MakeBgrColor(0, 0, 255), "scoresScreen",
            dmKey,           QPoint(58, 53)};
        TLayeredForm form(nullptr, face);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QImage surface(form.size(), QImage::Format_RGB32);
        const auto composed = [&] {
            QPainter painter(&surface);
            form.FormPaint(painter);
            return form.Picture().Picture.Bits;
        };
        const auto normal = composed();
        TLayer* close = form.CloseButton();
        const QPoint on(close->X + close->Width / 2, close->Y + close->Height / 2);
        const QPoint off(close->X - 40, close->Y + 60);

        QTest::mouseMove(&form, on);
        QCOMPARE(close->State, lsHover);
        QVERIFY(composed() != normal);
        QTest::mouseMove(&form, off);
        QCOMPARE(close->State, lsNormal);
        QCOMPARE(composed(), normal);

        form.FormMouseDown(Qt::LeftButton, Qt::LeftButton, on);
        const auto pressed = composed();
        QVERIFY(pressed != normal);
        form.FormMouseMove(Qt::LeftButton, off);
        QCOMPARE(composed(), normal);
        form.FormMouseMove(Qt::LeftButton, on);
        QCOMPARE(composed(), pressed);
    }
};

QTEST_MAIN(LayeredTest)
#include "layered_test.moc"
