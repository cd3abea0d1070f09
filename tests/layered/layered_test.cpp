// The borderless window itself, apart from the two windows built on it.

#include "layered/LayeredForm.h"

#include <QApplication>
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
    }
};

QTEST_MAIN(LayeredTest)
#include "layered_test.moc"
