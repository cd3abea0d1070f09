// Start-up work that waits for the first frame: it runs once, after the first paint, and
// never after an input event has been handled.

#include "adapters/StartupReport.h"

#include <QKeyEvent>
#include <QStringList>
#include <QWidget>
#include <QtTest>

using namespace harvesta;

namespace {

class Surface : public QWidget {
  public:
    QStringList* log = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override { *log << "paint"; }
    void keyPressEvent(QKeyEvent*) override { *log << "key"; }
};

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    void theWorkRunsOnceWhenTheLoopIsBackFromTheFirstPaint() {
        QStringList log;
        Surface surface;
        surface.log = &log;
        platform::AfterFirstFrame(&surface, [&] { log << "work"; });
        surface.show();
        QVERIFY(QTest::qWaitForWindowExposed(&surface));
        surface.repaint();
        QCOMPARE(log.first(), QString("paint"));
        QCoreApplication::sendPostedEvents();
        QCOMPARE(log.count("work"), 1);
        surface.repaint();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(log.count("work"), 1);
        QCOMPARE(log.last(), QString("paint"));
    }

    void aKeyBeforeTheFirstFrameFindsTheWorkDone() {
        QStringList log;
        Surface surface;
        surface.log = &log;
        platform::AfterFirstFrame(&surface, [&] { log << "work"; });
        QTest::keyClick(&surface, Qt::Key_S);
        QTest::keyClick(&surface, Qt::Key_S);
        QCOMPARE(log, QStringList({"work", "key", "key"}));
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
