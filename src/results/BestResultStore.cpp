#include "results/BestResultStore.h"

#include "adapters/QtPlatform.h"
#include "platform/Platform.h"
#include "results/scores.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
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

// What rewriting the file as the settings reader understood it would do to it.
enum class Rewrite {
    Same,           // gives back the same bytes
    DropsOnlyNotes, // drops only comment and blank lines: a hand-edit, nothing read is lost
    Changes,        // drops or changes something: a damaged line, a second copy of a key,
                    // bytes that are not text, a value the reader could not take apart
    NotChecked,     // no place to try it: nothing is known about the file
};

// The file without its comment and blank lines.
QByteArray withoutNotes(const QByteArray& bytes) {
    QByteArray kept;
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#')) continue;
        kept += line + '\n';
    }
    return kept;
}

// Tries the rewrite on a copy in `folder`.
Rewrite TryRewrite(const QByteArray& original, const QTemporaryDir& folder) {
    if (!folder.isValid()) return Rewrite::NotChecked;
    const QString copy = folder.filePath(QStringLiteral("copy.ini"));
    {
        QFile file(copy);
        if (!file.open(QIODevice::WriteOnly) || file.write(original) != original.size())
            return Rewrite::NotChecked;
    }
    {
        QSettings settings(copy, QSettings::IniFormat);
        if (settings.status() == QSettings::AccessError) return Rewrite::NotChecked;
        if (settings.status() != QSettings::NoError) return Rewrite::Changes;
        const QStringList keys = settings.allKeys();
        // With no key at all nothing would be written back.
        if (keys.isEmpty())
            return original.isEmpty()                 ? Rewrite::Same
                   : withoutNotes(original).isEmpty() ? Rewrite::DropsOnlyNotes
                                                      : Rewrite::Changes;
        for (const QString& key : keys)
            settings.setValue(key, settings.value(key));
        settings.sync();
        // The writer reads the file again first, and may only then find it damaged.
        if (settings.status() == QSettings::AccessError) return Rewrite::NotChecked;
        if (settings.status() != QSettings::NoError) return Rewrite::Changes;
    }
    QFile file(copy);
    if (!file.open(QIODevice::ReadOnly)) return Rewrite::NotChecked;
    const QByteArray rewritten = file.readAll();
    if (rewritten == original) return Rewrite::Same;
    return withoutNotes(rewritten) == withoutNotes(original) ? Rewrite::DropsOnlyNotes
                                                             : Rewrite::Changes;
}

// The rewrite is tried in the temporary folder, or, where that cannot be used, beside the
// settings file itself, whose folder the game writes anyway.
Rewrite TryRewrite(const QByteArray& original, const QString& settingsPath) {
    const Rewrite inTemp = TryRewrite(original, QTemporaryDir());
    if (inTemp != Rewrite::NotChecked) return inTemp;
    return TryRewrite(original, QTemporaryDir(settingsPath + QStringLiteral(".check-XXXXXX")));
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// Keeps `original` beside the settings file, as <file>.bak or, where a kept copy already
// holds that name, <file>.bak.2 to <file>.bak.9: a kept copy is never replaced. True when a
// copy of these bytes is there afterwards.
bool KeepAside(const QString& settingsPath, const QByteArray& original) {
    constexpr int kCopies = 9;
    for (int n = 1; n <= kCopies; ++n) {
        QString path = settingsPath + QStringLiteral(".bak");
        if (n > 1) path += QStringLiteral(".%1").arg(n);
        const QFileInfo place(path);
        if (place.exists() || place.isSymLink()) {
            if (place.isFile() && place.size() == original.size() && contentOf(path) == original)
                return true;
            continue;
        }
        // Replaced whole or not at all, so a crash never leaves half a copy.
        QSaveFile backup(path);
        return backup.open(QIODevice::WriteOnly) && backup.write(original) == original.size() &&
               backup.commit();
    }
    return false;
}

} // namespace

bool RemoveAbandonedLock(const QString& lockPath) {
    // A game killed just as it took the settings file's lock leaves the lock file empty, and
    // the writer would wait half a minute (its stale time) with the game frozen. A live writer
    // holds its lock file open and locked from the moment it creates it, until before it
    // fills it too: the lock's own removal of a stale lock takes that hold first, and fails
    // while anyone has it.
    const QFileInfo lock(lockPath);
    if (!lock.isFile() || lock.isSymLink() || lock.size() != 0) return false;
    QLockFile file(lockPath);
    return file.removeStaleLockFile();
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
    // held was never shown.
    bool wrongTyped = false;
    for (int k = 1; k <= 10 && !wrongTyped; ++k) {
        const QVariant value = settings.value(kResultsPrefix + valueName(k));
        wrongTyped = value.isValid() && value.typeId() != QMetaType::QString;
    }
    Rewrite rewrite = TryRewrite(original, path);
    // A check that could not run says nothing against the file; the reader of the file itself
    // still knows whether it could take it apart.
    if (rewrite == Rewrite::NotChecked && settings.status() == QSettings::FormatError)
        rewrite = Rewrite::Changes;
    if (wrongTyped || rewrite == Rewrite::Changes) return KeepAside(path, original);
    // A file that reads cleanly loses only its notes: they are kept where there is room, and
    // the record is written in any case.
    if (rewrite == Rewrite::DropsOnlyNotes) KeepAside(path, original);
    return true;
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
