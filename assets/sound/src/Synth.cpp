#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace harvesta::sound {

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
// The release at a note's end: long enough that no note stops with a click.
constexpr double kRelease = 0.03;

// Rises from 0 to 1 along half a cosine wave: no corner at either end.
double raisedCosine(double x) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(x, 0.0, 1.0));
}

} // namespace

Sound::Sound(double seconds) : samples_(static_cast<std::size_t>(seconds * kRate), 0.0) {}

void Sound::Add(const Note& note, const std::vector<Partial>& timbre) {
    const auto first = static_cast<std::size_t>(note.start * kRate);
    const auto count = static_cast<std::size_t>(note.length * kRate);
    for (const Partial& partial : timbre) {
        double phase = 0;
        for (std::size_t i = 0; i < count && first + i < samples_.size(); ++i) {
            const double t = static_cast<double>(i) / kRate;
            const double envelope = raisedCosine(t / note.attack) * std::exp(-partial.decay * t) *
                                    raisedCosine((note.length - t) / kRelease);
            samples_[first + i] += note.level * partial.level * envelope * std::sin(phase);
            const double frequency = note.frequency * partial.ratio * (1 + note.glide * t);
            phase = std::fmod(phase + kTwoPi * frequency / kRate, kTwoPi);
        }
    }
}

void Sound::Finish(double peak) {
    // A one-pole high-pass at 20 Hz takes out any offset the envelopes leave.
    const double pole = std::exp(-kTwoPi * 20.0 / kRate);
    double previousIn = 0, previousOut = 0;
    for (double& s : samples_) {
        const double out = s - previousIn + pole * previousOut;
        previousIn = s;
        previousOut = out;
        s = out;
    }
    const std::size_t fade = std::min<std::size_t>(samples_.size(), kRate / 100);
    for (std::size_t i = 0; i < fade; ++i)
        samples_[samples_.size() - 1 - i] *= raisedCosine(static_cast<double>(i) / fade);
    double highest = 0;
    for (const double s : samples_)
        highest = std::max(highest, std::abs(s));
    if (highest > 0)
        for (double& s : samples_)
            s *= peak / highest;
}

} // namespace harvesta::sound
