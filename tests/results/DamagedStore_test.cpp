// Damaged settings files: whatever a hand-edit, a half-synced home folder or a disk error left
// behind, the stored best result is neither lost nor overwritten by a smaller game, and a file
// the game cannot rewrite faithfully is kept beside the new one, never over a copy kept before.

#include "ResultTexts.h"
#include "adapters/QtPlatform.h"
#include "results/BestResultStore.h"
#include "results/scores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace harvesta;
using checks::counts;
using checks::labels;
using namespace std::string_literals;

namespace {

enum class Place { None, File, Folder, ReadOnlyFile };

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray garbage() {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i)
        bytes.append(char((i * 37 + 11) % 256));
    return bytes;
}

// A settings file with the values under the results key, one a line.
QByteArray ini(std::initializer_list<const char*> values) {
    QByteArray bytes = "[Software]\n";
    for (const char* value : values)
        bytes += QByteArray("Harvesta\\Results\\") + value + "\n";
    return bytes;
}

const QByteArray kGood = ini({"fruit1=500", "fruit2=7"});
const QByteArray kHandCommented = "; my daughter's best game\n" + kGood;
// A damaged original that an earlier record kept aside.
const QByteArray kKeptBefore = ini({"fruit1=900"}) + "[broken\n";
const QString kZeros = "0,0,0,0,0,0,0,0,0,0";
const QString kGoodLoaded = "500,7,0,0,0,0,0,0,0,0";
const QString kRecordLoaded = "0,0,0,0,0,0,0,0,0,100000";

} // namespace

Q_DECLARE_METATYPE(Place)

class DamagedStoreTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config;
    QStringList messages;
    std::unique_ptr<platform::ScopedMessageHandler> messageGuard;
    std::unique_ptr<platform::ScopedModalRunner> modalGuard;
    int modalShows = 0;
    QByteArray savedTemp = qgetenv("TMPDIR");

    QString iniPath() const { return config->path() + "/Harvesta/Harvesta.ini"; }
    QString backupPath() const { return iniPath() + ".bak"; }
    // What a fresh start of the game would show.
    QString loadedByAFreshWindow() {
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        return labels(scores);
    }

  private slots:
    void initTestCase() {
#ifdef Q_OS_WIN
        QSKIP("On Windows the result lives in the registry, not in a settings file");
#endif
    }
    void init() {
        config = std::make_unique<QTemporaryDir>();
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config->path());
        messages.clear();
        modalShows = 0;
        messageGuard =
            std::make_unique<platform::ScopedMessageHandler>([this](const auto& request) {
                messages << QString::fromStdString(request.text);
                return platform::MessageAnswer::Ok;
            });
        modalGuard = std::make_unique<platform::ScopedModalRunner>([this](QDialog&) {
            ++modalShows;
            return 0;
        });
    }
    void cleanup() {
        modalGuard.reset();
        messageGuard.reset();
        if (savedTemp.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", savedTemp);
    }

    // Each file is loaded at start-up, then a game of 11 ends (smaller than every stored
    // result here, so it must change nothing), then a record game of 100000 ends.
    void aDamagedFileNeverLosesTheRecord_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QStringList>("messagesSeen");
        QTest::addColumn<QString>("afterRecord"); // a fresh load; empty: the file is untouched
        QTest::addColumn<bool>("keptAside");      // the old file is kept beside it afterwards
        QTest::addColumn<Place>("copyBefore");    // what Harvesta.ini.bak was before
        QTest::addColumn<QString>("temp");        // TMPDIR, where not the usual one

        QTest::newRow("garbage bytes around the record")
            << Place::File << garbage() + "\n" + kGood + garbage() << kGoodLoaded << QStringList()
            << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("one malformed line among good values")
            << Place::File << kGood + "[broken\n"
            << kGoodLoaded << QStringList() << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("a value beyond 32 bits")
            << Place::File << ini({"fruit1=99999999999"}) << "99999999999,0,0,0,0,0,0,0,0,0"
            << QStringList{"'99999999999' is not a valid integer value",
                           "'99999999999' is not a valid integer value"}
            << QString() << false << Place::None << QString();
        QTest::newRow("a negative value")
            << Place::File << ini({"fruit1=-40", "fruit2=90"}) << "-40,90,0,0,0,0,0,0,0,0"
            << QStringList() << kRecordLoaded << false << Place::None << QString();
        QTest::newRow("a list value")
            << Place::File << ini({"fruit1=3", "fruit2=a, b", "fruit3=500"})
            << "3,0,500,0,0,0,0,0,0,0" << QStringList{"Invalid data type for 'fruit2'"}
            << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("a list value for the last fruit")
            << Place::File << ini({"fruit1=500", "fruit10=a, b"}) << "500,0,0,0,0,0,0,0,0,0"
            << QStringList{"Invalid data type for 'fruit10'"} << kRecordLoaded << true
            << Place::None << QString();
        QTest::newRow("an empty file") << Place::File << QByteArray() << kZeros << QStringList()
                                       << kRecordLoaded << false << Place::None << QString();
        QTest::newRow("NUL bytes")
            << Place::File
            << QByteArray::fromStdString("[Software]\nHarvesta\\Results\\fruit1=500\n\0\0\0\0\n"
                                         "Harvesta\\Results\\fruit2=7\n"s)
            << kGoodLoaded << QStringList() << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("a UTF-8 byte-order mark")
            << Place::File << "\xEF\xBB\xBF" + kGood << kGoodLoaded << QStringList()
            << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("CR LF line ends")
            << Place::File << QByteArray(kGood).replace("\n", "\r\n") << kGoodLoaded
            << QStringList() << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("duplicated keys, the later one counts")
            << Place::File << kGood + ini({"fruit1=5"}) << "5,7,0,0,0,0,0,0,0,0" << QStringList()
            << kRecordLoaded << true << Place::None << QString();
        QTest::newRow("a folder at the file's path")
            << Place::Folder << QByteArray() << kZeros << QStringList() << QString() << false
            << Place::None << QString();
        QTest::newRow("a read-only file")
            << Place::ReadOnlyFile << kGood << kGoodLoaded << QStringList() << QString() << false
            << Place::None << QString();

        // A temporary folder that cannot be used leaves the check to the settings folder: the
        // game's own clean file is no damaged one, and the damaged original kept before stays.
        QTest::newRow("no temporary folder, a copy kept before")
            << Place::File << kGood << kGoodLoaded << QStringList() << kRecordLoaded << false
            << Place::File << "/proc";
        QTest::newRow("no temporary folder, a damaged file")
            << Place::File << kGood + "[broken\n"
            << kGoodLoaded << QStringList() << kRecordLoaded << true << Place::None << "/proc";
        // A kept copy is never replaced: a fresh damage is kept beside it.
        QTest::newRow("a damaged file, a copy kept before")
            << Place::File << kGood + "[broken\n"
            << kGoodLoaded << QStringList() << kRecordLoaded << true << Place::File << QString();
        // Comments are all the rewrite drops from a hand-commented file: where they cannot be
        // kept, the record is still written and celebrated.
        QTest::newRow("hand comments, no copy before")
            << Place::File << kHandCommented << kGoodLoaded << QStringList() << kRecordLoaded
            << true << Place::None << QString();
        QTest::newRow("hand comments, a folder at the copy's place")
            << Place::File << kHandCommented << kGoodLoaded << QStringList() << kRecordLoaded
            << true << Place::Folder << QString();
        QTest::newRow("hand comments, a read-only copy before")
            << Place::File << kHandCommented << kGoodLoaded << QStringList() << kRecordLoaded
            << true << Place::ReadOnlyFile << QString();
    }

    void aDamagedFileNeverLosesTheRecord() {
        QFETCH(Place, place);
        QFETCH(QByteArray, content);
        QFETCH(QString, loaded);
        QFETCH(QStringList, messagesSeen);
        QFETCH(QString, afterRecord);
        QFETCH(bool, keptAside);
        QFETCH(Place, copyBefore);
        QFETCH(QString, temp);

        if (copyBefore == Place::Folder) QVERIFY(QDir().mkpath(backupPath()));
        if (copyBefore == Place::File || copyBefore == Place::ReadOnlyFile)
            writeAll(backupPath(), kKeptBefore);
        if (copyBefore == Place::ReadOnlyFile)
            QVERIFY(QFile::setPermissions(backupPath(), QFileDevice::ReadOwner));
        if (!temp.isEmpty()) qputenv("TMPDIR", temp.toLocal8Bit());

        if (place == Place::Folder) {
            QVERIFY(QDir().mkpath(iniPath()));
        } else {
            writeAll(iniPath(), content);
        }
        if (place == Place::ReadOnlyFile)
            QVERIFY(QFile::setPermissions(iniPath(), QFileDevice::ReadOwner |
                                                         QFileDevice::ReadGroup |
                                                         QFileDevice::ReadOther));

        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        QCOMPARE(labels(scores), loaded);

        CheckBestResult(counts({0, 0, 11}), scores);
        if (place == Place::Folder) {
            QVERIFY(QFileInfo(iniPath()).isDir());
        } else if (content.isEmpty()) {
            QCOMPARE(loadedByAFreshWindow(), "0,0,11,0,0,0,0,0,0,0"); // nothing was stored
        } else {
            QCOMPARE(readAll(iniPath()), content);
        }

        const int shownBefore = modalShows;
        CheckBestResult(counts({0, 0, 0, 0, 0, 0, 0, 0, 0, 100000}), scores);
        if (afterRecord.isEmpty()) {
            if (place == Place::Folder) {
                QVERIFY(QFileInfo(iniPath()).isDir());
                QVERIFY(QDir(iniPath()).isEmpty());
            } else {
                QCOMPARE(readAll(iniPath()), content);
            }
        } else {
            QCOMPARE(loadedByAFreshWindow(), afterRecord);
        }
        // The record is celebrated whenever it was stored.
        if (!afterRecord.isEmpty()) QCOMPARE(modalShows, shownBefore + 1);
        QCOMPARE(messages, messagesSeen);
        // A copy kept before stays as it was; the old file is kept in the first free place.
        const QString copy = copyBefore == Place::None ? backupPath() : backupPath() + ".2";
        QCOMPARE(QFile::exists(copy), keptAside);
        if (keptAside) QCOMPARE(readAll(copy), content);
        if (copyBefore == Place::Folder) QVERIFY(QFileInfo(backupPath()).isDir());
        if (copyBefore == Place::File || copyBefore == Place::ReadOnlyFile)
            QCOMPARE(readAll(backupPath()), kKeptBefore);
        // Nothing of the check is left in the settings folder.
        QCOMPARE(QDir(config->path() + "/Harvesta")
                     .entryList({"*check*"}, QDir::AllEntries | QDir::Hidden),
                 QStringList());
    }

    void aCleanFileIsRewrittenWithoutACopyAndAKeptCopyIsNeverReplaced() {
        writeAll(iniPath(), kGood + "[broken\n");
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({600}), scores);
        QCOMPARE(readAll(backupPath()), kGood + "[broken\n");

        // The game's own file is clean: the copy of the damaged one stays as it was.
        CheckBestResult(counts({700}), scores);
        QCOMPARE(loadedByAFreshWindow(), "700,0,0,0,0,0,0,0,0,0");
        QCOMPARE(readAll(backupPath()), kGood + "[broken\n");

        // A fresh hand-edit is kept beside the first copy, which stays.
        writeAll(iniPath(), "; edited by hand\n" + readAll(iniPath()));
        const QByteArray edited = readAll(iniPath());
        CheckBestResult(counts({800}), scores);
        QCOMPARE(loadedByAFreshWindow(), "800,0,0,0,0,0,0,0,0,0");
        QCOMPARE(readAll(backupPath()), kGood + "[broken\n");
        QCOMPARE(readAll(backupPath() + ".2"), edited);
        // The same damage again is kept once.
        writeAll(iniPath(), edited);
        CheckBestResult(counts({900}), scores);
        // Nothing half-written is left in the folder.
        QCOMPARE(QDir(config->path() + "/Harvesta").entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList({"Harvesta.ini", "Harvesta.ini.bak", "Harvesta.ini.bak.2"}));
        // Each fresh hand-edit takes the next free place, up to the ninth.
        for (int n = 3; n <= 9; ++n) {
            writeAll(iniPath(), QString("; edit %1\n").arg(n).toUtf8() + readAll(iniPath()));
            const QByteArray again = readAll(iniPath());
            CheckBestResult(counts({900 + n}), scores);
            QCOMPARE(readAll(backupPath() + QString(".%1").arg(n)), again);
        }
        QCOMPARE(readAll(backupPath()), kGood + "[broken\n");
        QVERIFY(messages.isEmpty());
    }

    // An empty lock is all a game killed while taking the lock leaves: it goes, and the record
    // is written at once. A lock with content, or one a writer holds, belongs to a live writer
    // and stays.
    void anAbandonedLockIsRemovedAndALiveOneKept() {
        writeAll(iniPath(), kGood);
        writeAll(iniPath() + ".lock", "");
        TfrmScores scores(nullptr);
        CheckBestResult(counts({600}), scores);
        QCOMPARE(loadedByAFreshWindow(), "600,0,0,0,0,0,0,0,0,0");
        QVERIFY(!QFile::exists(iniPath() + ".lock"));

        const QString other = config->path() + "/other.lock";
        writeAll(other, "4242\nhost\nHarvesta\n");
        QVERIFY(!RemoveAbandonedLock(other));
        QVERIFY(QFile::exists(other));
        QVERIFY(QDir().mkpath(config->path() + "/folder.lock"));
        QVERIFY(!RemoveAbandonedLock(config->path() + "/folder.lock"));
        QVERIFY(!RemoveAbandonedLock(config->path() + "/missing.lock"));
        writeAll(other, "");
        QVERIFY(RemoveAbandonedLock(other));
        QVERIFY(!QFile::exists(other));

        // A live writer caught between creating its lock and filling it: the lock is empty,
        // yet held, and stays.
        QLockFile writer(other);
        QVERIFY(writer.tryLock());
        QVERIFY(QFile(other).open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(QFileInfo(other).size(), 0);
        QVERIFY(!RemoveAbandonedLock(other));
        QVERIFY(QFile::exists(other));
        writer.unlock();
        QVERIFY(!QFile::exists(other));
    }

    // With no place left for a copy, a damaged file stays as it is and the record is not
    // written; a file that would lose only its comments is written all the same.
    void aCopyThatCannotBeMadeStopsOnlyTheRewriteOfADamagedFile_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("written");
        QTest::newRow("damaged") << kGood + "[broken\n" << false;
        QTest::newRow("hand comments") << kHandCommented << true;
    }
    void aCopyThatCannotBeMadeStopsOnlyTheRewriteOfADamagedFile() {
        QFETCH(QByteArray, content);
        QFETCH(bool, written);
        writeAll(iniPath(), content);
        // Every place of a copy is taken by a folder.
        QVERIFY(QDir().mkpath(backupPath()));
        for (int n = 2; n <= 9; ++n)
            QVERIFY(QDir().mkpath(backupPath() + "." + QString::number(n)));
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({600}), scores);
        if (written) {
            QVERIFY(messages.isEmpty());
            QCOMPARE(modalShows, 1);
            QCOMPARE(loadedByAFreshWindow(), "600,0,0,0,0,0,0,0,0,0");
        } else {
            QCOMPARE(messages, QStringList{"Failed to set data for 'fruit1'"});
            QCOMPARE(modalShows, 0);
            QCOMPARE(readAll(iniPath()), content);
        }
    }
};

QTEST_MAIN(DamagedStoreTest)
#include "DamagedStore_test.moc"
