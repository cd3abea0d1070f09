// The game in every language it speaks: each text fits its designed box at each display scale,
// is drawn in a face that has its letters, and no translation is left unfinished. English is
// the game's own texts, with their trailing blanks.

#include "adapters/DesignedFonts.h"
#include "adapters/QtPlatform.h"
#include "adapters/Translation.h"
#include "app/main.h"
#include "assets/ResourceStore.h"
#include "results/scores.h"
#include "windows/Help_module.h"
#include "windows/Unit1.h"
#include "windows/shwInfo.h"

#include <QAction>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QXmlStreamReader>
#include <QtTest>

using namespace harvesta;

namespace {

// English (empty) and every translation.
QStringList everyLanguage() {
    return QStringList{QString()} + platform::TranslatedLanguages();
}

// The three display scales come from these screen widths.
constexpr int kScreenWidths[] = {1366, 800, 700};

QString where(const QString& language, const QString& what) {
    return QStringLiteral("%1: %2").arg(language.isEmpty() ? QStringLiteral("en") : language, what);
}

void installLanguage(const QString& language) {
    const QString chosen =
        platform::InstallTranslation({language.isEmpty() ? QStringLiteral("C") : language});
    QCOMPARE(chosen, language);
}

// A label inside its parent's area, and its face with every letter of its text.
void checkLabel(const QString& language, const QLabel* label, const QRect& box) {
    QVERIFY2(
        box.contains(label->geometry()),
        qPrintable(where(language, QStringLiteral("\"%1\" leaves its box").arg(label->text()))));
    QVERIFY2(platform::FaceHasLetters(label->font(), label->text()),
             qPrintable(where(language, QStringLiteral("\"%1\" lacks letters in %2")
                                            .arg(label->text(), label->font().family()))));
}

// A button's caption (and its glyph) within the button, inside its frame and margins, in a
// face with its letters.
void checkButton(const QString& language, const QPushButton* button) {
    const QStyle* style = button->style();
    const int iconWidth = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int needed = QFontMetrics(button->font())
                           .horizontalAdvance(QString(button->text()).remove(QLatin1Char('&'))) +
                       iconWidth + 2 * style->pixelMetric(QStyle::PM_ButtonMargin) +
                       2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    QVERIFY2(needed <= button->width(),
             qPrintable(where(language,
                              QStringLiteral("\"%1\" wider than its button").arg(button->text()))));
    QVERIFY2(
        platform::FaceHasLetters(button->font(), button->text()),
        qPrintable(where(language, QStringLiteral("\"%1\" lacks letters").arg(button->text()))));
}

// The message entries of one .ts file: whether any is unfinished and how many there are.
struct TsSummary {
    int finished = 0;
    QStringList unfinished;
    QString declaredLanguage;
};

TsSummary readTs(const QString& path) {
    TsSummary summary;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return summary;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (!xml.readNextStartElement()) continue;
        if (xml.name() == QLatin1String("TS"))
            summary.declaredLanguage = xml.attributes().value("language").toString();
        else if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value("type").toString();
            const QString text = xml.readElementText();
            if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) continue;
            if (type == QLatin1String("unfinished") || text.isEmpty())
                summary.unfinished << source;
            else
                ++summary.finished;
        }
    }
    return summary;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<platform::ScopedModalRunner> modal;

  private slots:
    void initTestCase() {
        platform::InstallDesignedFonts();
        modal = std::make_unique<platform::ScopedModalRunner>([](QDialog&) { return 0; });
    }

    void cleanup() {
        platform::InstallTranslation({QStringLiteral("C")});
        platform::SetScreenWidthOverride(std::nullopt);
    }

    void theSystemsPreferenceChoosesTheLanguage_data() {
        QTest::addColumn<QStringList>("preferences");
        QTest::addColumn<QString>("language");
        QTest::newRow("German of Germany") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("locale name with its encoding") << QStringList{"fr_CA.UTF-8"} << "fr";
        QTest::newRow("Brazilian") << QStringList{"pt-BR"} << "pt_BR";
        QTest::newRow("Portuguese of Portugal reads Brazilian") << QStringList{"pt-PT"} << "pt_BR";
        QTest::newRow("Greek") << QStringList{"el-GR"} << "el";
        QTest::newRow("Ukrainian before Russian") << QStringList{"uk", "ru"} << "uk";
        QTest::newRow("an unspoken one skipped") << QStringList{"ja-JP", "ru-RU"} << "ru";
        QTest::newRow("English first wins") << QStringList{"en-US", "de-DE"} << "";
        QTest::newRow("C") << QStringList{"C"} << "";
        QTest::newRow("POSIX") << QStringList{"POSIX"} << "";
        QTest::newRow("nothing spoken") << QStringList{"ja-JP", "zh-CN"} << "";
        QTest::newRow("nothing at all") << QStringList{} << "";
    }
    void theSystemsPreferenceChoosesTheLanguage() {
        QFETCH(QStringList, preferences);
        QFETCH(QString, language);
        QCOMPARE(platform::ChooseLanguage(preferences), language);
    }

    // The test runs under LANG=C (see its CMake entry) or under the language it is told.
    void theSystemLanguageIsTheOneInstalled() {
        const QString expected = qEnvironmentVariable("HARVESTA_EXPECT_LANGUAGE");
        QCOMPARE(platform::InstallTranslation(), expected);
        THarvestaForm form;
        const QString caption = form.mnuStartGame->text();
        if (expected.isEmpty())
            QCOMPARE(caption, QString("Start game"));
        else
            QVERIFY2(caption != QLatin1String("Start game"), qPrintable(caption));
    }

    void englishIsTheGamesOwnText() {
        installLanguage({});
        THarvestaForm form;
        QStringList captions;
        for (const QAction* action : form.menuBar()->actions())
            if (action->isVisible()) captions << action->text();
        QCOMPARE(captions, QStringList({"Start game", "Pause", "Best scores", "Manual", "About",
                                        "Sound", "Exit"}));
        QCOMPARE(BestScoresTitle(), QString("Best scores "));
        QCOMPARE(RecordTitle(), QString("You get highest results! "));
        QCOMPARE(platform::ManualBlockName(), QString("help_file"));
    }

    void everyTranslationIsComplete() {
        const QDir dir(QStringLiteral(HARVESTA_SOURCE_DIR "/translations"));
        QStringList files = dir.entryList({"harvesta_*.ts"}, QDir::Files, QDir::Name);
        QStringList expected;
        for (const QString& language : platform::TranslatedLanguages())
            expected << QStringLiteral("harvesta_%1.ts").arg(language);
        expected.sort();
        QCOMPARE(files, expected);
        int entries = -1;
        for (const QString& name : files) {
            const TsSummary summary = readTs(dir.filePath(name));
            QVERIFY2(summary.unfinished.isEmpty(),
                     qPrintable(name + ": unfinished " + summary.unfinished.join(" | ")));
            QVERIFY2(name.contains(summary.declaredLanguage), qPrintable(name));
            if (entries < 0) entries = summary.finished;
            QVERIFY2(summary.finished == entries, qPrintable(name + ": entries missing"));
        }
        QVERIFY(entries > 30);
    }

    // Breaks and spaces of every kind need no glyph: a page's line break (U+2028) in a face
    // that has no glyph for it does not make the face lack letters.
    void spacesAndBreaksNeedNoGlyphInAnyFace() {
        const QString breaks = QString::fromUtf8("\u2028\u2029\u00A0\u200B\u00AD\t\n");
        for (const QString& family : QFontDatabase::families()) {
            QFont font(family);
            QCOMPARE(platform::FaceHasLetters(font, "ab" + breaks + "c"),
                     platform::FaceHasLetters(font, "abc"));
        }
    }

    void everyLanguageHasItsOwnWordsAndManual() {
        for (const QString& language : platform::TranslatedLanguages()) {
            installLanguage(language);
            QVERIFY2(BestScoresTitle() != QLatin1String("Best scores "), qPrintable(language));
            QVERIFY2(QCoreApplication::translate("THarvestaForm", "YIELD") != "YIELD",
                     qPrintable(language));
            QVERIFY2(platform::ManualBlockName() != QLatin1String("help_file"),
                     qPrintable(language + ": no manual page of its own"));
            ThlpForm manual(nullptr);
            const QString page = manual.wbHelp->toPlainText();
            QVERIFY2(page.contains(QLatin1String("Harvesta")), qPrintable(language));
            QVERIFY2(!page.contains(QChar::ReplacementCharacter),
                     qPrintable(language + ": the page is decoded in the wrong character set"));
            QVERIFY2(!page.contains(QLatin1String("fruit factory")), qPrintable(language));
            for (QTextBlock block = manual.wbHelp->document()->begin(); block.isValid();
                 block = block.next())
                for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                    QVERIFY2(platform::FaceHasLetters(fragment.fragment().charFormat().font(),
                                                      fragment.fragment().text()),
                             qPrintable(language + ": " + fragment.fragment().text()));
        }
    }

    // The pause and game-over overlays carry words: each language shows its own, on the same
    // panel at the same size, and loading them reports nothing.
    void theBoardsOverlaysSpeakTheLanguage() {
        std::vector<platform::MessageRequest> errors;
        const platform::ScopedMessageHandler messages([&](const platform::MessageRequest& r) {
            errors.push_back(r);
            return platform::MessageAnswer::Ok;
        });
        const auto overlays = [](const THarvestaForm& form) {
            std::vector<TRGBPicture> pictures;
            for (const int entry : {12, 13})
                pictures.push_back(*form.BoardImages().At(form.BoardImageIndex(entry)));
            return pictures;
        };
        installLanguage({});
        const std::vector<TRGBPicture> english = overlays(THarvestaForm());
        for (const QString& language : platform::TranslatedLanguages()) {
            installLanguage(language);
            const std::vector<TRGBPicture> own = overlays(THarvestaForm());
            for (std::size_t i = 0; i < own.size(); ++i) {
                QVERIFY2(own[i].Width == english[i].Width && own[i].Height == english[i].Height,
                         qPrintable(language));
                // "Pause" is German too; the game-over words differ everywhere.
                if (i == 1 || (language != QLatin1String("de") && language != QLatin1String("fr")))
                    QVERIFY2(own[i].Bits != english[i].Bits,
                             qPrintable(language + ": the English words on the board"));
            }
        }
        QVERIFY2(errors.empty(), errors.empty() ? "" : errors.front().text.c_str());
    }

    void aCoreMessageIsTranslatedLineByLine() {
        installLanguage("de");
        const platform::MessageRequest shown = platform::TranslatedMessage(
            {"Error loading image\r\nAPPLE\r\nthe picture is too large", "Error",
             platform::MessageIcon::None, platform::MessageButtons::Ok});
        QCOMPARE(QString::fromStdString(shown.text),
                 QString("Ein Bild lässt sich nicht laden\r\nAPPLE\r\ndas Bild ist zu groß"));
        QCOMPARE(QString::fromStdString(shown.caption), QString("Fehler"));
    }

    // The game's own message box: the request in the player's language, its icon, and Yes
    // and No with Yes the default, answering the button pressed.
    void aMessageBoxShowsTheRequestAndAnswersTheButtonPressed() {
        installLanguage("de");
        platform::InstallQtServices();
        const platform::ScopedMessageHandler qtBoxes(platform::SetMessageHandler(nullptr));
        struct Shown {
            QString text, title;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons buttons;
            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
        } shown;
        int press = QMessageBox::No;
        const platform::ScopedModalRunner answer([&](QDialog& dialog) {
            auto& box = dynamic_cast<QMessageBox&>(dialog);
            shown = {box.text(), box.windowTitle(), box.icon(), box.standardButtons(),
                     box.defaultButton() ? box.standardButton(box.defaultButton())
                                         : QMessageBox::NoButton};
            return press;
        });
        const platform::MessageRequest question{"Error", "Error", platform::MessageIcon::Question,
                                                platform::MessageButtons::YesNo};
        QCOMPARE(platform::ShowMessage(question), platform::MessageAnswer::No);
        QCOMPARE(shown.text, QString::fromStdString(platform::TranslatedMessage(question).text));
        QCOMPARE(shown.title, QString("Fehler"));
        QCOMPARE(shown.icon, QMessageBox::Question);
        QCOMPARE(shown.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(shown.defaultButton, QMessageBox::Yes);
        press = QMessageBox::Yes;
        QCOMPARE(platform::ShowMessage(question), platform::MessageAnswer::Yes);
        press = QMessageBox::Ok;
        QCOMPARE(platform::ShowMessage({"Error", "", platform::MessageIcon::Error}),
                 platform::MessageAnswer::Ok);
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }

    // The menu bar, YIELD, the counts, the best scores titles and button, the about window's
    // lines and the font preview's buttons, for every language at every display scale.
    void everyTextFitsItsBoxWithItsOwnLetters() {
        for (const QString& language : everyLanguage()) {
            installLanguage(language);
            for (const int screenWidth : kScreenWidths) {
                platform::SetScreenWidthOverride(screenWidth);
                THarvestaForm form;
                form.show();
                QVERIFY(QTest::qWaitForWindowExposed(&form));
                const auto checkMenu = [&] {
                    QMenuBar* bar = form.menuBar();
                    QCoreApplication::sendPostedEvents();
                    bar->adjustSize();
                    bar->resize(form.width(), bar->height());
                    for (QAction* action : bar->actions()) {
                        if (!action->isVisible()) continue;
                        const QRect place = bar->actionGeometry(action);
                        QVERIFY2(
                            !place.isEmpty() && place.right() < bar->width(),
                            qPrintable(where(language, QStringLiteral("\"%1\" off the bar at %2")
                                                           .arg(action->text())
                                                           .arg(screenWidth))));
                        QVERIFY2(platform::FaceHasLetters(bar->font(), action->text()),
                                 qPrintable(where(language, action->text())));
                    }
                    const auto* arrow = bar->findChild<QToolButton*>("qt_menubar_ext_button");
                    QVERIFY2(!arrow || arrow->isHidden(),
                             qPrintable(where(language, "the menu bar shows its overflow arrow")));
                };
                checkMenu();
                form.mnuStartGameClick(); // "New game" from now on
                form.harvestaTimer().stop();
                checkMenu();

                const auto* title = form.pnlTitle->findChild<QLabel*>("Label12");
                QVERIFY(title);
                checkLabel(language, title, form.pnlTitle->rect());
            }
            platform::SetScreenWidthOverride(std::nullopt);

            TfrmScores scores(nullptr);
            for (const QString& text : {BestScoresTitle(), RecordTitle()}) {
                scores.SetTitle(text);
                QVERIFY2(scores.lblTitle->x() >= 0 &&
                             scores.lblTitle->geometry().right() < scores.CloseButton()->X,
                         qPrintable(where(language, text + " reaches the close button")));
                QVERIFY2(platform::FaceHasLetters(scores.lblTitle->font(), text),
                         qPrintable(where(language, text)));
            }
            checkButton(language, scores.btnOk);

            TfrmAbout about(nullptr);
            for (const QLabel* label : {about.lblVersion, static_cast<QLabel*>(about.Label6)})
                checkLabel(language, label, about.rect().adjusted(0, 0, -1, 0));
            checkButton(language, about.btnOk);

            TForm1 preview(nullptr);
            checkButton(language, preview.Button1);
            checkButton(language, preview.Button2);
        }
    }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
