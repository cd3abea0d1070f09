// The designed faces and their stand-ins: labels keep the widths they were laid out for, and a
// stand-in is registered only where the face is missing and only from a file that holds it.

#include "adapters/DesignedFonts.h"
#include "app/main.h"
#include "results/scores.h"
#include "windows/Unit1.h"
#include "windows/shwInfo.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace harvesta;
using platform::FontResolution;
using platform::FontStandIn;

namespace {

const QString kWineFonts = QStringLiteral("/usr/share/wine/fonts/");

QString resolvedFamily(const QString& family, int pixels = 13) {
    QFont font(family);
    font.setPixelSize(pixels);
    return QFontInfo(font).family();
}

QFont boldTahoma() {
    QFont bold("Tahoma");
    bold.setPixelSize(13);
    bold.setBold(true);
    return bold;
}

FontResolution::Outcome installOne(const FontStandIn& standIn) {
    return platform::InstallDesignedFonts({standIn}).front().outcome;
}

} // namespace

class FontsTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // The stand-ins come with Debian's fonts-wine and fonts-arkpandora (scripts/deps.sh);
        // without them these checks would pass on the fallback's say-so.
        for (const char* file : {"tahoma.ttf", "ms_sans_serif.ttf"})
            if (!QFile::exists(kWineFonts + file))
                QFAIL(qPrintable("missing " + kWineFonts + file + ": install fonts-wine"));
        if (!QFontDatabase::families().contains("Veranda") &&
            !QFontDatabase::families().contains("Verdana"))
            QFAIL("no Verdana-metric face: install fonts-arkpandora");
        // As the game does: the main window's faces first, the others after its first frame.
        const auto outcomes = [](platform::FontStage stage) {
            QStringList list;
            for (const FontResolution& r :
                 platform::InstallDesignedFonts(platform::DesignedFontStandIns(stage)))
                list << QString("%1 %2").arg(r.family).arg(r.outcome);
            return list;
        };
        if (QFontDatabase::families().contains("Tahoma")) { // nothing to register
            platform::InstallDesignedFonts();
            return;
        }
        QCOMPARE(outcomes(platform::FontStage::FirstFrame),
                 QStringList({"Tahoma 1", "Verdana 2"})); // registered, substituted
        QCOMPARE(QFontInfo(boldTahoma()).styleName(), QString("Regular"));
        QVERIFY(!QFontDatabase::families().contains("MS Sans Serif"));
        // The bold face joins the family registered before it.
        QCOMPARE(outcomes(platform::FontStage::Later),
                 QStringList({"Tahoma 1", "MS Sans Serif 1"}));
    }

    void everyDesignedFaceResolvesToItselfOrItsStandIn() {
        QCOMPARE(resolvedFamily("Tahoma"), QString("Tahoma"));
        QCOMPARE(resolvedFamily("MS Sans Serif", 11), QString("MS Sans Serif"));
        QVERIFY(QStringList({"Verdana", "Veranda"}).contains(resolvedFamily("Verdana", 27)));
        // Bold Tahoma is a face of its own, wider than the regular one made heavier.
        QCOMPARE(QFontInfo(boldTahoma()).styleName(), QString("Bold"));
    }

    void labelsKeepTheirDesignedWidths() {
        TfrmScores scores(nullptr);
        QVERIFY2(std::abs(scores.lblTitle->width() - 170) <= 3,
                 qPrintable(QString::number(scores.lblTitle->width())));
        QVERIFY(std::abs(scores.Label(1)->width() - 7) <= 1);

        TfrmAbout about(nullptr);
        QVERIFY2(std::abs(about.lblVersion->width() - 53) <= 1,
                 qPrintable(QString::number(about.lblVersion->width())));
        QVERIFY(std::abs(about.Label6->width() - 51) <= 1);
        QCOMPARE(about.lblVersion->height(), 13);
    }

    // Asked for by the missing name, the title would cost a search of every installed font
    // before the stand-in is tried.
    void theMainWindowAsksForAStandInByItsOwnName() {
        THarvestaForm form;
        auto* title = form.pnlTitle->findChild<QLabel*>("Label12");
        QVERIFY(title);
        const auto asked = [](const QWidget* w, const QString& family, int pixels) {
            return w->font().family().compare(resolvedFamily(family, pixels),
                                              Qt::CaseInsensitive) == 0;
        };
        QVERIFY(asked(title, "Verdana", 27));
        QVERIFY(asked(&form, "Tahoma", 11));
    }

    void theRecordTitleStaysLeftOfTheCloseButton() {
        TfrmScores scores(nullptr);
        scores.SetTitle(RecordTitle());
        QVERIFY2(scores.lblTitle->geometry().right() < scores.CloseButton()->X,
                 qPrintable(QString("title ends at %1").arg(scores.lblTitle->geometry().right())));
    }

    // Wine's Courier has one 13-pixel size; registered, it would shrink the font preview's
    // 20-pixel captions.
    void theFontPreviewCaptionsKeepTheirTwentyPixels() {
        TForm1 preview(nullptr);
        QCOMPARE(QFontInfo(preview.font()).pixelSize(), 20);
    }

    void aFaceThatIsInstalledIsLeftAlone() {
        const QStringList before = QFontDatabase::families();
        QCOMPARE(installOne({"DejaVu Sans", {kWineFonts + "courier.ttf"}, "Veranda"}),
                 FontResolution::Installed);
        QCOMPARE(QFontDatabase::families(), before);
        QCOMPARE(resolvedFamily("DejaVu Sans"), QString("DejaVu Sans"));
    }

    void aFileWithoutTheFaceIsNotKept() {
        QTemporaryDir dir;
        QFile junk(dir.filePath("tahoma.ttf"));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("not a font at all");
        junk.close();
        const QStringList before = QFontDatabase::families();
        QCOMPARE(
            installOne({"Harvesta Test Face",
                        {junk.fileName(), dir.filePath("absent.ttf"), kWineFonts + "courier.ttf"},
                        {}}),
            FontResolution::Missing);
        // The Courier file held another face: it is given back, not left registered.
        QCOMPARE(QFontDatabase::families(), before);
    }

    void aSubstituteIsUsedOnlyWhenItIsInstalled() {
        QCOMPARE(installOne({"Harvesta Nowhere", {}, "Harvesta Nowhere Either"}),
                 FontResolution::Missing);
        QVERIFY(QFont::substitutes("Harvesta Nowhere").isEmpty());
        QCOMPARE(installOne({"Harvesta Verdana", {}, "Veranda"}), FontResolution::Substituted);
        QCOMPARE(resolvedFamily("Harvesta Verdana"), QString("Veranda"));
    }

    void aSecondCallChangesNothing() {
        const QStringList before = QFontDatabase::families();
        for (const FontResolution& r : platform::InstallDesignedFonts())
            QVERIFY2(r.outcome == FontResolution::Installed ||
                         r.outcome == FontResolution::Substituted,
                     qPrintable(r.family));
        QCOMPARE(QFontDatabase::families(), before);
    }
};

QTEST_MAIN(FontsTest)
#include "fonts_test.moc"
