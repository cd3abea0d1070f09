#pragma once
// The game's sounds are blocks of the resource table in the RIFF wave format: 16-bit signed
// samples, little-endian, one channel. This reads one into its samples.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace harvesta {

struct TDecodedSound {
    int Rate = 0; // samples per second
    std::vector<std::int16_t> Samples;
};

// The samples of a wave block, or nullopt with `error` saying what is wrong with it. Only the
// layout the game ships is taken; chunks it does not know are skipped.
std::optional<TDecodedSound> DecodeWave(std::span<const std::uint8_t> bytes, std::string& error);

} // namespace harvesta
