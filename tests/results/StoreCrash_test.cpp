// A record write that is cut off at any moment (the game killed or crashing) leaves the old
// record or the new one, whole: a child process writes records in a loop and is killed with
// SIGKILL (QProcess::kill) at random moments.
//
// HARVESTA_KILL_ROUNDS sets the number of kills (the suite runs a few dozen), HARVESTA_KILL_SEED
// repeats a run.

#include "results/BestResultStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstdlib>

using namespace harvesta;

namespace {

constexpr int kSuiteRounds = 40;

std::array<QString, 10> record(int n) {
    std::array<QString, 10> values;
    values.fill(QString::number(n));
    return values;
}

void useConfigFolder(const QString& folder) {
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

// The child: writes records first, first + 1, ... and says which ones are committed and how
// long each write took, in nanoseconds.
int writeRecordsUntilKilled(const QString& folder, int first) {
    useConfigFolder(folder);
    for (int n = first;; ++n) {
        QElapsedTimer took;
        took.start();
        TResultsKey key(TResultsKey::Mode::ReadWrite);
        if (!key.IsOpen() || !key.WriteAll(record(n))) return 2;
        std::printf("%d %lld\n", n, static_cast<long long>(took.nsecsElapsed()));
        std::fflush(stdout);
    }
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The record the file holds when all ten values are one count; nullopt for a mix, a missing
// value or a file that does not parse. Read from a copy at a path of its own, so no cached
// reading of an earlier round can answer.
std::optional<int> wholeRecordIn(const QByteArray& bytes, const QString& scratch, bool& clean) {
    QFile::remove(scratch);
    QFile copy(scratch);
    if (!copy.open(QIODevice::WriteOnly) || copy.write(bytes) != bytes.size()) return std::nullopt;
    copy.close();
    QSettings settings(scratch, QSettings::IniFormat);
    clean = settings.status() == QSettings::NoError;
    if (settings.status() == QSettings::AccessError) return std::nullopt;
    const QString first = settings.value("Software/Harvesta/Results/fruit1").toString();
    for (int k = 2; k <= 10; ++k)
        if (settings.value(QString("Software/Harvesta/Results/fruit%1").arg(k)).toString() != first)
            return std::nullopt;
    bool ok = false;
    const int n = first.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

// Runs the writer and kills it after `confirmations` committed writes and a random part of
// the next one. Gives the last record it confirmed, or `stored` when none.
class TKilledWriter {
  public:
    TKilledWriter(const QString& folder, QRandomGenerator& random)
        : folder_(folder), random_(random) {
        environment_ = QProcessEnvironment::systemEnvironment();
        // What a killed writer leaves in the temporary folder goes with the test's own.
        environment_.insert("TMPDIR", scratch_.path());
    }

    std::optional<int> Run(int stored, int confirmations) {
        QProcess child;
        child.setProcessEnvironment(environment_);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--write-records", folder_, QString::number(stored + 1)});
        if (!child.waitForStarted()) return std::nullopt;
        QByteArray out;
        while (out.count('\n') < confirmations) {
            // Longer than a write could take, shorter than a wait for an abandoned lock.
            if (!child.waitForReadyRead(20000)) return std::nullopt;
            out += child.readAllStandardOutput();
        }
        for (const QByteArray& line : out.trimmed().split('\n'))
            if (line.contains(' ')) {
                writeTime_ += line.split(' ').last().toLongLong();
                ++writes_;
            }
        const qint64 spin = qint64(random_.bounded(double(MeanWrite())));
        QElapsedTimer spinning;
        spinning.start();
        while (spinning.nsecsElapsed() < spin) {
        }
        child.kill(); // SIGKILL on POSIX systems
        if (!child.waitForFinished() || child.exitStatus() != QProcess::CrashExit)
            return std::nullopt;
        out = (out + child.readAllStandardOutput()).trimmed();
        return out.isEmpty() ? stored : out.split('\n').last().split(' ').first().toInt();
    }
    qint64 MeanWrite() const { return writes_ ? writeTime_ / writes_ : 100000; } // ns
    QString Scratch(const QString& name) const { return scratch_.filePath(name); }

  private:
    QString folder_;
    QRandomGenerator& random_;
    QTemporaryDir scratch_;
    QProcessEnvironment environment_;
    qint64 writeTime_ = 0, writes_ = 0;
};

} // namespace

class StoreCrashTest : public QObject {
    Q_OBJECT

  private slots:
    void aKilledWriterLeavesTheOldRecordOrTheNewOneWhole() {
        if (QSysInfo::kernelType() == "winnt")
            QSKIP(
                "On Windows the result lives in the registry; this test covers the settings file");
        const int rounds = qEnvironmentVariableIsSet("HARVESTA_KILL_ROUNDS")
                               ? qEnvironmentVariableIntValue("HARVESTA_KILL_ROUNDS")
                               : kSuiteRounds;
        const quint32 seed = qEnvironmentVariableIsSet("HARVESTA_KILL_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("HARVESTA_KILL_SEED"))
                                 : QRandomGenerator::global()->generate();
        qInfo("%d kills, HARVESTA_KILL_SEED=%u", rounds, seed);
        QRandomGenerator random(seed);

        QTemporaryDir config;
        QVERIFY(config.isValid());
        useConfigFolder(config.path());
        const QString ini = config.path() + "/Harvesta/Harvesta.ini";
        const QString bak = ini + ".bak";
        {
            TResultsKey key(TResultsKey::Mode::ReadWrite);
            QVERIFY(key.WriteAll(record(0)));
        }
        TKilledWriter writer(config.path(), random);
        int stored = 0;
        QByteArray damaged; // the file's bytes while it is damaged, else empty
        int damagedRounds = 0, cutBeforeFirst = 0;
        for (int round = 0; round < rounds; ++round) {
            // Every third round starts from a damaged file, so the copy kept aside is cut off
            // too.
            if (damaged.isEmpty() && round % 3 == 2) {
                QFile::remove(bak);
                damaged = readAll(ini) + "[broken\n";
                QFile file(ini);
                QVERIFY(file.open(QIODevice::WriteOnly));
                QCOMPARE(file.write(damaged), damaged.size());
            }
            if (!damaged.isEmpty()) ++damagedRounds;

            const QString at = QString("round %1, seed %2").arg(round).arg(seed);
            const auto confirmed = writer.Run(stored, int(random.bounded(3)));
            QVERIFY2(confirmed, qPrintable(at + ": the writer stalled or ended by itself"));
            if (*confirmed == stored) ++cutBeforeFirst;

            const QByteArray now = readAll(ini);
            bool clean = false;
            const auto held =
                wholeRecordIn(now, writer.Scratch(QString("round%1.ini").arg(round)), clean);
            if (!damaged.isEmpty() && now == damaged) {
                // Cut off before the rewrite: the damaged file is whole, and so is any copy.
                QVERIFY2(*confirmed == stored && held == stored, qPrintable(at));
                QVERIFY2(!QFile::exists(bak) || readAll(bak) == damaged, qPrintable(at));
                continue;
            }
            QVERIFY2(held && clean, qPrintable(at + ": the file holds no whole record"));
            QVERIFY2(*held == *confirmed || *held == *confirmed + 1,
                     qPrintable(at + QString(": %1 after %2").arg(*held).arg(*confirmed)));
            if (!damaged.isEmpty()) QVERIFY2(readAll(bak) == damaged, qPrintable(at));
            damaged.clear();
            stored = *held;
        }
        qInfo("mean write %lld us", writer.MeanWrite() / 1000);
        qInfo("%d of the kills came before the first write was committed; %d started from a "
              "damaged file",
              cutBeforeFirst, damagedRounds);
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], "--write-records") == 0)
        return writeRecordsUntilKilled(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3]));
    QCoreApplication app(argc, argv);
    StoreCrashTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "StoreCrash_test.moc"
