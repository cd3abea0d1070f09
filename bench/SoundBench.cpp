// The game's sound: how long from an event to its first samples leaving the audio callback for
// the device, through SDL's disk driver at its real-time pace (a buffer of 512 frames every
// 10.7 ms, as a sound card takes them) or the driver SDL_AUDIODRIVER names; and the cost of mixing
// one device buffer with three sounds at once beside a memcpy of the same bytes.

#include "MemcpyCompanion.h"
#include "adapters/Sound.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <thread>

namespace harvesta {
namespace {

// Event to first sample at the device: Play, then wait for the callback that hands the
// sound's first samples over. Reported as manual time; the figure that matters is the max.
void latency(benchmark::State& state) {
    // SDL_AUDIODRIVER set in the environment (pulseaudio, pipewire, alsa) measures that driver.
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
        qunsetenv("SDL_DISKAUDIODELAY");
    }
    TGameSound sound;
    sound.Prepare();
    sound.SetGameRunning(true);
    if (!sound.DeviceOpen()) {
        state.SkipWithError("no audio device");
        return;
    }
    double worst = 0;
    int n = 0;
    for (auto _ : state) {
        const auto before = sound.LastLatency();
        sound.Play(TCue::Tick);
        auto now = sound.LastLatency();
        while (now == before) {
            std::this_thread::yield();
            now = sound.LastLatency();
        }
        const double seconds = std::chrono::duration<double>(*now).count();
        worst = std::max(worst, seconds);
        ++n;
        state.SetIterationTime(seconds);
        // The next event comes at an unrelated moment of the device's cycle.
        std::this_thread::sleep_for(std::chrono::microseconds(1000 + 3700 * (n % 7)));
    }
    state.counters["worst_ms"] = worst * 1000;
    sound.SetGameRunning(false);
}
BENCHMARK(latency)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

// The tick of a resumed game: the device opens again, and the sound is asked for at once.
void latencyAfterOpening(benchmark::State& state) {
    if (!qEnvironmentVariableIsSet("SDL_AUDIODRIVER")) {
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", "/dev/null");
        qunsetenv("SDL_DISKAUDIODELAY");
    }
    TGameSound sound;
    sound.Prepare();
    double worst = 0;
    for (auto _ : state) {
        sound.SetGameRunning(true);
        if (!sound.DeviceOpen()) {
            state.SkipWithError("no audio device");
            return;
        }
        const auto before = sound.LastLatency();
        sound.Play(TCue::Tick);
        auto now = sound.LastLatency();
        while (now == before) {
            std::this_thread::yield();
            now = sound.LastLatency();
        }
        const double seconds = std::chrono::duration<double>(*now).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
        sound.SetGameRunning(false);
        while (!sound.Quiet())
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        sound.CloseIfQuiet();
    }
    state.counters["worst_ms"] = worst * 1000;
}
BENCHMARK(latencyAfterOpening)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void mixThree(benchmark::State& state) {
    TGameSound sound;
    sound.Prepare();
    std::vector<std::int16_t> out(TGameSound::kBufferFrames);
    TSoundMixer mixer;
    for (auto _ : state) {
        if (mixer.Quiet())
            for (const TCue cue : {TCue::GameOver, TCue::Fanfare, TCue::Rows4})
                mixer.Start(sound.Samples(cue));
        mixer.Mix(out.data(), TGameSound::kBufferFrames);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(out.size() * 2));
}
BENCHMARK(mixThree);

void memcpyBuffer(benchmark::State& state) {
    MemcpyOfBytes(state, TGameSound::kBufferFrames * 2);
}
BENCHMARK(memcpyBuffer)->Name("memcpy/buffer");

} // namespace
} // namespace harvesta

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
