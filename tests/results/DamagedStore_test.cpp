// Damaged settings files: whatever a hand-edit, a half-synced home folder or a disk error left
// behind, the stored best result is neither lost nor overwritten by a smaller game, and a file
// the game cannot rewrite faithfully is kept beside the new one.

#include "ResultTexts.h"
#include "adapters/QtPlatform.h"
#include "results/BestResultStore.h"
#include "results/scores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

using namespace harvesta;
using checks::counts;
using checks::labels;
using namespace std::string_literals;

namespace {

enum class Place { File, Folder, ReadOnlyFile };

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
    }

    // Each file is loaded at start-up, then a game of 11 ends (smaller than every stored
    // result here, so it must change nothing), then a record game of 100000 ends.
    void aDamagedFileNeverLosesTheRecord_data() {
        QTest::addColumn<Place>("place");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QStringList>("messagesSeen");
        QTest::addColumn<QString>("afterRecord"); // a fresh load; empty: the file is untouched
        QTest::addColumn<bool>("keptAside");      // the old file is Harvesta.ini.bak afterwards

        QTest::newRow("garbage bytes around the record")
            << Place::File << garbage() + "\n" + kGood + garbage() << kGoodLoaded << QStringList()
            << kRecordLoaded << true;
        QTest::newRow("one malformed line among good values")
            << Place::File << kGood + "[broken\n"
            << kGoodLoaded << QStringList() << kRecordLoaded << true;
        QTest::newRow("a value beyond 32 bits")
            << Place::File << ini({"fruit1=99999999999"}) << "99999999999,0,0,0,0,0,0,0,0,0"
            << QStringList{"'99999999999' is not a valid integer value",
                           "'99999999999' is not a valid integer value"}
            << QString() << false;
        QTest::newRow("a negative value")
            << Place::File << ini({"fruit1=-40", "fruit2=90"}) << "-40,90,0,0,0,0,0,0,0,0"
            << QStringList() << kRecordLoaded << false;
        QTest::newRow("a list value")
            << Place::File << ini({"fruit1=3", "fruit2=a, b", "fruit3=500"})
            << "3,0,500,0,0,0,0,0,0,0" << QStringList{"Invalid data type for 'fruit2'"}
            << kRecordLoaded << true;
        QTest::newRow("an empty file")
            << Place::File << QByteArray() << kZeros << QStringList() << kRecordLoaded << false;
        QTest::newRow("NUL bytes")
            << Place::File
            << QByteArray::fromStdString("[Software]\nHarvesta\\Results\\fruit1=500\n\0\0\0\0\n"
                                         "Harvesta\\Results\\fruit2=7\n"s)
            << kGoodLoaded << QStringList() << kRecordLoaded << true;
        QTest::newRow("a UTF-8 byte-order mark")
            << Place::File << "\xEF\xBB\xBF" + kGood << kGoodLoaded << QStringList()
            << kRecordLoaded << true;
        QTest::newRow("CR LF line ends") << Place::File << QByteArray(kGood).replace("\n", "\r\n")
                                         << kGoodLoaded << QStringList() << kRecordLoaded << true;
        QTest::newRow("duplicated keys, the later one counts")
            << Place::File << kGood + ini({"fruit1=5"}) << "5,7,0,0,0,0,0,0,0,0" << QStringList()
            << kRecordLoaded << true;
        QTest::newRow("a folder at the file's path")
            << Place::Folder << QByteArray() << kZeros << QStringList() << QString() << false;
        QTest::newRow("a read-only file")
            << Place::ReadOnlyFile << kGood << kGoodLoaded << QStringList() << QString() << false;
    }
    void aDamagedFileNeverLosesTheRecord() {
        QFETCH(Place, place);
        QFETCH(QByteArray, content);
        QFETCH(QString, loaded);
        QFETCH(QStringList, messagesSeen);
        QFETCH(QString, afterRecord);
        QFETCH(bool, keptAside);

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
        QCOMPARE(QFile::exists(backupPath()), keptAside);
        if (keptAside) QCOMPARE(readAll(backupPath()), content);
        QCOMPARE(messages, messagesSeen);
    }

    void aCleanFileIsRewrittenWithoutACopyAndAFreshDamageReplacesTheCopy() {
        writeAll(iniPath(), kGood + "[broken\n");
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({600}), scores);
        QCOMPARE(readAll(backupPath()), kGood + "[broken\n");

        // The game's own file is clean: the copy of the damaged one stays as it was.
        CheckBestResult(counts({700}), scores);
        QCOMPARE(loadedByAFreshWindow(), "700,0,0,0,0,0,0,0,0,0");
        QCOMPARE(readAll(backupPath()), kGood + "[broken\n");

        writeAll(iniPath(), "; edited by hand\n" + readAll(iniPath()));
        const QByteArray edited = readAll(iniPath());
        CheckBestResult(counts({800}), scores);
        QCOMPARE(readAll(backupPath()), edited);
        // Nothing half-written is left in the folder.
        QCOMPARE(QDir(config->path() + "/Harvesta").entryList(QDir::Files | QDir::NoDotAndDotDot),
                 QStringList({"Harvesta.ini", "Harvesta.ini.bak"}));
        QVERIFY(messages.isEmpty());
    }

    // An empty lock is all a game killed while taking the lock leaves: it goes, and the record
    // is written at once. A lock with content belongs to a live writer and stays.
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
    }

    void aCopyThatCannotBeMadeStopsTheRewriteWithTheWriteError() {
        writeAll(iniPath(), kGood + "[broken\n");
        QVERIFY(QDir().mkpath(backupPath())); // the copy's place is taken by a folder
        TfrmScores scores(nullptr);
        LoadBestResult(scores);
        CheckBestResult(counts({600}), scores);
        QCOMPARE(messages, QStringList{"Failed to set data for 'fruit1'"});
        QCOMPARE(modalShows, 0);
        QCOMPARE(readAll(iniPath()), kGood + "[broken\n");
    }
};

QTEST_MAIN(DamagedStoreTest)
#include "DamagedStore_test.moc"
