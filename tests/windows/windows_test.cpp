// The about, manual and font preview windows, driven with real events.

#include "app/main.h"
#include "platform/QtPlatform.h"
#include "windows/Help_module.h"

#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

using namespace harvesta;

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void manualPageIsLoadedWithItsText() {
        ThlpForm manual(nullptr);
        QCOMPARE(manual.windowTitle(), QString("Harvesta Manual"));
        const QString text = manual.wbHelp->toPlainText();
        QVERIFY(text.contains("Harvesta"));
        QVERIFY(text.contains(
            "Just use left, right, down and return keys for manipulate boxes movements."));
        QVERIFY(text.contains("Enjoy this beautiful game and get a lot of fun."));
        QCOMPARE(manual.wbHelp->documentTitle(), QString("Cropstack"));
    }

    void pageIsDecodedByItsDeclaredCharacterSet() {
        const std::string cp1252 =
            "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
            "charset=windows-1252\"></head><body>\x93quoted\x94 \x80 caf\xe9</body></html>";
        const QString text =
            DecodeHtmlPage({reinterpret_cast<const std::uint8_t*>(cp1252.data()), cp1252.size()});
        QVERIFY(text.contains(QString::fromUtf8("“quoted” € café")));
        const std::string utf8 =
            "<html><head><meta charset=\"utf-8\"></head><body>caf\xc3\xa9</body></html>";
        QVERIFY(DecodeHtmlPage({reinterpret_cast<const std::uint8_t*>(utf8.data()), utf8.size()})
                    .contains(QString::fromUtf8("café")));
    }

    void escapeClosesTheManualAsKeyDownAndAsCharacter() {
        ThlpForm manual(nullptr);
        manual.show();
        QVERIFY(QTest::qWaitForWindowExposed(&manual));
        manual.wbHelp->setFocus();
        QTest::keyClick(manual.wbHelp, Qt::Key_Escape);
        QVERIFY(!manual.isVisible());

        manual.show();
        manual.FormKeyPress(QChar(27));
        QVERIFY(!manual.isVisible());
        manual.show();
        manual.FormKeyPress(QChar('a'));
        manual.FormKeyDown(65);
        QVERIFY(manual.isVisible());
    }

    void otherKeysReachThePageAndReopeningKeepsIt() {
        ThlpForm manual(nullptr);
        manual.resize(300, 120); // small enough to scroll
        manual.show();
        QVERIFY(QTest::qWaitForWindowExposed(&manual));
        QScrollBar* bar = manual.wbHelp->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        manual.wbHelp->setFocus();
        QTest::keyClick(manual.wbHelp, Qt::Key_PageDown);
        const int scrolled = bar->value();
        QVERIFY(scrolled > 0);
        const QTextDocument* document = manual.wbHelp->document();
        manual.close();
        manual.show();
        QCOMPARE(manual.wbHelp->document(), document);
        QCOMPARE(bar->value(), scrolled);
    }

    void pageViewFollowsTheWindowSize() {
        ThlpForm manual(nullptr);
        manual.show();
        QCOMPARE(manual.wbHelp->size(), QSize(627, 395));
        manual.resize(800, 500);
        QCOMPARE(manual.wbHelp->size(), QSize(800, 500));
    }

    void f1OpensTheManualFromTheMainWindow() {
        platform::SetScreenWidthOverride(1280);
        THarvestaForm form;
        ThlpForm manual(&form);
        form.SetWindows(nullptr, nullptr, nullptr, &manual);
        int shown = 0;
        QDialog* shownWindow = nullptr;
        platform::ScopedModalRunner modal([&](QDialog& d) {
            ++shown;
            shownWindow = &d;
            return 0;
        });
        form.mnuStartGame->trigger();
        form.FormKeyDown(&form, 112);
        QCOMPARE(shown, 1);
        QCOMPARE(shownWindow, static_cast<QDialog*>(&manual));
        QCOMPARE(form.GameState(), gsPaused);
        platform::SetScreenWidthOverride(std::nullopt);
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
