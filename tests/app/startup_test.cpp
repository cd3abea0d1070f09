// Start-up work that waits for the first frame: it runs once, after the first paint, and
// never after an input event has been handled.

#include "adapters/DeferredIcons.h"
#include "adapters/StartupReport.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStringList>
#include <QStyleOption>
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

// Whether the process has loaded an image-format plugin, as reading an image file does.
bool imagePluginsLoaded() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("imageformats");
}

QImage pictureOf(const QIcon& icon) {
    return icon.pixmap(QSize(16, 16)).toImage();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

  private slots:
    // First, before anything else in this process reads an image.
    void theMenuBarsOverflowArrowIsReadWhenItIsFirstDrawnAndLooksAsBefore() {
        if (!QFile::exists("/proc/self/maps")) QSKIP("needs /proc/self/maps");
        QVERIFY(!imagePluginsLoaded());
        platform::InstallDeferredIcons();
        QStyle* style = QApplication::style();
        platform::InstallDeferredIcons();
        QCOMPARE(QApplication::style(), style);

        QMainWindow window;
        window.menuBar()->addAction("Start game");
        // A tool bar's arrow is asked for the same way, and a right-to-left one too.
        const QIcon vertical = style->standardIcon(QStyle::SP_ToolBarVerticalExtensionButton);
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const QIcon rightToLeft = style->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QVERIFY2(!imagePluginsLoaded(), "an overflow arrow was read when it was asked for");

        auto* proxy = qobject_cast<QProxyStyle*>(style);
        QVERIFY(proxy);
        QStyleOption option;
        option.direction = Qt::RightToLeft;
        const QIcon realRightToLeft =
            proxy->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option);
        QCOMPARE(pictureOf(rightToLeft), pictureOf(realRightToLeft));
        QVERIFY(pictureOf(rightToLeft) != pictureOf(proxy->baseStyle()->standardIcon(
                                              QStyle::SP_ToolBarHorizontalExtensionButton)));
        QCOMPARE(pictureOf(vertical), pictureOf(proxy->baseStyle()->standardIcon(
                                          QStyle::SP_ToolBarVerticalExtensionButton)));

        for (const QStyle::StandardPixmap which :
             {QStyle::SP_ToolBarHorizontalExtensionButton,
              QStyle::SP_ToolBarVerticalExtensionButton, QStyle::SP_DialogOkButton}) {
            const QIcon deferred = style->standardIcon(which);
            const QIcon real = proxy->baseStyle()->standardIcon(which);
            QVERIFY(!real.isNull());
            QVERIFY(!deferred.isNull());
            QCOMPARE(deferred.availableSizes(), real.availableSizes());
            QCOMPARE(deferred.actualSize(QSize(64, 64)), real.actualSize(QSize(64, 64)));
            QCOMPARE(pictureOf(deferred), pictureOf(real));
            QCOMPARE(deferred.pixmap(QSize(16, 16), QIcon::Disabled).toImage(),
                     real.pixmap(QSize(16, 16), QIcon::Disabled).toImage());
            // Drawn by a painter, as a tool button draws it.
            QImage blank(20, 20, QImage::Format_ARGB32_Premultiplied);
            blank.fill(Qt::transparent);
            QImage drawn = blank, expected = blank;
            {
                QPainter painter(&drawn);
                deferred.paint(&painter, QRect(2, 2, 16, 16));
            }
            {
                QPainter painter(&expected);
                real.paint(&painter, QRect(2, 2, 16, 16));
            }
            QCOMPARE(drawn, expected);
            QVERIFY(drawn != blank);
        }
    }

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
