#pragma once
// A tiny additive synthesiser: notes made of sine partials, each with a soft raised-cosine
// attack, its own exponential decay and a release that ends the note at exact silence.

#include <vector>

namespace harvesta::sound {

inline constexpr int kRate = 48000;

struct Partial {
    double ratio; // of the note's frequency
    double level; // of the note's level
    double decay; // per second: the partial falls to 1/e after 1/decay seconds
};

struct Note {
    double start;  // seconds from the beginning of the sound
    double length; // seconds, release included
    double frequency;
    double level;
    double attack;    // seconds
    double glide = 0; // relative change of frequency per second (a falling knock glides down)
};

class Sound {
  public:
    explicit Sound(double seconds);
    void Add(const Note& note, const std::vector<Partial>& timbre);
    // Removes any offset from zero, lets the last milliseconds fade out to exact silence and
    // scales the whole sound to the given peak (a fraction of full scale).
    void Finish(double peak);
    const std::vector<double>& Samples() const { return samples_; }

  private:
    std::vector<double> samples_;
};

} // namespace harvesta::sound
