#pragma once
// The game's sounds, played through SDL's audio. The audio device is open only while a game
// runs: it opens when a game starts or resumes and closes once the last sound has died away
// after the game is paused or over, so between games SDL's audio thread does not exist and
// the process sleeps. Where there is no sound (no device, no server, a driver that will not
// start) the game plays silently, says nothing and waits for nothing; the next game start
// tries again.

#include <QTimer>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace harvesta {

class SdlSubsystem;

// What the game has to say, one sound each.
enum class TCue { Landing, Rows1, Rows2, Rows3, Rows4, GameOver, Fanfare, Tick };
inline constexpr int kCueCount = 8;

// The chime for `rows` rows sent to the factory at once (1 to 4).
TCue RowsCue(int rows);

// The name of the resource block that holds a cue's sound.
const char* CueBlockName(TCue cue);

// Mixes the sounds that play at once into one stream. Voices are summed exactly; only where
// the sum would leave the sample range does a limiter lower the level (at once), and it comes
// back up over a tenth of a second. Used from SDL's audio thread while the device runs, and
// then only under the device's lock.
class TSoundMixer {
  public:
    static constexpr int kVoices = 8;

    // Starts a sound; when every voice is busy, the oldest gives way. The samples must outlive
    // the voice.
    void Start(std::span<const std::int16_t> samples);
    // Lets every voice fade out within a few milliseconds, without a click.
    void FadeOut();
    // Fills `out` with the next `frames` samples of the mix.
    void Mix(std::int16_t* out, int frames);
    // No voice is playing.
    bool Quiet() const;
    // How many voices have been started, and how many of them have begun to sound in Mix.
    std::uint64_t Started() const { return started_; }
    std::uint64_t Begun() const { return begun_; }

  private:
    struct Voice {
        std::span<const std::int16_t> samples;
        std::size_t position = 0;
        int fade = -1; // frames left of the fade-out, -1 when not fading
        std::uint64_t order = 0;
    };
    static constexpr int kChunk = 256;
    std::array<Voice, kVoices> voices_{};
    std::array<std::int32_t, kChunk> sum_{};
    float gain_ = 1.0f;
    std::uint64_t started_ = 0, begun_ = 0;
};

class TGameSound {
  public:
    // Nothing of SDL is touched until Prepare.
    TGameSound();
    ~TGameSound();
    TGameSound(const TGameSound&) = delete;
    TGameSound& operator=(const TGameSound&) = delete;

    // Called after the main window's first frame: reads the sounds out of the resource table
    // and, while sound is on, starts SDL's audio. Before it nothing sounds.
    void Prepare();
    bool Prepared() const { return prepared_; }

    // Sound on or off. Off fades out what plays and closes the device.
    void SetOn(bool on);
    bool On() const { return on_; }

    // A game runs (started or resumed) or not (paused, over). The device opens when a game
    // runs and sound is on, and closes once the last sound has finished after it stops.
    void SetGameRunning(bool running);

    // Plays a cue, where the device is open; otherwise nothing.
    void Play(TCue cue) { Play(std::span<const TCue>(&cue, 1)); }
    // Plays the cues of one event together: they start in the same device buffer.
    void Play(std::span<const TCue> cues);

    // The close timer's handler: closes the device once no sound plays and no game needs it.
    void CloseIfQuiet();
    bool DeviceOpen() const { return device_ != 0; }
    // No sound is playing (or the device is closed).
    bool Quiet() const;
    // The samples of a cue as decoded (empty before Prepare or for a damaged block).
    std::span<const std::int16_t> Samples(TCue cue) const;
    int Rate() const { return kRate; }
    // From the last Play on an open device to the end of the audio callback that handed its
    // first samples to the device; nullopt until one has been measured.
    std::optional<std::chrono::nanoseconds> LastLatency() const;
    QTimer& CloseTimer() { return closeTimer_; }

    static constexpr int kRate = 48000;
    // Frames per device buffer: about 11 ms, so a sound reaches the device within that of
    // its event.
    static constexpr int kBufferFrames = 512;

  private:
    static void callback(void* self, std::uint8_t* stream, int length);
    void open();
    void close();
    bool acquire();
    void releaseIfPolling();

    bool prepared_ = false, on_ = true, running_ = false;
    std::array<std::vector<std::int16_t>, kCueCount> sounds_;
    std::unique_ptr<SdlSubsystem> audio_;
    std::uint32_t device_ = 0;
    TSoundMixer mixer_;
    QTimer closeTimer_;
    // Written by the main thread under the device's lock, read by the audio thread.
    std::chrono::steady_clock::time_point playedAt_{};
    std::uint64_t awaitedBegun_ = 0;
    std::atomic<std::int64_t> latencyNs_{-1};
};

} // namespace harvesta
