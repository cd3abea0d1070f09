#pragma once
// The best result: ten counts, one per fruit kind, kept in the per-user settings store and
// shown in the best scores window's count labels.

#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

namespace harvesta {

class TfrmScores;

// The per-user key that holds "fruit1" .. "fruit10". On Windows the registry key
// HKEY_CURRENT_USER\Software\Harvesta\Results; elsewhere the user's Harvesta.ini with the
// values under Software/Harvesta/Results. A fresh accessor per call.
class TResultsKey {
  public:
    enum class Mode { ReadOnly, ReadWrite };
    explicit TResultsKey(Mode mode);
    ~TResultsKey();

    // Whether the key exists (reading) or can be written (writing). A settings file its owner
    // has marked read-only is not written, even by a user whom the mark does not bind.
    bool IsOpen() const { return open_; }
    // The stored value's string; nullopt when there is none; `wrongType` is set for a value
    // that is not a string.
    std::optional<QString> Read(const QString& name, bool& wrongType) const;
    // Writes every value of the record and commits them together; false when nothing could
    // be committed (the previous record then stays as it was). A settings file that the rewrite
    // would damage (a line the reader could not take, a value of another type) is first kept
    // beside it as <file>.bak, or <file>.bak.2 … where a kept copy holds that name, since a
    // kept copy is never replaced; when no copy can be made, nothing is written. A file that
    // would lose only its comments is kept the same way where there is room, and written
    // anyway.
    bool WriteAll(const std::array<QString, 10>& values);

  private:
    std::unique_ptr<QSettings> settings_;
    QString prefix_;
    bool open_ = false;
};

// Before the game rewrites its settings file (settings of the INI format): a file that the
// rewrite would not reproduce, or whose stored counts are not strings, is first kept beside it
// as <file>.bak. False when that copy cannot be made; nothing may be written then.
bool KeepSettingsAsideIfUnclean(QSettings& settings);

// Reads one stored value of the open key, or the default when the key has none.
QString ReadResultValue(const TResultsKey& key, const QString& name, const QString& fallback,
                        bool& wrongType);

// Copies the stored best result into the window's count labels. A missing key leaves them.
// Every value that can be read is loaded, also from a damaged file; a value that is not a
// string keeps its label's text and is reported once, as "Invalid data type for '%s'".
void LoadBestResult(TfrmScores& scores);

// The game-over check: when the finished game's sum is not smaller than the best sum, stores
// it, reloads it into the window and shows the window with the congratulation;
// `congratulated` runs as the congratulation appears.
void CheckBestResult(const std::array<QString, 10>& yield, TfrmScores& scores,
                     const std::function<void()>& congratulated = {});

// Removes the lock file that a writer killed in the moment of taking it left empty; a lock
// file with content, or one that a live writer holds, stays. True when one was removed.
bool RemoveAbandonedLock(const QString& lockPath);

// The text as a signed 32-bit decimal integer, or nullopt.
std::optional<std::int32_t> ParseCount(const QString& text);

} // namespace harvesta
