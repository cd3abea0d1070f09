// The about, manual and font preview windows, driven with real events.

#include "../layered/LayeredFormChecks.h"
#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "assets/ResourceStore.h"
#include "windows/Help_module.h"
#include "windows/shwInfo.h"

#include <QPushButton>

#include <QScrollBar>
#include <QTextBrowser>
#include <QtTest>

using namespace harvesta;

class WindowsTest : public QObject {
    Q_OBJECT

  private slots:
    void aboutWindowLayout() {
        TfrmAbout about(nullptr);
        QCOMPARE(about.size(), QSize(308, 164));
        QCOMPARE(about.btnOk->geometry(), QRect(116, 132, 75, 25));
        QCOMPARE(about.CloseButton()->X, 274);
        QCOMPARE(about.CloseButton()->Y, 11);
        QCOMPARE(about.lblVersion->text(), QString("Version 1.0"));
        QCOMPARE(about.btnOk->text(), QString("&OK"));
        // The icon is copied opaque at (35, 42).
        const TRGBPicture& face = about.Picture().Picture;
        const TRGBPicture& icon = *about.Images().At(0);
        QCOMPARE(icon.Width, 32);
        QVERIFY(std::equal(icon.Row(0), icon.Row(0) + 96, face.Row(42) + 35 * 3));
    }

    // The labels at their designed places, the links and OK with the hand pointer, OK bold and
    // the default button, the etched line across the window above it.
    void aboutPlacesFacesAndPointers() {
        TfrmAbout about(nullptr);
        const QList<QPair<QLabel*, QPoint>> places = {{about.lblVersion, {92, 32}},
                                                      {about.Label4, {92, 48}},
                                                      {about.Label5, {92, 64}},
                                                      {about.Label6, {92, 80}}};
        for (const auto& [label, at] : places) {
            QCOMPARE(label->pos(), at);
            QCOMPARE(label->font().family(), QString("MS Sans Serif"));
            QCOMPARE(label->font().pixelSize(), 11);
            QVERIFY(!label->autoFillBackground());
        }
        QCOMPARE(about.Label6->text(), QString("Contact us"));
        QCOMPARE(about.Label5->Tag, 0);
        QCOMPARE(about.Label6->Tag, 1);
        for (QWidget* pointed :
             {static_cast<QWidget*>(about.Label5), static_cast<QWidget*>(about.Label6),
              static_cast<QWidget*>(about.btnOk)})
            QCOMPARE(pointed->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(about.btnOk->font().bold());
        QVERIFY(about.btnOk->isDefault());
        QCOMPARE(about.Bevel1->geometry(), QRect(1, 112, 306, 4));
        QCOMPARE(about.Bevel1->frameShape(), QFrame::HLine);
        QCOMPARE(about.Bevel1->frameShadow(), QFrame::Sunken);
    }

    // A link opens on a left-button release inside it only.
    void aLinkOpensOnALeftReleaseInsideIt() {
        TfrmAbout about(nullptr);
        about.show();
        int opened = 0;
        platform::ScopedUrlOpener opener([&](const QUrl&) { ++opened; });
        QTest::mouseClick(about.Label6, Qt::RightButton);
        QCOMPARE(opened, 0);
        QTest::mousePress(about.Label6, Qt::LeftButton, {}, {2, 2});
        QTest::mouseRelease(about.Label6, Qt::LeftButton, {}, {about.Label6->width() + 5, 2});
        QCOMPARE(opened, 0);
        QTest::mouseClick(about.Label6, Qt::LeftButton, {}, {2, 2});
        QCOMPARE(opened, 1);
    }

    void linksTurnRedWhilePointedAtEachOnItsOwn() {
        TfrmAbout about(nullptr);
        const auto colour = [](QLabel* l) { return l->palette().color(QPalette::WindowText); };
        QCOMPARE(colour(about.Label6), QColor(0, 0, 255));
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QApplication::sendEvent(about.Label6, &enter);
        QCOMPARE(colour(about.Label6), QColor(255, 0, 0));
        QCOMPARE(colour(about.Label5), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(about.Label6, &leave);
        QCOMPARE(colour(about.Label6), QColor(0, 0, 255));
    }

    void linksOpenTheirAddressAndLeaveTheWindowOpen() {
        TfrmAbout about(nullptr);
        about.show();
        std::vector<QUrl> opened;
        platform::ScopedUrlOpener opener([&](const QUrl& url) { opened.push_back(url); });
        QTest::mouseClick(about.Label5, Qt::LeftButton);
        QTest::mouseClick(about.Label6, Qt::LeftButton);
        QCOMPARE(opened.size(), size_t(2));
        QCOMPARE(opened[0].toString(), about.Label5->text()); // the caption is the address
        QCOMPARE(opened[1], QUrl("https://www.littleorchard.example/contact.html"));
        QVERIFY(about.isVisible());
        TLinkLabel stranger("x", 2, nullptr);
        about.Label5Click(&stranger);
        QCOMPARE(opened.size(), size_t(2));
        // A press on a link starts no drag.
        QCOMPARE(about.PressedLayer(), nullptr);
    }

    void aboutLabelsTakeThePointerAndAFreeSpotDragsTheWindow() {
        TfrmAbout about(nullptr);
        about.move(100, 100);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        platform::ScopedUrlOpener opener([](const QUrl&) {});
        for (QLabel* label : {about.lblVersion, about.Label4, static_cast<QLabel*>(about.Label5),
                              static_cast<QLabel*>(about.Label6)})
            checks::ControlKeepsTheWindowStill(about, label);
        const QPoint before = about.pos();
        checks::DragWithThePointer(&about, {20, 100}, {40, 25});
        QCOMPARE(about.pos(), before + QPoint(40, 25));
    }

    void aboutOutlineCoversTheEdgeOfTheShape() {
        TfrmAbout about(nullptr);
        about.show();
        checks::OutlineCoversTheShapeEdge(about);
        checks::OutlineTouchesOnlyTheEdge(about);
    }

    void aboutClosesByEnterEscapeOkAndTheCloseButton() {
        TfrmAbout about(nullptr);
        about.show();
        QTest::keyClick(&about, Qt::Key_Return);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::keyClick(&about, Qt::Key_Escape);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::mouseClick(about.btnOk, Qt::LeftButton);
        QVERIFY(!about.isVisible());
        about.show();
        QTest::mouseClick(&about, Qt::LeftButton, {}, {280, 15});
        QVERIFY(!about.isVisible());
    }

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

    void aMissingPageGivesAnEmptyViewAndNoMessage() {
        std::vector<platform::MessageRequest> messages;
        platform::ScopedMessageHandler record([&](const platform::MessageRequest& r) {
            messages.push_back(r);
            return platform::MessageAnswer::Ok;
        });
        ScopedTestResource missing("HELP_FILE", {});
        ThlpForm manual(nullptr);
        QVERIFY(manual.wbHelp->toPlainText().isEmpty());
        QVERIFY(messages.empty());
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

    // Browsers read a page declared in any of these sets, or in none, as windows-1252: the
    // manual's curly quotes and euro sign show as such, not as control characters.
    void aPageInALatinSetShowsItsQuotesAsBrowsersDo_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::newRow("no declaration") << QByteArray("<html><head></head>");
        for (const char* label :
             {"windows-1252", "cp1252", "iso-8859-1", "latin1", "us-ascii", "ISO-8859-1"})
            QTest::newRow(label) << "<html><head><meta charset=\"" + QByteArray(label) +
                                        "\"></head>";
    }
    void aPageInALatinSetShowsItsQuotesAsBrowsersDo() {
        QFETCH(QByteArray, head);
        const QByteArray page = head + "<body>\x93quoted\x94 \x80 caf\xe9</body></html>";
        const QString text =
            DecodeHtmlPage({reinterpret_cast<const std::uint8_t*>(page.data()),
                            std::size_t(page.size())});
        QVERIFY2(text.contains(QString::fromUtf8("“quoted” € café")), qPrintable(text));
    }

    // Every byte of a windows-1252 page reads as the system's own decoder reads it; the five
    // bytes the set leaves undefined become the replacement character.
    void everyWindows1252ByteDecodesAsTheSystemDecoderHasIt() {
        std::string page = "<html><head><meta charset=\"windows-1252\"></head><body>";
        const std::size_t bodyAt = page.size();
        for (int b = 1; b < 256; ++b)
            page += char(b);
        const QString ours =
            DecodeHtmlPage({reinterpret_cast<const std::uint8_t*>(page.data()), page.size()})
                .mid(qsizetype(bodyAt));
        QCOMPARE(ours.size(), 255);
        QStringDecoder reference("windows-1252");
        QVERIFY(reference.isValid());
        for (int b = 1; b < 256; ++b) {
            const char byte = char(b);
            const bool undefined = b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
            const QChar expected =
                undefined ? QChar(0xFFFD) : QString(reference(QByteArrayView(&byte, 1))).front();
            QVERIFY2(ours[b - 1] == expected, qPrintable(QString("byte %1").arg(b, 2, 16)));
        }
    }

    // A window with a title bar and all its buttons, in 8-point Tahoma, centred over the main
    // window each time it opens.
    void manualFrameFaceAndPlace() {
        QWidget main;
        main.setGeometry(100, 80, 900, 700);
        ThlpForm manual(&main);
        const Qt::WindowFlags flags = manual.windowFlags();
        QVERIFY(flags.testFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint));
        QCOMPARE(manual.font().family(), QString("Tahoma"));
        QCOMPARE(manual.font().pointSize(), 8);
        QVERIFY(!manual.wbHelp->openLinks());
        manual.show();
        QCOMPARE(manual.wbHelp->geometry(), manual.rect());
        const QRect own = manual.frameGeometry();
        const QPoint off = own.center() - main.frameGeometry().center();
        QVERIFY2(qAbs(off.x()) <= 1 && qAbs(off.y()) <= 1,
                 qPrintable(QString("off centre by (%1, %2)").arg(off.x()).arg(off.y())));
    }

    void escapeClosesTheManualAsKeyDownAndAsCharacter() {
        ThlpForm manual(nullptr);
        manual.show();
        QVERIFY(QTest::qWaitForWindowExposed(&manual));
        manual.wbHelp->setFocus();
        QTest::keyClick(manual.wbHelp, Qt::Key_Escape);
        QVERIFY(!manual.isVisible());

        // Escape as a character alone (Ctrl+[ on many keyboards) closes it too.
        manual.show();
        QKeyEvent controlBracket(QEvent::KeyPress, Qt::Key_BracketLeft, Qt::ControlModifier,
                                 QString(QChar(27)));
        QApplication::sendEvent(manual.wbHelp, &controlBracket);
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
