#include "results/BestResultStore.h"

#include "platform/Platform.h"
#include "adapters/QtPlatform.h"
#include "results/scores.h"

#include <QLabel>
#include <QSettings>

namespace harvesta {

namespace {

QString valueName(int kind) {
    return QStringLiteral("fruit%1").arg(kind);
}

// Errors reach the player in a message box and never end the game.
void reportError(const QString& text) {
    platform::ShowMessage({text.toStdString(), "Harvesta", platform::MessageIcon::Error,
                           platform::MessageButtons::Ok});
}

} // namespace

TResultsKey::TResultsKey(Mode mode) {
#ifdef Q_OS_WIN
    settings_ = std::make_unique<QSettings>(
        QStringLiteral("HKEY_CURRENT_USER\\Software\\Harvesta\\Results"), QSettings::NativeFormat);
#else
    settings_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Harvesta"), QStringLiteral("Harvesta"));
    prefix_ = QStringLiteral("Software/Harvesta/Results/");
#endif
    if (mode == Mode::ReadOnly) {
        // Reading never creates anything: a missing file or key path counts as no key.
        settings_->beginGroup(prefix_.chopped(prefix_.isEmpty() ? 0 : 1));
        open_ = settings_->status() == QSettings::NoError && !settings_->childKeys().isEmpty();
        settings_->endGroup();
    } else {
        open_ = settings_->isWritable();
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

bool TResultsKey::WriteAll(const std::array<QString, 10>& values) {
    for (int k = 1; k <= 10; ++k)
        settings_->setValue(prefix_ + valueName(k), values[k - 1]);
    // The file is replaced as a whole when it is committed: either every value lands or the
    // previous record stays.
    settings_->sync();
    // A damaged file reports a format error when it is read back for the merge, yet the new
    // file is written whole; only a failed write loses anything.
    return settings_->status() != QSettings::AccessError;
}

QString ReadResultValue(const TResultsKey& key, const QString& name, const QString& fallback,
                        bool& wrongType) {
    return key.Read(name, wrongType).value_or(fallback);
}

void LoadBestResult(TfrmScores& scores) {
    const TResultsKey key(TResultsKey::Mode::ReadOnly);
    if (!key.IsOpen()) return;
    for (int k = 1; k <= 10; ++k) {
        bool wrongType = false;
        const QString text = ReadResultValue(key, valueName(k), QStringLiteral("0"), wrongType);
        if (wrongType) {
            reportError(QStringLiteral("Invalid data type for '%1'").arg(valueName(k)));
            return;
        }
        scores.Label(k)->setText(text);
        scores.Label(k)->adjustSize();
    }
}

std::optional<std::int32_t> ParseCount(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.trimmed() != text || text.isEmpty()) return std::nullopt;
    return value;
}

void CheckBestResult(const std::array<QString, 10>& yield, TfrmScores& scores) {
    // Sums in 64 bits: ten large counts cannot overflow into a wrong comparison.
    std::int64_t best = 0;
    for (int k = 1; k <= 10; ++k) {
        const QString text = scores.Label(k)->text();
        const auto count = ParseCount(text);
        if (!count)
            return reportError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        best += *count;
    }
    std::int64_t current = 0;
    for (const QString& text : yield) {
        const auto count = ParseCount(text);
        if (!count)
            return reportError(QStringLiteral("'%1' is not a valid integer value").arg(text));
        current += *count;
    }
    if (current < best) return;

    {
        TResultsKey key(TResultsKey::Mode::ReadWrite);
        // A key that cannot be opened for writing stores nothing and says nothing; the
        // congratulation still comes, over the old counts.
        if (key.IsOpen() && !key.WriteAll(yield))
            return reportError(QStringLiteral("Failed to set data for '%1'").arg(valueName(1)));
    }
    LoadBestResult(scores);
    scores.SetTitle(kRecordTitle);
    // A game can end while the window is already open from the menu: it then shows the new
    // counts under the congratulation, and closing it brings the ordinary title back.
    if (scores.isVisible()) return;
    platform::ShowModal(scores);
    scores.SetTitle(kBestScoresTitle);
}

} // namespace harvesta
