#include "Cues.h"

namespace harvesta::sound {

namespace {

// Equal-tempered pitches of the notes used, in hertz.
constexpr double C4 = 261.63, D4 = 293.66, E4 = 329.63, G4 = 392.00;
constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99;
constexpr double C6 = 1046.50, E6 = 1318.51, G6 = 1567.98, C7 = 2093.00;

// Peaks stay well below full scale, so two sounds that meet add up without clipping and the
// mixer's limiter only works when three or more do.
constexpr double kSoftPeak = 0.30;
constexpr double kPeak = 0.42;

// A wooden knock: a low note that glides down and dies within a tenth of a second.
Sound landing() {
    Sound s(0.12);
    s.Add({0.0, 0.12, 196.0, 1.0, 0.004, -0.8},
          {{1.0, 1.0, 45}, {2.0, 0.25, 70}, {3.03, 0.08, 110}});
    s.Finish(kSoftPeak);
    return s;
}

// Small bells: the slightly stretched partials of a glockenspiel bar, gentle on top.
const std::vector<Partial> kBell{{1.0, 1.0, 4.5}, {2.76, 0.22, 9}, {5.40, 0.05, 16}};

// One bell more for every row: two rows ring a third, three a chord, four the chord with its
// octave and a soft shimmer above.
Sound rows(int count) {
    static constexpr double kNotes[4] = {C6, E6, G6, C7};
    const double spacing = 0.07;
    const double ring = 0.40 + 0.08 * count;
    Sound s(ring + spacing * (count - 1));
    for (int i = 0; i < count; ++i)
        s.Add({spacing * i, ring, kNotes[i], 1.0 - 0.08 * i, 0.006}, kBell);
    if (count == 4) s.Add({spacing * 3, ring, C7 * 1.5, 0.18, 0.02}, kBell);
    s.Finish(kPeak);
    return s;
}

// A soft flute-like voice for the phrases.
const std::vector<Partial> kFlute{{1.0, 1.0, 2.5}, {2.0, 0.18, 4}, {3.0, 0.06, 6}};

// Four notes stepping down to the tonic, slowing as they go: the game has ended, gently.
Sound gameOver() {
    Sound s(0.95);
    s.Add({0.00, 0.26, G4, 1.00, 0.02}, kFlute);
    s.Add({0.20, 0.26, E4, 0.95, 0.02}, kFlute);
    s.Add({0.40, 0.30, D4, 0.90, 0.02}, kFlute);
    s.Add({0.62, 0.33, C4, 0.90, 0.025}, kFlute);
    s.Finish(kPeak);
    return s;
}

// A round horn: all harmonics, falling off with their number.
const std::vector<Partial> kHorn{
    {1.0, 1.0, 1.5}, {2.0, 0.5, 2.5}, {3.0, 0.3, 3.5}, {4.0, 0.18, 5}, {5.0, 0.1, 6}};

// Three quick notes up the chord and the octave held: a record.
Sound fanfare() {
    Sound s(0.95);
    s.Add({0.00, 0.14, C5, 0.85, 0.012}, kHorn);
    s.Add({0.11, 0.14, E5, 0.85, 0.012}, kHorn);
    s.Add({0.22, 0.14, G5, 0.90, 0.012}, kHorn);
    s.Add({0.33, 0.62, C6, 1.00, 0.015}, kHorn);
    s.Add({0.33, 0.62, G5, 0.45, 0.015}, kHorn);
    s.Finish(kPeak);
    return s;
}

// A short, light tick, like a clock's.
Sound tick() {
    Sound s(0.05);
    s.Add({0.0, 0.05, 1760.0, 1.0, 0.004}, {{1.0, 1.0, 70}, {2.0, 0.15, 110}});
    s.Finish(kSoftPeak * 0.8);
    return s;
}

} // namespace

std::vector<Cue> MakeCues() {
    std::vector<Cue> cues;
    cues.push_back({"SND_LAND", landing()});
    for (int count = 1; count <= 4; ++count)
        cues.push_back({"SND_ROWS" + std::to_string(count), rows(count)});
    cues.push_back({"SND_GAMEOVER", gameOver()});
    cues.push_back({"SND_FANFARE", fanfare()});
    cues.push_back({"SND_TICK", tick()});
    return cues;
}

} // namespace harvesta::sound
