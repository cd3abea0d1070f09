#include "adapters/Sound.h"

#include "adapters/SdlLibrary.h"
#include "assets/ResourceStore.h"
#include "assets/SoundBlocks.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace harvesta {

namespace {

// A fade-out of 5 ms: short enough to feel instant, long enough not to click.
constexpr int kFadeFrames = 240;
constexpr float kLimit = 32767.0f;
// The limiter's level comes back to full over 100 ms of sound.
constexpr float kRecoveryPerFrame = 1.0f / 4800.0f;
// While the last sounds die away after a game stops, the device is looked at this often.
constexpr int kClosePollMs = 200;

constexpr const char* kBlockNames[kCueCount] = {"SND_LAND",    "SND_ROWS1", "SND_ROWS2",
                                                "SND_ROWS3",   "SND_ROWS4", "SND_GAMEOVER",
                                                "SND_FANFARE", "SND_TICK"};

// ALSA's device watch looks for new devices ten times a second. Where SDL sits on plain ALSA
// (no sound server), the audio subsystem is therefore held only while the device is open;
// the watches of the sound servers sleep until something changes, and those are kept.
bool driverPolls() {
    const char* driver = SDL_CALL(SDL_GetCurrentAudioDriver)();
    return driver && std::strcmp(driver, "alsa") == 0;
}

// Locks the device's callback out for the life of the guard.
class DeviceLock {
  public:
    explicit DeviceLock(std::uint32_t device) : device_(device) {
        if (device_) SDL_CALL(SDL_LockAudioDevice)(device_);
    }
    ~DeviceLock() {
        if (device_) SDL_CALL(SDL_UnlockAudioDevice)(device_);
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

  private:
    std::uint32_t device_;
};

} // namespace

TCue RowsCue(int rows) {
    return static_cast<TCue>(static_cast<int>(TCue::Rows1) + std::clamp(rows, 1, 4) - 1);
}

const char* CueBlockName(TCue cue) {
    return kBlockNames[static_cast<int>(cue)];
}

void TSoundMixer::Start(std::span<const std::int16_t> samples) {
    if (samples.empty()) return;
    Voice* slot = &voices_[0];
    for (Voice& voice : voices_) {
        if (voice.samples.empty()) {
            slot = &voice;
            break;
        }
        if (voice.order < slot->order) slot = &voice;
    }
    // A voice that gives way before it began counts as begun, so the count keeps up.
    if (!slot->samples.empty() && slot->position == 0) ++begun_;
    *slot = Voice{samples, 0, -1, ++started_};
}

void TSoundMixer::FadeOut() {
    for (Voice& voice : voices_)
        if (!voice.samples.empty() && voice.fade < 0) voice.fade = kFadeFrames;
}

bool TSoundMixer::Quiet() const {
    return std::all_of(voices_.begin(), voices_.end(),
                       [](const Voice& voice) { return voice.samples.empty(); });
}

void TSoundMixer::Mix(std::int16_t* out, int frames) {
    while (frames > 0) {
        const int n = std::min(frames, kChunk);
        std::fill_n(sum_.begin(), n, 0);
        for (Voice& voice : voices_) {
            if (voice.samples.empty()) continue;
            if (voice.position == 0) ++begun_;
            const int count =
                static_cast<int>(std::min<std::size_t>(voice.samples.size() - voice.position, n));
            const std::int16_t* from = voice.samples.data() + voice.position;
            int i = 0;
            if (voice.fade < 0) {
                for (; i < count; ++i)
                    sum_[i] += from[i];
            } else {
                for (; i < count && voice.fade > 0; ++i, --voice.fade)
                    sum_[i] += from[i] * voice.fade / kFadeFrames;
            }
            voice.position += i;
            if (voice.position >= voice.samples.size() || voice.fade == 0) voice = Voice{};
        }
        std::int32_t peak = 0;
        for (int i = 0; i < n; ++i)
            peak = std::max(peak, std::abs(sum_[i]));
        // Lowered at once where the sum would clip, raised again slowly.
        float gain = std::min(1.0f, gain_ + kRecoveryPerFrame * n);
        if (static_cast<float>(peak) * gain > kLimit) gain = kLimit / static_cast<float>(peak);
        gain_ = gain;
        if (gain >= 1.0f) {
            for (int i = 0; i < n; ++i)
                out[i] = static_cast<std::int16_t>(sum_[i]);
        } else {
            for (int i = 0; i < n; ++i)
                out[i] = static_cast<std::int16_t>(
                    std::clamp(std::lrintf(static_cast<float>(sum_[i]) * gain), -32767L, 32767L));
        }
        out += n;
        frames -= n;
    }
}

TGameSound::TGameSound() {
    closeTimer_.setInterval(kClosePollMs);
    QObject::connect(&closeTimer_, &QTimer::timeout, &closeTimer_, [this] { CloseIfQuiet(); });
}

TGameSound::~TGameSound() {
    closeTimer_.stop();
    close();
    audio_.reset();
}

void TGameSound::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    for (int i = 0; i < kCueCount; ++i) {
        std::string error;
        const auto block = FindResourceBlock(kBlockNames[i]);
        auto sound = DecodeWave(block, error);
        if (sound && sound->Rate != kRate) error = "a sample rate the game does not play";
        if (!sound || sound->Rate != kRate) {
            // A damaged block silences its cue only; the game plays on.
            qWarning("Sound block %s is unusable: %s", kBlockNames[i], error.c_str());
            continue;
        }
        sounds_[i] = std::move(sound->Samples);
    }
    // Started now rather than at the first game, so the first game does not wait for it.
    if (on_ && acquire()) releaseIfPolling();
}

void TGameSound::SetOn(bool on) {
    on_ = on;
    if (!on) {
        if (device_) {
            const DeviceLock lock(device_);
            mixer_.FadeOut();
        }
        if (device_)
            closeTimer_.start();
        else
            audio_.reset();
        return;
    }
    if (!prepared_) return;
    if (running_)
        open();
    else if (acquire())
        releaseIfPolling();
}

void TGameSound::SetGameRunning(bool running) {
    running_ = running;
    if (!running) {
        if (device_) closeTimer_.start();
        return;
    }
    closeTimer_.stop();
    // A device that went away (a headset unplugged) is given up and a new one opened.
    if (device_ && SDL_CALL(SDL_GetAudioDeviceStatus)(device_) == SDL_AUDIO_STOPPED) close();
    open();
}

void TGameSound::Play(std::span<const TCue> cues) {
    if (!device_) return;
    const DeviceLock lock(device_);
    bool started = false;
    for (const TCue cue : cues) {
        const auto& samples = sounds_[static_cast<int>(cue)];
        if (samples.empty()) continue;
        mixer_.Start(samples);
        started = true;
    }
    if (!started) return;
    playedAt_ = std::chrono::steady_clock::now();
    awaitedBegun_ = mixer_.Started();
}

void TGameSound::CloseIfQuiet() {
    if (!device_ || (running_ && on_)) {
        closeTimer_.stop();
        return;
    }
    if (Quiet()) close();
}

bool TGameSound::Quiet() const {
    if (!device_) return true;
    const DeviceLock lock(device_);
    return mixer_.Quiet();
}

std::span<const std::int16_t> TGameSound::Samples(TCue cue) const {
    return sounds_[static_cast<int>(cue)];
}

std::optional<std::chrono::nanoseconds> TGameSound::LastLatency() const {
    const std::int64_t ns = latencyNs_.load();
    if (ns < 0) return std::nullopt;
    return std::chrono::nanoseconds(ns);
}

void TGameSound::callback(void* self, std::uint8_t* stream, int length) {
    auto& sound = *static_cast<TGameSound*>(self);
    sound.mixer_.Mix(reinterpret_cast<std::int16_t*>(stream), length / 2);
    if (sound.awaitedBegun_ != 0 && sound.mixer_.Begun() >= sound.awaitedBegun_) {
        sound.latencyNs_ = std::chrono::duration_cast<std::chrono::nanoseconds>(
                               std::chrono::steady_clock::now() - sound.playedAt_)
                               .count();
        sound.awaitedBegun_ = 0;
    }
}

bool TGameSound::acquire() {
    if (!audio_) audio_ = std::make_unique<SdlSubsystem>(SDL_INIT_AUDIO);
    if (audio_->Ready()) return true;
    // Tried again at the next game start: a sound server or device may have come since.
    audio_.reset();
    return false;
}

void TGameSound::releaseIfPolling() {
    if (audio_ && !device_ && (!on_ || driverPolls())) audio_.reset();
}

void TGameSound::open() {
    if (device_ || !prepared_ || !on_ || !running_ || !acquire()) return;
    for (const char* needed :
         {"SDL_GetCurrentAudioDriver", "SDL_LockAudioDevice", "SDL_UnlockAudioDevice",
          "SDL_GetAudioDeviceStatus", "SDL_OpenAudioDevice", "SDL_PauseAudioDevice",
          "SDL_CloseAudioDevice"})
        if (!SdlFunction(needed)) return;
    SDL_AudioSpec wanted{};
    wanted.freq = kRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 1;
    wanted.samples = kBufferFrames;
    wanted.callback = &TGameSound::callback;
    wanted.userdata = this;
    // SDL converts to whatever the device takes.
    device_ = SDL_CALL(SDL_OpenAudioDevice)(nullptr, 0, &wanted, nullptr, 0);
    if (!device_) {
        // No device now; the next game start looks again.
        audio_.reset();
        return;
    }
    SDL_CALL(SDL_PauseAudioDevice)(device_, 0);
}

void TGameSound::close() {
    closeTimer_.stop();
    if (device_) {
        SDL_CALL(SDL_CloseAudioDevice)(device_);
        device_ = 0;
    }
    releaseIfPolling();
}

} // namespace harvesta
