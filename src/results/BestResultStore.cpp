#include "results/BestResultStore.h"

#include "adapters/QtPlatform.h"
#include "platform/Platform.h"
#include "results/scores.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

namespace harvesta {

namespace {

#ifndef Q_OS_WIN
const QString kResultsPrefix = QStringLiteral("Software/Harvesta/Results/");
#else
const QString kResultsPrefix;
#endif

QString valueName(int kind) {
    return QStringLiteral("fruit%1").arg(kind);
}

// Errors reach the player in a message box and never end the game.
void reportError(const QString& text) {
    platform::ShowMessage({text.toStdString(), "Harvesta", platform::MessageIcon::Error,
                           platform::MessageButtons::Ok});
}

// Whether rewriting what the settings reader made of the file gives back the same bytes. When
// it does not, the file holds something the rewrite would drop or change: a damaged line, a
// second copy of a key, bytes that are not text, a value the reader could not take apart.
bool RewriteReproduces(const QByteArray& original) {
    const QTemporaryDir dir;
    if (!dir.isValid()) return false;
    const QString copy = dir.filePath(QStringLiteral("copy.ini"));
    {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(original) != original.size())
            return false;
    }
    {
        QSettings settings(copy, QSettings::IniFormat);
        if (settings.status() != QSettings::NoError) return false;
        const QStringList keys = settings.allKeys();
        // With no key at all nothing would be written back, so only an empty file is clean.
        if (keys.isEmpty()) return original.isEmpty();
        for (const QString& key : keys)
            settings.setValue(key, settings.value(key));
        settings.sync();
        if (settings.status() != QSettings::NoError) return false;
    }
    QFile file(copy);
    return file.open(QIODevice::ReadOnly) && file.readAll() == original;
}

} // namespace

bool RemoveAbandonedLock(const QString& lockPath) {
    // A game killed just as it took the settings file's lock leaves the lock file empty,
    // and the writer would wait half a minute (its stale time) with the game frozen. A live
    // writer fills its lock file the moment it creates it; should one be caught in that
    // moment, two games write at once, each file whole, and the last one wins, as it
    // would without the lock.
    const QFileInfo lock(lockPath);
    return lock.isFile() && lock.size() == 0 && QFile::remove(lockPath);
}

TResultsKey::TResultsKey(Mode mode) {
#ifdef Q_OS_WIN
    settings_ = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Harvesta\\Results"), QSettings::NativeFormat);
#else
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Harvesta"), QStringLiteral("Harvesta"));
    prefix_ = kResultsPrefix;
#endif
    if (mode == Mode::ReadOnly) {
        // Reading never creates anything: a missing file or key path counts as no key. A file
        // with a damaged line still gives the values it holds.
        settings_->beginGroup(prefix_);
        open_ = settings_->status() != QSettings::AccessError && !settings_->childKeys().isEmpty();
        settings_->endGroup();
    } else {
        open_ = settings_->isWritable();
        if (settings_->format() == QSettings::IniFormat) {
            // The owner's read-only mark is a wish to keep the file as it is; whoever runs the
            // game (root too) respects it.
            const QFileInfo file(settings_->fileName());
            if (file.exists() && !(file.permissions() & QFileDevice::WriteOwner)) open_ = false;
        }
    }
}

TResultsKey::~TResultsKey() = default;

std::optional<QString> TResultsKey::Read(const QString& name, bool& wrongType) const {
    wrongType = false;
    const QVariant value = settings_->value(prefix_ + name);
    if (!value.isValid()) return std::nullopt;
    if (value.typeId() != QMetaType::QString) {
        wrongType = true;
        return std::nullopt;
    }
    return value.toString();
}

bool KeepSettingsAsideIfUnclean(QSettings& settings) {
    // The registry has no file to rewrite: only the values written are replaced.
    if (settings.format() != QSettings::IniFormat) return true;
    const QString path = settings.fileName();
    QFile file(path);
    if (!file.exists()) return true;
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray original = file.readAll();
    if (file.error() != QFileDevice::NoError) return false;
    // A stored count of another type is replaced by the record like any value, but what it
    // held was never shown; it is kept too.
    bool clean = RewriteReproduces(original);
    for (int k = 1; k <= 10 && clean; ++k) {
        const QVariant value = settings.value(kResultsPrefix + valueName(k));
        clean = !value.isValid() || value.typeId() == QMetaType::QString;
    }
    if (clean) return true;
    // Replaced whole or not at all, so a crash never leaves half a copy.
    QSaveFile backup(path + QStringLiteral(".bak"));
    return backup.open(QIODevice::WriteOnly) && backup.write(original) == original.size() &&
           backup.commit();
}

bool TResultsKey::WriteAll(const std::array<QString, 10>& values) {
    if (!KeepSettingsAsideIfUnclean(*settings_)) return false;
    if (settings_->format() == QSettings::IniFormat)
        RemoveAbandonedLock(settings_->fileName() + QStringLiteral(".lock"));
    for (int k = 1; k <= 10; ++k)
        settings_->setValue(prefix_ + valueName(k), values[k - 1]);
    // The file is replaced as a whole when it is committed: either every value lands or the
    // previous record stays.
    settings_->sync();
    // A damaged file keeps the format error of its reading, yet the new file is written whole
    // (the old one is kept aside above); only a failed write is a failure.
    return settings_->status() != QSettings::AccessError;
}

QString ReadResultValue(const TResultsKey& key, const QString& name, const QString& fallback,
                        bool& wrongType) {
    return key.Read(name, wrongType).value_or(fallback);
}

void LoadBestResult(TfrmScores& scores) {
    const TResultsKey key(TResultsKey::Mode::ReadOnly);
    if (!key.IsOpen()) return;
    // Stopping at a value of another type would leave the later counts at zero, and the next
    // game would overwrite a record it never saw; so every readable value loads.
    QString wrongTyped;
    for (int k = 1; k <= 10; ++k) {
        bool wrongType = false;
        const QString text = ReadResultValue(key, valueName(k), QStringLiteral("0"), wrongType);
        if (wrongType) {
            if (wrongTyped.isEmpty()) wrongTyped = valueName(k);
            continue;
        }
        scores.Label(k)->setText(text);
        scores.Label(k)->adjustSize();
    }
    if (!wrongTyped.isEmpty())
        reportError(QCoreApplication::translate("TResultsKey", "Invalid data type for '%1'")
                        .arg(wrongTyped));
}

std::optional<std::int32_t> ParseCount(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text || text.isEmpty()) return std::nullopt;
    return value;
}

void CheckBestResult(const std::array<QString, 10>& yield, TfrmScores& scores,
                     const std::function<void()>& congratulated) {
    // Sums in 64 bits: ten large counts cannot overflow into a wrong comparison.
    std::int64_t best = 0;
    for (int k = 1; k <= 10; ++k) {
        const QString text = scores.Label(k)->text();
        const auto count = ParseCount(text);
        if (!count)
            return reportError(
                QCoreApplication::translate("TResultsKey", "'%1' is not a valid integer value")
                    .arg(text));
        best += *count;
    }
    std::int64_t current = 0;
    for (const QString& text : yield) {
        const auto count = ParseCount(text);
        if (!count)
            return reportError(
                QCoreApplication::translate("TResultsKey", "'%1' is not a valid integer value")
                    .arg(text));
        current += *count;
    }
    if (current < best) return;

    {
        TResultsKey key(TResultsKey::Mode::ReadWrite);
        // A key that cannot be opened for writing stores nothing and says nothing; the
        // congratulation still comes, over the old counts.
        if (key.IsOpen() && !key.WriteAll(yield))
            return reportError(
                QCoreApplication::translate("TResultsKey", "Failed to set data for '%1'")
                    .arg(valueName(1)));
    }
    LoadBestResult(scores);
    scores.SetTitle(RecordTitle());
    if (congratulated) congratulated();
    // A game can end while the window is already open from the menu: it then shows the new
    // counts under the congratulation, and closing it brings the ordinary title back.
    if (scores.isVisible()) return;
    platform::ShowModal(scores);
    scores.SetTitle(BestScoresTitle());
}

} // namespace harvesta
