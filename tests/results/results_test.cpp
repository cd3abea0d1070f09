// The best result store and the best scores window, each test with its own settings folder.

#include "../desktop/DueTimer.h"
#include "../desktop/PaintCounter.h"
#include "../layered/LayeredFormChecks.h"
#include "ResultTexts.h"
#include "adapters/QtPlatform.h"
#include "app/main.h"
#include "results/BestResultStore.h"
#include "results/SoundSetting.h"
#include "results/scores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace harvesta;
using checks::counts;
using checks::labels;

class ResultsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;
    std::vector<platform::MessageRequest> messages;
    std::unique_ptr<platform::ScopedMessageHandler> messageGuard;
    std::unique_ptr<platform::ScopedModalRunner> modalGuard;
    int modalShows = 0;
    QString titleWhileShown;
    QString labelsWhileShown;

    QString iniPath() const { return config->path() + "/Harvesta/Harvesta.ini"; }
    // Writes values into the store as a hand or an older game would have.
    void store(const QVariantMap& values) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, "Harvesta", "Harvesta");
        for (auto it = values.begin(); it != values.end(); ++it)
            s.setValue("Software/Harvesta/Results/" + it.key(), it.value());
    }
    QVariant stored(const QString& name) {
        QSettings s(QSettings::IniFormat, QSettings::UserScope, "Harvesta", "Harvesta");
        return s.value("Software/Harvesta/Results/" + name);
    }

  private slots:
    void init() {
        config = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config->path());
        messages.clear();
        modalShows = 0;
        messageGuard = std::make_unique<platform::ScopedMessageHandler>(
            [this](const platform::MessageRequest& r) {
                messages.push_back(r);
                return platform::MessageAnswer::Ok;
            });
        modalGuard = std::make_unique<platform::ScopedModalRunner>([this](QDialog& d) {
            ++modalShows;
            if (auto* scores = dynamic_cast<TfrmScores*>(&d)) {
                titleWhileShown = scores->lblTitle->text();
                labelsWhileShown = labels(*scores);
            }
            return 0;
        });
    }
    void cleanup() {
        modalGuard.reset();
        messageGuard.reset();
    }

    void firstGameIsARecordEvenWithNothingRemoved() {
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
        QCOMPARE(labels(scores), QString("0,0,0,0,0,0,0,0,0,0"));
        CheckBestResult(counts({}), scores);
        QCOMPARE(modalShows, 1);
        QCOMPARE(titleWhileShown, QString("You get highest results! "));
        QCOMPARE(scores.lblTitle->text(), QString("Best scores "));
        QVERIFY(QFile::exists(iniPath()));
        for (int k = 1; k <= 10; ++k)
            QCOMPARE(stored(QString("fruit%1").arg(k)).toString(), "0");
        QVERIFY(messages.empty());
    }

    void equalSumReplacesAndSmallerSumChangesNothing() {
        store({{"fruit1", "9"}, {"fruit2", "9"}});
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        QCOMPARE(labels(scores), QString("9,9,0,0,0,0,0,0,0,0"));
        CheckBestResult(counts({0, 0, 0, 0, 0, 0, 0, 0, 0, 17}), scores);
        QCOMPARE(modalShows, 0);
        QCOMPARE(stored("fruit1").toString(), "9");

        CheckBestResult(counts({0, 0, 0, 0, 0, 0, 0, 0, 0, 18}), scores);
        QCOMPARE(modalShows, 1);
        QCOMPARE(labelsWhileShown, QString("0,0,0,0,0,0,0,0,0,18"));
        QCOMPARE(stored("fruit1").toString(), "0");
        QCOMPARE(stored("fruit10").toString(), "18");
    }

    void resultsSurviveARestartOfTheMainWindow() {
        {
            TfrmScores scores(nullptr);
            CheckBestResult(counts({9, 18}), scores);
        }
        platform::SetScreenWidthOverride(1280);
        THarvestaForm form;
        TfrmScores scores(&form);
        form.SetWindows(nullptr, nullptr, &scores, nullptr);
        form.show();
        QCOMPARE(scores.Label(2)->text(), QString("18"));
        platform::SetScreenWidthOverride(std::nullopt);
    }

    // The game builds its best scores window after the main window's first frame: it holds
    // the stored result all the same, and a game that ends is checked against it.
    void aScoresWindowGivenAfterTheFirstShowIsLoadedThen() {
        store({{"fruit1", "5"}, {"fruit2", "6"}});
        platform::SetScreenWidthOverride(1280);
        THarvestaForm form;
        form.show();
        TfrmScores scores(&form);
        QCOMPARE(labels(scores), QString("0,0,0,0,0,0,0,0,0,0"));
        form.SetWindows(nullptr, nullptr, &scores, nullptr);
        QCOMPARE(labels(scores), QString("5,6,0,0,0,0,0,0,0,0"));
        platform::SetScreenWidthOverride(std::nullopt);
    }

    void missingValuesLoadAsZeroAndTheNextRecordWritesAllTen() {
        store({{"fruit3", "4"}, {"other", "kept"}});
        TfrmScores scores(nullptr);
        scores.Label(5)->setText("77");
        LoadBestResult(scores);
        QCOMPARE(labels(scores), QString("0,0,4,0,0,0,0,0,0,0"));
        CheckBestResult(counts({1, 2, 3}), scores);
        for (int k = 1; k <= 10; ++k)
            QVERIFY(stored(QString("fruit%1").arg(k)).isValid());
        QCOMPARE(stored("other").toString(), "kept");
    }

    void aStoredTextThatIsNoNumberStopsTheCheck_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("letters") << "abc";
        QTest::newRow("empty") << "";
        QTest::newRow("beyond 32 bits") << "99999999999";
        QTest::newRow("blank around") << " 5";
    }
    void aStoredTextThatIsNoNumberStopsTheCheck() {
        QFETCH(QString, text);
        store({{"fruit4", text}});
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({50}), scores);
        QCOMPARE(messages.size(), size_t(1));
        QCOMPARE(QString::fromStdString(messages[0].text),
                 QString("'%1' is not a valid integer value").arg(text));
        QCOMPARE(modalShows, 0);
        QCOMPARE(stored("fruit4").toString(), text); // nothing stored
        QCOMPARE(stored("fruit1").isValid(), false);
    }

    void largeStoredCountsDoNotOverflowTheSum() {
        QVariantMap big;
        for (int k = 1; k <= 10; ++k)
            big[QString("fruit%1").arg(k)] = "2147483647";
        store(big);
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({9}), scores);
        QCOMPARE(modalShows, 0); // 9 is far below the stored sum, not above a wrapped one
        QCOMPARE(stored("fruit1").toString(), "2147483647");
    }

    void aValueOfAnotherTypeKeepsItsLabelAndTheOthersLoad() {
        store({{"fruit1", "3"},
               {"fruit2", QStringList{"a", "b"}},
               {"fruit3", "5"},
               {"fruit4", QVariant(QPoint(1, 2))}});
        TfrmScores scores(nullptr);
        scores.Label(2)->setText("old");
        LoadBestResult(scores);
        QCOMPARE(messages.size(), size_t(1)); // one message, for the first
        QCOMPARE(messages[0].text, std::string("Invalid data type for 'fruit2'"));
        QCOMPARE(labels(scores), QString("3,old,5,0,0,0,0,0,0,0"));
    }

    void aStoreThatCannotBeWrittenStillCongratulatesOverTheOldCounts() {
        // The settings folder's place is taken by a plain file: nothing can be created there,
        // whoever runs the test.
        QFile blocker(config->path() + "/blocked");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker.fileName());
        TfrmScores scores(nullptr);
        scores.Label(1)->setText("2");
        CheckBestResult(counts({5}), scores);
        QCOMPARE(modalShows, 1);
        QCOMPARE(titleWhileShown, QString("You get highest results! "));
        QCOMPARE(labelsWhileShown, QString("2,0,0,0,0,0,0,0,0,0"));
        QVERIFY(messages.empty());
    }

    void negativeStoredCountsAreCountsLikeAnyOther() {
        store({{"fruit1", "-40"}, {"fruit2", "+4"}});
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({}), scores); // 0 is not less than -36
        QCOMPARE(modalShows, 1);
        QCOMPARE(stored("fruit1").toString(), "0");
    }

    void titleIsCentredAndMayStandLeftOfTheWindow() {
        TfrmScores scores(nullptr);
        scores.SetTitle("Best scores ");
        QCOMPARE(scores.lblTitle->x(), (416 - scores.lblTitle->width()) / 2);
        scores.SetTitle(QString(60, QChar('W')));
        QVERIFY(scores.lblTitle->width() > 416);
        QCOMPARE(scores.lblTitle->x(), (416 - scores.lblTitle->width()) / 2);
        QVERIFY(scores.lblTitle->x() < 0);
    }

    void gameOverWhileTheWindowIsOpenShowsTheRecordInIt() {
        TfrmScores scores(nullptr);
        scores.show();
        CheckBestResult(counts({3}), scores);
        QCOMPARE(modalShows, 0);
        QCOMPARE(scores.Label(1)->text(), QString("3"));
        QCOMPARE(scores.lblTitle->text(), QString("You get highest results! "));
        scores.btnOk->click();
        QVERIFY(!scores.isVisible());
        QCOMPARE(scores.lblTitle->text(), QString("Best scores "));
    }

    void layoutSizesAndPlaces() {
        TfrmScores scores(nullptr);
        QCOMPARE(scores.size(), QSize(416, 488));
        QCOMPARE(scores.btnOk->geometry(), QRect(135, 374, 145, 89));
        QCOMPARE(scores.CloseButton()->X, 382);
        QCOMPARE(scores.CloseButton()->Y, 11);
        QCOMPARE(scores.Layers().LayerAt(382, 11, false), scores.CloseButton());
        QCOMPARE(scores.Layers().LayerAt(382 + 23, 11 + 23, false), scores.CloseButton());
        QCOMPARE(scores.Layers().LayerAt(382 + 24, 11, false)->Id, kDragAreaId);
        QCOMPARE(scores.Layers().LayerAt(200, 200, false)->Id, kDragAreaId);
        QCOMPARE(scores.Layers().LayerAt(416, 10, false), nullptr);
    }

    // The title and the ten counts in their designed places and faces; the counts are opaque
    // in the window's colour, and the OK button carries its glyph at full size.
    void designedLabelsFacesAndColour() {
        TfrmScores scores(nullptr);
        QCOMPARE(scores.lblTitle->pos(), QPoint(124, 8));
        QCOMPARE(scores.lblTitle->font().family(), QString("Tahoma"));
        QCOMPARE(scores.lblTitle->font().pixelSize(), 32);
        QCOMPARE(scores.btnOk->iconSize(), QSize(81, 76));
        // The framed panel fills the window from its top-left corner: its light edge runs
        // along the row below the outline, its dark edge up the column left of it.
        const TRGBPicture& composed = scores.Picture().Picture;
        QCOMPARE(PixelAt(composed, 201, 2), MakeBgrColor(241, 239, 226));
        QCOMPARE(PixelAt(composed, 416 - 1, 245), MakeBgrColor(89, 89, 89));
        static constexpr int kPlaces[10][2] = {{137, 97},  {137, 141}, {137, 194}, {137, 247},
                                               {137, 291}, {267, 94},  {267, 145}, {267, 195},
                                               {267, 241}, {267, 294}};
        const QImage face = scores.grab().toImage();
        for (int k = 1; k <= 10; ++k) {
            QLabel* label = scores.Label(k);
            QCOMPARE(label->pos(), QPoint(kPlaces[k - 1][0], kPlaces[k - 1][1]));
            QCOMPARE(label->font().family(), QString("Tahoma"));
            QCOMPARE(label->font().pixelSize(), 13);
            QCOMPARE(QColor(face.pixel(label->pos())), QColor(226, 239, 241));
        }
    }

    void pressDragOffAndReleaseLeavesTheWindowOpen() {
        TfrmScores scores(nullptr);
        scores.show();
        TLayer* close = scores.CloseButton();
        scores.FormMouseDown(Qt::LeftButton, Qt::LeftButton, {390, 20});
        QCOMPARE(close->State, lsPressed);
        QCOMPARE(close->ImageIndex, close->HoverImage); // no pressed picture: the hover one
        QVERIFY(scores.Recompose());
        scores.FormMouseMove(Qt::LeftButton, {300, 200});
        QCOMPARE(close->State, lsNormal);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        scores.FormMouseMove(Qt::LeftButton, {390, 20});
        QCOMPARE(close->State, lsPressed);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        scores.FormMouseMove(Qt::LeftButton, {300, 200});
        scores.FormMouseUp(Qt::LeftButton, Qt::NoButton, {300, 200});
        QVERIFY(scores.isVisible());
        QCOMPARE(scores.PressedLayer(), nullptr);

        // Releasing another button while the left one is held clicks nothing.
        scores.FormMouseDown(Qt::LeftButton, Qt::LeftButton, {390, 20});
        scores.FormMouseUp(Qt::RightButton, Qt::LeftButton, {390, 20});
        QVERIFY(scores.isVisible());
        QCOMPARE(scores.PressedLayer(), close);
        scores.FormMouseUp(Qt::LeftButton, Qt::NoButton, {300, 200});

        // A press and release on it closes the window.
        QTest::mousePress(&scores, Qt::LeftButton, {}, {390, 20});
        QTest::mouseRelease(&scores, Qt::LeftButton, {}, {390, 20});
        QVERIFY(!scores.isVisible());
        QCOMPARE(close->State, lsHover); // left hovered until the watchdog sees the pointer go
        platform::ScopedCursorProvider away([] { return platform::ScreenPoint{-500, -500}; });
        scores.mainTimerTimer();
        QCOMPARE(close->State, lsNormal);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void dragByAFreeSpotFollowsTheCursorAndOtherButtonsDoNothing() {
        TfrmScores scores(nullptr);
        scores.move(100, 100);
        scores.show();
        platform::ScreenPoint cursor{};
        platform::ScopedCursorProvider provider([&] { return cursor; });
        const QPoint origin = scores.pos();
        scores.FormMouseDown(Qt::RightButton, Qt::RightButton, {200, 200});
        QCOMPARE(scores.PressedLayer(), nullptr);

        scores.FormMouseDown(Qt::LeftButton, Qt::LeftButton, {200, 200});
        QCOMPARE(scores.PressedLayer()->Id, kDragAreaId);
        QVERIFY(!scores.Recompose());
        const QPoint start = scores.mapToGlobal(QPoint(200, 200));
        cursor = {start.x() + 30, start.y() - 12};
        scores.FormMouseMove(Qt::LeftButton, {230, 188});
        QCOMPARE(scores.pos(), origin + QPoint(30, -12));
        // A move that arrives while the window is being moved only records the position.
        scores.SetTag(1);
        cursor = {start.x() + 50, start.y()};
        scores.FormMouseMove(Qt::LeftButton, {250, 200});
        QCOMPARE(scores.pos(), origin + QPoint(30, -12));
        scores.FormMouseUp(Qt::LeftButton, Qt::NoButton, {250, 200});
    }

    void labelsTakeThePointerAndAFreeSpotDragsTheWindow() {
        TfrmScores scores(nullptr);
        scores.move(100, 100);
        scores.show();
        QVERIFY(QTest::qWaitForWindowExposed(&scores));
        for (QLabel* label : {scores.lblTitle, scores.Label(1), scores.Label(10)})
            checks::ControlKeepsTheWindowStill(scores, label);
        const QPoint before = scores.pos();
        checks::DragWithThePointer(&scores, {200, 60}, {40, 25});
        QCOMPARE(scores.pos(), before + QPoint(40, 25));
        QVERIFY(scores.isVisible());
    }

    void outlineCoversTheEdgeOfTheShape() {
        TfrmScores scores(nullptr);
        scores.show();
        checks::OutlineCoversTheShapeEdge(scores);
        checks::OutlineTouchesOnlyTheEdge(scores);
    }

    void hoverShowsTheStopPictureAndTheWatchdogResetsIt() {
        TfrmScores scores(nullptr);
        scores.show();
        TLayer* close = scores.CloseButton();
        // The button's whole square counts, its see-through corner too.
        scores.FormMouseMove(Qt::NoButton, {382, 11});
        QCOMPARE(scores.HoverLayer(), close);
        scores.FormMouseMove(Qt::NoButton, {390, 20});
        QCOMPARE(close->State, lsHover);
        QCOMPARE(scores.HoverLayer(), close);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
        QVERIFY(scores.mainTimer->isActive());
        const QPoint onButton = scores.mapToGlobal(QPoint(390, 20));
        platform::ScreenPoint cursor{onButton.x(), onButton.y()};
        platform::ScopedCursorProvider provider([&] { return cursor; });
        scores.mainTimerTimer();
        QCOMPARE(close->State, lsHover); // still over it
        cursor = {onButton.x() + 300, onButton.y() + 300};
        checks::PaintCounter counter(scores);
        QVERIFY(checks::FallDue(*scores.mainTimer));
        QVERIFY(counter.Paints() > 0); // the normal picture is shown again at once
        QCOMPARE(close->State, lsNormal);
        QCOMPARE(scores.HoverLayer(), nullptr);
        QVERIFY(!scores.mainTimer->isActive());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void secondShowOpensWhereTheFirstLeftIt() {
        QWidget main;
        main.setGeometry(200, 150, 800, 700);
        TfrmScores scores(&main);
        scores.show();
        QCOMPARE(scores.pos(), QPoint(200 + (800 - 416) / 2, 150 + (700 - 488) / 2));
        scores.move(40, 30);
        scores.close();
        scores.show();
        QCOMPARE(scores.pos(), QPoint(40, 30));
    }

    // Sound is on unless the store says otherwise. A hand-edited value is read in its usual
    // spellings; one that says neither leaves sound on, is reported and stays in the file.
    void theSoundSettingReadsWhatAHandWrote_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("on");
        QTest::addColumn<bool>("reported");
        for (const char* yes : {"true", " Yes ", "1", "ON"})
            QTest::newRow(yes) << QString(yes) << true << false;
        for (const char* no : {"false", "0", " No", "off"})
            QTest::newRow(no) << QString(no) << false << false;
        QTest::newRow("maybe") << QString("maybe") << true << true;
    }
    void theSoundSettingReadsWhatAHandWrote() {
        QFETCH(QString, value);
        QFETCH(bool, on);
        QFETCH(bool, reported);
        QVERIFY(ReadSoundOn());
        QVERIFY(!QFile::exists(iniPath())); // reading creates nothing
        const QString key = "Software/Harvesta/Sound/On";
        QSettings(QSettings::IniFormat, QSettings::UserScope, "Harvesta", "Harvesta")
            .setValue(key, value);
        QCOMPARE(ReadSoundOn(), on);
        QCOMPARE(messages.size(), size_t(reported ? 1 : 0));
        QCOMPARE(QSettings(QSettings::IniFormat, QSettings::UserScope, "Harvesta", "Harvesta")
                     .value(key)
                     .toString(),
                 value);
    }

    // The choice is read back as written, beside the best result, which stays; a file its
    // owner made read-only is left as it is and the write says it failed.
    void theSoundSettingIsKeptBesideTheBestResult() {
        QVERIFY(WriteSoundOn(false)); // no file yet
        QVERIFY(!ReadSoundOn());
        store({{"fruit1", 7}});
        QVERIFY(WriteSoundOn(true));
        QVERIFY(ReadSoundOn());
        QCOMPARE(stored("fruit1").toInt(), 7);

        QVERIFY(WriteSoundOn(false));
        const auto contents = [this] {
            QFile f(iniPath());
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        const QByteArray before = contents();
        QFile::setPermissions(iniPath(), QFile::ReadOwner);
        QVERIFY(!WriteSoundOn(true));
        QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(contents(), before);
        QVERIFY(!ReadSoundOn());
        QVERIFY(messages.empty());

        // A damaged file with no free place to keep it is not rewritten for the sound either.
        QFile damaged(iniPath());
        QVERIFY(damaged.open(QIODevice::Append));
        damaged.write("[broken\n");
        damaged.close();
        const QByteArray damagedBytes = contents();
        for (const char* place : {".bak", ".bak.2", ".bak.3", ".bak.4", ".bak.5", ".bak.6",
                                  ".bak.7", ".bak.8", ".bak.9"})
            QVERIFY(QFileInfo::exists(iniPath() + place) || QDir().mkpath(iniPath() + place));
        QVERIFY(!WriteSoundOn(true));
        QCOMPARE(contents(), damagedBytes);
    }

    // Each read says afresh whether its value was of another type.
    void aReadSaysAfreshWhetherItsValueHadAnotherType() {
        store({{"fruit1", QStringList{"a", "b"}}, {"fruit2", "7"}});
        const TResultsKey key(TResultsKey::Mode::ReadOnly);
        bool wrongType = false;
        QVERIFY(!key.Read("fruit1", wrongType));
        QVERIFY(wrongType);
        QCOMPARE(key.Read("fruit2", wrongType), std::optional<QString>("7"));
        QVERIFY(!wrongType);
    }

    void escapeAndOkClose() {
        TfrmScores scores(nullptr);
        scores.show();
        QTest::keyClick(&scores, Qt::Key_Escape);
        QVERIFY(!scores.isVisible());
        scores.show();
        QTest::mouseClick(scores.btnOk, Qt::LeftButton);
        QVERIFY(!scores.isVisible());
        // Enter presses the OK button; a letter does nothing.
        scores.show();
        QTest::keyClick(&scores, Qt::Key_A);
        QVERIFY(scores.isVisible());
        QTest::keyClick(&scores, Qt::Key_Return);
        QVERIFY(!scores.isVisible());
    }

    void faceIsComposedAndRecomposedOnStateChanges() {
        TfrmScores scores(nullptr);
        const TRGBPicture& face = scores.Picture().Picture;
        const auto at = [&](int x, int y) {
            const std::uint8_t* p = face.Row(y) + 3 * x;
            return qRgb(p[2], p[1], p[0]);
        };
        QCOMPARE(at(200, 470), qRgb(241, 239, 226)); // the beige panel inside
        scores.FormMouseMove(Qt::NoButton, {390, 20});
        const QImage shot = scores.grab().toImage();
        QCOMPARE(shot.size(), QSize(416, 488));
    }
};

QTEST_MAIN(ResultsTest)
#include "results_test.moc"
