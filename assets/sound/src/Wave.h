#pragma once
// Writes a sound as a RIFF wave file: 16-bit signed samples, one channel.

#include <string>
#include <vector>

namespace harvesta::sound {

bool WriteWave(const std::string& path, const std::vector<double>& samples, int rate);

} // namespace harvesta::sound
