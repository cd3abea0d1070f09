#pragma once
// The recipes of the game's sounds, one per block.

#include "Synth.h"

#include <string>
#include <vector>

namespace harvesta::sound {

struct Cue {
    std::string block; // the block's name in assets/data, without ".wav"
    Sound sound;
};

std::vector<Cue> MakeCues();

} // namespace harvesta::sound
